#!/usr/bin/env bash
# menudemo --gn (the front end, 16-bit and 256 colours) and --gn --ingame
# (an 800 x 600 game screen) run headless under the virtual clock: an event
# script hovers over two buttons, clicks the counter twice (each click a
# redraw), takes a Scroll Lock grab and leaves by the Quit button; the run
# must end by itself with exit code 0, having seen every click, and the grab
# must be a busy picture of the screen's size. An in-game run that finds no
# game screen answers 77 (skipped).
set -eu
demo=$1
game=$2
dir=$3
mode=${4:-front}
. "$(dirname "$0")/../e2e/lib/workdir.sh"
rm -rf "$dir" && mkdir -p "$dir"
if [ "$mode" = ingame ]; then
  depths=ingame
else
  depths="16 256"
fi
for depth in $depths; do
  make_workdir "$dir/$depth" "$game"
  # The script moves the mouse by the distance between its positions, from the
  # middle, where the menu's pointer starts too (in game: the middle of the
  # 640 x 480 menu area), so its positions are menu units in both.
  cat > events <<'SCRIPT'
200 move 285 95
250 move 285 135
300 move 460 180
350 click 460 180
400 click 460 180
450 key ScrollLock
500 move 555 428
550 click 555 428
SCRIPT
  args=(--gn)
  [ "$depth" = 256 ] && args+=(-menu256)
  [ "$depth" = ingame ] && args+=(--ingame)
  rc=0
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy GAFFERON_CLOCK=virtual GAFFERON_EVENTS=events \
    timeout 120 "$demo" "${args[@]}" > out.log 2>&1 || rc=$?
  if [ "$rc" = 77 ]; then
    echo "menudemo --gn $depth: no game screen"
    exit 77
  fi
  [ "$rc" = 0 ] || { echo "menudemo --gn $depth failed ($rc)"; cat out.log; exit 1; }
  grep -q "gn left: redraws [0-9]*, counter 2, hovers [1-9][0-9]*, quit 1" out.log ||
    { echo "$depth: the clicks did not all arrive"; cat out.log; exit 1; }
  test -f grab0001.tga || { echo "$depth: no grab"; cat out.log; exit 1; }
  test ! -e grab0002.tga || { echo "$depth: more than one grab"; exit 1; }
  header=$(od -An -tx1 -N18 grab0001.tga | tr -d ' \n')
  case $depth in
    256) want=0001010000000118000000008002e0010820 size=$((18 + 768 + 640 * 480)) bpp=1 pixels=$((640 * 480)) ;;
    16) want=0000020000000000000000008002e0011820 size=$((18 + 3 * 640 * 480)) bpp=3 pixels=$((640 * 480)) ;;
    ingame) want=000101000000011800000000200358020820 size=$((18 + 768 + 800 * 600)) bpp=1 pixels=$((800 * 600)) ;;
  esac
  [ "$header" = "$want" ] || { echo "$depth: bad header $header"; exit 1; }
  [ "$(stat -c %s grab0001.tga)" -eq $size ] || { echo "$depth: bad size"; exit 1; }
  colours=$(tail -c $((pixels * bpp)) grab0001.tga | od -An -tx1 -w$bpp -v | sort -u | wc -l)
  [ "$colours" -gt 12 ] || { echo "$depth: the menu is nearly blank ($colours values)"; exit 1; }
done
echo "menudemo --gn $mode: ok"
