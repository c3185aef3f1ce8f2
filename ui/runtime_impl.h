// SPDX-License-Identifier: GPL-3.0-or-later
// Internals of the runtime layer, shared by its source files only.
#pragma once

#include "runtime.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>

class QEventLoop;
class QMenu;
class QAction;

namespace ui {

class HostWindow;
class WebViewProvider;

/// One open window: its definition, its widget and its controls by unit name.
struct OpenWindow {
    WindowDefinition def;
    QPointer<HostWindow> host;
    QHash<QString, QPointer<QObject>> controls; // widgets, menu actions, common dialogs
    QHash<QString, QMenu *> menus;              // menu items that hold a submenu
    QEventLoop *loop = nullptr;                 // nested loop of a modal window
    bool modal = false;
    bool closing = false;
    QSize lastSize;
};

struct UiRuntime::Impl {
    UiRuntime *rt = nullptr;
    std::map<QString, std::unique_ptr<OpenWindow>> windows;
    std::vector<QString> modalStack;
    QStringList topWindows; // the program ends when the last of them is gone
    WebViewProvider *webViews = nullptr; // the module that makes WebView controls, once loaded

    OpenWindow *window(const QString &name) const;
    QObject *control(const ControlRef &ref) const;
    template <class T> T *as(const ControlRef &ref) const { return qobject_cast<T *>(control(ref)); }

    /// Delivers an event to its bound handler; true when there is none or it did not object.
    bool deliver(const QString &window, const QString &unit, Event event, EventInfo info = {});
    /// The handler bound to the event of the control (empty unit: the window), if any.
    const Binding *binding(const QString &window, const QString &unit, Event event) const;
    bool hasBinding(const QString &window, const QString &unit, Event event) const;
    void destroyWindow(const QString &name);
    void build(OpenWindow &w);
};

UiRuntime::Impl &implOf(UiRuntime &rt);

class CodeEditor;
class EditShift;
/// Before the edits are made as one change (which clears the check marks of every line it spans):
/// takes the markers off those lines, and returns what puts back the marks within [from, to] of
/// lines no edit touches, where the edits move them (empty when there are none).
std::function<void()> marksKeptThrough(CodeEditor *ed, const EditShift &shift, qint64 from, qint64 to);

/// The widget of every window: a main window whose central widget is the client area in which
/// controls are placed at their defined positions.
class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    HostWindow(UiRuntime::Impl &impl, QString name, QWidget *parent);
    QString name;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    UiRuntime::Impl &impl_;
};

/// The outer frame a window is given around its client area, in pixels: the definitions' sizes
/// are outer sizes laid out for a classic frame (4-pixel borders, a 19-pixel title bar), and the
/// frame is taken as fixed so that sizes read back as they were set.
inline constexpr int FrameWidth = 8;
inline constexpr int FrameHeight = 27;

/// Maps a face named in the definitions (宋体, 楷体_GB2312, 新宋体 …) to an installed family.
QString mapFontFace(const QString &face);
QFont fontFor(const Font &font);

/// Creates the widget (or object) for one control row; nullptr for kinds that have none.
QObject *buildControl(UiRuntime::Impl &impl, OpenWindow &w, const ControlDef &c, QWidget *parent);
/// The frame of a WebView control around the widget of the loaded module (web_view.cpp).
QWidget *buildWebView(UiRuntime::Impl &impl, const QString &window, const ControlDef &c, QWidget *parent);
/// Creates the window's keyboard shortcuts from its definition's table.
void buildShortcuts(UiRuntime::Impl &impl, OpenWindow &w);
/// Gives edit, combo and list boxes the caption of the label beside them as accessible name.
void nameFieldsAfterLabels(OpenWindow &w);

} // namespace ui
