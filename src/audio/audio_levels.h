#pragma once

namespace quillmere {

// The full-scale wave output level, one 16-bit channel.
constexpr int MaxWaveLevel = 65535;
// The custom player's volume scale: 0 silent, 1000 the device's normal level.
constexpr int MaxMusicVolume = 1000;
// SDL_mixer's full volume (MIX_MAX_VOLUME), kept here so the mapping is testable without SDL.
constexpr int MaxMixerVolume = 128;

// The built-in tune's level for the setting "YINLIANG", which is stored inverted (0 loudest).
// Values outside 0..65535 are not bounded at start-up; they are clamped here rather than wrapped,
// so a stray value can neither blast the tune nor push it into one ear.
int waveLevelForSetting(int yinliang);

// A 0..65535 wave level on SDL_mixer's 0..128 scale, rounded to the nearest step.
int mixerVolumeForWaveLevel(int level);

// A 0..1000 player volume on SDL_mixer's 0..128 scale; values outside 0..1000 are clamped.
int mixerVolumeForMusicVolume(int volume);

} // namespace quillmere
