#pragma once

#include "rgba_picture.h"

#include "../assets/picture.h"

#include <array>
#include <vector>

namespace quillmere::uiart {

// A point or direction in eye space (the camera at the origin looking down -z, y up).
struct Vec {
    double x = 0.0, y = 0.0, z = 0.0;
};

// One corner as the fixed-function pipeline receives it, already in eye space.
struct EyeVertex {
    Vec position;
    Vec normal; // used as given, unnormalised, like OpenGL without GL_NORMALIZE
    double s = 0.0, t = 0.0;
};

enum class Blend { Alpha, Additive };

// The part of OpenGL 1.1's state that the tank's drawing uses: a texture modulated by the lit current
// colour, one positional light with equal ambient and diffuse strength, exponential white fog, depth
// testing and two blend functions.
struct DrawState {
    const assetgen::Picture* texture = nullptr; // repeated in s and t, row 0 at t = 0
    bool blackIsClear = false;                  // the masked loader's pure-black texels are transparent
    std::array<double, 3> colour{1.0, 1.0, 1.0};
    bool lit = false;
    double lightStrength = 1.0;                 // ambient and diffuse of the light
    Vec lightPosition{1000.0, -1000.0, 1000.0}; // in eye space
    double fogDensity = 0.0;                    // 0 for no fog
    Blend blend = Blend::Alpha;
    bool depthWrite = true;
};

// Draws triangles and lines in software into a picture supersampled by `oversample` in each direction,
// with perspective-correct texturing, Gouraud lighting as OpenGL computes it and a depth buffer. The
// result is filtered down to width x height with coverage as alpha.
class SoftRasterizer {
public:
    SoftRasterizer(int width, int height, int oversample);

    // glFrustum and glOrtho: the visible box in eye space.
    void setFrustum(double left, double right, double bottom, double top, double nearPlane, double farPlane);
    void setOrtho(double left, double right, double bottom, double top, double nearPlane, double farPlane);

    void triangle(const DrawState& state, const EyeVertex& a, const EyeVertex& b, const EyeVertex& c);
    // A line widthPixels output pixels wide.
    void line(const DrawState& state, const EyeVertex& a, const EyeVertex& b, double widthPixels);

    // Sets every sample to an opaque colour (0..1 channels) and clears the depth buffer.
    void clear(std::array<double, 3> colour, double alpha);

    RgbaPicture toPicture() const;

private:
    struct Projected {
        double x, y, depth, inverseW;
        std::array<double, 4> colour; // lit colour, before texturing
        double s, t, fogFactor;
    };
    struct Sample {
        double r = 0, g = 0, b = 0, a = 0; // premultiplied
    };

    Projected project(const DrawState& state, const EyeVertex& v) const;
    void shade(const DrawState& state, int x, int y, const std::array<double, 3>& weights, const Projected& a,
               const Projected& b, const Projected& c);
    std::array<double, 4> sampleTexture(const assetgen::Picture& picture, double s, double t,
                                        bool blackIsClear) const;

    int m_width, m_height, m_oversample, m_samplesX, m_samplesY;
    bool m_perspective = true;
    std::array<double, 6> m_box{-1, 1, -1, 1, 1, 100};
    std::vector<Sample> m_samples;
    std::vector<double> m_depth;
};

} // namespace quillmere::uiart
