// SPDX-License-Identifier: GPL-3.0-or-later
#include "shortcuts.h"

#include "code_editor.h"
#include "runtime_impl.h"

#include <Qsci/qscicommandset.h>

#include <QAction>
#include <QKeySequence>
#include <QSet>
#include <QShortcut>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace ui {
namespace {

QKeySequence keysOf(const Shortcut &s) { return QKeySequence::fromString(s.keys, QKeySequence::PortableText); }

bool isOneCombination(const QKeySequence &k)
{
    return k.count() == 1 && k[0].key() != Qt::Key_unknown && k[0].key() != 0;
}

/// Takes the keys out of the editor's own key map, so that they reach the window's shortcut
/// instead of being claimed by the editor; the editor's other keys stay as they are.
void releaseFromEditor(CodeEditor *editor, const QKeySequence &keys)
{
    const int combined = keys[0].toCombined();
    for (QsciCommand *command : editor->standardCommands()->commands()) {
        if (command->key() == combined)
            command->setKey(0);
        if (command->alternateKey() == combined)
            command->setAlternateKey(0);
    }
}

} // namespace

void buildShortcuts(UiRuntime::Impl &impl, OpenWindow &w)
{
    QList<CodeEditor *> editors;
    for (const auto &control : std::as_const(w.controls))
        if (auto *editor = qobject_cast<CodeEditor *>(control.data()))
            editors << editor;
    const QString window = w.def.name;
    for (size_t i = 0; i < w.def.shortcuts.size(); ++i) {
        const Shortcut &s = w.def.shortcuts[i];
        const QKeySequence keys = keysOf(s);
        if (!isOneCombination(keys))
            continue;
        // Window-wide, and only while this window is the active one: a dialog in front of it
        // gets its keys for itself.
        auto *shortcut = new QShortcut(keys, w.host, nullptr, nullptr, Qt::WindowShortcut);
        if (!s.unit.isEmpty()) {
            const QString unit = s.unit;
            QObject::connect(shortcut, &QShortcut::activated, w.host, [&impl, window, unit] {
                impl.deliver(window, unit, Event::Clicked);
            });
            // The menu shows the keys beside the item. The item's own shortcut acts only inside
            // the open menu, where it clicks the item, so the two never compete.
            if (auto *action = qobject_cast<QAction *>(w.controls.value(unit).data())) {
                action->setShortcut(keys);
                action->setShortcutContext(Qt::WidgetShortcut);
            }
        } else {
            QObject::connect(shortcut, &QShortcut::activated, w.host, [&impl, window, i, keys] {
                OpenWindow *open = impl.window(window);
                if (!open || i >= open->def.shortcuts.size())
                    return;
                // A copy: the handler may close the window and so destroy the table that holds it.
                const Handler h = open->def.shortcuts[i].handler;
                EventInfo info;
                info.source = {window, {}};
                info.event = Event::KeyDown;
                info.key = keys[0].key();
                h(*impl.rt, info);
            });
        }
        for (CodeEditor *editor : std::as_const(editors))
            releaseFromEditor(editor, keys);
    }
}

QStringList lintShortcuts(const WindowDefinition &def)
{
    QStringList out;
    QSet<QString> seen;
    for (const Shortcut &s : def.shortcuts) {
        const QString who = u"shortcut %1"_s.arg(s.keys);
        const QKeySequence keys = keysOf(s);
        if (!isOneCombination(keys)) {
            out << u"%1: not one key combination"_s.arg(who);
            continue;
        }
        const QString normal = keys.toString(QKeySequence::PortableText);
        if (seen.contains(normal))
            out << u"%1: keys used twice"_s.arg(who);
        seen.insert(normal);
        if (s.unit.isEmpty() == !s.handler) {
            out << u"%1: needs either a menu item or a handler"_s.arg(who);
            continue;
        }
        if (s.unit.isEmpty())
            continue;
        const ControlDef *item = def.find(s.unit);
        bool submenu = false;
        for (const auto &c : def.controls)
            submenu = submenu || (c.kind == Kind::MenuItem && c.parent == s.unit);
        if (!item || item->kind != Kind::MenuItem || item->parent.isEmpty() || item->caption == u"-" || submenu) {
            out << u"%1: %2 is not a menu item"_s.arg(who, s.unit);
            continue;
        }
        const bool clickable = std::any_of(item->bindings.begin(), item->bindings.end(),
                                           [](const Binding &b) { return b.event == Event::Clicked && b.handler; });
        if (!clickable)
            out << u"%1: %2 has no Clicked binding to run"_s.arg(who, s.unit);
    }
    return out;
}

} // namespace ui
