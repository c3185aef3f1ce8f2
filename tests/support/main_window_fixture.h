// SPDX-License-Identifier: GPL-3.0-or-later
// A MainWindow driven as a user would, with the message boxes and file dialogs it shows answered
// from a script and recorded.
#pragma once

#include "app/main_window.h"
#include "support/eventually.h"
#include "support/files.h"
#include "support/show_catcher.h"
#include "ui/code_editor.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>

namespace testsupport {

using namespace Qt::Literals::StringLiterals;

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QString defaultButton; // its caption
};

struct ShownFileDialog {
    QFileDialog::AcceptMode mode;
    QString directory; // where it opened
    QString typedName; // the name filled in
    QString selectedFilter;
    QStringList filters;
};

/// What to do with the next file dialog: an empty path cancels it. `force` accepts the path
/// even where the dialog itself would refuse it (a vanished file, a name too long), as a
/// platform dialog or a race with another program can hand it over.
struct FileChoice {
    QString path;
    bool force = false;
};

/// Answers the program's message boxes and file dialogs when they are shown. Questions (boxes
/// with a Yes button) take the next queued answer, No when none is queued; questions with
/// buttons of their own captions press the next queued choice, their escape button when none is
/// queued; other boxes are acknowledged; the file dialog's own overwrite question is always answered Yes. File dialogs
/// take the next queued choice and are cancelled when none is queued.
class DialogScript {
public:
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> choices; // captions of buttons to press
    std::deque<FileChoice> files;
    std::vector<ShownBox> boxes;
    std::vector<ShownFileDialog> fileDialogs;

    QStringList boxTitles() const
    {
        QStringList t;
        for (const auto &b : boxes)
            t << b.title;
        return t;
    }

private:
    testsupport::ShowCatcher<QMessageBox> boxCatcher_{[this](QMessageBox *box) { answer(box); }};
    testsupport::ShowCatcher<QFileDialog> fileCatcher_{[this](QFileDialog *fd) { choose(fd); }};

    void answer(QMessageBox *box)
    {
        if (qobject_cast<QFileDialog *>(box->parentWidget())) {
            box->button(QMessageBox::Yes)->click();
            return;
        }
        boxes.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                         box->defaultButton() ? box->defaultButton()->text() : QString()});
        if (!box->standardButtons()) {
            QAbstractButton *press = box->escapeButton();
            if (!choices.empty()) {
                for (QAbstractButton *b : box->buttons())
                    if (b->text() == choices.front())
                        press = b;
                choices.pop_front();
            }
            press->click();
            return;
        }
        QMessageBox::StandardButton press = QMessageBox::Ok;
        if (box->standardButtons() & QMessageBox::Yes) {
            press = QMessageBox::No;
            if (!answers.empty()) {
                press = answers.front();
                answers.pop_front();
            }
        }
        box->button(press)->click();
    }

    void choose(QFileDialog *fd)
    {
        auto *nameEdit = fd->findChild<QLineEdit *>(u"fileNameEdit"_s);
        fileDialogs.push_back({fd->acceptMode(), fd->directory().absolutePath(), nameEdit ? nameEdit->text() : QString(),
                               fd->selectedNameFilter(), fd->nameFilters()});
        FileChoice c;
        if (!files.empty()) {
            c = files.front();
            files.pop_front();
        }
        if (c.path.isEmpty()) {
            fd->reject();
            return;
        }
        fd->selectFile(c.path);
        if (nameEdit)
            nameEdit->setText(c.path); // a full path is taken as it stands
        // accept() and done() are slots: invoked as a button press would.
        if (c.force)
            QMetaObject::invokeMethod(fd, "done", Q_ARG(int, QDialog::Accepted));
        else
            QMetaObject::invokeMethod(fd, "accept");
    }
};

inline const QString Main = u"MainWindow"_s;

/// Presses the keys (in portable text, "Ctrl+F") with the focus on the widget, in its active window.
inline void press(QWidget *focus, const QString &keys)
{
    QWidget *window = focus->window();
    window->activateWindow();
    // Not isActiveWindow(): a modeless dialog counts as active while its owner is.
    ASSERT_EVENTUALLY(QApplication::activeWindow() == window);
    focus->setFocus();
    QTest::keySequence(focus, QKeySequence::fromString(keys, QKeySequence::PortableText));
}

/// Opens the MainWindow for each test and closes it afterwards, answering the exit check No.
class MainWindowFixture : public ::testing::Test {
protected:
    /// With a recovery store, the MainWindow keeps its recovery copies there.
    explicit MainWindowFixture(document::RecoveryStore *recovery = nullptr) : main({}, Main, recovery) {}
    void SetUp() override { rt.openWindow(main.definition(), false); }
    void TearDown() override
    {
        script.answers.clear();
        script.files.clear();
        if (rt.isOpen(Main))
            rt.closeWindow(Main);
        ASSERT_EVENTUALLY(!rt.isOpen(Main));
    }

    document::Session &session() { return main.session(); }
    const ui::ControlRef &editor() const { return main.session().editor(); }
    ui::CodeEditor *codeEditor() { return qobject_cast<ui::CodeEditor *>(ui::testing::widget(rt, editor())); }
    QString text() const { return rt.getEditorText(editor()); }
    QByteArray bytes() const { return core::textToBytes(text()); }
    QString panel(int i) const { return rt.getPanelText({Main, u"状态条1"_s}, i); }
    /// Types the text into the editor as key presses (any characters, not only ASCII).
    void type(const QString &typed)
    {
        QWidget *w = ui::testing::widget(rt, editor());
        for (const QChar ch : typed)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void click(const QString &item) { ui::testing::menuAction(rt, {Main, item})->trigger(); }

    app::MainWindow main; // outlives the runtime, whose windows' handlers use it
    ui::UiRuntime rt;
    DialogScript script;
    QTemporaryDir dir;
};

} // namespace testsupport
