#include "audio/built_in_music.h"

#include "assets/asset_catalogue.h"
#include "assets/asset_scrambling.h"
#include "audio/audio_levels.h"

#include <SDL_mixer.h>

#include <cstdint>
#include <vector>

namespace quillmere {

void BuiltInMusic::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

BuiltInMusic::BuiltInMusic(const AudioDevice& device, AssetTable assets)
    : m_device(device), m_assets(assets) {}

BuiltInMusic::~BuiltInMusic() {
    stopBuiltInMusic();
}

void BuiltInMusic::startBuiltInMusic(int yinliang) {
    if (!m_device.available())
        return;
    stopBuiltInMusic();
    setLevel(yinliang);
    // Decoded once: every later return to the tune only starts it again from its beginning.
    if (!m_chunk)
        m_chunk = decodeTune();
    if (m_chunk)
        Mix_PlayChannel(AudioDevice::TuneChannel, m_chunk.get(), -1);
}

std::unique_ptr<Mix_Chunk, BuiltInMusic::ChunkDeleter> BuiltInMusic::decodeTune() const {
    const auto stored = findAsset(m_assets, MusicAssetId);
    if (!stored)
        return nullptr;
    std::vector<std::uint8_t> wave(stored->begin(), stored->end());
    unscrambleBytes(wave);
    // The mixer decodes the whole tune into its chunk, so the unscrambled bytes can go once it is made.
    SDL_RWops* source = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    if (source == nullptr)
        return nullptr;
    return std::unique_ptr<Mix_Chunk, ChunkDeleter>(Mix_LoadWAV_RW(source, 1));
}

void BuiltInMusic::stopBuiltInMusic() {
    if (m_chunk && m_device.available())
        Mix_HaltChannel(AudioDevice::TuneChannel);
}

void BuiltInMusic::setLevel(int yinliang) {
    m_level = waveLevelForSetting(yinliang);
    if (m_device.available())
        Mix_Volume(AudioDevice::TuneChannel, mixerVolumeForWaveLevel(m_level));
}

bool BuiltInMusic::playing() const {
    return m_chunk && m_device.available() && Mix_Playing(AudioDevice::TuneChannel) != 0;
}

} // namespace quillmere
