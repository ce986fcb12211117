#include "render256/perspfill.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "render256/canvas.h"
#include "support/engine_fixture.h"

namespace {

class PerspFillTest : public EngineTest {};

// A rectangle of whole pixels, clockwise, texel coordinates su x column and
// sv x row at depth z.
std::vector<PerspVertex> Rect(int x0, int y0, int x1, int y1, float z, float su, float sv) {
  auto at = [&](int x, int y) {
    return PerspVertex{x * 16, y * 16, z, su * static_cast<float>(x), sv * static_cast<float>(y)};
  };
  return {at(x0, y0), at(x1, y0), at(x1, y1), at(x0, y1)};
}

// Texel value from its position, distinct along rows and down columns.
std::vector<uint8_t> Pattern(int w, int h) {
  std::vector<uint8_t> t(static_cast<size_t>(w) * h);
  for (int v = 0; v < h; ++v)
    for (int u = 0; u < w; ++u) t[static_cast<size_t>(v) * w + u] = static_cast<uint8_t>(1 + (u + 37 * v) % 251);
  return t;
}

// At one depth the texture is mapped affinely: with u and v the pixel
// position times a scale, pixel (x, y) shows texel (su x, sv y). Rows of
// width 1 (the reciprocal table's first entry), 16 and 65 (65536 / w
// computed) through both fillers.
TEST_F(PerspFillTest, EqualDepthIsAffine) {
  const int tw = 256, th = 64;
  const std::vector<uint8_t> texels = Pattern(tw, th);
  const Texture texture{tw, th, texels.data()};
  struct Case {
    int x0, y0, x1, y1;
    float z, su, sv;
  } cases[] = {{3, 2, 4, 6, 1.0f, 1, 1},   {0, 0, 16, 16, 1.0f, 1, 1},  {1, 3, 17, 9, 4.0f, 2, 1},
               {2, 1, 18, 11, 3.0f, 1, 2}, {0, 0, 65, 4, 2.0f, 1, 1},   {5, 7, 70, 12, 7.0f, 3, 4}};
  for (int adaptive = 0; adaptive < 2; ++adaptive)
    for (const Case& c : cases) {
      Canvas canvas(80, 40, 0);
      const std::vector<PerspVertex> quad = Rect(c.x0, c.y0, c.x1, c.y1, c.z, c.su, c.sv);
      if (adaptive)
        FillPolygonTexturedAdaptive(&canvas.buffer, quad.data(), 4, texture, 0);
      else
        FillPolygonTextured(&canvas.buffer, quad.data(), 4, texture);
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x) {
          const bool inside = x >= c.x0 && x < c.x1 && y >= c.y0 && y < c.y1;
          const int u = static_cast<int>(c.su) * x, v = static_cast<int>(c.sv) * y;
          ASSERT_EQ(canvas.At(x, y), inside ? texels[static_cast<size_t>(v) * tw + u] : 0)
              << "adaptive " << adaptive << " rect " << c.x0 << "," << c.y0 << " at " << x << "," << y;
        }
    }
  EXPECT_EQ(PerspReciprocal(1), 65536.0f);
  EXPECT_EQ(PerspReciprocal(0), 65536.0f);
  EXPECT_EQ(PerspReciprocal(64), 1024.0f);
}

// The rounding bias follows the direction the texture runs across the
// screen: a mirrored mapping starts each pixel at the texel whose left edge
// it lies on.
TEST_F(PerspFillTest, RoundingBiasFollowsTheTextureDirection) {
  const std::vector<uint8_t> texels = Pattern(64, 64);
  const Texture texture{64, 64, texels.data()};
  struct Case {
    float u0, du, v0, dv;  // u = u0 + du x, v = v0 + dv y
    int32_t uBias, vBias;
  } cases[] = {{0, 1, 0, 1, 0x8000, 0x8000}, {20, -1, 0, 1, 0x7FFF, 0x8000}, {0, 1, 30, -1, 0x8000, 0x7FFF},
               {20, -1, 30, -1, 0x7FFF, 0x7FFF}};
  for (const Case& c : cases) {
    Canvas canvas(24, 24, 0);
    auto at = [&](int x, int y) {
      return PerspVertex{x * 16, y * 16, 2.0f, c.u0 + c.du * static_cast<float>(x),
                         c.v0 + c.dv * static_cast<float>(y)};
    };
    const PerspVertex quad[4] = {at(2, 3), at(18, 3), at(18, 20), at(2, 20)};
    FillPolygonTextured(&canvas.buffer, quad, 4, texture);
    EXPECT_EQ(LastPerspGradients().uBias, c.uBias) << c.du << "," << c.dv;
    EXPECT_EQ(LastPerspGradients().vBias, c.vBias) << c.du << "," << c.dv;
    for (int y = 3; y < 20; ++y)
      for (int x = 2; x < 18; ++x) {
        const int u = static_cast<int>(c.u0 + c.du * x), v = static_cast<int>(c.v0 + c.dv * y);
        ASSERT_EQ(canvas.At(x, y), texels[v * 64 + u]) << c.du << "," << c.dv << " at " << x << "," << y;
      }
  }
}

TEST_F(PerspFillTest, RunLengthFollowsTheDepthGradient) {
  const std::pair<float, int32_t> cases[] = {
      {0.001f, 8},         {-0.001f, 8},         {0.00045f, 8},       {0.0000001f, 48}, {0.0000015f, 16},
      {0.0000002f, 32},    {0.00000002f, 128},   {0.000000005f, 256}, {0.0f, 256},
      {std::numeric_limits<float>::quiet_NaN(), 256}};
  for (auto [gradient, length] : cases) EXPECT_EQ(PerspRunLength(gradient), length) << gradient;
}

TEST_F(PerspFillTest, TransparentTexelsLeaveTheScreen) {
  const std::vector<uint8_t> zeros(64 * 64, 0);
  const Texture texture{64, 64, zeros.data()};
  for (int transparent = 0; transparent < 2; ++transparent) {
    Canvas canvas(20, 20, 5);
    const std::vector<PerspVertex> quad = Rect(2, 2, 12, 10, 2.0f, 1, 1);
    FillPolygonTexturedAdaptive(&canvas.buffer, quad.data(), 4, texture, transparent);
    int written = 0;
    for (uint8_t p : canvas.pixels) written += p == 0;
    EXPECT_EQ(written, transparent ? 0 : 10 * 8) << transparent;
  }
}

// Flat rows: from the left edge up to, not including, the right; an edge
// exactly on column 10 (160) starts there, a sixteenth right of it (161) at 11.
TEST_F(PerspFillTest, FlatSpans) {
  struct Case {
    int32_t x0, x1;  // 28.4, rows 0..1
    int first, last;
  } cases[] = {{16, 64, 1, 3}, {16, 336, 1, 20}, {160, 320, 10, 19}, {161, 320, 11, 19}, {150, 161, 10, 10},
               {-40, 48, 0, 2}, {280, 900, 18, 23}};
  for (const Case& c : cases) {
    Canvas canvas(24, 4, 0xEE);
    const PerspVertex quad[4] = {{c.x0, 0, 1, 0, 0}, {c.x1, 0, 1, 0, 0}, {c.x1, 32, 1, 0, 0}, {c.x0, 32, 1, 0, 0}};
    FillPolygonFlat(&canvas.buffer, quad, 4, 0x21212121u);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 24; ++x)
        EXPECT_EQ(canvas.At(x, y), (y < 2 && x >= c.first && x <= c.last) ? 0x21 : 0xEE)
            << c.x0 << ".." << c.x1 << " at " << x << "," << y;
  }
}

TEST_F(PerspFillTest, DegeneratePolygonsDrawNothing) {
  const std::vector<uint8_t> texels = Pattern(64, 64);
  const Texture texture{64, 64, texels.data()};
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const std::vector<std::vector<PerspVertex>> cases = {
      // first three vertices in a line
      {{0, 0, 1, 0, 0}, {160, 0, 1, 10, 0}, {320, 0, 1, 20, 0}, {0, 160, 1, 0, 10}},
      {{0, 0, 0.0f, 0, 0}, {160, 0, 1, 10, 0}, {160, 160, 1, 10, 10}},  // depth 0
      {{0, 0, -1, 0, 0}, {160, 0, 1, 10, 0}, {160, 160, 1, 10, 10}},
      {{0, 0, 1, nan, 0}, {160, 0, 1, 10, 0}, {160, 160, 1, 10, 10}},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    Canvas canvas(16, 16, 0);
    FillPolygonTextured(&canvas.buffer, cases[i].data(), static_cast<int>(cases[i].size()), texture);
    FillPolygonTexturedAdaptive(&canvas.buffer, cases[i].data(), static_cast<int>(cases[i].size()), texture, 0);
    for (uint8_t p : canvas.pixels) ASSERT_EQ(p, 0) << "case " << i;
  }
}

// A quad receding in depth along the rows: the adaptive filler's runs of 8
// follow the true perspective u to within a texel, while the exact-row
// filler is affine along each row between its exact ends.
TEST_F(PerspFillTest, AdaptiveRunsFollowPerspectiveAlongRows) {
  const int tw = 256;
  std::vector<uint8_t> texels(tw * 4);
  for (int v = 0; v < 4; ++v)
    for (int u = 0; u < tw; ++u) texels[v * tw + u] = static_cast<uint8_t>(u);
  const Texture texture{tw, 4, texels.data()};
  const PerspVertex quad[4] = {{0, 0, 1.0f, 0, 0}, {300 * 16, 0, 3.0f, 255.0f, 0},
                               {300 * 16, 20 * 16, 3.0f, 255.0f, 3.9f}, {0, 20 * 16, 1.0f, 0, 3.9f}};
  Canvas rows(300, 20, 0), runs(300, 20, 0);
  FillPolygonTextured(&rows.buffer, quad, 4, texture);
  FillPolygonTexturedAdaptive(&runs.buffer, quad, 4, texture, 0);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 300; ++x) {
      const double t = x / 300.0;
      const double perspective = (255.0 / 3.0 * t) / (1.0 - 2.0 / 3.0 * t);
      ASSERT_LE(std::abs(runs.At(x, y) - std::floor(perspective + 0.5)), 1.0) << x << "," << y;
      ASSERT_LE(std::abs(rows.At(x, y) - std::floor(255.0 * t + 0.5)), 1.0) << x << "," << y;
    }
}

}  // namespace
