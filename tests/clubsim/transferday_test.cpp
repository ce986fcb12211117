// The transfer day: deadline periods, whose turn it is, and what a turn runs.
#include "clubsim/transferday.h"

#include <gtest/gtest.h>

#include "clubsim/clubsvc.h"
#include "clubsim/squadlist.h"
#include "clubsim/teamsel.h"
#include "season/progress.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/players.h"

namespace {

class TransferDayTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    StartWindowAndTimer();  // the transfer day polls the window
    // One period over the new year, two that never come.
    DeadlineDay1 = 150;
    WindowOpenDay1 = 20;
    DeadlineDay2 = DeadlineDay3 = 500;
    WindowOpenDay2 = WindowOpenDay3 = 501;
    Postdate = 300;
  }
};

TEST_F(TransferDayTest, APeriodOverTheNewYearHoldsBothEnds) {
  struct Case {
    int32_t day;
    int inForce, startsTomorrow;
  };
  for (const Case c : {Case{10, 1, 0}, Case{200, 1, 0}, Case{100, 0, 0}, Case{149, 0, 1}, Case{150, 1, 0},
                       Case{20, 1, 0}, Case{21, 0, 0}}) {
    EXPECT_EQ(CountPeriodsInForce(c.day), c.inForce) << c.day;
    EXPECT_EQ(CountPeriodsStartingAfter(c.day), c.startsTomorrow) << c.day;
  }
}

TEST_F(TransferDayTest, ClubsTakeTheirTurnsByWeekdayBeforeThePostdateAndByDateAfterIt) {
  struct Case {
    int16_t day, weekday, dayOfMonth, mode;
    bool eve;
    int16_t club;
    bool turn;
  };
  const int16_t start = MarketStartDay();
  const Case cases[] = {
      {100, 4, 5, 0, false, 7, true},    // mode 0: everyone
      {100, 4, 5, 1, false, 7, true},    // 7 mod 5 + 2 = 4
      {100, 4, 5, 1, false, 8, false},   // 8 mod 5 + 2 = 5
      {100, 0, 5, 1, false, 5, false},   // weekdays 0 and 1 have no regular turn
      {100, 1, 5, 1, false, 9, false},
      {100, 0, 5, 1, true, 5, true},     // the eve of a period: everyone
      {start, 0, 5, 1, false, 5, true},  // the market's first day: everyone
      {301, 4, 7, 1, false, 7, true},    // after the postdate: 7 mod 31 = 7
      {301, 4, 7, 1, false, 38, true},   // 38 mod 31 = 7
      {301, 4, 8, 1, false, 7, false},
      {301, 0, 8, 1, true, 7, false},    // after the postdate the eve does not count
      {300, 4, 8, 1, false, 7, true},    // the postdate itself still counts weeks
  };
  for (const Case& c : cases) {
    DayOfSeason = c.day;
    Weekday = c.weekday;
    DayOfMonth = c.dayOfMonth;
    EXPECT_EQ(TakesTransferTurn(c.club, c.mode, c.eve), c.turn) << c.day << " " << c.club;
  }
}

TEST_F(TransferDayTest, TheDailyRunGivesTheDaysTurnsAndEveryClubOneOnAPeriodsEve) {
  // Nobody wears a shirt, so every league club whose turn it is picks a side.
  struct Case {
    int16_t day, weekday, dayOfMonth;
    int clubs;
  };
  const Case cases[] = {
      {100, 0, 5, 0},    // weekday 0: no regular turn
      {100, 2, 5, 23},   // clubs 0, 5, ..., 110
      {149, 0, 5, 114},  // the eve of the period that starts on day 150: every club
      {301, 4, 7, 4},    // after the postdate: clubs 7, 38, 69 and 100
      {301, 4, 8, 4},    // clubs 8, 39, 70 and 101
  };
  for (const Case& c : cases) {
    for (int16_t p = 0; p < PlayerCount; ++p) Player_SetShirt(p, 0);
    DayOfSeason = c.day;
    Weekday = c.weekday;
    DayOfMonth = c.dayOfMonth;
    UpdateTransferWindows(1, 1);
    int sides = 0;
    for (int16_t club = 0; club < tw::kLeagueClubs; ++club) {
      BuildClubSquadList(club);
      if (IsTeamComplete(club, 11) == 0) ++sides;
    }
    EXPECT_EQ(sides, c.clubs) << "day " << c.day << " weekday " << c.weekday << " date " << c.dayOfMonth;
  }
}

TEST_F(TransferDayTest, TheListHoldsTheLeagueClubsInOrderAndNobodyOutsideALeague) {
  BuildClubProcessingList();
  for (int16_t i = 0; i < tw::kLeagueClubs; ++i) EXPECT_EQ(ClubProcessingList[i], i);
  for (int16_t club : ClubProcessingList) {
    if (club < 0) continue;
    EXPECT_LT(Club_GetDivision(club), 6) << club;
  }
  EXPECT_EQ(ClubProcessingList[NUM_CLUBS - 1], -1);
}

TEST_F(TransferDayTest, ModeZeroGivesEveryLeagueClubASideAndRenewsNoContract) {
  DayOfSeason = 100;
  Player_SetContract(5, 3);  // club 0's player with three months left
  UpdateTransferWindows(0, 0);
  for (int16_t club = 0; club < tw::kLeagueClubs; ++club) {
    BuildClubSquadList(club);
    bool worn[12] = {};
    for (int i = 0; i < SquadListLength; ++i) {
      const int16_t shirt = Player_GetShirt(SquadList[i]);
      if (shirt >= 1 && shirt <= 11) {
        EXPECT_FALSE(worn[shirt]) << club << " shirt " << shirt;
        worn[shirt] = true;
      }
    }
    for (int shirt = 1; shirt <= 11; ++shirt) EXPECT_TRUE(worn[shirt]) << club << " shirt " << shirt;
  }
  EXPECT_EQ(Player_GetContract(5), 3);
  EXPECT_EQ(ProgressWords.total, -1);
  EXPECT_EQ(ProgressWords.step, -1);
}

TEST_F(TransferDayTest, TheDailyRunWithoutDealsRenewsNothingEither) {
  DayOfSeason = MarketStartDay();  // every club's turn
  Player_SetContract(5, 3);
  UpdateTransferWindows(1, 0);
  EXPECT_EQ(Player_GetContract(5), 3);
}

}  // namespace
