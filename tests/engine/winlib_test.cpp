#include "engine/winlib.h"

#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace {

std::vector<int> gSwitches;
void Switch(uint8_t active) { gSwitches.push_back(active); }
void Switch2(uint8_t active) { gSwitches.push_back(10 + active); }

std::vector<std::string> gSeen;
intptr_t PassingHook(WinHandle w, uint32_t m, uintptr_t wp, intptr_t lp) {
  if (m == WM_KEYDOWN) gSeen.push_back("passing");
  return WinPassMessage(w, m, wp, lp);
}
intptr_t EatingHook(WinHandle w, uint32_t m, uintptr_t wp, intptr_t lp) {
  if (m != WM_KEYDOWN) return WinPassMessage(w, m, wp, lp);
  gSeen.push_back("eating");
  return 42;
}
intptr_t LastHook(WinHandle w, uint32_t m, uintptr_t wp, intptr_t lp) {
  if (m != WM_KEYDOWN) return WinPassMessage(w, m, wp, lp);
  gSeen.push_back("last");
  return 7;
}

class WinTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gSwitches.clear();
    gSeen.clear();
    WinInit(nullptr, "Gafferon test", 1);
  }
};

TEST_F(WinTest, ShownWindowIsReady) {
  EXPECT_EQ(WinIsAppReady(), 1);
  EXPECT_EQ(WinIsWindowed(), 1);
  EXPECT_NE(WinGetMainWindow(), nullptr);
}

TEST_F(WinTest, TaskSwitchRunsOnceEachWayAndMarksInactivity) {
  WinAddTaskswitchFunc(Switch);
  WinAddTaskswitchFunc(Switch2);
  // Another application takes the focus and later gives it back.
  PlatPostMessage(WM_KILLFOCUS, 0, 0);
  PlatPostMessage(WM_ACTIVATE, 0, 0);
  PlatPostMessage(WM_ACTIVATE, 1, 0);
  PlatPostMessage(WM_SETFOCUS, 0, 0);
  WinMessageHandler();
  EXPECT_EQ(gSwitches, (std::vector<int>{0, 10, 1, 11}));
  EXPECT_EQ(WinIsAppReady(), 1);
  EXPECT_EQ(WinCheckWasInactive(), 1);
  EXPECT_EQ(WinCheckWasInactive(), 0);

  WinCallTaskswitchFuncs(1);  // an extra "active" is ignored
  EXPECT_EQ(gSwitches.size(), 4u);
  WinRemoveTaskswitchFunc(Switch);
  WinCallTaskswitchFuncs(0);
  EXPECT_EQ(gSwitches.back(), 10);
}

TEST_F(WinTest, HooksPassOnOrStopMessages) {
  WinAddWindowProc(PassingHook);
  uint16_t eating = WinAddWindowProc(EatingHook);
  WinAddWindowProc(LastHook);
  EXPECT_EQ(PlatSendMessage(WM_KEYDOWN, 0, 0), 42);
  EXPECT_EQ(gSeen, (std::vector<std::string>{"passing", "eating"}));

  WinRemoveWindowProc(eating);
  gSeen.clear();
  EXPECT_EQ(PlatSendMessage(WM_KEYDOWN, 0, 0), 7);
  EXPECT_EQ(gSeen, (std::vector<std::string>{"passing", "last"}));

  // Not ready: the hooks are skipped, the window's own handling still runs.
  PlatSendMessage(WM_KILLFOCUS, 0, 0);
  gSeen.clear();
  PlatSendMessage(WM_KEYDOWN, 0, 0);
  EXPECT_TRUE(gSeen.empty());
}

TEST_F(WinTest, CloseRunsTheExitListAndQuitEndsTheProcess) {
  EXPECT_EXIT(
      {
        StdoutToStderr();
        OnExitAddEx(+[] { std::printf("exit list ran\n"); }, "probe");
        PlatPostMessage(WM_CLOSE, 0, 0);
        for (;;) WinMessageHandler();
      },
      testing::ExitedWithCode(1), "exit list ran");
}

TEST_F(WinTest, MisuseAborts) {
  EXPECT_FATAL(WinInit(nullptr, std::string(65, 'x').c_str(), 1), "WinInit\\(\\): AppName too long");
  EXPECT_FATAL(WinRemoveWindowProc(3), "WinRemoveWindowProc\\(\\): no proc to remove");
  EXPECT_FATAL(
      {
        WinAddTaskswitchFunc(Switch);
        WinAddTaskswitchFunc(Switch);
      },
      "WinAddTaskswitchFunc\\(\\): function already added");
  EXPECT_FATAL(WinRemoveTaskswitchFunc(Switch2), "WinRemoveTaskswitchFunc\\(\\): function not found");
}

TEST_F(WinTest, MessageBoxWhileOneShowsReturnsZero) {
  EXPECT_EQ(WinMessageBox("hello", PLAT_MB_OK), 1);
  EXPECT_EQ(WinIsAppReady(), 1);
}

}  // namespace
