// The help table and the help panel: the table's one entry, the panel's
// paging, line steps, clamping and dimmed arrows under scripted keys and
// clicks, and the panel opened from the menu bar's row over a career screen.
#include "menus/m_mnhelp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/gfx.h"
#include "menus/exm_text.h"
#include "menus/m_mn7.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "support/career_world.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using menutest::ClickAt;
using menutest::KeyAt;
using menutest::Step;

std::vector<uint8_t> MenuBufferCopy() {
  const uint8_t* p = MenuBufferPixels();
  return std::vector<uint8_t>(p, p + MenuScreenWidth() * MenuScreenHeight() * MenuBytesPerPixel());
}

// ---- the table ----

class HelpTest : public EngineTest {};

TEST_F(HelpTest, OnlyTheBackgroundValueHasAnEntry) {
  EXPECT_EQ(FindHelpEntry(HELP_VALUE_BACKGROUND), 0);
  for (int16_t value : {0, 1, 3, 5, 741, 32767, -2}) EXPECT_EQ(FindHelpEntry(value), -1) << value;
}

TEST_F(HelpTest, APanelOutsideTheTableIsFatal) {
  EXPECT_FATAL(DoHelpPanel(1), "Error: DoHelpPanel\\(\\): help value 1 out of range");
  EXPECT_FATAL(DoHelpPanel(-1), "Error: DoHelpPanel\\(\\): help value -1 out of range");
}

// Without a menu screen the panel is only entered in the primitives' log.
TEST_F(HelpTest, WithoutAScreenThePanelIsLogged) {
  MenuPrims_ClearCalls();
  DoHelpPanel(0);
  ASSERT_FALSE(MenuPrims_Calls().empty());
  EXPECT_EQ(MenuPrims_Calls().back().name, "DoHelpPanel");
  EXPECT_EQ(MenuPrims_Calls().back().text, "Gafferon Background");
}

// ---- the panel on the menu screen ----

// The scroll track of the panel, from its top to its bottom.
constexpr int kTrackTop = 140, kTrackBottom = 380;

class HelpPanelTest : public menutest::MenuHarness {
 protected:
  // Runs the panel over a background under the steps (ticks from now);
  // answers whether the screen came back as it was.
  bool RunPanel(const char* text, const std::vector<Step>& steps) {
    DoBackground(1);
    UpdateMenuScreen();
    const std::vector<uint8_t> before = Buffer();
    menutest::gDriver = menutest::HarnessDriver{};
    menutest::gDriver.steps = steps;
    SetPointerPosition(320, 240);
    menutest::StartScript();
    menutest::gDriver.deadline = ~0u;  // the script ends the panel
    const int16_t poll = AddPollFunction(menutest::DriverPoll, 1, 0);  // held buttons
    if (text)
      RunHelpPanel("Test Help", text);
    else
      DoHelpPanel(FindHelpEntry(HELP_VALUE_BACKGROUND));
    RemovePollFunction(poll);
    PlatClearEventScript();
    return Buffer() == before;
  }
  // Keys every 10 ticks, then Escape.
  static std::vector<Step> Keys(const std::vector<const char*>& keys) {
    std::vector<Step> steps;
    uint32_t tick = 5;
    for (const char* key : keys) {
      steps.push_back(KeyAt(tick, key));
      tick += 10;
    }
    steps.push_back(KeyAt(tick, "Escape"));
    return steps;
  }
};

// The background text is longer than three pages: a page step moves by a
// page less one line, a line step by one line; the first line stays within
// 0 .. lines - visible, and the arrows are dimmed at either end.
TEST_F(HelpPanelTest, PagesAndLinesStepAndClamp) {
  ASSERT_TRUE(RunPanel(nullptr, Keys({})));
  const int lines = HelpPanel_View().lines, visible = HelpPanel_View().visible;
  ASSERT_GT(visible, 10);
  ASSERT_GT(lines, 3 * visible) << "the background text runs to more than three pages";
  const int p = visible - 1, last = lines - visible;
  const int pagesToEnd = last / p + 2;
  std::vector<const char*> toEnd(static_cast<size_t>(pagesToEnd), "PageDown");
  std::vector<int> toEndShown = {0};
  for (int i = 1; i <= pagesToEnd; ++i) toEndShown.push_back(std::min(i * p, last));
  std::vector<const char*> toEndThenDown = toEnd;
  toEndThenDown.push_back("Down");
  toEndThenDown.push_back("Up");
  std::vector<int> toEndThenDownShown = toEndShown;
  toEndThenDownShown.push_back(last);
  toEndThenDownShown.push_back(last - 1);
  const struct {
    const char* name;
    std::vector<const char*> keys;
    std::vector<int> shown;  // the first line of every page drawn
  } cases[] = {
      {"page down twice, a line down, a line up, page up three times",
       {"PageDown", "PageDown", "Down", "Up", "PageUp", "PageUp", "PageUp"},
       {0, p, 2 * p, 2 * p + 1, 2 * p, p, 0, 0}},
      {"up at the top stays at 0", {"Up", "PageUp"}, {0, 0, 0}},
      {"page down to the end stops at the last page", toEnd, toEndShown},
      {"down at the end stays, up steps back", toEndThenDown, toEndThenDownShown},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(RunPanel(nullptr, Keys(c.keys))) << "the screen comes back";
    const HelpPanelView& v = HelpPanel_View();
    EXPECT_EQ(v.firstShown, c.shown);
    EXPECT_EQ(v.actions.back(), HELP_CLOSE);
    EXPECT_EQ(v.upDimmed, v.first == 0);
    EXPECT_EQ(v.downDimmed, v.first == last);
  }
}

// The scroll arrows are buttons: one click is one step, however long the
// button is held.
TEST_F(HelpPanelTest, TheArrowsAreButtons) {
  ASSERT_TRUE(RunPanel(nullptr, {ClickAt(5, 600, 430), ClickAt(15, 600, 396), ClickAt(25, 600, 124),
                                 ClickAt(35, 600, 90), ClickAt(45, 300, 300), KeyAt(55, "Escape")}));
  const HelpPanelView& v = HelpPanel_View();
  const int p = v.visible - 1;
  EXPECT_EQ(v.firstShown, (std::vector<int>{0, p, p + 1, p, 0}));
  EXPECT_EQ(v.actions, (std::vector<int16_t>{HELP_PAGE_DOWN, HELP_LINE_DOWN, HELP_LINE_UP, HELP_PAGE_UP, HELP_CLOSE}));
}

// A button held down over an arrow for many frames steps once; the next step
// needs a new press.
TEST_F(HelpPanelTest, AHeldButtonStepsOnce) {
  ASSERT_TRUE(RunPanel(nullptr, {menutest::MoveTo(2, 600, 396), menutest::PressAt(5), menutest::ReleaseAt(60),
                                 menutest::PressAt(70), menutest::ReleaseAt(75), KeyAt(90, "Escape")}));
  const HelpPanelView& v = HelpPanel_View();
  EXPECT_EQ(v.firstShown, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(v.actions, (std::vector<int16_t>{HELP_LINE_DOWN, HELP_LINE_DOWN, HELP_CLOSE}));
}

// A text shorter than a page dims both arrows, fills the track with the
// thumb and ignores every scroll.
TEST_F(HelpPanelTest, AShortTextDoesNotScroll) {
  ASSERT_TRUE(RunPanel("~A heading\nOne line.\n\nAnother line.\n", {ClickAt(5, 600, 430), KeyAt(15, "PageDown"),
                                                                     KeyAt(25, "Down"), KeyAt(35, "Escape")}));
  const HelpPanelView& v = HelpPanel_View();
  EXPECT_EQ(v.lines, 4) << "the trailing line break is cut";
  EXPECT_EQ(v.firstShown, (std::vector<int>{0, 0, 0, 0}));
  EXPECT_TRUE(v.upDimmed);
  EXPECT_TRUE(v.downDimmed);
  EXPECT_EQ(v.thumbY, kTrackTop);
  EXPECT_EQ(v.thumbH, kTrackBottom - kTrackTop);
}

// The thumb's height follows the page's share of the text, but never under 6
// pixels; it sits at the top on the first page and at the bottom on the last.
TEST_F(HelpPanelTest, TheThumbIsProportionalAndAtLeastSixPixels) {
  std::string longText;
  for (int i = 0; i < 1000; ++i) longText += "line " + std::to_string(i) + "\n";
  const struct {
    const char* name;
    const std::string* text;
    std::vector<const char*> keys;
  } cases[] = {
      {"a thousand lines, first page", &longText, {}},
      {"a thousand lines, last page", &longText, std::vector<const char*>(60, "PageDown")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(RunPanel(c.text->c_str(), Keys(c.keys)));
    const HelpPanelView& v = HelpPanel_View();
    EXPECT_EQ(v.lines, 1000);
    EXPECT_EQ(v.thumbH, 6);
    if (v.first == 0)
      EXPECT_EQ(v.thumbY, kTrackTop);
    else
      EXPECT_EQ(v.thumbY + v.thumbH, kTrackBottom);
  }
  ASSERT_TRUE(RunPanel(nullptr, Keys({})));
  const HelpPanelView& v = HelpPanel_View();
  EXPECT_EQ(v.thumbH, (kTrackBottom - kTrackTop) * v.visible / v.lines);
}

// While the panel is up the screen around the box is darkened and the box
// holds the title and the text.
TEST_F(HelpPanelTest, ThePanelDarkensTheScreenAndDrawsItsText) {
  static std::vector<uint8_t> during;
  during.clear();
  const int16_t poll = AddPollFunction([] {
    if (during.empty() && HelpPanel_View().firstShown.size() == 1) during = MenuBufferCopy();
  }, 1, 0);
  DoBackground(1);
  UpdateMenuScreen();
  const uint32_t corner = Pixel(5, 5);
  ASSERT_TRUE(RunPanel(nullptr, Keys({})));
  RemovePollFunction(poll);
  ASSERT_FALSE(during.empty());
  const int bpp = MenuBytesPerPixel();
  auto at = [&](int x, int y) {
    uint32_t v = 0;
    for (int i = 0; i < bpp; ++i) v |= static_cast<uint32_t>(during[(y * MenuScreenWidth() + x) * bpp + i]) << (8 * i);
    return v;
  };
  EXPECT_NE(at(5, 5), corner) << "the screen around the box is darkened";
  // Whether a box of the screen shows a pixel of the colour.
  auto shows = [&](int x, int y, int w, int h, uint16_t colour) {
    const uint32_t want = MenuPixelFromRGB565(colour);
    for (int row = y; row < y + h; ++row)
      for (int col = x; col < x + w; ++col)
        if (at(col, row) == want) return true;
    return false;
  };
  const uint16_t yellow = MenuTextColours[1], white = MenuTextColours[0];
  EXPECT_TRUE(shows(200, 35, 220, 30, yellow)) << "the title";
  EXPECT_TRUE(shows(46, 76, 300, 16, yellow)) << "the first line: a heading";
  EXPECT_FALSE(shows(36, 76, 540, 16, white));
  EXPECT_TRUE(shows(36, 92, 540, 16, white)) << "the second line: text";
}

// ---- from the menu bar over a career screen ----

class HelpCareerTest : public CareerWorldTest {
 protected:
  void SetUp() override {
    CareerWorldTest::SetUp();
    human_ = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 0});
    scratch_ = std::make_unique<ScratchDir>("help");
    // The window and the timer are the career's already.
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
  }
  void TearDown() override {
    SetMenuSystemRunning(false);
    if (IsMenuSystemOpen()) UninitSetOfMenus();
    scratch_.reset();
    CareerWorldTest::TearDown();
  }
  int16_t human_ = -1;
  std::unique_ptr<ScratchDir> scratch_;
};

struct MenuBarRun {
  std::vector<uint8_t> before, afterPanel, afterRedraw;
  int16_t result = 0;
  bool redrawn = false;
};
MenuBarRun gBarRun;

// After the screen's redraw: leave it.
void LeaveAfterRedraw() {
  gBarRun.afterRedraw = MenuBufferCopy();
  gBarRun.redrawn = true;
  SetMenuResult(MENU_RESULT_LEAVE);
}

// After the screen's first draw: the menu bar's "Gafferon Background" row is
// chosen, and the panel is driven by the script.
void ChooseBackgroundRow() {
  gBarRun.before = MenuBufferCopy();
  menutest::StartScript();
  // The File drop-down's own row, chosen as the bar chooses it: its callback.
  const int index = FindMainMenuBarRow(762);
  ASSERT_GE(index, 0);
  PopupRow& row = MainMenuBar[index];
  const PopupCall call{1, 0, &row, MainMenuBar};
  gBarRun.result = row.callback(&call);
  gBarRun.afterPanel = MenuBufferCopy();
  SetMenuPostDrawCallback(LeaveAfterRedraw);
  SetMenuResult(gBarRun.result);
}

// The squad screen of a loaded career: "Gafferon Background" opens the panel,
// a Scroll Lock grab is taken of its second page, Page Down, Up and Escape
// act, and the screen comes back. With GAFFERON_GRAB_OUT set the grab is
// copied there to be looked at.
TEST_F(HelpCareerTest, TheMenuBarRowOpensThePanelOverACareerScreen) {
  ASSERT_GE(human_, 0);
  MenuManager = 1;
  MenuClub = human_;
  MenuOption = 7;
  ReturnMenuOption = 3;
  gBarRun = MenuBarRun{};
  menutest::gDriver = menutest::HarnessDriver{};
  menutest::gDriver.steps = {KeyAt(5, "PageDown"), KeyAt(15, "ScrollLock"), KeyAt(25, "Up"), KeyAt(35, "Escape")};
  SetPointerPosition(320, 240);
  SetMenuPostDrawCallback(ChooseBackgroundRow);
  PushAndRunMenu(SquadMenu);
  PlatClearEventScript();

  EXPECT_EQ(gBarRun.result, MENU_RESULT_REDRAW);
  const HelpPanelView& v = HelpPanel_View();
  const int p = v.visible - 1;
  EXPECT_EQ(v.firstShown, (std::vector<int>{0, p, p - 1}));
  EXPECT_EQ(v.actions, (std::vector<int16_t>{HELP_PAGE_DOWN, HELP_LINE_UP, HELP_CLOSE}));
  EXPECT_TRUE(gBarRun.afterPanel == gBarRun.before) << "the panel puts the screen back";
  ASSERT_TRUE(gBarRun.redrawn);
  EXPECT_TRUE(gBarRun.afterRedraw == gBarRun.before) << "the screen redraws as it was";

  const fs::path grab = "grab0001.tga";
  ASSERT_TRUE(fs::exists(grab));
  std::ifstream in(grab, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_GT(bytes.size(), 640u * 480u);
  const std::set<uint8_t> values(bytes.begin() + 18, bytes.end());
  EXPECT_GT(values.size(), 16u) << "the grab shows a picture";
  if (const char* out = std::getenv("GAFFERON_GRAB_OUT")) {
    std::error_code error;
    fs::copy_file(grab, out, fs::copy_options::overwrite_existing, error);
    EXPECT_FALSE(error) << error.message();
  }
}

}  // namespace
