// The build's generated database served to a benchmark as the game's
// hard-disk pak (stats\totstat.dat and stats\names.dat), written into a
// scratch folder that becomes the working folder.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../tools/toolstart.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/careerrun.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/source_records.h"

namespace benchworld {

namespace fs = std::filesystem;

inline fs::path BinaryDir() {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  return bin != nullptr ? fs::path(bin) : fs::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// The built game's data started headless with a new career (seed 1), for
// the benchmarks that play matches; false (and the benchmark skipped with
// the reason) when the build has no game data or the world cannot start.
inline bool StartHeadlessCareer(benchmark::State& state, const char* tool) {
  const fs::path game = BinaryDir() / "game";
  std::error_code error;
  if (!fs::exists(game / "pakfiles" / "hdcommon.pki", error)) {
    state.SkipWithError("no game data (build the data set first)");
    return false;
  }
  ResetAllModules();
  if (!StartHeadlessGame(game.string(), "", tool, 16000) || Career_StartNew(0, 1, -1) < 0) {
    state.SkipWithError("the world could not be started");
    return false;
  }
  return true;
}

inline std::vector<uint8_t> ReadBuilt(const char* name) {
  std::ifstream in(BinaryDir() / "dataset" / "hd" / "stats" / name, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Mounts the database in the scratch folder `folder` (under the temporary
// folder), which becomes the working folder; false (and the benchmark
// skipped with the reason) when the build made no database.
inline bool MountDatabase(benchmark::State& state, const char* folder) {
  const std::vector<uint8_t> totstat = ReadBuilt("totstat.dat");
  const std::vector<uint8_t> names = ReadBuilt("names.dat");
  if (totstat.size() != static_cast<size_t>(TOTSTAT_SIZE) || names.empty()) {
    state.SkipWithError("no generated database (build the data set, or set GAFFERON_BINARY_DIR)");
    return false;
  }
  const fs::path scratch = fs::temp_directory_path() / folder;
  fs::create_directories(scratch / "pakfiles");
  fs::current_path(scratch);
  std::string error;
  if (!PakWriteFiles("pakfiles/hdcommon", {{"STATS\\TOTSTAT.DAT", totstat}, {"STATS\\NAMES.DAT", names}},
                     PAK_STORE_PLAIN, nullptr, &error)) {
    state.SkipWithError(error.c_str());
    return false;
  }
  if (!MemoryIsInitialised()) InitMemory(9500);
  PakFileReset();
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
  return true;
}

// A new game of the game country from the build's database, with every built
// part connected, played day by day to the day of its first season; false
// (and the benchmark skipped) when it cannot start.
inline bool StartPlayedWorld(benchmark::State& state, const char* folder, int country, int day) {
  ResetAllModules();
  PlatUseVirtualClock(true);
  PlatSetVirtualAutoAdvance(true);        // waits for the screen pass virtual time
  WinInit(nullptr, "Gafferon bench", 1);  // the day loop polls the window
  InitTimerInterrupt();                   // and the news ticker waits for its frames
  if (!MountDatabase(state, folder)) return false;
  Seam_ConnectGame();
  if (Career_StartNew(country, 1, -1) < 0) {
    state.SkipWithError("no new game");
    return false;
  }
  while (DayOfSeason < day) Career_PlayDay();
  return true;
}

// The headless display, timer, poll list, mouse and keyboard that a menu
// screen opens on, under the virtual clock moving on by itself.
inline void OpenHeadlessDisplay() {
  WinInit(nullptr, "Gafferon bench", 1);
  InitTimerInterrupt();
  InitPoll();
  PlatSetVirtualAutoAdvance(true);
  DXEnumDisplay();
  GfxInit(0);
  InitMouseDriver();
  InitKeyboardInterrupt();
}

}  // namespace benchworld
