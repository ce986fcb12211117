#!/usr/bin/env bash
# The card lists its 3D device and the video options take it (device 0);
# with -no3d no device is chosen (device -1). Both runs end cleanly.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
for run in "device 0:" "device -1:-no3d"; do
  want=${run%%:*}
  option=${run#*:}
  make_workdir "$dir"
  quit_script script
  GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug directdraw=30,graphics=1 $option -log
  for line in "DDrawCheckDev3DEnumCallback(): found Gafferon software rasteriser (deterministic) (Gafferon Rasteriser):" \
              "VideoInit(): card 0, $want"; do
    grep -qF "$line" stdout.log || { echo "missing from stdout.log ($option): $line"; cat stdout.log; exit 1; }
  done
done
echo "video device: ok"
