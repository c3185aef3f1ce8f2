// SPDX-License-Identifier: GPL-3.0-or-later
// The one UTF-8 reader against a table of sequences at the edges of UTF-8, and everything that
// reads through it: the whole-file check (both ways of running it, and Qt's own decoder, judge
// alike), the caret's places, and the conversions of the editor's buffer.
#include "core/texts.h"
#include "core/utf8.h"
#include "core/utf8_check.h"
#include "support/utf8_samples.h"

#include <QList>
#include <QStringDecoder>
#include <gtest/gtest.h>

TEST(ReadUtf8, EverySampleAsTheEditorComponentReadsIt)
{
    for (const testsupport::Utf8Sample &s : testsupport::Utf8Samples) {
        SCOPED_TRACE(s.what);
        const QByteArray bytes = s.bytes.toByteArray();
        const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
        const core::Utf8Sequence read = core::readUtf8(p, bytes.size());
        EXPECT_EQ(read.length, s.length);
        if (s.length > 0) {
            EXPECT_EQ(read.codePoint, s.codePoint);
        }
        EXPECT_EQ(read.caretCharacter(), s.caretCharacter);
        EXPECT_EQ(core::caretCharacterAt(bytes, 0), s.caretCharacter ? s.codePoint : U'\uFFFD');

        // Well-formed is what the whole-file check accepts, whichever way it runs, and Qt too.
        const bool wellFormed = s.length == bytes.size();
        EXPECT_EQ(core::checkUtf8(bytes).valid, wellFormed);
        EXPECT_EQ(core::checkUtf8Scalar(bytes).valid, wellFormed);
        QStringDecoder qt(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = qt(bytes);
        EXPECT_EQ(!qt.hasError(), wellFormed);

        // The caret stands inside only what it does not step over at once.
        for (qsizetype at = 1; at < bytes.size(); ++at)
            EXPECT_EQ(core::isCharacterStart(bytes, at), !s.caretCharacter) << "at " << at;

        // Decoded for a dialog and back: a well-formed sequence is one code point, raw bytes one
        // escape each; either way the same bytes come back.
        const core::Text text = core::editorBytesToText(bytes.constData(), bytes.size());
        EXPECT_EQ(text.toUcs4().size(), wellFormed ? 1 : bytes.size());
        EXPECT_EQ(core::textToEditorBytes(text), bytes);
        // Written as GB18030 and read back, a well-formed sequence (a non-character too) is the
        // same bytes again; the count the status bar shows is the bytes written.
        const QByteArray gb = core::editorBytesToGb18030(bytes.constData(), bytes.size());
        EXPECT_EQ(core::gb18030LengthOfEditorBytes(bytes.constData(), bytes.size()), gb.size());
        if (wellFormed) {
            EXPECT_EQ(core::gb18030ToEditorBytes(gb), bytes);
        }
    }
}
