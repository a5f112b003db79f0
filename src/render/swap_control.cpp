#include "render/swap_control.h"

#include "render/extension_list.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <cstring>
#include <initializer_list>

namespace quillmere {

namespace {

bool offers(Display* display, const char* extension) {
    return listsExtension(glXQueryExtensionsString(display, DefaultScreen(display)), extension);
}

template <typename Function> Function lookUp(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

} // namespace

bool isSoftwareRenderer() {
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (renderer == nullptr)
        return false;
    for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"}) {
        if (std::strstr(renderer, name) != nullptr)
            return true;
    }
    return false;
}

bool setSwapInterval(_XDisplay* display, unsigned long drawable, int interval) {
    if (display == nullptr)
        return false;
    if (offers(display, "GLX_EXT_swap_control")) {
        using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
        if (const auto set = lookUp<SwapIntervalExt>("glXSwapIntervalEXT")) {
            set(display, drawable, interval);
            return true;
        }
    }
    if (offers(display, "GLX_MESA_swap_control")) {
        using SwapIntervalMesa = int (*)(unsigned);
        if (const auto set = lookUp<SwapIntervalMesa>("glXSwapIntervalMESA"))
            return set(static_cast<unsigned>(interval)) == 0;
    }
    // SGI's form cannot turn the wait off, only set it.
    if (interval > 0 && offers(display, "GLX_SGI_swap_control")) {
        using SwapIntervalSgi = int (*)(int);
        if (const auto set = lookUp<SwapIntervalSgi>("glXSwapIntervalSGI"))
            return set(interval) == 0;
    }
    return false;
}

} // namespace quillmere
