// Cup ties: the placing of a cup fixture, the fixtures of a drawn round, the
// decision of a tie after each fixture, the winner's next tie, the news, the
// European lists and the prize money.
#include "season/cupties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "menus/menuprims.h"
#include "season/cup_support.h"
#include "season/cupdraw.h"
#include "season/fixgen.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"

namespace {

using ClubSet = std::set<int16_t>;
using cuptest::FixturesOf;
using cuptest::PlayCupFixture;

constexpr int kFirstMatchDay = 30;

// Codes of cup c, round r: first (single match, first leg) and second (second leg, replay).
int First(int c, int r) { return 5 + 16 * c + r; }
int Second(int c, int r) { return 13 + 16 * c + r; }

class CupTieTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    SortLeagueTables();  // overall ranks: club c (0-113) is ranked c + 1
    FirstMatchDay = kFirstMatchDay;
    Postdate = 330;
    Today(0);
  }

  // The day DaysSinceFirstMatch = d.
  static void Today(int d) {
    DaysSinceFirstMatch = static_cast<int16_t>(d);
    DayOfSeason = static_cast<int16_t>(kFirstMatchDay + d);
  }
  static void TodayIsDay(int day) { Today(day - kFirstMatchDay); }

  // Pair m of a round: slot 2m and slot 2m + 1 (each a list of clubs).
  static void Pair(int c, int r, int m, std::vector<int16_t> a, std::vector<int16_t> b) {
    for (int e = 0; e < CUP_SLOT_ENTRIES; ++e) {
      CupDrawTable[c][r][2 * m][e] = e < static_cast<int>(a.size()) ? a[e] : CUP_NO_CLUB;
      CupDrawTable[c][r][2 * m + 1][e] = e < static_cast<int>(b.size()) ? b[e] : CUP_NO_CLUB;
    }
  }
  static std::vector<int> Slot(int c, int r, int s) {
    return std::vector<int>(CupDrawTable[c][r][s], CupDrawTable[c][r][s] + CUP_SLOT_ENTRIES);
  }
  static bool InTable(int16_t club) {
    for (const auto& competition : CupDrawTable)
      for (const auto& round : competition)
        for (const auto& slot : round)
          for (int16_t entry : slot)
            if (entry == club) return true;
    return false;
  }
  static int CountFixtures() {
    int n = 0;
    while (n < NUM_FIXTURES && Fixture_GetDay(static_cast<int16_t>(n)) != FIXTURE_EMPTY_DAY) ++n;
    return n;
  }
  static std::vector<std::string> Shown() {
    std::vector<std::string> texts;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoMessageBox") texts.push_back(call.text);
    return texts;
  }
  static std::vector<std::vector<int32_t>> SeamArgs(const char* name) {
    std::vector<std::vector<int32_t>> out;
    for (const SeamCall& call : Seam_Calls())
      if (call.name == name) out.push_back(call.args);
    return out;
  }
};

// ---------------------------------------------------------------- deciding a tie

TEST_F(CupTieTest, TwoLegsGoByAggregateThenAwayGoalsThenTheShootOut) {
  // The League Cup's first round (country 0, competition 1): two legs, a
  // shoot-out after a level second leg. X = 1 at home first, Y = 2.
  struct Case {
    const char* what;
    int first[2];        // X v Y
    int second[4];       // Y v X, with the shoot-out
    int16_t winner;
    std::vector<int> scores;  // CurrentMatchScores after the decision
  };
  const Case cases[] = {
      {"on aggregate", {2, 1}, {2, 0, 0, 0}, 2, {3, 2, 0, 0}},
      {"on away goals", {2, 1}, {1, 0, 0, 0}, 2, {3, 2, 0, 0}},
      {"away goals the other way", {0, 0}, {1, 1, 0, 0}, 1, {1, 2, 0, 0}},
      {"the visitors' away goal", {1, 1}, {0, 0, 0, 0}, 2, {2, 1, 0, 0}},
      {"level on everything: the shoot-out", {1, 1}, {1, 1, 4, 5}, 1, {3, 3, 4, 5}},
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    CupDraw_ClearTable();
    Pair(1, 0, 0, {1}, {2});
    Today(4);
    CupRound_MakeFixtures(1, 0, nullptr);
    const auto firstLeg = FixturesOf(First(1, 0), 1, 2);
    const auto secondLeg = FixturesOf(Second(1, 0), 2, 1);
    ASSERT_EQ(firstLeg.size(), 1u);
    ASSERT_EQ(secondLeg.size(), 1u);
    EXPECT_EQ(Fixture_GetDay(firstLeg[0]), kFirstMatchDay + 17);
    EXPECT_EQ(Fixture_GetDay(secondLeg[0]), kFirstMatchDay + 31);

    TodayIsDay(Fixture_GetDay(firstLeg[0]));
    PlayCupFixture(firstLeg[0], c.first[0], c.first[1]);
    EXPECT_EQ(Slot(1, 0, 0)[0], 1) << "a first leg decides nothing";
    EXPECT_EQ(Slot(1, 0, 1)[0], 2);
    TodayIsDay(Fixture_GetDay(secondLeg[0]));
    PlayCupFixture(secondLeg[0], c.second[0], c.second[1], c.second[2], c.second[3]);
    EXPECT_EQ(std::vector<int>(CurrentMatchScores, CurrentMatchScores + 4), c.scores) << c.what;
    const int16_t loser = c.winner == 1 ? 2 : 1;
    ClubSet left;
    for (int s = 0; s < 2; ++s)
      if (CupDrawTable[1][0][s][0] >= 0) left.insert(CupDrawTable[1][0][s][0]);
    EXPECT_EQ(left, ClubSet{c.winner}) << c.what << ": the loser " << loser << " is out";
    EXPECT_EQ(CountFixtures(), 2) << c.what << ": no replay";
  }
}

TEST_F(CupTieTest, ALevelMatchWithoutAShootOutIsReplayedAtTheOtherGround) {
  struct Case {
    const char* what;
    int competition, round;
    int replayDays;
    int neutral;
  };
  // Country 0: the national cup replays (rounds 0-5 at the other ground,
  // rounds 6 and 7 on neutral ground; 4 days after a final).
  const Case cases[] = {
      {"first round", 0, 0, 10, 0},
      {"semi-final", 0, 6, 10, 1},
      {"final", 0, 7, 4, 1},
      {"a drawn match of the Trophy (competition 2)", 2, 1, 10, 0},
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    CupDraw_ClearTable();
    Pair(c.competition, c.round, 3, {40}, {41});
    const int day = kFirstMatchDay + 100;
    const int16_t match = Fixture_Add(day, First(c.competition, c.round), 40, 41, 0);
    TodayIsDay(day);
    PlayCupFixture(match, 2, 2);
    auto replay = FixturesOf(Second(c.competition, c.round), 41, 40);
    ASSERT_EQ(replay.size(), 1u) << c.what;
    EXPECT_EQ(Fixture_GetDay(replay[0]), day + c.replayDays) << c.what;
    EXPECT_EQ(Fixture_GetLegFlag(replay[0]), c.neutral) << c.what;
    EXPECT_EQ(Slot(c.competition, c.round, 6)[0], 40) << c.what << ": both still in";
    EXPECT_EQ(Slot(c.competition, c.round, 7)[0], 41) << c.what;

    // A level replay: another, with home and away exchanged again.
    TodayIsDay(Fixture_GetDay(replay[0]));
    PlayCupFixture(replay[0], 0, 0);
    auto again = FixturesOf(Second(c.competition, c.round), 40, 41);
    ASSERT_EQ(again.size(), 1u) << c.what;
    EXPECT_EQ(Fixture_GetDay(again[0]), day + 2 * c.replayDays) << c.what;

    TodayIsDay(Fixture_GetDay(again[0]));
    PlayCupFixture(again[0], 1, 0);
    EXPECT_EQ(Slot(c.competition, c.round, 6)[0], 40) << c.what;
    EXPECT_EQ(Slot(c.competition, c.round, 7)[0], CUP_NO_CLUB) << c.what << ": 41 is out";
  }
}

TEST_F(CupTieTest, AShootOutDecidesASingleMatchThatAllowsIt) {
  // Country 0, competition 1, round 2: one match, a shoot-out when level.
  Pair(1, 2, 0, {7}, {8});
  const int16_t match = Fixture_Add(kFirstMatchDay + 80, First(1, 2), 7, 8, 0);
  TodayIsDay(kFirstMatchDay + 80);
  PlayCupFixture(match, 1, 1, 3, 5);
  EXPECT_EQ(Fixture_GetShootoutFlag(match), 1);
  EXPECT_EQ(Slot(1, 2, 0)[0], CUP_NO_CLUB);
  EXPECT_EQ(Slot(1, 2, 1)[0], 8);
  EXPECT_EQ(CountFixtures(), 1);
}

TEST_F(CupTieTest, OnlyTheMatchesThatDecideATieAreBooked) {
  Pair(1, 0, 0, {1}, {2});       // two legs
  Pair(6, 0, 0, {3}, {4});       // the Champions League groups
  Pair(0, 0, 0, {5}, {6});       // one match
  struct Case {
    const char* what;
    int code, home, away;
    bool decides;
  };
  const Case cases[] = {
      {"the first leg of a two-legged tie", First(1, 0), 1, 2, false},
      {"a group match", First(6, 0), 3, 4, false},
      {"a league match", 0, 5, 6, false},
      {"a friendly", COMP_FRIENDLY, 5, 6, false},
      {"a single match", First(0, 0), 5, 6, true},
  };
  for (const Case& c : cases) {
    const int16_t n = Fixture_Add(kFirstMatchDay + 50, c.code, c.home, c.away, 0);
    Fixture_SetResult(n, 3, 0);
    CurrentMatchScores[0] = 3;
    CurrentMatchScores[1] = 0;
    CupTie_BookResult(n);
    EXPECT_EQ(!InTable(c.away), c.decides) << c.what;
  }
}

TEST_F(CupTieTest, AClubInNoTieOfTheRoundChangesNothing) {
  Pair(0, 0, 0, {5}, {6});
  const int16_t n = Fixture_Add(kFirstMatchDay + 50, First(0, 0), 9, 5, 0);
  PlayCupFixture(n, 0, 2);
  EXPECT_EQ(Slot(0, 0, 0)[0], 5);
  EXPECT_EQ(Slot(0, 0, 1)[0], 6);
  Pair(0, 0, 1, {9}, {});  // alone in its pair
  PlayCupFixture(n, 0, 2);
  EXPECT_EQ(Slot(0, 0, 2)[0], 9);
  EXPECT_EQ(CountFixtures(), 1);
}

// ---------------------------------------------------------------- the next round

TEST_F(CupTieTest, AWinnerWaitsForAnOpponentStillInAReplay) {
  // National cup, round 0: (1 v 2) and (3 v 4) both drawn level; round 1 is
  // drawn with 1 and 3 standing in for their ties.
  Pair(0, 0, 0, {1}, {2});
  Pair(0, 0, 1, {3}, {4});
  CupDrawTable[0][1][0][0] = 1;
  CupDrawTable[0][1][1][0] = 3;
  Today(113);
  CupRound_MakeFixtures(0, 1, nullptr);
  EXPECT_EQ(Slot(0, 1, 0), (std::vector<int>{1, 2, -1, -1}));
  EXPECT_EQ(Slot(0, 1, 1), (std::vector<int>{3, 4, -1, -1}));
  EXPECT_EQ(CountFixtures(), 0) << "pending slots make no tie";

  // 3 wins its replay: it waits for the other replay.
  const int16_t replay34 = Fixture_Add(kFirstMatchDay + 122, Second(0, 0), 4, 3, 0);
  TodayIsDay(kFirstMatchDay + 122);
  PlayCupFixture(replay34, 0, 1);
  EXPECT_EQ(Slot(0, 1, 1), (std::vector<int>{3, -1, -1, -1}));
  EXPECT_EQ(CountFixtures(), 1);

  // 2 wins the other, before round 1's match day (133): the tie goes on that day.
  const int16_t replay12 = Fixture_Add(kFirstMatchDay + 123, Second(0, 0), 2, 1, 0);
  TodayIsDay(kFirstMatchDay + 123);
  PlayCupFixture(replay12, 2, 0);
  EXPECT_EQ(Slot(0, 1, 0), (std::vector<int>{2, -1, -1, -1}));
  const auto tie = FixturesOf(First(0, 1), 2, 3);
  ASSERT_EQ(tie.size(), 1u);
  EXPECT_EQ(Fixture_GetDay(tie[0]), kFirstMatchDay + 133);
}

TEST_F(CupTieTest, ATieCompletedAfterItsRoundsMatchDayIsPlayedTenDaysOn) {
  struct Case {
    int competition, round;
    std::vector<int> days;  // first (and second) leg, from today
  };
  // Country 0: competition 0 round 1 (one match, day 133); competition 1
  // round 1 (two legs, day 45).
  const Case cases[] = {{0, 1, {10}}, {1, 1, {10, 24}}};
  for (const Case& c : cases) {
    Fixture_ClearAll();
    CupDraw_ClearTable();
    Pair(c.competition, c.round - 1, 0, {11}, {12});
    Pair(c.competition, c.round, 0, {11, 12}, {13});
    const int today = CupRound_Get(c.competition, c.round)->matchDay + 5;
    Today(today);
    const int16_t n = Fixture_Add(DayOfSeason, Second(c.competition, c.round - 1), 12, 11, 0);
    SecondLegFlag = 0;
    CurrentMatchScores[0] = 1;
    CurrentMatchScores[1] = 0;
    CurrentMatchScores[2] = CurrentMatchScores[3] = 0;
    Fixture_SetResult(n, 1, 0);
    CupTie_Resolve(n, First(c.competition, 0), c.competition, 9 + 2 * c.competition, Second(c.competition, 0));
    const auto first = FixturesOf(First(c.competition, c.round), 12, 13);
    ASSERT_EQ(first.size(), 1u) << c.competition;
    EXPECT_EQ(Fixture_GetDay(first[0]), DayOfSeason + c.days[0]);
    const auto second = FixturesOf(Second(c.competition, c.round), 13, 12);
    ASSERT_EQ(second.size(), c.days.size() - 1) << c.competition;
    if (c.days.size() == 2) {
      EXPECT_EQ(Fixture_GetDay(second[0]), DayOfSeason + c.days[1]);
    }
  }
}

TEST_F(CupTieTest, InCountry6ALowerClubPlaysTheDomesticTieAtHome) {
  GameCountry = 6;
  Club_SetDivision(1, 0);
  Club_SetDivision(50, 2);
  Club_SetDivision(30, 1);
  struct Case {
    const char* what;
    int competition;
    int16_t first, second;  // slots 2m and 2m + 1
    int16_t home;
  };
  const Case cases[] = {
      {"two divisions lower", 0, 1, 50, 50},
      {"one division lower", 0, 1, 30, 1},
      {"the second cup too", 1, 1, 50, 50},
      {"a higher club in the second slot", 0, 50, 1, 50},
      {"not in the European cups", 4, 1, 50, 1},
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    CupDraw_ClearTable();
    Pair(c.competition, 1, 0, {c.first}, {c.second});
    Today(CupRound_Get(c.competition, 1)->drawDay);
    CupRound_MakeFixtures(c.competition, 1, nullptr);
    ASSERT_GE(CountFixtures(), 1) << c.what;
    EXPECT_EQ(Fixture_GetHomeClub(0), c.home) << c.what;
  }
}

// ---------------------------------------------------------------- placing a cup fixture

class CupFixturePlaceTest : public CupTieTest {
 protected:
  void SetUp() override {
    CupTieTest::SetUp();
    SeasonEngine.rescheduleFixture = cuptest::MoveToLatestFreeDay;
    Club_SetControl(tw::kHumanClub, 1);
  }
};

TEST_F(CupFixturePlaceTest, ALeagueFixtureInTheWayMovesToALaterFreeDay) {
  struct Case {
    const char* what;
    int leagueDay;  // relative to the cup day
    int16_t leagueHome, leagueAway;
    bool news;
  };
  // The cup tie 10 v 11 on day 150 (offset 120 from day 30).
  const Case cases[] = {
      {"home club's fixture on the day", 0, 10, 12, false},
      {"home club's fixture the day before", -1, 13, 10, false},
      {"home club's fixture the day after", 1, 10, 12, false},
      {"away club's fixture on the day", 0, 11, 12, false},
      {"away club's fixture with the human club", -1, tw::kHumanClub, 11, true},
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    MenuPrims_ClearCalls();
    const int cupDay = kFirstMatchDay + 120;
    Fixture_Add(cupDay + c.leagueDay, COMP_LEAGUE, c.leagueHome, c.leagueAway, 0);
    const int16_t slot = CupTie_AddFixture(10, 11, 120, 0, 0, 0, 0);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(Fixture_GetDay(slot), cupDay) << c.what;
    const auto league = FixturesOf(COMP_LEAGUE, c.leagueHome, c.leagueAway);
    ASSERT_EQ(league.size(), 1u) << c.what << ": the old fixture is removed";
    EXPECT_EQ(Fixture_GetDay(league[0]), Postdate) << c.what;
    const auto shown = Shown();
    ASSERT_EQ(shown.size(), c.news ? 1u : 0u) << c.what;
    if (c.news) {
      EXPECT_NE(shown[0].find("has had to be rescheduled for a later date"), std::string::npos);
    }
  }
}

TEST_F(CupFixturePlaceTest, OnlyTheFirstLeagueFixtureFoundIsMoved) {
  const int cupDay = kFirstMatchDay + 120;
  Fixture_Add(cupDay - 1, COMP_LEAGUE, 10, 20, 0);
  Fixture_Add(cupDay + 1, COMP_LEAGUE, 21, 10, 0);
  CupTie_AddFixture(10, 11, 120, 0, 0, 0, 0);
  EXPECT_EQ(Fixture_GetDay(FixturesOf(COMP_LEAGUE, 10, 20)[0]), Postdate);
  EXPECT_EQ(Fixture_GetDay(FixturesOf(COMP_LEAGUE, 21, 10)[0]), cupDay + 1);
}

TEST_F(CupFixturePlaceTest, AnotherCompetitionsFixtureMovesTheCupMatchOnTwoDaysAtATime) {
  struct Case {
    const char* what;
    std::vector<std::array<int, 4>> others;  // day offset, home, away, competition
    int day;                                  // the cup match's day, from the cup day
  };
  const Case cases[] = {
      {"home club plays the day before", {{-1, 10, 30, 37}}, 2},
      {"away club plays the day after", {{1, 31, 11, 37}}, 2},
      {"and again on the new day", {{0, 10, 30, 37}, {2, 31, 11, 37}}, 4},
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    const int cupDay = kFirstMatchDay + 120;
    for (const auto& o : c.others) Fixture_Add(cupDay + o[0], o[3], o[1], o[2], 0);
    const int16_t slot = CupTie_AddFixture(10, 11, 120, 0, 0, 0, 0);
    EXPECT_EQ(Fixture_GetDay(slot), cupDay + c.day) << c.what;
    for (const auto& o : c.others)
      EXPECT_EQ(Fixture_GetDay(FixturesOf(o[3], o[1], o[2])[0]), cupDay + o[0]) << c.what << ": nothing else moves";
  }
}

// Moving the cup match on two days can land it on a league fixture of one of
// its clubs: that fixture gives way too, so no club plays twice on one day.
TEST_F(CupFixturePlaceTest, TheLeagueFixtureOnTheNewDayGivesWayToo) {
  const int cupDay = kFirstMatchDay + 120;
  Fixture_Add(cupDay, 37, 10, 30, 0);
  Fixture_Add(cupDay + 2, COMP_LEAGUE, 10, 32, 0);
  const int16_t slot = CupTie_AddFixture(10, 11, 120, 0, 0, 0, 0);
  EXPECT_EQ(Fixture_GetDay(slot), cupDay + 2);
  const auto league = FixturesOf(COMP_LEAGUE, 10, 32);
  ASSERT_EQ(league.size(), 1u);
  EXPECT_GT(Fixture_GetDay(league[0]), cupDay + 2);
  EXPECT_EQ(Fixture_GetDay(FixturesOf(37, 10, 30)[0]), cupDay);
}

TEST_F(CupFixturePlaceTest, ALeagueFixtureWithNoFreeDayStaysAndTheCupMatchMovesOn) {
  Seam_Reset();  // the stub: no free day
  const int cupDay = kFirstMatchDay + 120;
  Fixture_Add(cupDay, COMP_LEAGUE, 10, 12, 0);
  const int16_t slot = CupTie_AddFixture(10, 11, 120, 0, 0, 0, 0);
  EXPECT_EQ(Fixture_GetDay(slot), cupDay + 2);  // never two matches on one day
  EXPECT_EQ(Fixture_GetDay(FixturesOf(COMP_LEAGUE, 10, 12)[0]), cupDay);
  EXPECT_EQ(Seam_CountCalls("Fixture_Reschedule"), 2);
}

TEST_F(CupFixturePlaceTest, AFullFixtureListRefusesTheCupFixtureWithoutHarm) {
  for (int n = 0; n < NUM_FIXTURES; ++n) ASSERT_GE(Fixture_Add(400, COMP_LEAGUE, 200, 201, 0), 0);
  EXPECT_EQ(CupTie_AddFixture(10, 11, 120, 0, 0, 0, 0), -1);
  EXPECT_EQ(CupTies_RefusedFixtures(), 1);
  EXPECT_EQ(Fixture_GetCompetition(NUM_FIXTURES - 1), COMP_LEAGUE);
}

// ---------------------------------------------------------------- news

TEST_F(CupTieTest, TheHumanClubHearsOfItsDrawAndOfAGiantKilling) {
  Club_SetControl(25, 1);  // ranked 26th
  struct Case {
    const char* what;
    int competition, round;
    int16_t first, second;
    std::vector<std::string> news;
  };
  const Case cases[] = {
      {"drawn at home", 0, 2, 25, 60, {"have been drawn at home to"}},
      {"drawn away", 0, 2, 60, 25, {"have been drawn away to"}},
      {"the final", 0, 7, 60, 25, {"in the F.A. Cup final"}},
      {"no human club", 0, 2, 60, 61, {}},
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    CupDraw_ClearTable();
    MenuPrims_ClearCalls();
    Pair(c.competition, c.round, 0, {c.first}, {c.second});
    Today(CupRound_Get(c.competition, c.round)->drawDay);
    CupRound_MakeFixtures(c.competition, c.round, nullptr);
    const auto shown = Shown();
    ASSERT_EQ(shown.size(), c.news.size()) << c.what;
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_NE(shown[i].find(c.news[i]), std::string::npos) << shown[i];
  }

  // Knocking out a club ranked more than 20 places higher.
  struct Upset {
    int16_t beaten;  // ranked beaten + 1
    bool news;
  };
  for (const Upset u : {Upset{5, false}, Upset{4, true}}) {
    Fixture_ClearAll();
    CupDraw_ClearTable();
    MenuPrims_ClearCalls();
    Pair(0, 0, 0, {25}, {u.beaten});
    const int16_t n = Fixture_Add(kFirstMatchDay + 112, First(0, 0), 25, u.beaten, 0);
    TodayIsDay(kFirstMatchDay + 112);
    PlayCupFixture(n, 1, 0);
    const auto shown = Shown();
    EXPECT_EQ(shown.size(), u.news ? 1u : 0u) << "rank gap " << Club_GetOverallRank(25) - Club_GetOverallRank(u.beaten);
  }
}

// ---------------------------------------------------------------- Europe and money

TEST_F(CupTieTest, TheQualifyingRoundsSendTheirWinnersToTheChampionsLeagueAndTheirLosersToTheUefaCup) {
  struct Case {
    int round;
    int16_t winner, loser;
    bool toA;
  };
  for (const Case c : {Case{0, 130, 131, false}, Case{1, 132, 133, true}}) {
    FuncsComp_Reset();
    Pair(5, c.round, 0, {c.loser}, {c.winner});
    const int16_t first = Fixture_Add(kFirstMatchDay + 40, First(5, c.round), c.loser, c.winner, 0);
    PlayCupFixture(first, 1, 0);
    const int16_t second = Fixture_Add(kFirstMatchDay + 54, Second(5, c.round), c.winner, c.loser, 0);
    PlayCupFixture(second, 2, 0);
    EXPECT_EQ(EuroListA[0], c.toA ? c.winner : 255) << c.round;
    EXPECT_EQ(EuroListC[0], c.loser) << c.round;
  }
}

TEST_F(CupTieTest, PrizeMoneyComesFromThePoolAsTheRoundsAndTheRateSay) {
  struct Case {
    const char* what;
    int competition, round;
    int16_t winner, loser;
    int32_t winnerPaid, loserPaid;
  };
  // MoneyRate2 17: the prize is 90 percent of the table's.
  const Case cases[] = {
      {"national cup final", 0, 7, 3, 4, 1462500, 787500},
      {"national cup, earlier round", 0, 3, 3, 4, 0, 0},
      {"UEFA Cup round 0", 4, 0, 3, 4, 0, 945000},
      {"UEFA Cup round 1", 4, 1, 3, 4, 0, 54000},
      {"UEFA Cup round 4", 4, 4, 3, 4, 0, 405000},
      {"UEFA Cup final", 4, 5, 3, 4, 1755000, 945000},
      {"Champions League round 1", 6, 1, 3, 4, 0, 360000},
      {"Champions League round 3", 6, 3, 3, 4, 0, 1575000},
      {"a foreign loser takes nothing", 4, 1, 3, 200, 0, 0},
      {"nor a club outside the league", 4, 1, 3, 115, 0, 0},
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    CupDraw_ClearTable();
    Seam_ClearCalls();
    const int64_t money = cuptest::MoneyInWorld();
    const int32_t winnerBefore = Club_GetBalance(c.winner), loserBefore = Club_GetBalance(c.loser);
    const int32_t winnerMisc = Club_GetMiscIn(c.winner);
    Pair(c.competition, c.round, 0, {c.winner}, {c.loser});
    const int16_t n = Fixture_Add(kFirstMatchDay + 200, Second(c.competition, c.round), c.winner, c.loser, 0);
    SecondLegFlag = 0;
    CurrentMatchScores[0] = 2;
    CurrentMatchScores[1] = CurrentMatchScores[2] = CurrentMatchScores[3] = 0;
    CupTie_Resolve(n, First(c.competition, 0), c.competition, 9 + 2 * c.competition, Second(c.competition, 0));
    EXPECT_EQ(Club_GetBalance(c.winner) - winnerBefore, c.winnerPaid) << c.what;
    EXPECT_EQ(Club_GetMiscIn(c.winner) - winnerMisc, c.winnerPaid) << c.what;
    if (c.loser < tw::kLeagueClubs) {
      EXPECT_EQ(Club_GetBalance(c.loser) - loserBefore, c.loserPaid) << c.what;
    }
    EXPECT_EQ(cuptest::MoneyInWorld(), money) << c.what;
    const auto honours = SeamArgs("Honours_RecordWinner");
    if (c.winnerPaid > 0) {
      EXPECT_EQ(honours, (std::vector<std::vector<int32_t>>{{c.winner, 9 + 2 * c.competition},
                                                            {c.loser, 10 + 2 * c.competition}}))
          << c.what;
    } else {
      EXPECT_TRUE(honours.empty()) << c.what;
    }
  }
}

TEST_F(CupTieTest, TheHumanClubsPrizeGoesIntoItsWeeklyAccount) {
  Club_SetControl(tw::kHumanClub, 1);
  const int32_t paid = CupPrizeMoney(tw::kHumanClub, 1, 10);  // 10 percent of 900,000
  EXPECT_EQ(paid, 90000);
  EXPECT_EQ(SeamArgs("WeeklyAccounts_AddMiscIncome"), (std::vector<std::vector<int32_t>>{{90000}}));
  EXPECT_EQ(CupPrizeMoney(5, 1, 10), 90000);
  EXPECT_EQ(Seam_CountCalls("WeeklyAccounts_AddMiscIncome"), 1) << "a computer club's prize is not the human's";
  MoneyRate2 = 15;
  EXPECT_EQ(CupPrizeMoney(5, 6, 100), 5000000);
}

// ---------------------------------------------------------------- bench size

TEST_F(CupTieTest, ACupFixturesBenchIsItsRoundsSubstitutes) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    GameCountry = static_cast<int8_t>(g);
    for (int c = 0; c < NUM_CUP_COMPETITIONS; ++c)
      for (int r = 0; r < CUP_ROUNDS; ++r) {
        const CupRoundRecord& rec = *CupRound_Get(c, r);
        if (rec.drawDay < 0) continue;
        const bool three = (g == 0 && (c == 2 || c == 3)) || (g == 1 && c < 4);
        for (int code : {First(c, r), Second(c, r)}) {
          Fixture_ClearAll();
          Fixture_Add(DayOfSeason + 1, code, 1, 2, 0);
          EXPECT_EQ(Fixture_GetNextMatchBenchSize(1), three ? 3 : 5) << g << " " << c << " " << r;
          EXPECT_EQ(Fixture_GetNextMatchBenchSize(1), rec.substitutes);
        }
      }
  }
}

}  // namespace
