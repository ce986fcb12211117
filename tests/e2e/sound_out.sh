#!/usr/bin/env bash
# GAFFERON_SOUND_OUT writes the first seconds of the mix (the front end's
# sounds here) and the sfx channel's log of the driver calls makes the same
# file again; a bad value is reported and the game runs with its usual sound.
set -eu
game=$1
dir=$2
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib/workdir.sh"
. "$here/lib/quit_route.sh"
make_workdir "$dir"
quit_script script

GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script GAFFERON_SOUND_OUT=front.wav:30 "$game" -window -debug sfx=20 -log
[ "$(stat -c %s front.wav)" -eq $((44 + 30 * 44100 * 4)) ] || { echo "front.wav is not 30 s long"; ls -l front.wav; exit 1; }
bash "$here/lib/remix_check.sh" stdout.log front.wav 30

# The table check finds a crowd reaction with a sample not its kind's.
cp stdout.log table.log
cat >> table.log <<'LINES'
sfx: SFX_Play kind 6 bank 0 sample 7 channel 5 volume 60 effects 6 speed 3
sfx: tick 9999 clock 9999 play 0 7 5 60 0
sfx: SFX_Play kind 14 crowd bank 2 sample 33 channel 7 volume 56 crowd 8
sfx: tick 9999 clock 9999 play 2 33 7 56 0
LINES
set +e
"$GAFFERON_BINARY_DIR/sfxremix" --check-table table.log table.wav 30 > table.out 2>&1
code=$?
set -e
[ $code -eq 3 ] && grep -q "line .*: sample 33 not the kind's" table.out && grep -q "2 SFX_Init and SFX_Play lines checked.*1 faults" table.out \
  || { echo "the table check did not find the wrong sample (exit $code)"; cat table.out; exit 1; }

for bad in "front.wav" "front.wav:0" "front.wav:soon"; do
  rm -f front.wav
  # The value is read before the game opens its logs: the message is on the
  # terminal's standard error.
  GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script GAFFERON_SOUND_OUT=$bad "$game" -window -log 2> start.err
  grep -q "GAFFERON_SOUND_OUT: .*the sound plays as usual" start.err \
    || { echo "no message for GAFFERON_SOUND_OUT=$bad"; cat start.err; exit 1; }
  [ ! -e front.wav ] || { echo "a sound file for GAFFERON_SOUND_OUT=$bad"; exit 1; }
done
echo "sound out: ok"
