// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's files and dialogs: message boxes, the fatal-error report, and the common dialog
// with its settings kept between showings (open, save and font modes).
#include "runtime_impl.h"

#include "file_dialog.h"
#include "font_dialog.h"
#include "widgets.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

// ---- message boxes -------------------------------------------------------------------------

int UiRuntime::showMessage(const core::Text &text, int flags, const core::Text &caption)
{
    QMessageBox box;
    box.setTextFormat(Qt::PlainText); // messages may quote markup
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setWindowTitle(caption.isEmpty() ? QStringLiteral("信息：") : caption);
    box.setWindowModality(Qt::ApplicationModal);
    switch (flags & 0x70) {
    case 0x10: box.setIcon(QMessageBox::Critical); break;
    case 0x20: box.setIcon(QMessageBox::Question); break;
    case 0x30: box.setIcon(QMessageBox::Warning); break;
    case 0x40: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    using B = QMessageBox::StandardButton;
    std::vector<std::pair<B, int>> buttons;
    switch (flags & 0x0F) {
    case 1: buttons = {{B::Ok, IdOk}, {B::Cancel, IdCancel}}; break;
    case 2: buttons = {{B::Abort, IdAbort}, {B::Retry, IdRetry}, {B::Ignore, IdIgnore}}; break;
    case 3: buttons = {{B::Yes, IdYes}, {B::No, IdNo}, {B::Cancel, IdCancel}}; break;
    case 4: buttons = {{B::Yes, IdYes}, {B::No, IdNo}}; break;
    case 5: buttons = {{B::Retry, IdRetry}, {B::Cancel, IdCancel}}; break;
    default: buttons = {{B::Ok, IdOk}}; break;
    }
    for (const auto &[b, code] : buttons)
        box.addButton(b);
    box.setDefaultButton(buttons.front().first);
    if (flags & 0x0F)
        box.setEscapeButton(buttons.back().first == B::Ok ? B::Ok : buttons.back().first);
    const int pressed = box.exec();
    for (const auto &[b, code] : buttons)
        if (pressed == b)
            return code;
    // Closed without a button (Esc or the close box): the escape button's code.
    return buttons.size() > 1 ? buttons.back().second : IdOk;
}

int UiRuntime::askWithButtons(const core::Text &text, const core::Text &caption, const QStringList &buttons,
                              int defaultButton, int escapeButton)
{
    QMessageBox box;
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowTitle(caption);
    box.setWindowModality(Qt::ApplicationModal);
    box.setIcon(QMessageBox::Question);
    std::vector<QPushButton *> added;
    for (const QString &b : buttons)
        added.push_back(box.addButton(b, QMessageBox::AcceptRole));
    if (defaultButton >= 0 && defaultButton < int(added.size()))
        box.setDefaultButton(added[size_t(defaultButton)]);
    if (escapeButton >= 0 && escapeButton < int(added.size()))
        box.setEscapeButton(added[size_t(escapeButton)]);
    box.exec();
    const auto pressed = std::find(added.begin(), added.end(), box.clickedButton());
    return pressed == added.end() ? escapeButton : int(pressed - added.begin());
}

core::Text UiRuntime::fatalErrorText(const core::Text &message, int code)
{
    QString text = QStringLiteral("运行时出错!\r\n\r\n");
    if (code != 0)
        text += QStringLiteral("错误代码：") + QString::number(code) + QStringLiteral("\r\n\r\n");
    if (!message.isEmpty())
        text += QStringLiteral("错误信息：") + message + QStringLiteral("\r\n");
    return text;
}

void UiRuntime::fatalError(const core::Text &message, int code)
{
    const QString text = fatalErrorText(message, code);
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fputs(shown.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Critical, QString(), shown, QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
    std::fflush(nullptr);
    std::_Exit(-1);
}

// ---- the common dialog ---------------------------------------------------------------------


void UiRuntime::setDialogMode(const ControlRef &dialog, int mode)
{
    if (auto *cd = d->as<CommonDialog>(dialog))
        cd->mode = mode;
}

int UiRuntime::getDialogMode(const ControlRef &dialog) const
{
    auto *cd = d->as<CommonDialog>(dialog);
    return cd ? cd->mode : 0;
}

void UiRuntime::setDialogFilter(const ControlRef &dialog, const core::Text &filter)
{
    if (auto *cd = d->as<CommonDialog>(dialog))
        cd->filter = filter;
}

core::Text UiRuntime::getDialogFilter(const ControlRef &dialog) const
{
    auto *cd = d->as<CommonDialog>(dialog);
    return cd ? cd->filter : core::Text();
}

void UiRuntime::setDialogFileName(const ControlRef &dialog, const core::Text &path)
{
    if (auto *cd = d->as<CommonDialog>(dialog))
        cd->fileName = path;
}

core::Text UiRuntime::getDialogFileName(const ControlRef &dialog) const
{
    auto *cd = d->as<CommonDialog>(dialog);
    return cd ? cd->fileName : core::Text();
}

FontFields UiRuntime::getDialogFont(const ControlRef &dialog) const
{
    auto *cd = d->as<CommonDialog>(dialog);
    return cd ? cd->font : FontFields();
}

void UiRuntime::setDialogFont(const ControlRef &dialog, const FontFields &font)
{
    if (auto *cd = d->as<CommonDialog>(dialog))
        cd->font = font;
}

QStringList fileDialogNameFilters(const QString &filter)
{
    // "name|pattern|name|pattern…" → "name (pattern)"; a pattern may list several, split by ';'.
    QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        QStringList list = patterns.split(u';', Qt::SkipEmptyParts);
        // "*.*" means every file, also those without a dot in their name.
        for (QString &p : list)
            if (p.trimmed() == u"*.*")
                p = QStringLiteral("*");
        out << QStringLiteral("%1 (%2)").arg(parts[i], list.join(u' '));
    }
    return out;
}

bool UiRuntime::showFileDialog(const ControlRef &dialog)
{
    auto *cd = d->as<CommonDialog>(dialog);
    if (!cd)
        return false;
    if (cd->mode == FontMode)
        return showFontDialog(cd->font, cd->title);
    const QString chosen = chooseFile({.title = cd->title,
                                       .filter = cd->filter,
                                       .initialFilter = cd->initialFilter,
                                       .save = cd->mode == SaveFileMode,
                                       .fileName = cd->fileName});
    if (chosen.isEmpty())
        return false;
    cd->fileName = chosen;
    return true;
}

} // namespace ui
