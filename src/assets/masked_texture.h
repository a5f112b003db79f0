#pragma once

#include "assets/gl_texture.h"

#include <cstdint>
#include <span>
#include <string>

namespace quillmere {

// Loads a 24-bit bitmap as an RGBA texture with a full mipmap chain, pure black made transparent. GLU
// builds the chain from the picture's own size, rescaling sides that are not powers of two. Needs a
// current rendering context; leaves the texture bound.
LoadedTexture LoadMaskedTexture(const std::string& path);

// The same from a bitmap file's bytes already in memory.
LoadedTexture LoadMaskedTextureFromMemory(std::span<const std::uint8_t> file);

} // namespace quillmere
