// SPDX-License-Identifier: GPL-3.0-or-later
// The open and save dialogs offer the last ten files and folders used, newest first, across
// program starts (the settings file), leaving out those that are gone: the folders in their
// history list, the files under their file-name field.
#include "ui/file_dialog.h"
#include "ui/file_history.h"

#include "support/files.h"
#include "support/show_catcher.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

/// The settings in a folder of the test's own: other tests' dialogs, running at the same time,
/// and the user's own history stay out of it.
class FileHistory : public ::testing::Test {
protected:
    void SetUp() override { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path()); }
    void TearDown() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    /// A file chosen in the dialog; returns the history it offered before the choice.
    QStringList choose(const QString &file, bool save)
    {
        QStringList offered;
        testsupport::ShowCatcher<QFileDialog> catcher([&](QFileDialog *fd) {
            offered = fd->history();
            fd->selectFile(file);
            QMetaObject::invokeMethod(fd, "accept");
        });
        EXPECT_EQ(ui::chooseFile({.title = u"t"_s, .filter = u"所有文件|*.*"_s, .save = save}), file);
        return offered;
    }

    QTemporaryDir config, dir;
};

} // namespace

TEST_F(FileHistory, TheLastTenFilesAndFoldersNewestFirst)
{
    QStringList folders;
    for (int i = 0; i < 12; ++i) {
        folders.prepend(dir.filePath(u"f%1"_s.arg(i)));
        ASSERT_TRUE(QDir().mkpath(folders.front()));
        testsupport::putContent(folders.front() + u"/a.html"_s, "a");
    }
    // Chosen oldest first, in the save dialog (a new name, written once chosen) as well as the
    // open one; one folder twice, with another file.
    QStringList files;
    for (int i = 11; i >= 0; --i) {
        files.prepend(folders[i] + (i % 2 ? u"/new.html"_s : u"/a.html"_s));
        choose(files.front(), i % 2);
        testsupport::putContent(files.front(), "new");
    }
    choose(folders[3] + u"/a.html"_s, false);
    files.prepend(folders[3] + u"/a.html"_s);
    QStringList expected = folders.mid(0, 10);
    expected.move(3, 0);

    // A later start reads the same lists; a folder and a file that are gone are left out.
    ASSERT_TRUE(QDir(folders[5]).removeRecursively());
    expected.removeAll(folders[5]);
    files = files.mid(0, 10);
    files.removeAll(folders[5] + u"/new.html"_s);
    EXPECT_EQ(ui::recentFolders(), expected);
    EXPECT_EQ(ui::recentFiles(), files);
    EXPECT_EQ(choose(folders[0] + u"/a.html"_s, false), expected);
}

/// Down in the file-name field drops the recent files; picking one there selects it as a click
/// on it in its folder would, and the dialog goes on as after that click: the title and filter
/// stay, a file the filter hides is opened all the same, and saving over it asks first.
TEST_F(FileHistory, ARecentFilePickedFromTheFileNameFieldIsChosenAsIfNavigatedTo)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"one"_s) && QDir(dir.path()).mkpath(u"two"_s));
    const QString css = dir.filePath(u"one/a.css"_s), page = dir.filePath(u"two/b.html"_s);
    testsupport::putContent(css, "a {}");
    testsupport::putContent(page, "<p>b</p>");
    choose(css, false);

    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "save" : "open");
        choose(page, false); // each round starts from the same order
        QStringList dropped;
        QString folder, field, filter, title;
        testsupport::ShowCatcher<QFileDialog> picking([&](QFileDialog *fd) {
            auto *name = fd->findChild<QLineEdit *>(u"fileNameEdit"_s);
            name->setFocus();
            QTest::keyClick(name, Qt::Key_Down);
            QAbstractItemView *list = nullptr;
            for (auto *c : fd->findChildren<QCompleter *>())
                if (c->popup() && c->popup()->isVisible())
                    list = c->popup();
            ASSERT_NE(list, nullptr) << "Down dropped no list";
            for (int row = 0; row < list->model()->rowCount(); ++row)
                dropped << list->model()->index(row, 0).data().toString();
            QTest::keyClick(list, Qt::Key_Down); // from the newest to the next
            QTest::keyClick(list, Qt::Key_Return);
            EXPECT_FALSE(list->isVisible());
            folder = fd->directory().path();
            field = name->text();
            filter = fd->selectedNameFilter();
            title = fd->windowTitle();
            QTest::keyClick(name, Qt::Key_Return);
            if (fd->isVisible())
                fd->reject(); // nothing picked: no name to take
        });
        int asked = 0;
        testsupport::ShowCatcher<QMessageBox> overwrite([&](QMessageBox *box) {
            ++asked;
            box->button(QMessageBox::Yes)->click();
        });
        EXPECT_EQ(ui::chooseFile({.title = u"打开"_s, .filter = u"网页文件|*.htm;*.html|所有文件|*.*"_s, .save = save}),
                  css);
        EXPECT_EQ(dropped, (QStringList{page, css}));
        EXPECT_EQ(folder, dir.filePath(u"one"_s));
        EXPECT_EQ(field, u"a.css"_s);
        EXPECT_EQ(filter, u"网页文件 (*.htm *.html)"_s);
        EXPECT_EQ(title, u"打开"_s);
        EXPECT_EQ(asked, save ? 1 : 0);
    }
}
