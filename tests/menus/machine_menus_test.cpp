// The menu system's start and stop, its text, number and box primitives in
// menu units, the word wrap of text boxes, and the pointer read from the
// mouse, on the headless display with the generated paks.
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/colconv.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "generic/gamesound.h"
#include "menus/exm_text.h"
#include "menus/loadbar.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/money.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"

namespace {

std::vector<std::string> gSeamCalls;

void Note(const std::string& call) { gSeamCalls.push_back(call); }

// The seams note their calls, so a test sees what the machine asked of them.
void ConnectNotingSeams() {
  gSeamCalls.clear();
  MenuMachine.gnInit = [] { Note("gnInit"); };
  MenuMachine.gnUninit = [] { Note("gnUninit"); };
  MenuMachine.enableSoundChannel = [](int c) { Note("enable " + std::to_string(c)); };
  MenuMachine.stopSoundChannel = [](int c) { Note("stop " + std::to_string(c)); };
  MenuMachine.clearActiveChannels = [] { Note("clear"); };
  MenuMachine.setChannelVolume = [](int c, int v) { Note("volume " + std::to_string(c) + " " + std::to_string(v)); };
  MenuMachine.playStartSample = [](int s, int c, int v) {
    Note("play " + std::to_string(s) + " " + std::to_string(c) + " " + std::to_string(v));
  };
}

class MenuSystemTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("menus");
    InitMemory(9500);
    menutest::OpenDisplayForMenus();
    menutest::MountGeneratedHdPak(true);
    ConnectNotingSeams();
  }
  void TearDown() override {
    EngineTest::TearDown();
    scratch_.reset();
  }

  uint32_t Pixel(int x, int y) const {
    const uint8_t* p = MenuBufferPixels() + (y * MenuScreenWidth() + x) * MenuBytesPerPixel();
    uint32_t v = 0;
    for (int i = 0; i < MenuBytesPerPixel(); ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
    return v;
  }
  // Whether any pixel of the rectangle differs from 0.
  bool Drawn(int x, int y, int w, int h) const {
    for (int row = y; row < y + h; ++row)
      for (int col = x; col < x + w; ++col)
        if (Pixel(col, row) != 0) return true;
    return false;
  }
  std::vector<uint8_t> Buffer() const {
    const uint8_t* p = MenuBufferPixels();
    return std::vector<uint8_t>(p, p + MenuScreenWidth() * MenuScreenHeight() * MenuBytesPerPixel());
  }
  void Clear() { std::memset(MenuBufferPixels(), 0, Buffer().size()); }

  std::unique_ptr<ScratchDir> scratch_;
};

// ---- start and stop ----

TEST_F(MenuSystemTest, TheMenusOpenInTheirModeWithFontsAndPointerAndCloseLeavingNothing) {
  MenuSoundActive = 1;
  MenuVolume = 7;
  InitSetOfMenus();
  EXPECT_TRUE(IsMenuSystemOpen());
  EXPECT_EQ(GfxState, GFX_STATE_DIRECT);
  EXPECT_EQ(MenuBytesPerPixel(), 2);
  EXPECT_EQ(MenuScreenWidth(), 640);
  EXPECT_EQ(GetScreenScale(), 1);
  for (int font = 0; font < 3; ++font) EXPECT_GT(MenuFontCellHeight(font), 0) << font;
  EXPECT_EQ(GetPointerX(), 320);
  EXPECT_EQ(GetPointerY(), 240);
  EXPECT_EQ(LoadBar_State().active, 0);  // the bar of the start is closed again
  ASSERT_EQ(gSeamCalls.size(), 3u);
  EXPECT_EQ(gSeamCalls[0], "enable 1");
  EXPECT_EQ(gSeamCalls[1], "gnInit");
  EXPECT_TRUE(gSeamCalls[2] == "play 0 0 70" || gSeamCalls[2] == "play 1 0 70") << gSeamCalls[2];

  // The volume is set again only when it changes.
  gSeamCalls.clear();
  WaitNextFrame();
  MenuVolume = 3;
  WaitNextFrame();
  WaitNextFrame();
  EXPECT_EQ(gSeamCalls, std::vector<std::string>{"volume 0 30"});

  gSeamCalls.clear();
  UninitSetOfMenus();
  EXPECT_FALSE(IsMenuSystemOpen());
  EXPECT_EQ(MenuBufferPixels(), nullptr);
  EXPECT_EQ(gSeamCalls, (std::vector<std::string>{"gnUninit", "stop 0", "clear"}));
  // Nothing of the menus is left in the memory manager.
  PakFileUninit();
  UninitMemory();
}

TEST_F(MenuSystemTest, WithoutSoundTheChannelsAreLeftAlone) {
  MenuSoundActive = 0;
  InitSetOfMenus();
  WaitNextFrame();
  UninitSetOfMenus();
  EXPECT_EQ(gSeamCalls, (std::vector<std::string>{"gnInit", "gnUninit"}));
}

// 16-bit kinds are taken in the order 1, 2, 3; -menu256, or no 16-bit mode
// at all, gives 256 colours; no 640 x 480 mode at all stops the program.
TEST_F(MenuSystemTest, TheModeIsTheFirstColourKindThereIs) {
  const struct {
    bool menu256;
    std::vector<int> removedKinds;
    int bytesPerPixel;
  } cases[] = {
      {false, {}, 2}, {false, {1}, 3}, {false, {1, 2}, 4}, {false, {1, 2, 3}, 1}, {true, {}, 1},
  };
  const std::vector<GfxMode> modes(GfxModeList, GfxModeList + GfxModeCount);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "menu256 " << c.menu256 << " removed " << c.removedKinds.size());
    std::copy(modes.begin(), modes.end(), GfxModeList);
    for (uint16_t i = 0; i < GfxModeCount; ++i)
      for (int kind : c.removedKinds)
        if (GfxModeList[i].type == kind && GfxModeList[i].width == 640) GfxModeList[i].width = 641;
    Menu256Mode = c.menu256 ? 1 : 0;
    InitSetOfMenus();
    EXPECT_EQ(MenuBytesPerPixel(), c.bytesPerPixel);
    EXPECT_EQ(MenuIs256Colour(), c.bytesPerPixel == 1);
    UninitSetOfMenus();
  }
  for (uint16_t i = 0; i < GfxModeCount; ++i)
    if (GfxModeList[i].width == 640 && GfxModeList[i].height == 480) GfxModeList[i].width = 641;
  EXPECT_FATAL(InitSetOfMenus(),
               "Error: InitSetOfMenus\\(\\): Your video card does not support a suitable graphics mode");
}

// ---- the pointer ----

TEST_F(MenuSystemTest, ThePointerFollowsTheScriptAndStaysOffTheLastFivePixels) {
  InitSetOfMenus();
  std::string error;
  // Script times count from the program's start; the menus' start took some.
  const uint32_t t0 = PlatRawTicks();
  const auto at = [&](uint32_t t) { return std::to_string(t0 + t); };
  ASSERT_TRUE(PlatLoadEventScript(at(5) + " move 600 100\n" + at(10) + " click 639 479\n" + at(15) + " move 0 0\n", &error))
      << error;
  const struct {
    uint32_t ticks;
    int x, y, buttons;
  } steps[] = {{5, 600, 100, 0}, {10, 634, 474, 1}, {10, 634, 474, 0}, {15, 0, 0, 0}};
  for (const auto& s : steps) {
    SCOPED_TRACE(s.ticks);
    while (PlatRawTicks() < t0 + s.ticks) WaitNextFrame();
    int x = -1, y = -1, buttons = -1;
    ReadMousePointer(&x, &y, &buttons);
    EXPECT_EQ(x, s.x);
    EXPECT_EQ(y, s.y);
    EXPECT_EQ(buttons, s.buttons);
  }
  UninitSetOfMenus();
}

TEST_F(MenuSystemTest, ScrollLockWritesAScreenGrab) {
  InitSetOfMenus();
  std::string error;
  const uint32_t t0 = PlatRawTicks();
  ASSERT_TRUE(PlatLoadEventScript(std::to_string(t0 + 2) + " key ScrollLock\n", &error)) << error;
  while (PlatRawTicks() < t0 + 3) WaitNextFrame();
  DrawMousePointer();
  RestorePointerBackground();
  EXPECT_TRUE(std::filesystem::exists("grab0001.tga"));
  DrawMousePointer();  // the key was taken: no second grab
  EXPECT_FALSE(std::filesystem::exists("grab0002.tga"));
  UninitSetOfMenus();
}

// ---- texts and numbers ----

TEST_F(MenuSystemTest, TextsAreAlignedByTheirSizeInMenuUnits) {
  InitSetOfMenus();
  Clear();
  SetFont(1);
  int w = 0, h = 0;
  EXPECT_EQ(GetStringSize("Rovers", &w, &h), w);
  ASSERT_GT(w, 10);
  EXPECT_EQ(h, MenuFontCellHeight(1));
  const struct {
    uint16_t alignment;
    int left, top;
  } cases[] = {
      {ALIGN_LEFT | ALIGN_TOP, 300, 200},
      {ALIGN_RIGHT | ALIGN_TOP, 300 - w, 200},
      {ALIGN_CENTRED, 300 - w / 2, 200 - h / 2},
      {ALIGN_HCENTRE | ALIGN_BOTTOM, 300 - w / 2, 200 - h},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.alignment);
    Clear();
    DoTextAddr(300, 200, c.alignment, "Rovers");
    EXPECT_TRUE(Drawn(c.left, c.top, w, h));
    EXPECT_FALSE(Drawn(0, 0, 640, c.top));
    EXPECT_FALSE(Drawn(0, c.top + h, 640, 480 - c.top - h));
    EXPECT_FALSE(Drawn(0, 0, c.left, 480));
    EXPECT_FALSE(Drawn(c.left + w, 0, 640 - c.left - w, 480));
  }
  UninitSetOfMenus();
}

// A number is its text by the number type; a text number its string; a
// character a one-letter string.
TEST_F(MenuSystemTest, NumbersTextNumbersAndCharactersDrawTheirStrings) {
  InitSetOfMenus();
  SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, NUMBER_MONEY);
  const auto same = [&](auto draw, const std::string& text) {
    Clear();
    draw();
    const std::vector<uint8_t> got = Buffer();
    Clear();
    DoTextAddr(100, 100, ALIGN_LEFT | ALIGN_TOP, text.c_str());
    return got == Buffer();
  };
  EXPECT_TRUE(same([] { DoNumber(100, 100, ALIGN_LEFT | ALIGN_TOP, 1500000); }, PriceToShortStr(1500000)));
  EXPECT_TRUE(same([] { DoTextNo(100, 100, ALIGN_LEFT | ALIGN_TOP, 434); }, GetTextNoAddr(434)));
  EXPECT_TRUE(same([] { DoChar(100, 100, ALIGN_LEFT | ALIGN_TOP, 'W'); }, "W"));
  int w = 0, h = 0;
  EXPECT_EQ(GetTextNoSize(434, &w, &h), GetStringSize(GetTextNoAddr(434), nullptr, nullptr));
  EXPECT_EQ(GetCharSize('W', &w, &h), GetStringSize("W", nullptr, nullptr));
  UninitSetOfMenus();
}

// ---- word wrap ----

TEST_F(MenuSystemTest, TextIsCutIntoLinesAtTheLastBlankThatFits) {
  InitSetOfMenus();
  SetFont(0);
  const int oneTwo = GetStringSize("one two", nullptr, nullptr);
  const struct {
    const char* text;
    int width;
    int maxLines;
    std::vector<std::string> lines;
  } cases[] = {
      {"one two three", oneTwo, 8, {"one two", "three"}},
      {"one two three", oneTwo - 1, 8, {"one", "two", "three"}},
      {"one two three", 1000, 8, {"one two three"}},
      {"one\ntwo three", 1000, 8, {"one", "two three"}},
      {"one two\n", 1000, 8, {"one two"}},
      {"one two three", oneTwo - 1, 2, {"one", "two"}},  // no more lines than room for
      {"", 1000, 8, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<char> copy(c.text, c.text + std::strlen(c.text) + 1);
    char* lines[8] = {};
    const int count = XDoTextAddr(copy.data(), c.width, lines, c.maxLines);
    ASSERT_EQ(count, static_cast<int>(c.lines.size()));
    for (int i = 0; i < count; ++i) EXPECT_EQ(lines[i], c.lines[i]);
  }
  std::vector<char> word = {'u', 'n', 'b', 'r', 'o', 'k', 'e', 'n', '\0'};
  char* lines[2];
  EXPECT_FATAL(XDoTextAddr(word.data(), 5, lines, 2), "XDoTextAddr\\(\\): word too long for text box");
  UninitSetOfMenus();
}

TEST_F(MenuSystemTest, ATextBoxDrawsItsLinesInsideTheBoxAndLeavesItsTextAlone) {
  InitSetOfMenus();
  Clear();
  SetFont(0);
  static const char kText[] = "The board have given you their full backing for the season";
  int lineHeight = 0;
  GetStringSize("", nullptr, &lineHeight);
  DoTextBoxAddr(100, 100, 120, 200, ALIGN_LEFT | ALIGN_TOP, kText);
  EXPECT_STREQ(kText, "The board have given you their full backing for the season");
  EXPECT_TRUE(Drawn(100, 100, 120, lineHeight));
  EXPECT_TRUE(Drawn(100, 100 + lineHeight, 120, lineHeight));  // wrapped
  EXPECT_FALSE(Drawn(0, 0, 100, 480));
  EXPECT_FALSE(Drawn(220, 0, 420, 480));
  EXPECT_FALSE(Drawn(0, 0, 640, 100));
  UninitSetOfMenus();
}

// ---- boxes ----

TEST_F(MenuSystemTest, BoxesCoverExactlyTheirPixels) {
  InitSetOfMenus();
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0xFFFF);
  const uint32_t white = MenuPixelFromRGB565(0xFFFF);
  Clear();
  DrawFilledRectangle(10, 10, 5, 4);
  EXPECT_EQ(Pixel(14, 13), white);
  EXPECT_FALSE(Drawn(15, 10, 1, 4));
  EXPECT_FALSE(Drawn(10, 14, 5, 1));
  Clear();
  DrawFilledBar(10, 10, 5, 4);  // both far corners included
  EXPECT_EQ(Pixel(15, 14), white);
  EXPECT_FALSE(Drawn(16, 10, 1, 5));
  Clear();
  DrawRectangleOutline(10, 10, 5, 4);
  EXPECT_EQ(Pixel(10, 10), white);
  EXPECT_EQ(Pixel(14, 13), white);
  EXPECT_EQ(Pixel(12, 10), white);
  EXPECT_EQ(Pixel(10, 12), white);
  EXPECT_FALSE(Drawn(11, 11, 3, 2));
  Clear();
  DrawPixel(7, 8);
  EXPECT_EQ(Pixel(7, 8), white);
  // A black frame keeps the fill colour of the caller.
  BufferFillRect(0, 0, 640, 480, 0xFFFF);
  DrawBlackFrame(10, 10, 5, 4);
  EXPECT_EQ(Pixel(10, 10), 0u);
  EXPECT_EQ(Pixel(12, 12), white);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR), 0xFFFF);
  UninitSetOfMenus();
}

TEST_F(MenuSystemTest, DarkShadeBoxesDarkenByAQuarterOrAHalf) {
  InitSetOfMenus();
  const uint16_t fmtWhite = static_cast<uint16_t>(MenuPixelFromRGB565(0xFFFF));
  BufferFillRect(0, 0, 640, 480, 0xFFFF);
  ASSERT_EQ(Pixel(0, 0), fmtWhite);
  DrawDarkShadeBox(10, 10, 4, 4, 1);
  DrawDarkShadeBox(20, 10, 4, 4, 0);
  const auto green = [&](int x, int y) {
    return (ColConvPixel(Pixel(x, y), GfxScreen.colourFormat, ColFmtRGB888) >> 8) & 0xFF;
  };
  ASSERT_EQ(green(0, 0), 255u);
  EXPECT_NEAR(static_cast<double>(green(11, 11)), 255 * 0.75, 8.0);
  EXPECT_NEAR(static_cast<double>(green(21, 11)), 255 * 0.5, 8.0);
  EXPECT_EQ(green(15, 11), 255u);
  UninitSetOfMenus();
}

}  // namespace
