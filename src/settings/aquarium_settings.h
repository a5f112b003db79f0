#pragma once

#include "core/color_ref.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

// The record of the section "Aquarium Settings" and the one table of its keys. Header only and free of
// file code, so that the scene and the fish read the record without linking the settings file.
namespace quillmere {

constexpr int FishKindCount = 15;
constexpr int MaxFishTotal = 50;
constexpr int MaxFishPerKind = 50;

// The scene settings the frame reads, one field per key of "Aquarium Settings"; each key's name,
// default, range and repair are its row of AquariumKeys below. A record starts with every key at its
// default from that table, and no fish.
struct AquariumSettings {
    constexpr AquariumSettings();

    int showWater;                              // stored and shown, drives nothing
    int showLight;                              // stored and shown, drives nothing
    int showTerra;                              // the built-in backdrop switch
    int frontFixed;                             // tint the backdrop with frontColor
    ColorRef frontColor;                        // the fixed tint
    int frontGradual;                           // drives nothing
    ColorRef frontColor1;                       // drives nothing
    ColorRef frontColor2;                       // drives nothing
    int frontAutoGradual;                       // the tint cycles by itself
    int lockFront;                              // freezes the cycle where it stands
    float lockFrontPhase;                       // where the cycle starts, in cycle units
    int backFixed;                              // drives nothing
    ColorRef backColor;                         // drives nothing
    int backGradual;                            // drives nothing
    ColorRef backColor1;                        // drives nothing
    ColorRef backColor2;                        // drives nothing
    int backAutoGradual;                        // drives nothing
    int lockBack;                               // drives nothing
    float lockBackPhase;                        // drives nothing
    int volume;                                 // inverted built-in music volume, 0 (loud) to 65535 (silent)
    int bubbleSetting;                          // the bubble system is given 1000 minus this
    int background;                             // built-in backdrop index 0..3
    std::array<int, FishKindCount> fishCount{}; // "Fish Number": per-kind counts, each at most 50
    int fog;                                    // 25 is no fog, 0 the densest
    int light;                                  // 0 is full light, 100 dark
    int autoViews;                              // the camera sweeps by itself
    int viewLeftRight;                          // eye x = value * 0.01 - 35
    int viewNearFar;                            // zoom = -value * 0.01
};

// The camera's live slider positions, kept up to date by the auto-view sweep.
struct CameraValues {
    int liveLeftRight = 0; // the range of "VIEWSLEFTRIGHT"
    int liveNearFar = 0;   // the range of "VIEWSNEARFAR"
};

// Where a key's value lives in the record: an integer, or one of the two cycle phases.
struct SettingsField {
    int AquariumSettings::*number = nullptr;
    float AquariumSettings::*phase = nullptr;

    constexpr SettingsField(int AquariumSettings::*field) : number(field) {}
    constexpr SettingsField(float AquariumSettings::*field) : phase(field) {}

    // A phase takes the integer as it is, as a float.
    constexpr void store(AquariumSettings& settings, int value) const {
        if (phase)
            settings.*phase = static_cast<float>(value);
        else
            settings.*number = value;
    }
};

enum class ValueFormat {
    Flag,    // written 1 for any value but 0
    Integer, // written as read
    Colour,  // a ColorRef, written as its integer
    Phase,   // a float, written "%f"; read back as its integer part at start-up
};

// What the start-up load does with the value it reads; every repair is written back to the file.
enum class Repair {
    Fixed,          // whatever is read, the default is stored
    WhenMissing,    // the value read; a missing key takes the default
    WhenOutOfRange, // the value read when it lies in the range; otherwise the default
};

// An inclusive range. The dialog's sliders span it, and the tank holds the value to it.
struct ValueRange {
    int min;
    int max;
};

struct AquariumKey {
    std::string_view name;
    SettingsField field;
    ValueFormat format;
    int defaultValue;
    Repair repair;
    std::optional<ValueRange> range = std::nullopt;
    // What a missing key is written as, where that is not the default's own text.
    std::string_view missingText = {};
};

constexpr int AquariumKeyCount = 27;

// The keys of "Aquarium Settings" in file order (the fish counts sit after "BACKGROUND" in the record,
// as it has always been laid out). Load, save, the settings dialog and the tests all read this table.
inline constexpr std::array<AquariumKey, AquariumKeyCount> AquariumKeys{{
    {"Show Water", &AquariumSettings::showWater, ValueFormat::Flag, 0, Repair::Fixed},
    {"Show Light", &AquariumSettings::showLight, ValueFormat::Flag, 0, Repair::Fixed},
    {"Show Terra", &AquariumSettings::showTerra, ValueFormat::Flag, 1, Repair::Fixed},
    {"FRONT GUDING", &AquariumSettings::frontFixed, ValueFormat::Flag, 1, Repair::WhenMissing},
    {"FRONTCOLOR", &AquariumSettings::frontColor, ValueFormat::Colour, 16777215, Repair::WhenMissing},
    {"FRONT MANJIANBIAN", &AquariumSettings::frontGradual, ValueFormat::Flag, 0, Repair::WhenMissing},
    {"FRONT COLOR1", &AquariumSettings::frontColor1, ValueFormat::Colour, 16777215, Repair::WhenMissing},
    {"FRONT COLOR2", &AquariumSettings::frontColor2, ValueFormat::Colour, 16777215, Repair::WhenMissing},
    {"FRONT AUTOJIANBIAN", &AquariumSettings::frontAutoGradual, ValueFormat::Flag, 0, Repair::WhenMissing},
    {"CHECK LOCKFORE", &AquariumSettings::lockFront, ValueFormat::Flag, 0, Repair::WhenMissing},
    {"LOCKFORE ROT", &AquariumSettings::lockFrontPhase, ValueFormat::Phase, 0, Repair::WhenMissing},
    {"BACK GUDING", &AquariumSettings::backFixed, ValueFormat::Flag, 1, Repair::Fixed},
    {"BACKCOLOR", &AquariumSettings::backColor, ValueFormat::Colour, 0, Repair::Fixed},
    {"BACK MANJIANBIAN", &AquariumSettings::backGradual, ValueFormat::Flag, 0, Repair::WhenMissing},
    {"BACK COLOR1", &AquariumSettings::backColor1, ValueFormat::Colour, 65280, Repair::WhenMissing},
    {"BACK COLOR2", &AquariumSettings::backColor2, ValueFormat::Colour, 0, Repair::WhenMissing},
    {"BACK AUTOJIANBIAN", &AquariumSettings::backAutoGradual, ValueFormat::Flag, 0, Repair::Fixed},
    {"CHECK LOCKBACK", &AquariumSettings::lockBack, ValueFormat::Flag, 0, Repair::WhenMissing},
    {"LOCKBACK ROT", &AquariumSettings::lockBackPhase, ValueFormat::Phase, 0, Repair::WhenMissing},
    {"YINLIANG", &AquariumSettings::volume, ValueFormat::Integer, 32767, Repair::WhenMissing,
     ValueRange{0, 65535}, "32767.5"},
    {"QIPAONUM", &AquariumSettings::bubbleSetting, ValueFormat::Integer, 100, Repair::WhenMissing,
     ValueRange{0, 1000}},
    {"BACKGROUND", &AquariumSettings::background, ValueFormat::Integer, 0, Repair::WhenMissing},
    {"FOGNONGDU", &AquariumSettings::fog, ValueFormat::Integer, 25, Repair::WhenOutOfRange,
     ValueRange{0, 25}},
    {"LIGHTQIANGDU", &AquariumSettings::light, ValueFormat::Integer, 0, Repair::WhenOutOfRange,
     ValueRange{0, 100}},
    {"CHECK VIEWS", &AquariumSettings::autoViews, ValueFormat::Flag, 1, Repair::WhenMissing},
    {"VIEWSLEFTRIGHT", &AquariumSettings::viewLeftRight, ValueFormat::Integer, 0, Repair::WhenMissing,
     ValueRange{0, 7000}},
    {"VIEWSNEARFAR", &AquariumSettings::viewNearFar, ValueFormat::Integer, 0, Repair::WhenMissing,
     ValueRange{0, 2000}},
}};

constexpr AquariumSettings::AquariumSettings() {
    for (const AquariumKey& key : AquariumKeys)
        key.field.store(*this, key.defaultValue);
}

// A record made while compiling, which fails to compile when a field has no row to give it a default.
inline constexpr AquariumSettings DefaultAquariumSettings{};

// The rows agree with their fields: a phase is written as one, and a range belongs to an integer.
consteval bool keyRowsAgree() {
    for (const AquariumKey& key : AquariumKeys) {
        if ((key.format == ValueFormat::Phase) != (key.field.phase != nullptr))
            return false;
        if ((key.range && key.field.number == nullptr) ||
            (key.repair == Repair::WhenOutOfRange && !key.range))
            return false;
    }
    return true;
}
static_assert(keyRowsAgree());

// The row of a field; a field without one does not compile where it is asked for in a constant.
constexpr const AquariumKey& aquariumKey(int AquariumSettings::*field) {
    for (const AquariumKey& key : AquariumKeys)
        if (key.field.number == field)
            return key;
    throw std::logic_error("a field without a key");
}

// The range of a field's key, found while compiling.
consteval ValueRange rangeOf(int AquariumSettings::*field) {
    return aquariumKey(field).range.value();
}

constexpr int clampTo(int value, ValueRange range) {
    return std::clamp(value, range.min, range.max);
}

// The running record once the settings dialog's values take effect: every key of the section. The
// fish counts are the fish dialog's, and the light cycle's phase runs in the scene, so neither phase
// is kept here.
constexpr void takeDialogSettings(AquariumSettings& running, const AquariumSettings& values) {
    const std::array<int, FishKindCount> counts = running.fishCount;
    running = values;
    running.fishCount = counts;
    running.lockFrontPhase = 0.0f;
    running.lockBackPhase = 0.0f;
}

// The fish dialog's counts as the running record takes them: each kind holds at most 50.
constexpr void takeFishCounts(AquariumSettings& running, const std::array<int, FishKindCount>& counts) {
    for (int kind = 0; kind < FishKindCount; ++kind)
        running.fishCount[kind] = std::min(counts[kind], MaxFishPerKind);
}

// The fish the tank holds for per-kind counts: kinds fill the 50 places in order, so when the counts
// add up to more than 50 the last kinds are cut; a negative count holds no fish.
constexpr std::array<int, FishKindCount> limitPopulation(const std::array<int, FishKindCount>& counts) {
    std::array<int, FishKindCount> limited{};
    int room = MaxFishTotal;
    for (int kind = 0; kind < FishKindCount; ++kind) {
        limited[kind] = std::clamp(counts[kind], 0, room);
        room -= limited[kind];
    }
    return limited;
}

} // namespace quillmere
