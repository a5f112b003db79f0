#pragma once

namespace quillmere {

// The looping built-in tune as the view's tick sees it. BuiltInMusic is the real one.
class BuiltInTune {
public:
    virtual ~BuiltInTune() = default;

    // Starts the tune from its beginning, looped without end, at the level for "YINLIANG".
    virtual void startBuiltInMusic(int yinliang) = 0;
    // Silences it; cheap when it is already silent, as the tick calls it every 20 ms.
    virtual void stopBuiltInMusic() = 0;
    // Applies a new "YINLIANG" at once, whether or not the tune is playing: the settings dialog's
    // "Sound" slider.
    virtual void setLevel(int yinliang) = 0;
};

} // namespace quillmere
