#!/usr/bin/env bash
# The ranked lists and the Job Centre in a career saved after one season (the
# career tool plays it and saves it as slot 1; the slot index is written
# here): the start page's "Load Game", slot 1, then from the Manager's Office
# the Global Menus' "Club Reputations" (grab), a page down (grab) and up
# again, the second club's row: its squad (grab), back to the office;
# "Manager Reputations" (grab), the top manager's row: his history (option
# 57, grab); from there the "Discipline List" (grab); "Job Vacancies" (grab),
# the first vacancy's list (grab), "Apply": one of the board's three answers
# (grab), the box closed; then File, "Quit", "Yes".
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/saved_career.sh"
make_workdir "$dir"

# The career: England, the first club of the top division, one season.
saved_career "After one season" --club -1 --seed 1

# The Global Menus' drop-down hangs under its title (300, 8): row n at 27 + 20 n.
global() {
  printf '%d click 330 8\n%d click 340 %d\n' "$1" $(($1 + 60)) $((27 + 20 * $2))
}
{
  cat <<'EOF'
# the start-up pictures and the credits
250 click 600 120
400 click 600 120
600 click 600 120
# the start page's "Load Game", then slot 1
900 click 320 233
1100 click 320 130
EOF
  echo "# Club Reputations: a grab, a page down (grab) and up, the second club's squad (grab), back"
  global 1500 10
  cat <<'EOF'
1700 key ScrollLock
1750 click 45 463
1850 key ScrollLock
1900 click 45 443
2000 click 200 110
2200 key ScrollLock
2300 click 590 456
EOF
  echo "# Manager Reputations: a grab, the top manager's history (grab)"
  global 2500 11
  cat <<'EOF'
2700 key ScrollLock
2800 click 200 90
3000 key ScrollLock
EOF
  echo "# Discipline List: a grab"
  global 3200 12
  echo "3400 key ScrollLock"
  echo "# Job Vacancies: a grab, the first vacancy's list (grab), Apply (grab of the answer), the box closed"
  global 3600 5
  cat <<'EOF'
3800 key ScrollLock
3900 click 200 273
4000 key ScrollLock
4100 click 210 341
4300 key ScrollLock
4400 click 320 240
EOF
  quit_events 4800
  echo "9000 close"
} > script
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
grep -F "DoMainMenu(): option" stdout.log | sed 's/.*option //' | tr '\n' ' ' > options.txt
# 24 the start page, 49 the load screen, 3 the office, 68 Club Reputations,
# 7 a club's squad, 3, 69 Manager Reputations, 57 the manager's history, 75
# the Discipline List, 43 the Job Centre, -1 the end.
want="24 49 3 68 7 3 69 57 75 43 -1 "
[ "$(cat options.txt)" = "$want" ] || { echo "options: $(cat options.txt), expected $want"; exit 1; }
grep -F "DoMessageBox(): " stdout.log | grep -q -e "YOU GOT IT" -e "NO WAY" -e "MAYBE" ||
  { echo "Apply showed none of the board's three answers"; exit 1; }
names="club_reputations club_reputations_page2 club_squad manager_reputations player_history discipline_list
  job_centre job_centre_list job_centre_answer"
n=1
for name in $names; do
  grab=$(printf 'grab%04d.tga' $n)
  test -f "$grab" || { echo "$grab ($name) was not taken"; exit 1; }
  mv "$grab" "$name.tga"
  n=$((n + 1))
done
echo "jobs screens: ok (the answer: $(grep -F "DoMessageBox(): " stdout.log | sed 's/.*DoMessageBox(): //'); check the .tga grabs by eye)"
