// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's operations for the CodeEditor's syntax colouring.
#include "runtime_impl.h"

#include "code_editor.h"
#include "highlighter.h"

namespace ui {

namespace {

Highlighter *highlighter(const UiRuntime::Impl &d, const ControlRef &editor)
{
    return Highlighter::of(d.as<CodeEditor>(editor));
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

} // namespace ui
