#include "soft_rasterizer.h"

#include <gtest/gtest.h>

#include <array>

namespace quillmere::uiart {
namespace {

constexpr int Size = 8;

// A square facing the viewer at depth z, covering [-1, 1] in x and y, with t = 0 along its top edge.
void square(SoftRasterizer& raster, const DrawState& state, double z) {
    const EyeVertex topLeft{{-1, 1, z}, {0, 0, 1}, 0, 0}, topRight{{1, 1, z}, {0, 0, 1}, 1, 0};
    const EyeVertex bottomRight{{1, -1, z}, {0, 0, 1}, 1, 1}, bottomLeft{{-1, -1, z}, {0, 0, 1}, 0, 1};
    raster.triangle(state, topLeft, topRight, bottomRight);
    raster.triangle(state, topLeft, bottomRight, bottomLeft);
}

DrawState flat(double r, double g, double b) {
    DrawState state;
    state.colour = {r, g, b};
    return state;
}

std::array<int, 4> pixel(const RgbaPicture& picture, int x, int y) {
    const std::uint8_t* p = picture.at(x, y);
    return {p[0], p[1], p[2], p[3]};
}

SoftRasterizer orthoRaster() {
    SoftRasterizer raster(Size, Size, 2);
    raster.setOrtho(-1, 1, -1, 1, 1, 100);
    return raster;
}

TEST(SoftRasterizerTest, TheNearerSurfaceWinsWhicheverIsDrawnFirst) {
    for (bool nearFirst : {true, false}) {
        SoftRasterizer raster = orthoRaster();
        if (nearFirst)
            square(raster, flat(1, 0, 0), -5);
        square(raster, flat(0, 0, 1), -10);
        if (!nearFirst)
            square(raster, flat(1, 0, 0), -5);
        EXPECT_EQ(pixel(raster.toPicture(), 4, 4), (std::array{255, 0, 0, 255})) << nearFirst;
    }
}

// Row 0 of a texture is t = 0, which this square puts at its top.
TEST(SoftRasterizerTest, TexturesModulateTheColourTheRightWayUp) {
    assetgen::Picture texture(1, Size);
    for (int row = 0; row < Size; ++row)
        texture.at(0, row) = row < Size / 2 ? assetgen::Rgb{255, 255, 255} : assetgen::Rgb{0, 0, 255};
    SoftRasterizer raster(Size, Size, 1);
    raster.setOrtho(-1, 1, -1, 1, 1, 100);
    DrawState state = flat(1, 0.5, 1);
    state.texture = &texture;
    square(raster, state, -5);
    const RgbaPicture picture = raster.toPicture();
    EXPECT_EQ(pixel(picture, 3, 0), (std::array{255, 128, 255, 255}));
    EXPECT_EQ(pixel(picture, 3, Size - 1), (std::array{0, 0, 255, 255}));
}

TEST(SoftRasterizerTest, LightingFollowsOpenGLAndClampsAtFullLight) {
    struct Case {
        double strength;
        Vec normal;
        int expected; // red of a red surface, 0..255
    };
    // 0.2 scene ambient + strength ambient + strength x the diffuse term, clamped at 1.
    const Case cases[] = {
        {1.0, {0, 0, 1}, 255}, {0.0, {0, 0, 1}, 51}, {0.3, {0, 0, -1}, 128}, {0.3, {0, 0, 1}, 204}};
    for (const Case& c : cases) {
        SoftRasterizer raster = orthoRaster();
        DrawState state = flat(1, 0, 0);
        state.lit = true;
        state.lightStrength = c.strength;
        state.lightPosition = {0, 0, 1000};
        const EyeVertex a{{-1, 1, -5}, c.normal, 0, 0}, b{{1, 1, -5}, c.normal, 0, 0},
            d{{0, -1, -5}, c.normal, 0, 0};
        raster.triangle(state, a, b, d);
        EXPECT_NEAR(pixel(raster.toPicture(), 4, 3)[0], c.expected, 2) << c.strength << " " << c.normal.z;
    }
}

// The additive square also checks that samples on the diagonal both triangles share are drawn once.
TEST(SoftRasterizerTest, MaskedBlackIsClearAndAdditiveBlendingAdds) {
    assetgen::Picture black(1, 1);
    SoftRasterizer raster = orthoRaster();
    square(raster, flat(0, 0.5, 0), -10);
    DrawState masked = flat(1, 1, 1);
    masked.texture = &black;
    masked.blackIsClear = true;
    square(raster, masked, -5);
    DrawState glow = flat(0.25, 0, 0);
    glow.blend = Blend::Additive;
    glow.depthWrite = false;
    square(raster, glow, -1.5);
    EXPECT_EQ(pixel(raster.toPicture(), 4, 4), (std::array{64, 128, 0, 255}));
}

TEST(SoftRasterizerTest, PerspectiveMakesFartherThingsSmallerAndLeavesTheRestClear) {
    SoftRasterizer raster(Size, Size, 1);
    raster.setFrustum(-1, 1, -1, 1, 1, 100);
    square(raster, flat(1, 1, 1), -4); // a quarter of the view's width at that depth
    const RgbaPicture picture = raster.toPicture();
    EXPECT_EQ(pixel(picture, 4, 4)[3], 255);
    EXPECT_EQ(pixel(picture, 0, 0)[3], 0);
    EXPECT_EQ(pixel(picture, 2, 4)[3], 0);
}

} // namespace
} // namespace quillmere::uiart
