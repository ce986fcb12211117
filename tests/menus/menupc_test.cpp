#include "menus/menupc.h"

#include <cstring>
#include <string>
#include <vector>

#include "engine/dxenum.h"
#include "menus/menuprims.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"

namespace {

// The menu buffer over a 640 x 480 screen of the headless display, in the
// 256-colour mode (type 0) or a 16-bit mode (type 1).
class MenuBufferTest : public EngineTest {
 protected:
  void Start(int type) {
    InitMemory(9500);
    menutest::OpenMenuScreen(type);
  }
  int bpp() const { return MenuBytesPerPixel(); }
  uint32_t BufferPixel(int x, int y) const {
    const uint8_t* p = MenuBufferPixels() + (y * 640 + x) * MenuBytesPerPixel();
    uint32_t v = 0;
    for (int i = 0; i < MenuBytesPerPixel(); ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
    return v;
  }
  // Writes straight into the buffer, leaving the dirty list alone.
  void PokeBuffer(int x, int y, uint32_t v) {
    uint8_t* p = MenuBufferPixels() + (y * 640 + x) * MenuBytesPerPixel();
    for (int i = 0; i < MenuBytesPerPixel(); ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
  }
  uint32_t ScreenPixel(int x, int y) { return GfxGetPixel(x, y); }
};

// ---- dirty rectangles ----

TEST_F(MenuBufferTest, ARectangleInsideAListedOneWithTheSameCornerIsNotAdded) {
  Start(1);
  const struct {
    int x, y, w, h;
    int countAfter;
  } steps[] = {
      {10, 10, 20, 20, 1},  // the first
      {10, 10, 5, 5, 1},    // same corner, smaller: contained
      {10, 10, 20, 20, 1},  // the same again
      {10, 10, 30, 5, 2},   // wider: appended
      {11, 10, 1, 1, 3},    // another corner, though inside: appended
      {10, 10, 30, 20, 4},  // larger than both listed at that corner
      {10, 10, 25, 15, 4},  // inside the last
  };
  for (const auto& s : steps) {
    AddDirtyRect(s.x, s.y, s.w, s.h);
    EXPECT_EQ(DirtyRectCount(), s.countAfter) << s.x << "," << s.y << " " << s.w << "x" << s.h;
  }
}

TEST_F(MenuBufferTest, RectanglesNotWhollyOnTheScreenAreNeitherDrawnNorListed) {
  Start(1);
  const struct {
    int x, y, w, h;
    bool drawn;
  } cases[] = {
      {639, 0, 1, 1, true},
      {638, 479, 2, 1, true},
      {0, 0, 640, 480, true},
      {639, 0, 2, 1, false},  // one pixel past the right edge
      {0, 479, 1, 2, false},  // one past the bottom
      {-1, 0, 2, 2, false},
      {0, -1, 2, 2, false},
      {5, 5, 0, 3, false},
      {5, 5, 3, 0, false},
      {5, 5, -3, 3, false},
      {5, 5, 3, -3, false},
      {2147483000, 0, 1000, 1, false},  // no overflow of x + w either
  };
  uint32_t red = MenuPixelFromRGB565(0xF800);
  for (const auto& c : cases) {
    BufferAllocate();  // a fresh buffer and list
    BufferFillRect(c.x, c.y, c.w, c.h, 0xF800);
    EXPECT_EQ(DirtyRectCount(), c.drawn ? (c.w == 640 ? MAX_DIRTY_RECTS : 1) : 0) << c.x << "," << c.y;
    // Nothing at all of a refused rectangle reaches the buffer.
    int inside = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) inside += BufferPixel(x, y) == red;
    EXPECT_EQ(inside, c.drawn ? c.w * c.h : 0) << c.x << "," << c.y;
  }
}

TEST_F(MenuBufferTest, TheListOverflowsOrCoversTheScreenIntoAFullFlush) {
  Start(1);
  const uint32_t marker = MenuPixelFromRGB565(0x07E0);
  FlushDirtyRects();  // forgets the window's start
  const struct {
    const char* what;
    int rects;         // distinct 1 x 1 rectangles along row 0
    bool wholeScreen;  // then one covering the screen
    bool fullCopy;
  } cases[] = {
      {"a few", 5, false, false},
      {"128", 128, false, true},
      {"129", 129, false, true},
      {"the screen", 0, true, true},
  };
  for (const auto& c : cases) {
    GfxClearScreen();
    for (int i = 0; i < c.rects; ++i) AddDirtyRect(i, 0, 1, 1);
    if (c.wholeScreen) AddDirtyRect(0, 0, 640, 480);
    EXPECT_EQ(DirtyRectCount(), c.fullCopy ? MAX_DIRTY_RECTS : c.rects) << c.what;
    // Pixels under a listed rectangle and far from every one.
    PokeBuffer(0, 0, marker);
    PokeBuffer(400, 300, marker);
    FlushDirtyRects();
    EXPECT_EQ(DirtyRectCount(), 0) << c.what;
    EXPECT_EQ(ScreenPixel(0, 0), c.rects > 0 || c.fullCopy ? marker : 0u) << c.what;
    EXPECT_EQ(ScreenPixel(400, 300), c.fullCopy ? marker : 0u) << c.what;
    PokeBuffer(0, 0, 0);
    PokeBuffer(400, 300, 0);
  }
}

TEST_F(MenuBufferTest, AFlushCopiesTheListedRectanglesWithTheBufferStride) {
  Start(1);
  BufferFillRect(100, 50, 3, 2, 0x001F);
  PokeBuffer(103, 50, MenuPixelFromRGB565(0xFFFF));  // beside it, not listed
  FlushDirtyRects();
  uint32_t blue = MenuPixelFromRGB565(0x001F);
  for (int y = 50; y < 52; ++y)
    for (int x = 100; x < 103; ++x) EXPECT_EQ(ScreenPixel(x, y), blue) << x << "," << y;
  EXPECT_EQ(ScreenPixel(103, 50), 0u);
}

// ---- fills and copies ----

TEST_F(MenuBufferTest, AFillBoxTakesItsCornersInAnyOrderInclusively) {
  Start(0);
  const struct {
    int x1, y1, x2, y2;
    int pixels;
  } cases[] = {
      {10, 20, 12, 21, 6},         {12, 21, 10, 20, 6}, {12, 20, 10, 21, 6}, {5, 5, 5, 5, 1},
      {0, 0, 639, 479, 640 * 480}, {0, 0, 640, 10, 0},  {-1, 0, 3, 3, 0},    {3, 3, 3, 480, 0},
  };
  uint32_t index = MenuPixelFromRGB565(0xFFE0);
  for (const auto& c : cases) {
    std::memset(MenuBufferPixels(), 0, 640 * 480);
    BufferFillBox(c.x1, c.y1, c.x2, c.y2, 0xFFE0);
    int count = 0;
    for (int i = 0; i < 640 * 480; ++i) count += MenuBufferPixels()[i] == index;
    EXPECT_EQ(count, c.pixels) << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
}

TEST_F(MenuBufferTest, TransparentCopiesLeaveTheKeyOut) {
  for (int type : {0, 1}) {
    ResetEngine();
    Start(type);
    uint32_t key = type == 0 ? 0 : MenuPixelFromRGB565(MENU_COLOUR_KEY);
    uint32_t a = MenuPixelFromRGB565(0x1234), b = MenuPixelFromRGB565(0xF800);
    ASSERT_NE(a, key);
    BufferFillRect(0, 0, 4, 2, 0xFFFF);
    uint32_t white = BufferPixel(0, 0);
    // A 3 x 2 part of a 5-wide source: two pixels skipped after each row.
    uint32_t source[2][5] = {{a, key, b, 9, 9}, {key, b, a, 9, 9}};
    std::vector<uint8_t> bytes;
    for (auto& row : source)
      for (uint32_t v : row)
        for (int i = 0; i < bpp(); ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    BufferPutRectTrans(1, 0, 3, 2, bytes.data(), 2);
    const uint32_t expected[2][4] = {{white, a, white, b}, {white, white, b, a}};
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) EXPECT_EQ(BufferPixel(x, y), expected[y][x]) << type << " " << x << "," << y;
  }
}

TEST_F(MenuBufferTest, TheBackgroundIsSavedWholeAndRestoredByRectangle) {
  Start(1);
  BufferFillRect(0, 0, 640, 480, 0x001F);
  BufferSaveBackground();
  FlushDirtyRects();
  BufferFillRect(10, 10, 20, 20, 0xF800);
  std::vector<uint8_t> got(4 * 4 * 2);
  BufferGetRect(10, 10, 4, 4, got.data());
  EXPECT_EQ(got[0] | got[1] << 8, static_cast<int>(MenuPixelFromRGB565(0xF800)));
  BufferRestoreRect(12, 12, 5, 5);
  uint32_t blue = MenuPixelFromRGB565(0x001F), red = MenuPixelFromRGB565(0xF800);
  EXPECT_EQ(BufferPixel(12, 12), blue);
  EXPECT_EQ(BufferPixel(16, 16), blue);
  EXPECT_EQ(BufferPixel(17, 17), red);
  EXPECT_EQ(BufferPixel(11, 11), red);
  // The restore is listed like any drawing; the read too.
  EXPECT_EQ(DirtyRectCount(), 2);
  // With a menu screen the primitives' log keeps nothing.
  EXPECT_TRUE(MenuPrims_Calls().empty());
}

// ---- shading ----

TEST_F(MenuBufferTest, TheDitherSetsPixelsWhereTheMatrixIsReached) {
  Start(0);
  const uint8_t kMatrix[4][4] = {{0, 4, 1, 5}, {6, 3, 7, 2}, {1, 5, 0, 4}, {7, 2, 6, 3}};
  uint32_t shade = MenuPixelFromRGB565(0xFFFF), ground = MenuPixelFromRGB565(0x0010);
  const struct {
    int opacity;
    int x, y;  // the corner of the 8 x 8 box
    int set;   // pixels of the box that take the colour
  } cases[] = {
      {0, 0, 0, 8},    {0, 1, 3, 8},    {31, 0, 0, 8},   {32, 0, 0, 16},  {64, 2, 2, 24},
      {160, 0, 0, 48}, {192, 5, 1, 56}, {224, 0, 0, 64}, {255, 3, 7, 64},
  };
  for (const auto& c : cases) {
    BufferFillRect(0, 0, 16, 16, 0x0010);
    BufferShadeRect(c.x, c.y, 8, 8, 0xFFFF, static_cast<uint8_t>(c.opacity));
    int set = 0;
    for (int y = c.y; y < c.y + 8; ++y)
      for (int x = c.x; x < c.x + 8; ++x) {
        bool expectSet = (c.opacity >> 5) >= kMatrix[y % 4][x % 4];
        EXPECT_EQ(BufferPixel(x, y), expectSet ? shade : ground) << c.opacity << " " << x << "," << y;
        set += BufferPixel(x, y) == shade;
      }
    EXPECT_EQ(set, c.set) << c.opacity;
  }
  // Opacity 0 still sets the two pixels of each 4 x 4 block where the matrix holds 0.
  BufferFillRect(0, 0, 4, 4, 0x0010);
  BufferShadeRect(0, 0, 4, 4, 0xFFFF, 0);
  EXPECT_EQ(BufferPixel(0, 0), shade);
  EXPECT_EQ(BufferPixel(2, 2), shade);
  EXPECT_EQ(BufferPixel(1, 0), ground);
}

TEST_F(MenuBufferTest, ShadingMovesEachChannelTowardTheColour) {
  // 16-bit through the cached table, 32-bit pixel by pixel.
  for (int type : {1, 3}) {
    ResetEngine();
    Start(type);
    const ColFmt& fmt = GfxScreen.colourFormat;
    const struct {
      uint16_t ground, colour;
      int opacity;
      uint32_t r, g, b;  // the 24-bit result before packing
    } cases[] = {
        {0x0000, 0xFFFF, 255, 254, 254, 254},
        {0x0000, 0xFFFF, 128, 127, 127, 127},
        {0xFFFF, 0x0000, 128, 127, 127, 127},  // the arithmetic shift rounds down: 255 - 127.5
        {0xF800, 0x001F, 0, 255, 0, 0},
    };
    for (const auto& c : cases) {
      BufferFillRect(20, 20, 3, 3, c.ground);
      BufferShadeRect(21, 21, 2, 2, c.colour, static_cast<uint8_t>(c.opacity));
      uint32_t want = ColConvRGBA2Pixel(fmt, c.r, c.g, c.b, 0);
      EXPECT_EQ(BufferPixel(21, 21), want) << c.opacity;
      EXPECT_EQ(BufferPixel(22, 22), want) << c.opacity;
      EXPECT_EQ(BufferPixel(20, 20), MenuPixelFromRGB565(c.ground)) << c.opacity;
    }
    EXPECT_EQ(FindShadeTable(0xFFFF, 255) >= 0, type == 1) << type;
  }
}

TEST_F(MenuBufferTest, ShadeTablesAreCachedAndTheSeventeenthPairReplacesTheOldest) {
  Start(1);
  auto pair = [](int n) { return std::pair<uint16_t, uint8_t>(static_cast<uint16_t>(0x1000 + n), 100); };
  for (int n = 0; n < 16; ++n) {
    GetShadeTable(pair(n).first, pair(n).second);
    EXPECT_EQ(FindShadeTable(pair(n).first, pair(n).second), n);
    PlatVirtualAdvance(1);
  }
  // Asking again reuses the table and keeps its tick.
  uint8_t* again = GetShadeTable(pair(3).first, pair(3).second);
  EXPECT_EQ(again, GetShadeTable(pair(3).first, pair(3).second));
  EXPECT_EQ(FindShadeTable(pair(3).first, pair(3).second), 3);
  // Same colour, other opacity: another table.
  GetShadeTable(pair(5).first, 101);
  EXPECT_EQ(FindShadeTable(pair(0).first, pair(0).second), -1);
  EXPECT_EQ(FindShadeTable(pair(5).first, 101), 0);
  PlatVirtualAdvance(1);
  GetShadeTable(0x7777, 9);
  EXPECT_EQ(FindShadeTable(pair(1).first, pair(1).second), -1);
  EXPECT_EQ(FindShadeTable(0x7777, 9), 1);
  // The header: opacity, colour, creation tick.
  uint8_t* t = GetShadeTable(0x7777, 9);
  EXPECT_EQ(t[0], 9);
  EXPECT_EQ(t[1] | t[2] << 8, 0x7777);
  EXPECT_EQ(static_cast<uint32_t>(t[5] | t[6] << 8 | t[7] << 16 | t[8] << 24), static_cast<uint32_t>(TimerTicks));
  BufferFree();
  EXPECT_EQ(FindShadeTable(0x7777, 9), -1);
}

TEST_F(MenuBufferTest, AnOpacityZeroTableLeavesEveryPixelOfTheFormat) {
  Start(1);
  const ColFmt& fmt = GfxScreen.colourFormat;
  const uint8_t* t = GetShadeTable(0xFFFF, 0) + SHADE_TABLE_HEADER;
  for (uint32_t p = 0; p < 65536; ++p) {
    if (p & ~fmt.allBits) continue;  // no pixel of the format
    ASSERT_EQ(static_cast<uint32_t>(t[2 * p] | t[2 * p + 1] << 8), p) << p;
  }
}

TEST_F(MenuBufferTest, TablesAreOnlyMadeForSixteenBitFormats) {
  Start(0);
  std::vector<uint8_t> table(SHADE_TABLE_SIZE);
  EXPECT_FATAL(CreateMenuShadeRectangleCache(table.data(), 10, 0xFFFF),
               "CreateMenuShadeRectangleCache\\(\\): cannot cache in non-16 bit mode");
}

// ---- sweeps ----

TEST_F(MenuBufferTest, TheSweepCoversEveryRowOnce) {
  for (int height : {480, 200, 240, 384, 2, 1, 5, 7, 479, 0}) {
    std::vector<int32_t> rows = MenuSweepRows(height);
    std::vector<int> seen(height > 0 ? height : 1, 0);
    for (int32_t r : rows) {
      ASSERT_GE(r, 0);
      ASSERT_LT(r, height);
      ++seen[r];
    }
    EXPECT_EQ(static_cast<int>(rows.size()), height) << height;
    for (int r = 0; r < height; ++r) EXPECT_EQ(seen[r], 1) << height << " row " << r;
  }
  // Even rows come down from the top while odd rows go up from the bottom.
  EXPECT_EQ(MenuSweepRows(8), (std::vector<int32_t>{0, 7, 2, 5, 4, 3, 6, 1}));
  EXPECT_EQ(MenuSweepRows(5), (std::vector<int32_t>{0, 3, 2, 1, 4}));
}

TEST_F(MenuBufferTest, TheRevealShowsTheWholeBufferAndTheClearWipesIt) {
  for (int type : {0, 1}) {
    ResetEngine();
    Start(type);
    for (int y = 0; y < 480; ++y) BufferFillRect(0, y, 640, 1, static_cast<uint16_t>(y * 0x0841 + 1));
    EXPECT_GT(DirtyRectCount(), 0);
    uint32_t before = TimerTicks;
    RevealMenuScreen();
    EXPECT_EQ(DirtyRectCount(), 0);
    // A frame after every 16 rows of the downward sweep: 30 on 480 rows.
    EXPECT_EQ(TimerTicks - before, 30u) << type;
    std::vector<uint8_t> shown(640 * 480 * bpp());
    GfxGetRect(0, 0, 640, 480, shown.data());
    EXPECT_EQ(0, std::memcmp(shown.data(), MenuBufferPixels(), shown.size())) << type;
    ClearMenuScreen();
    GfxGetRect(0, 0, 640, 480, shown.data());
    EXPECT_EQ(std::vector<uint8_t>(shown.size(), 0), shown) << type;
  }
}

// ---- the menu item loop ----

int gDrawnValue, gDrawnStyle;
int Drawer(int32_t value, int style) {
  gDrawnValue = value;
  gDrawnStyle = style;
  return 7;
}

TEST_F(MenuBufferTest, ItemsAreDrawnWithTheStyleOfTheirType) {
  EXPECT_EQ(DrawItemByType(5, 1, 2), -1);  // no routine yet
  SetMenuItemDrawer(Drawer);
  const struct {
    int16_t type;
    int result, value, style;
  } cases[] = {
      {5, 7, 100, 0},  {6, 7, 200, 0},  {9, 7, 100, 1},   {10, 7, 200, 1},  {74, 7, 100, 2},  {75, 7, 200, 2},
      {37, 7, 100, 3}, {38, 7, 200, 3}, {1, 7, 100, 4},   {2, 7, 200, 4},   {7, 7, 100, 5},   {8, 7, 200, 5},
      {3, -1, -1, -1}, {0, -1, -1, -1}, {11, -1, -1, -1}, {76, -1, -1, -1}, {-5, -1, -1, -1},
  };
  for (const auto& c : cases) {
    gDrawnValue = gDrawnStyle = -1;
    EXPECT_EQ(DrawItemByType(c.type, 100, 200), c.result) << c.type;
    EXPECT_EQ(gDrawnValue, c.value) << c.type;
    EXPECT_EQ(gDrawnStyle, c.style) << c.type;
  }
}

TEST_F(MenuBufferTest, SettingTheInitEventClearsTheHover) {
  SetMenuHoverItem(4);
  SetMenuEvent(0);
  EXPECT_EQ(GetMenuHoverItem(), 4);
  SetMenuEvent(1);
  EXPECT_EQ(GetMenuEvent(), 1);
  EXPECT_EQ(GetMenuHoverItem(), -1);
  SetMenuResult(6);
  EXPECT_EQ(TakeMenuResult(), 6);
  EXPECT_EQ(TakeMenuResult(), 0);
  SetMenuButtons(7);
  EXPECT_EQ(GetMenuButtons(), 3);
}

TEST_F(MenuBufferTest, WithoutBuffersNothingIsDrawn) {
  BufferFillRect(0, 0, 1, 1, 0xFFFF);
  BufferPutPixel(0, 0, 0xFFFF);
  BufferSaveBackground();
  RevealMenuScreen();
  FlushDirtyRects();
  EXPECT_EQ(MenuBufferPixels(), nullptr);
  EXPECT_EQ(DirtyRectCount(), 0);
}

}  // namespace
