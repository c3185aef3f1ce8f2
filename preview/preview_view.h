// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's web view: the page prepared on a worker thread, written to a private temporary
// folder and loaded from there (no size limit, relative references resolved through the page's
// base), in a browser profile of its own that keeps nothing on disk.
#pragma once

#include "load_pacing.h"
#include "ui/web_view_provider.h"

#include <QFutureWatcher>
#include <QPointF>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>

class QWebEngineProfile;
class QWebEngineView;

namespace preview {

class PreviewPage;
class RequestGate;

/// What a worker made of a page.
struct Written {
    bool ok = false;
    bool cancelled = false;
    QString folder;
    QStringList missingIncludes;
    QString why; // when !ok and not cancelled
};

class PreviewView : public QWidget, public ui::WebView {
    Q_OBJECT
public:
    explicit PreviewView(QWidget *parent);
    ~PreviewView() override;

    QWidget *widget() override { return this; }
    void show(const ui::WebPage &page) override;
    void setNetworkAllowed(bool allowed) override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prepareNext();
    void prepared();
    void load();
    void pickSourceAt(QPointF at);
    void report();

    QWebEngineProfile *profile_;
    RequestGate *gate_;
    PreviewPage *page_;
    QWebEngineView *view_;
    QTemporaryDir folder_;
    QString file_;

    std::optional<ui::WebPage> pending_; // the latest page not yet being prepared
    std::shared_ptr<std::atomic_bool> stop_;
    QFutureWatcher<Written> preparing_;
    LoadPacing pacing_;
    QPointF kept_; // where the user left the page last shown
    QString scrollBack_; // the script bringing a page loaded afresh back to kept_, until it has loaded
    bool closing_ = false;

    // What the status line says.
    enum class Stage { Preparing, Loading, Shown, Failed } stage_ = Stage::Preparing;
    Written shown_;
    int blocked_ = 0;
    QUrl lastBlocked_;
    QString note_;
};

} // namespace preview
