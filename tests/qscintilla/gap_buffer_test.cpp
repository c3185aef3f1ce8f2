// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled editor component's text and style buffers make room without filling it: room that
// is made is not brought into memory, and the text and its styles stay exact through growth,
// gap moves and deletions, below and above the size from which blocks get huge pages.
#include "support/memory.h"

#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

class Buffer : public QsciScintilla {
public:
    Buffer() { setUtf8(true); }
    long send(unsigned msg, unsigned long w = 0, long l = 0) { return SendScintilla(msg, w, l); }
    void insert(long at, const std::string &text) { SendScintilla(SCI_INSERTTEXT, at, text.c_str()); }
    void append(const std::string &text) { SendScintilla(SCI_APPENDTEXT, text.size(), text.data()); }
    void remove(long at, long length) { send(SCI_DELETERANGE, at, length); }
    void style(long at, long length, int style)
    {
        send(SCI_STARTSTYLING, at);
        send(SCI_SETSTYLING, length, style);
    }
    std::string text()
    {
        const long length = send(SCI_GETLENGTH);
        return {reinterpret_cast<const char *>(send(SCI_GETCHARACTERPOINTER)), size_t(length)};
    }
};

std::string randomText(std::mt19937 &rng, size_t length)
{
    static const std::string pieces[] = {"a", "<p>", "\r\n", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80", " x=\"1\""};
    std::uniform_int_distribution<size_t> pick(0, std::size(pieces) - 1);
    std::string out;
    while (out.size() < length)
        out += pieces[pick(rng)];
    return out;
}

TEST(GapBuffer, RoomForALargeTextIsNotBroughtIntoMemory)
{
    Buffer b;
    const long before = testsupport::residentKiB();
    ASSERT_GT(before, 0);
    // Text and styles: 2 × 256 MB of room. Filled, all of it would be resident at once; a
    // sanitizer's bookkeeping may touch an eighth of it.
    b.send(QsciScintillaBase::SCI_ALLOCATE, 256ul << 20);
    const long after = testsupport::residentKiB();
    EXPECT_LT(after - before, 128 * 1024) << "resident KiB before " << before << ", after " << after;
    // The room is usable: text put into it reads back.
    b.append("<html>\xE4\xB8\xAD</html>");
    EXPECT_EQ(b.text(), "<html>\xE4\xB8\xAD</html>");
    EXPECT_EQ(b.send(QsciScintillaBase::SCI_GETSTYLEAT, 3), 0);
}

TEST(GapBuffer, TextStaysExactThroughGrowthGapMovesAndDeletionsAcrossTheLargeBlockSize)
{
    Buffer b;
    std::string model;
    std::mt19937 rng(5);
    // Grows in steps past 4 MB and to some 12 MB, inserting anywhere and deleting now and then,
    // so that the buffer is reallocated both below and above the large-block size.
    for (int step = 0; step < 120; ++step) {
        const size_t length = std::uniform_int_distribution<size_t>(1, 200000)(rng);
        const std::string text = randomText(rng, length);
        // Insert only between whole characters: the component snaps positions inside them.
        size_t at = std::uniform_int_distribution<size_t>(0, model.size())(rng);
        while (at < model.size() && (uchar(model[at]) & 0xC0) == 0x80)
            ++at;
        b.insert(long(at), text);
        model.insert(at, text);
        if (step % 7 == 6) {
            size_t from = std::uniform_int_distribution<size_t>(0, model.size() / 2)(rng);
            while (from < model.size() && (uchar(model[from]) & 0xC0) == 0x80)
                ++from;
            size_t to = std::min(model.size(), from + std::uniform_int_distribution<size_t>(0, 300000)(rng));
            while (to < model.size() && (uchar(model[to]) & 0xC0) == 0x80)
                ++to;
            b.remove(long(from), long(to - from));
            model.erase(from, to - from);
        }
        ASSERT_EQ(b.send(QsciScintillaBase::SCI_GETLENGTH), long(model.size())) << "step " << step;
        if (step % 10 == 9) {
            ASSERT_TRUE(b.text() == model) << "step " << step;
        }
    }
    EXPECT_GT(model.size(), size_t(8) << 20);
    EXPECT_TRUE(b.text() == model);
}

TEST(GapBuffer, InsertedTextHasTheDefaultStyleWhateverTheRoomHeldBefore)
{
    Buffer b;
    const std::string big(6u << 20, 'x'); // above the large-block size
    b.append(big);
    b.style(0, long(big.size()), 5);
    // The deleted text's styles are left in the gap; text inserted there must not take them.
    b.remove(1000, 3u << 20);
    b.insert(1000, std::string(2u << 20, 'y'));
    for (long at : {999l, 1000l, 1000l + (1l << 20), 1000l + (2l << 20) - 1, 1000l + (2l << 20)})
        EXPECT_EQ(b.send(QsciScintillaBase::SCI_GETSTYLEAT, at), at >= 1000 && at < 1000 + (2l << 20) ? 0 : 5)
            << "at " << at;
    // Growing the buffer keeps the styles where they were.
    b.append(std::string(8u << 20, 'z'));
    EXPECT_EQ(b.send(QsciScintillaBase::SCI_GETSTYLEAT, 10), 5);
    EXPECT_EQ(b.send(QsciScintillaBase::SCI_GETSTYLEAT, long(big.size()) - 1 - (3l << 20) + (2l << 20)), 5);
    EXPECT_EQ(b.send(QsciScintillaBase::SCI_GETSTYLEAT, b.send(QsciScintillaBase::SCI_GETLENGTH) - 1), 0);
}

} // namespace
