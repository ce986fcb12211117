#include "render256/textures.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "support/engine_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"

namespace {

class TexturesTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_textures");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
};

const std::vector<uint8_t> kRamp = {0, 47, 48, 91, 92, 135, 0, 60};  // 4 x 2

TEST_F(TexturesTest, TexturesTakeTheFirstEmptyEntryAndResetStartsAgainAtZero) {
  OpenTestPak({{"ZVDATA\\SOFTWARE\\MISC\\A.GFX", TextureFile(4, 2, kRamp)},
               {"ZVDATA\\SOFTWARE\\MISC\\B.GFX", TextureFile(1, 1, {7})}});
  EXPECT_EQ(TEXT_CreateTexture("misc\\a.gfx"), 0);
  EXPECT_EQ(TEXT_CreateTexture("misc\\b.gfx"), 1);
  int32_t w = 0, h = 0;
  KIT_GetTextureSize(0, &w, &h);
  EXPECT_EQ(w, 4);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(TexturePixels(TEXT_GetTexture(1))[0], 7);
  FreeTextures();
  EXPECT_EQ(TEXT_GetTexture(0), nullptr);
  EXPECT_EQ(TEXT_CreateTexture("misc\\b.gfx"), 0);
  ResetTextureTable();
  EXPECT_EQ(TEXT_CreateTexture("misc\\a.gfx"), 0);
  EXPECT_EQ(TEXT_GetTexture(-1), nullptr);
  EXPECT_EQ(TEXT_GetTexture(TEXTURE_TABLE_SIZE), nullptr);
}

TEST_F(TexturesTest, TheSecondSideRemapMovesOnlyTheFirstSidesKitColours) {
  OpenTestPak({{"ZVDATA\\SOFTWARE\\A.GFX", TextureFile(4, 2, kRamp)}});
  const int n = TEXT_CreateTexture("a.gfx");
  RemapTextureToSecondSide(n, 0);
  RemapTextureToSecondSide(n, 2);
  EXPECT_EQ(std::vector<uint8_t>(TexturePixels(TEXT_GetTexture(n)), TexturePixels(TEXT_GetTexture(n)) + 8), kRamp);
  RemapTextureToSecondSide(n, 1);
  const std::vector<uint8_t> moved = {0, 47, 92, 135, 92, 135, 0, 104};
  EXPECT_EQ(std::vector<uint8_t>(TexturePixels(TEXT_GetTexture(n)), TexturePixels(TEXT_GetTexture(n)) + 8), moved);
}

TEST_F(TexturesTest, OverlaysPaintTheirNonZeroPixelsAndMustMatchInSize) {
  OpenTestPak({{"ZVDATA\\SOFTWARE\\A.GFX", TextureFile(4, 2, kRamp)},
               {"ZVDATA\\SOFTWARE\\BLANK.GFX", TextureFile(4, 2, std::vector<uint8_t>(8, 0))},
               {"ZVDATA\\SOFTWARE\\NUM.GFX", TextureFile(4, 2, {9, 0, 0, 9, 0, 0, 9, 0})},
               {"ZVDATA\\SOFTWARE\\SMALL.GFX", TextureFile(2, 2, {1, 1, 1, 1})}});
  const int n = TEXT_CreateTexture("a.gfx");
  TEXT_ModifyTextureWithOverlay(n, "blank.gfx");
  const uint8_t* p = TexturePixels(TEXT_GetTexture(n));
  EXPECT_EQ(std::vector<uint8_t>(p, p + 8), kRamp);
  TEXT_ModifyTextureWithOverlay(n, "num.gfx");
  EXPECT_EQ(std::vector<uint8_t>(p, p + 8), (std::vector<uint8_t>{9, 47, 48, 9, 92, 135, 9, 60}));
  EXPECT_FATAL(TEXT_ModifyTextureWithOverlay(n, "small.gfx"),
               "TEXT_ModifyTextureWithOverlay sizes dont match Source:2x2, Dest:4x2");
}

TEST_F(TexturesTest, BadNumbersAndBadFilesStopWithAClearMessage) {
  EXPECT_FATAL(KIT_GetTextureSize(-1, nullptr, nullptr), "KIT_GetTextureSize\\(\\): invalid texture number - -1");
  EXPECT_FATAL(KIT_GetTextureSize(TEXTURE_TABLE_SIZE, nullptr, nullptr), "invalid texture number - 10255");
  EXPECT_FATAL(KIT_GetTextureSize(3, nullptr, nullptr), "texture no 3 not loaded");
  struct Case {
    const char* name;
    std::vector<uint8_t> file;
    const char* why;
  };
  const std::vector<Case> cases = {
      {"SHORT.GFX", {4, 0, 2}, "shorter than its 4-byte header"},
      {"ZERO.GFX", TextureFile(0, 2, {}), "width or height outside"},
      {"NEG.GFX", TextureFile(-3, 2, {}), "width or height outside"},
      {"TRUNC.GFX", TextureFile(4, 2, {1, 2, 3}), "its size is not 4 \\+ width x height"},
      {"LONG.GFX", TextureFile(1, 1, {1, 2}), "its size is not 4 \\+ width x height"},
  };
  std::vector<PakWriteItem> items;
  for (const Case& c : cases) items.push_back({std::string("ZVDATA\\SOFTWARE\\") + c.name, c.file});
  OpenTestPak(items);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FATAL(TEXT_CreateTexture(c.name), std::string("texture 'zvdata.software.") + c.name + "': " + c.why);
  }
}

}  // namespace
