// SPDX-License-Identifier: GPL-3.0-or-later
// Any text through the number readers: no crash, and a text that reads strictly reads the same
// leniently.
#include <QString>
#include <cmath>
#include <cstdlib>

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
    return 0;
}
