#include "settings/profile_document.h"
#include "settings/settings_file.h"
#include "ui/settings_dialog/settings_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

// The running tank as the form sees it.
class FakeTank : public TankLink {
public:
    CameraValues liveCamera() const override { return camera; }
    void setLiveCamera(const CameraValues& values) override {
        camera = values;
        ++cameraMoves;
    }
    void setTuneVolume(int yinliang) override { tuneLevels.push_back(yinliang); }
    float tintPhase() const override { return phase; }
    void resumeTintPhase(float stored) override { resumedFrom = stored; }
    void applySettings(const AquariumSettings& values) override { applied.push_back(values); }
    void applyFishCounts(const std::array<int, FishKindCount>&) override {}
    PictureId requestPicture(const std::string&) override { return PictureId::NoPicture; }
    void releasePicture(PictureId) override {}
    std::vector<PictureOutcome> takePictureOutcomes() override { return {}; }
    void showPicture(std::optional<PictureId>) override {}
    void setOwnMusicOn(bool) override {}
    bool tankRunning() const override { return true; }

    CameraValues camera{1234, 567};
    int cameraMoves = 0;
    std::vector<int> tuneLevels;
    float phase = 42.5f;
    float resumedFrom = -1.0f;
    std::vector<AquariumSettings> applied;
};

// What the start-up load leaves in a file with no settings, with the light cycling.
constexpr const char* StartupIni = "[Aquarium Settings]\n"
                                   "Show Water=0\nShow Light=0\nShow Terra=1\nFRONT GUDING=0\n"
                                   "FRONTCOLOR=16777215\nFRONT MANJIANBIAN=0\nFRONT COLOR1=255\n"
                                   "FRONT COLOR2=65535\nFRONT AUTOJIANBIAN=1\nCHECK LOCKFORE=1\n"
                                   "LOCKFORE ROT=123.456000\nBACK GUDING=1\nBACKCOLOR=0\n"
                                   "BACK MANJIANBIAN=0\nBACK COLOR1=65280\nBACK COLOR2=0\n"
                                   "BACK AUTOJIANBIAN=0\nCHECK LOCKBACK=0\nLOCKBACK ROT=7.250000\n"
                                   "YINLIANG=32767.5\nQIPAONUM=100\nBACKGROUND=2\nFOGNONGDU=25\n"
                                   "LIGHTQIANGDU=0\nCHECK VIEWS=1\nVIEWSLEFTRIGHT=3000\nVIEWSNEARFAR=800\n"
                                   "[Fish Number]\nFish0=4\n";

class SettingsFormTest : public testing::Test {
protected:
    static fs::path testFolder() {
        return fs::temp_directory_path() / ("quillmere-form-" + std::to_string(::getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void SetUp() override {
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void writeIni(const std::string& text) const {
        std::ofstream(m_folder / "QuillmereSet.ini", std::ios::binary) << text;
    }
    std::string readIni() const {
        std::ifstream in(m_folder / "QuillmereSet.ini", std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    std::string key(std::string_view name) const {
        return ProfileDocument::parse(readIni()).read(AquariumSection, name);
    }

    // The form opened over StartupIni with one key replaced.
    SettingsForm& openWith(std::string_view name = {}, std::string_view value = {}) {
        ProfileDocument doc = ProfileDocument::parse(StartupIni);
        if (!name.empty())
            doc.write(AquariumSection, name, value);
        writeIni(doc.text());
        m_form.open();
        return m_form;
    }

    fs::path m_folder = testFolder();
    FakeTank m_tank;
    SettingsFile m_file{m_folder};
    SettingsForm m_form{m_tank, m_file};
};

TEST_F(SettingsFormTest, OpeningReadsEveryControlAndWritesNothing) {
    SettingsForm& form = openWith();
    EXPECT_EQ(readIni(), StartupIni);
    EXPECT_FALSE(form.flag(FormFlag::ShowWater));
    EXPECT_TRUE(form.flag(FormFlag::ShowTerra));
    EXPECT_TRUE(form.flag(FormFlag::LockFront));
    EXPECT_EQ(form.mode(ColourGroup::Light), ColourMode::AutoGradual);
    EXPECT_EQ(form.mode(ColourGroup::Backdrop), ColourMode::Fixed);
    EXPECT_EQ(form.colour(ColourSlot::Front1), 255);
    EXPECT_EQ(form.colour(ColourSlot::Back1), 65280);
    EXPECT_EQ(form.verticalSliders().volume, 32767);
    EXPECT_EQ(form.verticalSliders().fog, 25);
    EXPECT_EQ(form.viewSliders().liveLeftRight, 3000);
    EXPECT_EQ(form.viewSliders().liveNearFar, 800);
    EXPECT_TRUE(form.autoViews());
    EXPECT_FLOAT_EQ(m_tank.resumedFrom, 123.456f);
    EXPECT_EQ(form.previewIndex(), 2);
}

TEST_F(SettingsFormTest, OpeningInterpretsEachKeyByItsRule) {
    struct Case {
        std::string_view key;
        std::string_view value;
        std::function<bool(const SettingsForm&)> holds;
        const char* what;
    };
    using F = const SettingsForm&;
    const Case cases[] = {
        {"Show Terra", "2", [](F f) { return !f.flag(FormFlag::ShowTerra); }, "only 1 checks a box"},
        {"CHECK VIEWS", "-1", [](F f) { return !f.autoViews(); }, "only 1 checks auto views"},
        {"FRONT AUTOJIANBIAN", "0", [](F f) { return f.mode(ColourGroup::Light) == ColourMode::AutoGradual; },
         "no mode key keeps Auto Gradually Color"},
        {"FRONT MANJIANBIAN", "1", [](F f) { return f.mode(ColourGroup::Light) == ColourMode::AutoGradual; },
         "the later mode key wins"},
        {"FRONT AUTOJIANBIAN", "2", [](F f) { return f.mode(ColourGroup::Light) == ColourMode::AutoGradual; },
         "a mode key of 2 selects nothing"},
        {"BACK MANJIANBIAN", "1", [](F f) { return f.mode(ColourGroup::Backdrop) == ColourMode::Gradual; },
         "gradual after fixed"},
        {"QIPAONUM", "5000",
         [](F f) { return f.verticalSliders().bubbles == rangeOf(&AquariumSettings::bubbleSetting).max; },
         "bubbles to the range"},
        {"FOGNONGDU", "-3", [](F f) { return f.verticalSliders().fog == 0; }, "fog to the range"},
        {"LIGHTQIANGDU", "100", [](F f) { return f.verticalSliders().light == 100; }, "light at its end"},
        {"YINLIANG", "", [](F f) { return f.verticalSliders().volume == 0; }, "a missing key reads 0"},
        {"VIEWSLEFTRIGHT", "9000",
         [](F f) { return f.viewSliders().liveLeftRight == rangeOf(&AquariumSettings::viewLeftRight).max; },
         "view range"},
        {"FRONTCOLOR", "-16777216", [](F f) { return f.colour(ColourSlot::Front) == -16777216; },
         "colours are kept as read"},
        {"BACKGROUND", "3", [](F f) { return f.previewIndex() == 3; }, "preview 3"},
        {"BACKGROUND", "4", [](F f) { return !f.previewIndex() && f.background() == 4; }, "no preview for 4"},
        {"BACKGROUND", "-1", [](F f) { return !f.previewIndex(); }, "no preview for -1"},
    };
    for (const Case& c : cases) {
        FakeTank tank;
        SettingsForm form(tank, m_file);
        ProfileDocument doc = ProfileDocument::parse(StartupIni);
        doc.write(AquariumSection, c.key, c.value);
        writeIni(doc.text());
        form.open();
        EXPECT_TRUE(c.holds(form)) << c.what << ": " << c.key << "=" << c.value;
    }
}

TEST_F(SettingsFormTest, EachTickWritesEveryKeyAndHandsThemToTheTank) {
    SettingsForm& form = openWith();
    form.verticalSlidersMoved({1000, 200, 5, 60});
    EXPECT_EQ(key("FOGNONGDU"), "25") << "the file waits for the timer";
    EXPECT_TRUE(m_tank.applied.empty()) << "so does the tank";
    form.tick(true);
    EXPECT_EQ(key("FOGNONGDU"), "5");
    EXPECT_EQ(key("QIPAONUM"), "200");
    EXPECT_EQ(key("LIGHTQIANGDU"), "60");
    EXPECT_EQ(key("YINLIANG"), "1000");
    EXPECT_EQ(key("LOCKFORE ROT"), "42.500000") << "the tank's running phase";
    EXPECT_EQ(key("LOCKBACK ROT"), "7.250000");
    EXPECT_EQ(key("BACKGROUND"), "2");
    ASSERT_EQ(m_tank.applied.size(), 1u);
    EXPECT_EQ(m_tank.applied.back().fog, 5);
    EXPECT_EQ(m_tank.applied.back().light, 60);
    EXPECT_EQ(m_tank.applied.back().frontAutoGradual, 1);
    EXPECT_FLOAT_EQ(m_tank.applied.back().lockFrontPhase, 42.5f);
    const ProfileDocument doc = ProfileDocument::parse(readIni());
    for (const AquariumKey& k : AquariumKeys)
        EXPECT_FALSE(doc.read(AquariumSection, k.name).empty()) << k.name;
}

TEST_F(SettingsFormTest, ClosingSavesTheLastChange) {
    SettingsForm& form = openWith();
    form.tick(true);
    form.verticalSlidersMoved({100, 100, 3, 0});
    form.close(true);
    EXPECT_EQ(key("FOGNONGDU"), "3");
    EXPECT_EQ(m_tank.applied.back().fog, 3);
}

// Esc right after a click on "Auto change views of the tank", before the next tick.
TEST_F(SettingsFormTest, ClosingSavesTheAutoViewsBoxAsItShows) {
    for (const bool checked : {false, true}) {
        SettingsForm& form = openWith();
        form.tick(!checked);
        form.close(checked);
        EXPECT_EQ(key("CHECK VIEWS"), checked ? "1" : "0");
        EXPECT_EQ(m_tank.applied.back().autoViews, checked ? 1 : 0);
    }
}

TEST_F(SettingsFormTest, ABackdropOutsideTheFourLeavesThePreviewsAsTheyWere) {
    const PreviewsShown all{true, true, true, true};
    const PreviewsShown some{false, true, false, true};
    struct Case {
        const char* background;
        PreviewsShown before;
        PreviewsShown after;
    };
    for (const Case& c :
         {Case{"0", all, {true, false, false, false}}, Case{"3", some, {false, false, false, true}},
          Case{"4", all, all}, Case{"-1", some, some}, Case{"x", some, {true, false, false, false}}}) {
        const SettingsForm& form = openWith("BACKGROUND", c.background);
        EXPECT_EQ(form.shownPreviews(c.before), c.after) << "BACKGROUND=" << c.background;
    }
}

TEST_F(SettingsFormTest, SoundSetsTheTuneAtOnce) {
    SettingsForm& form = openWith();
    form.verticalSlidersMoved({0, 100, 25, 0});
    form.verticalSlidersMoved({65535, 100, 25, 0});
    EXPECT_EQ(m_tank.tuneLevels, (std::vector<int>{0, 65535}));
}

TEST_F(SettingsFormTest, AutoViewsMakeTheSlidersFollowTheCameraWithoutSavingItsPlace) {
    SettingsForm& form = openWith();
    const std::optional<CameraValues> follow = form.tick(true);
    ASSERT_TRUE(follow);
    EXPECT_EQ(follow->liveLeftRight, 1234);
    EXPECT_EQ(follow->liveNearFar, 567);
    EXPECT_EQ(key("VIEWSLEFTRIGHT"), "3000");
    // A drag while the views change by themselves leaves the camera alone.
    form.viewSlidersMoved({0, 0});
    EXPECT_EQ(m_tank.cameraMoves, 0);
    EXPECT_EQ(form.tick(true)->liveLeftRight, 1234);
}

TEST_F(SettingsFormTest, FixedViewsMoveTheCameraAtOnce) {
    SettingsForm& form = openWith();
    EXPECT_FALSE(form.tick(false));
    EXPECT_EQ(key("CHECK VIEWS"), "0");
    EXPECT_EQ(m_tank.applied.back().autoViews, 0);
    form.viewSlidersMoved({4000, 0});
    EXPECT_EQ(m_tank.cameraMoves, 1);
    EXPECT_EQ(m_tank.camera.liveLeftRight, 4000);
    EXPECT_EQ(m_tank.camera.liveNearFar, 0);
    form.tick(false);
    EXPECT_EQ(key("VIEWSNEARFAR"), "0");
}

TEST_F(SettingsFormTest, ModeButtonsAndColoursSelectOneModePerGroup) {
    struct Case {
        ColourSlot slot;
        ColourMode light;
        ColourMode backdrop;
    };
    const Case cases[] = {
        {ColourSlot::Front, ColourMode::Fixed, ColourMode::AutoGradual},
        {ColourSlot::Front1, ColourMode::AutoGradual, ColourMode::AutoGradual},
        {ColourSlot::Front2, ColourMode::AutoGradual, ColourMode::AutoGradual},
        {ColourSlot::Back, ColourMode::AutoGradual, ColourMode::Fixed},
        {ColourSlot::Back1, ColourMode::AutoGradual, ColourMode::Gradual},
        {ColourSlot::Back2, ColourMode::AutoGradual, ColourMode::Gradual},
    };
    for (const Case& c : cases) {
        SettingsForm form(m_tank, m_file);
        form.chooseColour(c.slot, 0x123456);
        EXPECT_EQ(form.colour(c.slot), 0x123456);
        EXPECT_EQ(form.mode(ColourGroup::Light), c.light) << static_cast<int>(c.slot);
        EXPECT_EQ(form.mode(ColourGroup::Backdrop), c.backdrop) << static_cast<int>(c.slot);
    }

    SettingsForm& form = openWith();
    form.chooseColour(ColourSlot::Front, 255);
    form.selectMode(ColourGroup::Light, ColourMode::Fixed);
    form.tick(true);
    EXPECT_EQ(key("FRONT GUDING"), "1");
    EXPECT_EQ(key("FRONT MANJIANBIAN"), "0");
    EXPECT_EQ(key("FRONT AUTOJIANBIAN"), "0");
    EXPECT_EQ(key("FRONTCOLOR"), "255");
    EXPECT_EQ(m_tank.applied.back().frontColor, 255);
}

} // namespace
} // namespace quillmere
