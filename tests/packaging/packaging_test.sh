#!/bin/bash
# The install and the Debian package, as a person's machine gets them:
# packaging_test.sh install|deb BUILD_DIR VERSION
set -u

CASE=$1
BUILD=$2
VERSION=$3

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

ICON_SIZES="16 24 32 48 64 128 256"
# Every file a user's machine gets, under the prefix, with its mode.
expected_files() {
    echo "bin/quillmere 755"
    echo "libexec/xscreensaver/quillmere-saver 755"
    echo "share/applications/org.quillmere.Quillmere.desktop 644"
    echo "share/metainfo/org.quillmere.Quillmere.metainfo.xml 644"
    echo "share/man/man6/quillmere.6.gz 644"
    echo "share/man/man6/quillmere-saver.6.gz 644"
    echo "share/xscreensaver/config/quillmere-saver.xml 644"
    for size in $ICON_SIZES; do
        echo "share/icons/hicolor/${size}x${size}/apps/quillmere.png 644"
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
    env -u DISPLAY -u WAYLAND_DISPLAY "$ROOT/bin/quillmere" 2>"$WORK/stderr"
    code=$?
    [ "$code" -eq 1 ] && grep -q 'cannot open the display' "$WORK/stderr" ||
        fail "the installed program without a display: exit code $code, $(cat "$WORK/stderr")"
    "$ROOT/libexec/xscreensaver/quillmere-saver" -fps 0 2>"$WORK/stderr"
    code=$?
    [ "$code" -eq 2 ] || fail "the installed saver took -fps 0 with exit code $code"
    ;;
deb)
    cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1 ||
        fail "cpack failed: $(tail -n 10 "$WORK/cpack.log")"
    package=("$WORK"/out/quillmere_*.deb)
    [ ${#package[@]} -eq 1 ] && [ -f "${package[0]}" ] || fail "no single package: ${package[*]}"
    package=${package[0]}
    [ "$(basename "$package")" = "quillmere_${VERSION}-1_$(dpkg --print-architecture).deb" ] ||
        fail "the package is named $(basename "$package")"
    [ "$(dpkg-deb -f "$package" Package)" = quillmere ] || fail "the package is not called quillmere"
    [ "$(dpkg-deb -f "$package" Version)" = "${VERSION}-1" ] || fail "the package's version is not ${VERSION}-1"

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
    file "$WORK/staged/usr/bin/quillmere" | grep -q 'stripped' && ! file "$WORK/staged/usr/bin/quillmere" |
        grep -q 'not stripped' || fail "the program is not stripped"
    ;;
*)
    fail "unknown case $CASE"
    ;;
esac
echo "PASS: $CASE"
