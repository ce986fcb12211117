# Sourced by the scripted runs that continue a new career to the human club's
# first match day and watch the match in one of the three view modes:
#   match_day VIEW M [SEED [H]] writes the event script "script" and runs the game
#                        (SEED, by default 1; virtual clock;
#                        GAFFERON_GRABS=kickoff,goal):
#                        from the Manager's Office "Do A Week / Match Day"
#                        until the match day; the pre-match pages (grabs of the
#                        line-ups, the formation and the opposition), "Play
#                        Match" and the view (0 "Commentary", 1 "Scanner",
#                        2 "Watch"); the match, paced by its view, takes up to
#                        M ticks; the news of the match in message boxes
#                        clicked away; the day's results (grab) and OK; the
#                        looping mode runs to its next stop, and File, "Quit",
#                        "Yes" end the game
#   match_day_check VIEW checks the log for each step, the environment made and
#                        freed and the match grabs, and names the grabs:
#                        lineups, formation, opposition, match_NN (kick-offs
#                        and goals) and results.tga

# One round from the office: "Done" (on an event's placeholder screen the
# same spot is its way back, which leads to the office), then the pop-up's
# "Do A Week / Match Day".
. "$(dirname "${BASH_SOURCE[0]}")/pointer.sh"

match_day_round() { printf '%d click 320 420\n%d click 320 232\n' "$1" $(($1 + 60)); }

match_day() {
  local view=$1 M=$2 seed=${3:-1} H=${4:-} P=6560
  local x
  case $view in 0) x=120 ;; 1) x=320 ;; 2) x=510 ;; *) echo "match_day: no view $view"; return 1 ;; esac
  {
    career_route
    for t in $(seq 3100 400 6300); do match_day_round "$t"; done
    # the pre-match pages come up at tick P
    printf '%d key ScrollLock\n' $((P + 240))
    printf '%d click 320 455\n' $((P + 340))
    printf '%d key ScrollLock\n' $((P + 440))
    printf '%d click 510 455\n' $((P + 540))
    printf '%d key ScrollLock\n' $((P + 640))
    printf '%d click 120 455\n' $((P + 740))
    printf '%d click %d 450\n' $((P + 940)) "$x"
    local h
    for h in $H; do
      pointer_click $((h + 100)) 320 460
      pointer_click $((h + 300)) 320 460
    done
    for k in 1 2 3 4 5 6; do printf '%d click 320 240\n' $((P + M + 1000 + 100 * k)); done
    printf '%d key ScrollLock\n' $((P + M + 1740))
    pointer_click $((P + M + 1800)) 590 456
    # news of the squad that follows the results (how many depends on how the
    # match went)
    for k in 1 2; do printf '%d click 320 240\n' $((P + M + 1940 + 100 * k)); done
    # the looping mode runs on to its next stop: back in the office
    quit_events $((10000 + M))
    echo "$((30000 + M)) close"
  } > script
  GAFFERON_SEED=$seed GAFFERON_CLOCK=virtual GAFFERON_EVENTS=script GAFFERON_GRABS=kickoff,goal \
    "$game" -window -debug general=10 -log
}

match_day_check() {
  local view=$1 made=$2 freed=$3 log=stdout.log
  check() { grep -qF -- "$1" "$log" || { echo "missing in the log: $1"; exit 1; }; }
  check "ContinueGame(): mode 1"
  grep -qE "PlayDayFixtures\(\): day [0-9]+, related [1-9]" "$log" || { echo "no match day of the human club"; exit 1; }
  check "ShowPreMatchPage(): page 0"
  check "ShowPreMatchPage(): page 1"
  check "ShowPreMatchPage(): page 2"
  check "ShowPreMatchPage(): page 5"
  check "ShowPreMatchPage(): view mode $view"
  check "$made"
  check "$freed"
  check 'PlayDayFixtures(): "Results are coming in..."'
  grep -qE "RunDayResultsMenu\(\): [1-9][0-9]* results" "$log" || { echo "no results menu"; exit 1; }
  # after the match day the looping mode played on to a stop (the office, or
  # the negotiation a club's offer for one of the human club's players
  # opened: which one depends on how the match went), and the game was quit
  local after
  after=$(sed -n '/RunDayResultsMenu()/,$p' "$log")
  echo "$after" | grep -qE "PlayDayFixtures\(\): day" || { echo "no day after the match day"; exit 1; }
  echo "$after" | grep -qE "DoMainMenu\(\): option (3|10)$" || { echo "the loop did not stop for the manager"; exit 1; }
  echo "$after" | grep -qF "DoMainMenu(): option -1" || { echo "the game was not quit"; exit 1; }
  # the grabs: three pages, the match's (two kick-offs at least, a goal),
  # the results
  local grabs=(grab*.tga)
  [ "${#grabs[@]}" -ge 7 ] || { echo "only ${#grabs[@]} grabs (three pages, the match's, the results)"; exit 1; }
  grep -qF "(goal, period" "$log" || { echo "no goal was grabbed"; exit 1; }
  mv grab0001.tga lineups.tga
  mv grab0002.tga formation.tga
  mv grab0003.tga opposition.tga
  local last=${grabs[${#grabs[@]}-1]} n=0 f
  mv "$last" results.tga
  for f in grab*.tga; do n=$((n + 1)); mv "$f" "$(printf 'match_%02d.tga' "$n")"; done
  echo "the match's grabs: $n"
}
