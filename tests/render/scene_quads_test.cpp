#include "render/scene_quads.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

struct Extent {
    float minX, maxX, minY, maxY;
};

Extent extentOf(const TexturedQuad& quad) {
    Extent e{quad[0].x, quad[0].x, quad[0].y, quad[0].y};
    for (const TexturedVertex& v : quad) {
        e.minX = std::min(e.minX, v.x);
        e.maxX = std::max(e.maxX, v.x);
        e.minY = std::min(e.minY, v.y);
        e.maxY = std::max(e.maxY, v.y);
    }
    return e;
}

// The y of the corner with texture coordinates (s, t).
float yAt(const TexturedQuad& quad, float s, float t) {
    for (const TexturedVertex& v : quad)
        if (v.s == s && v.t == t)
            return v.y;
    ADD_FAILURE() << "no corner at " << s << "," << t;
    return 0.0f;
}

TEST(BackdropQuads, CustomPictureIsSeventySevenHighWithTextureUpward) {
    const TexturedQuad quad = customBackdropQuad(TankBox{});
    const Extent e = extentOf(quad);
    EXPECT_FLOAT_EQ(e.minX, -90.0f);
    EXPECT_FLOAT_EQ(e.maxX, 90.0f);
    EXPECT_FLOAT_EQ(e.minY, -38.0f);
    EXPECT_FLOAT_EQ(e.maxY, 39.0f);
    EXPECT_LT(yAt(quad, 0.0f, 0.0f), yAt(quad, 0.0f, 1.0f));
    for (const TexturedVertex& v : quad)
        EXPECT_FLOAT_EQ(v.z, -90.0f);
}

TEST(BackdropQuads, BuiltInPictureIsSeventySixHighWithTextureDownward) {
    const TexturedQuad quad = builtInBackdropQuad(TankBox{});
    const Extent e = extentOf(quad);
    EXPECT_FLOAT_EQ(e.minY, -38.0f);
    EXPECT_FLOAT_EQ(e.maxY, 38.0f);
    EXPECT_GT(yAt(quad, 0.0f, 0.0f), yAt(quad, 0.0f, 1.0f));
    EXPECT_GT(yAt(quad, 1.0f, 0.0f), yAt(quad, 1.0f, 1.0f));
    for (const TexturedVertex& v : quad)
        EXPECT_FLOAT_EQ(v.z, -90.0f);
}

TEST(BackdropQuads, FollowTheTanksWidth) {
    TankBox narrow;
    narrow.left = -10.0f;
    narrow.right = 30.0f;
    for (const TexturedQuad& quad : {customBackdropQuad(narrow), builtInBackdropQuad(narrow)}) {
        const Extent e = extentOf(quad);
        EXPECT_FLOAT_EQ(e.minX, -10.0f);
        EXPECT_FLOAT_EQ(e.maxX, 30.0f);
        // s runs left to right on both pictures.
        for (const TexturedVertex& v : quad)
            EXPECT_FLOAT_EQ(v.x, v.s == 0.0f ? -10.0f : 30.0f);
    }
}

TEST(BubbleQuad, SquareAroundTheSpriteInItsPlaneWithSUpward) {
    const TexturedQuad quad = bubbleQuad(BubbleSprite{1.5f, -2.0f, 0.07f, 0.25f});
    const Extent e = extentOf(quad);
    EXPECT_FLOAT_EQ(e.minX, 1.25f);
    EXPECT_FLOAT_EQ(e.maxX, 1.75f);
    EXPECT_FLOAT_EQ(e.minY, -2.25f);
    EXPECT_FLOAT_EQ(e.maxY, -1.75f);
    for (const TexturedVertex& v : quad)
        EXPECT_FLOAT_EQ(v.z, 0.07f);
    // (0,0) bottom left, (1,0) top left: s climbs the bubble.
    EXPECT_FLOAT_EQ(quad[0].x, 1.25f);
    EXPECT_FLOAT_EQ(quad[0].y, -2.25f);
    EXPECT_FLOAT_EQ(quad[1].s, 1.0f);
    EXPECT_FLOAT_EQ(quad[1].t, 0.0f);
    EXPECT_FLOAT_EQ(quad[1].x, 1.25f);
    EXPECT_FLOAT_EQ(quad[1].y, -1.75f);
}

} // namespace
} // namespace quillmere
