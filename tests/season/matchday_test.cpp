// The match day: today's fixtures one per call, their rules, crowds and gate
// money, and the booking of their results, in England's league world.
#include "season/matchday.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "gamecode/matchrec.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/matchday_support.h"
#include "season/playfix.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/static_officials.h"

namespace {

using mdtest::IsNewsOfKind;
using mdtest::MessagesShown;
using mdtest::WriteMatchResult;

constexpr int16_t kToday = 60;
constexpr int16_t kFirstMatchDay = 20;
// England's league world: clubs 0-19 division 0, 20-43 division 1, 44-67
// division 2, 68-91 division 3, 92-113 division 4, 114-123 outside the
// league; 124 on belong to other countries.
constexpr int16_t kOutsideLeague = 114;
constexpr int16_t kForeign = 130;

class MatchDayTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    DayOfSeason = kToday;
    FirstMatchDay = kFirstMatchDay;
    Postdate = 300;
  }

  static int16_t Add(int code, int home, int away, int flag = 0, int day = kToday) {
    const int16_t n = Fixture_Add(day, code, home, away, flag);
    EXPECT_GE(n, 0);
    return n;
  }
  // The fixture of these clubs and code (slots move as fixtures are added).
  static int16_t Find(int home, int away, int code) { return Fixture_Find(home, away, code); }

  // Prepares the fixture, lets the match end as given and books it.
  static void PlayAs(int16_t fixture, int homeGoals, int awayGoals, int homeShootout = 0, int awayShootout = 0) {
    PrepareFixture(fixture);
    WriteMatchResult(homeGoals, awayGoals, homeShootout, awayShootout);
    BookPlayedFixture(fixture);
  }

  static void SetStands(int16_t club, int each) {
    Club_SetStand1Capacity(club, each);
    Club_SetStand2Capacity(club, each);
    Club_SetStand3Capacity(club, each);
    Club_SetStand4Capacity(club, each);
  }

  static int64_t MoneyInTheWorld() {
    int64_t total = MoneyPool;
    for (int16_t c = 0; c < NUM_CLUBS; ++c) total += Club_GetBalance(c);
    return total;
  }

  static std::vector<SeamCall> CallsOf(const char* name) {
    std::vector<SeamCall> calls;
    for (const SeamCall& call : Seam_Calls())
      if (call.name == name) calls.push_back(call);
    return calls;
  }
};

// ---------------------------------------------------------------- the day

TEST_F(MatchDayTest, TodaysFixturesArePlayedOnePerCallInListOrder) {
  Add(COMP_LEAGUE, 0, 1, 0, kToday - 1);
  Add(COMP_LEAGUE, 2, 3);
  Add(COMP_LEAGUE, 4, 5);
  Add(COMP_LEAGUE, 20, 21);
  Add(COMP_FRIENDLY, 44, 45);
  Add(COMP_LEAGUE, 6, 7);
  Fixture_SetResult(Find(6, 7, COMP_LEAGUE), 1, 1);  // already played
  Add(COMP_LEAGUE, 8, 9, 0, kToday + 1);

  std::vector<std::pair<int, int>> order;
  int16_t fixture = -1;
  int answer;
  while ((answer = PlayNextFixture(&fixture)) != NO_FIXTURE_LEFT) {
    EXPECT_EQ(answer, FIXTURE_PLAYED);
    EXPECT_EQ(Fixture_GetDay(fixture), kToday);
    EXPECT_EQ(Fixture_IsPlayed(fixture), 1);
    order.emplace_back(Fixture_GetHomeClub(fixture), Fixture_GetAwayClub(fixture));
    ASSERT_LE(order.size(), 10u);
  }
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{2, 3}, {4, 5}, {20, 21}, {44, 45}}));
  EXPECT_EQ(FixturesPlayedCount, 4);
  EXPECT_EQ(MatchDayFixture, -1);
  EXPECT_EQ(Fixture_IsPlayed(Find(0, 1, COMP_LEAGUE)), 0);  // yesterday's stays as it was
  EXPECT_EQ(Fixture_IsPlayed(Find(8, 9, COMP_LEAGUE)), 0);  // and tomorrow's
  EXPECT_EQ(Fixture_GetHomeGoals(Find(6, 7, COMP_LEAGUE)), 1);
  // A day with nothing left answers 0 at once, an empty list too.
  EXPECT_EQ(PlayNextFixture(&fixture), NO_FIXTURE_LEFT);
  Fixtures_Reset();
  EXPECT_EQ(PlayNextFixture(nullptr), NO_FIXTURE_LEFT);
}

TEST_F(MatchDayTest, TheFollowedCompetitionsFixturesAnswer1000) {
  Add(COMP_LEAGUE, 0, 1);
  Add(COMP_LEAGUE, 20, 21);
  Add(5, 44, 45);
  FollowedCompetition = COMP_LEAGUE;
  FollowedDivision = 1;
  EXPECT_EQ(PlayNextFixture(nullptr), FIXTURE_PLAYED);
  EXPECT_EQ(PlayNextFixture(nullptr), FOLLOWED_FIXTURE_PLAYED);
  EXPECT_EQ(PlayNextFixture(nullptr), FIXTURE_PLAYED);
  Add(5, 46, 47);
  FollowedCompetition = 5;
  EXPECT_EQ(PlayNextFixture(nullptr), FOLLOWED_FIXTURE_PLAYED);
}

TEST_F(MatchDayTest, TheHumanClubsMatchIsPlayedLastOfItsGroupWhenTheDayIsReordered) {
  Club_SetControl(0, 1);
  Add(COMP_LEAGUE, 0, 1);  // the human club's, first in the list
  Add(COMP_LEAGUE, 20, 21);
  Add(COMP_LEAGUE, 2, 3);
  Add(COMP_LEAGUE, 22, 23);
  Add(COMP_LEAGUE, 4, 5);
  Add(COMP_LEAGUE, 6, 7);
  // What the day loop does when it is asked to reorder the day.
  GameSeedRandom(7);
  Fixture_ShuffleToday();
  ASSERT_EQ(Fixture_OrderTodayForHumanClub(), 1);

  std::vector<int> homes;
  int16_t fixture = -1;
  while (PlayNextFixture(&fixture) != NO_FIXTURE_LEFT) homes.push_back(Fixture_GetHomeClub(fixture));
  ASSERT_EQ(homes.size(), 6u);
  // The three other matches of its division first, then its own, then the rest.
  EXPECT_EQ(homes[3], 0);
  for (int i = 0; i < 3; ++i) EXPECT_LT(homes[i], 20) << i;
  EXPECT_GE(homes[4], 20);
  EXPECT_GE(homes[5], 20);
  // The human club's match went to the match engine.
  EXPECT_EQ(Seam_CountCalls("PlayMatchGetResult"), 1);
}

// ---------------------------------------------------------------- crowds and money

TEST_F(MatchDayTest, TheCrowdAndGateOfALeagueMatchFollowTheFormula) {
  // Club 0 first and club 1 second in the table: rank terms 495 and 490.
  DivisionTable[0][0] = 0;
  DivisionTable[0][1] = 1;
  SetStands(0, 10);  // 40,000 seats
  Club_SetXcoord(0, 10);
  Club_SetYcoord(0, 10);
  Club_SetXcoord(1, 13);
  Club_SetYcoord(1, 14);  // 7 apart: distance term 23
  DayOfSeason = kFirstMatchDay + 20;  // season term (100 - 20) / 2 = 40
  ASSERT_EQ(GateLevyPercent(), 17);
  const int16_t f = Add(COMP_LEAGUE, 0, 1, 0, DayOfSeason);
  const int32_t balance = Club_GetBalance(0), pool = MoneyPool;

  EXPECT_EQ(CalcAttendance(f), 40000);
  // home: (23 + 100) x ((500 - 10) x 31 + (40 + 495 + 60) x 31) / 100 = 41371
  // away: (23 + 60) x ((20 x 490 - 10) / 100 x 31) / 60 = 4159
  // crowd: 60 x (41371 + 4159) / 100 = 27318; the home share 100 - 415900 / 41371
  EXPECT_EQ(MatchAttendance, 27318);
  EXPECT_EQ(Fixture_GetAttendance(f), 27318);
  EXPECT_EQ(HomeCrowdShare, 90);
  // 27,318 tickets at 20 in division 0; a levy of 17 per cent.
  EXPECT_EQ(Club_GetGateReceipts(0), 546360);
  EXPECT_EQ(Club_GetMiscOut(0), 92881);
  EXPECT_EQ(Club_GetBalance(0), balance + 453479);
  EXPECT_EQ(MoneyPool, pool - 453479);
  EXPECT_EQ(Club_GetAvgAtt(0), 27318);
  EXPECT_EQ(Club_GetGateReceipts(1), 0);  // the visitors take nothing from a league match
}

TEST_F(MatchDayTest, UnrankedClubsFarApartInMidSeasonStillDrawACrowd) {
  // Neither club stands in the table (rank 114: the rank terms are negative
  // and count as 1); 40 apart (distance term 0); today is far from both ends
  // of the season (season term 0).
  SetStands(0, 10);
  Club_SetXcoord(1, 20);
  Club_SetYcoord(1, 20);
  DayOfSeason = kFirstMatchDay + 150;
  const int16_t f = Add(COMP_LEAGUE, 0, 1, 0, DayOfSeason);
  CalcAttendance(f);
  // home: (500 - 10) x 31 + (0 + 1 + 60) x 31 = 17081; away: (20 - 10) / 100 = 0
  EXPECT_EQ(MatchAttendance, 60 * 17081 / 100);
  EXPECT_EQ(HomeCrowdShare, 100);
}

TEST_F(MatchDayTest, TheCrowdNeverPassesTheGroundAndANeutralGroundHolds100000) {
  for (int16_t c : {44, 45}) Club_SetRep(c, 63);
  SetStands(44, 1);
  Club_SetStand2Capacity(44, 0);
  Club_SetStand3Capacity(44, 0);
  Club_SetStand4Capacity(44, 0);  // 1,000 seats
  const int16_t small = Add(3, 44, 45);
  EXPECT_EQ(CalcAttendance(small), 1000);
  EXPECT_EQ(MatchAttendance, 1000);

  const int16_t neutral = Add(3, 46, 47, 1);
  for (int16_t c : {46, 47}) Club_SetRep(c, 63);
  const int32_t balance = Club_GetBalance(46);
  EXPECT_EQ(CalcAttendance(neutral), 100000);
  EXPECT_EQ(MatchAttendance, 100000);
  EXPECT_EQ(HomeCrowdShare, 0);
  // On neutral ground each club takes 30 a head, less the levy.
  EXPECT_EQ(Club_GetGateReceipts(46), 3000000);
  EXPECT_EQ(Club_GetGateReceipts(47), 3000000);
  EXPECT_EQ(Club_GetBalance(46), balance + 3000000 - 510000);
}

TEST_F(MatchDayTest, ALevyBeyondReasonEmptiesTheGroundAndMovesNoMoney) {
  // A levy of 250 per cent (no season sets one) would make the crowd negative.
  MoneyRate2 = 250;
  SetStands(0, 10);
  const int64_t money = MoneyInTheWorld();
  const int32_t balance = Club_GetBalance(0);
  const int16_t f = Add(COMP_LEAGUE, 0, 1);
  EXPECT_EQ(CalcAttendance(f), 40000);
  EXPECT_EQ(MatchAttendance, 0);
  EXPECT_EQ(Fixture_GetAttendance(f), 0);
  EXPECT_EQ(Club_GetBalance(0), balance);
  EXPECT_EQ(MoneyInTheWorld(), money);
  EXPECT_GE(HomeCrowdShare, 0);
  EXPECT_LE(HomeCrowdShare, 100);
}

TEST_F(MatchDayTest, StandKindsAndTheCrowdLevelOfTheGround) {
  EXPECT_EQ(StandKindOfGround(15999, false), 1);
  EXPECT_EQ(StandKindOfGround(16000, false), 7);
  EXPECT_EQ(StandKindOfGround(0, false), 1);
  EXPECT_EQ(StandKindOfGround(15999, true), 7);
  const struct {
    int32_t crowd;
    int level;
  } levels[] = {{0, 0}, {9999, 0}, {10000, 1}, {19999, 1}, {20000, 2}, {29999, 2}, {30000, 3}, {40000, 3}};
  for (const auto& l : levels) EXPECT_EQ(CrowdLevel(l.crowd, 40000), l.level) << l.crowd;

  // Through the set-up: 15 thousand seats are a small ground, 16 a big one.
  for (const auto& [thousands, kind] : {std::pair{15, 1}, std::pair{16, 7}}) {
    Fixtures_Reset();
    SetStands(0, 0);
    Club_SetStand1Capacity(0, thousands);
    const int16_t f = Add(COMP_LEAGUE, 0, 1);
    PrepareFixture(f);
    const uint8_t* setup = GetMatchSetupRecord();
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(LoadI16(setup + SETUP_STAND_KINDS + 2 * k), kind) << thousands;
      EXPECT_EQ(setup[SETUP_STAND_ZEROS + k], 0);
    }
    EXPECT_EQ(setup[SETUP_CROWD_LEVEL], CrowdLevel(MatchAttendance, thousands * 1000));
  }
}

TEST_F(MatchDayTest, CupGateMoneyIsSharedOnlyByTheGameCountrysLeagueClubs) {
  for (int16_t c : {int16_t{0}, int16_t{1}, kOutsideLeague, kForeign}) SetStands(c, 10);
  const int64_t money = MoneyInTheWorld();
  struct Case {
    int16_t home, away;
    bool homePaid, awayPaid;
  } cases[] = {{0, 1, true, true}, {0, kForeign, true, false}, {kOutsideLeague, 1, false, true}};
  for (const Case& c : cases) {
    const int32_t receipts[2] = {Club_GetGateReceipts(c.home), Club_GetGateReceipts(c.away)};
    const int16_t f = Add(5, c.home, c.away);
    CalcAttendance(f);
    const int32_t share = 20 * MatchAttendance / 2;
    ASSERT_GT(share, 0);
    EXPECT_EQ(Club_GetGateReceipts(c.home) - receipts[0], c.homePaid ? share : 0) << c.home;
    EXPECT_EQ(Club_GetGateReceipts(c.away) - receipts[1], c.awayPaid ? share : 0) << c.away;
  }
  EXPECT_EQ(MoneyInTheWorld(), money);  // every payment came out of the money pool
}

TEST_F(MatchDayTest, TheHumanClubsGateGoesIntoItsWeeklyAccounts) {
  Club_SetControl(0, 1);
  SetStands(0, 10);
  CalcAttendance(Add(COMP_LEAGUE, 0, 1));
  const std::vector<SeamCall> calls = CallsOf("AddWeeklyMatchIncome");
  ASSERT_EQ(calls.size(), 1u);
  const int32_t receipts = MatchAttendance * 20;
  EXPECT_EQ(calls[0].args, (std::vector<int32_t>{0, receipts - 17 * receipts / 100}));
  CalcAttendance(Add(COMP_LEAGUE, 2, 3));
  EXPECT_EQ(CallsOf("AddWeeklyMatchIncome").size(), 1u);
}

TEST_F(MatchDayTest, TheAverageCrowdCountsTheEarlierLeagueHomeGames) {
  SetStands(0, 10);
  Club_SetAvgAtt(0, 10000);
  Fixture_SetResult(Add(COMP_LEAGUE, 0, 1, 0, kToday - 7), 1, 0);
  Fixture_SetResult(Add(COMP_LEAGUE, 0, 2, 0, kToday - 3), 1, 0);
  Fixture_SetResult(Add(5, 0, 3, 0, kToday - 5), 1, 0);  // a cup match does not count
  Add(COMP_LEAGUE, 4, 0, 0, kToday - 1);                 // nor an away match
  CalcAttendance(Add(COMP_LEAGUE, 0, 5));
  EXPECT_EQ(Club_GetAvgAtt(0), (10000 * 2 + MatchAttendance) / 3);
}

// ---------------------------------------------------------------- the rules of a tie

TEST_F(MatchDayTest, EachCompetitionSetsTheRulesOfTheTie) {
  struct Case {
    int code;
    int extraTime, penalties, goldenGoal, substitutes;
  } cases[] = {
      {COMP_LEAGUE, 0, 0, 0, 5},
      {1, 0, 0, 0, 5},   // a two-legged play-off's first leg
      {3, 1, 1, 0, 5},   // the play-off final
      {COMP_SUPER_CUP, 1, 1, 0, 5},
      {5, 0, 0, 0, 5},        // cup 0 round 0: one match, replayed when level
      {5 + 6, 1, 0, 0, 5},    // cup 0 round 6: extra time, then a replay
      {5 + 8, 1, 1, 0, 5},    // cup 0 round 0's replay
      {21, 0, 0, 0, 5},       // cup 1 round 0: a first leg (two legs: no penalties)
      {37, 0, 0, 0, 3},       // cup 2 round 0: three substitutes
      {53, 4, 1, 1, 3},       // cup 3 round 0: golden goal
      {101, 0, 0, 0, 5},      // cup 6 round 0: the groups
      {COMP_FRIENDLY, 0, 0, 0, 5},
      {COMP_SPECIAL, 0, 0, 0, 5},
  };
  for (const Case& c : cases) {
    Fixtures_Reset();
    const int16_t f = Add(c.code, 44, 45);
    PrepareFixture(f);
    const uint8_t* setup = GetMatchSetupRecord();
    EXPECT_EQ(ExtraTimeRule, c.extraTime) << c.code;
    EXPECT_EQ(PenaltiesRule, c.penalties) << c.code;
    EXPECT_EQ(SecondLegFlag, 0) << c.code;
    EXPECT_EQ(setup[SETUP_EXTRA_TIME], c.extraTime) << c.code;
    EXPECT_EQ(setup[SETUP_PENALTIES], c.penalties) << c.code;
    EXPECT_EQ(setup[SETUP_GOLDEN_GOAL], c.goldenGoal) << c.code;
    EXPECT_EQ(setup[SETUP_SECOND_LEG], 0) << c.code;
    EXPECT_EQ(LoadI16(setup + SETUP_SUBSTITUTES), c.substitutes) << c.code;
  }
  // Country 1's lower divisions allow three substitutes.
  GameCountry = 1;
  Fixtures_Reset();
  PrepareFixture(Add(COMP_LEAGUE, 20, 21));
  EXPECT_EQ(LoadI16(GetMatchSetupRecord() + SETUP_SUBSTITUTES), 3);
}

TEST_F(MatchDayTest, TheHeaderNamesTheOfficialTheGroundAndTheDay) {
  const int16_t f = Add(COMP_LEAGUE, 0, 1);
  GameSeedRandom(11);
  PrepareFixture(f);
  const uint8_t* setup = GetMatchSetupRecord();
  int taken = -1;
  for (int s = 0; s < NUM_OFFICIALS; ++s)
    if (DailySlots[s].taken) {
      EXPECT_EQ(taken, -1) << "one official a match";
      taken = s;
    }
  ASSERT_GE(taken, 0);
  EXPECT_EQ(setup[SETUP_OFFICIAL], OfficialTable[taken].foulValue);
  EXPECT_EQ(setup[SETUP_OFFICIAL + 1], OfficialTable[taken].cardValue);
  EXPECT_EQ(setup[SETUP_OFFICIAL + 2], OfficialTable[taken].favouredSide);
  EXPECT_EQ(setup[SETUP_OFFICIAL_ZERO], 0);
  EXPECT_EQ(LoadI16(setup + SETUP_MATCH_LENGTH), 5);
  EXPECT_EQ(LoadI16(setup + SETUP_THREE), 3);
  // Both squads are in: a keeper and ten more each, and the managers.
  for (int side = 0; side < 2; ++side) {
    for (int e = 0; e < 11; ++e) EXPECT_GE(LoadI16(setup + SetupPlayerOffset(side, e) + SETUP_PLAYER_NUMBER), 0);
    EXPECT_EQ(LoadI16(setup + SetupPlayerOffset(side, MANAGER_ENTRY) + SETUP_PLAYER_NUMBER), 1);
  }
  EXPECT_EQ(Seam_CountCalls("SetMatchSetupTactics"), 1);

  // The weekday byte: weekends (0 and 1) and a play-off final on day 2 are 0.
  const struct {
    int weekday, code, value;
  } days[] = {{0, 0, 0}, {1, 0, 0}, {2, 0, 1}, {2, 3, 0}, {3, 3, 1}, {6, 0, 1}};
  for (const auto& d : days) {
    Fixtures_Reset();
    Weekday = static_cast<int16_t>(d.weekday);
    PrepareFixture(Add(d.code, 44, 45));
    EXPECT_EQ(GetMatchSetupRecord()[SETUP_WEEKDAY], d.value) << d.weekday << " " << d.code;
  }
}

// ---------------------------------------------------------------- two legs

TEST_F(MatchDayTest, APlayOffSecondLegIsDecidedOnAggregateAndAwayGoals) {
  constexpr int16_t X = 44, Y = 45, kC = 46, kE = 47;
  struct Case {
    int firstHome, firstAway;        // X at home to Y
    int home, away;                  // Y at home to X
    int shootoutHome, shootoutAway;
    int tieHome, tieAway;            // Y's and X's scores of the tie
    int16_t out;                     // the club knocked out, -1 none
  } cases[] = {
      {2, 1, 1, 0, 0, 0, 3, 2, X},   // 2-2 on aggregate: Y's away goal counts double
      {1, 2, 1, 0, 0, 0, 3, 1, X},   // 3-1 on aggregate
      {3, 0, 1, 0, 0, 0, 1, 3, Y},   // 1-3 on aggregate
      {1, 0, 1, 0, 3, 4, 1, 1, Y},   // level on away goals too: the shoot-out
      {0, 0, 0, 0, 0, 0, 0, 0, -1},  // nothing decides it
  };
  for (const Case& c : cases) {
    Fixtures_Reset();
    uint8_t* table = SeasonEngine.getPlayoffTable();
    const uint8_t row[4] = {X, Y, kC, kE};
    std::copy(row, row + 4, table + 2 * 4);
    Fixture_SetResult(Add(1, X, Y, 0, kToday - 3), c.firstHome, c.firstAway);
    const int16_t second = Add(2, Y, X);
    PrepareFixture(second);
    EXPECT_EQ(SecondLegFlag, 1);
    EXPECT_EQ(FirstLegGoals[0], c.firstAway);  // Y's goals at X's ground
    EXPECT_EQ(FirstLegGoals[1], c.firstHome);
    const uint8_t* setup = GetMatchSetupRecord();
    EXPECT_EQ(setup[SETUP_SECOND_LEG], 1);
    EXPECT_EQ(setup[SETUP_EXTRA_TIME], 1);
    EXPECT_EQ(setup[SETUP_PENALTIES], 1);
    EXPECT_EQ(LoadI16(setup + MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_FIRST_LEG_GOALS), c.firstAway);
    EXPECT_EQ(LoadI16(setup + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_FIRST_LEG_GOALS), c.firstHome);

    WriteMatchResult(c.home, c.away, c.shootoutHome, c.shootoutAway);
    BookPlayedFixture(second);
    EXPECT_EQ(CurrentMatchScores[0], c.tieHome);
    EXPECT_EQ(CurrentMatchScores[1], c.tieAway);
    // The leg itself keeps its own score.
    EXPECT_EQ(Fixture_GetHomeGoals(second), c.home);
    EXPECT_EQ(Fixture_GetAwayGoals(second), c.away);
    for (int i = 0; i < 4; ++i) {
      const uint8_t expected = row[i] == c.out ? 255 : row[i];
      EXPECT_EQ(table[2 * 4 + i], expected) << "case " << c.firstHome << "-" << c.firstAway << ", place " << i;
    }
  }
}

TEST_F(MatchDayTest, ASingleMatchPlayOffSemiFinalPutsItsLoserOut) {
  uint8_t* table = SeasonEngine.getPlayoffTable();
  table[8] = 44;
  table[9] = 45;
  // England plays two legs: a first leg decides nothing.
  PlayAs(Add(1, 44, 45), 2, 0);
  EXPECT_EQ(table[9], 45);
  // Where the semi-finals are single matches the loser is out.
  GameCountry = 2;
  PlayAs(Add(1, 44, 45), 0, 1);
  EXPECT_EQ(table[8], 255);
  EXPECT_EQ(table[9], 45);
}

TEST_F(MatchDayTest, ACupSecondLegReadsItsFirstLegAndTheCupTiesDecide) {
  // Cup 1's round 0 has two legs (codes 21 and 29); cup 0's round 0 is one match (5).
  const int16_t first = Add(21, 44, 45, 0, kToday - 14);
  Fixture_SetResult(first, 2, 1);
  PlayAs(Add(21, 46, 47), 1, 1);  // another first leg: the tie is not decided yet
  EXPECT_EQ(Seam_CountCalls("CupTie_Resolve"), 0);

  const int16_t second = Add(29, 45, 44);
  PrepareFixture(second);
  EXPECT_EQ(SecondLegFlag, 1);
  EXPECT_EQ(FirstLegGoals[0], 1);
  EXPECT_EQ(FirstLegGoals[1], 2);
  EXPECT_EQ(ExtraTimeRule, 1);
  EXPECT_EQ(PenaltiesRule, 1);
  WriteMatchResult(1, 0);
  BookPlayedFixture(second);
  std::vector<SeamCall> calls = CallsOf("CupTie_Resolve");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].args, (std::vector<int32_t>{second, 21, 1, 11, 29}));
  // The cup ties turn the scores into the tie's: the match day leaves them.
  EXPECT_EQ(CurrentMatchScores[0], 1);
  EXPECT_EQ(CurrentMatchScores[1], 0);

  Seam_ClearCalls();
  const int16_t single = Add(5, 48, 49);
  PlayAs(single, 2, 2);
  calls = CallsOf("CupTie_Resolve");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].args, (std::vector<int32_t>{Find(48, 49, 5), 5, 0, 9, 5}));
  // A group match is settled by the next round's draw.
  Seam_ClearCalls();
  PlayAs(Add(101, 50, kForeign), 1, 0);
  EXPECT_EQ(Seam_CountCalls("CupTie_Resolve"), 0);
}

TEST_F(MatchDayTest, AMissingFirstLegStopsTheGame) {
  const int16_t second = Add(2, 45, 44);
  EXPECT_FATAL_EXIT(PrepareFixture(second), "Cannot find this fixture");
}

// ---------------------------------------------------------------- booking

TEST_F(MatchDayTest, LeagueResultsGoIntoTheTables) {
  PlayAs(Add(COMP_LEAGUE, 0, 1), 3, 1);
  PlayAs(Add(COMP_LEAGUE, 2, 0, 0, kToday), 2, 2);
  PlayAs(Add(COMP_LEAGUE, 1, 2, 0, kToday), 0, 1);
  const LeagueTableRow& a = LeagueTable[0];
  const LeagueTableRow& b = LeagueTable[1];
  const LeagueTableRow& c = LeagueTable[2];
  EXPECT_EQ(a.played, 2);
  EXPECT_EQ(a.homeWon, 1);
  EXPECT_EQ(a.homeFor, 3);
  EXPECT_EQ(a.homeAgainst, 1);
  EXPECT_EQ(a.awayDrawn, 1);
  EXPECT_EQ(a.awayFor, 2);
  EXPECT_EQ(a.points, 4);
  EXPECT_EQ(b.awayLost, 1);
  EXPECT_EQ(b.homeLost, 1);
  EXPECT_EQ(b.points, 0);
  EXPECT_EQ(c.homeDrawn, 1);
  EXPECT_EQ(c.awayWon, 1);
  EXPECT_EQ(c.awayFor, 1);
  EXPECT_EQ(c.points, 4);
  // A recount of the fixtures gives the same rows.
  const std::vector<LeagueTableRow> booked(LeagueTable, LeagueTable + 3);
  LeagueTable_Rebuild(DayOfSeason);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(std::memcmp(&booked[i], &LeagueTable[i], 24), 0) << i;
}

TEST_F(MatchDayTest, AScoreAbove14IsStoredAs14AndKeptInTheMatchScores) {
  const int16_t f = Add(COMP_LEAGUE, 0, 1);
  PlayAs(f, 16, 3);
  EXPECT_EQ(CurrentMatchScores[0], 16);
  EXPECT_EQ(Fixture_GetHomeGoals(f), 14);
  EXPECT_EQ(Fixture_GetAwayGoals(f), 3);
  EXPECT_EQ(Fixture_IsPlayed(f), 1);
  EXPECT_EQ(LoadI16(GetMatchResultRecord() + TEAM_GOALS), 16);
  // The table counts what the fixture holds.
  EXPECT_EQ(LeagueTable[0].homeFor, 14);
  EXPECT_EQ(PlayNextFixture(nullptr), NO_FIXTURE_LEFT);
}

TEST_F(MatchDayTest, ShootOutsAreListedAndMarkTheFixture) {
  struct Case {
    int homeShootout, awayShootout;
    bool listed, awayWon, flag;
  } cases[] = {{4, 5, true, true, true}, {5, 4, true, false, true}, {0, 0, false, false, false},
               {3, 3, true, true, false}};
  for (const Case& c : cases) {
    const int16_t before = ShootoutCount;
    const int16_t f = Add(COMP_SUPER_CUP, 44, 45);
    PlayAs(f, 1, 1, c.homeShootout, c.awayShootout);
    EXPECT_EQ(ShootoutCount, before + (c.listed ? 1 : 0));
    if (c.listed) {
      EXPECT_EQ(ShootoutList[before] & 0x7FFF, f);
      EXPECT_EQ((ShootoutList[before] & SHOOTOUT_AWAY_WON) != 0, c.awayWon);
    }
    EXPECT_EQ(Fixture_GetShootoutFlag(f), c.flag ? 1 : 0);
    Fixtures_Reset();
  }
}

TEST_F(MatchDayTest, TheSuperCupWinnerGoesIntoTheRollOfHonour) {
  PlayAs(Add(COMP_SUPER_CUP, 44, 45), 1, 1, 3, 4);
  PlayAs(Add(COMP_SUPER_CUP, 46, 47), 2, 0);
  const std::vector<SeamCall> calls = CallsOf("Honours_RecordWinner");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].args, (std::vector<int32_t>{45, 23}));
  EXPECT_EQ(calls[1].args, (std::vector<int32_t>{46, 23}));
}

TEST_F(MatchDayTest, APlayOffFinalPromotesItsWinner) {
  struct Case {
    int16_t homeDivision, awayDivision;
    int home, away, homeShootout, awayShootout;
    int16_t homeAfter, awayAfter;
    int relegations;
  } cases[] = {
      {2, 2, 2, 1, 0, 0, 1, 2, 0},  // two clubs of division 2: the winner goes up to division 1
      {3, 3, 0, 0, 2, 4, 3, 2, 0},  // division 3's final, won on penalties: division 2
      {2, 1, 1, 0, 0, 0, 1, 2, 1},  // the lower club wins: up and down one each
      {1, 2, 1, 0, 0, 0, 1, 2, 0},  // the higher club wins: nothing changes
  };
  for (const Case& c : cases) {
    Seam_ClearCalls();
    ClubEventLog_Clear();
    Fixtures_Reset();
    Club_SetDivision(44, c.homeDivision);
    Club_SetDivision(45, c.awayDivision);
    Club_SetControl(44, 1);  // the news is shown to the human club
    Club_SetXcoord(45, 50);  // no derby
    MenuPrims_ClearCalls();
    PlayAs(Add(3, 44, 45, 1), c.home, c.away, c.homeShootout, c.awayShootout);
    EXPECT_EQ(Club_GetDivision(44), c.homeAfter);
    EXPECT_EQ(Club_GetDivision(45), c.awayAfter);
    EXPECT_EQ(Seam_CountCalls("Club_ApplyRelegationClauses"), c.relegations);
    const bool moved = c.homeAfter != c.homeDivision || c.awayAfter != c.awayDivision;
    EXPECT_EQ(ClubEventLog_Used(), (moved ? 1 : 0) + c.relegations);
    if (!moved) continue;
    const std::vector<SeamCall> experience = CallsOf("Club_AwardSquadExperience");
    ASSERT_GE(experience.size(), 1u);
    const int16_t winner = c.homeAfter < c.homeDivision ? 44 : 45;
    EXPECT_EQ(experience[0].args, (std::vector<int32_t>{winner, 3}));
    const ClubEvent event = ClubEventLogEntry_Decode(ClubEventLog[0]);
    EXPECT_EQ(event.club, winner);
    EXPECT_EQ(event.type, 8);
    EXPECT_EQ(event.value, Club_GetDivision(winner));
    if (winner == 44) {
      const std::vector<std::string> shown = MessagesShown();
      ASSERT_EQ(shown.size(), 1u);  // the relegated club's news is not the user's
      SetNewsArgs(44, -1, -1, -1, -1, -1, -1, -1, -1);
      EXPECT_TRUE(IsNewsOfKind(shown[0], 43)) << shown[0];
    }
  }
}

TEST_F(MatchDayTest, EverySideGetsItsPostMatchUpdates) {
  SetStands(0, 10);
  const int16_t f = Add(COMP_LEAGUE, 0, 1);
  PlayAs(f, 1, 0);
  std::vector<SeamCall> players = CallsOf("UpdatePlayersAfterMatch");
  ASSERT_EQ(players.size(), 2u);
  EXPECT_EQ(players[0].args, (std::vector<int32_t>{0, 0, f}));
  EXPECT_EQ(players[1].args, (std::vector<int32_t>{1, 1, f}));
  std::vector<SeamCall> crowd = CallsOf("UpdateCrowdRecords");
  ASSERT_EQ(crowd.size(), 1u);
  EXPECT_EQ(crowd[0].args, (std::vector<int32_t>{0, MatchAttendance}));
  // No crowd record on neutral ground.
  Seam_ClearCalls();
  PlayAs(Add(3, 2, 3, 1), 1, 0);
  EXPECT_EQ(Seam_CountCalls("UpdatePlayersAfterMatch"), 2);
  EXPECT_EQ(Seam_CountCalls("UpdateCrowdRecords"), 0);
}

// ---------------------------------------------------------------- the human club

TEST_F(MatchDayTest, AWatchedMatchHasItsReportUnlessASoakRunIsOn) {
  Club_SetControl(1, 1);
  PlayNextFixture(nullptr);  // nothing today
  Add(COMP_LEAGUE, 0, 1);
  ASSERT_EQ(PlayNextFixture(nullptr), FIXTURE_PLAYED);
  EXPECT_EQ(LastMatchWatched, 1);
  const std::vector<SeamCall> report = CallsOf("RunMatchReportMenu");
  ASSERT_EQ(report.size(), 1u);
  EXPECT_EQ(report[0].args, std::vector<int32_t>{0});
  EXPECT_EQ(MatchReportView, 0);
  EXPECT_EQ(MatchReportFlags, REPORT_LEFT | REPORT_SHOWING);
  // The watched side's player records: the away side, the human one.
  const std::vector<SeamCall> records = CallsOf("FillPlayerMatchRecords");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].args, std::vector<int32_t>{1});

  // The report stays until the user leaves it.
  Seam_ClearCalls();
  MatchReportFlags = 0;
  MenuSystem.runMatchReportMenu = [](int16_t, uint8_t* flags) {
    static int runs = 0;
    if (++runs == 3) *flags |= REPORT_LEFT | REPORT_CLEARED_AFTER;
  };
  Add(COMP_LEAGUE, 2, 1);
  PlayNextFixture(nullptr);
  EXPECT_EQ(MatchReportFlags & REPORT_CLEARED_AFTER, 0);
  EXPECT_NE(MatchReportFlags & REPORT_LEFT, 0);

  SoakRunActive = 1;
  MenuSystem.runMatchReportMenu = [](int16_t, uint8_t*) { ADD_FAILURE() << "no report in a soak run"; };
  Add(COMP_LEAGUE, 3, 1);
  PlayNextFixture(nullptr);
}

TEST_F(MatchDayTest, TheHumanClubsResultsMakeTheNews) {
  constexpr int16_t kHuman = 0, kOther = 1;
  // Ranks from the table: division 0 full of other clubs, a club at place
  // r - 1 has rank r.
  auto rank = [](int16_t club, int r) { DivisionTable[0][r - 1] = static_cast<uint8_t>(club); };
  auto fillTable = [] {
    for (int place = 0; place < 20; ++place) DivisionTable[0][place] = static_cast<uint8_t>(60 + place);
  };
  struct Case {
    const char* name;
    bool atHome;
    int own, other;
    int humanRank, otherRank;
    int otherRep;
    int earlierWins, earlierGames;  // the human club's earlier games on the same side
    int kind;                       // 0: no news
  };
  const Case cases[] = {
      {"home thrashing", true, 6, 1, 5, 6, 30, 0, 0, 125},
      {"home win over a far better club", true, 2, 1, 12, 6, 30, 0, 0, 126},
      {"home win over a slightly better club", true, 2, 1, 9, 6, 30, 5, 5, 0},
      {"sixth home win in a row", true, 1, 0, 5, 6, 30, 5, 5, 127},
      {"fifth home win in a row", true, 1, 0, 5, 6, 30, 4, 4, 0},
      {"home humiliation", true, 0, 4, 5, 6, 30, 0, 0, 123},
      {"home thrashing by a famous club", true, 0, 4, 5, 6, 63, 0, 0, 0},
      {"home defeat by a far worse club", true, 0, 1, 3, 9, 30, 3, 3, 124},
      {"poor home run", true, 0, 1, 5, 6, 30, 1, 5, 128},
      {"home draw", true, 2, 2, 5, 6, 30, 5, 5, 0},
      {"away thrashing", false, 5, 1, 5, 6, 30, 0, 0, 131},
      {"away win at a better club", false, 2, 1, 9, 6, 30, 0, 0, 132},
      {"fourth away win in a row", false, 1, 0, 5, 6, 30, 3, 3, 133},
      {"away humiliation", false, 0, 4, 5, 6, 30, 0, 0, 129},
      {"away defeat at a far worse club", false, 0, 1, 3, 16, 30, 3, 3, 130},
      {"poor away run", false, 0, 1, 5, 6, 30, 0, 3, 134},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixtures_Reset();
    Club_SetControl(kHuman, 1);
    Club_SetRep(kHuman, 30);
    Club_SetRep(kOther, c.otherRep);
    Club_SetXcoord(kOther, 50);  // no derby
    fillTable();
    rank(kHuman, c.humanRank);
    rank(kOther, c.otherRank);
    for (int g = 0; g < c.earlierGames; ++g) {
      const int16_t opponent = static_cast<int16_t>(10 + g);
      const int16_t f = c.atHome ? Add(COMP_LEAGUE, kHuman, opponent, 0, kToday - 10 + g)
                                 : Add(COMP_LEAGUE, opponent, kHuman, 0, kToday - 10 + g);
      const bool won = g < c.earlierWins;
      Fixture_SetResult(f, c.atHome == won ? 2 : 0, c.atHome == won ? 0 : 2);
    }
    const int16_t f = c.atHome ? Add(COMP_LEAGUE, kHuman, kOther) : Add(COMP_LEAGUE, kOther, kHuman);
    PrepareFixture(f);
    MenuPrims_ClearCalls();
    WriteMatchResult(c.atHome ? c.own : c.other, c.atHome ? c.other : c.own);
    BookPlayedFixture(f);
    const std::vector<std::string> shown = MessagesShown();
    if (c.kind == 0) {
      EXPECT_TRUE(shown.empty()) << (shown.empty() ? "" : shown[0]);
      continue;
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(IsNewsOfKind(shown[0], c.kind)) << shown[0];
    EXPECT_EQ(NewsArgs.teams[0], kHuman);
    EXPECT_EQ(NewsArgs.teams[1], kOther);
    EXPECT_EQ(NewsArgs.numbers[0], c.own);
    EXPECT_EQ(NewsArgs.numbers[1], c.other);
  }
}

TEST_F(MatchDayTest, NoResultNewsFromFriendliesOrNeutralGrounds) {
  Club_SetControl(0, 1);
  Club_SetXcoord(1, 50);
  for (const auto& [code, flag] : {std::pair{int{COMP_FRIENDLY}, 0}, std::pair{int{COMP_SUPER_CUP}, 1}}) {
    Fixtures_Reset();
    const int16_t f = Add(code, 0, 1, flag);
    PrepareFixture(f);
    MenuPrims_ClearCalls();
    WriteMatchResult(7, 0);
    BookPlayedFixture(f);
    EXPECT_TRUE(MessagesShown().empty()) << code;
  }
}

// ---------------------------------------------------------------- the reserve pool

TEST_F(MatchDayTest, AFullReservePoolIsEmptiedBeforeAComputerMatch) {
  Club_SetControl(3, 1);  // the human club, not playing
  auto fill = [](int held) {
    Lists_Reset();
    for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) Reserve_SetClub(slot, 255);
    for (int16_t slot = 0; slot < held; ++slot) {
      Reserve_SetClub(slot, slot == 0 ? 3 : 60);
      Reserve_SetPlayer(slot, static_cast<int16_t>(1000 + slot));
      Reserve_SetInUse(slot, 1);
      Player_SetClub(static_cast<int16_t>(1000 + slot), 252);
    }
  };
  fill(75);
  PrepareFixture(Add(COMP_LEAGUE, 44, 45));
  EXPECT_EQ(Reserve_GetInUse(5), 1);
  EXPECT_EQ(Player_GetClub(1005), 252);

  fill(76);
  PrepareFixture(Add(COMP_LEAGUE, 46, 47));
  EXPECT_EQ(Reserve_GetInUse(0), 1);  // the human club's
  EXPECT_EQ(Player_GetClub(1000), 252);
  for (int16_t slot = 1; slot < 76; ++slot) {
    EXPECT_EQ(Reserve_GetInUse(slot), 0) << slot;
    EXPECT_EQ(Player_GetClub(static_cast<int16_t>(1000 + slot)), PLAYER_CLUB_FREE_AGENT) << slot;
  }

  // Not before the human club's own match.
  fill(80);
  PrepareFixture(Add(COMP_LEAGUE, 3, 4));
  EXPECT_EQ(Reserve_GetInUse(5), 1);
}

}  // namespace
