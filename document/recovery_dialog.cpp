// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery_dialog.h"

#include "editing.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace document {

const QString RecoveryWindowName = u"RecoveryDialog"_s;

namespace {

const ui::ControlRef List{RecoveryWindowName, u"列表框1"_s};

/// What the window's handlers share: the copies as listed, in the list's order.
struct Offer {
    Recovery &recovery;
    std::vector<OrphanCopy> copies;
};

void restoreChosen(ui::UiRuntime &rt, Offer &offer)
{
    const int chosen = rt.getListIndex(List);
    if (chosen < 0 || chosen >= int(offer.copies.size()))
        return;
    if (!offer.recovery.restore(rt, offer.copies[size_t(chosen)]))
        rt.showMessage(u"这个恢复副本已经不在了，或者已经损坏：\n%1"_s.arg(offer.copies[size_t(chosen)].file), 48,
                       u"恢复失败"_s);
    rt.closeWindow(RecoveryWindowName);
}

void discardAll(ui::UiRuntime &rt, Offer &offer)
{
    if (rt.showMessage(u"全部 %1 个恢复副本都将被删除，其中的内容无法再找回。确定吗？"_s.arg(offer.copies.size()),
                       ui::MbYesNoCancel | ui::MbIconQuestion, u"询问"_s) != ui::IdYes)
        return;
    for (const OrphanCopy &copy : offer.copies)
        offer.recovery.store().discard(copy);
    rt.closeWindow(RecoveryWindowName);
}

void later(ui::UiRuntime &rt) { rt.closeWindow(RecoveryWindowName); }

} // namespace

QString recoveryListRow(const OrphanCopy &copy)
{
    const QFileInfo file(copy.header.path);
    const QString name = copy.header.path.isEmpty() ? u"未命名"_s : file.fileName();
    const QString folder = copy.header.path.isEmpty() ? u"—"_s : file.path();
    return u"%1    %2    %3    %4"_s.arg(name, folder, copy.changed.toString(u"yyyy-MM-dd HH:mm:ss"_s),
                                           sizeInKilobytes(copy.size));
}

ui::WindowDefinition recoveryDialog(Recovery &recovery, std::vector<OrphanCopy> copies)
{
    using ui::Event;
    using ui::Kind;
    QStringList rows;
    for (const OrphanCopy &copy : copies)
        rows << recoveryListRow(copy);
    auto offer = std::make_shared<Offer>(Offer{recovery, std::move(copies)});
    const auto with = [offer](void (*command)(ui::UiRuntime &, Offer &)) {
        return [offer, command](ui::UiRuntime &rt) { command(rt, *offer); };
    };
    return {
        .name = RecoveryWindowName,
        .caption = u"恢复未保存的文档"_s,
        .width = 560,
        .height = 300,
        .frame = ui::Frame::Fixed,
        .controls = {
            {.unit = u"标签1"_s, .kind = Kind::Label, .geometry = {12, 10, 536, 20},
             .caption = u"上次没有保存的文档（文件名、文件夹、修改时间、大小）："_s},
            {.unit = List.unit, .kind = Kind::ListBox, .geometry = {12, 34, 536, 200}, .items = rows,
             .bindings = {{Event::ItemDoubleClicked, with(restoreChosen)}}},
            {.unit = u"按钮1"_s, .kind = Kind::PushButton, .geometry = {276, 246, 84, 28}, .caption = u"恢复"_s,
             .bindings = {{Event::Clicked, with(restoreChosen)}}},
            {.unit = u"按钮2"_s, .kind = Kind::PushButton, .geometry = {370, 246, 84, 28}, .caption = u"全部丢弃"_s,
             .bindings = {{Event::Clicked, with(discardAll)}}},
            {.unit = u"按钮3"_s, .kind = Kind::PushButton, .geometry = {464, 246, 84, 28}, .caption = u"以后再说"_s,
             .bindings = {{Event::Clicked, later}}},
        },
        .bindings = {{Event::Created, [](ui::UiRuntime &rt) { rt.setListIndex(List, 0); }}},
        .shortcuts = {{u"Esc"_s, {}, later}},
    };
}

void offerRecovery(ui::UiRuntime &rt, Recovery &recovery)
{
    std::vector<OrphanCopy> copies = recovery.store().orphans();
    if (!copies.empty())
        rt.openWindow(recoveryDialog(recovery, std::move(copies)), true);
}

} // namespace document
