#pragma once

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

// Signed distances to simple shapes, in logical pixels: negative inside, positive outside. Icons are
// described as unions and differences of these, so they can be painted crisply at any scale.
namespace quillmere::uiart {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

inline Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
inline double dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
inline double length(Point a) {
    return std::hypot(a.x, a.y);
}

// p turned by -degrees about centre: a shape tested at rotated(p) appears turned by +degrees.
inline Point rotated(Point p, Point centre, double degrees) {
    const double a = -degrees * 3.14159265358979323846 / 180.0;
    const Point d = p - centre;
    return {centre.x + d.x * std::cos(a) - d.y * std::sin(a),
            centre.y + d.x * std::sin(a) + d.y * std::cos(a)};
}

inline double circle(Point p, Point centre, double radius) {
    return length(p - centre) - radius;
}

// A box of half sizes hx, hy round centre with corners rounded by radius.
inline double roundedBox(Point p, Point centre, double hx, double hy, double radius) {
    const double qx = std::abs(p.x - centre.x) - hx + radius;
    const double qy = std::abs(p.y - centre.y) - hy + radius;
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
}

// A stroke of width 2 radius from a to b with round ends.
inline double capsule(Point p, Point a, Point b, double radius) {
    const Point pa = p - a, ba = b - a;
    const double h = std::clamp(dot(pa, ba) / dot(ba, ba), 0.0, 1.0);
    return length({pa.x - ba.x * h, pa.y - ba.y * h}) - radius;
}

// An ellipse of radii rx, ry; the distance is approximate away from the edge but exact enough on it
// for anti-aliasing.
inline double ellipse(Point p, Point centre, double rx, double ry) {
    const Point d = p - centre;
    const double k0 = std::hypot(d.x / rx, d.y / ry);
    const double k1 = std::hypot(d.x / (rx * rx), d.y / (ry * ry));
    return k1 > 0.0 ? k0 * (k0 - 1.0) / k1 : -std::min(rx, ry);
}

// Any simple polygon, corners in order.
inline double polygon(Point p, const std::vector<Point>& corners) {
    double d = dot(p - corners[0], p - corners[0]);
    double sign = 1.0;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i, ++i) {
        const Point e = corners[j] - corners[i], w = p - corners[i];
        const double h = std::clamp(dot(w, e) / dot(e, e), 0.0, 1.0);
        const Point b = {w.x - e.x * h, w.y - e.y * h};
        d = std::min(d, dot(b, b));
        const bool c0 = p.y >= corners[i].y, c1 = p.y<corners[j].y, c2 = e.x * w.y> e.y * w.x;
        if ((c0 && c1 && c2) || (!c0 && !c1 && !c2))
            sign = -sign;
    }
    return sign * std::sqrt(d);
}

inline double unite(double a, double b) {
    return std::min(a, b);
}
inline double unite(std::initializer_list<double> distances) {
    return std::min(distances);
}
inline double subtract(double shape, double cut) {
    return std::max(shape, -cut);
}
inline double intersect(double a, double b) {
    return std::max(a, b);
}
// The band of the given width centred on a shape's edge.
inline double outline(double distance, double width) {
    return std::abs(distance) - width * 0.5;
}

} // namespace quillmere::uiart
