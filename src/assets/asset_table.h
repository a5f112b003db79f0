#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace quillmere {

// An embedded resource: its id and its stored (scrambled) bytes.
struct AssetResource {
    int id;
    std::span<const std::uint8_t> bytes;
};

using AssetTable = std::span<const AssetResource>;

// The stored bytes of the resource with this id, or nothing when the table has none.
std::optional<std::span<const std::uint8_t>> findAsset(AssetTable table, int id);

} // namespace quillmere
