#!/bin/sh
# Installs what is missing, builds, and starts the aquarium.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/app/quillmere
