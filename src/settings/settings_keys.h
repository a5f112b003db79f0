#pragma once

#include "settings/aquarium_settings.h"

#include <array>
#include <string_view>

namespace quillmere {

inline constexpr std::string_view AquariumSection = "Aquarium Settings";
inline constexpr std::string_view FishSection = "Fish Number";
inline constexpr std::string_view ImagesSection = "Custom Images";
inline constexpr std::string_view MusicSection = "Custom Settings";
inline constexpr std::string_view DisplaySection = "Display"; // ours: read only, never written
inline constexpr std::string_view SettingsFileName = "QuillmereSet.ini";

// What the start-up load does with a key of "Aquarium Settings".
enum class StartupRule {
    Forced,     // the value read is discarded; the field takes `forced` and it is written
    Default,    // the integer read; when missing the default is stored and written
    Phase,      // the integer part of the text as a float; when missing 0 is stored and written
    ReadForced, // read as Default (missing writes the default), then `forced` is stored and written
    Volume,     // the integer read; when missing "32767.5" is written and 32767 stored
    Ranged,     // accepted only within min..max, otherwise the default is stored and written
    CameraView, // as Default, and the live camera value starts from it
};

enum class ValueFormat { Flag, Integer, Colour, Phase };

struct AquariumKey {
    std::string_view name;
    ValueFormat format;
    StartupRule rule;
    int defaultValue;
    int forced = 0;
    int min = 0;
    int max = 0;
};

constexpr int AquariumKeyCount = 27;

// The keys of "Aquarium Settings" in file order; load, save and the tests all read this table.
inline constexpr std::array<AquariumKey, AquariumKeyCount> AquariumKeys{{
    {"Show Water", ValueFormat::Flag, StartupRule::Forced, 1, 0},
    {"Show Light", ValueFormat::Flag, StartupRule::Forced, 1, 0},
    {"Show Terra", ValueFormat::Flag, StartupRule::Forced, 1, 1},
    {"FRONT GUDING", ValueFormat::Flag, StartupRule::Default, 1},
    {"FRONTCOLOR", ValueFormat::Colour, StartupRule::Default, 16777215},
    {"FRONT MANJIANBIAN", ValueFormat::Flag, StartupRule::Default, 0},
    {"FRONT COLOR1", ValueFormat::Colour, StartupRule::Default, 16777215},
    {"FRONT COLOR2", ValueFormat::Colour, StartupRule::Default, 16777215},
    {"FRONT AUTOJIANBIAN", ValueFormat::Flag, StartupRule::Default, 0},
    {"CHECK LOCKFORE", ValueFormat::Flag, StartupRule::Default, 0},
    {"LOCKFORE ROT", ValueFormat::Phase, StartupRule::Phase, 0},
    {"BACK GUDING", ValueFormat::Flag, StartupRule::ReadForced, 0, 1},
    {"BACKCOLOR", ValueFormat::Colour, StartupRule::ReadForced, 0, 0},
    {"BACK MANJIANBIAN", ValueFormat::Flag, StartupRule::Default, 0},
    {"BACK COLOR1", ValueFormat::Colour, StartupRule::Default, 65280},
    {"BACK COLOR2", ValueFormat::Colour, StartupRule::Default, 0},
    {"BACK AUTOJIANBIAN", ValueFormat::Flag, StartupRule::ReadForced, 1, 0},
    {"CHECK LOCKBACK", ValueFormat::Flag, StartupRule::Default, 0},
    {"LOCKBACK ROT", ValueFormat::Phase, StartupRule::Phase, 0},
    {"YINLIANG", ValueFormat::Integer, StartupRule::Volume, 32767},
    {"QIPAONUM", ValueFormat::Integer, StartupRule::Default, 100},
    {"BACKGROUND", ValueFormat::Integer, StartupRule::Default, 0},
    {"FOGNONGDU", ValueFormat::Integer, StartupRule::Ranged, 25, 0, 0, 25},
    {"LIGHTQIANGDU", ValueFormat::Integer, StartupRule::Ranged, 0, 0, 0, 100},
    {"CHECK VIEWS", ValueFormat::Flag, StartupRule::Default, 1},
    {"VIEWSLEFTRIGHT", ValueFormat::Integer, StartupRule::CameraView, 0},
    {"VIEWSNEARFAR", ValueFormat::Integer, StartupRule::CameraView, 0},
}};

// The text written for a missing "YINLIANG".
inline constexpr std::string_view DefaultVolumeText = "32767.5";

// The integer field of the record that holds key `index` of AquariumKeys; nullptr for the two phases.
int* integerField(AquariumSettings& settings, int index);
float* phaseField(AquariumSettings& settings, int index);

} // namespace quillmere
