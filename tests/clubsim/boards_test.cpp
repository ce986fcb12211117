// The boards: form, finance and rank scores, the reputation table and the
// expected places, the board's word to the human manager, job applications,
// and the computer clubs' appointments, caretakers, resignations and sackings.
#include "clubsim/boards.h"
#include "clubsim/money.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "clubsim/bids.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/transferday.h"
#include "engine/poll.h"
#include "engine/rand.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"
#include "platform/platform.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs_deals.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

namespace {

constexpr int16_t kToday = 100;

// One played match of the club under test.
struct Game {
  int16_t daysAgo;
  bool home;
  int16_t scored, conceded;
  int16_t competition = COMP_LEAGUE;
};

// The league world (England, clubs 0-113 in five divisions, reputation 30)
// with its division table laid out in club order, so a club's overall rank
// is its number + 1, and a manager of reputation 10 at every league club.
class BoardsTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    // The news ticker draws and polls: a window and a clock that moves when the game waits.
    StartWindowAndTimer();
    InitPoll();
    PlatSetVirtualAutoAdvance(true);
    DayOfSeason = kToday;
    Weekday = 0;
    DayOfMonth = 10;
    LayOutDivisionTable();
    for (int16_t club = 0; club < tw::kLeagueClubs; ++club) {
      const int16_t m = ManagerOf(club);
      Player_SetPosition(m, POSITION_MANAGER);
      Player_SetReputation(m, 10);
      Player_SetWage(m, 255);  // left no club yet
    }
  }

  void TearDown() override {
    UninitPoll();
    LeagueWorldTest::TearDown();
  }

  static int16_t ManagerOf(int16_t club) {
    return static_cast<int16_t>(club * tw::kLeagueSquad + tw::kLeagueSquad - 1);
  }

  static void LayOutDivisionTable() {
    for (auto& division : DivisionTable)
      for (uint8_t& place : division) place = NO_TABLE_CLUB;
    int filled[NUM_DIVISIONS] = {};
    for (int16_t club = 0; club < tw::kLeagueClubs; ++club) {
      const int d = Club_GetDivision(club);
      DivisionTable[d][filled[d]++] = static_cast<uint8_t>(club);
    }
  }

  // An empty fixture list (which empties the division table too), the table laid out again.
  static void ClearFixtures() {
    Fixtures_Reset();
    LayOutDivisionTable();
  }

  static void Play(int16_t club, int16_t opponent, const Game& g) {
    const int16_t home = g.home ? club : opponent;
    const int16_t away = g.home ? opponent : club;
    const int16_t n = Fixture_Add(kToday - g.daysAgo, g.competition, home, away, 0);
    ASSERT_GE(n, 0);
    if (g.home)
      Fixture_SetResult(n, g.scored, g.conceded);
    else
      Fixture_SetResult(n, g.conceded, g.scored);
  }
  static void PlayAll(int16_t club, const std::vector<Game>& games) {
    for (size_t i = 0; i < games.size(); ++i) Play(club, static_cast<int16_t>(60 + i % 20), games[i]);
  }
  // Five heavy home defeats in the last ten days: form 0.
  static void Collapse(int16_t club) {
    PlayAll(club, {{10, true, 0, 5}, {8, true, 0, 5}, {6, true, 0, 5}, {4, true, 0, 5}, {2, true, 0, 5}});
  }

  // The texts of the news boxes shown so far.
  static std::vector<std::string> News() {
    std::vector<std::string> texts;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoMessageBox") texts.push_back(call.text);
    return texts;
  }
  // The news kind whose wording (expanded with the arguments last set) is
  // the last news shown, -1 when none of the candidates is.
  static int LastNewsKind(std::initializer_list<int> kinds) {
    const std::vector<std::string> texts = News();
    if (texts.empty()) return -1;
    for (int kind : kinds)
      for (const int16_t* w = NewsKindList[kind]; w != nullptr && *w != 0; ++w)
        if (texts.back() == ExpandMessageString(GetTextNoAddr(*w))) return kind;
    return -1;
  }

  // Every personality stat of the player's template row set to the value
  // (each player his own row).
  static void SetPersonality(int16_t player, int stat, uint8_t value) {
    const int row = player % NUM_STAT_CODES;
    Player_SetPersonalityStats(player, row);
    PlayerStatTables.personalityTemplate[row][stat - 15] = value;
  }
};

// ---------------------------------------------------------------------------
// Form, finance and rank
// ---------------------------------------------------------------------------

TEST_F(BoardsTest, FormScoresOverThirtyAndTwentyDaysAndTheSeason) {
  struct Case {
    const char* name;
    std::vector<Game> games;
    int16_t f30, f20, season;
  };
  const Case cases[] = {
      {"four games in thirty days give thirty",
       {{13, true, 3, 0}, {9, true, 3, 0}, {5, true, 3, 0}, {1, true, 3, 0}},
       30,
       60,
       60},
      {"five goalless away draws",
       {{10, false, 0, 0}, {8, false, 0, 0}, {6, false, 0, 0}, {4, false, 0, 0}, {2, false, 0, 0}},
       30,
       30,
       30},
      {"five goalless home draws",
       {{10, true, 0, 0}, {8, true, 0, 0}, {6, true, 0, 0}, {4, true, 0, 0}, {2, true, 0, 0}},
       15,
       15,
       15},
      {"four draws and a heavy defeat",
       {{10, false, 0, 0}, {8, false, 0, 0}, {6, false, 0, 0}, {4, false, 0, 0}, {2, false, 0, 3}},
       21,
       21,
       21},
      {"five defeats give nothing",
       {{10, true, 0, 2}, {8, true, 0, 2}, {6, true, 0, 2}, {4, true, 0, 2}, {2, true, 0, 2}},
       0,
       0,
       0},
      {"a home draw before the last twenty days",
       {{25, true, 0, 0}, {10, false, 0, 0}, {8, false, 0, 0}, {6, false, 0, 0}, {4, false, 0, 0}},
       27,
       30,
       27},
      {"old wins, friendlies and today's game count only for the season",
       {{40, true, 2, 0}, {35, true, 2, 0}, {31, true, 2, 0}, {3, true, 0, 9, COMP_FRIENDLY}, {0, true, 0, 9}},
       30,
       30,
       60},
  };
  for (const Case& c : cases) {
    ClearFixtures();
    PlayAll(20, c.games);
    EXPECT_EQ(CalcClubFormScore(20), c.f30) << c.name;
    EXPECT_EQ(CalcClubForm20Score(20), c.f20) << c.name;
    EXPECT_EQ(CalcClubSeasonFormScore(20), c.season) << c.name;
  }
}

TEST_F(BoardsTest, AFixtureNotPlayedCountsNothing) {
  PlayAll(20, {{10, true, 0, 2}, {8, true, 0, 2}, {6, true, 0, 2}, {4, true, 0, 2}});
  ASSERT_GE(Fixture_Add(kToday - 2, COMP_LEAGUE, 20, 61, 0), 0);  // not played: goals 15
  EXPECT_EQ(CalcClubFormScore(20), 30);
}

TEST_F(BoardsTest, ASeasonOfBigWinsStaysAtTheTopOfTheForm) {
  DayOfSeason = 300;
  for (int16_t k = 0; k < 40; ++k) {
    const int16_t n = Fixture_Add(50 + 5 * k, COMP_LEAGUE, 20, static_cast<int16_t>(60 + k % 20), 0);
    ASSERT_GE(n, 0);
    Fixture_SetResult(n, 5, 0);
  }
  // Twenty-five times the running goals passes what 16 bits hold; the best
  // form is still the best.
  EXPECT_EQ(CalcClubSeasonFormScore(20), 60);
}

TEST_F(BoardsTest, TheFinanceScoreWeighsTheBalanceAgainstTheDivision) {
  struct Case {
    int8_t country;
    int16_t division;
    int32_t balance;
    int16_t score;
  };
  const Case cases[] = {
      {0, 0, 0, 0},          {0, 0, 2099999, 0}, {0, 0, 2100000, 1},  {0, 0, 15000000, 8}, {0, 0, 30000000, 16},
      {0, 0, 100000000, 16}, {0, 1, 4500000, 8}, {0, 3, 750000, 8},   {0, 5, 150000, 8},   {2, 3, 1500000, 8},
      {3, 5, 1500000, 8},    {6, 4, 750000, 8},  {0, 6, 30000000, 0},
  };
  for (const Case& c : cases) {
    GameCountry = c.country;
    Club_SetCountry(40, c.country);
    Club_SetDivision(40, c.division);
    Club_SetBalance(40, c.balance);
    EXPECT_EQ(CalcFinanceScore(40), c.score) << int{c.country} << " " << c.division << " " << c.balance;
  }
}

TEST_F(BoardsTest, TheReputationTableIsHighestFirstAndKeepsClubOrderOnTies) {
  Club_SetRep(9, 50);
  Club_SetRep(5, 50);
  Club_SetRep(2, 60);
  Club_SetRep(0, 3);
  BuildReputationTable();
  ASSERT_EQ(ReputationTableLength, tw::kLeagueClubs);
  EXPECT_EQ(ReputationTable[0].club, 2);
  EXPECT_EQ(ReputationTable[1].club, 5);
  EXPECT_EQ(ReputationTable[2].club, 9);
  EXPECT_EQ(ReputationTable[3].club, 1);
  EXPECT_EQ(ReputationTable[4].club, 3);
  EXPECT_EQ(ReputationTable[tw::kLeagueClubs - 1].club, 0);
  EXPECT_EQ(GetReputationRank(9), 2);
  EXPECT_EQ(GetReputationRank(200), tw::kLeagueClubs);  // not listed
}

TEST_F(BoardsTest, TheRankScoreFollowsItsFormula) {
  struct Case {
    const char* name;
    int16_t changedClub, changedRep;
    int16_t club, score;
  };
  const Case cases[] = {
      // Reputation rank = overall rank - 1: (113 x 100 / 228) x 24 / 100 = 11, not 12.
      {"rank one below the overall rank", -1, 0, 50, 11},
      {"the biggest name at the bottom", 113, 63, 113, 0},
      {"the smallest name at the top", 0, 3, 0, 23},
      {"a club not in the league (absent, rank 0)", -1, 0, 200, 24},
  };
  for (const Case& c : cases) {
    for (int16_t club = 0; club < tw::kLeagueClubs; ++club) Club_SetRep(club, 30);
    if (c.changedClub >= 0) Club_SetRep(c.changedClub, c.changedRep);
    BuildReputationTable();
    EXPECT_EQ(CalcRepRankScore(c.club), c.score) << c.name;
  }
}

TEST_F(BoardsTest, TheBoardWouldSackUnderThirtyFive) {
  struct Case {
    const char* name;
    std::vector<Game> games;
    int32_t balance;
    int16_t sack;
  };
  const Case cases[] = {
      {"no games, no money: 30 + 0 + 11", {}, 100000, 0},
      {"a collapse: 0 + 0 + 11",
       {{10, true, 0, 5}, {8, true, 0, 5}, {6, true, 0, 5}, {4, true, 0, 5}, {2, true, 0, 5}},
       100000,
       1},
      {"a collapse with money: 0 + 16 + 11",
       {{10, true, 0, 5}, {8, true, 0, 5}, {6, true, 0, 5}, {4, true, 0, 5}, {2, true, 0, 5}},
       30000000,
       1},
      {"a poor run: 21 + 0 + 11",
       {{10, false, 0, 0}, {8, false, 0, 0}, {6, false, 0, 0}, {4, false, 0, 0}, {2, false, 0, 3}},
       100000,
       1},
      {"a poor run with money: 21 + 8 + 11",
       {{10, false, 0, 0}, {8, false, 0, 0}, {6, false, 0, 0}, {4, false, 0, 0}, {2, false, 0, 3}},
       15000000,
       0},
  };
  for (const Case& c : cases) {
    ClearFixtures();
    PlayAll(10, c.games);
    Club_SetBalance(10, c.balance);
    EXPECT_EQ(BoardWouldSackManager(10), c.sack) << c.name;
  }
}

// ---------------------------------------------------------------------------
// Expected places
// ---------------------------------------------------------------------------

TEST_F(BoardsTest, ExpectedPlacesWalkTheReputationRankDownTheDivisions) {
  Club_SetRep(50, 63);  // division 2, the biggest name: expected to win it
  Club_SetRep(5, 3);    // division 0, the smallest name: expected last
  Club_SetSeasonDispoints(25, 7);
  SetAllClubsExpectedPlace();
  EXPECT_EQ(Club_GetRepPlace(50), 1);
  EXPECT_EQ(Club_GetRepPlace(5), 20);
  EXPECT_EQ(Club_GetRepPlace(0), 2);   // behind club 50 alone
  EXPECT_EQ(Club_GetRepPlace(25), 6);  // rank 25: the sixth of division 1
  EXPECT_EQ(Club_GetSeasonDispoints(25), 0);
}

TEST_F(BoardsTest, AfterTheFirstSeasonABetterCurrentPlaceCounts) {
  Club_SetRep(30, 3);  // division 1, overall rank 31, the smallest name
  SetClubExpectedPlace(30);
  EXPECT_EQ(Club_GetRepPlace(30), 24);  // its name puts it in division 4: last of its own
  SeasonCounter = 1;
  SetClubExpectedPlace(30);
  EXPECT_EQ(Club_GetRepPlace(30), 11);  // where it stands now
}

// ---------------------------------------------------------------------------
// The board's word
// ---------------------------------------------------------------------------

TEST_F(BoardsTest, TheBoardSpeaksByFormBandAndStanding) {
  constexpr int16_t kClub = 10;  // rank score 11
  const std::vector<Game> superb = {
      {10, true, 3, 0}, {8, true, 3, 0}, {6, true, 3, 0}, {4, true, 3, 0}, {2, true, 3, 0}};
  const std::vector<Game> quiet = {{10, false, 0, 0}, {8, false, 0, 0}, {6, false, 0, 0}, {4, false, 0, 0}};
  auto withStart = [&](std::vector<Game> start) {
    start.insert(start.end(), quiet.begin(), quiet.end());
    return start;
  };
  struct Case {
    const char* name;
    std::vector<Game> games;
    int16_t managerRep;
    int kind;  // -1 nothing said
  };
  const std::vector<Case> cases = {
      {"superb form, standing as expected", superb, 40, 117},
      {"superb form, a small manager", superb, 20, 116},
      {"superb form, a big manager", superb, 60, 118},
      {"the last twenty days below thirty",
       {{10, true, 0, 2}, {8, true, 0, 2}, {6, true, 0, 2}, {4, true, 0, 2}},
       40,
       -1},
      {"a thirty-day form of thirty",
       {{10, false, 0, 0}, {8, false, 0, 0}, {6, false, 0, 0}, {4, false, 0, 0}, {2, false, 0, 0}},
       40,
       -1},
      {"a form of 21: the mildest words", withStart({{25, true, 0, 3}}), 40, 108},
      {"a form of 9: harsher", withStart({{27, true, 0, 3}, {25, true, 0, 3}}), 40, 105},
      {"a form of 0: the harshest", withStart({{28, true, 0, 5}, {26, true, 0, 5}, {24, true, 0, 5}}), 40, 102},
  };
  Club_SetControl(kClub, 1);
  Club_SetRep(kClub, 40);
  for (const Case& c : cases) {
    ClearFixtures();
    MenuPrims_ClearCalls();
    PlayAll(kClub, c.games);
    Player_SetReputation(0, c.managerRep);
    PostBoardConfidenceNews();
    if (c.kind < 0) {
      EXPECT_TRUE(News().empty()) << c.name;
      continue;
    }
    EXPECT_EQ(LastNewsKind({101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118}),
              c.kind)
        << c.name;
  }
}

// ---------------------------------------------------------------------------
// Job applications and offers
// ---------------------------------------------------------------------------

TEST_F(BoardsTest, AManagerBelowTheClubAlwaysGetsARefusalDueInTwoToThirteenDays) {
  Club_SetControl(30, 1);  // his club: division 1, overall rank 31
  Player_SetReputation(0, 10);
  Club_SetRep(5, 60);
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    GameSeedRandom(seed);
    ApplyForManagerJob(5);
    EXPECT_EQ(GetJobOfferClub(), 5);
    EXPECT_EQ(GetJobOfferKind(), 0) << seed;
    EXPECT_GE(GetJobOfferExpiry(), kToday + 2);
    EXPECT_LE(GetJobOfferExpiry(), kToday + 13);
  }
  ClearJobOffer();
  EXPECT_EQ(GetJobOfferClub(), -1);
  EXPECT_EQ(GetJobOfferExpiry(), -1);
  EXPECT_EQ(GetJobOfferKind(), -1);
}

TEST_F(BoardsTest, AManagerAboveTheClubGetsAnOfferWhenTheRollIsBelowHisForm) {
  Club_SetControl(3, 1);  // rank 4, no games: form 30
  Player_SetReputation(0, 63);
  Club_SetRep(100, 3);
  int offers = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    GameSeedRandom(seed);
    ApplyForManagerJob(100);
    ASSERT_TRUE(GetJobOfferKind() == 0 || GetJobOfferKind() == 1);
    offers += GetJobOfferKind();
  }
  EXPECT_GT(offers, 25);  // about two in three
  EXPECT_LT(offers, 55);
}

TEST_F(BoardsTest, AManagerWithoutAClubCountsFormThirtyAndHisLastClubsRank) {
  // Sacked from club 30 (overall rank 31): the former-club mark names it.
  Player_SetClub(0, PLAYER_CLUB_NONE);
  Player_SetPosition(0, POSITION_MANAGER);
  Player_SetWage(0, 30);
  Player_SetReputation(0, 50);  // 100 + 115 - 31 + 30 = 214
  ASSERT_EQ(FindHumanClub(1), -1);
  struct Case {
    int16_t club, rep;
    bool offersPossible;
  };
  // Club 5: 120 + 115 - 6 = 229 > 214; club 10: 100 + 115 - 11 = 204 <= 214.
  const Case cases[] = {{5, 60, false}, {10, 50, true}};
  for (const Case& c : cases) {
    Club_SetRep(c.club, c.rep);
    int offers = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
      GameSeedRandom(seed);
      ApplyForManagerJob(c.club);
      EXPECT_EQ(GetJobOfferClub(), c.club);
      offers += GetJobOfferKind();
    }
    EXPECT_EQ(offers > 0, c.offersPossible) << c.club;
  }
}

TEST_F(BoardsTest, TheJobOfferGoesIntoTheSaveAndTheLastApproachDoesNot) {
  Club_SetControl(3, 1);
  ApplyForManagerJob(100);
  uint8_t image[JOB_OFFER_IMAGE_SIZE];
  JobOffer_Pack(image);
  EXPECT_TRUE(JobOffer_ImageSound(image));
  const int16_t club = GetJobOfferClub(), due = GetJobOfferExpiry(), kind = GetJobOfferKind();
  ClearJobOffer();
  JobOffer_Unpack(image);
  EXPECT_EQ(GetJobOfferClub(), club);
  EXPECT_EQ(GetJobOfferExpiry(), due);
  EXPECT_EQ(GetJobOfferKind(), kind);
  EXPECT_EQ(GetLastApproachingClub(), -1);

  const uint8_t none[JOB_OFFER_IMAGE_SIZE] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  const uint8_t badClub[JOB_OFFER_IMAGE_SIZE] = {250, 0, 10, 0, 1, 0};
  const uint8_t badKind[JOB_OFFER_IMAGE_SIZE] = {5, 0, 10, 0, 2, 0};
  const uint8_t badDay[JOB_OFFER_IMAGE_SIZE] = {5, 0, 0x7C, 0x01, 1, 0};  // 380
  EXPECT_TRUE(JobOffer_ImageSound(none));
  EXPECT_FALSE(JobOffer_ImageSound(badClub));
  EXPECT_FALSE(JobOffer_ImageSound(badKind));
  EXPECT_FALSE(JobOffer_ImageSound(badDay));
}

// ---------------------------------------------------------------------------
// Managers leaving and found
// ---------------------------------------------------------------------------

TEST_F(BoardsTest, AReleasedManagerLeavesHisMarkAndTheClubGainsReputation) {
  const int16_t m = ManagerOf(20);
  Club_SetControl(20, 1);
  ReleaseClubManager(20);
  EXPECT_EQ(Player_GetClub(m), PLAYER_CLUB_NONE);
  EXPECT_EQ(Player_GetWage(m), 20);
  EXPECT_EQ(Club_GetControl(20), 0);
  EXPECT_EQ(Club_GetRep(20), 32);
  EXPECT_EQ(GetClubManager(20), NO_MANAGER_PLAYER);

  // A playing manager keeps his wage; a club without a manager only gains.
  const int16_t playing = static_cast<int16_t>(21 * tw::kLeagueSquad + 3);
  Player_SetManager(ManagerOf(21), 0);
  Player_SetBossvane(playing, 1);
  ReleaseClubManager(21);
  EXPECT_EQ(Player_GetWage(playing), 100);
  EXPECT_EQ(Player_GetBossvane(playing), 0);
  EXPECT_EQ(Player_GetClub(playing), PLAYER_CLUB_NONE);
  ReleaseClubManager(21);
  EXPECT_EQ(Club_GetRep(21), 34);
  EXPECT_EQ(Player_GetClub(NO_MANAGER_PLAYER), 0);
}

TEST_F(BoardsTest, FreeManagersOutsideHalfToAllOfTheClubsNameAreNeverChosen) {
  // Club 40 (reputation 30): c = 47, c / 2 = 23. No manager has a club to poach.
  for (int16_t club = 0; club < tw::kLeagueClubs; ++club) Player_SetManager(ManagerOf(club), 0);
  struct Case {
    int16_t rep;  // g = rep x 100 / 63
    int16_t mark;
    bool chosen;
  };
  const Case cases[] = {{14, 255, false}, {15, 255, true}, {29, 255, true}, {30, 255, true},
                        {31, 255, false}, {20, 40, false}, {20, 41, true}};
  const int16_t free = 500;
  for (const Case& c : cases) {
    Player_SetClub(free, PLAYER_CLUB_NONE);
    Player_SetManager(free, 1);
    Player_SetReputation(free, c.rep);
    Player_SetWage(free, c.mark);
    for (uint32_t seed = 1; seed <= 6; ++seed) {
      GameSeedRandom(seed);
      EXPECT_EQ(FindNewManager(40), c.chosen ? free : NO_MANAGER_PLAYER) << c.rep << " " << c.mark;
    }
  }
}

TEST_F(BoardsTest, TheBestFittingFreeManagerIsChosen) {
  for (int16_t club = 0; club < tw::kLeagueClubs; ++club) Player_SetManager(ManagerOf(club), 0);
  const int16_t candidates[][2] = {{500, 20}, {501, 25}, {502, 25}, {503, 31}};
  for (const auto& c : candidates) {
    Player_SetClub(c[0], PLAYER_CLUB_NONE);
    Player_SetManager(c[0], 1);
    Player_SetReputation(c[0], c[1]);
    Player_SetShirt(c[0], 4);
    Player_SetTxList(c[0], 1);
    Player_SetMorale(c[0], 10);
  }
  EXPECT_EQ(FindNewManager(40), 501);  // the highest fit, the first of equals
  EXPECT_EQ(Player_GetShirt(501), 0);
  EXPECT_EQ(Player_GetTxList(501), 0);
  EXPECT_EQ(Player_GetMorale(501), 60);
}

TEST_F(BoardsTest, TheHumanManagerIsApproachedNotAppointedAndNotApproachedTwice) {
  constexpr int16_t kVacant = 7;  // division 0, overall rank 8
  constexpr int16_t kHis = 30;    // division 1, overall rank 31
  Player_SetManager(ManagerOf(kVacant), 0);
  Club_SetRep(kVacant, 60);  // c = 95
  Player_SetManager(ManagerOf(kHis), 0);
  Player_SetClub(0, kHis);
  Player_SetPosition(0, POSITION_MANAGER);
  Player_SetReputation(0, 50);  // g = 79, the best of the managers to poach
  Club_SetControl(kHis, 1);

  EXPECT_EQ(FindNewManager(kVacant), NO_MANAGER_PLAYER);
  EXPECT_EQ(JobOfferingClub, kVacant);
  EXPECT_EQ(JobOfferPending, 1);
  EXPECT_EQ(GetLastApproachingClub(), kVacant);
  EXPECT_EQ(Player_GetClub(0), kHis);
  EXPECT_FALSE(News().empty());

  JobOfferingClub = -1;
  JobOfferPending = 0;
  const int16_t next = FindNewManager(kVacant);
  EXPECT_NE(next, 0);
  EXPECT_NE(next, NO_MANAGER_PLAYER);  // another club's manager is poached instead
  EXPECT_EQ(JobOfferingClub, -1);
  EXPECT_EQ(JobOfferPending, 0);
}

TEST_F(BoardsTest, TheClubThatApproachedTheHumanManagerGetsNoManagerThatDay) {
  constexpr int16_t kVacant = 7;
  Player_SetManager(ManagerOf(kVacant), 0);
  Club_SetRep(kVacant, 60);
  Player_SetManager(ManagerOf(30), 0);
  Player_SetClub(0, 30);
  Player_SetPosition(0, POSITION_MANAGER);
  Player_SetReputation(0, 50);
  Club_SetControl(30, 1);
  bool approached = false;
  for (uint32_t seed = 1; seed <= 200 && !approached; ++seed) {
    GameSeedRandom(seed);
    ComputerClubsManagerChanges();
    approached = JobOfferPending == 1;
    if (!approached) {
      EXPECT_EQ(GetClubManager(kVacant), NO_MANAGER_PLAYER);
    }
  }
  ASSERT_TRUE(approached);
  EXPECT_EQ(GetClubManager(kVacant), NO_MANAGER_PLAYER);
  EXPECT_EQ(Player_GetClub(0), 30);
  // On a later day of its turn it appoints someone else.
  for (uint32_t seed = 300; seed <= 500 && GetClubManager(kVacant) == NO_MANAGER_PLAYER; ++seed) {
    GameSeedRandom(seed);
    ComputerClubsManagerChanges();
  }
  EXPECT_NE(GetClubManager(kVacant), NO_MANAGER_PLAYER);
  EXPECT_NE(GetClubManager(kVacant), 0);
}

TEST_F(BoardsTest, AnAppointmentBringsWelcomeMoneyFromThePoolAndLiftsTheSquad) {
  constexpr int16_t kVacant = 21;  // division 1
  const int16_t old = ManagerOf(kVacant);
  Player_SetManager(old, 0);
  const int16_t caretaker = static_cast<int16_t>(kVacant * tw::kLeagueSquad + 2);
  Player_SetBossvane(caretaker, 1);
  Player_SetCaretaker(caretaker, 1);
  const int16_t free = 500;
  Player_SetClub(free, PLAYER_CLUB_NONE);
  Player_SetManager(free, 1);
  Player_SetReputation(free, 20);
  const int32_t balance = Club_GetBalance(kVacant), pool = MoneyPool;
  for (uint32_t seed = 1; seed <= 200 && Player_GetClub(free) != kVacant; ++seed) {
    GameSeedRandom(seed);
    ComputerClubsManagerChanges();
  }
  ASSERT_EQ(Player_GetClub(free), kVacant);
  EXPECT_EQ(GetClubManager(kVacant), free);
  const int32_t welcome = 30 * 3000 * 20;
  EXPECT_EQ(Club_GetBalance(kVacant), balance + welcome);
  EXPECT_EQ(MoneyPool, pool - welcome);
  EXPECT_EQ(Player_GetCaretaker(caretaker), 0);
  EXPECT_EQ(Player_GetBossvane(caretaker), 0);
  EXPECT_EQ(Player_GetMorale(caretaker), 60);
  EXPECT_EQ(ClubSimCount.appointed, 1);
}

TEST_F(BoardsTest, ASeniorPlayerTakesChargeAsCaretakerOrNowAndThenForGood) {
  constexpr int16_t kClub = 40;
  Player_SetManager(ManagerOf(kClub), 0);
  const int16_t first = static_cast<int16_t>(kClub * tw::kLeagueSquad);
  const int16_t veteran = first + 1, listed = first + 2, young = first + 3;
  for (int16_t p : {veteran, listed, young}) {
    Player_SetMorale(p, 60);
    Player_SetReputation(p, 40);
  }
  Player_SetAge(veteran, 15);
  Player_SetAge(listed, 18);
  Player_SetReputation(listed, 60);
  Player_SetTxList(listed, 1);
  Player_SetAge(young, 14);
  Player_SetReputation(young, 63);
  Club_SetBid(41, 2, veteran, 100, 0);
  BidInfo_SetPlayer(5, veteran);
  BidInfo_SetDays(5, 3);

  int caretakers = 0, permanent = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    Player_SetBossvane(veteran, 0);
    Player_SetCaretaker(veteran, 0);
    GameSeedRandom(seed);
    AppointCaretaker(kClub);
    EXPECT_EQ(Player_GetBossvane(listed) + Player_GetBossvane(young), 0);
    if (Player_GetCaretaker(veteran)) {
      ++caretakers;
      EXPECT_EQ(Player_GetBossvane(veteran), 1);
      EXPECT_EQ(BidInfo_FindPlayer(veteran), -1);
      EXPECT_EQ(ClubBid_HasPlayer(41, veteran), veteran);
    } else if (Player_GetBossvane(veteran)) {
      ++permanent;  // his 63 against the club's 47
    }
  }
  EXPECT_GT(caretakers, 40);
  EXPECT_GT(permanent, 2);
  EXPECT_EQ(ClubSimCount.caretakers, caretakers);
  EXPECT_EQ(ClubSimCount.newManagers, permanent);

  // Nobody unhappy takes charge.
  Player_SetBossvane(veteran, 0);
  Player_SetCaretaker(veteran, 0);
  Player_SetMorale(veteran, 48);  // 80 %
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    GameSeedRandom(seed);
    AppointCaretaker(kClub);
    EXPECT_EQ(Player_GetBossvane(veteran), 0);
  }
}

TEST_F(BoardsTest, ASackedManagerSettlesHalfWayAboveHisClub) {
  struct Case {
    int16_t manager, club, after;
  };
  const Case cases[] = {{38, 18, 28}, {39, 18, 28}, {19, 18, 18}, {18, 18, 18}, {10, 18, 10}, {63, 3, 33}};
  for (const Case& c : cases) EXPECT_EQ(SettleSackedReputation(c.manager, c.club), c.after) << c.manager;
}

TEST_F(BoardsTest, OneHumanSackingADayButManyComputerOnes) {
  // Clubs 7, 14, 21, 35 computer-run, 28 human-run; all of reputation 63
  // (the board's roll always comes up) and in a collapse.
  Club_SetControl(28, 1);
  DayOfMonth = 7;
  for (int16_t club : {7, 14, 21, 28, 35}) {
    Club_SetRep(club, 63);
    Player_SetReputation(ManagerOf(club), 45);
    Collapse(club);
  }
  BuildReputationTable();
  ComputerClubsManagerChanges();
  for (int16_t club : {7, 14, 21, 28}) {
    const int16_t m = ManagerOf(club);
    EXPECT_EQ(Player_GetClub(m), PLAYER_CLUB_NONE) << club;
    EXPECT_EQ(Player_GetWage(m), club);
    EXPECT_EQ(Club_GetControl(club), 0);
    EXPECT_GE(Club_GetRep(club), 60);
    EXPECT_EQ(Player_GetReputation(m), SettleSackedReputation(Player_GetReputation(m), Club_GetRep(club)));
    EXPECT_LE(Player_GetReputation(m), 44);
  }
  EXPECT_EQ(SackedHumanManager, 1);
  EXPECT_EQ(SackingClub, 28);
  EXPECT_EQ(ClubSimCount.sacked, 4);
  // Club 35's manager may walk out, but is not sacked.
  EXPECT_EQ(Club_GetRep(35), 63);
  EXPECT_EQ(FindHumanClub(1), -1);
  ComputerClubsManagerChanges();  // the next day's mark is clear
  EXPECT_EQ(SackedHumanManager, 0);
  EXPECT_EQ(SackingClub, -1);
}

TEST_F(BoardsTest, AHumanManagerFacesTheBoardOnlyOnTheFirstTwoDaysOfEachWeekOfTheMonth) {
  Club_SetControl(28, 1);
  Club_SetRep(28, 63);
  Collapse(28);
  for (int16_t day : {2, 3, 4, 5, 6, 9, 13}) {
    DayOfMonth = day;
    ComputerClubsManagerChanges();
    EXPECT_EQ(Player_GetClub(ManagerOf(28)), 28) << day;
  }
  DayOfMonth = 8;
  ComputerClubsManagerChanges();
  EXPECT_EQ(Player_GetClub(ManagerOf(28)), PLAYER_CLUB_NONE);
}

TEST_F(BoardsTest, ABigManagerAtAnOverachievingClubMayResign) {
  // Club 105 stands top of the table (rank score 22) among clubs of equal
  // reputation, and its manager is a big name with no patience: the roll
  // always comes up (its range is 1; past a composure of 200 it would be
  // nothing, and is held at 1).
  struct Case {
    int16_t clubRep;
    uint8_t composure;
  };
  const Case cases[] = {{63, 200}, {9, 255}};
  std::swap(DivisionTable[0][1], DivisionTable[4][105 - 92]);  // club 1 plays on another weekday
  const int16_t m = ManagerOf(105);
  SetPersonality(m, 18, 0);
  for (const Case& c : cases) {
    for (int16_t club = 0; club < tw::kLeagueClubs; ++club) Club_SetRep(club, c.clubRep);
    BuildReputationTable();
    ASSERT_GE(CalcRepRankScore(105), 15);
    Player_SetClub(m, 105);
    Player_SetWage(m, 255);
    Player_SetReputation(m, 63);
    PlayerStatTables.personalityTemplate[m % NUM_STAT_CODES][18 - 15] = c.composure;
    ClubSimCounts_Clear();
    ComputerClubsManagerChanges();
    EXPECT_EQ(Player_GetClub(m), PLAYER_CLUB_NONE) << c.clubRep;
    EXPECT_EQ(Player_GetWage(m), 105);
    EXPECT_EQ(ClubSimCount.resigned, 1);
    EXPECT_EQ(ClubSimCount.sacked, 0);
  }
}

TEST_F(BoardsTest, VacanciesAreTimedUntilTheyAreFilled) {
  Player_SetManager(ManagerOf(14), 0);
  ComputerClubsManagerChanges();
  EXPECT_EQ(ClubSimCount.longestVacancy, 0);
  DayOfSeason += 7;
  Player_SetManager(ManagerOf(14), 1);  // filled
  Player_SetManager(ManagerOf(21), 0);
  ComputerClubsManagerChanges();
  EXPECT_EQ(ClubSimCount.longestVacancy, 7);
  DayOfSeason += 10;
  ComputerClubsManagerChanges();
  EXPECT_EQ(ClubSimCount.longestVacancy, 10);
}

// ---------------------------------------------------------------------------
// The board member's stake
// ---------------------------------------------------------------------------

TEST_F(BoardsTest, ABoardMemberTakesHisStakeOnlyFromAClubAboveSixtyTwoMillion) {
  Club_SetBalance(10, 62000000);
  Club_SetBalance(11, 62000001);
  Club_SetBalance(12, 80000000);
  Club_SetControl(12, 1);
  BuildClubProcessingList();
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    Club_SetBalance(11, 62000001);
    GameSeedRandom(seed);
    const int64_t before = static_cast<int64_t>(MoneyPool) + Club_GetBalance(11);
    BoardResignationEvent();
    const int32_t stake = 62000001 - Club_GetBalance(11);
    EXPECT_GE(stake, 6200000);
    EXPECT_LE(stake, 14880000);
    EXPECT_EQ(static_cast<int64_t>(MoneyPool) + Club_GetBalance(11), before);
  }
  EXPECT_EQ(Club_GetBalance(10), 62000000);
  EXPECT_EQ(Club_GetBalance(12), 80000000);  // human-run
}

}  // namespace
