#include "render/backdrop_cells.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quillmere {
namespace {

// 256 x 256 texels: eight a cell each way.
constexpr int Side = 256;

struct Alphas {
    std::vector<std::uint8_t> texels = std::vector<std::uint8_t>(Side * Side, 255);

    void seeThrough(int x0, int x1, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                texels[static_cast<std::size_t>(y) * Side + x] = 0;
    }
};

std::string coverRow(const BackdropCells& cells, int row) {
    std::string text;
    for (int column = 0; column < BackdropCellColumns; ++column) {
        const CellCover cover = cells.at(column, row);
        text += cover == CellCover::Opaque ? '#' : cover == CellCover::Clear ? '.' : '+';
    }
    return text;
}

// The pieces cover every cell once, and each says truly what its cells hold.
void expectPiecesTileTheCells(const BackdropCells& cells) {
    std::array<int, BackdropCellColumns * BackdropCellRows> covered{};
    for (const BackdropPiece& piece : cells.usedPieces()) {
        bool allSame = true;
        for (int row = piece.firstRow; row < piece.endRow; ++row)
            for (int column = piece.firstColumn; column < piece.endColumn; ++column) {
                ++covered[row * BackdropCellColumns + column];
                allSame = allSame && cells.at(column, row) == piece.cover;
            }
        EXPECT_TRUE(piece.cover == CellCover::Mixed || allSame)
            << "piece [" << piece.firstColumn << "," << piece.endColumn << ") x [" << piece.firstRow << ","
            << piece.endRow << ")";
    }
    for (int count : covered)
        ASSERT_EQ(count, 1);
}

TEST(BackdropCells, CellsSayWhatLinearFilteringCanReadAndPiecesTileThem) {
    struct Case {
        const char* what;
        int x0, x1, y0, y1; // the see-through texels
        int row;            // the row of cells looked at
        std::string expected;
        int pieces;
    };
    const Case cases[] = {
        {"no see-through texel", 0, 0, 0, 0, 7, "################################", 1},
        {"all see-through", 0, Side, 0, Side, 7, "................................", 1},
        {"one texel inside cell (5, 7)", 44, 45, 60, 61, 7, "#####+##########################", 3},
        // Its sample reads the texel before it, and GL_REPEAT wraps that round to the last column.
        {"one texel at the left edge", 0, 1, 60, 61, 7, "+##############################+", 3},
        {"the next cell reads a texel on the edge", 47, 48, 60, 61, 7, "#####++#########################", 3},
        {"a see-through band", 64, 128, 0, Side, 20, "#######++......++###############", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Alphas alphas;
        alphas.seeThrough(c.x0, c.x1, c.y0, c.y1);
        const BackdropCells cells = findBackdropCells(alphas.texels, Side, Side);
        EXPECT_EQ(cells.textureWidth, Side);
        EXPECT_EQ(coverRow(cells, c.row), c.expected);
        EXPECT_EQ(cells.pieceCount, c.pieces);
        expectPiecesTileTheCells(cells);
    }
}

TEST(BackdropCells, APictureTooSmallForItsSizeHasNoPieces) {
    const std::vector<std::uint8_t> alphas(16, 255);
    const BackdropCells cells = findBackdropCells(alphas, Side, Side);
    EXPECT_EQ(cells.textureWidth, 0);
    EXPECT_EQ(cells.pieceCount, 0);
}

TEST(BackdropCells, PiecesMeetOnTheSameNumbersAndTheWholeGridIsTheQuad) {
    const TexturedQuad quad = builtInBackdropQuad(TankBox{});
    const TexturedQuad whole = backdropPieceQuad(quad, {0, BackdropCellColumns, 0, BackdropCellRows});
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(whole[i].x, quad[i].x);
        EXPECT_EQ(whole[i].y, quad[i].y);
        EXPECT_EQ(whole[i].s, quad[i].s);
        EXPECT_EQ(whole[i].t, quad[i].t);
    }
    const TexturedQuad left = backdropPieceQuad(quad, {0, 13, 5, 21});
    const TexturedQuad right = backdropPieceQuad(quad, {13, 20, 5, 21});
    for (const auto& [a, b] : {std::pair{1, 0}, std::pair{2, 3}}) {
        EXPECT_EQ(left[a].x, right[b].x);
        EXPECT_EQ(left[a].y, right[b].y);
        EXPECT_EQ(left[a].s, right[b].s);
        EXPECT_EQ(left[a].t, right[b].t);
    }
    EXPECT_FLOAT_EQ(left[1].s, 13.0f / BackdropCellColumns);
    EXPECT_FLOAT_EQ(left[2].t, 21.0f / BackdropCellRows);
}

} // namespace
} // namespace quillmere
