// SPDX-License-Identifier: GPL-3.0-or-later
// The page as the preview hands it to the browser: classic ASP cannot run here, so its blocks
// become marked placeholders and its includes the included files' text; relative references
// resolve against the document's folder; and every start tag says where its source begins, so
// that a double-click can find its way back to the text. Plain functions over UTF-8 text, QtCore
// only: they run on a worker thread and are tested without a browser.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <atomic>

namespace preview {

/// How deep includes are followed: an include in the page is one deep, one in that file two.
inline constexpr int MaxIncludeDepth = 8;
/// The most bytes all included files together may add to a page; later includes become placeholders.
inline constexpr qint64 MaxIncludedBytes = qint64(32) << 20;
/// The attribute each start tag of the page gets: the byte offset in the document where the
/// element's source starts (for elements from an included file, where the include is).
inline constexpr QByteArrayView SourceAttribute = "data-qm";

struct PreparedPage {
    QByteArray html;             // UTF-8 after a byte-order mark, which outranks any declaration
    QString folder;              // what relative references resolve against; empty: the page has no file
    QStringList missingIncludes; // includes not inlined, as written in the page
    bool cancelled = false;      // stop was raised: html is incomplete
};

/// Prepares the document's text (the editor's UTF-8 buffer) for the browser. documentPath is the
/// file the text was last read from or written to, empty for a document that has none.
/// - `<% … %>` in the page's text becomes a marked placeholder showing its first words (a `qm-asp`
///   element), `<%= … %>` a marked box with the expression (`qm-value`); a `%>` inside a double-quoted string does not end a block.
///   Inside a tag, a comment, a script or style, and before the page's first tag, blocks leave
///   nothing (a placeholder there would break the markup or the document mode), nor do
///   `<%@ … %>` directives.
/// - `<!--#include file=… -->` (relative to the including file's folder) and `virtual=…` (relative
///   to the site root: the nearest folder above the page holding a global.asa, else the page's
///   folder) are replaced by the file's text, read in the encoding its bytes are in, recursively up
///   to MaxIncludeDepth; an include that cannot be followed becomes a placeholder saying why.
/// - A `<base href>` to the document's folder, and the placeholders' style sheet, go into the head
///   (before anything of the page's own).
/// stop is looked at now and then; once raised, the result is returned cancelled.
PreparedPage preparePage(QByteArrayView text, const QString &documentPath, const std::atomic_bool *stop = nullptr);

/// The site root virtual= includes resolve against, for a page in the folder.
QString siteRoot(const QString &pageFolder);

} // namespace preview
