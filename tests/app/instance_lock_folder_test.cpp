#include "app/instance_lock_folder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

class InstanceLockFolderTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "lockfolder-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_temp = pattern;
    }
    void TearDown() override { fs::remove_all(m_temp); }

    fs::path fallback() const { return m_temp / ("quillmere-" + std::to_string(::getuid())); }

    static mode_t modeOf(const fs::path& path) {
        struct stat info {};
        EXPECT_EQ(::lstat(path.c_str(), &info), 0);
        return info.st_mode & 07777;
    }

    fs::path m_temp;
};

TEST_F(InstanceLockFolderTest, UsesTheRuntimeFolderWhenItExists) {
    const fs::path runtime = m_temp / "runtime";
    fs::create_directory(runtime);
    EXPECT_EQ(instanceLockFolder(runtime.c_str(), m_temp), runtime);
    EXPECT_FALSE(fs::exists(fallback()));
}

TEST_F(InstanceLockFolderTest, FallsBackToAPrivateTemporaryFolder) {
    const fs::path missing = m_temp / "no-such-runtime";
    for (const char* runtime : {static_cast<const char*>(nullptr), "", "relative/runtime", missing.c_str()}) {
        SCOPED_TRACE(runtime == nullptr ? "unset" : runtime);
        const auto folder = instanceLockFolder(runtime, m_temp);
        ASSERT_TRUE(folder.has_value());
        EXPECT_EQ(*folder, fallback());
        EXPECT_EQ(modeOf(*folder), 0700u);
    }
}

TEST_F(InstanceLockFolderTest, RuntimeValueNamingAFileIsNotAFolder) {
    const fs::path file = m_temp / "runtime-file";
    ::close(::creat(file.c_str(), 0600));
    EXPECT_EQ(instanceLockFolder(file.c_str(), m_temp), fallback());
}

TEST_F(InstanceLockFolderTest, RefusesAFallbackOthersCanEnter) {
    ASSERT_EQ(::mkdir(fallback().c_str(), 0755), 0);
    EXPECT_EQ(instanceLockFolder(nullptr, m_temp), std::nullopt);
    // Left as found: the folder may belong to a setup we should not change.
    EXPECT_EQ(modeOf(fallback()), 0755u);
}

TEST_F(InstanceLockFolderTest, RefusesAFallbackThatIsALink) {
    const fs::path target = m_temp / "elsewhere";
    ASSERT_EQ(::mkdir(target.c_str(), 0700), 0);
    fs::create_directory_symlink(target, fallback());
    EXPECT_EQ(instanceLockFolder(nullptr, m_temp), std::nullopt);
}

TEST_F(InstanceLockFolderTest, RefusesAFallbackThatIsAFile) {
    ::close(::creat(fallback().c_str(), 0600));
    EXPECT_EQ(instanceLockFolder(nullptr, m_temp), std::nullopt);
}

TEST_F(InstanceLockFolderTest, ReusesItsOwnPrivateFolder) {
    ASSERT_EQ(::mkdir(fallback().c_str(), 0700), 0);
    EXPECT_EQ(instanceLockFolder(nullptr, m_temp), fallback());
}

TEST_F(InstanceLockFolderTest, NoFolderWhenTheTemporaryFolderIsMissing) {
    EXPECT_EQ(instanceLockFolder(nullptr, m_temp / "gone"), std::nullopt);
}

} // namespace
} // namespace quillmere
