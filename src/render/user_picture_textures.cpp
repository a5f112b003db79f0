#include "render/user_picture_textures.h"

#include "assets/tight_pixel_rows.h"
#include "assets/user_picture.h"
#include "render/extension_list.h"

#include <GL/glext.h>
#include <algorithm>
#include <cstdio>
#include <cstring>

namespace quillmere {
namespace {

GLenum pixelFormat(int channels) {
    switch (channels) {
    case 1:
        return GL_LUMINANCE;
    case 2:
        return GL_LUMINANCE_ALPHA;
    case 3:
        return GL_RGB;
    default:
        return GL_RGBA;
    }
}

GLenum compressedFormat(int channels) {
    return channels % 2 == 1 ? GL_COMPRESSED_RGB_S3TC_DXT1_EXT : GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;
}

// Bytes of one band of rows: DXT stores blocks of four rows.
std::size_t rowBytes(const PreparedTexture& prepared, const PreparedLevel& level) {
    if (prepared.compressed)
        return static_cast<std::size_t>((level.width + 3) / 4) * (prepared.channels % 2 == 1 ? 8 : 16);
    return static_cast<std::size_t>(level.width) * static_cast<std::size_t>(prepared.channels);
}

int rowsPerUnit(const PreparedTexture& prepared) {
    return prepared.compressed ? 4 : 1;
}

} // namespace

TextureCapabilities readTextureCapabilities() {
    TextureCapabilities caps;
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    caps.maxTextureSize = std::max<GLint>(maxSize, MinGlTextureSide);
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0;
    int minor = 0;
    // The compressed uploads are OpenGL 1.3's.
    const bool hasCompressedUploads =
        version != nullptr && std::sscanf(version, "%d.%d", &major, &minor) == 2 && (major > 1 || minor >= 3);
    caps.dxtCompression =
        hasCompressedUploads && listsExtension(extensions, "GL_EXT_texture_compression_s3tc");
    return caps;
}

void UserPictureTextures::add(PictureId id, PreparedTexture texture) {
    if (!isPicture(id) || texture.levels.empty())
        return;
    release(id);
    m_queue.push_back(Upload{id, std::move(texture), Texture(), 0, 0});
}

std::vector<PictureId> UserPictureTextures::upload(std::size_t budgetBytes) {
    std::vector<PictureId> complete;
    std::size_t spent = 0;
    const TightPixelRows rows;
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    while (!m_queue.empty() && (spent == 0 || spent < budgetBytes)) {
        Upload& front = m_queue.front();
        if (!uploadBand(front, budgetBytes, spent))
            continue;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        complete.push_back(front.id);
        m_textures[front.id] = std::move(front.texture);
        m_queue.pop_front();
    }
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    return complete;
}

bool UserPictureTextures::uploadBand(Upload& upload, std::size_t budgetBytes, std::size_t& spent) {
    const PreparedTexture& prepared = upload.prepared;
    if (!upload.texture)
        upload.texture = Texture::generate();
    glBindTexture(GL_TEXTURE_2D, upload.texture.name());
    PreparedLevel& level = upload.prepared.levels[upload.level];
    const auto levelIndex = static_cast<GLint>(upload.level);
    const GLenum format = pixelFormat(prepared.channels);
    if (upload.nextRow == 0) {
        // The level's storage first, so that its rows can follow in bands.
        if (prepared.compressed)
            glCompressedTexImage2D(GL_TEXTURE_2D, levelIndex, compressedFormat(prepared.channels),
                                   level.width, level.height, 0, static_cast<GLsizei>(level.bytes.size()),
                                   nullptr);
        else
            glTexImage2D(GL_TEXTURE_2D, levelIndex, static_cast<GLint>(format), level.width, level.height, 0,
                         format, GL_UNSIGNED_BYTE, nullptr);
    }
    const int unit = rowsPerUnit(prepared);
    const std::size_t unitBytes = rowBytes(prepared, level);
    const std::size_t left = budgetBytes > spent ? budgetBytes - spent : 0;
    const int units = static_cast<int>(std::max<std::size_t>(1, left / std::max<std::size_t>(unitBytes, 1)));
    const int rowsLeft = level.height - upload.nextRow;
    const int bandRows = std::min(rowsLeft, units * unit);
    const std::size_t offset = static_cast<std::size_t>(upload.nextRow / unit) * unitBytes;
    const std::size_t bytes = std::min(level.bytes.size() - offset,
                                       static_cast<std::size_t>((bandRows + unit - 1) / unit) * unitBytes);
    if (prepared.compressed)
        glCompressedTexSubImage2D(GL_TEXTURE_2D, levelIndex, 0, upload.nextRow, level.width, bandRows,
                                  compressedFormat(prepared.channels), static_cast<GLsizei>(bytes),
                                  level.bytes.data() + offset);
    else
        glTexSubImage2D(GL_TEXTURE_2D, levelIndex, 0, upload.nextRow, level.width, bandRows, format,
                        GL_UNSIGNED_BYTE, level.bytes.data() + offset);
    spent += bytes;
    upload.nextRow += bandRows;
    if (upload.nextRow < level.height)
        return false;
    // A level's bytes go as soon as OpenGL holds them.
    std::vector<std::uint8_t>().swap(level.bytes);
    upload.nextRow = 0;
    ++upload.level;
    return upload.level == prepared.levels.size();
}

void UserPictureTextures::release(PictureId id) {
    m_textures.erase(id);
    std::erase_if(m_queue, [id](const Upload& upload) { return upload.id == id; });
}

GLuint UserPictureTextures::textureOf(PictureId id) const {
    const auto found = m_textures.find(id);
    return found == m_textures.end() ? 0 : found->second.name();
}

void UserPictureTextures::clear() {
    m_textures.clear();
    m_queue.clear();
}

} // namespace quillmere
