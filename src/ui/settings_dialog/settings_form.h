#pragma once

#include "settings/aquarium_settings.h"
#include "settings/profile_file.h"
#include "ui/tank_link.h"

#include <array>
#include <optional>
#include <string>

namespace quillmere {

class SettingsFile;

// The vertical sliders have their minimum at the top, so the top means full volume, the most bubbles,
// the densest fog and full light. Every slider spans its key's range in AquariumKeys.

// The light-colour modes ("Color of light") and their backdrop twin, which is stored but never shown.
enum class ColourGroup { Light, Backdrop };
enum class ColourMode { Fixed, Gradual, AutoGradual };

// The six colour buttons; only Front is shown.
enum class ColourSlot { Front, Front1, Front2, Back, Back1, Back2 };

// The check boxes that simply toggle; only LockFront is shown.
enum class FormFlag { ShowWater, ShowLight, ShowTerra, LockFront, LockBack };

// Which of the four backdrop previews show, for backdrop 0 to 3.
using PreviewsShown = std::array<bool, 4>;

struct VerticalSliders {
    int volume;  // "Sound"
    int bubbles; // "Bubble Count"
    int fog;
    int light;
};

// The Aquarium Settings dialog without its window: one value per key of "Aquarium Settings", the rules
// that tie them together, and what reaches the running tank and the settings file. The dialog only
// mirrors these values in its controls.
class SettingsForm {
public:
    SettingsForm(TankLink& tank, SettingsFile& file);

    // Reads the section into the form. Flags count as set only when exactly 1; a mode key of 1 selects
    // its mode, later keys winning, and a group with none keeps "Auto Gradually Color"; slider values
    // are brought into their sliders' ranges, so that what is saved is what the sliders show.
    void open();

    // The 100 ms timer: takes the "Auto change views of the tank" box, saves every key and hands them
    // to the tank, and returns the camera's live positions for the view sliders while the views change
    // by themselves. The save replaces the file only when its text changed and does not wait for the
    // disk.
    std::optional<CameraValues> tick(bool autoViewsChecked);

    // The dialog closes, however it is closed: a last save with the "Auto change views of the tank" box
    // as it shows now, and what the timer's saves wrote reaches the disk. Nothing is undone.
    void close(bool autoViewsChecked);

    // Any vertical slider moved: all four are read, and the tune takes the new level at once.
    void verticalSlidersMoved(const VerticalSliders& positions);
    // A view slider moved: both are read; with the views fixed the camera jumps there at once.
    void viewSlidersMoved(const CameraValues& positions);

    // A mode button was clicked: it is checked and the other two of its group are not.
    void selectMode(ColourGroup group, ColourMode mode);
    // A colour was chosen; the Front and Back colours select their group's fixed mode, Back1 and Back2
    // the backdrop's gradual mode.
    void chooseColour(ColourSlot slot, ColorRef colour);
    void setFlag(FormFlag flag, bool set);

    ColourMode mode(ColourGroup group) const;
    ColorRef colour(ColourSlot slot) const;
    bool flag(FormFlag flag) const;
    bool autoViews() const { return m_values.autoViews != 0; }
    VerticalSliders verticalSliders() const;
    CameraValues viewSliders() const { return {m_values.viewLeftRight, m_values.viewNearFar}; }
    int background() const { return m_values.background; }

    // The backdrop preview to show (0 to 3); none for a backdrop value outside that range.
    std::optional<int> previewIndex() const;
    // The previews once the backdrop value is shown: the current one alone, or for a value outside 0 to 3
    // the previews as they were.
    PreviewsShown shownPreviews(const PreviewsShown& before) const;

private:
    // Writes all 27 keys, then the tank takes them.
    void save(SaveDurability durability);

    TankLink& m_tank;
    SettingsFile& m_file;
    AquariumSettings m_values; // the phases are taken at each save: the tank's cycle and m_backPhase
    float m_backPhase = 0.0f;  // "LOCKBACK ROT": nothing advances it, so it is kept as read
};

} // namespace quillmere
