#include "contour_tracing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace quillmere::uiart {
namespace {

// An edge between two neighbouring samples: the horizontal one right of (column, row) is 2 * index, the
// vertical one below it 2 * index + 1. Each crossing lies on one edge.
using EdgeKey = std::int64_t;

class OutlineTracer {
public:
    explicit OutlineTracer(const DistanceSamples& samples)
        : m_s(samples), m_neighbours(static_cast<std::size_t>(samples.columns) * samples.rows * 2, {-1, -1}) {
    }

    std::vector<std::vector<Point>> trace(double tolerance) {
        for (int row = 0; row + 1 < m_s.rows; ++row)
            for (int column = 0; column + 1 < m_s.columns; ++column)
                linkCell(column, row);
        std::vector<bool> visited(m_neighbours.size(), false);
        std::vector<std::vector<Point>> outlines;
        for (EdgeKey start = 0; start < static_cast<EdgeKey>(m_neighbours.size()); ++start) {
            if (visited[start] || m_neighbours[start][0] < 0)
                continue;
            std::vector<Point> loop;
            EdgeKey previous = -1;
            for (EdgeKey key = start; !visited[key];) {
                visited[key] = true;
                loop.push_back(crossing(key));
                const EdgeKey next =
                    m_neighbours[key][0] != previous ? m_neighbours[key][0] : m_neighbours[key][1];
                previous = key;
                key = next;
            }
            outlines.push_back(thinned(loop, tolerance));
        }
        return outlines;
    }

private:
    bool inside(int column, int row) const {
        const bool rim = column == 0 || row == 0 || column == m_s.columns - 1 || row == m_s.rows - 1;
        return !rim && m_s.value(column, row) < 0.0;
    }

    EdgeKey index(int column, int row) const { return static_cast<EdgeKey>(row) * m_s.columns + column; }

    void link(EdgeKey a, EdgeKey b) {
        m_neighbours[a][m_neighbours[a][0] < 0 ? 0 : 1] = b;
        m_neighbours[b][m_neighbours[b][0] < 0 ? 0 : 1] = a;
    }

    // Joins the crossings on the cell's four edges that bound the same inside part.
    void linkCell(int column, int row) {
        const bool a = inside(column, row), b = inside(column + 1, row);
        const bool c = inside(column + 1, row + 1), d = inside(column, row + 1);
        const EdgeKey top = 2 * index(column, row), bottom = 2 * index(column, row + 1);
        const EdgeKey left = 2 * index(column, row) + 1, right = 2 * index(column + 1, row) + 1;
        std::vector<EdgeKey> crossed;
        if (a != b)
            crossed.push_back(top);
        if (b != c)
            crossed.push_back(right);
        if (c != d)
            crossed.push_back(bottom);
        if (d != a)
            crossed.push_back(left);
        if (crossed.size() == 2) {
            link(crossed[0], crossed[1]);
        } else if (crossed.size() == 4) {
            // Two opposite corners inside: the cell's centre says whether they join across it.
            const double centre = (m_s.value(column, row) + m_s.value(column + 1, row) +
                                   m_s.value(column + 1, row + 1) + m_s.value(column, row + 1)) /
                                  4.0;
            if ((centre < 0.0) == a) {
                link(top, right);
                link(bottom, left);
            } else {
                link(top, left);
                link(bottom, right);
            }
        }
    }

    Point sample(int column, int row) const {
        return {m_s.left + column * m_s.step, m_s.top + row * m_s.step};
    }

    Point crossing(EdgeKey key) const {
        const int column = static_cast<int>((key / 2) % m_s.columns);
        const int row = static_cast<int>((key / 2) / m_s.columns);
        const bool vertical = key % 2 == 1;
        const int column1 = vertical ? column : column + 1;
        const int row1 = vertical ? row + 1 : row;
        const double v0 = m_s.value(column, row), v1 = m_s.value(column1, row1);
        const double t = v0 == v1 ? 0.5 : std::clamp(v0 / (v0 - v1), 0.0, 1.0);
        const Point p0 = sample(column, row), p1 = sample(column1, row1);
        return {p0.x + (p1.x - p0.x) * t, p0.y + (p1.y - p0.y) * t};
    }

    static double distanceToLine(Point p, Point a, Point b) {
        const Point ab = b - a;
        const double span = length(ab);
        return span == 0.0 ? length(p - a) : std::abs(ab.x * (p.y - a.y) - ab.y * (p.x - a.x)) / span;
    }

    // Keeps a point only where the straight line from the last kept one would stray from the outline.
    static std::vector<Point> thinned(const std::vector<Point>& loop, double tolerance) {
        std::vector<Point> kept{loop.front()};
        std::size_t anchor = 0;
        for (std::size_t end = 2; end <= loop.size(); ++end) {
            const Point target = loop[end % loop.size()];
            bool straight = true;
            for (std::size_t i = anchor + 1; i < end && straight; ++i)
                straight = distanceToLine(loop[i], loop[anchor], target) <= tolerance;
            if (!straight) {
                anchor = end - 1;
                kept.push_back(loop[anchor]);
            }
        }
        return kept;
    }

    const DistanceSamples& m_s;
    std::vector<std::array<EdgeKey, 2>> m_neighbours; // the two crossings each crossing is joined to
};

} // namespace

std::vector<std::vector<Point>> traceOutlines(const DistanceSamples& samples, double tolerance) {
    return OutlineTracer(samples).trace(tolerance);
}

} // namespace quillmere::uiart
