#pragma once

#include <filesystem>

namespace quillmere {

// The application profile's "Settings"/"Volume": the custom music player's starting volume,
// 0 to 1000, 1000 when nothing has stored one. The profile is a wxConfig file in the settings folder.
int readProfileVolume(const std::filesystem::path& folder);

} // namespace quillmere
