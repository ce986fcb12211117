#!/usr/bin/env bash
# The fixtures, tables and honours screens in a career saved after one
# season (the career tool plays and saves it; the save index names it so that
# the start page's "Load game" finds it): the start page, "Load game", the
# save; from the Manager's Office the menu bar's "Fixtures" (grab), a row:
# the opponent's squad (grab), back; "League Tables" (grab), a club: its
# squad (grab), back; "Fixtures/Results" (grab), a day forward (grab) and
# back (grab), "Cup Fixtures" (its list grabbed) and a cup (grab), "Tables"
# (its list grabbed) and its "League Tables" row (grab), Done; "Domestic
# Roll Of Honour" (grab), another division (grab), Done; then File, "Quit",
# "Yes". At the season's start no cup has fixtures yet: the cup's screen says
# "No Fixtures".
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/saved_career.sh"
make_workdir "$dir"

# One season of a career at the first club of England's top division, saved
# as slot 1.
saved_career "One season" --club -1 --seed 1

cat > script <<'EOF'
# the start-up pictures and the credits
250 click 600 120
400 click 600 120
600 click 600 120
# "Load game", then the save in slot 1: the Manager's Office
900 click 320 233
1100 click 320 130
# Club Menus, "Fixtures" (grab); the first row: the opponent's squad (grab); back
1400 click 205 8
1500 click 210 166
1700 key ScrollLock
1800 click 200 90
2000 key ScrollLock
2100 click 590 456
# Global Menus, "League Tables" (grab); the third club: its squad (grab); back
2300 click 330 8
2400 click 335 67
2600 key ScrollLock
2700 click 150 150
2900 key ScrollLock
3000 click 590 456
# Global Menus, "Fixtures/Results" (grab); a day forward (grab), back (grab)
3200 click 330 8
3300 click 335 304
3500 key ScrollLock
3600 click 332 400
3700 key ScrollLock
3800 click 308 400
3900 key ScrollLock
# "Cup Fixtures": its list (grab), "League Cup" (grab)
4000 click 478 455
4050 key ScrollLock
4100 click 478 327
4300 key ScrollLock
# "Tables": its list (grab), its last row "League Tables" (grab); Done
4400 click 316 455
4450 key ScrollLock
4500 click 316 431
4700 key ScrollLock
4800 click 590 456
# Global Menus, "Domestic Roll Of Honour" (grab); "Division", the second (grab); Done
5000 click 330 8
5100 click 335 205
5300 key ScrollLock
5400 click 320 455
5500 click 320 380
5700 key ScrollLock
5800 click 590 456
EOF
quit_events 6100 >> script
echo "9000 close" >> script

GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
grep -F "DoMainMenu(): option" stdout.log | sed 's/.*option //' | tr '\n' ' ' > options.txt
want="24 49 3 8 2 7 3 9 2 7 3 11 9 3 12 3 -1 "
[ "$(cat options.txt)" = "$want" ] || { echo "options: $(cat options.txt), expected $want"; exit 1; }
names=(fixtures opponent_squad league_table club_squad results day_forward day_back cup_list cup tables_list tables
       roll_of_honour roll_of_honour_division)
for i in "${!names[@]}"; do
  grab=$(printf 'grab%04d.tga' $((i + 1)))
  test -f "$grab" || { echo "no grab of ${names[$i]} ($grab)"; exit 1; }
  mv "$grab" "${names[$i]}.tga"
done
echo "fixtures screens: ok (check ${names[*]/%/.tga} by eye)"
