// SPDX-License-Identifier: GPL-3.0-or-later
// Operations on WebView controls (web_view.cpp). A WebView's widget comes from the module
// registered with setWebViewProvider; a window holding one is opened only once a module is.
// A WebView raises DoubleClick when its text is double-clicked (getWebPickedSource says where
// the element's source starts) and ContentChanged when the editor it follows has settled.
#pragma once

#include "runtime.h"
#include "web_view_provider.h"

namespace ui {

/// The module that makes the web views of windows opened from now on; it stays loaded.
void setWebViewProvider(UiRuntime &rt, WebViewProvider *provider);
bool hasWebViewProvider(UiRuntime &rt);

void showWebPage(UiRuntime &rt, const ControlRef &view, const WebPage &page);
void setWebNetworkAllowed(UiRuntime &rt, const ControlRef &view, bool allowed);
/// Shows the view's status line in the label, now and on every change.
void showWebStatusIn(UiRuntime &rt, const ControlRef &view, const ControlRef &label);
/// Raises the view's ContentChanged once the editor's text has stayed unchanged for
/// quietMilliseconds after a change; one such event however many changes came before it.
void followEditor(UiRuntime &rt, const ControlRef &view, const ControlRef &editor, int quietMilliseconds);
/// Where the source of the element last double-clicked starts (a byte offset in the text of the
/// page shown); -1 before any.
qint64 getWebPickedSource(UiRuntime &rt, const ControlRef &view);

} // namespace ui
