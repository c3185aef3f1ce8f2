// SPDX-License-Identifier: GPL-3.0-or-later
// The page checks on any document: the first byte says whether the rest is a GB18030 or a UTF-8
// file, which is read into the editor's buffer as opening reads it. Every finding lies inside the
// text and its place maps back to it; a finding of the markup checker never touches server code.
#include "fuzz_check.h"
#include "core/tag_reader.h"
#include "markup/page_check.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const core::Encoding encoding = data[0] & 1 ? core::Encoding::Utf8 : core::Encoding::Gb18030;
    const QByteArray buffer = core::fileBytesToEditorBytes(
        QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)), encoding);
    const auto blocks = core::serverBlocks(buffer);
    const markup::LineIndex lines(buffer);
    for (const markup::Finding &f : markup::checkPage(buffer, {.encoding = encoding})) {
        FUZZ_CHECK(0 <= f.from && f.from <= f.to && f.to <= buffer.size());
        FUZZ_CHECK(!f.message.isEmpty());
        if (f.fix)
            FUZZ_CHECK(f.from <= f.fix->from && f.fix->to <= f.to);
        if (f.kind != markup::Finding::Markup)
            continue;
        FUZZ_CHECK(lines.positionOf(lines.placeOf(f.from)) == f.from);
        for (const auto &[from, to] : blocks)
            FUZZ_CHECK(f.to <= from || to <= f.from || (f.from == f.to && (f.from == from || f.from == to)));
    }
    return 0;
}
