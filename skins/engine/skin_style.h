// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's style: Fusion, with the few marks a style sheet cannot draw without pictures (the
// check box's box and tick, the radio button's ring and dot, the drop-down's arrow and button, the
// frame of plain panels) drawn in the skin's own edge and text colours, so that they stand out
// from every surface of the skin.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace skinengine {

struct MarkColours {
    QColor edge;   // the outline of a box or ring: the skin's border
    QColor hover;  // the outline under the pointer: the skin's accent
};

class SkinStyle : public QProxyStyle {
public:
    SkinStyle();
    void setColours(const MarkColours &colours) { colours_ = colours; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    void drawIndicator(bool radio, const QStyleOption *option, QPainter *painter) const;
    void drawArrow(PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const;

    MarkColours colours_;
};

} // namespace skinengine
