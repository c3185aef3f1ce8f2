// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_ops.h"

#include "code_editor.h"
#include "highlighter.h"
#include "runtime_impl.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>

namespace ui {
namespace {

/// The component's colours are 0xBBGGRR.
QRgb bgr(long c) { return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

constexpr const char *ClickTakes = "quillmereClickTakes";

/// A click on an item of the editor's list takes it (the component takes one on a double click):
/// the click has selected it by the time the editor is asked to take the selected item.
class ClickTakesItem : public QObject {
public:
    ClickTakesItem(CodeEditor *editor, QObject *parent) : QObject(parent), editor_(editor) {}

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton)
            QTimer::singleShot(0, editor_, [ed = editor_] {
                if (ed->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE))
                    ed->SendScintilla(QsciScintillaBase::SCI_AUTOCCOMPLETE);
            });
        return false;
    }

private:
    CodeEditor *editor_;
};

/// Wraps the keys the typing help asks for in an undo step with what it changes after them.
class KeyGroups : public QObject {
public:
    KeyGroups(UiRuntime &rt, CodeEditor *editor, std::function<bool(UiRuntime &, qint64, qint64, const QString &)> before,
              std::function<void(UiRuntime &, qint64)> after)
        : QObject(editor), rt_(rt), editor_(editor), before_(std::move(before)), after_(std::move(after))
    {
        editor->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (busy_ || e->type() != QEvent::KeyPress || editor_->isReadOnly())
            return false;
        auto *key = static_cast<QKeyEvent *>(e);
        using B = QsciScintillaBase;
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const bool deletes = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        const QString typed = deletes ? QString() : key->text();
        if (!deletes && (typed.isEmpty() || !typed.front().isPrint()))
            return false;
        long from = editor_->SendScintilla(B::SCI_GETSELECTIONSTART), to = editor_->SendScintilla(B::SCI_GETSELECTIONEND);
        if (from == to && key->key() == Qt::Key_Backspace)
            from = editor_->SendScintilla(B::SCI_POSITIONBEFORE, from);
        else if (from == to && key->key() == Qt::Key_Delete)
            to = editor_->SendScintilla(B::SCI_POSITIONAFTER, to);
        if (!before_(rt_, from, to, typed))
            return false;
        const long length = editor_->SendScintilla(B::SCI_GETLENGTH);
        busy_ = true;
        editor_->SendScintilla(B::SCI_BEGINUNDOACTION);
        QCoreApplication::sendEvent(editor_, e);
        after_(rt_, editor_->SendScintilla(B::SCI_GETLENGTH) - length);
        editor_->SendScintilla(B::SCI_ENDUNDOACTION);
        busy_ = false;
        editor_->finishChange();
        return true;
    }

private:
    UiRuntime &rt_;
    CodeEditor *editor_;
    std::function<bool(UiRuntime &, qint64, qint64, const QString &)> before_;
    std::function<void(UiRuntime &, qint64)> after_;
    bool busy_ = false;
};

} // namespace

EditorStretch readEditorStretch(UiRuntime &rt, const ControlRef &editor, qint64 before, qint64 after, Lexed lexed)
{
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    if (!ed)
        return {};
    using B = QsciScintillaBase;
    const long length = ed->SendScintilla(B::SCI_GETLENGTH);
    const long caret = ed->SendScintilla(B::SCI_GETCURRENTPOS);
    const long from = std::max(0L, caret - long(before));
    const long to = std::min(length, caret + long(after));
    EditorStretch s;
    s.start = from;
    s.caret = caret - from;
    // The range is read where it lies; the buffer's gap moves at most across it.
    s.text = QByteArray(reinterpret_cast<const char *>(ed->SendScintilla(B::SCI_GETRANGEPOINTER, from, to - from)), to - from);
    Highlighter *h = lexed != Lexed::No ? Highlighter::of(ed) : nullptr;
    s.css = h && h->language() == Language::Css;
    if (h && h->active() && h->language() == Language::Html) {
        h->lexRange(from, lexed == Lexed::Whole ? to : caret);
        s.reading = h->readingFrom(from);
    }
    return s;
}

void onEditorCharacterTyped(UiRuntime &rt, const ControlRef &editor, std::function<void(UiRuntime &, char32_t)> typed)
{
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    if (!ed)
        return;
    QObject::connect(ed, &CodeEditor::characterTyped, ed, [&rt, typed = std::move(typed)](int c) { typed(rt, char32_t(c)); });
}

void groupEditorKeys(UiRuntime &rt, const ControlRef &editor,
                     std::function<bool(UiRuntime &, qint64 from, qint64 to, const QString &typed)> before,
                     std::function<void(UiRuntime &, qint64 grown)> after)
{
    if (auto *ed = implOf(rt).as<CodeEditor>(editor))
        new KeyGroups(rt, ed, std::move(before), std::move(after));
}

void replaceForUser(UiRuntime &rt, const ControlRef &editor, qint64 from, qint64 to, const QByteArray &bytes, qint64 caret)
{
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    if (!ed || ed->isReadOnly())
        return;
    using B = QsciScintillaBase;
    // Its own undo step: the typed character before it is not coalesced with it.
    ed->SendScintilla(B::SCI_BEGINUNDOACTION);
    ed->SendScintilla(B::SCI_SETTARGETRANGE, long(from), long(to));
    ed->SendScintilla(B::SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
    ed->SendScintilla(B::SCI_ENDUNDOACTION);
    if (caret >= 0)
        ed->SendScintilla(B::SCI_GOTOPOS, long(caret));
    ed->finishChange();
}

void showEditorList(UiRuntime &rt, const ControlRef &editor, int list, const QStringList &items, qint64 entered)
{
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    if (!ed || items.isEmpty())
        return;
    using B = QsciScintillaBase;
    // Items may hold blanks ("copy ©"); a list of one item is shown, not taken; no typed
    // character takes an item; the given order is the one shown.
    ed->SendScintilla(B::SCI_AUTOCSETSEPARATOR, long('\n'));
    ed->SendScintilla(B::SCI_AUTOCSETIGNORECASE, 1L);
    ed->SendScintilla(B::SCI_AUTOCSETCHOOSESINGLE, 0L);
    ed->SendScintilla(B::SCI_AUTOCSETAUTOHIDE, 1L);
    ed->SendScintilla(B::SCI_AUTOCSETCANCELATSTART, 1L);
    ed->SendScintilla(B::SCI_AUTOCSETFILLUPS, 0UL, "");
    ed->SendScintilla(B::SCI_AUTOCSTOPS, 0UL, "");
    ed->SendScintilla(B::SCI_AUTOCSETORDER, long(B::SC_ORDER_CUSTOM));
    ed->SendScintilla(B::SCI_AUTOCSETMAXHEIGHT, 10L);
    const QByteArray joined = items.join(u'\n').toUtf8();
    // A user list starts its word at the caret: it is shown from the word's start, and the caret
    // put back behind what is typed of it, which the list then narrows to.
    const long caret = ed->SendScintilla(B::SCI_GETCURRENTPOS);
    if (entered > 0)
        ed->SendScintilla(B::SCI_SETEMPTYSELECTION, caret - long(entered));
    ed->SendScintilla(B::SCI_USERLISTSHOW, uintptr_t(list), joined.constData());
    if (entered > 0) {
        ed->SendScintilla(B::SCI_SETEMPTYSELECTION, caret);
        const QByteArray word = QByteArray(reinterpret_cast<const char *>(ed->SendScintilla(
                                               B::SCI_GETRANGEPOINTER, caret - long(entered), long(entered))),
                                           entered);
        ed->SendScintilla(B::SCI_AUTOCSELECT, 0UL, word.constData());
    }
    // The component makes a new list box for each list; the old ones are deleted later.
    const QList<QListWidget *> boxes = ed->findChildren<QListWidget *>();
    if (QListWidget *box = boxes.isEmpty() ? nullptr : boxes.back()) {
        // The editor's own colours, as the skin set them.
        QPalette p = box->palette();
        p.setColor(QPalette::Base, QColor(bgr(ed->SendScintilla(B::SCI_STYLEGETBACK, long(B::STYLE_DEFAULT)))));
        p.setColor(QPalette::Text, QColor(bgr(ed->SendScintilla(B::SCI_STYLEGETFORE, long(B::STYLE_DEFAULT)))));
        box->setPalette(p);
        box->setAccessibleName(QStringLiteral("补全列表"));
        if (!box->viewport()->property(ClickTakes).toBool()) {
            box->viewport()->setProperty(ClickTakes, true);
            box->viewport()->installEventFilter(new ClickTakesItem(ed, box->viewport()));
        }
    }
}

void onEditorListChosen(UiRuntime &rt, const ControlRef &editor,
                        std::function<void(UiRuntime &, int list, const QString &item, qint64 wordStart)> chosen)
{
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    if (!ed)
        return;
    QObject::connect(ed, qOverload<const char *, int, int, int, int>(&QsciScintillaBase::SCN_USERLISTSELECTION), ed,
                     [&rt, chosen = std::move(chosen)](const char *item, int list, int, int, int position) {
                         chosen(rt, list, QString::fromUtf8(item), position);
                     });
}

bool isEditorListShown(UiRuntime &rt, const ControlRef &editor)
{
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    return ed && ed->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) != 0;
}

} // namespace ui
