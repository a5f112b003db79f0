#!/bin/sh
# Installs what is missing, builds, and makes the Debian package build/quillmere_<version>-<revision>_<arch>.deb,
# which `sudo apt install ./build/quillmere_*.deb` installs with what it needs.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
rm -f quillmere_*.deb
cpack -G DEB
