#pragma once

#include "assets/gl_texture.h"

#include <cstdint>
#include <span>
#include <string>

namespace quillmere {

// Loads an 8-bit, 24-bit or 32-bit bitmap as a texture of one level whose sides are powers of two of
// at most 512, scaling the picture when its own sides are not; 32-bit pictures keep their fourth byte
// as alpha. Needs a current rendering context; leaves the texture bound.
LoadedTexture LoadScaledTexture(const std::string& path);

// The same from a bitmap file's bytes already in memory.
LoadedTexture LoadScaledTextureFromMemory(std::span<const std::uint8_t> file);

} // namespace quillmere
