// SPDX-License-Identifier: GPL-3.0-or-later
#include "schema.h"

#include "keywords.h"

#include <QRegularExpression>

#include <array>

namespace reference {
namespace {

// HTML5's void elements with those of HTML 4.01 and of the browsers' older pages.
constexpr std::array<const char *, 22> Void = {
    "area",    "base",   "basefont", "bgsound", "br",    "col",   "embed",  "frame",  "hr",      "img",   "input",
    "isindex", "keygen", "link",     "meta",    "param", "source", "track", "wbr",    "command", "image", "spacer",
};

// The elements of HTML 4.01 and HTML5, and the few older ones pages still carry, in the order
// they are offered after those of the html list.
constexpr std::array<const char *, 132> Elements = {
    "div", "span", "p", "a", "img", "br", "table", "tr", "td", "th", "ul", "ol", "li", "form", "input", "select",
    "option", "textarea", "button", "label", "script", "style", "link", "meta", "title", "head", "body", "html",
    "h1", "h2", "h3", "h4", "h5", "h6", "b", "i", "u", "em", "strong", "font", "center", "hr", "iframe",
    "abbr", "acronym", "address", "applet", "area", "article", "aside", "audio", "base", "basefont", "bdi", "bdo",
    "bgsound", "big", "blockquote", "canvas", "caption", "cite", "code", "col", "colgroup", "data", "datalist",
    "dd", "del", "details", "dfn", "dialog", "dir", "dl", "dt", "embed", "fieldset", "figcaption", "figure",
    "footer", "frame", "frameset", "header", "hgroup", "ins", "isindex", "kbd", "keygen", "legend", "listing",
    "main", "map", "mark", "marquee", "menu", "meter", "nav", "nobr", "noframes", "noscript", "object", "optgroup",
    "output", "param", "picture", "plaintext", "pre", "progress", "q", "rp", "rt", "ruby", "s", "samp", "search",
    "section", "small", "source", "strike", "sub", "summary", "sup", "tbody", "template", "tfoot", "thead", "time",
    "track", "tt", "var", "video", "wbr", "xmp",
};

constexpr Entity Entities[] = {
    {"nbsp", 0x00A0}, {"lt", 0x003C}, {"gt", 0x003E}, {"amp", 0x0026}, {"quot", 0x0022}, {"copy", 0x00A9},
    {"reg", 0x00AE}, {"trade", 0x2122}, {"middot", 0x00B7}, {"hellip", 0x2026}, {"mdash", 0x2014},
    {"ndash", 0x2013}, {"laquo", 0x00AB}, {"raquo", 0x00BB}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
    {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"bull", 0x2022}, {"deg", 0x00B0}, {"plusmn", 0x00B1},
    {"times", 0x00D7}, {"divide", 0x00F7}, {"yen", 0x00A5}, {"euro", 0x20AC}, {"pound", 0x00A3},
    {"sect", 0x00A7}, {"para", 0x00B6}, {"iexcl", 0x00A1}, {"cent", 0x00A2}, {"curren", 0x00A4},
    {"brvbar", 0x00A6}, {"uml", 0x00A8}, {"ordf", 0x00AA}, {"not", 0x00AC}, {"shy", 0x00AD}, {"macr", 0x00AF},
    {"sup2", 0x00B2}, {"sup3", 0x00B3}, {"acute", 0x00B4}, {"micro", 0x00B5}, {"cedil", 0x00B8},
    {"sup1", 0x00B9}, {"ordm", 0x00BA}, {"frac14", 0x00BC}, {"frac12", 0x00BD}, {"frac34", 0x00BE},
    {"iquest", 0x00BF}, {"Agrave", 0x00C0}, {"Aacute", 0x00C1}, {"Acirc", 0x00C2}, {"Atilde", 0x00C3},
    {"Auml", 0x00C4}, {"Aring", 0x00C5}, {"AElig", 0x00C6}, {"Ccedil", 0x00C7}, {"Egrave", 0x00C8},
    {"Eacute", 0x00C9}, {"Ecirc", 0x00CA}, {"Euml", 0x00CB}, {"Igrave", 0x00CC}, {"Iacute", 0x00CD},
    {"Icirc", 0x00CE}, {"Iuml", 0x00CF}, {"ETH", 0x00D0}, {"Ntilde", 0x00D1}, {"Ograve", 0x00D2},
    {"Oacute", 0x00D3}, {"Ocirc", 0x00D4}, {"Otilde", 0x00D5}, {"Ouml", 0x00D6}, {"Oslash", 0x00D8},
    {"Ugrave", 0x00D9}, {"Uacute", 0x00DA}, {"Ucirc", 0x00DB}, {"Uuml", 0x00DC}, {"Yacute", 0x00DD},
    {"THORN", 0x00DE}, {"szlig", 0x00DF}, {"agrave", 0x00E0}, {"aacute", 0x00E1}, {"acirc", 0x00E2},
    {"atilde", 0x00E3}, {"auml", 0x00E4}, {"aring", 0x00E5}, {"aelig", 0x00E6}, {"ccedil", 0x00E7},
    {"egrave", 0x00E8}, {"eacute", 0x00E9}, {"ecirc", 0x00EA}, {"euml", 0x00EB}, {"igrave", 0x00EC},
    {"iacute", 0x00ED}, {"icirc", 0x00EE}, {"iuml", 0x00EF}, {"eth", 0x00F0}, {"ntilde", 0x00F1},
    {"ograve", 0x00F2}, {"oacute", 0x00F3}, {"ocirc", 0x00F4}, {"otilde", 0x00F5}, {"ouml", 0x00F6},
    {"oslash", 0x00F8}, {"ugrave", 0x00F9}, {"uacute", 0x00FA}, {"ucirc", 0x00FB}, {"uuml", 0x00FC},
    {"yacute", 0x00FD}, {"thorn", 0x00FE}, {"yuml", 0x00FF}, {"OElig", 0x0152}, {"oelig", 0x0153},
    {"Scaron", 0x0160}, {"scaron", 0x0161}, {"Yuml", 0x0178}, {"fnof", 0x0192}, {"circ", 0x02C6},
    {"tilde", 0x02DC}, {"Alpha", 0x0391}, {"Beta", 0x0392}, {"Gamma", 0x0393}, {"Delta", 0x0394},
    {"Epsilon", 0x0395}, {"Zeta", 0x0396}, {"Eta", 0x0397}, {"Theta", 0x0398}, {"Iota", 0x0399},
    {"Kappa", 0x039A}, {"Lambda", 0x039B}, {"Mu", 0x039C}, {"Nu", 0x039D}, {"Xi", 0x039E}, {"Omicron", 0x039F},
    {"Pi", 0x03A0}, {"Rho", 0x03A1}, {"Sigma", 0x03A3}, {"Tau", 0x03A4}, {"Upsilon", 0x03A5}, {"Phi", 0x03A6},
    {"Chi", 0x03A7}, {"Psi", 0x03A8}, {"Omega", 0x03A9}, {"alpha", 0x03B1}, {"beta", 0x03B2}, {"gamma", 0x03B3},
    {"delta", 0x03B4}, {"epsilon", 0x03B5}, {"zeta", 0x03B6}, {"eta", 0x03B7}, {"theta", 0x03B8},
    {"iota", 0x03B9}, {"kappa", 0x03BA}, {"lambda", 0x03BB}, {"mu", 0x03BC}, {"nu", 0x03BD}, {"xi", 0x03BE},
    {"omicron", 0x03BF}, {"pi", 0x03C0}, {"rho", 0x03C1}, {"sigmaf", 0x03C2}, {"sigma", 0x03C3},
    {"tau", 0x03C4}, {"upsilon", 0x03C5}, {"phi", 0x03C6}, {"chi", 0x03C7}, {"psi", 0x03C8}, {"omega", 0x03C9},
    {"thetasym", 0x03D1}, {"upsih", 0x03D2}, {"piv", 0x03D6}, {"ensp", 0x2002}, {"emsp", 0x2003},
    {"thinsp", 0x2009}, {"zwnj", 0x200C}, {"zwj", 0x200D}, {"lrm", 0x200E}, {"rlm", 0x200F}, {"sbquo", 0x201A},
    {"bdquo", 0x201E}, {"dagger", 0x2020}, {"Dagger", 0x2021}, {"permil", 0x2030}, {"prime", 0x2032},
    {"Prime", 0x2033}, {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"oline", 0x203E}, {"frasl", 0x2044},
    {"image", 0x2111}, {"weierp", 0x2118}, {"real", 0x211C}, {"alefsym", 0x2135}, {"larr", 0x2190},
    {"uarr", 0x2191}, {"rarr", 0x2192}, {"darr", 0x2193}, {"harr", 0x2194}, {"crarr", 0x21B5}, {"lArr", 0x21D0},
    {"uArr", 0x21D1}, {"rArr", 0x21D2}, {"dArr", 0x21D3}, {"hArr", 0x21D4}, {"forall", 0x2200},
    {"part", 0x2202}, {"exist", 0x2203}, {"empty", 0x2205}, {"nabla", 0x2207}, {"isin", 0x2208},
    {"notin", 0x2209}, {"ni", 0x220B}, {"prod", 0x220F}, {"sum", 0x2211}, {"minus", 0x2212}, {"lowast", 0x2217},
    {"radic", 0x221A}, {"prop", 0x221D}, {"infin", 0x221E}, {"ang", 0x2220}, {"and", 0x2227}, {"or", 0x2228},
    {"cap", 0x2229}, {"cup", 0x222A}, {"int", 0x222B}, {"there4", 0x2234}, {"sim", 0x223C}, {"cong", 0x2245},
    {"asymp", 0x2248}, {"ne", 0x2260}, {"equiv", 0x2261}, {"le", 0x2264}, {"ge", 0x2265}, {"sub", 0x2282},
    {"sup", 0x2283}, {"nsub", 0x2284}, {"sube", 0x2286}, {"supe", 0x2287}, {"oplus", 0x2295},
    {"otimes", 0x2297}, {"perp", 0x22A5}, {"sdot", 0x22C5}, {"lceil", 0x2308}, {"rceil", 0x2309},
    {"lfloor", 0x230A}, {"rfloor", 0x230B}, {"lang", 0x2329}, {"rang", 0x232A}, {"loz", 0x25CA},
    {"spades", 0x2660}, {"clubs", 0x2663}, {"hearts", 0x2665}, {"diams", 0x2666},
};

struct AttributeRow {
    const char *elements, *attributes;
};
constexpr AttributeRow Attributes[] = {
#include "schema_attributes.inc"
};

/// Calls back with each attribute token ("name" or "name=a|b") the element takes, its own first.
template <typename F>
void forEachAttribute(QByteArrayView element, F f)
{
    for (const bool own : {true, false})
        for (const AttributeRow &row : Attributes) {
            const QByteArrayView elements(row.elements);
            bool match = !own && elements == "*";
            for (qsizetype from = 0; own && !match && from < elements.size();) {
                qsizetype to = elements.indexOf(' ', from);
                to = to < 0 ? elements.size() : to;
                match = elements.sliced(from, to - from).compare(element, Qt::CaseInsensitive) == 0;
                from = to + 1;
            }
            if (match)
                for (const QByteArray &token : QByteArray(row.attributes).split(' '))
                    f(token);
        }
}

/// Names ("a b c") and the keywords they take ("x y z").
struct KeywordRow {
    const char *names, *keywords;
};
#include "schema_css_asp.inc"

QList<QByteArray> keywordsOf(std::span<const KeywordRow> rows, QByteArrayView name)
{
    for (const KeywordRow &row : rows)
        for (const QByteArray &n : QByteArray(row.names).split(' '))
            if (QByteArrayView(n).compare(name, Qt::CaseInsensitive) == 0)
                return QByteArray(row.keywords).split(' ');
    return {};
}

bool among(QByteArrayView name, std::span<const char *const> names)
{
    for (const char *n : names)
        if (name.compare(QByteArrayView(n), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

bool isVoidElement(QByteArrayView name) { return among(name, Void); }
bool isElement(QByteArrayView name) { return among(name, Elements); }

QStringList offeredElementNames()
{
    QStringList names;
    // "<a href=…></a>" names a; "<!doctype>" and the list's invented tags name no element.
    // Asked at every '<' typed: the name is cut out by hand, no pattern compiled per entry.
    for (const QString &entry : htmlKeywords()) {
        if (!entry.startsWith(u'<'))
            continue;
        qsizetype end = 1;
        while (end < entry.size() && entry[end] != u' ' && entry[end] != u'>')
            ++end;
        const QString name = entry.mid(1, end - 1).toLower();
        if (isElement(name.toLatin1()) && !names.contains(name))
            names << name;
    }
    for (const char *e : Elements)
        if (!names.contains(QLatin1StringView(e)))
            names << QString::fromLatin1(e);
    return names;
}

QList<QByteArray> attributesOf(QByteArrayView element)
{
    QList<QByteArray> names;
    forEachAttribute(element, [&](const QByteArray &token) {
        const QByteArray name = token.left(token.indexOf('=') < 0 ? token.size() : token.indexOf('='));
        if (!names.contains(name))
            names << name;
    });
    return names;
}

QList<QByteArray> valuesOf(QByteArrayView element, QByteArrayView attribute)
{
    QList<QByteArray> values;
    forEachAttribute(element, [&](const QByteArray &token) {
        const qsizetype eq = token.indexOf('=');
        if (values.isEmpty() && eq > 0 && QByteArrayView(token).first(eq).compare(attribute, Qt::CaseInsensitive) == 0)
            values = token.mid(eq + 1).split('|');
    });
    return values;
}

std::span<const Entity> entities() { return Entities; }

QList<QByteArray> cssKeywordsOf(QByteArrayView property) { return keywordsOf(CssRows, property); }
QList<QByteArray> aspMembersOf(QByteArrayView object) { return keywordsOf(AspRows, object); }

QStringList cssPropertyNames() { return QString::fromLatin1(CssProperties).split(u' '); }

QStringList aspWords()
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    QStringList words;
    for (const QStringList *list : {&vbKeywords(), &aspKeywords()})
        for (const QString &w : *list)
            if (name.match(w).hasMatch() && !words.contains(w, Qt::CaseInsensitive))
                words << w;
    return words;
}

} // namespace reference
