// Fuzz target: any bytes as the settings file, read the ways the program reads it: the start-up load
// with its repairs, the Aquarium Settings form, the fish counts into the fish dialog's model and both
// stored lists. Whatever the file holds, every value lands in its range, a second start-up finds nothing
// left to repair, and each list saved comes back as it was loaded.
#include "core/random.h"
#include "settings/profile_document.h"
#include "settings/profile_numbers.h"
#include "settings/settings_file.h"
#include "ui/fish_dialog/fish_counts.h"
#include "ui/settings_dialog/settings_form.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>

namespace quillmere {
namespace {

namespace fs = std::filesystem;

void check(bool holds) {
    if (!holds)
        std::abort();
}

constexpr int RowsWorthFuzzing = 64;

bool within(int value, int min, int max) {
    return value >= min && value <= max;
}

bool within(int value, ValueRange range) {
    return within(value, range.min, range.max);
}

// The running tank as the settings form sees it.
class QuietTank : public TankLink {
public:
    CameraValues liveCamera() const override { return {1234, 567}; }
    void setLiveCamera(const CameraValues&) override {}
    void setTuneVolume(int yinliang) override { check(within(yinliang, rangeOf(&AquariumSettings::volume))); }
    float tintPhase() const override { return 0.0f; }
    void resumeTintPhase(float) override {}
    void applySettings(const AquariumSettings& values) override { takeDialogSettings(running, values); }
    void applyFishCounts(const std::array<int, FishKindCount>& counts) override {
        takeFishCounts(running, counts);
    }
    PictureId requestPicture(const std::string&) override { return PictureId::NoPicture; }
    void releasePicture(PictureId) override {}
    std::vector<PictureOutcome> takePictureOutcomes() override { return {}; }
    void showPicture(std::optional<PictureId>) override {}
    void setOwnMusicOn(bool) override {}
    bool tankRunning() const override { return true; }

    AquariumSettings running;
};

// One folder for the whole run, removed when the fuzzer exits.
struct ScratchFolder {
    fs::path path = fs::temp_directory_path() / ("quillmere-settings-fuzz-" + std::to_string(::getpid()));
    ScratchFolder() { fs::create_directories(path); }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void checkStartupRecord(const AquariumSettings& s, const CameraValues& camera) {
    check(s.showWater == 0 && s.showLight == 0 && s.showTerra == 1);
    check(s.backFixed == 1 && s.backColor == 0 && s.backAutoGradual == 0);
    check(within(s.fog, rangeOf(&AquariumSettings::fog)) &&
          within(s.light, rangeOf(&AquariumSettings::light)));
    for (const int count : s.fishCount)
        check(count <= MaxFishPerKind);
    check(camera.liveLeftRight == s.viewLeftRight && camera.liveNearFar == s.viewNearFar);
}

void checkFormValues(const AquariumSettings& s) {
    for (const AquariumKey& key : AquariumKeys)
        if (key.range)
            check(within(s.*key.field.number, *key.range));
    check(within(s.autoViews, 0, 1) && within(s.showTerra, 0, 1) && within(s.lockFront, 0, 1));
}

void checkFishCounts(FishCounts& counts, Random& random) {
    const auto inRange = [&counts] {
        for (const int count : counts.counts())
            check(within(count, 0, MaxFishPerKind));
        check(within(counts.total(), 0, FishKindCount * MaxFishPerKind));
    };
    inRange();
    for (int kind = 0; kind < FishKindCount; ++kind) {
        const CellRect cell = fishCell(kind);
        counts.clickAt(cell.left, cell.top);
        const int before = counts.total();
        check(counts.add() == (before < MaxFishTotal));
        counts.remove();
        counts.remove();
        inRange();
    }
    counts.randomise(random);
    check(counts.total() <= MaxFishTotal);
}

} // namespace
} // namespace quillmere

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    static const ScratchFolder folder;
    const fs::path ini = folder.path / SettingsFileName;
    std::ofstream(ini, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    Random random;
    AquariumSettings record;
    CameraValues camera;
    SettingsFile(folder.path).loadStartupSettings(random, record, camera);
    checkStartupRecord(record, camera);

    // What the first start-up repaired stays repaired: the next one reads the same and writes nothing.
    const std::string repaired = fileText(ini);
    Random again;
    AquariumSettings reread;
    CameraValues rereadCamera;
    SettingsFile file(folder.path);
    file.loadStartupSettings(again, reread, rereadCamera);
    check(fileText(ini) == repaired);
    check(reread.fishCount == record.fishCount && reread.fog == record.fog && reread.volume == record.volume);
    file.readKeepScreenOn();

    QuietTank tank;
    tank.running = record;
    SettingsForm form(tank, file);
    form.open();
    const std::optional<int> preview = form.previewIndex();
    check(!preview || within(*preview, 0, 3));
    form.tick(size % 2 == 0);
    form.close(size % 3 == 0);
    checkFormValues(tank.running);

    FishCounts counts;
    counts.load(file.loadFishCounts());
    checkFishCounts(counts, random);
    file.saveFishCounts(counts.counts());
    tank.applyFishCounts(counts.counts());
    for (const int count : tank.running.fishCount)
        check(within(count, 0, MaxFishPerKind));

    // Each row of a stored list costs a pass over the file, so a count in the hundreds (the cap is 1000,
    // tested on its own) only slows the fuzzer; such inputs still run everything above.
    const ProfileDocument stored = ProfileDocument::parse(repaired);
    if (parseProfileInt(stored.read(ImagesSection, "ImageSum")) > RowsWorthFuzzing ||
        parseProfileInt(stored.read(MusicSection, "MusicSum")) > RowsWorthFuzzing)
        return 0;
    const ImageListState images = file.loadImageList();
    check(images.paths.size() <= static_cast<std::size_t>(MaxStoredListLength) && !images.imageTime.empty());
    file.saveImageList(images);
    check(file.loadImageList() == images);
    const MusicListState music = file.loadMusicList();
    file.saveMusicList(music);
    check(file.loadMusicList() == music);
    return 0;
}
