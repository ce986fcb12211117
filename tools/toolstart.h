// The game started without a screen, as the headless tools share it: memory,
// the paks of the data folder, a window that is never shown on a display,
// the tick and the season's seams.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/seam.h"

// The data folder is dataDir, or the folder game/ beside the program when
// empty; the working folder moves there. memory is InitMemory's size. False
// (with a line on stderr naming the tool) when the folder holds no game data.
inline bool StartHeadlessGame(const std::string& dataDir, const char* argv0, const char* tool, int memory) {
  namespace fs = std::filesystem;
  fs::path data = dataDir.empty() ? fs::absolute(argv0).parent_path() / "game" : fs::path(dataDir);
  std::error_code error;
  if (!fs::exists(data / "pakfiles" / "hdcommon.pki", error)) {
    std::fprintf(stderr, "%s: no game data in %s (pakfiles/hdcommon.pki)\n", tool, data.string().c_str());
    return false;
  }
  fs::current_path(data, error);
  if (error) return false;
  PlatUseVirtualClock(true);
  PlatSetVirtualAutoAdvance(true);  // waits for the screen pass virtual time
  InitMemory(memory);
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
  WinInit(nullptr, (std::string("Gafferon ") + tool).c_str(), 1);
  InitTimerInterrupt();
  Seam_ConnectGame();
  return true;
}
