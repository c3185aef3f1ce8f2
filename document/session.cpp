// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace document {

Session::Session(QString window)
    : window_(std::move(window)), editor_{window_, u"超级编辑框1"_s}, statusBar_{window_, u"状态条1"_s},
      fileDialog_{window_, u"通用对话框1"_s}
{
}

void Session::setPath(const core::Text &path)
{
    path_ = path.isEmpty() ? core::Text() : QFileInfo(path).absoluteFilePath();
}

QString Session::owned(const QString &base) const
{
    return window_ == u"MainWindow" ? base : base + u'@' + window_;
}

ui::Handler withSession(Session &s, void (*command)(ui::UiRuntime &, Session &))
{
    return [&s, command](ui::UiRuntime &rt) { command(rt, s); };
}

void insertPieces(ui::UiRuntime &rt, Session &s, const Pieces &pieces)
{
    if (const InsertionTarget target = s.insertionTarget()) // a copy: the target may end the redirection
        return target(rt, pieces);
    for (const auto &piece : pieces)
        rt.insertAtCaret(s.editor(), piece);
}

} // namespace document
