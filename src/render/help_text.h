#pragma once

#include "core/project_address.h"
#include "render/outline_font.h"

#include <array>
#include <string_view>

namespace quillmere {

// One line of the help text: its text and where it starts, in scene units. x is relative to the
// camera's eye x, so the text follows the camera sideways but stays at its depth.
struct HelpTextLine {
    std::string_view text;
    float xFromEye = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

inline constexpr std::array<HelpTextLine, 4> HelpTextLines = {{
    {"Quillmere 1.1", -5.5f, 9.0f, -60.0f},
    {"[Right Click]: Toolbar popup", -4.0f, 6.0f, -60.0f},
    {"[ESC]: Exit", -4.0f, 5.0f, -60.0f},
    {ProjectWebAddress, -4.0f, 3.0f, -60.0f},
}};

// Frames the text stays up once shown, counted only while it shows.
constexpr int HelpTextFrames = 100;

// Whether the help text is up, and how many frames it has been up since the count last ran out.
struct HelpTextState {
    bool shown = true;
    int counter = 0;
};

// One frame's count: true when this frame draws the text. Once it has been drawn for 100 frames it
// hides and the count starts again.
bool advanceHelpText(HelpTextState& state);

// F1: shows or hides the text, keeping the count, so text hidden after k frames shows for the
// remaining 100 - k when it comes back.
void toggleHelpText(HelpTextState& state);

// The frame's help text step: counts the frame and, while the text is up and a font exists, draws the
// four lines in solid white, untextured and unlit, each at its place. Leaves the matrices and the
// enable and colour state as it found them.
void DrawHelpText(HelpTextState& state, const OutlineFont* font, float eyeX);

} // namespace quillmere
