// The kit and skin textures of one match: every part for the 35 people of two
// sides, from the built data set's hard-disk pak (build/game/pakfiles), each
// load from empty texture tables.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "generic/kitload.h"
#include "menus/kittab.h"
#include "render256/textures.h"

namespace {

std::filesystem::path Pak() {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  const std::filesystem::path dir =
      bin != nullptr ? std::filesystem::path(bin) : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
  return dir / "game" / "pakfiles" / "hdcommon";
}

// A watched match of two sides of varied looks, numbered 1-16.
void SetUpMatch() {
  uint8_t* setup = GetMatchSetupRecord();
  StoreI16(setup + SETUP_DISPLAY_MODE, 2);
  std::memcpy(setup + MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_KIT, KitHomeDesigns[10].bytes, KIT_DESIGN_SIZE);
  std::memcpy(setup + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_KIT, KitAwayDesigns[99].bytes, KIT_DESIGN_SIZE);
  for (int object = 0; object < 32; ++object) {
    uint8_t* entry = setup + SetupPlayerOffset(object / 16, object % 16);
    StoreI16(entry + SETUP_PLAYER_LOOK1, static_cast<uint16_t>(object % 7));
    StoreI16(entry + SETUP_PLAYER_LOOK2, static_cast<uint16_t>(object / 3 % 4));
    StoreI16(entry + SETUP_PLAYER_LOOK3, static_cast<uint16_t>(object / 2 % 8));
    StoreI16(entry + SETUP_PLAYER_SHIRT, static_cast<uint16_t>(object % 16 + 1));
  }
}

void BM_MatchKitTextures(benchmark::State& state) {
  ResetAllModules();
  InitMemory(9500);
  PakFileInit();
  PakFileAdd(Pak().string().c_str());
  PakFileAddDone();
  SetUpMatch();
  int textures = 0;
  for (auto _ : state) {
    FreeTextures();
    KITPLR_ResetTextures();
    KIT_LoadTextures();
    textures = 0;
    while (TEXT_GetTexture(textures) != nullptr) ++textures;
  }
  state.counters["textures"] = textures;
  FreeTextures();
  PakFileUninit();
}
BENCHMARK(BM_MatchKitTextures)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
