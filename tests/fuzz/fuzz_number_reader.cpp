// SPDX-License-Identifier: GPL-3.0-or-later
// Any text through the number readers and what the conversion window makes of a typed value:
// no crash, a text that reads strictly reads the same leniently, and a value taken is finite.
#include <QString>
#include <cmath>
#include <cstdlib>

#include "convert/conversion.h"
#include "convert/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const double lenient = zephal::number::readLenient(text);
    if (std::isnan(lenient)) std::abort();
    if (const auto strict = zephal::number::readStrict(text)) {
        if (*strict != lenient) std::abort();
    }
    (void)zephal::number::toInt16(text);
    (void)zephal::number::toSingle(text);
    if (const auto x = zephal::convert::enteredValue(text); x && !std::isfinite(*x)) std::abort();
    if (zephal::convert::valueAsRead(text).isEmpty()) std::abort();
    (void)zephal::convert::partlyReadNote(text);
    return 0;
}
