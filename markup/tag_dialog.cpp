// SPDX-License-Identifier: GPL-3.0-or-later
#include "tag_dialog.h"

namespace markup {

void openTagDialog(ui::UiRuntime &rt, const ui::WindowDefinition &dialog) { rt.openWindow(dialog, true); }

ui::Handler opensTagDialog(ui::WindowDefinition (*definition)())
{
    // The definition is built at each opening, so nothing of an earlier opening is kept.
    return [definition](ui::UiRuntime &rt) { openTagDialog(rt, definition()); };
}

core::Text fieldText(ui::UiRuntime &rt, const QString &dialog, const QString &unit)
{
    return rt.getFieldText({dialog, unit});
}

void insertAndClose(ui::UiRuntime &rt, const QString &dialog, const document::Pieces &steps)
{
    document::insertPieces(rt, steps);
    rt.closeWindow(dialog);
}

void browseInto(ui::UiRuntime &rt, const ui::ControlRef &fileDialog, const ui::ControlRef &pathField)
{
    // Only a confirmed choice is taken: a cancelled dialog may still hold an older name, and
    // copying that would throw away what the user typed.
    if (rt.showFileDialog(fileDialog))
        rt.setFieldText(pathField, rt.getDialogFileName(fileDialog));
}

ui::Handler browses(const ui::ControlRef &fileDialog, const ui::ControlRef &pathField)
{
    return [fileDialog, pathField](ui::UiRuntime &rt) { browseInto(rt, fileDialog, pathField); };
}

ui::Handler closes(const QString &dialog)
{
    return [dialog](ui::UiRuntime &rt) { rt.closeWindow(dialog); };
}

} // namespace markup
