#include "render256/playernames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "gamecode/matchrec.h"
#include "render256/swscreen.h"
#include "support/engine_fixture.h"
#include "support/font_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"

namespace {

class PlayerNamesTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_playernames");
    InitMemory(9500);
    // Font 0: cells of 3 x 2 advancing 4 ('W' 8).
    OpenTestPak(FontFiles("fnt12w", 3, 2, 256, 4));
    std::memset(GetMatchSetupRecord(), 0, MATCH_SETUP_SIZE);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  static void SetSubstitutes(int n) { StoreU16(GetMatchSetupRecord() + SETUP_SUBSTITUTES, static_cast<uint32_t>(n)); }
  // The name field of a squad player, all 20 bytes written.
  static void SetName(int side, int player, const std::string& name, uint8_t after = 0) {
    uint8_t* field = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_PLAYERS +
                     player * MATCH_SETUP_PLAYER_SIZE + SETUP_PLAYER_SURNAME;
    std::memset(field, 0, SETUP_PLAYER_SURNAME_SIZE);
    std::memcpy(field, name.data(), std::min<size_t>(name.size(), SETUP_PLAYER_SURNAME_SIZE));
    field[SETUP_PLAYER_SURNAME_SIZE] = after;  // the next field's first byte
  }
};

TEST_F(PlayerNamesTest, TheSquadsNamesLieSideBySideInFontZero) {
  SetSubstitutes(2);  // 13 players a side
  SetName(0, 0, "AB");
  SetName(0, 12, "W");
  SetName(0, 13, "ZZ");                                  // not in the match
  SetName(1, 0, "ABCDEFGHIJKLMNOPQRST", 7);             // fills its field: 19 kept
  SetName(1, 1, "\xe9\xe9");
  InitPlayerNames();
  const PlayerNameStrip& strip = GetPlayerNameStrip();
  struct Case {
    int slot;
    const char* name;
    int width;
  };
  const Case cases[] = {{0, "AB", 8},   {1, "", 1},  {12, "W", 8},  {13, "", 1},
                        {16, "ABCDEFGHIJKLMNOPQRS", 76}, {17, "\xe9\xe9", 8},
                        {31, "", 1},    {32, "", 1}, {34, "", 1}};
  for (const Case& c : cases) {
    EXPECT_STREQ(strip.name[c.slot], c.name) << c.slot;
    EXPECT_EQ(strip.width[c.slot], c.width) << c.slot;
  }
  int32_t offset = 0;
  for (int s = 0; s < PLAYER_NAME_SLOTS; ++s) {
    EXPECT_EQ(strip.offset[s], offset) << s;
    offset += strip.width[s];
  }
  ASSERT_NE(strip.buffer, nullptr);
  EXPECT_EQ(strip.buffer->width, offset);
  EXPECT_EQ(strip.buffer->height, 2);
  const auto at = [&](int x, int y) { return strip.buffer->pixels[y * strip.buffer->stride + x]; };
  EXPECT_EQ(at(strip.offset[0], 0), 66);      // 'A'
  EXPECT_EQ(at(strip.offset[0], 1), 0);       // its transparent hole stays colour 0
  EXPECT_EQ(at(strip.offset[0] + 4, 0), 67);  // 'B'
  EXPECT_EQ(at(strip.offset[16] + 72, 0), 1 + 'S');
  EXPECT_EQ(at(strip.offset[17], 0), 234);
  EXPECT_EQ(at(strip.offset[1], 0), 0);
}

TEST_F(PlayerNamesTest, TheSubstituteCountIsKeptToTheSquad) {
  struct Case {
    int substitutes, named;
  };
  const Case cases[] = {{0, 11}, {5, 16}, {100, 16}, {-11, 0}, {-30000, 0}};
  for (const Case& c : cases) {
    SetSubstitutes(c.substitutes);
    for (int p = 0; p < 16; ++p) {
      SetName(0, p, "A");
      SetName(1, p, "W");
    }
    InitPlayerNames();
    const PlayerNameStrip& strip = GetPlayerNameStrip();
    int named = 0;
    for (int p = 0; p < 16; ++p) {
      named += strip.name[p][0] != 0;
      EXPECT_EQ(strip.name[p][0] != 0, strip.name[16 + p][0] != 0) << p;
    }
    EXPECT_EQ(named, c.named) << c.substitutes;
  }
}

TEST_F(PlayerNamesTest, BuildingAgainReplacesTheStripAndFreeingDropsIt) {
  InitPlayerNames();
  const uint32_t blocks = GetMemoryStats().count;
  InitPlayerNames();
  EXPECT_EQ(GetMemoryStats().count, blocks);
  FreePlayerNames();
  EXPECT_EQ(GetPlayerNameStrip().buffer, nullptr);
  EXPECT_EQ(GetMemoryStats().count, blocks - 2);  // the buffer and its pixels
  FreePlayerNames();
}

}  // namespace
