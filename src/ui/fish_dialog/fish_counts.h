#pragma once

#include "core/random.h"
#include "settings/aquarium_settings.h"

#include <array>
#include <string>

namespace quillmere {

// The picture of the kinds, in logical pixels: five columns and three rows of 100 x 90 cells.
inline constexpr int FishPictureWidth = 640;
inline constexpr int FishPictureHeight = 400;
inline constexpr int FishCellWidth = 100;
inline constexpr int FishCellHeight = 90;
inline constexpr int FishGridColumns = 5;

// A click below this line, in picture coordinates, clears the selection.
inline constexpr int FishClearBelowY = 450;

struct CellRect {
    int left;
    int top;
    int right; // exclusive
    int bottom;
};

// Kind k's cell, where its count is written and its selection oval drawn. Kinds run row by row.
constexpr CellRect fishCell(int kind) {
    const int left = FishCellWidth * (kind % FishGridColumns) + 2;
    const int top = FishCellHeight * (kind / FishGridColumns) + 2;
    return {left, top, left + FishCellWidth, top + FishCellHeight};
}

// The Add/Delete Fish dialog without its window: the 15 counts, the selected cell and what each
// click, key and button does to them.
class FishCounts {
public:
    static constexpr int NoSelection = -1;

    // Counts from "Fish Number"; a missing key reads as 0. Each is brought within 0 to 50, what one kind
    // can hold, so that a hand-edited file cannot push the total or a Delete out of range.
    void load(const std::array<int, FishKindCount>& counts);
    const std::array<int, FishKindCount>& counts() const { return m_counts; }

    // -1 for none; a click in the rows below the grid leaves 15 to 24, which selects no kind.
    int selection() const { return m_selection; }
    // The selected kind, or -1 when the selection holds no kind.
    int selectedKind() const;

    int total() const;
    // "Total: 37   (Max:50)".
    std::string totalText() const;

    // A left click at (x, y) in picture coordinates. A click below y = 450 or beside the five columns
    // selects nothing; otherwise the cell under it becomes the selection.
    void clickAt(int x, int y);

    // One more fish of the selected kind while the tank has room; false when nothing changed.
    bool add();
    // One fish fewer of the selected kind, never below 0; false when nothing changed.
    bool remove();
    // Every count from 0 to 4, then cut so that the total stays within the tank's 50 fish the way the
    // tank fills its places: kinds in order, the last kinds losing the surplus. Clears the selection.
    void randomise(Random& random);
    // Every count to 0; the selection stays.
    void clear();

    // The letter keys A, D, R and C (upper case); false for any other key.
    bool pressKey(char key, Random& random);

private:
    std::array<int, FishKindCount> m_counts = [] {
        std::array<int, FishKindCount> counts{};
        counts.fill(10);
        return counts;
    }();
    int m_selection = NoSelection;
};

} // namespace quillmere
