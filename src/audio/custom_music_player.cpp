#include "audio/custom_music_player.h"

namespace quillmere {

CustomMusicPlayer::CustomMusicPlayer(MusicStream& stream, Random& random, int volume)
    : m_stream(stream), m_random(random), m_volume(volume) {
    m_stream.create("");
    m_stream.setVolume(m_volume);
}

void CustomMusicPlayer::restore(const MusicListState& stored) {
    m_list.clear();
    m_onOff = stored.ownMusic;
    for (const std::string& path : stored.paths)
        m_list.appendRow(path);
    // The mode boxes' handlers run in the order Random, Repeat All, Repeat One, so the last set wins;
    // with none set the player keeps Repeat One.
    if (stored.repeatMusic || !(stored.randomMusic || stored.cycMusic))
        m_mode = PlayMode::RepeatOne;
    else if (stored.cycMusic)
        m_mode = PlayMode::RepeatAll;
    else
        m_mode = PlayMode::Random;
    changed();
    if (!stored.paths.empty() && stored.ownMusic) {
        loadTrack(0, false);
        startPlaying();
    }
}

MusicListState CustomMusicPlayer::stored() const {
    MusicListState state;
    state.randomMusic = m_mode == PlayMode::Random;
    state.cycMusic = m_mode == PlayMode::RepeatAll;
    state.repeatMusic = m_mode == PlayMode::RepeatOne;
    state.ownMusic = m_onOff;
    state.paths = m_list.paths();
    return state;
}

void CustomMusicPlayer::onTimer() {
    m_stream.poll();
    if (m_state != PlayerState::Playing || m_stream.opening())
        return;
    if (!m_stream.canPlay()) {
        passOverUnplayable();
        return;
    }
    m_unplayableInARow = 0;
    m_position = m_stream.position();
    const int length = m_stream.length();
    // A position that lands exactly on the length is the classic end test; a stream that has run out
    // by itself also ends the track, since a tick can miss the exact last position.
    const bool ended = (length > 0 && m_position == length) || m_stream.finished();
    if (m_stream.canPlay() && ended) {
        loadTrack(0, false);
        startPlaying();
    }
}

void CustomMusicPlayer::addMusic(std::string path) {
    if (!m_list.buttonsEnabled())
        return;
    m_list.appendRow(std::move(path));
    changed();
}

CustomMusicPlayer::RemoveResult CustomMusicPlayer::removeSelected() {
    if (!m_list.buttonsEnabled())
        return RemoveResult::Disabled;
    const int selected = m_list.firstSelected();
    if (selected < 0)
        return RemoveResult::NothingSelected;
    m_list.removeRow(selected);
    changed();
    loadTrack(0, false);
    return RemoveResult::Removed;
}

void CustomMusicPlayer::removeAll() {
    if (!m_list.buttonsEnabled())
        return;
    m_list.clear();
    // Nothing of the list stays open or indexed.
    m_stream.stop();
    m_stream.close();
    m_currentIndex = -1;
    changed();
}

void CustomMusicPlayer::play() {
    if (!m_list.buttonsEnabled())
        return;
    m_unplayableInARow = 0;
    loadTrack(0, false);
    startPlaying();
    // "Play" chooses the custom music, whether or not its file turns out to play.
    if (!m_list.empty() && !m_onOff) {
        m_onOff = true;
        changed();
    }
}

void CustomMusicPlayer::stop() {
    stopPlaying();
}

void CustomMusicPlayer::setOnOff(bool checked) {
    // The box only ever flips; a repeated report must not skip to another track.
    if (checked == m_onOff)
        return;
    m_onOff = checked;
    changed();
    if (checked) {
        m_unplayableInARow = 0;
        loadTrack(0, false);
        startPlaying();
    } else if (m_state == PlayerState::Playing) {
        stopPlaying();
    }
}

void CustomMusicPlayer::setMode(PlayMode mode) {
    m_mode = mode;
    changed();
}

void CustomMusicPlayer::setVolume(int volume) {
    m_volume = volume;
    m_stream.setVolume(volume);
    changed();
}

void CustomMusicPlayer::setRowSelected(int row, bool selected) {
    m_list.setSelected(row, selected);
    changed();
}

void CustomMusicPlayer::clickList() {
    if (m_list.firstSelected() < 0)
        return;
    m_unplayableInARow = 0;
    loadTrack(0, true);
    if (m_state == PlayerState::Playing)
        startPlaying();
}

void CustomMusicPlayer::loadTrack(int fallbackRow, bool clicked) {
    if (m_list.empty())
        return;
    const int row = chooseRow(fallbackRow, clicked);
    m_stream.stop();
    m_stream.close();
    // A row outside the list (a stale index) opens nothing, which the next test treats as unplayable.
    m_stream.create(row >= 0 && row < m_list.rowCount() ? m_list.path(row) : std::string());
    if (!m_stream.opening() && !m_stream.canPlay())
        passOverUnplayable();
    m_stream.seek(0);
    m_stream.setVolume(m_volume);
    changed();
}

// In Repeat All and Random a file that cannot play is passed over as at the end of a track, each row
// at most once in a row, so a list of files that all fail stops after one pass; Repeat One, or a
// player that was not playing, stops.
void CustomMusicPlayer::passOverUnplayable() {
    if (m_passingOver)
        return;
    m_passingOver = true;
    while (!m_stream.opening() && !m_stream.canPlay()) {
        if (m_state != PlayerState::Playing || m_mode == PlayMode::RepeatOne ||
            ++m_unplayableInARow >= m_list.rowCount()) {
            m_unplayableInARow = 0;
            stopPlaying();
            break;
        }
        loadTrack(0, false);
    }
    if (m_state == PlayerState::Playing)
        startPlaying();
    m_passingOver = false;
}

void CustomMusicPlayer::startPlaying() {
    // Without a playable file the player stays stopped rather than claiming to play silence; one still
    // opening plays once it is open, or stops the player on the timer's step when it cannot.
    if (m_list.empty() || !(m_stream.canPlay() || m_stream.opening()))
        return;
    m_state = PlayerState::Playing;
    m_stream.play();
    m_list.setHighlightRow(m_currentIndex);
    m_list.setButtonsEnabled(false);
    m_onOff = true;
    changed();
}

void CustomMusicPlayer::stopPlaying() {
    m_state = PlayerState::Stopped;
    m_stream.stop();
    m_stream.seek(0);
    m_currentIndex = -1;
    m_list.setHighlightRow(-1);
    m_list.deselectAll();
    m_list.setButtonsEnabled(true);
    changed();
}

int CustomMusicPlayer::chooseRow(int fallbackRow, bool clicked) {
    const int selected = m_list.firstSelected();
    const int count = m_list.rowCount();
    if (m_state == PlayerState::Playing) {
        if (clicked) {
            m_currentIndex = selected;
        } else if (m_mode == PlayMode::RepeatAll) {
            const int next = m_currentIndex + 1;
            m_currentIndex = next >= 0 && next < count ? next : 0;
        } else if (m_mode == PlayMode::Random) {
            m_currentIndex = randomRow();
        }
        // Repeat One plays the row currentIndex again.
    } else if (selected >= 0) {
        m_currentIndex = selected;
    } else if (m_mode == PlayMode::RepeatOne) {
        m_currentIndex = fallbackRow;
    } else if (m_mode == PlayMode::RepeatAll) {
        m_currentIndex = 0;
    } else {
        m_currentIndex = randomRow();
    }
    return m_currentIndex;
}

int CustomMusicPlayer::randomRow() {
    return m_random.next() % m_list.rowCount();
}

} // namespace quillmere
