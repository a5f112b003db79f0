#pragma once

#include "assets/asset_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// The file the unscrambling pass writes for an asset named name: name + ".wav" when name is
// exactly "Music", otherwise name + ".bmp".
std::string usableAssetFileName(const std::string& name);

// Writes the stored bytes of resource id to folder + name + ".ad" (replacing any older file) and
// unscrambles it into the usable file. Returns 1 when the table holds the id, 0 (and writes
// nothing) when it does not. Both files are left for the caller to delete once loaded.
int extractAssetFrom(AssetTable table, int id, const std::string& folder, const std::string& name);

// The usable bytes of resource id, unscrambled in memory: the file extraction would make, without
// writing anything. Nothing when the table has no such id.
std::optional<std::vector<std::uint8_t>> unscrambledAssetFrom(AssetTable table, int id);

// Unscrambles folder + name + ".ad" into the usable file. When the ".ad" file cannot be opened it
// prints "cannot open infile" on standard output and ends the process with exit code 1; when the
// usable file cannot be created, " cannot open outfile" and exit code 1. A write that fails part-way
// removes the usable file and is reported on standard error, so no short file reaches a loader.
void UnscrambleAsset(const std::string& folder, const std::string& name);

} // namespace quillmere
