#!/usr/bin/env bash
# menudemo run headless in both menu depths, from a working folder that holds
# the game's paks: each run grabs the menu screen (grab0001.tga) and the
# loading bar (grab0002.tga), 640 x 480, and exits by itself. The 16-bit run
# also shows the busy screen (-show) until a scripted Escape and grabs it last.
set -eu
demo=$1
game=$2
dir=$3
. "$(dirname "$0")/../e2e/lib/workdir.sh"
rm -rf "$dir" && mkdir -p "$dir"
for depth in 16 256; do
  make_workdir "$dir/$depth" "$game"
  # Escape again and again: the busy screen flushes the keys pressed before
  # it opens, which a slow build (the sanitizers) reaches late.
  printf '100 move 400 300\n200 key Escape\n400 key Escape\n800 key Escape\n1600 key Escape\n3200 key Escape\n' > events
  args=(-show)
  [ "$depth" = 256 ] && args=(-menu256)
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy GAFFERON_EVENTS=events timeout 120 "$demo" "${args[@]}" > out.log 2>&1 ||
    { echo "menudemo $depth failed"; cat out.log; exit 1; }
  for grab in grab0001.tga grab0002.tga; do
    test -f $grab || { echo "$depth: no $grab"; cat out.log; exit 1; }
    header=$(od -An -tx1 -N18 $grab | tr -d ' \n')
    if [ "$depth" = 256 ]; then
      want=0001010000000118000000008002e0010820 size=$((18 + 768 + 640 * 480))
    else
      want=0000020000000000000000008002e0011820 size=$((18 + 3 * 640 * 480))
    fi
    [ "$header" = "$want" ] || { echo "$depth $grab: bad header $header"; exit 1; }
    [ "$(stat -c %s $grab)" -eq $size ] || { echo "$depth $grab: bad size"; exit 1; }
  done
  # The menu screen is a busy picture: many different pixel values.
  bpp=3
  [ "$depth" = 256 ] && bpp=1
  colours=$(tail -c $((640 * 480 * bpp)) grab0001.tga | od -An -tx1 -w$bpp -v | sort -u | wc -l)
  [ "$colours" -gt 40 ] || { echo "$depth: menu screen nearly blank ($colours values)"; exit 1; }
  cmp -s grab0001.tga grab0002.tga && { echo "$depth: the two grabs are the same"; exit 1; }
  if [ "$depth" = 16 ]; then
    test -f grab0003.tga || { echo "no grab of the busy screen"; exit 1; }
  else
    test ! -e grab0003.tga || { echo "a headless run without -show waited"; exit 1; }
  fi
done
echo "menudemo grabs: ok"
