#include "render/scene_renderer.h"

#include "render/backdrop_drawing.h"
#include "render/fish_renderer.h"
#include "render/gl_setup.h"
#include "render/pellet_disc.h"
#include "render/scene_quads.h"

#include <GL/glu.h>
#include <algorithm>

namespace quillmere {

namespace {

static_assert(sizeof(TexturedVertex) == 5 * sizeof(float), "bubble corners are sent as packed GL_T2F_V3F");

void applyTint(const BackdropTint& tint) {
    if (tint.set)
        glColor3f(tint.colour.red, tint.colour.green, tint.colour.blue);
}

// Only the backdrops are drawn this way. They face the camera with a normal of their own; otherwise they
// would be lit by whatever normal the last fish left, and dimmed light would flicker with the fish.
void drawQuad(const TexturedQuad& quad) {
    glNormal3f(0.0f, 0.0f, 1.0f);
    glBegin(GL_QUADS);
    emitQuad(quad);
    glEnd();
}

} // namespace

void SceneRenderer::CreateOutlineFont() {
    m_font = quillmere::CreateOutlineFont();
}

void SceneRenderer::loadBackdropAndFishSkins(const PictureSource& source) {
    quillmere::loadBackdropAndFishSkins(m_textures, source);
}

void SceneRenderer::loadBubbleSprite(const PictureSource& source) {
    quillmere::loadBubbleSprite(m_textures, source);
}

void SceneRenderer::compilePelletDisc() {
    m_pelletDisc = quillmere::compilePelletDisc();
}

void SceneRenderer::RenderFrame(const SceneFrame& frame, ScreenSize screen, const TankBox& tank,
                                const CustomBackdropPicture& picture) {
    applyFrameProjection(screen);
    gluLookAt(frame.eyeX, 0.0, frame.cameraZoom - 3.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);
    glViewport(0, 0, screen.width, screen.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    DrawHelpText(m_helpText, m_font ? &*m_font : nullptr, frame.eyeX);
    applySceneLight(frame.lightIntensity);

    // The bubbles glow through the fog.
    glDisable(GL_FOG);
    glPushMatrix();
    drawBubbles(frame);
    glPopMatrix();
    glFogf(GL_FOG_DENSITY, frame.fogDensity);
    // Fog of no density leaves every colour as it is; the software rasteriser still pays for it per pixel.
    if (frame.fogDensity > 0.0f)
        glEnable(GL_FOG);

    drawCustomBackdrop(frame, tank, m_userPictures.textureOf(picture.picture));
    drawFish(frame);
    drawBuiltInBackdrop(frame, tank);

    glDisable(GL_LIGHTING);
    drawPellets(frame);
}

void SceneRenderer::drawBubbles(const SceneFrame& frame) {
    if (!frame.bubblesDrawn)
        return;
    glTranslatef(frame.bubbleTranslation.x, frame.bubbleTranslation.y, frame.bubbleTranslation.z);
    const int count = std::clamp(frame.bubbleCount, 0, MaxParticles);
    for (int i = 0; i < count; ++i) {
        const TexturedQuad quad = bubbleQuad(frame.bubbles[i]);
        std::copy(quad.begin(), quad.end(), m_bubbleCorners.begin() + 4 * i);
    }
    // Additive: overlapping bubbles brighten each other. No colour is set; the sprites take the current one.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, m_textures.bubbleSprite.name());
    glInterleavedArrays(GL_T2F_V3F, 0, m_bubbleCorners.data());
    glDrawArrays(GL_QUADS, 0, 4 * count);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void SceneRenderer::drawCustomBackdrop(const SceneFrame& frame, const TankBox& tank, GLuint texture) const {
    if (!frame.customBackdrop)
        return;
    applyTint(frame.customBackdropTint);
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, texture);
    drawQuad(customBackdropQuad(tank));
    glPopMatrix();
    glColor3f(1.0f, 1.0f, 1.0f);
}

void SceneRenderer::drawFish(const SceneFrame& frame) const {
    const int count = std::clamp(frame.fishCount, 0, FishSlotCount);
    for (int i = 0; i < count; ++i) {
        const FishPose& pose = frame.fish[i];
        glPushMatrix();
        glTranslatef(pose.x, pose.y, pose.z);
        if (pose.kind >= 0 && pose.kind < FishSkinCount)
            glBindTexture(GL_TEXTURE_2D, m_textures.fishSkins[pose.kind].name());
        drawFishModel(pose);
        glPopMatrix();
    }
}

void SceneRenderer::drawBuiltInBackdrop(const SceneFrame& frame, const TankBox& tank) const {
    if (!frame.builtInBackdrop)
        return;
    glPushMatrix();
    applyTint(frame.builtInBackdropTint);
    glBindTexture(GL_TEXTURE_2D, m_textures.backdrop.name());
    const TexturedQuad quad = builtInBackdropQuad(tank);
    // Where level 0 is all that is sampled (screens about 700 pixels high and more), the same picture
    // comes from pieces, the largest drawn without blending.
    if (backdropTexelsPerPixel(quad, m_textures.backdropCells) < Level0TexelsPerPixel)
        drawBackdropPieces(quad, m_textures.backdropCells);
    else
        drawQuad(quad);
    glPopMatrix();
}

void SceneRenderer::drawPellets(const SceneFrame& frame) const {
    if (!m_pelletDisc)
        return;
    const int count = std::clamp(frame.pelletCount, 0, PelletSlotCount);
    for (int i = 0; i < count; ++i) {
        const PelletDraw& p = frame.pellets[i];
        if (!p.visible)
            continue;
        glPushMatrix();
        glTranslatef(p.dropX, p.dropY, p.dropZ);
        glRotated(p.spinY, 0.0, 1.0, 0.0);
        glTranslatef(p.offsetX, p.offsetY, p.offsetZ);
        glRotated(p.spinX, 1.0, 0.0, 0.0);
        glCallList(m_pelletDisc.base());
        glPopMatrix();
    }
}

} // namespace quillmere
