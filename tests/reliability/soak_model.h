// SPDX-License-Identifier: GPL-3.0-or-later
// What a step of the soak session may do to the editor's text, and the check of the text against
// it: the elements the modelled dialogs insert, the kinds of change, the mismatch found.
#pragma once

#include "core/texts.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace soak {

using namespace Qt::Literals::StringLiterals;

/// The editor's buffer (UTF-8, with bytes that are not GB18030 stored raw) and its selection.
struct EditorState {
    QByteArray buffer;
    qsizetype start = 0, end = 0;
};

/// The element each modelled dialog's OK inserts, from its fields as they stand at the click
/// (nothing, for fields the dialog turns down).
using Fields = std::map<QString, QString>;
inline const std::map<QString, std::function<QString(const Fields &)>> &elementModels()
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

/// Checks the text against the expectation; returns a description of the mismatch.
inline QString mismatch(const EditorState &b, const QByteArray &after, const Expectation &x)
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
            return u"expected exactly «%1» (%2) over the selection, got «%3» (%4)"_s.arg(
                core::editorBytesToText(x.inserted.constData(), x.inserted.size()).left(200),
                QString::fromLatin1(x.inserted.left(100).toHex(' ')),
                core::editorBytesToText(middle.constData(), middle.size()).left(200),
                QString::fromLatin1(middle.left(100).toHex(' ')));
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

} // namespace soak
