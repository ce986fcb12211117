// The reserve pool: filled from free agents and unattached players, picked
// from for match shirts and released afterwards.
#include "clubsim/reserves.h"

#include <gtest/gtest.h>

#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

using ReservePoolTest = WorldTest;
using ReserveLeagueTest = LeagueWorldTest;

int FilledSlots() {
  int n = 0;
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) n += Reserve_GetPlayer(slot) >= 0;
  return n;
}

TEST_F(ReservePoolTest, FreeAgentsThenUnattachedPlayersFillThePoolAsPlayers) {
  // A free manager: he joins the pool as a player.
  Player_SetManager(tw::kFreeAgent, 1);
  Player_SetWage(tw::kFreeAgent, 40);
  Player_SetClub(tw::kItalian, PLAYER_CLUB_NONE);
  Player_SetSellOnClause(tw::kItalian, 3);
  // A manager without a club, before the Italian in player order: he stays
  // a manager without a club, for the boards to hire.
  Player_SetClub(tw::kMidfielder, PLAYER_CLUB_NONE);
  Player_SetManager(tw::kMidfielder, 1);
  FillReservePool();

  EXPECT_EQ(FilledSlots(), 2);
  EXPECT_EQ(Reserve_GetPlayer(0), tw::kFreeAgent);
  EXPECT_EQ(Reserve_GetPlayer(1), tw::kItalian);
  for (int16_t slot : {0, 1}) {
    EXPECT_EQ(Reserve_GetClub(slot), PLAYER_CLUB_NONE);
    EXPECT_EQ(Reserve_GetInUse(slot), 0);
    EXPECT_EQ(Reserve_GetPicked(slot), 0);
  }
  EXPECT_EQ(Player_GetManager(tw::kFreeAgent), 0);
  EXPECT_NE(Player_GetPosition(tw::kFreeAgent), POSITION_MANAGER);
  EXPECT_EQ(Player_GetWage(tw::kFreeAgent), 0);
  EXPECT_EQ(Player_GetClub(tw::kItalian), PLAYER_CLUB_FREE_AGENT);
  EXPECT_EQ(Player_GetSellOnClause(tw::kItalian), -1);
  EXPECT_EQ(Reserve_GetPlayer(2), -1);
  EXPECT_EQ(ReserveSlotOfPlayer(tw::kItalian), 1);
  EXPECT_EQ(ReserveSlotOfPlayer(tw::kKeeper), -1);
  EXPECT_EQ(ReserveSlotOfPlayer(tw::kMidfielder), -1);
  EXPECT_EQ(Player_GetClub(tw::kMidfielder), PLAYER_CLUB_NONE);
  EXPECT_EQ(Player_GetPosition(tw::kMidfielder), POSITION_MANAGER);
}

TEST_F(ReserveLeagueTest, FreeAgentsBeyondTheHundredAndFiftiethJoinSmallClubsOrNobody) {
  // The 14 clubs of division 4 release all their players: 252 free agents.
  const int16_t first = 100 * tw::kLeagueSquad;
  for (int16_t p = first; p < PlayerCount; ++p) Player_SetClub(p, PLAYER_CLUB_FREE_AGENT);
  FillReservePool();
  EXPECT_EQ(FilledSlots(), NUM_RESERVE_SLOTS);
  const int16_t surplus = first + NUM_RESERVE_SLOTS;  // the 151st free agent
  EXPECT_EQ(Player_GetClub(surplus), 100);             // the first club of at most 16 players
  EXPECT_EQ(Player_GetMorale(surplus), 60);
  EXPECT_EQ(Player_GetContract(surplus), 12);
  EXPECT_EQ(Player_GetClub(surplus + 17), 101);  // club 100 is full at 17

  // With every club run by a human nobody takes them: they become unattached.
  ResetWorld();
  BuildLeagueWorld();
  for (int16_t club = 0; club < NUM_CLUBS; ++club) Club_SetControl(club, 1);
  for (int16_t p = first; p < PlayerCount; ++p) Player_SetClub(p, PLAYER_CLUB_FREE_AGENT);
  FillReservePool();
  EXPECT_EQ(Player_GetClub(surplus), PLAYER_CLUB_NONE);
  EXPECT_EQ(Player_GetWage(surplus), 1);
  EXPECT_EQ(Player_GetTxList(surplus), 1);
  EXPECT_EQ(Player_GetManPrice(surplus), -1);
  EXPECT_EQ(Player_GetCupTied(surplus, 0), PLAYER_CLUB_NONE);
}

// Three reserves: an outfield free agent, a keeper and another outfield player.
class ReservePickTest : public ReserveLeagueTest {
 protected:
  void SetUp() override {
    ReserveLeagueTest::SetUp();
    for (int16_t p : {kOutfield, kKeeper, kOther}) Player_SetClub(p, PLAYER_CLUB_FREE_AGENT);
    Player_SetPosition(kKeeper, 0);
    Player_SetPosition(kOutfield, 5);
    Player_SetPosition(kOther, 9);
    FillReservePool();
  }
  static constexpr int16_t kOutfield = 1000, kKeeper = 1001, kOther = 1002;
};

TEST_F(ReservePickTest, AKeeperForTheKeeperSlotAndAnOutfieldPlayerForTheRest) {
  EXPECT_EQ(PickReservePlayer(3, 0), kKeeper);
  EXPECT_EQ(Player_GetClub(kKeeper), 3);
  EXPECT_EQ(Player_GetWage(kKeeper), 0);
  const int16_t slot = ReserveSlotOfPlayer(kKeeper);
  EXPECT_EQ(Reserve_GetClub(slot), 3);
  EXPECT_EQ(Reserve_GetInUse(slot), 1);
  EXPECT_EQ(PickReservePlayer(3, 7), kOutfield);
}

TEST_F(ReservePickTest, AClubWithYouthStaffLooksFurtherForTheBest) {
  Player_SetAbilityCurve(kOutfield, 10);
  Player_SetAbilityCurve(kOther, 200);
  EXPECT_EQ(PickReservePlayer(3, 7), kOutfield);  // no youth staff: the first one
  ResetWorld();
  BuildLeagueWorld();
  SetUp();
  Player_SetAbilityCurve(kOutfield, 10);
  Player_SetAbilityCurve(kOther, 200);
  Club_SetCoachYouth(3, 1);
  EXPECT_EQ(PickReservePlayer(3, 7), kOther);
}

TEST_F(ReservePickTest, PickedSignedAndEmptySlotsAreNeverTaken) {
  Reserve_SetPicked(ReserveSlotOfPlayer(kKeeper), 1);
  Player_SetWage(kOther, 10);  // signed by somebody since
  // The keeper is picked: the last resort takes the outfield player.
  EXPECT_EQ(PickReservePlayer(3, 0), kOutfield);
  EXPECT_EQ(ReserveSlotOfPlayer(kOther), -1);
  // Nobody left: no player, the slots as they were.
  EXPECT_EQ(PickReservePlayer(4, 0), -1);
  EXPECT_EQ(PickReservePlayer(4, 5), -1);
  EXPECT_EQ(Player_GetClub(kKeeper), PLAYER_CLUB_FREE_AGENT);
}

TEST_F(ReservePickTest, AReserveCupTiedToAnotherClubSitsOutThatCup) {
  constexpr int16_t kCup = 0;
  Player_SetCupTied(kOutfield, 7, kCup);  // has played in the cup for club 7
  Player_SetCupTied(kOther, 3, kCup);     // ... and for club 3
  EXPECT_EQ(PickReservePlayer(3, 5, kCup), kOther);
  // Another cup, or no cup at all, does not matter.
  EXPECT_EQ(PickReservePlayer(3, 5, 1), kOutfield);
  ResetWorld();
  BuildLeagueWorld();
  SetUp();
  Player_SetCupTied(kOutfield, 7, kCup);
  EXPECT_EQ(PickReservePlayer(3, 5), kOutfield);
  ResetWorld();
  BuildLeagueWorld();
  SetUp();
  // Club 7 may take him for the cup; nobody else may.
  for (int16_t p : {kOutfield, kOther, kKeeper}) Player_SetCupTied(p, 7, kCup);
  EXPECT_EQ(PickReservePlayer(3, 5, kCup), -1);
  EXPECT_EQ(PickReservePlayer(7, 5, kCup), kOutfield);
}

TEST_F(ReservePickTest, ReleasedAfterTheSelectionUnlessPickedOrShirted) {
  EXPECT_EQ(PickReservePlayer(3, 0), kKeeper);
  EXPECT_EQ(PickReservePlayer(3, 5), kOutfield);
  EXPECT_EQ(PickReservePlayer(3, 5), kOther);
  Reserve_SetPicked(ReserveSlotOfPlayer(kOutfield), 1);
  Player_SetShirt(kOther, 14);
  ReleaseReserves(3);
  EXPECT_EQ(Player_GetClub(kKeeper), PLAYER_CLUB_FREE_AGENT);
  EXPECT_EQ(Reserve_GetInUse(ReserveSlotOfPlayer(kKeeper)), 0);
  EXPECT_EQ(Player_GetClub(kOutfield), 3);
  EXPECT_EQ(Player_GetClub(kOther), 3);
  ClearReservePicks();
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) EXPECT_EQ(Reserve_GetPicked(slot), 0);
  // The club's own released reserve comes back first.
  EXPECT_EQ(PickReservePlayer(3, 0), kKeeper);
}

}  // namespace
