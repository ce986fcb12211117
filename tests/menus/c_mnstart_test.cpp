// The start page's choices and the Past Transfers list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "menus/c_mnstart.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"

namespace {

int CountMessages(const char* text) {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox" && call.text == text) ++n;
  return n;
}

class StartPageTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    MenuPrims_ClearCalls();
    MenuOption = 24;
  }
};

int16_t gSaves = 0, gReplays = 0;

TEST_F(StartPageTest, TheFourChoices) {
  StartPageSeam.countSaveGames = [] { return gSaves; };
  FrontEndSeam.countReplayFiles = [] { return gReplays; };
  const struct {
    const char* name;
    int16_t (*handler)(MenuHotspot*);
    int16_t saves, replays;
    int16_t result, option;
    const char* message;
  } cases[] = {
      {"new game", StartPage_NewGame, 0, 0, MENU_RESULT_LEAVE, 1, nullptr},
      {"load with saves", StartPage_LoadGame, 2, 0, MENU_RESULT_LEAVE, 49, nullptr},
      {"load without", StartPage_LoadGame, 0, 0, MENU_RESULT_REDRAW, 24, "There are no save games to load"},
      {"friendly", StartPage_Friendly, 0, 0, MENU_RESULT_LEAVE, 53, nullptr},
      {"replays", StartPage_Replays, 0, 1, MENU_RESULT_LEAVE, 55, nullptr},
      {"no replays", StartPage_Replays, 0, 0, MENU_RESULT_REDRAW, 24, "There are no replays saved for you to load"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MenuOption = 24;
    MenuPrims_ClearCalls();
    gSaves = c.saves;
    gReplays = c.replays;
    EXPECT_EQ(c.handler(nullptr), c.result);
    EXPECT_EQ(MenuOption, c.option);
    if (c.message) { EXPECT_EQ(CountMessages(c.message), 1); }
    if (!c.message) { EXPECT_TRUE(MenuPrims_Calls().empty()); }
  }
  EXPECT_EQ(GNW_GetGameCountry(), 0);
}

TEST_F(StartPageTest, WithoutASaveIndexLoadSaysThereAreNoSaves) {
  // The stand-in for the index answers none, as an unreadable index does.
  EXPECT_EQ(StartPage_LoadGame(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(CountMessages("There are no save games to load"), 1);
  EXPECT_EQ(MenuOption, 24);
}

// ---- Past Transfers ----

class PastTransfersTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GNW_ClearTransferLog();
  }
  static void Log(int n, int16_t selling, int16_t buying, int16_t player, int32_t fee) {
    TransferLog[n] = {selling, buying, player, fee, static_cast<int16_t>(1 + n % 28), static_cast<int16_t>(n % 12),
                      2000};
  }
  static void Open() {
    SetMenuEvent(MENU_EVENT_INIT);
    PastTransfers_Handler(nullptr);
    SetMenuEvent(MENU_EVENT_DRAW);
  }
  static void Draw() { PastTransfers_Handler(nullptr); }
  static bool Blank(int row) {
    const PastTransferRow& r = PastTransfers_Row(row);
    return r.date[0] == 0 && r.player == -1 && r.buyingClub == -1 && r.sellingClub == -1 &&
           r.fee == MENU_BLANK_VALUE && r.day == BLANK_S16 && r.month == BLANK_S16 && r.year == BLANK_S16;
  }
  // The entry a row shows: its player (the log's players are entry numbers here).
  static int Shown(int row) { return PastTransfers_Row(row).player - TEXTNO_PLAYER_BASE; }
};

TEST_F(PastTransfersTest, AnEmptyLogShowsBlankRowsWhereverItScrolls) {
  Open();
  EXPECT_EQ(PastTransfers_Length(), 0);
  EXPECT_EQ(PastTransfers_Position(), 10001);
  for (int16_t (*scroll)(MenuHotspot*) : {PastTransfers_Older, PastTransfers_Older, PastTransfers_Newer}) {
    for (int row = 0; row < PAST_TRANSFERS_ROWS; ++row) EXPECT_TRUE(Blank(row)) << row;
    EXPECT_EQ(scroll(nullptr), MENU_RESULT_REDRAW);
    Draw();
  }
}

TEST_F(PastTransfersTest, SixteenEntriesShowNewestFirst) {
  for (int n = 0; n < 16; ++n) Log(n, 10, 11, static_cast<int16_t>(n), 1000 * (n + 1));
  Log(3, 252, 11, 3, 5000);  // from the free agents' pool
  Log(4, 12, 12, 4, 0);      // within one club: no fee, no date
  Open();
  EXPECT_EQ(PastTransfers_Length(), 16);
  for (int row = 0; row < 16; ++row) EXPECT_EQ(Shown(row), 15 - row) << row;
  const PastTransferRow& top = PastTransfers_Row(0);
  EXPECT_STREQ(top.date, "16/4/2000");
  EXPECT_EQ(top.fee, 16000);
  EXPECT_EQ(top.buyingClub, TEXTNO_CLUB_BASE + 11);
  EXPECT_EQ(top.sellingClub, TEXTNO_CLUB_BASE + 10);
  EXPECT_EQ(std::string(GetTextNoAddr(PastTransfers_Row(12).sellingClub)), "Free Agent");
  const PastTransferRow& same = PastTransfers_Row(11);
  EXPECT_EQ(same.buyingClub, -1);
  EXPECT_EQ(same.fee, MENU_BLANK_VALUE);
  EXPECT_EQ(same.date[0], 0);
  // Newer stops at the first page; older stops on the page of entries 15-0.
  PastTransfers_Newer(nullptr);
  Draw();
  EXPECT_EQ(Shown(0), 15);
  PastTransfers_Older(nullptr);
  Draw();
  EXPECT_EQ(PastTransfers_Position(), 9985);
  EXPECT_EQ(Shown(0), 15);
  EXPECT_EQ(Shown(15), 0);
}

TEST_F(PastTransfersTest, AFullLogCountsToTheRingsEnd) {
  for (int n = 0; n < TRANSFER_LOG_ENTRIES; ++n) Log(n, 10, 11, static_cast<int16_t>(n % 20000), 100);
  Open();
  EXPECT_EQ(PastTransfers_Length(), 10000);
  EXPECT_EQ(PastTransfers_Position(), 1);
  EXPECT_EQ(Shown(0), 9999);
  EXPECT_EQ(Shown(15), 9984);
  PastTransfers_Newer(nullptr);
  Draw();
  EXPECT_EQ(PastTransfers_Position(), 1);
  for (int i = 0; i < 700; ++i) PastTransfers_Older(nullptr);
  Draw();
  EXPECT_EQ(Shown(0), 15);
  EXPECT_EQ(Shown(15), 0);
}

}  // namespace
