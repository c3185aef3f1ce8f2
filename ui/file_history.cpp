// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_history.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QStringListModel>

#include <functional>

namespace ui {
namespace {

const QString FoldersKey = QStringLiteral("FileDialog/recentFolders");
const QString FilesKey = QStringLiteral("FileDialog/recentFiles");

QSettings settings() { return QSettings(QStringLiteral("quillmere"), QStringLiteral("quillmere")); }

QStringList kept(const QString &key, const std::function<bool(const QFileInfo &)> &stillThere)
{
    QStringList list;
    for (const QString &path : settings().value(key).toStringList())
        if (stillThere(QFileInfo(path)) && !list.contains(path) && list.size() < RecentCount)
            list << path;
    return list;
}

void putFirst(const QString &key, const QString &path)
{
    QStringList list = settings().value(key).toStringList();
    list.removeAll(path);
    list.prepend(path);
    settings().setValue(key, list.mid(0, RecentCount));
}

/// Drops the recent files under the file-name field on the Down key, unless the field's own
/// completion list is up. Qt's sidebar would take files but opens them as folders, and keeps its
/// entries in its own settings, where those added for one showing would pile up.
class RecentFilesDrop : public QObject {
public:
    RecentFilesDrop(QFileDialog &dialog, QLineEdit &field, const QStringList &files)
        : QObject(&dialog), field_(field), list_(new QCompleter(files, this))
    {
        list_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        list_->setWidget(&field);
        // Read by a screen reader as its item takes the focus: a list named for what it holds.
        list_->popup()->setAccessibleName(QStringLiteral("最近使用的文件"));
        field.installEventFilter(this);
        field.setToolTip(QStringLiteral("按 ↓ 键列出最近使用的文件"));
        // A click on a file; the Enter key is taken here, as the field takes every key the list
        // hands on to it, Enter included, so that the list never sees it.
        connect(list_, qOverload<const QString &>(&QCompleter::activated), this, &RecentFilesDrop::pick);
        list_->popup()->installEventFilter(this);
        // Typing goes on in the field: its own completion takes over.
        connect(&field, &QLineEdit::textEdited, list_->popup(), &QWidget::hide);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        QAbstractItemView *popup = list_->popup();
        if (watched == popup) {
            if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
                return false;
            popup->hide();
            if (popup->currentIndex().isValid())
                pick(popup->currentIndex().data().toString());
            return true;
        }
        const QCompleter *own = field_.completer();
        if (key->key() != Qt::Key_Down || key->modifiers() != Qt::NoModifier || list_->model()->rowCount() == 0 ||
            (own && own->popup()->isVisible()))
            return false;
        list_->complete();
        popup->setCurrentIndex(list_->completionModel()->index(0, 0));
        return true;
    }

private:
    void pick(const QString &file) { static_cast<QFileDialog *>(parent())->selectFile(file); }

    QLineEdit &field_;
    QCompleter *list_;
};

} // namespace

QStringList recentFolders() { return kept(FoldersKey, [](const QFileInfo &f) { return f.isDir(); }); }

QStringList recentFiles() { return kept(FilesKey, [](const QFileInfo &f) { return f.isFile(); }); }

void rememberChoice(const QString &file)
{
    const QFileInfo info(file);
    putFirst(FilesKey, info.absoluteFilePath());
    putFirst(FoldersKey, info.absolutePath());
}

void offerRecent(QFileDialog &dialog)
{
    // Not in the sidebar: Qt's dialog keeps its sidebar in its own settings.
    dialog.setHistory(recentFolders());
    if (auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        new RecentFilesDrop(dialog, *field, recentFiles());
}

} // namespace ui
