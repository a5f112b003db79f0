#pragma once

#include <string>

namespace quillmere {

// The one music stream the custom player drives: a file opened, played, stopped and sought, with
// times in milliseconds. MciPlayer is the real one; tests use their own.
class MusicStream {
public:
    virtual ~MusicStream() = default;

    // Closes whatever is open and starts opening fileName; an empty name opens nothing. Once opening()
    // is false, canPlay() says whether the file could be decoded.
    virtual void create(const std::string& fileName) = 0;
    virtual bool canPlay() const = 0;
    // A stream may open its file away from the caller's thread: true until poll() has seen it end.
    virtual bool opening() const { return false; }
    // Takes in an open that has ended, and starts a play() asked for while it was opening.
    virtual void poll() {}

    // Plays from the current position to the end of the file.
    virtual void play() = 0;
    // Stops where it is; play() carries on from there.
    virtual void stop() = 0;
    virtual void close() = 0;
    virtual void seek(int milliseconds) = 0;

    virtual int position() const = 0;
    // The file's length, or -1 when the decoder cannot tell.
    virtual int length() const = 0;

    // 0 to 1000, 1000 the normal level.
    virtual void setVolume(int volume) = 0;
    virtual int volume() const = 0;

    // The stream was playing and has run to the end of its file by itself.
    virtual bool finished() const = 0;
};

} // namespace quillmere
