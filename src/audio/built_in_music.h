#pragma once

#include "audio/audio_device.h"
#include "audio/built_in_tune.h"

#include <functional>
#include <memory>
#include <string>

struct Mix_Chunk;

namespace quillmere {

// Extracts embedded resource id into folder + name + ".ad" and its usable file; returns 1 when the
// resource exists. ExtractAsset in the program, a table of their own in the tests.
using AssetExtractor = std::function<int(int id, const std::string& folder, const std::string& name)>;

// The built-in tune: embedded resource 227, extracted as "Music" into the asset folder, loaded into
// memory, looped on the mixer channel kept for it, and its two files deleted at once.
class BuiltInMusic : public BuiltInTune {
public:
    // assetFolder ends with "/" (AssetFolder()).
    BuiltInMusic(const AudioDevice& device, std::string assetFolder, AssetExtractor extract);
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

    const AudioDevice& m_device;
    std::string m_folder;
    AssetExtractor m_extract;
    std::unique_ptr<Mix_Chunk, ChunkDeleter> m_chunk;
    int m_level = 0;
};

} // namespace quillmere
