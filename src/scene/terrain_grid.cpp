#include "scene/terrain_grid.h"

#include <cmath>

namespace quillmere {

bool TerrainGrid::BuildTerrainGrid(int width, int depth, int heightFactor) {
    m_width = width;
    m_depth = depth;
    m_heightFactor = heightFactor;
    m_vertices.clear();
    m_filledRows = 0;
    m_filledColumns = 0;
    if (static_cast<long long>(width) * depth > MaxVertices || width > MaxSide || depth > MaxSide)
        return false;
    if (width <= 0 || depth <= 1)
        return true; // nothing to fill

    const float scale = static_cast<float>(2 * heightFactor) / static_cast<float>(depth);
    m_filledRows = width;
    m_filledColumns = depth - 1;
    m_vertices.resize(static_cast<std::size_t>(m_filledRows) * static_cast<std::size_t>(m_filledColumns));
    for (int i = 0; i < width; ++i) {
        for (int j = 0; j < depth - 1; ++j) {
            Vec3& v = m_vertices[static_cast<std::size_t>(i) * m_filledColumns + j];
            v.x = static_cast<float>(i - width / 2);
            v.y = static_cast<float>(std::cos(0.1 * (i + j)) * (depth - j) * scale);
            v.z = static_cast<float>(j - depth);
        }
    }
    return true;
}

Vec3 TerrainGrid::vertex(int i, int j) const {
    if (i < 0 || j < 0 || i >= m_filledRows || j >= m_filledColumns)
        return Vec3{};
    return m_vertices[static_cast<std::size_t>(i) * m_filledColumns + j];
}

} // namespace quillmere
