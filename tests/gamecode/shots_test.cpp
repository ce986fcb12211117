#include "gamecode/shots.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/motion.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/goalcomment.h"
#include "gamecode/kickexec.h"
#include "gamecode/keeper.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/teamops.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"
#include "support/match_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

struct Said {
  int event, first, number;
};
std::vector<Said> g_said;

// A shooter of side 0 (attacking the goal line at 2042) on an empty pitch.
class ShotsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    g_said.clear();
    // The shooting calls (the touch and possession lines are the ball's).
    MatchSeams.sayComment = [](int event, int, int, int first, int, int number) {
      if (event >= 200) g_said.push_back({event, first, number});
    };
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    LowGoalSide = 0;
    MatchState = STATE_OPEN_PLAY;
    ShotTargetX = 796;
    ShotTargetY = 2042;
    ShotFrame = -1;
  }
  // The shooter at (x, y) with the ball at his feet, at the motion frame.
  static MatchObject& Shooter(int object, int code, int variant, int x, int y, int motionFrame) {
    return PutShooter(object, code, variant, x, y, motionFrame);
  }
  // A shooter `yards` whole yards out, straight in front of the goal.
  static MatchObject& ShooterAtYards(int code, int variant, int yards, int motionFrame) {
    return Shooter(5, code, variant, 796, 2042 - yards * 16 - 8, motionFrame);
  }
};

// Counted only from 35 yards or nearer; the call by code and distance.
TEST_F(ShotsTest, AShotIsCountedAndCalledByItsYards) {
  struct Row {
    int code, yards, event;  // event 0: neither counted nor called
  };
  const std::vector<Row> rows = {
      {78, 3, 276},  {78, 7, 277},  {78, 12, 278}, {78, 17, 279}, {78, 25, 280}, {78, 35, 280}, {78, 36, 0},
      {81, 4, 271},  {81, 9, 272},  {81, 14, 273}, {81, 19, 274}, {81, 20, 275}, {81, 50, 0},
      {52, 2, 217},  {52, 30, 217}, {52, 36, 0},
  };
  for (const Row& r : rows) {
    SetUp();
    const int frame = r.code == 52 ? 55 : r.code == 81 ? 35 : 30;
    MatchFrameCounter = 1234;
    MatchObject& p = ShooterAtYards(r.code, 0, r.yards, frame);
    ShotFrameStep(5);
    const std::string what = std::to_string(r.code) + " from " + std::to_string(r.yards);
    EXPECT_EQ(+p.actionArg, 1) << what;  // struck either way
    EXPECT_GT(ballVelY, 0) << what;      // towards the goal
    EXPECT_EQ(LastKicker, 5) << what;
    EXPECT_EQ(p.hasBall, 0) << what;
    EXPECT_EQ(+p.shots, r.event ? 1 : 0) << what;
    EXPECT_EQ(SideShots[0], r.event ? 1 : 0) << what;
    EXPECT_EQ(ShotFrame, r.event ? 1234 : -1) << what;
    EXPECT_EQ(LastShooter, r.event ? 5 : -1) << what;
    ASSERT_EQ(g_said.size(), r.event ? 1u : 0u) << what;
    if (r.event) {
      EXPECT_EQ(g_said[0].event, r.event) << what;
      EXPECT_EQ(g_said[0].number, r.yards) << what;
    }
  }
}

// The strike comes only inside the window, with the ball at his feet and
// nobody holding it; a keeper's ball outside the window ends the shot.
TEST_F(ShotsTest, TheStrikeWindowAndAKeepersBall) {
  struct Row {
    int code, variant, frame;
    bool hasBall;
    int16_t holder;
    bool strikes;
    int afterCode;
  };
  const std::vector<Row> rows = {
      {78, 0, 26, true, 0, false, 78}, {78, 0, 27, true, 0, true, 78},  {78, 0, 35, true, 0, true, 78},
      {78, 0, 36, true, 0, false, 78}, {78, 1, 33, true, 0, false, 78}, {78, 1, 34, true, 0, true, 78},
      {78, 1, 42, true, 0, true, 78},  {78, 1, 43, true, 0, false, 78}, {81, 0, 31, true, 0, true, 81},
      {81, 1, 46, true, 0, true, 81},  {81, 1, 47, true, 0, false, 81}, {52, 0, 51, true, 0, true, 52},
      {52, 1, 60, true, 0, true, 52},  {52, 1, 51, true, 0, false, 52}, {78, 0, 30, false, 0, false, 78},
      {78, 0, 30, true, 17, false, 78}, {78, 0, 20, false, 17, false, 3}, {52, 0, 40, false, 1, false, 3},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = ShooterAtYards(r.code, r.variant, 20, r.frame);
    p.hasBall = r.hasBall;
    keeperHolder = r.holder;
    ShotFrameStep(5);
    const std::string what = std::to_string(r.code) + "/" + std::to_string(r.variant) + " frame " +
                             std::to_string(r.frame) + " holder " + std::to_string(r.holder);
    EXPECT_EQ(p.actionArg == 1, r.strikes) << what;
    EXPECT_EQ(ballVelY != 0, r.strikes) << what;
    EXPECT_EQ(+p.action, r.afterCode) << what;
  }
}

// The ball's contact flag lasts the frame he met it: a still ball he
// touched last, at his feet, is still his to strike.
TEST_F(ShotsTest, AStillBallAtHisFeetIsHis) {
  struct Row {
    int16_t carrier;
    int ballAhead, height;
    bool strikes;
  };
  const std::vector<Row> rows = {{5, 4, 0, true}, {5, 9, 6, true}, {5, 10, 0, false}, {5, 4, 7, false},
                                 {6, 4, 0, false}, {-1, 4, 0, false}};
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = ShooterAtYards(78, 0, 20, 30);
    p.hasBall = 0;
    BallCarrier = r.carrier;
    ballY = static_cast<int16_t>(p.y + r.ballAhead);
    ballFixedY = ballY * U;
    BallHeight = static_cast<int16_t>(r.height);
    ShotFrameStep(5);
    EXPECT_EQ(p.actionArg == 1, r.strikes) << r.carrier << " " << r.ballAhead << " " << r.height;
  }
}

// A lofted shot (variant 1) from beyond 40 yards rises and loses two fifths
// of its pace; from nearer it is kept down.
TEST_F(ShotsTest, TheLoftedShotFromFarOut) {
  for (int code : {78, 81}) {
    SetUp();
    ShooterAtYards(code, 1, 30, code == 78 ? 38 : 40);
    ShotFrameStep(5);
    const int32_t nearSpeed = ballVelY, nearLift = ballVelHeight;
    SetUp();
    ShooterAtYards(code, 1, 45, code == 78 ? 38 : 40);
    ShotFrameStep(5);
    const int32_t base = code == 78 ? 110592 : 114688;
    EXPECT_LT(nearLift, base) << code;
    EXPECT_GT(ballVelHeight, base) << code;
    EXPECT_NEAR(ballVelY, nearSpeed * 60 / 100, nearSpeed / 50) << code;
  }
  // The low drive (variant 0): 0.6875 and the intelligence.
  SetUp();
  MatchObject& p = ShooterAtYards(78, 0, 20, 30);
  p.attr[SKILL_INTELLIGENCE] = 41;
  ShotFrameStep(5);
  EXPECT_EQ(ballVelHeight, 45056 + 2 * 20 * 256);
}

// A ball lofted upfield sends the free team-mates near where it comes down
// to follow it (code 14); a low drive sends nobody. The keeper's kick does
// the same with a wider reach.
TEST_F(ShotsTest, TeamMatesFollowALoftedBallToWhereItFalls) {
  // Where it comes down: strike once to learn it, then again with the team
  // on the pitch (the same rolls).
  auto strike = [](bool lofted) {
    ShooterAtYards(78, lofted ? 1 : 0, 45, 38);
    BallFramePos[0] = ballX;
    BallFramePos[1] = ballY;
    LandingPointX = LandingPointY = 0;
    ShotFrameStep(5);
  };
  GameSeedRandom(7);
  strike(true);
  const int fallX = LandingPointX, fallY = LandingPointY;
  ASSERT_GT(fallY, 2042 - 45 * 16);
  struct Row {
    const char* name;
    int object, dx, action, after;
  };
  const std::vector<Row> rows = {{"a free team-mate close by", 6, 40, 3, 14},
                                 {"a free team-mate too far", 7, 140, 3, 3},
                                 {"a team-mate busy in a restart walk", 8, 30, 63, 63},
                                 {"an opponent close by", 20, 20, 3, 3}};
  for (bool lofted : {true, false}) {
    SetUp();
    for (const Row& r : rows) {
      MatchObject& o = MatchObjects[r.object];
      o = MatchObject{};
      o.x = static_cast<int16_t>(fallX + r.dx);
      o.y = static_cast<int16_t>(fallY);
      o.action = static_cast<int16_t>(r.action);
    }
    GameSeedRandom(7);
    strike(lofted);
    for (const Row& r : rows)
      EXPECT_EQ(+MatchObjects[r.object].action, lofted ? r.after : r.action) << r.name << " lofted " << lofted;
    EXPECT_EQ(+MatchObjects[6].speed, lofted ? 140 : 0);
  }
  // The keeper's clearance: team-mates within 120 of its fall go.
  auto clear = [] {
    MatchObject& k = MatchObjects[0];
    k = MatchObject{};
    k.x = 796;
    k.y = 300;
    k.fixedX = 796 * U;
    k.fixedY = 300 * U;
    k.action = 133;
    ActorX = k.x;
    ActorY = k.y;
    ActorFixedX = k.fixedX;
    ActorFixedY = k.fixedY;
    CurrentSide = 0;
    keeperHolder = 0;
    ballX = 796;
    ballY = 304;
    ballFixedX = ballX * U;
    ballFixedY = ballY * U;
    BallHeight = 0;
    StopBall();
    BallFramePos[0] = ballX;
    BallFramePos[1] = ballY;
    LandingPointX = LandingPointY = 0;
    Keeper_DesperateClear(0);
  };
  SetUp();
  GameSeedRandom(11);
  clear();
  const int kickX = LandingPointX, kickY = LandingPointY;
  ASSERT_GT(kickY, 600);
  SetUp();
  for (const auto& [object, dx] : {std::pair{6, 110}, std::pair{7, 130}}) {
    MatchObject& o = MatchObjects[object];
    o = MatchObject{};
    o.x = static_cast<int16_t>(kickX + dx);
    o.y = static_cast<int16_t>(kickY);
    o.action = 3;
  }
  GameSeedRandom(11);
  clear();
  EXPECT_EQ(+MatchObjects[6].action, 14);
  EXPECT_EQ(+MatchObjects[7].action, 3);
}

// The keeper reads the drives and hits: shooter, flag, strength and the
// side's last attacker; the try from anywhere leaves them alone.
TEST_F(ShotsTest, TheKeeperSideRecordOfAShot) {
  for (int code : {78, 81, 52}) {
    SetUp();
    ShooterAtYards(code, 0, 15, code == 52 ? 55 : 35);
    ShotFrameStep(5);
    const bool recorded = code != 52;
    EXPECT_EQ(KeeperShotFlag, recorded ? 1 : 0) << code;
    EXPECT_EQ(KeeperShotShooter, recorded ? 5 : -1) << code;
    EXPECT_EQ(LastScorerBySide[0], recorded ? 5 : 255) << code;
    if (recorded) {
      EXPECT_EQ(KeeperShotStrength, ballSpeed) << code;
      EXPECT_GT(KeeperShotStrength, 0) << code;
    }
  }
}

// A volley strikes only a ball under its height limit, within reach and
// inside the window; with full agility the lift is exactly the base.
TEST_F(ShotsTest, AVolleyStrikesOnlyABallItCanReach) {
  struct Row {
    int code, frame, height, ballAhead;
    bool strikes;
  };
  const std::vector<Row> rows = {
      {80, 75, 12, 4, true},  {80, 75, 13, 4, false}, {80, 71, 5, 4, false}, {80, 79, 5, 4, true},
      {80, 80, 5, 4, false},  {83, 95, 16, 4, true},  {83, 95, 17, 4, false}, {84, 18, 16, 4, true},
      {84, 20, 5, 60, false},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = Shooter(9, r.code, 0, 796, 1800, r.frame);
    p.hasBall = 0;
    p.passX = 796;
    p.passY = 1800;
    p.attr[SKILL_AGILITY] = 100;
    ballY = static_cast<int16_t>(1800 + r.ballAhead);
    ballFixedY = ballY * U;
    BallHeight = static_cast<int16_t>(r.height);
    VolleyFrameStep(9);
    const std::string what = std::to_string(r.code) + " frame " + std::to_string(r.frame) + " height " +
                             std::to_string(r.height) + " ahead " + std::to_string(r.ballAhead);
    EXPECT_EQ(p.actionArg == 1, r.strikes) << what;
    if (!r.strikes) continue;
    const int32_t base = r.code == 80 ? 40960 : r.code == 83 ? 65536 : 49152;
    EXPECT_EQ(ballVelHeight, base) << what;
    EXPECT_GT(ballVelY, 0) << what;  // along his facing (128: towards larger y)
    EXPECT_EQ(LastKicker, 0) << what;
    EXPECT_EQ(+p.shots, 1) << what;
    EXPECT_EQ(SideShots[0], 1) << what;
    ASSERT_EQ(g_said.size(), 1u) << what;
    EXPECT_EQ(g_said[0].event, r.code == 80 ? 294 : r.code == 83 ? 295 : 296) << what;
  }
}

// Through the frame loop with the built motions: the drive is held until
// its window, struck once at frame 27 and the player trots off (3) when
// the kick has played out.
TEST_F(ShotsTest, ADriveThroughTheFrameLoop) {
  InitMemory(16000);
  if (!WithBuiltHardDiskPak(LoadMotions)) GTEST_SKIP() << "no game data";
  MatchObject& p = ShooterAtYards(78, 0, 20, 0);
  p.offPitch = 0;
  int struckAt = -1, frames = 0;
  for (; frames < 400 && p.action == 78; ++frames) {
    player_action();
    if (struckAt < 0 && p.actionArg == 1) struckAt = p.motionFrame;
    if (p.actionArg == 0) p.hasBall = 1;  // the ball stays at his feet until the strike
  }
  FreeMotions();
  EXPECT_EQ(struckAt, 27);
  EXPECT_EQ(+p.shots, 1);
  EXPECT_GT(ballVelY, 0);
  EXPECT_EQ(+p.action, 3);
}

}  // namespace
