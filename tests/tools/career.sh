#!/usr/bin/env bash
# Whole careers without a screen: every game country for SEASONS seasons with
# the world checked after every day, believable football in every summary
# line, and saves that load and run on exactly as the game that made them.
#   career.sh CAREER WORK_DIR SEASONS [countries|saves]
# With a fourth word only that half runs (ctest runs the halves side by side).
set -u
career=$1 work=$2 seasons=$3 part=${4:-all}
rm -rf "$work" && mkdir -p "$work"
fail=0
die() { echo "career test: $*"; fail=1; }

# Every country, checked day by day (the countries side by side); the
# summaries as a football fan expects.
if [ "$part" != saves ]; then
for country in 0 1 2 3 4 5 6 7 8; do
  out="$work/country$country.txt"
  ( "$career" --country "$country" --seed 1 --seasons "$seasons" --check --quiet > "$out" 2>&1
    echo $? > "$out.rc" ) &
done
wait
for country in 0 1 2 3 4 5 6 7 8; do
  out="$work/country$country.txt"
  if [ "$(cat "$out.rc")" != 0 ]; then
    die "country $country: $(grep -m1 -E 'check failed|career:' "$out")"
    continue
  fi
  [ "$(grep -c '^summary' "$out")" -eq "$seasons" ] || die "country $country: not $seasons summary lines"
  awk -v c="$country" '/^summary/ {
      for (i = 2; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
      m = v["matches"]; if (m == 0) { print "country " c ": no league matches"; bad = 1; next }
      # Draws: a quarter of the matches, give or take three standard deviations of
      # the smallest league (612 matches a season).
      mean = v["goals"] / m; draws = 100 * v["draws"] / m
      if (mean < 2 || mean > 3.5) { print "country " c " season " v["season"] ": mean goals " mean; bad = 1 }
      if (v["home_wins"] <= v["away_wins"]) { print "country " c " season " v["season"] ": no home advantage"; bad = 1 }
      if (draws < 17 || draws > 35) { print "country " c " season " v["season"] ": draws " draws "%"; bad = 1 }
      if (v["max_goals"] > 12) { print "country " c " season " v["season"] ": a score of " v["max_goals"]; bad = 1 }
      if (v["bookings"] < m || v["bookings"] > 6 * m) { print "country " c " season " v["season"] ": bookings " v["bookings"]; bad = 1 }
      if (v["sent_off"] == 0 || v["sent_off"] >= v["bookings"]) { print "country " c " season " v["season"] ": sent off " v["sent_off"]; bad = 1 }
    } END { exit bad }' "$out" || die "country $country: unbelievable summary"
done
fi

if [ "$part" != countries ]; then
# The same arguments give the same output.
"$career" --country 2 --seed 7 --seasons 1 > "$work/a.txt" 2>&1 &
"$career" --country 2 --seed 7 --seasons 1 > "$work/b.txt" 2>&1 &
wait
cmp -s "$work/a.txt" "$work/b.txt" || die "two runs with one seed differ"

# Save after each season; a load of season 1's save runs season 2 exactly as
# the unbroken run did, twice over, and saves what the unbroken run saved (the
# viewed club, block 47, is the one word a load sets itself).
"$career" --country 0 --seed 3 --seasons 2 --quiet --save "$work/run" > "$work/run.txt" 2>&1 || die "saving run failed"
for n in 1 2; do
  ( "$career" --load "$work/run/SaveData/save1" --seasons 1 --quiet --save "$work/load$n" > "$work/load$n.txt" 2>&1
    echo $? > "$work/load$n.rc" ) &
done
wait
for n in 1 2; do
  [ "$(cat "$work/load$n.rc")" = 0 ] || die "load $n failed: $(cat "$work/load$n.txt")"
done
cmp -s "$work/load1.txt" "$work/load2.txt" || die "two runs from one save differ"
want=$(grep '^summary season=2' "$work/run.txt" | sed 's/season=2/season=1/')
got=$(grep '^summary' "$work/load1.txt")
[ -n "$want" ] && [ "$want" = "$got" ] || die "loaded run differs: wanted '$want', got '$got'"
cmp -s "$work/run/SaveData/perm2" "$work/load1/SaveData/perm1" || die "permanent files differ"
python3 - "$work/run/SaveData/save2" "$work/load1/SaveData/save1" <<'PY' || die "saves differ beyond the viewed club"
import struct, sys
a, b = (open(p, 'rb').read() for p in sys.argv[1:3])
if len(a) != len(b): sys.exit(1)
off, n = 16, 0
while n < 92:
    size = struct.unpack_from('<I', a, off)[0]
    if n != 47 and a[off:off + 4 + size] != b[off:off + 4 + size]:
        print('block', n, 'differs'); sys.exit(1)
    off, n = off + 4 + size, n + 1
sys.exit(0 if a[off:] == b[off:] else 1)
PY

# A damaged or foreign file is refused with its reason, the save untouched.
mkdir -p "$work/bad/SaveData"
cp "$work/run/SaveData/perm1" "$work/bad/SaveData/perm1"
check_refused() {
  local what=$1
  cp "$work/bad/SaveData/save1" "$work/bad/before"
  if "$career" --load "$work/bad/SaveData/save1" --seasons 1 --quiet > "$work/bad/out.txt" 2>&1; then
    die "$what: loaded"
  fi
  grep -q "career: cannot load" "$work/bad/out.txt" || die "$what: no clear error"
  cmp -s "$work/bad/before" "$work/bad/SaveData/save1" || die "$what: the file changed"
}
head -c 1000000 "$work/run/SaveData/save1" > "$work/bad/SaveData/save1"; check_refused "a truncated file"
cp "$work/run/SaveData/save1" "$work/bad/SaveData/save1"
printf '\xff' | dd of="$work/bad/SaveData/save1" bs=1 seek=17 conv=notrunc status=none; check_refused "a flipped size word"
head -c 5521995 /dev/urandom > "$work/bad/SaveData/save1"; check_refused "a foreign file"
fi

[ $fail -eq 0 ] && echo "career test: passed"
exit $fail
