#pragma once

#include "assets/asset_catalogue.h"
#include "assets/asset_scrambling.h"
#include "audio/built_in_music.h"
#include "sound_files.h"

#include <cstdint>
#include <vector>

namespace quillmere::testing_audio {

// A built-in tune of the test's own, stored scrambled as resource 227 in a table of one.
class TuneAsset {
public:
    explicit TuneAsset(std::vector<Frame> tune) : m_tune(std::move(tune)), m_stored(waveFileBytes(m_tune)) {
        scrambleBytes(m_stored);
        m_table.push_back(AssetResource{MusicAssetId, m_stored});
    }
    TuneAsset(const TuneAsset&) = delete;
    TuneAsset& operator=(const TuneAsset&) = delete;

    const std::vector<Frame>& tune() const { return m_tune; }

    AssetTable table() const { return m_table; }

private:
    std::vector<Frame> m_tune;
    std::vector<std::uint8_t> m_stored;
    std::vector<AssetResource> m_table;
};

} // namespace quillmere::testing_audio
