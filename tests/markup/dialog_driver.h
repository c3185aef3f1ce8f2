// SPDX-License-Identifier: GPL-3.0-or-later
// Driving the element dialogs as a user does: the MainWindow is open with an empty document, a
// dialog is opened from a menu item or toolbar button, and the test acts inside the dialog's
// modal loop by clicking and typing into its controls.
#pragma once

#include "app/main_window.h"
#include "support/show_catcher.h"
#include "ui/runtime.h"
#include "ui/testing.h"
#include "support/text_printing.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace testsupport {

class DialogDriver : public ::testing::Test {
protected:
    const ui::ControlRef Editor{QStringLiteral("MainWindow"), QStringLiteral("超级编辑框1")};

    void SetUp() override
    {
        rt.openWindow(main.definition(), false);
        rt.setEditorText(Editor, {});
        rt.onWindowShown = [this](const QString &name) {
            auto it = actions.find(name);
            if (it == actions.end())
                return;
            const auto act = it->second;
            act();
            // The dialog must have closed once the closing it asked for has run; otherwise the
            // test would hang in its modal loop.
            QTimer::singleShot(0, qApp, [this, name] {
                if (rt.isOpen(name)) {
                    ADD_FAILURE() << "still open: " << name.toStdString();
                    rt.closeWindow(name);
                }
            });
        };
    }

    void TearDown() override
    {
        rt.onWindowShown = nullptr;
        // The document was changed: the exit check asks about saving, and the answer is no.
        ShowCatcher<QMessageBox> noSave([](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
        rt.closeWindow(app::MainWindowName);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(app::MainWindowName); }));
    }

    /// Runs act when the named window has been shown.
    void when(const QString &window, std::function<void()> act) { actions[window] = std::move(act); }

    /// Chooses a MainWindow menu item or clicks a MainWindow button; returns once a modal
    /// dialog it opened has closed.
    void open(const QString &unit)
    {
        if (unit.startsWith(QStringLiteral("超级按钮"))) {
            auto *button = qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {app::MainWindowName, unit}));
            ASSERT_NE(button, nullptr) << unit.toStdString();
            button->click(); // also on a toolbar page that is not in front
        } else {
            QAction *action = ui::testing::menuAction(rt, {app::MainWindowName, unit});
            ASSERT_NE(action, nullptr) << unit.toStdString();
            action->trigger();
        }
    }

    QWidget *widget(const QString &window, const QString &unit)
    {
        QWidget *w = ui::testing::widget(rt, {window, unit});
        EXPECT_NE(w, nullptr) << window.toStdString() << "/" << unit.toStdString();
        return w;
    }

    void click(const QString &window, const QString &unit)
    {
        if (QWidget *w = widget(window, unit))
            QTest::mouseClick(w, Qt::LeftButton);
    }

    /// Radio buttons and check boxes take the click on their indicator.
    void tick(const QString &window, const QString &unit)
    {
        if (QWidget *w = widget(window, unit))
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }

    /// Types at the end of an edit box or a combo box's text.
    void type(const QString &window, const QString &unit, const QString &text)
    {
        QWidget *w = widget(window, unit);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            w = combo->lineEdit();
        if (w)
            QTest::keyClicks(w, text);
    }

    /// Selects the whole text of an edit box or combo box and types over it.
    void typeOver(const QString &window, const QString &unit, const QString &text)
    {
        QWidget *w = widget(window, unit);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            w = combo->lineEdit();
        if (!w)
            return;
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Delete);
        QTest::keyClicks(w, text);
    }

    /// Picks a combo box item from its drop-down list.
    void pick(const QString &window, const QString &unit, int index)
    {
        auto *combo = qobject_cast<QComboBox *>(widget(window, unit));
        ASSERT_NE(combo, nullptr);
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !view->isVisible(); }));
    }

    /// Clicks a list box item.
    void select(const QString &window, const QString &unit, int row)
    {
        auto *list = qobject_cast<QListWidget *>(widget(window, unit));
        ASSERT_NE(list, nullptr);
        ASSERT_LT(row, list->count());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    /// Brings a page of a tab control to the front by clicking its tab.
    void showPage(const QString &window, const QString &unit, int page)
    {
        QWidget *tabs = widget(window, unit);
        ASSERT_NE(tabs, nullptr);
        auto *bar = tabs->findChild<QTabBar *>();
        ASSERT_NE(bar, nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    }

    QStringList items(const QString &window, const QString &unit)
    {
        QStringList all;
        for (int i = 0, n = rt.getListCount({window, unit}); i < n; ++i)
            all << rt.getListItem({window, unit}, i);
        return all;
    }

    /// The document as the GB18030 bytes a save would write.
    std::string documentBytes() { return core::textToBytes(rt.getEditorText(Editor)).toStdString(); }
    static std::string bytes(const QString &text) { return core::textToBytes(text).toStdString(); }

    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
    std::map<QString, std::function<void()>> actions;
};

} // namespace testsupport
