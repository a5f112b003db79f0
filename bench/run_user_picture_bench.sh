#!/bin/sh
# The picture benchmark on a virtual X server with Mesa's software renderer, with a photo-like JPEG of
# 6000 x 4000 (24 megapixels) made for the run:
#   bench/run_user_picture_bench.sh [BUILD_FOLDER] [RUNS]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
runs=${2:-5}
cmake --build "$build" --target quillmere_user_picture_bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 6000x4000 -seed 7 plasma:sienna-steelblue -quality 92 "$work/photo 24 MP.jpg"
LIBGL_ALWAYS_SOFTWARE=1 xvfb-run -a -s "-screen 0 640x480x24 -noreset" \
    "$build/bench/quillmere_user_picture_bench" "$work/photo 24 MP.jpg" "$runs"
