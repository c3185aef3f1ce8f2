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

/// The windows built from definitions, for the MainWindow's session.
std::vector<ui::WindowDefinition> definedWindows(document::Session &s)
{
    return {markup::anchorDialog(s), markup::backgroundSoundDialog(s), markup::buttonDialogDefinition(s),
            markup::captionDialogDefinition(s), markup::dateDialogDefinition(s), markup::dropDownDialogDefinition(s),
            markup::emailLinkDialog(s), markup::flashDialog(s), markup::formDialogDefinition(s),
            markup::hyperlinkDialog(s), markup::imageDialog(s), markup::labelDialogDefinition(s),
            markup::mediaDialog(s), markup::scriptDialogDefinition(s), markup::styleSheetDialog(s),
            markup::textFieldDialogDefinition(s), markup::addOptionDialogDefinition(), markup::addTextDialogDefinition(),
            prefs::backgroundColourDialog(s), prefs::aboutDialog(), prefs::introductionWindow()};
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
    document::Session unopened(app::MainWindowName);
    for (const ui::WindowDefinition &def : definedWindows(unopened))
        kinds << def.name;
    kinds << FontDialogKind << MessageBoxKind;
    return kinds;
}

void openMainWindow(ui::UiRuntime &rt, app::MainWindow &main)
{
    rt.openWindow(main.definition(), false);
    settle(ui::testing::widget(rt, {app::MainWindowName, {}}));
}

void visitWindow(ui::UiRuntime &rt, app::MainWindow &main, const QString &kind,
                 const std::function<void(QWidget *)> &visit)
{
    if (kind == app::MainWindowName) {
        QWidget *window = ui::testing::widget(rt, {app::MainWindowName, {}});
        settle(window);
        visit(window);
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
    for (const ui::WindowDefinition &def : definedWindows(main.session()))
        if (def.name == kind) {
            rt.openWindow(def, false);
            if (QWidget *window = ui::testing::widget(rt, {def.name, {}})) {
                settle(window);
                visit(window);
            }
            rt.closeWindow(def.name);
            return;
        }
}

} // namespace skintour
