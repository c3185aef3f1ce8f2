// SPDX-License-Identifier: GPL-3.0-or-later
// The CodeEditor by byte positions of its UTF-8 buffer: what searching and replacing need.
#include "runtime_impl.h"

#include "code_editor.h"

namespace ui {

std::pair<qint64, qint64> UiRuntime::getEditorSelection(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return {0, 0};
    return {ed->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART),
            ed->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND)};
}

void UiRuntime::selectEditorRange(const ControlRef &editor, qint64 from, qint64 to)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    const long length = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    from = std::clamp<qint64>(from, 0, length);
    to = std::clamp<qint64>(to, from, length);
    // Shown while the find window has the focus; hidden again when the editor next loses it.
    ed->SendScintilla(QsciScintillaBase::SCI_HIDESELECTION, 0L);
    ed->SendScintilla(QsciScintillaBase::SCI_SETSEL, long(from), long(to));
    ed->SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE, long(from), long(to));
}

void UiRuntime::replaceEditorRanges(const ControlRef &editor, const std::vector<EditorEdit> &edits)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed || edits.empty())
        return;
    ed->SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
    // Front to back, each later range shifted by what the earlier ones changed in length.
    qint64 shift = 0;
    for (const EditorEdit &e : edits) {
        ed->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, long(e.from + shift), long(e.to + shift));
        ed->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, uintptr_t(e.bytes.size()), e.bytes.constData());
        shift += e.bytes.size() - (e.to - e.from);
    }
    ed->SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
    ed->finishChange();
}

void UiRuntime::goToEditorLine(const ControlRef &editor, int line)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    ed->SendScintilla(QsciScintillaBase::SCI_GOTOLINE, long(line));
    ed->SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
}

int UiRuntime::getEditorLineOf(const ControlRef &editor, qint64 position) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? int(ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, long(position))) : 0;
}

} // namespace ui
