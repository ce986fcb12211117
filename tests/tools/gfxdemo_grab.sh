#!/usr/bin/env bash
# gfxdemo run headless draws its screen, writes grab0001.tga and exits by
# itself; the grab is a 640 x 480 colour-mapped TGA with a 256-entry map.
set -eu
demo=$1
dir=$2
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir"
SDL_VIDEODRIVER=dummy timeout 60 "$demo" > out.log
test -f grab0001.tga || { echo "no grab0001.tga"; cat out.log; exit 1; }
header=$(od -An -tx1 -N18 grab0001.tga | tr -d ' \n')
[ "$header" = "0001010000000118000000008002e0010820" ] || { echo "bad header: $header"; exit 1; }
[ "$(stat -c %s grab0001.tga)" -eq $((18 + 768 + 640 * 480)) ] || { echo "bad size"; exit 1; }
# The screen is not blank: more than a handful of different palette indices.
[ "$(tail -c $((640 * 480)) grab0001.tga | od -An -tu1 -v | tr -s ' ' '\n' | sort -u | wc -l)" -gt 10 ]
echo "gfxdemo grab: ok"
