// SPDX-License-Identifier: GPL-3.0-or-later
#include "definition_lint.h"

#include "shortcuts.h"

#include <QHash>
#include <QSet>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace ui {
namespace {

QString eventName(Event e)
{
    static const char *const names[] = {
        "Created",      "CloseQuery",   "BeingDestroyed", "Moved",         "Resized",       "Clicked",
        "ContentChanged", "SelectionChanged", "ItemDoubleClicked", "ColourChosen", "PageChanged",
        "LeftButtonDown", "LeftButtonUp", "DoubleClick",  "RightButtonDown", "RightButtonUp", "MouseMoved",
        "FocusGained",  "FocusLost",    "KeyDown",        "KeyUp",         "CharacterTyped", "WheelTurned",
        "Activated",
    };
    const auto i = size_t(e);
    return i < std::size(names) ? QString::fromLatin1(names[i]) : u"event %1"_s.arg(int(e));
}

bool isInputEvent(Event e) { return e >= Event::LeftButtonDown && e <= Event::WheelTurned; }

bool isKnownKind(Kind k) { return int(k) >= int(Kind::CodeEditor) && int(k) <= int(Kind::ProgressBar); }

/// Whether the runtime ever raises this event for a control of this kind.
bool raises(Kind kind, Event e, bool submenuOrSeparator)
{
    switch (kind) {
    case Kind::MenuItem: return e == Event::Clicked && !submenuOrSeparator;
    case Kind::CommonDialog:
    case Kind::PopupMenuHost: return false;
    default: break;
    }
    if (isInputEvent(e))
        return true;
    switch (e) {
    case Event::Clicked:
        return kind == Kind::PushButton || kind == Kind::PictureButton || kind == Kind::CheckBox ||
               kind == Kind::RadioButton;
    case Event::ContentChanged: return kind == Kind::CodeEditor || kind == Kind::EditBox || kind == Kind::WebView;
    case Event::SelectionChanged: return kind == Kind::CodeEditor || kind == Kind::ListBox || kind == Kind::ComboBox;
    case Event::ItemDoubleClicked: return kind == Kind::ListBox;
    case Event::ColourChosen: return kind == Kind::ColourPicker;
    case Event::PageChanged: return kind == Kind::TabControl;
    default: return false; // the window's own events
    }
}

bool isWindowEvent(Event e)
{
    return e == Event::Created || e == Event::CloseQuery || e == Event::BeingDestroyed || e == Event::Moved ||
           e == Event::Resized || e == Event::Activated;
}

void checkBindings(QStringList &out, const QString &who, const std::vector<Binding> &bindings,
                   const std::function<bool(Event)> &sensible)
{
    QSet<int> seen;
    for (const Binding &b : bindings) {
        if (!b.handler)
            out << u"%1: %2 is bound to an empty handler"_s.arg(who, eventName(b.event));
        if (!sensible(b.event))
            out << u"%1: %2 is never raised there"_s.arg(who, eventName(b.event));
        if (seen.contains(int(b.event)))
            out << u"%1: %2 is bound more than once"_s.arg(who, eventName(b.event));
        seen.insert(int(b.event));
    }
}

} // namespace

QStringList lintDefinition(const WindowDefinition &def)
{
    QStringList out;
    if (def.name.isEmpty())
        out << u"the window has no name"_s;
    if (def.width <= 0 || def.height <= 0)
        out << u"%1: outer size %2 × %3 is not positive"_s.arg(def.name).arg(def.width).arg(def.height);
    checkBindings(out, def.name.isEmpty() ? u"the window"_s : def.name, def.bindings, isWindowEvent);

    // Where each unit stands in the table, and which units hold menu items.
    QHash<QString, qsizetype> row;
    QSet<QString> menuParents;
    for (qsizetype i = 0; i < qsizetype(def.controls.size()); ++i) {
        const ControlDef &c = def.controls[size_t(i)];
        if (c.unit.isEmpty())
            out << u"row %1 has no unit name"_s.arg(i);
        else if (row.contains(c.unit))
            out << u"%1: unit name used twice"_s.arg(c.unit);
        else
            row.insert(c.unit, i);
        if (c.kind == Kind::MenuItem && !c.parent.isEmpty())
            menuParents.insert(c.parent);
    }

    for (qsizetype i = 0; i < qsizetype(def.controls.size()); ++i) {
        const ControlDef &c = def.controls[size_t(i)];
        const QString who = c.unit.isEmpty() ? u"row %1"_s.arg(i) : c.unit;
        if (!isKnownKind(c.kind)) {
            out << u"%1: unknown kind %2"_s.arg(who).arg(int(c.kind));
            continue;
        }
        const ControlDef *parent = nullptr;
        if (!c.parent.isEmpty()) {
            if (!row.contains(c.parent))
                out << u"%1: parent %2 does not exist"_s.arg(who, c.parent);
            else if (row.value(c.parent) >= i)
                out << u"%1: parent %2 comes after it in the table"_s.arg(who, c.parent);
            else
                parent = &def.controls[size_t(row.value(c.parent))];
        }

        if (c.kind == Kind::MenuItem) {
            if (parent && parent->kind != Kind::MenuItem)
                out << u"%1: menu item inside %2, which is not a menu"_s.arg(who, c.parent);
            if (parent && parent->caption == u"-")
                out << u"%1: menu item inside a separator"_s.arg(who);
            if (c.hiddenMenu && !c.parent.isEmpty())
                out << u"%1: only a top-level menu can be hidden"_s.arg(who);
        } else if (parent) {
            if (parent->kind != Kind::TabControl && parent->kind != Kind::GroupBox)
                out << u"%1: parent %2 cannot hold controls"_s.arg(who, c.parent);
            if (parent->kind == Kind::TabControl && (c.page < 0 || c.page >= parent->items.size()))
                out << u"%1: page %2 is not a page of %3 (%4 pages)"_s.arg(who).arg(c.page).arg(c.parent).arg(
                    parent->items.size());
        }
        if (c.page >= 0 && c.kind != Kind::MenuItem && (c.parent.isEmpty() || (parent && parent->kind != Kind::TabControl)))
            out << u"%1: page %2 given, but its parent is no tab control"_s.arg(who).arg(c.page);

        switch (c.kind) {
        case Kind::TabControl:
            if (c.items.isEmpty())
                out << u"%1: tab control without pages"_s.arg(who);
            else if (c.current >= c.items.size())
                out << u"%1: start page %2 outside its %3 pages"_s.arg(who).arg(c.current).arg(c.items.size());
            break;
        case Kind::ListBox:
        case Kind::ComboBox:
            if (c.current >= c.items.size())
                out << u"%1: start item %2 outside its %3 items"_s.arg(who).arg(c.current).arg(c.items.size());
            break;
        case Kind::StatusBar:
            if (!c.widths.empty() && c.widths.size() != size_t(c.items.size()))
                out << u"%1: %2 panel widths for %3 panels"_s.arg(who).arg(c.widths.size()).arg(c.items.size());
            break;
        default: break;
        }

        const bool submenuOrSeparator = c.caption == u"-" || menuParents.contains(c.unit) || c.parent.isEmpty();
        checkBindings(out, who, c.bindings, [&](Event e) { return raises(c.kind, e, submenuOrSeparator); });
    }
    out << lintShortcuts(def);
    return out;
}

} // namespace ui
