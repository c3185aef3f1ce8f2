// SPDX-License-Identifier: GPL-3.0-or-later
// The encoding the page is saved in against every declaration in it: a browser that believes a
// declaration reads bytes of another encoding as garbage. The fix rewrites the declaration; the
// text is never converted behind the writer's back.
#include "page_check.h"

#include <set>

using namespace Qt::Literals::StringLiterals;

namespace markup {

std::vector<Finding> encodingFindings(QByteArrayView text, core::Encoding encoding)
{
    // declarations() reads a window of DeclarationWindow bytes; windows overlap by more than any
    // declaration is long, so none is cut in two.
    constexpr qsizetype Overlap = 256;
    constexpr qsizetype Step = core::DeclarationWindow - Overlap;
    std::vector<Finding> found;
    std::set<qsizetype> seen;
    for (qsizetype offset = 0; offset < text.size(); offset += Step) {
        const QByteArrayView window = text.sliced(offset);
        const bool last = window.size() <= core::DeclarationWindow;
        for (const core::Declaration &d : core::declarations(window)) {
            if (!last && d.at + d.length + Overlap / 2 > core::DeclarationWindow)
                continue; // the next window sees it whole
            const qsizetype at = offset + d.at;
            if (!seen.insert(at).second || !core::declarationDisagrees(d, encoding))
                continue;
            const QByteArray fixed = core::declarationText(encoding, d.codePage);
            found.push_back({Finding::Encoding, at, at + d.length,
                             u"声明的编码“%1”与保存用的编码“%2”不符"_s.arg(QString::fromLatin1(text.sliced(at, d.length)),
                                                                          core::encodingName(encoding)),
                             CheckFix{at, at + d.length, fixed}});
        }
        if (last)
            break;
    }
    return found;
}

} // namespace markup
