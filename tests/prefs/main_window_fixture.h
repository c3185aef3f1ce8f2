// SPDX-License-Identifier: GPL-3.0-or-later
// A MainWindow opened for a test and closed after it, declining to save the changed text.
#pragma once

#include "app/main_window.h"
#include "support/show_catcher.h"
#include "ui/code_editor.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace prefstest {

inline const ui::ControlRef Editor{QStringLiteral("MainWindow"), QStringLiteral("超级编辑框1")};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { rt.openWindow(main.definition(), false); }
    void TearDown() override
    {
        rt.onWindowShown = nullptr;
        testsupport::ShowCatcher<QMessageBox> declineSaving([](QMessageBox *box) {
            if (QAbstractButton *no = box->button(QMessageBox::No))
                no->click();
        });
        rt.closeWindow(app::MainWindowName);
        QTRY_VERIFY(!rt.isOpen(app::MainWindowName));
    }

    ui::CodeEditor *editor() { return qobject_cast<ui::CodeEditor *>(ui::testing::widget(rt, Editor)); }
    void trigger(const QString &menuItem) { ui::testing::menuAction(rt, {app::MainWindowName, menuItem})->trigger(); }

    app::MainWindow main; // outlives the runtime
    ui::UiRuntime rt;
};

} // namespace prefstest
