// A whole new game from the build's database: the world it makes for each
// game country, the progress steps, the human manager's installation, and
// one seed making one world.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "clubsim/clubsvc.h"
#include "clubsim/staffpool.h"
#include "engine/bytes.h"
#include "engine/poll.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "season/euroentrants.h"
#include "season/newgame.h"
#include "season/progress.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/worldgen.h"

namespace {

using srcdb::Bytes;

constexpr uint32_t kSeed = 2000;

class StartNewGameTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_startnewgame");
    srcdb::MountTotStat(srcdb::BuiltTotStat());
    StartWindowAndTimer();  // the new game polls the window
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  static void NewGame(int country, uint32_t seed = kSeed) {
    GameCountry = static_cast<int8_t>(country);
    GameSeedRandom(seed);
    GNW_StartNewGame();
  }

  // The player who manages the club (manager flag), else the stand-in for none.
  static int16_t ManagerOf(int16_t club) {
    for (int16_t p = 2; p < PlayerCount; ++p)
      if (Player_GetClub(p) == club && Player_GetManager(p)) return p;
    return 1;
  }
};

template <typename T>
void Append(Bytes& out, const T& object) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&object);
  out.insert(out.end(), bytes, bytes + sizeof object);
}

// Every table of the world a new game makes, as bytes.
Bytes WorldTables() {
  Bytes out;
  Append(out, ClubRecords);
  Append(out, ClubSlots);
  Append(out, MinorClubsBlock);
  Append(out, MoneyPool);
  Append(out, DbClubReputation);
  Append(out, PlayerRecords);
  Append(out, PlayerStatTables);
  Append(out, LoanList);
  Append(out, PatientList);
  Append(out, BidInfoList);
  Append(out, FixtureList);
  Append(out, LeagueTable);
  Append(out, DivisionTable);
  Append(out, DivisionClubLists);
  Append(out, EuroListA);
  Append(out, EuroListB);
  Append(out, EuroListC);
  Append(out, EuroCupHolderA);
  Append(out, EuroCupHolderB);
  Append(out, EuroHonourWords);
  Append(out, StaffCandidateAvailable);
  Append(out, CupSeedingList);
  Append(out, NameBitSetG);
  Append(out, NameBitSetD);
  for (int16_t value : {DayOfSeason, Weekday, DayOfMonth, Month, Year, SeasonCounter, FirstMatchDay, Postdate,
                        DaysSinceFirstMatch, MonthCounter, DeadlineDay1, DeadlineDay2, DeadlineDay3,
                        WindowOpenDay1, WindowOpenDay2, WindowOpenDay3, PlayerCount, PlayerTotalCount})
    Append(out, value);
  return out;
}

// The seam calls of a new game, in order, without the cup draws of the
// pre-season days and the play-off places (counted on their own).
const std::vector<std::string> kNewGameSeamCalls = {
    "ClearJobOffer",
    "ResetCareerRecords",
    "ResetMatchDayValues",
    "ManagerList_Clear",
    "Honours_ClearAll",
    "Club_InitSeasonData",
    "Season_ResetFixturesAndTables",
    "CupDraw_ClearTable",
    "Honours_InitFromCountryRecord",
    "Honours_ShiftSeasons",
    "ShuffleEuroEntrantsB",
    "ClearGroundRedevelopment",
    "FillReservePool",
    "BuildReputationTable",
    "TrainingBuffer_Init",
    "ResetTrainingSliders",
    "SaveTrainingSliders",
    "Clubs_CarryBalancesForward",
    "SetAllClubsExpectedPlace",
};

class EveryCountry : public StartNewGameTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryCountry, MakesAConsistentWorld) {
  const int g = GetParam();
  NewGame(g);

  // The calendar: 10 July 1999 and the pre-season days after it.
  const int16_t days = PreSeasonDays(g);
  EXPECT_EQ(days, g == 2 ? 35 : 21);
  EXPECT_EQ(DayOfSeason, days);
  EXPECT_EQ(Weekday, 0);  // three or five weeks on
  EXPECT_EQ(Year, 1999);
  EXPECT_EQ(Month, g == 2 ? 7 : 6);
  EXPECT_EQ(DayOfMonth, g == 2 ? 14 : 31);
  EXPECT_EQ(SeasonCounter, 0);
  EXPECT_EQ(MonthCounter, 0);
  EXPECT_EQ(MoneyRate1, 17);
  EXPECT_EQ(MoneyRate2, 17);
  EXPECT_EQ(InterestRate, 1);
  EXPECT_EQ(ProgressWords.total, -1);
  EXPECT_EQ(ProgressWords.step, -1);

  // Every division holds its clubs, each of the game country and in it.
  std::set<int> leagueClubs;
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    int count = 0;
    for (uint8_t club : DivisionTable[d]) {
      if (club == NO_TABLE_CLUB) continue;
      ++count;
      EXPECT_TRUE(leagueClubs.insert(club).second) << "club " << int{club} << " in two places";
      EXPECT_EQ(Club_GetDivision(club), d) << int{club};
      EXPECT_EQ(Club_GetCountry(club), g) << int{club};
      EXPECT_GE(GetClubRecordSlot(club), 0) << int{club};
    }
    EXPECT_EQ(count, CountryDivisionInfo.sizes[g][d].value) << "division " << d;
  }
  EXPECT_EQ(static_cast<int>(leagueClubs.size()), LeagueClubCount(g));

  // The season's fixtures: in day order, every league club its round robin
  // (twice over where the clubs meet four times), no club twice on a day.
  std::vector<int> leagueGames(NUM_CLUBS, 0);
  std::set<std::pair<int, int>> busy;  // (day, club)
  int previousDay = 0, fixtures = 0;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n, ++fixtures) {
    const int day = Fixture_GetDay(n), code = Fixture_GetCompetition(n);
    const int home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
    EXPECT_GE(day, previousDay) << n;
    previousDay = day;
    EXPECT_FALSE(Fixture_IsPlayed(n)) << n;
    if (code == COMP_FRIENDLY || code == COMP_SPECIAL) continue;
    EXPECT_TRUE(busy.insert({day, home}).second) << "club " << home << " twice on day " << day;
    EXPECT_TRUE(busy.insert({day, away}).second) << "club " << away << " twice on day " << day;
    if (code != COMP_LEAGUE) continue;
    EXPECT_EQ(Club_GetDivision(static_cast<int16_t>(home)), Club_GetDivision(static_cast<int16_t>(away))) << n;
    ++leagueGames[home];
    ++leagueGames[away];
  }
  EXPECT_GT(fixtures, 0);
  for (int club : leagueClubs) {
    const int size = CountryDivisionInfo.sizes[g][Club_GetDivision(static_cast<int16_t>(club))].value;
    const int meetings = CountryDivisionInfo.sizes[g][0].second != 0 ? 4 : 2;
    EXPECT_EQ(leagueGames[club], (size - 1) * meetings) << "club " << club;
  }
  EXPECT_GT(FirstMatchDay, 0);
  EXPECT_GT(Postdate, FirstMatchDay);

  // The European entrants: each country's clubs from its own block, in
  // country order; the game country's from its league; every list full but
  // A's spare entries; nobody twice.
  std::set<int> entered;
  int entry = 0;
  for (int t = 0; t < NUM_LIST_COUNTRIES; ++t)
    for (int q = 0; q < EuroQuotaA[t]; ++q, ++entry) {
      const int club = EuroListA[entry];
      ASSERT_LT(club, NUM_CLUBS) << "A entry " << entry;
      EXPECT_GE(club, CountryBlockStart(g, t));
      EXPECT_LT(club, CountryBlockStart(g, t) + CountryBlockSize(g, t));
      if (t == g) {
        EXPECT_TRUE(leagueClubs.count(club)) << "A entry " << entry;
      }
    }
  EXPECT_EQ(EuroListA[EURO_LIST_A_SIZE - 1], EuroCupHolderA);
  auto enter = [&](const uint8_t* list, int size, const char* name) {
    for (int e = 0; e < size; ++e) {
      if (list[e] == NO_TABLE_CLUB) continue;
      EXPECT_NE(CountryClubList[g][list[e]], NO_DB_CLUB) << name << " entry " << e;
      EXPECT_TRUE(entered.insert(list[e]).second) << name << " entry " << e << ": club " << int{list[e]} << " twice";
    }
  };
  enter(EuroListA, EURO_LIST_A_SIZE, "A");
  enter(EuroListB, EURO_LIST_B_SIZE, "B");
  enter(EuroListC, EURO_LIST_C_SIZE, "C");
  EXPECT_EQ(std::count(EuroListB, EuroListB + EURO_LIST_B_SIZE, NO_TABLE_CLUB), 0);
  EXPECT_EQ(std::count(EuroListC, EuroListC + EURO_LIST_C_SIZE, NO_TABLE_CLUB), 0);
  // The game country's own entrants: all of them but the holders' entries
  // (A's last, C's last).
  int ownEntrants = 0;
  for (int e = 0; e < EURO_LIST_A_SIZE - 1; ++e) ownEntrants += leagueClubs.count(EuroListA[e]) != 0;
  for (int e = 0; e < EURO_LIST_B_SIZE; ++e) ownEntrants += leagueClubs.count(EuroListB[e]) != 0;
  for (int e = 0; e < EURO_LIST_C_SIZE - 1; ++e) ownEntrants += leagueClubs.count(EuroListC[e]) != 0;
  EXPECT_EQ(ownEntrants, EuroQuotaA[g] + EuroQuotaB[g] + EuroQuotaC[g]);
  const int ownHolders = (leagueClubs.count(EuroListA[EURO_LIST_A_SIZE - 1]) != 0) +
                         (leagueClubs.count(EuroListC[EURO_LIST_C_SIZE - 1]) != 0);
  int16_t qualifiersA = 0, qualifiersC = 0;
  GetEuroQualifiers(&qualifiersA, &qualifiersC);
  EXPECT_EQ(qualifiersA + qualifiersC, ownEntrants + ownHolders);

  // The players, the staff market, the emptied logs.
  EXPECT_GT(PlayerCount, 2);
  EXPECT_EQ(StaffCandidate_CountAvailable(), STAFF_CANDIDATES_AVAILABLE);
  EXPECT_EQ(ClubEventLog_Used(), 0);
  EXPECT_EQ(PlayerCareerLog_Used(), 0);
  EXPECT_NE(CupSeedingList[0], -1);

  // What went to the parts built elsewhere, in order.
  std::vector<std::string> calls;
  int draws = 0, playoffPlaces = 0;
  for (const SeamCall& call : Seam_Calls()) {
    if (call.name == "DrawCupRound") {
      ++draws;
    } else if (call.name == "SetPlayoffClubs") {
      ++playoffPlaces;
      const int16_t division = static_cast<int16_t>(call.args[0]), slot = static_cast<int16_t>(call.args[1]);
      EXPECT_EQ(call.args[2], NewGame_PlayoffClub(g, division, slot));
    } else {
      calls.push_back(call.name);
    }
  }
  EXPECT_EQ(calls, kNewGameSeamCalls);
  EXPECT_EQ(draws, days);
  EXPECT_EQ(playoffPlaces, NUM_DIVISIONS * 4);
}

INSTANTIATE_TEST_SUITE_P(GameCountries, EveryCountry, ::testing::Range(0, NUM_GAME_COUNTRIES));

TEST_F(StartNewGameTest, TheProgressWordsRunThroughEveryStep) {
  static std::vector<int16_t> steps;
  static int16_t total;
  steps.clear();
  total = 0;
  InitPoll();
  const int16_t item = AddPollFunction(
      [] {
        if (ProgressWords.step < 0) return;
        total = ProgressWords.total;
        if (steps.empty() || steps.back() != ProgressWords.step) steps.push_back(ProgressWords.step);
      },
      -1, 0);
  NewGame(0);
  RemovePollFunction(item);
  EXPECT_EQ(total, NEW_GAME_STEPS);
  std::vector<int16_t> expected;
  for (int16_t s = 0; s <= NEW_GAME_STEPS; ++s) expected.push_back(s);
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(ProgressWords.total, -1);
  EXPECT_EQ(ProgressWords.step, -1);
}

TEST_F(StartNewGameTest, OneSeedMakesOneWorld) {
  NewGame(0);
  const Bytes first = WorldTables();
  ResetEngine();
  srcdb::MountTotStat(srcdb::BuiltTotStat());
  StartWindowAndTimer();
  NewGame(0);
  EXPECT_TRUE(WorldTables() == first) << "the same seed made another world";

  ResetEngine();
  srcdb::MountTotStat(srcdb::BuiltTotStat());
  StartWindowAndTimer();
  NewGame(0, kSeed + 1);
  EXPECT_FALSE(WorldTables() == first);
}

TEST_F(StartNewGameTest, TheLargestCountryTooMakesOneWorldFromOneSeed) {
  NewGame(6);
  const Bytes first = WorldTables();
  ResetEngine();
  srcdb::MountTotStat(srcdb::BuiltTotStat());
  StartWindowAndTimer();
  NewGame(6);
  EXPECT_TRUE(WorldTables() == first);
}

// A club the user may choose, and what the manager finds there.
struct ClubChoice {
  int country;
  int division;
  int place;          // in the division's table
  bool bossvane;      // the club's board makes him a playing manager
  bool keepTraining;  // the first game setting is 1
};

class HumanManagerTest : public StartNewGameTest, public ::testing::WithParamInterface<ClubChoice> {};

TEST_P(HumanManagerTest, TakesChargeOfTheChosenClub) {
  const ClubChoice choice = GetParam();
  NewGame(choice.country);
  const int16_t club = DivisionTable[choice.division][choice.place];
  ASSERT_NE(club, NO_TABLE_CLUB);
  const int16_t previous = ManagerOf(club);
  const int16_t trainingBefore = Player_GetTraining(0);
  Club_SetControl(club, 1);
  Club_SetBossvaneClause(club, choice.bossvane ? 1 : 0);
  NewGameSettings[0] = choice.keepTraining ? 1 : 0;
  GNW_InstallHumanManager(1, previous);

  EXPECT_EQ(FindHumanClub(1), club);
  EXPECT_EQ(CurrentManager, 0);
  EXPECT_EQ(Player_GetClub(0), club);
  EXPECT_EQ(Player_GetManager(0), 1);
  EXPECT_EQ(Player_GetAge(0), 14);
  EXPECT_EQ(Player_GetNationality(0), choice.country);
  EXPECT_EQ(Player_GetRRClause(0), 0);
  EXPECT_EQ(Player_GetBRClause(0), 0);
  EXPECT_EQ(Player_GetTraining(0), choice.keepTraining ? trainingBefore : std::min(14 * 312, 4095));
  EXPECT_EQ(Player_GetBossvane(0), choice.bossvane ? 1 : 0);
  if (choice.bossvane) {
    EXPECT_EQ(Player_GetStoredPosition(0), 5);  // a playing manager of the stored position
  }

  // The man he replaces leaves, remembering the club.
  if (previous >= 2) {
    EXPECT_EQ(Player_GetClub(previous), 255);
    EXPECT_EQ(Player_GetCaretaker(previous), 0);
    EXPECT_EQ(Player_GetBossvane(previous), 0);
    EXPECT_EQ(Player_GetWage(previous), club);
  }

  // The appointment in both logs.
  ASSERT_EQ(ClubEventLog_Used(), 1);
  const ClubEvent event = ClubEventLogEntry_Decode(ClubEventLog[0]);
  EXPECT_EQ(event.type, 15);
  EXPECT_EQ(event.player, 0);
  EXPECT_EQ(event.club, club);
  ASSERT_EQ(PlayerCareerLog_Used(), 1);
  const CareerEntry career = PlayerCareerLogEntry_Decode(PlayerCareerLog[0]);
  EXPECT_EQ(career.type, 4);
  EXPECT_EQ(career.player, 0);
  EXPECT_EQ(career.club, CountryClubList[choice.country][club]);
}

void PrintTo(const ClubChoice& c, std::ostream* out) {
  *out << "country " << c.country << ", division " << c.division << ", place " << c.place
       << (c.bossvane ? ", bossvane" : "") << (c.keepTraining ? ", training kept" : "");
}

INSTANTIATE_TEST_SUITE_P(Choices, HumanManagerTest,
                         ::testing::Values(ClubChoice{0, 0, 0, false, false}, ClubChoice{0, 3, 23, true, false},
                                           ClubChoice{2, 1, 7, false, true}, ClubChoice{3, 5, 13, true, false},
                                           ClubChoice{8, 1, 0, false, false}),
                         [](const ::testing::TestParamInfo<ClubChoice>& info) {
                           const ClubChoice& c = info.param;
                           return "Country" + std::to_string(c.country) + "Division" + std::to_string(c.division) +
                                  "Place" + std::to_string(c.place);
                         });

TEST_F(StartNewGameTest, ABadDatabaseStopsTheNewGameNamingTheFault) {
  Bytes image = srcdb::BuiltTotStat();
  srcdb::SetCount(image, -1);
  srcdb::MountTotStat(image);
  GameCountry = 0;
  EXPECT_FATAL(StartNewGame(), "Error: LoadTotStats\\(\\): 'stats\\\\totstat.dat': player count -1 is outside 0-25000");
  image.pop_back();
  srcdb::MountTotStat(image);
  EXPECT_FATAL(StartNewGame(), "Error: LoadTotStats\\(\\): 'stats\\\\totstat.dat' is 1568403 bytes, not 1568404");
}

TEST_F(StartNewGameTest, ANewGameNeedsAGameCountry) {
  for (int8_t country : {int8_t{-1}, int8_t{9}}) {
    GameCountry = country;
    EXPECT_FATAL(StartNewGame(), "StartNewGame\\(\\): game country -?[0-9]+ is outside 0-8");
  }
}

TEST_F(StartNewGameTest, PlayOffPlacesStandBelowTheAutomaticPromotionPlaces) {
  struct Case {
    int country, division;
    int first;  // the first play-off club's place in the division's block, -1 none
  } const cases[] = {
      {0, 0, -1}, {0, 1, 2}, {0, 2, 2}, {0, 3, 3}, {0, 4, -1}, {2, 1, -1},
      {2, 2, 1},  {2, 3, 1}, {5, 1, 1}, {1, 1, -1}, {6, 1, -1}, {3, 5, -1},
  };
  for (const Case& c : cases) {
    for (int slot = 0; slot < 4; ++slot) {
      const int expected = c.first < 0 ? -1 : DivisionBlockStart(c.country, c.division) + c.first + slot;
      EXPECT_EQ(NewGame_PlayoffClub(c.country, c.division, slot), expected) << c.country << "/" << c.division;
    }
  }
  EXPECT_EQ(NewGame_PlayoffClub(0, 1, 4), -1);
  EXPECT_EQ(NewGame_PlayoffClub(0, 6, 0), -1);
  EXPECT_EQ(NewGame_PlayoffClub(9, 1, 0), -1);
  EXPECT_EQ(PreSeasonDays(9), 0);
}

TEST_F(StartNewGameTest, TheCupDrawsCountTheDaysPastTheFirstMatchday) {
  FirstMatchDay = 30;
  DaysSinceFirstMatch = 0;
  for (int16_t day : {29, 30, 31, 32}) {
    DayOfSeason = day;
    Season_DrawCupsForDay();
  }
  EXPECT_EQ(DaysSinceFirstMatch, 2);
  EXPECT_EQ(Seam_CountCalls("DrawCupRound"), 4);
}

TEST_F(StartNewGameTest, AResetForgetsTheSettingsTheStartDateAndTheSummary) {
  NewGameSettings[0] = 1;
  NewGameSettings[1] = 1;
  MatchStatsSummary[1].possessionShare = 40;
  ResetEngine();
  EXPECT_EQ(NewGameSettings[0], 0);
  EXPECT_EQ(NewGameSettings[1], 0);
  EXPECT_EQ(MatchStatsSummary[1].possessionShare, 0);
}

// ---- the installation on a small world ----

class InstallTest : public WorldTest {};

TEST_F(InstallTest, TheBuiltInRecordsNeverLeave) {
  // The stand-in for no manager, the human's own record and numbers outside
  // the table are no previous manager to send away.
  for (int16_t previous : {tw::kNoManager, tw::kHumanManager, int16_t{-1}, tw::kPlayerCount}) {
    Player_SetClub(tw::kNoManager, 255);
    Player_SetCaretaker(tw::kNoManager, 1);
    InstallHumanManager(1, previous);
    EXPECT_EQ(Player_GetClub(tw::kHumanManager), tw::kHumanClub) << previous;
    EXPECT_EQ(Player_GetCaretaker(tw::kNoManager), 1) << previous;
    EXPECT_EQ(Player_GetWage(tw::kNoManager), 0) << previous;
  }
  // A real predecessor leaves.
  InstallHumanManager(1, tw::kMidfielder);
  EXPECT_EQ(Player_GetClub(tw::kMidfielder), 255);
  EXPECT_EQ(Player_GetWage(tw::kMidfielder), tw::kHumanClub);
}

TEST_F(InstallTest, NoClubUnderHisControlChangesNothing) {
  Club_SetControl(tw::kHumanClub, 0);
  const Bytes before(reinterpret_cast<const uint8_t*>(PlayerRecords),
                     reinterpret_cast<const uint8_t*>(PlayerRecords + tw::kPlayerCount));
  InstallHumanManager(1, tw::kMidfielder);
  InstallHumanManager(0, tw::kMidfielder);  // no manager 0
  InstallHumanManager(2, tw::kMidfielder);  // no club takes a second human manager
  EXPECT_EQ(std::memcmp(before.data(), PlayerRecords, before.size()), 0);
  EXPECT_EQ(ClubEventLog_Used(), 0);
}

// ---- a match's figures ----

class MatchSummaryTest : public EngineTest {};

TEST_F(MatchSummaryTest, ShareOfPossessionAndTheFigures) {
  struct Case {
    int16_t home, away;
    int16_t share;
  } const cases[] = {{300, 100, 75}, {0, 0, 50}, {1, 2, 33}, {0, 500, 0}, {-40, 100, 0}, {32767, 32767, 50}};
  for (const Case& c : cases) {
    uint8_t* result = GetMatchResultRecord();
    for (int side = 0; side < 2; ++side) {
      uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
      for (int n = 0; n < 5; ++n) StoreI16(team + 4 + 2 * n, static_cast<int16_t>(10 * side + n));
      StoreI16(team + 14, side == 0 ? c.home : c.away);
      StoreI16(team + TEAM_MAN_OF_MATCH, static_cast<int16_t>(700 + side));
    }
    BuildMatchStatsSummary();
    EXPECT_EQ(MatchStatsSummary[0].possessionShare, c.share) << c.home << "/" << c.away;
    EXPECT_EQ(MatchStatsSummary[1].possessionShare, 100 - c.share);
    for (int side = 0; side < 2; ++side) {
      for (int n = 0; n < 5; ++n) EXPECT_EQ(MatchStatsSummary[side].figures[n], 10 * side + n);
      EXPECT_EQ(MatchStatsSummary[side].extra, 700 + side);
    }
  }
}

}  // namespace
