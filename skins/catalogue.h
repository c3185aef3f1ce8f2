// SPDX-License-Identifier: GPL-3.0-or-later
// Data carried inside the executable: the skin engine's library file and the 33 skins.
#pragma once

#include <cstdint>

namespace skins {

/// Counted bytes: a 32-bit count and the bytes, held as constant data in the program.
struct ByteBuffer {
    std::uint32_t count = 0;
    const unsigned char *bytes = nullptr;
};

constexpr int SkinCount = 33;
/// The skin every run starts with.
constexpr int StartSkin = 28;

/// The complete file image of the skin engine's library, written out as it is.
ByteBuffer skinEngineImage();
/// Skin n (1 to 33) of the SkinCatalogue; the empty buffer for any other n.
ByteBuffer skinImage(int n);

} // namespace skins
