# The game's data set: the hard-disk pak pakfiles\hdcommon in the game's
# working folder and the CD pak pakfiles\cdcommon in the folder that stands in
# for the CD, built by pakbuild as part of every build.
#
# Each pak is packed from a staging folder that is made afresh from two parts:
#   data/hd (data/cd)                      source files kept in the repository
#   ${GAFFERON_DATASET_DIR}/hd (cd)        files written by generator tools
# A generated file of the same name replaces the source file.
#
# Adding a generator is one custom command that writes into the generated
# folder, and its output appended to the list of that pak:
#
#   add_custom_command(
#     OUTPUT ${GAFFERON_DATASET_HD_DIR}/stats/names.dat
#     COMMAND namesgen ${CMAKE_SOURCE_DIR}/data/src/names.txt ${GAFFERON_DATASET_HD_DIR}/stats/names.dat
#     DEPENDS namesgen ${CMAKE_SOURCE_DIR}/data/src/names.txt)
#   list(APPEND GAFFERON_DATASET_HD_GENERATED ${GAFFERON_DATASET_HD_DIR}/stats/names.dat)
#
# (generator tools are tools/*.cpp, so each is already a target of its own
# name). Put generators between the two markers below.

# The one seed of the generated data set. Tests that need it read it from the
# environment (GAFFERON_DATASET_SEED, set by tests/CMakeLists.txt); the golden
# digests in tests/golden/ hold for the default.
set(GAFFERON_DATASET_SEED 2000 CACHE STRING "Seed of the generated world database in the game's data set")
if(NOT GAFFERON_DATASET_SEED MATCHES "^[0-9]+$")
  message(FATAL_ERROR "GAFFERON_DATASET_SEED must be a number, not '${GAFFERON_DATASET_SEED}'")
endif()

set(GAFFERON_DATASET_DIR ${CMAKE_BINARY_DIR}/dataset)
set(GAFFERON_DATASET_HD_DIR ${GAFFERON_DATASET_DIR}/hd)
set(GAFFERON_DATASET_CD_DIR ${GAFFERON_DATASET_DIR}/cd)
set(GAFFERON_DATASET_HD_GENERATED)
set(GAFFERON_DATASET_CD_GENERATED)
file(MAKE_DIRECTORY ${GAFFERON_DATASET_HD_DIR} ${GAFFERON_DATASET_CD_DIR})

# ---- generators --------------------------------------------------------------
# The world's source database: clubs, players and surnames, from the seed.
# The seed is written to a file of its own (rewritten only when it changes),
# so a new seed regenerates the world.
set(GAFFERON_DATASET_SEED_FILE ${GAFFERON_DATASET_DIR}/seed.txt)
file(CONFIGURE OUTPUT ${GAFFERON_DATASET_SEED_FILE} CONTENT "${GAFFERON_DATASET_SEED}\n" @ONLY)
add_custom_command(
  OUTPUT ${GAFFERON_DATASET_HD_DIR}/stats/totstat.dat ${GAFFERON_DATASET_HD_DIR}/stats/names.dat
  COMMAND gendata --seed ${GAFFERON_DATASET_SEED} --out ${GAFFERON_DATASET_HD_DIR}
  DEPENDS gendata ${GAFFERON_DATASET_SEED_FILE}
  COMMENT "Generating the world database"
  VERBATIM)
list(APPEND GAFFERON_DATASET_HD_GENERATED ${GAFFERON_DATASET_HD_DIR}/stats/totstat.dat
     ${GAFFERON_DATASET_HD_DIR}/stats/names.dat)
# The menu graphics: icon files, fonts and backgrounds in menugfx. Their
# names come from src/menus/menugfx_files.h, so the command stands for them
# all through a stamp kept beside the pak folders.
set(GAFFERON_MENUGFX_STAMP ${GAFFERON_DATASET_DIR}/menugfx.stamp)
add_custom_command(
  OUTPUT ${GAFFERON_MENUGFX_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GAFFERON_DATASET_HD_DIR}/menugfx
  COMMAND menugfxgen --out ${GAFFERON_DATASET_HD_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${GAFFERON_MENUGFX_STAMP}
  DEPENDS menugfxgen
  COMMENT "Generating the menu graphics"
  VERBATIM)
list(APPEND GAFFERON_DATASET_HD_GENERATED ${GAFFERON_MENUGFX_STAMP})
# The loading bar's images and palette, in the CD pak with the rest of the
# zvdata tree.
add_custom_command(
  OUTPUT ${GAFFERON_DATASET_CD_DIR}/zvdata/loadicon.gfx ${GAFFERON_DATASET_CD_DIR}/zvdata/loadico1.gfx
         ${GAFFERON_DATASET_CD_DIR}/zvdata/loadico1.pal
  COMMAND loadbargen ${GAFFERON_DATASET_CD_DIR}
  DEPENDS loadbargen
  COMMENT "Drawing the loading bar"
  VERBATIM)
list(APPEND GAFFERON_DATASET_CD_GENERATED ${GAFFERON_DATASET_CD_DIR}/zvdata/loadicon.gfx
     ${GAFFERON_DATASET_CD_DIR}/zvdata/loadico1.gfx ${GAFFERON_DATASET_CD_DIR}/zvdata/loadico1.pal)
# The sound banks' samples under sound\ (names from src/generic/gamesound.cpp),
# drawn from the seed; a stamp stands for them all.
set(GAFFERON_SOUND_STAMP ${GAFFERON_DATASET_DIR}/sound.stamp)
add_custom_command(
  OUTPUT ${GAFFERON_SOUND_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GAFFERON_DATASET_HD_DIR}/sound
  COMMAND gensound --seed ${GAFFERON_DATASET_SEED} --out ${GAFFERON_DATASET_HD_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${GAFFERON_SOUND_STAMP}
  DEPENDS gensound ${GAFFERON_DATASET_SEED_FILE}
  COMMENT "Synthesising the sound banks"
  VERBATIM)
list(APPEND GAFFERON_DATASET_HD_GENERATED ${GAFFERON_SOUND_STAMP})
# The menu system's data: the stock tactics and the badge ball with its
# palette.
add_custom_command(
  OUTPUT ${GAFFERON_DATASET_HD_DIR}/tactics/tactics.dat ${GAFFERON_DATASET_HD_DIR}/gfxgen/ball.gfx
         ${GAFFERON_DATASET_HD_DIR}/gfxgen/ball.pal
  COMMAND menudatagen --out ${GAFFERON_DATASET_HD_DIR}
  DEPENDS menudatagen
  COMMENT "Writing the tactics and the badge ball"
  VERBATIM)
list(APPEND GAFFERON_DATASET_HD_GENERATED ${GAFFERON_DATASET_HD_DIR}/tactics/tactics.dat
     ${GAFFERON_DATASET_HD_DIR}/gfxgen/ball.gfx ${GAFFERON_DATASET_HD_DIR}/gfxgen/ball.pal)
# The 3D models: the corner flag with its textures and the player figure, in
# the CD pak's zvdata tree. (The clips live in the hard-disk pak only; a clip
# folder left in the CD tree by an older build goes.)
set(GAFFERON_MODELS_FILES
    ${GAFFERON_DATASET_CD_DIR}/zvdata/d3d/stadium/models/misc/flag/flag.xyz
    ${GAFFERON_DATASET_CD_DIR}/zvdata/d3d/stadium/textures/flagpole.gfx
    ${GAFFERON_DATASET_CD_DIR}/zvdata/d3d/stadium/textures/flag.gfx
    ${GAFFERON_DATASET_CD_DIR}/zvdata/d3d/sskin/models/player/500man.xyz)
add_custom_command(
  OUTPUT ${GAFFERON_MODELS_FILES}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GAFFERON_DATASET_CD_DIR}/zvdata/common/sskin/motions
  COMMAND genmodels --seed ${GAFFERON_DATASET_SEED} --out ${GAFFERON_DATASET_CD_DIR}
  DEPENDS genmodels ${GAFFERON_DATASET_SEED_FILE}
  COMMENT "Building the 3D models"
  VERBATIM)
list(APPEND GAFFERON_DATASET_CD_GENERATED ${GAFFERON_MODELS_FILES})
# The 159 motion-capture clips under zvdata\common\sskin\motions (names
# from src/gamecode/motion.cpp), the same bytes every build; a stamp stands
# for them all.
set(GAFFERON_MOTIONS_STAMP ${GAFFERON_DATASET_DIR}/motions.stamp)
add_custom_command(
  OUTPUT ${GAFFERON_MOTIONS_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GAFFERON_DATASET_HD_DIR}/zvdata/common/sskin/motions
  COMMAND genmotions --out ${GAFFERON_DATASET_HD_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${GAFFERON_MOTIONS_STAMP}
  DEPENDS genmotions
  COMMENT "Generating the motion-capture clips"
  VERBATIM)
list(APPEND GAFFERON_DATASET_HD_GENERATED ${GAFFERON_MOTIONS_STAMP})
# Every file of the 256-colour match that the data set makes (the in-game
# palettes, textures, kits, models and fonts), drawn from the seed; a stamp
# stands for them all. The tree is cleared first so that a file no longer
# made does not linger.
set(GAFFERON_SOFT_STAMP ${GAFFERON_DATASET_DIR}/soft.stamp)
add_custom_command(
  OUTPUT ${GAFFERON_SOFT_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GAFFERON_DATASET_HD_DIR}/palettes/ingame ${GAFFERON_DATASET_HD_DIR}/palettes/kits
          ${GAFFERON_DATASET_HD_DIR}/zvdata/software ${GAFFERON_DATASET_HD_DIR}/miscgfx
  COMMAND gensoft --seed ${GAFFERON_DATASET_SEED} --out ${GAFFERON_DATASET_HD_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${GAFFERON_SOFT_STAMP}
  DEPENDS gensoft ${GAFFERON_DATASET_SEED_FILE}
  COMMENT "Writing the software match's palettes and files"
  VERBATIM)
list(APPEND GAFFERON_DATASET_HD_GENERATED ${GAFFERON_SOFT_STAMP})
# ---- end of generators -------------------------------------------------------

# gafferon_pack(NAME SOURCE_DIR GENERATED_DIR OUT_BASE GENERATED_FILES...)
# Stages SOURCE_DIR and GENERATED_DIR into one folder and packs it to OUT_BASE.
function(gafferon_pack name source_dir generated_dir out_base)
  set(generated ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${source_dir}/*)
  # The list of source files is a file of its own, rewritten only when it
  # changes, so that removing a source file repacks too.
  list(SORT sources)
  string(REPLACE ";" "\n" manifest "${sources};${generated}")
  set(manifest_file ${GAFFERON_DATASET_DIR}/${name}.files)
  file(CONFIGURE OUTPUT ${manifest_file} CONTENT "${manifest}\n" @ONLY)
  set(stage ${GAFFERON_DATASET_DIR}/${name}-stage)
  get_filename_component(out_dir ${out_base} DIRECTORY)
  add_custom_command(
    OUTPUT ${out_base}.pki ${out_base}.pkd
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage} ${out_dir}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${source_dir} ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${generated_dir} ${stage}
    COMMAND $<TARGET_FILE:pakbuild> ${stage} ${out_base}
    DEPENDS pakbuild ${sources} ${generated} ${manifest_file}
    COMMENT "Packing the ${name} pak"
    VERBATIM)
  set(GAFFERON_DATASET_OUTPUTS ${GAFFERON_DATASET_OUTPUTS} ${out_base}.pki ${out_base}.pkd PARENT_SCOPE)
endfunction()

set(GAFFERON_DATASET_OUTPUTS)
gafferon_pack(hdcommon ${CMAKE_SOURCE_DIR}/data/hd ${GAFFERON_DATASET_HD_DIR}
              ${GAFFERON_GAME_DIR}/pakfiles/hdcommon ${GAFFERON_DATASET_HD_GENERATED})
gafferon_pack(cdcommon ${CMAKE_SOURCE_DIR}/data/cd ${GAFFERON_DATASET_CD_DIR}
              ${GAFFERON_CD_DIR}/pakfiles/cdcommon ${GAFFERON_DATASET_CD_GENERATED})
add_custom_target(dataset ALL DEPENDS ${GAFFERON_DATASET_OUTPUTS})
