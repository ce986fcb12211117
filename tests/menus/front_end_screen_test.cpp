// The front end's screens in the real menu loop: the placeholder with the
// menu bar, quitting through the bar, the start page, Past Transfers, and the
// options that need the menu screen (a new game from the data set, a match
// that closes the menu system around itself).
#include <string>
#include <vector>

#include "gamecode/replay.h"
#include "menus/c_mnstart.h"
#include "menus/exmenu.h"
#include "menus/machine.h"
#include "menus/menu_harness.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "season/seasonstate.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"

namespace {

using menutest::ClickAt;
using menutest::gDriver;

class FrontEndScreenTest : public menutest::MenuHarness {};

int gAnswer = 0;
int gQuestions = 0;

// Where the menu bar's "File" title and its "Quit" row are.
constexpr int kFileX = 110, kFileY = 8, kQuitY = 48;

TEST_F(FrontEndScreenTest, ThePlaceholderNamesTheOptionAndLeadsBackToTheStartPage) {
  const struct {
    int16_t option;
    const char* title;
  } cases[] = {{7, "View Squad"}, {1, "Option 1"}, {80, "Statistics"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.option);
    MenuOption = c.option;
    ASSERT_TRUE(Run(PlaceholderMenu, {ClickAt(10, PLACEHOLDER_BACK_X + 20, PLACEHOLDER_BACK_Y + 20)}));
    EXPECT_STREQ(PlaceholderTitle(), c.title);
    EXPECT_EQ(MenuOption, 24);
    EXPECT_EQ(HotspotsOfKind(MI_POPUP_LIST).size(), 3u);  // the whole menu bar
    EXPECT_EQ(MenuBarRestricted, 0);
  }
}

TEST_F(FrontEndScreenTest, QuitThroughTheMenuBarOnlyOnYes) {
  FrontEndSeam.questionBox = [](const char*, QuestionButton*, int32_t) {
    ++gQuestions;
    return gAnswer;
  };
  // "No": the screen stays until the watchdog.
  gAnswer = 0;
  gQuestions = 0;
  MenuOption = 7;
  EXPECT_FALSE(Run(PlaceholderMenu, {ClickAt(10, kFileX, kFileY), ClickAt(30, kFileX, kQuitY)}, 200));
  EXPECT_EQ(gQuestions, 1);
  EXPECT_EQ(MenuOption, 7);
  // "Yes": the screen is left with MenuOption -1.
  gAnswer = 1;
  ASSERT_TRUE(Run(PlaceholderMenu, {ClickAt(10, kFileX, kFileY), ClickAt(30, kFileX, kQuitY)}));
  EXPECT_EQ(gQuestions, 2);
  EXPECT_EQ(MenuOption, -1);
}

TEST_F(FrontEndScreenTest, TheStartPageOffersItsChoicesUnderARestrictedBar) {
  MenuOption = 24;
  ASSERT_TRUE(Run(StartPageMenu, {ClickAt(10, START_PAGE_CHOICE_X, START_PAGE_NEW_GAME_Y)}));
  EXPECT_EQ(MenuOption, 1);
  EXPECT_EQ(MenuBarRestricted, 1);
  EXPECT_EQ(HotspotsOfKind(MI_CLICK_REGION).size(), 4u);
  EXPECT_EQ(HotspotsOfKind(MI_POPUP_LIST).size(), 3u);
  // The restricted bar's "Quit" is disabled: picking it does nothing.
  FrontEndSeam.questionBox = [](const char*, QuestionButton*, int32_t) {
    ++gQuestions;
    return 1;
  };
  gQuestions = 0;
  MenuOption = 24;
  EXPECT_FALSE(Run(StartPageMenu, {ClickAt(10, kFileX, kFileY), ClickAt(30, kFileX, kQuitY)}, 200));
  EXPECT_EQ(gQuestions, 0);
  EXPECT_EQ(MenuOption, 24);
}

TEST_F(FrontEndScreenTest, PastTransfersScrollsAndLeavesForTheOffice) {
  GNW_ClearTransferLog();
  for (int n = 0; n < 40; ++n) TransferLog[n] = {10, 11, static_cast<int16_t>(n), 1000, 1, 0, 2000};
  MenuOption = 35;
  ASSERT_TRUE(Run(PastTransfersMenu, {ClickAt(10, 50, 467), ClickAt(60, 50, 467), ClickAt(110, 590, 456)}));
  EXPECT_EQ(PastTransfers_Length(), 40);
  EXPECT_EQ(PastTransfers_Row(0).player, TEXTNO_PLAYER_BASE + 15);  // the last page: entries 15 to 0
  EXPECT_EQ(MenuOption, 3);
}

TEST_F(FrontEndScreenTest, ANewGameComesFromTheDataSet) {
  MenuOption = 0;
  DoMainMenuOption();
  EXPECT_EQ(MenuOption, 5);
  EXPECT_EQ(BusyPointerCount(), 0);
  EXPECT_GT(PlayerCount, 0);
}

TEST_F(FrontEndScreenTest, AMatchClosesTheMenuSystemAndOpensItAgain) {
  FrontEndSeam.playMatchGetResult = [] {
    EXPECT_FALSE(IsMenuSystemRunning());
    EXPECT_FALSE(IsMenuSystemOpen());
    FrontEnd_NoteSeam("PlayMatchGetResult");
  };
  MenuOption = 56;
  replayMode = 3;  // a saved replay chosen on the load list
  DoMainMenuOption();
  EXPECT_EQ(MenuOption, 24);
  EXPECT_TRUE(IsMenuSystemRunning());
  EXPECT_TRUE(IsMenuSystemOpen());
  EXPECT_EQ(MenuStackTop(), -1);
  ASSERT_EQ(FrontEnd_SeamCalls().size(), 2u);
  EXPECT_STREQ(FrontEnd_SeamCalls()[1], "SetMatchRunMode");
  EXPECT_EQ(replayMode, 0);  // the next match is a live one
}

}  // namespace
