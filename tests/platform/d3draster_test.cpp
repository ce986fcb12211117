// The rasteriser on tiny targets: exact pixels for coverage, z, stencil,
// blending, fog, shading, filtering, mip choice and clipping.
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/d3dstate.h"
#include "support/engine_fixture.h"

namespace {

const PlatPixelFormat k565{PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0};
const PlatPixelFormat k555{PLAT_PF_RGB, 16, 0x7C00, 0x03E0, 0x001F, 0, 0};
const PlatPixelFormat k888{PLAT_PF_RGB, 32, 0xFF0000, 0xFF00, 0xFF, 0, 0};
const PlatPixelFormat kTex8888{PLAT_PF_RGB | PLAT_PF_ALPHAPIXELS, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000, 0};
const PlatPixelFormat kTex4444{PLAT_PF_RGB | PLAT_PF_ALPHAPIXELS, 16, 0x0F00, 0x00F0, 0x000F, 0xF000, 0};
const PlatPixelFormat kZ16{PLAT_PF_ZBUFFER, 16, 0xFFFF, 0, 0, 0, 0};
const PlatPixelFormat kZ15S1{PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 16, 0x7FFF, 0x8000, 0, 0, 1};
const PlatPixelFormat kZ24S8{PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 32, 0xFFFFFF, 0xFF000000, 0, 0, 8};

using TL = PlatVertexScreen;
using TLT = PlatVertexScreenTextured;
using LV = PlatVertexColoured;
using NT = PlatVertexTextured;
constexpr uint32_t kTL = PLAT_FVF_XYZRHW | PLAT_FVF_DIFFUSE;
constexpr uint32_t kTLT = PLAT_FVF_XYZRHW | PLAT_FVF_DIFFUSE | PLAT_FVF_TEX1;
constexpr uint32_t kLV = PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_DIFFUSE;
constexpr uint32_t kNT = PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_TEX1;

// Left-handed perspective: 90 degrees, near 1, far 100.
void Perspective(float* m) {
  std::memset(m, 0, 64);
  float q = 100.0f / 99.0f;
  m[0] = 1;
  m[5] = 1;
  m[10] = q;
  m[11] = 1;
  m[14] = -q;
}

class RasterTest : public EngineTest {
 protected:
  PlatDisplay* dd = nullptr;
  PlatDevice3D dev;
  PlatSurface* target = nullptr;
  PlatSurface* zbuf = nullptr;
  uint32_t w = 0, h = 0;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(PlatCreateDisplay(&dd), PLAT_OK);
    ASSERT_EQ(PlatDisplayInitialize(dd, nullptr), PLAT_OK);
  }
  void TearDown() override {
    RasterFree(dev);
    EngineTest::TearDown();
  }

  PlatSurface* Surface(uint32_t caps, uint32_t sw, uint32_t sh, const PlatPixelFormat& f, uint32_t mips = 0) {
    PlatSurfaceDesc d{};
    d.caps = caps;
    d.width = sw;
    d.height = sh;
    d.hasFormat = true;
    d.format = f;
    d.mipMapCount = mips;
    PlatSurface* s = nullptr;
    EXPECT_EQ(PlatCreateSurface(dd, d, &s), PLAT_OK);
    return s;
  }

  // A device by hand on the test's surfaces, holding a new device's states.
  void Make(uint32_t tw, uint32_t th, const PlatPixelFormat& f, const PlatPixelFormat* zf = nullptr) {
    RasterFree(dev);
    dev = PlatDevice3D{};
    zbuf = nullptr;
    w = tw;
    h = th;
    target = Surface(PLAT_SCAPS_3DDEVICE | PLAT_SCAPS_OFFSCREENPLAIN, tw, th, f);
    if (zf) {
      zbuf = Surface(PLAT_SCAPS_ZBUFFER, tw, th, *zf);
      ASSERT_EQ(PlatSurfaceAddAttached(target, zbuf), PLAT_OK);
    }
    dev.target = target;
    dev.zbuffer = zbuf;
    Plat3DInitialStates(dev, zf != nullptr);
    dev.viewport = {0, 0, tw, th, 0.0f, 1.0f};
    ASSERT_EQ(RasterClear(dev, 0, nullptr, PLAT_CLEAR_TARGET, 0, 1.0f, 0), PLAT_OK);
    if (zf) {
      uint32_t flags = PLAT_CLEAR_ZBUFFER | ((zf->flags & PLAT_PF_STENCILBUFFER) ? uint32_t{PLAT_CLEAR_STENCIL} : 0u);
      ASSERT_EQ(RasterClear(dev, 0, nullptr, flags, 0, 1.0f, 0), PLAT_OK);
    }
  }

  static uint32_t Read(PlatSurface* s, uint32_t x, uint32_t y) {
    PlatSurfaceView v;
    EXPECT_TRUE(PlatSurfaceGetView(s, &v));
    uint32_t bytes = v.format.bitCount <= 16 ? 2 : 4;
    uint32_t p = 0;
    std::memcpy(&p, v.pixels + y * static_cast<uint32_t>(v.pitch) + x * bytes, bytes);
    return p;
  }
  uint32_t Px(uint32_t x, uint32_t y) const { return Read(target, x, y); }
  uint32_t Stencil(uint32_t x, uint32_t y) const { return Read(zbuf, x, y) >> 24; }

  std::vector<uint8_t> Bytes() const {
    PlatSurfaceView v;
    EXPECT_TRUE(PlatSurfaceGetView(target, &v));
    return std::vector<uint8_t>(v.pixels, v.pixels + static_cast<size_t>(v.pitch) * v.height);
  }

  // A pre-transformed rectangle of one colour (two triangles, clockwise).
  PlatResult Rect(float x0, float y0, float x1, float y1, float z, uint32_t c) {
    TL v[4] = {{x0, y0, z, 1, c}, {x1, y0, z, 1, c}, {x0, y1, z, 1, c}, {x1, y1, z, 1, c}};
    return RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kTL, v, 4, nullptr, 0);
  }

  PlatSurface* Texture(uint32_t tw, uint32_t th, const std::vector<uint32_t>& argb, uint32_t mips = 0) {
    PlatSurface* t = Surface(PLAT_SCAPS_TEXTURE | (mips ? uint32_t{PLAT_SCAPS_MIPMAP} | uint32_t{PLAT_SCAPS_COMPLEX} : 0u), tw, th,
                             kTex8888, mips);
    Fill(t, argb);
    return t;
  }
  static void Fill(PlatSurface* t, const std::vector<uint32_t>& argb) {
    void* p;
    int32_t pitch;
    ASSERT_EQ(PlatSurfaceLock(t, &p, &pitch), PLAT_OK);
    uint32_t tw, th;
    PlatSurfaceSize(t, &tw, &th);
    for (uint32_t y = 0; y < th; ++y)
      for (uint32_t x = 0; x < tw; ++x) {
        uint32_t c = argb.size() == 1 ? argb[0] : argb[y * tw + x];
        std::memcpy(static_cast<uint8_t*>(p) + y * static_cast<uint32_t>(pitch) + x * 4, &c, 4);
      }
    ASSERT_EQ(PlatSurfaceUnlock(t), PLAT_OK);
  }
};

TEST_F(RasterTest, SharedEdgesAreDrawnExactlyOnce) {
  Make(16, 16, k888);
  dev.renderState[PLAT_RS_ALPHABLENDENABLE] = 1;
  dev.renderState[PLAT_RS_SRCBLEND] = PLAT_BLEND_ONE;
  dev.renderState[PLAT_RS_DESTBLEND] = PLAT_BLEND_ONE;
  dev.renderState[PLAT_RS_CULLMODE] = PLAT_CULL_NONE;
  const uint32_t c = 0xFF000010;
  // A fan round an off-grid centre, with rim points on and off the grid.
  std::vector<TL> fan = {{7.3f, 8.6f, 0, 1, c}};
  const float rim[][2] = {{1, 1}, {8, 0.5f}, {15, 1}, {15.5f, 8}, {15, 15}, {8, 15}, {0.25f, 15.75f}, {1, 8.5f}, {1, 1}};
  for (auto& r : rim) fan.push_back({r[0], r[1], 0, 1, c});
  ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLEFAN, kTL, fan.data(), static_cast<uint32_t>(fan.size()), nullptr, 0),
            PLAT_OK);
  int covered = 0;
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x) {
      uint32_t p = Px(x, y);
      EXPECT_TRUE(p == 0 || p == 0x10) << x << "," << y << " " << std::hex << p;
      covered += p == 0x10;
    }
  EXPECT_GT(covered, 150);

  // An axis-aligned quad of two triangles covers exactly its pixels.
  Make(8, 8, k888);
  dev.renderState[PLAT_RS_ALPHABLENDENABLE] = 1;
  dev.renderState[PLAT_RS_DESTBLEND] = PLAT_BLEND_ONE;
  ASSERT_EQ(Rect(1, 2, 5, 6, 0, c), PLAT_OK);
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x)
      EXPECT_EQ(Px(x, y), (x >= 1 && x < 5 && y >= 2 && y < 6) ? 0x10u : 0u) << x << "," << y;
}

TEST_F(RasterTest, CullingDropsTheChosenWinding) {
  const struct {
    uint32_t cull;
    bool clockwiseDrawn, anticlockwiseDrawn;
  } cases[] = {{PLAT_CULL_NONE, true, true}, {PLAT_CULL_CW, false, true}, {PLAT_CULL_CCW, true, false}};
  for (const auto& k : cases) {
    Make(8, 8, k888);
    dev.renderState[PLAT_RS_CULLMODE] = k.cull;
    TL cw[3] = {{0, 0, 0, 1, 0xFFFF0000}, {8, 0, 0, 1, 0xFFFF0000}, {0, 8, 0, 1, 0xFFFF0000}};
    TL ccw[3] = {{8, 8, 0, 1, 0xFF00FF00}, {8, 0, 0, 1, 0xFF00FF00}, {0, 8, 0, 1, 0xFF00FF00}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, cw, 3, nullptr, 0), PLAT_OK);
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, ccw, 3, nullptr, 0), PLAT_OK);
    EXPECT_EQ(Px(1, 1), k.clockwiseDrawn ? 0xFF0000u : 0u) << k.cull;
    EXPECT_EQ(Px(6, 6), k.anticlockwiseDrawn ? 0x00FF00u : 0u) << k.cull;
  }
}

TEST_F(RasterTest, DepthFunctionsAndWrites) {
  const struct {
    uint32_t func;
    bool less, equal, greater;  // does the second quad (nearer, same, further) win
  } cases[] = {
      {PLAT_CMP_NEVER, false, false, false},       {PLAT_CMP_LESS, true, false, false},
      {PLAT_CMP_EQUAL, false, true, false},        {PLAT_CMP_LESSEQUAL, true, true, false},
      {PLAT_CMP_GREATER, false, false, true},      {PLAT_CMP_NOTEQUAL, true, false, true},
      {PLAT_CMP_GREATEREQUAL, false, true, true},  {PLAT_CMP_ALWAYS, true, true, true},
  };
  for (const auto& k : cases) {
    const float zs[3] = {0.25f, 0.5f, 0.75f};
    const bool want[3] = {k.less, k.equal, k.greater};
    for (int i = 0; i < 3; ++i) {
      Make(4, 4, k565, &kZ16);
      ASSERT_EQ(Rect(0, 0, 4, 4, 0.5f, 0xFFFF0000), PLAT_OK);
      dev.renderState[PLAT_RS_ZFUNC] = k.func;
      ASSERT_EQ(Rect(0, 0, 4, 4, zs[i], 0xFF00FF00), PLAT_OK);
      EXPECT_EQ(Px(2, 2), want[i] ? 0x07E0u : 0xF800u) << k.func << " z " << zs[i];
      uint32_t z = Read(zbuf, 2, 2);
      EXPECT_EQ(z, want[i] ? static_cast<uint32_t>(zs[i] * 65535 + 0.5f) : 32768u);
    }
  }
  // Without z writes the buffer keeps its values; without z the test is off.
  Make(4, 4, k565, &kZ16);
  dev.renderState[PLAT_RS_ZWRITEENABLE] = 0;
  ASSERT_EQ(Rect(0, 0, 4, 4, 0.5f, 0xFFFF0000), PLAT_OK);
  EXPECT_EQ(Read(zbuf, 1, 1), 0xFFFFu);
  dev.renderState[PLAT_RS_ZENABLE] = 0;
  ASSERT_EQ(Rect(0, 0, 4, 4, 0.9f, 0xFF0000FF), PLAT_OK);
  EXPECT_EQ(Px(1, 1), 0x001Fu);
}

TEST_F(RasterTest, BlendingIn565And8888) {
  const struct {
    uint32_t src, dst;
    uint32_t want888, want565;
  } cases[] = {
      // half-transparent red over blue
      {PLAT_BLEND_SRCALPHA, PLAT_BLEND_INVSRCALPHA, 0x80007F, (16u << 11) | 15u},
      {PLAT_BLEND_ONE, PLAT_BLEND_ONE, 0xFF00FF, 0xF81F},
      {PLAT_BLEND_ZERO, PLAT_BLEND_ONE, 0x0000FF, 0x001F},
      {PLAT_BLEND_ONE, PLAT_BLEND_ZERO, 0xFF0000, 0xF800},
      {PLAT_BLEND_ZERO, PLAT_BLEND_SRCCOLOR, 0x000000, 0x0000},
      {PLAT_BLEND_DESTCOLOR, PLAT_BLEND_ZERO, 0x000000, 0x0000},
      {PLAT_BLEND_INVDESTCOLOR, PLAT_BLEND_ONE, 0xFF00FF, 0xF81F},
      {PLAT_BLEND_SRCALPHASAT, PLAT_BLEND_ONE, 0x0000FF, 0x001F},  // targets are opaque: no source
  };
  for (const auto& k : cases) {
    for (int fmt = 0; fmt < 2; ++fmt) {
      Make(4, 4, fmt ? k565 : k888);
      ASSERT_EQ(RasterClear(dev, 0, nullptr, PLAT_CLEAR_TARGET, 0xFF0000FF, 1, 0), PLAT_OK);
      dev.renderState[PLAT_RS_ALPHABLENDENABLE] = 1;
      dev.renderState[PLAT_RS_SRCBLEND] = k.src;
      dev.renderState[PLAT_RS_DESTBLEND] = k.dst;
      dev.stageState[PLAT_TSS_ALPHAOP] = PLAT_TOP_SELECTARG2;  // no texture: the vertex alpha
      ASSERT_EQ(Rect(0, 0, 4, 4, 0, 0x80FF0000), PLAT_OK);
      EXPECT_EQ(Px(3, 3), fmt ? k.want565 : k.want888) << k.src << "/" << k.dst << (fmt ? " 565" : " 888");
    }
  }
  // 555 targets read their masks.
  Make(4, 4, k555);
  ASSERT_EQ(Rect(0, 0, 4, 4, 0, 0xFF00FF00), PLAT_OK);
  EXPECT_EQ(Px(0, 0), 0x03E0u);
}

TEST_F(RasterTest, DoubledModulationWithTheTextureFactor) {
  Make(4, 4, k888);
  dev.renderState[PLAT_RS_TEXTUREFACTOR] = 0xFF40C0FF;
  dev.stageState[PLAT_TSS_COLOROP] = PLAT_TOP_MODULATE2X;
  dev.stageState[PLAT_TSS_COLORARG1] = PLAT_TA_TFACTOR;
  dev.stageState[PLAT_TSS_COLORARG2] = PLAT_TA_DIFFUSE;
  ASSERT_EQ(Rect(0, 0, 4, 4, 0, 0xFF808080), PLAT_OK);
  EXPECT_EQ(Px(1, 1), 0x40C0FFu);  // twice the product, saturated in blue
}

TEST_F(RasterTest, StencilShadowDarkensOnce) {
  for (const PlatPixelFormat* zf : {&kZ24S8, &kZ15S1}) {
    Make(8, 8, k888, zf);
    ASSERT_EQ(RasterClear(dev, 0, nullptr, PLAT_CLEAR_TARGET, 0xFFFFFFFF, 1, 0), PLAT_OK);
    uint32_t* rs = dev.renderState;
    rs[PLAT_RS_ZWRITEENABLE] = 0;
    rs[PLAT_RS_STENCILENABLE] = 1;
    rs[PLAT_RS_STENCILFUNC] = PLAT_CMP_EQUAL;
    rs[PLAT_RS_STENCILREF] = 0;
    rs[PLAT_RS_STENCILPASS] = PLAT_STENCILOP_INCR;
    rs[PLAT_RS_ALPHABLENDENABLE] = 1;
    rs[PLAT_RS_SRCBLEND] = PLAT_BLEND_SRCALPHA;
    rs[PLAT_RS_DESTBLEND] = PLAT_BLEND_INVSRCALPHA;
    dev.stageState[PLAT_TSS_ALPHAOP] = PLAT_TOP_SELECTARG2;
    // Two overlapping shadow triangles.
    TL tris[6] = {{0, 0, 0.5f, 1, 0x80000000}, {8, 0, 0.5f, 1, 0x80000000}, {0, 8, 0.5f, 1, 0x80000000},
                  {8, 0, 0.5f, 1, 0x80000000}, {8, 8, 0.5f, 1, 0x80000000}, {0, 3, 0.5f, 1, 0x80000000}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, tris, 6, nullptr, 0), PLAT_OK);
    int dark = 0;
    for (uint32_t y = 0; y < 8; ++y)
      for (uint32_t x = 0; x < 8; ++x) {
        uint32_t p = Px(x, y);
        EXPECT_TRUE(p == 0xFFFFFF || p == 0x7F7F7F) << x << "," << y << " " << std::hex << p;
        dark += p == 0x7F7F7F;
        if (zf == &kZ24S8) {
          EXPECT_EQ(Stencil(x, y), p == 0x7F7F7F ? 1u : 0u);
        }
      }
    EXPECT_GT(dark, 40);
    // The overlap kept its once-darkened value; stencil func ALWAYS draws again.
    EXPECT_EQ(Px(6, 3), 0x7F7F7Fu);
    rs[PLAT_RS_STENCILFUNC] = PLAT_CMP_ALWAYS;
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, tris, 3, nullptr, 0), PLAT_OK);
    EXPECT_EQ(Px(1, 1), 0x3F3F3Fu);
  }
}

TEST_F(RasterTest, StencilOperationsAndMasks) {
  const struct {
    uint32_t op;
    uint32_t start, want;
  } cases[] = {
      {PLAT_STENCILOP_KEEP, 5, 5},       {PLAT_STENCILOP_ZERO, 5, 0},      {PLAT_STENCILOP_REPLACE, 5, 0x42},
      {PLAT_STENCILOP_INCRSAT, 255, 255}, {PLAT_STENCILOP_DECRSAT, 0, 0},   {PLAT_STENCILOP_INVERT, 0x0F, 0xF0},
      {PLAT_STENCILOP_INCR, 255, 0},     {PLAT_STENCILOP_DECR, 0, 255},
  };
  for (const auto& k : cases) {
    Make(4, 4, k888, &kZ24S8);
    ASSERT_EQ(RasterClear(dev, 0, nullptr, PLAT_CLEAR_STENCIL, 0, 1, k.start), PLAT_OK);
    dev.renderState[PLAT_RS_STENCILENABLE] = 1;
    dev.renderState[PLAT_RS_STENCILREF] = 0x42;
    dev.renderState[PLAT_RS_STENCILPASS] = k.op;
    ASSERT_EQ(Rect(0, 0, 4, 4, 0.5f, 0xFFFFFFFF), PLAT_OK);
    EXPECT_EQ(Stencil(1, 1), k.want) << k.op;
    EXPECT_EQ(Read(zbuf, 1, 1) & 0xFFFFFF, static_cast<uint32_t>(0.5f * 0xFFFFFF + 0.5f)) << k.op;
  }
  // Failing the z test runs the z-fail operation; the write mask keeps bits.
  Make(4, 4, k888, &kZ24S8);
  ASSERT_EQ(RasterClear(dev, 0, nullptr, PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL, 0, 0.25f, 0xF0), PLAT_OK);
  dev.renderState[PLAT_RS_STENCILENABLE] = 1;
  dev.renderState[PLAT_RS_STENCILZFAIL] = PLAT_STENCILOP_INVERT;
  dev.renderState[PLAT_RS_STENCILWRITEMASK] = 0x0C;
  ASSERT_EQ(Rect(0, 0, 4, 4, 0.5f, 0xFFFFFFFF), PLAT_OK);
  EXPECT_EQ(Stencil(2, 2), 0xFCu);
  EXPECT_EQ(Px(2, 2), 0u);
  // Stencil func with mask: (ref & mask) against (stencil & mask).
  dev.renderState[PLAT_RS_STENCILFUNC] = PLAT_CMP_EQUAL;
  dev.renderState[PLAT_RS_STENCILREF] = 0x0C;
  dev.renderState[PLAT_RS_STENCILMASK] = 0x0F;
  dev.renderState[PLAT_RS_STENCILZFAIL] = PLAT_STENCILOP_KEEP;
  dev.renderState[PLAT_RS_ZFUNC] = PLAT_CMP_ALWAYS;
  ASSERT_EQ(Rect(0, 0, 4, 4, 0.5f, 0xFFFFFFFF), PLAT_OK);
  EXPECT_EQ(Px(2, 2), 0xFFFFFFu);
}

TEST_F(RasterTest, LinearTableFogOverEyeDepth) {
  const struct {
    float z;
    uint32_t want;
  } cases[] = {{5, 0xFF0000}, {10, 0xFF0000}, {30, 0x7F007F}, {50, 0x0000FF}, {70, 0x0000FF}};
  for (const auto& k : cases) {
    Make(4, 4, k888);
    dev.projection[10] = 0.01f;  // depth 0..100 maps to 0..1, w stays 1
    dev.renderState[PLAT_RS_LIGHTING] = 0;
    dev.renderState[PLAT_RS_FOGENABLE] = 1;
    dev.renderState[PLAT_RS_FOGTABLEMODE] = PLAT_FOG_LINEAR;
    dev.renderState[PLAT_RS_FOGCOLOR] = 0xFF0000FF;
    dev.renderState[PLAT_RS_FOGSTART] = Plat3DFloatBits(10);
    dev.renderState[PLAT_RS_FOGEND] = Plat3DFloatBits(50);
    const uint32_t c = 0xFFFF0000;
    LV v[4] = {{-1, 1, k.z, 0, 0, -1, c}, {1, 1, k.z, 0, 0, -1, c}, {-1, -1, k.z, 0, 0, -1, c},
               {1, -1, k.z, 0, 0, -1, c}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kLV, v, 4, nullptr, 0), PLAT_OK);
    EXPECT_EQ(Px(2, 2), k.want) << k.z;
  }
}

TEST_F(RasterTest, ExponentialTableFog) {
  const struct {
    uint32_t mode;
    float z;
    uint32_t want;
  } cases[] = {{PLAT_FOG_EXP, 20, 0x5D00A1}, {PLAT_FOG_EXP, 40, 0x2100DD}, {PLAT_FOG_EXP2, 40, 0x0300FB}};
  for (const auto& k : cases) {
    Make(4, 4, k888);
    dev.projection[10] = 0.01f;
    dev.renderState[PLAT_RS_LIGHTING] = 0;
    dev.renderState[PLAT_RS_FOGENABLE] = 1;
    dev.renderState[PLAT_RS_FOGTABLEMODE] = k.mode;
    dev.renderState[PLAT_RS_FOGCOLOR] = 0xFF0000FF;
    dev.renderState[PLAT_RS_FOGDENSITY] = Plat3DFloatBits(0.05f);
    const uint32_t c = 0xFFFF0000;
    LV v[4] = {{-1, 1, k.z, 0, 0, -1, c}, {1, 1, k.z, 0, 0, -1, c}, {-1, -1, k.z, 0, 0, -1, c},
               {1, -1, k.z, 0, 0, -1, c}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kLV, v, 4, nullptr, 0), PLAT_OK);
    EXPECT_EQ(Px(2, 2), k.want) << k.mode << " " << k.z;
  }
}

TEST_F(RasterTest, FlatUsesTheFirstVertexGouraudBlends) {
  TL tri[4] = {{0, 0, 0, 1, 0xFFFF0000}, {16, 0, 0, 1, 0xFF00FF00}, {0, 16, 0, 1, 0xFF0000FF},
               {16, 16, 0, 1, 0xFFFFFFFF}};
  Make(16, 16, k888);
  dev.renderState[PLAT_RS_SHADEMODE] = PLAT_SHADE_FLAT;
  ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kTL, tri, 4, nullptr, 0), PLAT_OK);
  EXPECT_EQ(Px(1, 1), 0xFF0000u);
  EXPECT_EQ(Px(10, 1), 0xFF0000u);
  EXPECT_EQ(Px(14, 14), 0x00FF00u);  // the strip's second triangle starts at vertex 1
  Make(16, 16, k888);
  ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kTL, tri, 4, nullptr, 0), PLAT_OK);
  EXPECT_EQ(Px(0, 0), 0xFF0000u);
  EXPECT_EQ(Px(8, 0), 0x808000u);
  EXPECT_EQ(Px(0, 8), 0x800080u);
  EXPECT_EQ(Px(15, 15), 0xDFEFEFu);
}

TEST_F(RasterTest, PointAndLinearFilters) {
  const struct {
    uint32_t filter;
    uint32_t want[4];
  } cases[] = {{PLAT_TFG_POINT, {0, 0, 255, 255}}, {PLAT_TFG_LINEAR, {127, 0, 127, 255}}};
  for (const auto& k : cases) {
    Make(4, 4, k888);
    PlatSurface* t = Texture(2, 2, {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF});
    dev.texture = t;
    dev.stageState[PLAT_TSS_MAGFILTER] = k.filter;
    TLT v[4] = {{0, 0, 0, 1, 0xFFFFFFFF, 0, 0}, {4, 0, 0, 1, 0xFFFFFFFF, 1, 0}, {0, 4, 0, 1, 0xFFFFFFFF, 0, 1},
                {4, 4, 0, 1, 0xFFFFFFFF, 1, 1}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kTLT, v, 4, nullptr, 0), PLAT_OK);
    for (uint32_t x = 0; x < 4; ++x) EXPECT_EQ(Px(x, 1) & 0xFF, k.want[x]) << k.filter << " x " << x;
    // Modulated by the vertex colour; a changed texture is read again.
    Fill(t, {0xFF808080});
    TLT m[3] = {{0, 0, 0, 1, 0xFFFF0000, 0, 0}, {4, 0, 0, 1, 0xFFFF0000, 1, 0}, {0, 4, 0, 1, 0xFFFF0000, 0, 1}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTLT, m, 3, nullptr, 0), PLAT_OK);
    EXPECT_EQ(Px(0, 0), 0x800000u);
    dev.texture = nullptr;
  }
}

TEST_F(RasterTest, MipLevelChoice) {
  const uint32_t colours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
  const struct {
    float size;
    uint32_t mip;
    float bias;
    int level;
  } cases[] = {
      {8, PLAT_TFP_POINT, 0, 0},  {4, PLAT_TFP_POINT, 0, 1},   {2, PLAT_TFP_POINT, 0, 2},
      {1, PLAT_TFP_POINT, 0, 3},  {4, PLAT_TFP_NONE, 0, 0},    {4, PLAT_TFP_POINT, -1, 0},
      {4, PLAT_TFP_LINEAR, 0, 1}, {2, PLAT_TFP_LINEAR, 0, 2},  {16, PLAT_TFP_POINT, 0, 0},
  };
  for (const auto& k : cases) {
    Make(16, 16, k888);
    PlatSurface* t = Texture(8, 8, {colours[0]}, 4);
    PlatSurface* level = t;
    for (int i = 1; i < 4; ++i) {
      level = PlatSurfaceMipLevel(level);
      ASSERT_NE(level, nullptr);
      Fill(level, {colours[i]});
    }
    dev.texture = t;
    dev.stageState[PLAT_TSS_MIPFILTER] = k.mip;
    dev.stageState[PLAT_TSS_MIPMAPLODBIAS] = Plat3DFloatBits(k.bias);
    dev.stageState[PLAT_TSS_COLOROP] = PLAT_TOP_SELECTARG1;
    float s = k.size;
    TLT v[4] = {{0, 0, 0, 1, 0xFFFFFFFF, 0, 0}, {s, 0, 0, 1, 0xFFFFFFFF, 1, 0}, {0, s, 0, 1, 0xFFFFFFFF, 0, 1},
                {s, s, 0, 1, 0xFFFFFFFF, 1, 1}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kTLT, v, 4, nullptr, 0), PLAT_OK);
    EXPECT_EQ(Px(0, 0), colours[k.level] & 0xFFFFFF) << k.size << " mip " << k.mip << " bias " << k.bias;
    dev.texture = nullptr;
  }
}

TEST_F(RasterTest, NearClippingKeepsOnlyWhatIsInFront) {
  Make(16, 16, k888, &kZ16);
  Perspective(dev.projection);
  dev.renderState[PLAT_RS_LIGHTING] = 0;
  dev.renderState[PLAT_RS_CULLMODE] = PLAT_CULL_NONE;
  const uint32_t c = 0xFF00FF00;
  // A floor from behind the eye to far ahead.
  LV floor[4] = {{-20, -1, -5, 0, 1, 0, c}, {20, -1, -5, 0, 1, 0, c}, {-20, -1, 50, 0, 1, 0, c},
                 {20, -1, 50, 0, 1, 0, c}};
  ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kLV, floor, 4, nullptr, 0), PLAT_OK);
  for (uint32_t x = 0; x < 16; ++x) {
    EXPECT_EQ(Px(x, 15), 0x00FF00u) << x;
    for (uint32_t y = 0; y < 8; ++y) EXPECT_EQ(Px(x, y), 0u) << x << "," << y;
  }
  // Wholly behind: nothing.
  Make(16, 16, k888, &kZ16);
  Perspective(dev.projection);
  dev.renderState[PLAT_RS_LIGHTING] = 0;
  dev.renderState[PLAT_RS_CULLMODE] = PLAT_CULL_NONE;
  LV behind[3] = {{-5, -5, -2, 0, 0, 1, c}, {5, -5, -2, 0, 0, 1, c}, {0, 5, -3, 0, 0, 1, c}};
  ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kLV, behind, 3, nullptr, 0), PLAT_OK);
  for (uint32_t y = 0; y < 16; ++y)
    for (uint32_t x = 0; x < 16; ++x) EXPECT_EQ(Px(x, y), 0u);
}

TEST_F(RasterTest, LightingFromMaterialAndVertexColours) {
  const struct {
    uint32_t diffuseSource, colourVertex;
    uint32_t lighting;
    uint32_t want;
  } cases[] = {
      {PLAT_MCS_COLOR1, 1, 1, 0x408000},    // vertex colour lit by the light at full strength, plus ambient
      {PLAT_MCS_MATERIAL, 1, 1, 0x404000},  // the material's diffuse
      {PLAT_MCS_COLOR1, 0, 1, 0x404000},
      {PLAT_MCS_COLOR1, 1, 0, 0x00FF00},  // unlit: the vertex colour
  };
  for (const auto& k : cases) {
    Make(4, 4, k888);
    dev.renderState[PLAT_RS_DIFFUSEMATERIALSOURCE] = k.diffuseSource;
    dev.renderState[PLAT_RS_COLORVERTEX] = k.colourVertex;
    dev.renderState[PLAT_RS_LIGHTING] = k.lighting;
    dev.renderState[PLAT_RS_AMBIENT] = 0x00404040;
    dev.material.diffuse = {0, 0, 0, 1};
    dev.material.ambient = {1, 0, 0, 1};
    dev.lights[0] = {};
    dev.lights[0].type = PLAT_LIGHT_DIRECTIONAL;
    dev.lights[0].diffuse = {0.5f, 0.5f, 0.5f, 1};
    dev.lights[0].direction = {0, 0, 2};  // into the screen, towards the normal's back
    dev.lightSet[0] = dev.lightOn[0] = true;
    dev.lights[1] = dev.lights[0];
    dev.lightSet[1] = true;  // set but off
    if (k.diffuseSource == PLAT_MCS_MATERIAL || !k.colourVertex) dev.material.diffuse = {0, 0.5f, 0, 1};
    const uint32_t c = 0xFF00FF00;
    LV v[4] = {{-1, 1, 0.5f, 0, 0, -1, c}, {1, 1, 0.5f, 0, 0, -1, c}, {-1, -1, 0.5f, 0, 0, -1, c},
               {1, -1, 0.5f, 0, 0, -1, c}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kLV, v, 4, nullptr, 0), PLAT_OK);
    EXPECT_EQ(Px(2, 2), k.want) << k.diffuseSource << k.colourVertex << k.lighting;
  }
}

TEST_F(RasterTest, PreTransformedQuadsPointsAndLines) {
  Make(8, 8, k565);
  ASSERT_EQ(Rect(1, 1, 5, 3, 0, 0xFFFFFFFF), PLAT_OK);
  for (uint32_t y = 0; y < 8; ++y)
    for (uint32_t x = 0; x < 8; ++x)
      EXPECT_EQ(Px(x, y), (x >= 1 && x < 5 && y >= 1 && y < 3) ? 0xFFFFu : 0u) << x << "," << y;
  TL pts[2] = {{6, 6, 0, 1, 0xFFFF0000}, {7.4f, 0.4f, 0, 1, 0xFF0000FF}};
  ASSERT_EQ(RasterDraw(dev, PLAT_PT_POINTLIST, kTL, pts, 2, nullptr, 0), PLAT_OK);
  EXPECT_EQ(Px(6, 6), 0xF800u);
  EXPECT_EQ(Px(7, 0), 0x001Fu);
  TL line[2] = {{0, 7, 0, 1, 0xFF00FF00}, {4, 7, 0, 1, 0xFF00FF00}};
  uint16_t idx[2] = {1, 0};
  ASSERT_EQ(RasterDraw(dev, PLAT_PT_LINELIST, kTL, line, 2, idx, 2), PLAT_OK);
  for (uint32_t x = 0; x < 8; ++x) EXPECT_EQ(Px(x, 7), x <= 4 ? 0x07E0u : 0u) << x;
}

TEST_F(RasterTest, SphereVisibilityBits) {
  Make(8, 8, k888);
  Perspective(dev.projection);
  const struct {
    float x, y, z, r;
    uint32_t want;
  } cases[] = {
      {0, 0, 10, 1, 0},
      {0, 0, -10, 1, 0x1F01F},  // behind the eye: beyond the sides too
      {100, 0, 10, 1, PLAT_CLIP_RIGHT | PLAT_CLIPINTERSECTION_RIGHT},
      {-100, 0, 10, 1, PLAT_CLIP_LEFT | PLAT_CLIPINTERSECTION_LEFT},
      {0, 100, 10, 1, PLAT_CLIP_TOP | PLAT_CLIPINTERSECTION_TOP},
      {0, 0, 500, 1, PLAT_CLIP_BACK | PLAT_CLIPINTERSECTION_BACK},
      {0, 0, 1, 2, 0x1F},  // round the eye: crosses all but the back
      {10, 0, 10, 1, PLAT_CLIP_RIGHT},
  };
  for (const auto& k : cases) {
    float centre[3] = {k.x, k.y, k.z};
    uint32_t out = 0xDEAD;
    ASSERT_EQ(RasterSphereVisibility(dev, centre, &k.r, 1, &out), PLAT_OK);
    EXPECT_EQ(out, k.want) << k.x << "," << k.y << "," << k.z;
    EXPECT_EQ((out & PLAT_CLIPINTERSECTION_ALL) != 0, (k.want & PLAT_CLIPINTERSECTION_ALL) != 0);
  }
  EXPECT_EQ(RasterSphereVisibility(dev, nullptr, nullptr, 1, nullptr), PLATERR_INVALIDPARAMS);
}

TEST_F(RasterTest, DrawsRefuseWhatCannotBeDrawn) {
  Make(4, 4, k888);
  TL v[3] = {{0, 0, 0, 1, 0}, {4, 0, 0, 1, 0}, {0, 4, 0, 1, 0}};
  uint16_t bad[3] = {0, 1, 3};
  EXPECT_EQ(RasterDraw(dev, 0, kTL, v, 3, nullptr, 0), PLAT3DERR_INVALIDPRIMITIVETYPE);
  EXPECT_EQ(RasterDraw(dev, 7, kTL, v, 3, nullptr, 0), PLAT3DERR_INVALIDPRIMITIVETYPE);
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, PLAT_FVF_XYZ, v, 3, nullptr, 0), PLAT3DERR_INVALIDVERTEXTYPE);
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL | PLAT_FVF_SPECULAR, v, 3, nullptr, 0),
            PLAT3DERR_INVALIDVERTEXTYPE);
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, v, 0, nullptr, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, v, 2, nullptr, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_LINELIST, kTL, v, 3, nullptr, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, v, 3, bad, 3), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, nullptr, 3, nullptr, 0), PLATERR_INVALIDPARAMS);
  dev.renderState[PLAT_RS_ALPHATESTENABLE] = 1;
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, v, 3, nullptr, 0), PLAT3DERR_CONFLICTINGRENDERSTATE);
  dev.renderState[PLAT_RS_ALPHATESTENABLE] = 0;
  dev.renderState[PLAT_RS_COLORKEYENABLE] = 1;
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, v, 3, nullptr, 0), PLAT3DERR_CONFLICTINGRENDERSTATE);
  dev.renderState[PLAT_RS_COLORKEYENABLE] = 0;
  PlatSurface* pal = Surface(PLAT_SCAPS_TEXTURE, 4, 4, {PLAT_PF_RGB | PLAT_PF_PALETTEINDEXED8, 8, 0, 0, 0, 0, 0});
  dev.texture = pal;
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, v, 3, nullptr, 0), PLATERR_INVALIDPIXELFORMAT);
  dev.texture = nullptr;
  EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, v, 3, nullptr, 0), PLAT_OK);
  // Clears: z or stencil without a z-buffer, no flags.
  EXPECT_EQ(RasterClear(dev, 0, nullptr, PLAT_CLEAR_ZBUFFER, 0, 1, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(RasterClear(dev, 0, nullptr, 0, 0, 1, 0), PLATERR_INVALIDPARAMS);
  Make(4, 4, k888, &kZ16);
  EXPECT_EQ(RasterClear(dev, 0, nullptr, PLAT_CLEAR_STENCIL, 0, 1, 0), PLATERR_INVALIDPARAMS);
}

TEST_F(RasterTest, WildVerticesDrawNothingAndDoNotCrash) {
  Make(8, 8, k888, &kZ16);
  Perspective(dev.projection);
  dev.renderState[PLAT_RS_CULLMODE] = PLAT_CULL_NONE;
  const float nan = std::nanf(""), inf = INFINITY;
  const float wild[][3] = {{nan, 0, 5}, {inf, 0, 5}, {0, -inf, 5}, {1e30f, 1e30f, 5}, {0, 0, nan}};
  for (const auto& p : wild) {
    NT v[3] = {{p[0], p[1], p[2], 0, 0, -1, nan, inf}, {1, 0, 5, 0, 0, -1, 0, 0}, {0, 1, 5, 0, 0, -1, 0, 0}};
    EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kNT, v, 3, nullptr, 0), PLAT_OK);
    EXPECT_EQ(RasterDraw(dev, PLAT_PT_LINESTRIP, kNT, v, 3, nullptr, 0), PLAT_OK);
    EXPECT_EQ(RasterDraw(dev, PLAT_PT_POINTLIST, kNT, v, 3, nullptr, 0), PLAT_OK);
    TL t[3] = {{p[0], p[1], 0.5f, 1, 0xFFFFFFFF}, {8, 0, 0.5f, 1, 0xFFFFFFFF}, {0, 8, 0.5f, 1, 0xFFFFFFFF}};
    EXPECT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kTL, t, 3, nullptr, 0), PLAT_OK);
  }
  // A huge but finite triangle through the screen still covers it, clipped.
  NT big[3] = {{-1e6f, -1e6f, 5, 0, 0, -1, 0, 0}, {1e6f, -1e6f, 5, 0, 0, -1, 0, 0}, {0, 1e6f, 5, 0, 0, -1, 0, 0}};
  dev.renderState[PLAT_RS_LIGHTING] = 0;
  ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kNT, big, 3, nullptr, 0), PLAT_OK);
  for (uint32_t y = 0; y < 8; ++y)
    for (uint32_t x = 0; x < 8; ++x) EXPECT_EQ(Px(x, y), 0xFFFFFFu) << x << "," << y;
}

TEST_F(RasterTest, ClearRectanglesStayInTheViewport) {
  Make(8, 8, k565, &kZ16);
  PlatRect rects[2] = {{1, 1, 3, 3}, {6, 6, 20, 20}};
  ASSERT_EQ(RasterClear(dev, 2, rects, PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER, 0xFF00FF00, 0.5f, 0), PLAT_OK);
  EXPECT_EQ(Px(1, 1), 0x07E0u);
  EXPECT_EQ(Px(2, 2), 0x07E0u);
  EXPECT_EQ(Px(3, 3), 0u);
  EXPECT_EQ(Px(7, 7), 0x07E0u);
  EXPECT_EQ(Read(zbuf, 7, 7), 32768u);
  EXPECT_EQ(Read(zbuf, 0, 0), 0xFFFFu);
}

TEST_F(RasterTest, TextureFormatsDecode) {
  const struct {
    PlatPixelFormat format;
    uint32_t texel;
    uint32_t want;        // the colour drawn
    uint32_t wantBlend;   // its red, times a red vertex, by its alpha over black
  } cases[] = {
      {{PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0}, 0xF81F, 0xFF00FF, 0xFF0000},
      {{PLAT_PF_RGB | PLAT_PF_ALPHAPIXELS, 16, 0x7C00, 0x03E0, 0x001F, 0x8000, 0}, 0xFC00, 0xFF0000, 0xFF0000},
      {{PLAT_PF_RGB | PLAT_PF_ALPHAPIXELS, 16, 0x7C00, 0x03E0, 0x001F, 0x8000, 0}, 0x7C00, 0xFF0000, 0x000000},
      {kTex4444, 0xF84C, 0x8844CC, 0x880000},
      {kTex4444, 0x8F00, 0xFF0000, 0x880000},
      {{PLAT_PF_RGB, 32, 0xFF0000, 0xFF00, 0xFF, 0, 0}, 0x00123456, 0x123456, 0x120000},
      {kTex8888, 0x40ABCDEF, 0xABCDEF, 0x2B0000},
  };
  for (const auto& k : cases) {
    Make(4, 4, k888);
    PlatSurface* t = Surface(PLAT_SCAPS_TEXTURE, 1, 1, k.format);
    void* p;
    int32_t pitch;
    ASSERT_EQ(PlatSurfaceLock(t, &p, &pitch), PLAT_OK);
    std::memcpy(p, &k.texel, k.format.bitCount / 8);
    ASSERT_EQ(PlatSurfaceUnlock(t), PLAT_OK);
    dev.texture = t;
    dev.stageState[PLAT_TSS_COLOROP] = PLAT_TOP_SELECTARG1;
    ASSERT_EQ(Rect(0, 0, 4, 4, 0, 0xFFFFFFFF), PLAT_OK);
    EXPECT_EQ(Px(0, 0), k.want) << std::hex << k.texel;
    // The texel's alpha blends: only the red channel is drawn.
    ASSERT_EQ(RasterClear(dev, 0, nullptr, PLAT_CLEAR_TARGET, 0, 1, 0), PLAT_OK);
    dev.stageState[PLAT_TSS_COLOROP] = PLAT_TOP_MODULATE;
    dev.renderState[PLAT_RS_ALPHABLENDENABLE] = 1;
    dev.renderState[PLAT_RS_SRCBLEND] = PLAT_BLEND_SRCALPHA;
    dev.renderState[PLAT_RS_DESTBLEND] = PLAT_BLEND_INVSRCALPHA;
    ASSERT_EQ(Rect(0, 0, 4, 4, 0, 0xFFFF0000), PLAT_OK);
    EXPECT_EQ(Px(1, 1) & 0xFF0000, k.wantBlend & 0xFF0000) << std::hex << k.texel;
    dev.texture = nullptr;
  }
}

TEST_F(RasterTest, OneSceneTwiceSameBytes) {
  std::vector<uint8_t> first;
  for (int run = 0; run < 2; ++run) {
    Make(16, 16, k565, &kZ16);
    Perspective(dev.projection);
    std::vector<uint32_t> texels(64);
    for (uint32_t i = 0; i < 64; ++i) texels[i] = 0xFF000000u | (i * 0x030507u);
    PlatSurface* t = Texture(8, 8, texels, 4);
    dev.texture = t;
    dev.stageState[PLAT_TSS_MAGFILTER] = PLAT_TFG_LINEAR;
    dev.stageState[PLAT_TSS_MINFILTER] = PLAT_TFN_LINEAR;
    dev.stageState[PLAT_TSS_MIPFILTER] = PLAT_TFP_LINEAR;
    dev.renderState[PLAT_RS_FOGENABLE] = 1;
    dev.renderState[PLAT_RS_FOGTABLEMODE] = PLAT_FOG_LINEAR;
    dev.renderState[PLAT_RS_FOGSTART] = Plat3DFloatBits(2);
    dev.renderState[PLAT_RS_FOGEND] = Plat3DFloatBits(30);
    dev.renderState[PLAT_RS_FOGCOLOR] = 0xFFC0C0C0;
    dev.renderState[PLAT_RS_AMBIENT] = 0x00202020;
    dev.material.diffuse = {0.8f, 0.7f, 0.6f, 1};
    dev.lights[0].type = PLAT_LIGHT_DIRECTIONAL;
    dev.lights[0].diffuse = {1, 1, 1, 1};
    dev.lights[0].direction = {0.3f, -1, 0.5f};
    dev.lightSet[0] = dev.lightOn[0] = true;
    dev.renderState[PLAT_RS_CULLMODE] = PLAT_CULL_NONE;
    NT v[4] = {{-10, -1, 0, 0, 1, 0, 0, 0}, {10, -1, 0, 0, 1, 0, 4, 0}, {-10, -1, 30, 0, 1, 0, 0, 6},
               {10, -1, 30, 0, 1, 0, 4, 6}};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLESTRIP, kNT, v, 4, nullptr, 0), PLAT_OK);
    NT box[3] = {{-1, -1, 4, 0, 0, -1, 0, 0}, {1, 2, 5, 0, 0, -1, 1, 0}, {2, -1, 3, 0, 0, -1, 1, 1}};
    uint16_t idx[3] = {0, 1, 2};
    ASSERT_EQ(RasterDraw(dev, PLAT_PT_TRIANGLELIST, kNT, box, 3, idx, 3), PLAT_OK);
    if (run == 0) first = Bytes();
    else EXPECT_EQ(Bytes(), first);
    dev.texture = nullptr;
    RasterFree(dev);
  }
  bool any = false;
  for (uint8_t b : first) any = any || b;
  EXPECT_TRUE(any);
}

}  // namespace
