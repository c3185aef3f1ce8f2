// SPDX-License-Identifier: GPL-3.0-or-later
// Generated documents for the benchmarks: HTML with about one character in five Chinese, lines
// of 40 to 120 characters, CR LF line breaks. Nothing is committed; every run makes its own.
#pragma once

#include <QString>

#include <random>

namespace bench {

/// About targetBytes of GB18030. lineLength > 0 gives lines of exactly that many characters;
/// lineLength == 0 gives one single line.
inline QString makeDocument(qint64 targetBytes, unsigned seed = 7, int lineLength = -1)
{
    static const char16_t chinese[] = u"网页开发系统文件编辑插入工具选项帮助表格图片链接标题段落列表脚本日期样式";
    static const QString markup = QStringLiteral(
        "<div class=\"item\"><p>text <a href=\"page.html\">link</a></p><span style=\"color:red\">x</span></div>");
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> lineLen(40, 120), fifth(0, 4), han(0, int(std::size(chinese)) - 2);
    QString out;
    out.reserve(targetBytes);
    qint64 bytes = 0; // these Chinese characters take 2 bytes in GB18030, ASCII 1
    int column = 0, lineTarget = lineLength > 0 ? lineLength : lineLen(rng);
    qsizetype m = 0;
    while (bytes < targetBytes) {
        if (lineLength != 0 && column >= lineTarget) {
            out += u"\r\n";
            bytes += 2;
            column = 0;
            lineTarget = lineLength > 0 ? lineLength : lineLen(rng);
            continue;
        }
        if (fifth(rng) == 0) {
            out += QChar(chinese[han(rng)]);
            bytes += 2;
        } else {
            out += markup.at(m);
            m = (m + 1) % markup.size();
            bytes += 1;
        }
        ++column;
    }
    return out;
}

} // namespace bench
