#!/usr/bin/env bash
# The front end's scripted route: clicks pass the two start-up pictures and
# the credits; a Scroll Lock grab of the start page (background 5,
# "v2000.0"); "Load" answers that there are no saves; "New game" starts a
# career as far as the Manager's Office (the menu bar offers "Quit" only
# once a career has begun); File, "Quit", "Yes" ends the game with code 0.
# A second run answers "No": the game goes on until the window is closed.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"

# The start page is grabbed and "Load" answered before "New game" (the
# career route's events from "New game" on come 100 ticks later).
{
  printf '750 key ScrollLock\n800 click 320 233\n870 click 600 120\n'
  career_route | awk '$1 ~ /^[0-9]+$/ { if ($1 >= 900) $1 += 100; print }'
  quit_events 3100
  echo "9000 close"
} | sort -n -s > script
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
grep -F "DoMainMenu(): option" stdout.log > options.txt
for o in 24 1 0 5 73 16 3 -1; do echo "DoMainMenu(): option $o"; done > want.txt
cmp -s options.txt want.txt || { echo "options:"; cat options.txt; cat stdout.log; exit 1; }
test -f grab0001.tga || { echo "no grab of the start page"; exit 1; }
mv grab0001.tga start_page.tga

# "No" keeps the screen: the route goes on to a second grab, then the window closes.
sed -i -e 's/^3260 click 248 296$/3260 click 392 296\n3400 key ScrollLock/' -e 's/^9000 close$/3600 close/' script
set +e
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
code=$?
set -e
[ $code -eq 1 ] || { echo "exit code $code after \"No\", expected the close's 1"; cat stdout.log; exit 1; }
if grep -qF "DoMainMenu(): option -1" stdout.log; then echo "\"No\" quit the game"; exit 1; fi
test -f grab0002.tga || { echo "no grab after \"No\""; exit 1; }
echo "front end: ok (check start_page.tga and grab0002.tga by eye)"
