#!/usr/bin/env bash
# Builds everything (installing missing Debian packages) and runs the game in a
# window. Extra arguments go to the game, e.g. ./play.sh -debug general=1
set -eu
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
cd build/game
exec ./gafferon -window "$@"
