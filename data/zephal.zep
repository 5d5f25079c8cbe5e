# Zephal unit data file (starter)
# Record: type,name,value   type 0 = tab, 1 = quantity, 2 = unit, 3 = base unit
# A factor is the number of that unit in one reference unit of the quantity.
0,Geometry
1,Length
3,Metre (m),1
2,Millimetre (mm),1000
2,Centimetre (cm),100
2,Kilometre (km),0.001
2,Inch (in),39.37008
2,Foot (ft),3.280840
1,Area
3,Square metre (m2),1
2,Square millimetre (mm2),1000000
2,Square centimetre (cm2),10000
2,Square inch (in2),1550.003
2,Square foot (ft2),10.76391
0,Force
1,Force
3,Newton (N),1
2,Kilonewton (kN),0.001
2,Kilogram-force (kgf),0.1019716
2,Tonne-force (tf),0.0001019716
2,Pound-force (lbf),0.2248089
2,Kip (kip),0.0002248089
1,Moment
3,Kilonewton metre (kN･m),1
2,Newton metre (N･m),1000
2,Newton millimetre (N･mm),1000000
2,Kilogram-force metre (kgf･m),101.9716
2,Pound-force foot (lbf･ft),737.5621
2,Kip foot (kip･ft),0.7375621
0,Stress
1,Stress
3,Megapascal (MPa),1
2,Pascal (Pa),1000000
2,Kilopascal (kPa),1000
2,Newton per square millimetre (N/mm2),1
2,Kilogram-force per square centimetre (kgf/cm2),10.19716
2,Pound-force per square inch (psi),145.0377
2,Kip per square inch (ksi),0.1450377
