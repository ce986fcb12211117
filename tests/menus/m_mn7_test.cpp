// The Squad screen on the small test world: the sort keys, the value column,
// the shirt swaps with the roles they carry, the duties, the refusals and
// the way back.
#include "menus/m_mn7.h"

#include <gtest/gtest.h>

#include <string>

#include "menus/c_mnshort.h"
#include "menus/m_mn0.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/playfix.h"
#include "season/seam.h"
#include "season/seasonstate.h"
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

// The row showing a player (column 0 or 1, row), or a blank row.
const SquadRow& RowOfPlayer(int16_t player) {
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < SQUAD_ROWS; ++r)
      if (Squad_Row(c, r).player == player) return Squad_Row(c, r);
  return Squad_Row(-1, -1);
}

class SquadScreenTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    Seam_ConnectGame();
    MenuPrims_ClearCalls();
    MenuManager = 1;
    MenuClub = tw::kHumanClub;
    ReturnMenuOption = 3;
    // Keeper shirt 1, defender 2, forward 9; all fit and at the club.
    Player_SetShirt(tw::kKeeper, 1);
    Player_SetShirt(tw::kDefender, 2);
    Player_SetShirt(tw::kForward, 9);
    DeadlineDay3 = 250;
    DayOfSeason = 10;
  }
  void Open() {
    Squad_Open();
    Squad_Refresh();
  }
};

TEST_F(SquadScreenTest, OpensOnTheHumanClubWithItsControls) {
  Open();
  EXPECT_FALSE(Squad_ReserveMode());
  EXPECT_TRUE(Squad_ShowsControls());
  EXPECT_EQ(Squad_ListCount(), 3);  // the non-playing manager is not listed
  EXPECT_EQ(Squad_ChosenKey(), 4) << "Price when the game starts";
  EXPECT_STREQ(Squad_ValueHeader(), "Data :  Price");

  MenuClub = tw::kLeagueClub;
  Open();
  EXPECT_FALSE(Squad_ShowsControls()) << "another club's squad is only shown";
}

// The sort keys for the four settings of the two flags, and the order they give.
TEST_F(SquadScreenTest, SortKeysForTheFourFlagPairs) {
  Open();
  Squad_ChooseStatistic(30);  // appearances
  Player_SetApps(tw::kKeeper, 3);
  Player_SetApps(tw::kDefender, 12);
  Player_SetApps(tw::kForward, 7);
  const struct {
    bool byColumn, byPosition;
    int16_t keys[5];
    int16_t order[3];
  } cases[] = {
      {false, false, {25, 39, 39, 39, 39}, {tw::kKeeper, tw::kDefender, tw::kForward}},
      {true, false, {30, 0, 39, 39, 39}, {tw::kDefender, tw::kForward, tw::kKeeper}},
      {false, true, {6, 25, 39, 39, 39}, {tw::kKeeper, tw::kDefender, tw::kForward}},
      {true, true, {6, 30, 0, 39, 39}, {tw::kKeeper, tw::kDefender, tw::kForward}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "by column " << c.byColumn << ", by position " << c.byPosition);
    Squad_SetSortFlags(c.byColumn, c.byPosition);
    Squad_Refresh();
    for (int k = 0; k < 5; ++k) EXPECT_EQ(SortKeys[k], c.keys[k]) << "key slot " << k;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Squad_ListAt(i), c.order[i]) << "place " << i;
    EXPECT_EQ(Squad_ListAt(3), -1) << "empty slots last";
  }
  // The buttons flip the flags.
  Squad_SetSortFlags(false, false);
  Squad_ToggleSortByColumn(nullptr);
  Squad_Refresh();
  EXPECT_EQ(SortKeys[0], 30);
  Squad_ToggleGroupByPosition(nullptr);
  Squad_Refresh();
  EXPECT_EQ(SortKeys[0], 6);
  // A new visit clears them, the statistic stays.
  Open();
  EXPECT_EQ(SortKeys[0], 25);
  EXPECT_EQ(Squad_ChosenKey(), 30);
}

TEST_F(SquadScreenTest, DisplaySortValuesPerKey) {
  Open();
  const int16_t k = tw::kKeeper, d = tw::kDefender, f = tw::kForward;
  GNW_SetPlayerBossvane(d, 1);
  GNW_SetPlayerWage(f, 0);
  GNW_SetPlayerManPrice(k, 123000);
  Player_SetPerf(k, 0);
  Player_SetPerf(f, 6);
  Player_SetContract(k, 30);
  constexpr int32_t B32 = MENU_BLANK_VALUE;
  constexpr int16_t B16 = BLANK_S16;
  const struct {
    int16_t key, header;
    int16_t player;
    int16_t value16;
    int32_t value32;
    int16_t text;
  } cases[] = {
      {4, 241, k, B16, 123000, -1},                       // the market price
      {4, 241, d, B16, B32, 1998},                        // a playing manager: "---"
      {4, 241, f, B16, B32, 68},                          // no wage: "R"
      {28, 63, k, 30, B32, -1},
      {28, 63, d, B16, B32, 1998},
      {27, 240, k, B16, GNW_GetPlayerWage(k), -1},
      {27, 240, d, B16, B32, 1998},
      {31, 64, k, B16, B32, -1},                          // a keeper's goals are blank
      {31, 64, f, GNW_GetPlayerGoals(f), B32, -1},
      {29, 243, k, B16, B32, 125},                        // no performance: "-"
      {29, 243, f, 6, B32, -1},
      {38, 1575, k, B16, B32, -1},                        // no last match: blank
      {2, 61, f, GNW_GetPlayerAge(f), B32, -1},
      {25, 242, k, B16, B32, -1},                         // no note
      {30, 62, f, GNW_GetPlayerApps(f), B32, -1},
      {32, 244, f, GNW_GetPlayerMoralePercent(f), B32, -1},
      {35, 247, f, GNW_GetPlayerDispoints(f), B32, -1},
      {36, 1092, f, GNW_GetPlayerExperiencePercent(f), B32, -1},
      {37, 956, f, GNW_GetPlayerAssists(f), B32, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.key << ", player " << c.player);
    DisplaySort(c.key);
    EXPECT_EQ(Squad_ValueHeaderText(), c.header);
    const SquadRow& row = RowOfPlayer(c.player);
    ASSERT_EQ(row.player, c.player);
    EXPECT_EQ(row.value16, c.value16);
    EXPECT_EQ(row.value32, c.value32);
    EXPECT_EQ(row.valueText, c.text);
  }
  // Without a market price the value is shown.
  GNW_SetPlayerManPrice(k, -1);
  DisplaySort(4);
  EXPECT_EQ(RowOfPlayer(k).value32, GNW_GetPlayerValue(k));
  // A transfer-listed player's note in the shirt column.
  Player_SetTxList(k, 1);
  Squad_Refresh();
  DisplaySort(25);
  EXPECT_EQ(RowOfPlayer(k).note, 40);
  EXPECT_EQ(RowOfPlayer(k).valueText, 40);
  // The empty rows stay blank.
  EXPECT_EQ(Squad_Row(1, 15).player, -1);
  EXPECT_EQ(Squad_Row(1, 15).value16, B16);
  EXPECT_EQ(Squad_Row(1, 15).valueText, -1);
}

TEST_F(SquadScreenTest, DisplaySortOfAnUnknownKeyStopsTheProgram) {
  Open();
  EXPECT_FATAL(DisplaySort(5), "^M_MN7 - what am I sorting by - Cos I dont know\n");
  EXPECT_FATAL(DisplaySort(39), "Abort error: DisplaySort\\(\\) SortByType Invaild Value\n\\(File: m_mn7  Line: 220\\)");
}

TEST_F(SquadScreenTest, RowsShowShirtsNotesStatesAndRoleMarks) {
  Player_SetInFlag(tw::kDefender, 1);
  Player_SetContract(tw::kForward, 6);
  HumanChoices.freeKick = tw::kForward;
  Open();
  const SquadRow& keeper = RowOfPlayer(tw::kKeeper);
  EXPECT_EQ(keeper.shirt, 1);
  EXPECT_EQ(keeper.positionIcon, 89);
  EXPECT_EQ(keeper.state, SQUAD_STATE_NONE);
  const SquadRow& defender = RowOfPlayer(tw::kDefender);
  EXPECT_EQ(defender.shirt, BLANK_S16) << "an unfit player's shirt is not shown";
  EXPECT_EQ(defender.state, SQUAD_STATE_UNFIT);
  const SquadRow& forward = RowOfPlayer(tw::kForward);
  EXPECT_EQ(forward.note, 718) << "under 12 months of contract";
  EXPECT_EQ(forward.positionIcon, 1422) << "the free-kick taker's mark";
  EXPECT_EQ(forward.statusIcon, 0);
  Squad_ClickPlayer(tw::kKeeper);
  Squad_Refresh();
  EXPECT_EQ(RowOfPlayer(tw::kKeeper).state, SQUAD_STATE_SELECTED);
}

// Two clicks swap the shirts; every role either player held goes to the
// other, so a free-kick taker who takes shirt 1 hands the role to the
// player leaving it.
TEST_F(SquadScreenTest, ShirtSwapsCarryTheRoles) {
  Open();
  Squad_SetRoleHolder(SQUAD_ROLE_FREE_KICK, tw::kForward);
  Squad_SetRoleHolder(SQUAD_ROLE_CAPTAIN, tw::kKeeper);
  Squad_SetRoleHolder(SQUAD_ROLE_CORNER, tw::kDefender);
  EXPECT_EQ(GNW_GetPlayerCaptain(tw::kKeeper), 1);

  EXPECT_EQ(Squad_ClickPlayer(tw::kKeeper), MENU_RESULT_REDRAW);
  EXPECT_EQ(Squad_Selected(), tw::kKeeper);
  EXPECT_EQ(Squad_ClickPlayer(tw::kForward), MENU_RESULT_REDRAW);
  EXPECT_EQ(Squad_Selected(), -1);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kKeeper), 9);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kForward), 1);
  EXPECT_EQ(Squad_RoleHolder(SQUAD_ROLE_FREE_KICK), tw::kKeeper) << "to the player who left shirt 1";
  EXPECT_EQ(Squad_RoleHolder(SQUAD_ROLE_CAPTAIN), tw::kForward);
  EXPECT_EQ(GNW_GetPlayerCaptain(tw::kForward), 1);
  EXPECT_EQ(GNW_GetPlayerCaptain(tw::kKeeper), 0);
  EXPECT_EQ(Squad_RoleHolder(SQUAD_ROLE_CORNER), tw::kDefender) << "a third player keeps his role";
  EXPECT_EQ(HumanChoices.freeKick, tw::kKeeper) << "the match day reads the same choice";

  // Clicking the picked player again only drops the pick.
  Squad_ClickPlayer(tw::kDefender);
  Squad_ClickPlayer(tw::kDefender);
  EXPECT_EQ(Squad_Selected(), -1);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kDefender), 2);
}

TEST_F(SquadScreenTest, DutiesGiveTheRoleAndShirtOneTakesNoFreeKicks) {
  Open();
  const struct {
    int16_t role;
    int16_t* variable;
  } roles[] = {{SQUAD_ROLE_CAPTAIN, &HumanChoices.captain},
               {SQUAD_ROLE_CORNER, &HumanChoices.cornerTaker},
               {SQUAD_ROLE_PENALTY, &HumanChoices.penaltyTaker},
               {SQUAD_ROLE_FREE_KICK, &HumanChoices.freeKick}};
  for (const auto& r : roles) {
    SCOPED_TRACE(r.role);
    Squad_ArmRole(r.role);
    EXPECT_TRUE(Squad_RoleArmed(r.role));
    Squad_ClickPlayer(tw::kDefender);
    EXPECT_FALSE(Squad_RoleArmed(r.role));
    EXPECT_EQ(*r.variable, tw::kDefender);
    EXPECT_EQ(Squad_Selected(), -1) << "a duty click picks nobody for a swap";
  }
  EXPECT_EQ(GNW_GetPlayerCaptain(tw::kDefender), 1);

  Squad_ArmRole(SQUAD_ROLE_FREE_KICK);
  Squad_ClickPlayer(tw::kKeeper);  // wears shirt 1
  EXPECT_EQ(HumanChoices.freeKick, tw::kDefender);
  EXPECT_TRUE(Squad_RoleArmed(SQUAD_ROLE_FREE_KICK)) << "the choice stays open";
  Squad_ClickPlayer(tw::kForward);
  EXPECT_EQ(HumanChoices.freeKick, tw::kForward);

  Squad_ArmRole(SQUAD_ROLE_PENALTY);
  Squad_ClickPlayer(tw::kKeeper);
  EXPECT_EQ(HumanChoices.penaltyTaker, tw::kKeeper) << "the keeper may take penalties";
}

TEST_F(SquadScreenTest, MoraleFitnessAndFatigueAreRefusedWhilePlayersAreOnHoliday) {
  Open();
  const struct {
    int16_t day, key;
    bool refused;
  } cases[] = {
      {249, 32, false}, {250, 32, true}, {250, 33, true}, {300, 34, true},
      {366, 33, true},  {250, 30, false}, {250, 2, false}, {10, 34, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "day " << c.day << ", key " << c.key);
    MenuPrims_ClearCalls();
    Squad_ChooseStatistic(4);
    DayOfSeason = c.day;
    EXPECT_EQ(Squad_ChooseStatistic(c.key), MENU_RESULT_REDRAW);
    EXPECT_EQ(Squad_ChosenKey(), c.refused ? 4 : c.key);
    EXPECT_EQ(CountMessages("This information is unavailable as players are on holiday."), c.refused ? 1 : 0);
  }
}

TEST_F(SquadScreenTest, APlayerOnLoanElsewhereIsRefused) {
  Player_SetOnLoan(tw::kForward, 1);
  Loan_SetPlayerNo(0, tw::kForward);
  Loan_SetLoanClub(0, tw::kLeagueClub);
  Open();
  EXPECT_EQ(RowOfPlayer(tw::kForward).state, SQUAD_STATE_LOANED_OUT);
  EXPECT_EQ(RowOfPlayer(tw::kForward).shirt, BLANK_S16);
  Squad_ArmRole(SQUAD_ROLE_CAPTAIN);
  EXPECT_EQ(Squad_ClickPlayer(tw::kForward), MENU_RESULT_REDRAW);
  EXPECT_EQ(CountMessages("Sorry this player is on loan."), 1);
  EXPECT_EQ(HumanChoices.captain, -1);
  EXPECT_EQ(Squad_Selected(), -1);
  EXPECT_TRUE(Squad_RoleArmed(SQUAD_ROLE_CAPTAIN));
}

TEST_F(SquadScreenTest, NameClickOpensThePlayerPageAndBackGoesWhereItCameFrom) {
  ReturnMenuOption = 66;
  Open();
  EXPECT_EQ(Squad_NameClick(tw::kDefender), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 4);
  EXPECT_EQ(MenuPlayer, tw::kDefender);
  EXPECT_EQ(PlayerPageReturnOption(), 7);
  ReturnMenuOption = 7;  // whatever the page leaves there
  Open();                // back from the page
  EXPECT_EQ(Squad_Back(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 66);

  const struct {
    int16_t from, jobCentre, back;
  } cases[] = {{64, 0, 64}, {11, 0, 11}, {3, 0, 3}, {24, 0, 3}, {64, 1, 43}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    ReturnMenuOption = c.from;
    JobCentreFlag = c.jobCentre;
    Open();
    Squad_Back();
    EXPECT_EQ(MenuOption, c.back);
  }
}

TEST_F(SquadScreenTest, TheReservePoolHasNoControlsAndNoShirts) {
  Player_SetClub(tw::kFreeAgent, 252);
  Player_SetReserveSlot(tw::kFreeAgent, 3);
  Squad_ShowReservePool(3);
  Open();
  EXPECT_TRUE(Squad_ReserveMode());
  EXPECT_FALSE(Squad_ShowsControls());
  EXPECT_EQ(Squad_ListAt(0), tw::kFreeAgent);
  EXPECT_EQ(RowOfPlayer(tw::kFreeAgent).shirt, BLANK_S16);
  // The next opening shows the club again.
  Open();
  EXPECT_FALSE(Squad_ReserveMode());
}

}  // namespace

// ---- the screen in the menu loop ----

namespace {

class SquadMenuRunTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    BuildTestWorld();
    Seam_ConnectGame();
    MenuManager = 1;
    MenuClub = tw::kHumanClub;
    ReturnMenuOption = 3;
    Player_SetShirt(tw::kKeeper, 1);
    Player_SetShirt(tw::kDefender, 2);
    Player_SetShirt(tw::kForward, 9);
  }
  void TearDown() override {
    MenuHarness::TearDown();
    ResetWorld();
  }
};

// Rows start at y 107, 20 apart; the left column's row area is x 32-90 and
// its names x 90-202.
TEST_F(SquadMenuRunTest, ANameOpensThePlayerPage) {
  MenuOption = 7;
  ASSERT_TRUE(Run(SquadMenu, {menutest::ClickAt(40, 120, 127)}));
  EXPECT_EQ(MenuOption, 4);
  EXPECT_EQ(MenuPlayer, tw::kDefender) << "shirt order: the keeper, then the defender";
}

TEST_F(SquadMenuRunTest, TwoRowClicksSwapShirtsThenBackLeaves) {
  MenuOption = 7;
  ASSERT_TRUE(Run(SquadMenu, {menutest::ClickAt(40, 50, 117), menutest::ClickAt(80, 50, 137),
                              menutest::ClickAt(120, 590, 456)}));
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kKeeper), 2);
  EXPECT_EQ(GNW_GetPlayerShirt(tw::kDefender), 1);
}

}  // namespace
