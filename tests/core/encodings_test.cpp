// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/encodings.h"
#include "core/texts.h"
#include "core/utf8_check.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <random>

using namespace core;
using namespace Qt::Literals::StringLiterals;

namespace {

/// Strict validity as Qt's own UTF-8 decoder judges it.
bool qtSaysValid(QByteArrayView bytes)
{
    QStringDecoder dec(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = dec(bytes);
    return !dec.hasError();
}

bool hasHighByte(QByteArrayView bytes)
{
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return true;
    return false;
}

void expectAgreement(const QByteArray &bytes)
{
    const Utf8Check fast = checkUtf8(bytes), scalar = checkUtf8Scalar(bytes);
    ASSERT_EQ(fast, scalar) << bytes.toHex().constData();
    ASSERT_EQ(fast.valid, qtSaysValid(bytes)) << bytes.toHex().constData();
    if (fast.valid) {
        ASSERT_EQ(fast.multibyte, hasHighByte(bytes)) << bytes.toHex().constData();
    }
}

QByteArray gb(const QString &text) { return textToBytes(text); }

QByteArray of(std::initializer_list<uchar> bytes)
{
    QByteArray b;
    for (uchar c : bytes)
        b.append(char(c));
    return b;
}

} // namespace

// ---- strict validation --------------------------------------------------------------------

TEST(Utf8Check, EveryShortSequenceAtEveryPlaceOfABlock)
{
    // Each one- to four-byte sequence of interesting bytes, placed across the 32-byte blocks the
    // fast check works in, and cut off at the end of the input.
    const uchar interesting[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF, 0xE0,
                                 0xE1, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF3, 0xF4, 0xF5, 0xF8, 0xFF};
    std::vector<QByteArray> sequences;
    for (uchar a : interesting) {
        sequences.push_back(QByteArray(1, char(a)));
        for (uchar b : interesting) {
            sequences.push_back(of({a, b}));
            if (a < 0xE0)
                continue;
            for (uchar c : {0x80, 0xBF, 0x41, 0xC0})
                for (uchar d : {0x80, 0xBF, 0x41}) {
                    sequences.push_back(of({a, b, c}));
                    sequences.push_back(of({a, b, c, d}));
                }
        }
    }
    for (const QByteArray &seq : sequences)
        for (int at : {0, 29, 30, 31, 32, 60, 61, 62, 63}) {
            QByteArray bytes(at, 'a');
            bytes += seq;
            expectAgreement(bytes);
            expectAgreement(bytes + QByteArray(64, 'b'));
            expectAgreement(bytes + QByteArray("\xE4\xB8\xAD").repeated(20)); // 中
        }
}

TEST(Utf8Check, RandomTextsNearValidUtf8)
{
    std::mt19937 rng(20261208);
    const QByteArray pieces[] = {"a", "<p>", "\r\n", "\xE4\xB8\xAD", "\xC3\xA9", "\xF0\x9F\x98\x80", "\xED\x9F\xBF",
                                 "\xEF\xBF\xBD", "\xF4\x8F\xBF\xBF", "\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                 "\xE4\xB8", "\xCD\xA8"};
    std::uniform_int_distribution<int> pick(0, int(std::size(pieces)) - 1), len(0, 120), good(0, 9);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int n = len(rng);
        for (int i = 0; i < n; ++i)
            bytes += pieces[good(rng) < 9 ? pick(rng) % 9 : pick(rng)];
        expectAgreement(bytes);
    }
}

// ---- detection ----------------------------------------------------------------------------

TEST(DetectEncoding, Utf8ExceptForOneByteAtTheEndIsGbAndLossless)
{
    for (const char *last : {"\x80", "\xE4\xB8", "\xC3", "\xFF"}) {
        const QByteArray bytes = u"<p>中文网页</p>"_s.toUtf8() + last;
        EXPECT_EQ(detectEncoding(bytes).encoding, Encoding::Gb18030) << last;
        qint64 length = 0;
        const QByteArray buffer = fileBytesToEditorBytes(bytes, Encoding::Gb18030, &length);
        EXPECT_EQ(editorBytesToFileBytes(buffer, Encoding::Gb18030), bytes);
        EXPECT_EQ(gb18030LengthOfEditorBytes(buffer.constData(), buffer.size()), bytes.size());
    }
}

TEST(DetectEncoding, AsciiFollowsItsDeclaration)
{
    const char *utf8Forms[] = {
        "<meta charset=\"utf-8\">",
        "<META CHARSET=UTF-8>",
        "<meta charset='utf-8' />",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">",
        "<meta http-equiv=content-type content=\"text/html;charset=UTF-8\">",
        "@charset \"utf-8\";",
        "@CHARSET 'UTF-8';",
        "<%@ CodePage=65001 %>",
        "<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"65001\"%>",
        "<% Response.Charset = \"utf-8\" %>",
        "<meta charset = \"utf8\">",
    };
    for (const char *form : utf8Forms) {
        const QByteArray page = QByteArray("<html><head>") + form + "</head><body>plain</body></html>";
        EXPECT_EQ(detectEncoding(page), (Detection{Encoding::Utf8, EncodingSource::Declaration})) << form;
        EXPECT_TRUE(declaredEncoding(page).utf8()) << form;
    }
    const char *others[] = {
        "<html><body>no declaration</body></html>",
        "<meta charset=\"gb2312\">",
        "<%@ CodePage=936 %>",
        "<form accept-charset=\"utf-8\">",    // what the form sends, not what the page is
        "<p>the charset utf-8 is common</p>", // prose
        "",
    };
    for (const char *page : others)
        EXPECT_EQ(detectEncoding(page).encoding, Encoding::Gb18030) << page;
    // Only the first 4 KB are looked at.
    EXPECT_EQ(detectEncoding(QByteArray(DeclarationWindow, ' ') + "<meta charset=\"utf-8\">").encoding, Encoding::Gb18030);
    EXPECT_EQ(detectEncoding(QByteArray(DeclarationWindow - 30, ' ') + "<meta charset=\"utf-8\">").encoding, Encoding::Utf8);
}

TEST(Declarations, NamesAsWrittenAndCodePagesByName)
{
    EXPECT_EQ(declaredEncoding("<meta charset=\"GB2312\">").name, u"gb2312"_s);
    EXPECT_EQ(declaredEncoding("<%@ CodePage=936 %>").name, u"gbk"_s);
    EXPECT_EQ(declaredEncoding("<%@ CodePage = 1252 %>").name, u"windows-1252"_s);
    EXPECT_EQ(declaredEncoding("<%@ CodePage=437 %>").name, u"cp437"_s);
    EXPECT_FALSE(declaredEncoding("<meta charset=>").declared());
    // The first one counts.
    EXPECT_EQ(declaredEncoding("<%@ CodePage=65001 %><meta charset=\"gb2312\">").name, u"utf-8"_s);
    EXPECT_EQ(declaredEncoding("<meta charset=\"big5\"><%@ CodePage=65001 %>").name, u"big5"_s);

    auto gbk = declaredEncoding("<meta charset=\"gbk\">"), utf = declaredEncoding("<meta charset=\"utf-8\">"),
         latin = declaredEncoding("<meta charset=\"iso-8859-1\">"), none = declaredEncoding("<p>");
    EXPECT_FALSE(declarationDisagrees(gbk, Encoding::Gb18030));
    EXPECT_TRUE(declarationDisagrees(utf, Encoding::Gb18030));
    EXPECT_TRUE(declarationDisagrees(latin, Encoding::Gb18030));
    EXPECT_TRUE(declarationDisagrees(gbk, Encoding::Utf8));
    EXPECT_FALSE(declarationDisagrees(utf, Encoding::Utf8));
    EXPECT_FALSE(declarationDisagrees(gbk, Encoding::Utf8WithBom));
    EXPECT_FALSE(declarationDisagrees(none, Encoding::Utf8));
    EXPECT_FALSE(declarationDisagrees(none, Encoding::Gb18030));
}

TEST(Declarations, WhereEachStandsAndWhatEachEncodingWrites)
{
    const QByteArray page = "<%@ CodePage = 936 %><meta http-equiv=\"Content-Type\" content=\"text/html; charset=GB2312\">"
                            "<style>@charset 'big5';</style>";
    const QList<Declaration> all = declarations(page);
    ASSERT_EQ(all.size(), 3);
    const char *written[] = {"936", "GB2312", "big5"};
    const Encoding meant[] = {Encoding::Gb18030, Encoding::Gb18030, Encoding::Big5};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(page.sliced(all[i].at, all[i].length), written[i]);
        EXPECT_EQ(all[i].encoding(), meant[i]);
        EXPECT_EQ(all[i].codePage, i == 0);
    }
    // Every encoding's own declaration, as a name and as a code page, names it again.
    for (Encoding e : AllEncodings) {
        const Encoding same = e == Encoding::Utf8WithBom ? Encoding::Utf8 : e;
        EXPECT_EQ(declaredEncoding("<meta charset=\"" + declarationText(e, false) + "\">").encoding(), same);
        EXPECT_EQ(declaredEncoding("<%@ CodePage=" + declarationText(e, true) + " %>").encoding(), same);
    }
    EXPECT_EQ(declaredEncoding("<meta charset=\"Shift_JIS\">").encoding(), Encoding::ShiftJis);
    EXPECT_EQ(declaredEncoding("<meta charset=\"ks_c_5601-1987\">").encoding(), Encoding::EucKr);
    EXPECT_EQ(declaredEncoding("<meta charset=\"iso-8859-2\">").encoding(), std::nullopt);
    EXPECT_FALSE(declarationDisagrees(declaredEncoding("<meta charset=\"big5\">"), Encoding::Big5));
    EXPECT_TRUE(declarationDisagrees(declaredEncoding("<meta charset=\"big5\">"), Encoding::Gb18030));
    EXPECT_FALSE(declarationDisagrees(declaredEncoding("<meta charset=\"gb2312\">"), Encoding::Utf16Le));
}

// ---- reading and writing ------------------------------------------------------------------

TEST(EncodingBytes, UnchangedTextsComeBackInTheirEncoding)
{
    const QByteArray utf8 = u"<p>中文 😀 é</p>\r\n"_s.toUtf8();
    const QByteArray files[] = {utf8, QByteArray("\xEF\xBB\xBF") + utf8, QByteArray("\xEF\xBB\xBF"),
                                gb(u"<p>中文</p>"_s) + "\x80\xFF", QByteArray()};
    for (const QByteArray &file : files) {
        const Encoding e = detectEncoding(file).encoding;
        qint64 length = -1;
        const QByteArray buffer = fileBytesToEditorBytes(file, e, &length);
        EXPECT_EQ(editorBytesToFileBytes(buffer, e), file) << file.toHex().constData();
        // Written in pieces straight from the buffer, the same bytes.
        const QList<QByteArray> pieces = editorBytesToFilePieces(buffer, e).pieces;
        QByteArray joined;
        for (const QByteArray &piece : pieces)
            joined += piece;
        EXPECT_EQ(joined, file);
        if (e != Encoding::Gb18030 && !buffer.isEmpty()) {
            EXPECT_EQ(pieces.back().constData(), buffer.constData()); // not copied
        }
        EXPECT_EQ(length, file.size());
        // The buffer holds the text without the mark, whichever the encoding.
        EXPECT_FALSE(buffer.startsWith("\xEF\xBB\xBF"));
    }
}

TEST(EncodingBytes, TextWrittenAsUtf8AndRawBytesAsThemselves)
{
    const QString text = u"中文"_s + QChar(char16_t(0xDC80 + 0x7F)) + u"a"_s;
    const QByteArray buffer = textToEditorBytes(text);
    EXPECT_EQ(editorBytesToFileBytes(buffer, Encoding::Utf8), QByteArray("\xE4\xB8\xAD\xE6\x96\x87\xFF" "a"));
    EXPECT_EQ(editorBytesToFileBytes(buffer, Encoding::Utf8WithBom), QByteArray("\xEF\xBB\xBF\xE4\xB8\xAD\xE6\x96\x87\xFF" "a"));
    EXPECT_EQ(editorBytesToFileBytes(buffer, Encoding::Gb18030), QByteArray("\xD6\xD0\xCE\xC4\xFF" "a"));
}
