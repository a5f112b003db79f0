#pragma once

#include "core/draw_rate.h"
#include "core/random.h"
#include "settings/aquarium_settings.h"
#include "settings/profile_file.h"
#include "settings/settings_keys.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// "Custom Images": the Custom Background dialog's state.
struct ImageListState {
    bool randomImage = false;       // "RandomImage"
    bool cycImage = false;          // "CycImage": Repeat All
    bool repeatImage = false;       // "RepeatImage": Repeat One
    bool ownImage = false;          // "OwnImage"
    std::string imageTime = "5";    // "ImageTime", seconds exactly as typed; empty reads as "5"
    std::vector<std::string> paths; // ImageList0 ...

    bool operator==(const ImageListState&) const = default;
};

// "Custom Settings": the Custom Music dialog's state.
struct MusicListState {
    bool randomMusic = false;       // "RandomMusic"
    bool cycMusic = false;          // "CycMusic": Repeat All
    bool repeatMusic = false;       // "RepeatMusic": Repeat One
    bool ownMusic = false;          // "OwnMusic"
    std::vector<std::string> paths; // MusicList0 ...

    bool operator==(const MusicListState&) const = default;
};

// Longest list read back from "ImageSum" / "MusicSum": a corrupt count must not make start-up loop
// over keys that are not there. The Custom Music dialog takes no more rows than this.
constexpr int MaxStoredListLength = 50000;

// "QuillmereSet.ini" in the per-user settings folder. Every operation reads the file once at its start
// and replaces it atomically once at its end when it changed anything.
class SettingsFile {
public:
    // No folder (no home folder could be found): every load reads as a missing file and nothing is saved.
    explicit SettingsFile(std::optional<std::filesystem::path> folder,
                          ProfileFileCalls calls = ProfileFileCalls::system());

    const std::filesystem::path& path() const { return m_file.path(); }

    // Fills the record and the live camera values at start-up, repairing and writing back keys;
    // each missing "FishN" key draws one number from the generator.
    void loadStartupSettings(Random& random, AquariumSettings& settings, CameraValues& camera);

    // The same values and generator draws as loadStartupSettings, for a reader that must leave the
    // file as it is (the screen saver): nothing is repaired on disk and nothing is created.
    void readStartupSettings(Random& random, AquariumSettings& settings, CameraValues& camera);

    // The texts of the 27 keys of "Aquarium Settings" in file order ("" when missing); writes nothing.
    std::array<std::string, AquariumKeyCount> readAquariumSettings();

    // Writes the 27 keys from the dialog's values; the running tank takes them through TankLink. The
    // dialog's 100 ms timer saves lazily: the file is replaced only when its text changes, without
    // waiting for the disk.
    void saveAquariumSettings(const AquariumSettings& values,
                              SaveDurability durability = SaveDurability::Durable);

    // Makes what lazy saves wrote reach the disk: on the dialog's close and at program exit.
    void flushToDisk() { m_file.flushToDisk(); }

    // Fish0 to Fish14 as integers; a missing key gives 0 and nothing is written.
    std::array<int, FishKindCount> loadFishCounts();

    // Writes Fish0 to Fish14 as given; the running tank takes them through TankLink.
    void saveFishCounts(const std::array<int, FishKindCount>& counts);

    ImageListState loadImageList();
    void saveImageList(const ImageListState& state);

    MusicListState loadMusicList();
    void saveMusicList(const MusicListState& state);

    // "KeepScreenOn" in the section "Display" is exactly 1: hold off screen blanking (and with it the
    // desktop's idle lock) while the tank shows. Only a person sets it; the program never writes it.
    bool readKeepScreenOn();

    // "FrameRate" in the section "Display": auto when absent; text that is neither auto nor a frame rate
    // is reported on stderr and read as auto. Only a person sets it; the program never writes it.
    FrameRateSetting readFrameRate();

private:
    ProfileFile m_file;
};

} // namespace quillmere
