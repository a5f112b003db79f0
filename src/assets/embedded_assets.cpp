#include "assets/embedded_assets.h"

#include "assets/asset_extraction.h"

namespace quillmere {

int ExtractAsset(int id, const std::string& folder, const std::string& name) {
    return extractAssetFrom(embeddedAssetTable(), id, folder, name);
}

std::optional<std::vector<std::uint8_t>> EmbeddedAssetBytes(int id) {
    return unscrambledAssetFrom(embeddedAssetTable(), id);
}

} // namespace quillmere
