#!/bin/sh
# Builds, then draws the tank of a fresh settings folder and saves frames 1, 500 and 3000 as
# docs/snapshots/frame-N.png (1280 x 720) on a virtual X server. The pictures are made, never committed.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
mkdir -p docs/snapshots
for frames in 1 500 3000; do
    folder=$(mktemp -d)
    xvfb-run -a -s "-screen 0 1920x1080x24" build/tools/snapshot/quillmere-snapshot \
        --dir "$folder" --frames "$frames" --size 1280x720 --out "docs/snapshots/frame-$frames.png"
    rm -rf "$folder"
    echo "docs/snapshots/frame-$frames.png"
done
