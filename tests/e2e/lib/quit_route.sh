# Sourced by the scripted runs. The front end is left by its menu, not by a
# key: quit_script FILE writes the shortest route out (clicks past the two
# start-up pictures and the credits, "New game" to reach a screen with the
# whole menu bar, then File, "Quit" and "Yes").

quit_script() {
  cat > "$1" <<'ROUTE'
# the start-up pictures and the credits, each click well inside its screen's
# time (a picture comes up with a wipe, and the credits take only a press made
# while they roll)
250 click 600 120
400 click 600 120
600 click 600 120
# "New game": a screen with the whole menu bar
900 click 320 160
# File, "Quit", "Yes"
1000 click 110 8
1050 click 110 48
1160 click 248 296
# a safety net: the window closes if the route did not end the game
5000 close
ROUTE
}
