// SPDX-License-Identifier: GPL-3.0-or-later
// The CodeEditor's syntax colouring: the editor component's HTML (with ASP) and CSS lexers fed
// with the program's word lists, style blocks coloured with the CSS rules, one palette kept
// readable on the chosen background, the chosen font on every style, and tag and bracket matching.
#pragma once

#include "core/tag_reader.h"
#include "highlight_palette.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QObject>

#include <memory>
#include <utility>
#include <vector>

class QsciLexerCSS;
class QsciScintilla;

namespace ui {

class CodeEditor;
class HtmlLexer;

class Highlighter : public QObject {
    Q_OBJECT
public:
    /// Colours the editor (whose child it becomes) as HTML from now on.
    explicit Highlighter(CodeEditor *editor);
    ~Highlighter() override;
    /// The highlighter of a CodeEditor.
    static Highlighter *of(const QObject *editor);

    void setLanguage(Language language);
    Language language() const { return language_; }
    /// False while the text is too long to colour (see HighlightLimit): it is then plain text.
    bool active() const { return active_; }
    void setWords(const HighlightWords &words);
    void setBackground(const QColor &colour);
    /// The font of every style; a valid colour colours all text, an invalid one keeps the palette.
    void setTextFormat(const QFont &font, const QColor &colour);
    QColor chosenColour() const { return chosen_; }

    /// Styles the range now, style blocks included (otherwise styling follows what is shown).
    void styleRange(long from, long to);
    /// Has the main lexer style the range now, without the style blocks' colours: what
    /// readingFrom needs.
    void lexRange(long from, long to);
    /// The text attributes at the buffer position as assistive technology reads them, and the
    /// run of equal attributes around it within its line.
    QString attributesAt(long position, long *runStart, long *runEnd);
    /// The matching brackets marked at the caret, in text order; -1 when none.
    std::pair<long, long> markedBraces() const { return {braceA_, braceB_}; }
    /// The tag reader over a window of the text from start on, where the lexer agrees.
    core::TagReading readingFrom(long start) const;

    static constexpr int StyleBlockBase = ui::StyleBlockBase;
    /// How far before the shown text a style block's start is looked for.
    static constexpr long StyleBlockLookBack = 64 * 1024;
    /// How far from the caret a matching tag is looked for.
    static constexpr long TagMatchReach = 64 * 1024;
    /// How much of a loaded text is styled before it is first shown.
    static constexpr long FirstScreenReach = 64 * 1024;
    /// How far ahead of the styled text the styling starts afresh instead of catching up.
    static constexpr long SkipAhead = 512 * 1024;
    static constexpr int TagIndicator = 9;   // the strikeout uses 8
    static constexpr int BraceIndicator = 10;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void beforeReplaceAll(const QByteArray &bytes);
    bool fits() const;
    void skipAheadTo(long position);
    void applyLexer();
    void applyStyles();
    QByteArray textRange(long from, long to) const;
    /// Whether the lexer, too, has markup of that kind start at the '<' there.
    bool markupStartsAt(core::TagSpan::Kind kind, long position) const;
    void restyleStyleBlocks(long from, long to);
    QByteArray cssStyles(const QByteArray &css);
    std::vector<std::pair<long, long>> shownRanges() const;
    void onUpdateUi();
    void matchTag(long caret);
    void matchBrace(long caret);
    void markTags(long a, long aEnd, long b, long bEnd);
    long send(unsigned msg, unsigned long w = 0, long l = 0) const;

    CodeEditor *ed_;
    std::unique_ptr<HtmlLexer> html_;
    std::unique_ptr<QsciLexerCSS> css_;
    std::unique_ptr<QsciScintilla> cssScratch_; // lexes the text of style blocks
    Language language_ = Language::Html;
    bool active_ = false;
    qsizetype loadedSize_ = 0, longestLine_ = 0; // of the text last loaded
    bool restyling_ = false;
    QColor background_ = Qt::white;
    QColor chosen_;
    QFont font_;
    long markedA_ = -1, markedAEnd_ = -1, markedB_ = -1, markedBEnd_ = -1;
    long braceA_ = -1, braceB_ = -1;
    std::vector<std::pair<long, long>> skipped_; // text left unstyled after a jump

    long lastCaret_ = -1, lastLength_ = -1;
};

} // namespace ui
