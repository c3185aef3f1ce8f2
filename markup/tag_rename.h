// SPDX-License-Identifier: GPL-3.0-or-later
// The end tag follows its start tag: an edit of a start tag's name renames its end tag the same
// way, and the other way round. The pair is the one the highlighter marks (core/tag_match.h),
// looked for within a bounded reach; unpaired tags and tags in comments, values, server blocks,
// script and style content are left alone.
#pragma once

#include "typing_context.h"

#include <optional>

namespace markup {

/// How far from the edited tag its pair is looked for, either way.
inline constexpr qsizetype RenameReach = 64 * 1024;

/// Whether typing `typed` over the stretch's [from, to), or deleting it when `typed` is empty,
/// may change a tag's name: the edit lies within a name read from the '<' before it (its ends
/// included) and types only characters of names. Reads only the name's neighbourhood.
bool mayEditTagName(QByteArrayView text, qsizetype from, qsizetype to, QStringView typed);

/// A tag whose name an edit is about to change and the other tag of its pair, in buffer positions.
struct PairedName {
    qint64 tagFrom = 0;              // the edited tag's '<'
    qint64 otherFrom = 0, otherTo = 0; // the other tag's name
    bool otherAfter = false;         // the other tag follows the edited one
};
/// The pair of the tag whose name the edit of the stretch's [from, to) changes (see
/// mayEditTagName), read before the edit; nothing when that tag has no pair within the stretch.
std::optional<PairedName> pairedNameAt(const TypingStretch &s, qsizetype from, qsizetype to);

/// Gives the other tag the edited tag's new name, in buffer positions.
struct Rename {
    qint64 from = 0, to = 0;
    QByteArray name;
};
/// What the other tag becomes now that the edit is done and the text is `grown` bytes longer:
/// nothing when the edited tag has lost its name or the names agree already.
std::optional<Rename> renameAfterEdit(const TypingStretch &s, const PairedName &p, qint64 grown);

} // namespace markup
