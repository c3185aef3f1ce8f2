// SPDX-License-Identifier: GPL-3.0-or-later
#include "highlight_words.h"

#include "keywords.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace reference {
namespace {

void addOnce(QStringList &list, const QString &word)
{
    const QString w = word.toLower();
    if (!w.isEmpty() && !list.contains(w))
        list.append(w);
}

} // namespace

ui::HighlightWords highlightWords()
{
    ui::HighlightWords words;
    // An item may hold several tags ("<ireplace><irndnum>") and attributes (<a href="" target="">).
    static const QRegularExpression tag(QStringLiteral("</?([A-Za-z][A-Za-z0-9]*)([^<>]*)>?"));
    static const QRegularExpression attribute(QStringLiteral("([A-Za-z][A-Za-z0-9-]*)\\s*="));
    for (const QStringList *list : {&htmlKeywords(), &ihtmlKeywords()}) {
        for (const QString &item : *list) {
            for (const auto &m : tag.globalMatch(item)) {
                addOnce(words.tags, m.captured(1));
                for (const auto &a : attribute.globalMatch(m.captured(2)))
                    addOnce(words.attributes, a.captured(1));
            }
        }
    }
    // Items that are punctuation ("<%", "\")") are not words.
    static const QRegularExpression word(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    for (const QStringList *list : {&vbKeywords(), &aspKeywords()})
        for (const QString &item : *list)
            if (word.match(item).hasMatch())
                addOnce(words.vbscript, item);
    // The lexer reads a dotted name as one word: Response.Write is known when both halves are
    // words of the list and the first is one of ASP's objects.
    const QStringList members = words.vbscript;
    for (const QString &object : {u"application"_s, u"objectcontext"_s, u"request"_s, u"response"_s, u"server"_s, u"session"_s})
        if (members.contains(object))
            for (const QString &member : members)
                addOnce(words.vbscript, object + u'.' + member);
    return words;
}

} // namespace reference
