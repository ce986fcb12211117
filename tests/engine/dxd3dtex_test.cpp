#include "engine/dxd3dtex.h"

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/dxd3d.h"
#include "engine/dxenum.h"
#include "platform/d3dstate.h"
#include "support/engine_fixture.h"

namespace {

PlatPixelFormat Rgb(uint32_t bits, uint32_t r, uint32_t g, uint32_t b, uint32_t a = 0) {
  PlatPixelFormat f{};
  f.flags = PLAT_PF_RGB | (a ? PLAT_PF_ALPHAPIXELS : 0u);
  f.bitCount = bits;
  f.rMask = r;
  f.gMask = g;
  f.bMask = b;
  f.aMask = a;
  return f;
}

const PlatPixelFormat k565 = Rgb(16, 0xF800, 0x07E0, 0x001F);
const PlatPixelFormat k555 = Rgb(16, 0x7C00, 0x03E0, 0x001F);
const PlatPixelFormat k1555 = Rgb(16, 0x7C00, 0x03E0, 0x001F, 0x8000);
const PlatPixelFormat k4444 = Rgb(16, 0x0F00, 0x00F0, 0x000F, 0xF000);
const PlatPixelFormat kX888 = Rgb(32, 0xFF0000, 0x00FF00, 0x0000FF);
const PlatPixelFormat k8888 = Rgb(32, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000);
const PlatPixelFormat k2222 = Rgb(8, 0x30, 0x0C, 0x03, 0xC0);
PlatPixelFormat Pal8() {
  PlatPixelFormat f{};
  f.flags = PLAT_PF_RGB | PLAT_PF_PALETTEINDEXED8;
  f.bitCount = 8;
  return f;
}

// The formats our device offers, in its order.
const std::vector<PlatPixelFormat> kDeviceFormats = {k565, k1555, k4444, kX888, k8888};

void FillFormats(const std::vector<PlatPixelFormat>& formats) {
  for (const PlatPixelFormat& f : formats) EnumTextureFormatsCallback(f, nullptr);
}

class TexFormatTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    D3DTexInit();  // no device, no drawing surface: no formats, 16-bit default
  }
};

TEST_F(TexFormatTest, ChoosesByAlphaKindAndDepth) {
  const std::vector<PlatPixelFormat> alpha16 = {k1555, k4444};
  const std::vector<PlatPixelFormat> only32 = {k8888, kX888};
  const std::vector<PlatPixelFormat> twins = {k565, k555, k8888};
  const std::vector<PlatPixelFormat> withPal = {k565, Pal8(), k1555, Pal8()};
  const struct {
    const char* name;
    const std::vector<PlatPixelFormat>* formats;
    uint16_t wanted;
    int want;
  } cases[] = {
      {"transparent picks one alpha bit (10 against 2)", &alpha16, D3DTEX_FORMAT_TRANSPARENT | D3DTEX_FORMAT_16BIT, 0},
      {"semi-transparent picks four alpha bits (10 against 1)", &alpha16,
       D3DTEX_FORMAT_SEMITRANSPARENT | D3DTEX_FORMAT_16BIT, 1},
      {"solid at 16 bits from 32-bit formats: fewest alpha bits", &only32, D3DTEX_FORMAT_SOLID | D3DTEX_FORMAT_16BIT, 1},
      {"equal scores: the first enumerated", &twins, D3DTEX_FORMAT_SOLID | D3DTEX_FORMAT_16BIT, 0},
      {"32 bits wanted: the wider formats win", &twins, D3DTEX_FORMAT_SEMITRANSPARENT | D3DTEX_FORMAT_32BIT, 2},
      {"no depth: the default 16 bits", &kDeviceFormats, D3DTEX_FORMAT_SOLID, 0},
      {"device list, transparent 16", &kDeviceFormats, D3DTEX_FORMAT_TRANSPARENT | D3DTEX_FORMAT_16BIT, 1},
      {"device list, semi 16", &kDeviceFormats, D3DTEX_FORMAT_SEMITRANSPARENT | D3DTEX_FORMAT_16BIT, 2},
      {"device list, solid 32", &kDeviceFormats, D3DTEX_FORMAT_SOLID | D3DTEX_FORMAT_32BIT, 3},
      {"device list, semi 32", &kDeviceFormats, D3DTEX_FORMAT_SEMITRANSPARENT | D3DTEX_FORMAT_32BIT, 4},
      {"8 bits wanted: narrower formats lose 50, wider 25", &kDeviceFormats,
       D3DTEX_FORMAT_TRANSPARENT | D3DTEX_FORMAT_8BIT, 1},
      {"semi with no alpha anywhere still takes the best there is", &only32,
       D3DTEX_FORMAT_SEMITRANSPARENT | D3DTEX_FORMAT_16BIT, 0},
      {"palettised: the first palettised entry", &withPal, D3DTEX_FORMAT_PALETTE, 1},
      {"palettised: none", &kDeviceFormats, D3DTEX_FORMAT_PALETTE, D3DTEX_NULL_FORMAT},
      {"palettised entries are not scored", &withPal, D3DTEX_FORMAT_SOLID | D3DTEX_FORMAT_8BIT, 0},
  };
  for (const auto& c : cases) {
    D3DTexInit();
    FillFormats(*c.formats);
    EXPECT_EQ(D3DTexFindTextureFormat(c.wanted), c.want) << c.name;
  }
  D3DTexInit();
  EXPECT_EQ(D3DTexFindTextureFormat(D3DTEX_FORMAT_SOLID), D3DTEX_NULL_FORMAT);  // empty table
  FillFormats({Pal8()});
  EXPECT_EQ(D3DTexFindTextureFormat(D3DTEX_FORMAT_SOLID), D3DTEX_NULL_FORMAT);  // nothing but a palette
}

TEST_F(TexFormatTest, EnumerationSkipsWhatItCannotUseAndStopsWhenFull) {
  PlatPixelFormat notRgb = k565;
  notRgb.flags = PLAT_PF_ALPHA;
  PlatPixelFormat pal4 = Pal8();
  pal4.flags = PLAT_PF_RGB | PLAT_PF_PALETTEINDEXED4;
  pal4.bitCount = 4;
  PlatPixelFormat overlap = k565;
  overlap.gMask = 0x0FE0;
  PlatPixelFormat pal16 = Pal8();
  pal16.bitCount = 16;
  const PlatPixelFormat skipped[] = {notRgb, pal4, overlap, pal16, Rgb(16, 0xF800, 0x07E0, 0x001F, 0x0001)};
  for (const PlatPixelFormat& f : skipped) EXPECT_TRUE(EnumTextureFormatsCallback(f, nullptr));
  EXPECT_EQ(D3DTexFormatCount(), 0);

  EXPECT_TRUE(EnumTextureFormatsCallback(Pal8(), nullptr));
  EXPECT_TRUE(EnumTextureFormatsCallback(k4444, nullptr));
  ASSERT_EQ(D3DTexFormatCount(), 2);
  EXPECT_EQ(D3DTexFormatEntry(0)->flags, 1u);
  EXPECT_EQ(D3DTexFormatEntry(1)->flags, 0u);
  EXPECT_EQ(D3DTexFormatEntry(1)->colFmt.alpha.bits, 4u);
  EXPECT_EQ(D3DTexFormatEntry(1)->colFmt.bitsPerPixel, 16u);
  EXPECT_TRUE(PlatPixelFormatEqual(D3DTexFormatEntry(1)->pixelFormat, k4444));
  EXPECT_EQ(D3DTexGetTextureFormat(1)->alpha.mask, 0xF000u);

  for (int i = 2; i < MAX_TEXTURE_FORMATS; ++i) EXPECT_TRUE(EnumTextureFormatsCallback(k2222, nullptr)) << i;
  EXPECT_EQ(D3DTexFormatCount(), MAX_TEXTURE_FORMATS);
  EXPECT_FALSE(EnumTextureFormatsCallback(k565, nullptr));
  EXPECT_EQ(D3DTexFormatCount(), MAX_TEXTURE_FORMATS);
}

TEST_F(TexFormatTest, BadRequestsAbort) {
  FillFormats(kDeviceFormats);
  EXPECT_FATAL(D3DTexFindTextureFormat(D3DTEX_FORMAT_16BIT), "no D3DTEX_FORMAT_\\* value specified");
  EXPECT_FATAL(D3DTexFindTextureFormat(D3DTEX_FORMAT_SOLID | 0x40), "unknown bit depth requested");
  EXPECT_FATAL(D3DTexFindTextureFormat(8 | D3DTEX_FORMAT_16BIT), "unknown texture format");
  EXPECT_FATAL(D3DTexGetTextureFormat(D3DTEX_NULL_FORMAT), "Format value out of range \\(was D3DTEX_NULL_FORMAT");
  EXPECT_FATAL(D3DTexGetTextureFormat(5), "Format value out of range");
}

TEST_F(TexFormatTest, InitClearsTheGlobalFlagsAndTables) {
  FillFormats(kDeviceFormats);
  EXPECT_EQ(D3DTexSetGlobalFlags(D3DTEX_MIPMAPS | D3DTEX_HALF_SIZE), 0u);
  EXPECT_EQ(D3DTexSetGlobalFlags(D3DTEX_MIPMAPS), static_cast<uint32_t>(D3DTEX_MIPMAPS | D3DTEX_HALF_SIZE));
  D3DTexInit();
  EXPECT_EQ(D3DTexSetGlobalFlags(0), 0u);
  EXPECT_EQ(D3DTexFormatCount(), 0);
  EXPECT_EQ(D3DTexGetCurrentHandle(), -1);
}

// Textures on the headless display's surfaces, with the card's device chosen
// (hardware, mip-maps, no aspect limit, up to 2048).
class TexSurfaceTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(40000);
    WinInit(nullptr, "Gafferon test", 1);
    DXEnumDisplay();
    DXSelectDevice(0, 0);
    GfxInit(0);
    ASSERT_NE(DDrawGetDirectDraw(), nullptr);
    D3DTexInit();
    FillFormats(kDeviceFormats);
    blocksBefore_ = GetMemoryStats().count;
  }

  // A managed block holding `offset` bytes of something else, then the
  // image (R, G, B, A in memory order), made into a texture.
  int Create(uint32_t w, uint32_t h, const std::vector<uint32_t>& rgba, uint32_t flags, uint32_t offset = 0) {
    void* block = nullptr;
    AllocateMemory(&block, offset + static_cast<uint32_t>(rgba.size() * 4), ManualFree);
    std::memset(block, 0x77, offset);
    uint8_t* p = static_cast<uint8_t*>(block) + offset;
    for (uint32_t v : rgba) {
      p[0] = static_cast<uint8_t>(v >> 24);
      p[1] = static_cast<uint8_t>(v >> 16);
      p[2] = static_cast<uint8_t>(v >> 8);
      p[3] = static_cast<uint8_t>(v);
      p += 4;
    }
    int handle = D3DTexAdvancedCreateTexture(w, h, &block, offset, flags);
    EXPECT_EQ(block, nullptr);  // consumed
    EXPECT_EQ(GetMemoryStats().count, blocksBefore_);
    return handle;
  }

  static std::pair<uint32_t, uint32_t> Size(PlatSurface* s) {
    uint32_t w = 0, h = 0;
    PlatSurfaceSize(s, &w, &h);
    return {w, h};
  }

  // The levels of a texture's chain, each as (width, height, 16-bit pixels).
  struct Level {
    uint32_t w, h;
    std::vector<uint32_t> pixels;
  };
  static std::vector<Level> Levels(int handle) {
    std::vector<Level> out;
    PlatSurface* s = D3DTexAccessDDrawSurface(handle);
    PlatSurfaceAddRef(s);
    while (s) {
      Level l;
      std::tie(l.w, l.h) = Size(s);
      PlatPixelFormat pf{};
      PlatSurfacePixelFormat(s, &pf);
      void* pixels = nullptr;
      int32_t pitch = 0;
      EXPECT_EQ(PlatSurfaceLock(s, &pixels, &pitch), PLAT_OK);
      for (uint32_t y = 0; y < l.h; ++y)
        for (uint32_t x = 0; x < l.w; ++x) {
          const uint8_t* p = static_cast<const uint8_t*>(pixels) + y * pitch + x * (pf.bitCount / 8);
          l.pixels.push_back(pf.bitCount == 16 ? (p[0] | p[1] << 8) : (p[0] | p[1] << 8 | p[2] << 16 | p[3] << 24));
        }
      PlatSurfaceUnlock(s);
      out.push_back(l);
      PlatSurface* next = nullptr;
      if (PlatSurfaceGetNextMipLevel(s, &next) != PLAT_OK) next = nullptr;
      PlatSurfaceRelease(s);
      s = next;
    }
    return out;
  }

  uint32_t blocksBefore_ = 0;
};

TEST_F(TexSurfaceTest, TheSelectedDeviceIsTheRasteriser) {
  const DXDevice* d = DXGetSelectedDevice();
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->flags & D3DDEVINFO_HARDWARE);
  EXPECT_TRUE(d->flags & D3DDEVINFO_MIPMAPTEX);
  EXPECT_FALSE(d->flags & D3DDEVINFO_SQUARETEX);
}

TEST_F(TexSurfaceTest, TheDeviceOffersTheFiveFormatsTheseTestsUse) {
  PlatSurfaceDesc d{};
  d.caps = PLAT_SCAPS_OFFSCREENPLAIN | PLAT_SCAPS_3DDEVICE;
  d.width = d.height = 8;
  d.hasFormat = true;
  d.format = k565;
  PlatSurface* target = nullptr;
  ASSERT_EQ(PlatCreateSurface(DDrawGetDirectDraw(), d, &target), PLAT_OK);
  PlatDevice3D* device = nullptr;
  ASSERT_EQ(Plat3DCreateDevice(DDrawGetDirectDraw(), PLAT_3D_DEVICE_GUID, target, &device), PLAT_OK);
  D3DTexInit();
  ASSERT_EQ(Plat3DEnumTextureFormats(device, EnumTextureFormatsCallback, nullptr), PLAT_OK);
  ASSERT_EQ(D3DTexFormatCount(), static_cast<int>(kDeviceFormats.size()));
  for (int i = 0; i < D3DTexFormatCount(); ++i) {
    const PlatPixelFormat& got = D3DTexFormatEntry(i)->pixelFormat;
    const PlatPixelFormat& want = kDeviceFormats[static_cast<size_t>(i)];
    EXPECT_EQ(got.bitCount, want.bitCount) << i;
    EXPECT_EQ(got.rMask, want.rMask) << i;
    EXPECT_EQ(got.gMask, want.gMask) << i;
    EXPECT_EQ(got.bMask, want.bMask) << i;
    EXPECT_EQ(got.aMask, want.aMask) << i;
  }
  Plat3DDeviceRelease(device);
  PlatSurfaceRelease(target);
}

TEST_F(TexSurfaceTest, TheDefaultDepthFollowsTheDrawingSurface) {
  const struct {
    PlatPixelFormat format;
    int want;  // solid from {8-bit 2-2-2-2, 16-bit 5-6-5, 32-bit X888}
  } cases[] = {{Pal8(), 0}, {k565, 1}, {k555, 1}, {kX888, 2}, {k8888, 2}};
  for (const auto& c : cases) {
    PlatSurfaceDesc d{};
    d.caps = PLAT_SCAPS_OFFSCREENPLAIN;
    d.width = d.height = 4;
    d.hasFormat = true;
    d.format = c.format;
    PlatSurface* s = nullptr;
    ASSERT_EQ(PlatCreateSurface(DDrawGetDirectDraw(), d, &s), PLAT_OK) << c.format.bitCount;
    DDrawInfo.drawingSurface = s;
    D3DTexInit();
    FillFormats({k2222, k565, kX888});
    EXPECT_EQ(D3DTexFindTextureFormat(D3DTEX_FORMAT_SOLID), c.want) << c.format.bitCount;
    DDrawInfo.drawingSurface = nullptr;
    PlatSurfaceRelease(s);
  }
  D3DTexInit();  // no drawing surface: 16 bits
  FillFormats({k2222, k565, kX888});
  EXPECT_EQ(D3DTexFindTextureFormat(D3DTEX_FORMAT_SOLID), 1);
}

TEST_F(TexSurfaceTest, SquareDoublingAndMipCounts) {
  const struct {
    const char* name;
    uint32_t w, h, flags;
    uint32_t wantW, wantH, wantLevels;
  } cases[] = {
      {"64x256 square: width doubled twice", 64, 256, D3DTEX_SQUARE, 256, 256, 1},
      {"256x64 square: height doubled twice", 256, 64, D3DTEX_SQUARE, 256, 256, 1},
      {"256x64 with mip-maps: 6 levels", 256, 64, D3DTEX_MIPMAPS, 256, 64, 6},
      {"256x256 with mip-maps: 8 levels", 256, 256, D3DTEX_MIPMAPS, 256, 256, 8},
      {"never overrides mip-maps", 256, 64, D3DTEX_MIPMAPS | D3DTEX_NO_MIPMAPS, 256, 64, 1},
      {"half size", 64, 16, D3DTEX_HALF_SIZE, 32, 8, 1},
      {"half size of a line is left", 64, 1, D3DTEX_HALF_SIZE, 64, 1, 1},
      {"no mip-maps for a line", 64, 1, D3DTEX_MIPMAPS, 64, 1, 1},
      {"2 x 8 mip-mapped: one level", 2, 8, D3DTEX_MIPMAPS, 2, 8, 1},
      {"square, halved and mip-mapped", 8, 32, D3DTEX_SQUARE | D3DTEX_HALF_SIZE | D3DTEX_MIPMAPS, 16, 16, 4},
  };
  for (const auto& c : cases) {
    std::vector<uint32_t> rgba(c.w * c.h, 0x804020FF);
    int handle = Create(c.w, c.h, rgba, D3DTEX_SOURCE_RGBA32 | c.flags, 12);
    ASSERT_GE(handle, 0) << c.name;
    std::vector<Level> levels = Levels(handle);
    ASSERT_EQ(levels.size(), c.wantLevels) << c.name;
    EXPECT_EQ(levels[0].w, c.wantW) << c.name;
    EXPECT_EQ(levels[0].h, c.wantH) << c.name;
    for (size_t i = 1; i < levels.size(); ++i) {
      EXPECT_EQ(levels[i].w, c.wantW >> i) << c.name;
      EXPECT_EQ(levels[i].h, c.wantH >> i) << c.name;
    }
    for (const Level& l : levels)
      for (uint32_t p : l.pixels) ASSERT_EQ(p, 0x8204u) << c.name;  // 565 of (0x80, 0x40, 0x20)
    D3DTexDestroyTexture(handle);
  }
}

TEST_F(TexSurfaceTest, DoublingRepeatsPixelsAndMipLevelsAverage) {
  // 2 x 1, square: every pixel twice across, then the row twice down.
  int h1 = Create(1, 2, {0xFF0000FF, 0x00FF00FF}, D3DTEX_SOURCE_RGBA32 | D3DTEX_SQUARE);
  std::vector<Level> l1 = Levels(h1);
  ASSERT_EQ(l1.size(), 1u);
  EXPECT_EQ(l1[0].pixels, (std::vector<uint32_t>{0xF800, 0xF800, 0x07E0, 0x07E0}));
  int h2 = Create(2, 1, {0xFF0000FF, 0x0000FFFF}, D3DTEX_SOURCE_RGBA32 | D3DTEX_SQUARE);
  EXPECT_EQ(Levels(h2)[0].pixels, (std::vector<uint32_t>{0xF800, 0x001F, 0xF800, 0x001F}));

  // 4 x 4 with mip-maps, 32 bits: the second level averages each 2 x 2 block.
  std::vector<uint32_t> image(16);
  for (uint32_t y = 0; y < 4; ++y)
    for (uint32_t x = 0; x < 4; ++x) image[y * 4 + x] = ((x * 40 + y * 8) << 24) | ((y * 60) << 16) | 0x10FF;
  int h3 = Create(4, 4, image, D3DTEX_SOURCE_RGBA32 | D3DTEX_MIPMAPS | D3DTEX_WANT_32BIT);
  EXPECT_EQ(D3DTexReadTextureFormat(h3), 3);  // X888
  std::vector<Level> l3 = Levels(h3);
  ASSERT_EQ(l3.size(), 2u);
  EXPECT_EQ(l3[0].pixels[5], (uint32_t{40 + 8} << 16) | (60u << 8) | 0x10u);
  // Block (0,0): red (0 + 40 + 8 + 48) / 4 = 24, green (0 + 0 + 60 + 60) / 4 = 30.
  EXPECT_EQ(l3[1].pixels[0], (24u << 16) | (30u << 8) | 0x10u);
  // Block (1,1): red (96 + 136 + 104 + 144) / 4 = 120, green (120 + 120 + 180 + 180) / 4 = 150.
  EXPECT_EQ(l3[1].pixels[3], (120u << 16) | (150u << 8) | 0x10u);
}

TEST_F(TexSurfaceTest, AlphaClassesChooseTheFormat) {
  const struct {
    const char* name;
    std::vector<uint32_t> pixels;
    uint32_t flags;
    int wantFormat;
  } cases[] = {
      {"opaque only: solid", {0x000000FF, 0xFFFFFFFF, 0x123456FF, 0xABCDEFFF}, 0, 0},
      {"transparent and opaque: transparent", {0x00000000, 0xFFFFFFFF, 0x12345600, 0xABCDEFFF}, 0, 1},
      {"one half-transparent pixel more: semi", {0x00000000, 0xFFFFFF80, 0x12345600, 0xABCDEFFF}, 0, 2},
      {"partial without transparent: solid", {0x000000FF, 0xFFFFFF80, 0x12345601, 0xABCDEFFF}, 0, 0},
      {"all transparent: transparent", {0, 0, 0, 0}, 0, 1},
      {"kind given: semi", {0x000000FF, 0xFFFFFFFF, 0x123456FF, 0xABCDEFFF}, 3u << D3DTEX_ALPHA_SHIFT, 2},
      {"32 bits, transparent", {0x00000000, 0xFFFFFFFF, 0x12345600, 0xABCDEFFF}, D3DTEX_WANT_32BIT, 4},
      {"16 and 32 bits: 32", {0x000000FF, 0xFFFFFFFF, 0x123456FF, 0xABCDEFFF},
       D3DTEX_WANT_16BIT | D3DTEX_WANT_32BIT, 3},
  };
  for (const auto& c : cases) {
    int handle = Create(2, 2, c.pixels, D3DTEX_SOURCE_RGBA32 | c.flags);
    EXPECT_EQ(D3DTexReadTextureFormat(handle), c.wantFormat) << c.name;
    D3DTexDestroyTexture(handle);
  }
  // Every level is read: averages of opaque pixels stay opaque.
  int handle = Create(4, 4, std::vector<uint32_t>(16, 0x102030FF), D3DTEX_SOURCE_RGBA32 | D3DTEX_MIPMAPS);
  EXPECT_EQ(D3DTexReadTextureFormat(handle), 0);
  // 4444 keeps the alpha: 0x80 becomes 8.
  int semi = Create(2, 2, {0x00000000, 0xFFFFFF80, 0xFF000000, 0x00FF00FF}, D3DTEX_SOURCE_RGBA32);
  EXPECT_EQ(Levels(semi)[0].pixels, (std::vector<uint32_t>{0x0000, 0x8FFF, 0x0F00, 0xF0F0}));
}

// 2^32 pixels from a small block: the size check must not wrap.
void TooLarge() {
  void* block = nullptr;
  AllocateMemory(&block, 64, ManualFree);
  D3DTexAdvancedCreateTexture(65536, 65536, &block, 0, D3DTEX_SOURCE_RGBA32);
}

TEST_F(TexSurfaceTest, BadImagesAbort) {
  EXPECT_FATAL(Create(4, 4, std::vector<uint32_t>(16), 0), "D3DTexAdvancedCreateTexture\\(\\): unknown format");
  EXPECT_FATAL(Create(3, 4, std::vector<uint32_t>(12), D3DTEX_SOURCE_RGBA32), "texture size must be a power of two");
  EXPECT_FATAL(Create(0, 4, std::vector<uint32_t>(4), D3DTEX_SOURCE_RGBA32), "texture size must be a power of two");
  EXPECT_FATAL(Create(2, 2, std::vector<uint32_t>(4), D3DTEX_SOURCE_RGBA32 | (4u << D3DTEX_ALPHA_SHIFT)),
               "unknown alpha format");
  EXPECT_FATAL(Create(4, 4, std::vector<uint32_t>(15), D3DTEX_SOURCE_RGBA32), "source image is shorter than its size");
  EXPECT_FATAL(TooLarge(), "source image is shorter than its size");
  D3DTexInit();  // no formats: nothing can serve the image
  EXPECT_FATAL(Create(2, 2, std::vector<uint32_t>(4), D3DTEX_SOURCE_RGBA32), "Format value out of range");
}

TEST_F(TexSurfaceTest, GlobalFlagsJoinEveryCreation) {
  D3DTexSetGlobalFlags(D3DTEX_HALF_SIZE);
  int handle = Create(8, 8, std::vector<uint32_t>(64, 0xFFFFFFFF), D3DTEX_SOURCE_RGBA32);
  EXPECT_EQ(Size(D3DTexAccessDDrawSurface(handle)), std::make_pair(4u, 4u));
}

TEST_F(TexSurfaceTest, TheTableHoldsAThousandAndTwentyFourTextures) {
  const uint16_t pixel = 0x1234;
  for (int i = 0; i < MAX_TEXTURES; ++i) ASSERT_EQ(D3DTexCreateTexture(1, 1, &pixel, 0), i);
  EXPECT_FATAL(D3DTexCreateTexture(1, 1, &pixel, 0), "cannot create any more textures");
  D3DTexDestroyTexture(3);
  D3DTexDestroyTexture(700);
  EXPECT_EQ(D3DTexCreateTexture(1, 1, &pixel, 1), 3);
  EXPECT_EQ(D3DTexReadTextureFormat(3), 1);
  EXPECT_EQ(D3DTexCreateTexture(1, 1, &pixel, 0), 700);
  EXPECT_FATAL(D3DTexCreateTexture(1, 1, &pixel, 0), "cannot create any more textures");
  D3DTexUninit();  // releases them all
  EXPECT_FATAL(D3DTexAccessDDrawSurface(0), "texture doesn't exist");
}

TEST_F(TexSurfaceTest, CreatingFromPackedPixelsCopiesRowByRow) {
  const uint16_t pixels[6] = {1, 2, 3, 4, 5, 6};
  int handle = D3DTexCreateTexture(3, 2, pixels, 0);
  EXPECT_EQ(Levels(handle)[0].pixels, (std::vector<uint32_t>{1, 2, 3, 4, 5, 6}));
  // With levels: 4 x 2 then 2 x 1, packed one behind the other.
  const uint32_t more[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  int mipped = D3DTexCreateTextureEx(4, 2, 2, more, 4);
  std::vector<Level> levels = Levels(mipped);
  ASSERT_EQ(levels.size(), 2u);
  EXPECT_EQ(levels[1].pixels, (std::vector<uint32_t>{9, 10}));
  EXPECT_FATAL(D3DTexCreateTexture(1, 1, pixels, D3DTEX_NULL_FORMAT), "Format value out of range");
}

TEST_F(TexSurfaceTest, HandlesOutsideTheTableOrEmptyAbort) {
  const uint16_t pixel = 0;
  D3DTexCreateTexture(1, 1, &pixel, 0);  // handle 0 exists
  const struct {
    const char* name;
    void (*call)(int);
  } calls[] = {
      {"D3DTexAccessDDrawSurface", [](int h) { D3DTexAccessDDrawSurface(h); }},
      {"D3DTexReadTextureFormat", [](int h) { D3DTexReadTextureFormat(h); }},
      {"D3DTexDestroyTexture", [](int h) { D3DTexDestroyTexture(h); }},
      {"D3DTexSetCurrentHandle", [](int h) { D3DTexSetCurrentHandle(h); }},
  };
  for (const auto& c : calls) {
    EXPECT_FATAL(c.call(MAX_TEXTURES), std::string(c.name) + "\\(\\): texture handle out of range");
    EXPECT_FATAL(c.call(-2), std::string(c.name) + "\\(\\): texture handle out of range");
    EXPECT_FATAL(c.call(1), std::string(c.name) + "\\(\\): texture doesn't exist");
  }
  EXPECT_FATAL(D3DTexAccessDDrawSurface(-1), "D3DTexAccessDDrawSurface\\(\\): texture handle out of range");
}

// With the Direct3D layer's device on a 16-bit target: the texture table
// starts from the device's own formats and sets stage 0 through it.
class TexDeviceTest : public TexSurfaceTest {
 protected:
  void SetUp() override {
    TexSurfaceTest::SetUp();
    PlatSurfaceDesc d{};
    d.caps = PLAT_SCAPS_OFFSCREENPLAIN | PLAT_SCAPS_3DDEVICE;
    d.width = d.height = 8;
    d.hasFormat = true;
    d.format = k565;
    ASSERT_EQ(PlatCreateSurface(DDrawGetDirectDraw(), d, &target_), PLAT_OK);
    D3DInit(DDrawGetDirectDraw());
    D3DInitDevice(target_);
    ASSERT_NE(D3DGetD3DDevice7(), nullptr);
    D3DTexInit();  // as D3DInitDevice does; again is harmless
  }
  void TearDown() override {
    D3DUninitDevice();
    D3DUninit();
    PlatSurfaceRelease(target_);
    TexSurfaceTest::TearDown();
  }
  uint32_t SetTextureCalls() { return Plat3DGetStats(D3DGetD3DDevice7()).setTexture; }
  PlatSurface* Stage0() { return D3DGetD3DDevice7()->texture; }

  PlatSurface* target_ = nullptr;
};

TEST_F(TexDeviceTest, InitTakesTheDevicesFormatsAndClearsStageZero) {
  EXPECT_EQ(D3DTexFormatCount(), 5);
  EXPECT_EQ(D3DTexGetCurrentHandle(), -1);
  EXPECT_EQ(Stage0(), nullptr);
  EXPECT_EQ(D3DTexFindTextureFormat(D3DTEX_FORMAT_SEMITRANSPARENT | D3DTEX_FORMAT_32BIT), 4);
}

TEST_F(TexDeviceTest, SettingTheCurrentTextureCallsTheDeviceOnlyOnChange) {
  int a = Create(2, 2, std::vector<uint32_t>(4, 0xFFFFFFFF), D3DTEX_SOURCE_RGBA32);
  int b = Create(2, 2, std::vector<uint32_t>(4, 0x000000FF), D3DTEX_SOURCE_RGBA32);
  uint32_t calls = SetTextureCalls();
  D3DTexSetCurrentHandle(a);
  EXPECT_EQ(Stage0(), D3DTexAccessDDrawSurface(a));
  D3DTexSetCurrentHandle(a);
  EXPECT_EQ(SetTextureCalls(), calls + 1);
  D3DTexSetCurrentHandle(b);
  EXPECT_EQ(Stage0(), D3DTexAccessDDrawSurface(b));
  D3DTexSetCurrentHandle(-1);
  EXPECT_EQ(Stage0(), nullptr);
  EXPECT_EQ(D3DTexGetCurrentHandle(), -1);
  EXPECT_EQ(SetTextureCalls(), calls + 3);
}

TEST_F(TexDeviceTest, DestroyingTheCurrentTextureLeavesNoneCurrent) {
  int a = Create(2, 2, std::vector<uint32_t>(4, 0xFFFFFFFF), D3DTEX_SOURCE_RGBA32);
  D3DTexSetCurrentHandle(a);
  D3DTexDestroyTexture(a);
  EXPECT_EQ(D3DTexGetCurrentHandle(), -1);
  EXPECT_EQ(Stage0(), nullptr);
  // A new texture in the same slot reaches the device when made current.
  int again = Create(2, 2, std::vector<uint32_t>(4, 0x000000FF), D3DTEX_SOURCE_RGBA32);
  ASSERT_EQ(again, a);
  uint32_t calls = SetTextureCalls();
  D3DTexSetCurrentHandle(again);
  EXPECT_EQ(SetTextureCalls(), calls + 1);
  EXPECT_EQ(Stage0(), D3DTexAccessDDrawSurface(again));
  // Destroying another texture leaves the current one alone.
  int other = Create(2, 2, std::vector<uint32_t>(4, 0x000000FF), D3DTEX_SOURCE_RGBA32);
  D3DTexDestroyTexture(other);
  EXPECT_EQ(D3DTexGetCurrentHandle(), again);
  EXPECT_EQ(Stage0(), D3DTexAccessDDrawSurface(again));
}

TEST_F(TexDeviceTest, UninitReleasesEveryTextureAndStageZero) {
  int a = Create(4, 4, std::vector<uint32_t>(16, 0xFFFFFFFF), D3DTEX_SOURCE_RGBA32 | D3DTEX_MIPMAPS);
  Create(2, 2, std::vector<uint32_t>(4, 0xFFFFFFFF), D3DTEX_SOURCE_RGBA32);
  D3DTexSetCurrentHandle(a);
  D3DTexUninit();
  EXPECT_EQ(D3DTexGetCurrentHandle(), -1);
  EXPECT_EQ(Stage0(), nullptr);
  EXPECT_FATAL(D3DTexAccessDDrawSurface(a), "texture doesn't exist");
}

}  // namespace
