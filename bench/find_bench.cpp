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

/// A document of about the given size as the editor's buffer, with a plain word and a word with
/// capitals beyond ASCII every WordEvery bytes or so: the same density at every size.
constexpr qsizetype WordEvery = 1000;
const QByteArray &bufferWithWords(qint64 bytes)
{
    static std::map<qint64, QByteArray> cache;
    QByteArray &buffer = cache[bytes];
    if (buffer.isEmpty()) {
        const QString base = makeDocument(bytes, 17);
        QString text;
        constexpr qsizetype Characters = WordEvery * 5 / 6; // one in five is Chinese, of three bytes
        for (qsizetype at = 0; at < base.size(); at += Characters) {
            text += QStringView(base).mid(at, Characters);
            text += u" findme ÄRGER "_s;
        }
        buffer = core::textToEditorBytes(text);
    }
    return buffer;
}

/// Whether the match is one of the next words after the position, as a search from there must find.
bool nextWordAfter(qsizetype position, document::Span m) { return m.found() && m.from - position < 2 * WordEvery; }

std::string bytesOf(qint64 bytes)
{
    const QByteArray b = core::textToEditorBytes(documentWithMatches(bytes));
    return std::string(b.constData(), size_t(b.size()));
}

} // namespace

void findNextFromMiddle(benchmark::State &state, const QString &pattern, document::SearchOptions options)
{
    const QByteArray &text = bufferWithWords(state.range(0));
    const document::TextSearch search(pattern, options);
    document::Span m;
    for (auto _ : state) {
        m = search.next(text, text.size() / 2, text.size());
        benchmark::DoNotOptimize(m);
    }
    if (!nextWordAfter(text.size() / 2, m))
        state.SkipWithError("the next match was not found");
}

void replaceOneInMiddle(benchmark::State &state)
{
    const QByteArray &text = bufferWithWords(state.range(0));
    const document::TextSearch search(u"(f\\w*)me\\b"_s, {.regex = true});
    const document::Span selected = search.next(text, text.size() / 2, text.size());
    QByteArray with;
    document::Span after;
    for (auto _ : state) {
        // What "替换" asks of the search: is the selection a match, what replaces it, and the next one.
        if (search.next(text, selected.from, text.size()) != selected)
            break;
        with = search.replacement(text, selected, u"$1ME"_s);
        after = search.next(text, selected.to, text.size());
        benchmark::DoNotOptimize(after);
    }
    if (!nextWordAfter(text.size() / 2, selected) || with != "findME" || !nextWordAfter(selected.to, after))
        state.SkipWithError("the match was not replaced");
}

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
