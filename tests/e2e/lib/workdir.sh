# Sourced by the scripted runs. make_workdir DIR [GAME] makes DIR a fresh
# working folder for the game and enters it: the data set of GAME (the game
# folder, by default the build's) is linked in (pakfiles\hdcommon) and the CD
# folder is GAME's (pakfiles\cdcommon).
make_workdir() {
  local game=${2:-$GAFFERON_BINARY_DIR/game}
  rm -rf "$1" && mkdir -p "$1" && cd "$1"
  ln -s "$game/pakfiles" pakfiles
  export GAFFERON_CD="$game/cd"
}
