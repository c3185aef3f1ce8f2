// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's operations on the CodeEditor: its text and bytes, the caret and the selection, its
// format and colouring, byte positions of its buffer, a stretch around the caret edited in place,
// and the clipboard it cuts to and pastes from.
#include "runtime_impl.h"

#include "code_editor.h"
#include "core/utf8_check.h"
#include "highlighter.h"
#include "joined_edits.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTimer>

#include <cstring>

namespace ui {

namespace {

QColor toQColor(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
Colour fromQColor(const QColor &c) { return Colour(c.red()) | (Colour(c.green()) << 8) | (Colour(c.blue()) << 16); }

Highlighter *highlighter(const UiRuntime::Impl &d, const ControlRef &editor)
{
    return Highlighter::of(d.as<CodeEditor>(editor));
}

/// The buffer's bytes in [from, to), read without moving the gap unless it lies inside.
QByteArrayView bufferRange(CodeEditor *ed, long from, long to)
{
    const auto *data = reinterpret_cast<const char *>(ed->SendScintilla(QsciScintilla::SCI_GETRANGEPOINTER, from, to - from));
    return {data, qsizetype(to - from)};
}

/// The edits as one change of the stretch they cover; the caret, the anchor, the first line shown
/// and the check marks of lines no edit touches end where the edits one by one would leave them.
void replaceJoined(CodeEditor *ed, const SortedEdits &edits)
{
    using B = QsciScintillaBase;
    const EditShift shift(edits);
    const long from = long(edits.front().from), to = long(edits.back().to);
    const long caret = ed->SendScintilla(B::SCI_GETCURRENTPOS), anchor = ed->SendScintilla(B::SCI_GETANCHOR);
    const long topLine = ed->SendScintilla(B::SCI_DOCLINEFROMVISIBLE, ed->SendScintilla(B::SCI_GETFIRSTVISIBLELINE));
    const long topStart = ed->SendScintilla(B::SCI_POSITIONFROMLINE, topLine);
    std::function<void()> putMarksBack = marksKeptThrough(ed, shift, from, to);
    ed->replaceJoined(edits, joinEdits(ed->buffer(), edits));
    ed->SendScintilla(B::SCI_SETSELECTION, long(shift.map(caret)), long(shift.map(anchor)));
    const long top = ed->SendScintilla(B::SCI_LINEFROMPOSITION, long(shift.map(topStart)));
    ed->SendScintilla(B::SCI_SETFIRSTVISIBLELINE, ed->SendScintilla(B::SCI_VISIBLEFROMDOCLINE, top));
    if (putMarksBack) // after the change's own clearing of the lines it spans, which is queued too
        QTimer::singleShot(0, ed, std::move(putMarksBack));
}

} // namespace

// ---- text, caret, format -------------------------------------------------------------------

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

QByteArray UiRuntime::copyEditorBuffer(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return {};
    ed->countInsertion();
    const auto length = qsizetype(ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    const auto gap = qsizetype(ed->SendScintilla(QsciScintillaBase::SCI_GETGAPPOSITION));
    QByteArray copy(length, Qt::Uninitialized);
    // Neither range straddles the gap, so neither call moves it.
    for (const auto [from, size] : {std::pair{qsizetype(0), gap}, std::pair{gap, length - gap}})
        if (size > 0)
            std::memcpy(copy.data() + from,
                        reinterpret_cast<const char *>(ed->SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER,
                                                                         uintptr_t(from), intptr_t(size))),
                        size_t(size));
    return copy;
}

void UiRuntime::followEditorChanges(const ControlRef &editor, QObject *context,
                                    std::function<void(qint64, qint64, QByteArrayView)> changed,
                                    std::function<void()> replaced)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    QObject::connect(ed, &CodeEditor::changedAt, context, std::move(changed));
    QObject::connect(ed, &CodeEditor::replacedAll, context, std::move(replaced));
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

void UiRuntime::setEditorBuffer(const ControlRef &editor, QByteArray buffer, core::Encoding encoding)
{
    if (auto *ed = d->as<CodeEditor>(editor))
        ed->replaceAllWithEditorBytes(std::move(buffer), -1, false, encoding);
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

// ---- colouring -----------------------------------------------------------------------------

void UiRuntime::setEditorLanguage(const ControlRef &editor, Language language)
{
    if (auto *h = highlighter(*d, editor))
        h->setLanguage(language);
}

Language UiRuntime::getEditorLanguage(const ControlRef &editor) const
{
    auto *h = highlighter(*d, editor);
    return h ? h->language() : Language::Html;
}

void UiRuntime::setEditorWords(const ControlRef &editor, const HighlightWords &words)
{
    if (auto *h = highlighter(*d, editor))
        h->setWords(words);
}

bool UiRuntime::isEditorHighlighted(const ControlRef &editor) const
{
    auto *h = highlighter(*d, editor);
    return h && h->active();
}

// ---- byte positions ------------------------------------------------------------------------

std::pair<qint64, qint64> UiRuntime::getEditorSelection(const ControlRef &editor) const
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return {0, 0};
    return {ed->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART),
            ed->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONEND)};
}

void UiRuntime::selectEditorRange(const ControlRef &editor, qint64 from, qint64 to)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    const long length = ed->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    from = std::clamp<qint64>(from, 0, length);
    to = std::clamp<qint64>(to, from, length);
    // Shown while the find window has the focus; hidden again when the editor next loses it.
    ed->SendScintilla(QsciScintillaBase::SCI_HIDESELECTION, 0L);
    ed->SendScintilla(QsciScintillaBase::SCI_SETSEL, long(from), long(to));
    ed->SendScintilla(QsciScintillaBase::SCI_SCROLLRANGE, long(from), long(to));
}

void UiRuntime::replaceEditorRanges(const ControlRef &editor, const std::vector<EditorEdit> &edits)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed || edits.empty())
        return;
    ed->SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
    if (cheaperJoined(edits)) {
        replaceJoined(ed, edits);
    } else {
        // Front to back, each later range shifted by what the earlier ones changed in length.
        qint64 shift = 0;
        for (const EditorEdit &e : edits) {
            ed->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, long(e.from + shift), long(e.to + shift));
            ed->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, uintptr_t(e.bytes.size()), e.bytes.constData());
            shift += e.bytes.size() - (e.to - e.from);
        }
    }
    ed->SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
    ed->finishChange();
}

void UiRuntime::goToEditorLine(const ControlRef &editor, int line)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return;
    ed->SendScintilla(QsciScintillaBase::SCI_GOTOLINE, long(line));
    ed->SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
}

int UiRuntime::getEditorLineOf(const ControlRef &editor, qint64 position) const
{
    auto *ed = d->as<CodeEditor>(editor);
    return ed ? int(ed->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, long(position))) : 0;
}

// ---- a stretch around the caret ------------------------------------------------------------

TextAround UiRuntime::readAroundCaret(const ControlRef &editor, qint64 reach) const
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed)
        return {};
    const long length = ed->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const long caret = ed->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    // The reach counts the buffer's bytes; the ends are moved back onto character boundaries.
    long from = std::max(0L, caret - long(reach));
    long to = std::min(length, caret + long(reach));
    while (from > 0 && (uchar(ed->SendScintilla(QsciScintilla::SCI_GETCHARAT, from)) & 0xC0) == 0x80)
        --from;
    while (to < length && (uchar(ed->SendScintilla(QsciScintilla::SCI_GETCHARAT, to)) & 0xC0) == 0x80)
        ++to;
    TextAround around;
    around.caretPosition = caret;
    const QByteArrayView before = bufferRange(ed, from, caret);
    around.text = core::editorBytesToText(before.data(), before.size());
    around.caret = around.text.size();
    const QByteArrayView after = bufferRange(ed, caret, to);
    around.text += core::editorBytesToText(after.data(), after.size());
    return around;
}

bool UiRuntime::replaceAround(const ControlRef &editor, TextAround &around, qsizetype from, qsizetype to,
                              const core::Text &text, qsizetype caret)
{
    auto *ed = d->as<CodeEditor>(editor);
    if (!ed || from < 0 || to < from || to > around.text.size())
        return false;
    auto units = [](QStringView t) { return long(core::textToEditorBytes(t.toString()).size()); };
    const QStringView was = QStringView(around.text).mid(from, to - from);
    const long start = long(around.caretPosition) + (from <= around.caret
                                                         ? -units(QStringView(around.text).mid(from, around.caret - from))
                                                         : units(QStringView(around.text).mid(around.caret, from - around.caret)));
    const QByteArray wasBytes = core::textToEditorBytes(was.toString());
    const long end = start + long(wasBytes.size());
    if (start < 0 || end > ed->SendScintilla(QsciScintilla::SCI_GETLENGTH) ||
        bufferRange(ed, start, end) != QByteArrayView(wasBytes))
        return false;
    const QByteArray bytes = core::textToEditorBytes(text);
    // The caret's new place, counted from the nearer end of the new text.
    caret = std::clamp(caret, qsizetype(0), around.text.size() - (to - from) + text.size());
    long caretAt = 0;
    if (caret >= from + text.size())
        caretAt = start + long(bytes.size()) + units(QStringView(around.text).mid(to, caret - from - text.size()));
    else if (caret >= from)
        caretAt = start + units(QStringView(text).left(caret - from));
    else
        caretAt = start - units(QStringView(around.text).mid(caret, from - caret));
    ed->SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    ed->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, start, end);
    ed->SendScintilla(QsciScintilla::SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
    ed->SendScintilla(QsciScintilla::SCI_GOTOPOS, caretAt);
    ed->SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
    ed->finishChange();
    around.text.replace(from, to - from, text);
    around.caret = caret;
    around.caretPosition = caretAt;
    return true;
}

// ---- the clipboard -------------------------------------------------------------------------


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
