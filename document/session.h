// SPDX-License-Identifier: GPL-3.0-or-later
// One document and the window that shows it: everything the document's commands remember between
// two events. The MainWindow's logic owns one and hands it to the handlers it binds, so that two
// windows never see each other's text, flag, encoding, find settings or notes.
#pragma once

#include "search.h"

#include "core/encodings.h"
#include "core/file_stamp.h"
#include "ui/runtime.h"

#include <functional>
#include <vector>

namespace document {

class Recovery;

using Pieces = std::vector<core::Text>;

/// While an element is edited in the dialog that writes it, the dialog's insertion is handed to
/// this function instead of the caret.
using InsertionTarget = std::function<void(ui::UiRuntime &, const Pieces &)>;

/// What the find window last held: F3 and Shift+F3 search with it while the window is closed, and
/// the window opens with it again.
struct FindSettings {
    QString pattern;
    QString replacement;
    SearchOptions options;
    bool wrap = true;
    bool inSelection = false;
    /// The multi-line selection the window was opened with (bytes), searched with inSelection.
    qint64 rangeFrom = -1, rangeTo = -1;
};

/// The file on disk as the document knows it: as it was last read or written (saving over a file
/// changed since asks first), and as it was last looked at (a change is asked about once).
struct DiskState {
    core::FileStamp read, seen;
    bool asking = false; // a question about it is up: activation does not ask again
};

/// Brings another window whose document is the file at the path to the front; false when none is.
using RaiseHolder = std::function<bool(ui::UiRuntime &, const core::Text &path)>;

/// The status bar's last panel: the standing notes (encoding, colouring) with their tooltips, and
/// the hint that ends the tooltip.
struct StatusNotes {
    core::Text note[2], toolTip[2], hint;
};

class Session {
public:
    /// A session for the window of that name, whose controls have the MainWindow's unit names.
    explicit Session(QString window);
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    /// The window and the controls of it that the commands talk to.
    const QString &window() const { return window_; }
    ui::ControlRef unit(const QString &unit) const { return {window_, unit}; }
    const ui::ControlRef &editor() const { return editor_; }
    const ui::ControlRef &statusBar() const { return statusBar_; }
    /// The window's common dialog, shared by open, save, the font settings and browsing.
    const ui::ControlRef &fileDialog() const { return fileDialog_; }
    /// The name of a window this session's window owns (the find window, the preview …), so that
    /// each MainWindow has its own: the base name itself for the first MainWindow, which keeps
    /// the name "MainWindow", and the base name with "@" and the window's name for the others.
    QString owned(const QString &base) const;

    /// The modified flag: lowered when the session starts, raised by every change of the text,
    /// and never lowered again; saving does not clear it.
    bool isModified() const { return modified_; }
    void raiseModified() { modified_ = true; }

    /// The encoding the document is written in: what opening found in the file or the user chose,
    /// GB18030 for a new document and at start. Saving keeps it; the status bar counts the text's
    /// bytes in it. The source says how it was decided.
    core::Encoding encoding() const { return encoding_; }
    core::EncodingSource encodingSource() const { return encodingSource_; }
    void setEncoding(core::Encoding encoding, core::EncodingSource source)
    {
        encoding_ = encoding;
        encodingSource_ = source;
    }

    /// The file the text was last read from or written to (absolute); empty for a new document.
    /// Kept in memory only: saving still asks for a name every time.
    const core::Text &path() const { return path_; }
    void setPath(const core::Text &path);

    DiskState &disk() { return disk_; }
    /// Set by whoever keeps several windows: opening a file another window has brings that window
    /// to the front instead.
    const RaiseHolder &raiseHolder() const { return raiseHolder_; }
    void setRaiseHolder(RaiseHolder raise) { raiseHolder_ = std::move(raise); }

    FindSettings &findSettings() { return find_; }
    StatusNotes &statusNotes() { return notes_; }

    /// Where insertions go: the caret when empty (see insertPieces).
    const InsertionTarget &insertionTarget() const { return insertionTarget_; }
    void redirectInsertions(InsertionTarget target) { insertionTarget_ = std::move(target); }

    /// The keeper of the document's recovery copy; none when the window keeps none (tests).
    Recovery *recovery() const { return recovery_; }
    void setRecovery(Recovery *recovery) { recovery_ = recovery; }

private:
    QString window_;
    ui::ControlRef editor_, statusBar_, fileDialog_;
    bool modified_ = false;
    core::Encoding encoding_ = core::Encoding::Gb18030;
    core::EncodingSource encodingSource_ = core::EncodingSource::NewDocument;
    core::Text path_;
    DiskState disk_;
    RaiseHolder raiseHolder_;
    FindSettings find_;
    StatusNotes notes_;
    InsertionTarget insertionTarget_;
    Recovery *recovery_ = nullptr;
};

/// A handler that runs the command with the session.
ui::Handler withSession(Session &s, void (*command)(ui::UiRuntime &, Session &));

/// Writes the pieces at the caret, one InsertAtCaret call each: the first replaces a selection,
/// the others follow it back to back, and the caret ends after the last. While the insertions are
/// redirected, the pieces go to the target instead.
void insertPieces(ui::UiRuntime &rt, Session &s, const Pieces &pieces);

} // namespace document
