#!/usr/bin/env bash
# A friendly from the start page, played out: the career tool exports a
# club's team to the export folder; the game goes to Friendly Setup (grab),
# loads that team as Team A and as Team B (grab), plays the match in "Watch"
# and in play toggles quick watch (F5), the mini scanner (F7) and the model
# detail (F8), each confirmed by its caption, and opens the Pause menu (F1)
# and resumes. At half-time each side's Subs/Tactics screen is left by its
# Line-ups page.
# After the whistle the game is back on Friendly Setup (grab); Done goes to
# the start page, and the run starts a career and quits by the menu.
#
# The first two minutes of the sound are written to match.wav from the
# clock-driven output; the sound driver's calls logged on the "sfx" channel
# are mixed again by the sfxremix tool, which must give match.wav's bytes,
# and each effect the match asked for is checked against the effects table.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/pointer.sh"
. "$(dirname "$0")/lib/friendly.sh"
make_workdir "$dir"
export_team

# The match is over well before this tick: from F5 on, quick watch runs two
# frames a tick where a frame took two (the whistle comes at about 19,400).
after=24000
{
  GRABS=1 friendly_start
  cat <<'EOF2'
# in play: quick watch, the mini scanner, the model detail; the Pause menu
3000 key F5
3400 key F7
3800 key F8
4400 key F1
EOF2
  echo '# "Resume game"'
  pointer_click 4460 320 455
  # half-time (about tick 10,830): each side's Subs/Tactics, "Line-ups" and
  # its "Done"
  for t in 11000 11200 11400 11600; do pointer_click "$t" 320 460; done
  echo "# after the whistle: Friendly Setup again; Done: the start page"
  echo "$after key ScrollLock"
  pointer_click $((after + 60)) 590 456
  # From the start page the career route (its start-page clicks on) and the
  # quit by the menu.
  career_route | awk -v shift=$((after + 300 - 900)) '/^[0-9]/ { if ($1 >= 900) { $1 += shift; print } }'
  quit_events $((after + 2500))
  echo "$((after + 9000)) close"
} > friendly.txt

GAFFERON_SEED=1 GAFFERON_CLOCK=virtual GAFFERON_EVENTS=friendly.txt GAFFERON_SOUND_OUT=match.wav:120 \
  "$game" -window -debug general=10,sfx=20 -log
options() { grep -F "DoMainMenu(): option" stdout.log | sed 's/.*option //' | tr '\n' ' '; }
want="24 53 54 53 24 1 0 5 73 16 3 -1 "
[ "$(options)" = "$want" ] || { echo "options: $(options), expected $want"; exit 1; }
if grep -qF "Load Failed" stdout.log; then echo "a team did not load"; exit 1; fi
for caption in "Quick watch On" "Scanner On" "Model Detail Low"; do
  grep -qE "InfoBar\(\): type -[0-9] \"$caption\"" stdout.log || { echo "no caption \"$caption\""; exit 1; }
done
grep -qE "InGameMenusLoop\(\): menu 0, side [01] " stdout.log || { echo "F1 opened no Pause menu"; exit 1; }
for n in 1 2 3; do test -f grab000$n.tga || { echo "grab $n is missing"; exit 1; }; done
mv grab0001.tga friendly_setup.tga
mv grab0002.tga two_teams.tga
mv grab0003.tga after_match.tga

test -f match.wav || { echo "no match.wav"; exit 1; }
bash "$(dirname "$0")/lib/remix_check.sh" stdout.log match.wav 120
echo "friendly match: ok (check friendly_setup, two_teams and after_match.tga by eye; listen to match.wav)"
