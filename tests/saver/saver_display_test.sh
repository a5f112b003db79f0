#!/bin/bash
# Drives the screen saver on a virtual X server: saver_display_test.sh CASE SAVER HOST_WINDOW
# Every wait polls with a deadline; pictures are judged by pixel statistics, not compared whole.
set -u

CASE=$1
SAVER=$2
HOST_WINDOW=$3

WORK=$(mktemp -d)
PID=""
HOST_PID=""
cleanup() {
    [ -n "$PID" ] && kill -KILL "$PID" 2>/dev/null
    [ -n "$HOST_PID" ] && kill -KILL "$HOST_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$WORK/stderr" ]; then
        echo "--- saver stderr:" >&2
        cat "$WORK/stderr" >&2
    fi
    exit 1
}

export XDG_CONFIG_HOME="$WORK/config"
export HOME="$WORK/home"
mkdir -p "$HOME"
unset XSCREENSAVER_WINDOW
FOLDER="$XDG_CONFIG_HOME/quillmere"
SETTINGS="$FOLDER/QuillmereSet.ini"

# A settings file the program itself would rewrite (keys are missing, Show Terra is repaired): the
# camera held still, no bubbles, fifteen fish.
write_settings() {
    mkdir -p -m 700 "$FOLDER"
    cat >"$SETTINGS" <<'INI'
; kept by hand
[Aquarium Settings]
Show Terra=0
CHECK VIEWS=0
VIEWSLEFTRIGHT=3500
VIEWSNEARFAR=500
QIPAONUM=1000
[Fish Number]
Fish0=5
Fish3=5
Fish7=5
[Someone Else]
Key=value
INI
    chmod 600 "$SETTINGS"
    touch -d '2001-02-03 04:05:06' "$SETTINGS"
    folder_state >"$WORK/folder.before"
}

# Names, sizes, modes, times and contents of everything in the settings folder.
folder_state() {
    (cd "$FOLDER" && find . -printf '%p %s %m %T@\n' | sort && cat QuillmereSet.ini)
}

# start_host WIDTHxHEIGHT [--no-depth-buffer]
start_host() {
    "$HOST_WINDOW" "$@" >"$WORK/host.id" &
    HOST_PID=$!
    local deadline=$((SECONDS + 20))
    until [ -s "$WORK/host.id" ]; do
        kill -0 "$HOST_PID" 2>/dev/null || fail "the stand-in daemon's window did not open"
        [ $SECONDS -lt $deadline ] || fail "no host window within 20 s"
        sleep 0.1
    done
    HOST=$(cat "$WORK/host.id")
}

start_saver() {
    "$SAVER" "$@" >"$WORK/stdout" 2>"$WORK/stderr" &
    PID=$!
}

colours() {
    convert "$1" "${@:2}" -format '%k' info:
}

# Polls screenshots of WINDOW (an id or "root") until the tank shows: many colours, where the host's
# plain grey or Xvfb's empty root has one or two. wait_drawn WINDOW WHAT
wait_drawn() {
    local deadline=$((SECONDS + 30)) count
    while :; do
        kill -0 "$PID" 2>/dev/null || fail "the saver ended before drawing $2"
        if import -window "$1" "$WORK/shot.png" 2>/dev/null; then
            count=$(colours "$WORK/shot.png")
            [ "$count" -gt 2000 ] && return 0
        fi
        [ $SECONDS -lt $deadline ] || fail "the tank was not drawn into $2: ${count:-no} colours"
        sleep 0.3
    done
}

# Waits for the saver to end and checks its exit code. expect_exit CODE WHY
expect_exit() {
    local deadline=$((SECONDS + 20))
    while kill -0 "$PID" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the saver did not end within 20 s after $2"
        sleep 0.1
    done
    wait "$PID"
    local code=$?
    PID=""
    [ "$code" -eq "$1" ] || fail "$2 ended the saver with exit code $code, not $1"
}

expect_quiet() {
    [ ! -s "$WORK/stderr" ] || fail "the saver complained"
}

case "$CASE" in
given_window | given_window_without_depth_buffer)
    write_settings
    if [ "$CASE" = given_window ]; then
        start_host 480x270
    else
        # The saver lays a window of its own over it, which must follow its size as well.
        start_host 480x270 --no-depth-buffer
    fi
    start_saver -window-id "$HOST"
    wait_drawn "$HOST" "the given window"
    mean=$(convert "$WORK/shot.png" -format '%[fx:int(255*mean)]' info:)
    [ "$mean" -gt 30 ] || fail "the picture is too dark: mean $mean"
    # The camera is still and there are no bubbles: what changes between two frames is the fish.
    cp "$WORK/shot.png" "$WORK/first.png"
    deadline=$((SECONDS + 20))
    while :; do
        sleep 0.5
        import -window "$HOST" "$WORK/second.png"
        moved=$(compare -metric AE "$WORK/first.png" "$WORK/second.png" null: 2>&1)
        [ "${moved%% *}" -gt 300 ] && break
        [ $SECONDS -lt $deadline ] || fail "no fish swim: $moved pixels changed"
    done
    # The mouse belongs to whoever owns the window.
    xdotool mousemove --window "$HOST" 100 100 click 1 click 3 mousemove --window "$HOST" 300 200
    sleep 0.5
    kill -0 "$PID" 2>/dev/null || fail "mouse activity ended the saver"
    # The picture follows the window's size: the grown corner fills with the tank.
    xdotool windowsize "$HOST" 640 360
    deadline=$((SECONDS + 20))
    until import -window "$HOST" "$WORK/grown.png" && [ "$(colours "$WORK/grown.png" -crop 160x90+480+270)" -gt 200 ]; do
        [ $SECONDS -lt $deadline ] || fail "the picture did not follow the window to 640x360"
        sleep 0.3
    done
    kill -TERM "$PID"
    expect_exit 0 "SIGTERM"
    expect_quiet
    folder_state >"$WORK/folder.after"
    diff "$WORK/folder.before" "$WORK/folder.after" >&2 || fail "the settings folder changed"
    ;;
window_destroyed)
    start_host 320x200
    start_saver -window-id "$((HOST))"
    wait_drawn "$HOST" "the given window"
    kill -KILL "$HOST_PID"
    wait "$HOST_PID" 2>/dev/null
    HOST_PID=""
    expect_exit 0 "the end of its window"
    expect_quiet
    [ ! -e "$FOLDER" ] || fail "the saver made the settings folder"
    ;;
daemon_window | preview_window)
    write_settings
    start_host 320x200
    if [ "$CASE" = daemon_window ]; then
        # The daemon's way: the window in the environment, -root on the command line.
        XSCREENSAVER_WINDOW=$HOST start_saver -root
    else
        # The settings tool's preview: -root and the small window's id together.
        start_saver -root --window-id "$HOST"
    fi
    wait_drawn "$HOST" "the daemon's window"
    import -window root "$WORK/root.png"
    outside=$(colours "$WORK/root.png" -crop 300x300+400+250)
    [ "$outside" -le 2 ] || fail "the saver drew outside the daemon's window: $outside colours"
    kill -INT "$PID"
    expect_exit 0 "SIGINT"
    folder_state >"$WORK/folder.after"
    diff "$WORK/folder.before" "$WORK/folder.after" >&2 || fail "the settings folder changed"
    ;;
root_window)
    start_saver -root
    wait_drawn root "the root window"
    kill -TERM "$PID"
    expect_exit 0 "SIGTERM"
    expect_quiet
    [ ! -e "$XDG_CONFIG_HOME" ] || fail "the saver made the settings folder: $(find "$XDG_CONFIG_HOME")"
    # A window that does not exist is refused with a message.
    "$SAVER" -window-id 0x7ffffff >"$WORK/stdout" 2>"$WORK/stderr"
    code=$?
    [ "$code" -eq 1 ] || fail "a missing window gave exit code $code, not 1"
    grep -q '^quillmere-saver: there is no window 0x7ffffff$' "$WORK/stderr" || fail "no clear message"
    ;;
own_window)
    start_saver -window -fps 10
    deadline=$((SECONDS + 20))
    until OWN=$(xdotool search --onlyvisible --name '^Quillmere$' 2>/dev/null | head -n 1) && [ -n "$OWN" ]; do
        [ $SECONDS -lt $deadline ] || fail "no window titled Quillmere"
        sleep 0.1
    done
    wait_drawn "$OWN" "its own window"
    class=$(xprop -id "$OWN" WM_CLASS)
    [ "$class" = 'WM_CLASS(STRING) = "quillmere-saver", "Quillmere-saver"' ] || fail "its window's class: $class"
    kill -TERM "$PID"
    expect_exit 0 "SIGTERM"
    expect_quiet
    [ -z "$(xdotool search --name '^Quillmere$' 2>/dev/null)" ] || fail "its window outlived it"
    ;;
*)
    fail "unknown case $CASE"
    ;;
esac
echo "PASS: $CASE"
