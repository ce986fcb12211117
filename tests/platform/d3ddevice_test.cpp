#include <cstring>
#include <vector>

#include "platform/d3dstate.h"
#include "support/engine_fixture.h"

namespace {

uint32_t Bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

const PlatPixelFormat k565{PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0};
const PlatPixelFormat k555{PLAT_PF_RGB, 16, 0x7C00, 0x03E0, 0x001F, 0, 0};
const PlatPixelFormat k888{PLAT_PF_RGB, 32, 0xFF0000, 0xFF00, 0xFF, 0, 0};
const PlatPixelFormat kZ16{PLAT_PF_ZBUFFER, 16, 0xFFFF, 0, 0, 0, 0};
const PlatPixelFormat kZ15S1{PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 16, 0x7FFF, 0x8000, 0, 0, 1};
const PlatPixelFormat kZ24S8{PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 32, 0xFFFFFF, 0xFF000000u, 0, 0, 8};

class Device3DTest : public EngineTest {
 protected:
  PlatDisplay* dd = nullptr;
  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(PlatCreateDisplay(&dd), PLAT_OK);
    ASSERT_EQ(PlatDisplayInitialize(dd, nullptr), PLAT_OK);
  }
  PlatSurface* Surface(uint32_t caps, const PlatPixelFormat& f, uint32_t w = 8, uint32_t h = 8) {
    PlatSurfaceDesc d{};
    d.caps = caps;
    d.width = w;
    d.height = h;
    d.hasFormat = true;
    d.format = f;
    PlatSurface* s = nullptr;
    EXPECT_EQ(PlatCreateSurface(dd, d, &s), PLAT_OK);
    return s;
  }
  PlatSurface* Target(const PlatPixelFormat& f, const PlatPixelFormat* z = nullptr) {
    PlatSurface* t = Surface(PLAT_SCAPS_OFFSCREENPLAIN | PLAT_SCAPS_3DDEVICE, f);
    if (z) {
      PlatSurface* zs = Surface(PLAT_SCAPS_ZBUFFER, *z);
      EXPECT_EQ(PlatSurfaceAddAttached(t, zs), PLAT_OK);
      PlatSurfaceRelease(zs);
    }
    return t;
  }
  PlatDevice3D* Device(const PlatPixelFormat& f, const PlatPixelFormat* z = nullptr) {
    PlatSurface* t = Target(f, z);
    PlatDevice3D* dev = nullptr;
    EXPECT_EQ(Plat3DCreateDevice(dd, PLAT_3D_DEVICE_GUID, t, &dev), PLAT_OK);
    PlatSurfaceRelease(t);  // the device holds its own reference
    return dev;
  }
};

TEST_F(Device3DTest, FreshDeviceHoldsTheInitialValues) {
  PlatDevice3D* dev = Device(k565, &kZ16);
  ASSERT_NE(dev, nullptr);
  const struct {
    uint32_t state, value;
  } rs[] = {
      {PLAT_RS_ANTIALIAS, 0},
      {PLAT_RS_TEXTUREPERSPECTIVE, 1},
      {PLAT_RS_ZENABLE, PLAT_ZB_TRUE},
      {PLAT_RS_FILLMODE, PLAT_FILL_SOLID},
      {PLAT_RS_SHADEMODE, PLAT_SHADE_GOURAUD},
      {PLAT_RS_ZWRITEENABLE, 1},
      {PLAT_RS_ALPHATESTENABLE, 0},
      {PLAT_RS_LASTPIXEL, 1},
      {PLAT_RS_SRCBLEND, PLAT_BLEND_ONE},
      {PLAT_RS_DESTBLEND, PLAT_BLEND_ZERO},
      {PLAT_RS_CULLMODE, PLAT_CULL_CCW},
      {PLAT_RS_ZFUNC, PLAT_CMP_LESSEQUAL},
      {PLAT_RS_ALPHAFUNC, PLAT_CMP_ALWAYS},
      {PLAT_RS_ALPHABLENDENABLE, 0},
      {PLAT_RS_FOGENABLE, 0},
      {PLAT_RS_FOGTABLEMODE, PLAT_FOG_NONE},
      {PLAT_RS_FOGSTART, Bits(0.0f)},
      {PLAT_RS_FOGEND, Bits(1.0f)},
      {PLAT_RS_FOGDENSITY, Bits(1.0f)},
      {PLAT_RS_STENCILENABLE, 0},
      {PLAT_RS_STENCILFAIL, PLAT_STENCILOP_KEEP},
      {PLAT_RS_STENCILZFAIL, PLAT_STENCILOP_KEEP},
      {PLAT_RS_STENCILPASS, PLAT_STENCILOP_KEEP},
      {PLAT_RS_STENCILFUNC, PLAT_CMP_ALWAYS},
      {PLAT_RS_STENCILREF, 0},
      {PLAT_RS_STENCILMASK, 0xFFFFFFFFu},
      {PLAT_RS_STENCILWRITEMASK, 0xFFFFFFFFu},
      {PLAT_RS_WRAP0 + 7, 0},
      {PLAT_RS_CLIPPING, 1},
      {PLAT_RS_LIGHTING, 1},
      {PLAT_RS_AMBIENT, 0},
      {PLAT_RS_FOGVERTEXMODE, PLAT_FOG_NONE},
      {PLAT_RS_COLORVERTEX, 1},
      {PLAT_RS_LOCALVIEWER, 1},
      {PLAT_RS_NORMALIZENORMALS, 0},
      {PLAT_RS_DIFFUSEMATERIALSOURCE, PLAT_MCS_COLOR1},
      {PLAT_RS_SPECULARMATERIALSOURCE, PLAT_MCS_COLOR2},
      {PLAT_RS_AMBIENTMATERIALSOURCE, PLAT_MCS_MATERIAL},
      {PLAT_RS_EMISSIVEMATERIALSOURCE, PLAT_MCS_MATERIAL},
      {PLAT_RS_VERTEXBLEND, 0},
      {PLAT_RS_CLIPPLANEENABLE, 0},
  };
  for (const auto& c : rs) {
    uint32_t v = 12345;
    ASSERT_EQ(Plat3DGetRenderState(dev, c.state, &v), PLAT_OK) << c.state;
    EXPECT_EQ(v, c.value) << "render state " << c.state;
  }
  const struct {
    uint32_t type, value;
  } ts[] = {
      {PLAT_TSS_COLOROP, PLAT_TOP_MODULATE},     {PLAT_TSS_COLORARG1, PLAT_TA_TEXTURE},
      {PLAT_TSS_COLORARG2, PLAT_TA_CURRENT},     {PLAT_TSS_ALPHAOP, PLAT_TOP_SELECTARG1},
      {PLAT_TSS_ALPHAARG1, PLAT_TA_TEXTURE},     {PLAT_TSS_ALPHAARG2, PLAT_TA_CURRENT},
      {PLAT_TSS_TEXCOORDINDEX, 0},               {PLAT_TSS_ADDRESSU, PLAT_TADDRESS_WRAP},
      {PLAT_TSS_ADDRESSV, PLAT_TADDRESS_WRAP},   {PLAT_TSS_MAGFILTER, PLAT_TFG_POINT},
      {PLAT_TSS_MINFILTER, PLAT_TFN_POINT},      {PLAT_TSS_MIPFILTER, PLAT_TFP_NONE},
      {PLAT_TSS_MIPMAPLODBIAS, Bits(0.0f)},      {PLAT_TSS_MAXANISOTROPY, 1},
      {PLAT_TSS_TEXTURETRANSFORMFLAGS, 0},
  };
  for (const auto& c : ts) {
    uint32_t v = 12345;
    ASSERT_EQ(Plat3DGetTextureStageState(dev, 0, c.type, &v), PLAT_OK) << c.type;
    EXPECT_EQ(v, c.value) << "stage state " << c.type;
  }
  // Every initial value may be written back as it is (the engine restores them all).
  const uint32_t restored[] = {2,  4,  7,  8,  9,  10, 14, 15, 16, 19, 20, 22, 23, 24, 25, 26, 27,
                               28, 29, 30, 33, 34, 35, 36, 37, 38, 40, 41, 47, 48, 52, 53, 54, 55,
                               56, 57, 58, 59, 60, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137,
                               138, 139, 140, 141, 142, 143, 144, 145, 146, 147, 148, 151, 152};
  for (uint32_t s : restored) {
    uint32_t v = 0;
    ASSERT_EQ(Plat3DGetRenderState(dev, s, &v), PLAT_OK);
    EXPECT_EQ(Plat3DSetRenderState(dev, s, v), PLAT_OK) << "render state " << s;
  }
  for (uint32_t t = 1; t < PLAT_TSS_COUNT; ++t) {
    uint32_t v = 0;
    ASSERT_EQ(Plat3DGetTextureStageState(dev, 0, t, &v), PLAT_OK);
    EXPECT_EQ(Plat3DSetTextureStageState(dev, 0, t, v), PLAT_OK) << "stage state " << t;
  }
  PlatViewport3D vp{};
  ASSERT_EQ(Plat3DGetViewport(dev, &vp), PLAT_OK);
  EXPECT_EQ(vp.width, 8u);
  EXPECT_EQ(vp.height, 8u);
  EXPECT_EQ(vp.maxZ, 1.0f);
  float m[16];
  ASSERT_EQ(Plat3DGetTransform(dev, PLAT_TRANSFORM_PROJECTION, m), PLAT_OK);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m[i], i % 5 == 0 ? 1.0f : 0.0f);
  EXPECT_EQ(Plat3DDeviceRelease(dev), 0u);
}

TEST_F(Device3DTest, ZEnableFollowsTheAttachedZBuffer) {
  const struct {
    const PlatPixelFormat* target;
    const PlatPixelFormat* z;
    uint32_t zenable;
  } cases[] = {{&k565, nullptr, 0}, {&k555, &kZ15S1, 1}, {&k888, &kZ24S8, 1}, {&k888, nullptr, 0}};
  for (const auto& c : cases) {
    PlatDevice3D* dev = Device(*c.target, c.z);
    ASSERT_NE(dev, nullptr);
    uint32_t v = 9;
    ASSERT_EQ(Plat3DGetRenderState(dev, PLAT_RS_ZENABLE, &v), PLAT_OK);
    EXPECT_EQ(v, c.zenable);
    EXPECT_EQ(dev->zbuffer != nullptr, c.z != nullptr);
    Plat3DDeviceRelease(dev);
  }
}

TEST_F(Device3DTest, CreationRefusesWhatItCannotDrawInto) {
  const uint8_t otherGuid[16] = {1};
  PlatSurface* good = Target(k565);
  PlatSurface* plain = Surface(PLAT_SCAPS_OFFSCREENPLAIN, k565);
  PlatSurface* eight = Surface(PLAT_SCAPS_OFFSCREENPLAIN | PLAT_SCAPS_3DDEVICE,
                               {PLAT_PF_RGB | PLAT_PF_PALETTEINDEXED8, 8, 0, 0, 0, 0, 0});
  PlatSurface* bgr = Surface(PLAT_SCAPS_OFFSCREENPLAIN | PLAT_SCAPS_3DDEVICE,
                             {PLAT_PF_RGB, 32, 0xFF, 0xFF00, 0xFF0000, 0, 0});
  PlatDevice3D* dev = reinterpret_cast<PlatDevice3D*>(1);
  EXPECT_NE(Plat3DCreateDevice(dd, otherGuid, good, &dev), PLAT_OK);
  EXPECT_EQ(dev, nullptr);
  EXPECT_NE(Plat3DCreateDevice(nullptr, PLAT_3D_DEVICE_GUID, good, &dev), PLAT_OK);
  EXPECT_NE(Plat3DCreateDevice(dd, PLAT_3D_DEVICE_GUID, plain, &dev), PLAT_OK);
  EXPECT_NE(Plat3DCreateDevice(dd, PLAT_3D_DEVICE_GUID, eight, &dev), PLAT_OK);
  EXPECT_NE(Plat3DCreateDevice(dd, PLAT_3D_DEVICE_GUID, bgr, &dev), PLAT_OK);
  EXPECT_NE(Plat3DCreateDevice(dd, PLAT_3D_DEVICE_GUID, nullptr, &dev), PLAT_OK);
  EXPECT_EQ(Plat3DLiveDevices(), 0);
  for (PlatSurface* s : {good, plain, eight, bgr}) PlatSurfaceRelease(s);
}

TEST_F(Device3DTest, ReleaseCountsReferencesAndFreesTheSurfacesLast) {
  PlatSurface* t = Target(k565, &kZ16);
  PlatDevice3D* dev = nullptr;
  ASSERT_EQ(Plat3DCreateDevice(dd, PLAT_3D_DEVICE_GUID, t, &dev), PLAT_OK);
  EXPECT_EQ(Plat3DLiveDevices(), 1);
  PlatSurfaceAddRef(t);
  EXPECT_EQ(PlatSurfaceRelease(t), 2u);  // ours and the device's
  ++dev->refs;
  EXPECT_EQ(Plat3DDeviceRelease(dev), 1u);
  EXPECT_EQ(Plat3DLiveDevices(), 1);
  EXPECT_EQ(Plat3DDeviceRelease(dev), 0u);
  EXPECT_EQ(Plat3DLiveDevices(), 0);
  EXPECT_EQ(Plat3DDeviceRelease(dev), 0u);  // a released device is not touched again
  EXPECT_EQ(PlatSurfaceRelease(t), 0u);
}

TEST_F(Device3DTest, ResetFreesEveryDevice) {
  Device(k565);
  Device(k888, &kZ24S8);
  EXPECT_EQ(Plat3DLiveDevices(), 2);
  ResetAllModules();
  EXPECT_EQ(Plat3DLiveDevices(), 0);
}

TEST_F(Device3DTest, RenderStatesKeepWhatIsDrawnAndRefuseTheRest) {
  PlatDevice3D* dev = Device(k565, &kZ15S1);
  const struct {
    uint32_t state, value;
    PlatResult want;
  } cases[] = {
      {PLAT_RS_ZENABLE, PLAT_ZB_FALSE, PLAT_OK},
      {PLAT_RS_ZENABLE, PLAT_ZB_USEW, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_FILLMODE, PLAT_FILL_WIREFRAME, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_SHADEMODE, PLAT_SHADE_FLAT, PLAT_OK},
      {PLAT_RS_SHADEMODE, PLAT_SHADE_PHONG, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_CULLMODE, PLAT_CULL_NONE, PLAT_OK},
      {PLAT_RS_CULLMODE, PLAT_CULL_CW, PLAT_OK},
      {PLAT_RS_CULLMODE, 4, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_ZFUNC, PLAT_CMP_NEVER, PLAT_OK},
      {PLAT_RS_ZFUNC, 0, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_ZFUNC, 9, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_STENCILFUNC, PLAT_CMP_EQUAL, PLAT_OK},
      {PLAT_RS_STENCILPASS, PLAT_STENCILOP_INCR, PLAT_OK},
      {PLAT_RS_STENCILFAIL, PLAT_STENCILOP_DECR, PLAT_OK},
      {PLAT_RS_STENCILZFAIL, 9, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_SRCBLEND, PLAT_BLEND_SRCALPHA, PLAT_OK},
      {PLAT_RS_DESTBLEND, PLAT_BLEND_INVDESTCOLOR, PLAT_OK},
      {PLAT_RS_DESTBLEND, PLAT_BLEND_SRCALPHASAT, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_SRCBLEND, PLAT_BLEND_SRCALPHASAT, PLAT_OK},
      {PLAT_RS_SRCBLEND, PLAT_BLEND_BOTHSRCALPHA, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_FOGTABLEMODE, PLAT_FOG_LINEAR, PLAT_OK},
      {PLAT_RS_FOGTABLEMODE, PLAT_FOG_EXP, PLAT_OK},
      {PLAT_RS_FOGTABLEMODE, PLAT_FOG_EXP2, PLAT_OK},
      {PLAT_RS_FOGTABLEMODE, 4, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_FOGVERTEXMODE, PLAT_FOG_LINEAR, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_FOGSTART, Bits(50.0f), PLAT_OK},
      {PLAT_RS_FOGEND, Bits(8000.0f), PLAT_OK},
      {PLAT_RS_FOGEND, 0x7FC00000u, PLAT3DERR_INVALIDSTATEVALUE},  // not a number
      {PLAT_RS_DIFFUSEMATERIALSOURCE, PLAT_MCS_MATERIAL, PLAT_OK},
      {PLAT_RS_AMBIENTMATERIALSOURCE, 3, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_VERTEXBLEND, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_CLIPPLANEENABLE, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_SPECULARENABLE, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_ANTIALIAS, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_EDGEANTIALIAS, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_RANGEFOGENABLE, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_STIPPLEDALPHA, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_LINEPATTERN, 0x10001, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_WRAP0 + 3, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_DITHERENABLE, 1, PLAT_OK},
      {PLAT_RS_LASTPIXEL, 0, PLAT_OK},
      {PLAT_RS_ZBIAS, 16, PLAT_OK},
      {PLAT_RS_ZBIAS, 17, PLAT3DERR_INVALIDSTATEVALUE},
      {PLAT_RS_TEXTUREFACTOR, 0x12345678, PLAT_OK},
      {PLAT_RS_ALPHATESTENABLE, 1, PLAT_OK},  // kept; the rasteriser refuses drawing with it
      {PLAT_RS_ALPHAREF, 0x80, PLAT_OK},
      {PLAT_RS_COLORKEYENABLE, 1, PLAT_OK},
      {PLAT_RS_LIGHTING, 2, PLAT3DERR_INVALIDSTATEVALUE},
      {3, PLAT_TADDRESS_WRAP, PLAT3DERR_INVALIDSTATEVALUE},  // an old state this device does not offer
      {PLAT_RS_COUNT, 0, PLATERR_INVALIDPARAMS},
  };
  for (const auto& c : cases) {
    uint32_t before = 0;
    if (c.state < PLAT_RS_COUNT) {
      ASSERT_EQ(Plat3DGetRenderState(dev, c.state, &before), PLAT_OK);
    }
    EXPECT_EQ(Plat3DSetRenderState(dev, c.state, c.value), c.want) << "state " << c.state << " value " << c.value;
    if (c.state >= PLAT_RS_COUNT) continue;
    uint32_t after = 0;
    ASSERT_EQ(Plat3DGetRenderState(dev, c.state, &after), PLAT_OK);
    EXPECT_EQ(after, c.want == PLAT_OK ? c.value : before) << "state " << c.state;
  }
  uint32_t v = 0;
  EXPECT_EQ(Plat3DGetRenderState(dev, PLAT_RS_COUNT, &v), PLATERR_INVALIDPARAMS);
  Plat3DDeviceRelease(dev);
}

TEST_F(Device3DTest, StageStatesKeepWhatIsDrawnAndRefuseTheRest) {
  PlatDevice3D* dev = Device(k888);
  const struct {
    uint32_t stage, type, value;
    PlatResult want;
  } cases[] = {
      {0, PLAT_TSS_COLOROP, PLAT_TOP_SELECTARG2, PLAT_OK},
      {0, PLAT_TSS_COLOROP, PLAT_TOP_DISABLE, PLAT_OK},
      {0, PLAT_TSS_COLOROP, PLAT_TOP_MODULATE2X, PLAT_OK},
      {0, PLAT_TSS_COLOROP, PLAT_TOP_MODULATE2X + 1, PLAT3DERR_UNSUPPORTEDCOLOROPERATION},
      {0, PLAT_TSS_ALPHAOP, PLAT_TOP_MODULATE, PLAT_OK},
      {0, PLAT_TSS_ALPHAOP, 0, PLAT3DERR_UNSUPPORTEDALPHAOPERATION},
      {0, PLAT_TSS_COLORARG1, PLAT_TA_DIFFUSE, PLAT_OK},
      {0, PLAT_TSS_COLORARG2, PLAT_TA_TFACTOR, PLAT_OK},
      {0, PLAT_TSS_COLORARG1, 4, PLAT3DERR_UNSUPPORTEDCOLORARG},                     // specular
      {0, PLAT_TSS_COLORARG1, PLAT_TA_TEXTURE | 0x10, PLAT3DERR_UNSUPPORTEDCOLORARG},  // complement
      {0, PLAT_TSS_ALPHAARG2, PLAT_TA_DIFFUSE, PLAT_OK},
      {0, PLAT_TSS_ALPHAARG1, 0x20, PLAT3DERR_UNSUPPORTEDALPHAARG},
      {0, PLAT_TSS_MAGFILTER, PLAT_TFG_LINEAR, PLAT_OK},
      {0, PLAT_TSS_MAGFILTER, 3, PLAT3DERR_UNSUPPORTEDTEXTUREFILTER},  // flat cubic
      {0, PLAT_TSS_MINFILTER, PLAT_TFN_LINEAR, PLAT_OK},
      {0, PLAT_TSS_MINFILTER, 3, PLAT3DERR_UNSUPPORTEDTEXTUREFILTER},  // anisotropic
      {0, PLAT_TSS_MIPFILTER, PLAT_TFP_LINEAR, PLAT_OK},
      {0, PLAT_TSS_MIPFILTER, 0, PLAT3DERR_UNSUPPORTEDTEXTUREFILTER},
      {0, PLAT_TSS_ADDRESSU, PLAT_TADDRESS_CLAMP, PLAT_OK},
      {0, PLAT_TSS_ADDRESSV, PLAT_TADDRESS_MIRROR, PLAT3DERR_INVALIDSTATEVALUE},
      {0, PLAT_TSS_ADDRESS, 4, PLAT3DERR_INVALIDSTATEVALUE},  // border
      {0, PLAT_TSS_MIPMAPLODBIAS, Bits(-1.0f), PLAT_OK},
      {0, PLAT_TSS_TEXCOORDINDEX, 1, PLAT3DERR_INVALIDSTATEVALUE},
      {0, PLAT_TSS_TEXTURETRANSFORMFLAGS, 2, PLAT3DERR_INVALIDSTATEVALUE},
      {0, PLAT_TSS_BUMPENVMAT00, Bits(0.5f), PLAT_OK},
      {0, 0, 0, PLATERR_INVALIDPARAMS},
      {0, PLAT_TSS_COUNT, 0, PLATERR_INVALIDPARAMS},
      {1, PLAT_TSS_COLOROP, PLAT_TOP_DISABLE, PLATERR_INVALIDPARAMS},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Plat3DSetTextureStageState(dev, c.stage, c.type, c.value), c.want)
        << "stage " << c.stage << " type " << c.type << " value " << c.value;
    if (c.want == PLAT_OK) {
      uint32_t v = 0;
      ASSERT_EQ(Plat3DGetTextureStageState(dev, c.stage, c.type, &v), PLAT_OK);
      EXPECT_EQ(v, c.value);
    }
  }
  Plat3DDeviceRelease(dev);
}

TEST_F(Device3DTest, StatsCountEverySetCall) {
  PlatDevice3D* dev = Device(k565);
  Plat3DSetRenderState(dev, PLAT_RS_FOGENABLE, 1);
  Plat3DSetRenderState(dev, PLAT_RS_FOGENABLE, 1);
  Plat3DSetRenderState(dev, PLAT_RS_FILLMODE, 99);
  Plat3DSetTextureStageState(dev, 0, PLAT_TSS_MAGFILTER, PLAT_TFG_LINEAR);
  Plat3DSetTexture(dev, 0, nullptr);
  const Plat3DStats s = Plat3DGetStats(dev);
  EXPECT_EQ(s.setRenderState, 3u);
  EXPECT_EQ(s.setTextureStageState, 1u);
  EXPECT_EQ(s.setTexture, 1u);
  EXPECT_EQ(s.draws, 0u);
  Plat3DDeviceRelease(dev);
}

TEST_F(Device3DTest, ScenesDoNotNestAndDrawsNeedOne) {
  PlatDevice3D* dev = Device(k565);
  const float v[8] = {};
  EXPECT_EQ(Plat3DDrawPrimitive(dev, PLAT_PT_POINTLIST, PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_TEX1, v, 1, 0),
            PLAT3DERR_SCENE_NOT_IN_SCENE);
  EXPECT_EQ(Plat3DEndScene(dev), PLAT3DERR_SCENE_NOT_IN_SCENE);
  EXPECT_EQ(Plat3DBeginScene(dev), PLAT_OK);
  EXPECT_EQ(Plat3DBeginScene(dev), PLAT3DERR_SCENE_IN_SCENE);
  EXPECT_EQ(Plat3DDrawPrimitive(dev, PLAT_PT_POINTLIST, PLAT_FVF_XYZ, nullptr, 3, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DDrawPrimitive(dev, PLAT_PT_POINTLIST, PLAT_FVF_XYZ, v, 1, 1), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DDrawIndexedPrimitive(dev, PLAT_PT_TRIANGLELIST, PLAT_FVF_XYZ, v, 1, nullptr, 3, 0),
            PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DEndScene(dev), PLAT_OK);
  EXPECT_EQ(Plat3DEndScene(dev), PLAT3DERR_SCENE_NOT_IN_SCENE);
  Plat3DDeviceRelease(dev);
}

TEST_F(Device3DTest, LightsAreDirectionalAndEightAtMost) {
  PlatDevice3D* dev = Device(k565);
  PlatLight3D light{};
  light.type = PLAT_LIGHT_DIRECTIONAL;
  light.direction = {0, 0, 1};
  EXPECT_EQ(Plat3DLightEnable(dev, 2, true), PLAT3DERR_LIGHTNOTSET);
  EXPECT_EQ(Plat3DLightEnable(dev, 2, false), PLAT_OK);
  EXPECT_EQ(Plat3DSetLight(dev, 7, light), PLAT_OK);
  EXPECT_EQ(Plat3DLightEnable(dev, 7, true), PLAT_OK);
  EXPECT_TRUE(dev->lightOn[7]);
  EXPECT_EQ(Plat3DSetLight(dev, 8, light), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DLightEnable(dev, 8, true), PLATERR_INVALIDPARAMS);
  PlatLight3D point = light;
  point.type = PLAT_LIGHT_POINT;
  EXPECT_EQ(Plat3DSetLight(dev, 0, point), PLATERR_INVALIDPARAMS);
  PlatLight3D nowhere = light;
  nowhere.direction = {0, 0, 0};
  EXPECT_EQ(Plat3DSetLight(dev, 0, nowhere), PLATERR_INVALIDPARAMS);
  EXPECT_FALSE(dev->lightSet[0]);
  Plat3DDeviceRelease(dev);
}

TEST_F(Device3DTest, ViewportStaysInsideTheTarget) {
  PlatDevice3D* dev = Device(k565);  // 8 x 8
  const struct {
    PlatViewport3D vp;
    PlatResult want;
  } cases[] = {
      {{0, 0, 8, 8, 0.0f, 1.0f}, PLAT_OK},
      {{2, 3, 6, 5, 0.25f, 0.5f}, PLAT_OK},
      {{1, 0, 8, 8, 0.0f, 1.0f}, PLATERR_INVALIDPARAMS},
      {{0, 0, 0, 8, 0.0f, 1.0f}, PLATERR_INVALIDPARAMS},
      {{0xFFFFFFF0u, 0, 0x20, 8, 0.0f, 1.0f}, PLATERR_INVALIDPARAMS},  // wraps past 2^32
      {{0, 0, 8, 8, 0.0f, 1.5f}, PLATERR_INVALIDPARAMS},
      {{0, 0, 8, 8, 0.6f, 0.5f}, PLATERR_INVALIDPARAMS},
  };
  for (const auto& c : cases) EXPECT_EQ(Plat3DSetViewport(dev, c.vp), c.want) << c.vp.x << "," << c.vp.width;
  PlatViewport3D got{};
  ASSERT_EQ(Plat3DGetViewport(dev, &got), PLAT_OK);
  EXPECT_EQ(got.x, 2u);
  EXPECT_EQ(got.maxZ, 0.5f);
  Plat3DDeviceRelease(dev);
}

TEST_F(Device3DTest, TexturesAreTextureSurfacesOnStageZero) {
  PlatDevice3D* dev = Device(k565);
  PlatSurface* tex = Surface(PLAT_SCAPS_TEXTURE, k565, 4, 4);
  PlatSurface* plain = Surface(PLAT_SCAPS_OFFSCREENPLAIN, k565, 4, 4);
  EXPECT_EQ(Plat3DSetTexture(dev, 0, plain), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DSetTexture(dev, 1, tex), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DSetTexture(dev, 1, nullptr), PLAT_OK);
  EXPECT_EQ(Plat3DSetTexture(dev, 0, tex), PLAT_OK);
  PlatSurfaceAddRef(tex);
  EXPECT_EQ(PlatSurfaceRelease(tex), 2u);  // the device holds one
  EXPECT_EQ(Plat3DSetTexture(dev, 0, nullptr), PLAT_OK);
  EXPECT_EQ(dev->texture, nullptr);
  PlatSurfaceAddRef(tex);
  EXPECT_EQ(PlatSurfaceRelease(tex), 1u);
  EXPECT_EQ(Plat3DSetTexture(dev, 0, tex), PLAT_OK);
  Plat3DDeviceRelease(dev);  // gives its reference back
  PlatSurfaceAddRef(tex);
  EXPECT_EQ(PlatSurfaceRelease(tex), 1u);
  PlatSurfaceRelease(tex);
  PlatSurfaceRelease(plain);
}

TEST_F(Device3DTest, TextureFormatsComeInOrderAndStopWhenAsked) {
  PlatDevice3D* dev = Device(k565);
  std::vector<PlatPixelFormat> seen;
  auto collect = [](const PlatPixelFormat& f, void* user) {
    static_cast<std::vector<PlatPixelFormat>*>(user)->push_back(f);
    return true;
  };
  ASSERT_EQ(Plat3DEnumTextureFormats(dev, collect, &seen), PLAT_OK);
  ASSERT_EQ(seen.size(), 5u);
  const uint32_t wantBits[] = {16, 16, 16, 32, 32};
  const uint32_t wantR[] = {0xF800, 0x7C00, 0x0F00, 0xFF0000, 0xFF0000};
  const uint32_t wantA[] = {0, 0x8000, 0xF000, 0, 0xFF000000u};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(seen[i].bitCount, wantBits[i]);
    EXPECT_EQ(seen[i].rMask, wantR[i]);
    EXPECT_EQ(seen[i].aMask, wantA[i]);
    EXPECT_EQ((seen[i].flags & PLAT_PF_ALPHAPIXELS) != 0, wantA[i] != 0);
  }
  int calls = 0;
  auto stop = [](const PlatPixelFormat&, void* user) {
    ++*static_cast<int*>(user);
    return false;
  };
  ASSERT_EQ(Plat3DEnumTextureFormats(dev, stop, &calls), PLAT_OK);
  EXPECT_EQ(calls, 1);
  Plat3DDeviceRelease(dev);
}

TEST_F(Device3DTest, ClearRefusesBuffersTheTargetLacks) {
  PlatDevice3D* plain = Device(k565);
  PlatDevice3D* zOnly = Device(k565, &kZ16);
  EXPECT_EQ(Plat3DClear(plain, 0, nullptr, PLAT_CLEAR_ZBUFFER, 0, 1.0f, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DClear(zOnly, 0, nullptr, PLAT_CLEAR_STENCIL, 0, 1.0f, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DClear(zOnly, 0, nullptr, PLAT_CLEAR_ZBUFFER, 0, 2.0f, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DClear(plain, 0, nullptr, 0, 0, 1.0f, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DClear(plain, 0, nullptr, 8, 0, 1.0f, 0), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DClear(plain, 1, nullptr, PLAT_CLEAR_TARGET, 0, 1.0f, 0), PLATERR_INVALIDPARAMS);
  const PlatRect backwards{4, 0, 2, 2};
  EXPECT_EQ(Plat3DClear(plain, 1, &backwards, PLAT_CLEAR_TARGET, 0, 1.0f, 0), PLATERR_INVALIDRECT);
  Plat3DDeviceRelease(plain);
  Plat3DDeviceRelease(zOnly);
}

TEST_F(Device3DTest, TransformsAreKeptByType) {
  PlatDevice3D* dev = Device(k565);
  float m[16];
  for (int i = 0; i < 16; ++i) m[i] = static_cast<float>(i);
  EXPECT_EQ(Plat3DSetTransform(dev, PLAT_TRANSFORM_VIEW, m), PLAT_OK);
  EXPECT_EQ(Plat3DSetTransform(dev, 0, m), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(Plat3DSetTransform(dev, 4, m), PLATERR_INVALIDPARAMS);
  float got[16] = {};
  ASSERT_EQ(Plat3DGetTransform(dev, PLAT_TRANSFORM_VIEW, got), PLAT_OK);
  EXPECT_EQ(std::memcmp(got, m, sizeof m), 0);
  ASSERT_EQ(Plat3DGetTransform(dev, PLAT_TRANSFORM_WORLD, got), PLAT_OK);
  EXPECT_EQ(got[0], 1.0f);
  EXPECT_EQ(got[1], 0.0f);
  Plat3DDeviceRelease(dev);
}

}  // namespace
