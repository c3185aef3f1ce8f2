// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_preparation.h"

#include "core/encodings.h"
#include "core/files.h"
#include "core/utf8.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace preview {
namespace {

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
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
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

bool isRawText(QByteArrayView name)
{
    static constexpr QByteArrayView names[] = {"script", "style",   "textarea", "title",    "xmp",
                                               "iframe", "noembed", "noframes", "noscript", "plaintext"};
    for (QByteArrayView n : names)
        if (n == name)
            return true;
    return false;
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

/// Just after the "%>" that ends the block whose body starts at `from`; the text's end when none
/// does. A "%>" inside a double-quoted string (which ends at the line's end) does not count.
qsizetype blockEnd(QByteArrayView text, qsizetype from)
{
    bool inString = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            inString = !inString;
        else if (c == '\n')
            inString = false;
        else if (!inString && c == '%' && i + 1 < text.size() && text[i + 1] == '>')
            return i + 2;
    }
    return text.size();
}

/// Where the markup stands, as far as a placeholder and a start tag's mark care.
enum class Markup { Text, Tag, AfterEquals, Quoted, Comment, Declaration, RawText };

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

    void walk(const Source &s)
    {
        const QByteArrayView t = s.text;
        qsizetype p = 0;
        qsizetype commentEnd = -1;
        bool commentCloses = false;
        while (p < t.size() && !stopped()) {
            switch (state_) {
            case Markup::Text: {
                const qsizetype lt = next(t, '<', p);
                text(t.sliced(p, lt - p));
                p = lt;
                if (p < t.size() && !server(s, p))
                    p = markupAt(s, p);
                break;
            }
            case Markup::RawText: {
                const qsizetype lt = next(t, '<', p);
                out_ += t.sliced(p, lt - p);
                p = lt;
                if (p >= t.size() || server(s, p))
                    break;
                const qsizetype n = rawName_.size();
                if (t.sliced(p).startsWith("</") && startsWithNoCase(t, p + 2, rawName_) &&
                    (p + 2 + n == t.size() || isSpace(t[p + 2 + n]) || t[p + 2 + n] == '>' || t[p + 2 + n] == '/')) {
                    out_ += "</";
                    p += 2;
                    state_ = Markup::Tag;
                    startTag_ = false;
                } else {
                    out_ += '<';
                    ++p;
                }
                break;
            }
            case Markup::Comment: {
                // Where the comment ends is looked for once, not at every '<' inside it.
                if (commentEnd < p) {
                    const qsizetype end = t.indexOf("-->", p);
                    commentEnd = end < 0 ? t.size() : end + 3;
                    commentCloses = end >= 0;
                }
                const qsizetype lt = next(t, '<', p);
                if (lt < commentEnd) {
                    out_ += t.sliced(p, lt - p);
                    p = lt;
                    if (!server(s, p))
                        out_ += t[p++];
                } else {
                    out_ += t.sliced(p, commentEnd - p);
                    p = commentEnd;
                    if (commentCloses)
                        state_ = Markup::Text;
                }
                break;
            }
            default: // inside a tag or a declaration: one byte at a time
                if (t[p] == '<' && server(s, p))
                    break;
                tagByte(t[p++]);
                break;
            }
        }
    }

    static qsizetype next(QByteArrayView t, char c, qsizetype from)
    {
        const void *hit = std::memchr(t.data() + from, c, size_t(t.size() - from));
        return hit ? static_cast<const char *>(hit) - t.data() : t.size();
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

    /// Markup starting with '<' in the page's text: a comment, a declaration, an end tag or a
    /// start tag, which gets its source mark; anything else is a '<' of the text.
    qsizetype markupAt(const Source &s, qsizetype p)
    {
        const QByteArrayView t = s.text;
        const char c = p + 1 < t.size() ? t[p + 1] : '\0';
        if (t.sliced(p).startsWith("<!--")) {
            out_ += "<!--";
            state_ = Markup::Comment;
            return p + 4;
        }
        if (c == '!' || c == '?') {
            out_ += '<';
            state_ = Markup::Declaration;
            return p + 1;
        }
        if (c == '/' && p + 2 < t.size() && isLetter(t[p + 2])) {
            out_ += "</";
            state_ = Markup::Tag;
            startTag_ = false;
            return p + 2;
        }
        if (!isLetter(c)) {
            text("<");
            return p + 1;
        }
        qsizetype end = p + 1;
        while (end < t.size() && !isSpace(t[end]) && t[end] != '/' && t[end] != '>' && t[end] != '<')
            ++end;
        tagName_.resize(0);
        for (char ch : t.sliced(p + 1, end - p - 1))
            tagName_ += lower(ch);
        // The base goes into the head: after the head's start tag, or before the first tag that
        // belongs inside the head or the body.
        if (tagName_ != "html" && tagName_ != "head")
            placeHead();
        prologue_ = false;
        out_ += t.sliced(p, end - p);
        out_ += ' ';
        out_ += SourceAttribute;
        out_ += "=\"";
        appendNumber(out_, s.offsetOf(p));
        out_ += '"';
        state_ = Markup::Tag;
        startTag_ = true;
        return end;
    }

    void tagByte(char c)
    {
        out_ += c;
        switch (state_) {
        case Markup::Declaration:
            if (c == '>')
                state_ = Markup::Text;
            break;
        case Markup::Quoted:
            if (c == quote_)
                state_ = Markup::Tag;
            break;
        case Markup::AfterEquals:
            if (c == '"' || c == '\'') {
                quote_ = c;
                state_ = Markup::Quoted;
            } else if (c == '>') {
                tagEnded();
            } else if (!isSpace(c)) {
                state_ = Markup::Tag;
            }
            break;
        default:
            if (c == '=')
                state_ = Markup::AfterEquals;
            else if (c == '>')
                tagEnded();
            break;
        }
    }

    void tagEnded()
    {
        state_ = Markup::Text;
        if (!startTag_)
            return;
        if (tagName_ == "head")
            placeHead();
        if (isRawText(tagName_)) {
            state_ = Markup::RawText;
            rawName_ = tagName_;
        }
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
    bool placeholders() const { return state_ == Markup::Text && !prologue_; }

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

    /// An ASP block or an include at t[p] == '<': handled, p moved past it. False for anything else.
    bool server(const Source &s, qsizetype &p)
    {
        const QByteArrayView t = s.text;
        if (p + 1 < t.size() && t[p + 1] == '%') {
            const qsizetype end = blockEnd(t, p + 2);
            QByteArrayView body = t.sliced(p + 2, end - p - 2);
            if (body.endsWith("%>"))
                body.chop(2);
            if (placeholders() && !body.startsWith('@')) {
                if (body.startsWith('='))
                    placeholder(s.offsetOf(p), Value, "ASP 表达式", firstWords(body.sliced(1), FirstWords));
                else
                    placeholder(s.offsetOf(p), Block, "ASP 代码", firstWords(body, FirstWords));
            }
            p = end;
            return true;
        }
        const std::optional<Include> inc = readInclude(t, p);
        if (!inc)
            return false;
        const qsizetype at = p;
        p = inc->end;
        include(s, at, *inc);
        return true;
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
        walk({utf8, QFileInfo(path).absolutePath(), s.depth + 1, s.offsetOf(at)});
    }

    const std::atomic_bool *stop_;
    PreparedPage page_;
    QString root_;
    QByteArray base_;
    QByteArray out_;
    Markup state_ = Markup::Text;
    char quote_ = 0;
    bool startTag_ = false;
    QByteArray tagName_, rawName_; // lower case
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
