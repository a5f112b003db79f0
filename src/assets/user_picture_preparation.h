#pragma once

#include "assets/prepared_texture.h"
#include "assets/user_picture.h"

#include <optional>
#include <stop_token>
#include <string>

namespace quillmere {

// Makes a decoded picture's texture as SOIL's texture creation does with UserPictureFlags: rows
// flipped, colours kept television-safe, sides scaled up to powers of two and then down to what the
// context takes, a full mipmap chain, each level DXT-compressed where the context has it. Pure
// computation, safe on any thread; gives nothing when memory runs out or stop is requested.
std::optional<PreparedTexture> prepareUserPictureTexture(UserPicture picture, const TextureCapabilities& caps,
                                                         std::stop_token stop = {});

// A picture file read, decoded and prepared, or the message a person sees when it cannot be.
struct PreparedPictureFile {
    std::optional<PreparedTexture> texture;
    std::string error; // empty when texture holds the prepared picture
};

// Reads the picture at path and prepares its texture no larger than target. Needs no rendering context.
PreparedPictureFile preparePictureFile(const std::string& path, PictureTarget target,
                                       const TextureCapabilities& caps, std::stop_token stop = {});

} // namespace quillmere
