#include "render/scene_textures.h"

#include "assets/asset_extraction.h"
#include "assets/embedded_assets.h"
#include "assets/masked_texture.h"
#include "assets/scaled_texture.h"
#include "render/backdrop_drawing.h"

#include <filesystem>
#include <system_error>

namespace quillmere {

namespace {

using PathLoader = LoadedTexture (*)(const std::string& path);
using MemoryLoader = LoadedTexture (*)(std::span<const std::uint8_t> file);

struct Loader {
    PathLoader fromFile;
    MemoryLoader fromMemory;
};

constexpr Loader Masked{LoadMaskedTexture, LoadMaskedTextureFromMemory};
constexpr Loader Scaled{LoadScaledTexture, LoadScaledTextureFromMemory};

// From a folder: extracts resource id as folder + name, hands the usable file to the loader, then
// deletes both files whether or not the picture could be read. From memory: the same bytes, unscrambled
// where they lie.
Texture loadBuiltIn(int id, const PictureSource& source, const std::string& name, Loader loader) {
    if (!source) {
        const auto bytes = EmbeddedAssetBytes(id);
        return loader
            .fromMemory(bytes ? std::span<const std::uint8_t>(*bytes) : std::span<const std::uint8_t>())
            .texture;
    }
    const std::string& folder = *source;
    ExtractAsset(id, folder, name);
    const std::string usable = folder + usableAssetFileName(name);
    LoadedTexture loaded = loader.fromFile(usable);
    std::error_code ignored;
    std::filesystem::remove(folder + name + ".ad", ignored);
    std::filesystem::remove(usable, ignored);
    return std::move(loaded.texture);
}

} // namespace

void loadBackdropAndFishSkins(SceneTextures& textures, const PictureSource& source) {
    textures.backdrop = loadBuiltIn(BackdropAssetId, source, "BackGround0", Masked);
    textures.backdropCells = readBackdropCells(textures.backdrop.name());
    for (int kind = 0; kind < FishSkinCount; ++kind)
        textures.fishSkins[kind] =
            loadBuiltIn(fishSkinAssetId(kind), source, "fish" + std::to_string(kind), Scaled);
}

void loadBubbleSprite(SceneTextures& textures, const PictureSource& source) {
    textures.bubbleSprite = loadBuiltIn(BubbleSpriteAssetId, source, "Particle1", Scaled);
}

} // namespace quillmere
