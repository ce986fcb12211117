// The menu graphics table and the files the data set holds for it: every icon
// file with its frame count and exact size, the fonts with their advances and
// coverage, the backgrounds, and all of them read back through the game's
// pak reader from the built hard-disk pak.
#include "menus/menugfx_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"

namespace {

using menutest::BuildDir;

std::vector<uint8_t> ReadMenuGfx(const std::string& file) {
  const std::filesystem::path path = BuildDir() / "dataset" / "hd" / MENUGFX_DIR / file;
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) return {};
  return bytes;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct Gfx0 {
  bool ok = false;
  int width = 0, height = 0, frames = 0;
};

// The header of a GFX0 file: the magic, the three numbers and the zeros after them.
Gfx0 ReadHeader(const std::vector<uint8_t>& bytes) {
  Gfx0 h;
  if (bytes.size() < static_cast<size_t>(GFX0_HEADER_SIZE) || std::memcmp(bytes.data(), "GFX0", 4) != 0) return h;
  for (int i = GFX0_FRAMES_OFFSET + 2; i < GFX0_HEADER_SIZE; ++i)
    if (bytes[i] != 0) return h;
  h.width = LoadU16(bytes.data() + GFX0_WIDTH_OFFSET);
  h.height = LoadU16(bytes.data() + GFX0_HEIGHT_OFFSET);
  h.frames = LoadU16(bytes.data() + GFX0_FRAMES_OFFSET);
  h.ok = true;
  return h;
}

TEST(MenuGfxTable, FirstIconNumbersOfTheFiles) {
  struct Row {
    int entry;
    const char* name;
    int first;
  };
  const Row rows[] = {
      {1, "bigblock", 1},   {2, "blankico", 2},  {3, "radio", 3},      {4, "menush", 5},     {5, "i_sq2", 89},
      {6, "tube2", 102},    {7, "reddisc2", 104}, {8, "kit1", 105},    {9, "kit2", 205},     {18, "kit11", 1105},
      {19, "arrotick", 1205}, {23, "isoicons", 1219}, {30, "digifont", 1237}, {32, "squares2", 1249},
      {33, "england", 1250}, {40, "spain", 1285}, {41, "shootout", 1290}, {43, "mouse", 1293},
      {44, "hourglas", 1294}, {45, "smarrow", 1314}, {54, "digibck", 1338}, {57, "PerfDisc", 1347},
      {58, "poohole", 1357}, {61, "NegClock", 1360}, {65, "PSquares", 1390}, {70, "ig_iso", 1426},
      {71, "wdisc", 1437},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_STREQ(MenuIconFiles[row.entry].name, row.name);
    EXPECT_EQ(MenuIconFirstNumber(row.entry), row.first);
  }
  // The four files named by this game take 1339-1346 and 1358-1359.
  EXPECT_EQ(MenuIconFirstNumber(55), 1339);
  EXPECT_EQ(MenuIconFirstNumber(56), 1343);
  EXPECT_EQ(MenuIconFirstNumber(59), 1358);
  EXPECT_EQ(MenuIconFirstNumber(60), 1359);
  EXPECT_EQ(MenuIconFiles[0].name, nullptr);
  EXPECT_EQ(MenuIconFiles[0].frames, 1);
  EXPECT_EQ(MenuIconFiles[MENU_ICON_FILE_COUNT + 1].frames, 0);
}

TEST(MenuGfxTable, NamesAreUniqueShortAndPresent) {
  std::set<std::string> names;
  for (int entry = 1; entry <= MENU_ICON_FILE_COUNT; ++entry) {
    ASSERT_NE(MenuIconFiles[entry].name, nullptr) << entry;
    ASSERT_GT(MenuIconFiles[entry].frames, 0) << entry;
    EXPECT_LE(std::strlen(MenuIconFiles[entry].name), 8u) << MenuIconFiles[entry].name;
    EXPECT_TRUE(names.insert(Lower(MenuIconFiles[entry].name)).second) << MenuIconFiles[entry].name;
  }
  for (const char* font : MenuFontNames) EXPECT_TRUE(names.insert(Lower(font)).second) << font;
  std::set<std::string> backgrounds;
  for (int n = 0; n < MENU_BACKGROUND_COUNT; ++n) {
    ASSERT_NE(MenuBackgroundNames[n], nullptr) << n;
    EXPECT_LE(std::strlen(MenuBackgroundNames[n]), 8u);
    EXPECT_TRUE(backgrounds.insert(Lower(MenuBackgroundNames[n])).second) << MenuBackgroundNames[n];
  }
  EXPECT_EQ(MenuBackgroundNames[MENU_BACKGROUND_COUNT], nullptr);
}

TEST(MenuGfxData, EveryIconFileHasItsFramesAndExactSize) {
  for (int entry = 1; entry <= MENU_ICON_FILE_COUNT; ++entry) {
    const MenuIconFile& file = MenuIconFiles[entry];
    SCOPED_TRACE(file.name);
    const std::vector<uint8_t> bytes = ReadMenuGfx(std::string(file.name) + ".gfx");
    const Gfx0 h = ReadHeader(bytes);
    ASSERT_TRUE(h.ok);
    EXPECT_EQ(h.frames, file.frames);
    ASSERT_GT(h.width, 0);
    ASSERT_GT(h.height, 0);
    const size_t frameBytes = 2u * h.width * h.height;
    ASSERT_EQ(bytes.size(), GFX0_HEADER_SIZE + frameBytes * h.frames);
    // Each frame shows its own number: no two neighbouring frames are alike,
    // and each has drawn pixels as well as the colour key's. The blank icon
    // is the exception: it is all colour key.
    const bool blank = std::strcmp(file.name, "blankico") == 0;
    for (int f = 0; f < h.frames; ++f) {
      const uint8_t* frame = bytes.data() + GFX0_HEADER_SIZE + f * frameBytes;
      int keyed = 0;
      for (size_t i = 0; i < frameBytes; i += 2) keyed += LoadU16(frame + i) == MENU_COLOUR_KEY;
      if (blank) {
        EXPECT_EQ(keyed, h.width * h.height) << "frame " << f;
        continue;
      }
      EXPECT_LT(keyed, h.width * h.height) << "frame " << f;
      if (f > 0) {
        EXPECT_NE(std::memcmp(frame, frame - frameBytes, frameBytes), 0) << "frame " << f;
      }
    }
  }
}

TEST(MenuGfxData, IconsWithFixedSizes) {
  struct Row {
    const char* file;
    int width, height;
  };
  const Row rows[] = {{"bigblock", 440, 200}, {"hourglas", 24, 24}};
  for (const Row& row : rows) {
    const Gfx0 h = ReadHeader(ReadMenuGfx(std::string(row.file) + ".gfx"));
    ASSERT_TRUE(h.ok) << row.file;
    EXPECT_EQ(h.width, row.width) << row.file;
    EXPECT_EQ(h.height, row.height) << row.file;
  }
  // The hourglass's hot spot is the middle of its glass: drawn in every frame.
  const std::vector<uint8_t> glass = ReadMenuGfx("hourglas.gfx");
  for (int f = 0; f < HOURGLASS_FRAMES; ++f) {
    const uint8_t* pixel =
        glass.data() + GFX0_HEADER_SIZE + 2 * (f * 24 * 24 + HOURGLASS_HOT_SPOT * 24 + HOURGLASS_HOT_SPOT);
    EXPECT_NE(LoadU16(pixel), MENU_COLOUR_KEY) << "frame " << f;
  }
}

TEST(MenuGfxData, FontsHaveTheirCellsAdvancesAndGlyphs) {
  for (const char* name : MenuFontNames) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> sheet = ReadMenuGfx(std::string(name) + ".gfx");
    const std::vector<uint8_t> widths = ReadMenuGfx(std::string(name) + ".wid");
    const Gfx0 h = ReadHeader(sheet);
    ASSERT_TRUE(h.ok);
    EXPECT_EQ(h.frames, MENU_FONT_GLYPHS);
    const size_t cellBytes = static_cast<size_t>(MENU_FONT_BYTES_PER_PIXEL) * h.width * h.height;
    ASSERT_EQ(sheet.size(), GFX0_HEADER_SIZE + MENU_FONT_GLYPHS * cellBytes);
    ASSERT_EQ(widths.size(), static_cast<size_t>(MENU_FONT_GLYPHS));
    for (int c = 0; c < MENU_FONT_GLYPHS; ++c) {
      const bool printable = (c >= 0x20 && c < 0x7F) || c >= 0xA0;
      EXPECT_LE(widths[c], h.width) << "glyph " << c;
      EXPECT_EQ(widths[c] > 0, printable) << "glyph " << c;
      const uint8_t* cell = sheet.data() + GFX0_HEADER_SIZE + c * cellBytes;
      int covered = 0, partial = 0, outside = 0;
      for (int y = 0; y < h.height; ++y) {
        for (int x = 0; x < h.width; ++x) {
          const uint8_t a = cell[MENU_FONT_BYTES_PER_PIXEL * (y * h.width + x)];
          covered += a > 0;
          partial += a > 0 && a < 255;
          outside += a > 0 && x >= widths[c];
        }
      }
      EXPECT_EQ(outside, 0) << "glyph " << c << " draws past its advance";
      const bool blank = c == ' ' || c == 0xA0;
      if (printable && !blank) {
        EXPECT_GT(covered, 0) << "glyph " << c;
      } else {
        EXPECT_EQ(covered, 0) << "glyph " << c;
      }
      if (c == 0xA3) {
        EXPECT_GT(partial, 0) << "the pound sign is anti-aliased";
      }
    }
  }
  // The larger fonts are larger.
  EXPECT_LT(ReadHeader(ReadMenuGfx("fnt12.gfx")).height, ReadHeader(ReadMenuGfx("fnt16.gfx")).height);
  EXPECT_LT(ReadHeader(ReadMenuGfx("fnt16.gfx")).height, ReadHeader(ReadMenuGfx("fnt24.gfx")).height);
}

TEST(MenuGfxData, BackgroundsAreWholeScreens) {
  for (int n = 0; n < MENU_BACKGROUND_COUNT; ++n)
    EXPECT_EQ(ReadMenuGfx(std::string(MenuBackgroundNames[n]) + ".bck").size(),
              static_cast<size_t>(MENU_BACKGROUND_BYTES))
        << MenuBackgroundNames[n];
}

TEST(MenuGfxData, StartPageBands) {
  const std::vector<uint8_t> page = ReadMenuGfx(std::string(MenuBackgroundNames[BACKGROUND_START_PAGE]) + ".bck");
  ASSERT_EQ(page.size(), static_cast<size_t>(MENU_BACKGROUND_BYTES));
  auto at = [&](int x, int y) { return LoadU16(page.data() + 2 * (y * MENU_BACKGROUND_WIDTH + x)); };
  const int x = 170;  // left of the band's label
  const uint16_t face = at(x, StartPageBandTops[0] + 20);
  for (int top : StartPageBandTops) {
    SCOPED_TRACE(top);
    const uint16_t edge = at(x, top);
    EXPECT_EQ(at(x, top + START_PAGE_BAND_HEIGHT - 1), edge);  // the band's first and last rows
    EXPECT_NE(at(x, top - 1), edge);                           // and nothing of it outside them
    EXPECT_NE(at(x, top + START_PAGE_BAND_HEIGHT), edge);
    for (int y = top + 5; y < top + START_PAGE_BAND_HEIGHT - 1; ++y) EXPECT_EQ(at(x, y), face) << y;
    // Its label, white on the band's face, across the middle.
    int white = 0;
    for (int lx = 200; lx < 440; ++lx)
      for (int y = top + 5; y < top + START_PAGE_BAND_HEIGHT - 5; ++y) white += at(lx, y) == 0xFFFF;
    EXPECT_GT(white, 100);
  }
}

// The game finds every file through its pak reader, bytes as generated.
class MenuGfxPakTest : public EngineTest {};

TEST_F(MenuGfxPakTest, TheHardDiskPakHoldsEveryFile) {
  const std::filesystem::path pak = BuildDir() / "game" / "pakfiles";
  ScratchDir dir("menugfx_pak");
  std::filesystem::create_directories("pakfiles");
  std::filesystem::create_symlink(pak / "hdcommon.pki", "pakfiles/hdcommon.pki");
  std::filesystem::create_symlink(pak / "hdcommon.pkd", "pakfiles/hdcommon.pkd");
  std::vector<std::string> files;
  for (int entry = 1; entry <= MENU_ICON_FILE_COUNT; ++entry)
    files.push_back(std::string(MenuIconFiles[entry].name) + ".gfx");
  for (const char* font : MenuFontNames) {
    files.push_back(std::string(font) + ".gfx");
    files.push_back(std::string(font) + ".wid");
  }
  for (int n = 0; n < MENU_BACKGROUND_COUNT; ++n) files.push_back(std::string(MenuBackgroundNames[n]) + ".bck");
  ASSERT_EQ(files.size(), 112u);
  size_t generated = 0;
  for (const auto& e : std::filesystem::directory_iterator(BuildDir() / "dataset" / "hd" / MENUGFX_DIR))
    generated += e.is_regular_file();
  EXPECT_EQ(generated, files.size()) << "the menu graphics folder holds these files and no others";

  InitMemory(9500);
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
  for (const std::string& file : files) {
    const std::string name = std::string(MENUGFX_DIR) + "\\" + file;
    uint8_t* bytes = nullptr;
    const uint32_t size = PakLoadFile(name.c_str(), &bytes, ManualFree);
    ASSERT_NE(bytes, nullptr) << name;
    const std::vector<uint8_t> expected = ReadMenuGfx(file);
    EXPECT_EQ(size, expected.size()) << name;
    EXPECT_TRUE(size == expected.size() && std::memcmp(bytes, expected.data(), size) == 0) << name;
    FreeMemory(&bytes);
  }
  PakFileUninit();
  UninitMemory();
}

}  // namespace
