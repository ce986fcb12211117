#include <cstring>
#include <vector>

#include "support/engine_fixture.h"

namespace {

TEST(PlatformFrames, ConvertEveryPixelFormatToXRGB) {
  PlatPaletteEntry palette[256] = {};
  palette[3] = {0x12, 0x34, 0x56, 0};
  const struct {
    PlatPixelFormat format;
    std::vector<uint8_t> pixel;
    const PlatPaletteEntry* palette;
    uint32_t want;
  } cases[] = {
      {{PLAT_PF_RGB | PLAT_PF_PALETTEINDEXED8, 8, 0, 0, 0, 0, 0}, {3}, palette, 0x123456},
      {{PLAT_PF_RGB | PLAT_PF_PALETTEINDEXED8, 8, 0, 0, 0, 0, 0}, {0x80}, nullptr, 0x808080},
      {{PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0}, {0xFF, 0xFF}, nullptr, 0xFFFFFF},
      {{PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0}, {0x00, 0xF8}, nullptr, 0xFF0000},
      {{PLAT_PF_RGB, 16, 0x7C00, 0x03E0, 0x001F, 0, 0}, {0xE0, 0x03}, nullptr, 0x00FF00},
      {{PLAT_PF_RGB, 16, 0x7C00, 0x03E0, 0x001F, 0, 0}, {0x10, 0x00}, nullptr, 0x000084},
      {{PLAT_PF_RGB, 24, 0xFF0000, 0xFF00, 0xFF, 0, 0}, {0x56, 0x34, 0x12}, nullptr, 0x123456},
      {{PLAT_PF_RGB, 32, 0xFF0000, 0xFF00, 0xFF, 0, 0}, {0x56, 0x34, 0x12, 0x99}, nullptr, 0x123456},
      {{PLAT_PF_RGB, 32, 0xFF, 0xFF00, 0xFF0000, 0, 0}, {0x56, 0x34, 0x12, 0x99}, nullptr, 0x563412},
  };
  for (const auto& c : cases) {
    // Two rows of one pixel with a padded pitch: only the pixels are read.
    std::vector<uint8_t> image(16, 0xAB);
    std::memcpy(image.data(), c.pixel.data(), c.pixel.size());
    std::memcpy(image.data() + 8, c.pixel.data(), c.pixel.size());
    uint32_t out[2] = {};
    PlatFrameToXRGB({image.data(), 1, 2, 8, c.format, c.palette}, out);
    EXPECT_EQ(out[0], c.want) << c.format.bitCount << " bit, mask " << std::hex << c.format.rMask;
    EXPECT_EQ(out[1], c.want);
  }
}

class PlatformDisplayTest : public EngineTest {
 protected:
  PlatDisplay* dd = nullptr;
  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(PlatCreateDisplay(&dd), PLAT_OK);
    ASSERT_EQ(PlatDisplayInitialize(dd, nullptr), PLAT_OK);
  }
  PlatSurface* Plain(uint32_t w, uint32_t h, uint32_t bits, uint32_t caps = PLAT_SCAPS_OFFSCREENPLAIN,
                     uint32_t backBuffers = 0) {
    PlatSurfaceDesc d{};
    d.caps = caps;
    d.width = w;
    d.height = h;
    d.hasFormat = true;
    d.format = bits == 8 ? PlatPixelFormat{PLAT_PF_RGB | PLAT_PF_PALETTEINDEXED8, 8, 0, 0, 0, 0, 0}
                         : PlatPixelFormat{PLAT_PF_RGB, bits, 0xFF0000, 0xFF00, 0xFF, 0, 0};
    d.backBufferCount = backBuffers;
    PlatSurface* s = nullptr;
    EXPECT_EQ(PlatCreateSurface(dd, d, &s), PLAT_OK);
    return s;
  }
};

TEST_F(PlatformDisplayTest, SurfacesLockFillCopyAndRefuseMisuse) {
  EXPECT_EQ(PlatDisplayInitialize(dd, nullptr), PLATERR_ALREADYINITIALIZED);
  PlatSurface* a = Plain(5, 3, 8);
  PlatSurface* b = Plain(5, 3, 8);
  PlatSurface* wide = Plain(5, 3, 32);
  void* pixels;
  int32_t pitch;
  ASSERT_EQ(PlatSurfaceLock(a, &pixels, &pitch), PLAT_OK);
  EXPECT_EQ(pitch, 8);  // rows padded
  EXPECT_EQ(PlatSurfaceLock(a, &pixels, &pitch), PLATERR_SURFACEBUSY);
  EXPECT_EQ(PlatSurfaceFill(a, nullptr, 1), PLATERR_SURFACEBUSY);
  EXPECT_EQ(PlatSurfaceUnlock(a), PLAT_OK);
  EXPECT_EQ(PlatSurfaceUnlock(a), PLATERR_NOTLOCKED);

  PlatRect r{1, 1, 3, 2};
  EXPECT_EQ(PlatSurfaceFill(a, &r, 7), PLAT_OK);
  PlatRect outside{3, 0, 6, 1};
  EXPECT_EQ(PlatSurfaceFill(a, &outside, 7), PLATERR_INVALIDRECT);
  EXPECT_EQ(PlatSurfaceBlt(b, nullptr, a, nullptr), PLAT_OK);
  EXPECT_EQ(PlatSurfaceBlt(wide, nullptr, a, nullptr), PLATERR_INVALIDPIXELFORMAT);
  ASSERT_EQ(PlatSurfaceLock(b, &pixels, &pitch), PLAT_OK);
  const uint8_t* p = static_cast<const uint8_t*>(pixels);
  EXPECT_EQ(p[pitch + 1], 7);
  EXPECT_EQ(p[pitch + 3], 0);
  EXPECT_EQ(PlatSurfaceUnlock(b), PLAT_OK);

  PlatPalette* pal = nullptr;
  PlatPaletteEntry entries[256] = {};
  ASSERT_EQ(PlatCreatePalette(dd, entries, &pal), PLAT_OK);
  EXPECT_EQ(PlatSurfaceSetPalette(wide, pal), PLATERR_NOTPALETTIZED);
  EXPECT_EQ(PlatSurfaceSetPalette(a, pal), PLAT_OK);
  EXPECT_EQ(PlatPaletteRelease(pal), 1u);  // the surface still holds it
  EXPECT_EQ(PlatSurfaceRelease(a), 0u);
  EXPECT_EQ(PlatSurfaceRelease(b), 0u);
  EXPECT_EQ(PlatSurfaceRelease(wide), 0u);

  PlatDisplayLoseSurfaces();  // nothing left to lose
  PlatSurface* c = Plain(2, 2, 8);
  PlatDisplayLoseSurfaces();
  EXPECT_EQ(PlatSurfaceLock(c, &pixels, &pitch), PLATERR_SURFACELOST);
  EXPECT_EQ(PlatSurfaceRestore(c), PLAT_OK);
  EXPECT_EQ(PlatSurfaceLock(c, &pixels, &pitch), PLAT_OK);
}

TEST_F(PlatformDisplayTest, FlipChainsSwapAndTheClipperKeepsCopiesInTheWindow) {
  PlatSurface* single = Plain(4, 4, 8);
  EXPECT_EQ(PlatSurfaceFlip(single), PLATERR_NOTFLIPPABLE);
  PlatSurface* front = Plain(4, 4, 8, PLAT_SCAPS_OFFSCREENPLAIN | PLAT_SCAPS_FLIP | PLAT_SCAPS_COMPLEX, 1);
  PlatSurface* back = nullptr;
  ASSERT_EQ(PlatSurfaceGetBackBuffer(front, &back), PLAT_OK);
  EXPECT_EQ(PlatSurfaceFill(back, nullptr, 9), PLAT_OK);
  EXPECT_EQ(PlatSurfaceFlip(front), PLAT_OK);
  void* pixels;
  int32_t pitch;
  ASSERT_EQ(PlatSurfaceLock(front, &pixels, &pitch), PLAT_OK);
  EXPECT_EQ(static_cast<uint8_t*>(pixels)[0], 9);
  PlatSurfaceUnlock(front);
  PlatSurfaceRelease(back);
  EXPECT_EQ(PlatSurfaceRelease(front), 0u);

  // The windowed primary is the client area of the screen layout; a copy running past it is clipped.
  constexpr int W = PLAT_LAYOUT_WIDTH, H = PLAT_LAYOUT_HEIGHT;
  PlatSurfaceDesc pd{};
  pd.caps = PLAT_SCAPS_PRIMARYSURFACE;
  PlatSurface* primary = nullptr;
  ASSERT_EQ(PlatCreateSurface(dd, pd, &primary), PLAT_OK);
  uint32_t w, h;
  PlatSurfaceSize(primary, &w, &h);
  EXPECT_EQ(w, static_cast<uint32_t>(W));
  EXPECT_EQ(h, static_cast<uint32_t>(H));
  PlatSurface* tile = Plain(4, 4, 32);
  PlatSurfaceFill(tile, nullptr, 0x00FF00);
  PlatRect to{W - 2, H - 2, W + 2, H + 2};
  EXPECT_EQ(PlatSurfaceBlt(primary, &to, tile, nullptr), PLATERR_INVALIDRECT);
  PlatClipper* clipper = nullptr;
  ASSERT_EQ(PlatCreateClipper(dd, &clipper), PLAT_OK);
  PlatSurfaceSetClipper(primary, clipper);
  PlatClipperRelease(clipper);
  uint32_t shown = PlatPresentCount();
  EXPECT_EQ(PlatSurfaceBlt(primary, &to, tile, nullptr), PLAT_OK);
  EXPECT_EQ(PlatPresentCount(), shown + 1);
  const uint32_t* frame;
  ASSERT_TRUE(PlatLastPresented(&w, &h, &frame));
  EXPECT_EQ(frame[(H - 1) * W + W - 1], 0x00FF00u);
  EXPECT_EQ(frame[(H - 3) * W + W - 3], 0u);
}

TEST_F(PlatformDisplayTest, ModesAndTheCard) {
  int counts[2] = {0, 0};  // all modes, the screen layout's size at 8 bits
  PlatDisplayEnumModes(
      dd, PLAT_ENUMMODES_STANDARDVGA,
      [](const PlatDisplayMode& m, void* user) {
        int* n = static_cast<int*>(user);
        ++n[0];
        if (m.format.bitCount == 8 && m.width == PLAT_LAYOUT_WIDTH && m.height == PLAT_LAYOUT_HEIGHT) ++n[1];
        return true;
      },
      counts);
  EXPECT_GE(counts[0], 10);
  EXPECT_EQ(counts[1], 1);
  EXPECT_EQ(PlatDisplaySetMode(dd, PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT, 16, 0, 0), PLATERR_NOEXCLUSIVEMODE);
  PlatDisplaySetCooperativeLevel(dd, PLAT_COOP_FULLSCREEN | PLAT_COOP_EXCLUSIVE);
  EXPECT_EQ(PlatDisplaySetMode(dd, PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT, 16, 0, 0), PLAT_OK);
  EXPECT_EQ(PlatDisplaySetMode(dd, PLAT_LAYOUT_WIDTH + 1, PLAT_LAYOUT_HEIGHT, 16, 0, 0), PLATERR_UNSUPPORTEDMODE);
  EXPECT_EQ(PlatDisplayInitialize(nullptr, nullptr), PLATERR_INVALIDPARAMS);
}

}  // namespace
