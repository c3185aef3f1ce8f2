// SPDX-License-Identifier: GPL-3.0-or-later
#include "go_to_line_dialog.h"


using namespace Qt::Literals::StringLiterals;

namespace document {

const QString GoToLineWindowName = u"GoToLineDialog"_s;

namespace {

// The window's controls, in the window of the session's own (Session::owned).
ui::ControlRef lineLabel(const Session &s) { return {s.owned(GoToLineWindowName), u"标签1"_s}; }
ui::ControlRef lineField(const Session &s) { return {s.owned(GoToLineWindowName), u"编辑框1"_s}; }
ui::ControlRef note(const Session &s) { return {s.owned(GoToLineWindowName), u"标签2"_s}; }

int lastLine(ui::UiRuntime &rt, const Session &s) { return std::max(0, rt.getLineCount(s.editor()) - 1); }

QString rangeNote(ui::UiRuntime &rt, const Session &s)
{
    return u"有效行号："_s + lineRangeText(rt.getLineCount(s.editor()));
}

void start(ui::UiRuntime &rt, Session &s)
{
    rt.setControlTooltip(lineLabel(s), lineRangeText(rt.getLineCount(s.editor())));
    rt.setCaption(note(s), rangeNote(rt, s));
    rt.setFieldText(lineField(s), core::toText(rt.getCaretLine(s.editor())));
    rt.focusField(lineField(s));
}

/// Typing again takes the mark of a refused number away.
void clearMark(ui::UiRuntime &rt, Session &s)
{
    if (!rt.isFieldInvalid(lineField(s)))
        return;
    rt.setFieldInvalid(lineField(s), false);
    rt.setCaption(note(s), rangeNote(rt, s));
}

void refuse(ui::UiRuntime &rt, const Session &s, const QString &why)
{
    rt.setFieldInvalid(lineField(s), true);
    rt.setCaption(note(s), why);
    rt.focusField(lineField(s));
}

void goToLine(ui::UiRuntime &rt, Session &s)
{
    const QString typed = rt.getFieldText(lineField(s)).trimmed();
    bool isNumber = false;
    const qlonglong line = typed.toLongLong(&isNumber);
    const int last = lastLine(rt, s);
    if (!isNumber) {
        refuse(rt, s, u"“%1”不是行号，请输入 0 – %2 之间的数"_s.arg(typed).arg(last));
        return;
    }
    if (line < 0 || line > last) {
        refuse(rt, s, u"没有第 %1 行，行号在 0 – %2 之间"_s.arg(line).arg(last));
        return;
    }
    rt.goToEditorLine(s.editor(), int(line));
    rt.closeWindow(s.owned(GoToLineWindowName));
}

void cancel(ui::UiRuntime &rt, Session &s) { rt.closeWindow(s.owned(GoToLineWindowName)); }

} // namespace

QString lineRangeText(int lineCount) { return u"0 – %1"_s.arg(std::max(0, lineCount - 1)); }

ui::WindowDefinition goToLineDialog(Session &s)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = s.owned(GoToLineWindowName),
        .caption = u"转到行"_s,
        .width = 280,
        .height = 140,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = lineLabel(s).unit, .kind = Kind::Label, .geometry = {12, 15, 44, 20}, .caption = u"行号："_s},
            {.unit = lineField(s).unit, .kind = Kind::EditBox, .geometry = {58, 12, 200, 24},
             .bindings = {{Event::ContentChanged, withSession(s, clearMark)}}},
            {.unit = note(s).unit, .kind = Kind::Label, .geometry = {12, 42, 250, 20}},
            {.unit = u"按钮1"_s, .kind = Kind::PushButton, .geometry = {104, 72, 74, 26}, .caption = u"确定"_s,
             .bindings = {{Event::Clicked, withSession(s, goToLine)}}},
            {.unit = u"按钮2"_s, .kind = Kind::PushButton, .geometry = {184, 72, 74, 26}, .caption = u"取消"_s,
             .bindings = {{Event::Clicked, withSession(s, cancel)}}},
        },
        .bindings = {{Event::Created, withSession(s, start)}},
        .shortcuts = {
            {u"Return"_s, {}, withSession(s, goToLine)},
            {u"Enter"_s, {}, withSession(s, goToLine)},
            {u"Esc"_s, {}, withSession(s, cancel)},
        },
        .owner = s.window(),
    };
}

void openGoToLine(ui::UiRuntime &rt, Session &s) { rt.openWindow(goToLineDialog(s), true); }

} // namespace document
