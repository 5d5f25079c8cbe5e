// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading of unit expressions the way engineers write them, so that a unit can be known by what
// it measures and how large it is, whatever its spelling.
//
// An expression is built from unit words by products ("kN m", "kN-m", "kN･m", "N.mm", "kNm"),
// quotients ("kN/m2", "W/(m·K)", "W/mK": everything after a "/" is the denominator, as in the
// data file), powers ("mm4", "m^2", "m²", "s-1", "m^0.5") and roots ("MPa√m"). A word is an SI
// unit with or without its prefix ("daN", "hPa"), one of the customary units and shorthands
// engineers use ("kip", "lbf", "psf", "pcf", "klf", "#", "gpm"), or a word a data file taught
// the vocabulary ("kcal", "Btu", "USRT").
//
// A text may read in more than one way: "lb" is a mass and a force, "mK" a millikelvin and a
// metre kelvin. `read` gives every reading up to kMaxReadings, the plainest first (fewest
// words, fewest prefixes), and leaves the choice to the caller, which knows what the data file
// holds.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zephal::units {

// The powers of the base quantities a unit is made of, each doubled so that the square root in
// a fracture toughness (MPa･√m) stays a whole number. Plane angle counts as a base quantity of
// its own, so that a rotation stiffness (kN･m/rad) is not a moment.
struct Dimensions {
    enum Base { kLength, kMass, kTime, kCurrent, kTemperature, kAmount, kLuminosity, kAngle };
    static constexpr int kBases = 8;
    std::array<std::int8_t, kBases> twice{};
    friend bool operator==(const Dimensions&, const Dimensions&) = default;
};

// One word of a reading and its power, doubled: "cm²" is {"cm", 4}.
struct UnitPiece {
    QString symbol;
    int twice = 2;
};

struct UnitReading {
    Dimensions dimensions;
    double logFactor = 0;  // the natural logarithm of the unit's size in SI units
    int cost = 0;          // how far the reading is from the plainest one; lower is plainer
    bool energy = false;   // holds a joule or a watt: an energy or a power, not a force × length
    std::vector<UnitPiece> pieces;  // in the order written

    // The reading written out as the data file writes units, squares and cubes raised:
    // "N/cm²", "lbf･ft", "W/m･K", "MPa･√m", "mm^4".
    QString text() const;
};

inline constexpr int kMaxReadings = 8;
// The cost of a prefix on a word; each further word of a run of letters costs more.
inline constexpr int kPrefixCost = 1;
// Longer text is not read: no unit is written that long, and it bounds the work for any text.
inline constexpr qsizetype kMaxExpressionLength = 64;

class UnitVocabulary {
public:
    // The SI units and prefixes, and the customary units and shorthands.
    UnitVocabulary();

    // Whether `symbol` is a word of the vocabulary as it stands, taught or built in.
    bool knows(QStringView symbol) const;
    // Teaches a word of a data file, which then reads as `meaning` in any expression. A word
    // known already keeps its meaning; so does the first of two files' quantities that use it.
    void teach(QStringView symbol, const UnitReading& meaning);

    // Every reading of `text`, plainest first; empty when it is no unit expression.
    std::vector<UnitReading> read(QStringView text) const;

private:
    friend class ExpressionReader;
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view s) const {
            return std::hash<std::u16string_view>{}(s);
        }
    };
    struct Word {
        std::vector<UnitReading> meanings;
        bool prefixable = false;
    };
    const Word* find(QStringView symbol) const;
    void define(const char16_t* symbol, const char16_t* expression, double multiplier,
                bool prefixable = false, int cost = 0);
    void add(QStringView symbol, UnitReading meaning, bool prefixable);

    std::unordered_map<std::u16string, Word, Hash, std::equal_to<>> m_words;
    std::vector<QString> m_phrases;  // words that hold a blank: "US gal", "sh tn"
    qsizetype m_longest = 1;
};

}  // namespace zephal::units
