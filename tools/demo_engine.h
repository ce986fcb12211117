// Start-up and shutdown shared by the demo tools: the SDL back end, then the
// engine's services in the game's own order (memory, window, mouse, video,
// paks, timer, poll list, keyboard), and back again in reverse.
#pragma once

#include <strings.h>

#include <cstdint>
#include <cstdio>

#include "engine/debug.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/startup.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "render256/vidopt.h"

struct DemoEngine {
  const PlatBackend* backend = nullptr;
  bool windowed = true;
  bool paks = false;
};

// "-fullscreen" and "-debug SETTING" from the command line; every other
// argument is the tool's own.
inline bool DemoCommandLine(int argc, char** argv, DemoEngine* demo) {
  for (int i = 1; i < argc; ++i) {
    if (strcasecmp(argv[i], "-fullscreen") == 0) demo->windowed = false;
    if (strcasecmp(argv[i], "-debug") == 0 && i + 1 < argc) DebugProcessDebugString(argv[++i]);
  }
  demo->backend = SdlBackendStart();
  if (!demo->backend) return false;
  PlatSetBackend(demo->backend);
  PlatInstallSignalHandlers();
  return true;
}

// The game's paks: hdcommon from the working folder, cdcommon from the CD.
inline void DemoMountPaks() {
  char cdPak[64];
  std::snprintf(cdPak, sizeof cdPak, "%c:\\pakfiles\\cdcommon", GetCDDrive());
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAdd(cdPak);
  PakFileAddDone();
}

inline void DemoEngineStart(DemoEngine* demo, const char* title, uint32_t memoryKb, int no3d, bool paks) {
  InitMemory(memoryKb);
  WinInit(nullptr, title, demo->windowed ? 1 : 0);
  InitMouseDriver();
  VideoInit(no3d);
  demo->paks = paks;
  if (paks) DemoMountPaks();
  InitTimerInterrupt();
  InitPoll();
  InitKeyboardInterrupt();
}

inline int DemoEngineStop(DemoEngine* demo) {
  ClearKeyboardInterrupt();
  UninitPoll();
  ClearTimerInterrupt();
  if (demo->paks) PakFileUninit();
  VideoUninit();
  UninitMouseDriver();
  WinUninit();
  UninitMemory();
  demo->backend->shutdown();
  return 0;
}
