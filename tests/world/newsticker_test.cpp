#include "world/newsticker.h"

#include <cstring>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/timerint.h"
#include "gamecode/matchrec.h"
#include "menus/exm_text.h"
#include "menus/langtext.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/money.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"

namespace {

// A ticker with a running virtual clock that moves whenever the game waits.
class TickerTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    StartWindowAndTimer();
    InitPoll();
    PlatSetVirtualAutoAdvance(true);
    PlatVirtualAdvance(1000);
    DivisionTable[0][0] = tw::kHumanClub;
    DivisionTable[1][0] = tw::kLeagueClub;
  }
  void TearDown() override {
    UninitPoll();
    WorldTest::TearDown();
  }

  const NewsTickerState& T() { return NewsTicker_State(); }
  void Post(int n) {
    for (int i = 0; i < n; ++i) NewsTicker_PutLine(("L" + std::to_string(++posted_)).c_str());
  }
  // The lines the last drawing of the box showed, top to bottom.
  static std::vector<std::string> DrawnLines() {
    std::vector<std::string> lines;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoTextBoxAddr") lines.push_back(call.text);
    if (lines.size() > NEWS_TICKER_LINES) lines.erase(lines.begin(), lines.end() - NEWS_TICKER_LINES);
    return lines;
  }
  // A ticker text with its first tokens replaced, as the player reads it.
  static std::string Fill(int text, const std::vector<std::pair<std::string, std::string>>& values) {
    std::string line = LanguageTextTable[text];
    for (const auto& [token, value] : values) {
      size_t at = line.find(token);
      if (at != std::string::npos) line.replace(at, token.size(), value);
    }
    return line;
  }
  static std::string Club(int16_t club) { return GetTextNoAddr(GNW_GetClubTextNo(GNW_GetClubDbId(club))); }

  int posted_ = 0;
};

TEST_F(TickerTest, TheRingWrapsAfterFivePosts) {
  struct {
    int posts;
    int writePos;
    int firstLine;
    bool wrapped;
  } cases[] = {{1, 1, 0, false}, {4, 4, 0, false}, {5, 0, 0, true}, {7, 2, 2, true}, {10, 0, 0, true},
               {13, 3, 3, true}};
  for (const auto& c : cases) {
    NewsTicker_Clear();
    posted_ = 0;
    Post(c.posts);
    EXPECT_EQ(T().writePos, c.writePos) << c.posts;
    EXPECT_EQ(T().firstLine, c.firstLine) << c.posts;
    EXPECT_EQ((T().flags & NEWS_TICKER_WRAPPED) != 0, c.wrapped) << c.posts;
  }
  // After seven posts slots 0 and 1 hold the sixth and seventh lines, and
  // the box shows the last five, oldest first.
  NewsTicker_Clear();
  posted_ = 0;
  Post(7);
  EXPECT_STREQ(T().lines[0], "L6");
  EXPECT_STREQ(T().lines[1], "L7");
  EXPECT_STREQ(T().lines[2], "L3");
  NewsTicker_Draw();
  EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"L3", "L4", "L5", "L6", "L7"}));
}

TEST_F(TickerTest, BeforeTheRingWrapsTheBoxShowsSlotsFromTheFirst) {
  Post(2);
  NewsTicker_Draw();
  EXPECT_EQ(DrawnLines(), (std::vector<std::string>{"L1", "L2", "", "", ""}));
}

TEST_F(TickerTest, ClearEmptiesEverything) {
  Post(6);
  NewsTicker_Clear();
  const NewsTickerState& t = T();
  EXPECT_EQ(t.writePos, 0);
  EXPECT_EQ(t.firstLine, 0);
  EXPECT_EQ(t.flags & (NEWS_TICKER_WRAPPED | NEWS_TICKER_SLOW), 0);
  for (int i = 0; i < NEWS_TICKER_LINES; ++i) {
    EXPECT_STREQ(t.lines[i], "");
    EXPECT_EQ(t.stamps[i], 0u);
  }
}

TEST_F(TickerTest, FiveLinesWithinASecondSlowTheNextDrawing) {
  // Posts 1-4 have no line four posts before them: no slow-down, even at
  // once and even in the first second of the clock.
  Post(4);
  EXPECT_EQ(T().flags & NEWS_TICKER_SLOW, 0);
  // The fifth within 100 ticks of the first does.
  PlatVirtualAdvance(99);
  Post(1);
  EXPECT_NE(T().flags & NEWS_TICKER_SLOW, 0);

  uint32_t before = TimerTicks;
  NewsTicker_Draw();
  EXPECT_EQ(TimerTicks, before + NEWS_TICKER_SLOW_TICKS + 1);  // the wait, then one pointer frame
  EXPECT_EQ(T().flags & NEWS_TICKER_SLOW, 0);

  before = TimerTicks;
  NewsTicker_Draw();
  EXPECT_EQ(TimerTicks, before + 1);  // no wait once the bit is cleared
}

TEST_F(TickerTest, TheSlowDownComparesWithTheLinePostedFourPostsEarlier) {
  for (uint32_t gap : {0u, 99u, 100u, 250u}) {
    NewsTicker_Clear();
    posted_ = 0;
    Post(1);
    PlatVirtualAdvance(200);
    Post(1);  // the second line
    PlatVirtualAdvance(gap);
    Post(3);  // the fifth compares with the first, 200 ticks and more before
    ASSERT_EQ(T().flags & NEWS_TICKER_SLOW, 0) << gap;
    Post(1);  // the sixth compares with the second
    EXPECT_EQ((T().flags & NEWS_TICKER_SLOW) != 0, gap < NEWS_TICKER_SLOW_TICKS) << gap;
  }
}

TEST_F(TickerTest, ALineLongerThanItsSlotIsCut) {
  std::string longLine(200, 'x');
  NewsTicker_PutLine(longLine.c_str());
  EXPECT_EQ(std::strlen(T().lines[0]), static_cast<size_t>(NEWS_TICKER_LINE_SIZE - 1));
  std::string exact(NEWS_TICKER_LINE_SIZE - 1, 'y');
  NewsTicker_PutLine(exact.c_str());
  EXPECT_EQ(T().lines[1], exact);
}

TEST_F(TickerTest, OnlyTheFirstOccurrenceOfATokenIsReplaced) {
  char work[NEWS_TICKER_WORK_SIZE] = "$0t beat $0t, $1t";
  EXPECT_EQ(NewsTicker_ReplaceToken(work, "$0t", "Rovers"), 1);
  EXPECT_STREQ(work, "Rovers beat $0t, $1t");
  EXPECT_EQ(NewsTicker_ReplaceToken(work, "$0p", "Striker"), 0);
  EXPECT_STREQ(work, "Rovers beat $0t, $1t");
  EXPECT_EQ(NewsTicker_ReplaceToken(work, "$1t", ""), 1);
  EXPECT_STREQ(work, "Rovers beat $0t, ");
}

TEST_F(TickerTest, AReplacementIsCutTo299Characters) {
  char work[NEWS_TICKER_WORK_SIZE];
  std::string text = std::string(280, 'a') + "$0p" + std::string(10, 'b');
  std::strcpy(work, text.c_str());
  std::string name(40, 'N');
  NewsTicker_ReplaceToken(work, "$0p", name.c_str());
  EXPECT_EQ(std::string(work), (std::string(280, 'a') + name).substr(0, NEWS_TICKER_WORK_SIZE - 1));
}

TEST_F(TickerTest, ATextTooLongForTheWorkLineIsFatal) {
  char work[NEWS_TICKER_WORK_SIZE];
  std::string fits(NEWS_TICKER_MAX_TEXT, 'f');
  NewsTicker_CopyLine(work, fits.c_str(), 1262);
  EXPECT_EQ(std::string(work), fits);
  std::string tooLong(NEWS_TICKER_MAX_TEXT + 1, 'l');
  EXPECT_FATAL(NewsTicker_CopyLine(work, tooLong.c_str(), 1262),
               "J_MN20: Text line 1262 is too long for message buffer");
}

TEST_F(TickerTest, GetTextCopiesTheTextOfTheNumber) {
  char work[NEWS_TICKER_WORK_SIZE];
  NewsTicker_GetText(work, 3000 + tw::kKeeper);
  EXPECT_STREQ(work, "J.Safehands");
  NewsTicker_GetText(work, 1264);
  EXPECT_EQ(std::string(work), LanguageTextTable[1264]);
}

TEST_F(TickerTest, TheTextOfATransfer) {
  struct {
    int16_t oldClub;
    int32_t fee;
    int16_t loan;
    int text;
  } cases[] = {
      {tw::kLeagueClub, 0, 1, TICKER_TEXT_LOAN},       {255, 0, 1, TICKER_TEXT_LOAN},
      {255, 500000, 0, TICKER_TEXT_JOINED},             {tw::kLeagueClub, 500000, 0, TICKER_TEXT_FEE},
      {tw::kLeagueClub, 1, 0, TICKER_TEXT_FEE},         {tw::kLeagueClub, 0, 0, TICKER_TEXT_MOVED},
      {tw::kLeagueClub, -5, 0, TICKER_TEXT_MOVED},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NewsTicker_TransferText(c.oldClub, c.fee, c.loan), c.text) << c.oldClub << " " << c.fee;
}

TEST_F(TickerTest, TransferAndAbsenceLinesOnlyForTheUsersDivisionUnlessAllNews) {
  struct {
    bool allNews;
    int16_t newClub, oldClub;
    bool posted;
  } transfers[] = {
      {false, tw::kHumanClub, tw::kForeignClub, true},  // to the user's division
      {false, tw::kForeignClub, tw::kHumanClub, true},  // from it
      {false, tw::kLeagueClub, tw::kForeignClub, false},
      {false, tw::kLeagueClub, 255, false},
      {true, tw::kLeagueClub, tw::kForeignClub, true},
  };
  for (const auto& c : transfers) {
    NewsTicker_Clear();
    MenuAllNews = c.allNews;
    NewsTicker_AddTransfer(tw::kForward, c.newClub, c.oldClub, 100000, 0);
    EXPECT_EQ(T().writePos, c.posted ? 1 : 0) << c.newClub << " " << c.oldClub;
  }
  struct {
    bool allNews;
    int16_t club;
    bool posted;
  } absences[] = {{false, tw::kHumanClub, true},
                  {false, tw::kLeagueClub, false},
                  {false, tw::kForeignClub, false},  // division 6 for another country
                  {true, tw::kForeignClub, true}};
  for (const auto& c : absences) {
    NewsTicker_Clear();
    MenuAllNews = c.allNews;
    NewsTicker_AddMessage(c.club, tw::kMidfielder);
    EXPECT_EQ(T().writePos, c.posted ? 1 : 0) << c.club;
  }
  // Without a human club only the option shows them.
  MenuAllNews = 0;
  Club_SetControl(tw::kHumanClub, 0);
  NewsTicker_Clear();
  NewsTicker_AddMessage(tw::kHumanClub, tw::kMidfielder);
  NewsTicker_AddTransfer(tw::kForward, tw::kHumanClub, tw::kLeagueClub, 0, 0);
  EXPECT_EQ(T().writePos, 0);
}

TEST_F(TickerTest, EachAddPostsItsTextAndDrawsTheBox) {
  NewsTicker_AddTransfer(tw::kForward, tw::kHumanClub, tw::kLeagueClub, 2500000, 0);
  NewsTicker_AddTransfer(tw::kDefender, tw::kHumanClub, tw::kLeagueClub, 0, 0);
  NewsTicker_AddTransfer(tw::kKeeper, tw::kHumanClub, tw::kLeagueClub, 0, 1);
  NewsTicker_AddTransfer(tw::kFreeAgent, tw::kHumanClub, 255, 0, 0);
  NewsTicker_AddMessage(tw::kHumanClub, tw::kForward);
  NewsTicker_AddAppointment(tw::kForeignClub, tw::kNoManager);  // no division filter
  NewsTicker_AddManagerExit(tw::kLeagueClub, tw::kHumanManager, 0);
  NewsTicker_AddManagerExit(tw::kLeagueClub, tw::kHumanManager, 1);
  const std::string human = Club(tw::kHumanClub), league = Club(tw::kLeagueClub);
  ASSERT_EQ(league, GNW_GetClubName(GNW_GetClubDbId(tw::kLeagueClub)));
  std::vector<std::string> expected = {
      Fill(TICKER_TEXT_FEE, {{"$0t", human}, {"$1t", league}, {"$0p", "Striker"}, {"$0m", Price2str(2500000)}}),
      Fill(TICKER_TEXT_MOVED, {{"$0t", human}, {"$1t", league}, {"$0p", "Rossini"}}),
      Fill(TICKER_TEXT_LOAN, {{"$0t", human}, {"$1t", league}, {"$0p", "J.Safehands"}}),
      Fill(TICKER_TEXT_JOINED, {{"$0t", human}, {"$0p", "Drifter"}}),
      Fill(TICKER_TEXT_AWOL, {{"$0t", human}, {"$0p", "Striker"}}),
      Fill(TICKER_TEXT_APPOINTED, {{"$0t", Club(tw::kForeignClub)}, {"$0p", "Nobody"}}),
      Fill(TICKER_TEXT_SACKED, {{"$0t", league}, {"$0p", "Gaffney"}}),
      Fill(TICKER_TEXT_RESIGNED, {{"$0t", league}, {"$0p", "Gaffney"}}),
  };
  // Eight posts: the ring holds the last five, and every post drew the box.
  std::vector<std::string> lastFive(expected.end() - 5, expected.end());
  EXPECT_EQ(DrawnLines(), lastFive);
  int boxes = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls()) boxes += call.name == "DoIcon";
  EXPECT_EQ(boxes, 8);
}

TEST_F(TickerTest, TheBoxLayout) {
  MenuPrims_SetIconSize(400, 200);
  MenuPrims_SetCharSize(10, 12);
  Post(1);
  MenuPrims_ClearCalls();
  NewsTicker_Draw();
  const auto& calls = MenuPrims_Calls();
  std::vector<std::string> names;
  for (const MenuPrimCall& call : calls) names.push_back(call.name);
  EXPECT_EQ(names, (std::vector<std::string>{"HideBusyPointer", "GetIconSizeScaled", "BufferRestoreRect", "DoIcon",
                                              "GetCharSize", "DoTextBoxAddr", "DoTextBoxAddr", "DoTextBoxAddr",
                                              "DoTextBoxAddr", "DoTextBoxAddr", "WaitPointerFrame",
                                              "HideBusyPointer"}));
  EXPECT_EQ(calls[0].value, 1);
  EXPECT_EQ(calls[1].value, NEWS_TICKER_BOX_ICON);
  EXPECT_EQ(calls[2].x, 120);
  EXPECT_EQ(calls[2].y, 140);
  EXPECT_EQ(calls[2].width, 400);
  EXPECT_EQ(calls[2].height, 200);
  EXPECT_EQ(calls[3].x, 320);
  EXPECT_EQ(calls[3].y, 240);
  EXPECT_EQ(calls[3].alignment, ALIGN_CENTRED);
  for (int line = 0; line < NEWS_TICKER_LINES; ++line) {
    const MenuPrimCall& box = calls[5 + line];
    EXPECT_EQ(box.x, 150);
    EXPECT_EQ(box.y, 165 + line * 29);
    EXPECT_EQ(box.width, 340);
    EXPECT_EQ(box.height, 12);
    EXPECT_EQ(box.alignment, ALIGN_CENTRED);
  }
  EXPECT_EQ(calls.back().value, 0);
  EXPECT_EQ(MenuPrims_PointerHideCount(), 0);
}

TEST_F(TickerTest, LeagueDivisionOfAClub) {
  struct {
    int16_t club;
    int16_t division;
  } cases[] = {{tw::kHumanClub, 0},  {tw::kLeagueClub, 1}, {tw::kOutsideClub, 6}, {tw::kForeignClub, 6},
               {tw::kMinorClub, 6},  {252, 6},             {254, 6},              {255, 6},
               {-1, 6}};
  for (const auto& c : cases) EXPECT_EQ(GetClubLeagueDivision(c.club), c.division) << c.club;
}

void SetTeam(int side, const char* name, int16_t goals) {
  uint8_t* team = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side];
  std::memset(team + SETUP_TEAM_NAME, 0, SETUP_TEAM_NAME_SIZE);
  std::memcpy(team + SETUP_TEAM_NAME, name, std::strlen(name));
  StoreI16(GetMatchResultRecord() + TEAM_MATCH_RECORD_OFFSET[side] + TEAM_GOALS, goals);
}

TEST_F(TickerTest, TheScorePanel) {
  ClearMatchSetupRecord();
  SetTeam(0, "Rovers", 3);
  SetTeam(1, "United", 1);
  uint32_t before = TimerTicks;
  DrawMatchScorePanel();
  EXPECT_EQ(TimerTicks, before + 1);
  const auto& calls = MenuPrims_Calls();
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[0].name, "HideBusyPointer");
  EXPECT_EQ(calls[1].text, "Rovers");
  EXPECT_EQ(calls[2].value, 3);
  EXPECT_EQ(calls[3].value, 1);
  EXPECT_EQ(calls[4].text, "United");
  EXPECT_EQ(calls[5].name, "HideBusyPointer");
  EXPECT_EQ(calls[5].value, 0);
  EXPECT_EQ(calls[6].name, "WaitPointerFrame");
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(calls[i].y, 240);
}

TEST_F(TickerTest, AScorePanelNameIsReadWithinItsField) {
  // A name that fills its 40 bytes, or one never written (0xFF after the
  // clear), is cut at 39 characters.
  ClearMatchSetupRecord();
  uint8_t* team0 = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[0];
  std::memset(team0, 'R', SETUP_TEAM_NAME_SIZE);
  DrawMatchScorePanel();
  const auto& calls = MenuPrims_Calls();
  EXPECT_EQ(calls[1].text, std::string(SETUP_TEAM_NAME_SIZE - 1, 'R'));
  EXPECT_EQ(calls[4].text, std::string(SETUP_TEAM_NAME_SIZE - 1, '\xFF'));
  EXPECT_EQ(calls[2].value, 0);  // goals of a zeroed result record
}

}  // namespace
