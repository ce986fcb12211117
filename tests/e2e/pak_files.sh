#!/usr/bin/env bash
# The game opens its two paks at start: with "-debug file=10" the log shows
# both being added and the table frozen. Without the paks it stops at once
# with the pak layer's error.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"
quit_script script

GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug file=10 -log
for line in "PakFileAdd(): adding pak file 'pakfiles\\hdcommon'" \
            "PakFileAdd(): adding pak file 'D:\\pakfiles\\cdcommon'"; do
  grep -qF "$line" stdout.log || { echo "missing from stdout.log: $line"; cat stdout.log; exit 1; }
done
grep -qE '^PakFileAddDone\(\): [0-9]+ files, [0-9]+Mb \([0-9]+ bytes\)$' stdout.log ||
  { echo "missing from stdout.log: PakFileAddDone(): N files"; cat stdout.log; exit 1; }
# The hard-disk pak is added first, and the table is frozen after both.
[ "$(grep -nF "'pakfiles\\hdcommon'" stdout.log | cut -d: -f1)" -lt \
  "$(grep -nF "'D:\\pakfiles\\cdcommon'" stdout.log | cut -d: -f1)" ]
[ "$(grep -nF "'D:\\pakfiles\\cdcommon'" stdout.log | cut -d: -f1)" -lt \
  "$(grep -nF 'PakFileAddDone():' stdout.log | cut -d: -f1)" ]
test -f OPTIONS.DAT

# No hard-disk pak: a fatal error that names the missing index or list.
rm pakfiles
set +e
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -log
code=$?
set -e
[ $code -eq 1 ] || { echo "exit code $code without paks, expected 1"; cat stdout.log; exit 1; }
grep -qF "Error: PakFileAdd(): no index or list file found" stdout.log || { cat stdout.log; exit 1; }
echo "pak files: ok"
