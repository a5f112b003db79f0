#pragma once

#include "assets/asset_table.h"
#include "audio/audio_device.h"
#include "audio/built_in_tune.h"

#include <memory>

struct Mix_Chunk;

namespace quillmere {

// The built-in tune: embedded resource 227, unscrambled in memory and decoded by the mixer straight
// from there (it never touches the disk, so restarting it cannot fail on a full or read-only folder),
// looped on the mixer channel kept for it.
class BuiltInMusic : public BuiltInTune {
public:
    // assets: embeddedAssetTable() in the program, a table of their own in the tests.
    BuiltInMusic(const AudioDevice& device, AssetTable assets);
    ~BuiltInMusic() override;
    BuiltInMusic(const BuiltInMusic&) = delete;
    BuiltInMusic& operator=(const BuiltInMusic&) = delete;

    void startBuiltInMusic(int yinliang) override;
    void stopBuiltInMusic() override;

    // To both ears.
    void setLevel(int yinliang) override;
    // 0 to 65535.
    int level() const { return m_level; }
    bool playing() const;

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };

    std::unique_ptr<Mix_Chunk, ChunkDeleter> decodeTune() const;

    const AudioDevice& m_device;
    AssetTable m_assets;
    std::unique_ptr<Mix_Chunk, ChunkDeleter> m_chunk;
    int m_level = 0;
};

} // namespace quillmere
