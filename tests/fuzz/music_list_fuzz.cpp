// Fuzz target: the bytes are a script of what a person does in the Custom Music dialog and what the
// stream does meanwhile: add, select, click, remove, play, stop, the boxes, the volume, the timer, a
// track that runs out, the list stored and restored. The first byte picks which of eight files will not
// open. Whatever the order, the player plays only an open row of the list, its buttons are locked
// exactly while it plays, and what it stores comes back whole.
#include "audio/custom_music_player.h"
#include "audio/fake_music_stream.h"
#include "ui/music_dialog/music_dialog_rules.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quillmere {
namespace {

void check(bool holds) {
    if (!holds)
        std::abort();
}

constexpr int FileCount = 8;

// Reads the script a byte at a time; past its end every byte reads 0.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool done() const { return m_at >= m_size; }
    int next() { return m_at < m_size ? m_data[m_at++] : 0; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

std::string fileName(int index) {
    return "/music/track " + std::to_string(index) + ".ogg";
}

void checkPlayer(const CustomMusicPlayer& player, const testing_audio::FakeMusicStream& stream) {
    const MusicListModel& list = player.list();
    const bool playing = player.state() == PlayerState::Playing;
    check(stream.playing == playing);
    check(list.buttonsEnabled() == !playing);
    if (playing) {
        const int row = player.currentIndex();
        check(row >= 0 && row < list.rowCount());
        check(stream.canPlay() && stream.fileName == list.path(row));
        check(list.highlightRow() == row && player.onOff());
    } else {
        check(list.highlightRow() == -1);
    }
    check(player.stored().paths == list.paths());
}

void step(int op, Script& script, CustomMusicPlayer& player, testing_audio::FakeMusicStream& stream) {
    switch (op) {
    case 0:
        check(addMusicFile(player, fileName(script.next() % FileCount)).empty());
        break;
    case 1:
        // A line break would split the stored path into keys of its own: refused with a message.
        check(!addMusicFile(player, "/music/two\nlines.ogg").empty());
        break;
    case 2: {
        const int row = script.next() % (player.list().rowCount() + 2) - 1;
        player.setRowSelected(row, script.next() % 2 == 1);
        break;
    }
    case 3:
        player.clickList();
        break;
    case 4: {
        const int rows = player.list().rowCount();
        const bool selected = player.list().firstSelected() >= 0;
        const bool editable = musicButtons(player).remove;
        const std::string message = removeSelectedMusic(player);
        check(message.empty() == (selected || !editable));
        check(player.list().rowCount() == rows - (selected && editable ? 1 : 0));
        break;
    }
    case 5:
        player.removeAll();
        break;
    case 6:
        player.play();
        break;
    case 7:
        player.stop();
        check(player.state() == PlayerState::Stopped);
        break;
    case 8:
        player.setOnOff(script.next() % 2 == 1);
        break;
    case 9:
        player.setMode(static_cast<PlayMode>(script.next() % 3));
        break;
    case 10:
        player.setVolume(script.next() * 1000 / 255);
        break;
    case 11: {
        // The dialog tells the tank "On/Off" before the step, which must not change it.
        const bool onOff = player.onOff();
        player.onTimer();
        check(onOff == player.onOff());
        break;
    }
    case 12:
        stream.reachEnd();
        break;
    case 13:
        if (stream.playing)
            stream.ranOut = true;
        break;
    default: {
        // The dialog hidden and the program started again over what it stored.
        const MusicListState stored = player.stored();
        player.stop();
        player.restore(stored);
        check(player.stored() == stored);
        break;
    }
    }
}

} // namespace
} // namespace quillmere

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quillmere;
    Script script(data, size);
    testing_audio::FakeMusicStream stream;
    const int unplayable = script.next();
    for (int file = 0; file < FileCount; ++file)
        if ((unplayable >> file) & 1)
            stream.unplayable.insert(fileName(file));
    Random random;
    CustomMusicPlayer player(stream, random, 1000);
    while (!script.done()) {
        step(script.next() % 15, script, player, stream);
        checkPlayer(player, stream);
    }
    return 0;
}
