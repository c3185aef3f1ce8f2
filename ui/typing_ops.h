// SPDX-License-Identifier: GPL-3.0-or-later
// The CodeEditor operations typing help needs: the characters a user types, a bounded stretch of
// text around the caret with the lexer's view of it, and an insertion of its own for the user.
#pragma once

#include "runtime.h"

#include "core/tag_reader.h"

#include <functional>

namespace ui {

/// A copy of the text within `before` bytes before the caret and `after` bytes after it (never
/// the whole document). When the text is coloured as HTML, the reading asks the lexer where
/// markup starts, so a stretch that begins inside a comment or a script is read as the lexer did.
struct EditorStretch {
    QByteArray text;
    qint64 start = 0;     // where text starts in the buffer
    qsizetype caret = 0;  // the caret's index in text
    core::TagReading reading;
    bool css = false; // the editor colours the text as a style sheet
};
/// How much of the stretch the lexer is asked about: none of it (a cheap look before a closer one);
/// the text before the caret, when only that is read for markup (what the lexer styles after it
/// would be styled again as soon as help inserts there); or all of it.
enum class Lexed { No, BeforeCaret, Whole };
EditorStretch readEditorStretch(UiRuntime &rt, const ControlRef &editor, qint64 before, qint64 after,
                                Lexed lexed = Lexed::Whole);

/// Calls back after each character the user types into the editor, once it stands in the text:
/// not for pasted text, text the program inserts, nor while an input method composes.
void onEditorCharacterTyped(UiRuntime &rt, const ControlRef &editor, std::function<void(UiRuntime &, char32_t)> typed);

/// Around each key the user presses that types text or deletes (Backspace, Delete), without Ctrl
/// or Alt: `before` is asked with the bytes [from, to) the key is about to replace (the selection,
/// or the character it deletes) and the text it types (empty for a deletion). When it says yes,
/// the key's edit and what `after` changes make one undo step; `after` learns how many bytes
/// longer the text became. Input methods' text goes through neither.
void groupEditorKeys(UiRuntime &rt, const ControlRef &editor,
                     std::function<bool(UiRuntime &, qint64 from, qint64 to, const QString &typed)> before,
                     std::function<void(UiRuntime &, qint64 grown)> after);

/// Replaces the buffer's bytes [from, to) as an undo step of its own (the typing before it stays
/// when it is undone, unless it is made inside a step of groupEditorKeys), then puts the caret at
/// `caret`; a negative `caret` stays with the text it stands in.
void replaceForUser(UiRuntime &rt, const ControlRef &editor, qint64 from, qint64 to, const QByteArray &bytes, qint64 caret);

/// Opens the editor's own list at the caret with the items in this order (drawn in the editor's
/// colours, read by a screen reader as a list). It narrows as the user types on, closes on Esc,
/// when nothing matches or the caret leaves the word, and inserts nothing itself: an item chosen
/// with Enter, Tab or a click is handed to the callback of onEditorListChosen.
/// The word the list completes starts `entered` bytes before the caret.
void showEditorList(UiRuntime &rt, const ControlRef &editor, int list, const QStringList &items, qint64 entered = 0);
/// Calls back with the list's number, the chosen item and where the word it completes starts.
void onEditorListChosen(UiRuntime &rt, const ControlRef &editor,
                        std::function<void(UiRuntime &, int list, const QString &item, qint64 wordStart)> chosen);
bool isEditorListShown(UiRuntime &rt, const ControlRef &editor);

} // namespace ui
