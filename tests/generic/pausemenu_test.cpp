// The Pause menu, the in-match Options menu and the shoot-out taker order
// screen: their callbacks driven with GN messages, and each menu once in the
// real GN loop under an event script.
#include "generic/pausemenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/bytes.h"
#include "engine/poll.h"
#include "gamecode/highlight.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/teamops.h"
#include "generic/gamesound.h"
#include "generic/ingmenu.h"
#include "generic/pccamera.h"
#include "menus/gnlayer.h"
#include "menus/gnmap.h"
#include "menus/machine.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "platform/platform.h"
#include "render256/vidopt.h"
#include "season/playfix.h"
#include "support/engine_fixture.h"

namespace {

// A message as the GN loop sends it to a region of the map.
int16_t Send(int16_t (*callback)(const GNMessage*), int16_t code, int16_t region, int pointerX = 0, int w = 0) {
  GNMessage m{};
  m.code = code;
  m.regionId = region;
  m.w = static_cast<int16_t>(w);
  m.pointerX = static_cast<int16_t>(pointerX);
  return callback(&m);
}

int16_t Pause(int16_t code, PauseButton button) {
  return Send(PauseMenu_Callback, code, static_cast<int16_t>(PAUSE_FIRST_REGION + button));
}
int16_t Options(int16_t code, OptionsControl control, int pointerX = 0, int w = 0) {
  return Send(OptionsMenu_Callback, code, static_cast<int16_t>(OPTIONS_FIRST_REGION + control), pointerX, w);
}
int16_t ShootOut(int16_t code, int region) {
  return Send(ShootOutScreen_Callback, code, static_cast<int16_t>(region));
}

void SetDisplayMode(int16_t mode) { StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, mode); }

// The region ids of a map's clickable items, as the walker gives them.
std::vector<int16_t> CallbackRegions(const GNDisplayItem* map) {
  int16_t id = -1;
  std::vector<int16_t> ids;
  for (const GNDisplayItem* item = map; item->type != GN_ITEM_END; ++item) {
    if (item->type == GN_ITEM_REGION_ID) id = static_cast<int16_t>(item->data.value);
    if (item->callback) ids.push_back(id);
  }
  return ids;
}

// ---- the Pause menu's callbacks ----

class PauseMenuTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InGameMenuCode = INGAME_MENU_PAUSE;
  }
};

TEST_F(PauseMenuTest, OutsideWatchTheHighlightAndOptionsGroupsAreGreyAndInert) {
  for (int16_t mode : {int16_t{0}, int16_t{1}}) {
    SCOPED_TRACE(mode);
    SetDisplayMode(mode);
    ShowGoalHighlights = 0;
    ShowAttemptHighlights = 1;
    InGameMenuCode = INGAME_MENU_PAUSE;
    PauseMenu_Refresh();
    EXPECT_EQ(PauseMenuShown.disable[PAUSE_GROUP_HIGHLIGHTS], MENU_GROUP_DISABLED);
    EXPECT_EQ(PauseMenuShown.disable[PAUSE_GROUP_OPTIONS], MENU_GROUP_DISABLED);
    EXPECT_EQ(PauseMenuShown.disable[PAUSE_GROUP_PLAY_MODE], MENU_GROUP_ENABLED);
    for (PauseButton b : {PAUSE_GOALS, PAUSE_ATTEMPTS, PAUSE_VIDEO_OPTIONS, PAUSE_OPTIONS}) {
      for (int16_t code : {GN_MSG_ENTER, GN_MSG_PRESS, GN_MSG_RELEASE, GN_MSG_LEAVE})
        EXPECT_EQ(Pause(code, b), GN_RESULT_HANDLED) << b << " " << code;
      EXPECT_EQ(PauseMenuShown.hover[b], MENU_HOVER_OFF) << b;
    }
    EXPECT_EQ(ShowGoalHighlights, 0);
    EXPECT_EQ(ShowAttemptHighlights, 1);
    EXPECT_EQ(InGameMenuCode, INGAME_MENU_PAUSE);
  }
}

TEST_F(PauseMenuTest, InWatchTheHighlightsToggleAndTheOptionsButtonsNameTheNextMenu) {
  SetDisplayMode(2);
  ShowGoalHighlights = 0;
  ShowAttemptHighlights = 0;
  PauseMenu_Refresh();
  EXPECT_EQ(PauseMenuShown.disable[PAUSE_GROUP_HIGHLIGHTS], MENU_GROUP_ENABLED);
  EXPECT_EQ(PauseMenuShown.disable[PAUSE_GROUP_OPTIONS], MENU_GROUP_ENABLED);
  EXPECT_EQ(PauseMenuShown.mark[PAUSE_GOALS], MENU_MARK_OFF);

  // The press does nothing; the click toggles and the menu stays open.
  EXPECT_EQ(Pause(GN_MSG_PRESS, PAUSE_GOALS), GN_RESULT_HANDLED);
  EXPECT_EQ(ShowGoalHighlights, 0);
  EXPECT_EQ(Pause(GN_MSG_RELEASE, PAUSE_GOALS), GN_RESULT_REDRAW);
  EXPECT_EQ(Pause(GN_MSG_RELEASE, PAUSE_ATTEMPTS), GN_RESULT_REDRAW);
  PauseMenu_Refresh();
  EXPECT_EQ(ShowGoalHighlights, 1);
  EXPECT_EQ(ShowAttemptHighlights, 1);
  EXPECT_EQ(PauseMenuShown.mark[PAUSE_GOALS], MENU_MARK_ON);
  EXPECT_EQ(PauseMenuShown.mark[PAUSE_ATTEMPTS], MENU_MARK_ON);
  EXPECT_EQ(Pause(GN_MSG_RELEASE, PAUSE_GOALS), GN_RESULT_REDRAW);
  EXPECT_EQ(ShowGoalHighlights, 0);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_PAUSE);

  EXPECT_EQ(Pause(GN_MSG_RELEASE, PAUSE_VIDEO_OPTIONS), GN_RESULT_LEAVE);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_VIDEO_OPTIONS);
  EXPECT_EQ(Pause(GN_MSG_RELEASE, PAUSE_OPTIONS), GN_RESULT_LEAVE);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_OPTIONS);
  EXPECT_EQ(PauseMenu_DisplayMode(), 2);
}

TEST_F(PauseMenuTest, EveryPlayModeButtonLeavesInEveryMode) {
  const std::pair<PauseButton, int16_t> buttons[] = {{PAUSE_COMMENTARY, 0}, {PAUSE_SCANNER, 1}, {PAUSE_WATCH, 2}};
  for (int16_t mode = 0; mode <= 2; ++mode) {
    for (const auto& [button, newMode] : buttons) {
      SCOPED_TRACE(std::to_string(mode) + " -> " + std::to_string(newMode));
      SetDisplayMode(mode);
      MatchViewMode = mode;
      InGameMenuCode = INGAME_MENU_PAUSE;
      PauseMenu_Refresh();
      EXPECT_EQ(PauseMenuShown.mark[PAUSE_COMMENTARY + mode], MENU_MARK_ON);
      EXPECT_EQ(Pause(GN_MSG_RELEASE, button), GN_RESULT_LEAVE);
      EXPECT_EQ(InGameMenuCode, INGAME_MENU_LEAVE);
      EXPECT_EQ(PauseMenu_DisplayMode(), newMode);
      EXPECT_EQ(MatchViewMode, newMode);
    }
  }
}

TEST_F(PauseMenuTest, ResumeGameLeavesTheModeAsItWas) {
  for (int16_t mode = 0; mode <= 2; ++mode) {
    SetDisplayMode(mode);
    InGameMenuCode = INGAME_MENU_PAUSE;
    PauseMenu_Refresh();
    EXPECT_EQ(Pause(GN_MSG_RELEASE, PAUSE_RESUME), GN_RESULT_LEAVE);
    EXPECT_EQ(InGameMenuCode, INGAME_MENU_LEAVE);
    EXPECT_EQ(PauseMenu_DisplayMode(), mode);
  }
}

TEST_F(PauseMenuTest, TheHoverWordFollowsThePointer) {
  SetDisplayMode(0);
  PauseMenu_Refresh();
  EXPECT_EQ(Pause(GN_MSG_ENTER, PAUSE_RESUME), GN_RESULT_REDRAW);
  EXPECT_EQ(PauseMenuShown.hover[PAUSE_RESUME], MENU_HOVER_ON);
  EXPECT_EQ(Pause(GN_MSG_LEAVE, PAUSE_RESUME), GN_RESULT_REDRAW);
  EXPECT_EQ(PauseMenuShown.hover[PAUSE_RESUME], MENU_HOVER_OFF);
  EXPECT_EQ(Send(PauseMenu_Callback, GN_MSG_RELEASE, 7), GN_RESULT_HANDLED);  // not a button of the menu
}

TEST(PauseMenuMaps, EveryClickableItemHasARegionOfItsOwn) {
  struct Case {
    const char* name;
    const GNDisplayItem* map;
    size_t regions;
  };
  const Case cases[] = {{"Pause", PauseMenuMap(), PAUSE_BUTTONS},
                        {"Options", OptionsMenuMap(), OPTIONS_CONTROLS},
                        // Ten rows, four column heads, "Done".
                        {"Takers", ShootOutScreenMap(), SHOOTOUT_ROWS + SHOOTOUT_COLUMNS + 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<int16_t> ids = CallbackRegions(c.map);
    EXPECT_EQ(ids.size(), c.regions);
    EXPECT_EQ(std::set<int16_t>(ids.begin(), ids.end()).size(), ids.size());
  }
}

// ---- the Options menu's callbacks ----

using OptionsMenuTest = PauseMenuTest;

TEST_F(OptionsMenuTest, EachControlCyclesThroughItsValues) {
  Camera_ResetAll();
  CameraView = 0;
  Cameras[0].viewType = 0;
  const char* const views[] = {"North camera view", "South camera view", "West camera view", "East camera view"};
  for (const char* view : views) {
    EXPECT_EQ(Options(GN_MSG_RELEASE, OPTIONS_CAMERA), GN_RESULT_REDRAW);
    OptionsMenu_Refresh();
    EXPECT_STREQ(OptionsMenuShown.value[OPTIONS_CAMERA], view);
  }
  EXPECT_EQ(Cameras[0].viewType, 0);
  EXPECT_EQ(CameraView, 0);
  // The current camera is the one that changes, and the stored view with it:
  // the match display is rebuilt on camera 0 after the menus.
  CurrentCamera = 2;
  Cameras[2].viewType = 2;
  Options(GN_MSG_RELEASE, OPTIONS_CAMERA);
  EXPECT_EQ(Cameras[2].viewType, 3);
  EXPECT_EQ(InGame_GetCameraViewType(), 3);
  EXPECT_EQ(CameraView, 3);
  Camera_ResetAll();
  EXPECT_EQ(InGame_GetCameraViewType(), 3);
  CurrentCamera = 0;

  ModelDetail = 0;
  const char* const details[] = {"Medium", "High", "Low"};
  for (const char* detail : details) {
    Options(GN_MSG_RELEASE, OPTIONS_MODEL_DETAIL);
    OptionsMenu_Refresh();
    EXPECT_STREQ(OptionsMenuShown.value[OPTIONS_MODEL_DETAIL], detail);
  }
  EXPECT_EQ(ModelDetail, 0);
  ModelDetail = 7;  // a damaged options file: back to the start of the cycle
  Options(GN_MSG_RELEASE, OPTIONS_MODEL_DETAIL);
  EXPECT_EQ(ModelDetail, 0);

  ScannerOn = 0;
  PlayerNamesOn = 1;
  Options(GN_MSG_RELEASE, OPTIONS_SCANNER);
  Options(GN_MSG_RELEASE, OPTIONS_PLAYER_NAMES);
  OptionsMenu_Refresh();
  EXPECT_EQ(ScannerOn, 1);
  EXPECT_EQ(PlayerNamesOn, 0);
  EXPECT_STREQ(OptionsMenuShown.value[OPTIONS_SCANNER], "On");
  EXPECT_STREQ(OptionsMenuShown.value[OPTIONS_PLAYER_NAMES], "Off");
  Options(GN_MSG_RELEASE, OPTIONS_SCANNER);
  EXPECT_EQ(ScannerOn, 0);

  // Only the click acts.
  EXPECT_EQ(Options(GN_MSG_PRESS, OPTIONS_SCANNER), GN_RESULT_HANDLED);
  EXPECT_EQ(ScannerOn, 0);
}

TEST(OptionsSlider, TheValueIsElevenStepsAcrossTheSliderKeptWithinNoughtToTen) {
  const struct {
    int x, width, value;
  } cases[] = {{0, 176, 0},  {15, 176, 0},  {16, 176, 1},    {88, 176, 5}, {160, 176, 10},
               {175, 176, 10}, {-4, 176, 0}, {400, 176, 10}, {50, 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(OptionsSliderValue(c.x, c.width), c.value) << c.x << " of " << c.width;
}

TEST_F(OptionsMenuTest, TheSlidersSetTheirVolumesFromTheirEnds) {
  const std::pair<OptionsControl, int16_t*> sliders[] = {
      {OPTIONS_CROWD_VOLUME, &CrowdVolume}, {OPTIONS_SFX_VOLUME, &EffectsVolume}, {OPTIONS_MUSIC_VOLUME, &MenuVolume}};
  for (int s = 0; s < OPTIONS_SLIDERS; ++s) {
    const auto [control, volume] = sliders[s];
    SCOPED_TRACE(control);
    EXPECT_EQ(Options(GN_MSG_RELEASE, control, 0, OPTIONS_SLIDER_WIDTH), GN_RESULT_REDRAW);
    EXPECT_EQ(*volume, 0);
    OptionsMenu_Refresh();
    EXPECT_STREQ(OptionsMenuShown.volumeText[s], "0%");
    Options(GN_MSG_RELEASE, control, OPTIONS_SLIDER_WIDTH - 1, OPTIONS_SLIDER_WIDTH);
    EXPECT_EQ(*volume, 10);
    OptionsMenu_Refresh();
    EXPECT_STREQ(OptionsMenuShown.volumeText[s], "100%");
  }
}

TEST_F(OptionsMenuTest, DoneGoesBackToPause) {
  InGameMenuCode = INGAME_MENU_OPTIONS;
  EXPECT_EQ(Options(GN_MSG_RELEASE, OPTIONS_DONE), GN_RESULT_LEAVE);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_PAUSE);
}

// ---- the shoot-out takers ----

class ShootOutTest : public EngineTest {
 protected:
  // Side `side` in squad order with every player at his own position, the
  // first eleven on the pitch; player p's skills are `skill(p)` for all three.
  static void PutSide(int side, int (*skill)(int)) {
    for (int p = 0; p < SIDE_OBJECTS; ++p) {
      const int object = side * SIDE_OBJECTS + p;
      SideSlots[side][p] = static_cast<int16_t>(object);
      MatchObject& o = MatchObjects[object];
      o = MatchObject{};
      std::snprintf(o.name, sizeof o.name, "Player%d", p);
      o.offPitch = p <= 10 ? 0 : 1;
      o.attr[SKILL_SHOOTING] = o.attr[SKILL_COMPOSURE] = o.attr[SKILL_DEADBALL] = static_cast<uint8_t>(skill(p));
      // Keeper, four defenders, four midfielders, two attackers.
      const int code = p == 0 ? 0 : p <= 4 ? 2 : p <= 8 ? 6 : 11;
      StoreI16(GetMatchSetupRecord() + SetupPlayerOffset(side, p) + SETUP_PLAYER_POSITION, code);
    }
  }
  static void SetHuman(int side, bool human) {
    GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = human ? 1 : 0;
  }
  static std::vector<int> Order(const int16_t* order) { return std::vector<int>(order, order + SHOOTOUT_ROWS); }
};

TEST_F(ShootOutTest, TheTakersAreThePlayersOnThePitchByPositionWithEmptyRowsLast) {
  PutSide(1, [](int p) { return 40 + p; });
  // Player 3 sent off, player 7 taken off for substitute 13 (who takes his position).
  MatchObjects[16 + 3].offPitch = 1;
  MatchObjects[16 + 7].offPitch = 1;
  MatchObjects[16 + 13].offPitch = 0;
  std::swap(SideSlots[1][7], SideSlots[1][13]);
  StoreI16(GetMatchSetupRecord() + SetupPlayerOffset(1, 13) + SETUP_PLAYER_POSITION, 99);  // no known position
  ShootOutTakerList list;
  ShootOut_CollectTakers(1, &list);
  const int players[SHOOTOUT_ROWS] = {17, 18, 20, 21, 22, 29, 24, 25, 26, -1};
  const int icons[SHOOTOUT_ROWS] = {7, 7, 7, 8, 8, 0, 8, 9, 9, 0};
  for (int r = 0; r < SHOOTOUT_ROWS; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(list.row[r].player, players[r]);
    EXPECT_EQ(list.row[r].icon, icons[r]);
  }
  EXPECT_STREQ(list.row[0].name, "Player1");
  EXPECT_EQ(list.row[5].skill[SHOOTOUT_SHOOTING], 53);
  EXPECT_STREQ(list.row[9].name, "");
  // A side outside 0-1 has nobody.
  ShootOut_CollectTakers(2, &list);
  for (const ShootOutTaker& t : list.row) EXPECT_EQ(t.player, -1);
}

// A list from {player, shooting, composure, dead ball} rows; the rest empty.
ShootOutTakerList ListOf(const std::vector<std::vector<int>>& rows) {
  ShootOutTakerList list;
  for (ShootOutTaker& t : list.row) t = ShootOutTaker{-1, 0, {}, {0, 0, 0}};
  for (size_t i = 0; i < rows.size(); ++i) {
    list.row[i].player = static_cast<int16_t>(rows[i][0]);
    for (int k = 0; k < SHOOTOUT_SKILLS; ++k) list.row[i].skill[k] = static_cast<int16_t>(rows[i][k + 1]);
  }
  return list;
}

TEST(ShootOutSort, BySkillSumLargestFirstStableWithEmptyRowsLast) {
  // Sums: 1 -> 150, 2 -> 200, 3 -> 150, 4 -> 240, 5 -> 150.
  const ShootOutTakerList list =
      ListOf({{1, 50, 50, 50}, {2, 90, 60, 50}, {3, 30, 60, 60}, {4, 80, 80, 80}, {5, 100, 25, 25}});
  int16_t order[SHOOTOUT_ROWS];
  ShootOut_DefaultOrder(list, order);
  EXPECT_EQ(std::vector<int>(order, order + SHOOTOUT_ROWS), (std::vector<int>{1, 2, 3, 4, 5, -1, -1, -1, -1, -1}));
  ShootOut_SortOrder(list, order);
  // Equal sums keep their order in the list (1, 3, 5).
  EXPECT_EQ(std::vector<int>(order, order + SHOOTOUT_ROWS), (std::vector<int>{4, 2, 1, 3, 5, -1, -1, -1, -1, -1}));
  // An order that puts the empty entries first gets them last.
  int16_t emptiesFirst[SHOOTOUT_ROWS] = {-1, -1, 5, -1, 3, 1, -1, 4, 2, -1};
  ShootOut_SortOrder(list, emptiesFirst);
  EXPECT_EQ(std::vector<int>(emptiesFirst, emptiesFirst + SHOOTOUT_ROWS),
            (std::vector<int>{4, 2, 5, 3, 1, -1, -1, -1, -1, -1}));
}

TEST(ShootOutSort, AnEntryNotInTheListSaysUhOhAndGoesLast) {
  const ShootOutTakerList list = ListOf({{17, 50, 50, 50}, {18, 90, 90, 90}});
  int16_t order[SHOOTOUT_ROWS] = {40, 17, -1, 18, -1, -1, -1, -1, -1, -1};
  testing::internal::CaptureStdout();
  ShootOut_SortOrder(list, order);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Uh oh!\n");
  EXPECT_EQ(std::vector<int>(order, order + SHOOTOUT_ROWS), (std::vector<int>{18, 17, -1, -1, -1, -1, -1, -1, -1, 40}));
  // A full list has no empty row: a -1 in the order is not one of its players.
  const ShootOutTakerList full =
      ListOf({{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {4, 4, 4, 4}, {5, 5, 5, 5}, {6, 6, 6, 6}, {7, 7, 7, 7},
              {8, 8, 8, 8}, {9, 9, 9, 9}, {10, 10, 10, 10}});
  int16_t withGap[SHOOTOUT_ROWS] = {-1, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  testing::internal::CaptureStdout();
  ShootOut_SortOrder(full, withGap);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Uh oh!\n");
  EXPECT_EQ(std::vector<int>(withGap, withGap + SHOOTOUT_ROWS), (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, -1}));
}

TEST(ShootOutSwap, TwoRowsSwapTheirPlacesInTheOrder) {
  const ShootOutTakerList list = ListOf({{17, 50, 50, 50}, {18, 90, 90, 90}, {19, 70, 70, 70}});
  int16_t order[SHOOTOUT_ROWS] = {18, 19, 17, -1, -1, -1, -1, -1, -1, -1};
  EXPECT_EQ(ShootOut_PlaceOf(list, order, 0), 3);
  EXPECT_EQ(ShootOut_PlaceOf(list, order, 3), 0);  // an empty row has no place
  EXPECT_TRUE(ShootOut_SwapRows(list, order, 0, 1));
  EXPECT_EQ(std::vector<int>(order, order + SHOOTOUT_ROWS), (std::vector<int>{17, 19, 18, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_FALSE(ShootOut_SwapRows(list, order, 0, 5));  // an empty row
  EXPECT_FALSE(ShootOut_SwapRows(list, order, 0, 10));
  EXPECT_FALSE(ShootOut_SwapRows(list, order, -1, 0));
  EXPECT_EQ(std::vector<int>(order, order + SHOOTOUT_ROWS), (std::vector<int>{17, 19, 18, -1, -1, -1, -1, -1, -1, -1}));
}

TEST_F(ShootOutTest, TheScreensClicksSelectAndSwapRowsAndItsHeadsNameTheirColumns) {
  PutSide(0, [](int p) { return 30 + p; });
  MatchObjects[9].offPitch = 1;  // nine takers
  ShootOutScreen_Open(0);
  // Best first: 10, 8, 7, ... 1; an empty row at the end.
  EXPECT_EQ(Order(ShootOutScreen.order), (std::vector<int>{10, 8, 7, 6, 5, 4, 3, 2, 1, -1}));
  ShootOutScreen_Refresh();
  EXPECT_EQ(ShootOutScreen.place[0], 9);  // player 1
  EXPECT_EQ(ShootOutScreen.place[8], 1);  // player 10
  EXPECT_EQ(ShootOutScreen.place[9], INT16_MIN);
  EXPECT_EQ(ShootOutScreen.skill[9][0], INT16_MIN);
  EXPECT_EQ(ShootOutScreen.rowFlags[9], GN_FLAG_NOT_HOT | GN_FLAG_DRAW_NOTHING);
  EXPECT_EQ(ShootOutScreen.rowFlags[0], 0);

  EXPECT_EQ(ShootOut(GN_MSG_PRESS, 0), GN_RESULT_HANDLED);
  EXPECT_EQ(ShootOutScreen.selected, -1);
  EXPECT_EQ(ShootOut(GN_MSG_RELEASE, 0), GN_RESULT_REDRAW);
  ShootOutScreen_Refresh();
  EXPECT_EQ(ShootOutScreen.rowColour[0], MENU_MARK_ON);
  EXPECT_EQ(ShootOut(GN_MSG_RELEASE, 9), GN_RESULT_HANDLED);  // the empty row
  EXPECT_EQ(ShootOut(GN_MSG_RELEASE, 8), GN_RESULT_REDRAW);
  EXPECT_EQ(Order(ShootOutScreen.order), (std::vector<int>{1, 8, 7, 6, 5, 4, 3, 2, 10, -1}));
  EXPECT_EQ(ShootOutScreen.selected, -1);
  // A row clicked twice is let go.
  ShootOut(GN_MSG_RELEASE, 2);
  ShootOut(GN_MSG_RELEASE, 2);
  EXPECT_EQ(ShootOutScreen.selected, -1);

  const char* const names[] = {"Shooting", "Composure", "Deadball"};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(ShootOut(GN_MSG_ENTER, SHOOTOUT_HEAD_REGION + c), GN_RESULT_REDRAW);
    EXPECT_STREQ(ShootOutScreen.headBox, names[c]);
    EXPECT_EQ(ShootOut(GN_MSG_LEAVE, SHOOTOUT_HEAD_REGION + c), GN_RESULT_REDRAW);
    EXPECT_STREQ(ShootOutScreen.headBox, "");
  }
  EXPECT_EQ(ShootOut(GN_MSG_RELEASE, SHOOTOUT_DONE_REGION), GN_RESULT_LEAVE);
}

TEST_F(ShootOutTest, ASoakRunOrAComputerSideKeepsTheSortedOrderWithoutTheScreen) {
  struct Case {
    const char* name;
    int32_t soak;
    bool human;
  };
  const Case cases[] = {{"soak run, human side", 1, true}, {"computer side", 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutSide(1, [](int p) { return 20 + 5 * p; });
    SetHuman(1, c.human);
    SoakRunActive = c.soak;
    for (auto& e : ShootOutOrder[1]) e = -1;
    InGameMenuSide = 1;
    // The menu layer is not even started: the screen would stop the program.
    ShootOutOrderMenu();
    EXPECT_EQ(Order(ShootOutOrder[1]), (std::vector<int>{26, 25, 24, 23, 22, 21, 20, 19, 18, 17}));
    EXPECT_EQ(GN_GetLayerState(), GN_STATE_NONE);
  }
}

// ---- the menus in the real GN loop ----

// A menu run by an event script of clicks (menu coordinates). A watchdog
// clicks the menu's way out if the script has not closed it in time.
class InGameMenusLoopTest : public menutest::MenuHarness {
 protected:
  void RunMenu(void (*menu)(), const std::vector<std::pair<int, int>>& clicks, std::pair<int, int> exit) {
    uint32_t at = 0;
    const std::string script = menutest::GNClickScript(clicks, PlatRawTicks() + 50, &at);
    const char* grabOut = std::getenv("GAFFERON_GRAB_OUT");
    std::string error;
    ASSERT_TRUE(PlatLoadEventScript(script, &error)) << error;
    gWatchdog = {at + 1000, exit, false, 0};
    const int16_t poll = AddPollFunction(Watchdog, 1, 0);
    menu();
    RemovePollFunction(poll);
    PlatClearEventScript();
    EXPECT_FALSE(gWatchdog.fired) << "the script did not close the menu";
    EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);  // its set of menus is closed again
    if (grabOut) std::filesystem::copy_file("grab0001.tga", grabOut, std::filesystem::copy_options::overwrite_existing);
  }

 private:
  struct WatchdogState {
    uint32_t deadline;
    std::pair<int, int> exit;
    bool fired;
    int step;
  };
  static inline WatchdogState gWatchdog;
  static void Watchdog() {
    if (PlatRawTicks() < gWatchdog.deadline) return;
    gWatchdog.fired = true;
    SetPointerPosition(static_cast<int16_t>(gWatchdog.exit.first), static_cast<int16_t>(gWatchdog.exit.second));
    PlatSetMouseButton(0, gWatchdog.step++ % 2 == 0);
  }
};

TEST_F(InGameMenusLoopTest, PauseInWatchTogglesGoalsThenResumes) {
  SetDisplayMode(2);
  ShowGoalHighlights = 0;
  InGameMenuCode = INGAME_MENU_PAUSE;
  RunMenu(PauseMenu, {{256, 132}, {320, 455}}, {320, 455});
  EXPECT_EQ(ShowGoalHighlights, 1);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_LEAVE);
  EXPECT_EQ(PauseMenu_DisplayMode(), 2);
}

TEST_F(InGameMenusLoopTest, PauseInCommentaryIgnoresTheOptionsAndGoesToScanner) {
  SetDisplayMode(0);
  InGameMenuCode = INGAME_MENU_PAUSE;
  // "Watch" under "Options" is greyed out; "Scanner" leaves.
  RunMenu(PauseMenu, {{444, 372}, {320, 252}}, {320, 455});
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_LEAVE);
  EXPECT_EQ(PauseMenu_DisplayMode(), 1);
}

TEST_F(InGameMenusLoopTest, OptionsChangeDetailAndTheVolumesThenDone) {
  ModelDetail = 2;
  CrowdVolume = 3;
  MenuVolume = 6;
  InGameMenuCode = INGAME_MENU_OPTIONS;
  // Model detail, the crowd slider's right end, the music slider's left end, "Done".
  RunMenu(InGameOptionsMenu, {{348, 157}, {435, 295}, {260, 387}, {505, 460}}, {505, 460});
  EXPECT_EQ(ModelDetail, 0);
  EXPECT_EQ(CrowdVolume, 10);
  EXPECT_EQ(MenuVolume, 0);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_PAUSE);
}

TEST_F(InGameMenusLoopTest, TheTakersScreenSwapsTwoRowsForAHumanSide) {
  auto put = [] {
    for (int p = 0; p < SIDE_OBJECTS; ++p) {
      SideSlots[0][p] = static_cast<int16_t>(p);
      MatchObject& o = MatchObjects[p];
      o = MatchObject{};
      std::snprintf(o.name, sizeof o.name, "Taker%d", p);
      o.offPitch = p <= 10 ? 0 : 1;
      o.attr[SKILL_SHOOTING] = o.attr[SKILL_COMPOSURE] = o.attr[SKILL_DEADBALL] = static_cast<uint8_t>(30 + p);
    }
  };
  put();
  GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_HUMAN] = 1;
  InGameMenuSide = 0;
  // Rows 0 and 9 (players 1 and 10), then "Done".
  RunMenu(ShootOutOrderMenu, {{200, 131}, {200, 329}, {320, 450}}, {320, 450});
  EXPECT_EQ(std::vector<int>(ShootOutOrder[0], ShootOutOrder[0] + 10), (std::vector<int>{1, 9, 8, 7, 6, 5, 4, 3, 2, 10}));
}

}  // namespace
