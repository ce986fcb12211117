#include "gamecode/fixturematch.h"
#include "gamecode/setplays.h"

#include <cstring>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/rand.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstate.h"
#include "gamecode/teamops.h"
#include "support/engine_fixture.h"

namespace {

class FixtureMatchTest : public EngineTest {};

struct OrderCase {
  const char* name;
  int taker;                  // side 0's penalty taker, -1 none
  std::vector<int> offPitch;  // starters sent off
  int equalShooting;          // every player this Shooting (0: object 1-10 40 + object, the keeper 20)
  int substitute;             // the bench object that came on for object 4 (Shooting 99), -1 none
  std::vector<int> order;     // side 0's order, the rest of the ten entries empty
};

TEST_F(FixtureMatchTest, TheDefaultShootOutOrderIsTheTakerThenTheBestShots) {
  const OrderCase cases[] = {
      {"taker first, then by Shooting; ten entries leave the keeper out", 3, {}, 0, -1,
       {3, 10, 9, 8, 7, 6, 5, 4, 2, 1}},
      {"a taker sent off is left out and the keeper comes last", 3, {3, 7}, 0, -1, {10, 9, 8, 6, 5, 4, 2, 1, 0}},
      {"no taker, equal Shooting: the squad order", -1, {}, 50, -1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"the keeper as the taker goes first", 0, {}, 0, -1, {0, 10, 9, 8, 7, 6, 5, 4, 3, 2}},
      {"a substitute on the pitch takes his place by Shooting", -1, {}, 0, 12, {12, 10, 9, 8, 7, 6, 5, 3, 2, 1}},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.name);
    ResetEngine();
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < SIDE_OBJECTS; ++place) {
        const int object = side * SIDE_OBJECTS + place;
        SideSlots[side][place] = static_cast<int16_t>(object);
        MatchObject& o = MatchObjects[object];
        const bool bench = place >= 11;
        o.offPitch = bench ? 1 : 0;
        o.onBench = bench ? 1 : 0;
        o.attr[SKILL_SHOOTING] = static_cast<uint8_t>(c.equalShooting ? c.equalShooting : place == 0 ? 20 : 40 + place);
      }
    for (int object : c.offPitch) MatchObjects[object].offPitch = 1;
    if (c.substitute >= 0) {
      SideSlots[0][4] = static_cast<int16_t>(c.substitute);
      SideSlots[0][c.substitute] = 4;
      MatchObjects[4].offPitch = 1;
      MatchObjects[c.substitute].offPitch = 0;
      MatchObjects[c.substitute].onBench = 0;
      MatchObjects[c.substitute].attr[SKILL_SHOOTING] = 99;
    }
    PenaltyTakerObject[0] = static_cast<int16_t>(c.taker);
    PenaltyTakerObject[1] = -1;
    DefaultShootOutOrder(0);
    DefaultShootOutOrder(1);
    std::vector<int> got;
    for (int16_t object : ShootOutOrder[0]) got.push_back(object);
    std::vector<int> want = c.order;
    want.resize(10, -1);
    EXPECT_EQ(got, want);
    for (int16_t object : ShootOutOrder[1]) EXPECT_TRUE(object == -1 || object / SIDE_OBJECTS == 1) << object;
  }
}

// One short ball-only match from the set-up the match day wrote.
std::vector<uint8_t> PlayBallOnlyFixture(uint32_t seed) {
  GameSeedRandom(seed);
  const uint8_t* result = PlayFixtureMatch();
  return std::vector<uint8_t>(result, result + MATCH_RESULT_SIZE);
}

TEST_F(FixtureMatchTest, EachFixtureStartsFromAFreshMatchWithItsSetUpKept) {
  InitMemory(9500);  // the replay ring
  MatchStandIns_InstallBallOnly(MatchSeams);
  uint8_t* setup = ClearMatchSetupRecord();
  for (int b : {SETUP_EXTRA_TIME, SETUP_PENALTIES, SETUP_SILVER_GOAL, SETUP_SECOND_LEG}) setup[b] = 0;
  StoreI16(setup + SETUP_MATCH_LENGTH, 1);
  StoreI16(setup + SETUP_DISPLAY_MODE, 2);
  for (int side = 0; side < 2; ++side) StandInFillTeam(setup + MATCH_SETUP_TEAM_OFFSET[side], side);
  const std::vector<uint8_t> written(setup, setup + MATCH_SETUP_SIZE);

  const std::vector<uint8_t> first = PlayBallOnlyFixture(5);
  const StandInPeriodCounts firstHalf = StandInCounts(0);
  ASSERT_GT(firstHalf.kicks, 0);
  EXPECT_EQ(std::vector<uint8_t>(GetMatchSetupRecord(), GetMatchSetupRecord() + MATCH_SETUP_SIZE), written);
  // What a match leaves behind does not reach the next one.
  Score[0] = 9;
  ShootOutOrder[0][0] = 7;
  MatchObjects[3].x = 1;
  MatchState = 19;
  const std::vector<uint8_t> second = PlayBallOnlyFixture(5);
  EXPECT_EQ(first, second);
  // The headless match's own counts start again too.
  EXPECT_EQ(StandInCounts(0).kicks, firstHalf.kicks);
  EXPECT_EQ(StandInCounts(0).throwIns, firstHalf.throwIns);
  // The seams are handed back as they were found.
  EXPECT_EQ(MatchSeams.matchClockTick, &MatchStandIn_Clock);
}

}  // namespace
