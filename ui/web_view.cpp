// SPDX-License-Identifier: GPL-3.0-or-later
// The WebView control: a frame the runtime owns around the widget a loaded module makes, the
// module's reports turned into the control's events, and the quiet period after the text of the
// editor the view follows has changed.
#include "web_view.h"

#include "code_editor.h"
#include "runtime_impl.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace ui {

/// The frame of a WebView control: holds the module's widget at its full size.
class WebViewHost : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    WebView *view = nullptr; // the module's, deleted with its widget (a child of this frame)
    QPointer<QWidget> viewWidget;
    QString status;
    QPointer<QLabel> statusLabel;
    qint64 picked = -1;
    QTimer quiet;
    QMetaObject::Connection following;

protected:
    void resizeEvent(QResizeEvent *) override
    {
        if (viewWidget)
            viewWidget->setGeometry(rect());
    }
};

QWidget *buildWebView(UiRuntime::Impl &impl, const QString &window, const ControlDef &c, QWidget *parent)
{
    auto *host = new WebViewHost(parent);
    host->quiet.setSingleShot(true);
    const QString unit = c.unit;
    QObject::connect(&host->quiet, &QTimer::timeout, host,
                     [&impl, window, unit] { impl.deliver(window, unit, Event::ContentChanged); });
    if (!impl.webViews)
        return host;
    host->view = impl.webViews->createWebView(host);
    host->viewWidget = host->view->widget();
    host->setFocusProxy(host->viewWidget);
    host->view->statusChanged = [host = QPointer(host)](const QString &status) {
        if (!host)
            return;
        host->status = status;
        if (host->statusLabel)
            host->statusLabel->setText(status);
    };
    host->view->sourcePicked = [&impl, window, unit, host = QPointer(host)](qint64 offset) {
        if (!host)
            return;
        host->picked = offset;
        impl.deliver(window, unit, Event::DoubleClick);
    };
    return host;
}

void setWebViewProvider(UiRuntime &rt, WebViewProvider *provider) { implOf(rt).webViews = provider; }

bool hasWebViewProvider(UiRuntime &rt) { return implOf(rt).webViews != nullptr; }

void showWebPage(UiRuntime &rt, const ControlRef &view, const WebPage &page)
{
    if (auto *host = implOf(rt).as<WebViewHost>(view); host && host->view)
        host->view->show(page);
}

void setWebNetworkAllowed(UiRuntime &rt, const ControlRef &view, bool allowed)
{
    if (auto *host = implOf(rt).as<WebViewHost>(view); host && host->view)
        host->view->setNetworkAllowed(allowed);
}

void showWebStatusIn(UiRuntime &rt, const ControlRef &view, const ControlRef &label)
{
    auto *host = implOf(rt).as<WebViewHost>(view);
    auto *shown = implOf(rt).as<QLabel>(label);
    if (!host || !shown)
        return;
    host->statusLabel = shown;
    shown->setText(host->status);
}

void followEditor(UiRuntime &rt, const ControlRef &view, const ControlRef &editor, int quietMilliseconds)
{
    auto *host = implOf(rt).as<WebViewHost>(view);
    auto *ed = implOf(rt).as<CodeEditor>(editor);
    if (!host || !ed)
        return;
    QObject::disconnect(host->following);
    host->quiet.setInterval(quietMilliseconds);
    host->following = QObject::connect(ed, &CodeEditor::contentChanged, host, [host] { host->quiet.start(); });
}

qint64 getWebPickedSource(UiRuntime &rt, const ControlRef &view)
{
    auto *host = implOf(rt).as<WebViewHost>(view);
    return host ? host->picked : -1;
}

} // namespace ui

#include "web_view.moc"
