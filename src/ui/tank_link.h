#pragma once

#include "core/picture_id.h"
#include "settings/aquarium_settings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// How a requested picture ended: loaded and ready to draw, or not loadable, with the message to show.
struct PictureOutcome {
    PictureId id = PictureId::NoPicture;
    bool loaded = false;
    std::string error;
};

// What a dialog may ask of the running tank. The view implements it, so that no dialog touches
// OpenGL or the scene's insides.
class TankLink {
public:
    // The camera sliders' live positions, which the automatic sweep keeps moving.
    virtual CameraValues liveCamera() const = 0;
    virtual void setLiveCamera(const CameraValues& values) = 0;

    // Sets the built-in tune's level at once from a "YINLIANG" value (0 loud to 65535 silent).
    virtual void setTuneVolume(int yinliang) = 0;

    // The light-colour cycle's running phase, which the settings dialog saves as "LOCKFORE ROT".
    virtual float tintPhase() const = 0;
    // Starts the light-colour cycle from a stored phase when it has not run yet. A cycle already
    // running keeps its place, so opening the settings dialog never changes the backdrop's colour.
    virtual void resumeTintPhase(float phase) = 0;

    // The settings and fish dialogs change the tank only through these, and save the same change
    // through SettingsFile, which only writes the file.
    // Every key of "Aquarium Settings" as the settings dialog holds them (takeDialogSettings).
    virtual void applySettings(const AquariumSettings& values) = 0;
    // The fish dialog's per-kind counts (takeFishCounts).
    virtual void applyFishCounts(const std::array<int, FishKindCount>& counts) = 0;

    // Starts loading a picture the user chose, away from the frame's thread; the id comes back at once
    // and takePictureOutcomes() later says how the load ended. A released picture gives its texture
    // back at once, or is never uploaded when it was still loading.
    virtual PictureId requestPicture(const std::string& path) = 0;
    virtual void releasePicture(PictureId picture) = 0;
    // The loads that ended since the last call, in the order they ended.
    virtual std::vector<PictureOutcome> takePictureOutcomes() = 0;

    // The Custom Background slideshow's choice, told each time it changes: no value while the user's
    // pictures are off, so the built-in backdrop shows; else the picture to draw, where NoPicture leaves
    // the tinted panel bare and Stale shows the built-in backdrop.
    virtual void showPicture(std::optional<PictureId> picture) = 0;
    // The Custom Music "On/Off" as the player's timer reads it: while on, the built-in tune stays silent.
    virtual void setOwnMusicOn(bool on) = 0;

    // The tank has drawn its first frame, so a message box opened now shows over a running tank.
    virtual bool tankRunning() const = 0;

protected:
    ~TankLink() = default;
};

} // namespace quillmere
