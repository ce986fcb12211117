#include "engine/reset.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/dxenum.h"
#include "engine/rand.h"
#include "engine/startup.h"
#include "generic/gamesound.h"
#include "menus/c_mnfix.h"
#include "menus/menucont.h"
#include "render256/vidopt.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

void NoOp() {}

// The index of a registered reset, or -1.
int ResetIndex(const std::string& name) {
  for (int i = 0; i < ResetCount(); ++i)
    if (name == ResetName(i)) return i;
  return -1;
}

TEST(ResetRegistry, EveryModuleWithStateIsRegisteredInLayerOrder) {
  // Listed layer by layer; within a layer the order is free.
  const std::vector<std::vector<const char*>> layers = {
      {"PlatReset", "PlatDisplayReset", "PlatSoundReset"},
      {"DebugReset", "OnExitReset", "PollReset", "TimerReset", "WinReset", "CompressReset", "MemoryReset",
       "GfxReset", "DDrawReset", "DXEnumReset", "KeyboardReset", "MouseReset", "RandReset", "StartupReset",
       "DSoundReset", "SndReset"},
      {"Clubs_Reset", "Players_Reset", "Lists_Reset", "PlayerStats_Reset", "SaveGame_Reset"},
      {"SeasonState_Reset"},
      {"SquadList_Reset"},
      {"FrontEnd_Reset", "ClubFixturesView_Reset"},
      {"GameSound_Reset"},
      {"VideoOptions_Reset"},
  };
  size_t listed = 0;
  int lastOfPreviousLayer = -1;
  for (const auto& layer : layers) {
    int first = ResetCount(), last = -1;
    for (const char* name : layer) {
      int index = ResetIndex(name);
      ASSERT_GE(index, 0) << name << " is not registered";
      first = std::min(first, index);
      last = std::max(last, index);
      ++listed;
    }
    EXPECT_GT(first, lastOfPreviousLayer) << layer.front() << "'s layer runs too early";
    lastOfPreviousLayer = last;
  }
  EXPECT_GE(ResetCount(), static_cast<int>(listed));

  // One function is one reset, however often it is registered.
  std::set<std::string> names;
  for (int i = 0; i < ResetCount(); ++i) EXPECT_TRUE(names.insert(ResetName(i)).second) << ResetName(i);
  int count = ResetCount();
  RegisterReset(RESET_ENGINE, DebugReset, "DebugReset");
  EXPECT_EQ(ResetCount(), count);
  EXPECT_STREQ(ResetName(-1), "");
  EXPECT_STREQ(ResetName(count), "");
}

using ResetTest = WorldTest;

TEST_F(ResetTest, EngineModulesComeBackToTheirStartState) {
  int first[5];
  for (int& r : first) r = GameRandom();
  GameSeedRandom(4242);
  GameRandom();

  OnExitAddEx(NoOp, "NoOp");
  SetDebugLevel(DEBUG_FILE, 40);
  InitMemory(9500);
  void* block = nullptr;
  AllocateMemory(&block, 100, ManualFree);
  WinInit(nullptr, "Gafferon test", 1);
  InitTimerInterrupt();
  InitPoll();
  DXEnumDisplay();
  ASSERT_GT(DXDevices.cardCount, 0);
  char* words[MAX_COMMAND_WORDS + 2];
  BuildCommandWords("/games/gafferon", "-window -menu256", words);
  WindowFlags = 1;
  LowMemoryPC = 1;

  ResetAllModules();

  EXPECT_EQ(GameRandomState(), GAME_RAND_START_SEED);
  for (int r : first) EXPECT_EQ(GameRandom(), r);  // the sequence repeats
  EXPECT_EQ(OnExitCount(), 0);
  EXPECT_EQ(DebugLevel(DEBUG_FILE), 0);
  EXPECT_FALSE(MemoryIsInitialised());
  EXPECT_EQ(block, nullptr);
  EXPECT_FALSE(PollIsInitialised());
  EXPECT_EQ(TimerTicks, 0u);
  EXPECT_EQ(DXDevices.cardCount, 0);
  EXPECT_EQ(WindowFlags, 0u);
  EXPECT_EQ(LowMemoryPC, 0);
  EXPECT_STREQ(GetCDRootPath(), "");
}

TEST_F(ResetTest, WorldAndGameModulesComeBackToTheirStartState) {
  ASSERT_NE(Club_GetBalance(tw::kHumanClub), 0);
  ASSERT_EQ(PlayerTotalCount, tw::kPlayerCount);
  Year = 2003;
  SquadListLength = 3;

  MenuVolume = 1;
  CrowdVolume = 2;
  NoSoundMode = 1;
  ModelDetail = 0;
  PlayerNamesOn = 0;
  VideoConfig_SetMode(4);
  Menu256Mode = 1;
  MenuOption = -1;
  ClubFixturesViewState = 5;

  ResetAllModules();

  EXPECT_EQ(Club_GetBalance(tw::kHumanClub), 0);
  EXPECT_EQ(Club_GetBalance(tw::kForeignClub), 0);
  EXPECT_EQ(MoneyPool, MONEY_POOL_START);
  EXPECT_EQ(PlayerTotalCount, 0);
  EXPECT_EQ(Year, 1999);
  EXPECT_EQ(SquadListLength, 0);

  EXPECT_EQ(MenuVolume, MENU_VOLUME_DEFAULT);
  EXPECT_EQ(CrowdVolume, CROWD_VOLUME_DEFAULT);
  EXPECT_EQ(NoSoundMode, 0);
  EXPECT_EQ(ModelDetail, MODEL_DETAIL_DEFAULT);
  EXPECT_EQ(PlayerNamesOn, PLAYER_NAMES_ON_DEFAULT);
  EXPECT_EQ(VideoConfig_GetMode(), 0);
  EXPECT_EQ(Menu256Mode, 0);
  EXPECT_EQ(MenuOption, 0);
  EXPECT_EQ(ClubFixturesViewState, 0);
}

}  // namespace
