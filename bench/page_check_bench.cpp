// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_check_bench.h"

#include "documents.h"

#include "core/files.h"
#include "markup/page_check.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace bench {
namespace {

QString pageOfSize(qint64 bytes)
{
    return u"<html><head><title>t</title></head><body>\r\n"_s + makeDocument(bytes, 29) + u"\r\n</body></html>"_s;
}

} // namespace

void checkPage(benchmark::State &state)
{
    const QByteArray buffer = pageOfSize(state.range(0)).toUtf8();
    qsizetype found = 0;
    for (auto _ : state)
        found = qsizetype(markup::checkPage(buffer, {}).size());
    state.counters["findings"] = double(found);
}

void readAndDecodePage(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        QStringEncoder toGb("GB18030");
        f.write(QByteArray(toGb.encode(pageOfSize(state.range(0)))));
    }
    for (auto _ : state) {
        const QByteArray bytes = core::readFileBytes(path).bytes;
        QStringDecoder dec("GB18030");
        const QString text = dec(bytes);
        benchmark::DoNotOptimize(text.size());
    }
}

} // namespace bench
