// SPDX-License-Identifier: GPL-3.0-or-later
// A long seeded session with the real MainWindow, driven as a user drives it: menu items, toolbar
// buttons, keyword-list double clicks, typing, caret moves and selections, the editor's pop-up
// menu; every window that appears (element dialogs and their companions, preferences, message
// boxes, file dialogs) is filled in and answered at random. Files are only ever written into a
// temporary folder.
//
// After every step the status bar shows the size of the editor's text as a save would write it,
// and the text is what a simple model of the step predicts: typing and pasting insert exactly
// their text over the selection, cutting and deleting remove exactly the selection, an element
// dialog's OK inserts one element over the selection (exactly the element, for the dialogs whose
// output is modelled below), its Cancel changes nothing, a snippet inserts a text over the
// selection, and the commands that only show or set something change nothing.
//
// QUILLMERE_SOAK_SEED picks the seed (default: from the clock), QUILLMERE_SOAK_STEPS runs exactly
// that many steps, otherwise the run lasts QUILLMERE_SOAK_SECONDS (default 60). A failure prints
// the seed and the step, so that the run can be replayed.
#include "app/main_window.h"
#include "document/commands.h"
#include "document/editing.h"
#include "document/recovery.h"
#include "document/session.h"
#include "document/templates.h"
#include "markup/commands.h"
#include "markup/page_check.h"
#include "markup/page_check_window.h"
#include "markup/snippets.h"
#include "markup/tag_rename.h"
#include "prefs/commands.h"
#include "reference/commands.h"
#include "ui/runtime.h"
#include "ui/testing.h"
#include "soak_model.h"
#include "soak_session.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

using namespace soak;


QSet<QString> unitsOf(const std::vector<ui::UnitBinding> &bindings)
{
    QSet<QString> units;
    for (const auto &b : bindings)
        units.insert(b.unit);
    return units;
}

class SoakTest : public ::testing::Test, public Session {
protected:
    void SetUp() override
    {
        seed_ = qEnvironmentVariableIsSet("QUILLMERE_SOAK_SEED")
                    ? qEnvironmentVariable("QUILLMERE_SOAK_SEED").toULongLong()
                    : quint64(QDateTime::currentMSecsSinceEpoch());
        rng_.seed(seed_);
        std::printf("soak: seed %llu (replay with QUILLMERE_SOAK_SEED=%llu)\n", (unsigned long long)seed_,
                    (unsigned long long)seed_);
        std::fflush(stdout);

        const ui::WindowDefinition def = main_.definition();
        rt.openWindow(def, false);
        startRecovery();
        snippets_ = unitsOf(markup::snippetCommands(main_.session()));
        const QSet<QString> markupUnits = unitsOf(markup::mainWindowBindings(main_.session()));
        documentUnits_ = unitsOf(document::mainWindowBindings(main_.session()));
        for (const auto &c : def.controls) {
            const bool clicked = std::any_of(c.bindings.begin(), c.bindings.end(),
                                             [](const ui::Binding &b) { return b.event == ui::Event::Clicked; });
            if (!clicked)
                continue;
            if (c.kind == ui::Kind::MenuItem && c.unit != u"文件/退出"_s && !c.unit.startsWith(u"鼠标菜单/"_s))
                menuItems_ << c.unit;
            else if (c.kind == ui::Kind::PictureButton || c.kind == ui::Kind::PushButton)
                buttons_ << c.unit;
            if (markupUnits.contains(c.unit) && !snippets_.contains(c.unit))
                dialogOpeners_.insert(c.unit);
        }
        for (const QString &list : {u"列表框1"_s, u"列表框2"_s, u"列表框3"_s, u"列表框4"_s})
            if (ui::testing::widget(rt, {Main, list}))
                lists_ << list;
        ASSERT_GT(menuItems_.size(), 50);
        ASSERT_GT(buttons_.size(), 30);
        ASSERT_FALSE(dialogOpeners_.isEmpty());
        qApp->installEventFilter(this);
    }

    void TearDown() override
    {
        const QByteArray last = capture().buffer;
        std::printf("soak: the text ends as %lld bytes, checksum %08x\n", (long long)last.size(),
                    unsigned(qChecksum(last)));
        // The exit check's question and dialogs are answered at random like everything else.
        if (rt.isOpen(Main))
            rt.closeWindow(Main);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !rt.isOpen(Main); }, 60000));
        qApp->removeEventFilter(this);
        std::printf("soak: %d steps (%d dialogs answered OK, %d cancelled or closed, %d message boxes, %d file "
                    "dialogs), seed %llu\n",
                    steps_, dialogsOk_, dialogsCancelled_, boxes_, fileDialogs_, (unsigned long long)seed_);
    }

    // ---- Recovery: a kill and a new start, as far as one process can play them ----------------

    void startRecovery()
    {
        recoveryStore_ = std::make_unique<document::RecoveryStore>(recoveryState_.path());
        recovery_ = std::make_unique<document::Recovery>(*recoveryStore_, main_.session());
        recovery_->start(rt);
    }
    /// Takes the copy as the timer does, abandons the store as a killed process leaves it, and
    /// puts the copy back from a new one: the text comes back byte for byte, in its encoding.
    void killAndRecover(const QString &context)
    {
        QCoreApplication::processEvents(); // the last change reported
        recovery_->writer()->waitIdle();    // a copy the timer started is not all there is
        recovery_->keep(rt);
        recovery_->writer()->waitIdle();
        const QByteArray buffer = capture().buffer;
        const core::Encoding encoding = main_.session().encoding();
        main_.session().setRecovery(nullptr);
        recovery_.reset();
        recoveryStore_.reset();
        startRecovery();
        const auto copies = recoveryStore_->orphans();
        ASSERT_LE(copies.size(), 1u) << context.toStdString();
        if (copies.empty())
            return; // the text was the one last opened, saved or started with
        ASSERT_TRUE(recovery_->restore(rt, copies[0])) << context.toStdString();
        ASSERT_EQ(capture().buffer, buffer) << context.toStdString();
        ASSERT_EQ(main_.session().encoding(), encoding) << context.toStdString();
        ++recovered_;
    }

    QTemporaryDir recoveryState_;
    std::unique_ptr<document::RecoveryStore> recoveryStore_;
    std::unique_ptr<document::Recovery> recovery_;
    int recovered_ = 0;

    // The steps.

    /// Does one random step and says what it may do to the text.
    Expectation step()
    {
        okDialogs_.clear();
        firstWindow_.clear();
        savedTo_.clear();
        saveFailed_ = false;
        contextItem_.clear();
        QsciScintilla *e = editor();
        const int kind = pick(0, 99);
        if (kind < 18) { // typing
            if (chance(40))
                return typingHelpStep();
            // Exactly what is typed goes in: '<', '>', '/' and '&', which typing help answers with
            // text, are typed in its own step; the lists it opens take nothing unless Return does.
            // In a tag's name, the other tag of its pair is renamed with it.
            const bool renames = keyEditsTagName(Qt::Key_A);
            QString typed, inserted;
            for (int i = pick(1, 12); i > 0; --i) {
                static const QStringList keys = {u"a"_s, u"b"_s, u"\""_s, u"'"_s, u"="_s, u" "_s,
                                                 u"中"_s, u"文"_s, u"页"_s, u"1"_s, u"\n"_s};
                const QString k = oneOf(keys);
                if (k == u"\n"_s) {
                    QTest::keyClick(e, Qt::Key_Escape); // a list the typing help opened would take Return
                    QTest::keyClick(e, Qt::Key_Return);
                    inserted += u"\r\n"_s;
                } else {
                    QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, k, Qt::NoModifier);
                    inserted += k;
                }
                typed += k;
            }
            if (renames)
                return {Change::Any, {}, {}, u"typing in a tag's name "_s + typed};
            return {Change::Exact, core::textToEditorBytes(inserted), {}, u"typing "_s + typed};
        }
        if (kind < 32) { // caret moves and selections, by keys or the mouse
            if (chance(30)) {
                const QPoint at(pick(0, e->viewport()->width() - 1), pick(0, e->viewport()->height() - 1));
                QTest::mouseClick(e->viewport(), Qt::LeftButton, chance(30) ? Qt::ShiftModifier : Qt::NoModifier, at);
            } else {
                static const QList<Qt::Key> moves = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                                     Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
                for (int i = pick(1, 6); i > 0; --i) {
                    Qt::KeyboardModifiers mods = chance(50) ? Qt::ShiftModifier : Qt::NoModifier;
                    if (chance(15))
                        mods |= Qt::ControlModifier;
                    QTest::keyClick(e, oneOf(moves), mods);
                }
            }
            return {Change::None, {}, {}, u"caret moves"_s};
        }
        if (kind < 36) {
            const bool back = chance(50);
            const bool renames = keyEditsTagName(back ? Qt::Key_Backspace : Qt::Key_Delete);
            QTest::keyClick(e, back ? Qt::Key_Backspace : Qt::Key_Delete);
            if (renames)
                return {Change::Any, {}, {}, back ? u"Backspace in a tag's name"_s : u"Delete in a tag's name"_s};
            return {back ? Change::CharBefore : Change::CharAfter, {}, {}, back ? u"Backspace"_s : u"Delete"_s};
        }
        if (kind < 42 && !lists_.isEmpty()) { // a keyword double-clicked
            const QString unit = oneOf(lists_);
            auto *list = qobject_cast<QListWidget *>(ui::testing::widget(rt, {Main, unit}));
            if (!list || list->count() == 0)
                return {Change::None, {}, {}, u"empty list "_s + unit};
            for (QWidget *p = list->parentWidget(); p; p = p->parentWidget())
                if (p->objectName() == u"新选择夹2"_s)
                    for (int page = 0; page < 4 && !list->isVisible(); ++page)
                        rt.setCurrentPage({Main, p->objectName()}, page);
            QListWidgetItem *item = list->item(pick(0, list->count() - 1));
            list->doItemsLayout(); // a list never shown lays out its rows only on demand
            list->scrollToItem(item);
            const QPoint at(list->visualItemRect(item).left() + 8, list->visualItemRect(item).center().y());
            // Through the window, so that press, release, press and double click all arrive.
            QWidget *window = list->window();
            QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, list->viewport()->mapTo(window, at));
            return {Change::Exact, core::textToEditorBytes(item->text()), {}, u"double click on "_s + item->text()};
        }
        if (kind < 46) { // the editor's pop-up menu
            const QRect r = e->viewport()->rect();
            QTest::mouseClick(e->viewport(), Qt::RightButton, {}, QPoint(pick(0, r.width() - 1), pick(0, r.height() - 1)));
            if (!QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }, 5000))
                ADD_FAILURE() << "the pop-up menu stays open";
            if (contextItem_.isEmpty())
                return {Change::None, {}, {}, u"pop-up menu dismissed"_s};
            return {}; // judged from the item and the state when it was clicked, below
        }
        // The features reached by keyboard shortcuts and the encodings.
        if (kind < 50)
            return findStep();
        if (kind < 52)
            return goToLineStep();
        if (kind < 54) { // Ctrl+E: the element at the caret in its dialog, answered at random
            pressShortcut(Qt::Key_E);
            return {okDialogs_.empty() ? Change::None : Change::Any, {}, {}, u"Ctrl+E"_s};
        }
        if (kind < 56)
            return openPageStep();
        if (kind < 58)
            return pageCheckStep();
        const bool menu = kind < 78;
        const QString unit = menu ? oneOf(menuItems_) : oneOf(buttons_);
        if (menu) {
            QAction *action = ui::testing::menuAction(rt, {Main, unit});
            if (!action->isEnabled()) // greyed out: a click does nothing
                return {Change::None, {}, {}, u"disabled "_s + unit};
            action->trigger();
        }
        else if (auto *b = qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {Main, unit})))
            b->click(); // also on a toolbar page that is not in front
        return expectationFor(unit);
    }

    /// Whether the key (a letter, Backspace or Delete) edits a tag's name, where typing help may
    /// rename the other tag of its pair as well.
    bool keyEditsTagName(Qt::Key key)
    {
        using B = QsciScintillaBase;
        QsciScintilla *e = editor();
        long from = e->SendScintilla(B::SCI_GETSELECTIONSTART), to = e->SendScintilla(B::SCI_GETSELECTIONEND);
        if (from == to && key == Qt::Key_Backspace)
            from = e->SendScintilla(B::SCI_POSITIONBEFORE, from);
        else if (from == to && key == Qt::Key_Delete)
            to = e->SendScintilla(B::SCI_POSITIONAFTER, to);
        const long start = std::max(0L, from - 512), end = std::min(e->SendScintilla(B::SCI_GETLENGTH), to + 512);
        const QByteArray near(reinterpret_cast<const char *>(e->SendScintilla(B::SCI_GETRANGEPOINTER, start, end - start)),
                              end - start);
        return markup::mayEditTagName(near, from - start, to - start, key == Qt::Key_A ? u"a"_s : QString());
    }

    /// Markup typed with typing help on: end tags closed and completed, lists opened, narrowed,
    /// taken with Enter or Tab or closed with Esc. Whatever the help adds goes in at the caret;
    /// the step ends with no list open, so that Enter in a later step is a line break again.
    Expectation typingHelpStep()
    {
        QsciScintilla *e = editor();
        // The other tag of a pair follows its name: a key may type into a name, or into one an
        // earlier key of the step has made (a '<' typed before "var></var>").
        bool renames = false;
        static const QStringList keys = {u"<"_s, u">"_s, u"/"_s, u"&"_s, u"t"_s, u"d"_s, u"a"_s, u"b"_s, u"c"_s,
                                         u"o"_s, u" "_s, u"\""_s, u"="_s, u"!"_s, u"-"_s, u"%"_s, u":"_s, u"."_s, u"中"_s};
        QString typed;
        for (int i = pick(1, 16); i > 0; --i) {
            const int k = typed.isEmpty() ? pick(0, int(keys.size()) - 1) : pick(0, int(keys.size()) + 2);
            if (k < keys.size()) {
                renames = renames || keyEditsTagName(Qt::Key_A);
                QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, keys[k], Qt::NoModifier);
                typed += keys[k];
            } else {
                // Tab only takes an open list: elsewhere, with the caret in a line's indentation,
                // it re-indents the line, which is no insertion at the caret.
                const bool listOpen = e->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0;
                const Qt::Key key = k == keys.size() ? Qt::Key_Return
                                    : k == keys.size() + 1 && listOpen ? Qt::Key_Tab
                                                                        : Qt::Key_Escape;
                QTest::keyClick(e, key);
                typed += key == Qt::Key_Return ? u"⏎"_s : key == Qt::Key_Tab ? u"⇥"_s : u"⎋"_s;
            }
        }
        QTest::keyClick(e, Qt::Key_Escape);
        return {renames ? Change::Any : Change::Insertion, {}, {}, u"typing with help "_s + typed};
    }

    /// Ctrl+F or Ctrl+H, a text to find (most often one that is in the text) and a replacement,
    /// options ticked at random, one of the search buttons, then the window closed. A plain,
    /// case-sensitive search selects exactly its text; such a replace-all over the whole text
    /// replaces every occurrence from the start, and nothing else.
    /// Presses keys in a window, which its shortcuts take while it is the active window.
    static void press(QWidget *focus, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QWidget *window = focus->window();
        window->activateWindow();
        (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 5000);
        focus->setFocus();
        QTest::keyClick(focus, key, modifiers);
    }
    void pressShortcut(Qt::Key key) { press(editor(), key); }

    Expectation findStep()
    {
        pressShortcut(chance(50) ? Qt::Key_F : Qt::Key_H);
        QWidget *field = rt.isOpen(FindWindow) ? ui::testing::widget(rt, {FindWindow, u"编辑框1"_s}) : nullptr;
        QWidget *host = field ? field->window() : nullptr;
        if (!host) {
            ADD_FAILURE() << "Ctrl+F or Ctrl+H opened no find window";
            return {};
        }
        const QString text = rt.getEditorText(Editor);
        QString needle;
        if (!text.isEmpty() && chance(70)) {
            qsizetype from = pick(0, int(text.size()) - 1), n = pick(1, 8);
            while (from > 0 && text.at(from).isLowSurrogate())
                --from;
            needle = text.mid(from, n);
            if (!needle.isEmpty() && needle.back().isHighSurrogate())
                needle.chop(1);
            // Raw bytes stand in the text for what no one can type (and what a paste through the
            // clipboard, where enterText puts such a text, would not bring back).
            needle.removeIf([](QChar c) { return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF; });
        } else {
            needle = randomText().left(12);
        }
        enterText(field, needle);
        enterText(ui::testing::widget(rt, {FindWindow, u"编辑框2"_s}), randomText().left(12));
        // As the fields hold them (a line break typed into one is not taken).
        needle = rt.getFieldText({FindWindow, u"编辑框1"_s});
        const QString replacement = rt.getFieldText({FindWindow, u"编辑框2"_s});
        std::map<int, bool> ticked;
        for (int box = 1; box <= 5; ++box) {
            if (chance(20))
                qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {FindWindow, u"选择框%1"_s.arg(box)}))->click();
            ticked[box] = rt.isChecked({FindWindow, u"选择框%1"_s.arg(box)});
        }
        const bool plain = ticked[1] && !ticked[2] && !ticked[3] && !ticked[5] && !needle.isEmpty();
        const int button = pick(1, 4);
        const EditorState before = capture();
        if (auto *b = qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {FindWindow, u"按钮%1"_s.arg(button)})))
            b->click();
        const EditorState after = capture();
        const QString why = u"find «%1» → «%2», options %3%4%5%6%7, button %8"_s.arg(needle, replacement)
                                .arg(ticked[1]).arg(ticked[2]).arg(ticked[3]).arg(ticked[4]).arg(ticked[5]).arg(button);
        if (button <= 2 && plain && after.end > after.start && (after.start != before.start || after.end != before.end)) {
            EXPECT_EQ(after.buffer.mid(after.start, after.end - after.start), core::textToEditorBytes(needle))
                << why.toStdString() << ", seed " << seed_;
        }
        if (chance(50))
            press(field, Qt::Key_Escape, Qt::NoModifier);
        if (rt.isOpen(FindWindow))
            qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {FindWindow, u"按钮5"_s}))->click();
        if (button <= 2)
            return {Change::None, {}, {}, why};
        if (button == 4 && plain) {
            QByteArray all = before.buffer;
            all.replace(core::textToEditorBytes(needle), core::textToEditorBytes(replacement));
            EXPECT_EQ(after.buffer, all) << why.toStdString() << ", seed " << seed_;
            ++replacedAllChecked_;
        }
        return {Change::Any, {}, {}, why};
    }

    /// F7, 重新检查, now and then 修正 on some of the rows that offer it, 关闭. The fixed text is
    /// the text with exactly the chosen rows' fixes made: nothing changes where nothing was fixed.
    Expectation pageCheckStep()
    {
        const ui::ControlRef status{markup::PageCheckWindowName, u"标签4"_s};
        const auto button = [this](const QString &unit) {
            return qobject_cast<QAbstractButton *>(ui::testing::widget(rt, {markup::PageCheckWindowName, unit}));
        };
        const auto done = [&] { return rt.isOpen(markup::PageCheckWindowName) && !rt.getCaption(status).startsWith(u"正在"_s); };
        press(editor(), Qt::Key_F7, Qt::NoModifier);
        if (!QTest::qWaitFor(done, 10000) || (button(u"按钮1"_s)->click(), !QTest::qWaitFor(done, 10000))) {
            ADD_FAILURE() << "F7: no check finished, seed " << seed_;
            return {Change::Any, {}, {}, u"F7"_s};
        }
        const QByteArray text = capture().buffer;
        const std::vector<markup::Finding> findings =
            markup::checkPage(text, {main_.session().encoding(), main_.session().path(), {}, {}});
        auto *list = qobject_cast<QListWidget *>(ui::testing::widget(rt, {markup::PageCheckWindowName, u"列表框1"_s}));
        EXPECT_EQ(size_t(list->count()), findings.size()) << "seed " << seed_;
        std::vector<markup::CheckFix> chosen;
        for (int k = 0; k < list->count() && size_t(k) < findings.size(); ++k)
            if (findings[size_t(k)].fix && chance(50)) {
                list->item(k)->setSelected(true);
                if (chosen.empty() || chosen.back().to <= findings[size_t(k)].fix->from)
                    chosen.push_back(*findings[size_t(k)].fix);
            }
        const bool fixes = !chosen.empty() && chance(70);
        if (fixes) {
            button(u"按钮2"_s)->click();
            EXPECT_EQ(capture().buffer, markup::withFixes(text, chosen)) << "修正, seed " << seed_;
            pageFixes_ += int(chosen.size());
        }
        ++pageChecks_;
        button(u"按钮4"_s)->click();
        return {fixes ? Change::Any : Change::None, {}, {}, fixes ? u"F7 and 修正"_s : u"F7"_s};
    }

    /// Ctrl+G, answered at random; an accepted line in range puts the caret on it.
    Expectation goToLineStep()
    {
        const int lines = rt.getLineCount(Editor);
        const int target = pick(0, lines + 1);
        goToLine_ = target;
        pressShortcut(Qt::Key_G);
        if (okDialogs_.count(u"GoToLineDialog"_s) && okDialogs_[u"GoToLineDialog"_s][u"编辑框1"_s] == QString::number(target) &&
            target < lines) {
            EXPECT_EQ(rt.getCaretLine(Editor), target) << "go to line " << target << ", seed " << seed_;
        }
        return {Change::None, {}, {}, u"go to line"_s};
    }

    /// A page written into the folder in one of the encodings (GB18030, UTF-8 with and without
    /// the byte order mark, declared or not, now and then with a raw byte), then 文件/打开.
    Expectation openPageStep()
    {
        QString page = u"<meta charset=\"%1\"><p>"_s.arg(chance(50) ? u"utf-8"_s : u"gb2312"_s);
        for (int i = pick(1, 20); i > 0; --i)
            page += randomText().left(40);
        QByteArray bytes;
        switch (pick(0, 3)) {
        case 0: bytes = core::textToBytes(page); break;
        case 1: bytes = page.toUtf8(); break;
        case 2: bytes = "\xEF\xBB\xBF" + page.toUtf8(); break;
        default: bytes = page.toUtf8() + "\xFF"; break;
        }
        QFile f(folder_.filePath(u"编码%1.html"_s.arg(pick(0, 3))));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        f.close();
        ui::testing::menuAction(rt, {Main, u"文件/打开"_s})->trigger();
        return expectationFor(u"文件/打开"_s);
    }

    Expectation expectationFor(const QString &unit)
    {
        const QString why = u"command "_s + unit;
        const QString command = unit.section(u'/', -1);
        if (snippets_.contains(unit))
            return {Change::Insertion, {}, {}, why};
        if (dialogOpeners_.contains(unit)) {
            // Only the dialog the command opened inserts; its companions fill its lists.
            const auto ok = okDialogs_.find(firstWindow_);
            if (ok == okDialogs_.end())
                return {Change::None, {}, {}, why + u", cancelled"_s};
            const auto &[dialog, fields] = *ok;
            const auto model = elementModels().find(dialog);
            if (model == elementModels().end())
                return {Change::Insertion, {}, {}, why + u", OK in "_s + dialog};
            const QString element = model->second(fields);
            if (element.isEmpty())
                return {Change::None, {}, {}, why + u", OK in "_s + dialog + u" with fields it turns down"_s};
            return {Change::Exact, core::textToEditorBytes(element), {}, why + u", OK in "_s + dialog};
        }
        if (!documentUnits_.contains(unit))
            return {Change::None, {}, {}, why}; // preferences, information, tools
        if (unit.startsWith(u"文件/新建/"_s)) {
            const document::Pieces &pieces = unit.endsWith(u"html文件"_s) ? document::newPageTemplate()
                                             : unit.endsWith(u"asp文件"_s) ? document::aspTemplate()
                                                                          : document::cssTemplate();
            QString t;
            for (const auto &p : pieces)
                t += p;
            return {Change::OneOf, {}, {core::textToEditorBytes(t)}, why};
        }
        if (unit == u"文件/打开"_s) {
            Expectation x{Change::OneOf, {}, {}, why};
            for (const QString &f : QDir(folder_.path()).entryList(QDir::Files)) {
                QFile file(folder_.filePath(f));
                if (file.open(QIODevice::ReadOnly)) {
                    QByteArray bytes = file.readAll();
                    const core::Encoding encoding = core::detectEncoding(bytes).encoding;
                    x.texts.push_back(core::fileBytesToEditorBytes(std::move(bytes), encoding));
                }
            }
            return x;
        }
        if (command == u"撤消"_s)
            return {Change::Any, {}, {}, why};
        if (command == u"剪切"_s || command == u"删除"_s)
            return {Change::Removal, {}, {}, why};
        // A clipboard without text pastes nothing, and the selection stays.
        if (command == u"粘贴"_s)
            return clipboardHadText_ ? Expectation{Change::Exact, core::textToEditorBytes(clipboardBefore_), {}, why}
                                     : Expectation{Change::None, {}, {}, why};
        return {Change::None, {}, {}, why, command == u"保存"_s || command == u"另存为..."_s}; // copy, select all, save
    }

    /// The status bar and the editor agree with the bytes a save would write.
    void expectStatusMatchesText(const QString &context)
    {
        const QString text = rt.getEditorText(Editor);
        const core::Encoding encoding = main_.session().encoding();
        const qint64 bytes = rt.getEditorBytes(Editor, encoding).size();
        if (encoding == core::Encoding::Gb18030) {
            ASSERT_EQ(core::textToBytes(text).size(), bytes) << context.toStdString();
            ASSERT_EQ(core::textLength(text), bytes) << context.toStdString();
        }
        ASSERT_EQ(rt.getEditorByteLength(Editor, encoding), bytes) << context.toStdString();
        ASSERT_EQ(rt.getPanelText({Main, u"状态条1"_s}, 7), document::sizeInKilobytes(bytes)) << context.toStdString();
        ASSERT_EQ(rt.getPanelText({Main, u"状态条1"_s}, 1), core::toText(rt.getLineCount(Editor))) << context.toStdString();
    }

};

} // namespace

TEST_F(SoakTest, RandomSessionKeepsTheTextAndTheStatusRight)
{
    const bool counted = qEnvironmentVariableIsSet("QUILLMERE_SOAK_STEPS");
    const int maxSteps = counted ? qEnvironmentVariable("QUILLMERE_SOAK_STEPS").toInt() : 1000000;
    const qint64 seconds = qEnvironmentVariableIsSet("QUILLMERE_SOAK_SECONDS")
                               ? qEnvironmentVariable("QUILLMERE_SOAK_SECONDS").toLongLong()
                               : 60;
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(folder_.isValid());
    for (steps_ = 0; steps_ < maxSteps && (counted || clock.elapsed() < seconds * 1000); ++steps_) {
        const EditorState before = capture();
        clipboardBefore_ = QApplication::clipboard()->text();
        const QMimeData *clipboard = QApplication::clipboard()->mimeData();
        clipboardHadText_ = clipboard && clipboard->hasText();
        Expectation x = step();
        // Windows that do not hold the command up (the modeless ones) are answered meanwhile.
        const auto othersClosed = [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->objectName() != Main && (qobject_cast<QMainWindow *>(w) || qobject_cast<QDialog *>(w)))
                    return false;
            return true;
        };
        QCoreApplication::processEvents();
        (void)QTest::qWaitFor(othersClosed, 10000); // what stays open is reported below
        EditorState judgedFrom = before;
        if (!contextItem_.isEmpty()) { // a pop-up menu item: judged from the moment it was clicked
            judgedFrom = contextBefore_;
            x = expectationFor(contextItem_);
        }
        const QString context = u"step %1 (%2), seed %3"_s.arg(steps_).arg(x.why).arg(seed_);
        const EditorState after = capture();
        const QString wrong = mismatch(judgedFrom, after.buffer, x);
        ASSERT_TRUE(wrong.isEmpty()) << context.toStdString() << ": " << wrong.toStdString()
                                     << "\nreplay: QUILLMERE_SOAK_SEED=" << seed_ << " QUILLMERE_SOAK_STEPS=" << steps_ + 1;
        ASSERT_NO_FATAL_FAILURE(expectStatusMatchesText(context));
        // A save that was not reported as failed wrote exactly the text.
        if (x.saves && !savedTo_.isEmpty() && !saveFailed_ && QFileInfo(savedTo_).isFile()) {
            QFile f(savedTo_);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            ASSERT_EQ(f.readAll(), core::editorBytesToFileBytes(before.buffer, main_.session().encoding()))
                << context.toStdString();
        }
        // Every window the step opened has closed again.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() != Main && (qobject_cast<QMainWindow *>(w) || qobject_cast<QDialog *>(w)))
                FAIL() << context.toStdString() << ": left open: " << w->objectName().toStdString() << " "
                       << w->windowTitle().toStdString();
        if (steps_ % 100 == 99)
            ASSERT_NO_FATAL_FAILURE(killAndRecover(context));
    }
    // A long run has reached every modelled dialog and checked its element at least once.
    if (steps_ >= 3000) {
        for (const auto &[dialog, model] : elementModels())
            EXPECT_GT(answeredOk_[dialog], 0) << dialog.toStdString() << " was never answered OK";
    }
    QString tally;
    for (const auto &[window, count] : shown_)
        tally += u" %1×%2/%3"_s.arg(window).arg(count).arg(answeredOk_[window]);
    std::printf("soak: windows shown/answered OK:%s; plain replace-alls checked: %d; recovered after a kill: %d; "
                "pages checked: %d, fixes made: %d\n",
                qPrintable(tally), replacedAllChecked_, recovered_, pageChecks_, pageFixes_);
    // No temporary file was left in the folder every save went to.
    for (const QString &f : QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden))
        EXPECT_FALSE(f.startsWith(u'.')) << "a temporary file was left: " << f.toStdString();
}
