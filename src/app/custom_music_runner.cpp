#include "app/custom_music_runner.h"

namespace quillmere {

namespace {

constexpr int PlayerTimerMs = 200;

} // namespace

CustomMusicRunner::CustomMusicRunner(const AudioDevice& device, Random& random, MusicFlags& flags,
                                     SettingsFile& file, int volume)
    : m_stream(device), m_player(m_stream, random, volume), m_flags(flags), m_timer(this) {
    m_player.restore(file.loadMusicList());
    Bind(wxEVT_TIMER, &CustomMusicRunner::OnTimer, this);
    m_timer.Start(PlayerTimerMs);
}

CustomMusicRunner::~CustomMusicRunner() {
    m_timer.Stop();
}

void CustomMusicRunner::OnTimer(wxTimerEvent&) {
    m_player.onTimer(m_flags);
}

} // namespace quillmere
