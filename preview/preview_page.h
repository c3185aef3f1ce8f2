// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page of the preview and what it may do: load the page's own files and nothing from
// the network unless allowed, hand links to the desktop's browser, and never put up a dialog of
// the page's own over the editor.
#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

#include <atomic>

namespace preview {

/// Lets through requests that stay on the machine (file:, data:); the others only when allowed.
class RequestGate : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

    std::atomic_bool allowed = false; // read where the engine asks, which may be another thread

signals:
    void blocked(const QUrl &url);
};

class PreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    PreviewPage(QWebEngineProfile *profile, QObject *parent);

    /// The file the preview shows: the only document the page itself may navigate to.
    QUrl shownFile;

signals:
    /// Something the page did that the status line should tell.
    void note(const QString &text);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &message) override;
    bool javaScriptConfirm(const QUrl &, const QString &) override { return false; }
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override { return false; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &) override {}
};

} // namespace preview
