// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's operations on controls: the states any control has (enabled, tooltip, caption,
// checked, focus, the refused-input mark), then fields, lists, tabs and the status bar's panels.
#include "runtime_impl.h"

#include "widgets.h"

#include <algorithm>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>

namespace ui {

namespace {

QLabel *panel(const UiRuntime::Impl &d, const ControlRef &statusBar, int index)
{
    auto *bar = d.as<QStatusBar>(statusBar);
    return bar ? bar->findChild<QLabel *>(QStringLiteral("panel%1").arg(index), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

// ---- states of any control -----------------------------------------------------------------

void UiRuntime::setControlDisabled(const ControlRef &control, bool disabled)
{
    if (auto *w = d->as<QWidget>(control))
        w->setEnabled(!disabled);
}

bool UiRuntime::isControlDisabled(const ControlRef &control) const
{
    auto *w = d->as<QWidget>(control);
    return w && !w->isEnabled();
}

void UiRuntime::setControlVisible(const ControlRef &control, bool visible)
{
    auto *w = d->as<QWidget>(control);
    if (!w)
        return;
    w->setProperty("quillmereHidden", !visible);
    if (auto *tabs = qobject_cast<TabControl *>(w->parentWidget()))
        tabs->setCurrentPage(tabs->currentPage()); // shows the page's controls that are not hidden
    else
        w->setVisible(visible);
}

bool UiRuntime::isControlVisible(const ControlRef &control) const
{
    auto *w = d->as<QWidget>(control);
    return w && !w->property("quillmereHidden").toBool();
}

void UiRuntime::setControlTooltip(const ControlRef &control, const core::Text &tooltip)
{
    if (auto *w = d->as<QWidget>(control))
        w->setToolTip(tooltip);
}

core::Text UiRuntime::getControlTooltip(const ControlRef &control) const
{
    auto *w = d->as<QWidget>(control);
    return w ? w->toolTip() : core::Text();
}

void UiRuntime::setCaption(const ControlRef &control, const core::Text &caption)
{
    QObject *o = d->control(control);
    if (auto *l = qobject_cast<QLabel *>(o))
        l->setText(caption);
    else if (auto *b = qobject_cast<QAbstractButton *>(o))
        b->setText(caption);
}

core::Text UiRuntime::getCaption(const ControlRef &control) const
{
    QObject *o = d->control(control);
    if (auto *l = qobject_cast<QLabel *>(o))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(o))
        return b->text();
    return {};
}

void UiRuntime::setChecked(const ControlRef &button, bool checked)
{
    if (auto *b = d->as<QAbstractButton>(button); b && b->isCheckable())
        b->setChecked(checked);
}

bool UiRuntime::isChecked(const ControlRef &button) const
{
    auto *b = d->as<QAbstractButton>(button);
    return b && b->isCheckable() && b->isChecked();
}

void UiRuntime::focusField(const ControlRef &field)
{
    QWidget *w = d->as<QWidget>(field);
    if (!w)
        return;
    w->window()->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->selectAll();
    else if (auto *e = qobject_cast<QPlainTextEdit *>(w))
        e->selectAll();
    else if (auto *c = qobject_cast<QComboBox *>(w); c && c->lineEdit())
        c->lineEdit()->selectAll();
}

void UiRuntime::setFieldInvalid(const ControlRef &field, bool invalid)
{
    QWidget *w = d->as<QWidget>(field);
    if (!w || w->property("quillmereInvalid").toBool() == invalid)
        return;
    w->setProperty("quillmereInvalid", invalid);
    w->setStyleSheet(invalid ? QStringLiteral("border: 2px solid #d00000;") : QString());
}

bool UiRuntime::isFieldInvalid(const ControlRef &field) const
{
    auto *w = d->as<QWidget>(field);
    return w && w->property("quillmereInvalid").toBool();
}

// ---- fields, lists, tabs, status bar -------------------------------------------------------


core::Text UiRuntime::getFieldText(const ControlRef &field) const
{
    QObject *o = d->control(field);
    if (auto *e = qobject_cast<QLineEdit *>(o))
        return e->text();
    if (auto *e = qobject_cast<QPlainTextEdit *>(o))
        return e->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    if (auto *c = qobject_cast<QComboBox *>(o))
        return c->currentText();
    return {};
}

void UiRuntime::setFieldText(const ControlRef &field, const core::Text &text)
{
    QObject *o = d->control(field);
    if (auto *e = qobject_cast<QLineEdit *>(o))
        e->setText(text);
    else if (auto *e = qobject_cast<QPlainTextEdit *>(o))
        e->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    else if (auto *c = qobject_cast<QComboBox *>(o))
        c->setEditText(text);
}

void UiRuntime::selectComboItem(const ControlRef &combo, int index)
{
    auto *c = d->as<QComboBox>(combo);
    if (!c)
        return;
    if (index < 0) {
        c->setCurrentIndex(-1);
        return;
    }
    c->setCurrentIndex(std::min(index, c->count() - 1));
    c->setEditText(c->itemText(c->currentIndex()));
}

int UiRuntime::getListIndex(const ControlRef &list) const
{
    // The selected item, not Qt's keyboard cursor: a list given the focus puts its cursor on the
    // first item without making it current.
    auto *l = d->as<QListWidget>(list);
    if (!l)
        return -1;
    const QList<QListWidgetItem *> selected = l->selectedItems();
    return selected.isEmpty() ? -1 : l->row(selected.constFirst());
}

void UiRuntime::setListIndex(const ControlRef &list, int index)
{
    auto *l = d->as<QListWidget>(list);
    if (!l)
        return;
    if (index < 0 || l->count() == 0) {
        l->setCurrentItem(nullptr);
        l->clearSelection();
        return;
    }
    l->setCurrentRow(std::min(index, l->count() - 1), QItemSelectionModel::ClearAndSelect);
}

int UiRuntime::getListCount(const ControlRef &list) const
{
    auto *l = d->as<QListWidget>(list);
    return l ? l->count() : 0;
}

std::vector<int> UiRuntime::getListSelection(const ControlRef &list) const
{
    std::vector<int> rows;
    if (auto *l = d->as<QListWidget>(list))
        for (const QModelIndex &i : l->selectionModel()->selectedIndexes())
            rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

core::Text UiRuntime::getListItem(const ControlRef &list, int index) const
{
    auto *l = d->as<QListWidget>(list);
    if (!l || index < 0 || index >= l->count())
        return {};
    return l->item(index)->text();
}

int UiRuntime::addListItem(const ControlRef &list, const core::Text &text)
{
    auto *l = d->as<QListWidget>(list);
    if (!l)
        return -1;
    l->addItem(text);
    return l->count() - 1;
}

bool UiRuntime::deleteListItem(const ControlRef &list, int index)
{
    auto *l = d->as<QListWidget>(list);
    if (!l || index < 0 || index >= l->count())
        return false;
    delete l->takeItem(index);
    return true;
}

void UiRuntime::setProgress(const ControlRef &bar, int percent)
{
    if (auto *b = d->as<QProgressBar>(bar))
        b->setValue(std::clamp(percent, 0, 100));
}

int UiRuntime::getProgress(const ControlRef &bar) const
{
    auto *b = d->as<QProgressBar>(bar);
    return b ? b->value() : 0;
}

void UiRuntime::setCurrentPage(const ControlRef &tabs, int index)
{
    if (auto *t = d->as<TabControl>(tabs))
        t->setCurrentPage(index);
}

int UiRuntime::getCurrentPage(const ControlRef &tabs) const
{
    auto *t = d->as<TabControl>(tabs);
    return t ? t->currentPage() : -1;
}

void UiRuntime::setPanelText(const ControlRef &statusBar, int index, const core::Text &text)
{
    if (QLabel *label = panel(*d, statusBar, index)) {
        // A panel is one line: a quoted text's line breaks would make the status bar grow over
        // the window.
        label->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ').replace(u'\r', u' '));
        label->setAccessibleName(text.isEmpty() ? QStringLiteral("状态栏第%1栏").arg(index) : text);
    }
}

core::Text UiRuntime::getPanelText(const ControlRef &statusBar, int index) const
{
    const QLabel *label = panel(*d, statusBar, index);
    return label ? label->text() : core::Text();
}

void UiRuntime::setPanelToolTip(const ControlRef &statusBar, int index, const core::Text &text)
{
    if (QLabel *label = panel(*d, statusBar, index))
        label->setToolTip(text);
}

core::Text UiRuntime::getPanelToolTip(const ControlRef &statusBar, int index) const
{
    const QLabel *label = panel(*d, statusBar, index);
    return label ? label->toolTip() : core::Text();
}

void UiRuntime::showPanelNote(const ControlRef &statusBar, int index, const core::Text &note, int milliseconds,
                              const core::Text &standing)
{
    QLabel *label = panel(*d, statusBar, index);
    if (!label)
        return;
    setPanelText(statusBar, index, note);
    // The panel is narrow: the note also shows in full as its tooltip for the same time.
    if (label->isVisible())
        QToolTip::showText(label->mapToGlobal(QPoint(0, 0)), note, label, {}, milliseconds);
    QTimer::singleShot(milliseconds, label, [this, statusBar, index, note, standing, label = QPointer<QLabel>(label)] {
        if (label && label->text() == note)
            setPanelText(statusBar, index, standing);
    });
}

Colour UiRuntime::getPickedColour(const ControlRef &picker) const
{
    QObject *o = d->control(picker);
    return o ? o->property("pickedColour").value<Colour>() : 0;
}

} // namespace ui
