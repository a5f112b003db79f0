#pragma once

#include <array>
#include <cstdint>

namespace quillmere {

constexpr int FishKindCount = 15;
constexpr int MaxFishTotal = 50;
constexpr int MaxFishPerKind = 50;

// Windows colour value: 0x00BBGGRR, red in the low byte.
using ColorRef = std::int32_t;

// The scene settings the frame reads, one field per key of the section "Aquarium Settings"
// in file order (the fish counts sit after "BACKGROUND", as the record has always laid them out).
struct AquariumSettings {
    int showWater = 0;               // "Show Water": stored and shown, drives nothing
    int showLight = 0;               // "Show Light": stored and shown, drives nothing
    int showTerra = 1;               // "Show Terra": the built-in backdrop switch
    int frontFixed = 1;              // "FRONT GUDING": tint the backdrop with frontColor
    ColorRef frontColor = 16777215;  // "FRONTCOLOR"
    int frontGradual = 0;            // "FRONT MANJIANBIAN": drives nothing
    ColorRef frontColor1 = 16777215; // "FRONT COLOR1": drives nothing
    ColorRef frontColor2 = 16777215; // "FRONT COLOR2": drives nothing
    int frontAutoGradual = 0;        // "FRONT AUTOJIANBIAN": the tint cycles by itself
    int lockFront = 0;               // "CHECK LOCKFORE": freezes the cycle where it stands
    float lockFrontPhase = 0.0f;     // "LOCKFORE ROT": where the cycle starts, in cycle units
    int backFixed = 1;               // "BACK GUDING": drives nothing
    ColorRef backColor = 0;          // "BACKCOLOR": drives nothing
    int backGradual = 0;             // "BACK MANJIANBIAN": drives nothing
    ColorRef backColor1 = 65280;     // "BACK COLOR1": drives nothing
    ColorRef backColor2 = 0;         // "BACK COLOR2": drives nothing
    int backAutoGradual = 0;         // "BACK AUTOJIANBIAN": drives nothing
    int lockBack = 0;                // "CHECK LOCKBACK": drives nothing
    float lockBackPhase = 0.0f;      // "LOCKBACK ROT": drives nothing
    int volume = 32767;              // "YINLIANG": inverted built-in music volume, 0 (loud) to 65535 (silent)
    int bubbleSetting = 100;         // "QIPAONUM": the bubble system is given 1000 minus this
    int background = 0;              // "BACKGROUND": built-in backdrop index 0..3
    std::array<int, FishKindCount> fishCount{}; // "Fish Number": per-kind counts, each at most 50
    int fog = 25;                               // "FOGNONGDU": 0..25, density (25 - fog) * 0.0005
    int light = 0;                              // "LIGHTQIANGDU": 0..100, intensity (100 - light) * 0.01
    int autoViews = 1;                          // "CHECK VIEWS": the camera sweeps by itself
    int viewLeftRight = 0;                      // "VIEWSLEFTRIGHT": 0..7000, eye x = value * 0.01 - 35
    int viewNearFar = 0;                        // "VIEWSNEARFAR": 0..2000, zoom = -value * 0.01
};

// The ends of the dialog's view sliders and of the bubble, fog and light settings.
constexpr int MaxViewLeftRight = 7000;
constexpr int MaxViewNearFar = 2000;
constexpr int MaxBubbleSetting = 1000;
constexpr int MaxFogSetting = 25;
constexpr int MaxLightSetting = 100;

// The camera's live slider positions, kept up to date by the auto-view sweep.
struct CameraValues {
    int liveLeftRight = 0; // 0..7000
    int liveNearFar = 0;   // 0..2000
};

// The fish the tank holds for per-kind counts: kinds fill the 50 places in order, so when the counts
// add up to more than 50 the last kinds are cut; a negative count holds no fish.
std::array<int, FishKindCount> limitPopulation(const std::array<int, FishKindCount>& counts);

} // namespace quillmere
