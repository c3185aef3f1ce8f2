// SPDX-License-Identifier: GPL-3.0-or-later
// The markup check through libtidy. Tidy is given a copy of the text in which the server's code is
// hidden without moving anything: a `<% … %>` block becomes letters inside an attribute's value
// (tidy sees an ordinary value) and blanks elsewhere (between attributes, between tags); line ends
// stay where they are. Tabs become blanks (tidy would count them as up to eight columns) and bytes
// the editor does not read as one character each become '?', so tidy's lines and columns count
// exactly what the editor counts, and map straight back. iHTML's tags, which the server also
// replaces before a browser sees the page, are hidden the same way.
#include "page_check.h"

#include "core/tag_reader.h"
#include "core/utf8.h"
#include "reference/keywords.h"

#include <tidy/tidy.h>

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <set>

using namespace Qt::Literals::StringLiterals;

namespace markup {
namespace {

using Blocks = std::vector<std::pair<qsizetype, qsizetype>>;

/// Our own words for the messages we report; %1, %2 … are tidy's arguments in order. A code
/// without a row is reported in tidy's English.
const QHash<QByteArray, QString> &chineseMessages()
{
    static const QHash<QByteArray, QString> table{
        {"MISSING_ENDTAG_FOR", u"缺少 </%1>"_s},
        {"MISSING_ENDTAG_BEFORE", u"%2 之前缺少 </%1>"_s},
        {"MISSING_ENDTAG_OPTIONAL", u"缺少 </%1>（可以省略）"_s},
        {"NON_MATCHING_ENDTAG", u"结束标签 </%1> 与开始标签不配对"_s},
        {"DISCARDING_UNEXPECTED", u"多余的 %1"_s},
        {"UNEXPECTED_ENDTAG", u"多余的结束标签 </%1>"_s},
        {"UNEXPECTED_ENDTAG_IN", u"%2 里不该有 </%1>"_s},
        {"UNKNOWN_ELEMENT", u"%1 不是认识的元素"_s},
        {"UNKNOWN_ELEMENT_LOOKS_CUSTOM", u"%1 不是认识的元素"_s},
        {"PROPRIETARY_ELEMENT", u"%1 不是标准的元素"_s},
        {"UNKNOWN_ATTRIBUTE", u"%1 没有“%2”这个属性"_s},
        {"PROPRIETARY_ATTRIBUTE", u"%1 的属性“%2”不是标准的"_s},
        {"MISMATCHED_ATTRIBUTE_ERROR", u"%1 的属性“%2”不属于 %3"_s},
        {"MISMATCHED_ATTRIBUTE_WARN", u"%1 的属性“%2”不属于 %3"_s},
        {"MISSING_ATTRIBUTE", u"%1 缺少属性“%2”"_s},
        {"BAD_ATTRIBUTE_VALUE", u"%1 的属性“%2”的值“%3”无效"_s},
        {"REPEATED_ATTRIBUTE", u"%1 的属性“%3”写了两次，值“%2”不起作用"_s},
        {"JOINING_ATTRIBUTE", u"%1 的属性“%2”写了两次"_s},
        {"ANCHOR_NOT_UNIQUE", u"%1 的标识“%2”已经用过"_s},
        {"ANCHOR_DUPLICATED", u"%1 的标识“%2”已经用过"_s},
        {"ID_NAME_MISMATCH", u"%1 的 id 与 name（“%2”）不一致"_s},
        {"UNKNOWN_ENTITY", u"未转义的 & 或不认识的实体“%1”"_s},
        {"MISSING_SEMICOLON", u"实体“%1”后缺少分号"_s},
        {"MISSING_SEMICOLON_NCR", u"字符引用“%1”后缺少分号"_s},
        {"UNESCAPED_AMPERSAND", u"& 没有写成 &amp;"_s},
        {"INSERTING_TAG", u"缺少 <%1>"_s},
        {"MISSING_STARTTAG", u"缺少 <%1>"_s},
        {"TAG_NOT_ALLOWED_IN", u"%1 不能放在 <%2> 里"_s},
        {"NESTED_EMPHASIS", u"%1 套在同样的元素里"_s},
        {"COERCE_TO_ENDTAG", u"<%1> 大概应是 </%1>"_s},
        {"UNEXPECTED_END_OF_FILE", u"网页在 %1 结束之前就完了"_s},
        {"UNEXPECTED_GT", u"%1 少了“>”"_s},
        {"UNEXPECTED_QUOTEMARK", u"%1 里有多余的引号"_s},
        {"MISSING_QUOTEMARK", u"%1 的属性值少了一个引号"_s},
        {"UNEXPECTED_EQUALSIGN", u"%1 里有多余的“=”"_s},
        {"BAD_CDATA_CONTENT", u"“<”后面的“/”应写成“\\/”"_s},
        {"MALFORMED_COMMENT", u"注释里的“--”不对，已当作“=”"_s},
        {"MALFORMED_DOCTYPE", u"DOCTYPE 写得不对"_s},
        {"DUPLICATE_FRAMESET", u"多了一个 <frameset>"_s},
        {"MISSING_TITLE_ELEMENT", u"缺少 <title>"_s},
        {"TOO_MANY_ELEMENTS", u"%1 只能有一个"_s},
        {"TOO_MANY_ELEMENTS_IN", u"%2 里只能有一个 %1"_s},
        {"ILLEGAL_URI_REFERENCE", u"%1 的地址里有不该有的字符"_s},
        {"ILLEGAL_URI_CODEPOINT", u"%1 的地址里有不该有的字符"_s},
        {"ESCAPED_ILLEGAL_URI", u"%1 的地址里有不该有的字符"_s},
        {"BACKSLASH_IN_URI", u"%1 的地址里用了反斜杠“\\”"_s},
        {"INVALID_SGML_CHARS", u"网页里有不能出现的控制字符"_s},
        {"INVALID_UTF8", u"网页里有不是 UTF-8 的字节"_s},
        {"SPACE_PRECEDING_XMLDECL", u"XML 声明前面不能有空白"_s},
        {"OBSOLETE_ELEMENT", u"%1 已经过时，请换成 %2"_s},
        {"ELEMENT_NOT_EMPTY", u"%1 不能有内容"_s},
        {"CANT_BE_NESTED", u"%1 不能套在 %1 里"_s},
        {"ENCODING_MISMATCH", u"声明的编码与实际的不一致"_s},
    };
    return table;
}

/// What tidy says that is no fault in a hand-written page of ours: pages without a DOCTYPE (the
/// templates have none), values left empty for the writer to fill in (the table snippet),
/// messages of the info level.
bool ignored(const QByteArray &key)
{
    return key == "MISSING_DOCTYPE" || key == "MISSING_ATTR_VALUE" || key == "PREVIOUS_LOCATION" ||
           key == "INSERTING_AUTO_ATTRIBUTE" || key == "MISSING_QUOTEMARK_OPEN";
}

struct Raw {
    int line = 0, column = 0;
    QByteArray key;
    QStringList args;
    QString message;
};

/// Tidy's rules that browsers and our own snippets, dialogs and keyword lists do not follow: form
/// controls outside a form (tidy wraps them in a form it makes up, and reports that form as
/// unclosed too), <bgsound> in the body, where the background-sound dialog writes it, </embed> and
/// <area> without alt as the media and image dialogs write them, <area> without href and, before
/// HTML5, <link> without href or rel (HTML 4.01 leaves them out at will), the old elements browsers
/// still show that tidy calls obsolete, and a size left empty in a dialog, written unquoted
/// (`width= height=`: tidy reads the next attribute's name as the value).
class BrowserRules {
public:
    explicit BrowserRules(bool html5) : html5_(html5) {}

    bool noFault(const Raw &r)
    {
        const QString first = r.args.value(0);
        if (r.key == "DISCARDING_UNEXPECTED" || r.key == "UNEXPECTED_ENDTAG")
            return first == u"</embed>" || first == u"embed";
        if (r.key == "OBSOLETE_ELEMENT")
            return first == u"<dir>" || first == u"<listing>" || first == u"<plaintext>" || first == u"<xmp>";
        if (r.key == "MISSING_ATTRIBUTE") {
            const QString attribute = r.args.value(1);
            return (first == u"<area>" && (attribute == u"alt" || attribute == u"href")) ||
                   (first == u"<link>" && !html5_ && (attribute == u"href" || attribute == u"rel"));
        }
        if (r.key == "BAD_ATTRIBUTE_VALUE")
            return r.args.value(2).endsWith(u'=');
        if (r.key == "TAG_NOT_ALLOWED_IN")
            return first == u"<bgsound>" || first == u"<input>" || first == u"<select>" || first == u"<textarea>" ||
                   first == u"<button>" || first == u"<label>";
        if (r.key == "INSERTING_TAG" && first == u"form") {
            ++madeUpForms_;
            return true;
        }
        if ((r.key == "MISSING_ENDTAG_FOR" || r.key == "MISSING_ENDTAG_BEFORE") && first == u"form" && madeUpForms_ > 0) {
            --madeUpForms_;
            return true;
        }
        return false;
    }

private:
    bool html5_;
    int madeUpForms_ = 0;
};

/// The elements of HTML 3 and of single browsers that the html keyword list offers and tidy does
/// not know, declared to it by what they hold, so that it checks their nesting as any other's.
void declareOldElements(TidyDoc doc)
{
    tidyOptSetValue(doc, TidyInlineTags, "abbrev au fn person");
    tidyOptSetValue(doc, TidyBlockTags, "banner bq fig note");
    tidyOptSetValue(doc, TidyEmptyTags, "overlay range spot tab");
}

/// The names of iHTML's tags: those the ihtml keyword list starts (its end tags name them again).
const QSet<QByteArray> &ihtmlNames()
{
    static const QSet<QByteArray> names = [] {
        QSet<QByteArray> all;
        for (const QString &entry : reference::ihtmlKeywords()) {
            const QByteArray bytes = entry.toLatin1().toLower();
            for (core::TagReader<QByteArrayView> r(bytes); auto span = r.next();)
                if (span->kind == core::TagSpan::StartTag)
                    all.insert(span->name(QByteArrayView(bytes)).toByteArray());
        }
        return all;
    }();
    return names;
}

/// The server's code: the `<% … %>` blocks and iHTML's tags, merged where one holds the other.
/// An iHTML end tag with no start tag of its kind open before it is a finding of its own.
Blocks serverCode(QByteArrayView text, std::vector<Finding> &strayEnds)
{
    Blocks code = core::serverBlocks(text);
    const auto asp = qsizetype(code.size());
    QHash<QByteArray, int> open;
    for (core::TagReader<QByteArrayView> r(text); auto span = r.next();) {
        if (!span->isTag() || span->nameTo - span->nameFrom < 2 || (text[span->nameFrom] | 0x20) != 'i')
            continue;
        const QByteArray name = span->name(text).toByteArray().toLower();
        if (!ihtmlNames().contains(name))
            continue;
        code.emplace_back(span->from, span->to);
        if (span->kind == core::TagSpan::StartTag)
            ++open[name];
        else if (open[name] > 0)
            --open[name];
        else {
            // The finding covers no `<% %>` block: it ends where one inside the tag starts.
            const auto aspEnd = code.begin() + asp;
            const auto next = std::upper_bound(code.begin(), aspEnd, std::pair(span->from, span->from));
            strayEnds.push_back({Finding::Markup, span->from, next == aspEnd ? span->to : std::min(span->to, next->first),
                                 chineseMessages().value("UNEXPECTED_ENDTAG").arg(QString::fromLatin1(name)), {}});
        }
    }
    std::sort(code.begin(), code.end());
    Blocks merged;
    for (const auto &block : code) {
        if (!merged.empty() && block.first < merged.back().second)
            merged.back().second = std::max(merged.back().second, block.second);
        else
            merged.push_back(block);
    }
    return merged;
}

Bool TIDY_CALL collect(TidyMessage m)
{
    auto *out = static_cast<std::vector<Raw> *>(tidyGetAppData(tidyGetMessageDoc(m)));
    const TidyReportLevel level = tidyGetMessageLevel(m);
    const QByteArray key = tidyGetMessageKey(m);
    if (level < TidyWarning || level == TidyConfig || ignored(key))
        return no;
    QStringList args;
    for (TidyIterator it = tidyGetMessageArguments(m); it;) {
        TidyMessageArgument a = tidyGetNextMessageArgument(m, &it);
        switch (tidyGetArgType(m, &a)) {
        case tidyFormatType_INT: args << QString::number(tidyGetArgValueInt(m, &a)); break;
        case tidyFormatType_UINT: args << QString::number(tidyGetArgValueUInt(m, &a)); break;
        case tidyFormatType_STRING: args << QString::fromUtf8(tidyGetArgValueString(m, &a)); break;
        default: args << QString(); break;
        }
    }
    QString message = chineseMessages().value(key);
    if (message.isEmpty()) {
        message = QString::fromUtf8(tidyGetMessageDefault(m));
    } else {
        for (qsizetype k = 0; k < args.size(); ++k)
            message.replace(u'%' + QString::number(k + 1), args[k]);
    }
    out->push_back({tidyGetMessageLine(m), tidyGetMessageColumn(m), key, args, message});
    return no;
}

/// The text tidy is given: see the top of the file.
QByteArray hiddenText(QByteArrayView text, const Blocks &blocks)
{
    QByteArray out(text.data(), text.size());
    for (qsizetype i = 0; i < out.size();) {
        const core::Utf8Sequence s = core::readUtf8(reinterpret_cast<const uchar *>(out.constData()) + i, out.size() - i);
        if (!s.caretCharacter() || s.codePoint == 0) {
            out[i++] = '?';
            continue;
        }
        if (out[i] == '\t')
            out[i] = ' ';
        i += s.length;
    }
    // Where values stand: a block inside one becomes letters.
    std::vector<std::pair<qsizetype, qsizetype>> values;
    for (core::TagReader<QByteArrayView> r(text, {.parts = core::TagParts::Attributes}); auto span = r.next();)
        for (const core::TagAttribute &a : span->attributes)
            if (a.valueFrom >= 0)
                values.emplace_back(a.valueFrom, a.valueTo);
    auto value = values.begin();
    for (const auto &[from, to] : blocks) {
        while (value != values.end() && value->second <= from)
            ++value;
        const bool inValue = value != values.end() && value->first <= from && to <= value->second;
        for (qsizetype i = from; i < to; ++i)
            if (out[i] != '\r' && out[i] != '\n')
                out[i] = inValue ? 'x' : ' ';
    }
    return out;
}

/// Out of any server block: to just past it.
qsizetype outsideBlocks(qsizetype at, const Blocks &blocks)
{
    for (const auto &[from, to] : blocks)
        if (from <= at && at < to)
            at = to;
    return at;
}

/// What a finding at the position covers: the tag that starts there, else one character; never
/// into the next server block.
qsizetype coveredTo(QByteArrayView text, qsizetype at, const Blocks &blocks)
{
    qsizetype to = at;
    if (at < text.size()) {
        const std::optional<core::TagSpan> tag = text[at] == '<' ? core::readTag(text, at, core::TagParts::Ends)
                                                                  : std::nullopt;
        to = tag ? tag->to : at + std::max(1, core::readUtf8(reinterpret_cast<const uchar *>(text.data()) + at, text.size() - at).length);
        to = std::clamp<qsizetype>(to, at + 1, text.size());
    }
    for (const auto &[from, blockTo] : blocks)
        if (at <= from && from < to)
            return from;
    return to;
}

/// Whether the tag at the position is one whose address is script, not a file (javascript:…):
/// tidy's complaints about its characters are no fault.
bool scriptAddress(QByteArrayView text, qsizetype at)
{
    const std::optional<core::TagSpan> tag = at < text.size() ? core::readTag(text, at, core::TagParts::Ends) : std::nullopt;
    return tag && text.sliced(at, tag->to - at).toByteArray().toLower().contains("javascript:");
}

/// Optional end tags close themselves at the next of their kind; void elements have no content.
/// Neither nests when left open, so neither counts towards the depth.
bool nestsWhenOpen(QByteArrayView name)
{
    static constexpr std::array<QByteArrayView, 35> Flat = {
        "p",     "li",    "dt",     "dd",      "option", "optgroup", "tr",     "td",    "th",
        "thead", "tbody", "tfoot",  "colgroup", "area",  "base",     "basefont", "bgsound", "br",
        "col",   "embed", "frame",  "hr",      "img",    "input",    "isindex", "keygen", "link",
        "meta",  "param", "source", "track",   "wbr",    "command",  "image",   "spacer",
    };
    return std::none_of(Flat.begin(), Flat.end(), [&](QByteArrayView f) { return name.compare(f, Qt::CaseInsensitive) == 0; });
}

/// The start tag at which elements left open inside each other get deeper than `limit`, if any.
std::optional<core::TagSpan> tooDeep(QByteArrayView text, int limit)
{
    std::vector<QByteArrayView> open;
    for (core::TagReader<QByteArrayView> r(text); auto span = r.next();) {
        const QByteArrayView name = span->name(text);
        if (span->kind == core::TagSpan::StartTag && !span->selfClosed && nestsWhenOpen(name)) {
            open.push_back(name);
            if (int(open.size()) > limit)
                return span;
        } else if (span->kind == core::TagSpan::EndTag) {
            const auto match = std::find_if(open.rbegin(), open.rend(), [&](QByteArrayView o) {
                return o.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (match != open.rend())
                open.erase(std::prev(match.base()), open.end());
        }
    }
    return std::nullopt;
}

/// The hidden text handed to tidy byte by byte, so that a long page reports how far it has come
/// and stops when the check is cancelled.
struct Source {
    QByteArrayView text;
    const PageFacts &facts;
    qsizetype at = 0;
    bool stopped = false;
    int reported = -1;

    static constexpr qsizetype Step = 1 << 16;

    static int TIDY_CALL getByte(void *data)
    {
        auto &s = *static_cast<Source *>(data);
        if (s.at % Step == 0 && s.at > 0)
            s.step();
        if (s.stopped || s.at >= s.text.size())
            return int(EndOfStream);
        return uchar(s.text[s.at++]);
    }
    static void TIDY_CALL ungetByte(void *data, byte) { --static_cast<Source *>(data)->at; }
    static Bool TIDY_CALL eof(void *data)
    {
        const auto &s = *static_cast<Source *>(data);
        return s.stopped || s.at >= s.text.size() ? yes : no;
    }

    void step()
    {
        if (facts.cancelled && facts.cancelled())
            stopped = true;
        const int percent = 20 + int(75 * at / std::max<qsizetype>(1, text.size()));
        if (facts.progress && percent != reported)
            facts.progress(reported = percent);
    }
};

struct TidyDocument {
    TidyDoc doc = tidyCreate();
    ~TidyDocument() { tidyRelease(doc); }
};

} // namespace

std::vector<Finding> markupFindings(QByteArrayView text, const PageFacts &facts)
{
    if (const std::optional<core::TagSpan> deep = tooDeep(text, DeepestNesting))
        return {{Finding::Unparsable, deep->from, deep->to,
                 u"元素套得太深（超过 %1 层），无法检查标记"_s.arg(DeepestNesting), {}}};
    std::vector<Finding> found;
    const Blocks blocks = serverCode(text, found);
    const QByteArray hidden = hiddenText(text, blocks);
    std::vector<Raw> raw;
    TidyDocument tidy;
    tidySetAppData(tidy.doc, &raw);
    tidyOptSetValue(tidy.doc, TidyCharEncoding, "utf8");
    tidyOptSetBool(tidy.doc, TidyShowWarnings, yes);
    tidyOptSetInt(tidy.doc, TidyShowErrors, 1'000'000);
    tidyOptSetBool(tidy.doc, TidyShowInfo, no);
    tidyOptSetBool(tidy.doc, TidyDropEmptyElems, no); // nothing is dropped: no "trimming empty" notes
    tidyOptSetBool(tidy.doc, TidyDropEmptyParas, no);
    declareOldElements(tidy.doc);
    const QString opening = QString::fromLatin1(hidden.first(std::min<qsizetype>(hidden.size(), 4096)));
    const bool ownDoctype = opening.contains(u"<!doctype"_s, Qt::CaseInsensitive);
    const bool html5 = QRegularExpression(u"<!doctype\\s+html\\s*>"_s, QRegularExpression::CaseInsensitiveOption).match(opening).hasMatch();
    tidyOptSetValue(tidy.doc, TidyDoctype, ownDoctype ? "auto" : "transitional");
    tidySetMessageCallback(tidy.doc, collect);
    Source source{hidden, facts};
    TidyInputSource input;
    tidyInitSource(&input, &source, Source::getByte, Source::ungetByte, Source::eof);
    const int status = tidyParseSource(tidy.doc, &input);
    if (source.stopped)
        return {};

    if (status < 0) {
        found.push_back({Finding::Unparsable, 0, 0, u"无法读懂这个网页的标记，没有检查标记"_s, {}});
        return found;
    }
    // Places are turned into positions in the text's order (tidy reports some places again
    // later), so that a long line is walked once; the messages are then taken in tidy's order.
    std::vector<size_t> order(raw.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&raw](size_t a, size_t b) {
        return std::pair(raw[a].line, raw[a].column) < std::pair(raw[b].line, raw[b].column);
    });
    std::vector<qsizetype> positions(raw.size());
    const LineIndex lines(hidden);
    for (const size_t k : order)
        positions[k] = raw[k].line <= 0 ? 0 : lines.positionOf({raw[k].line - 1, std::max(0, raw[k].column - 1)});

    // A page without a head is a piece included into others (ASP sites are made of them): its
    // title is the including page's business.
    const bool piece = !hidden.toLower().contains("<head");
    BrowserRules rules(html5);
    std::set<std::pair<qsizetype, QString>> seen; // tidy repeats some messages at one place
    for (size_t k = 0; k < raw.size(); ++k) {
        const Raw &r = raw[k];
        const qsizetype at = outsideBlocks(positions[k], blocks);
        if (r.key.startsWith("ILLEGAL_URI") || r.key == "ESCAPED_ILLEGAL_URI")
            if (scriptAddress(hidden, at))
                continue;
        if (rules.noFault(r) || (piece && r.key == "MISSING_TITLE_ELEMENT"))
            continue;
        if (!seen.insert({at, r.message}).second)
            continue;
        found.push_back({Finding::Markup, at, coveredTo(text, at, blocks), r.message, {}});
    }
    std::stable_sort(found.begin(), found.end(), [](const Finding &a, const Finding &b) { return a.from < b.from; });
    return found;
}

} // namespace markup
