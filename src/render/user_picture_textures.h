#pragma once

#include "assets/gl_texture.h"
#include "assets/prepared_texture.h"
#include "core/picture_id.h"

#include <GL/gl.h>
#include <cstddef>
#include <deque>
#include <map>
#include <vector>

namespace quillmere {

// What the tank's context offers the user's pictures: its largest texture and DXT compression.
// Needs a current rendering context.
TextureCapabilities readTextureCapabilities();

// The textures of the pictures the user chose for the backdrop, owned by the tank. A prepared picture
// is uploaded in bands of rows over several frames, so that no frame waits on a whole photo; it can be
// drawn once every level is in. Each texture lives until the Custom Background dialog releases it or
// the tank's GL objects go. Every call needs the tank's context current.
class UserPictureTextures {
public:
    // Queues the prepared picture for upload; its bytes are freed as soon as they are in OpenGL.
    void add(PictureId id, PreparedTexture texture);
    // Uploads about budgetBytes of the queued pictures (at least one band) and returns those that
    // became complete.
    std::vector<PictureId> upload(std::size_t budgetBytes);
    // Deletes the texture, or drops it from the queue; an id it does not hold is ignored.
    void release(PictureId id);
    // The texture to draw: 0 unless id is complete.
    GLuint textureOf(PictureId id) const;
    bool holds(PictureId id) const { return textureOf(id) != 0; }
    int count() const { return static_cast<int>(m_textures.size()); }
    bool uploading() const { return !m_queue.empty(); }
    void clear();

private:
    struct Upload {
        PictureId id;
        PreparedTexture prepared;
        Texture texture;
        std::size_t level = 0; // the level being filled
        int nextRow = 0;       // its first row not yet uploaded
    };

    // Uploads one band of rows of upload's current level, of about budgetBytes; true once all are in.
    static bool uploadBand(Upload& upload, std::size_t budgetBytes, std::size_t& spent);

    std::map<PictureId, Texture> m_textures;
    std::deque<Upload> m_queue;
};

} // namespace quillmere
