// SPDX-License-Identifier: GPL-3.0-or-later
// The samples table of docs/behaviour.md, row by row: each sample written as the row says opens in
// the encoding the row names, decided as it says.
#include "core/encodings.h"
#include "core/texts.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace core;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Sample {
    QString text, writtenAs, opensAs, decidedBy;
};

std::vector<Sample> documentedSamples()
{
    QFile doc(QStringLiteral(DOCS_DIR "/behaviour.md"));
    if (!doc.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(doc.readAll());
    const qsizetype from = text.indexOf(u"| sample | written as | opens as | decided by |"_s);
    if (from < 0)
        return {};
    // The rows up to the first line that is not one.
    std::vector<Sample> samples;
    static const QRegularExpression row(uR"(^\| `(.+)` \| (.+) \| (.+) \| (.+) \|$)"_s);
    const QStringList lines = text.sliced(from).split(u'\n');
    for (qsizetype i = 2; i < lines.size() && lines[i].startsWith(u'|'); ++i) {
        const QRegularExpressionMatch m = row.match(lines[i]);
        // A row of another form shows up as a sample written in no known way.
        samples.push_back(m.hasMatch() ? Sample{m.captured(1), m.captured(2), m.captured(3), m.captured(4)}
                                       : Sample{lines[i], lines[i], {}, {}});
    }
    return samples;
}

QByteArray written(const QString &text, Encoding encoding) { return editorBytesToFileBytes(text.toUtf8(), encoding); }

/// The bytes of each way of writing a sample that the table names.
const std::map<QString, std::function<QByteArray(const QString &)>> &writers()
{
    static const std::map<QString, std::function<QByteArray(const QString &)>> w{
        {u"GB2312"_s, [](const QString &t) { return textToBytes(t); }},
        {u"GB2312 after a UTF-8 mark"_s, [](const QString &t) { return Utf8Bom.toByteArray() + textToBytes(t); }},
        {u"UTF-8"_s, [](const QString &t) { return t.toUtf8(); }},
        {u"UTF-8 with BOM"_s, [](const QString &t) { return written(t, Encoding::Utf8WithBom); }},
        {u"UTF-16 LE with BOM"_s, [](const QString &t) { return written(t, Encoding::Utf16Le); }},
        {u"UTF-16 BE with BOM"_s, [](const QString &t) { return written(t, Encoding::Utf16Be); }},
        {u"UTF-16 LE without BOM"_s, [](const QString &t) { return written(t, Encoding::Utf16Le).sliced(2); }},
        {u"UTF-16 LE with BOM, its last byte cut off"_s, [](const QString &t) { return written(t, Encoding::Utf16Le).chopped(1); }},
        {u"Windows-1252"_s, [](const QString &t) { return written(t, Encoding::Windows1252); }},
        {u"ASCII"_s, [](const QString &t) { return t.toLatin1(); }},
    };
    return w;
}

const std::map<QString, EncodingSource> DecidedBy{
    {u"byte-order mark"_s, EncodingSource::ByteOrderMark},
    {u"bytes"_s, EncodingSource::Bytes},
    {u"declaration"_s, EncodingSource::Declaration},
};

} // namespace

TEST(Detection, EverySampleOfTheDocumentedTable)
{
    const std::vector<Sample> samples = documentedSamples();
    ASSERT_GE(samples.size(), 30u) << "the samples table of docs/behaviour.md was not found";
    for (const Sample &s : samples) {
        const auto writer = writers().find(s.writtenAs);
        ASSERT_NE(writer, writers().end()) << "no way to write \"" << s.writtenAs.toStdString() << "\"";
        ASSERT_TRUE(DecidedBy.contains(s.decidedBy)) << s.decidedBy.toStdString();
        const QByteArray bytes = writer->second(s.text);
        ASSERT_FALSE(bytes.isEmpty());
        const Detection found = detectEncoding(bytes);
        EXPECT_EQ(encodingName(found.encoding), s.opensAs) << s.text.toStdString() << " as " << s.writtenAs.toStdString();
        EXPECT_EQ(found.source, DecidedBy.at(s.decidedBy)) << s.text.toStdString() << " as " << s.writtenAs.toStdString();
    }
}
