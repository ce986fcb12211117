// The continue option on a new career's world with the menu screen open
// (headless): the day's flags while the related fixtures are played, the
// reordering of mode 2, the looping mode's stop conditions, a soak run
// through a whole season, the view modes and the low-memory refusal, and the
// small operations of the pages.
#include "season/contgame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/pakwrite.h"
#include "engine/poll.h"
#include "engine/startup.h"
#include "menus/exm_text.h"
#include "menus/exmenu.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/soak.h"
#include "season/careerrun.h"
#include "season/playfix.h"
#include "season/prematch.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"

namespace {

namespace fs = std::filesystem;

// The pointer frames of the pages, scripted: each frame takes the next entry
// (a button id pressed at its box's middle, -1 no press). With the script used
// up, the pages are left ("Play Match") and "Commentary" chosen. Off the pages
// every frame presses the OK icon.
struct PageScript {
  std::deque<int> presses;
  int frames = 0;
};
PageScript gScript;
bool gInKeepAlive = false;

void ScriptedFrame(int* x, int* y, int* buttons) {
  ++gScript.frames;
  *x = *y = *buttons = 0;
  if (gInKeepAlive) return;  // the frames of the fixtures' keep-alive take no press
  if (!PreMatchPagesShown()) {
    *x = 590;
    *y = 456;
    *buttons = 1;
    return;
  }
  int id = -1;
  if (!gScript.presses.empty()) {
    id = gScript.presses.front();
    gScript.presses.pop_front();
  } else {
    id = FindButtonIndex(PreMatchButtons, PAGE_LEAVE) >= 0 ? PAGE_LEAVE : PAGE_COMMENTARY;
  }
  if (id < 0) return;
  const int index = FindButtonIndex(PreMatchButtons, static_cast<int16_t>(id));
  if (index < 0) return;
  const PageButton& b = PreMatchButtons[index];
  *x = b.x + b.w / 2;
  *y = b.y + b.h / 2;
  *buttons = 1;
}

// What the day's fixtures saw: at every keep-alive call, the day's flags and
// whether the pages were on show, consecutive repeats dropped.
struct Seen {
  uint8_t flags;
  bool pages;
  bool operator==(const Seen&) const = default;
};
std::vector<Seen> gSeen;

void RecordingKeepAlive() {
  const Seen now{static_cast<uint8_t>(DayFlags & (DAY_RELATED_DONE | DAY_SEVERAL_RELATED | DAY_LEFT_PAGES)),
                 PreMatchPagesShown()};
  if (gSeen.empty() || !(gSeen.back() == now)) gSeen.push_back(now);
  gInKeepAlive = true;
  PollWhileProcessing();
  gInKeepAlive = false;
}

// Clicks through the message boxes the days bring (news of the human club):
// the left button goes down for 5 ticks in every 40.
void AutoClicker() { PlatSetMouseButton(0, PlatRawTicks() % 40 < 5); }

class ContinueGameTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("contgame");
    ASSERT_FALSE(srcdb::BuiltTotStat().empty()) << "no generated database";
    InitMemory(9500);
    menutest::OpenDisplayForMenus();
    // The menu graphics of the build's game folder and the database.
    const fs::path game = menutest::BuildDir() / "game";
    fs::create_directories("pakfiles");
    for (const char* name : {"hdcommon.pki", "hdcommon.pkd"})
      fs::create_symlink(game / "pakfiles" / name, fs::path("pakfiles") / name);
    for (const char* name : {"cdcommon.pki", "cdcommon.pkd"})
      fs::create_symlink(game / "cd" / "pakfiles" / name, fs::path("pakfiles") / name);
    std::string error;
    ASSERT_TRUE(PakWriteFiles("pakfiles/stats",
                              {{"STATS\\TOTSTAT.DAT", srcdb::BuiltTotStat()}, {"STATS\\NAMES.DAT", srcdb::BuiltNames()}},
                              PAK_STORE_PLAIN, nullptr, &error))
        << error;
    PakFileInit();
    PakFileAdd("pakfiles\\hdcommon");
    PakFileAdd("pakfiles\\cdcommon");
    PakFileAdd("pakfiles\\stats");
    PakFileAddDone();
    InitSetOfMenus();
    SetMenuSystemRunning(true);
    Seam_ConnectGame();
    human_ = Career_StartNew(0, 1, -1);
    ASSERT_GE(human_, 0);
    MenuSystem.pollWhileProcessing = RecordingKeepAlive;
    PreMatchPointerFrame = ScriptedFrame;
    gScript = PageScript{};
    gSeen.clear();
    gInKeepAlive = false;
    MenuOption = 3;
    clicker_ = AddPollFunction(AutoClicker, 1, 0);
  }
  void TearDown() override {
    if (clicker_ >= 0) RemovePollFunction(clicker_);
    SetMenuSystemRunning(false);
    if (IsMenuSystemOpen()) UninitSetOfMenus();
    EngineTest::TearDown();
    scratch_.reset();
  }

  // Moves the world on (without the pages) to the first day on which the
  // test holds; false when none comes within a season.
  template <typename Test>
  bool AdvanceTo(Test holds) {
    for (int days = 0; days < 400; ++days) {
      GNW_SortFixtures();
      if (holds()) {
        gSeen.clear();
        return true;
      }
      Career_PlayDay();
    }
    return false;
  }
  static std::pair<int16_t, int16_t> Counts() {
    int16_t related = 0, others = 0;
    GNW_CountRelatedFixturesToday(&related, &others);
    return {related, others};
  }
  int PlayedToday() const {
    int n = 0;
    for (int16_t f = 0; f < NUM_FIXTURES && Fixture_GetDay(f) != FIXTURE_EMPTY_DAY; ++f)
      if (Fixture_GetDay(f) == DayOfSeason && Fixture_IsPlayed(f)) ++n;
    return n;
  }

  int16_t human_ = -1;
  int16_t clicker_ = -1;
  std::unique_ptr<ScratchDir> scratch_;
};

constexpr uint8_t kDone = DAY_RELATED_DONE, kSeveral = DAY_SEVERAL_RELATED, kLeft = DAY_LEFT_PAGES;

// A match day of the human club's division: while the pages are on show the
// division's other matches are played one per frame with bit 3 set; once
// they are all played and the user leaves the pages, his own match is played
// with bits 1 and 4, then the rest of the day.
TEST_F(ContinueGameTest, SeveralRelatedFixturesArePlayedWhileThePagesAreShown) {
  ASSERT_TRUE(AdvanceTo([] { return Counts().first > 2; }));
  const auto [related, others] = Counts();
  const int16_t fixture = FindHumanClubFixtureOnDay(DayOfSeason);
  ASSERT_GE(fixture, 0);
  gScript.presses.assign(static_cast<size_t>(related) + 2, -1);  // look at the page while they play
  PlayDayFixtures(related, others);
  const std::vector<Seen> expected = {{kSeveral, true}, {kDone | kLeft, false}};
  EXPECT_EQ(gSeen, expected);
  EXPECT_TRUE(Fixture_IsPlayed(fixture));
  EXPECT_EQ(PlayedToday(), related + others);
  EXPECT_EQ(DayFlags & (kSeveral | DAY_BUSY), 0);
  EXPECT_GT(DayResultsCount(), 1) << "the results menu lists the division's results";
  EXPECT_EQ(DayResultsCount(), related);
  EXPECT_EQ(MenuOption, 25) << "the pages were left by Commentary";
  EXPECT_EQ(MatchViewMode, 0);
  EXPECT_EQ(MatchCommentaryFlag, 1);
}

// Leaving the pages at once: the rest of the related fixtures are played
// under the busy pointer before his own match.
TEST_F(ContinueGameTest, LeavingThePagesAtOncePlaysTheRestUnderTheBusyPointer) {
  ASSERT_TRUE(AdvanceTo([] { return Counts().first > 2; }));
  const auto [related, others] = Counts();
  gScript.presses = {PAGE_LEAVE, -1, PAGE_WATCH};
  PlayDayFixtures(related, others);
  const std::vector<Seen> expected = {{kSeveral, true}, {kLeft, true}, {kDone | kLeft, false}};
  EXPECT_EQ(gSeen, expected);
  EXPECT_EQ(PlayedToday(), related + others);
  EXPECT_EQ(MatchViewMode, 2);
  EXPECT_EQ(MatchCommentaryFlag, 0);
  EXPECT_EQ(BusyPointerCount(), 0);
}

// The human club's only related fixture (a friendly or a cup tie with no
// other tie today): no other fixture is played while the pages are shown.
TEST_F(ContinueGameTest, OneRelatedFixtureIsPlayedAsSoonAsThePagesAreLeft) {
  if (!AdvanceTo([] { return Counts().first == 1; })) GTEST_SKIP() << "no day with one related fixture";
  const auto [related, others] = Counts();
  const int16_t fixture = FindHumanClubFixtureOnDay(DayOfSeason);
  gScript.presses = {-1, -1, -1, PAGE_LEAVE, -1, PAGE_SCANNER};
  PlayDayFixtures(related, others);
  for (const Seen& s : gSeen) EXPECT_FALSE(s.pages) << "a fixture was played while the pages were up";
  ASSERT_FALSE(gSeen.empty());
  EXPECT_EQ(gSeen.front(), (Seen{kDone | kLeft, false}));
  EXPECT_TRUE(Fixture_IsPlayed(fixture));
  EXPECT_EQ(MatchViewMode, 1);
}

// Mode 2 shuffles the day and puts the human club's group first, his own
// match last of it; DayStopFlag tells that it plays today.
TEST_F(ContinueGameTest, ModeTwoPutsTheHumanMatchLastOfItsGroup) {
  ASSERT_TRUE(AdvanceTo([] { return Counts().first > 2; }));
  const auto [related, others] = Counts();
  (void)others;
  Fixture_ShuffleToday();
  ASSERT_EQ(Fixture_OrderTodayForHumanClub(), 1);
  int first = -1;
  for (int16_t f = 0; f < NUM_FIXTURES && first < 0; ++f)
    if (Fixture_GetDay(f) == DayOfSeason) first = f;
  const int16_t fixture = FindHumanClubFixtureOnDay(DayOfSeason);
  EXPECT_EQ(fixture, first + related - 1);
  for (int16_t f = static_cast<int16_t>(first); f < fixture; ++f)
    EXPECT_EQ(Club_GetDivision(Fixture_GetHomeClub(f)), Club_GetDivision(human_));

  ContinueMode = 2;
  const int16_t day = DayOfSeason;
  ContinueGame();
  EXPECT_EQ(DayStopFlag, 1);
  EXPECT_EQ(DayOfSeason, day + 1);
  EXPECT_EQ(gSeen.front(), (Seen{kSeveral, true}));
}

// The looping mode stops on a day of the human club's match, on the week's
// first day, or when something else needs the manager (MenuOption not 3).
TEST_F(ContinueGameTest, TheLoopStopsOnAMatchDayOrTheWeeksFirstDay) {
  ContinueMode = 1;
  for (int run = 0; run < 6; ++run) {
    SCOPED_TRACE(run);
    const int16_t before = DayOfSeason;
    MenuOption = 3;
    ContinueGame();
    ASSERT_GT(DayOfSeason, before);
    const bool plays = FindHumanClubFixtureOnDay(DayOfSeason) >= 0;
    EXPECT_TRUE(plays || Weekday == 0 || DayOfSeason == 364 || MenuOption != 3)
        << "stopped on day " << DayOfSeason << " weekday " << Weekday;
    // Every day before the last was none of those.
    EXPECT_LE(DayOfSeason - before, 7);
  }
  // A MenuOption other than 3 after the day stops the loop at once.
  ProcessHumanEvents();
  ContinueMode = 1;
  MenuOption = 4;  // the player page keeps its option
  const int16_t before = DayOfSeason;
  ContinueGame();
  EXPECT_EQ(DayOfSeason, before + 1);
}

// An unknown mode leaves the front end.
TEST_F(ContinueGameTest, AnUnknownModeLeavesTheFrontEnd) {
  ContinueMode = 7;
  ContinueGame();
  EXPECT_EQ(MenuOption, -1);
}

// A soak run skips the pages and the results menu and plays on without a key
// until its end date; then the loop stops as usual.
TEST_F(ContinueGameTest, ASoakRunPlaysAWholeSeasonWithoutAKey) {
  // Without the screen (as a long unattended run would be timed): the day's
  // screens are not drawn, the loop is the same.
  SetMenuSystemRunning(false);
  UninitSetOfMenus();
  const int16_t season = SeasonCounter;
  SoakRunActive = 1;
  SoakSettings.endDay = 20;
  SoakSettings.endMonth = 6;  // 20 July of the next year
  SoakSettings.endYear = static_cast<int16_t>(Year + 1);
  ContinueMode = 1;
  PreMatchPointerFrame = [](int* x, int* y, int* buttons) {
    *x = *y = *buttons = 0;
    if (PreMatchPagesShown()) ADD_FAILURE() << "a pointer frame of the pages in a soak run";
  };
  // The first 20 July is that of the new game's season: go past it first.
  while (!(Month == 6 && DayOfMonth > 20)) Career_PlayDay();
  ContinueGame();
  EXPECT_EQ(SoakRunActive, 0);
  EXPECT_EQ(SeasonCounter, season + 1);
  EXPECT_EQ(Month, 6);
  EXPECT_GE(DayOfMonth, 20);
  for (const Seen& s : gSeen) EXPECT_FALSE(s.pages);
  EXPECT_EQ(DayResultsCount(), 0) << "a soak run shows no results menu";
}

// The soak run's checks: a league club's balance at or below the threshold
// (unsigned: a debt never stops it), a deficient squad; only while it runs.
TEST_F(ContinueGameTest, TheSoakRunStopsOnABalanceThresholdOrADeficientSquad) {
  SoakSettings.flags = SOAK_CHECK_BALANCES | SOAK_LEAGUE_ONLY;
  SoakRunActive = 0;
  SoakSettings.moneyThreshold = 0xFFFFFFFFu;
  EXPECT_EQ(Soak_CheckStopConditions(), 0) << "no soak run, no stop";
  SoakRunActive = 1;
  EXPECT_EQ(Soak_CheckStopConditions(), 1);
  int32_t lowest = INT32_MAX;
  for (int16_t c = 0; c < 250; ++c)
    if (Club_GetBalance(c) >= 0 && GNW_GetClubDbId(c) != 255 && GNW_GetClubCountry(c) == GNW_GetGameCountry() &&
        GNW_GetClubDivision(c) < GNW_CountCountryDivisions())
      lowest = std::min(lowest, Club_GetBalance(c));
  ASSERT_GT(lowest, 0);
  SoakSettings.moneyThreshold = static_cast<uint32_t>(lowest) - 1;
  EXPECT_EQ(Soak_CheckStopConditions(), 0);
  SoakSettings.moneyThreshold = static_cast<uint32_t>(lowest);
  EXPECT_EQ(Soak_CheckStopConditions(), 1);

  SoakSettings.flags = SOAK_CHECK_SQUADS | SOAK_LEAGUE_ONLY;
  EXPECT_EQ(CheckSquadDeficiency(human_), 0);
  EXPECT_EQ(Soak_CheckStopConditions(), 0);
  SoakSettings.flags = SOAK_UNCONDITIONAL;
  EXPECT_EQ(Soak_CheckStopConditions(), 0);
  EXPECT_EQ(SoakRunActive, 1);
}

// "Scanner" and "Watch" on a low-memory computer: the message, the mode kept.
TEST_F(ContinueGameTest, ScannerAndWatchAreRefusedOnALowMemoryComputer) {
  // Without the menu screen the message box is only logged.
  SetMenuSystemRunning(false);
  UninitSetOfMenus();
  for (int16_t page : {PAGE_SCANNER, PAGE_WATCH}) {
    LowMemoryPC = 1;
    MatchViewMode = 0;
    MatchCommentaryFlag = 1;
    DayFlags = 0;
    CurrentPage = page;
    MenuPrims_ClearCalls();
    ShowPreMatchPage();
    EXPECT_EQ(MatchViewMode, 0);
    EXPECT_EQ(MatchCommentaryFlag, 1);
    int boxes = 0;
    for (const MenuPrimCall& c : MenuPrims_Calls())
      if (c.name == "DoMessageBox" && c.text == "Not on a 16 Mb machine.") ++boxes;
    EXPECT_EQ(boxes, 1);
    LowMemoryPC = 0;
    ShowPreMatchPage();
    EXPECT_EQ(MatchViewMode, page == PAGE_SCANNER ? 1 : 2);
    EXPECT_EQ(MatchCommentaryFlag, 0);
  }
}

// The small operations: ordinal endings, the page bar list, the competition
// lines and the human club's fixture of a day.
TEST_F(ContinueGameTest, SmallOperationsOfThePages) {
  const std::pair<int, const char*> ordinals[] = {{1, "st"}, {2, "nd"}, {3, "rd"}, {4, "th"},  {11, "th"},
                                                  {12, "th"}, {13, "th"}, {21, "st"}, {22, "nd"}, {101, "st"},
                                                  {111, "th"}, {0, "th"}};
  for (const auto& [n, text] : ordinals) EXPECT_STREQ(OrdinalSuffixText(n), text) << n;

  const PageButton bar[3] = {
      {PAGE_BUTTON_TEXTNO, 32, 440, 190, 30, ALIGN_CENTRED, PageLabel(1018), 1, &PageLabelColour, PAGE_LEAVE},
      {PAGE_BUTTON_TEXTNO, 224, 440, 190, 30, ALIGN_CENTRED, PageLabel(805), 1, &PageLabelColour, PAGE_FORMATION},
      {PAGE_END, 0, 0, 0, 0, 0, PageLabel(), 0, nullptr, 0}};
  SetPageButtons(bar);
  EXPECT_EQ(FindButtonAtPos(PreMatchButtons, 1, 100, 455), PAGE_LEAVE);
  EXPECT_EQ(FindButtonAtPos(PreMatchButtons, 1, 300, 455), PAGE_FORMATION);
  EXPECT_EQ(FindButtonAtPos(PreMatchButtons, 0, 300, 455), -1);
  SetPageButtons(bar + 1);
  EXPECT_EQ(FindButtonAtPos(PreMatchButtons, 1, 100, 455), -1);

  ASSERT_TRUE(AdvanceTo([] { return Counts().first > 2; }));
  const int16_t fixture = FindHumanClubFixtureOnDay(DayOfSeason);
  ASSERT_GE(fixture, 0);
  EXPECT_TRUE(Fixture_GetHomeClub(fixture) == human_ || Fixture_GetAwayClub(fixture) == human_);
  EXPECT_EQ(FindHumanClubFixtureOnDay(static_cast<int16_t>(DayOfSeason + 1)) >= 0,
            GNW_FindClubFixtureOnDay(human_, static_cast<int16_t>(DayOfSeason + 1)) >= 0);
  FormatFixtureCompetitionText(fixture);
  EXPECT_STREQ(PreMatchCompLines[0], GetTextNoAddr(GNW_GetDivisionNameTextNo(Club_GetDivision(human_))));
  EXPECT_STREQ(PreMatchCompLines[1], "");
  ASSERT_EQ(PrepareHumanFixture(), fixture);
  EXPECT_STREQ(PreMatchClubNames[0], GNW_GetClubName(GNW_GetClubDbId(Fixture_GetHomeClub(fixture))));
  EXPECT_STREQ(PreMatchClubNames[1], GNW_GetClubName(GNW_GetClubDbId(Fixture_GetAwayClub(fixture))));
}

}  // namespace
