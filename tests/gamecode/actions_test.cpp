#include "gamecode/actions.h"

#include <string>
#include <vector>

#include "engine/debug.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/playerstandin.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

int g_replans = 0;
std::vector<int> g_ran;         // objects whose handler ran
std::vector<int> g_sides;       // CurrentSide as each handler saw it
int32_t g_moveX = 0, g_moveY = 0;  // what the test handler adds to the working copy

void RecordingHandler(int object) {
  g_ran.push_back(object);
  g_sides.push_back(CurrentSide);
  ActorFixedX += g_moveX;
  ActorFixedY += g_moveY;
  ActorX = 0;  // the integer copy is not written back
}

class ActionsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    g_replans = 0;
    g_ran.clear();
    g_sides.clear();
    g_moveX = g_moveY = 0;
    MatchSeams.replanTeams = [] { ++g_replans; };
    PlayerActionTable[1] = RecordingHandler;  // an empty code, lent to the test
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
  }

  static MatchObject& Put(int object, int x, int y, int action = 1) {
    MatchObject& p = MatchObjects[object];
    p.offPitch = 0;
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    p.fixedX = x * U;
    p.fixedY = y * U;
    p.action = static_cast<int16_t>(action);
    return p;
  }
};

TEST_F(ActionsTest, EveryActivePlayerRunsInOrderWithHisSide) {
  for (int i : {20, 3, 16, 15}) Put(i, 500, 500);
  player_action();
  EXPECT_EQ(g_ran, (std::vector<int>{3, 15, 16, 20}));
  EXPECT_EQ(g_sides, (std::vector<int>{0, 0, 1, 1}));
}

TEST_F(ActionsTest, TheWorkingCopyIsWrittenBackTruncatingTowardsZero) {
  struct Row {
    int x, y;
    int32_t moveX, moveY;
    int expectedX, expectedY;
  } rows[] = {
      {500, 500, U / 2, U - 1, 500, 500},   // less than a unit: no change
      {500, 500, U, -U / 2, 501, 499},
      {0, 0, -U - U / 2, -U / 2, -1, 0},    // negative: towards zero
  };
  for (const Row& r : rows) {
    MatchObject& p = Put(5, r.x, r.y);
    g_moveX = r.moveX;
    g_moveY = r.moveY;
    player_action();
    EXPECT_EQ(+p.x, r.expectedX) << r.moveX;
    EXPECT_EQ(+p.y, r.expectedY) << r.moveY;
    EXPECT_EQ(+p.fixedX, r.x * U + r.moveX);
  }
}

TEST_F(ActionsTest, ACodeOutOfRangeIsLoggedAndRunsNothing) {
  SetDebugLevel(DEBUG_GENERAL, 1);
  for (int code : {174, -1, 300}) {
    MatchObject& p = Put(7, 600, 700, code);
    testing::internal::CaptureStdout();
    player_action();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "player_action(): Player action out of range " + std::to_string(code) + " - player 7\n");
    EXPECT_EQ(+p.x, 600);
    EXPECT_EQ(+p.action, code);
    EXPECT_EQ(+p.offPitch, 0);
  }
}

TEST_F(ActionsTest, TheEmptyCodesDoNothing) {
  PlayerActionTable[1] = nullptr;
  Actions_InstallDefaults();
  for (int code : {1, 2, 38, 39, 40, 62, 64, 65, 74, 92, 101, 104, 117, 118, 119, 121, 144, 164}) {
    MatchObject& p = Put(6, 600, 700, code);
    p.frame = 9;
    p.speed = 80;
    player_action();
    EXPECT_EQ(+p.action, code);
    EXPECT_EQ(+p.frame, 9);
    EXPECT_EQ(+p.fixedX, 600 * U);
    EXPECT_EQ(+p.fixedY, 700 * U);
  }
  for (ActionHandler h : PlayerActionTable) EXPECT_NE(h, nullptr);
}

TEST_F(ActionsTest, ADismissedPlayerLeavesAfterTheDecisionWithOneReplan) {
  struct Row {
    int yellow, red;
  } rows[] = {{2, 0}, {0, 1}, {1, 1}};
  for (const Row& r : rows) {
    g_replans = 0;
    g_ran.clear();
    MatchObject& p = Put(9, 640, 900, 1);
    p.cardState = static_cast<int16_t>(r.yellow);
    p.sentOff = static_cast<int16_t>(r.red);
    p.motion = 12;
    RefereeDecision = 8;
    for (int frame = 0; frame < 3; ++frame) player_action();
    EXPECT_TRUE(g_ran.empty());  // he stands while the referee deals with him
    EXPECT_EQ(+p.x, 640);
    EXPECT_EQ(+p.offPitch, 0);
    EXPECT_EQ(g_replans, 0);
    RefereeDecision = 0;
    for (int frame = 0; frame < 3; ++frame) player_action();
    EXPECT_EQ(g_replans, 1);
    EXPECT_EQ(+p.offPitch, 1);
    EXPECT_EQ(+p.x, 0);
    EXPECT_EQ(+p.y, 0);
    EXPECT_EQ(+p.fixedX, 0);
    EXPECT_EQ(+p.action, 0);
    EXPECT_EQ(+p.motion, -1);
    EXPECT_TRUE(g_ran.empty());
    p.cardState = 0;
    p.sentOff = 0;
  }
}

TEST_F(ActionsTest, ASubstitutedPlayerIsClearedWithoutAReplan) {
  MatchObject& p = Put(10, 640, 900, 1);
  p.offPitch = 2;
  player_action();
  EXPECT_EQ(+p.x, 0);
  EXPECT_EQ(+p.offPitch, 1);
  EXPECT_EQ(g_replans, 0);
}

TEST_F(ActionsTest, TheHoldersOfADismissedPlayerAreCleared) {
  Put(0, 500, 300).sentOff = 1;
  Put(17, 500, 300).cardState = 2;
  Put(18, 500, 300);  // still playing: keeps his hold
  keeperHolder = 1;
  throwHolder = 18;
  player_action();
  EXPECT_EQ(keeperHolder, 0);
  EXPECT_EQ(throwHolder, 0);
  keeperHolder = 19;
  throwHolder = 19;
  player_action();
  EXPECT_EQ(keeperHolder, 19);
  EXPECT_EQ(throwHolder, 19);
}

TEST_F(ActionsTest, OpenPlayTurnsAreRecorded) {
  MatchObject& p = Put(4, 500, 500);
  MatchState = STATE_OPEN_PLAY;
  TotalFrames = 0;
  player_action();
  EXPECT_EQ(+p.firstActiveFrame, 0);  // before the clock runs nothing is recorded
  TotalFrames = 12;
  player_action();
  TotalFrames = 13;
  player_action();
  EXPECT_EQ(+p.firstActiveFrame, 12);
  EXPECT_EQ(+p.lastActiveFrame, 13);
  MatchState = STATE_THROW_IN;
  TotalFrames = 14;
  player_action();
  EXPECT_EQ(+p.lastActiveFrame, 13);
}

TEST_F(ActionsTest, SetPlayerActionClearsTheActionsFields) {
  MatchObject& p = MatchObjects[36];
  p.frame = 3;
  p.height = 4;
  p.actionCounter = 5;
  p.actionArg = 6;
  p.actionArg2 = 7;
  p.speed = 8;
  SetPlayerAction(36, 70);
  EXPECT_EQ(+p.action, 70);
  EXPECT_EQ(+p.frame + p.height + p.actionCounter + p.actionArg + p.actionArg2, 0);
  EXPECT_EQ(+p.speed, 8);
  SetPlayerAction(37, 1);  // ignored
  SetPlayerAction(-1, 1);
}

// The codes nothing in the game ever puts a player into, each with why; a
// player can only reach the others, so each of those must do something.
struct UnsetCode {
  int code;
  const char* reason;
};
const UnsetCode kUnsetCodes[] = {
    {1, "empty: no behaviour"},
    {2, "empty: no behaviour"},
    {25, "a restart walk no restart sends anyone on (24 and 26 are used)"},
    {28, "the standing challenge; the decisions use its twin 89"},
    {38, "empty: no behaviour"},
    {39, "empty: no behaviour"},
    {40, "empty: no behaviour"},
    {54, "wait at a spot: no restart names it"},
    {62, "empty: no behaviour"},
    {64, "empty: no behaviour"},
    {65, "empty: no behaviour"},
    {74, "empty: no behaviour"},
    {85, "wait for a pass: the penalty taker now goes to 60, nobody else waits here"},
    {92, "empty: no behaviour"},
    {101, "empty: no behaviour"},
    {104, "empty: no behaviour"},
    {112, "a side-step: no decision chooses it"},
    {113, "a side-step: no decision chooses it"},
    {117, "empty: no behaviour"},
    {118, "empty: no behaviour"},
    {119, "empty: no behaviour"},
    {121, "a keeper code without action"},
    {128, "the keeper's ball back: no keeper decision chooses it"},
    {138, "a keeper code without action"},
    {139, "a keeper code without action"},
    {142, "a keeper code without action"},
    {144, "a keeper code without action"},
    {146, "a keeper code without action"},
    {147, "a keeper code without action"},
    {148, "a keeper code without action"},
    {149, "the keeper's low catch: no dive table chooses it"},
    {150, "the keeper's low take: no dive table chooses it"},
    {160, "a keeper motion no keeper action plays into"},
    {161, "a keeper motion no keeper action plays into"},
    {162, "a keeper code without action"},
    {163, "a keeper code without action"},
    {164, "a keeper code without action"},
    {171, "a dive no dive table chooses"},
    {172, "a dive no dive table chooses"},
    {173, "a dive no dive table chooses"},
};
bool Listed(int code) {
  for (const UnsetCode& u : kUnsetCodes)
    if (u.code == code) return true;
  return false;
}

TEST(ActionCodes, EveryCodeAPlayerCanReachHasAHandlerThatActs) {
  ResetAllModules();
  Actions_InstallDefaults();
  const ActionHandler nothing = PlayerActionTable[1];         // the empty code's
  const ActionHandler keeperNothing = PlayerActionTable[138];  // a keeper code without action
  PlayerStandIns_Install(MatchSeams);
  int checked = 0;
  for (int code = 0; code < ACTION_CODES; ++code) {
    if (Listed(code)) continue;
    ++checked;
    EXPECT_NE(PlayerActionTable[code], nullptr) << code;
    EXPECT_NE(PlayerActionTable[code], nothing) << code;
    EXPECT_NE(PlayerActionTable[code], keeperNothing) << code;
  }
  EXPECT_GT(checked, 100);
  for (const UnsetCode& u : kUnsetCodes) {
    EXPECT_GE(u.code, 0);
    EXPECT_LT(u.code, ACTION_CODES);
    EXPECT_GT(std::string(u.reason).size(), 5u) << u.code;
  }
  ResetAllModules();
}

}  // namespace
