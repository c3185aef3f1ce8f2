// SPDX-License-Identifier: GPL-3.0-or-later
// The colouring a document gets from the way it was made: templates, opened files by extension,
// saving under another extension; the chosen font and background on every style; the note in the
// status bar while a very large text is shown plain.
#include "support/main_window_fixture.h"

#include "core/contrast.h"
#include "document/highlighting.h"
#include "document/status_note.h"
#include "document/lifecycle.h"
#include "document/templates.h"
#include "ui/code_editor.h"
#include "ui/highlighter.h"

#include <Qsci/qscilexerhtml.h>

using namespace testsupport;

namespace {

class HighlightingDocumentTest : public MainWindowFixture {
protected:
    ui::Language language() const { return rt.getEditorLanguage(editor()); }
    ui::CodeEditor *widget() { return static_cast<ui::CodeEditor *>(ui::testing::widget(rt, editor())); }
    long send(unsigned msg, unsigned long w = 0, long l = 0) { return widget()->SendScintilla(msg, w, l); }
    QColor colour(unsigned msg, int style)
    {
        const long c = send(msg, style);
        return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    }
    static std::vector<int> textStyles()
    {
        std::vector<int> s;
        for (int i = 0; i < 256; ++i)
            if (i <= QsciScintillaBase::STYLE_DEFAULT || i > QsciScintillaBase::STYLE_LASTPREDEFINED)
                s.push_back(i);
        return s;
    }
    QString file(const QString &name, const QByteArray &bytes = "body { color: red }")
    {
        const QString path = dir.filePath(name);
        putContent(path, bytes);
        return path;
    }
};

QByteArray joined(const document::Pieces &pieces)
{
    QString s;
    for (const auto &p : pieces)
        s += p;
    return core::textToBytes(s);
}

} // namespace

TEST_F(HighlightingDocumentTest, StartUpTemplateIsColouredAndItsBytesUnchanged)
{
    EXPECT_EQ(language(), ui::Language::Html);
    EXPECT_TRUE(rt.isEditorHighlighted(editor()));
    EXPECT_EQ(rt.getEditorBytes(editor()), joined(document::newPageTemplate()));
    widget()->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(send(QsciScintillaBase::SCI_GETSTYLEAT, 1), QsciLexerHTML::Tag); // <html>
    EXPECT_EQ(rt.getEditorBytes(editor()), joined(document::newPageTemplate()));
    EXPECT_EQ(panel(document::NotePanel), QString());
}

TEST_F(HighlightingDocumentTest, TemplatesChooseTheLanguage)
{
    click(u"文件/新建/新建css文件"_s);
    EXPECT_EQ(language(), ui::Language::Css);
    EXPECT_EQ(bytes(), joined(document::cssTemplate()));
    click(u"文件/新建/新建asp文件"_s);
    EXPECT_EQ(language(), ui::Language::Html);
    EXPECT_EQ(bytes(), joined(document::aspTemplate()));
    click(u"文件/新建/新建css文件"_s);
    click(u"文件/新建/新建html文件"_s);
    EXPECT_EQ(language(), ui::Language::Html);
    EXPECT_EQ(bytes(), joined(document::newPageTemplate()));
}

TEST_F(HighlightingDocumentTest, OpenedFilesAreColouredByExtension)
{
    const struct {
        const char *name;
        ui::Language language;
    } cases[] = {{"a.css", ui::Language::Css}, {"b.html", ui::Language::Html}, {"C.CSS", ui::Language::Css},
                 {"d.asp", ui::Language::Html}, {"e.txt", ui::Language::Html}, {"f", ui::Language::Html},
                 {"g.css.bak", ui::Language::Html}};
    for (const auto &c : cases) {
        ASSERT_TRUE(document::openFile(rt, session(), file(QString::fromLatin1(c.name))));
        EXPECT_EQ(language(), c.language) << c.name;
        EXPECT_EQ(bytes(), QByteArray("body { color: red }")) << c.name;
    }
    // A file that cannot be read leaves the text and its colouring as they were.
    EXPECT_FALSE(document::openFile(rt, session(), dir.filePath(u"missing.css"_s)));
    EXPECT_EQ(language(), ui::Language::Html);
}

TEST_F(HighlightingDocumentTest, SavingUnderAnotherExtensionSwitches)
{
    script.files.push_back({dir.filePath(u"sheet.css"_s)});
    click(u"文件/另存为..."_s);
    EXPECT_EQ(language(), ui::Language::Css);
    EXPECT_EQ(contentOf(dir.filePath(u"sheet.css"_s)), joined(document::newPageTemplate()));
    script.files.push_back({dir.filePath(u"page.asp"_s)});
    click(u"文件/另存为..."_s);
    EXPECT_EQ(language(), ui::Language::Html);
    // A cancelled save changes nothing.
    click(u"文件/新建/新建css文件"_s);
    click(u"文件/另存为..."_s);
    EXPECT_EQ(language(), ui::Language::Css);
}

TEST_F(HighlightingDocumentTest, FontSettingsReachEveryStyleAndAreCleared)
{
    const QString face = ui::testing::mappedFontFace(u"宋体"_s);
    rt.setSelectionFormat(editor(), {.face = u"宋体"_s, .size = 16, .effects = ui::Bold | ui::Italic | ui::Underline | ui::Strikeout,
                                     .colour = 0x00336699});
    for (int s : textStyles()) {
        char name[256] = {};
        widget()->SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, (unsigned long)s, name);
        EXPECT_EQ(QString::fromUtf8(name), face) << s;
        EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETSIZE, s), 16) << s;
        EXPECT_GE(send(QsciScintillaBase::SCI_STYLEGETWEIGHT, s), QsciScintillaBase::SC_WEIGHT_BOLD) << s;
        EXPECT_TRUE(send(QsciScintillaBase::SCI_STYLEGETITALIC, s)) << s;
        EXPECT_TRUE(send(QsciScintillaBase::SCI_STYLEGETUNDERLINE, s)) << s;
        EXPECT_EQ(colour(QsciScintillaBase::SCI_STYLEGETFORE, s), QColor(0x99, 0x66, 0x33)) << s;
    }
    EXPECT_TRUE(widget()->strikeout());
    ui::CharFormat read = rt.getSelectionFormat(editor());
    EXPECT_EQ(read.colour, 0x00336699u);
    EXPECT_EQ(read.effects & (ui::Bold | ui::Italic | ui::Underline | ui::Strikeout), ui::Bold | ui::Italic | ui::Underline | ui::Strikeout);

    rt.setSelectionFormat(editor(), {.face = u"宋体"_s, .size = 11, .effects = 0, .colour = ui::DefaultColour});
    std::set<QRgb> colours;
    for (int s : textStyles()) {
        EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETSIZE, s), 11) << s;
        EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETWEIGHT, s), QsciScintillaBase::SC_WEIGHT_NORMAL) << s;
        EXPECT_FALSE(send(QsciScintillaBase::SCI_STYLEGETITALIC, s)) << s;
        EXPECT_FALSE(send(QsciScintillaBase::SCI_STYLEGETUNDERLINE, s)) << s;
        colours.insert(colour(QsciScintillaBase::SCI_STYLEGETFORE, s).rgb());
    }
    EXPECT_FALSE(widget()->strikeout());
    EXPECT_GE(colours.size(), 8u); // the palette again
    EXPECT_EQ(rt.getSelectionFormat(editor()).colour, ui::DefaultColour);
}

TEST_F(HighlightingDocumentTest, BackgroundSettingKeepsEveryStyleReadable)
{
    for (ui::Colour bg : {0x00202020u, 0x00FF0000u /* blue */, 0x0000FFFFu /* yellow */, 0x00FFFFFFu}) {
        rt.setEditorBackground(editor(), bg);
        const QColor paper(int(bg & 0xFF), int((bg >> 8) & 0xFF), int((bg >> 16) & 0xFF));
        for (int s : textStyles()) {
            EXPECT_EQ(colour(QsciScintillaBase::SCI_STYLEGETBACK, s), paper) << s;
            EXPECT_GE(core::contrastRatio(colour(QsciScintillaBase::SCI_STYLEGETFORE, s).rgb(), paper.rgb()), 4.5) << s;
        }
        EXPECT_EQ(rt.getEditorBackground(editor()), bg);
    }
}

TEST_F(HighlightingDocumentTest, VeryLargeFileIsShownPlainWithANote)
{
    // Chinese text: 2 bytes a character in the file, 3 in the editor, so a file the open command
    // takes is over the limit once in the editor. Short lines: one long line would be slow to lay
    // out for reasons of its own.
    const QString lineText = u"<p>网页网页网页网页网页网页网页网页网页网页</p>\r\n"_s;
    const QByteArray line = core::textToBytes(lineText);
    const qsizetype inEditor = lineText.toUtf8().size();
    QByteArray big;
    big.reserve(document::MaxOpenBytes);
    while (big.size() / line.size() * inEditor < ui::HighlightLimit + (1 << 20))
        big += line;
    ASSERT_LT(big.size(), document::MaxOpenBytes);
    const QString path = file(u"big.html"_s, big);
    big = {};
    ASSERT_TRUE(document::openFile(rt, session(), path));
    EXPECT_FALSE(rt.isEditorHighlighted(editor()));
    EXPECT_EQ(panel(document::NotePanel), u"未着色"_s);
    EXPECT_TRUE(rt.getPanelToolTip({Main, u"状态条1"_s}, document::NotePanel).contains(u"128 MB"_s));
    EXPECT_EQ(rt.getEditorByteLength(editor()), QFileInfo(path).size());
    click(u"文件/新建/新建html文件"_s);
    EXPECT_TRUE(rt.isEditorHighlighted(editor()));
    EXPECT_EQ(panel(document::NotePanel), QString());
    EXPECT_FALSE(rt.getPanelToolTip({Main, u"状态条1"_s}, document::NotePanel).contains(u"128 MB"_s));
    EXPECT_EQ(bytes(), joined(document::newPageTemplate()));
}
