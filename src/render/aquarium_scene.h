#pragma once

#include "core/random.h"
#include "render/frame_projection.h"
#include "render/scene_renderer.h"
#include "scene/scene.h"
#include "settings/aquarium_settings.h"

#include <optional>
#include <string>

namespace quillmere {

// The tank with its drawing: the scene and its renderer, set up in one fixed order and advanced and
// drawn one frame at a time. The program's view and the snapshot tool both drive the tank through this.
class AquariumScene {
public:
    // Constructing the scene makes its 50 fish, which draw from the generator before any set-up.
    explicit AquariumScene(Random& random) : m_scene(random) {}

    // The whole set-up once the context is current and the start-up settings are loaded
    // (SettingsFile::loadStartupSettings), in order: the help text's font, the fixed GL state, the
    // built-in backdrop and fish skins, the floor grid, the fish with the bubbles and their sprite, the
    // pellets, and the start-up fog. Returns false when the floor grid reported "MAP SIZE ERROR"; what
    // exists by then is still drawn.
    bool setUp(Random& random, const AquariumSettings& settings, const std::string& assetFolder);

    // The screen saver's set-up, which touches no file: the settings were read beforehand without
    // writing (SettingsFile::readStartupSettings), the built-in pictures come from memory and there is
    // no help text. The generator is drawn from as by setUp.
    bool setUpWithoutFiles(Random& random, const AquariumSettings& settings);

    // One frame: the scene's step, then its drawing. The caller swaps the buffers.
    void renderFrame(Random& random, const AquariumSettings& settings, CameraValues& camera,
                     const CustomBackdropPicture& picture, ScreenSize screen);

    // For frames drawn faster than the tank steps: one step of the scene, keeping the one before it...
    void step(Random& random, const AquariumSettings& settings, CameraValues& camera, bool ownImageOn);
    // ...and a frame `blend` of the way from the step before the latest to the latest (0 to 1).
    void drawBlended(float blend, const CustomBackdropPicture& picture, ScreenSize screen);

    // Deletes the textures and display lists; call while their context is still current. Frames
    // after it draw nothing.
    void releaseGlObjects() { m_renderer.reset(); }

    // F1; the help text starts shown.
    void toggleHelpText() {
        if (m_renderer)
            m_renderer->toggleHelpText();
    }

    const Scene& scene() const { return m_scene; }
    Scene& scene() { return m_scene; }
    // Null before the set-up and after releaseGlObjects().
    const SceneRenderer* renderer() const { return m_renderer ? &*m_renderer : nullptr; }
    UserPictureTextures* userPictures() { return m_renderer ? &m_renderer->userPictures() : nullptr; }

private:
    Scene m_scene;
    std::optional<SceneRenderer> m_renderer;
    // The step before the latest and the frame drawn between them; unused while every frame is a step.
    SceneFrame m_previousFrame;
    SceneFrame m_blendedFrame;
    bool m_havePreviousFrame = false;
};

} // namespace quillmere
