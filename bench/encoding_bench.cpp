// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding_bench.h"

#include "documents.h"
#include "fresh_memory.h"

#include "document/session.h"
#include "document/lifecycle.h"
#include "core/encodings.h"
#include "core/files.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QWidget>

#include <map>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace bench {

QString utf8FileOfSize(qint64 bytes)
{
    static QTemporaryDir dir;
    static std::map<qint64, QString> made;
    QString &path = made[bytes];
    if (path.isEmpty()) {
        path = dir.filePath(u"utf8-%1.html"_s.arg(bytes));
        // makeDocument counts GB18030 bytes: 1.2 a character against UTF-8's 1.4.
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(makeDocument(bytes * 6 / 7, 13).toUtf8());
    }
    return path;
}

namespace {

/// The document's characters Big5 cannot hold (simplified ones) are written as "?" here only.
QString big5FileOfSize(qint64 bytes)
{
    static QTemporaryDir dir;
    static std::map<qint64, QString> made;
    QString &path = made[bytes];
    if (path.isEmpty()) {
        path = dir.filePath(u"big5-%1.html"_s.arg(bytes));
        QStringEncoder toBig5(core::converterName(core::Encoding::Big5));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(toBig5.encode(makeDocument(bytes, 17))));
    }
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

void openUtf8File(benchmark::State &state, ui::UiRuntime &rt, document::Session &s, QWidget *window,
                  void (*settle)())
{
    const QString path = utf8FileOfSize(state.range(0));
    for (auto _ : state) {
        startWithFreshMemory(state);
        document::openFile(rt, s, path);
        window->repaint();
        settle();
        state.PauseTiming();
        if (s.encoding() != core::Encoding::Utf8)
            state.SkipWithError("the file was not taken for UTF-8");
        rt.setEditorText(s.editor(), {});
        settle();
        state.ResumeTiming();
    }
}

void readUtf8Bytes(benchmark::State &state)
{
    // As opening reads: by the program's reader, into a fresh buffer offered for huge pages.
    const QString path = utf8FileOfSize(state.range(0));
    for (auto _ : state) {
        startWithFreshMemory(state);
        benchmark::DoNotOptimize(core::readFileBytes(path).bytes.size());
    }
}

void saveUtf8File(benchmark::State &state, ui::UiRuntime &rt, document::Session &s, void (*settle)())
{
    document::openFile(rt, s, utf8FileOfSize(state.range(0)));
    settle();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.html"_s);
    for (auto _ : state) {
        startWithFreshMemory(state);
        document::saveFile(rt, s, path);
    }
    if (readAll(path) != readAll(utf8FileOfSize(state.range(0))))
        state.SkipWithError("the saved file differs from the opened one");
    rt.setEditorText(s.editor(), {});
    s.setEncoding(core::Encoding::Gb18030, core::EncodingSource::NewDocument);
    settle();
}

void writeUtf8Bytes(benchmark::State &state)
{
    const QByteArray bytes = readAll(utf8FileOfSize(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.html"_s);
    for (auto _ : state) {
        startWithFreshMemory(state);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.flush();
        ::fsync(f.handle());
    }
}

void detectUtf8(benchmark::State &state)
{
    // The bytes as opening has them when it asks: just read by the program's own reader, each
    // round afresh (the reading is not timed), so that no round looks at bytes an earlier
    // round has already brought into the caches.
    const QString path = utf8FileOfSize(state.range(0));
    QByteArray bytes;
    for (auto _ : state) {
        state.PauseTiming();
        bytes = core::readFileBytes(path).bytes;
        state.ResumeTiming();
        if (core::detectEncoding(bytes).encoding != core::Encoding::Utf8)
            state.SkipWithError("the file was not taken for UTF-8");
    }
}

void openBig5File(benchmark::State &state, ui::UiRuntime &rt, document::Session &s, QWidget *window,
                  void (*settle)())
{
    const QString path = big5FileOfSize(state.range(0));
    for (auto _ : state) {
        startWithFreshMemory(state);
        document::openFile(rt, s, path, core::Encoding::Big5);
        window->repaint();
        settle();
        state.PauseTiming();
        if (s.encoding() != core::Encoding::Big5)
            state.SkipWithError("the file was not opened in Big5");
        rt.setEditorText(s.editor(), {});
        settle();
        state.ResumeTiming();
    }
    s.setEncoding(core::Encoding::Gb18030, core::EncodingSource::NewDocument);
}

void readAndDecodeBig5(benchmark::State &state)
{
    const QString path = big5FileOfSize(state.range(0));
    for (auto _ : state) {
        startWithFreshMemory(state);
        QStringDecoder fromBig5(core::converterName(core::Encoding::Big5));
        const QString text = fromBig5.decode(core::readFileBytes(path).bytes);
        benchmark::DoNotOptimize(text.size());
    }
}

} // namespace bench
