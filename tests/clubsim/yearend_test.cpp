#include "clubsim/yearend.h"

#include <gtest/gtest.h>

#include "season/careerrun.h"
#include "season/seasonstate.h"
#include "support/career_world.h"
#include "support/test_world.h"
#include "world/players.h"

namespace {

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

}  // namespace
