// A clean engine for each test: every module's state reset, the virtual clock,
// the headless window back end.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "clubsim/clubsvc.h"
#include "engine/compress.h"
#include "engine/debug.h"
#include "engine/dxdraw.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/onexit.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "support/built_game.h"

// Every module back to its start state, layer by layer, then the virtual
// clock (test set-up, not a reset).
inline void ResetEngine() {
  ResetAllModules();
  // Until pakfile.cpp and clubsvc.cpp register their own resets.
  PakFileReset();
  ClubServices_Reset();
  PlatUseVirtualClock(true);
}

// Death tests match what the dying process wrote on standard error; the
// engine reports on standard output, so send that there too.
inline void StdoutToStderr() {
  std::fflush(stdout);
  dup2(2, 1);
}

#define EXPECT_FATAL(statement, regex) \
  EXPECT_EXIT({ StdoutToStderr(); statement; }, ::testing::ExitedWithCode(1), regex)

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    ResetEngine();
  }
  void TearDown() override { ResetEngine(); }

  // A shown main window (so the application is ready) and a running timer.
  void StartWindowAndTimer() {
    WinInit(nullptr, "Gafferon test", 1);
    InitTimerInterrupt();
  }

  // The built game's two paks (the hard disk's and the CD's, which holds the
  // loading bar's pictures) by their full paths, then the window, timer,
  // display, poll list, mouse and keyboard, as the game opens them for a
  // match; false (nothing opened) when the build has no game data.
  bool StartBuiltGameDisplay() {
    if (!std::filesystem::exists(BuiltGameDir() / "pakfiles" / "hdcommon.pki")) return false;
    PakFileInit();
    PakFileAdd((BuiltGameDir() / "pakfiles" / "hdcommon").string().c_str());
    PakFileAdd((BuiltGameDir() / "cd" / "pakfiles" / "cdcommon").string().c_str());
    PakFileAddDone();
    StartWindowAndTimer();
    DXEnumDisplay();
    GfxInit(0);
    InitPoll();
    InitMouseDriver();
    InitKeyboardInterrupt();
    return true;
  }
};
