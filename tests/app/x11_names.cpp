// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11_names.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>
// Xlib last: its macros (None, Status, Bool) would clash with names in the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>

namespace testsupport {
namespace {

xcb_connection_t *qtConnection()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

/// A connection of our own, as another client has.
Display *display()
{
    static Display *const d = XOpenDisplay(nullptr);
    return d;
}

/// A round trip on the application's connection: the server has then handled all it sent before.
Window settled(QWidget *w)
{
    xcb_connection_t *c = qtConnection();
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return Window(w->window()->winId());
}

std::string textOf(XTextProperty &prop)
{
    char **list = nullptr;
    int count = 0;
    std::string text = "<undecodable>";
    if (Xutf8TextPropertyToTextList(display(), &prop, &list, &count) >= Success && count > 0) {
        text.clear();
        for (int i = 0; i < count; ++i)
            text += list[i];
        XFreeStringList(list);
    }
    XFree(prop.value);
    return text;
}

} // namespace

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb") && qtConnection() && display(); }

std::string netWmName(QWidget *w)
{
    const Window window = settled(w);
    XTextProperty prop{};
    if (!XGetTextProperty(display(), window, &prop, XInternAtom(display(), "_NET_WM_NAME", False)) || !prop.value)
        return "<none>";
    return textOf(prop);
}

std::string wmName(QWidget *w)
{
    const Window window = settled(w);
    XTextProperty prop{};
    if (!XGetWMName(display(), window, &prop) || !prop.value)
        return "<none>";
    return textOf(prop);
}

} // namespace testsupport
