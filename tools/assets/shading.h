#pragma once

#include "picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// Small colour and noise helpers shared by the picture generators. Everything is a pure function of
// its arguments, so a picture comes out the same on every run.
namespace quillmere::assetgen {

constexpr double Pi = 3.14159265358979323846;

// A colour with channels 0..255 as doubles, for mixing before rounding.
struct Colour {
    double r = 0, g = 0, b = 0;
};

inline Colour operator+(Colour a, Colour b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator*(Colour a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}

inline double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

inline double smoothstep(double edge0, double edge1, double v) {
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

inline Colour mix(Colour a, Colour b, double t) {
    return a * (1.0 - t) + b * t;
}

inline std::uint8_t toByte(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
}

inline Rgb toRgb(Colour c) {
    return {toByte(c.r), toByte(c.g), toByte(c.b)};
}

// Pure black is transparent to the masked texture loader; opaque artwork never uses it.
inline Rgb opaqueRgb(Colour c) {
    Rgb rgb = toRgb(c);
    if (rgb == Rgb{})
        rgb.b = 1;
    return rgb;
}

// An integer hash of a lattice point, mapped to 0..1.
inline double hash01(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= static_cast<std::uint32_t>(y) * 0x27D4EB2Fu;
    h = (h ^ (h >> 15)) * 0x165667B1u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xFFFFFFu) / static_cast<double>(0xFFFFFF);
}

// Smooth value noise in 0..1 with features about one unit apart.
inline double valueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
    const double tx = smoothstep(0.0, 1.0, x - fx), ty = smoothstep(0.0, 1.0, y - fy);
    const double top = hash01(ix, iy, seed) * (1 - tx) + hash01(ix + 1, iy, seed) * tx;
    const double bottom = hash01(ix, iy + 1, seed) * (1 - tx) + hash01(ix + 1, iy + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

// Fractal value noise in 0..1 of several octaves.
inline double fbm(double x, double y, std::uint32_t seed, int octaves = 4) {
    double sum = 0, amplitude = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
        total += amplitude;
        x = x * 2.03 + 17.1;
        y = y * 2.03 - 5.3;
        amplitude *= 0.5;
    }
    return sum / total;
}

} // namespace quillmere::assetgen
