#!/usr/bin/env bash
# A corrupt options file is ignored and replaced by a good one at exit.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"
quit_script script
head -c 100 /dev/urandom > OPTIONS.DAT
printf 'DAT0OPT0\xff\xff' >> OPTIONS.DAT
GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -log
test "$(head -c 8 OPTIONS.DAT)" = "DAT0OPT0"
echo "bad options: ok"
