#include "assets/asset_catalogue.h"
#include "assets/asset_extraction.h"
#include "assets/embedded_assets.h"

#include "assets/asset_test_support.h"

#include <cstdlib>

namespace quillmere {
namespace {

using testing_support::readBytes;

class AssetPackTest : public testing_support::TempFolderTest {
protected:
    std::vector<std::uint8_t> generate(const std::string& subfolder) {
        const std::string command =
            std::string("'") + QUILLMERE_ASSET_PACK + "' '" + folder() + subfolder + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return readBytes(path(subfolder) / "embedded_assets.bin");
    }
};

TEST_F(AssetPackTest, GeneratorIsDeterministicAndMatchesTheBuild) {
    const std::vector<std::uint8_t> first = generate("first");
    const std::vector<std::uint8_t> second = generate("second");
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(first == second) << "two runs of the generator differ";

    std::vector<std::uint8_t> embedded;
    for (const AssetResource& resource : embeddedAssetTable())
        embedded.insert(embedded.end(), resource.bytes.begin(), resource.bytes.end());
    EXPECT_TRUE(embedded == first) << "the program's assets are not what the generator makes";
}

TEST_F(AssetPackTest, UsableFilesAreWhatTheProgramExtracts) {
    const std::string command =
        std::string("'") + QUILLMERE_ASSET_PACK + "' --usable '" + folder() + "usable'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const CatalogueEntry& entry : BuiltInAssets) {
        const std::string name(entry.name);
        ASSERT_EQ(ExtractAsset(entry.id, folder(), name), 1) << name;
        EXPECT_TRUE(readBytes(path("usable") / usableAssetFileName(name)) ==
                    readBytes(path(usableAssetFileName(name))))
            << name;
    }
}

} // namespace
} // namespace quillmere
