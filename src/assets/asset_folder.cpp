#include "assets/asset_folder.h"

#include "settings/settings_folder.h"

namespace quillmere {

std::string AssetFolder() {
    return settingsFolder().string() + "/";
}

} // namespace quillmere
