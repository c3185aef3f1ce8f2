// SPDX-License-Identifier: GPL-3.0-or-later
// What the CodeEditor's syntax colouring needs from the rest of the program: the document's
// language and the known words.
#pragma once

#include <QStringList>

namespace ui {

/// How the CodeEditor colours its text: HTML with classic ASP, scripts and style blocks, or a
/// whole CSS style sheet.
enum class Language { Html, Css };

/// Words the colouring knows besides the usual JavaScript and CSS sets; all lower case.
struct HighlightWords {
    QStringList tags;       // known HTML (and server-side) tags
    QStringList attributes; // known attribute names
    QStringList vbscript;   // VBScript keywords in ASP blocks and VBScript scripts
};

/// Texts of more buffer bytes than this, and style sheets with a line longer than the second
/// limit, are shown as plain text: see README, "Highlighting".
inline constexpr long HighlightLimit = 128L << 20;
inline constexpr long StyleSheetLineLimit = 256L << 10;

} // namespace ui
