#pragma once

#include <cstdint>
#include <vector>

namespace quillmere::assetgen {

// Soft sine tones need little treble, so a low rate buys a longer loop within the asset's size:
// 16-bit mono at 8 kHz, 12.15 seconds.
constexpr std::uint32_t TuneSampleRate = 8'000;
// With the 44-byte header and the spare byte after it, the catalogue size of the music asset.
constexpr std::size_t TuneSampleCount = 97'238;

// The built-in tune: four slow bars of bell-like tones over soft chords and a low bass, with a
// gentle echo, made in a circle so the end runs into the start without a seam.
std::vector<std::int16_t> makeTune();

} // namespace quillmere::assetgen
