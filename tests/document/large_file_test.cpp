// SPDX-License-Identifier: GPL-3.0-or-later
// Files larger than one piece of what goes into the editor at a time (CodeEditor::HandOverPiece):
// whatever falls on the cuts, GB18030 four-byte sequences, UTF-8 characters, CR LF pairs or
// bytes that form no character, they open and save byte for byte in their own encoding.
#include "support/main_window_fixture.h"

#include "document/lifecycle.h"
#include "document/session.h"
#include "ui/code_editor.h"

using namespace testsupport;

namespace {

class LargeFileTest : public MainWindowFixture {
protected:
    /// Opens the bytes from a file and saves them unchanged to another; the saved bytes.
    QByteArray roundTrip(const QByteArray &original, core::Encoding expected)
    {
        const QString in = dir.filePath(u"big.html"_s), out = dir.filePath(u"saved.html"_s);
        putContent(in, original);
        EXPECT_TRUE(document::openFile(rt, session(), in));
        EXPECT_EQ(session().encoding(), expected);
        EXPECT_EQ(rt.getEditorByteLength(editor(), expected), original.size());
        EXPECT_TRUE(document::saveFile(rt, session(), out));
        return contentOf(out);
    }
    /// The unit repeated past two pieces, after an offset that moves where the cuts fall.
    static QByteArray repeated(const QByteArray &unit, int offset)
    {
        QByteArray out(offset, 'a');
        while (out.size() < ui::CodeEditor::HandOverPiece * 2 + 1000)
            out += unit;
        return out;
    }
};

} // namespace

TEST_F(LargeFileTest, Gb18030FourByteSequencesAndInvalidBytesComeBackAcrossTheCuts)
{
    // One line with no break at all, and one with CR LF breaks and Chinese every few bytes.
    const QByteArray fourByte("\x81\x30\x81\x30\x95\x32\x82\x36", 8); // U+0080 and U+20000
    for (const QByteArray &unit : {fourByte + "\xC4\xE3\xBA\xC3\xFF", fourByte + "\r\n\xCD\xF8\xD2\xB3<p>\x81"})
        for (int offset : {0, 1, 3}) {
            SCOPED_TRACE(offset);
            const QByteArray original = repeated(unit, offset);
            EXPECT_TRUE(roundTrip(original, core::Encoding::Gb18030) == original);
        }
}

TEST_F(LargeFileTest, Utf8CharactersAndLineBreaksComeBackAcrossTheCuts)
{
    const QByteArray unit("\xF0\xA0\x80\x80\xE4\xB8\xAD\r\n<p>\xC3\xA9", 14);
    for (int offset : {0, 2}) {
        SCOPED_TRACE(offset);
        const QByteArray original = repeated(unit, offset);
        EXPECT_TRUE(roundTrip(original, core::Encoding::Utf8) == original);
        EXPECT_TRUE(roundTrip(QByteArray("\xEF\xBB\xBF") + original, core::Encoding::Utf8WithBom) == "\xEF\xBB\xBF" + original);
    }
}
