#pragma once

#include "settings/aquarium_settings.h"

#include <string_view>

namespace quillmere {

inline constexpr std::string_view AquariumSection = "Aquarium Settings"; // its keys: AquariumKeys
inline constexpr std::string_view FishSection = "Fish Number";
inline constexpr std::string_view ImagesSection = "Custom Images";
inline constexpr std::string_view MusicSection = "Custom Settings";
inline constexpr std::string_view DisplaySection = "Display"; // ours: read only, never written
inline constexpr std::string_view SettingsFileName = "QuillmereSet.ini";

} // namespace quillmere
