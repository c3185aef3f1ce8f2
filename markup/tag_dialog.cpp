// SPDX-License-Identifier: GPL-3.0-or-later
#include "tag_dialog.h"

namespace markup {

void openTagDialog(ui::UiRuntime &rt, const ui::WindowDefinition &dialog) { rt.openWindow(dialog, true); }

ui::Text fieldText(ui::UiRuntime &rt, const QString &dialog, const QString &unit)
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
    if (rt.showFileDialog(fileDialog))
        rt.setFieldText(pathField, rt.getDialogFileName(fileDialog));
}

ui::Handler closes(const QString &dialog)
{
    return [dialog](ui::UiRuntime &rt) { rt.closeWindow(dialog); };
}

} // namespace markup
