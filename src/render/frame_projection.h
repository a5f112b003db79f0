#pragma once

namespace quillmere {

// The screen the frame is drawn for, in physical pixels.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

// A glFrustum box: near-plane extents and the near and far distances.
struct Frustum {
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    double top = 0.0;
    double nearPlane = 1.0;
    double farPlane = 1000.0;
};

// The frame's perspective: the shorter side of the screen spans 0.8 at distance 1, the longer one
// follows the screen's shape. A side of 0 or less counts as 1.
Frustum frameFrustum(ScreenSize screen);

// A gluPerspective set-up, used between a resize and the next frame.
struct Perspective {
    int viewportWidth = 1;
    int viewportHeight = 1;
    double fovy = 45.0; // degrees
    double aspect = 1.0;
    double zNear = 0.1;
    double zFar = 400.0;
};

// For a client area of cx x cy physical pixels; a height of 0 counts as 1.
Perspective resizePerspective(int cx, int cy);

// Loads the frame's frustum into the projection matrix and leaves the model-view matrix current and
// the identity.
void applyFrameProjection(ScreenSize screen);

// The resize handler's viewport and projection; the next frame replaces both with its own.
void applyResizeProjection(int cx, int cy);

} // namespace quillmere
