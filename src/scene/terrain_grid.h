#pragma once

#include "fish/vec3.h"

#include <vector>

namespace quillmere {

// The tank floor's height field: vertex (i, j) with i across the tank from the left and j from the
// back toward the front. Only i < width and j < depth - 1 are filled; every other vertex reads (0, 0, 0).
class TerrainGrid {
public:
    // Largest width and depth the grid addresses, and the most vertices it may hold.
    static constexpr int MaxSide = 1000;
    static constexpr long long MaxVertices = 1000LL * 1000LL;

    // Fills the grid; false ("MAP SIZE ERROR") when the size does not fit, and then nothing is filled.
    bool BuildTerrainGrid(int width, int depth, int heightFactor);

    Vec3 vertex(int i, int j) const;

    int width() const { return m_width; }
    int depth() const { return m_depth; }
    int heightFactor() const { return m_heightFactor; }

private:
    int m_width = 1;
    int m_depth = 1;
    int m_heightFactor = 1;
    int m_filledRows = 0;
    int m_filledColumns = 0;
    std::vector<Vec3> m_vertices; // row i holds columns 0 .. m_filledColumns - 1
};

} // namespace quillmere
