// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing in every encoding offered: odd bytes come back, every code of the table
// encodings comes back and is read as the converter reads it, characters are written as the
// converter writes them, and a character an encoding cannot hold stops the save.
#include "core/encodings.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace core;
using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray of(std::initializer_list<int> bytes)
{
    QByteArray b;
    for (int c : bytes)
        b.append(char(c));
    return b;
}

QByteArray toEditor(const QByteArray &file, Encoding e) { return fileBytesToEditorBytes(file, e); }

/// The bytes a save writes for the file read in the encoding, and checks that the count agrees.
QByteArray writtenBack(const QByteArray &file, Encoding e)
{
    qint64 length = -1;
    const QByteArray buffer = fileBytesToEditorBytes(file, e, &length);
    const QByteArray back = editorBytesToFileBytes(buffer, e);
    EXPECT_EQ(length, back.size());
    EXPECT_EQ(encodedLength(buffer, e) + byteOrderMark(e).size(), back.size());
    return back;
}

constexpr Encoding TableEncodings[] = {Encoding::Big5, Encoding::ShiftJis, Encoding::EucKr, Encoding::Windows1252};

} // namespace

TEST(Conversions, OddBytesComeBackInEveryEncoding)
{
    // Bytes that form no character, sequences cut short, escapes' look-alikes, halves of UTF-16
    // units: whatever is not text in one encoding or another.
    const QByteArray odd[] = {
        of({0x80}), of({0xFF}), of({0x81}), of({0xA4}), of({0xC8, 0x85, 0x20}), of({0xC2, 0x80, 0x80}),
        of({0xE4, 0xB8}), of({0xED, 0xB0, 0x80}), of({0xED, 0xB3, 0xBF, 0x41}), of({0xF0, 0x9F, 0x98}),
        of({0x00, 0xD8, 0x41, 0x00}), of({0x00, 0xDC}), of({0x41}), of({0x81, 0x8D, 0x8F, 0x90, 0x9D}),
        of({0x84, 0x31, 0xA5, 0x30}), of({0xEF, 0xBB, 0xBF, 0xFF}), of({0xFF, 0xFE, 0x00}), of({0xFE, 0xFF, 0xD8, 0x00}),
        of({0xC0, 0xAF, 0xE0, 0x80, 0x80}), of({0xF4, 0x90, 0x80, 0x80}), of({0xA1, 0xA1, 0xA1}),
        of({0x93, 0xFA, 0x96}), of({0xC7, 0xD1, 0xB1}),
    };
    for (Encoding e : AllEncodings) {
        const QByteArrayView mark = byteOrderMark(e);
        for (const QByteArray &bytes : odd)
            for (const QByteArray &file : {bytes, "<p>" + bytes + "</p>", bytes + bytes, "\r\n" + bytes}) {
                const QByteArray expected = file.startsWith(mark) ? file : mark.toByteArray() + file;
                EXPECT_EQ(writtenBack(file, e), expected) << encodingName(e).toStdString() << ": " << file.toHex(' ').constData();
            }
    }
}

TEST(Conversions, RawBytesAreCarriedAsThemselvesOrAsTheirEscape)
{
    // The escape of a byte is U+DC00 + the byte in UTF-8 form: ED B0 80 … ED B3 BF.
    const struct {
        Encoding encoding;
        QByteArray file, buffer;
    } cases[] = {
        {Encoding::Gb18030, of({0x80, 0xFF}), of({0x80, 0xFF})},
        // C8 and 85 form no character in Big5, but together they would read as U+0205.
        {Encoding::Big5, of({0xC8, 0x85, 0x20}), of({0xED, 0xB3, 0x88, 0x85, 0x20})},
        {Encoding::Big5, of({0xC8, 0x20}), of({0xC8, 0x20})},
        // A surrogate out of its pair: its bytes, the 00 as an escape, or it would read as NUL.
        {Encoding::Utf16Le, of({0xFF, 0xFE, 0x00, 0xD8}), of({0xED, 0xB0, 0x80, 0xD8})},
        {Encoding::Utf16Be, of({0xFE, 0xFF, 0x00, 0x41, 0x42}), of({0x41, 0xED, 0xB1, 0x82})},
        // Bytes that look like an escape are not taken for one.
        {Encoding::Utf8, of({0xED, 0xB0, 0x80}), of({0xED, 0xB3, 0xAD, 0xB0, 0x80})},
        {Encoding::Windows1252, of({0x81, 0x80}), u"\u0081€"_s.toUtf8()},
        {Encoding::Utf8WithBom, of({0xEF, 0xBB, 0xBF, 0xC3}), of({0xC3})},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(toEditor(c.file, c.encoding).toHex(' '), c.buffer.toHex(' ')) << encodingName(c.encoding).toStdString();
        EXPECT_EQ(writtenBack(c.file, c.encoding), c.file);
    }
}

TEST(Conversions, EveryCodeOfTheTablesComesBackAndIsReadAsTheConverterReadsIt)
{
    for (Encoding e : TableEncodings) {
        std::vector<QByteArray> codes;
        for (int lead = 0x80; lead <= 0xFF; ++lead) {
            codes.push_back(of({lead}));
            for (int trail = 0; trail <= 0xFF; ++trail)
                codes.push_back(of({lead, trail}));
        }
        int characters = 0, raw = 0;
        for (const QByteArray &code : codes) {
            const QByteArray buffer = toEditor(code, e);
            ASSERT_EQ(editorBytesToFileBytes(buffer, e), code) << encodingName(e).toStdString() << code.toHex().constData();
            QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString read = utf8(buffer);
            if (utf8.hasError()) {
                ++raw;
            } else if (read.toUcs4().size() == 1) {
                // Read as one character: the one the converter reads, which it writes back the same.
                ++characters;
                QStringDecoder decoder(converterName(e), QStringConverter::Flag::Stateless);
                QStringEncoder encoder(converterName(e), QStringConverter::Flag::Stateless);
                ASSERT_EQ(decoder(code), read) << encodingName(e).toStdString() << code.toHex().constData();
                ASSERT_EQ(QByteArray(encoder(read)), code) << encodingName(e).toStdString();
            }
        }
        // The tables were read: characters, and in the two-byte encodings codes that form none
        // (Windows-1252 reads every byte).
        EXPECT_GT(characters, 100) << encodingName(e).toStdString();
        EXPECT_EQ(raw > 0, e != Encoding::Windows1252) << encodingName(e).toStdString();
    }
}

TEST(Conversions, CharactersAreWrittenAsTheConverterWritesThem)
{
    const struct {
        Encoding encoding;
        QString text;
    } samples[] = {
        {Encoding::Big5, u"<p>中文網頁，繁體字 €</p>"_s},
        {Encoding::ShiftJis, u"<p>日本語のページ、ｶﾀｶﾅ ①Ⅰ\\~</p>"_s},
        {Encoding::EucKr, u"<p>한국어 웹 페이지 똠방각하</p>"_s},
        {Encoding::Windows1252, u"<p>Café “crème” — 5 €, Œuvre ‰</p>"_s},
        {Encoding::Utf16Le, u"<p>中文 😀</p>"_s},
        {Encoding::Utf16Be, u"<p>中文 😀</p>"_s},
    };
    for (const auto &s : samples) {
        QStringEncoder encoder(converterName(s.encoding), QStringConverter::Flag::Stateless);
        const QByteArray expected = byteOrderMark(s.encoding).toByteArray() + encoder(s.text);
        const QByteArray file = editorBytesToFileBytes(s.text.toUtf8(), s.encoding);
        EXPECT_EQ(file.toHex(' '), expected.toHex(' ')) << encodingName(s.encoding).toStdString();
        EXPECT_EQ(toEditor(file, s.encoding), s.text.toUtf8());
    }
}

TEST(Conversions, CharactersAnEncodingCannotHoldStopTheSave)
{
    const QByteArray buffer = u"a\n中文\r\n😀 é\rБ ü\n€"_s.toUtf8();
    const struct {
        Encoding encoding;
        QList<Unencodable> first; // the first five at most
        qint64 count;
    } cases[] = {
        {Encoding::Gb18030, {}, 0},
        {Encoding::Utf8, {}, 0},
        {Encoding::Utf16Be, {}, 0},
        {Encoding::Big5, {{U'😀', 3}, {U'é', 3}, {U'Б', 4}, {U'ü', 4}}, 4},
        {Encoding::ShiftJis, {{U'😀', 3}, {U'é', 3}, {U'ü', 4}, {U'€', 5}}, 4},
        {Encoding::Windows1252, {{U'中', 2}, {U'文', 2}, {U'😀', 3}, {U'Б', 4}}, 4},
    };
    for (const auto &c : cases) {
        const FilePieces file = editorBytesToFilePieces(buffer, c.encoding);
        EXPECT_EQ(file.unencodable, c.first) << encodingName(c.encoding).toStdString();
        EXPECT_EQ(file.unencodableCount, c.count);
        EXPECT_EQ(file.refused(), c.count > 0);
        if (file.refused()) {
            EXPECT_TRUE(file.pieces.isEmpty());
            EXPECT_TRUE(editorBytesToFileBytes(buffer, c.encoding).isEmpty());
        }
    }
    // Only the first few are listed; all are counted.
    const FilePieces many = editorBytesToFilePieces(QString(40, u'中').toUtf8(), Encoding::Windows1252, 5);
    EXPECT_EQ(many.unencodable.size(), 5);
    EXPECT_EQ(many.unencodableCount, 40);
}
