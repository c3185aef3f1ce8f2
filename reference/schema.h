// SPDX-License-Identifier: GPL-3.0-or-later
// What HTML itself says about elements and entities, as the typing help needs it: one table of
// our own, its facts those of the HTML 4.01 and HTML5 references.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>

#include <span>

namespace reference {

/// Whether the element has no end tag in HTML (br, img, input …), in any case of its name.
bool isVoidElement(QByteArrayView name);
/// Whether HTML 4.01 or HTML5 has an element of that name, in any case.
bool isElement(QByteArrayView name);

/// The element names offered after '<': those the html keyword list inserts first, in its
/// order, then the other elements of HTML 4.01 and HTML5.
QStringList offeredElementNames();

/// The attributes the element takes: its own, then those every element takes.
QList<QByteArray> attributesOf(QByteArrayView element);
/// The values of the element's attribute where HTML fixes them; empty where it takes any text.
QList<QByteArray> valuesOf(QByteArrayView element, QByteArrayView attribute);

/// A character entity: its name (without '&' and ';') and the character it stands for.
struct Entity {
    const char *name;
    char32_t character;
};
/// HTML's character entities, the ones used most first.
std::span<const Entity> entities();

/// The CSS 2.1 properties, in alphabetical order.
QStringList cssPropertyNames();
/// The words offered in a server block: the vb list's and the asp list's names (not their
/// punctuation such as "<%"), each once, in the lists' order.
QStringList aspWords();
/// The keywords a CSS 2.1 property takes (colour names for colours); empty for one that takes none.
QList<QByteArray> cssKeywordsOf(QByteArrayView property);
/// The members of an ASP object (Request, Response, Server, Session, Application), in any case.
QList<QByteArray> aspMembersOf(QByteArrayView object);

} // namespace reference
