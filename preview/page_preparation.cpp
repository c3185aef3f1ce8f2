// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_preparation.h"

#include "core/encodings.h"
#include "core/files.h"
#include "core/tag_reader.h"
#include "core/utf8.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <charconv>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace preview {
namespace {

using core::TagSpan;

// Placeholders are elements of names no page uses, styled by one sheet that first resets every
// property, so that the page's own style sheets neither hide nor restyle them.
constexpr QByteArrayView Block = "qm-asp", Value = "qm-value", Unincluded = "qm-include";
constexpr QByteArrayView PlaceholderSheet =
    "<style>qm-asp,qm-value,qm-include{all:initial;display:inline-block;margin:0 1px;padding:0 3px;"
    "font:12px/1.4 monospace;white-space:pre;vertical-align:baseline}"
    "qm-asp{border:1px dashed #a06400;background:#fff2cc;color:#5c3b00}"
    "qm-value{border:1px solid #2f62a8;background:#e3edff;color:#173a6b}"
    "qm-include{border:1px dashed #b03030;background:#fde4e4;color:#6e1414}</style>";
constexpr int FirstWords = 40; // characters of a block shown in its placeholder

void appendNumber(QByteArray &out, qint64 n)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end - digits);
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

bool startsWithNoCase(QByteArrayView text, qsizetype at, QByteArrayView word)
{
    if (at + word.size() > text.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (lower(text[at + i]) != word[i])
            return false;
    return true;
}

qsizetype skipSpaces(QByteArrayView text, qsizetype at)
{
    while (at < text.size() && isSpace(text[at]))
        ++at;
    return at;
}

void appendEscaped(QByteArray &out, QByteArrayView text)
{
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

/// The text with each run of blanks made one space, trimmed, cut after `characters` characters
/// (a byte that starts none counts as one) with "…" marking the cut.
QByteArray firstWords(QByteArrayView text, int characters)
{
    QByteArray words;
    int count = 0;
    bool blank = false;
    for (qsizetype i = 0; i < text.size();) {
        if (isSpace(text[i])) {
            blank = !words.isEmpty();
            ++i;
            continue;
        }
        if (count == characters) {
            words += "…";
            break;
        }
        if (blank) {
            words += ' ';
            blank = false;
        }
        const int length = std::max(1, core::readUtf8(reinterpret_cast<const uchar *>(text.data()) + i, text.size() - i).length);
        words += text.sliced(i, length);
        i += length;
        ++count;
    }
    return words;
}

/// `<!--#include file="…"-->` or `virtual=…`, in any case, the value quoted or not.
struct Include {
    bool isVirtual = false;
    QByteArray name;
    qsizetype end = 0; // just after "-->"
};

std::optional<Include> readInclude(QByteArrayView text, qsizetype at)
{
    if (!startsWithNoCase(text, at, "<!--"))
        return {};
    qsizetype p = skipSpaces(text, at + 4);
    if (!startsWithNoCase(text, p, "#include"))
        return {};
    p = skipSpaces(text, p + 8);
    Include inc;
    if (startsWithNoCase(text, p, "file")) {
        p += 4;
    } else if (startsWithNoCase(text, p, "virtual")) {
        inc.isVirtual = true;
        p += 7;
    } else {
        return {};
    }
    p = skipSpaces(text, p);
    if (p >= text.size() || text[p] != '=')
        return {};
    p = skipSpaces(text, p + 1);
    if (p >= text.size())
        return {};
    qsizetype from = p, to = p;
    if (text[p] == '"' || text[p] == '\'') {
        from = p + 1;
        to = text.indexOf(text[p], from);
        if (to < 0)
            return {};
        p = to + 1;
    } else {
        while (to < text.size() && !isSpace(text[to]) && !text.sliced(to).startsWith("-->"))
            ++to;
        p = to;
    }
    p = skipSpaces(text, p);
    if (!text.sliced(p).startsWith("-->") || to == from)
        return {};
    inc.name = text.sliced(from, to - from).toByteArray();
    inc.end = p + 3;
    return inc;
}

/// One text being walked: the page itself, or an included file.
struct Source {
    QByteArrayView text;
    QString folder; // where file= includes in it resolve
    int depth = 0;  // 0 for the page
    qint64 origin = -1; // for an included file, where the include stands in the page
    qint64 offsetOf(qsizetype at) const { return origin >= 0 ? origin : at; }
};

class Preparer {
public:
    Preparer(const QString &documentPath, const std::atomic_bool *stop) : stop_(stop)
    {
        if (documentPath.isEmpty())
            return;
        page_.folder = QFileInfo(documentPath).absolutePath();
        root_ = siteRoot(page_.folder);
        base_ = "<base href=\"" + QUrl::fromLocalFile(page_.folder + u'/').toEncoded() + "\">";
    }

    PreparedPage run(QByteArrayView text)
    {
        out_.reserve(text.size() + text.size() / 8 + 256);
        out_ += core::Utf8Bom;
        walk({text, page_.folder, 0, -1});
        if (!page_.cancelled)
            placeHead();
        page_.html = std::move(out_);
        return std::move(page_);
    }

private:
    bool stopped()
    {
        if (stop_ && stop_->load(std::memory_order_relaxed))
            page_.cancelled = true;
        return page_.cancelled;
    }

    /// How the page is read: blocks as the preview shows them, and every element a browser
    /// takes as text (a start tag marked inside a title would show) as raw content.
    static core::TagReading reading() { return {.quotedServerEnds = true, .browserRawText = true}; }

    void walk(const Source &s)
    {
        const QByteArrayView t = s.text;
        core::TagReader<QByteArrayView> reader(t, reading());
        for (qsizetype p = 0; !stopped();) {
            const std::optional<TagSpan> span = reader.next();
            text(t.sliced(p, (span ? span->from : t.size()) - p));
            if (!span)
                return;
            p = span->to;
            const QByteArrayView markup = t.sliced(span->from, span->to - span->from);
            switch (span->kind) {
            case TagSpan::StartTag: startTag(s, *span); break;
            case TagSpan::ServerBlock: serverBlock(s, *span); break;
            case TagSpan::Content: rawText(s, span->from, span->to); break;
            case TagSpan::Comment:
                if (const std::optional<Include> inc = readInclude(t.first(span->to), span->from))
                    include(s, span->from, *inc);
                else
                    withoutServerBlocks(markup);
                break;
            default: withoutServerBlocks(markup); break; // end tags and declarations
            }
        }
    }

    /// Text of the page between its tags: the first that is not blank belongs to the body, so
    /// the base goes before it and the prologue is over.
    void text(QByteArrayView run)
    {
        if ((prologue_ || !baseDone_) && std::any_of(run.begin(), run.end(), [](char c) { return !isSpace(c); })) {
            placeHead();
            prologue_ = false;
        }
        out_ += run;
    }

    /// Markup as written, its server blocks leaving nothing: a block inside a tag, a comment or a
    /// declaration would break it.
    void withoutServerBlocks(QByteArrayView markup)
    {
        qsizetype p = 0;
        for (const auto &[from, to] : core::serverBlocks(markup, reading())) {
            out_ += markup.sliced(p, from - p);
            p = to;
        }
        out_ += markup.sliced(p);
    }

    /// A start tag, with its source mark after its name.
    void startTag(const Source &s, const TagSpan &tag)
    {
        const QByteArrayView t = s.text;
        // The base goes into the head: after the head's start tag, or before the first tag that
        // belongs inside the head or the body.
        if (!tag.named(t, "html") && !tag.named(t, "head"))
            placeHead();
        prologue_ = false;
        withoutServerBlocks(t.sliced(tag.from, tag.nameTo - tag.from));
        out_ += ' ';
        out_ += SourceAttribute;
        out_ += "=\"";
        appendNumber(out_, s.offsetOf(tag.from));
        out_ += '"';
        withoutServerBlocks(t.sliced(tag.nameTo, tag.to - tag.nameTo));
        if (tag.complete && tag.named(t, "head"))
            placeHead();
    }

    /// What a browser takes as text (script, style, title … content): server blocks leave
    /// nothing, includes are inlined as more of that text.
    void rawText(const Source &s, qsizetype from, qsizetype to)
    {
        const bool outer = raw_;
        raw_ = true;
        qsizetype p = from;
        auto copyTo = [&](qsizetype end) {
            const QByteArrayView t = s.text.first(end);
            for (qsizetype c = t.indexOf("<!--", p); c >= 0 && !stopped(); c = t.indexOf("<!--", p)) {
                const std::optional<Include> inc = readInclude(t, c);
                out_ += t.sliced(p, (inc ? c : c + 4) - p);
                p = inc ? inc->end : c + 4;
                if (inc)
                    include(s, c, *inc);
            }
            out_ += t.sliced(p);
            p = end;
        };
        for (const auto &[blockFrom, blockTo] : core::serverBlocks(s.text.sliced(from, to - from), reading())) {
            copyTo(from + blockFrom);
            p = from + blockTo;
        }
        copyTo(to);
        raw_ = outer;
    }

    /// What the preview adds to the head: the placeholders' style sheet and the base.
    void placeHead()
    {
        if (baseDone_)
            return;
        baseDone_ = true;
        out_ += PlaceholderSheet;
        out_ += base_;
    }

    /// Whether a placeholder can stand here: in the page's text, after its first tag.
    bool placeholders() const { return !raw_ && !prologue_; }

    void placeholder(qint64 offset, QByteArrayView name, QByteArrayView title, QByteArrayView shown)
    {
        placeHead(); // the sheet, for a placeholder before any text
        out_ += '<';
        out_ += name;
        out_ += ' ';
        out_ += SourceAttribute;
        out_ += "=\"";
        appendNumber(out_, offset);
        out_ += "\" title=\"";
        out_ += title;
        out_ += "\">";
        appendEscaped(out_, shown);
        out_ += "</";
        out_ += name;
        out_ += '>';
    }

    /// A server block: a placeholder with its first words where one can stand; directives
    /// leave nothing.
    void serverBlock(const Source &s, const TagSpan &block)
    {
        QByteArrayView body = s.text.sliced(block.from + 2, block.to - block.from - 2);
        if (block.complete)
            body.chop(2);
        if (!placeholders() || body.startsWith('@'))
            return;
        if (body.startsWith('='))
            placeholder(s.offsetOf(block.from), Value, "ASP 表达式", firstWords(body.sliced(1), FirstWords));
        else
            placeholder(s.offsetOf(block.from), Block, "ASP 代码", firstWords(body, FirstWords));
    }

    void include(const Source &s, qsizetype at, const Include &inc)
    {
        const QString name = QString::fromUtf8(inc.name).replace(u'\\', u'/');
        auto refuse = [&](const QString &why) {
            page_.missingIncludes << name;
            if (placeholders())
                placeholder(s.offsetOf(at), Unincluded, "#include", (u"#include "_s + name + u"："_s + why).toUtf8());
        };
        if (page_.folder.isEmpty())
            return refuse(u"文档尚未保存，无处可找"_s);
        if (s.depth >= MaxIncludeDepth)
            return refuse(u"包含超过 %1 层"_s.arg(MaxIncludeDepth));
        QString relative = name;
        while (inc.isVirtual && relative.startsWith(u'/'))
            relative.remove(0, 1);
        const QString path = QDir::cleanPath((inc.isVirtual ? root_ : s.folder) + u'/' + relative);
        if (!QFileInfo(path).isFile())
            return refuse(QFileInfo::exists(path) ? u"不是文件"_s : u"找不到文件"_s);
        core::ReadResult file = core::readFileBytes(path, MaxIncludedBytes - included_);
        if (!file.ok)
            return refuse(file.why);
        included_ += file.bytes.size();
        const core::Encoding encoding = core::detectEncoding(file.bytes).encoding;
        const QByteArray utf8 = core::fileBytesToEditorBytes(std::move(file.bytes), encoding);
        const Source included{utf8, QFileInfo(path).absolutePath(), s.depth + 1, s.offsetOf(at)};
        if (raw_)
            rawText(included, 0, utf8.size());
        else
            walk(included);
    }

    const std::atomic_bool *stop_;
    PreparedPage page_;
    QString root_;
    QByteArray base_;
    QByteArray out_;
    bool raw_ = false;             // in text a browser does not read as markup
    bool prologue_ = true;         // nothing but blanks, comments and declarations so far
    bool baseDone_ = false;
    qint64 included_ = 0;
};

} // namespace

QString siteRoot(const QString &pageFolder)
{
    for (QDir dir(pageFolder);; ) {
        if (!dir.entryList({u"global.asa"_s}, QDir::Files).isEmpty()) // the filter ignores case
            return dir.absolutePath();
        if (!dir.cdUp())
            return pageFolder;
    }
}

PreparedPage preparePage(QByteArrayView text, const QString &documentPath, const std::atomic_bool *stop)
{
    return Preparer(documentPath, stop).run(text);
}

} // namespace preview
