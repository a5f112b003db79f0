#!/bin/sh
# The frame benchmark on a virtual X server with Mesa's software renderer, as the tests draw:
#   bench/run_frame_bench.sh [BUILD_FOLDER] [quillmere_frame_bench options...]
# Builds the benchmark in BUILD_FOLDER (default: build), then runs the full tank at 1280 x 720 and
# 1920 x 1080, and again at 64 x 36, where hardly any pixel is filled, to show what is left once filling
# costs next to nothing. Extra options (--frames N, --no-fish, --no-bubbles) go to both runs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
[ $# -gt 0 ] && shift
cmake --build "$build" --target quillmere_frame_bench
bench="$build/bench/quillmere_frame_bench"
server="-screen 0 1920x1080x24 -noreset"
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "$server" "$bench" "$@"
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "$server" "$bench" "$@" 64x36
