// Arrange Friendly on the league world: the day rows (their weekdays from
// the calendar), which days can be chosen, which clubs are free around a
// day, the booking at home or away, a full fixture list, the tours and the
// arrows that never leave their ranges.
#include "menus/c_mnarrange.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/bytes.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/fixtures.h"
#include "world/funcs.h"

namespace {

constexpr const char* kNoRoom = "Sorry there is not enough room in your fixture list.";

int CountMessages(const char* text) {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox" && call.text == text) ++n;
  return n;
}

// The screen club: division 1 of England (clubs 20-43).
constexpr int16_t kClub = 20;

class ArrangeFriendlyTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    Seam_ConnectGame();
    MenuPrims_ClearCalls();
    DayOfSeason = 3;  // Tuesday 13 July 1999
    Postdate = 300;
    MenuClub = kClub;
    ArrangeFriendly_Open();
    ArrangeFriendly_Refresh();
  }
  const ArrangeFriendlyView& v() { return ArrangeFriendly_View(); }
  // The row of a day on the page shown.
  int RowOf(int16_t day) { return day - v().firstDay; }
  bool Offered(int16_t club) {
    for (int i = 0; i < v().count; ++i)
      if (v().filtered[i] == club) return true;
    return false;
  }
};

TEST_F(ArrangeFriendlyTest, DayRowsFromToday) {
  EXPECT_EQ(v().firstDay, 3);
  EXPECT_EQ(v().selectedDay, -1);
  EXPECT_STREQ(v().dayText[0], "Tue 13/7") << "the weekday of the day itself, not today's plus its number";
  EXPECT_STREQ(v().dayText[4], "Sat 17/7");
  EXPECT_EQ(v().dayOpponent[0], 168);  // "-- No Fixture --"
  for (int r = 0; r < ARRANGE_ROWS; ++r) EXPECT_EQ(v().rowClub[r], -1) << "no day, no clubs";
}

TEST_F(ArrangeFriendlyTest, ADayWithAMatchCannotBeChosen) {
  Fixture_Add(7, COMP_LEAGUE, kClub, 21, 0);
  ArrangeFriendly_Refresh();
  const int row = RowOf(7);
  EXPECT_EQ(v().dayOpponent[row], GNW_GetClubTextNo(GNW_GetClubDbId(21)));
  EXPECT_EQ(v().dayBusy[row], 1);
  EXPECT_EQ(v().dayCompetition[row], COMP_LEAGUE);
  ArrangeFriendly_ClickDay(row);
  ArrangeFriendly_Refresh();
  EXPECT_EQ(v().availableCount, 0);
  EXPECT_EQ(v().selectedDay, -1);
  EXPECT_EQ(v().rowClub[0], -1);
}

// A club with a match two days after the day is not offered; one with a
// match three days after is; only the selected division's clubs of the game
// country are listed; the screen club is never.
TEST_F(ArrangeFriendlyTest, ClubsFreeTwoDaysEitherSide) {
  Fixture_Add(12, COMP_LEAGUE, 21, 30, 0);
  Fixture_Add(13, COMP_LEAGUE, 22, 31, 0);
  Fixture_Add(8, COMP_FRIENDLY, 32, 33, 0);
  ArrangeFriendly_ClickDay(RowOf(10));
  ArrangeFriendly_SelectDivision(1);
  ArrangeFriendly_Refresh();
  EXPECT_EQ(v().selectedDay, 10);
  EXPECT_EQ(v().dayColour[RowOf(10)], 1);
  EXPECT_FALSE(Offered(21));
  EXPECT_FALSE(Offered(30));
  EXPECT_TRUE(Offered(22));
  EXPECT_TRUE(Offered(31));
  EXPECT_FALSE(Offered(32)) << "a friendly two days before counts too";
  EXPECT_FALSE(Offered(kClub));
  EXPECT_TRUE(Offered(43));
  EXPECT_FALSE(Offered(19)) << "division 0";
  EXPECT_FALSE(Offered(130)) << "a foreign club";
  EXPECT_EQ(v().count, 24 - 5);
  EXPECT_EQ(v().rowClub[0], v().filtered[0]);
  EXPECT_EQ(v().rowMark[0], 102 + v().homeAway[v().filtered[0]]);
}

TEST_F(ArrangeFriendlyTest, AClubRowBooksTheFriendlyOnce) {
  ArrangeFriendly_ClickDay(RowOf(10));
  ArrangeFriendly_SelectDivision(1);
  ArrangeFriendly_Refresh();
  const int16_t other = v().rowClub[0];
  ASSERT_GE(other, 0);
  const bool away = v().homeAway[other] == 1;
  EXPECT_EQ(ArrangeFriendly_ClickClub(0), MENU_RESULT_REDRAW);
  const int16_t n = GNW_FindClubFriendlyOnDay(kClub, 10);
  ASSERT_GE(n, 0);
  EXPECT_EQ(GNW_GetFixtureCompetition(n), COMP_FRIENDLY);
  EXPECT_EQ(GNW_GetFixtureHomeClub(n), away ? other : kClub);
  EXPECT_EQ(GNW_GetFixtureAwayClub(n), away ? kClub : other);
  ArrangeFriendly_Refresh();
  EXPECT_EQ(v().dayOpponent[RowOf(10)], GNW_GetClubTextNo(GNW_GetClubDbId(other)));
  EXPECT_EQ(v().dayCompetition[RowOf(10)], COMP_FRIENDLY);

  // The club plays that day now: another row books nothing.
  ArrangeFriendly_ClickClub(1);
  int friendlies = 0;
  for (int16_t k = 0; k < NUM_FIXTURES; ++k)
    if (Fixture_GetDay(k) == 10 && Fixture_GetCompetition(k) == COMP_FRIENDLY) ++friendlies;
  EXPECT_EQ(friendlies, 1);
  // The friendly's day can still be chosen.
  ArrangeFriendly_ClickDay(RowOf(10));
  EXPECT_EQ(v().selectedDay, 10);
  EXPECT_GT(v().availableCount, 0);
}

TEST_F(ArrangeFriendlyTest, AFullFixtureListShowsTheMessage) {
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    // Day 300 between two clubs of division 4: the list is full.
    StoreU32(Fixture_GetRecord(n)->bytes, 300u | 0u << 9 | 100u << 16 | 101u << 24);
    Fixture_GetRecord(n)->bytes[4] = 0xFF;
  }
  ArrangeFriendly_ClickDay(RowOf(10));
  ArrangeFriendly_SelectDivision(1);
  ArrangeFriendly_Refresh();
  ASSERT_GE(v().rowClub[0], 0);
  ArrangeFriendly_ClickClub(0);
  EXPECT_EQ(CountMessages(kNoRoom), 1);
  EXPECT_LT(GNW_FindClubFriendlyOnDay(kClub, 10), 0);
}

TEST_F(ArrangeFriendlyTest, ATourOnlyWithRoomForIt) {
  EXPECT_EQ(ArrangeTourCountries[0], 0);
  EXPECT_EQ(ArrangeTourCountries[10], 18);
  EXPECT_EQ(ArrangeTourCountries[15], 12);
  Fixture_Add(9, COMP_LEAGUE, kClub, 21, 0);
  ArrangeFriendly_Tour(5);
  EXPECT_EQ(CountMessages(kNoRoom), 1);

  Fixture_Remove(Fixture_Find(kClub, 21, COMP_LEAGUE));
  ArrangeFriendly_Tour(5);  // Dutch Tour
  EXPECT_EQ(CountMessages(kNoRoom), 1);
  int abroad = 0;
  for (int16_t k = 0; k < NUM_FIXTURES; ++k)
    if (Fixture_GetCompetition(k) == COMP_FRIENDLY && Fixture_GetAwayClub(k) == kClub &&
        GNW_GetClubCountry(Fixture_GetHomeClub(k)) == 5)
      ++abroad;
  EXPECT_GT(abroad, 0);
}

TEST_F(ArrangeFriendlyTest, ArrowsStayInTheirRanges) {
  for (int i = 0; i < 5; ++i) ArrangeFriendly_DaysUp();
  EXPECT_EQ(v().firstDay, 3) << "never before today";
  ArrangeFriendly_DaysDown();
  EXPECT_EQ(v().firstDay, 18);
  for (int i = 0; i < 40; ++i) ArrangeFriendly_DaysDown();
  EXPECT_EQ(v().firstDay, 300) << "never past the postdate";
  ArrangeFriendly_DaysUp();
  EXPECT_EQ(v().firstDay, 285);

  ArrangeFriendly_DaysUp();
  for (int i = 0; i < 40; ++i) ArrangeFriendly_DaysUp();
  ArrangeFriendly_ClickDay(RowOf(10));
  ArrangeFriendly_SelectDivision(1);
  ArrangeFriendly_Refresh();
  ASSERT_EQ(v().count, 23);
  ArrangeFriendly_ClubsUp();
  EXPECT_EQ(v().offset, 0) << "never below 0";
  for (int i = 0; i < 20; ++i) ArrangeFriendly_ClubsDown();
  EXPECT_EQ(v().offset, 23 - ARRANGE_ROWS);
  ArrangeFriendly_SelectDivision(4);
  ArrangeFriendly_Refresh();
  EXPECT_EQ(v().count, 22);
  ArrangeFriendly_SelectDivision(6);  // no such division
  EXPECT_EQ(v().division, 4);
  ArrangeFriendly_ClubsDown();
  ArrangeFriendly_SelectDivision(0);
  ArrangeFriendly_Refresh();
  EXPECT_EQ(v().offset, 0);

  // Few clubs: the list does not move.
  for (int16_t c = 1; c < 20; ++c) Fixture_Add(11, COMP_LEAGUE, c, static_cast<int16_t>(c + 100), 0);
  ArrangeFriendly_ClickDay(RowOf(10));
  ArrangeFriendly_Refresh();
  EXPECT_EQ(v().count, 1);  // club 0 alone
  ArrangeFriendly_ClubsDown();
  EXPECT_EQ(v().offset, 0);
}

TEST_F(ArrangeFriendlyTest, DoneGoesToTheOffice) {
  EXPECT_EQ(ArrangeFriendly_Done(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
}

}  // namespace
