#pragma once

#include "audio/play_mode.h"
#include "core/random.h"
#include "settings/settings_file.h"
#include "ui/tank_link.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillmere {

// Most pictures the Custom Background list holds.
constexpr int MaxBackgroundPictures = 10;

// The file chooser's filter: the three formats as they have always been offered, with ".jpeg" and
// upper-case names as cameras write them.
inline constexpr const char* PictureFileWildcard =
    "(*.jpg;*.bmp;*.png)|*.jpg;*.jpeg;*.bmp;*.png;*.JPG;*.JPEG;*.BMP;*.PNG";

// Period of the slideshow's timer, in milliseconds.
constexpr int SlideshowTickMs = 200;

// One row of the picture list: the file, its texture in the tank's context and whether its "State"
// column reads "ON".
struct SlideshowRow {
    std::string path;
    unsigned int texture = 0;
    bool on = false;
};

// The Custom Background dialog's model: the list of pictures, "Use your own image", the play mode, the
// "Interval" text and the slideshow that picks the picture the frame draws. It reaches the tank only to
// load and release textures; the dialog binds its controls to it and redraws when revision() moves.
class Slideshow {
public:
    enum class AddResult { Added, ListFull, NotLoaded, LineBreak };

    // Random draws (the Random mode) come from the program's one generator.
    Slideshow(TankLink& tank, Random& random);
    Slideshow(const Slideshow&) = delete;
    Slideshow& operator=(const Slideshow&) = delete;

    // What the frame reads: whether the user's picture replaces the built-in backdrop (follows the box
    // on the next timer step), and the texture to draw: 0 for none, -1 after a row was clicked or
    // removed while the slideshow was off.
    bool ownImageOn() const { return m_ownImageOn; }
    int currentTexture() const { return m_currentTexture; }

    const std::vector<SlideshowRow>& rows() const { return m_rows; }
    bool ownImageChecked() const { return m_ownImageChecked; }
    PlayMode mode() const { return m_mode; }
    const std::string& interval() const { return m_interval; }
    bool slideshowOn() const { return m_slideshowOn; }
    std::uint64_t revision() const { return m_revision; }

    // Fills the dialog from "Custom Images" at start-up and resumes the slideshow when "OwnImage" is on.
    // Returns the message of each stored picture that no longer loads.
    std::vector<std::string> restore(const ImageListState& stored);
    // The state written back when the dialog is hidden.
    ImageListState stored() const;

    // Adds one picture as a new last row. A picture that does not load stops the slideshow.
    AddResult addPicture(const std::string& path);
    // "Add Image": adds the chosen picture, and starts the show when it is the first and the box is on.
    AddResult addChosenPicture(const std::string& path);
    // The message a refused picture gives; empty for Added.
    std::string refusalMessage(AddResult result, const std::string& path) const;

    // "Remove Image" with the first selected row, -1 when none; the show moves to row 0.
    void removeSelected(int selectedRow);
    // "Remove All".
    void removeAll();
    // A click on a list row while it is selected: that picture shows at once.
    void clickRow(int row);
    // "Use your own image" clicked.
    void setOwnImage(bool checked);
    // A mode box clicked.
    void setMode(PlayMode mode);
    // The "Interval" box's text, as typed; read again on every timer step.
    void setInterval(std::string text);

    // One step of the 200 ms timer.
    void onTimer();

    // The texture for row when explicit, else the next one by the mode; -1 when the list is empty or
    // the slideshow is off.
    int chooseImage(int row, bool explicitRow);
    void startSlideshow();
    void stopSlideshow();

private:
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The row whose texture is texture, -1 when none holds it.
    int rowHolding(int texture) const;
    int textureOf(int row) const { return static_cast<int>(m_rows[static_cast<std::size_t>(row)].texture); }
    void showOnly(int row);
    void changed() { ++m_revision; }

    TankLink& m_tank;
    Random& m_random;
    std::vector<SlideshowRow> m_rows;
    int m_currentTexture = 0;
    PlayMode m_mode = PlayMode::RepeatOne;
    bool m_slideshowOn = false;
    int m_ticks = 0; // timer steps since the last change of picture; -1 right after a start
    bool m_ownImageChecked = false;
    bool m_ownImageOn = false;
    std::string m_interval = "5";
    std::uint64_t m_revision = 0;
};

} // namespace quillmere
