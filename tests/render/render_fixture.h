#pragma once

#include "render/gl_setup.h"
#include "render/gl_test_window.h"
#include "render/scene_renderer.h"
#include "scene/scene.h"

#include <GL/glu.h>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace quillmere::testing_support {

// A real scene set up in the set-up's order on the test window, with its own asset folder, drawn by
// the renderer frame by frame into the back buffer.
class RenderedScene : public ::testing::Test {
protected:
    void SetUp() override {
        ensureGlWindow();
        m_configHome = std::filesystem::temp_directory_path() /
                       ("quillmere-render-" + std::to_string(::getpid()) + "-" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_configHome);
        std::filesystem::create_directories(m_configHome);
        ::setenv("XDG_CONFIG_HOME", m_configHome.c_str(), 1);
        m_assetFolder = (m_configHome / "quillmere").string() + "/";
        std::filesystem::create_directories(m_assetFolder);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    void TearDown() override {
        m_renderer.reset();
        std::filesystem::remove_all(m_configHome);
    }

    // Every set-up step that makes something, in order, with the settings as the test left them.
    void setUpScene(bool withFont = true) {
        m_renderer = std::make_unique<SceneRenderer>();
        if (withFont)
            m_renderer->CreateOutlineFont();
        applyFixedGlState();
        m_renderer->loadBackdropAndFishSkins(m_assetFolder);
        m_scene = std::make_unique<Scene>(m_random);
        ASSERT_TRUE(m_scene->setUp(m_random, m_settings));
        m_renderer->loadBubbleSprite(m_assetFolder);
        m_renderer->compilePelletDisc();
        applyStartupFog();
    }

    // Renders frames and returns the last one's picture.
    Picture render(int frames = 1) {
        for (int i = 0; i < frames; ++i, ++m_framesRendered) {
            const SceneFrame& frame =
                m_scene->frame(m_random, m_settings, m_camera, FrameInputs{m_picture.ownImageOn});
            m_renderer->RenderFrame(frame, ScreenSize{WindowWidth, WindowHeight}, m_scene->tankBox(),
                                    m_picture);
        }
        Picture picture = Picture::readBack();
        if (const char* folder = std::getenv("QUILLMERE_RENDER_SNAPSHOT_DIR")) {
            picture.writePpm(std::string(folder) + "/" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                             std::to_string(m_framesRendered) + ".ppm");
        }
        return picture;
    }

    // Where a point of the scene lands in the window after the last frame's camera.
    std::array<double, 2> project(double x, double y, double z) const {
        GLdouble model[16];
        GLdouble projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble wx = 0.0;
        GLdouble wy = 0.0;
        GLdouble wz = 0.0;
        gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
        return {wx, wy};
    }

    std::filesystem::path m_configHome;
    std::string m_assetFolder;
    Random m_random;
    AquariumSettings m_settings;
    CameraValues m_camera;
    CustomBackdropPicture m_picture;
    std::unique_ptr<Scene> m_scene;
    std::unique_ptr<SceneRenderer> m_renderer;
    int m_framesRendered = 0;
};

inline bool nearWhite(const Rgb& p) {
    return p.r > 230 && p.g > 230 && p.b > 230;
}

inline bool pelletCream(const Rgb& p) {
    return p.r > 200 && p.g > 180 && p.b > 100 && p.b < 200 && p.r > p.b + 40;
}

} // namespace quillmere::testing_support
