#pragma once

#include "assets/asset_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The assets compiled into the program by the build: ids and stored (scrambled) bytes.
AssetTable embeddedAssetTable();

// Extracts embedded resource id into folder + name + ".ad" and its usable file (name + ".bmp", or
// "Music.wav" for the name "Music"). Returns 1 when the resource exists, 0 otherwise (nothing is
// written then). The caller deletes both files once it has loaded the usable one.
int ExtractAsset(int id, const std::string& folder, const std::string& name);

// The usable bytes of embedded resource id, unscrambled in memory; nothing when it does not exist.
std::optional<std::vector<std::uint8_t>> EmbeddedAssetBytes(int id);

} // namespace quillmere
