// The European entrants: the three lists chosen at a new game and at a new
// season, the cup holders, and the count of a club's entries.
#include "season/euroentrants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/rand.h"
#include "season/fixgen.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/static_clubs.h"
#include "world/static_country.h"

namespace {

constexpr int kListASize = EURO_LIST_A_SIZE, kListBSize = EURO_LIST_B_SIZE, kListCSize = EURO_LIST_C_SIZE;
constexpr int16_t kStartRep = 30;  // every club of the league world

// The roll of honour the new season reads: last season's bytes (world clubs,
// 255 none); the seam answers them in place of the honours module.
uint8_t gLastSeason[27];

class EuroEntrantsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    std::memset(gLastSeason, 255, sizeof gLastSeason);
  }

  // The game country's world as a new game lays it out, its first division
  // in club order.
  static void MakeWorld(int country, uint32_t seed = 7) {
    ResetWorld();
    SeasonEngine.honoursGetHolder = [](int16_t season, int16_t index) -> int16_t {
      return season == 1 && index >= 0 && index < 27 ? gLastSeason[index] : 255;
    };
    BuildCountryLeagueWorld(country);
    DivisionClubOrder_Build();
    SortLeagueTables();
    GameSeedRandom(seed);
  }
  static int16_t Place(int p) { return DivisionTable[0][p]; }
  static int16_t WorldClub(int16_t db) { return Club_FindByDbId(db); }
};

// Which country's block a world club lies in, for the game country g.
int BlockCountryOf(int g, int club) {
  for (int t = 0; t < NUM_LIST_COUNTRIES; ++t)
    if (club >= CountryBlockStart(g, t) && club < CountryBlockStart(g, t) + CountryBlockSize(g, t)) return t;
  return -1;
}

std::vector<int> AllEntries() {
  std::vector<int> all;
  for (uint8_t e : EuroListA) all.push_back(e);
  for (uint8_t e : EuroListB) all.push_back(e);
  for (uint8_t e : EuroListC) all.push_back(e);
  return all;
}

TEST_F(EuroEntrantsTest, CountsAClubsEntriesOverTheThreeLists) {
  MakeWorld(0);
  EuroListA[3] = 17;
  EuroListB[0] = 17;
  EuroListC[63] = 17;
  EuroListC[5] = 18;
  EXPECT_EQ(Euro_CountEntries(17), 3);
  EXPECT_EQ(Euro_CountEntries(18), 1);
  EXPECT_EQ(Euro_CountEntries(19), 0);
  EXPECT_EQ(Euro_CountEntries(-1), 0);  // no club, never entered
  EXPECT_EQ(Euro_CountEntries(255), kListASize + kListBSize + kListCSize - 4);  // the empty entries
}

class EveryGameCountry : public EuroEntrantsTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryGameCountry, ANewGameFillsTheListsCountryByCountry) {
  const int g = GetParam();
  MakeWorld(g);
  Euro_SetCupHoldersFromCountryRecord();
  SeasonCounter = 0;
  SelectEuropeanEntrants();

  // Each country's clubs stand in country order, from its own block, as many
  // as its quota; other countries' clubs come from their blocks.
  int entry = 0;
  for (int t = 0; t < NUM_LIST_COUNTRIES; ++t) {
    for (int q = 0; q < EuroQuotaA[t]; ++q, ++entry) {
      if (t == g) continue;
      EXPECT_EQ(BlockCountryOf(g, EuroListA[entry]), t) << "A entry " << entry;
      EXPECT_NE(EuroListA[entry], EuroCupHolderA);
    }
  }
  for (int e = entry; e < kListASize - 1; ++e) EXPECT_EQ(EuroListA[e], 255) << "A has no filling of empty entries";
  EXPECT_EQ(EuroListA[kListASize - 1], EuroCupHolderA);
  EXPECT_EQ(EuroHonourWords[EURO_HONOUR_HOLDER_A], EuroCupHolderA == 255 ? -1 : EuroCupHolderA);

  // B and C end full; no club stands twice anywhere; the game country's
  // clubs stand only where its own chains put them (the holders' entries,
  // A's last and C's last, aside), each with one more reputation point.
  std::vector<int> seen;
  for (int club : AllEntries()) {
    if (club == 255) continue;
    ASSERT_LT(club, NUM_CLUBS);
    EXPECT_NE(CountryClubList[g][club], NO_DB_CLUB) << club;
    EXPECT_EQ(std::count(seen.begin(), seen.end(), club), 0) << "club " << club << " entered twice";
    seen.push_back(club);
  }
  for (uint8_t e : EuroListB) EXPECT_NE(e, 255);
  for (uint8_t e : EuroListC) EXPECT_NE(e, 255);
  std::vector<int> chosen;
  for (int e = 0; e < kListASize - 1; ++e) chosen.push_back(EuroListA[e]);
  for (int e = 0; e < kListBSize; ++e) chosen.push_back(EuroListB[e]);
  for (int e = 0; e < kListCSize - 1; ++e) chosen.push_back(EuroListC[e]);
  int gameCountryClubs = 0;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetCountry(club) != g) continue;
    const bool byChain = std::count(chosen.begin(), chosen.end(), club) != 0;
    gameCountryClubs += byChain;
    EXPECT_EQ(Club_GetRep(club), kStartRep + (byChain ? 1 : 0)) << club;
  }
  EXPECT_EQ(gameCountryClubs, EuroQuotaA[g] + EuroQuotaB[g] + EuroQuotaC[g]);

  // A's game-country entrant is last season's champion, or the runner-up
  // when the champion is the holder.
  const int16_t champion = WorldClub(CountryRecordTable[g][REC_DIV_CHAMPION]);
  const int16_t runnerUp = WorldClub(CountryRecordTable[g][REC_DIV_CHAMPION + 1]);
  const int16_t expectedA = champion >= 0 && champion != EuroCupHolderA ? champion : runnerUp;
  EXPECT_EQ(EuroHonourWords[EURO_HONOUR_A_ENTRANT], expectedA);
  EXPECT_EQ(std::count(EuroListA, EuroListA + kListASize, expectedA), 1);
}

INSTANTIATE_TEST_SUITE_P(Countries, EveryGameCountry, ::testing::Range(0, NUM_GAME_COUNTRIES));

TEST_F(EuroEntrantsTest, TheHoldersComeFromTheCountryRecordAndLastSeasonsRollOfHonour) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    MakeWorld(g);
    Euro_SetCupHoldersFromCountryRecord();
    auto expected = [&](int entry) {
      const int16_t club = WorldClub(CountryRecordTable[g][entry]);
      return club >= 0 && club < NUM_CLUBS ? club : 255;
    };
    EXPECT_EQ(EuroCupHolderA, expected(12)) << g;  // the winner of competition 6
    EXPECT_EQ(EuroCupHolderB, expected(8)) << g;   // the winner of competition 4
  }
  gLastSeason[8] = 140;
  gLastSeason[12] = 141;
  SetEuroCupHolders();
  EXPECT_EQ(EuroCupHolderB, 140);
  EXPECT_EQ(EuroCupHolderA, 141);
  // A byte that names no club of the world is no holder.
  gLastSeason[8] = 252;
  SetEuroCupHolders();
  EXPECT_EQ(EuroCupHolderB, 255);
}

TEST_F(EuroEntrantsTest, AChampionWhoHoldsTheCupLeavesTheLeaguePlaceToTheRunnerUp) {
  MakeWorld(0);
  SeasonCounter = 3;
  EuroCupHolderA = static_cast<uint8_t>(Place(0));
  EuroCupHolderB = 255;
  SelectEuropeanEntrants();
  EXPECT_EQ(Euro_CountEntries(Place(0)), 1);
  EXPECT_EQ(EuroListA[kListASize - 1], Place(0));
  EXPECT_EQ(EuroHonourWords[EURO_HONOUR_A_ENTRANT], Place(1));
  EXPECT_EQ(EuroListA[0], Place(1));  // England is country 0: its entrant comes first
  EXPECT_EQ(Club_GetRep(Place(0)), kStartRep) << "the holder's place gains nothing";
}

TEST_F(EuroEntrantsTest, ACupWinnerWhoHoldsAEuropeanCupLeavesTheCupPlaceToTheRunnerUp) {
  MakeWorld(0);
  SeasonCounter = 3;
  const int16_t winner = Place(9), runnerUp = Place(10);
  gLastSeason[0] = static_cast<uint8_t>(winner);
  gLastSeason[1] = static_cast<uint8_t>(runnerUp);
  EuroCupHolderA = 255;
  EuroCupHolderB = static_cast<uint8_t>(winner);
  SelectEuropeanEntrants();
  EXPECT_EQ(EuroHonourWords[EURO_HONOUR_CUP_WINNER], winner);
  EXPECT_EQ(EuroHonourWords[EURO_HONOUR_CUP_RUNNER_UP], runnerUp);
  // England's first C place is entry 0; the holder ends the list.
  EXPECT_EQ(EuroListC[0], runnerUp);
  EXPECT_EQ(EuroListC[kListCSize - 1], winner);
  EXPECT_EQ(EuroHonourWords[EURO_HONOUR_HOLDER_C], winner);

  // With the runner-up already entered (place 0 of the league, in A), the
  // first suitable club from place 2 on takes it: places 0 and 1 are in A
  // and B, so place 2.
  MakeWorld(0);
  SeasonCounter = 3;
  gLastSeason[0] = static_cast<uint8_t>(Place(9));
  gLastSeason[1] = static_cast<uint8_t>(Place(0));
  EuroCupHolderB = static_cast<uint8_t>(Place(9));
  SelectEuropeanEntrants();
  EXPECT_EQ(EuroListA[0], Place(0));
  EXPECT_EQ(EuroListB[0], Place(1));
  EXPECT_EQ(EuroListC[0], Place(2));
}

TEST_F(EuroEntrantsTest, AClubAlreadyInAIsPassedOverByTheOtherChains) {
  MakeWorld(2);  // Italy: one entrant in A, two in B, three in C
  SeasonCounter = 1;
  EuroCupHolderA = EuroCupHolderB = 255;
  gLastSeason[0] = static_cast<uint8_t>(Place(0));  // the champion also won the cup
  gLastSeason[1] = static_cast<uint8_t>(Place(5));
  SelectEuropeanEntrants();
  std::vector<int16_t> italian;
  for (int club : AllEntries())
    if (club != 255 && Club_GetCountry(static_cast<int16_t>(club)) == 2) italian.push_back(static_cast<int16_t>(club));
  ASSERT_EQ(italian.size(), 6u);
  for (int16_t club : italian) {
    EXPECT_EQ(Euro_CountEntries(club), 1) << club;
    EXPECT_EQ(Club_GetRep(club), kStartRep + 1) << club;
  }
  // A: place 0. B: places 1 and 2. C: the cup runner-up (place 5), then places 3 and 4.
  EXPECT_EQ(std::count(EuroListA, EuroListA + kListASize, Place(0)), 1);
  EXPECT_EQ(std::count(EuroListB, EuroListB + kListBSize, Place(1)), 1);
  EXPECT_EQ(std::count(EuroListB, EuroListB + kListBSize, Place(2)), 1);
  EXPECT_EQ(std::count(EuroListC, EuroListC + kListCSize, Place(5)), 1);
  EXPECT_EQ(std::count(EuroListC, EuroListC + kListCSize, Place(3)), 1);
  EXPECT_EQ(std::count(EuroListC, EuroListC + kListCSize, Place(4)), 1);
}

TEST_F(EuroEntrantsTest, EmptyPlacesGoToClubsOfOtherCountries) {
  MakeWorld(5);  // Holland: a world of 164 clubs, the rest of the list empty
  SeasonCounter = 0;
  Euro_SetCupHoldersFromCountryRecord();
  SelectEuropeanEntrants();
  for (int club : AllEntries()) {
    if (club == 255) continue;
    EXPECT_LT(club, CountryBlockStart(5, NUM_LIST_COUNTRIES - 1) + CountryBlockSize(5, NUM_LIST_COUNTRIES - 1));
  }
  // The same seed, the same lists.
  const std::vector<int> first = AllEntries();
  MakeWorld(5);
  Euro_SetCupHoldersFromCountryRecord();
  SelectEuropeanEntrants();
  EXPECT_EQ(AllEntries(), first);
  MakeWorld(5, 8);
  Euro_SetCupHoldersFromCountryRecord();
  SelectEuropeanEntrants();
  EXPECT_NE(AllEntries(), first);
}

TEST_F(EuroEntrantsTest, AWorldWithoutRoomLeavesEntriesEmptyInsteadOfDrawingForEver) {
  MakeWorld(0);
  SeasonCounter = 1;
  // Every club of another country is made English: nobody is left to fill
  // the lists' empty entries.
  for (int16_t club = 0; club < NUM_CLUBS; ++club) Club_SetCountry(club, 0);
  SelectEuropeanEntrants();
  // The quotas' own entries are drawn from the countries' blocks; the filling
  // of the rest finds nobody.
  for (int e = 0; e < kListBSize; ++e) EXPECT_EQ(EuroListB[e] == 255, e >= 26) << e;
  for (int e = 40; e < kListCSize; ++e) EXPECT_EQ(EuroListC[e], 255) << e;
}

TEST_F(EuroEntrantsTest, AResetForgetsTheHoldersAndTheHonours) {
  EuroCupHolderA = 4;
  EuroCupHolderB = 5;
  EuroHonourWords[3] = 9;
  ResetAllModules();
  EXPECT_EQ(EuroCupHolderA, 255);
  EXPECT_EQ(EuroCupHolderB, 255);
  for (int16_t word : EuroHonourWords) EXPECT_EQ(word, -1);
}

}  // namespace
