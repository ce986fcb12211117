# Sourced by the scripted runs. The scripted mouse moves the game's pointer
# by the difference between two script positions, so a pointer the game has
# put somewhere itself (a set of menus opens with it in the middle of the
# screen) no longer sits where the script's does. pointer_click T X Y first
# drives the pointer into the top-left corner (a move to the far corner and
# back, a frame apart, clamps it there whatever it was), then moves it to X, Y
# and clicks there: a menu sees the pointer enter the spot before the click.
pointer_click() {
  local t=$1 x=$2 y=$3
  printf '%d move 639 479\n%d move 0 0\n%d move %d %d\n%d click %d %d\n' \
    "$t" $((t + 10)) $((t + 20)) "$x" "$y" $((t + 40)) "$x" "$y"
}
