#include "gamecode/keeper.h"

#include <string>
#include <vector>

#include "gamecode/actions.h"
#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/shots.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

std::vector<int> g_said;

// A keeper of side 0 (object 0) at (796, 200) on an empty pitch, the ball
// in open play.
class KeeperTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    g_said.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_said.push_back(event); };
    MatchSeams.sfxPlay = [](int) {};
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    LowGoalSide = 0;
    MatchState = STATE_OPEN_PLAY;
    MatchObject& k = MatchObjects[0];
    k = MatchObject{};
    k.x = 796;
    k.y = 200;
    k.fixedX = 796 * U;
    k.fixedY = 200 * U;
    k.attr[SKILL_KEEPING] = 80;
    k.attr[SKILL_CONTROL] = 80;
    k.action = 126;
    ActorX = k.x;
    ActorY = k.y;
    ActorFixedX = k.fixedX;
    ActorFixedY = k.fixedY;
    KeeperShotShooter = -1;
    KeeperShotStrength = 5;  // a weak shot: caught unless only a parry will do
    KeeperDiveDirection = 64;  // across, towards larger x
    KeeperDiveClass = 0;
  }
  static void BallAt(int x, int y, int h) {
    ballX = static_cast<int16_t>(x);
    ballY = static_cast<int16_t>(y);
    ballFixedX = x * U;
    ballFixedY = y * U;
    BallHeight = static_cast<int16_t>(h);
    ballFixedHeight = h * U;
    ballVelX = 0;
    ballVelY = -8 * U;
    ballVelHeight = 0;
    ballOutState = 0;
    keeperHolder = 0;
    throwHolder = 0;
  }
};

TEST_F(KeeperTest, TheCatchingBoxIsHalfTheReachAcrossAndAQuarterAlong) {
  EXPECT_EQ(KeeperReach(80), 30);
  EXPECT_EQ(KeeperReach(0), 20);
  // Keeper at (796, 200) diving across towards larger x: the box is centred
  // on (811, 200), 15 either side across, 7 either side along.
  struct Row {
    int direction, bx, by;
    bool in;
  } rows[] = {
      {64, 826, 200, true},  {64, 827, 200, false}, {64, 796, 200, true},  {64, 795, 200, false},
      {64, 811, 207, true},  {64, 811, 208, false}, {64, 811, 193, true},  {64, 811, 192, false},
      {192, 766, 200, true}, {192, 796, 200, true}, {192, 797, 200, false}, {0, 796, 185, true},
      {0, 811, 185, true},   {0, 812, 185, false},  {0, 796, 192, true},   {0, 796, 193, false},
  };
  for (const Row& r : rows)
    EXPECT_EQ(BallInSaveBox(796, 200, 30, r.direction, r.bx, r.by), r.in)
        << r.direction << " " << r.bx << "," << r.by;
}

TEST_F(KeeperTest, TheBallsHeightMustSuitTheDive) {
  struct Row {
    int cls, h;
    bool suits;
  } rows[] = {
      {0, 14, true}, {1, 14, false}, {0, 3, false}, {0, 4, true},  {0, 16, true}, {0, 17, false},
      {1, 0, true},  {1, 12, true},  {2, 7, false}, {2, 8, true},  {2, 60, true}, {3, 10, false},
  };
  for (const Row& r : rows) EXPECT_EQ(HeightSuitsDive(r.cls, r.h), r.suits) << r.cls << " " << r.h;
}

TEST_F(KeeperTest, SpillCatchOrParryByTheRolls) {
  struct Row {
    int spillRoll, catchRoll, reach, handling, strength;
    bool parryOnly;
    SaveResult result;
  } rows[] = {
      {99, 99, 50, 50, 7, false, SAVE_CATCH},   // a weak shot is always caught
      {99, 99, 50, 50, 0, true, SAVE_PARRY},    // unless only a parry will do
      {51, 0, 50, 50, 8, false, SAVE_SPILL},    // the first roll above the reach spills
      {50, 50, 50, 50, 8, false, SAVE_CATCH},   // at most the handling catches
      {50, 51, 50, 50, 8, false, SAVE_PARRY},   // above it parries
      {10, 10, 50, 50, 20, true, SAVE_PARRY},
      {51, 99, 50, 50, 7, false, SAVE_CATCH},   // no spill from a weak shot
  };
  for (const Row& r : rows)
    EXPECT_EQ(SaveDecision(r.spillRoll, r.catchRoll, r.reach, r.handling, r.strength, r.parryOnly), r.result)
        << r.spillRoll << " " << r.catchRoll << " " << r.strength;
}

TEST_F(KeeperTest, AWeakShotInReachIsCaughtAndHeld) {
  struct Row {
    int cls, holdCode;
  } rows[] = {{0, 129}, {1, 137}, {2, 153}};
  for (const Row& r : rows) {
    SetUp();
    KeeperDiveClass = static_cast<int16_t>(r.cls);
    BallAt(806, 200, 10);
    EXPECT_EQ(KeeperSaveOutcome(0, false), SAVE_CATCH);
    const MatchObject& k = MatchObjects[0];
    EXPECT_EQ(+k.action, r.holdCode);
    EXPECT_EQ(+k.counter43, 1);
    EXPECT_EQ(+keeperHolder, 1);
    EXPECT_EQ(+MatchState, STATE_KEEPER_HOLDS);
    ASSERT_FALSE(g_said.empty());
    EXPECT_EQ(g_said.back(), 138);  // nobody shot: he pounces on a loose ball
  }
}

TEST_F(KeeperTest, OutOfReachTooHighOrAlreadyTouchedNothingHappens) {
  struct Row {
    int x, y, h, touched;
  } rows[] = {
      {827, 200, 10, 0},  // 16 beyond the dive point across
      {806, 208, 10, 0},  // beyond a quarter of the reach along
      {806, 200, 20, 0},  // too high for a middle dive
      {806, 200, 10, 1},  // he has touched it in this dive
  };
  for (const Row& r : rows) {
    SetUp();
    MatchObjects[0].actionArg2 = static_cast<int16_t>(r.touched);
    BallAt(r.x, r.y, r.h);
    EXPECT_EQ(KeeperSaveOutcome(0, false), SAVE_NONE) << r.x << "," << r.y << " h " << r.h;
    EXPECT_EQ(+MatchObjects[0].action, 126);
    EXPECT_EQ(+MatchObjects[0].actionArg2, r.touched);
  }
}

TEST_F(KeeperTest, AParryTurnsTheBallBackOnceAndCountsTheShotOnTarget) {
  MatchObject& shooter = MatchObjects[20];
  shooter = MatchObject{};
  shooter.shots = 1;
  KeeperShotShooter = 20;
  KeeperShotStrength = 12;
  MatchObjects[0].attr[SKILL_KEEPING] = 99;  // never spills
  MatchObjects[0].attr[SKILL_CONTROL] = 0;   // catches only on a roll of 0
  int parries = 0;
  for (int tries = 0; tries < 20 && parries == 0; ++tries) {
    BallAt(806, 200, 10);
    MatchObjects[0].actionArg2 = 0;
    if (KeeperSaveOutcome(0, true) == SAVE_PARRY) ++parries;
  }
  ASSERT_EQ(parries, 1);
  EXPECT_GT(ballVelY, 0);  // the ball goes back out
  EXPECT_LE(ballVelY, 8 * U * 39 / 100);
  EXPECT_EQ(+MatchObjects[0].stat44, 1);
  EXPECT_EQ(+shooter.shotsOnTarget, 1);
  EXPECT_EQ(+KeeperShotShooter, -1);
  EXPECT_EQ(g_said.back(), 134);
  // A second try in the same dive does nothing.
  EXPECT_EQ(KeeperSaveOutcome(0, true), SAVE_NONE);
}

TEST_F(KeeperTest, TheDiveRules) {
  struct Row {
    int L, N, h, across, agility;
    bool crossing, fast;
    int code;
  } rows[] = {
      // across the pitch (A 80: A / 40 + 16 = 18, A / 20 + 16 = 20, A / 20 + 8 = 12)
      {18, 300, 20, 79, 80, true, false, 125},   {18, 300, 20, 80, 80, true, false, 122},
      {19, 149, 12, 80, 80, true, false, 134},   {20, 150, 20, 0, 80, true, false, 122},
      {10, 12, 4, 0, 80, true, false, 143},      {10, 13, 4, 0, 80, true, false, 122},
      {8, 12, 44, 0, 80, true, false, 140},      {8, 12, 45, 0, 80, true, false, 122},
      // along the pitch
      {17, 19, 7, 0, 80, false, false, 135},     {17, 20, 7, 0, 80, false, false, 122},
      {13, 12, 5, 0, 80, false, false, 125},     {16, 15, 52, 0, 80, false, false, 141},
      {16, 15, 52, 0, 80, false, true, 170},     {16, 69, 52, 0, 80, false, false, 152},
      {16, 69, 52, 0, 80, false, true, 167},     {16, 70, 52, 0, 80, false, false, 122},
      {9, 0, 24, 0, 80, false, false, 143},      {12, 39, 50, 0, 80, false, false, 130},
      {12, 39, 50, 0, 80, false, true, 169},     {12, 40, 50, 0, 80, false, false, 126},
      {12, 40, 50, 0, 80, false, true, 166},     {12, 40, 51, 0, 80, false, false, 122},
      {0, 12, 6, 0, 80, false, false, 140},      {8, 13, 40, 0, 80, false, false, 127},
      {8, 13, 40, 0, 80, false, true, 168},      {8, 69, 6, 0, 80, false, false, 136},
      {8, 69, 6, 0, 80, false, true, 165},       {8, 70, 6, 0, 80, false, false, 122},
      {8, 13, 41, 0, 80, false, false, 122},     {8, 12, 6, 0, 99, false, false, 140},
  };
  for (const Row& r : rows)
    EXPECT_EQ(DiveRule(r.L, r.N, r.h, r.across, r.agility, r.crossing, r.fast), r.code)
        << "L " << r.L << " N " << r.N << " h " << r.h << (r.crossing ? " crossing" : "") << (r.fast ? " fast" : "");
}

TEST_F(KeeperTest, TheDiveFamily) {
  struct Row {
    int code, motion;
    bool outcome;
  } rows[] = {
      {152, 118, true},  {141, 119, true},  {167, 120, true},  {170, 121, true},  {126, 122, true},
      {130, 123, true},  {166, 124, true},  {169, 125, true},  {136, 126, true},  {127, 127, true},
      {165, 128, true},  {168, 129, true},  {153, 118, false}, {173, 119, false}, {129, 122, false},
      {172, 123, false}, {137, 126, false}, {171, 127, false}, {122, -1, false},  {140, -1, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(DiveMotion(r.code), r.motion) << r.code;
    EXPECT_EQ(IsOutcomeDive(r.code), r.outcome) << r.code;
  }
}

TEST_F(KeeperTest, TheDecisionAfterAHold) {
  struct Row {
    int period, state, value, code, newState;
  } rows[] = {
      {0, STATE_OPEN_PLAY, 8, 124, STATE_OPEN_PLAY},
      {0, STATE_OPEN_PLAY, 4, 145, STATE_OPEN_PLAY},
      {0, STATE_THROW_IN, 8, 122, STATE_THROW_IN},  // a restart is in progress
      {0, STATE_FOUL, 8, 122, STATE_FOUL},
      {0, STATE_KEEPER_HOLDS, 8, 124, STATE_KEEPER_HOLDS},  // his own hold is no restart
      {0, STATE_KEEPER_HOLDS, -1, 122, STATE_KEEPER_HOLDS},  // but he is not sent out with the ball
      {4, STATE_SHOOTOUT_KICK - 2, 8, 126, STATE_SHOOTOUT_KICK},  // the shoot-out's next kick
  };
  for (const Row& r : rows) {
    SetUp();
    period = static_cast<int8_t>(r.period);
    MatchState = static_cast<int16_t>(r.state);
    KeeperDecision = static_cast<int16_t>(r.value);
    BallAt(900, 600, 0);
    KeeperDecide(0);
    EXPECT_EQ(+MatchObjects[0].action, r.code) << r.value;
    EXPECT_EQ(+MatchState, r.newState);
  }
}

TEST_F(KeeperTest, AfterADivingCatchHeGetsUpWithTheBallAndKeepsItTillTheRelease) {
  // A weak shot caught in a middle dive: the holding dive, then the decision
  // at its end takes him to 124, ball in hands, for the rest of the hold.
  BallAt(811, 200, 10);
  KeeperSaveOutcome(0, false);
  ASSERT_EQ(+MatchObjects[0].action, 129);
  ASSERT_EQ(+MatchState, STATE_KEEPER_HOLDS);
  ASSERT_EQ(+keeperHolder, 1);
  Keeper_DecisionAction(0);
  EXPECT_EQ(+MatchObjects[0].action, 124);
  for (int frame = 0; frame < 50; ++frame) Keeper_TakeAtFeet(0);
  EXPECT_EQ(+MatchObjects[0].action, 124);
  EXPECT_EQ(+keeperHolder, 1);
  EXPECT_EQ(+MatchState, STATE_KEEPER_HOLDS);
  // A hold that ends in a free kick (carried out of his area) sends him back.
  MatchState = STATE_FOUL;
  Keeper_TakeAtFeet(0);
  EXPECT_EQ(+MatchObjects[0].action, 122);
}

TEST_F(KeeperTest, AKeeperOnHisFeetSavesABallInHisReach) {
  // Keeping 80: a reach of 30 across; along a quarter of it (7) or the
  // ball's step this frame (8 here).
  struct Row {
    int code, x, y, h;
    bool touched;
  } rows[] = {
      {135, 816, 195, 10, true},  {135, 826, 200, 10, true},   {135, 827, 200, 10, false},
      {135, 816, 200, 31, false}, {135, 816, 208, 10, true},   {135, 816, 209, 10, false},
      {135, 816, 192, 10, true},  {135, 816, 191, 10, false},
      {134, 780, 196, 14, true},  {134, 765, 196, 14, false},  {140, 796, 195, 6, true},
      {143, 800, 205, 20, true},  {154, 790, 200, 12, true},   {155, 790, 200, 13, false},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchObject& shooter = MatchObjects[20];
    shooter = MatchObject{};
    KeeperShotShooter = 20;
    SetPlayerAction(0, r.code);
    BallAt(r.x, r.y, r.h);
    const int32_t vy = ballVelY;
    PlayerActionTable[r.code](0);
    const MatchObject& k = MatchObjects[0];
    EXPECT_EQ(+shooter.shotsOnTarget, r.touched ? 1 : 0) << r.code << " " << r.x << "," << r.y << " h " << r.h;
    if (!r.touched) {
      EXPECT_EQ(ballVelY, vy) << r.code;
      continue;
    }
    switch (r.code) {
      case 135:  // lifted on the way it was going, away from him
        EXPECT_EQ(ballVelHeight, 4 * U);
        EXPECT_EQ(ballVelY, vy * 7 / 10);
        EXPECT_EQ(ballVelX > 0, r.x > 796);
        break;
      case 134:  // back out, to his side of it
        EXPECT_GT(ballVelY, 0);
        EXPECT_LT(ballVelX, 0);
        break;
      case 140:
      case 143:
        EXPECT_EQ(+keeperHolder, 1);
        EXPECT_EQ(+MatchState, STATE_KEEPER_HOLDS);
        EXPECT_EQ(+k.counter43, 1);
        break;
      default:  // off his legs, back out
        EXPECT_GT(ballVelY, 0);
        EXPECT_EQ(+k.stat44, 1);
        break;
    }
    // Once per action: a keeper who has touched it in this action does not again.
    SetUp();
    SetPlayerAction(0, r.code);
    MatchObjects[0].actionArg2 = 1;
    BallAt(r.x, r.y, r.h);
    PlayerActionTable[r.code](0);
    EXPECT_EQ(ballVelY, -8 * U) << r.code;
    EXPECT_EQ(+keeperHolder, 0) << r.code;
  }
  // Only in open play.
  SetUp();
  MatchState = STATE_THROW_IN_TAKEN;
  SetPlayerAction(0, 135);
  BallAt(816, 195, 10);
  PlayerActionTable[135](0);
  EXPECT_EQ(ballVelY, -8 * U);
  EXPECT_EQ(+MatchObjects[0].actionArg2, 0);
}

}  // namespace
