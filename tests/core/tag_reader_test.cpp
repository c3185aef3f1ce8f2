// SPDX-License-Identifier: GPL-3.0-or-later
// The one tag reader against a table of markup, well-formed and broken, read from the program's
// texts and from the editor's UTF-8 buffer alike; and every window cut out of a page agrees with
// the whole page on every span the cut leaves whole.
#include "core/tag_reader.h"

#include <QString>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using core::TagSpan;

namespace {

/// The spans of a window, one a line: kind, the span's text, '~' when cut off, '/' when closed in
/// its own tag, then each attribute as its name and value read from their positions.
template <typename View>
QString spans(View window, core::TagReading reading = {.parts = core::TagParts::Attributes})
{
    auto text = [window](qsizetype from, qsizetype to) {
        if constexpr (std::is_same_v<View, QStringView>)
            return window.sliced(from, to - from).toString();
        else
            return QString::fromUtf8(window.sliced(from, to - from));
    };
    QString out;
    core::TagReader<View> reader(window, reading);
    for (std::optional<TagSpan> s = reader.next(); s; s = reader.next()) {
        out += u"SECDPT"_s[s->kind] + u':' + text(s->from, s->to) + (s->complete ? u""_s : u"~"_s) +
               (s->selfClosed ? u"/"_s : u""_s);
        for (const core::TagAttribute &a : s->attributes) {
            out += u" ["_s + text(a.from, a.nameTo);
            if (a.valueFrom >= 0)
                out += u'=' + (a.quote ? QString(QChar(a.quote)) : QString()) + text(a.valueFrom, a.valueTo);
            out += u']';
        }
        out += u'\n';
    }
    return out;
}

struct Case {
    const char *what;
    QString text;
    QString spans;
};

const Case Cases[] = {
    {"values as browsers read them", u"<A HREF='a\"b.html' Title=\"x>y\"\r\n  target=_top checked data-x = \"1\" onclick=f() />rest"_s,
     u"S:<A HREF='a\"b.html' Title=\"x>y\"\r\n  target=_top checked data-x = \"1\" onclick=f() />/ [HREF='a\"b.html] "
     "[Title=\"x>y] [target=_top] [checked] [data-x=\"1] [onclick=f()]\n"_s},
    {"a '<' in text starts no tag", u"1 < 2, a <= b, <3 </ p> <> </>"_s, u""_s},
    {"a '<' before a letter does", u"if a<b then 中文 <p>"_s, u"S:<b then 中文 <p> [then] [中文] [<p]\n"_s},
    {"a tag spanning lines", u"<IMG\r\n SRC=图.png\r\n ALT=y></img >"_s, u"S:<IMG\r\n SRC=图.png\r\n ALT=y> [SRC=图.png] [ALT=y]\nE:</img >\n"_s},
    {"server code in values and between attributes", u"<a href=\"<%= Url(\"x\") %>\" title=<%= t %> <%= on %>>"_s,
     u"S:<a href=\"<%= Url(\"x\") %>\" title=<%= t %> <%= on %>> [href=\"<%= Url(\"x\") %>] [title=<%= t %>] [<%= on %>]\n"_s},
    {"server code, directives", u"<%@ Language=VBScript %><% if a < b then %>x<%=\"%\"%>"_s,
     u"P:<%@ Language=VBScript %>\nP:<% if a < b then %>\nP:<%=\"%\"%>\n"_s},
    {"comments and declarations holding '>'", u"<!DOCTYPE html><!-- a > b <p> --><?xml v=\"1\"?><![CDATA[x]]>"_s,
     u"D:<!DOCTYPE html>\nC:<!-- a > b <p> -->\nD:<?xml v=\"1\"?>\nD:<![CDATA[x]]>\n"_s},
    {"a comment's end inside server code is not its end", u"<!-- <% s = \"-->\" %> --><b>"_s, u"C:<!-- <% s = \"-->\" %> -->\nS:<b>\n"_s},
    {"script and style content is not markup", u"<script>if (a</b) x = '</scripts>';</script ><style>p{}</STYLE>"_s,
     u"S:<script>\nT:if (a</b) x = '</scripts>';\nE:</script >\nS:<style>\nT:p{}\nE:</STYLE>\n"_s},
    {"a script's end inside server code is not its end", u"<script><%= \"</script>\" %></script>"_s,
     u"S:<script>\nT:<%= \"</script>\" %>\nE:</script>\n"_s},
    {"empty content", u"<textarea></textarea>"_s, u"S:<textarea>\nT:\nE:</textarea>\n"_s},
    // What the window cuts off is the last span: browsers, too, read the rest as part of it.
    {"an unclosed quote runs to the end", u"<a title=\"x>y <b>z"_s, u"S:<a title=\"x>y <b>z~ [title=\"x>y <b>z]\n"_s},
    {"a tag cut in its name", u"<p>x</di"_s, u"S:<p>\nE:</di~\n"_s},
    {"a tag cut after '='", u"<a href= "_s, u"S:<a href= ~ [href=]\n"_s},
    {"an unclosed comment", u"<!-- a <b> c"_s, u"C:<!-- a <b> c~\n"_s},
    {"an unclosed server block in a value", u"<a href=\"<% x\">"_s, u"S:<a href=\"<% x\">~ [href=\"<% x\">]\n"_s},
    {"unclosed content", u"<style>p { color: red"_s, u"S:<style>\nT:p { color: red~\n"_s},
};

class TagReaderTable : public testing::TestWithParam<Case> {};

TEST_P(TagReaderTable, SpansOfTheTextAndOfItsUtf8)
{
    const Case &c = GetParam();
    SCOPED_TRACE(c.what);
    EXPECT_EQ(spans(QStringView(c.text)), c.spans);
    const QByteArray utf8 = c.text.toUtf8();
    EXPECT_EQ(spans(QByteArrayView(utf8)), c.spans);
}

INSTANTIATE_TEST_SUITE_P(Markup, TagReaderTable, testing::ValuesIn(Cases));

TEST(TagReader, EveryWindowAgreesWithTheWholeTextOnWhatItHoldsWhole)
{
    QString page;
    for (const Case &c : Cases)
        page += c.text + u"\r\n"_s;
    // And a tag far longer than any window an editor reads.
    const QString longTag = u"<p>\r\n<img title=\""_s + QString(100'000, u'长') + u"\" src=x><b>"_s;
    for (const QString &text : {page, longTag}) {
        std::vector<TagSpan> whole;
        for (core::TagReader<QStringView> r(text); auto s = r.next();)
            whole.push_back(*s);
        ASSERT_GE(whole.size(), 3u);
        for (qsizetype cut = 0; cut <= text.size(); cut += text.size() > 10'000 ? 997 : 1) {
            SCOPED_TRACE(cut);
            size_t k = 0;
            for (core::TagReader<QStringView> r(QStringView(text).first(cut)); auto s = r.next(); ++k) {
                ASSERT_LT(k, whole.size());
                EXPECT_EQ(s->from, whole[k].from);
                EXPECT_EQ(s->kind, whole[k].kind);
                EXPECT_EQ(s->to, s->complete ? whole[k].to : cut);
                if (!s->complete) {
                    EXPECT_FALSE(r.next()) << "a span cut off is the last one";
                }
            }
        }
    }
}

TEST(TagReader, ACallerThatKnowsBetterRefusesAStart)
{
    // As the editor's lexer does for a '<' inside a script string that began before the window.
    const QString text = u"x = \"<!--\"; </script><style>p{}</style><!-- c -->"_s;
    const qsizetype inString = text.indexOf(u"<!--"_s);
    const core::TagReading reading{.startsAt = [inString](TagSpan::Kind, qsizetype at) { return at != inString; }};
    EXPECT_EQ(spans(QStringView(text), reading), u"E:</script>\nS:<style>\nT:p{}\nE:</style>\nC:<!-- c -->\n"_s);
    EXPECT_EQ(spans(QStringView(text)), u"C:<!--\"; </script><style>p{}</style><!-- c -->\n"_s);
}

TEST(TagReader, ThePreviewsReadingOfBlocksAndRawText)
{
    const core::TagReading preview{.quotedServerEnds = true, .browserRawText = true};
    const struct {
        QString text;
        QString plain, previewed;
    } cases[] = {
        {u"<% w \"50%>\" %>x<b>"_s, u"P:<% w \"50%>\nS:<b>\n"_s, u"P:<% w \"50%>\" %>\nS:<b>\n"_s},
        {u"<% a = \"x\n %>"_s, u"P:<% a = \"x\n %>\n"_s, u"P:<% a = \"x\n %>\n"_s}, // a string ends with its line
        {u"<title><b>t</b></TITLE>"_s, u"S:<title>\nS:<b>\nE:</b>\nE:</TITLE>\n"_s, u"S:<title>\nT:<b>t</b>\nE:</TITLE>\n"_s},
        {u"<noscript><p></noscript>"_s, u"S:<noscript>\nS:<p>\nE:</noscript>\n"_s, u"S:<noscript>\nT:<p>\nE:</noscript>\n"_s},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(spans(QStringView(c.text), {}), c.plain) << qPrintable(c.text);
        EXPECT_EQ(spans(QStringView(c.text), preview), c.previewed) << qPrintable(c.text);
    }
    using Blocks = std::vector<std::pair<qsizetype, qsizetype>>;
    EXPECT_EQ(core::serverBlocks("<% w \"%>\" %>", preview), (Blocks{{0, 12}}));
}

} // namespace

TEST(TagReader, ServerBlocksAreFoundWhereverTheyStand)
{
    using Blocks = std::vector<std::pair<qsizetype, qsizetype>>;
    const std::vector<std::pair<QByteArray, Blocks>> cases = {
        {"a<%x%>b", {{1, 6}}},
        {"<a href=\"<%=u%>\" <% if x %>title=t>", {{9, 15}, {17, 27}}},
        {"<!-- <%a%> --><%b", {{5, 10}, {14, 17}}}, // in a comment; the last one unclosed
        {"<% s = \"%\" %><%%>", {{0, 13}, {13, 17}}},
        {"< % %> <%>", {{7, 10}}},
    };
    for (const auto &[text, blocks] : cases)
        EXPECT_EQ(core::serverBlocks(text), blocks) << text.constData();
}
