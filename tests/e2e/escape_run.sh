#!/usr/bin/env bash
# A scripted run under the virtual clock (the route through the menus is
# timed in ticks): start, quit by the menu, shut down in order.
# The options file written at exit must be read back by a second run.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"
quit_script script

GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=1,memory=1 -log
test -f stdout.log
for line in "InitialisePC(): using high memory settings" "InitTimerInterrupt(): initialised" \
            "InitialisePC(): CPU is" "ClearTimerInterrupt(): cleared" "UninitMemory(): All allocated memory released"; do
  grep -qF "$line" stdout.log || { echo "missing from stdout.log: $line"; cat stdout.log; exit 1; }
done
# The timer stops before memory is released: the shutdown order.
[ "$(grep -nF 'ClearTimerInterrupt(): cleared' stdout.log | cut -d: -f1)" -lt \
  "$(grep -nF 'UninitMemory(): All allocated' stdout.log | cut -d: -f1)" ]
test "$(head -c 8 OPTIONS.DAT)" = "DAT0OPT0"
test "$(od -An -tu2 -j12 -N2 OPTIONS.DAT | tr -d ' ')" = 8
test "$(tail -c 8 OPTIONS.DAT | head -c 4)" = "END0"
cp OPTIONS.DAT first.dat

# A second run reads it (and deletes it at start), then writes it again.
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script GAFFERON_PHYSMEM=16M "$game" -window -debug memory=1 -log
grep -qF "InitialisePC(): using low memory settings" stdout.log
cmp first.dat OPTIONS.DAT
echo "escape run: ok"
