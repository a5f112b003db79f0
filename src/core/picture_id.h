#pragma once

#include <cstdint>

namespace quillmere {

// A picture the user chose, from the Custom Background list to the texture the frame draws. Ids are
// handed out in increasing order and never reused, so a late answer about a removed picture cannot
// reach another one.
enum class PictureId : std::int64_t {
    NoPicture = 0, // nothing to show (X11 headers keep "None" for themselves)
    Stale = -1,    // a row was clicked or removed while the slideshow was off: nothing valid to show
};

constexpr bool isPicture(PictureId id) {
    return static_cast<std::int64_t>(id) > 0;
}

// The id handed out after last; the first after NoPicture is the first picture.
constexpr PictureId nextPicture(PictureId last) {
    return static_cast<PictureId>(static_cast<std::int64_t>(last) + 1);
}

} // namespace quillmere
