// SPDX-License-Identifier: GPL-3.0-or-later
// Another program changes the open file: the window notices when it comes to the front, and
// saving over the changed file asks first. Nothing is lost either way.
#include "support/main_window_fixture.h"

#include "core/file_stamp.h"
#include "document/disk_changes.h"
#include "document/lifecycle.h"

#include <QAbstractButton>

#include <optional>

using namespace testsupport;

namespace {

const QString Reload = u"重新载入"_s, Keep = u"保留当前文本"_s;
const QByteArray Opened = "<p>opened</p>", Theirs = "<p>theirs, longer</p>";

class DiskChanges : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        path = dir.filePath(u"page.html"_s);
        putContent(path, Opened);
        ASSERT_TRUE(document::openFile(rt, session(), path));
        elsewhere.resize(100, 100);
        elsewhere.show();
    }
    /// Another window takes the front, then the MainWindow comes back to it, and its check has run.
    void comeToFront()
    {
        elsewhere.activateWindow();
        ASSERT_EVENTUALLY_EQ(QApplication::activeWindow(), &elsewhere);
        QWidget *main = ui::testing::widget(rt, {Main, {}});
        main->activateWindow();
        ASSERT_EVENTUALLY_EQ(QApplication::activeWindow(), main);
        const core::FileStamp now = core::lookAtFile(path);
        ASSERT_EVENTUALLY(session().disk().seen.sameLook(now) && !session().disk().asking);
    }
    /// Changes the file as another program would: a later time, whatever the bytes.
    void changeOnDisk(std::optional<QByteArray> bytes)
    {
        QTest::qWait(5); // a time the clock tells from the first
        if (bytes)
            putContent(path, *bytes);
        else
            ASSERT_TRUE(QFile::remove(path));
    }

    QString path;
    QWidget elsewhere;
};

struct ActivationCase {
    const char *name;
    std::optional<QByteArray> disk; // the file's new content; none: deleted
    QString typed;                  // into the window before it comes back
    QString choose;                 // the button pressed; empty: Esc
    QString boxTitle;               // empty: no box
    QString defaultButton; // of a question
    QString text;          // the window's text afterwards
};

class NoticedOnActivation : public DiskChanges, public ::testing::WithParamInterface<ActivationCase> {};

} // namespace

TEST_P(NoticedOnActivation, AsksOnceAndLosesNothing)
{
    const ActivationCase &c = GetParam();
    if (!c.typed.isEmpty())
        rt.insertAtCaret(editor(), c.typed);
    changeOnDisk(c.disk);
    script.choices = {c.choose};
    comeToFront();
    if (c.boxTitle.isEmpty()) {
        EXPECT_TRUE(script.boxes.empty()) << script.boxTitles().join(u", ").toStdString();
    } else {
        ASSERT_EQ(script.boxes.size(), 1u);
        EXPECT_EQ(script.boxes[0].title, c.boxTitle);
        EXPECT_TRUE(script.boxes[0].text.contains(path));
        if (!c.defaultButton.isEmpty()) { // a question, not a notice
            EXPECT_EQ(script.boxes[0].defaultButton, c.defaultButton);
        }
        EXPECT_EQ(script.boxes[0].text.contains(u"未保存"_s), !c.typed.isEmpty() && c.disk.has_value());
    }
    EXPECT_EQ(text(), c.text);
    if (!c.disk) { // the text is all that is left
        EXPECT_TRUE(session().isModified());
    }
    // The file as it is now has been seen: coming to the front again asks nothing more.
    comeToFront();
    EXPECT_EQ(script.boxes.size(), c.boxTitle.isEmpty() ? 0u : 1u);
}

const QString Changed = u"文件已修改"_s;
INSTANTIATE_TEST_SUITE_P(
    Cases, NoticedOnActivation,
    ::testing::Values(
        ActivationCase{"ChangedAndReloaded", Theirs, {}, Reload, Changed, Reload, QString::fromLatin1(Theirs)},
        ActivationCase{"ChangedAndKeptWithEsc", Theirs, {}, {}, Changed, Reload, QString::fromLatin1(Opened)},
        ActivationCase{"ChangedWhileTypedIntoKeptByDefault", Theirs, u"<b>mine</b>"_s, {}, Changed, Keep,
                       u"<b>mine</b>"_s + QString::fromLatin1(Opened)},
        ActivationCase{"ChangedWhileTypedIntoReloaded", Theirs, u"<b>mine</b>"_s, Reload, Changed, Keep,
                       QString::fromLatin1(Theirs)},
        ActivationCase{"SameBytesWrittenAgain", Opened, {}, {}, {}, {}, QString::fromLatin1(Opened)},
        ActivationCase{"SameSizeOtherBytes", QByteArray("<p>OPENED</p>"), {}, Reload, Changed, Reload, u"<p>OPENED</p>"_s},
        ActivationCase{"Deleted", std::nullopt, {}, {}, u"文件已不存在"_s, {}, QString::fromLatin1(Opened)}),
    [](const ::testing::TestParamInfo<ActivationCase> &info) { return std::string(info.param.name); });

struct SaveCase {
    const char *name;
    bool changedOnDisk;
    QString choose; // the button pressed when asked
    QByteArray disk; // the file afterwards
};

class SavingOver : public DiskChanges, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SavingOver, AsksOnlyWhenTheFileChangedSinceItWasRead)
{
    const SaveCase &c = GetParam();
    rt.insertAtCaret(editor(), u"<b>mine</b>"_s);
    const QString mine = text();
    if (c.changedOnDisk)
        changeOnDisk(Theirs);
    // Taken before saving: once the file is overwritten its time is the save's.
    const QString changedTime = core::lookAtFile(path).modified().toString(u"yyyy-MM-dd hh:mm:ss"_s);
    script.choices = {c.choose};
    script.files = {{path}};
    click(u"文件/保存"_s);
    EXPECT_EQ(contentOf(path), c.disk);
    EXPECT_EQ(text(), mine);
    ASSERT_EQ(script.boxes.size(), c.changedOnDisk ? 1u : 0u);
    if (c.changedOnDisk) { // names the time it changed
        EXPECT_TRUE(script.boxes[0].text.contains(changedTime)) << script.boxes[0].text.toStdString();
        EXPECT_EQ(script.boxes[0].defaultButton, u"不保存"_s);
    }
    // Once written, the file is the window's own again: a second save asks nothing.
    if (contentOf(path) == mine.toUtf8()) {
        script.files = {{path}};
        click(u"文件/保存"_s);
        EXPECT_EQ(script.boxes.size(), c.changedOnDisk ? 1u : 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SavingOver,
    ::testing::Values(SaveCase{"Unchanged", false, {}, "<b>mine</b><p>opened</p>"},
                      SaveCase{"ChangedAndOverwritten", true, u"仍然保存"_s, "<b>mine</b><p>opened</p>"},
                      SaveCase{"ChangedAndKept", true, u"不保存"_s, Theirs},
                      SaveCase{"ChangedAndEsc", true, {}, Theirs}),
    [](const ::testing::TestParamInfo<SaveCase> &info) { return std::string(info.param.name); });
