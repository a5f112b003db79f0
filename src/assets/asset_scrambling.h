#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quillmere {

// The key shared by the packer and the unscrambling pass. Byte n of an asset, counting from 1,
// is shifted by AssetKey[n % 50].
inline constexpr std::array<std::uint8_t, 50> AssetKey = {
    0x5A, 0xC3, 0x17, 0x8E, 0x41, 0xF2, 0x2B, 0x96, 0x6D, 0x08, 0xB5, 0x3C, 0xE9, 0x74, 0x1F, 0xA0, 0x57,
    0xDA, 0x33, 0x8C, 0x65, 0xFE, 0x12, 0x49, 0xC7, 0x7E, 0x2D, 0xB0, 0x5B, 0x04, 0xE1, 0x98, 0x37, 0x6A,
    0xAF, 0x13, 0xCC, 0x81, 0x26, 0xF9, 0x4E, 0x95, 0x0A, 0xD7, 0x62, 0x39, 0xBC, 0x1D, 0x88, 0x7B,
};

// n counts the bytes of an asset from 1.
constexpr std::uint8_t keyFor(std::uint64_t n) {
    return AssetKey[n % AssetKey.size()];
}

constexpr std::uint8_t unscrambleByte(std::uint8_t stored, std::uint64_t n) {
    return static_cast<std::uint8_t>(stored + keyFor(n));
}

constexpr std::uint8_t scrambleByte(std::uint8_t plain, std::uint64_t n) {
    return static_cast<std::uint8_t>(plain - keyFor(n));
}

// Packing: turns a usable file into the bytes stored in the program, in place.
void scrambleBytes(std::span<std::uint8_t> bytes);

// The inverse of scrambleBytes for a run that starts at byte firstN of the asset.
void unscrambleBytes(std::span<std::uint8_t> bytes, std::uint64_t firstN = 1);

} // namespace quillmere
