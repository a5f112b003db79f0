#pragma once

#include "assets/gl_texture.h"

#include <string>

namespace quillmere {

// SOIL flags for the user's pictures: mipmaps, rows flipped so the top of the picture is drawn at the
// top, DXT compression where the driver has it, colours kept within the television-safe range.
constexpr unsigned int UserPictureFlags = 0xB2;

// A user picture's texture, or the message a person sees when the picture cannot be loaded.
struct UserPictureTexture {
    Texture texture; // empty (name 0) when the picture could not be loaded
    std::string error;
};

// Loads a JPEG, PNG or Windows bitmap the user chose as a new texture, left bound, with
// UserPictureFlags. The file is decoded by the project's decoders, never SOIL's own, and scaled down
// to what GL_MAX_TEXTURE_SIZE allows. Needs a current rendering context.
UserPictureTexture LoadUserPictureTexture(const std::string& path);

// The same, for callers that need only the texture: empty (name 0) when the picture cannot be loaded.
Texture LoadUserPicture(const std::string& path);

} // namespace quillmere
