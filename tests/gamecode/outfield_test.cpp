#include "gamecode/outfield.h"

#include <string>
#include <vector>

#include "gamecode/actions.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/goalcomment.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/officials.h"
#include "gamecode/challenge.h"
#include "gamecode/movement.h"
#include "gamecode/shots.h"
#include "gamecode/tackle.h"
#include "gamecode/teamops.h"
#include "support/engine_fixture.h"
#include "support/match_fixture.h"

namespace {

constexpr int32_t U = 0x10000;
std::vector<int> g_said;

// A shooter of side 0 (attacking the goal line at 2042) on an empty pitch.
class OutfieldTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    Outfield_Reset();
    g_said.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) {
      if (event >= 100) g_said.push_back(event);
    };
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    LowGoalSide = 0;
    MatchState = STATE_OPEN_PLAY;
    ShotTargetX = 796;
    ShotTargetY = 2042;
    ShotFrame = -1;
  }
  static MatchObject& Shooter(int code, int variant, int x, int y, int motionFrame) {
    return PutShooter(5, code, variant, x, y, motionFrame);
  }
};

void RunCode(int code) {
  if (code == 14) Action_FollowBall(5);
  else if (code == 96) Action_RunToPoint(5);
  else if (code == 85) Action_WaitForPass(5);
  else Action_WalkToPoint(5);
}

// The strike comes only inside the variant's window, with the ball his and
// nobody holding it; a keeper's ball outside the window ends the shot.
TEST_F(OutfieldTest, TheStrikeWindows) {
  struct Row {
    int code, variant, frame;
    bool hasBall;
    int16_t holder;
    bool strikes;
    int afterCode;
  };
  const std::vector<Row> rows = {
      {106, 0, 18, true, 0, false, 106}, {106, 0, 19, true, 0, true, 106},  {106, 0, 27, true, 0, true, 106},
      {106, 0, 28, true, 0, false, 106}, {106, 1, 54, true, 0, false, 106}, {106, 1, 55, true, 0, true, 106},
      {106, 1, 63, true, 0, true, 106},  {107, 0, 18, true, 0, true, 107},  {107, 0, 27, true, 0, false, 107},
      {107, 1, 40, true, 0, false, 107}, {107, 1, 49, true, 0, true, 107},  {97, 0, 55, true, 0, true, 97},
      {97, 1, 54, true, 0, false, 97},   {98, 0, 41, true, 0, true, 98},    {98, 0, 50, true, 0, false, 98},
      {106, 0, 20, false, 0, false, 106}, {98, 0, 45, true, 17, false, 98}, {107, 0, 10, false, 17, false, 3},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = Shooter(r.code, r.variant, 796, 2042 - 20 * 16, r.frame);
    p.hasBall = r.hasBall;
    keeperHolder = r.holder;
    PlacedShotFrameStep(5);
    const std::string what = std::to_string(r.code) + "/" + std::to_string(r.variant) + " frame " +
                             std::to_string(r.frame) + " holder " + std::to_string(r.holder);
    EXPECT_EQ(p.actionArg == 1, r.strikes) << what;
    EXPECT_EQ(ballVelY > 0, r.strikes) << what;
    EXPECT_EQ(+p.action, r.afterCode) << what;
  }
}

// One strike per action: the shot and its records are counted once.
TEST_F(OutfieldTest, OneStrikePerAction) {
  for (int code : {97, 98, 106, 107}) {
    SetUp();
    MatchFrameCounter = 321;
    const int frame = code == 97 ? 56 : code == 98 ? 42 : code == 106 ? 20 : 19;
    MatchObject& p = Shooter(code, 0, 796, 2042 - 18 * 16, frame);
    PlacedShotFrameStep(5);
    p.hasBall = 1;
    PlacedShotFrameStep(5);
    const std::string what = std::to_string(code);
    EXPECT_EQ(+p.shots, 1) << what;
    EXPECT_EQ(SideShots[0], 1) << what;
    EXPECT_EQ(LastShooter, 5) << what;
    EXPECT_EQ(LastKicker, 5) << what;
    EXPECT_EQ(ShotFrame, 321) << what;
    EXPECT_EQ(spinHold, 16) << what;
    ASSERT_EQ(g_said.size(), 1u) << what;
    EXPECT_EQ(g_said[0], code < 100 ? 171 : 338) << what;
  }
}

// The dipping placed shot keeps its full lift from 25 yards out; nearer it
// loses 50 a unit, unless the shooting roll fails.
TEST_F(OutfieldTest, ThePlacedShotsLift) {
  struct Row {
    int variant, skill, distance;
    bool failed;
    int32_t lift;
  };
  const std::vector<Row> rows = {
      {0, 0, 100, false, 0xB000},
      {0, 60, 100, false, 0xB000 + 60 * 256},
      {1, 0, 400, false, 0x1C000},
      {1, 0, 500, false, 0x1C000},
      {1, 0, 399, false, 0x1C000 - 50},
      {1, 0, 200, false, 0x1C000 - 50 * 200},
      {1, 0, 200, true, 0x1C000},
      {1, 40, 200, true, 0x1C000 - 40 * 1280},
  };
  for (const Row& r : rows)
    EXPECT_EQ(PlacedShotLift(r.variant, r.skill, r.distance, r.failed), r.lift)
        << r.variant << " " << r.skill << " " << r.distance << " " << r.failed;
  EXPECT_EQ(CurledShotLift(400), 0x1C000 - 50);
  EXPECT_EQ(CurledShotLift(1000), 0x1C000 - 50);
  EXPECT_EQ(CurledShotLift(300), 0x1C000 - 50 * 100);
}

// The curl bends back towards the middle: out on the low-x side it spins
// one way, on the other side the other, for 30 frames.
TEST_F(OutfieldTest, TheCurlBendsBackInside) {
  for (int x : {500, 1100}) {
    SetUp();
    Shooter(98, 0, x, 2042 - 18 * 16, 45);
    PlacedShotFrameStep(5);
    EXPECT_EQ(ballSpinX, x < 796 ? -8000 : 8000) << x;
    EXPECT_EQ(ballSpinY, 0);
    EXPECT_EQ(ballSpinFrames, 30);
  }
}

// A shooter who loses the ball before the window never strikes.
TEST_F(OutfieldTest, LosingTheBallBeforeTheWindow) {
  MatchObject& p = Shooter(107, 1, 796, 2042 - 20 * 16, 30);
  PlacedShotFrameStep(5);
  p.hasBall = 0;
  BallCarrier = 9;
  p.motionFrame = 45;
  PlacedShotFrameStep(5);
  EXPECT_EQ(+p.actionArg, 0);
  EXPECT_EQ(+p.shots, 0);
}

// The movement codes end: following a ball that comes back, the point
// reached in open play, and a wait nobody ends.
TEST_F(OutfieldTest, TheMovementCodesEnd) {
  struct Row {
    int code, state, height;
    int32_t velY;
    int targetDistance, after;
  };
  const std::vector<Row> rows = {
      {14, STATE_OPEN_PLAY, 10, -U, 100, 3},  {14, STATE_OPEN_PLAY, 20, -U, 100, 14},
      {14, STATE_OPEN_PLAY, 10, U, 100, 14},  {96, STATE_OPEN_PLAY, 0, 0, 3, 0},
      {96, STATE_OPEN_PLAY, 0, 0, 100, 96},   {96, 1, 0, 0, 3, 96},
      {103, STATE_OPEN_PLAY, 0, 0, 100, 3},   {103, 1, 0, 0, 100, 103},
  };
  for (const Row& r : rows) {
    SetUp();
    MatchState = static_cast<int16_t>(r.state);
    MatchObject& p = Shooter(r.code, 0, 796, 1000, 0);
    p.hasBall = 0;
    p.targetX = 796;
    p.targetY = static_cast<int16_t>(1000 + r.targetDistance);
    ballX = 700;
    ballY = 1500;
    BallHeight = static_cast<int16_t>(r.height);
    ballVelY = r.velY;
    RunCode(r.code);
    EXPECT_EQ(+p.action, r.after) << r.code << " state " << r.state;
  }
  // A wait at the point outside open play, or for a pass, gives up after
  // the limit.
  for (int code : {96, 85}) {
    SetUp();
    MatchState = STATE_FOUL;
    MatchObject& p = Shooter(code, 0, 796, 1000, 0);
    p.targetX = 796;
    p.targetY = 1000;
    int frames = 0;
    for (; frames <= OUTFIELD_WAIT_LIMIT + 1 && p.action == code; ++frames) RunCode(code);
    EXPECT_NE(+p.action, code) << code;
    EXPECT_EQ(frames, OUTFIELD_WAIT_LIMIT + 1) << code;
  }
}

// The referee and a dive: fooled by a good dribbler (free kick to the
// diver, the other keeper named), or booking a poor one (free kick the
// other way), or neither; never outside open play, never a booking for a
// side with four men sent off.
TEST_F(OutfieldTest, TheRefereeAndADive) {
  struct Row {
    int dribbling, foulChance, sentOff, state;
    DiveOutcome outcome;
  };
  const std::vector<Row> rows = {
      {100, 0, 0, STATE_OPEN_PLAY, DIVE_FREE_KICK}, {0, 100, 0, STATE_OPEN_PLAY, DIVE_BOOKED},
      {0, 0, 0, STATE_OPEN_PLAY, DIVE_PLAY_ON},     {0, 100, 4, STATE_OPEN_PLAY, DIVE_PLAY_ON},
      {100, 100, 0, STATE_FOUL, DIVE_PLAY_ON},
  };
  for (const Row& r : rows) {
    SetUp();
    RefereeFavouredSide = 0;
    RefereeRule1 = static_cast<int8_t>(r.foulChance);
    SideSendingsOff[0] = static_cast<uint8_t>(r.sentOff);
    SideSlots[1][0] = 16;
    MatchState = static_cast<int16_t>(r.state);
    MatchObject& p = Shooter(72, 0, 700, 1500, 0);
    p.attr[SKILL_DRIBBLING] = static_cast<uint8_t>(r.dribbling);
    RefereeDecision = 0;
    Fouler = -1;
    const DiveOutcome got = JudgeDive(5);
    const std::string what = std::to_string(r.dribbling) + "/" + std::to_string(r.foulChance) + "/" +
                             std::to_string(r.sentOff) + "/" + std::to_string(r.state);
    EXPECT_EQ(got, r.outcome) << what;
    EXPECT_EQ(MatchState, r.outcome == DIVE_PLAY_ON ? r.state : STATE_FOUL) << what;
    EXPECT_EQ(RefereeDecision, r.outcome == DIVE_BOOKED ? 8 : 0) << what;
    if (r.outcome == DIVE_FREE_KICK) {
      EXPECT_EQ(FouledPlayer, 5) << what;
      EXPECT_EQ(Fouler, 16) << what;
      EXPECT_EQ(+FoulingSide, 1) << what;
    } else if (r.outcome == DIVE_BOOKED) {
      EXPECT_EQ(Fouler, 5) << what;
      EXPECT_EQ(FouledPlayer, 16) << what;
      EXPECT_EQ(+FoulingSide, 0) << what;
    } else {
      EXPECT_EQ(Fouler, -1) << what;
      EXPECT_TRUE(g_said.empty()) << what;
    }
    if (r.outcome != DIVE_PLAY_ON) {
      ASSERT_EQ(g_said.size(), 1u) << what;
      EXPECT_EQ(g_said[0], r.outcome == DIVE_FREE_KICK ? 336 : 337) << what;
      EXPECT_EQ(restartX, 700) << what;
      EXPECT_EQ(restartY, 1500) << what;
    }
  }
}

// A reckless challenge that meets the man: the foul's conditions, then the
// card: none for a side with four men off or from its keeper; the roll of
// 100 against the threshold; red for the last man through the middle.
TEST_F(OutfieldTest, TheRecklessChallengesFoulAndCard) {
  struct Row {
    int foulChance, ballDistance, flag, duel, state;
    bool clearing;
    int sentOff;
    bool keeper, lastMan;
    int threshold;
    bool foul;
    int decision;
    std::vector<int> said;
  };
  const std::vector<Row> rows = {
      {100, 20, 0, 0, STATE_OPEN_PLAY, false, 0, false, false, -1, true, 8, {331, 332}},
      {100, 20, 0, 0, STATE_OPEN_PLAY, false, 0, false, false, 127, true, 9, {331, 333}},
      {100, 20, 0, 0, STATE_OPEN_PLAY, false, 0, false, true, -1, true, 9, {331, 332, 334}},
      {100, 20, 0, 0, STATE_OPEN_PLAY, false, 4, false, true, -1, true, 0, {331}},
      {100, 20, 0, 0, STATE_OPEN_PLAY, false, 0, true, false, -1, true, 0, {331}},
      {0, 20, 0, 0, STATE_OPEN_PLAY, false, 0, false, false, -1, false, 0, {}},
      {100, 5, 0, 0, STATE_OPEN_PLAY, false, 0, false, false, -1, false, 0, {}},
      {100, 20, 1, 0, STATE_OPEN_PLAY, false, 0, false, false, -1, false, 0, {}},
      {100, 20, 0, 1, STATE_OPEN_PLAY, false, 0, false, false, -1, false, 0, {}},
      {100, 20, 0, 0, STATE_OPEN_PLAY, true, 0, false, false, -1, false, 0, {}},
      {100, 20, 0, 0, STATE_FOUL, false, 0, false, false, -1, false, 0, {}},
  };
  int n = 0;
  for (const Row& r : rows) {
    SetUp();
    RefereeFavouredSide = 0;
    RefereeRule1 = static_cast<int8_t>(r.foulChance);
    RefereeRule2 = static_cast<int8_t>(r.threshold);
    SideSendingsOff[0] = static_cast<uint8_t>(r.sentOff);
    MatchState = static_cast<int16_t>(r.state);
    MatchObject& p = Shooter(116, 0, 796, 1000, 10);
    p.hasBall = 0;
    p.actionArg2 = static_cast<int16_t>(r.flag);
    p.attr[SKILL_TACKLING] = 60;  // reaches a ball 5 away
    for (int k = 0; k < 16; ++k) SideSlots[0][k] = -1;
    SideSlots[0][0] = r.keeper ? 5 : 0;
    SideSlots[0][1] = 5;
    MatchObjects[5].offPitch = 0;
    if (!r.lastMan) {
      SideSlots[0][2] = 6;
      MatchObjects[6] = MatchObject{};
      MatchObjects[6].y = 200;
    }
    MatchObject& c = MatchObjects[20];
    c = MatchObject{};
    c.x = 796;
    c.y = 1010;
    c.ballDistance = static_cast<int16_t>(r.ballDistance);
    ballX = 796;
    RefereeDecision = 0;
    Fouler = -1;
    const int before = DuelTallies[5].challengeFouls;
    const bool foul = RecklessFoul(5, 20, r.clearing, r.duel);
    const std::string what = "row " + std::to_string(n++);
    EXPECT_EQ(foul, r.foul) << what;
    EXPECT_EQ(RefereeDecision, r.decision) << what;
    EXPECT_EQ(g_said, r.said) << what;
    EXPECT_EQ(DuelTallies[5].challengeFouls - before, r.foul ? 1 : 0) << what;
    EXPECT_EQ(+RecklessFouls[5], r.foul ? 1 : 0) << what;
    EXPECT_EQ(MatchState, r.foul ? STATE_FOUL : r.state) << what;
    if (r.foul) {
      EXPECT_EQ(Fouler, 5) << what;
      EXPECT_EQ(FouledPlayer, 20) << what;
      EXPECT_EQ(restartY, 1010) << what;
    }
  }
}

// The lift of a blocked ball by its height: down when low, up when high,
// heights of 29 and more as 29.
TEST_F(OutfieldTest, TheBlockLift) {
  const std::vector<std::pair<int, int32_t>> rows = {
      {-3, -98304}, {0, -98304}, {4, -16384}, {5, 0}, {6, 4096}, {12, 40960}, {13, 49152}, {29, 49152}, {80, 49152}};
  for (const auto& [height, lift] : rows) EXPECT_EQ(BlockLift(height), lift) << height;
}

// A block touches the ball once when it is in reach and low enough: killed
// or bounced off along his facing, the lift by the height, the comment by
// the foot.
TEST_F(OutfieldTest, ABlockTouchesOnce) {
  struct Row {
    bool left;
    int ballAhead, height;
    bool touches;
  };
  const std::vector<Row> rows = {{true, 0, 0, true}, {false, 10, 10, true}, {false, 20, 3, true},
                                 {false, 30, 0, false}, {true, 0, 16, false}};
  for (const Row& r : rows) {
    SetUp();
    MatchObject& p = Shooter(r.left ? 114 : 115, 0, 796, 1000, 5);
    p.hasBall = 0;
    p.facing = 0;
    ballY = static_cast<int16_t>(1000 + r.ballAhead);
    BallHeight = static_cast<int16_t>(r.height);
    const std::string what = std::to_string(r.left) + " " + std::to_string(r.ballAhead) + " " +
                             std::to_string(r.height);
    EXPECT_EQ(BlockTouch(5, r.left), r.touches) << what;
    EXPECT_FALSE(BlockTouch(5, r.left)) << what;
    EXPECT_EQ(ControlledBlocks[5] + Deflections[5], r.touches ? 1 : 0) << what;
    if (!r.touches) continue;
    EXPECT_EQ(ballVelX, 0) << what;
    EXPECT_EQ(-ballVelY, ControlledBlocks[5] ? 0xE000 : 0x38000) << what;
    EXPECT_EQ(ballVelHeight, BlockLift(r.height)) << what;
    ASSERT_FALSE(g_said.empty()) << what;
    EXPECT_EQ(g_said.back(), r.left ? 326 : 327) << what;
  }
}

// A handball in open play is a foul against his side, booked only when the
// roll allows and his side has fewer than four men off; none outside open
// play.
TEST_F(OutfieldTest, AHandball) {
  struct Row {
    int foulChance, sentOff, state;
    bool foul;
    std::vector<int> said;
  };
  const std::vector<Row> rows = {
      {0, 0, STATE_OPEN_PLAY, true, {322, 323}},
      {127, 4, STATE_OPEN_PLAY, true, {322, 323}},
      {0, 0, STATE_FOUL, false, {322}},
  };
  for (const Row& r : rows) {
    SetUp();
    RefereeFavouredSide = 0;
    RefereeRule1 = static_cast<int8_t>(r.foulChance);
    SideSendingsOff[0] = static_cast<uint8_t>(r.sentOff);
    MatchState = static_cast<int16_t>(r.state);
    Shooter(99, 0, 700, 1500, 5);
    BallCarrier = 20;
    RefereeDecision = 0;
    Fouler = -1;
    const int before = DuelTallies[5].holdingFouls;
    EXPECT_EQ(JudgeHandball(5), r.foul);
    EXPECT_EQ(g_said, r.said);
    EXPECT_EQ(RefereeDecision, 0);
    EXPECT_EQ(+Handballs[5], r.foul ? 1 : 0);
    EXPECT_EQ(DuelTallies[5].holdingFouls - before, r.foul ? 1 : 0);
    EXPECT_EQ(Fouler, r.foul ? 5 : -1);
    EXPECT_EQ(MatchState, r.foul ? STATE_FOUL : r.state);
    if (r.foul) {
      EXPECT_EQ(FouledPlayer, 20);
      EXPECT_EQ(+FoulingSide, 0);
      EXPECT_EQ(restartX, 700);
    }
  }
}

}  // namespace
