#!/bin/bash
# Drives the real program on a virtual X server: display_test.sh CASE PROGRAM [HELPER]
# HELPER is what the case needs: the stand-in screen saver service, the cursor probe, or the desktop entry.
# Every wait polls with a deadline, so a broken build fails quickly instead of hanging.
set -u

CASE=$1
PROGRAM=$2
HELPER=${3:-}

WORK=$(mktemp -d)
PID=""
FAKE_PID=""
cleanup() {
    [ -n "$PID" ] && kill -KILL "$PID" 2>/dev/null
    [ -n "$FAKE_PID" ] && kill -KILL "$FAKE_PID" 2>/dev/null
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

mkdir -p "$WORK/config" "$WORK/home"
mkdir -m 700 "$WORK/runtime"
export XDG_CONFIG_HOME="$WORK/config"
export XDG_RUNTIME_DIR="$WORK/runtime"
export HOME="$WORK/home"
# No accessibility bus, and no session bus unless the case brings its own.
export NO_AT_BRIDGE=1
[ "$CASE" = screen_blanking ] || unset DBUS_SESSION_BUS_ADDRESS
# Sound goes nowhere, or into a file where a case listens to it.
export SDL_AUDIODRIVER=dummy

SETTINGS="$XDG_CONFIG_HOME/quillmere/QuillmereSet.ini"
WINDOW=""

start_tank() {
    "$PROGRAM" >"$WORK/stdout" 2>"$WORK/stderr" &
    PID=$!
    wait_for_window
}

# The visible top-level window titled "Quillmere" (GTK also makes a hidden leader window).
tank_windows() {
    xdotool search --onlyvisible --name '^Quillmere$' 2>/dev/null
}

wait_for_window() {
    local deadline=$((SECONDS + 30))
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$PID" 2>/dev/null || fail "the program ended before its window appeared"
        WINDOW=$(tank_windows | head -n 1)
        # The settings file is written during the scene set-up, after which the timer ticks.
        if [ -n "$WINDOW" ] && [ -f "$SETTINGS" ]; then
            xdotool mousemove 640 400
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled Quillmere within 30 s"
}

# Waits for the program to end and sets EXIT_CODE.
wait_for_exit() {
    local deadline=$((SECONDS + 20))
    while kill -0 "$PID" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the program did not end within 20 s"
        sleep 0.1
    done
    wait "$PID"
    EXIT_CODE=$?
    PID=""
}

window_width() {
    xwininfo -id "$1" | awk '/Width:/ {print $2}'
}

# Prints the first visible window with a title matching TITLE and at least MIN_WIDTH wide:
# poll_window TITLE MIN_WIDTH WHAT
poll_window() {
    local deadline=$((SECONDS + 30)) window
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$PID" 2>/dev/null || fail "the program ended while waiting for $3"
        for window in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            if [ "$(window_width "$window")" -ge "$2" ]; then
                echo "$window"
                return 0
            fi
        done
        sleep 0.1
    done
    fail "no $3 within 30 s"
}

# A set-up that stops at a message box: the box is answered, then the empty frame shows and ends on
# ESC. expect_stopped_setup BOX_TITLE
expect_stopped_setup() {
    "$PROGRAM" >"$WORK/stdout" 2>"$WORK/stderr" &
    PID=$!
    local box box_width
    box=$(poll_window "$1" 1 "a message box titled $1") || exit 1
    box_width=$(window_width "$box")
    [ "$box_width" -lt 1280 ] || fail "the first window is ${box_width} wide; expected the message box"
    xdotool mousemove --window "$box" 20 20 key Return
    WINDOW=$(poll_window '^Quillmere$' 1280 "the frame after the message box") || exit 1
    [ ! -e "$SETTINGS" ] || fail "the set-up went on to load the settings"
    xdotool mousemove 640 400
    end_with_escape
}

expect_running() {
    # A negative check has to give the program a moment to misbehave.
    sleep 0.5
    kill -0 "$PID" 2>/dev/null || fail "$1"
}

end_with_escape() {
    xdotool key Escape
    wait_for_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "ESC ended the program with exit code $EXIT_CODE, not 0"
}

# Prints "X Y WIDTH HEIGHT" of the program's open popup menu, or nothing while none is open: the menu
# is the program's one mapped window that bypasses the window manager.
menu_geometry() {
    local window info
    for window in $(xwininfo -root -children | awk '/\("quillmere" "Quillmere"\)/ {print $1}'); do
        info=$(xwininfo -id "$window")
        grep -q 'Override Redirect State: yes' <<<"$info" && grep -q 'Map State: IsViewable' <<<"$info" ||
            continue
        awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
             /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}' <<<"$info"
        return 0
    done
}

# Right-clicks at X Y and waits for the menu; sets MENU_X, MENU_Y, MENU_WIDTH and MENU_HEIGHT.
open_menu() {
    xdotool mousemove "$1" "$2" click 3
    local deadline=$((SECONDS + 20)) geometry
    while :; do
        geometry=$(menu_geometry)
        [ -n "$geometry" ] && break
        kill -0 "$PID" 2>/dev/null || fail "the program ended instead of opening its menu"
        [ $SECONDS -lt $deadline ] || fail "no menu within 20 s of a right click at $1,$2"
        sleep 0.1
    done
    read -r MENU_X MENU_Y MENU_WIDTH MENU_HEIGHT <<<"$geometry"
}

wait_for_menu_closed() {
    local deadline=$((SECONDS + 20))
    while [ -n "$(menu_geometry)" ]; do
        [ $SECONDS -lt $deadline ] || fail "the menu was still open 20 s $1"
        sleep 0.1
    done
}

# Clicks item INDEX of the open menu (0 at the top; items are 48 pixels high inside a 1-pixel frame)
# with BUTTON, the left one unless given: choose_item INDEX [BUTTON]
choose_item() {
    xdotool mousemove $((MENU_X + MENU_WIDTH / 2)) $((MENU_Y + 1 + 48 * $1 + 24)) click "${2:-1}"
}

# The bounding box, WxH+X+Y, of the pixels of one colour: colour_box IMAGE COLOUR
colour_box() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%@' info:
}

# Waits until part of the tank away from the menu changes between two screenshots.
expect_frames_change() {
    local deadline=$((SECONDS + 20)) rc
    import -window root -crop 500x300+40+40 "$WORK/before.png" || fail "no screenshot"
    while :; do
        sleep 0.3
        import -window root -crop 500x300+40+40 "$WORK/after.png" || fail "no screenshot"
        compare -metric AE "$WORK/before.png" "$WORK/after.png" null: 2>/dev/null
        rc=$?
        [ "$rc" -eq 1 ] && return 0
        [ "$rc" -eq 0 ] || fail "the screenshots could not be compared"
        [ $SECONDS -lt $deadline ] || fail "the tank stood still for 20 s $1"
    done
}

# Waits for the pointer to be shown or hidden: wait_for_cursor visible|hidden WHEN
wait_for_cursor() {
    local deadline=$((SECONDS + 20)) state
    while :; do
        state=$("$HELPER") || fail "the cursor probe failed"
        [ "$state" = "$1" ] && return 0
        [ $SECONDS -lt $deadline ] || fail "the pointer was $state, not $1, $2"
        # A little motion, as a person's hand gives: the view sets the cursor as the pointer moves.
        xdotool mousemove_relative -- 3 0 mousemove_relative -- -3 0
        sleep 0.2
    done
}

# Waits for the modal dialog titled TITLE, checks that the pointer shows over it, and closes it with ESC.
close_dialog_with_visible_pointer() {
    local deadline=$((SECONDS + 20)) dialog
    until dialog=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$dialog" ]; do
        [ $SECONDS -lt $deadline ] || fail "no dialog matching $1"
        sleep 0.1
    done
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    # A corner of the dialog, away from its controls; keys go where the pointer is without a window manager.
    xdotool mousemove $((X + 3)) $((Y + HEIGHT - 3))
    wait_for_cursor visible "over the dialog $1"
    xdotool key Escape
    deadline=$((SECONDS + 20))
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "ESC did not close the dialog $1"
        sleep 0.1
    done
}

case "$CASE" in
window_covers_screen)
    start_tank
    geometry=$(xwininfo -id "$WINDOW")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
    width=$(awk '/Width:/ {print $2}' <<<"$geometry")
    height=$(awk '/Height:/ {print $2}' <<<"$geometry")
    [ "${width}x${height}+$x+$y" = 1280x800+0+0 ] ||
        fail "the window is ${width}x${height} at $x,$y, not the 1280x800 screen"
    properties=$(xprop -id "$WINDOW")
    # The desktop entry names the window's class, so that a dock puts the window under its icon.
    class=$(sed -n 's/^StartupWMClass=//p' "$HELPER")
    grep -qx "WM_CLASS(STRING) = \"quillmere\", \"${class:-none}\"" <<<"$properties" ||
        fail "the window's class is not the desktop entry's ${class:-none}: $(grep WM_CLASS <<<"$properties")"
    # Motif hints: flags, functions, decorations...; flag 2 says the decorations field counts.
    hints=$(sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = //p' <<<"$properties")
    [ -n "$hints" ] || fail "the window asks for its decorations: no _MOTIF_WM_HINTS"
    IFS=', ' read -r flags _ decorations _ <<<"$hints"
    [ $((flags & 2)) -ne 0 ] && [ $((decorations)) -eq 0 ] ||
        fail "the window does not turn its decorations off: _MOTIF_WM_HINTS = $hints"
    grep -q '_NET_WM_STATE_ABOVE' <<<"$properties" || fail "the window is not kept above others"
    # The view is the frame's one child window and fills it.
    largest_child=$(xwininfo -tree -id "$WINDOW" | sed -n 's/.*  \([0-9]*\)x\([0-9]*\)+-*[0-9]*+-*[0-9]*  .*/\1 \2/p' |
        sort -n -r | head -n 1)
    read -r child_width child_height <<<"$largest_child"
    [ "${child_width:-0}" -ge 1280 ] && [ "${child_height:-0}" -ge 800 ] ||
        fail "the view does not fill the window: largest child ${child_width:-none}x${child_height:-none}"
    end_with_escape
    ;;
escape_ends)
    start_tank
    xdotool key F1
    expect_running "F1 ended the program"
    xdotool key F1
    end_with_escape
    ;;
second_copy)
    start_tank
    timeout 20 "$PROGRAM" >"$WORK/second.out" 2>&1
    second=$?
    [ "$second" -eq 0 ] || fail "the second copy ended with exit code $second, not 0"
    count=$(tank_windows | wc -l)
    [ "$count" -eq 1 ] || fail "$count windows titled Quillmere while two copies were started"
    kill -0 "$PID" 2>/dev/null || fail "the first copy ended when the second started"
    end_with_escape
    # Both guards are free again: a new copy starts and shows its window.
    start_tank
    end_with_escape
    ;;
after_crash)
    # A copy that was killed leaves its lock files behind; they must not keep the next start out.
    start_tank
    kill -KILL "$PID"
    wait "$PID" 2>/dev/null
    PID=""
    [ -f "$XDG_RUNTIME_DIR/Quillmere" ] || fail "no lock file left to test with"
    start_tank
    end_with_escape
    ;;
mouse_keeps_running)
    start_tank
    xdotool mousemove 10 10 mousemove 1270 790 mousemove 640 400
    xdotool click 1 click 2
    # The right click opens the menu, which the clicks and the drag below would choose from; ESC closes it.
    open_menu 640 400
    xdotool key Escape
    wait_for_menu_closed "after ESC"
    xdotool click 4 click 5
    xdotool click --repeat 2 --delay 50 1
    xdotool mousedown 1 mousemove 700 450 mouseup 1
    expect_running "mouse activity ended the program"
    count=$(tank_windows | wc -l)
    [ "$count" -eq 1 ] || fail "mouse activity left $count windows titled Quillmere"
    xdotool key Escape
    wait_for_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "ESC after mouse activity gave exit code $EXIT_CODE"
    ;;
termination_signals)
    for signal in TERM INT; do
        start_tank
        kill -s "$signal" "$PID"
        wait_for_exit
        [ "$EXIT_CODE" -eq 0 ] || fail "SIG$signal ended the program with exit code $EXIT_CODE, not 0"
        [ -z "$(tank_windows)" ] || fail "a window is left after SIG$signal"
    done
    ;;
startup_settings_and_locks)
    start_tank
    [ -f "$XDG_RUNTIME_DIR/Tarnwick" ] && [ -f "$XDG_RUNTIME_DIR/Quillmere" ] ||
        fail "the lock files are not in XDG_RUNTIME_DIR: $(ls -A "$XDG_RUNTIME_DIR")"
    [ -z "$(ls -A "$HOME")" ] || fail "the program wrote into the home folder: $(ls -A "$HOME")"
    grep -qx 'FOGNONGDU=25' "$SETTINGS" || fail "no FOGNONGDU=25 in the new settings file"
    for kind in $(seq 0 14); do
        grep -q "^Fish$kind=" "$SETTINGS" || fail "no Fish$kind in the new settings file"
    done
    end_with_escape
    [ ! -e "$XDG_RUNTIME_DIR/Quillmere" ] || fail "the lock file outlived the program"
    ;;
tank_is_drawn)
    start_tank
    # The backdrop fills the view once the set-up is done: many colours, none of Xvfb's grey pattern.
    deadline=$((SECONDS + 30))
    while :; do
        import -window root "$WORK/screen.png" || fail "no screenshot"
        colours=$(convert "$WORK/screen.png" -format '%k' info:)
        [ "$colours" -gt 2000 ] && break
        [ $SECONDS -lt $deadline ] || fail "the tank was not drawn: $colours colours on screen"
        sleep 0.5
    done
    mean=$(convert "$WORK/screen.png" -format '%[fx:int(255*mean)]' info:)
    [ "$mean" -gt 30 ] || fail "the picture is too dark: mean $mean"
    leftovers=$(find "$XDG_CONFIG_HOME/quillmere" -name '*.ad' -o -name '*.bmp')
    [ -z "$leftovers" ] || fail "extracted files outlived the set-up: $leftovers"
    end_with_escape
    ;;
plays_tune)
    # A fresh folder has no music of the user's, so the built-in tune plays in both ears.
    export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/sound.raw"
    start_tank
    deadline=$((SECONDS + 30))
    until [ -s "$WORK/sound.raw" ] && [ "$(tr -d '\000' <"$WORK/sound.raw" | head -c 20000 | wc -c)" -ge 20000 ]; do
        [ $SECONDS -lt $deadline ] || fail "the built-in tune was not heard"
        sleep 0.5
    done
    leftovers=$(find "$XDG_CONFIG_HOME/quillmere" -name 'Music.*')
    [ -z "$leftovers" ] || fail "the tune's extracted files outlived its start: $leftovers"
    end_with_escape
    ;;
screen_blanking)
    "$HELPER" >"$WORK/screen_saver.log" &
    FAKE_PID=$!
    deadline=$((SECONDS + 10))
    until grep -q '^ready$' "$WORK/screen_saver.log"; do
        [ $SECONDS -lt $deadline ] || fail "the stand-in screen saver service did not start"
        sleep 0.1
    done
    # By default nothing is held: the desktop's idle lock applies. The hold would be taken during
    # start-up, before the main loop that sees ESC, so a run that has ended tells.
    start_tank
    end_with_escape
    grep -q '^Inhibit' "$WORK/screen_saver.log" &&
        fail "screen blanking was held off without KeepScreenOn: $(cat "$WORK/screen_saver.log")"

    printf '[Display]\nKeepScreenOn=1\n' >>"$SETTINGS"
    cp "$SETTINGS" "$WORK/settings.before"
    start_tank
    # The hold is taken once the tank's set-up is done, which may be a moment after the window shows.
    deadline=$((SECONDS + 20))
    until grep -q '^Inhibit Quillmere 4242$' "$WORK/screen_saver.log"; do
        [ $SECONDS -lt $deadline ] ||
            fail "KeepScreenOn=1 did not hold off screen blanking: $(cat "$WORK/screen_saver.log")"
        sleep 0.1
    done
    grep -q '^UnInhibit' "$WORK/screen_saver.log" && fail "screen blanking was released too early"
    end_with_escape
    grep -q '^UnInhibit 4242$' "$WORK/screen_saver.log" ||
        fail "screen blanking was not released at the end: $(cat "$WORK/screen_saver.log")"
    cmp -s "$SETTINGS" "$WORK/settings.before" || fail "the settings file changed: $(cat "$SETTINGS")"
    ;;
no_sound_device)
    # ALSA and the sound library print lines of their own when no device opens; only the program's one
    # line reaches the terminal.
    export SDL_AUDIODRIVER=alsa AUDIODEV=quillmere-nowhere
    start_tank
    end_with_escape
    [ "$(wc -l <"$WORK/stderr")" -eq 1 ] && grep -q '^Quillmere: no sound device (.*); running without sound\.$' "$WORK/stderr" ||
        fail "not the one line about the sound device"
    ;;
keep_screen_on_unheld)
    # No session bus here. The X server's own screen saver holds the blanking off in an X session, but
    # in a Wayland session the compositor never asks XWayland's: then one line says nothing holds it.
    mkdir -p -m 700 "$(dirname "$SETTINGS")"
    printf '[Display]\nKeepScreenOn=1\n' >"$SETTINGS"
    for session in x11 wayland; do
        if [ "$session" = x11 ]; then start_tank; else WAYLAND_DISPLAY=wayland-quillmere start_tank; fi
        end_with_escape
        said=$(grep -c 'KeepScreenOn=1, but this session offers no way to keep the screen on' "$WORK/stderr")
        [ "$said" -eq "$([ "$session" = x11 ] && echo 0 || echo 1)" ] ||
            fail "in the $session session the program said $said times that nothing keeps the screen on"
    done
    ;;
unreadable_settings)
    # A folder, then a FIFO, where the settings file should be: never opened for reading (a FIFO would
    # hang the start), never replaced, said once; the tank runs on its defaults.
    for kind in folder fifo; do
        mkdir -p "$(dirname "$SETTINGS")"
        if [ "$kind" = folder ]; then mkdir "$SETTINGS"; else mkfifo "$SETTINGS"; fi
        "$PROGRAM" >"$WORK/stdout" 2>"$WORK/stderr" &
        PID=$!
        WINDOW=$(poll_window '^Quillmere$' 1280 "the tank over a settings $kind") || exit 1
        deadline=$((SECONDS + 30))
        until grep -q 'cannot be read whole' "$WORK/stderr"; do
            [ $SECONDS -lt $deadline ] || fail "nothing said about the settings $kind"
            sleep 0.1
        done
        xdotool mousemove 640 400
        end_with_escape
        [ "$(grep -c 'cannot be read whole' "$WORK/stderr")" = 1 ] || fail "said more than once: $(cat "$WORK/stderr")"
        if [ "$kind" = folder ]; then
            [ -d "$SETTINGS" ] && [ -z "$(ls -A "$SETTINGS")" ] || fail "the settings folder was changed"
        else
            [ -p "$SETTINGS" ] || fail "the settings FIFO was replaced"
        fi
        [ -z "$(find "$(dirname "$SETTINGS")" -name 'QuillmereSet.ini.tmp*')" ] || fail "a temporary file was left"
        rm -rf "$SETTINGS"
    done
    ;;
no_glx)
    # The server offers no GLX, so there is no view to draw with.
    expect_stopped_setup '^Quillmere$'
    ;;
no_glx_terminated)
    # SIGTERM while the set-up's message box waits for an answer ends the program all the same.
    "$PROGRAM" >"$WORK/stdout" 2>"$WORK/stderr" &
    PID=$!
    poll_window '^Quillmere$' 1 "the set-up's message box" >/dev/null || exit 1
    kill -TERM "$PID"
    wait_for_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "SIGTERM at the set-up's message box ended the program with exit code $EXIT_CODE"
    ;;
no_settings_folder)
    # The folder for the settings and the extracted media cannot be made: a file is in the way.
    rm -rf "$XDG_CONFIG_HOME"
    touch "$XDG_CONFIG_HOME"
    SETTINGS="$XDG_CONFIG_HOME/quillmere"
    expect_stopped_setup '^ERROR$'
    ;;
no_display)
    for display in "" ":4095"; do
        if [ -z "$display" ]; then
            env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$PROGRAM" >"$WORK/stdout" 2>"$WORK/stderr"
        else
            env -u WAYLAND_DISPLAY DISPLAY="$display" timeout 20 "$PROGRAM" >"$WORK/stdout" 2>"$WORK/stderr"
        fi
        code=$?
        [ "$code" -ne 0 ] && [ "$code" -ne 124 ] ||
            fail "DISPLAY='$display': exit code $code, expected a failure code"
        grep -q '^Quillmere: cannot open the display' "$WORK/stderr" ||
            fail "DISPLAY='$display': no clear message on stderr"
    done
    ;;
menu_on_screen)
    start_tank
    # Near the bottom-right corner the menu opens up and to the left of the click, all of it on screen.
    open_menu 1275 795
    [ "$MENU_X" -ge 0 ] && [ "$MENU_Y" -ge 0 ] && [ $((MENU_X + MENU_WIDTH)) -le 1280 ] &&
        [ $((MENU_Y + MENU_HEIGHT)) -le 800 ] ||
        fail "the ${MENU_WIDTH}x${MENU_HEIGHT} menu at $MENU_X,$MENU_Y runs off the 1280x800 screen"
    [ "$MENU_WIDTH" -ge 142 ] && [ "$MENU_HEIGHT" -eq 242 ] ||
        fail "the menu is ${MENU_WIDTH}x${MENU_HEIGHT}: not five items of at least 140x48 in a frame"
    # Drawn whole, none selected with the pointer outside: the five items' strip and face fill the menu.
    strip_expected="25x240+1+1"
    face_expected="$((MENU_WIDTH - 27))x240+26+1"
    deadline=$((SECONDS + 20))
    while :; do
        import -window root "$WORK/screen.png" || fail "no screenshot"
        convert "$WORK/screen.png" -crop "${MENU_WIDTH}x${MENU_HEIGHT}+${MENU_X}+${MENU_Y}" +repage "$WORK/menu.png"
        strip=$(colour_box "$WORK/menu.png" 'srgb(219,216,209)')
        face=$(colour_box "$WORK/menu.png" 'srgb(249,248,247)')
        [ "$strip" = "$strip_expected" ] && [ "$face" = "$face_expected" ] && break
        [ $SECONDS -lt $deadline ] ||
            fail "the menu is not drawn whole: strip $strip (expected $strip_expected), face $face (expected $face_expected)"
        sleep 0.5
    done
    xdotool key Escape
    wait_for_menu_closed "after ESC"
    end_with_escape
    ;;
menu_escape)
    start_tank
    open_menu 640 400
    expect_frames_change "while the menu was open"
    xdotool key Escape
    wait_for_menu_closed "after ESC"
    expect_running "ESC on the open menu ended the program"
    expect_frames_change "after the menu closed"
    # A click elsewhere closes the menu too, without a command.
    open_menu 640 400
    xdotool mousemove 200 200 click 1
    wait_for_menu_closed "after a click elsewhere"
    expect_running "a click beside the menu ended the program"
    end_with_escape
    ;;
menu_exit)
    # "  Exit" by the right button (the left one chooses in menu_cursor), then by the keyboard: Up from
    # no selection takes the last item.
    for how in mouse keyboard; do
        start_tank
        open_menu 640 400
        if [ "$how" = mouse ]; then
            choose_item 4 3
        else
            xdotool key Up Return
        fi
        wait_for_exit
        [ "$EXIT_CODE" -eq 0 ] || fail "Exit chosen by the $how ended the program with exit code $EXIT_CODE, not 0"
        [ -z "$(tank_windows)" ] || fail "a window is left after Exit chosen by the $how"
        [ ! -e "$XDG_RUNTIME_DIR/Quillmere" ] || fail "the lock file outlived Exit chosen by the $how"
    done
    ;;
menu_cursor)
    start_tank
    wait_for_cursor hidden "over the tank at the start"
    open_menu 640 400
    wait_for_cursor visible "over the open menu"
    choose_item 0 # "  Add/Delete Fish"
    wait_for_menu_closed "after Add/Delete Fish was chosen"
    close_dialog_with_visible_pointer '^Fish Settings - Quillmere 1.2$'
    xdotool mousemove 500 300
    wait_for_cursor visible "over the tank after Add/Delete Fish"
    xdotool mousemove 300 200
    sleep 0.5
    [ "$("$HELPER")" = visible ] || fail "the pointer hid again after Add/Delete Fish"
    open_menu 640 400
    choose_item 1 # "  Aquarium Settings"
    wait_for_menu_closed "after Aquarium Settings was chosen"
    close_dialog_with_visible_pointer '^Aquarium Settings - Quillmere 1.2$'
    xdotool mousemove 500 300
    wait_for_cursor hidden "over the tank after Aquarium Settings"
    end_with_escape
    ;;
*)
    fail "unknown case $CASE"
    ;;
esac
echo "PASS: $CASE"
