#pragma once

#include "render/scene_quads.h"

#include <array>
#include <cstdint>
#include <span>

namespace quillmere {

// The built-in backdrop is drawn as a few rectangles of a grid of cells, so that where no see-through
// texel can be sampled it is drawn without blending, and where nothing else can be it is not drawn at
// all: on a software rasteriser, blending a screen-sized picture over what lies behind it is a good part
// of its cost. Few and large rectangles matter as much: every edge between two of them makes the
// rasteriser shade the pixel blocks it crosses twice.
constexpr int BackdropCellColumns = 32;
constexpr int BackdropCellRows = 32;

// What linear filtering can read for the samples inside a cell or rectangle: only opaque texels, only
// fully see-through ones (which blend to what lies behind), or both.
enum class CellCover : std::uint8_t { Mixed, Opaque, Clear };

// A rectangle of cells, [firstColumn, endColumn) x [firstRow, endRow).
struct BackdropPiece {
    int firstColumn = 0;
    int endColumn = 0;
    int firstRow = 0;
    int endRow = 0;
    CellCover cover = CellCover::Mixed;
};

// The cuts below make at most this many rectangles: a column interval for each run of columns, and at
// most three row intervals.
constexpr int MaxBackdropPieces = BackdropCellColumns * 3;

// The backdrop texture's level 0, what each of its cells holds (row by row from t = 0), and the
// rectangles the backdrop is drawn as. The rectangles come from cuts that run the whole width or height
// of the picture, so they meet edge to edge with no corner in the middle of another's edge (which would
// let the rasteriser miss or repeat pixels along it). A texture without a picture has size 0 and no piece.
struct BackdropCells {
    int textureWidth = 0;
    int textureHeight = 0;
    std::array<CellCover, BackdropCellColumns * BackdropCellRows> cover{};
    std::array<BackdropPiece, MaxBackdropPieces> pieces{};
    int pieceCount = 0;

    CellCover at(int column, int row) const { return cover[row * BackdropCellColumns + column]; }
    std::span<const BackdropPiece> usedPieces() const {
        return {pieces.data(), static_cast<std::size_t>(pieceCount)};
    }
};

// From the alpha of level-0 texels (a byte each, rows from t = 0). A cell is opaque when every texel that
// linear filtering can read for a sample inside it has alpha 255, clear when every one has alpha 0, the
// picture wrapping round its edges as GL_REPEAT does. Columns are cut where fully opaque columns meet others,
// and both ways round the largest rectangle of clear cells.
BackdropCells findBackdropCells(std::span<const std::uint8_t> alphas, int width, int height);

// The part of quad a piece covers, corners in the quad's order, columns running along the quad's first
// edge (corner 0 to 1) and rows along its last (corner 0 to 3). Pieces that share a grid point get the
// same numbers for it.
TexturedQuad backdropPieceQuad(const TexturedQuad& quad, const BackdropPiece& piece);

} // namespace quillmere
