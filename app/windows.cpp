// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows.h"

#include "core/file_stamp.h"
#include "window_placement.h"

using namespace Qt::Literals::StringLiterals;

namespace app {

void Windows::open(ui::UiRuntime &rt, const QStringList &files)
{
    if (files.isEmpty())
        return openNew(rt);
    for (const QString &file : files)
        if (!raiseHolder(rt, file))
            openWindow(rt, file);
}

void Windows::openNew(ui::UiRuntime &rt) { openWindow(rt, {}); }

bool Windows::raiseHolder(ui::UiRuntime &rt, const QString &path)
{
    for (const auto &w : windows_) {
        const document::Session &s = w->session();
        if (rt.isOpen(s.window()) && core::sameFilePath(s.path(), path)) {
            rt.raiseWindow(s.window());
            return true;
        }
    }
    return false;
}

void Windows::openWindow(ui::UiRuntime &rt, const QString &file)
{
    // The first keeps the name tools and tests know it by; names are never used twice.
    const QString name = windows_.empty() ? MainWindowName : MainWindowName + QString::number(windows_.size() + 1);
    auto &w = *windows_.emplace_back(std::make_unique<MainWindow>(file, name, recovery_));
    w.session().setRaiseHolder([this](ui::UiRuntime &rt, const core::Text &path) { return raiseHolder(rt, path); });
    w.setOpenNew([this](ui::UiRuntime &rt) { openNew(rt); });
    ui::WindowDefinition def = w.definition();
    def.topLeft = placeAfter(rt, int(windows_.size()) - 1);
    rt.openWindow(def, false);
}

std::optional<QPoint> Windows::placeAfter(const ui::UiRuntime &rt, int count) const
{
    // The open window opened last before it; the first window's place is the definition's own.
    for (int i = count - 1; i >= 0; --i) {
        const QString &before = windows_[size_t(i)]->session().window();
        if (!rt.isOpen(before))
            continue;
        const QRect at(rt.getBounds({before, {}}, ui::Bound::Left), rt.getBounds({before, {}}, ui::Bound::Top),
                       rt.getBounds({before, {}}, ui::Bound::Width), rt.getBounds({before, {}}, ui::Bound::Height));
        return cascadeFrom(at, rt.screenAreas());
    }
    return std::nullopt;
}

} // namespace app
