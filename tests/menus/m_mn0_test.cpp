// Select League To Play's carousel and the player page's actions, run
// headless: message boxes are only logged, question boxes answer what the
// test sets.
#include "menus/m_mn0.h"

#include <gtest/gtest.h>

#include <string>

#include "menus/c_mnshort.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/funcs_finance.h"
#include "world/players.h"

namespace {

// ---- the carousel ----

class SelectLeagueTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    SetMenuEvent(MENU_EVENT_INIT);
    Init_M_MN0(nullptr);
    SetMenuEvent(MENU_EVENT_DRAW);
  }
  // Frames until the ring stands still (a half turn takes 50).
  static int RunTurn() {
    int frames = 0;
    while (SelectLeague_Direction() != 0 && frames < 200) {
      SelectLeague_StepCarousel();
      ++frames;
    }
    return frames;
  }
};

TEST_F(SelectLeagueTest, StartsWithEnglandInTheMiddle) {
  EXPECT_EQ(SelectLeague_IconCount(), 4);
  EXPECT_EQ(SelectLeague_CentreIndex(), 3);
  EXPECT_EQ(SelectLeague_CentreIcon(), 1250);
  EXPECT_EQ(SelectLeague_Direction(), 0);
  EXPECT_EQ(SelectLeague_CellIcon(1), 1250);  // the middle cell
}

TEST_F(SelectLeagueTest, TurningLeftShowsItaly) {
  SelectLeague_TurnLeft(nullptr);
  EXPECT_EQ(SelectLeague_Direction(), -1);
  const int frames = RunTurn();
  EXPECT_GE(frames, 49);
  EXPECT_LE(frames, 52);
  EXPECT_EQ(SelectLeague_CentreIcon(), 1270);
  EXPECT_FLOAT_EQ(SelectLeague_Angle(), 0.0f);
}

TEST_F(SelectLeagueTest, TurningRightShowsScotland) {
  SelectLeague_TurnRight(nullptr);
  RunTurn();
  EXPECT_EQ(SelectLeague_CentreIcon(), 1280);
  EXPECT_EQ(SelectLeague_CentreIndex(), 0);
}

TEST_F(SelectLeagueTest, RequestsWhileTurningAreIgnored) {
  SelectLeague_TurnLeft(nullptr);
  SelectLeague_StepCarousel();
  SelectLeague_TurnRight(nullptr);
  EXPECT_EQ(SelectLeague_Direction(), -1);
  MenuOption = 1;
  EXPECT_EQ(SelectLeague_Choose(nullptr), 0);
  EXPECT_EQ(MenuOption, 1);
  RunTurn();
  EXPECT_EQ(SelectLeague_CentreIcon(), 1270);
}

TEST_F(SelectLeagueTest, LeftTurnAfterRightTurnWrapsToTheLastIcon) {
  SelectLeague_TurnRight(nullptr);
  RunTurn();  // centre index 0
  SelectLeague_TurnLeft(nullptr);
  SelectLeague_StepCarousel();
  // Cell 0 of a left turn is icon (0 + 0 - 1) mod 4: the last one.
  EXPECT_EQ(SelectLeague_CellIcon(0), 1270);
  EXPECT_EQ(SelectLeague_CellIcon(1), 1250);
  RunTurn();
  EXPECT_EQ(SelectLeague_CentreIcon(), 1250);
}

TEST_F(SelectLeagueTest, ChooseSetsTheCountryOfTheMiddleFlag) {
  SelectLeague_TurnLeft(nullptr);
  RunTurn();
  MenuOption = 1;
  EXPECT_EQ(SelectLeague_Choose(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 0);
  EXPECT_EQ(GNW_GetGameCountry(), 2);
}

TEST_F(SelectLeagueTest, BackGoesToTheStartPage) {
  EXPECT_EQ(SelectLeague_Back(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 24);
}

TEST_F(SelectLeagueTest, IdleFlagWavesEvery26Frames) {
  SelectLeague_StepCarousel();  // the first draw
  for (int i = 0; i < 25; ++i) EXPECT_FALSE(SelectLeague_StepCarousel());
  EXPECT_TRUE(SelectLeague_StepCarousel());
  EXPECT_EQ(SelectLeague_CellIcon(1), 1251);  // the middle flag waves
}

TEST(ReturnCountryFromIcon, MapsEveryFlag) {
  const struct {
    int16_t icon, country;
  } cases[] = {{1250, 0}, {1255, 6}, {1260, 3}, {1265, 5}, {1270, 2}, {1275, 7}, {1280, 1}, {1285, 4}};
  for (const auto& c : cases) EXPECT_EQ(Return_CountryFromIcon(c.icon), c.country) << c.icon;
  EXPECT_EQ(CountryAdjectiveTextNo(2), 2312);
  EXPECT_STREQ(GetTextNoAddr(CountryAdjectiveTextNo(2)), "Italian");
  EXPECT_EQ(CountryDescriptionTextNo(4), 1602);
}

TEST(ReturnCountryFromIconDeathTest, UnknownIconStops) {
  EXPECT_DEATH({ StdoutToStderr(); Return_CountryFromIcon(1251); }, "Return_CountryFromIcon\\(\\):M_Mn0.c Unknown icon for country");
}

TEST_F(SelectLeagueTest, TooManyCountriesStop) {
  for (int i = 0; i < MAX_NUMBER_OF_LEAGUES; ++i) CountrySelection[i] = 1250;
  SetMenuEvent(MENU_EVENT_INIT);
  EXPECT_DEATH({ StdoutToStderr(); Init_M_MN0(nullptr); }, "Init_M_MN0 Exceding MAX_NUMBER_OF_LEAGUES in CountrySelection");
}

// ---- the player page ----

class PlayerPageTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    Seam_ConnectGame();
    MenuManager = 1;
    DayOfSeason = 100;
    DeadlineDay1 = 200, WindowOpenDay1 = 210;
    DeadlineDay2 = 220, WindowOpenDay2 = 230;
    DeadlineDay3 = 300, WindowOpenDay3 = 320;
    MenuPrims_ClearCalls();
  }

  // Players 8 .. 8 + n - 1 join club 0.
  static void FillHumanSquad(int n) {
    PlayerCount = PlayerTotalCount = static_cast<int16_t>(tw::kPlayerCount + n);
    for (int16_t p = tw::kPlayerCount; p < PlayerCount; ++p) {
      Player_SetClub(p, tw::kHumanClub);
      Player_SetPosition(p, 5);
      Player_SetWage(p, 100);
      Player_SetContract(p, 12);
      Player_SetReserveSlot(p, -1);
    }
  }
  // Players join club 1 until it has n.
  static void FillClub1(int n) {
    const int16_t first = PlayerCount;
    PlayerCount = PlayerTotalCount = static_cast<int16_t>(PlayerCount + n - 1);
    for (int16_t p = first; p < PlayerCount; ++p) {
      Player_SetClub(p, tw::kLeagueClub);
      Player_SetPosition(p, 5);
      Player_SetWage(p, 100);
      Player_SetContract(p, 12);
      Player_SetReserveSlot(p, -1);
    }
  }

  // Club 0's highest wage drops to ten times its players' average, 2,500,
  // below the midfielder's 5,000.
  static void LowerHumanMaxWage() {
    Club_SetBalance(tw::kHumanClub, 0);
    for (int16_t p : {tw::kKeeper, tw::kDefender, tw::kForward}) Player_SetWage(p, 10);
    ASSERT_EQ(GNW_GetClubMaxWage(tw::kHumanClub), 2500);
  }

  static std::vector<std::string> Messages() {
    std::vector<std::string> out;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoMessageBox") out.push_back(call.text);
    return out;
  }
  static std::string LastMessage() {
    const auto all = Messages();
    return all.empty() ? std::string("(none)") : all.back();
  }
  static int Questions() {
    int n = 0;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoQuestionBox") ++n;
    return n;
  }
};

TEST_F(PlayerPageTest, ActionListFollowsTheRelation) {
  GNW_SetPlayerBossvane(tw::kItalian, 1);
  EXPECT_EQ(PlayerPage_ChooseActionList(tw::kHumanManager), PLAYER_ACTIONS_MANAGER);
  EXPECT_EQ(PlayerPage_ChooseActionList(tw::kKeeper), PLAYER_ACTIONS_OWN);
  EXPECT_EQ(PlayerPage_ChooseActionList(tw::kMidfielder), PLAYER_ACTIONS_OTHER_CLUB);
  EXPECT_EQ(PlayerPage_ChooseActionList(tw::kFreeAgent), PLAYER_ACTIONS_OTHER_CLUB);
  EXPECT_EQ(PlayerPage_ChooseActionList(tw::kItalian), PLAYER_ACTIONS_NOT_AVAILABLE);
  Player_SetOnLoan(tw::kKeeper, 1);
  EXPECT_EQ(PlayerPage_ChooseActionList(tw::kKeeper), PLAYER_ACTIONS_OTHER_CLUB);
  // Another club's manager record (the human manager's record moved away).
  Player_SetClub(tw::kHumanManager, tw::kLeagueClub);
  EXPECT_EQ(PlayerPage_ChooseActionList(tw::kHumanManager), PLAYER_ACTIONS_NOT_AVAILABLE);
}

TEST_F(PlayerPageTest, HandlerChoosesTheListAndFillsTheRows) {
  OpenPlayerPage(tw::kKeeper, 7);
  SetMenuEvent(MENU_EVENT_INIT);
  PlayerPage_Handler(nullptr);
  EXPECT_EQ(PlayerPage_ActionList(), PLAYER_ACTIONS_OWN);
  const PlayerPageView& v = PlayerPage_View();
  EXPECT_EQ(v.rowText[0], 44);
  EXPECT_EQ(v.rowText[5], 41);
  EXPECT_EQ(v.rowText[26], 247);
  EXPECT_STREQ(v.rowValue[24], "24 Months");
  EXPECT_EQ(v.statText[2], 199);  // a keeper's goals are clean sheets
  EXPECT_EQ(v.statText[5], 532);
  EXPECT_EQ(v.shortListText, 423);

  OpenPlayerPage(tw::kHumanManager, 7);
  SetMenuEvent(MENU_EVENT_INIT);
  PlayerPage_Handler(nullptr);
  EXPECT_EQ(PlayerPage_ActionList(), PLAYER_ACTIONS_MANAGER);
  for (int row = 22; row <= 25; ++row) EXPECT_STREQ(PlayerPage_View().rowValue[row], "---") << row;
}

// The buy refusals in their order: each case sets up everything the earlier
// cases refuse, so the one expected is the first to hit.
TEST_F(PlayerPageTest, BuyRefusalsComeInOrder) {
  struct Case {
    const char* name;
    void (*setup)();
    int16_t player;
    int text;
  };
  const Case cases[] = {
      {"full squad first", [] { FillHumanSquad(32); DayOfSeason = 205; }, tw::kKeeper, 1151},
      {"closed market", [] { DayOfSeason = 205; }, tw::kKeeper, 1142},
      {"own player", [] {}, tw::kKeeper, 1143},
      {"the manager himself", [] { Player_SetClub(tw::kHumanManager, tw::kLeagueClub); }, tw::kHumanManager, 1144},
      {"wage too high", [] { LowerHumanMaxWage(); }, tw::kMidfielder, 1173},
      {"approached already", [] { GNW_AddApproachedPlayer(1, tw::kMidfielder); }, tw::kMidfielder, 1145},
      {"approached list full", [] { for (int16_t p = 100; p < 120; ++p) GNW_AddApproachedPlayer(1, p); },
       tw::kMidfielder, 1146},
      {"no wage", [] {}, tw::kFreeAgent, 1143},
      {"small seller", [] {}, tw::kMidfielder, 1147},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.setup();
    MenuPlayer = c.player;
    MenuOption = 4;
    EXPECT_EQ(PlayerPage_BuyPlayer(), MENU_RESULT_REDRAW);
    EXPECT_EQ(LastMessage(), GetTextNoAddr(c.text));
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(MenuOption, 4);
  }
}

TEST_F(PlayerPageTest, LoanRefusalsComeInOrder) {
  struct Case {
    const char* name;
    void (*setup)();
    int16_t player;
    int text;
  };
  const Case cases[] = {
      {"full squad first", [] { FillHumanSquad(32); DayOfSeason = 205; }, tw::kMidfielder, 1140},
      {"closed market", [] { DayOfSeason = 305; }, tw::kMidfielder, 1142},
      {"the manager himself", [] {}, tw::kHumanManager, 1133},
      {"not loan-listed", [] {}, tw::kMidfielder, 1134},
      {"wage too high", [] { GNW_SetPlayerLoanListed(tw::kMidfielder, 1); LowerHumanMaxWage(); },
       tw::kMidfielder, 1172},
      {"own player", [] { GNW_SetPlayerLoanListed(tw::kKeeper, 1); }, tw::kKeeper, 1135},
      {"approached already",
       [] { GNW_SetPlayerLoanListed(tw::kMidfielder, 1); GNW_AddApproachedPlayer(1, tw::kMidfielder); },
       tw::kMidfielder, 1136},
      {"small seller", [] { GNW_SetPlayerLoanListed(tw::kMidfielder, 1); }, tw::kMidfielder, 1138},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.setup();
    MenuPlayer = c.player;
    EXPECT_EQ(PlayerPage_LoanInPlayer(), MENU_RESULT_REDRAW);
    EXPECT_EQ(LastMessage(), GetTextNoAddr(c.text));
    EXPECT_EQ(Messages().size(), 1u);
  }
}

TEST_F(PlayerPageTest, LoanOfferIsMadeAtOnce) {
  FillClub1(20);
  GNW_SetPlayerLoanListed(tw::kMidfielder, 1);
  MenuPlayer = tw::kMidfielder;
  EXPECT_EQ(PlayerPage_LoanInPlayer(), MENU_RESULT_REDRAW);
  for (const std::string& message : Messages())  // only the news of the bid
    for (int text = 1133; text <= 1152; ++text) EXPECT_NE(message, GetTextNoAddr(text)) << text;
  EXPECT_EQ(GNW_GetClubBidPlayer(tw::kHumanClub, 2), tw::kMidfielder);
  EXPECT_GE(GNW_FindBidInfoSlot(tw::kMidfielder), 0);
  EXPECT_EQ(GNW_IsPlayerNotApproached(1, tw::kMidfielder), 0);
}

// A player without a value (the small world values nobody) is offered terms
// at once: the club's bid for his position group and the answer's countdown.
TEST_F(PlayerPageTest, BuyWithoutAValueOffersAtOnce) {
  FillClub1(20);
  MenuPlayer = tw::kMidfielder;
  ASSERT_EQ(GNW_GetPlayerValue(tw::kMidfielder), 0);
  MenuOption = 4;
  EXPECT_EQ(PlayerPage_BuyPlayer(), MENU_RESULT_REDRAW);
  for (const std::string& message : Messages())  // only the news of the bid
    for (int text = 1133; text <= 1152; ++text) EXPECT_NE(message, GetTextNoAddr(text)) << text;
  EXPECT_EQ(MenuOption, 4);
  EXPECT_EQ(GNW_GetClubBidPlayer(tw::kHumanClub, 2), tw::kMidfielder);
  EXPECT_GE(GNW_FindBidInfoSlot(tw::kMidfielder), 0);
  EXPECT_EQ(GNW_IsPlayerNotApproached(1, tw::kMidfielder), 0);
}

TEST_F(PlayerPageTest, BusyFlagOnlyLeaves) {
  NegotiationBusy = 1;
  OpenPlayerPage(tw::kMidfielder, 9);
  EXPECT_EQ(PlayerPage_BuyPlayer(), MENU_RESULT_LEAVE);
  EXPECT_EQ(PlayerPage_LoanInPlayer(), MENU_RESULT_LEAVE);
  EXPECT_EQ(PlayerPage_NegotiateContract(), MENU_RESULT_LEAVE);
  EXPECT_EQ(PlayerPage_CareerHistory(), MENU_RESULT_LEAVE);
  EXPECT_EQ(PlayerPage_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 4);
  EXPECT_TRUE(Messages().empty());
  NegotiationBusy = 0;
  EXPECT_EQ(PlayerPage_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 9);
  EXPECT_EQ(PlayerPageReturnOption(), 9);
}

TEST_F(PlayerPageTest, ShortListActsOnYes) {
  MenuPlayer = tw::kMidfielder;
  EXPECT_EQ(PlayerPage_ShortList(), MENU_RESULT_REDRAW);
  EXPECT_EQ(ShortList_Contains(tw::kMidfielder), 1);
  EXPECT_EQ(Questions(), 0);

  SetHeadlessQuestionAnswer(0);  // "No"
  PlayerPage_ShortList();
  EXPECT_EQ(ShortList_Contains(tw::kMidfielder), 1);
  EXPECT_EQ(Questions(), 1);

  SetHeadlessQuestionAnswer(1);  // "Yes"
  PlayerPage_ShortList();
  EXPECT_EQ(ShortList_Contains(tw::kMidfielder), 0);
  EXPECT_EQ(MenuPrims_Calls().back().text, GetTextNoAddr(425));
}

TEST_F(PlayerPageTest, TransferListingNeedsAContract) {
  MenuPlayer = tw::kKeeper;
  Player_SetContract(tw::kKeeper, 0);
  EXPECT_EQ(PlayerPage_TransferList(), MENU_RESULT_REDRAW);
  EXPECT_EQ(LastMessage(), "You can't control this as he has no contract.");
  EXPECT_EQ(GNW_GetPlayerTxList(tw::kKeeper), 0);

  Player_SetContract(tw::kKeeper, 12);
  GNW_SetPlayerSaleStatus(tw::kKeeper, 1);
  PlayerPage_TransferList();
  EXPECT_EQ(GNW_GetPlayerTxList(tw::kKeeper), 1);
  EXPECT_EQ(GNW_GetPlayerSaleStatus(tw::kKeeper), 0);
  PlayerPage_TransferList();
  EXPECT_EQ(GNW_GetPlayerTxList(tw::kKeeper), 0);
}

TEST_F(PlayerPageTest, LoanListingFlips) {
  MenuPlayer = tw::kKeeper;
  GNW_SetPlayerSaleStatus(tw::kKeeper, 1);
  PlayerPage_LoanList();
  EXPECT_EQ(GNW_GetPlayerLoanList(tw::kKeeper), 1);
  EXPECT_EQ(GNW_GetPlayerSaleStatus(tw::kKeeper), 0);
  PlayerPage_LoanList();
  EXPECT_EQ(GNW_GetPlayerLoanList(tw::kKeeper), 0);
}

TEST_F(PlayerPageTest, ReleaseCostsFourTimesContractTimesWage) {
  MenuPlayer = tw::kKeeper;
  EXPECT_EQ(PlayerPage_ReleaseCost(tw::kKeeper), int64_t{4} * 24 * 400 * 25);
  // The budget (three quarters of what the balance leaves after the wages)
  // is below 960,000.
  EXPECT_EQ(PlayerPage_ReleasePlayer(), MENU_RESULT_REDRAW);
  EXPECT_EQ(LastMessage(), GetTextNoAddr(1168));
  EXPECT_EQ(Questions(), 0);
  EXPECT_EQ(GNW_GetPlayerClub(tw::kKeeper), tw::kHumanClub);
}

TEST_F(PlayerPageTest, ReleaseOnYesPaysThePool) {
  Club_SetBalance(tw::kHumanClub, 5000000);
  MenuPlayer = tw::kKeeper;
  MenuOption = 4;
  SetHeadlessQuestionAnswer(0);
  EXPECT_EQ(PlayerPage_ReleasePlayer(), MENU_RESULT_REDRAW);
  EXPECT_EQ(GNW_GetPlayerClub(tw::kKeeper), tw::kHumanClub);
  EXPECT_EQ(MenuOption, 4);
  const std::string question = MenuPrims_Calls().back().text;
  EXPECT_EQ(question.rfind("Are you sure you want to release this player ? This will cost ", 0), 0u) << question;

  SetHeadlessQuestionAnswer(1);
  EXPECT_EQ(PlayerPage_ReleasePlayer(), MENU_RESULT_LEAVE);
  EXPECT_EQ(GNW_GetClubBalance(tw::kHumanClub), 5000000 - 960000);
  EXPECT_EQ(GNW_GetPlayerClub(tw::kKeeper), 255);
  EXPECT_EQ(GNW_GetPlayerTxList(tw::kKeeper), 1);
  EXPECT_EQ(MenuOption, 7);
}

TEST_F(PlayerPageTest, HangUpBootsActsOnYes) {
  MenuPlayer = tw::kHumanManager;
  EXPECT_EQ(PlayerPage_HangUpBoots(), MENU_RESULT_REDRAW);
  EXPECT_EQ(LastMessage(), "You Have Already Hung Up Your Boots.");

  GNW_SetPlayerBossvane(tw::kHumanManager, 1);
  SetHeadlessQuestionAnswer(0);
  MenuOption = 4;
  EXPECT_EQ(PlayerPage_HangUpBoots(), MENU_RESULT_REDRAW);
  EXPECT_EQ(GNW_GetPlayerBossvane(tw::kHumanManager), 1);
  EXPECT_EQ(MenuOption, 4);

  SetHeadlessQuestionAnswer(1);
  EXPECT_EQ(PlayerPage_HangUpBoots(), MENU_RESULT_LEAVE);
  EXPECT_EQ(GNW_GetPlayerBossvane(tw::kHumanManager), 0);
  EXPECT_EQ(LastMessage(), "Your Playing Days Are Over.");
  EXPECT_EQ(MenuOption, 57);
}

TEST_F(PlayerPageTest, NegotiateNeedsAHumanClub) {
  MenuPlayer = tw::kMidfielder;
  EXPECT_EQ(PlayerPage_NegotiateContract(), MENU_RESULT_REDRAW);
  EXPECT_EQ(LastMessage(), GetTextNoAddr(1155));
  MenuPlayer = tw::kKeeper;  // club 0 without its contract clause
  Player_SetContract(tw::kKeeper, 12);
  PlayerPage_NegotiateContract();
  EXPECT_EQ(Messages().size(), 2u);
  GNW_SetClubContractClause(tw::kHumanClub, 1);
  MenuOption = 4;
  EXPECT_EQ(PlayerPage_NegotiateContract(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 14);
}

TEST_F(PlayerPageTest, SimpleRowsLeaveForTheirScreens) {
  EXPECT_EQ(PlayerPage_SetPrice(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 72);
  EXPECT_EQ(PlayerPage_CareerHistory(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 57);
  EXPECT_EQ(PlayerPage_ImprovementHistory(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 28);
}

}  // namespace
