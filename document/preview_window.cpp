// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview_window.h"

#include "status_note.h"

#include "core/files.h"
#include "ui/web_view.h"

#include <QFileInfo>
#include <QPluginLoader>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace document {

namespace {

// The window's controls, in the preview of the session's own window (Session::owned).
ui::ControlRef control(const Session &doc, const QString &unit = {}) { return {doc.owned(PreviewWindowName), unit}; }
ui::ControlRef view(const Session &doc) { return control(doc, u"超文本浏览框1"_s); }
ui::ControlRef network(const Session &doc) { return control(doc, u"选择框1"_s); }
ui::ControlRef status(const Session &doc) { return control(doc, u"标签1"_s); }

constexpr int StatusRow = 26;
constexpr int DefaultWidth = 640, DefaultHeight = 604, SmallestSide = 200;

/// Where the module may be: beside the executable (a build tree), or in the program's library
/// folder that the installed executable's run path names too.
QStringList moduleFiles()
{
    const QString name = u"/quillmere-preview.so"_s;
    return {core::runDirectory() + name, core::runDirectory() + QStringLiteral("/../" QUILLMERE_LIBRARY_DIR) + name};
}

/// Loads the module once; false, with the reason, where it is not installed or cannot load.
bool loadModule(ui::UiRuntime &rt, QString *why)
{
    if (ui::hasWebViewProvider(rt))
        return true;
    for (const QString &file : moduleFiles()) {
        if (!QFileInfo(file).isFile())
            continue;
        QPluginLoader loader(file);
        if (auto *provider = qobject_cast<ui::WebViewProvider *>(loader.instance())) {
            ui::setWebViewProvider(rt, provider);
            return true;
        }
        *why = loader.errorString();
        return false;
    }
    return false;
}

/// The window's size and place, kept across program starts.
QSettings settings() { return QSettings(u"quillmere"_s, u"quillmere"_s); }

void placeWindow(ui::UiRuntime &rt, const Session &doc)
{
    using ui::Bound;
    const ui::ControlRef Window = control(doc);
    QSettings s = settings();
    s.beginGroup(PreviewWindowName);
    if (s.value(u"width"_s).toInt() >= SmallestSide && s.value(u"height"_s).toInt() >= SmallestSide) {
        rt.setBounds(Window, Bound::Width, s.value(u"width"_s).toInt());
        rt.setBounds(Window, Bound::Height, s.value(u"height"_s).toInt());
        rt.setBounds(Window, Bound::Left, s.value(u"left"_s).toInt());
        rt.setBounds(Window, Bound::Top, s.value(u"top"_s).toInt());
        return;
    }
    // The first time: to the right of the MainWindow, as tall as it.
    const ui::ControlRef MainWindow{doc.window(), {}};
    rt.setBounds(Window, Bound::Height, rt.getBounds(MainWindow, Bound::Height));
    rt.setBounds(Window, Bound::Left, rt.getBounds(MainWindow, Bound::Left) + rt.getBounds(MainWindow, Bound::Width));
    rt.setBounds(Window, Bound::Top, rt.getBounds(MainWindow, Bound::Top));
}

void rememberPlace(ui::UiRuntime &rt, Session &doc)
{
    using ui::Bound;
    const ui::ControlRef Window = control(doc);
    QSettings s = settings();
    s.beginGroup(PreviewWindowName);
    s.setValue(u"left"_s, rt.getBounds(Window, Bound::Left));
    s.setValue(u"top"_s, rt.getBounds(Window, Bound::Top));
    s.setValue(u"width"_s, rt.getBounds(Window, Bound::Width));
    s.setValue(u"height"_s, rt.getBounds(Window, Bound::Height));
}

void reflow(ui::UiRuntime &rt, Session &doc)
{
    using ui::Bound;
    const ui::ControlRef Window = control(doc), View = view(doc), Network = network(doc), Status = status(doc);
    const int width = rt.getBounds(Window, Bound::Width) - 8, height = rt.getBounds(Window, Bound::Height) - 27;
    rt.setBounds(View, Bound::Width, width);
    rt.setBounds(View, Bound::Height, height - StatusRow);
    rt.setBounds(Network, Bound::Top, height - StatusRow + 3);
    rt.setBounds(Status, Bound::Top, height - StatusRow + 5);
    rt.setBounds(Status, Bound::Width, std::max(0, width - rt.getBounds(Status, Bound::Left) - 4));
}

void showDocument(ui::UiRuntime &rt, Session &doc)
{
    ui::showWebPage(rt, view(doc), {rt.getEditorBuffer(doc.editor()).toByteArray(), doc.path()});
}

void created(ui::UiRuntime &rt, Session &doc)
{
    placeWindow(rt, doc);
    reflow(rt, doc);
    ui::showWebStatusIn(rt, view(doc), status(doc));
    ui::followEditor(rt, view(doc), doc.editor(), PreviewQuietMilliseconds);
    showDocument(rt, doc);
}

void goToSource(ui::UiRuntime &rt, Session &doc)
{
    const qint64 at = ui::getWebPickedSource(rt, view(doc));
    if (at < 0)
        return;
    rt.selectEditorRange(doc.editor(), at, at);
    rt.focusField(doc.editor());
}

void closePreview(ui::UiRuntime &rt, Session &doc) { rt.closeWindow(doc.owned(PreviewWindowName)); }

} // namespace

void togglePreview(ui::UiRuntime &rt, Session &doc)
{
    if (rt.isOpen(doc.owned(PreviewWindowName))) {
        closePreview(rt, doc);
        return;
    }
    QString why;
    if (!loadModule(rt, &why)) {
        showBriefNote(rt, doc, why.isEmpty() ? u"预览未安装（软件包 quillmere-preview）"_s : u"预览无法载入：%1"_s.arg(why));
        return;
    }
    rt.openWindow(previewWindowDefinition(doc), false);
}

void refreshPreview(ui::UiRuntime &rt, Session &doc)
{
    if (rt.isOpen(doc.owned(PreviewWindowName)))
        showDocument(rt, doc);
}

ui::WindowDefinition previewWindowDefinition(Session &doc)
{
    using ui::Event;
    using ui::Kind;
    return {
        .name = doc.owned(PreviewWindowName),
        .caption = u"预览"_s,
        .width = DefaultWidth,
        .height = DefaultHeight,
        .frame = ui::Frame::Resizable,
        .controls = {
            {.unit = view(doc).unit, .kind = Kind::WebView, .geometry = {0, 0, DefaultWidth - 8, DefaultHeight - 27 - StatusRow},
             .bindings = {{Event::ContentChanged, withSession(doc, showDocument)}, {Event::DoubleClick, withSession(doc, goToSource)}}},
            {.unit = network(doc).unit, .kind = Kind::CheckBox, .geometry = {4, DefaultHeight - 27 - StatusRow + 3, 84, 20},
             .caption = u"允许联网"_s,
             .tooltip = u"让页面向网络发出请求（关闭时只载入本机的文件）"_s,
             .bindings = {{Event::Clicked, [&doc](ui::UiRuntime &rt) { ui::setWebNetworkAllowed(rt, view(doc), rt.isChecked(network(doc))); }}}},
            {.unit = status(doc).unit, .kind = Kind::Label, .geometry = {92, DefaultHeight - 27 - StatusRow + 5, DefaultWidth - 104, 18}},
        },
        .bindings = {{Event::Created, withSession(doc, created)}, {Event::Resized, withSession(doc, reflow)},
                     {Event::BeingDestroyed, withSession(doc, rememberPlace)}},
        .shortcuts = {{u"F12"_s, {}, withSession(doc, closePreview)}},
        .owner = doc.window(),
    };
}

} // namespace document
