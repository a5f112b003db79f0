// The settings file under faults: nothing the user kept may be lost or replaced by defaults.

#include "settings/profile_document.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

constexpr const char* KeptMessage = "cannot be read whole";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

// Files in folder other than the ones named: a temporary file left behind shows up here.
std::vector<std::string> strayFiles(const fs::path& folder, const std::vector<std::string>& expected) {
    std::vector<std::string> stray;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end())
            stray.push_back(name);
    }
    return stray;
}

class SettingsFileFaultsTest : public testing::Test {
protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("quillmere-faults-" + std::to_string(::getpid()) + "-" +
                                         testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path iniPath() const { return m_folder / "QuillmereSet.ini"; }

    // Start-up followed by a save of each kind, as a run with the dialogs would make; returns what
    // went to standard error. The record is left as the dialogs made it, startedOn as start-up did.
    std::string runWithSaves(SettingsFile& file, AquariumSettings& settings,
                             AquariumSettings* startedOn = nullptr) {
        testing::internal::CaptureStderr();
        Random random;
        CameraValues camera;
        file.loadStartupSettings(random, settings, camera);
        if (startedOn)
            *startedOn = settings;
        AquariumSettings values = settings;
        values.fog = 3;
        file.saveAquariumSettings(values, SaveDurability::Lazy);
        file.saveAquariumSettings(values);
        takeDialogSettings(settings, values);
        file.saveFishCounts({});
        takeFishCounts(settings, {});
        file.saveMusicList({});
        file.flushToDisk();
        return testing::internal::GetCapturedStderr();
    }

    fs::path m_folder;
};

const std::string UserFile =
    "; mine\n[Aquarium Settings]\nFOGNONGDU=7\nLIGHTQIANGDU=42\n[Fish Number]\nFish0=9\n";

struct UnreadableCase {
    const char* name;
    std::function<void(const fs::path& path)> make;        // puts the unreadable thing at path
    std::function<ProfileFileCalls()> calls;               // the disk's behaviour
    std::function<void(const AquariumSettings&)> checkRun; // what the run started on
};

ProfileFileCalls failingOpen(int error) {
    ProfileFileCalls calls = ProfileFileCalls::system();
    calls.open = [error](const char* path, int flags, mode_t mode) {
        if ((flags & O_ACCMODE) == O_RDONLY) {
            errno = error;
            return -1;
        }
        return ::open(path, flags, mode);
    };
    return calls;
}

// The first read stops inside "LIGHTQIANGDU=42"; the next one fails.
ProfileFileCalls failingHalfway() {
    ProfileFileCalls calls = ProfileFileCalls::system();
    auto reads = std::make_shared<int>(0);
    calls.read = [reads](int fd, void* buffer, std::size_t size) -> ssize_t {
        if ((*reads)++ == 0)
            return ::read(fd, buffer, std::min<std::size_t>(size, UserFile.find("=42") + 2));
        errno = EIO;
        return -1;
    };
    return calls;
}

void startsOnDefaults(const AquariumSettings& settings) {
    EXPECT_EQ(settings.fog, 25);
    EXPECT_EQ(settings.light, 0);
}

TEST_F(SettingsFileFaultsTest, AFileThatCannotBeReadWholeIsNeverReplaced) {
    const auto writeUserFile = [](const fs::path& path) { writeBytes(path, UserFile); };
    const UnreadableCase cases[] = {
        {"a folder", [](const fs::path& path) { fs::create_directory(path); }, ProfileFileCalls::system,
         startsOnDefaults},
        {"a FIFO", [](const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
         ProfileFileCalls::system, startsOnDefaults},
        {"no permission", writeUserFile, [] { return failingOpen(EACCES); }, startsOnDefaults},
        {"an I/O error", writeUserFile, [] { return failingOpen(EIO); }, startsOnDefaults},
        {"a read failing half-way", writeUserFile, failingHalfway,
         [](const AquariumSettings& settings) {
             EXPECT_EQ(settings.fog, 7) << "the whole lines read are used";
             EXPECT_EQ(settings.light, 0) << "the line cut short is not";
         }},
    };
    for (const UnreadableCase& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(iniPath());
        c.make(iniPath());
        struct stat before {};
        ASSERT_EQ(::lstat(iniPath().c_str(), &before), 0);
        const std::string bytes = S_ISREG(before.st_mode) ? readBytes(iniPath()) : "";

        SettingsFile file(m_folder, c.calls());
        AquariumSettings settings;
        AquariumSettings startedOn;
        const std::string errors = runWithSaves(file, settings, &startedOn);

        c.checkRun(startedOn);
        EXPECT_EQ(settings.fog, 3) << "the dialog's values still reach the tank";
        struct stat after {};
        ASSERT_EQ(::lstat(iniPath().c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (S_ISREG(before.st_mode)) {
            EXPECT_EQ(readBytes(iniPath()), bytes);
        }
        EXPECT_EQ(count(errors, KeptMessage), 1u) << errors;
        EXPECT_EQ(count(errors, "\n"), 1u) << "one message for the run: " << errors;
        EXPECT_EQ(strayFiles(m_folder, {"QuillmereSet.ini"}), std::vector<std::string>{});
    }
}

TEST_F(SettingsFileFaultsTest, OnlyAMissingFileIsCreatedAndItIsPrivate) {
    SettingsFile file(m_folder);
    AquariumSettings settings;
    EXPECT_EQ(runWithSaves(file, settings), "");
    struct stat status {};
    ASSERT_EQ(::stat(iniPath().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    EXPECT_EQ(ProfileDocument::parse(readBytes(iniPath())).read("Aquarium Settings", "FOGNONGDU"), "3");
}

TEST_F(SettingsFileFaultsTest, ASymbolicLinkIsSavedThroughAndStaysALink) {
    const fs::path dotfiles = m_folder / "dotfiles";
    fs::create_directory(dotfiles);
    const fs::path target = dotfiles / "quillmere.ini";
    writeBytes(target, UserFile);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink("dotfiles/quillmere.ini", iniPath());

    SettingsFile file(m_folder);
    AquariumSettings settings;
    EXPECT_EQ(runWithSaves(file, settings), "");

    EXPECT_TRUE(fs::is_symlink(iniPath()));
    EXPECT_EQ(fs::read_symlink(iniPath()), "dotfiles/quillmere.ini");
    const std::string saved = readBytes(target);
    EXPECT_EQ(ProfileDocument::parse(saved).read("Aquarium Settings", "FOGNONGDU"), "3");
    EXPECT_EQ(saved.rfind("; mine\n", 0), 0u);
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u) << "the mode the user gave the file is kept";
    EXPECT_EQ(strayFiles(dotfiles, {"quillmere.ini"}), std::vector<std::string>{});
    EXPECT_EQ(strayFiles(m_folder, {"QuillmereSet.ini", "dotfiles"}), std::vector<std::string>{});
}

TEST_F(SettingsFileFaultsTest, AFailedWriteKeepsTheOldFileLeavesNoTemporaryAndSaysSoOnce) {
    writeBytes(iniPath(), UserFile);
    ProfileFileCalls calls = ProfileFileCalls::system();
    calls.write = [](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    SettingsFile file(m_folder, calls);
    AquariumSettings settings;
    const std::string errors = runWithSaves(file, settings);

    EXPECT_EQ(settings.fog, 3) << "the program runs on with the dialog's values";
    EXPECT_EQ(readBytes(iniPath()), UserFile);
    EXPECT_EQ(count(errors, "settings cannot be saved"), 1u) << errors;
    EXPECT_NE(errors.find("No space left"), std::string::npos) << errors;
    EXPECT_EQ(strayFiles(m_folder, {"QuillmereSet.ini"}), std::vector<std::string>{});
}

TEST_F(SettingsFileFaultsTest, AByteOrderMarkHidesNoSection) {
    writeBytes(iniPath(), "\xEF\xBB\xBF[Aquarium Settings]\r\nFOGNONGDU=3\r\n");
    SettingsFile file(m_folder);
    AquariumSettings settings;
    runWithSaves(file, settings);
    EXPECT_EQ(settings.fog, 3);
    const std::string saved = readBytes(iniPath());
    EXPECT_EQ(count(saved, "[Aquarium Settings]"), 1u) << saved;
    EXPECT_EQ(saved.rfind("\xEF\xBB\xBF[Aquarium Settings]\r\n", 0), 0u) << "the mark stays where it was";
}

TEST_F(SettingsFileFaultsTest, WithoutAFolderTheTankRunsOnDefaultsAndNothingIsWritten) {
    SettingsFile file(std::nullopt);
    AquariumSettings settings;
    EXPECT_EQ(runWithSaves(file, settings), "") << "the application says once why nothing is saved";
    EXPECT_EQ(settings.fog, 3);
    EXPECT_FALSE(file.readKeepScreenOn());
}

TEST_F(SettingsFileFaultsTest, KeepScreenOnIsReadAndNeverWritten) {
    const std::pair<const char*, bool> cases[] = {
        {"[Display]\nKeepScreenOn=1\n", true},
        {"[display]\n keepscreenon = 1 \n", true},
        {"[Display]\nKeepScreenOn=0\n", false},
        {"[Display]\nKeepScreenOn=yes\n", false},
        {"[Aquarium Settings]\nKeepScreenOn=1\n", false},
        {"", false},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        writeBytes(iniPath(), text);
        SettingsFile file(m_folder);
        EXPECT_EQ(file.readKeepScreenOn(), expected);
        AquariumSettings settings;
        runWithSaves(file, settings);
        const std::size_t keysBefore = count(text, "KeepScreenOn") + count(text, "keepscreenon");
        EXPECT_EQ(count(readBytes(iniPath()), "KeepScreenOn") + count(readBytes(iniPath()), "keepscreenon"),
                  keysBefore)
            << "the key is neither added nor removed";
    }
}

} // namespace
} // namespace quillmere
