#!/bin/bash
# The install and the Debian package, as a person's machine gets them:
# packaging_test.sh install|deb BUILD_DIR VERSION SOURCE_DIR
set -u

CASE=$1
BUILD=$2
VERSION=$3
SOURCE=$4

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

ICON_SIZES="16 24 32 48 64 128 256"
# Every file a user's machine gets, under the prefix, with its mode.
expected_files() {
    echo "games/quillmere 755"
    echo "libexec/xscreensaver/quillmere-saver 755"
    echo "share/applications/org.quillmere.Quillmere.desktop 644"
    echo "share/metainfo/org.quillmere.Quillmere.metainfo.xml 644"
    echo "share/man/man6/quillmere.6.gz 644"
    echo "share/man/man6/quillmere-saver.6.gz 644"
    echo "share/xscreensaver/config/quillmere-saver.xml 644"
    for size in $ICON_SIZES; do
        echo "share/icons/hicolor/${size}x${size}/apps/quillmere.png 644"
    done
    echo "share/icons/hicolor/scalable/apps/quillmere.svg 644"
    for doc in copyright changelog.gz changelog.Debian.gz; do
        echo "share/doc/quillmere/$doc 644"
    done
}

case "$CASE" in
install)
    DESTDIR="$WORK/staged" cmake --install "$BUILD" --prefix /usr >"$WORK/install.log" 2>&1 ||
        fail "cmake --install failed: $(tail -n 5 "$WORK/install.log")"
    ROOT="$WORK/staged/usr"
    expected_files | sort >"$WORK/expected"
    (cd "$ROOT" && find . -type f -printf '%P %m\n' | sort) >"$WORK/installed"
    diff "$WORK/expected" "$WORK/installed" >&2 || fail "the installed files differ from the list above"

    desktop-file-validate "$ROOT/share/applications/org.quillmere.Quillmere.desktop" ||
        fail "desktop-file-validate refused the desktop entry"
    # validate-tree also checks that the metainfo names the desktop entry and the icon it installs.
    appstreamcli validate-tree --no-net --explain "$WORK/staged" || fail "appstreamcli refused the tree"
    grep -q '<screenshot type="default">' "$ROOT/share/metainfo/org.quillmere.Quillmere.metainfo.xml" ||
        fail "the metainfo shows no screenshot"
    xmllint --noout "$ROOT/share/xscreensaver/config/quillmere-saver.xml" || fail "the saver's page is not XML"

    for size in $ICON_SIZES; do
        geometry=$(identify -format '%wx%h' "$ROOT/share/icons/hicolor/${size}x${size}/apps/quillmere.png")
        [ "$geometry" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $geometry"
    done

    warnings=$(MANPATH="$ROOT/share/man" LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings quillmere 2>&1 >"$WORK/page.txt")
    [ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
    for heading in 'KEYS AND MOUSE' FILES SETTINGS 'SCREEN SAVER'; do
        grep -q "^$heading" "$WORK/page.txt" || fail "the manual page has no section $heading"
    done
    saver_page=$(MANPATH="$ROOT/share/man" man -w quillmere-saver)
    [ "$saver_page" = "$ROOT/share/man/man6/quillmere.6.gz" ] || fail "man quillmere-saver finds $saver_page"

    # The installed programs run from where they were put, without the build folder.
    SAVER="$ROOT/libexec/xscreensaver/quillmere-saver"
    env -u DISPLAY -u WAYLAND_DISPLAY "$ROOT/games/quillmere" 2>"$WORK/stderr"
    code=$?
    [ "$code" -eq 1 ] && grep -q 'cannot open the display' "$WORK/stderr" ||
        fail "the installed program without a display: exit code $code, $(cat "$WORK/stderr")"
    "$SAVER" -fps 0 2>"$WORK/stderr"
    code=$?
    [ "$code" -eq 2 ] || fail "the installed saver took -fps 0 with exit code $code"
    for program in "$ROOT/games/quillmere" "$SAVER"; do
        for option in -h --help; do
            env -u DISPLAY "$program" "$option" >"$WORK/stdout" 2>"$WORK/stderr"
            code=$?
            [ "$code" -eq 0 ] && grep -q "^usage: $(basename "$program")" "$WORK/stdout" && [ ! -s "$WORK/stderr" ] ||
                fail "$(basename "$program") $option: exit code $code, $(cat "$WORK/stdout" "$WORK/stderr")"
        done
    done

    # The programs: line for ~/.xscreensaver, read as the daemon reads it: [-] [VISUAL:] ["NAME"] COMMAND,
    # where a line without a name is listed under its command's name with a capital. The manual page
    # and the README give the same line, the list shows "Quillmere", and the saver takes its options.
    line=$(grep -m 1 'quillmere-saver.*\\n\\$' "$WORK/page.txt" | sed 's/^ *//')
    pattern='^(-)?[[:space:]]*([A-Za-z]+:)?[[:space:]]*("([^"]*)")?[[:space:]]*([^[:space:]]+)([^\\]*)\\n\\$'
    [[ "$line" =~ $pattern ]] || fail "the manual page's programs: line does not parse: '$line'"
    [ "${BASH_REMATCH[4]}" = Quillmere ] || fail "the daemon lists '$line' as '${BASH_REMATCH[4]}'"
    [ "${BASH_REMATCH[5]}" = "$(basename "$SAVER")" ] || fail "'$line' runs ${BASH_REMATCH[5]}"
    grep -qxF "$line" "$SOURCE/README.md" || fail "the README does not give the line '$line'"
    # shellcheck disable=SC2086
    env -u DISPLAY -u XSCREENSAVER_WINDOW "$SAVER" ${BASH_REMATCH[6]} 2>"$WORK/stderr"
    code=$?
    [ "$code" -eq 1 ] || fail "the saver refused the options of '$line': $(cat "$WORK/stderr")"

    # The scalable icon is a picture of the same drawing as the largest one.
    svg="$ROOT/share/icons/hicolor/scalable/apps/quillmere.svg"
    xmllint --noout "$svg" || fail "the scalable icon is not XML"
    rsvg-convert -w 256 -h 256 -o "$WORK/svg.png" "$svg" || fail "the scalable icon does not draw"
    difference=$(compare -metric RMSE "$WORK/svg.png" "$ROOT/share/icons/hicolor/256x256/apps/quillmere.png" null: 2>&1)
    difference=${difference#*(}
    awk -v d="${difference%)}" 'BEGIN { exit !(d < 0.03) }' ||
        fail "the scalable icon differs from the 256 x 256 one by $difference of full scale"
    ;;
deb)
    cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
        fail "cpack failed: $(tail -n 10 "$WORK/cpack.log")"
    package=("$WORK"/out/quillmere_*.deb)
    [ ${#package[@]} -eq 1 ] && [ -f "${package[0]}" ] || fail "no single package: ${package[*]}"
    package=${package[0]}
    # The version is the release's with the revision of the package's latest changelog entry.
    dpkg-deb --fsys-tarfile "$package" | tar -xO ./usr/share/doc/quillmere/changelog.Debian.gz | zcat >"$WORK/changelog.Debian"
    version=$(dpkg-parsechangelog -l "$WORK/changelog.Debian" -S Version)
    [[ "$version" == "${VERSION}-"[0-9]* ]] || fail "the package's changelog is at $version, the release at $VERSION"
    [ "$(basename "$package")" = "quillmere_${version}_$(dpkg --print-architecture).deb" ] ||
        fail "the package is named $(basename "$package")"
    [ "$(dpkg-deb -f "$package" Package)" = quillmere ] || fail "the package is not called quillmere"
    [ "$(dpkg-deb -f "$package" Version)" = "$version" ] || fail "the package's version is not $version"

    # Files owned by root, under /usr, with their modes; directories 755.
    dpkg-deb -c "$package" >"$WORK/contents"
    awk '$2 != "root/root" {print}' "$WORK/contents" | grep . && fail "files not owned by root"
    awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {print}' "$WORK/contents" | grep . && fail "directories not 755"
    mode_text() { [ "$1" = 755 ] && echo -rwxr-xr-x || echo -rw-r--r--; }
    expected_files | while read -r file mode; do
        grep -q "^$(mode_text "$mode") .* \./usr/$file\$" "$WORK/contents" ||
            fail "the package lacks ./usr/$file with mode $mode"
    done || exit 1
    files=$(grep -c '^-' "$WORK/contents")
    [ "$files" -eq "$(expected_files | wc -l)" ] || fail "the package holds $files files: $(grep '^-' "$WORK/contents")"

    # Depends comes from the libraries the programs link; strip and shlibdeps have run.
    depends=$(dpkg-deb -f "$package" Depends)
    for library in libc6 libstdc++6 libwxgtk3.2-1 libwxgtk-gl3.2-1 libsdl2-mixer-2.0-0 libftgl2 libglu1-mesa \
        libfontconfig1 libx11-6 libxss1; do
        [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
            fail "Depends lacks $library: $depends"
    done
    grep -q -- '-dev' <<<"$depends" && fail "Depends names a development package: $depends"
    dpkg-deb -x "$package" "$WORK/staged"
    file "$WORK/staged/usr/games/quillmere" | grep -q 'stripped' && ! file "$WORK/staged/usr/games/quillmere" |
        grep -q 'not stripped' || fail "the program is not stripped"

    # What Debian's archive checks: any error or warning fails.
    lintian --fail-on error,warning "$package" >"$WORK/lintian.txt" 2>&1 || fail "lintian: $(cat "$WORK/lintian.txt")"
    ;;
*)
    fail "unknown case $CASE"
    ;;
esac
echo "PASS: $CASE"
