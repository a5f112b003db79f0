#!/bin/bash
# Drives the two modal dialogs of the real program on a virtual X server:
# dialog_display_test.sh CASE PROGRAM
# Every wait polls with a deadline, so a broken build fails quickly instead of hanging.
set -u

CASE=$1
PROGRAM=$2

. "$(dirname "$0")/dialog_harness.sh"

SETTINGS_TITLE='^Aquarium Settings - Quillmere 1.2$'
FISH_TITLE='^Fish Settings - Quillmere 1.2$'
WINDOW=""
DIALOG=""

# Starts the program over a settings file with these lines in "Aquarium Settings" and "Fish Number".
# start_tank "AQUARIUM LINES" "FISH LINES"
start_tank() {
    printf '[Aquarium Settings]\n%s\n[Fish Number]\n%s\n' "$1" "$2" >"$SETTINGS"
    "$PROGRAM" >"$WORK/stdout" 2>"$WORK/stderr" &
    PID=$!
    local deadline=$((SECONDS + 30))
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$PID" 2>/dev/null || fail "the program ended before its window appeared"
        WINDOW=$(xdotool search --onlyvisible --name '^Quillmere$' 2>/dev/null | head -n 1)
        # The start-up load writes the keys it repairs; after it the timer ticks.
        if [ -n "$WINDOW" ] && grep -q '^Show Water=0' "$SETTINGS"; then
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled Quillmere within 30 s"
}

setting() {
    sed -n "s/^$1=//p" "$SETTINGS" | tr -d '\r'
}

# poll_setting KEY VALUE SECONDS WHAT
poll_setting() {
    local deadline=$((SECONDS + $3))
    until [ "$(setting "$1")" = "$2" ]; do
        [ $SECONDS -lt $deadline ] || fail "$4: $1 is '$(setting "$1")', not '$2'"
        sleep 0.02
    done
}


# The open popup menu's geometry "X Y WIDTH HEIGHT": the program's mapped override-redirect window.
menu_geometry() {
    local window
    window=$(menu_window)
    [ -n "$window" ] || return 0
    xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
         /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}

# Opens a dialog from the right-click menu: open_dialog ENTRY_INDEX TITLE. Entries are 48 pixels high
# inside a 1-pixel frame; the pointer is left over the dialog, where keys go on a server without a
# window manager.
open_dialog() {
    xdotool mousemove 400 300 click 3
    local deadline=$((SECONDS + 20)) geometry menu_x menu_y menu_width
    until geometry=$(menu_geometry) && [ -n "$geometry" ]; do
        kill -0 "$PID" 2>/dev/null || fail "the program ended instead of opening its menu"
        [ $SECONDS -lt $deadline ] || fail "no menu within 20 s of a right click"
        sleep 0.1
    done
    read -r menu_x menu_y menu_width _ <<<"$geometry"
    xdotool mousemove $((menu_x + menu_width / 2)) $((menu_y + 1 + 48 * $1 + 24)) click 1
    deadline=$((SECONDS + 20))
    while [ $SECONDS -lt $deadline ]; do
        DIALOG=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1)
        if [ -n "$DIALOG" ]; then
            dialog_geometry
            xdotool mousemove $((DX + 3)) $((DY + DH - 3))
            return 0
        fi
        sleep 0.1
    done
    fail "no dialog matching $2 after choosing menu entry $1"
}

wait_dialog_closed() {
    local deadline=$((SECONDS + 10))
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "the dialog did not close"
        sleep 0.1
    done
    kill -0 "$PID" 2>/dev/null || fail "closing the dialog ended the program"
}

# Sets DX, DY, DW, DH to the dialog's place on the screen.
dialog_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$DIALOG")"
    DX=$X DY=$Y DW=$WIDTH DH=$HEIGHT
}

dialog_shot() {
    dialog_geometry
    import -window root -crop "${DW}x${DH}+${DX}+${DY}" +repage "$WORK/$1.png" || fail "no screenshot"
}

# Screen x, y of the centre of the Nth (1-based, left to right) vertical slider's thumb: the pure red
# blobs of the dialog.
slider_thumb() {
    dialog_shot thumbs
    convert "$WORK/thumbs.png" -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' \
        -define connected-components:verbose=true -connected-components 8 null: |
        awk '
            $NF == "srgb(255,255,255)" && $4 >= 40 { split($3, c, ","); print int(c[1]), int(c[2]) }' |
        sort -n | sed -n "${1}p" | awk -v dx="$DX" -v dy="$DY" 'NF == 2 { print dx + $1, dy + $2; found = 1 }
            END { exit !found }'
}

case "$CASE" in
fog_reaches_file)
    start_tank "FOGNONGDU=12
VIEWSLEFTRIGHT=1234" "Fish0=1"
    open_dialog 1 "$SETTINGS_TITLE"
    poll_setting FOGNONGDU 12 5 "the dialog's first saves"
    expect_tank_moves "behind the settings dialog"
    # The view sliders follow the camera's sweep, but what is saved stays the view the user set.
    [ "$(setting VIEWSLEFTRIGHT)" = 1234 ] || fail "the sweep was saved: VIEWSLEFTRIGHT=$(setting VIEWSLEFTRIGHT)"
    read -r tx ty < <(slider_thumb 3) || fail "no third slider thumb in the dialog"
    # Clicking the thumb itself gives the slider the focus without moving it; Home moves it to the top.
    xdotool mousemove "$tx" "$ty" click 1 key Home
    started=$(date +%s%N)
    poll_setting FOGNONGDU 0 5 "the Fog slider moved to the top"
    elapsed=$((($(date +%s%N) - started) / 1000000))
    echo "FOGNONGDU followed the slider after $elapsed ms"
    # Esc a second after the change closes the dialog and keeps what it shows.
    sleep 1
    xdotool key Escape
    wait_dialog_closed "$SETTINGS_TITLE"
    [ "$(setting FOGNONGDU)" = 0 ] || fail "Esc undid the change: FOGNONGDU=$(setting FOGNONGDU)"
    ;;
preview_shown)
    # With the views fixed the dialog stands still, so two openings can be compared pixel by pixel.
    start_tank "BACKGROUND=0
CHECK VIEWS=0" "Fish0=1"
    open_dialog 1 "$SETTINGS_TITLE"
    sleep 1
    dialog_shot backdrop0
    xdotool key Escape
    wait_dialog_closed "$SETTINGS_TITLE"
    sed -i 's/^BACKGROUND=.*/BACKGROUND=2/' "$SETTINGS"
    open_dialog 1 "$SETTINGS_TITLE"
    sleep 1
    dialog_shot backdrop2
    xdotool key Escape
    wait_dialog_closed "$SETTINGS_TITLE"
    size0=$(identify -format '%wx%h' "$WORK/backdrop0.png")
    size2=$(identify -format '%wx%h' "$WORK/backdrop2.png")
    [ "$size0" = "$size2" ] || fail "the dialog is $size2 with BACKGROUND 2 but $size0 with 0: not one preview"
    # Only the preview changes, to the dark tank of a backdrop without the built-in picture.
    box=$(convert "$WORK/backdrop0.png" "$WORK/backdrop2.png" -compose difference -composite -threshold 0 \
        -format '%@' info:)
    read -r box_width box_height _ _ <<<"$(sed 's/[x+]/ /g' <<<"$box")"
    [ "$box_width" -le 160 ] && [ "$box_height" -le 100 ] && [ "$box_width" -ge 100 ] ||
        fail "BACKGROUND 2 changed the dialog in $box, not in one 160x100 preview"
    dark=$(convert "$WORK/backdrop2.png" -crop "$box" -format '%[fx:int(100*mean)]' info:)
    [ "$dark" -lt 20 ] || fail "the preview of BACKGROUND 2 is not the dark tank: mean $dark%"
    [ "$(setting BACKGROUND)" = 2 ] || fail "the dialog changed BACKGROUND to $(setting BACKGROUND)"
    ;;
fish_total_limit)
    # 49 fish: Add brings the total to 50, and a further Add does nothing.
    start_tank "BACKGROUND=0" "Fish0=7
$(for kind in $(seq 1 14); do echo "Fish$kind=3"; done)"
    open_dialog 0 "$FISH_TITLE"
    # Kind 0's cell at the picture's top left; the picture sits 8 pixels inside the dialog.
    xdotool mousemove $((DX + 8 + 50)) $((DY + 8 + 45)) click 1 key a
    poll_setting Fish0 8 5 "A after selecting kind 0"
    # A double click adds as well, but not beyond 50 fish in all.
    xdotool click --repeat 2 --delay 80 1 key a
    sleep 1.5
    [ "$(setting Fish0)" = 8 ] || fail "a further Add went past 50 fish: Fish0=$(setting Fish0)"
    ;;
fish_clear)
    start_tank "BACKGROUND=0" "Fish0=2
Fish7=4
Fish14=50"
    open_dialog 0 "$FISH_TITLE"
    expect_tank_moves "behind the fish dialog"
    # Clear and close at once: closing saves, so nothing waits for the timer.
    xdotool key c Escape
    wait_dialog_closed "$FISH_TITLE"
    for kind in $(seq 0 14); do
        [ "$(setting "Fish$kind")" = 0 ] || fail "Fish$kind is $(setting "Fish$kind") after Clear and close"
    done
    ;;
*)
    fail "unknown case $CASE"
    ;;
esac
kill -0 "$PID" 2>/dev/null || fail "the program ended"
xdotool key Escape
echo "PASS: $CASE"
