// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's style: Fusion, with the few marks a style sheet cannot draw without pictures (the
// check box's box and tick, the radio button's ring and dot, the drop-down arrow) drawn in the
// skin's own edge and text colours, so that they stand out from every surface of the skin.
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

    /// The style sheet leaves a drop-down's button to this style when the sheet gives the button
    /// no frame of its own: drawn here as a separated strip with the arrow.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    void drawIndicator(bool radio, const QStyleOption *option, QPainter *painter) const;
    void drawArrow(PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const;

    MarkColours colours_;
};

} // namespace skinengine
