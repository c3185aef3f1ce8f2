// SPDX-License-Identifier: GPL-3.0-or-later
// What typing help reads at the caret: which tag the typed '>' closes, which element a typed "</"
// ends. It reads a bounded stretch of the editor's UTF-8 buffer around the caret through the one
// tag reader, so its cost never grows with the document.
#pragma once

#include "core/tag_reader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

namespace markup {

/// How far before the caret typing help reads, and how far after it.
inline constexpr qsizetype TypingReachBefore = 64 * 1024;
inline constexpr qsizetype TypingReachAfter = 1024;

/// A stretch of text around the caret and where the caret is in it. The reading says where
/// markup starts when the caller knows more than the stretch shows (the editor's lexer).
struct TypingStretch {
    QByteArrayView text;
    qsizetype caret = 0;
    qint64 start = 0; // where the text starts in the buffer
    core::TagReading reading;
    bool css = false; // the whole text is a style sheet
    /// Where reading the text for the caret's tag may start: a place where reading from the
    /// text's start finds no span open (see quietPlace). The open elements are always read from
    /// the text's start.
    qsizetype quietFrom = 0;
};

/// How far past a quiet place an edit may change what reading finds up to it: the reader and
/// the lexer look a few characters past a '<' to tell what it starts ("</textarea", "<![CDATA[").
inline constexpr qsizetype QuietMargin = 16;
/// The start of the last tag, comment or server block that reading the stretch (from its
/// quietFrom) finds starting before `end`, or quietFrom when none does. Reading from there finds
/// what reading from the start does, and goes on doing so after edits no closer to it than
/// QuietMargin, as long as the text before it stays as it was.
qsizetype quietPlace(const TypingStretch &s, qsizetype end);

/// The end tag to put after the caret now that the '>' before it has been typed: "</name>" when
/// that '>' ends the start tag of an element with an end tag (not void, not "/>", not in a comment,
/// a value, a server block, script or style content) and that end tag does not already follow
/// (blanks between allowed). Empty otherwise.
QByteArray endTagForTypedGt(const TypingStretch &s);

/// What completes the "</" just typed before the caret: the name of the innermost element still
/// open there and '>'. Empty when none is open within the stretch, or the "</" stands in a
/// comment, a tag or a server block.
QByteArray completionForTypedSlash(const TypingStretch &s);

/// What a list offers where the character just typed before the caret stands.
struct Offer {
    enum Kind {
        Nothing, ElementNames, EntityNames, AttributeNames, AttributeValues, CssValues, AspMembers,
        CssProperties, AspWords, FileNames
    } kind = Nothing;
    qsizetype entered = 0;      // how much of the word before the caret is typed already
    QByteArray element;         // attribute names and values: the tag's element, as written
    QByteArray attribute;       // values: the attribute or CSS property; ASP members: the object
    QList<QByteArray> written;  // attribute names: those the tag has already, in lower case
};
/// Element names after a '<' typed in text; entity names after a '&' typed in text or in an
/// attribute's value; attribute names after a blank typed in a start tag (not in a value);
/// values after the '=' or the opening quote of an attribute's value; a CSS property's keywords
/// after the ':' that starts its value (in style content or a style sheet); an ASP object's
/// members after the '.' that follows its name in a server block. A letter that starts a word
/// gets CSS property names where a declaration starts (in style content, a style sheet or a style
/// attribute's quotes) and the server's words in a server block. The names of files beside the
/// document after the '=' or opening quote of href or src. Nothing in comments or scripts.
Offer offerForTyped(const TypingStretch &s);
/// Whether a letter typed at the end of `before` may start a word a list is offered for: a cheap
/// look at the text alone, before the context is read.
bool mayOfferForLetter(QByteArrayView before);
/// The list's items for the offer, in the order shown; empty when there is nothing to offer (an
/// attribute that takes any text). File names are those of `folder` (one folder read, folders
/// first with a '/'); none without one.
QStringList offeredItems(const Offer &o, const QString &folder = {});

} // namespace markup
