// SPDX-License-Identifier: GPL-3.0-or-later
// Which end tag closes a start tag, and which start tag an end tag closes: the tags of one name
// counted as nesting, read through the tag reader. The highlighter marks the pair at the caret;
// typing help renames the other tag of the pair when a name is edited.
#pragma once

#include "tag_reader.h"

namespace core {

/// A start tag and its end tag, as read from the window.
struct TagPair {
    TagSpan start, end;
};

/// The pair the tag whose '<' stands at window[at] belongs to, read from the window's start as
/// `reading` says: the tags of its name (in any case) nest, and an element closed in its own tag
/// (<br/>) neither opens nor closes. Nothing when no tag the reader finds starts there (its '<'
/// is in a comment, a value, a server block, script or style content) or its match is not in the
/// window.
std::optional<TagPair> matchingTags(QByteArrayView window, const TagReading &reading, qsizetype at);

} // namespace core
