#!/usr/bin/env bash
# Seconds per simulated season: a new game and one whole season of the day
# loop (every fixture played, every day advanced) for each game country, on
# one core, through the career tool. Run from the repository after a build:
#   bench/season_bench.sh [BUILD_DIR]
set -eu
build=${1:-build}
for country in 0 1 2 3 4 5 6 7 8; do
  best=
  for run in 1 2 3; do
    start=$(date +%s.%N)
    taskset -c 0 "$build/career" --country "$country" --seed "$run" --seasons 1 --quiet > /dev/null
    end=$(date +%s.%N)
    t=$(echo "$end - $start" | bc)
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc)" = 1 ]; then best=$t; fi
  done
  printf 'country %d: %.2f s per season (best of 3)\n' "$country" "$best"
done
