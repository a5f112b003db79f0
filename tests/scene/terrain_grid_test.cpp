#include "scene/terrain_grid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillmere {
namespace {

class TankFloor : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_grid.BuildTerrainGrid(180, 50, 1)); }
    TerrainGrid m_grid;
};

TEST_F(TankFloor, TellingVertices) {
    const Vec3 corner = m_grid.vertex(0, 0);
    EXPECT_EQ(corner.x, -90.0f);
    EXPECT_FLOAT_EQ(corner.y, 2.0f);
    EXPECT_EQ(corner.z, -50.0f);

    const Vec3 anchor = m_grid.vertex(85, 10);
    EXPECT_EQ(anchor.x, -5.0f);
    EXPECT_NEAR(anchor.y, 1.6 * std::cos(9.5), 1e-5);
    EXPECT_NEAR(anchor.y, -1.5955f, 1e-4f);
    EXPECT_EQ(anchor.z, -40.0f);

    const Vec3 last = m_grid.vertex(179, 48);
    EXPECT_EQ(last.x, 89.0f);
    EXPECT_NEAR(last.y, 0.08 * std::cos(22.7), 1e-5);
    EXPECT_EQ(last.z, -2.0f);
}

TEST_F(TankFloor, EveryFilledVertexLiesOnTheRollingFloor) {
    for (int i = 0; i < 180; ++i) {
        for (int j = 0; j < 49; ++j) {
            const Vec3 v = m_grid.vertex(i, j);
            ASSERT_EQ(v.x, static_cast<float>(i - 90));
            ASSERT_EQ(v.z, static_cast<float>(j - 50));
            ASSERT_LE(std::fabs(v.y), 0.04f * static_cast<float>(50 - j) + 1e-6f);
        }
    }
}

TEST_F(TankFloor, UnfilledVerticesReadZero) {
    for (int i : {0, 85, 179}) {
        const Vec3 v = m_grid.vertex(i, 49);
        EXPECT_EQ(v.x, 0.0f);
        EXPECT_EQ(v.y, 0.0f);
        EXPECT_EQ(v.z, 0.0f);
    }
    EXPECT_EQ(m_grid.vertex(180, 0).x, 0.0f);
    EXPECT_EQ(m_grid.vertex(999, 999).z, 0.0f);
    EXPECT_EQ(m_grid.vertex(-1, 3).x, 0.0f);
    EXPECT_EQ(m_grid.width(), 180);
    EXPECT_EQ(m_grid.depth(), 50);
    EXPECT_EQ(m_grid.heightFactor(), 1);
}

TEST(TerrainGrid, ParametersAreOneUntilBuilt) {
    const TerrainGrid grid;
    EXPECT_EQ(grid.width(), 1);
    EXPECT_EQ(grid.depth(), 1);
    EXPECT_EQ(grid.heightFactor(), 1);
    EXPECT_EQ(grid.vertex(0, 0).x, 0.0f);
}

TEST(TerrainGrid, OversizedGridReportsAndFillsNothing) {
    TerrainGrid grid;
    EXPECT_FALSE(grid.BuildTerrainGrid(1001, 1000, 1));
    EXPECT_EQ(grid.vertex(0, 0).z, 0.0f);
    EXPECT_FALSE(grid.BuildTerrainGrid(2000, 10, 1)); // few vertices, but wider than the grid's rows
    EXPECT_EQ(grid.vertex(0, 0).z, 0.0f);
    EXPECT_TRUE(grid.BuildTerrainGrid(1000, 1000, 1));
    EXPECT_EQ(grid.vertex(999, 998).z, -2.0f);
}

TEST(TerrainGrid, HeightFactorScalesTheSwell) {
    TerrainGrid grid;
    ASSERT_TRUE(grid.BuildTerrainGrid(10, 20, 3));
    EXPECT_FLOAT_EQ(grid.vertex(0, 0).y, 6.0f); // 2 x 3 / 20 x 20
    EXPECT_EQ(grid.vertex(0, 0).x, -5.0f);
}

} // namespace
} // namespace quillmere
