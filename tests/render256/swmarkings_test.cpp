#include "render256/swmarkings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <iterator>
#include <optional>
#include <vector>

#include "canvas.h"
#include "engine/mem_win.h"
#include "gamecode/matchobj.h"
#include "render256/swcamera.h"
#include "render256/swground.h"
#include "support/engine_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"

namespace {

constexpr const char* kGrassName = "ZVDATA\\SOFTWARE\\MISC\\TEXTURES\\GRASS.GFX";
constexpr const char* kLineName = "ZVDATA\\SOFTWARE\\MISC\\TEXTURES\\LINE.GFX";

uint8_t Pattern(int row, int column) { return static_cast<uint8_t>((row * 16 + column * 7) & 0xFF); }

std::vector<uint8_t> PatternFile() {
  std::vector<uint8_t> t(256 * 16);
  for (int r = 0; r < 16; ++r)
    for (int c = 0; c < 256; ++c) t[r * 256 + c] = Pattern(r, c);
  return TextureFile(256, 16, t);
}

// A buffer inside a larger block: the rows above and below must stay as they are.
struct GuardedBuffer {
  GuardedBuffer(int w, int h) : memory(static_cast<size_t>(w) * h * 3, 0xEE) {
    buffer.w = static_cast<int16_t>(w);
    buffer.h = static_cast<int16_t>(h);
    buffer.width = buffer.stride = w;
    buffer.height = h;
    buffer.pixels = memory.data() + static_cast<size_t>(w) * h;
  }
  bool GuardsIntact() const {
    const size_t inside = static_cast<size_t>(buffer.width) * buffer.height;
    for (size_t i = 0; i < memory.size(); ++i)
      if ((i < inside || i >= 2 * inside) && memory[i] != 0xEE) return false;
    return true;
  }
  std::vector<uint8_t> memory;
  GfxBuffer buffer{};
};

class SwMarkingsTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_swmarkings");
    InitMemory(9500);
    SetPitchGeometry();
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  void Load(const std::vector<uint8_t>& lines) {
    OpenTestPak({{kGrassName, TextureFile(64, 64, std::vector<uint8_t>(64 * 64, 3))}, {kLineName, lines}});
    LoadGrass();
    LoadPitchMarkings();
  }
  void View(GfxBuffer* b) {
    SetViewScreen(b, b->width, b->height);
    SetCameraProjection(b->width, b->height, 8.0 * b->width, 8.0 * b->height);
  }
};

struct Bounds {
  float x0, x1, y0, y1;
};
Bounds Extent(const MarkingPoint* p, int n) {
  Bounds b{p[0].x, p[0].x, p[0].y, p[0].y};
  for (int i = 1; i < n; ++i) {
    b.x0 = std::min(b.x0, p[i].x);
    b.x1 = std::max(b.x1, p[i].x);
    b.y0 = std::min(b.y0, p[i].y);
    b.y1 = std::max(b.y1, p[i].y);
  }
  return b;
}

TEST_F(SwMarkingsTest, TheLinesLieInsideTheAreasTheyBound) {
  Load(PatternFile());
  const PitchMarkings& m = GetPitchMarkings();
  const Bounds expected[LINE_QUAD_COUNT] = {
      {156, 1436, 122, 126},   {1432, 1436, 122, 2042}, {156, 1436, 2038, 2042}, {156, 160, 122, 2042},
      {156, 1436, 1080, 1084}, {476, 480, 122, 410},    {1112, 1116, 122, 410},  {476, 1116, 406, 410},
      {476, 480, 1754, 2042},  {1112, 1116, 1754, 2042}, {476, 1116, 1754, 1758}, {636, 640, 122, 218},
      {952, 956, 122, 218},    {636, 956, 214, 218},    {636, 640, 1946, 2042},  {952, 956, 1946, 2042},
      {636, 956, 1946, 1950}};
  for (int i = 0; i < LINE_QUAD_COUNT; ++i) {
    const Bounds b = Extent(m.lineQuads[i], 4);
    EXPECT_FLOAT_EQ(b.x0, expected[i].x0) << i + 1;
    EXPECT_FLOAT_EQ(b.x1, expected[i].x1) << i + 1;
    EXPECT_FLOAT_EQ(b.y0, expected[i].y0) << i + 1;
    EXPECT_FLOAT_EQ(b.y1, expected[i].y1) << i + 1;
  }
  const float spotY[3] = {1082, 314, 1850};
  for (int s = 0; s < SPOT_COUNT; ++s) {
    const Bounds b = Extent(m.spots[s], SPOT_POINTS);
    EXPECT_NEAR((b.x0 + b.x1) / 2, 796.0f, 1e-3) << s;
    EXPECT_FLOAT_EQ(b.y0, spotY[s] - 6) << s;
    EXPECT_FLOAT_EQ(b.y1, spotY[s] + 6) << s;
  }
}

TEST_F(SwMarkingsTest, CornerArcsKeepOneWindingAndTheCurvesTheirRadii) {
  Load(PatternFile());
  const PitchMarkings& m = GetPitchMarkings();
  auto area = [](const MarkingPoint* q) {
    double a = 0;
    for (int i = 0; i < 4; ++i) a += q[i].x * q[(i + 1) % 4].y - q[(i + 1) % 4].x * q[i].y;
    return a;
  };
  const double first = area(m.cornerArcs[0]);
  ASSERT_NE(first, 0.0);
  for (int i = 0; i < CORNER_ARC_COUNT; ++i) {
    EXPECT_GT(area(m.cornerArcs[i]) * first, 0.0) << i;
    const Bounds b = Extent(m.cornerArcs[i], 4);
    EXPECT_TRUE(b.x0 >= 156 && b.x1 <= 1436 && b.y0 >= 122 && b.y1 <= 2042) << i;  // turned into the pitch
  }
  for (int i = 0; i < CENTRE_CIRCLE_POINTS; ++i) {
    EXPECT_NEAR(std::hypot(m.centreOuter[i].x - 796, m.centreOuter[i].y - 1082), 160.0, 1e-3);
    EXPECT_NEAR(std::hypot(m.centreInner[i].x - 796, m.centreInner[i].y - 1082), 156.0, 1e-3);
  }
  for (int i = 0; i < PENALTY_ARC_POINTS; ++i) {
    EXPECT_GT(m.arcOuter[0][i].y, 410.0f);  // the outer edge outside the penalty areas
    EXPECT_LT(m.arcOuter[1][i].y, 1754.0f);
    EXPECT_NEAR(std::hypot(m.arcOuter[0][i].x - 796, m.arcOuter[0][i].y - 314), 160.0, 1e-3);
    EXPECT_NEAR(std::hypot(m.arcOuter[1][i].x - 796, m.arcOuter[1][i].y - 1850), 160.0, 1e-3);
  }
  EXPECT_NEAR(std::asin((m.arcOuter[0][0].y - 314) / 160.0), std::asin(1.02 * 96 / 160), 1e-5);
}

TEST_F(SwMarkingsTest, ThePatternIsAlignedWithItsGuardBytes) {
  Load(PatternFile());
  const uint8_t* lines = LineTexture();
  ASSERT_NE(lines, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(lines) % 256, 0u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(lines[4096 + i], lines[3968 + i]);
  EXPECT_EQ(lines[15 * 256 + 3], Pattern(15, 3));
  FreeLineTexture();
  EXPECT_EQ(LineTexture(), nullptr);
}

TEST_F(SwMarkingsTest, ALinePatternOfAnyOtherSizeStopsNamingTheFile) {
  const std::vector<std::vector<uint8_t>> files = {TextureFile(256, 15, std::vector<uint8_t>(256 * 15, 1)),
                                                   TextureFile(128, 32, std::vector<uint8_t>(128 * 32, 1)),
                                                   TextureFile(256, 16, std::vector<uint8_t>(4095, 1)),
                                                   std::vector<uint8_t>(4096, 1)};
  for (const auto& file : files) {
    OpenTestPak({{kLineName, file}});
    EXPECT_FATAL(LoadPitchMarkings(), "LoadPitchMarkings\\(\\).*line\\.gfx");
    PakFileUninit();
  }
}

// The pattern row pair moves one row nearer per depth limit passed, the two
// in turn; an odd dither starts the first row at the dither value as column
// (wrapping per pixel), an even one the second row at column 0.
TEST_F(SwMarkingsTest, TheRowDepthChoosesThePatternRows) {
  Load(PatternFile());
  struct Case {
    int32_t depth;
    bool odd;
    int row;
  };
  const Case cases[] = {{0, true, 15},     {0, false, 15},   {100, true, 15},  {100, false, 15},  {101, true, 15},
                        {101, false, 14},  {120, false, 14}, {121, true, 14},  {121, false, 14},  {141, true, 14},
                        {141, false, 13},  {640, true, 2},   {640, false, 1},  {641, true, 1},    {641, false, 1},
                        {2000000000, true, 1}};
  for (const Case& c : cases) {
    Canvas canvas(40, 6, 0);
    View(&canvas.buffer);
    const int row = 2, left = 5, right = 14;
    const int offset = row * canvas.buffer.stride + left;
    const int dither = c.odd ? 255 : 254;
    canvas.pixels[offset] = static_cast<uint8_t>(dither ^ (offset & 0xFF) ^ ((offset >> 8) & 0xFF));
    MarkingSpan* s = MarkingSpanRow(row);
    *s = {left, right, 0, -1, c.depth};
    DrawLineSpans(row, row);
    const int start = c.odd ? 255 : 0;
    for (int i = 0; i <= right - left; ++i)
      ASSERT_EQ(canvas.At(left + i, row), Pattern(c.row, (start + i) & 255)) << c.depth << " " << c.odd << " " << i;
    EXPECT_EQ(canvas.At(left - 1, row), 0);
    EXPECT_EQ(canvas.At(right + 1, row), 0);
  }
}

TEST_F(SwMarkingsTest, ThePairCarriesOverFromRowToRowAndNeverMovesBack) {
  Load(PatternFile());
  Canvas canvas(16, 4, 0);
  View(&canvas.buffer);
  const int32_t depths[4] = {0, 150, 90, 700};
  const int wantA[4] = {15, 14, 14, 1};  // the first row of the pair (odd dither)
  for (int row = 0; row < 4; ++row) {
    *MarkingSpanRow(row) = {0, 3, 0, -1, depths[row]};
    const int offset = row * 16;
    canvas.pixels[offset] = static_cast<uint8_t>(1 ^ (offset & 0xFF) ^ ((offset >> 8) & 0xFF));
  }
  DrawLineSpans(-5, 40);  // clamped to the buffer
  for (int row = 0; row < 4; ++row) EXPECT_EQ(canvas.At(1, row), Pattern(wantA[row], 2)) << row;
}

TEST_F(SwMarkingsTest, PolygonsBecomeSpansInsideTheBuffer) {
  Load(TextureFile(256, 16, std::vector<uint8_t>(4096, 7)));
  GuardedBuffer g(32, 16);
  View(&g.buffer);
  // Beyond every side of the buffer: every pixel filled, nothing outside.
  const int32_t bigX[4] = {-400, 900, 900, -400}, bigY[4] = {-300, -300, 700, 700};
  ASSERT_TRUE(FillMarkingPolygon(bigX, bigY, 4));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(g.buffer.pixels[y * 32 + x], 7) << x << " " << y;
  EXPECT_TRUE(g.GuardsIntact());
  // Wholly above or below: nothing.
  std::fill(g.buffer.pixels, g.buffer.pixels + 32 * 16, 0);
  const int32_t aboveY[4] = {-300, -300, -20, -20}, belowY[4] = {16 * 16, 16 * 16, 700, 700};
  EXPECT_FALSE(FillMarkingPolygon(bigX, aboveY, 4));
  EXPECT_FALSE(FillMarkingPolygon(bigX, belowY, 4));
  const int32_t farX[3] = {0, INT32_MAX, INT32_MIN}, farY[3] = {0, 64, INT32_MAX};
  EXPECT_FALSE(FillMarkingPolygon(farX, farY, 3));
  for (int i = 0; i < 32 * 16; ++i) ASSERT_EQ(g.buffer.pixels[i], 0);
  // No taller than 23 sixteenths: one span on the middle row, columns rounded.
  const int32_t flatX[4] = {16, 100, 100, 16}, flatY[4] = {40, 40, 63, 63};
  ASSERT_TRUE(FillMarkingPolygon(flatX, flatY, 4));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 32; ++x)
      EXPECT_EQ(g.buffer.pixels[y * 32 + x], (y == (40 + 63 + 16) / 32 && x >= 1 && x <= 6) ? 7 : 0) << x << " " << y;
  // A sliver narrower than a pixel still shows on every row it crosses.
  std::fill(g.buffer.pixels, g.buffer.pixels + 32 * 16, 0);
  const int32_t sliverX[4] = {100, 102, 202, 200}, sliverY[4] = {0, 0, 160, 160};
  ASSERT_TRUE(FillMarkingPolygon(sliverX, sliverY, 4));
  for (int y = 0; y < 10; ++y) {
    int count = 0;
    for (int x = 0; x < 32; ++x) count += g.buffer.pixels[y * 32 + x] == 7;
    EXPECT_GE(count, 1) << y;
  }
  // A U shape crosses its middle rows twice: the gap between stays.
  std::fill(g.buffer.pixels, g.buffer.pixels + 32 * 16, 0);
  const int32_t uX[8] = {0, 80, 80, 400, 400, 480, 480, 0}, uY[8] = {0, 0, 160, 160, 0, 0, 240, 240};
  ASSERT_TRUE(FillMarkingPolygon(uX, uY, 8));
  EXPECT_EQ(g.buffer.pixels[4 * 32 + 2], 7);
  EXPECT_EQ(g.buffer.pixels[4 * 32 + 15], 0);
  EXPECT_EQ(g.buffer.pixels[4 * 32 + 27], 7);
  EXPECT_EQ(g.buffer.pixels[12 * 32 + 15], 7);
  EXPECT_TRUE(g.GuardsIntact());
}

TEST_F(SwMarkingsTest, ClippingKeepsToTheRoomOfThePolygon) {
  auto poly = [](std::initializer_list<ClipVertex> points) {
    MarkingPoly p{};
    for (const ClipVertex& v : points) p.vertex[p.count++] = v;
    p.capacity = p.count + MARKING_CLIP_ROOM;
    return p;
  };
  // A hexagon round the view's axis, larger than the view: cut by all four
  // side planes, it stays within its six points and five more.
  MarkingPoly hexagon = poly({{0, -300, 100, 0, 0},
                              {260, -150, 100, 0, 0},
                              {260, 150, 100, 0, 0},
                              {0, 300, 100, 0, 0},
                              {-260, 150, 100, 0, 0},
                              {-260, -150, 100, 0, 0}});
  ASSERT_EQ(ClipPolygonToView(hexagon, 0, 4), 1);
  EXPECT_LE(hexagon.count, 11);
  for (int i = 0; i < hexagon.count; ++i) {
    const ClipVertex& v = hexagon.vertex[i];
    EXPECT_LE(std::fabs(v.x), v.z * 1.0001f);
    EXPECT_LE(std::fabs(v.y), v.z * 1.0001f);
  }
  // Wholly behind the near plane: nothing.
  MarkingPoly behind = poly({{0, 0, 5, 0, 0}, {10, 0, 5, 0, 0}, {10, 10, 19.99f, 0, 0}});
  EXPECT_EQ(ClipPolygonToView(behind, 0, 4), 0);
  EXPECT_EQ(behind.count, 0);
  // A zigzag in and out of the right plane would grow past its room: dropped.
  MarkingPoly zigzag{};
  for (int i = 0; i < 12; ++i) zigzag.vertex[zigzag.count++] = {i % 2 ? 250.0f : 0.0f, i * 10.0f - 60.0f, 100.0f, 0, 0};
  zigzag.capacity = zigzag.count + MARKING_CLIP_ROOM;
  EXPECT_EQ(ClipPolygonToView(zigzag, 4, 4), 0);
  EXPECT_EQ(zigzag.count, 0);
}

TEST_F(SwMarkingsTest, MarkingsBehindTheCameraDrawNothing) {
  Load(TextureFile(256, 16, std::vector<uint8_t>(4096, 7)));
  Canvas canvas(160, 120, 0xEE);
  View(&canvas.buffer);
  // Beyond the far goal line, low and level, looking away from the pitch.
  SetSoftwareCamera(796.0f, 2200.0f, 30.0f, 3.1415927f, 4.712389f, 1.0f);
  DrawPitchLines();
  DrawPitchCurves();
  for (uint8_t p : canvas.pixels) ASSERT_EQ(p, 0xEE);
}

// The half-way line seen from above runs off both sides of the view: it is
// cut at x = -z and x = z and still fills every column of its rows.
TEST_F(SwMarkingsTest, ALineAcrossTheViewFillsToBothEdges) {
  Load(TextureFile(256, 16, std::vector<uint8_t>(4096, 7)));
  Canvas canvas(320, 240, 0xEE);
  View(&canvas.buffer);
  SetSoftwareCamera(796.0f, 1082.0f, 800.0f, 0.0f, 3.1415927f, 4.0f);  // straight down
  DrawPitchLines();
  int lineRows = 0;
  for (int y = 0; y < 240; ++y) {
    if (canvas.At(10, y) != 7) continue;  // clear of the centre spot
    ++lineRows;
    for (int x = 0; x < 320; ++x) ASSERT_EQ(canvas.At(x, y), 7) << x << " " << y;
  }
  EXPECT_GE(lineRows, 4);
  EXPECT_LE(lineRows, 6);
}

// Grass and markings together under the views a match uses and a low camera
// across the near plane: everything stays inside the buffer, the grass covers
// the ground and the lines show.
TEST_F(SwMarkingsTest, TheLinedPitchDrawsInsideTheBufferFromEveryView) {
  Load(TextureFile(256, 16, std::vector<uint8_t>(4096, 7)));
  struct Camera {
    float targetX, targetY, targetHeight, yaw, pitch, distance, zoom;
  };
  // The match camera's four sides, the overview, and a camera a few units
  // above the grass whose near plane cuts the ground and the lines.
  const Camera cameras[] = {{796, 1082, 10, 0.0f, 3.5342917f, 1000, 1.1f},         {796, 1082, 10, 1.5707963f, 3.5342917f, 1000, 1.1f},
                            {796, 1082, 10, 3.1415927f, 3.5342917f, 1000, 1.1f},  {796, 1082, 10, 4.712389f, 3.5342917f, 1000, 1.1f},
                            {796, 1360, 1, 0.0f, 4.0212386f, 2106, 1.5f},         {300, 140, 0, 2.5f, 4.6f, 30, 1.1f}};
  for (size_t view = 0; view < std::size(cameras); ++view) {
    const Camera& c = cameras[view];
    // The eye from the target, as the match camera places it.
    const float eyeX = c.targetX - std::sin(c.yaw) * std::sin(c.pitch) * c.distance;
    const float eyeY = c.targetY - std::cos(c.yaw) * std::sin(c.pitch) * c.distance;
    const float eyeHeight = c.targetHeight - std::cos(c.pitch) * c.distance;
    GuardedBuffer g(640, 480);
    SetSoftwareCamera(eyeX, eyeY, eyeHeight, c.yaw, c.pitch, c.zoom);
    DrawPitchSurface(&g.buffer);
    EXPECT_TRUE(g.GuardsIntact()) << view;
    int grass = 0, line = 0;
    for (int i = 0; i < 640 * 480; ++i) {
      grass += g.buffer.pixels[i] == 3;
      line += g.buffer.pixels[i] == 7;
    }
    EXPECT_GT(grass, 640 * 480 / 8) << view;
    EXPECT_GT(line, 0) << view;
  }
}

}  // namespace
