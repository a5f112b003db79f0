#include "render/render_fixture.h"

#include "assets/gl_texture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing_support::nearWhite;
using testing_support::pelletCream;
using testing_support::Picture;
using testing_support::RenderedScene;
using testing_support::Rgb;
using testing_support::WindowHeight;
using testing_support::WindowWidth;

// The lower part of the view, where the built-in backdrop's picture is opaque water and sand.
double lowerMean(const Picture& p) {
    return p.meanSum(0, 0, WindowWidth, WindowHeight * 2 / 5);
}

bool lit(const Rgb& p) {
    return p.sum() > 30;
}

TEST_F(RenderedScene, SetUpMakesEveryTextureAndLeavesNoExtractedFile) {
    setUpScene();
    const SceneTextures& textures = m_renderer->textures();
    std::vector<GLuint> names = {textures.backdrop.name(), textures.bubbleSprite.name()};
    for (const Texture& skin : textures.fishSkins)
        names.push_back(skin.name());
    for (GLuint name : names) {
        ASSERT_TRUE(glIsTexture(name)) << name;
        glBindTexture(GL_TEXTURE_2D, name);
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        EXPECT_GT(width, 0) << "texture " << name << " holds no picture";
    }
    for (const auto& entry : std::filesystem::directory_iterator(m_assetFolder))
        ADD_FAILURE() << "left behind: " << entry.path();
    EXPECT_TRUE(m_renderer->hasFont());
}

TEST_F(RenderedScene, FogStartsAtHalfAndThenFollowsTheSetting) {
    m_settings.fog = 5;
    setUpScene();
    GLfloat density = 0.0f;
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, 0.5f);
    render(1);
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, 20 * 0.0005f);
    EXPECT_TRUE(glIsEnabled(GL_FOG));
}

TEST_F(RenderedScene, FrameLeavesLightingOffNormalBlendingAndLightFromTheSetting) {
    m_settings.light = 40;
    setUpScene();
    render(1);
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint source = 0;
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
    GLfloat ambient[4] = {};
    GLfloat diffuse[4] = {};
    glGetLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glGetLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    EXPECT_FLOAT_EQ(ambient[0], 0.6f);
    EXPECT_FLOAT_EQ(diffuse[2], 0.6f);
    EXPECT_FLOAT_EQ(ambient[3], 1.0f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Without bubbles nothing in a frame sets the blend function, so the fixed state must.
TEST_F(RenderedScene, WithoutBubblesTheFirstFrameBlendsAsFrameThousandDoes) {
    m_settings.background = 1;
    setUpScene();
    const auto blendFunction = [] {
        GLint source = 0;
        GLint destination = 0;
        glGetIntegerv(GL_BLEND_SRC, &source);
        glGetIntegerv(GL_BLEND_DST, &destination);
        return std::pair{source, destination};
    };
    const auto atStart = blendFunction();
    render(1);
    const auto afterFirst = blendFunction();
    // Bubbles from here on; the frames in between need not be drawn.
    m_settings.background = 0;
    for (int k = 2; k < 999; ++k)
        m_scene->frame(m_random, m_settings, m_camera, FrameInputs{});
    render(2);
    const auto afterThousandth = blendFunction();
    EXPECT_EQ(atStart, afterThousandth);
    EXPECT_EQ(afterFirst, afterThousandth);
    EXPECT_EQ(afterThousandth, std::pair(GLint{GL_SRC_ALPHA}, GLint{GL_ONE_MINUS_SRC_ALPHA}));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

TEST_F(RenderedScene, BackdropFillsTheLowerViewAndFullDarknessDimsIt) {
    setUpScene();
    m_renderer->toggleHelpText();
    const Picture bright = render(1);
    EXPECT_GT(bright.count(lit), WindowWidth * WindowHeight * 2 / 5)
        << "the water and sand fill the lower view";
    EXPECT_GT(lowerMean(bright), 150.0);

    // Light 1 goes black; what remains is OpenGL's global ambient light of 0.2.
    m_settings.light = 100;
    const Picture dark = render(1);
    EXPECT_LT(lowerMean(dark), lowerMean(bright) * 0.3);
}

TEST_F(RenderedScene, StrongerFogWhitensTheBackdrop) {
    setUpScene();
    m_renderer->toggleHelpText();
    const double clear = lowerMean(render(1));
    m_settings.fog = 0;
    const double foggy = lowerMean(render(1));
    EXPECT_GT(foggy, clear + 100.0);
}

TEST_F(RenderedScene, HelpTextShowsInFramesOneToHundredOnly) {
    m_settings.showTerra = 0;
    m_settings.bubbleSetting = 1000;
    setUpScene();
    EXPECT_GT(render(1).count(nearWhite), 500);
    EXPECT_GT(render(99).count(nearWhite), 500) << "frame 100";
    EXPECT_EQ(render(1).count(nearWhite), 0) << "frame 101";
}

TEST_F(RenderedScene, F1HidesTheHelpTextAtOnceAndBringsItBack) {
    m_settings.showTerra = 0;
    m_settings.bubbleSetting = 1000;
    setUpScene();
    render(10);
    m_renderer->toggleHelpText();
    EXPECT_EQ(render(1).count(nearWhite), 0);
    m_renderer->toggleHelpText();
    EXPECT_GT(render(1).count(nearWhite), 500);
}

TEST_F(RenderedScene, HelpTextFollowsTheCameraSideways) {
    m_settings.showTerra = 0;
    m_settings.bubbleSetting = 1000;
    m_settings.autoViews = 0;
    m_camera.liveNearFar = 500;
    setUpScene();

    // The mean x of the text's pixels, for the camera at eye x.
    auto textCentre = [&](int leftRight) {
        m_camera.liveLeftRight = leftRight;
        const Picture picture = render(1);
        double sum = 0.0;
        int n = 0;
        for (int y = 0; y < WindowHeight; ++y)
            for (int x = 0; x < WindowWidth; ++x)
                if (nearWhite(picture.at(x, y))) {
                    sum += x;
                    ++n;
                }
        EXPECT_GT(n, 500);
        return sum / std::max(n, 1);
    };
    const double centred = textCentre(3500);
    const double left = textCentre(0);
    const double right = textCentre(7000);
    // Text and eye move together, but the eye also turns toward the fixed target point: the text stays
    // near its place on the screen, shifting much less than the scene behind it.
    EXPECT_LT(std::abs(left - centred), 40.0);
    EXPECT_LT(std::abs(right - centred), 40.0);
}

TEST_F(RenderedScene, BubblesBrightenTheirColumnOnlyWhileTheBackdropIndexIsZero) {
    m_settings.showTerra = 0;
    m_settings.bubbleSetting = 0;
    setUpScene();
    m_renderer->toggleHelpText();
    const Picture bubbles = render(1);
    const Vec3 emitter = m_scene->lastFrame().bubbleTranslation;
    const int column = static_cast<int>(project(emitter.x, emitter.y, emitter.z)[0]);
    ASSERT_GT(column, 60);
    ASSERT_LT(column, WindowWidth - 60);
    const double inColumn = bubbles.meanSum(column - 50, 0, column + 50, WindowHeight);
    const double beside = bubbles.meanSum(0, 0, column - 100, WindowHeight);
    EXPECT_GT(inColumn, 10.0);
    EXPECT_GT(inColumn, 5.0 * beside + 5.0);

    m_settings.background = 1;
    const Picture none = render(1);
    EXPECT_LT(none.meanSum(column - 50, 0, column + 50, WindowHeight), 1.0);
}

TEST_F(RenderedScene, BubblesShowThroughTheTransparentPartOfTheBuiltInBackdrop) {
    m_settings.bubbleSetting = 0;
    setUpScene();
    m_renderer->toggleHelpText();
    const Picture picture = render(1);
    const Vec3 emitter = m_scene->lastFrame().bubbleTranslation;
    const int column = static_cast<int>(project(emitter.x, emitter.y, emitter.z)[0]);
    const int upper = WindowHeight * 3 / 5;
    EXPECT_GT(picture.meanSum(column - 50, upper, column + 50, WindowHeight), 5.0);
    m_settings.bubbleSetting = 1000;
    EXPECT_LT(render(1).meanSum(column - 50, upper, column + 50, WindowHeight), 1.0);
}

TEST_F(RenderedScene, FixedTintColoursTheBackdrop) {
    m_settings.frontColor = 0x0000FF; // red
    setUpScene();
    m_renderer->toggleHelpText();
    const Picture picture = render(1);
    double red = 0.0;
    double others = 0.0;
    for (int y = 0; y < WindowHeight * 2 / 5; ++y)
        for (int x = 0; x < WindowWidth; ++x) {
            red += picture.at(x, y).r;
            others += picture.at(x, y).g + picture.at(x, y).b;
        }
    EXPECT_GT(red, 20.0 * WindowWidth * WindowHeight * 2 / 5);
    EXPECT_LT(others, red * 0.05);
}

TEST_F(RenderedScene, CyclingTintReplacesTheFixedColour) {
    m_settings.frontColor = 0x0000FF;
    m_settings.frontAutoGradual = 1;
    m_settings.lockFront = 1;
    m_settings.lockFrontPhase = 0.0f; // colour (0, 1, 0.5): no red at all
    setUpScene();
    m_renderer->toggleHelpText();
    const Picture picture = render(3);
    double red = 0.0;
    double green = 0.0;
    for (int y = 0; y < WindowHeight * 2 / 5; ++y)
        for (int x = 0; x < WindowWidth; ++x) {
            red += picture.at(x, y).r;
            green += picture.at(x, y).g;
        }
    EXPECT_LT(red, green * 0.02);
    EXPECT_GT(green, 20.0 * WindowWidth * WindowHeight * 2 / 5);
}

TEST_F(RenderedScene, OwnPictureReplacesTheBuiltInBackdrop) {
    setUpScene();
    m_renderer->toggleHelpText();
    // Large enough that the clamped edges, which blend with the border, stay out of sight.
    PreparedTexture solidGreen{3, false, {}};
    for (int side = 64; side >= 1; side /= 2) {
        std::vector<std::uint8_t> texels;
        for (int i = 0; i < side * side; ++i)
            texels.insert(texels.end(), {0, 255, 0});
        solidGreen.levels.push_back(PreparedLevel{side, side, std::move(texels)});
    }
    const auto green = static_cast<PictureId>(1);
    m_renderer->userPictures().add(green, std::move(solidGreen));
    ASSERT_EQ(m_renderer->userPictures().upload(std::size_t{1} << 20), std::vector<PictureId>{green});
    m_picture = CustomBackdropPicture{true, green};
    const Picture picture = render(1);
    // The whole view, the upper part included where the built-in picture is see-through, is the picture.
    const Rgb top = picture.at(WindowWidth / 2, WindowHeight - 20);
    const Rgb bottom = picture.at(WindowWidth / 4, 20);
    for (const Rgb& p : {top, bottom}) {
        EXPECT_GT(p.g, 200);
        EXPECT_LT(p.r, 30);
        EXPECT_LT(p.b, 30);
    }
}

TEST_F(RenderedScene, PelletsAreDrawnUnlitFromTheSharedDisc) {
    m_settings.showTerra = 0;
    m_settings.bubbleSetting = 1000;
    m_settings.light = 100; // dark: only the unlit pellets keep their colour
    setUpScene();
    m_renderer->toggleHelpText();
    ASSERT_TRUE(glIsList(m_renderer->pelletDiscList()));
    for (int slot = 0; slot < PelletSlotCount; ++slot) {
        m_scene->pellets()[slot].Drop(static_cast<float>(slot * 2 - 9), 4.0f, -50.0f, m_random);
        m_scene->pellets()[slot].active = true;
    }
    const Picture picture = render(1);
    EXPECT_EQ(m_scene->lastFrame().pelletCount, PelletSlotCount);
    EXPECT_GT(picture.count(pelletCream), 10 * 4);
    EXPECT_TRUE(glIsList(m_renderer->pelletDiscList())) << "the one disc outlives every drop";
}

TEST_F(RenderedScene, NoFishWithAllCountsZeroAndFishWhereTheSceneDrawsThem) {
    m_settings.showTerra = 0;
    m_settings.bubbleSetting = 1000;
    setUpScene();
    m_renderer->toggleHelpText();
    const Picture empty = render(1);
    EXPECT_EQ(m_scene->lastFrame().fishCount, 0);
    EXPECT_LT(empty.count(lit), 100) << "only the pellet may show";

    m_settings.fishCount[4] = 1;
    m_scene = std::make_unique<Scene>(m_random);
    ASSERT_TRUE(m_scene->setUp(m_random, m_settings));
    Fish& fish = m_scene->fish()[0];
    fish.x = 3.0f;
    fish.y = -2.0f;
    fish.z = -45.0f;
    const Picture one = render(1);
    ASSERT_EQ(m_scene->lastFrame().fishCount, 1);
    const FishPose& pose = m_scene->lastFrame().fish[0];
    const auto at = project(pose.x, pose.y, pose.z);
    const int x0 = std::clamp(static_cast<int>(at[0]) - 40, 0, WindowWidth);
    const int y0 = std::clamp(static_cast<int>(at[1]) - 40, 0, WindowHeight);
    const int x1 = std::clamp(static_cast<int>(at[0]) + 40, 0, WindowWidth);
    const int y1 = std::clamp(static_cast<int>(at[1]) + 40, 0, WindowHeight);
    ASSERT_TRUE(x1 > x0 && y1 > y0) << "the fish is out of view";
    EXPECT_GT(one.meanSum(x0, y0, x1, y1), 20.0);
}

TEST_F(RenderedScene, ResizeSetsItsOwnProjectionUntilTheNextFrame) {
    setUpScene();
    applyResizeProjection(800, 0);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 1) << "a height of 0 counts as 1";
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    for (GLdouble value : projection)
        EXPECT_TRUE(std::isfinite(value));

    render(1);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], WindowWidth);
    EXPECT_EQ(viewport[3], WindowHeight);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    // glFrustum's x scale: 2 near / (right - left) with the screen's half-width 0.4 * 640 / 400.
    EXPECT_NEAR(projection[0], 2.0 / (2.0 * 0.4 * WindowWidth / WindowHeight), 1e-9);
}

TEST_F(RenderedScene, EarlyStopFrameDrawsWithNothingCreated) {
    setUpScene();
    // A renderer whose set-up never got past the context: no font, textures or disc.
    m_renderer = std::make_unique<SceneRenderer>();
    m_settings.fishCount[0] = 5;
    m_scene = std::make_unique<Scene>(m_random);
    ASSERT_TRUE(m_scene->setUp(m_random, m_settings));
    m_scene->pellets()[0].Drop(0.0f, 0.0f, -50.0f, m_random);
    m_scene->pellets()[0].active = true;
    render(3);
    m_renderer->RenderFrame(SceneFrame{}, ScreenSize{WindowWidth, WindowHeight}, TankBox{}, m_picture);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    m_renderer.reset();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
} // namespace quillmere
