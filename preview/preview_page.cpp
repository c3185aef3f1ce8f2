// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview_page.h"

#include <QDesktopServices>
#include <QWebEngineUrlRequestInfo>

using namespace Qt::Literals::StringLiterals;

namespace preview {
namespace {

void openOutside(QWebEnginePage *page, const QUrl &url)
{
    QDesktopServices::openUrl(url);
    if (auto *p = qobject_cast<PreviewPage *>(page))
        emit p->note(u"已在浏览器中打开 %1"_s.arg(url.toDisplayString()));
}

/// The page a link that opens a new window gets: it hands the link to the desktop's browser.
class OutsideOpener : public QWebEnginePage {
public:
    OutsideOpener(QWebEngineProfile *profile, PreviewPage *from) : QWebEnginePage(profile, from), from_(from) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        openOutside(from_, url);
        deleteLater();
        return false;
    }

private:
    PreviewPage *from_;
};

} // namespace

void RequestGate::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QString scheme = info.requestUrl().scheme();
    if (allowed || scheme == u"file" || scheme == u"data")
        return;
    info.block(true);
    emit blocked(info.requestUrl());
}

PreviewPage::PreviewPage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
{
    // Whatever a page asks for (location, camera, notifications …) is refused at once.
    connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl &origin, Feature feature) {
        setFeaturePermission(origin, feature, PermissionDeniedByUser);
    });
}

bool PreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    const bool ownFile = url.adjusted(QUrl::RemoveFragment) == shownFile;
    if (type == NavigationTypeLinkClicked && !(ownFile && url.hasFragment())) {
        openOutside(this, url);
        return false;
    }
    if (!isMainFrame || ownFile)
        return true;
    emit note(u"页面要转到 %1，预览不跟随"_s.arg(url.toDisplayString()));
    return false;
}

QWebEnginePage *PreviewPage::createWindow(WebWindowType) { return new OutsideOpener(profile(), this); }

void PreviewPage::javaScriptAlert(const QUrl &, const QString &message)
{
    emit note(u"页面提示：%1"_s.arg(message.simplified().left(80)));
}

} // namespace preview
