#!/usr/bin/env bash
# Continuing a new career through the game's own screens: from the Manager's
# Office "Done", then "Do A Week / Match Day" until the human club's first
# match day (a message box or an event screen on the way is clicked away);
# the pre-match pages (grabs of the line-ups, the formation and the
# opposition), "Play Match", "Scanner" (the overlay view at its default
# speed, its kick-offs and goals grabbed), "Results are coming in...", the
# day's results (grab) and OK; the looping mode then runs to its next stop,
# and File, "Quit", "Yes" end the game. The log is checked for each step
# (lib/match_day.sh).
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/match_day.sh"
make_workdir "$dir"
match_day 1 15000 1 14353
match_day_check 1 "overlay: environment made" "overlay: environment freed"
echo "continue game: ok (check lineups, formation, opposition, match_NN and results.tga by eye)"
