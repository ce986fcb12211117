#!/usr/bin/env bash
# Builds everything (installing missing Debian packages) and runs all tests.
#   ./test.sh             the normal build, in build/
#   ./test.sh --sanitize  with AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
# Both build with warnings as errors.
set -eu
cd "$(dirname "$0")"
scripts/deps.sh
dir=build
flags="-DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAFFERON_WERROR=ON"
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  flags="-DCMAKE_BUILD_TYPE=Debug -DGAFFERON_SANITIZE=ON -DGAFFERON_BUILD_BENCH=OFF -DGAFFERON_WERROR=ON"
fi
cmake -S . -B "$dir" -G Ninja $flags >/dev/null
cmake --build "$dir"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1
cd "$dir" && ctest --output-on-failure -j"$(nproc)" --timeout 300
