// Weekly wages, the ratings' decay, the staff market's turnover and the
// manager event list.
#include "clubsim/upkeep.h"

#include <gtest/gtest.h>

#include "clubsim/staffpool.h"
#include "engine/rand.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

using UpkeepTest = WorldTest;

int64_t WorldMoney() {
  int64_t total = MoneyPool;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) total += Club_GetBalance(club);
  return total;
}

TEST_F(UpkeepTest, LeagueClubsPayTheirPlayersWagesIntoThePool) {
  Postdate = 300;
  DayOfSeason = 100;
  const int64_t before = WorldMoney() - MoneyFlow_Total();
  const int32_t pool = MoneyPool;
  PayWeeklyWages();
  // Club 0 (human): keeper 400, defender 300, forward 800 units; its manager is not paid.
  EXPECT_EQ(Club_GetBalance(tw::kHumanClub), 1000000 - 1500 * 25);
  EXPECT_EQ(Club_GetTotalWages(tw::kHumanClub), 1500 * 25);
  EXPECT_EQ(HumanWagesPaid, 1500 * 25);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), 500000 - 200 * 25);
  // A foreign club's player and a free agent are nobody's wage bill here.
  EXPECT_EQ(Club_GetBalance(tw::kForeignClub), 2000000);
  EXPECT_EQ(MoneyPool, pool + 1700 * 25);
  EXPECT_EQ(WorldMoney() - MoneyFlow_Total(), before);
}

TEST_F(UpkeepTest, NoWagesLongAfterThePostdateNorForAPlayerAbsentWithoutLeave) {
  Postdate = 300;
  DayOfSeason = 336;
  PayWeeklyWages();
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), 500000);
  DayOfSeason = 335;
  Patient_SetPlayerNo(0, tw::kMidfielder);
  Patient_SetInjuryType(0, 0);
  Patient_SetInjuryTime(0, 5);
  PayWeeklyWages();
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), 500000);
  EXPECT_EQ(Club_GetBalance(tw::kHumanClub), 1000000 - 1500 * 25);
}

TEST_F(UpkeepTest, TeamworkOfSixtyFallsToThirtyNineInADay) {
  Club_SetTeamwork(tw::kLeagueClub, 60);
  Club_SetSetPieces1(tw::kLeagueClub, 60);
  Club_SetSetPieces2(tw::kLeagueClub, 40);
  Club_SetSetPieces3(tw::kLeagueClub, 1);
  DecayClubRatings();
  EXPECT_EQ(Club_GetTeamwork(tw::kLeagueClub), 39);
  EXPECT_EQ(Club_GetSetPieces1(tw::kLeagueClub), 45);
  EXPECT_EQ(Club_GetSetPieces2(tw::kLeagueClub), 30);
  EXPECT_EQ(Club_GetSetPieces3(tw::kLeagueClub), 1);
}

TEST_F(UpkeepTest, TheStaffMarketTurnsOverTwoToFiveCandidatesAMonth) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    GameSeedRandom(seed);
    InitStaffCandidates();
    uint8_t before[NUM_STAFF_CANDIDATES];
    std::copy(std::begin(StaffCandidateAvailable), std::end(StaffCandidateAvailable), before);
    TurnOverStaffCandidates();
    EXPECT_EQ(StaffCandidate_CountAvailable(), STAFF_CANDIDATES_AVAILABLE) << seed;
    int withdrawn = 0;
    for (int n = 0; n < NUM_STAFF_CANDIDATES; ++n) withdrawn += before[n] == 1 && StaffCandidateAvailable[n] == 0;
    EXPECT_LE(withdrawn, 5) << seed;
  }
}

TEST_F(UpkeepTest, TheManagerEventListKeepsItsEntriesAndDropsKindsNineToThirteen) {
  EXPECT_EQ(ManagerList_FindFree(1), 0);
  ManagerList_Set(1, 0, 9, 5, 6);
  ManagerList_Set(1, 1, 14, 7, 8);
  ManagerList_Set(1, 500, 3, 3, 3);  // outside the list: nothing
  EXPECT_EQ(ManagerList_FindFree(1), 2);
  EXPECT_EQ(ManagerList_GetA(1, 1), 7);
  EXPECT_EQ(ManagerList_GetB(1, 1), 8);
  EXPECT_EQ(ManagerList_GetKind(1, 500), 0);
  ManagerList_DropKinds(1);
  EXPECT_EQ(ManagerList_GetKind(1, 0), 0);
  EXPECT_EQ(ManagerList_GetKind(1, 1), 14);
  ManagerList_Clear();
  EXPECT_EQ(ManagerList_GetKind(1, 1), 0);
}

}  // namespace
