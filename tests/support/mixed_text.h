// SPDX-License-Identifier: GPL-3.0-or-later
// Generated UTF-8 text for tests of large buffers.
#pragma once

#include <QByteArray>

#include <iterator>
#include <random>

namespace testsupport {

/// At least `size` bytes of ASCII, CR LF line breaks, Chinese and four-byte characters, with runs
/// longer than a piece of any size tried that hold no line break; the same for the same seed.
inline QByteArray mixedText(qsizetype size, unsigned seed)
{
    static const QByteArray pieces[] = {"a", "<p>", "\r\n", "\xE4\xB8\xAD", "\xF0\xA0\x80\x80", "\xC3\xA9"};
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pick(0, int(std::size(pieces)) - 1), longRun(0, 40);
    QByteArray out;
    while (out.size() < size) {
        if (longRun(rng) == 0)
            for (int i = 0; i < 30; ++i)
                out += "\xE4\xB8\xAD";
        else
            out += pieces[pick(rng)];
    }
    return out;
}

} // namespace testsupport
