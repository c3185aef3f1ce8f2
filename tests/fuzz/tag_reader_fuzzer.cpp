// SPDX-License-Identifier: GPL-3.0-or-later
// The tag reader on any bytes: as the editor's UTF-8 buffer and as the text decoded from it, read
// whole and through a window cut at a place the input chooses, with some starts refused as a
// lexer refuses them. Every span lies inside its window, after the one before it, its parts
// inside it; both forms of the text give the same spans; a window agrees with the whole text on
// every span it holds whole; a span cut off is the last one.
#include "fuzz_check.h"
#include "core/tag_reader.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

using core::TagSpan;

template <typename View>
std::vector<TagSpan> spansOf(View window, bool refuseSome, quint8 seed)
{
    core::TagReading reading{.parts = core::TagParts::Attributes};
    if (refuseSome)
        reading.startsAt = [seed](TagSpan::Kind kind, qsizetype at) { return (at * 7 + kind + seed) % 5 != 0; };
    FUZZ_CHECK(!core::readTag(window, -1, reading.parts) && !core::readTag(window, window.size(), reading.parts));
    std::vector<TagSpan> spans;
    core::TagReader<View> reader(window, reading);
    qsizetype last = 0;
    while (std::optional<TagSpan> s = reader.next()) {
        const qsizetype n = window.size();
        FUZZ_CHECK(last <= s->from && s->from <= s->to && s->to <= n);
        FUZZ_CHECK(s->complete || s->to == n);
        if (s->kind == TagSpan::Content) {
            FUZZ_CHECK(!spans.empty() && spans.back().kind == TagSpan::StartTag && spans.back().to == s->from);
            FUZZ_CHECK(s->nameFrom == spans.back().nameFrom && s->nameTo == spans.back().nameTo);
            FUZZ_CHECK(core::hasRawContent(s->name(window)));
        } else {
            FUZZ_CHECK(s->to > s->from);
        }
        if (s->isTag()) {
            FUZZ_CHECK(s->from < s->nameFrom && s->nameFrom < s->nameTo && s->nameTo <= s->tail && s->tail <= s->to);
            // The same tag read on its own.
            const std::optional<TagSpan> alone = core::readTag(window, s->from, core::TagParts::Attributes);
            FUZZ_CHECK(alone && alone->to == s->to && alone->attributes.size() == s->attributes.size());
        }
        qsizetype after = s->nameTo;
        for (const core::TagAttribute &a : s->attributes) {
            FUZZ_CHECK(after <= a.space && a.space <= a.from && a.from < a.nameTo && a.nameTo <= a.to && a.to <= s->tail);
            if (a.valueFrom >= 0)
                FUZZ_CHECK(a.nameTo <= a.valueFrom && a.valueFrom <= a.valueTo && a.valueTo <= a.to);
            after = a.to;
        }
        last = s->to;
        spans.push_back(std::move(*s));
        if (!spans.back().complete)
            FUZZ_CHECK(!reader.next());
    }
    return spans;
}

template <typename View>
void windowAgrees(View text, qsizetype cut, bool refuseSome, quint8 seed)
{
    const std::vector<TagSpan> whole = spansOf(text, refuseSome, seed);
    const std::vector<TagSpan> part = spansOf(text.first(cut), refuseSome, seed);
    FUZZ_CHECK(part.size() <= whole.size());
    for (size_t k = 0; k < part.size(); ++k) {
        FUZZ_CHECK(part[k].from == whole[k].from && part[k].kind == whole[k].kind);
        FUZZ_CHECK(part[k].complete ? part[k].to == whole[k].to : part[k].to == cut);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const quint8 seed = data[0];
    const bool refuseSome = seed & 1;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QString text = QString::fromUtf8(bytes);
    windowAgrees(QByteArrayView(bytes), bytes.size() * (seed >> 1) / 127, refuseSome, seed);
    windowAgrees(QStringView(text), text.size() * (seed >> 1) / 127, refuseSome, seed);

    // Markup is ASCII, which UTF-8 holds nowhere inside another character: both forms read alike.
    if (!refuseSome) {
        const std::vector<TagSpan> fromBytes = spansOf(QByteArrayView(bytes), false, seed);
        const std::vector<TagSpan> fromText = spansOf(QStringView(text), false, seed);
        FUZZ_CHECK(fromBytes.size() == fromText.size());
        for (size_t k = 0; k < fromBytes.size(); ++k) {
            const TagSpan &b = fromBytes[k], &t = fromText[k];
            FUZZ_CHECK(b.kind == t.kind && b.complete == t.complete && b.attributes.size() == t.attributes.size());
            FUZZ_CHECK(QString::fromUtf8(bytes.sliced(b.from, b.to - b.from)) == QStringView(text).sliced(t.from, t.to - t.from));
        }
    }
    return 0;
}
