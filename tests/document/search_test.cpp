// SPDX-License-Identifier: GPL-3.0-or-later
// Searching the editor's UTF-8 buffer without a window: options, character boundaries,
// regular expressions and their replacements, counting.
#include "core/texts.h"
#include "core/utf8.h"
#include "document/search.h"
#include "support/utf8_samples.h"

#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using document::SearchOptions;
using document::Span;
using document::TextSearch;

/// The editor's buffer for a text.
QByteArray buffer(const QString &text) { return core::textToEditorBytes(text); }

/// The matched stretches as text, in order.
QStringList found(const QString &text, const QString &pattern, SearchOptions o)
{
    const QByteArray b = buffer(text);
    QStringList out;
    for (const Span &m : TextSearch(pattern, o).all(b, 0, b.size(), 1000))
        out << core::editorBytesToText(b.constData() + m.from, m.to - m.from);
    return out;
}

qsizetype byteOf(const QString &text, qsizetype unit) { return buffer(text.left(unit)).size(); }

} // namespace

TEST(TextSearch, CaseCountsOnlyWhenAskedAndFoldsAsUnicodeDoes)
{
    const QString text = u"Div div DIV dIv"_s;
    EXPECT_EQ(found(text, u"div"_s, {.matchCase = true}), QStringList{u"div"_s});
    EXPECT_EQ(found(text, u"div"_s, {}), (QStringList{u"Div"_s, u"div"_s, u"DIV"_s, u"dIv"_s}));
    EXPECT_EQ(found(text, u"DIV"_s, {}).size(), 4);
    // Letters beyond ASCII, in both directions, and a Greek final sigma.
    EXPECT_EQ(found(u"Ärger ärger ÄRGER"_s, u"ärger"_s, {}).size(), 3);
    EXPECT_EQ(found(u"ΣΟΦΟΣ σοφος σοφοσ"_s, u"σοφος"_s, {}), (QStringList{u"ΣΟΦΟΣ"_s, u"σοφος"_s, u"σοφοσ"_s}));
    EXPECT_EQ(found(u"Ärger ärger"_s, u"ärger"_s, {.matchCase = true}), QStringList{u"ärger"_s});
    // Chinese has no case; the ASCII letters beside it still match in either case.
    EXPECT_EQ(found(u"<H1>标题</H1> <h1>标题</h1>"_s, u"h1>标题"_s, {}), (QStringList{u"H1>标题"_s, u"h1>标题"_s}));
}

TEST(TextSearch, WholeWordsNeverCutThroughAWord)
{
    const QString text = u"form formal <form> re_form form1 form"_s;
    EXPECT_EQ(found(text, u"form"_s, {.wholeWord = true}).size(), 3);
    EXPECT_EQ(found(text, u"FORM"_s, {.wholeWord = true}).size(), 3);
    // A pattern edged with a non-word character may stand next to a word.
    EXPECT_EQ(found(u"a<form>b"_s, u"<form"_s, {.wholeWord = true}).size(), 1);
    // Chinese characters are letters: a word inside a run of them is no whole word.
    EXPECT_EQ(found(u"你好吗 你好 你好"_s, u"你好"_s, {.wholeWord = true}).size(), 2);
    EXPECT_EQ(found(u"你好吗 你好"_s, u"你好"_s, {.wholeWord = true, .regex = true}).size(), 1);
    EXPECT_EQ(found(text, u"f.rm"_s, {.wholeWord = true, .regex = true}).size(), 3);
}

TEST(TextSearch, ChineseIsFoundAsTypedInGb18030Text)
{
    // The buffer as the editor holds a GB18030 file: the bytes decoded, not the file's bytes.
    const QByteArray file = core::textToBytes(u"<p>你好，世界</p>\r\n<p>再说一次你好</p>"_s);
    const QByteArray b = core::gb18030ToEditorBytes(file);
    const TextSearch search(u"你好"_s, {});
    const std::vector<Span> all = search.all(b, 0, b.size(), 10);
    ASSERT_EQ(all.size(), 2u);
    for (const Span &m : all)
        EXPECT_EQ(core::editorBytesToText(b.constData() + m.from, m.to - m.from), u"你好"_s);
    EXPECT_EQ(search.previous(b, 0, b.size(), b.size()), all[1]);
    EXPECT_EQ(search.next(b, all[0].from + 1, b.size()), all[1]);
}

TEST(TextSearch, MatchesNeverSplitACharacter)
{
    // 中 is E4 B8 AD; a byte 0xB8 carried raw (an undecodable byte of the file) is a character of
    // its own and may be found, but never the middle of 中.
    const QString rawB8(QChar(char16_t(0xDC80 + 0x38)));
    const QString text = u"中"_s + rawB8 + u"x"_s;
    const QByteArray b = buffer(text);
    ASSERT_EQ(b, QByteArray("\xE4\xB8\xAD\xB8x"));
    const std::vector<Span> all = TextSearch(rawB8, {.matchCase = true}).all(b, 0, b.size(), 10);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0], (Span{3, 4}));
    EXPECT_TRUE(core::isCharacterStart(b, 3));
    EXPECT_FALSE(core::isCharacterStart(b, 1));
    EXPECT_FALSE(core::isCharacterStart(b, 2));
    // Nor does a match end inside one: the regular expression runs over characters.
    EXPECT_EQ(found(u"中文"_s, u"."_s, {.regex = true}), (QStringList{u"中"_s, u"文"_s}));
}

TEST(TextSearch, FindsRawBytesWhereTheCaretTakesThemAsCharacters)
{
    // The places the editor component itself lets the caret stand in a buffer.
    QsciScintilla ed;
    ed.setUtf8(true);
    auto caretStops = [&ed](const QByteArray &b) {
        ed.SendScintilla(QsciScintillaBase::SCI_CLEARALL);
        ed.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, uintptr_t(b.size()), b.constData());
        QList<qsizetype> stops{0};
        while (stops.back() < b.size())
            stops << qsizetype(ed.SendScintilla(QsciScintillaBase::SCI_POSITIONAFTER, long(stops.back())));
        return stops;
    };
    // Every sequence of the table between ASCII letters.
    QByteArray b("x"), wellFormed("x");
    for (const testsupport::Utf8Sample &s : testsupport::Utf8Samples) {
        b += s.bytes.toByteArray() + "x";
        if (s.length > 0)
            wellFormed += s.bytes.toByteArray() + "x";
    }
    const QList<qsizetype> stops = caretStops(b);
    QList<qsizetype> starts;
    for (qsizetype at = 0; at <= b.size(); ++at)
        if (core::isCharacterStart(b, at))
            starts << at;
    EXPECT_EQ(starts, stops);

    // A raw byte (its escape in the pattern) is found exactly where the caret steps over it alone.
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        std::vector<Span> alone;
        for (qsizetype i = 0; i + 1 < stops.size(); ++i)
            if (stops[i + 1] == stops[i] + 1 && uchar(b[stops[i]]) == byte)
                alone.push_back({stops[i], stops[i] + 1});
        const QString pattern(QChar(char16_t(0xDC80 + byte - 0x80)));
        EXPECT_EQ(TextSearch(pattern, {.matchCase = true}).all(b, 0, b.size(), 1000), alone) << std::hex << byte;
    }
    // A regular expression's matches over well-formed text (non-characters too) begin and end
    // where the caret can stand.
    const QList<qsizetype> wellFormedStops = caretStops(wellFormed);
    const std::vector<Span> each = TextSearch(u"."_s, {.regex = true}).all(wellFormed, 0, wellFormed.size(), 1000);
    ASSERT_GT(each.size(), testsupport::Utf8Samples.size() / 2);
    for (const Span &m : each)
        EXPECT_TRUE(wellFormedStops.contains(m.from) && wellFormedStops.contains(m.to)) << m.from << ".." << m.to;
}

TEST(TextSearch, NextAndPreviousKeepToTheirStretch)
{
    const QString text = u"ab ab ab ab"_s; // matches at 0, 3, 6, 9
    const QByteArray b = buffer(text);
    for (const SearchOptions o : {SearchOptions{.matchCase = true}, SearchOptions{}, SearchOptions{.regex = true}}) {
        const TextSearch s(u"ab"_s, o);
        EXPECT_EQ(s.next(b, 1, b.size()), (Span{3, 5}));
        EXPECT_EQ(s.next(b, 7, b.size()), (Span{9, 11}));
        EXPECT_FALSE(s.next(b, 10, b.size()).found());
        EXPECT_FALSE(s.next(b, 4, 7).found()); // 6..8 ends past the limit
        EXPECT_EQ(s.previous(b, 0, 6, b.size()), (Span{3, 5}));
        EXPECT_EQ(s.previous(b, 0, 7, b.size()), (Span{6, 8}));
        EXPECT_FALSE(s.previous(b, 4, 6, b.size()).found());
        EXPECT_FALSE(s.previous(b, 0, 0, b.size()).found());
        EXPECT_EQ(s.previous(b, 0, b.size() + 1, 10), (Span{6, 8}));
    }
}

TEST(TextSearch, RegularExpressionsWithGroupsAndTheirErrors)
{
    const QString text = u"<a href=\"x.html\">X</a> <a href=\"中.asp\">中</a>"_s;
    const QByteArray b = buffer(text);
    const TextSearch s(u"href=\"([^\".]+)\\.(\\w+)\""_s, {.regex = true});
    ASSERT_TRUE(s.valid());
    const auto r = s.replacements(b, 0, b.size(), u"href=\"$2/\\1.$1\" $$\\\\"_s, 100);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(QString::fromUtf8(r[0].bytes), u"href=\"html/x.x\" $\\"_s);
    EXPECT_EQ(QString::fromUtf8(r[1].bytes), u"href=\"asp/中.中\" $\\"_s);
    EXPECT_EQ(r[1].span.from, byteOf(text, text.indexOf(u"href=\"中"_s)));
    EXPECT_EQ(s.replacement(b, r[0].span, u"[\\0]"_s), QByteArray("[href=\"x.html\"]"));
    // Plain replacements are taken as they stand.
    EXPECT_EQ(TextSearch(u"X"_s, {.matchCase = true}).replacement(b, {17, 18}, u"$1\\1"_s), QByteArray("$1\\1"));

    const TextSearch bad(u"(unclosed"_s, {.regex = true});
    EXPECT_FALSE(bad.valid());
    EXPECT_FALSE(bad.error().isEmpty());
    EXPECT_TRUE(bad.all(b, 0, b.size(), 10).empty());
    // Only a regular expression can be invalid.
    EXPECT_TRUE(TextSearch(u"(unclosed"_s, {}).valid());
    EXPECT_FALSE(TextSearch(QString(), {}).valid());
}

TEST(TextSearch, CountsStopAtTheirCapAndEmptyMatchesMoveOn)
{
    QString text;
    for (int i = 0; i < 50; ++i)
        text += u"word "_s;
    const QByteArray b = buffer(text);
    EXPECT_EQ(TextSearch(u"word"_s, {}).all(b, 0, b.size(), 1000).size(), 50u);
    EXPECT_EQ(TextSearch(u"word"_s, {}).all(b, 0, b.size(), 20).size(), 20u);
    EXPECT_EQ(TextSearch(u"word"_s, {.regex = true}).all(b, 0, b.size(), 20).size(), 20u);
    // Within a stretch only.
    EXPECT_EQ(TextSearch(u"word"_s, {}).all(b, 5, 15, 1000).size(), 2u);
    // "x*" matches empty between characters; every position once, no endless loop.
    EXPECT_EQ(TextSearch(u"x*"_s, {.regex = true}).all(QByteArray("ab"), 0, 2, 100).size(), 3u);
    // Lines: ^ and $ at every line.
    EXPECT_EQ(found(u"one\r\ntwo\r\nthree"_s, u"^t\\w+$"_s, {.regex = true}), (QStringList{u"two"_s, u"three"_s}));
}

namespace {

/// A search run a window at a time against the same search over the whole text at once.
struct WindowCase {
    const char *what;
    QByteArray text; // the editor's buffer
    QString pattern;
    SearchOptions options;
};

QByteArray repeated(const QByteArray &piece, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

const QByteArray Lines = repeated("one two\r\nthree\n\nfour\rfive ", 4);
const QByteArray Page = repeated("<p>中文 findme</p><!-- a note\r\n -->", 3);

const WindowCase WindowCases[] = {
    {"matches straddling the edges", Page, u"find\\w+"_s, {.regex = true}},
    {"whole lines", Lines, u"^\\w+$"_s, {.regex = true}},
    {"line starts and ends, empty", Lines, u"^|$"_s, {.regex = true}},
    {"empty matches everywhere", Lines, u"o*"_s, {.regex = true}},
    {"line breaks of three kinds", Lines, u"\\R|.$"_s, {.regex = true}},
    {"word edges", Lines, u"\\b\\w"_s, {.regex = true}},
    {"whole words", repeated("form formal <form> re_form form1 form ", 3), u"f.rm"_s, {.wholeWord = true, .regex = true}},
    {"lookbehind", Page, u"(?<=<p>)\\S+"_s, {.regex = true}},
    {"lookahead past the edge", Page, u"\\w+(?=</p>)"_s, {.regex = true}},
    {"a match longer than the window", Page, u"<!--[\\s\\S]*?-->"_s, {.regex = true}},
    {"overlapping candidates", repeated("aaaaa b ", 6), u"aa|a b"_s, {.regex = true}},
    {"the start offset", repeated("ab", 20), u"\\Gab"_s, {.regex = true}},
    {"a verb that ends the search", "x ab " + repeated("aac ", 8) + "ab", u"a+(*COMMIT)b"_s, {.regex = true}},
    {"a word in any case beyond ASCII", repeated("Ärger ärger ÄRGER x ", 4), u"ärger"_s, {}},
    {"letters beyond ASCII alone", repeated("äö ÄÖ Äö xÄÖx ", 5), u"ÄÖ"_s, {.wholeWord = true}},
    {"Greek with its two small sigmas", repeated("Σίσυφος ΣΊΣΥΦΟΣ σίσυφοσ x ", 4), u"σίσυφος"_s, {}},
    {"raw bytes", repeated("a\xB8" "b \xE4\xB8 中", 5), u"a.b|.\\s|\\W"_s, {.regex = true}},
};

class WindowedSearch : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowedSearch, FindsWhatTheWholeTextSearchFinds)
{
    const WindowCase &c = GetParam();
    const QByteArray &b = c.text;
    const qsizetype n = b.size();
    const TextSearch whole(c.pattern, c.options, document::RegexWindows::wholeText());
    ASSERT_TRUE(whole.valid()) << qPrintable(whole.error());
    const std::vector<Span> every = whole.all(b, 0, n, 1000);
    ASSERT_FALSE(every.empty());
    // Searching back finds the match that starts last: where a search forward from there starts.
    std::vector<Span> firstFrom;
    for (qsizetype at = 0; at <= n; ++at)
        firstFrom.push_back(whole.next(b, at, n));
    for (qsizetype at = 0; at <= n + 1; ++at) {
        Span expected;
        for (qsizetype q = std::min(at, n + 1) - 1; q >= 0 && !expected.found(); --q)
            if (firstFrom[q].from == q)
                expected = firstFrom[q];
        ASSERT_EQ(whole.previous(b, 0, at, n), expected) << "previous before " << at;
    }
    const QString with = u"[$0]"_s;
    for (const document::RegexWindows w : {document::RegexWindows{1, 2}, document::RegexWindows{2, 8},
                                           document::RegexWindows{5, 5}, document::RegexWindows{13, 64}}) {
        SCOPED_TRACE(testing::Message() << c.what << ", windows of " << w.first << " to " << w.largest);
        const TextSearch s(c.pattern, c.options, w);
        for (qsizetype at = 0; at <= n; ++at) {
            ASSERT_EQ(s.next(b, at, n), whole.next(b, at, n)) << "next from " << at;
            ASSERT_EQ(s.next(b, at, std::min(n, at + 6)), whole.next(b, at, std::min(n, at + 6))) << "next from " << at;
            ASSERT_EQ(s.previous(b, 0, at, n), whole.previous(b, 0, at, n)) << "previous before " << at;
            ASSERT_EQ(s.previous(b, at / 2, at + 1, at), whole.previous(b, at / 2, at + 1, at)) << "previous before " << at;
        }
        EXPECT_EQ(s.all(b, 0, n, 1000), every);
        EXPECT_EQ(s.all(b, 0, n, 3), whole.all(b, 0, n, 3)); // a count stopped at its cap
        EXPECT_EQ(s.all(b, n / 3, 2 * n / 3, 1000), whole.all(b, n / 3, 2 * n / 3, 1000));
        const auto replaced = s.replacements(b, 0, n, with, 1000), expected = whole.replacements(b, 0, n, with, 1000);
        ASSERT_EQ(replaced.size(), expected.size());
        for (size_t i = 0; i < replaced.size(); ++i)
            EXPECT_TRUE(replaced[i].span == expected[i].span && replaced[i].bytes == expected[i].bytes) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EdgesOfWindows, WindowedSearch, ::testing::ValuesIn(WindowCases),
                         [](const auto &info) { return std::to_string(info.index); });

} // namespace

TEST(WindowedSearch, LookbehindReachesItsLongestBeforeTheStart)
{
    // 65 535 characters of four bytes each, the most a lookbehind can span, right before the match.
    const QByteArray b = repeated("x", 100) + repeated("\xF0\x9F\x98\x80", 65535) + "b";
    const QString pattern = u"(?<=\U0001F600{65535})b"_s;
    const TextSearch s(pattern, {.regex = true});
    ASSERT_TRUE(s.valid()) << qPrintable(s.error());
    EXPECT_EQ(s.next(b, b.size() - 1, b.size()), (Span{b.size() - 1, b.size()}));
    EXPECT_EQ(s.previous(b, b.size() - 1, b.size(), b.size()), (Span{b.size() - 1, b.size()}));
}

TEST(WindowedSearch, RegularExpressionsReadRawBytesAsCharactersOfTheirOwn)
{
    // Bytes that are no text in the file's encoding sit among the text; the expression still runs.
    const QString raw(QChar(char16_t(0xDC80 + 0x38))); // the byte 0xB8 as texts carry it
    const QByteArray b = "<p>a\xB8" "b \xE4\xB8 \xE4\xB8\xAD</p> \xC3\x84rger";
    auto spans = [&b](const QString &pattern, SearchOptions o) { return TextSearch(pattern, o).all(b, 0, b.size(), 10); };
    EXPECT_EQ(spans(u"</p>"_s, {.regex = true}), (std::vector<Span>{{13, 17}}));
    EXPECT_EQ(spans(u"ärger"_s, {}), (std::vector<Span>{{18, 24}})); // any case beyond ASCII
    // A raw byte is one character: "." takes it, a letter class does not, its own escape finds it.
    EXPECT_EQ(spans(u"a.b"_s, {.regex = true}), (std::vector<Span>{{3, 6}}));
    EXPECT_TRUE(spans(u"a\\wb"_s, {.regex = true}).empty());
    EXPECT_EQ(spans(raw, {.regex = true}), (std::vector<Span>{{4, 5}, {8, 9}}));
    EXPECT_EQ(spans(u"[^ ]\\xB8"_s, {.regex = true}), std::vector<Span>{}); // U+00B8 is not the byte
    // A truncated sequence is two raw bytes, never the start of 中.
    EXPECT_EQ(spans(u" .. "_s, {.regex = true}), (std::vector<Span>{{6, 10}}));
    EXPECT_EQ(spans(u"中"_s, {.regex = true}), (std::vector<Span>{{10, 13}}));
    // Groups hand the bytes back as they were.
    const TextSearch groups(u"a(.)b"_s, {.regex = true});
    EXPECT_EQ(groups.replacement(b, {3, 6}, u"<\\1>"_s), QByteArray("<\xB8>"));
    EXPECT_EQ(groups.previous(b, 0, b.size(), b.size()), (Span{3, 6}));
}
