#!/usr/bin/env bash
# SIGINT closes the game like a closed window: the exit list runs, the
# process ends with code 1 and no options file is written.
set -u
game=$1
dir=$2
. "$(dirname "$0")/lib/workdir.sh"
make_workdir "$dir"
"$game" -window -debug general=20,input=1 -log &
pid=$!

# The signal goes in once the front end is running: its screen has put its
# restore function on the exit list (the log is written unbuffered).
ready='^OnExitAddEx\(\): adding function at slot [0-9]+ \(RestoreGraphicMode\(\)\)$'
for _ in $(seq 1200); do
  grep -qE "$ready" stdout.log 2>/dev/null && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.05
done
if ! grep -qE "$ready" stdout.log 2>/dev/null; then
  echo "the front end did not start"
  kill -KILL $pid 2>/dev/null
  wait $pid
  cat stdout.log
  exit 1
fi

kill -INT $pid
wait $pid
code=$?
[ $code -eq 1 ] || { echo "exit code $code, expected 1"; cat stdout.log; exit 1; }
for line in "OnExitRun(): running exit funcs" "ClearTimerInterrupt(): cleared" "ClearKeyboardInterrupt(): cleared"; do
  grep -qF "$line" stdout.log || { echo "missing from stdout.log: $line"; cat stdout.log; exit 1; }
done
[ ! -f OPTIONS.DAT ] || { echo "options written after a close"; exit 1; }
echo "sigint close: ok"
