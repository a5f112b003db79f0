#pragma once

#include <cstdint>
#include <span>

namespace quillmere {

// One picture compiled into the program: PNG file bytes of resource id at a scale of its logical size.
struct EmbeddedPicture {
    int id = 0;
    int scale = 1;
    std::span<const std::uint8_t> png;
};

// One size of the program's icon, square, as PNG file bytes.
struct EmbeddedProgramIcon {
    int pixels = 0;
    std::span<const std::uint8_t> png;
};

// Generated at build time by tools/ui_artwork.
std::span<const EmbeddedPicture> embeddedUiArtwork();
std::span<const EmbeddedProgramIcon> embeddedProgramIcons();

} // namespace quillmere
