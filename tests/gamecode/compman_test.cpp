#include "gamecode/compman.h"

#include <cstring>
#include <vector>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/teamshape.h"
#include "support/engine_fixture.h"

namespace {

uint8_t* Team(int side) { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side]; }
// The side's stored computer formation (the first custom one of its block).
uint8_t* Stored(int side, int slot) { return Team(side) + SETUP_TEAM_FORMATION + FormationSlotOffset(slot); }
uint8_t* Live(int side, int slot) { return Football_GetTeamFormation(static_cast<int16_t>(side)) + FormationSlotOffset(slot); }

int Across(const uint8_t* s) { return LoadI16(s + 0); }
int Along(const uint8_t* s) { return LoadI16(s + 2); }
int SecondAcross(const uint8_t* s) { return LoadI16(s + 4); }
int SecondAlong(const uint8_t* s) { return LoadI16(s + 6); }
int ThirdAcross(const uint8_t* s) { return LoadI16(s + 15); }
int ThirdAlong(const uint8_t* s) { return LoadI16(s + 17); }

void PutSlot(int side, int slot, int across, int along) {
  uint8_t* s = Stored(side, slot);
  std::memset(s, 0, 30);
  StoreI16(s + 0, across);
  StoreI16(s + 2, along);
  StoreI16(s + 4, -1);
  StoreI16(s + 6, -1);
  StoreU32(s + SLOT_FLAGS, 31);
  StoreI16(s + 15, -1);
  StoreI16(s + 17, -1);
  for (int i = 0; i < 3; ++i) StoreI16(s + SLOT_MARKING + 2 * i, -1);
}

int gSeconds = 0;
std::vector<int> gShapeCalls;

// Two computer sides in a 4-4-2: keeper (7, 0); defenders along 3 at across
// 2, 5, 9, 12; midfielders along 9 at the same columns; forwards along 12 at
// 5 and 9. Everyone on the pitch, five substitutes on the bench.
class CompManTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ClearMatchSetupRecord();
    SetPitchGeometry();
    static constexpr int kShape[TACTICS_SLOTS][2] = {{7, 0},  {2, 3},  {5, 3},  {9, 3}, {12, 3}, {2, 9},
                                                     {5, 9},  {9, 9},  {12, 9}, {5, 12}, {9, 12}};
    for (int side = 0; side < 2; ++side) {
      Team(side)[SETUP_TEAM_HUMAN] = 0;
      for (int slot = 0; slot < TACTICS_SLOTS; ++slot) PutSlot(side, slot, kShape[slot][0], kShape[slot][1]);
      for (int p = 0; p < SIDE_OBJECTS; ++p) {
        const int object = side * SIDE_OBJECTS + p;
        SideSlots[side][p] = static_cast<int16_t>(object);
        MatchObject& o = MatchObjects[object];
        const bool bench = p >= TACTICS_SLOTS;
        o.offPitch = bench;
        o.onBench = bench;
        o.rating = static_cast<int8_t>(bench ? 0 : 50);
        o.attr[SKILL_POSITION] = static_cast<uint8_t>(p == 0 ? 0 : p <= 4 ? 2 : p <= 8 ? 6 : 10);
        o.markTarget = -1;
      }
      Football_LoadMatchFormation(static_cast<int16_t>(side));
    }
    SubstitutesAllowed = 3;
    LowGoalSide = 0;
    gSeconds = 0;
    gShapeCalls.clear();
    MatchSeams.matchTimeSeconds = [] { return gSeconds; };
    MatchSeams.initTeamShape = [](int side) { gShapeCalls.push_back(side); };
  }
};

// --- re-planning by the score and the clock --------------------------------------------

TEST_F(CompManTest, ReplanFollowsTheAggregateAndTheMinute) {
  struct Row {
    int score0, score1, firstLeg0, firstLeg1;
    int periodNow, minute;
    int defenderAlong, midfieldAlong, forwardAlong;  // side 0's slots 1, 5 and 9 afterwards
  };
  const Row rows[] = {
      {1, 0, 0, 0, 1, 80, 3, 9, 11},   // one up at 80: u = 90, along 12 drops 90 x 2 / 100 = 1 row
      {1, 0, 0, 0, 0, 20, 3, 9, 12},   // one up at 20: u = 30, 30 x 2 / 100 = 0
      {0, 1, 2, 0, 1, 80, 3, 9, 11},   // behind tonight, one up on aggregate: defend
      {0, 0, 0, 0, 1, 80, 3, 9, 12},   // level: the stock shape
      {2, 0, 0, 0, 1, 80, 3, 9, 12},   // two up: the stock shape
      {1, 0, 0, 2, 1, 80, 4, 9, 12},   // one up tonight, behind on aggregate: attack, rows 0-5 up 2u/100
      {0, 1, 0, 0, 1, 80, 4, 9, 12},   // behind: attack; rows 6-11 up 90/100 = 0, rows 12-17 stay
      {0, 1, 0, 0, 2, 0, 5, 10, 12},   // behind in extra time: u = 100
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.score0 << "-" << r.score1 << " first leg " << r.firstLeg0 << "-"
                                    << r.firstLeg1 << " minute " << r.minute);
    Score[0] = static_cast<int16_t>(r.score0);
    Score[1] = static_cast<int16_t>(r.score1);
    MatchFirstLegGoals[0] = static_cast<int16_t>(r.firstLeg0);
    MatchFirstLegGoals[1] = static_cast<int16_t>(r.firstLeg1);
    period = static_cast<int8_t>(r.periodNow);
    gSeconds = r.minute * 60;
    gShapeCalls.clear();
    ReplanTeams();
    EXPECT_EQ(Along(Live(0, 1)), r.defenderAlong);
    EXPECT_EQ(Along(Live(0, 5)), r.midfieldAlong);
    EXPECT_EQ(Along(Live(0, 9)), r.forwardAlong);
    EXPECT_EQ(0, std::memcmp(WorkingFormation[0], Football_GetTeamFormation(0), TACTICS_RECORD_SIZE));
    EXPECT_EQ(gShapeCalls, (std::vector<int>{0, 1}));
  }
}

TEST_F(CompManTest, LevelSideKeepsItsStockFormationByteForByte) {
  ReplanTeams();
  for (int side = 0; side < 2; ++side)
    EXPECT_EQ(0, std::memcmp(Football_GetTeamFormation(static_cast<int16_t>(side)),
                             Team(side) + SETUP_TEAM_FORMATION, TACTICS_RECORD_SIZE));
}

TEST_F(CompManTest, HumanSideIsLeftAlone) {
  Team(1)[SETUP_TEAM_HUMAN] = 1;
  Score[0] = 3;  // side 1 trails
  StoreI16(Live(1, 1) + 2, 6);
  ReplanTeams();
  EXPECT_EQ(Along(Live(1, 1)), 6);
  EXPECT_EQ(gShapeCalls, (std::vector<int>{0}));
}

TEST_F(CompManTest, AttackPushesUpAndSetsItsInstructions) {
  uint8_t* s = Stored(0, 2);
  s[SLOT_INSTRUCTIONS] = 1;
  StoreI16(s + SLOT_MARKING + 4, 9);
  Stored(0, 6)[SLOT_INSTRUCTIONS] = 0;
  Football_LoadMatchFormation(0);
  period = 2;
  ReplanAttack(0);
  const uint8_t* d = Live(0, 2);
  EXPECT_EQ(Along(d), 5);                       // 3 + 100 x 2 / 100
  EXPECT_EQ(d[SLOT_INSTRUCTIONS], 2);           // a set first instruction becomes 2
  EXPECT_EQ(d[SLOT_INSTRUCTIONS + 1], 1);       // along below 7
  EXPECT_EQ(LoadI16(d + SLOT_MARKING + 4), -1);  // man-marking dropped
  const uint8_t* m = Live(0, 6);
  EXPECT_EQ(Along(m), 10);
  EXPECT_EQ(m[SLOT_INSTRUCTIONS], 0);
  EXPECT_EQ(m[SLOT_INSTRUCTIONS + 1], 0);
}

TEST_F(CompManTest, DefendDropsAndSwapsToTheSecondPosition) {
  uint8_t* s = Stored(0, 9);
  StoreI16(s + 4, 6);
  StoreI16(s + 6, 15);  // the second position lies ahead: it becomes the main one
  s[SLOT_INSTRUCTIONS] = 1;
  s[SLOT_INSTRUCTIONS + 2] = 2;
  StoreI16(s + SLOT_MARKING, 4);
  StoreI16(s + SLOT_MARKING + 2, 5);
  Football_LoadMatchFormation(0);
  period = 2;
  ReplanDefend(0);
  const uint8_t* d = Live(0, 9);
  EXPECT_EQ(Across(d), 6);
  EXPECT_EQ(Along(d), 13);  // 15 - 100 x (15 / 4 - 1) / 100
  EXPECT_EQ(d[SLOT_INSTRUCTIONS], 0);
  EXPECT_EQ(d[SLOT_INSTRUCTIONS + 2], 1);
  EXPECT_EQ(LoadI16(d + SLOT_MARKING), -1);
  EXPECT_EQ(LoadI16(d + SLOT_MARKING + 2), -1);
}

// The second along of an attacking shift and the third along of a defending
// one can leave the grid: both are kept on it.
TEST_F(CompManTest, ShiftsAreClampedToTheGrid) {
  // Column 2 (across 6-8) is empty in the 4-4-2; put slot 9 low in it with
  // its second position level, and slot 10 at the far end with its third level.
  uint8_t* low = Stored(0, 9);
  StoreI16(low + 0, 7);
  StoreI16(low + 2, 2);
  StoreI16(low + 4, 7);
  StoreI16(low + 6, 2);
  Football_LoadMatchFormation(0);
  period = 2;
  ReplanAttack(0);
  // Five empty blocks ahead in the column.
  EXPECT_EQ(Along(Live(0, 9)), 4);
  EXPECT_EQ(SecondAlong(Live(0, 9)), 17);  // 2 + 100 x 5 x 4 / 100 = 22

  uint8_t* high = Stored(1, 10);
  StoreI16(high + 0, 7);
  StoreI16(high + 2, 17);
  StoreI16(high + 15, 7);
  StoreI16(high + 17, 17);
  Football_LoadMatchFormation(1);
  ReplanDefend(1);
  EXPECT_EQ(Along(Live(1, 10)), 14);  // 17 - 100 x 3 / 100
  EXPECT_EQ(ThirdAlong(Live(1, 10)), 0);  // 14 - 5 x 3 = -1
  EXPECT_EQ(ThirdAcross(Live(1, 10)), 7);
}

// --- repairing a side with players missing ------------------------------------------

TEST_F(CompManTest, TenMenAreRepairedFromTheNearestBlockAheadThenBalanced) {
  Stored(0, 5)[SLOT_INSTRUCTIONS] = 3;
  StoreU32(Stored(0, 5) + SLOT_FLAGS, 6);
  MatchObjects[1].sentOff = 1;  // the left back is sent off
  ReplanTeams();
  // The left midfielder drops into the left back's place, the left forward
  // into the midfield; the lone forward left is centred.
  EXPECT_EQ(Across(Live(0, 5)), 2);
  EXPECT_EQ(Along(Live(0, 5)), 3);
  EXPECT_EQ(Live(0, 5)[SLOT_INSTRUCTIONS], 0);
  EXPECT_EQ(LoadU32(Live(0, 5) + SLOT_FLAGS) & 31, 31u);
  EXPECT_EQ(Across(Live(0, 9)), 2);
  EXPECT_EQ(Along(Live(0, 9)), 9);
  EXPECT_EQ(Across(Live(0, 10)), 7);
  EXPECT_EQ(Along(Live(0, 10)), 12);
  EXPECT_EQ(SecondAcross(Live(0, 10)), 7);
  EXPECT_EQ(ThirdAlong(Live(0, 10)), 12);
  // Untouched rows keep their places.
  for (int slot : {2, 3, 4, 6, 7, 8}) EXPECT_EQ(0, std::memcmp(Live(0, slot), Stored(0, slot), 30)) << slot;
  // The other side had eleven: nothing changed.
  EXPECT_EQ(0, std::memcmp(Football_GetTeamFormation(1), Team(1) + SETUP_TEAM_FORMATION, TACTICS_RECORD_SIZE));
}

TEST_F(CompManTest, PresenceCountsCardsAndThePitch) {
  struct Row {
    uint8_t offPitch;
    int16_t yellow, red;
    bool present;
  };
  const Row rows[] = {{0, 0, 0, true}, {0, 1, 0, true}, {0, 2, 0, false}, {0, 0, 1, false}, {1, 0, 0, false}};
  for (const Row& r : rows) {
    MatchObjects[3].offPitch = r.offPitch;
    MatchObjects[3].cardState = r.yellow;
    MatchObjects[3].sentOff = r.red;
    EXPECT_EQ(IsPlayerPresent(3), r.present);
  }
  EXPECT_FALSE(IsPlayerPresent(-1));
  EXPECT_FALSE(IsPlayerPresent(MATCH_PLAYERS));
}

TEST_F(CompManTest, BlocksAndMissingSlots) {
  CountFormationBlocks(0);
  EXPECT_EQ(FormationBlockCount[0][1][0], 1);
  EXPECT_EQ(FormationBlockCount[0][1][4], 1);
  EXPECT_EQ(FormationBlockCount[0][4][1], 1);
  EXPECT_EQ(FormationBlockCount[0][0][2], 0);  // the keeper is not counted
  EXPECT_EQ(FormationMainCount[0][3], 4);
  EXPECT_EQ(FindMissingSlot(0), -1);
  EXPECT_EQ(FindSlotInBlock(0, 4, 3), 10);
  EXPECT_EQ(FindSlotInBlock(0, 2, 2), -1);
  MatchObjects[10].offPitch = 1;
  MatchObjects[7].offPitch = 1;
  EXPECT_EQ(FindMissingSlot(0), 7);  // the smaller along
  EXPECT_EQ(FindSlotInBlock(0, 4, 3), -1);
}

// --- substitutions ----------------------------------------------------------------------

TEST_F(CompManTest, SubstitutionDecisionThresholds) {
  struct Row {
    int periodNow;
    int injuredSlot, injury;
    int strainedSlot, strain;
    int used;
    int expected;
  };
  const Row rows[] = {
      {0, 3, 61, -1, 0, 0, 3},     // injury above 60
      {0, 3, 60, -1, 0, 0, 255},   // not above 60 in the first half
      {1, 3, 51, -1, 0, 2, 3},     // above 50 from the second half
      {1, 3, 50, -1, 0, 2, 255},
      {0, -1, 0, 4, 90, 0, 255},   // strain counts from the second half only
      {1, -1, 0, 4, 41, 2, 4},     // strain above 40
      {1, -1, 0, 4, 40, 2, 255},
      {1, 3, 90, 4, 90, 3, 255},   // all substitutions used
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "period " << r.periodNow << " injury " << r.injury << " strain " << r.strain);
    for (int p = 0; p < TACTICS_SLOTS; ++p) {
      MatchObjects[p].injury = 0;
      MatchObjects[p].strain = 0;
    }
    if (r.injuredSlot >= 0) MatchObjects[r.injuredSlot].injury = static_cast<uint8_t>(r.injury);
    if (r.strainedSlot >= 0) MatchObjects[r.strainedSlot].strain = static_cast<int8_t>(r.strain);
    period = static_cast<int8_t>(r.periodNow);
    SubstitutionsUsed[0] = static_cast<int16_t>(r.used);
    SubstitutionDecision(0);
    EXPECT_EQ(SubstitutionChoice[0], r.expected);
    EXPECT_EQ(SubstitutionPending[0], r.expected == 255 ? 0 : 1);
  }
}

// The first outfield player (squad positions 1-10) with the lowest rating.
int LowestRated() {
  int best = -1;
  for (int p = 1; p < TACTICS_SLOTS; ++p)
    if (best < 0 || MatchObjects[p].rating < MatchObjects[best].rating) best = p;
  return best;
}

TEST_F(CompManTest, LowestRatedComesOffOneTimeInFiftyWhileTwoChangesRemain) {
  period = 1;
  GameSeedRandom(12345);
  int changes = 0;
  const int calls = 5000;
  for (int i = 0; i < calls; ++i) {
    SubstitutionDecision(0);
    if (SubstitutionChoice[0] != NO_SUBSTITUTION) {
      ++changes;
      EXPECT_EQ(SubstitutionChoice[0], LowestRated());
    }
  }
  EXPECT_GT(changes, calls / 50 / 2);
  EXPECT_LT(changes, calls / 50 * 2);
  SubstitutionsUsed[0] = 2;  // one change left: never for the rating
  for (int i = 0; i < 500; ++i) {
    SubstitutionDecision(0);
    EXPECT_EQ(SubstitutionChoice[0], NO_SUBSTITUTION);
  }
}

TEST_F(CompManTest, KeeperInNeedIsReplacedFirstByTheBenchKeeper) {
  for (int p = 11; p < SIDE_OBJECTS; ++p)
    MatchObjects[p].attr[SKILL_SHOOTING] = MatchObjects[p].attr[SKILL_PACE] = 50;
  MatchObjects[14].attr[SKILL_POSITION] = 0;  // a keeper on the bench
  MatchObjects[3].injury = 90;
  MatchObjects[0].injury = 10;
  SubstitutionDecision(0);
  EXPECT_EQ(SubstitutionChoice[0], 0);
  EXPECT_EQ(ChooseSubstitute(0, 0), 14);
  // Sent off: an outfield player makes room for the bench keeper, the
  // injured one first, else the lowest rated.
  MatchObjects[0].injury = 0;
  MatchObjects[0].sentOff = 1;
  MatchObjects[0].offPitch = 1;
  SubstitutionDecision(0);
  EXPECT_EQ(SubstitutionChoice[0], 3);
  EXPECT_EQ(ChooseSubstitute(0, 3), 14);
  MatchObjects[3].injury = 0;
  SubstitutionDecision(0);
  EXPECT_EQ(SubstitutionChoice[0], LowestRated());
  EXPECT_EQ(ChooseSubstitute(0, LowestRated()), 14);
  MatchObjects[3].injury = 90;
  // Without a keeper on the bench the injured outfield player goes first.
  MatchObjects[14].attr[SKILL_POSITION] = 10;
  SubstitutionDecision(0);
  EXPECT_EQ(SubstitutionChoice[0], 3);
}

TEST_F(CompManTest, ChooseSubstitutePrefersLikeForLikeThenTheLine) {
  auto skills = [](int object, int value) {
    MatchObject& o = MatchObjects[object];
    o.attr[SKILL_SHOOTING] = o.attr[SKILL_PACE] = o.attr[SKILL_PASSING] = o.attr[SKILL_TACKLING] =
        static_cast<uint8_t>(value);
  };
  for (int p = 11; p < SIDE_OBJECTS; ++p) skills(p, 50);
  MatchObjects[11].attr[SKILL_POSITION] = 3;   // defender, another position
  MatchObjects[12].attr[SKILL_POSITION] = 2;   // like for like
  MatchObjects[13].attr[SKILL_POSITION] = 10;  // attacker
  MatchObjects[14].attr[SKILL_POSITION] = 0;   // keeper
  MatchObjects[15].attr[SKILL_POSITION] = 6;   // midfielder
  EXPECT_EQ(ChooseSubstitute(0, 1), 12);       // off: a position-2 defender
  MatchObjects[12].rating = 50;                // he has come on already
  EXPECT_EQ(ChooseSubstitute(0, 1), 11);       // the same line next
  skills(15, 99);                              // 3 x 396 = 1188 stays below 6 x 200
  EXPECT_EQ(ChooseSubstitute(0, 1), 11);
  skills(11, 20);                              // 6 x 80 loses to 3 x 396
  EXPECT_EQ(ChooseSubstitute(0, 1), 15);
  // Ties go to the later candidate.
  skills(11, 50);
  MatchObjects[13].attr[SKILL_POSITION] = 3;
  EXPECT_EQ(ChooseSubstitute(0, 1), 13);
  // Nobody left.
  for (int p = 11; p < SIDE_OBJECTS; ++p) MatchObjects[p].rating = -1;
  EXPECT_EQ(ChooseSubstitute(0, 1), -1);
  EXPECT_EQ(ChooseSubstitute(0, 99), -1);
  EXPECT_EQ(SubstitutionSuitability(13, 2), 1);
  EXPECT_EQ(SubstitutionSuitability(-1, 2), 1);
}

// --- marking ----------------------------------------------------------------------------

TEST_F(CompManTest, ManMarkingHoldsAtRestartsWhileTheOpponentIsInAnOrdinaryAction) {
  struct Row {
    int16_t state, opponentAction, markerAction;
    bool marked;
  };
  const Row rows[] = {
      {STATE_OPEN_PLAY, 30, 0, true},        {STATE_OFFSIDE, 30, 0, true},
      {STATE_CORNER_TAKEN, 0, 0, true},      {STATE_CORNER_TAKEN, 17, 3, true},
      {STATE_CORNER_TAKEN, 18, 0, false},    {STATE_FREE_KICK_PLACED, 21, 0, false},
      {STATE_FREE_KICK_PLACED, 5, 0, true},  {STATE_CORNER, 0, 0, false},
      {STATE_OPEN_PLAY, 0, 18, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "state " << r.state << " opponent action " << r.opponentAction);
    MatchState = r.state;
    MatchObject& marker = MatchObjects[2];
    marker.markTarget = 9;
    marker.action = r.markerAction;
    marker.targetX = marker.targetY = 0;
    MatchObject& opponent = MatchObjects[16 + 9];
    opponent.x = 796;
    opponent.y = 500;
    opponent.action = r.opponentAction;
    UpdateManMarking();
    // 32 units from him towards the goal side 0 defends (the low goal line).
    EXPECT_EQ(int{marker.targetX}, r.marked ? 796 : 0);
    EXPECT_EQ(int{marker.targetY}, r.marked ? 468 : 0);
  }
  // An opponent off the pitch is marked by nobody.
  MatchState = STATE_OPEN_PLAY;
  MatchObjects[25].offPitch = 1;
  MatchObjects[2].targetY = 0;
  UpdateManMarking();
  EXPECT_EQ(int{MatchObjects[2].targetY}, 0);
}

TEST_F(CompManTest, AssignMarkersSendsTheNearestFreeDefender) {
  MatchState = STATE_OPEN_PLAY;
  PossessionSide = 1;
  LowGoalSide = 0;  // side 1 attacks the low goal line
  ballX = 796;
  ballY = 600;
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    MatchObjects[object].x = 0;
    MatchObjects[object].y = 5000;  // far away from everything
    MatchObjects[object].targetX = MatchObjects[object].targetY = -1;
  }
  // An attacker 100 ahead of the ball, two defenders near him.
  MatchObjects[25].x = 796;
  MatchObjects[25].y = 500;
  MatchObjects[3].x = 796;
  MatchObjects[3].y = 560;
  MatchObjects[3].attr[SKILL_TACKLING] = 10;  // reach 150
  MatchObjects[4].x = 796;
  MatchObjects[4].y = 540;
  MatchObjects[4].markTarget = 5;  // busy: marks object 21, on the pitch
  AssignMarkers();
  EXPECT_EQ(int{MatchObjects[4].targetY}, -1);
  EXPECT_EQ(int{MatchObjects[3].targetX}, 796);
  // From the attacker towards the middle of the low goal line, 378 / 2 / yard + 24 units.
  EXPECT_EQ(int{MatchObjects[3].targetY}, 500 - (378 / (2 * Pitch.yard) + 24));
  // Out of the defender's reach in open play: nobody goes.
  MatchObjects[3].targetY = -1;
  MatchObjects[3].attr[SKILL_TACKLING] = 0;  // reach 120
  MatchObjects[3].y = 700;                   // 200 away
  AssignMarkers();
  EXPECT_EQ(int{MatchObjects[3].targetY}, -1);
  // An attacker far beyond the ball is left alone.
  MatchObjects[3].y = 300;
  MatchObjects[25].y = 350;  // 250 ahead of the ball
  AssignMarkers();
  EXPECT_EQ(int{MatchObjects[3].targetY}, -1);
}

TEST_F(CompManTest, APlayerLeftOffsideComesBackOnsideAndTheShapeTakesHimAgain) {
  MatchState = STATE_OPEN_PLAY;
  PossessionSide = 1;  // side 0, defending the low goal line, has lost the ball
  LowGoalSide = 0;
  offsideLine[1] = 900;  // side 1's last outfield player
  for (int p = 1; p < TACTICS_SLOTS; ++p) MatchObjects[p].y = 700;  // all onside
  MatchObjects[2].y = 1000;                                          // beyond the line
  MatchObjects[2].attr[SKILL_INTELLIGENCE] = 96;  // (100 - 96) / 2 + 1 = 3 frames
  StepUp();
  EXPECT_EQ(int{MatchObjects[2].stepUpCounter}, 3);
  StepUp();
  EXPECT_EQ(int{MatchObjects[2].stepUpCounter}, 2);
  MatchObjects[2].targetY = 0;
  StepUp();
  EXPECT_EQ(int{MatchObjects[2].targetY}, 900 - 16);
  EXPECT_EQ(int{MatchObjects[2].stepUpCounter}, 2);
  EXPECT_EQ(int{MatchObjects[3].stepUpCounter}, 0);
  // While he stays beyond, the target follows the line.
  offsideLine[1] = 950;
  StepUp();
  EXPECT_EQ(int{MatchObjects[2].targetY}, 950 - 16);
  // Once onside he is released to the shape.
  MatchObjects[2].y = 930;
  StepUp();
  EXPECT_EQ(int{MatchObjects[2].stepUpCounter}, 0);
  // Not in open play, or with nobody in the other side's line: nothing counts.
  MatchObjects[2].y = 1000;
  MatchState = STATE_THROW_IN;
  StepUp();
  EXPECT_EQ(int{MatchObjects[2].stepUpCounter}, 0);
  MatchState = STATE_OPEN_PLAY;
  offsideLine[1] = 0;
  StepUp();
  EXPECT_EQ(int{MatchObjects[2].stepUpCounter}, 0);
  // The side on the ball is left alone.
  offsideLine[1] = 900;
  PossessionSide = 0;
  StepUp();
  EXPECT_EQ(int{MatchObjects[2].stepUpCounter}, 0);
}

TEST_F(CompManTest, ResetLastKickerFindsThePlayerOnTheBall) {
  LastKicker = 7;
  ResetLastKicker();
  EXPECT_EQ(int{LastKicker}, -1);
  MatchObjects[20].hasBall = 1;
  ResetLastKicker();
  EXPECT_EQ(int{LastKicker}, 20);
}

}  // namespace
