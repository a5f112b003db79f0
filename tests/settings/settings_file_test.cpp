#include "settings/profile_document.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("quillmere-settings-" + std::to_string(::getpid()) + "-" +
                                         testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path iniPath() const { return m_folder / "QuillmereSet.ini"; }

    void writeIni(const std::string& text) const { std::ofstream(iniPath(), std::ios::binary) << text; }

    std::string readIni() const {
        std::ifstream in(iniPath(), std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    ProfileDocument doc() const { return ProfileDocument::parse(readIni()); }

    // Runs the start-up load on a fresh generator.
    AquariumSettings startUp(CameraValues* cameraOut = nullptr) {
        Random random;
        AquariumSettings settings;
        CameraValues camera;
        SettingsFile(m_folder).loadStartupSettings(random, settings, camera);
        if (cameraOut)
            *cameraOut = camera;
        return settings;
    }

    fs::path m_folder;
};

TEST_F(SettingsFileTest, FirstStartWritesEveryKeyWithItsDefault) {
    // Settings have already been constructed elsewhere in the start-up order; the fish keys take the
    // next draws in kind order.
    Random random;
    for (int i = 0; i < 100; ++i)
        random.next();
    Random expectedDraws = random.fork();

    AquariumSettings settings;
    CameraValues camera{123, 456};
    SettingsFile(m_folder).loadStartupSettings(random, settings, camera);

    const std::pair<const char*, const char*> expected[] = {
        {"Show Water", "0"},          {"Show Light", "0"},          {"Show Terra", "1"},
        {"FRONT GUDING", "1"},        {"FRONTCOLOR", "16777215"},   {"FRONT MANJIANBIAN", "0"},
        {"FRONT COLOR1", "16777215"}, {"FRONT COLOR2", "16777215"}, {"FRONT AUTOJIANBIAN", "0"},
        {"CHECK LOCKFORE", "0"},      {"LOCKFORE ROT", "0"},        {"BACK GUDING", "1"},
        {"BACKCOLOR", "0"},           {"BACK MANJIANBIAN", "0"},    {"BACK COLOR1", "65280"},
        {"BACK COLOR2", "0"},         {"BACK AUTOJIANBIAN", "0"},   {"CHECK LOCKBACK", "0"},
        {"LOCKBACK ROT", "0"},        {"YINLIANG", "32767.5"},      {"QIPAONUM", "100"},
        {"BACKGROUND", "0"},          {"FOGNONGDU", "25"},          {"LIGHTQIANGDU", "0"},
        {"CHECK VIEWS", "1"},         {"VIEWSLEFTRIGHT", "0"},      {"VIEWSNEARFAR", "0"},
    };
    std::string expectedText = "[Aquarium Settings]\n";
    for (const auto& [key, value] : expected)
        expectedText += std::string(key) + "=" + value + "\n";
    expectedText += "[Fish Number]\n";
    for (int kind = 0; kind < FishKindCount; ++kind) {
        const int count = expectedDraws.next() % 4;
        expectedText += "Fish" + std::to_string(kind) + "=" + std::to_string(count) + "\n";
        EXPECT_EQ(settings.fishCount[kind], count);
    }
    EXPECT_EQ(readIni(), expectedText);
    EXPECT_EQ(random.state(), expectedDraws.state()) << "exactly one draw per missing fish key";

    EXPECT_EQ(settings.showTerra, 1);
    EXPECT_EQ(settings.frontColor, 16777215);
    EXPECT_EQ(settings.backColor1, 65280);
    EXPECT_EQ(settings.volume, 32767);
    EXPECT_EQ(settings.bubbleSetting, 100);
    EXPECT_EQ(settings.fog, 25);
    EXPECT_EQ(settings.autoViews, 1);
    EXPECT_EQ(camera.liveLeftRight, 0);
    EXPECT_EQ(camera.liveNearFar, 0);
}

TEST_F(SettingsFileTest, StartUpRepairsTheKeysItOwns) {
    writeIni("[Aquarium Settings]\n"
             "Show Water=1\nShow Light=1\nShow Terra=0\n"
             "BACK GUDING=0\nBACKCOLOR=255\nBACK AUTOJIANBIAN=1\n"
             "LOCKFORE ROT=123.456000\nYINLIANG=32767.5\n"
             "FOGNONGDU=26\nLIGHTQIANGDU=101\nQIPAONUM=-40\n"
             "VIEWSLEFTRIGHT=5000\nVIEWSNEARFAR=1500\n"
             "[Fish Number]\nFish3=80\n");
    CameraValues camera;
    const AquariumSettings settings = startUp(&camera);
    const ProfileDocument file = doc();

    EXPECT_EQ(settings.showWater, 0);
    EXPECT_EQ(settings.showLight, 0);
    EXPECT_EQ(settings.showTerra, 1);
    EXPECT_EQ(file.read("Aquarium Settings", "Show Water"), "0");
    EXPECT_EQ(file.read("Aquarium Settings", "Show Light"), "0");
    EXPECT_EQ(file.read("Aquarium Settings", "Show Terra"), "1");

    EXPECT_EQ(settings.backFixed, 1);
    EXPECT_EQ(settings.backColor, 0);
    EXPECT_EQ(settings.backAutoGradual, 0);
    EXPECT_EQ(file.read("Aquarium Settings", "BACK GUDING"), "1");
    EXPECT_EQ(file.read("Aquarium Settings", "BACKCOLOR"), "0");
    EXPECT_EQ(file.read("Aquarium Settings", "BACK AUTOJIANBIAN"), "0");

    EXPECT_FLOAT_EQ(settings.lockFrontPhase, 123.0f);
    EXPECT_EQ(file.read("Aquarium Settings", "LOCKFORE ROT"), "123.456000")
        << "a present phase is not rewritten";
    EXPECT_EQ(settings.volume, 32767);
    EXPECT_EQ(file.read("Aquarium Settings", "YINLIANG"), "32767.5");

    EXPECT_EQ(settings.fog, 25);
    EXPECT_EQ(file.read("Aquarium Settings", "FOGNONGDU"), "25");
    EXPECT_EQ(settings.light, 0);
    EXPECT_EQ(file.read("Aquarium Settings", "LIGHTQIANGDU"), "0");
    EXPECT_EQ(settings.bubbleSetting, -40) << "only fog and light are range-checked";

    EXPECT_EQ(settings.viewLeftRight, 5000);
    EXPECT_EQ(camera.liveLeftRight, 5000);
    EXPECT_EQ(camera.liveNearFar, 1500);

    EXPECT_EQ(settings.fishCount[3], 50);
    EXPECT_EQ(file.read("Fish Number", "Fish3"), "80");
}

TEST_F(SettingsFileTest, RangeEdgesOfFogAndLight) {
    writeIni("[Aquarium Settings]\nFOGNONGDU=-1\nLIGHTQIANGDU=100\n");
    AquariumSettings settings = startUp();
    EXPECT_EQ(settings.fog, 25);
    EXPECT_EQ(settings.light, 100);
    EXPECT_EQ(doc().read("Aquarium Settings", "LIGHTQIANGDU"), "100");

    writeIni("[Aquarium Settings]\nFOGNONGDU=0\nLIGHTQIANGDU=-1\n");
    settings = startUp();
    EXPECT_EQ(settings.fog, 0);
    EXPECT_EQ(settings.light, 0);
}

TEST_F(SettingsFileTest, PresentFishKeysDrawNothing) {
    std::string text = "[Fish Number]\n";
    for (int kind = 0; kind < FishKindCount; ++kind)
        text += "Fish" + std::to_string(kind) + "=1\n";
    writeIni(text);
    Random random;
    AquariumSettings settings;
    CameraValues camera;
    SettingsFile(m_folder).loadStartupSettings(random, settings, camera);
    EXPECT_EQ(random.state(), 1u);
}

TEST_F(SettingsFileTest, ReadOnlyStartUpGivesTheSameTankAndLeavesTheFileAlone) {
    // The screen saver's load: the values and draws of a real start, with the file untouched.
    const std::string text = "[Aquarium Settings]\nShow Terra=0\nFOGNONGDU=26\nQIPAONUM=300\n"
                             "[Fish Number]\nFish0=80\nFish7=2\n";
    for (const bool present : {true, false}) {
        if (present)
            writeIni(text);
        Random readRandom;
        AquariumSettings read;
        CameraValues readCamera;
        SettingsFile(m_folder).readStartupSettings(readRandom, read, readCamera);
        if (present)
            EXPECT_EQ(readIni(), text);
        else
            EXPECT_FALSE(fs::exists(iniPath()));

        Random loadRandom;
        const AquariumSettings loaded = [&] {
            AquariumSettings settings;
            CameraValues camera;
            SettingsFile(m_folder).loadStartupSettings(loadRandom, settings, camera);
            return settings;
        }();
        EXPECT_EQ(readRandom.state(), loadRandom.state()) << "present: " << present;
        EXPECT_EQ(read.fishCount, loaded.fishCount) << "present: " << present;
        EXPECT_EQ(read.showTerra, loaded.showTerra);
        EXPECT_EQ(read.fog, loaded.fog);
        EXPECT_EQ(read.bubbleSetting, loaded.bubbleSetting);
        fs::remove(iniPath());
    }
}

TEST_F(SettingsFileTest, UnknownContentSurvivesEverySave) {
    writeIni("; my notes\n[Aquarium Settings]\nMy Own Key=42\nFOGNONGDU=3\n[Plugins]\nfoo=bar\n");
    startUp();
    SettingsFile file(m_folder);
    AquariumSettings record;
    file.saveAquariumSettings(AquariumSettings{}, record);
    file.saveFishCounts({}, record);
    file.saveImageList({});
    file.saveMusicList({});
    const std::string text = readIni();
    EXPECT_EQ(text.rfind("; my notes\n[Aquarium Settings]\nMy Own Key=42\nFOGNONGDU=", 0), 0u) << text;
    EXPECT_NE(text.find("[Plugins]\nfoo=bar\n"), std::string::npos) << text;
}

TEST_F(SettingsFileTest, DialogSaveWritesAllKeysThenUpdatesTheRecord) {
    AquariumSettings values;
    values.frontColor = 255;
    values.lockFrontPhase = 12.6f;
    values.lockBackPhase = 3.0f;
    values.fog = 7;
    values.autoViews = 0;
    values.showWater = 1;
    values.fishCount.fill(9);

    AquariumSettings record;
    record.fishCount.fill(2);
    SettingsFile(m_folder).saveAquariumSettings(values, record);

    const ProfileDocument file = doc();
    EXPECT_EQ(file.read("Aquarium Settings", "FRONTCOLOR"), "255");
    EXPECT_EQ(file.read("Aquarium Settings", "LOCKFORE ROT"), "12.600000");
    EXPECT_EQ(file.read("Aquarium Settings", "LOCKBACK ROT"), "3.000000");
    EXPECT_EQ(file.read("Aquarium Settings", "FOGNONGDU"), "7");
    EXPECT_EQ(file.read("Aquarium Settings", "CHECK VIEWS"), "0");
    EXPECT_EQ(file.read("Aquarium Settings", "Show Water"), "1");
    EXPECT_EQ(file.read("Aquarium Settings", "YINLIANG"), "32767");

    EXPECT_EQ(record.frontColor, 255);
    EXPECT_EQ(record.fog, 7);
    EXPECT_EQ(record.lockFrontPhase, 0.0f);
    EXPECT_EQ(record.lockBackPhase, 0.0f);
    EXPECT_EQ(record.fishCount[0], 2) << "the dialog's save leaves the fish counts alone";

    const auto texts = SettingsFile(m_folder).readAquariumSettings();
    for (int index = 0; index < AquariumKeyCount; ++index)
        EXPECT_FALSE(texts[index].empty()) << AquariumKeys[index].name;
    EXPECT_EQ(texts[10], "12.600000");
}

TEST_F(SettingsFileTest, LazySaveReplacesTheFileOnlyWhenItsTextChanges) {
    SettingsFile file(m_folder);
    AquariumSettings values;
    AquariumSettings record;
    file.saveAquariumSettings(values, record, SaveDurability::Lazy);
    const auto inode = [this] {
        struct stat status {};
        EXPECT_EQ(::stat(iniPath().c_str(), &status), 0);
        return status.st_ino;
    };
    const ino_t first = inode();

    file.saveAquariumSettings(values, record, SaveDurability::Lazy);
    EXPECT_EQ(inode(), first) << "an unchanged save leaves the file alone";

    values.lockFrontPhase = 42.5f;
    file.saveAquariumSettings(values, record, SaveDurability::Lazy);
    EXPECT_NE(inode(), first) << "a changed save replaces the file";
    EXPECT_EQ(doc().read("Aquarium Settings", "LOCKFORE ROT"), "42.500000");
    file.flushToDisk();
    EXPECT_EQ(doc().read("Aquarium Settings", "LOCKFORE ROT"), "42.500000");
}

TEST_F(SettingsFileTest, FishCountsRoundTripAndAreCutInMemory) {
    SettingsFile file(m_folder);
    EXPECT_EQ(file.loadFishCounts(), (std::array<int, FishKindCount>{}));
    EXPECT_FALSE(fs::exists(iniPath())) << "loading counts writes nothing";

    std::array<int, FishKindCount> counts{};
    counts[0] = 3;
    counts[3] = 80;
    AquariumSettings record;
    file.saveFishCounts(counts, record);
    EXPECT_EQ(file.loadFishCounts(), counts);
    EXPECT_EQ(record.fishCount[3], 50);
    EXPECT_EQ(record.fishCount[0], 3);
}

TEST_F(SettingsFileTest, ImageListReadsOnlyTheStoredCount) {
    writeIni(
        "[Custom Images]\nRandomImage=1\nCycImage=2\nOwnImage=1\nImageTime=\nImageSum=2\n"
        "ImageList0=/a.png\nImageList1=/b.jpg\nImageList2=/c\nImageList3=/d\nImageList4=/e\nImageList5=/f\n");
    const ImageListState state = SettingsFile(m_folder).loadImageList();
    EXPECT_TRUE(state.randomImage);
    EXPECT_FALSE(state.cycImage) << "a flag is set only when it is exactly 1";
    EXPECT_FALSE(state.repeatImage);
    EXPECT_TRUE(state.ownImage);
    EXPECT_EQ(state.imageTime, "5");
    EXPECT_EQ(state.paths, (std::vector<std::string>{"/a.png", "/b.jpg"}));
}

// The interval text goes back as the dialog read it, whatever quotes or blanks it holds.
TEST_F(SettingsFileTest, ImageTimeSurvivesASaveAsItWasRead) {
    struct Case {
        const char* stored;
        const char* read;
    };
    for (const Case& c : {Case{"10", "10"}, Case{"'10'", "10"}, Case{"\"'10'\"", "'10'"},
                          Case{"\" 7 \"", " 7 "}, Case{"'3", "'3"}, Case{"abc", "abc"}}) {
        writeIni(std::string("[Custom Images]\nImageTime=") + c.stored + "\n");
        SettingsFile file(m_folder);
        const ImageListState loaded = file.loadImageList();
        EXPECT_EQ(loaded.imageTime, c.read) << c.stored;
        file.saveImageList(loaded);
        EXPECT_EQ(file.loadImageList().imageTime, c.read) << c.stored << " saved as " << readIni();
    }
}

// Path keys come back whole, where every other value is cut to 127 bytes as the profile reader does.
TEST_F(SettingsFileTest, PathKeysKeepLongAndUnusualPathsWhole) {
    const std::string longFolder = "/home/u/" + std::string(150, 'p');
    const std::vector<std::string> paths = {
        longFolder + "/picture.png", "/home/u/Bilder/Sommer am Meer/Möwe über dem Strand.jpg",
        "/home/u/写真/海.PNG",       "/home/u/trailing blank.jpg ",
        "/home/u/'quoted'.bmp\"",    "/home/u/a=b;c#d.jpeg",
    };
    SettingsFile file(m_folder);
    ImageListState images;
    images.paths = paths;
    file.saveImageList(images);
    MusicListState music;
    music.paths = paths;
    file.saveMusicList(music);

    EXPECT_EQ(file.loadImageList().paths, paths);
    EXPECT_EQ(file.loadMusicList().paths, paths);
    writeIni(readIni() + "[Other]\nLong=" + longFolder + "\n");
    EXPECT_EQ(doc().read("Other", "Long").size(), ProfileValueLimit) << "other keys keep the 127-byte cut";
}

TEST_F(SettingsFileTest, ShorterListSaveLeavesOldHigherKeys) {
    SettingsFile file(m_folder);
    MusicListState music;
    music.cycMusic = true;
    music.ownMusic = true;
    music.paths = {"/m/one.mp3", "/m/two.wav", "/m/three.mpeg"};
    file.saveMusicList(music);
    EXPECT_EQ(file.loadMusicList().paths, music.paths);

    music.paths.resize(1);
    file.saveMusicList(music);
    const MusicListState loaded = file.loadMusicList();
    EXPECT_EQ(loaded.paths, music.paths);
    EXPECT_TRUE(loaded.cycMusic);
    EXPECT_TRUE(loaded.ownMusic);
    EXPECT_FALSE(loaded.randomMusic);
    EXPECT_EQ(doc().read("Custom Settings", "MusicList2"), "/m/three.mpeg");
    EXPECT_EQ(doc().read("Custom Settings", "MusicSum"), "1");
}

TEST_F(SettingsFileTest, CorruptListCountsAreBounded) {
    writeIni("[Custom Settings]\nMusicSum=2000000000\nMusicList0=/x.mp3\n[Custom Images]\nImageSum=-3\n");
    SettingsFile file(m_folder);
    const MusicListState music = file.loadMusicList();
    EXPECT_EQ(music.paths.size(), static_cast<std::size_t>(MaxStoredListLength));
    EXPECT_EQ(music.paths[0], "/x.mp3");
    EXPECT_TRUE(file.loadImageList().paths.empty());
}

TEST_F(SettingsFileTest, TheLongestListRoundTripsAndOneTooLargeToReadBackIsNotWritten) {
    MusicListState music;
    for (int i = 0; i < MaxStoredListLength; ++i)
        music.paths.push_back("/home/someone/Music/Album " + std::to_string(i / 12) + "/Track " +
                              std::to_string(i) + ".mp3");
    SettingsFile file(m_folder);
    file.saveMusicList(music);
    EXPECT_EQ(SettingsFile(m_folder).loadMusicList().paths, music.paths);

    const std::string before = readIni();
    for (std::string& path : music.paths)
        path += std::string(400, 'x');
    testing::internal::CaptureStderr();
    file.saveMusicList(music);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("would be larger than"), std::string::npos);
    EXPECT_EQ(readIni(), before);
}

TEST_F(SettingsFileTest, OversizedFileIsReadButNeverRewritten) {
    std::string text = "[Aquarium Settings]\nFOGNONGDU=3\n[Fish Number]\n";
    for (int kind = 0; kind < FishKindCount; ++kind)
        text += "Fish" + std::to_string(kind) + "=1\n";
    text += "[Padding]\n";
    while (text.size() < 3 * ProfileReadLimit)
        text += "filler=" + std::string(100, 'x') + "\n";
    writeIni(text);
    testing::internal::CaptureStderr();
    const AquariumSettings settings = startUp();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(settings.fog, 3);
    EXPECT_EQ(settings.fishCount[14], 1);
    EXPECT_EQ(readIni(), text);
}

TEST_F(SettingsFileTest, BinaryFileReadsAsMissingKeys) {
    std::string junk;
    for (int i = 0; i < 10000; ++i)
        junk.push_back(static_cast<char>((i * 131 + 7) & 0xFF));
    writeIni(junk);
    const AquariumSettings settings = startUp();
    EXPECT_EQ(settings.fog, 25);
    EXPECT_EQ(doc().read("Aquarium Settings", "FOGNONGDU"), "25");
}

TEST(LimitPopulation, KindsFillTheTankInOrder) {
    std::array<int, FishKindCount> counts{};
    counts.fill(3);
    EXPECT_EQ(limitPopulation(counts), counts) << "45 fish fit";

    counts = {30, -4, 30, 50};
    EXPECT_EQ(limitPopulation(counts), (std::array<int, FishKindCount>{30, 0, 20, 0}));
}

} // namespace
} // namespace quillmere
