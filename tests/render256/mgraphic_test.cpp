#include "render256/mgraphic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/mem_win.h"
#include "render256/canvas.h"
#include "render256/swscreen.h"
#include "support/engine_fixture.h"
#include "support/font_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"

namespace {

constexpr uint8_t kBackground = 200;

class MGraphicTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_mgraphic");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  // The pointer (graphic 2): three marked frames of 4 x 3; a 64 x 48 view.
  void OpenScreenWithPointer() {
    std::vector<PakWriteItem> items = FontFiles("fnt12w", 3, 2, 256, 4);
    items.push_back({"MISCGFX\\MOUSE.GFX", Gfx0File(4, 3, 3, MarkedFrames(4, 3, 3))});
    OpenTestPak(items);
    OpenGameScreen(64, 48);
  }
  static void ClearScreen() {
    GfxBuffer* s = GetGameScreen();
    std::fill(s->pixels, s->pixels + static_cast<size_t>(s->stride) * s->height, kBackground);
  }
  // A pixel of the view.
  static uint8_t ViewPixel(int x, int y) {
    const GfxBuffer* s = GetGameScreen();
    return s->pixels[(y + GAME_SCREEN_BORDER) * s->stride + x + GAME_SCREEN_BORDER];
  }
  // The changed pixels' bounds in the view: left, top, right, bottom.
  static std::vector<int> ChangedBounds() {
    const GfxBuffer* s = GetGameScreen();
    std::vector<int> b = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = 0; y < s->height; ++y)
      for (int x = 0; x < s->width; ++x)
        if (s->pixels[y * s->stride + x] != kBackground) {
          b[0] = std::min(b[0], x - GAME_SCREEN_BORDER);
          b[1] = std::min(b[1], y - GAME_SCREEN_BORDER);
          b[2] = std::max(b[2], x - GAME_SCREEN_BORDER);
          b[3] = std::max(b[3], y - GAME_SCREEN_BORDER);
        }
    return b;
  }
};

TEST_F(MGraphicTest, FramesDrawAtTheirAlignedPlaceAndUnusableSizesAndFramesMeanTheWhole) {
  OpenScreenWithPointer();
  struct Case {
    int x, y, width, height, align, frame;
    std::vector<int> bounds;
    uint8_t corner;  // the frame's top-left pixel: 1 + the frame drawn
  };
  const Case cases[] = {
      {4, 3, 0, 0, 5, 0, {4, 3, 7, 5}, 1},       // width and height 0: whole
      {0, 0, 0, 0, 10, 0, {30, 23, 33, 25}, 1},  // centred
      {4, 3, 0, 0, 15, 0, {56, 42, 59, 44}, 1},  // from the right and bottom edges
      {4, 3, 2, 1, 5, 0, {4, 3, 5, 3}, 1},       // the top-left 2 x 1
      {4, 3, 9, 4, 5, 0, {4, 3, 7, 5}, 1},       // larger than the graphic: whole
      {4, 3, -1, 2, 5, 2, {4, 3, 7, 4}, 3},
      {4, 3, 0, 0, 5, 3, {4, 3, 7, 5}, 1},       // frame past the last: frame 0
      {4, 3, 0, 0, 5, -1, {4, 3, 7, 5}, 1},
      {-6, -5, 0, 0, 5, 1, {-6, -5, -3, -3}, 2}, // in the guard
  };
  for (const Case& c : cases) {
    ClearScreen();
    MGraphDisplay2DGraphic(c.x, c.y, c.width, c.height, c.align, 2, c.frame);
    EXPECT_EQ(ChangedBounds(), c.bounds) << c.x << "," << c.y << " align " << c.align << " frame " << c.frame;
    EXPECT_EQ(ViewPixel(c.bounds[0], c.bounds[1]), c.corner);
  }
  // Colour 0 is transparent: the hole of frame 0 keeps the screen.
  ClearScreen();
  MGraphDisplay2DGraphic(4, 3, 0, 0, 5, 2, 0);
  EXPECT_EQ(ViewPixel(4, 4), kBackground);
  EXPECT_EQ(ViewPixel(5, 4), 1);
}

TEST_F(MGraphicTest, TheColourTableVersionMapsEveryDrawnPixelAndChecksTheFrame) {
  OpenScreenWithPointer();
  uint8_t lut[256];
  for (int i = 0; i < 256; ++i) lut[i] = static_cast<uint8_t>(255 - i);
  ClearScreen();
  MGraphDisplay2DGraphicLUT(10, 10, 2, 1, lut);
  EXPECT_EQ(ChangedBounds(), (std::vector<int>{10, 10, 13, 12}));
  EXPECT_EQ(ViewPixel(10, 10), 253);
  EXPECT_EQ(ViewPixel(10, 11), kBackground);
  EXPECT_FATAL(MGraphDisplay2DGraphicLUT(0, 0, 2, 3, lut), "MGraphDisplay2DGraphicLUT\\(\\):Bad frame 3");
  EXPECT_FATAL(MGraphDisplay2DGraphicLUT(0, 0, 2, -1, lut), "MGraphDisplay2DGraphicLUT\\(\\):Bad frame -1");
}

TEST_F(MGraphicTest, CellsAreClippedToTheBuffer) {
  const std::vector<uint8_t> cell(12, 5);  // 4 x 3, all drawn
  struct Case {
    int x, y, changed;
  };
  const Case cases[] = {{0, 0, 12},  {8, 0, 6},   {-3, 0, 3},  {0, 5, 4},          {0, -2, 4},
                        {9, 5, 1},   {-4, 0, 0},  {10, 0, 0},  {0, 6, 0},          {2000000000, 2000000000, 0},
                        {-2000000000, 0, 0},      {0, -2000000000, 0}};
  for (const Case& k : cases) {
    Canvas c(10, 6, kBackground);
    DrawCellClipped(&c.buffer, k.x, k.y, cell.data(), 4, 4, 3, nullptr);
    EXPECT_EQ(std::count(c.pixels.begin(), c.pixels.end(), 5), k.changed) << k.x << "," << k.y;
  }
  // Through a table.
  uint8_t lut[256] = {};
  lut[5] = 9;
  Canvas c(10, 6, kBackground);
  DrawCellClipped(&c.buffer, 8, 4, cell.data(), 4, 4, 3, lut);
  EXPECT_EQ(std::count(c.pixels.begin(), c.pixels.end(), 9), 4);
}

TEST_F(MGraphicTest, EvictedGraphicsLoadAgainOnTheirNextUse) {
  OpenScreenWithPointer();
  GraphicSlot* slot = MGraphGetItem(2);
  ASSERT_NE(slot->pixels, nullptr);
  EXPECT_EQ(slot->frames, 3);
  EXPECT_EQ(slot->width, 4);
  EXPECT_EQ(slot->height, 3);
  FreeAutoFreeMemory();
  EXPECT_EQ(slot->pixels, nullptr);
  ClearScreen();
  MGraphDisplay2DGraphic(0, 0, 0, 0, 5, 2, 1);
  EXPECT_EQ(ViewPixel(0, 0), 2);
}

TEST_F(MGraphicTest, BadNumbersAlignmentsAndFilesStopWithAClearMessage) {
  OpenScreenWithPointer();
  EXPECT_FATAL(MGraphGetItem(35), "MGraphGetItem\\(\\):- Invalid graphic number - 35");
  EXPECT_FATAL(MGraphGetItem(-1), "MGraphGetItem\\(\\):- Invalid graphic number - -1");
  EXPECT_FATAL(MGraphic_Load(35), "MGraphGetItem\\(\\):- Invalid graphic number 35");
  for (int align : {0, 4, 1, 8, 2})
    EXPECT_FATAL(MGraphDisplay2DGraphic(0, 0, 0, 0, align, 2, 0), "MGraphDisplay2DGraphic\\(\\): invalid align type")
        << align;
  PakFileUninit();
  const std::vector<uint8_t> pointer = Gfx0File(4, 3, 3, MarkedFrames(4, 3, 3));
  std::vector<uint8_t> untagged = pointer;
  untagged[3] = '1';
  struct Case {
    const char* file;
    std::vector<uint8_t> bytes;
    int graphic;
    const char* message;
  };
  const Case cases[] = {
      {"MISCGFX\\MOUSE.GFX", untagged, 2, "MGraphic_Load\\(\\):- Invalid header - MISCGFX.mouse.gfx"},
      {"MISCGFX\\MOUSE.GFX", {'G', 'F'}, 2, "MGraphic_Load\\(\\):- Invalid header - MISCGFX.mouse.gfx"},
      {"MISCGFX\\MOUSE.GFX", std::vector<uint8_t>(pointer.begin(), pointer.end() - 1), 2,
       "'MISCGFX.mouse.gfx': its size is not 16 \\+ frames x width x height bytes"},
      {"MISCGFX\\MOUSE.GFX", Gfx0File(0, 3, 3, std::vector<uint8_t>(9, 1)), 2, "mouse.gfx': a width, height or frame count of 0"},
      {"MISCGFX\\SHADOW.GFX", Gfx0File(32, 32, 1, std::vector<uint8_t>(32 * 32, 1)), 0,
       "'MISCGFX.SHADOW.gfx' has width 32, not 64"},
      {"MISCGFX\\REPBAR.GFX", Gfx0File(42, 52, 19, std::vector<uint8_t>(42 * 52 * 19, 1)), 1,
       "'MISCGFX.REPBAR.gfx' has frames 19, not 20"},
  };
  for (const Case& c : cases) {
    OpenTestPak({{c.file, c.bytes}});
    EXPECT_FATAL(MGraphic_Load(c.graphic), c.message) << c.file;
    PakFileUninit();
  }
}

}  // namespace
