#!/usr/bin/env bash
# The front end opens its 640 x 480 screen through the display layers: 16-bit
# by default, 256 colours with -menu256; the screen is given back at the end.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"
quit_script script
for run in "16 bit - type 1:" "8 bit - type 0:-menu256"; do
  want=${run%%:*}
  option=${run#*:}
  GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug directdraw=40,graphics=10 $option -log
  for line in "GfxInit(): available modes:" "DDrawSetMode(): Setting mode 640x480 $want" \
              "DDrawRestoreMode(): restoring mode" "VideoUninit(): done"; do
    grep -qF "$line" stdout.log || { echo "missing from stdout.log: $line"; cat stdout.log; exit 1; }
  done
done
echo "display open: ok"
