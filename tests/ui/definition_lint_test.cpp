// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/definition_lint.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using ui::ControlDef;
using ui::Event;
using ui::Kind;

namespace {

void nothing(ui::UiRuntime &) {}

ui::WindowDefinition sound()
{
    ui::WindowDefinition def{.name = u"Dialog"_s, .caption = u"对话框"_s, .width = 300, .height = 200};
    def.controls = {
        {.unit = u"选择夹1"_s, .kind = Kind::TabControl, .geometry = {0, 0, 200, 100}, .items = {u"a"_s, u"b"_s}},
        {.unit = u"按钮1"_s, .kind = Kind::PushButton, .parent = u"选择夹1"_s, .page = 1, .caption = u"确定"_s,
         .bindings = {{Event::Clicked, nothing}}},
        {.unit = u"分组框1"_s, .kind = Kind::GroupBox, .caption = u"组"_s},
        {.unit = u"编辑框1"_s, .kind = Kind::EditBox, .parent = u"分组框1"_s,
         .bindings = {{Event::ContentChanged, nothing}, {Event::KeyDown, nothing}}},
        {.unit = u"列表框1"_s, .kind = Kind::ListBox, .items = {u"x"_s}, .current = 0,
         .bindings = {{Event::ItemDoubleClicked, nothing}}},
        {.unit = u"菜单"_s, .kind = Kind::MenuItem, .caption = u"菜单"_s},
        {.unit = u"菜单/项"_s, .kind = Kind::MenuItem, .parent = u"菜单"_s, .caption = u"项"_s,
         .bindings = {{Event::Clicked, nothing}}},
        {.unit = u"菜单/-1"_s, .kind = Kind::MenuItem, .parent = u"菜单"_s, .caption = u"-"_s},
    };
    def.bindings = {{Event::Created, nothing}, {Event::BeingDestroyed, nothing}};
    return def;
}

/// The lint's findings with a definition changed by `spoil`.
QStringList findings(const std::function<void(ui::WindowDefinition &)> &spoil)
{
    ui::WindowDefinition def = sound();
    spoil(def);
    return ui::lintDefinition(def);
}

} // namespace

TEST(DefinitionLint, SoundDefinitionHasNoFindings)
{
    EXPECT_EQ(ui::lintDefinition(sound()), QStringList());
}

TEST(DefinitionLint, FindsStructuralMistakes)
{
    // Each spoiled definition gives exactly the finding expected of it.
    const std::vector<std::pair<std::function<void(ui::WindowDefinition &)>, QString>> cases = {
        {[](auto &d) { d.controls[4].unit = u"按钮1"_s; }, u"按钮1: unit name used twice"_s},
        {[](auto &d) { d.controls[1].parent = u"选择夹9"_s; }, u"按钮1: parent 选择夹9 does not exist"_s},
        {[](auto &d) { std::swap(d.controls[2], d.controls[3]); }, u"编辑框1: parent 分组框1 comes after it in the table"_s},
        {[](auto &d) { d.controls[6].parent = u"按钮1"_s; }, u"菜单/项: menu item inside 按钮1, which is not a menu"_s},
        {[](auto &d) { d.controls[1].page = 2; }, u"按钮1: page 2 is not a page of 选择夹1 (2 pages)"_s},
        {[](auto &d) { d.controls[1].page = -1; }, u"按钮1: page -1 is not a page of 选择夹1 (2 pages)"_s},
        {[](auto &d) { d.controls[3].page = 0; }, u"编辑框1: page 0 given, but its parent is no tab control"_s},
        {[](auto &d) { d.controls[3].parent = u"按钮1"_s; }, u"编辑框1: parent 按钮1 cannot hold controls"_s},
        {[](auto &d) { d.controls[4].current = 1; }, u"列表框1: start item 1 outside its 1 items"_s},
        {[](auto &d) { d.controls[0].current = 2; }, u"选择夹1: start page 2 outside its 2 pages"_s},
        {[](auto &d) { d.controls.push_back({.kind = Kind::Label}); }, u"row 8 has no unit name"_s},
        {[](auto &d) { d.controls.push_back({.unit = u"x"_s, .kind = Kind::MenuItem, .parent = u"菜单/-1"_s, .caption = u"y"_s}); },
         u"x: menu item inside a separator"_s},
        {[](auto &d) { d.controls[1].kind = Kind(99); }, u"按钮1: unknown kind 99"_s},
        {[](auto &d) { d.width = 0; }, u"Dialog: outer size 0 × 200 is not positive"_s},
    };
    for (const auto &[spoil, expected] : cases)
        EXPECT_EQ(findings(spoil), QStringList{expected}) << expected.toStdString();
}

TEST(DefinitionLint, FindsBindingMistakes)
{
    const std::vector<std::pair<std::function<void(ui::WindowDefinition &)>, QString>> cases = {
        {[](auto &d) { d.controls[1].bindings.push_back({Event::DoubleClick, ui::Handler()}); },
         u"按钮1: DoubleClick is bound to an empty handler"_s},
        {[](auto &d) { d.controls[1].bindings.push_back({Event::Clicked, nothing}); },
         u"按钮1: Clicked is bound more than once"_s},
        {[](auto &d) { d.controls[3].bindings.push_back({Event::Clicked, nothing}); },
         u"编辑框1: Clicked is never raised there"_s},
        {[](auto &d) { d.controls[4].bindings.push_back({Event::PageChanged, nothing}); },
         u"列表框1: PageChanged is never raised there"_s},
        {[](auto &d) { d.controls[5].bindings.push_back({Event::Clicked, nothing}); },
         u"菜单: Clicked is never raised there"_s}, // a menu title
        {[](auto &d) { d.controls[7].bindings.push_back({Event::Clicked, nothing}); },
         u"菜单/-1: Clicked is never raised there"_s}, // a separator
        {[](auto &d) { d.controls[6].bindings.push_back({Event::RightButtonUp, nothing}); },
         u"菜单/项: RightButtonUp is never raised there"_s},
        {[](auto &d) { d.bindings.push_back({Event::Clicked, nothing}); }, u"Dialog: Clicked is never raised there"_s},
        {[](auto &d) { d.bindings.push_back({Event::Created, nothing}); }, u"Dialog: Created is bound more than once"_s},
    };
    for (const auto &[spoil, expected] : cases)
        EXPECT_EQ(findings(spoil), QStringList{expected}) << expected.toStdString();
}
