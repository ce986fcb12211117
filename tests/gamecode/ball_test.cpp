#include "gamecode/ball.h"
#include "gamecode/movement.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "engine/rand.h"
#include "gamecode/attackdir.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/teamshape.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;  // one pitch unit per frame

std::vector<int> g_comments;
std::vector<int> g_sounds;

class BallTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    Fresh();
  }

  // A clean match with recording commentary and sound; the players stand off
  // the pitch until a test puts one near the ball.
  static void Fresh() {
    ResetEngine();
    g_comments.clear();
    g_sounds.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_comments.push_back(event); };
    MatchSeams.sfxPlay = [](int effect) { g_sounds.push_back(effect); };
    SetPitchGeometry();
    BallKickOffReset(0);
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
  }

  // The ball at a spot with a velocity, as the kick code leaves it.
  static void PlaceBall(int x, int y, int height, int32_t vx, int32_t vy, int32_t vz) {
    ballX = static_cast<int16_t>(x);
    ballY = static_cast<int16_t>(y);
    BallHeight = static_cast<int16_t>(height);
    ballFixedX = x * U;
    ballFixedY = y * U;
    ballFixedHeight = height * U;
    ballVelX = vx;
    ballVelY = vy;
    ballVelHeight = vz;
    MatchObjects[OBJECT_BALL].x = ballX;
    MatchObjects[OBJECT_BALL].y = ballY;
    UpdateBallSpeed();
  }

  static MatchObject& PutPlayer(int object, int x, int y, int facing, int action) {
    MatchObject& p = MatchObjects[object];
    p.offPitch = 0;
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    p.fixedX = x * U;
    p.fixedY = y * U;
    p.facing = static_cast<uint8_t>(facing);
    p.action = static_cast<int16_t>(action);
    return p;
  }

  static bool Said(int event) {
    for (int e : g_comments)
      if (e == event) return true;
    return false;
  }
};

// --- launches: start, velocity, ground -> outcome, spot, side ----------------------------

struct LaunchCase {
  const char* name;
  BallLaunch launch;
  int carrier;      // BallCarrier before the launch
  int lowGoalSide;  // the side defending the goal at the low goal line
  BallOutcome outcome;
  int restartX, restartY;  // -1: not checked
  int possessionSide;      // -1: not checked
};

TEST_F(BallTest, LaunchTable) {
  const LaunchCase cases[] = {
      // A low ball between the posts is a goal.
      {"goal low end", {796, 160, 5, 0, -3 * U, 0}, 20, 0, BallOutcome::Goal, -1, -1, -1},
      {"goal high end", {760, 2000, 2, 0, 3 * U, 0}, 3, 0, BallOutcome::Goal, -1, -1, -1},
      // Over the bar: the defenders of that end restart with a goal kick.
      {"over the bar", {796, 200, 40, 0, -4 * U, 0}, 20, 0, BallOutcome::GoalKick, 796, 119, 0},
      {"over the bar, high end", {796, 1990, 40, 0, 4 * U, 0}, 3, 0, BallOutcome::GoalKick, 796, 2045, 1},
      // Wide of the post: a corner when a defender touched it last.
      {"wide off a defender", {600, 160, 3, 0, -3 * U, 0}, 5, 0, BallOutcome::Corner, 600, 119, 1},
      {"wide off an attacker", {600, 160, 3, 0, -3 * U, 0}, 20, 0, BallOutcome::GoalKick, 600, 119, 0},
      {"wide, ends changed", {600, 160, 3, 0, -3 * U, 0}, 5, 1, BallOutcome::GoalKick, 600, 119, 1},
      // Over a touch line: the other side throws in from the line.
      {"throw-in near side", {170, 1000, 3, -3 * U, 0, 0}, 4, 0, BallOutcome::ThrowIn, 156, 1000, 1},
      {"throw-in far side", {1420, 700, 3, 3 * U, 0, 0}, 21, 0, BallOutcome::ThrowIn, 1436, 700, 0},
      // A ball rolling along the touch line stays in play.
      {"along the touch line", {156, 1000, 0, 0, 2 * U, 0}, 4, 0, BallOutcome::Stopped, -1, -1, -1},
      // A roll in the middle of the pitch slows down and stops.
      {"roll stops", {796, 1082, 0, 2 * U, 0, 0}, 4, 0, BallOutcome::Stopped, -1, -1, -1},
  };
  for (const LaunchCase& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    BallCarrier = static_cast<int16_t>(c.carrier);
    LowGoalSide = static_cast<uint8_t>(c.lowGoalSide);
    const BallLaunchOutcome out = RunBallLaunch(c.launch);
    EXPECT_EQ(out.outcome, c.outcome) << BallOutcomeName(out.outcome) << " at frame " << out.frame;
    EXPECT_GT(out.frame, 0);
    if (c.restartX >= 0) {
      EXPECT_EQ(out.restartX, c.restartX);
      EXPECT_EQ(out.restartY, c.restartY);
    }
    if (c.possessionSide >= 0) {
      EXPECT_EQ(out.possessionSide, c.possessionSide);
    }
    // The marker always carries the ball.
    EXPECT_EQ(+MatchObjects[OBJECT_BALL].x, ballX);
    EXPECT_EQ(+MatchObjects[OBJECT_BALL].y, ballY);
    EXPECT_EQ(+MatchObjects[OBJECT_BALL].fixedX, ballFixedX);
    EXPECT_EQ(+MatchObjects[OBJECT_BALL].fixedY, ballFixedY);
  }
}

TEST_F(BallTest, GoalPutsTheBallInTheNetAndKeepsItThere) {
  const BallLaunchOutcome out = RunBallLaunch({796, 160, 5, 0, -3 * U, 0});
  ASSERT_EQ(out.outcome, BallOutcome::Goal);
  EXPECT_EQ(ballOutState, 1);
  EXPECT_LT(ballY, Pitch.minY - 2);
  // Let it run on: the net holds it (never deeper than 35 behind the line,
  // never outside the posts, never above 19).
  for (int frame = 0; frame < 300; ++frame) {
    BallUpdate();
    EXPECT_GE(ballY, Pitch.minY - 36);
    EXPECT_GT(ballX, Pitch.goalPostMinX);
    EXPECT_LT(ballX, Pitch.goalPostMaxX);
    EXPECT_LE(BallHeight, 19);
  }
  EXPECT_EQ(MatchState, STATE_GOAL);
}

TEST_F(BallTest, GoalNeedsTheBallBelowTheBarAndWithinThePosts) {
  struct Case {
    int x, height;
    bool goal;
  } cases[] = {{796, 0, true}, {796, 12, true}, {796, 13, false}, {727, 5, true}, {865, 5, true},
               {726, 5, false}, {866, 5, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x * 100 + c.height);
    Fresh();
    postCooldown = 200;  // no woodwork in the way
    PlaceBall(c.x, 119, c.height, 0, -2 * U, 0);
    stepX = ballX;
    stepY = ballY;
    BallStepRules();
    EXPECT_EQ(MatchState == STATE_GOAL, c.goal);
    EXPECT_EQ(ballOutState == 1, c.goal);
  }
}

// --- posts and bar --------------------------------------------------------------------------

TEST_F(BallTest, WoodworkDeflectionTable) {
  struct Case {
    int x, height;
    int32_t vx, vy;
    int32_t wantVx, wantVy;  // checked exactly unless the entry flips at random
    int comment;
  } cases[] = {
      {727, 5, U, -4 * U, -4 * U, -U, 193},        // entry 0: a quarter turn at the low end
      {733, 5, U, -4 * U, -4 * U, -U, 193},        // entry 6
      {729, 5, U, -4 * U, -U / 2, -4 * U, 193},    // entry 2: across reversed, halved
      {731, 5, U, -4 * U, -U / 2, -4 * U, 193},    // entry 4
      {730, 5, U, -4 * U, U, 2 * U, 193},          // entry 3: along reversed, halved
      {862, 5, -U, -4 * U, -U, 2 * U, 193},        // the far post's centre
      {796, 16, 0, -4 * U, 0, 2 * U, 197},         // entry 10: the bar's middle
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x * 100 + c.height);
    Fresh();
    PlaceBall(c.x, 122, c.height, c.vx, c.vy, 0);
    ballSpeed = 11;  // a fast ball: the first comment of each pair
    stepX = ballX;
    stepY = ballY;
    BallStepRules();
    EXPECT_EQ(ballVelX, c.wantVx);
    EXPECT_EQ(ballVelY, c.wantVy);
    EXPECT_EQ(stepHit, 1);
    EXPECT_EQ(postCooldown, 200);
    EXPECT_TRUE(Said(c.comment));
    EXPECT_EQ(g_sounds, std::vector<int>{0});
    // A second hit inside the cooldown passes.
    postCooldown = 150;
    stepHit = 0;
    const int32_t vx = ballVelX, vy = ballVelY;
    BallStepRules();
    EXPECT_EQ(ballVelX, vx);
    EXPECT_EQ(ballVelY, vy);
    EXPECT_EQ(stepHit, 0);
  }
}

TEST_F(BallTest, BarEntriesSendTheBallUpOrDown) {
  // S = |vx| + |vy|, at most 6 units a frame.
  struct Case {
    int height;
    int32_t wantVz;
    int32_t vyDivisor;
  } cases[] = {{13, -(5 * U / 2), 4}, {14, -(5 * U / 2), 4}, {15, -(5 * U / 4), 3},
               {17, 5 * U / 16, 3},   {18, 5 * U / 8, 4},    {19, 5 * U / 8, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    PlaceBall(796, 123, c.height, U, -4 * U, 0);
    postCooldown = 0;
    stepX = ballX;
    stepY = ballY;
    BallStepRules();
    EXPECT_EQ(ballVelHeight, c.wantVz);
    EXPECT_EQ(std::abs(ballVelY), 4 * U / c.vyDivisor);
  }
  // The speed the bar works with is capped at six units a frame.
  PlaceBall(796, 123, 18, 4 * U, -8 * U, 0);
  postCooldown = 0;
  stepX = ballX;
  stepY = ballY;
  BallStepRules();
  EXPECT_EQ(ballVelHeight, 6 * U / 8);
}

TEST_F(BallTest, PostHitsInLaunches) {
  // Straight at the near post: it comes back into play.
  BallLaunchOutcome out = RunBallLaunch({730, 150, 5, 0, -3 * U, 0});
  EXPECT_EQ(out.woodworkHits, 1);
  EXPECT_NE(out.outcome, BallOutcome::Goal);
  EXPECT_GE(out.ballY, Pitch.minY);
  // The same shot within 200 frames of an earlier hit passes the post.
  BallLaunch again{730, 150, 5, 0, -3 * U, 0};
  again.postCooldown = 120;
  out = RunBallLaunch(again);
  EXPECT_EQ(out.woodworkHits, 0);
  EXPECT_EQ(out.outcome, BallOutcome::Goal);
}

// --- boards and flags ------------------------------------------------------------------------

TEST_F(BallTest, BoardsBounceTheBallBackWithASixthOfItsSpeed) {
  struct Case {
    int x, y;
    int32_t vx, vy;
    int wallX, wallY;  // where the ball must stop (-1: not that axis)
  } cases[] = {{1498, 1000, 3 * U, 0, 1500, -1},
               {94, 1000, -3 * U, 0, 92, -1},
               {796, 2104, 0, 3 * U, -1, 2106},
               {500, 60, 0, -3 * U, -1, 58}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x * 10000 + c.y);
    g_sounds.clear();
    MatchState = STATE_THROW_IN;  // a restart already given: the lines are off
    PlaceBall(c.x, c.y, 5, c.vx, c.vy, 0);
    BallUpdate();
    if (c.wallX >= 0) {
      EXPECT_EQ(ballX, c.wallX);
      EXPECT_EQ(ballFixedX, c.wallX * U);  // the fraction is dropped at a hit
      EXPECT_LT(static_cast<int64_t>(ballVelX) * c.vx, 0);
      EXPECT_NEAR(std::abs(ballVelX), std::abs(c.vx) * 992 / 1000 / 6, 2);
    } else {
      EXPECT_EQ(ballY, c.wallY);
      EXPECT_LT(static_cast<int64_t>(ballVelY) * c.vy, 0);
      EXPECT_NEAR(std::abs(ballVelY), std::abs(c.vy) * 992 / 1000 / 6, 2);
    }
    EXPECT_EQ(g_sounds, std::vector<int>{2});
  }
}

TEST_F(BallTest, BoardAndFlagBouncesInLaunches) {
  BallLaunch board{1480, 1000, 0, 3 * U, 0, 0};
  board.state = STATE_THROW_IN;
  BallLaunchOutcome out = RunBallLaunch(board);
  EXPECT_EQ(out.boardHits, 1);
  EXPECT_EQ(out.outcome, BallOutcome::Stopped);
  EXPECT_LT(out.ballX, 1500);

  // Into the corner flag: back into play, no restart.
  out = RunBallLaunch({166, 132, 3, -2 * U, -2 * U, 0});
  EXPECT_EQ(out.boardHits, 1);
  EXPECT_EQ(out.outcome, BallOutcome::Stopped);
  EXPECT_GE(out.ballX, Pitch.minX);
  EXPECT_GE(out.ballY, Pitch.minY);
  // Above the flag it flies on and out.
  out = RunBallLaunch({166, 132, 20, -2 * U, -2 * U, 0});
  EXPECT_EQ(out.boardHits, 0);
  EXPECT_NE(out.outcome, BallOutcome::Stopped);
}

// --- the lines -------------------------------------------------------------------------------

TEST_F(BallTest, LineCasesAtTheCursor) {
  struct Case {
    int x, y;
    int16_t state;
  } cases[] = {
      {156, 1000, STATE_OPEN_PLAY},   {155, 1000, STATE_THROW_IN}, {1436, 1000, STATE_OPEN_PLAY},
      {1437, 1000, STATE_THROW_IN},   {400, 120, STATE_OPEN_PLAY}, {400, 119, STATE_GOAL_KICK},
      {400, 2044, STATE_OPEN_PLAY},   {400, 2045, STATE_CORNER},  // the carrier's side defends that end
      // Past a touch line and a goal line at once: the goal line wins.
      {150, 119, STATE_GOAL_KICK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x * 10000 + c.y);
    MatchState = STATE_OPEN_PLAY;
    ballOutState = 0;
    BallCarrier = 20;
    PlaceBall(c.x, c.y, 0, 0, -U, 0);
    stepX = ballX;
    stepY = ballY;
    BallStepRules();
    EXPECT_EQ(MatchState, c.state);
    EXPECT_EQ(ballOutState, c.state == STATE_OPEN_PLAY ? 0 : 2);
  }
}

TEST_F(BallTest, ThrowInRestartSpotLinesmanAndComment) {
  BallCarrier = 3;
  PlaceBall(160, 125, 2, -5 * U, -U, 0);
  ballSpeed = 9;
  stepX = 155;
  stepY = 122;  // crossed level with the goal line: the spot is kept inside it
  BallStepRules();
  EXPECT_EQ(MatchState, STATE_THROW_IN);
  EXPECT_EQ(restartX, 156);
  EXPECT_EQ(restartY, 123);
  EXPECT_EQ(PossessionSide, 1);
  EXPECT_EQ(+MatchObjects[OBJECT_LINESMAN_NEAR].action, 12);
  EXPECT_TRUE(Said(158));
}

// --- the walk --------------------------------------------------------------------------------

TEST_F(BallTest, WalkStopsTheMinorAxisAtTheTarget) {
  // Five units across and three along, in the air: the walk ends at the
  // target and never tests a spot beyond it (the board at 2106 stays quiet).
  MatchState = STATE_GOAL_KICK;
  PlaceBall(800, 2101, 10, 5 * U * 1000 / 992 + U / 2, 3 * U * 1000 / 992 + U / 2, 4000);
  BallUpdate();
  EXPECT_EQ(ballX, 805);
  EXPECT_EQ(ballY, 2104);
  EXPECT_GT(ballVelY, 0);
  EXPECT_TRUE(g_sounds.empty());

  // Across only: the cursor never leaves its row.
  MatchState = STATE_OPEN_PLAY;
  PlaceBall(1000, 1000, 10, 5 * U * 1000 / 992 + U / 2, 0, 4000);
  BallUpdate();
  EXPECT_EQ(ballX, 1005);
  EXPECT_EQ(ballY, 1000);
}

TEST_F(BallTest, RollBelowTheThresholdStopsAfterItsLastMove) {
  PlaceBall(796, 1082, 0, 4300, 0, 0);
  ballFixedX = 796 * U + 0x8000;
  BallUpdate();
  EXPECT_EQ(ballVelX, 0);
  // It still moved this frame (by the velocity left after drag and friction).
  EXPECT_GT(ballFixedX, 796 * U + 0x8000);
  EXPECT_EQ(ballSpeed, 0);
  EXPECT_EQ(ballDirection, 256);
}

TEST_F(BallTest, BounceKeepsTheHeightForThatFrame) {
  struct Case {
    int ground;
    int32_t wantVz;
  } cases[] = {{0, 12479}, {1, 15599}, {2, 9600}};  // 24000 x the ground's (float) bounce, truncated
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ground);
    BallKickOffReset(c.ground);
    PlaceBall(796, 1082, 0, 2 * U, 0, -20000);
    ballFixedHeight = 1000;
    BallUpdate();
    EXPECT_EQ(ballFixedHeight, 1000);
    EXPECT_EQ(ballVelHeight, c.wantVz);
  }
}

TEST_F(BallTest, FirstBounceHidesTheRestartMarker) {
  MatchObjects[OBJECT_RESTART_SPOT].x = 500;
  MatchObjects[OBJECT_RESTART_SPOT].y = 600;
  firstBounce = 1;
  PlaceBall(796, 1082, 0, U, 0, -10000);
  BallUpdate();
  EXPECT_EQ(firstBounce, 0);
  EXPECT_EQ(+MatchObjects[OBJECT_RESTART_SPOT].x, 3042);
  EXPECT_EQ(+MatchObjects[OBJECT_RESTART_SPOT].y, 3042);
}

// --- players ---------------------------------------------------------------------------------

TEST_F(BallTest, ContactTable) {
  enum Result { FEET, CHEST, DEFLECT, DEAD, NONE };
  struct Case {
    const char* name;
    int height;
    int32_t vy;  // the ball comes from larger y towards the player
    int action, facing;
    bool receiver;
    Result result;
  } cases[] = {
      {"slow low ball to feet", 0, -5 * U, 0, 0, false, FEET},
      {"slow ball at chest height", 10, -5 * U, 0, 64, false, CHEST},
      {"fast ball off the body", 2, -14 * U, 0, 0, false, DEFLECT},
      // A high ball is controlled only by the player the pass was meant for.
      {"high pass to its receiver", 14, -9 * U, 0, 64, true, CHEST},
      {"high pass to another player", 14, -9 * U, 0, 64, false, DEFLECT},
      {"trapped dead", 0, -5 * U, 49, 0, false, DEAD},
      {"a header plays it himself", 0, -5 * U, 86, 0, false, NONE},
      {"a keeper's action", 0, -5 * U, 122, 0, false, NONE},
      {"too high", 17, -5 * U, 0, 0, false, NONE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    PutPlayer(3, 800, 1000, c.facing, c.action);
    BallCarrier = 20;
    LastKicker = 20;
    PassReceiver = static_cast<int16_t>(c.receiver ? 3 : -1);
    PlaceBall(800, 1010, c.height, 0, c.vy, 4000);
    BallUpdate();
    switch (c.result) {
      case FEET:
        EXPECT_EQ(+MatchObjects[3].hasBall, 1);
        EXPECT_EQ(ballX, 800);
        EXPECT_EQ(ballY, 996);  // 4 ahead along his facing
        EXPECT_EQ(ballVelX, 0);
        EXPECT_EQ(ballVelY, 0);
        EXPECT_EQ(BallCarrier, 3);
        break;
      case CHEST:
        EXPECT_NEAR(ballVelX, 3 * U, 2);  // on along facing 64 at 2.5 x 1.2
        EXPECT_NEAR(ballVelY, 0, 2);
        EXPECT_EQ(BallCarrier, 3);
        break;
      case DEFLECT:
        EXPECT_GT(ballVelY, 0);  // met in front: back the way it came
        EXPECT_EQ(BodyDeflectLock, 4);
        EXPECT_EQ(BallCarrier, 3);
        EXPECT_TRUE(Said(204));  // off a player of the other side
        break;
      case DEAD:
        EXPECT_EQ(ballVelX, 0);
        EXPECT_EQ(ballVelY, 0);
        EXPECT_EQ(ballVelHeight, -0x8000);
        break;
      case NONE:
        EXPECT_LT(ballVelY, 0);
        EXPECT_EQ(BallCarrier, 20);
        break;
    }
    EXPECT_EQ(+MatchObjects[OBJECT_BALL].x, ballX);
    EXPECT_EQ(+MatchObjects[OBJECT_BALL].y, ballY);
  }
}

// A ball the carrier has stopped dead at his feet to look for a way on stays
// his while it lies there; nobody else gets a still ball from the contacts.
TEST_F(BallTest, AStillBallAtTheHoldersFeetStaysHis) {
  struct Case {
    const char* name;
    int action, carrier, dy, height;
    int hasBall;
  } cases[] = {
      {"looking for a way on", 5, 3, 10, 0, 1},   {"holding it still", 6, 3, 4, 0, 1},
      {"side-step", 112, 3, 4, 0, 1},             {"side-step the other way", 113, 3, 4, 0, 1},
      {"open play: no still ball", 4, 3, 4, 0, 0}, {"not the carrier", 5, 20, 4, 0, 0},
      {"rolled away from him", 5, 3, 17, 0, 0},    {"in the air", 5, 3, 4, 12, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    PutPlayer(3, 800, 1000, 0, c.action);
    BallCarrier = static_cast<int16_t>(c.carrier);
    PlaceBall(800, 1000 - c.dy, c.height, 0, 0, 0);
    BallUpdate();
    EXPECT_EQ(+MatchObjects[3].hasBall, c.hasBall);
  }
}

// A man left past the line is judged when a team-mate's ball reaches him,
// whether he takes it at his feet, on the chest or off the body; a ball last
// played by the other side never makes him offside.
TEST_F(BallTest, AFlaggedManTouchingATeamMatesBallIsOffside) {
  struct Case {
    const char* name;
    int carrier, height;
    int32_t vy;
    int flag;
    bool offside;
  } cases[] = {
      {"through ball to his feet", 5, 0, 5 * U, 1, true},
      {"on the chest", 5, 10, 5 * U, 1, true},
      {"off the body", 5, 2, 14 * U, 1, true},
      {"not flagged when it was played", 5, 0, 5 * U, 0, false},
      {"the ball came from an opponent", 20, 0, 5 * U, 1, false},
      {"his own touch before", 9, 0, 5 * U, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fresh();
    LowGoalSide = 0;  // side 0 attacks y 2042
    offsideLine[1] = 1800;
    offsideRoll = 99;
    PutPlayer(9, 800, 1900, 0, 0).ruleFlag = static_cast<uint8_t>(c.flag);
    BallCarrier = static_cast<int16_t>(c.carrier);
    LastKicker = -1;
    PlaceBall(800, 1890, c.height, 0, c.vy, 4000);
    BallUpdate();
    EXPECT_EQ(MatchState, c.offside ? STATE_OFFSIDE : STATE_OPEN_PLAY);
    EXPECT_EQ(+MatchObjects[9].offsides, c.offside ? 1 : 0);
    EXPECT_EQ(Said(121), c.offside);
  }
}

TEST_F(BallTest, DeflectionOctantGridAndFactors) {
  struct Case {
    int dx, dy, octant;
  } cases[] = {{0, -9, 0}, {-9, -9, 7}, {9, -9, 1}, {-9, 0, 6}, {9, 0, 2},
               {0, 9, 4},  {-9, 9, 5},  {9, 9, 3},  {0, 0, 0},  {-1, 2, 5}, {30, 30, 0}};
  for (const Case& c : cases) EXPECT_EQ(BodyDeflectionOctant(c.dx, c.dy), c.octant) << c.dx << "," << c.dy;
  // A ball met square in front goes back the way it came; from behind it runs on.
  EXPECT_LT(BODY_DEFLECT_FACTOR_Y[0], 0);
  EXPECT_GT(BODY_DEFLECT_FACTOR_Y[4], 0);
}

TEST_F(BallTest, FastHighBallKnocksAStandingPlayerOver) {
  struct Case {
    int facing, action, comment;
  } cases[] = {{128, 73, 202}, {0, 33, 201}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facing);
    Fresh();
    PutPlayer(3, 800, 1000, c.facing, 0);
    BallCarrier = 5;
    LastKicker = 5;
    PlaceBall(800, 1012, 13, 0, -14 * U, 4000);
    BallUpdate();
    EXPECT_EQ(+MatchObjects[3].action, c.action);
    EXPECT_TRUE(Said(c.comment));
    EXPECT_TRUE(Said(203));  // a team-mate's ball
  }
}

TEST_F(BallTest, AfterABodyDeflectionNobodyMeetsTheBallForFourFrames) {
  PutPlayer(3, 800, 1000, 0, 0);
  PutPlayer(4, 800, 1000, 0, 0);
  BodyDeflectLock = 4;
  for (int frame = 0; frame < 4; ++frame) {
    PlaceBall(800, 1006, 0, 0, -5 * U, 4000);
    BallUpdate();
    EXPECT_EQ(+MatchObjects[3].hasBall, 0);
  }
  PlaceBall(800, 1006, 0, 0, -5 * U, 4000);
  BallUpdate();
  EXPECT_EQ(+MatchObjects[3].hasBall, 1);
}

TEST_F(BallTest, TouchLockSkipsThePlayerAndCountsDown) {
  MatchObject& p = PutPlayer(3, 800, 1000, 0, 0);
  p.touchLock = 2;
  p.secondLock = 5;
  // A later player locked too: his lock counts down though player 5 takes the ball.
  MatchObject& q = PutPlayer(30, 200, 200, 0, 0);
  q.touchLock = 3;
  PutPlayer(5, 800, 1002, 0, 0);
  PlaceBall(800, 1006, 0, 0, -5 * U, 4000);
  BallUpdate();
  EXPECT_EQ(+p.hasBall, 0);
  EXPECT_EQ(+MatchObjects[5].hasBall, 1);
  EXPECT_EQ(+p.touchLock, 1);
  EXPECT_EQ(+p.secondLock, 4);
  EXPECT_EQ(+q.touchLock, 2);
}

TEST_F(BallTest, BallAtFeetAndTheDribblingPoint) {
  PutPlayer(3, 800, 1000, 64, 0);
  BallAtFeet(3);
  EXPECT_EQ(ballX, 804);
  EXPECT_EQ(ballY, 1000);
  EXPECT_EQ(+MatchObjects[OBJECT_BALL].x, 804);

  static int seenX, seenY;
  MatchSeams.stepTowardsPoint = [](int object, int x, int y) {
    EXPECT_EQ(object, OBJECT_BALL);
    seenX = x;
    seenY = y;
  };
  PutPlayer(3, 800, 1000, 0, 5);
  BallAtFeet(3);
  // 10 ahead along facing + 40.
  EXPECT_EQ(seenX, 800 + 8);
  EXPECT_EQ(seenY, 1000 - 5);
  BallAtFeet(-1);  // no such player: nothing happens
  BallAtFeet(32);
}

// --- the rest of the frame ---------------------------------------------------------------------

TEST_F(BallTest, DirectionsInTwoHundredFiftySixSteps) {
  EXPECT_EQ(GetDirection256(0, 0, 0, -1), 0);
  EXPECT_EQ(GetDirection256(0, 0, 1, 0), 64);
  EXPECT_EQ(GetDirection256(0, 0, 0, 1), 128);
  EXPECT_EQ(GetDirection256(0, 0, -1, 0), 192);
  EXPECT_EQ(GetDirection256(0, 0, 1, -1), 32);
  EXPECT_EQ(GetDirection256(100, 100, 200, 100), 64);
  EXPECT_EQ(GetDirection256(100, 100, 100, 0), 0);
}

TEST_F(BallTest, UpdateKeepsCountdownsPredictionAndMarker) {
  kickTimer = 3;
  postCooldown = 1;
  netCooldown = 0;
  PlaceBall(500, 600, 0, 3 * U, -2 * U, 0);
  BallUpdate();
  EXPECT_EQ(kickTimer, 2);
  EXPECT_EQ(postCooldown, 0);
  EXPECT_EQ(netCooldown, 0);
  EXPECT_EQ(BallFramePos[0], 500);
  EXPECT_EQ(BallFramePos[1], 600);
  EXPECT_EQ(ballSpeed, 3);  // 2.7 + 1.8 units: the whole parts, 2 + 1
  EXPECT_EQ(ballPredict[2][0], ballX + ballVelX / 750);
  EXPECT_EQ(+MatchObjects[OBJECT_BALL].x, ballX);
  EXPECT_EQ(+MatchObjects[OBJECT_BALL].fixedY, ballFixedY);
  // Other code moved the marker: the ball starts from there.
  MatchObjects[OBJECT_BALL].x = 900;
  BallUpdate();
  EXPECT_EQ(BallFramePos[0], 900);
  EXPECT_GT(ballX, 900);
}

TEST_F(BallTest, RestartsGivenByTheRules) {
  struct Seen {
    int replans = 0;
    std::vector<int> crowd;
  };
  static Seen seen;
  seen = {};
  MatchSeams.replanTeams = [] { ++seen.replans; };
  MatchSeams.crowdReaction = [](int kind) { seen.crowd.push_back(kind); };

  stepX = 600;
  stepY = 2045;
  BallCarrier = 18;
  LowGoalSide = 0;  // side 1 defends the high end
  ballSpeed = 9;
  GiveCorner();
  EXPECT_EQ(MatchState, STATE_CORNER);
  EXPECT_EQ(restartX, 600);
  EXPECT_EQ(restartY, 2045);
  EXPECT_EQ(PossessionSide, 0);
  EXPECT_EQ(CornerRecord, 18);
  EXPECT_EQ(ballOutState, 2);
  EXPECT_TRUE(Said(172));
  EXPECT_EQ(seen.crowd, std::vector<int>{2});

  ShotFrame = 40;
  ballSpeed = 5;
  BallHeight = 3;
  stepX = 870;  // 8 wide of the far post: a narrow miss
  GiveGoalKick();
  EXPECT_EQ(MatchState, STATE_GOAL_KICK);
  EXPECT_EQ(PossessionSide, 1);
  EXPECT_EQ(GoalKickRecord, 18);
  EXPECT_EQ(ShotFrame, -1);
  EXPECT_TRUE(Said(161));
  EXPECT_EQ(seen.replans, 2);

  ballX = 321;
  ballY = 654;
  BallCarrier = 7;
  GiveHandball();
  EXPECT_EQ(MatchState, STATE_KEEPER_HOLDS);
  EXPECT_EQ(restartX, 321);
  EXPECT_EQ(restartY, 654);
  EXPECT_EQ(HandballOffender, 7);
}

TEST_F(BallTest, RestartSpotsForTheRestartStates) {
  struct Case {
    int state, fromX, fromY, x, y;
  } cases[] = {
      {STATE_THROW_IN, 156, 700, 156, 700},       {STATE_CORNER, 600, 119, 156, 122},
      {STATE_CORNER, 1000, 2045, 1436, 2042},     {STATE_GOAL_KICK, 1000, 119, 956, 218},
      {STATE_GOAL_KICK, 500, 2046, 636, 1946},    {STATE_KEEPER_HOLDS, 321, 654, 321, 654},
      {STATE_GOAL, 790, 100, 796, 1082},
  };
  for (const Case& c : cases) {
    restartX = static_cast<int16_t>(c.fromX);
    restartY = static_cast<int16_t>(c.fromY);
    int16_t x = 0, y = 0;
    BallRestartSpot(c.state, &x, &y);
    EXPECT_EQ(x, c.x) << c.state;
    EXPECT_EQ(y, c.y) << c.state;
  }
  // A ball put down in the corner and played out along the goal line stays
  // in play until it passes the line.
  BallLaunch corner{156, 122, 0, 2 * U, 0, 0};
  EXPECT_EQ(RunBallLaunch(corner).outcome, BallOutcome::Stopped);
}

TEST_F(BallTest, ShootoutKickEndsWhenTheBallComesBackOrStops) {
  period = 4;
  MatchState = 18;
  ShootoutKickFlag = 1;
  PlaceBall(796, 300, 0, 0, -3 * U, 0);
  stepX = ballX;
  stepY = ballY;
  BallStepRules();
  EXPECT_EQ(MatchState, 18);  // still on its way to goal
  ballVelY = U;
  BallStepRules();
  EXPECT_EQ(MatchState, STATE_SHOOTOUT_KICK);
  EXPECT_EQ(ShootoutKickFlag, 0);

  // A goal in the shoot-out counts for the side attacking that end.
  LowGoalSide = 0;
  ballOutState = 0;
  postCooldown = 200;
  PlaceBall(796, 118, 3, 0, -2 * U, 0);
  stepX = ballX;
  stepY = ballY;
  BallStepRules();
  EXPECT_EQ(MatchState, STATE_GOAL);
  EXPECT_EQ(ShootoutScore[1], 1);
  EXPECT_NE(std::find(g_sounds.begin(), g_sounds.end(), 14), g_sounds.end());
}

TEST_F(BallTest, KickOffResetSetsTheGround) {
  struct Case {
    int ground;
    float friction, bounce;
  } cases[] = {{0, 0.94f, 0.52f}, {1, 0.95f, 0.65f}, {2, 0.96f, 0.4f}, {7, 0.94f, 0.52f}};
  for (const Case& c : cases) {
    PlaceBall(100, 100, 20, U, U, U);
    keeperHolder = 3;
    postCooldown = 9;
    ballOutState = 2;
    BallKickOffReset(c.ground);
    EXPECT_EQ(groundFriction, c.friction);
    EXPECT_EQ(groundBounce, c.bounce);
    EXPECT_EQ(ballDrag, 992);
    EXPECT_EQ(ballGravity, 4000);
    EXPECT_EQ(ballTimeScale, 100);
    EXPECT_EQ(ballX, 796);
    EXPECT_EQ(ballY, 1082);
    EXPECT_EQ(ballVelX | ballVelY | ballVelHeight, 0);
    EXPECT_EQ(keeperHolder | postCooldown | ballOutState, 0);
    EXPECT_EQ(+MatchObjects[OBJECT_BALL].x, 796);
  }
}

TEST_F(BallTest, EveryLaunchEndsInsideTheGround) {
  // Seeded launches from anywhere on the pitch, any direction, any height:
  // each ends (a restart, a goal or a ball at rest) and the ball, rolling on,
  // never leaves the boards.
  GameSeedRandom(2026);
  int goals = 0, restarts = 0;
  for (int i = 0; i < 300; ++i) {
    BallLaunch l{Pitch.minX + GameRandom() % 1281,
                 Pitch.minY + GameRandom() % 1921,
                 GameRandom() % 40,
                 (GameRandom() % 13 - 6) * U + GameRandom() % U,
                 (GameRandom() % 13 - 6) * U + GameRandom() % U,
                 (GameRandom() % 5) * U};
    l.ground = GameRandom() % 3;
    BallCarrier = static_cast<int16_t>(GameRandom() % 32);
    const BallLaunchOutcome out = RunBallLaunch(l);
    ASSERT_NE(out.outcome, BallOutcome::TimeOut) << i;
    for (int frame = 0; frame < 400; ++frame) BallUpdate();  // a given restart lets the ball roll on
    ASSERT_GE(ballX, Pitch.boundaryMinX);
    ASSERT_LE(ballX, Pitch.boundaryMaxX);
    ASSERT_GE(ballY, Pitch.netBackMinY);
    ASSERT_LE(ballY, Pitch.netBackMaxY);
    goals += out.outcome == BallOutcome::Goal;
    restarts += out.outcome != BallOutcome::Stopped;
  }
  EXPECT_GT(restarts, 0);
  EXPECT_GE(goals, 0);
}

TEST_F(BallTest, LaunchInputsOutOfRangeAreHeld) {
  BallLaunch wild{100000, -100000, -5, 0x7FFFFFFF, INT32_MIN, 0x7FFFFFFF};
  wild.maxFrames = 50;
  const BallLaunchOutcome out = RunBallLaunch(wild);
  EXPECT_GT(out.frame, 0);
}

}  // namespace
