// The menu tests' common ground: the build folder, a 640 x 480 screen of the
// headless display with its menu buffer, and the generated hard-disk pak (the
// menu graphics) mounted as the game's only pak.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "engine/dxenum.h"
#include "engine/gfx.h"
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

// A 640 x 480 screen of type 0 (256 colours), 1 (16-bit) or 3 (32-bit) and
// its menu buffer; memory is the caller's to set up.
inline void OpenMenuScreen(int type) {
  WinInit(nullptr, "Gafferon test", 1);
  InitTimerInterrupt();
  InitPoll();
  PlatSetVirtualAutoAdvance(true);
  DXEnumDisplay();
  GfxInit(0);
  const int16_t mode = GfxFindMode(640, 480, type);
  ASSERT_GE(mode, 0);
  SetGraphicMode(mode, 0);
  BufferAllocate();
  ASSERT_NE(MenuBufferPixels(), nullptr);
}

// The generated hard-disk pak, linked into the working folder's pakfiles.
inline void MountGeneratedHdPak() {
  const std::filesystem::path pak = BuildDir() / "game" / "pakfiles";
  std::filesystem::create_directories("pakfiles");
  std::filesystem::create_symlink(pak / "hdcommon.pki", "pakfiles/hdcommon.pki");
  std::filesystem::create_symlink(pak / "hdcommon.pkd", "pakfiles/hdcommon.pkd");
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
}

}  // namespace menutest
