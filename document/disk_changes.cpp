// SPDX-License-Identifier: GPL-3.0-or-later
#include "disk_changes.h"

#include "lifecycle.h"

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

constexpr int InformationOk = 64;
enum ReloadButton { Reload = 0, Keep = 1 };
enum OverwriteButton { Overwrite = 0, DoNotSave = 1 };

QString timeText(const core::FileStamp &stamp) { return stamp.modified().toString(u"yyyy-MM-dd hh:mm:ss"_s); }

/// Whether the text is no longer what was last read or written: compared as the bytes a save
/// would write (the modified flag stays raised once any text has come in).
bool changedSinceRead(ui::UiRuntime &rt, Session &s)
{
    const core::FilePieces file = core::editorBytesToFilePieces(rt.getEditorBuffer(s.editor()), s.encoding());
    return file.refused() || core::contentDigest(file.pieces) != s.disk().read.digest;
}

} // namespace

void noteFileOnDisk(Session &s, const core::FileStamp &before, const QList<QByteArray> &bytes)
{
    core::FileStamp stamp = before;
    stamp.digest = core::contentDigest(bytes);
    s.disk().read = s.disk().seen = stamp;
}

void checkFileOnDisk(ui::UiRuntime &rt, Session &s)
{
    DiskState &disk = s.disk();
    if (s.path().isEmpty() || disk.asking)
        return;
    core::FileStamp now;
    if (!core::fileChangedSince(s.path(), disk.seen, &now, MaxOpenBytes)) {
        disk.seen = now; // touched only: no question next time either
        return;
    }
    disk.seen = now;
    disk.asking = true;
    if (!now.exists) {
        // The text is all that is left of the file: it counts as unsaved.
        s.raiseModified();
        rt.showMessage(u"文件已不存在（被其他程序删除或改名）：\n%1\n\n窗口中的文本仍然保留，保存时请另选位置或再次保存到原处。"_s.arg(s.path()),
                       InformationOk, u"文件已不存在"_s);
        disk.asking = false;
        return;
    }
    QString text = u"文件已被其他程序修改。是否重新载入？\n%1\n修改时间：%2"_s.arg(s.path(), timeText(now));
    const bool unsaved = changedSinceRead(rt, s);
    if (unsaved)
        text += u"\n\n窗口中的文本有未保存的修改，重新载入会丢弃这些修改。"_s;
    const int def = unsaved ? Keep : Reload;
    const int answer = rt.askWithButtons(text, u"文件已修改"_s, {u"重新载入"_s, u"保留当前文本"_s}, def, Keep);
    disk.asking = false;
    if (answer != Reload)
        return;
    // An encoding the user chose is kept; otherwise the bytes decide again.
    std::optional<core::Encoding> chosen;
    if (s.encodingSource() == core::EncodingSource::Chosen)
        chosen = s.encoding();
    openFile(rt, s, s.path(), chosen);
}

bool confirmOverwrite(ui::UiRuntime &rt, Session &s, const core::Text &path)
{
    if (!core::sameFilePath(path, s.path()))
        return true; // another file: the file dialog asks about replacing it
    core::FileStamp now;
    if (!core::fileChangedSince(path, s.disk().read, &now, MaxOpenBytes) || !now.exists)
        return true;
    s.disk().seen = now;
    const QString text = u"文件在读入之后已被其他程序修改（修改时间：%1）：\n%2\n\n保存会覆盖那些修改。是否仍然保存？"_s
                             .arg(timeText(now), path);
    s.disk().asking = true; // the window coming back to the front meanwhile asks nothing more
    const bool overwrite = rt.askWithButtons(text, u"保存"_s, {u"仍然保存"_s, u"不保存"_s}, DoNotSave, DoNotSave) == Overwrite;
    s.disk().asking = false;
    return overwrite;
}

} // namespace document
