// SPDX-License-Identifier: GPL-3.0-or-later
// The element under the caret, where it ends, and its rewrite, on texts alone.
#include "markup/element_edit.h"
#include "markup/element_place.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace markup;

namespace {

/// The element found with the caret where '‸' stands.
FoundElement findAt(QString text)
{
    const qsizetype caret = text.indexOf(u'‸');
    text.remove(caret, 1);
    static QString kept; // the found element's positions refer to the text
    kept = text;
    return findElement(kept, caret);
}

QString tagName(const FoundElement &f)
{
    return f.element ? f.element->tag.name(f.element->text).toString() : u"(none: "_s + f.note + u")"_s;
}

} // namespace

TEST(ElementEnd, TheMatchingEndTagOrNothing)
{
    struct {
        QString text, end;
    } cases[] = {
        {u"<select><!-- </select> --><option>a</option><select></select></SELECT>after"_s, u"</SELECT>"_s},
        {u"<script>if (a</b) x = '</scripts>';</script >"_s, u"</script >"_s},
        {u"<textarea>never closed"_s, QString()},
        {u"<select><option title=\"never closed></select>"_s, QString()},
        {u"<label>a</label"_s, QString()},
    };
    for (const auto &c : cases) {
        const auto end = findEndTag(c.text, *scanTag(c.text, 0));
        EXPECT_EQ(end ? c.text.mid(end->first, end->second - end->first) : QString(), c.end) << c.text.toStdString();
    }
}

TEST(ElementUnderCaret, EdgesOfTheStartTag)
{
    EXPECT_EQ(tagName(findAt(u"text ‸<a href=\"x\">link</a>"_s)), u"a"_s) << "just before '<'";
    EXPECT_EQ(tagName(findAt(u"<a href=\"x\"‸>link</a>"_s)), u"a"_s) << "on '>'";
    EXPECT_EQ(tagName(findAt(u"<a href=\"x\">‸link</a>"_s)), u"a"_s) << "just after '>'";
    EXPECT_EQ(tagName(findAt(u"<a title=\"1 >‸ 0\" href=x>link</a>"_s)), u"a"_s) << "in a value holding '>'";
    EXPECT_EQ(tagName(findAt(u"<b>‸<img src=x></b>"_s)), u"img"_s) << "a tag starting at the caret wins";
    EXPECT_EQ(tagName(findAt(u"<IMG\r\n SRC=x\r\n‸ ALT=y>"_s)), u"IMG"_s) << "over several lines";
}

TEST(ElementUnderCaret, ContainersOwningTheirContent)
{
    EXPECT_EQ(tagName(findAt(u"<select name=s><option value=1>O‸ne</option></select>"_s)), u"select"_s);
    EXPECT_EQ(tagName(findAt(u"<select name=s><opt‸ion value=1>One</option></select>"_s)), u"select"_s);
    EXPECT_EQ(tagName(findAt(u"<select name=s><option>One</option></sel‸ect>"_s)), u"select"_s);
    EXPECT_EQ(tagName(findAt(u"<script>if (a <b‸) {}</script>"_s)), u"script"_s)
        << "script text is not markup";
    EXPECT_EQ(tagName(findAt(u"<textarea>a <a href=x>‸</textarea>"_s)), u"textarea"_s);
    EXPECT_EQ(tagName(findAt(u"<select name=s></select> te‸xt"_s)).left(5), u"(none"_s)
        << "after the container has closed";
}

TEST(ElementUnderCaret, NothingOutsideElementsCommentsAndServerCode)
{
    const FoundElement outside = findAt(u"<p>plain ‸text</p>"_s);
    EXPECT_FALSE(outside.form);
    EXPECT_FALSE(outside.note.isEmpty());
    const FoundElement comment = findAt(u"<!-- <a href=\"x\">‸</a> -->"_s);
    EXPECT_FALSE(comment.form);
    EXPECT_TRUE(comment.note.contains(u"注释"_s));
    const FoundElement asp = findAt(u"<% if a < b then %><% Response.Write(\"<a h‸ref=x>\") %>"_s);
    EXPECT_FALSE(asp.form);
    EXPECT_TRUE(asp.note.contains(u"ASP"_s));
    const FoundElement flash = findAt(u"<object classid=\"clsid:D27C\">\r\n<embed src=\"a.swf\" qua‸lity=\"high\"></embed>"_s);
    EXPECT_FALSE(flash.form);
    EXPECT_TRUE(flash.note.contains(u"Flash"_s));
    EXPECT_FALSE(findAt(u"<map name=m>\r\n<area sh‸ape=\"rect\">\r\n</map>"_s).form);
    const FoundElement open = findAt(u"<select name=s>‸<option>never closed"_s);
    EXPECT_FALSE(open.form);
    EXPECT_TRUE(open.note.contains(u"select"_s));
}

TEST(ElementUnderCaret, EachElementGoesToTheDialogThatWritesIt)
{
    auto dialogOf = [](const QString &text) {
        const FoundElement f = findAt(text);
        return f.form ? f.form->definition().name : u"(none)"_s;
    };
    EXPECT_EQ(dialogOf(u"<a ‸href=\"x.html\">"_s), u"HyperlinkDialog"_s);
    EXPECT_EQ(dialogOf(u"<a ‸href=\"MAILTO:me@x.cn?Subject=hi\">"_s), u"EmailLinkDialog"_s);
    EXPECT_EQ(dialogOf(u"<a ‸href=\"mailto:me@x.cn?cc=you@x.cn\">"_s), u"HyperlinkDialog"_s)
        << "a query the e-mail dialog cannot show";
    EXPECT_EQ(dialogOf(u"<a ‸name=top>"_s), u"AnchorDialog"_s);
    EXPECT_EQ(dialogOf(u"<img ‸src=a.png>"_s), u"ImageDialog"_s);
    EXPECT_EQ(dialogOf(u"<bgsound ‸src=a.mid>"_s), u"BackgroundSoundDialog"_s);
    EXPECT_EQ(dialogOf(u"<link ‸rel=StyleSheet href=a.css>"_s), u"StyleSheetDialog"_s);
    EXPECT_EQ(dialogOf(u"<link ‸rel=icon href=a.ico>"_s), u"(none)"_s);
    EXPECT_EQ(dialogOf(u"<form ‸action=a.asp></form>"_s), u"FormDialog"_s);
    EXPECT_EQ(dialogOf(u"<input ‸name=q>"_s), u"TextFieldDialog"_s);
    EXPECT_EQ(dialogOf(u"<input ‸type=PASSWORD>"_s), u"TextFieldDialog"_s);
    EXPECT_EQ(dialogOf(u"<input ‸type=reset>"_s), u"ButtonDialog"_s);
    EXPECT_EQ(dialogOf(u"<input ‸type=\"\">"_s), u"ButtonDialog"_s);
    EXPECT_EQ(dialogOf(u"<input ‸type=checkbox>"_s), u"(none)"_s);
    EXPECT_EQ(dialogOf(u"<textarea>‸</textarea>"_s), u"TextFieldDialog"_s);
    EXPECT_EQ(dialogOf(u"<embed ‸src=a.wmv>"_s), u"MediaDialog"_s);
    EXPECT_EQ(dialogOf(u"<label>‸x</label>"_s), u"LabelDialog"_s);
    EXPECT_EQ(dialogOf(u"<caption>‸x</caption>"_s), u"CaptionDialog"_s);
    EXPECT_EQ(dialogOf(u"<table ‸border=1>"_s), u"(none)"_s);
}

namespace {

/// The element's text after the rewrite of the dialog's output, for a hyperlink.
QString rewriteLink(const QString &text, const QStringList &changed, const QString &output)
{
    const std::vector<OwnedPart> owned{{u"href"_s, {u"编辑框1"_s}}, {u"title"_s, {u"编辑框2"_s}}, {u"target"_s, {u"组合框1"_s}}};
    const Element e{text, *scanTag(text, 0), std::nullopt};
    const std::optional<Rewrite> r = rewriteElement(e, owned, changed, output);
    if (!r)
        return u"(unchanged)"_s;
    return text.left(r->from) + r->text + text.mid(r->to);
}

} // namespace

TEST(ElementRewrite, OnlyAttributesOfChangedFieldsAreWrittenAnew)
{
    const QString link = u"<a href=\"a?x=1&amp;y=2\" target=frame2\tid=k>text</a>"_s;
    EXPECT_EQ(rewriteLink(link, {}, u"<a href=\"b\" title=\"\" target=\"\"></a> "_s), u"(unchanged)"_s)
        << "nothing changed, nothing written";
    EXPECT_EQ(rewriteLink(link, {u"编辑框2"_s}, u"<a href=\"a?x=1&amp;y=2\" title=\"T\" target=\"frame2\"></a> "_s),
              u"<a href=\"a?x=1&amp;y=2\" title=\"T\" target=frame2\tid=k>text</a>"_s);
    EXPECT_EQ(rewriteLink(link, {u"组合框1"_s}, u"<a href=\"a?x=1&amp;y=2\" title=\"\" target=\"_top\"></a> "_s),
              u"<a href=\"a?x=1&amp;y=2\" target=\"_top\"\tid=k>text</a>"_s)
        << "an attribute keeps the blanks in front of it";
    // A typed quote gives what inserting would have given, and loses nothing of the value.
    EXPECT_EQ(rewriteLink(link, {u"编辑框2"_s}, u"<a href=\"a?x=1&amp;y=2\" title=\"say \"hi\"\" target=\"frame2\"></a> "_s),
              u"<a href=\"a?x=1&amp;y=2\" title=\"say \"hi\"\" target=frame2\tid=k>text</a>"_s);
    EXPECT_EQ(rewriteLink(link, {u"编辑框1"_s}, u"no element"_s), u"(unchanged)"_s);
}
