// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin_style.h"

#include <QComboBox>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace skinengine {

SkinStyle::SkinStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    switch (element) {
    case PE_IndicatorCheckBox:
        drawIndicator(false, option, painter);
        return;
    case PE_IndicatorRadioButton:
        drawIndicator(true, option, painter);
        return;
    case PE_Frame:
        // Plain framed panels (the tab controls' pages) edged like every other container.
        if (colours_.edge.isValid() && qstyleoption_cast<const QStyleOptionFrame *>(option)) {
            painter->save();
            painter->setPen(colours_.edge);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        }
        break;
    case PE_IndicatorArrowDown:
    case PE_IndicatorArrowUp:
    case PE_IndicatorArrowLeft:
    case PE_IndicatorArrowRight:
        drawArrow(element, option, painter, widget);
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinStyle::drawIndicator(bool radio, const QStyleOption *option, QPainter *painter) const
{
    const bool enabled = option->state & State_Enabled;
    const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
    // The mark in the field's text colour on the field colour; the outline in the skin's border,
    // which keeps its distance from every surface a box can sit on.
    const QColor field = option->palette.color(group, QPalette::Base);
    const QColor mark = option->palette.color(group, QPalette::Text);
    QColor edge = enabled ? colours_.edge : option->palette.color(QPalette::Disabled, QPalette::Text);
    if (enabled && (option->state & State_MouseOver) && colours_.hover.isValid())
        edge = colours_.hover;
    if (!edge.isValid())
        edge = option->palette.color(group, QPalette::WindowText);

    const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(edge, 1));
    painter->setBrush(field);
    if (radio) {
        // A ring blends into its surroundings more than a square's sides: drawn a little firmer.
        painter->setPen(QPen(edge, 1.4));
        painter->drawEllipse(box.adjusted(0.2, 0.2, -0.2, -0.2));
        if (option->state & State_On) {
            const qreal inset = box.width() * 0.28;
            painter->setPen(Qt::NoPen);
            painter->setBrush(mark);
            painter->drawEllipse(box.adjusted(inset, inset, -inset, -inset));
        }
    } else {
        painter->drawRoundedRect(box, 2, 2);
        QPen pen(mark, std::max(1.5, box.width() / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        const qreal x = box.x(), y = box.y(), w = box.width(), h = box.height();
        if (option->state & State_On) {
            QPainterPath tick;
            tick.moveTo(x + w * 0.24, y + h * 0.52);
            tick.lineTo(x + w * 0.43, y + h * 0.72);
            tick.lineTo(x + w * 0.78, y + h * 0.28);
            painter->drawPath(tick);
        } else if (option->state & State_NoChange) {
            painter->drawLine(QPointF(x + w * 0.25, y + h / 2), QPointF(x + w * 0.75, y + h / 2));
        }
    }
    painter->restore();
}

void SkinStyle::drawArrow(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                          const QWidget *widget) const
{
    const QRect r = option->rect;
    if (r.width() < 3 || r.height() < 3)
        return;
    const bool enabled = option->state & State_Enabled;
    const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
    // A drop-down's arrow lies on its field; other arrows lie on button faces.
    const bool onField = qobject_cast<const QComboBox *>(widget);
    const QColor colour = option->palette.color(group, onField ? QPalette::Text : QPalette::ButtonText);

    // A chevron as wide as about half the space, never so small that it stops reading as one.
    const qreal size = std::clamp(std::min(r.width(), r.height()) * 0.5, 6.0, 10.0);
    const QPointF c = QRectF(r).center();
    const qreal half = size / 2, depth = size / 4;
    QPolygonF chevron;
    switch (element) {
    case PE_IndicatorArrowUp: chevron << QPointF(-half, depth) << QPointF(0, -depth) << QPointF(half, depth); break;
    case PE_IndicatorArrowLeft: chevron << QPointF(depth, -half) << QPointF(-depth, 0) << QPointF(depth, half); break;
    case PE_IndicatorArrowRight: chevron << QPointF(-depth, -half) << QPointF(depth, 0) << QPointF(-depth, half); break;
    default: chevron << QPointF(-half, -depth) << QPointF(0, depth) << QPointF(half, -depth); break;
    }
    chevron.translate(c);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPolyline(chevron);
    painter->restore();
}

} // namespace skinengine
