# Sourced by the scripted runs that start from a saved career.
#
# saved_career NAME CAREER_ARGS...: the career tool plays one season (England
# unless the arguments say otherwise; CAREER_ARGS choose the club and seed)
# and saves it into ./SaveData as slot 1; the load screen's index lists slot
# 1 as NAME. Stops the script when the tool fails or saves nothing.
saved_career() {
  local name=$1
  shift
  "$GAFFERON_BINARY_DIR/career" --country 0 --seasons 1 --save . --quiet "$@" > career.txt 2>&1 ||
    { echo "the career tool failed: $(tail -3 career.txt)"; exit 1; }
  test -f SaveData/save1 && test -f SaveData/perm1 || { echo "the career tool saved no game"; exit 1; }
  save_index 1 "$name"
}

# save_index SLOT NAME: SaveData/index.dat with one slot in use. The index is
# 11 records of a 50-byte name, a little-endian int32 flag word (1: in use)
# and a 100-byte description.
save_index() {
  local slot
  for slot in 0 1 2 3 4 5 6 7 8 9 10; do
    if [ "$slot" = "$1" ]; then
      printf '%s' "$2"; head -c $((50 - ${#2})) /dev/zero
      printf '\001\000\000\000'
      printf 'Season : 1999/2000'; head -c 82 /dev/zero
    else
      head -c 154 /dev/zero
    fi
  done > SaveData/index.dat
  [ "$(wc -c < SaveData/index.dat)" = 1694 ] || { echo "index.dat has the wrong size"; exit 1; }
}
