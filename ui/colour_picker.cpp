// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour_picker.h"

#include <QApplication>
#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

using namespace Qt::Literals::StringLiterals;

namespace ui {

namespace {

QColor toQColor(Colour c)
{
    if (c == DefaultColour)
        return QApplication::palette().color(QPalette::Base);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

Colour fromQColor(const QColor &c) { return Colour(c.red()) | (Colour(c.green()) << 8) | (Colour(c.blue()) << 16); }

QPixmap swatch(const QSize &size, Colour colour)
{
    QPixmap pix(size);
    pix.fill(toQColor(colour));
    QPainter p(&pix);
    p.setPen(Qt::gray);
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return pix;
}

} // namespace

std::span<const NamedColour> standardColours()
{
    static const NamedColour colours[] = {
        {0x000000, u"黑色"_s},   {0x000080, u"褐红色"_s}, {0x008000, u"绿色"_s},   {0x008080, u"橄榄色"_s},
        {0x800000, u"藏青色"_s}, {0x800080, u"紫色"_s},   {0x808000, u"水鸭色"_s}, {0x808080, u"灰色"_s},
        {0xC0C0C0, u"银色"_s},   {0x0000FF, u"红色"_s},   {0x00FF00, u"酸橙色"_s}, {0x00FFFF, u"黄色"_s},
        {0xFF0000, u"蓝色"_s},   {0xFF00FF, u"紫红色"_s}, {0xFFFF00, u"浅绿色"_s}, {0xFFFFFF, u"白色"_s},
    };
    return colours;
}

QString colourName(Colour colour)
{
    if (colour == DefaultColour)
        return u"自动"_s;
    for (const auto &c : standardColours())
        if (c.value == colour)
            return c.name;
    return toQColor(colour).name().toUpper();
}

ColourPicker::ColourPicker(QWidget *parent) : QToolButton(parent)
{
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonIconOnly);

    auto *menu = new QMenu(this);
    auto *panel = new QWidget(menu);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);
    auto *automatic = new QPushButton(u"自动"_s, panel);
    automatic->setObjectName(u"automatic"_s);
    automatic->setFlat(true);
    connect(automatic, &QPushButton::clicked, this, [this, menu] {
        menu->hide();
        choose(DefaultColour);
    });
    column->addWidget(automatic);
    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    int i = 0;
    for (const auto &c : standardColours()) {
        auto *b = new QToolButton(panel);
        b->setObjectName(u"colour"_s + QString::number(c.value, 16).rightJustified(6, u'0'));
        b->setToolTip(c.name);
        b->setAccessibleName(c.name);
        b->setAutoRaise(true);
        b->setIconSize({16, 16});
        b->setIcon(swatch({16, 16}, c.value));
        const Colour value = c.value;
        connect(b, &QToolButton::clicked, this, [this, menu, value] {
            menu->hide();
            choose(value);
        });
        grid->addWidget(b, i / 8, i % 8);
        ++i;
    }
    column->addLayout(grid);
    auto *other = new QPushButton(u"其他颜色…"_s, panel);
    other->setObjectName(u"other"_s);
    other->setFlat(true);
    connect(other, &QPushButton::clicked, this, [this, menu] {
        menu->hide();
        chooseOther();
    });
    column->addWidget(other);
    auto *action = new QWidgetAction(menu);
    action->setDefaultWidget(panel);
    menu->addAction(action);
    setMenu(menu);
    updateSwatch();
}

void ColourPicker::setColour(Colour colour)
{
    colour_ = colour;
    updateSwatch();
}

void ColourPicker::choose(Colour colour)
{
    setColour(colour);
    emit colourChosen();
}

void ColourPicker::chooseOther()
{
    const QColor picked = QColorDialog::getColor(toQColor(colour_), window(), u"颜色"_s,
                                                 QColorDialog::DontUseNativeDialog);
    if (picked.isValid())
        choose(fromQColor(picked));
}

void ColourPicker::resizeEvent(QResizeEvent *e)
{
    QToolButton::resizeEvent(e);
    updateSwatch();
}

void ColourPicker::updateSwatch()
{
    // The swatch fills the button but for its frame and the drop-down arrow.
    const QSize size(std::max(8, width() - 24), std::max(8, height() - 10));
    setIconSize(size);
    setIcon(swatch(size, colour_));
    setToolTip(colourName(colour_));
    setAccessibleDescription(colourName(colour_));
}

} // namespace ui
