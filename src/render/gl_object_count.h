#pragma once

#include <GL/gl.h>

namespace quillmere {

// How many textures and display lists the current context holds.
struct GlObjectCount {
    int textures = 0;
    int displayLists = 0;
};

// Asks the context about every name from 1 to highestName, so it also sees objects made by libraries
// (SOIL's textures, the font's lists). A few thousand queries: for an occasional report, not every frame.
GlObjectCount countLiveGlObjects(GLuint highestName = 8192);

} // namespace quillmere
