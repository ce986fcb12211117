// The end of the league season, the play-offs and the next season's set-up,
// on the test worlds: England's league world (clubs in club order in their
// tables) and the league worlds of the other countries.
#include "season/endseason.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "engine/winlib.h"
#include "menus/menuprims.h"
#include "season/fixgen.h"
#include "season/playoff_support.h"
#include "season/progress.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/honours.h"
#include "world/static_country.h"

namespace {

struct Listed {
  int day, code, home, away, flag;
  bool operator==(const Listed& o) const {
    return day == o.day && code == o.code && home == o.home && away == o.away && flag == o.flag;
  }
};

std::vector<Listed> FixturesWithCodes(int first, int last) {
  std::vector<Listed> list;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) {
    const int code = Fixture_GetCompetition(n);
    if (code >= first && code <= last)
      list.push_back({Fixture_GetDay(n), code, Fixture_GetHomeClub(n), Fixture_GetAwayClub(n), Fixture_GetLegFlag(n)});
  }
  return list;
}

std::vector<std::string> Boxes() {
  std::vector<std::string> texts;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") texts.push_back(call.text);
  return texts;
}

int CountContaining(const std::vector<std::string>& texts, const std::string& part) {
  return static_cast<int>(std::count_if(texts.begin(), texts.end(),
                                        [&](const std::string& t) { return t.find(part) != std::string::npos; }));
}

std::string Name(int16_t club) { return GNW_GetClubName(GNW_GetClubDbId(club)); }

class EndSeasonTest : public EngineTest {
 protected:
  static constexpr int16_t kPostdate = 300;
  void SetUp() override {
    EngineTest::SetUp();
    WinInit(nullptr, "Gafferon test", 1);  // the new season polls
  }
  // The league world of a country with its tables in club order, on Postdate.
  static void World(int country) {
    Clubs_Reset();
    Fixtures_Reset();
    SeasonState_Reset();
    Honours_ClearAll();
    EndSeason_Reset();
    if (country == 0)
      BuildLeagueWorld();
    else
      BuildCountryLeagueWorld(country);
    SortLeagueTables();
    Postdate = kPostdate;
    DayOfSeason = kPostdate;
  }
  static int DivisionCount(int country, int division) {
    int n = 0;
    for (int16_t c = 0; c < NUM_CLUBS; ++c)
      if (Club_GetCountry(c) == country && Club_GetDivision(c) == division) ++n;
    return n;
  }
};

TEST(SeasonRulesTest, PromotionAndRelegationTargets) {
  struct Case {
    int country, division, row;
    int16_t up, down;
  };
  const Case cases[] = {
      {0, 1, 0, 0, 2},  {0, 4, 0, 3, 5},  {2, 3, 0, 1, 4},  {2, 2, 0, 1, 3},  {2, 1, 17, 0, 3}, {2, 1, 19, 0, 3},
      {2, 1, 16, 0, 2}, {2, 1, 18, 0, 2}, {3, 3, 0, 1, 4},  {3, 4, 0, 1, 5},  {3, 5, 0, 1, 6}, {3, 2, 0, 1, 3},
      {3, 1, 14, 0, 2}, {3, 1, 15, 0, 3}, {3, 1, 16, 0, 4}, {3, 1, 17, 0, 5}, {6, 4, 0, 2, 5}, {6, 4, 1, 2, 5},
      {6, 3, 1, 2, 4},  {6, 2, 17, 1, 4}, {6, 2, 19, 1, 4}, {6, 2, 16, 1, 3}, {6, 1, 17, 0, 2}, {0, 2, 17, 1, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PromotionTarget(c.country, c.division, c.row), c.up) << c.country << " " << c.division << " " << c.row;
    EXPECT_EQ(RelegationTarget(c.country, c.division, c.row), c.down) << c.country << " " << c.division << " " << c.row;
  }
}

// Promotion and relegation keep every division's size, once the play-off
// finals are in, in every country whose rules say so.
TEST(SeasonRulesTest, EveryCountrysMovesBalance) {
  for (int country = 0; country < NUM_GAME_COUNTRIES; ++country) {
    SCOPED_TRACE(country);
    int change[NUM_DIVISIONS + 1] = {};
    for (int d = 0; d < NUM_DIVISIONS; ++d) {
      const int size = CountryDivisionInfo.sizes[country][d].value;
      if (size == 0) continue;
      for (int row = 1 - (d > 0); row < PromotionPlaces[country][d]; ++row) {
        const int16_t to = PromotionTarget(country, d, row);
        ASSERT_GE(to, 0);
        ++change[to], --change[d];
      }
      for (int row = size - RelegationPlaces[country][d]; row < size; ++row) {
        const int16_t to = RelegationTarget(country, d, row);
        ASSERT_LT(to, NUM_DIVISIONS);
        ASSERT_GT(CountryDivisionInfo.sizes[country][to].value, 0);
        ++change[to], --change[d];
      }
      if (CountryDivisionInfo.playoffs[country][d].value != 0) {
        const int16_t to = playoff::TargetDivision(country, d);
        ++change[to], --change[d];
      }
    }
    for (int d = 0; d < NUM_DIVISIONS; ++d) EXPECT_EQ(change[d], 0) << d;
  }
}

TEST_F(EndSeasonTest, EnglandsTablesSettleTheSeason) {
  World(0);
  Club_SetControl(30, 1);  // the user manages in division 1
  MenuPrims_ClearCalls();
  EndOfSeason();

  // The roll of honour: champions and runners-up of divisions 0-4.
  const int holders[][2] = {{14, 0}, {15, 1}, {16, 20}, {17, 21}, {18, 44}, {19, 45}, {20, 68}, {21, 69},
                            {22, 92}, {23, 93}};
  for (const auto& h : holders) EXPECT_EQ(Honours_GetHolder(0, h[0]), h[1]) << h[0];
  EXPECT_EQ(Honours_GetHolder(0, 24), 255);

  // Up: division 1's top two, division 2's top two, division 3's top three, division 4's champion.
  struct Move {
    int16_t club, division;
  };
  const Move moves[] = {{0, 0},   {16, 0},  {17, 1},  {18, 1},  {19, 1},  {20, 0},  {21, 0},  {22, 1},  {40, 1},
                        {41, 2},  {42, 2},  {43, 2},  {44, 1},  {45, 1},  {46, 2},  {63, 2},  {64, 3},  {67, 3},
                        {68, 2},  {69, 2},  {70, 2},  {71, 3},  {90, 3},  {91, 4},  {92, 3},  {93, 4},  {113, 4}};
  for (const Move& m : moves) EXPECT_EQ(Club_GetDivision(m.club), m.division) << m.club;
  // Until the play-off finals are played, each play-off's winner still counts to its old division.
  const int counts[] = {19, 24, 24, 25, 22};
  for (int d = 0; d <= 4; ++d) EXPECT_EQ(DivisionCount(0, d), counts[d]) << d;

  // The play-offs: the four clubs below the promotion places of divisions 1-3.
  const uint8_t table[NUM_DIVISIONS][PLAYOFF_PLACES] = {
      {255, 255, 255, 255}, {22, 23, 24, 25}, {46, 47, 48, 49}, {71, 72, 73, 74}, {255, 255, 255, 255},
      {255, 255, 255, 255}};
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int k = 0; k < PLAYOFF_PLACES; ++k) {
      EXPECT_EQ(PlayoffTable[d][k], table[d][k]) << d << " " << k;
      EXPECT_EQ(PlayoffClubs[d][k], table[d][k] == 255 ? -1 : table[d][k]);
    }
  const std::vector<Listed> expected = {
      {314, 1, 25, 22, 0}, {314, 1, 24, 23, 0}, {314, 1, 49, 46, 0}, {314, 1, 48, 47, 0},
      {314, 1, 74, 71, 0}, {314, 1, 73, 72, 0}, {317, 2, 22, 25, 0}, {317, 2, 23, 24, 0},
      {317, 2, 46, 49, 0}, {317, 2, 47, 48, 0}, {317, 2, 71, 74, 0}, {317, 2, 72, 73, 0},
  };
  std::vector<Listed> playoffs = FixturesWithCodes(1, 4);
  EXPECT_EQ(playoffs, expected);

  // The user hears of his own division: its champions, promoted, play-off and relegated clubs.
  const std::vector<std::string> boxes = Boxes();
  EXPECT_EQ(CountContaining(boxes, Name(20) + " have finished top of the division."), 1);
  EXPECT_EQ(CountContaining(boxes, "have finished the season as champions."), 0);
  EXPECT_EQ(CountContaining(boxes, "have gained promotion."), 1);
  EXPECT_EQ(CountContaining(boxes, Name(21) + " have gained promotion."), 1);
  EXPECT_EQ(CountContaining(boxes, "have qualified for the divisional play offs."), 4);
  EXPECT_EQ(CountContaining(boxes, "have been relegated."), 3);
  EXPECT_EQ(CountContaining(boxes, Name(41) + " have been relegated."), 1);
  // The club events: promotions (8) and relegations (9) with the new division.
  int promoted = 0, relegated = 0;
  for (int32_t n = 0; n < ClubEventLog_Used(); ++n) {
    const ClubEvent e = ClubEventLogEntry_Decode(ClubEventLog[n]);
    if (e.type != 8 && e.type != 9) continue;
    ++(e.type == 8 ? promoted : relegated);
    EXPECT_EQ(e.value, Club_GetDivision(e.club)) << e.club;
  }
  EXPECT_EQ(promoted, 8);
  EXPECT_EQ(relegated, 11);
  // The training sliders back to their defaults and kept.
  EXPECT_EQ(Seam_CountCalls("ResetTrainingSliders"), 1);
  EXPECT_EQ(Seam_CountCalls("SaveTrainingSliders"), 1);
}

TEST_F(EndSeasonTest, TheTopDivisionsChampionsStayAndAreToldSo) {
  World(0);
  Club_SetControl(5, 1);
  MenuPrims_ClearCalls();
  EndOfSeason();
  const std::vector<std::string> boxes = Boxes();
  EXPECT_EQ(CountContaining(boxes, Name(0) + " have finished the season as champions."), 1);
  EXPECT_EQ(CountContaining(boxes, "have finished top of the division."), 0);
  EXPECT_EQ(CountContaining(boxes, "have gained promotion."), 0);
  EXPECT_EQ(CountContaining(boxes, "have been relegated."), 3);
  EXPECT_EQ(Club_GetDivision(0), 0);
}

TEST_F(EndSeasonTest, TheFinalsFollowSeventeenDaysLater) {
  World(0);
  EndOfSeason();
  // The semi-finals: the first and third seeds of division 1 and 3 win, division 2's semi-finals are not decided.
  for (int16_t loser : {23, 25, 73, 74}) playoff::KnockOut(loser);
  PlayoffTable[2][0] = PLAYOFF_EMPTY;
  PlayoffTable[2][1] = PLAYOFF_EMPTY;
  PlayoffTable[2][2] = PLAYOFF_EMPTY;  // one club left: no final
  DayOfSeason = kPostdate + 17;
  Season_AddPlayOffFinals();
  const std::vector<Listed> finals = FixturesWithCodes(3, 3);
  const std::vector<Listed> expected = {{kPostdate + 28, 3, 71, 72, 1}, {kPostdate + 30, 3, 22, 24, 1}};
  EXPECT_EQ(finals, expected);
}

TEST_F(EndSeasonTest, ItalysSemiFinalsAreSingleMatches) {
  World(2);
  EndOfSeason();
  // Division 2 (clubs 38-55) and 3 (56-73) play off below their champions.
  const int16_t d2 = static_cast<int16_t>(DivisionBlockStart(2, 2)), d3 = static_cast<int16_t>(DivisionBlockStart(2, 3));
  const std::vector<Listed> expected = {
      {kPostdate + 14, 1, d2 + 1, d2 + 3, 0}, {kPostdate + 14, 1, d2 + 2, d2 + 4, 0},
      {kPostdate + 14, 1, d3 + 1, d3 + 3, 0}, {kPostdate + 14, 1, d3 + 2, d3 + 4, 0}};
  EXPECT_EQ(FixturesWithCodes(1, 4), expected);
  // The champion of division 3 goes straight to division 1; division 1's rows 17 and 19 down two.
  EXPECT_EQ(Club_GetDivision(d3), 1);
  const int16_t d1 = static_cast<int16_t>(DivisionBlockStart(2, 1));
  const int16_t downs[] = {2, 3, 2, 3};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Club_GetDivision(static_cast<int16_t>(d1 + 16 + k)), downs[k]) << k;
  for (int16_t loser : {static_cast<int16_t>(d2 + 3), static_cast<int16_t>(d2 + 2)}) playoff::KnockOut(loser);
  DayOfSeason = kPostdate + 17;
  Season_AddPlayOffFinals();
  const std::vector<Listed> finals = FixturesWithCodes(3, 3);
  ASSERT_EQ(finals.size(), 2u);
  EXPECT_EQ(finals[0], (Listed{kPostdate + 28, 3, d2 + 1, d2 + 4, 1}));
}

TEST_F(EndSeasonTest, GermanysRelegatedClubsGoOneToEachLowerDivision) {
  World(3);
  EndOfSeason();
  const int16_t d1 = static_cast<int16_t>(DivisionBlockStart(3, 1));
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Club_GetDivision(static_cast<int16_t>(d1 + 14 + k)), 2 + k) << k;
  for (int d = 2; d <= 5; ++d) EXPECT_EQ(Club_GetDivision(static_cast<int16_t>(DivisionBlockStart(3, d))), 1) << d;
  for (int d = 0; d < NUM_DIVISIONS; ++d) EXPECT_EQ(DivisionCount(3, d), CountryDivisionInfo.sizes[3][d].value) << d;
  EXPECT_TRUE(FixturesWithCodes(1, 3).empty());  // no play-offs in Germany
}

TEST_F(EndSeasonTest, SpainsChampionsStayWhereTheyAre) {
  World(4);
  EndOfSeason();
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    EXPECT_EQ(DivisionCount(4, d), CountryDivisionInfo.sizes[4][d].value) << d;
    EXPECT_EQ(Honours_GetHolder(0, Honours_HolderByte(d < 4 ? static_cast<int16_t>(1 + d) : d == 4 ? 28 : 30)),
              DivisionBlockStart(4, d))
        << d;
  }
  EXPECT_TRUE(FixturesWithCodes(1, 4).empty());
}

TEST_F(EndSeasonTest, GermanysSuperCupFollowsTheSeason) {
  struct Case {
    int cupWinner;  // clubs counted from the first of division 0: 0 the champions, 1 the runners-up
    int home, away;
  };
  const Case cases[] = {{5, 0, 5}, {0, 0, 1}, {-1, -1, -1}};
  const int d0 = DivisionBlockStart(3, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cupWinner);
    World(3);
    HonoursSeasons[0].bytes[HOLDER_CUP0_WINNER] = static_cast<uint8_t>(c.cupWinner < 0 ? 255 : d0 + c.cupWinner);
    HonoursSeasons[0].bytes[HOLDER_CUP0_RUNNER_UP] = static_cast<uint8_t>(d0 + 6);
    EndOfSeason();
    const std::vector<Listed> cup = FixturesWithCodes(4, 4);
    if (c.home < 0) {
      EXPECT_TRUE(cup.empty());
      continue;
    }
    ASSERT_EQ(cup.size(), 1u);
    EXPECT_EQ(cup[0], (Listed{kPostdate + 14, 4, d0 + c.home, d0 + c.away, 1}));
  }
  // A club with a match on that day keeps it: no day is free after the season, so no super cup.
  World(3);
  HonoursSeasons[0].bytes[HOLDER_CUP0_WINNER] = static_cast<uint8_t>(d0 + 5);
  ASSERT_GE(Fixture_Add(kPostdate + 14, COMP_CUP_FIRST + 7, d0 + 5, d0 + 9, 1), 0);
  EndOfSeason();
  EXPECT_TRUE(FixturesWithCodes(4, 4).empty());
  EXPECT_EQ(FixturesWithCodes(COMP_CUP_FIRST, COMP_CUP_LAST).size(), 1u);
}

TEST_F(EndSeasonTest, OtherCountriesHaveNoSuperCupAtTheSeasonsEnd) {
  for (int country : {0, 2, 5}) {
    World(country);
    HonoursSeasons[0].bytes[HOLDER_CUP0_WINNER] = 5;
    EndOfSeason();
    EXPECT_TRUE(FixturesWithCodes(4, 4).empty()) << country;
  }
}

TEST_F(EndSeasonTest, NoGameCountryNoSeasonEnd) {
  World(0);
  GameCountry = 9;
  EndOfSeason();
  Season_AddPlayOffFinals();
  EXPECT_EQ(Honours_GetHolder(0, HOLDER_DIV0_CHAMPION), 255);
  EXPECT_EQ(Club_GetDivision(20), 1);
}

TEST_F(EndSeasonTest, TheFixtureListAndTablesStartEmpty) {
  World(0);
  ASSERT_GE(Fixture_Add(3, COMP_LEAGUE, 0, 1, 1), 0);
  Fixture_SetResult(0, 3, 1);
  Fixture_SetShootoutFlag(0, 1);
  Fixture_SetAttendance(0, 5000);
  LeagueTable_Rebuild(10);
  SortLeagueTables();
  int16_t positions[NUM_CLUBS];
  for (int c = 0; c < NUM_CLUBS; ++c) positions[c] = LeagueTable[c].position;
  ASSERT_EQ(positions[1], 19);
  Club_SetAvgAtt(0, 30000);
  Season_ResetFixturesAndTables();
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    ASSERT_EQ(Fixture_GetDay(n), FIXTURE_EMPTY_DAY);
    ASSERT_EQ(Fixture_IsPlayed(n), 0);
    ASSERT_EQ(Fixture_GetLegFlag(n), 0);
    ASSERT_EQ(Fixture_GetShootoutFlag(n), 0);
  }
  EXPECT_EQ(LeagueTable[0].points, 0);
  EXPECT_EQ(LeagueTable[0].homeWon, 0);
  EXPECT_EQ(LeagueTable[0].played, 0);
  EXPECT_EQ(LeagueTable[1].awayAgainst, 0);
  for (int c = 0; c < NUM_CLUBS; ++c) EXPECT_EQ(LeagueTable[c].position, positions[c]) << c;  // positions stay
  EXPECT_EQ(Club_GetAvgAtt(0), 0);
}

TEST_F(EndSeasonTest, TheNewSeasonRunsItsElevenStepsInOrder) {
  World(0);
  EndOfSeason();
  Honours_RecordWinner(4, HONOUR_CUP_WINNERS);  // cup 0's winners, for next season's super cup
  for (int d = 1; d <= 3; ++d) playoff::PromoteWinner(0, PlayoffTable[d][0]);  // the play-off finals
  const HonoursSeasonRecord ended = HonoursSeasons[0];
  uint8_t playoffs[sizeof PlayoffTable];
  std::memcpy(playoffs, PlayoffTable, sizeof playoffs);
  std::memset(ClubRecords[7].bytes + 4030, 0, 10);

  // Each step's work notes the progress step it ran under.
  static std::vector<std::pair<std::string, int>> steps;
  steps.clear();
  SeasonEngine.clearHumanDealLists = [] { steps.push_back({"deals", ProgressWords.step}); };
  SeasonEngine.setEuroCupHolders = [] { steps.push_back({"holders", ProgressWords.step}); };
  SeasonEngine.selectEuropeanEntrants = [] { steps.push_back({"entrants", ProgressWords.step}); };
  SeasonEngine.cupDrawClearTable = [] { steps.push_back({"draws", ProgressWords.step}); };
  ClubSim.fillReservePool = [] { steps.push_back({"reserves", ProgressWords.step}); };
  ClubSim.updateTransferWindows = [](int16_t first, int16_t) { steps.push_back({"windows", ProgressWords.step + 100 * first}); };
  SeasonEngine.shuffleEuroEntrantsB = [] { steps.push_back({"shuffle", ProgressWords.step}); };
  ClubSim.buildReputationTable = [] { steps.push_back({"reputation", ProgressWords.step}); };
  ClubScreens.trainingBufferInit = [] { steps.push_back({"training", ProgressWords.step}); };
  ClubSim.setAllClubsExpectedPlace = [] { steps.push_back({"expected", ProgressWords.step}); };

  ++SeasonCounter;
  DayOfSeason = 366;
  GameSeedRandom(9);
  StartNewSeason();

  const std::vector<std::pair<std::string, int>> expected = {
      {"deals", -1},   {"holders", 1},     {"entrants", 2},  {"draws", 4},    {"reserves", 5}, {"windows", 6},
      {"shuffle", 7},  {"reputation", 8},  {"training", 8},  {"expected", 10}};
  EXPECT_EQ(steps, expected);
  EXPECT_EQ(ProgressWords.total, -1);
  EXPECT_EQ(ProgressWords.step, -1);
  EXPECT_EQ(DayOfSeason, 0);

  // The roll of honour moved one season back.
  EXPECT_EQ(std::memcmp(HonoursSeasons[1].bytes, ended.bytes, HONOURS_RECORD_SIZE), 0);
  EXPECT_EQ(Honours_GetHolder(0, HOLDER_DIV0_CHAMPION), 255);
  // The new season's league fixtures, by the new divisions, and the super cup of last season's winners.
  const std::vector<Listed> league = FixturesWithCodes(0, 0);
  EXPECT_EQ(static_cast<int>(league.size()), 20 * 19 + 3 * 24 * 23 + 22 * 21);
  for (const Listed& f : league) EXPECT_EQ(Club_GetDivision(static_cast<int16_t>(f.home)), Club_GetDivision(static_cast<int16_t>(f.away)));
  const std::vector<Listed> cup = FixturesWithCodes(4, 4);
  ASSERT_EQ(cup.size(), 1u);
  EXPECT_EQ(cup[0].home, 0);
  EXPECT_EQ(cup[0].away, 4);
  EXPECT_TRUE(FixturesWithCodes(1, 3).empty());
  EXPECT_FALSE(FixturesWithCodes(COMP_FRIENDLY, COMP_FRIENDLY).empty());  // the pre-season friendlies
  // The division lists follow the new divisions.
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int place = 0; place < DIVISION_PLACES; ++place) {
      const int16_t club = DivisionClubs_Get(d, place);
      if (club >= 0) {
        EXPECT_EQ(Club_GetDivision(club), d);
      }
    }
  EXPECT_EQ(DivisionClubs_Get(0, 17), 20);  // promoted
  EXPECT_EQ(DivisionClubs_Get(0, 19), 22);  // through the play-offs
  EXPECT_EQ(DivisionClubs_Get(0, 20), -1);
  // The season's lists of every club record, and the play-off table is kept.
  EXPECT_EQ(ClubRecords[7].bytes[4030], 0xFF);
  EXPECT_EQ(std::memcmp(playoffs, PlayoffTable, sizeof playoffs), 0);
}

TEST_F(EndSeasonTest, AResetEmptiesThePlayOffTables) {
  World(0);
  EndOfSeason();
  ResetAllModules();
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int k = 0; k < PLAYOFF_PLACES; ++k) {
      EXPECT_EQ(PlayoffTable[d][k], PLAYOFF_EMPTY);
      EXPECT_EQ(PlayoffClubs[d][k], -1);
    }
}

}  // namespace
