// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_help_bench.h"

#include "markup/typing_context.h"
#include "ui/testing.h"
#include "ui/typing_ops.h"

#include <Qsci/qsciscintilla.h>
#include <QCoreApplication>
#include <QKeyEvent>

namespace bench {
namespace {

using B = QsciScintillaBase;

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void press(QWidget *w, Qt::Key key, const QString &text = {})
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text), up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(w, &down);
    QCoreApplication::sendEvent(w, &up);
}

/// Loads the document and puts the caret after an end tag past its middle, where no tag is open,
/// with the buffer's gap moved there.
QsciScintilla *caretInMiddle(ui::UiRuntime &rt, document::Session &s, qint64 bytes, const std::function<void(qint64)> &load)
{
    load(bytes);
    auto *ed = qobject_cast<QsciScintilla *>(ui::testing::widget(rt, s.editor()));
    const QByteArray endTag = "</div>";
    const long length = ed->SendScintilla(B::SCI_GETLENGTH);
    ed->SendScintilla(B::SCI_SETTARGETRANGE, length / 2, length);
    const long found = ed->SendScintilla(B::SCI_SEARCHINTARGET, endTag.size(), endTag.constData());
    const long at = found < 0 ? 0L : found + long(endTag.size());
    ed->SendScintilla(B::SCI_GOTOPOS, at);
    // The first edit at a new place moves the buffer's gap there: in 100 MB a copy of up to half
    // the text into memory never touched, tens of milliseconds once, whatever the key. It is made
    // here, untimed, so that the rows measure what each key costs where the user types.
    ed->SendScintilla(B::SCI_INSERTTEXT, at, " ");
    ed->SendScintilla(B::SCI_DELETERANGE, at, 1L);
    // Likewise the first key typing help answers at a new place has the lexer read the reach
    // behind the caret, which painting leaves unstyled (about 2 ms once in 100 MB).
    ui::readEditorStretch(rt, s.editor(), markup::TypingReachBefore, 0);
    settle();
    return ed;
}

} // namespace

void ListAfterLessThan(benchmark::State &state, ui::UiRuntime &rt, document::Session &s,
                       const std::function<void(qint64)> &load)
{
    QsciScintilla *ed = caretInMiddle(rt, s, state.range(0), load);
    for (auto _ : state) {
        press(ed, Qt::Key_Less, QStringLiteral("<"));
        settle();
        state.PauseTiming();
        const bool shown = ui::isEditorListShown(rt, s.editor());
        press(ed, Qt::Key_Escape);
        press(ed, Qt::Key_Backspace);
        settle();
        state.ResumeTiming();
        if (!shown)
            return state.SkipWithError("no list after '<'");
    }
}

void EndTagAfterGreaterThan(benchmark::State &state, ui::UiRuntime &rt, document::Session &s,
                            const std::function<void(qint64)> &load)
{
    QsciScintilla *ed = caretInMiddle(rt, s, state.range(0), load);
    const long at = ed->SendScintilla(B::SCI_GETCURRENTPOS);
    for (auto _ : state) {
        state.PauseTiming();
        ed->SendScintilla(B::SCI_INSERTTEXT, at, "<b");
        ed->SendScintilla(B::SCI_GOTOPOS, at + 2);
        settle();
        state.ResumeTiming();
        press(ed, Qt::Key_Greater, QStringLiteral(">"));
        settle();
        state.PauseTiming();
        char after[5] = {};
        ed->SendScintilla(B::SCI_SETTARGETRANGE, at + 3, at + 7);
        ed->SendScintilla(B::SCI_GETTARGETTEXT, 0UL, after);
        ed->SendScintilla(B::SCI_DELETERANGE, at, 7L);
        settle();
        state.ResumeTiming();
        if (QByteArrayView(after) != "</b>")
            return state.SkipWithError("no end tag after '>'");
    }
}

} // namespace bench
