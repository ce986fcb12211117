#include "engine/colconv.h"

#include <cstring>
#include <vector>

#include "support/engine_fixture.h"

namespace {

TEST(ColConv, ComponentWidthsReplicateBitsWhenWidening) {
  const struct {
    uint32_t v, from, to, want;
  } cases[] = {
      {31, 5, 8, 255}, {16, 5, 8, 132}, {255, 8, 5, 31}, {63, 6, 8, 255}, {0, 5, 8, 0}, {1, 1, 8, 255},
      {0x2A, 6, 6, 0x2A}, {200, 8, 6, 50}, {5, 3, 5, 22}, {0xFF, 8, 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ColConvComponent(c.v, c.from, c.to), c.want) << c.v << " " << c.from << "->" << c.to;
}

TEST(ColConv, PixelsBetweenFormats) {
  const struct {
    uint32_t v;
    const ColFmt* from;
    const ColFmt* to;
    uint32_t want;
  } cases[] = {
      {0xFFFF, &ColFmt565, &ColFmtRGB888, 0xFFFFFF},
      {0xF800, &ColFmt565, &ColFmtRGB888, 0x0000FF},  // red in the low byte
      {0x07E0, &ColFmt565, &ColFmtRGB888, 0x00FF00},
      {0x001F, &ColFmt565, &ColFmtRGB888, 0xFF0000},
      {0x0000FF, &ColFmtRGB888, &ColFmt565, 0xF800},
      {0x12345678, &ColFmtARGB8888, &ColFmtABGR8888, 0x12785634},
      {0xFF0000, &ColFmtRGB888, &ColFmtARGB8888, 0x000000FF},  // no alpha in the source: 0
      {0x3F003F, &ColFmtPal666, &ColFmtRGB888, 0xFF00FF},
  };
  for (const auto& c : cases) EXPECT_EQ(ColConvPixel(c.v, *c.from, *c.to), c.want) << std::hex << c.v;
  EXPECT_EQ(ColConvRGBA2Pixel(ColFmt565, 255, 0, 0, 255), 0xF800u);
  EXPECT_EQ(ColConvRGBA2Pixel(ColFmtABGR8888, 1, 2, 3, 4), 0x04030201u);
}

TEST(ColConv, MasksToComponents) {
  ColComponent c;
  Mask2ColComponent(0x7C00, &c);
  EXPECT_EQ(c.shift, 10u);
  EXPECT_EQ(c.bits, 5u);
  Mask2ColComponent(0, &c);
  EXPECT_EQ(c.shift, 0u);
  EXPECT_EQ(c.bits, 0u);
  Mask2ColComponent(0xFF000000, &c);
  EXPECT_EQ(c.shift, 24u);
  EXPECT_EQ(c.bits, 8u);
  EXPECT_FATAL(Mask2ColComponent(0x00F0F000, &c),
               "Mask2ColComponent\\(\\): failed to generate correct Bits & Shift from Mask\n\\(File: colconv");
}

TEST(ColConv, PixelFormatsFromTheDisplay) {
  ColFmt f;
  DDrawPixelFormat2ColFmt({PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0}, &f);
  EXPECT_EQ(ColFmtIsEqual(f, ColFmt565), 1);
  DDrawPixelFormat2ColFmt({PLAT_PF_RGB | PLAT_PF_PALETTEINDEXED8, 8, 0, 0, 0, 0, 0}, &f);
  EXPECT_EQ(f.bytesPerPixel, 0u);
  DDrawPixelFormat2ColFmt({PLAT_PF_RGB | PLAT_PF_ALPHAPIXELS, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, 0}, &f);
  EXPECT_EQ(ColFmtIsEqual(f, ColFmtARGB8888), 1);
  char text[64];
  ColFmtDescribe(text, ColFmt565);
  EXPECT_STREQ(text, "16 bit RF800 G07E0 B001F A0000");
  EXPECT_FATAL(DDrawPixelFormat2ColFmt({PLAT_PF_ZBUFFER, 16, 0xFFFF, 0, 0, 0, 0}, &f),
               "non-rgb pixel formats cannot be converted");
}

TEST(ColConv, ReadAndWriteAbortOnUnknownSizes) {
  ColFmt five = ColFmt565;
  five.bytesPerPixel = 5;
  uint8_t p[8] = {};
  EXPECT_FATAL(ColConvertRead(p, five), "ColConvertRead\\(\\): unknown pixel format");
  EXPECT_FATAL(ColConvertWrite(p, 0, five), "ColConvertWrite\\(\\): unknown pixel format");
}

TEST(ColConv, CubeIndicesOf565Colours) {
  const struct {
    uint16_t c;
    uint8_t index;
  } cases[] = {{0xFFFF, 252}, {0x0000, 1}, {0xF800, 211}, {0x07E0, 37}, {0x001F, 6}};
  for (const auto& c : cases) EXPECT_EQ(ColConv565ToCubeIndex(c.c), c.index) << std::hex << c.c;

  uint16_t pixels[4] = {0xFFFF, 0x1234, 0xF800, 0x1234};
  ColConv565ToCubeTrans(pixels, 4, 0x1234);
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(pixels);
  EXPECT_EQ(bytes[0], 252);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(bytes[2], 211);
  EXPECT_EQ(bytes[3], 0);
}

TEST(ColConv, CubePaletteAndBackTo565) {
  uint8_t pal[768];
  ColConvMakeCubePalette(pal);
  EXPECT_EQ(pal[0], 0);
  EXPECT_EQ(pal[3 * 253], 244);
  EXPECT_EQ(pal[3 * 255 + 2], 252);
  // Entry 1 + 42 r + 6 g + b: red and blue levels 0, 10, 21, 32, 42, 53; green 0, 9, ..., 54.
  EXPECT_EQ(pal[3 * (1 + 42 * 5 + 6 * 6 + 5) + 0], 53);
  EXPECT_EQ(pal[3 * (1 + 42 * 5 + 6 * 6 + 5) + 1], 54);
  EXPECT_EQ(pal[3 * (1 + 42 * 2 + 6 * 3 + 1) + 0], 21);
  EXPECT_EQ(pal[3 * (1 + 42 * 2 + 6 * 3 + 1) + 1], 27);
  EXPECT_EQ(pal[3 * (1 + 42 * 2 + 6 * 3 + 1) + 2], 10);

  uint8_t buffer[6] = {252, 1, 0};
  ColConvPalTo565(buffer, pal, 3);
  uint16_t w[3];
  std::memcpy(w, buffer, sizeof w);
  EXPECT_EQ(w[0], (53 / 2) * 2048 + 54 * 32 + 53 / 2);
  EXPECT_EQ(w[1], 0);
}

class ColConvMemoryTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(9500);
  }
};

TEST_F(ColConvMemoryTest, WideningInPlaceGrowsTheBlockFirst) {
  uint8_t* block = nullptr;
  AllocateMemory(&block, 200 + 8, ManualFree);
  for (int i = 0; i < 100; ++i) {
    uint16_t v = static_cast<uint16_t>(i == 99 ? 0xFFFF : 0xF800);
    std::memcpy(block + 8 + 2 * i, &v, 2);
  }
  ColConvMemory(reinterpret_cast<void**>(&block), 100, 8, ColFmt565, ColFmtARGB8888);
  uint32_t first, last;
  std::memcpy(&first, block + 8, 4);
  std::memcpy(&last, block + 8 + 4 * 99, 4);
  EXPECT_EQ(first, 0x00FF0000u);
  EXPECT_EQ(last, 0x00FFFFFFu);
  ColConvMemory(reinterpret_cast<void**>(&block), 100, 8, ColFmtARGB8888, ColFmt565);
  uint16_t back;
  std::memcpy(&back, block + 8 + 2 * 99, 2);
  EXPECT_EQ(back, 0xFFFF);
  FreeMemory(&block);
}

TEST_F(ColConvMemoryTest, PalettedImagesExpandThroughTheirPalette) {
  uint8_t* block = nullptr;
  AllocateMemory(&block, 3, ManualFree);
  block[0] = 2;
  block[1] = 0;
  block[2] = 1;
  const uint8_t palette[9] = {0, 0, 0, 63, 0, 0, 0, 63, 0};  // black, red, green (6-bit)
  ColConvPalettedMemory(reinterpret_cast<void**>(&block), palette, 3, 0, ColFmtPal666, ColFmt565);
  uint16_t w[3];
  std::memcpy(w, block, sizeof w);
  EXPECT_EQ(w[0], 0x07E0);
  EXPECT_EQ(w[1], 0x0000);
  EXPECT_EQ(w[2], 0xF800);
  FreeMemory(&block);
}

TEST(ColConv, HalvingAveragesEachBlockAndRefusesOddSizes) {
  // 4 x 2 of 565: the left block averages to mid grey, the right stays red.
  uint16_t image[8] = {0xFFFF, 0x0000, 0xF800, 0xF800, 0x0000, 0xFFFF, 0xF800, 0xF800};
  uint16_t out[2];
  ColConvHalveImageSize(image, out, 4, 2, ColFmt565);
  EXPECT_EQ(out[0], (15 << 11) | (31 << 5) | 15);
  EXPECT_EQ(out[1], 0xF800);
  EXPECT_FATAL(ColConvHalveImageSize(image, out, 3, 2, ColFmt565),
               "ColConvHalveImageSize\\(\\): width or height is odd \\(or zero sized\\)");
  EXPECT_FATAL(ColConvHalveImageSize(image, out, 0, 2, ColFmt565), "odd \\(or zero sized\\)");
}

TEST(ColConv, AlphaByKey) {
  uint32_t pixels[2] = {0x00123456, 0x00ABCDEF};
  ColConvSetAlphaByKey(pixels, 0xFF123456, ColFmtARGB8888, 0, 255, 2);
  EXPECT_EQ(pixels[0], 0x00123456u);
  EXPECT_EQ(pixels[1], 0xFFABCDEFu);
  ColConvSetAlpha(pixels, 0x80, ColFmtARGB8888, 2);
  EXPECT_EQ(pixels[0], 0x80123456u);
}

}  // namespace
