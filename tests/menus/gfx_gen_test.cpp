#include "menus/gfx_gen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "menus/exm_text.h"
#include "menus/kittab.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"
#include "world/savegame.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A tactics file whose every byte tells its offset apart from its neighbours'.
Bytes NumberedTactics(size_t size = TACTICS_FILE_SIZE) {
  Bytes file(size);
  for (size_t i = 0; i < size; ++i) file[i] = static_cast<uint8_t>((i * 7 + i / 251) & 0xFF);
  return file;
}

Bytes Gfx0(int width, int height, int frames, const Bytes& pixels, const char* tag = "GFX0") {
  Bytes b(GFX0_HEADER_SIZE, 0);
  std::memcpy(b.data(), tag, 4);
  StoreU16(b.data() + GFX0_WIDTH_OFFSET, static_cast<uint32_t>(width));
  StoreU16(b.data() + GFX0_HEIGHT_OFFSET, static_cast<uint32_t>(height));
  StoreU16(b.data() + GFX0_FRAMES_OFFSET, static_cast<uint32_t>(frames));
  for (uint8_t v : pixels) b.push_back(v);
  return b;
}

// Colour 0 magenta, colour 1 pure red, colour 2 pure green (6-bit).
Bytes TestPalette() {
  Bytes p(GFXGEN_PALETTE_BYTES, 0);
  p[0] = 63, p[2] = 63;
  p[3] = 63;
  p[7] = 63;
  return p;
}

class GfxGenTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_gfxgen");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  static void OpenPak(const std::vector<PakWriteItem>& items) {
    std::filesystem::create_directories("pakfiles");
    std::string error;
    ASSERT_TRUE(PakWriteFiles("pakfiles/test", items, PAK_STORE_AUTO, nullptr, &error)) << error;
    PakFileInit();
    PakFileAdd("pakfiles\\test");
    PakFileAddDone();
  }
  static void OpenBall(const Bytes& gfx, const Bytes& pal) {
    OpenPak({{"GFXGEN\\BALL.GFX", gfx}, {"GFXGEN\\BALL.PAL", pal}});
  }
};

// ---- the tactic store ----

TEST_F(GfxGenTest, StockTacticsAreReadFromTheirPlaceInTheFile) {
  const Bytes file = NumberedTactics();
  OpenPak({{"TACTICS\\TACTICS.DAT", file}});
  uint8_t record[TACTICS_RECORD_SIZE];
  for (int16_t n : {0, 1, 17, 39}) {
    GetComputerTactics(record, n);
    EXPECT_EQ(0, std::memcmp(record, file.data() + n * TACTICS_RECORD_SIZE, TACTICS_RECORD_SIZE)) << n;
  }
  // Tactic 39 is the file's last 330 bytes, 12,870-13,199.
  GetComputerTactics(record, 39);
  EXPECT_EQ(0, std::memcmp(record, file.data() + 12870, 330));
  EXPECT_EQ(record[329], file[13199]);
}

TEST_F(GfxGenTest, ATacticNumberOutsideTheFileStopsTheProgram) {
  OpenPak({{"TACTICS\\TACTICS.DAT", NumberedTactics()}});
  uint8_t record[TACTICS_RECORD_SIZE];
  EXPECT_FATAL(GetComputerTactics(record, 40), "Invalid formation requested in GetComputerTactics\\(\\)");
  EXPECT_FATAL(GetComputerTactics(record, -1), "Invalid formation requested in GetComputerTactics\\(\\)");
}

TEST_F(GfxGenTest, AShortTacticsFileStopsTheProgramForTheRecordsItLacks) {
  OpenPak({{"TACTICS\\TACTICS.DAT", NumberedTactics(TACTICS_FILE_SIZE - 1)}});
  uint8_t record[TACTICS_RECORD_SIZE];
  GetComputerTactics(record, 38);
  EXPECT_FATAL(GetComputerTactics(record, 39), "holds 13199 bytes, too few for tactic 39");
}

TEST_F(GfxGenTest, StockRecordsShareOneBufferAndCustomOnesAreTheWorldsSlots) {
  const Bytes file = NumberedTactics();
  OpenPak({{"TACTICS\\TACTICS.DAT", file}});
  const uint8_t* first = GetTacticRecord(3);
  EXPECT_EQ(0, std::memcmp(first, file.data() + 3 * TACTICS_RECORD_SIZE, TACTICS_RECORD_SIZE));
  const uint8_t* second = GetTacticRecord(7);
  EXPECT_EQ(first, second);
  EXPECT_EQ(0, std::memcmp(first, file.data() + 7 * TACTICS_RECORD_SIZE, TACTICS_RECORD_SIZE));
  // 40 asks nothing of the file: it is custom slot 0.
  EXPECT_EQ(GetTacticRecord(40), SavePlaceholders.customTactics);
  EXPECT_EQ(GetTacticRecord(51), SavePlaceholders.customTactics + 11 * TACTICS_RECORD_SIZE);
  EXPECT_FATAL(GetTacticRecord(52), "GetTacticRecord\\(\\): tactic 52 is not 0-51");
  EXPECT_FATAL(GetTacticRecord(-1), "GetTacticRecord\\(\\): tactic -1 is not 0-51");
}

TEST_F(GfxGenTest, ClearCustomTacticsFreesEverySlotAndBothSelections) {
  std::memset(SavePlaceholders.customTactics, 0x55, sizeof SavePlaceholders.customTactics);
  SetTacticsDesignerSelection(0, 44);
  SetTacticsDesignerSelection(1, 12);
  for (int k = 0; k < NUM_CUSTOM_TACTICS; ++k) EXPECT_EQ(IsCustomTacticFree(k), 0);
  ClearCustomTactics();
  for (int k = 0; k < NUM_CUSTOM_TACTICS; ++k) {
    EXPECT_EQ(IsCustomTacticFree(k), 1) << k;
    const uint8_t* record = GetTacticRecord(static_cast<int16_t>(40 + k));
    EXPECT_EQ(Tactic_GetColumn(record, 1), -1);
    EXPECT_EQ(record[4], 0x55);  // only shirt 1's column is touched
    EXPECT_EQ(record[7], 0x55);
  }
  EXPECT_EQ(GetTacticsDesignerSelection(0), 0);
  EXPECT_EQ(GetTacticsDesignerSelection(1), 0);
}

TEST_F(GfxGenTest, TacticNamesComeFromFormationAndStyle) {
  const struct { int16_t n, formation, style; } cases[] = {
      {0, 267, 702},  {4, 267, 706},  {5, 268, 702},  {12, 269, 704}, {30, 583, 702},
      {39, 584, 706}, {40, 1302, -1}, {45, 1322, -1}, {49, 1326, -1}, {51, 1329, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetTacticFormationTextNo(c.n), c.formation) << c.n;
    EXPECT_EQ(GetTacticStyleTextNo(c.n), c.style) << c.n;
  }
  EXPECT_STREQ(GetTextNoAddr(GetTacticFormationTextNo(45)), "Custom 6");
  EXPECT_STREQ(GetTextNoAddr(GetTacticStyleTextNo(45)), "");
  EXPECT_STREQ(GetTextNoAddr(GetTacticFormationTextNo(39)), "4-2-4");
  EXPECT_STREQ(GetTextNoAddr(GetTacticStyleTextNo(39)), "Anchor Man");
  EXPECT_FATAL(GetTacticFormationTextNo(52), "tactic 52 is not 0-51");
  EXPECT_FATAL(GetTacticStyleTextNo(-3), "tactic -3 is not 0-51");
}

TEST_F(GfxGenTest, TheShippedTacticsKeepEveryPlayerOnTheGrid) {
  menutest::MountGeneratedHdPak();
  for (int16_t n = 0; n < NUM_STOCK_TACTICS; ++n) {
    SCOPED_TRACE(n);
    const uint8_t* r = GetTacticRecord(n);
    int keepers = 0;
    for (int k = 0; k < 11; ++k) {
      const uint8_t* slot = r + 30 * k;
      const int16_t column = Tactic_GetColumn(r, k + 1), row = Tactic_GetRow(r, k + 1);
      if (k == 0) {
        EXPECT_EQ(slot[0], 6);
        EXPECT_EQ(column, 7);
        EXPECT_TRUE(row == 0 || row == 1);
      } else {
        EXPECT_LE(slot[0], 5);
        EXPECT_TRUE(column >= 0 && column <= 14 && row >= 0 && row <= 17) << column << "," << row;
      }
      keepers += slot[0] == 6;
      const int16_t runX = LoadI16(slot + 9), runY = LoadI16(slot + 11);
      EXPECT_TRUE((runX == -1 && runY == -1) || (runX >= 0 && runX <= 14 && runY >= 0 && runY <= 17));
      EXPECT_EQ(slot[13], 31);
      for (int b = 14; b < 17; ++b) EXPECT_EQ(slot[b], 0);
      for (int b = 17; b < 30 && 30 * k + b < TACTICS_RECORD_SIZE; ++b) EXPECT_EQ(slot[b], 0xFF);
    }
    EXPECT_EQ(keepers, 1);
  }
}

// ---- the work palette ----

TEST_F(GfxGenTest, PaletteRampBlendsEachChannelTruncatingTowardZero) {
  uint8_t palette[256 * 3] = {};
  const uint32_t from = 63 | 10u << 8 | 0u << 16, to = 0 | 20u << 8 | 63u << 16;
  PaletteRamp(palette, 4, 7, from, to);
  const uint8_t expected[4][3] = {{63, 10, 0}, {42, 13, 21}, {21, 16, 42}, {0, 20, 63}};
  for (int i = 0; i < 4; ++i)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(palette[3 * (4 + i) + c], expected[i][c]) << i << "," << c;
  EXPECT_EQ(palette[3 * 3], 0);
  EXPECT_EQ(palette[3 * 8], 0);
  EXPECT_FATAL(PaletteRamp(palette, 250, 256, from, to), "PaletteRamp\\(\\): entries 250 to 256");
}

TEST_F(GfxGenTest, RampOneLeavesTheFirst128ColoursAlone) {
  GfxGenSetColourRamp(0, 40, 80, 120);
  std::vector<uint8_t> before(GfxGenWorkPalette(), GfxGenWorkPalette() + 128 * 3);
  GfxGenSetColourRamp(1, 200, 100, 252);
  EXPECT_EQ(0, std::memcmp(before.data(), GfxGenWorkPalette(), before.size()));
  const uint8_t* p = GfxGenWorkPalette();
  const uint8_t black[3] = {0, 0, 0}, colour[3] = {50, 25, 63}, light[3] = {47, 63, 58};
  EXPECT_EQ(0, std::memcmp(p + 3 * 128, black, 3));
  EXPECT_EQ(0, std::memcmp(p + 3 * 159, colour, 3));
  EXPECT_EQ(0, std::memcmp(p + 3 * 160, colour, 3));
  EXPECT_EQ(0, std::memcmp(p + 3 * 191, light, 3));
  // Ramp 0 took 64-127 and nothing else.
  const uint8_t colour0[3] = {10, 20, 30};
  EXPECT_EQ(0, std::memcmp(p + 3 * 95, colour0, 3));
  EXPECT_EQ(p[3 * 63], 0);
  EXPECT_FATAL(GfxGenSetColourRamp(2, 1, 2, 3), "GfxGenSetColourRamp\\(\\): no colour ramp 2");
}

// ---- the graphic ----

TEST_F(GfxGenTest, AGoodGraphicLoadsWithItsHeaderStrippedAndIsKeptUntilEvicted) {
  const Bytes pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  OpenBall(Gfx0(3, 2, 2, pixels), TestPalette());
  GfxGenEntry* e = GfxGenLoadGraphic(0);
  EXPECT_STREQ(e->name, "ball");
  EXPECT_EQ(e->width, 3);
  EXPECT_EQ(e->height, 2);
  EXPECT_EQ(e->frames, 2);
  ASSERT_NE(e->pixels, nullptr);
  ASSERT_NE(e->palette, nullptr);
  EXPECT_EQ(0, std::memcmp(e->pixels, pixels.data(), pixels.size()));
  EXPECT_EQ(e->palette[0], 63);
  uint8_t* kept = e->pixels;
  EXPECT_EQ(GfxGenLoadGraphic(0)->pixels, kept);
  // Evicted, it is loaded again on the next use.
  FreeAutoFreeMemory();
  EXPECT_EQ(e->pixels, nullptr);
  EXPECT_EQ(e->palette, nullptr);
  EXPECT_EQ(0, std::memcmp(GfxGenLoadGraphic(0)->pixels, pixels.data(), pixels.size()));
  EXPECT_FATAL(GfxGenLoadGraphic(1), "GfxGenLoadGraphic\\(\\): no general graphic 1");
}

TEST_F(GfxGenTest, ABadGraphicOrPaletteIsRefused) {
  const Bytes pixels(4 * 4, 1);
  const struct {
    Bytes gfx, pal;
    const char* message;
  } cases[] = {
      {Bytes{'G', 'F', 'X', '0', 4, 0}, TestPalette(), "GfxGenLoadGraphic\\(\\): invalid graphic"},
      {Gfx0(4, 4, 1, pixels, "GFX1"), TestPalette(), "GfxGenLoadGraphic\\(\\): invalid graphic"},
      {Gfx0(4, 4, 2, pixels), TestPalette(), "holds 32 bytes, not the 16 \\+ 4 x 4 x 2 of its header"},
      {Gfx0(4, 4, 1, Bytes(17, 1)), TestPalette(), "holds 33 bytes, not the 16 \\+ 4 x 4 x 1"},
      {Gfx0(0, 4, 1, Bytes()), TestPalette(), "holds 16 bytes, not the 16 \\+ 0 x 4 x 1"},
      {Gfx0(4, 4, 1, pixels), Bytes(191, 0), "'ball.pal' holds 191 bytes, not 192"},
      {Gfx0(4, 4, 1, pixels), Bytes(768, 0), "'ball.pal' holds 768 bytes, not 192"},
  };
  for (const auto& c : cases) {
    EXPECT_DEATH(
        {
          StdoutToStderr();
          OpenBall(c.gfx, c.pal);
          GfxGenLoadGraphic(0);
        },
        c.message);
  }
}

class GfxGenDrawTest : public GfxGenTest {
 protected:
  // A 2 x 2 frame: transparent, the palette's red, ramp 0's colour, ramp 1's light end.
  void DrawTestBall(int screenType) {
    menutest::OpenMenuScreen(screenType);
    OpenBall(Gfx0(2, 2, 2, {9, 9, 9, 9, 0, 1, 95, 191}), TestPalette());
    BufferFillRect(0, 0, 8, 8, 0x001F);  // blue underneath
    GfxGenSetColourRamp(0, 0, 252, 0);   // green
    GfxGenSetColourRamp(1, 0, 0, 0);
    GfxGenDrawGraphic(0, 1, 2, 3);
  }
  static uint32_t PixelAt(int x, int y) {
    const int bpp = MenuBytesPerPixel();
    const uint8_t* p = MenuBufferPixels() + (static_cast<size_t>(y) * MenuScreenWidth() + x) * bpp;
    uint32_t v = 0;
    for (int b = 0; b < bpp; ++b) v |= static_cast<uint32_t>(p[b]) << (8 * b);
    return v;
  }
};

TEST_F(GfxGenDrawTest, AFrameIsDrawnThroughTheWorkPaletteWithMagentaLeftOut) {
  DrawTestBall(1);
  EXPECT_EQ(PixelAt(2, 3), MenuPixelFromRGB565(0x001F));  // magenta: the blue stays
  EXPECT_EQ(PixelAt(3, 3), MenuPixelFromRGB565(0xF800));  // red
  EXPECT_EQ(PixelAt(2, 4), MenuPixelFromRGB565(0x07E0));  // the ramp's colour, green
  EXPECT_EQ(PixelAt(3, 4), MenuPixelFromRGB565(static_cast<uint16_t>((47 >> 1) << 11 | 63 << 5 | (58 >> 1))));
  EXPECT_EQ(PixelAt(4, 3), MenuPixelFromRGB565(0x001F));  // nothing past the image
  EXPECT_FATAL(GfxGenDrawGraphic(0, 2, 0, 0), "GfxGenDrawGraphic\\(\\): graphic 'ball' has no frame 2");
}

TEST_F(GfxGenDrawTest, InTheColourCubeMagentaIsLeftOutToo) {
  DrawTestBall(0);
  EXPECT_EQ(PixelAt(2, 3), MenuPixelFromRGB565(0x001F));
  EXPECT_EQ(PixelAt(3, 3), MenuPixelFromRGB565(0xF800));
  EXPECT_EQ(PixelAt(2, 4), MenuPixelFromRGB565(0x07E0));
}

TEST_F(GfxGenDrawTest, TheBadgeIsTheShippedBallInTheClubsHomeColours) {
  menutest::OpenMenuScreen(1);
  menutest::MountGeneratedHdPak();
  const int16_t club = 7;
  GfxGenDrawClubBadge(club, 24, 12, 52, 52);
  const uint8_t* design = GetHomeDesign(club);
  const uint8_t* p = GfxGenWorkPalette();
  for (int k = 0; k < 2; ++k) {
    const int colour = KitDesign_GetColour(design, k + 1);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(p[3 * (95 + 64 * k) + c], KitRGB[colour][c] >> 2) << k << "," << c;
  }
  const GfxGenEntry* e = GfxGenLoadGraphic(0);
  ASSERT_GT(e->width, 0);
  ASSERT_LE(e->width, 52);
  // The middle of the box is the ball; its corner stays as it was.
  EXPECT_NE(PixelAt(24 + 26, 12 + 26), 0u);
  EXPECT_EQ(PixelAt(24, 12), 0u);
  // Every pixel of the ball is transparent, its outline or a ramp colour.
  for (int i = 0; i < e->width * e->height; ++i) {
    const uint8_t index = e->pixels[i];
    EXPECT_TRUE(index <= 1 || (index >= 64 && index < 192)) << i << ": " << int{index};
  }
}

}  // namespace
