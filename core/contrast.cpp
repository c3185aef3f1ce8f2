// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace core {

double relativeLuminance(quint32 argb)
{
    // Measured on the 8-bit channels that reach the screen, so that a colour chosen to reach a
    // ratio still reaches it once it is drawn.
    auto channel = [](quint32 v8) {
        const double v = (v8 & 0xFF) / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(argb >> 16) + 0.7152 * channel(argb >> 8) + 0.0722 * channel(argb);
}

double contrastRatio(quint32 a, quint32 b)
{
    const double x = relativeLuminance(a), y = relativeLuminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

} // namespace core
