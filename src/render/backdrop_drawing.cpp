#include "render/backdrop_drawing.h"

#include <GL/glu.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace quillmere {

namespace {

void emitPieces(const TexturedQuad& quad, const BackdropCells& cells, CellCover cover) {
    glBegin(GL_QUADS);
    for (const BackdropPiece& piece : cells.usedPieces())
        if (piece.cover == cover)
            emitQuad(backdropPieceQuad(quad, piece));
    glEnd();
}

} // namespace

BackdropCells readBackdropCells(GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    if (width <= 0 || height <= 0)
        return {};
    // The alpha channel alone: a quarter of the texels' memory, which would otherwise add to the
    // program's peak.
    std::vector<std::uint8_t> alphas(static_cast<std::size_t>(width) * height);
    GLint alignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alphas.data());
    glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    return findBackdropCells(alphas, width, height);
}

double backdropTexelsPerPixel(const TexturedQuad& quad, const BackdropCells& cells) {
    constexpr double Unknown = std::numeric_limits<double>::infinity();
    if (cells.textureWidth <= 0 || cells.textureHeight <= 0)
        return Unknown;
    GLdouble model[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);

    const TexturedVertex& origin = quad[0];
    const double alongX = quad[1].x - origin.x;
    const double alongY = quad[3].y - origin.y;
    if (alongX == 0.0 || alongY == 0.0)
        return Unknown;
    // The texel, in level-0 units, that the ray through window point (wx, wy) meets on the quad's plane.
    const auto texelAt = [&](double wx, double wy) -> std::optional<std::array<double, 2>> {
        GLdouble nx = 0.0, ny = 0.0, nz = 0.0, fx = 0.0, fy = 0.0, fz = 0.0;
        if (gluUnProject(wx, wy, 0.0, model, projection, viewport, &nx, &ny, &nz) != GL_TRUE ||
            gluUnProject(wx, wy, 1.0, model, projection, viewport, &fx, &fy, &fz) != GL_TRUE || fz == nz)
            return std::nullopt;
        const double k = (origin.z - nz) / (fz - nz);
        if (!(k > 0.0))
            return std::nullopt;
        const double u = (nx + k * (fx - nx) - origin.x) / alongX;
        const double v = (ny + k * (fy - ny) - origin.y) / alongY;
        const double s = origin.s + u * (quad[1].s - origin.s) + v * (quad[3].s - origin.s);
        const double t = origin.t + u * (quad[1].t - origin.t) + v * (quad[3].t - origin.t);
        return std::array<double, 2>{s * cells.textureWidth, t * cells.textureHeight};
    };

    // The texel scale of a plane seen in perspective grows with depth, which is greatest at a corner.
    double most = 0.0;
    const double left = viewport[0] + 0.5;
    const double right = viewport[0] + viewport[2] - 1.5;
    const double bottom = viewport[1] + 0.5;
    const double top = viewport[1] + viewport[3] - 1.5;
    const std::array<std::array<double, 2>, 4> corners{
        {{left, bottom}, {right, bottom}, {left, top}, {right, top}}};
    for (const auto& [x, y] : corners) {
        const auto here = texelAt(x, y);
        const auto across = texelAt(x + 1.0, y);
        const auto up = texelAt(x, y + 1.0);
        if (!here || !across || !up)
            return Unknown;
        most = std::max({most, std::hypot((*across)[0] - (*here)[0], (*across)[1] - (*here)[1]),
                         std::hypot((*up)[0] - (*here)[0], (*up)[1] - (*here)[1])});
    }
    return most;
}

void drawBackdropPieces(const TexturedQuad& quad, const BackdropCells& cells) {
    GLint minFilter = GL_LINEAR_MIPMAP_NEAREST;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    // Without mipmaps the rasteriser need not work out every pixel's footprint to choose a level.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // The backdrop faces the camera with a normal of its own, as the whole quad is drawn.
    glNormal3f(0.0f, 0.0f, 1.0f);
    emitPieces(quad, cells, CellCover::Mixed);
    const bool blending = glIsEnabled(GL_BLEND) == GL_TRUE;
    glDisable(GL_BLEND);
    emitPieces(quad, cells, CellCover::Opaque);
    if (blending)
        glEnable(GL_BLEND);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
}

} // namespace quillmere
