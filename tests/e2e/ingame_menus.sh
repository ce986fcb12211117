#!/usr/bin/env bash
# The in-match menus and a saved replay, in a friendly of the career tool's
# exported team against itself, watched in "Watch" on the virtual clock:
# - F1: the Pause menu; its "Watch" under Options opens Options, where the
#   model detail steps on and the crowd volume is set to 70%; "Done" goes
#   back to Pause and "Resume game" to the match (grabs of both menus);
# - half-time: the first side's Subs/Tactics screen opens by itself; shirt 9,
#   the captain, goes off for the first man on the bench and "Confirm" makes
#   the substitution; "Line-ups" is refused with "You have no captain"; on the
#   Duties page the man of row 5 (shirt 6) becomes captain; "Marking": its own
#   row 4 marks the opponent's row 9; "Line-ups" and its "Done"
#   leave; the second side's screen is left the same way (grabs of Subs/
#   Tactics, Marking and Line-ups);
# - the match goes to extra time: at full time and at the half of extra time
#   both sides' screens open and are left the same way (grabs of the first);
# - F2: an instant replay; Right to the bar's slot button (hot spot 19) and
#   Enter open the save screen; the third slot, "Save" (grab); Esc ends the
#   replay;
# - after the whistle Friendly Setup, "Done", the start page, "Replays": the
#   load list (grab), the third slot plays in "Watch"; Esc ends it and the
#   start page is back; the run starts a career and quits by the menu.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/pointer.sh"
. "$(dirname "$0")/lib/friendly.sh"
make_workdir "$dir"
export_team

H=11464       # half-time: the first side's Subs/Tactics screen opens
R=14000       # the instant replay
F=21488       # both sides' screens open at a stoppage
G=25186       # the first side's screen opens at a stoppage
after=30000   # the match (with extra time) is over at about tick 28,700
{
  friendly_start
  cat <<'EOF2'
# the Pause menu
3000 key F1
EOF2
  pointer_click 3100 444 372   # "Watch" under Options: the Options menu
  pointer_click 3300 300 157   # "Model Detail" steps on
  pointer_click 3500 372 295   # "Crowd Volume": 112 of 176 pixels, 70%
  echo "3590 key ScrollLock"
  pointer_click 3700 505 460   # "Done": back to Pause
  echo "3790 key ScrollLock"
  pointer_click 3900 320 455   # "Resume game"
  echo "4000 key F5"           # quick watch
  # half-time, the first side
  pointer_click $((H + 100)) 100 230   # shirt 9 goes off...
  pointer_click $((H + 200)) 100 290   # ...for the first man on the bench
  echo "$((H + 290)) key ScrollLock"
  pointer_click $((H + 300)) 450 394   # "Confirm"
  pointer_click $((H + 400)) 320 460   # "Line-ups": "You have no captain"
  echo "$((H + 490)) key ScrollLock"
  pointer_click $((H + 500)) 283 170   # Duties: row 5 becomes captain
  pointer_click $((H + 600)) 320 440   # "Marking"
  pointer_click $((H + 700)) 260 374   # the Marking page
  pointer_click $((H + 800)) 45 180    # own row 4...
  pointer_click $((H + 900)) 450 280   # ...marks opponent row 9
  echo "$((H + 990)) key ScrollLock"
  pointer_click $((H + 1000)) 320 460  # "Line-ups"
  echo "$((H + 1090)) key ScrollLock"
  pointer_click $((H + 1100)) 320 460  # "Done"
  # the second side: its Line-ups and "Done"
  pointer_click $((H + 1300)) 320 460
  pointer_click $((H + 1400)) 320 460
  # the instant replay and its save screen
  echo "$R key F2"
  for k in 1 2 3 4 5 6 7 8; do echo "$((R + 20 * k)) key Right"; done
  echo "$((R + 200)) key Return"
  pointer_click $((R + 300)) 320 143   # the third slot
  echo "$((R + 390)) key ScrollLock"
  pointer_click $((R + 400)) 220 441   # "Save"
  echo "$((R + 500)) key Escape"
  echo "$((R + 600)) key F5"
  # at the stoppage of tick 21,488 both sides' screens open again: each
  # goes back to the match by "Line-ups" and "Done"
  echo "$((F + 90)) key ScrollLock"
  for t in 100 200 400 500; do pointer_click $((F + t)) 320 460; done
  echo "$((G + 90)) key ScrollLock"
  for t in 100 200 400 500; do pointer_click $((G + t)) 320 460; done
  # after the whistle: Friendly Setup's "Done", the start page's "Replays",
  # the third slot; Esc ends its replay
  pointer_click "$after" 590 456
  pointer_click $((after + 200)) 320 386
  echo "$((after + 390)) key ScrollLock"
  pointer_click $((after + 400)) 320 167
  echo "$((after + 1500)) key ScrollLock"
  echo "$((after + 1600)) key Escape"
  # the start page again: the career route (its start-page clicks on) and the
  # quit by the menu
  pointer_move $((after + 2000)) 320 160
  career_route | awk -v shift=$((after + 2300 - 900)) '/^[0-9]/ { if ($1 >= 900) { $1 += shift; print } }'
  quit_events $((after + 4500))
  echo "$((after + 11000)) close"
} > menus.txt

GAFFERON_SEED=1 GAFFERON_CLOCK=virtual GAFFERON_EVENTS=menus.txt "$game" -window -debug general=10 -log
options() { grep -F "DoMainMenu(): option" stdout.log | sed 's/.*option //' | tr '\n' ' '; }
want="24 53 54 53 24 55 56 24 1 0 5 73 16 3 -1 "
[ "$(options)" = "$want" ] || { echo "options: $(options), expected $want"; exit 1; }
check() { grep -qF -- "$1" stdout.log || { echo "missing in the log: $1"; exit 1; }; }
# the menus in the order they opened: Pause, Options, Pause; the first
# side's forced Subs/Tactics, Marking and Line-ups; the second side's
check "InGameMenusLoop(): menu 0, side 1 (tick"
check "InGameMenusLoop(): menu 1, side 1 (tick"
check "InGameMenusLoop(): menu 4, side 0, forced (tick $H)"
check "InGameMenusLoop(): menu 12, side 0, forced"
check "InGameMenusLoop(): menu 6, side 0, forced"
check "InGameMenusLoop(): menu 4, side 1, forced"
check 'InfoBar(): type 11 "Player Off : '
check 'SubsTactics_Validate(): side 0: "You have no captain"'
check "InGame_SetDuty(): side 0, player 5 captain"
check "MarkingMenu(): side 0, row 4 marks opponent row 9"
check "SaveReplaySlot(): slot 2 saved"
check "LoadReplaySlot(): slot 2 loaded"
if grep -qF "Load Failed" stdout.log; then echo "a file did not load"; exit 1; fi
test -f Replay02.sav || { echo "no Replay02.sav"; exit 1; }
size=$(stat -c %s Replay02.sav)
[ "$size" = 390251 ] || { echo "Replay02.sav is $size bytes, not 390251"; exit 1; }
names=(options pause subs_confirm no_captain marking line_ups save_slots full_time extra_time load_list playback)
[ -f "grab$(printf '%04d' ${#names[@]}).tga" ] || { echo "fewer than ${#names[@]} grabs"; exit 1; }
for i in "${!names[@]}"; do mv "grab$(printf '%04d' $((i + 1))).tga" "${names[$i]}.tga"; done
echo "in-match menus: ok (check ${names[*]} .tga by eye)"
