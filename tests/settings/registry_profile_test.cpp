#include "settings/registry_profile.h"

#include <gtest/gtest.h>
#include <wx/init.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

TEST(RegistryProfile, VolumeDefaultsTo1000AndReadsAStoredValue) {
    wxInitializer toolkit;
    ASSERT_TRUE(toolkit.IsOk());
    const fs::path folder = fs::temp_directory_path() / ("quillmere-profile-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);

    EXPECT_EQ(readProfileVolume(folder), 1000);
    EXPECT_FALSE(fs::exists(folder / "Quillmere.conf")) << "reading stores nothing";

    std::ofstream(folder / "Quillmere.conf") << "[Settings]\nVolume=250\n";
    EXPECT_EQ(readProfileVolume(folder), 250);

    std::ofstream(folder / "Quillmere.conf") << "[Settings]\nVolume=loud\n";
    EXPECT_EQ(readProfileVolume(folder), 1000);
    fs::remove_all(folder);
}

} // namespace
} // namespace quillmere
