#include "ui/fish_dialog/fish_counts.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace quillmere {

void FishCounts::load(const std::array<int, FishKindCount>& counts) {
    for (int kind = 0; kind < FishKindCount; ++kind)
        m_counts[kind] = std::clamp(counts[kind], 0, MaxFishPerKind);
}

int FishCounts::selectedKind() const {
    return m_selection >= 0 && m_selection < FishKindCount ? m_selection : NoSelection;
}

int FishCounts::total() const {
    // Summed wider than the counts: the sum of 15 ints can overflow one even where each count cannot.
    return static_cast<int>(std::accumulate(m_counts.begin(), m_counts.end(), std::int64_t{0}));
}

std::string FishCounts::totalText() const {
    return "Total: " + std::to_string(total()) + "   (Max:50)";
}

void FishCounts::clickAt(int x, int y) {
    // Right of the grid the column arithmetic would wrap into the next row's kinds.
    if (y > FishClearBelowY || x < 0 || y < 0 || x >= FishCellWidth * FishGridColumns) {
        m_selection = NoSelection;
        return;
    }
    const int index = x / FishCellWidth + (y / FishCellHeight) * FishGridColumns;
    if (index >= 0 && index < 25)
        m_selection = index;
}

bool FishCounts::add() {
    const int kind = selectedKind();
    if (kind == NoSelection || total() >= MaxFishTotal || m_counts[kind] >= MaxFishPerKind)
        return false;
    ++m_counts[kind];
    return true;
}

bool FishCounts::remove() {
    const int kind = selectedKind();
    if (kind == NoSelection || m_counts[kind] <= 0)
        return false;
    --m_counts[kind];
    return true;
}

void FishCounts::randomise(Random& random) {
    // Always 15 draws, so the generator's later values do not depend on the counts drawn.
    std::array<int, FishKindCount> drawn{};
    for (int& count : drawn)
        count = random.next() % 5;
    m_counts = limitPopulation(drawn);
    m_selection = NoSelection;
}

void FishCounts::clear() {
    m_counts.fill(0);
}

bool FishCounts::pressKey(char key, Random& random) {
    switch (key) {
    case 'A':
        add();
        return true;
    case 'D':
        remove();
        return true;
    case 'R':
        randomise(random);
        return true;
    case 'C':
        clear();
        return true;
    default:
        return false;
    }
}

} // namespace quillmere
