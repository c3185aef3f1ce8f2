// SPDX-License-Identifier: GPL-3.0-or-later
// The skin engine's entry point and its image reader, given any bytes. Each input is tried as it
// is and once more with its header's length and checksum made right, so that the records behind
// the checksum are reached too. An image the reader accepts must dress the application, and it
// must read back the same after being written again.
#include "engine/skin_image.h"
#include "fuzz_check.h"

#include <QApplication>
#include <QPalette>

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int SkinH_AttachRes(const unsigned char *image, int length, const char *password, int, int, int);

namespace {

// Made once and kept for the whole run: at exit Qt is torn down before our globals would be.
QApplication *application = nullptr;

/// The colour a role has in a group when records repeat: the last record for the group, else the
/// last one for all states.
std::optional<skinimage::Rgba> lastColour(const skinimage::Skin &skin, skinimage::Role role, skinimage::Group group)
{
    std::optional<skinimage::Rgba> own, general;
    for (const auto &e : skin.colours) {
        if (e.role != role)
            continue;
        if (e.group == group)
            own = e.colour;
        if (e.group == skinimage::Group::All)
            general = e.colour;
    }
    return own ? own : general;
}

void tryImage(const std::vector<std::uint8_t> &image)
{
    const auto skin = skinimage::decode(image.data(), image.size());
    const int attached = SkinH_AttachRes(image.data(), int(image.size()), "", 0, 0, 0);
    FUZZ_CHECK(attached == (image.empty() ? 0 : skin ? 1 : -1));
    if (!skin)
        return;

    const std::vector<std::uint8_t> again = skinimage::encode(*skin);
    const auto reread = skinimage::decode(again.data(), again.size());
    FUZZ_CHECK(reread && *reread == *skin);

    using skinimage::Group;
    using skinimage::Role;
    for (int r = 1; r <= int(Role::LastFrameRole); ++r)
        for (Group g : {Group::All, Group::Active, Group::Inactive, Group::Disabled})
            FUZZ_CHECK(skin->colour(Role(r), g) == lastColour(*skin, Role(r), g));
    const auto window = *skin->colour(Role::Window, Group::Active);
    FUZZ_CHECK(QApplication::palette().color(QPalette::Active, QPalette::Window) == QColor(window.r, window.g, window.b, window.a));
}

void put32(std::vector<std::uint8_t> &image, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        image[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::uint8_t> image(data, data + size);
    tryImage(image);
    if (image.size() < skinimage::HeaderSize || image.size() > skinimage::MaxImageSize)
        return 0;
    put32(image, 8, std::uint32_t(image.size()));
    put32(image, 12, skinimage::crc32(image.data() + skinimage::HeaderSize, image.size() - skinimage::HeaderSize));
    tryImage(image);
    return 0;
}
