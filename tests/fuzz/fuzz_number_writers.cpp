// SPDX-License-Identifier: GPL-3.0-or-later
// Any single or double through the writers: the text reads back through the number reader to
// the value rounded to 7 (15) significant digits (within half a unit of the last digit). A double
// written again gives the same text; a single is the one nearest the text, but need not write
// the same text again: seven digits cannot tell every single apart, and just below a power of
// ten singles lie farther apart than steps of the seventh digit (1.000000E+28 is nearest the
// single that writes 9.999999E+27).
#include <QString>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "convert/number_text.h"

namespace {

void checkSingle(float value) {
    if (!std::isfinite(value)) return;
    const QString text = zephal::number::writeSingle(value);
    const double back = zephal::number::readLenient(text);
    if (std::fabs(back - double(value)) > 6e-7 * std::fabs(double(value))) std::abort();
    const auto single = zephal::number::toSingle(back);
    if (!single.ok() && std::fabs(back) <= 3.4028235e38) std::abort();
    if (single.ok()) {
        const float nearest = single.value;
        const float toward = back > double(nearest) ? HUGE_VALF : -HUGE_VALF;
        const double gap = std::fabs(double(std::nextafter(nearest, toward)) - double(nearest));
        if (std::fabs(double(nearest) - back) > gap / 2) std::abort();
    }
}

void checkDouble(double value) {
    if (!std::isfinite(value)) return;
    const QString text = zephal::number::writeDouble(value);
    const double back = zephal::number::readLenient(text);
    if (std::fabs(back - value) > 6e-15 * std::fabs(value)) std::abort();
    if (zephal::number::writeDouble(back) != text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        checkSingle(f);
    }
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        checkDouble(d);
    }
    return 0;
}
