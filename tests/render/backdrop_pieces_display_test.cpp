#include "render/backdrop_drawing.h"
#include "render/render_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

using testing_support::Picture;
using testing_support::RenderedScene;
using testing_support::Rgb;
using testing_support::WindowHeight;
using testing_support::WindowWidth;

// A stretch of the built-in backdrop round its see-through crevice, 60 x 37.5 scene units across the
// window, so that a pixel spans about 1.26 level-0 texels up and down and 0.53 across.
constexpr double ViewLeft = -27.0;
constexpr double ViewRight = 33.0;
constexpr double ViewBottom = -18.75;
constexpr double ViewTop = 18.75;

// What lies behind the backdrop: pure red, which the picture itself never holds.
bool behind(const Rgb& p) {
    return p.r == 153 && p.g == 0 && p.b == 0;
}

template <typename Draw> Picture drawnOverRed(Draw draw) {
    glClearColor(153.0f / 255.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw();
    return Picture::readBack();
}

TEST_F(RenderedScene, TheBackdropInPiecesIsThePictureOfTheWholeQuadMipmappedAndBlended) {
    setUpScene(false);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glColor3f(1.0f, 1.0f, 1.0f);
    glViewport(0, 0, WindowWidth, WindowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(ViewLeft, ViewRight, ViewBottom, ViewTop, 0.0, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    const BackdropCells& cells = m_renderer->textures().backdropCells;
    const TexturedQuad quad = builtInBackdropQuad(TankBox{});
    ASSERT_GT(cells.pieceCount, 1) << "the crevice gives the picture pieces of more than one kind";
    EXPECT_NEAR(backdropTexelsPerPixel(quad, cells),
                cells.textureHeight / 76.0 * (ViewTop - ViewBottom) / WindowHeight, 1e-6);

    glBindTexture(GL_TEXTURE_2D, m_renderer->textures().backdrop.name());
    const Picture whole = drawnOverRed([&] {
        glBegin(GL_QUADS);
        emitQuad(quad);
        glEnd();
    });
    const Picture pieces = drawnOverRed([&] { drawBackdropPieces(quad, cells); });

    EXPECT_GT(whole.count(behind), WindowWidth * WindowHeight / 20) << "the crevice shows what lies behind";
    EXPECT_LT(whole.count(behind), WindowWidth * WindowHeight / 2) << "the rock and the water hide it";
    int worst = 0;
    long total = 0;
    for (int y = 0; y < WindowHeight; ++y)
        for (int x = 0; x < WindowWidth; ++x) {
            const Rgb a = whole.at(x, y);
            const Rgb b = pieces.at(x, y);
            for (const int d : {a.r - b.r, a.g - b.g, a.b - b.b}) {
                worst = std::max(worst, std::abs(d));
                total += std::abs(d);
            }
        }
    // Interpolating across smaller triangles may round a level differently here and there.
    EXPECT_LE(worst, 2);
    EXPECT_LT(static_cast<double>(total) / (WindowWidth * WindowHeight * 3), 0.05);

    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_NEAREST) << "the texture keeps its mipmaps for other frames";
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

} // namespace
} // namespace quillmere
