#include "gamecode/keeperpos.h"

#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

class KeeperPosTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
  }
};

TEST_F(KeeperPosTest, WhereTheKeeperStands) {
  struct Row {
    bool low;
    int state;
    bool shootout;
    int bx, by, d, tx, ty;
  } rows[] = {
      // The ball on the halfway line straight in front of goal.
      {true, STATE_OPEN_PLAY, false, 796, 1082, 128, 796, 242},
      // The ball at direction 96 from him, towards larger x.
      {true, STATE_OPEN_PLAY, false, 900, 1082, 96, 850, 242},
      {true, STATE_CORNER, false, 900, 1082, 96, 850, 242},
      {false, STATE_OPEN_PLAY, false, 796, 1082, 0, 796, 1922},
      {false, STATE_OPEN_PLAY, false, 900, 1082, 32, 850, 1922},
      {false, STATE_OPEN_PLAY, false, 700, 1082, 224, 742, 1922},
      // Throw-ins, goal kicks and corners being taken: the middle of the
      // goal, 14 in front of the line.
      {true, STATE_THROW_IN_TAKEN, false, 156, 700, 40, 796, 136},
      {false, STATE_CORNER_TAKEN, false, 156, 2042, 40, 796, 2028},
      {false, STATE_PENALTY_PLACED, true, 796, 1860, 0, 796, 1854},
      // The ball level with his own line.
      {true, STATE_OPEN_PLAY, false, 500, 122, 200, 796, 136},
      {false, STATE_OPEN_PLAY, false, 500, 2042, 200, 796, 2028},
  };
  for (const Row& r : rows) {
    int tx = 0, ty = 0;
    KeeperTargetPoint(r.low, r.state, r.shootout, r.bx, r.by, r.d, &tx, &ty);
    EXPECT_EQ(tx, r.tx) << r.low << " state " << r.state << " d " << r.d;
    EXPECT_EQ(ty, r.ty) << r.low << " state " << r.state << " d " << r.d;
  }
}

TEST_F(KeeperPosTest, ReactionTerms) {
  struct Row {
    int R, D, t1, t2, t3;
  } rows[] = {
      {0, 400, 200, 100, 23},
      {100, 400, 400, 400, 70},
      {50, 160, 120, 90, 18},
      {99, 0, 0, 0, 0},
  };
  for (const Row& r : rows) {
    const KeeperReaction t = KeeperReactionTerms(r.R, r.D);
    EXPECT_EQ(t.t1, r.t1) << r.R << " " << r.D;
    EXPECT_EQ(t.t2, r.t2) << r.R << " " << r.D;
    EXPECT_EQ(t.t3, r.t3) << r.R << " " << r.D;
  }
}

TEST_F(KeeperPosTest, TheBallDistanceAlongTheDirection) {
  EXPECT_EQ(KeeperBallDistance(0, 30, -100), 100);   // straight along: the across offset counts nothing
  EXPECT_EQ(KeeperBallDistance(64, 100, -30), 100);  // straight across
  EXPECT_EQ(KeeperBallDistance(128, -7, 50), 50);
}

TEST_F(KeeperPosTest, BehindOnAggregateReleasesSooner) {
  struct Row {
    int score0, score1, carried0, carried1;
    bool behind0, behind1;
  } rows[] = {
      {0, 1, 0, 0, true, false},
      {1, 1, 0, 0, false, false},
      {2, 0, 0, 3, true, false},  // ahead tonight, behind over the two legs
      {0, 1, 1, 0, false, false}, // level over the two legs
      {0, 0, 2, 1, false, true},
  };
  for (const Row& r : rows) {
    Score[0] = static_cast<int16_t>(r.score0);
    Score[1] = static_cast<int16_t>(r.score1);
    MatchFirstLegGoals[0] = static_cast<int16_t>(r.carried0);
    MatchFirstLegGoals[1] = static_cast<int16_t>(r.carried1);
    EXPECT_EQ(KeeperSideBehind(0), r.behind0) << r.score0 << "-" << r.score1;
    EXPECT_EQ(KeeperSideBehind(1), r.behind1) << r.score0 << "-" << r.score1;
  }
  // The countdown: a quarter of its roll + 1 when behind.
  struct Count {
    int roll;
    bool behind;
    int countdown;
  } counts[] = {{0, false, 10}, {49, false, 59}, {0, true, 3}, {49, true, 15}, {30, true, 11}};
  for (const Count& c : counts) EXPECT_EQ(ReleaseCountdown(c.roll, c.behind), c.countdown) << c.roll;
  // The wait counter jumps to its full value at once when behind.
  EXPECT_EQ(ReleaseWaitStep(0, 40, true), 40);
  EXPECT_EQ(ReleaseWaitStep(0, 40, false), 1);
  EXPECT_EQ(ReleaseWaitStep(40, 40, false), 40);
}

TEST_F(KeeperPosTest, WhoMayReceiveAHeldBall) {
  struct Row {
    int D, x, y;
    bool behind, ok;
  } rows[] = {
      {320, 796, 600, false, true},  {319, 796, 600, false, false}, {240, 796, 600, true, true},
      {239, 796, 600, true, false},  {1120, 796, 600, false, true}, {1121, 796, 600, false, false},
      {500, 1136, 600, false, true}, {500, 1137, 600, false, false}, {500, 1137, 600, true, true},
      {500, 456, 600, false, true},  {500, 455, 600, false, false},  {500, 300, 600, true, true},
      {500, 796, 121, true, false},  {500, 796, 2043, false, false},
  };
  for (const Row& r : rows) EXPECT_EQ(ReleaseCandidate(r.D, r.x, r.y, r.behind), r.ok) << r.D << " " << r.x;
  // Bowled out only with a short flight, a receiver and nobody close to the aim.
  struct Bowl {
    int E;
    bool receiver;
    int pressure;
    bool bowled;
  } bowls[] = {{119, true, 257, true}, {120, true, 257, false}, {60, false, 900, false}, {60, true, 256, false}};
  for (const Bowl& b : bowls) EXPECT_EQ(ReleaseBowled(b.E, b.receiver, b.pressure), b.bowled) << b.E;
}

}  // namespace
