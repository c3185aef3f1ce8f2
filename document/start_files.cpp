// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_files.h"

#include "lifecycle.h"

using namespace Qt::Literals::StringLiterals;

namespace document {
namespace {

constexpr int InformationOk = 64; // an OK button with the information icon

} // namespace

bool openStartFiles(ui::UiRuntime &rt, Session &s, const QStringList &files)
{
    if (files.isEmpty())
        return false;
    const bool opened = openFile(rt, s, files.front());
    if (files.size() > 1)
        rt.showMessage(u"一个窗口只编辑一个文件。已打开：\n%1\n\n以下文件没有打开：\n%2"_s.arg(files.front(),
                                                                                      files.mid(1).join(u'\n')),
                       InformationOk, u"打开"_s);
    return opened;
}

} // namespace document
