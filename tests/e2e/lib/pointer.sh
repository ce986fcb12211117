# Sourced by the scripted runs. The scripted mouse moves the game's pointer
# by the difference between two script positions, so a pointer the game has
# put somewhere itself (a set of menus opens with it in the middle of the
# screen) no longer sits where the script's does.
#   pointer_move T X Y   drives the pointer into the top-left corner (a move to
#                        the far corner and back, a frame apart, clamps it
#                        there whatever it was), then moves it to X, Y
#   pointer_click T X Y  the same, and a click there at T + 40: a menu sees the
#                        pointer enter the spot before the click
pointer_move() {
  local t=$1 x=$2 y=$3
  printf '%d move 639 479\n%d move 0 0\n%d move %d %d\n' "$t" $((t + 10)) $((t + 20)) "$x" "$y"
}
pointer_click() {
  pointer_move "$@"
  printf '%d click %d %d\n' $(($1 + 40)) "$2" "$3"
}
