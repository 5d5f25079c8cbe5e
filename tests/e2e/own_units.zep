# A data file of the user's own, opened through the toolbar while the program runs.
0,Beams
1,Span
3,Metre (m),1
2,Foot (ft),3.28084
1,Point load
3,Kilonewton (kN),1
2,Kip (kip),0.2248089
0,Sections
1,Plate thickness
3,Millimetre (mm),1
2,Inch (in),0.03937008
