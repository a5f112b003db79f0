#!/bin/sh
# Configures and builds the optimised tree in build/.
set -eu
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
