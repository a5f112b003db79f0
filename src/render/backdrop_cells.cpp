#include "render/backdrop_cells.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

// The texels, along one axis of size texels, that linear filtering may read for samples between the
// fractions from and to of that axis: each sample reads the texel below its centre and the one after.
// One more texel either side absorbs rounding of the interpolated coordinates.
struct TexelSpan {
    int first;
    int last;
};

TexelSpan texelsRead(double from, double to, int size) {
    return {static_cast<int>(std::floor(from * size - 0.5)) - 1,
            static_cast<int>(std::floor(to * size - 0.5)) + 2};
}

// Index into [0, size) as GL_REPEAT wraps it.
int wrapped(int i, int size) {
    const int r = i % size;
    return r < 0 ? r + size : r;
}

CellCover texelCover(std::span<const std::uint8_t> alphas, int width, int height, TexelSpan columns,
                     TexelSpan rows) {
    bool opaque = true;
    bool clear = true;
    for (int y = rows.first; y <= rows.last; ++y) {
        const std::size_t row = static_cast<std::size_t>(wrapped(y, height)) * width;
        for (int x = columns.first; x <= columns.last; ++x) {
            const std::uint8_t alpha = alphas[row + wrapped(x, width)];
            opaque = opaque && alpha == 255;
            clear = clear && alpha == 0;
            if (!opaque && !clear)
                return CellCover::Mixed;
        }
    }
    return opaque ? CellCover::Opaque : CellCover::Clear;
}

TexturedVertex lerp(const TexturedVertex& a, const TexturedVertex& b, float f) {
    // (1 - f) * a + f * b gives a and b exactly at the ends, so the cells' outer corners are the quad's.
    const auto mix = [f](float x, float y) { return (1.0f - f) * x + f * y; };
    return {mix(a.s, b.s), mix(a.t, b.t), mix(a.x, b.x), mix(a.y, b.y), mix(a.z, b.z)};
}

// Grid point (i, j) of the quad: i of BackdropCellColumns along corner 0 to 1, j of BackdropCellRows along
// corner 0 to 3. Every piece takes its corners from here, so shared corners are the same numbers.
TexturedVertex gridPoint(const TexturedQuad& quad, int i, int j) {
    const float u = static_cast<float>(i) / BackdropCellColumns;
    const float v = static_cast<float>(j) / BackdropCellRows;
    return lerp(lerp(quad[0], quad[1], u), lerp(quad[3], quad[2], u), v);
}

// The largest rectangle of clear cells, as [first, end) intervals; empty when there is no clear cell.
BackdropPiece largestClearRectangle(const BackdropCells& cells) {
    BackdropPiece best;
    int bestArea = 0;
    for (int top = 0; top < BackdropCellRows; ++top) {
        // Whether each column is clear in every row from top down to the row looked at.
        std::array<bool, BackdropCellColumns> clearDown{};
        clearDown.fill(true);
        for (int bottom = top; bottom < BackdropCellRows; ++bottom) {
            for (int column = 0; column < BackdropCellColumns; ++column)
                clearDown[column] = clearDown[column] && cells.at(column, bottom) == CellCover::Clear;
            for (int first = 0; first < BackdropCellColumns;) {
                int end = first;
                while (end < BackdropCellColumns && clearDown[end])
                    ++end;
                const int area = (end - first) * (bottom - top + 1);
                if (area > bestArea) {
                    bestArea = area;
                    best = {first, end, top, bottom + 1, CellCover::Clear};
                }
                first = end + 1;
            }
        }
    }
    return best;
}

bool columnOpaque(const BackdropCells& cells, int column) {
    for (int row = 0; row < BackdropCellRows; ++row)
        if (cells.at(column, row) != CellCover::Opaque)
            return false;
    return true;
}

CellCover coverOf(const BackdropCells& cells, const BackdropPiece& piece) {
    const CellCover first = cells.at(piece.firstColumn, piece.firstRow);
    for (int row = piece.firstRow; row < piece.endRow; ++row)
        for (int column = piece.firstColumn; column < piece.endColumn; ++column)
            if (cells.at(column, row) != first)
                return CellCover::Mixed;
    return first;
}

// Sorts the first used cuts and drops repeated ones; returns how many are left.
template <std::size_t N> int sortedCuts(std::array<int, N>& cuts, int used) {
    std::sort(cuts.begin(), cuts.begin() + used);
    return static_cast<int>(std::unique(cuts.begin(), cuts.begin() + used) - cuts.begin());
}

void cutIntoPieces(BackdropCells& cells) {
    const BackdropPiece clear = largestClearRectangle(cells);
    std::array<int, BackdropCellColumns + 3> columnCuts{};
    int columns = 0;
    columnCuts[columns++] = 0;
    columnCuts[columns++] = BackdropCellColumns;
    for (int column = 1; column < BackdropCellColumns; ++column)
        if (columnOpaque(cells, column - 1) != columnOpaque(cells, column))
            columnCuts[columns++] = column;
    std::array<int, 4> rowCuts{0, BackdropCellRows, 0, 0};
    int rows = 2;
    if (clear.endColumn > clear.firstColumn) {
        columnCuts[columns++] = clear.firstColumn;
        columnCuts[columns++] = clear.endColumn;
        rowCuts[rows++] = clear.firstRow;
        rowCuts[rows++] = clear.endRow;
    }
    columns = sortedCuts(columnCuts, columns);
    rows = sortedCuts(rowCuts, rows);
    cells.pieceCount = 0;
    for (int r = 0; r + 1 < rows; ++r)
        for (int c = 0; c + 1 < columns; ++c) {
            BackdropPiece piece{columnCuts[c], columnCuts[c + 1], rowCuts[r], rowCuts[r + 1]};
            piece.cover = coverOf(cells, piece);
            cells.pieces[cells.pieceCount++] = piece;
        }
}

} // namespace

BackdropCells findBackdropCells(std::span<const std::uint8_t> alphas, int width, int height) {
    BackdropCells cells;
    if (width <= 0 || height <= 0 || alphas.size() < static_cast<std::size_t>(width) * height)
        return cells;
    cells.textureWidth = width;
    cells.textureHeight = height;
    for (int row = 0; row < BackdropCellRows; ++row) {
        const TexelSpan rows = texelsRead(static_cast<double>(row) / BackdropCellRows,
                                          static_cast<double>(row + 1) / BackdropCellRows, height);
        for (int column = 0; column < BackdropCellColumns; ++column) {
            const TexelSpan columns =
                texelsRead(static_cast<double>(column) / BackdropCellColumns,
                           static_cast<double>(column + 1) / BackdropCellColumns, width);
            cells.cover[row * BackdropCellColumns + column] =
                texelCover(alphas, width, height, columns, rows);
        }
    }
    cutIntoPieces(cells);
    return cells;
}

TexturedQuad backdropPieceQuad(const TexturedQuad& quad, const BackdropPiece& piece) {
    return {gridPoint(quad, piece.firstColumn, piece.firstRow),
            gridPoint(quad, piece.endColumn, piece.firstRow), gridPoint(quad, piece.endColumn, piece.endRow),
            gridPoint(quad, piece.firstColumn, piece.endRow)};
}

} // namespace quillmere
