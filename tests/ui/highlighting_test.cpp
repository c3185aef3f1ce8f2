// SPDX-License-Identifier: GPL-3.0-or-later
// The CodeEditor's colouring: what the lexers make of a mixed ASP page with the program's own word
// lists, style blocks in CSS, readable colours on any background, the chosen font on every style,
// tag and bracket matching, and what assistive technology reads of it all.
#include "core/contrast.h"
#include "reference/highlight_words.h"
#include "support/drawn_colour.h"
#include "ui/code_editor.h"
#include "ui/highlighter.h"

#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using ui::CodeEditor;
using ui::Highlighter;
using H = QsciLexerHTML;
using C = QsciLexerCSS;

namespace {

const QString MixedPage = u"<%@ Language=VBScript %>\r\n"
                          "<!DOCTYPE html>\r\n"
                          "<html>\r\n"
                          "<head>\r\n"
                          "<title>网页 &copy; 2024</title>\r\n"
                          "<style type=\"text/css\">\r\n"
                          "body { color: #333; margin: 0 }\r\n"
                          "</style>\r\n"
                          "<script language=\"javascript\">\r\n"
                          "function f(a) { var x = [1, 2]; return (a + x[0]); }\r\n"
                          "</script>\r\n"
                          "</head>\r\n"
                          "<body bgcolor=white>\r\n"
                          "<!-- a comment -->\r\n"
                          "<% Dim s : s = \"a %> b\" %>\r\n"
                          "<p class=\"x\">Hello <%= Now() %></p>\r\n"
                          "<tabel>bad</tabel> <idate> <ihtml>\r\n"
                          "<a href=\"x.asp?<%=id%>\">link</a>\r\n"
                          "<% Session(\"user\") = Request(\"name\") : Response.Write(\"ok\") %>\r\n"
                          "</body>\r\n"
                          "</html>\r\n"_s;

class HighlightingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ed.resize(500, 300);
        ed.show();
        hl()->setWords(reference::highlightWords());
        QCoreApplication::processEvents();
    }
    Highlighter *hl() { return Highlighter::of(&ed); }
    long send(unsigned msg, unsigned long w = 0, long l = 0) { return ed.SendScintilla(msg, w, l); }
    void load(const QString &text)
    {
        ed.replaceAll(text);
        hl()->styleRange(0, send(QsciScintillaBase::SCI_GETLENGTH));
    }
    /// The buffer position of the nth occurrence of the needle, plus a shift into it.
    long at(const char *needle, int shift = 0, int nth = 0)
    {
        const QByteArrayView b = ed.buffer();
        qsizetype p = -1;
        for (int i = 0; i <= nth; ++i) {
            p = b.indexOf(QByteArrayView(needle), p + 1);
            if (p < 0)
                ADD_FAILURE() << "no " << needle;
        }
        return long(p) + shift;
    }
    int styleAt(long position) { return int(send(QsciScintillaBase::SCI_GETSTYLEAT, position) & 0xFF); }
    int styleOf(const char *needle, int shift = 0, int nth = 0) { return styleAt(at(needle, shift, nth)); }
    QColor fore(int style)
    {
        const long c = send(QsciScintillaBase::SCI_STYLEGETFORE, style);
        return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    }
    QColor back(int style)
    {
        const long c = send(QsciScintillaBase::SCI_STYLEGETBACK, style);
        return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    }
    /// Every style a text can have (the component's own styles for margins and call tips aside).
    static std::vector<int> textStyles()
    {
        std::vector<int> s;
        for (int i = 0; i < 256; ++i)
            if (i <= QsciScintillaBase::STYLE_DEFAULT || i > QsciScintillaBase::STYLE_LASTPREDEFINED)
                s.push_back(i);
        return s;
    }
    void caretAt(long position)
    {
        send(QsciScintillaBase::SCI_GOTOPOS, position);
        QCoreApplication::processEvents();
    }
    bool tagMarked(long position)
    {
        return send(QsciScintillaBase::SCI_INDICATORVALUEAT, Highlighter::TagIndicator, position) != 0;
    }

    CodeEditor ed;
};

} // namespace

TEST_F(HighlightingTest, MixedAspPageIsStyledPieceByPiece)
{
    load(MixedPage);
    EXPECT_EQ(styleOf("<p class", 1), H::Tag);
    EXPECT_EQ(styleOf("class=", 0), H::Attribute);
    EXPECT_EQ(styleOf("\"x\"", 1), H::HTMLDoubleQuotedString);
    EXPECT_EQ(styleOf("white>", 0), H::HTMLValue);
    EXPECT_EQ(styleOf("a comment"), H::HTMLComment);
    EXPECT_EQ(styleOf("&copy;", 2), H::Entity);
    EXPECT_TRUE(styleOf("DOCTYPE") == H::SGMLCommand || styleOf("DOCTYPE") == H::SGMLDefault) << styleOf("DOCTYPE");
    // ASP: the delimiters (the lexer's names for its two ASP styles are the other way round),
    // a VBScript keyword of the language, words of the "vb" list, alone and as object.member
    // (which the lexer reads as one word).
    EXPECT_EQ(styleOf("<% Dim"), H::ASPAtStart);
    EXPECT_EQ(styleOf("Language=VBScript"), H::ASPStart);
    EXPECT_EQ(styleOf("Dim s"), H::ASPVBScriptKeyword);
    EXPECT_EQ(styleOf("Session("), H::ASPVBScriptKeyword);
    EXPECT_EQ(styleOf("Request("), H::ASPVBScriptKeyword);
    EXPECT_EQ(styleOf("Response.Write"), H::ASPVBScriptKeyword);
    EXPECT_EQ(styleOf("Write(\""), H::ASPVBScriptKeyword);
    EXPECT_EQ(styleOf("Now()"), H::ASPVBScriptIdentifier);
    EXPECT_EQ(styleOf("\"ok\""), H::ASPVBScriptString);
    // The client script is JavaScript.
    EXPECT_EQ(styleOf("function f"), H::JavaScriptKeyword);
    EXPECT_EQ(styleOf("var x"), H::JavaScriptKeyword);
    // The style block is CSS.
    EXPECT_EQ(styleOf("color:"), Highlighter::StyleBlockBase + C::CSS1Property);
    EXPECT_EQ(styleOf("margin:"), Highlighter::StyleBlockBase + C::CSS1Property);
    EXPECT_EQ(styleOf("body {"), Highlighter::StyleBlockBase + C::Tag);
    EXPECT_EQ(styleOf("#333"), Highlighter::StyleBlockBase + C::Value);
    // And the markup after it is HTML again.
    EXPECT_EQ(styleOf("<script", 1), H::Tag);
}

TEST_F(HighlightingTest, StyleBlocksAreFoundWhateverTheCaseOfTheirStartTag)
{
    // The window is looked through for "<style" before its tags are read.
    for (const QString &tag : {u"<style>"_s, u"<STYLE>"_s, u"<Style media=\"all\">"_s, u"<sTyLe\r\n>"_s}) {
        load(u"<p>x</p>\r\n"_s + tag + u"p { color: red }</style>\r\n<p>y</p>"_s);
        EXPECT_EQ(styleOf("color"), Highlighter::StyleBlockBase + C::CSS1Property) << tag.toStdString();
    }
}

TEST_F(HighlightingTest, TagsOfTheListsAreKnownAndTyposStandOut)
{
    load(MixedPage);
    EXPECT_EQ(styleOf("<tabel>", 1), H::UnknownTag);
    EXPECT_EQ(styleOf("</tabel>", 2), H::UnknownTag);
    EXPECT_EQ(styleOf("<idate>", 1), H::Tag);  // from the "ihtml" list
    EXPECT_EQ(styleOf("<ihtml>", 1), H::Tag);
    EXPECT_EQ(styleOf("<title>", 1), H::Tag);
    load(u"<p bgcolr=\"x\" align=\"left\" target=\"_top\">"_s);
    EXPECT_EQ(styleOf("bgcolr"), H::UnknownAttribute);
    EXPECT_EQ(styleOf("align"), H::Attribute);
    EXPECT_EQ(styleOf("target"), H::Attribute);
    EXPECT_NE(fore(H::UnknownTag), fore(H::Tag));
    EXPECT_NE(fore(H::UnknownAttribute), fore(H::Attribute));
}

TEST_F(HighlightingTest, AspDelimitersInsideStringsAndAttributeValues)
{
    load(MixedPage);
    // "%>" inside a string is part of the string; the block ends at the "%>" after it.
    EXPECT_EQ(styleOf("%> b\""), H::ASPVBScriptString);
    EXPECT_EQ(styleOf(" b\" %>"), H::ASPVBScriptString);
    EXPECT_EQ(styleOf("%>\r\n<p"), H::ASPAtStart);
    EXPECT_EQ(styleOf("\r\n<p class"), H::Default);
    // "<%" inside an attribute value opens a block there, and the value goes on after it.
    EXPECT_EQ(styleOf("<%=id"), H::ASPAtStart);
    EXPECT_EQ(styleOf("id%>"), H::ASPVBScriptIdentifier);
    EXPECT_EQ(styleOf("\">link", 1), H::Tag);
    EXPECT_EQ(styleOf("link</a>"), H::Default);
}

TEST_F(HighlightingTest, LanguageDirectiveAndScriptLanguage)
{
    load(u"<%@ Language=JScript %>\r\n<% var n = 1; %>\r\n<script language=\"vbscript\">\r\nDim a\r\n</script>"_s);
    EXPECT_EQ(styleOf("var n"), H::ASPJavaScriptKeyword);
    EXPECT_EQ(styleOf("Dim a"), H::VBScriptKeyword);
    load(u"<script type=\"text/vbscript\">If x Then</script><script>if (x) {}</script>"_s);
    EXPECT_EQ(styleOf("If x"), H::VBScriptKeyword);
    EXPECT_EQ(styleOf("if (x)"), H::JavaScriptKeyword);
}

TEST_F(HighlightingTest, StyleSheetDocument)
{
    hl()->setLanguage(ui::Language::Css);
    load(u"@media print {\r\n  body { color: red; margin: 0 } /* note */\r\n}\r\n"_s);
    EXPECT_EQ(styleOf("color"), C::CSS1Property);
    EXPECT_EQ(styleOf("body"), C::Tag);
    EXPECT_EQ(styleOf("note"), C::Comment);
    EXPECT_TRUE(styleOf("@media", 1) == C::MediaRule || styleOf("@media", 1) == C::AtRule) << styleOf("@media", 1);
    hl()->setLanguage(ui::Language::Html);
    hl()->styleRange(0, send(QsciScintillaBase::SCI_GETLENGTH));
    EXPECT_NE(styleOf("color"), C::CSS1Property);
}

TEST_F(HighlightingTest, EveryStyleIsReadableOnTheBackground)
{
    for (const QColor &bg : {QColor(Qt::white), QColor(0x1e, 0x1e, 0x1e), QColor(0x00, 0x00, 0xff),
                             QColor(0xff, 0x00, 0x00), QColor(0x00, 0xc0, 0x00), QColor(0x80, 0x80, 0x80)}) {
        hl()->setBackground(bg);
        for (ui::Language language : {ui::Language::Html, ui::Language::Css}) {
            hl()->setLanguage(language);
            for (int s : textStyles()) {
                EXPECT_EQ(back(s), bg) << s;
                EXPECT_GE(core::contrastRatio(fore(s).rgb(), bg.rgb()), 4.5)
                    << "style " << s << " on " << bg.name().toStdString();
            }
        }
    }
    // On white the palette shows as chosen: several distinct colours, not everything black.
    hl()->setBackground(Qt::white);
    hl()->setLanguage(ui::Language::Html);
    std::set<QRgb> colours;
    for (int s : textStyles())
        colours.insert(fore(s).rgb());
    EXPECT_GE(colours.size(), 8u);
}

TEST_F(HighlightingTest, ChosenFontReachesEveryStyleAndIsCleared)
{
    QFont f(u"DejaVu Serif"_s, 15);
    f.setBold(true);
    f.setItalic(true);
    f.setUnderline(true);
    hl()->setTextFormat(f, QColor(0x12, 0x34, 0x56));
    for (int s : textStyles()) {
        char face[128] = {};
        send(QsciScintillaBase::SCI_STYLEGETFONT, s, long(reinterpret_cast<intptr_t>(face)));
        EXPECT_STREQ(face, "DejaVu Serif") << s;
        EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETSIZE, s), 15) << s;
        EXPECT_GE(send(QsciScintillaBase::SCI_STYLEGETWEIGHT, s), QsciScintillaBase::SC_WEIGHT_BOLD) << s;
        EXPECT_TRUE(send(QsciScintillaBase::SCI_STYLEGETITALIC, s)) << s;
        EXPECT_TRUE(send(QsciScintillaBase::SCI_STYLEGETUNDERLINE, s)) << s;
        EXPECT_EQ(fore(s), QColor(0x12, 0x34, 0x56)) << s;
    }
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    f.setPointSize(9);
    hl()->setTextFormat(f, QColor()); // the automatic colour: the palette again
    for (int s : textStyles()) {
        EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETSIZE, s), 9) << s;
        EXPECT_EQ(send(QsciScintillaBase::SCI_STYLEGETWEIGHT, s), QsciScintillaBase::SC_WEIGHT_NORMAL) << s;
        EXPECT_FALSE(send(QsciScintillaBase::SCI_STYLEGETITALIC, s)) << s;
        EXPECT_FALSE(send(QsciScintillaBase::SCI_STYLEGETUNDERLINE, s)) << s;
    }
    EXPECT_NE(fore(H::Tag), fore(H::Attribute));
}

TEST_F(HighlightingTest, TagMatchingRespectsNestingAndMarksNothingUnmatched)
{
    load(u"<div id=a>\r\n<DIV>x</div>\r\n<!-- </div> -->\r\n<br/>\r\n</div>\r\n<p>open\r\n</span>"_s);
    const long outer = at("<div id"), inner = at("<DIV>");
    const long innerClose = at("</div>"), outerClose = at("</div>", 0, 2);
    caretAt(outer + 2); // on "div"
    EXPECT_TRUE(tagMarked(outer));
    EXPECT_TRUE(tagMarked(outerClose));
    EXPECT_FALSE(tagMarked(inner));
    EXPECT_FALSE(tagMarked(innerClose));
    EXPECT_FALSE(tagMarked(at("</div> -->"))); // in a comment: not a tag
    caretAt(innerClose + 4); // on the inner closing tag's name: its opening tag, case aside
    EXPECT_TRUE(tagMarked(inner));
    EXPECT_TRUE(tagMarked(innerClose));
    EXPECT_FALSE(tagMarked(outer));
    caretAt(outerClose + 3);
    EXPECT_TRUE(tagMarked(outer));
    // Unmatched: an element without its end, an end without its start, text outside tags.
    for (long p : {at("<p>") + 1, at("</span>") + 3, at("open") + 1, at("<br/>") + 2}) {
        caretAt(p);
        EXPECT_FALSE(tagMarked(outer)) << p;
        EXPECT_FALSE(tagMarked(at("<p>"))) << p;
        EXPECT_FALSE(tagMarked(at("</span>"))) << p;
    }
}

TEST_F(HighlightingTest, BracketsMatchInScriptsAndStyleSheetsOnly)
{
    load(u"<p>(text)</p><script>f(a[1]);</script><style>a { b: c }</style>"_s);
    caretAt(at("(a[") + 1);
    EXPECT_EQ(hl()->markedBraces(), std::make_pair(at("(a["), at(");")));
    caretAt(at("[1]"));
    EXPECT_EQ(hl()->markedBraces(), std::make_pair(at("[1]"), at("]);")));
    caretAt(at("{ b") + 1);
    EXPECT_EQ(hl()->markedBraces(), std::make_pair(at("{ b"), at("}</style")));
    caretAt(at("(text)") + 1); // markup text: no brackets there
    EXPECT_EQ(hl()->markedBraces(), std::make_pair(-1L, -1L));
    load(u"<script>f(a;</script>"_s);
    caretAt(at("(a") + 1);
    EXPECT_EQ(hl()->markedBraces(), std::make_pair(-1L, -1L));
}

TEST_F(HighlightingTest, AccessibleTextReportsTheAttributesOfEachRun)
{
    load(u"<p class=\"x\">网页</p>"_s);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&ed);
    ASSERT_TRUE(iface && iface->textInterface());
    auto attributes = [&](int offset, int *start, int *end) {
        QMap<QString, QString> m;
        for (const QString &pair : iface->textInterface()->attributes(offset, start, end).split(u';', Qt::SkipEmptyParts))
            m.insert(pair.section(u':', 0, 0), pair.section(u':', 1));
        return m;
    };
    int start = -1, end = -1;
    auto a = attributes(1, &start, &end); // "<p"
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2);
    const QColor tag = fore(H::Tag), paper = back(H::Tag);
    // IAccessible2's names, which the platform bridges translate.
    EXPECT_EQ(a.value(u"color"_s), u"rgb(%1,%2,%3)"_s.arg(tag.red()).arg(tag.green()).arg(tag.blue()));
    EXPECT_EQ(a.value(u"background-color"_s), u"rgb(%1,%2,%3)"_s.arg(paper.red()).arg(paper.green()).arg(paper.blue()));
    EXPECT_FALSE(a.value(u"font-family"_s).isEmpty());
    EXPECT_TRUE(a.value(u"font-size"_s).endsWith(u"pt"_s));
    EXPECT_EQ(a.value(u"font-style"_s), u"normal"_s);
    EXPECT_EQ(a.value(u"font-weight"_s), u"400"_s);
    EXPECT_EQ(a.value(u"text-underline-type"_s), u"none"_s);
    EXPECT_EQ(a.value(u"text-line-through-type"_s), u"none"_s);
    a = attributes(4, &start, &end); // in "class"
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 8);
    EXPECT_NE(a.value(u"color"_s), attributes(1, &start, &end).value(u"color"_s));
    // Characters, not bytes: the two Chinese characters are one run of two.
    a = attributes(14, &start, &end);
    EXPECT_EQ(start, 13);
    EXPECT_EQ(end, 15);

    QFont f(u"DejaVu Sans"_s, 13);
    f.setItalic(true);
    f.setBold(true);
    f.setUnderline(true);
    hl()->setTextFormat(f, QColor());
    ed.setStrikeout(true, Qt::black);
    a = attributes(1, &start, &end);
    EXPECT_EQ(a.value(u"font-family"_s), u"DejaVu Sans"_s);
    EXPECT_EQ(a.value(u"font-size"_s), u"13pt"_s);
    EXPECT_EQ(a.value(u"font-style"_s), u"italic"_s);
    EXPECT_EQ(a.value(u"font-weight"_s), u"700"_s);
    EXPECT_EQ(a.value(u"text-underline-type"_s), u"single"_s);
    EXPECT_EQ(a.value(u"text-line-through-type"_s), u"single"_s);
}

TEST_F(HighlightingTest, ColouringNeverChangesTextUndoOrModification)
{
    QSignalSpy changes(&ed, &CodeEditor::contentChanged);
    load(MixedPage);
    const QByteArray before(ed.buffer().data(), ed.buffer().size());
    const int reported = int(changes.count());
    EXPECT_FALSE(send(QsciScintillaBase::SCI_CANUNDO));
    caretAt(at("<p class") + 1);
    hl()->setBackground(QColor(0x20, 0x20, 0x20));
    hl()->setLanguage(ui::Language::Css);
    hl()->setLanguage(ui::Language::Html);
    hl()->styleRange(0, send(QsciScintillaBase::SCI_GETLENGTH));
    ed.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(QByteArray(ed.buffer().data(), ed.buffer().size()), before);
    EXPECT_EQ(changes.count(), reported);
    EXPECT_FALSE(send(QsciScintillaBase::SCI_CANUNDO));
    EXPECT_FALSE(send(QsciScintillaBase::SCI_GETMODIFY));
}

TEST_F(HighlightingTest, VeryLargeTextIsPlainAndSmallTextColouredAgain)
{
    QByteArray big(ui::HighlightLimit + 1, 'a');
    big.replace(0, 5, "<p>x\n");
    ed.replaceAllWithEditorBytes(std::move(big));
    EXPECT_FALSE(hl()->active());
    EXPECT_EQ(styleAt(1), 0);
    int start = -1, end = -1;
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(&ed)->textInterface()->attributes(1, &start, &end).contains(u"color:rgb("_s));
    load(u"<p>x</p>"_s);
    EXPECT_TRUE(hl()->active());
    EXPECT_EQ(styleAt(1), H::Tag);
    EXPECT_EQ(ed.wholeText(), u"<p>x</p>"_s);
    // A short text with one very long line is coloured: the lexer does not style the whole line
    // again at every keystroke.
    const QString longLine = u"<p>"_s + QString(4 << 20, u'x') + u"</p>\r\n<p>y</p>"_s;
    ed.replaceAll(longLine);
    EXPECT_TRUE(hl()->active());
    hl()->styleRange(0, send(QsciScintillaBase::SCI_GETLENGTH));
    EXPECT_EQ(styleAt(at("</p>", 1)), H::Tag);
}

TEST_F(HighlightingTest, FarJumpsStyleWhatIsShownNotEverythingBefore)
{
    QString text;
    while (text.size() < 3 * 1024 * 1024)
        text += u"<p class=\"a\">line</p>\r\n"_s;
    ed.replaceAll(text);
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    const long last = long(ed.buffer().lastIndexOf("<p"));
    const long middle = long(ed.buffer().indexOf("<p", length / 2));
    // The end shown: styled at once, the text far before it left for later.
    send(QsciScintillaBase::SCI_GOTOPOS, length);
    ed.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(styleAt(last + 1), H::Tag);
    EXPECT_EQ(styleAt(last + 3), H::Attribute);
    EXPECT_EQ(styleAt(middle + 1), H::Default);
    // Wanted later (shown, read by assistive technology, matched), it is styled then.
    hl()->styleRange(middle, middle + 30);
    EXPECT_EQ(styleAt(middle + 1), H::Tag);
    EXPECT_EQ(styleAt(last + 1), H::Tag);
    send(QsciScintillaBase::SCI_GOTOPOS, 0);
    ed.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(styleAt(1), H::Tag);
    EXPECT_EQ(styleAt(middle + 1), H::Tag);
    EXPECT_EQ(ed.wholeText(), text);
}

TEST_F(HighlightingTest, StyleBlocksAreDrawnInTheirColoursTheFirstTimeTheyAreShown)
{
    // Drawn by the paint that styles them, the text just loaded or scrolled to, not a later one.
    const long shown = send(QsciScintillaBase::SCI_LINESONSCREEN);
    for (long fillerLines : {2L, 3 * shown}) {
        SCOPED_TRACE(fillerLines);
        ed.replaceAll(u"<p>filler</p>\r\n"_s.repeated(fillerLines) +
                      u"<style type=\"text/css\">\r\nbody { color: #333; margin: 0 }\r\n</style>\r\n"_s);
        if (fillerLines > shown) {
            QCoreApplication::processEvents();
            send(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, fillerLines - 1);
        }
        const QImage first = ed.viewport()->grab().toImage();
        for (const char *word : {"body {", "color:", "#333"})
            EXPECT_TRUE(testsupport::drawnInItsStyleColour(&ed, first, at(word))) << word;
        EXPECT_NE(testsupport::styleColourAt(&ed, at("color:")), testsupport::styleColourAt(&ed, at("<p>", 3)));
    }
}

TEST_F(HighlightingTest, MarkupIsReadWhereTheLexerFoundItNotWhereAWindowBeginsWithIt)
{
    // A script longer than the 64 KB read before a shown style block or an end tag, with "<!--"
    // in a string near its end: read from inside the script, it would start a comment running to
    // the last "-->" and hide the block and the start tag.
    ed.replaceAll(u"<script>\r\n"_s + u"var a = 1;\r\n"_s.repeated(7000) +
                  u"var s = \"<!--\";\r\n</script>\r\n<b><style>p { color: red }</style></b>\r\n<!-- end -->\r\n"_s);
    hl()->styleRange(at("color"), at("color", 5));
    EXPECT_GE(styleOf("color"), Highlighter::StyleBlockBase);
    caretAt(at("</b>", 3));
    EXPECT_TRUE(tagMarked(at("<b>")));
}
