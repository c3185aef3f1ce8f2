// SPDX-License-Identifier: GPL-3.0-or-later
// Handing large texts over in pieces: the pieces put together are the bytes, no character or
// CR LF pair is cut between two, and the memory handed over is given back as it goes (and memory
// shared with someone else is not).
#include "core/memory_release.h"
#include "support/memory.h"
#include "support/mixed_text.h"

#include <gtest/gtest.h>

using testsupport::mixedText;
using testsupport::residentKiB;

namespace {

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
            core::handOverInPieces(bytes, pieceSize, [&](const char *data, qsizetype length) {
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
    core::handOverInPieces(bytes, 10, [&](const char *data, qsizetype length) { pieces.append(QByteArray(data, length)); });
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
    core::handOverInPieces(bytes, Size / 8, [&](const char *, qsizetype length) {
        taken += length;
        if (taken == Size)
            atLastPiece = residentKiB();
    });
    // Seven of the eight pieces have been given back when the last one is taken.
    EXPECT_LT(atLastPiece, before - 48 * 1024) << "resident KiB before " << before << ", at the last piece " << atLastPiece;

    QByteArray kept(Size / 4, 'k');
    QByteArray shared = kept;
    core::handOverInPieces(shared, Size / 64, [](const char *, qsizetype) {});
    EXPECT_TRUE(shared.isEmpty());
    EXPECT_EQ(kept.size(), Size / 4);
    EXPECT_EQ(kept.count('k'), Size / 4); // nothing of it read back as zeros

    // Nor is memory the bytes only refer to.
    const QByteArray owner(Size / 4, 'r');
    QByteArray view = QByteArray::fromRawData(owner.constData(), owner.size());
    core::handOverInPieces(view, Size / 64, [](const char *, qsizetype) {});
    EXPECT_EQ(owner.count('r'), Size / 4);
}
