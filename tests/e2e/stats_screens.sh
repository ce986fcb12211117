#!/usr/bin/env bash
# Player Stats and Statistics in a career saved after one season, one of
# whose players is lent to another club (the career tool saves the season,
# lendplayer lends the player and lists the save as "On Loan"). Through the
# game's own screens: "Load Game", the slot; Club Menus, "Player Stats." (a
# grab), two shirts swapped (grab), the "Stm" column sorted (grab), the sort
# removed by the statistics group button twice, four rows down and the lent
# player's shirt clicked: "Sorry this player is on loan." (grab), then back
# to the squad. Club Menus, "Statistics": the captain, the penalty taker and
# the free-kick taker chosen from "Duties" (grab), back to the office; File,
# "Quit", "Yes".
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/saved_career.sh"
make_workdir "$dir"
tools=$GAFFERON_BINARY_DIR
saved_career "On Loan" --club -1 --seed 7
"$tools/lendplayer" "$PWD/SaveData/save1" > lent.txt
index=$(sed -n 's/.*index=\([0-9]*\).*/\1/p' lent.txt)
[ -n "$index" ] && [ "$index" -ge 12 ] && [ "$index" -lt 32 ] || { echo "lendplayer: $(cat lent.txt)"; exit 1; }
# The lent player's row once the list is scrolled to its end of twelve rows.
scrolls=$((index - 11))
row_y=$((108 + 11 * 24 + 11))

{
  cat <<'EOF2'
# the start-up pictures and the credits, then "Load Game" and the second slot
250 click 600 120
400 click 600 120
600 click 600 120
900 click 320 233
1200 click 300 130
# Club Menus, "Player Stats."; a grab
1700 click 205 8
1800 click 210 87
2100 key ScrollLock
# the shirts of the second and third rows swapped; a grab
2200 click 60 143
2300 click 60 167
2400 key ScrollLock
# the "Stm" column sorted; a grab
2500 click 405 85
2600 key ScrollLock
# the statistics group twice: the sort removed
2700 click 137 85
2800 click 137 85
EOF2
  t=2900
  for _ in $(seq 1 "$scrolls"); do echo "$t click 51 462"; t=$((t + 50)); done
  cat <<EOF2
# the lent player's shirt: the message (grab), closed
$((t + 100)) click 60 $row_y
$((t + 300)) key ScrollLock
$((t + 400)) click 312 305
EOF2
  cat <<'EOF2'
# back: the squad; Club Menus, "Statistics"
4000 click 590 456
4300 click 205 8
4400 click 210 107
# "Duties": "Select Captain", the third row's role column
4700 click 500 455
4800 click 515 367
4900 click 60 146
# "Select Penalty Taker", the sixth row; "Select Free Kick Taker", the seventh
5000 click 500 455
5100 click 515 427
5200 click 60 206
5300 click 500 455
5400 click 515 387
5500 click 60 226
# the pointer off the rows; a grab
5600 click 625 300
5700 key ScrollLock
# back: the office
5800 click 590 460
EOF2
  quit_events 6200
  echo "9000 close"
} > script
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
grep -F "DoMainMenu(): option" stdout.log | sed 's/.*option //' | tr '\n' ' ' > options.txt
want="24 49 3 18 7 80 3 -1 "
[ "$(cat options.txt)" = "$want" ] || { echo "options: $(cat options.txt), expected $want"; exit 1; }
[ "$(grep -c 'DoMessageBox(): Sorry this player is on loan.' stdout.log)" = 1 ] ||
  { echo "the lent player's shirt was not refused once"; exit 1; }
for n in 1 2 3 4 5; do
  test -f grab000$n.tga || { echo "grab $n is missing"; exit 1; }
done
mv grab0001.tga player_stats.tga
mv grab0002.tga shirts_swapped.tga
mv grab0003.tga sorted.tga
mv grab0004.tga on_loan.tga
mv grab0005.tga duties.tga
echo "stats screens: ok (check player_stats, shirts_swapped, sorted, on_loan and duties.tga by eye)"
