#include "assets/asset_table.h"

namespace quillmere {

std::optional<std::span<const std::uint8_t>> findAsset(AssetTable table, int id) {
    for (const AssetResource& resource : table)
        if (resource.id == id)
            return resource.bytes;
    return std::nullopt;
}

} // namespace quillmere
