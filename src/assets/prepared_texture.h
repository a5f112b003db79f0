#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillmere {

// One mipmap level of a texture made ready away from the rendering context.
struct PreparedLevel {
    int width = 0;
    int height = 0;
    // DXT blocks when the texture is compressed, else rows from the bottom up without padding.
    std::vector<std::uint8_t> bytes;
};

// A user picture turned into everything its texture needs, level 0 first, so that the frame's thread
// only copies bytes into OpenGL. Grey and colour pictures (one or three channels) compress to DXT1,
// those with alpha (two or four) to DXT5.
struct PreparedTexture {
    int channels = 0;
    bool compressed = false;
    std::vector<PreparedLevel> levels;

    std::size_t byteCount() const {
        std::size_t total = 0;
        for (const PreparedLevel& level : levels)
            total += level.bytes.size();
        return total;
    }
};

// What the tank's rendering context can take, read once on the frame's thread.
struct TextureCapabilities {
    int maxTextureSize = 64;
    bool dxtCompression = false; // GL_EXT_texture_compression_s3tc and its upload entry points
};

} // namespace quillmere
