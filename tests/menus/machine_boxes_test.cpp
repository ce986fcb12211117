// The message and question boxes on the headless menu screen under the
// virtual clock: what ends them (clicks, held buttons, time-outs), what they
// answer, and the screen under them put back exactly.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/poll.h"
#include "engine/timerint.h"
#include "menus/machine.h"
#include "menus/menu_harness.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"

namespace {

using menutest::ClickAt;
using menutest::gDriver;
using menutest::MoveTo;
using menutest::ReleaseAt;
using menutest::Step;

// What a poll function saw while a box was open.
struct Seen {
  bool boxDrawn = false;        // the box's area differed from the screen before
  bool outsideChanged = false;  // a pixel away from the box and the pointer changed
  int16_t hideCount = -1;
};
Seen gSeen;
std::vector<uint8_t> gBefore;

class BoxesTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    DoBackground(5);
    SaveScreenBackground();
    UpdateMenuScreen();
    gBefore = Buffer();
    gSeen = Seen{};
    GetIconSizeScaled(1, &boxW_, &boxH_);
    ASSERT_GT(boxW_, 0);
    ASSERT_LE(boxW_, 640);
    ASSERT_LE(boxH_, 480);
  }

  // Runs the box under the steps (ticks from now, pointer in the middle);
  // answers the ticks it took.
  uint32_t RunBox(const std::vector<Step>& steps, const std::function<void()>& box) {
    gDriver = menutest::HarnessDriver{};
    gDriver.steps = steps;
    gDriver.limit = 100000;
    SetPointerPosition(320, 240);
    menutest::StartScript();
    const int16_t driver = AddPollFunction(menutest::DriverPoll, 1, 0);
    const int16_t watcher = AddPollFunction(Watch, 1, 0);
    const uint32_t start = TimerTicks.load();
    box();
    const uint32_t took = TimerTicks.load() - start;
    RemovePollFunction(watcher);
    RemovePollFunction(driver);
    PlatClearEventScript();
    PlatClearMouseButtons();
    return took;
  }

  static void Watch() {
    const uint8_t* p = MenuBufferPixels();
    const size_t bpp = static_cast<size_t>(MenuBytesPerPixel());
    auto differs = [&](int x, int y) {
      const size_t at = (static_cast<size_t>(y) * MenuScreenWidth() + x) * bpp;
      for (size_t i = 0; i < bpp; ++i)
        if (p[at + i] != gBefore[at + i]) return true;
      return false;
    };
    // The middle of the box and a corner of the screen far from both the box
    // and the pointer's path.
    for (int y = 200; y < 280 && !gSeen.boxDrawn; ++y)
      for (int x = 280; x < 360; ++x)
        if (differs(x, y)) {
          gSeen.boxDrawn = true;
          break;
        }
    for (int y = 470; y < 480; ++y)
      for (int x = 0; x < 10; ++x)
        if (differs(x, y)) gSeen.outsideChanged = true;
    gSeen.hideCount = BusyPointerHideCount();
  }

  int boxW_ = 0, boxH_ = 0;
};

TEST_F(BoxesTest, TheSharedYesNoListAnswersOneForYes) {
  EXPECT_EQ(YesNoButtons[0].text, 248);
  EXPECT_EQ(YesNoButtons[0].x, 392);
  EXPECT_EQ(YesNoButtons[1].text, 249);
  EXPECT_EQ(YesNoButtons[1].x, 248);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(YesNoButtons[i].y, 296);
    EXPECT_EQ(YesNoButtons[i].w, 140);
    EXPECT_EQ(YesNoButtons[i].h, 30);
    EXPECT_EQ(YesNoButtons[i].alignment, 10);
  }
  EXPECT_LT(YesNoButtons[2].text, 0);
}

// Clicks on a button end the box with its index; a click between the buttons
// does nothing until the time-out, which then answers the number of buttons;
// no click at all answers -1. A tick limit of 0 waits for the click however
// late it comes.
TEST_F(BoxesTest, QuestionBoxAnswersTheClickedButtonOrItsTimeOut) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    int32_t limit;
    int answer;
    uint32_t atLeast, below;  // ticks the box stayed open
  } cases[] = {
      {"yes", {ClickAt(20, 248, 296)}, 500, 1, 20, 60},
      {"no", {ClickAt(20, 392, 296)}, 500, 0, 20, 60},
      {"yes, its corner", {ClickAt(20, 178, 281)}, 500, 1, 20, 60},
      {"past yes's right edge, between the buttons", {ClickAt(20, 318, 296)}, 120, 2, 120, 160},
      {"between, then no", {ClickAt(20, 320, 296), ClickAt(60, 400, 300)}, 500, 0, 60, 100},
      {"no click", {MoveTo(20, 248, 296)}, 80, -1, 80, 120},
      {"no limit, a late click", {ClickAt(3000, 248, 296)}, 0, 1, 3000, 3040},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int answer = -99;
    const uint32_t took =
        RunBox(c.steps, [&] { answer = DoQuestionBox("Do you really want to quit?", YesNoButtons, c.limit); });
    EXPECT_EQ(answer, c.answer);
    EXPECT_GE(took, c.atLeast);
    EXPECT_LT(took, c.below);
    EXPECT_EQ(Buffer(), gBefore);
    EXPECT_FALSE(IsSavedScreenSection(SCREEN_SECTION_MESSAGE_BOX));
  }
  // The buttons were placed around their anchors.
  EXPECT_EQ(YesNoButtons[1].alignedX, 248 - 70);
  EXPECT_EQ(YesNoButtons[1].alignedY, 296 - 15);
  EXPECT_EQ(YesNoButtons[0].alignedX, 392 - 70);
}

// A button held down when the box opens does not close it: it must be let go
// and pressed again.
TEST_F(BoxesTest, AHeldButtonDoesNotCloseABox) {
  const struct {
    const char* name;
    bool question;
    std::vector<Step> steps;
    int32_t limit;
    int answer;
    uint32_t atLeast, below;
  } cases[] = {
      {"message, held to the time-out", false, {}, 150, 0, 150, 190},
      {"message, let go and clicked", false, {ReleaseAt(40), ClickAt(90, 100, 100)}, 0, 0, 90, 130},
      {"question, held over yes to the time-out", true, {MoveTo(10, 248, 296)}, 150, -1, 150, 190},
      {"question, let go and clicked on yes", true, {MoveTo(10, 248, 296), ReleaseAt(40), ClickAt(90, 248, 296)},
       0, 1, 90, 130},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PlatSetMouseButton(0, true);
    int answer = 0;
    const uint32_t took = RunBox(c.steps, [&] {
      if (c.question)
        answer = DoQuestionBox("Accept the offer?", YesNoButtons, c.limit);
      else
        DoMessageBox("The board has approved your budget.", c.limit);
    });
    EXPECT_EQ(answer, c.answer);
    EXPECT_GE(took, c.atLeast);
    EXPECT_LT(took, c.below);
    EXPECT_EQ(Buffer(), gBefore);
  }
}

// The box is drawn over the screen and only there; afterwards every pixel is
// as before, those the pointer crossed included. The message box hides the
// busy hourglass while it is open.
TEST_F(BoxesTest, TheScreenUnderABoxIsPutBackExactly) {
  const struct {
    const char* name;
    bool question;
    bool busy;
  } cases[] = {
      {"message", false, false},
      {"message while busy", false, true},
      {"question", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    gSeen = Seen{};
    const std::vector<uint8_t> clean = Buffer();
    if (c.busy) SetBusyPointer(1);
    // The busy hourglass may be on the screen: that is what the box covers.
    gBefore = Buffer();
    const std::vector<Step> steps = {MoveTo(10, 300, 250), MoveTo(20, 330, 290), MoveTo(30, 600, 20),
                                     ClickAt(60, 320, 240)};
    RunBox(steps, [&] {
      if (c.question)
        DoQuestionBox("Sell the player?", YesNoButtons, 100);
      else
        DoMessageBox("A message long enough to be cut into two lines or more by the box's width.", 0);
    });
    EXPECT_TRUE(gSeen.boxDrawn);
    EXPECT_FALSE(gSeen.outsideChanged);
    EXPECT_EQ(gSeen.hideCount, c.question ? 0 : 1);
    EXPECT_EQ(BusyPointerHideCount(), 0);
    // The hourglass is drawn again where the pointer is now; without it the
    // screen is as before.
    if (c.busy) SetBusyPointer(0);
    EXPECT_EQ(Buffer(), clean);
  }
}

// A second box cannot open inside the first: screen section 4 is taken.
TEST_F(BoxesTest, ABoxWhileSectionFourIsTakenStopsTheProgram) {
  PreserveScreenSection(SCREEN_SECTION_MESSAGE_BOX, 0, 0, 10, 10);
  EXPECT_FATAL(DoMessageBox("Twice", 5), "section no 4 already saved");
  EXPECT_FATAL(DoQuestionBox("Twice?", YesNoButtons, 5), "section no 4 already saved");
  ResetScreenSection(SCREEN_SECTION_MESSAGE_BOX);
}

// Without a menu screen the boxes are only logged; the question answers what
// the caller set (0 at the start).
class BoxesHeadlessTest : public EngineTest {};

TEST_F(BoxesHeadlessTest, WithoutAScreenBoxesAreLoggedAndAnswerTheSetAnswer) {
  DoMessageBox("The transfer market is open.", 0);
  EXPECT_EQ(DoQuestionBox("Quit?", YesNoButtons, 0), 0);
  SetHeadlessQuestionAnswer(1);
  EXPECT_EQ(DoQuestionBox("Quit now?", YesNoButtons, 300), 1);
  const auto& calls = MenuPrims_Calls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].name, "DoMessageBox");
  EXPECT_EQ(calls[0].text, "The transfer market is open.");
  EXPECT_EQ(calls[1].name, "DoQuestionBox");
  EXPECT_EQ(calls[2].text, "Quit now?");
  EXPECT_EQ(calls[2].value, 300);
}

}  // namespace
