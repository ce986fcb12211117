// The stand-in team selection: the best available player of each line into
// the shirts of stock formation 0, a spare keeper first on the bench.
#include "season/teamsel_standin.h"

#include <gtest/gtest.h>

#include <map>

#include "clubsim/squadlist.h"
#include "season/matchday_support.h"
#include "season/seam.h"
#include "world/fixtures.h"
#include "world/players.h"

namespace {

using mdtest::SetPlayerStats;

// Club 0 of England's league world: players 0-17 at positions p % 13, that
// is keepers 0 and 13; defenders 1-4 and 14-17; midfielders 5-9; forwards
// 10-12. Each is given the ability of his line (keepers ability 0,
// defenders 2, midfielders 3, forwards 4) below.
const std::map<int16_t, int> kLineAbility = {
    {0, 50},  {13, 70},                                                                 // keepers
    {1, 10},  {2, 20},  {3, 30},  {4, 40},  {14, 50}, {15, 60}, {16, 70}, {17, 80},    // defenders
    {5, 10},  {6, 20},  {7, 30},  {8, 40},  {9, 50},                                    // midfielders
    {10, 10}, {11, 20}, {12, 30},                                                       // forwards
};

class StandInTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    for (const auto& [player, value] : kLineAbility) {
      const int position = player % 13;
      const int line = position == 0 ? 0 : position <= 4 ? 2 : position <= 9 ? 3 : 4;
      std::array<int, 8> ability{};
      ability[line] = value;
      SetPlayerStats(player, 8 * (player + 1), ability, {}, {});
    }
    BuildClubSquadList(0);
  }

  static std::map<int, int16_t> Shirts() {
    std::map<int, int16_t> shirts;  // shirt -> player
    for (int16_t p = 0; p < 18; ++p)
      if (Player_GetShirt(p) != 0) {
        EXPECT_EQ(shirts.count(Player_GetShirt(p)), 0u) << "shirt " << Player_GetShirt(p) << " twice";
        shirts[Player_GetShirt(p)] = p;
      }
    return shirts;
  }
};

TEST_F(StandInTest, TheBestOfEachLineTakeTheShirtsOfTheFormation) {
  Player_SetShirt(40, 3);  // another club's player keeps his shirt
  StandInSelectMatchTeam(0, 5, COMP_LEAGUE);
  const std::map<int, int16_t> expected = {
      {1, 13}, {2, 17}, {3, 16}, {4, 9},  {5, 15}, {6, 14}, {7, 8},  {8, 7},
      {9, 12}, {10, 11}, {11, 6},  // the starters
      {12, 0}, {13, 4}, {14, 3}, {15, 2}, {16, 1},  // a keeper, then the best of the rest (ties: listed first)
  };
  EXPECT_EQ(Shirts(), expected);
  EXPECT_EQ(Player_GetShirt(40), 3);

  // Three substitutes: the others lose their shirts.
  StandInSelectMatchTeam(0, 3, COMP_LEAGUE);
  const std::map<int, int16_t> shirts = Shirts();
  EXPECT_EQ(shirts.size(), 14u);
  EXPECT_EQ(shirts.at(14), 3);
}

TEST_F(StandInTest, OnlyAvailablePlayersArePicked) {
  Player_SetInFlag(17, 1);      // injured
  Player_SetSuspension(9, 1);   // suspended
  Player_SetBanwait(9, 0);
  Player_SetCupTied(16, 5, 1);  // has played in cup 1 for club 5
  StandInSelectMatchTeam(0, 5, COMP_LEAGUE);
  EXPECT_EQ(Player_GetShirt(17), 0);
  EXPECT_EQ(Player_GetShirt(9), 0);
  EXPECT_EQ(Player_GetShirt(16), 2);  // the best defender left
  EXPECT_EQ(Player_GetShirt(8), 4);

  // In cup 1 the cup-tied player cannot play; a suspension still counts.
  StandInSelectMatchTeam(0, 5, 21);
  EXPECT_EQ(Player_GetShirt(16), 0);
  EXPECT_EQ(Player_GetShirt(9), 0);
  // A friendly does not count a suspension.
  StandInSelectMatchTeam(0, 5, COMP_FRIENDLY);
  EXPECT_EQ(Player_GetShirt(9), 4);
}

TEST_F(StandInTest, CompletingATeamKeepsTheShirtsAlreadyGiven) {
  for (int16_t p = 0; p < 18; ++p) Player_SetShirt(p, 0);
  Player_SetShirt(0, 1);   // the weaker keeper
  Player_SetShirt(1, 2);   // the weakest defender
  Player_SetShirt(5, 14);  // a bench place of three
  Player_SetShirt(6, 16);  // past it
  Player_SetShirt(8, 7);
  Player_SetInFlag(8, 1);  // injured since
  StandInCompleteMatchTeam(0, 3);
  const std::map<int, int16_t> shirts = Shirts();
  EXPECT_EQ(shirts.at(1), 0);
  EXPECT_EQ(shirts.at(2), 1);
  EXPECT_EQ(shirts.at(14), 5);
  EXPECT_EQ(shirts.count(16), 0u);
  EXPECT_EQ(Player_GetShirt(8), 0);
  EXPECT_EQ(shirts.at(3), 17);  // the empty shirts by the pick
  EXPECT_EQ(shirts.at(4), 9);
  EXPECT_EQ(shirts.at(7), 7);
  EXPECT_EQ(shirts.at(12), 13);  // the other keeper to the bench
  EXPECT_EQ(shirts.size(), 14u);
}

TEST_F(StandInTest, AShortSquadFillsWhatItCan) {
  // Only the club's first eight players are listed: keeper 0, defenders 1-4,
  // midfielders 5-7. Nobody plays up front, so the best of the rest do.
  SquadListLength = 8;
  StandInSelectMatchTeam(0, 5, COMP_LEAGUE);
  const std::map<int, int16_t> shirts = Shirts();
  EXPECT_EQ(shirts.size(), 8u);
  EXPECT_EQ(shirts.at(1), 0);
  for (int shirt = 1; shirt <= 8; ++shirt) EXPECT_EQ(shirts.count(shirt), 1u) << shirt;

  // Without a keeper the best in goal among the rest takes shirt 1.
  SquadList[0] = 30;  // another club's player: not listed for this one
  Player_SetShirt(0, 0);
  StandInSelectMatchTeam(0, 0, COMP_LEAGUE);
  EXPECT_EQ(Player_GetShirt(0), 0);
  EXPECT_EQ(Shirts().size(), 7u);
  EXPECT_NE(Shirts().count(1), 0u);
}

TEST_F(StandInTest, TheClubSimulationsSelectionAnswersWithTheStandIn) {
  ClubSim.selectMatchTeam(0, COMP_LEAGUE, 0, 5);
  EXPECT_EQ(Player_GetShirt(13), 1);
  for (int16_t p = 0; p < 18; ++p) Player_SetShirt(p, 0);
  Player_SetShirt(0, 1);
  ClubSim.completeMatchTeam(0, COMP_LEAGUE, 0, 5);
  EXPECT_EQ(Player_GetShirt(0), 1);
  EXPECT_EQ(Player_GetShirt(13), 12);
  EXPECT_EQ(Seam_CountCalls("SelectMatchTeam"), 1);
  EXPECT_EQ(Seam_CountCalls("CompleteMatchTeam"), 1);
}

}  // namespace
