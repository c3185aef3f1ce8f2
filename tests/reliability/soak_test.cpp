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
#include "document/state.h"
#include "document/templates.h"
#include "markup/commands.h"
#include "markup/snippets.h"
#include "prefs/commands.h"
#include "reference/commands.h"
#include "ui/runtime.h"
#include "ui/testing.h"

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

const QString Main = u"MainWindow"_s;
const ui::ControlRef Editor{Main, u"超级编辑框1"_s};

/// The editor's buffer (UTF-8, with bytes that are not GB18030 stored raw) and its selection.
struct EditorState {
    QByteArray buffer;
    qsizetype start = 0, end = 0;
};

/// The element each modelled dialog's OK inserts, from its fields as they stand at the click
/// (nothing, for fields the dialog turns down).
using Fields = std::map<QString, QString>;
const std::map<QString, std::function<QString(const Fields &)>> &elementModels()
{
    static const std::map<QString, std::function<QString(const Fields &)>> models = {
        {u"HyperlinkDialog"_s,
         [](const Fields &f) {
             return u"<a href=\""_s + f.at(u"编辑框1"_s) + u"\" title=\""_s + f.at(u"编辑框2"_s) + u"\" target=\""_s +
                    f.at(u"组合框1"_s) + u"\"></a> "_s;
         }},
        {u"EmailLinkDialog"_s,
         [](const Fields &f) {
             return u"<a href=\"mailto:"_s + f.at(u"编辑框2"_s) + u"?subject="_s + f.at(u"编辑框1"_s) + u"\"></a>"_s;
         }},
        {u"AnchorDialog"_s, [](const Fields &f) { return u"<a name=\""_s + f.at(u"编辑框1"_s) + u"\"></a>"_s; }},
        {u"MediaDialog"_s,
         [](const Fields &f) {
             return u"<embed src=\""_s + f.at(u"编辑框1"_s) + u"\" width="_s + f.at(u"编辑框3"_s) + u" height="_s +
                    f.at(u"编辑框2"_s) + u"></embed>"_s;
         }},
        {u"BackgroundSoundDialog"_s,
         [](const Fields &f) {
             return u"<bgsound src=\""_s + f.at(u"编辑框1"_s) + u"\" loop="_s + f.at(u"编辑框2"_s) + u">"_s;
         }},
        {u"StyleSheetDialog"_s,
         [](const Fields &f) {
             return u"<link rel=\"stylesheet\" href=\""_s + f.at(u"编辑框1"_s) + u"\" type=\"text/css\" />"_s;
         }},
        {u"CaptionDialog"_s, [](const Fields &f) { return u"<caption>\""_s + f.at(u"编辑框1"_s) + u"\"</caption>"_s; }},
        // Only a language as listed gives a block; any other inserts nothing.
        {u"ScriptDialog"_s,
         [](const Fields &f) {
             const QString language = f.at(u"组合框1"_s);
             if (language != u"JavaScript"_s && language != u"JavaScript1.1"_s && language != u"JavaScript1.2"_s &&
                 language != u"VBScript"_s)
                 return QString();
             return u"<script language=\""_s + language + u"\" type=\"text/"_s + language + u"\">\r\n"_s +
                    f.at(u"编辑框1"_s) + u"\r\n</script>"_s;
         }},
        // One line: an input only when one of the two choices is taken. Several lines: a textarea
        // with a line per list entry.
        {u"TextFieldDialog"_s,
         [](const Fields &f) {
             if (f.at(u"@ok"_s) == u"超级按钮1"_s) {
                 const QString start = u"<input name=\""_s + f.at(u"编辑框1"_s) + u"\" size=\"20\" value=\""_s +
                                       f.at(u"编辑框2"_s);
                 if (!f.at(u"单选框1"_s).isEmpty())
                     return start + u"\" type=\"password\">"_s;
                 if (!f.at(u"单选框2"_s).isEmpty())
                     return start + u"\">"_s;
                 return QString();
             }
             QString area = u"<textarea rows=\""_s + f.at(u"编辑框5"_s) + u"\" name=\""_s + f.at(u"编辑框3"_s) +
                            u"\" cols=\""_s + f.at(u"编辑框4"_s) + u"\">\r\n"_s;
             for (int i = 0; f.count(u"列表框1/"_s + QString::number(i)); ++i)
                 area += f.at(u"列表框1/"_s + QString::number(i)) + u"\r\n"_s;
             return area + u"</textarea>"_s;
         }},
        {u"ButtonDialog"_s,
         [](const Fields &f) {
             return u"<input type=\""_s + f.at(u"组合框1"_s) + u"\" name=\""_s + f.at(u"编辑框1"_s) + u"\" value=\""_s +
                    f.at(u"编辑框2"_s) + u"\">"_s;
         }},
    };
    return models;
}

QSet<QString> unitsOf(const std::vector<ui::UnitBinding> &bindings)
{
    QSet<QString> units;
    for (const auto &b : bindings)
        units.insert(b.unit);
    return units;
}

/// What a step may do to the text.
enum class Change {
    None,         // the text stays as it was
    Insertion,    // some text over the selection (a snippet, an element, a keyword)
    Exact,        // exactly `inserted` over the selection
    Removal,      // the selection goes
    CharBefore,   // Backspace: the selection, or one character before the caret
    CharAfter,    // Delete: the selection, or one character after the caret
    OneOf,        // one of `texts`, or as it was
    Any,          // undo: whatever the history held
};

struct Expectation {
    Change change = Change::None;
    QByteArray inserted;
    std::vector<QByteArray> texts;
    QString why; // for the failure message
    bool saves = false; // a save command: a file chosen and not reported as failed holds the text
};

class SoakTest : public ::testing::Test, public QObject {
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

        const ui::WindowDefinition def = app::mainWindowDefinition();
        rt.openWindow(def, false);
        snippets_ = unitsOf(markup::snippetCommands());
        const QSet<QString> markupUnits = unitsOf(markup::mainWindowBindings());
        documentUnits_ = unitsOf(document::mainWindowBindings());
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

    int pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng_); }
    bool chance(int percent) { return pick(0, 99) < percent; }
    template <class T>
    const T &oneOf(const QList<T> &list) { return list.at(pick(0, int(list.size()) - 1)); }

    QsciScintilla *editor() { return qobject_cast<QsciScintilla *>(ui::testing::widget(rt, Editor)); }

    EditorState capture()
    {
        QsciScintilla *e = editor();
        const auto length = e->SendScintilla(QsciScintilla::SCI_GETLENGTH);
        const auto *data = reinterpret_cast<const char *>(e->SendScintilla(QsciScintilla::SCI_GETCHARACTERPOINTER));
        return {QByteArray(data, qsizetype(length)), qsizetype(e->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART)),
                qsizetype(e->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND))};
    }

    /// Field texts: quotes, angle brackets, Chinese, characters outside the BMP, numbers, nothing
    /// at all, or a very long text.
    QString randomText()
    {
        static const QStringList pieces = {u"\""_s, u"'"_s, u"<"_s, u">"_s, u"&amp;"_s, u"<b>"_s, u"</a>"_s,
                                           u"中文"_s, u"网页设计"_s, u"测试"_s, u" "_s, u"a"_s, u"Z"_s, u"7"_s,
                                           u"="_s, u"\\"_s, u"/"_s, u"http://例子.cn/?a=1&b=\"2\""_s, u"😀"_s,
                                           u"€"_s, u"©"_s, u"％"_s, u"_blank"_s, u"12"_s, u"-3.5"_s};
        switch (pick(0, 9)) {
        case 0: return {};
        case 1: {
            QString s;
            const int n = pick(1000, 5000);
            while (s.size() < n)
                s += oneOf(pieces);
            return s;
        }
        default: {
            QString s;
            for (int i = pick(1, 6); i > 0; --i)
                s += oneOf(pieces);
            return s;
        }
        }
    }

    /// Replaces a field's text as a user does: select all, then type it, or paste it when it is
    /// long or holds characters that take two UTF-16 units.
    void enterText(QWidget *field, const QString &text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            QTest::keyClick(field, Qt::Key_Delete);
        } else if (text.size() > 30 || std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); })) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else {
            for (const QChar c : text) // any character, as an input method hands it over
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // Answering whatever appears.

    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() != QEvent::Show)
            return false;
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || !w->isWindow() || w->objectName() == Main)
            return false;
        if (qobject_cast<QMessageBox *>(w) || qobject_cast<QFileDialog *>(w) || qobject_cast<QMenu *>(w) ||
            qobject_cast<QDialog *>(w) || qobject_cast<QMainWindow *>(w))
            QTimer::singleShot(0, w, [this, w] { answer(w); });
        return false;
    }

    void answer(QWidget *w)
    {
        if (!w->isVisible())
            return;
        if (auto *box = qobject_cast<QMessageBox *>(w))
            answerBox(box);
        else if (auto *fd = qobject_cast<QFileDialog *>(w))
            answerFileDialog(fd);
        else if (auto *menu = qobject_cast<QMenu *>(w))
            answerMenu(menu);
        else if (auto *host = qobject_cast<QMainWindow *>(w); host && rt.isOpen(host->objectName())) {
            if (firstWindow_.isEmpty())
                firstWindow_ = host->objectName();
            answerWindow(host, host->objectName());
        }
        else if (auto *dialog = qobject_cast<QDialog *>(w))
            chance(50) ? dialog->accept() : dialog->reject();
    }

    void answerBox(QMessageBox *box)
    {
        ++boxes_;
        if (qobject_cast<QFileDialog *>(box->parentWidget())) { // the file dialog's "replace it?"
            box->button(QMessageBox::Yes)->click();
            return;
        }
        if (box->windowTitle() == u"保存失败"_s)
            saveFailed_ = true;
        const QList<QAbstractButton *> buttons = box->buttons();
        buttons.at(pick(0, int(buttons.size()) - 1))->click();
    }

    /// Cancelled, or a file in the temporary folder: an existing one, a new one, or now and then
    /// a name that cannot be used there (handed over as a platform dialog would).
    void answerFileDialog(QFileDialog *fd)
    {
        ++fileDialogs_;
        if (chance(25)) {
            fd->reject();
            return;
        }
        const bool saving = fd->acceptMode() == QFileDialog::AcceptSave;
        const QStringList existing = QDir(folder_.path()).entryList(QDir::Files, QDir::Name);
        QString path;
        bool force = false;
        if (chance(10)) {
            path = folder_.filePath(chance(50) ? u"no-such-folder/页面.html"_s : QString(300, u'长') + u".html"_s);
            force = true;
        } else if (saving || existing.isEmpty()) {
            static const QStringList names = {u"a.html"_s, u"b.asp"_s, u"c.css"_s, u"网页.html"_s, u"d"_s};
            path = folder_.filePath(oneOf(names));
            force = !saving;
        } else {
            path = folder_.filePath(oneOf(existing));
        }
        if (saving)
            savedTo_ = path;
        fd->selectFile(path);
        if (auto *name = fd->findChild<QLineEdit *>(u"fileNameEdit"_s))
            name->setText(path);
        if (force)
            QMetaObject::invokeMethod(fd, "done", Q_ARG(int, QDialog::Accepted));
        else
            QMetaObject::invokeMethod(fd, "accept");
    }

    /// The editor's pop-up menu: an item clicked, or the menu dismissed.
    void answerMenu(QMenu *menu)
    {
        QList<QAction *> items;
        for (QAction *a : menu->actions())
            if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu())
                items << a;
        if (items.isEmpty() || chance(15)) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return;
        }
        QAction *a = oneOf(items);
        contextBefore_ = capture();
        contextItem_ = a->objectName();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    }

    /// The controls of a window, without those of the companion windows it owns.
    template <class W>
    static QList<W *> ownControls(QWidget *host)
    {
        QList<W *> own;
        for (W *w : host->findChildren<W *>())
            if (w->window() == host)
                own << w;
        return own;
    }

    /// A window of the program: a few fields filled in and controls used, then OK, Cancel or
    /// the title bar's close button.
    void answerWindow(QMainWindow *host, const QString &name)
    {
        ++shown_[name];
        for (int moves = pick(0, 5); moves > 0 && rt.isOpen(name); --moves) {
            useSomeControl(host);
            QCoreApplication::processEvents();
        }
        if (!rt.isOpen(name) || !host->isVisible())
            return;
        QAbstractButton *ok = nullptr, *cancel = nullptr;
        for (auto *b : ownControls<QAbstractButton>(host)) {
            if (!b->isVisible()) // on a page that is not in front
                continue;
            if (b->text() == u"确定"_s)
                ok = b;
            if (b->text() == u"取消"_s)
                cancel = b;
        }
        const int r = pick(0, 99);
        if (ok && r < 55) {
            // The fields as the OK handler will read them; choices as "1" or empty, list lines
            // as "列表框N/0", "列表框N/1" …, and which OK it was as "@ok".
            Fields fields{{u"@ok"_s, ok->objectName()}};
            for (QWidget *w : ownControls<QWidget>(host)) {
                const QString unit = w->objectName();
                if (unit.startsWith(u"编辑框"_s) || unit.startsWith(u"组合框"_s))
                    fields[unit] = rt.getFieldText({name, unit});
                else if (unit.startsWith(u"单选框"_s) || unit.startsWith(u"选择框"_s))
                    fields[unit] = rt.isChecked({name, unit}) ? u"1"_s : QString();
                else if (unit.startsWith(u"列表框"_s))
                    for (int i = 0, n = rt.getListCount({name, unit}); i < n; ++i)
                        fields[unit + u"/"_s + QString::number(i)] = rt.getListItem({name, unit}, i);
            }
            okDialogs_[name] = fields;
            ++answeredOk_[name];
            ++dialogsOk_;
            ok->click();
        } else {
            ++dialogsCancelled_;
            if (cancel && r < 85)
                cancel->click();
            else
                host->close();
        }
        QCoreApplication::processEvents();
        if (rt.isOpen(name)) // kept open by its own choice (a refused OK): closed by the program's rule
            rt.closeWindow(name);
    }

    void useSomeControl(QMainWindow *host)
    {
        QList<QWidget *> controls;
        for (QWidget *w : ownControls<QWidget>(host)) {
            if (!w->isVisible() || !w->isEnabled())
                continue;
            if (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget()))
                controls << w;
            else if (qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QListWidget *>(w) ||
                     qobject_cast<QTabBar *>(w))
                controls << w;
            else if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->text() != u"确定"_s && b->text() != u"取消"_s)
                controls << w;
        }
        if (controls.isEmpty())
            return;
        QWidget *w = oneOf(controls);
        if (auto *line = qobject_cast<QLineEdit *>(w)) {
            if (!line->isReadOnly())
                enterText(line, randomText());
        } else if (auto *text = qobject_cast<QPlainTextEdit *>(w)) {
            if (!text->isReadOnly())
                enterText(text, randomText());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            if (combo->isEditable() && chance(50))
                enterText(combo->lineEdit(), randomText());
            else if (combo->count() > 0)
                combo->setCurrentIndex(pick(0, combo->count() - 1));
        } else if (auto *list = qobject_cast<QListWidget *>(w)) {
            if (list->count() > 0) {
                QListWidgetItem *item = list->item(pick(0, list->count() - 1));
                list->scrollToItem(item);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
            }
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            if (tabs->count() > 0)
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(pick(0, tabs->count() - 1)).center());
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            button->click(); // browse, schemes, companions, add and remove, choices
        }
    }

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
            QString typed, inserted;
            for (int i = pick(1, 12); i > 0; --i) {
                static const QStringList keys = {u"a"_s, u"b"_s, u"<"_s, u">"_s, u"\""_s, u"'"_s, u"="_s, u" "_s,
                                                 u"/"_s, u"中"_s, u"文"_s, u"页"_s, u"1"_s, u"\n"_s};
                const QString k = oneOf(keys);
                if (k == u"\n"_s) {
                    QTest::keyClick(e, Qt::Key_Return);
                    inserted += u"\r\n"_s;
                } else {
                    QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, k, Qt::NoModifier);
                    inserted += k;
                }
                typed += k;
            }
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
            QTest::keyClick(e, back ? Qt::Key_Backspace : Qt::Key_Delete);
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
        const bool menu = kind < 75;
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

    /// Checks the text against the expectation; returns a description of the mismatch.
    static QString mismatch(const EditorState &b, const QByteArray &after, const Expectation &x)
    {
        const QByteArray head = b.buffer.left(b.start), tail = b.buffer.mid(b.end);
        const bool spliced = after.startsWith(head) && after.endsWith(tail) && after.size() >= head.size() + tail.size();
        const QByteArray middle = spliced ? after.mid(head.size(), after.size() - head.size() - tail.size()) : QByteArray();
        switch (x.change) {
        case Change::None:
            return after == b.buffer ? QString() : u"the text changed"_s;
        case Change::Insertion:
            return spliced && !middle.isEmpty() ? QString() : u"no text inserted over the selection"_s;
        case Change::Exact:
            if (!spliced || middle != x.inserted)
                return u"expected exactly «%1» over the selection, got «%2»"_s.arg(
                    core::editorBytesToText(x.inserted.constData(), x.inserted.size()).left(200),
                    core::editorBytesToText(middle.constData(), middle.size()).left(200));
            return {};
        case Change::Removal:
            return after == head + tail ? QString()
                                        : u"the selection %1-%2 of %3 bytes was not removed exactly: %4 bytes left"_s.arg(b.start).arg(b.end).arg(b.buffer.size()).arg(after.size());
        case Change::CharBefore:
            if (b.start != b.end)
                return after == head + tail ? QString() : u"the selection was not removed exactly"_s;
            return (after.endsWith(tail) && b.buffer.startsWith(after.left(after.size() - tail.size())) &&
                    (after.size() < b.buffer.size() || b.start == 0))
                       ? QString()
                       : u"Backspace did not remove what was before the caret"_s;
        case Change::CharAfter:
            if (b.start != b.end)
                return after == head + tail ? QString() : u"the selection was not removed exactly"_s;
            return (after.startsWith(head) && b.buffer.endsWith(after.mid(head.size())) &&
                    (after.size() < b.buffer.size() || b.end == b.buffer.size()))
                       ? QString()
                       : u"Delete did not remove what was after the caret"_s;
        case Change::OneOf:
            return after == b.buffer || std::find(x.texts.begin(), x.texts.end(), after) != x.texts.end()
                       ? QString()
                       : u"the text is neither the old one nor one it could have been replaced by"_s;
        case Change::Any:
            return {};
        }
        return {};
    }

    /// The status bar and the editor agree with the bytes a save would write.
    void expectStatusMatchesText(const QString &context)
    {
        const QString text = rt.getEditorText(Editor);
        const core::Encoding encoding = document::documentEncoding();
        const qint64 bytes = rt.getEditorBytes(Editor, encoding).size();
        if (encoding == core::Encoding::Gb18030) {
            ASSERT_EQ(core::textToBytes(text).size(), bytes) << context.toStdString();
            ASSERT_EQ(core::textLength(text), bytes) << context.toStdString();
        }
        ASSERT_EQ(rt.getEditorByteLength(Editor, encoding), bytes) << context.toStdString();
        ASSERT_EQ(rt.getPanelText({Main, u"状态条1"_s}, 7), document::sizeInKilobytes(bytes)) << context.toStdString();
        ASSERT_EQ(rt.getPanelText({Main, u"状态条1"_s}, 1), core::toText(rt.getLineCount(Editor))) << context.toStdString();
    }

    ui::UiRuntime rt;
    QTemporaryDir folder_;
    std::mt19937_64 rng_;
    quint64 seed_ = 0;
    QStringList menuItems_, buttons_, lists_;
    QSet<QString> snippets_, dialogOpeners_, documentUnits_;
    std::map<QString, Fields> okDialogs_; // the windows answered OK in this step, with their fields
    QString firstWindow_;                 // the first window this step opened
    QString savedTo_, contextItem_, clipboardBefore_;
    bool clipboardHadText_ = false;
    EditorState contextBefore_;
    bool saveFailed_ = false;
    std::map<QString, int> shown_, answeredOk_; // windows, over the whole run
    int steps_ = 0, dialogsOk_ = 0, dialogsCancelled_ = 0, boxes_ = 0, fileDialogs_ = 0;
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
            ASSERT_EQ(f.readAll(), core::editorBytesToFileBytes(before.buffer, document::documentEncoding()))
                << context.toStdString();
        }
        // Every window the step opened has closed again.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() != Main && (qobject_cast<QMainWindow *>(w) || qobject_cast<QDialog *>(w)))
                FAIL() << context.toStdString() << ": left open: " << w->objectName().toStdString() << " "
                       << w->windowTitle().toStdString();
    }
    // A long run has reached every modelled dialog and checked its element at least once.
    if (steps_ >= 3000) {
        for (const auto &[dialog, model] : elementModels())
            EXPECT_GT(answeredOk_[dialog], 0) << dialog.toStdString() << " was never answered OK";
    }
    QString tally;
    for (const auto &[window, count] : shown_)
        tally += u" %1×%2/%3"_s.arg(window).arg(count).arg(answeredOk_[window]);
    std::printf("soak: windows shown/answered OK:%s\n", qPrintable(tally));
    // No temporary file was left in the folder every save went to.
    for (const QString &f : QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden))
        EXPECT_FALSE(f.startsWith(u'.')) << "a temporary file was left: " << f.toStdString();
}
