// SPDX-License-Identifier: GPL-3.0-or-later
// A small scanner for the markup around the caret: tags read as browsers read them (names in any
// case, values in double, single or no quotes, spread over several lines), each attribute with
// the place of its bytes so that a rewrite can keep what it does not own exactly as written.
#pragma once

#include "core/texts.h"

#include <QStringView>

#include <optional>
#include <vector>

namespace markup {

/// Positions are indices into the text that was scanned.
struct TagAttribute {
    QString name;               // as written
    qsizetype space = 0;        // start of the blanks in front of it
    qsizetype from = 0, to = 0; // the attribute itself: name, '=', value and its quotes
    qsizetype valueFrom = -1, valueTo = -1; // the value without quotes; -1 when it has none
    QChar quote;                // '"', '\'' or nothing

    bool named(QStringView n) const { return name.compare(n, Qt::CaseInsensitive) == 0; }
};

struct Tag {
    QString name;               // as written
    bool closing = false;       // "</name"
    qsizetype from = 0, to = 0; // from '<' to just after '>'
    qsizetype nameTo = 0;       // just after the name
    qsizetype tail = 0;         // start of what follows the last attribute: blanks, '/', '>'
    std::vector<TagAttribute> attributes;

    bool named(QStringView n) const { return name.compare(n, Qt::CaseInsensitive) == 0; }
    const TagAttribute *attribute(QStringView n) const;
};

/// The tag starting at text[at] == '<', or nothing when there is no tag there or it does not end
/// within the text.
std::optional<Tag> scanTag(QStringView text, qsizetype at);

/// The value of an attribute as written (entities are left as they are).
QStringView attributeValue(QStringView text, const TagAttribute &a);

/// The start of the end tag "</name" closing an element whose content begins at from, and the
/// position just after its '>'; nothing when it is not within the text. Elements of the same
/// name opened in between are counted, except in raw content (script, style, textarea).
std::optional<std::pair<qsizetype, qsizetype>> findEndTag(QStringView text, qsizetype from, QStringView name);

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
