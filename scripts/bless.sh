#!/usr/bin/env bash
# Rewrites the golden digests (tests/golden/digests.txt) from the current
# build: the generated world database, the paks and the options file of a
# scripted run. Change the goldens only on purpose, and say why in the commit.
#
#   scripts/bless.sh [BUILD_DIR]    (default build/, as ./test.sh makes it)
set -eu
cd "$(dirname "$0")/.."
dir=${1:-build}
[ -f "$dir/CMakeCache.txt" ] || { echo "bless: no build in '$dir'; run ./test.sh first"; exit 1; }
seed=$(sed -n 's/^GAFFERON_DATASET_SEED:STRING=//p' "$dir/CMakeCache.txt")
cmake --build "$dir"
echo "bless: data-set seed $seed"
GAFFERON_BLESS=1 ctest --test-dir "$dir" -R '^golden\.digests$' --no-tests=error --output-on-failure
if git diff --quiet -- tests/golden/digests.txt 2>/dev/null; then
  echo "bless: the digests are unchanged"
else
  git --no-pager diff --no-color -- tests/golden/digests.txt
  echo "bless: tests/golden/digests.txt rewritten; commit it with the reason for the change"
fi
