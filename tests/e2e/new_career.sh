#!/usr/bin/env bash
# A new career through the game's own screens: New game, the ring turned and
# a country chosen, "Creating new game environment.", a club picked, the
# club page's "Accept" as "Manager", a name typed, OK; from the Manager's
# Office the menu bar's "View Squad" (grab), a name into the player page
# (grab), Done back to the squad, then File, "Quit", "Yes".
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"

{
  career_route
  cat <<'EOF2'
# Club Menus, "View Squad"; a grab of the squad
3100 click 205 8
3200 click 210 47
3400 key ScrollLock
# the first name of the left column: the player page (grab), then Done
3500 click 120 117
3700 key ScrollLock
3800 click 590 456
EOF2
  quit_events 4100
  echo "9000 close"
} > script
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
grep -F "DoMainMenu(): option" stdout.log | sed 's/.*option //' | tr '\n' ' ' > options.txt
want="24 1 0 5 73 16 3 7 4 7 -1 "
[ "$(cat options.txt)" = "$want" ] || { echo "options: $(cat options.txt), expected $want"; exit 1; }
test -f grab0001.tga && test -f grab0002.tga || { echo "the squad and the player page were not grabbed"; exit 1; }
mv grab0001.tga squad.tga
mv grab0002.tga player_page.tga
echo "new career: ok (check squad.tga and player_page.tga by eye)"
