#include "world/fixtures.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/players.h"
#include "world/static_clubs.h"
#include "world/static_cups.h"

namespace {

// (day, competition, home, away) of a slot.
using Head = std::array<int, 4>;

Head HeadOf(int16_t n) {
  return {Fixture_GetDay(n), Fixture_GetCompetition(n), Fixture_GetHomeClub(n), Fixture_GetAwayClub(n)};
}

std::vector<Head> UsedHeads() {
  std::vector<Head> heads;
  for (int16_t n = 0; n < NUM_FIXTURES; ++n)
    if (Fixture_GetDay(n) != FIXTURE_EMPTY_DAY) heads.push_back(HeadOf(n));
  return heads;
}

int UsedCount() { return static_cast<int>(UsedHeads().size()); }

std::vector<uint8_t> ListBytes() {
  const auto* b = reinterpret_cast<const uint8_t*>(FixtureList);
  return std::vector<uint8_t>(b, b + sizeof FixtureList);
}

// A list of 3,400 league fixtures, ten a day from day 0.
void FillList() {
  for (int i = 0; i < NUM_FIXTURES; ++i) ASSERT_EQ(Fixture_Add(i / 10, COMP_LEAGUE, i % 250, (i + 1) % 250, 0), i);
}

int16_t Played(int day, int code, int home, int away, int homeGoals, int awayGoals) {
  int16_t n = Fixture_Add(day, code, home, away, 0);
  Fixture_SetResult(n, homeGoals, awayGoals);
  return n;
}

// ---------------------------------------------------------------- the record

class FixtureRecordTest : public WorldTest {};

TEST_F(FixtureRecordTest, AResetLeavesAnEmptyListAndEmptyTables) {
  Fixture_Add(40, COMP_LEAGUE, 1, 2, 1);
  LeagueTable[1].points = 9;
  LeagueMovement[1] = MOVED_UP;
  DivisionTable[0][0] = 1;
  DivisionClubs_Build();
  ResetAllModules();
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    ASSERT_EQ(Fixture_GetDay(n), FIXTURE_EMPTY_DAY);
    ASSERT_EQ(Fixture_GetHomeGoals(n), GOALS_NOT_PLAYED);
    ASSERT_EQ(Fixture_GetAwayGoals(n), GOALS_NOT_PLAYED);
    ASSERT_EQ(Fixture_GetLegFlag(n), 0);
  }
  EXPECT_EQ(LeagueTable[1].points, 0);
  EXPECT_EQ(LeagueMovement[1], MOVED_NOT);
  EXPECT_EQ(DivisionTable[0][0], NO_TABLE_CLUB);
  EXPECT_EQ(DivisionClubs_Get(0, 0), -1);
  std::vector<std::string> names;
  for (int i = 0; i < ResetCount(); ++i) names.push_back(ResetName(i));
  EXPECT_NE(std::find(names.begin(), names.end(), "Fixtures_Reset"), names.end());
}

TEST_F(FixtureRecordTest, AnAddedFixtureIsPackedIntoTheHeaderGoalsAndFlags) {
  struct Case {
    int day, code, home, away, flag;
  };
  const Case cases[] = {{0, 0, 0, 0, 0}, {365, 118, 249, 248, 1}, {300, 117, 7, 249, 1}, {12, 37, 128, 3, 0}};
  for (const Case& c : cases) {
    Fixture_ClearAll();
    FixtureList[0].bytes[5] = 0xFE;  // bits 3-7 stay with the slot, bits 1-2 are cleared
    ASSERT_EQ(Fixture_Add(c.day, c.code, c.home, c.away, c.flag), 0);
    const uint8_t* r = Fixture_GetRecord(0)->bytes;
    const uint32_t header = static_cast<uint32_t>(c.day) | static_cast<uint32_t>(c.code) << 9 |
                            static_cast<uint32_t>(c.home) << 16 | static_cast<uint32_t>(c.away) << 24;
    EXPECT_EQ(LoadU32(r), header) << c.day;
    EXPECT_EQ(r[4], 0xFF);
    EXPECT_EQ(r[5], 0xF8 | c.flag);
    EXPECT_EQ(HeadOf(0), (Head{c.day, c.code, c.home, c.away}));
    EXPECT_EQ(Fixture_GetLegFlag(0), c.flag);
    EXPECT_EQ(Fixture_IsPlayed(0), 0);
  }
}

TEST_F(FixtureRecordTest, ResultsAreClampedBelowTheNotPlayedMark) {
  const int16_t n = Fixture_Add(10, COMP_LEAGUE, 1, 2, 0);
  struct Case {
    int home, away, storedHome, storedAway;
  };
  const Case cases[] = {{0, 0, 0, 0}, {3, 14, 3, 14}, {15, 2, 14, 2}, {21, 99, 14, 14}, {-3, 1, 0, 1}};
  for (const Case& c : cases) {
    Fixture_SetResult(n, c.home, c.away);
    EXPECT_EQ(Fixture_GetHomeGoals(n), c.storedHome);
    EXPECT_EQ(Fixture_GetAwayGoals(n), c.storedAway);
    EXPECT_EQ(Fixture_IsPlayed(n), 1);
  }
  Fixture_SetShootoutFlag(n, 1);
  EXPECT_EQ(FixtureList[n].bytes[5] & 4, 4);
  EXPECT_EQ(Fixture_GetShootoutFlag(n), 1);
  Fixture_SetAttendance(n, 41234);
  EXPECT_EQ(LoadI32(FixtureList[n].bytes + 8), 41234);
}

TEST_F(FixtureRecordTest, SlotsOutsideTheListReadAsEmpty) {
  for (int16_t n : {int16_t{-1}, int16_t{NUM_FIXTURES}, int16_t{32767}}) {
    EXPECT_EQ(Fixture_GetRecord(n), nullptr);
    EXPECT_EQ(Fixture_GetDay(n), FIXTURE_EMPTY_DAY);
    EXPECT_EQ(Fixture_GetHomeGoals(n), GOALS_NOT_PLAYED);
    EXPECT_EQ(Fixture_GetCompetition(n), 0);
    Fixture_SetResult(n, 1, 1);  // ignored
    Fixture_Remove(n);
    Fixture_Swap(n, 0);
  }
  EXPECT_EQ(Fixture_GetRecord(NUM_FIXTURES - 1), &FixtureList[NUM_FIXTURES - 1]);
}

// ---------------------------------------------------------------- the list

class FixtureListTest : public WorldTest {};

TEST_F(FixtureListTest, ANewFixtureGoesAfterThoseOfItsDay) {
  Fixture_Add(50, COMP_LEAGUE, 1, 2, 0);
  Fixture_Add(40, COMP_LEAGUE, 3, 4, 0);
  Fixture_Add(50, 21, 5, 6, 0);
  EXPECT_EQ(Fixture_Add(45, COMP_LEAGUE, 7, 8, 0), 1);
  EXPECT_EQ(Fixture_Add(50, COMP_FRIENDLY, 9, 10, 0), 4);
  EXPECT_EQ(Fixture_Add(0, COMP_LEAGUE, 11, 12, 0), 0);
  const std::vector<Head> expected = {{0, 0, 11, 12}, {40, 0, 3, 4}, {45, 0, 7, 8},
                                      {50, 0, 1, 2},  {50, 21, 5, 6}, {50, 117, 9, 10}};
  EXPECT_EQ(UsedHeads(), expected);
  EXPECT_EQ(Fixture_FindInsertSlot(50), 6);
  EXPECT_EQ(Fixture_FindInsertSlot(44), 2);
}

TEST_F(FixtureListTest, AFixtureRemovesEveryFriendlyOfItsHomeClubThatDay) {
  Fixture_Add(30, COMP_FRIENDLY, 1, 2, 0);    // hosted by the home club: goes
  Fixture_Add(30, COMP_FRIENDLY, 3, 1, 0);    // visited by the home club: goes
  Fixture_Add(30, COMP_FRIENDLY, 5, 4, 0);    // of the away club: stays
  Fixture_Add(31, COMP_FRIENDLY, 1, 6, 0);    // another day: stays
  Fixture_Add(30, COMP_LEAGUE, 1, 7, 0);      // a competitive match of the home club: stays
  Fixture_Add(30, COMP_LEAGUE, 1, 4, 0);
  const std::vector<Head> expected = {{30, 117, 5, 4}, {30, 0, 1, 7}, {30, 0, 1, 4}, {31, 117, 1, 6}};
  EXPECT_EQ(UsedHeads(), expected);
}

TEST_F(FixtureListTest, AFullListRefusesAFixtureAndLosesNothing) {
  FillList();
  const std::vector<uint8_t> before = ListBytes();
  testing::internal::CaptureStdout();
  EXPECT_EQ(Fixture_Add(5, COMP_LEAGUE, 1, 2, 0), -1);
  EXPECT_EQ(Fixture_Add(400, 21, 1, 2, 0), -1);
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_NE(log.find("Fixture_Add(): Error: fixture list full, fixture not added Comp & DayNo: '0,5'\n"),
            std::string::npos);
  EXPECT_NE(log.find("'21,400'"), std::string::npos);
  EXPECT_EQ(ListBytes(), before);
  EXPECT_EQ(Fixture_OpenGap(0), 0);
  EXPECT_EQ(ListBytes(), before);
}

TEST_F(FixtureListTest, AFullListMakesRoomWhenAFriendlyOfTheHomeClubGivesWay) {
  for (int i = 0; i < NUM_FIXTURES - 1; ++i) Fixture_Add(i / 10, COMP_LEAGUE, i % 250, (i + 1) % 250, 0);
  Fixture_Add(300, COMP_FRIENDLY, 9, 8, 0);
  ASSERT_EQ(UsedCount(), NUM_FIXTURES);
  const int16_t n = Fixture_Add(300, COMP_LEAGUE, 9, 7, 0);
  EXPECT_EQ(n, 3010);  // after the day's other fixtures
  EXPECT_EQ(HeadOf(n), (Head{300, 0, 9, 7}));
  EXPECT_EQ(Fixture_FindClubFriendlyOnDay(9, 300), -1);
  EXPECT_EQ(UsedCount(), NUM_FIXTURES);
}

TEST_F(FixtureListTest, AFixtureOfNoDayOfTheListIsRefused) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(Fixture_Add(-1, COMP_LEAGUE, 1, 2, 0), -1);
  EXPECT_EQ(Fixture_Add(FIXTURE_EMPTY_DAY, COMP_LEAGUE, 1, 2, 0), -1);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Fixture_Add(): Error: no such day"), std::string::npos);
  EXPECT_EQ(UsedCount(), 0);
}

TEST_F(FixtureListTest, RemovingMovesHeadersButNotTheMatchFiguresOfLaterSlots) {
  for (int i = 0; i < 5; ++i) {
    int16_t n = Fixture_Add(10 + i, COMP_LEAGUE, i, i + 10, i & 1);
    Fixture_SetAttendance(n, 100 + i);
    StoreI16(FixtureList[n].bytes + 12, 1000 + i);  // first home player
  }
  Fixture_SetResult(2, 3, 1);
  Fixture_SetShootoutFlag(2, 1);
  FixtureList[1].bytes[5] |= 0x80;  // a flag bit that stays with its slot
  Fixture_Remove(1);

  const std::vector<Head> expected = {{10, 0, 0, 10}, {12, 0, 2, 12}, {13, 0, 3, 13}, {14, 0, 4, 14}};
  EXPECT_EQ(UsedHeads(), expected);
  EXPECT_EQ(Fixture_GetHomeGoals(1), 3);
  EXPECT_EQ(Fixture_GetShootoutFlag(1), 1);
  EXPECT_EQ(Fixture_GetLegFlag(1), 0);
  EXPECT_EQ(FixtureList[1].bytes[5] & 0x80, 0x80);
  EXPECT_EQ(Fixture_GetLegFlag(2), 1);
  for (int16_t n = 0; n < 5; ++n) {
    EXPECT_EQ(Fixture_GetAttendance(n), 100 + n);
    EXPECT_EQ(LoadI16(FixtureList[n].bytes + 12), 1000 + n);
  }
  EXPECT_EQ(Fixture_GetDay(4), FIXTURE_EMPTY_DAY);
  EXPECT_EQ(Fixture_GetHomeGoals(4), GOALS_NOT_PLAYED);
}

TEST_F(FixtureListTest, RemovingTheLastSlotLeavesItEmpty) {
  FillList();
  Fixture_Remove(NUM_FIXTURES - 1);
  EXPECT_EQ(Fixture_GetDay(NUM_FIXTURES - 1), FIXTURE_EMPTY_DAY);
  EXPECT_EQ(UsedCount(), NUM_FIXTURES - 1);
  EXPECT_EQ(HeadOf(NUM_FIXTURES - 2), (Head{339, 0, (NUM_FIXTURES - 2) % 250, (NUM_FIXTURES - 1) % 250}));
}

TEST_F(FixtureListTest, SwapExchangesHeadersGoalsAndTheirFlagsOnly) {
  Fixture_Add(10, COMP_LEAGUE, 1, 2, 1);
  Fixture_Add(11, 21, 3, 4, 0);
  Fixture_SetResult(0, 2, 0);
  Fixture_SetAttendance(0, 500);
  Fixture_SetAttendance(1, 600);
  FixtureList[0].bytes[5] |= 0x10;
  Fixture_Swap(0, 1);
  EXPECT_EQ(HeadOf(0), (Head{11, 21, 3, 4}));
  EXPECT_EQ(HeadOf(1), (Head{10, 0, 1, 2}));
  EXPECT_EQ(Fixture_GetHomeGoals(1), 2);
  EXPECT_EQ(Fixture_IsPlayed(0), 0);
  EXPECT_EQ(Fixture_GetLegFlag(1), 1);
  EXPECT_EQ(Fixture_GetLegFlag(0), 0);
  EXPECT_EQ(Fixture_GetAttendance(0), 500);
  EXPECT_EQ(Fixture_GetAttendance(1), 600);
  EXPECT_EQ(FixtureList[0].bytes[5] & 0x10, 0x10);
  EXPECT_EQ(FixtureList[1].bytes[5] & 0x10, 0);
}

// ---------------------------------------------------------------- searches

class FixtureSearchTest : public LeagueWorldTest {};

TEST_F(FixtureSearchTest, FindsByClubsCodeAndDay) {
  Fixture_Add(20, COMP_LEAGUE, 1, 2, 0);
  Fixture_Add(20, COMP_FRIENDLY, 3, 1, 0);
  Fixture_Add(21, 37, 2, 1, 0);
  Fixture_Add(22, COMP_SPECIAL, 1, 4, 0);
  EXPECT_EQ(Fixture_Find(2, 1, 37), 2);
  EXPECT_EQ(Fixture_Find(1, 2, COMP_LEAGUE), 0);
  EXPECT_EQ(Fixture_FindClubFriendlyOnDay(1, 20), 1);
  EXPECT_EQ(Fixture_FindClubFriendlyOnDay(2, 20), -1);
  EXPECT_EQ(Fixture_FindClubMatchOnDay(1, 20), 0);
  EXPECT_EQ(Fixture_FindClubMatchOnDay(3, 20), -1);     // a friendly is no match
  EXPECT_EQ(Fixture_FindClubMatchOnDay(1, 22), -1);     // nor is code 118
  EXPECT_EQ(Fixture_FindClubMatchOnDay(1, 21), 2);
  Fixture_RemoveClubFriendlies(1, 20);
  EXPECT_EQ(UsedCount(), 3);
  Fixture_ClearAll();
  EXPECT_EQ(UsedCount(), 0);
  EXPECT_EQ(Fixture_FindClubMatchOnDay(0, FIXTURE_EMPTY_DAY), -1);  // empty slots hold no club
}

TEST_F(FixtureSearchTest, GamesPlayedCountCompetitiveFixturesBeforeToday) {
  DayOfSeason = 30;
  Fixture_Add(10, COMP_LEAGUE, 1, 2, 0);
  Fixture_Add(20, COMP_FRIENDLY, 1, 3, 0);
  Fixture_Add(25, COMP_SPECIAL, 4, 1, 0);
  Fixture_Add(29, 37, 5, 1, 0);
  Fixture_Add(30, COMP_LEAGUE, 1, 6, 0);
  EXPECT_EQ(Fixture_CountClubGamesPlayed(1), 2);
  EXPECT_EQ(Fixture_CountClubGamesPlayed(6), 0);
}

TEST_F(FixtureSearchTest, NextCupIndexNamesTheCupOfTheNextFixture) {
  struct Case {
    int code, cup;
  };
  const Case cases[] = {{0, -1}, {1, -1}, {4, -1},   {5, 0},   {20, 0},  {21, 1},   {36, 1},   {37, 2},
                        {53, 3}, {69, 4}, {84, 4},   {85, 6},  {100, 6}, {101, 6},  {116, 6},  {117, 117}};
  DayOfSeason = 10;
  for (const Case& c : cases) {
    Fixture_ClearAll();
    Fixture_Add(9, 21, 1, 2, 0);              // before today: passed over
    Fixture_Add(10, COMP_SPECIAL, 1, 3, 0);   // code 118: passed over
    Fixture_Add(12, c.code, 2, 1, 0);
    Fixture_Add(13, 37, 1, 2, 0);
    EXPECT_EQ(Fixture_GetClubNextCupIndex(1), c.cup) << c.code;
  }
  EXPECT_EQ(Fixture_GetClubNextCupIndex(7), -1);
}

TEST_F(FixtureSearchTest, APlayerIsCupTiedWhenHeHasPlayedTheNextCupForAnotherClub) {
  const int16_t player = tw::kLeagueSquad + 3;  // of club 1
  ASSERT_EQ(Player_GetClub(player), 1);
  Fixture_Add(12, 21, 1, 2, 0);  // cup 1
  struct Case {
    int tiedTo, tied;
  };
  for (const Case c : {Case{7, 1}, Case{1, 0}, Case{PLAYER_CLUB_NONE, 0}}) {
    Player_SetCupTied(player, c.tiedTo, 1);
    EXPECT_EQ(Player_IsCupTiedForNextMatch(player), c.tied) << c.tiedTo;
  }
  Player_SetCupTied(player, 7, 1);
  Fixture_Add(11, COMP_FRIENDLY, 1, 9, 0);
  EXPECT_EQ(Player_IsCupTiedForNextMatch(player), 0);
  Fixture_Add(10, COMP_LEAGUE, 1, 9, 0);
  EXPECT_EQ(Player_IsCupTiedForNextMatch(player), 0);
}

TEST_F(FixtureSearchTest, BenchSizeComesFromTheNextCompetitiveFixture) {
  const int16_t division4Club = 100;
  ASSERT_EQ(Club_GetDivision(division4Club), 4);
  DayOfSeason = 10;
  struct Case {
    const char* what;
    int country;
    std::vector<std::array<int, 3>> fixtures;  // day, code, home (away is club 200)
    int club;
    int bench;
  };
  const Case cases[] = {
      {"league, division 0", 0, {{12, 0, 1}}, 1, 5},
      {"league, division 4", 0, {{12, 0, division4Club}}, division4Club, 3},
      {"play-off of division 4", 0, {{12, 3, division4Club}}, division4Club, 3},
      {"super cup passed over", 0, {{11, 4, 1}, {12, 37, 1}}, 1, 3},
      {"friendly and 118 passed over", 0, {{11, 117, 1}, {11, 118, 1}, {12, 5, 1}}, 1, 5},
      {"a day before today passed over", 0, {{9, 37, 1}, {12, 0, 1}}, 1, 5},
      {"second leg of a cup round", 0, {{12, 5 + 8 + 1, 1}}, 1, CupRoundData[0][0][1].substitutes},
      {"no competitive fixture", 0, {{12, 117, 1}}, 1, 5},
      {"a cup the country does not have", 2, {{12, 21, 1}}, 1, 255},
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    GameCountry = static_cast<int8_t>(c.country);
    for (const auto& f : c.fixtures) Fixture_Add(f[0], f[1], f[2], 200, 0);
    EXPECT_EQ(Fixture_GetNextMatchBenchSize(c.club), c.bench) << c.what;
  }
}

// ---------------------------------------------------------------- fatal paths and debugging

class FixtureFatalTest : public WorldTest {};

TEST_F(FixtureFatalTest, AMissingFixtureEndsTheProgramWithTheListPrinted) {
  DayOfSeason = 7;
  Fixture_Add(5, 37, 1, 2, 0);
  EXPECT_FATAL_EXIT(Fixture_Find(2, 1, 37),
                    "WARNING !! Cannot find this fixture matey Comp & DayNo: '37,7'\n"
                    "Home Away: '2,1'\n"
                    "Competition Day Club Club Score Score: '37,5,1,2,15,15'\n"
                    "Competition Day Club Club Score Score: '0,511,0,0,15,15'\n");
}

TEST_F(FixtureFatalTest, AnIllegalCompetitionEndsTheProgram) {
  EXPECT_FATAL_EXIT(Fixture_Add(10, 119, 1, 2, 0), "illegal competition type '119'\n");
  EXPECT_FATAL_EXIT(Fixture_Add(10, -1, 1, 2, 0), "illegal competition type '-1'\n");
}

TEST_F(FixtureFatalTest, AnOutOfRangeClubNumberEndsTheProgram) {
  for (int club : {-1, 250, 251, 253, 256})
    EXPECT_FATAL_EXIT(Club_GetDbId(club), "Couldn't get team '" + std::to_string(club) + "'\n");
}

TEST_F(FixtureFatalTest, ADayOutOfOrderIsCaught) {
  Fixture_Add(10, COMP_LEAGUE, 1, 2, 0);
  Fixture_Add(12, COMP_LEAGUE, 3, 4, 0);
  Debug_CheckFixtures();  // in order: nothing happens
  Fixture_Swap(0, 1);
  EXPECT_FATAL_EXIT(Debug_CheckFixtures(), "Gotcha memory corruption\\.\\.\\.\\.\\. \n"
                                           "Competition Day Club Club Score Score: '0,12,3,4,15,15'\n");
}

TEST_F(FixtureFatalTest, TheDebugPrintShowsEverySlot) {
  Played(3, 21, 4, 5, 2, 1);
  testing::internal::CaptureStdout();
  Fixture_DebugPrint();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), NUM_FIXTURES);
  EXPECT_EQ(out.rfind("Competition Day Club Club Score Score: '21,3,4,5,2,1'\n", 0), 0u);
}

// ---------------------------------------------------------------- club numbering

class ClubNumberingTest : public LeagueWorldTest {};

TEST_F(ClubNumberingTest, DatabaseNumbersComeFromTheGameCountrysClubTable) {
  for (int country : {0, 4, 8}) {
    GameCountry = static_cast<int8_t>(country);
    for (int16_t club : {0, 3, 113, 200, 249}) {
      const int16_t dbId = CountryClubList[country][club];
      EXPECT_EQ(Club_GetDbId(club), dbId);
      if (dbId != NO_DB_CLUB) {
        EXPECT_EQ(Club_FindByDbId(dbId), club);
      }
    }
    for (int special : {PLAYER_CLUB_RESERVE_POOL, PLAYER_CLUB_FREE_AGENT, PLAYER_CLUB_NONE}) {
      EXPECT_EQ(Club_GetDbId(special), special);
      EXPECT_EQ(Club_FindByDbId(special), special);
    }
  }
  GameCountry = 0;
  EXPECT_EQ(Club_FindByDbId(1199), -1);
  EXPECT_EQ(Club_FindByDbId(-1), -1);
}

TEST_F(ClubNumberingTest, OverallRankCountsTheFilledPlacesOfTheWholeTable) {
  DivisionTable[0][0] = 7;
  DivisionTable[0][1] = 2;
  DivisionTable[1][0] = 30;  // after the two places of division 0
  DivisionTable[1][2] = 31;  // an empty place before it does not count
  EXPECT_EQ(Club_GetOverallRank(7), 1);
  EXPECT_EQ(Club_GetOverallRank(2), 2);
  EXPECT_EQ(Club_GetOverallRank(30), 3);
  EXPECT_EQ(Club_GetOverallRank(31), 4);
  EXPECT_EQ(Club_GetOverallRank(50), NOT_RANKED);
  EXPECT_EQ(Club_GetOverallRank(200), 0);  // another country's club
  EXPECT_EQ(Club_GetOverallRank(-1), 0);
  EXPECT_EQ(Club_GetOverallRank(255), 0);
}

TEST_F(ClubNumberingTest, LeagueClubsAndDivisionListsAreTheGameCountrys) {
  EXPECT_EQ(CountLeagueClubs(), tw::kLeagueClubs);
  Club_SetDivision(5, 6);     // out of the league
  Club_SetCountry(6, 2);      // another country's
  ClubSlotMap_Set(7, 260);    // a minor record
  EXPECT_EQ(CountLeagueClubs(), tw::kLeagueClubs - 3);

  DivisionClubs_Build();
  std::vector<int> division0;
  for (int place = 0; place < DIVISION_PLACES; ++place) division0.push_back(DivisionClubs_Get(0, place));
  std::vector<int> expected = {0, 1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
  expected.resize(DIVISION_PLACES, -1);
  EXPECT_EQ(division0, expected);
  EXPECT_EQ(DivisionClubs_Get(4, 21), 113);
  EXPECT_EQ(DivisionClubs_Get(4, 22), -1);
  EXPECT_EQ(DivisionClubs_Get(5, 0), -1);
  EXPECT_EQ(DivisionClubs_Get(6, 0), -1);
  EXPECT_EQ(LoadI16(DivisionClubLists.bytes + 2 * (DIVISION_PLACES + 1)), 21);  // division 1, place 1
}

// ---------------------------------------------------------------- league tables

class LeagueTableTest : public LeagueWorldTest {};

TEST_F(LeagueTableTest, RebuildCountsPlayedLeagueFixturesUpToTheDayInclusive) {
  Played(10, COMP_LEAGUE, 1, 2, 2, 1);
  Played(20, COMP_LEAGUE, 2, 1, 1, 1);
  Fixture_Add(21, COMP_LEAGUE, 1, 3, 0);  // not played: 15/15
  Played(21, 37, 1, 2, 3, 0);              // a cup match
  Played(22, COMP_LEAGUE, 3, 1, 0, 2);
  LeagueTable[1].position = 7;

  struct Case {
    int day;
    LeagueTableRow one, two;
  };
  // played; home won, drawn, lost, for, against; away won, drawn, lost, for, against; points; position
  const Case cases[] = {
      {9, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {10, {1, 1, 0, 0, 2, 1, 0, 0, 0, 0, 0, 3, 7}, {1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 0, 0}},
      {21, {2, 1, 0, 0, 2, 1, 0, 1, 0, 1, 1, 4, 7}, {2, 0, 1, 0, 1, 1, 0, 0, 1, 1, 2, 1, 0}},
      {22, {3, 1, 0, 0, 2, 1, 1, 1, 0, 3, 1, 7, 7}, {2, 0, 1, 0, 1, 1, 0, 0, 1, 1, 2, 1, 0}},
  };
  auto fields = [](const LeagueTableRow& r) {
    return std::vector<int>{r.played,   r.homeWon,   r.homeDrawn, r.homeLost,    r.homeFor,
                            r.homeAgainst, r.awayWon, r.awayDrawn, r.awayLost,   r.awayFor,
                            r.awayAgainst, r.points,  r.position};
  };
  for (const Case& c : cases) {
    LeagueTable_Rebuild(c.day);
    EXPECT_EQ(fields(LeagueTable[1]), fields(c.one)) << c.day;
    EXPECT_EQ(fields(LeagueTable[2]), fields(c.two)) << c.day;
  }
  EXPECT_EQ(LeagueTable[3].played, 1);
  EXPECT_EQ(LeagueTable[3].homeLost, 1);
}

TEST_F(LeagueTableTest, MovementComparesTheRanksBeforeAndAfterTheLastLeagueDay) {
  DayOfSeason = 44;
  Played(40, COMP_LEAGUE, 5, 6, 1, 0);
  Played(42, COMP_LEAGUE, 20, 21, 2, 2);  // division 1: not a league day of division 0
  Played(43, COMP_LEAGUE, 6, 7, 3, 0);
  Played(44, COMP_LEAGUE, 30, 31, 1, 0);  // today's: counted in the new table only
  LeagueTable_UpdateMovement(0);

  struct Case {
    int club, movement, rank;
  };
  // Division 1 after day 44: club 30 won (3 points), clubs 20 and 21 drew (1 each).
  const Case expected[] = {
      {6, MOVED_UP, 1},   {5, MOVED_DOWN, 2},  {0, MOVED_DOWN, 3},   {4, MOVED_DOWN, 7},
      {8, MOVED_NOT, 8},  {19, MOVED_NOT, 19}, {7, MOVED_DOWN, 20},  {30, MOVED_UP, 21},
      {20, MOVED_DOWN, 22}, {21, MOVED_DOWN, 23}, {22, MOVED_DOWN, 24}, {31, MOVED_DOWN, 44},
      {113, MOVED_NOT, 114}, {114, MOVED_NOT, NOT_RANKED}, {200, MOVED_NOT, 0},
  };
  for (const Case& c : expected) {
    EXPECT_EQ(LeagueMovement[c.club], c.movement) << c.club;
    EXPECT_EQ(Club_GetOverallRank(c.club), c.rank) << c.club;
  }
  EXPECT_EQ(LeagueTable[6].points, 3);  // the tables are today's
  EXPECT_EQ(LeagueTable[30].points, 3);
}

TEST_F(LeagueTableTest, WithoutAnEarlierLeagueDayNothingMoved) {
  DayOfSeason = 44;
  Played(40, COMP_LEAGUE, 5, 6, 1, 0);
  Played(41, 37, 7, 8, 5, 0);
  LeagueMovement[6] = MOVED_UP;
  LeagueTable_UpdateMovement(0);
  for (int club = 0; club < NUM_CLUBS; ++club) ASSERT_EQ(LeagueMovement[club], MOVED_NOT) << club;
  EXPECT_EQ(Club_GetOverallRank(5), 1);
  EXPECT_EQ(Club_GetOverallRank(6), 20);
}

// ---------------------------------------------------------------- today's order

class TodayOrderTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    DayOfSeason = 100;
  }
  std::vector<Head> Today() {
    std::vector<Head> today;
    for (const Head& h : UsedHeads())
      if (h[0] == DayOfSeason) today.push_back(h);
    return today;
  }
};

TEST_F(TodayOrderTest, ShuffleMixesTodaysFixturesOnly) {
  Fixture_Add(99, COMP_LEAGUE, 40, 41, 0);
  for (int i = 0; i < 3; ++i) Fixture_Add(100, COMP_LEAGUE, 2 * i, 2 * i + 1, 0);
  Fixture_Add(100, COMP_SPECIAL, 50, 51, 0);
  for (int i = 3; i < 6; ++i) Fixture_Add(100, 37, 2 * i, 2 * i + 1, 0);
  Fixture_Add(101, COMP_LEAGUE, 42, 43, 0);
  for (int16_t n = 0; n < 9; ++n) Fixture_SetAttendance(n, 1000 + n);
  const std::vector<Head> before = UsedHeads();

  GameSeedRandom(12345);
  Fixture_ShuffleToday();
  const std::vector<Head> after = UsedHeads();
  EXPECT_NE(after, before);
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(after[4], before[4]);  // code 118 stays where it was
  EXPECT_EQ(after[8], before[8]);
  std::vector<Head> a = after, b = before;
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  EXPECT_EQ(a, b);
  for (int16_t n = 0; n < 9; ++n) EXPECT_EQ(Fixture_GetAttendance(n), 1000 + n);
}

TEST_F(TodayOrderTest, ShuffleOfASingleFixtureDrawsNothing) {
  Fixture_Add(100, COMP_LEAGUE, 1, 2, 0);
  Fixture_Add(100, COMP_SPECIAL, 3, 4, 0);
  GameSeedRandom(7);
  const uint32_t state = GameRandomState();
  Fixture_ShuffleToday();
  EXPECT_EQ(GameRandomState(), state);
  EXPECT_EQ(HeadOf(0), (Head{100, 0, 1, 2}));
}

TEST_F(TodayOrderTest, TheHumanClubsGroupComesFirstAndItsMatchLast) {
  Club_SetControl(3, 1);
  Fixture_Add(99, COMP_LEAGUE, 3, 11, 0);
  const Head a{100, 5, 50, 60}, b{100, 0, 25, 26}, c{100, 0, 3, 4}, d{100, 117, 70, 71}, e{100, 0, 5, 6},
      f{100, 118, 7, 8}, g{100, 0, 9, 10};
  for (const Head& h : {a, b, c, d, e, f, g}) Fixture_Add(h[0], h[1], h[2], h[3], 0);
  Fixture_Add(101, COMP_LEAGUE, 12, 13, 0);

  EXPECT_EQ(Fixture_OrderTodayForHumanClub(), 1);
  EXPECT_EQ(Today(), (std::vector<Head>{g, e, c, d, b, f, a}));
  EXPECT_EQ(HeadOf(0), (Head{99, 0, 3, 11}));
  EXPECT_EQ(HeadOf(8), (Head{101, 0, 12, 13}));
}

TEST_F(TodayOrderTest, ACupDayGroupsTheHumanClubsCup) {
  Club_SetControl(3, 1);
  const Head a{100, 0, 25, 26}, b{100, 21, 3, 90}, c{100, 21, 30, 31}, d{100, 37, 40, 41};
  for (const Head& h : {a, b, c, d}) Fixture_Add(h[0], h[1], h[2], h[3], 0);
  EXPECT_EQ(Fixture_OrderTodayForHumanClub(), 1);
  EXPECT_EQ(Today(), (std::vector<Head>{c, b, a, d}));
}

TEST_F(TodayOrderTest, WithoutTheHumanClubPlayingTodayNothingChanges) {
  for (const Head& h : {Head{100, 5, 50, 60}, Head{100, 0, 5, 6}, Head{100, 118, 3, 8}, Head{101, 0, 3, 4}})
    Fixture_Add(h[0], h[1], h[2], h[3], 0);
  const std::vector<Head> before = UsedHeads();
  EXPECT_EQ(Fixture_OrderTodayForHumanClub(), 0);  // no human club at all
  Club_SetControl(3, 1);
  EXPECT_EQ(Fixture_OrderTodayForHumanClub(), 0);  // club 3 plays only code 118 today
  EXPECT_EQ(UsedHeads(), before);
}

// ---------------------------------------------------------------- friendlies

class FriendlyTest : public LeagueWorldTest {
 protected:
  static std::vector<int16_t> BlockOf(int country) {
    std::vector<int16_t> clubs;
    const int start = CountryBlockStart(0, country);
    for (int c = start; c < start + CountryBlockSize(0, country) && c < NUM_CLUBS; ++c)
      clubs.push_back(static_cast<int16_t>(c));
    return clubs;
  }
};

TEST_F(FriendlyTest, FourFriendliesAwayAtDifferentClubsOfTheTourCountry) {
  constexpr int kSweden = 9;
  const std::vector<int16_t> swedes = BlockOf(kSweden);
  ASSERT_EQ(swedes.size(), 4u);
  for (int16_t c : swedes) ASSERT_NE(Club_GetDbId(c), NO_DB_CLUB);
  DayOfSeason = 20;
  Fixture_Add(28, COMP_LEAGUE, swedes[0], 150, 0);  // keeps its host busy on days 26-30
  Fixture_Add(31, COMP_FRIENDLY, swedes[1], 151, 0);  // keeps its host busy on days 29-33

  GameSeedRandom(99);
  Fixture_ArrangeFriendlies(0, kSweden);
  std::vector<int16_t> hosts;
  for (int day : {22, 25, 28, 31}) {
    int16_t n = Fixture_FindClubFriendlyOnDay(0, day);
    ASSERT_GE(n, 0) << day;
    EXPECT_EQ(Fixture_GetAwayClub(n), 0);
    EXPECT_EQ(Fixture_GetLegFlag(n), 0);
    hosts.push_back(Fixture_GetHomeClub(n));
  }
  EXPECT_EQ(UsedCount(), 6);
  EXPECT_NE(hosts[2], swedes[0]);
  EXPECT_NE(hosts[3], swedes[1]);
  std::vector<int16_t> sorted = hosts;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, swedes);
}

TEST_F(FriendlyTest, ACountryOfTwoClubsGivesTwoFriendliesAndNoneGivesNone) {
  constexpr int kTwoClubCountry = 13;
  const std::vector<int16_t> hosts = BlockOf(kTwoClubCountry);
  ASSERT_EQ(hosts.size(), 2u);
  GameSeedRandom(3);
  Fixture_ArrangeFriendlies(1, kTwoClubCountry);
  EXPECT_GE(Fixture_FindClubFriendlyOnDay(1, 11), 0);  // the first two days get the two clubs
  EXPECT_GE(Fixture_FindClubFriendlyOnDay(1, 8), 0);
  EXPECT_EQ(UsedCount(), 2);

  Fixture_ClearAll();
  Fixture_ArrangeFriendlies(1, 40);  // nobody's country
  EXPECT_EQ(UsedCount(), 0);
  Fixture_ArrangeFriendlies(0, 0);   // the club itself is never its own host
  for (const Head& h : UsedHeads()) EXPECT_NE(h[2], 0);
}

TEST_F(FriendlyTest, AFriendlyCanBeArrangedOnlyWithTwoClearWeeksAhead) {
  DayOfSeason = 50;
  struct Case {
    int day, code;
    int can;
  };
  const Case cases[] = {{50, COMP_FRIENDLY, 0}, {63, COMP_LEAGUE, 0}, {57, 37, 0}, {64, COMP_LEAGUE, 1},
                        {49, COMP_LEAGUE, 1},   {55, COMP_SPECIAL, 1}};
  for (const Case& c : cases) {
    Fixture_ClearAll();
    Fixture_Add(c.day, c.code, 9, 1, 0);
    EXPECT_EQ(Fixture_CanArrangeFriendly(1), c.can) << c.day << " " << c.code;
  }
}

TEST_F(FriendlyTest, PreSeasonFriendliesPairComputerClubsOnFreeDays) {
  constexpr int16_t kHuman = 3, kSmallSquad = 50;
  Club_SetControl(kHuman, 1);
  for (int k = 0; k < 10; ++k) Player_SetWage(kSmallSquad * tw::kLeagueSquad + k, 0);  // 8 left available
  GameSeedRandom(2024);
  Fixture_AddPreSeasonFriendlies();

  const std::vector<Head> friendlies = UsedHeads();
  EXPECT_EQ(friendlies.size(), 100u);
  std::vector<std::vector<int>> daysOf(NUM_CLUBS);
  for (const Head& h : friendlies) {
    EXPECT_EQ(h[1], COMP_FRIENDLY);
    EXPECT_GE(h[0], 10);
    EXPECT_LE(h[0], 23);
    EXPECT_LE(Club_GetDivision(h[2]), 2);
    EXPECT_LT(h[2], tw::kLeagueClubs);
    EXPECT_LT(h[3], tw::kLeagueClubs);
    EXPECT_NE(h[2], h[3]);
    EXPECT_NE(h[2], kHuman);
    EXPECT_NE(h[3], kHuman);
    EXPECT_NE(h[3], kSmallSquad);
    EXPECT_LE(std::abs(Club_GetDivision(h[2]) - Club_GetDivision(h[3])), 2);
    daysOf[h[2]].push_back(h[0]);
    daysOf[h[3]].push_back(h[0]);
  }
  for (auto& days : daysOf) {  // no club plays two friendlies within two days
    std::sort(days.begin(), days.end());
    for (size_t i = 1; i < days.size(); ++i) EXPECT_GT(days[i] - days[i - 1], 2);
  }
}

TEST_F(FriendlyTest, PreSeasonFriendliesStopWhenNoClubQualifies) {
  ResetWorld();
  BuildTestWorld();  // no squad of 18 anywhere, so no club can be the visitor
  GameSeedRandom(1);
  Fixture_AddPreSeasonFriendlies();
  EXPECT_EQ(UsedCount(), 0);
}

// ---------------------------------------------------------------- the club history

class ClubHistoryFiguresTest : public LeagueWorldTest {};

TEST_F(ClubHistoryFiguresTest, SeasonFiguresComeFromTheLeagueRow) {
  LeagueTable[4] = LeagueTableRow{30, 9, 3, 3, 25, 12, 6, 4, 5, 20, 18, 52, 3};
  Club_StoreSeasonPoints(4, 1);
  Club_StoreSeasonPlayed(4, 1);
  Club_StoreSeasonWon(4, 1);
  Club_StoreSeasonDrawn(4, 1);
  Club_StoreSeasonGoalsFor(4, 1);
  Club_StoreSeasonGoalsAgainst(4, 1);
  const uint8_t* block = Club_GetFullRecord(4)->bytes + CLUB_HISTORY_OFFSET + CLUB_HISTORY_SIZE;
  const int expected[] = {52, 30, 15, 7, 45, 30};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(LoadI16(block + 12 + 2 * k), expected[k]) << k;
  Club_StoreSeasonPoints(200, 0);  // no full record: nothing to write, nothing breaks
  Club_StoreSeasonPoints(-1, 0);
  Club_StoreSeasonPoints(4, 10);
}

TEST_F(ClubHistoryFiguresTest, EachCupEntryHoldsTheClubsFirstTieOfThatCup) {
  const int16_t first = Played(1, 5, 9, 4, 2, 2);  // slot 0: cup 0, won on penalties
  Fixture_SetShootoutFlag(first, 1);
  Played(30, 6, 4, 11, 3, 0);                       // a later round of cup 0
  Played(40, 101, 4, 12, 1, 0);                     // cup 6
  Fixture_Add(50, 54, 13, 4, 0);                    // cup 3, not played yet
  Fixture_Add(60, 21, 14, 15, 0);                   // cup 1, other clubs

  uint8_t entries[CLUB_CUP_ENTRIES * CLUB_CUP_ENTRY_SIZE];
  std::memset(entries, 0xAB, sizeof entries);
  Club_StoreAllCupResults(4, entries);
  auto entry = [&](int cup) {
    std::vector<int32_t> v;
    for (int k = 0; k < 5; ++k) v.push_back(LoadI32(entries + CLUB_CUP_ENTRY_SIZE * cup + 4 * k));
    return v;
  };
  const int32_t untouched = static_cast<int32_t>(0xABABABABu);
  EXPECT_EQ(entry(0), (std::vector<int32_t>{5, 2, 2, 1, 9}));
  EXPECT_EQ(entry(1), (std::vector<int32_t>(5, untouched)));
  EXPECT_EQ(entry(3), (std::vector<int32_t>{54, 15, 15, 0, 13}));
  EXPECT_EQ(entry(6), (std::vector<int32_t>{101, 1, 0, 0, 12}));

  Club_StoreSeasonCupResults(4, 2);
  const uint8_t* block = Club_GetFullRecord(4)->bytes + CLUB_HISTORY_OFFSET + 2 * CLUB_HISTORY_SIZE;
  EXPECT_EQ(LoadI32(block + 48), 5);
  EXPECT_EQ(LoadI32(block + 48 + 6 * CLUB_CUP_ENTRY_SIZE + 16), 12);
  EXPECT_EQ(LoadI32(block + 48 + CLUB_CUP_ENTRY_SIZE), 0);  // no tie in cup 1
  Club_StoreCup0Result(4, nullptr);
}

}  // namespace
