// quillmere-asset-pack OUTPUT_FOLDER: makes the built-in pictures and tune, packs them and writes
// the data file and the source that compiles it into the program.
// quillmere-asset-pack --usable FOLDER: writes the same assets unpacked, under the names the
// program extracts them to (BackGround0.bmp, fish0.bmp ..., Music.wav), for looking at them.
#include "backdrop.h"
#include "bmp_writer.h"
#include "bubble_sprite.h"
#include "fish_skins.h"
#include "pack.h"
#include "tune.h"
#include "wav_writer.h"

#include "assets/asset_catalogue.h"
#include "assets/asset_extraction.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillmere::assetgen {
namespace {

// Every stored file ends with one spare byte after its pixels or samples, which the catalogue's
// (odd) sizes count.
constexpr std::size_t SpareBytes = 1;

std::vector<std::uint8_t> makeUsableFile(int id) {
    if (id == BackdropAssetId)
        return encodeBmp(makeBackdrop(), SpareBytes);
    if (id == BubbleSpriteAssetId)
        return encodeBmp(makeBubbleSprite(), SpareBytes);
    if (id == MusicAssetId)
        return encodeWav(makeTune(), TuneSampleRate, SpareBytes);
    const int kind = id - FishSkinAssetBaseId;
    if (kind < 0 || kind >= FishSkinCount)
        throw std::runtime_error("no generator for asset " + std::to_string(id));
    return encodeBmp(makeFishSkin(kind), SpareBytes);
}

void writeUsableFiles(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const CatalogueEntry& entry : BuiltInAssets) {
        const std::vector<std::uint8_t> bytes = makeUsableFile(entry.id);
        const std::filesystem::path path = folder / usableAssetFileName(std::string(entry.name));
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace
} // namespace quillmere::assetgen

int main(int argc, char** argv) {
    using namespace quillmere;
    using namespace quillmere::assetgen;
    const bool usable = argc == 3 && std::string(argv[1]) == "--usable";
    if (argc != 2 && !usable) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n       %s --usable FOLDER\n", argv[0], argv[0]);
        return 2;
    }
    try {
        if (usable) {
            writeUsableFiles(argv[2]);
            return 0;
        }
        std::vector<PackedAsset> packed;
        for (const CatalogueEntry& entry : BuiltInAssets)
            packed.push_back(packAsset(entry, makeUsableFile(entry.id)));
        writePackedAssets(argv[1], packed);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quillmere-asset-pack: %s\n", error.what());
        return 1;
    }
    return 0;
}
