// SPDX-License-Identifier: GPL-3.0-or-later
#include "find_bench.h"

#include "documents.h"

#include "document/editor.h"
#include "document/find_dialog.h"
#include "document/search.h"

#include <QCoreApplication>

#include <map>
#include <sys/mman.h>
#include <string>
#include <string_view>

using namespace Qt::Literals::StringLiterals;

namespace bench {
namespace {

constexpr int Matches = 100000;
const QString Word = u"findme"_s;
const std::string_view WordBytes = "findme";
const QString Replacement = u"FOUND-IT"_s;

/// A generated document of about the given size with the word spread evenly, Matches times.
const QString &documentWithMatches(qint64 bytes)
{
    static std::map<qint64, QString> cache;
    QString &text = cache[bytes];
    if (text.isEmpty()) {
        const QString base = makeDocument(bytes, 13);
        text.reserve(base.size() + Matches * (Word.size() + 2));
        const qsizetype step = base.size() / Matches;
        for (int i = 0; i < Matches; ++i) {
            text += QStringView(base).mid(i * step, step);
            text += u' ' + Word + u' ';
        }
        text += QStringView(base).mid(qsizetype(Matches) * step);
    }
    return text;
}

/// Loads the document into the editor unless it holds it already.
void load(ui::UiRuntime &rt, qint64 bytes)
{
    const QString &text = documentWithMatches(bytes);
    if (rt.getEditorBuffer(document::codeEditor()).size() != core::textToEditorBytes(text).size())
        rt.setEditorText(document::codeEditor(), text);
    rt.selectEditorRange(document::codeEditor(), 0, 0);
    QCoreApplication::processEvents();
}

/// Offers the whole 2 MB pages inside a large block to the kernel for huge pages, as the
/// editor's text buffer is offered from 4 MB on.
void offerHugePages(char *data, size_t size)
{
    constexpr uintptr_t HugePage = uintptr_t(2) << 20;
    const uintptr_t from = (uintptr_t(data) + HugePage - 1) & ~(HugePage - 1), to = (uintptr_t(data) + size) & ~(HugePage - 1);
    if (size >= 4 * HugePage && to > from)
        (void)::madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
}

std::string bytesOf(qint64 bytes)
{
    const QByteArray b = core::textToEditorBytes(documentWithMatches(bytes));
    return std::string(b.constData(), size_t(b.size()));
}

} // namespace

void findLast(benchmark::State &state, ui::UiRuntime &rt)
{
    load(rt, state.range(0));
    const document::TextSearch search(Word, {.matchCase = true});
    for (auto _ : state) {
        const QByteArrayView text = rt.getEditorBuffer(document::codeEditor());
        document::Span m, last;
        int found = 0;
        while ((m = search.next(text, m.found() ? m.to : 0, text.size())).found()) {
            last = m;
            ++found;
        }
        if (found != Matches)
            state.SkipWithError("wrong number of matches");
        benchmark::DoNotOptimize(last);
    }
}

void findLastInMemory(benchmark::State &state)
{
    const std::string bytes = bytesOf(state.range(0));
    const std::string_view text(bytes);
    for (auto _ : state) {
        size_t last = std::string_view::npos;
        int found = 0;
        for (size_t at = text.find(WordBytes); at != std::string_view::npos; at = text.find(WordBytes, at + WordBytes.size())) {
            last = at;
            ++found;
        }
        if (found != Matches)
            state.SkipWithError("wrong number of matches");
        benchmark::DoNotOptimize(last);
    }
}

void replaceAllMatches(benchmark::State &state, ui::UiRuntime &rt)
{
    document::FindSettings &s = document::findSettings();
    const document::FindSettings kept = s;
    s = {};
    s.pattern = Word;
    s.replacement = Replacement;
    s.options.matchCase = true;
    QString outcome;
    for (auto _ : state) {
        state.PauseTiming();
        rt.setEditorText(document::codeEditor(), {}); // a fresh copy, without the last run's undo history
        load(rt, state.range(0));
        state.ResumeTiming();
        document::replaceAll(rt);
        QCoreApplication::sendPostedEvents();
        state.PauseTiming();
        outcome = rt.getPanelText({document::codeEditor().window, u"状态条1"_s}, 8);
        state.ResumeTiming();
    }
    rt.setEditorText(document::codeEditor(), {});
    s = kept;
    if (outcome != document::replacedText(Matches))
        state.SkipWithError(qPrintable(u"not every match was replaced: "_s + outcome));
}

void replaceAllInMemory(benchmark::State &state)
{
    const std::string bytes = bytesOf(state.range(0));
    const std::string_view text(bytes);
    const QByteArray with = Replacement.toUtf8();
    // The figure replaces inside the editor's buffer, which loading the text brought into memory
    // (in huge pages from 4 MB on): the text is built in room made and touched once, the same way.
    const size_t room = text.size() + size_t(Matches) * size_t(with.size());
    std::string out;
    out.reserve(room);
    offerHugePages(out.data(), room);
    out.resize(room);
    for (auto _ : state) {
        out.clear();
        size_t from = 0;
        for (size_t at = text.find(WordBytes); at != std::string_view::npos; at = text.find(WordBytes, from)) {
            out.append(text.substr(from, at - from));
            out.append(with.constData(), size_t(with.size()));
            from = at + WordBytes.size();
        }
        out.append(text.substr(from));
        benchmark::DoNotOptimize(out.data());
    }
}

} // namespace bench
