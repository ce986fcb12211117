#!/usr/bin/env bash
# The command line: "-window" and "-fullscreen", the last one wins; "-debug"
# and "-log" in any letter case, "-menu256" only as written; "-debug" as the
# last word sets nothing and is no error.
set -eu
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
. "$(dirname "$0")/lib/quit_route.sh"
make_workdir "$dir"
quit_script script

expect() {
  grep -qF "$1" stdout.log || { echo "missing from stdout.log: $1"; cat stdout.log; exit 1; }
}
refuse() {
  if grep -qF "$1" stdout.log; then echo "unexpected in stdout.log: $1"; cat stdout.log; exit 1; fi
}

GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -window -fullscreen -DEBUG directdraw=80,general=1 -MENU256 -LOG
expect "DDrawSetMode(): fullscreen mode"
expect "InitialisePC(): CPU is"
expect "DDrawSetMode(): Setting mode 640x480 16 bit"
refuse "DDrawSetMode(): windowed mode"

GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script "$game" -fullscreen -window -debug directdraw=80 -menu256 -log -debug
expect "DDrawSetMode(): windowed mode"
expect "DDrawSetMode(): Setting mode 640x480 8 bit"
refuse "InitialisePC(): CPU is"
echo "command line: ok"
