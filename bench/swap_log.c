// Preloaded into the program by media_bench.sh: writes the time of the program's start and of each
// buffer swap, one line each, into the file named by QUILLMERE_SWAP_LOG, so the time to the first
// frame and the gaps between frames can be read from outside.
#define _GNU_SOURCE
#include <GL/glx.h>
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

typedef void (*SwapFunction)(Display*, GLXDrawable);

static FILE* logFile;
static double started;

static double now(void) {
    struct timespec time;
    clock_gettime(CLOCK_MONOTONIC, &time);
    return (double)time.tv_sec + (double)time.tv_nsec * 1e-9;
}

// The file is opened at the first swap, so that programs that never draw leave it alone.
__attribute__((constructor)) static void noteStart(void) {
    started = now();
}

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static SwapFunction real;
    if (!real) {
        real = (SwapFunction)dlsym(RTLD_NEXT, "glXSwapBuffers");
    }
    real(display, drawable);
    if (!logFile) {
        const char* path = getenv("QUILLMERE_SWAP_LOG");
        logFile = path ? fopen(path, "w") : NULL;
        if (logFile)
            fprintf(logFile, "start %.6f\n", started);
    }
    if (logFile) {
        fprintf(logFile, "swap %.6f\n", now());
        fflush(logFile);
    }
}
