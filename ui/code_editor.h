// SPDX-License-Identifier: GPL-3.0-or-later
// The CodeEditor control: QScintilla in plain-text mode, CR LF line breaks, word wrap.
#pragma once

#include "core/encodings.h"
#include "core/texts.h"

#include <Qsci/qsciscintilla.h>

#include <memory>
#include <vector>

class QAccessibleEvent;

namespace ui {

struct EditorEdit;

class CodeEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit CodeEditor(QWidget *parent = nullptr);
    ~CodeEditor() override;

    /// The raw UTF-8 buffer, with escaped bytes stored as themselves.
    QByteArrayView buffer() const;
    core::Text wholeText() const;
    /// The whole text as GB18030 bytes, converted straight from the buffer.
    QByteArray wholeTextBytes() const;
    void replaceAll(const core::Text &text);
    /// Replaces the whole text with editor (UTF-8) bytes; the bytes are released on the way. The
    /// text's length in the encoding, when the caller knows it, saves counting it; otherwise it is
    /// counted when first asked for.
    void replaceAllWithEditorBytes(QByteArray bytes, qint64 length = -1, bool validUtf8 = false,
                                   core::Encoding lengthIn = core::Encoding::Gb18030);
    void insertAtCaret(const core::Text &text);
    /// Makes the edits as one change of the stretch they cover, whose new bytes are `joined`
    /// (joinEdits). The length and the check for raw bytes follow from the edits' own bytes: the
    /// text between them is neither counted nor checked again.
    void replaceJoined(const std::vector<EditorEdit> &edits, const QByteArray &joined);
    /// The text's length in the encoding (core::encodedLength), kept up to date from each change;
    /// asked in another encoding than the last time, the text is counted once.
    qint64 byteLength(core::Encoding encoding = core::Encoding::Gb18030) const;
    /// False while the buffer is known to be valid UTF-8: no raw byte has come in since the text
    /// was last replaced with bytes known to be valid.
    bool mayHoldRawBytes() const;
    bool everModified() const { return everModified_; }
    int caretLine() const;
    int caretColumn() const;
    int selectedCharacters() const;
    /// Strikes the whole text through, text typed or inserted later included (the editor's styles
    /// have no strikeout of their own), drawn in the given colour.
    void setStrikeout(bool on, const QColor &colour);
    bool strikeout() const { return strikeout_; }
    /// The indicator that draws the strikeout.
    static constexpr int StrikeIndicator = INDIC_CONTAINER;
    /// Gives the editor a new document with style bytes (for colouring) or without. With keepText
    /// the text, the selection and the view move into it (the undo history does not), and nothing
    /// reports the move as a change; otherwise the new document is empty.
    void setStyleBytes(bool on, bool keepText = false);

    /// Raises contentChanged once for everything changed since the last call. Runs after the
    /// editor's own input handling and after each of this class's operations; whoever changes the
    /// text directly through SendScintilla calls it when done (a queued call catches the rest).
    void finishChange();

    /// Counts (and reports with changedAt) the insertion announced last, once its text is in
    /// place: before the next change and before the text is read whole.
    void countInsertion() const;

    /// Texts longer than this (in buffer bytes) are shown unwrapped: every wrapped line has to be
    /// measured character by character, some 3 µs a byte here, in the background after loading.
    static constexpr long WrapLimit = 1 << 20;
    /// Replacing the whole text copies it into the editor in pieces of this size.
    static constexpr qsizetype HandOverPiece = 8 << 20;

    /// Character offsets as assistive technology counts them (one per code point, one per
    /// escaped byte) and buffer positions, both ways; cost grows only with the length of a line.
    int offsetFromPosition(long position);
    long positionFromOffset(int offset);
    int characterCount();

signals:
    /// After each change of the text (one or more insertions and deletions), once it is done.
    void contentChanged();
    /// Each change of the text as it is made, in buffer bytes: at the position, `removed` bytes
    /// taken out and `inserted` put in (valid during the call only), reported in order; none
    /// while the whole text is replaced (replacedAll follows).
    void changedAt(qint64 position, qint64 removed, QByteArrayView inserted);
    /// Before the whole text is replaced by these (buffer) bytes.
    void aboutToReplaceAll(const QByteArray &bytes);
    /// The new text is in place; the caret has not been put at its start yet.
    void replacedAll();
    /// After the caret has moved, once the view has been updated.
    void caretMoved();
    /// A character the user typed stands in the text before the caret (not while an input method
    /// composes; never for pasted or inserted text).
    void characterTyped(int character);

protected:
    bool event(QEvent *e) override;
    bool viewportEvent(QEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;

private:
    /// Appends the bytes as the text's (to an empty document), handing them over in pieces.
    void appendWhole(QByteArray bytes);
    void onModified(int position, int type, const char *text, int length);
    void onUpdateUi(int updated);
    void fitWrapToLength(long length);
    void keepCharacterOffsets();


    mutable qint64 byteLength_ = 0; // length of the whole text in lengthIn_; -1: not counted yet
    mutable core::Encoding lengthIn_ = core::Encoding::Gb18030;
    // The insertion announced last, counted once its text is in place.
    mutable long insertionAt_ = -1;
    long insertionLength_ = 0;
    int insertionOffset_ = -1;
    bool everModified_ = false;
    bool replacingAll_ = false; // the byte count is set afterwards, not followed
    bool countedByCaller_ = false; // the change's effect on the byte count is known beforehand
    mutable bool mayHoldRawBytes_ = false;
    bool strikeout_ = false;
    bool changePending_ = false;
    bool finishQueued_ = false;
    long insertedFrom_ = -1, insertedTo_ = -1; // covers the text inserted by the pending change
    long lastCaret_ = -1;
    long lastAnchor_ = -1;
    bool offsetsKept_ = false;
    bool composing_ = false; // an input method's text is being put in
    // The caret column counted last time, carried on while the text before it is unchanged.
    mutable long columnLineStart_ = -1, columnPosition_ = -1;
    mutable int column_ = 0;
    // Accessibility events of the pending change, sent once it is done.
    mutable std::vector<std::unique_ptr<QAccessibleEvent>> accessibleEvents_;
};

} // namespace ui
