// SPDX-License-Identifier: GPL-3.0-or-later
// The CodeEditor's own bookkeeping, which replaces what the editor component would count from
// the start of the text: changes reported once they are done, the running GB18030 length, the
// caret column, the strikeout over new text, wrapping by size, the piecewise conversions of
// whole documents, and what assistive technology reads and edits.
#include "support/eventually.h"
#include "ui/code_editor.h"
#include "core/encodings.h"
#include "core/texts.h"
#include "support/mixed_text.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using ui::CodeEditor;

namespace {

class CodeEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ed.resize(400, 200);
        ed.show();
        QCoreApplication::processEvents();
    }
    long send(unsigned msg, unsigned long w = 0, long l = 0) { return ed.SendScintilla(msg, w, l); }
    /// The length the text would have in a file.
    qint64 fileLength() { return ed.wholeTextBytes().size(); }

    CodeEditor ed;
};

/// Bytes that are not valid GB18030 next to ASCII, Chinese, four-byte and two-byte Latin
/// characters, repeated to the given size.
QByteArray mixedGb18030(qsizetype size)
{
    const QByteArray unit = core::textToBytes(u"<p>网页𠀀é</p>"_s) + QByteArray("\x81\xff\x80", 3) + "ab";
    QByteArray out;
    while (out.size() < size)
        out += unit;
    return out;
}

} // namespace

TEST_F(CodeEditorTest, EachOperationReportsOneChangeOnceItIsDone)
{
    QSignalSpy changes(&ed, &CodeEditor::contentChanged);
    qint64 lengthSeen = -1;
    QObject::connect(&ed, &CodeEditor::contentChanged, &ed, [&] { lengthSeen = ed.byteLength(); });

    ed.replaceAll(u"<html>网页</html>"_s);
    EXPECT_EQ(changes.size(), 1); // clearing and appending are one change
    EXPECT_EQ(lengthSeen, 17);

    send(QsciScintillaBase::SCI_SETSEL, 6, 12); // 网页 selected
    ed.insertAtCaret(u"标题ab"_s);              // a deletion and an insertion
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(lengthSeen, fileLength());

    ed.setFocus();
    QTest::keyClicks(&ed, u"xyz"_s); // typed: reported after the editor's own key handling
    EXPECT_EQ(changes.size(), 5);
    EXPECT_EQ(lengthSeen, fileLength());

    // A change made directly through the component is still reported, from the event loop.
    send(QsciScintillaBase::SCI_UNDO);
    ASSERT_EVENTUALLY_EQ(changes.size(), 6);
    EXPECT_EQ(lengthSeen, fileLength());
    EXPECT_EQ(ed.wholeText(), u"<html>标题ab</html>"_s); // typing is undone as one step
}

TEST_F(CodeEditorTest, ByteLengthStaysExactThroughEditsOfEveryKindOfCharacter)
{
    const QByteArray file = mixedGb18030(4000);
    ed.replaceAllWithEditorBytes(core::gb18030ToEditorBytes(file));
    EXPECT_EQ(ed.byteLength(), file.size());
    EXPECT_EQ(ed.wholeTextBytes(), file);
    // Deleting a Chinese and a four-byte character, inserting one with an escaped byte, replacing
    // a stretch across escaped bytes with a four-byte character, a Chinese one and an escape.
    send(QsciScintillaBase::SCI_DELETERANGE, 6, 7);
    send(QsciScintillaBase::SCI_INSERTTEXT, 3, reinterpret_cast<long>("\xe4\xb8\xad\x82"));
    send(QsciScintillaBase::SCI_SETSEL, send(QsciScintillaBase::SCI_POSITIONRELATIVE, 0, 40),
         send(QsciScintillaBase::SCI_POSITIONRELATIVE, 0, 300));
    ed.insertAtCaret(u"𠀀中"_s + QChar(char16_t(0xDC81)));
    ed.finishChange();
    EXPECT_EQ(ed.byteLength(), fileLength());
    send(QsciScintillaBase::SCI_UNDO);
    send(QsciScintillaBase::SCI_UNDO);
    send(QsciScintillaBase::SCI_REDO);
    EXPECT_EQ(ed.byteLength(), fileLength());

    // A whole new text counts only itself, whether its length is given or counted.
    ed.replaceAll(u"ab网"_s);
    EXPECT_EQ(ed.byteLength(), 4);
    ed.replaceAllWithEditorBytes(core::gb18030ToEditorBytes(file), file.size());
    EXPECT_EQ(ed.byteLength(), file.size());
    ed.insertAtCaret(u"中"_s);
    EXPECT_EQ(ed.byteLength(), file.size() + 2);
}

TEST(WholeDocumentConversions, LargeDocumentsGiveTheSameBytesAsTheirText)
{
    // Over a megabyte, with each byte of the repeated stretch in turn at the megabyte mark.
    for (int shift = 0; shift < 24; ++shift) {
        const QByteArray file = QByteArray(shift, 'a') + mixedGb18030((1 << 20) + 64);
        const QByteArray editorBytes = core::gb18030ToEditorBytes(file);
        ASSERT_EQ(editorBytes, core::textToEditorBytes(core::bytesToText(file))) << shift;
        ASSERT_EQ(core::editorBytesToGb18030(editorBytes.constData(), editorBytes.size()), file) << shift;
    }
    // A long stretch of Chinese only.
    const QString chinese(3 << 20, QChar(u'网'));
    EXPECT_EQ(core::gb18030ToEditorBytes(core::textToBytes(chinese)), chinese.toUtf8());
}

TEST_F(CodeEditorTest, CaretColumnFollowsMovesAndEditsBeforeTheCaret)
{
    ed.replaceAll(u"first\r\n"_s + QString(5000, u'x') + u"网页end"_s);
    send(QsciScintillaBase::SCI_DOCUMENTEND);
    EXPECT_EQ(ed.caretColumn(), 5005);
    send(QsciScintillaBase::SCI_CHARLEFT);
    send(QsciScintillaBase::SCI_CHARLEFT);
    send(QsciScintillaBase::SCI_CHARLEFT);
    send(QsciScintillaBase::SCI_CHARLEFT);
    EXPECT_EQ(ed.caretColumn(), 5001); // between 网 and 页
    send(QsciScintillaBase::SCI_INSERTTEXT, 7, reinterpret_cast<long>("ab")); // before the caret
    EXPECT_EQ(ed.caretColumn(), 5003);
    send(QsciScintillaBase::SCI_INSERTTEXT, send(QsciScintillaBase::SCI_GETLENGTH), reinterpret_cast<long>("z"));
    EXPECT_EQ(ed.caretColumn(), 5003); // after the caret: nothing to recount
    send(QsciScintillaBase::SCI_DELETERANGE, 0, 7); // the line break before: the line starts elsewhere
    EXPECT_EQ(ed.caretColumn(), 5003);
    EXPECT_EQ(ed.caretLine(), 0);
}

TEST_F(CodeEditorTest, StrikeoutCoversTextTypedAnywhere)
{
    ed.replaceAll(u"abc"_s);
    ed.setStrikeout(true, Qt::black);
    send(QsciScintillaBase::SCI_DOCUMENTSTART);
    ed.insertAtCaret(u"头"_s); // before the struck run
    send(QsciScintillaBase::SCI_DOCUMENTEND);
    ed.setFocus();
    QTest::keyClicks(&ed, u"de"_s); // after it
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    EXPECT_EQ(send(QsciScintillaBase::SCI_INDICATOREND, CodeEditor::StrikeIndicator, 0), length);
    EXPECT_EQ(send(QsciScintillaBase::SCI_INDICATORVALUEAT, CodeEditor::StrikeIndicator, 0), 1);
}

TEST_F(CodeEditorTest, LargeTextsAreShownUnwrapped)
{
    EXPECT_EQ(ed.wrapMode(), QsciScintilla::WrapWord);
    ed.replaceAll(QString(CodeEditor::WrapLimit + 1, u'a'));
    EXPECT_EQ(ed.wrapMode(), QsciScintilla::WrapNone);
    send(QsciScintillaBase::SCI_SETSEL, 0, 100);
    ed.insertAtCaret({});
    EXPECT_EQ(ed.wrapMode(), QsciScintilla::WrapNone); // not yet: some way below the limit first
    send(QsciScintillaBase::SCI_SETSEL, 0, CodeEditor::WrapLimit / 2);
    ed.insertAtCaret({});
    EXPECT_EQ(ed.wrapMode(), QsciScintilla::WrapWord);
}

TEST_F(CodeEditorTest, AssistiveTechnologyReadsAndEditsByCharacter)
{
    ed.replaceAll(u"<p>网页</p>\r\n第二行 two words\r\n𠀀x"_s);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&ed);
    ASSERT_NE(a, nullptr);
    QAccessibleTextInterface *text = a->textInterface();
    QAccessibleEditableTextInterface *editable = a->editableTextInterface();
    ASSERT_NE(text, nullptr);
    ASSERT_NE(editable, nullptr);
    EXPECT_EQ(text->characterCount(), 28); // the four-byte character counts once
    EXPECT_EQ(text->text(26, 28), u"𠀀x"_s);
    EXPECT_EQ(text->text(3, 5), u"网页"_s);

    int start = -1, end = -1;
    EXPECT_EQ(text->textAtOffset(14, QAccessible::LineBoundary, &start, &end), u"第二行 two words\r\n"_s);
    EXPECT_EQ(start, 11);
    EXPECT_EQ(end, 26);
    EXPECT_EQ(text->textAtOffset(16, QAccessible::WordBoundary, &start, &end), u"two"_s);
    EXPECT_EQ(start, 15);
    EXPECT_EQ(text->textAfterOffset(16, QAccessible::WordBoundary, &start, &end), u" "_s);
    EXPECT_EQ(start, 18);
    EXPECT_EQ(text->textBeforeOffset(11, QAccessible::LineBoundary, &start, &end), u"<p>网页</p>\r\n"_s);

    text->setSelection(0, 3, 5);
    EXPECT_EQ(ed.selectedText(), u"网页"_s);
    text->setCursorPosition(28);
    EXPECT_EQ(text->cursorPosition(), 28);
    EXPECT_EQ(send(QsciScintillaBase::SCI_GETCURRENTPOS), send(QsciScintillaBase::SCI_GETLENGTH));

    QSignalSpy changes(&ed, &CodeEditor::contentChanged);
    editable->replaceText(3, 5, u"标题"_s);
    editable->insertText(0, u"中"_s);
    editable->deleteText(27, 29);
    EXPECT_EQ(changes.size(), 3);
    EXPECT_EQ(ed.wholeText(), u"中<p>标题</p>\r\n第二行 two words\r\n"_s);
    EXPECT_EQ(text->characterCount(), 27);
    EXPECT_EQ(ed.byteLength(), fileLength());
}

TEST(HandOverInPieces, ALargeTextReplacedInTheEditorArrivesExact)
{
    ui::CodeEditor ed;
    // Past one piece, with a byte-order mark's worth of offset so piece ends fall anywhere.
    const QByteArray text = "xyz" + testsupport::mixedText(ui::CodeEditor::HandOverPiece * 2 + 12345, 9);
    const qsizetype lines = text.count('\n') + 1;
    ed.replaceAllWithEditorBytes(text, -1, true);
    EXPECT_TRUE(ed.buffer() == QByteArrayView(text));
    EXPECT_EQ(ed.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT), lines);
    EXPECT_FALSE(ed.mayHoldRawBytes());
    // Counted in GB18030, and saved as UTF-8 unchanged.
    EXPECT_EQ(ed.byteLength(), core::editorBytesToGb18030(text.constData(), text.size()).size());
    EXPECT_TRUE(core::editorBytesToFileBytes(ed.buffer(), core::Encoding::Utf8) == text);
}
