#include "clubsim/yearend.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "clubsim/bids.h"
#include "clubsim/clubsvc.h"
#include "clubsim/injuries.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/valuation.h"
#include "menus/menuprims.h"
#include "season/careerrun.h"
#include "season/seasonstate.h"
#include "support/career_world.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

std::vector<std::string> News() {
  std::vector<std::string> texts;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") texts.push_back(call.text);
  return texts;
}
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A new player of the test worlds: English, stored age 8, a contract, no market value.
int16_t AddPlayer(int16_t club, int position, int age, int contract = 24, int wage = 100) {
  const int16_t p = PlayerCount;
  PlayerCount = PlayerTotalCount = static_cast<int16_t>(p + 1);
  Player_SetClub(p, club);
  Player_SetPosition(p, position);
  Player_SetNationality(p, 0);
  Player_SetWage(p, wage);
  Player_SetContract(p, contract);
  Player_SetReserveSlot(p, -1);
  Player_SetAge(p, age);
  Player_SetMorale(p, 40);
  return p;
}

class YearEndTest : public WorldTest {
 protected:
  // Gives the player a season's worth of figures and listings.
  static void PlaySeason(int16_t p) {
    Player_SetWage(p, 500);
    Player_SetManPrice(p, 250000);
    Player_SetSaleStatus(p, 1);
    Player_SetGoals(p, 9);
    Player_SetApps(p, 30);
    Player_SetPerf(p, 61);
    Player_SetTxList(p, 1);
    Player_SetLoanList(p, 1);
    Player_SetBidCount(p, 2);
    Player_SetEuroDispoints(p, 1);
    Player_SetDispoints(p, 13);
    Player_SetSuspension(p, 2);
    Player_SetReputation(p, 40);
    Player_SetExperience(p, 20);
    for (int cup = 0; cup < 7; ++cup) Player_SetCupTied(p, tw::kHumanClub, cup);
  }
};

TEST_F(YearEndTest, TheNewYearClearsTheSeasonsFiguresAndKeepsTheRest) {
  PlaySeason(tw::kForward);
  PlaySeason(1);
  YearEndPlayers();

  const int16_t p = tw::kForward;
  EXPECT_EQ(Player_GetManPrice(p), -1);
  for (auto [what, value] : {std::pair{"sale status", Player_GetSaleStatus(p)}, {"goals", Player_GetGoals(p)},
                             {"apps", Player_GetApps(p)}, {"perf", Player_GetPerf(p)}, {"tx list", Player_GetTxList(p)},
                             {"loan list", Player_GetLoanList(p)}, {"bids", Player_GetBidCount(p)},
                             {"euro points", Player_GetEuroDispoints(p)}, {"points", Player_GetDispoints(p)}})
    EXPECT_EQ(value, 0) << what;
  for (int cup = 0; cup < 7; ++cup)
    EXPECT_EQ(Player_GetCupTied(p, cup), cup == 5 ? tw::kHumanClub : 255) << "cup " << cup;
  // Matches still to serve, reputation and experience carry over.
  EXPECT_EQ(Player_GetSuspension(p), 2);
  EXPECT_EQ(Player_GetReputation(p), 40);
  EXPECT_EQ(Player_GetExperience(p), 20);

  // The record that stands for no manager loses his standing, nothing else.
  EXPECT_EQ(Player_GetReputation(1), 0);
  EXPECT_EQ(Player_GetExperience(1), 0);
  EXPECT_EQ(Player_GetApps(1), 30);
  EXPECT_EQ(Player_GetDispoints(1), 13);
}

TEST_F(YearEndTest, EveryLoanEndsAndThePlayerGoesHomeWithoutTheBorrowersShirt) {
  ASSERT_EQ(Loan_Start(tw::kMidfielder, tw::kLeagueClub, tw::kHumanClub), 1);
  Player_SetShirt(tw::kMidfielder, 7);
  Player_SetLoanList(tw::kMidfielder, 1);
  YearEndPlayers();
  EXPECT_EQ(Player_GetClub(tw::kMidfielder), tw::kLeagueClub);
  EXPECT_EQ(Player_GetOnLoan(tw::kMidfielder), 0);
  EXPECT_EQ(Player_GetLoanList(tw::kMidfielder), 0);
  EXPECT_EQ(Player_GetShirt(tw::kMidfielder), 0);
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) EXPECT_EQ(Loan_GetPlayerNo(slot), -1) << slot;
}

TEST_F(YearEndTest, ReservesHeldForAMatchGoBackAndEveryBidIsCleared) {
  // A reserve still at the club he was picked for, and one who has signed for it since.
  Reserve_SetPlayer(0, tw::kFreeAgent);
  Reserve_SetClub(0, tw::kLeagueClub);
  Player_SetClub(tw::kFreeAgent, tw::kLeagueClub);
  Player_SetShirt(tw::kFreeAgent, 14);
  Reserve_SetPlayer(1, tw::kMidfielder);
  Reserve_SetClub(1, tw::kLeagueClub);
  Club_SetBid(tw::kLeagueClub, 2, tw::kForward, 5000, 0);
  BidInfo_SetPlayer(7, tw::kForward);
  BidInfo_SetDays(7, 4);
  YearEndPlayers();
  EXPECT_EQ(Player_GetClub(tw::kFreeAgent), PLAYER_CLUB_FREE_AGENT);
  EXPECT_EQ(Player_GetShirt(tw::kFreeAgent), 0);  // the club's shirt stays with the club
  EXPECT_EQ(Player_GetClub(tw::kMidfielder), tw::kLeagueClub);
  EXPECT_EQ(BidInfo_GetPlayer(7), -1);
  for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot) EXPECT_EQ(Club_GetBidPlayer(tw::kLeagueClub, slot), -1);
}

TEST_F(YearEndTest, ShirtNumbersStayWithTheClubs) {
  // A free agent back from a stint as a reserve, a player held abroad, a
  // manager without a club: none of them takes a number into the new season.
  Player_SetShirt(tw::kFreeAgent, 16);
  Player_SetClub(tw::kItalian, PLAYER_CLUB_RESERVE_POOL);
  Player_SetShirt(tw::kItalian, 1);
  Player_SetShirt(tw::kNoManager, 3);
  Player_SetShirt(tw::kKeeper, 1);
  YearEndPlayers();
  for (int16_t p : {tw::kFreeAgent, tw::kItalian, tw::kNoManager}) EXPECT_EQ(Player_GetShirt(p), 0) << p;
  EXPECT_EQ(Player_GetShirt(tw::kKeeper), 1);  // at his club he keeps his
}

TEST_F(YearEndTest, EveryoneIsAYearOlderButTheHumanManagerOnlyWhileHePlays) {
  struct Case {
    const char* name;
    bool manager, plays;
    int age;
    int ageAfter;
    bool playsAfter, managerAfter;
  };
  const Case cases[] = {
      {"playing manager", true, true, 10, 11, true, true},
      {"playing manager past 40", true, true, 24, 25, false, true},
      {"manager who does not play", true, false, 30, 30, false, true},
      {"not yet a manager at 39", false, false, 22, 23, false, false},
      {"not yet a manager at 40", false, false, 23, 24, false, true},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    const int16_t p = tw::kHumanManager;
    Player_SetManager(p, c.manager ? 1 : 0);
    Player_SetBossvane(p, c.plays ? 1 : 0);
    Player_SetAge(p, c.age);
    YearEndPlayers();
    EXPECT_EQ(Player_GetAge(p), c.ageAfter) << c.name;
    EXPECT_EQ(Player_GetBossvane(p), c.playsAfter ? 1 : 0) << c.name;
    EXPECT_EQ(Player_GetPosition(p) == POSITION_MANAGER, c.managerAfter) << c.name;
    EXPECT_EQ(Player_GetClub(p), tw::kHumanClub) << c.name;
    EXPECT_EQ(Player_GetAge(tw::kForward), 9) << c.name;
    EXPECT_EQ(Player_GetAge(tw::kNoManager), 8) << c.name;
  }
}

TEST_F(YearEndTest, PlayersAbroadAndAtForeignClubsGetInventedFiguresAndTheWageTheyAsk) {
  DayOfSeason = 366;  // the new year's day
  Player_SetAbilityCurve(tw::kItalian, 125);
  Player_SetCareerApps(tw::kForward, 77);
  YearEndPlayers();
  // apps = 36 x 125 / 250 = 18, career apps = (18 + 9 x 30) x 125 / 250 = 144.
  EXPECT_EQ(Player_GetCareerApps(tw::kItalian), 144);
  EXPECT_EQ(Player_GetExperience(tw::kItalian), 144 / 8 + 2 * 9);
  EXPECT_EQ(Player_GetApps(tw::kItalian), 0);  // the season's own figures start afresh
  EXPECT_EQ(Player_GetWage(tw::kItalian), GetPlayerWageDemand(tw::kItalian, tw::kForeignClub) / 25);
  EXPECT_EQ(Player_GetCareerApps(tw::kForward), 77);  // a game-country player keeps his own
  EXPECT_EQ(Player_GetWage(tw::kForward), 800);
}

TEST_F(YearEndTest, AMarketPriceGoesEvenFromAPlayerWithoutAWage) {
  Player_SetManPrice(tw::kFreeAgent, -1);
  Player_SetWage(tw::kFreeAgent, 10);
  Player_SetManPrice(tw::kFreeAgent, 900000);
  Player_SetWage(tw::kFreeAgent, 0);
  ASSERT_EQ(Player_GetManPrice(tw::kFreeAgent), 900000);
  YearEndPlayers();
  EXPECT_EQ(Player_GetManPrice(tw::kFreeAgent), -1);
}

class YearEndLeagueTest : public LeagueWorldTest {
 protected:
  static constexpr int16_t kClub = 50;

  // Makes the league world's first players managers until there are n.
  static void MakeManagers(int n) {
    for (int16_t p = 2; p < 2 + n; ++p) Player_SetPosition(p, POSITION_MANAGER);
    ASSERT_EQ(CountManagers(), n);
  }
  // A personality whose stat 19 is the value (template row 200 onwards).
  static void SetStat19(int16_t p, int value) {
    static int row = 200;
    PlayerStatTables.personalityTemplate[row][19 - 15] = static_cast<uint8_t>(value);
    Player_SetPersonalityStats(p, row++);
  }
};

TEST_F(YearEndLeagueTest, ContractOrValueKeepAPlayerToFortyAndManagersPlayOnToSixtyTwo) {
  MakeManagers(200);
  const int16_t at39 = AddPlayer(kClub, 5, 23);
  const int16_t at40 = AddPlayer(kClub, 5, 24);
  const int16_t manager46 = AddPlayer(kClub, 5, 45);
  const int16_t manager47 = AddPlayer(kClub, 5, 46);
  for (int16_t p : {manager46, manager47}) Player_SetPosition(p, POSITION_MANAGER);
  ASSERT_EQ(ValuePlayer(at39), 0);
  MenuPrims_ClearCalls();
  YearEndPlayers();
  EXPECT_EQ(Player_GetAge(at39), 24);
  EXPECT_EQ(Player_GetClub(at39), kClub);
  EXPECT_EQ(Player_GetAge(at40), 0);  // made again
  EXPECT_EQ(Player_GetClub(at40), PLAYER_CLUB_FREE_AGENT);
  EXPECT_EQ(Player_GetAge(manager46), 46);
  EXPECT_EQ(Player_GetPosition(manager46), POSITION_MANAGER);
  EXPECT_EQ(Player_GetAge(manager47), 0);
  EXPECT_EQ(Player_GetPosition(manager47), 5);
  EXPECT_EQ(ClubSimCount.retired, 2);
  EXPECT_EQ(ClubSimCount.youth, 2);
}

TEST_F(YearEndLeagueTest, RetiringPlayersTurnToManagementOnlyWhileManagersAreFew) {
  struct Case {
    const char* name;
    int managers;
    int stat19, reputation, experience;
    bool manages;
  };
  const Case cases[] = {
      {"113 managers, a strong character", 113, 81, 0, 0, true},
      {"113 managers, character 80", 113, 80, 63, 63, false},
      {"114 managers, a name in the game", 114, 0, 41, 40, true},
      {"114 managers, reputation and experience 80", 114, 99, 40, 40, false},
      {"133 managers, a name in the game", 133, 0, 63, 18, true},
      {"134 managers: everyone retires", 134, 99, 63, 63, false},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildLeagueWorld();
    MakeManagers(c.managers);
    const int16_t p = AddPlayer(kClub, 8, 24);
    SetStat19(p, c.stat19);
    Player_SetReputation(p, c.reputation);
    Player_SetExperience(p, c.experience);
    Player_SetWage(p, 300);
    YearEndPlayers();
    if (c.manages) {
      EXPECT_EQ(Player_GetPosition(p), POSITION_MANAGER) << c.name;
      EXPECT_EQ(Player_GetClub(p), PLAYER_CLUB_NONE) << c.name;
      EXPECT_EQ(Player_GetWage(p), kClub) << c.name << ": the club he last left";
      EXPECT_EQ(Player_GetAge(p), 25) << c.name;
      EXPECT_EQ(ClubSimCount.retired, 0) << c.name;
    } else {
      EXPECT_EQ(Player_GetAge(p), 0) << c.name;
      EXPECT_EQ(Player_GetPosition(p), 8) << c.name;
      EXPECT_EQ(Player_GetClub(p), PLAYER_CLUB_FREE_AGENT) << c.name;
      EXPECT_EQ(ClubSimCount.retired, 1) << c.name;
    }
  }
}

TEST_F(YearEndLeagueTest, TheHundredAndThirtyFourthManagerIsTheLast) {
  MakeManagers(133);
  const int16_t first = AddPlayer(kClub, 8, 24);
  const int16_t second = AddPlayer(kClub, 8, 24);
  for (int16_t p : {first, second}) {
    Player_SetReputation(p, 63);
    Player_SetExperience(p, 30);
  }
  YearEndPlayers();
  EXPECT_EQ(Player_GetPosition(first), POSITION_MANAGER);
  EXPECT_EQ(Player_GetAge(second), 0);
  EXPECT_EQ(CountManagers(), 134);
}

TEST_F(YearEndLeagueTest, APlayingManagerPastHisPlayingYearsHangsUpHisBoots) {
  MakeManagers(200);
  const int16_t gaffer = AddPlayer(tw::kHumanClub, 5, 13, 0);
  Player_SetBossvane(gaffer, 1);
  Player_SetShirt(gaffer, 4);
  const int16_t caretaker = AddPlayer(tw::kHumanClub, 6, 13, 0);
  Player_SetBossvane(caretaker, 1);
  Player_SetCaretaker(caretaker, 1);
  Club_SetControl(tw::kHumanClub, 1);
  MenuPrims_ClearCalls();
  YearEndPlayers();
  EXPECT_EQ(Player_GetPosition(gaffer), POSITION_MANAGER);
  EXPECT_EQ(Player_GetBossvane(gaffer), 0);
  EXPECT_EQ(Player_GetShirt(gaffer), 0);
  EXPECT_EQ(Player_GetClub(gaffer), tw::kHumanClub);
  EXPECT_EQ(Player_GetAge(gaffer), 14);
  // A caretaker is no manager of his own: he retires like any player.
  EXPECT_EQ(Player_GetAge(caretaker), 0);
  bool told = false;
  for (const std::string& text : News()) told |= Contains(text, "hang up his boots") || Contains(text, "management");
  EXPECT_TRUE(told);
}

TEST_F(YearEndLeagueTest, YoungPlayersWithoutAFutureAreListedOrSomeRetireFromTwentyOne) {
  MakeManagers(200);
  std::vector<int16_t> at20, at21, at17;
  for (int k = 0; k < 300; ++k) at21.push_back(AddPlayer(kClub, 5, 4, 0));
  for (int k = 0; k < 50; ++k) at20.push_back(AddPlayer(kClub, 5, 3, 0));
  for (int k = 0; k < 10; ++k) at17.push_back(AddPlayer(kClub, 5, 0, 0));
  YearEndPlayers();
  int retired = 0;
  for (int16_t p : at21) {
    if (Player_GetAge(p) == 0) {
      ++retired;
      continue;
    }
    EXPECT_EQ(Player_GetClub(p), kClub) << p;
    EXPECT_EQ(Player_GetWage(p), 1) << p;
    EXPECT_EQ(Player_GetTxList(p), 1) << p;
  }
  // Three in ten, drawn player by player.
  EXPECT_GT(retired, 60);
  EXPECT_LT(retired, 120);
  for (int16_t p : at20) {
    EXPECT_EQ(Player_GetAge(p), 4) << p;
    EXPECT_EQ(Player_GetWage(p), 1) << p;
  }
  for (int16_t p : at17) {  // too young to be listed
    EXPECT_EQ(Player_GetAge(p), 1) << p;
    EXPECT_EQ(Player_GetWage(p), 100) << p;
    EXPECT_EQ(Player_GetTxList(p), 0) << p;
  }
}

TEST_F(YearEndLeagueTest, AFreeAgentOfSeventeenStaysOneAndAtEighteenIsUnattachedAndListed) {
  // Enough free agents that none need making up.
  for (int k = 0; k < FREE_AGENTS_WANTED; ++k) AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 0, 0);
  const int16_t at17 = AddPlayer(PLAYER_CLUB_FREE_AGENT, 6, 0, 0, 0);
  const int16_t at18 = AddPlayer(PLAYER_CLUB_FREE_AGENT, 6, 1, 0, 0);
  YearEndPlayers();
  EXPECT_EQ(Player_GetAge(at17), 1);
  EXPECT_EQ(Player_GetClub(at17), PLAYER_CLUB_FREE_AGENT);
  EXPECT_EQ(Player_GetWage(at17), 0);
  EXPECT_EQ(Player_GetAge(at18), 2);
  EXPECT_EQ(Player_GetClub(at18), PLAYER_CLUB_NONE);
  EXPECT_EQ(Player_GetWage(at18), 1);
  EXPECT_EQ(Player_GetTxList(at18), 1);
  EXPECT_EQ(Player_GetSaleStatus(at18), 0);
  EXPECT_EQ(CountFreeAgents(), FREE_AGENTS_WANTED + 1);
}

TEST_F(YearEndLeagueTest, YoungUnattachedPlayersMakeUpTheFreeAgentsToAHundredAndFifty) {
  struct Case {
    const char* name;
    int freeAgents, youngUnattached;
    int expectedFree;
  };
  const Case cases[] = {
      {"plenty of young unattached players", 10, 200, 150},
      {"too few of them", 10, 30, 40},
      {"enough free agents already", 160, 20, 160},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildLeagueWorld();
    MakeManagers(200);
    for (int k = 0; k < c.freeAgents; ++k) AddPlayer(PLAYER_CLUB_FREE_AGENT, 5, 0, 0, 0);
    // Not for the making up: a manager without a club, an older player, the
    // human manager and the record that stands for no manager.
    const int16_t freeManager = AddPlayer(PLAYER_CLUB_NONE, POSITION_MANAGER, 3, 0, 1);
    const int16_t older = AddPlayer(PLAYER_CLUB_NONE, 5, 7, 0, 1);
    for (int16_t p : {int16_t{0}, int16_t{1}}) {
      Player_SetClub(p, PLAYER_CLUB_NONE);
      Player_SetPosition(p, POSITION_MANAGER);
      Player_SetAge(p, 3);
    }
    std::vector<int16_t> young;
    for (int k = 0; k < c.youngUnattached; ++k) young.push_back(AddPlayer(PLAYER_CLUB_NONE, 5, 3, 0, 1));
    const int16_t count = PlayerCount;
    YearEndPlayers();
    EXPECT_EQ(CountFreeAgents(), c.expectedFree) << c.name;
    EXPECT_EQ(PlayerCount, count) << c.name;
    for (int16_t p : {freeManager, older, int16_t{0}, int16_t{1}})
      EXPECT_EQ(Player_GetClub(p), PLAYER_CLUB_NONE) << c.name << " " << p;
    // In player order, without a wage.
    const int madeUp = c.expectedFree - c.freeAgents;
    for (int k = 0; k < c.youngUnattached; ++k) {
      const bool free = Player_GetClub(young[k]) == PLAYER_CLUB_FREE_AGENT;
      EXPECT_EQ(free, k < madeUp) << c.name << " " << k;
      if (free) {
        EXPECT_EQ(Player_GetWage(young[k]), 0) << c.name << " " << k;
      }
    }
  }
}

TEST_F(YearEndLeagueTest, EveryRetiredPlayerComesBackInHisOwnRecordAndAForeignOneGoesHome) {
  MakeManagers(134);
  constexpr int kItaly = 2;
  std::vector<int16_t> italian;
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Club_GetCountry(club) == kItaly) italian.push_back(club);
  ASSERT_GE(italian.size(), 3u);
  for (int16_t club : italian)
    for (int k = 0; k < (club == italian[1] ? 2 : 5); ++k) Player_SetNationality(AddPlayer(club, 5, 8), kItaly);
  // Every player of club 60 is past his playing years; one is Italian.
  std::vector<int16_t> leaving;
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (Player_GetClub(p) == 60) leaving.push_back(p);
  for (int16_t p : leaving) Player_SetAge(p, 24);
  Player_SetNationality(leaving[3], kItaly);
  const int16_t count = PlayerCount, total = PlayerTotalCount;
  YearEndPlayers();
  EXPECT_EQ(PlayerCount, count);
  EXPECT_EQ(PlayerTotalCount, total);
  EXPECT_EQ(ClubSimCount.retired, static_cast<int32_t>(leaving.size()));
  for (int16_t p : leaving) {
    EXPECT_EQ(Player_GetAge(p), 0) << p;
    EXPECT_EQ(Player_GetClub(p), p == leaving[3] ? italian[1] : PLAYER_CLUB_FREE_AGENT) << p;
  }
}

class YearEndCareerTest : public CareerWorldTest {};

// After a whole season played by the day loop the new season starts from
// nothing: no player carries an appearance, a goal or a disciplinary point
// into it, while suspensions still to serve stay.
TEST_F(YearEndCareerTest, ASeasonLaterEveryPlayerStartsTheNewSeasonAfresh) {
  ASSERT_GE(LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 1}), 0);
  EXPECT_EQ(SeasonCounter, 1);
  int suspended = 0;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    ASSERT_EQ(Player_GetApps(p), 0) << p;
    ASSERT_EQ(Player_GetGoals(p), 0) << p;
    ASSERT_EQ(Player_GetDispoints(p), 0) << p;
    ASSERT_EQ(Player_GetEuroDispoints(p), 0) << p;
    suspended += Player_GetSuspension(p) > 0;
  }
  EXPECT_GT(suspended, 0);  // bans earned late in the season are still to serve
}


// A played world's next year end, step by step: nobody is lost or added,
// the lists agree with the players, and the free agents are made up.
TEST_F(YearEndCareerTest, APlayedWorldComesThroughTheYearEndWhole) {
  ASSERT_GE(LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 1}), 0);
  const int16_t count = PlayerCount, total = PlayerTotalCount;
  std::vector<int16_t> age(count);
  for (int16_t p = 0; p < count; ++p) age[p] = Player_GetAge(p);
  ClubSimCounts_Clear();
  DayOfSeason = 366;
  YearEndPlayers();

  EXPECT_EQ(PlayerCount, count);
  EXPECT_EQ(PlayerTotalCount, total);
  int newcomers = 0, youngUnattached = 0;
  std::array<int, NUM_CLUBS> squad{};
  std::array<std::array<int16_t, 17>, NUM_CLUBS> shirts{};
  for (int16_t p = 0; p < count; ++p) {
    const int16_t a = Player_GetAge(p);
    if (a == 0 && p > 1) {
      ++newcomers;
    } else if (p > 1) {
      ASSERT_EQ(a, std::min(age[p] + 1, 63)) << p;
    }
    ASSERT_EQ(Player_GetOnLoan(p), 0) << p;
    ASSERT_EQ(Player_GetInFlag(p) != 0, InjuryList_FindPlayer(p) >= 0) << p;
    const int16_t club = Player_GetClub(p);
    if (club == PLAYER_CLUB_NONE && p > 1 && a < 8 && Player_GetPosition(p) != POSITION_MANAGER) ++youngUnattached;
    if (club < 0 || club >= NUM_CLUBS || Player_GetManager(p)) continue;
    ASSERT_LE(++squad[club], SQUAD_LIST_SIZE) << "club " << club;
    const int16_t shirt = Player_GetShirt(p);
    if (shirt > 0 && shirt <= 16) {
      ASSERT_EQ(shirts[club][shirt]++, 0) << "club " << club << " shirt " << shirt;
    }
  }
  // Newcomers are the retired players made again; the old ones of age 0 are a year older.
  EXPECT_EQ(newcomers, ClubSimCount.retired);
  EXPECT_GT(ClubSimCount.retired, 0);
  EXPECT_TRUE(CountFreeAgents() >= FREE_AGENTS_WANTED || youngUnattached == 0)
      << CountFreeAgents() << " free agents, " << youngUnattached << " young unattached";
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) EXPECT_EQ(Loan_GetPlayerNo(slot), -1);
  for (int16_t entry = 0; entry < NUM_BID_INFOS; ++entry) EXPECT_EQ(BidInfo_GetPlayer(entry), -1);
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot) EXPECT_EQ(Club_GetBidPlayer(club, slot), -1);
}

}  // namespace
