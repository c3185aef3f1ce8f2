// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_settings.h"

namespace prefs {

ui::CharFormat chosenFormat(const ui::CharFormat &current, const ui::FontFields &choice)
{
    ui::CharFormat format = current;
    format.face = choice.face;
    format.size = choice.size;
    format.colour = choice.colour;
    auto setOrClear = [&format](int flag, bool on) {
        format.effects = on ? (format.effects | flag) : (format.effects & ~flag);
    };
    setOrClear(ui::Bold, choice.bold);
    setOrClear(ui::Italic, choice.italic);
    setOrClear(ui::Underline, choice.underline);
    setOrClear(ui::Strikeout, choice.strikeout);
    return format;
}

void fontSettings(ui::UiRuntime &rt, document::Session &s)
{
    const ui::ControlRef &editor = s.editor();
    const ui::ControlRef &dialog = s.fileDialog();
    rt.selectAllText(editor);
    const ui::CharFormat current = rt.getSelectionFormat(editor);

    // The dialog starts from the text's face, size and colour; its switches show what they held
    // after the last use.
    rt.setDialogMode(dialog, ui::FontMode);
    ui::FontFields start = rt.getDialogFont(dialog);
    start.size = current.size;
    start.face = current.face;
    start.colour = current.colour;
    rt.setDialogFont(dialog, start);
    if (!rt.showFileDialog(dialog))
        return;
    rt.setSelectionFormat(editor, chosenFormat(current, rt.getDialogFont(dialog)));
}

} // namespace prefs
