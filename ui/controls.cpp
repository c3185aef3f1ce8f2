// SPDX-License-Identifier: GPL-3.0-or-later
// Operations on the CodeEditor, the other controls, the common dialogs and the clipboard.
#include "runtime_impl.h"

#include "code_editor.h"
#include "core/utf8_check.h"
#include "file_dialog.h"
#include "font_dialog.h"
#include "highlighter.h"
#include "widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>

namespace ui {

namespace {

QColor toQColor(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
Colour fromQColor(const QColor &c) { return Colour(c.red()) | (Colour(c.green()) << 8) | (Colour(c.blue()) << 16); }

} // namespace

// ---- the CodeEditor ------------------------------------------------------------------------

core::Text UiRuntime::getEditorText(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? ed->wholeText() : core::Text();
}

void UiRuntime::setEditorText(const ControlRef &editor, const core::Text &text)
{
    if (auto *ed = d->as<CodeEditor>(editor))
        ed->replaceAll(text);
}

QByteArray UiRuntime::getEditorBytes(const ControlRef &editor, core::Encoding encoding) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? core::editorBytesToFileBytes(ed->buffer(), encoding) : QByteArray();
}

QByteArrayView UiRuntime::getEditorBuffer(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? ed->buffer() : QByteArrayView();
}

void UiRuntime::setEditorBytes(const ControlRef &editor, QByteArray bytes, core::Encoding encoding)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    // The buffer is written back as these very bytes, so their length is the text's. A large
    // file's bytes are not kept while the editor takes its text.
    qint64 length = 0;
    bool rawBytes = true;
    QByteArray editorBytes = core::fileBytesToEditorBytes(std::move(bytes), encoding, &length, &rawBytes);
    ed->replaceAllWithEditorBytes(std::move(editorBytes), length - core::byteOrderMark(encoding).size(), !rawBytes, encoding);
}

bool UiRuntime::editorHoldsRawBytes(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed && ed->mayHoldRawBytes() && !core::checkUtf8(ed->buffer()).valid;
}

void UiRuntime::insertAtCaret(const ControlRef &editor, const core::Text &text)
{
    if (auto *ed = d->as<CodeEditor>(editor))
        ed->insertAtCaret(text);
}

int UiRuntime::getSelectionLength(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? ed->selectedCharacters() : 0;
}

void UiRuntime::selectAllText(const ControlRef &editor)
{
    if (auto *ed = d->as<CodeEditor>(editor))
        ed->SendScintilla(QsciScintillaBase::SCI_SELECTALL);
}

void UiRuntime::setEditorBackground(const ControlRef &editor, Colour colour)
{
    if (auto *ed = d->as<CodeEditor>(editor)) {
        // The system's colour for the background of text fields.
        ed->setPaper(colour == DefaultColour ? QApplication::palette().color(QPalette::Base) : toQColor(colour));
        ed->setProperty("backgroundColour", colour);
        Highlighter::of(ed)->setBackground(ed->paper());
    }
}

Colour UiRuntime::getEditorBackground(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return 0;
    const QVariant set = ed->property("backgroundColour");
    return set.isValid() ? set.value<Colour>() : fromQColor(ed->paper());
}

int UiRuntime::getLineCount(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? int(ed->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT)) : 0;
}

int UiRuntime::getCaretLine(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? ed->caretLine() : 0;
}

int UiRuntime::getCaretColumn(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? ed->caretColumn() : 0;
}

qint64 UiRuntime::getEditorByteLength(const ControlRef &editor, core::Encoding encoding) const
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return 0;
    return ed->byteLength(encoding) + core::byteOrderMark(encoding).size();
}

CharFormat UiRuntime::getSelectionFormat(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return {};
    const QFont f = ed->font();
    CharFormat cf;
    cf.face = f.family();
    cf.size = f.pointSize();
    cf.effects = (f.bold() ? Bold : 0) | (f.italic() ? Italic : 0) | (f.underline() ? Underline : 0) |
                 (ed->strikeout() ? Strikeout : 0);
    const QColor fg = ed->color();
    cf.colour = fg == QApplication::palette().color(QPalette::Text) ? DefaultColour : fromQColor(fg);
    return cf;
}

void UiRuntime::setSelectionFormat(const ControlRef &editor, const CharFormat &format)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    // Plain-text mode: a format applies to the whole text.
    QFont f = ed->font();
    if (!format.face.isEmpty())
        f.setFamily(mapFontFace(format.face));
    if (format.size > 0)
        f.setPointSize(format.size);
    f.setBold(format.effects & Bold);
    f.setItalic(format.effects & Italic);
    f.setUnderline(format.effects & Underline);
    f.setStrikeOut(format.effects & Strikeout);
    ed->setFont(f);
    // The editor's own font setter passes the face as Latin-1; send it again as UTF-8 so that
    // faces with Chinese names arrive intact.
    const QColor colour = format.colour == DefaultColour ? QApplication::palette().color(QPalette::Text) : toQColor(format.colour);
    ed->setColor(colour);
    // Every style takes the font (its face sent as UTF-8); the automatic colour keeps the palette.
    Highlighter::of(ed)->setTextFormat(f, format.colour == DefaultColour ? QColor() : colour);
    ed->setStrikeout(format.effects & Strikeout, colour);
}

int UiRuntime::sendEditorCommand(const ControlRef &editor, EditorCommand command)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return 0;
    switch (command) {
    case EditorCommand::Cut: ed->SendScintilla(QsciScintillaBase::SCI_CUT); ed->finishChange(); return 0;
    case EditorCommand::Copy: ed->SendScintilla(QsciScintillaBase::SCI_COPY); return 0;
    case EditorCommand::Paste: ed->SendScintilla(QsciScintillaBase::SCI_PASTE); ed->finishChange(); return 0;
    case EditorCommand::Undo:
        if (!ed->SendScintilla(QsciScintillaBase::SCI_CANUNDO))
            return 0;
        ed->SendScintilla(QsciScintillaBase::SCI_UNDO);
        ed->finishChange();
        return 1;
    case EditorCommand::Redo:
        if (!ed->SendScintilla(QsciScintillaBase::SCI_CANREDO))
            return 0;
        ed->SendScintilla(QsciScintillaBase::SCI_REDO);
        ed->finishChange();
        return 1;
    case EditorCommand::SelectAll: ed->SendScintilla(QsciScintillaBase::SCI_SETSEL, 0, -1); return 0;
    case EditorCommand::GetModify: return ed->everModified() ? 1 : 0;
    }
    return 0;
}

// ---- fields, lists, buttons, tabs, status bar ----------------------------------------------

core::Text UiRuntime::getFieldText(const ControlRef &field) const
{
    QObject *o = d->control(field);
    if (auto *e = qobject_cast<QLineEdit *>(o))
        return e->text();
    if (auto *e = qobject_cast<QPlainTextEdit *>(o))
        return e->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    if (auto *c = qobject_cast<QComboBox *>(o))
        return c->currentText();
    return {};
}

void UiRuntime::setFieldText(const ControlRef &field, const core::Text &text)
{
    QObject *o = d->control(field);
    if (auto *e = qobject_cast<QLineEdit *>(o))
        e->setText(text);
    else if (auto *e = qobject_cast<QPlainTextEdit *>(o))
        e->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    else if (auto *c = qobject_cast<QComboBox *>(o))
        c->setEditText(text);
}

void UiRuntime::selectComboItem(const ControlRef &combo, int index)
{
    auto *c = d->as<QComboBox>(combo);
    if (!c)
        return;
    if (index < 0) {
        c->setCurrentIndex(-1);
        return;
    }
    c->setCurrentIndex(std::min(index, c->count() - 1));
    c->setEditText(c->itemText(c->currentIndex()));
}

int UiRuntime::getListIndex(const ControlRef &list) const
{
    // The selected item, not Qt's keyboard cursor: a list given the focus puts its cursor on the
    // first item without making it current.
    auto *l = d->as<QListWidget>(list);
    if (!l)
        return -1;
    const QList<QListWidgetItem *> selected = l->selectedItems();
    return selected.isEmpty() ? -1 : l->row(selected.constFirst());
}

void UiRuntime::setListIndex(const ControlRef &list, int index)
{
    auto *l = d->as<QListWidget>(list);
    if (!l)
        return;
    if (index < 0 || l->count() == 0) {
        l->setCurrentItem(nullptr);
        l->clearSelection();
        return;
    }
    l->setCurrentRow(std::min(index, l->count() - 1), QItemSelectionModel::ClearAndSelect);
}

int UiRuntime::getListCount(const ControlRef &list) const
{
    auto *l = d->as<QListWidget>(list);
    return l ? l->count() : 0;
}

core::Text UiRuntime::getListItem(const ControlRef &list, int index) const
{
    auto *l = d->as<QListWidget>(list);
    if (!l || index < 0 || index >= l->count())
        return {};
    return l->item(index)->text();
}

int UiRuntime::addListItem(const ControlRef &list, const core::Text &text)
{
    auto *l = d->as<QListWidget>(list);
    if (!l)
        return -1;
    l->addItem(text);
    return l->count() - 1;
}

bool UiRuntime::deleteListItem(const ControlRef &list, int index)
{
    auto *l = d->as<QListWidget>(list);
    if (!l || index < 0 || index >= l->count())
        return false;
    delete l->takeItem(index);
    return true;
}

bool UiRuntime::isChecked(const ControlRef &button) const
{
    auto *b = d->as<QAbstractButton>(button);
    return b && b->isCheckable() && b->isChecked();
}

void UiRuntime::setCurrentPage(const ControlRef &tabs, int index)
{
    if (auto *t = d->as<TabControl>(tabs))
        t->setCurrentPage(index);
}

int UiRuntime::getCurrentPage(const ControlRef &tabs) const
{
    auto *t = d->as<TabControl>(tabs);
    return t ? t->currentPage() : -1;
}

void UiRuntime::setPanelText(const ControlRef &statusBar, int index, const core::Text &text)
{
    auto *bar = d->as<QStatusBar>(statusBar);
    if (!bar)
        return;
    if (auto *panel = bar->findChild<QLabel *>(QStringLiteral("panel%1").arg(index), Qt::FindDirectChildrenOnly)) {
        panel->setText(text);
        panel->setAccessibleName(text.isEmpty() ? QStringLiteral("状态栏第%1栏").arg(index) : text);
    }
}

core::Text UiRuntime::getPanelText(const ControlRef &statusBar, int index) const
{
    auto *bar = d->as<QStatusBar>(statusBar);
    if (!bar)
        return {};
    auto *panel = bar->findChild<QLabel *>(QStringLiteral("panel%1").arg(index), Qt::FindDirectChildrenOnly);
    return panel ? panel->text() : core::Text();
}

void UiRuntime::setPanelToolTip(const ControlRef &statusBar, int index, const core::Text &text)
{
    auto *bar = d->as<QStatusBar>(statusBar);
    if (auto *panel = bar ? bar->findChild<QLabel *>(QStringLiteral("panel%1").arg(index), Qt::FindDirectChildrenOnly) : nullptr)
        panel->setToolTip(text);
}

core::Text UiRuntime::getPanelToolTip(const ControlRef &statusBar, int index) const
{
    auto *bar = d->as<QStatusBar>(statusBar);
    auto *panel = bar ? bar->findChild<QLabel *>(QStringLiteral("panel%1").arg(index), Qt::FindDirectChildrenOnly) : nullptr;
    return panel ? panel->toolTip() : core::Text();
}

Colour UiRuntime::getPickedColour(const ControlRef &picker) const
{
    QObject *o = d->control(picker);
    return o ? o->property("pickedColour").value<Colour>() : 0;
}

// ---- common dialogs ------------------------------------------------------------------------

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

// ---- clipboard -----------------------------------------------------------------------------

core::Text UiRuntime::getClipboardText() const
{
    const QMimeData *m = QGuiApplication::clipboard()->mimeData();
    return m && m->hasText() ? m->text() : core::Text();
}

bool UiRuntime::setClipboardText(const core::Text &text)
{
    QGuiApplication::clipboard()->setText(text);
    return true;
}

bool UiRuntime::clipboardHasText() const
{
    const QMimeData *m = QGuiApplication::clipboard()->mimeData();
    return m && m->hasText();
}

} // namespace ui
