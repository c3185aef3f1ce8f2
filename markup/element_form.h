// SPDX-License-Identifier: GPL-3.0-or-later
// An element of the document as the dialog that writes it sees it: the values its fields are
// filled with, and which fields each of its attributes (and its content) is made from. Every
// dialog that can describe an element has a reader, next to its writer, that gives this form.
#pragma once

#include "element_place.h"
#include "ui/runtime.h"

#include <optional>

namespace markup {

/// The element being read: its start tag, and for elements whose content their dialog owns the
/// range of the end tag.
struct Element {
    QStringView text; // the scanned text the positions refer to
    Tag tag;
    std::optional<std::pair<qsizetype, qsizetype>> end;

    bool named(QStringView name) const { return tag.named(text, name); }
    bool has(QStringView attribute) const { return tag.attribute(text, attribute) != nullptr; }
    /// The attribute's value as written; empty when absent or without a value.
    core::Text value(QStringView attribute) const;
    /// Between the start tag and the end tag (empty without an end tag).
    core::Text content() const;
};

/// One field of the dialog and what it is filled with.
struct FieldFill {
    enum Kind { Text, Check, List };
    ui::ControlRef control;
    Kind kind = Text;
    core::Text text;
    bool checked = false;
    QStringList items;
};

/// An attribute the dialog writes (an empty name: the element's content and end tag) and the
/// units of the fields it is made from; none for a fixed attribute.
struct OwnedPart {
    QString attribute;
    QStringList units;
};

struct ElementForm {
    ui::WindowDefinition (*definition)() = nullptr;
    std::vector<FieldFill> fields;
    std::vector<OwnedPart> owned;
    ui::ControlRef tabs; // a tab control to turn to the given page, if any
    int page = -1;
};

/// Helpers for the readers.
inline FieldFill textField(const QString &dialog, const QString &unit, const core::Text &text)
{
    return {.control = {dialog, unit}, .kind = FieldFill::Text, .text = text};
}
inline FieldFill checkField(const QString &dialog, const QString &unit, bool checked)
{
    return {.control = {dialog, unit}, .kind = FieldFill::Check, .checked = checked};
}
inline FieldFill listField(const QString &dialog, const QString &unit, const QStringList &items)
{
    return {.control = {dialog, unit}, .kind = FieldFill::List, .items = items};
}

/// A text without one pair of double quotes around it, as the dialogs that quote texts write it.
core::Text unquoted(const core::Text &text);

/// The one part of a rewrite: text[from, to) of the scanned text becomes the new text.
struct Rewrite {
    qsizetype from = 0, to = 0;
    core::Text text;
};

/// Merges what the dialog wrote (its output, joined) into the element: the attributes made from
/// changed fields are taken from the output, in its order; the others stay as written; the
/// attributes the dialog does not know follow, byte for byte; the content and end tag are
/// replaced only when the dialog owns them and a field they come from changed. Nothing when no
/// field changed or the output is not an element.
std::optional<Rewrite> rewriteElement(const Element &element, const std::vector<OwnedPart> &owned,
                                      const QStringList &changedUnits, QStringView output);

} // namespace markup
