// SPDX-License-Identifier: GPL-3.0-or-later
// What a module that shows web pages provides to the runtime: the widget of a WebView control.
// The module is loaded only when a window needs one (the preview, on the first F12), so that
// nothing of a browser engine is in the program until then. Headers of Qt only: the module
// implements this interface without linking the runtime.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtPlugin>

#include <functional>

class QWidget;

namespace ui {

/// A page a web view shows: a document's text and where that document lives.
struct WebPage {
    QByteArray text;      // UTF-8, as the CodeEditor's buffer holds it
    QString documentPath; // the file the text was last read from or written to; empty: none
};

/// The web view behind one WebView control. It is its widget's: deleting the widget deletes it.
class WebView {
public:
    virtual ~WebView() = default;
    virtual QWidget *widget() = 0;
    /// Shows the page. A page given while another is still being prepared or loaded replaces
    /// it; the point of the page that was in view stays in view.
    virtual void show(const WebPage &page) = 0;
    /// Whether the page may make requests that leave the machine (off at first).
    virtual void setNetworkAllowed(bool allowed) = 0;

    /// Set by the runtime: a line for the window's status line, each time it changes.
    std::function<void(const QString &status)> statusChanged;
    /// Set by the runtime: a double-click on the page's text, with the byte offset in the page's
    /// text where the source of the innermost element clicked starts.
    std::function<void(qint64 offset)> sourcePicked;
};

/// The module's root object implements this.
class WebViewProvider {
public:
    virtual ~WebViewProvider() = default;
    virtual WebView *createWebView(QWidget *parent) = 0;
};

} // namespace ui

#define QuillmereWebViewProvider_iid "io.github.quillmere.WebViewProvider/1"
Q_DECLARE_INTERFACE(ui::WebViewProvider, QuillmereWebViewProvider_iid)
