#include "gamecode/challenge.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/officials.h"
#include "gamecode/tackle.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"

namespace {

std::vector<int> g_comments;

bool Said(int event) { return std::find(g_comments.begin(), g_comments.end(), event) != g_comments.end(); }

class ChallengeTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    LowGoalSide = 0;
    g_comments.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_comments.push_back(event); };
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < SIDE_OBJECTS; ++place) SideSlots[side][place] = static_cast<int16_t>(side * 16 + place);
  }
  void TearDown() override {
    FreeMotions();
    EngineTest::TearDown();
  }

  static void LoadBuiltMotions() {
    InitMemory(16000);
    ASSERT_TRUE(WithBuiltHardDiskPak(LoadMotions));
    ASSERT_TRUE(MotionsLoaded());
  }

  // The challenger on the carrier's back in open play, the carrier on the
  // ball without the agility to ride the duel; the challenger's side acts.
  static void Engage(int challenger, int carrier, int code, int carrierAction = 16) {
    MatchObject& o = MatchObjects[challenger];
    MatchObject& c = MatchObjects[carrier];
    o = MatchObject{};
    c = MatchObject{};
    PlaceObjectAt(carrier, 796, 1000);
    PlaceObjectAt(challenger, 796, 1010);
    o.action = static_cast<int16_t>(code);
    o.ballDistance = 10;
    o.attr[SKILL_POWER] = 50;
    c.action = static_cast<int16_t>(carrierAction);
    c.hasBall = 1;
    c.ballDistance = 10;
    c.facing = 128;
    MatchState = STATE_OPEN_PLAY;
    CurrentSide = static_cast<uint8_t>(challenger / 16);
    PossessionSide = static_cast<uint8_t>(carrier / 16);
    BallCarrier = static_cast<int16_t>(carrier);
    ActorX = o.x;
    ActorY = o.y;
    ActorFixedX = o.fixedX;
    ActorFixedY = o.fixedY;
    ballX = 796;
    ballY = 1000;
    BallHeight = 0;
  }

  static void Run(int object) { PlayerActionTable[MatchObjects[object].action](object); }
};

TEST_F(ChallengeTest, ContactIsWithinSixteenAlongTheLineToTheMan) {
  struct Case {
    int dx, dy;
    bool contact;
  } cases[] = {{0, 10, true}, {0, 15, true}, {0, 16, false}, {10, 10, true}, {12, 12, false}, {15, 0, true}};
  for (const Case& c : cases) {
    PlaceObjectAt(5, 796, 1000);
    ActorX = static_cast<int16_t>(796 + c.dx);
    ActorY = static_cast<int16_t>(1000 + c.dy);
    EXPECT_EQ(ChallengeContact(20, 5), c.contact) << c.dx << "," << c.dy;
  }
}

TEST_F(ChallengeTest, WithoutAFoulChanceNoChallengeIsAFoulYetTheBallIsWon) {
  LoadBuiltMotions();
  RefereeRule1 = 0;
  for (int code : {28, 89, 56}) {
    for (int seed = 1; seed <= 50; ++seed) {
      GameSeedRandom(seed);
      Engage(20, 5, code);
      Run(20);
      EXPECT_EQ(MatchState, STATE_OPEN_PLAY) << code;
      EXPECT_EQ(MatchObjects[20].tacklesWon, 1) << code;
      EXPECT_EQ(+PossessionSide, 1);
      EXPECT_EQ(+MatchObjects[5].hasBall, 0);
    }
  }
}

// Fouls of the favoured first side are waived 30 times in 100.
TEST_F(ChallengeTest, AFavouredSidesFoulsAreGivenAboutSeventyInAHundred) {
  LoadBuiltMotions();
  RefereeRule1 = 100;
  RefereeRule2 = 0;
  RefereeFavouredSide = 1;
  struct Case {
    int challenger, carrier, low, high;
  } cases[] = {{5, 20, 640, 760}, {20, 5, 1000, 1000}};
  for (const Case& c : cases) {
    int given = 0;
    for (int i = 0; i < 1000; ++i) {
      Engage(c.challenger, c.carrier, 89);
      MatchObjects[c.challenger].ballDistance = 100;  // the ball is out of his reach
      Run(c.challenger);
      given += MatchState == STATE_FOUL;
    }
    EXPECT_GE(given, c.low) << c.challenger;
    EXPECT_LE(given, c.high) << c.challenger;
  }
  EXPECT_EQ(DuelTallies[20].challengeFouls, 1000);
  EXPECT_EQ(+FoulingSide, 1);
  EXPECT_EQ(FouledPlayer, 5);
  EXPECT_EQ(Fouler, 20);
  EXPECT_EQ(restartX, 796);
  EXPECT_EQ(restartY, 1000);
}

TEST_F(ChallengeTest, AClearingCarrierIsNeverFouledAndTheChallengerTakesTheBall) {
  LoadBuiltMotions();
  RefereeRule1 = 100;
  for (int seed = 1; seed <= 30; ++seed) {
    GameSeedRandom(seed);
    g_comments.clear();
    Engage(20, 5, 28, 5);
    Run(20);
    EXPECT_EQ(MatchState, STATE_OPEN_PLAY);
    EXPECT_EQ(MatchObjects[20].action, 90);
    EXPECT_EQ(+MatchObjects[20].hasBall, 1);
    EXPECT_EQ(+MatchObjects[5].hasBall, 0);
    EXPECT_EQ(+PossessionSide, 1);
    EXPECT_TRUE(Said(302));
    EXPECT_FALSE(Said(300));
  }
}

// The block and the shirt pull win or hold the ball once per challenge; the
// man loses his footing.
TEST_F(ChallengeTest, TheBlockAndTheShirtPullStumbleTheCarrier) {
  LoadBuiltMotions();
  RefereeRule1 = 0;
  struct Case {
    int code, power, comment, won;
    bool knocked;
  } cases[] = {{32, 50, 238, 1, true}, {91, 60, -1, 0, true}, {91, 40, -1, 0, false}};
  for (const Case& c : cases) {
    g_comments.clear();
    Engage(20, 5, c.code);
    MatchObjects[20].attr[SKILL_POWER] = static_cast<uint8_t>(c.power);
    MatchObjects[5].attr[SKILL_POWER] = 50;
    MatchObjects[5].speed = 80;
    ballVelX = ballVelY = 0;
    Run(20);
    EXPECT_EQ(+MatchObjects[5].action, 93) << c.code;
    EXPECT_EQ(+MatchObjects[20].actionArg, 1) << c.code;
    EXPECT_EQ(MatchObjects[20].tacklesWon, c.won) << c.code;
    EXPECT_EQ(ballVelY != 0, c.knocked) << c.code << " " << c.power;
    EXPECT_TRUE(c.comment < 0 || Said(c.comment)) << c.code;
    EXPECT_EQ(MatchObjects[5].speed < 80, c.code == 91) << c.code;
  }
}

// Once a team-mate of the challenger has the ball there is nobody to
// challenge: no knock, no stumble, no tackle won, no foul.
TEST_F(ChallengeTest, AChallengerNeverTakesTheBallFromATeamMate) {
  LoadBuiltMotions();
  RefereeRule1 = 127;
  for (int code : {28, 56, 91, 32}) {
    g_comments.clear();
    Engage(20, 21, code);
    MatchObjects[20].attr[SKILL_POWER] = 90;
    ballVelX = ballVelY = 0;
    for (int frame = 0; frame < 60 && MatchObjects[20].action == code; ++frame) Run(20);
    EXPECT_EQ(+MatchObjects[21].action, 16) << code;
    EXPECT_EQ(+MatchObjects[20].tacklesWon, 0) << code;
    EXPECT_EQ(ballVelX, 0) << code;
    EXPECT_EQ(ballVelY, 0) << code;
    EXPECT_EQ(MatchState, STATE_OPEN_PLAY) << code;
    EXPECT_TRUE(g_comments.empty()) << code;
  }
}

class CardTest : public ChallengeTest {
 protected:
  void SetUp() override {
    ChallengeTest::SetUp();
    PlaceObjectAt(5, 796, 1000);
    PlaceObjectAt(20, 796, 1010);
    PlaceObjectAt(21, 796, 1900);  // a man behind him (side 1 defends y 2042)
    ballX = 796;
  }
};

// Two warnings book a player whatever the roll, unless his side has four
// dismissed or he is its keeper.
TEST_F(CardTest, TheRefereesDecisionOnAFoul) {
  struct Case {
    const char* what;
    int dismissed, keeper, decision;
  } cases[] = {{"booked", 3, 0, 8}, {"four dismissed", 4, 0, 0}, {"a keeper", 0, 1, 0}};
  RefereeRule2 = 0;
  for (const Case& c : cases) {
    SideSendingsOff[1] = static_cast<uint8_t>(c.dismissed);
    SideSlots[1][0] = static_cast<int16_t>(c.keeper ? 20 : 16);
    SideSlots[1][4] = static_cast<int16_t>(c.keeper ? 16 : 20);
    MatchObjects[20].warnings = 2;
    RefereeDecision = 0;
    g_comments.clear();
    MatchState = STATE_OPEN_PLAY;
    GiveFoul(20, 5, FOUL_CHALLENGE);
    EXPECT_EQ(MatchState, STATE_FOUL) << c.what;
    EXPECT_EQ(FouledPlayer, 5);
    EXPECT_EQ(RefereeOffender, 20);
    EXPECT_EQ(RefereeDecision, c.decision) << c.what;
    EXPECT_EQ(Said(151), c.decision == 8) << c.what;
  }
}

// The last man is sent off through the middle, but only on top of a warning
// or a booking.
TEST_F(CardTest, AProfessionalFoulNeedsADecisionFirst) {
  RefereeRule2 = 0;
  PlaceObjectAt(21, 796, 900);  // now he is the last man
  for (int ballAcross : {796, 300}) {
    ballX = static_cast<int16_t>(ballAcross);
    int reds = 0;
    for (int seed = 1; seed <= 100; ++seed) {
      GameSeedRandom(seed);
      MatchObjects[20].warnings = 0;
      RefereeDecision = 0;
      GiveFoul(20, 5, FOUL_TACKLE);
      const bool decided = CardRoll % 4 == 0;
      EXPECT_EQ(RefereeDecision, decided ? (ballAcross == 796 ? 9 : 7) : 0) << CardRoll;
      EXPECT_EQ(+MatchObjects[20].warnings, decided ? 1 : 0);
      reds += RefereeDecision == 9;
    }
    EXPECT_EQ(reds > 0, ballAcross == 796);
  }
}

TEST_F(CardTest, AShirtPullIsCardedOnlyAfterTenWarnings) {
  struct Case {
    int warnings, threshold, decision, warningsAfter;
  } cases[] = {{10, 127, 0, 10}, {2, 127, 0, 2}, {11, -1, 7, 12}};
  for (const Case& c : cases) {
    MatchObjects[20].warnings = static_cast<uint8_t>(c.warnings);
    RefereeRule2 = static_cast<int8_t>(c.threshold);
    RefereeDecision = 0;
    g_comments.clear();
    GiveFoul(20, 5, FOUL_HOLDING);
    EXPECT_EQ(RefereeDecision, c.decision) << c.warnings;
    EXPECT_EQ(+MatchObjects[20].warnings, c.warningsAfter);
    EXPECT_TRUE(Said(303));
  }
  // Over ten warnings: booked when the roll of 0-199 is under the threshold.
  RefereeRule2 = 100;
  int booked = 0;
  for (int i = 0; i < 400; ++i) {
    MatchObjects[20].warnings = 11;
    RefereeDecision = 0;
    GiveFoul(20, 5, FOUL_HOLDING);
    EXPECT_TRUE(RefereeDecision == 7 || RefereeDecision == 8);
    booked += RefereeDecision == 8;
  }
  EXPECT_NEAR(booked, 200, 50);
}

}  // namespace
