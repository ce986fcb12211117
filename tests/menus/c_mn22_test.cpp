// The Statistics screen on the small test world: the figures, the sources,
// the sorts and their pop-up ticks, the duties with the shirt-1 rule, the
// shirt swaps and the rows past the list's end.
#include "menus/c_mn22.h"

#include <gtest/gtest.h>

#include "menus/c_mn8.h"
#include "menus/c_mnshort.h"
#include "menus/m_mn0.h"
#include "menus/m_mn7.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/playfix.h"
#include "season/seam.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/players.h"

namespace {

int RowOf(int16_t player) {
  for (int r = 0; r < STATISTICS_ROWS; ++r)
    if (Statistics_Row(r).player == player) return r;
  return -1;
}

class StatisticsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    Seam_ConnectGame();
    MenuPrims_ClearCalls();
    PlayFix_ClearHumanChoices();
    MenuManager = 1;
    MenuClub = tw::kLeagueClub;  // the screen takes the human manager's club
    MenuOption = 80;
    Player_SetShirt(tw::kKeeper, 1);
    Player_SetShirt(tw::kDefender, 2);
    Player_SetShirt(tw::kForward, 9);
  }
  void Open() {
    Statistics_Open();
    Statistics_Refresh();
  }
  int16_t Click(int16_t player) { return Statistics_RowClick(static_cast<int16_t>(RowOf(player))); }
};

TEST_F(StatisticsTest, OpensOnTheHumanClubInShirtOrder) {
  Open();
  EXPECT_EQ(MenuClub, tw::kHumanClub);
  ASSERT_EQ(Statistics_Length(), 3);
  EXPECT_EQ(Statistics_ListAt(0), tw::kKeeper);
  EXPECT_EQ(Statistics_ListAt(1), tw::kDefender);
  EXPECT_EQ(Statistics_ListAt(2), tw::kForward);
  EXPECT_EQ(SortKeys[0], 25);
  const StatisticsRow& row = Statistics_Row(0);
  EXPECT_EQ(row.shirt, 1);
  EXPECT_EQ(row.ownClubMark, 1359);
  EXPECT_EQ(row.shortListMark, 0);
  // The first columns, skills 2, 3, 0, 1, 9, 10, 6, 4, 17: Tackling,
  // Heading, Passing, Shooting, Pace, Stamina, Control, Dribbling,
  // Intelligence.
  const int16_t heads[STATISTICS_COLUMNS] = {43, 42, 44, 45, 49, 52, 47, 46, 57};
  for (int c = 0; c < STATISTICS_COLUMNS; ++c) {
    EXPECT_EQ(Statistics_SkillHead(Statistics_ColumnSkill(c)), heads[c]);
    EXPECT_EQ(row.skill[c], Statistics_ColumnValue(Statistics_ColumnSkill(c), tw::kKeeper));
    EXPECT_EQ(row.skillColour[c], StatValueColour(row.skill[c]));
  }
  EXPECT_EQ(Statistics_ColumnValue(-1, tw::kKeeper), BLANK_S16);
  EXPECT_EQ(Statistics_ColumnValue(7, tw::kKeeper), GNW_GetPlayerPersonalityStat(tw::kKeeper, 20));
}

TEST_F(StatisticsTest, GoalsAreBlankForKeepersAndANoughtLastPerformanceIsBlank) {
  Open();
  Statistics_ChooseFigure(1);  // "Goals"
  Statistics_Refresh();
  EXPECT_EQ(Statistics_Row(RowOf(tw::kKeeper)).figure, BLANK_S16);
  EXPECT_EQ(Statistics_Row(RowOf(tw::kForward)).figure, 10);
  EXPECT_TRUE(Statistics_FigureRowTicked(1));
  EXPECT_FALSE(Statistics_FigureRowTicked(0));
  Statistics_ChooseFigure(9);  // "Last Performance": no appearance, no rating
  Statistics_Refresh();
  for (int16_t p : {tw::kKeeper, tw::kDefender, tw::kForward}) EXPECT_EQ(Statistics_Row(RowOf(p)).figure, BLANK_S16);
  Statistics_ChooseFigure(3);  // "Age"
  Statistics_Refresh();
  EXPECT_EQ(Statistics_Row(RowOf(tw::kForward)).figure, GNW_GetPlayerAge(tw::kForward));
  EXPECT_EQ(Statistics_ChooseFigure(10), POPUP_RESULT_CLOSE);
  EXPECT_EQ(Statistics_Figure(), 3) << "kept between visits";
  Open();
  EXPECT_EQ(Statistics_Figure(), 3);
}

TEST_F(StatisticsTest, WithoutANextFixtureTheOppositionSwitchesItselfOff) {
  Open();
  Statistics_ToggleSource(STATISTICS_OPPONENT);
  Statistics_Refresh();
  EXPECT_FALSE(Statistics_SourceOn(STATISTICS_OPPONENT));
  EXPECT_EQ(Statistics_Length(), 3);
}

TEST_F(StatisticsTest, TheOppositionAddsTheNextOpponentsSquad) {
  ASSERT_GE(GNW_AddFixture(10, 5, tw::kHumanClub, tw::kLeagueClub, 0), 0);
  Open();
  Statistics_ToggleSource(STATISTICS_OPPONENT);
  Statistics_Refresh();
  EXPECT_TRUE(Statistics_SourceOn(STATISTICS_OPPONENT));
  ASSERT_EQ(Statistics_Length(), 4);
  const StatisticsRow& opponent = Statistics_Row(RowOf(tw::kMidfielder));
  EXPECT_EQ(opponent.ownClubMark, 0);
  EXPECT_EQ(opponent.shirt, BLANK_S16);
  // A new visit starts with the own club only.
  Open();
  EXPECT_FALSE(Statistics_SourceOn(STATISTICS_OPPONENT));
  EXPECT_EQ(Statistics_Length(), 3);
}

TEST_F(StatisticsTest, TheShortListAddsItsPlayers) {
  ShortList_Add_Player(tw::kItalian);
  ShortList_Add_Player(tw::kForward);
  Open();
  Statistics_ToggleSource(STATISTICS_SHORT_LIST);
  Statistics_Refresh();
  EXPECT_EQ(Statistics_Length(), 5) << "the own forward is listed twice: once per source";
  const StatisticsRow& italian = Statistics_Row(RowOf(tw::kItalian));
  EXPECT_EQ(italian.shortListMark, 1358);
  EXPECT_EQ(italian.ownClubMark, 0);
  EXPECT_EQ(italian.shirt, BLANK_S16);
  // A player of another club takes no role and no shirt.
  Statistics_ToggleDuty(STATISTICS_DUTY_CAPTAIN);
  EXPECT_EQ(Click(tw::kItalian), MENU_RESULT_DONE);
  EXPECT_TRUE(Statistics_DutyPending(STATISTICS_DUTY_CAPTAIN));
  EXPECT_EQ(Statistics_Pick(), -1);
}

TEST_F(StatisticsTest, SortTwiceReturnsToTheUnsortedOrder) {
  Open();
  // Column 0 (Tackling) sorts by key 9.
  EXPECT_EQ(Statistics_SortColumn(0), MENU_RESULT_REDRAW);
  Statistics_Refresh();
  EXPECT_EQ(Statistics_SortKey(), 9);
  EXPECT_EQ(SortKeys[0], 9);
  EXPECT_TRUE(Statistics_ColumnRowTicked(0, 0));
  EXPECT_FALSE(Statistics_ColumnRowTicked(1, 0));
  for (int r = 0; r + 1 < 3; ++r) EXPECT_GE(Statistics_Row(r).skill[0], Statistics_Row(r + 1).skill[0]);
  Statistics_SortColumn(0);
  Statistics_Refresh();
  EXPECT_EQ(Statistics_SortKey(), SORT_KEY_NONE);
  EXPECT_EQ(SortKeys[0], 25);
  EXPECT_EQ(SortKeys[1], 0);
  EXPECT_EQ(Statistics_ListAt(0), tw::kKeeper);
  EXPECT_EQ(Statistics_ListAt(2), tw::kForward);
  // "Type On" groups by position first.
  Statistics_ToggleTypeOn();
  Statistics_SortColumn(1);
  Statistics_Refresh();
  EXPECT_EQ(SortKeys[0], 6);
  EXPECT_EQ(SortKeys[1], 8);
  Statistics_ToggleTypeOn();
}

TEST_F(StatisticsTest, ASkillRowFillsTheColumnAndRemovesTheSort) {
  Open();
  Statistics_SortColumn(2);
  EXPECT_EQ(Statistics_SetColumnSkill(2, 5), MENU_RESULT_REDRAW);  // Keeping
  Statistics_Refresh();
  EXPECT_EQ(Statistics_SortKey(), SORT_KEY_NONE);
  EXPECT_EQ(Statistics_ColumnSkill(2), 5);
  EXPECT_TRUE(Statistics_ColumnRowTicked(4, 1 + 5)) << "a skill shown in any column is ticked";
  EXPECT_FALSE(Statistics_ColumnRowTicked(4, 1 + 0)) << "Passing is no longer shown";
  EXPECT_EQ(Statistics_SetColumnSkill(2, 18), POPUP_RESULT_CLOSE);
  EXPECT_EQ(Statistics_SetColumnSkill(9, 0), POPUP_RESULT_CLOSE);
}

TEST_F(StatisticsTest, DutiesAreServedButTheKeeperShirtTakesNoPenalty) {
  Open();
  for (int16_t d : {STATISTICS_DUTY_PENALTY, STATISTICS_DUTY_FREE_KICK, STATISTICS_DUTY_CAPTAIN})
    Statistics_ToggleDuty(d);
  EXPECT_EQ(Click(tw::kKeeper), MENU_RESULT_REDRAW);
  EXPECT_EQ(HumanChoices.freeKick, tw::kKeeper);
  EXPECT_EQ(HumanChoices.captain, tw::kKeeper);
  EXPECT_EQ(GNW_GetPlayerCaptain(tw::kKeeper), 1);
  EXPECT_EQ(HumanChoices.penaltyTaker, -1);
  EXPECT_TRUE(Statistics_DutyPending(STATISTICS_DUTY_PENALTY));
  EXPECT_FALSE(Statistics_DutyPending(STATISTICS_DUTY_FREE_KICK));
  EXPECT_EQ(Statistics_Pick(), -1) << "serving duties picks nobody";
  // With only the penalty pending, the keeper's click is a shirt pick.
  EXPECT_EQ(Click(tw::kKeeper), MENU_RESULT_REDRAW);
  EXPECT_EQ(Statistics_Pick(), tw::kKeeper);
  Statistics_Refresh();
  EXPECT_EQ(Statistics_Row(RowOf(tw::kKeeper)).nameColour, 1);
  Statistics_ToggleDuty(STATISTICS_DUTY_PENALTY);  // the duty withdrawn
  Click(tw::kKeeper);  // the same player twice: nothing changes
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kKeeper), 1);
  // Role marks show on the holders.
  HumanChoices.penaltyTaker = tw::kForward;
  HumanChoices.cornerTaker = tw::kDefender;
  Statistics_Refresh();
  EXPECT_EQ(Statistics_Row(RowOf(tw::kKeeper)).roleMark[0], 101);
  EXPECT_EQ(Statistics_Row(RowOf(tw::kKeeper)).roleMark[3], 1424);
  EXPECT_EQ(Statistics_Row(RowOf(tw::kForward)).roleMark[1], 1422);
  EXPECT_EQ(Statistics_Row(RowOf(tw::kDefender)).roleMark[2], 1423);
}

TEST_F(StatisticsTest, SwappingShirtOneMovesTheSetPieceRolesToTheOneLeavingIt) {
  Open();
  HumanChoices.freeKick = tw::kForward;
  HumanChoices.penaltyTaker = tw::kForward;
  HumanChoices.cornerTaker = tw::kDefender;
  HumanChoices.captain = tw::kForward;
  Click(tw::kForward);
  EXPECT_EQ(Click(tw::kKeeper), MENU_RESULT_REDRAW);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kKeeper), 9);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kForward), 1);
  EXPECT_EQ(HumanChoices.freeKick, tw::kKeeper);
  EXPECT_EQ(HumanChoices.penaltyTaker, tw::kKeeper);
  EXPECT_EQ(HumanChoices.cornerTaker, tw::kDefender) << "a third player keeps his role";
  EXPECT_EQ(HumanChoices.captain, tw::kForward) << "the captaincy does not move";
  // Two outfield shirts swap without moving roles.
  Click(tw::kDefender);
  Click(tw::kKeeper);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kDefender), 9);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kKeeper), 2);
  EXPECT_EQ(HumanChoices.cornerTaker, tw::kDefender);
  EXPECT_EQ(HumanChoices.freeKick, tw::kKeeper);
}

TEST_F(StatisticsTest, AKeptFirstRowLeavesTheRowsPastTheEndBlank) {
  Open();
  Statistics_SetOffset(2);
  Statistics_Refresh();
  EXPECT_EQ(Statistics_Row(0).player, Statistics_ListAt(2));
  for (int r = 1; r < STATISTICS_ROWS; ++r) {
    EXPECT_EQ(Statistics_Row(r).player, -1);
    EXPECT_EQ(Statistics_Row(r).figure, BLANK_S16);
  }
  EXPECT_EQ(Statistics_RowClick(3), MENU_RESULT_DONE);
  EXPECT_EQ(Statistics_NameClick(3), MENU_RESULT_DONE);
  EXPECT_EQ(Statistics_Scroll(1), MENU_RESULT_DONE);
  EXPECT_EQ(Statistics_Scroll(-1), MENU_RESULT_REDRAW);
  EXPECT_EQ(Statistics_Scroll(-1), MENU_RESULT_REDRAW);
  EXPECT_EQ(Statistics_Scroll(-1), MENU_RESULT_DONE);
  EXPECT_EQ(Statistics_Offset(), 0);
}

TEST_F(StatisticsTest, NamesTabsAndBackLeave) {
  Open();
  EXPECT_EQ(Statistics_NameClick(static_cast<int16_t>(RowOf(tw::kDefender))), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 4);
  EXPECT_EQ(MenuPlayer, tw::kDefender);
  EXPECT_EQ(PlayerPageReturnOption(), 80);
  for (int16_t tab : {7, 21}) {
    MenuOption = 80;
    ReturnMenuOption = 3;
    EXPECT_EQ(Statistics_Tab(tab), MENU_RESULT_LEAVE);
    EXPECT_EQ(MenuOption, tab);
    EXPECT_EQ(ReturnMenuOption, 80);
  }
  EXPECT_EQ(Statistics_Back(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
}

}  // namespace
