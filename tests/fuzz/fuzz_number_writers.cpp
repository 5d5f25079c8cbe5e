// SPDX-License-Identifier: GPL-3.0-or-later
// Any single or double through the writers: the text reads back through the number reader to
// the value rounded to 7 (15) significant digits (within half a unit of the last digit), and
// writing that value again gives the same text. (Seven digits cannot tell every single apart, so
// the text, not the bits, round-trips.)
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
    if (single.ok() && zephal::number::writeSingle(single.value) != text) std::abort();
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
