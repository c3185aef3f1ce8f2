// SPDX-License-Identifier: GPL-3.0-or-later
// Typing help: what the context reader answers for texts with a caret mark, and what a user who
// types into the MainWindow's editor gets: end tags, their undo steps, input methods, pasting.
#include "dialog_driver.h"

#include "markup/tag_rename.h"
#include "markup/typing_context.h"
#include "ui/typing_ops.h"

#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QTemporaryDir>
#include <QListWidget>
#include <Qsci/qsciscintilla.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// ---- the context reader ----------------------------------------------------------------------

struct Typed {
    const char *text;     // UTF-8, the caret where '|' stands (just after the typed character)
    const char *inserted; // or, where a list opens, its first item
};
void PrintTo(const Typed &t, std::ostream *out) { *out << t.text; }

/// The answer, reading from the quiet place before `quietBefore` when one is given.
QByteArray answerFor(const char *marked, qsizetype quietBefore = -1)
{
    QByteArray text(marked);
    const qsizetype caret = text.indexOf('|');
    text.remove(caret, 1);
    markup::TypingStretch s{.text = text, .caret = caret};
    if (quietBefore >= 0)
        s.quietFrom = markup::quietPlace(s, quietBefore);
    switch (text[caret - 1]) {
    case '>': return markup::endTagForTypedGt(s);
    case '/': return markup::completionForTypedSlash(s);
    default: break;
    }
    return markup::offeredItems(markup::offerForTyped(s)).value(0).toUtf8();
}

class TypingContext : public ::testing::TestWithParam<Typed> {};

TEST_P(TypingContext, AnswersWhatTheTypedCharacterAsks)
{
    EXPECT_EQ(answerFor(GetParam().text), QByteArray(GetParam().inserted));
    // The same when reading starts at any quiet place.
    const qsizetype caret = QByteArrayView(GetParam().text).indexOf('|');
    for (qsizetype before = 0; before <= caret; ++before)
        EXPECT_EQ(answerFor(GetParam().text, before), QByteArray(GetParam().inserted)) << "quiet place before " << before;
}

INSTANTIATE_TEST_SUITE_P(
    EndTags, TypingContext,
    ::testing::Values(
        Typed{"<table>|", "</table>"}, Typed{"<TABLE border=1>|", "</TABLE>"}, Typed{"<p>|", "</p>"},
        Typed{"<li>|", "</li>"}, Typed{"<a\r\n  href=\"x.htm\"\r\n>|", "</a>"}, Typed{"<span>中文<em>|", "</em>"},
        Typed{"<script>|", "</script>"}, Typed{"<b>|</i>", "</b>"}, Typed{"<a href=x>|", "</a>"},
        Typed{"<td title='<% =x %>'>|", "</td>"},
        // Void elements, "/>", tags closed already, and '>' that ends no start tag.
        Typed{"<br>|", ""}, Typed{"<IMG src=a.gif>|", ""}, Typed{"<input type=text>|", ""}, Typed{"<div/>|", ""},
        Typed{"<b>|</b>", ""}, Typed{"<b>| \r\n\t</B>", ""}, Typed{"<b>x</b>|", ""}, Typed{"a >|", ""},
        Typed{"<!DOCTYPE html>|", ""}, Typed{"<a<%=n%>>|", ""},
        // Comments, values, server blocks, script and style content.
        Typed{"<!-- <b>|", ""}, Typed{"<a title=\"x>|", ""}, Typed{"<% if a <b>|", ""}, Typed{"<%= x %>|", ""},
        Typed{"<script>var s = '<b>|", ""}, Typed{"<style><b>|", ""}));

INSTANTIATE_TEST_SUITE_P(
    Completions, TypingContext,
    ::testing::Values(
        Typed{"<table><tr><td>x</|", "td>"}, Typed{"<ul><li>a</li></|", "ul>"}, Typed{"<DIV></|", "DIV>"},
        Typed{"<div><br><img src=x><p/></|", "div>"}, Typed{"<b><!-- <i> --></|", "b>"}, Typed{"<b><% <i> %></|", "b>"},
        Typed{"<b></x></|", "b>"}, Typed{"<script>if (a</|", "script>"},
        // An end tag ends the elements left open inside it; nothing open, nothing completed.
        Typed{"<b><i></b></|", ""}, Typed{"</|", ""}, Typed{"<!-- <b></|", ""}, Typed{"<a href=\"</|", ""},
        Typed{"<% x = \"</|", ""}));

INSTANTIATE_TEST_SUITE_P(
    Lists, TypingContext,
    ::testing::Values(
        Typed{"<|", "a"}, Typed{"<p>a <|", "a"}, Typed{"a < b <|", "a"}, Typed{"<b>x</b>\r\n<|", "a"},
        Typed{"&|", "nbsp \u00A0"}, Typed{"<p>Tom &|", "nbsp \u00A0"}, Typed{"<a title=\"x &|", "nbsp \u00A0"},
        Typed{"<a href=?a=1&|", "nbsp \u00A0"},
        // Attributes: the element's own first, those written left out; values where HTML fixes them.
        Typed{"<td |", "colspan"}, Typed{"<TD colspan=2 |", "rowspan"}, Typed{"<td colspan=2 rowspan=\"3\" |", "width"},
        Typed{"<span |", "id"}, Typed{"<a\r\n  href='x' |", "target"}, Typed{"<input type=|", "text"},
        Typed{"<input type=\"|", "text"}, Typed{"<form method='|", "get"}, Typed{"<a TARGET=\"|", "_blank"},
        Typed{"<script language=\"|", "JavaScript"}, Typed{"<p dir=|", "ltr"}, Typed{"<div align=\"|", "left"},
        // Nothing: inside tag names, values, comments, server blocks, script or style; values of free text.
        Typed{"<a <|", ""}, Typed{"<a &|", ""}, Typed{"<!-- <|", ""}, Typed{"<!-- &|", ""}, Typed{"<% if a <|", ""},
        Typed{"<% x = \"&|", ""}, Typed{"<script>if (a <|", ""}, Typed{"<style>a &|", ""}, Typed{"a |", ""},
        Typed{"<a title=\"x |", ""}, Typed{"<a href=|", ""}, Typed{"<a title=\"x=|", ""}, Typed{"<a target=\"_top\"|", ""},
        Typed{"<!-- <a |", ""}, Typed{"<b>x</b> |", ""},
        // CSS keywords where a declaration's value starts; ASP objects' members.
        Typed{"<style>p { color:|", "aqua"}, Typed{"<style>\r\np {\r\n  display :|", "inline"},
        Typed{"<style>p { width: 1px; float:|", "left"}, Typed{"<% Response.|", "Write"}, Typed{"<% x = request.|", "Form"},
        Typed{"<style>a:|", ""}, Typed{"<style>p { width:|", "auto"}, Typed{"<style>p { content:|", ""}, Typed{"<p>a:|", ""},
        Typed{"<% foo.|", ""}, Typed{"Response.|", ""}, Typed{"<script>Response.|", ""}, Typed{"<style>p{}</style>p{color:|", ""},
        // A letter that starts a word: CSS property names where a declaration starts, the server's words.
        Typed{"<style>p { c|", "azimuth"}, Typed{"<style>\r\np {\r\n  color: red;\r\n  b|", "azimuth"},
        Typed{"<p style=\"m|", "azimuth"}, Typed{"<p style='color: red; m|", "azimuth"}, Typed{"<% R|", "Eof"},
        Typed{"<%\r\nIf x Then\r\n  r|", "Eof"}, Typed{"<style>p|", ""}, Typed{"<style>p { co|", ""},
        Typed{"<style>p { color: r|", ""}, Typed{"<p style=\"color: r|", ""}, Typed{"<p title=\"m|", ""},
        Typed{"<% x = Response.W|", ""}, Typed{"<% x %> a|", ""}, Typed{"p { c|", ""}, Typed{"<!-- <% a|", ""}));

// ---- the end tag follows its start tag ---------------------------------------------------------

struct Renamed {
    const char *text;  // '[' and ']' mark the bytes edited (the same place for a typed character)
    const char *typed; // what replaces them; empty: they are deleted
    const char *after; // the whole text afterwards
};
void PrintTo(const Renamed &r, std::ostream *out) { *out << r.text << " <- " << r.typed; }

/// Edits the text as a key would and renames the other tag of the pair as typing help does.
QByteArray editAndRename(const Renamed &r)
{
    QByteArray text(r.text);
    const qsizetype from = text.indexOf('['), to = text.indexOf(']') - 1;
    text.remove(to + 1, 1).remove(from, 1);
    const QByteArray typed(r.typed);
    const bool may = markup::mayEditTagName(text, from, to, QString::fromUtf8(typed));
    const std::optional<markup::PairedName> pair = markup::pairedNameAt({.text = text, .start = 0}, from, to);
    text.replace(from, to - from, typed);
    if (!may || !pair)
        return text;
    if (const auto r2 = markup::renameAfterEdit({.text = text}, *pair, typed.size() - (to - from)))
        text.replace(r2->from, r2->to - r2->from, r2->name);
    return text;
}

class TagRenaming : public ::testing::TestWithParam<Renamed> {};

TEST_P(TagRenaming, OtherTagOfThePairFollows)
{
    EXPECT_EQ(editAndRename(GetParam()), QByteArray(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(
    BothWays, TagRenaming,
    ::testing::Values(
        Renamed{"<di[]v>x</div>", "a", "<diav>x</diav>"}, Renamed{"<div[]>x</div>", "x", "<divx>x</divx>"},
        Renamed{"<[d]iv>x</div>", "", "<iv>x</iv>"}, Renamed{"<[div] id=a>x</div>", "SPAN", "<SPAN id=a>x</SPAN>"},
        Renamed{"<b>x</b[]>", "r", "<br>x</br>"}, Renamed{"<p>x</[p]>", "h1", "<h1>x</h1>"},
        Renamed{"<ul>\r\n<li>a</li>\r\n</u[l]>", "", "<u>\r\n<li>a</li>\r\n</u>"},
        // Nesting of the same name is counted; others and "<br/>" are stepped over.
        Renamed{"<div[]><div></div><br/><b>x</b></div>", "2", "<div2><div></div><br/><b>x</b></div2>"},
        Renamed{"<div><div></div></div[]>", "2", "<div2><div></div></div2>"},
        Renamed{"<b><!-- </b> --><% =\"</b>\" %><script>'</b>'</script>x</[b]>", "i",
                "<i><!-- </b> --><% =\"</b>\" %><script>'</b>'</script>x</i>"},
        // Unpaired tags, tags in comments, values, server blocks and scripts, and edits outside a
        // name (or typing what no name holds) are left alone.
        Renamed{"<li[]>a<li>b</ul>", "x", "<lix>a<li>b</ul>"}, Renamed{"<b>x</b></b[]>", "r", "<b>x</b></br>"},
        Renamed{"<!-- <b[]> -->x</b>", "r", "<!-- <br> -->x</b>"}, Renamed{"<% s = \"<b[]>\" %></b>", "r", "<% s = \"<br>\" %></b>"},
        Renamed{"<script>'<b[]>'</script></b>", "r", "<script>'<br>'</script></b>"},
        Renamed{"<a title=\"<b[]>\">x</b>", "r", "<a title=\"<br>\">x</b>"},
        Renamed{"<b [t]itle=x>y</b>", "T", "<b Title=x>y</b>"}, Renamed{"<b>[x]</b>", "y", "<b>y</b>"},
        Renamed{"<b[]>x</b>", " ", "<b >x</b>"}, Renamed{"<b[]>x</b>", ">", "<b>>x</b>"},
        Renamed{"<[b]>x</b>", "", "<>x</b>"}, Renamed{"[<]b>x</b>", "", "b>x</b>"},
        // A tag being typed runs on to the next '>' and pairs with nothing the user wrote.
        Renamed{"a <a[]\r\nb<i>c</a>", "c", "a <ac\r\nb<i>c</a>"},
        // A name that runs on into the next tag ("<di<>") is no name to copy.
        Renamed{"<di<>x</di[]<>", "v", "<di<>x</div<>"}));

TEST(TagRenamingBadInput, DeepNestingIsCountedInOnePass)
{
    // 10,000 nested elements of one name are counted through in one pass.
    const QByteArray deep = "<div>" + QByteArray("<div>").repeated(10000) + QByteArray("</div>").repeated(10001);
    const auto pair = markup::pairedNameAt({.text = deep}, 4, 4);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->otherFrom, deep.size() - 4);
}

TEST(TypingContextStyleSheet, OffersKeywordsWhereADeclarationsValueStarts)
{
    auto head = [](QByteArray text) {
        return markup::offeredItems(markup::offerForTyped({.text = text, .caret = text.size(), .css = true})).value(0);
    };
    EXPECT_EQ(head("body {\r\n  text-align:"), u"left"_s);
    EXPECT_EQ(head("a:"), u""_s);
    EXPECT_EQ(head("body {\r\n  c"), u"azimuth"_s);
    EXPECT_EQ(head("body { color: red; }\r\nt"), u""_s);
    EXPECT_EQ(head("p { color: red; }\r\n<"), u""_s);
}

TEST(TypingContextBadInput, DeepAndStrayNestingIsReadInBoundedTime)
{
    // 10,000 nested elements, then as many end tags that match none of them.
    QByteArray text = "<div>" + QByteArray("<b>").repeated(10000) + QByteArray("</i>").repeated(10000) + "</";
    EXPECT_EQ(markup::completionForTypedSlash({.text = text, .caret = text.size()}), "b>");
    // A 5 MB line with a '<' in its text and an unclosed quote.
    text = "<p title=\"" + QByteArray(5 << 20, 'x') + "<b>";
    EXPECT_EQ(markup::endTagForTypedGt({.text = text, .caret = text.size()}), "");
}

// ---- typing into the editor ----------------------------------------------------------------------

class TypingHelp : public testsupport::DialogDriver {
protected:
    QsciScintilla *editor() { return qobject_cast<QsciScintilla *>(ui::testing::widget(rt, Editor)); }
    void type(const QString &keys) { QTest::keyClicks(editor(), keys); }
    QString text() { return rt.getEditorText(Editor); }
    /// The text with '|' at the caret.
    QString marked()
    {
        QString t = text();
        const auto caret = editor()->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
        return t.insert(QString::fromUtf8(rt.getEditorBuffer(Editor).first(caret)).size(), u'|');
    }
    void undo() { rt.sendEditorCommand(Editor, ui::EditorCommand::Undo); }
};

TEST_F(TypingHelp, TypedStartTagIsClosedAndTypedSlashCompleted)
{
    type(u"<table><tr>"_s);
    EXPECT_EQ(marked(), u"<table><tr>|</tr></table>"_s);
    type(u"<td>1</<td>2"_s);
    EXPECT_EQ(marked(), u"<table><tr><td>1</td><td>2|</td></tr></table>"_s);
    rt.setEditorText(Editor, u"<ul><li>一"_s);
    editor()->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    type(u"</"_s);
    EXPECT_EQ(marked(), u"<ul><li>一</li>|"_s);
}

TEST_F(TypingHelp, OneUndoRemovesOnlyWhatWasInsertedForTheUser)
{
    type(u"<b>"_s);
    ASSERT_EQ(text(), u"<b></b>"_s);
    undo();
    EXPECT_EQ(marked(), u"<b>|"_s);
    type(u"</"_s);
    ASSERT_EQ(text(), u"<b></b>"_s);
    undo();
    EXPECT_EQ(marked(), u"<b></|"_s);
}

TEST_F(TypingHelp, InputMethodPastedAndInsertedTextGetsNoHelp)
{
    type(u"<b"_s);
    {
        QInputMethodEvent composing(u">"_s, {});
        QApplication::sendEvent(editor(), &composing);
        QInputMethodEvent committed;
        committed.setCommitString(u">"_s);
        QApplication::sendEvent(editor(), &committed);
    }
    EXPECT_EQ(text(), u"<b>"_s);
    ASSERT_TRUE(rt.setClipboardText(u"<i>"_s));
    rt.sendEditorCommand(Editor, ui::EditorCommand::Paste);
    rt.insertAtCaret(Editor, u"<u></"_s);
    EXPECT_EQ(text(), u"<b><i><u></"_s);
    // Typing after the input method is done is helped again.
    type(u"<s>"_s);
    EXPECT_EQ(marked(), u"<b><i><u></<s>|</s>"_s);
}

TEST_F(TypingHelp, OpenElementFurtherBackThanTheReachIsNotLookedFor)
{
    rt.setEditorText(Editor, u"<div>"_s + QString(markup::TypingReachBefore, u'x'));
    editor()->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    type(u"</"_s);
    EXPECT_TRUE(text().endsWith(u"x</"_s));
}

TEST_F(TypingHelp, AnEditBeforeWhereTheLastKeyReadFromIsReadAgain)
{
    // The second key reads from where the first found no tag open, unless the text before that
    // place has changed since: here a textarea's content (markup to the lexer) now runs from the
    // text's start.
    rt.setEditorText(Editor, u"<div>"_s + QString(300, u'x') + u"<p>"_s + QString(100, u'y'));
    editor()->SendScintilla(QsciScintilla::SCI_DOCUMENTEND);
    type(u"<b>"_s);
    ASSERT_TRUE(text().endsWith(u"y<b></b>"_s));
    editor()->SendScintilla(QsciScintilla::SCI_INSERTTEXT, 0UL, "<textarea>");
    type(u"<i>"_s);
    EXPECT_TRUE(text().endsWith(u"y<b><i></b>"_s)) << text().right(20).toStdString();
}

TEST_F(TypingHelp, ListInsertsOnlyWhatIsTakenAndNothingByItself)
{
    type(u"<"_s);
    EXPECT_TRUE(ui::isEditorListShown(rt, Editor));
    // One item left is shown, not taken; Enter takes it without a line break.
    type(u"tbod"_s);
    EXPECT_TRUE(ui::isEditorListShown(rt, Editor));
    EXPECT_EQ(marked(), u"<tbod|"_s);
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(marked(), u"<tbody|"_s);
    EXPECT_FALSE(ui::isEditorListShown(rt, Editor));
    type(u"> &cop"_s);
    QTest::keyClick(editor(), Qt::Key_Tab);
    EXPECT_EQ(marked(), u"<tbody> &copy;|</tbody>"_s);
    // Esc closes the list; a name nothing starts with closes it; so does typing on past the name.
    type(u"<"_s);
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_FALSE(ui::isEditorListShown(rt, Editor));
    type(u" &zz"_s);
    EXPECT_FALSE(ui::isEditorListShown(rt, Editor));
    EXPECT_EQ(marked(), u"<tbody> &copy;< &zz|</tbody>"_s);
}

TEST_F(TypingHelp, AttributeIsTakenWithItsQuotesThenItsValue)
{
    type(u"<a tar"_s);
    QTest::keyClick(editor(), Qt::Key_Tab);
    EXPECT_EQ(marked(), u"<a target=\"|\""_s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui::isEditorListShown(rt, Editor); }));
    QTest::keyClick(editor(), Qt::Key_Down);
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(marked(), u"<a target=\"_self\"|"_s);
    type(u" rel="_s);
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(marked(), u"<a target=\"_self\" rel=\"alternate\"|"_s);
    // One undo takes back the value taken, the next the '=' typed before it.
    undo();
    EXPECT_EQ(marked(), u"<a target=\"_self\" rel=|"_s);
}

TEST_F(TypingHelp, ClickTakesAnItem)
{
    type(u"&"_s);
    auto *box = editor()->findChild<QListWidget *>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->item(0)->text(), u"nbsp \u00A0"_s);
    EXPECT_EQ(box->item(5)->text(), u"copy ©"_s);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(5)).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return text() == u"&copy;"_s; })) << text().toStdString();
}

} // namespace

TEST_F(TypingHelp, RenamingFollowsBothWaysAsOneUndoStepWithTheKey)
{
    rt.setEditorText(Editor, u"<div>文</div>"_s);
    editor()->SendScintilla(QsciScintilla::SCI_GOTOPOS, 4L);
    type(u"x"_s);
    EXPECT_EQ(marked(), u"<divx|>文</divx>"_s);
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QTest::keyClick(editor(), Qt::Key_Backspace);
    EXPECT_EQ(marked(), u"<di|>文</di>"_s);
    undo();
    EXPECT_EQ(marked(), u"<div|>文</div>"_s);
    // From the end tag, with Delete; the caret stays in the name it edits.
    editor()->SendScintilla(QsciScintilla::SCI_GOTOPOS, editor()->SendScintilla(QsciScintilla::SCI_GETLENGTH) - 3);
    QTest::keyClick(editor(), Qt::Key_Delete);
    EXPECT_EQ(marked(), u"<dv>文</d|v>"_s);
    type(u"span"_s);
    EXPECT_EQ(marked(), u"<dspanv>文</dspan|v>"_s);
    undo();
    EXPECT_EQ(marked(), u"<dspav>文</dspa|v>"_s);
    // A typed character the editor replaces through an input method renames nothing.
    QInputMethodEvent committed;
    committed.setCommitString(u"n"_s);
    QApplication::sendEvent(editor(), &committed);
    EXPECT_EQ(text(), u"<dspav>文</dspanv>"_s);
}

TEST_F(TypingHelp, WordListNarrowsFromItsFirstLetter)
{
    type(u"<p style=\"col"_s);
    ASSERT_TRUE(ui::isEditorListShown(rt, Editor));
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(marked(), u"<p style=\"color|"_s);
    type(u"\"><% resp"_s);
    QTest::keyClick(editor(), Qt::Key_Tab);
    EXPECT_EQ(marked(), u"<p style=\"color\"><% response|</p>"_s);
}

TEST_F(TypingHelp, FileNamesBesideTheSavedDocument)
{
    type(u"<img src=\""_s);
    EXPECT_FALSE(ui::isEditorListShown(rt, Editor)); // not saved anywhere yet
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"图片"_s));
    for (const QString &name : {u"b.gif"_s, u"A.htm"_s, u"page.htm"_s})
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    main.session().setPath(dir.filePath(u"page.htm"_s));
    rt.setEditorText(Editor, {});
    type(u"<img src=\""_s);
    QListWidget *box = editor()->findChildren<QListWidget *>().last();
    ASSERT_TRUE(box && box->isVisible());
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->item(i)->text();
    EXPECT_EQ(items, (QStringList{u"图片/"_s, u"A.htm"_s, u"b.gif"_s, u"page.htm"_s}));
    QTest::keyClick(editor(), Qt::Key_Down);
    QTest::keyClick(editor(), Qt::Key_Down);
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(marked(), u"<img src=\"b.gif\"|"_s);
}
