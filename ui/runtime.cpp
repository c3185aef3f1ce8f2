// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's windows and menus: creation from definitions, the delivery of events to their
// handlers, modal opening, deferred closing, menus, bounds and calls into libraries.
#include "runtime_impl.h"

#include "code_editor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <dlfcn.h>

namespace ui {

// ---- definitions ---------------------------------------------------------------------------

const ControlDef *WindowDefinition::find(const QString &unit) const
{
    for (const auto &c : controls)
        if (c.unit == unit)
            return &c;
    return nullptr;
}

ControlDef *WindowDefinition::find(const QString &unit)
{
    return const_cast<ControlDef *>(std::as_const(*this).find(unit));
}

QStringList WindowDefinition::bind(const std::vector<UnitBinding> &more)
{
    QStringList unknown;
    for (const auto &b : more) {
        if (b.unit.isEmpty()) {
            bindings.push_back({b.event, b.handler});
        } else if (ControlDef *c = find(b.unit)) {
            c->bindings.push_back({b.event, b.handler});
        } else {
            unknown << b.unit;
        }
    }
    return unknown;
}

// ---- the window widget ---------------------------------------------------------------------

HostWindow::HostWindow(UiRuntime::Impl &impl, QString name, QWidget *parent)
    : QMainWindow(parent), name(std::move(name)), impl_(impl)
{
}

void HostWindow::closeEvent(QCloseEvent *event)
{
    // The close box: the close query may keep the window open; otherwise it is destroyed.
    event->ignore();
    OpenWindow *w = impl_.window(name);
    if (!w || w->closing)
        return;
    if (!impl_.deliver(name, {}, Event::CloseQuery))
        return;
    w->closing = true;
    const QString n = name;
    QTimer::singleShot(0, qApp, [impl = &impl_, n] { impl->destroyWindow(n); });
}

void HostWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    OpenWindow *w = impl_.window(name);
    if (!w || w->lastSize.isEmpty() || w->lastSize == size())
        return;
    w->lastSize = size();
    impl_.deliver(name, {}, Event::Resized);
}

void HostWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // Delivered from the loop, not from inside the activation: the handler may show a dialog.
    QTimer::singleShot(0, this, [this] {
        if (isActiveWindow())
            impl_.deliver(name, {}, Event::Activated);
    });
}

void HostWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (OpenWindow *w = impl_.window(name); w && !w->lastSize.isEmpty())
        impl_.deliver(name, {}, Event::Moved);
}

// ---- Impl ----------------------------------------------------------------------------------

OpenWindow *UiRuntime::Impl::window(const QString &name) const
{
    auto it = windows.find(name);
    return it == windows.end() ? nullptr : it->second.get();
}

QObject *UiRuntime::Impl::control(const ControlRef &ref) const
{
    OpenWindow *w = window(ref.window);
    if (!w)
        return nullptr;
    if (ref.unit.isEmpty())
        return w->host.data();
    return w->controls.value(ref.unit).data();
}

const Binding *UiRuntime::Impl::binding(const QString &windowName, const QString &unit, Event event) const
{
    OpenWindow *w = window(windowName);
    if (!w)
        return nullptr;
    const ControlDef *c = unit.isEmpty() ? nullptr : w->def.find(unit);
    if (!unit.isEmpty() && !c)
        return nullptr;
    for (const auto &b : c ? c->bindings : w->def.bindings)
        if (b.event == event && b.handler)
            return &b;
    return nullptr;
}

bool UiRuntime::Impl::hasBinding(const QString &windowName, const QString &unit, Event event) const
{
    return binding(windowName, unit, event) != nullptr;
}

bool UiRuntime::Impl::deliver(const QString &windowName, const QString &unit, Event event, EventInfo info)
{
    const Binding *b = binding(windowName, unit, event);
    if (!b)
        return true;
    info.source = {windowName, unit};
    info.event = event;
    // Copy the handler: it may close and so destroy the definition that holds it.
    const Handler h = b->handler;
    return h(*rt, info);
}

void UiRuntime::Impl::destroyWindow(const QString &name)
{
    OpenWindow *w = window(name);
    if (!w)
        return;
    // Windows opened on top of this one (companions) go first.
    std::vector<QString> children;
    for (const auto &[n, other] : windows)
        if (other.get() != w && other->host && other->host->parentWidget() == w->host)
            children.push_back(n);
    for (const auto &c : children)
        destroyWindow(c);

    w->closing = true;
    if (w->modal) {
        // The windows it blocked take input again before its being-destroyed event runs; Qt
        // lifts the block only when the modal window is hidden.
        std::erase(modalStack, name);
        if (w->host) {
            w->host->hide();
            w->host->setWindowModality(Qt::NonModal);
        }
    }
    deliver(name, {}, Event::BeingDestroyed);
    auto node = windows.extract(name);
    if (node.empty())
        return;
    std::unique_ptr<OpenWindow> gone = std::move(node.mapped());
    if (gone->loop)
        gone->loop->quit();
    if (gone->host) {
        gone->host->hide();
        gone->host->deleteLater();
    }
    if (topWindows.removeAll(name) && topWindows.isEmpty()) {
        // Only a running loop is ended: exit() with none running would make every later
        // nested loop (modal dialogs opened by tests without run()) return at once.
        if (QThread::currentThread()->loopLevel() > 0)
            QCoreApplication::exit(0);
    }
}

// ---- UiRuntime: windows --------------------------------------------------------------------

UiRuntime::UiRuntime() : d(std::make_unique<Impl>()) { d->rt = this; }

UiRuntime::~UiRuntime()
{
    for (auto &[name, w] : d->windows)
        delete w->host.data();
}

UiRuntime::Impl &implOf(UiRuntime &rt) { return *rt.d; }

void UiRuntime::openWindow(const WindowDefinition &def, bool modal)
{
    if (OpenWindow *already = d->window(def.name)) {
        // Opening a window that is open brings it to the front with its fields kept.
        already->host->raise();
        already->host->activateWindow();
        return;
    }
    auto owned = std::make_unique<OpenWindow>();
    OpenWindow &w = *owned;
    w.def = def;
    w.modal = modal;
    // A window opened while a modal one is up belongs to it, so that both take input.
    QWidget *owner = nullptr;
    if (OpenWindow *named = d->window(def.owner))
        owner = named->host;
    else if (!d->modalStack.empty())
        if (OpenWindow *top = d->window(d->modalStack.back()))
            owner = top->host;
    w.host = new HostWindow(*d, def.name, owner);
    Qt::WindowFlags flags = owner ? Qt::Window : Qt::WindowFlags{};
    if (def.frame == Frame::Fixed)
        flags |= Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    w.host->setWindowFlags(flags | (owner ? Qt::Window : Qt::WindowFlags{}));
    w.host->setAttribute(Qt::WA_DeleteOnClose, false);
    w.host->setWindowTitle(def.caption);
    w.host->setObjectName(def.name);
    const QSize client(def.width - FrameWidth, def.height - FrameHeight);
    if (def.frame == Frame::Fixed)
        w.host->setFixedSize(client);
    else
        w.host->resize(client);
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    w.host->move(def.topLeft.value_or(
        QPoint(screen.x() + (screen.width() - def.width) / 2, screen.y() + (screen.height() - def.height) / 2)));
    if (d->topWindows.isEmpty() || def.topLevel)
        d->topWindows << def.name;
    d->windows[def.name] = std::move(owned);

    d->build(w);
    d->deliver(def.name, {}, Event::Created);
    OpenWindow *still = d->window(def.name);
    if (!still)
        return; // closed by its own created handler
    if (modal) {
        still->host->setWindowModality(Qt::ApplicationModal);
        d->modalStack.push_back(def.name);
    }
    still->host->show();
    still->lastSize = still->host->size();
    if (onWindowShown) {
        const QString name = def.name;
        QTimer::singleShot(0, qApp, [this, name] {
            if (d->window(name) && onWindowShown)
                onWindowShown(name);
        });
    }
    if (modal) {
        QEventLoop loop;
        still->loop = &loop;
        loop.exec(QEventLoop::DialogExec);
    }
}

void UiRuntime::closeWindow(const QString &name)
{
    OpenWindow *w = d->window(name);
    if (!w || w->closing)
        return;
    w->closing = true;
    // A window opened by the rest of the calling handler must not belong to this one.
    if (w->modal)
        std::erase(d->modalStack, name);
    // The destruction, which also unblocks the windows a modal one held, follows once the
    // calling handler has returned.
    QTimer::singleShot(0, qApp, [impl = d.get(), name] { impl->destroyWindow(name); });
}

bool UiRuntime::isOpen(const QString &window) const { return d->window(window) != nullptr; }

void UiRuntime::raiseWindow(const QString &window)
{
    OpenWindow *w = d->window(window);
    if (!w || !w->host)
        return;
    w->host->setWindowState((w->host->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->host->show();
    w->host->raise();
    w->host->activateWindow();
}

void UiRuntime::popUpMenu(const QString &windowName, const QString &menu)
{
    OpenWindow *w = d->window(windowName);
    if (!w)
        return;
    if (QMenu *m = w->menus.value(menu))
        m->popup(QCursor::pos() + QPoint(3, 3));
}

void UiRuntime::setMenuItemDisabled(const ControlRef &item, bool disabled)
{
    if (auto *a = d->as<QAction>(item))
        a->setEnabled(!disabled);
}

bool UiRuntime::isMenuItemDisabled(const ControlRef &item) const
{
    auto *a = d->as<QAction>(item);
    return a && !a->isEnabled();
}

int UiRuntime::getBounds(const ControlRef &ref, Bound which) const
{
    QWidget *wid = d->as<QWidget>(ref);
    if (!wid)
        return 0;
    const bool isWindow = ref.unit.isEmpty();
    switch (which) {
    case Bound::Left: return wid->x();
    case Bound::Top: return wid->y();
    case Bound::Width: return wid->width() + (isWindow ? FrameWidth : 0);
    case Bound::Height: return wid->height() + (isWindow ? FrameHeight : 0);
    }
    return 0;
}

void UiRuntime::setBounds(const ControlRef &ref, Bound which, int value)
{
    QWidget *wid = d->as<QWidget>(ref);
    if (!wid)
        return;
    const bool isWindow = ref.unit.isEmpty();
    switch (which) {
    case Bound::Left: wid->move(value, wid->y()); break;
    case Bound::Top: wid->move(wid->x(), value); break;
    case Bound::Width:
    case Bound::Height: {
        QSize size = wid->size();
        if (which == Bound::Width)
            size.setWidth(std::max(0, value - (isWindow ? FrameWidth : 0)));
        else
            size.setHeight(std::max(0, value - (isWindow ? FrameHeight : 0)));
        // A fixed frame stops the user's dragging, not the program's resizing.
        if (isWindow && wid->minimumSize() == wid->maximumSize())
            wid->setFixedSize(size);
        else
            wid->resize(size);
        break;
    }
    }
}

QList<QRect> UiRuntime::screenAreas() const
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas.move(areas.indexOf(primary->availableGeometry()), 0);
    return areas;
}

qint32 UiRuntime::callLibraryEntry(const QString &library, const QString &entry, const std::vector<LibraryArg> &args)
{
    auto fail = [&] {
        fatalError(QStringLiteral("无法找到指定DLL库文件“%1”中的输出命令“%2”").arg(library, entry));
    };
    // A bare file name is looked for in the executable's directory first, then where the
    // system's library search finds it.
    void *lib = nullptr;
    if (!library.contains(u'/'))
        lib = ::dlopen(QFile::encodeName(core::runDirectory() + u'/' + library).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        lib = ::dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        fail();
    void *sym = ::dlsym(lib, entry.toUtf8().constData());
    if (!sym)
        fail();
    // Every argument travels as one machine word, as the C calling convention passes integers
    // and addresses; texts are passed as their GB18030 bytes with a terminating zero.
    std::vector<QByteArray> texts;
    texts.reserve(args.size());
    std::vector<intptr_t> words;
    for (const auto &a : args) {
        if (auto p = std::get_if<const void *>(&a)) {
            words.push_back(reinterpret_cast<intptr_t>(*p));
        } else if (auto i = std::get_if<qint32>(&a)) {
            words.push_back(*i);
        } else {
            texts.push_back(core::textToBytes(std::get<core::Text>(a)));
            words.push_back(reinterpret_cast<intptr_t>(texts.back().constData()));
        }
    }
    words.resize(8, 0);
    using Fn = qint32 (*)(intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t);
    auto fn = reinterpret_cast<Fn>(sym);
    return fn(words[0], words[1], words[2], words[3], words[4], words[5], words[6], words[7]);
}

int UiRuntime::run()
{
    if (d->topWindows.isEmpty())
        return 0;
    return QApplication::exec();
}

} // namespace ui
