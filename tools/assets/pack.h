#pragma once

#include "assets/asset_catalogue.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quillmere::assetgen {

constexpr const char* PackedDataFile = "embedded_assets.bin";
constexpr const char* PackedSourceFile = "embedded_asset_data.cpp";

struct PackedAsset {
    int id;
    std::vector<std::uint8_t> stored;
};

// The stored form of a usable file: the file scrambled. Throws std::runtime_error when its size
// differs from the catalogue's.
PackedAsset packAsset(const CatalogueEntry& entry, std::vector<std::uint8_t> file);

// Writes all stored bytes, back to back, into folder/PackedDataFile, and folder/PackedSourceFile,
// which compiles them in with .incbin and defines embeddedAssetTable() over them. Throws
// std::runtime_error when a file cannot be written.
void writePackedAssets(const std::filesystem::path& folder, std::span<const PackedAsset> assets);

} // namespace quillmere::assetgen
