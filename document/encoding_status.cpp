// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding_status.h"

#include "state.h"
#include "status_note.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

EncodingNote encodingNote(core::Encoding encoding, QByteArrayView fileStart, bool rawBytes)
{
    const bool utf8 = encoding != core::Encoding::Gb18030;
    const core::Text name = utf8 ? u"UTF-8"_s : u"GB18030"_s;
    if (utf8 && rawBytes)
        return {u"UTF-8！"_s, u"文件里有不成 UTF-8 字符的原始字节（原样写入）：浏览器会把它们显示成"
                              u"“�”，再次打开时整个文件会按 GB18030 读入。"_s};
    const core::Declaration declared = core::declaredEncoding(fileStart);
    if (core::declarationDisagrees(declared, encoding))
        // The panel is 55 pixels wide: the declared name is what the tooltip explains.
        return {u"≠"_s + declared.name,
                u"网页声明的编码是 %1，文件却是 %2：浏览器按声明读取，中文会显示成乱码。"_s.arg(declared.name, name)};
    if (encoding == core::Encoding::Utf8WithBom)
        return {u"UTF-8"_s, u"文件以 UTF-8 读入（开头有字节顺序标记），保存时仍写 UTF-8，标记保留。"_s};
    if (utf8)
        return {u"UTF-8"_s, u"文件以 UTF-8 读入，保存时仍写 UTF-8。"_s};
    return {};
}

void showEncodingNote(ui::UiRuntime &rt, QByteArrayView fileStart, bool rawBytes)
{
    const EncodingNote note = encodingNote(documentEncoding(), fileStart, rawBytes);
    showStatusNote(rt, note.text, note.toolTip);
}

} // namespace document
