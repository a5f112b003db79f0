#!/bin/bash
# Long runs that show memory and GL objects stay flat; not part of the CTest run.
#   scripts/soak.sh [--frames N] [--seconds S]
# 1. The headless tank (a full tank: 50 fish, 1000 bubbles) for N frames (default 540000, three hours of
#    the tank at 50 fps): its peak memory after the first minute (3000 frames) must not grow.
# 2. The real program under Xvfb for S seconds (default 600): its resident memory after the first minute
#    and its count of live GL textures and display lists must not grow.
# Prints the figures; exits non-zero when either run grew.
set -u
cd "$(dirname "$0")/.."

FRAMES=540000
SECONDS_RUN=600
while [ $# -gt 0 ]; do
    case "$1" in
    --frames) FRAMES=$2; shift 2 ;;
    --seconds) SECONDS_RUN=$2; shift 2 ;;
    *) echo "usage: scripts/soak.sh [--frames N] [--seconds S]" >&2; exit 2 ;;
    esac
done
# Growth allowed after the first minute: allocator and driver noise, far below any per-frame leak.
HEADLESS_SLACK_KIB=256
PROGRAM_SLACK_KIB=4096

cmake --preset default >/dev/null && cmake --build --preset default --target quillmere quillmere-scene-soak ||
    exit 1

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
status=0

# A full tank: every bubble, the built-in backdrop, 50 fish spread over the kinds.
mkdir -p "$WORK/headless"
{
    printf '[Aquarium Settings]\nQIPAONUM=0\nBACKGROUND=0\n[Fish Number]\n'
    for kind in $(seq 0 14); do printf 'Fish%d=%d\n' "$kind" $((kind < 5 ? 4 : 3)); done
} >"$WORK/headless/QuillmereSet.ini"
cp -r "$WORK/headless" "$WORK/program-settings"

echo "== headless tank, $FRAMES frames"
start=$(date +%s)
build/bench/quillmere-scene-soak --dir "$WORK/headless" --frames "$FRAMES" --every 3000 >"$WORK/headless.csv" ||
    exit 1
elapsed=$(($(date +%s) - start))
awk -F, -v slack="$HEADLESS_SLACK_KIB" -v secs="$elapsed" '
    NR == 2 { first = $2; firstFrame = $1 }
    NR > 1 { last = $2; lastFrame = $1; rss = $3 }
    END {
        printf "peak memory at frame %d: %d KiB; at frame %d: %d KiB (resident %d KiB); %d s\n",
            firstFrame, first, lastFrame, last, rss, secs
        if (last - first > slack) { print "FAIL: the headless tank grew"; exit 1 }
        print "flat"
    }' "$WORK/headless.csv" || status=1

echo "== the program under Xvfb, $SECONDS_RUN s"
cat >"$WORK/program.sh" <<'EOF'
set -u
WORK=$1
SECONDS_RUN=$2
# A runtime folder of its own, so that the single-instance lock sees no other copy.
export XDG_CONFIG_HOME="$WORK/config" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime"
export SDL_AUDIODRIVER=dummy NO_AT_BRIDGE=1 QUILLMERE_GL_REPORT=1
unset DBUS_SESSION_BUS_ADDRESS
mkdir -p "$XDG_CONFIG_HOME/quillmere" "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cp "$WORK/program-settings/QuillmereSet.ini" "$XDG_CONFIG_HOME/quillmere/"
build/src/app/quillmere 2>"$WORK/program.err" &
PID=$!
echo "$PID" >"$WORK/program.pid"
begin=$SECONDS
while [ $((SECONDS - begin)) -lt "$SECONDS_RUN" ]; do
    kill -0 "$PID" 2>/dev/null || { echo "the program ended early: $(cat "$WORK/program.err")" >&2; exit 1; }
    echo "$((SECONDS - begin)) $(awk '/^VmRSS:/ {print $2}' "/proc/$PID/status")" >>"$WORK/rss.txt"
    sleep 10
done
kill -TERM "$PID"
begin=$SECONDS
while kill -0 "$PID" 2>/dev/null; do
    if [ $((SECONDS - begin)) -ge 60 ]; then
        echo "the program did not end within 60 s of SIGTERM" >&2
        kill -KILL "$PID"
        exit 1
    fi
    sleep 1
done
EOF
xvfb-run -a -s "-screen 0 1280x800x24" bash "$WORK/program.sh" "$WORK" "$SECONDS_RUN" || status=1
awk -v slack="$PROGRAM_SLACK_KIB" '
    $1 >= 60 && !seen { first = $2; firstAt = $1; seen = 1 }
    seen && $2 > peak { peak = $2 }
    { last = $2; lastAt = $1 }
    END {
        if (!seen) { print "FAIL: the program ran under a minute"; exit 1 }
        printf "resident memory at %d s: %d KiB; highest after: %d KiB; at %d s: %d KiB\n",
            firstAt, first, peak, lastAt, last
        if (peak - first > slack) { print "FAIL: the program grew"; exit 1 }
        print "flat"
    }' "$WORK/rss.txt" || status=1
grep 'live GL textures' "$WORK/program.err" | awk -F'[ ,]+' '
    { ticks = $3; textures = $7; lists = $10
      if (NR == 1) { firstTextures = textures; firstLists = lists }
      if (textures != firstTextures || lists != firstLists) changed = 1 }
    END {
        if (NR == 0) { print "FAIL: no GL report"; exit 1 }
        printf "live GL textures %d, display lists %d at the first report; %d and %d at tick %d (%d reports)\n",
            firstTextures, firstLists, textures, lists, ticks, NR
        if (changed) { print "FAIL: the GL objects changed"; exit 1 }
        print "flat"
    }' || status=1
exit $status
