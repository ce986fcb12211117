#!/usr/bin/env bash
# A new career continued to the human club's first match day, the match
# watched in "Watch" (the 256-colour 3D frame, paced at 50 frames a second)
# with its kick-offs and goals grabbed; see lib/match_day.sh. Seed 4 gives a
# match with goals; the human club's Subs/Tactics screen opens at half-time
# (tick 42,139) and at the stoppage after an injury (tick 72,973), and the
# whistle comes at about tick 74,200.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/match_day.sh"
make_workdir "$dir"
match_day 2 70000 4 "42139 72973"
match_day_check 2 "swframe: match environment made" "swframe: match environment freed"
echo "watch match: ok (check lineups, formation, opposition, match_NN and results.tga by eye)"
