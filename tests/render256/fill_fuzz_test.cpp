// Random polygons through every software filler: nothing is written outside
// the buffer's rows and columns (the padding of each row and guard zones
// around the block stay as they were) and no texel outside the texture is
// read (the bytes around the texture hold a value no texel has, and it never
// reaches the screen). Run under the sanitisers too.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "render256/perspfill.h"
#include "render256/polyscan.h"
#include "support/engine_fixture.h"

namespace {

constexpr uint8_t kGuard = 0xFB;  // never a texel, never a fill colour
constexpr int kGuardBytes = 256;

struct GuardedBuffer {
  GuardedBuffer(int w, int h, int padding) : width(w), height(h), stride(w + padding) {
    block.assign(static_cast<size_t>(stride) * h + 2 * kGuardBytes, kGuard);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) Pixel(x, y) = 0;
    buffer.w = static_cast<int16_t>(w);
    buffer.h = static_cast<int16_t>(h);
    buffer.width = w;
    buffer.height = h;
    buffer.stride = stride;
    buffer.pixels = block.data() + kGuardBytes;
  }
  uint8_t& Pixel(int x, int y) { return block[kGuardBytes + static_cast<size_t>(y) * stride + x]; }
  // Guard bytes untouched, no guard value inside.
  ::testing::AssertionResult Intact() const {
    for (size_t i = 0; i < block.size(); ++i) {
      const int64_t offset = static_cast<int64_t>(i) - kGuardBytes;
      const bool inside = offset >= 0 && offset < static_cast<int64_t>(stride) * height && offset % stride < width;
      if (inside != (block[i] != kGuard))
        return ::testing::AssertionFailure() << (inside ? "guard texel drawn" : "write outside") << " at offset "
                                             << offset;
    }
    return ::testing::AssertionSuccess();
  }
  int width, height, stride;
  std::vector<uint8_t> block;
  GfxBuffer buffer{};
};

struct GuardedTexture {
  GuardedTexture(std::mt19937& rng, int w, int h, bool zeros) {
    block.assign(static_cast<size_t>(w) * h + 2 * kGuardBytes, kGuard);
    for (int i = 0; i < w * h; ++i)
      block[kGuardBytes + i] = zeros && rng() % 3 == 0 ? 0 : static_cast<uint8_t>(1 + rng() % 250);
    texture = Texture{w, h, block.data() + kGuardBytes};
  }
  std::vector<uint8_t> block;
  Texture texture{};
};

class FillFuzzTest : public EngineTest {};

TEST_F(FillFuzzTest, RandomPolygonsStayInsideBufferAndTexture) {
  std::mt19937 rng(20261211);
  auto range = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  auto real = [&](float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); };
  const float specials[] = {0.0f, -1.0f, std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN(), 1e-30f, 1e30f};
  int drawn[4] = {};
  for (int round = 0; round < 3000; ++round) {
    GuardedBuffer screen(range(1, 70), range(1, 50), range(0, 17));
    GuardedTexture tex(rng, range(1, 80), range(1, 40), true);
    const int count = range(3, kMaxPerspVertices);
    // Mostly near the buffer, sometimes far outside it or beyond the
    // accepted range.
    const int reach = round % 50 == 0 ? (1 << 30) : (round % 7 == 0 ? 4000 * 16 : 120 * 16);
    PerspVertex persp[kMaxPerspVertices];
    ScreenVertex flat[kMaxPerspVertices];
    for (int i = 0; i < count; ++i) {
      persp[i].x = range(-reach, reach);
      persp[i].y = range(-reach, reach);
      persp[i].z = round % 11 == 0 ? specials[range(0, 5)] : real(0.01f, 200.0f);
      persp[i].u = real(-20.0f, static_cast<float>(tex.texture.rowLength) + 20.0f);
      persp[i].v = real(-20.0f, static_cast<float>(tex.texture.rows) + 20.0f);
      if (round % 13 == 0) persp[i].u = specials[range(0, 5)];
      flat[i] = ScreenVertex{persp[i].x / 16, persp[i].y / 16, persp[i].u, persp[i].v};
    }
    // Half the polygons convex and clockwise around a centre, so that most
    // draw something.
    if ((round / 4) % 2 == 0) {
      const int cx = range(-20, 90) * 16, cy = range(-20, 70) * 16, radius = range(1, 80) * 16;
      for (int i = 0; i < count; ++i) {
        const double angle = 2.0 * M_PI * i / count;
        persp[i].x = cx + static_cast<int>(radius * std::cos(angle));
        persp[i].y = cy + static_cast<int>(radius * std::sin(angle));
        flat[i].x = persp[i].x / 16;
        flat[i].y = persp[i].y / 16;
      }
    }
    switch (round % 4) {
      case 0: FillPolygonFlat(&screen.buffer, persp, count, 0x07070707u * static_cast<uint32_t>(range(1, 30))); break;
      case 1: FillPolygonTextured(&screen.buffer, persp, count, tex.texture); break;
      case 2: FillPolygonTexturedAdaptive(&screen.buffer, persp, count, tex.texture, range(0, 1)); break;
      case 3: FillPolygonMasked(&screen.buffer, flat, count, tex.texture, 9); break;
    }
    ASSERT_TRUE(screen.Intact()) << "round " << round;
    bool drew = false;
    for (int y = 0; y < screen.height && !drew; ++y)
      for (int x = 0; x < screen.width && !drew; ++x) drew = screen.Pixel(x, y) != 0;
    drawn[round % 4] += drew;
    alignas(256) uint8_t lut[256];
    for (int i = 0; i < 256; ++i) lut[i] = static_cast<uint8_t>(i == kGuard ? 0 : (i + 1) % 250);
    RemapScreenRect(&screen.buffer, range(-100, 100), range(-100, 100), range(-50, 200), range(-50, 200), lut);
    ASSERT_TRUE(screen.Intact()) << "remap, round " << round;
  }
  for (int filler = 0; filler < 4; ++filler) EXPECT_GT(drawn[filler], 200) << "filler " << filler;
}

}  // namespace
