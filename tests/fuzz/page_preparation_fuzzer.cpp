// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's preparation of any text: it ends, and every source offset it marks a start tag or
// a placeholder with points at a '<' of the text, where that element's or block's source starts.
#include "fuzz_check.h"
#include "preview/page_preparation.h"

#include <QRegularExpression>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));
    // No file: nothing is read from the disk, so the result depends on the text alone.
    const preview::PreparedPage page = preview::preparePage(text, {});
    FUZZ_CHECK(!page.cancelled);
    FUZZ_CHECK(page.html.startsWith("\xEF\xBB\xBF"));
    static const QRegularExpression mark(QStringLiteral(" data-qm=\"(\\d+)\""));
    const QString html = QString::fromUtf8(page.html);
    for (auto m = mark.globalMatch(html); m.hasNext();) {
        const qint64 at = m.next().captured(1).toLongLong();
        FUZZ_CHECK(at >= 0 && at < text.size() && text[at] == '<');
    }
    return 0;
}
