// SPDX-License-Identifier: GPL-3.0-or-later
#include "go_to_line_dialog.h"

#include "editor.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

const QString GoToLineWindowName = u"GoToLineDialog"_s;

namespace {

const ui::ControlRef LineLabel{GoToLineWindowName, u"标签1"_s};
const ui::ControlRef LineField{GoToLineWindowName, u"编辑框1"_s};
const ui::ControlRef Note{GoToLineWindowName, u"标签2"_s};

int lastLine(ui::UiRuntime &rt) { return std::max(0, rt.getLineCount(codeEditor()) - 1); }

QString rangeNote(ui::UiRuntime &rt) { return u"有效行号："_s + lineRangeText(rt.getLineCount(codeEditor())); }

void start(ui::UiRuntime &rt)
{
    rt.setControlTooltip(LineLabel, lineRangeText(rt.getLineCount(codeEditor())));
    rt.setCaption(Note, rangeNote(rt));
    rt.setFieldText(LineField, core::toText(rt.getCaretLine(codeEditor())));
    rt.focusField(LineField);
}

/// Typing again takes the mark of a refused number away.
void clearMark(ui::UiRuntime &rt)
{
    if (!rt.isFieldInvalid(LineField))
        return;
    rt.setFieldInvalid(LineField, false);
    rt.setCaption(Note, rangeNote(rt));
}

void refuse(ui::UiRuntime &rt, const QString &why)
{
    rt.setFieldInvalid(LineField, true);
    rt.setCaption(Note, why);
    rt.focusField(LineField);
}

void goToLine(ui::UiRuntime &rt)
{
    const QString typed = rt.getFieldText(LineField).trimmed();
    bool isNumber = false;
    const qlonglong line = typed.toLongLong(&isNumber);
    const int last = lastLine(rt);
    if (!isNumber) {
        refuse(rt, u"“%1”不是行号，请输入 0 – %2 之间的数"_s.arg(typed).arg(last));
        return;
    }
    if (line < 0 || line > last) {
        refuse(rt, u"没有第 %1 行，行号在 0 – %2 之间"_s.arg(line).arg(last));
        return;
    }
    rt.goToEditorLine(codeEditor(), int(line));
    rt.closeWindow(GoToLineWindowName);
}

void cancel(ui::UiRuntime &rt) { rt.closeWindow(GoToLineWindowName); }

} // namespace

QString lineRangeText(int lineCount) { return u"0 – %1"_s.arg(std::max(0, lineCount - 1)); }

ui::WindowDefinition goToLineDialog()
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = GoToLineWindowName,
        .caption = u"转到行"_s,
        .width = 280,
        .height = 140,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = LineLabel.unit, .kind = Kind::Label, .geometry = {12, 15, 44, 20}, .caption = u"行号："_s},
            {.unit = LineField.unit, .kind = Kind::EditBox, .geometry = {58, 12, 200, 24},
             .bindings = {{Event::ContentChanged, clearMark}}},
            {.unit = Note.unit, .kind = Kind::Label, .geometry = {12, 42, 250, 20}},
            {.unit = u"按钮1"_s, .kind = Kind::PushButton, .geometry = {104, 72, 74, 26}, .caption = u"确定"_s,
             .bindings = {{Event::Clicked, goToLine}}},
            {.unit = u"按钮2"_s, .kind = Kind::PushButton, .geometry = {184, 72, 74, 26}, .caption = u"取消"_s,
             .bindings = {{Event::Clicked, cancel}}},
        },
        .bindings = {{Event::Created, start}},
        .shortcuts = {
            {u"Return"_s, {}, goToLine},
            {u"Enter"_s, {}, goToLine},
            {u"Esc"_s, {}, cancel},
        },
    };
}

void openGoToLine(ui::UiRuntime &rt) { rt.openWindow(goToLineDialog(), true); }

} // namespace document
