// New players: a retired player made again as a newcomer in his own record,
// a club's trainee, and the week's youth intake.
#include "clubsim/youth.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "clubsim/injuries.h"
#include "clubsim/simcounts.h"
#include "engine/rand.h"
#include "menus/menuprims.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

std::vector<std::string> News() {
  std::vector<std::string> texts;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") texts.push_back(call.text);
  return texts;
}
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int16_t AddPlayer(int16_t club, int position, int nationality = 0) {
  const int16_t p = PlayerCount;
  PlayerCount = PlayerTotalCount = static_cast<int16_t>(p + 1);
  Player_SetClub(p, club);
  Player_SetPosition(p, position);
  Player_SetNationality(p, nationality);
  Player_SetWage(p, 100);
  Player_SetContract(p, 24);
  Player_SetReserveSlot(p, -1);
  Player_SetAge(p, 8);
  return p;
}

// A player with a long career behind him: every field a newcomer starts afresh.
void GiveCareer(int16_t p) {
  Player_SetWage(p, 400);
  Player_SetManPrice(p, 2500000);
  Player_SetSellOnClause(p, 20);
  Player_SetBidCount(p, 7);
  Player_SetAge(p, 21);
  Player_SetContract(p, 30);
  Player_SetBRClause(p, 1);
  Player_SetRRClause(p, 1);
  Player_SetCareerGoals(p, 120);
  Player_SetCareerApps(p, 400);
  Player_SetGoals(p, 12);
  Player_SetApps(p, 30);
  Player_SetFatigue(p, 25);
  Player_SetFitness(p, 55);
  Player_SetCaptain(p, 1);
  Player_SetEuroBan(p, 1);
  Player_SetEuroDispoints(p, 1);
  Player_SetDispoints(p, 9);
  Player_SetSuspension(p, 2);
  Player_SetBanwait(p, 1);
  Player_SetRecurringInjury(p, 1);
  Player_SetPerf(p, 70);
  Player_SetTxList(p, 1);
  Player_SetTxReq(p, 1);
  Player_SetLoanList(p, 1);
  Player_SetMorale(p, 12);
  Player_SetShirt(p, 9);
  Player_SetExperience(p, 50);
  Player_SetReputation(p, 44);
  Player_SetTraining(p, 3000);
  Player_SetAbilityCurve(p, 249);
  Player_SetSaleStatus(p, 1);
  Player_SetBossvane(p, 1);
  for (int cup = 0; cup < NUM_PLAYER_CUPS; ++cup) Player_SetCupTied(p, tw::kHumanClub, cup);
  InjurePlayer(p, 20, 12, 0);
  PlayerCareerLog_Add(p, Club_GetDbId(Player_GetClub(p)), 30, 12, 0);
}

// The fields every newcomer starts with, whatever he was.
void ExpectNewcomer(int16_t p, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_EQ(Player_GetAge(p), 0);
  EXPECT_EQ(Player_GetSellOnClause(p), -1);
  EXPECT_EQ(Player_GetManPrice(p), -1);
  for (auto [field, value] :
       {std::pair{"bids", Player_GetBidCount(p)}, {"BR", Player_GetBRClause(p)}, {"RR", Player_GetRRClause(p)},
        {"career goals", Player_GetCareerGoals(p)}, {"career apps", Player_GetCareerApps(p)},
        {"goals", Player_GetGoals(p)}, {"apps", Player_GetApps(p)}, {"fatigue", Player_GetFatigue(p)},
        {"captain", Player_GetCaptain(p)}, {"euro ban", Player_GetEuroBan(p)},
        {"euro points", Player_GetEuroDispoints(p)}, {"points", Player_GetDispoints(p)},
        {"suspension", Player_GetSuspension(p)}, {"ban wait", Player_GetBanwait(p)},
        {"recurring", Player_GetRecurringInjury(p)}, {"perf", Player_GetPerf(p)}, {"tx list", Player_GetTxList(p)},
        {"request", Player_GetTxReq(p)}, {"loan list", Player_GetLoanList(p)}, {"shirt", Player_GetShirt(p)},
        {"experience", Player_GetExperience(p)}, {"reputation", Player_GetReputation(p)},
        {"training", Player_GetTraining(p)}, {"sale status", Player_GetSaleStatus(p)},
        {"injured", Player_GetInFlag(p)}, {"on loan", Player_GetOnLoan(p)}, {"bossvane", Player_GetBossvane(p)},
        {"caretaker", Player_GetCaretaker(p)}, {"manager", Player_GetManager(p)}})
    EXPECT_EQ(value, 0) << field;
  EXPECT_EQ(Player_GetFitness(p), 30);
  EXPECT_EQ(Player_GetMorale(p), 60);
  EXPECT_EQ(InjuryList_FindPlayer(p), -1);
  for (int cup = 0; cup < NUM_PLAYER_CUPS; ++cup)
    EXPECT_EQ(Player_GetCupTied(p, cup), cup == 5 ? tw::kHumanClub : PLAYER_CLUB_NONE) << "cup " << cup;
  PlayerCareerLogEntry entries[CAREER_ENTRIES_MAX];
  EXPECT_EQ(PlayerCareerLog_GetEntries(p, entries), 0);
  const int initial = Player_GetInitial(p);
  EXPECT_NE(std::strchr(NEWCOMER_INITIALS, 'A' + initial - 1), nullptr) << initial;
  EXPECT_GE(initial, 1);
}

using RegenerateTest = WorldTest;

TEST_F(RegenerateTest, ARetiredPlayerIsMadeAgainInHisOwnRecordAsAFreeAgent) {
  const int16_t p = tw::kForward;
  GiveCareer(p);
  const int16_t surname = Player_GetSurname(p);
  const int16_t nationality = Player_GetNationality(p);
  const int16_t stored = Player_GetStoredPosition(p);
  const int16_t count = PlayerCount;
  MenuPrims_ClearCalls();

  RegeneratePlayer(p);

  ExpectNewcomer(p, "retired forward");
  EXPECT_EQ(Player_GetClub(p), PLAYER_CLUB_FREE_AGENT);
  EXPECT_EQ(Player_GetWage(p), 0);
  EXPECT_EQ(Player_GetContract(p), 0);
  EXPECT_LT(Player_GetAbilityCurve(p), 250);
  EXPECT_EQ(Player_GetSurname(p), surname);
  EXPECT_EQ(Player_GetNationality(p), nationality);
  EXPECT_EQ(Player_GetStoredPosition(p), stored);
  EXPECT_EQ(PlayerCount, count);
  EXPECT_EQ(ClubSimCount.retired, 1);
  EXPECT_EQ(ClubSimCount.youth, 1);
  // He played for the human club: the news is shown, before his name changed.
  const std::vector<std::string> news = News();
  ASSERT_EQ(news.size(), 1u);
  EXPECT_TRUE(Contains(news[0], "Striker has retired from the game.")) << news[0];
}

TEST_F(RegenerateTest, AManagerRetiresWithHisOwnWordsAndAPlayerHeldAbroadStaysInThePool) {
  struct Case {
    const char* name;
    bool manager;
    int16_t reserveSlot;
    const char* news;
    int16_t club;
  };
  const Case cases[] = {
      {"manager", true, -1, "Manager Striker has retired from the game.", PLAYER_CLUB_FREE_AGENT},
      {"held for a club abroad", false, 612, "Striker has retired from the game.", PLAYER_CLUB_RESERVE_POOL},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    const int16_t p = tw::kForward;
    if (c.manager) Player_SetPosition(p, POSITION_MANAGER);
    Player_SetReserveSlot(p, c.reserveSlot);
    MenuPrims_ClearCalls();
    RegeneratePlayer(p);
    EXPECT_EQ(Player_GetClub(p), c.club) << c.name;
    EXPECT_EQ(Player_GetPosition(p), 11) << c.name;
    const std::vector<std::string> news = News();
    ASSERT_EQ(news.size(), 1u) << c.name;
    EXPECT_TRUE(Contains(news[0], c.news)) << c.name << ": " << news[0];
  }
}

TEST_F(RegenerateTest, TheHumanManagerAndTheNoManagerRecordAreNeverMadeAgain) {
  for (int16_t p : {tw::kHumanManager, tw::kNoManager, tw::kPlayerCount}) {
    RegeneratePlayer(p);
    if (p < PlayerCount) {
      EXPECT_EQ(Player_GetAge(p), 8) << p;
    }
  }
  EXPECT_EQ(ClubSimCount.retired, 0);
  EXPECT_TRUE(News().empty());
}

class ForeignNewcomerTest : public LeagueWorldTest {
 protected:
  static constexpr int kItaly = 2;
  void SetUp() override {
    LeagueWorldTest::SetUp();
    for (int16_t club = 0; club < NUM_CLUBS; ++club)
      if (Club_GetCountry(club) == kItaly) italian_.push_back(club);
  }
  std::vector<int16_t> italian_;
};

TEST_F(ForeignNewcomerTest, AForeignNewcomerJoinsTheSmallestSquadOfHisCountryOrStaysAFreeAgent) {
  ASSERT_GE(italian_.size(), 4u);
  struct Case {
    const char* name;
    int fill;              // players at every Italian club
    int smaller;           // players at the third and fourth Italian clubs
    int expectedIndex;     // of the Italian club he joins, -1 none
  };
  const Case cases[] = {
      {"the smaller squads: the first of equals", 20, 7, 2},
      {"31 players still leave a place", 32, 31, 2},
      {"every squad full", 32, 32, -1},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildLeagueWorld();
    for (size_t i = 0; i < italian_.size(); ++i) {
      const int n = i == 2 || i == 3 ? c.smaller : c.fill;
      for (int k = 0; k < n; ++k) AddPlayer(italian_[i], 5, kItaly);
    }
    // A non-playing manager does not count for a squad.
    Player_SetPosition(AddPlayer(italian_[2], 5, kItaly), POSITION_MANAGER);
    const int16_t p = AddPlayer(tw::kLeagueClub, 7, kItaly);
    RegeneratePlayer(p);
    const int16_t expected = c.expectedIndex < 0 ? PLAYER_CLUB_FREE_AGENT : italian_[c.expectedIndex];
    EXPECT_EQ(Player_GetClub(p), expected) << c.name;
    EXPECT_EQ(Player_GetWage(p), 0) << c.name;
  }
}

TEST_F(ForeignNewcomerTest, ANewcomerOfTheGameCountryStaysAFreeAgent) {
  const int16_t p = AddPlayer(tw::kLeagueClub, 7, 0);
  RegeneratePlayer(p);
  EXPECT_EQ(Player_GetClub(p), PLAYER_CLUB_FREE_AGENT);
}

using TraineeTest = WorldTest;

TEST_F(TraineeTest, ATraineeSignsAYearsContractWithTheNewsAndTheClubsLog) {
  const int16_t p = tw::kDefender;
  GiveCareer(p);
  Player_SetClub(p, PLAYER_CLUB_NONE);
  MenuPrims_ClearCalls();
  const int32_t events = ClubEventLog_Used();

  YouthPlayer(p, tw::kHumanClub, 10);

  ExpectNewcomer(p, "trainee");
  EXPECT_EQ(Player_GetClub(p), tw::kHumanClub);
  EXPECT_EQ(Player_GetContract(p), 12);
  EXPECT_EQ(Player_GetWage(p), 2);
  EXPECT_EQ(ClubSimCount.retired, 0);
  EXPECT_EQ(ClubSimCount.youth, 1);
  const std::vector<std::string> news = News();
  ASSERT_EQ(news.size(), 1u);
  EXPECT_TRUE(Contains(news[0], "Rossini")) << news[0];
  EXPECT_TRUE(Contains(news[0], "Dorringley City")) << news[0];
  ASSERT_EQ(ClubEventLog_Used(), events + 1);
  const ClubEvent event = ClubEventLogEntry_Decode(ClubEventLog[events]);
  EXPECT_EQ(event.type, 11);
  EXPECT_EQ(event.player, p);
  EXPECT_EQ(event.club, tw::kHumanClub);
}

TEST_F(TraineeTest, EveryOfficersLevelGivesACurveWithinItsRange) {
  // Levels past what a record holds are read as 16 at most: never a draw of nothing.
  for (int16_t level : {0, 5, 10, 16, 40, -3}) {
    for (int n = 0; n < 200; ++n) {
      YouthPlayer(tw::kFreeAgent, tw::kLeagueClub, level);
      const int16_t curve = Player_GetAbilityCurve(tw::kFreeAgent);
      ASSERT_GE(curve, 0) << level;
      ASSERT_LT(curve, 250) << level;
    }
  }
}

class YouthIntakeTest : public LeagueWorldTest {
 protected:
  static constexpr int16_t kClub = 30;  // division 1, 18 players
  void SetUp() override {
    LeagueWorldTest::SetUp();
    Populate();
  }
  // The league world afresh, the club with youth staff and the unattached
  // players, in player order.
  void Populate() {
    Club_SetCoachYouth(kClub, 10);
    Club_SetYDO(kClub, 6);
    manager_ = AddPlayer(PLAYER_CLUB_NONE, 5);
    Player_SetPosition(manager_, POSITION_MANAGER);
    bidFor_ = AddPlayer(PLAYER_CLUB_NONE, 6);
    BidInfo_SetPlayer(0, bidFor_);
    BidInfo_SetDays(0, 5);
    keeper_ = AddPlayer(PLAYER_CLUB_NONE, 0);
    outfield_ = AddPlayer(PLAYER_CLUB_NONE, 9);
    freeAgent_ = AddPlayer(PLAYER_CLUB_FREE_AGENT, 9);
  }
  void Rebuild() {
    ResetWorld();
    BuildLeagueWorld();
    Populate();
  }

  // Sets the generator so that the intake's week draw says keepers (or not)
  // and the one club with a youth coach of level 10 wins its roll.
  static void ChooseWeek(bool keepers) {
    for (uint32_t state = 1;; ++state) {
      GameSetRandomState(state);
      const bool keeperWeek = GameRandom() % 7 == 0;
      const bool taken = GameRandom() % 120 < 10;
      if (keeperWeek == keepers && taken) {
        GameSetRandomState(state);
        return;
      }
    }
  }


 public:
  int16_t manager_ = -1, bidFor_ = -1, keeper_ = -1, outfield_ = -1, freeAgent_ = -1;
};

TEST_F(YouthIntakeTest, TheClubTakesTheFirstUnattachedPlayerOfTheKindItLooksFor) {
  struct Case {
    const char* name;
    bool keepers;
    int16_t YouthIntakeTest::*taken;
  };
  const Case cases[] = {
      {"an outfield week: not the manager, not the player awaiting a bid's answer", false,
       &YouthIntakeTest::outfield_},
      {"a keeper week", true, &YouthIntakeTest::keeper_},
  };
  for (const Case& c : cases) {
    Rebuild();
    ChooseWeek(c.keepers);
    YouthIntake();
    const int16_t p = this->*c.taken;
    EXPECT_EQ(Player_GetClub(p), kClub) << c.name;
    EXPECT_EQ(Player_GetAge(p), 0) << c.name;
    EXPECT_EQ(Player_GetContract(p), 12) << c.name;
    int signings = 0;
    for (int16_t q : {manager_, bidFor_, keeper_, outfield_, freeAgent_}) signings += Player_GetClub(q) == kClub;
    EXPECT_EQ(signings, 1) << c.name;
    EXPECT_EQ(ClubSimCount.youth, 1) << c.name;
  }
}

TEST_F(YouthIntakeTest, NoTraineeWithoutAYouthCoachOrRoomInTheSquadOrOutsideTheLeague) {
  struct Case {
    const char* name;
    int16_t coach;
    int extraPlayers;
    int division;
    bool takes;
  };
  const Case cases[] = {
      {"28 players", 10, 10, 1, true},
      {"29 players", 10, 11, 1, false},
      {"no youth coach", 0, 0, 1, false},
      {"outside the league", 10, 0, 6, false},
  };
  for (const Case& c : cases) {
    Rebuild();
    Club_SetCoachYouth(kClub, c.coach);
    Club_SetDivision(kClub, c.division);
    for (int k = 0; k < c.extraPlayers; ++k) AddPlayer(kClub, 3);
    // Four years of weeks: a club that may take a trainee does, and a
    // squad of 29 takes no more.
    for (int week = 0; week < 200; ++week) YouthIntake();
    int signings = 0;
    for (int16_t q : {manager_, bidFor_, keeper_, outfield_, freeAgent_}) signings += Player_GetClub(q) == kClub;
    EXPECT_EQ(signings, c.takes ? 1 : 0) << c.name;
    EXPECT_EQ(ClubSimCount.youth, signings) << c.name;
  }
}

}  // namespace
