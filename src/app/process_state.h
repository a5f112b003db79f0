#pragma once

#include "audio/music_flags.h"
#include "core/random.h"
#include "settings/aquarium_settings.h"

#include <string>

namespace quillmere {

class AudioDevice;
class BuiltInTune;
class SettingsFile;

// The state the whole process shares, owned once by the application and reached by reference: the one
// generator, the settings record, the camera's live slider values and the music flags.
struct ProcessState {
    Random random;
    AquariumSettings settings;
    CameraValues camera;
    MusicFlags musicFlags;
};

// What the view reaches besides the shared state: the settings file, which reports a failed save only
// once a run, the built-in tune, the sound output the user's music plays on, the folder the embedded
// pictures are extracted into, and the music player's starting volume.
struct ProcessServices {
    SettingsFile& settingsFile;
    BuiltInTune& builtInTune;
    const AudioDevice& audio;
    std::string assetFolder; // ends with "/"; empty when there is no folder for them
    int musicVolume;         // the profile's "Settings"/"Volume", 0 to 1000
};

} // namespace quillmere
