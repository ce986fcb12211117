#include "gamecode/freelane.h"

#include "onball_fixture.h"

namespace {

class FreeLaneTest : public OnBallTest {};

// With nobody about the wanted direction is free, unless it leaves the pitch
// within half the range: then the fan tries the next ones.
TEST_F(FreeLaneTest, TheWayOffThePitchIsBlockedEvenWithNobodyNear) {
  struct Case {
    int x, y, d, range, expected;
  } cases[] = {
      {796, 1000, 128, 260, 128},   // open pitch, up the field
      {796, 1000, 0, 260, 0},       // and back down it
      {170, 1000, 192, 260, -2},    // at the near touch line, across it
      {1420, 1000, 64, 200, -2},    // at the far touch line, across it
      {796, 2000, 128, 260, -2},   // at the goal line, over it
  };
  for (const Case& c : cases) {
    Place(2, c.x, c.y, c.d);
    const int lane = FindFreeLane(2, c.d, c.range);
    if (c.expected == c.d) {
      EXPECT_EQ(lane, c.d) << c.x << "," << c.y;
    } else {
      EXPECT_NE(lane, c.d) << c.x << "," << c.y;
      EXPECT_NE(lane, -1) << c.x << "," << c.y;
    }
  }
}

// An opponent in the way blocks; running alongside the same way he counts
// range further away; the goalkeeper counts ten times further away.
TEST_F(FreeLaneTest, WhoBlocksTheLaneAhead) {
  struct Case {
    int opponent, x, y, facing;
    bool blocks;
  } cases[] = {
      {20, 796, 1100, 0, true},     // 100 ahead, coming at him
      {20, 796, 1100, 128, false},  // 100 ahead, running the same way
      {16, 796, 1100, 0, false},    // the keeper 100 ahead: counts 1000
      {16, 796, 1020, 0, true},     // the keeper within a tenth of the range
      {20, 796, 1400, 0, false},    // beyond the range
  };
  for (const Case& c : cases) {
    SetUp();
    Place(2, 796, 1000, 128);
    Place(c.opponent, c.x, c.y, c.facing);
    EXPECT_EQ(FindFreeLane(2, 128, 260) != 128, c.blocks) << c.opponent << " at " << c.y;
  }
}

// Hemmed in, the search gives up after fifteen directions; it never
// answers a direction more than 112 steps from the wanted one.
TEST_F(FreeLaneTest, TheFanStopsAt112EitherWay) {
  Place(2, 796, 1000, 128);
  for (int i = 0; i < 12; ++i) {
    const int d = i * 256 / 12;
    PolarToOffset(d, 60, 256);
    Place(17 + i, 796 + OffsetX, 1000 - OffsetY, (d + 128) & 255);
  }
  EXPECT_EQ(FindFreeLane(2, 128, 260), -1);
  // Opponents anywhere: the answer is -1 or within 112 of the wanted way.
  for (int trial = 0; trial < 40; ++trial) {
    SetUp();
    Place(2, 796, 1000, GameRandom() % 256);
    SetSkill(2, 12, 100);
    for (int i = 0; i < 3; ++i)
      Place(17 + i, 796 + GameRandom() % 300 - 150, 1000 + GameRandom() % 300 - 150, GameRandom() % 256);
    const int wanted = GameRandom() % 256;
    const int lane = FindFreeLane(2, wanted, 260);
    EXPECT_TRUE(lane == -1 || DirectionDifference(lane, wanted) <= 112) << trial;
  }
}

}  // namespace
