// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's operations for the CodeEditor's syntax colouring.
#include "runtime_impl.h"

#include "code_editor.h"
#include "highlighter.h"

#include <QLabel>
#include <QStatusBar>

namespace ui {

namespace {

Highlighter *highlighter(const UiRuntime::Impl &d, const ControlRef &editor)
{
    return Highlighter::of(d.as<CodeEditor>(editor));
}

QLabel *panel(const UiRuntime::Impl &d, const ControlRef &statusBar, int index)
{
    auto *bar = d.as<QStatusBar>(statusBar);
    return bar ? bar->findChild<QLabel *>(QStringLiteral("panel%1").arg(index), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

void UiRuntime::setEditorLanguage(const ControlRef &editor, Language language)
{
    if (auto *h = highlighter(*d, editor))
        h->setLanguage(language);
}

Language UiRuntime::getEditorLanguage(const ControlRef &editor) const
{
    auto *h = highlighter(*d, editor);
    return h ? h->language() : Language::Html;
}

void UiRuntime::setEditorWords(const ControlRef &editor, const HighlightWords &words)
{
    if (auto *h = highlighter(*d, editor))
        h->setWords(words);
}

bool UiRuntime::isEditorHighlighted(const ControlRef &editor) const
{
    auto *h = highlighter(*d, editor);
    return h && h->active();
}

void UiRuntime::setPanelToolTip(const ControlRef &statusBar, int index, const Text &text)
{
    if (auto *p = panel(*d, statusBar, index))
        p->setToolTip(text);
}

Text UiRuntime::getPanelToolTip(const ControlRef &statusBar, int index) const
{
    auto *p = panel(*d, statusBar, index);
    return p ? p->toolTip() : Text();
}

} // namespace ui
