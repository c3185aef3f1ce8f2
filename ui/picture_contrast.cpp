// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_contrast.h"

#include <cmath>

namespace ui {
namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

constexpr double Floor = 3.2; // 3:1 with room for the blending of edges

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QImage legibleOn(const QImage &picture, const QColor &surface, const QColor &lift)
{
    // Light surfaces are what the pictures are drawn for.
    if (luminance(surface) >= 0.18 || picture.isNull())
        return picture;
    const double surfaceLum = luminance(surface);
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0)
                continue;
            const QColor c(qRed(p), qGreen(p), qBlue(p));
            if ((std::max(luminance(c), surfaceLum) + 0.05) / (std::min(luminance(c), surfaceLum) + 0.05) >= Floor)
                continue;
            // The least blend that stands out keeps as much of the picture's own colour as it can.
            QColor m = lift;
            for (int step = 1; step <= 20; ++step) {
                const double t = step / 20.0;
                const QColor candidate = QColor::fromRgbF(float(c.redF() + (lift.redF() - c.redF()) * t),
                                                          float(c.greenF() + (lift.greenF() - c.greenF()) * t),
                                                          float(c.blueF() + (lift.blueF() - c.blueF()) * t));
                if (contrastRatio(candidate, surface) >= Floor) {
                    m = candidate;
                    break;
                }
            }
            line[x] = qRgba(m.red(), m.green(), m.blue(), qAlpha(p));
        }
    }
    return out;
}

} // namespace ui
