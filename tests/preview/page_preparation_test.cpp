// SPDX-License-Identifier: GPL-3.0-or-later
// The page as the preview hands it to the browser, without a browser: placeholders for ASP,
// includes inlined, the base, and each start tag's source offset.
#include "preview/page_preparation.h"

#include "core/texts.h"
#include "support/files.h"

#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

using namespace Qt::Literals::StringLiterals;
using preview::preparePage;
using testsupport::putContent;

namespace {

/// The prepared page as a test reads it: without the byte-order mark and the placeholders' style
/// sheet, the base as "<base>", and each placeholder as [its title@its offset:what it shows].
QString readable(const QByteArray &html, const QString &folder)
{
    EXPECT_TRUE(html.startsWith("\xEF\xBB\xBF"));
    QString s = QString::fromUtf8(html.sliced(3));
    if (!folder.isEmpty())
        s.replace(u"<base href=\"%1\">"_s.arg(QString::fromUtf8(QUrl::fromLocalFile(folder + u'/').toEncoded())),
                  u"<base>"_s);
    static const QRegularExpression sheet(u"<style>qm-asp[^<]*</style>"_s);
    EXPECT_EQ(s.count(sheet), 1) << qPrintable(s);
    s.remove(sheet);
    static const QRegularExpression placeholder(uR"re(<(qm-\w+) data-qm="(\d+)" title="([^"]*)">([^<]*)</\1>)re"_s);
    s.replace(placeholder, u"[\\3@\\2:\\4]"_s);
    return s;
}

struct Case {
    const char *name;
    QString text;
    QString expected;
    bool saved = true; // the page is site/page.asp, else a document without a file
};
// Printed by name, so that test names and reports do not carry the object's bytes.
void PrintTo(const Case &c, std::ostream *out) { *out << c.name; }

class Preparation : public ::testing::TestWithParam<Case> {};

/// A site: site/page.asp is where saved pages live.
struct Site {
    testsupport::OpenFolder dir;
    QString path(const QString &name) const { return dir.path(u"site/"_s + name); }
    void put(const QString &name, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        putContent(path(name), bytes);
    }
};

} // namespace

TEST_P(Preparation, ShowsWhatTheBrowserMayShow)
{
    const Case &c = GetParam();
    Site site;
    site.put(u"inc/head.inc"_s, "<h1>Head</h1>");
    site.put(u"inc/nested.inc"_s, "<i>n</i><!--#include file=\"head.inc\"-->");
    site.put(u"inc/asp.inc"_s, "<% Dim a %><b><%= a %></b>");
    site.put(u"self.inc"_s, "<i>s</i><!--#include file=\"self.inc\"-->");
    site.put(u"gb.inc"_s, core::textToBytes(u"<b>你好</b>"_s));
    site.put(u"global.asa"_s, "");
    site.put(u"sub/x.inc"_s, "<u>x</u>");
    const QString page = c.saved ? site.path(u"page.asp"_s) : QString();
    const preview::PreparedPage p = preparePage(c.text.toUtf8(), page);
    EXPECT_EQ(readable(p.html, site.path({}).chopped(1)), c.expected);
    EXPECT_FALSE(p.cancelled);
}

INSTANTIATE_TEST_SUITE_P(Pages, Preparation, ::testing::Values(
    // Source offsets on start tags, in bytes of UTF-8; none inside comments, declarations and raw text.
    Case{"StartTagsAreMarked", u"<P class=a>中<br/></p>"_s, u"<base><P data-qm=\"0\" class=a>中<br data-qm=\"14\"/></p>"_s},
    Case{"NothingMarkedInComments", u"<!-- <p> --><p>"_s, u"<!-- <p> --><base><p data-qm=\"12\">"_s},
    Case{"NothingMarkedInScripts", u"<script>if (a<b) w('<p>')</SCRIPT ><b>"_s,
         u"<base><script data-qm=\"0\">if (a<b) w('<p>')</SCRIPT ><b data-qm=\"35\">"_s},
    Case{"QuotedGreaterThanStaysInTheTag", u"<a title='a>b' x=\"<i>\"><i>"_s,
         u"<base><a data-qm=\"0\" title='a>b' x=\"<i>\"><i data-qm=\"23\">"_s},
    Case{"NothingMarkedInATitle", u"<title><b>x</b></title>"_s, u"<base><title data-qm=\"0\"><b>x</b></title>"_s},
    Case{"ALoneLessThanIsText", u"<p>1 < 2</p>"_s, u"<base><p data-qm=\"0\">1 < 2</p>"_s},
    // The base: into the head, after the doctype, before the first text; none without a file.
    Case{"BaseAfterTheHeadTag", u"<!DOCTYPE html>\n<html><head><title>t</title>"_s,
         u"<!DOCTYPE html>\n<html data-qm=\"16\"><head data-qm=\"22\"><base><title data-qm=\"28\">t</title>"_s},
    Case{"BaseBeforeTheFirstText", u"<html>hi"_s, u"<html data-qm=\"0\"><base>hi"_s},
    Case{"NoBaseWithoutAFile", u"<p>x</p>"_s, u"<p data-qm=\"0\">x</p>"_s, false},
    // ASP: placeholders in the text, nothing where one would break the markup or the mode.
    Case{"BlockBecomesAPlaceholder", u"<p>a<% If  x\n Then %>b</p>"_s, u"<base><p data-qm=\"0\">a[ASP 代码@4:If x Then]b</p>"_s},
    Case{"ExpressionBecomesABox", u"<p><%= name %></p>"_s, u"<base><p data-qm=\"0\">[ASP 表达式@3:name]</p>"_s},
    Case{"BlockInAttributeLeavesNothing", u"<a href=\"<%=url%>\">x</a>"_s, u"<base><a data-qm=\"0\" href=\"\">x</a>"_s},
    Case{"BlockInANameOrACommentLeavesNothing", u"<!-- <% x %> --><a<%=n%> href=x>"_s,
         u"<!--  --><base><a data-qm=\"16\" href=x>"_s},
    Case{"BlockInScriptLeavesNothing", u"<script>n = <%= n %>;</script>"_s, u"<base><script data-qm=\"0\">n = ;</script>"_s},
    Case{"DirectivesAndThePrologueLeaveNothing", u"<%@ Language=VBScript %>\n<% Option Explicit %>\n<!DOCTYPE html><p><%@ x %>"_s,
         u"\n\n<!DOCTYPE html><base><p data-qm=\"62\">"_s},
    Case{"EndMarkInAStringDoesNotEndTheBlock", u"<p><% w \"50%>\" %>x"_s, u"<base><p data-qm=\"0\">[ASP 代码@3:w &quot;50%&gt;&quot;]x"_s},
    Case{"UnclosedBlockRunsToTheEnd", u"<p>a<% x"_s, u"<base><p data-qm=\"0\">a[ASP 代码@4:x]"_s},
    Case{"LongBlockShowsItsFirstWords", u"<p><% "_s + QString(50, u'字') + u" %>"_s,
         u"<base><p data-qm=\"0\">[ASP 代码@3:"_s + QString(40, u'字') + u"…]"_s},
    // Includes: the file's text, its tags marked with where the include stands.
    Case{"IncludeIsInlined", u"<p><!--#include file=\"inc/head.inc\" --></p>"_s,
         u"<base><p data-qm=\"0\"><h1 data-qm=\"3\">Head</h1></p>"_s},
    Case{"NestedIncludeIsRelativeToItsFile", u"<p><!--#INCLUDE FILE='inc/nested.inc'-->"_s,
         u"<base><p data-qm=\"0\"><i data-qm=\"3\">n</i><h1 data-qm=\"3\">Head</h1>"_s},
    Case{"IncludedAspBecomesPlaceholders", u"<p><!--#include file=inc/asp.inc-->"_s,
         u"<base><p data-qm=\"0\">[ASP 代码@3:Dim a]<b data-qm=\"3\">[ASP 表达式@3:a]</b>"_s},
    Case{"IncludeInAScriptIsMoreScript", u"<script><!--#include file=inc/asp.inc--></script><i>"_s,
         u"<base><script data-qm=\"0\"><b></b></script><i data-qm=\"49\">"_s},
    Case{"MissingIncludeInAScriptLeavesNothing", u"<script><!--#include file=\"no.inc\"--></script>"_s,
         u"<base><script data-qm=\"0\"></script>"_s},
    Case{"VirtualIsRelativeToTheSiteRoot", u"<p><!--#include virtual=\"/sub/x.inc\"-->"_s,
         u"<base><p data-qm=\"0\"><u data-qm=\"3\">x</u>"_s},
    Case{"IncludedBytesAreReadInTheirEncoding", u"<p><!--#include file=\"gb.inc\"-->"_s,
         u"<base><p data-qm=\"0\"><b data-qm=\"3\">你好</b>"_s},
    Case{"MissingIncludeSaysSo", u"<p><!--#include file=\"no.inc\"-->"_s,
         u"<base><p data-qm=\"0\">[#include@3:#include no.inc：找不到文件]"_s},
    Case{"FolderIsNoInclude", u"<p><!--#include file=\"inc\"-->"_s, u"<base><p data-qm=\"0\">[#include@3:#include inc：不是文件]"_s},
    Case{"UnsavedPageHasNowhereToLook", u"<p><!--#include file=\"inc/head.inc\"-->"_s,
         u"<p data-qm=\"0\">[#include@3:#include inc/head.inc：文档尚未保存，无处可找]"_s, false},
    Case{"MalformedIncludeIsAComment", u"<!--#include file=--><p>"_s, u"<!--#include file=--><base><p data-qm=\"21\">"_s}),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(Preparation, ASelfIncludeStopsEightDeep)
{
    Site site;
    site.put(u"self.inc"_s, "<i>s</i><!--#include file=\"self.inc\"-->");
    const preview::PreparedPage p = preparePage("<p><!--#include file=\"self.inc\"-->", site.path(u"page.asp"_s));
    const QString shown = readable(p.html, site.path({}).chopped(1));
    EXPECT_EQ(shown.count(u"<i data-qm=\"3\">s</i>"_s), preview::MaxIncludeDepth);
    EXPECT_TRUE(shown.endsWith(u"[#include@3:#include self.inc：包含超过 8 层]"_s)) << qPrintable(shown);
    EXPECT_EQ(p.missingIncludes, QStringList{u"self.inc"_s});
}

TEST(Preparation, IncludesStopAddingAtTheirLimit)
{
    // Each file includes the next twice: 2^8 copies of 1 MB would be 256 MB.
    Site site;
    site.put(u"big.inc"_s, QByteArray(1 << 20, 'x') + "<!--#include file=\"big.inc\"--><!--#include file=\"big.inc\"-->");
    const preview::PreparedPage p = preparePage("<p><!--#include file=\"big.inc\"-->", site.path(u"page.asp"_s));
    EXPECT_LE(p.html.size(), preview::MaxIncludedBytes + (1 << 20));
    EXPECT_FALSE(p.missingIncludes.isEmpty());
}

TEST(Preparation, TheSiteRootIsTheNearestFolderWithAGlobalAsa)
{
    Site site;
    site.put(u"a/b/page.asp"_s, "");
    EXPECT_EQ(preview::siteRoot(site.path(u"a/b"_s)), site.path(u"a/b"_s)); // none above: the page's own folder
    site.put(u"a/GLOBAL.ASA"_s, "");
    EXPECT_EQ(preview::siteRoot(site.path(u"a/b"_s)), site.path(u"a"_s));
}

TEST(Preparation, ARaisedStopEndsItCancelled)
{
    const std::atomic_bool stop = true;
    const preview::PreparedPage p = preparePage(QByteArray(1 << 20, 'x'), {}, &stop);
    EXPECT_TRUE(p.cancelled);
}
