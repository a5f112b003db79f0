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
    Random expectedDraws = random;

    AquariumSettings settings;
    CameraValues camera{123, 456};
    SettingsFile(m_folder).loadStartupSettings(random, settings, camera);

    // Every key in the table's order, with its default (the table test checks each row's text).
    std::string expectedText = "[Aquarium Settings]\n";
    for (const AquariumKey& key : AquariumKeys)
        expectedText +=
            std::string(key.name) + "=" +
            (key.missingText.empty() ? std::to_string(key.defaultValue) : std::string(key.missingText)) +
            "\n";
    expectedText += "[Fish Number]\n";
    for (int kind = 0; kind < FishKindCount; ++kind) {
        const int count = expectedDraws.next() % 4;
        expectedText += "Fish" + std::to_string(kind) + "=" + std::to_string(count) + "\n";
        EXPECT_EQ(settings.fishCount[kind], count);
    }
    EXPECT_EQ(readIni(), expectedText);
    EXPECT_EQ(random.state(), expectedDraws.state()) << "exactly one draw per missing fish key";

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

    EXPECT_FLOAT_EQ(settings.lockFrontPhase, 123.0f);
    EXPECT_EQ(file.read("Aquarium Settings", "LOCKFORE ROT"), "123.456000")
        << "a present phase is not rewritten";
    EXPECT_EQ(settings.volume, 32767);
    EXPECT_EQ(file.read("Aquarium Settings", "YINLIANG"), "32767.5");

    EXPECT_EQ(settings.bubbleSetting, -40) << "only fog and light are range-checked";

    EXPECT_EQ(settings.viewLeftRight, 5000);
    EXPECT_EQ(camera.liveLeftRight, 5000);
    EXPECT_EQ(camera.liveNearFar, 1500);

    EXPECT_EQ(settings.fishCount[3], 50);
    EXPECT_EQ(file.read("Fish Number", "Fish3"), "80");
}

// Each row of the table: a value of its own saved by the dialog comes back at the next start, unless
// the row's repair puts the default in its place; a value outside its range is repaired only where the
// row says so, and the ends of the range are kept.
TEST_F(SettingsFileTest, EveryKeyRoundTripsAndIsRepairedByItsRow) {
    const auto fieldValue = [](const AquariumSettings& settings, const AquariumKey& key) {
        return key.field.phase ? static_cast<int>(settings.*key.field.phase) : settings.*key.field.number;
    };
    AquariumSettings saved;
    for (const AquariumKey& key : AquariumKeys) {
        const int own = key.range                         ? key.range->min + 1
                        : key.format == ValueFormat::Flag ? 1 - key.defaultValue
                                                          : key.defaultValue + 7;
        ASSERT_NE(own, key.defaultValue) << key.name;
        key.field.store(saved, own);
    }
    SettingsFile(m_folder).saveAquariumSettings(saved);
    const std::string written = readIni();
    const AquariumSettings loaded = startUp();
    for (const AquariumKey& key : AquariumKeys) {
        const bool fixed = key.repair == Repair::Fixed;
        EXPECT_EQ(fieldValue(loaded, key), fixed ? key.defaultValue : fieldValue(saved, key)) << key.name;
        EXPECT_EQ(doc().read(AquariumSection, key.name),
                  fixed ? std::to_string(key.defaultValue)
                        : ProfileDocument::parse(written).read(AquariumSection, key.name))
            << key.name;
    }

    for (const AquariumKey& key : AquariumKeys) {
        if (!key.range)
            continue;
        for (const int value : {key.range->min - 1, key.range->min, key.range->max, key.range->max + 1}) {
            const bool inside = value >= key.range->min && value <= key.range->max;
            const bool repaired = !inside && key.repair == Repair::WhenOutOfRange;
            writeIni("[Aquarium Settings]\n" + std::string(key.name) + "=" + std::to_string(value) + "\n");
            const AquariumSettings settings = startUp();
            EXPECT_EQ(fieldValue(settings, key), repaired ? key.defaultValue : value)
                << key.name << "=" << value;
            EXPECT_EQ(doc().read(AquariumSection, key.name),
                      std::to_string(repaired ? key.defaultValue : value))
                << key.name << "=" << value;
        }
    }
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
    file.saveAquariumSettings(AquariumSettings{});
    file.saveFishCounts({});
    file.saveImageList({});
    file.saveMusicList({});
    const std::string text = readIni();
    EXPECT_EQ(text.rfind("; my notes\n[Aquarium Settings]\nMy Own Key=42\nFOGNONGDU=", 0), 0u) << text;
    EXPECT_NE(text.find("[Plugins]\nfoo=bar\n"), std::string::npos) << text;
}

TEST_F(SettingsFileTest, DialogSaveWritesAllKeysAndTheTankTakesThem) {
    AquariumSettings values;
    values.frontColor = 255;
    values.lockFrontPhase = 12.6f;
    values.lockBackPhase = 3.0f;
    values.fog = 7;
    values.autoViews = 0;
    values.showWater = 1;
    values.fishCount.fill(9);

    SettingsFile(m_folder).saveAquariumSettings(values);

    const ProfileDocument file = doc();
    EXPECT_EQ(file.read("Aquarium Settings", "FRONTCOLOR"), "255");
    EXPECT_EQ(file.read("Aquarium Settings", "LOCKFORE ROT"), "12.600000");
    EXPECT_EQ(file.read("Aquarium Settings", "LOCKBACK ROT"), "3.000000");
    EXPECT_EQ(file.read("Aquarium Settings", "FOGNONGDU"), "7");
    EXPECT_EQ(file.read("Aquarium Settings", "CHECK VIEWS"), "0");
    EXPECT_EQ(file.read("Aquarium Settings", "Show Water"), "1");
    EXPECT_EQ(file.read("Aquarium Settings", "YINLIANG"), "32767");

    const auto texts = SettingsFile(m_folder).readAquariumSettings();
    for (std::size_t index = 0; index < AquariumKeys.size(); ++index)
        EXPECT_EQ(texts[index], file.read(AquariumSection, AquariumKeys[index].name))
            << AquariumKeys[index].name;

    AquariumSettings record;
    record.fishCount.fill(2);
    takeDialogSettings(record, values);
    EXPECT_EQ(record.frontColor, 255);
    EXPECT_EQ(record.fog, 7);
    EXPECT_EQ(record.lockFrontPhase, 0.0f);
    EXPECT_EQ(record.lockBackPhase, 0.0f);
    EXPECT_EQ(record.fishCount[0], 2) << "the dialog's values leave the fish counts alone";
}

TEST_F(SettingsFileTest, LazySaveReplacesTheFileOnlyWhenItsTextChanges) {
    SettingsFile file(m_folder);
    AquariumSettings values;
    file.saveAquariumSettings(values, SaveDurability::Lazy);
    const auto inode = [this] {
        struct stat status {};
        EXPECT_EQ(::stat(iniPath().c_str(), &status), 0);
        return status.st_ino;
    };
    const ino_t first = inode();

    file.saveAquariumSettings(values, SaveDurability::Lazy);
    EXPECT_EQ(inode(), first) << "an unchanged save leaves the file alone";

    values.lockFrontPhase = 42.5f;
    file.saveAquariumSettings(values, SaveDurability::Lazy);
    EXPECT_NE(inode(), first) << "a changed save replaces the file";
    EXPECT_EQ(doc().read("Aquarium Settings", "LOCKFORE ROT"), "42.500000");
    file.flushToDisk();
    EXPECT_EQ(doc().read("Aquarium Settings", "LOCKFORE ROT"), "42.500000");
}

TEST_F(SettingsFileTest, FishCountsRoundTripAndTheTankCutsThem) {
    SettingsFile file(m_folder);
    EXPECT_EQ(file.loadFishCounts(), (std::array<int, FishKindCount>{}));
    EXPECT_FALSE(fs::exists(iniPath())) << "loading counts writes nothing";

    std::array<int, FishKindCount> counts{};
    counts[0] = 3;
    counts[3] = 80;
    file.saveFishCounts(counts);
    EXPECT_EQ(file.loadFishCounts(), counts);
    AquariumSettings record;
    takeFishCounts(record, counts);
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
