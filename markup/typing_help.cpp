// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing_help.h"

#include "document/editor.h"
#include "reference/schema.h"
#include "typing_context.h"
#include "ui/typing_ops.h"

namespace markup {
namespace {

/// The editor's lists, numbered as Offer names them.
constexpr int ElementList = int(Offer::ElementNames);
constexpr int EntityList = int(Offer::EntityNames);

QStringList entityItems()
{
    QStringList items;
    for (const reference::Entity &e : reference::entities())
        items << QString::fromLatin1(e.name) + u' ' + QString::fromUcs4(&e.character, 1);
    return items;
}

void helpAfterTyped(ui::UiRuntime &rt, char32_t c)
{
    if (c != '>' && c != '/' && c != '<' && c != '&')
        return;
    const ui::ControlRef &editor = document::codeEditor();
    const ui::EditorStretch s = ui::readEditorStretch(rt, editor, TypingReachBefore, TypingReachAfter);
    const TypingStretch stretch{.text = s.text, .caret = s.caret, .reading = s.reading};
    const qint64 caret = s.start + s.caret;
    if (c == '>') {
        // The caret stays between the start tag and its end tag.
        if (const QByteArray end = endTagForTypedGt(stretch); !end.isEmpty())
            ui::replaceForUser(rt, editor, caret, caret, end, caret);
    } else if (c == '/') {
        if (const QByteArray rest = completionForTypedSlash(stretch); !rest.isEmpty())
            ui::replaceForUser(rt, editor, caret, caret, rest, caret + rest.size());
    } else if (const Offer offer = offerForTyped(stretch); offer == Offer::ElementNames) {
        ui::showEditorList(rt, editor, ElementList, reference::offeredElementNames());
    } else if (offer == Offer::EntityNames) {
        ui::showEditorList(rt, editor, EntityList, entityItems());
    }
}

void insertChosen(ui::UiRuntime &rt, int list, const QString &item, qint64 wordStart)
{
    const ui::ControlRef &editor = document::codeEditor();
    const qint64 caret = rt.getEditorSelection(editor).second;
    // An entity's item shows its character after the name; "&name;" is what goes in.
    const QByteArray text = list == EntityList ? item.section(u' ', 0, 0).toUtf8() + ';' : item.toUtf8();
    ui::replaceForUser(rt, editor, wordStart, caret, text, wordStart + text.size());
}

} // namespace

void startTypingHelp(ui::UiRuntime &rt)
{
    ui::onEditorCharacterTyped(rt, document::codeEditor(), helpAfterTyped);
    ui::onEditorListChosen(rt, document::codeEditor(), insertChosen);
}

} // namespace markup
