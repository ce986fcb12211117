#include "clubsim/injuries.h"

#include <string>
#include <vector>

#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

class InjuriesTest : public WorldTest {
 public:
  int16_t AddPlayer(int16_t club, int position = 5, int wage = 100) {
    const int16_t p = PlayerCount;
    PlayerCount = PlayerTotalCount = static_cast<int16_t>(p + 1);
    Player_SetClub(p, club);
    Player_SetPosition(p, position);
    Player_SetWage(p, wage);
    Player_SetFitness(p, 60);
    Player_SetContract(p, 24);
    Player_SetReserveSlot(p, -1);
    return p;
  }
  void AddPlayers(int16_t club, int n) {
    for (int i = 0; i < n; ++i) AddPlayer(club);
  }

  // The texts of the news boxes shown so far.
  static std::vector<std::string> News() {
    std::vector<std::string> texts;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoMessageBox") texts.push_back(call.text);
    return texts;
  }
  static std::string LastNews() {
    const std::vector<std::string> texts = News();
    return texts.empty() ? std::string() : texts.back();
  }
  static bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
  static std::string Phrase(int type) { return GetTextNoAddr(TEXT_INJURY_PHRASE + type); }

  static int SlotsOf(int16_t p) {
    int n = 0;
    for (int16_t s = 0; s < NUM_PATIENTS; ++s) n += Patient_GetPlayerNo(s) == p;
    return n;
  }
  static int16_t TimeOf(int16_t p) { return Patient_GetInjuryTime(InjuryList_FindPlayer(p)); }

  // The injury flag iff exactly one slot, whose time is at least 1.
  static void ExpectInjuryListSound(const char* when) {
    for (int16_t s = 0; s < NUM_PATIENTS; ++s) {
      const int16_t p = Patient_GetPlayerNo(s);
      if (p == -1) continue;
      ASSERT_TRUE(p >= 0 && p < PlayerCount) << when << " slot " << s;
      EXPECT_GE(Patient_GetInjuryTime(s), 1) << when << " slot " << s;
    }
    for (int16_t p = 0; p < PlayerCount; ++p)
      EXPECT_EQ(SlotsOf(p), Player_GetInFlag(p) ? 1 : 0) << when << " player " << p;
  }
  // The on-loan flag iff exactly one loan entry, whose weeks are 1-13.
  static void ExpectLoanListSound(const char* when) {
    for (int16_t p = 0; p < PlayerCount; ++p) {
      int entries = 0;
      for (int16_t s = 0; s < NUM_LOANS; ++s) {
        if (Loan_GetPlayerNo(s) != p) continue;
        ++entries;
        EXPECT_GE(Loan_GetLoanWeeks(s), 1) << when;
        EXPECT_LE(Loan_GetLoanWeeks(s), LOAN_WEEKS) << when;
      }
      EXPECT_EQ(entries, Player_GetOnLoan(p) ? 1 : 0) << when << " player " << p;
    }
  }
};

TEST_F(InjuriesTest, TheInjuryTypesHaveTheirTimesContagionAndRarity) {
  const int expected[][4] = {// type, base time, contagious, rarity
                             {0, 0, 0, 0},      {1, 1, 1, 500},    {2, 1, 1, 100},   {3, 1, 0, 1000},
                             {4, 25, 0, 10000}, {7, 2, 0, 5000},   {8, 1, 0, 100},   {14, 52, 0, 5200},
                             {25, 20, 0, 2000}, {32, 36, 0, 3600}, {36, 12, 0, 1200}};
  for (const auto& e : expected) {
    const auto type = static_cast<int16_t>(e[0]);
    EXPECT_EQ(InjuryType_BaseTime(type), e[1]) << type;
    EXPECT_EQ(InjuryType_IsContagious(type), e[2]) << type;
    EXPECT_EQ(InjuryType_Rarity(type), e[3]) << type;
  }
  int contagious = 0;
  for (int16_t type = 0; type < NUM_INJURY_TYPES; ++type) {
    contagious += InjuryType_IsContagious(type);
    if (type >= FIRST_INJURY_TYPE) {
      EXPECT_EQ(InjuryType_Rarity(type) % 100, 0) << type;
    }
  }
  EXPECT_EQ(contagious, 2);
  EXPECT_EQ(InjuryType_BaseTime(37), 0);
  EXPECT_EQ(InjuryType_Rarity(-1), 0);
  EXPECT_STREQ(GetTextNoAddr(TEXT_INJURY_NAME + 0), "AWOL");
  EXPECT_STREQ(GetTextNoAddr(TEXT_INJURY_NAME + 36), "Fractured leg");
  EXPECT_EQ(Phrase(1), "the flu");
}

TEST_F(InjuriesTest, AnInjuryTakesTheFirstFreeSlotWithItsLogsAndNews) {
  struct Case {
    const char* name;
    int16_t type, time, inTraining;
    int16_t storedTime;
    int clubEvents, careerEntries;
    std::vector<std::string> news;  // every part must be in the one message; empty: no message
  };
  const std::vector<Case> cases = {
      {"an absence", 0, 10, 0, 10, 1, 1, {}},
      {"an illness", 1, 3, 0, 3, 0, 0, {"has called in sick with the flu."}},
      {"an injury", 20, 4, 0, 4, 0, 1, {Phrase(20)}},
      {"a training injury", 20, 9, 1, 9, 1, 1, {Phrase(20), "in training today"}},
      {"no time at all", 8, 0, 0, 1, 0, 0, {Phrase(8)}},
      {"past the slot's limit", 14, 400, 0, MAX_INJURY_TIME, 1, 1, {Phrase(14)}},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    Patient_SetPlayerNo(0, tw::kItalian);  // slot 0 taken
    Patient_SetInjuryTime(0, 5);
    Player_SetInFlag(tw::kItalian, 1);

    InjurePlayer(tw::kForward, c.time, c.type, c.inTraining);
    EXPECT_EQ(Patient_GetPlayerNo(1), tw::kForward) << c.name;
    EXPECT_EQ(Patient_GetInjuryType(1), c.type) << c.name;
    EXPECT_EQ(Patient_GetInjuryTime(1), c.storedTime) << c.name;
    EXPECT_EQ(Player_GetInFlag(tw::kForward), 1) << c.name;
    EXPECT_EQ(ClubEventLog_Used(), c.clubEvents) << c.name;
    EXPECT_EQ(PlayerCareerLog_Used(), c.careerEntries) << c.name;
    const std::vector<std::string> news = News();
    ASSERT_EQ(news.size(), c.news.empty() ? 0u : 1u) << c.name;
    for (const std::string& part : c.news) EXPECT_TRUE(Contains(news[0], part)) << c.name << ": " << news[0];
    if (!c.inTraining && !news.empty()) {
      EXPECT_FALSE(Contains(news[0], "training")) << c.name;
    }
    ExpectInjuryListSound(c.name);
  }
}

TEST_F(InjuriesTest, AFullInjuryListDropsTheNextInjurySilently) {
  std::vector<int16_t> players;
  for (int i = 0; i <= NUM_PATIENTS; ++i) players.push_back(AddPlayer(tw::kHumanClub));
  for (int i = 0; i < NUM_PATIENTS; ++i) InjurePlayer(players[i], 6, 20, 0);
  ASSERT_EQ(InjuryList_FindPlayer(players[NUM_PATIENTS - 1]), NUM_PATIENTS - 1);
  const size_t shown = News().size();
  const int32_t careers = PlayerCareerLog_Used();

  InjurePlayer(players[NUM_PATIENTS], 6, 20, 0);
  EXPECT_EQ(Player_GetInFlag(players[NUM_PATIENTS]), 0);
  EXPECT_EQ(InjuryList_FindPlayer(players[NUM_PATIENTS]), -1);
  EXPECT_EQ(News().size(), shown);
  EXPECT_EQ(PlayerCareerLog_Used(), careers);
  ExpectInjuryListSound("full");
}

TEST_F(InjuriesTest, SomePlayersAreNeverPutOnTheList) {
  struct Case {
    const char* name;
    int16_t player, type;
  };
  const std::vector<Case> cases = {
      {"no wage", tw::kFreeAgent, 20},
      {"no full record", tw::kPlayerCount, 20},
      {"a negative number", -1, 20},
      {"no such type", tw::kForward, NUM_INJURY_TYPES},
      {"a negative type", tw::kForward, -1},
  };
  for (const Case& c : cases) {
    InjurePlayer(c.player, 6, c.type, 0);
    EXPECT_EQ(Patient_GetPlayerNo(0), -1) << c.name;
  }
  EXPECT_TRUE(News().empty());

  // A player already out keeps his one slot.
  InjurePlayer(tw::kForward, 6, 20, 0);
  InjurePlayer(tw::kForward, 30, 14, 0);
  EXPECT_EQ(SlotsOf(tw::kForward), 1);
  EXPECT_EQ(TimeOf(tw::kForward), 6);
  EXPECT_EQ(News().size(), 1u);
}

TEST_F(InjuriesTest, APlayerComesBackWithTheNewsOfWhatKeptHimOut) {
  struct Case {
    const char* name;
    int16_t type;
    std::vector<std::string> anyOf;  // one of the kind's wordings
  };
  const std::vector<Case> cases = {
      {"an absence", 0, {"Forward Striker returned to", "in an attempt to sort out his career."}},
      {"an illness", 2, {"has returned after a cold.", "is fit again after a cold."}},
      {"an injury", 20, {"has recovered from " + Phrase(20), "after recovering from " + Phrase(20)}},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    InjurePlayer(tw::kForward, 3, c.type, 0);
    Player_SetFitness(tw::kForward, 1);
    MenuPrims_ClearCalls();
    int days = 0;
    while (Player_GetInFlag(tw::kForward) && days < 200) {
      InjuryCountdown();
      ++days;
      ExpectInjuryListSound(c.name);
      EXPECT_GE(Player_GetFitness(tw::kForward), 0);
    }
    EXPECT_EQ(Player_GetInFlag(tw::kForward), 0) << c.name;
    EXPECT_GE(days, 3) << c.name;  // one unit a day at most
    EXPECT_EQ(InjuryList_FindPlayer(tw::kForward), -1) << c.name;
    const std::string news = LastNews();
    bool found = false;
    for (const std::string& wording : c.anyOf) found |= Contains(news, wording);
    if (c.type == INJURY_TYPE_AWOL) found = Contains(news, c.anyOf[0]) && Contains(news, c.anyOf[1]);
    EXPECT_TRUE(found) << c.name << ": " << news;
    if (c.type == INJURY_TYPE_AWOL) {
      EXPECT_FALSE(Contains(news, "recover")) << news;
    }
  }
}

TEST_F(InjuriesTest, TheCountdownFreesASlotOfAPlayerWhoIsNoLonger) {
  Patient_SetPlayerNo(3, tw::kPlayerCount + 5);
  Patient_SetInjuryTime(3, 7);
  Patient_SetInjuryType(3, 20);
  InjuryCountdown();
  EXPECT_EQ(Patient_GetPlayerNo(3), -1);
  EXPECT_EQ(Patient_GetInjuryTime(3), 0);
}

TEST_F(InjuriesTest, AColdSpreadsInASquadOfSixteenButNotOfFifteen) {
  for (int available : {15, 16}) {
    ResetWorld();
    BuildTestWorld();
    const int16_t sick = AddPlayer(tw::kLeagueClub);
    AddPlayers(tw::kLeagueClub, available - 1);  // with the midfielder
    const int16_t manager = AddPlayer(tw::kLeagueClub, POSITION_MANAGER);
    const int16_t unpaid = AddPlayer(tw::kLeagueClub, 5, 0);
    const int16_t elsewhere = AddPlayer(tw::kOutsideClub);
    InjurePlayer(sick, 5, 2, 0);
    ASSERT_EQ(BuildClubSquadList(tw::kLeagueClub), available);

    for (int day = 0; day < 300; ++day) Contagion(sick, 2);
    int caught = 0;
    for (int16_t p = 0; p < PlayerCount; ++p) {
      if (p == sick || !Player_GetInFlag(p)) continue;
      ++caught;
      EXPECT_EQ(Patient_GetInjuryType(InjuryList_FindPlayer(p)), 2);
      EXPECT_EQ(Player_GetClub(p), tw::kLeagueClub);
    }
    EXPECT_EQ(Player_GetInFlag(manager), 0);
    EXPECT_EQ(Player_GetInFlag(unpaid), 0);
    EXPECT_EQ(Player_GetInFlag(elsewhere), 0);
    if (available >= 16) {
      EXPECT_GT(caught, 0);
    } else {
      EXPECT_EQ(caught, 0);
    }
    ExpectInjuryListSound("contagion");
  }
}

TEST_F(InjuriesTest, ACatchingColdIsNews) {
  const int16_t sick = tw::kForward;
  AddPlayers(tw::kHumanClub, 16);
  InjurePlayer(sick, 5, 2, 0);
  BuildClubSquadList(tw::kHumanClub);
  MenuPrims_ClearCalls();
  for (int day = 0; day < 300 && News().empty(); ++day) Contagion(sick, 2);
  const std::vector<std::string> news = News();
  ASSERT_EQ(news.size(), 2u);
  EXPECT_TRUE(Contains(news[0], "has caught a cold from Striker.")) << news[0];
  EXPECT_TRUE(Contains(news[1], "has called in sick with a cold.")) << news[1];
}

TEST_F(InjuriesTest, TrainingInjuriesInASquadOfTwentyOrLessAreShort) {
  for (int available : {20, 21}) {
    ResetWorld();
    BuildTestWorld();
    AddPlayers(tw::kHumanClub, available - 3);
    ASSERT_EQ(BuildClubSquadList(tw::kHumanClub), available);
    int injuries = 0, longest = 0;
    for (int n = 0; n < 20000; ++n) {
      TrainingInjuryCheck(tw::kForward);
      const int16_t slot = InjuryList_FindPlayer(tw::kForward);
      if (slot < 0) continue;
      ++injuries;
      const int16_t type = Patient_GetInjuryType(slot), time = Patient_GetInjuryTime(slot);
      EXPECT_GE(type, FIRST_INJURY_TYPE);
      EXPECT_LE(type, LAST_INJURY_TYPE);
      longest = std::max<int>(longest, time);
      EXPECT_TRUE(Contains(LastNews(), "in training today")) << LastNews();
      // A long injury leaves a player of no resilience prone to it again.
      if (time >= 20) {
        EXPECT_EQ(Player_GetRecurringInjury(tw::kForward), 1);
      }
      InjuryList_FreeSlot(slot);
      Player_SetRecurringInjury(tw::kForward, 0);
    }
    EXPECT_GT(injuries, 0) << available;
    if (available <= 20) {
      EXPECT_LE(longest, 5);
    } else {
      EXPECT_GT(longest, 5);
    }
  }
}

TEST_F(InjuriesTest, MatchInjuriesInASquadOfEighteenOrLessAreShort) {
  for (int available : {18, 19}) {
    ResetWorld();
    BuildTestWorld();
    AddPlayers(tw::kLeagueClub, available - 1);
    ASSERT_EQ(BuildClubSquadList(tw::kLeagueClub), available);
    int injuries = 0, longest = 0;
    for (int n = 0; n < 3000; ++n) {
      MatchInjury(tw::kMidfielder, tw::kLeagueClub);
      EXPECT_LE(SlotsOf(tw::kMidfielder), 1);
      const int16_t slot = InjuryList_FindPlayer(tw::kMidfielder);
      if (slot < 0) continue;
      ++injuries;
      EXPECT_GE(Patient_GetInjuryType(slot), FIRST_INJURY_TYPE);
      longest = std::max<int>(longest, Patient_GetInjuryTime(slot));
      InjuryList_FreeSlot(slot);
    }
    EXPECT_GT(injuries, 0) << available;
    if (available <= 18) {
      EXPECT_LE(longest, 5);
    } else {
      EXPECT_GT(longest, 5);
    }
  }
}

TEST_F(InjuriesTest, ALoanRunsThirteenWeeksAndThePlayerGoesBackWithoutHisShirt) {
  ASSERT_EQ(Loan_Start(tw::kForward, tw::kHumanClub, tw::kLeagueClub), 1);
  Player_SetShirt(tw::kForward, 7);  // the borrower's shirt
  Player_SetLoanList(tw::kForward, 1);
  for (int week = 1; week < LOAN_WEEKS; ++week) {
    LoanExpiryStep();
    EXPECT_EQ(Loan_GetLoanWeeks(0), LOAN_WEEKS - week);
    EXPECT_EQ(Player_GetClub(tw::kForward), tw::kLeagueClub);
    ExpectLoanListSound("running");
  }
  EXPECT_TRUE(News().empty());
  LoanExpiryStep();
  EXPECT_EQ(Player_GetClub(tw::kForward), tw::kHumanClub);
  EXPECT_EQ(Player_GetOnLoan(tw::kForward), 0);
  EXPECT_EQ(Player_GetLoanList(tw::kForward), 0);
  EXPECT_EQ(Player_GetShirt(tw::kForward), 0);
  EXPECT_EQ(Loan_GetPlayerNo(0), -1);
  EXPECT_EQ(Loan_GetLoanClub(0), 255);
  EXPECT_EQ(Loan_GetLoanWeeks(0), 0);
  // The computer-run borrower's list was built before its wage limit was asked.
  EXPECT_EQ(SquadListClub, tw::kLeagueClub);
  ASSERT_EQ(News().size(), 1u);
  EXPECT_TRUE(Contains(News()[0], "Forward Striker has returned from his loan spell at ")) << News()[0];
  ExpectLoanListSound("ended");
}

TEST_F(InjuriesTest, TheLoanCountdownFreesAnEntryOfAPlayerWhoIsNoLonger) {
  Loan_SetPlayerNo(4, tw::kPlayerCount + 3);
  Loan_SetLoanClub(4, tw::kLeagueClub);
  Loan_SetLoanWeeks(4, 6);
  LoanExpiryStep();
  EXPECT_EQ(Loan_GetPlayerNo(4), -1);
  EXPECT_EQ(Loan_GetLoanWeeks(4), 0);
}

TEST_F(InjuriesTest, ContractsRunDownMonthByMonth) {
  struct Case {
    const char* name;
    int16_t club;
    int listed;  // players the club's list holds
    int16_t contract, reserveSlot, age;
    bool manager, bossvane;
    int16_t contractAfter, saleStatusAfter;
  };
  const std::vector<Case> cases = {
      {"a month less", tw::kHumanClub, 18, 5, -1, 8, false, false, 4, 1},
      {"held at 17 players", tw::kHumanClub, 17, 1, -1, 8, false, false, 1, 0},
      {"held abroad too", tw::kForeignClub, 17, 1, -1, 8, false, false, 1, 0},
      {"too old to move", tw::kHumanClub, 18, 1, -1, 19, false, false, 0, 0},
      {"a club abroad", tw::kForeignClub, 18, 1, -1, 8, false, false, 0, 0},
      {"a club outside the league", tw::kOutsideClub, 18, 1, -1, 8, false, false, 0, 0},
      {"a manager stays on", tw::kHumanClub, 18, 1, -1, 8, true, false, 12, 0},
      {"a playing manager stays on", tw::kHumanClub, 18, 1, -1, 8, false, true, 12, 0},
      {"no club", PLAYER_CLUB_FREE_AGENT, 0, 1, -1, 8, false, false, 0, 0},
      {"no contract", tw::kHumanClub, 18, 0, -1, 8, false, false, 0, 0},
      {"in the reserve pool", PLAYER_CLUB_RESERVE_POOL, 0, 3, 7, 8, false, false, 24, 1},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    const int16_t p = AddPlayer(c.club);
    Player_SetContract(p, c.contract);
    Player_SetReserveSlot(p, c.reserveSlot);
    Player_SetAge(p, c.age);
    Player_SetSaleStatus(p, 1);
    if (c.manager) Player_SetPosition(p, POSITION_MANAGER);
    if (c.bossvane) Player_SetBossvane(p, 1);
    // Fill the club's list up to the count (its other players keep long contracts).
    if (c.club >= 0 && c.club < NUM_CLUBS) {
      while (CountClubSquadPlayers(c.club) < c.listed) AddPlayer(c.club);
      ASSERT_EQ(CountClubSquadPlayers(c.club), c.listed) << c.name;
    }
    Seam_ClearCalls();
    ContractCountdown();
    EXPECT_EQ(Player_GetContract(p), c.contractAfter) << c.name;
    EXPECT_EQ(Player_GetSaleStatus(p), c.saleStatusAfter) << c.name;
    EXPECT_EQ(Player_GetClub(p), c.club) << c.name;
    EXPECT_EQ(Seam_CountCalls("StaffContractCountdown"), 1) << c.name;
  }
}

TEST_F(InjuriesTest, ThePlayerWhoIsTheGameNeverRunsOutOfContract) {
  Player_SetContract(tw::kHumanManager, 1);
  Player_SetContract(tw::kKeeper, 1);  // a club of 3: held
  ContractCountdown();
  EXPECT_EQ(Player_GetContract(tw::kHumanManager), 1);
  EXPECT_EQ(Player_GetContract(tw::kKeeper), 1);
  EXPECT_EQ(Player_GetContract(tw::kDefender), 23);
}

TEST_F(InjuriesTest, BanWaitsRunDownAndABeginningBanIsNews) {
  struct Case {
    int16_t wait, suspension;
    int16_t waitAfter;
    bool news;
  };
  const std::vector<Case> cases = {{2, 3, 1, false}, {1, 3, 0, true}, {1, 0, 0, false}, {0, 2, 0, false}};
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    Player_SetBanwait(tw::kForward, c.wait);
    Player_SetSuspension(tw::kForward, c.suspension);
    BanWaitCountdown();
    EXPECT_EQ(Player_GetBanwait(tw::kForward), c.waitAfter) << c.wait << "," << c.suspension;
    EXPECT_EQ(Player_GetSuspension(tw::kForward), c.suspension);
    ASSERT_EQ(News().size(), c.news ? 1u : 0u) << c.wait << "," << c.suspension;
    if (c.news) {
      EXPECT_TRUE(Contains(News()[0], "Striker")) << News()[0];
    }
    if (c.news) {
      EXPECT_TRUE(Contains(News()[0], "3 match suspension")) << News()[0];
    }
  }
}

TEST_F(InjuriesTest, AMatchServesOneMatchOfEveryBanThatHasBegun) {
  Player_SetSuspension(tw::kKeeper, 2);
  Player_SetSuspension(tw::kDefender, 1);
  Player_SetSuspension(tw::kForward, 3);
  Player_SetBanwait(tw::kForward, 1);  // his ban has not begun
  const int16_t lent = AddPlayer(tw::kHumanClub);
  Player_SetSuspension(lent, 2);
  ASSERT_EQ(Loan_Start(lent, tw::kHumanClub, tw::kLeagueClub), 1);
  BuildClubSquadList(tw::kLeagueClub);  // the list holds another club: it is built afresh

  ServeSuspension(tw::kHumanClub);
  EXPECT_EQ(SquadListClub, tw::kHumanClub);
  EXPECT_EQ(Player_GetSuspension(tw::kKeeper), 1);
  EXPECT_EQ(Player_GetSuspension(tw::kDefender), 0);
  EXPECT_EQ(Player_GetSuspension(tw::kForward), 3);
  EXPECT_EQ(Player_GetSuspension(lent), 2);  // he plays for the borrower
  ASSERT_EQ(News().size(), 1u);
  EXPECT_TRUE(Contains(News()[0], "Rossini")) << News()[0];

  Player_SetEuroBan(tw::kKeeper, 1);
  Player_SetEuroBan(tw::kForward, 1);
  ServeEuroBan(tw::kHumanClub);
  EXPECT_EQ(Player_GetEuroBan(tw::kKeeper), 0);
  // A European ban keeps him out of the tie whatever his league ban's wait:
  // the tie serves it.
  EXPECT_EQ(Player_GetEuroBan(tw::kForward), 0);
  EXPECT_EQ(Player_GetSuspension(tw::kKeeper), 1);  // the league ban is another
  EXPECT_EQ(Player_GetSuspension(tw::kForward), 3);
  ASSERT_EQ(News().size(), 3u);
  EXPECT_TRUE(Contains(News()[1], "Safehands")) << News()[1];
}

}  // namespace
