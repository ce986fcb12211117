#include "render256/swscreen.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "gamecode/matchrec.h"
#include "render256/swground.h"
#include "generic/matchctrl.h"
#include "render256/playernames.h"
#include "render256/swcamera.h"
#include "render256/vidopt.h"
#include "support/engine_fixture.h"
#include "support/font_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"
#include "support/built_game.h"

namespace {

using Bytes = std::vector<uint8_t>;

class SwScreenTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_swscreen");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  static void OpenPak(const std::vector<PakWriteItem>& items) { OpenTestPak(items); }
  static void SetPaletteEntry(int i, int r, int g, int b) {
    GamePalette[i * 3] = static_cast<uint8_t>(r);
    GamePalette[i * 3 + 1] = static_cast<uint8_t>(g);
    GamePalette[i * 3 + 2] = static_cast<uint8_t>(b);
  }
  static void FillPalette(int r, int g, int b) {
    for (int i = 0; i < 256; ++i) SetPaletteEntry(i, r, g, b);
  }
  static void SetDisplayMode(int16_t mode) {
    uint8_t* setup = GetMatchSetupRecord();
    setup[SETUP_DISPLAY_MODE] = static_cast<uint8_t>(mode & 0xFF);
    setup[SETUP_DISPLAY_MODE + 1] = static_cast<uint8_t>((mode >> 8) & 0xFF);
  }
};

// A palette file whose entry i is (i, 255 - i, i ^ 0x55), tagged by `tag` in red.
Bytes PalFile(uint8_t tag, size_t size = 768) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) {
    const size_t entry = i / 3;
    b[i] = static_cast<uint8_t>(i % 3 == 0 ? (entry + tag) : i % 3 == 1 ? 255 - entry : entry ^ 0x55);
  }
  return b;
}

TEST_F(SwScreenTest, TheGreyRampsComeFromTheWeightedBrightness) {
  struct Case {
    int r, g, b;
    int table3;
  };
  // L = (trunc(0.5 g) + trunc(0.3 r) + trunc(0.2 b)) x 12 / 64.
  const Case cases[] = {
      {0, 0, 0, 59},        // black: the top of the ramp
      {255, 255, 255, 11},  // white: 127 + 76 + 51 = 254, L 47.625
      {0, 64, 0, 53},       // L 6
      {100, 0, 0, 53},      // L 5.625
      {0, 0, 100, 55},      // L 3.75
      {30, 0, 0, 57},       // L 1.6875
  };
  FillPalette(0, 0, 0);
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
    SetPaletteEntry(i + 1, cases[i].r, cases[i].g, cases[i].b);
  BuildColourLUTs();
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
    EXPECT_EQ(GetColourLUT(3)[i + 1], cases[i].table3) << i;
    EXPECT_EQ(GetColourLUT(4)[i + 1], cases[i].table3 + 44) << i;
  }
  EXPECT_EQ(ShadowColour, 32);

  // Over any palette the ramps stay within 11-59 and 55-103.
  std::mt19937 rng(25);
  for (int round = 0; round < 20; ++round) {
    for (uint8_t& c : GamePalette) c = static_cast<uint8_t>(rng() & 0xFF);
    BuildColourLUTs();
    for (int i = 0; i < 256; ++i) {
      EXPECT_GE(GetColourLUT(3)[i], 11);
      EXPECT_LE(GetColourLUT(3)[i], 59);
      EXPECT_GE(GetColourLUT(4)[i], 55);
      EXPECT_LE(GetColourLUT(4)[i], 103);
    }
  }
}

TEST_F(SwScreenTest, TheNearestColourWeighsGreenMostAndTiesGoToTheLowerIndex) {
  struct Case {
    std::vector<std::pair<int, std::array<int, 3>>> entries;  // over a palette all (200, 200, 200)
    std::array<int, 3> target;
    int nearest;
  };
  const Case cases[] = {
      {{{9, {15, 0, 0}}, {3, {5, 0, 0}}}, {10, 0, 0}, 3},   // equal distance 75: the lower index
      {{{3, {15, 0, 0}}, {9, {5, 0, 0}}}, {10, 0, 0}, 3},   // the same with the entries swapped
      {{{2, {0, 4, 0}}, {5, {5, 0, 0}}}, {0, 0, 0}, 5},     // green 4 costs 80, red 5 only 75
      {{{2, {0, 0, 6}}, {5, {5, 0, 0}}}, {0, 0, 0}, 2},     // 2 x 36 = 72 < 75
      {{{0, {0, 0, 0}}, {1, {0, 0, 0}}}, {0, 0, 0}, 0},     // entry 0 takes part
      {{}, {0, 0, 0}, 0},                                   // all equal: entry 0
  };
  for (const Case& c : cases) {
    FillPalette(200, 200, 200);
    for (const auto& [i, rgb] : c.entries) SetPaletteEntry(i, rgb[0], rgb[1], rgb[2]);
    EXPECT_EQ(FindNearestColour(c.target[0], c.target[1], c.target[2], GamePalette), c.nearest);
  }
}

TEST_F(SwScreenTest, TheShadeTablesScaleEachComponentAndTruncate) {
  FillPalette(250, 250, 250);
  SetPaletteEntry(0, 0, 0, 0);
  SetPaletteEntry(10, 200, 100, 40);  // the colour the tables shade
  SetPaletteEntry(11, 50, 25, 10);    // x 0.25
  SetPaletteEntry(12, 100, 50, 20);   // x 0.5
  SetPaletteEntry(13, 150, 75, 30);   // x 0.75
  SetPaletteEntry(14, 200, 0, 0);     // (max, 0, 0)
  SetPaletteEntry(15, 200, 200, 0);   // (max, max, 0)
  SetPaletteEntry(20, 1, 0, 0);       // 3 x 0.25 truncates to 0: entry 0 is exact
  SetPaletteEntry(21, 1, 1, 1);
  BuildColourLUTs();
  const std::pair<int, int> expected[] = {{0, 11}, {1, 12}, {2, 13}, {5, 14}, {6, 15}};
  for (const auto& [t, entry] : expected) EXPECT_EQ(GetColourLUT(t)[10], entry) << "table " << t;
  for (int t = 0; t < 3; ++t) EXPECT_EQ(GetColourLUT(t)[20], 0) << t;
  // Each table on its own 256-byte boundary, one after the other.
  for (int t = 0; t < 7; ++t) {
    EXPECT_EQ(reinterpret_cast<uintptr_t>(GetColourLUT(t)) % 256, 0u);
    EXPECT_EQ(GetColourLUT(t), GetColourLUT(0) + 256 * t);
  }
  EXPECT_FATAL(GetColourLUT(7), "GetColourLUT\\(\\): no table 7");
}

TEST_F(SwScreenTest, ThePaletteRangesOverwriteTheirEntriesOnly) {
  OpenPak({{"PALETTES\\INGAME\\MASTER.PAL", PalFile(0)},
           {"PALETTES\\INGAME\\SKINHAIR.PAL", PalFile(1)},
           {"PALETTES\\INGAME\\STAD.PAL", PalFile(2)},
           {"PALETTES\\KITS\\KIT00.PAL", PalFile(3)},
           {"PALETTES\\KITS\\KIT19.PAL", PalFile(4)}});
  FillPalette(7, 7, 7);
  SetupGamePalette();
  struct Case {
    int entry, tag;
  };
  // (The kit colours, 48-155 but 59 and 103, have a test of their own.)
  const Case cases[] = {{1, 0},  {9, 0},   {10, 1},  {15, 1},  {16, 0},  {47, 0},
                        {59, 0}, {103, 0}, {156, 1}, {221, 1}, {222, 2}, {254, 2}};
  for (const Case& c : cases) {
    EXPECT_EQ(GamePalette[c.entry * 3], static_cast<uint8_t>(c.entry + c.tag)) << c.entry;
    EXPECT_EQ(GamePalette[c.entry * 3 + 1], 255 - c.entry) << c.entry;
  }
  // Entries 0 and 255 are not loaded.
  for (int entry : {0, 255}) EXPECT_EQ(GamePalette[entry * 3], 7) << entry;
  EXPECT_FATAL(SetupGamePalette(), "SetupGamePalette\\(\\): tried to re-allocate LUTs");
}

TEST_F(SwScreenTest, APaletteFileOfTheWrongSizeStopsWithItsName) {
  for (size_t size : {767u, 769u, 0u}) {
    OpenPak({{"PALETTES\\INGAME\\MASTER.PAL", PalFile(0)},
             {"PALETTES\\INGAME\\SKINHAIR.PAL", PalFile(1, size)},
             {"PALETTES\\INGAME\\STAD.PAL", PalFile(2)}});
    EXPECT_FATAL(SetupGamePalette(), "skinhair.pal' holds " + std::to_string(size) + " bytes, not 768");
    PakFileUninit();
  }
}

TEST_F(SwScreenTest, PreparingTakesTheMatchModeAndEmptiesTheEffectQueue) {
  OpenPak({{"PALETTES\\INGAME\\MASTER.PAL", PalFile(0)},
           {"PALETTES\\INGAME\\SKINHAIR.PAL", PalFile(1)},
           {"PALETTES\\INGAME\\STAD.PAL", PalFile(2)},
           {"PALETTES\\KITS\\KIT00.PAL", PalFile(3)},
           {"PALETTES\\KITS\\KIT19.PAL", PalFile(4)}});
  MatchScreenMode = 5;
  EffectQueue_Add(100, 200, 1.0f, 0, GROUND_EFFECT_BODY);
  ASSERT_TRUE(EffectQueue_Get(0)->active);
  PrepareGamePalette();
  EXPECT_EQ(ScreenModeIndex, 5);
  EXPECT_FALSE(EffectQueue_Get(0)->active);
}

TEST_F(SwScreenTest, AScreen1024HighOpensAnd1025HighIsFatal) {
  OpenPak(FontFiles("fnt12w", 3, 2, 256, 4));
  SetDisplayMode(2);
  OpenGameScreen(1280, 1024);
  GfxBuffer* screen = GetGameScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->width, 1280 + 128);
  EXPECT_EQ(screen->height, 1024 + 128);
  ASSERT_NE(GetPlayerNameStrip().buffer, nullptr);
  EXPECT_EQ(GetPlayerNameStrip().buffer->height, 2);
  // The 3D view is the buffer at the screen's size.
  EXPECT_EQ(ViewScreen.screen, screen);
  EXPECT_EQ(ViewScreen.width, 1280);
  EXPECT_EQ(ViewScreen.height, 1024);
  EXPECT_EQ(ViewScreen.stride, screen->stride);
  // The projection: centred on the buffer, scales from the view size.
  EXPECT_DOUBLE_EQ(SoftwareProjection.centreX16, 8.0 * 1408);
  EXPECT_DOUBLE_EQ(SoftwareProjection.centreY16, 8.0 * 1152);
  EXPECT_DOUBLE_EQ(SoftwareProjection.scaleX, 1280 * 0.667 * 3 * 0.25);
  EXPECT_DOUBLE_EQ(SoftwareProjection.scaleY16, 1024 * 8.0);
  EXPECT_FATAL(OpenGameScreen(1280, 1025), "InitScreenResolution\\(\\): CurrentScreenHeight > LARGESTSCREENHEIGHT!");
}

TEST_F(SwScreenTest, OtherDisplayModesKeepOrTakeTheirCentre) {
  OpenPak(FontFiles("fnt12w", 3, 2, 256, 4));
  SetDisplayMode(0);
  SetCameraProjection(10, 10, 123.0, 456.0);
  OpenGameScreen(640, 480);
  EXPECT_DOUBLE_EQ(SoftwareProjection.centreX16, 123.0);
  EXPECT_DOUBLE_EQ(SoftwareProjection.centreY16, 456.0);
  EXPECT_EQ(SoftwareProjection.screenWidth, 640);
  SetDisplayMode(1);
  GfxScreen.width = 800;
  GfxScreen.height = 600;
  UpdateScreenProjection();
  EXPECT_DOUBLE_EQ(SoftwareProjection.centreX16, 6400.0);
  EXPECT_DOUBLE_EQ(SoftwareProjection.centreY16, 4800.0);
}

TEST_F(SwScreenTest, ScreenSizeClasses) {
  struct Case {
    int32_t width, height;
    int sizeClass;
  };
  const Case cases[] = {{1024, 768, 2}, {641, 384, 2}, {640, 480, 1}, {500, 384, 1}, {499, 384, 0}, {320, 200, 0}};
  for (const Case& c : cases) {
    ScreenWidth = c.width;
    ScreenHeight = c.height;
    EXPECT_EQ(GetScreenSizeClass(), c.sizeClass) << c.width << " x " << c.height;
  }
}

TEST_F(SwScreenTest, StepScreenModeWrapsAndSkipsUnusableModes) {
  const GfxMode ok8{640, 480, 1, 0, 0, 0};
  const GfxMode hicolour{800, 600, 2, 1, 0, 0};
  const GfxMode small8{320, 200, 1, 0, 0, 0};
  const GfxMode tall8{1280, 1200, 1, 0, 0, 0};
  const GfxMode wide8{2560, 1024, 1, 0, 0, 0};
  const GfxMode edge8{2048, 1024, 1, 0, 0, 0};
  const GfxMode low8{512, 384, 1, 0, 0, 0};
  struct Case {
    std::vector<GfxMode> modes;
    int16_t start;
    int step;
    int16_t expected;
  };
  const Case cases[] = {
      {{ok8, hicolour, small8, low8, tall8, wide8}, 3, +1, 0},  // past the end: wraps to 0
      {{small8, hicolour, ok8, low8, edge8}, 4, +1, 2},         // wraps, then skips 0 and 1
      {{ok8, hicolour, low8, edge8}, 0, -1, 3},                 // from 0 backwards: the last
      {{ok8, hicolour, low8, tall8, wide8}, 0, -1, 2},          // ... skipping unusable ones
      {{ok8, small8, hicolour, low8}, 0, +1, 3},
      {{ok8}, 0, +1, 0},                                        // the only mode
      {{small8, hicolour, tall8, wide8}, 2, +1, 2},             // none usable: kept
      {{small8, hicolour, tall8, wide8}, 1, -1, 1},
  };
  for (const Case& c : cases) {
    GfxModeCount = static_cast<uint16_t>(c.modes.size());
    for (size_t i = 0; i < c.modes.size(); ++i) GfxModeList[i] = c.modes[i];
    ScreenModeIndex = c.start;
    StepScreenMode(c.step);
    EXPECT_EQ(ScreenModeIndex, c.expected) << "from " << c.start << " step " << c.step;
  }
  GfxModeCount = 0;
}

// The first match takes the software renderer's stored mode, or the
// smallest 8-bit mode of 640 x 480 or more when a 3D device is chosen or the
// stored mode does not suit the match.
TEST_F(SwScreenTest, TheFirstMatchModeComesFromTheVideoOptions) {
  const GfxMode hicolour{640, 480, 2, 1, 0, 0};
  const GfxMode big8{1024, 768, 1, 0, 0, 0};
  const GfxMode vga8{640, 480, 1, 0, 0, 0};
  const GfxMode small8{320, 200, 1, 0, 0, 0};
  const std::vector<GfxMode> modes = {hicolour, big8, small8, vga8};
  GfxModeCount = static_cast<uint16_t>(modes.size());
  for (size_t i = 0; i < modes.size(); ++i) GfxModeList[i] = modes[i];
  struct Case {
    int32_t device, mode;
    int16_t expected;
  };
  const Case cases[] = {{-1, 1, 1}, {-1, 3, 3}, {0, 1, 3}, {-1, 0, 3}, {-1, 2, 3}, {-1, -1, 3}, {-1, 9, 3}};
  for (const Case& c : cases) {
    VideoConfig_SetDevice(c.device);
    VideoConfig_SetMode(c.mode);
    EXPECT_EQ(FirstMatchScreenMode(), c.expected) << c.device << " " << c.mode;
  }
  EXPECT_EQ(MatchScreenMode, -1);  // asking chooses nothing before the first match
  GfxModeCount = 0;
}

// The data set's palettes: the grey ramps land on themselves, black at the
// dark end of each ramp and white at the light end.
TEST_F(SwScreenTest, TheDataSetPalettesGiveGreyRampsTheTablesPointInto) {
  OpenBuiltHardDiskPak();
  // The in-game ranges alone: the match paints the kit colours over 48-155.
  for (int i = 0; GamePaletteRanges[i].name[0] != 0; ++i) LoadPaletteRange(GamePaletteRanges[i]);
  BuildColourLUTs();
  // Each grey of the two ramps is shaded onto itself.
  for (int entry = 16; entry <= 103; ++entry) {
    if (entry == 28 || entry == 29 || entry == 32) continue;  // world colour, radar ball, shadow
    const int table = entry <= 54 ? 3 : 4;
    const int v = GamePalette[entry * 3];
    EXPECT_EQ(GamePalette[entry * 3 + 1], v) << entry;
    EXPECT_EQ(GetColourLUT(table)[entry], entry) << "grey " << v;
  }
  EXPECT_EQ(GetColourLUT(3)[54], 54);
  EXPECT_EQ(GamePalette[103 * 3], 0);  // black at the dark end
  PakFileUninit();
}

TEST_F(SwScreenTest, TheKitPalettesPaintBothSidesAndTheOfficials) {
  std::vector<PakWriteItem> items = {{"PALETTES\\INGAME\\MASTER.PAL", PalFile(0)},
                                     {"PALETTES\\INGAME\\SKINHAIR.PAL", PalFile(1)},
                                     {"PALETTES\\INGAME\\STAD.PAL", PalFile(2)}};
  for (int colour = 0; colour < 40; ++colour) {
    char name[40];
    std::snprintf(name, sizeof name, "PALETTES\\KITS\\KIT%02d.PAL", colour);
    items.push_back({name, PalFile(static_cast<uint8_t>(colour), colour == 30 ? 700 : 768)});
  }
  OpenPak(items);
  // Colour slots 1, 2, 3 and 5 (the keeper's) of each side's kit.
  const int colours[2][4] = {{4, 7, 9, 11}, {20, 21, 22, 23}};
  const int offsets[4] = {16, 18, 20, 34};
  auto setColours = [&](int side, const int (&c)[4]) {
    uint8_t* kit = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_KIT;
    for (int k = 0; k < 4; ++k) {
      kit[offsets[k]] = static_cast<uint8_t>(c[k] & 0xFF);
      kit[offsets[k] + 1] = static_cast<uint8_t>((c[k] >> 8) & 0xFF);
    }
  };
  setColours(0, colours[0]);
  setColours(1, colours[1]);
  LoadKitPalettes();
  struct Case {
    int entry, fileEntry, colour;
  };
  const Case cases[] = {{48, 48, 4},    {58, 58, 4},    {92, 48, 20},   {102, 58, 20},  {60, 60, 7},   {71, 71, 7},
                        {104, 60, 21},  {115, 71, 21},  {72, 72, 9},    {80, 80, 9},    {116, 72, 22}, {124, 80, 22},
                        {81, 81, 11},   {91, 91, 11},   {125, 81, 23},  {135, 91, 23},  {152, 152, 11}, {153, 153, 11},
                        {154, 152, 23}, {155, 153, 23}, {136, 48, 19},  {143, 55, 19},  {144, 48, 19}, {151, 55, 19}};
  for (const Case& c : cases) {
    EXPECT_EQ(GamePalette[c.entry * 3], static_cast<uint8_t>(c.fileEntry + c.colour)) << c.entry;
    EXPECT_EQ(GamePalette[c.entry * 3 + 1], 255 - c.fileEntry) << c.entry;
  }
  const int outside[2][4] = {{4, 7, 40, 11}, {4, 7, 9, -1}};
  setColours(0, outside[0]);
  EXPECT_FATAL(LoadKitPalettes(), "LoadKitPalettes\\(\\): side 1 kit colour 3 is 40, not one of the 40");
  setColours(0, outside[1]);
  EXPECT_FATAL(LoadKitPalettes(), "side 1 kit colour 5 is -1");
  const int shortFile[4] = {30, 7, 9, 11};
  setColours(0, shortFile);
  EXPECT_FATAL(LoadKitPalettes(), "kit30.pal' holds 700 bytes, not 768");
}

}  // namespace
