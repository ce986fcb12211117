# Sourced by the tool runs. enter_run_dir RUN GAME makes RUN a working folder
# like the game's own (GAME's paks and its CD folder linked in) and enters it.
enter_run_dir() {
  mkdir -p "$1" && cd "$1"
  ln -s "$2/pakfiles" pakfiles
  ln -s "$2/cd" cd
}
