// SPDX-License-Identifier: GPL-3.0-or-later
// The encodings a document is read and written in. Opening asks which encoding a file's bytes
// are in and what the editor's buffer holds for them; saving asks which bytes a buffer is in
// that encoding. New documents are GB18030; a file is UTF-8 only when its bytes say so.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace core {

enum class Encoding {
    Gb18030,     // GB2312/GBK/GB18030; bytes that form no character are carried unchanged
    Utf8,        // strictly valid UTF-8
    Utf8WithBom, // the same after a byte-order mark, which is kept on saving
};

inline constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";
inline constexpr qsizetype DeclarationWindow = 4096; // where a page's own declaration is looked for

/// Which encoding a file's bytes are in:
/// 1. a byte-order mark followed by valid UTF-8: UTF-8 with the mark;
/// 2. valid UTF-8 with at least one character above ASCII: UTF-8;
/// 3. ASCII whose declaration in the first 4 KB says UTF-8: UTF-8;
/// 4. anything else: GB18030.
Encoding detectEncoding(QByteArrayView bytes);

/// The editor buffer for a file's bytes in the encoding; the bytes are released on the way.
/// *fileLength gets the length of the bytes that saving the buffer unchanged writes.
QByteArray fileBytesToEditorBytes(QByteArray bytes, Encoding encoding, qint64 *fileLength = nullptr);
/// The bytes saving writes for an editor buffer. A UTF-8 document's buffer goes out as it is:
/// raw bytes carried in it (a pasted lone surrogate U+DC80..U+DCFF) are written as themselves.
QByteArray editorBytesToFileBytes(QByteArrayView buffer, Encoding encoding);
/// The same bytes in pieces to be written one after the other. A UTF-8 document's pieces are not
/// copied: they refer to the buffer, and must be written before the text changes.
QList<QByteArray> editorBytesToFilePieces(QByteArrayView buffer, Encoding encoding);

/// The encoding a page declares in its first 4 KB: <meta charset>, the charset of a
/// Content-Type, CSS @charset, ASP CodePage (also Response.Charset, Session.CodePage).
struct Declaration {
    QString name; // lower case as written ("utf-8", "gb2312"), a code page by its usual name; empty: none
    bool utf8() const;
    bool gbFamily() const; // a name browsers read as GBK or GB18030
    bool declared() const { return !name.isEmpty(); }
};
Declaration declaredEncoding(QByteArrayView bytes);

/// Whether a browser, reading the page as declared, reads bytes written in the encoding wrongly.
bool declarationDisagrees(const Declaration &declaration, Encoding encoding);

} // namespace core
