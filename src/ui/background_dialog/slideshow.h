#pragma once

#include "audio/play_mode.h"
#include "core/picture_id.h"
#include "core/random.h"
#include "settings/settings_file.h"
#include "ui/tank_link.h"

#include <cstdint>
#include <optional>
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

// One row of the picture list: the file, its picture in the tank, whether the tank has it ready to draw
// and whether its "State" column reads "ON".
struct SlideshowRow {
    std::string path;
    PictureId picture = PictureId::NoPicture;
    bool ready = false;
    bool on = false;
    bool chosen = false; // added with "Add Image" rather than restored at start-up
    std::uint64_t order = 0;
};

// The Custom Background dialog's model: the list of pictures, "Use your own image", the play mode, the
// "Interval" text and the slideshow that picks the picture the frame draws. It reaches the tank only to
// load and release pictures; the dialog binds its controls to it and redraws when revision() moves.
//
// Pictures load away from the frame: a row is in the list from the moment it is added, and the show
// picks pictures in the same order whether or not they are ready (the tank draws a picture once it
// is). A picture that turns out not to load loses its row then, and its message waits until every
// picture added before it has loaded or failed, so messages come in the list's order.
class Slideshow {
public:
    enum class AddResult { Added, ListFull, NotLoaded, LineBreak };

    // Random draws (the Random mode) come from the program's one generator.
    Slideshow(TankLink& tank, Random& random);
    Slideshow(const Slideshow&) = delete;
    Slideshow& operator=(const Slideshow&) = delete;

    // What the tank is told to show: whether the user's picture replaces the built-in backdrop (follows
    // the box on the next timer step), and the picture to draw: NoPicture, or Stale after a row was
    // clicked or removed while the slideshow was off.
    bool ownImageOn() const { return m_ownImageOn; }
    PictureId currentPicture() const { return m_current; }

    const std::vector<SlideshowRow>& rows() const { return m_rows; }
    bool ownImageChecked() const { return m_ownImageChecked; }
    PlayMode mode() const { return m_mode; }
    const std::string& interval() const { return m_interval; }
    bool slideshowOn() const { return m_slideshowOn; }
    std::uint64_t revision() const { return m_revision; }

    // Fills the dialog from "Custom Images" at start-up and resumes the slideshow when "OwnImage" is on.
    // A stored picture that no longer loads gives its message through takeMessages().
    void restore(const ImageListState& stored);
    // The state written back when the dialog is hidden.
    ImageListState stored() const;

    // "Add Image": adds the chosen picture as a new last row. Once its load ends, a picture that did not
    // load loses its row and stops the show, and the show starts when the list then has exactly one row
    // and the box is on. ListFull and LineBreak are refused at once.
    AddResult addChosenPicture(const std::string& path);
    // The message a refused picture gives; empty for Added.
    std::string refusalMessage(AddResult result, const std::string& path) const;
    // The messages now due, in the list's order: each picture that did not load, once every picture
    // added before it has loaded or failed.
    std::vector<std::string> takeMessages();

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

    // One step of the 200 ms timer; it first takes in how the tank's loads ended.
    void onTimer();

    // The picture for row when explicit, else the next one by the mode; Stale when the list is empty or
    // the slideshow is off.
    PictureId chooseImage(int row, bool explicitRow);
    void startSlideshow();
    void stopSlideshow();

private:
    struct PendingMessage {
        std::uint64_t order;
        std::string text;
    };

    AddResult addPicture(const std::string& path, bool chosen);
    void applyOutcomes(const std::vector<PictureOutcome>& outcomes);
    void pictureFailed(std::size_t row, const std::string& error);
    void startIfOnlyRow();
    void settleOverflow();
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    // The row that holds picture, -1 when none does.
    int rowHolding(PictureId picture) const;
    PictureId pictureOf(int row) const { return m_rows[static_cast<std::size_t>(row)].picture; }
    void showOnly(int row);
    // Every change passes through here, so the tank hears of a new picture before the next frame.
    void changed();

    TankLink& m_tank;
    Random& m_random;
    std::vector<SlideshowRow> m_rows;
    std::vector<PendingMessage> m_messages; // by order
    // Stored paths past a full list while some of its pictures still load: a picture that fails frees
    // its place for the next of them, as it would have had the list been loaded whole.
    std::vector<std::string> m_overflow;
    std::uint64_t m_nextOrder = 0;
    PictureId m_current = PictureId::NoPicture;
    PlayMode m_mode = PlayMode::RepeatOne;
    bool m_slideshowOn = false;
    int m_ticks = 0; // timer steps since the last change of picture; -1 right after a start
    bool m_ownImageChecked = false;
    bool m_ownImageOn = false;
    std::string m_interval = "5";
    std::uint64_t m_revision = 0;
    std::optional<PictureId> m_toldTank; // what the tank was last told to show
};

} // namespace quillmere
