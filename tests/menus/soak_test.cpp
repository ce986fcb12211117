// The soak tool: its stop conditions on a league world, the options pop-up,
// the season and club utilities, a soak run of the continue loop stopped by a
// club's balance, and the news test screen in a loaded career.
#include "menus/soak.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/pakwrite.h"
#include "engine/poll.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "season/contgame.h"
#include "season/seasonstate.h"
#include "support/career_world.h"
#include "menus/menu_harness.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/recordbits.h"

namespace {

namespace fs = std::filesystem;

constexpr uint8_t kBalances = SOAK_CHECK_BALANCES, kSquads = SOAK_CHECK_SQUADS, kLeague = SOAK_LEAGUE_ONLY,
                  kUnconditional = SOAK_UNCONDITIONAL;

// A debt as a club's record can hold it (the setter stops at 0).
void SetDebt(int16_t club, int32_t debt) {
  uint8_t* record = reinterpret_cast<uint8_t*>(Club_GetFullRecord(club));
  ASSERT_NE(record, nullptr);
  SetBits(record, BitField{0, 0, 28}, static_cast<uint32_t>(-debt));
  ASSERT_EQ(Club_GetBalance(club), -debt);
}

// The league world with every league club's squad covering the four
// position types (keeper, defender, midfielder, forward in turn) and a
// balance of 1,000,000.
class SoakWorldTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    static constexpr int kPositions[4] = {0, 2, 6, 11};
    for (int16_t club = 0; club < tw::kLeagueClubs; ++club) {
      Club_SetBalance(club, 1000000);
      for (int i = 0; i < tw::kLeagueSquad; ++i)
        Player_SetPosition(static_cast<int16_t>(club * tw::kLeagueSquad + i), kPositions[i % 4]);
    }
    SoakRunActive = 1;
  }
  static int16_t PlayerOf(int16_t club, int i) { return static_cast<int16_t>(club * tw::kLeagueSquad + i); }
};

TEST_F(SoakWorldTest, BalanceStopsByThresholdClubRangeAndUnsignedBalance) {
  constexpr int16_t kLeagueClub = 30, kOutsideClub = 118;
  struct Case {
    const char* name;
    uint8_t flags;
    uint32_t threshold;
    int32_t leagueBalance;  // of kLeagueClub; negative: a debt
    int expected;
  } cases[] = {
      {"above the threshold", kBalances | kLeague, 499999, 500000, 0},
      {"at the threshold", kBalances | kLeague, 500000, 500000, 1},
      {"below the threshold", kBalances | kLeague, 600000, 500000, 1},
      {"a debt never stops", kBalances | kLeague, 600000, -5000, 0},
      {"a threshold past 2^31 is unsigned", kBalances | kLeague, 0x80000000u, 500000, 1},
      {"every club: a club outside the league at 0", kBalances, 0, 500000, 1},
      {"league only: the club outside is not checked", kBalances | kLeague, 0, 500000, 0},
      {"balances not checked", kSquads | kLeague, 0xFFFFFFFFu, 500000, 0},
      {"unconditional alone checks nothing", kUnconditional, 0xFFFFFFFFu, 500000, 0},
  };
  ASSERT_EQ(Club_GetBalance(kOutsideClub), 0);
  ASSERT_GE(GNW_GetClubDivision(kOutsideClub), GNW_CountCountryDivisions());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.leagueBalance < 0)
      SetDebt(kLeagueClub, -c.leagueBalance);
    else
      Club_SetBalance(kLeagueClub, c.leagueBalance);
    SoakSettings.flags = c.flags;
    SoakSettings.moneyThreshold = c.threshold;
    EXPECT_EQ(Soak_CheckStopConditions(), c.expected);
  }
  SoakRunActive = 0;
  SoakSettings.flags = kBalances;
  SoakSettings.moneyThreshold = 0xFFFFFFFFu;
  EXPECT_EQ(Soak_CheckStopConditions(), 0) << "no soak run, no stop";
}

TEST_F(SoakWorldTest, SquadDeficienciesCountEachPlayerOnce) {
  constexpr int16_t kClub = 40;
  struct Case {
    const char* name;
    int suspended, injured, both;  // players 0.. of the squad in turn
    bool noKeeper;
    int expected;
    int outCount;
  } cases[] = {
      {"a full squad of 18", 0, 0, 0, false, 0, 0},
      {"two suspended leave 16", 2, 0, 0, false, 0, 2},
      {"suspended, injured and both leave 15", 1, 1, 1, false, 1, 3},
      {"suspended and injured count once", 0, 0, 2, false, 0, 2},
      {"three injured leave 15", 0, 3, 0, false, 1, 3},
      {"no keeper", 0, 0, 0, true, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int i = 0; i < tw::kLeagueSquad; ++i) {
      Player_SetSuspension(PlayerOf(kClub, i), 0);
      Player_SetInFlag(PlayerOf(kClub, i), 0);
      Player_SetPosition(PlayerOf(kClub, i), (c.noKeeper && i % 4 == 0) ? 3 : std::array<int, 4>{0, 2, 6, 11}[i % 4]);
    }
    int next = 0;
    for (int i = 0; i < c.suspended; ++i) Player_SetSuspension(PlayerOf(kClub, next++), 1);
    for (int i = 0; i < c.injured; ++i) Player_SetInFlag(PlayerOf(kClub, next++), 1);
    for (int i = 0; i < c.both; ++i) {
      Player_SetSuspension(PlayerOf(kClub, next), 1);
      Player_SetInFlag(PlayerOf(kClub, next++), 1);
    }
    SquadDeficiencyCounts counts{};
    EXPECT_EQ(CheckSquadDeficiency(kClub, &counts), c.expected);
    int players = 0, out = 0;
    for (int type = 0; type < 4; ++type) {
      players += counts.players[type];
      out += counts.suspended[type] + counts.injured[type] + counts.unavailable[type];
    }
    EXPECT_EQ(players, tw::kLeagueSquad);
    EXPECT_EQ(out, c.outCount);
    EXPECT_EQ(counts.players[0], c.noKeeper ? 0 : 5);
    SoakSettings.flags = kSquads | kLeague;
    EXPECT_EQ(Soak_CheckStopConditions(), c.expected == 1 ? 2 : 0);
    // A balance stop comes first.
    SoakSettings.flags = kSquads | kBalances | kLeague;
    SoakSettings.moneyThreshold = 1000000;
    EXPECT_EQ(Soak_CheckStopConditions(), 1);
    SoakSettings.moneyThreshold = 0;
  }
}

// The end date switches the run off only on its day, month and year; the
// day's checks still run.
TEST_F(SoakWorldTest, TheEndDateIsTheWholeDate) {
  struct Case {
    const char* name;
    int16_t day, month, year;
    int32_t runAfter;
  } cases[] = {
      {"the same date", 12, 2, 2001, 0},
      {"a year later", 12, 2, 2002, 1},
      {"a year earlier", 12, 2, 2000, 1},
      {"another day", 13, 2, 2001, 1},
      {"another month", 12, 3, 2001, 1},
      {"no end date", 0, 2, 2001, 1},
  };
  DayOfMonth = 12;
  Month = 2;
  Year = 2001;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SoakRunActive = 1;
    SoakSettings.endDay = c.day;
    SoakSettings.endMonth = c.month;
    SoakSettings.endYear = c.year;
    SoakSettings.flags = kBalances | kLeague;
    SoakSettings.moneyThreshold = 1000000;
    EXPECT_EQ(Soak_CheckStopConditions(), 1) << "the checks of the last day still run";
    EXPECT_EQ(SoakRunActive, c.runAfter);
  }
}

// ---- the options pop-up ----

uint16_t RowFlags(int16_t text) {
  for (int i = 1; SoakOptionsPopup[i].kind != POPUP_END; ++i)
    if (SoakOptionsPopup[i].kind == POPUP_ROW_TEXTNO && SoakOptionsPopup[i].text.number == text)
      return SoakOptionsPopup[i].flags;
  ADD_FAILURE() << "no row " << text;
  return 0xFFFF;
}

TEST(SoakOptionsPopup, RowsAndSeparatorsInOrder) {
  const int16_t texts[] = {29344, -1, 29345, 29346, -1, 29347, 29348, -1, 1704, 1703, 1702};
  ASSERT_TRUE(SoakOptionsPopup[0].kind == POPUP_HEADER_TEXTNO && SoakOptionsPopup[0].prepare != nullptr);
  int i = 1;
  for (int16_t text : texts) {
    SCOPED_TRACE(i);
    if (text < 0) {
      EXPECT_EQ(SoakOptionsPopup[i].kind, POPUP_ROW_STRING);
      EXPECT_EQ(SoakOptionsPopup[i].callback, nullptr);
    } else {
      EXPECT_EQ(SoakOptionsPopup[i].kind, POPUP_ROW_TEXTNO);
      EXPECT_EQ(SoakOptionsPopup[i].text.number, text);
    }
    ++i;
  }
  EXPECT_EQ(SoakOptionsPopup[i].kind, POPUP_END);
  EXPECT_STREQ(GetTextNoAddr(29344), "Unconditional soak");
  EXPECT_STREQ(GetTextNoAddr(29348), "Check all teams");
}

TEST(SoakOptionsPopup, PrepareEnablesAndTicksFromTheSettings) {
  constexpr uint16_t E = POPUP_ENABLED, T = POPUP_TICKED;
  struct Case {
    const char* name;
    uint8_t flags, display;
    uint16_t unconditional, squads, balances, league, all, watch, scanner, commentary;
  } cases[] = {
      {"unconditional (the start)", kUnconditional, 1, E | T, 0, 0, 0, 0, E, E | T, E},
      // Unticked, the unconditional row stays open, so the soak can be made unconditional again.
      {"no check", 0, 0, E, E, E, 0, 0, E, E, E | T},
      {"balances, every club", kBalances, 2, E, E, E | T, E, E | T, E | T, E, E},
      {"squads, league only", kSquads | kLeague, 1, E, E | T, E, E | T, E, E, E | T, E},
      {"both checks", kSquads | kBalances, 1, E, E | T, E | T, E, E | T, E, E | T, E},
      {"unconditional locks the checks", kUnconditional | kSquads | kLeague, 0, E | T, 0, 0, 0, 0, E, E, E | T},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SoakSettings.flags = c.flags;
    SoakSettings.matchDisplay = c.display;
    for (int i = 1; SoakOptionsPopup[i].kind != POPUP_END; ++i) SoakOptionsPopup[i].flags = E | T;
    EXPECT_EQ(SoakOptionsPopup[0].prepare(SoakOptionsPopup), POPUP_RESULT_KEEP_OPEN);
    EXPECT_EQ(RowFlags(29344), c.unconditional);
    EXPECT_EQ(RowFlags(29345), c.squads);
    EXPECT_EQ(RowFlags(29346), c.balances);
    EXPECT_EQ(RowFlags(29347), c.league);
    EXPECT_EQ(RowFlags(29348), c.all);
    EXPECT_EQ(RowFlags(1704), c.watch);
    EXPECT_EQ(RowFlags(1703), c.scanner);
    EXPECT_EQ(RowFlags(1702), c.commentary);
    for (int i : {2, 5, 8}) EXPECT_EQ(SoakOptionsPopup[i].flags, 0) << "separator " << i;
    EXPECT_EQ(SoakSettings.flags, c.flags) << "preparing changes no setting";
  }
  SoakSettings = {SOAK_UNCONDITIONAL, 0, 0, 0, 0, 0, 1};
}

TEST(SoakOptionsPopup, ChoosingARowTogglesOrSetsAndRedraws) {
  struct Case {
    int16_t text;
    uint8_t flagsBefore, flagsAfter;
    uint8_t displayAfter;
  } cases[] = {
      {29344, kUnconditional | kSquads, kSquads, 1},
      {29344, kSquads, kUnconditional | kSquads, 1},
      {29345, kBalances, kBalances | kSquads, 1},
      {29345, kBalances | kSquads, kBalances, 1},
      {29346, 0, kBalances, 1},
      {29346, kBalances | kLeague, kLeague, 1},
      {29347, kBalances, kBalances | kLeague, 1},
      {29347, kBalances | kLeague, kBalances | kLeague, 1},
      {29348, kBalances | kLeague, kBalances, 1},
      {1704, 0, 0, 2},
      {1703, 0, 0, 1},
      {1702, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SoakSettings.flags = c.flagsBefore;
    SoakSettings.matchDisplay = 1;
    int row = 1;
    while (SoakOptionsPopup[row].kind != POPUP_END &&
           !(SoakOptionsPopup[row].kind == POPUP_ROW_TEXTNO && SoakOptionsPopup[row].text.number == c.text))
      ++row;
    ASSERT_NE(SoakOptionsPopup[row].kind, POPUP_END);
    const PopupCall call{1, static_cast<int16_t>(row), &SoakOptionsPopup[row], SoakOptionsPopup};
    EXPECT_EQ(SoakOptionsPopup[row].callback(&call), 7);
    EXPECT_EQ(SoakSettings.flags, c.flagsAfter);
    EXPECT_EQ(SoakSettings.matchDisplay, c.displayAfter);
  }
  SoakSettings = {SOAK_UNCONDITIONAL, 0, 0, 0, 0, 0, 1};
}

// ---- the utilities ----

TEST_F(SoakWorldTest, SeasonDayOfADate) {
  struct Case {
    int16_t day, month, year, expected;
  } cases[] = {
      {10, 6, 1999, 0},   {31, 6, 1999, 21},  {1, 0, 2000, 175}, {29, 1, 2000, 234},
      {9, 6, 2000, 365},  {10, 6, 2000, -2},  {9, 6, 1999, -2},  {1, 0, 1999, -2},
      {1, 0, 2005, -2},   {30, 1, 2000, -1},  {29, 1, 2001, -1}, {31, 3, 2000, -1},
      {0, 0, 2000, -1},   {1, 12, 2000, -1},  {1, -1, 2000, -1},
  };
  ASSERT_EQ(SeasonCounter, 0);
  for (const Case& c : cases)
    EXPECT_EQ(GetSeasonDayFromDate(c.day, c.month, c.year), c.expected)
        << c.day << "/" << c.month + 1 << "/" << c.year;
  // A later season counts from its own 10 July.
  SeasonCounter = 1;
  EXPECT_EQ(GetSeasonDayFromDate(10, 6, 2000), 0);
  EXPECT_EQ(GetSeasonDayFromDate(1, 0, 2001), 175);
  EXPECT_EQ(GetSeasonDayFromDate(9, 6, 2001), 364) << "a season without 29 February";
  EXPECT_EQ(GetSeasonDayFromDate(1, 0, 2000), -2);
}

TEST_F(SoakWorldTest, CupCodesAndTheNextCupMatchDay) {
  const std::pair<int16_t, int16_t> firsts[] = {{-1, -1}, {0, 5},  {1, 21},  {2, 37}, {3, 53},
                                                {4, 70},  {5, 86}, {6, 101}, {7, -1}};
  for (const auto& [cup, code] : firsts) EXPECT_EQ(GetFirstCompOfCup(cup), code) << cup;

  EXPECT_EQ(GetNextCupMatchDay(0), -2) << "the league";
  EXPECT_EQ(GetNextCupMatchDay(4), -2) << "the super cup";
  EXPECT_EQ(GetNextCupMatchDay(117), -2) << "a friendly";
  EXPECT_EQ(GetNextCupMatchDay(5), -4) << "no fixture of the cup";
  const int16_t a = Fixture_Add(50, 5, 0, 1, 0);
  Fixture_Add(60, 21, 2, 3, 0);  // another cup
  const int16_t b = Fixture_Add(80, 6, 4, 5, 0);
  ASSERT_GE(a, 0);
  ASSERT_GE(b, 0);
  EXPECT_EQ(GetNextCupMatchDay(5), 50);
  EXPECT_EQ(GetNextCupMatchDay(12), 50) << "any code of the cup";
  EXPECT_EQ(GetNextCupMatchDay(21), 60);
  Fixture_SetResult(a, 1, 0);
  EXPECT_EQ(GetNextCupMatchDay(5), 80);
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n)
    if (GNW_GetCupOfComp(Fixture_GetCompetition(n)) == 0) Fixture_SetResult(n, 2, 2);
  EXPECT_EQ(GetNextCupMatchDay(5), -5) << "every fixture played";
  GameCountry = 1;  // a country without the fourth domestic cup
  EXPECT_EQ(GetNextCupMatchDay(53), -3);
  EXPECT_EQ(GetNextCupMatchDay(37), -4);
}

TEST_F(SoakWorldTest, CountriesDivisionsAndMoneyTotals) {
  for (int16_t country : {0, 1, 13, 21, 31}) EXPECT_TRUE(IsBritishIslesCountry(country)) << country;
  for (int16_t country : {-1, 2, 3, 12, 14, 20, 22, 30, 32}) EXPECT_FALSE(IsBritishIslesCountry(country)) << country;

  for (int16_t division = 0; division < 5; ++division) EXPECT_TRUE(DivisionHasClubs(division)) << division;
  EXPECT_FALSE(DivisionHasClubs(5));
  EXPECT_TRUE(DivisionHasClubs(6)) << "the clubs outside the league";

  // An empty squad: no wages, an average of 0.
  constexpr int16_t kClub = 7;
  int32_t average = -1;
  for (int i = 0; i < tw::kLeagueSquad; ++i) Player_SetClub(PlayerOf(kClub, i), PLAYER_CLUB_NONE);
  EXPECT_EQ(Club_GetSquadWageTotal(kClub, &average), 0);
  EXPECT_EQ(average, 0);
  const int16_t full = 8;
  const int32_t wage = GNW_GetPlayerWage(PlayerOf(full, 0));
  ASSERT_GT(wage, 0);
  Player_SetWage(PlayerOf(full, 1), 300);
  const int32_t other = GNW_GetPlayerWage(PlayerOf(full, 1));
  const int32_t total = wage * (tw::kLeagueSquad - 1) + other;
  EXPECT_EQ(Club_GetSquadWageTotal(full, &average), total);
  EXPECT_EQ(average, total / tw::kLeagueSquad);
  EXPECT_EQ(Club_GetSquadWageTotal(full, nullptr), total);

  Club_SetSeasonGateReceipts(full, 1);
  Club_SetSeasonSales(full, 2);
  Club_SetSeasonSponsorship(full, 4);
  Club_SetSeasonTVIncome(full, 8);
  Club_SetSeasonMerchandising(full, 16);
  Club_SetSeasonRealAndFakeMiscellaneousIncome(full, 32);
  Club_SetSeasonPlayerWages(full, 100);
  Club_SetSeasonSignings(full, 200);
  Club_SetSeasonCoachingStaffWages(full, 400);
  Club_SetSeasonGroundStaffWages(full, 800);
  Club_SetSeasonStadiumMaintenance(full, 1600);
  Club_SetSeasonRealAndFakeMiscellaneousExpenditure(full, 3200);
  EXPECT_EQ(Club_GetSeasonIncomeTotal(full), 63);
  EXPECT_EQ(Club_GetSeasonExpenditureTotal(full), 6300 + Club_GetSeasonWinBonuses(full));
}

// ---- in a loaded career ----

// A loaded career with the menu screen open headless (the game's menu
// graphics and the database mounted in a scratch folder).
class SoakCareerTest : public CareerWorldTest {
 protected:
  void SetUp() override {
    CareerWorldTest::SetUp();
    human_ = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 0});
    ASSERT_GE(human_, 0);
    scratch_ = std::make_unique<ScratchDir>("soak");
    InitPoll();
    DXEnumDisplay();
    GfxInit(0);
    InitMouseDriver();
    InitKeyboardInterrupt();
    const fs::path game = menutest::BuildDir() / "game";
    fs::create_directories("pakfiles");
    for (const char* name : {"hdcommon.pki", "hdcommon.pkd"})
      fs::create_symlink(game / "pakfiles" / name, fs::path("pakfiles") / name);
    for (const char* name : {"cdcommon.pki", "cdcommon.pkd"})
      fs::create_symlink(game / "cd" / "pakfiles" / name, fs::path("pakfiles") / name);
    std::string error;
    ASSERT_TRUE(PakWriteFiles("pakfiles/stats",
                              {{"STATS\\TOTSTAT.DAT", srcdb::BuiltTotStat()}, {"STATS\\NAMES.DAT", srcdb::BuiltNames()}},
                              PAK_STORE_PLAIN, nullptr, &error))
        << error;
    PakFileReset();  // the world's own pak is mounted again with the menu graphics
    PakFileInit();
    PakFileAdd("pakfiles\\hdcommon");
    PakFileAdd("pakfiles\\cdcommon");
    PakFileAdd("pakfiles\\stats");
    PakFileAddDone();
  }
  void TearDown() override {
    SetMenuSystemRunning(false);
    if (IsMenuSystemOpen()) UninitSetOfMenus();
    scratch_.reset();
    CareerWorldTest::TearDown();
  }
  void OpenMenus() {
    InitSetOfMenus();
    SetMenuSystemRunning(true);
  }

  int16_t human_ = -1;
  std::unique_ptr<ScratchDir> scratch_;
};

// What the continue loop's day frames saw: whether a checked club was at or
// below the threshold.
struct DayWatch {
  std::vector<bool> atThreshold;
  int frames = 0;
};
DayWatch gWatch;

bool AnyCheckedClubAtThreshold() {
  for (int16_t c = 0; c < 250; ++c) {
    if (GNW_GetClubDbId(c) == 255 || GNW_GetClubCountry(c) != GNW_GetGameCountry() ||
        GNW_GetClubDivision(c) >= GNW_CountCountryDivisions())
      continue;
    if (static_cast<uint32_t>(Club_GetBalance(c)) <= SoakSettings.moneyThreshold) return true;
  }
  return false;
}

// A soak run with "Check club balances" plays day after day and stops at the
// end of the first day on which a league club's balance has fallen to the
// threshold, long before its end date.
TEST_F(SoakCareerTest, AContinueRunStopsOnTheDayABalanceFallsToTheThreshold) {
  // The computer club with the smallest wage bill of the top division: its
  // balance is put just above the threshold, everybody else's far above.
  int16_t watched = -1;
  for (int16_t c = 0; c < 250; ++c) {
    if (c == human_ || GNW_GetClubDbId(c) == 255 || GNW_GetClubCountry(c) != GNW_GetGameCountry() ||
        GNW_GetClubDivision(c) != 0)
      continue;
    watched = c;
    break;
  }
  ASSERT_GE(watched, 0);
  constexpr int32_t kThreshold = 2000000;
  for (int16_t c = 0; c < 250; ++c)
    if (GNW_GetClubDbId(c) != 255) Club_SetBalance(c, 60000000);
  Club_SetBalance(watched, kThreshold + 1);
  SoakSettings.flags = SOAK_CHECK_BALANCES | SOAK_LEAGUE_ONLY;
  SoakSettings.moneyThreshold = kThreshold;
  // An end date two months on, as a limit.
  SoakSettings.endDay = DayOfMonth;
  SoakSettings.endMonth = static_cast<int16_t>((Month + 2) % 12);
  SoakSettings.endYear = static_cast<int16_t>(Month + 2 >= 12 ? Year + 1 : Year);
  ASSERT_FALSE(AnyCheckedClubAtThreshold());

  gWatch = DayWatch{};
  PreMatchPointerFrame = [](int* x, int* y, int* buttons) {
    *x = *y = *buttons = 0;
    ++gWatch.frames;
    gWatch.atThreshold.push_back(AnyCheckedClubAtThreshold());
  };
  const int16_t startDay = DayOfSeason;
  SoakRunActive = 1;
  ContinueMode = 1;
  ContinueGame();
  EXPECT_EQ(SoakRunActive, 0);
  EXPECT_TRUE(AnyCheckedClubAtThreshold()) << "stopped by the balance";
  EXPECT_FALSE(DayOfMonth == SoakSettings.endDay && Month == SoakSettings.endMonth) << "not by the end date";
  EXPECT_GT(DayOfSeason, startDay + 1);
  ASSERT_FALSE(gWatch.atThreshold.empty());
  for (size_t i = 0; i < gWatch.atThreshold.size(); ++i)
    EXPECT_FALSE(gWatch.atThreshold[i]) << "a day frame " << i << " after the balance had fallen";
  EXPECT_LE(static_cast<uint32_t>(Club_GetBalance(watched)), kThreshold);
  EXPECT_GE(Club_GetBalance(watched), 0);
}

// What the news test screen showed, frame by frame.
struct NewsSeen {
  std::vector<int> messages;
  std::set<std::string> texts;
};
NewsSeen gNews;
int16_t (*gStepBefore)() = nullptr;
void RecordNewsScreen() {
  if (gNews.messages.empty() || gNews.messages.back() != NewsTest_Message())
    gNews.messages.push_back(NewsTest_Message());
  if (NewsTest_Text()[0] != 0) gNews.texts.insert(NewsTest_Text());
}

class NewsTestScreenTest : public SoakCareerTest {
 protected:
  // Option 52 through the front end's dispatch under a key script (ticks
  // from the end of the screen's first draw); answers whether it ended by
  // itself.
  bool RunOption52(const std::vector<menutest::Step>& steps, uint32_t limit) {
    OpenMenus();
    gNews = NewsSeen{};
    menutest::gDriver = menutest::HarnessDriver{};
    menutest::gDriver.steps = steps;
    menutest::gDriver.limit = limit;
    menutest::gDriver.start = PlatRawTicks();
    menutest::gDriver.deadline = menutest::gDriver.start + limit + 1000;
    SetMenuPostDrawCallback(menutest::StartScript);
    const int16_t poll = AddPollFunction(menutest::DriverPoll, 1, 0);
    const int16_t recorder = AddPollFunction(RecordNewsScreen, 1, 0);
    MenuOption = 52;
    gStepBefore = ExMenu.keyboardStep;
    DoMainMenuOption();
    RemovePollFunction(recorder);
    RemovePollFunction(poll);
    PlatClearEventScript();
    return !menutest::gDriver.timedOut;
  }
};

TEST_F(NewsTestScreenTest, UpStepsToTheLastMessageAndLeftQuits) {
  std::vector<menutest::Step> steps = {menutest::KeyAt(10, "Down"), menutest::KeyAt(20, "Right"),
                                       menutest::KeyAt(30, "Return"), menutest::KeyAt(40, "Space")};
  // One key a redraw apart (a press made while the screen draws is kept
  // until the screen reads the keys again; two of them would be one).
  constexpr uint32_t kApart = 100;
  uint32_t tick = 50;
  for (int i = 0; i < NEWS_TEST_LAST + 5; ++i, tick += kApart) steps.push_back(menutest::KeyAt(tick, "Up"));
  steps.push_back(menutest::KeyAt(tick, "Down"));
  steps.push_back(menutest::KeyAt(tick + kApart, "Up"));
  steps.push_back(menutest::KeyAt(tick + 2 * kApart, "Left"));
  ASSERT_TRUE(RunOption52(steps, tick + 4 * kApart));
  EXPECT_EQ(MenuOption, 3);
  ASSERT_FALSE(gNews.messages.empty());
  EXPECT_EQ(gNews.messages.front(), 0);
  // 0, 1, ... 149 one at a time, then 148 and 149 again: never past 149.
  std::vector<int> expected;
  for (int n = 0; n <= NEWS_TEST_LAST; ++n) expected.push_back(n);
  expected.push_back(NEWS_TEST_LAST - 1);
  expected.push_back(NEWS_TEST_LAST);
  EXPECT_EQ(gNews.messages, expected);
  EXPECT_GT(gNews.texts.size(), 100u) << "most kinds have wordings";
  for (const std::string& text : gNews.texts) EXPECT_EQ(text.find('$'), std::string::npos) << text;
}

TEST_F(NewsTestScreenTest, EscapeQuitsAndRightDrawsNewValues) {
  ASSERT_TRUE(RunOption52({menutest::KeyAt(10, "Up"), menutest::KeyAt(110, "Up"), menutest::KeyAt(210, "Right"),
                           menutest::KeyAt(310, "Right"), menutest::KeyAt(410, "Escape")},
                          800));
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(NewsTest_Message(), 2);
  EXPECT_GE(gNews.texts.size(), 2u);
  EXPECT_EQ(ExMenu.keyboardStep, gStepBefore) << "the loop's own keyboard step is back";
}

}  // namespace
