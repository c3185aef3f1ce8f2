// SPDX-License-Identifier: GPL-3.0-or-later
// The "文件" commands: new documents from templates, open, save, the unsaved-changes question and
// the check that runs when the MainWindow goes away.
#pragma once

#include "session.h"

#include <optional>

namespace document {

/// The shared file dialog's filter: pairs of description and pattern.
extern const core::Text FileFilter;
/// The largest file the open command takes. A 100 MB file takes some 17 seconds and 2.4 GB of
/// memory to open, and every edit in the editor costs time in proportion to its position in the
/// text; beyond this size the program would seem to hang.
inline constexpr qint64 MaxOpenBytes = qint64(128) << 20;

enum class Answer { Proceed, Cancel };
enum class SaveOutcome { Saved, Cancelled, Failed };

/// Asks "文件已经被修改，是否保存？" when the document has been modified. Yes saves, and cancels
/// the calling command when the text was not saved; No proceeds; Cancel cancels.
Answer askToSave(ui::UiRuntime &rt, Session &s);
/// Asks for a file name and writes the editor's text to it in the document's encoding. A failure
/// is reported with the path and the reason, and leaves the file, the text and the flag as they were.
SaveOutcome saveToChosenFile(ui::UiRuntime &rt, Session &s);
/// Writes the editor's text to the path in the document's encoding, which becomes the session's
/// path; a failure is reported with the path and the reason, and leaves the file as it was.
/// Returns whether the file was written.
bool saveFile(ui::UiRuntime &rt, Session &s, const core::Text &path);
/// Replaces the text with the template's pieces, after the question, coloured as the language; the
/// document is GB18030.
void newDocument(ui::UiRuntime &rt, Session &s, const Pieces &pieces, ui::Language language = ui::Language::Html);
/// Replaces the text with the bytes of a chosen file, after the question.
void openDocument(ui::UiRuntime &rt, Session &s);
/// Replaces the text with the bytes of the file at the path, without asking, in the encoding its
/// bytes are found to be in, or the one given, the path becoming the session's; a file that cannot
/// be read is reported with the path and the reason, and leaves the text and the encoding as they were.
bool openFile(ui::UiRuntime &rt, Session &s, const core::Text &path, std::optional<core::Encoding> chosen = {});
/// Runs while the MainWindow is being destroyed, so it cannot keep the window: Yes and Cancel both
/// lead to the save dialog, offered again for as long as saving fails and the user does not cancel.
void exitCheck(ui::UiRuntime &rt, Session &s);

} // namespace document
