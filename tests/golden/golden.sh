#!/usr/bin/env bash
# Golden digests: the SHA-256 of what the build makes from fixed inputs must
# stay what tests/golden/digests.txt says, so a change to any of them is seen
# and made on purpose (scripts/bless.sh rewrites the file).
#
#   golden.sh DIGESTS GENDATA PAKBUILD GAME WORK_DIR
#
# GAME is the game executable, or "-" when the build has none (its artefact
# is then left out). From the environment: GAFFERON_DATASET_SEED (the data
# set's seed), GAFFERON_BINARY_DIR (the build), and GAFFERON_BLESS=1 to write
# DIGESTS from this build instead of comparing.
#
# The artefacts:
#   gendata/stats/totstat.dat, gendata/stats/names.dat
#                           gendata --seed GAFFERON_DATASET_SEED
#   pakfiles/hdcommon.pki, .pkd, cd/pakfiles/cdcommon.pki, .pkd
#                           the build's paks, packed from data/hd and data/cd
#   OPTIONS.DAT             written by a scripted headless run of the game
#   d3ddemo/grab0001.tga    the 3D demo's picture (flag, posed figure, shadow,
#                           panel) as the software rasteriser draws it
#   swscene/*.tga           the watched match from fixed render records: the
#                           kick-off, a goalkeeper holding the ball and a
#                           goal-mouth crowd at each model detail from the four
#                           views, the big stadium, the Scanner and Commentary
#                           views
#   gensoft/files.sha256    gensoft --seed GAFFERON_DATASET_SEED: every file the
#                           256-colour match reads from the data set, listed
#                           with its digest
#   swdemo/*.tga            the 256-colour renderer's test pictures: a checker
#                           quad cut by each clipping plane, the pitch in
#                           10-yard squares from the four match views and the
#                           overview; from the data set, the grassed and lined
#                           pitch from those views and a low camera, the six
#                           fonts and the kit sheets of both sides and the
#                           referee
set -eu
digests=$1
gendata=$2
pakbuild=$3
game=$4
work=$5
seed=${GAFFERON_DATASET_SEED:?GAFFERON_DATASET_SEED is not set}
bin=${GAFFERON_BINARY_DIR:?GAFFERON_BINARY_DIR is not set}
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work"
current=$work/current.txt
: > "$current"

digest() {  # NAME FILE
  [ -f "$2" ] || { echo "golden: $1: '$2' was not built"; exit 1; }
  printf '%s %s\n' "$1" "$(sha256sum < "$2" | cut -d' ' -f1)" >> "$current"
}

# The world database of the data set's seed.
"$gendata" --seed "$seed" --out "$work/gendata" > /dev/null
digest gendata/stats/totstat.dat "$work/gendata/stats/totstat.dat"
digest gendata/stats/names.dat "$work/gendata/stats/names.dat"

# The paks as the build wrote them. Their bytes depend on the files' names
# and contents alone: packing the same staged files again, with other
# timestamps and created in the opposite order, gives the same bytes.
for pak in pakfiles/hdcommon cd/pakfiles/cdcommon; do
  name=${pak##*/}
  stage=$bin/dataset/$name-stage
  [ -d "$stage" ] || { echo "golden: the staging folder '$stage' is missing"; exit 1; }
  copy=$work/$name-copy
  mkdir -p "$copy"
  (cd "$stage" && find . -type d) | sort -r | while read -r d; do mkdir -p "$copy/$d"; done
  (cd "$stage" && find . -type f) | sort -r | while read -r f; do
    cp "$stage/$f" "$copy/$f" && touch -d '1990-01-02 03:04:05' "$copy/$f"
  done
  "$pakbuild" "$copy" "$work/$name" > /dev/null
  for ext in pki pkd; do
    cmp -s "$work/$name.$ext" "$bin/game/$pak.$ext" ||
      { echo "golden: $pak.$ext: packing the same files again gave other bytes (the pak is not deterministic)"; exit 1; }
    digest "$pak.$ext" "$bin/game/$pak.$ext"
  done
done

# The options file of a scripted run from a fresh working folder: virtual
# clock, a fixed memory size, no display or sound device, quit by the menu.
. "$here/../e2e/lib/quit_route.sh"
if [ "$game" != "-" ]; then
  (
    . "$here/../e2e/lib/workdir.sh"
    make_workdir "$work/run"
    quit_script script
    unset GAFFERON_EXPORT
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy GAFFERON_CLOCK=virtual GAFFERON_PHYSMEM=64M \
      GAFFERON_EVENTS=script "$game" -window -log ||
      { echo "golden: the scripted run failed"; cat stdout.log; exit 1; }
  )
  digest OPTIONS.DAT "$work/run/OPTIONS.DAT"
  (
    . "$here/../e2e/lib/workdir.sh"
    make_workdir "$work/d3d"
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$bin/d3ddemo" > d3ddemo.log 2>&1 ||
      { echo "golden: d3ddemo failed"; cat d3ddemo.log; exit 1; }
  )
  digest d3ddemo/grab0001.tga "$work/d3d/grab0001.tga"
fi

# The watched match's pictures, from fixed render records.
"$bin/swscene" --out "$work/swscene" --game "$bin/game" > "$work/swscene.log" 2>&1 ||
  { echo "golden: swscene failed"; cat "$work/swscene.log"; exit 1; }
for view in 0 1 2 3; do
  for f in kickoff_view$view keeper_view$view crowd_d0_view$view crowd_d1_view$view crowd_d2_view$view; do
    digest "swscene/$f.tga" "$work/swscene/$f.tga"
  done
done
for f in bigstad_view0 scanner commentary; do digest "swscene/$f.tga" "$work/swscene/$f.tga"; done

# The 256-colour match's files, written twice: the same bytes both times.
for run in 1 2; do
  "$bin/gensoft" --seed "$seed" --out "$work/gensoft$run" > /dev/null ||
    { echo "golden: gensoft failed"; exit 1; }
  (cd "$work/gensoft$run" && find . -type f | LC_ALL=C sort | xargs sha256sum) > "$work/gensoft$run.sha256"
done
cmp -s "$work/gensoft1.sha256" "$work/gensoft2.sha256" ||
  { echo "golden: gensoft wrote other bytes on a second run (it is not deterministic)"; exit 1; }
digest gensoft/files.sha256 "$work/gensoft1.sha256"

# The 256-colour renderer's pictures, drawn from fixed inputs.
mkdir -p "$work/swdemo"
"$bin/swdemo" --out "$work/swdemo" --pak "$bin/game/pakfiles/hdcommon" > "$work/swdemo.log" 2>&1 ||
  { echo "golden: swdemo failed"; cat "$work/swdemo.log"; exit 1; }
for f in clip_near clip_below clip_above clip_left clip_right grid_view0 grid_view1 grid_view2 grid_view3 grid_overview \
  pitch_view0 pitch_view1 pitch_view2 pitch_view3 pitch_overview pitch_low fonts kits_side1 kits_side2 kits_officials; do
  digest "swdemo/$f.tga" "$work/swdemo/$f.tga"
done

if [ "${GAFFERON_BLESS:-}" = 1 ]; then
  {
    echo "# SHA-256 of the build's artefacts from the data-set seed of tools/dataset.cmake. Written by"
    echo "# scripts/bless.sh: change them only on purpose, and say why in the commit message."
    cat "$current"
  } > "$digests"
  echo "golden: wrote $digests"
  exit 0
fi

[ -f "$digests" ] || { echo "golden: $digests is missing; run scripts/bless.sh"; exit 1; }
failed=0
while read -r name sum; do
  want=$(awk -v n="$name" '$1 == n { print $2 }' "$digests")
  if [ -z "$want" ]; then
    echo "golden: $name has no digest in $digests"
    failed=1
  elif [ "$want" != "$sum" ]; then
    echo "golden: $name changed: digest $sum, golden $want (scripts/bless.sh updates it if that is intended)"
    failed=1
  fi
done < "$current"
while read -r name _; do
  case $name in ''|'#'*) continue ;; esac
  if ! awk -v n="$name" '$1 == n { found = 1 } END { exit !found }' "$current"; then
    case $name in OPTIONS.DAT|d3ddemo/*) [ "$game" = "-" ] && continue ;; esac
    echo "golden: $name is in $digests but was not made"
    failed=1
  fi
done < "$digests"
if [ $failed -ne 0 ]; then
  echo "golden: the build's artefacts differ from the golden digests. If the change is on purpose,"
  echo "golden: run scripts/bless.sh and say why in the commit message; otherwise find what changed them."
  exit 1
fi
echo "golden: $(wc -l < "$current") artefacts match"
