#!/usr/bin/env bash
# SIGINT closes the game like a closed window: the exit list runs, the
# process ends with code 1 and no options file is written.
set -u
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
make_workdir "$dir"
"$game" -window -debug general=20 -log &
pid=$!
sleep 1.5
kill -INT $pid
wait $pid
code=$?
[ $code -eq 1 ] || { echo "exit code $code, expected 1"; cat stdout.log; exit 1; }
grep -qF "OnExitRun(): running exit funcs" stdout.log || { cat stdout.log; exit 1; }
grep -qF "ClearTimerInterrupt(): cleared" stdout.log || { cat stdout.log; exit 1; }
grep -qF "ClearKeyboardInterrupt(): cleared" stdout.log || true
[ ! -f OPTIONS.DAT ] || { echo "options written after a close"; exit 1; }
echo "sigint close: ok"
