// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_contrast.h"

#include "core/contrast.h"

#include <cmath>

namespace ui {
namespace {

double luminance(const QColor &c) { return core::relativeLuminance(c.rgb()); }

constexpr double Floor = 3.5; // 3:1 with room for the blending of antialiased edges

} // namespace

QImage legibleOn(const QImage &picture, const QColor &surface, const QColor &lift)
{
    if (picture.isNull())
        return picture;
    const double surfaceLum = luminance(surface);
    const QImage in = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out = in;
    // Pixels the surface shows through or borders: the picture's outline and its thin strokes.
    auto onOutline = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (!in.rect().contains(x + dx, y + dy) || qAlpha(in.pixel(x + dx, y + dy)) < 255)
                    return true;
        return false;
    };
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0 || !onOutline(x, y))
                continue;
            // Judged as shown: a partly covering pixel lets the surface through.
            const double a = qAlpha(p) / 255.0;
            const QColor c(qRed(p), qGreen(p), qBlue(p));
            auto blend = [](const QColor &from, const QColor &to, double t) {
                return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
                                        float(from.greenF() + (to.greenF() - from.greenF()) * t),
                                        float(from.blueF() + (to.blueF() - from.blueF()) * t));
            };
            auto standsOut = [&](const QColor &colour) {
                const double shown = luminance(blend(surface, colour, a));
                return (std::max(shown, surfaceLum) + 0.05) / (std::min(shown, surfaceLum) + 0.05) >= Floor;
            };
            if (standsOut(c))
                continue;
            // The least blend that stands out keeps as much of the picture's own colour as it can.
            QColor m = lift;
            for (int step = 1; step <= 20; ++step)
                if (const QColor candidate = blend(c, lift, step / 20.0); standsOut(candidate)) {
                    m = candidate;
                    break;
                }
            line[x] = qRgba(m.red(), m.green(), m.blue(), qAlpha(p));
        }
    }
    return out;
}

} // namespace ui
