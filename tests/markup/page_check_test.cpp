// SPDX-License-Identifier: GPL-3.0-or-later
// The page checks as plain functions: small pages with the findings expected (line, column, kind)
// and the text their fixes make.
#include "markup/page_check.h"

#include "core/tag_reader.h"
#include "document/templates.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using markup::Finding;

namespace {

struct Expected {
    qsizetype line, column;
    Finding::Kind kind;
    friend bool operator==(const Expected &, const Expected &) = default;
    friend std::ostream &operator<<(std::ostream &os, const Expected &e)
    {
        return os << "{" << e.line << ", " << e.column << ", kind " << int(e.kind) << "}";
    }
};

struct Case {
    const char *name;
    QString page;
    std::vector<Expected> findings;
    QString fixed; // the page after every fix; empty: the page unchanged
    core::Encoding encoding = core::Encoding::Gb18030;
};

std::ostream &operator<<(std::ostream &os, const Case &c) { return os << c.name; }

/// Where the findings are, and the text once every one with a fix is fixed.
std::pair<std::vector<Expected>, QString> run(const std::vector<Finding> &findings, const QByteArray &text)
{
    const markup::LineIndex lines(text);
    std::vector<Expected> places;
    std::vector<markup::CheckFix> fixes;
    for (const Finding &f : findings) {
        const markup::LineColumn at = lines.placeOf(f.from);
        places.push_back({at.line, at.column, f.kind});
        if (f.fix)
            fixes.push_back(*f.fix);
    }
    return {places, QString::fromUtf8(markup::withFixes(text, fixes))};
}

void expectCase(const Case &c, const std::vector<Finding> &findings, const QByteArray &text)
{
    const auto [places, fixed] = run(findings, text);
    EXPECT_EQ(places, c.findings);
    EXPECT_EQ(fixed, c.fixed.isEmpty() ? c.page : c.fixed);
    for (const Finding &f : findings)
        EXPECT_FALSE(f.message.isEmpty()) << f.from;
    if (places != c.findings)
        for (const Finding &f : findings)
            ADD_FAILURE() << f.from << ": " << f.message.toStdString();
}

// ---- full-width punctuation --------------------------------------------------------------------

class FullWidth : public testing::TestWithParam<Case> {};

TEST_P(FullWidth, FoundInMarkupAndCodeOnly)
{
    const QByteArray text = GetParam().page.toUtf8();
    expectCase(GetParam(), markup::fullWidthFindings(text), text);
}

constexpr auto W = Finding::FullWidth;
INSTANTIATE_TEST_SUITE_P(Checks, FullWidth, testing::Values(
    Case{"quotes and equals sign typed full width", u"<img src＝“a.png”>"_s, {{0, 8, W}, {0, 9, W}, {0, 15, W}},
         u"<img src=\"a.png\">"_s},
    Case{"ideographic space and slash in a tag", u"<br／><td　align=center>"_s, {{0, 3, W}, {0, 8, W}}, u"<br/><td align=center>"_s},
    Case{"text between tags and quoted values are Chinese", u"<p title=\"你好，世界\">“引号”（一）；</p>"_s, {}, {}},
    Case{"a quote in an unquoted value", u"<a href=‘a.htm’ title=＂x＂>"_s, {{0, 8, W}, {0, 14, W}, {0, 22, W}, {0, 24, W}},
         u"<a href='a.htm' title=\"x\">"_s},
    Case{"style rules, not their comments and strings",
         u"<style>p｛color：red；｝/* 注：释 */ a{content:\"：\"}</style>"_s, {{0, 8, W}, {0, 14, W}, {0, 18, W}, {0, 19, W}},
         u"<style>p{color:red;}/* 注：释 */ a{content:\"：\"}</style>"_s},
    Case{"a style attribute", u"<p style=\"color：red\">"_s, {{0, 15, W}}, u"<p style=\"color:red\">"_s},
    Case{"script after CR LF and four-byte characters",
         u"𠀀𠀀\r\n<script>var a＝1；// 注；\r\nalert(\"你好；\")；</script>"_s, {{1, 13, W}, {1, 15, W}, {2, 12, W}},
         u"𠀀𠀀\r\n<script>var a=1;// 注；\r\nalert(\"你好；\");</script>"_s},
    Case{"VBScript in a script element and in server code",
         u"<script language=vbscript>x = \"，\" ，y ' 注，</script><% Response.Write(\"好，\"）rem ，\r\n%>"_s,
         {{0, 34, W}, {0, 72, W}}, u"<script language=vbscript>x = \"，\" ,y ' 注，</script><% Response.Write(\"好，\")rem ，\r\n%>"_s},
    Case{"server code in a tag is code, not the tag", u"<a <% If x Then %>href=1<% End If %>>"_s, {}, {}},
    Case{"comments are text", u"<!-- <a href＝x> -->"_s, {}, {}}));

// ---- declared encoding -------------------------------------------------------------------------

class DeclaredEncoding : public testing::TestWithParam<Case> {};

TEST_P(DeclaredEncoding, AgainstTheEncodingSavedIn)
{
    const QByteArray text = GetParam().page.toUtf8();
    expectCase(GetParam(), markup::encodingFindings(text, GetParam().encoding), text);
}

constexpr auto E = Finding::Encoding;
const QString Far = QString(5000, u'中') + u"\r\n"_s;
INSTANTIATE_TEST_SUITE_P(Checks, DeclaredEncoding, testing::Values(
    Case{"UTF-8 declared, GB18030 saved", u"<meta charset=\"utf-8\">"_s, {{0, 15, E}}, u"<meta charset=\"gb2312\">"_s},
    Case{"every form, anywhere in the page",
         u"<%@ CodePage=936 %>\r\n<meta http-equiv=Content-Type content=\"text/html; charset=gb2312\">\r\n"_s + Far +
             u"<style>@charset \"gbk\";</style><% Response.Charset = \"utf-8\" %>"_s,
         {{0, 13, E}, {1, 58, E}, {3, 17, E}},
         u"<%@ CodePage=65001 %>\r\n<meta http-equiv=Content-Type content=\"text/html; charset=utf-8\">\r\n"_s + Far +
             u"<style>@charset \"utf-8\";</style><% Response.Charset = \"utf-8\" %>"_s,
         core::Encoding::Utf8},
    Case{"agreeing declarations", u"<meta charset=gbk><%@ codepage=54936 %>"_s, {}, {}},
    Case{"Big5 saved", u"<meta charset=\"gb2312\">"_s, {{0, 15, E}}, u"<meta charset=\"big5\">"_s, core::Encoding::Big5},
    Case{"a byte-order mark outweighs declarations", u"<meta charset=\"gb2312\">"_s, {}, {}, core::Encoding::Utf16Le}));

// ---- markup ------------------------------------------------------------------------------------

class Markup : public testing::TestWithParam<Case> {};

TEST_P(Markup, ReportedWhereTheEditorShowsIt)
{
    const QByteArray text = GetParam().page.toUtf8();
    expectCase(GetParam(), markup::markupFindings(text), text);
}

constexpr auto M = Finding::Markup;
const QString Head = u"<html><head><title>t</title></head><body>\r\n"_s;
INSTANTIATE_TEST_SUITE_P(Checks, Markup, testing::Values(
    Case{"a clean page", Head + u"<p>好</p></body></html>"_s, {}, {}},
    Case{"img without alt after four-byte characters and a tab", Head + u"𠀀中\t<img src=a.png></body></html>"_s, {{1, 3, M}}, {}},
    Case{"after CR LF, lone CR and server code holding markup",
         Head + u"<% s = \"<td>\" %>\r<p>\r\n<%= \"</p>\" %><b>x</i></b></body></html>"_s, {{3, 13, M}, {3, 21, M}}, {}},
    Case{"server code in values and between attributes hides nothing else",
         Head + u"<a href=\"<%=u%>\" <% If x Then %>title=t<% End If %>>a</a><img src=<%=s%>></body></html>"_s,
         {{1, 57, M}}, {}},
    Case{"unclosed and misnested elements, duplicate id, bad entity",
         Head + u"<div id=a><span>x</div>\r\n<p id=a>&nosuch;</p></body></html>"_s, {{1, 10, M}, {2, 0, M}, {2, 8, M}, {2, 8, M}}, {}},
    Case{"what our templates and toolbar insert",
         u"<html><head><title>t</title></head><body><marquee>m</marquee><bgsound src=a.mid><embed src=a.swf></body></html>"_s,
         {}, {}},
    Case{"elements no list of ours offers are unknown, iHTML-like names too",
         Head + u"<blinky>x</blinky><ifoo></body></html>"_s, {{1, 0, M}, {1, 0, M}, {1, 9, M}, {1, 18, M}, {1, 18, M}}, {}},
    Case{"old elements nest as others do", Head + u"<bq><b>x</bq></body></html>"_s, {{1, 4, M}}, {}},
    Case{"iHTML tags are the server's, holding server code or not; a stray end tag of theirs is found",
         Head + u"<iif cond=\":a eq 1\"><p>x</p></iif>\r\n<iset a=<%=b%>></isql></body></html>"_s, {{2, 15, M}}, {}},
    Case{"<link> without href and rel in an HTML5 page", u"<!DOCTYPE html><html><head><title>t</title><link></head><body></body></html>"_s,
         {{0, 43, M}, {0, 43, M}}, {}}));

TEST(Markup, AFindingNeverPointsIntoServerCode)
{
    const QByteArray text = "<table><% For i = 1 To 3 %><tr><td><%= i %></td><% Next %></table>\r\n<% x %></b><%= y %></isql <%= z %>>";
    const auto blocks = core::serverBlocks(text);
    const std::vector<Finding> findings = markup::markupFindings(text);
    ASSERT_FALSE(findings.empty()); // the stray </b>, and the stray </isql> up to the block in it:
    EXPECT_TRUE(std::any_of(findings.begin(), findings.end(), [&](const Finding &f) {
        return f.from == text.indexOf("</isql") && f.to == text.lastIndexOf("<%");
    }));
    for (const Finding &f : findings)
        for (const auto &[from, to] : blocks)
            EXPECT_TRUE(f.to <= from || to <= f.from) << f.message.toStdString() << " at " << f.from;
}

TEST(Markup, TheTemplatesCheckClean)
{
    for (const document::Pieces *pieces : {&document::newPageTemplate(), &document::aspTemplate()}) {
        QString page;
        for (const QString &piece : *pieces)
            page += piece;
        for (const Finding &f : markup::checkPage(page.toUtf8(), {}))
            ADD_FAILURE() << f.message.toStdString() << "\n" << page.toStdString();
    }
}

/// Pages nested deeper than the markup checker's recursive reader can take crash it (200 000 open
/// <div> run its stack out); open elements that do not nest are no depth.
struct Nesting {
    const char *name;
    QByteArray page;
    bool unparsable;
};

TEST(Markup, APageTooDeepToReadGivesOneFindingSayingSo)
{
    const qsizetype deep = markup::DeepestNesting + 1;
    const std::vector<Nesting> cases = {
        {"open divs that crash the reader", QByteArray("<div>").repeated(200'000), true},
        {"open inline elements in a table cell", "<table><tr><td>" + QByteArray("<b><I>").repeated(deep / 2 + 1), true},
        {"elements closed again", QByteArray("<div><span>x</span></div>").repeated(deep), false},
        {"void and self-closing elements, optional end tags",
         QByteArray("<br><img src=a alt=a><p>x<li>y<option>z<x/>").repeated(deep), false},
        {"end tags close what they skip", QByteArray("<div><b><i></div>").repeated(deep), false},
    };
    for (const Nesting &c : cases) {
        const std::vector<Finding> found = markup::markupFindings(c.page);
        const auto unparsable = std::count_if(found.begin(), found.end(), [](const Finding &f) { return f.kind == Finding::Unparsable; });
        EXPECT_EQ(unparsable, c.unparsable ? 1 : 0) << c.name;
        if (c.unparsable)
            EXPECT_EQ(found.size(), size_t(1)) << c.name;
    }
}

TEST(CheckPage, ReportsProgressAndStopsWhenCancelled)
{
    const QByteArray page = QByteArray("<p>中文<b>x</i></b>\r\n").repeated(40'000);
    std::vector<int> reported;
    markup::PageFacts facts;
    facts.progress = [&](int percent) { reported.push_back(percent); };
    EXPECT_FALSE(markup::checkPage(page, facts).empty());
    ASSERT_GT(reported.size(), size_t(5));
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_EQ(reported.back(), 100);

    // Cancelled while the markup is read: nothing comes back, and the reading stops soon after.
    reported.clear();
    facts.cancelled = [&] { return !reported.empty() && reported.back() > 30; };
    EXPECT_TRUE(markup::checkPage(page, facts).empty());
    EXPECT_LT(reported.back(), 50);
}

// ---- places --------------------------------------------------------------------------------------

TEST(LineIndex, PlacesAndPositionsAgree)
{
    // Line ends of every kind, four-byte and raw bytes, a non-character stepped over byte by byte.
    const QByteArray text = "a\r\n\xF0\xA0\x80\x80\xE4\xB8\xAD\rb\xFF" "c\n\xEF\xBF\xBE" "d";
    const std::vector<std::pair<qsizetype, markup::LineColumn>> places = {
        {0, {0, 0}}, {1, {0, 1}}, {3, {1, 0}}, {7, {1, 1}}, {10, {1, 2}}, {11, {2, 0}}, {12, {2, 1}},
        {13, {2, 2}}, {15, {3, 0}}, {18, {3, 3}}, {19, {3, 4}},
    };
    const markup::LineIndex lines(text);
    EXPECT_EQ(lines.lineCount(), 4);
    // Asked in order and backwards: each answer is the same whatever was asked before.
    for (const auto &[position, place] : places) {
        EXPECT_EQ(lines.placeOf(position), place) << position;
        EXPECT_EQ(lines.positionOf(place), position) << position;
    }
    for (auto p = places.rbegin(); p != places.rend(); ++p) {
        EXPECT_EQ(lines.positionOf(p->second), p->first) << p->first;
        EXPECT_EQ(lines.placeOf(p->first), p->second) << p->first;
    }
    EXPECT_EQ(lines.positionOf({1, 99}), 10); // past the end of a line: its end, before CR
}

} // namespace

// ---- local references and image sizes ----------------------------------------------------------

/// A site: global.asa at its root, the page in a/, an image of 10 × 20 pixels in img/.
class Files : public testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(site.isValid());
        QDir root(site.path());
        ASSERT_TRUE(root.mkpath(u"a"_s) && root.mkpath(u"img"_s));
        for (const QString &name : {u"global.asa"_s, u"a/here.htm"_s, u"a/图.png"_s}) {
            QFile f(root.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        QImage image(10, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        ASSERT_TRUE(image.save(root.filePath(u"img/x.png"_s)));
    }
    QTemporaryDir site;
};

TEST_P(Files, MissingFilesAndImageSizes)
{
    const QByteArray text = GetParam().page.toUtf8();
    expectCase(GetParam(), markup::fileFindings(text, site.filePath(u"a/page.asp"_s)), text);
    EXPECT_TRUE(markup::fileFindings(text, {}).empty()) << "a page without a file has no references to check";
}

constexpr auto F = Finding::MissingFile;
constexpr auto I = Finding::ImageSize;
INSTANTIATE_TEST_SUITE_P(Checks, Files, testing::Values(
    Case{"relative references", u"<a href=\"here.htm\">a</a>\r\n<a href=\"../a/gone.htm#x\">b</a>"_s, {{1, 9, F}}, {}},
    Case{"an image whose height differs, from the site root",
         u"<img src=\"/img/x.png\" width=10 height=\"30\">"_s, {{0, 39, I}}, u"<img src=\"/img/x.png\" width=10 height=\"20\">"_s},
    Case{"an image whose width differs, relative", u"<IMG SRC=../img/x.png WIDTH=12 height=20 alt=\"\">"_s, {{0, 28, I}},
         u"<IMG SRC=../img/x.png WIDTH=10 height=20 alt=\"\">"_s},
    Case{"percentages and server code are no sizes", u"<img src=../img/x.png width=50% height=<%=h%>>"_s, {}, {}},
    Case{"what is no local file",
         u"<a href=\"http://example.com/x\">1</a><a href=mailto:a@b.c>2</a><a href=#top>3</a><a href=\"<%=u%>\">4</a>"
         u"<script src=//host/x.js></script><a href=\"\">5</a>"_s, {}, {}},
    Case{"includes, forms, backgrounds",
         u"<!--#include virtual=\"/inc/top.asp\"--><!--#include file=\"here.htm\"-->\r\n"
         u"<form action=\"do.asp?x=1&amp;y=2\"></form><body background=\"%E5%9B%BE.png\"><td background=无.gif>"_s,
         {{0, 22, F}, {1, 14, F}, {1, 89, F}}, {}}));
