#include "clubsim/squad.h"

#include <cstring>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "season/postmatch.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

constexpr int kPersonalityCodes = 10;

class SquadTest : public WorldTest {
 public:
  int16_t AddPlayer(int16_t club, int position, int wage = 100) {
    const int16_t p = PlayerCount;
    PlayerCount = PlayerTotalCount = static_cast<int16_t>(p + 1);
    Player_SetClub(p, club);
    Player_SetPosition(p, position);
    Player_SetWage(p, wage);
    Player_SetReserveSlot(p, -1);
    return p;
  }
  // Gives the player personality stat `stat` (15-21) through a template of his own.
  void SetPersonality(int16_t p, int stat, int value) {
    const int code = kPersonalityCodes + p;
    PlayerStatTables.personalityTemplate[code][stat - 15] = static_cast<uint8_t>(value);
    Player_SetPersonalityStats(p, code);
  }
  // Lends the player out through the loan list as the world keeps loans.
  void Lend(int16_t p, int16_t from, int16_t to) { ASSERT_EQ(Loan_Start(p, from, to), 1); }

  int CountLoanEntries(int16_t p) {
    int n = 0;
    for (int16_t s = 0; s < NUM_LOANS; ++s) n += Loan_GetPlayerNo(s) == p;
    return n;
  }
};

TEST_F(SquadTest, TheClubManagerIsTheFirstManagerThenAPlayingManagerElseNobody) {
  struct Case {
    const char* name;
    void (*setUp)();
    int16_t club;
    int16_t manager;
  };
  const std::vector<Case> cases = {
      {"the human manager", [] {}, tw::kHumanClub, tw::kHumanManager},
      {"no manager", [] {}, tw::kLeagueClub, NO_MANAGER_PLAYER},
      {"player 1 never manages",
       [] { Player_SetClub(tw::kNoManager, tw::kLeagueClub); }, tw::kLeagueClub, NO_MANAGER_PLAYER},
      {"a playing manager when there is no manager",
       [] { Player_SetBossvane(tw::kMidfielder, 1); }, tw::kLeagueClub, tw::kMidfielder},
      {"a manager before a playing manager",
       [] {
         Player_SetBossvane(tw::kKeeper, 1);
         Player_SetClub(tw::kNoManager, tw::kHumanClub);
       },
       tw::kHumanClub, tw::kHumanManager},
      {"outside the world", [] {}, 250, NO_MANAGER_PLAYER},
      {"a negative club", [] {}, -1, NO_MANAGER_PLAYER},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    c.setUp();
    EXPECT_EQ(GetClubManager(c.club), c.manager) << c.name;
  }
}

TEST_F(SquadTest, CaptainsAreFoundAndClearedByClub) {
  EXPECT_EQ(FindClubCaptain(tw::kHumanClub), -1);
  Player_SetCaptain(tw::kForward, 1);
  Player_SetCaptain(tw::kDefender, 1);
  Player_SetCaptain(tw::kMidfielder, 1);
  EXPECT_EQ(FindClubCaptain(tw::kHumanClub), tw::kDefender);  // the first in player order
  EXPECT_EQ(FindClubCaptain(tw::kLeagueClub), tw::kMidfielder);

  ClearClubCaptainFlags(tw::kHumanClub);
  EXPECT_EQ(SquadListClub, tw::kHumanClub);
  EXPECT_EQ(FindClubCaptain(tw::kHumanClub), -1);
  EXPECT_EQ(Player_GetCaptain(tw::kMidfielder), 1);  // another club's captain stays
}

TEST_F(SquadTest, TheStarterWithTheMostExperienceAndCaptaincyIsPickedCaptain) {
  struct Row {
    int16_t player;
    int shirt, experience, captaincy;
  };
  struct Case {
    const char* name;
    std::vector<Row> rows;
    int16_t captain;
  };
  const std::vector<Case> cases = {
      {"the highest product",
       {{tw::kKeeper, 1, 10, 50}, {tw::kDefender, 2, 20, 40}, {tw::kForward, 9, 30, 20}}, tw::kDefender},
      {"the first of equals", {{tw::kKeeper, 1, 10, 60}, {tw::kDefender, 2, 20, 30}, {tw::kForward, 9, 5, 5}},
       tw::kKeeper},
      {"only shirts 1-11", {{tw::kKeeper, 12, 60, 90}, {tw::kDefender, 0, 60, 90}, {tw::kForward, 11, 1, 1}},
       tw::kForward},
      {"nobody without a starting shirt",
       {{tw::kKeeper, 12, 60, 90}, {tw::kDefender, 0, 60, 90}, {tw::kForward, 16, 1, 1}}, -1},
      {"a nought product still captains", {{tw::kKeeper, 0, 0, 0}, {tw::kDefender, 3, 0, 0}}, tw::kDefender},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    Player_SetCaptain(tw::kKeeper, 1);  // last match's captain
    for (const Row& r : c.rows) {
      Player_SetShirt(r.player, r.shirt);
      Player_SetExperience(r.player, r.experience);
      SetPersonality(r.player, 20, r.captaincy);
    }
    BuildClubSquadList(tw::kHumanClub);
    PickTeamCaptain();
    EXPECT_EQ(FindClubCaptain(tw::kHumanClub), c.captain) << c.name;
    int flags = 0;
    for (int16_t p = 0; p < PlayerCount; ++p) flags += Player_GetCaptain(p);
    EXPECT_EQ(flags, c.captain >= 0 ? 1 : 0) << c.name;
  }
}

TEST_F(SquadTest, APlayerLentOutIsNotHisOwnersCaptain) {
  Player_SetShirt(tw::kKeeper, 1);
  Player_SetExperience(tw::kKeeper, 10);
  SetPersonality(tw::kKeeper, 20, 10);
  Lend(tw::kDefender, tw::kHumanClub, tw::kLeagueClub);
  Player_SetShirt(tw::kDefender, 4);  // the borrower's shirt
  Player_SetExperience(tw::kDefender, 60);
  SetPersonality(tw::kDefender, 20, 90);

  BuildClubSquadList(tw::kHumanClub);  // he is listed by the club that lent him
  PickTeamCaptain();
  EXPECT_EQ(FindClubCaptain(tw::kHumanClub), tw::kKeeper);
  EXPECT_EQ(Player_GetCaptain(tw::kDefender), 0);

  BuildClubSquadList(tw::kLeagueClub);
  PickTeamCaptain();
  EXPECT_EQ(FindClubCaptain(tw::kLeagueClub), tw::kDefender);
}

TEST_F(SquadTest, ManagersAreCountedOnce) {
  EXPECT_EQ(CountManagers(), 2);  // the human manager and player 1
  Player_SetBossvane(tw::kForward, 1);
  EXPECT_EQ(CountManagers(), 3);
  Player_SetCaretaker(tw::kForward, 1);
  EXPECT_EQ(CountManagers(), 2);  // a caretaker playing manager does not count
  Player_SetBossvane(tw::kHumanManager, 1);
  EXPECT_EQ(CountManagers(), 2);  // a manager with the flag too: once
}

TEST_F(SquadTest, PersonalityBandAndTactic) {
  const int values[][2] = {{0, 0}, {19, 0}, {20, 1}, {99, 4}, {100, 5}};
  for (const auto& v : values) {
    SetPersonality(tw::kHumanManager, 21, v[0]);
    EXPECT_EQ(GetPlayerPersonalityBand(tw::kHumanManager), v[1]) << v[0];
  }
  Player_SetTactic(tw::kHumanManager, 4);
  EXPECT_EQ(GetPlayerTacticType(tw::kHumanManager), 4);
}

TEST_F(SquadTest, ALoanStartsForThirteenWeeksAndTheShirtStaysBehind) {
  Player_SetShirt(tw::kForward, 9);
  Player_SetLoanList(tw::kForward, 1);
  Loan_SetPlayerNo(0, tw::kItalian);  // slot 0 taken
  Loan_SetLoanClub(0, tw::kForeignClub);
  Loan_SetLoanWeeks(0, 5);
  Player_SetOnLoan(tw::kItalian, 1);
  Player_SetClub(tw::kItalian, tw::kOutsideClub);

  EXPECT_EQ(Loan_Start(tw::kForward, tw::kHumanClub, tw::kLeagueClub), 1);
  EXPECT_EQ(Loan_GetPlayerNo(1), tw::kForward);
  EXPECT_EQ(Loan_GetLoanClub(1), tw::kHumanClub);
  EXPECT_EQ(Loan_GetLoanWeeks(1), LOAN_WEEKS);
  EXPECT_EQ(Player_GetOnLoan(tw::kForward), 1);
  EXPECT_EQ(Player_GetLoanList(tw::kForward), 0);
  EXPECT_EQ(Player_GetClub(tw::kForward), tw::kLeagueClub);
  EXPECT_EQ(Player_GetShirt(tw::kForward), 0);
  EXPECT_EQ(Player_GetLoanClub(tw::kForward), tw::kHumanClub);
}

TEST_F(SquadTest, ALoanThatCannotStartChangesNothing) {
  struct Case {
    const char* name;
    void (*setUp)(SquadTest*);
    int16_t player, from, to;
  };
  const std::vector<Case> cases = {
      {"all 200 loans taken",
       [](SquadTest*) {
         for (int16_t s = 0; s < NUM_LOANS; ++s) Loan_SetPlayerNo(s, 30000);
       },
       tw::kForward, tw::kHumanClub, tw::kLeagueClub},
      {"already on loan", [](SquadTest* t) { t->Lend(tw::kForward, tw::kHumanClub, tw::kOutsideClub); },
       tw::kForward, tw::kOutsideClub, tw::kLeagueClub},
      {"no such player", [](SquadTest*) {}, tw::kPlayerCount, tw::kHumanClub, tw::kLeagueClub},
      {"to no club", [](SquadTest*) {}, tw::kForward, tw::kHumanClub, PLAYER_CLUB_FREE_AGENT},
      {"to his own club", [](SquadTest*) {}, tw::kForward, tw::kHumanClub, tw::kHumanClub},
      {"to a club whose list is full",
       [](SquadTest* t) {
         for (int i = 0; i < 31; ++i) t->AddPlayer(tw::kLeagueClub, 5);  // with the midfielder: 32
       },
       tw::kForward, tw::kHumanClub, tw::kLeagueClub},
  };
  for (const Case& c : cases) {
    ResetWorld();
    BuildTestWorld();
    c.setUp(this);
    Player_SetShirt(tw::kForward, 9);
    const std::vector<LoanEntry> loans(LoanList, LoanList + NUM_LOANS);
    const int16_t club = Player_GetClub(tw::kForward), onLoan = Player_GetOnLoan(tw::kForward);
    EXPECT_EQ(Loan_Start(c.player, c.from, c.to), 0) << c.name;
    EXPECT_EQ(std::memcmp(loans.data(), LoanList, sizeof LoanList), 0) << c.name;
    EXPECT_EQ(Player_GetClub(tw::kForward), club) << c.name;
    EXPECT_EQ(Player_GetOnLoan(tw::kForward), onLoan) << c.name;
    EXPECT_EQ(Player_GetShirt(tw::kForward), 9) << c.name;
  }
}

TEST_F(SquadTest, ALoanEndsInTheListAndLeavesTheMoveToTheCaller) {
  Lend(tw::kForward, tw::kHumanClub, tw::kLeagueClub);
  EXPECT_EQ(Loan_EndForPlayer(tw::kForward), tw::kHumanClub);
  EXPECT_EQ(Player_GetOnLoan(tw::kForward), 0);
  EXPECT_EQ(CountLoanEntries(tw::kForward), 0);
  EXPECT_EQ(Loan_GetLoanClub(0), 255);
  EXPECT_EQ(Loan_GetLoanWeeks(0), 0);
  EXPECT_EQ(Player_GetClub(tw::kForward), tw::kLeagueClub);

  // A flag without an entry: a message, and nothing changes.
  Player_SetOnLoan(tw::kMidfielder, 1);
  testing::internal::CaptureStdout();
  EXPECT_EQ(Loan_EndForPlayer(tw::kMidfielder), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Trying To Clear Loan Info Player has loan flag set but no loan club: '5'\n");
  EXPECT_EQ(Player_GetOnLoan(tw::kMidfielder), 1);
  testing::internal::CaptureStdout();
  EXPECT_EQ(Loan_EndForPlayer(-1), -1);  // never a free entry
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(Loan_GetPlayerNo(0), -1);
}

TEST_F(SquadTest, TheMatchDaysCaptainChoiceBuildsTheClubsListWhenItHoldsAnother) {
  ClubSim.pickTeamCaptain = PickTeamCaptain;
  ClubSim.findClubCaptain = FindClubCaptain;
  Player_SetShirt(tw::kForward, 9);
  Player_SetShirt(tw::kMidfielder, 4);
  BuildClubSquadList(tw::kLeagueClub);
  EXPECT_EQ(PickAndFindCaptain(tw::kHumanClub), tw::kForward);
  EXPECT_EQ(SquadListClub, tw::kHumanClub);
  EXPECT_EQ(Player_GetCaptain(tw::kMidfielder), 0);  // the other club's list was not picked from
}

}  // namespace
