// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_bench.h"

#include "markup/hyperlink_dialog.h"
#include "markup/tag_dialog.h"
#include "ui/testing.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace bench {

namespace {

/// Waits until the window has been exposed, which paints it. A repaint asked for before then
/// paints nothing: a dialog closed at once would be measured without its painting.
void paintedOnScreen(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window))
        std::abort();
}

} // namespace

void tagDialogOpenClose(benchmark::State &state, ui::UiRuntime &rt, document::Session &s)
{
    rt.onWindowShown = [&rt](const QString &name) {
        paintedOnScreen(ui::testing::widget(rt, {name, {}}));
        rt.closeWindow(name);
    };
    for (auto _ : state)
        markup::openTagDialog(rt, markup::hyperlinkDialog(s));
    rt.onWindowShown = nullptr;
}

void bareDialog(benchmark::State &state)
{
    // The widgets the hyperlink dialog is built from, of the same classes: two group boxes,
    // three labels, two edit boxes, one editable combo box and seven picture (tool) buttons.
    for (auto _ : state) {
        QDialog d;
        d.resize(364, 211);
        auto *g1 = new QGroupBox(&d), *g2 = new QGroupBox(&d);
        new QLabel(u"URL："_s, g1);
        new QLabel(u"标题："_s, g2);
        new QLabel(u"目标："_s, g2);
        new QLineEdit(g1);
        new QLineEdit(g2);
        auto *c = new QComboBox(g2);
        c->setEditable(true);
        c->addItems({u"_top"_s, u"_self"_s, u"_blank"_s, u"_parent"_s});
        for (int i = 0; i < 7; ++i) {
            auto *b = new QToolButton(i < 5 ? g1 : static_cast<QWidget *>(&d));
            b->setText(u"b"_s);
        }
        QTimer::singleShot(0, &d, [&d] {
            paintedOnScreen(&d);
            d.accept();
        });
        d.exec();
    }
}

} // namespace bench
