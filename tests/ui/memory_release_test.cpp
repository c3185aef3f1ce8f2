// SPDX-License-Identifier: GPL-3.0-or-later
// Handing large texts over in pieces: the pieces put together are the bytes, no character or
// CR LF pair is cut between two, the memory handed over is given back as it goes (and memory
// shared with someone else is not), and a whole text replaced in the editor arrives exact.
#include "ui/code_editor.h"
#include "ui/encodings.h"
#include "ui/memory_release.h"
#include "ui/texts.h"

#include <QFile>
#include <gtest/gtest.h>

#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

long residentKiB()
{
    QFile f(u"/proc/self/status"_s);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

/// Text of ASCII, CR LF line breaks, Chinese and four-byte characters, with runs longer than a
/// piece that hold no line break.
QByteArray mixedText(qsizetype size, unsigned seed)
{
    static const QByteArray pieces[] = {"a", "<p>", "\r\n", "\xE4\xB8\xAD", "\xF0\xA0\x80\x80", "\xC3\xA9"};
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pick(0, int(std::size(pieces)) - 1), longRun(0, 40);
    QByteArray out;
    while (out.size() < size) {
        if (longRun(rng) == 0) // a line longer than any piece size tried
            for (int i = 0; i < 30; ++i)
                out += "\xE4\xB8\xAD";
        else
            out += pieces[pick(rng)];
    }
    return out;
}

bool startsSequence(char c) { return (uchar(c) & 0xC0) != 0x80; }

} // namespace

TEST(HandOverInPieces, PiecesMakeUpTheBytesAndCutNoCharacterNorLineBreak)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        const QByteArray original = mixedText(20000, seed);
        for (qsizetype pieceSize : {1, 2, 3, 5, 17, 64, 4096, 30000}) {
            QByteArray bytes = original;
            bytes.detach();
            QByteArray joined;
            qsizetype pieces = 0;
            ui::handOverInPieces(bytes, pieceSize, [&](const char *data, qsizetype length) {
                ASSERT_GT(length, 0);
                ASSERT_LE(length, std::max<qsizetype>(pieceSize, 1));
                joined.append(data, length);
                ++pieces;
                const qsizetype end = joined.size();
                if (end < original.size()) {
                    // Never between CR and LF, never inside a sequence (pieces of one or two
                    // bytes cannot hold a whole four-byte character and must cut it).
                    EXPECT_FALSE(original[end - 1] == '\r' && original[end] == '\n' && pieceSize > 1)
                        << "piece size " << pieceSize << " cut at " << end;
                    if (pieceSize >= 4) {
                        EXPECT_TRUE(startsSequence(original[end])) << "piece size " << pieceSize << " cut at " << end;
                    }
                }
            });
            EXPECT_TRUE(joined == original) << "piece size " << pieceSize;
            EXPECT_TRUE(bytes.isEmpty());
            EXPECT_GE(pieces, original.size() / pieceSize);
        }
    }
}

TEST(HandOverInPieces, APieceEndsAfterItsLastLineFeed)
{
    QByteArray bytes("ab\r\ncd\r\nefgh\r\nij");
    bytes.detach();
    QList<QByteArray> pieces;
    ui::handOverInPieces(bytes, 10, [&](const char *data, qsizetype length) { pieces.append(QByteArray(data, length)); });
    EXPECT_EQ(pieces, (QList<QByteArray>{"ab\r\ncd\r\n", "efgh\r\nij"}));
}

TEST(HandOverInPieces, MemoryHandedOverIsGivenBackOnTheWayButSharedOrBorrowedMemoryIsKept)
{
    constexpr qsizetype Size = qsizetype(64) << 20;
    QByteArray bytes(Size, 'x'); // written: resident
    const long before = residentKiB();
    ASSERT_GT(before, 64 * 1024);
    long atLastPiece = 0;
    qsizetype taken = 0;
    ui::handOverInPieces(bytes, Size / 8, [&](const char *, qsizetype length) {
        taken += length;
        if (taken == Size)
            atLastPiece = residentKiB();
    });
    // Seven of the eight pieces have been given back when the last one is taken.
    EXPECT_LT(atLastPiece, before - 48 * 1024) << "resident KiB before " << before << ", at the last piece " << atLastPiece;

    QByteArray kept(Size / 4, 'k');
    QByteArray shared = kept;
    ui::handOverInPieces(shared, Size / 64, [](const char *, qsizetype) {});
    EXPECT_TRUE(shared.isEmpty());
    EXPECT_EQ(kept.size(), Size / 4);
    EXPECT_EQ(kept.count('k'), Size / 4); // nothing of it read back as zeros

    // Nor is memory the bytes only refer to.
    const QByteArray owner(Size / 4, 'r');
    QByteArray view = QByteArray::fromRawData(owner.constData(), owner.size());
    ui::handOverInPieces(view, Size / 64, [](const char *, qsizetype) {});
    EXPECT_EQ(owner.count('r'), Size / 4);
}

TEST(HandOverInPieces, ALargeTextReplacedInTheEditorArrivesExact)
{
    ui::CodeEditor ed;
    // Past one piece, with a byte-order mark's worth of offset so piece ends fall anywhere.
    const QByteArray text = "xyz" + mixedText(ui::CodeEditor::HandOverPiece * 2 + 12345, 9);
    const qsizetype lines = text.count('\n') + 1;
    ed.replaceAllWithEditorBytes(text, -1, true);
    EXPECT_TRUE(ed.buffer() == QByteArrayView(text));
    EXPECT_EQ(ed.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT), lines);
    EXPECT_FALSE(ed.mayHoldRawBytes());
    // Counted in GB18030, and saved as UTF-8 unchanged.
    EXPECT_EQ(ed.byteLength(), ui::editorBytesToGb18030(text.constData(), text.size()).size());
    EXPECT_TRUE(ui::editorBytesToFileBytes(ed.buffer(), ui::Encoding::Utf8) == text);
}
