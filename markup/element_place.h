// SPDX-License-Identifier: GPL-3.0-or-later
// Where the caret stands among the elements of the text around it, and where an element ends: read
// with the one tag reader, each tag with the place of its bytes so that a rewrite can keep what it
// does not own exactly as written.
#pragma once

#include "core/tag_reader.h"
#include "core/texts.h"

#include <optional>

namespace markup {

/// Tags as element editing reads them: from a text, attributes kept. Positions index the text.
using Tag = core::TagSpan;
using TagAttribute = core::TagAttribute;
using core::attributeName;
using core::attributeValue;

/// The tag starting at text[at] == '<', with its attributes, or nothing when there is no tag there
/// or it does not end within the text.
std::optional<Tag> scanTag(QStringView text, qsizetype at);

/// The start of the end tag closing the element whose start tag is given, and the position just
/// after its '>'; nothing when it is not within the text. Elements of the same name opened in
/// between are counted; raw content (script, style, textarea) is not markup.
std::optional<std::pair<qsizetype, qsizetype>> findEndTag(QStringView text, const Tag &start);

/// What lies under the caret: an element's start tag, or the start tag of an element the caret
/// is inside whose content its dialog owns (select, script, textarea, label, caption).
struct CaretPlace {
    enum Kind { Nothing, InComment, InServerBlock, InTag } kind = Nothing;
    Tag tag;                        // InTag: the start tag
    std::optional<Tag> container;   // the innermost select, script, textarea, label or caption around
};

/// Looks at the text from its start up to a little past the caret only. Positions at both edges
/// of a tag (just before '<', just after '>') count as in it; a tag starting at the caret wins.
CaretPlace placeAtCaret(QStringView text, qsizetype caret);

/// Elements whose content belongs to their dialog.
bool ownsContent(QStringView tagName);

} // namespace markup
