// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/about_texts.h"

#include <iterator>

namespace zephal::help {
namespace {

// Columns: SI (m); metre and kilogram-force; millimetre, newton and tonne; foot and
// pound-force; inch and pound-force. A quotient takes three items: numerators, the fraction
// bars, denominators. U+3000 is an ideographic space, U+FF65 (･) the half-width middle dot.
const char16_t* const kUnitSystems[] = {
    u"---------------------------------------------------",
    u"Applicable field: Finite element method, Structural analysis",
    u"---------------------------------------------------",
    u"",
    u"Length\u3000\tm\tm\tmm\tft\tin",
    u"",
    u"Force\u3000\tN\tKgf\tN\tlbf\tlbf",
    u"",
    u"Moment\u3000\tN･m\tkgf･m\tN･mm\tlbf･ft\tlbf･in",
    u"",
    u"Modulus",
    u"Stress\tN/m^2\tkgf/m^2\tN/mm^2\tlbf/ft^2\tlbf/in^2",
    u"Pressure",
    u"",
    u"\t\tkgf/m^3\tton\tlb･wt/ft^3\tlb･wt/in^3",
    u"Density\tKg/m^3\t-------\t-------\t-------\t-------",
    u"\t\t9.81\tmm^3\t32.2\t386",
    u"",
    u"\t\tkgf\t\tlb･wt\tlb･wt",
    u"Mass\u3000\tKg\t-------\tton\t-------\t-------",
    u"\t\t9.81\t\t32.2\t386",
    u"",
    u"Stiffness\tN/m\tkgf/m\tN/mm\tlbf/ft\tlbf/in",
    u"",
    u"Rotation\trad\trad\trad\trad\trad",
    u"",
    u"Rotation Stiffness\tN･m/rad\tkgf･m/rad\tN･mm/rad\tlbf･ft/rad\tlbf･in/rad",
    u"",
    u"Rotation Speed\trad/s\trad/s\trad/s\trad/s\trad/s",
    u"",
    u"Temperature\t°K\t℃\t℃\t°F\t°F",
    u"",
    u"Heat Flow\tW\tCal/s\tCal/s\tBtu/s\tBtu/s",
    u"",
    u"Thermal\tW\tCal\tCal\tBtu\tBtu",
    u"Conductivity \t-------\t-------\t-------\t-------\t-------",
    u"\tm･°K\ts･m･℃\ts･mm･℃\ts･ft･°F\ts･in･°F",
    u"",
    u"Surface\tW\tCal\tCal\tBtu\tBtu",
    u"Cofficient\t-------\t-------\t-------\t-------\t-------",
    u"\tm^2･°K\ts･m^2･℃\ts･mm^2･℃\ts･ft^2･°F\ts･in^2･°F",
    u"",
    u"---------------------------------------------------",
    u"Example: Steel (iron)",
    u"",
    u"Modulus\t2.10E11\t2.14E10\t2.10E5\t4.39E9\t3.05E7",
    u"",
    u"Density\t7860\t801.5\t7.86E-09\t15.25\t7.35E-4",
    u"---------------------------------------------------",
};

const char16_t* const kNotes[] = {
    u"Length",
    u"",
    u"  Length is used in science and engineering in the sense of distance.",
    u"  The kilometre is the length of 1,000 metres.",
    u"  The metre is the SI base unit of length.",
    u"",
    u"",
    u"Earth planet",
    u"",
    u"  Radius:   6,371 km",
    u"  Area:   510,100,000 km^2",
    u"  Distance from the sun:   149,600,000 km",
    u"  Mass:   5.972 x 10^24 kg",
    u"",
    u"",
    u"Speed",
    u"",
    u"  The kilometre per hour is a unit of both speed and velocity.",
    u"  Its symbol is km/h.",
    u"",
    u"  Speed of Light:   1.07925 x 10^9 km/h (2.99792 x 10^8 m/s)",
    u"  Speed of Sound:   1.2366 x 10^3 km/h (3.435 x 10^2 m/s)",
    u"  A brisk walk:   4.5 km/h (1.25 m/s)",
    u"",
    u"",
    u"Rate of elasticity (Young's modulus)",
    u"",
    u"  In an isotropic homogeneous elastic body the following relation holds:",
    u"",
    u"    E = 2G(1+nu)",
    u"",
    u"  E: Young's modulus,  nu: Poisson ratio,  G: rate of rigidity",
    u"",
    u"  Unit & Conversion",
    u"",
    u"    1[N/m^2]=10^5/10^4[dyne/cm^2] =10[dyne/cm^2]",
    u"    1[N]=10^5[dyne]",
    u"    1[m]=10^2[cm]⇒ 1[m^2]=10^4[cm^2]",
    u"    [N/m^2]=[Pa]",
    u"    1[Pa]=10[dyne/cm^2]",
    u"    1[GPa]=10^10[dyne/cm^2]",
    u"",
    u"",
    u"Normal Volume of ideal gas at 0C, 1atm : 22.41397 liters/g-mole",
    u"",
    u"Gas Constant  (R)  :  0.08206 Litres atm/g-mole K",
    u"                   : 8.314E7 ergs/g-mole K",
    u"                   : 8.314 joules/g-mole K",
    u"                   : 1.987 cal/g-mole K",
    u"                   : 10.73 psia cu ft/lb-mole R",
    u"",
    u"",
    u"Acceleration of Gravity\t9.807 m/s2",
    u"Electronic Charge\t1.602E-19 C",
    u"Faraday Constant\t9.6485E4 C/mol",
    u"Planck's Constant\t6.626E-34 Js",
    u"Speed of Light\t2.998 E8 m/s",
    u"",
    u"Pi \t3.14159",
    u"e\t2.718",
    u"ln x\t2.3026 log x",
    u"",
    u"",
    u"SI Unit Prefixes ",
    u"",
    u"Factors\tPrefix\tSymbol",
    u"",
    u"10^12\ttera\tT",
    u"10^9\tgiga\tG",
    u"10^6\tmega\tM",
    u"10^3\tkilo\tk",
    u"10^2\thecto\th",
    u"10^1\tdeca\tda",
    u"10^-1\tdeci\td",
    u"10^-2\tcenti\tc",
    u"10^-3\tmilli\tm",
    u"10^-6\tmicro\tu",
    u"10^-9\tnano\tn",
    u"10^-12\tpico\tp",
    u"10^-15\tfemto\tf",
    u"10^-18\tatto\ta",
    u"",
    u"",
    u"Atomic mass constant  1.660 539 07E -27 kg ",
    u"Electron mass 9.109 383 70E-31 kg ",
    u"Boltzmann constant  1.380 649 E-23 J K-1  ",
    u"Avogadro Number : 6.02214E23",
    u"",
};

template <std::size_t N>
QStringList toList(const char16_t* const (&items)[N]) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(N));
    for (const char16_t* item : items) list << QString::fromUtf16(item);
    return list;
}

}  // namespace

QStringList unitSystemsTable() {
    return toList(kUnitSystems);
}

QStringList notesAndConstants() {
    return toList(kNotes);
}

QString spokenItem(QStringView item) {
    const auto isBar = [](const QString& column) {
        return column.size() >= 3 && column.count(u'-') == column.size();
    };
    QStringList words;
    bool onlyBars = true;
    for (QStringView column : item.split(u'\t')) {
        const QString word = column.toString().simplified();
        if (word.isEmpty()) continue;
        onlyBars = onlyBars && isBar(word);
        words << (isBar(word) ? QStringLiteral("over") : word);
    }
    return onlyBars ? QString() : words.join(QStringLiteral(", "));
}

}  // namespace zephal::help
