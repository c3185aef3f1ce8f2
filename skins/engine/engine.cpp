// SPDX-License-Identifier: GPL-3.0-or-later
// The skin engine: a library the program loads by file name and hands one skin image. It reads
// the image completely during the call (the caller frees it right after) and dresses every window
// of the running program through the application's style, palette and style sheet.
#include "skin_image.h"
#include "skin_style.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

#include <climits>

using namespace Qt::Literals::StringLiterals;
using skinimage::Group;
using skinimage::Role;

namespace {

/// Results of SkinH_AttachRes.
enum AttachResult { Attached = 1, NoImage = 0, Unreadable = -1, NoApplication = -2 };

QColor toQColor(skinimage::Rgba c) { return QColor(c.r, c.g, c.b, c.a); }

QPalette paletteOf(const skinimage::Skin &skin)
{
    static const std::pair<Role, QPalette::ColorRole> roles[] = {
        {Role::Window, QPalette::Window}, {Role::WindowText, QPalette::WindowText}, {Role::Base, QPalette::Base},
        {Role::AlternateBase, QPalette::AlternateBase}, {Role::Text, QPalette::Text}, {Role::Button, QPalette::Button},
        {Role::ButtonText, QPalette::ButtonText}, {Role::BrightText, QPalette::BrightText}, {Role::Light, QPalette::Light},
        {Role::Midlight, QPalette::Midlight}, {Role::Mid, QPalette::Mid}, {Role::Dark, QPalette::Dark},
        {Role::Shadow, QPalette::Shadow}, {Role::Highlight, QPalette::Highlight},
        {Role::HighlightedText, QPalette::HighlightedText}, {Role::Link, QPalette::Link},
        {Role::LinkVisited, QPalette::LinkVisited}, {Role::ToolTipBase, QPalette::ToolTipBase},
        {Role::ToolTipText, QPalette::ToolTipText}, {Role::PlaceholderText, QPalette::PlaceholderText},
    };
    static const std::pair<Group, QPalette::ColorGroup> groups[] = {
        {Group::Active, QPalette::Active}, {Group::Inactive, QPalette::Inactive}, {Group::Disabled, QPalette::Disabled}};

    // Roles an image leaves out keep what the style derives from the button and window colours.
    QPalette palette(toQColor(*skin.colour(Role::Button)), toQColor(*skin.colour(Role::Window)));
    for (auto [role, qtRole] : roles)
        for (auto [group, qtGroup] : groups)
            if (auto c = skin.colour(role, group))
                palette.setColor(qtGroup, qtRole, toQColor(*c));
    return palette;
}

/// The style sheet's style this engine put in place last, and the engine's own style under it.
QPointer<QStyle> dressedStyle;
QPointer<skinengine::SkinStyle> skinStyle;

/// Whether the application still draws through the style this engine put in place.
bool runsOnSkinStyle() { return skinStyle && QApplication::style() && QApplication::style() == dressedStyle; }

/// c blended towards d by t (0 = c, 1 = d).
QColor mixed(const QColor &c, const QColor &d, double t)
{
    return QColor::fromRgbF(float(c.redF() + (d.redF() - c.redF()) * t), float(c.greenF() + (d.greenF() - c.greenF()) * t),
                            float(c.blueF() + (d.blueF() - c.blueF()) * t));
}

QString css(const QColor &c) { return c.alpha() == 255 ? c.name() : c.name(QColor::HexArgb); }

/// The style sheet for the parts a palette cannot reach: frames, corners, button faces, the menu
/// bar, tabs and the status bar. Fonts are never touched: the program sets them per control.
QString styleSheetOf(const skinimage::Skin &skin)
{
    // Every fallback but mid is a colour each image must give; mid, when the image leaves it out
    // too, is what the palette derives from the button colour.
    const QPalette palette = paletteOf(skin);
    auto colour = [&](Role role, Role fallback) {
        if (auto c = skin.colour(role))
            return toQColor(*c);
        if (auto c = skin.colour(fallback))
            return toQColor(*c);
        return palette.color(QPalette::Mid);
    };
    const QColor window = colour(Role::Window, Role::Window);
    const QColor text = colour(Role::WindowText, Role::WindowText);
    const QColor base = colour(Role::Base, Role::Base);
    const QColor buttonText = colour(Role::ButtonText, Role::ButtonText);
    const QColor highlight = colour(Role::Highlight, Role::Highlight);
    const QColor highlightText = colour(Role::HighlightedText, Role::HighlightedText);
    const QColor border = colour(Role::Border, Role::Mid);
    const QColor focus = colour(Role::Focus, Role::Highlight);
    const QColor accent = colour(Role::Accent, Role::Highlight);
    const QColor hover = colour(Role::Hover, Role::Button);
    const QColor top = colour(Role::ButtonTop, Role::Button);
    const QColor bottom = colour(Role::ButtonBottom, Role::Button);
    const QColor menuBar = colour(Role::MenuBar, Role::Window);
    const QColor menuBarText = colour(Role::MenuBarText, Role::WindowText);
    const QColor statusBar = colour(Role::StatusBar, Role::Window);
    const QColor statusBarText = colour(Role::StatusBarText, Role::WindowText);
    const QColor tabSelected = colour(Role::TabSelected, Role::Window);
    const QColor disabledText = toQColor(skin.colour(Role::Text, Group::Disabled).value_or(*skin.colour(Role::Text)));
    const QColor tooltip = colour(Role::ToolTipBase, Role::Base);
    const QColor tooltipText = colour(Role::ToolTipText, Role::Text);
    const QColor disabledButtonText =
        toQColor(skin.colour(Role::ButtonText, Group::Disabled).value_or(*skin.colour(Role::ButtonText)));
    // Pressed is further on the way from the button colour to the accent than hover.
    const QColor pressed = mixed(hover, accent, 0.3);
    const int r = skin.shape.radius;
    const int bw = skin.shape.borderWidth;
    const bool boldTab = skin.shape.flags & skinimage::BoldSelectedTab;
    const bool underlinedMenuBar = skin.shape.flags & skinimage::UnderlinedMenuBar;

    QString s;
    s += uR"(
QPushButton {
  color: %1; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 %3);
  border: %4px solid %5; border-radius: %6px; padding: 3px 10px; min-height: 16px;
}
QPushButton:hover { background: %7; }
QPushButton:pressed { background: %3; border-color: %8; }
QPushButton:focus { border-color: %8; }
QPushButton:disabled { color: %9; }
)"_s.arg(css(buttonText), css(top), css(bottom), QString::number(bw), css(border), QString::number(r), css(hover),
                 css(focus), css(disabledText));
    // Picture and text buttons of the toolbar and the dialogs: flat, in the button colour, with a
    // thin edge in the border colour; the fill answers the pointer and the press.
    s += uR"(
QToolButton {
  color: %1; background: %2; border: 1px solid %3; border-radius: %4px; padding: 1px;
}
QToolButton:hover { background: %5; }
QToolButton:pressed, QToolButton:checked { background: %6; border-color: %7; }
QToolButton:disabled { color: %8; }
)"_s.arg(css(buttonText), css(colour(Role::Button, Role::Button)), css(border), QString::number(std::min(r, 4)),
                 css(hover), css(pressed), css(focus), css(disabledButtonText));
    s += uR"(
QLineEdit, QPlainTextEdit, QTextEdit, QComboBox, QSpinBox, QListWidget, QListView, QTreeView, QTableView {
  color: %1; background: %2; border: %3px solid %4; border-radius: %5px;
  selection-color: %6; selection-background-color: %7;
}
QLineEdit, QComboBox, QSpinBox { padding: 1px 4px; }
QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus, QComboBox:focus, QSpinBox:focus, QListWidget:focus,
QListView:focus { border-color: %8; }
QLineEdit:disabled, QComboBox:disabled { color: %9; }
)"_s.arg(css(colour(Role::Text, Role::Text)), css(base), QString::number(bw), css(border), QString::number(r),
                 css(highlightText), css(highlight), css(focus), css(disabledText));
    s += uR"(
QComboBox::drop-down {
  subcontrol-origin: padding; subcontrol-position: top right; width: 18px; border: none; border-left: 1px solid %5;
}
QComboBox::down-arrow {
  width: 0; height: 0; border-left: 4px solid %8; border-right: 4px solid %8; border-top: 5px solid %6;
}
QComboBox::down-arrow:disabled { border-top-color: %7; }
QComboBox QAbstractItemView { border: 1px solid %1; selection-color: %2; selection-background-color: %3; }
QListWidget::item:hover { background: %4; }
)"_s.arg(css(border), css(highlightText), css(highlight), css(hover), css(border),
                 css(colour(Role::Text, Role::Text)), css(disabledText), css(base));
    s += uR"(
QMenuBar { color: %1; background: %2; border-bottom: %3px solid %4; }
QMenuBar::item { background: transparent; padding: 3px 6px; }
QMenuBar::item:selected, QMenuBar::item:pressed { color: %5; background: %6; }
QMenu { color: %7; background: %8; border: 1px solid %4; padding: 2px; }
QMenu::item { padding: 4px 22px 4px 20px; border-radius: %9px; }
QMenu::item:selected { color: %5; background: %6; }
QMenu::item:disabled { color: %10; }
QMenu::separator { height: 1px; background: %4; margin: 3px 6px; }
)"_s.arg(css(menuBarText), css(menuBar), QString::number(underlinedMenuBar ? 2 : 1),
                 css(underlinedMenuBar ? accent : border), css(highlightText), css(highlight), css(text), css(window),
                 QString::number(std::min(r, 4)))
             .arg(css(disabledText));
    s += uR"(
QTabBar::tab {
  color: %1; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 %3);
  border: 1px solid %4; border-top-left-radius: %5px; border-top-right-radius: %5px; padding: 3px 10px; margin-right: 1px;
}
QTabBar::tab:selected { background: %6; border-top: 2px solid %7; %8 }
QTabBar::tab:hover:!selected { background: %9; }
QTabBar::tab:bottom { border-radius: 0; border-bottom-left-radius: %5px; border-bottom-right-radius: %5px; }
QTabBar::tab:bottom:selected { border-top: 1px solid %4; border-bottom: 2px solid %7; }
QTabWidget::pane { border: 1px solid %4; background: %6; }
)"_s.arg(css(buttonText), css(top), css(bottom), css(border), QString::number(std::min(r, 6)), css(tabSelected),
                 css(accent), boldTab ? u"font-weight: bold;"_s : QString(), css(hover));
    s += uR"(
QStatusBar { color: %1; background: %2; border-top: 1px solid %3; }
QStatusBar QLabel { color: %1; border: 1px solid %3; border-radius: %4px; padding: 0; }
QStatusBar::item { border: none; }
QGroupBox { border: 1px solid %3; border-radius: %4px; margin-top: 8px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: %5; }
QToolTip { color: %6; background: %7; border: 1px solid %3; padding: 2px; }
QCheckBox, QRadioButton, QLabel { color: %8; }
)"_s.arg(css(statusBarText), css(statusBar), css(border), QString::number(std::min(r, 3)), css(accent),
                 css(tooltipText), css(tooltip), css(text));
    return s;
}

} // namespace

/// Attaches the skin in `image` (`length` bytes) to every window of the program. The text and the
/// three integers are accepted for the caller's sake and unused: our images are not protected and
/// have no options. Returns 1 when attached; 0 for no image, -1 for an image it cannot read and -2
/// when there is no widget application to dress; in those cases the look stays as it was.
extern "C" Q_DECL_EXPORT int SkinH_AttachRes(const unsigned char *image, int length, const char *password, int, int, int)
{
    Q_UNUSED(password);
    auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!application)
        return NoApplication;
    if (!image || length <= 0)
        return NoImage;
    const auto skin = skinimage::decode(image, std::size_t(length));
    if (!skin)
        return Unreadable;

    // Fusion draws every control from the palette, so one palette reaches every window alike;
    // the engine's style adds the marks in the skin's colours. A new style makes every window
    // measure and polish itself again: done once, later skins only change its colours.
    const skinengine::MarkColours marks{toQColor(skin->colour(Role::Border).value_or(*skin->colour(Role::WindowText))),
                                        toQColor(skin->colour(Role::Accent).value_or(*skin->colour(Role::Highlight)))};
    if (runsOnSkinStyle()) {
        skinStyle->setColours(marks);
    } else {
        auto *style = new skinengine::SkinStyle;
        style->setColours(marks);
        skinStyle = style;
        QApplication::setStyle(style);
    }
    // Every change makes every window restyle itself: the same skin again changes nothing.
    if (const QPalette palette = paletteOf(*skin); palette != QApplication::palette())
        QApplication::setPalette(palette);
    if (const QString sheet = styleSheetOf(*skin); sheet != application->styleSheet())
        application->setStyleSheet(sheet);
    dressedStyle = QApplication::style();
    return Attached;
}
