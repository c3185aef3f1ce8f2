// SPDX-License-Identifier: GPL-3.0-or-later
// The encodings a document is read and written in. Opening asks which encoding a file's bytes
// are in and what the editor's buffer holds for them; saving asks which bytes a buffer is in
// that encoding. New documents are GB18030. In every encoding a file read and written unchanged
// comes back byte for byte: bytes that form no character are carried raw (raw_bytes.h).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace core {

enum class Encoding {
    Gb18030,     // GB2312/GBK/GB18030
    Utf8,        // UTF-8
    Utf8WithBom, // the same after a byte-order mark, which is written on saving
    Utf16Le,     // UTF-16 little-endian, written with its byte-order mark
    Utf16Be,     // UTF-16 big-endian, written with its byte-order mark
    Big5,        // Windows code page 950 (Big5 with its Windows extensions, without HKSCS)
    ShiftJis,    // Windows-31J (code page 932)
    EucKr,       // Windows code page 949 (EUC-KR and the Unified Hangul Code), as browsers read it
    Windows1252, // Windows-1252, its five undefined bytes read as the C1 controls of the same number
};

/// Every encoding, in the order the "文字编码" window lists them.
inline constexpr std::array<Encoding, 9> AllEncodings{
    Encoding::Gb18030, Encoding::Utf8,  Encoding::Utf8WithBom, Encoding::Utf16Le,     Encoding::Utf16Be,
    Encoding::Big5,    Encoding::ShiftJis, Encoding::EucKr,    Encoding::Windows1252,
};

/// The name the program shows: "GB18030 (GB2312/GBK)", "UTF-8", "UTF-8 with BOM", "UTF-16 LE" …
QString encodingName(Encoding encoding);
/// The name of the converter Qt reads and writes the encoding with ("windows-950").
const char *converterName(Encoding encoding);

inline constexpr QByteArrayView Utf8Bom = "\xEF\xBB\xBF";
/// The byte-order mark a file in the encoding starts with and saving writes; empty for none.
QByteArrayView byteOrderMark(Encoding encoding);
inline constexpr qsizetype DeclarationWindow = 4096; // where a page's own declaration is looked for

/// How a document's encoding was decided.
enum class EncodingSource { ByteOrderMark, Bytes, Declaration, Chosen, NewDocument };

struct Detection {
    Encoding encoding;
    EncodingSource source;
    friend bool operator==(const Detection &, const Detection &) = default;
};

/// Which encoding a file's bytes are in:
/// 1. a byte-order mark (UTF-8, UTF-16 LE or BE) followed by bytes valid in its encoding;
/// 2. valid UTF-8 holding a sequence of three or more bytes: UTF-8;
/// 3. a declaration in the first 4 KB naming UTF-8 or the GB family, when the bytes are valid in
///    what it names;
/// 4. valid UTF-8 whose sequences above ASCII are all two bytes long: GB18030 when every one of
///    them also reads as a GB2312 character, else UTF-8 (pure ASCII is GB18030);
/// 5. anything else: GB18030.
Detection detectEncoding(QByteArrayView bytes);

/// Whether the bytes are UTF-16 in that byte order: whole units, every surrogate in a pair.
bool isUtf16(QByteArrayView bytes, bool bigEndian);

/// The editor buffer for a file's bytes in the encoding; the bytes are released on the way. A mark
/// of the encoding at the start is left out. *fileLength gets the length of the bytes that saving
/// the buffer unchanged writes; *rawBytes whether the buffer holds raw bytes.
QByteArray fileBytesToEditorBytes(QByteArray bytes, Encoding encoding, qint64 *fileLength = nullptr,
                                  bool *rawBytes = nullptr);

/// A character the encoding cannot hold, and the line (counted from 1) it stands on.
struct Unencodable {
    char32_t character;
    qint64 line;
    friend bool operator==(const Unencodable &, const Unencodable &) = default;
};

/// What saving writes for a buffer: pieces to be written one after the other, or, when the encoding
/// cannot hold some character, no pieces and the first few such characters.
struct FilePieces {
    QList<QByteArray> pieces;
    QList<Unencodable> unencodable;
    qint64 unencodableCount = 0; // all of them
    bool refused() const { return unencodableCount > 0; }
};
/// The file's bytes for a buffer; raw bytes are written as the bytes they carry. A UTF-8
/// document's pieces are not copied: they refer to the buffer, and must be written before the text
/// changes. At most `reported` unencodable characters are listed.
FilePieces editorBytesToFilePieces(QByteArrayView buffer, Encoding encoding, int reported = 5);
/// The same pieces joined; empty when the encoding cannot hold the text.
QByteArray editorBytesToFileBytes(QByteArrayView buffer, Encoding encoding);
/// How many bytes a stretch of the buffer becomes in the encoding, without any byte-order mark;
/// characters the encoding cannot hold count nothing.
qint64 encodedLength(QByteArrayView buffer, Encoding encoding);

/// An encoding a page declares in its first 4 KB: <meta charset>, the charset of a Content-Type,
/// CSS @charset, ASP CodePage (also Response.Charset, Session.CodePage).
struct Declaration {
    QString name; // lower case as written ("utf-8", "gb2312"), a code page by its usual name; empty: none
    qsizetype at = -1, length = 0; // where the name, or the code page's number, stands in the bytes
    bool codePage = false;         // a code page's number
    bool utf8() const;
    bool gbFamily() const; // a name browsers read as GBK or GB18030
    bool declared() const { return !name.isEmpty(); }
    /// The encoding offered that the name means, if any.
    std::optional<Encoding> encoding() const;
};
/// The first declaration, whichever its form.
Declaration declaredEncoding(QByteArrayView bytes);
/// Every declaration, in order.
QList<Declaration> declarations(QByteArrayView bytes);
/// What a declaration of the encoding writes: a name ("gb2312") or a code page's number ("936").
QByteArray declarationText(Encoding encoding, bool codePage);

/// Whether a browser, reading the page as declared, reads bytes written in the encoding wrongly.
bool declarationDisagrees(const Declaration &declaration, Encoding encoding);

} // namespace core
