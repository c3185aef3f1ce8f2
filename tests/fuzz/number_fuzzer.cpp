// SPDX-License-Identifier: GPL-3.0-or-later
// ToNumber reads the number at the start of a field text, whatever follows it.
#include "fuzz_check.h"
#include "core/texts.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace Qt::Literals::StringLiterals;

namespace {

bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double n = core::toNumber(text);
    FUZZ_CHECK(!std::isnan(n));
    // Blanks before the number and text after it (that cannot continue it) change nothing.
    FUZZ_CHECK(same(core::toNumber(u"  \t"_s + text), n));
    FUZZ_CHECK(same(core::toNumber(text + u"px"_s), n));
    FUZZ_CHECK(same(core::toNumber(text + u"像素"_s), n));
    // A sign in front of an unsigned number negates it.
    if (!text.isEmpty() && (text.front().isDigit() || text.front() == u'.') && text.front().unicode() < 0x80)
        FUZZ_CHECK(same(core::toNumber(u"-"_s + text), -n));
    // What ToText writes, ToNumber reads back to 13 significant digits.
    if (std::isfinite(n)) {
        const double back = core::toNumber(core::toText(n));
        FUZZ_CHECK(std::isfinite(back) || std::fabs(n) > 1e308);
        if (std::isfinite(back))
            FUZZ_CHECK(std::fabs(back - n) <= 1e-12 * std::fabs(n) || (std::fabs(n) < 1e-300 && std::fabs(back) < 1e-300));
    }
    return 0;
}
