#include "assets/asset_folder.h"

#include "settings/settings_folder.h"

namespace quillmere {

std::string AssetFolder() {
    const auto folder = settingsFolder();
    return folder ? folder->string() + "/" : std::string();
}

} // namespace quillmere
