// SPDX-License-Identifier: GPL-3.0-or-later
#include "look_measure.h"

#include "ui/colour_picker.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOption>
#include <QTabBar>
#include <QTextEdit>
#include <QToolButton>
#include <Qsci/qsciscintilla.h>

#include <algorithm>
#include <cmath>

namespace lookmeasure {
namespace {

constexpr double TextFloor = 4.5, GreyedTextFloor = 3.0, EdgeFloor = 3.0, MarkFloor = 3.0;
constexpr double SuperButtonLeast = 1.5, HoverFloor = 1.1, PressedFloor = 1.2, PictureFloor = 3.0;

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QString nameOf(const QWidget *w)
{
    return (w->objectName().isEmpty() ? QStringLiteral("(unnamed)") : w->objectName()) + u' ' +
           QString::fromLatin1(w->metaObject()->className());
}

void addPoint(const QImage &image, std::vector<QColor> &out, int x, int y)
{
    if (image.rect().contains(x, y))
        out.emplace_back(image.pixel(x, y));
}

QColor medianByLuminance(std::vector<QColor> colours)
{
    if (colours.empty())
        return {};
    std::nth_element(colours.begin(), colours.begin() + long(colours.size() / 2), colours.end(),
                     [](const QColor &a, const QColor &b) { return luminance(a) < luminance(b); });
    return colours[colours.size() / 2];
}

/// The sides of w (bits: top, bottom, left, right) whose outside is not another control: an edge
/// shows against the surface, not against the next control's edge.
unsigned freeSides(const QWidget *w)
{
    const QWidget *window = w->window();
    const QRect g(w->mapTo(window, QPoint(0, 0)), w->size());
    const QPoint outside[4] = {{g.center().x(), g.top() - 1}, {g.center().x(), g.bottom() + 1},
                               {g.left() - 1, g.center().y()}, {g.right() + 1, g.center().y()}};
    unsigned sides = 15;
    for (const QWidget *other : window->findChildren<QWidget *>()) {
        if (other == w || !other->isVisibleTo(window) || other->isWindow() || other->isAncestorOf(w) ||
            w->isAncestorOf(other))
            continue;
        const QRect o(other->mapTo(window, QPoint(0, 0)), other->size());
        if (o.contains(g))
            continue; // a container behind it
        for (unsigned side = 0; side < 4; ++side)
            if (o.contains(outside[side]))
                sides &= ~(1u << side);
    }
    return sides;
}

/// The rectangle of w in the window's coordinates.
QRect inWindow(const QWidget *w, const QWidget *window, const QRect &r)
{
    return r.translated(w->mapTo(window, QPoint(0, 0)));
}

void textFigure(std::vector<Figure> &out, const QImage &image, const QWidget *w, const QRect &r, const QString &what = {},
                int strongest = 3)
{
    if (r.width() < 4 || r.height() < 4)
        return;
    const QColor background = commonColour(image, r);
    out.push_back({QStringLiteral("text"), nameOf(w) + what, strongestContrast(image, r, background, strongest),
                   w->isEnabled() ? TextFloor : GreyedTextFloor});
}

void measureText(std::vector<Figure> &out, QWidget *window, const QImage &image, QWidget *w)
{
    auto at = [&](const QRect &r) { return inWindow(w, window, r); };
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (!label->text().trimmed().isEmpty())
            textFigure(out, image, w, at(label->contentsRect()));
    } else if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(w);
        const bool radio = qobject_cast<QRadioButton *>(w);
        const QRect contents = w->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                                : QStyle::SE_CheckBoxContents, &option, w);
        if (!static_cast<QAbstractButton *>(w)->text().isEmpty())
            textFigure(out, image, w, at(contents.intersected(w->rect())));
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        if (!button->text().isEmpty())
            textFigure(out, image, w, at(w->rect().adjusted(3, 3, -3, -3)));
    } else if (auto *tool = qobject_cast<QToolButton *>(w); tool && !qobject_cast<ui::ColourPicker *>(w)) {
        if (tool->text().isEmpty() || tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        QRect r = w->rect().adjusted(2, 2, -2, -2);
        if (tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon)
            r.setLeft(r.left() + tool->iconSize().width() + 2);
        // A caption of a few dots ("...") has only a pixel or two at its full colour.
        textFigure(out, image, w, at(r), {}, tool->text().size() <= 3 ? 1 : 3);
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        if (!edit->text().isEmpty())
            textFigure(out, image, w, at(w->rect().adjusted(2, 2, -2, -2)));
    } else if (auto *list = qobject_cast<QListWidget *>(w)) {
        for (int i = 0; i < std::min(list->count(), 8); ++i) {
            const QRect item = list->visualItemRect(list->item(i)).intersected(list->viewport()->rect());
            if (!item.isEmpty() && !list->item(i)->text().isEmpty())
                textFigure(out, image, w, inWindow(list->viewport(), window, item),
                           list->item(i)->isSelected() ? QStringLiteral(" selected item") : QStringLiteral(" item"));
        }
    } else if (auto *bar = qobject_cast<QTabBar *>(w)) {
        for (int i = 0; i < bar->count(); ++i)
            textFigure(out, image, w, at(bar->tabRect(i).adjusted(3, 3, -3, -3)), QStringLiteral(" tab ") + bar->tabText(i));
    } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
        if (!box->title().isEmpty()) {
            const QFontMetrics fm(box->font());
            textFigure(out, image, w, at(QRect(8, 0, fm.horizontalAdvance(box->title()) + 6, fm.height())), QStringLiteral(" title"));
        }
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w)) {
        if (!plain->toPlainText().trimmed().isEmpty())
            textFigure(out, image, w, inWindow(plain->viewport(), window, plain->viewport()->rect().adjusted(2, 2, -2, -2)));
    } else if (auto *rich = qobject_cast<QTextEdit *>(w)) {
        if (!rich->toPlainText().trimmed().isEmpty())
            textFigure(out, image, w, inWindow(rich->viewport(), window, rich->viewport()->rect().adjusted(2, 2, -2, -2)));
    } else if (auto *menuBar = qobject_cast<QMenuBar *>(w)) {
        for (QAction *a : menuBar->actions())
            if (!a->text().isEmpty())
                textFigure(out, image, w, at(menuBar->actionGeometry(a).adjusted(2, 2, -2, -2)), u' ' + a->text());
    }
}

void measureEdges(std::vector<Figure> &out, QWidget *window, const QImage &image, QWidget *w, double pushEdge)
{
    auto at = [&](const QRect &r) { return inWindow(w, window, r); };
    auto edge = [&](const QString &check, const QRect &r, double floor, int corner = 4) {
        out.push_back({check, nameOf(w), edgeContrast(image, r, corner, freeSides(w)), floor});
    };
    if (qobject_cast<QPushButton *>(w))
        edge(QStringLiteral("edge"), at(w->rect()), EdgeFloor);
    else if (qobject_cast<ui::ColourPicker *>(w))
        edge(QStringLiteral("edge"), at(w->rect()), EdgeFloor);
    else if (qobject_cast<QToolButton *>(w))
        edge(QStringLiteral("super-button edge"), at(w->rect()), std::max(SuperButtonLeast, pushEdge - 0.05));
    else if (qobject_cast<QComboBox *>(w) || qobject_cast<QListWidget *>(w) || qobject_cast<QPlainTextEdit *>(w) ||
             qobject_cast<QTextEdit *>(w) || (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget())))
        edge(QStringLiteral("edge"), at(w->rect()), EdgeFloor);
    else if (auto *box = qobject_cast<QGroupBox *>(w))
        edge(QStringLiteral("edge"), at(box->rect().adjusted(0, 8, 0, 0)), EdgeFloor, 6);
    else if (auto *label = qobject_cast<QLabel *>(w); label && label->frameShape() != QFrame::NoFrame &&
                                                     qobject_cast<QStatusBar *>(w->parentWidget()))
        edge(QStringLiteral("panel edge"), at(w->rect()), EdgeFloor, 3);
    else if (auto *frame = qobject_cast<QFrame *>(w); frame && frame->metaObject() == &QFrame::staticMetaObject &&
                                                       frame->frameShape() != QFrame::NoFrame &&
                                                       qobject_cast<ui::TabControl *>(w->parentWidget())) {
        // A page wholly covered by the control on it (the keyword lists) shows that control's edge.
        for (const QObject *o : w->parentWidget()->children())
            if (auto *on = qobject_cast<const QWidget *>(o); on && on != w && on->isVisible() &&
                                                             on->geometry().contains(w->geometry().adjusted(4, 4, -4, -4)))
                return;
        edge(QStringLiteral("tab page edge"), at(w->rect()), EdgeFloor, 6);
    }
}

void measureMarks(std::vector<Figure> &out, QWidget *window, const QImage &image, QWidget *w)
{
    auto at = [&](const QRect &r) { return inWindow(w, window, r); };
    if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        QStyleOptionButton option;
        option.initFrom(w);
        const bool radio = qobject_cast<QRadioButton *>(w);
        const QRect box = at(w->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator
                                                              : QStyle::SE_CheckBoxIndicator, &option, w));
        const QColor surface = ringColour(image, box, -2, 0);
        out.push_back({QStringLiteral("indicator"), nameOf(w), strongestContrast(image, box, surface, 4), MarkFloor});
        if (static_cast<QAbstractButton *>(w)->isChecked()) {
            const QRect inner = box.adjusted(3, 3, -3, -3);
            out.push_back({QStringLiteral("mark"), nameOf(w),
                           strongestContrast(image, inner, commonColour(image, inner), 3), MarkFloor});
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = true;
        option.subControls = QStyle::SC_All;
        const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
        const QRect field = combo->lineEdit() ? combo->lineEdit()->geometry() : combo->rect().adjusted(3, 3, -24, -3);
        const QColor fieldColour = commonColour(image, at(field));
        out.push_back({QStringLiteral("arrow"), nameOf(w), strongestContrast(image, at(arrow.adjusted(1, 1, -1, -1)), fieldColour, 4),
                       MarkFloor});
        // At the right end: the arrow's area ends where the field's frame does.
        out.push_back({QStringLiteral("arrow at the right end"), nameOf(w),
                       arrow.right() >= combo->width() - 5 && arrow.left() > field.left() ? 1.0 : 0.0, 1.0});
    }
}

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

QColor ringColour(const QImage &image, const QRect &r, int inset, int corner)
{
    const QRect ring = r.adjusted(inset, inset, -inset, -inset);
    std::vector<QColor> colours;
    for (int x = ring.left() + corner; x <= ring.right() - corner; ++x) {
        addPoint(image, colours, x, ring.top());
        addPoint(image, colours, x, ring.bottom());
    }
    for (int y = ring.top() + corner; y <= ring.bottom() - corner; ++y) {
        addPoint(image, colours, ring.left(), y);
        addPoint(image, colours, ring.right(), y);
    }
    return medianByLuminance(std::move(colours));
}

QColor commonColour(const QImage &image, const QRect &r)
{
    QHash<QRgb, int> counts;
    const QRect area = r.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return QColor(best);
}

double strongestContrast(const QImage &image, const QRect &r, const QColor &background, int k)
{
    std::vector<double> values;
    const QRect area = r.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            values.push_back(contrast(QColor(image.pixel(x, y)), background));
    if (int(values.size()) < k)
        return 1.0;
    std::nth_element(values.begin(), values.begin() + (k - 1), values.end(), std::greater<>());
    return values[size_t(k - 1)];
}

double edgeContrast(const QImage &image, const QRect &r, int corner, unsigned sides)
{
    // Each side's line of pixels against the line just outside it. A side may abut another
    // control's edge (a toolbar row, a list beside a tab control), so the figure is the second
    // best side: an edge that shows on no more than one side fails.
    std::vector<double> figures;
    for (unsigned side = 0; side < 4; ++side) {
        if (!(sides & (1u << side)))
            continue;
        std::vector<QColor> inside, outside;
        for (int i = corner; ; ++i) {
            QPoint in, out;
            if (side < 2) { // top, bottom
                if (r.left() + i > r.right() - corner)
                    break;
                in = QPoint(r.left() + i, side == 0 ? r.top() : r.bottom());
                out = in + QPoint(0, side == 0 ? -1 : 1);
            } else { // left, right
                if (r.top() + i > r.bottom() - corner)
                    break;
                in = QPoint(side == 2 ? r.left() : r.right(), r.top() + i);
                out = in + QPoint(side == 2 ? -1 : 1, 0);
            }
            addPoint(image, inside, in.x(), in.y());
            addPoint(image, outside, out.x(), out.y());
        }
        if (inside.empty() || outside.size() < inside.size())
            continue; // a side on the window's own edge has no outside to stand against
        figures.push_back(contrast(medianByLuminance(inside), medianByLuminance(outside)));
    }
    if (figures.empty())
        return 21.0;
    std::sort(figures.begin(), figures.end(), std::greater<>());
    return figures[std::min<size_t>(1, figures.size() - 1)];
}

std::vector<Figure> measureWindow(QWidget *window, const QImage &image, double pushEdge)
{
    std::vector<Figure> out;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) || w->isWindow() || qobject_cast<QsciScintilla *>(w) ||
            qobject_cast<QsciScintilla *>(w->parentWidget()))
            continue;
        measureText(out, window, image, w);
        measureEdges(out, window, image, w, pushEdge);
        measureMarks(out, window, image, w);
    }
    return out;
}

std::vector<double> pushButtonEdges(QWidget *window, const QImage &image)
{
    std::vector<double> edges;
    for (QPushButton *b : window->findChildren<QPushButton *>())
        if (b->isVisibleTo(window))
            edges.push_back(edgeContrast(image, inWindow(b, window, b->rect()), 4, freeSides(b)));
    return edges;
}

namespace {

void measureMenu(std::vector<Figure> &out, QMenu *menu)
{
    menu->ensurePolished();
    menu->resize(menu->sizeHint());
    const QImage image = menu->grab().toImage();
    for (QAction *a : menu->actions()) {
        if (a->isSeparator() || a->text().isEmpty())
            continue;
        const QRect r = menu->actionGeometry(a).adjusted(2, 1, -2, -1);
        const QColor background = commonColour(image, r);
        out.push_back({QStringLiteral("text"), QStringLiteral("menu item ") + a->text(), strongestContrast(image, r, background),
                       a->isEnabled() ? TextFloor : GreyedTextFloor});
        if (a->menu())
            measureMenu(out, a->menu());
    }
}

} // namespace

std::vector<Figure> measureMenus(QWidget *window)
{
    std::vector<Figure> out;
    if (auto *bar = window->findChild<QMenuBar *>())
        for (QAction *a : bar->actions())
            if (a->menu())
                measureMenu(out, a->menu());
    return out;
}

std::vector<Figure> measureButtonStates(QWidget *window)
{
    std::vector<Figure> out;
    for (QToolButton *b : window->findChildren<QToolButton *>()) {
        if (!b->isVisibleTo(window) || qobject_cast<ui::ColourPicker *>(b) || !b->isEnabled())
            continue;
        const QRect r = b->rect();
        auto fill = [&] { return ringColour(b->grab().toImage(), r, 2, 5); };
        const QColor rest = fill();
        b->setAttribute(Qt::WA_UnderMouse, true);
        const QColor hover = fill();
        b->setAttribute(Qt::WA_UnderMouse, false);
        b->setDown(true);
        const QColor pressed = fill();
        b->setDown(false);
        out.push_back({QStringLiteral("hover fill"), nameOf(b), contrast(rest, hover), HoverFloor});
        // Drawn without a focus rectangle: a super-button never takes the focus.
        out.push_back({QStringLiteral("takes no focus"), nameOf(b), b->focusPolicy() == Qt::NoFocus ? 1.0 : 0.0, 1.0});
        out.push_back({QStringLiteral("pressed fill"), nameOf(b), contrast(rest, pressed), PressedFloor});

        if (b->icon().isNull())
            continue;
        // The picture as the button draws it, on the button's fill: its outline (the opaque
        // pixels next to ones the fill shows through) against that fill.
        const QImage picture = b->icon().pixmap(b->iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
        QImage shown(picture.size(), QImage::Format_RGB32);
        shown.fill(rest);
        QPainter(&shown).drawImage(0, 0, picture);
        std::vector<double> outline;
        auto translucentNear = [&](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (!picture.rect().contains(x + dx, y + dy) || qAlpha(picture.pixel(x + dx, y + dy)) < 200)
                        return true;
            return false;
        };
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qAlpha(picture.pixel(x, y)) >= 200 && translucentNear(x, y))
                    outline.push_back(contrast(QColor(shown.pixel(x, y)), rest));
        if (outline.empty())
            continue;
        // Nearly all of the outline: a tenth may be blended corners and joins.
        std::nth_element(outline.begin(), outline.begin() + long(outline.size() / 10), outline.end());
        out.push_back({QStringLiteral("picture outline"), nameOf(b), outline[outline.size() / 10], PictureFloor});
    }
    return out;
}

} // namespace lookmeasure
