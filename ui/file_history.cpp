// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_history.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace ui {
namespace {

const QString Key = QStringLiteral("FileDialog/recentFolders");

QSettings settings() { return QSettings(QStringLiteral("quillmere"), QStringLiteral("quillmere")); }

} // namespace

QStringList recentFolders()
{
    QStringList kept;
    for (const QString &folder : settings().value(Key).toStringList())
        if (QFileInfo(folder).isDir() && !kept.contains(folder) && kept.size() < RecentFolderCount)
            kept << folder;
    return kept;
}

void rememberFolderOf(const QString &file)
{
    const QString folder = QFileInfo(file).absolutePath();
    QStringList folders = settings().value(Key).toStringList();
    folders.removeAll(folder);
    folders.prepend(folder);
    settings().setValue(Key, folders.mid(0, RecentFolderCount));
}

void offerRecentFolders(QFileDialog &dialog)
{
    // Not in the sidebar: Qt's dialog keeps its sidebar in its own settings, where folders added
    // for one showing would pile up.
    dialog.setHistory(recentFolders());
}

} // namespace ui
