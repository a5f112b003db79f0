#include "ui/controls/play_mode_boxes.h"

#include "ui/controls/skin_check_box.h"

#include <utility>
#include <wx/sizer.h>

namespace quillmere {

namespace {

struct ModeBox {
    int id;
    const char* label;
};

// By PlayMode; the ids are the same in both dialogs.
constexpr std::array<ModeBox, 3> ModeBoxes{{{1023, "Repeat One"}, {1024, "Repeat All"}, {1025, "Random "}}};

constexpr ColorRef ModeChecked = 0x00FF00;
constexpr ColorRef ModeUnchecked = 0x000000;

} // namespace

PlayModeBoxes::PlayModeBoxes(wxWindow* parent, std::function<void(PlayMode)> onMode) {
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i] = new SkinCheckBox(parent, ModeBoxes[i].id, ModeBoxes[i].label);
        m_boxes[i]->setColours(ModeChecked, ModeUnchecked);
        const auto mode = static_cast<PlayMode>(i);
        m_boxes[i]->Bind(wxEVT_CHECKBOX, [onMode, mode](wxCommandEvent&) { onMode(mode); });
    }
}

void PlayModeBoxes::addTo(wxSizer& sizer, const wxSizerFlags& flags) const {
    for (SkinCheckBox* box : m_boxes)
        sizer.Add(box, flags);
}

void PlayModeBoxes::show(PlayMode mode) {
    for (std::size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setCheck(static_cast<std::size_t>(mode) == i);
}

} // namespace quillmere
