#pragma once

#include "soft_rasterizer.h"

#include <cmath>

namespace quillmere::uiart {

// A rotation and translation, composed like OpenGL's model-view matrix: each call multiplies on the
// right, so the last transform applied in code is the first one a point goes through.
class Affine {
public:
    Vec point(Vec p) const {
        return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
                m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
                m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
    }
    // The model-view matrix has no scaling, so normals turn with its rotation.
    Vec direction(Vec d) const {
        return {m[0][0] * d.x + m[0][1] * d.y + m[0][2] * d.z, m[1][0] * d.x + m[1][1] * d.y + m[1][2] * d.z,
                m[2][0] * d.x + m[2][1] * d.y + m[2][2] * d.z};
    }

    Affine translated(double x, double y, double z) const {
        Affine t;
        t.m[0][3] = x;
        t.m[1][3] = y;
        t.m[2][3] = z;
        return *this * t;
    }

    // glRotate: degrees about the axis (normalised here).
    Affine rotated(double degrees, double x, double y, double z) const {
        const double length = std::sqrt(x * x + y * y + z * z);
        if (length == 0.0)
            return *this;
        x /= length;
        y /= length;
        z /= length;
        const double a = degrees * 3.14159265358979323846 / 180.0, c = std::cos(a), s = std::sin(a),
                     k = 1 - c;
        Affine r;
        r.m[0][0] = x * x * k + c;
        r.m[0][1] = x * y * k - z * s;
        r.m[0][2] = x * z * k + y * s;
        r.m[1][0] = y * x * k + z * s;
        r.m[1][1] = y * y * k + c;
        r.m[1][2] = y * z * k - x * s;
        r.m[2][0] = z * x * k - y * s;
        r.m[2][1] = z * y * k + x * s;
        r.m[2][2] = z * z * k + c;
        return *this * r;
    }

    // gluLookAt from the eye toward centre with the given up direction.
    static Affine lookAt(Vec eye, Vec centre, Vec up) {
        Vec f{centre.x - eye.x, centre.y - eye.y, centre.z - eye.z};
        normalise(f);
        Vec s{f.y * up.z - f.z * up.y, f.z * up.x - f.x * up.z, f.x * up.y - f.y * up.x};
        normalise(s);
        const Vec u{s.y * f.z - s.z * f.y, s.z * f.x - s.x * f.z, s.x * f.y - s.y * f.x};
        Affine r;
        r.m[0][0] = s.x, r.m[0][1] = s.y, r.m[0][2] = s.z;
        r.m[1][0] = u.x, r.m[1][1] = u.y, r.m[1][2] = u.z;
        r.m[2][0] = -f.x, r.m[2][1] = -f.y, r.m[2][2] = -f.z;
        return r.translated(-eye.x, -eye.y, -eye.z);
    }

private:
    static void normalise(Vec& v) {
        const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        v = {v.x / length, v.y / length, v.z / length};
    }

    friend Affine operator*(const Affine& a, const Affine& b) {
        Affine out;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) {
                double sum = j == 3 ? a.m[i][3] : 0.0;
                for (int k = 0; k < 3; ++k)
                    sum += a.m[i][k] * b.m[k][j];
                out.m[i][j] = sum;
            }
        return out;
    }

    double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
};

} // namespace quillmere::uiart
