// The scripted run of Arrange Friendly (17), Rest of the World (79) and the
// match statistics (81) in a loaded career. Nothing in the game opens these
// options yet (the Manager's Office that will is still to come), so the run
// dispatches them as the front end's loop does and drives each screen in the
// real menu loop with timed clicks and keys: Arrange Friendly books a
// friendly; Rest of the World opens a club's squad, and a club outside the
// world opens the squad screen with its name alone; the match statistics
// show the club's latest match. Each screen is grabbed with Scroll Lock; with
// GAFFERON_GRAB_OUT set (a folder) the grabs are copied there to be looked at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "menus/c_mnarrange.h"
#include "menus/c_mnfix.h"
#include "menus/c_mnrow.h"
#include "menus/m_mn7.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "season/careerrun.h"
#include "support/career_world.h"
#include "support/scratch_dir.h"
#include "world/funcs.h"

namespace {

namespace fs = std::filesystem;
using menutest::ClickAt;
using menutest::KeyAt;
using menutest::Step;

class WorldScreensRunTest : public CareerWorldTest {
 protected:
  void SetUp() override {
    CareerWorldTest::SetUp();
    human_ = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 0});
    if (human_ < 0) return;
    // Days played until the club has a match behind it.
    for (int days = 0; days < 80 && MatchStats_FindFixture(human_) < 0; ++days) Career_PlayDay();
    scratch_ = std::make_unique<ScratchDir>("worldscreens");
    InitPoll();
    PlatSetVirtualAutoAdvance(true);
    DXEnumDisplay();
    GfxInit(0);
    InitMouseDriver();
    InitKeyboardInterrupt();
    PakFileReset();  // the menu graphics in place of the loaded database
    menutest::MountGeneratedHdPak(true);
    InitSetOfMenus();
    SetMenuSystemRunning(true);
    MenuManager = 1;
    MenuClub = human_;
    MenuClubReset = 0;
    ReturnMenuOption = 3;
  }
  void TearDown() override {
    SetMenuSystemRunning(false);
    if (IsMenuSystemOpen()) UninitSetOfMenus();
    scratch_.reset();
    CareerWorldTest::TearDown();
  }

  // One pass of the front end's loop on `option`, the screen it opens driven
  // by the steps (ticks from its first draw); answers the option it leaves.
  int16_t Dispatch(int16_t option, const std::vector<Step>& steps, uint32_t limit = 3000) {
    menutest::gDriver = menutest::HarnessDriver{};
    menutest::gDriver.steps = steps;
    menutest::gDriver.limit = limit;
    menutest::gDriver.start = PlatRawTicks();
    menutest::gDriver.deadline = menutest::gDriver.start + limit + 1000;
    SetPointerPosition(320, 240);
    SetMenuPostDrawCallback(menutest::StartScript);
    const int16_t poll = AddPollFunction(menutest::DriverPoll, 1, 0);
    MenuOption = option;
    DoMainMenuOption();
    RemovePollFunction(poll);
    PlatClearEventScript();
    SetMenuPostDrawCallback(nullptr);
    EXPECT_FALSE(menutest::gDriver.timedOut) << "option " << option << " did not leave by itself";
    return MenuOption;
  }

  // The newest grab, renamed, checked to hold a picture, copied out if asked.
  void KeepGrab(const std::string& name) {
    const fs::path grab = "grab0001.tga";
    ASSERT_TRUE(fs::exists(grab)) << name;
    fs::rename(grab, name);
    std::ifstream in(name, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_GT(bytes.size(), 640u * 480u) << name;
    if (bytes.size() > 18) {
      const std::set<uint8_t> values(bytes.begin() + 18, bytes.end());
      EXPECT_GT(values.size(), 16u) << name << " shows a picture";
    }
    if (const char* out = std::getenv("GAFFERON_GRAB_OUT")) {
      std::error_code error;
      fs::copy_file(name, fs::path(out) / name, fs::copy_options::overwrite_existing, error);
      EXPECT_FALSE(error) << error.message();
    }
  }

  int16_t human_ = -1;
  std::unique_ptr<ScratchDir> scratch_;
};

// A day row, then the first club of the list: the friendly is booked; a grab
// of the screen with it; OK back to the office.
TEST_F(WorldScreensRunTest, ArrangeFriendlyBooksAFriendly) {
  ASSERT_GE(human_, 0);
  const int16_t today = GNW_GetCurrentDay();
  auto plays = [](int16_t club, int day) {
    return GNW_FindClubMatchOnDay(club, static_cast<int16_t>(day)) >= 0 ||
           GNW_FindClubFriendlyOnDay(club, static_cast<int16_t>(day)) >= 0;
  };
  // The first free day with a club of division 0 free around it.
  int row = -1;
  for (int r = 1; r < ARRANGE_DAYS && row < 0; ++r) {
    const int day = today + r;
    if (plays(human_, day)) continue;
    for (int16_t c = 0; c < NUM_CLUBS && row < 0; ++c) {
      if (c == human_ || GNW_GetClubRecord(c) == nullptr || GNW_GetClubDivision(c) != 0 ||
          GNW_GetClubCountry(c) != GNW_GetGameCountry())
        continue;
      bool free = true;
      for (int d = day - 2; d <= day + 2; ++d) free = free && !plays(c, d);
      if (free) row = r;
    }
  }
  ASSERT_GE(row, 0) << "no free day in the next fortnight";
  const int16_t day = static_cast<int16_t>(today + row);

  const int16_t next = Dispatch(17, {ClickAt(100, 170, 90 + row * 20 + 9), ClickAt(300, 430, 99),
                                     KeyAt(500, "ScrollLock"), ClickAt(700, 590, 456)});
  EXPECT_EQ(next, 3);
  EXPECT_EQ(MenuClub, human_);
  const int16_t friendly = GNW_FindClubFriendlyOnDay(human_, day);
  ASSERT_GE(friendly, 0) << "the friendly is booked on day " << day;
  EXPECT_EQ(GNW_GetFixtureCompetition(friendly), ARRANGE_FRIENDLY);
  EXPECT_EQ(ArrangeFriendly_View().selectedDay, day);
  KeepGrab("arrange_friendly.tga");

  // The club's fixtures list the friendly, on its day, against its opponent.
  EXPECT_EQ(Dispatch(8, {KeyAt(300, "ScrollLock"), ClickAt(500, 590, 456)}), 3);
  KeepGrab("fixtures_with_friendly.tga");
  int listed = -1;
  for (int i = 0; i < ClubFixtures_Length(); ++i)
    if (ClubFixtures_ListAt(i) == friendly) listed = i;
  ASSERT_GE(listed, 0) << "Fixtures lists the friendly";
  const int shown = listed - ClubFixtures_FirstRow();
  if (shown >= 0 && shown < CLUB_FIXTURES_ROWS) {
    const int16_t other = GNW_GetFixtureHomeClub(friendly) == human_ ? GNW_GetFixtureAwayClub(friendly)
                                                                      : GNW_GetFixtureHomeClub(friendly);
    EXPECT_EQ(ClubFixtures_Row(shown).fixture, friendly);
    EXPECT_EQ(ClubFixtures_Row(shown).opponent, GNW_GetClubTextNo(GNW_GetClubDbId(other)));
  }
}

// The first filter's clubs: a club of the world opens its squad, a club
// outside it the squad screen with its name alone; Done goes back to the
// office and the human club is the screen club again.
TEST_F(WorldScreensRunTest, RestOfTheWorldToASquad) {
  ASSERT_GE(human_, 0);
  RestOfWorld_Open();
  RestOfWorld_Refresh();
  const RestOfWorldView& v = RestOfWorld_View();
  int inWorld = -1, outside = -1;  // list places
  for (int i = 0; i < v.count; ++i) {
    const int16_t club = GNW_FindClubByDbId(v.clubs[i]);
    if (club >= 0 && club < NUM_CLUBS) {
      if (inWorld < 0) inWorld = i;
    } else if (outside < 0 && i < ROW_PAGE_ROWS) {
      outside = i;
    }
  }
  ASSERT_GE(inWorld, 0);
  ASSERT_GE(outside, 0);
  const int16_t worldClub = GNW_FindClubByDbId(v.clubs[inWorld]);
  const int16_t outsideDb = v.clubs[outside];
  // The forward arrow until the club's page shows, then its row.
  const int page = inWorld / ROW_PAGE_ROWS;
  const int first = std::max(0, std::min(page, v.pages - 2));
  std::vector<Step> steps = {KeyAt(100, "ScrollLock")};
  for (int k = 0; k < first; ++k) steps.push_back(ClickAt(300 + 100 * k, 327, 420));
  const int column = page - first, row = inWorld % ROW_PAGE_ROWS;
  steps.push_back(ClickAt(400 + 100 * first, column == 0 ? 150 : 450, 100 + row * 26 + 13));

  EXPECT_EQ(Dispatch(79, steps, 3000 + 100 * first), 2);
  KeepGrab("rest_of_the_world.tga");
  EXPECT_EQ(MenuClub, worldClub);
  EXPECT_EQ(Dispatch(2, {}), 7);
  EXPECT_EQ(Dispatch(7, {KeyAt(100, "ScrollLock"), ClickAt(300, 590, 456)}), 3);
  EXPECT_EQ(Squad_ForeignClub(), -1);
  EXPECT_GT(Squad_ListCount(), 0) << "the club's own squad";
  KeepGrab("world_club_squad.tga");
  EXPECT_EQ(MenuClub, human_);

  // The screen keeps its page: back to the first.
  steps.clear();
  for (int k = 0; k < first; ++k) steps.push_back(ClickAt(100 + 100 * k, 312, 420));
  steps.push_back(ClickAt(200 + 100 * first, 150, 100 + outside * 26 + 13));
  EXPECT_EQ(Dispatch(79, steps, 3000 + 100 * first), 2);
  EXPECT_EQ(MenuClub, outsideDb);
  EXPECT_EQ(Dispatch(2, {}), 7);
  EXPECT_EQ(Dispatch(7, {KeyAt(100, "ScrollLock"), ClickAt(300, 590, 456)}), 3);
  EXPECT_EQ(Squad_ForeignClub(), outsideDb);
  EXPECT_EQ(Squad_ListCount(), 0);
  KeepGrab("foreign_club_squad.tga");
  EXPECT_EQ(MenuClub, human_);
}

// The club's latest match, its figures drawn; Done to the office.
TEST_F(WorldScreensRunTest, MatchStatisticsAfterAMatch) {
  ASSERT_GE(human_, 0);
  const int16_t fixture = MatchStats_FindFixture(human_);
  ASSERT_GE(fixture, 0) << "the club has played a match";
  EXPECT_EQ(Dispatch(81, {KeyAt(100, "ScrollLock"), ClickAt(300, 590, 450)}), 3);
  EXPECT_EQ(MatchStats_View().fixture, fixture);
  EXPECT_NE(MatchStats_View().heading[0], 0);
  KeepGrab("match_statistics.tga");
}

}  // namespace
