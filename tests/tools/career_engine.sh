#!/usr/bin/env bash
# The human club's fixtures in the match engine (career --engine): a season
# ends cleanly with every engine match booked as it was played (the score,
# and each player's goals, appearances and bans: players=ok) and, in the
# first run, no period that had to be cut short; the same seed gives the same output; a load of
# season 1's save plays season 2 exactly as the unbroken run did.
#   career_engine.sh CAREER WORK_DIR
set -u
career=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
fail=0
die() { echo "career engine test: $*"; fail=1; }

run() {  # name, arguments...
  local name=$1; shift
  "$career" "$@" > "$work/$name.txt" 2>&1
  echo $? > "$work/$name.rc"
}
run a --country 0 --seed 1 --seasons 1 --engine --quiet &
run b --country 0 --seed 1 --seasons 1 --engine --quiet &
run saved --country 0 --seed 2 --seasons 2 --engine --quiet --save "$work/run" &
wait
for name in a b saved; do
  [ "$(cat "$work/$name.rc")" = 0 ] || die "$name: exit code $(cat "$work/$name.rc"): $(tail -3 "$work/$name.txt")"
done
run loaded --load "$work/run/SaveData/save1" --seasons 1 --engine --quiet
[ "$(cat "$work/loaded.rc")" = 0 ] || die "loaded: exit code $(cat "$work/loaded.rc")"

for name in a saved loaded; do
  out="$work/$name.txt"
  grep -q '^summary' "$out" || die "$name: no summary"
  [ "$(grep -c '^engine' "$out")" -ge 30 ] || die "$name: fewer than 30 engine matches"
  # A period that never ends would be cut short and logged: none does.
  ! grep -m1 'stalled' "$out" || die "$name: a period stalled"
  awk '/^engine/ {
      for (i = 2; i <= NF && $i != ":"; ++i) { split($i, kv, "="); v[kv[1]] = kv[2] }
      if (v["score"] != v["booked"]) { print "booked " v["booked"] " for a score of " v["score"] ": " $0; bad = 1 }
      if (v["players"] != "ok") { print "players not booked: " $0; bad = 1 }
    } END { exit bad }' "$out" || die "$name: an engine match booked wrongly"
done
cmp -s "$work/a.txt" "$work/b.txt" || die "two runs with one seed differ"

# Season 2 of the unbroken run against season 1 of the loaded one.
want=$(awk 'seen && /^(engine|summary)/; /^summary season=1/ { seen = 1 }' "$work/saved.txt" | sed 's/summary season=2/summary season=1/')
got=$(grep -E '^(engine|summary)' "$work/loaded.txt")
[ -n "$want" ] && [ "$want" = "$got" ] || die "the loaded season differs from the unbroken one"

[ $fail -eq 0 ] && echo "career engine test: passed"
exit $fail
