#pragma once

#include "audio/play_mode.h"

#include <array>
#include <functional>

class wxSizer;
class wxSizerFlags;
class wxWindow;

namespace quillmere {

class SkinCheckBox;

// "Repeat One", "Repeat All" and "Random ", the round-indicator boxes both modeless dialogs choose a play
// mode with: green when checked, black when not. The dialog shows its model's mode after each click, so
// the box clicked always ends checked and the other two unchecked, whichever state the click left it in.
class PlayModeBoxes {
public:
    // The boxes are children of parent; onMode hears the mode of each box clicked.
    PlayModeBoxes(wxWindow* parent, std::function<void(PlayMode)> onMode);

    // Adds the three boxes to sizer in the order above, each with flags.
    void addTo(wxSizer& sizer, const wxSizerFlags& flags) const;

    // Checks the box of mode and unchecks the other two.
    void show(PlayMode mode);

private:
    std::array<SkinCheckBox*, 3> m_boxes{}; // by PlayMode; children of the parent window
};

} // namespace quillmere
