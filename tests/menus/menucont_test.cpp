// The front-end controller: the dispatch on every option, the menu bar's
// callback and prepare function, the routing of events after a day and the
// exported team.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "generic/gamesound.h"
#include "generic/replayfile.h"
#include "menus/c_mn22.h"
#include "menus/c_mn8.h"
#include "menus/c_mnarrange.h"
#include "menus/c_mncomp.h"
#include "menus/c_mnfin.h"    // Finances (33)
#include "menus/c_mnfix.h"
#include "menus/c_mnfriend.h"
#include "menus/c_mnjobs.h"
#include "menus/c_mnload.h"
#include "menus/c_mnrank.h"
#include "menus/c_mnrow.h"
#include "menus/c_mnstaff.h"  // Staff Appointments (13)
#include "menus/c_mnstart.h"
#include "menus/exm_text.h"
#include "menus/langtext.h"
#include "menus/m_mn0.h"
#include "menus/m_mn5.h"
#include "menus/m_mn7.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/office.h"
#include "menus/soak.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/savegame.h"
#include "world/source_records.h"

namespace {

std::vector<const MenuItem*> gScreens;
int gAnswer = 0;
std::vector<std::string> gQuestions;

int CountLogged(const char* name, const char* text = nullptr) {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == name && (text == nullptr || call.text == text)) ++n;
  return n;
}

int CountSeam(const char* name) {
  int n = 0;
  for (const char* call : FrontEnd_SeamCalls())
    if (std::strcmp(call, name) == 0) ++n;
  return n;
}

class FrontEndTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    gScreens.clear();
    gQuestions.clear();
    gAnswer = 0;
    FrontEndSeam.runScreen = [](const MenuItem* table) { gScreens.push_back(table); };
    FrontEndSeam.questionBox = [](const char* text, QuestionButton*, int32_t) {
      gQuestions.emplace_back(text);
      return gAnswer;
    };
    FrontEndSeam.loadNamesFile = [] { FrontEnd_NoteSeam("LoadNamesFile"); };
    ClubSim.getJobOfferExpiry = []() -> int16_t { return -5; };
    DayOfSeason = 100;
    MenuPrims_ClearCalls();
  }
};

// ---- the dispatch ----

TEST_F(FrontEndTest, OptionsOutsideTheTableOrUnusedStopTheProgram) {
  for (int option : {-2, 15, 20, 38, 39, 40, 41, 42, 70, 71, 85, 300}) {
    SCOPED_TRACE(option);
    EXPECT_FALSE(IsValidMenuOption(option));
    MenuOption = static_cast<int16_t>(option);
    EXPECT_FATAL(DoMainMenuOption(), "Error: DoMainMenu\\(\\): Invalid MenuOption = " + std::to_string(option));
  }
}

// Every other option from -1 to 84 opens its screen (the placeholder for
// screens still to come) or runs its action, and leaves MenuOption as its
// action says. Options 0 (a new game, from the data set) and 56 (a match)
// run on the menu screen (front_end_screen_test.cpp).
TEST_F(FrontEndTest, EveryOptionOpensItsScreenOrRunsItsAction) {
  struct Expect {
    const MenuItem* screen;  // null: none
    int16_t next;            // MenuOption afterwards
    const char* seam;        // a stub it must call, or null
  };
  auto expected = [](int option) -> Expect {
    switch (option) {
      case -1: return {nullptr, -1, nullptr};
      case 1: return {SelectLeagueMenu, 1, "LoadNamesFile"};
      case 2: return {nullptr, 7, nullptr};
      case 3: return {OfficePlaceholderMenu, 3, nullptr};
      case 4: return {PlayerPageMenu, 4, nullptr};
      case 5: return {SelectTeamMenu, 5, nullptr};
      case 6: case 73: return {ClubPageMenu, static_cast<int16_t>(option), nullptr};
      case 7: return {SquadMenu, 7, nullptr};
      case 16: return {ManagerNameMenu, 16, nullptr};
      case 10: case 14: return {PlaceholderMenu, 3, nullptr};  // then the day's events: the office
      case 24: return {StartPageMenu, 24, nullptr};
      case 25: return {nullptr, 3, nullptr};
      case 35: return {PastTransfersMenu, 35, nullptr};
      case 46: return {nullptr, 46, "ContinueGame"};
      case 49: case 50: return {SaveLoadMenu, static_cast<int16_t>(option), nullptr};
      case 51: return {nullptr, 3, nullptr};
      case 52: return {NewsTestMenu, 52, nullptr};  // the news test screen
      case 54: return {nullptr, 53, "PlayExhibitionMatch"};
      case 55: return {ReplaySlotScreen, 55, nullptr};  // the saved replays
      case 59: return {nullptr, 3, nullptr};
      case 83: return {nullptr, 12, "VideoOptionsMenu"};  // the graphic options, then the screen before
      // -- staff (13)
      case 13: return {StaffMenu, 13, nullptr};
      // -- arrange friendly (17)
      case 17: return {ArrangeFriendlyMenu, 17, nullptr};
      // -- player stats (18)
      case 18: return {PlayerStatsMenu, 18, nullptr};
      // -- statistics (80)
      case 80: return {StatisticsMenu, 80, nullptr};
      // -- club fixtures, league table (8, 9)
      case 8: return {ClubFixturesMenu, 8, nullptr};
      case 9: return {LeagueTableMenu, 9, nullptr};
      // -- competition fixtures, roll of honour (11, 12)
      case 11: return {CompFixturesMenu, 11, nullptr};
      case 12: return {RollOfHonourMenu, 12, nullptr};
      // -- job vacancies (43)
      case 43: return {JobCentreMenu, 43, nullptr};
      // -- ranked lists (68, 69, 75)
      case 68: case 69: case 75: return {RankListMenu, static_cast<int16_t>(option), nullptr};
      // -- finances (33)
      case 33: return {FinancesMenu, 33, nullptr};
      // -- rest of the world, match statistics (79, 81)
      case 79: return {RestOfWorldMenu, 79, nullptr};
      case 81: return {MatchStatsMenu, 81, nullptr};
      // -- friendly setup, player history (53, 57)
      case 53: return {FriendlySetupMenu, 53, nullptr};
      case 57: return {PlayerHistoryMenu, 57, nullptr};
      // -- (end of the club screens)
      default: return {PlaceholderMenu, static_cast<int16_t>(option), nullptr};
    }
  };
  for (int option = -1; option <= 84; ++option) {
    if (!IsValidMenuOption(option) || option == 0 || option == 56) continue;
    SCOPED_TRACE(option);
    gScreens.clear();
    PreviousMenuOption = 12;
    MenuOption = static_cast<int16_t>(option);
    FrontEndSeam.videoOptionsMenu = [] { FrontEnd_NoteSeam("VideoOptionsMenu"); };
    FrontEndSeam.playExhibitionMatch = [] { FrontEnd_NoteSeam("PlayExhibitionMatch"); };
    const size_t seamCalls = FrontEnd_SeamCalls().size();
    DoMainMenuOption();
    const Expect e = expected(option);
    if (e.screen) {
      ASSERT_EQ(gScreens.size(), 1u);
      EXPECT_EQ(gScreens[0], e.screen);
    } else {
      EXPECT_TRUE(gScreens.empty());
    }
    EXPECT_EQ(MenuOption, e.next);
    if (e.seam) { EXPECT_EQ(CountSeam(e.seam), 1) << e.seam; }
    if (!e.seam) { EXPECT_EQ(FrontEnd_SeamCalls().size(), seamCalls); }
    if (option == 49) { EXPECT_EQ(SaveLoadMode, 1); }  // load
    if (option == 50) { EXPECT_EQ(SaveLoadMode, 0); }  // save
    FrontEnd_Reset();
    SetUp();
  }
}

TEST_F(FrontEndTest, OptionActionsSetTheScreenGlobals) {
  // 3 is the first manager's office.
  MenuManager = 2;
  MenuOption = 3;
  DoMainMenuOption();
  EXPECT_EQ(MenuManager, 1);
  // 16: after Input Manager Name the clubs hire staff and pick teams.
  MenuOption = 16;
  DoMainMenuOption();
  EXPECT_EQ(Seam_CountCalls("ComputerClubsHireStaff"), 1);
  EXPECT_EQ(Seam_CountCalls("UpdateTransferWindows"), 1);
  EXPECT_EQ(Seam_CountCalls("HumanClubsAppointCoach"), 1);
  // 23 without coaching staff: the message, then the schedule of the club.
  MenuOption = 23;
  MenuClub = 5;
  DoMainMenuOption();
  EXPECT_EQ(CountLogged("DoMessageBox", "You have not hired any coaching staff"), 1);
  EXPECT_EQ(MenuClub, tw::kHumanClub);
  // 46 with ContinueMode 2 shows Today's Fixtures first.
  ContinueMode = 2;
  MenuOption = 46;
  gScreens.clear();
  DoMainMenuOption();
  EXPECT_EQ(TodaysFixturesFromMenu, 1);
  EXPECT_EQ(gScreens.size(), 1u);
  EXPECT_EQ(CountSeam("ContinueGame"), 1);
  // 51: the CD's save cannot be read here: "Load Failed", then the office.
  MenuOption = 51;
  DoMainMenuOption();
  EXPECT_EQ(CountLogged("DoMessageBox", "Load Failed"), 1);
  EXPECT_EQ(MenuOption, 3);
  // 7 with a club left on another one puts the human club back.
  MenuOption = 7;
  MenuClubReset = 1;
  MenuClub = 3;
  DoMainMenuOption();
  EXPECT_EQ(MenuClubReset, 0);
  EXPECT_EQ(MenuClub, tw::kHumanClub);
  // 4 with a negotiation asked for goes on to it.
  MenuOption = 4;
  NegotiationRequest = 2;
  DoMainMenuOption();
  EXPECT_EQ(MenuOption, 14);
}

TEST_F(FrontEndTest, DisplayOptionsReturnToTheScreenThatOpenedThem) {
  // The loop keeps the previous option at each pass, except for 83 itself.
  FrontEndSeam.runScreen = [](const MenuItem* table) {
    gScreens.push_back(table);
    MenuOption = static_cast<int16_t>(gScreens.size() == 1 ? 83 : -1);
  };
  FrontEndSeam.videoOptionsMenu = [] { FrontEnd_NoteSeam("VideoOptionsMenu"); };
  MenuOption = 35;
  PreviousMenuOption = 0;
  // The loop alone (DoMainMenu's pictures need a screen).
  RunMainMenuLoop();
  ASSERT_EQ(gScreens.size(), 2u);
  EXPECT_EQ(gScreens[0], PastTransfersMenu);
  EXPECT_EQ(gScreens[1], PastTransfersMenu);
  EXPECT_EQ(CountSeam("VideoOptionsMenu"), 1);
}

// ---- the menu bar ----

TEST_F(FrontEndTest, TheMenuBarHoldsItsThreeDropDownsAndEveryRowHasAPair) {
  int headers = 0, rows = 0;
  for (int i = 0; MainMenuBar[i].kind != POPUP_END; ++i) {
    const PopupRow& row = MainMenuBar[i];
    if (row.kind == POPUP_HEADER_STRING) {
      ++headers;
      EXPECT_EQ(row.prepare, MainMenu_PreparePopup);
    }
    if (row.kind == POPUP_ROW_TEXTNO) {
      ++rows;
      EXPECT_EQ(row.callback, MainMenu_ItemCallback);
    }
  }
  EXPECT_EQ(headers, 3);
  EXPECT_EQ(rows, 11 - 1 + 12 + 15);  // File's rows but the volume bar, Club Menus, Global Menus
  EXPECT_STREQ(PopupRowText(&MainMenuBar[0]), "File");
  EXPECT_EQ(MenuOption_TextNumber[MENU_OPTION_PAIRS].text, 0);
  EXPECT_EQ(MenuOption_TextNumber[MENU_OPTION_PAIRS].option, 0);
}

TEST_F(FrontEndTest, PrepareEnablesRowsByTheScreenAndTheState) {
  const struct {
    const char* name;
    int16_t restricted, option;
    std::vector<int16_t> disabled;  // texts that must be disabled (all others enabled)
  } cases[] = {
      {"start page: only volume, display and help", 1, 24,
       {89, 0, 1015, 426, 427, 700, 29, 497, 1205, 167, 1314, 445, 294, 1216, 791, 79, 253, 252, 136, 1476, 1682, 795, 28, 888,
        1817, 1833, 1834, 1681, 1469, 157}},
      {"restricted: the current option's row too", 1, 83,
       {89, 0, 1015, 426, 427, 1050, 700, 29, 497, 1205, 167, 1314, 445, 294, 1216, 791, 79, 253, 252, 136, 1476, 1682, 795, 28,
        888, 1817, 1833, 1834, 1681, 1469, 157}},
      {"the squad screen: its row, and training without a clause", 0, 7, {29, 445}},
      {"the office: both of its rows", 0, 3, {700, 445}},
      {"job vacancies: both rows", 0, 43, {791, 445}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MenuBarRestricted = c.restricted;
    MenuOption = c.option;
    EXPECT_EQ(MainMenu_PreparePopup(MainMenuBar), POPUP_RESULT_KEEP_OPEN);
    for (int i = 0; MainMenuBar[i].kind != POPUP_END; ++i) {
      const PopupRow& row = MainMenuBar[i];
      if (row.kind != POPUP_ROW_TEXTNO) continue;
      const int16_t text = static_cast<int16_t>(row.text.number);
      const bool wantDisabled = std::find(c.disabled.begin(), c.disabled.end(), text) != c.disabled.end();
      EXPECT_EQ((row.flags & POPUP_ENABLED) == 0, wantDisabled) << "row " << text;
    }
  }
}

TEST_F(FrontEndTest, PrepareTicksTheNewsFilterAndBuildsTheVolumeBar) {
  for (int16_t filter : {0, 1}) {
    MenuAllNews = filter;
    MenuVolume = 3;
    MainMenu_PreparePopup(MainMenuBar);
    EXPECT_EQ((MainMenuBar[FindMainMenuBarRow(426)].flags & POPUP_TICKED) != 0, filter == 0);
    EXPECT_EQ((MainMenuBar[FindMainMenuBarRow(427)].flags & POPUP_TICKED) != 0, filter == 1);
    EXPECT_STREQ(VolumeBarText(), " . . . | . . . . . . .");
  }
}

TEST_F(FrontEndTest, TheCallbackActsOnItsRow) {
  const struct {
    const char* name;
    int16_t text;
    int16_t option;      // MenuOption before
    int16_t volume;      // MenuVolume before
    int answer;          // the question box's answer
    int16_t result;
    int16_t optionAfter;
    int16_t volumeAfter;
  } cases[] = {
      {"another screen leaves for it", 29, 3, 5, 0, MENU_RESULT_LEAVE, 7, 5},
      {"the current screen stays", 29, 7, 5, 0, POPUP_RESULT_KEEP_OPEN, 7, 5},
      {"Save opens the save screen", 89, 3, 5, 0, MENU_RESULT_LEAVE, 50, 5},
      {"Quit, Yes", 0, 3, 5, 1, MENU_RESULT_LEAVE, -1, 5},
      {"Quit, No", 0, 3, 5, 0, MENU_RESULT_REDRAW, 3, 5},
      {"Quit, a click off the buttons", 0, 3, 5, 2, MENU_RESULT_REDRAW, 3, 5},
      {"volume up", 833, 3, 5, 0, POPUP_RESULT_KEEP_OPEN, 3, 6},
      {"volume up at 10 stays 10", 833, 3, 10, 0, POPUP_RESULT_KEEP_OPEN, 3, 10},
      {"volume down", 834, 3, 5, 0, POPUP_RESULT_KEEP_OPEN, 3, 4},
      {"volume down at 0 stays 0", 834, 3, 0, 0, POPUP_RESULT_KEEP_OPEN, 3, 0},
      {"divisional messages", 426, 3, 5, 0, POPUP_RESULT_CLOSE, 3, 5},
      {"all messages", 427, 3, 5, 0, POPUP_RESULT_CLOSE, 3, 5},
      {"demo information does nothing", 764, 3, 5, 0, POPUP_RESULT_KEEP_OPEN, 3, 5},
      {"screen help: none available", 741, 3, 5, 0, POPUP_RESULT_REDRAW, 3, 5},
      {"background help opens its panel", 762, 3, 5, 0, MENU_RESULT_REDRAW, 3, 5},
      {"display options", 1050, 3, 5, 0, MENU_RESULT_LEAVE, 83, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MenuOption = c.option;
    MenuVolume = c.volume;
    gAnswer = c.answer;
    gQuestions.clear();
    MenuPrims_ClearCalls();
    PopupRow row{POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(static_cast<int32_t>(c.text)),
                 MainMenu_ItemCallback, nullptr};
    const PopupCall call{1, 0, &row, MainMenuBar};
    EXPECT_EQ(MainMenu_ItemCallback(&call), c.result);
    EXPECT_EQ(MenuOption, c.optionAfter);
    EXPECT_EQ(MenuVolume, c.volumeAfter);
    if (c.text == 0) {
      ASSERT_EQ(gQuestions.size(), 1u);
      EXPECT_EQ(gQuestions[0], "Are you sure you want to quit this game ?");
    }
    if (c.text == 426) { EXPECT_EQ(MenuAllNews, 0); }
    if (c.text == 427) { EXPECT_EQ(MenuAllNews, 1); }
    if (c.text == 741) { EXPECT_EQ(CountLogged("DoMessageBox", "No help available"), 1); }
    if (c.text == 762) {
      EXPECT_EQ(CountLogged("DoMessageBox"), 0);
      EXPECT_EQ(CountLogged("DoHelpPanel", "Gafferon Background"), 1);
    }
    if (c.text == 833 || c.text == 834) { EXPECT_EQ(std::string(VolumeBarText()).find('|'), 2u * c.volumeAfter + 1); }
  }
}

TEST_F(FrontEndTest, AnUnknownOrDisabledRowKeepsTheListOpen) {
  MenuOption = 3;
  PopupRow unknown{POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(8), MainMenu_ItemCallback, nullptr};
  const PopupCall call{1, 0, &unknown, MainMenuBar};
  testing::internal::CaptureStdout();
  EXPECT_EQ(MainMenu_ItemCallback(&call), POPUP_RESULT_KEEP_OPEN);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("MenuOption_TextNumber"), std::string::npos);
  PopupRow disabled{POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(29), MainMenu_ItemCallback, nullptr};
  const PopupCall call2{1, 0, &disabled, MainMenuBar};
  EXPECT_EQ(MainMenu_ItemCallback(&call2), POPUP_RESULT_KEEP_OPEN);
  EXPECT_EQ(MenuOption, 3);
}

// ---- events after a day ----

int32_t gAsking = 0, gOffer = 0;

class HumanEventsTest : public FrontEndTest {
 protected:
  void SetUp() override {
    FrontEndTest::SetUp();
    ClubSim.getPlayerAskingPrice = [](int16_t) { return gAsking; };
    ClubSim.evaluateBidForPlayer = [](int16_t, int32_t, int16_t, int16_t, int16_t*, int16_t, int16_t) {
      return gOffer;
    };
    MenuOption = 24;
  }
};

TEST_F(HumanEventsTest, Day364GoesToTheOfficeBeforeAnyOtherEvent) {
  for (int32_t soak : {0, 1}) {
    SCOPED_TRACE(soak);
    MenuPrims_ClearCalls();
    DayOfSeason = 364;
    SackedHumanManager = 1;
    JobOfferPending = 1;
    SoakRunActive = soak;
    MenuOption = 24;
    MenuClub = 7;
    ProcessHumanEvents();
    EXPECT_EQ(MenuOption, 3);
    EXPECT_EQ(MenuClub, tw::kHumanClub);
    EXPECT_EQ(CountLogged("DoMessageBox",
                          "Program is now at the end of the season, we advise you to save now."),
              soak ? 0 : 1);
  }
}

TEST_F(HumanEventsTest, EventsRouteInTheirOrder) {
  // Nothing pending: the office; an option -1 is left alone.
  ProcessHumanEvents();
  EXPECT_EQ(MenuOption, 3);
  MenuOption = -1;
  ProcessHumanEvents();
  EXPECT_EQ(MenuOption, -1);
  // A job offer: the offering club's page as an offer.
  JobOfferPending = 1;
  JobOfferingClub = tw::kLeagueClub;
  MenuOption = 24;
  ProcessHumanEvents();
  EXPECT_EQ(MenuOption, 6);
  EXPECT_EQ(JobChangeMode, 2);
  EXPECT_EQ(MenuClub, tw::kLeagueClub);
  // A sacking comes before the offer: the job centre.
  SackedHumanManager = 1;
  ProcessHumanEvents();
  EXPECT_EQ(MenuOption, 43);
}

// A sale at exactly 40 % of the asking price goes to Negotiations; one unit
// less withdraws it. Prices whose 40-fold overflows 32 bits still compare right.
TEST_F(HumanEventsTest, ASaleAtFortyPercentGoesToNegotiations) {
  const struct {
    int32_t asking, offer;
    int16_t option;
    bool kept;
  } cases[] = {
      {1000000, 400000, 10, true},
      {1000000, 399999, 3, false},
      {100000000, 40000000, 10, true},
      {100000000, 39999999, 3, false},
      {2000000000, 800000000, 10, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asking);
    GNW_ClearHumanSales();
    GNW_AddHumanSale(1, tw::kForward, tw::kLeagueClub);
    gAsking = c.asking;
    gOffer = c.offer;
    MenuOption = 24;
    ProcessHumanEvents();
    EXPECT_EQ(MenuOption, c.option);
    EXPECT_EQ(MenuPlayer, tw::kForward);
    EXPECT_EQ(MenuOtherClub, tw::kLeagueClub);
    EXPECT_EQ(GNW_HasHumanSales() != 0, c.kept);
  }
}

TEST_F(HumanEventsTest, ALoanIsOfferedOnlyOnYes) {
  GNW_SetPlayerLoanListed(tw::kForward, 1);
  for (int answer : {0, 1}) {
    SCOPED_TRACE(answer);
    GNW_ClearHumanSales();
    GNW_AddHumanSale(1, tw::kForward, tw::kLeagueClub);
    gAnswer = answer;
    gQuestions.clear();
    Seam_ClearCalls();
    MenuOption = 24;
    ProcessHumanEvents();
    EXPECT_EQ(MenuOption, 59);
    ASSERT_EQ(gQuestions.size(), 1u);
    EXPECT_EQ(gQuestions[0].rfind(GetTextNoAddr(893), 0), 0u);
    EXPECT_EQ(Seam_CountCalls("MakeTransferOffer"), answer == 1 ? 1 : 0);
  }
}

// ---- the exported team ----

TEST_F(FrontEndTest, TheTeamExportLayout) {
  SavePlaceholders.tacticWord1[0] = 42;
  SavePlaceholders.tacticWord2[0] = 7;
  SavePlaceholders.customTactics[0] = 0xAB;
  SavePlaceholders.customTactics[3959] = 0xCD;
  std::memset(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT], 0x55, TEAM_RECORD_SIZE);
  BuildTeamExport();
  const uint8_t* b = SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT];
  EXPECT_EQ(b[TEAM_EXPORT_TACTICS_OFFSET], 0xAB);
  EXPECT_EQ(b[TEAM_EXPORT_TACTICS_OFFSET + 3959], 0xCD);
  EXPECT_EQ(LoadI16(b + 5813), 42);
  EXPECT_EQ(LoadI16(b + 5815), 7);
  EXPECT_EQ(LoadI16(b + 5817), GNW_GetClubDbId(tw::kHumanClub));
  EXPECT_STREQ(reinterpret_cast<const char*>(b + 5819), GNW_GetClubName(GNW_GetClubDbId(tw::kHumanClub)));
  int written = 0;
  for (int shirt = 1; shirt <= 17; ++shirt) {
    SCOPED_TRACE(shirt);
    const uint8_t* e = b + (shirt - 1) * TEAM_EXPORT_PLAYER_SIZE;
    for (int i = 89; i < TEAM_EXPORT_PLAYER_SIZE; ++i) ASSERT_EQ(e[i], 0) << i;  // never written
    if (LoadI16(e + 79) == 0) {
      for (int i = 0; i < TEAM_EXPORT_PLAYER_SIZE; ++i) ASSERT_EQ(e[i], 0) << i;  // nobody wears it
      continue;
    }
    ++written;
    const int16_t player = LoadI16(e + 87);
    EXPECT_EQ(LoadI16(e + 79), shirt);
    EXPECT_EQ(GNW_GetPlayerShirt(player), shirt);
    EXPECT_STREQ(reinterpret_cast<const char*>(e), GNW_GetPlayerSurname(player));
    EXPECT_EQ(e[20], GNW_GetPlayerPosition(player));
    EXPECT_EQ(LoadI16(e + 77), GNW_GetPlayerPosition(player));
    EXPECT_EQ(LoadI16(e + 25), -1);
    EXPECT_EQ(LoadI16(e + 29), -1);
    EXPECT_EQ(LoadI16(e + 31), GNW_GetPlayerPhysicalStat(player, 8));
    EXPECT_EQ(LoadI16(e + 37), GNW_GetPlayerPhysicalStat(player, 9));
    EXPECT_EQ(LoadI16(e + 59), GNW_GetPlayerAbilityStat(player, 6));
    EXPECT_EQ(LoadI16(e + 57), GNW_GetPlayerAbilityStat(player, 7));
    EXPECT_EQ(LoadI16(e + 63), GNW_GetPlayerPersonalityStat(player, 16) * 100 / 200);
    EXPECT_EQ(LoadI16(e + 69), GNW_GetPlayerPersonalityStat(player, 19));
    EXPECT_EQ(LoadI16(e + 85), 0);
  }
  EXPECT_GT(written, 0);
}


// ---- the names file ----

class NamesFileTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("names");
  }
  void TearDown() override {
    PakFileReset();
    EngineTest::TearDown();
    scratch_.reset();
  }
  std::unique_ptr<ScratchDir> scratch_;
};

TEST_F(NamesFileTest, TheSurnamesAreReadWholeAndAnotherSizeIsFatal) {
  srcdb::Bytes names(NAMES_FILE_SIZE, 0);
  std::memcpy(names.data() + 17, "Testname", 8);
  srcdb::MountPak({{"STATS\\NAMES.DAT", names}});
  LoadNamesFile();
  EXPECT_STREQ(NameBuffer + 17, "Testname");
  for (size_t size : {size_t{0}, size_t{NAMES_FILE_SIZE - 1}, size_t{NAMES_FILE_SIZE + 1}}) {
    SCOPED_TRACE(size);
    srcdb::MountPak({{"STATS\\NAMES.DAT", srcdb::Bytes(size, 'x')}});
    EXPECT_FATAL(LoadNamesFile(), "LoadNamesFile\\(\\): stats.names.dat holds " + std::to_string(size) + " bytes");
  }
}

}  // namespace
