// Full draws of the menu interpreter's showcase screen per second at
// 640 x 480, in 16-bit and in 256 colours: an initialising pass (the
// background picture, every item, the background saved at the mark) and a
// redraw pass of mode 0 (the background put back at the mark, the dynamic
// items drawn again). Runs on the headless display from the game's folder
// (build/game), with the paks the build made.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_world.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "menus/exmenu.h"
#include "menus/exmenu_demo.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "platform/platform.h"

namespace {

// The menu system open on the showcase's folder, once per depth.
void OpenMenus(bool menu256) {
  ResetAllModules();
  PlatUseVirtualClock(true);
  const std::filesystem::path game =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "game";
  std::filesystem::current_path(game);
  InitMemory(9500);
  benchworld::OpenHeadlessDisplay();
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAdd("cd\\pakfiles\\cdcommon");
  PakFileAddDone();
  Menu256Mode = menu256 ? 1 : 0;
  InitSetOfMenus();
  SetMenuSystemRunning(true);
}

void CloseMenus() {
  SetMenuSystemRunning(false);
  UninitSetOfMenus();
  ResetAllModules();
}

void BM_ShowcaseDraw(benchmark::State& state) {
  const bool menu256 = state.range(0) != 0;
  const bool initialise = state.range(1) != 0;
  OpenMenus(menu256);
  SetMenuEvent(MENU_EVENT_INIT);
  DrawMenuPass(ShowcaseMenu, 0);  // the background is cached, the mark saved
  for (auto _ : state) {
    SetMenuEvent(initialise ? MENU_EVENT_INIT : MENU_EVENT_DRAW);
    DrawMenuPass(ShowcaseMenu, 0);
    benchmark::DoNotOptimize(MenuBufferPixels()[0]);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(std::string(menu256 ? "256 colours" : "16-bit") + (initialise ? ", initialising" : ", redraw"));
  CloseMenus();
}
BENCHMARK(BM_ShowcaseDraw)->Args({0, 1})->Args({0, 0})->Args({1, 1})->Args({1, 0})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
