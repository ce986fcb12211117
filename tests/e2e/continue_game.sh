#!/usr/bin/env bash
# Continuing a new career through the game's own screens: from the Manager's
# Office "Done", then "Do A Week / Match Day" until the human club's first
# match day (a message box or an event screen on the way is clicked away);
# the pre-match pages (grabs of the line-ups, the formation and the
# opposition), "Play Match", "Scanner", "Results are coming in...", the day's
# results (grab) and OK; the looping mode then runs to its next stop, and
# File, "Quit", "Yes" end the game. The log is checked for each step.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"

# One round from the office: "Done" (on an event's placeholder screen the
# same spot is its way back, which leads to the office), then the pop-up's
# "Do A Week / Match Day".
round() { printf '%d click 320 420\n%d click 320 232\n' "$1" $(($1 + 60)); }

{
  career_route
  for t in $(seq 3100 400 6300); do round "$t"; done
  # the pre-match pages (they come up at tick P): a grab of the line-ups,
  # then the formation (grab) and the opposition (grab), then "Play Match"
  # and "Scanner"; the news of the match (injuries, sendings-off) in message
  # boxes clicked away; the day's results (grab) and OK
  P=6560
  # the match itself runs paced by the Scanner's speed: what follows it waits
  M=15000
  printf '%d key ScrollLock\n' $((P + 240))
  printf '%d click 320 455\n' $((P + 340))
  printf '%d key ScrollLock\n' $((P + 440))
  printf '%d click 510 455\n' $((P + 540))
  printf '%d key ScrollLock\n' $((P + 640))
  printf '%d click 120 455\n' $((P + 740))
  printf '%d click 320 450\n' $((P + 940))
  for k in 1 2 3 4 5 6; do printf '%d click 320 240\n' $((P + M + 1000 + 100 * k)); done
  printf '%d key ScrollLock\n' $((P + M + 1740))
  printf '%d click 590 456\n' $((P + M + 1840))
  # the looping mode runs on to its next stop: back in the office
  quit_events $((9000 + M))
  echo "$((30000 + M)) close"
} > script
GAFFERON_SEED=1 GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -debug general=10 -log
log=stdout.log
check() { grep -qF -- "$1" "$log" || { echo "missing in the log: $1"; exit 1; }; }
check "ContinueGame(): mode 1"
grep -qE "PlayDayFixtures\(\): day [0-9]+, related [1-9]" "$log" || { echo "no match day of the human club"; exit 1; }
check "ShowPreMatchPage(): page 0"
check "ShowPreMatchPage(): page 1"
check "ShowPreMatchPage(): page 2"
check "ShowPreMatchPage(): page 5"
check "ShowPreMatchPage(): view mode 1"
check 'PlayDayFixtures(): "Results are coming in..."'
grep -qE "RunDayResultsMenu\(\): [1-9][0-9]* results" "$log" || { echo "no results menu"; exit 1; }
# after the match day the looping mode played on to a stop (the office), and
# the game was quit from there
after=$(sed -n '/RunDayResultsMenu()/,$p' "$log")
echo "$after" | grep -qE "PlayDayFixtures\(\): day" || { echo "no day after the match day"; exit 1; }
# (the stop is the office, or the negotiation a club's offer for one of the
# human club's players opened: which one depends on how the match went)
echo "$after" | grep -qE "DoMainMenu\(\): option (3|10)$" || { echo "the loop did not stop for the manager"; exit 1; }
echo "$after" | grep -qF "DoMainMenu(): option -1" || { echo "the game was not quit"; exit 1; }
for f in grab0001.tga grab0002.tga grab0003.tga grab0004.tga; do
  test -f "$f" || { echo "$f was not grabbed"; exit 1; }
done
mv grab0001.tga lineups.tga
mv grab0002.tga formation.tga
mv grab0003.tga opposition.tga
mv grab0004.tga results.tga
echo "continue game: ok (check lineups.tga, formation.tga, opposition.tga and results.tga by eye)"
