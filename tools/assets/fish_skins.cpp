#include "fish_skins.h"

#include "shading.h"

#include "assets/asset_catalogue.h"

#include <array>
#include <cmath>

namespace quillmere::assetgen {
namespace {

// The body's top midline lies at t of about 0.18 (modulo 1); the belly half a turn from it.
constexpr double BackT = 0.18;

enum class Markings {
    Plain,
    Bars,
    FlankStripe,
    Spots,
    TailBand,
    Chevrons,
    Saddles,
    FineStripes,
    LengthShade,
    Checks,
    Diagonal,
    Speckles,
    HeadMask,
    LateralDots,
    Rings,
};

struct SkinStyle {
    Colour back;
    Colour belly;
    Colour accent;
    Markings markings;
};

constexpr std::array<SkinStyle, 15> Styles = {{
    {{40, 70, 120}, {200, 215, 225}, {0, 0, 0}, Markings::Plain},
    {{200, 90, 20}, {250, 200, 150}, {245, 245, 240}, Markings::Bars},
    {{30, 60, 90}, {210, 210, 200}, {40, 200, 230}, Markings::FlankStripe},
    {{170, 150, 60}, {240, 230, 170}, {70, 50, 30}, Markings::Spots},
    {{150, 150, 160}, {235, 235, 240}, {30, 30, 50}, Markings::TailBand},
    {{60, 120, 70}, {210, 225, 170}, {240, 200, 60}, Markings::Chevrons},
    {{220, 180, 120}, {250, 240, 220}, {110, 50, 30}, Markings::Saddles},
    {{200, 200, 190}, {245, 245, 235}, {35, 35, 45}, Markings::FineStripes},
    {{150, 40, 60}, {240, 180, 170}, {60, 60, 170}, Markings::LengthShade},
    {{50, 90, 140}, {180, 205, 230}, {20, 40, 80}, Markings::Checks},
    {{230, 200, 40}, {250, 240, 190}, {40, 90, 160}, Markings::Diagonal},
    {{90, 110, 100}, {215, 220, 205}, {240, 240, 220}, Markings::Speckles},
    {{240, 120, 150}, {250, 215, 225}, {90, 30, 60}, Markings::HeadMask},
    {{80, 60, 110}, {205, 190, 225}, {250, 230, 120}, Markings::LateralDots},
    {{60, 140, 150}, {200, 235, 235}, {230, 110, 40}, Markings::Rings},
}};

static_assert(Styles.size() == FishSkinCount);

// How much of the accent colour covers the point s along the body, d from back (0) to belly (1).
double markingAmount(Markings markings, double s, double d, int x, int row) {
    const double flank = 1.0 - std::abs(d - 0.5) * 2.0; // 1 on the side, 0 on back and belly
    switch (markings) {
    case Markings::Plain:
        return 0.0;
    case Markings::Bars:
        return smoothstep(0.25, 0.1, std::abs(std::fmod(s * 3.0 + 0.6, 1.0) - 0.5)) * smoothstep(1.0, 0.7, d);
    case Markings::FlankStripe:
        return smoothstep(0.09, 0.05, std::abs(d - 0.42));
    case Markings::Spots: {
        const double n = valueNoise(s * 14, d * 7, 31);
        return smoothstep(0.68, 0.74, n) * smoothstep(0.95, 0.6, d);
    }
    case Markings::TailBand:
        return smoothstep(0.70, 0.74, s) * smoothstep(0.86, 0.82, s) + 0.5 * smoothstep(0.16, 0.10, s);
    case Markings::Chevrons: {
        const double w = std::fmod(s * 5.0 + std::abs(d - 0.5) * 1.2, 1.0);
        return smoothstep(0.15, 0.05, std::abs(w - 0.5)) * flank;
    }
    case Markings::Saddles:
        return smoothstep(0.22, 0.12, std::abs(std::fmod(s * 4.0 + 0.3, 1.0) - 0.5)) *
               smoothstep(0.55, 0.3, d);
    case Markings::FineStripes:
        return smoothstep(0.2, 0.05, std::abs(std::fmod(s * 9.0 + d * 1.5, 1.0) - 0.5)) *
               smoothstep(1.0, 0.8, d);
    case Markings::LengthShade:
        return smoothstep(0.3, 0.9, s) * smoothstep(0.9, 0.5, d);
    case Markings::Checks:
        return (((x / 8) + (row / 8)) % 2 == 0 ? 0.35 : 0.0) * smoothstep(0.9, 0.6, d);
    case Markings::Diagonal:
        return smoothstep(0.02, -0.02, d - 0.25 - s * 0.5);
    case Markings::Speckles:
        return hash01(x, row, 41) > 0.93 ? 0.8 * smoothstep(0.95, 0.7, d) : 0.0;
    case Markings::HeadMask:
        return smoothstep(0.28, 0.24, s) * smoothstep(0.95, 0.7, d);
    case Markings::LateralDots: {
        const double cell = std::fmod(s * 12.0, 1.0) - 0.5;
        const double dd = (d - 0.5) * 6.0;
        return smoothstep(0.35, 0.25, std::sqrt(cell * cell + dd * dd));
    }
    case Markings::Rings:
        return smoothstep(0.06, 0.03, std::abs(std::fmod(s * 4.0, 1.0) - 0.5) - 0.1);
    }
    return 0.0;
}

} // namespace

Picture makeFishSkin(int kind) {
    const SkinStyle& style = Styles[static_cast<std::size_t>(kind)];
    Picture picture(FishSkinWidth, FishSkinHeight);
    for (int row = 0; row < FishSkinHeight; ++row) {
        const double t = (row + 0.5) / FishSkinHeight;
        // 0 on the back, 1 on the belly, whichever way t runs round the body.
        const double d = 0.5 - 0.5 * std::cos(2 * Pi * (t - BackT));
        for (int x = 0; x < FishSkinWidth; ++x) {
            const double s = (x + 0.5) / FishSkinWidth;
            Colour c = mix(style.back, style.belly, smoothstep(0.15, 0.85, d));
            c = mix(c, style.accent, clamp01(markingAmount(style.markings, s, d, x, row)));
            // A faint lattice of scales over every skin.
            const double a = std::fmod(s * 48.0 + d * 12.0, 1.0) - 0.5;
            const double b = std::fmod(s * 48.0 - d * 12.0 + 24.0, 1.0) - 0.5;
            const double scales = std::abs(a) + std::abs(b);
            c = c * (0.93 + 0.1 * smoothstep(0.3, 0.7, scales));
            picture.at(x, row) = opaqueRgb(c);
        }
    }
    return picture;
}

} // namespace quillmere::assetgen
