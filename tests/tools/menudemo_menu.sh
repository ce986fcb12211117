#!/usr/bin/env bash
# menudemo --menu run headless under the virtual clock in both menu depths:
# an event script clicks through the showcase screen (a list row, the redraw
# and dynamic buttons, the Options pop-up and one of its rows, the toggled
# buttons, the menu bar), takes a Scroll Lock grab with the File drop-down
# open, and leaves by the Quit region; the run must end by itself with exit
# code 0, having seen every click, and the grab must be a busy 640 x 480
# picture.
set -eu
demo=$1
game=$2
dir=$3
. "$(dirname "$0")/../e2e/lib/workdir.sh"
rm -rf "$dir" && mkdir -p "$dir"
for depth in 16 256; do
  make_workdir "$dir/$depth" "$game"
  cat > events <<'SCRIPT'
# the showcase, clicked through
200 move 150 100
250 click 150 118
300 click 64 258
350 click 240 258
400 click 416 258
450 click 400 298
500 click 220 340
550 click 280 340
600 click 40 6
650 key ScrollLock
700 move 100 440
750 click 580 258
SCRIPT
  args=(--menu)
  [ "$depth" = 256 ] && args+=(-menu256)
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy GAFFERON_CLOCK=virtual GAFFERON_EVENTS=events \
    timeout 120 "$demo" "${args[@]}" > out.log 2>&1 || { echo "menudemo --menu $depth failed"; cat out.log; exit 1; }
  grep -q "showcase left: passes 4, rows clicked 1, pop-up rows 1, quit 1" out.log ||
    { echo "$depth: the clicks did not all arrive"; cat out.log; exit 1; }
  test -f grab0001.tga || { echo "$depth: no grab"; cat out.log; exit 1; }
  test ! -e grab0002.tga || { echo "$depth: more than one grab"; exit 1; }
  header=$(od -An -tx1 -N18 grab0001.tga | tr -d ' \n')
  if [ "$depth" = 256 ]; then
    want=0001010000000118000000008002e0010820 size=$((18 + 768 + 640 * 480)) bpp=1
  else
    want=0000020000000000000000008002e0011820 size=$((18 + 3 * 640 * 480)) bpp=3
  fi
  [ "$header" = "$want" ] || { echo "$depth: bad header $header"; exit 1; }
  [ "$(stat -c %s grab0001.tga)" -eq $size ] || { echo "$depth: bad size"; exit 1; }
  colours=$(tail -c $((640 * 480 * bpp)) grab0001.tga | od -An -tx1 -w$bpp -v | sort -u | wc -l)
  [ "$colours" -gt 40 ] || { echo "$depth: the showcase is nearly blank ($colours values)"; exit 1; }
done
echo "menudemo --menu: ok"
