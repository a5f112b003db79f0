#include "render/swap_control.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <cstring>
#include <string_view>

namespace quillmere {

namespace {

bool offers(Display* display, std::string_view extension) {
    const char* list = glXQueryExtensionsString(display, DefaultScreen(display));
    if (list == nullptr)
        return false;
    const std::string_view all(list);
    for (std::size_t at = all.find(extension); at != std::string_view::npos;
         at = all.find(extension, at + 1)) {
        const std::size_t end = at + extension.size();
        if ((at == 0 || all[at - 1] == ' ') && (end == all.size() || all[end] == ' '))
            return true;
    }
    return false;
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
