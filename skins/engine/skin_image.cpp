// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin_image.h"

#include <algorithm>

namespace skinimage {
namespace {

constexpr unsigned char Marker[4] = {'.', 'S', 'H', 'E'};
enum Tag : std::uint16_t { NameTag = 1, ColourTag = 2, ShapeTag = 3 };
constexpr std::size_t RecordHeaderSize = 4;
constexpr std::size_t ColourSize = 6;
constexpr std::size_t ShapeSize = 4;

void put16(std::vector<std::uint8_t> &out, std::uint16_t v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32At(std::vector<std::uint8_t> &out, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

std::uint16_t get16(const unsigned char *p) { return std::uint16_t(p[0] | (p[1] << 8)); }

std::uint32_t get32(const unsigned char *p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

bool knownRole(std::uint8_t role)
{
    return (role >= std::uint8_t(Role::Window) && role <= std::uint8_t(Role::LastPaletteRole))
        || (role >= std::uint8_t(Role::Border) && role <= std::uint8_t(Role::LastFrameRole));
}

std::optional<Skin> refuse(std::string *why, const char *reason)
{
    if (why)
        *why = reason;
    return std::nullopt;
}

} // namespace

std::optional<Rgba> Skin::colour(Role role, Group group) const
{
    // A repeated record replaces the earlier one, for a state's own entries as for all-states ones.
    std::optional<Rgba> own, general;
    for (const ColourEntry &e : colours) {
        if (e.role != role)
            continue;
        if (e.group == group)
            own = e.colour;
        if (e.group == Group::All)
            general = e.colour;
    }
    return own ? own : general;
}

std::uint32_t crc32(const unsigned char *data, std::size_t length)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::vector<std::uint8_t> encode(const Skin &skin)
{
    std::vector<std::uint8_t> out(Marker, Marker + 4);
    put16(out, FormatVersion);
    const std::size_t records = 2 + skin.colours.size();
    put16(out, std::uint16_t(records));
    out.resize(HeaderSize); // length and checksum are filled in below

    const std::string name = skin.name.substr(0, MaxNameSize);
    put16(out, NameTag);
    put16(out, std::uint16_t(name.size()));
    out.insert(out.end(), name.begin(), name.end());

    put16(out, ShapeTag);
    put16(out, ShapeSize);
    out.insert(out.end(), {skin.shape.radius, skin.shape.borderWidth, skin.shape.gradient, skin.shape.flags});

    for (const ColourEntry &e : skin.colours) {
        put16(out, ColourTag);
        put16(out, ColourSize);
        out.insert(out.end(), {std::uint8_t(e.role), std::uint8_t(e.group), e.colour.r, e.colour.g, e.colour.b, e.colour.a});
    }
    put32At(out, 8, std::uint32_t(out.size()));
    put32At(out, 12, crc32(out.data() + HeaderSize, out.size() - HeaderSize));
    return out;
}

std::optional<Skin> decode(const unsigned char *data, std::size_t length, std::string *why)
{
    if (!data || length == 0)
        return refuse(why, "no image");
    if (length < HeaderSize)
        return refuse(why, "shorter than the header");
    if (length > MaxImageSize)
        return refuse(why, "longer than any skin image");
    if (!std::equal(Marker, Marker + 4, data))
        return refuse(why, "no .SHE marker");
    if (get16(data + 4) != FormatVersion)
        return refuse(why, "unknown format version");
    if (get32(data + 8) != length)
        return refuse(why, "length differs from the header's");
    if (get32(data + 12) != crc32(data + HeaderSize, length - HeaderSize))
        return refuse(why, "checksum differs: the image is damaged");

    Skin skin;
    const std::size_t records = get16(data + 6);
    std::size_t at = HeaderSize;
    for (std::size_t i = 0; i < records; ++i) {
        if (length - at < RecordHeaderSize)
            return refuse(why, "record header runs past the end");
        const std::uint16_t tag = get16(data + at);
        const std::size_t size = get16(data + at + 2);
        at += RecordHeaderSize;
        if (length - at < size)
            return refuse(why, "record runs past the end");
        const unsigned char *p = data + at;
        switch (tag) {
        case NameTag:
            if (size > MaxNameSize)
                return refuse(why, "name too long");
            skin.name.assign(reinterpret_cast<const char *>(p), size);
            break;
        case ShapeTag:
            if (size != ShapeSize)
                return refuse(why, "shape record of the wrong size");
            if (p[0] > 12 || p[1] < 1 || p[1] > 3 || p[2] > 100)
                return refuse(why, "shape out of range");
            skin.shape = {p[0], p[1], p[2], p[3]};
            break;
        case ColourTag:
            if (size != ColourSize)
                return refuse(why, "colour record of the wrong size");
            if (!knownRole(p[0]) || p[1] > std::uint8_t(Group::Disabled))
                return refuse(why, "unknown colour role or group");
            skin.colours.push_back({Role(p[0]), Group(p[1]), {p[2], p[3], p[4], p[5]}});
            break;
        default: // records of later versions: skipped
            break;
        }
        at += size;
    }
    if (at != length)
        return refuse(why, "bytes after the last record");
    for (Role role : RequiredRoles)
        if (!skin.colour(role))
            return refuse(why, "a required colour is missing");
    return skin;
}

} // namespace skinimage
