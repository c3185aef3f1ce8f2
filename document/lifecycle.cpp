// SPDX-License-Identifier: GPL-3.0-or-later
#include "lifecycle.h"

#include "disk_changes.h"
#include "encoding_choice.h"
#include "encoding_status.h"
#include "highlighting.h"
#include "preview_window.h"
#include "recovery.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

const core::Text FileFilter = u"web文件|*.html|asp文件|*.asp|css文件|*.css|所有文件|*.*"_s;

namespace {

constexpr int WarningOk = 48; // an OK button with the exclamation icon

} // namespace

Answer askToSave(ui::UiRuntime &rt, Session &s)
{
    if (!s.isModified())
        return Answer::Proceed;
    switch (rt.showMessage(u"文件已经被修改，是否保存？"_s, ui::MbYesNoCancel | ui::MbIconQuestion, u"询问"_s)) {
    case ui::IdYes:
        // Text the user asked to keep must not be replaced when it could not be kept.
        return saveToChosenFile(rt, s) == SaveOutcome::Saved ? Answer::Proceed : Answer::Cancel;
    case ui::IdNo:
        if (Recovery *r = s.recovery()) // thrown away on purpose: nothing to offer later
            r->discard();
        return Answer::Proceed;
    default: return Answer::Cancel;
    }
}

SaveOutcome saveToChosenFile(ui::UiRuntime &rt, Session &s)
{
    const ui::ControlRef &dialog = s.fileDialog();
    rt.setDialogMode(dialog, ui::SaveFileMode);
    rt.setDialogFilter(dialog, FileFilter);
    if (!rt.showFileDialog(dialog))
        return SaveOutcome::Cancelled;
    const core::Text path = rt.getDialogFileName(dialog);
    // Every save asks afresh: the next dialog starts without a name.
    rt.setDialogFileName(dialog, {});
    if (!saveFile(rt, s, path))
        return SaveOutcome::Failed;
    // Saved under another extension, the text is coloured as that kind of document.
    useLanguage(rt, s, languageForPath(path));
    return SaveOutcome::Saved;
}

bool saveFile(ui::UiRuntime &rt, Session &s, const core::Text &path)
{
    if (!confirmOverwrite(rt, s, path))
        return false;
    QString why;
    const core::Encoding encoding = s.encoding();
    // Nothing changes the text while it is written: a UTF-8 text goes out from the editor's buffer.
    const QByteArrayView buffer = rt.getEditorBuffer(s.editor());
    const core::FilePieces file = core::editorBytesToFilePieces(buffer, encoding);
    if (file.refused()) // nothing is written
        why = unencodableReason(file, encoding);
    else if (core::writeFileBytes(path, file.pieces, &why)) {
        s.setPath(path);
        noteFileOnDisk(s, core::lookAtFile(path), file.pieces);
        // The declaration may have been edited since the file was opened; it is ASCII, the same
        // in the buffer as in the file.
        const bool rawBytes = encoding != core::Encoding::Gb18030 && rt.editorHoldsRawBytes(s.editor());
        showEncodingNote(rt, s, buffer.first(std::min(buffer.size(), core::DeclarationWindow)), rawBytes);
        refreshPreview(rt, s); // relative references now resolve against the file's folder
        if (Recovery *r = s.recovery())
            r->safePoint(rt);
        return true;
    }
    rt.showMessage(u"文件没有保存：\n%1\n\n原因：%2"_s.arg(path, why), WarningOk, u"保存失败"_s);
    return false;
}

void newDocument(ui::UiRuntime &rt, Session &s, const Pieces &pieces, ui::Language language)
{
    if (askToSave(rt, s) == Answer::Cancel)
        return;
    s.setEncoding(core::Encoding::Gb18030, core::EncodingSource::NewDocument);
    s.setPath({});
    rt.setEditorText(s.editor(), {});
    useLanguage(rt, s, language);
    insertPieces(rt, s, pieces);
    showEncodingNote(rt, s, rt.getEditorBytes(s.editor(), core::Encoding::Gb18030));
    if (Recovery *r = s.recovery())
        r->safePoint(rt);
}

void openDocument(ui::UiRuntime &rt, Session &s)
{
    if (askToSave(rt, s) == Answer::Cancel)
        return;
    const ui::ControlRef &dialog = s.fileDialog();
    rt.setDialogMode(dialog, ui::OpenFileMode);
    rt.setDialogFilter(dialog, FileFilter);
    if (!rt.showFileDialog(dialog))
        return;
    const core::Text path = rt.getDialogFileName(dialog);
    // A file another window has open is shown there, not opened a second time.
    if (s.raiseHolder() && !core::sameFilePath(path, s.path()) && s.raiseHolder()(rt, path))
        return;
    openFile(rt, s, path);
}

bool openFile(ui::UiRuntime &rt, Session &s, const core::Text &path, std::optional<core::Encoding> chosen)
{
    const core::FileStamp before = core::lookAtFile(path);
    core::ReadResult file = core::readFileBytes(path, MaxOpenBytes);
    if (!file.ok) {
        rt.showMessage(u"无法打开文件：\n%1\n\n原因：%2"_s.arg(path, file.why), WarningOk, u"打开失败"_s);
        return false;
    }
    // Colouring is chosen before the text arrives, so that it is styled once, as shown.
    rt.setEditorLanguage(s.editor(), languageForPath(path));
    // Taken exactly as stored, so that saving it again writes the same bytes. The encoding is the
    // document's before the text arrives: the status bar counts the new text's bytes in it.
    const core::Detection found =
        chosen ? core::Detection{*chosen, core::EncodingSource::Chosen} : core::detectEncoding(file.bytes);
    const core::Encoding encoding = found.encoding;
    s.setEncoding(encoding, found.source);
    s.setPath(path);
    noteFileOnDisk(s, before, {file.bytes});
    const QByteArray start = file.bytes.first(std::min(file.bytes.size(), core::DeclarationWindow));
    rt.setEditorBytes(s.editor(), std::move(file.bytes), encoding);
    showEncodingNote(rt, s, start);
    noteHighlighting(rt, s);
    if (Recovery *r = s.recovery())
        r->safePoint(rt);
    return true;
}

void exitCheck(ui::UiRuntime &rt, Session &s)
{
    if (askToSave(rt, s) == Answer::Proceed)
        return;
    while (saveToChosenFile(rt, s) == SaveOutcome::Failed) {
    }
}

} // namespace document
