// SPDX-License-Identifier: GPL-3.0-or-later
// The CodeEditor control: QScintilla in plain-text mode, CR LF line breaks, word wrap.
#pragma once

#include "texts.h"

#include <Qsci/qsciscintilla.h>

namespace ui {

class CodeEditor : public QsciScintilla {
    Q_OBJECT
public:
    explicit CodeEditor(QWidget *parent = nullptr);

    /// The raw UTF-8 buffer, with escaped bytes stored as themselves.
    QByteArrayView buffer() const;
    Text wholeText() const;
    void replaceAll(const Text &text);
    void insertAtCaret(const Text &text);
    qint64 byteLength() const { return byteLength_; }
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

signals:
    /// After each insertion or deletion, with the document already changed.
    void contentChanged();

protected:
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    void onModified(int position, int type, const char *text, int length);

    qint64 byteLength_ = 0; // GB18030 length of the whole text
    bool everModified_ = false;
    bool strikeout_ = false;
};

} // namespace ui
