#include "render256/polyscan.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "render256/canvas.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "support/engine_fixture.h"
#include "support/menu_screen.h"

namespace {

using Row = std::tuple<int, int, int>;  // row, left column, width

std::vector<Row> Rows(const std::vector<ScreenVertex>& polygon) {
  std::vector<Row> rows;
  ScanPolygonRows(
      polygon.data(), static_cast<int>(polygon.size()),
      [](void* context, int row, int x, int width) {
        static_cast<std::vector<Row>*>(context)->emplace_back(row, x, width);
      },
      &rows);
  return rows;
}

std::vector<ScreenVertex> Poly(std::initializer_list<std::pair<int, int>> points) {
  std::vector<ScreenVertex> p;
  for (auto [x, y] : points) p.push_back({x, y, 0.0f, 0.0f});
  return p;
}

std::vector<Row> Square16() {
  std::vector<Row> rows;
  for (int r = 0; r < 16; ++r) rows.emplace_back(r, 0, 16);
  return rows;
}

class PolyScanTest : public EngineTest {};

TEST_F(PolyScanTest, Ceil16RoundsUpWithFloorDivision) {
  const std::pair<int32_t, int32_t> cases[] = {{-17, -1}, {-16, -1}, {-15, 0}, {-1, 0},  {0, 0},
                                               {1, 1},    {16, 1},   {17, 2},  {-33, -2}, {-32, -2}};
  for (auto [v, expected] : cases) EXPECT_EQ(Ceil16(v), expected) << v;
}

TEST_F(PolyScanTest, PolygonWalkRows) {
  std::vector<Row> wRows;  // the left half of a W: rows 0..7 grow from column 0
  for (int r = 0; r < 8; ++r) wRows.emplace_back(r, 0, r);
  struct Case {
    const char* name;
    std::vector<ScreenVertex> polygon;
    std::vector<Row> rows;
  } cases[] = {
      {"clockwise square", Poly({{0, 0}, {256, 0}, {256, 256}, {0, 256}}), Square16()},
      {"other winding", Poly({{0, 0}, {0, 256}, {256, 256}, {256, 0}}), {}},
      {"square from another corner", Poly({{256, 0}, {256, 256}, {0, 256}, {0, 0}}), Square16()},
      // Two top vertices: the walk starts at the first in list order.
      {"top-vertex tie", Poly({{0, 0}, {128, 128}, {256, 0}, {256, 256}, {0, 256}}), wRows},
      // One top vertex in the other winding: the first row (both edges at
      // column 8) and no more.
      {"reversed triangle", Poly({{128, 0}, {0, 256}, {256, 256}}), {{0, 8, 0}}},
      {"sub-row polygon", Poly({{0, 17}, {160, 20}, {80, 30}}), {}},
      {"zero rows", Poly({{0, 0}, {160, 0}, {80, 0}}), {}},
      {"two vertices", Poly({{0, 0}, {160, 160}}), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Rows(c.polygon), c.rows) << c.name;
}

TEST_F(PolyScanTest, EdgeSetUpFollowsTheTopLeftRule) {
  struct Case {
    int32_t x0, y0, x1, y1;
    int32_t row, rowsLeft, x, xAfterOneRow;
  } cases[] = {
      {160, 0, 160, 64, 0, 4, 10, 10},  // exactly on column 10: 10 inside
      {161, 0, 161, 64, 0, 4, 11, 11},  // a sixteenth right: 11 first
      {159, 0, 159, 64, 0, 4, 10, 10},
      {0, 8, 0, 40, 1, 2, 0, 0},        // top at half a row: first row 1
      {0, 0, 64, 64, 0, 4, 0, 1},       // one column a row rightwards
      {64, 0, 0, 64, 0, 4, 4, 3},       // and leftwards
      {0, 0, 8, 16, 0, 1, 0, 1},        // half a column a row
      {-17, -17, -17, 15, -1, 2, -1, -1},
      {0, 64, 0, 0, 4, -4, 0, 0},       // upward: negative rows
  };
  for (const Case& c : cases) {
    EdgeWalk e;
    SetupEdgeWalk(e, c.x0, c.y0, c.x1, c.y1);
    EXPECT_EQ(e.row, c.row) << c.x0 << "," << c.y0;
    EXPECT_EQ(e.rowsLeft, c.rowsLeft) << c.x0 << "," << c.y0;
    if (c.rowsLeft <= 0) continue;
    EXPECT_EQ(e.x, c.x) << c.x0 << "," << c.y0;
    StepEdgeWalk(e);
    EXPECT_EQ(e.x, c.xAfterOneRow) << c.x0 << "," << c.y0;
  }
}

// A fan of triangles around an inner point at sixteenths tiles a rectangle:
// every pixel inside is covered once, none outside.
TEST_F(PolyScanTest, TriangleFanCoversEachPixelOnce) {
  constexpr int W = 20, H = 12;
  const std::pair<int32_t, int32_t> centre = {7 * 16 + 5, 5 * 16 + 11};
  const std::vector<std::pair<int32_t, int32_t>> rim = {
      {0, 0}, {9 * 16 + 3, 0}, {W * 16, 0}, {W * 16, 6 * 16 + 9}, {W * 16, H * 16}, {4 * 16 + 13, H * 16},
      {0, H * 16}, {0, 3 * 16 + 1}};
  std::vector<int> hits(W * H, 0);
  int outside = 0;
  for (size_t i = 0; i < rim.size(); ++i) {
    const std::pair<int32_t, int32_t> tri[3] = {centre, rim[i], rim[(i + 1) % rim.size()]};
    EdgeWalk left, right;
    WalkPolygon(
        3, [&](int k) { return tri[k].second; }, left, right,
        [&](EdgeWalk& e, int from, int to) {
          SetupEdgeWalk(e, tri[from].first, tri[from].second, tri[to].first, tri[to].second);
        },
        [](EdgeWalk& e) { StepEdgeWalk(e); },
        [&](const EdgeWalk& l, const EdgeWalk& r) {
          for (int c = l.x; c < r.x; ++c) {
            if (l.row < 0 || l.row >= H || c < 0 || c >= W) ++outside;
            else ++hits[l.row * W + c];
          }
          return true;
        });
  }
  EXPECT_EQ(outside, 0);
  for (int i = 0; i < W * H; ++i) EXPECT_EQ(hits[i], 1) << "pixel " << i % W << "," << i / W;
}

// The solid filler draws through the menu layer's boxes in the fill colour,
// with the corners taken to whole pixels in the caller's array.
TEST_F(PolyScanTest, SolidFillDrawsTheWalkedRowsInTheFillColour) {
  InitMemory(9500);
  menutest::OpenMenuScreen(1);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0xFFFF);
  const uint32_t white = MenuPixelFromRGB565(0xFFFF);
  const int bpp = MenuBytesPerPixel();
  auto pixel = [&](int x, int y) {
    const uint8_t* p = MenuBufferPixels() + (y * 640 + x) * bpp;
    uint32_t v = 0;
    for (int i = 0; i < bpp; ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
    return v;
  };
  const uint32_t ground = pixel(0, 0);
  ASSERT_NE(ground, white);
  // A square at 100..115 given with stray sixteenths, in both windings (the
  // other one drawn first, where the first will be).
  for (int winding = 1; winding >= 0; --winding) {
    std::vector<ScreenVertex> quad =
        winding == 0 ? Poly({{1605, 1603}, {1861, 1600}, {1870, 1856}, {1600, 1859}})
                     : Poly({{1605, 1603}, {1600, 1859}, {1870, 1856}, {1861, 1600}});
    FillPolygonSolid(quad.data(), 4);
    for (const ScreenVertex& v : quad) EXPECT_EQ((v.x | v.y) & 15, 0);
    int white_inside = 0, white_outside = 0;
    for (int y = 90; y < 126; ++y)
      for (int x = 90; x < 126; ++x) {
        if (pixel(x, y) != white) continue;
        if (x >= 100 && x < 116 && y >= 100 && y < 116) ++white_inside;
        else ++white_outside;
      }
    EXPECT_EQ(white_inside, winding == 0 ? 256 : 0) << winding;
    EXPECT_EQ(white_outside, 0) << winding;
  }
}

TEST_F(PolyScanTest, MaskedFillDrawsWhereTheMaskIsSet) {
  std::vector<uint8_t> left(64 * 64), none(64 * 64, 0);
  for (int v = 0; v < 64; ++v)
    for (int u = 0; u < 64; ++u) left[v * 64 + u] = u < 32 ? 1 : 0;
  struct Case {
    const char* name;
    const std::vector<uint8_t>* mask;
    int lastColumn;  // columns 0..lastColumn of rows 0..14 coloured; -1 none
  } cases[] = {{"left half", &left, 8}, {"all zero", &none, -1}};
  for (const Case& c : cases) {
    Canvas canvas(24, 20, 3);
    std::vector<ScreenVertex> quad = {{0, 0, 0, 0}, {15, 0, 63, 0}, {15, 15, 63, 63}, {0, 15, 0, 63}};
    FillPolygonMasked(&canvas.buffer, quad.data(), 4, Texture{64, 64, c.mask->data()}, 9);
    EXPECT_EQ(quad[2].x, 15 * 16) << "vertices scaled to sixteenths in place";
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 24; ++x)
        EXPECT_EQ(canvas.At(x, y), (y < 15 && x <= c.lastColumn) ? 9 : 3) << c.name << " " << x << "," << y;
  }
}

TEST_F(PolyScanTest, RemapAndLutBlit) {
  alignas(256) uint8_t lut[256];
  for (int i = 0; i < 256; ++i) lut[i] = static_cast<uint8_t>(255 - i);
  Canvas canvas(8, 6, 10);
  RemapScreenRect(&canvas.buffer, 6, 4, 5, 5, lut);  // clipped to 2 x 2
  RemapScreenRect(&canvas.buffer, -3, -3, 4, 4, lut);  // clipped to 1 x 1
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool remapped = (x >= 6 && y >= 4) || (x == 0 && y == 0);
      EXPECT_EQ(canvas.At(x, y), remapped ? 245 : 10) << x << "," << y;
    }
  const uint8_t source[2 * 4] = {0, 1, 2, 0, 3, 0, 0, 4};  // 3 wide, skip 1
  uint8_t dest[2 * 5];
  std::fill(std::begin(dest), std::end(dest), 7);
  BlitThroughLUT(source, dest, 1, 2, 3, 2, lut);
  const uint8_t expected[10] = {7, 254, 253, 7, 7, 252, 7, 7, 7, 7};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(dest[i], expected[i]) << i;
}

}  // namespace
