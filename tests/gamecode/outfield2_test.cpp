#include "gamecode/outfield2.h"

#include <string>
#include <vector>

#include "engine/mem_win.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/basicacts.h"
#include "gamecode/control.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/passes.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;

struct Said {
  int event, first, second;
};
std::vector<Said> g_said;

bool SaidEvent(int event) {
  for (const Said& s : g_said)
    if (s.event == event) return true;
  return false;
}

// Side 0 attacks the goal line at 2042; everyone off but the players put on.
class Outfield2Test : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    Outfield2_Reset();
    g_said.clear();
    MatchSeams.sayComment = [](int event, int, int, int first, int second, int) {
      if (event >= 100) g_said.push_back({event, first, second});
    };
    MatchSeams.targetPoint = [](int, int, int) { return 128; };  // straight up the pitch
    MatchSeams.offBallMovement = [](int) {};
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    LowGoalSide = 0;
    MatchState = STATE_OPEN_PLAY;
    PassReceiver = -1;
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
  static MatchObject& Put(int object, int code, int x, int y, int motionFrame = 0) {
    MatchObject& p = MatchObjects[object];
    p = MatchObject{};
    p.x = static_cast<int16_t>(x);
    p.y = static_cast<int16_t>(y);
    p.fixedX = x * U;
    p.fixedY = y * U;
    p.action = static_cast<int16_t>(code);
    p.motionFrame = static_cast<int16_t>(motionFrame);
    for (int k = 0; k < 24; ++k) p.attr[k] = 60;
    if (object < MATCH_PLAYERS) ActorAt(p);
    return p;
  }
  static void ActorAt(const MatchObject& p) {
    ActorX = p.x;
    ActorY = p.y;
    ActorFixedX = p.fixedX;
    ActorFixedY = p.fixedY;
  }
  static void BallAt(int x, int y, int height = 0) {
    StopBall();
    ballX = static_cast<int16_t>(x);
    ballY = static_cast<int16_t>(y);
    ballFixedX = x * U;
    ballFixedY = y * U;
    BallHeight = static_cast<int16_t>(height);
    UpdateBallSpeed();
  }
};

// 11-13 are 7-9 turned the other way: the mirrored clips, the same key
// frames; only the third says its turn.
TEST_F(Outfield2Test, TheMirroredTurns) {
  struct Row {
    int code, motion, keyFrame;
    bool comment;
  };
  const std::vector<Row> rows = {
      {11, MOTION_ANF027R, 8, false}, {12, MOTION_ANF027BR, 17, false}, {13, MOTION_ANF027CR, 37, true},
      {7, MOTION_ANF027, 8, false},   {8, MOTION_ANF027B, 17, false},   {9, MOTION_ANF027C, 37, true},
  };
  MatchSeams.sayComment = [](int event, int, int, int first, int second, int) {
    g_said.push_back({event, first, second});
  };
  for (const Row& r : rows) {
    TearDown();
    SetUp();
    LoadBuiltMotions();
    MatchSeams.sayComment = [](int event, int, int, int first, int second, int) {
      g_said.push_back({event, first, second});
    };
    MatchObject& p = Put(5, r.code, 796, 1000);
    p.hasBall = 1;
    p.turnFacing = 64;
    BallAt(796, 1004);
    Action_TurnWithBall(5);
    EXPECT_EQ(+p.motion, r.motion) << r.code;
    EXPECT_EQ(SaidEvent(304), r.comment) << r.code;
    // Before the key frame he only turns on the spot; after it he runs on.
    p.frame = static_cast<int16_t>(r.keyFrame - 4);
    ActorAt(p);
    Action_TurnWithBall(5);
    EXPECT_EQ(ActorFixedX, +p.fixedX) << r.code;
    p.frame = static_cast<int16_t>(r.keyFrame + 2);
    p.speed = 60;
    Action_TurnWithBall(5);
    EXPECT_GT(ActorFixedX, +p.fixedX) << r.code;  // along facing 64: across, to the high side
  }
}

// The backheel's strike comes only inside its code's window, with the ball
// his and nobody holding it; a keeper's ball outside the window ends it.
TEST_F(Outfield2Test, TheBackheelWindows) {
  struct Row {
    int code, frame;
    bool hasBall;
    int16_t holder;
    bool strikes;
    int afterCode;
  };
  const std::vector<Row> rows = {
      {66, 35, true, 0, false, 66},  {66, 36, true, 0, true, 66},   {66, 44, true, 0, true, 66},
      {66, 45, true, 0, false, 66},  {110, 23, true, 0, false, 110}, {110, 24, true, 0, true, 110},
      {110, 32, true, 0, true, 110}, {110, 33, true, 0, false, 110}, {110, 28, false, 0, false, 110},
      {66, 40, true, 17, false, 66}, {66, 10, true, 17, false, 3},   {110, 40, false, 17, false, 3},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = Put(5, r.code, 796, 1000, r.frame);
    p.hasBall = r.hasBall;
    BallAt(796, 1004);
    BallCarrier = r.hasBall ? 5 : -1;
    keeperHolder = r.holder;
    PassPointX = 796;
    PassPointY = 900;
    BackheelPassFrameStep(5);
    const std::string what = std::to_string(r.code) + " frame " + std::to_string(r.frame);
    EXPECT_EQ(+p.actionArg, r.strikes ? 1 : 0) << what;
    EXPECT_EQ(ballVelY < 0, r.strikes) << what;  // back towards 900
    EXPECT_EQ(+p.action, r.afterCode) << what;
  }
}

// The launch of each backheel: its speed constant, the lift by the length,
// and the cap on a long one.
TEST_F(Outfield2Test, TheBackheelLaunch) {
  struct Row {
    int code, length, capped;
  };
  const std::vector<Row> rows = {{66, 100, 100}, {110, 100, 100}, {66, 1000, 1000},
                                 {110, 1001, 1000}, {66, 1500, 1000}};
  for (const Row& r : rows) {
    SetUp();
    BallAt(796, 1000);
    EXPECT_EQ(LaunchBackheel(r.code, r.length, 796, 900), r.capped) << r.code;
    EXPECT_EQ(+PassLength, r.capped);
    const int speed = 2000 - 2 * r.capped + (r.code == 66 ? 600 : 500);
    EXPECT_EQ(ballVelHeight, r.capped * 200 + 0x4000) << r.code;
    EXPECT_EQ(ballVelY, speed * -100) << r.code;  // the factor times the distance to the point
  }
}

// With a receiver the backheel sends him on his run and names both; without
// one nobody is named, and the pass is counted either way.
TEST_F(Outfield2Test, ABackheelToAMateOrIntoSpace) {
  for (int code : {66, 110}) {
    for (bool mate : {true, false}) {
      SetUp();
      MatchObject& p = Put(5, code, 796, 1000, code == 66 ? 40 : 28);
      p.hasBall = 1;
      MatchObject& r = Put(7, 4, 800, 900);
      r.offPitch = 0;
      r.attr[SKILL_SHIRT] = 8;
      ActorAt(p);
      BallAt(796, 1004);
      PassReceiver = static_cast<int16_t>(mate ? 7 : -1);
      PassPointX = 800;
      PassPointY = 900;
      BackheelPassFrameStep(5);
      const int comment = code == 66 ? 321 : 320;
      EXPECT_EQ(SaidEvent(comment), mate) << code;
      EXPECT_EQ(+r.action, mate ? 17 : 4) << code;
      EXPECT_EQ(+PassesByShirt[5][7], mate ? 1 : 0) << code;
      EXPECT_EQ(+p.passes, 1) << code;
      EXPECT_EQ(+PassTimer, 300);
      EXPECT_EQ(+LastPasser, 5);
      EXPECT_EQ(+LastReceiver, mate ? 7 : -1);
    }
  }
}

// The pass at a trot: style 0 speaks only when it goes back to a receiver;
// the others speak by the direction, or their no-receiver line.
TEST_F(Outfield2Test, ThePassAtATrotSpeaksByStyleAndDirection) {
  struct Row {
    int style, toX, toY;
    bool mate;
    int comment;  // 0 none
  };
  const std::vector<Row> rows = {
      {0, 796, 800, true, 307}, {0, 796, 1300, true, 0},   {0, 1100, 1000, true, 0}, {0, 796, 800, false, 0},
      {1, 1100, 1000, true, 308}, {1, 796, 800, true, 309}, {1, 796, 1300, true, 310}, {1, 796, 1300, false, 311},
      {3, 1100, 1000, true, 312}, {3, 796, 1300, false, 315}, {2, 796, 800, true, 317},  {2, 796, 1400, true, 318},
  };
  for (const Row& r : rows) {
    SetUp();
    const int frame = r.style == 2 ? 45 : 22;
    MatchObject& p = Put(5, 109, 796, 1000, frame);
    p.actionArg2 = static_cast<int16_t>(r.style);
    p.hasBall = 1;
    MatchObject& m = Put(7, 4, r.toX, r.toY);
    m.offPitch = 0;
    ActorAt(p);
    BallAt(796, 1004);
    PassReceiver = static_cast<int16_t>(r.mate ? 7 : -1);
    PassPointX = static_cast<int16_t>(r.toX);
    PassPointY = static_cast<int16_t>(r.toY);
    PassFrameStep(5);
    const std::string what = "style " + std::to_string(r.style) + " to " + std::to_string(r.toX) + "," +
                             std::to_string(r.toY);
    EXPECT_EQ(+p.actionArg, 1) << what;
    bool anyPassLine = false;
    for (const Said& s : g_said) anyPassLine |= s.event >= 307 && s.event <= 319;
    if (r.comment == 0) EXPECT_FALSE(anyPassLine) << what;
    else EXPECT_TRUE(SaidEvent(r.comment)) << what;
    EXPECT_EQ(+m.action, r.mate ? 17 : 4) << what;
    EXPECT_EQ(+ThroughPass, r.mate && (r.style == 1 || r.style == 3) ? 1 : 0) << what;
  }
}

// The jump of the glancing header and of the flick-on rises with the clip to
// a twentieth of the heading, falls back as it rose and never goes below 0.
TEST_F(Outfield2Test, TheHeadersJump) {
  struct Row {
    int heading, frame, rise, height;
  };
  const std::vector<Row> rows = {
      {80, 0, 49, 0},  {80, 49, 49, 3},  {80, 60, 49, 4},  {80, 98, 49, 1}, {80, 140, 49, 0},
      {80, 40, 40, 4}, {80, 20, 40, 2},  {80, 80, 40, 0},  {80, 120, 40, 0}, {99, 49, 49, 4},
      {0, 30, 40, 0},  {60, 55, 40, 2},
  };
  for (const Row& r : rows)
    EXPECT_EQ(JumpHeightOver(r.heading, r.frame, r.rise), r.height)
        << r.heading << " " << r.frame << " " << r.rise;
}

// The flick-on goes back over his head; the glancing header goes where he
// faces, at goal from close in, to a team-mate when he has chosen one.
TEST_F(Outfield2Test, WhereTheHeadersGo) {
  // 87: facing up the pitch (128), the ball goes back down it.
  MatchObject& p = Put(5, 87, 796, 1000, 40);
  p.facing = 128;
  p.attr[SKILL_HEADING] = 60;
  BallAt(796, 1000, 12);
  AirBallFrameStep(5);
  EXPECT_EQ(+p.actionArg, 1);
  EXPECT_LT(ballVelY, 0);
  EXPECT_EQ(ballVelHeight, BallLift(1, 12));
  EXPECT_TRUE(SaidEvent(328));
  EXPECT_EQ(+LastPasser, 5);
  EXPECT_EQ(+PassTimer, 300);
  EXPECT_EQ(+PossessionSide, 0);
  // 82 far from goal without a mate: along his facing, 330.
  SetUp();
  MatchObject& h = Put(5, 82, 796, 1000, 49);
  h.facing = 128;
  BallAt(796, 1000, 12);
  AirBallFrameStep(5);
  EXPECT_EQ(+h.actionArg, 1);
  EXPECT_GT(ballVelY, 0);
  EXPECT_TRUE(SaidEvent(330));
  // Before the frame the header is struck from, nothing.
  SetUp();
  MatchObject& e = Put(5, 82, 796, 1000, 48);
  BallAt(796, 1000, 12);
  AirBallFrameStep(5);
  EXPECT_EQ(+e.actionArg, 0);
  // A ball too low for a header stays where it is.
  SetUp();
  MatchObject& l = Put(5, 87, 796, 1000, 45);
  BallAt(796, 1000, 8);
  AirBallFrameStep(5);
  EXPECT_EQ(+l.actionArg, 0);
}

TEST_F(Outfield2Test, AGlancingHeaderToAMate) {
  LoadBuiltMotions();
  SideSlots[0][0] = 0;
  ChaseOrder[0][1] = 9;
  MatchObject& m = Put(9, 4, 900, 1150);
  m.offPitch = 0;
  m.ballDistance = 150;
  MatchObject& h = Put(5, 82, 796, 1000, 0);
  h.offPitch = 0;
  h.facing = 128;
  BallAt(796, 1000, 12);
  // The mate is chosen on the header's first frame and the ball goes to him.
  int frames = 0;
  for (; frames < 200 && h.action == 82 && h.actionArg == 0; ++frames) {
    ActorAt(h);
    Action_Header(5);
    if (h.actionArg == 0) BallAt(796, 1000, 12);  // held where he meets it
  }
  EXPECT_EQ(+h.actionArg, 1);
  EXPECT_TRUE(SaidEvent(329));
  EXPECT_EQ(+m.action, 17);
  EXPECT_EQ(+m.passX, 900);
  EXPECT_EQ(+m.passY, 1150);
  EXPECT_GT(ballVelX, 0);
  EXPECT_GT(ballVelY, 0);
}

// A mate chosen by one player's glancing header is not taken over by the
// next player's.
TEST_F(Outfield2Test, AChosenMateBelongsToHisHeader) {
  LoadBuiltMotions();
  SideSlots[0][0] = 0;
  ChaseOrder[0][1] = 9;
  MatchObject& m = Put(9, 4, 900, 1150);
  m.offPitch = 0;
  m.ballDistance = 150;
  MatchObject& h = Put(5, 82, 796, 1000, 0);
  h.offPitch = 0;
  h.facing = 128;
  BallAt(796, 1000, 12);
  Action_Header(5);  // chooses 9
  SetPlayerAction(5, 4);
  MatchObject& o = Put(6, 82, 700, 1000, 49);
  o.facing = 128;
  BallAt(700, 1000, 12);
  AirBallFrameStep(6);
  EXPECT_EQ(+o.actionArg, 1);
  EXPECT_TRUE(SaidEvent(330));
  EXPECT_FALSE(SaidEvent(329));
  EXPECT_EQ(+m.action, 4);
}

// The slide wins the ball once, on the ground and within reach, with nobody
// holding it; a ball won off an opponent is a tackle won, his own is not.
TEST_F(Outfield2Test, TheSlideTouch) {
  struct Row {
    int ballDistance, height;
    int16_t holder;
    int actionArg, carrier;
    bool touches, tackle;
  };
  const std::vector<Row> rows = {
      {10, 0, 0, 0, 20, true, true},  {15, 7, 0, 0, 20, true, true},  {16, 0, 0, 0, 20, false, false},
      {10, 8, 0, 0, 20, false, false}, {10, 0, 17, 0, 20, false, false}, {10, 0, 0, 1, 20, false, false},
      {10, 0, 0, 0, 5, true, false},  {10, 0, 0, 0, 6, true, false},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchObject& c = Put(r.carrier, 4, 796, 1010);
    c.hasBall = 1;
    BallCarrier = static_cast<int16_t>(r.carrier);
    MatchObject& p = Put(5, 105, 796, 1000);
    if (r.carrier == 5) p.hasBall = 1;
    p.ballDistance = static_cast<int16_t>(r.ballDistance);
    p.actionArg = static_cast<int16_t>(r.actionArg);
    BallAt(796, 1010, r.height);
    keeperHolder = r.holder;
    EXPECT_EQ(SlideTouch(5), r.touches) << r.ballDistance << " " << r.height << " " << r.holder;
    if (!r.touches) continue;
    EXPECT_EQ(+p.actionArg, 1);
    EXPECT_GT(ballVelY, 0);  // pushed on up the pitch
    EXPECT_EQ(+c.hasBall, 0);  // the ball is pushed away from whoever had it
    EXPECT_EQ(+SlidesWon[5], r.tackle ? 1 : 0);
    EXPECT_EQ(+p.tacklesWon, r.tackle ? 1 : 0);
    EXPECT_EQ(+BallCarrier, 5);
    EXPECT_EQ(+PossessionSide, 0);
    EXPECT_TRUE(SaidEvent(170));
    EXPECT_FALSE(SlideTouch(5));  // once
  }
}

// Taking a pass on the turn ends in open play once the ball is his, on the
// ground and still in play, or moving fast; a slow ball in the air is waited
// for, and a wait nobody ends gives up.
TEST_F(Outfield2Test, ReceivingOnTheTurnEnds) {
  struct Row {
    bool hasBall;
    int height, speed, state, after;
  };
  const std::vector<Row> rows = {
      {true, 20, 0, STATE_OPEN_PLAY, 4}, {false, 0, 0, STATE_OPEN_PLAY, 4}, {false, 20, 2, STATE_OPEN_PLAY, 4},
      {false, 20, 1, STATE_OPEN_PLAY, 76}, {false, 0, 0, STATE_THROW_IN, 76},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchState = r.state;
    MatchObject& p = Put(5, 76, 500, 500);
    p.offPitch = 0;
    p.hasBall = r.hasBall;
    BallAt(700, 900, r.height);
    ballSpeed = static_cast<uint8_t>(r.speed);
    PassPointX = 700;
    PassPointY = 900;
    Action_ReceiveTurn(5);
    EXPECT_EQ(+p.action, r.after) << r.hasBall << " " << r.height << " " << r.speed;
  }
  SetUp();
  MatchState = STATE_THROW_IN;
  MatchObject& w = Put(5, 76, 700, 900);
  BallAt(700, 906, 0);
  PassPointX = 700;
  PassPointY = 900;  // he is where the ball was aimed: he only turns to it
  int frames = 0;
  while (w.action == 76 && frames < 2000) {
    ActorAt(w);
    Action_ReceiveTurn(5);
    ++frames;
  }
  EXPECT_EQ(+w.action, 4);
  EXPECT_GE(frames, 1000);
  EXPECT_LE(frames, 1001);
}

// The receiver away from the pass runs for it: a sprint when it is far and
// ahead, a check-back when it is near.
TEST_F(Outfield2Test, ReceivingOnTheTurnRuns) {
  struct Row {
    int ballY, facing, motion;
  };
  const std::vector<Row> rows = {{900, 128, MOTION_ANF023}, {520, 0, MOTION_ANF019}, {700, 88, MOTION_ANF021}};
  for (const Row& r : rows) {
    SetUp();
    MatchState = STATE_THROW_IN;
    MatchObject& p = Put(5, 76, 500, 500);
    p.facing = static_cast<uint8_t>(r.facing);
    BallAt(500, r.ballY, 0);
    PassPointX = 100;
    PassPointY = 100;
    ballPredict[0][0] = 1400;
    ballPredict[0][1] = 2000;
    Action_ReceiveTurn(5);
    EXPECT_EQ(+p.action, 76) << r.ballY;
    EXPECT_EQ(+p.motion, r.motion) << r.ballY;
  }
}

// Following a lay-off: at a restart he watches the ball, the clip held at
// frame 30, until the wait gives up; in play a player of the side not
// kicking off watches the other side's man on the ball and joins in (4) or
// goes back to his place (3), as does everyone else at once.
TEST_F(Outfield2Test, FollowingALayOff) {
  LoadBuiltMotions();
  MatchState = STATE_CORNER_TAKEN;
  MatchObject& p = Put(5, 108, 500, 500);
  BallAt(600, 600);
  int frames = 0;
  while (p.action == 108 && frames < 2000) {
    ActorAt(p);
    Action_FollowLayOff(5);
    EXPECT_LE(+p.frame, 30);
    ++frames;
  }
  EXPECT_GE(frames, 1000);
  EXPECT_LE(frames, 1040);
  EXPECT_EQ(+p.action, 4);

  struct Row {
    int side;
    int rivalX, rivalY, targetX, targetY, after;
  };
  const std::vector<Row> rows = {
      {0, 600, 600, 500, 900, 4},   // the man is well away from his point
      {0, 600, 600, 605, 600, 4},   // he has all but got there
      {0, 600, 600, 615, 600, 3},   // between: back to his place
      {1, 600, 600, 500, 900, 3},   // the kick-off side goes back
  };
  for (const Row& r : rows) {
    TearDown();
    SetUp();
    LoadBuiltMotions();
    kickOffSide = 1;
    const int me = r.side == 0 ? 5 : 21, rival = r.side == 0 ? 20 : 4;
    MatchObject& q = Put(rival, 4, r.rivalX, r.rivalY);
    q.offPitch = 0;
    q.targetX = static_cast<int16_t>(r.targetX);
    q.targetY = static_cast<int16_t>(r.targetY);
    ActivePlayer[1 - r.side] = static_cast<int16_t>(rival);
    MatchObject& f = Put(me, 108, 500, 500);
    f.facing = 64;
    BallAt(600, 600);
    Action_FollowLayOff(me);
    EXPECT_EQ(+f.action, r.after) << r.targetX << " side " << r.side;
  }
}

}  // namespace
