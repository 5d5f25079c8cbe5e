// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quantities and units the exerciser expects the program to hold, worked out by the
// exerciser itself from the data files' text: its own reading of the records with their limits,
// the reset option and the maximum of tabs as the settings window's field sets them. Nothing
// here calls the program's reader, number module or tables, so a fault there shows as a
// difference.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace zephal::exercise {

inline constexpr int kOwnSlots = 20;  // quantities a tab, units a quantity

struct OwnUnit {
    QString item;
    double factor = 0;
};

// A slot keeps its base and its older units when a later quantity takes it, as the tables do.
struct OwnQuantity {
    QString name;
    int base = 0;
    int count = 0;
    std::array<OwnUnit, kOwnSlots> units;
};

struct OwnTab {
    QString name;
    int count = 0;
    std::array<OwnQuantity, kOwnSlots> quantities;
};

// What a conversion window of one quantity must offer.
struct OwnUnitList {
    QString caption;
    QStringList items;
    std::vector<double> factors;
    QStringList symbols;
    int base = -1;  // the unit selected when the window opens; -1 for none
};

// A quantity button the grid must show: tab, quantity, caption.
struct OwnButton {
    int tab = 0;
    int quantity = 0;
    QString caption;
};

class OwnTables {
public:
    // Reads a file as the program must; false, with nothing changed, when the read must fail.
    bool read(const QByteArray& bytes, bool reset);
    // The maximum of tabs as each key typed into the settings field leaves it.
    void typeMaxTabs(const QString& typed);
    // The settings window's OK: the field's number, without resizing the tables.
    void confirmMaxTabs(const QString& field);

    // The quantity behind button k, whatever its tab shows.
    OwnUnitList unitList(int k) const;
    // The buttons as the last read that ended normally laid them out.
    const std::vector<OwnButton>& buttons() const { return m_buttons; }

private:
    bool readRecords(const QStringList& lines);

    int m_tmax = 10;
    int m_utn = 0;
    std::vector<OwnTab> m_tabs = std::vector<OwnTab>(10);
    std::vector<OwnButton> m_buttons;
};

// The symbol shown beside a result: the text between "(" and the first ")", the whole text
// trimmed when there is no "(", up to the last character when there is no ")".
QString ownSymbol(const QString& item);

// A whole-text number of the data file or the settings field (blanks around, a sign, one ".",
// an exponent with E or D); nothing for anything else.
std::optional<double> ownStrictNumber(const QString& text);

}  // namespace zephal::exercise
