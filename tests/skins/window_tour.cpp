// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_tour.h"

#include "app/main_window.h"
#include "markup/add_option_dialog.h"
#include "markup/add_text_dialog.h"
#include "markup/anchor_dialog.h"
#include "markup/background_sound_dialog.h"
#include "markup/button_dialog.h"
#include "markup/caption_dialog.h"
#include "markup/date_dialog.h"
#include "markup/drop_down_dialog.h"
#include "markup/email_link_dialog.h"
#include "markup/flash_dialog.h"
#include "markup/form_dialog.h"
#include "markup/hyperlink_dialog.h"
#include "markup/image_dialog.h"
#include "markup/label_dialog.h"
#include "markup/media_dialog.h"
#include "markup/script_dialog.h"
#include "markup/style_sheet_dialog.h"
#include "markup/text_field_dialog.h"
#include "prefs/about_dialog.h"
#include "prefs/background_dialog.h"
#include "prefs/introduction_window.h"
#include "support/show_catcher.h"
#include "ui/font_dialog.h"
#include "ui/testing.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace skintour {
namespace {

const QString FontDialogKind = u"FontDialog"_s;
const QString MessageBoxKind = u"MessageBox"_s;

using Definition = ui::WindowDefinition (*)();

/// The windows built from definitions, by name.
const std::vector<std::pair<QString, Definition>> &definedWindows()
{
    static const std::vector<std::pair<QString, Definition>> all = [] {
        std::vector<std::pair<QString, Definition>> list;
        for (Definition d : {markup::anchorDialog, markup::backgroundSoundDialog, markup::buttonDialogDefinition,
                             markup::captionDialogDefinition, markup::dateDialogDefinition,
                             markup::dropDownDialogDefinition, markup::emailLinkDialog, markup::flashDialog,
                             markup::formDialogDefinition, markup::hyperlinkDialog, markup::imageDialog,
                             markup::labelDialogDefinition, markup::mediaDialog, markup::scriptDialogDefinition,
                             markup::styleSheetDialog, markup::textFieldDialogDefinition,
                             markup::addOptionDialogDefinition, markup::addTextDialogDefinition,
                             prefs::backgroundColourDialog, prefs::aboutDialog, prefs::introductionWindow})
            list.emplace_back(d().name, d);
        return list;
    }();
    return all;
}

/// Lets the window lay out and paint before it is looked at.
void settle(QWidget *window)
{
    (void)QTest::qWaitForWindowExposed(window);
    QApplication::processEvents();
}

} // namespace

QStringList windowKinds()
{
    QStringList kinds{app::MainWindowName};
    for (const auto &[name, definition] : definedWindows())
        kinds << name;
    kinds << FontDialogKind << MessageBoxKind;
    return kinds;
}

void openMainWindow(ui::UiRuntime &rt)
{
    rt.openWindow(app::mainWindowDefinition(), false);
    settle(ui::testing::widget(rt, {app::MainWindowName, {}}));
}

void visitWindow(ui::UiRuntime &rt, const QString &kind, const std::function<void(QWidget *)> &visit)
{
    if (kind == app::MainWindowName) {
        QWidget *main = ui::testing::widget(rt, {app::MainWindowName, {}});
        settle(main);
        visit(main);
        return;
    }
    if (kind == FontDialogKind) {
        ui::FontFields start{.face = u"宋体"_s, .size = 12, .bold = true};
        ui::FontDialog dialog(start, ui::testing::widget(rt, {app::MainWindowName, {}}));
        dialog.setWindowTitle(u"字体"_s);
        dialog.show();
        settle(&dialog);
        visit(&dialog);
        dialog.close();
        return;
    }
    if (kind == MessageBoxKind) {
        // The box the program asks with, served in its own loop.
        testsupport::ShowCatcher<QMessageBox> boxes([&](QMessageBox *box) {
            settle(box);
            visit(box);
            box->done(QMessageBox::Cancel);
        });
        rt.showMessage(u"文件已被修改，是否保存？"_s, ui::MbYesNoCancel | ui::MbIconQuestion, u"Quillmere"_s);
        return;
    }
    for (const auto &[name, definition] : definedWindows())
        if (name == kind) {
            rt.openWindow(definition(), false);
            if (QWidget *window = ui::testing::widget(rt, {name, {}})) {
                settle(window);
                visit(window);
            }
            rt.closeWindow(name);
            return;
        }
}

} // namespace skintour
