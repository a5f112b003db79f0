#include "audio/built_in_music.h"

#include "assets/asset_catalogue.h"
#include "assets/asset_extraction.h"
#include "audio/audio_levels.h"

#include <SDL_mixer.h>

#include <cstdio>

namespace quillmere {
namespace {

constexpr const char* MusicAssetName = "Music";

} // namespace

void BuiltInMusic::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
    Mix_FreeChunk(chunk);
}

BuiltInMusic::BuiltInMusic(const AudioDevice& device, std::string assetFolder, AssetExtractor extract)
    : m_device(device), m_folder(std::move(assetFolder)), m_extract(std::move(extract)) {}

BuiltInMusic::~BuiltInMusic() {
    stopBuiltInMusic();
}

void BuiltInMusic::startBuiltInMusic(int yinliang) {
    if (!m_device.available())
        return;
    stopBuiltInMusic();
    const std::string packedFile = m_folder + MusicAssetName + ".ad";
    const std::string usableFile = m_folder + usableAssetFileName(MusicAssetName);
    m_extract(MusicAssetId, m_folder, MusicAssetName);
    setLevel(yinliang);
    // The whole tune is decoded into memory, so both files can go as soon as it plays.
    m_chunk.reset(Mix_LoadWAV(usableFile.c_str()));
    if (m_chunk)
        Mix_PlayChannel(AudioDevice::TuneChannel, m_chunk.get(), -1);
    std::remove(packedFile.c_str());
    std::remove(usableFile.c_str());
}

void BuiltInMusic::stopBuiltInMusic() {
    if (!m_chunk)
        return;
    Mix_HaltChannel(AudioDevice::TuneChannel);
    m_chunk.reset();
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
