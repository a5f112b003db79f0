#include "assets/embedded_assets.h"

#include "assets/asset_extraction.h"

namespace quillmere {

int ExtractAsset(int id, const std::string& folder, const std::string& name) {
    return extractAssetFrom(embeddedAssetTable(), id, folder, name);
}

} // namespace quillmere
