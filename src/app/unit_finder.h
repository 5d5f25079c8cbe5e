// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Quick find: an index of the quantities and units a user can reach in the main window's grid,
// and the matching of what is typed into the find field against it.
//
// Each quantity and each of its units is one entry. Typed text is compared with a unit's
// symbol (its short name), its item text and the quantity's caption, after both sides are
// brought to one spelling: "*", ".", "·" and "･" between units are one separator, "²" and "³"
// are "^2" and "^3", "°" is "deg" and "℃" is "degC", "μ" and "µ" are "u". Best first:
//   1. the symbol exactly, case and all ("MPa" is not "mPa･s");
//   2. the symbol, the unit's name or the caption, whatever the case;
//   3. the start of any of them;
//   4. the start of a word inside them.
// Within a rank the shorter text comes first, then the order of the data file.
//
// Text that starts with a number and goes on with a unit ("355 MPa") asks for that value in
// that unit, unless the whole text already names something ("1/K" is a unit, not 1 in /K).

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

#include "app/app_state.h"

namespace zephal {

inline constexpr int kMaxFindMatches = 10;

struct FindMatch {
    int button = 0;  // the quantity's button, k = 20 t + c + 1
    int unit = -1;   // the unit to select in the window, or -1 for the quantity alone
    QString label;   // "Quantity — Unit item text", or the quantity's caption alone
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
    // A place in a field where a match can start: the start of the field or of a word in it,
    // or a sign ("/s" and "^2" may match inside a symbol). Sorted by the character there, so
    // that a query looks only at the places that start with its own first character.
    struct Start {
        char16_t first = 0;
        std::uint32_t entry = 0;
        std::uint8_t field = 0;
        std::uint32_t offset = 0;
    };
    struct Ranked {
        int rank = 0;
        qsizetype length = 0;
        std::size_t entry = 0;
    };
    void add(Entry entry);
    std::vector<Ranked> rank(QStringView query) const;

    std::vector<Entry> m_entries;
    std::vector<Start> m_starts;
};

// A unit text in the one spelling that matching compares (case kept).
QString unitSpelling(QStringView text);

}  // namespace zephal
