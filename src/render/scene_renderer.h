#pragma once

#include "fish/tank_box.h"
#include "render/display_lists.h"
#include "render/frame_projection.h"
#include "render/help_text.h"
#include "render/outline_font.h"
#include "render/scene_quads.h"
#include "render/scene_textures.h"
#include "render/user_picture_textures.h"
#include "scene/scene_frame.h"

#include <GL/gl.h>
#include <array>
#include <optional>
#include <string>

namespace quillmere {

// The user's own backdrop picture, as the Custom Background slideshow chose it.
struct CustomBackdropPicture {
    bool ownImageOn = false; // the user's pictures replace the built-in backdrop
    // The picture on show; one the renderer holds no texture for draws the quad untextured.
    PictureId picture = PictureId::NoPicture;
};

// Turns what the scene's frame computed into OpenGL calls. It owns the GL objects of the scene (the
// help text's glyphs, the textures, the user's pictures and the pellets' disc); each is made by its own
// set-up step, and a frame skips what a set-up that stopped early never made. Every call needs the context
// current, and the renderer must be destroyed while it still is.
class SceneRenderer {
public:
    // The outline font for the help text; without a usable font the text is left out.
    void CreateOutlineFont();

    // The built-in backdrop and the fish skins, from a folder or from memory.
    void loadBackdropAndFishSkins(const PictureSource& source);

    // The same for the bubble sprite, part of the bubble set-up.
    void loadBubbleSprite(const PictureSource& source);

    // The disc every pellet is drawn with.
    void compilePelletDisc();

    // F1.
    void toggleHelpText() { quillmere::toggleHelpText(m_helpText); }
    const HelpTextState& helpText() const { return m_helpText; }

    // One frame; the caller swaps the buffers, which waits for the drawing to finish. screen is in physical
    // pixels.
    void RenderFrame(const SceneFrame& frame, ScreenSize screen, const TankBox& tank,
                     const CustomBackdropPicture& picture);

    const SceneTextures& textures() const { return m_textures; }
    // The user's backdrop pictures, uploaded and released by the program's view.
    UserPictureTextures& userPictures() { return m_userPictures; }
    GLuint pelletDiscList() const { return m_pelletDisc.base(); }
    bool hasFont() const { return m_font.has_value(); }

private:
    void drawBubbles(const SceneFrame& frame);
    void drawCustomBackdrop(const SceneFrame& frame, const TankBox& tank, GLuint texture) const;
    void drawFish(const SceneFrame& frame) const;
    void drawBuiltInBackdrop(const SceneFrame& frame, const TankBox& tank) const;
    void drawPellets(const SceneFrame& frame) const;

    std::optional<OutlineFont> m_font;
    SceneTextures m_textures;
    UserPictureTextures m_userPictures;
    DisplayLists m_pelletDisc;
    HelpTextState m_helpText;
    // The bubbles' corners for one array draw, laid out as GL_T2F_V3F.
    std::array<TexturedVertex, 4 * MaxParticles> m_bubbleCorners{};
};

} // namespace quillmere
