#!/bin/bash
# The whole program as a person's machine runs it: the real quillmere on a virtual X server with Mesa's
# software renderer, 50 fish and 1000 bubbles, measured after start-up.
#   bench/program_bench.sh [--size WxH] [--seconds N] [--rounds N] [--frame-rate R] PROGRAM [PROGRAM_B]
# --frame-rate stores "FrameRate=R" in the section "Display" (auto, 50 or frames a second).
# Reports frames per second, CPU per frame of the whole process (all threads), the 99th percentile and
# the longest of the intervals between swaps, and peak resident memory.
# With two programs (say, builds of the commit before and after a change) the runs alternate, A B A B,
# so both see the same machine, and the last line gives B's figures as ratios of A's.
set -eu

size=1280x720
seconds=30
rounds=2
warmup=8
frame_rate=""
while [ $# -gt 0 ]; do
    case $1 in
    --size) size=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --frame-rate) frame_rate=$2; shift 2 ;;
    *) break ;;
    esac
done
[ $# -ge 1 ] || { echo "usage: $0 [--size WxH] [--seconds N] [--rounds N] [--frame-rate R] PROGRAM [PROGRAM_B]" >&2; exit 2; }
programs=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(cd "$(dirname "$0")" && pwd)
cc -shared -fPIC -O2 -o "$work/swap_counter.so" "$here/swap_counter.c" -ldl

# One run: prints "fps cpu_ms_per_frame peak_rss_mb p99_interval_ms longest_interval_ms".
measure() {
    local program=$1 run=$2
    local config="$work/$run/config"
    mkdir -p "$config/quillmere" "$work/$run/home"
    # A runtime folder of its own: the instance lock of a copy running elsewhere must not stop this one.
    mkdir -m 700 "$work/$run/runtime"
    {
        echo "[Fish Number]"
        for kind in $(seq 0 14); do echo "Fish$kind=$(( kind < 5 ? 4 : 3 ))"; done
        echo "[Aquarium Settings]"
        echo "QIPAONUM=0"
        if [ -n "$frame_rate" ]; then
            echo "[Display]"
            echo "FrameRate=$frame_rate"
        fi
    } >"$config/quillmere/QuillmereSet.ini"
    XDG_CONFIG_HOME="$config" HOME="$work/$run/home" XDG_RUNTIME_DIR="$work/$run/runtime" NO_AT_BRIDGE=1 SDL_AUDIODRIVER=dummy \
        QUILLMERE_SWAP_COUNT="$work/$run/swaps" QUILLMERE_SWAP_TIMES="$work/$run/times" LD_PRELOAD="$work/swap_counter.so" \
        xvfb-run -a -s "-screen 0 ${size}x24 -noreset" bash -c '
            "$1" >/dev/null 2>&1 &
            pid=$!
            sample() {
                read -r frames time <"$2" 2>/dev/null || { frames=0; time=0; }
                # utime and stime of the whole process, all threads, in clock ticks.
                local stat; stat=$(cat /proc/$pid/stat)
                set -- ${stat##*) }
                echo "$frames $time $(( ${12} + ${13} ))"
            }
            deadline=$((SECONDS + 120))
            until [ -s "$2" ]; do
                if [ $SECONDS -ge $deadline ] || ! kill -0 $pid 2>/dev/null; then
                    echo "no frames from $1" >&2
                    kill -KILL $pid 2>/dev/null
                    exit 1
                fi
                sleep 0.2
            done
            sleep "$3"
            read -r f0 t0 c0 < <(sample "$pid" "$2")
            sleep "$4"
            read -r f1 t1 c1 < <(sample "$pid" "$2")
            peak=$(awk "/^VmHWM/ {print \$2}" /proc/$pid/status)
            # A build that misses SIGTERM under load (older ones did) is killed after 10 s.
            kill -TERM $pid
            for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
            kill -KILL $pid 2>/dev/null || true
            wait $pid 2>/dev/null || true
            # The intervals between the swaps of the measured stretch, sorted, give its pacing.
            pacing=$(awk -v t0="$t0" -v t1="$t1" "\$1 >= t0 && \$1 <= t1 { if (n++) print (\$1 - last) * 1000; last = \$1 }" "$5" |
                sort -g | awk "{ v[NR] = \$1 } END { i = int(NR * 0.99 + 0.999); if (i < 1) i = 1; printf \"%.1f %.1f\", v[i], v[NR] }")
            awk -v f="$((f1 - f0))" -v t0="$t0" -v t1="$t1" -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" \
                -v peak="$peak" -v pacing="$pacing" "BEGIN { printf \"%.2f %.2f %.1f %s\n\", f / (t1 - t0), c * 1000 / hz / f, peak / 1024, pacing }"
        ' measure "$program" "$work/$run/swaps" "$warmup" "$seconds" "$work/$run/times"
}

declare -A fps cpu mem p99 longest
for round in $(seq 1 "$rounds"); do
    for index in "${!programs[@]}"; do
        read -r f c m p l < <(measure "${programs[$index]}" "r$round-p$index")
        printf '%-60s round %d: %6.2f fps  %7.2f ms CPU/frame  %7.1f MB peak  %5.1f ms p99  %5.1f ms longest\n' \
            "${programs[$index]}" "$round" "$f" "$c" "$m" "$p" "$l"
        fps[$index]="${fps[$index]:-} $f"; cpu[$index]="${cpu[$index]:-} $c"; mem[$index]="${mem[$index]:-} $m"
        p99[$index]="${p99[$index]:-} $p"; longest[$index]="${longest[$index]:-} $l"
    done
done

mean() { echo "$@" | awk '{ s = 0; for (i = 1; i <= NF; i++) s += $i; printf "%.2f", s / NF }'; }
max() { echo "$@" | awk '{ m = $1; for (i = 2; i <= NF; i++) if ($i > m) m = $i; printf "%.1f", m }'; }
echo "size $size, $seconds s per run, $rounds rounds"
for index in "${!programs[@]}"; do
    printf '%-60s mean: %6.2f fps  %7.2f ms CPU/frame  %7.1f MB peak  %5.1f ms p99 (mean)  %5.1f ms longest (max)\n' \
        "${programs[$index]}" "$(mean ${fps[$index]})" "$(mean ${cpu[$index]})" "$(max ${mem[$index]})" \
        "$(mean ${p99[$index]})" "$(max ${longest[$index]})"
done
if [ ${#programs[@]} -eq 2 ]; then
    awk -v fa="$(mean ${fps[0]})" -v fb="$(mean ${fps[1]})" -v ca="$(mean ${cpu[0]})" -v cb="$(mean ${cpu[1]})" \
        -v ma="$(max ${mem[0]})" -v mb="$(max ${mem[1]})" \
        'BEGIN { printf "B / A: fps %.3f, CPU per frame %.3f, peak memory %.3f\n", fb / fa, cb / ca, mb / ma }'
fi
