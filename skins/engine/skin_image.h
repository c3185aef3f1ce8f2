// SPDX-License-Identifier: GPL-3.0-or-later
// The skin image format read by the skin engine and written by the skin packer (see FORMAT.md).
// Plain C++ so that the packer, a build tool, needs no toolkit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skinimage {

constexpr std::size_t HeaderSize = 16;
constexpr std::uint16_t FormatVersion = 1;
/// Images longer than this are refused unread: a look needs a few hundred bytes.
constexpr std::size_t MaxImageSize = 64 * 1024;
constexpr std::size_t MaxNameSize = 64;

/// Colour roles. 1-20 are the window-system palette; 32 and up are the engine's own frame colours.
enum class Role : std::uint8_t {
    Window = 1, WindowText, Base, AlternateBase, Text, Button, ButtonText, BrightText,
    Light, Midlight, Mid, Dark, Shadow, Highlight, HighlightedText, Link, LinkVisited,
    ToolTipBase, ToolTipText, PlaceholderText,
    LastPaletteRole = PlaceholderText,
    Border = 32, Focus, Accent, Hover, ButtonTop, ButtonBottom, MenuBar, MenuBarText, StatusBar,
    StatusBarText, TabSelected,
    LastFrameRole = TabSelected,
};

/// Which state of the widgets a colour is for.
enum class Group : std::uint8_t { All = 0, Active = 1, Inactive = 2, Disabled = 3 };

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    friend bool operator==(const Rgba &, const Rgba &) = default;
};

struct ColourEntry {
    Role role;
    Group group;
    Rgba colour;
    friend bool operator==(const ColourEntry &, const ColourEntry &) = default;
};

struct Shape {
    std::uint8_t radius = 0;      // corner radius of buttons, fields and tabs, pixels (0-12)
    std::uint8_t borderWidth = 1; // pixels (1-3)
    std::uint8_t gradient = 0;    // 0 flat ... 100 strong, for documentation only: ButtonTop/Bottom carry it
    std::uint8_t flags = 0;       // ShapeFlag bits
    friend bool operator==(const Shape &, const Shape &) = default;
};
enum ShapeFlag : std::uint8_t { BoldSelectedTab = 1, UnderlinedMenuBar = 2 };

struct Skin {
    std::string name; // UTF-8
    std::vector<ColourEntry> colours;
    Shape shape;
    friend bool operator==(const Skin &, const Skin &) = default;

    /// The colour for a role in a group: the group's own entry, else the All entry.
    std::optional<Rgba> colour(Role role, Group group = Group::All) const;
};

/// Roles every image must give for the All group.
inline constexpr std::array RequiredRoles{Role::Window, Role::WindowText, Role::Base, Role::Text,
                                   Role::Button, Role::ButtonText, Role::Highlight, Role::HighlightedText};

std::vector<std::uint8_t> encode(const Skin &skin);

/// Reads an image of exactly `length` bytes; nothing outside them is touched. Returns nothing
/// (and a reason in `why`) for anything that is not a complete, intact image of this format.
std::optional<Skin> decode(const unsigned char *data, std::size_t length, std::string *why = nullptr);

/// CRC-32 (the common polynomial 0xEDB88320) of the bytes.
std::uint32_t crc32(const unsigned char *data, std::size_t length);

} // namespace skinimage
