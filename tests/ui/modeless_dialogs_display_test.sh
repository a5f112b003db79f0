#!/bin/bash
# Drives the Custom Background and Custom Music dialogs of the real program on a virtual X server:
# modeless_dialogs_display_test.sh CASE PROGRAM
# Every wait polls with a deadline, so a broken build fails quickly instead of hanging.
set -u

CASE=$1
PROGRAM=$2

. "$(dirname "$0")/dialog_harness.sh"

# The user's files live where names are hard on a program: beyond 127 bytes, with spaces and umlauts.
MEDIA="$WORK/home/Bilder und Musik/Sommer über dem Meer/$(printf 'Wellen%.0s' {1..16})"
mkdir -p "$MEDIA"

start_program() {
    "$PROGRAM" >"$WORK/stdout" 2>"$WORK/stderr" &
    PID=$!
}

# Prints the first visible window whose title matches TITLE and whose width lies in MIN..MAX:
# poll_window TITLE MIN MAX WHAT
poll_window() {
    local deadline=$((SECONDS + 30)) window width
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$PID" 2>/dev/null || fail "the program ended while waiting for $4"
        for window in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
            if [ "$width" -ge "$2" ] && [ "$width" -le "$3" ]; then
                echo "$window"
                return 0
            fi
        done
        sleep 0.2
    done
    fail "no $4 within 30 s"
}

wait_for_tank() {
    poll_window '^Quillmere$' 1280 100000 "tank window" >/dev/null || exit 1
    xdotool mousemove 640 400
}

# A message box of the program: a small window titled "Quillmere". Answers it with Return.
answer_message() {
    local box
    box=$(poll_window '^Quillmere$' 1 1000 "message box $1") || exit 1
    read -r BOX_X BOX_Y <<<"$(window_origin "$box")"
    xdotool mousemove $((BOX_X + 10)) $((BOX_Y + 10)) key Return
    local deadline=$((SECONDS + 20))
    while xdotool search --onlyvisible --name '^Quillmere$' 2>/dev/null | grep -qx "$box"; do
        [ $SECONDS -lt $deadline ] || fail "the message box $1 did not close on Return"
        sleep 0.2
    done
}

window_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'
}

# Prints "X Y" of the open popup menu, the program's one mapped window that bypasses the window manager.
menu_origin() {
    local window
    window=$(menu_window)
    [ -n "$window" ] && window_origin "$window"
    return 0
}

# Opens a menu entry (2 "  Custom Music", 3 "  Custom Background") and waits for its dialog; sets DIALOG,
# DIALOG_X and DIALOG_Y. The menu's items are 48 pixels high inside a 1-pixel frame.
open_dialog() {
    xdotool mousemove 640 400 click 3
    local deadline=$((SECONDS + 20)) menu
    until menu=$(menu_origin) && [ -n "$menu" ]; do
        [ $SECONDS -lt $deadline ] || fail "no menu within 20 s of a right click"
        sleep 0.2
    done
    read -r MENU_X MENU_Y <<<"$menu"
    xdotool mousemove $((MENU_X + 70)) $((MENU_Y + 1 + 48 * $1 + 24)) click 1
    DIALOG=$(poll_window "^$2 - Quillmere 1.2\$" 1 1279 "dialog $2") || exit 1
    read -r DIALOG_X DIALOG_Y <<<"$(window_origin "$DIALOG")"
    # Without a window manager the keyboard follows the pointer.
    xdotool mousemove $((DIALOG_X + 200)) $((DIALOG_Y + 5))
}

# ESC on a dialog hides it and leaves the tank running: hide_dialog NAME
hide_dialog() {
    xdotool mousemove $((DIALOG_X + 200)) $((DIALOG_Y + 5)) key Escape
    local deadline=$((SECONDS + 20))
    while xdotool search --onlyvisible --name "^$1 - Quillmere 1.2\$" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "ESC did not hide the dialog $1"
        sleep 0.2
    done
    expect_running "ESC on the dialog $1 ended the program"
}

expect_running() {
    # A negative check has to give the program a moment to misbehave.
    sleep 0.5
    kill -0 "$PID" 2>/dev/null || fail "$1"
}

# Waits until the colour at X,Y of the screen passes TEST (an fx expression on r, g, b): wait_for_colour X Y TEST WHAT
wait_for_colour() {
    local deadline=$((SECONDS + 30)) colour
    while :; do
        import -window root -crop "1x1+$1+$2" "$WORK/pixel.png" 2>/dev/null || fail "no screenshot"
        [ "$(convert "$WORK/pixel.png" -format "%[fx:($3) ? 1 : 0]" info:)" = 1 ] && return 0
        colour=$(convert "$WORK/pixel.png" -format '%[pixel:p{0,0}]' info:)
        [ $SECONDS -lt $deadline ] || fail "$4: the screen at $1,$2 is $colour"
        sleep 0.3
    done
}

# Waits until the screen's W x H rectangle at X,Y passes TEST (an fx expression on the rectangle's
# statistics: mean.r, standard_deviation.g ...): wait_for_rectangle X Y W H TEST WHAT
wait_for_rectangle() {
    local deadline=$((SECONDS + 30)) seen
    while :; do
        import -window root -crop "$3x$4+$1+$2" +repage "$WORK/rectangle.png" 2>/dev/null || fail "no screenshot"
        [ "$(convert "$WORK/rectangle.png" -format "%[fx:($5) ? 1 : 0]" info:)" = 1 ] && return 0
        seen=$(convert "$WORK/rectangle.png" -format \
            '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b] deviation %[fx:standard_deviation.g]' info:)
        [ $SECONDS -lt $deadline ] || fail "$6: the screen at $1,$2 shows mean r g b $seen"
        sleep 0.3
    done
}

# Waits for the program to end with exit code 0 after WHAT: expect_clean_exit WHAT
expect_clean_exit() {
    local deadline=$((SECONDS + 30))
    while kill -0 "$PID" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the program did not end within 30 s of $1"
        sleep 0.2
    done
    wait "$PID"
    local code=$?
    PID=""
    [ "$code" -eq 0 ] || fail "$1 ended the program with exit code $code"
}

end_with_escape() {
    # Over the tank, away from where the dialogs show.
    xdotool mousemove 40 40 key Escape
    expect_clean_exit ESC
}

# SIGTERM ends the program with exit code 0 whatever it is showing: end_with_sigterm WHEN
end_with_sigterm() {
    kill -TERM "$PID"
    expect_clean_exit "SIGTERM $1"
}

# The top right of the tank shows the backdrop between the fish most of the time.
BACKDROP_X=1200
BACKDROP_Y=120

case "$CASE" in
own_pictures)
    convert -size 64x40 xc:'#ff2020' "PNG24:$MEDIA/rotes Bild.png" || fail "cannot make the test pictures"
    convert -size 64x40 xc:'#2040ff' "$MEDIA/blau.jpg" || fail "cannot make the test pictures"
    printf '[Custom Images]\nRepeatImage=1\nOwnImage=1\nImageTime=5\nImageSum=3\nImageList0=%s\nImageList1=%s\nImageList2=%s\n' \
        "$MEDIA/rotes Bild.png" "$MEDIA/verschwunden.png" "$MEDIA/blau.jpg" >"$SETTINGS"
    start_program
    # The picture that vanished since the last run gives its message during the start-up.
    answer_message "for the picture that vanished"
    wait_for_tank
    wait_for_colour $BACKDROP_X $BACKDROP_Y 'r > 0.8 && g < 0.3 && b < 0.3' "the first stored picture is not the backdrop"

    # Unchecking "Use your own image" brings the built-in backdrop back.
    open_dialog 3 "Custom Background"
    xdotool mousemove $((DIALOG_X + 25)) $((DIALOG_Y + 20)) click 1
    wait_for_colour $BACKDROP_X $BACKDROP_Y '!(r > 0.8 && g < 0.3 && b < 0.3)' "the picture stayed after the box was unchecked"

    # ESC hides the dialog and saves the list; the tank goes on.
    hide_dialog "Custom Background"
    deadline=$((SECONDS + 20))
    until grep -qx 'OwnImage=0' "$SETTINGS"; do
        [ $SECONDS -lt $deadline ] || fail "hiding the dialog did not save the box: $(cat "$SETTINGS")"
        sleep 0.2
    done
    grep -qx 'ImageSum=2' "$SETTINGS" && grep -qxF "ImageList0=$MEDIA/rotes Bild.png" "$SETTINGS" &&
        grep -qxF "ImageList1=$MEDIA/blau.jpg" "$SETTINGS" || fail "the list was not saved whole: $(cat "$SETTINGS")"
    end_with_escape
    ;;
own_image_without_picture)
    # "Use your own image" on with an empty list: the built-in backdrop goes and the panel shows bare in
    # the light's fixed green. No fish, no bubbles and no fog lie over it.
    {
        printf '[Aquarium Settings]\nFRONT GUDING=1\nFRONTCOLOR=65280\nFRONT AUTOJIANBIAN=0\n'
        printf 'QIPAONUM=1000\nFOGNONGDU=25\nLIGHTQIANGDU=0\n[Fish Number]\n'
        for kind in $(seq 0 14); do printf 'Fish%d=0\n' "$kind"; done
        printf '[Custom Images]\nOwnImage=1\nImageSum=0\n'
    } >"$SETTINGS"
    start_program
    wait_for_tank
    wait_for_rectangle $((BACKDROP_X - 100)) $((BACKDROP_Y - 50)) 200 100 \
        'mean.g > 0.9 && mean.r < 0.1 && mean.b < 0.1 && standard_deviation.g < 0.01' \
        "the tinted panel does not show bare"
    end_with_escape
    ;;
remove_without_selection)
    start_program
    wait_for_tank
    open_dialog 2 "Custom Music"
    # The tab order runs On/Off, the three modes, the list, "Add Music", "Remove".
    xdotool key Tab Tab Tab Tab Tab Tab space
    answer_message "after Remove without a selection"
    hide_dialog "Custom Music"
    end_with_escape
    ;;
own_music)
    export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/sound.raw"
    # The first file is a square wave of +-6000, 100 frames a period, 18 s long: its samples take only
    # those two values, which the tune never does.
    {
        for _ in $(seq 50); do printf '\x70\x17\x70\x17'; done
        for _ in $(seq 50); do printf '\x90\xe8\x90\xe8'; done
    } >"$WORK/square.raw"
    for _ in $(seq 13); do cat "$WORK/square.raw" "$WORK/square.raw" >"$WORK/twice.raw" && mv "$WORK/twice.raw" "$WORK/square.raw"; done
    sox -t raw -r 44100 -e signed -b 16 -c 2 "$WORK/square.raw" "$MEDIA/erstes Lied.wav" || fail "cannot make the test music"
    sox -D -n -r 44100 -c 2 -b 16 "$MEDIA/zweites Lied.wav" synth 30 sine 1000 vol 0.5 || fail "cannot make the test music"
    printf '[Custom Settings]\nOwnMusic=1\nMusicSum=2\nMusicList0=%s\nMusicList1=%s\n' \
        "$MEDIA/erstes Lied.wav" "$MEDIA/zweites Lied.wav" >"$SETTINGS"
    start_program
    wait_for_tank
    # Only the square wave is heard: no other sample value than its two in one second of sound.
    heard_square() {
        [ -s "$WORK/sound.raw" ] || return 1
        tail -c 352800 "$WORK/sound.raw" | od -An -v -t d2 -w2 |
            awk '$1 != 0 {n++; v[$1] = 1} END {k = 0; for (x in v) k++; exit !(n > 40000 && k == 2 && (6000 in v))}'
    }
    deadline=$((SECONDS + 30))
    until heard_square; do
        [ $SECONDS -lt $deadline ] || fail "the first stored file was not heard alone"
        sleep 0.5
    done

    # Closing the dialog while the music plays keeps it playing and writes the list.
    open_dialog 2 "Custom Music"
    hide_dialog "Custom Music"
    deadline=$((SECONDS + 20))
    until grep -qx 'RepeatMusic=1' "$SETTINGS"; do
        [ $SECONDS -lt $deadline ] || fail "hiding the dialog did not save the list: $(cat "$SETTINGS")"
        sleep 0.2
    done
    grep -qxF "MusicList1=$MEDIA/zweites Lied.wav" "$SETTINGS" && grep -qx 'OwnMusic=1' "$SETTINGS" ||
        fail "the list was not saved whole: $(cat "$SETTINGS")"
    size=$(stat -c %s "$WORK/sound.raw")
    sleep 2
    [ "$(stat -c %s "$WORK/sound.raw")" -gt "$size" ] && heard_square ||
        fail "the music stopped when the dialog closed"
    end_with_escape
    ;;
camera_photos)
    # Ten photos of 12 megapixels, as a phone takes them; the first is red.
    convert -size 4000x3000 xc:'#ff2020' -quality 90 "$MEDIA/Foto 1.jpg" || fail "cannot make the test pictures"
    for i in $(seq 2 10); do
        convert -size 4000x3000 xc:"rgb($((i * 20)),200,$((250 - i * 20)))" -quality 90 "$MEDIA/Foto $i.jpg" ||
            fail "cannot make the test pictures"
    done
    {
        printf '[Custom Images]\nRepeatImage=1\nOwnImage=1\nImageTime=5\nImageSum=10\n'
        for i in $(seq 0 9); do printf 'ImageList%d=%s\n' "$i" "$MEDIA/Foto $((i + 1)).jpg"; done
    } >"$SETTINGS"
    start_program
    wait_for_tank
    wait_for_colour $BACKDROP_X $BACKDROP_Y 'r > 0.8 && g < 0.3 && b < 0.3' "the first photo is not the backdrop"
    expect_tank_moves "with the photos loaded"
    end_with_sigterm "with ten photos stored"
    ;;
blocking_media)
    # A named pipe in place of a stored picture and of the stored music (reading either would wait for
    # ever), and a picture crafted to crash an old decoder.
    mkfifo "$MEDIA/Rohr.jpg" "$MEDIA/Rohr.mp3" || fail "cannot make the pipes"
    hostile="$(dirname "$0")/../../../shared/fixtures/hostile-pictures/tga-header-wall.jpg"
    [ -f "$hostile" ] || fail "no shared fixtures at $hostile: the project is not beside shared/"
    cp "$hostile" "$MEDIA/Wand.jpg"
    printf '[Custom Images]\nOwnImage=1\nImageSum=2\nImageList0=%s\nImageList1=%s\n[Custom Settings]\nOwnMusic=1\nMusicSum=1\nMusicList0=%s\n' \
        "$MEDIA/Rohr.jpg" "$MEDIA/Wand.jpg" "$MEDIA/Rohr.mp3" >"$SETTINGS"
    start_program
    wait_for_tank
    # One box for each picture, in the list's order, over a tank that goes on moving.
    expect_tank_moves "while the first message box was open"
    answer_message "for the pipe"
    poll_window '^Quillmere$' 1 1000 "message box for the crafted picture" >/dev/null || exit 1
    expect_tank_moves "while the second message box was open"
    end_with_sigterm "with a message box open"
    ;;
chooser_open)
    start_program
    wait_for_tank
    open_dialog 3 "Custom Background"
    # The tab order runs from the box through the list, the three modes and the interval to "Add Image".
    xdotool key Tab Tab Tab Tab Tab Tab space
    poll_window '^Open$' 1 100000 "file chooser" >/dev/null || exit 1
    expect_tank_moves "while the file chooser was open"
    end_with_sigterm "with the file chooser open"
    ;;
*)
    fail "unknown case $CASE"
    ;;
esac
echo "PASS: $CASE"
