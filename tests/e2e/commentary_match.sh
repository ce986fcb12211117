#!/usr/bin/env bash
# A new career continued to the human club's first match day, the match
# followed in "Commentary" (the analysis panel at the default speed) with its
# kick-offs and goals grabbed; see lib/match_day.sh.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
. "$(dirname "$0")/lib/match_day.sh"
make_workdir "$dir"
match_day 0 40000 1 23186
match_day_check 0 "analysis: environment made" "analysis: environment freed"
echo "commentary match: ok (check lineups, formation, opposition, match_NN and results.tga by eye)"
