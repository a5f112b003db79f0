// Preloaded into the program by program_bench.sh: counts buffer swaps, so frames per second can be
// read from outside without any hook in the program itself. Each swap writes the count and the time
// into the file named by QUILLMERE_SWAP_COUNT, in place, and appends the time as a line of its own to
// the file named by QUILLMERE_SWAP_TIMES, from which the intervals between swaps are read.
#define _GNU_SOURCE
#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

typedef void (*SwapFunction)(Display*, GLXDrawable);

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static SwapFunction real;
    static int fd = -2;
    static int timesFd = -2;
    static unsigned long long frames;
    if (!real) {
        real = (SwapFunction)dlsym(RTLD_NEXT, "glXSwapBuffers");
    }
    real(display, drawable);
    if (fd == -2) {
        const char* path = getenv("QUILLMERE_SWAP_COUNT");
        fd = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644) : -1;
    }
    if (timesFd == -2) {
        const char* path = getenv("QUILLMERE_SWAP_TIMES");
        timesFd = path ? open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
    }
    ++frames;
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (timesFd >= 0) {
        char line[32];
        const int length =
            snprintf(line, sizeof line, "%.6f\n", (double)now.tv_sec + (double)now.tv_nsec * 1e-9);
        if (length > 0) {
            (void)write(timesFd, line, (size_t)length);
        }
    }
    if (fd >= 0) {
        char line[64];
        const int length = snprintf(line, sizeof line, "%20llu %20.6f\n", frames,
                                    (double)now.tv_sec + (double)now.tv_nsec * 1e-9);
        if (length > 0) {
            (void)pwrite(fd, line, (size_t)length, 0);
        }
    }
}
