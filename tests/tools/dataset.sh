#!/usr/bin/env bash
# The built data set holds the generated world database (the files in the
# hard-disk pak are byte for byte what gendata writes for the build's seed
# (GAFFERON_DATASET_SEED in the environment, from tools/dataset.cmake)) and
# the in-game palettes.
set -eu
seed=${GAFFERON_DATASET_SEED:?GAFFERON_DATASET_SEED is not set}
gendata=$1
paktool=$2
pak=$3
dir=$4
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
"$gendata" --seed "$seed" --out fresh
"$paktool" cat "$pak" 'STATS\TOTSTAT.DAT' > totstat.dat
"$paktool" cat "$pak" stats/names.dat > names.dat
test "$(stat -c %s totstat.dat)" = 1568404
test "$(stat -c %s names.dat)" = 340000
cmp totstat.dat fresh/stats/totstat.dat
cmp names.dat fresh/stats/names.dat
# The software screen's palette files: whole 768-byte palettes.
for pal in master skinhair stad; do
  "$paktool" cat "$pak" "PALETTES\\ingame\\$pal.pal" > "$pal.pal"
  test "$(stat -c %s "$pal.pal")" = 768
done
echo "dataset: ok"
