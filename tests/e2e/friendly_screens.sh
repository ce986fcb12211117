#!/usr/bin/env bash
# Friendly Setup and Player History through the game's own screens.
#
# The first run loads a career played for one season by the career tool
# (start page, "Load Game", its slot), saves the club's team with File ->
# "Save Team To Floppy a:\" (the export folder stands for the floppy), opens
# "View Squad", the first player's page and its "Career History" (Player
# History, grab), Done back to the player page and Done to the Manager's
# Office, then File, "Quit", "Yes".
#
# The second run goes from the start page to Friendly Setup (grab), loads
# Team A twice and asks for "Play Match" (still one team: the message box,
# grab), loads Team B (grab), swaps the venue (grab) and leaves by Done for
# the start page (grab); the window is then closed. The match itself is
# played by friendly_match.sh.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/saved_career.sh"
make_workdir "$dir"
mkdir export

# A career after one season, in save slot 1 of the save index.
saved_career "One season" --club -1 --seed 1

options() { grep -F "DoMainMenu(): option" stdout.log | sed 's/.*option //' | tr '\n' ' '; }

# ---- the first run ----
{
  cat <<'EOF'
# the start-up pictures and the credits
250 click 600 120
400 click 600 120
600 click 600 120
# "Load Game", the slot "One season": the Manager's Office
900 click 320 233
1100 click 320 130
# File, "Save Team To Floppy a:\"
1500 click 110 8
1600 click 110 68
# Club Menus, "View Squad", the first player, his action button, "Career History"
1800 click 205 8
1900 click 210 47
2200 click 120 117
2400 click 120 455
2500 click 110 407
2700 key ScrollLock
# Done: the player page; Done: the Manager's Office
2800 click 590 456
3000 click 590 456
EOF
  quit_events 3400
  echo "9000 close"
} > script
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
want="24 49 3 7 4 57 4 3 -1 "
[ "$(options)" = "$want" ] || { echo "first run options: $(options), expected $want"; exit 1; }
if grep -qF "Save Team Failed" stdout.log; then echo "the team was not saved"; exit 1; fi
test "$(head -c 8 export/SaveTeam)" = "DAT0TEM1" || { echo "export/SaveTeam is not a team file"; exit 1; }
test "$(stat -c %s export/SaveTeam)" -eq $((16 + 4 + 5859 + 8)) || { echo "export/SaveTeam has the wrong size"; exit 1; }
test -f grab0001.tga || { echo "Player History was not grabbed"; exit 1; }
mv grab0001.tga player_history.tga
mv stdout.log first_run.log

# ---- the second run ----
cat > script <<'EOF'
250 click 600 120
400 click 600 120
600 click 600 120
# the start page's "Friendly": Friendly Setup
900 click 320 311
1000 key ScrollLock
# "Load Friendly Team A" twice, then "Play Match": still one team
1100 click 320 145
1200 click 320 145
1300 click 220 405
1400 key ScrollLock
1500 click 320 300
# "Load Friendly Team B"
1600 click 320 285
1700 key ScrollLock
# "Swap Venue"
1800 click 440 405
1900 key ScrollLock
# Done: the start page
2300 click 590 456
2500 key ScrollLock
2600 close
EOF
code=0
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log || code=$?
[ $code -eq 1 ] || { echo "exit code $code after the close, expected 1"; exit 1; }
want="24 53 24 "
[ "$(options)" = "$want" ] || { echo "second run options: $(options), expected $want"; exit 1; }
[ "$(grep -cF "DoMessageBox(): You have not loaded two teams" stdout.log)" -eq 1 ] ||
  { echo "Play Match with one team did not ask for two"; exit 1; }
if grep -qF "Load Failed" stdout.log; then echo "a team did not load"; exit 1; fi
for n in 1 2 3 4 5; do test -f grab000$n.tga || { echo "grab $n is missing"; exit 1; }; done
mv grab0001.tga friendly_setup.tga
mv grab0002.tga one_team.tga
mv grab0003.tga two_teams.tga
mv grab0004.tga swapped.tga
mv grab0005.tga start_page.tga
echo "friendly screens: ok (check player_history, friendly_setup, one_team, two_teams, swapped and start_page.tga by eye)"
