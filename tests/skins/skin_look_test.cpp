// SPDX-License-Identifier: GPL-3.0-or-later
// Every window kind drawn under every skin, measured on the controls' own rectangles: text reads,
// edges show, drop-downs show an arrow at their right end and open on it, check and radio marks
// stand out, super-buttons answer the pointer and the press, toolbar pictures stand out.
#include "look_measure.h"
#include "window_tour.h"

#include "app/main_window.h"
#include "skins/catalogue.h"
#include "skins/skins.h"
#include "support/show_catcher.h"
#include "ui/testing.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

using namespace Qt::Literals::StringLiterals;
using lookmeasure::Figure;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif
#else
constexpr bool Sanitized = false;
#endif

// Spelt out: another file's constants may not be set up yet when this one's are.
const ui::ControlRef Toolbar{u"MainWindow"_s, u"新选择夹1"_s};
constexpr int ToolbarPages = 5;

struct Measured {
    QString window;
    Figure figure;
};

/// A drop-down opens its list on a click on its arrow, and an editable one still takes typing.
void checkDropDown(QComboBox *combo, const QString &where)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.subControls = QStyle::SC_All;
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return combo->view()->isVisible(); }, 2000))
        << where.toStdString() << ": the list does not open on a click on the arrow";
    combo->hidePopup();
    if (QLineEdit *edit = combo->lineEdit()) {
        const QString before = combo->currentText();
        edit->setFocus();
        edit->end(false);
        QTest::keyClicks(edit, u"1"_s);
        // Typing may complete to a longer item ("JavaScript1" → "JavaScript1.1").
        EXPECT_TRUE(combo->currentText().startsWith(before + u"1"_s))
            << where.toStdString() << ": typing does not reach the field: " << combo->currentText().toStdString();
        combo->setEditText(before);
    }
}

class SkinLook : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(SkinLook, EveryControlLooksLikeWhatItIs)
{
    const int n = GetParam();
    app::MainWindow mainWindow;
    ui::UiRuntime rt;
    skintour::openMainWindow(rt, mainWindow);
    skins::applySkin(rt, n);
    QApplication::processEvents();

    std::vector<Measured> figures;
    auto keep = [&](const QString &window, const std::vector<Figure> &found) {
        for (const Figure &f : found)
            figures.push_back({window, f});
    };

    // The MainWindow, each toolbar page in front in turn; its push buttons set the super-buttons' floor.
    QWidget *main = ui::testing::widget(rt, {app::MainWindowName, {}});
    ASSERT_NE(main, nullptr);
    double pushEdge = 21.0;
    {
        const std::vector<double> edges = lookmeasure::pushButtonEdges(main, main->grab().toImage());
        ASSERT_FALSE(edges.empty()) << "the MainWindow shows no push button";
        pushEdge = *std::min_element(edges.begin(), edges.end());
    }
    for (int page = 0; page < ToolbarPages; ++page) {
        rt.setCurrentPage(Toolbar, page);
        QApplication::processEvents();
        keep(app::MainWindowName, lookmeasure::measureWindow(main, main->grab().toImage(), pushEdge));
        keep(app::MainWindowName, lookmeasure::measureButtonStates(main));
    }
    rt.setCurrentPage(Toolbar, 0);
    keep(app::MainWindowName, lookmeasure::measureMenus(main));

    // The other windows; the sanitizer build takes a share of them per skin, all of them over
    // the 33 skins.
    const QStringList kinds = skintour::windowKinds().mid(1);
    for (int i = 0; i < kinds.size(); ++i) {
        if (Sanitized && i % 4 != n % 4)
            continue;
        skintour::visitWindow(rt, mainWindow, kinds[i], [&](QWidget *window) {
            keep(kinds[i], lookmeasure::measureWindow(window, window->grab().toImage(), pushEdge));
            keep(kinds[i], lookmeasure::measureButtonStates(window));
            for (QComboBox *combo : window->findChildren<QComboBox *>())
                if (combo->isVisibleTo(window))
                    checkDropDown(combo, kinds[i] + u'/' + combo->objectName());
        });
    }

    // The weakest figure of each check, for the record; every figure below its floor fails.
    std::map<QString, const Measured *> weakest;
    for (const Measured &m : figures) {
        auto &w = weakest[m.figure.check];
        if (!w || m.figure.value < w->figure.value)
            w = &m;
        if (!m.figure.passes())
            ADD_FAILURE() << "skin " << n << ", " << m.window.toStdString() << ", " << m.figure.control.toStdString()
                          << ": " << m.figure.check.toStdString() << " " << m.figure.value << " < " << m.figure.floor;
    }
    for (const auto &[check, m] : weakest)
        std::printf("skin %d weakest %s: %.2f (floor %.2f) at %s %s\n", n, qPrintable(check), m->figure.value,
                    m->figure.floor, qPrintable(m->window), qPrintable(m->figure.control));
    std::fflush(stdout);
    EXPECT_GT(figures.size(), 300u);

    testsupport::ShowCatcher<QMessageBox> noSave([](QMessageBox *box) { box->done(QMessageBox::No); });
    rt.closeWindow(app::MainWindowName);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(app::MainWindowName); }));
}

INSTANTIATE_TEST_SUITE_P(AllSkins, SkinLook, ::testing::Range(1, skins::SkinCount + 1));
