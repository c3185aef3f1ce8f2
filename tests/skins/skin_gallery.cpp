// SPDX-License-Identifier: GPL-3.0-or-later
// The contact sheet of the skins: one PNG per skin showing the MainWindow and three dialogs as
// they are drawn under it, so that a person can look at every look at a glance.
//
//   skin_gallery OUTPUT_DIR [SKIN…]     (all 33 skins when none is named)
#include "skins/catalogue.h"
#include "skins/engine/skin_image.h"
#include "skins/skins.h"
#include "window_tour.h"

#include "app/startup.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QWidget>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

QString skinName(int n)
{
    const skins::ByteBuffer image = skins::skinImage(n);
    const auto skin = skinimage::decode(image.bytes, image.count);
    return skin ? QString::fromStdString(skin->name) : QString();
}

/// The MainWindow on the left, the dialogs stacked on the right, the skin's name above.
QImage sheet(int n, const QImage &main, const std::vector<QImage> &dialogs)
{
    const int gap = 12, title = 28;
    int right = 0, stacked = 0;
    for (const QImage &d : dialogs) {
        right = std::max(right, d.width());
        stacked += d.height() + gap;
    }
    QImage out(gap + main.width() + gap + right + gap, title + std::max(main.height(), stacked) + gap,
               QImage::Format_RGB32);
    out.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&out);
    QFont font = p.font();
    font.setPixelSize(16);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(gap, 0, out.width(), title), Qt::AlignVCenter, u"%1  %2"_s.arg(n).arg(skinName(n)));
    p.drawImage(gap, title, main);
    int y = title;
    for (const QImage &d : dialogs) {
        p.drawImage(gap + main.width() + gap, y, d);
        y += d.height() + gap;
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto application = app::createApplication(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fputs("usage: skin_gallery OUTPUT_DIR [SKIN...]\n", stderr);
        return 2;
    }
    const QString out = args[1];
    QDir().mkpath(out);
    std::vector<int> wanted;
    for (int i = 2; i < args.size(); ++i)
        wanted.push_back(args[i].toInt());
    if (wanted.empty())
        for (int n = 1; n <= skins::SkinCount; ++n)
            wanted.push_back(n);

    app::MainWindow mainWindow;
    ui::UiRuntime rt;
    skintour::openMainWindow(rt, mainWindow);
    const QStringList dialogs{u"HyperlinkDialog"_s, u"TextFieldDialog"_s, u"FontDialog"_s};
    for (int n : wanted) {
        skins::applySkin(rt, n);
        QImage main;
        std::vector<QImage> shots;
        skintour::visitWindow(rt, mainWindow, u"MainWindow"_s, [&](QWidget *w) { main = w->grab().toImage(); });
        for (const QString &kind : dialogs)
            skintour::visitWindow(rt, mainWindow, kind, [&](QWidget *w) { shots.push_back(w->grab().toImage()); });
        const QString file = u"%1/skin%2.png"_s.arg(out).arg(n, 2, 10, QChar(u'0'));
        if (!sheet(n, main, shots).save(file)) {
            std::fprintf(stderr, "skin_gallery: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    std::fflush(stdout);
    // Leave without the exit check's question.
    std::_Exit(0);
}
