// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

#include <limits>
#include <random>

using namespace core;

namespace {

QByteArray randomBytes(std::mt19937 &rng, int maxLen, bool gbHeavy)
{
    std::uniform_int_distribution<int> len(0, maxLen), byte(0, 255), pick(0, 9);
    QByteArray b;
    const int n = len(rng);
    for (int i = 0; i < n; ++i) {
        if (gbHeavy && pick(rng) < 6) {
            // Mostly lead/trail-shaped bytes, so that near-valid sequences are common.
            static const uchar shaped[] = {0x81, 0x30, 0xFE, 0x39, 0x80, 0xFF, 0xA1, 0x40, 0x7F, 0x00, 0x0D, 0x0A, 0xC3, 0xE4, 0xB8, 0xED};
            b.append(char(shaped[byte(rng) % sizeof shaped]));
        } else {
            b.append(char(byte(rng)));
        }
    }
    return b;
}

} // namespace

TEST(TextBytes, AnyByteSequenceSurvivesDecodeAndEncode)
{
    std::mt19937 rng(20261207);
    for (int round = 0; round < 20000; ++round) {
        const QByteArray bytes = randomBytes(rng, 64, round % 2 == 0);
        const Text text = bytesToText(bytes);
        ASSERT_EQ(textToBytes(text), bytes) << "round " << round << ": " << bytes.toHex().constData();
        ASSERT_EQ(textLength(text), bytes.size()) << bytes.toHex().constData();
        // The editor's buffer carries the same text without loss.
        const QByteArray editor = textToEditorBytes(text);
        ASSERT_EQ(editorBytesToText(editor.constData(), editor.size()), text);
        ASSERT_EQ(gb18030LengthOfEditorBytes(editor.constData(), editor.size()), bytes.size());
    }
}

TEST(TextBytes, Gb2312CharactersKeepTheirBytes)
{
    const Text text = QStringLiteral("你好，世界：文件已经被修改");
    const QByteArray expected("\xc4\xe3\xba\xc3\xa3\xac\xca\xc0\xbd\xe7\xa3\xba\xce\xc4\xbc\xfe\xd2\xd1\xbe\xad\xb1\xbb\xd0\xde\xb8\xc4");
    EXPECT_EQ(textToBytes(text), expected);
    EXPECT_EQ(bytesToText(expected), text);
    EXPECT_EQ(textLength(text), expected.size());
}

TEST(TextBytes, EveryTypedCharacterSurvives)
{
    // Characters outside GB2312 (euro sign, emoji, rare CJK) take four bytes and come back.
    const Text text = QString::fromUtf8("€ 😀 𠀀 ǅ \u00e9 \u0080 \ufffd");
    EXPECT_EQ(bytesToText(textToBytes(text)), text);
    EXPECT_EQ(textLength(text), textToBytes(text).size());
}

TEST(TextBytes, EditorBufferIsWrittenAsTheCodecWritesEveryCharacter)
{
    // Every BMP character and a spread of the planes beyond, each between ASCII and next to an
    // invalid byte, so that every path through the buffer's conversion is taken.
    QString text;
    for (char32_t c = 0x80; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF)
            text.append(QChar(char16_t(c)));
    for (char32_t c = 0x10000; c <= 0x10FFFF; c += 997)
        text.append(QString::fromUcs4(&c, 1));
    text.append(QString::fromUcs4(U"\U0010FFFF a\U00010000", 4));
    QStringEncoder codec("GB18030", QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QByteArray expected = codec(text);
    ASSERT_FALSE(codec.hasError());
    const QByteArray buffer = text.toUtf8();
    EXPECT_EQ(editorBytesToGb18030(buffer.constData(), buffer.size()), expected);
    EXPECT_EQ(gb18030LengthOfEditorBytes(buffer.constData(), buffer.size()), expected.size());
    EXPECT_EQ(textLength(text), expected.size());

    const QByteArray mixed = QByteArray("<p>") + buffer.left(300) + "\xff\xc3" + buffer.mid(300, 40) + "\xed\xa0\x80x";
    const QByteArray mixedExpected = QByteArray("<p>") + codec(QString::fromUtf8(buffer.left(300))) + "\xff\xc3" +
                                     codec(QString::fromUtf8(buffer.mid(300, 40))) + "\xed\xa0\x80x";
    EXPECT_EQ(editorBytesToGb18030(mixed.constData(), mixed.size()), mixedExpected);
}

TEST(TextBytes, EveryCodeIsReadIntoTheEditorBufferAsTheCodecReadsIt)
{
    // Every two-byte code, every four-byte code below the planes beyond the BMP and a spread of
    // those beyond, each after an ASCII letter, read straight into the buffer and through a text.
    QByteArray bytes;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            bytes.append('x').append(char(lead)).append(char(trail));
    auto addFour = [&](int a, int b, int c, int d) { bytes.append('x').append(char(a)).append(char(b)).append(char(c)).append(char(d)); };
    for (int a = 0x81; a <= 0x84; ++a)
        for (int b = 0x30; b <= 0x39; ++b)
            for (int c = 0x81; c <= 0xFE; ++c)
                for (int d = 0x30; d <= 0x39; ++d)
                    addFour(a, b, c, d);
    for (int a = 0x85; a <= 0xFE; a += 3)
        for (int c = 0x81; c <= 0xFE; c += 7)
            addFour(a, 0x30 + a % 10, c, 0x30 + c % 10);
    addFour(0xE3, 0x32, 0x9A, 0x35); // U+10FFFF, the last
    addFour(0xE3, 0x32, 0x9A, 0x36); // one past it
    const QByteArray buffer = gb18030ToEditorBytes(bytes);
    EXPECT_EQ(buffer, textToEditorBytes(bytesToText(bytes)));
    EXPECT_EQ(editorBytesToGb18030(buffer.constData(), buffer.size()), bytes);
    EXPECT_EQ(gb18030LengthOfEditorBytes(buffer.constData(), buffer.size()), bytes.size());
}

TEST(TextBytes, NulAndInvalidBytesAreKept)
{
    const QByteArray bytes("a\0b\x80\xff\x81\x20", 7);
    const Text text = bytesToText(bytes);
    EXPECT_EQ(text.size(), 7);
    EXPECT_EQ(textToBytes(text), bytes);
}

// A buffer's raw-byte escape means one file byte whether the buffer is saved directly or read as
// a text first; a file's own escaped bytes stay one each.
TEST(TextBytes, BufferEscapesMeanTheSameByteThroughATextAsInASave)
{
    const struct {
        const char *name;
        QByteArray buffer, file;
    } cases[] = {
        {"escape of a byte below 0x80", QByteArray("a\xED\xB0\x80" "b", 5), QByteArray("a\0b", 3)},
        {"escape of an escape's lead", "\xED\xB3\xAD\xB0\x80", "\xED\xB0\x80"},
        {"escape at the very end", "x\xED\xB1\x81", "x\x41"},
        {"cut short: raw bytes", "\xED\xB0", "\xED\xB0"},
        {"not an escape's second byte", "\xED\xAF\x80", "\xED\xAF\x80"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray saved = editorBytesToGb18030(c.buffer.constData(), c.buffer.size());
        EXPECT_EQ(saved, c.file);
        const Text text = editorBytesToText(c.buffer.constData(), c.buffer.size());
        EXPECT_EQ(textToBytes(text), saved);
        EXPECT_EQ(textLength(text), saved.size());
        EXPECT_EQ(textToEditorBytes(text), c.buffer);
    }
}

TEST(Numbers, RoundToExamples)
{
    EXPECT_DOUBLE_EQ(roundTo(0.9765625, 2), 0.98);
    EXPECT_DOUBLE_EQ(roundTo(0.125, 2), 0.13);
    EXPECT_DOUBLE_EQ(roundTo(-0.125, 2), -0.13);
    EXPECT_DOUBLE_EQ(roundTo(2.5, 0), 3);
    EXPECT_DOUBLE_EQ(roundTo(-2.5, 0), -3);
    EXPECT_DOUBLE_EQ(roundTo(2.4999, 0), 2);
    EXPECT_DOUBLE_EQ(roundTo(1250, -2), 1300);
    EXPECT_DOUBLE_EQ(roundTo(1249, -2), 1200);
    EXPECT_EQ(roundTo(0, 2), 0);
    // The nudge carries a value a hair below the half over it.
    EXPECT_DOUBLE_EQ(roundTo(1.005, 2), 1.01);
}

TEST(Numbers, ToTextFormats)
{
    EXPECT_EQ(toText(0.98), QStringLiteral("0.98"));
    EXPECT_EQ(toText(2.0), QStringLiteral("2"));
    EXPECT_EQ(toText(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(toText(-7), QStringLiteral("-7"));
    EXPECT_EQ(toText(1.0 / 3), QStringLiteral("0.3333333333333"));
    EXPECT_EQ(toText(1e20), QStringLiteral("1e+20"));
    EXPECT_EQ(toText(0.0), QStringLiteral("0"));
}

TEST(Numbers, ToNumberReadsALeadingNumber)
{
    EXPECT_EQ(toNumber(QStringLiteral("  42abc")), 42);
    EXPECT_EQ(toNumber(QStringLiteral("-3.5x")), -3.5);
    EXPECT_EQ(toNumber(QStringLiteral("1e3")), 1000);
    EXPECT_EQ(toNumber(QStringLiteral("1e")), 1);
    EXPECT_EQ(toNumber(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(toNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(toNumber(QStringLiteral("")), 0);
    EXPECT_EQ(toNumber(QStringLiteral("-")), 0);
    EXPECT_EQ(toNumber(QStringLiteral("0x10")), 0);
    EXPECT_EQ(toNumber(7), 7);
}

TEST(Numbers, EdgesOfRoundToToTextAndToNumber)
{
    // Negative decimals round to tens, hundreds …, keeping the sign.
    EXPECT_DOUBLE_EQ(roundTo(-1250, -2), -1300);
    EXPECT_DOUBLE_EQ(roundTo(15, -1), 20);
    EXPECT_DOUBLE_EQ(roundTo(14.9, -1), 10);
    EXPECT_DOUBLE_EQ(roundTo(0.4, -1), 0);
    // Halves are carried away from zero; the nudge does not lift what is clearly below a half.
    EXPECT_DOUBLE_EQ(roundTo(0.5, 0), 1);
    EXPECT_DOUBLE_EQ(roundTo(0.49999, 0), 0);
    EXPECT_DOUBLE_EQ(roundTo(2.675, 2), 2.68);
    EXPECT_DOUBLE_EQ(roundTo(-2.675, 2), -2.68);
    EXPECT_DOUBLE_EQ(roundTo(123.456, 5), 123.456);
    // Kilobyte sizes as the status bar shows them.
    EXPECT_EQ(toText(roundTo(250 / 1024.0, 2)), QStringLiteral("0.24"));
    EXPECT_EQ(toText(roundTo(1000 / 1024.0, 2)), QStringLiteral("0.98"));

    EXPECT_EQ(toText(1e-5), QStringLiteral("1e-05"));
    EXPECT_EQ(toText(123456789012345.0), QStringLiteral("1.234567890123e+14"));
    EXPECT_EQ(toText(1234567890123.0), QStringLiteral("1234567890123"));
    EXPECT_EQ(toText(-0.25), QStringLiteral("-0.25"));
    EXPECT_EQ(toText(std::numeric_limits<int>::min()), QStringLiteral("-2147483648"));
    EXPECT_EQ(toText(0), QStringLiteral("0"));

    EXPECT_EQ(toNumber(QStringLiteral("\t +5")), 5);
    EXPECT_EQ(toNumber(QStringLiteral("1.5e+2x")), 150);
    EXPECT_EQ(toNumber(QStringLiteral("12.")), 12);
    EXPECT_EQ(toNumber(QStringLiteral("- 5")), 0);
    EXPECT_EQ(toNumber(QStringLiteral("１２")), 0); // full-width digits are not read
    EXPECT_EQ(toNumber(QStringLiteral("3,5")), 3);
    EXPECT_EQ(toNumber(QStringLiteral("1e400")), std::numeric_limits<double>::infinity());
}
