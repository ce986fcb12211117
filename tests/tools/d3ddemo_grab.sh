#!/usr/bin/env bash
# d3ddemo run headless twice from a working folder that holds the game's paks:
# each run draws the 3D scene, writes a 640 x 480 grab and exits by itself;
# the two grabs are the same bytes and the picture is not blank.
set -eu
demo=$1
game=$2
dir=$3
. "$(dirname "$0")/../e2e/lib/workdir.sh"
make_workdir "$dir" "$game"
for run in 1 2; do
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 120 "$demo" > out$run.log 2>&1 ||
    { echo "d3ddemo run $run failed"; cat out$run.log; exit 1; }
done
for grab in grab0001.tga grab0002.tga; do
  test -f $grab || { echo "no $grab"; cat out1.log out2.log; exit 1; }
  header=$(od -An -tx1 -N18 $grab | tr -d ' \n')
  [ "$header" = "0000020000000000000000008002e0011820" ] || { echo "$grab: bad header $header"; exit 1; }
  [ "$(stat -c %s $grab)" -eq $((18 + 3 * 640 * 480)) ] || { echo "$grab: bad size"; exit 1; }
done
cmp grab0001.tga grab0002.tga || { echo "two runs drew different pictures"; exit 1; }
# Many colours: grass, flag, kit, shadow and panel.
colours=$(tail -c $((3 * 640 * 480)) grab0001.tga | od -An -tx1 -v -w3 | sort -u | wc -l)
[ "$colours" -gt 50 ] || { echo "only $colours colours"; exit 1; }
echo "d3ddemo grabs: ok"
