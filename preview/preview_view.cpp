// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview_view.h"

#include "page_preparation.h"
#include "preview_page.h"

#include <QChildEvent>
#include <QWebEngineLoadingInfo>
#include <QDir>
#include <QMouseEvent>
#include <QSaveFile>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QtConcurrent/QtConcurrentRun>

#include <csignal>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace preview {
namespace {

/// How long a renderer may take to answer before it is taken to be stuck in a script and ended.
constexpr int AnswerMilliseconds = 1000;

const QString ScrollBackName = u"quillmere-scroll-back"_s;

/// The innermost element at a point of the view whose source is marked: the element under the
/// point, or deeper, the element holding the text nearest to it.
const QString PickScript = uR"((function (x, y) {
  var e = document.elementFromPoint(x, y), r = document.caretRangeFromPoint(x, y);
  var t = r ? r.startContainer : null;
  if (t && t.nodeType !== 1) t = t.parentElement;
  if (t && e && e.contains(t)) e = t;
  e = e ? e.closest('[%3]') : null;
  return e ? Number(e.getAttribute('%3')) : -1;
})(%1, %2))"_s;

Written prepareAndWrite(const ui::WebPage &page, const QString &file, const std::atomic_bool *stop)
{
    PreparedPage prepared = preparePage(page.text, page.documentPath, stop);
    Written w{.cancelled = prepared.cancelled, .folder = prepared.folder, .missingIncludes = prepared.missingIncludes};
    if (w.cancelled)
        return w;
    // Replaced whole: a load still reading the last page keeps reading the last page.
    QSaveFile out(file);
    w.ok = out.open(QIODevice::WriteOnly) && out.write(prepared.html) == prepared.html.size() && out.commit();
    if (!w.ok)
        w.why = out.errorString();
    return w;
}

} // namespace

PreviewView::PreviewView(QWidget *parent)
    : QWidget(parent),
      profile_(new QWebEngineProfile(this)), // no storage name: nothing is kept on disk
      gate_(new RequestGate(this)),
      page_(new PreviewPage(profile_, this)),
      view_(new QWebEngineView(this)),
      folder_(QDir::tempPath() + u"/quillmere-preview-XXXXXX"_s),
      pacing_({.ask = [this](std::function<void()> answered) {
                   page_->runJavaScript(u"0"_s, QWebEngineScript::ApplicationWorld,
                                        [this, answered = std::move(answered)](const QVariant &) {
                                            if (!closing_)
                                                answered();
                                        });
               },
               .end = [this](Ending why) {
                   const qint64 pid = page_->renderProcessPid();
                   if (pid <= 0)
                       return false;
                   ::kill(pid_t(pid), SIGKILL);
                   if (why == Ending::Unanswered) // a script that never ends (while(true){})
                       note_ = u"页面的脚本没有响应，已重新载入"_s;
                   return true;
               },
               .load = [this] { load(); }},
              AnswerMilliseconds)
{
    file_ = folder_.filePath(u"page.html"_s);
    page_->setUrlRequestInterceptor(gate_);
    // Pages show as saved files do in a browser: local references work, nothing else is implied.
    QWebEngineSettings *s = page_->settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    // Remote requests reach the gate, which counts and blocks them until the window allows them;
    // without this the engine drops them from a file: page before anyone sees them.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    view_->setPage(page_);
    view_->installEventFilter(this);
    setFocusProxy(view_);

    connect(gate_, &RequestGate::blocked, this, [this](const QUrl &url) {
        ++blocked_;
        lastBlocked_ = url;
        report();
    });
    connect(page_, &PreviewPage::note, this, [this](const QString &text) {
        note_ = text;
        report();
    });
    connect(page_, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo &info) {
        switch (info.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus: pacing_.started(); return;
        case QWebEngineLoadingInfo::LoadStoppedStatus: return; // the next load began
        default: pacing_.finished();
        }
        // The script given to a page loaded afresh does not always take effect in its new process:
        // the place is brought back once more when the page has loaded, unless it has moved since.
        if (pacing_.shown() && !scrollBack_.isEmpty())
            page_->runJavaScript(std::exchange(scrollBack_, {}), QWebEngineScript::ApplicationWorld);
        if (stage_ != Stage::Loading)
            return;
        stage_ = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus ? Stage::Shown : Stage::Failed;
        report();
    });
    connect(page_, &QWebEnginePage::scrollPositionChanged, this, [this](const QPointF &at) {
        // Where the user left the page, not where a page being loaded afresh starts.
        if (!pacing_.loading())
            kept_ = at;
    });
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, [this](QWebEnginePage::RenderProcessTerminationStatus status) {
        // The next page starts a new renderer; until then the last one stays drawn.
        if (!pacing_.processGone())
            return; // ended here, and said so if it was stuck
        if (status != QWebEnginePage::NormalTerminationStatus && note_.isEmpty())
            note_ = u"页面的进程已结束，修改后重新显示"_s;
        report();
    });
    connect(&preparing_, &QFutureWatcher<Written>::finished, this, &PreviewView::prepared);
}

PreviewView::~PreviewView()
{
    // Answers still on their way from the page come to nothing from here on.
    closing_ = true;
    statusChanged = nullptr;
    sourcePicked = nullptr;
    if (stop_)
        stop_->store(true);
    preparing_.waitForFinished(); // the worker writes into the folder removed below
    // The engine wants a page gone before its profile.
    delete view_;
    delete page_;
    delete profile_;
}

void PreviewView::show(const ui::WebPage &page)
{
    pending_ = page;
    if (preparing_.isRunning())
        stop_->store(true); // prepared() then starts on the latest page
    else
        prepareNext();
}

void PreviewView::setNetworkAllowed(bool allowed)
{
    gate_->allowed = allowed;
    if (pacing_.shown())
        pacing_.next();
}

void PreviewView::prepareNext()
{
    if (!pending_)
        return;
    ui::WebPage page = std::move(*pending_);
    pending_.reset();
    stop_ = std::make_shared<std::atomic_bool>(false);
    stage_ = Stage::Preparing;
    report();
    preparing_.setFuture(QtConcurrent::run([page = std::move(page), file = file_, stop = stop_] {
        return prepareAndWrite(page, file, stop.get());
    }));
}

void PreviewView::prepared()
{
    const Written w = preparing_.result();
    if (pending_) {
        prepareNext();
        return;
    }
    if (w.cancelled)
        return;
    if (!w.ok) {
        note_ = u"页面无法写入临时文件：%1"_s.arg(w.why);
        stage_ = Stage::Failed;
        report();
        return;
    }
    shown_ = w;
    pacing_.next();
}

void PreviewView::load()
{
    const QUrl url = QUrl::fromLocalFile(file_);
    page_->shownFile = url;
    blocked_ = 0;
    stage_ = Stage::Loading;
    report();
    // A reload of the same file keeps the scroll position, as a browser's reload does.
    const bool reload = pacing_.shown() && page_->url().adjusted(QUrl::RemoveFragment) == url;
    // A page loaded afresh, its last process ended, is shown where the last one was left once
    // parsed (before its pictures and such have come, which may never happen).
    for (const QWebEngineScript &s : page_->scripts().find(ScrollBackName))
        page_->scripts().remove(s);
    scrollBack_.clear();
    if (!reload && !kept_.isNull()) {
        scrollBack_ = u"if (window.scrollX === 0 && window.scrollY === 0) window.scrollTo(%1, %2)"_s.arg(kept_.x()).arg(kept_.y());
        QWebEngineScript back;
        back.setName(ScrollBackName);
        back.setWorldId(QWebEngineScript::ApplicationWorld);
        back.setInjectionPoint(QWebEngineScript::DocumentReady);
        back.setSourceCode(scrollBack_);
        page_->scripts().insert(back);
    }
    if (reload)
        page_->triggerAction(QWebEnginePage::Reload);
    else
        page_->load(url);
}

void PreviewView::report()
{
    QStringList parts;
    switch (stage_) {
    case Stage::Preparing:
    case Stage::Loading: parts << u"正在更新…"_s; break;
    case Stage::Failed: parts << u"页面未能完全载入"_s; break;
    case Stage::Shown: break;
    }
    if (stage_ != Stage::Preparing || pacing_.shown())
        parts << (shown_.folder.isEmpty() ? u"文档尚未保存，相对地址无处可找"_s
                                          : u"相对地址以 %1 为准"_s.arg(QDir::toNativeSeparators(shown_.folder)));
    if (!shown_.missingIncludes.isEmpty()) {
        QStringList names = shown_.missingIncludes.mid(0, 3);
        if (shown_.missingIncludes.size() > 3)
            names << u"…"_s;
        parts << u"未能包含 %1"_s.arg(names.join(u"、"));
    }
    if (blocked_ > 0)
        parts << u"已阻止 %1 个联网请求（%2）"_s.arg(blocked_).arg(lastBlocked_.toDisplayString().left(80));
    if (!note_.isEmpty())
        parts << note_;
    if (statusChanged)
        statusChanged(parts.join(u"；"));
}

void PreviewView::resizeEvent(QResizeEvent *) { view_->setGeometry(rect()); }

bool PreviewView::eventFilter(QObject *watched, QEvent *event)
{
    // Mouse input goes to a child the view makes for each renderer: watch each one.
    if (watched == view_ && event->type() == QEvent::ChildAdded) {
        if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
    } else if (watched != view_ && event->type() == QEvent::MouseButtonDblClick) {
        pickSourceAt(static_cast<QMouseEvent *>(event)->position());
    }
    return false;
}

void PreviewView::pickSourceAt(QPointF at)
{
    const qreal zoom = page_->zoomFactor();
    const QString script = PickScript.arg(at.x() / zoom).arg(at.y() / zoom).arg(QString::fromLatin1(SourceAttribute));
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld, [this](const QVariant &result) {
        if (closing_)
            return;
        bool ok = false;
        const qint64 offset = result.toLongLong(&ok);
        if (ok && offset >= 0 && sourcePicked)
            sourcePicked(offset);
    });
}

} // namespace preview

