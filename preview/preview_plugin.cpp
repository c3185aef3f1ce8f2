// SPDX-License-Identifier: GPL-3.0-or-later
// The module's root object: the program loads it with QPluginLoader on the first F12 and asks it
// for web views. Loading it prepares the engine, which starts with the first view.
#include "preview_view.h"

#include <QObject>
#include <QQuickWindow>

#include <unistd.h>

namespace preview {

class PreviewPlugin : public QObject, public ui::WebViewProvider {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuillmereWebViewProvider_iid)
    Q_INTERFACES(ui::WebViewProvider)

public:
    PreviewPlugin()
    {
        // Chromium's sandbox cannot start for root (a CI container); an ordinary user keeps it.
        if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        // The page's accessibility tree is built while assistive technology is active (the
        // engine follows QAccessible::isActive()); on Linux the engine needs this to follow at all.
        if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
            qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
        // The program starts without OpenGL (app/startup.cpp): the page's view draws in software.
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }

    ui::WebView *createWebView(QWidget *parent) override { return new PreviewView(parent); }
};

} // namespace preview

#include "preview_plugin.moc"
