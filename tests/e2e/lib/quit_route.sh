# Sourced by the scripted runs. The front end is left by its menu, not by a
# key, and the menu bar offers "Quit" only once a career has begun (the
# start page and the new career's screens restrict it), so the shortest
# route out starts a career:
#   career_route      the events from start-up to the Manager's Office
#   quit_events T     File, "Quit" and "Yes" from tick T on
#   quit_script FILE  both, with a safety net that closes the window.

career_route() {
  cat <<'ROUTE'
# the start-up pictures and the credits, each click well inside its screen's
# time (a picture comes up with a wipe, and the credits take only a press made
# while they roll)
250 click 600 120
400 click 600 120
600 click 600 120
# "New game", then turn the ring right (Scotland) and back left (England),
# and choose: "Creating new game environment."
900 click 320 160
1000 click 480 320
1150 click 160 320
1300 click 320 390
# Select Team To Manage: the first club of the first row
1500 click 150 94
# the club page: "Accept", then "Manager" in its list
1800 click 206 455
1950 click 114 430
# Input Manager Name: open the field, clear "P.Manager", type "j.boss", OK
2300 click 320 250
2400 key Backspace
2410 key Backspace
2420 key Backspace
2430 key Backspace
2440 key Backspace
2450 key Backspace
2460 key Backspace
2470 key Backspace
2480 key Backspace
2500 key J
2510 key .
2520 key B
2530 key O
2540 key S
2550 key S
2650 key Return
2800 click 590 456
ROUTE
}

quit_events() {
  local t=$1
  printf '%d click 110 8\n%d click 110 48\n%d click 248 296\n' "$t" $((t + 50)) $((t + 160))
}

quit_script() {
  { career_route; echo "# File, \"Quit\", \"Yes\""; quit_events 3000; echo "# a safety net: the window closes if the route did not end the game"; echo "9000 close"; } > "$1"
}
