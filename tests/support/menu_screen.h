// The menu tests' common ground: the build folder, a 640 x 480 screen of the
// headless display with its menu buffer, and the generated hard-disk pak (the
// menu graphics) mounted as the game's only pak.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "menus/menupc.h"
#include "platform/platform.h"

namespace menutest {

inline std::filesystem::path BuildDir() {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  return bin != nullptr ? std::filesystem::path(bin)
                        : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

// The display, timer, mouse and keyboard a menu screen opens on, before any
// mode is set.
inline void OpenDisplayForMenus() {
  WinInit(nullptr, "Gafferon test", 1);
  InitTimerInterrupt();
  InitPoll();
  PlatSetVirtualAutoAdvance(true);
  DXEnumDisplay();
  GfxInit(0);
  InitMouseDriver();
  InitKeyboardInterrupt();
}

// A 640 x 480 screen of type 0 (256 colours), 1 (16-bit) or 3 (32-bit) and
// its menu buffer; memory is the caller's to set up.
inline void OpenMenuScreen(int type) {
  OpenDisplayForMenus();
  const int16_t mode = GfxFindMode(640, 480, type);
  ASSERT_GE(mode, 0);
  SetGraphicMode(mode, 0);
  BufferAllocate();
  ASSERT_NE(MenuBufferPixels(), nullptr);
}

// The generated hard-disk pak (and with withCd the CD's, which holds the
// loading bar), linked into the working folder's pakfiles.
inline void MountGeneratedHdPak(bool withCd = false) {
  const std::filesystem::path game = BuildDir() / "game";
  std::filesystem::create_directories("pakfiles");
  for (const char* name : {"hdcommon.pki", "hdcommon.pkd"})
    std::filesystem::create_symlink(game / "pakfiles" / name, std::filesystem::path("pakfiles") / name);
  if (withCd)
    for (const char* name : {"cdcommon.pki", "cdcommon.pkd"})
      std::filesystem::create_symlink(game / "cd" / "pakfiles" / name, std::filesystem::path("pakfiles") / name);
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  if (withCd) PakFileAdd("pakfiles\\cdcommon");
  PakFileAddDone();
}


}  // namespace menutest
