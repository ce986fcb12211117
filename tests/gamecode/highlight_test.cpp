#include "gamecode/highlight.h"

#include "engine/bytes.h"
#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

class HighlightTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    ClearMatchSetupRecord();
  }
  static void DisplayMode(int mode) { StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, mode); }
};

TEST_F(HighlightTest, OnlyGoalsAndNearMissesArmAReplayAndCount) {
  struct Row {
    int type, countdown, storedType, storedCountdown, count;
  } rows[] = {
      {0, 150, 0, 150, 1}, {1, 200, 1, 200, 2}, {2, 200, 4, 0, 2}, {3, 200, 4, 0, 2}, {4, 50, 4, 0, 2}, {1, 10, 1, 10, 3},
  };
  for (const Row& r : rows) {
    ActivateHighLight(r.type, r.countdown);
    EXPECT_EQ(HighlightType, r.storedType) << r.type;
    EXPECT_EQ(HighlightCountdown, r.storedCountdown);
    EXPECT_EQ(GetHighlightCount(), r.count);
  }
  ClearHighlightCount();
  EXPECT_EQ(GetHighlightCount(), 0);
  // The seam reaches it.
  MatchSeams.activateHighLight(1, 200);
  EXPECT_EQ(GetHighlightCount(), 1);
}

TEST_F(HighlightTest, ABadTypeIsFatal) {
  for (int type : {5, -1}) EXPECT_FATAL(ActivateHighLight(type, 200), "ActivateHighLight\\(\\): Error bad ActionType");
}

TEST_F(HighlightTest, TheReplayComesWhenTheCountdownEndsInWatchWithAReplayOptionOn) {
  struct Row {
    int mode, goals, attempts;
    bool replay;
  } rows[] = {
      {2, 1, 0, true}, {2, 0, 1, true}, {2, 0, 0, false}, {0, 1, 1, false}, {1, 1, 1, false},
  };
  for (const Row& r : rows) {
    DisplayMode(r.mode);
    ShowGoalHighlights = static_cast<int16_t>(r.goals);
    ShowAttemptHighlights = static_cast<int16_t>(r.attempts);
    ReplayStartRequest = 0;
    ReplayFollowUp = 0;
    ReplayPosition = 77;
    ActivateHighLight(1, 200);
    for (int frame = 1; frame < 200; ++frame) UpdateHighLight();
    EXPECT_EQ(ReplayStartRequest, 0) << r.mode;  // not a frame early
    UpdateHighLight();
    EXPECT_EQ(HighlightCountdown, 0);
    EXPECT_EQ(ReplayStartRequest, r.replay ? 1 : 0) << r.mode << r.goals << r.attempts;
    EXPECT_EQ(ReplayFollowUp, r.replay ? 4 : 0);
    EXPECT_EQ(ReplayPosition, r.replay ? 0 : 77);
    // A spent countdown asks for nothing more.
    ReplayStartRequest = 0;
    UpdateHighLight();
    EXPECT_EQ(ReplayStartRequest, 0);
  }
}

TEST_F(HighlightTest, AStillBallTakesTheFacingOfThePlayerDribblingIt) {
  struct Row {
    int carrier, action, offPitch, cardState, sentOff;
    int16_t direction;
    int16_t expected;
  } rows[] = {
      {6, 15, 0, 0, 0, 256, 77},   // dribbling it
      {6, 16, 0, 0, 0, 256, 256},  // another action
      {6, 15, 1, 0, 0, 256, 256},  // off the pitch
      {6, 15, 0, 2, 0, 256, 256},  // sent off
      {6, 15, 0, 0, 1, 256, 256},
      {-1, 15, 0, 0, 0, 256, 256},  // nobody touched it
      {40, 15, 0, 0, 0, 256, 256},
      {6, 15, 0, 0, 0, 30, 30},     // a moving ball keeps its direction
  };
  for (const Row& r : rows) {
    MatchObject& p = MatchObjects[6];
    p.action = static_cast<int16_t>(r.action);
    p.offPitch = static_cast<uint8_t>(r.offPitch);
    p.cardState = static_cast<int16_t>(r.cardState);
    p.sentOff = static_cast<int16_t>(r.sentOff);
    p.facing = 77;
    BallCarrier = static_cast<int16_t>(r.carrier);
    ballDirection = r.direction;
    UpdateBallSteering();
    EXPECT_EQ(ballDirection, r.expected) << r.carrier << " " << r.action;
  }
}

TEST_F(HighlightTest, TheBallUpdateSteersAStillBallEveryFrame) {
  MatchState = STATE_OPEN_PLAY;
  for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
  MatchObject& p = MatchObjects[3];
  p.offPitch = 0;
  p.action = 15;
  p.facing = 200;
  PlaceObjectAt(3, 300, 300);  // away from the ball
  PlaceObjectAt(OBJECT_BALL, 796, 1082);
  BallCarrier = 3;
  BallUpdate();
  EXPECT_EQ(ballDirection, 200);
  p.action = 3;
  BallUpdate();
  EXPECT_EQ(ballDirection, 256);
}

TEST_F(HighlightTest, TheSteeringInputIsGatheredIntoTheTotals) {
  SteeringInput[0] = 65536;
  SteeringInput[1] = -2 * 65536;
  UpdateBallSteering();
  EXPECT_FLOAT_EQ(SteeringTotal[0], 1.0f);
  EXPECT_FLOAT_EQ(SteeringTotal[1], -2.0f);
  UpdateBallSteering();  // no change since the last frame
  EXPECT_FLOAT_EQ(SteeringTotal[0], 1.0f);
  SteeringInput[0] += 32768;
  UpdateBallSteering();
  EXPECT_FLOAT_EQ(SteeringTotal[0], 1.5f);
  EXPECT_FLOAT_EQ(SteeringTotal[1], -2.0f);
}

}  // namespace
