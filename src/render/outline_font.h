#pragma once

#include "render/display_lists.h"

#include <optional>
#include <string>

namespace quillmere {

// A bold outline font turned into solid 3-D glyphs, one display list per character code 0 .. 254 in a
// block of 256 at one base. Each glyph is one unit to the em, extruded 0.2 deep, and moves the current
// position on by its advance. Code 255 (and 0) draw nothing.
class OutlineFont {
public:
    static constexpr int ListCount = 256;
    static constexpr float Depth = 0.2f;

    // Compiles the glyphs of the font file; none when the file cannot be read as a scalable font or no
    // lists can be made. Needs a current rendering context.
    static std::optional<OutlineFont> fromFile(const std::string& fontFile);

    // Draws text formatted like printf (at most 255 bytes; longer text is cut) from the current
    // position, starting there rather than centred. A null format draws nothing.
    void DrawText3D(const char* format, ...) const __attribute__((format(printf, 2, 3)));

    GLuint base() const { return m_lists.base(); }

private:
    explicit OutlineFont(DisplayLists lists) : m_lists(std::move(lists)) {}

    DisplayLists m_lists;
};

// The help text's font from the installed bold sans face. When there is none it says so once on
// standard error and returns none; the program then runs without the help text.
std::optional<OutlineFont> CreateOutlineFont();

} // namespace quillmere
