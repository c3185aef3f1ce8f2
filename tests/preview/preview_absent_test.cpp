// SPDX-License-Identifier: GPL-3.0-or-later
// F12 where the preview module is not beside the program (built in a folder of its own): status
// panel 8 says so, and nothing opens.
#include "support/main_window_fixture.h"
#include "document/preview_window.h"

using namespace Qt::Literals::StringLiterals;

using PreviewAbsent = testsupport::MainWindowFixture;

TEST_F(PreviewAbsent, F12SaysThePreviewIsNotInstalled)
{
    ASSERT_FALSE(QFileInfo::exists(QCoreApplication::applicationDirPath() + u"/quillmere-preview.so"_s));
    QWidget *editor = ui::testing::widget(rt, session().editor());
    editor->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == editor->window(); }, 5000));
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_F12);
    EXPECT_FALSE(rt.isOpen(document::PreviewWindowName));
    EXPECT_EQ(panel(8).toStdString(), "预览未安装（软件包 quillmere-preview）");
}
