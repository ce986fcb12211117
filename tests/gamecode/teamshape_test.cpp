#include "gamecode/teamshape.h"

#include <cstring>

#include "engine/bytes.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "support/engine_fixture.h"

namespace {

// A formation slot as the coach draws it (before the shape mirrors it):
// across 0-14, along 0-17, and the forward-run and back-run positions
// (negative across: none).
struct Slot {
  int across, along;
  int secondAcross = -1, secondAlong = -1;
  int thirdAcross = -1, thirdAlong = -1;
};

// A 4-4-2: keeper, four defenders, four midfielders, two forwards.
const Slot kFourFourTwo[11] = {
    {7, 0},  {2, 3},  {5, 2},  {9, 2},  {12, 3}, {2, 8},
    {5, 7},  {9, 7},  {12, 8}, {5, 12, 5, 15}, {9, 12},
};

void WriteFormation(int side, const Slot (&slots)[11]) {
  uint8_t* record = WorkingFormation[side];
  std::memset(record, 0, TACTICS_RECORD_SIZE);
  for (int s = 0; s < 11; ++s) {
    uint8_t* p = record + FormationSlotOffset(s);
    StoreI16(p + 0, slots[s].across);
    StoreI16(p + 2, slots[s].along);
    StoreI16(p + 4, slots[s].secondAcross);
    StoreI16(p + 6, slots[s].secondAlong);
    StoreI16(p + 15, slots[s].thirdAcross);
    StoreI16(p + 17, slots[s].thirdAlong);
  }
}

bool Same(ShapePoint a, ShapePoint b) { return a.x == b.x && a.y == b.y; }

class TeamShapeTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    for (int i = 0; i < 16; ++i) {
      SideSlots[0][i] = static_cast<int16_t>(i);
      SideSlots[1][i] = static_cast<int16_t>(i + 16);
    }
    for (int i = 0; i < MATCH_PLAYERS; ++i) {
      MatchObject& o = MatchObjects[i];
      o.action = 3;
      o.offPitch = (i % 16) >= 11 ? 1 : 0;
      o.x = 796;
      o.y = 1082;
    }
    WriteFormation(0, kFourFourTwo);
    WriteFormation(1, kFourFourTwo);
    InitTeamShape(0);
    InitTeamShape(1);
    LowGoalSide = 0;
    PossessionSide = 0;
    MatchState = STATE_OPEN_PLAY;
  }
  static void Focus(int x, int y) {
    ballPredict[1][0] = static_cast<int16_t>(x);
    ballPredict[1][1] = static_cast<int16_t>(y);
  }
};

// Entries worked out by hand from the 4-4-2: the left back (across 2, along
// 3) stands at across 12 once mirrored: A = 833, L = 291, grid (3, 12), row
// group 1, column group 4, mirrored row 14. The forward of slot 9 (across
// 5 -> 9, along 12, running to along 15): A = 633, L = 1041, L2 = 1291.
TEST_F(TeamShapeTest, StockFormationEntriesWorkedByHand) {
  struct Case {
    int zone, player, x, y;
  } cases[] = {
      {30, 0, 1049, 343},   // kick-off: y = 291 x 0.94 = 273
      {31, 0, 1049, 622},   // goal kick: y = 291 x 1.7 = 494
      {32, 0, 762, 1247},   // the line-up cell (3, 12): (605, 990)
      {33, 0, 762, 1247},
      {66, 0, 762, 1247},
      {13, 0, 1049, 420},   // along 2, across 3: x 833 x 1, y 291 x (1.4 + 0.9) / 2 = 334
      {10, 0, 839, 420},    // across 0: x 833 x 0.8 = 666
      {47, 0, 1049, 282},   // the defending table: y 291 x 1.15 x 0.67 = 224
      {30, 8, 797, 851},    // kick-off: 1041 x 0.65 = 676
      {64, 8, 797, 718},    // the defending kick-off holds the centre at 570
      {1, 8, 749, 904},     // forward run, along zone 0: open play 1041 x 0.69 = 718
      {11, 8, 749, 1084},   // along zone 2: 718 + 0.4 x |718 - 1077| = 861
  };
  for (const Case& c : cases) {
    const ShapePoint p = ZoneTableEntry(0, c.zone, c.player);
    EXPECT_EQ(p.x, c.x) << "zone " << c.zone << " player " << c.player;
    EXPECT_EQ(p.y, c.y) << "zone " << c.zone << " player " << c.player;
  }
}

TEST_F(TeamShapeTest, LineUpSetsAreEqualAndFollowTheGridCellOnly) {
  for (int player = 0; player < 10; ++player)
    for (int variant = 0; variant < 2; ++variant) {
      const int base = variant * SHAPE_VARIANT_OFFSET;
      EXPECT_TRUE(Same(ZoneTableEntry(0, base + 32, player), ZoneTableEntry(0, base + 33, player)));
      EXPECT_TRUE(Same(ZoneTableEntry(0, 32, player), ZoneTableEntry(0, base + 33, player)));
    }
  // The forward's runs change his open-play points, never his line-up point.
  Slot noRuns[11];
  std::memcpy(noRuns, kFourFourTwo, sizeof noRuns);
  noRuns[9].secondAcross = -1;
  WriteFormation(1, noRuns);
  InitTeamShape(1);
  EXPECT_TRUE(Same(ZoneTableEntry(0, 32, 8), ZoneTableEntry(1, 32, 8)));
  EXPECT_FALSE(Same(ZoneTableEntry(0, 11, 8), ZoneTableEntry(1, 11, 8)));
}

TEST_F(TeamShapeTest, RunsLeaveTheirStartZoneAndAbsentPositionsNeverPull) {
  Slot runs[11];
  std::memcpy(runs, kFourFourTwo, sizeof runs);
  runs[6].thirdAcross = 5;  // slot 6 (player 5) drops back from along 7 to 2
  runs[6].thirdAlong = 2;
  runs[9].secondAcross = 5;
  WriteFormation(0, runs);
  Slot none[11];
  std::memcpy(none, runs, sizeof none);
  none[6].thirdAcross = -1;
  none[9].secondAcross = -1;
  WriteFormation(1, none);
  InitTeamShape(0);
  InitTeamShape(1);
  for (int j = 0; j < 5; ++j) {
    // Forward run: along zone 0 keeps the open-play point; further up it moves.
    EXPECT_TRUE(Same(ZoneTableEntry(0, j, 8), ZoneTableEntry(1, j, 8))) << j;
    EXPECT_GT(ZoneTableEntry(0, 25 + j, 8).y, ZoneTableEntry(1, 25 + j, 8).y) << j;
    // Back run: along zone 5 of the defending table keeps it; nearer goal it drops.
    EXPECT_TRUE(Same(ZoneTableEntry(0, SHAPE_VARIANT_OFFSET + 25 + j, 5),
                     ZoneTableEntry(1, SHAPE_VARIANT_OFFSET + 25 + j, 5)))
        << j;
    EXPECT_LT(ZoneTableEntry(0, SHAPE_VARIANT_OFFSET + j, 5).y, ZoneTableEntry(1, SHAPE_VARIANT_OFFSET + j, 5).y)
        << j;
  }
  // A negative second or third across never pulls, whatever its along says;
  // nor does a second position level with or behind, or a third level or ahead.
  Slot negative[11];
  std::memcpy(negative, none, sizeof negative);
  negative[9].secondAlong = 17;
  negative[6].thirdAlong = 0;
  negative[2] = {5, 2, 5, 2, 5, 9};  // second level, third ahead
  WriteFormation(0, negative);
  Slot plain[11];
  std::memcpy(plain, none, sizeof plain);
  plain[2] = {5, 2};
  WriteFormation(1, plain);
  InitTeamShape(0);
  InitTeamShape(1);
  for (int zone = 0; zone < 2 * SHAPE_VARIANT_OFFSET; ++zone)
    for (int player = 0; player < 10; ++player)
      EXPECT_TRUE(Same(ZoneTableEntry(0, zone, player), ZoneTableEntry(1, zone, player)))
          << "zone " << zone << " player " << player;
}

TEST_F(TeamShapeTest, InstructionBytesGoToTheElevenAndNotTheBench) {
  uint8_t* record = WorkingFormation[0];
  for (int s = 0; s < 11; ++s) {
    record[FormationSlotOffset(s) + 19] = static_cast<uint8_t>(10 + s);
    record[FormationSlotOffset(s) + 21] = static_cast<uint8_t>(40 + s);
  }
  MatchObjects[11].instructions[4] = 0x77;
  MatchObjects[11].instructions[5] = 0x77;
  InitTeamShape(0);
  for (int s = 0; s < 11; ++s) {
    EXPECT_EQ(+MatchObjects[s].instructions[4], 10 + s);
    EXPECT_EQ(+MatchObjects[s].instructions[5], 40 + s);
  }
  EXPECT_EQ(+MatchObjects[11].instructions[4], 0x77);
  EXPECT_EQ(+MatchObjects[11].instructions[5], 0x77);
}

TEST_F(TeamShapeTest, OpenPlayBandsAndBlends) {
  struct Case {
    int x, y;
    int zoneA0, zoneB0, across0, along0;  // side 0 (defends the low goal line, has the ball)
    int zoneA1, zoneB1;                   // side 1 (variant 1 unless deep in its attacking end)
  } cases[] = {
      // The far touch line and the far goal line: across zone 4 for one side, 0 for the other.
      {1436, 2042, 29, 29, 100, 100, 34, 34},
      {156, 122, 0, 0, 100, 100, 29, 29},  // side 1 deep in the end it attacks
      // Ball far off the pitch: held in the outer bands.
      {-9000, 30000, 25, 25, 100, 100, 34 + 4, 34 + 4},
      {30000, -9000, 4, 4, 100, 100, 25, 25},
      // x 600: 173 %, band 1, offset 73 -> across zones 1 and 2 at 23 %;
      // y 1000: 274 %, band 2, offset 74 -> along zones 2 and 3 at 24 %.
      {600, 1000, 1 + 10, 2 + 15, 23, 24, 34 + 3 + 15, 34 + 2 + 10},
      // Side 1 deep in the end it attacks (y below 442) keeps its attacking
      // table; y 300: 55 %, along zones 0 and 1 at 5 %.
      {600, 300, 1, 2 + 5, 23, 5, 3 + 25, 2 + 20},
  };
  for (const Case& c : cases) {
    Focus(c.x, c.y);
    UpdateBallZones();
    const ShapeBlend b0 = GetShapeBlend(0), b1 = GetShapeBlend(1);
    EXPECT_EQ(b0.zoneA, c.zoneA0) << c.x << "," << c.y;
    EXPECT_EQ(b0.zoneB, c.zoneB0) << c.x << "," << c.y;
    EXPECT_EQ(b0.acrossPercent, c.across0) << c.x << "," << c.y;
    EXPECT_EQ(b0.alongPercent, c.along0) << c.x << "," << c.y;
    EXPECT_EQ(b1.zoneA, c.zoneA1) << c.x << "," << c.y;
    EXPECT_EQ(b1.zoneB, c.zoneB1) << c.x << "," << c.y;
    EXPECT_EQ(b1.acrossPercent, b0.acrossPercent);
    EXPECT_EQ(b1.alongPercent, b0.alongPercent);
    for (const ShapeBlend& b : {b0, b1}) {
      EXPECT_GE(b.zoneA % SHAPE_VARIANT_OFFSET, 0);
      EXPECT_LE(b.zoneB % SHAPE_VARIANT_OFFSET, 29);
    }
  }
}

TEST_F(TeamShapeTest, FarTouchLineTargetsAreThoseOfTheOuterZones) {
  Focus(1436, 2042);
  UpdateBallZones();
  UpdateShapeTargets();
  for (int k = 0; k < 10; ++k) {
    const ShapePoint a = ZoneTableEntry(0, 29, k);  // along 5, across 4
    EXPECT_EQ(+MatchObjects[k + 1].targetX, Pitch.minX + a.x);
    EXPECT_EQ(+MatchObjects[k + 1].targetY, Pitch.minY + a.y);
    const ShapePoint b = ZoneTableEntry(1, SHAPE_VARIANT_OFFSET + 0, k);  // along 0, across 0
    EXPECT_EQ(+MatchObjects[17 + k].targetX, Pitch.maxX - b.x);
    EXPECT_EQ(+MatchObjects[17 + k].targetY, Pitch.maxY - b.y);
    EXPECT_EQ(+MatchObjects[k + 1].playedOutfield, 1);
  }
}

TEST_F(TeamShapeTest, SetPiecesTakeTheirSets) {
  struct Case {
    int16_t state;
    int8_t shootOut;
    int zone0, zone1;  // side 0 is the restart side and has the ball
  } cases[] = {
      {STATE_CORNER_TAKEN, 0, 32, 36},
      {STATE_PENALTY_PLACED, 0, 32, 36},
      {STATE_GOAL, 0, 30, 64},
      {STATE_AFTER_GOAL_WAIT, 0, 30, 64},
      {STATE_KICK_OFF, 0, 30, 64},
      {STATE_PERIOD_START, 0, 30, 64},
      {STATE_PERIOD_START_AFTER_GOAL, 0, 30, 64},
      {STATE_KICK_OFF_WAIT, 0, 30, 64},
      {STATE_GOAL_KICK, 0, 31, 65},
      {STATE_GOAL_KICK_TAKEN, 0, 31, 65},
      {STATE_KEEPER_HOLDS, 0, 31, 65},
      {STATE_KEEPER_RELEASE, 0, 31, 65},
  };
  Focus(600, 1000);
  for (int restart = 0; restart < 2; ++restart)
    for (const Case& c : cases) {
      MatchState = c.state;
      RestartSide = static_cast<uint8_t>(restart);
      PossessionSide = static_cast<uint8_t>(restart);
      UpdateBallZones();
      const ShapeBlend a = GetShapeBlend(restart), b = GetShapeBlend(1 - restart);
      EXPECT_EQ(a.zoneA, c.zone0) << c.state;
      EXPECT_EQ(a.zoneB, c.zone0) << c.state;
      EXPECT_EQ(b.zoneA, c.zone1) << c.state;
      EXPECT_EQ(a.acrossPercent + a.alongPercent + b.acrossPercent + b.alongPercent, 400) << c.state;
    }
  // In the shoot-out the penalty state reads the ball like open play.
  period = 4;
  MatchState = STATE_PENALTY_PLACED;
  UpdateBallZones();
  EXPECT_LT(GetShapeBlend(0).zoneA % SHAPE_VARIANT_OFFSET, 30);
}

TEST_F(TeamShapeTest, StandsStillWhileTheKickTimerRunsAndInDirectFreeKicks) {
  Focus(600, 1000);
  UpdateBallZones();
  EXPECT_EQ(ShapeBlendChanged(), 1);
  const ShapeBlend before = GetShapeBlend(0);
  Focus(1400, 2000);
  for (int16_t state : {STATE_OPEN_PLAY, STATE_DIRECT_FREE_KICK_PLACED, STATE_DIRECT_FREE_KICK_PLACED_2}) {
    MatchState = state;
    kickTimer = state == STATE_OPEN_PLAY ? 3 : 0;
    UpdateBallZones();
    EXPECT_EQ(ShapeBlendChanged(), 0);
    EXPECT_EQ(GetShapeBlend(0).zoneA, before.zoneA);
  }
}

TEST_F(TeamShapeTest, TargetsAreRewrittenOnlyWhenTheBlendChanges) {
  Focus(600, 1000);
  UpdateBallZones();
  UpdateShapeTargetsIfChanged();
  const int16_t x = MatchObjects[3].targetX;
  MatchObjects[3].targetX = -1;
  UpdateBallZones();  // the same ball: nothing changed
  EXPECT_EQ(ShapeBlendChanged(), 0);
  UpdateShapeTargetsIfChanged();
  EXPECT_EQ(+MatchObjects[3].targetX, -1);
  Focus(700, 1000);
  UpdateBallZones();
  UpdateShapeTargetsIfChanged();
  EXPECT_NE(+MatchObjects[3].targetX, -1);
  EXPECT_NE(+MatchObjects[3].targetX, x);
}

TEST_F(TeamShapeTest, PlayersBusyElsewhereKeepTheirTargets) {
  MatchState = STATE_CORNER;
  CornerTakerObject[0] = 4;
  MatchObjects[1].offPitch = 1;
  MatchObjects[2].action = 16;
  MatchObjects[3].stepUpCounter = 5;
  for (int i = 1; i <= 5; ++i) MatchObjects[i].targetX = MatchObjects[i].targetY = -7;
  Focus(600, 1000);
  UpdateBallZones();
  UpdateShapeTargets();
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(+MatchObjects[i].targetX, -7) << i;
    EXPECT_EQ(+MatchObjects[i].playedOutfield, 0) << i;
  }
  EXPECT_NE(+MatchObjects[5].targetX, -7);
  EXPECT_EQ(+MatchObjects[5].playedOutfield, 1);
}

TEST_F(TeamShapeTest, ThrowInSqueezesBothSidesTowardsTheThrow) {
  Focus(600, 1000);
  MatchState = STATE_THROW_IN_TAKEN;
  UpdateBallZones();
  const ShapeBlend b0 = GetShapeBlend(0), b1 = GetShapeBlend(1);
  auto shapeX = [](int side, const ShapeBlend& b, int k) {
    const int a = ZoneTableEntry(side, b.zoneA, k).x, c = ZoneTableEntry(side, b.zoneB, k).x;
    return a + (c - a) * b.acrossPercent / 100;
  };
  const int width = Pitch.maxX - Pitch.minX;
  restartX = Pitch.minX;  // the throw from the low-x touch line
  UpdateShapeTargets();
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(+MatchObjects[1 + k].targetX, Pitch.minX + shapeX(0, b0, k) * 70 / 100);
    const int x1 = shapeX(1, b1, k);
    EXPECT_EQ(+MatchObjects[17 + k].targetX, Pitch.maxX - (x1 + (width - x1) * 30 / 100));
  }
  restartX = Pitch.maxX;
  UpdateShapeTargets();
  for (int k = 0; k < 10; ++k) {
    const int x0 = shapeX(0, b0, k);
    EXPECT_EQ(+MatchObjects[1 + k].targetX, Pitch.minX + x0 + (width - x0) * 30 / 100);
    EXPECT_EQ(+MatchObjects[17 + k].targetX, Pitch.maxX - shapeX(1, b1, k) * 70 / 100);
  }
}

TEST_F(TeamShapeTest, ObjectGroupsTurnHeadsAndKeepOffsideLines) {
  ballX = 1000;
  ballY = 1082;
  // Side 0 (low goal line): deepest y 500; a player on the touch line does not count.
  for (int i = 1; i <= 10; ++i) MatchObjects[i].y = static_cast<int16_t>(600 + 10 * i);
  MatchObjects[4].y = 500;
  MatchObjects[5].y = 300;
  MatchObjects[5].x = Pitch.minX;
  for (int i = 17; i <= 26; ++i) MatchObjects[i].y = static_cast<int16_t>(1500 + i);
  MatchObjects[20].y = 1800;
  MatchObjects[21].offPitch = 1;
  MatchObjects[21].y = 2000;
  MatchObjects[2].facing = 0;
  MatchObjects[2].drawFacing = 64;
  MatchObjects[2].headTurn = 0;
  MatchObjects[3].action = 20;
  MatchObjects[3].headTurn = 30;
  UpdateObjectGroup();  // group 0: objects 0-7, side 0
  EXPECT_EQ(offsideLine[0], 500);
  EXPECT_GT(+MatchObjects[2].headTurn, 0);
  EXPECT_LE(+MatchObjects[2].headTurn, 40);
  EXPECT_EQ(+MatchObjects[3].headTurn, 0);
  EXPECT_EQ(updateGroup, 1);
  UpdateObjectGroup();  // group 1: side 1
  EXPECT_EQ(offsideLine[1], 1800);
  EXPECT_EQ(updateGroup, 2);
  UpdateObjectGroup();
  UpdateObjectGroup();
  EXPECT_EQ(updateGroup, 0);
  // Nobody left on the pitch: 10000 for the low goal line's side, 0 for the other.
  for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
  for (int g = 0; g < 4; ++g) UpdateObjectGroup();
  EXPECT_EQ(offsideLine[0], 10000);
  EXPECT_EQ(offsideLine[1], 0);
  LowGoalSide = 1;
  for (int g = 0; g < 4; ++g) UpdateObjectGroup();
  EXPECT_EQ(offsideLine[0], 0);
  EXPECT_EQ(offsideLine[1], 10000);
}

}  // namespace
