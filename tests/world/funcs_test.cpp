#include "world/funcs.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/reset.h"
#include "menus/langtext.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_clubs.h"

namespace {

class FacadeNamesTest : public WorldTest {
 protected:
  void SetSurname(int16_t index, const char* bytes, size_t length) {
    std::memcpy(NameBuffer + index * SURNAME_SIZE, bytes, length);
  }
};

TEST_F(FacadeNamesTest, PlayerNameIsInitialAndSurnameOrTheSurnameAlone) {
  EXPECT_STREQ(GNW_GetPlayerName(tw::kForward), "Striker");
  EXPECT_STREQ(GNW_GetPlayerName(tw::kKeeper), "J.Safehands");
  struct {
    int initial;
    const char* expected;
  } cases[] = {{0, "Striker"}, {1, "A.Striker"}, {5, "E.Striker"}, {26, "Z.Striker"}};
  for (const auto& c : cases) {
    Player_SetInitial(tw::kForward, c.initial);
    EXPECT_STREQ(GNW_GetPlayerName(tw::kForward), c.expected) << c.initial;
  }
}

TEST_F(FacadeNamesTest, ASurnameFillingItsWholeEntryEndsThere) {
  // 17 letters and no zero: the next entry's letters are not part of it.
  SetSurname(tw::kSurnameBase + tw::kForward, "Abcdefghijklmnopq", SURNAME_SIZE);
  SetSurname(tw::kSurnameBase + tw::kForward + 1, "XYZ", 4);
  EXPECT_STREQ(GNW_GetPlayerName(tw::kForward), "Abcdefghijklmnopq");
  Player_SetInitial(tw::kForward, 3);
  EXPECT_STREQ(GNW_GetPlayerName(tw::kForward), "C.Abcdefghijklmnopq");
}

TEST_F(FacadeNamesTest, ANegativePlayerStopsTheGame) {
  EXPECT_FATAL_EXIT(GNW_GetPlayerName(-1), "Trying to get .* of neg player : '-1'");
}

TEST_F(FacadeNamesTest, ClubNamesByDatabaseNumber) {
  struct {
    int16_t db;
    std::string expected;
  } cases[] = {
      {0, ClubNameTable[0]},
      {252, ClubNameTable[252]},
      {1045, ClubNameTable[1045]},
      {1046, ""},  // past the named clubs
      {1199, ""},
      {1200, ""},  // past the database
      {-1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GNW_GetClubName(c.db), c.expected) << c.db;
  // One static buffer.
  EXPECT_EQ(GNW_GetClubName(0), GNW_GetClubName(1));
}

TEST_F(FacadeNamesTest, TextNumbersOfClubsAndPlayers) {
  struct {
    int16_t (*get)(int16_t);
    int16_t value;
    int16_t expected;
  } cases[] = {
      {GNW_GetClubTextNo, 0, 28000},     {GNW_GetClubTextNo, 1199, 29199}, {GNW_GetClubTextNo, 255, 28255},
      {GNW_GetClubTextNo, -1, -1},       {GNW_GetClubTextNo, 1200, -1},    // not a nationality text
      {GNW_GetPlayerTextNo, 0, 3000},    {GNW_GetPlayerTextNo, 24999, 27999},
      {GNW_GetPlayerTextNo, -1, -1},     {GNW_GetPlayerTextNo, 25000, -1},  // not a club text
  };
  for (const auto& c : cases) EXPECT_EQ(c.get(c.value), c.expected) << c.value;
}

TEST_F(FacadeNamesTest, DatabaseNumbersOfWorldClubs) {
  for (int16_t club : {tw::kHumanClub, tw::kLeagueClub, tw::kMinorClub, int16_t{249}})
    EXPECT_EQ(GNW_GetClubDbId(club), Club_GetDbId(club)) << club;
  for (int16_t special : {252, 254, 255}) EXPECT_EQ(GNW_GetClubDbId(special), special);
}

TEST_F(FacadeNamesTest, NationalityNamesAreLanguageTextsFrom2310) {
  EXPECT_EQ(GNW_GetNationalityString(0), LanguageTextTable[2310]);
  EXPECT_EQ(GNW_GetNationalityString(104), LanguageTextTable[2414]);
  EXPECT_STREQ(GNW_GetNationalityString(-1), "");
  EXPECT_STREQ(GNW_GetNationalityString(105), "");
}

TEST_F(FacadeNamesTest, HumanClubIsTheLeagueClubOfTheGameCountryHeRuns) {
  EXPECT_EQ(GNW_GetHumanClub(1), tw::kHumanClub);
  EXPECT_EQ(GNW_GetHumanClub(2), -1);
  // A club of another country or outside the league is no human club.
  Club_SetControl(tw::kHumanClub, 0);
  Club_SetControl(tw::kForeignClub, 1);
  Club_SetControl(tw::kOutsideClub, 1);
  EXPECT_EQ(GNW_GetHumanClub(1), -1);
  Club_SetControl(tw::kLeagueClub, 1);
  EXPECT_EQ(GNW_GetHumanClub(1), tw::kLeagueClub);
}

TEST_F(FacadeNamesTest, DivisionIndexIsTheRowOfTheDivisionTable) {
  DivisionTable[0][0] = tw::kHumanClub;
  DivisionTable[3][7] = tw::kLeagueClub;
  DivisionTable[5][23] = 40;
  EXPECT_EQ(GNW_GetClubDivisionIndex(tw::kHumanClub), 0);
  EXPECT_EQ(GNW_GetClubDivisionIndex(tw::kLeagueClub), 3);  // the table, not the club's division field
  EXPECT_EQ(GNW_GetClubDivisionIndex(40), 5);
  EXPECT_EQ(GNW_GetClubDivisionIndex(tw::kForeignClub), 0);  // in no division
  EXPECT_EQ(GNW_GetClubDivisionIndex(255), 0);  // the empty places do not list club 255
  EXPECT_EQ(GNW_GetClubDivisionIndex(-1), 0);
}

}  // namespace

// ======================================================================
// Dates
// ======================================================================

namespace {

class FacadeDatesTest : public WorldTest {};

TEST_F(FacadeDatesTest, DateOfADayOfTheSeason) {
  struct {
    int season, day;
    int dayOfMonth, month, weekday;  // month 1-12, weekday 0 = Saturday
  } cases[] = {
      {0, 0, 10, 7, 0},     // the first day of a new game: Saturday 10 July 1999
      {0, 1, 11, 7, 1},     // Sunday 11 July
      {0, 22, 1, 8, 1},     // 1 August
      {0, 174, 31, 12, 6},  // Friday 31 December 1999
      {0, 175, 1, 1, 0},    // Saturday 1 January 2000
      {0, 234, 29, 2, 3},   // Tuesday 29 February 2000
      {0, 365, 9, 7, 1},    // Sunday 9 July 2000: the leap season's last day
      {0, -1, 9, 7, 6},     // the day before the game
      {1, 0, 10, 7, 2},     // Monday 10 July 2000
      {1, 234, 1, 3, 5},    // 2001 is no leap year: Thursday 1 March
      {4, 234, 29, 2, 1},   // Sunday 29 February 2004
      {4, 235, 1, 3, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "season " << c.season << " day " << c.day);
    SeasonCounter = static_cast<int16_t>(c.season);
    int16_t dayOfMonth = 0, month = 0, weekday = -1;
    GNW_GetDateOfDay(static_cast<int16_t>(c.day), &dayOfMonth, &month, &weekday);
    EXPECT_EQ(dayOfMonth, c.dayOfMonth);
    EXPECT_EQ(month, c.month);
    EXPECT_EQ(weekday, c.weekday);
  }
}

TEST_F(FacadeDatesTest, DateTextWithWeekdayAndMonthNames) {
  const char* weekdays[] = {"Saturday", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
  const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
  EXPECT_STREQ(GNW_GetDateText(), "Saturday 10 July 1999");
  for (int w = 0; w < 7; ++w) {
    Weekday = static_cast<int16_t>(w);
    Month = static_cast<int16_t>(w + 5);
    DayOfMonth = static_cast<int16_t>(w + 1);
    Year = 2003;
    EXPECT_EQ(std::string(GNW_GetDateText()),
              std::string(weekdays[w]) + " " + std::to_string(w + 1) + " " + months[w + 5] + " 2003");
  }
  // Calendar words outside the tables name nothing.
  Weekday = 7;
  Month = -1;
  EXPECT_STREQ(GNW_GetDateText(), " 7  2003");
  // One static buffer.
  EXPECT_EQ(GNW_GetDateText(), GNW_GetDateText());
}

TEST_F(FacadeDatesTest, CalendarWordsAndYears) {
  DayOfSeason = 123;
  SeasonCounter = 2;
  Year = 2001;
  Month = 4;
  Weekday = 3;
  DayOfMonth = 17;
  EXPECT_EQ(GNW_GetCurrentDay(), 123);
  EXPECT_EQ(GNW_GetSeasonNumber(), 2);
  EXPECT_EQ(GNW_GetYear(), 2001);
  EXPECT_EQ(GNW_GetMonth(), 4);
  EXPECT_EQ(GNW_GetWeekday(), 3);
  EXPECT_EQ(GNW_GetDayOfMonth(), 17);

  for (auto [year, days] : {std::pair<int, int>{1999, 365}, {2000, 366}, {2003, 365}, {2004, 366}, {2100, 366}})
    EXPECT_EQ(GNW_GetDaysInYear(static_cast<int16_t>(year)), days) << year;
  for (auto [two, full] : {std::pair<int, int>{0, 2000}, {1, 2001}, {96, 2096}, {97, 1997}, {99, 1999}})
    EXPECT_EQ(GNW_GetFullYear(static_cast<int16_t>(two)), full) << two;
  int16_t second = 0;
  EXPECT_EQ(GNW_GetSeasonYears(0, &second), 1999);
  EXPECT_EQ(second, 2000);
  EXPECT_EQ(GNW_GetSeasonYears(5, &second), 2004);
  EXPECT_EQ(second, 2005);
  EXPECT_EQ(GNW_GetSeasonYears(1, nullptr), 2000);
  for (auto [year, month, season] : {std::tuple<int, int, int>{1999, 6, 0}, {2000, 5, 0}, {2000, 6, 1}, {2000, 11, 1},
                                     {2001, 0, 1}})
    EXPECT_EQ(GNW_GetSeasonOfYear(static_cast<int16_t>(year), static_cast<int16_t>(month)), season)
        << year << " " << month;
  for (int m = 0; m < 12; ++m) EXPECT_EQ(GNW_ShiftMonthHalfYear(static_cast<int16_t>(m)), (m + 6) % 12) << m;
  const int16_t lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 0; m < 12; ++m) EXPECT_EQ(GNW_GetMonthLengths()[m], lengths[m]);
}

// ======================================================================
// Positions, scaled figures and player lists
// ======================================================================

// A stored position code written as a loaded file could hold it.
void PokeStoredPosition(int16_t player, int code) {
  uint8_t* word = PlayerRecords[player].bytes + 24;
  uint32_t value = LoadU32(word);
  value = (value & ~(0xFu << 18)) | (static_cast<uint32_t>(code) << 18);
  StoreU32(word, value);
}

class FacadePlayersTest : public WorldTest {};

TEST_F(FacadePlayersTest, PositionTypesAndTheirGraphics) {
  struct {
    int code;
    int type, graphic;
  } cases[] = {{0, 0, 89},  {1, 1, 90},  {4, 1, 90},  {5, 2, 91},  {9, 2, 91},
               {10, 3, 92}, {12, 3, 92}, {13, 13, 2}};
  for (const auto& c : cases) {
    Player_SetPosition(tw::kForward, c.code);
    EXPECT_EQ(GNW_GetPositionType(tw::kForward), c.type) << c.code;
    EXPECT_EQ(GNW_GetPositionTypeGraphic(tw::kForward), c.graphic) << c.code;
    EXPECT_EQ(GNW_GetPlayerPositionOrManager(tw::kForward), c.code);
  }
  // A manager keeps the position he plays.
  Player_SetPosition(tw::kForward, 11);
  Player_SetManager(tw::kForward, 1);
  EXPECT_EQ(GNW_GetPlayerPosition(tw::kForward), 11);
  EXPECT_EQ(GNW_GetPlayerPositionOrManager(tw::kForward), 13);
  Player_SetManager(tw::kForward, 0);
  for (int code : {14, 15}) {
    PokeStoredPosition(tw::kForward, code);
    EXPECT_FATAL(GNW_GetPositionType(tw::kForward), "in funcs GNW_GetPositionType Error " + std::to_string(code));
  }
}

TEST_F(FacadePlayersTest, ScaledFiguresAsTheScreensShowThem) {
  using namespace tw;
  auto experience = [](int16_t p) -> int32_t { return GNW_GetPlayerExperiencePercent(p); };
  struct {
    const char* name;
    void (*set)(int16_t, int32_t);
    int32_t (*get)(int16_t);
    int32_t stored, shown;
  } cases[] = {
      {"age", Player_SetAge, [](int16_t p) -> int32_t { return GNW_GetPlayerAge(p); }, 8, 24},
      {"age", Player_SetAge, [](int16_t p) -> int32_t { return GNW_GetPlayerAge(p); }, 0, 16},
      {"wage", Player_SetWage, GNW_GetPlayerWage, 400, 10000},
      {"wage", Player_SetWage, GNW_GetPlayerWage, 2000, 50000},  // beyond a 16-bit number
      {"dispoints", Player_SetDispoints, [](int16_t p) -> int32_t { return GNW_GetPlayerDispoints(p); }, 7, 21},
      {"fatigue", Player_SetFatigue, [](int16_t p) -> int32_t { return GNW_GetPlayerFatiguePercent(p); }, 60, 100},
      {"fatigue", Player_SetFatigue, [](int16_t p) -> int32_t { return GNW_GetPlayerFatiguePercent(p); }, 59, 98},
      {"fatigue", Player_SetFatigue, [](int16_t p) -> int32_t { return GNW_GetPlayerFatiguePercent(p); }, 3, 5},
      {"fitness", Player_SetFitness, [](int16_t p) -> int32_t { return GNW_GetPlayerFitnessPercent(p); }, 60, 100},
      {"fitness", Player_SetFitness, [](int16_t p) -> int32_t { return GNW_GetPlayerFitnessPercent(p); }, 59, 98},
      {"morale", Player_SetMorale, [](int16_t p) -> int32_t { return GNW_GetPlayerMoralePercent(p); }, 60, 100},
      {"morale", Player_SetMorale, [](int16_t p) -> int32_t { return GNW_GetPlayerMoralePercent(p); }, 59, 98},
      {"morale", Player_SetMorale, [](int16_t p) -> int32_t { return GNW_GetPlayerMoralePercent(p); }, 30, 50},
      {"experience", Player_SetExperience, experience, 63, 100},
      {"experience", Player_SetExperience, experience, 31, 49},
  };
  for (const auto& c : cases) {
    c.set(kKeeper, c.stored);
    EXPECT_EQ(c.get(kKeeper), c.shown) << c.name << " " << c.stored;
  }
}

TEST_F(FacadePlayersTest, StatsHaveAFloorOfTenAndThreePersonalityStatsAreHalved) {
  using namespace tw;
  // Ability and physical stats of a player without templates are below 10.
  for (int16_t stat = 0; stat < 8; ++stat) EXPECT_EQ(GNW_GetPlayerAbilityStat(kKeeper, stat), 10) << stat;
  for (int16_t stat = 8; stat < 15; ++stat) EXPECT_EQ(GNW_GetPlayerPhysicalStat(kKeeper, stat), 10) << stat;
  Player_SetPersonalityStats(kKeeper, 5);
  const uint8_t values[7] = {41, 62, 83, 104, 125, 146, 167};
  std::memcpy(PlayerStatTables.personalityTemplate[5], values, 7);
  const int16_t expected[7] = {20, 62, 83, 104, 62, 73, 167};  // 15, 19 and 20 halved
  for (int16_t stat = 15; stat < 22; ++stat)
    EXPECT_EQ(GNW_GetPlayerPersonalityStat(kKeeper, stat), expected[stat - 15]) << stat;
  EXPECT_EQ(GNW_GetPlayerPersonalityBand(kKeeper), 167 / 20);
  ClubSim.getClubManager = [](int16_t) -> int16_t { return kKeeper; };
  EXPECT_EQ(GNW_GetClubManagerPersonalityBand(kHumanClub), 8);
  EXPECT_FATAL_EXIT(GNW_GetPlayerAbilityStat(kKeeper, 8), "Accessing as ability: '8'");
}

TEST_F(FacadePlayersTest, SideTexts) {
  const int16_t expected[] = {-1, 36, 37, 38};
  for (int16_t side = 0; side < 4; ++side) {
    Player_SetSide(tw::kKeeper, side);
    EXPECT_EQ(GNW_GetSide(tw::kKeeper), side);
    EXPECT_EQ(GNW_GetSideTextNo(tw::kKeeper), expected[side]);
    EXPECT_EQ(GNW_GetSideCodeTextNo(side), expected[side]);
  }
  for (int16_t side : {-1, 4, 255}) EXPECT_EQ(GNW_GetSideCodeTextNo(side), -1);
}

TEST_F(FacadePlayersTest, LooksAndStoredFields) {
  using namespace tw;
  Player_SetLook(kKeeper, 0, 3);
  Player_SetLook(kKeeper, 1, 5);
  Player_SetLook(kKeeper, 2, 7);
  EXPECT_EQ(GNW_GetPlayerLookA(kKeeper), 3);
  EXPECT_EQ(GNW_GetPlayerLookB(kKeeper), 5);
  EXPECT_EQ(GNW_GetPlayerLookC(kKeeper), 7);
  GNW_SetPlayerCaptain(kKeeper, 5);
  EXPECT_EQ(GNW_GetPlayerCaptain(kKeeper), 1);
  GNW_SetPlayerBossvane(kKeeper, -3);
  EXPECT_EQ(GNW_GetPlayerBossvane(kKeeper), 1);
  GNW_SetPlayerBossvane(kKeeper, 0);
  EXPECT_EQ(GNW_GetPlayerBossvane(kKeeper), 0);
  GNW_SetPlayerShirt(kKeeper, 1);
  EXPECT_EQ(GNW_GetPlayerShirt(kKeeper), 1);
  GNW_SetPlayerInitial(kKeeper, 2);
  EXPECT_EQ(GNW_GetPlayerInitial(kKeeper), 2);
  EXPECT_EQ(GNW_GetPlayerSurnameIndex(kKeeper), kSurnameBase + kKeeper);
  EXPECT_STREQ(GNW_GetPlayerSurname(kKeeper), "Safehands");
  EXPECT_STREQ(GNW_GetSurnameAddr(kSurnameBase + kKeeper), "Safehands");
  EXPECT_EQ(GNW_GetPlayerNationality(kDefender), 2);
  EXPECT_EQ(GNW_GetPlayerGoals(kForward), 10);
  EXPECT_EQ(GNW_GetPlayerClub(kFreeAgent), PLAYER_CLUB_FREE_AGENT);
  EXPECT_EQ(GNW_IsPlayerManager(kHumanManager), 1);
  EXPECT_EQ(GNW_IsPlayerUnavailable(kKeeper), 0);
  EXPECT_EQ(GNW_GetPlayerReservedF(kKeeper), 0);
  EXPECT_EQ(GNW_GetPlayerContract(kKeeper), 24);
  EXPECT_EQ(GNW_GetClubCountry(kForeignClub), 2);
  EXPECT_EQ(GNW_GetClubDivision(kOutsideClub), 6);
  EXPECT_EQ(GNW_GetClubRep(kHumanClub), 40);
  EXPECT_EQ(GNW_GetClubRecord(kHumanClub), Club_GetFullRecord(kHumanClub));
  EXPECT_EQ(GNW_GetClubRecord(kMinorClub), nullptr);
  EXPECT_EQ(GNW_GetClubRecord(250), nullptr);
  EXPECT_EQ(GNW_GetClubRecord(-1), nullptr);
}

class FacadeSquadTest : public WorldTest {};

TEST_F(FacadeSquadTest, SquadListAndShirts) {
  using namespace tw;
  EXPECT_EQ(GNW_FillSquadList(kHumanClub), 3);  // the manager is not listed
  EXPECT_EQ(SquadList[0], kKeeper);
  EXPECT_EQ(SquadList[1], kDefender);
  EXPECT_EQ(SquadList[2], kForward);
  EXPECT_EQ(SquadList[3], -1);
  EXPECT_EQ(GNW_GetSquadSize(kHumanClub), 3);
  Player_SetShirt(kDefender, 4);
  Player_SetShirt(kMidfielder, 4);  // of another club
  EXPECT_EQ(GNW_FindSquadPlayerByShirt(4), kDefender);
  EXPECT_EQ(GNW_FindSquadPlayerByShirt(9), -1);
  EXPECT_EQ(GNW_FillSquadList(kMinorClub), 0);
  EXPECT_EQ(GNW_FindSquadPlayerByShirt(0), -1);
  EXPECT_EQ(GNW_HasTeamCaptain(kHumanClub), 0);
  Player_SetCaptain(kForward, 1);
  Player_SetShirt(kForward, 12);  // a substitute
  EXPECT_EQ(GNW_HasTeamCaptain(kHumanClub), 0);
  Player_SetShirt(kForward, 11);
  EXPECT_EQ(GNW_HasTeamCaptain(kHumanClub), 1);
}

TEST_F(FacadeSquadTest, ReserveListOfOneSlot) {
  using namespace tw;
  for (int16_t p : {kKeeper, kDefender, kForward, kHumanManager}) {
    Player_SetClub(p, PLAYER_CLUB_RESERVE_POOL);
    Player_SetReserveSlot(p, 7);
  }
  Player_SetReserveSlot(kDefender, 8);
  EXPECT_EQ(GNW_FillReserveList(7), 2);  // the manager is left out
  EXPECT_EQ(SquadList[0], kKeeper);
  EXPECT_EQ(SquadList[1], kForward);
  EXPECT_EQ(SquadList[2], -1);
  EXPECT_EQ(SquadListLength, 2);
  EXPECT_EQ(GNW_FillReserveList(-1), 0);
}

TEST_F(FacadeSquadTest, SquadCountsByPositionType) {
  using namespace tw;
  int16_t counts[4][4];
  Player_SetOnLoan(kForward, 1);  // lent out by club 0, listed by both clubs
  Loan_SetPlayerNo(0, kForward);
  Loan_SetLoanClub(0, kForeignClub);
  Player_SetOnLoan(kMidfielder, 1);  // lent to club 0
  Loan_SetPlayerNo(1, kMidfielder);
  Loan_SetLoanClub(1, kHumanClub);
  Player_SetTxList(kKeeper, 1);
  GNW_CountSquadByPositionType(kHumanClub, counts);
  const int16_t expected[4][4] = {{1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 1, 0}, {1, 0, 0, 0}};
  for (int row = 0; row < 4; ++row)
    for (int t = 0; t < 4; ++t) EXPECT_EQ(counts[row][t], expected[row][t]) << row << "," << t;
  // The club he is lent to counts him as lent to it.
  GNW_CountSquadByPositionType(kForeignClub, counts);
  EXPECT_EQ(counts[0][3], 2);
  EXPECT_EQ(counts[1][3], 0);
  EXPECT_EQ(counts[2][3], 1);
  // A playing manager counts by the position he plays.
  Player_SetBossvane(kHumanManager, 1);
  Player_SetPosition(kHumanManager, 11);
  Player_SetManager(kHumanManager, 1);
  GNW_CountSquadByPositionType(kHumanClub, counts);
  EXPECT_EQ(counts[0][3], 2);
  for (int16_t club : {-1, 250, 32767}) {
    counts[0][0] = 9;
    GNW_CountSquadByPositionType(club, counts);
    for (int row = 0; row < 4; ++row)
      for (int t = 0; t < 4; ++t) EXPECT_EQ(counts[row][t], 0) << club;
  }
}

TEST_F(FacadeSquadTest, ClubsSortedByName) {
  std::vector<int16_t> clubs = {5, 17, 0, 3, 40, 1};
  auto name = [](int16_t club) { return std::string(ClubNameTable[CountryClubList[0][club]]); };
  std::vector<int16_t> sorted = clubs;
  GNW_SortClubsByName(sorted.data(), static_cast<int16_t>(sorted.size()), 0);
  for (size_t i = 1; i < sorted.size(); ++i) EXPECT_LE(name(sorted[i - 1]), name(sorted[i])) << i;
  EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), clubs.begin()));
  // The human manager's club first, the others in name order.
  std::vector<int16_t> human = clubs;
  GNW_SortClubsByName(human.data(), static_cast<int16_t>(human.size()), 1);
  EXPECT_EQ(human[0], tw::kHumanClub);
  for (size_t i = 2; i < human.size(); ++i) EXPECT_LE(name(human[i - 1]), name(human[i])) << i;
  GNW_SortClubsByName(nullptr, 3, 1);
  GNW_SortClubsByName(human.data(), 0, 1);
}

TEST_F(FacadeSquadTest, ResetHumanClubHandsItBackToTheComputer) {
  using namespace tw;
  Player_SetManPrice(kKeeper, 50000);
  Player_SetTxList(kKeeper, 1);
  Player_SetLoanList(kDefender, 1);
  Club_SetStadiumClause(kHumanClub, 1);
  Club_SetBossvaneClause(kHumanClub, 1);
  Club_SetContractClause(kHumanClub, 1);
  Player_SetTxList(kMidfielder, 1);  // another club's
  GNW_ResetHumanClub(0);             // the computer's number: nothing
  EXPECT_EQ(Player_GetTxList(kMidfielder), 1);
  EXPECT_EQ(Club_GetControl(kHumanClub), 1);
  GNW_ResetHumanClub(1);
  EXPECT_EQ(Club_GetControl(kHumanClub), 0);
  EXPECT_EQ(Player_GetManPrice(kKeeper), -1);
  EXPECT_EQ(Player_GetTxList(kKeeper), 0);
  EXPECT_EQ(Player_GetLoanList(kDefender), 0);
  EXPECT_EQ(Club_GetStadiumClause(kHumanClub), 0);
  EXPECT_EQ(Club_GetBossvaneClause(kHumanClub), 0);
  EXPECT_EQ(Club_GetContractClause(kHumanClub), 0);
  EXPECT_EQ(Player_GetTxList(kMidfielder), 1);
}

// ======================================================================
// Eligibility, status icons and the last match
// ======================================================================

class FacadeEligibilityTest : public LeagueWorldTest {
 protected:
  // Club 0's players 0-17: shirts 1 to `shirts` for the first ones.
  void GiveShirts(int shirts) {
    for (int16_t p = 0; p < tw::kLeagueSquad; ++p) Player_SetShirt(p, p < shirts ? p + 1 : 0);
  }
  void Injure(int16_t p) { Player_SetInFlag(p, 1); }
};

TEST_F(FacadeEligibilityTest, FifteenShirtsReportNothingWhateverThePlayersState) {
  GiveShirts(15);
  Injure(3);
  Player_SetSuspension(4, 2);
  EXPECT_EQ(GNW_CheckTeamEligibility(0), 0);
  EXPECT_EQ(Player_GetShirt(3), 4);
}

TEST_F(FacadeEligibilityTest, AnIneligiblePlayerKeepsHisShirtWhileAReplacementWaits) {
  GiveShirts(16);
  EXPECT_EQ(GNW_CheckTeamEligibility(0), 0);
  Injure(3);
  EXPECT_EQ(GNW_CheckTeamEligibility(0), 1);
  EXPECT_EQ(Player_GetShirt(3), 4);
  // Without a replacement he loses the shirt.
  Injure(16);
  Player_SetSuspension(17, 1);
  EXPECT_EQ(GNW_CheckTeamEligibility(0), 1);
  EXPECT_EQ(Player_GetShirt(3), 0);
  EXPECT_EQ(Player_GetShirt(16), 0);
}

TEST_F(FacadeEligibilityTest, WhatMakesAPlayerIneligibleDependsOnTheNextFixture) {
  struct {
    const char* name;
    int code;  // the club's next fixture; -1 none
    void (*state)(int16_t);
    int expected;
  } cases[] = {
      {"suspended, league", 0, [](int16_t p) { Player_SetSuspension(p, 1); }, 1},
      {"suspended, no fixture", -1, [](int16_t p) { Player_SetSuspension(p, 1); }, 1},
      {"suspended, friendly", 117, [](int16_t p) { Player_SetSuspension(p, 1); }, 0},
      {"suspended, UEFA Cup", 69, [](int16_t p) { Player_SetSuspension(p, 1); }, 0},
      {"suspension waiting", 0, [](int16_t p) { Player_SetSuspension(p, 1), Player_SetBanwait(p, 1); }, 0},
      {"European ban, UEFA Cup", 69, [](int16_t p) { Player_SetEuroBan(p, 1); }, 1},
      {"European ban, Champions League", 101, [](int16_t p) { Player_SetEuroBan(p, 1); }, 1},
      {"European ban, league", 0, [](int16_t p) { Player_SetEuroBan(p, 1); }, 0},
      {"cup-tied elsewhere", 5, [](int16_t p) { Player_SetCupTied(p, 7, 0); }, 1},
      {"cup-tied here", 5, [](int16_t p) { Player_SetCupTied(p, 0, 0); }, 0},
      {"cup-tied in another cup", 21, [](int16_t p) { Player_SetCupTied(p, 7, 0); }, 0},
      {"cup-tied, qualifying round", 85, [](int16_t p) { Player_SetCupTied(p, 7, 6); }, 1},
      {"injured, friendly", 117, [](int16_t p) { Player_SetInFlag(p, 1); }, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    BuildLeagueWorld();
    GiveShirts(16);
    Injure(16);  // no replacement: the shirt goes
    Injure(17);
    if (c.code >= 0) Fixture_Add(3, c.code, 0, 1, 0);
    c.state(5);
    EXPECT_EQ(GNW_CheckTeamEligibility(0), c.expected);
    EXPECT_EQ(Player_GetShirt(5), c.expected ? 0 : 6);
  }
}

TEST_F(FacadeEligibilityTest, OnlyTheMatchShirtsAreChecked) {
  // Eleven and the substitutes of the next fixture: England's division 4
  // allows three, so shirts 15 and 16 are not checked.
  GiveShirts(16);
  Injure(16);  // no replacements
  Injure(17);
  for (int16_t club = 0; club < tw::kLeagueClubs; ++club) Club_SetDivision(club, 4);
  Fixture_Add(2, COMP_LEAGUE, 0, 1, 0);
  ASSERT_EQ(Fixture_GetNextMatchBenchSize(0), 3);
  Injure(14);  // shirt 15
  Injure(15);  // shirt 16
  EXPECT_EQ(GNW_CheckTeamEligibility(0), 0);
  EXPECT_EQ(Player_GetShirt(14), 15);
  Injure(13);  // shirt 14
  EXPECT_EQ(GNW_CheckTeamEligibility(0), 1);
  EXPECT_EQ(Player_GetShirt(13), 0);
  EXPECT_EQ(Player_GetShirt(14), 15);
}

TEST_F(FacadeEligibilityTest, StatusIconsAndAvailability) {
  const int16_t p = 5;  // of club 0
  EXPECT_EQ(GNW_GetPlayerStatusIcon(p), 2);
  EXPECT_EQ(GNW_GetPlayerAvailability(p), 0);
  Player_SetInFlag(p, 1);
  EXPECT_EQ(GNW_GetPlayerStatusIcon(p), 99);  // no injury slot: type 0
  Patient_SetPlayerNo(12, p);
  for (auto [type, icon] : {std::pair<int, int>{0, 99}, {1, 94}, {7, 94}, {8, 95}, {20, 95}}) {
    Patient_SetInjuryType(12, type);
    EXPECT_EQ(GNW_GetPlayerStatusIcon(p), icon) << type;
  }
  EXPECT_EQ(GNW_GetPlayerAvailability(p), 4);
  Player_SetInFlag(p, 0);

  Fixture_Add(4, 5, 1, 0, 0);  // a cup tie of club 0
  Player_SetCupTied(p, 9, 0);
  EXPECT_EQ(GNW_GetPlayerStatusIcon(p), 100);
  Player_SetCupTied(p, 255, 0);
  Player_SetSuspension(p, 2);
  EXPECT_EQ(GNW_GetPlayerStatusIcon(p), 97);
  EXPECT_EQ(GNW_GetPlayerAvailability(p), 4);
  Player_SetSuspension(p, 0);
  Player_SetEuroBan(p, 1);
  EXPECT_EQ(GNW_GetPlayerStatusIcon(p), 2);  // a domestic cup
  Fixture_ClearAll();
  Fixture_Add(4, 70, 1, 0, 0);  // the UEFA Cup
  EXPECT_EQ(GNW_GetPlayerStatusIcon(p), 97);
  Player_SetEuroBan(p, 0);
  Player_SetSuspension(p, 1);
  EXPECT_EQ(GNW_GetPlayerStatusIcon(p), 2);  // his suspension is for domestic matches

  // On loan: available to the club he plays for.
  Player_SetSuspension(p, 0);
  Player_SetOnLoan(p, 1);
  ViewedClub = 0;
  EXPECT_EQ(GNW_GetPlayerAvailability(p), 0);
  ViewedClub = 1;
  EXPECT_EQ(GNW_GetPlayerAvailability(p), 7);
}

TEST_F(FacadeEligibilityTest, ShirtInTheViewedClub) {
  const int16_t p = 5;
  ViewedClub = 0;
  for (auto [shirt, shown] : {std::pair<int, int>{0, -32768}, {1, 1}, {16, 16}}) {
    Player_SetShirt(p, shirt);
    EXPECT_EQ(GNW_GetPlayerShirtInViewedClub(p), shown) << shirt;
  }
  ViewedClub = 1;
  EXPECT_EQ(GNW_GetPlayerShirtInViewedClub(p), -32768);
}

TEST_F(FacadeEligibilityTest, LastMatchRatingFromTheHumanClubsLatestFixture) {
  Club_SetControl(0, 1);  // club 0 is the human manager's
  const int16_t home = 5, away = 20;  // of clubs 0 and 1
  const int16_t n = Fixture_Add(3, COMP_LEAGUE, 0, 1, 0);
  Fixture_SetResult(n, 1, 1);
  uint8_t* record = Fixture_GetRecord(n)->bytes;
  for (int i = 0; i < 16; ++i) {
    StoreI16(record + 12 + 6 * i, -1);
    StoreI16(record + 108 + 6 * i, -1);
  }
  StoreI16(record + 12 + 6 * 2, home);
  record[12 + 6 * 2 + 2] = 6;
  StoreI16(record + 12 + 6 * 14, home);  // came on again: the last entry counts
  record[12 + 6 * 14 + 2] = 8;
  StoreI16(record + 108 + 6 * 3, away);
  record[108 + 6 * 3 + 2] = 5;
  DayOfSeason = 4;
  EXPECT_EQ(GNW_GetPlayerLastMatchRating(home), 0);  // no appearance this season
  Player_SetApps(home, 1);
  Player_SetApps(away, 1);
  EXPECT_EQ(GNW_GetPlayerLastMatchRating(home), 8);
  EXPECT_EQ(GNW_GetPlayerLastMatchRating(away), 5);
  Player_SetApps(6, 1);
  EXPECT_EQ(GNW_GetPlayerLastMatchRating(6), 0);  // not in the side
}

// ======================================================================
// Out-of-range arguments
// ======================================================================

class FacadeRangeTest : public WorldTest {};

// Each getter handed an index below or past its table gives its fixed answer.
TEST_F(FacadeRangeTest, GettersAnswerIndexesOutsideTheirTables) {
  using namespace tw;
  struct {
    const char* name;
    int32_t (*get)();
    int32_t expected;
  } cases[] = {
      {"player text 25000", [] { return int32_t{GNW_GetPlayerTextNo(25000)}; }, -1},
      {"club text 1200", [] { return int32_t{GNW_GetClubTextNo(1200)}; }, -1},
      {"nationality text 104", [] { return int32_t{GNW_GetNationalityTextNo(104)}; }, -1},
      {"nationality text -1", [] { return int32_t{GNW_GetNationalityTextNo(-1)}; }, -1},
      {"nationality text 103", [] { return int32_t{GNW_GetNationalityTextNo(103)}; }, 29303},
      {"surname -1", [] { return int32_t{GNW_GetSurnameAddr(-1)[0]}; }, 0},
      {"surname 20000", [] { return int32_t{GNW_GetSurnameAddr(20000)[0]}; }, 0},
      {"club name -1", [] { return int32_t(std::strlen(GNW_GetClubName(-1))); }, 0},
      {"age past", [] { return int32_t{GNW_GetPlayerAge(kPlayerCount)}; }, 16},
      {"wage past", [] { return GNW_GetPlayerWage(30000); }, 0},
      {"fitness past", [] { return int32_t{GNW_GetPlayerFitnessPercent(kPlayerCount)}; }, 100},
      {"morale past", [] { return int32_t{GNW_GetPlayerMoralePercent(32767)}; }, 100},
      {"name past", [] { return int32_t(std::strlen(GNW_GetPlayerName(32767))); }, 0},
      {"position type past", [] { return int32_t{GNW_GetPositionType(kPlayerCount)}; }, 0},
      {"status icon past", [] { return int32_t{GNW_GetPlayerStatusIcon(kPlayerCount)}; }, 2},
      {"rating past", [] { return int32_t{GNW_GetPlayerLastMatchRating(kPlayerCount)}; }, 0},
      {"shirt in viewed club past", [] { return int32_t{GNW_GetPlayerShirtInViewedClub(kPlayerCount)}; }, -32768},
      {"injury slot of nobody", [] { return int32_t{GNW_FindInjurySlot(kPlayerCount)}; }, -1},
      {"fixture day -1", [] { return int32_t{GNW_GetFixtureDay(-1)}; }, 511},
      {"fixture day 3400", [] { return int32_t{GNW_GetFixtureDay(3400)}; }, 511},
      {"fixture home 3400", [] { return int32_t{GNW_GetFixtureHomeClub(3400)}; }, 0},
      {"fixture goals -5", [] { return int32_t{GNW_GetFixtureHomeGoals(-5)}; }, 15},
      {"club division 250", [] { return int32_t{GNW_GetClubDivision(250)}; }, 0},
      {"club division -1", [] { return int32_t{GNW_GetClubDivision(-1)}; }, 0},
      {"club country -1", [] { return int32_t{GNW_GetClubCountry(-1)}; }, 0},
      {"club rep 32767", [] { return int32_t{GNW_GetClubRep(32767)}; }, 0},
      {"squad fill -1", [] { return int32_t{GNW_FillSquadList(-1)}; }, 0},
      {"squad fill 250", [] { return int32_t{GNW_FillSquadList(250)}; }, 0},
      {"squad size 250", [] { return int32_t{GNW_GetSquadSize(250)}; }, 1},
      {"has captain 250", [] { return int32_t{GNW_HasTeamCaptain(250)}; }, 0},
      {"eligibility -1", [] { return int32_t{GNW_CheckTeamEligibility(-1)}; }, 0},
      {"division size -1", [] { return int32_t{GNW_GetDivisionSize(-1)}; }, 0},
      {"division size 6", [] { return int32_t{GNW_GetDivisionSize(6)}; }, 0},
      {"play-offs 6", [] { return int32_t{GNW_DivisionHasPlayOffs(6)}; }, 0},
      {"play-offs -1", [] { return int32_t{GNW_DivisionHasPlayOffs(-1)}; }, 0},
      {"cup rounds 7", [] { return int32_t{GNW_GetCupRounds(7)}; }, 0},
      {"cup rounds -1", [] { return int32_t{GNW_GetCupRounds(-1)}; }, 0},
      {"division name -1", [] { return int32_t{GNW_GetDivisionNameTextNo(-1)}; }, -1},
      {"division name 5", [] { return int32_t{GNW_GetDivisionNameTextNo(5)}; }, -1},
      {"division short 7", [] { return int32_t{GNW_GetDivisionShortTextNo(7)}; }, -1},
      {"division letter 32767", [] { return int32_t{GNW_GetDivisionLetterTextNo(32767)}; }, -1},
      {"competition name 12", [] { return int32_t{GNW_GetCountryCompNameTextNo(12)}; }, -1},
      {"competition name -1", [] { return int32_t{GNW_GetCountryCompNameTextNo(-1)}; }, -1},
      {"competition text -1", [] { return int32_t{GNW_GetCompTextNo(-1, nullptr, nullptr)}; }, -1},
      {"competition text 127", [] { return int32_t{GNW_GetCompTextNo(127, nullptr, nullptr)}; }, -1},
      {"group text 8", [] { return int32_t{GNW_GetGroupTextNo(8)}; }, -1},
      {"division club 6", [] { return int32_t{GNW_GetDivisionClub(6, 0)}; }, 255},
      {"division index 250", [] { return int32_t{GNW_FindClubDivisionIndex(250)}; }, 6},
      {"division slot -1", [] { return int32_t{GNW_GetClubDivisionSlot(-1)}; }, -1},
      {"league position 250", [] { return int32_t{GNW_GetClubLeaguePosition(250)}; }, 0},
      {"table position -1", [] { return int32_t{GNW_GetClubTablePosition(-1, nullptr, nullptr, nullptr)}; }, 0},
      {"group club 9", [] { return int32_t{GNW_GetChampionsLeagueGroupClub(0, 9)}; }, -1},
      {"fixture of -1", [] { return int32_t{GNW_FindNextFixture(-1)}; }, -1},
      {"second leg 3400", [] { return int32_t{GNW_IsSecondLegFixture(3400)}; }, 0},
      {"human fixture -1", [] { return int32_t{GNW_IsHumanFixture(-1)}; }, 0},
      {"two legs 8", [] { return int32_t{GNW_IsCupRoundTwoLegged(8)}; }, 0},
      {"results of 250", [] { return int32_t(std::strlen(GNW_ListClubResults(250))); }, 5},
      {"overall rank 250", [] { return int32_t{GNW_GetClubOverallRank(250)}; }, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.get(), c.expected) << c.name;
  int16_t g = 14;
  EXPECT_EQ(GNW_FindNextCompFixture(0, 3400, 0, &g), -1);
  EXPECT_EQ(g, 13);
  GNW_SetMatchFixtureGlobals(-1);
  EXPECT_EQ(MatchFixtureHome, 0);
  EXPECT_EQ(MatchFixtureComp, 0);
  GNW_FillRandomDivisionList(32767);
}

// A negative player or club, or a slot past a list, stops the game with the
// accessor's message; the facade's own stops keep their texts.
TEST_F(FacadeRangeTest, NegativeIndexesStopTheGame) {
  struct {
    const char* name;
    void (*call)();
    const char* message;
  } cases[] = {
      {"age", [] { GNW_GetPlayerAge(-1); }, "Trying to get negative player age : '-1'"},
      {"wage", [] { GNW_GetPlayerWage(-1); }, "Trying to get Wage of neg player : '-1'"},
      {"name", [] { GNW_GetPlayerName(-2); }, "of neg player : '-2'"},
      {"surname", [] { GNW_GetPlayerSurname(-1); }, "of neg player : '-1'"},
      {"position type", [] { GNW_GetPositionType(-1); }, "Trying to get Position of neg player : '-1'"},
      {"side", [] { GNW_GetSideTextNo(-1); }, "of neg player : '-1'"},
      {"status icon", [] { GNW_GetPlayerStatusIcon(-1); }, "Trying to get InFlag of neg player : '-1'"},
      {"availability", [] { GNW_GetPlayerAvailability(-32768); }, "of neg player : '-32768'"},
      {"rating", [] { GNW_GetPlayerLastMatchRating(-1); }, "Trying to get apps of neg player : '-1'"},
      {"regular player", [] { GNW_IsRegularPlayer(-1, 0); }, "Trying to get apps of neg player : '-1'"},
      {"personality", [] { GNW_GetPlayerPersonalityStat(-1, 15); }, "Personality stat of negative player"},
      {"injury type", [] { GNW_GetInjuryType(-1); }, "Trying to get negative patient injurytype : '-1'"},
      {"injury time", [] { GNW_GetInjuryTime(-1); }, "Trying to get negative patient injurytime : '-1'"},
      {"injury type 400", [] { GNW_GetInjuryType(400); }, ""},
      {"club rep", [] { GNW_GetClubRep(-1); }, "Trying to get Rep of neg club : '-1'"},
      {"club db id", [] { GNW_GetClubDbId(-1); }, "Couldn't get team '-1'"},
  };
  for (const auto& c : cases) EXPECT_FATAL_EXIT(c.call(), c.message) << c.name;
  // The facade's own stops.
  EXPECT_FATAL(GNW_GetLeaguePlace(-1), "in funcs GNW_GetLeaguePlace Cant find Division for Team");
  EXPECT_FATAL(GNW_GetClubReputationPos(250), "in funcs GNW_GetClubReputationPos Team Not Found");
}

}  // namespace

namespace {

TEST_F(FacadeRangeTest, AResetEmptiesTheFacadesTables) {
  NameBuffer[5] = 'x';
  ChampionsLeagueGroups[3][2] = 17;
  EuroListA[0] = 4;
  EuroListC[63] = 4;
  EuroQualifierList[2] = 9;
  HumanLastFixture = 12;
  HumanFixtureComp[0] = 5;
  MatchFixtureHome = 3;
  FixtureDivisionFilter = 2;
  SquadCompanionList[4] = 50;
  MatchViewBusyFlags = 1;
  GNW_GetClubName(0);
  ResetAllModules();
  EXPECT_EQ(NameBuffer[5], 0);
  EXPECT_EQ(ChampionsLeagueGroups[3][2], 0);
  EXPECT_EQ(EuroListA[0], 255);
  EXPECT_EQ(EuroListC[63], 255);
  EXPECT_EQ(EuroQualifierList[2], -1);
  EXPECT_EQ(HumanLastFixture, 0);
  EXPECT_EQ(HumanFixtureComp[0], -1);
  EXPECT_EQ(MatchFixtureHome, -1);
  EXPECT_EQ(FixtureDivisionFilter, 0);
  EXPECT_EQ(SquadCompanionList[4], 0);
  EXPECT_EQ(MatchViewBusyFlags, 0);
  std::vector<std::string> names;
  for (int i = 0; i < ResetCount(); ++i) names.push_back(ResetName(i));
  for (const char* reset : {"Funcs_Reset", "FuncsComp_Reset"})
    EXPECT_NE(std::find(names.begin(), names.end(), reset), names.end()) << reset;
}

}  // namespace
