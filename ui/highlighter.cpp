// SPDX-License-Identifier: GPL-3.0-or-later
#include "highlighter.h"

#include "code_editor.h"

#include "core/tag_match.h"

#include <Qsci/qscilexercss.h>
#include <QEvent>
#include <Qsci/qscilexerhtml.h>

#include <algorithm>
#include <cstring>
#include <cmath>

namespace ui {

namespace {

QByteArray joined(const QStringList &words) { return words.join(QLatin1Char(' ')).toLatin1(); }

/// Whether "<style" stands in the text, in any case. A style block's content is read only after
/// its start tag, so a window without one holds none: looking for it is far cheaper than reading
/// the window's tags, which every key would otherwise do.
bool holdsStyleStart(QByteArrayView text)
{
    // Found by its 'y', far rarer than '<' in markup: this runs over 64 KB at every caret move.
    for (const char y : {'y', 'Y'})
        for (qsizetype i = text.indexOf(y); i >= 0; i = text.indexOf(y, i + 1))
            if (i >= 3 && i + 3 <= text.size() && text[i - 3] == '<' && qstrnicmp(text.data() + i - 2, "style", 5) == 0)
                return true;
    return false;
}

} // namespace

/// The HTML lexer given the program's tags, attributes and VBScript words besides its own.
class HtmlLexer : public QsciLexerHTML {
public:
    HtmlLexer() { setWords({}); }
    void setWords(const HighlightWords &w)
    {
        html_ = QByteArray(QsciLexerHTML::keywords(1)) + ' ' + joined(w.tags) + ' ' + joined(w.attributes);
        vbscript_ = QByteArray(QsciLexerHTML::keywords(3)) + ' ' + joined(w.vbscript);
    }
    const char *keywords(int set) const override
    {
        if (set == 1)
            return html_.constData();
        if (set == 3)
            return vbscript_.constData();
        return QsciLexerHTML::keywords(set);
    }

private:
    QByteArray html_, vbscript_;
};

// ---- setting up ----------------------------------------------------------------------------

Highlighter::Highlighter(CodeEditor *editor)
    : QObject(editor), ed_(editor), html_(std::make_unique<HtmlLexer>()), css_(std::make_unique<QsciLexerCSS>()),
      font_(editor->font())
{
    setObjectName(QStringLiteral("highlighter"));
    connect(ed_, &CodeEditor::aboutToReplaceAll, this, &Highlighter::beforeReplaceAll);
    // The first screen is styled before the caret is placed, which lays out its line: a long line
    // laid out unstyled would be laid out again once styled.
    connect(ed_, &CodeEditor::replacedAll, this, [this] {
        // Of a long line, only what the first screen can show: the rest is styled when shown.
        if (active_)
            send(QsciScintillaBase::SCI_COLOURISE, 0,
                 std::min(FirstScreenReach, send(QsciScintillaBase::SCI_GETLINEENDPOSITION,
                                                 send(QsciScintillaBase::SCI_LINESONSCREEN))));
    });
    // A paint styles what it shows and then tells of it (SCN_UPDATEUI) before it draws, so the
    // style blocks are restyled there and drawn in their colours by the same paint. Restyled once
    // drawn, they stayed plain on the screen until something happened to paint them again.
    connect(ed_, &QsciScintillaBase::SCN_UPDATEUI, this, &Highlighter::onUpdateUi);
    // Before the editor paints (and styles what it shows), the styling may skip ahead to the view.
    ed_->viewport()->installEventFilter(this);
    send(QsciScintillaBase::SCI_INDICSETSTYLE, TagIndicator, QsciScintillaBase::INDIC_ROUNDBOX);
    send(QsciScintillaBase::SCI_INDICSETSTYLE, BraceIndicator, QsciScintillaBase::INDIC_ROUNDBOX);
    for (int i : {TagIndicator, BraceIndicator}) {
        send(QsciScintillaBase::SCI_INDICSETUNDER, i, 1);
        send(QsciScintillaBase::SCI_INDICSETALPHA, i, 60);
        send(QsciScintillaBase::SCI_INDICSETOUTLINEALPHA, i, 160);
    }
    send(QsciScintillaBase::SCI_BRACEHIGHLIGHTINDICATOR, 1, BraceIndicator);
    active_ = true;
    ed_->setStyleBytes(true);
    applyLexer();
}

Highlighter::~Highlighter() = default;

Highlighter *Highlighter::of(const QObject *editor)
{
    return editor ? editor->findChild<Highlighter *>(QStringLiteral("highlighter"), Qt::FindDirectChildrenOnly) : nullptr;
}

long Highlighter::send(unsigned msg, unsigned long w, long l) const { return ed_->SendScintilla(msg, w, l); }

void Highlighter::setLanguage(Language language)
{
    if (language == language_)
        return;
    language_ = language;
    if (fits() != active_) {
        active_ = !active_;
        ed_->setStyleBytes(active_, true);
    }
    applyLexer();
}

void Highlighter::setWords(const HighlightWords &words)
{
    html_->setWords(words);
    if (active_ && language_ == Language::Html) {
        // Setting a word list has the lexer style the text again from its start, as shown.
        ed_->SendScintilla(QsciScintillaBase::SCI_SETKEYWORDS, 0ul, html_->keywords(1));
        ed_->SendScintilla(QsciScintillaBase::SCI_SETKEYWORDS, 2ul, html_->keywords(3));
    }
}

void Highlighter::setBackground(const QColor &colour)
{
    background_ = colour;
    applyStyles();
}

void Highlighter::setTextFormat(const QFont &font, const QColor &colour)
{
    font_ = font;
    chosen_ = colour;
    applyStyles();
}

void Highlighter::beforeReplaceAll(const QByteArray &bytes)
{
    loadedSize_ = bytes.size();
    longestLine_ = 0;
    for (qsizetype from = 0; from < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', from);
        longestLine_ = std::max(longestLine_, (end < 0 ? bytes.size() : end) - from);
        from = end < 0 ? bytes.size() : end + 1;
    }
    if (fits() == active_)
        return;
    active_ = !active_;
    ed_->setStyleBytes(active_);
    applyLexer();
}

bool Highlighter::fits() const
{
    // The decision is made once per loaded text (and kind): a style byte per text byte, and the
    // time to style it, are what a very large text cannot afford. Long lines of HTML are no
    // reason: its lexer resumes inside a line and stops where its earlier results stand; the
    // style sheet's lexer styles a changed line from its start.
    return loadedSize_ <= HighlightLimit && (language_ == Language::Html || longestLine_ <= StyleSheetLineLimit);
}

void Highlighter::applyLexer()
{
    using B = QsciScintillaBase;
    markedA_ = markedB_ = -1;
    lastCaret_ = -1;
    skipped_.clear();
    if (!active_) {
        send(B::SCI_SETLEXER, B::SCLEX_CONTAINER);
        applyStyles();
        return;
    }
    // The lexers are configured directly rather than through the editor's setLexer(), which
    // would style the whole text at once.
    QsciLexer *lexer = language_ == Language::Css ? static_cast<QsciLexer *>(css_.get()) : html_.get();
    ed_->SendScintilla(B::SCI_SETLEXERLANGUAGE, 0ul, lexer->lexer());
    for (int set = 0; set <= 8; ++set) {
        const char *words = lexer->keywords(set + 1);
        ed_->SendScintilla(B::SCI_SETKEYWORDS, (unsigned long)set, words ? words : "");
    }
    auto property = [this](const char *name, const char *value) {
        ed_->SendScintilla(QsciScintillaBase::SCI_SETPROPERTY, name, value);
    };
    property("fold", "0");
    property("html.tags.case.sensitive", "0");
    property("asp.default.language", "2"); // VBScript
    property("lexer.html.django", "0");
    property("lexer.html.mako", "0");
    // Style what is shown, some 20 ms at a time; the rest waits for idle time.
    send(B::SCI_SETIDLESTYLING, B::SC_IDLESTYLING_TOVISIBLE);
    send(B::SCI_CLEARDOCUMENTSTYLE);
    applyStyles();
}

void Highlighter::applyStyles()
{
    using B = QsciScintillaBase;
    const QByteArray face = font_.family().toUtf8();
    const long size = std::lround((font_.pointSizeF() > 0 ? font_.pointSizeF() : 10.0) * int(B::SC_FONT_SIZE_MULTIPLIER));
    for (int style = 0; style < 256; ++style) {
        if (style > B::STYLE_DEFAULT && style <= B::STYLE_LASTPREDEFINED)
            continue;
        // Without colouring every style is plain text (the default style's colour).
        const QColor fore = chosen_.isValid() ? chosen_
                                              : styleColour(language_, active_ ? style : B::STYLE_DEFAULT, background_);
        send(B::SCI_STYLESETFORE, style, long(fore.red() | (fore.green() << 8) | (fore.blue() << 16)));
        send(B::SCI_STYLESETBACK, style,
             long(background_.red() | (background_.green() << 8) | (background_.blue() << 16)));
        ed_->SendScintilla(B::SCI_STYLESETFONT, (unsigned long)style, face.constData());
        send(B::SCI_STYLESETSIZEFRACTIONAL, style, size);
        send(B::SCI_STYLESETWEIGHT, style, font_.bold() ? B::SC_WEIGHT_BOLD : B::SC_WEIGHT_NORMAL);
        send(B::SCI_STYLESETITALIC, style, font_.italic());
        send(B::SCI_STYLESETUNDERLINE, style, font_.underline());
    }
    const QColor mark = markColour(background_);
    for (int i : {TagIndicator, BraceIndicator})
        send(B::SCI_INDICSETFORE, i, long(mark.red() | (mark.green() << 8) | (mark.blue() << 16)));
}

// ---- style blocks --------------------------------------------------------------------------

std::vector<std::pair<long, long>> Highlighter::shownRanges() const
{
    using B = QsciScintillaBase;
    // The text each display line shows, from the view's left edge to its right one: of a long
    // line only the part in view, not the whole line. Ranges closer than a style block's
    // look-back are joined, so that a short-lined page is one range, as before.
    const long first = send(B::SCI_GETFIRSTVISIBLELINE);
    const long lines = send(B::SCI_LINESONSCREEN) + 1;
    const long right = ed_->viewport()->width();
    const long length = send(B::SCI_GETLENGTH);
    std::vector<std::pair<long, long>> ranges;
    long y = 0;
    for (long v = first; v <= first + lines; ++v) {
        const long line = send(B::SCI_DOCLINEFROMVISIBLE, v);
        if (line >= send(B::SCI_GETLINECOUNT))
            break;
        const long height = std::max(1L, send(B::SCI_TEXTHEIGHT, line));
        const long mid = y + height / 2;
        const long from = send(B::SCI_POSITIONFROMPOINT, 0, mid);
        // One more character than the position nearest the right edge: the one it cuts.
        const long to = std::min(length, send(B::SCI_POSITIONAFTER, send(B::SCI_POSITIONFROMPOINT, right, mid)));
        y += height;
        if (!ranges.empty() && from - ranges.back().second <= StyleBlockLookBack)
            ranges.back() = {std::min(ranges.back().first, from), std::max(ranges.back().second, to)};
        else
            ranges.push_back({from, to});
    }
    return ranges;
}

bool Highlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && active_) {
        const long first = send(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
        skipAheadTo(send(QsciScintillaBase::SCI_POSITIONFROMLINE, send(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, first)));
    }
    return QObject::eventFilter(watched, event);
}

void Highlighter::skipAheadTo(long position)
{
    using B = QsciScintillaBase;
    // The lexer styles from where styling stopped up to what is wanted. Far ahead of that point
    // (after a jump), the text in between is left for later and styling starts at the line
    // wanted, from the plain state; text skipped that way is styled when it is wanted.
    const long endStyled = send(B::SCI_GETENDSTYLED);
    skipped_.erase(std::remove_if(skipped_.begin(), skipped_.end(), [endStyled](const auto &g) { return g.first >= endStyled; }),
                   skipped_.end());
    for (auto &g : skipped_)
        g.second = std::min(g.second, endStyled);
    const long lineStart = send(B::SCI_POSITIONFROMLINE, send(B::SCI_LINEFROMPOSITION, position));
    long restart = -1;
    bool fresh = true; // starting where the lexer has not been, rather than where it stopped
    if (lineStart - endStyled > SkipAhead) {
        skipped_.push_back({endStyled, lineStart});
        restart = lineStart;
    } else {
        for (auto &g : skipped_) {
            if (position < g.first || position >= g.second)
                continue;
            // Wanted inside text skipped earlier: styled from the gap's start when that is near.
            fresh = lineStart - g.first > SkipAhead;
            restart = fresh ? lineStart : g.first;
            g.second = restart;
            break;
        }
    }
    if (restart < 0)
        return;
    skipped_.erase(std::remove_if(skipped_.begin(), skipped_.end(), [](const auto &g) { return g.second <= g.first; }),
                   skipped_.end());
    // The lexer reads the state it starts in from the line before: a plain one.
    const long line = send(B::SCI_LINEFROMPOSITION, restart);
    if (fresh && line > 0 && restart > 0) {
        send(B::SCI_SETLINESTATE, line - 1, 0);
        send(B::SCI_STARTSTYLING, restart - 1);
        send(B::SCI_SETSTYLING, 1, 0);
    }
    send(B::SCI_STARTSTYLING, restart);
}

void Highlighter::styleRange(long from, long to)
{
    if (!active_)
        return;
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    to = std::clamp(to, 0L, length);
    from = std::clamp(from, 0L, to);
    lexRange(from, to);
    restyleStyleBlocks(from, to);
}

void Highlighter::lexRange(long from, long to)
{
    if (!active_)
        return;
    skipAheadTo(from);
    // The lexers start at a line's start, as the editor itself has them do, and end at one too
    // (within 4 KB): a range that ends inside a word styles it provisionally, and its line would
    // be drawn twice.
    using B = QsciScintillaBase;
    const long line = send(B::SCI_LINEFROMPOSITION, to);
    if (const long next = send(B::SCI_POSITIONFROMLINE, line + 1); to != send(B::SCI_POSITIONFROMLINE, line) && next - to <= 4096)
        to = next;
    const long endStyled = send(QsciScintillaBase::SCI_GETENDSTYLED);
    if (endStyled < to)
        send(QsciScintillaBase::SCI_COLOURISE,
             send(QsciScintillaBase::SCI_POSITIONFROMLINE, send(QsciScintillaBase::SCI_LINEFROMPOSITION, endStyled)), to);
}

QByteArray Highlighter::cssStyles(const QByteArray &css)
{
    using B = QsciScintillaBase;
    if (!cssScratch_) {
        cssScratch_ = std::make_unique<QsciScintilla>();
        cssScratch_->SendScintilla(B::SCI_SETUNDOCOLLECTION, 0);
        cssScratch_->SendScintilla(B::SCI_SETCODEPAGE, B::SC_CP_UTF8);
        cssScratch_->SendScintilla(B::SCI_SETLEXERLANGUAGE, 0ul, css_->lexer());
        for (int set = 0; set <= 8; ++set) {
            const char *words = css_->keywords(set + 1);
            cssScratch_->SendScintilla(B::SCI_SETKEYWORDS, (unsigned long)set, words ? words : "");
        }
    }
    cssScratch_->SendScintilla(B::SCI_CLEARALL);
    cssScratch_->SendScintilla(B::SCI_APPENDTEXT, uintptr_t(css.size()), css.constData());
    cssScratch_->SendScintilla(B::SCI_COLOURISE, 0, -1);
    QByteArray styled(2 * css.size() + 2, '\0');
    cssScratch_->SendScintilla(B::SCI_GETSTYLEDTEXT, 0L, long(css.size()), styled.data());
    QByteArray styles(css.size(), '\0');
    for (qsizetype i = 0; i < css.size(); ++i)
        styles[i] = styled[2 * i + 1];
    return styles;
}

QByteArray Highlighter::textRange(long from, long to) const
{
    QByteArray text(to - from + 1, '\0');
    ed_->SendScintilla(QsciScintillaBase::SCI_GETTEXTRANGE, from, to, text.data());
    text.chop(1);
    return text;
}

bool Highlighter::markupStartsAt(core::TagSpan::Kind kind, long position) const
{
    // The lexer has read the text before any window the reader is given: a '<' it took for part
    // of a script, a value or a comment starts nothing.
    using H = QsciLexerHTML;
    const int s = int(send(QsciScintillaBase::SCI_GETSTYLEAT, position) & 0xFF);
    switch (kind) {
    case core::TagSpan::StartTag:
    case core::TagSpan::EndTag:
        return s == H::Tag || s == H::UnknownTag;
    case core::TagSpan::Comment:
        return s == H::HTMLComment;
    case core::TagSpan::ServerBlock:
        return s == H::ASPStart || s == H::ASPAtStart;
    default:
        return s == H::SGMLDefault || s == H::SGMLCommand || s == H::XMLStart || s == H::CDATA;
    }
}

core::TagReading Highlighter::readingFrom(long start) const
{
    return {.startsAt = [this, start](core::TagSpan::Kind kind, qsizetype at) { return markupStartsAt(kind, start + at); }};
}

void Highlighter::restyleStyleBlocks(long from, long to)
{
    using B = QsciScintillaBase;
    if (!active_ || language_ != Language::Html || restyling_)
        return;
    // Only text the HTML lexer has styled: it would style the rest over again.
    const long endStyled = send(B::SCI_GETENDSTYLED);
    const long shownTo = std::min(to, endStyled);
    if (shownTo <= from)
        return;
    // A block the range ends in is read to its end (within the look-back's reach as well): the
    // style sheet's lexer, given half a word, would colour it differently.
    to = std::min(endStyled, shownTo + StyleBlockLookBack);
    const long start = std::max(0L, from - StyleBlockLookBack);
    // Looked at where it lies (the buffer's gap moves at most across it), copied only when it holds one.
    const QByteArrayView lying(reinterpret_cast<const char *>(ed_->SendScintilla(B::SCI_GETRANGEPOINTER, start, to - start)),
                               to - start);
    if (!holdsStyleStart(lying))
        return;
    const QByteArray text = lying.toByteArray();
    // The style blocks in the window: the content of style elements, up to the '<' of "</style".
    struct Block {
        qsizetype from, to;
    };
    std::vector<Block> blocks;
    core::TagReader<QByteArrayView> reader(text, readingFrom(start));
    while (const std::optional<core::TagSpan> span = reader.next())
        if (span->kind == core::TagSpan::Content && span->named(text, "style"))
            blocks.push_back({span->from, span->to});

    restyling_ = true;
    for (const Block &b : blocks) {
        if (start + b.to <= from || start + b.from >= shownTo || b.to <= b.from)
            continue;
        const QByteArray css = text.mid(b.from, b.to - b.from);
        QByteArray wanted = cssStyles(css);
        QByteArray have(2 * css.size() + 2, '\0');
        ed_->SendScintilla(B::SCI_GETSTYLEDTEXT, start + b.from, start + b.to, have.data());
        bool same = true;
        for (qsizetype i = 0; i < css.size(); ++i) {
            // Line ends keep the HTML lexer's style: it reads the state of the line before from them.
            wanted[i] = (css[i] == '\r' || css[i] == '\n') ? have[2 * i + 1] : char(StyleBlockBase + uchar(wanted[i]));
            same = same && wanted[i] == have[2 * i + 1];
        }
        if (same)
            continue;
        // Writing styles moves the lexer's mark of how far the text is styled; it is put back.
        send(B::SCI_STARTSTYLING, start + b.from);
        ed_->SendScintilla(B::SCI_SETSTYLINGEX, (unsigned long)wanted.size(), wanted.constData());
        send(B::SCI_STARTSTYLING, endStyled);
    }
    restyling_ = false;
}

// ---- matching ------------------------------------------------------------------------------

void Highlighter::onUpdateUi()
{
    for (auto [from, to] : shownRanges())
        restyleStyleBlocks(from, to);
    const long caret = send(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long length = send(QsciScintillaBase::SCI_GETLENGTH);
    if (caret == lastCaret_ && length == lastLength_)
        return;
    lastCaret_ = caret;
    lastLength_ = length;
    matchTag(caret);
    matchBrace(caret);
}

void Highlighter::markTags(long a, long aEnd, long b, long bEnd)
{
    using B = QsciScintillaBase;
    if (a == markedA_ && aEnd == markedAEnd_ && b == markedB_ && bEnd == markedBEnd_)
        return;
    send(B::SCI_SETINDICATORCURRENT, TagIndicator);
    const long length = send(B::SCI_GETLENGTH);
    for (auto [s, e] : {std::pair{markedA_, markedAEnd_}, std::pair{markedB_, markedBEnd_}})
        if (s >= 0 && s < length)
            send(B::SCI_INDICATORCLEARRANGE, s, std::min(e, length) - s);
    markedA_ = a, markedAEnd_ = aEnd, markedB_ = b, markedBEnd_ = bEnd;
    for (auto [s, e] : {std::pair{a, aEnd}, std::pair{b, bEnd}})
        if (s >= 0)
            send(B::SCI_INDICATORFILLRANGE, s, e - s);
}

void Highlighter::matchTag(long caret)
{
    using B = QsciScintillaBase;
    using core::TagSpan;
    if (!active_ || language_ != Language::Html)
        return markTags(-1, -1, -1, -1);
    const long length = send(B::SCI_GETLENGTH);
    // The caret stands in a tag's name, or right after it: the tag is read from the last '<'
    // before the caret, within a name's reach.
    const long nearFrom = std::max(0L, caret - 258);
    const QByteArray near = textRange(nearFrom, std::min(length, caret + 256));
    const qsizetype lastLt = caret > nearFrom ? near.lastIndexOf('<', caret - nearFrom - 1) : -1;
    const std::optional<TagSpan> own = core::readTag(near, lastLt, core::TagParts::Ends);
    if (!own || caret - nearFrom < own->nameFrom || caret - nearFrom > own->nameTo)
        return markTags(-1, -1, -1, -1);
    const bool closing = own->kind == TagSpan::EndTag;
    const long lt = nearFrom + lastLt, nameEnd = nearFrom + own->nameTo;
    styleRange(lt, nameEnd);
    if (!markupStartsAt(own->kind, lt))
        return markTags(-1, -1, -1, -1);
    // Its pair, as the lexer sees the text around it.
    const long from = closing ? std::max(0L, lt - TagMatchReach) : lt;
    const long to = std::min(length, nameEnd + (closing ? 4096 : TagMatchReach));
    styleRange(from, to);
    const QByteArray window = textRange(from, to);
    const std::optional<core::TagPair> pair = core::matchingTags(window, readingFrom(from), lt - from);
    if (!pair)
        return markTags(-1, -1, -1, -1);
    auto end = [](const TagSpan &t) { return t.complete ? t.to : t.nameTo; };
    markTags(from + long(pair->start.from), from + long(end(pair->start)), from + long(pair->end.from),
             from + long(end(pair->end)));
}

void Highlighter::matchBrace(long caret)
{
    using B = QsciScintillaBase;
    using H = QsciLexerHTML;
    auto isBrace = [](char c) { return c && std::strchr("()[]{}", c); };
    // Brackets count in scripts and style sheets, not in markup text.
    auto inCode = [this](int style) {
        if (language_ == Language::Css)
            return style == QsciLexerCSS::Operator;
        return style == H::JavaScriptSymbol || style == H::ASPJavaScriptSymbol || style == H::VBScriptDefault ||
               style == H::ASPVBScriptDefault || style == StyleBlockBase + QsciLexerCSS::Operator;
    };
    long match = -1, at = -1;
    if (active_) {
        for (long p : {caret - 1, caret}) {
            if (p < 0 || p >= send(B::SCI_GETLENGTH) || !isBrace(char(send(B::SCI_GETCHARAT, p))))
                continue;
            styleRange(p, p + 1);
            if (!inCode(int(send(B::SCI_GETSTYLEAT, p) & 0xFF)))
                continue;
            match = send(B::SCI_BRACEMATCH, p, 0);
            if (match >= 0) {
                at = p;
                break;
            }
        }
    }
    braceA_ = match >= 0 ? std::min(at, match) : -1;
    braceB_ = match >= 0 ? std::max(at, match) : -1;
    send(B::SCI_BRACEHIGHLIGHT, match >= 0 ? at : -1, match);
}

// ---- assistive technology ------------------------------------------------------------------

QString Highlighter::attributesAt(long position, long *runStart, long *runEnd)
{
    using B = QsciScintillaBase;
    const long length = send(B::SCI_GETLENGTH);
    position = std::clamp(position, 0L, length);
    const long line = send(B::SCI_LINEFROMPOSITION, position);
    const long lineStart = send(B::SCI_POSITIONFROMLINE, line);
    const long lineEnd = send(B::SCI_POSITIONFROMLINE, line + 1);
    // Runs are looked for within the line and a few kilobytes either side.
    const long from = std::max(lineStart, position - 4096), to = std::min(lineEnd, position + 4096);
    styleRange(from, to);
    // Style bytes read back sign-extended.
    auto styleAt = [this](long p) { return int(send(QsciScintillaBase::SCI_GETSTYLEAT, p) & 0xFF); };
    const int style = active_ ? styleAt(position) : 0;
    long s = position, e = position;
    if (active_) {
        while (s > from && styleAt(s - 1) == style)
            --s;
        while (e < to && styleAt(e) == style)
            ++e;
    } else {
        s = from;
        e = to;
    }
    *runStart = s;
    *runEnd = std::max(e, std::min(position + 1, length));
    // IAccessible2's names and values, which the platform bridges translate (on Linux to AT-SPI's
    // family-name, size, weight, style, underline, fg-color and bg-color).
    auto rgb = [](long bgr) {
        return QStringLiteral("rgb(%1,%2,%3)").arg(bgr & 0xFF).arg((bgr >> 8) & 0xFF).arg((bgr >> 16) & 0xFF);
    };
    QByteArray face(send(B::SCI_STYLEGETFONT, style) + 1, '\0');
    ed_->SendScintilla(B::SCI_STYLEGETFONT, (unsigned long)style, face.data());
    QString family = QString::fromUtf8(face.constData());
    family.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char(';'), QLatin1String("\\;"))
        .replace(QLatin1Char(':'), QLatin1String("\\:"));
    const long weight = std::abs(send(B::SCI_STYLEGETWEIGHT, style));
    return QStringLiteral("font-family:%1;font-size:%2pt;font-weight:%3;font-style:%4;text-underline-type:%5;"
                          "text-line-through-type:%6;color:%7;background-color:%8;")
        .arg(family)
        .arg(send(B::SCI_STYLEGETSIZEFRACTIONAL, style) / double(B::SC_FONT_SIZE_MULTIPLIER))
        .arg(weight >= 600 ? 700 : 400)
        .arg(send(B::SCI_STYLEGETITALIC, style) ? QStringLiteral("italic") : QStringLiteral("normal"))
        .arg(send(B::SCI_STYLEGETUNDERLINE, style) ? QStringLiteral("single") : QStringLiteral("none"))
        .arg(ed_->strikeout() ? QStringLiteral("single") : QStringLiteral("none"))
        .arg(rgb(send(B::SCI_STYLEGETFORE, style)), rgb(send(B::SCI_STYLEGETBACK, style)));
}

} // namespace ui
