#!/bin/sh
# Draws frames 1, 500 and 3000 of a fresh settings folder with two builds' snapshot tools and prints how
# far apart each pair is: the mean absolute difference per channel, in levels of 255.
#   bench/compare_frames.sh BUILD_A BUILD_B [WxH]
# A change to the drawing that should look the same stays below 2 levels.
set -eu
a=$1
b=$2
size=${3:-1280x720}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for frames in 1 500 3000; do
    for side in a b; do
        eval build=\$$side
        mkdir "$work/$side-$frames"
        xvfb-run -a -s "-screen 0 1920x1080x24" "$build/tools/snapshot/quillmere-snapshot" \
            --dir "$work/$side-$frames" --frames "$frames" --size "$size" --out "$work/$side-$frames.png"
    done
    # MAE is reported as a fraction of the largest value in parentheses.
    mae=$(compare -metric MAE "$work/a-$frames.png" "$work/b-$frames.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
    differing=$(compare -metric AE "$work/a-$frames.png" "$work/b-$frames.png" null: 2>&1 || true)
    echo "frame $frames: mean difference $(echo "$mae" | awk '{printf "%.3f", $1 * 255}') levels, $differing pixels differ"
done
