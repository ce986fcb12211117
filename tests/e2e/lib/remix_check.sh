#!/usr/bin/env bash
# remix_check.sh LOG WAV SECONDS: run in the game's working folder after a run
# with "-debug sfx=20" (10 or more for the table) and
# GAFFERON_SOUND_OUT=WAV:SECONDS under the virtual clock. sfxremix replays the
# logged driver calls into remix.wav, which must hold WAV's bytes, and checks
# every SFX_Play line against the table of effect kinds (bank, sample,
# channel, volume) and the driver play that follows it. The tool is
# $SFXREMIX, else $GAFFERON_BINARY_DIR/sfxremix.
set -eu
log=$1
wav=$2
seconds=$3
remix=${SFXREMIX:-$GAFFERON_BINARY_DIR/sfxremix}
[ -f "$log" ] || { echo "remix_check: no log $log"; exit 1; }
[ -f "$wav" ] || { echo "remix_check: no sound file $wav"; exit 1; }
grep -q "^sfx: tick [0-9]* clock [0-9]* init 1$" "$log" || { echo "remix_check: the log shows no driver start"; exit 1; }
out=remix_check.wav
if ! "$remix" --check-table "$log" "$out" "$seconds" > remix_check.log 2>&1; then
  echo "remix_check: sfxremix failed:"; cat remix_check.log; exit 1
fi
cat remix_check.log
if ! cmp "$wav" "$out"; then
  echo "remix_check: the re-mix differs from $wav ($(stat -c %s "$wav") and $(stat -c %s "$out") bytes)"
  exit 1
fi
echo "remix_check: $wav re-made byte for byte ($(grep -c '^sfx: tick' "$log") driver calls," \
     "$(grep -c '^sfx: SFX_Play' "$log" || true) SFX_Play lines checked)"
