// SPDX-License-Identifier: GPL-3.0-or-later
// States of any control: enabled, tooltip, caption, checked, focus and the refused-input mark.
#include "runtime_impl.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace ui {

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

} // namespace ui
