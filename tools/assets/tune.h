#pragma once

#include <cstdint>
#include <vector>

namespace quillmere::assetgen {

constexpr std::uint32_t TuneSampleRate = 11'025;
// 8.8 seconds of 16-bit mono: with the 44-byte header and the spare byte after it, the catalogue
// size of the music asset.
constexpr std::size_t TuneSampleCount = 97'238;

// The built-in tune: soft sine bells over a slow pad, made to loop without a seam.
std::vector<std::int16_t> makeTune();

} // namespace quillmere::assetgen
