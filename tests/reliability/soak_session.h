// SPDX-License-Identifier: GPL-3.0-or-later
// The soak session's state and its answers to whatever the program shows: message boxes, file
// dialogs, the pop-up menu and every window of its own, filled in and closed at random.
#pragma once

#include "app/main_window.h"
#include "soak_model.h"
#include "ui/runtime.h"
#include "ui/testing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
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

#include <map>
#include <random>

namespace soak {

const QString Main = u"MainWindow"_s;
const QString FindWindow = u"FindDialog"_s;
const ui::ControlRef Editor{Main, u"超级编辑框1"_s};

class Session : public QObject {
protected:
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
        // The find and check windows are driven by their steps.
        if (!w->isVisible() || w->objectName() == FindWindow || w->objectName() == u"PageCheckWindow"_s)
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
        // The session writes files it may have open: another program's change, as the window sees
        // it. The text stays and a save goes ahead, as the model expects (tests/document has the
        // other answers).
        for (QAbstractButton *b : box->buttons())
            if (b->text() == u"保留当前文本"_s || b->text() == u"仍然保存"_s) {
                b->click();
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
        if (name == u"GoToLineDialog"_s && chance(70)) // a line number, most often one that is there
            enterText(ui::testing::widget(rt, {name, u"编辑框1"_s}), QString::number(goToLine_));
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

    app::MainWindow main_; // outlives the runtime, whose windows' handlers use it
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
    int goToLine_ = 0;                          // the line the go-to-line step asks for
    int replacedAllChecked_ = 0;                // plain replace-alls checked against the model
    int pageChecks_ = 0, pageFixes_ = 0;        // page checks run and fixes made in them
    int steps_ = 0, dialogsOk_ = 0, dialogsCancelled_ = 0, boxes_ = 0, fileDialogs_ = 0;
};

} // namespace soak
