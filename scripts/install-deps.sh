#!/bin/sh
# Installs the Debian packages Quillmere needs to build, run and test, when any is missing.
set -eu

PACKAGES="build-essential cmake ninja-build pkg-config git
libwxgtk3.2-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
libsoil-dev libftgl-dev libfontconfig-dev fonts-dejavu-core libpng-dev libjpeg62-turbo-dev
libsdl2-mixer-dev
libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev libglut-dev libglib2.0-dev
xvfb xauth xdotool x11-utils imagemagick sox
libxss-dev libxfixes-dev dbus-daemon lame
desktop-file-utils appstream libxml2-utils man-db dpkg-dev file lintian librsvg2-bin"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
echo "Installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
