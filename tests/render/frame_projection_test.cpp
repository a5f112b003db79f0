#include "render/frame_projection.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

TEST(FrameFrustum, WideScreenKeepsHeightAndWidensBySidesRatio) {
    const Frustum f = frameFrustum({1920, 1080});
    EXPECT_DOUBLE_EQ(f.top, 0.4);
    EXPECT_DOUBLE_EQ(f.bottom, -0.4);
    EXPECT_DOUBLE_EQ(f.right, 0.4 * 1920.0 / 1080.0);
    EXPECT_DOUBLE_EQ(f.left, -f.right);
    EXPECT_DOUBLE_EQ(f.nearPlane, 1.0);
    EXPECT_DOUBLE_EQ(f.farPlane, 1000.0);
}

TEST(FrameFrustum, TallScreenKeepsWidthAndHeightensBySidesRatio) {
    const Frustum f = frameFrustum({1080, 1920});
    EXPECT_DOUBLE_EQ(f.right, 0.4);
    EXPECT_DOUBLE_EQ(f.top, 0.4 * 1920.0 / 1080.0);
    EXPECT_DOUBLE_EQ(f.bottom, -f.top);
}

TEST(FrameFrustum, SquareAndDegenerateScreensStayFinite) {
    const Frustum square = frameFrustum({800, 800});
    EXPECT_DOUBLE_EQ(square.right, 0.4);
    EXPECT_DOUBLE_EQ(square.top, 0.4);

    for (const ScreenSize screen :
         {ScreenSize{0, 0}, ScreenSize{1280, 0}, ScreenSize{0, 720}, ScreenSize{-5, 3}}) {
        const Frustum f = frameFrustum(screen);
        EXPECT_TRUE(std::isfinite(f.right) && std::isfinite(f.top)) << screen.width << "x" << screen.height;
        EXPECT_GT(f.right, 0.0);
        EXPECT_GT(f.top, 0.0);
    }
}

TEST(ResizePerspective, ZeroHeightCountsAsOne) {
    const Perspective p = resizePerspective(1280, 0);
    EXPECT_EQ(p.viewportHeight, 1);
    EXPECT_DOUBLE_EQ(p.aspect, 1280.0);
    EXPECT_DOUBLE_EQ(p.fovy, 45.0);
    EXPECT_DOUBLE_EQ(p.zNear, 0.1);
    EXPECT_DOUBLE_EQ(p.zFar, 400.0);

    const Perspective normal = resizePerspective(1600, 900);
    EXPECT_EQ(normal.viewportWidth, 1600);
    EXPECT_EQ(normal.viewportHeight, 900);
    EXPECT_DOUBLE_EQ(normal.aspect, 1600.0 / 900.0);
}

} // namespace
} // namespace quillmere
