#!/usr/bin/env bash
# The sound driver starts on the audio device (SDL's dummy driver here) and
# registers the four banks; with -nosound it does not start.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"
quit_script script

GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug sound=80 -log
for line in "SndInit(): initialising windows driver ..." "DSoundInit(): requesting 44100Hz, 16 bit, 2 chans" \
            "DSoundInit(): got 44100Hz, 16 bit, 2 chans" "SndUninit(): uninitialising..."; do
  grep -qF "$line" stdout.log || { echo "missing from stdout.log: $line"; cat stdout.log; exit 1; }
done

GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug sound=80 -log -nosound
if grep -qF "DSoundInit()" stdout.log || grep -qF "SndInit()" stdout.log; then
  echo "the driver started under -nosound"; cat stdout.log; exit 1
fi
echo "sound driver: ok"
