#pragma once

#include "distance_shapes.h"

#include <vector>

namespace quillmere::uiart {

// A shape's signed distances sampled on a square grid: value(column, row) is the distance at
// (left + column * step, top + row * step), negative inside.
struct DistanceSamples {
    double left = 0.0;
    double top = 0.0;
    double step = 1.0;
    int columns = 0;
    int rows = 0;
    std::vector<double> values; // row by row

    double value(int column, int row) const {
        return values[static_cast<std::size_t>(row) * columns + column];
    }
};

// The closed outlines where the distance crosses zero, found cell by cell (marching squares) with the
// crossing placed by linear interpolation, then thinned to the points that bend the outline by more than
// tolerance. Samples on the grid's rim count as outside, so every outline closes. With the even-odd rule
// the outlines fill exactly the inside, holes included.
std::vector<std::vector<Point>> traceOutlines(const DistanceSamples& samples, double tolerance);

} // namespace quillmere::uiart
