// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_pages.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <vector>

namespace core {
namespace {

constexpr auto ConverterFlags = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

/// One code to try (one byte, or lead * 256 + trail), and the character the converter reads from it.
struct Candidate {
    quint16 code;
    char16_t character = 0;
};

void appendCode(QByteArray &out, quint16 code)
{
    if (code > 0xFF)
        out.append(char(code >> 8));
    out.append(char(code & 0xFF));
}

/// Reads each code followed by a line feed, all in one call: no code holds the byte 0x0A and the
/// converter reads it as itself after any code, so the line feeds in what comes out mark where
/// each code's reading ends. Codes read as exactly one character of the BMP above ASCII are kept.
std::vector<Candidate> readCodes(const char *converter, const std::vector<quint16> &codes)
{
    QByteArray input;
    input.reserve(qsizetype(codes.size()) * 3);
    for (quint16 code : codes) {
        appendCode(input, code);
        input.append('\n');
    }
    QStringDecoder decoder(converter, ConverterFlags);
    const QString read = decoder(input);
    const QList<QStringView> pieces = QStringView(read).split(u'\n');
    std::vector<Candidate> kept;
    if (pieces.size() != qsizetype(codes.size()) + 1) // the line feeds did not survive: keep nothing
        return kept;
    for (size_t i = 0; i < codes.size(); ++i) {
        const QStringView piece = pieces[qsizetype(i)];
        if (piece.size() == 1 && piece[0].unicode() >= 0x80 && !piece[0].isSurrogate() && piece[0] != QChar::ReplacementCharacter)
            kept.push_back({codes[i], piece[0].unicode()});
    }
    return kept;
}

/// Keeps the candidates whose character the converter writes as the same code, in one call again.
std::vector<Candidate> writtenBack(const char *converter, const std::vector<Candidate> &candidates)
{
    QString input;
    input.reserve(qsizetype(candidates.size()) * 2);
    for (const Candidate &c : candidates) {
        input.append(QChar(c.character));
        input.append(u'\n');
    }
    QStringEncoder encoder(converter, ConverterFlags);
    const QByteArray written = encoder(input);
    const QList<QByteArray> pieces = written.split('\n');
    std::vector<Candidate> kept;
    if (pieces.size() != qsizetype(candidates.size()) + 1)
        return kept;
    for (size_t i = 0; i < candidates.size(); ++i) {
        QByteArray code;
        appendCode(code, candidates[i].code);
        if (pieces[qsizetype(i)] == code)
            kept.push_back(candidates[i]);
    }
    return kept;
}

} // namespace

std::unique_ptr<const CodePage> CodePage::read(const char *converter)
{
    std::unique_ptr<CodePage> page(new CodePage);
    std::vector<quint16> singles;
    for (quint16 b = 0x80; b <= 0xFF; ++b)
        singles.push_back(b);
    for (const Candidate &c : writtenBack(converter, readCodes(converter, singles))) {
        page->single_[c.code] = c.character;
        page->codes_[c.character] = c.code;
    }
    std::vector<quint16> pairs;
    for (quint16 lead = 0x80; lead <= 0xFF; ++lead)
        for (quint16 trail = 0; trail <= 0xFF && !page->single_[lead]; ++trail)
            if (trail != '\n')
                pairs.push_back(quint16(lead << 8 | trail));
    for (const Candidate &c : writtenBack(converter, readCodes(converter, pairs))) {
        page->pairs_[((c.code >> 8) - 0x80) * 256 + (c.code & 0xFF)] = c.character;
        page->codes_[c.character] = c.code;
    }
    return page;
}

} // namespace core
