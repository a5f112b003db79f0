#pragma once

#include "settings/aquarium_settings.h"

#include <string>

namespace quillmere {

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

    // Loads a picture the user chose as a texture of the tank's context: its GL name, or 0 when the
    // picture cannot be decoded. Released pictures give their texture back at once.
    virtual unsigned int loadPicture(const std::string& path) = 0;
    virtual void releasePicture(unsigned int texture) = 0;

protected:
    ~TankLink() = default;
};

} // namespace quillmere
