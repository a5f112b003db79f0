#include "audio/audio_levels.h"

#include <algorithm>

namespace quillmere {

int waveLevelForSetting(int yinliang) {
    // Widened so that the subtraction cannot overflow for any int read from the file.
    const long long level = static_cast<long long>(MaxWaveLevel) - yinliang;
    return static_cast<int>(std::clamp<long long>(level, 0, MaxWaveLevel));
}

int mixerVolumeForWaveLevel(int level) {
    const int bounded = std::clamp(level, 0, MaxWaveLevel);
    return (bounded * MaxMixerVolume + MaxWaveLevel / 2) / MaxWaveLevel;
}

int mixerVolumeForMusicVolume(int volume) {
    const int bounded = std::clamp(volume, 0, MaxMusicVolume);
    return (bounded * MaxMixerVolume + MaxMusicVolume / 2) / MaxMusicVolume;
}

} // namespace quillmere
