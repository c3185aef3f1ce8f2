// SPDX-License-Identifier: GPL-3.0-or-later
// A control's mouse, key, focus and wheel input, delivered to the handlers bound to it.
#include "input_relay.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <Qsci/qsciscintillabase.h>

namespace ui {

namespace {

/// Delivers a control's mouse, key and focus events to its handlers; a handler's false
/// swallows the input so that the control does not act on it.
class InputRelay : public QObject {
public:
    InputRelay(UiRuntime::Impl &impl, QString window, QString unit, QObject *parent)
        : QObject(parent), impl_(impl), window_(std::move(window)), unit_(std::move(unit))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        EventInfo info;
        Event kind;
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove: {
            auto *m = static_cast<QMouseEvent *>(e);
            const QPoint p = m->position().toPoint();
            info.x = p.x();
            info.y = p.y();
            info.keys = keyState(m->modifiers());
            const bool right = m->button() == Qt::RightButton;
            if (e->type() == QEvent::MouseMove)
                kind = Event::MouseMoved;
            else if (e->type() == QEvent::MouseButtonDblClick)
                kind = Event::DoubleClick;
            else if (m->button() != Qt::LeftButton && !right)
                return false;
            else if (e->type() == QEvent::MouseButtonPress)
                kind = right ? Event::RightButtonDown : Event::LeftButtonDown;
            else
                kind = right ? Event::RightButtonUp : Event::LeftButtonUp;
            break;
        }
        case QEvent::ContextMenu:
            // The control's own context menu belongs to the right button: a handler of the
            // right-button release takes its place.
            return impl_.hasBinding(window_, unit_, Event::RightButtonUp);
        case QEvent::FocusIn: kind = Event::FocusGained; break;
        case QEvent::FocusOut: kind = Event::FocusLost; break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto *k = static_cast<QKeyEvent *>(e);
            info.key = k->key();
            info.keys = keyState(k->modifiers());
            if (e->type() == QEvent::KeyPress && !k->text().isEmpty() && impl_.hasBinding(window_, unit_, Event::CharacterTyped)) {
                EventInfo typed = info;
                typed.key = k->text().at(0).unicode();
                if (!impl_.deliver(window_, unit_, Event::CharacterTyped, typed))
                    return true;
            }
            kind = e->type() == QEvent::KeyPress ? Event::KeyDown : Event::KeyUp;
            break;
        }
        case QEvent::Wheel: {
            auto *w = static_cast<QWheelEvent *>(e);
            info.wheelNotches = w->angleDelta().y() / 120;
            info.keys = keyState(w->modifiers());
            kind = Event::WheelTurned;
            break;
        }
        default:
            return false;
        }
        if (!impl_.hasBinding(window_, unit_, kind))
            return false;
        return !impl_.deliver(window_, unit_, kind, info);
    }

private:
    static int keyState(Qt::KeyboardModifiers m)
    {
        return (m & Qt::ControlModifier ? CtrlKey : 0) | (m & Qt::ShiftModifier ? ShiftKey : 0) |
               (m & Qt::AltModifier ? AltKey : 0);
    }
    UiRuntime::Impl &impl_;
    QString window_, unit_;
};

bool bindsInput(const ControlDef &c)
{
    for (const auto &b : c.bindings)
        switch (b.event) {
        case Event::LeftButtonDown:
        case Event::LeftButtonUp:
        case Event::DoubleClick:
        case Event::RightButtonDown:
        case Event::RightButtonUp:
        case Event::MouseMoved:
        case Event::FocusGained:
        case Event::FocusLost:
        case Event::KeyDown:
        case Event::KeyUp:
        case Event::CharacterTyped:
        case Event::WheelTurned: return true;
        default: break;
        }
    return false;
}

} // namespace

void relayInput(UiRuntime::Impl &impl, const QString &window, const ControlDef &c, QWidget *widget)
{
    if (!bindsInput(c))
        return;
    auto *relay = new InputRelay(impl, window, c.unit, widget);
    QWidget *target = widget;
    if (auto *sci = qobject_cast<QsciScintillaBase *>(widget))
        target = sci->viewport();
    else if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        target = area->viewport();
    target->installEventFilter(relay);
    if (target != widget)
        widget->installEventFilter(relay);
}

} // namespace ui
