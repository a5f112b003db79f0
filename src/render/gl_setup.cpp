#include "render/gl_setup.h"

#include <GL/gl.h>

namespace quillmere {

namespace {

constexpr GLfloat LightAmbient[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat LightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
// Given while the model-view matrix is the identity, so the light stays put relative to the eye.
constexpr GLfloat LightPosition[4] = {1000.0f, -1000.0f, 1000.0f, 1.0f};

} // namespace

void applyFixedGlState() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightfv(GL_LIGHT1, GL_AMBIENT, LightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, LightDiffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, LightPosition);
    glEnable(GL_LIGHT1);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
    // Set here and not only after the bubbles, so that a tank without bubbles blends the same way.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void applyStartupFog() {
    constexpr GLfloat FogColour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogfv(GL_FOG_COLOR, FogColour);
    glFogf(GL_FOG_DENSITY, 0.5f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    // Start and end act only in linear mode; they are set so that switching modes keeps a sane range.
    glFogf(GL_FOG_START, -10.0f);
    glFogf(GL_FOG_END, 100.0f);
    glEnable(GL_FOG);
}

void applySceneLight(float intensity) {
    const GLfloat colour[4] = {intensity, intensity, intensity, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, colour);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, colour);
    glEnable(GL_LIGHTING);
}

} // namespace quillmere
