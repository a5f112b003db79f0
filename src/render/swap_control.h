#pragma once

// Declared rather than included: Xlib's macros (None, Status) would leak into every includer.
struct _XDisplay;

namespace quillmere {

// Whether the current context draws with a software rasteriser (Mesa's llvmpipe, softpipe or swrast).
bool isSoftwareRenderer();

// Sets how many display refreshes a swap of the drawable waits for, through whichever of the GLX
// swap-control extensions the driver offers; false when it offers none.
bool setSwapInterval(_XDisplay* display, unsigned long drawable, int interval);

} // namespace quillmere
