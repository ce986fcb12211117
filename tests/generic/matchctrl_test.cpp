#include "generic/matchctrl.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/replay.h"
#include "generic/hud.h"
#include "generic/ingmenu.h"
#include "generic/pccamera.h"
#include "render256/swscreen.h"
#include "render256/vidopt.h"
#include "support/engine_fixture.h"

namespace {

// What the controls asked of the outside, in order.
std::vector<std::string> gCalls;
struct Caption {
  int type, a, b;
};
std::vector<Caption> gCaptions;

class MatchCtrlTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    WinInit(nullptr, "Gafferon test", 1);
    InitKeyboardInterrupt();
    gCalls.clear();
    gCaptions.clear();
    MatchCtrlSeams.infoBar = [](int type, int a, int b) { gCaptions.push_back({type, a, b}); };
    MatchCtrlSeams.nextScreenMode = [](int* w, int* h) {
      gCalls.push_back("next mode");
      *w = 800;
      *h = 600;
    };
    MatchCtrlSeams.previousScreenMode = [](int* w, int* h) {
      gCalls.push_back("previous mode");
      *w = 512;
      *h = 384;
    };
    MatchCtrlSeams.screenGrab = [] { gCalls.push_back("grab"); };
    MatchCtrlSeams.replaySlotScreen = [] { gCalls.push_back("replay slots"); };
    InGameMenuSeams.destroyMatchEnvironment = [] { gCalls.push_back("destroy"); };
    InGameMenuSeams.initSetOfMenus = [] { gCalls.push_back("menus on"); };
    InGameMenuSeams.uninitSetOfMenus = [] { gCalls.push_back("menus off"); };
    InGameMenuSeams.createMatchEnvironment = [] { gCalls.push_back("create"); };
    SetMode(2);
  }
  static void SetMode(int mode) { StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, static_cast<int16_t>(mode)); }
  static void SetHuman(int side, bool human) {
    GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = human ? 1 : 0;
  }
  static void Key(int index, bool up) {
    PlatKeyCode code{static_cast<uint8_t>(index & 0x7F), index >= 128};
    PlatSendMessage(up ? WM_KEYUP : WM_KEYDOWN, 0, PlatKeyLParam(code, up));
  }
  // One key pressed and let go, then the frame's key handling.
  static void PressAndRead(int index) {
    Key(index, false);
    Key(index, true);
    UpdateMatchControls(0);
  }
  // The replay bar as the "Watch" views lay it out at 640 x 480.
  static void SetBar() {
    for (int i = 0; i < REPLAY_BAR_TYPES; ++i) HotSpot_Set(110 + 42 * i, 428, 42, 52, REPLAY_BAR_FIRST_HOTSPOT + i);
  }
};

TEST_F(MatchCtrlTest, F1AsksForThePauseMenuInEveryMode) {
  for (int mode : {0, 1, 2}) {
    SetMode(mode);
    MenuRequest = 0;
    PressAndRead(MATCH_KEY_F1);
    EXPECT_EQ(MenuRequest, MENU_REQUEST_PAUSE) << mode;
  }
}

TEST_F(MatchCtrlTest, EscapeStopsAReplayOrElseOpensTheLineUps) {
  for (int mode : {0, 2}) {
    SetMode(mode);
    MenuRequest = 0;
    ReplayPlaying = 1;
    ReplayEndRequest = 0;
    PressAndRead(MATCH_KEY_ESCAPE);
    EXPECT_EQ(ReplayEndRequest, 1) << mode;
    EXPECT_EQ(MenuRequest, 0) << "no menu during a replay, mode " << mode;
    ReplayPlaying = 0;
    ReplayEndRequest = 0;
    PressAndRead(MATCH_KEY_ESCAPE);
    EXPECT_EQ(MenuRequest, MENU_REQUEST_LINE_UPS) << mode;
    EXPECT_EQ(ReplayEndRequest, 0) << mode;
  }
}

TEST_F(MatchCtrlTest, InTheCommentaryAndScannerViewsOnlyF1AndEscapeAct) {
  SetHuman(0, true);
  for (int mode : {0, 1}) {
    SetMode(mode);
    const int16_t scanner = ScannerOn, names = PlayerNamesOn, camera = CurrentCamera;
    const int32_t detail = ModelDetail;
    for (int key : std::initializer_list<int>{MATCH_KEY_F2, MATCH_KEY_F3, MATCH_KEY_F4, MATCH_KEY_F5, MATCH_KEY_F6, MATCH_KEY_F7, MATCH_KEY_F8,
                    MATCH_KEY_F11, MATCH_KEY_F12, MATCH_KEY_1 + 1, MATCH_KEY_SCROLL_LOCK})
      PressAndRead(key);
    EXPECT_EQ(ScannerOn, scanner);
    EXPECT_EQ(PlayerNamesOn, names);
    EXPECT_EQ(ModelDetail, detail);
    EXPECT_EQ(QuickWatch, 0);
    EXPECT_EQ(CurrentCamera, camera);
    EXPECT_EQ(ReplayStartRequest, 0);
    EXPECT_EQ(SubstitutionRequest[0], 0);
    EXPECT_EQ(MenuRequest, 0);
    EXPECT_TRUE(gCaptions.empty()) << mode;
    EXPECT_TRUE(gCalls.empty()) << mode;
  }
}

TEST_F(MatchCtrlTest, TheViewKeysToggleTheirSettingAndSayItInTheStrip) {
  ScreenWidth = 640;
  ScreenHeight = 480;
  struct Row {
    int key;
    int caption;
  };
  const Row rows[] = {
      {MATCH_KEY_F7, INFOBAR_SCANNER}, {MATCH_KEY_F8, INFOBAR_DETAIL},        {MATCH_KEY_F6, INFOBAR_NAMES},
      {MATCH_KEY_F5, INFOBAR_QUICK_WATCH}, {MATCH_KEY_F4, INFOBAR_SCREEN_MODE}, {MATCH_KEY_F3, INFOBAR_SCREEN_MODE},
  };
  ScannerOn = 0;
  PlayerNamesOn = 1;
  ModelDetail = 2;
  for (const Row& r : rows) {
    gCaptions.clear();
    PressAndRead(r.key);
    ASSERT_EQ(gCaptions.size(), 1u) << r.key;
    EXPECT_EQ(gCaptions[0].type, r.caption) << r.key;
  }
  EXPECT_EQ(ScannerOn, 1);
  EXPECT_EQ(PlayerNamesOn, 0);
  EXPECT_EQ(ModelDetail, 0);  // (2 + 1) mod 3
  EXPECT_EQ(QuickWatch, 1);
  // F4 is the next mode, F3 the previous; the strip names the new size.
  EXPECT_EQ(gCalls, (std::vector<std::string>{"next mode", "previous mode"}));
  EXPECT_EQ(gCaptions[0].a, 512);
  EXPECT_EQ(gCaptions[0].b, 384);
  // Quick watch stays as it is during a replay.
  ReplayPlaying = 1;
  gCaptions.clear();
  PressAndRead(MATCH_KEY_F5);
  EXPECT_EQ(QuickWatch, 1);
  EXPECT_TRUE(gCaptions.empty());
}

TEST_F(MatchCtrlTest, F2StartsAnInstantReplayOrStopsTheOneRunning) {
  QuickWatch = 1;
  PressAndRead(MATCH_KEY_F2);
  EXPECT_EQ(ReplayStartRequest, 1);
  EXPECT_EQ(ReplayType, REPLAY_TYPE_PAUSE);
  EXPECT_EQ(replayMode, REPLAY_MODE_INSTANT);
  EXPECT_EQ(QuickWatch, 0);
  ReplayStartRequest = 0;
  ReplayPlaying = 1;
  PressAndRead(MATCH_KEY_F2);
  EXPECT_EQ(ReplayEndRequest, 1);
  EXPECT_EQ(ReplayStartRequest, 0);
}

TEST_F(MatchCtrlTest, F11AndF12ToggleTheHumanSidesSubstitutionRequests) {
  struct Row {
    bool human0, human1;
    int key;
    int side;  // -1: nobody's
  };
  const Row rows[] = {
      {true, true, MATCH_KEY_F11, 0},  {true, true, MATCH_KEY_F12, 1},   {false, true, MATCH_KEY_F11, 1},
      {true, false, MATCH_KEY_F12, 0}, {false, false, MATCH_KEY_F11, -1},
  };
  for (const Row& r : rows) {
    SetHuman(0, r.human0);
    SetHuman(1, r.human1);
    SubstitutionRequest[0] = SubstitutionRequest[1] = 0;
    PressAndRead(r.key);
    for (int side = 0; side < 2; ++side) EXPECT_EQ(SubstitutionRequest[side], side == r.side ? 1 : 0) << r.key;
    if (r.side < 0) continue;
    PressAndRead(r.key);  // again: the request is withdrawn
    EXPECT_EQ(SubstitutionRequest[r.side], 0);
    PressAndRead(r.key);
    ClearPendingSubstitution(r.side);
    EXPECT_EQ(SubstitutionRequest[r.side], 0);
  }
}

TEST_F(MatchCtrlTest, TheReplayBarFocusStaysOnTwelveToNineteen) {
  SetBar();
  ReplayPlaying = 1;
  replayMode = REPLAY_MODE_INSTANT;
  EXPECT_EQ(GetReplayBarFocus(), 12);
  PressAndRead(MATCH_KEY_LEFT);
  EXPECT_EQ(GetReplayBarFocus(), 12);
  int x, y, buttons;
  GetMatchPointer(&x, &y, &buttons);
  EXPECT_EQ(x, 110 + 42 * 1 + 21);  // the centre of hot spot 12
  EXPECT_EQ(y, 428 + 26);
  EXPECT_EQ(buttons, 0);
  for (int i = 0; i < 12; ++i) PressAndRead(MATCH_KEY_RIGHT);
  EXPECT_EQ(GetReplayBarFocus(), 19);
  GetMatchPointer(&x, &y, &buttons);
  EXPECT_EQ(x, 110 + 42 * 8 + 21);
  // An automatic highlight does not take the bar's keys; nor does live play.
  for (int32_t mode : {REPLAY_MODE_AUTOMATIC, REPLAY_MODE_INSTANT}) {
    replayMode = mode;
    ReplayPlaying = mode == REPLAY_MODE_AUTOMATIC;
    PressAndRead(MATCH_KEY_LEFT);
    EXPECT_EQ(GetReplayBarFocus(), 19);
  }
}

TEST_F(MatchCtrlTest, EnterClicksWhereverThePointerIs) {
  SetBar();
  ReplayPlaying = 1;
  replayMode = REPLAY_MODE_INSTANT;
  SetMatchPointer(110 + 42 * 6 + 3, 440, 0);  // on hot spot 17, the focus still on 12
  PressAndRead(MATCH_KEY_ENTER);
  int x, y, buttons;
  GetMatchPointer(&x, &y, &buttons);
  EXPECT_EQ(x, 110 + 42 * 6 + 3);
  EXPECT_EQ(buttons, 1);
  CheckReplayButtons(x, y, buttons);
  EXPECT_EQ(ReplayType, 6);
}

TEST_F(MatchCtrlTest, TheReplayButtonsSelectTheReplayType) {
  SetBar();
  ReplayType = 5;
  CheckReplayButtons(110 + 42 * 9 + 41, 479, 0);  // no click
  EXPECT_EQ(ReplayType, 5);
  CheckReplayButtons(110 + 42 * 9 + 41, 479, 1);
  EXPECT_EQ(ReplayType, 9);
  CheckReplayButtons(109, 440, 1);  // left of the bar
  EXPECT_EQ(ReplayType, 9);
  CheckReplayButtons(110, 428, 1);
  EXPECT_EQ(ReplayType, 0);
  // The countdown: one frame a call, the replay pauses at its last.
  ReplayType = 5;
  SetReplayCountdown(2);
  CheckReplayButtons(0, 0, 0);
  EXPECT_EQ(ReplayType, 5);
  CheckReplayButtons(0, 0, 0);
  EXPECT_EQ(ReplayType, REPLAY_TYPE_PAUSE);
  EXPECT_EQ(GetReplayCountdown(), 0);
}

TEST_F(MatchCtrlTest, TheSlotButtonOpensTheReplaySlotsAndTheReplayPauses) {
  SetBar();
  ReplayPlaying = 1;
  replayMode = REPLAY_MODE_INSTANT;
  MenuRequest = 1;
  CheckReplayButtons(110 + 42 * 8 + 1, 430, 1);
  EXPECT_EQ(gCalls, (std::vector<std::string>{"destroy", "menus on", "replay slots", "menus off", "create"}));
  EXPECT_EQ(ReplayType, REPLAY_TYPE_PAUSE);
  EXPECT_EQ(MenuRequest, 0);
  EXPECT_EQ(ReplayPlaying, 1);
  // Not while a saved replay plays.
  gCalls.clear();
  replayMode = REPLAY_MODE_SAVED;
  OpenReplaySlots();
  EXPECT_TRUE(gCalls.empty());
}

TEST_F(MatchCtrlTest, TheNumberKeysSelectTheirCameras) {
  for (int camera : {2, 0, 3, 1}) {
    PressAndRead(MATCH_KEY_1 + camera);
    EXPECT_EQ(CurrentCamera, camera);
  }
}

TEST_F(MatchCtrlTest, ScrollLockGrabsAndCapsLockKeepsGrabbing) {
  PressAndRead(MATCH_KEY_SCROLL_LOCK);
  UpdateMatchControls(0);
  EXPECT_EQ(gCalls.size(), 1u);  // one grab without Caps Lock
  gCalls.clear();
  Key(MATCH_KEY_CAPS_LOCK, false);
  PressAndRead(MATCH_KEY_SCROLL_LOCK);
  UpdateMatchControls(0);
  UpdateMatchControls(0);
  EXPECT_EQ(gCalls.size(), 3u);
  Key(MATCH_KEY_CAPS_LOCK, true);
  UpdateMatchControls(0);
  UpdateMatchControls(0);
  EXPECT_EQ(gCalls.size(), 3u);
}

TEST_F(MatchCtrlTest, ThePointerStaysOnTheScreen) {
  SetMode(1);
  SetMatchPointer(700, -5, 1);
  UpdateMatchMouse();  // no mouse driver: no movement, no buttons
  int x, y, buttons;
  GetMatchPointer(&x, &y, &buttons);
  EXPECT_EQ(x, 640 - 12);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(buttons, 0);
  SetMode(2);  // the software "Watch" screen
  ScreenWidth = 512;
  ScreenHeight = 384;
  SetMatchPointer(600, 600, 0);
  UpdateMatchMouse();
  GetMatchPointer(&x, &y, &buttons);
  EXPECT_EQ(x, 500);
  EXPECT_EQ(y, 372);
}

TEST_F(MatchCtrlTest, TheControllersReadTheirKeyboardLayouts) {
  EXPECT_EQ(ControllerDirection(0, -1), 0);
  EXPECT_EQ(ControllerDirection(1, -1), 1);
  EXPECT_EQ(ControllerDirection(1, 1), 3);
  EXPECT_EQ(ControllerDirection(-1, 0), 6);
  EXPECT_EQ(ControllerDirection(0, 0), CONTROLLER_NO_DIRECTION);
  Key(MATCH_KEY_UP, false);
  Key(MATCH_KEY_RIGHT, false);
  Key(32, false);  // D: the second controller right
  Key(42, false);  // left Shift: its second button
  UpdateMatchControls(0);
  EXPECT_EQ(GetMatchController(0).direction, 1);
  EXPECT_EQ(GetMatchController(0).lastDirection, CONTROLLER_NO_DIRECTION);
  EXPECT_EQ(GetMatchController(1).direction, 2);
  EXPECT_EQ(GetMatchController(1).buttons, 2);
  Key(MATCH_KEY_UP, true);
  UpdateMatchControls(0);
  EXPECT_EQ(GetMatchController(0).direction, 2);
  EXPECT_EQ(GetMatchController(0).lastDirection, 1);
}

TEST_F(MatchCtrlTest, TheTopOfTheReplayBarIsTheGraphicsHeightUpFromTheBottom) {
  ScreenHeight = 600;
  EXPECT_EQ(FindTopOfReplayBar(), 600 - 52);
  SetMode(1);
  EXPECT_FATAL(FindTopOfReplayBar(), "Error: default case hit in FindTopOfReplayBar\\(\\)");
}

TEST_F(MatchCtrlTest, TheClockScalesEachPeriodToItsLength) {
  struct Row {
    int period;
    int32_t frames, length;
    int32_t seconds;
  };
  const Row rows[] = {
      {0, 0, 9000, 0},          {0, 4500, 9000, 1350},     {1, 9000, 9000, 90 * 60},
      {2, 1000, 2000, 97 * 60 + 30}, {3, 2000, 2000, 120 * 60}, {4, 5, 2000, 120 * 60},
      {1, 500, 0, 45 * 60},     {3, 500, 0, 105 * 60},
  };
  for (const Row& r : rows) {
    period = static_cast<int8_t>(r.period);
    PeriodFrames = r.frames;
    PeriodLengthFrames = r.length;
    EXPECT_EQ(GetMatchTimeSeconds(), r.seconds) << r.period << " " << r.frames << "/" << r.length;
  }
}

TEST_F(MatchCtrlTest, TheSeventeenthGroundEffectOverwritesTheFirst) {
  for (int i = 0; i < EFFECT_QUEUE_SIZE; ++i) EXPECT_FALSE(EffectQueue_Get(i)->active) << i;
  for (int i = 0; i < EFFECT_QUEUE_SIZE + 1; ++i) EffectQueue_Add(100 + i, 200 - i, 1.2f, 128, GROUND_EFFECT_TACKLE);
  EXPECT_EQ(EffectQueue_Get(0)->x, 100 + EFFECT_QUEUE_SIZE);
  EXPECT_EQ(EffectQueue_Get(0)->y, 200 - EFFECT_QUEUE_SIZE);
  EXPECT_EQ(EffectQueue_Get(1)->x, 101);
  EXPECT_EQ(EffectQueue_Get(1)->kind, GROUND_EFFECT_TACKLE);
  EXPECT_FLOAT_EQ(EffectQueue_Get(1)->angle, 3.14159265f);
  EXPECT_EQ(EffectQueue_Get(-1), nullptr);
  EXPECT_EQ(EffectQueue_Get(EFFECT_QUEUE_SIZE), nullptr);
  EffectQueue_Clear();
  for (int i = 0; i < EFFECT_QUEUE_SIZE; ++i) EXPECT_FALSE(EffectQueue_Get(i)->active) << i;
  EffectQueue_Add(1, 2, 1.0f, 0, GROUND_EFFECT_BODY);
  EXPECT_TRUE(EffectQueue_Get(0)->active);  // after a clear the ring starts again at 0
}

TEST_F(MatchCtrlTest, PlayersAreSortedFarthestFirstFromTheCamerasReference) {
  for (int i = 0; i < MATCH_OBJECTS; ++i) {
    RenderObjects[i].x = 800.0f;
    RenderObjects[i].y = 1000.0f + 10.0f * i;
  }
  focusObject = 5;
  const int16_t* order = SortPlayersByDistance();
  EXPECT_EQ(order[0], 31);   // 260 units along
  EXPECT_EQ(order[31], 5);   // the reference itself
  EXPECT_EQ(order[30] == 4 || order[30] == 6, true);
  // A goalkeeper with the ball in his hands is the reference.
  keeperHolder = 30 + 1;
  order = SortPlayersByDistance();
  EXPECT_EQ(order[0], 0);
  EXPECT_EQ(order[31], 30);
  // Fractions round to whole units: 0.4 away is as near as the reference.
  keeperHolder = 0;
  focusObject = 0;
  RenderObjects[1].y = RenderObjects[0].y + 0.4f;
  order = SortPlayersByDistance();
  EXPECT_EQ(order[30], 0);  // equal distances keep their index order
  EXPECT_EQ(order[31], 1);
}

}  // namespace
