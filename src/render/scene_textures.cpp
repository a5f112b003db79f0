#include "render/scene_textures.h"

#include "assets/asset_extraction.h"
#include "assets/embedded_assets.h"
#include "assets/masked_texture.h"
#include "assets/scaled_texture.h"

#include <filesystem>
#include <system_error>

namespace quillmere {

namespace {

// Extracts resource id as folder + name, hands the usable file to load, then deletes both files
// whether or not the picture could be read.
template <typename Loader>
Texture loadExtracted(int id, const std::string& folder, const std::string& name, Loader load) {
    ExtractAsset(id, folder, name);
    const std::string usable = folder + usableAssetFileName(name);
    LoadedTexture loaded = load(usable);
    std::error_code ignored;
    std::filesystem::remove(folder + name + ".ad", ignored);
    std::filesystem::remove(usable, ignored);
    return std::move(loaded.texture);
}

} // namespace

void LoadBackdropAndFishSkins(SceneTextures& textures, const std::string& folder) {
    textures.backdrop = loadExtracted(BackdropAssetId, folder, "BackGround0", LoadMaskedTexture);
    for (int kind = 0; kind < FishSkinCount; ++kind) {
        textures.fishSkins[kind] =
            loadExtracted(fishSkinAssetId(kind), folder, "fish" + std::to_string(kind), LoadScaledTexture);
    }
}

void LoadBubbleSprite(SceneTextures& textures, const std::string& folder) {
    textures.bubbleSprite = loadExtracted(BubbleSpriteAssetId, folder, "Particle1", LoadScaledTexture);
}

} // namespace quillmere
