# Sourced by the scripted runs. make_workdir DIR makes DIR a fresh working
# folder for the game and enters it: the build's data set is linked in
# (pakfiles\hdcommon) and the CD folder is the build's (pakfiles\cdcommon).
make_workdir() {
  rm -rf "$1" && mkdir -p "$1" && cd "$1"
  ln -s "$GAFFERON_BINARY_DIR/game/pakfiles" pakfiles
  export GAFFERON_CD="$GAFFERON_BINARY_DIR/game/cd"
}
