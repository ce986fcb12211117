// The new game's source database: loading and checking stats\totstat.dat
// through the pak layer, and laying out the clubs of each game country.
#include "season/newgame.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "clubsim/clubsvc.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/worldgen.h"

namespace {

using srcdb::Bytes;

class NewGameTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_newgame");
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  static void Load(const Bytes& image) {
    srcdb::MountTotStat(image);
    LoadTotStats();
  }
};

TEST_F(NewGameTest, LoadsTheGeneratedDatabaseThroughThePak) {
  const Bytes& file = srcdb::BuiltTotStat();
  EXPECT_FALSE(TotStats_Loaded());
  Load(file);
  ASSERT_TRUE(TotStats_Loaded());
  const int32_t count = srcdb::CountOf(file);
  EXPECT_EQ(SourcePlayerCount(), count);
  EXPECT_EQ(std::memcmp(SourceClubRecord(0), file.data(), NUM_DB_CLUBS * SOURCE_CLUB_RECORD_SIZE), 0);
  EXPECT_EQ(std::memcmp(SourcePlayerRecord(0), file.data() + TOTSTAT_PLAYERS_OFFSET,
                        static_cast<size_t>(count) * SOURCE_PLAYER_RECORD_SIZE),
            0);
  EXPECT_EQ(SourceClubRecord(-1), nullptr);
  EXPECT_EQ(SourceClubRecord(NUM_DB_CLUBS), nullptr);
  EXPECT_NE(SourcePlayerRecord(count - 1), nullptr);
  EXPECT_EQ(SourcePlayerRecord(count), nullptr);  // records past the count are not the game's
  EXPECT_STREQ(SourceFirstName(0), reinterpret_cast<const char*>(file.data() + TOTSTAT_FIRST_NAMES_OFFSET));
  EXPECT_STREQ(SourceFirstName(MAX_SOURCE_PLAYERS), "");
  // The records have their own numbers; a number nobody has answers "none".
  EXPECT_EQ(SourceClubIndexOf(17), 17);
  EXPECT_EQ(SourceClubIndexOf(NUM_DB_CLUBS), NUM_DB_CLUBS);

  ResetAllModules();
  EXPECT_FALSE(TotStats_Loaded());
  EXPECT_EQ(SourcePlayerCount(), 0);
  EXPECT_EQ(SourcePlayerRecord(0), nullptr);
}

// One fault of a database: how to make it from the generated file, and the
// words of the fault.
struct BadDatabase {
  const char* name;
  void (*damage)(Bytes& image);
  const char* fault;  // a regular expression
};

// A player record inside the count, so the check reads it.
constexpr int kRecord = 1234;

void SetPlayerField(Bytes& image, int offset, int16_t value) {
  StoreI16(srcdb::PlayerRecordOf(image, kRecord) + offset, value);
}

const BadDatabase kBadDatabases[] = {
    {"truncated by a byte", [](Bytes& b) { b.pop_back(); }, "is 1568403 bytes, not 1568404"},
    {"cut after the players", [](Bytes& b) { b.resize(TOTSTAT_FIRST_NAMES_OFFSET); }, "is 1143400 bytes, not 1568404"},
    {"empty", [](Bytes& b) { b.clear(); }, "is 0 bytes, not 1568404"},
    {"a byte too long", [](Bytes& b) { b.push_back(0); }, "is 1568405 bytes, not 1568404"},
    {"count negative", [](Bytes& b) { srcdb::SetCount(b, -1); }, "player count -1 is outside 0-25000"},
    {"count over the records", [](Bytes& b) { srcdb::SetCount(b, MAX_SOURCE_PLAYERS + 1); },
     "player count 25001 is outside 0-25000"},
    {"count far over the file", [](Bytes& b) { srcdb::SetCount(b, 0x7FFFFFFF); },
     "player count 2147483647 is outside 0-25000"},
    {"surname past the identities' 14 bits", [](Bytes& b) { SetPlayerField(b, src_player::SURNAME, 16384); },
     "player record 1234: surname index 16384 is outside 0-16383"},
    {"surname negative", [](Bytes& b) { SetPlayerField(b, src_player::SURNAME, -1); },
     "player record 1234: surname index -1 is outside 0-16383"},
    {"club below the codes", [](Bytes& b) { SetPlayerField(b, src_player::DB_CLUB, -3); },
     "player record 1234: club -3 is no database club"},
    {"club on a special code", [](Bytes& b) { SetPlayerField(b, src_player::DB_CLUB, 254); },
     "player record 1234: club 254 is no database club"},
    {"position negative", [](Bytes& b) { SetPlayerField(b, src_player::POSITION, -1); },
     "player record 1234: position code -1 is outside 0-29"},
    {"position past the player-managers", [](Bytes& b) { SetPlayerField(b, src_player::POSITION, 30); },
     "player record 1234: position code 30 is outside 0-29"},
    {"nationality past the table", [](Bytes& b) { SetPlayerField(b, src_player::NATIONALITY, 105); },
     "player record 1234: nationality 105 is outside 0-104"},
    {"nationality negative", [](Bytes& b) { SetPlayerField(b, src_player::NATIONALITY, -1); },
     "player record 1234: nationality -1 is outside 0-104"},
    {"club record number past the clubs",
     [](Bytes& b) { StoreI16(srcdb::ClubRecordOf(b, 77) + src_club::DB_NUMBER, NUM_DB_CLUBS); },
     "club record 77: database number 1200 is outside 0-1199"},
    {"the last counted record bad",
     [](Bytes& b) {
       StoreI16(srcdb::PlayerRecordOf(b, srcdb::CountOf(b) - 1) + src_player::SURNAME, 20000);
     },
     "surname index 20000 is outside 0-16383"},
};

TEST_F(NewGameTest, CheckNamesTheFaultOfEachBadDatabase) {
  for (const BadDatabase& bad : kBadDatabases) {
    Bytes image = srcdb::BuiltTotStat();
    bad.damage(image);
    std::string fault;
    EXPECT_FALSE(TotStats_Check(image.data(), image.size(), &fault)) << bad.name;
    EXPECT_TRUE(::testing::internal::RE::PartialMatch(fault, bad.fault)) << bad.name << ": " << fault;
  }
  std::string fault;
  EXPECT_TRUE(TotStats_Check(srcdb::BuiltTotStat().data(), srcdb::BuiltTotStat().size(), &fault)) << fault;
}

TEST_F(NewGameTest, RecordsPastTheCountAreNotChecked) {
  Bytes image = srcdb::BuiltTotStat();
  const int32_t count = srcdb::CountOf(image);
  ASSERT_LT(count, MAX_SOURCE_PLAYERS);
  StoreI16(srcdb::PlayerRecordOf(image, count) + src_player::SURNAME, -5);
  EXPECT_TRUE(TotStats_Check(image.data(), image.size(), nullptr));
}

TEST_F(NewGameTest, ABadDatabaseStopsTheGameNamingTheFileAndTheFault) {
  for (const BadDatabase& bad : kBadDatabases) {
    SCOPED_TRACE(bad.name);
    Bytes image = srcdb::BuiltTotStat();
    bad.damage(image);
    const std::string expected = std::string("Error: LoadTotStats\\(\\): 'stats\\\\totstat.dat'.*") + bad.fault;
    EXPECT_FATAL(Load(image), expected);
  }
}

TEST_F(NewGameTest, AMissingDatabaseIsThePakLayersFault) {
  srcdb::MountPak({{"STATS\\NAMES.DAT", srcdb::BuiltNames()}});
  EXPECT_FATAL(LoadTotStats(), "file 'STATS\\\\TOTSTAT.DAT' not found");
}

TEST_F(NewGameTest, AGoodLoadAfterABadCheckKeepsTheGoodDatabase) {
  Load(srcdb::BuiltTotStat());
  Bytes bad = srcdb::BuiltTotStat();
  srcdb::SetCount(bad, -1);
  EXPECT_FALSE(TotStats_Check(bad.data(), bad.size(), nullptr));
  EXPECT_EQ(SourcePlayerCount(), srcdb::CountOf(srcdb::BuiltTotStat()));
}

TEST_F(NewGameTest, WeekdaysCountFromTheTenthOfJuly1999) {
  struct Case {
    int16_t day, month, year, weekday;
  } const cases[] = {
      {10, 6, 1999, 0}, {11, 6, 1999, 1}, {9, 6, 1999, 6},   {17, 6, 1999, 0},
      {1, 0, 2000, 0},  {29, 1, 2000, 3}, {1, 2, 2000, 4},   {10, 6, 2000, 2},  // 2000 is a leap year
      {1, 0, 1999, 6},  {31, 11, 1998, 5}, {30, 1, 2000, 0}, {1, 12, 1999, 0},  // no such dates: the start
  };
  for (const Case& c : cases)
    EXPECT_EQ(WeekdayOfDate(c.day, c.month, c.year), c.weekday) << c.day << "/" << c.month + 1 << "/" << c.year;
}

TEST_F(NewGameTest, OpeningBalancesFollowReputationAndTheDivisionTable) {
  struct Case {
    int country, division, rep;
    int32_t balance;
  } const cases[] = {
      {0, 0, 40, 20000000}, {5, 0, 63, 31500000}, {0, 1, 10, 10 * 4 * 25000 + 50 * 25000},
      {2, 3, 10, 10 * 4 * 10000 + 50 * 10000},   {3, 5, 10, 10 * 4 * 10000 + 50 * 10000},
      {6, 4, 3, 3 * 4 * 5000 + 50 * 5000},       {8, 5, 3, 3 * 4 * 100 + 50 * 100},
      {0, 6, 40, 0},                             {9, 0, 40, 0}, {-1, 0, 40, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NewGame_OpeningBalance(c.country, c.division, c.rep), c.balance) << c.country << "/" << c.division;
}

class CountryClubsTest : public NewGameTest, public ::testing::WithParamInterface<int> {};

TEST_P(CountryClubsTest, LaysOutTheClubsOfTheGameCountry) {
  const int g = GetParam();
  Load(srcdb::BuiltTotStat());
  GameCountry = static_cast<int8_t>(g);
  Year = 2003;
  Club_SetBid(5, 0, 77, 1000, 0);
  Club_InitCountryClubs();

  EXPECT_EQ(Year, 1999);
  EXPECT_EQ(Month, 6);
  EXPECT_EQ(DayOfMonth, 10);
  EXPECT_EQ(Weekday, 0);
  EXPECT_EQ(Club_GetBidPlayer(5, 0), -1);

  // Each database club's reputation and country, from its ground.
  for (int db = 0; db < NUM_DB_CLUBS; ++db) {
    const SourceClub c = DecodeSourceClub(SourceClubRecord(db));
    EXPECT_EQ(DbClub_GetReputation(db), c.capacity / 1000 + (c.capacity != 0 ? 1 : 0)) << db;
    EXPECT_EQ(DbClub_GetCountry(db), c.country & 0xFF) << db;
  }

  int full = 0;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    const int16_t db = CountryClubList[g][club];
    if (db == NO_DB_CLUB) {
      // A place without a club has no record at all.
      EXPECT_EQ(ClubSlotMap_Get(club), -1) << club;
      EXPECT_EQ(Club_GetFullRecord(club), nullptr);
      EXPECT_EQ(Club_GetMinorRecord(club), nullptr);
      continue;
    }
    const SourceClub source = DecodeSourceClub(SourceClubRecord(db));
    const int blockStart = CountryBlockStart(g, g);
    const bool league = club >= blockStart && club < DivisionBlockStart(g, NUM_DIVISIONS);
    ASSERT_EQ(GetClubRecordSlot(club) >= 0, league) << club;
    if (league) {
      EXPECT_EQ(GetClubRecordSlot(club), full++) << "full records in club order";
      int division = 0;
      while (club >= DivisionBlockStart(g, division + 1)) ++division;
      EXPECT_EQ(Club_GetDivision(club), division) << club;
      EXPECT_EQ(Club_GetBalance(club), NewGame_OpeningBalance(g, division, Club_GetRep(club))) << club;
      EXPECT_EQ(Club_GetTeamwork(club), 60);
      EXPECT_EQ(Club_GetSetPieces2(club), 60);
      EXPECT_EQ(Club_GetControl(club), 0);
      EXPECT_EQ(Club_GetCoach(club), 0);
      EXPECT_EQ(Club_GetRecordBuy(club), 0);
    } else {
      EXPECT_NE(Club_GetMinorRecord(club), nullptr) << club;
      EXPECT_EQ(Club_GetBalance(club), 0);
    }
    EXPECT_EQ(Club_GetCountry(club), source.country) << club;
    EXPECT_EQ(Club_GetRep(club), std::clamp(DbClub_GetReputation(db), int16_t{3}, int16_t{63})) << club;
    EXPECT_EQ(Club_GetXcoord(club), source.mapX & 0xFF);
    // The stands hold the ground, each rounded down to a thousand seats
    // (and at least a thousand seats each).
    const int32_t seats = 1000 * (Club_GetStand1Capacity(club) + Club_GetStand2Capacity(club) +
                                  Club_GetStand3Capacity(club) + Club_GetStand4Capacity(club));
    EXPECT_GE(seats, source.capacity - 4000) << club;
    EXPECT_LE(seats, std::max(source.capacity, 4000)) << club;
  }
  EXPECT_EQ(full, LeagueClubCount(g));
  EXPECT_EQ(CountLeagueClubs(), LeagueClubCount(g));
}

INSTANTIATE_TEST_SUITE_P(EveryGameCountry, CountryClubsTest, ::testing::Range(0, NUM_GAME_COUNTRIES));

TEST_F(NewGameTest, LayingOutTheClubsStartsTheirHonoursSeasonDataAndWeeklyMoneyAfresh) {
  Load(srcdb::BuiltTotStat());
  GameCountry = 0;
  Club_InitCountryClubs();
  for (int16_t club = 0; club < NUM_CLUBS; club += 7) {
    Club_SetTotalWages(club, 1000);
    Club_SetGateReceipts(club, 2000);
    Club_SetTotalSignings(club, 3000);
    Club_SetTotalSales(club, 4000);
    Club_SetMiscIn(club, 5000);
    Club_SetMiscOut(club, 6000);
  }
  Seam_ClearCalls();
  Club_InitCountryClubs();
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    EXPECT_EQ(Club_GetTotalWages(club), 0) << club;
    EXPECT_EQ(Club_GetGateReceipts(club), 0) << club;
    EXPECT_EQ(Club_GetTotalSignings(club), 0) << club;
    EXPECT_EQ(Club_GetTotalSales(club), 0) << club;
    EXPECT_EQ(Club_GetMiscIn(club), 0) << club;
    EXPECT_EQ(Club_GetMiscOut(club), 0) << club;
  }
  // The roll of honour and the clubs' season data belong to the honours.
  ASSERT_EQ(Seam_Calls().size(), 2u);
  EXPECT_EQ(Seam_Calls()[0].name, "Honours_ClearAll");
  EXPECT_EQ(Seam_Calls()[1].name, "Club_InitSeasonData");
}

TEST_F(NewGameTest, MoreLeagueClubsThanFullRecordsStopTheGame) {
  // England's ten clubs outside the league moved into division 0: 124 league clubs.
  Bytes image = srcdb::BuiltTotStat();
  for (int i = DivisionBlockStart(0, NUM_DIVISIONS); i < CountryBlockStart(0, 1); ++i)
    StoreI16(srcdb::ClubRecordOf(image, CountryClubList[0][i]) + src_club::DIVISION, 0);
  Load(image);
  GameCountry = 0;
  EXPECT_FATAL(Club_InitCountryClubs(),
               "ClubSlotMap_Build\\(\\): 'stats\\\\totstat.dat' puts 124 clubs in the league of game country 0");
}

TEST_F(NewGameTest, LayingOutClubsNeedsADatabaseAndAGameCountry) {
  EXPECT_FATAL(Club_InitCountryClubs(), "Club_InitCountryClubs\\(\\): no source database loaded");
  Load(srcdb::BuiltTotStat());
  GameCountry = 9;
  EXPECT_FATAL(Club_InitCountryClubs(), "Club_InitCountryClubs\\(\\): game country 9 is outside 0-8");
}

}  // namespace
