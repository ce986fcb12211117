#include "clubsim/squadlist.h"

#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

class SquadListTest : public WorldTest {
 protected:
  // Adds n more players to the club, all outfielders with a wage.
  void AddPlayers(int16_t club, int n) {
    for (int i = 0; i < n; ++i) {
      int16_t p = PlayerCount;
      PlayerCount = PlayerTotalCount = static_cast<int16_t>(p + 1);
      Player_SetClub(p, club);
      Player_SetPosition(p, 5);
      Player_SetWage(p, 100);
    }
  }
};

TEST_F(SquadListTest, ListsTheClubsPlayersWithoutItsManager) {
  EXPECT_EQ(BuildClubSquadList(tw::kHumanClub), 3);
  EXPECT_EQ(SquadListLength, 3);
  EXPECT_EQ(SquadList[0], tw::kKeeper);
  EXPECT_EQ(SquadList[1], tw::kDefender);
  EXPECT_EQ(SquadList[2], tw::kForward);
  EXPECT_EQ(SquadList[3], -1);
  EXPECT_EQ(SquadPositionCounts[0], 1);
  EXPECT_EQ(SquadPositionCounts[1], 1);
  EXPECT_EQ(SquadPositionCounts[3], 1);
  EXPECT_EQ(getsquadsize(tw::kHumanClub), 3);
}

TEST_F(SquadListTest, InjuredSuspendedAndUnpaidPlayersAreListedButNotAvailable) {
  Player_SetInFlag(tw::kKeeper, 1);
  Player_SetSuspension(tw::kDefender, 2);
  EXPECT_EQ(BuildClubSquadList(tw::kHumanClub), 1);
  EXPECT_EQ(SquadListLength, 3);
  Player_SetClub(tw::kFreeAgent, tw::kHumanClub);
  EXPECT_EQ(BuildClubSquadList(tw::kHumanClub), 1);
  EXPECT_EQ(SquadListLength, 4);
}

TEST_F(SquadListTest, ALentPlayerIsInBothClubsLists) {
  Loan_SetPlayerNo(0, tw::kMidfielder);
  Loan_SetLoanClub(0, tw::kLeagueClub);
  Player_SetOnLoan(tw::kMidfielder, 1);
  Player_SetClub(tw::kMidfielder, tw::kHumanClub);
  BuildClubSquadList(tw::kLeagueClub);
  EXPECT_EQ(SquadList[0], tw::kMidfielder);
  BuildClubSquadList(tw::kHumanClub);
  EXPECT_EQ(SquadListLength, 4);
}

// A playing manager is listed under his stored position, as the list-building
// steps take him; without the flag a manager is left out.
TEST_F(SquadListTest, APlayingManagerIsListedInHisPlayingGroup) {
  Player_SetBossvane(tw::kHumanManager, 1);
  Player_SetPosition(tw::kHumanManager, 9);  // keeps the manager flag
  BuildClubSquadList(tw::kHumanClub);
  EXPECT_EQ(SquadListLength, 4);
  EXPECT_EQ(SquadPositionCounts[2], 1);
  Player_SetBossvane(tw::kHumanManager, 0);
  BuildClubSquadList(tw::kHumanClub);
  EXPECT_EQ(SquadListLength, 3);
  EXPECT_EQ(SquadPositionCounts[2], 0);
}

TEST_F(SquadListTest, PastThirtyTwoANewcomerTakesAnInjuredPlayersPlace) {
  AddPlayers(tw::kLeagueClub, 34);  // with the midfielder: 35 players
  Player_SetInFlag(tw::kMidfielder, 1);
  BuildClubSquadList(tw::kLeagueClub);
  EXPECT_EQ(SquadListLength, 32);
  EXPECT_EQ(SquadList[0], tw::kPlayerCount + 31);  // the 33rd player
  EXPECT_EQ(SquadList[1], tw::kPlayerCount);
  EXPECT_EQ(getsquadsize(tw::kLeagueClub), 31);
}

TEST_F(SquadListTest, ANegativeClubListsNobody) {
  // Players who are not on loan have no loan club to match it.
  EXPECT_EQ(BuildClubSquadList(-1), 0);
  EXPECT_EQ(SquadListLength, 0);
  EXPECT_EQ(SquadList[0], -1);
}

TEST_F(SquadListTest, AClubOutsideTheWorldHasNoSquadSize) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(getsquadsize(250), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Invalid team access in getsquadsize '250'");
}

TEST_F(SquadListTest, TheListRemembersItsClub) {
  EXPECT_EQ(SquadListClub, -1);  // nothing built yet
  BuildClubSquadList(tw::kLeagueClub);
  EXPECT_EQ(SquadListClub, tw::kLeagueClub);
  BuildClubSquadList(tw::kHumanClub);
  EXPECT_EQ(SquadListClub, tw::kHumanClub);
  EXPECT_EQ(GetClubListedCount(tw::kHumanClub), 3);
  EXPECT_EQ(GetClubListedCount(tw::kLeagueClub), 1);
  EXPECT_EQ(GetClubListedCount(250), 0);
  GNW_FillReserveList(0);  // the reserve list is no club's squad
  EXPECT_EQ(SquadListClub, -1);
}

TEST_F(SquadListTest, AnAppendedPlayerTakesTheLastFreePlaceButOneOrAnUnavailablePlayersPlace) {
  AddPlayers(tw::kLeagueClub, 29);  // 30 listed
  BuildClubSquadList(tw::kLeagueClub);
  ASSERT_EQ(SquadListLength, 30);
  AppendToSquadList(tw::kFreeAgent);
  EXPECT_EQ(SquadListLength, 31);
  EXPECT_EQ(SquadList[30], tw::kFreeAgent);

  // From 31 on: the first injured or suspended player's place, else nobody's.
  AppendToSquadList(tw::kItalian);
  EXPECT_EQ(SquadListLength, 31);
  EXPECT_EQ(SquadList[31], -1);
  for (int16_t p : SquadList) EXPECT_NE(p, tw::kItalian);
  Player_SetSuspension(SquadList[4], 1);
  Player_SetInFlag(SquadList[9], 1);
  AppendToSquadList(tw::kItalian);
  EXPECT_EQ(SquadList[4], tw::kItalian);
  EXPECT_EQ(SquadList[9], tw::kPlayerCount + 8);
  EXPECT_EQ(SquadListLength, 31);
}

TEST_F(SquadListTest, AClubsPlayersAreCountedPastThirtyTwo) {
  AddPlayers(tw::kLeagueClub, 34);
  EXPECT_EQ(CountClubSquadPlayers(tw::kLeagueClub), 35);
  BuildClubSquadList(tw::kLeagueClub);
  EXPECT_EQ(SquadListLength, 32);  // the list keeps 32
  EXPECT_EQ(GetClubListedCount(tw::kLeagueClub), 32);

  // Own, borrowed and lent out; a manager who does not play is not counted.
  EXPECT_EQ(CountClubSquadPlayers(tw::kHumanClub), 3);
  Loan_SetPlayerNo(0, tw::kForward);
  Loan_SetLoanClub(0, tw::kHumanClub);
  Loan_SetLoanWeeks(0, 13);
  Player_SetOnLoan(tw::kForward, 1);
  Player_SetClub(tw::kForward, tw::kOutsideClub);
  Player_SetClub(tw::kItalian, tw::kHumanClub);
  EXPECT_EQ(CountClubSquadPlayers(tw::kHumanClub), 4);
  EXPECT_EQ(CountClubSquadPlayers(tw::kOutsideClub), 1);
  Player_SetBossvane(tw::kHumanManager, 1);
  EXPECT_EQ(CountClubSquadPlayers(tw::kHumanClub), 5);
}

}  // namespace
