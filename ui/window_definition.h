// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <concepts>
#include <functional>
#include <optional>
#include <vector>

namespace ui {

class UiRuntime;

/// A colour as 0x00BBGGRR; DefaultColour stands for the system's default colour.
using Colour = quint32;
inline constexpr Colour DefaultColour = 0xFF000000u;

/// The kinds of control a window definition can hold.
enum class Kind {
    CodeEditor,     // 超级编辑框
    EditBox,        // 编辑框
    ComboBox,       // 组合框
    ListBox,        // 列表框
    RadioButton,    // 单选框
    CheckBox,       // 选择框
    PushButton,     // 按钮
    PictureButton,  // 超级按钮
    Label,          // 标签
    GroupBox,       // 分组框
    TabControl,     // 高级选择夹
    StatusBar,      // 状态条
    ColourPicker,   // 颜色选择器
    CommonDialog,   // 通用对话框 (invisible)
    MenuItem,       // 菜单
    PopupMenuHost,  // 超级菜单 (invisible)
    WebView,        // 超文本浏览框: a page, from a module loaded when needed (web_view.h)
    ProgressBar,    // 进度条: how far a long task has come, 0 to 100
};

/// Events delivered to handlers.
enum class Event {
    Created,
    CloseQuery,
    BeingDestroyed,
    Moved,
    Resized,
    Clicked,
    ContentChanged,
    SelectionChanged,
    ItemDoubleClicked,
    ColourChosen,
    PageChanged,
    LeftButtonDown,
    LeftButtonUp,
    DoubleClick,
    RightButtonDown,
    RightButtonUp,
    MouseMoved,
    FocusGained,
    FocusLost,
    KeyDown,
    KeyUp,
    CharacterTyped,
    WheelTurned,
    Activated, // the window came to the front (delivered once the activation has settled)
};

/// Names one control (or, with an empty unit, the window itself) by its window and unit name.
struct ControlRef {
    QString window;
    QString unit;
    friend bool operator==(const ControlRef &, const ControlRef &) = default;
};

/// Key-state bits of mouse events.
enum KeyState { CtrlKey = 1, ShiftKey = 2, AltKey = 4 };

struct EventInfo {
    ControlRef source;
    Event event = Event::Created;
    int x = 0, y = 0;     // mouse position in the control's client pixels
    int keys = 0;         // KeyState bits
    int key = 0;          // key code or typed character
    int wheelNotches = 0; // multiples of 120
};

/// A handler bound to one event. Returning false from a mouse or key handler suppresses the
/// control's own handling of that input; from a close-query handler it keeps the window open.
class Handler {
public:
    using Full = std::function<bool(UiRuntime &, const EventInfo &)>;

    Handler() = default;
    Handler(Full f) : f_(std::move(f)) {}
    template <class F>
        requires(!std::same_as<std::decay_t<F>, Handler> && !std::same_as<std::decay_t<F>, Full> &&
                 std::invocable<F &, UiRuntime &> && !std::invocable<F &, UiRuntime &, const EventInfo &>)
    Handler(F f)
        : f_([f = std::move(f)](UiRuntime &rt, const EventInfo &) mutable {
              f(rt);
              return true;
          })
    {
    }
    template <class F>
        requires(!std::same_as<std::decay_t<F>, Handler> && !std::same_as<std::decay_t<F>, Full> &&
                 std::is_invocable_r_v<bool, F &, UiRuntime &, const EventInfo &>)
    Handler(F f) : f_(std::move(f))
    {
    }

    explicit operator bool() const { return bool(f_); }
    bool operator()(UiRuntime &rt, const EventInfo &e) const { return f_ ? f_(rt, e) : true; }

private:
    Full f_;
};

struct Binding {
    Event event;
    Handler handler;
};

/// A binding of a handler to a control given by unit name (empty unit = the window).
struct UnitBinding {
    QString unit;
    Event event;
    Handler handler;
};

/// A font as the definitions give it: a face name (Windows names such as 宋体 are mapped to
/// installed faces by the runtime) and a character height in pixels.
struct Font {
    QString face;
    int pixelHeight = 0;
    bool bold = false;
    bool italic = false;
};

/// One row of a window's table of controls.
struct ControlDef {
    QString unit;
    Kind kind = Kind::Label;
    QString parent; // unit name of the container; empty = the window. For menu items: the parent menu.
    int page = -1;  // page of the parent tab control the control belongs to
    QRect geometry; // left, top, width, height relative to the parent
    QString caption; // caption, face text or stored text
    QStringList items; // list/combo items, tab pages, status-bar panel texts
    int current = -1;  // start item (combo/list) or start page (tab control)
    QString tooltip;
    std::optional<Font> font;
    QString picture;           // Qt resource path of the picture
    QString accessibleName;    // what a screen reader announces, where caption and tooltip say nothing
    std::vector<int> widths;   // status-bar panel widths
    bool visible = true;
    bool disabled = false;
    bool multiLine = false;     // edit box: several lines
    bool multiSelect = false;   // list box: Ctrl and Shift select several rows
    bool readOnly = false;      // edit box
    bool tabsAtBottom = false;  // tab control: tabs along the bottom edge
    bool hiddenMenu = false;    // top-level menu that never shows in the menu bar
    bool checked = false;       // radio button / check box at start
    // Common dialog settings.
    int dialogMode = 0;        // 0 open, 1 save, 2 font
    QString filter;            // "name|pattern|name|pattern…"
    int initialFilter = 0;     // pair preselected each time the dialog is shown
    std::vector<Binding> bindings;
};

enum class Frame { Resizable, Fixed };

/// A keyboard shortcut of a window, active whichever of the window's controls has the focus and
/// never while another window (a dialog) is active. It runs the Clicked binding of a menu item,
/// the very handler a click runs, and the menu shows the keys beside that item; or, with no
/// unit, a handler of its own.
struct Shortcut {
    QString keys;    // portable key text: "Ctrl+S", "Shift+F3", "Esc"
    QString unit;    // the menu item it clicks; empty: `handler` runs
    Handler handler; // only without a unit
};

/// The stored description of one window.
struct WindowDefinition {
    QString name;    // the name handlers use to refer to the window
    QString caption;
    int width = 0;   // outer size in pixels
    int height = 0;
    std::optional<QPoint> topLeft; // outer; none: centred on the primary screen
    Frame frame = Frame::Fixed;
    std::vector<ControlDef> controls;
    std::vector<Binding> bindings; // the window's own events
    std::vector<Shortcut> shortcuts;
    /// The window this one belongs to (empty: none, or the modal window open at the time): it
    /// stays in front of its owner and closes with it.
    QString owner;
    /// The program runs while a top-level window is open (the first window opened is one too).
    bool topLevel = false;

    const ControlDef *find(const QString &unit) const;
    ControlDef *find(const QString &unit);
    /// Adds bindings to the named controls (empty unit: the window). Returns the units that do not exist.
    QStringList bind(const std::vector<UnitBinding> &more);
};

} // namespace ui
