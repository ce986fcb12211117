#include "gamecode/teamops.h"

#include <vector>

#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

// Two full sides on the pitch in squad order (object = side x 16 + place),
// everyone in action 0 at a spot of his own; the bench off the pitch.
class TeamOpsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < SIDE_OBJECTS; ++place) {
        const int object = side * SIDE_OBJECTS + place;
        SideSlots[side][place] = static_cast<int16_t>(object);
        ChaseOrder[side][place] = static_cast<int16_t>(object);
        MatchObject& o = MatchObjects[object];
        o.offPitch = place < 11 ? 0 : 1;
        o.action = 0;
        o.x = static_cast<int16_t>(200 + place * 100);
        o.y = static_cast<int16_t>(300 + side * 1000);
      }
  }
  static void At(int object, int x, int y) {
    MatchObjects[object].x = static_cast<int16_t>(x);
    MatchObjects[object].y = static_cast<int16_t>(y);
  }
};

TEST_F(TeamOpsTest, SetAllPlayersActionGoesThroughTheResets) {
  MatchObjects[4].actionArg = 9;
  MatchObjects[20].frame = 7;
  SetAllPlayersAction(61);
  for (int i = 0; i < MATCH_PLAYERS; ++i) EXPECT_EQ(+MatchObjects[i].action, 61) << i;
  EXPECT_EQ(+MatchObjects[4].actionArg, 0);
  EXPECT_EQ(+MatchObjects[20].frame, 0);
  EXPECT_EQ(+MatchObjects[OBJECT_REFEREE].action, 0);
}

TEST_F(TeamOpsTest, ReleaseTeamsSettlesOrdinaryPlayersAndCountsTheBusy) {
  struct Row {
    int object, action, expectedAction;
    bool busy;
  };
  const std::vector<Row> rows = {
      {0, 5, 122, false},    // a keeper in an ordinary action stands in goal
      {16, 30, 30, true},    // a keeper diving is busy
      {3, 15, 3, false},     // 15 is still ordinary
      {4, 16, 16, true},     // 16 is not
      {5, 58, 58, true},
      {6, 0, 3, false},
  };
  for (const Row& r : rows) MatchObjects[r.object].action = static_cast<int16_t>(r.action);
  MatchObjects[3].hasBall = 1;
  MatchObjects[5].hasBall = 1;
  // A keeper in an action that is not ordinary but not a save counts as free.
  MatchObjects[0].action = 5;
  SideSlots[1][0] = 16;
  ActivePlayer[0] = 3;
  ActivePlayer[1] = 20;
  // Off the pitch: never busy.
  MatchObjects[12].action = 90;
  const int busy = ReleaseTeamsForRestart();
  int expected = 0;
  for (const Row& r : rows) {
    EXPECT_EQ(+MatchObjects[r.object].action, r.expectedAction) << r.object;
    expected += r.busy;
  }
  EXPECT_EQ(busy, expected);
  EXPECT_EQ(+MatchObjects[3].hasBall, 0);
  EXPECT_EQ(+MatchObjects[5].hasBall, 1);  // a busy player keeps the ball
  EXPECT_EQ(ActivePlayer[0], NO_ACTIVE_PLAYER);
  EXPECT_EQ(ActivePlayer[1], NO_ACTIVE_PLAYER);
}

TEST_F(TeamOpsTest, ReleaseTeamsKeeperInAnotherActionIsNotBusy) {
  MatchObjects[0].action = 122;   // standing: not busy
  MatchObjects[16].action = 123;  // kicking out: not one of the save actions
  EXPECT_EQ(ReleaseTeamsForRestart(), 0);
  MatchObjects[16].action = 39;
  EXPECT_EQ(ReleaseTeamsForRestart(), 1);
}

TEST_F(TeamOpsTest, ResetTeamsWritesThreeAndPutsTheKeepersInGoal) {
  MatchObjects[7].action = 58;
  MatchObjects[7].actionArg = 4;  // written directly: the resets do not run
  MatchObjects[0].frame = 9;
  ActivePlayer[0] = 7;
  ResetTeamsForRestart();
  for (int i = 0; i < MATCH_PLAYERS; ++i)
    EXPECT_EQ(+MatchObjects[i].action, (i == 0 || i == 16) ? 122 : 3) << i;
  EXPECT_EQ(+MatchObjects[7].actionArg, 4);
  EXPECT_EQ(+MatchObjects[0].frame, 0);
  EXPECT_EQ(ActivePlayer[0], NO_ACTIVE_PLAYER);
  EXPECT_EQ(ActivePlayer[1], NO_ACTIVE_PLAYER);
}

TEST_F(TeamOpsTest, CountUnsettledPlayers) {
  for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].action = 3;
  MatchObjects[0].action = 122;
  MatchObjects[16].action = 122;
  EXPECT_EQ(CountUnsettledPlayers(), 0);
  MatchObjects[16].action = 3;   // a keeper not yet standing in goal
  MatchObjects[5].action = 17;   // 17 is settled
  MatchObjects[6].action = 18;   // 18 is not
  MatchObjects[13].action = 90;  // off the pitch: not counted
  EXPECT_EQ(CountUnsettledPlayers(), 2);
}

TEST_F(TeamOpsTest, NearestFreeTeamMatePicksTheClosestOutfieldPlayer) {
  CurrentSide = 0;
  At(0, 500, 500);  // the keeper stands on the point: never chosen
  At(4, 520, 500);
  At(7, 500, 530);
  EXPECT_EQ(NearestFreeTeamMate(500, 500, -1), 4);
  EXPECT_EQ(NearestFreeTeamMate(500, 500, 4), 7);  // excluded
  MatchObjects[4].action = 17;                     // busy
  EXPECT_EQ(NearestFreeTeamMate(500, 500, -1), 7);
  MatchObjects[4].action = 16;  // 16 is still free
  EXPECT_EQ(NearestFreeTeamMate(500, 500, -1), 4);
  // On equal distance the later place wins.
  At(7, 500, 520);
  EXPECT_EQ(NearestFreeTeamMate(500, 500, -1), 7);
  // The other side's list when it acts.
  CurrentSide = 1;
  At(25, 500, 505);
  EXPECT_EQ(NearestFreeTeamMate(500, 500, -1), 25);
}

TEST_F(TeamOpsTest, NearestFreeTeamMateNoneIsMinusOne) {
  CurrentSide = 0;
  for (int place = 1; place <= 10; ++place) {
    MatchObject& o = MatchObjects[place];
    if (place <= 3) o.offPitch = 1;
    else if (place <= 9) o.action = 40;
  }
  // Place 10 is the only free one; excluded, nobody is left (not the keeper).
  EXPECT_EQ(NearestFreeTeamMate(796, 1082, 10), -1);
  EXPECT_EQ(NearestFreeTeamMate(796, 1082, -1), 10);
  // A substitute in place 11-15 is never chosen, even on the pitch.
  MatchObjects[11].offPitch = 0;
  At(11, 796, 1082);
  EXPECT_EQ(NearestFreeTeamMate(796, 1082, 10), -1);
}

TEST_F(TeamOpsTest, ShortCornerOptionGoesToTheWeakestInTheBox) {
  struct Row {
    int restartX, restartY, targetX, targetY;
  };
  const std::vector<Row> rows = {
      {160, 126, 188, 218}, {1430, 126, 1404, 218}, {160, 2038, 188, 1946}, {1430, 2038, 1404, 1946}};
  for (const Row& r : rows) {
    SetUp();
    for (int i = 0; i < 11; ++i) {
      SheetSkill(MatchObjects[i], 11) = 90;
      SheetSkill(MatchObjects[i], 8) = 90;
    }
    SheetSkill(MatchObjects[0], 11) = 1;  // the keeper never goes
    SheetSkill(MatchObjects[2], 11) = 1;  // the taker never goes
    SheetSkill(MatchObjects[6], 11) = 30;
    SheetSkill(MatchObjects[6], 8) = 30;
    SheetSkill(MatchObjects[8], 11) = 30;  // equal: the first in the chase order wins
    SheetSkill(MatchObjects[8], 8) = 30;
    MatchObjects[6].actionArg = 3;
    restartX = static_cast<int16_t>(r.restartX);
    restartY = static_cast<int16_t>(r.restartY);
    SendShortCornerOption(2);
    EXPECT_EQ(+MatchObjects[6].action, 103);
    EXPECT_EQ(+MatchObjects[6].actionArg, 0);
    EXPECT_EQ(+MatchObjects[6].targetX, r.targetX) << r.restartX << "," << r.restartY;
    EXPECT_EQ(+MatchObjects[6].targetY, r.targetY) << r.restartX << "," << r.restartY;
    EXPECT_EQ(+MatchObjects[8].action, 0);
  }
}

TEST_F(TeamOpsTest, ShortCornerNeedsSomeoneBelowTheCap) {
  for (int i = 0; i < 11; ++i) {
    SheetSkill(MatchObjects[i], 11) = 100;
    SheetSkill(MatchObjects[i], 8) = 100;
  }
  MatchObjects[9].offPitch = 1;  // off the pitch: never chosen
  SheetSkill(MatchObjects[9], 11) = 10;
  restartX = 160;
  restartY = 126;
  SendShortCornerOption(2);
  for (int i = 0; i < MATCH_PLAYERS; ++i) EXPECT_EQ(+MatchObjects[i].action, 0) << i;
  SendShortCornerOption(-1);  // no taker: nothing happens
}

TEST_F(TeamOpsTest, CornerDefendersFillThePostsThenTheNearEdge) {
  struct Row {
    int restartX, restartY, goalLine, inward, edgeX, standX;
  };
  const std::vector<Row> rows = {{160, 126, 122, 1, 476, 396},
                                 {1430, 126, 122, 1, 1116, 1196},
                                 {160, 2038, 2042, -1, 476, 396},
                                 {1430, 2038, 2042, -1, 1116, 1196}};
  for (const Row& r : rows) {
    SetUp();
    CurrentSide = 0;
    restartX = static_cast<int16_t>(r.restartX);
    restartY = static_cast<int16_t>(r.restartY);
    // Side 1 defends: 17 nearest the near post, 18 the far post, 19 the edge.
    At(17, 730, r.goalLine);
    At(18, 862, r.goalLine + 5 * r.inward);
    At(19, r.edgeX, r.goalLine + 100 * r.inward);
    At(20, 862, r.goalLine + 20 * r.inward);  // further from both posts than 18
    PlaceCornerDefenders(1);
    EXPECT_EQ(CurrentSide, 1);
    const int expected[3][3] = {{17, 730, r.goalLine + 10 * r.inward},
                                {18, 862, r.goalLine + 10 * r.inward},
                                {19, r.standX, r.goalLine + 48 * r.inward}};
    for (const auto& e : expected) {
      const MatchObject& o = MatchObjects[e[0]];
      EXPECT_EQ(+o.action, 96) << e[0];
      EXPECT_EQ(+o.targetX, e[1]) << e[0];
      EXPECT_EQ(+o.targetY, e[2]) << e[0];
    }
    EXPECT_EQ(+MatchObjects[20].action, 0);
    EXPECT_EQ(+MatchObjects[16].action, 0);  // never the keeper
  }
}

TEST_F(TeamOpsTest, CornerDefendersWithNobodyFreeLeaveEveryoneAlone) {
  for (int place = 1; place <= 10; ++place) MatchObjects[16 + place].action = 50;
  restartX = 160;
  restartY = 126;
  PlaceCornerDefenders(1);
  for (int place = 1; place <= 10; ++place) EXPECT_EQ(+MatchObjects[16 + place].action, 50);
  // One free man takes the near post only.
  MatchObjects[21].action = 0;
  PlaceCornerDefenders(1);
  EXPECT_EQ(+MatchObjects[21].action, 96);
  EXPECT_EQ(+MatchObjects[21].targetX, 730);
}

TEST_F(TeamOpsTest, NextShootOutTakerCyclesThroughTheEligible) {
  CurrentSide = 1;
  const int16_t order[10] = {-1, 20, 5 + 16, -1, 30, 22, -1, -1, -1, -1};
  for (int i = 0; i < 10; ++i) ShootOutOrder[1][i] = order[i];
  MatchObjects[30].offPitch = 1;  // a substitute on the bench: skipped
  // Eligible: 20, 21, 22.
  struct Row {
    int kicks, expected;
  };
  for (const Row& r : std::vector<Row>{{0, 20}, {1, 20}, {2, 21}, {4, 22}, {6, 20}, {8, 21}, {9, 21}}) {
    ShootOutKicks = static_cast<int16_t>(r.kicks);
    EXPECT_EQ(NextShootOutTaker(), r.expected) << r.kicks;
  }
}

TEST_F(TeamOpsTest, NextShootOutTakerNoneEligibleIsMinusOne) {
  CurrentSide = 0;
  EXPECT_EQ(NextShootOutTaker(), -1);  // an empty list
  ShootOutOrder[0][0] = 12;            // off the pitch
  ShootOutOrder[0][1] = 99;            // no such player
  EXPECT_EQ(NextShootOutTaker(), -1);
  // Side 0's keeper, object 0, is a taker like any other.
  ShootOutOrder[0][2] = 0;
  ShootOutKicks = 6;
  EXPECT_EQ(NextShootOutTaker(), 0);
}

}  // namespace
