// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_help.h"

#include "tag_rename.h"
#include "typing_context.h"
#include "ui/typing_ops.h"

#include <QFileInfo>
#include <QObject>
#include <QTimer>

#include <cctype>
#include <memory>
#include <optional>

#include <string_view>

namespace markup {
namespace {

TypingStretch stretchOf(const ui::EditorStretch &s)
{
    return {.text = s.text, .caret = s.caret, .start = s.start, .reading = s.reading, .css = s.css};
}

/// Where reading for the caret's tag starts, kept from key to key: a place where the last key's
/// reading found no span open. The next key reads from there while the text before it (and a
/// margin after it) is as it was, rather than through the whole reach behind the caret again: in
/// a large document that reading cost more than the rest of a key. The answers are those of
/// reading from where the window started when the place was first found, which is kept within
/// the reach.
class QuietPlace : public QObject {
public:
    void edited(qint64 position)
    {
        if (position < at_ + QuietMargin)
            at_ = -1;
    }

    /// Sets where reading the stretch starts, and keeps the quiet place found in it.
    void readFrom(TypingStretch &s)
    {
        if (s.css)
            return; // a style sheet is not read for tags
        const qint64 caret = s.start + s.caret;
        const bool lexed = bool(s.reading.startsAt);
        if (at_ < 0 || windowStart_ < s.start || at_ >= caret || lexed != lexed_) {
            // A new window starts somewhat after the reach's start, so that it holds for the
            // keys typed after this one.
            windowStart_ = s.start == 0 ? 0 : std::min(s.start + WindowSlack, caret);
            at_ = windowStart_;
            lexed_ = lexed;
        }
        s.quietFrom = qsizetype(at_ - s.start);
        // Edits near the caret keep the place: it is sought a little before.
        at_ = s.start + quietPlace(s, s.caret - PlaceBeforeCaret);
        s.quietFrom = qsizetype(at_ - s.start);
    }

private:
    static constexpr qint64 WindowSlack = 4096;
    static constexpr qsizetype PlaceBeforeCaret = 4 * QuietMargin;
    qint64 at_ = -1; // where reading finds no span open, in the buffer; none yet
    qint64 windowStart_ = 0;
    bool lexed_ = false; // whether the lexer told where markup starts
};

/// The folder of the session's file; none while the document has no file.
QString folderOf(const document::Session &session)
{
    return session.path().isEmpty() ? QString() : QFileInfo(session.path()).absolutePath();
}

/// Opens the list that fits where the character before the caret stands, if any.
void offerAtCaret(ui::UiRuntime &rt, const document::Session &session, QuietPlace &quiet)
{
    const ui::ControlRef &editor = session.editor();
    const ui::EditorStretch s = ui::readEditorStretch(rt, editor, TypingReachBefore, TypingReachAfter, ui::Lexed::BeforeCaret);
    TypingStretch stretch = stretchOf(s);
    quiet.readFrom(stretch);
    const Offer offer = offerForTyped(stretch);
    if (const QStringList items = offeredItems(offer, folderOf(session)); !items.isEmpty())
        ui::showEditorList(rt, editor, offer.kind, items, offer.entered);
}

void helpAfterTyped(ui::UiRuntime &rt, const document::Session &session, QuietPlace &quiet, char32_t c)
{
    const ui::ControlRef &editor = session.editor();
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        // A letter is looked at closely only where a word may start a list: one that follows
        // another letter never does.
        const ui::EditorStretch near = ui::readEditorStretch(rt, editor, 2, 0, ui::Lexed::No);
        const char before = near.caret >= 2 ? near.text[near.caret - 2] : ' ';
        if (std::isalnum(uchar(before)) || QByteArrayView("_-.:").contains(before))
            return;
        const ui::EditorStretch back = ui::readEditorStretch(rt, editor, TypingReachBefore, 0, ui::Lexed::No);
        if (mayOfferForLetter(QByteArrayView(back.text).first(back.caret - 1)) && !ui::isEditorListShown(rt, editor))
            offerAtCaret(rt, session, quiet);
        return;
    }
    // Other characters are answered by nothing: the text around them is not read.
    if (std::u32string_view(U"<>/&= \"':.").find(c) == std::u32string_view::npos)
        return;
    if (c != '>' && c != '/') {
        offerAtCaret(rt, session, quiet);
        return;
    }
    const ui::EditorStretch s = ui::readEditorStretch(rt, editor, TypingReachBefore, TypingReachAfter, ui::Lexed::BeforeCaret);
    const qint64 caret = s.start + s.caret;
    if (c == '>') {
        TypingStretch stretch = stretchOf(s);
        quiet.readFrom(stretch);
        // The caret stays between the start tag and its end tag.
        if (const QByteArray end = endTagForTypedGt(stretch); !end.isEmpty())
            ui::replaceForUser(rt, editor, caret, caret, end, caret);
    } else if (const QByteArray rest = completionForTypedSlash(stretchOf(s)); !rest.isEmpty()) {
        ui::replaceForUser(rt, editor, caret, caret, rest, caret + rest.size());
    }
}

void insertChosen(ui::UiRuntime &rt, const document::Session &session, const std::shared_ptr<QuietPlace> &quiet, int list,
                  const QString &item, qint64 wordStart)
{
    const ui::ControlRef &editor = session.editor();
    const ui::EditorStretch s = ui::readEditorStretch(rt, editor, TypingReachBefore, 1, ui::Lexed::No);
    const qint64 caret = s.start + s.caret;
    const qsizetype start = qsizetype(wordStart - s.start);
    if (start < 0 || start > s.caret)
        return;
    QByteArray text = item.toUtf8();
    qint64 after = -1; // where the caret goes, counted in text; its end when not set
    switch (list) {
    case Offer::EntityNames: text = text.left(text.indexOf(' ')) + ';'; break; // the item shows its character
    case Offer::AttributeNames:
        text += "=\"\"";
        after = text.size() - 1;
        break;
    case Offer::FileNames:
    case Offer::AttributeValues: {
        const char before = start > 0 ? s.text[start - 1] : 0;
        const char next = s.caret < s.text.size() ? s.text[s.caret] : 0;
        if (before == '=')
            text = '"' + text + '"';
        else if (next != before)
            text += before;
        else
            after = text.size() + 1; // the closing quote is there already: the caret goes past it
        break;
    }
    default: break;
    }
    ui::replaceForUser(rt, editor, wordStart, caret, text, wordStart + (after < 0 ? text.size() : after));
    // The new attribute's values, when it has a fixed set, once the component has closed the list
    // this item came from.
    if (list == Offer::AttributeNames)
        QTimer::singleShot(0, [&rt, &session, quiet] { offerAtCaret(rt, session, *quiet); });
}

} // namespace

void startTypingHelp(ui::UiRuntime &rt, const document::Session &session)
{
    const ui::ControlRef &editor = session.editor();
    // The pair of the tag whose name the key being handled edits, read before its edit.
    auto pending = std::make_shared<std::optional<PairedName>>();
    ui::groupEditorKeys(
        rt, editor,
        [editor, pending](ui::UiRuntime &rt, qint64 from, qint64 to, const QString &typed) {
            // Most keys are answered from the name's neighbourhood alone, without the lexer.
            const ui::EditorStretch near = ui::readEditorStretch(rt, editor, 512, 512, ui::Lexed::No);
            if (!mayEditTagName(near.text, qsizetype(from - near.start), qsizetype(to - near.start), typed))
                return false;
            const ui::EditorStretch s = ui::readEditorStretch(rt, editor, RenameReach + 512, RenameReach + 512);
            *pending = pairedNameAt(stretchOf(s), qsizetype(from - s.start), qsizetype(to - s.start));
            return pending->has_value();
        },
        [editor, pending](ui::UiRuntime &rt, qint64 grown) {
            const ui::EditorStretch s = ui::readEditorStretch(rt, editor, RenameReach + 512, RenameReach + 512);
            if (const std::optional<Rename> r = renameAfterEdit(stretchOf(s), **pending, grown))
                ui::replaceForUser(rt, editor, r->from, r->to, r->name, -1);
            pending->reset();
        });
    auto quiet = std::make_shared<QuietPlace>();
    rt.followEditorChanges(
        editor, quiet.get(), [q = quiet.get()](qint64 position, qint64, QByteArrayView) { q->edited(position); },
        [q = quiet.get()] { q->edited(0); });
    ui::onEditorCharacterTyped(rt, editor,
                               [&session, quiet](ui::UiRuntime &rt, char32_t c) { helpAfterTyped(rt, session, *quiet, c); });
    ui::onEditorListChosen(rt, editor, [&session, quiet](ui::UiRuntime &rt, int list, const QString &item, qint64 wordStart) {
        insertChosen(rt, session, quiet, list, item, wordStart);
    });
}

} // namespace markup
