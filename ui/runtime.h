// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/encodings.h"
#include "core/files.h"
#include "core/texts.h"
#include "highlighting.h"
#include "window_definition.h"

#include <QByteArray>
#include <QString>
#include <QByteArrayView>

#include <functional>
#include <memory>
#include <variant>
#include <vector>

class QObject;

namespace ui {

enum class Bound { Left, Top, Width, Height };

/// The standard edit requests the CodeEditor understands (numbered as the platform's edit messages).
enum class EditorCommand {
    Cut = 0x300,
    Copy = 0x301,
    Paste = 0x302,
    Undo = 0xC7,
    Redo = 0x454,
    SelectAll = 0xB1, // select range 0 to -1
    GetModify = 0xB8, // non-zero once the text has changed
};

/// Character effects of a CharFormat.
enum Effect { Bold = 1, Italic = 2, Underline = 4, Strikeout = 8, Protected = 16 };

struct CharFormat {
    QString face;
    int size = 0;   // points
    int offset = 0; // points above the base line
    int effects = 0;
    Colour colour = DefaultColour; // DefaultColour = automatic text colour
    friend bool operator==(const CharFormat &, const CharFormat &) = default;
};

/// Message-box flags and the codes of the buttons pressed.
enum MessageFlags { MbOk = 0, MbYesNoCancel = 3, MbIconQuestion = 32, MbSystemModal = 0x1000 };
enum ButtonCode { IdOk = 0, IdCancel = 1, IdAbort = 2, IdRetry = 3, IdIgnore = 4, IdYes = 5, IdNo = 6 };

/// Modes of a common dialog.
enum DialogMode { OpenFileMode = 0, SaveFileMode = 1, FontMode = 2 };

/// The font fields of a common dialog, read and written around a font-mode showing.
struct FontFields {
    QString face;
    int size = 0;
    Colour colour = DefaultColour;
    bool bold = false, italic = false, strikeout = false, underline = false;
};

/// One replacement in the CodeEditor: the bytes [from, to) of its buffer become `bytes` (UTF-8).
struct EditorEdit {
    qint64 from = 0, to = 0;
    QByteArray bytes;
};

/// One argument of a library call: an address, a 32-bit integer or a text.
using LibraryArg = std::variant<const void *, qint32, core::Text>;

/// The "name|pattern|name|pattern…" filter text of a common dialog as Qt name filters.
QStringList fileDialogNameFilters(const QString &filter);

/// A stretch of the CodeEditor's text around the caret. Positions are indices into text; where
/// the stretch lies in the document is the runtime's business.
struct TextAround {
    core::Text text;
    qsizetype caret = 0;
    qint64 caretPosition = 0; // where the caret is, in the editor's own units
};

/// The runtime layer: builds windows from their definitions, delivers their events to the bound
/// handlers and carries out every operation the program's logic performs on windows, controls,
/// dialogs and the clipboard. Controls are named by window and unit name; operations on a window
/// that is not open do nothing and return the empty value of their result type. The operations
/// come in five groups, each implemented in a file of its own.
class UiRuntime {
public:
    UiRuntime();
    ~UiRuntime();
    UiRuntime(const UiRuntime &) = delete;
    UiRuntime &operator=(const UiRuntime &) = delete;

    // ---- Windows and menus (runtime.cpp) ----------------------------------------------------

    void openWindow(const WindowDefinition &def, bool modal);
    void closeWindow(const QString &window);
    bool isOpen(const QString &window) const;
    /// Brings an open window to the front, shown normally and active.
    void raiseWindow(const QString &window);
    /// Runs the event loop until the last top-level window (WindowDefinition::topLevel, and the
    /// first window opened) is gone.
    int run();
    /// Called after a window has been shown, inside the loop that serves it (for tests and tools).
    std::function<void(const QString &window)> onWindowShown;
    void popUpMenu(const QString &window, const QString &menu);
    void setMenuItemDisabled(const ControlRef &item, bool disabled);
    bool isMenuItemDisabled(const ControlRef &item) const;
    /// A window's (empty unit) or a control's position and size; a window's is its outer size.
    int getBounds(const ControlRef &ref, Bound which) const;
    void setBounds(const ControlRef &ref, Bound which, int value);
    /// The area of each screen that windows may take (without panels and docks), the primary first.
    QList<QRect> screenAreas() const;
    /// Calls an entry point of a shared library (the skin engine that dresses the windows).
    qint32 callLibraryEntry(const QString &library, const QString &entry, const std::vector<LibraryArg> &args);

    // ---- The CodeEditor (runtime_editor.cpp) ------------------------------------------------

    core::Text getEditorText(const ControlRef &editor) const;
    void setEditorText(const ControlRef &editor, const core::Text &text);
    /// The text as bytes in the encoding (for GB18030 as textToBytes(getEditorText(editor)) gives
    /// them), without making a Text of the whole document on the way.
    QByteArray getEditorBytes(const ControlRef &editor, core::Encoding encoding = core::Encoding::Gb18030) const;
    /// The editor's own UTF-8 buffer (raw bytes carried as themselves), valid until the text
    /// changes: for writing a large text without a copy.
    QByteArrayView getEditorBuffer(const ControlRef &editor) const;
    /// A copy of that buffer, taken without moving the editor's gap: the text on either side of
    /// the caret is copied where it lies, so the next keystroke has nothing to move back. A change
    /// still to be reported to followEditorChanges is reported first.
    QByteArray copyEditorBuffer(const ControlRef &editor) const;
    /// Calls `changed` with each change of the text as it is made (a buffer position, the bytes
    /// removed there, the bytes inserted, raw as the buffer holds them; in order), and `replaced`
    /// when the whole text was replaced instead, for as long as `context` lives.
    void followEditorChanges(const ControlRef &editor, QObject *context,
                             std::function<void(qint64 position, qint64 removed, QByteArrayView inserted)> changed,
                             std::function<void()> replaced);
    /// Whether the buffer holds bytes that are not UTF-8 (raw bytes a text carried in); checked
    /// only when such a text has come in since the text was last opened as UTF-8.
    bool editorHoldsRawBytes(const ControlRef &editor) const;
    /// Replaces the text with the bytes read in the encoding (for GB18030 as
    /// setEditorText(editor, bytesToText(bytes))), the bytes released as soon as they are read.
    void setEditorBytes(const ControlRef &editor, QByteArray bytes, core::Encoding encoding = core::Encoding::Gb18030);
    /// Replaces the text with a buffer as getEditorBuffer gave it, raw bytes and escapes as they
    /// were; the encoding is the one its length is counted in.
    void setEditorBuffer(const ControlRef &editor, QByteArray buffer, core::Encoding encoding);
    void insertAtCaret(const ControlRef &editor, const core::Text &text);
    int getSelectionLength(const ControlRef &editor) const;
    void selectAllText(const ControlRef &editor);
    void setEditorBackground(const ControlRef &editor, Colour colour);
    Colour getEditorBackground(const ControlRef &editor) const;
    int getLineCount(const ControlRef &editor) const;
    int getCaretLine(const ControlRef &editor) const;
    int getCaretColumn(const ControlRef &editor) const;
    /// Length of the whole text in the encoding's bytes, kept up to date with every change (no
    /// scan of the text): what getEditorBytes gives for the same encoding.
    qint64 getEditorByteLength(const ControlRef &editor, core::Encoding encoding = core::Encoding::Gb18030) const;
    CharFormat getSelectionFormat(const ControlRef &editor) const;
    void setSelectionFormat(const ControlRef &editor, const CharFormat &format);
    int sendEditorCommand(const ControlRef &editor, EditorCommand command);
    /// Syntax colouring (ui/highlighting.h): the language, the known words, and whether the text
    /// is coloured at all (not when it is too long).
    void setEditorLanguage(const ControlRef &editor, Language language);
    Language getEditorLanguage(const ControlRef &editor) const;
    void setEditorWords(const ControlRef &editor, const HighlightWords &words);
    bool isEditorHighlighted(const ControlRef &editor) const;

    // By byte positions in its UTF-8 buffer (getEditorBuffer): what searching and replacing need.
    /// The selection's start and end (start ≤ end); both the caret when nothing is selected.
    std::pair<qint64, qint64> getEditorSelection(const ControlRef &editor) const;
    /// Selects the range, the caret at its end, and scrolls it into view; the selection shows
    /// even while another window has the focus.
    void selectEditorRange(const ControlRef &editor, qint64 from, qint64 to);
    /// Replaces the ranges (in ascending order, not overlapping) as one undo step, reported as
    /// one change.
    void replaceEditorRanges(const ControlRef &editor, const std::vector<EditorEdit> &edits);
    /// The caret at the start of the line (counted from 0), scrolled into view.
    void goToEditorLine(const ControlRef &editor, int line);
    int getEditorLineOf(const ControlRef &editor, qint64 position) const;

    // One stretch around the caret, edited in place: what editing an element needs.
    /// The text within about reach bytes of the editor's buffer on either side of the caret
    /// (never the whole document), cut at whole characters.
    TextAround readAroundCaret(const ControlRef &editor, qint64 reach) const;
    /// Replaces text[from, to) of the stretch with the new text as one undo step, raising the
    /// content-changed event, and puts the caret at index caret of the stretch as it is
    /// afterwards; the stretch is updated to match. False, and nothing changed, when the document
    /// no longer holds text[from, to) where it was read. Only the replaced part and the text
    /// between it and the caret are measured, so the cost does not grow with the stretch.
    bool replaceAround(const ControlRef &editor, TextAround &around, qsizetype from, qsizetype to,
                       const core::Text &text, qsizetype caret);

    // The clipboard the editor cuts to and pastes from.
    core::Text getClipboardText() const;
    bool setClipboardText(const core::Text &text);
    bool clipboardHasText() const;

    // ---- Marks of checked places (runtime_marks.cpp) ---------------------------------------

    /// Marks the byte ranges of the buffer with a wavy underline in a colour readable on the
    /// background, and their lines with a marker in a margin, in place of the marks before. A mark
    /// goes when the text on its line changes.
    void markEditorRanges(const ControlRef &editor, const std::vector<std::pair<qint64, qint64>> &ranges);
    void clearEditorMarks(const ControlRef &editor);
    /// The ranges marked now (moved along with the text), and the lines that carry a marker.
    std::vector<std::pair<qint64, qint64>> getEditorMarks(const ControlRef &editor) const;
    std::vector<int> getEditorMarkedLines(const ControlRef &editor) const;

    // ---- Controls (runtime_controls.cpp) ----------------------------------------------------

    void setControlDisabled(const ControlRef &control, bool disabled);
    /// Shows or hides a control (a control on a tab page shows only with its page).
    void setControlVisible(const ControlRef &control, bool visible);
    bool isControlVisible(const ControlRef &control) const;
    bool isControlDisabled(const ControlRef &control) const;
    void setControlTooltip(const ControlRef &control, const core::Text &tooltip);
    core::Text getControlTooltip(const ControlRef &control) const;
    /// A label's or button's caption.
    void setCaption(const ControlRef &control, const core::Text &caption);
    core::Text getCaption(const ControlRef &control) const;
    /// Ticks or clears a check box or radio button (a radio button clears the others of its group).
    void setChecked(const ControlRef &button, bool checked);
    bool isChecked(const ControlRef &button) const;
    /// Gives the field the keyboard focus, its whole text selected.
    void focusField(const ControlRef &field);
    /// Marks a field whose content was refused (a red frame), or clears the mark.
    void setFieldInvalid(const ControlRef &field, bool invalid);
    bool isFieldInvalid(const ControlRef &field) const;
    /// An edit box's or a combo box's text.
    core::Text getFieldText(const ControlRef &field) const;
    void setFieldText(const ControlRef &field, const core::Text &text);
    void selectComboItem(const ControlRef &combo, int index);
    int getListIndex(const ControlRef &list) const;
    void setListIndex(const ControlRef &list, int index);
    int getListCount(const ControlRef &list) const;
    /// The selected rows in ascending order (several in a list that allows it).
    std::vector<int> getListSelection(const ControlRef &list) const;
    core::Text getListItem(const ControlRef &list, int index) const;
    int addListItem(const ControlRef &list, const core::Text &text);
    bool deleteListItem(const ControlRef &list, int index);
    /// A progress bar's value, 0 to 100.
    void setProgress(const ControlRef &bar, int percent);
    int getProgress(const ControlRef &bar) const;
    void setCurrentPage(const ControlRef &tabs, int index);
    int getCurrentPage(const ControlRef &tabs) const;
    void setPanelText(const ControlRef &statusBar, int index, const core::Text &text = {});
    core::Text getPanelText(const ControlRef &statusBar, int index) const;
    void setPanelToolTip(const ControlRef &statusBar, int index, const core::Text &text);
    core::Text getPanelToolTip(const ControlRef &statusBar, int index) const;
    /// Shows a note in a status-bar panel, and in full as a tooltip over it, and puts the panel's
    /// standing text back after the given time unless the note was replaced meanwhile.
    void showPanelNote(const ControlRef &statusBar, int index, const core::Text &note, int milliseconds,
                       const core::Text &standing = {});
    Colour getPickedColour(const ControlRef &picker) const;

    // ---- Files and dialogs (runtime_dialogs.cpp) --------------------------------------------

    int showMessage(const core::Text &text, int flags, const core::Text &caption = {});
    /// A question with buttons captioned as given (left to right); returns the index of the
    /// button pressed, escapeButton's when the box is closed without one (Esc, the close box).
    int askWithButtons(const core::Text &text, const core::Text &caption, const QStringList &buttons,
                       int defaultButton, int escapeButton);
    /// Reports the error in a message box and on the standard error, and ends the program.
    [[noreturn]] void fatalError(const core::Text &message, int code = 0);
    static core::Text fatalErrorText(const core::Text &message, int code);
    // The common dialog's settings, kept between showings, and the showing itself.
    void setDialogMode(const ControlRef &dialog, int mode);
    int getDialogMode(const ControlRef &dialog) const;
    void setDialogFilter(const ControlRef &dialog, const core::Text &filter);
    core::Text getDialogFilter(const ControlRef &dialog) const;
    void setDialogFileName(const ControlRef &dialog, const core::Text &path);
    core::Text getDialogFileName(const ControlRef &dialog) const;
    FontFields getDialogFont(const ControlRef &dialog) const;
    void setDialogFont(const ControlRef &dialog, const FontFields &font);
    /// Shows the file or font dialog of its mode; false when it was cancelled.
    bool showFileDialog(const ControlRef &dialog);

    struct Impl;

private:
    std::unique_ptr<Impl> d;
    friend Impl &implOf(UiRuntime &rt);
};

} // namespace ui
