#!/usr/bin/env bash
# The front end's scripted route: clicks pass the two start-up pictures and
# the credits; a Scroll Lock grab of the start page (background 5,
# "v2000.0"); "Load" answers that there are no saves; "New game" reaches the
# placeholder of option 1; File, "Quit", "Yes" ends the game with code 0.
# A second run answers "No": the game goes on until the window is closed.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"

cat > script <<'EOF2'
250 click 600 120
400 click 600 120
600 click 600 120
750 key ScrollLock
800 click 320 233
870 click 600 120
950 click 320 160
1050 click 110 8
1100 click 110 48
1210 click 248 296
5000 close
EOF2
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
grep -F "DoMainMenu(): option" stdout.log > options.txt
printf 'DoMainMenu(): option 24\nDoMainMenu(): option 1\nDoMainMenu(): option -1\n' > want.txt
cmp -s options.txt want.txt || { echo "options:"; cat options.txt; cat stdout.log; exit 1; }
test -f grab0001.tga || { echo "no grab of the start page"; exit 1; }
mv grab0001.tga start_page.tga

# "No" keeps the screen: the route goes on to a second grab, then the window closes.
sed -i 's/^1210 click 248 296$/1210 click 392 296\n1350 key ScrollLock/' script
set +e
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
code=$?
set -e
[ $code -eq 1 ] || { echo "exit code $code after \"No\", expected the close's 1"; cat stdout.log; exit 1; }
if grep -qF "DoMainMenu(): option -1" stdout.log; then echo "\"No\" quit the game"; exit 1; fi
test -f grab0002.tga || { echo "no grab after \"No\""; exit 1; }
echo "front end: ok (check start_page.tga and grab0002.tga by eye)"
