#!/usr/bin/env bash
# sndtool lists the game's banks over the built pak (32, 15, 85 and 2
# samples) and plays a cheer into a WAV of three seconds of 44,100 Hz
# 16-bit stereo.
set -eu
sndtool=$1
pak=$2
dir=$3
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
"$sndtool" list "$pak" > list.txt
grep -qx "bank 0 effects: 32 samples" list.txt
grep -qx "bank 1 ambience: 15 samples" list.txt
grep -qx "bank 2 crowd: 85 samples" list.txt
grep -qx "bank 3 music: 2 samples" list.txt
test "$(grep -vc '^bank' list.txt)" = 134
grep -qF '2 29 sound\Crowd\cheers2.wav 22050 ' list.txt
grep -qF '3 1 sound\music\3mintune.wav 11025 1984500 loop' list.txt

"$sndtool" play "$pak" crowd 29 --seconds 3 --out cheer.wav > play.txt
grep -qF "the channel was free again" play.txt
test "$(stat -c %s cheer.wav)" = $((44 + 3 * 44100 * 4))
test "$(head -c 4 cheer.wav)" = RIFF
test "$(od -An -tu4 -j24 -N4 cheer.wav | tr -d ' ')" = 44100
# A bank that is not there and a sample past a bank's end are refused.
if "$sndtool" play "$pak" nosuch 0 2>/dev/null; then exit 1; fi
if "$sndtool" play "$pak" music 2 2>/dev/null; then exit 1; fi
echo "sndtool: ok"
