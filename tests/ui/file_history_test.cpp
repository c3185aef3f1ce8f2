// SPDX-License-Identifier: GPL-3.0-or-later
// The open and save dialogs offer the last ten folders used, newest first, in their history list,
// across program starts (the settings file), leaving out folders that are gone.
#include "ui/file_dialog.h"
#include "ui/file_history.h"

#include "support/files.h"
#include "support/show_catcher.h"

#include <QFileDialog>
#include <QSettings>
#include <QStandardPaths>

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

TEST_F(FileHistory, TheLastTenFoldersNewestFirst)
{
    QStringList folders;
    for (int i = 0; i < 12; ++i) {
        folders.prepend(dir.filePath(u"f%1"_s.arg(i)));
        ASSERT_TRUE(QDir().mkpath(folders.front()));
        testsupport::putContent(folders.front() + u"/a.html"_s, "a");
    }
    // Chosen oldest first, in the save dialog (a new name) as well as the open one; one folder twice.
    for (int i = 11; i >= 0; --i)
        choose(folders[i] + (i % 2 ? u"/new.html"_s : u"/a.html"_s), i % 2);
    choose(folders[3] + u"/a.html"_s, false);
    QStringList expected = folders.mid(0, 10);
    expected.move(3, 0);

    // A later start reads the same list; a folder that is gone is left out.
    ASSERT_TRUE(QDir(folders[5]).removeRecursively());
    expected.removeAll(folders[5]);
    EXPECT_EQ(ui::recentFolders(), expected);
    EXPECT_EQ(choose(folders[0] + u"/a.html"_s, false), expected);
}
