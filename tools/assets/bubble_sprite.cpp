#include "bubble_sprite.h"

#include "shading.h"

#include <cmath>

namespace quillmere::assetgen {

Picture makeBubbleSprite() {
    Picture picture(BubbleSpriteSize, BubbleSpriteSize);
    constexpr double Centre = BubbleSpriteSize / 2.0;
    constexpr double Radius = BubbleSpriteSize / 2.0 - 1.0; // the outermost texels stay black
    const Colour rimTint{170, 215, 255};
    const Colour glintTint{255, 255, 255};
    for (int row = 0; row < BubbleSpriteSize; ++row) {
        for (int x = 0; x < BubbleSpriteSize; ++x) {
            // The bubble quad lays s upward and t to the right on screen, so the picture's columns
            // run up the screen and its rows across it.
            const double up = (x + 0.5 - Centre) / Radius;
            const double right = (row + 0.5 - Centre) / Radius;
            const double r = std::sqrt(up * up + right * right);
            // A thin bright film at the edge, a faint glow around it and a clear middle.
            const double rimDistance = (r - 0.78) / 0.1;
            const double rim = 0.9 * std::exp(-rimDistance * rimDistance);
            const double halo = 0.25 * smoothstep(1.0, 0.8, r) * smoothstep(0.6, 0.85, r);
            const double body = r < 1.0 ? 0.1 + 0.12 * r * r : 0.0;
            // Light from the upper left: a sharp window-like glint and a soft reflection opposite.
            const double gx = right + 0.34, gy = up - 0.36;
            const double glint = std::exp(-(gx * gx + gy * gy) / (0.16 * 0.16));
            const double rx = right - 0.42, ry = up + 0.4;
            const double reflection = 0.35 * std::exp(-(rx * rx + ry * ry) / (0.14 * 0.14));
            const double edgeFade = smoothstep(1.0, 0.9, r);
            const Colour light = rimTint * (std::min(1.0, rim + halo + body + reflection) * edgeFade);
            picture.at(x, row) = toRgb(mix(light, glintTint, std::min(1.0, glint) * edgeFade));
        }
    }
    return picture;
}

} // namespace quillmere::assetgen
