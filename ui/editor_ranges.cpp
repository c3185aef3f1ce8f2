// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor_ranges.h"

#include "code_editor.h"
#include "runtime_impl.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>

namespace ui {
namespace {

QLabel *panel(UiRuntime &rt, const ControlRef &statusBar, int index)
{
    auto *bar = implOf(rt).as<QStatusBar>(statusBar);
    return bar ? bar->findChild<QLabel *>(QStringLiteral("panel%1").arg(index), Qt::FindDirectChildrenOnly) : nullptr;
}

/// The buffer's bytes in [from, to), read without moving the gap unless it lies inside.
QByteArrayView bufferRange(CodeEditor *ed, long from, long to)
{
    const auto *data = reinterpret_cast<const char *>(ed->SendScintilla(QsciScintilla::SCI_GETRANGEPOINTER, from, to - from));
    return {data, qsizetype(to - from)};
}

} // namespace

TextAround readAroundCaret(UiRuntime &rt, const ControlRef &editor, qint64 reach)
{
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    if (!ed)
        return {};
    const long length = ed->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const long caret = ed->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    // The reach counts the buffer's bytes; the ends are moved back onto character boundaries.
    long from = std::max(0L, caret - long(reach));
    long to = std::min(length, caret + long(reach));
    while (from > 0 && (uchar(ed->SendScintilla(QsciScintilla::SCI_GETCHARAT, from)) & 0xC0) == 0x80)
        --from;
    while (to < length && (uchar(ed->SendScintilla(QsciScintilla::SCI_GETCHARAT, to)) & 0xC0) == 0x80)
        ++to;
    TextAround around;
    around.caretPosition = caret;
    const QByteArrayView before = bufferRange(ed, from, caret);
    around.text = core::editorBytesToText(before.data(), before.size());
    around.caret = around.text.size();
    const QByteArrayView after = bufferRange(ed, caret, to);
    around.text += core::editorBytesToText(after.data(), after.size());
    return around;
}

bool replaceAround(UiRuntime &rt, const ControlRef &editor, TextAround &around, qsizetype from, qsizetype to,
                   const core::Text &text, qsizetype caret)
{
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    if (!ed || from < 0 || to < from || to > around.text.size())
        return false;
    auto units = [](QStringView t) { return long(core::textToEditorBytes(t.toString()).size()); };
    const QStringView was = QStringView(around.text).mid(from, to - from);
    const long start = long(around.caretPosition) + (from <= around.caret
                                                         ? -units(QStringView(around.text).mid(from, around.caret - from))
                                                         : units(QStringView(around.text).mid(around.caret, from - around.caret)));
    const QByteArray wasBytes = core::textToEditorBytes(was.toString());
    const long end = start + long(wasBytes.size());
    if (start < 0 || end > ed->SendScintilla(QsciScintilla::SCI_GETLENGTH) ||
        bufferRange(ed, start, end) != QByteArrayView(wasBytes))
        return false;
    const QByteArray bytes = core::textToEditorBytes(text);
    // The caret's new place, counted from the nearer end of the new text.
    caret = std::clamp(caret, qsizetype(0), around.text.size() - (to - from) + text.size());
    long caretAt = 0;
    if (caret >= from + text.size())
        caretAt = start + long(bytes.size()) + units(QStringView(around.text).mid(to, caret - from - text.size()));
    else if (caret >= from)
        caretAt = start + units(QStringView(text).left(caret - from));
    else
        caretAt = start - units(QStringView(around.text).mid(caret, from - caret));
    ed->SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    ed->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, start, end);
    ed->SendScintilla(QsciScintilla::SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
    ed->SendScintilla(QsciScintilla::SCI_GOTOPOS, caretAt);
    ed->SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
    ed->finishChange();
    around.text.replace(from, to - from, text);
    around.caret = caret;
    around.caretPosition = caretAt;
    return true;
}

void setChecked(UiRuntime &rt, const ControlRef &button, bool checked)
{
    if (auto *b = implOf(rt).as<QAbstractButton>(button); b && b->isCheckable())
        b->setChecked(checked);
}

void showPanelNote(UiRuntime &rt, const ControlRef &statusBar, int index, const core::Text &note, int milliseconds,
                   const core::Text &standing)
{
    QLabel *label = panel(rt, statusBar, index);
    if (!label)
        return;
    rt.setPanelText(statusBar, index, note);
    // The panel is narrow: the note also shows in full as its tooltip for the same time.
    if (label->isVisible())
        QToolTip::showText(label->mapToGlobal(QPoint(0, 0)), note, label, {}, milliseconds);
    QTimer::singleShot(milliseconds, label, [&rt, statusBar, index, note, standing, label = QPointer<QLabel>(label)] {
        if (label && label->text() == note)
            rt.setPanelText(statusBar, index, standing);
    });
}

} // namespace ui
