#!/usr/bin/env bash
# Staff Appointments and Finances in a loaded career. The career tool plays
# one season with Caddelstow Swifts (England, club 70: a small balance) and
# saves it in slot 1; the game loads it from the start page's "Load Game".
# From the Manager's Office: Club Menus, "Finances" (grab) and back; Club
# Menus, "Staff Appointments": the keeping coaches, a level-6 candidate who
# refuses to join (the club cannot pay the release costs and 144 of his
# weekly wages; grab of the message), a level-5 one hired (grab of the
# question, then of the list), the youth scout sacked (grab of the question
# with his figures, then of the list); back to the office, seven times "Do a
# Day" (an event screen on the way is left by the same spot as "Done"), then
# Finances again (grab): the coaching-staff wages are up by the week's staff
# wages, the new keeping coach's among them. File, "Quit", "Yes".
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/saved_career.sh"
make_workdir "$dir"

# The saved career, slot 1 of the save index.
saved_career "Season one" --club 70 --seed 1

# A round of "Do a Day": "Done" and a click beside its pop-up (which closes
# it; on an event screen the first click leaves for the office), then "Done"
# and "Do a Day".
day_round() {
  printf '%d click 320 420\n%d click 20 470\n%d click 320 420\n%d click 320 188\n' \
    "$1" $(($1 + 60)) $(($1 + 120)) $(($1 + 180))
}

{
  cat <<'EOF2'
# the start-up pictures and the credits; the start page's "Load Game", slot 1
250 click 600 120
400 click 600 120
600 click 600 120
900 click 320 233
1100 click 320 130
# Club Menus, "Finances" (grab), back
1400 click 205 8
1500 click 210 247
1700 key ScrollLock
1800 click 588 454
# Club Menus, "Staff Appointments"; the label "Keeping Coach" shows its candidates
2000 click 205 8
2100 click 210 227
2300 click 100 156
# the fourth candidate (level 6), "Yes": he refuses (grab), the message clicked away
2400 click 520 196
2550 click 248 296
2650 key ScrollLock
2750 click 320 240
# the third (level 5): the question (grab), "Yes", the list (grab)
2900 click 520 176
3000 key ScrollLock
3100 click 248 296
3300 key ScrollLock
# the youth scout's figures: the question with his release cost (grab), "Yes", the list (grab)
3400 click 300 296
3500 key ScrollLock
3600 click 248 296
3800 key ScrollLock
# back to the office
3900 click 590 458
EOF2
  t=4100
  for _ in 1 2 3 4 5 6 7; do day_round "$t"; t=$((t + 300)); done
  echo "# Club Menus, \"Finances\" (grab), back"
  printf '%d click 205 8\n%d click 210 247\n%d key ScrollLock\n%d click 588 454\n' \
    "$t" $((t + 100)) $((t + 300)) $((t + 400))
  quit_events $((t + 600))
  echo "$((t + 4000)) close"
} > script
GAFFERON_SEED=1 GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log

fail() { echo "$1"; exit 1; }
options=$(grep -F "DoMainMenu(): option" stdout.log | sed 's/.*option //' | tr '\n' ' ')
case "$options" in
  "24 49 3 33 3 13 3 "*"33 3 -1 ") ;;
  *) fail "options: $options" ;;
esac
days=$(grep -c "PlayDayFixtures(): day" stdout.log || true)
[ "$days" = 7 ] || fail "$days days were played, not 7"

grep -qE "StaffScreen\(\): club 70, candidate [0-9]+ \(kind 1, level 6\) refuses" stdout.log || fail "no refused hire"
grep -qF "DoMessageBox(): This person doesn't want to join your club." stdout.log || fail "no refusal message"
hire=$(grep -E "StaffScreen\(\): club 70 hires candidate [0-9]+ as kind 1, level 5, weekly wage" stdout.log) ||
  fail "no hire"
wage=${hire##* }
[ "$wage" -gt 0 ] || fail "the hired coach has no wage"
# the sack: the release cost leaves the club's balance and reaches the money pool
sack=$(grep -E "StaffScreen\(\): club 70 sacks kind 8" stdout.log) || fail "no sacking"
read -r cost b0 b1 p0 p1 < <(echo "$sack" |
  sed -E 's/.* for ([0-9]+): balance (-?[0-9]+) -> (-?[0-9]+), pool (-?[0-9]+) -> (-?[0-9]+)/\1 \2 \3 \4 \5/')
[ "$cost" -gt 0 ] && [ $((b0 - b1)) = "$cost" ] && [ $((p1 - p0)) = "$cost" ] || fail "sacking: $sack"
bill=$(grep -E "StaffScreen\(\): club 70 pays its staff" stdout.log | tail -1 | sed -E 's/.* staff ([0-9]+) a week/\1/')
[ "$bill" -ge "$wage" ] || fail "the week's staff wages $bill leave out the new coach's $wage"
# seven days later the coaching-staff wages are up by a week of the staff's wages
mapfile -t coaching < <(grep -E "Finances\(\): club 70" stdout.log | sed -E 's/.*coaching staff wages (-?[0-9]+),.*/\1/')
[ "${#coaching[@]}" = 2 ] || fail "Finances was shown ${#coaching[@]} times"
[ $((coaching[1] - coaching[0])) = "$bill" ] ||
  fail "coaching-staff wages ${coaching[0]} -> ${coaching[1]}, not up by the week's $bill"

n=0
for name in finances refused hire_question hired sack_question sacked finances_week; do
  n=$((n + 1))
  f=$(printf 'grab%04d.tga' "$n")
  test -f "$f" || fail "grab $f ($name) is missing"
  mv "$f" "$name.tga"
done
echo "staff screens: ok (check finances, refused, hire_question, hired, sack_question, sacked and finances_week.tga by eye)"
