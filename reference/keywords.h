// SPDX-License-Identifier: GPL-3.0-or-later
// The items of the four keyword lists of the reference pane, in the order they are shown.
#pragma once

#include <QStringList>

namespace reference {

/// VBScript and ASP object words (列表框2, page "vb").
const QStringList &vbKeywords();
/// HTML tags (列表框3, page "html").
const QStringList &htmlKeywords();
/// Server-side iHTML tags (列表框1, page "ihtml").
const QStringList &ihtmlKeywords();
/// ASP server variables (列表框4, page "asp").
const QStringList &aspKeywords();

} // namespace reference
