#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quillmere {

// One asset compiled into the program: its resource id, the base name it is extracted under and
// the number of bytes stored.
struct CatalogueEntry {
    int id;
    std::string_view name;
    std::size_t storedSize;
};

constexpr int BackdropAssetId = 154;
constexpr int BubbleSpriteAssetId = 166;
constexpr int MusicAssetId = 227;
constexpr int FishSkinAssetBaseId = 10000;
constexpr int FishSkinCount = 15;

constexpr int fishSkinAssetId(int kind) {
    return FishSkinAssetBaseId + kind;
}

// Every asset the build embeds. The generator must produce exactly these sizes; the callers
// extract by id and name.
inline constexpr std::array<CatalogueEntry, 18> BuiltInAssets = {{
    {BackdropAssetId, "BackGround0", 2'359'351},
    {BubbleSpriteAssetId, "Particle1", 3'127},
    {MusicAssetId, "Music", 194'521},
    {fishSkinAssetId(0), "fish0", 24'631},
    {fishSkinAssetId(1), "fish1", 24'631},
    {fishSkinAssetId(2), "fish2", 24'631},
    {fishSkinAssetId(3), "fish3", 24'631},
    {fishSkinAssetId(4), "fish4", 24'631},
    {fishSkinAssetId(5), "fish5", 24'631},
    {fishSkinAssetId(6), "fish6", 24'631},
    {fishSkinAssetId(7), "fish7", 24'631},
    {fishSkinAssetId(8), "fish8", 24'631},
    {fishSkinAssetId(9), "fish9", 24'631},
    {fishSkinAssetId(10), "fish10", 24'631},
    {fishSkinAssetId(11), "fish11", 24'631},
    {fishSkinAssetId(12), "fish12", 24'631},
    {fishSkinAssetId(13), "fish13", 24'631},
    {fishSkinAssetId(14), "fish14", 24'631},
}};

} // namespace quillmere
