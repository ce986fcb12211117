// The Player Stats screen on the small test world: the colour bands, the
// column sorts of both statistics groups, scrolling, the shirt swaps and
// their loan refusals, the chosen roles and the player page.
#include "menus/c_mn8.h"

#include <gtest/gtest.h>

#include "menus/c_mnshort.h"
#include "menus/m_mn0.h"
#include "menus/m_mn7.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/playfix.h"
#include "season/seam.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

int CountMessages(const char* text) {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox" && call.text == text) ++n;
  return n;
}

int RowOf(int16_t player) {
  for (int r = 0; r < PLAYER_STATS_ROWS; ++r)
    if (PlayerStats_Row(r).player == player) return r;
  return -1;
}

class PlayerStatsScreenTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    Seam_ConnectGame();
    MenuPrims_ClearCalls();
    MenuManager = 1;
    MenuClub = tw::kHumanClub;
    Player_SetShirt(tw::kKeeper, 1);
    Player_SetShirt(tw::kDefender, 2);
    Player_SetShirt(tw::kForward, 9);
  }
  void Open() {
    PlayerStats_Open();
    PlayerStats_Refresh();
  }
};

TEST(PlayerStatsScreenColours, EachBandStartsAtItsValue) {
  const struct {
    int16_t value, colour;
  } cases[] = {{0, 4}, {15, 4}, {16, 16}, {30, 16}, {31, 0}, {75, 0}, {76, 12}, {90, 12}, {91, 6}, {99, 6}};
  for (const auto& c : cases) EXPECT_EQ(StatValueColour(c.value), c.colour) << "value " << c.value;
}

TEST_F(PlayerStatsScreenTest, ColourStatsTakesTheColumnSevenToFifteen) {
  Open();
  const int r = RowOf(tw::kForward);
  ASSERT_GE(r, 0);
  for (int16_t column = PLAYER_STATS_FIRST_COLUMN; column <= PLAYER_STATS_LAST_COLUMN; ++column) {
    SCOPED_TRACE(column);
    const int16_t value = PlayerStats_Row(r).value[column - PLAYER_STATS_FIRST_COLUMN];
    EXPECT_EQ(ColourStats(column, static_cast<int16_t>(r)), StatValueColour(value));
    EXPECT_EQ(PlayerStats_Row(r).cellColour[column - PLAYER_STATS_FIRST_COLUMN], StatValueColour(value));
  }
  for (int16_t column : {6, 16, 24})
    EXPECT_FATAL(ColourStats(column, 0), "In c_mn8.c invaild switch\\(\\) type in ColourStats\\(\\) ");
}

TEST_F(PlayerStatsScreenTest, TheViewFollowsTheHumanClub) {
  Open();
  EXPECT_EQ(PlayerStats_View(), PLAYER_STATS_OWN_VIEW);
  EXPECT_EQ(PlayerStats_Length(), 3);
  EXPECT_EQ(PlayerStats_MatchStats(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 60);
  MenuClub = tw::kLeagueClub;
  Open();
  EXPECT_EQ(PlayerStats_View(), PLAYER_STATS_OTHER_VIEW);
  // Another club's shirts, roles and match facts are not the manager's.
  EXPECT_EQ(PlayerStats_ShirtClick(0), MENU_RESULT_DONE);
  EXPECT_EQ(PlayerStats_Pick(), -1);
  EXPECT_EQ(PlayerStats_ChooseButton(SQUAD_ROLE_CAPTAIN), MENU_RESULT_DONE);
  EXPECT_FALSE(PlayerStats_Choosing(SQUAD_ROLE_CAPTAIN));
  MenuOption = 18;
  EXPECT_EQ(PlayerStats_MatchStats(), MENU_RESULT_DONE);
  EXPECT_EQ(MenuOption, 18);
}

TEST_F(PlayerStatsScreenTest, ColumnsSortByTheirStatisticInBothGroups) {
  Open();
  EXPECT_EQ(PlayerStats_SortColumn(), SORT_KEY_NONE);
  EXPECT_EQ(SortKeys[0], 25) << "unsorted: by shirt number";
  EXPECT_EQ(PlayerStats_ListAt(0), tw::kKeeper);
  const int16_t types[2][PLAYER_STATS_COLUMNS] = {{24, 14, 12, 7, 18, 17, 19, 20, 23},
                                                  {10, 11, 9, 8, 13, 15, 22, 21, 16}};
  const int16_t heads[2][PLAYER_STATS_COLUMNS] = {{58, 48, 46, 41, 52, 51, 53, 54, 57},
                                                  {44, 45, 43, 42, 47, 49, 56, 55, 50}};
  for (int group = 0; group < 2; ++group) {
    for (int16_t c = 0; c < PLAYER_STATS_COLUMNS; ++c) {
      SCOPED_TRACE(testing::Message() << "group " << group << " column " << c);
      EXPECT_EQ(PlayerStats_SortByColumn(c), MENU_RESULT_REDRAW);
      PlayerStats_Refresh();
      EXPECT_EQ(PlayerStats_Head(c), heads[group][c]);
      EXPECT_EQ(PlayerStats_SortColumn(), types[group][c]);
      EXPECT_EQ(SortKeys[0], types[group][c]);
      EXPECT_EQ(SortKeys[1], 25);
      // Larger values first, the value shown in the column.
      for (int r = 0; r + 1 < 3; ++r)
        EXPECT_GE(PlayerStats_Row(r).value[c], PlayerStats_Row(r + 1).value[c]);
      EXPECT_EQ(PlayerStats_Row(0).value[c], PlayerStats_GetStat(types[group][c], PlayerStats_Row(0).player));
    }
    PlayerStats_SortByData();
    EXPECT_EQ(PlayerStats_SortColumn(), group == 0 ? 7 : 24);
    // The group button switches the set and removes the sort.
    PlayerStats_ToggleGroup();
    EXPECT_EQ(PlayerStats_SortColumn(), SORT_KEY_NONE);
    PlayerStats_Refresh();
  }
  EXPECT_EQ(PlayerStats_Group(), 0);
}

TEST_F(PlayerStatsScreenTest, StatisticTypesReadTheirStat) {
  const int16_t p = tw::kForward;
  for (int16_t t = 7; t <= 14; ++t) EXPECT_EQ(PlayerStats_GetStat(t, p), GNW_GetPlayerAbilityStat(p, t - 7));
  for (int16_t t = 15; t <= 21; ++t) EXPECT_EQ(PlayerStats_GetStat(t, p), GNW_GetPlayerPhysicalStat(p, t - 7));
  EXPECT_EQ(PlayerStats_GetStat(22, p), GNW_GetPlayerPersonalityStat(p, 15));
  EXPECT_EQ(PlayerStats_GetStat(23, p), GNW_GetPlayerPersonalityStat(p, 19));
  EXPECT_EQ(PlayerStats_GetStat(24, p), GNW_GetPlayerPersonalityStat(p, 20));
  for (int16_t t : {0, 6, 25, 39}) EXPECT_EQ(PlayerStats_GetStat(t, p), 0);
}

TEST_F(PlayerStatsScreenTest, ShirtsSwapByTwoClicks) {
  Open();
  const int k = RowOf(tw::kKeeper), f = RowOf(tw::kForward);
  EXPECT_EQ(PlayerStats_ShirtClick(static_cast<int16_t>(k)), MENU_RESULT_REDRAW);
  EXPECT_EQ(PlayerStats_Pick(), tw::kKeeper);
  PlayerStats_Refresh();
  EXPECT_EQ(PlayerStats_Row(RowOf(tw::kKeeper)).mark, 1);
  EXPECT_EQ(PlayerStats_ShirtClick(static_cast<int16_t>(f)), MENU_RESULT_REDRAW);
  EXPECT_EQ(PlayerStats_Pick(), -1);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kKeeper), 9);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kForward), 1);
  // An empty row does nothing.
  EXPECT_EQ(PlayerStats_ShirtClick(5), MENU_RESULT_DONE);
}

TEST_F(PlayerStatsScreenTest, ShirtsOfPlayersOnLoanStay) {
  // The forward is lent to club 1.
  Player_SetOnLoan(tw::kForward, 1);
  Loan_SetPlayerNo(0, tw::kForward);
  Loan_SetLoanClub(0, tw::kLeagueClub);
  Open();
  const int r = RowOf(tw::kForward);
  ASSERT_GE(r, 0);
  PlayerStats_ShirtClick(static_cast<int16_t>(RowOf(tw::kKeeper)));  // the pick
  EXPECT_EQ(PlayerStats_ShirtClick(static_cast<int16_t>(r)), MENU_RESULT_REDRAW);
  EXPECT_EQ(CountMessages("Sorry this player is on loan."), 1);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kKeeper), 1);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kForward), 9);
  EXPECT_EQ(PlayerStats_Pick(), tw::kKeeper) << "the pick waits for another player";
  PlayerStats_ShirtClick(static_cast<int16_t>(RowOf(tw::kKeeper)));  // picked twice: no change
  EXPECT_EQ(PlayerStats_Pick(), -1);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kKeeper), 1);
}

TEST_F(PlayerStatsScreenTest, ABorrowedPlayerKeepsHisShirt) {
  Player_SetClub(tw::kMidfielder, tw::kLeagueClub);
  Player_SetOnLoan(tw::kMidfielder, 1);
  Loan_SetPlayerNo(0, tw::kMidfielder);
  Loan_SetLoanClub(0, tw::kHumanClub);
  Player_SetShirt(tw::kMidfielder, 14);
  Open();
  const int r = RowOf(tw::kMidfielder);
  if (r < 0) GTEST_SKIP() << "the squad list does not hold borrowed players";
  EXPECT_EQ(PlayerStats_ShirtClick(static_cast<int16_t>(r)), MENU_RESULT_REDRAW);
  EXPECT_EQ(CountMessages("Sorry this player is on loan."), 1);
  EXPECT_EQ(PlayerStats_Pick(), -1);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kMidfielder), 14);
}

TEST_F(PlayerStatsScreenTest, ChosenRolesGoToTheClickedPlayer) {
  PlayFix_ClearHumanChoices();
  Open();
  PlayerStats_ChooseButton(SQUAD_ROLE_CAPTAIN);
  PlayerStats_ChooseButton(SQUAD_ROLE_PENALTY);
  EXPECT_TRUE(PlayerStats_Choosing(SQUAD_ROLE_CAPTAIN));
  PlayerStats_ChooseButton(SQUAD_ROLE_CORNER);
  PlayerStats_ChooseButton(SQUAD_ROLE_CORNER);  // a second press takes it back
  EXPECT_FALSE(PlayerStats_Choosing(SQUAD_ROLE_CORNER));
  MenuOption = 18;
  EXPECT_EQ(PlayerStats_RowClick(static_cast<int16_t>(RowOf(tw::kForward))), MENU_RESULT_REDRAW);
  EXPECT_EQ(MenuOption, 18) << "serving roles opens nothing";
  EXPECT_EQ(HumanChoices.captain, tw::kForward);
  EXPECT_EQ(HumanChoices.penaltyTaker, tw::kForward);
  EXPECT_EQ(HumanChoices.cornerTaker, -1);
  EXPECT_EQ(GNW_GetPlayerCaptain(tw::kForward), 1);
  EXPECT_EQ(GNW_GetPlayerCaptain(tw::kKeeper), 0);
  EXPECT_FALSE(PlayerStats_Choosing(SQUAD_ROLE_CAPTAIN));
  PlayerStats_Refresh();
  EXPECT_EQ(PlayerStats_HolderName(SQUAD_ROLE_CAPTAIN), GNW_GetPlayerTextNo(tw::kForward));
  EXPECT_EQ(PlayerStats_HolderName(SQUAD_ROLE_CORNER), -1);

  // With a pick, a choose button gives its role at once.
  PlayerStats_ShirtClick(static_cast<int16_t>(RowOf(tw::kDefender)));
  EXPECT_EQ(PlayerStats_ChooseButton(SQUAD_ROLE_FREE_KICK), MENU_RESULT_REDRAW);
  EXPECT_EQ(HumanChoices.freeKick, tw::kDefender);
  EXPECT_FALSE(PlayerStats_Choosing(SQUAD_ROLE_FREE_KICK));

  // No role chosen: a row opens the player's page, back to this screen.
  EXPECT_EQ(PlayerStats_RowClick(static_cast<int16_t>(RowOf(tw::kKeeper))), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 4);
  EXPECT_EQ(MenuPlayer, tw::kKeeper);
  EXPECT_EQ(PlayerPageReturnOption(), 18);
  MenuOption = 18;
  EXPECT_EQ(PlayerStats_RowClick(7), MENU_RESULT_DONE) << "an empty row";
  EXPECT_EQ(PlayerStats_Back(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 7);
}

class PlayerStatsScreenLeagueTest : public LeagueWorldTest {};

TEST_F(PlayerStatsScreenLeagueTest, ScrollsWithinTheSquad) {
  MenuClub = 0;
  PlayerStats_Open();
  PlayerStats_Refresh();
  ASSERT_EQ(PlayerStats_Length(), tw::kLeagueSquad);
  EXPECT_EQ(PlayerStats_Scroll(-1), MENU_RESULT_DONE);
  for (int i = 0; i < tw::kLeagueSquad - PLAYER_STATS_ROWS; ++i) EXPECT_EQ(PlayerStats_Scroll(1), MENU_RESULT_REDRAW);
  EXPECT_EQ(PlayerStats_Scroll(1), MENU_RESULT_DONE) << "the last row is in view";
  EXPECT_EQ(PlayerStats_Offset(), tw::kLeagueSquad - PLAYER_STATS_ROWS);
  PlayerStats_Refresh();
  EXPECT_EQ(PlayerStats_Row(PLAYER_STATS_ROWS - 1).player, PlayerStats_ListAt(tw::kLeagueSquad - 1));
  EXPECT_EQ(PlayerStats_Scroll(-1), MENU_RESULT_REDRAW);
}

TEST_F(PlayerStatsScreenTest, TwelveOrFewerPlayersDoNotScroll) {
  Open();
  EXPECT_EQ(PlayerStats_Scroll(1), MENU_RESULT_DONE);
  EXPECT_EQ(PlayerStats_Scroll(-1), MENU_RESULT_DONE);
  EXPECT_EQ(PlayerStats_Offset(), 0);
}

}  // namespace
