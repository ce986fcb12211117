#include "render256/swground.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <vector>

#include "canvas.h"
#include "engine/mem_win.h"
#include "gamecode/matchobj.h"
#include "render256/swcamera.h"
#include "render256/swmarkings.h"
#include "support/engine_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"
#include "support/built_game.h"

namespace {

constexpr const char* kGrassName = "ZVDATA\\SOFTWARE\\MISC\\TEXTURES\\GRASS.GFX";
constexpr const char* kLineName = "ZVDATA\\SOFTWARE\\MISC\\TEXTURES\\LINE.GFX";

// Tile texel: its column in the low six bits, the row's lowest two above.
uint8_t TileTexel(int r, int c) { return static_cast<uint8_t>(c + 64 * (r & 3)); }

std::vector<uint8_t> TileFile() {
  std::vector<uint8_t> t(64 * 64);
  for (int r = 0; r < 64; ++r)
    for (int c = 0; c < 64; ++c) t[r * 64 + c] = TileTexel(r, c);
  return TextureFile(64, 64, t);
}

std::vector<uint8_t> LineFile() { return TextureFile(256, 16, std::vector<uint8_t>(256 * 16, 7)); }

class SwGroundTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_swground");
    InitMemory(9500);
    SetPitchGeometry();
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  void LoadBoth() {
    OpenTestPak({{kGrassName, TileFile()}, {kLineName, LineFile()}});
    LoadGrass();
    LoadPitchMarkings();
  }
};

TEST_F(SwGroundTest, TheQuadReachesBeyondThePitchAndTilesEvenly) {
  BuildGroundQuad();
  const GroundVertex* q = GetGroundQuad();
  const int32_t U = 32 * 64 * 65536 - 1, V = 48 * 64 * 65536 - 1;
  const GroundVertex expected[4] = {
      {-100.0f, -262.0f, 0.0f, 0, 0}, {1692.0f, -262.0f, 0.0f, U, 0}, {1692.0f, 2426.0f, 0.0f, U, V}, {-100.0f, 2426.0f, 0.0f, 0, V}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FLOAT_EQ(q[i].x, expected[i].x) << i;
    EXPECT_FLOAT_EQ(q[i].y, expected[i].y) << i;
    EXPECT_EQ(q[i].u, expected[i].u) << i;
    EXPECT_EQ(q[i].v, expected[i].v) << i;
  }
  // 1,792 x 2,688 units: one tile is 56 units each way.
  EXPECT_FLOAT_EQ((q[1].x - q[0].x) / 32, 56.0f);
  EXPECT_FLOAT_EQ((q[3].y - q[0].y) / 48, 56.0f);
}

TEST_F(SwGroundTest, ThePagesHoldTheTileMirroredAndRepeatedTwoByTwo) {
  LoadBoth();
  const uint8_t* pages = GrassPages();
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(pages) % GRASS_PAGE_SIZE, 0u);
  for (int page = 0; page < 4; ++page)
    for (int r = 0; r < 128; r += 7)
      for (int c = 0; c < 128; c += 5) {
        const int tc = page & 1 ? 63 - (c & 63) : c & 63;
        const int tr = page & 2 ? 63 - (r & 63) : r & 63;
        ASSERT_EQ(pages[page * GRASS_PAGE_SIZE + r * 128 + c], TileTexel(tr, tc)) << page << " " << r << " " << c;
      }
  EXPECT_EQ(ColourWord(0x5A), 0x5A5A5A5Au);
  FreeGrass();
  EXPECT_EQ(GrassPages(), nullptr);
}

TEST_F(SwGroundTest, AGrassTileOfAnyOtherSizeStopsNamingTheFile) {
  const std::vector<std::vector<uint8_t>> files = {
      TextureFile(63, 64, std::vector<uint8_t>(63 * 64, 1)), TextureFile(64, 32, std::vector<uint8_t>(64 * 32, 1)),
      TextureFile(128, 128, std::vector<uint8_t>(128 * 128, 1)), TextureFile(64, 64, std::vector<uint8_t>(100, 1)),
      {64, 0}};
  for (const auto& file : files) {
    OpenTestPak({{kGrassName, file}});
    EXPECT_FATAL(LoadGrass(), "LoadGrass\\(\\).*grass\\.gfx");
    PakFileUninit();
  }
}

// Each row steps forwards from the page its directions choose: every pixel
// shows the tile texel under its true coordinate.
TEST_F(SwGroundTest, RowsRunningBackwardsUseTheMirroredPages) {
  LoadBoth();
  struct Case {
    double u, uEnd, v, vEnd;
  };
  // 10 pixels; u moves whole texels per pixel so no pixel sits on a texel edge.
  const Case cases[] = {{20.5, 30.5, 3.5, 3.75},  {30.5, 20.5, 3.5, 3.75}, {20.5, 30.5, 7.75, 3.5},
                        {90.5, 80.5, 7.75, 7.5},  {60.5, 70.5, 1.25, 1.5}, {-3.5, 6.5, -0.75, -0.5},
                        {2.5, -7.5, 130.25, 130.0}};
  for (const Case& c : cases) {
    Canvas canvas(16, 2, 0xEE);
    auto fixed = [](double t) { return static_cast<int32_t>(std::lround(t * 65536.0)); };
    FillGroundRow(&canvas.buffer, 1, 3, 12, fixed(c.u), fixed(c.v), fixed(c.uEnd), fixed(c.vEnd));
    const double du = (c.uEnd - c.u) / 10, dv = (c.vEnd - c.v) / 10;
    for (int i = 0; i < 10; ++i) {
      const int col = static_cast<int>(std::floor(c.u + i * du)) & 63;
      const int row = static_cast<int>(std::floor(c.v + i * dv)) & 63;
      EXPECT_EQ(canvas.At(3 + i, 1), TileTexel(row, col)) << c.u << " " << c.v << " pixel " << i;
    }
    EXPECT_EQ(canvas.At(2, 1), 0xEE);
    EXPECT_EQ(canvas.At(13, 1), 0xEE);
    EXPECT_EQ(canvas.At(5, 0), 0xEE);
  }
}

TEST_F(SwGroundTest, RowsAreKeptInsideTheBuffer) {
  LoadBoth();
  std::vector<uint8_t> memory(3 * 32 * 8, 0xEE);
  GfxBuffer b{};
  b.width = b.stride = 32;
  b.height = 8;
  b.pixels = memory.data() + 32 * 8;
  for (int row : {-1, 8, 100}) FillGroundRow(&b, row, 0, 31, 0, 0, 65536 * 20, 0);
  FillGroundRow(&b, 3, -40, 90, 0, 0, 65536 * 100, 0);
  FillGroundRow(&b, 4, 90, -40, 0, 0, 65536 * 100, 65536 * 3);  // ends given right to left
  for (size_t i = 0; i < memory.size(); ++i) {
    const bool row3or4 = i >= 32 * 8 + 3 * 32 && i < 32 * 8 + 5 * 32;
    if (!row3or4) {
      ASSERT_EQ(memory[i], 0xEE) << i;
    }
  }
}

// A camera over the centre circle looking down: every pixel is ground, and a
// ground point lands on the texel the quad gives it, by the same projection
// the models use.
TEST_F(SwGroundTest, TheGroundLiesWhereTheCameraProjectsItsPoints) {
  LoadBoth();
  // Drawn over two fills: a pixel left alone keeps its fill in both.
  Canvas canvas(320, 240, 0xEE), other(320, 240, 0x11);
  SetSoftwareCamera(796.0f, 1082.0f, 800.0f, 0.0f, 3.1415927f, 4.0f);  // straight down
  SetCameraProjection(320, 240, 16 * 160.0, 16 * 120.0);
  SetViewScreen(&other.buffer, 320, 240);
  DrawGround();
  SetViewScreen(&canvas.buffer, 320, 240);
  DrawGround();
  ASSERT_EQ(canvas.pixels, other.pixels);  // every pixel drawn
  const GroundVertex* q = GetGroundQuad();
  for (float x = 760.0f; x <= 830.0f; x += 9.3f)
    for (float y = 1050.0f; y <= 1110.0f; y += 7.1f) {
      int32_t sx = 0, sy = 0;
      ASSERT_EQ(ProjectPointToScreen(x, 0.0f, y, &sx, &sy), 1);
      const double u = (x - q[0].x) / (q[1].x - q[0].x) * (q[1].u / 65536.0);
      const int want = static_cast<int>(std::floor(u)) & 63;
      const int got = canvas.At(sx, sy) & 63;
      const int diff = std::abs(want - got);
      EXPECT_LE(std::min(diff, 64 - diff), 1) << x << " " << y;
    }
}

TEST_F(SwGroundTest, RowDepthsGrowTowardsTheBottomAndRowsMissedAreZero) {
  LoadBoth();
  Canvas canvas(320, 240, 0xEE);
  // Nearly level, from behind the near goal looking up the pitch: the horizon
  // crosses the view.
  SetSoftwareCamera(796.0f, -300.0f, 60.0f, 3.1415927f, 4.6623890f, 1.0f);
  SetViewScreen(&canvas.buffer, 320, 240);
  SetCameraProjection(320, 240, 16 * 160.0, 16 * 120.0);
  for (int row = 0; row < 240; ++row) SetMarkingDepth(row, 999);
  DrawGround();
  int firstGround = -1;
  int32_t previous = 0;
  for (int row = 0; row < 240; ++row) {
    const int32_t depth = MarkingSpanRow(row)->depth;
    if (firstGround < 0 && depth > 0) firstGround = row;
    if (firstGround < 0) {
      EXPECT_EQ(depth, 0) << row;
      EXPECT_EQ(canvas.At(160, row), 0xEE) << row;
    } else {
      EXPECT_GE(depth, previous) << row;
      previous = depth;
    }
  }
  ASSERT_GT(firstGround, 0);
  ASSERT_LT(firstGround, 200);
  // The nearest row's depth: 1,368,576 over the camera depth of the ground there.
  EXPECT_GT(MarkingSpanRow(239)->depth, MarkingSpanRow(firstGround)->depth);
}

TEST_F(SwGroundTest, NothingIsDrawnWhenNoGroundPointIsBeyondTheNearPlane) {
  LoadBoth();
  struct View {
    float x, y, height, yaw, pitch;
  };
  // Level and low, out beyond the far corner, looking away; looking straight up.
  const View views[] = {{2000.0f, 3000.0f, 5.0f, 3.1415927f, 4.712389f}, {796.0f, 1082.0f, 100.0f, 0.0f, 0.0f}};
  for (const View& v : views) {
    Canvas canvas(64, 48, 0xEE);
    SetSoftwareCamera(v.x, v.y, v.height, v.yaw, v.pitch, 1.0f);
    SetViewScreen(&canvas.buffer, 64, 48);
    SetCameraProjection(64, 48, 16 * 32.0, 16 * 24.0);
    DrawGround();
    for (uint8_t p : canvas.pixels) ASSERT_EQ(p, 0xEE);
    for (int row = 0; row < 48; ++row) EXPECT_EQ(MarkingSpanRow(row)->depth, 0);
  }
}

// The data set's grass and line pattern load and hold the palette's greens
// and whites, the nearest pattern row whites only.
TEST_F(SwGroundTest, TheDataSetGrassAndLinesLoad) {
  OpenBuiltHardDiskPak();
  LoadGrass();
  LoadPitchMarkings();
  const uint8_t* pages = GrassPages();
  for (int i = 0; i < GRASS_PAGE_SIZE; ++i) {
    ASSERT_GE(pages[i], 1);
    ASSERT_LE(pages[i], 5);
  }
  const uint8_t* lines = LineTexture();
  for (int c = 0; c < 256; ++c) {
    EXPECT_GE(lines[c], 6);
    EXPECT_LE(lines[c], 9);
  }
  for (int i = 0; i < 256 * 16; ++i) ASSERT_TRUE(lines[i] >= 1 && lines[i] <= 9) << i;
  PakFileUninit();
}

}  // namespace
