# Sourced by the scripted runs that play a friendly of one club's team
# against itself:
#   export_team     the career tool writes a new career's club team to the
#                   floppy folder export/ (SaveTeam)
#   friendly_start  the events from start-up to the kick-off: the start-up
#                   pictures and the credits, the start page's "Friendly",
#                   the team as Team A and as Team B, "Play Match" (tick
#                   1400); with GRABS=1, grabs of Friendly Setup before and
#                   after the teams are loaded
export_team() {
  "$GAFFERON_BINARY_DIR/career" --country 0 --club -1 --seed 1 --seasons 0 --quiet --export-team > career.txt 2>&1 ||
    { echo "the career tool failed: $(tail -3 career.txt)"; exit 1; }
  test -f export/SaveTeam || { echo "the career tool exported no team"; exit 1; }
}

friendly_start() {
  local grabs=${GRABS:-0}
  cat <<'EVENTS'
# the start-up pictures and the credits
250 click 600 120
400 click 600 120
600 click 600 120
# the start page's "Friendly": Friendly Setup
900 click 320 311
EVENTS
  [ "$grabs" = 1 ] && echo "1000 key ScrollLock"
  echo '# "Load Friendly Team A", "Load Friendly Team B": the same team twice'
  printf '1100 click 320 145\n1200 click 320 285\n'
  [ "$grabs" = 1 ] && echo "1300 key ScrollLock"
  printf '# "Play Match"\n1400 click 220 405\n'
}
