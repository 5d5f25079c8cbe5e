# Zephal unit data file: the tabs, quantities and units that the main window offers.
# Encoding UTF-8, lines ending in CR LF. The program reads it at start-up from its working
# folder; a file of the same form can be opened from the toolbar while it runs.
#
# RECORDS - one a line, up to three fields separated by commas: type,name,factor
#   0,title                  starts a tab of the main window
#   1,quantity               adds a quantity (one button) to the tab above
#   2,name (symbol),factor   adds a unit to the quantity above
#   3,name (symbol),factor   the same, and marks the base unit: the one selected when a
#                            conversion window opens, and the reference of the factors
# A line holding a hash sign or an apostrophe anywhere is a comment, so no name may hold
# either, nor a comma. Empty lines are skipped. Limits: 10 tabs, 20 quantities a tab and
# 20 units a quantity.
#
# FACTORS - a factor is the number of that unit in one base unit of its quantity (the base
# unit has the factor 1); a value x converts from unit b to unit i as x * f(i) / f(b).
# Factors are held in single precision, so each is written to 7 significant digits,
# correctly rounded from its exact value; more digits would be lost on reading.
# Conversions are ratios only, without an offset: the temperature quantity converts
# differences (1 K = 1 ℃ = 1.8 °F = 1.8 °R), never a thermometer reading.
#
# SOURCES - every factor is worked out with exact arithmetic from these definitions:
#   length     international inch 0.0254 m, foot 0.3048 m, yard 0.9144 m, mile 1609.344 m
#   mass       pound 0.45359237 kg; ounce (oz) 1/16 pound
#   gravity    standard gravity 9.80665 m/s^2, so kgf = 9.80665 N and lbf = 4.4482216152605 N;
#              kip = 1000 lbf, tf = 1000 kgf; slug = lbf･s^2/ft
#   heat       International Table calorie (cal_IT) 4.1868 J, the calorie of heat engineering,
#              in which 1 kcal_IT/(kg･℃) is 1 Btu/(lb･°F); thermochemical calorie (cal_th)
#              4.184 J; each calorie is named by its symbol;
#              International Table British thermal unit (Btu) 1055.05585262 J
#   others     standard atmosphere 101325 Pa; bar 100000 Pa; US gallon 231 in^3;
#              imperial gallon 4.54609 L; acre 43560 ft^2; knot 1852 m/h;
#              metric horsepower (PS) 75 kgf･m/s; horsepower (hp) 550 ft･lbf/s;
#              US refrigeration ton 12000 Btu/h; year 365 days; poise 0.1 Pa･s; stokes 1 cm^2/s
# together with the SI definitions and prefixes. A factor that holds a square root
# (MPa･√m in ksi･√in) is rounded from the exact root of its exact square. The results
# agree with the conversion factors published by NIST (Special Publication 811, Appendix B).
#
# SYMBOLS - the text between the parentheses is the symbol shown beside each result:
#   ^2 ^6 ^1.5 powers (m^2, mm^4, mm^6, N/mm^1.5)
#   √          square root of the unit after it (MPa･√m)
#   –          a plain ratio, a quantity without a unit (strain)
#   ･          half-width middle dot between multiplied units (kN･m)
#   /          everything after the slash is the denominator: W/m･K is W/(m･K)
#   no parentheses inside a symbol: the first closing one ends it

# ----------------------------------------------------------------------------------------
0,Geometry

1,Length
3,Metre (m),1
2,Millimetre (mm),1000
2,Centimetre (cm),100
2,Kilometre (km),0.001
2,Micrometre (μm),1000000
2,Inch (in),39.37008
2,Foot (ft),3.28084
2,Yard (yd),1.093613
2,Mile (mi),0.0006213712
2,Mil (mil),39370.08

1,Area
3,Square metre (m^2),1
2,Square millimetre (mm^2),1000000
2,Square centimetre (cm^2),10000
2,Square kilometre (km^2),1E-06
2,Hectare (ha),0.0001
2,Square inch (in^2),1550.003
2,Square foot (ft^2),10.76391
2,Square yard (yd^2),1.19599
2,Acre (ac),0.0002471054

1,Area per length
3,Square millimetre per metre (mm^2/m),1
2,Square millimetre per millimetre (mm^2/mm),0.001
2,Square centimetre per metre (cm^2/m),0.01
2,Square metre per metre (m^2/m),1E-06
2,Square inch per foot (in^2/ft),0.0004724409
2,Square inch per inch (in^2/in),3.937008E-05

1,Volume
3,Cubic metre (m^3),1
2,Cubic millimetre (mm^3),1E+09
2,Cubic centimetre (cm^3),1000000
2,Litre (L),1000
2,Cubic inch (in^3),61023.74
2,Cubic foot (ft^3),35.31467
2,Cubic yard (yd^3),1.307951
2,US gallon (US gal),264.1721
2,Imperial gallon (imp gal),219.9692

1,Section modulus
3,Millimetre cubed (mm^3),1
2,Centimetre cubed (cm^3),0.001
2,Metre cubed (m^3),1E-09
2,Inch cubed (in^3),6.102374E-05
2,Foot cubed (ft^3),3.531467E-08

1,Second moment of area
3,Millimetre to the fourth (mm^4),1
2,Centimetre to the fourth (cm^4),0.0001
2,Metre to the fourth (m^4),1E-12
2,Inch to the fourth (in^4),2.40251E-06
2,Foot to the fourth (ft^4),1.158618E-10

1,Warping constant
3,Millimetre to the sixth (mm^6),1
2,Centimetre to the sixth (cm^6),1E-06
2,Metre to the sixth (m^6),1E-18
2,Inch to the sixth (in^6),3.723897E-09
2,Foot to the sixth (ft^6),1.247126E-15

1,Rotation angle
3,Radian (rad),1
2,Milliradian (mrad),1000
2,Degree (°),57.29578
2,Minute of arc (′),3437.747
2,Second of arc (″),206264.8
2,Gon (gon),63.66198
2,Revolution (rev),0.1591549

1,Strain
3,Ratio (–),1
2,Percent (%),100
2,Per mille (‰),1000
2,Millimetre per metre (mm/m),1000
2,Microstrain (με),1000000
2,Micrometre per metre (μm/m),1000000
2,Inch per inch (in/in),1

1,Curvature
3,Per metre (1/m),1
2,Per millimetre (1/mm),0.001
2,Per kilometre (1/km),1000
2,Radian per metre (rad/m),1
2,Per inch (1/in),0.0254
2,Per foot (1/ft),0.3048

# ----------------------------------------------------------------------------------------
0,Mass

1,Mass
3,Kilogram (kg),1
2,Gram (g),1000
2,Tonne (t),0.001
2,Kilogram-force second squared per metre (kgf･s^2/m),0.1019716
2,Pound (lb),2.204623
2,Short ton (sh tn),0.001102311
2,Slug (lbf･s^2/ft),0.06852177
2,Pound-force second squared per inch (lbf･s^2/in),0.005710147

1,Density
3,Kilogram per cubic metre (kg/m^3),1
2,Gram per cubic centimetre (g/cm^3),0.001
2,Tonne per cubic metre (t/m^3),0.001
2,Tonne per cubic millimetre (t/mm^3),1E-12
2,Kilogram-force second squared per metre to the fourth (kgf･s^2/m^4),0.1019716
2,Pound per cubic foot (lb/ft^3),0.06242796
2,Pound per cubic inch (lb/in^3),3.612729E-05
2,Slug per cubic foot (lbf･s^2/ft^4),0.00194032
2,Pound-force second squared per inch to the fourth (lbf･s^2/in^4),9.357255E-08

1,Unit weight
3,Kilonewton per cubic metre (kN/m^3),1
2,Newton per cubic metre (N/m^3),1000
2,Newton per cubic millimetre (N/mm^3),1E-06
2,Kilogram-force per cubic metre (kgf/m^3),101.9716
2,Tonne-force per cubic metre (tf/m^3),0.1019716
2,Pound-force per cubic foot (lbf/ft^3),6.36588
2,Pound-force per cubic inch (lbf/in^3),0.003683959
2,Kip per cubic foot (kip/ft^3),0.00636588

1,Mass per length
3,Kilogram per metre (kg/m),1
2,Gram per metre (g/m),1000
2,Tonne per metre (t/m),0.001
2,Pound per foot (lb/ft),0.671969
2,Pound per inch (lb/in),0.05599741
2,Pound per yard (lb/yd),2.015907

1,Mass per area
3,Kilogram per square metre (kg/m^2),1
2,Gram per square metre (g/m^2),1000
2,Tonne per square metre (t/m^2),0.001
2,Pound per square foot (lb/ft^2),0.2048161
2,Pound per square inch (lb/in^2),0.001422334
2,Ounce per square yard (oz/yd^2),29.49352

1,Mass moment of inertia
3,Kilogram square metre (kg･m^2),1
2,Kilogram square centimetre (kg･cm^2),10000
2,Kilogram square millimetre (kg･mm^2),1000000
2,Gram square centimetre (g･cm^2),1E+07
2,Tonne square metre (t･m^2),0.001
2,Tonne square millimetre (t･mm^2),1000
2,Kilogram-force metre second squared (kgf･m･s^2),0.1019716
2,Pound square foot (lb･ft^2),23.73036
2,Pound square inch (lb･in^2),3417.172
2,Pound-force foot second squared (lbf･ft･s^2),0.7375621
2,Pound-force inch second squared (lbf･in･s^2),8.850746

# ----------------------------------------------------------------------------------------
0,Force

1,Force
2,Newton (N),1000
3,Kilonewton (kN),1
2,Meganewton (MN),0.001
2,Dyne (dyn),1E+08
2,Kilogram-force (kgf),101.9716
2,Tonne-force (tf),0.1019716
2,Pound-force (lbf),224.8089
2,Kip (kip),0.2248089

1,Line load
2,Newton per metre (N/m),1000
3,Kilonewton per metre (kN/m),1
2,Newton per millimetre (N/mm),1
2,Kilogram-force per metre (kgf/m),101.9716
2,Kilogram-force per centimetre (kgf/cm),1.019716
2,Tonne-force per metre (tf/m),0.1019716
2,Pound-force per foot (lbf/ft),68.52177
2,Pound-force per inch (lbf/in),5.710147
2,Kip per foot (kip/ft),0.06852177
2,Kip per inch (kip/in),0.005710147

1,Surface load
2,Newton per square metre (N/m^2),1000
3,Kilonewton per square metre (kN/m^2),1
2,Kilogram-force per square metre (kgf/m^2),101.9716
2,Tonne-force per square metre (tf/m^2),0.1019716
2,Pound-force per square foot (psf),20.88543
2,Kip per square foot (ksf),0.02088543

1,Moment
2,Newton metre (N･m),1000
2,Newton millimetre (N･mm),1000000
3,Kilonewton metre (kN･m),1
2,Kilonewton millimetre (kN･mm),1000
2,Meganewton metre (MN･m),0.001
2,Kilogram-force metre (kgf･m),101.9716
2,Kilogram-force centimetre (kgf･cm),10197.16
2,Tonne-force metre (tf･m),0.1019716
2,Pound-force foot (lbf･ft),737.5621
2,Pound-force inch (lbf･in),8850.746
2,Kip foot (kip･ft),0.7375621
2,Kip inch (kip･in),8.850746

1,Moment per length
3,Kilonewton metre per metre (kN･m/m),1
2,Newton millimetre per millimetre (N･mm/mm),1000
2,Kilogram-force metre per metre (kgf･m/m),101.9716
2,Tonne-force metre per metre (tf･m/m),0.1019716
2,Pound-force foot per foot (lbf･ft/ft),224.8089
2,Kip foot per foot (kip･ft/ft),0.2248089

1,Stress / pressure / modulus
2,Pascal (Pa),1000000
2,Newton per square metre (N/m^2),1000000
2,Kilopascal (kPa),1000
3,Megapascal (MPa),1
2,Newton per square millimetre (N/mm^2),1
2,Gigapascal (GPa),0.001
2,Bar (bar),10
2,Standard atmosphere (atm),9.869233
2,Kilogram-force per square metre (kgf/m^2),101971.6
2,Kilogram-force per square centimetre (kgf/cm^2),10.19716
2,Kilogram-force per square millimetre (kgf/mm^2),0.1019716
2,Tonne-force per square metre (tf/m^2),101.9716
2,Pound-force per square foot (psf),20885.43
2,Pound-force per square inch (psi),145.0377
2,Kip per square foot (ksf),20.88543
2,Kip per square inch (ksi),0.1450377
2,Million pounds-force per square inch (Msi),0.0001450377

1,Fracture toughness
3,Megapascal root metre (MPa･√m),1
2,Meganewton per metre to the 1.5 (MN/m^1.5),1
2,Pascal root metre (Pa･√m),1000000
2,Newton per millimetre to the 1.5 (N/mm^1.5),31.62278
2,Kilogram-force per millimetre to the 1.5 (kgf/mm^1.5),3.224626
2,Kip per square inch root inch (ksi･√in),0.9100477
2,Pound-force per square inch root inch (psi･√in),910.0477

1,Fracture energy / energy per area
3,Joule per square metre (J/m^2),1
2,Kilojoule per square metre (kJ/m^2),0.001
2,Joule per square centimetre (J/cm^2),0.0001
2,Newton per metre (N/m),1
2,Newton per millimetre (N/mm),0.001
2,Kilogram-force per centimetre (kgf/cm),0.001019716
2,Pound-force per inch (lbf/in),0.005710147
2,Inch pound-force per square inch (in･lbf/in^2),0.005710147
2,Foot pound-force per square foot (ft･lbf/ft^2),0.06852177

# ----------------------------------------------------------------------------------------
0,Stiffness

1,Stiffness
2,Newton per metre (N/m),1000
3,Kilonewton per metre (kN/m),1
2,Newton per millimetre (N/mm),1
2,Kilonewton per millimetre (kN/mm),0.001
2,Kilogram-force per metre (kgf/m),101.9716
2,Kilogram-force per centimetre (kgf/cm),1.019716
2,Tonne-force per metre (tf/m),0.1019716
2,Pound-force per foot (lbf/ft),68.52177
2,Pound-force per inch (lbf/in),5.710147
2,Kip per foot (kip/ft),0.06852177
2,Kip per inch (kip/in),0.005710147

1,Rotation stiffness
2,Newton metre per radian (N･m/rad),1000
2,Newton millimetre per radian (N･mm/rad),1000000
3,Kilonewton metre per radian (kN･m/rad),1
2,Meganewton metre per radian (MN･m/rad),0.001
2,Kilogram-force metre per radian (kgf･m/rad),101.9716
2,Kilogram-force centimetre per radian (kgf･cm/rad),10197.16
2,Tonne-force metre per radian (tf･m/rad),0.1019716
2,Pound-force foot per radian (lbf･ft/rad),737.5621
2,Pound-force inch per radian (lbf･in/rad),8850.746
2,Kip foot per radian (kip･ft/rad),0.7375621
2,Kip inch per radian (kip･in/rad),8.850746

1,Flexural / torsional rigidity
2,Newton square millimetre (N･mm^2),1E+09
2,Newton square metre (N･m^2),1000
3,Kilonewton square metre (kN･m^2),1
2,Meganewton square metre (MN･m^2),0.001
2,Kilogram-force square centimetre (kgf･cm^2),1019716
2,Kilogram-force square metre (kgf･m^2),101.9716
2,Tonne-force square metre (tf･m^2),0.1019716
2,Pound-force square inch (lbf･in^2),348454.6
2,Pound-force square foot (lbf･ft^2),2419.823
2,Kip square inch (kip･in^2),348.4546
2,Kip square foot (kip･ft^2),2.419823

1,Subgrade modulus
3,Kilonewton per cubic metre (kN/m^3),1
2,Meganewton per cubic metre (MN/m^3),0.001
2,Newton per cubic millimetre (N/mm^3),1E-06
2,Newton per cubic centimetre (N/cm^3),0.001
2,Kilogram-force per cubic centimetre (kgf/cm^3),0.0001019716
2,Tonne-force per cubic metre (tf/m^3),0.1019716
2,Pound-force per cubic inch (lbf/in^3),0.003683959
2,Pound-force per cubic foot (lbf/ft^3),6.36588
2,Kip per cubic foot (kip/ft^3),0.00636588

# ----------------------------------------------------------------------------------------
0,Motion

1,Rotation speed
3,Radian per second (rad/s),1
2,Degree per second (°/s),57.29578
2,Revolution per minute (rpm),9.549297
2,Revolution per second (rps),0.1591549

1,Velocity
3,Metre per second (m/s),1
2,Millimetre per second (mm/s),1000
2,Centimetre per second (cm/s),100
2,Metre per minute (m/min),60
2,Kilometre per hour (km/h),3.6
2,Inch per second (in/s),39.37008
2,Foot per second (ft/s),3.28084
2,Foot per minute (ft/min),196.8504
2,Mile per hour (mph),2.236936
2,Knot (kn),1.943844

1,Acceleration
3,Metre per second squared (m/s^2),1
2,Millimetre per second squared (mm/s^2),1000
2,Centimetre per second squared (Gal),100
2,Standard gravity (g),0.1019716
2,Inch per second squared (in/s^2),39.37008
2,Foot per second squared (ft/s^2),3.28084

1,Frequency
3,Hertz (Hz),1
2,Kilohertz (kHz),0.001
2,Cycle per minute (cpm),60
2,Angular frequency in radians per second (rad/s),6.283185

1,Time
3,Second (s),1
2,Millisecond (ms),1000
2,Minute (min),0.01666667
2,Hour (h),0.0002777778
2,Day (d),1.157407E-05
2,Week (wk),1.653439E-06
2,Year of 365 days (yr),3.170979E-08

# ----------------------------------------------------------------------------------------
0,Energy

1,Energy
3,Joule (J),1
2,Kilojoule (kJ),0.001
2,Megajoule (MJ),1E-06
2,Watt hour (Wh),0.0002777778
2,Kilowatt hour (kWh),2.777778E-07
2,Kilogram-force metre (kgf･m),0.1019716
2,IT calorie (cal_IT),0.2388459
2,IT kilocalorie (kcal_IT),0.0002388459
2,Thermochemical calorie (cal_th),0.2390057
2,Thermochemical kilocalorie (kcal_th),0.0002390057
2,IT British thermal unit (Btu),0.0009478171
2,Foot pound-force (ft･lbf),0.7375621
2,Inch pound-force (in･lbf),8.850746

1,Power
3,Watt (W),1
2,Kilowatt (kW),0.001
2,Megawatt (MW),1E-06
2,Kilogram-force metre per second (kgf･m/s),0.1019716
2,Metric horsepower (PS),0.001359622
2,Mechanical horsepower (hp),0.001341022
2,Foot pound-force per second (ft･lbf/s),0.7375621
2,IT calorie per second (cal_IT/s),0.2388459
2,IT kilocalorie per hour (kcal_IT/h),0.8598452
2,Thermochemical calorie per second (cal_th/s),0.2390057
2,Thermochemical kilocalorie per hour (kcal_th/h),0.8604207
2,Btu per hour (Btu/h),3.412142
2,Btu per second (Btu/s),0.0009478171
2,US refrigeration ton (USRT),0.0002843451

# ----------------------------------------------------------------------------------------
0,Heat

1,Temperature difference
3,Kelvin (K),1
2,Degree Celsius (℃),1
2,Degree Fahrenheit (°F),1.8
2,Degree Rankine (°R),1.8

1,Heat flow
3,Watt (W),1
2,Kilowatt (kW),0.001
2,IT calorie per second (cal_IT/s),0.2388459
2,IT kilocalorie per hour (kcal_IT/h),0.8598452
2,Thermochemical calorie per second (cal_th/s),0.2390057
2,Thermochemical kilocalorie per hour (kcal_th/h),0.8604207
2,Btu per second (Btu/s),0.0009478171
2,Btu per hour (Btu/h),3.412142
2,US refrigeration ton (USRT),0.0002843451

1,Heat flux
3,Watt per square metre (W/m^2),1
2,Kilowatt per square metre (kW/m^2),0.001
2,IT calorie per second square centimetre (cal_IT/s･cm^2),2.388459E-05
2,IT kilocalorie per hour square metre (kcal_IT/h･m^2),0.8598452
2,Thermochemical calorie per second square centimetre (cal_th/s･cm^2),2.390057E-05
2,Thermochemical kilocalorie per hour square metre (kcal_th/h･m^2),0.8604207
2,Btu per hour square foot (Btu/h･ft^2),0.3169983
2,Btu per second square foot (Btu/s･ft^2),8.805509E-05

1,Thermal conductivity
3,Watt per metre kelvin (W/m･K),1
2,IT calorie per second metre degree Celsius (cal_IT/s･m･℃),0.2388459
2,IT calorie per second centimetre degree Celsius (cal_IT/s･cm･℃),0.002388459
2,IT calorie per second millimetre degree Celsius (cal_IT/s･mm･℃),0.0002388459
2,IT kilocalorie per hour metre degree Celsius (kcal_IT/h･m･℃),0.8598452
2,Thermochemical calorie per second metre degree Celsius (cal_th/s･m･℃),0.2390057
2,Thermochemical calorie per second centimetre degree Celsius (cal_th/s･cm･℃),0.002390057
2,Thermochemical calorie per second millimetre degree Celsius (cal_th/s･mm･℃),0.0002390057
2,Thermochemical kilocalorie per hour metre degree Celsius (kcal_th/h･m･℃),0.8604207
2,Btu per second foot degree Fahrenheit (Btu/s･ft･°F),0.000160497
2,Btu per second inch degree Fahrenheit (Btu/s･in･°F),1.337475E-05
2,Btu per hour foot degree Fahrenheit (Btu/h･ft･°F),0.5777893
2,Btu inch per hour square foot degree Fahrenheit (Btu･in/h･ft^2･°F),6.933472

1,Surface coefficient
3,Watt per square metre kelvin (W/m^2･K),1
2,IT calorie per second square metre degree Celsius (cal_IT/s･m^2･℃),0.2388459
2,IT calorie per second square centimetre degree Celsius (cal_IT/s･cm^2･℃),2.388459E-05
2,IT calorie per second square millimetre degree Celsius (cal_IT/s･mm^2･℃),2.388459E-07
2,IT kilocalorie per hour square metre degree Celsius (kcal_IT/h･m^2･℃),0.8598452
2,Thermochemical calorie per second square metre degree Celsius (cal_th/s･m^2･℃),0.2390057
2,Thermochemical calorie per second square centimetre degree Celsius (cal_th/s･cm^2･℃),2.390057E-05
2,Thermochemical calorie per second square millimetre degree Celsius (cal_th/s･mm^2･℃),2.390057E-07
2,Thermochemical kilocalorie per hour square metre degree Celsius (kcal_th/h･m^2･℃),0.8604207
2,Btu per second square foot degree Fahrenheit (Btu/s･ft^2･°F),4.89195E-05
2,Btu per second square inch degree Fahrenheit (Btu/s･in^2･°F),3.397187E-07
2,Btu per hour square foot degree Fahrenheit (Btu/h･ft^2･°F),0.1761102

1,Specific heat
3,Joule per kilogram kelvin (J/kg･K),1
2,Kilojoule per kilogram kelvin (kJ/kg･K),0.001
2,IT calorie per gram degree Celsius (cal_IT/g･℃),0.0002388459
2,IT kilocalorie per kilogram degree Celsius (kcal_IT/kg･℃),0.0002388459
2,Thermochemical calorie per gram degree Celsius (cal_th/g･℃),0.0002390057
2,Thermochemical kilocalorie per kilogram degree Celsius (kcal_th/kg･℃),0.0002390057
2,Btu per pound degree Fahrenheit (Btu/lb･°F),0.0002388459

1,Thermal expansion coefficient
3,Per kelvin (1/K),1
2,Per degree Celsius (1/℃),1
2,Per degree Fahrenheit (1/°F),0.5555556
2,Millionth per kelvin (10^-6/K),1000000
2,Millionth per degree Celsius (10^-6/℃),1000000
2,Millionth per degree Fahrenheit (10^-6/°F),555555.6

# ----------------------------------------------------------------------------------------
0,Fluid

1,Dynamic viscosity
3,Pascal second (Pa･s),1
2,Millipascal second (mPa･s),1000
2,Poise (P),10
2,Centipoise (cP),1000
2,Kilogram-force second per square metre (kgf･s/m^2),0.1019716
2,Pound-force second per square foot (lbf･s/ft^2),0.02088543
2,Reyn (lbf･s/in^2),0.0001450377
2,Pound per foot second (lb/ft･s),0.671969

1,Kinematic viscosity
3,Square metre per second (m^2/s),1
2,Square millimetre per second (mm^2/s),1000000
2,Stokes (St),10000
2,Centistokes (cSt),1000000
2,Square foot per second (ft^2/s),10.76391
2,Square inch per second (in^2/s),1550.003

1,Volume flow rate
3,Cubic metre per second (m^3/s),1
2,Cubic metre per hour (m^3/h),3600
2,Litre per second (L/s),1000
2,Litre per minute (L/min),60000
2,Cubic foot per second (ft^3/s),35.31467
2,Cubic foot per minute (ft^3/min),2118.88
2,US gallon per minute (US gal/min),15850.32

1,Mass flow rate
3,Kilogram per second (kg/s),1
2,Gram per second (g/s),1000
2,Kilogram per minute (kg/min),60
2,Kilogram per hour (kg/h),3600
2,Tonne per hour (t/h),3.6
2,Pound per second (lb/s),2.204623
2,Pound per minute (lb/min),132.2774
2,Pound per hour (lb/h),7936.641
