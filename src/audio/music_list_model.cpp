#include "audio/music_list_model.h"

namespace quillmere {

bool MusicListModel::isSelected(int row) const {
    return validRow(row) && m_rows[static_cast<std::size_t>(row)].selected;
}

int MusicListModel::firstSelected() const {
    for (int row = 0; row < rowCount(); ++row) {
        if (m_rows[static_cast<std::size_t>(row)].selected)
            return row;
    }
    return -1;
}

std::vector<std::string> MusicListModel::paths() const {
    std::vector<std::string> result;
    result.reserve(m_rows.size());
    for (const Row& row : m_rows)
        result.push_back(row.path);
    return result;
}

void MusicListModel::appendRow(std::string path) {
    m_rows.push_back(Row{std::move(path), false});
}

void MusicListModel::removeRow(int row) {
    if (!validRow(row))
        return;
    m_rows.erase(m_rows.begin() + row);
    ++m_layoutRevision;
    ++m_selectionRevision;
}

void MusicListModel::clear() {
    m_rows.clear();
    ++m_layoutRevision;
    ++m_selectionRevision;
}

void MusicListModel::setSelected(int row, bool selected) {
    if (!validRow(row) || m_rows[static_cast<std::size_t>(row)].selected == selected)
        return;
    m_rows[static_cast<std::size_t>(row)].selected = selected;
    ++m_selectionRevision;
}

void MusicListModel::deselectAll() {
    for (Row& row : m_rows) {
        if (row.selected) {
            row.selected = false;
            ++m_selectionRevision;
        }
    }
}

} // namespace quillmere
