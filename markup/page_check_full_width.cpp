// SPDX-License-Identifier: GPL-3.0-or-later
// Full-width punctuation typed with a Chinese input method where markup or code needs ASCII: the
// page looks right in the editor and breaks in the browser. Text between tags, quoted values,
// comments and string literals are never flagged: Chinese punctuation belongs there.
#include "page_check.h"

#include "core/tag_reader.h"
#include "core/utf8.h"

#include <algorithm>
#include <cctype>

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

using Blocks = std::vector<std::pair<qsizetype, qsizetype>>;

struct Twin {
    char32_t wide;
    char ascii;
};
constexpr Twin Quotes[] = {{U'“', '"'}, {U'”', '"'}, {U'‘', '\''}, {U'’', '\''}, {U'＂', '"'}, {U'＇', '\''}};
constexpr Twin TagMarks[] = {{U'＜', '<'}, {U'＞', '>'}, {U'＝', '='}, {U'／', '/'}, {U'\u3000', ' '}};
constexpr Twin CodeMarks[] = {{U'；', ';'}, {U'：', ':'}, {U'，', ','}, {U'（', '('}, {U'）', ')'},
                              {U'｛', '{'}, {U'｝', '}'}, {U'＝', '='}, {U'\u3000', ' '}};

enum class Where { Tag, Value, Code };
enum class Language { Css, Script, VbScript };

std::optional<char> asciiTwin(char32_t c, Where where)
{
    for (const Twin &t : Quotes)
        if (t.wide == c && where != Where::Code)
            return t.ascii;
    if (where == Where::Tag)
        for (const Twin &t : TagMarks)
            if (t.wide == c)
                return t.ascii;
    if (where == Where::Code)
        for (const Twin &t : CodeMarks)
            if (t.wide == c)
                return t.ascii;
    return std::nullopt;
}

class Checker {
public:
    Checker(QByteArrayView text, std::vector<Finding> &out) : text_(text), blocks_(core::serverBlocks(text)), out_(out) {}

    /// The character at i: flagged when it has an ASCII twin here. Returns its length.
    qsizetype look(qsizetype i, Where where)
    {
        const core::Utf8Sequence s = core::readUtf8(reinterpret_cast<const uchar *>(text_.data()) + i, text_.size() - i);
        if (s.length < 3)
            return std::max(1, s.length);
        if (const std::optional<char> twin = asciiTwin(s.codePoint, where)) {
            const QString wide = QString::fromUcs4(&s.codePoint, 1);
            const QString ascii = *twin == ' ' ? u"空格"_s : QString(QLatin1Char(*twin));
            const QString place = where == Where::Code ? u"代码里"_s : u"标签里"_s;
            out_.push_back({Finding::FullWidth, i, i + s.length,
                            u"%1的全角字符“%2”应为“%3”"_s.arg(place, wide, ascii),
                            CheckFix{i, i + s.length, QByteArray(1, *twin)}});
        }
        return s.length;
    }

    /// Past the server block at i, if one starts there.
    qsizetype pastBlock(qsizetype i) const
    {
        for (const auto &[from, to] : blocks_)
            if (from == i)
                return to;
        return i;
    }

    void markup(qsizetype from, qsizetype to, Where where)
    {
        for (qsizetype i = from; i < to;) {
            const qsizetype past = text_[i] == '<' ? pastBlock(i) : i;
            i = past > i ? past : i + look(i, where);
        }
    }

    void code(qsizetype from, qsizetype to, Language language)
    {
        char quote = 0;                                 // inside a string
        enum { None, Line, Block } comment = None;
        for (qsizetype i = from; i < to;) {
            const char c = text_[i];
            const auto next = [&](qsizetype k) { return i + k < to ? text_[i + k] : '\0'; };
            if (c == '<' && pastBlock(i) > i) {
                i = pastBlock(i);
                continue;
            }
            if (comment == Line) {
                comment = c == '\n' || c == '\r' ? None : Line;
            } else if (comment == Block) {
                if (c == '*' && next(1) == '/') {
                    comment = None;
                    ++i;
                }
            } else if (quote) {
                if (c == '\\' && language != Language::VbScript)
                    ++i;
                else if (c == quote || ((c == '\n' || c == '\r') && quote != '`'))
                    quote = 0;
            } else if (language == Language::VbScript ? c == '"' : (c == '"' || c == '\'' || (c == '`' && language == Language::Script))) {
                quote = c;
            } else if (language == Language::VbScript && (c == '\'' || (startsWord(i, "rem ") && (i == from || !std::isalnum(uchar(text_[i - 1])))))) {
                comment = Line;
            } else if (language == Language::Script && ((c == '/' && next(1) == '/') || startsWord(i, "<!--"))) {
                comment = Line;
            } else if (language != Language::VbScript && c == '/' && next(1) == '*') {
                comment = Block;
                ++i;
            } else {
                i += look(i, Where::Code);
                continue;
            }
            ++i;
        }
    }

    void page()
    {
        for (const auto &[from, to] : blocks_)
            code(from + 2, std::max(from + 2, to - 2), Language::VbScript);
        std::optional<Language> scriptLanguage;
        for (core::TagReader<QByteArrayView> r(text_, {.parts = core::TagParts::Attributes}); auto span = r.next();) {
            if (span->kind == core::TagSpan::Content) {
                if (span->named(text_, "style"))
                    code(span->from, span->to, Language::Css);
                else if (span->named(text_, "script"))
                    code(span->from, span->to, scriptLanguage.value_or(Language::Script));
                continue;
            }
            if (!span->isTag())
                continue;
            qsizetype at = span->nameFrom;
            for (const core::TagAttribute &a : span->attributes) {
                if (a.valueFrom < 0)
                    continue;
                markup(at, a.valueFrom, Where::Tag);
                const QByteArrayView name = text_.sliced(a.from, a.nameTo - a.from);
                if (a.quote == 0)
                    markup(a.valueFrom, a.valueTo, Where::Value);
                else if (name.compare("style", Qt::CaseInsensitive) == 0)
                    code(a.valueFrom, a.valueTo, Language::Css);
                at = a.valueTo;
            }
            markup(at, span->to, Where::Tag);
            if (span->kind == core::TagSpan::StartTag && span->named(text_, "script")) {
                const QByteArray tag = text_.sliced(span->from, span->to - span->from).toByteArray().toLower();
                scriptLanguage = tag.contains("vbscript") ? Language::VbScript : Language::Script;
            }
        }
        std::sort(out_.begin(), out_.end(), [](const Finding &a, const Finding &b) { return a.from < b.from; });
    }

private:
    bool startsWord(qsizetype i, QByteArrayView word) const
    {
        return text_.sliced(i).first(std::min(text_.size() - i, word.size())).compare(word, Qt::CaseInsensitive) == 0;
    }

    QByteArrayView text_;
    Blocks blocks_;
    std::vector<Finding> &out_;
};

} // namespace

std::vector<Finding> fullWidthFindings(QByteArrayView text)
{
    std::vector<Finding> found;
    Checker(text, found).page();
    return found;
}

} // namespace markup
