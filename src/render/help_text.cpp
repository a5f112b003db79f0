#include "render/help_text.h"

#include <GL/gl.h>

namespace quillmere {

bool advanceHelpText(HelpTextState& state) {
    if (state.shown)
        ++state.counter;
    if (state.counter > HelpTextFrames) {
        state.shown = false;
        state.counter = 0;
    }
    return state.shown;
}

void toggleHelpText(HelpTextState& state) {
    state.shown = !state.shown;
}

void DrawHelpText(HelpTextState& state, const OutlineFont* font, float eyeX) {
    if (!advanceHelpText(state) || font == nullptr)
        return;
    // A fixed look: otherwise the glyphs would take whatever texture, colour and lighting the
    // previous frame left behind.
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (const HelpTextLine& line : HelpTextLines) {
        glPushMatrix();
        glTranslatef(eyeX + line.xFromEye, line.y, line.z);
        font->DrawText3D("%.*s", static_cast<int>(line.text.size()), line.text.data());
        glPopMatrix();
    }
    glPopAttrib();
}

} // namespace quillmere
