#include "menus/machine.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/dxenum.h"
#include "engine/pakwrite.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "season/progress.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

using menutest::BuildDir;

// The menu machine on a 640 x 480 screen of the headless display, in the
// 256-colour mode (type 0) or a 16-bit mode (type 1), with the game's
// hard-disk pak (its menu graphics) mounted.
class MachineTest : public EngineTest {
 protected:
  void Start(int type, bool mountGamePak = true) {
    scratch_ = std::make_unique<ScratchDir>("machine");
    InitMemory(9500);
    menutest::OpenMenuScreen(type);
    if (mountGamePak) {
      menutest::MountGeneratedHdPak();
      InitIconLists();
    }
  }
  void TearDown() override {
    EngineTest::TearDown();
    scratch_.reset();
  }

  uint32_t Pixel(int x, int y) const {
    const uint8_t* p = MenuBufferPixels() + (y * 640 + x) * MenuBytesPerPixel();
    uint32_t v = 0;
    for (int i = 0; i < MenuBytesPerPixel(); ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
    return v;
  }
  std::vector<uint8_t> Rect(int x, int y, int w, int h) const {
    std::vector<uint8_t> out;
    for (int row = y; row < y + h; ++row) {
      const uint8_t* p = MenuBufferPixels() + (row * 640 + x) * MenuBytesPerPixel();
      out.insert(out.end(), p, p + w * MenuBytesPerPixel());
    }
    return out;
  }
  bool AllZero(int x, int y, int w, int h) const {
    for (uint8_t b : Rect(x, y, w, h))
      if (b != 0) return false;
    return true;
  }
  uint32_t Colour(uint16_t rgb565) const { return MenuPixelFromRGB565(rgb565); }

  std::unique_ptr<ScratchDir> scratch_;
};

// ---- drawing state ----

TEST_F(MachineTest, DrawStateStartsAndResetsAsTheMenusExpect) {
  EXPECT_EQ(GetFont(), 0);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR), 0xF81F);
  EXPECT_EQ(GetScreenScale(), 1);
  SetFont(2);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 5);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x1234);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 1);
  // The text drawing follows the machine's font and text colour.
  EXPECT_EQ(GetMenuFont(), 2);
  EXPECT_EQ(GetMenuTextColour(), 5);
  ResetDrawState();
  EXPECT_EQ(GetFont(), 0);
  EXPECT_EQ(GetMenuFont(), 0);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR), 0);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR), 0xF81F);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_BUTTON_TYPE), 1);  // not part of the reset
}

TEST_F(MachineTest, AlignmentMovesByTheWholeOrHalfSize) {
  const struct {
    uint16_t alignment;
    int x, y;
  } cases[] = {
      {0, 100, 100},    {ALIGN_LEFT | ALIGN_TOP, 100, 100}, {ALIGN_CENTRED, 95, 98},
      {ALIGN_RIGHT | ALIGN_BOTTOM, 90, 96}, {ALIGN_HCENTRE | ALIGN_BOTTOM, 95, 96},
  };
  for (const auto& c : cases) {
    int x = 100, y = 100;
    ApplyAlignment(&x, &y, 10, 4, c.alignment);
    EXPECT_EQ(x, c.x) << c.alignment;
    EXPECT_EQ(y, c.y) << c.alignment;
  }
}

// ---- buttons ----

TEST_F(MachineTest, BevelColoursMoveEachChannelTwentyPerCent) {
  const struct {
    uint16_t colour, lighter, darker;
  } cases[] = {
      {0x0000, (6 << 11) | (12 << 5) | 6, 0x0000},
      {0xFFFF, 0xFFFF, (24 << 11) | (50 << 5) | 24},
      // Below 0x3800 the darker colour loses its red altogether.
      {0x37FF, (12 << 11) | (63 << 5) | 31, (0 << 11) | (50 << 5) | 24},
      {0x3800, (13 << 11) | (12 << 5) | 6, (0 << 11) | (0 << 5) | 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonLighterColour(c.colour), c.lighter) << std::hex << c.colour;
    EXPECT_EQ(ButtonDarkerColour(c.colour), c.darker) << std::hex << c.colour;
  }
}

TEST_F(MachineTest, AnOpaqueButtonHasTwoPixelBevelsAndAFace) {
  Start(1, false);
  const uint16_t c = 0x8410;
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, c);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 0);
  DoButton(10, 20, 30, 10);
  const uint32_t light = Colour(ButtonLighterColour(c)), dark = Colour(ButtonDarkerColour(c)), face = Colour(c);
  EXPECT_EQ(Pixel(10, 20), light);
  EXPECT_EQ(Pixel(11, 25), light);
  EXPECT_EQ(Pixel(25, 21), light);
  EXPECT_EQ(Pixel(25, 28), dark);
  EXPECT_EQ(Pixel(39, 25), dark);
  EXPECT_EQ(Pixel(38, 29), dark);
  EXPECT_EQ(Pixel(12, 22), face);
  EXPECT_EQ(Pixel(37, 27), face);
  EXPECT_EQ(Pixel(40, 25), 0u);  // exactly 30 x 10
  EXPECT_EQ(Pixel(25, 30), 0u);
}

TEST_F(MachineTest, ATranslucentButtonShadesTheFaceAtHalfOpacity) {
  Start(1, false);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0xFFFF);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 1);
  DoButton(10, 20, 30, 10);
  BufferShadeRect(100, 100, 1, 1, 0xFFFF, 127);
  EXPECT_EQ(Pixel(20, 25), Pixel(100, 100));
  EXPECT_NE(Pixel(20, 25), Colour(0xFFFF));
}

TEST_F(MachineTest, AnUnknownButtonTypeStopsTheProgram) {
  Start(1, false);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 2);
  EXPECT_FATAL(DoButton(10, 20, 30, 10), "DoButton\\(\\): unknown button type");
}

// ---- gradient bars ----

uint16_t Grey(int level) {
  return static_cast<uint16_t>(((level * 32 / 101) << 11) | ((level * 64 / 101) << 5) | (level * 32 / 101));
}

TEST_F(MachineTest, ADownwardBarOfFiftyRowsChangesEveryRowAndEndsWhite) {
  Start(1, false);
  const uint16_t colour = 0x001F;
  // Row i carries the level 2 x (i + 1): the level moves before each row.
  DrawGradientBar(10, 10, 20, 50, colour, 2);
  for (int i = 0; i < 50; ++i) {
    // The reference: the row's grey with the colour laid over it.
    const uint16_t grey = Grey(2 * (i + 1));
    BufferFillRect(300, 10 + i, 1, 1, grey);
    BufferShadeRect(300, 10 + i, 1, 1, colour, 127);
    EXPECT_EQ(Pixel(10, 10 + i), Pixel(300, 10 + i)) << i;
    EXPECT_EQ(Pixel(30, 10 + i), Pixel(300, 10 + i)) << i;  // rows are w + 1 wide
    EXPECT_EQ(Pixel(31, 10 + i), 0u);
    if (i > 0) {
      EXPECT_NE(grey, Grey(2 * i)) << i;  // the ramp's grey changes every row
    }
  }
  EXPECT_EQ(Grey(100), 0xFFFF);
  EXPECT_TRUE(AllZero(10, 60, 30, 1));  // 50 rows and no more
}

TEST_F(MachineTest, ARightwardBarStepsItsGreyColumnByColumn) {
  Start(1, false);
  // Opacity 127 toward black keeps the order of the greys.
  DrawGradientBar(10, 10, 4, 6, 0x0000, 0);
  const int levels[] = {25, 50, 75, 100};
  for (int i = 0; i < 4; ++i) {
    BufferFillRect(300, 10 + i, 1, 1, Grey(levels[i]));
    BufferShadeRect(300, 10 + i, 1, 1, 0x0000, 127);
    EXPECT_EQ(Pixel(10 + i, 12), Pixel(300, 10 + i)) << i;
    EXPECT_EQ(Pixel(10 + i, 16), Colour(Grey(levels[i]))) << i;  // the line's last row is not shaded
  }
  EXPECT_EQ(Pixel(14, 12), 0u);
  // A falling bar ends on black.
  DrawGradientBar(100, 10, 4, 6, 0x0000, 1);
  EXPECT_EQ(Pixel(103, 16), Colour(Grey(0)));
  EXPECT_EQ(Pixel(100, 16), Colour(Grey(75)));
}

// ---- screen sections ----

TEST_F(MachineTest, ASectionPutsItsPixelsBack) {
  Start(1, false);
  BufferFillRect(10, 10, 20, 20, 0x07E0);
  const std::vector<uint8_t> before = Rect(10, 10, 20, 20);
  PreserveScreenSection(0, 10, 10, 20, 20);
  EXPECT_EQ(IsSavedScreenSection(0), 1);
  EXPECT_EQ(IsSavedScreenSection(1), 0);
  BufferFillRect(0, 0, 100, 100, 0xF800);
  FlushDirtyRects();
  RestoreScreenSection(0);
  EXPECT_EQ(Rect(10, 10, 20, 20), before);
  EXPECT_EQ(Pixel(9, 9), Colour(0xF800));
  EXPECT_EQ(IsSavedScreenSection(0), 0);
  EXPECT_EQ(DirtyRectCount(), 1);
  // A dropped section draws nothing.
  PreserveScreenSection(4, 0, 0, 5, 5);
  BufferFillRect(0, 0, 5, 5, 0x001F);
  ResetScreenSection(4);
  EXPECT_EQ(IsSavedScreenSection(4), 0);
  EXPECT_EQ(Pixel(0, 0), Colour(0x001F));
}

TEST_F(MachineTest, AnEmptySectionSavesAndRestoresWithoutDrawing) {
  Start(1, false);
  PreserveScreenSection(2, 30, 40, 0, 0);
  EXPECT_EQ(IsSavedScreenSection(2), 1);
  FlushDirtyRects();
  RestoreScreenSection(2);
  EXPECT_EQ(DirtyRectCount(), 0);
  EXPECT_TRUE(AllZero(0, 0, 640, 480));
  EXPECT_EQ(IsSavedScreenSection(2), 0);
}

TEST_F(MachineTest, SectionMisuseStopsTheProgram) {
  Start(1, false);
  const struct {
    void (*misuse)();
    const char* message;
  } cases[] = {
      {[] { PreserveScreenSection(5, 0, 0, 1, 1); }, "PreserveScreenSection\\(\\): section index out of range: 5"},
      {[] { PreserveScreenSection(-1, 0, 0, 1, 1); }, "section index out of range: -1"},
      {[] {
         PreserveScreenSection(1, 0, 0, 1, 1);
         PreserveScreenSection(1, 0, 0, 1, 1);
       },
       "PreserveScreenSection\\(\\): section no 1 already saved"},
      {[] { PreserveScreenSection(0, 630, 0, 11, 1); }, "off screen coords for section 0 - 630,0 \\(11x1\\)"},
      {[] { PreserveScreenSection(0, 0, 470, 1, 11); }, "off screen coords for section 0 - 0,470 \\(1x11\\)"},
      {[] { PreserveScreenSection(0, -1, 0, 1, 1); }, "off screen coords"},
      {[] { RestoreScreenSection(3); }, "RestoreScreenSection\\(\\): section no 3 not saved"},
      {[] { RestoreScreenSection(5); }, "RestoreScreenSection\\(\\): section index out of range"},
      {[] { ResetScreenSection(-1); }, "ResetScreenSection\\(\\): section index out of range"},
      {[] { IsSavedScreenSection(5); }, "IsSavedScreenSection\\(\\): section index out of range"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_FATAL(c.misuse(), c.message);
  }
}

// ---- the busy pointer ----

TEST_F(MachineTest, BusyAndHiddenNestAndTheHourglassShowsOnlyBetween) {
  Start(1);
  SetPointerPosition(200, 150);
  // The hourglass's hot spot is 12 pixels in.
  int16_t w = 0, h = 0;
  GetIconSize(ICON_HOURGLASS, &w, &h);
  ASSERT_GT(w, 0);
  auto shown = [&] { return !AllZero(188, 138, w, h); };

  SetBusyPointer(1);
  EXPECT_TRUE(IsMenuScreenShown());
  EXPECT_TRUE(shown());
  SetBusyPointer(1);
  SetBusyPointer(0);  // twice in, once out: still busy
  EXPECT_EQ(BusyPointerCount(), 1);
  EXPECT_TRUE(shown());
  HideBusyPointer(1);
  EXPECT_FALSE(shown());  // hidden at once
  HideBusyPointer(1);
  HideBusyPointer(0);
  EXPECT_FALSE(shown());
  // Nothing moves while hidden.
  BusyPointerPoll();
  EXPECT_EQ(HourglassFrame(), 0);
  HideBusyPointer(0);
  EXPECT_TRUE(shown());
  SetBusyPointer(0);
  EXPECT_FALSE(shown());
  EXPECT_EQ(BusyPointerCount(), 0);
  EXPECT_EQ(BusyPointerHideCount(), 0);
  // On the display as well.
  EXPECT_EQ(GfxGetPixel(200, 150), 0u);
}

TEST_F(MachineTest, ThePollTurnsTheHourglassAndKeepsThePointerOffTheEdges) {
  Start(1);
  SetPointerPosition(638, 479);
  SetBusyPointer(1);
  for (int i = 1; i <= 21; ++i) {
    BusyPointerPoll();
    EXPECT_EQ(HourglassFrame(), i % HOURGLASS_FRAMES);
  }
  EXPECT_EQ(GetPointerX(), 634);
  EXPECT_EQ(GetPointerY(), 474);
  SetPointerPosition(-3, 10);
  BusyPointerPoll();
  EXPECT_EQ(GetPointerX(), 0);
  EXPECT_EQ(GetPointerY(), 10);
  SetBusyPointer(0);
  // Not busy: the poll does nothing.
  const int16_t frame = HourglassFrame();
  BusyPointerPoll();
  EXPECT_EQ(HourglassFrame(), frame);
}

TEST_F(MachineTest, TheArrowIsDrawnClippedAndPutBack) {
  Start(1);
  SetPointerPosition(636, 477);
  DrawMousePointer();
  EXPECT_FALSE(AllZero(636, 477, 4, 3));
  RestorePointerBackground();
  EXPECT_TRUE(AllZero(600, 440, 40, 40));
}

TEST_F(MachineTest, AnIconIsDrawnAlignedAndMeasuredInMenuUnits) {
  Start(1);
  int16_t w = 0, h = 0;
  GetIconSize(ICON_HOURGLASS, &w, &h);
  int sw = 0, sh = 0;
  EXPECT_EQ(GetIconSizeScaled(ICON_HOURGLASS, &sw, &sh), w);
  EXPECT_EQ(sh, h);
  DoIcon(320, 240, ALIGN_CENTRED, ICON_HOURGLASS);
  EXPECT_FALSE(AllZero(320 - w / 2, 240 - h / 2, w, h));
  EXPECT_TRUE(AllZero(0, 0, 640, 240 - h / 2));
  EXPECT_TRUE(AllZero(0, 240 - h / 2 + h, 640, 480 - (240 - h / 2 + h)));
  // With a menu screen the call draws and is not kept in the primitives' log
  // (a long game would fill it).
  EXPECT_TRUE(MenuPrims_Calls().empty());
  // Strings draw their inline icons through the machine once it sets a font.
  ResetDrawState();
  EXPECT_NE(MenuInlineIconDrawer, nullptr);
  EXPECT_NE(MenuInlineIconSizer, nullptr);
}

TEST_F(MachineTest, WithoutAMenuScreenTheIconCallsOnlyLog) {
  MenuPrims_SetIconSize(400, 200);
  int w = 0, h = 0;
  EXPECT_EQ(GetIconSizeScaled(12, &w, &h), 400);
  EXPECT_EQ(h, 200);
  DoIcon(1, 2, ALIGN_LEFT, 12);
  SetBusyPointer(1);
  HideBusyPointer(1);
  HideBusyPointer(0);
  SetBusyPointer(0);
  EXPECT_FALSE(IsMenuScreenShown());
  EXPECT_EQ(MenuPrims_Calls().size(), 4u);
}

TEST_F(MachineTest, AFrameWaitsForTheNextTickAndPolls) {
  Start(1, false);
  const uint32_t tick = TimerTicks.load();
  const uint64_t polls = PollCallCount();
  WaitNextFrame();
  EXPECT_GT(TimerTicks.load(), tick);
  EXPECT_GT(PollCallCount(), polls);
}

// ---- the progress bar ----

TEST_F(MachineTest, NoTotalDrawsNoBar) {
  Start(1);
  for (int16_t total : {int16_t{0}, int16_t{-1}}) {
    ProgressWords.total = total;
    ProgressWords.step = 1;
    DrawProgressPercentBar();
  }
  EXPECT_TRUE(AllZero(0, 0, 640, 480));
  EXPECT_EQ(DirtyRectCount(), 0);
}

TEST_F(MachineTest, ThreePerCentShowsTheFrameAndTheTextOnly) {
  for (int type : {1, 0}) {
    SCOPED_TRACE(type);
    ResetEngine();
    Start(type);
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x1234);
    ProgressWords.total = 200;
    ProgressWords.step = 7;  // 3 per cent
    DrawProgressPercentBar();
    const uint32_t frameFace = Colour(0x18C3);
    EXPECT_EQ(Pixel(265, 419), Colour(ButtonLighterColour(0x18C3)));
    EXPECT_EQ(Pixel(370, 439), Colour(ButtonDarkerColour(0x18C3)));
    EXPECT_EQ(Pixel(271, 430), frameFace);  // no filled part
    EXPECT_EQ(Pixel(360, 430), frameFace);
    EXPECT_EQ(Pixel(371, 430), 0u);
    // "3%" in the middle.
    int differing = 0;
    for (int y = 421; y < 438; ++y)
      for (int x = 300; x < 336; ++x) differing += Pixel(x, y) != frameFace;
    EXPECT_GT(differing, 0);
    // The drawing state is as it was.
    EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR), 0x1234);
    EXPECT_EQ(GetFont(), 0);
    ResetAllScreenSections();
    PakFileUninit();
    scratch_.reset();
  }
}

TEST_F(MachineTest, AHundredPerCentFillsAHundredPixels) {
  Start(1);
  SetFont(2);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 3);
  ProgressWords.total = 9;
  ProgressWords.step = 9;
  DrawProgressPercentBar();
  const uint32_t filled = Colour(0x318C);
  EXPECT_EQ(Pixel(268, 422), Colour(ButtonLighterColour(0x318C)));
  EXPECT_EQ(Pixel(275, 430), filled);
  EXPECT_EQ(Pixel(360, 430), filled);
  EXPECT_EQ(Pixel(367, 436), Colour(ButtonDarkerColour(0x318C)));
  EXPECT_EQ(Pixel(368, 430), Colour(0x18C3));  // the frame's face again
  EXPECT_EQ(GetFont(), 2);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR), 3);
}

// ---- backgrounds ----

TEST_F(MachineTest, ABackgroundFillsTheBufferAndSetsTheDrawingState) {
  Start(1);
  SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, 3);
  DoBackground(BACKGROUND_START_PAGE);
  uint8_t* raw = nullptr;
  const uint32_t size = PakLoadFile("menugfx\\startpg.bck", &raw, ManualFree);
  ASSERT_EQ(size, static_cast<uint32_t>(MENU_BACKGROUND_BYTES));
  for (int y : {0, 137, 479})
    for (int x : {0, 300, 639}) {
      const uint16_t colour = static_cast<uint16_t>(raw[2 * (y * 640 + x)] | (raw[2 * (y * 640 + x) + 1] << 8));
      EXPECT_EQ(Pixel(x, y), Colour(colour)) << x << "," << y;
    }
  FreeMemory(&raw);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR), 0x03E0);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_NUMBER_TYPE), 0);
  EXPECT_EQ(GetFont(), 1);
  // Drawn again from the cache.
  BufferFillRect(0, 0, 640, 480, 0);
  DoBackground(BACKGROUND_START_PAGE);
  EXPECT_NE(Pixel(300, 137), 0u);
}

TEST_F(MachineTest, ABackgroundOfTheWrongSizeStopsTheProgramNamingIt) {
  Start(1, false);
  std::string error;
  fs::create_directories("pakfiles");
  ASSERT_TRUE(PakWriteFiles("pakfiles/hdcommon", {{"MENUGFX\\BACK03.BCK", std::vector<uint8_t>(1000, 1)}},
                            PAK_STORE_PLAIN, nullptr, &error))
      << error;
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
  EXPECT_FATAL(DoBackground(3), "DoBackground\\(\\): background 'back03' was wrong size");
  EXPECT_FATAL(DoBackground(35), "DoBackground\\(\\): background 35 out of range");
}

// ---- text and keys ----

TEST(MachineText, TrailingBlanksAreTrimmed) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"Rovers  ", "Rovers"}, {"   ", ""}, {"", ""}, {" a b ", " a b"}, {"x", "x"}};
  for (const auto& c : cases) {
    char text[16];
    std::strcpy(text, c.in);
    TrimTrailingSpaces(text);
    EXPECT_STREQ(text, c.out) << '"' << c.in << '"';
  }
}

}  // namespace
