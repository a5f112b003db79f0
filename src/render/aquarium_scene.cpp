#include "render/aquarium_scene.h"

#include "render/gl_setup.h"
#include "scene/frame_blend.h"

namespace quillmere {

bool AquariumScene::setUp(Random& random, const AquariumSettings& settings, const std::string& assetFolder) {
    m_renderer.emplace();
    m_renderer->CreateOutlineFont();
    applyFixedGlState();
    m_renderer->loadBackdropAndFishSkins(assetFolder);
    const bool gridBuilt = m_scene.setUp(random, settings);
    // Loading a texture draws nothing from the generator, so the sprite may follow the bubble set-up.
    m_renderer->loadBubbleSprite(assetFolder);
    m_renderer->compilePelletDisc();
    applyStartupFog();
    return gridBuilt;
}

bool AquariumScene::setUpWithoutFiles(Random& random, const AquariumSettings& settings) {
    m_renderer.emplace();
    applyFixedGlState();
    m_renderer->loadBackdropAndFishSkins(std::nullopt);
    const bool gridBuilt = m_scene.setUp(random, settings);
    m_renderer->loadBubbleSprite(std::nullopt);
    m_renderer->compilePelletDisc();
    applyStartupFog();
    return gridBuilt;
}

void AquariumScene::renderFrame(Random& random, const AquariumSettings& settings, CameraValues& camera,
                                const CustomBackdropPicture& picture, ScreenSize screen) {
    if (!m_renderer)
        return;
    FrameInputs inputs;
    inputs.ownImageOn = picture.ownImageOn;
    const SceneFrame& frame = m_scene.frame(random, settings, camera, inputs);
    m_renderer->RenderFrame(frame, screen, m_scene.tankBox(), picture);
}

void AquariumScene::step(Random& random, const AquariumSettings& settings, CameraValues& camera,
                         bool ownImageOn) {
    if (!m_renderer)
        return;
    m_previousFrame = m_scene.lastFrame();
    FrameInputs inputs;
    inputs.ownImageOn = ownImageOn;
    m_scene.frame(random, settings, camera, inputs);
    // The first step has none before it to come from.
    if (!m_havePreviousFrame)
        m_previousFrame = m_scene.lastFrame();
    m_havePreviousFrame = true;
}

void AquariumScene::drawBlended(float blend, const CustomBackdropPicture& picture, ScreenSize screen) {
    if (!m_renderer || !m_havePreviousFrame)
        return;
    blendFrames(m_previousFrame, m_scene.lastFrame(), blend, m_blendedFrame);
    m_renderer->RenderFrame(m_blendedFrame, screen, m_scene.tankBox(), picture);
}

} // namespace quillmere
