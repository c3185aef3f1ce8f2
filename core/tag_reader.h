// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of tags: start and end tags with their names and attributes, comments,
// declarations, <% … %> blocks and the content of script, style and textarea, read from a window of
// text as browsers read them (names in any case, values in double, single or no quotes, tags over
// several lines). Everything the program asks of markup goes through it: element editing, tag
// matching and style blocks in the highlighter, the context of typing and the page checks.
//
// It lives in core/ because the highlighter in ui/ asks it and markup/ links ui/: it has to sit
// below both, and it needs nothing but QtCore, as the rest of core/ does. A library of its own would
// be one more target with exactly core's dependencies.
//
// It reads the program's texts (QStringView) and the editor's UTF-8 buffer (QByteArrayView) alike:
// every character that shapes markup is ASCII, and UTF-8 has no ASCII byte inside another
// character. It never reads outside the window it is given; what the window cuts off is reported
// as incomplete, never guessed.
#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

namespace core {

/// One attribute of a start tag. Positions are indices into the window.
struct TagAttribute {
    qsizetype space = 0;                    // start of the blanks in front of it
    qsizetype from = 0, nameTo = 0, to = 0; // the name is [from, nameTo); [from, to) with '=', value, quotes
    qsizetype valueFrom = -1, valueTo = -1; // the value without its quotes; -1 when it has none
    char16_t quote = 0;                     // '"', '\'' or 0
};

/// A piece of markup the reader found: where it is, and for tags where their parts are.
struct TagSpan {
    enum Kind : quint8 {
        StartTag,    // <name …>
        EndTag,      // </name …>
        Comment,     // <!-- … -->
        Declaration, // <!DOCTYPE …>, <?xml …?>
        ServerBlock, // <% … %>, the server's code
        Content,     // what script, style and textarea hold: not markup, up to their end tag's '<'
    };
    Kind kind = StartTag;
    /// Whether its end lies within the window; when not, `to` is the window's end.
    bool complete = true;
    /// Whether a start tag ends in "/>".
    bool selfClosed = false;
    qsizetype from = 0, to = 0;         // from '<' to just after its end
    qsizetype nameFrom = 0, nameTo = 0; // tags: the name; Content: the name in its start tag
    qsizetype tail = 0;                 // tags: where the blanks, '/' and '>' after the last attribute start
    std::vector<TagAttribute> attributes; // start tags, when the reader was asked to keep them

    bool isTag() const { return kind == StartTag || kind == EndTag; }
    template <typename View> View name(View window) const { return window.sliced(nameFrom, nameTo - nameFrom); }
    /// Whether its name is n, in any case.
    bool named(QStringView window, QStringView n) const;
    bool named(QByteArrayView window, QByteArrayView n) const;
    /// The first attribute of that name, in any case; nullptr when it has none.
    const TagAttribute *attribute(QStringView window, QStringView n) const;
};

/// An attribute's name and its value as written (entities left as they are; empty without one).
inline QStringView attributeName(QStringView window, const TagAttribute &a) { return window.sliced(a.from, a.nameTo - a.from); }
inline QStringView attributeValue(QStringView window, const TagAttribute &a)
{
    return a.valueFrom < 0 ? QStringView() : window.sliced(a.valueFrom, a.valueTo - a.valueFrom);
}

/// Whether the element's content is text, not markup: script, style, textarea.
bool hasRawContent(QStringView name);
bool hasRawContent(QByteArrayView name);

/// What is kept of a start tag: its name and where it ends, or its attributes as well.
enum class TagParts { Ends, Attributes };

/// The tag whose '<' is window[at]; nothing when no tag starts there ('<' followed by neither a
/// letter nor '/' and a letter). A tag the window cuts off comes back incomplete, with what it
/// holds so far: an attribute cut in its value ends at the window's end.
std::optional<TagSpan> readTag(QStringView window, qsizetype at, TagParts parts);
std::optional<TagSpan> readTag(QByteArrayView window, qsizetype at, TagParts parts);

/// What a TagReader reads.
struct TagReading {
    TagParts parts = TagParts::Ends;
    /// Whether markup of this kind starts at the '<' at that position; where it says no, the '<' is
    /// text. A caller that knows more than the window shows (the editor's lexer, which has read the
    /// text before it) says so here. Unset: markup starts wherever its syntax does.
    std::function<bool(TagSpan::Kind kind, qsizetype at)> startsAt;
    /// Whether a "%>" inside a double-quoted string of a `<% … %>` block (the string ends at its
    /// line's end) leaves the block open, as the preview shows blocks.
    bool quotedServerEnds = false;
    /// Whether every element whose content a browser takes as text has raw content: title, xmp,
    /// iframe, noembed, noframes, noscript and plaintext besides script, style and textarea.
    bool browserRawText = false;
};

/// Every `<% … %>` block of the window, wherever it stands (between tags, inside a tag or a
/// value, in a comment or in content), as [from, to) in order; one the window cuts off runs to its
/// end. Of the reading only quotedServerEnds counts.
std::vector<std::pair<qsizetype, qsizetype>> serverBlocks(QByteArrayView window, const TagReading &reading = {});

/// Reads a window of text span by span, in order: the spans never overlap, and nothing between
/// them is markup. `<% … %>` is the server's wherever it stands (in a tag, a value, a comment or
/// content) and is stepped over whole there. A span the window cuts off is the last one.
template <typename View>
class TagReader {
public:
    explicit TagReader(View window, TagReading reading = {}, qsizetype from = 0);
    std::optional<TagSpan> next();
    View window() const { return window_; }

private:
    View window_;
    TagReading reading_;
    qsizetype at_;
    /// After a start tag with raw content: that tag, whose content comes next.
    std::optional<std::pair<qsizetype, qsizetype>> contentOf_;
};

extern template class TagReader<QStringView>;
extern template class TagReader<QByteArrayView>;

} // namespace core
