#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillmere {

// What the Custom Music dialog shows: the rows of file paths with their selection, the row drawn
// in the playing colour and whether the four editing/starting buttons ("Add Music", "Remove",
// "Remove All", "Play") are enabled. The player changes it; the dialog draws it.
class MusicListModel {
public:
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    bool empty() const { return m_rows.empty(); }
    // The path in column 0 of row; row must be in 0..rowCount() - 1.
    const std::string& path(int row) const { return m_rows.at(static_cast<std::size_t>(row)).path; }
    bool isSelected(int row) const;
    // The first selected row, -1 when none is.
    int firstSelected() const;
    std::vector<std::string> paths() const;

    // The row whose index is the playing track, -1 for none; refreshed when playback starts or stops.
    int highlightRow() const { return m_highlightRow; }
    bool buttonsEnabled() const { return m_buttonsEnabled; }
    // Moves when a row is removed or the list emptied, not when one is appended: a list shown at this
    // revision needs only the rows past the ones it shows.
    std::uint64_t layoutRevision() const { return m_layoutRevision; }
    // Moves whenever a row's selection changes.
    std::uint64_t selectionRevision() const { return m_selectionRevision; }

    void appendRow(std::string path);
    // Out-of-range rows are ignored.
    void removeRow(int row);
    void clear();
    void setSelected(int row, bool selected);
    void deselectAll();
    void setHighlightRow(int row) { m_highlightRow = row; }
    void setButtonsEnabled(bool enabled) { m_buttonsEnabled = enabled; }

private:
    struct Row {
        std::string path;
        bool selected = false;
    };

    bool validRow(int row) const { return row >= 0 && row < rowCount(); }

    std::vector<Row> m_rows;
    std::uint64_t m_layoutRevision = 0;
    std::uint64_t m_selectionRevision = 0;
    int m_highlightRow = -1;
    bool m_buttonsEnabled = true;
};

} // namespace quillmere
