#!/bin/bash
# Start-up with the user's own pictures: the real quillmere on a virtual X server with Mesa's software
# renderer, with N camera photos (4000 x 3000 JPEG, made for the run) stored in Custom Background and
# shown, and the same with none.
#   bench/media_bench.sh [--size WxH] [--photos N] [--seconds S] [--rounds R] PROGRAM [PROGRAM_B]
# Reports the time from start to the first frame, the longest gap between two frames in the first S
# seconds (while the photos load), the frames in those seconds and the peak resident memory. With two
# programs the runs alternate, A B A B, so both see the same machine.
set -eu

size=1280x720
photos=10
seconds=15
rounds=2
while [ $# -gt 0 ]; do
    case $1 in
    --size) size=$2; shift 2 ;;
    --photos) photos=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    *) break ;;
    esac
done
[ $# -ge 1 ] || { echo "usage: $0 [--size WxH] [--photos N] [--seconds S] [--rounds R] PROGRAM [PROGRAM_B]" >&2; exit 2; }
programs=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(cd "$(dirname "$0")" && pwd)
cc -shared -fPIC -O2 -o "$work/swap_log.so" "$here/swap_log.c" -ldl
mkdir "$work/photos"
for i in $(seq 1 "$photos"); do
    convert -seed "$i" -size 800x600 plasma:fractal -resize '4000x3000!' -attenuate 0.3 +noise Gaussian \
        -quality 90 "$work/photos/photo $i.jpg" &
done
wait

# One run with count photos stored: prints "first_frame_s longest_gap_ms frames peak_rss_mb".
measure() {
    local program=$1 run=$2 count=$3
    local config="$work/$run/config"
    mkdir -p "$config/quillmere" "$work/$run/home"
    mkdir -m 700 "$work/$run/runtime"
    {
        echo "[Custom Images]"
        echo "OwnImage=1"
        echo "CycImage=1"
        echo "ImageTime=1"
        echo "ImageSum=$count"
        for i in $(seq 1 "$count"); do echo "ImageList$((i - 1))=$work/photos/photo $i.jpg"; done
    } >"$config/quillmere/QuillmereSet.ini"
    XDG_CONFIG_HOME="$config" HOME="$work/$run/home" XDG_RUNTIME_DIR="$work/$run/runtime" NO_AT_BRIDGE=1 \
        SDL_AUDIODRIVER=dummy QUILLMERE_SWAP_LOG="$work/$run/swaps" \
        xvfb-run -a -s "-screen 0 ${size}x24 -noreset" bash -c '
            LD_PRELOAD="$4" "$1" >/dev/null 2>&1 &
            pid=$!
            peak=0
            end=$((SECONDS + $3))
            while [ $SECONDS -lt $end ] && kill -0 $pid 2>/dev/null; do
                rss=$(awk "/^VmHWM/ {print \$2}" /proc/$pid/status 2>/dev/null || echo 0)
                [ "${rss:-0}" -gt "$peak" ] && peak=$rss
                sleep 0.5
            done
            rss=$(awk "/^VmHWM/ {print \$2}" /proc/$pid/status 2>/dev/null || echo 0)
            [ "${rss:-0}" -gt "$peak" ] && peak=$rss
            kill -TERM $pid 2>/dev/null
            for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
            kill -KILL $pid 2>/dev/null || true
            wait $pid 2>/dev/null || true
            awk -v peak="$peak" -v window="$3" "
                \$1 == \"start\" { start = \$2 }
                \$1 == \"swap\" && \$2 - start <= window {
                    if (frames == 0) first = \$2 - start; else if (\$2 - last > gap) gap = \$2 - last
                    last = \$2; frames++
                }
                END { if (frames == 0) first = -1; printf \"%.2f %.0f %d %.1f\n\", first, gap * 1000, frames, peak / 1024 }
            " "$2"
        ' measure "$program" "$work/$run/swaps" "$seconds" "$work/swap_log.so"
}

for count in "$photos" 0; do
    for round in $(seq 1 "$rounds"); do
        for index in "${!programs[@]}"; do
            read -r first gap frames mem < <(measure "${programs[$index]}" "r$round-p$index-n$count" "$count")
            printf '%-50s %2d photos round %d: first frame %6.2f s  longest gap %6d ms  %5d frames  %7.1f MB peak\n' \
                "${programs[$index]}" "$count" "$round" "$first" "$gap" "$frames" "$mem"
        done
    done
done
echo "size $size, first $seconds s of each run"
