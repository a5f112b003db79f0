#include "soft_rasterizer.h"

#include "../assets/shading.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillmere::uiart {
namespace {

double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// OpenGL's default light model adds 0.2 of the material's colour as scene ambient.
constexpr double SceneAmbient = 0.2;

double edge(double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

// Whether a sample at edge value e of the edge from u to v is inside. A sample exactly on an edge belongs
// to one of the two triangles that share it, the one that runs the edge downward (or rightward when
// level), so shared edges are neither drawn twice nor left open.
template <typename P> bool covers(double e, const P& u, const P& v) {
    if (e != 0.0)
        return e > 0.0;
    const double dy = v.y - u.y;
    return dy > 0.0 || (dy == 0.0 && v.x > u.x);
}

} // namespace

SoftRasterizer::SoftRasterizer(int width, int height, int oversample)
    : m_width(width), m_height(height), m_oversample(oversample), m_samplesX(width * oversample),
      m_samplesY(height * oversample), m_samples(static_cast<std::size_t>(m_samplesX) * m_samplesY),
      m_depth(m_samples.size(), std::numeric_limits<double>::infinity()) {}

void SoftRasterizer::setFrustum(double left, double right, double bottom, double top, double nearPlane,
                                double farPlane) {
    m_perspective = true;
    m_box = {left, right, bottom, top, nearPlane, farPlane};
}

void SoftRasterizer::setOrtho(double left, double right, double bottom, double top, double nearPlane,
                              double farPlane) {
    m_perspective = false;
    m_box = {left, right, bottom, top, nearPlane, farPlane};
}

void SoftRasterizer::clear(std::array<double, 3> colour, double alpha) {
    std::fill(m_samples.begin(), m_samples.end(),
              Sample{colour[0] * alpha, colour[1] * alpha, colour[2] * alpha, alpha});
    std::fill(m_depth.begin(), m_depth.end(), std::numeric_limits<double>::infinity());
}

SoftRasterizer::Projected SoftRasterizer::project(const DrawState& state, const EyeVertex& v) const {
    const auto [left, right, bottom, top, nearPlane, farPlane] = m_box;
    const Vec& p = v.position;
    double nx, ny, w, depth;
    if (m_perspective) {
        w = -p.z;
        nx = (2 * nearPlane * p.x / (right - left) + (right + left) / (right - left) * p.z) / w;
        ny = (2 * nearPlane * p.y / (top - bottom) + (top + bottom) / (top - bottom) * p.z) / w;
        // 1 / w runs linearly across the screen, so depth in these terms can be interpolated there.
        depth = (1.0 / nearPlane - 1.0 / w) / (1.0 / nearPlane - 1.0 / farPlane);
    } else {
        w = 1.0;
        nx = (2 * p.x - right - left) / (right - left);
        ny = (2 * p.y - top - bottom) / (top - bottom);
        depth = (-p.z - nearPlane) / (farPlane - nearPlane);
    }
    Projected out{};
    out.x = (nx + 1) * 0.5 * m_samplesX;
    out.y = (1 - ny) * 0.5 * m_samplesY;
    out.depth = depth;
    out.inverseW = 1.0 / w;
    out.s = v.s;
    out.t = v.t;

    std::array<double, 4> colour{state.colour[0], state.colour[1], state.colour[2], 1.0};
    if (state.lit) {
        const Vec toLight{state.lightPosition.x - p.x, state.lightPosition.y - p.y,
                          state.lightPosition.z - p.z};
        const double diffuse = std::max(0.0, dot(v.normal, toLight) / std::sqrt(dot(toLight, toLight)));
        const double k = SceneAmbient + state.lightStrength + state.lightStrength * diffuse;
        for (int i = 0; i < 3; ++i)
            colour[i] = std::min(1.0, colour[i] * k);
    }
    out.colour = colour;
    // Fog from the distance along the view axis, as Mesa computes it for GL_EXP.
    out.fogFactor = state.fogDensity > 0 ? std::exp(-state.fogDensity * std::abs(p.z)) : 1.0;
    return out;
}

std::array<double, 4> SoftRasterizer::sampleTexture(const assetgen::Picture& picture, double s, double t,
                                                    bool blackIsClear) const {
    const double u = s * picture.width - 0.5, v = t * picture.height - 0.5;
    const double fu = std::floor(u), fv = std::floor(v);
    const double du = u - fu, dv = v - fv;
    std::array<double, 4> sum{};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            const int x = ((static_cast<int>(fu) + i) % picture.width + picture.width) % picture.width;
            const int y = ((static_cast<int>(fv) + j) % picture.height + picture.height) % picture.height;
            const assetgen::Rgb& texel = picture.at(x, y);
            const double weight = (i ? du : 1 - du) * (j ? dv : 1 - dv);
            const double alpha = blackIsClear && texel == assetgen::Rgb{} ? 0.0 : 1.0;
            sum[0] += weight * texel.r / 255.0;
            sum[1] += weight * texel.g / 255.0;
            sum[2] += weight * texel.b / 255.0;
            sum[3] += weight * alpha;
        }
    return sum;
}

void SoftRasterizer::shade(const DrawState& state, int x, int y, const std::array<double, 3>& weights,
                           const Projected& a, const Projected& b, const Projected& c) {
    const std::size_t index = static_cast<std::size_t>(y) * m_samplesX + x;
    const double depth = weights[0] * a.depth + weights[1] * b.depth + weights[2] * c.depth;
    if (depth >= m_depth[index] || depth < 0.0 || depth > 1.0)
        return;
    // Perspective-correct weights for everything but depth.
    const double wa = weights[0] * a.inverseW, wb = weights[1] * b.inverseW, wc = weights[2] * c.inverseW;
    const double total = wa + wb + wc;
    const auto mixed = [&](auto member) {
        return (wa * a.*member + wb * b.*member + wc * c.*member) / total;
    };
    std::array<double, 4> colour;
    for (std::size_t i = 0; i < 4; ++i)
        colour[i] = (wa * a.colour[i] + wb * b.colour[i] + wc * c.colour[i]) / total;
    if (state.texture) {
        const auto texel =
            sampleTexture(*state.texture, mixed(&Projected::s), mixed(&Projected::t), state.blackIsClear);
        for (std::size_t i = 0; i < 4; ++i)
            colour[i] *= texel[i];
    }
    const double fog = mixed(&Projected::fogFactor);
    for (std::size_t i = 0; i < 3; ++i)
        colour[i] = colour[i] * fog + (1.0 - fog);
    Sample& sample = m_samples[index];
    const double alpha = colour[3];
    if (state.blend == Blend::Additive) {
        sample.r = std::min(1.0, sample.r + colour[0] * alpha);
        sample.g = std::min(1.0, sample.g + colour[1] * alpha);
        sample.b = std::min(1.0, sample.b + colour[2] * alpha);
        sample.a = std::min(1.0, sample.a + alpha);
    } else {
        sample.r = colour[0] * alpha + sample.r * (1 - alpha);
        sample.g = colour[1] * alpha + sample.g * (1 - alpha);
        sample.b = colour[2] * alpha + sample.b * (1 - alpha);
        sample.a = alpha + sample.a * (1 - alpha);
    }
    if (state.depthWrite)
        m_depth[index] = depth;
}

void SoftRasterizer::triangle(const DrawState& state, const EyeVertex& va, const EyeVertex& vb,
                              const EyeVertex& vc) {
    // Nothing the tank draws reaches behind the near plane, so there is no clipping.
    if (m_perspective &&
        (-va.position.z < m_box[4] || -vb.position.z < m_box[4] || -vc.position.z < m_box[4]))
        return;
    const Projected a = project(state, va), first = project(state, vb), second = project(state, vc);
    const double signedArea = edge(a.x, a.y, first.x, first.y, second.x, second.y);
    if (std::abs(signedArea) < 1e-12)
        return;
    // Wound one way, so that the rule for samples on an edge below holds for every triangle.
    const Projected& b = signedArea > 0 ? first : second;
    const Projected& c = signedArea > 0 ? second : first;
    const double area = std::abs(signedArea);
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
    const int x1 = std::min(m_samplesX - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
    const int y1 = std::min(m_samplesY - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double e0 = edge(b.x, b.y, c.x, c.y, px, py);
            const double e1 = edge(c.x, c.y, a.x, a.y, px, py);
            const double e2 = edge(a.x, a.y, b.x, b.y, px, py);
            if (!covers(e0, b, c) || !covers(e1, c, a) || !covers(e2, a, b))
                continue;
            shade(state, x, y, {e0 / area, e1 / area, e2 / area}, a, b, c);
        }
}

void SoftRasterizer::line(const DrawState& state, const EyeVertex& va, const EyeVertex& vb,
                          double widthPixels) {
    const Projected a = project(state, va), b = project(state, vb);
    const double radius = widthPixels * m_oversample * 0.5;
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - radius)));
    const int x1 = std::min(m_samplesX - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + radius)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - radius)));
    const int y1 = std::min(m_samplesY - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + radius)));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double along =
                length > 0
                    ? std::clamp(((px - a.x) * (b.x - a.x) + (py - a.y) * (b.y - a.y)) / (length * length),
                                 0.0, 1.0)
                    : 0.0;
            const double cx = a.x + (b.x - a.x) * along, cy = a.y + (b.y - a.y) * along;
            if (std::hypot(px - cx, py - cy) > radius)
                continue;
            // A small pull toward the viewer keeps a line on a surface from losing to that surface.
            Projected pa = a, pb = b;
            pa.depth -= 1e-4;
            pb.depth -= 1e-4;
            shade(state, x, y, {1 - along, along, 0.0}, pa, pb, pb);
        }
}

RgbaPicture SoftRasterizer::toPicture() const {
    RgbaPicture picture(m_width, m_height);
    const double count = static_cast<double>(m_oversample) * m_oversample;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            Sample sum;
            for (int j = 0; j < m_oversample; ++j)
                for (int i = 0; i < m_oversample; ++i) {
                    const Sample& s = m_samples[static_cast<std::size_t>(y * m_oversample + j) * m_samplesX +
                                                x * m_oversample + i];
                    sum.r += s.r;
                    sum.g += s.g;
                    sum.b += s.b;
                    sum.a += s.a;
                }
            std::uint8_t* out = picture.at(x, y);
            const double a = sum.a > 0 ? sum.a : 1.0;
            out[0] = assetgen::toByte(sum.r / a * 255.0);
            out[1] = assetgen::toByte(sum.g / a * 255.0);
            out[2] = assetgen::toByte(sum.b / a * 255.0);
            out[3] = assetgen::toByte(sum.a / count * 255.0);
        }
    return picture;
}

} // namespace quillmere::uiart
