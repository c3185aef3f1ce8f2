// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding_choice.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

core::Text unencodableReason(const core::FilePieces &file, core::Encoding encoding)
{
    QStringList lines;
    for (const core::Unencodable &u : file.unencodable)
        lines << u"第 %1 行：“%2”（U+%3）"_s.arg(u.line)
                     .arg(QString::fromUcs4(&u.character, 1),
                          QString::number(uint(u.character), 16).toUpper().rightJustified(4, u'0'));
    if (file.unencodableCount > file.unencodable.size())
        lines << u"……共 %1 个字符"_s.arg(file.unencodableCount);
    return u"%1 无法表示以下字符，文件一个字节也没有写：\n%2\n\n可按 Ctrl+Shift+E 改用能表示它们的编码（如 UTF-8 或 "
           u"GB18030）再保存。"_s.arg(core::encodingName(encoding), lines.join(u'\n'));
}

} // namespace document
