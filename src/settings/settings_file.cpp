#include "settings/settings_file.h"

#include "settings/profile_numbers.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace quillmere {
namespace {

std::string fishKey(int kind) {
    return "Fish" + std::to_string(kind);
}

std::string flagText(bool set) {
    return set ? "1" : "0";
}

// A flag of the dialogs' sections counts as set only when its integer is exactly 1.
bool readFlag(const ProfileDocument& doc, std::string_view section, std::string_view key) {
    return parseProfileInt(doc.read(section, key)) == 1;
}

std::vector<std::string> readPaths(const ProfileDocument& doc, std::string_view section,
                                   std::string_view sumKey, std::string_view listKey) {
    const int count = std::clamp(parseProfileInt(doc.read(section, sumKey)), 0, MaxStoredListLength);
    return doc.readWholeList(section, listKey, static_cast<std::size_t>(count));
}

void writePaths(ProfileDocument& doc, std::string_view section, std::string_view sumKey,
                std::string_view listKey, const std::vector<std::string>& paths) {
    doc.write(section, sumKey, formatProfileInt(static_cast<long>(paths.size())));
    std::vector<std::string> values;
    values.reserve(paths.size());
    for (const std::string& path : paths)
        values.push_back(quotedProfileValue(path));
    doc.writeList(section, listKey, values);
}

std::string valueText(const AquariumKey& key, const AquariumSettings& values) {
    if (key.field.phase)
        return formatProfileFloat(values.*key.field.phase);
    const int value = values.*key.field.number;
    if (key.format == ValueFormat::Flag)
        return flagText(value != 0);
    return formatProfileInt(value);
}

// The value the start-up load keeps for a key read as `text`, and what it writes back, if anything.
struct StartupValue {
    int value;
    std::optional<std::string> repair;
};

StartupValue startupValue(const AquariumKey& key, const std::string& text) {
    const bool missing = text.empty();
    const int read = parseProfileInt(text);
    const std::string defaultText = missing && !key.missingText.empty() ? std::string(key.missingText)
                                                                        : formatProfileInt(key.defaultValue);
    switch (key.repair) {
    case Repair::Fixed:
        return {key.defaultValue, defaultText};
    case Repair::WhenMissing:
        if (missing)
            return {key.defaultValue, defaultText};
        break;
    case Repair::WhenOutOfRange:
        if (missing || read < key.range->min || read > key.range->max)
            return {key.defaultValue, defaultText};
        break;
    }
    return {read, std::nullopt};
}

// Fills the record from doc and writes the repaired and missing keys back into doc.
void applyStartupRules(ProfileDocument& doc, Random& random, AquariumSettings& settings,
                       CameraValues& camera) {
    for (const AquariumKey& key : AquariumKeys) {
        const StartupValue startup = startupValue(key, doc.read(AquariumSection, key.name));
        if (startup.repair)
            doc.write(AquariumSection, key.name, *startup.repair);
        key.field.store(settings, startup.value);
    }
    camera.liveLeftRight = settings.viewLeftRight;
    camera.liveNearFar = settings.viewNearFar;

    std::array<int, FishKindCount> counts{};
    for (int kind = 0; kind < FishKindCount; ++kind) {
        const std::string text = doc.read(FishSection, fishKey(kind));
        if (text.empty()) {
            counts[kind] = random.next() % 4;
            doc.write(FishSection, fishKey(kind), formatProfileInt(counts[kind]));
        } else {
            counts[kind] = std::min(parseProfileInt(text), MaxFishPerKind);
        }
    }
    settings.fishCount = counts;
}

} // namespace

SettingsFile::SettingsFile(std::optional<std::filesystem::path> folder, ProfileFileCalls calls)
    : m_file(folder ? *folder / SettingsFileName : std::filesystem::path(), std::move(calls)) {}

void SettingsFile::loadStartupSettings(Random& random, AquariumSettings& settings, CameraValues& camera) {
    ProfileDocument doc = m_file.load();
    applyStartupRules(doc, random, settings, camera);
    m_file.save(doc);
}

void SettingsFile::readStartupSettings(Random& random, AquariumSettings& settings, CameraValues& camera) {
    ProfileDocument doc = m_file.load();
    applyStartupRules(doc, random, settings, camera);
}

std::array<std::string, AquariumKeyCount> SettingsFile::readAquariumSettings() {
    const ProfileDocument doc = m_file.load();
    std::array<std::string, AquariumKeyCount> texts;
    for (std::size_t index = 0; index < AquariumKeys.size(); ++index)
        texts[index] = doc.read(AquariumSection, AquariumKeys[index].name);
    return texts;
}

void SettingsFile::saveAquariumSettings(const AquariumSettings& values, SaveDurability durability) {
    ProfileDocument doc = m_file.load();
    for (const AquariumKey& key : AquariumKeys)
        doc.write(AquariumSection, key.name, valueText(key, values));
    m_file.save(doc, durability);
}

std::array<int, FishKindCount> SettingsFile::loadFishCounts() {
    const ProfileDocument doc = m_file.load();
    std::array<int, FishKindCount> counts{};
    for (int kind = 0; kind < FishKindCount; ++kind)
        counts[kind] = parseProfileInt(doc.read(FishSection, fishKey(kind)));
    return counts;
}

void SettingsFile::saveFishCounts(const std::array<int, FishKindCount>& counts) {
    ProfileDocument doc = m_file.load();
    for (int kind = 0; kind < FishKindCount; ++kind)
        doc.write(FishSection, fishKey(kind), formatProfileInt(counts[kind]));
    m_file.save(doc);
}

ImageListState SettingsFile::loadImageList() {
    const ProfileDocument doc = m_file.load();
    ImageListState state;
    state.randomImage = readFlag(doc, ImagesSection, "RandomImage");
    state.cycImage = readFlag(doc, ImagesSection, "CycImage");
    state.repeatImage = readFlag(doc, ImagesSection, "RepeatImage");
    state.ownImage = readFlag(doc, ImagesSection, "OwnImage");
    state.imageTime = doc.read(ImagesSection, "ImageTime");
    if (state.imageTime.empty())
        state.imageTime = "5";
    state.paths = readPaths(doc, ImagesSection, "ImageSum", "ImageList");
    return state;
}

void SettingsFile::saveImageList(const ImageListState& state) {
    ProfileDocument doc = m_file.load();
    doc.write(ImagesSection, "RandomImage", flagText(state.randomImage));
    doc.write(ImagesSection, "CycImage", flagText(state.cycImage));
    doc.write(ImagesSection, "RepeatImage", flagText(state.repeatImage));
    doc.write(ImagesSection, "OwnImage", flagText(state.ownImage));
    // Quoted where needed, so that the next load reads the text as the box held it.
    doc.write(ImagesSection, "ImageTime", quotedProfileValue(state.imageTime));
    writePaths(doc, ImagesSection, "ImageSum", "ImageList", state.paths);
    m_file.save(doc);
}

MusicListState SettingsFile::loadMusicList() {
    const ProfileDocument doc = m_file.load();
    MusicListState state;
    state.randomMusic = readFlag(doc, MusicSection, "RandomMusic");
    state.cycMusic = readFlag(doc, MusicSection, "CycMusic");
    state.repeatMusic = readFlag(doc, MusicSection, "RepeatMusic");
    state.ownMusic = readFlag(doc, MusicSection, "OwnMusic");
    state.paths = readPaths(doc, MusicSection, "MusicSum", "MusicList");
    return state;
}

void SettingsFile::saveMusicList(const MusicListState& state) {
    ProfileDocument doc = m_file.load();
    doc.write(MusicSection, "RandomMusic", flagText(state.randomMusic));
    doc.write(MusicSection, "CycMusic", flagText(state.cycMusic));
    doc.write(MusicSection, "RepeatMusic", flagText(state.repeatMusic));
    doc.write(MusicSection, "OwnMusic", flagText(state.ownMusic));
    writePaths(doc, MusicSection, "MusicSum", "MusicList", state.paths);
    m_file.save(doc);
}

bool SettingsFile::readKeepScreenOn() {
    return readFlag(m_file.load(), DisplaySection, "KeepScreenOn");
}

FrameRateSetting SettingsFile::readFrameRate() {
    const std::string text = m_file.load().read(DisplaySection, "FrameRate");
    if (const std::optional<FrameRateSetting> setting = parseFrameRate(text))
        return *setting;
    std::fprintf(stderr,
                 "Quillmere: FrameRate=%s is neither auto nor a number of frames a second from 1 to %d; "
                 "following the display\n",
                 text.c_str(), MaxDrawRate);
    return FrameRateSetting{};
}

} // namespace quillmere
