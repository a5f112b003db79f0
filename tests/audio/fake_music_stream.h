#pragma once

#include "audio/music_stream.h"

#include <set>
#include <string>
#include <vector>

namespace quillmere::testing_audio {

// A stream that records what the player asks of it; the test sets its position, length and end.
class FakeMusicStream : public MusicStream {
public:
    std::set<std::string> unplayable; // files that fail to open
    std::set<std::string> slow;       // files whose open ends only at finishOpening()
    bool openPending = false;
    bool playWhenOpen = false;
    std::vector<std::string> opened; // every non-empty file name given to create, in order
    std::string fileName;
    bool open = false;
    bool playing = false;
    bool ranOut = false;
    int positionMs = 0;
    int lengthMs = 1000;
    int volumeValue = 1000;
    int plays = 0;

    void create(const std::string& name) override {
        fileName = name;
        if (!name.empty())
            opened.push_back(name);
        openPending = slow.contains(name);
        open = !openPending && !name.empty() && !unplayable.contains(name);
        playWhenOpen = false;
        playing = false;
        ranOut = false;
        positionMs = 0;
        volumeValue = 1000; // a freshly opened device starts at its normal level
    }
    bool canPlay() const override { return open; }
    bool opening() const override { return openPending; }
    // The slow open ends now; poll() takes it in.
    void finishOpening() { slow.erase(fileName); }
    void poll() override {
        if (!openPending || slow.contains(fileName))
            return;
        openPending = false;
        open = !unplayable.contains(fileName);
        if (open && playWhenOpen)
            play();
    }
    void play() override {
        if (openPending) {
            playWhenOpen = true;
            return;
        }
        if (open) {
            playing = true;
            ++plays;
        }
    }
    void stop() override {
        playing = false;
        playWhenOpen = false;
    }
    void close() override {
        openPending = false;
        open = false;
        playing = false;
    }
    void seek(int milliseconds) override { positionMs = milliseconds; }
    int position() const override { return positionMs; }
    int length() const override { return open ? lengthMs : 0; }
    void setVolume(int volume) override { volumeValue = volume; }
    int volume() const override { return volumeValue; }
    bool finished() const override { return ranOut; }

    // The open file plays to its very last position.
    void reachEnd() { positionMs = lengthMs; }
};

} // namespace quillmere::testing_audio
