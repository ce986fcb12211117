#include "render256/fontgame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "render256/canvas.h"
#include "render256/mgraphic.h"
#include "render256/swscreen.h"
#include "support/engine_fixture.h"
#include "support/font_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"
#include "support/built_game.h"

namespace {

constexpr uint8_t kBackground = 200;

class FontGameTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_fontgame");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  // Font 0: 256 cells of 3 x 2 advancing 4; font 1 only 128 cells; font 3
  // 256 cells of 5 x 4 advancing 6.
  static void OpenFonts() {
    std::vector<PakWriteItem> items = FontFiles("fnt12w", 3, 2, 256, 4);
    for (const PakWriteItem& i : FontFiles("fnt16w", 3, 2, 128, 4)) items.push_back(i);
    for (const PakWriteItem& i : FontFiles("fnt12y", 5, 4, 256, 6)) items.push_back(i);
    OpenTestPak(items);
  }
  static void ClearScreen(uint8_t colour) {
    GfxBuffer* s = GetGameScreen();
    std::fill(s->pixels, s->pixels + static_cast<size_t>(s->stride) * s->height, colour);
  }
};

// The first and last changed column and row of the game screen, in view
// coordinates (guard removed); {0, 0, -1, -1} when nothing changed.
struct Box {
  int left, top, right, bottom;
  bool operator==(const Box&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "{" << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom << "}";
}
Box ChangedBox(uint8_t background) {
  const GfxBuffer* s = GetGameScreen();
  Box b{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  bool any = false;
  for (int y = 0; y < s->height; ++y)
    for (int x = 0; x < s->width; ++x)
      if (s->pixels[y * s->stride + x] != background) {
        any = true;
        b.left = std::min(b.left, x - GAME_SCREEN_BORDER);
        b.top = std::min(b.top, y - GAME_SCREEN_BORDER);
        b.right = std::max(b.right, x - GAME_SCREEN_BORDER);
        b.bottom = std::max(b.bottom, y - GAME_SCREEN_BORDER);
      }
  return any ? b : Box{0, 0, -1, -1};
}

TEST_F(FontGameTest, WidthsSumTheAdvancesOfUnsignedGlyphsAndSkipGlyphsPastTheFont) {
  OpenFonts();
  struct Case {
    int font;
    const char* text;
    int width;
  };
  const Case cases[] = {
      {0, "", 0},          {0, "AB", 8},        {0, "W", 8},          {0, "\xe9", 4},
      {0, "\xff\x80", 8},  {1, "\xe9", 0},      {1, "A\xe9" "B", 8},  {3, "AB", 12},
  };
  for (const Case& c : cases) EXPECT_EQ(FONT_GetTextWidth(c.text, c.font), c.width) << c.font << " '" << c.text << "'";
  EXPECT_EQ(FONT_GetTextWidth(nullptr, 0), 0);
  const FontSlot* slot = FONT_GetItem(1);
  EXPECT_EQ(slot->glyphCount, 128);
  EXPECT_EQ(FontGlyphOf(slot, 0xE9), -1);
  EXPECT_EQ(FontGlyphOf(FONT_GetItem(0), 0xE9), 0xE9);
}

TEST_F(FontGameTest, StringsDrawCellsAtTheBufferPositionWithColourZeroTransparent) {
  OpenFonts();
  Canvas c(12, 4, kBackground);
  FONT_DrawStringTo(&c.buffer, 0, "A\xe9", 1, 1);
  // 'A' is glyph 65 (pixels 66), 0xE9 glyph 233 (pixels 234), 4 apart.
  const std::vector<std::vector<uint8_t>> want = {
      {200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200},
      {200, 66, 66, 66, 200, 234, 234, 234, 200, 200, 200, 200},
      {200, 200, 66, 66, 200, 200, 234, 234, 200, 200, 200, 200},
      {200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200},
  };
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 12; ++x) EXPECT_EQ(c.At(x, y), want[y][x]) << x << "," << y;
  // A glyph past the font draws nothing and does not move the pen.
  Canvas d(12, 4, kBackground);
  FONT_DrawStringTo(&d.buffer, 1, "\xe9" "A", 0, 0);
  EXPECT_EQ(d.At(0, 0), 66);
  EXPECT_EQ(d.At(4, 0), kBackground);
}

TEST_F(FontGameTest, GlyphsAreClippedToEveryEdgeOfTheBuffer) {
  OpenFonts();
  struct Case {
    int x, y;
    const char* text;
    int changed;  // pixels written inside the 12 x 4 buffer
  };
  const Case cases[] = {
      {10, 0, "WWWWWW", 3},     // right edge: two columns of the first glyph, its hole transparent
      {-2, 0, "A", 2},          // left edge: its last column
      {0, 3, "AAA", 9},         // bottom edge: the top row of three glyphs
      {0, -1, "AAA", 6},        // top edge: the bottom row (hole included)
      {-100000, 0, "AB", 0},    // wholly outside
      {2000000000, 2, "AAAAAAAA", 0},
      {0, 0, "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", 15},
  };
  for (const Case& k : cases) {
    Canvas c(12, 4, kBackground);
    FONT_DrawStringTo(&c.buffer, 0, k.text, k.x, k.y);
    int changed = 0;
    for (uint8_t p : c.pixels) changed += p != kBackground;
    EXPECT_EQ(changed, k.changed) << k.x << "," << k.y << " '" << k.text << "'";
  }
}

TEST_F(FontGameTest, DisplayTextPlacesTheTextByScreenAndTextAlignment) {
  OpenFonts();
  OpenGameScreen(64, 48);
  struct Case {
    int font, x, y, screenAlign, textAlign;
    Box box;  // "AB": 8 wide by advance, the last cell ends a column before
  };
  const Case cases[] = {
      {0, 4, 3, 5, 5, {4, 3, 10, 4}},        // left, top
      {0, 0, 0, 6, 6, {28, 0, 34, 1}},       // middle, top
      {0, 4, 0, 7, 7, {52, 0, 58, 1}},       // right: the text's advance ends at 60, 4 from the edge
      {0, 0, 0, 10, 10, {28, 23, 34, 24}},   // middle, middle
      {0, 0, 10, 14, 14, {28, 36, 34, 37}},  // bottom middle, 10 up
      {0, 0, 0, 5, 15, {-8, -2, -2, -1}},    // into the guard above and left
      {3, 0, 0, 10, 10, {26, 22, 36, 25}},   // font 3: 12 wide, 4 high
  };
  for (const Case& c : cases) {
    ClearScreen(kBackground);
    FONT_SetFont(c.font);
    FONT_DisplayText(c.x, c.y, "AB", c.screenAlign, c.textAlign);
    EXPECT_EQ(ChangedBox(kBackground), c.box) << c.screenAlign << "/" << c.textAlign;
  }
  EXPECT_EQ(FONT_GetFont(), 3);
  // Without the guard offset, at a buffer position.
  ClearScreen(kBackground);
  FONT_DrawString(0, "A", 1, 2);
  EXPECT_EQ(ChangedBox(kBackground), (Box{1 - 64, 2 - 64, 3 - 64, 3 - 64}));
  // An empty text draws nothing.
  ClearScreen(kBackground);
  FONT_SetFont(0);
  FONT_DisplayText(0, 0, "", 10, 10);
  EXPECT_EQ(ChangedBox(kBackground), (Box{0, 0, -1, -1}));
}

TEST_F(FontGameTest, ALongTextRunsOffTheScreenWithoutLeavingTheBuffer) {
  OpenFonts();
  OpenGameScreen(70, 48);  // rows padded beyond the buffer's width
  ClearScreen(kBackground);
  const std::string longName(200, 'A');
  FONT_SetFont(0);
  FONT_DisplayText(0, 0, longName.c_str(), 5, 5);
  const GfxBuffer* s = GetGameScreen();
  // Drawn up to the buffer's last column, and nothing in the row padding.
  EXPECT_EQ(s->pixels[GAME_SCREEN_BORDER * s->stride + s->width - 1], 66);
  for (int x = s->width; x < s->stride; ++x) EXPECT_EQ(s->pixels[GAME_SCREEN_BORDER * s->stride + x], kBackground);
  EXPECT_EQ(ChangedBox(kBackground).right, s->width - 1 - GAME_SCREEN_BORDER);
}

TEST_F(FontGameTest, EvictedFontsLoadAgainOnTheirNextUse) {
  OpenFonts();
  FontSlot* slot = FONT_GetItem(0);
  ASSERT_NE(slot->glyphs, nullptr);
  FreeAutoFreeMemory();
  EXPECT_EQ(slot->glyphs, nullptr);
  EXPECT_EQ(slot->advance, nullptr);
  EXPECT_EQ(FONT_GetTextWidth("AB", 0), 8);
  EXPECT_NE(slot->glyphs, nullptr);
  EXPECT_EQ(slot->glyphWidth, 3);
  EXPECT_EQ(slot->glyphHeight, 2);
}

TEST_F(FontGameTest, BadNumbersAlignmentsAndFilesStopWithAClearMessage) {
  OpenFonts();
  EXPECT_FATAL(FONT_Load(6), "FONT_Load\\(\\):- Invalid font number");
  EXPECT_FATAL(FONT_Load(-1), "FONT_Load\\(\\):- Invalid font number");
  EXPECT_FATAL(FONT_GetItem(6), "FONT_GetItem\\(\\): Invalid font number");
  EXPECT_FATAL(FONT_GetTextWidth("A", 9), "FONT_GetItem\\(\\): Invalid font number");
  const int badAligns[][2] = {{0, 5}, {4, 5}, {1, 5}, {5, 0}, {5, 8}, {5, 2}};
  for (const auto& a : badAligns)
    EXPECT_FATAL(FONT_DisplayText(0, 0, "A", a[0], a[1]), "FONT_DisplayText\\(\\): invalid align type")
        << a[0] << "/" << a[1];
  PakFileUninit();
  struct Case {
    std::vector<uint8_t> gfx, wid;
    const char* message;
  };
  const std::vector<uint8_t> good = Gfx0File(3, 2, 4, MarkedFrames(3, 2, 4));
  std::vector<uint8_t> untagged = good;
  untagged[0] = 'X';
  std::vector<uint8_t> zeroFrames = good;
  zeroFrames[GFX0_FRAMES_OFFSET] = 0;
  const Case cases[] = {
      {untagged, std::vector<uint8_t>(4, 4), "FONT_Load\\(\\):- Invalid header"},
      {{'G', 'F', 'X'}, std::vector<uint8_t>(4, 4), "FONT_Load\\(\\):- Invalid header"},
      {std::vector<uint8_t>(good.begin(), good.end() - 1), std::vector<uint8_t>(4, 4),
       "MISCGFX.FONTS.fnt12w.gfx': its size is not 16 \\+ frames x width x height"},
      {zeroFrames, std::vector<uint8_t>(4, 4), "fnt12w.gfx': a width, height or frame count of 0"},
      {good, std::vector<uint8_t>(3, 4), "MISCGFX.FONTS.fnt12w.wid' holds 3 advances for 4 glyphs"},
      {good, {}, "fnt12w.wid' holds 0 advances for 4 glyphs"},
  };
  for (const Case& c : cases) {
    OpenTestPak({{"MISCGFX\\FONTS\\FNT12W.GFX", c.gfx}, {"MISCGFX\\FONTS\\FNT12W.WID", c.wid}});
    EXPECT_FATAL(FONT_Load(0), c.message);
    PakFileUninit();
  }
}

TEST_F(FontGameTest, EveryFontAndGraphicOfTheDataSetLoads) {
  OpenBuiltHardDiskPak();
  const int heights[FONT_COUNT] = {12, 16, 24, 12, 16, 24};
  for (int f = 0; f < FONT_COUNT; ++f) {
    const FontSlot* slot = FONT_GetItem(f);
    EXPECT_EQ(slot->glyphCount, 256) << FontNames[f];
    EXPECT_EQ(slot->glyphHeight, heights[f]) << FontNames[f];
    EXPECT_GT(FONT_GetTextWidth("Wm", f), FONT_GetTextWidth("il", f)) << FontNames[f];
    EXPECT_GT(FONT_GetTextWidth(" ", f), 0) << FontNames[f];
    EXPECT_EQ(FONT_GetTextWidth("\t", f), 0) << FontNames[f];
  }
  for (int g = 0; g < MGRAPHIC_COUNT; ++g) {
    const GraphicSlot* slot = MGraphGetItem(g);
    EXPECT_GT(slot->width * slot->height * slot->frames, 0) << slot->name;
  }
  EXPECT_EQ(MGraphGetItem(MGRAPHIC_SHADOW)->width, 64);
  EXPECT_EQ(MGraphGetItem(MGRAPHIC_SHADOW)->height, 64);
  EXPECT_EQ(MGraphGetItem(MGRAPHIC_REPBAR)->frames, 20);
  EXPECT_GT(MGraphGetItem(MGRAPHIC_IGSCAN)->width, MGraphGetItem(MGRAPHIC_IGSCAN)->height);
  // The sample lines: every font leaves letters in its band.
  Canvas c(640, FontSamplesHeight(), 0);
  DrawFontSamples(&c.buffer);
  int top = 0;
  for (int f = 0; f < FONT_COUNT; ++f) {
    int drawn = 0;
    for (int y = top; y < top + heights[f]; ++y)
      for (int x = 0; x < 640; ++x) drawn += c.At(x, y) != 0;
    EXPECT_GT(drawn, 20 * heights[f]) << FontNames[f];
    top += heights[f] + 2;
  }
  EXPECT_EQ(top, FontSamplesHeight());
  PakFileUninit();
}

}  // namespace
