#include "gamecode/teamops.h"

#include <string>
#include <vector>

#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
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

TEST_F(TeamOpsTest, GiveBallToOnePlayerAlone) {
  for (int i : {3, 20, 31}) MatchObjects[i].hasBall = 1;
  GiveBallTo(20);
  for (int i = 0; i < MATCH_PLAYERS; ++i) EXPECT_EQ(+MatchObjects[i].hasBall, i == 20 ? 1 : 0) << i;
  GiveBallTo(OBJECT_BALL);  // nobody
  for (int i = 0; i < MATCH_PLAYERS; ++i) EXPECT_EQ(+MatchObjects[i].hasBall, 0) << i;
}

TEST_F(TeamOpsTest, EnsureActivePlayerFillsOnlyAnEmptyRole) {
  ChaseOrder[0][0] = 7;
  ChaseOrder[1][0] = 22;
  ActivePlayer[0] = NO_ACTIVE_PLAYER;
  ActivePlayer[1] = 25;
  EnsureActivePlayer(0);
  EnsureActivePlayer(1);
  EXPECT_EQ(ActivePlayer[0], 7);
  EXPECT_EQ(ActivePlayer[1], 25);
}

TEST_F(TeamOpsTest, BallVelocityTowardsAPoint) {
  ballX = 500;
  ballY = 1000;
  SetBallVelocityTowards(540, 900, 1000, 30000);
  EXPECT_EQ(ballVelX, 40000);
  EXPECT_EQ(ballVelY, -100000);
  EXPECT_EQ(ballVelHeight, 30000);
}

// A kick along the facing: 30 units a frame (x 4096), 0 towards smaller y,
// 64 towards larger x; a push into a turn is 90 - skill / 2 and leaves the
// player's speed alone.
TEST_F(TeamOpsTest, KicksAndPushesFromAPlayer) {
  struct Row {
    int direction, skill;  // skill < 0: a kick
    int32_t vx, vy;
  };
  const Row rows[] = {
      {0, -1, 0, -30 * 4096},  {64, -1, 30 * 4096, 0},   {128, -1, 0, 30 * 4096},
      {32, -1, 21 * 4096, -21 * 4096}, {192, 40, -70 * 4096, 0}, {0, 100, 0, -40 * 4096},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.direction * 1000 + r.skill);
    MatchObject& p = MatchObjects[6];
    p.speed = 11;
    p.touchLock = 0;
    p.actionArg = 0;
    if (r.skill < 0)
      KickBallFromPlayer(r.direction, 6);
    else
      PushBallAhead(r.direction, r.skill, 6);
    EXPECT_EQ(ballVelX, r.vx);
    EXPECT_EQ(ballVelY, r.vy);
    EXPECT_EQ(ballVelHeight, 20480);
    EXPECT_EQ(+p.touchLock, 16);
    EXPECT_EQ(+p.actionArg, 1);
    EXPECT_EQ(+p.speed, r.skill < 0 ? 64 : 11);
  }
}

// A turn within a quarter either way is the forward turn (33); a quarter or
// more is the turn about (73).
TEST_F(TeamOpsTest, TurnKindForTheAngleTurned) {
  struct Row {
    int from, to, kind;
  };
  const Row rows[] = {
      {0, 0, 33},   {0, 63, 33},  {0, 64, 73},  {0, 128, 73},  {0, 192, 73},
      {0, 193, 33}, {10, 74, 73}, {250, 50, 33}, {200, 8, 73}, {100, 36, 73},
  };
  for (const Row& r : rows) EXPECT_EQ(TurnKindFor(r.from, r.to), r.kind) << r.from << " " << r.to;
}

// Every opponent on the pitch must be at least 300 less his composure away
// (a third of it, plus one, on the wrong flank).
TEST_F(TeamOpsTest, NoOpponentNearWeighsTheirComposure) {
  struct Row {
    int distance, composure, homeOnLeft;
    bool offPitch;
    int result;
  };
  const Row rows[] = {
      {240, 60, 1, false, 1}, {239, 60, 1, false, 0}, {279, 60, 0, false, 1},  // 60 / 3 + 1 = 21
      {278, 60, 0, false, 0}, {10, 60, 1, true, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.distance);
    for (int i = SIDE_OBJECTS; i < MATCH_PLAYERS; ++i) {
      MatchObjects[i].ballDistance = 1000;
      MatchObjects[i].attr[SKILL_LEFT_SIDE] = 1;
      MatchObjects[i].attr[SKILL_RIGHT_SIDE] = 1;
    }
    MatchObject& o = MatchObjects[19];
    o.ballDistance = static_cast<int16_t>(r.distance);
    SheetSkill(o, 6) = static_cast<uint8_t>(r.composure);
    o.attr[SKILL_LEFT_SIDE] = static_cast<uint8_t>(r.homeOnLeft);
    o.offPitch = r.offPitch ? 1 : 0;
    EXPECT_EQ(NoOpponentNear(4), r.result);
    MatchObjects[4].ballDistance = 0;  // his own side does not count
    EXPECT_EQ(NoOpponentNear(4), r.result);
  }
}

// A touch in his own penalty area (y below 410 for the side defending the
// low goal line, above 1754 for the other, x strictly 476-1116): under
// pressure from the opposing active player within 72 of the ball, on his
// own position; the two plain counts on the acting position.
TEST_F(TeamOpsTest, BoxTouchesInTheOwnPenaltyArea) {
  struct Row {
    int object, x, y, pressure;
    int inBox, underPressure;
  };
  LowGoalSide = 0;
  const Row rows[] = {
      {4, 700, 409, 71, 1, 1},   {4, 700, 410, 71, 0, 0},  {4, 476, 300, 71, 0, 0},  {4, 477, 300, 71, 1, 1},
      {4, 1115, 300, 71, 1, 1},  {4, 1116, 300, 71, 0, 0}, {4, 700, 300, 72, 1, 0},  {20, 700, 1755, 10, 1, 1},
      {20, 700, 1754, 10, 0, 0}, {20, 700, 300, 10, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.object * 100000 + r.x * 10 + r.y);
    const int side = r.object / SIDE_OBJECTS;
    const int opponent = (1 - side) * SIDE_OBJECTS + 9;
    ActivePlayer[1 - side] = static_cast<int16_t>(opponent);
    MatchObjects[opponent].ballDistance = static_cast<int16_t>(r.pressure);
    At(r.object, r.x, r.y);
    ActorX = static_cast<int16_t>(r.x);
    ActorY = static_cast<int16_t>(r.y);
    MatchObject& o = MatchObjects[r.object];
    o.boxTouchPressure = o.boxTouchA = o.boxTouchB = 0;
    EXPECT_EQ(CountBoxTouchUnderPressure(r.object), r.underPressure);
    EXPECT_EQ(CountBoxTouchA(r.object, side), r.inBox);
    EXPECT_EQ(CountBoxTouchB(r.object, side), r.inBox);
    EXPECT_EQ(+o.boxTouchPressure, +r.underPressure);
    EXPECT_EQ(+o.boxTouchA, +r.inBox);
    EXPECT_EQ(+o.boxTouchB, +r.inBox);
    // The other side's area is not his.
    if (r.inBox) {
      EXPECT_EQ(CountBoxTouchA(r.object, 1 - side), 0);
    }
  }
  ActivePlayer[1] = NO_ACTIVE_PLAYER;
  At(4, 700, 300);
  EXPECT_EQ(CountBoxTouchUnderPressure(4), 0);  // no opposing active player, no pressure
}

// Two beyond the near touch line, ten beyond the far one and either goal
// line; the exact position keeps its fraction inside.
TEST_F(TeamOpsTest, KeepInsidePitchLimitsTheActingPlayer) {
  struct Row {
    int32_t x, y, keptX, keptY;
  };
  const int32_t half = 0x8000;
  const Row rows[] = {
      {100 << 16, 1000 << 16, 154 << 16, 1000 << 16},
      {(154 << 16) + half, 1000 << 16, (154 << 16) + half, 1000 << 16},
      {1500 << 16, 50 << 16, 1446 << 16, 112 << 16},
      {800 << 16, 2100 << 16, 800 << 16, 2052 << 16},
      {(1446 << 16) + half, (2052 << 16) + half, 1446 << 16, 2052 << 16},
  };
  for (const Row& r : rows) {
    ActorFixedX = r.x;
    ActorFixedY = r.y;
    KeepInsidePitch();
    EXPECT_EQ(ActorFixedX, r.keptX);
    EXPECT_EQ(ActorFixedY, r.keptY);
    EXPECT_EQ(ActorX, r.keptX >> 16);
    EXPECT_EQ(ActorY, r.keptY >> 16);
  }
}

TEST_F(TeamOpsTest, RandomReduceTakesARollOffTheValue) {
  EXPECT_EQ(RandomReduce(0, 50), 0);
  EXPECT_EQ(RandomReduce(10, 0), 0);
  EXPECT_EQ(RandomReduce(-3, 50), 0);
  for (int n = 0; n < 200; ++n) {
    const int v = RandomReduce(10, 50);
    EXPECT_GE(v, 40);
    EXPECT_LE(v, 50);
  }
}

// A direct free kick at the low goal line from (796, 400): the wall stands
// 100 away; the posts are 283 away, 71 either side.
TEST_F(TeamOpsTest, AimFreeKickAtGapByTheWallsEnds) {
  struct Row {
    const char* name;
    bool highEnd;   // the kick is at the goal line 2042, the picture mirrored along
    int wallFrom, wallTo;  // the wall's ends across (none when from > to)
    int aim;        // 0 centre, -1 beside the low post, 1 beside the high post
  };
  const Row rows[] = {
      {"the wall covers both posts", false, 700, 890, 0},
      {"the low post is open", false, 780, 890, -1},
      {"the high post is open", false, 700, 810, 1},
      {"both open, the high side wider", false, 770, 790, 1},
      {"both open, the low side wider", false, 802, 822, -1},
      {"at the other end: both covered", true, 700, 890, 0},
      {"at the other end: the low post open", true, 780, 890, -1},
      {"at the other end: the high post open", true, 700, 810, 1},
      {"no wall", false, 1, 0, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].action = 0;
    LowGoalSide = 0;
    CurrentSide = r.highEnd ? 0 : 1;  // side 0 attacks the goal line 2042
    const int along = r.highEnd ? 2042 + 122 - 300 : 300;
    ActorX = 796;
    ActorY = static_cast<int16_t>(r.highEnd ? 2042 + 122 - 400 : 400);
    if (r.wallFrom <= r.wallTo) {
      const int wall[3] = {r.wallFrom, (r.wallFrom + r.wallTo) / 2, r.wallTo};
      for (int k = 0; k < 3; ++k) {
        MatchObject& w = MatchObjects[17 + k];
        w.action = 58;
        w.targetX = static_cast<int16_t>(wall[k]);
        w.targetY = static_cast<int16_t>(along);
      }
    }
    for (int n = 0; n < 20; ++n) {
      AimFreeKickAtGap();
      EXPECT_EQ(ShotTargetY, r.highEnd ? 2047 : 117);
      if (r.aim == 0) {
        EXPECT_EQ(ShotTargetX, 796);
      } else if (r.aim < 0) {
        EXPECT_GE(ShotTargetX, 711);
        EXPECT_LE(ShotTargetX, 730);
      } else {
        EXPECT_GE(ShotTargetX, 862);
        EXPECT_LE(ShotTargetX, 881);
      }
    }
  }
}

// Room before a free kick: in from the sides of the penalty area's width,
// on towards the spot's goal line for those in the spot's half short of it,
// and nobody behind a goal line; the taker, the keepers, the wall and the
// players off the pitch stay where they are.
TEST_F(TeamOpsTest, SpreadPlayersFromRestartMakesRoom) {
  struct Row {
    int spotY;
    int object, x, y;
    int newX, newY;
  };
  const Row rows[] = {
      {1500, 3, 1017, 1300, 917, 1400},  {1500, 3, 1016, 1181, 1016, 1181}, {1500, 3, 575, 1182, 675, 1282},
      {1500, 3, 576, 1500, 576, 1500},   {1500, 3, 800, 2100, 800, 1978},   {1500, 3, 800, 60, 800, 186},
      {600, 3, 800, 982, 800, 882},      {600, 3, 800, 983, 800, 983},      {600, 3, 800, 600, 800, 600},
      {600, 20, 800, 700, 800, 600},     {600, 3, 800, 160, 800, 160},      {1082, 3, 800, 900, 800, 900},
      // left alone
      {1500, 5, 1300, 1300, 1300, 1300},  // the taker
      {1500, 0, 1300, 1300, 1300, 1300},  // a keeper
      {1500, 16, 1300, 1300, 1300, 1300},
      {1500, 12, 1300, 1300, 1300, 1300},  // off the pitch
      {1500, 7, 1300, 2100, 1300, 2100},   // in the wall
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.spotY) + " " + std::to_string(r.object) + " " + std::to_string(r.x) + "," +
                 std::to_string(r.y));
    restartY = static_cast<int16_t>(r.spotY);
    MatchObject& o = MatchObjects[r.object];
    o.action = r.object == 7 ? 58 : 0;
    o.targetX = static_cast<int16_t>(r.x);
    o.targetY = static_cast<int16_t>(r.y);
    SpreadPlayersFromRestart(5);
    EXPECT_EQ(+o.targetX, +r.newX);
    EXPECT_EQ(+o.targetY, +r.newY);
  }
}

// The frames of the clock (TotalFrames) at which a player first and last
// played in open play; nothing before the clock runs.
TEST_F(TeamOpsTest, MarkPlayingFramesFirstThenLatest) {
  MatchObject& p = MatchObjects[9];
  TotalFrames = 0;
  MarkPlayingFrames(9);
  EXPECT_EQ(+p.firstActiveFrame, 0);
  for (int32_t frame : {40, 41, 90}) {
    TotalFrames = frame;
    MarkPlayingFrames(9);
  }
  EXPECT_EQ(+p.firstActiveFrame, 40);
  EXPECT_EQ(+p.lastActiveFrame, 90);
  MarkPlayingFrames(OBJECT_REFEREE);  // not a player: nothing
}

}  // namespace
