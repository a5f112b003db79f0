# Shared by the dialogs' display scripts, which source it after setting PROGRAM: a private work folder
# removed at the end with the program, the failure report, and a settings folder, home and runtime
# folder of the test's own, so no other copy of the program or the desktop's session interferes.

WORK=$(mktemp -d)
PID=""
cleanup() {
    [ -n "$PID" ] && kill -KILL "$PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$WORK/stderr" ]; then
        echo "--- program stderr:" >&2
        cat "$WORK/stderr" >&2
    fi
    exit 1
}

mkdir -p "$WORK/config/quillmere" "$WORK/home"
mkdir -m 700 "$WORK/runtime"
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" HOME="$WORK/home" NO_AT_BRIDGE=1
unset DBUS_SESSION_BUS_ADDRESS
export SDL_AUDIODRIVER=dummy
SETTINGS="$XDG_CONFIG_HOME/quillmere/QuillmereSet.ini"

# The open popup menu: the program's one mapped window that bypasses the window manager.
menu_window() {
    local window info
    for window in $(xwininfo -root -children | awk '/\("quillmere" "Quillmere"\)/ {print $1}'); do
        info=$(xwininfo -id "$window")
        grep -q 'Override Redirect State: yes' <<<"$info" && grep -q 'Map State: IsViewable' <<<"$info" ||
            continue
        echo "$window"
        return 0
    done
}

# Waits until a corner of the tank away from the centred dialog or message box changes between two screenshots.
expect_tank_moves() {
    local deadline=$((SECONDS + 20)) rc
    import -window root -crop 300x150+0+0 "$WORK/before.png" || fail "no screenshot"
    while :; do
        sleep 0.3
        import -window root -crop 300x150+0+0 "$WORK/after.png" || fail "no screenshot"
        compare -metric AE "$WORK/before.png" "$WORK/after.png" null: 2>/dev/null
        rc=$?
        [ "$rc" -eq 1 ] && return 0
        [ "$rc" -eq 0 ] || fail "the screenshots could not be compared"
        [ $SECONDS -lt $deadline ] || fail "the tank stood still for 20 s $1"
    done
}
