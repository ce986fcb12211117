// Fixtures/Results (days, rows, modes, aggregates, the ways out) and the
// Domestic Roll Of Honour (champions, the cup, Europe, the play-offs).
#include <gtest/gtest.h>

#include <string>

#include "menus/c_mncomp.h"
#include "menus/exm_text.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "season/endseason.h"
#include "season/euroentrants.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/honours.h"

namespace {

void Draw(int16_t (*handler)(const MenuItem*), int16_t event) {
  SetMenuEvent(event);
  handler(nullptr);
}

std::string NameOf(int16_t club) { return GetTextNoAddr(GNW_GetClubTextNo(GNW_GetClubDbId(club))); }

// The England league world: division 0 is clubs 0-19, division 1 20-43.
class CompFixturesTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    Club_SetControl(2, 1);  // the user's club, in division 0
    MenuOption = 11;
  }
  void Open() { Draw(CompFixtures_Handler, MENU_EVENT_INIT); }
  void Redraw() { Draw(CompFixtures_Handler, MENU_EVENT_DRAW); }
  // A cup code of the country whose round is a second leg, -1 none.
  static int16_t SecondLegCode() {
    for (int16_t code = COMP_CUP_FIRST; code <= COMP_CUP_LAST; ++code) {
      int16_t round = -1, mark = -1;
      GNW_GetCompTextNo(code, &round, &mark);
      if (mark == 135) return code;
    }
    return -1;
  }
};

// A competition without fixtures: "No Fixtures", blank rows, its name, and
// the day controls do nothing.
TEST_F(CompFixturesTest, ACompetitionWithoutFixturesSaysSo) {
  Fixture_Add(30, COMP_LEAGUE, 0, 1, 0);
  Open();
  EXPECT_EQ(CompFixtures_ChooseCup(1), MENU_RESULT_REDRAW);
  Redraw();
  EXPECT_EQ(CompFixtures_Mode(), 0);
  EXPECT_TRUE(CompFixtures_NoFixtures());
  EXPECT_EQ(CompFixtures_DayCount(), 0);
  for (int r = 0; r < COMP_FIXTURES_ROWS; ++r) EXPECT_EQ(CompFixtures_Row(r).fixture, -1);
  EXPECT_STREQ(CompFixtures_CompetitionLine(), GetTextNoAddr(GNW_GetCountryCompNameTextNo(1)));
  EXPECT_STREQ(CompFixtures_DateLine(), "");
  EXPECT_EQ(CompFixtures_DayForward(nullptr), 0);
  EXPECT_EQ(CompFixtures_DayBack(nullptr), 0);
}

// League mode follows the user's club's division; the day shown is the
// first fixture day from today, else the last one before it; forward from
// the last day and back from the first do nothing.
TEST_F(CompFixturesTest, TheDaysWithFixtures) {
  for (int16_t day : {30, 37, 44}) Fixture_Add(day, COMP_LEAGUE, 0, 1, 0);
  Fixture_Add(40, COMP_LEAGUE, 20, 21, 0);  // another division
  DayOfSeason = 35;
  Open();
  EXPECT_EQ(CompFixtures_Mode(), 1);
  EXPECT_EQ(CompFixtures_ListLength(), 3);
  EXPECT_EQ(CompFixtures_Day(), 37);
  EXPECT_STREQ(CompFixtures_CompetitionLine(), GetTextNoAddr(GNW_GetDivisionNameTextNo(0)));
  EXPECT_EQ(CompFixtures_DayForward(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(CompFixtures_Day(), 44);
  EXPECT_EQ(CompFixtures_DayForward(nullptr), 0);
  EXPECT_EQ(CompFixtures_Day(), 44);
  CompFixtures_DayBack(nullptr);
  CompFixtures_DayBack(nullptr);
  EXPECT_EQ(CompFixtures_Day(), 30);
  EXPECT_EQ(CompFixtures_DayBack(nullptr), 0);
  Redraw();
  EXPECT_EQ(CompFixtures_DayCount(), 1);

  DayOfSeason = 50;
  Open();
  EXPECT_EQ(CompFixtures_Day(), 44) << "after the last fixture day: the last one";
  EXPECT_EQ(CompFixtures_ChooseDivision(1), MENU_RESULT_REDRAW);
  Redraw();
  EXPECT_EQ(CompFixtures_Day(), 40);
  CompFixtures_ChooseDivision(5);  // England has five divisions
  EXPECT_EQ(CompFixtures_ListLength(), 1);
}

// A played fixture shows its score; one to come "Vs" and the clubs' league
// places; the user's club's fixture is marked.
TEST_F(CompFixturesTest, RowsOfPlayedAndComingFixtures) {
  const int16_t played = Fixture_Add(30, COMP_LEAGUE, 2, 3, 0);
  Fixture_SetResult(played, 4, 2);
  Fixture_Add(30, COMP_LEAGUE, 5, 6, 0);
  Fixture_Add(44, COMP_LEAGUE, 7, 2, 0);
  DayOfSeason = 30;  // today's fixtures are not played yet
  Open();
  EXPECT_EQ(CompFixtures_DayCount(), 2);
  CompFixtureRow row = CompFixtures_Row(0);
  EXPECT_EQ(row.separator, 152);
  EXPECT_EQ(row.homeGoals, BLANK_S16);
  EXPECT_EQ(row.colour, 8);
  EXPECT_EQ(std::string(row.homeExtra), std::string("(") + GetTextNoAddr(336 + GNW_GetClubLeaguePosition(2)) + ")");
  EXPECT_EQ(CompFixtures_Row(1).colour, 0);

  DayOfSeason = 31;
  Open();
  EXPECT_EQ(CompFixtures_Day(), 44);
  CompFixtures_DayBack(nullptr);
  Redraw();
  row = CompFixtures_Row(0);
  EXPECT_EQ(row.homeName, GNW_GetClubTextNo(GNW_GetClubDbId(2)));
  EXPECT_EQ(row.homeGoals, 4);
  EXPECT_EQ(row.separator, 125);
  EXPECT_EQ(row.awayGoals, 2);
  EXPECT_STREQ(row.homeExtra, "") << "a played league fixture has no places";
  int16_t dayOfMonth = 0, month = 0, weekday = 0;
  GNW_GetDateOfDay(30, &dayOfMonth, &month, &weekday);
  char date[48];
  std::snprintf(date, sizeof date, "%s %02d/%02d", GetTextNoAddr(2 + weekday), dayOfMonth, month);
  EXPECT_STREQ(CompFixtures_DateLine(), date);
}

// In a domestic cup each club shows its division, in a European one its
// country.
TEST_F(CompFixturesTest, CupRowsNameDivisionsOrCountries) {
  Fixture_Add(40, COMP_CUP_FIRST, 2, 25, 0);
  Fixture_Add(50, 69, 2, 130, 0);
  Open();
  CompFixtures_ChooseCup(0);
  Redraw();
  ASSERT_EQ(CompFixtures_DayCount(), 1);
  EXPECT_EQ(std::string(CompFixtures_Row(0).awayExtra),
            std::string("(") + GetTextNoAddr(GNW_GetDivisionShortTextNo(1)) + ")");
  CompFixtures_ChooseCup(4);
  Redraw();
  ASSERT_EQ(CompFixtures_DayCount(), 1);
  EXPECT_EQ(std::string(CompFixtures_Row(0).homeExtra), std::string("(") + GetTextNoAddr(500) + ")");
  EXPECT_EQ(std::string(CompFixtures_Row(0).awayExtra),
            std::string("(") + GetTextNoAddr(500 + GNW_GetClubCountry(130)) + ")");
}

// A second leg shows the aggregate once the first leg is played, not before.
TEST_F(CompFixturesTest, ASecondLegShowsTheAggregate) {
  const int16_t code = SecondLegCode();
  ASSERT_GE(code, 0) << "no two-legged round in the country's cups";
  const int16_t cup = GNW_GetCupOfComp(code);
  const int16_t firstLeg = Fixture_Add(40, COMP_CUP_FIRST + COMP_CUP_CODES * cup, 3, 2, 0);
  const int16_t secondLeg = Fixture_Add(54, code, 2, 3, 0);
  DayOfSeason = 45;
  Open();
  CompFixtures_ChooseCup(cup);
  Redraw();
  ASSERT_EQ(CompFixtures_Day(), 54);
  EXPECT_STREQ(CompFixtures_Row(0).aggregate, "") << "the first leg is not played";
  EXPECT_EQ(CompFixtures_Row(0).aggregateHome, BLANK_S16);

  Fixture_SetResult(firstLeg, 2, 1);  // club 2 scored 1 away
  Fixture_SetResult(secondLeg, 1, 0);
  DayOfSeason = 60;
  Open();
  CompFixtures_ChooseCup(cup);
  Redraw();
  ASSERT_EQ(CompFixtures_Day(), 54);
  EXPECT_EQ(CompFixtures_Row(0).aggregateHome, 2);
  EXPECT_EQ(CompFixtures_Row(0).aggregateAway, 2);
  EXPECT_STREQ(CompFixtures_Row(0).aggregate, "(2 - 2)");
}

TEST_F(CompFixturesTest, ScrollingAndTheWaysOut) {
  for (int16_t i = 0; i < 10; ++i) Fixture_Add(40, COMP_CUP_FIRST, i, static_cast<int16_t>(20 + i), 0);
  for (int16_t i = 0; i < 10; ++i) Fixture_Add(40, COMP_CUP_FIRST, static_cast<int16_t>(44 + i), static_cast<int16_t>(68 + i), 0);
  Open();
  CompFixtures_ChooseCup(0);
  Redraw();
  ASSERT_EQ(CompFixtures_DayCount(), 20);
  for (int i = 0; i < 7; ++i) CompFixtures_ScrollDown(nullptr);
  EXPECT_EQ(CompFixtures_FirstRow(), 5);
  CompFixtures_ScrollUp(nullptr);
  EXPECT_EQ(CompFixtures_FirstRow(), 4);
  Redraw();
  EXPECT_EQ(CompFixtures_Row(0).home, 4);

  EXPECT_EQ(CompFixtures_ClickClub(0, 1), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuClub, 24);
  EXPECT_EQ(ReturnMenuOption, 11);
  EXPECT_EQ(MenuOption, 2);
  EXPECT_EQ(CompFixtures_ClickClub(0, 0), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuClub, 4);
  const struct {
    int16_t (*action)();
    int16_t option;
  } ways[] = {
      {[] { return CompFixtures_Done(nullptr); }, 3},
      {[] { return CompFixtures_LeagueFixtures(nullptr); }, 48},
      {CompFixtures_Tables, 9},
  };
  for (const auto& way : ways) {
    EXPECT_EQ(way.action(), MENU_RESULT_LEAVE);
    EXPECT_EQ(MenuOption, way.option);
  }

  Fixture_ClearAll();
  Open();
  CompFixtures_ChooseCup(0);
  Redraw();
  CompFixtures_ScrollDown(nullptr);
  EXPECT_EQ(CompFixtures_FirstRow(), 0);
  EXPECT_EQ(CompFixtures_ClickClub(0, 0), 0) << "a blank row opens nothing";
}

TEST_F(CompFixturesTest, MoreThanTwoHundredAndFiftyFixturesOnADayStopTheProgram) {
  for (int i = 0; i < 251; ++i) Fixture_Add(40, COMP_CUP_FIRST, static_cast<int16_t>(i % 125), static_cast<int16_t>(125 + i % 125), 0);
  Open();
  CompFixtures_ChooseCup(0);
  EXPECT_FATAL(Redraw(), "more than 250 fixtures");
}

// Option 11 itself: the screen in the menu loop, a day forward by its
// control, then Done.
class CompFixturesLoopTest : public menutest::MenuHarness {};

TEST_F(CompFixturesLoopTest, ADayForwardThenDone) {
  BuildLeagueWorld();
  Club_SetControl(2, 1);
  for (int16_t day : {30, 37}) Fixture_Add(day, COMP_LEAGUE, 2, 3, 0);
  MenuOption = 11;
  ASSERT_TRUE(Run(CompFixturesMenu, {menutest::ClickAt(10, 332, 400), menutest::ClickAt(60, 590, 456)}));
  EXPECT_EQ(CompFixtures_Day(), 37);
  EXPECT_EQ(MenuOption, 3);
}

// ---- the Domestic Roll Of Honour ----

class RollOfHonourScreenTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    Honours_ClearAll();
  }
  void Show(int16_t division) {
    Draw(RollOfHonour_Handler, MENU_EVENT_INIT);
    RollOfHonour_SelectDivision(division);
    Draw(RollOfHonour_Handler, MENU_EVENT_DRAW);
  }
};

// The top division: champions, runners-up, the first cup's winner and the
// European qualifiers with their honours.
TEST_F(RollOfHonourScreenTest, TheTopDivision) {
  HonoursSeasons[1].bytes[HOLDER_DIV0_CHAMPION] = 3;
  HonoursSeasons[1].bytes[HOLDER_DIV0_RUNNER_UP] = 4;
  HonoursSeasons[1].bytes[HOLDER_CUP0_WINNER] = 5;
  HonoursSeasons[1].bytes[HOLDER_CUP0_RUNNER_UP] = 6;
  EuroListA[0] = 3;
  EuroListB[0] = 4;
  EuroListC[0] = 5;
  EuroListC[1] = 7;
  EuroHonourWords[EURO_HONOUR_A_ENTRANT] = 3;
  EuroHonourWords[EURO_HONOUR_CUP_WINNER] = 5;
  Show(0);
  EXPECT_STREQ(RollOfHonour_DivisionLine(), GetTextNoAddr(GNW_GetDivisionNameTextNo(0)));
  const std::string cup0 = GetTextNoAddr(GNW_GetCountryCompNameTextNo(0));
  const struct {
    int row;
    std::string label, text;
  } want[] = {
      {0, "Champions", NameOf(3)},
      {1, "Runners Up", NameOf(4)},
      {2, "Winners " + cup0, NameOf(5)},
      {3, "", ""},
      {4, "Champions League Qualifiers", ""},
      {5, "", NameOf(3) + " (Champions " + GetTextNoAddr(GNW_GetDivisionShortTextNo(0)) + ")"},
      {6, "", NameOf(4)},
      {8, "UEFA Cup Qualifiers", ""},
      {9, "", NameOf(5) + " (Winners " + cup0 + ")"},
      {10, "", NameOf(7)},
      {11, "", ""},
  };
  for (const auto& w : want) {
    SCOPED_TRACE(w.row);
    EXPECT_EQ(RollOfHonour_Label(w.row), w.label);
    EXPECT_EQ(RollOfHonour_Text(w.row), w.text);
  }
}

// A lower division with play-offs lists its four play-off clubs, the one now
// in the division above as promoted; one without play-offs lists none. An
// empty roll shows empty names.
TEST_F(RollOfHonourScreenTest, LowerDivisionsAndTheirPlayOffs) {
  for (int i = 0; i < 4; ++i) PlayoffClubs[1][i] = static_cast<int16_t>(22 + i);
  Club_SetDivision(24, 0);
  Show(1);
  EXPECT_EQ(RollOfHonour_Division(), 1);
  EXPECT_STREQ(RollOfHonour_Label(0), "Champions");
  EXPECT_STREQ(RollOfHonour_Text(0), "");
  EXPECT_STREQ(RollOfHonour_Label(3), "Play-Off Qualifiers");
  EXPECT_EQ(RollOfHonour_Text(4), NameOf(22));
  EXPECT_EQ(RollOfHonour_Text(6), NameOf(24) + " (Promoted)");
  EXPECT_EQ(RollOfHonour_Text(7), NameOf(25));

  Show(4);  // England's fifth division has no play-offs
  EXPECT_EQ(RollOfHonour_Division(), 4);
  for (int r = 2; r < ROLL_OF_HONOUR_ROWS; ++r) {
    EXPECT_STREQ(RollOfHonour_Label(r), "");
    EXPECT_STREQ(RollOfHonour_Text(r), "");
  }
  Show(5);  // a division the country does not have
  EXPECT_EQ(RollOfHonour_Division(), 0);
  EXPECT_EQ(RollOfHonour_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
}

}  // namespace
