// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_editor.h"

#include "core/memory_release.h"
#include "core/utf8_check.h"
#include "highlighter.h"
#include "runtime.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFrame>
#include <QInputMethodEvent>
#include <QSignalBlocker>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace ui {
namespace {

/// What assistive technology reads and edits of the CodeEditor. It stands in for the editor
/// component's own interface, which counts characters from the start of the text for every
/// answer, every change and every caret movement; this one counts within one line only.
class EditorAccessible : public QAccessibleWidget,
                         public QAccessibleTextInterface,
                         public QAccessibleEditableTextInterface {
public:
    explicit EditorAccessible(CodeEditor *editor) : QAccessibleWidget(editor, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !editor()->isReadOnly();
        s.readOnly = editor()->isReadOnly();
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    // Selection and caret.
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        const long from = send(QsciScintillaBase::SCI_GETSELECTIONSTART);
        const long to = send(QsciScintillaBase::SCI_GETSELECTIONEND);
        if (index != 0 || from == to)
            return;
        *start = editor()->offsetFromPosition(from);
        *end = editor()->offsetFromPosition(to);
    }
    int selectionCount() const override
    {
        return send(QsciScintillaBase::SCI_GETSELECTIONSTART) != send(QsciScintillaBase::SCI_GETSELECTIONEND) ? 1 : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            send(QsciScintillaBase::SCI_SETEMPTYSELECTION, send(QsciScintillaBase::SCI_GETCURRENTPOS));
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            send(QsciScintillaBase::SCI_SETSEL, position(start), position(end));
    }
    int cursorPosition() const override { return editor()->offsetFromPosition(send(QsciScintillaBase::SCI_GETCURRENTPOS)); }
    void setCursorPosition(int offset) override { send(QsciScintillaBase::SCI_GOTOPOS, position(offset)); }

    // Text.
    QString text(int start, int end) const override
    {
        const long from = position(start), to = position(end);
        if (to <= from)
            return {};
        const QByteArrayView b = editor()->buffer();
        return core::editorBytesToText(b.data() + from, to - from);
    }
    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
    int characterCount() const override { return editor()->characterCount(); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        segmentAt(offset, type, start, end);
        return text(*start, *end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        int s = 0, e = 0;
        segmentAt(offset, type, &s, &e);
        if (s <= 0) {
            *start = *end = 0;
            return {};
        }
        segmentAt(s - 1, type, start, end);
        return text(*start, *end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        int s = 0, e = 0;
        segmentAt(offset, type, &s, &e);
        const int count = characterCount();
        if (e >= count || e <= offset) {
            *start = *end = count;
            return {};
        }
        segmentAt(e, type, start, end);
        return text(*start, *end);
    }

    // Geometry.
    QRect characterRect(int offset) const override
    {
        const long pos = position(offset);
        const long next = send(QsciScintillaBase::SCI_POSITIONAFTER, pos);
        const int x = int(send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, pos));
        const int y = int(send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, pos));
        const int nextX = int(send(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, next));
        const int height = int(send(QsciScintillaBase::SCI_TEXTHEIGHT, send(QsciScintillaBase::SCI_LINEFROMPOSITION, pos)));
        const QPoint topLeft = editor()->viewport()->mapToGlobal(QPoint(x, y));
        return {topLeft, QSize(std::max(1, nextX - x), height)};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint p = editor()->viewport()->mapFromGlobal(point);
        const long pos = send(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE, p.x(), p.y());
        return pos < 0 ? -1 : editor()->offsetFromPosition(pos);
    }
    void scrollToSubstring(int start, int end) override
    {
        send(QsciScintillaBase::SCI_SCROLLRANGE, position(end), position(start));
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        CodeEditor *ed = editor();
        long from = 0, to = 0;
        const QString attributes = Highlighter::of(ed)->attributesAt(position(offset), &from, &to);
        *start = ed->offsetFromPosition(from);
        *end = ed->offsetFromPosition(to);
        return attributes;
    }

    // Editing.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        CodeEditor *ed = editor();
        if (ed->isReadOnly())
            return;
        const QByteArray bytes = core::textToEditorBytes(text);
        send(QsciScintillaBase::SCI_SETTARGETRANGE, position(start), position(end));
        ed->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
        ed->finishChange();
    }

private:
    CodeEditor *editor() const { return static_cast<CodeEditor *>(widget()); }
    long send(unsigned msg, unsigned long w = 0, long l = 0) const { return editor()->SendScintilla(msg, w, l); }
    long position(int offset) const { return editor()->positionFromOffset(offset); }

    /// The word, sentence, line … around the offset. Lines (and paragraphs) are the text's lines
    /// with their line break; words and sentences are looked for within the offset's line.
    void segmentAt(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const
    {
        CodeEditor *ed = editor();
        const int count = characterCount();
        offset = std::clamp(offset, 0, count);
        if (type == QAccessible::NoBoundary) {
            *start = 0;
            *end = count;
            return;
        }
        if (type == QAccessible::CharBoundary) {
            *start = offset;
            *end = std::min(offset + 1, count);
            return;
        }
        const long line = send(QsciScintillaBase::SCI_LINEFROMPOSITION, position(offset));
        const long lineStart = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
        const long lineEnd = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line + 1);
        const int lineOffset = ed->offsetFromPosition(lineStart);
        if (type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary) {
            *start = lineOffset;
            *end = ed->offsetFromPosition(lineEnd);
            return;
        }
        const QByteArrayView b = ed->buffer();
        const QString lineText = core::editorBytesToText(b.data() + lineStart, lineEnd - lineStart);
        // Offsets count code points; the finder counts UTF-16 units.
        auto unitOf = [&](int codePoints) {
            int i = 0;
            for (int n = 0; n < codePoints && i < lineText.size(); ++n)
                i += (lineText.at(i).isHighSurrogate() && i + 1 < lineText.size() && lineText.at(i + 1).isLowSurrogate()) ? 2 : 1;
            return i;
        };
        auto codePointsOf = [&](int units) { return int(QStringView(lineText).left(units).toUcs4().size()); };
        QTextBoundaryFinder finder(type == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                       : QTextBoundaryFinder::Sentence,
                                   lineText);
        finder.setPosition(unitOf(offset - lineOffset));
        qsizetype from = finder.isAtBoundary() ? finder.position() : finder.toPreviousBoundary();
        if (from < 0)
            from = 0;
        finder.setPosition(from);
        qsizetype to = finder.toNextBoundary();
        if (to < 0)
            to = lineText.size();
        *start = lineOffset + codePointsOf(int(from));
        *end = lineOffset + codePointsOf(int(to));
    }
};

QAccessibleInterface *editorAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1StringView(CodeEditor::staticMetaObject.className()) && object && object->isWidgetType())
        return new EditorAccessible(static_cast<CodeEditor *>(object));
    return nullptr;
}

} // namespace

CodeEditor::CodeEditor(QWidget *parent) : QsciScintilla(parent)
{
    // Qt asks factories for the most derived class first, so this one answers for every
    // CodeEditor before the editor component's own factory is asked about its base class.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(editorAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    setStyleBytes(false);
    setEolVisibility(false);
    setWrapMode(WrapWord);
    // Wrapping keeps the lines laid out on screen only (the component's default for wrapping
    // keeps every line's layout, about twelve times the text's size), and with annotations shown
    // every inserted line would be laid out at once; this editor has no annotations.
    SendScintilla(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
    SendScintilla(SCI_ANNOTATIONSETVISIBLE, ANNOTATION_HIDDEN);
    for (int m = 0; m < 5; ++m)
        setMarginWidth(m, 0);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setPaper(Qt::white);
    SendScintilla(SCI_HIDESELECTION, 1);
    SendScintilla(SCI_INDICSETSTYLE, StrikeIndicator, INDIC_STRIKE);
    // Changes are followed from the notifications sent before them, which carry the inserted
    // text: the editor component turns every insertion or deletion notified after the fact into
    // a count of characters from the start of the text.
    SendScintilla(SCI_SETMODEVENTMASK, SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *text, int length, int, int, int, int, int, int) {
                onModified(position, type, text, length);
            });
    // The component reports caret moves with a column counted from the line's start; this editor
    // reports them itself.
    disconnect(this, SIGNAL(SCN_UPDATEUI(int)), this, SLOT(handleUpdateUI(int)));
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &CodeEditor::onUpdateUi);
    connect(this, &QsciScintillaBase::SCN_CHARADDED, this, [this](int c) {
        if (!composing_)
            emit characterTyped(c);
    });
    new Highlighter(this);
}

void CodeEditor::setStyleBytes(bool on, bool keepText)
{
    // Without style bytes plain text has a single style, and a large text does not carry a
    // second buffer as long as itself. Code page, line ends and character index belong to the
    // document.
    countInsertion();
    QByteArray text;
    long anchor = 0, caret = 0, firstLine = 0, xOffset = 0;
    if (keepText) {
        const QByteArrayView b = buffer();
        text = QByteArray(b.data(), b.size());
        anchor = SendScintilla(SCI_GETANCHOR);
        caret = SendScintilla(SCI_GETCURRENTPOS);
        firstLine = SendScintilla(SCI_GETFIRSTVISIBLELINE);
        xOffset = SendScintilla(SCI_GETXOFFSET);
    }
    const long document = SendScintilla(SCI_CREATEDOCUMENT, 0, long(on ? SC_DOCUMENTOPTION_DEFAULT : SC_DOCUMENTOPTION_STYLES_NONE));
    SendScintilla(SCI_SETDOCPOINTER, 0, reinterpret_cast<void *>(document));
    SendScintilla(SCI_RELEASEDOCUMENT, 0, reinterpret_cast<void *>(document));
    offsetsKept_ = false;
    columnLineStart_ = columnPosition_ = -1;
    setUtf8(true);
    setEolMode(EolWindows);
    if (text.isEmpty())
        return;
    // The same text, so no change is reported: counts, the recovery journal and the document's
    // handlers stay as they are.
    const QSignalBlocker quiet(this);
    SendScintilla(SCI_SETUNDOCOLLECTION, 0);
    appendWhole(std::move(text));
    SendScintilla(SCI_SETUNDOCOLLECTION, 1);
    SendScintilla(SCI_SETSEL, anchor, caret);
    SendScintilla(SCI_SETFIRSTVISIBLELINE, firstLine);
    SendScintilla(SCI_SETXOFFSET, xOffset);
}

CodeEditor::~CodeEditor() = default;

QByteArrayView CodeEditor::buffer() const
{
    auto *self = const_cast<CodeEditor *>(this);
    const auto length = self->SendScintilla(SCI_GETLENGTH);
    const auto *data = reinterpret_cast<const char *>(self->SendScintilla(SCI_GETCHARACTERPOINTER));
    return {data, qsizetype(length)};
}

core::Text CodeEditor::wholeText() const
{
    const QByteArrayView b = buffer();
    return core::editorBytesToText(b.data(), b.size());
}

QByteArray CodeEditor::wholeTextBytes() const
{
    const QByteArrayView b = buffer();
    return core::editorBytesToGb18030(b.data(), b.size());
}

void CodeEditor::replaceAll(const core::Text &text)
{
    replaceAllWithEditorBytes(core::textToEditorBytes(text), -1, false, lengthIn_);
}

void CodeEditor::replaceAllWithEditorBytes(QByteArray bytes, qint64 length, bool validUtf8, core::Encoding lengthIn)
{
    countInsertion(); // reported as a change of the old text
    emit aboutToReplaceAll(bytes);
    fitWrapToLength(long(bytes.size()));
    // Neither the old text nor the new one is counted on the way: the new length is known, or
    // counted once when the text is in place.
    replacingAll_ = true;
    // The old text is not kept for undoing, nor is the new one copied into the undo history.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0);
    SendScintilla(SCI_CLEARALL);
    appendWhole(std::move(bytes));
    countInsertion();
    replacingAll_ = false;
    byteLength_ = length;
    lengthIn_ = lengthIn;
    mayHoldRawBytes_ = !validUtf8;
    SendScintilla(SCI_SETUNDOCOLLECTION, 1);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    emit replacedAll();
    SendScintilla(SCI_GOTOPOS, 0);
    finishChange();
}

void CodeEditor::appendWhole(QByteArray bytes)
{
    // Room for the whole text at once and for some typing after it: growing the buffer later
    // copies the whole text, which on a large text would stall the first keystroke.
    SendScintilla(SCI_ALLOCATE, uintptr_t(bytes.size()) + uintptr_t(bytes.size()) / 8 + 4096);
    // In pieces, each given back once copied: the bytes and the text are not both held whole.
    core::handOverInPieces(bytes, HandOverPiece, [this](const char *data, qsizetype length) {
        SendScintilla(SCI_APPENDTEXT, uintptr_t(length), data);
    });
}

void CodeEditor::insertAtCaret(const core::Text &text)
{
    const QByteArray bytes = core::textToEditorBytes(text);
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_TARGETFROMSELECTION);
    SendScintilla(SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
    SendScintilla(SCI_GOTOPOS, SendScintilla(SCI_GETTARGETEND));
    SendScintilla(SCI_ENDUNDOACTION);
    finishChange();
}

void CodeEditor::replaceJoined(const std::vector<EditorEdit> &edits, const QByteArray &joined)
{
    countInsertion();
    // Matches never split a character, so the text between them counts and checks the same
    // before and after: only the edits' own bytes make a difference.
    const QByteArrayView old = buffer();
    qint64 grown = 0;
    bool rawBytes = false;
    for (const EditorEdit &e : edits) {
        const QByteArrayView gone = old.sliced(e.from, e.to - e.from);
        if (byteLength_ >= 0)
            grown += core::encodedLength(e.bytes, lengthIn_) - core::encodedLength(gone, lengthIn_);
        rawBytes = rawBytes || (!mayHoldRawBytes_ && !core::checkUtf8(e.bytes).valid);
    }
    countedByCaller_ = true;
    SendScintilla(SCI_SETTARGETRANGE, long(edits.front().from), long(edits.back().to));
    SendScintilla(SCI_REPLACETARGET, uintptr_t(joined.size()), joined.constData());
    countInsertion();
    countedByCaller_ = false;
    if (byteLength_ >= 0)
        byteLength_ += grown;
    mayHoldRawBytes_ = mayHoldRawBytes_ || rawBytes;
}

int CodeEditor::caretLine() const
{
    auto *self = const_cast<CodeEditor *>(this);
    return int(self->SendScintilla(SCI_LINEFROMPOSITION, self->SendScintilla(SCI_GETSELECTIONSTART)));
}

int CodeEditor::caretColumn() const
{
    auto *self = const_cast<CodeEditor *>(this);
    const long caret = self->SendScintilla(SCI_GETCURRENTPOS);
    const long lineStart = self->SendScintilla(SCI_POSITIONFROMLINE, self->SendScintilla(SCI_LINEFROMPOSITION, caret));
    // Counting from the line's start costs as much as the line is long; counting on from the
    // last answer costs only the caret's movement, which is what changes on a long line.
    const long moved = columnLineStart_ == lineStart ? std::abs(caret - columnPosition_) : caret - lineStart;
    if (columnLineStart_ == lineStart && moved < caret - lineStart) {
        if (caret >= columnPosition_)
            column_ += int(self->SendScintilla(SCI_COUNTCHARACTERS, columnPosition_, caret));
        else
            column_ -= int(self->SendScintilla(SCI_COUNTCHARACTERS, caret, columnPosition_));
    } else {
        column_ = int(self->SendScintilla(SCI_COUNTCHARACTERS, lineStart, caret));
    }
    columnLineStart_ = lineStart;
    columnPosition_ = caret;
    return column_;
}

int CodeEditor::selectedCharacters() const
{
    auto *self = const_cast<CodeEditor *>(this);
    return int(self->SendScintilla(SCI_COUNTCHARACTERS, self->SendScintilla(SCI_GETSELECTIONSTART),
                                   self->SendScintilla(SCI_GETSELECTIONEND)));
}

void CodeEditor::setStrikeout(bool on, const QColor &colour)
{
    strikeout_ = on;
    SendScintilla(SCI_INDICSETFORE, StrikeIndicator, colour);
    SendScintilla(SCI_SETINDICATORCURRENT, StrikeIndicator);
    const long length = SendScintilla(SCI_GETLENGTH);
    if (on)
        SendScintilla(SCI_INDICATORFILLRANGE, 0, length);
    else
        SendScintilla(SCI_INDICATORCLEARRANGE, 0, length);
}

void CodeEditor::finishChange()
{
    if (!changePending_)
        return;
    changePending_ = false;
    countInsertion();
    if (strikeout_ && insertedFrom_ >= 0) {
        const long length = SendScintilla(SCI_GETLENGTH);
        const long to = std::min(insertedTo_, length);
        if (to > insertedFrom_) {
            SendScintilla(SCI_SETINDICATORCURRENT, StrikeIndicator);
            SendScintilla(SCI_INDICATORFILLRANGE, insertedFrom_, to - insertedFrom_);
        }
    }
    insertedFrom_ = insertedTo_ = -1;
    fitWrapToLength(SendScintilla(SCI_GETLENGTH));
    auto events = std::move(accessibleEvents_);
    accessibleEvents_.clear();
    for (const auto &e : events)
        QAccessible::updateAccessibility(e.get());
    emit contentChanged();
}

void CodeEditor::fitWrapToLength(long length)
{
    // Half the limit on the way back, so that typing around the limit does not switch back and
    // forth (each switch to wrapping lays out the whole text again in the background).
    const bool wrapped = SendScintilla(SCI_GETWRAPMODE) != SC_WRAP_NONE;
    if (wrapped && length > WrapLimit)
        SendScintilla(SCI_SETWRAPMODE, SC_WRAP_NONE);
    else if (!wrapped && length <= WrapLimit / 2)
        SendScintilla(SCI_SETWRAPMODE, SC_WRAP_WORD);
}

void CodeEditor::onModified(int position, int type, const char *, int length)
{
    const bool inserting = type & SC_MOD_BEFOREINSERT;
    if (!inserting && !(type & SC_MOD_BEFOREDELETE))
        return;
    // The insertion before this one is complete by now.
    countInsertion();
    const long end = position + length;
    if (inserting) {
        // The text arrives after this notification (which does not carry it): counted when it
        // is in place.
        insertionAt_ = position;
        insertionLength_ = length;
        insertionOffset_ = QAccessible::isActive() ? offsetFromPosition(position) : -1;
        if (insertedFrom_ < 0) {
            insertedFrom_ = position;
            insertedTo_ = end;
        } else {
            insertedTo_ = std::max(insertedTo_ >= position ? insertedTo_ + length : insertedTo_, end);
            insertedFrom_ = std::min(insertedFrom_, long(position));
        }
    } else {
        if (!replacingAll_)
            emit changedAt(position, length, {});
        const auto *bytes = reinterpret_cast<const char *>(SendScintilla(SCI_GETRANGEPOINTER, position, length));
        if (!replacingAll_ && !countedByCaller_ && byteLength_ >= 0)
            byteLength_ -= core::encodedLength(QByteArrayView(bytes, length), lengthIn_);
        if (QAccessible::isActive())
            accessibleEvents_.push_back(std::make_unique<QAccessibleTextRemoveEvent>(
                this, offsetFromPosition(position), core::editorBytesToText(bytes, length)));
        auto shrink = [&](long x) { return x <= position ? x : std::max(long(position), x - length); };
        insertedFrom_ = insertedFrom_ < 0 ? -1 : shrink(insertedFrom_);
        insertedTo_ = insertedTo_ < 0 ? -1 : shrink(insertedTo_);
    }
    // The column counted last is still right while the change lies after it.
    if (position < columnPosition_)
        columnLineStart_ = columnPosition_ = -1;
    everModified_ = true;
    changePending_ = true;
    if (!finishQueued_) {
        finishQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                finishQueued_ = false;
                finishChange();
            },
            Qt::QueuedConnection);
    }
}

void CodeEditor::countInsertion() const
{
    if (insertionAt_ < 0)
        return;
    const long at = std::exchange(insertionAt_, -1); // counted once, whatever a receiver does
    auto *self = const_cast<CodeEditor *>(this);
    const auto *bytes = reinterpret_cast<const char *>(self->SendScintilla(SCI_GETRANGEPOINTER, at, insertionLength_));
    if (!replacingAll_)
        emit self->changedAt(at, 0, QByteArrayView(bytes, insertionLength_));
    if (replacingAll_ || countedByCaller_) {
        // counted by whoever made the change
    } else if (byteLength_ >= 0) {
        byteLength_ += core::encodedLength(QByteArrayView(bytes, insertionLength_), lengthIn_);
    }
    if (!replacingAll_ && !countedByCaller_ && !mayHoldRawBytes_ && !core::checkUtf8(QByteArrayView(bytes, insertionLength_)).valid)
        mayHoldRawBytes_ = true;
    if (insertionOffset_ >= 0)
        accessibleEvents_.push_back(std::make_unique<QAccessibleTextInsertEvent>(
            self, insertionOffset_, core::editorBytesToText(bytes, insertionLength_)));
}

qint64 CodeEditor::byteLength(core::Encoding encoding) const
{
    countInsertion();
    if (encoding != lengthIn_) {
        lengthIn_ = encoding;
        byteLength_ = -1;
    }
    if (byteLength_ < 0)
        byteLength_ = core::encodedLength(buffer(), encoding);
    return byteLength_;
}

bool CodeEditor::mayHoldRawBytes() const
{
    countInsertion();
    return mayHoldRawBytes_;
}

void CodeEditor::onUpdateUi(int)
{
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    const long anchor = SendScintilla(SCI_GETANCHOR);
    if (caret == lastCaret_ && anchor == lastAnchor_)
        return;
    const bool caretMovedNow = caret != lastCaret_;
    const bool selectionChanged = anchor != caret || lastAnchor_ != lastCaret_;
    lastCaret_ = caret;
    lastAnchor_ = anchor;
    if (QAccessible::isActive()) {
        if (selectionChanged) {
            const int from = offsetFromPosition(std::min(caret, anchor));
            const int to = offsetFromPosition(std::max(caret, anchor));
            QAccessibleTextSelectionEvent e(this, from, to);
            e.setCursorPosition(offsetFromPosition(caret));
            QAccessible::updateAccessibility(&e);
        }
        if (caretMovedNow) {
            QAccessibleTextCursorEvent e(this, offsetFromPosition(caret));
            QAccessible::updateAccessibility(&e);
        }
    }
    if (caretMovedNow)
        emit caretMoved();
}

void CodeEditor::keepCharacterOffsets()
{
    // Kept from the first question on: the editor component then updates them with each change.
    if (!offsetsKept_)
        SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF32);
    offsetsKept_ = true;
}

int CodeEditor::offsetFromPosition(long position)
{
    keepCharacterOffsets();
    const long line = SendScintilla(SCI_LINEFROMPOSITION, position);
    return int(SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF32) +
               SendScintilla(SCI_COUNTCHARACTERS, SendScintilla(SCI_POSITIONFROMLINE, line), position));
}

long CodeEditor::positionFromOffset(int offset)
{
    keepCharacterOffsets();
    offset = std::max(offset, 0);
    const long line = SendScintilla(SCI_LINEFROMINDEXPOSITION, offset, SC_LINECHARACTERINDEX_UTF32);
    const long lineOffset = SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, SC_LINECHARACTERINDEX_UTF32);
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    if (offset == lineOffset)
        return lineStart;
    // Zero means past either end of the text.
    const long position = SendScintilla(SCI_POSITIONRELATIVE, lineStart, offset - lineOffset);
    return position > 0 ? position : SendScintilla(SCI_GETLENGTH);
}

int CodeEditor::characterCount() { return offsetFromPosition(SendScintilla(SCI_GETLENGTH)); }

bool CodeEditor::event(QEvent *e)
{
    if (e->type() == QEvent::DeferredDelete)
        return QsciScintilla::event(e);
    const bool handled = QsciScintilla::event(e);
    finishChange();
    return handled;
}

bool CodeEditor::viewportEvent(QEvent *e)
{
    const bool handled = QsciScintilla::viewportEvent(e);
    finishChange();
    return handled;
}

void CodeEditor::focusInEvent(QFocusEvent *e)
{
    SendScintilla(SCI_HIDESELECTION, 0);
    QsciScintilla::focusInEvent(e);
}

void CodeEditor::inputMethodEvent(QInputMethodEvent *e)
{
    // The component adds an input method's text (composed or committed) as if typed.
    composing_ = true;
    QsciScintilla::inputMethodEvent(e);
    composing_ = !e->preeditString().isEmpty();
}

void CodeEditor::focusOutEvent(QFocusEvent *e)
{
    SendScintilla(SCI_HIDESELECTION, 1);
    QsciScintilla::focusOutEvent(e);
}

} // namespace ui
