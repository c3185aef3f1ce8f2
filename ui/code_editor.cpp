// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_editor.h"

#include <QFrame>

namespace ui {

CodeEditor::CodeEditor(QWidget *parent) : QsciScintilla(parent)
{
    setUtf8(true);
    setEolMode(EolWindows);
    setEolVisibility(false);
    setWrapMode(WrapWord);
    for (int m = 0; m < 5; ++m)
        setMarginWidth(m, 0);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setPaper(Qt::white);
    SendScintilla(SCI_HIDESELECTION, 1);
    SendScintilla(SCI_INDICSETSTYLE, StrikeIndicator, INDIC_STRIKE);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *text, int length, int, int, int, int, int, int) {
                onModified(position, type, text, length);
            });
}

QByteArrayView CodeEditor::buffer() const
{
    auto *self = const_cast<CodeEditor *>(this);
    const auto length = self->SendScintilla(SCI_GETLENGTH);
    const auto *data = reinterpret_cast<const char *>(self->SendScintilla(SCI_GETCHARACTERPOINTER));
    return {data, qsizetype(length)};
}

Text CodeEditor::wholeText() const
{
    const QByteArrayView b = buffer();
    return editorBytesToText(b.data(), b.size());
}

void CodeEditor::replaceAll(const Text &text)
{
    const QByteArray bytes = textToEditorBytes(text);
    SendScintilla(SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, uintptr_t(bytes.size()), bytes.constData());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0);
}

void CodeEditor::insertAtCaret(const Text &text)
{
    const QByteArray bytes = textToEditorBytes(text);
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_TARGETFROMSELECTION);
    SendScintilla(SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
    SendScintilla(SCI_GOTOPOS, SendScintilla(SCI_GETTARGETEND));
    SendScintilla(SCI_ENDUNDOACTION);
}

int CodeEditor::caretLine() const
{
    auto *self = const_cast<CodeEditor *>(this);
    return int(self->SendScintilla(SCI_LINEFROMPOSITION, self->SendScintilla(SCI_GETSELECTIONSTART)));
}

int CodeEditor::caretColumn() const
{
    auto *self = const_cast<CodeEditor *>(this);
    const long caret = self->SendScintilla(SCI_GETCURRENTPOS);
    const long lineStart = self->SendScintilla(SCI_POSITIONFROMLINE, self->SendScintilla(SCI_LINEFROMPOSITION, caret));
    return int(self->SendScintilla(SCI_COUNTCHARACTERS, lineStart, caret));
}

int CodeEditor::selectedCharacters() const
{
    auto *self = const_cast<CodeEditor *>(this);
    return int(self->SendScintilla(SCI_COUNTCHARACTERS, self->SendScintilla(SCI_GETSELECTIONSTART),
                                   self->SendScintilla(SCI_GETSELECTIONEND)));
}

void CodeEditor::setStrikeout(bool on, const QColor &colour)
{
    strikeout_ = on;
    SendScintilla(SCI_INDICSETFORE, StrikeIndicator, colour);
    SendScintilla(SCI_SETINDICATORCURRENT, StrikeIndicator);
    const long length = SendScintilla(SCI_GETLENGTH);
    if (on)
        SendScintilla(SCI_INDICATORFILLRANGE, 0, length);
    else
        SendScintilla(SCI_INDICATORCLEARRANGE, 0, length);
}

void CodeEditor::onModified(int position, int type, const char *text, int length)
{
    if (type & SC_MOD_BEFOREDELETE) {
        const auto *range = reinterpret_cast<const char *>(SendScintilla(SCI_GETRANGEPOINTER, position, length));
        byteLength_ -= gb18030LengthOfEditorBytes(range, length);
    } else if (type & SC_MOD_INSERTTEXT) {
        byteLength_ += gb18030LengthOfEditorBytes(text, length);
        if (strikeout_) {
            SendScintilla(SCI_SETINDICATORCURRENT, StrikeIndicator);
            SendScintilla(SCI_INDICATORFILLRANGE, position, length);
        }
    }
    if (type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) {
        everModified_ = true;
        emit contentChanged();
    }
}

void CodeEditor::focusInEvent(QFocusEvent *e)
{
    SendScintilla(SCI_HIDESELECTION, 0);
    QsciScintilla::focusInEvent(e);
}

void CodeEditor::focusOutEvent(QFocusEvent *e)
{
    SendScintilla(SCI_HIDESELECTION, 1);
    QsciScintilla::focusOutEvent(e);
}

} // namespace ui
