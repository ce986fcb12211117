// Menu icons and fonts: the icon map over the generated icon files, loading
// and reloading evicted files in each screen depth, the checks on icon
// numbers and damaged files, and text measured and drawn with its glyphs
// blended into the menu buffer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/colconv.h"
#include "engine/dxenum.h"
#include "engine/pakwrite.h"
#include "menus/menupc.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

using menutest::BuildDir;

Bytes ReadGenerated(const std::string& file) {
  const fs::path path = BuildDir() / "dataset" / "hd" / MENUGFX_DIR / file;
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A GFX0 file: the header, then the given pixel bytes.
Bytes Gfx0(int width, int height, int frames, const Bytes& pixels) {
  Bytes b(GFX0_HEADER_SIZE, 0);
  std::memcpy(b.data(), "GFX0", 4);
  b[GFX0_WIDTH_OFFSET] = static_cast<uint8_t>(width);
  b[GFX0_HEIGHT_OFFSET] = static_cast<uint8_t>(height);
  b[GFX0_FRAMES_OFFSET] = static_cast<uint8_t>(frames);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

class MenuIconsTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;

  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_icons");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  // The generated hard-disk pak as the game's only pak.
  static void OpenGeneratedPak() { menutest::MountGeneratedHdPak(); }
  // A pak of the given files only.
  static void OpenPak(const std::vector<PakWriteItem>& items) {
    fs::create_directories("pakfiles");
    std::string error;
    ASSERT_TRUE(PakWriteFiles("pakfiles/own", items, PAK_STORE_PLAIN, nullptr, &error)) << error;
    PakFileInit();
    PakFileAdd("pakfiles\\own");
    PakFileAddDone();
  }
  // A 640 x 480 screen of type 0 (256 colours), 1 (16-bit) or 3 (32-bit) and its menu buffer.
  static void Screen(int type) { menutest::OpenMenuScreen(type);
  }
  static uint32_t BufferPixel(int x, int y) {
    const uint8_t* p = MenuBufferPixels() + (y * 640 + x) * MenuBytesPerPixel();
    uint32_t v = 0;
    for (int i = 0; i < MenuBytesPerPixel(); ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
    return v;
  }
};

// ---- the icon map ----

TEST_F(MenuIconsTest, IconsAddressTheirFramesOfTheGeneratedFiles) {
  OpenGeneratedPak();
  Screen(1);
  InitIconLists();
  const struct {
    int icon;
    const char* file;
    int frame;
  } rows[] = {
      {1, "bigblock", 0}, {4, "radio", 1},     {88, "menush", 83},   {89, "i_sq2", 0},  {1204, "kit11", 99},
      {1219, "isoicons", 0}, {1313, "hourglas", 19}, {1436, "ig_iso", 10}, {1437, "wdisc", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.icon);
    const Bytes file = ReadGenerated(std::string(row.file) + ".gfx");
    ASSERT_GT(file.size(), static_cast<size_t>(GFX0_HEADER_SIZE));
    const int w = LoadU16(file.data() + GFX0_WIDTH_OFFSET), h = LoadU16(file.data() + GFX0_HEIGHT_OFFSET);
    int16_t width = 0, height = 0;
    GetIconSize(row.icon, &width, &height);
    EXPECT_EQ(width, w);
    EXPECT_EQ(height, h);
    // Every pixel of the frame, in the display's 16-bit format.
    const size_t pixels = static_cast<size_t>(w) * h;
    const uint8_t* from = file.data() + GFX0_HEADER_SIZE + 2 * pixels * row.frame;
    const uint8_t* icon = GetIconAddress(row.icon);
    int wrong = 0;
    for (size_t i = 0; i < pixels; ++i)
      wrong += LoadU16(icon + 2 * i) != ColConvPixel(LoadU16(from + 2 * i), ColFmt565, GfxScreen.colourFormat);
    EXPECT_EQ(wrong, 0);
    EXPECT_STREQ(GetIconText(row.icon), "");
  }
  EXPECT_TRUE(IconFileLoaded(MENU_ICON_FILE_COUNT));
  int16_t w = 0, h = 0;
  GetIconSize(ICON_MESSAGE_BOX, &w, &h);
  EXPECT_EQ(w, 440);
  EXPECT_EQ(h, 200);
}

TEST_F(MenuIconsTest, IconNumbersOutsideOneTo1437Stop) {
  OpenGeneratedPak();
  Screen(1);
  InitIconLists();
  int16_t w = 0, h = 0;
  for (int icon : {0, 1438, -1}) {
    SCOPED_TRACE(icon);
    const std::string number = std::to_string(icon);
    EXPECT_FATAL(GetIconAddress(icon), "Error: GetIconAddress\\(\\): Bad icon number: " + number);
    EXPECT_FATAL(GetIconSize(icon, &w, &h), "Error: GetIconSize\\(\\): Bad icon number: " + number);
  }
}

TEST_F(MenuIconsTest, AnEvictedFileIsLoadedAgainOnItsNextUse) {
  OpenGeneratedPak();
  Screen(1);
  InitIconLists();
  const Bytes first(GetIconAddress(1294), GetIconAddress(1294) + 2 * 24 * 24);
  EXPECT_TRUE(IconFileLoaded(44));
  FreeAutoFreeMemory();
  EXPECT_FALSE(IconFileLoaded(44));
  int16_t w = 0, h = 0;
  GetIconSize(1295, &w, &h);
  EXPECT_TRUE(IconFileLoaded(44));
  EXPECT_EQ(w, 24);
  EXPECT_EQ(std::memcmp(GetIconAddress(1294), first.data(), first.size()), 0);
}

TEST_F(MenuIconsTest, InTheColourCubeModeIconsBecomeOneByteIndicesWithTheKeyAtZero) {
  OpenGeneratedPak();
  Screen(0);
  ASSERT_TRUE(MenuIs256Colour());
  InitIconLists();
  const Bytes file = ReadGenerated("hourglas.gfx");
  const size_t frame = 7, pixels = 24 * 24;
  const uint8_t* icon = GetIconAddress(1294 + static_cast<int>(frame));
  int keyed = 0;
  for (size_t i = 0; i < pixels; ++i) {
    const uint16_t c = LoadU16(file.data() + GFX0_HEADER_SIZE + 2 * (frame * pixels + i));
    const uint8_t want = c == MENU_COLOUR_KEY ? 0 : ColConv565ToCubeIndex(c);
    keyed += c == MENU_COLOUR_KEY;
    ASSERT_EQ(icon[i], want) << i;
  }
  EXPECT_GT(keyed, 0);
}

TEST_F(MenuIconsTest, A32BitScreenGetsIconsInItsOwnFormat) {
  OpenGeneratedPak();
  Screen(3);
  ASSERT_EQ(MenuBytesPerPixel(), 4);
  InitIconLists();
  const Bytes file = ReadGenerated("bigblock.gfx");
  const uint8_t* icon = GetIconAddress(1);
  for (size_t i : {size_t{0}, size_t{1234}, size_t{440 * 200 - 1}}) {
    const uint16_t c = LoadU16(file.data() + GFX0_HEADER_SIZE + 2 * i);
    EXPECT_EQ(LoadU32(icon + 4 * i), ColConvPixel(c, ColFmt565, GfxScreen.colourFormat)) << i;
  }
}

// ---- damaged files ----

TEST_F(MenuIconsTest, DamagedIconFilesStopWithTheirMessages) {
  const Bytes good = Gfx0(2, 2, 1, Bytes(8, 0x11));
  Bytes untagged = good;
  untagged[3] = '1';
  Bytes shortFile = good;
  shortFile.pop_back();
  Bytes longFile = good;
  longFile.push_back(0);
  const struct {
    const char* what;
    Bytes file;
    const char* message;
  } cases[] = {
      {"no tag", untagged, "Error: LoadIconFile\\(\\): Bad icon file: 'menugfx.bigblock\\.gfx'"},
      {"shorter than its header", Bytes{'G', 'F', 'X', '0'}, "Bad icon file: 'menugfx.bigblock\\.gfx'"},
      {"a byte short", shortFile, "Error: LoadIconFile\\(\\): icon file 'menugfx.bigblock\\.gfx' is wrong size"},
      {"a byte long", longFile, "icon file 'menugfx.bigblock\\.gfx' is wrong size"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PakFileReset();
    fs::remove_all("pakfiles");
    OpenPak({{"MENUGFX\\BIGBLOCK.GFX", c.file}});
    EXPECT_FATAL(LoadIconFile(1), c.message);
  }
  // The good one loads, but its one frame is all it has.
  PakFileReset();
  fs::remove_all("pakfiles");
  OpenPak({{"MENUGFX\\BIGBLOCK.GFX", good}, {"MENUGFX\\RADIO.GFX", good}});
  Screen(1);
  InitIconLists();
  EXPECT_NE(GetIconAddress(1), nullptr);
  EXPECT_FATAL(GetIconAddress(4), "Error: GetIconAddress\\(\\): Bad index into icon file \\('radio' has 1 frames\\)");
}

// A font of 256 cells of w x h, every advance the given width.
struct FontFiles {
  Bytes sheet, widths;
};
FontFiles MakeFont(int w, int h, int advance) {
  FontFiles f;
  Bytes cells(static_cast<size_t>(MENU_FONT_GLYPHS) * MENU_FONT_BYTES_PER_PIXEL * w * h, 0);
  f.sheet = Gfx0(w, h, MENU_FONT_GLYPHS, cells);
  f.widths.assign(MENU_FONT_GLYPHS, static_cast<uint8_t>(advance));
  return f;
}

TEST_F(MenuIconsTest, DamagedFontFilesStop) {
  const FontFiles good = MakeFont(4, 5, 3);
  FontFiles untagged = good;
  untagged.sheet[0] = 'X';
  FontFiles shortSheet = good;
  shortSheet.sheet.resize(shortSheet.sheet.size() - 3);
  FontFiles shortWidths = good;
  shortWidths.widths.pop_back();
  FontFiles wide = good;
  wide.widths['W'] = 5;
  const struct {
    const char* what;
    FontFiles font;
  } cases[] = {
      {"no tag", untagged}, {"a short sheet", shortSheet}, {"255 widths", shortWidths}, {"an advance past its cell", wide}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PakFileReset();
    fs::remove_all("pakfiles");
    OpenPak({{"MENUGFX\\FNT16.GFX", c.font.sheet}, {"MENUGFX\\FNT16.WID", c.font.widths}});
    EXPECT_FATAL(LoadFont(1), "Error: LoadFont\\(\\): Bad font file");
  }
  PakFileReset();
  fs::remove_all("pakfiles");
  OpenPak({{"MENUGFX\\FNT16.GFX", good.sheet}, {"MENUGFX\\FNT16.WID", good.widths}});
  LoadFont(1);
  EXPECT_EQ(MenuFontCellWidth(1), 4);
  EXPECT_EQ(MenuFontCellHeight(1), 5);
}

// ---- text ----

struct IconCall {
  int icon;
  int32_t x, y;
};
std::vector<IconCall> gIconCalls;
void RecordIcon(int icon, int32_t x, int32_t y) { gIconCalls.push_back({icon, x, y}); }
void HalfSize(int icon, int32_t* w, int32_t* h) {
  int16_t w16 = 0, h16 = 0;
  GetIconSize(icon, &w16, &h16);
  *w = w16 / 2;
  *h = h16 / 2;
}

TEST_F(MenuIconsTest, StringsMeasureTheirAdvancesAndInlineIcons) {
  OpenGeneratedPak();
  Screen(1);
  InitIconLists();
  SetMenuFont(1);
  const Bytes widths = ReadGenerated("fnt16.wid");
  const int32_t cellHeight = LoadU16(ReadGenerated("fnt16.gfx").data() + GFX0_HEIGHT_OFFSET);
  auto adv = [&](const char* s) {
    int32_t total = 0;
    for (const char* p = s; *p; ++p) total += widths[static_cast<uint8_t>(*p)];
    return total;
  };
  int16_t iconW = 0, iconH = 0, disc = 0;
  GetIconSize(1219, &iconW, &iconH);
  GetIconSize(2, &disc, &iconH);
  int16_t radio = 0;
  GetIconSize(3, &radio, &iconH);
  MenuInlineIconSizer = HalfSize;  // menu units of a half-size screen
  const struct {
    const char* text;
    int32_t width;
  } cases[] = {
      {"", 0},
      {"Gafferon \xA3" "25", adv("Gafferon \xA3" "25")},
      {"$01", iconW / 2},
      {"a$00b", adv("ab") + disc / 2},
      {"$08$12", 2 * (radio / 2)},  // 08-12 are all icon 3
      {"$13", adv("$13")},  // past the table: plain characters
      {"$99x", adv("$99x")},
      {"$1", adv("$1")},
      {"$a12", adv("$a12")},
      {"$$01", adv("$") + iconW / 2},
  };
  for (const auto& c : cases) {
    int32_t w = -1, h = -1;
    MeasureFontString(c.text, &w, &h);
    EXPECT_EQ(w, c.width) << c.text;
    EXPECT_EQ(h, cellHeight) << c.text;
  }
}

TEST_F(MenuIconsTest, DrawingPlacesEachGlyphAndInlineIconAtThePen) {
  OpenGeneratedPak();
  Screen(1);
  InitIconLists();
  SetMenuFont(0);
  SetMenuTextColour(0);
  MenuInlineIconDrawer = RecordIcon;
  gIconCalls.clear();
  const Bytes widths = ReadGenerated("fnt12.wid");
  const int32_t cellHeight = LoadU16(ReadGenerated("fnt12.gfx").data() + GFX0_HEIGHT_OFFSET);
  int16_t iconW = 0, iconH = 0;
  GetIconSize(1225, &iconW, &iconH);
  FlushDirtyRects();
  DrawFontString("A$07B$5", 100, 50);
  const int32_t a = widths['A'], b = widths['B'], dollar = widths['$'];
  ASSERT_EQ(gIconCalls.size(), 1u);
  EXPECT_EQ(gIconCalls[0].icon, 1225);
  EXPECT_EQ(gIconCalls[0].x, 100 + a);
  EXPECT_EQ(gIconCalls[0].y, 50);
  // Each glyph marks its cell's drawn columns dirty at the pen.
  const struct {
    int32_t x, w;
  } glyphs[] = {{100, a}, {100 + a + iconW, b}, {100 + a + iconW + b, dollar},
                {100 + a + iconW + b + dollar, widths['5']}};
  ASSERT_EQ(DirtyRectCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(DirtyRects()[i].x, glyphs[i].x) << i;
    EXPECT_EQ(DirtyRects()[i].y, 50) << i;
    EXPECT_EQ(DirtyRects()[i].width, glyphs[i].w) << i;
    EXPECT_EQ(DirtyRects()[i].height, cellHeight) << i;
  }
  // White text on black: the glyph's fully covered pixels are white.
  int white = 0;
  for (int y = 50; y < 50 + cellHeight; ++y)
    for (int x = 100; x < 100 + a; ++x) white += BufferPixel(x, y) == MenuPixelFromRGB565(0xFFFF);
  EXPECT_GT(white, 0);
}

TEST_F(MenuIconsTest, AnEvictedFontIsLoadedAgainForTheNextString) {
  OpenGeneratedPak();
  Screen(1);
  SetMenuFont(2);
  int32_t before = 0, after = 0, h = 0;
  MeasureFontString("Transfer", &before, &h);
  FreeAutoFreeMemory();
  MeasureFontString("Transfer", &after, &h);
  EXPECT_GT(before, 0);
  EXPECT_EQ(after, before);
  DrawFontString("Transfer", 0, 0);
  EXPECT_GT(DirtyRectCount(), 0);
}

// ---- glyph blending ----

// One row of glyph source pixels with the given coverages (3 bytes each).
Bytes GlyphRow(std::initializer_list<uint8_t> coverage) {
  Bytes b;
  for (uint8_t a : coverage) b.insert(b.end(), {a, 0x55, 0xAA});
  return b;
}

TEST_F(MenuIconsTest, GlyphsBlendEachChannelInDirectModes) {
  for (int type : {1, 3}) {
    SCOPED_TRACE(type);
    ResetEngine();
    InitMemory(9500);
    Screen(type);
    const ColFmt& fmt = GfxScreen.colourFormat;
    const struct {
      uint16_t ground;
      int colour;  // text colour index
      uint8_t coverage;
      uint32_t r, g, b;  // the 24-bit result before packing
    } cases[] = {
        {0x0000, 0, 0, 0, 0, 0},          // nothing covered: the ground stays
        {0x0000, 0, 255, 255, 255, 255},  // fully covered: the text colour itself
        {0x0000, 0, 128, 127, 127, 127},
        {0xFFFF, 2, 100, 155, 155, 155},  // 255 - 99.6 rounds down with the arithmetic shift
        {0xF800, 3, 64, 191, 0, 63},      // red ground, blue text
    };
    for (const auto& c : cases) {
      BufferFillRect(0, 0, 8, 8, c.ground);
      SetMenuTextColour(c.colour);
      const Bytes src = GlyphRow({c.coverage, 0});
      BufferDrawGlyph(3, 4, 1, 1, src.data(), 0);
      EXPECT_EQ(BufferPixel(3, 4), ColConvRGBA2Pixel(fmt, c.r, c.g, c.b, 0)) << int(c.coverage);
      EXPECT_EQ(BufferPixel(4, 4), MenuPixelFromRGB565(c.ground));
    }
  }
}

TEST_F(MenuIconsTest, GlyphsTakeOneOfSevenShadesInTheColourCubeMode) {
  Screen(0);
  BufferFillRect(0, 0, 16, 4, 0x001F);
  const uint8_t ground = ColConv565ToCubeIndex(0x001F);
  SetMenuTextColour(0);  // white: shade i of each channel is i / 6 of it
  const struct {
    uint8_t coverage;
    int shade;  // -1 leaves the ground
  } cases[] = {{0, -1}, {36, -1}, {37, 1}, {73, 1}, {74, 2}, {128, 3}, {219, 5}, {220, 6}, {255, 6}};
  Bytes src;
  for (const auto& c : cases) {
    const Bytes px = GlyphRow({c.coverage});
    src.insert(src.end(), px.begin(), px.end());
  }
  BufferDrawGlyph(2, 1, static_cast<int32_t>(std::size(cases)), 1, src.data(), 0);
  int i = 0;
  for (const auto& c : cases) {
    uint8_t want = ground;
    if (c.shade >= 0) {
      const uint32_t s = static_cast<uint32_t>(c.shade);
      want = ColConv565ToCubeIndex(static_cast<uint16_t>((31 * s / 6) << 11 | (63 * s / 6) << 5 | (31 * s / 6)));
    }
    EXPECT_EQ(BufferPixel(2 + i, 1), want) << int(c.coverage);
    ++i;
  }
  EXPECT_EQ(ColConv565ToCubeIndex(0xFFFF), BufferPixel(2 + 8, 1));
}

TEST_F(MenuIconsTest, AGlyphCrossingTheScreenEdgeIsNotDrawn) {
  Screen(1);
  SetMenuTextColour(0);
  // Two rows of two full-coverage pixels, a skipped pixel after each row.
  const Bytes src = GlyphRow({255, 255, 0, 255, 255, 0});
  const uint32_t white = MenuPixelFromRGB565(0xFFFF);
  const struct {
    int32_t x, y, w, h;
    bool drawn;
  } cases[] = {
      {638, 478, 2, 2, true}, {639, 10, 2, 2, false}, {10, 479, 2, 2, false},
      {-1, 10, 2, 2, false},  {10, -1, 2, 2, false},  {10, 10, 0, 2, false}, {10, 10, 2, 0, false},
  };
  for (const auto& c : cases) {
    BufferFillRect(0, 0, 640, 480, 0x0000);
    FlushDirtyRects();
    BufferDrawGlyph(c.x, c.y, c.w, c.h, src.data(), 3);
    EXPECT_EQ(DirtyRectCount(), c.drawn ? 1 : 0) << c.x << "," << c.y;
    if (c.drawn) {
      EXPECT_EQ(BufferPixel(c.x + 1, c.y + 1), white);
    }
  }
  // The skip moves to the next source row.
  BufferFillRect(0, 0, 8, 8, 0x0000);
  const Bytes skipped = GlyphRow({255, 0, 0, 0, 255, 0});
  BufferDrawGlyph(0, 0, 2, 2, skipped.data(), 3);
  EXPECT_EQ(BufferPixel(0, 0), white);
  EXPECT_EQ(BufferPixel(1, 0), 0u);
  EXPECT_EQ(BufferPixel(0, 1), 0u);
  EXPECT_EQ(BufferPixel(1, 1), white);
}

}  // namespace
