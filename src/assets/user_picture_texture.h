#pragma once

#include "assets/gl_texture.h"

#include <string>

namespace quillmere {

// SOIL flags for the user's pictures: mipmaps, rows flipped so the top of the picture is drawn at the
// top, DXT compression where the driver has it, colours kept within the television-safe range.
constexpr unsigned int UserPictureFlags = 0xB2;

// Loads a picture the user chose (JPEG, PNG, BMP and the other formats SOIL reads) as a new texture.
// The texture is empty (name 0) when the picture cannot be loaded. Needs a current rendering context.
Texture LoadUserPicture(const std::string& path);

} // namespace quillmere
