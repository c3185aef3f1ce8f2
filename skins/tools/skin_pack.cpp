// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: turns the readable skin table into the 33 binary skin images and writes any file as
// a C++ byte array, so that both the skins and the skin engine's library travel inside the program.
//
//   skin_pack skins <looks.txt> <out.cpp> [<dir for .she copies>]
//   skin_pack embed <file> <function name> <out.cpp>
#include "engine/skin_image.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

using skinimage::Group;
using skinimage::Rgba;
using skinimage::Role;

namespace {

constexpr int SkinCount = 33;

[[noreturn]] void fail(const std::string &what)
{
    throw std::runtime_error(what);
}

std::string trim(const std::string &s)
{
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

struct Look {
    int number = 0;
    std::string name;
    std::map<std::string, std::string> keys;
    int line = 0;
};

std::vector<Look> readLooks(const std::string &path)
{
    std::ifstream in(path);
    if (!in)
        fail("cannot read " + path);
    std::vector<Look> looks;
    std::string raw;
    for (int line = 1; std::getline(in, raw); ++line) {
        const std::string s = trim(raw);
        if (s.empty() || s.front() == '#') // comments are whole lines: colours contain '#'
            continue;
        const std::string where = path + ":" + std::to_string(line) + ": ";
        if (s.front() == '[') {
            const auto close = s.find(']');
            if (close == std::string::npos)
                fail(where + "section without ]");
            Look look;
            look.number = std::stoi(s.substr(1, close - 1));
            look.name = trim(s.substr(close + 1));
            look.line = line;
            looks.push_back(look);
            continue;
        }
        const auto eq = s.find('=');
        if (eq == std::string::npos || looks.empty())
            fail(where + "expected [n] name or key = value");
        const std::string key = trim(s.substr(0, eq));
        if (!looks.back().keys.emplace(key, trim(s.substr(eq + 1))).second)
            fail(where + "key given twice: " + key);
    }
    return looks;
}

Rgba parseColour(const std::string &text, const std::string &where)
{
    if (text.size() != 7 || text[0] != '#' || text.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos)
        fail(where + "colour must be #rrggbb: " + text);
    const unsigned long v = std::stoul(text.substr(1), nullptr, 16);
    return {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v), 255};
}

/// a blended towards b by t (0 = a, 1 = b).
Rgba mix(Rgba a, Rgba b, double t)
{
    auto m = [t](int x, int y) { return std::uint8_t(std::lround(x + (y - x) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), 255};
}

double luminance(Rgba c) { return (0.299 * c.r + 0.587 * c.g + 0.114 * c.b) / 255.0; }

/// Contrast ratio of two colours as readability guidelines measure it (1 to 21).
double contrast(Rgba a, Rgba b)
{
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    auto lum = [&](Rgba c) { return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b); };
    const double x = lum(a), y = lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

constexpr Rgba White{255, 255, 255, 255};
constexpr Rgba Black{0, 0, 0, 255};

/// The least change of c towards `towards` that gives at least `floor` against every surface
/// (c itself when it already does; `towards` when nothing short of it does).
Rgba standingOut(Rgba c, Rgba towards, double floor, std::initializer_list<Rgba> surfaces)
{
    for (int step = 0; step <= 50; ++step) {
        const Rgba m = mix(c, towards, step / 50.0);
        if (std::all_of(surfaces.begin(), surfaces.end(), [&](Rgba s) { return contrast(m, s) >= floor; }))
            return m;
    }
    return towards;
}

/// The faintest fade of text towards the surface that still reads (3:1) on every surface.
Rgba greyedText(Rgba text, Rgba surface, std::initializer_list<Rgba> surfaces)
{
    for (int step = 55; step >= 0; --step) {
        const Rgba m = mix(text, surface, step / 100.0);
        if (std::all_of(surfaces.begin(), surfaces.end(), [&](Rgba s) { return contrast(m, s) >= 3.2; }))
            return m;
    }
    return text;
}

/// Expands the few colours a look names into the full set the engine reads.
skinimage::Skin expand(const Look &look, const std::string &path)
{
    const std::string where = path + ":" + std::to_string(look.line) + ": skin " + std::to_string(look.number) + ": ";
    static const std::set<std::string> allowed = {
        "window", "text", "base", "button", "highlight", "accent", "highlight-text", "button-text", "border",
        "menubar", "menubar-text", "statusbar", "statusbar-text", "tooltip", "tab", "radius", "border-width",
        "gradient", "bold-tab", "underline-menubar"};
    for (const auto &[key, value] : look.keys)
        if (!allowed.count(key))
            fail(where + "unknown key " + key);
    auto given = [&](const std::string &key) -> std::optional<Rgba> {
        auto it = look.keys.find(key);
        if (it == look.keys.end())
            return std::nullopt;
        return parseColour(it->second, where);
    };
    auto required = [&](const std::string &key) {
        auto c = given(key);
        if (!c)
            fail(where + "missing " + key);
        return *c;
    };
    auto number = [&](const std::string &key, int fallback, int low, int high) {
        auto it = look.keys.find(key);
        const int v = it == look.keys.end() ? fallback : std::stoi(it->second);
        if (v < low || v > high)
            fail(where + key + " out of range");
        return v;
    };

    const Rgba window = required("window");
    const Rgba text = required("text");
    const Rgba base = required("base");
    const Rgba button = required("button");
    const Rgba chosenHighlight = required("highlight");
    const bool dark = luminance(window) < 0.45;
    // The accent also writes group titles and links: it reads like text on the window and fields.
    const Rgba accent = standingOut(given("accent").value_or(chosenHighlight), text, 4.6, {window, base});
    const Rgba buttonText = given("button-text").value_or(text);
    const Rgba highlightText = given("highlight-text").value_or(contrast(chosenHighlight, White) >= 3.0 ? White : Black); // white reads best while it can
    // Selected text reads like any other text: the selection deepens (or pales) until it does.
    const Rgba highlight = standingOut(chosenHighlight, luminance(highlightText) > 0.5 ? Black : White, 4.6, {highlightText});
    // The selection of an inactive or greyed list fades towards the window while it still reads.
    auto fadedSelection = [&](double most, double floor) {
        for (int step = int(most * 100); step > 0; --step)
            if (const Rgba m = mix(highlight, window, step / 100.0); contrast(m, highlightText) >= floor)
                return m;
        return highlight;
    };
    const Rgba statusBar = given("statusbar").value_or(mix(window, text, 0.05));
    // Edges of buttons, fields, lists, boxes and panels: 3:1 against every surface they sit on
    // or enclose, so that a control's extent is seen without its fill.
    const Rgba border = standingOut(given("border").value_or(mix(window, text, dark ? 0.35 : 0.28)), text, 3.05,
                                    {window, base, button, statusBar});
    const int gradient = number("gradient", 30, 0, 100);
    const Rgba lift = dark ? mix(button, White, 0.12) : White;

    skinimage::Skin skin;
    skin.name = look.name;
    skin.shape.radius = std::uint8_t(number("radius", 3, 0, 12));
    skin.shape.borderWidth = std::uint8_t(number("border-width", 1, 1, 3));
    skin.shape.gradient = std::uint8_t(gradient);
    skin.shape.flags = std::uint8_t((number("bold-tab", 0, 0, 1) ? skinimage::BoldSelectedTab : 0)
                                    | (number("underline-menubar", 0, 0, 1) ? skinimage::UnderlinedMenuBar : 0));

    auto add = [&](Role role, Rgba c, Group group = Group::All) { skin.colours.push_back({role, group, c}); };
    add(Role::Window, window);
    add(Role::WindowText, text);
    add(Role::Base, base);
    add(Role::AlternateBase, mix(base, window, 0.5));
    add(Role::Text, text);
    add(Role::Button, button);
    add(Role::ButtonText, buttonText);
    add(Role::BrightText, dark ? White : Black);
    add(Role::Light, mix(button, White, dark ? 0.25 : 0.7));
    add(Role::Midlight, mix(button, White, dark ? 0.12 : 0.35));
    add(Role::Mid, mix(button, text, 0.3));
    add(Role::Dark, mix(button, text, 0.5));
    add(Role::Shadow, mix(button, Black, 0.7));
    add(Role::Highlight, highlight);
    add(Role::HighlightedText, highlightText);
    add(Role::Link, accent);
    add(Role::LinkVisited, mix(accent, text, 0.4));
    add(Role::ToolTipBase, given("tooltip").value_or(mix(base, accent, 0.12)));
    add(Role::ToolTipText, text);
    add(Role::PlaceholderText, mix(text, base, 0.5));
    // Greyed controls: text fades towards the background, the selection loses its colour.
    // Greyed text still reads (3:1) on whatever it is written on.
    add(Role::WindowText, greyedText(text, window, {window, base, button, statusBar}), Group::Disabled);
    add(Role::Text, greyedText(text, base, {window, base, button}), Group::Disabled);
    add(Role::ButtonText, greyedText(buttonText, button, {window, base, button}), Group::Disabled);
    add(Role::Base, window, Group::Disabled);
    add(Role::Highlight, fadedSelection(0.6, 3.2), Group::Disabled);
    add(Role::Highlight, fadedSelection(0.35, 4.6), Group::Inactive);

    add(Role::Border, border);
    add(Role::Focus, accent);
    add(Role::Accent, accent);
    add(Role::Hover, mix(button, accent, dark ? 0.25 : 0.15));
    add(Role::ButtonTop, mix(button, lift, gradient / 100.0));
    add(Role::ButtonBottom, mix(button, dark ? Black : text, gradient / 100.0 * 0.12));
    // Bar texts read like any other text on their bars.
    const Rgba menuBar = given("menubar").value_or(window);
    auto readableOn = [&](Rgba c, Rgba surface) {
        return standingOut(c, contrast(surface, White) >= contrast(surface, Black) ? White : Black, 4.6, {surface});
    };
    add(Role::MenuBar, menuBar);
    add(Role::MenuBarText, readableOn(given("menubar-text").value_or(text), menuBar));
    add(Role::StatusBar, statusBar);
    add(Role::StatusBarText, readableOn(given("statusbar-text").value_or(text), statusBar));
    add(Role::TabSelected, given("tab").value_or(window));
    return skin;
}

std::string byteArray(const std::vector<std::uint8_t> &bytes, const std::string &name)
{
    std::ostringstream out;
    out << "alignas(4) const unsigned char " << name << "[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out << (i % 24 ? "" : "\n    ") << int(bytes[i]) << ',';
    out << "\n};\n";
    return out.str();
}

void writeIfChanged(const std::string &path, const std::string &content)
{
    std::ifstream old(path, std::ios::binary);
    if (old && std::string(std::istreambuf_iterator<char>(old), {}) == content)
        return;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out)
        fail("cannot write " + path);
}

const char *Preamble = "// SPDX-License-Identifier: GPL-3.0-or-later\n"
                       "// Generated by skin_pack at build time; do not edit.\n"
                       "#include \"skins/catalogue.h\"\n\nnamespace skins {\nnamespace {\n\n";

int packSkins(const std::string &looksPath, const std::string &outPath, const std::string &sheDir)
{
    std::vector<Look> looks = readLooks(looksPath);
    std::sort(looks.begin(), looks.end(), [](const Look &a, const Look &b) { return a.number < b.number; });
    if (int(looks.size()) != SkinCount)
        fail(looksPath + ": expected " + std::to_string(SkinCount) + " skins, found " + std::to_string(looks.size()));
    std::string out = Preamble;
    for (int n = 1; n <= SkinCount; ++n) {
        const Look &look = looks[std::size_t(n - 1)];
        if (look.number != n)
            fail(looksPath + ": skins must be numbered 1 to 33 once each");
        const auto image = skinimage::encode(expand(look, looksPath));
        if (!skinimage::decode(image.data(), image.size()))
            fail(looksPath + ": skin " + std::to_string(n) + " does not read back");
        out += "// " + std::to_string(n) + ": " + look.name + "\n" + byteArray(image, "skin" + std::to_string(n));
        if (!sheDir.empty())
            writeIfChanged(sheDir + "/skin" + std::to_string(n) + ".she", std::string(image.begin(), image.end()));
    }
    out += "\n} // namespace\n\nByteBuffer skinImage(int n)\n{\n    switch (n) {\n";
    for (int n = 1; n <= SkinCount; ++n)
        out += "    case " + std::to_string(n) + ": return {sizeof skin" + std::to_string(n) + ", skin" + std::to_string(n)
             + "};\n";
    out += "    default: return {};\n    }\n}\n\n} // namespace skins\n";
    writeIfChanged(outPath, out);
    return 0;
}

int embed(const std::string &filePath, const std::string &function, const std::string &outPath)
{
    std::ifstream in(filePath, std::ios::binary);
    if (!in)
        fail("cannot read " + filePath);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    std::string out = Preamble;
    out += byteArray(bytes, "image");
    out += "\n} // namespace\n\nByteBuffer " + function + "()\n{\n    return {sizeof image, image};\n}\n\n} // namespace skins\n";
    writeIfChanged(outPath, out);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        if (args.size() >= 3 && args.size() <= 4 && args[0] == "skins")
            return packSkins(args[1], args[2], args.size() == 4 ? args[3] : std::string());
        if (args.size() == 4 && args[0] == "embed")
            return embed(args[1], args[2], args[3]);
        std::cerr << "usage: skin_pack skins <looks.txt> <out.cpp> [<dir>] | skin_pack embed <file> <function> <out.cpp>\n";
        return 2;
    } catch (const std::exception &e) {
        std::cerr << "skin_pack: " << e.what() << '\n';
        return 1;
    }
}
