// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Quick find: an index of the quantities and units a user can reach in the main window's grid,
// and the matching of what is typed into the find field against it.
//
// Each quantity and each of its units is one entry. Typed text is compared with a unit's
// symbol (its short name), its item text and the quantity's caption, after both sides are
// brought to one spelling: "*", ".", "·" and "･" between units are one separator, "²" and "³"
// are "^2" and "^3", "°" is "deg" and "℃" is "degC", "μ" and "µ" are "u". It is also read as a
// unit expression (units/unit_expression.h): every quantity is known by what its units measure,
// worked out from its base unit's symbol, so "N/mm2", "kip-ft" or "W/mK" find the units of the
// file that read the same, and a unit the file does not list ("355 N/cm2") finds every quantity
// that measures the same thing, with the value converted into a unit of that quantity. A few
// words name a quantity by what it measures ("torque", "EI", "Young's modulus"). Best first:
//   1. the symbol exactly, case and all ("MPa" is not "mPa･s");
//   2. the start of a symbol, case and all ("kN" lists the kN units before the knot, kn);
//   3. the symbol, the unit's name or the caption whatever the case, a unit that reads the same
//      words ("N/mm2" for N/mm^2), or a quantity named by what it measures;
//   4. a unit of another spelling that reads the same size ("N/mm2" for MPa);
//   5. a whole word of a name or caption ("ton" in "Short ton"; plurals as their singular);
//   6. a quantity that measures what a unit the file lacks measures ("N/cm2");
//   7. the start of a name or caption;
//   8. the start of a word inside them.
// Within a rank the shorter text comes first, then the order of the data file.
//
// Text that starts with a number and goes on with a unit ("355 MPa") asks for that value in
// that unit, unless the whole text already names something ("1/K" is a unit, not 1 in /K).

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <vector>

#include "app/app_state.h"
#include "units/unit_expression.h"

namespace zephal {

inline constexpr int kMaxFindMatches = 10;

struct FindMatch {
    int button = 0;  // the quantity's button, k = 20 t + c + 1
    int unit = -1;   // the unit to select in the window, or -1 for the quantity alone
    QString label;   // "Quantity — Unit item text", or the quantity's caption alone
    QString value;   // the value to enter in the window, or empty to keep the one it opens with
    // How the typed value and unit were read, when they are not the unit selected:
    // "355 N/cm² = 3.55 MPa"; else empty.
    QString note;
};

struct FindResult {
    std::vector<FindMatch> matches;  // best first, at most kMaxFindMatches
    QString valueText;               // the number as typed before the unit, or empty
};

class UnitFinder {
public:
    // Finds nothing.
    UnitFinder() = default;
    // Indexes the quantities whose buttons the grid shows for these tables: a shown tab up to
    // the last one laid out, a command within its tab's Count, a unit within its Count.
    explicit UnitFinder(const AppState& state);

    FindResult find(QStringView text) const;

private:
    struct Entry {
        int button = 0;
        int unit = -1;
        QString label;
        QString symbol;  // in the one spelling, case kept; empty for a quantity
        // Compared whatever the case: the symbol, and the item text or the caption.
        QString fields[2];
        qsizetype namePart = 0;  // the length of the item text before its "(symbol)"
    };
    // What the units of one quantity measure, and how large each is.
    struct Quantity {
        int button = 0;
        QString caption;
        int baseUnit = 0;
        std::size_t firstEntry = 0;  // the caption's entry; unit i is entry firstEntry + 1 + i
        QStringList symbols;         // each unit's symbol as the file writes it
        std::vector<float> factors;
        bool known = false;
        units::Dimensions dimensions;
        bool energy = false;
        int readUnit = -1;         // the unit whose symbol told what the quantity measures
        double readLog = 0;        // the natural logarithm of that unit's size in SI units
        std::vector<double> logs;  // each unit's, NaN where its factor gives none
    };
    // A place in a field where a match can start: the start of the field or of a word in it,
    // or a sign ("/s" and "^2" may match inside a symbol). Sorted by the character there, so
    // that a query looks only at the places that start with its own first character.
    struct Start {
        char16_t first = 0;
        std::uint32_t entry = 0;
        std::uint8_t field = 0;
        std::uint32_t offset = 0;
    };
    struct QuantityWord {
        QString phrase;
        units::Dimensions dimensions;
        bool notEnergy = false;    // a moment, not an energy of the same dimensions
        QStringList usualSymbols;  // a quantity with one of these units comes first
    };
    class Matches;

    void add(Entry entry);
    void sortStarts();
    void understand(Quantity& quantity);
    void addQuantityWords();
    void matchText(QStringView query, Matches& matches) const;
    void matchQuantityWords(QStringView query, Matches& matches) const;
    bool matchReading(const units::UnitReading& reading, Matches& matches) const;
    void gather(QStringView query, Matches& matches) const;

    std::vector<Entry> m_entries;
    std::vector<Start> m_starts;
    std::vector<Quantity> m_quantities;
    std::vector<QuantityWord> m_quantityWords;
    units::UnitVocabulary m_words;
};

// A unit text in the one spelling that matching compares (case kept).
QString unitSpelling(QStringView text);

}  // namespace zephal
