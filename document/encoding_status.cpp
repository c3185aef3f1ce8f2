// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding_status.h"

#include "status_note.h"

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

/// The panel is 55 pixels wide.
core::Text panelName(core::Encoding encoding)
{
    switch (encoding) {
    case core::Encoding::Gb18030: return {};
    case core::Encoding::Utf8:
    case core::Encoding::Utf8WithBom: return u"UTF-8"_s;
    case core::Encoding::Utf16Le: return u"UTF-16LE"_s;
    case core::Encoding::Utf16Be: return u"UTF-16BE"_s;
    case core::Encoding::Windows1252: return u"CP1252"_s;
    default: return core::encodingName(encoding);
    }
}

core::Text howDecided(core::EncodingSource source)
{
    switch (source) {
    case core::EncodingSource::ByteOrderMark: return u"由文件开头的字节顺序标记（BOM）判断"_s;
    case core::EncodingSource::Bytes: return u"由文件的字节判断"_s;
    case core::EncodingSource::Declaration: return u"由网页中的编码声明判断"_s;
    case core::EncodingSource::Chosen: return u"由你在“文字编码”窗口中选定"_s;
    case core::EncodingSource::NewDocument: return u"新文档"_s;
    }
    return {};
}

bool isUtf8(core::Encoding e) { return e == core::Encoding::Utf8 || e == core::Encoding::Utf8WithBom; }

} // namespace

EncodingNote encodingNote(core::Detection encoding, QByteArrayView fileStart, bool rawBytes)
{
    const core::Encoding e = encoding.encoding;
    const core::Text name = core::encodingName(e);
    const core::Text inUse = u"文字编码：%1（%2），保存时仍用它。"_s.arg(name, howDecided(encoding.source));
    if (isUtf8(e) && rawBytes)
        return {u"UTF-8！"_s, inUse + u"\n文件里有不成 UTF-8 字符的原始字节（原样写入）：浏览器会把它们显示成"
                                      u"“�”，再次打开时整个文件会按 GB18030 读入。"_s};
    const core::Declaration declared = core::declaredEncoding(fileStart);
    if (core::declarationDisagrees(declared, e))
        return {u"≠"_s + declared.name,
                inUse + u"\n网页声明的编码是 %1，文件却是 %2：浏览器按声明读取，文字会显示成乱码。"_s.arg(declared.name, name)};
    if (e == core::Encoding::Utf8WithBom)
        return {panelName(e), inUse + u"\n文件开头的字节顺序标记保存时保留。"_s};
    return {panelName(e), inUse};
}

void showEncodingNote(ui::UiRuntime &rt, Session &s, QByteArrayView fileStart, bool rawBytes)
{
    const EncodingNote note = encodingNote({s.encoding(), s.encodingSource()}, fileStart, rawBytes);
    showStatusNote(rt, s, note.text, note.toolTip);
}

} // namespace document
