// SPDX-License-Identifier: GPL-3.0-or-later
// The shared file dialog driven key by key and click by click, as a person picks a file: every
// way of picking must work on the first opening and on every later one, whatever an earlier
// opening left in the dialog (its name, its folder, its filter).
#include "app/main_window.h"
#include "support/eventually.h"
#include "support/show_catcher.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Main = u"MainWindow"_s;
const QString Image = u"ImageDialog"_s;

/// How a file is picked in the dialog. FullPathAndEnter ends with the Enter key instead of the
/// accept button; SetWithoutFocus replaces the name field's text while the list has the focus,
/// as assistive technology may set it.
enum class Pick { FullPath, RelativeName, ClickRowAndAccept, DoubleClickRow, FullPathAndEnter, SetWithoutFocus };

std::string nameOf(Pick how)
{
    switch (how) {
    case Pick::FullPath: return "FullPath";
    case Pick::RelativeName: return "RelativeName";
    case Pick::ClickRowAndAccept: return "ClickRowAndAccept";
    case Pick::DoubleClickRow: return "DoubleClickRow";
    case Pick::FullPathAndEnter: return "FullPathAndEnter";
    case Pick::SetWithoutFocus: return "SetWithoutFocus";
    }
    return {};
}
void PrintTo(Pick how, std::ostream *os) { *os << nameOf(how); }

struct Step {
    Pick how;
    QString path;          // full path of the file to pick
    bool allFiles = false; // first choose the filter "所有文件" from the keyboard
};

/// What one shown dialog looked like and what became of it.
struct Seen {
    QFileDialog::AcceptMode mode;
    QString prefilled;          // the name field as the dialog opened
    bool acceptEnabled = false; // the accept button once the file was picked
    bool stayedOpen = false;    // the pick did not close the dialog, which was then cancelled
};

QLineEdit *nameField(QFileDialog *fd) { return fd->findChild<QLineEdit *>(u"fileNameEdit"_s); }
QListView *listView(QFileDialog *fd) { return fd->findChild<QListView *>(u"listView"_s); }
QPushButton *acceptButton(QFileDialog *fd)
{
    auto *box = fd->findChild<QDialogButtonBox *>(u"buttonBox"_s);
    return box ? box->button(fd->acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open : QDialogButtonBox::Save)
               : nullptr;
}

/// Selects what the name field holds and types over it, key by key.
void typeOver(QLineEdit *field, const QString &text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

/// Where the list view shows the file, once the folder has been read and laid out.
QRect rowRect(QListView *view, const QString &name)
{
    QRect rect;
    const bool listed = QTest::qWaitFor([&] {
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            const QModelIndex i = view->model()->index(row, 0, view->rootIndex());
            if (i.data().toString() == name)
                rect = view->visualRect(i);
        }
        return !rect.isEmpty();
    });
    return listed ? rect : QRect();
}

class FileDialogPicking : public ::testing::Test {
protected:
    void SetUp() override
    {
        rt.openWindow(main.definition(), false);
        // With the dialog's first filter, "asp文件", only b.asp is listed.
        for (const char *name : {"a.html", "c.html", "b.asp", "pic.png"})
            write(path(QString::fromLatin1(name)), QByteArray("content of ") + name);
    }
    void TearDown() override
    {
        steps.clear();
        rt.onWindowShown = nullptr;
        if (rt.isOpen(Main))
            rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QString text() { return rt.getEditorText(main.session().editor()); }
    void click(const QString &item) { ui::testing::menuAction(rt, {Main, item})->trigger(); }

    static void write(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    /// "文件/打开" (declining to save the text), picking the file as given; checks it was loaded.
    void openBy(Pick how, const QString &file, bool allFiles = false)
    {
        steps.push_back({how, file, allFiles});
        click(u"文件/打开"_s);
        EXPECT_EQ(text(), QString::fromUtf8(read(file))) << nameOf(how) << " " << qPrintable(file);
    }
    /// "文件/另存为...", picking the file as given; checks the text was written there.
    void saveBy(Pick how, const QString &file, bool allFiles = false)
    {
        const QString before = text();
        steps.push_back({how, file, allFiles});
        click(u"文件/另存为..."_s);
        EXPECT_EQ(read(file), before.toUtf8()) << nameOf(how) << " " << qPrintable(file);
    }
    /// Every dialog shown had its accept button enabled and was closed by the pick.
    void expectAllPicksTaken(size_t dialogs)
    {
        ASSERT_EQ(seen.size(), dialogs);
        for (size_t i = 0; i < seen.size(); ++i) {
            EXPECT_TRUE(seen[i].acceptEnabled) << "dialog " << i;
            EXPECT_FALSE(seen[i].stayedOpen) << "dialog " << i;
        }
        EXPECT_TRUE(steps.empty());
    }

    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
    QTemporaryDir dir;
    std::deque<Step> steps;
    std::vector<Seen> seen;
    QStringList warnings; // texts of the file dialog's own message boxes

private:
    // The unsaved-changes question is answered No; the file dialog's overwrite question Yes.
    testsupport::ShowCatcher<QMessageBox> boxes_{[this](QMessageBox *box) {
        if (!qobject_cast<QFileDialog *>(box->parentWidget())) {
            box->button(QMessageBox::No)->click();
        } else if (QAbstractButton *yes = box->button(QMessageBox::Yes)) {
            yes->click();
        } else {
            warnings << box->text();
            box->accept();
        }
    }};
    testsupport::ShowCatcher<QFileDialog> dialogs_{[this](QFileDialog *fd) { pick(fd); }};

    /// Goes to the folder by typing it and pressing Enter, as a person does.
    static void goTo(QFileDialog *fd, const QString &folder)
    {
        if (QFileInfo(fd->directory().absolutePath()) == QFileInfo(folder))
            return;
        typeOver(nameField(fd), folder);
        QTest::keyClick(nameField(fd), Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(fd->directory().absolutePath()) == QFileInfo(folder); }));
    }

    void pick(QFileDialog *fd)
    {
        QLineEdit *name = nameField(fd);
        QPushButton *accept = acceptButton(fd);
        QListView *view = listView(fd);
        ASSERT_TRUE(name && accept && view);
        seen.push_back({fd->acceptMode(), name->text()});
        if (steps.empty()) {
            ADD_FAILURE() << "an unexpected file dialog";
            fd->reject();
            return;
        }
        const Step step = steps.front();
        steps.pop_front();
        EXPECT_TRUE(QTest::qWaitForWindowActive(fd));
        if (step.allFiles) {
            auto *types = fd->findChild<QComboBox *>(u"fileTypeCombo"_s);
            types->setFocus();
            QTest::keyClick(types, Qt::Key_End);
            EXPECT_EQ(fd->selectedNameFilter(), u"所有文件 (*)"_s);
        }
        const QFileInfo target(step.path);
        switch (step.how) {
        case Pick::FullPath:
            typeOver(name, step.path);
            seen.back().acceptEnabled = accept->isEnabled();
            QTest::mouseClick(accept, Qt::LeftButton);
            break;
        case Pick::FullPathAndEnter:
            typeOver(name, step.path);
            seen.back().acceptEnabled = accept->isEnabled();
            QTest::keyClick(name, Qt::Key_Return);
            break;
        case Pick::SetWithoutFocus:
            view->setFocus();
            name->setText(step.path);
            seen.back().acceptEnabled = accept->isEnabled();
            QTest::mouseClick(accept, Qt::LeftButton);
            break;
        case Pick::RelativeName:
            goTo(fd, target.path());
            typeOver(name, target.fileName());
            seen.back().acceptEnabled = accept->isEnabled();
            QTest::mouseClick(accept, Qt::LeftButton);
            break;
        case Pick::ClickRowAndAccept:
        case Pick::DoubleClickRow: {
            goTo(fd, target.path());
            const QRect row = rowRect(view, target.fileName());
            if (row.isEmpty()) {
                ADD_FAILURE() << qPrintable(target.fileName()) << " is not listed";
                break;
            }
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
            seen.back().acceptEnabled = accept->isEnabled();
            if (step.how == Pick::DoubleClickRow)
                QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row.center());
            else
                QTest::mouseClick(accept, Qt::LeftButton);
            break;
        }
        }
        if (fd->isVisible()) {
            seen.back().stayedOpen = true;
            fd->reject();
        }
    }
};

TEST_F(FileDialogPicking, OpenThenOpenTakesTypedNamesTheFilterHides)
{
    // The second dialog opens in the folder of the first file with its name filled in, the
    // folder already read; c.html and pic.png are hidden by the filter "asp文件".
    openBy(Pick::FullPath, path(u"a.html"_s));
    openBy(Pick::FullPath, path(u"c.html"_s));
    openBy(Pick::RelativeName, path(u"pic.png"_s));
    openBy(Pick::FullPath, path(u"b.asp"_s));
    openBy(Pick::FullPathAndEnter, path(u"a.html"_s));
    expectAllPicksTaken(5);
    EXPECT_EQ(seen[1].prefilled, u"a.html"_s);
    EXPECT_EQ(seen[2].prefilled, u"c.html"_s);
}

TEST_F(FileDialogPicking, ANameSetWhileTheListHasTheFocusWinsOverTheSelectedRow)
{
    // The second dialog opens with b.asp filled in and its row selected.
    openBy(Pick::FullPath, path(u"b.asp"_s));
    openBy(Pick::SetWithoutFocus, path(u"c.html"_s));
    expectAllPicksTaken(2);
}

TEST_F(FileDialogPicking, OpenSaveOpen)
{
    openBy(Pick::FullPath, path(u"a.html"_s));
    saveBy(Pick::FullPath, path(u"new.html"_s)); // over the opened name filled in
    openBy(Pick::FullPath, path(u"c.html"_s));
    openBy(Pick::FullPath, path(u"new.html"_s));
    expectAllPicksTaken(4);
    EXPECT_EQ(seen[1].mode, QFileDialog::AcceptSave);
    EXPECT_EQ(seen[1].prefilled, u"a.html"_s);
}

TEST_F(FileDialogPicking, SaveThenOpen)
{
    saveBy(Pick::FullPath, path(u"first.html"_s));
    openBy(Pick::FullPath, path(u"c.html"_s));
    saveBy(Pick::RelativeName, path(u"second.html"_s));
    openBy(Pick::RelativeName, path(u"first.html"_s));
    expectAllPicksTaken(4);
    EXPECT_EQ(read(path(u"second.html"_s)), QByteArray("content of c.html"));
}

TEST_F(FileDialogPicking, AMissingFileIsReportedAndTheDialogStaysOpen)
{
    openBy(Pick::FullPath, path(u"a.html"_s));
    steps.push_back({Pick::FullPath, path(u"gone.html"_s)});
    click(u"文件/打开"_s);
    EXPECT_EQ(text(), u"content of a.html"_s);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[1].acceptEnabled);
    EXPECT_TRUE(seen[1].stayedOpen);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings[0], u"gone.html\n文件未找到。\n请检查指定的文件名是否正确。"_s);
}

TEST_F(FileDialogPicking, ImageBrowseAfterAnOpen)
{
    openBy(Pick::FullPath, path(u"a.html"_s));
    // The browse shares the MainWindow's dialog: it opens in a.html's folder, already read.
    steps.push_back({Pick::FullPath, path(u"pic.png"_s)});
    steps.push_back({Pick::RelativeName, path(u"c.html"_s)});
    QStringList browsed;
    rt.onWindowShown = [&](const QString &window) {
        if (window != Image)
            return;
        QWidget *browse = ui::testing::widget(rt, {Image, u"超级按钮1"_s});
        QTest::mouseClick(browse, Qt::LeftButton);
        browsed << rt.getFieldText({Image, u"编辑框1"_s});
        QTest::mouseClick(browse, Qt::LeftButton);
        browsed << rt.getFieldText({Image, u"编辑框1"_s});
        rt.closeWindow(Image);
    };
    click(u"插入/图片..."_s);
    EXPECT_EQ(browsed, (QStringList{path(u"pic.png"_s), path(u"c.html"_s)}));
    expectAllPicksTaken(3);
}

TEST_F(FileDialogPicking, BrowsingTwiceInADialogOfItsOwn)
{
    // The flash dialog's file dialog lists "*swf" names; the second browse opens in the folder
    // of the first choice, with its name filled in.
    write(path(u"movie.swf"_s), "swf");
    const QString flash = u"FlashDialog"_s;
    steps.push_back({Pick::FullPath, path(u"movie.swf"_s)});
    steps.push_back({Pick::RelativeName, path(u"pic.png"_s)});
    steps.push_back({Pick::DoubleClickRow, path(u"movie.swf"_s)});
    QStringList browsed;
    rt.onWindowShown = [&](const QString &window) {
        if (window != flash)
            return;
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(ui::testing::widget(rt, {flash, u"超级按钮1"_s}), Qt::LeftButton);
            browsed << rt.getFieldText({flash, u"编辑框1"_s});
        }
        rt.closeWindow(flash);
    };
    rt.setCurrentPage({Main, u"新选择夹1"_s}, 0);
    QTest::mouseClick(ui::testing::widget(rt, {Main, u"超级按钮24"_s}), Qt::LeftButton);
    EXPECT_EQ(browsed, (QStringList{path(u"movie.swf"_s), path(u"pic.png"_s), path(u"movie.swf"_s)}));
    expectAllPicksTaken(3);
    EXPECT_EQ(seen[1].prefilled, u"movie.swf"_s);
}

class EachWayOfPicking : public FileDialogPicking, public ::testing::WithParamInterface<Pick> {};

TEST_P(EachWayOfPicking, OnTheFirstAndEveryLaterOpeningAndSaving)
{
    const Pick how = GetParam();
    const bool rows = how == Pick::ClickRowAndAccept || how == Pick::DoubleClickRow;
    openBy(how, path(u"b.asp"_s));
    // Rows are only there to click once the filter lists them.
    openBy(how, path(u"a.html"_s), rows);
    openBy(how, path(u"c.html"_s), rows);
    saveBy(how, path(u"pic.png"_s), rows);                      // over an existing file: confirmed
    saveBy(Pick::FullPath, path(u"written.html"_s));            // a new file
    openBy(how, path(u"written.html"_s), rows);
    saveBy(how, path(u"written.html"_s), rows);
    openBy(how, path(u"b.asp"_s));
    expectAllPicksTaken(8);
    EXPECT_EQ(read(path(u"pic.png"_s)), QByteArray("content of c.html"));
}

INSTANTIATE_TEST_SUITE_P(Ways, EachWayOfPicking,
                         ::testing::Values(Pick::FullPath, Pick::RelativeName, Pick::ClickRowAndAccept, Pick::DoubleClickRow),
                         [](const ::testing::TestParamInfo<Pick> &info) { return nameOf(info.param); });

} // namespace
