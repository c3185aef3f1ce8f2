// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor.h"

using namespace Qt::Literals::StringLiterals;

namespace document {

const ui::ControlRef &codeEditor()
{
    static const ui::ControlRef ref{u"MainWindow"_s, u"超级编辑框1"_s};
    return ref;
}

const ui::ControlRef &fileDialog()
{
    static const ui::ControlRef ref{u"MainWindow"_s, u"通用对话框1"_s};
    return ref;
}

namespace {
InsertionTarget &redirected()
{
    static InsertionTarget target;
    return target;
}
} // namespace

void redirectInsertions(InsertionTarget target) { redirected() = std::move(target); }

void insertPieces(ui::UiRuntime &rt, const Pieces &pieces)
{
    if (const InsertionTarget target = redirected()) // a copy: the target may end the redirection
        return target(rt, pieces);
    for (const auto &piece : pieces)
        rt.insertAtCaret(codeEditor(), piece);
}

} // namespace document
