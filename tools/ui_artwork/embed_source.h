#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quillmere::uiart {

// PNG bytes of one picture with what the program looks it up by.
struct EncodedPicture {
    int id = 0;
    int scale = 1;
    std::vector<std::uint8_t> png;
};

// Writes ui_artwork.bin, every picture's bytes one after another, and ui_artwork_data.cpp, which
// assembles that file into the program and defines embeddedUiArtwork() and embeddedProgramIcons().
void writeEmbeddedArtwork(const std::filesystem::path& folder, const std::vector<EncodedPicture>& artwork,
                          const std::vector<EncodedPicture>& programIcons);

} // namespace quillmere::uiart
