#include "engine/dxd3d.h"

#include <cstring>
#include <string>

#include "engine/dxd3dtex.h"
#include "engine/dxerror.h"
#include "engine/dxenum.h"
#include "platform/d3dstate.h"
#include "support/engine_fixture.h"

namespace {

// The Direct3D layer on the headless display: a windowed program with the
// card's 3D device chosen, as the video options choose it.
class D3DTest : public EngineTest {
 protected:
  void Start() {
    InitMemory(9500);
    WinInit(nullptr, "Gafferon test", 1);
    DXEnumDisplay();
    DXSelectDevice(0, 0);
    GfxInit(1);
  }
  void Start3DMode(int type, uint16_t flags) {
    Start();
    int16_t m = GfxFindMode(640, 480, type);
    ASSERT_GE(m, 0);
    SetGraphicMode(m, GFX_MODE_D3D | flags);
  }
  PlatDevice3D* Device() { return D3DInfo.lpD3DDevice7; }
  Plat3DStats Stats() { return Plat3DGetStats(Device()); }
};

bool ExitListHas(const std::string& name) {
  for (int i = 0; i < OnExitCount(); ++i)
    if (OnExitName(i) && name == OnExitName(i)) return true;
  return false;
}

TEST_F(D3DTest, ModesWithADeviceKnowWhatTheyCanClear) {
  const struct {
    int type;
    uint16_t flags;
    uint32_t clear;
    uint32_t zBits;
  } cases[] = {
      {1, 0, PLAT_CLEAR_TARGET, 0},
      {1, GFX_MODE_ZBUFFER, PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER, 16},
      {1, GFX_MODE_ZBUFFER | GFX_MODE_STENCIL, PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL, 16},
      // 32-bit pixels pick the 32-bit z format (24 + 8 stencil) over the 24-bit one.
      {3, GFX_MODE_ZBUFFER, PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL, 32},
      {3, GFX_MODE_ZBUFFER | GFX_MODE_STENCIL, PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL, 32},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " flags " << c.flags);
    ResetEngine();
    Start3DMode(c.type, c.flags);
    ASSERT_NE(Device(), nullptr);
    EXPECT_EQ(DDrawInfo.surfaceFlags & 2, 2);
    EXPECT_EQ(D3DInfo.clearFlags, c.clear);
    EXPECT_EQ(D3DInfo.viewportWidth, 640u);
    EXPECT_EQ(D3DInfo.viewportHeight, 480u);
    EXPECT_EQ(Device()->zbuffer, DDrawInfo.zBufferSurface);
    if (c.zBits) {
      PlatPixelFormat zf{};
      ASSERT_EQ(PlatSurfacePixelFormat(DDrawInfo.zBufferSurface, &zf), PLAT_OK);
      EXPECT_EQ(zf.bitCount, c.zBits);
    }
    // The cache starts from the device's own values.
    EXPECT_EQ(D3DGetRenderState(PLAT_RS_ZENABLE), c.zBits ? 1u : 0u);
    EXPECT_EQ(D3DGetRenderState(PLAT_RS_CULLMODE), uint32_t{PLAT_CULL_CCW});
    EXPECT_EQ(D3DGetTextureStageState(0, PLAT_TSS_COLOROP), uint32_t{PLAT_TOP_MODULATE});
    EXPECT_EQ(D3DGetRenderStateFloat(PLAT_RS_FOGEND), 1.0f);
    // The device's texture formats are known to the texture layer.
    EXPECT_GE(D3DTexFindTextureFormat(D3DTEX_FORMAT_SOLID | D3DTEX_FORMAT_16BIT), 0);
    EXPECT_TRUE(ExitListHas("D3DUninitDevice()"));
    EXPECT_TRUE(ExitListHas("D3DUninit()"));
    RestoreGraphicMode();
    EXPECT_EQ(Device(), nullptr);
    EXPECT_EQ(Plat3DLiveDevices(), 0);
    EXPECT_FALSE(ExitListHas("D3DUninitDevice()"));
  }
}

TEST_F(D3DTest, ShutdownReleasesDirect3D) {
  Start3DMode(1, GFX_MODE_ZBUFFER);
  ASSERT_NE(D3DInfo.lpD3D7, nullptr);
  RestoreGraphicMode();
  GfxUninit();
  EXPECT_EQ(D3DInfo.lpD3D7, nullptr);
  EXPECT_FALSE(ExitListHas("D3DUninit()"));
}

TEST_F(D3DTest, TheCacheCallsTheDeviceOnlyForNewValues) {
  Start3DMode(1, GFX_MODE_ZBUFFER);
  const Plat3DStats before = Stats();
  D3DSetRenderState(PLAT_RS_CULLMODE, PLAT_CULL_CCW);  // already so
  EXPECT_EQ(Stats().setRenderState, before.setRenderState);
  D3DSetRenderState(PLAT_RS_CULLMODE, PLAT_CULL_NONE);
  EXPECT_EQ(Stats().setRenderState, before.setRenderState + 1);
  D3DSetRenderState(PLAT_RS_CULLMODE, PLAT_CULL_NONE);
  EXPECT_EQ(Stats().setRenderState, before.setRenderState + 1);
  uint32_t v = 0;
  ASSERT_EQ(Plat3DGetRenderState(Device(), PLAT_RS_CULLMODE, &v), PLAT_OK);
  EXPECT_EQ(v, uint32_t{PLAT_CULL_NONE});

  D3DSetTextureStageState(0, PLAT_TSS_MAGFILTER, PLAT_TFG_POINT);
  EXPECT_EQ(Stats().setTextureStageState, before.setTextureStageState);
  D3DSetTextureStageStateFloat(0, PLAT_TSS_MIPMAPLODBIAS, -1.0f);
  EXPECT_EQ(Stats().setTextureStageState, before.setTextureStageState + 1);
  EXPECT_EQ(D3DGetTextureStageStateFloat(0, PLAT_TSS_MIPMAPLODBIAS), -1.0f);

  D3DSetRenderStateFloat(PLAT_RS_FOGSTART, 50.0f);
  D3DSetRenderStateFloat(PLAT_RS_FOGEND, 8000.0f);
  D3DSetRenderStateFloat(PLAT_RS_FOGEND, 8000.0f);
  EXPECT_EQ(Stats().setRenderState, before.setRenderState + 3);
  EXPECT_EQ(D3DGetRenderStateFloat(PLAT_RS_FOGSTART), 50.0f);

  D3DSetAmbientLight(0x00404040);
  EXPECT_EQ(D3DGetRenderState(PLAT_RS_AMBIENT), 0x00404040u);
  EXPECT_EQ(Device()->renderState[PLAT_RS_AMBIENT], 0x00404040u);
}

TEST_F(D3DTest, ReactivationWritesBackEveryListedState) {
  Start3DMode(1, GFX_MODE_ZBUFFER | GFX_MODE_STENCIL);
  D3DSetRenderState(PLAT_RS_FOGENABLE, 1);
  D3DSetRenderState(PLAT_RS_FOGTABLEMODE, PLAT_FOG_LINEAR);
  D3DSetTextureStageState(0, PLAT_TSS_MINFILTER, PLAT_TFN_LINEAR);
  // Something behind the cache's back (as a lost device would) is put right.
  ASSERT_EQ(Plat3DSetRenderState(Device(), PLAT_RS_FOGENABLE, 0), PLAT_OK);
  ASSERT_EQ(Plat3DSetTextureStageState(Device(), 0, PLAT_TSS_MINFILTER, PLAT_TFN_POINT), PLAT_OK);

  Plat3DStats before = Stats();
  RenderstateTaskswitch(0);
  EXPECT_EQ(Stats().setRenderState, before.setRenderState);
  WinCallTaskswitchFuncs(1);
  // 62 states, the three fog values twice; the 24 stage states.
  EXPECT_EQ(Stats().setRenderState, before.setRenderState + 65);
  EXPECT_EQ(Stats().setTextureStageState, before.setTextureStageState + 24);
  uint32_t v = 0;
  ASSERT_EQ(Plat3DGetRenderState(Device(), PLAT_RS_FOGENABLE, &v), PLAT_OK);
  EXPECT_EQ(v, 1u);
  ASSERT_EQ(Plat3DGetTextureStageState(Device(), 0, PLAT_TSS_MINFILTER, &v), PLAT_OK);
  EXPECT_EQ(v, uint32_t{PLAT_TFN_LINEAR});
  for (uint32_t s = 0; s < PLAT_RS_COUNT; ++s) {
    if (D3DGetRenderState(s)) {
      EXPECT_EQ(Device()->renderState[s], D3DGetRenderState(s)) << "state " << s;
    }
  }
  EXPECT_FALSE(Device()->inScene);  // the task switch's empty scene is closed

  // Without a device nothing is written back.
  RestoreGraphicMode();
  WinCallTaskswitchFuncs(1);
}

TEST_F(D3DTest, LightSlots) {
  Start3DMode(1, GFX_MODE_ZBUFFER);
  const PlatColourValue white{1, 1, 1, 1};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(D3DLightCreate(white, {0, -1, 0}), i);
  EXPECT_TRUE(Device()->lightOn[7]);
  EXPECT_EQ(Device()->lights[7].attenuation0, 1.0f);
  EXPECT_EQ(Device()->lights[7].direction.y, -1.0f);
  EXPECT_FATAL(D3DLightCreate(white, {0, -1, 0}), "D3DLightCreate\\(\\): no free light slots");
  D3DLightDestroy(3);
  EXPECT_FALSE(Device()->lightOn[3]);
  EXPECT_EQ(D3DLightCreate({0.5f, 0.5f, 0.5f, 1}, {1, 0, 0}), 3);
  EXPECT_TRUE(Device()->lightOn[3]);
  EXPECT_EQ(Device()->lights[3].diffuse.r, 0.5f);
  D3DLightEnable(3, false);
  EXPECT_FALSE(Device()->lightOn[3]);
  for (int slot : {8, -1, 1000})
    EXPECT_FATAL(D3DLightEnable(slot, true), "D3DLightEnable\\(\\): light doesn't exist");
  EXPECT_FATAL(D3DLightDestroy(8), "D3DLightDestroy\\(\\): light doesn't exist");
  D3DLightDestroy(5);
  EXPECT_FATAL(D3DLightDestroy(5), "D3DLightDestroy\\(\\): light doesn't exist");
  EXPECT_FATAL(D3DLightEnable(5, true), "D3DLightEnable\\(\\): light doesn't exist");
}

uint16_t Pixel16(PlatSurface* s, int x, int y) {
  void* pixels = nullptr;
  int32_t pitch = 0;
  EXPECT_EQ(PlatSurfaceLock(s, &pixels, &pitch), PLAT_OK);
  uint16_t v = 0;
  std::memcpy(&v, static_cast<uint8_t*>(pixels) + y * pitch + x * 2, 2);
  PlatSurfaceUnlock(s);
  return v;
}

TEST_F(D3DTest, ClearWithoutZBufferClearsTheTargetOnly) {
  Start3DMode(1, 0);
  EXPECT_EQ(D3DInfo.clearFlags, uint32_t{PLAT_CLEAR_TARGET});
  PlatSurface* target = DDrawInfo.drawingSurface;
  ASSERT_EQ(PlatSurfaceFill(target, nullptr, 0x1234), PLAT_OK);
  // Only z and stencil asked of a device without them: nothing to clear.
  D3DClearScene(PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL);
  EXPECT_EQ(Pixel16(target, 5, 5), 0x1234);
  D3DClearScene(PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL);
  EXPECT_EQ(Pixel16(target, 0, 0), 0);
  EXPECT_EQ(Pixel16(target, 639, 479), 0);
}

TEST_F(D3DTest, ClearingTheZBufferLeavesTheTarget) {
  Start3DMode(1, GFX_MODE_ZBUFFER);
  PlatSurface* target = DDrawInfo.drawingSurface;
  ASSERT_EQ(PlatSurfaceFill(target, nullptr, 0x1234), PLAT_OK);
  ASSERT_EQ(PlatSurfaceFill(DDrawInfo.zBufferSurface, nullptr, 0x5555), PLAT_OK);
  D3DClearScene(PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL);
  EXPECT_EQ(Pixel16(DDrawInfo.zBufferSurface, 7, 9), 0xFFFF);  // z 1.0
  EXPECT_EQ(Pixel16(target, 7, 9), 0x1234);
  D3DClearSceneAll();
  EXPECT_EQ(Pixel16(target, 7, 9), 0);
}

TEST_F(D3DTest, MisuseAborts) {
  EXPECT_FATAL(D3DGetD3DDevice7(), "D3DGetD3DDevice7\\(\\): no Direct3DDevice created");
  EXPECT_FATAL(D3DGetD3D7(), "D3DGetD3D7\\(\\): no Direct3D created");
  EXPECT_FATAL(D3DUninit(), "D3DUninit\\(\\): not initialised");
  EXPECT_FATAL(D3DInit(nullptr), "D3DInit\\(\\): Direct Draw not initialised");
  EXPECT_FATAL(D3DBeginScene(), "no Direct3DDevice created");
  Start3DMode(1, GFX_MODE_ZBUFFER);
  EXPECT_FATAL(D3DInit(DDrawInfo.lpDD), "D3DInit\\(\\): already initialised");
  EXPECT_FATAL(D3DSetRenderState(PLAT_RS_COUNT, 0), "D3DSetRenderState\\(\\): render state out of range");
  EXPECT_FATAL(D3DGetRenderState(PLAT_RS_COUNT), "D3DGetRenderState\\(\\): render state out of range");
  EXPECT_FATAL(D3DSetTextureStageState(0, PLAT_TSS_COUNT, 0), "D3DSetTextureStageState\\(\\): invalid texture sgage");
  EXPECT_FATAL(D3DSetTextureStageState(1, PLAT_TSS_COLOROP, 0), "D3DSetTextureStageState\\(\\): Stage out of range");
  EXPECT_FATAL(D3DGetTextureStageState(0, PLAT_TSS_COUNT), "D3DSetTextureStage\\(\\): invalid texture sgage");
  EXPECT_FATAL(D3DGetTextureStageState(2, PLAT_TSS_COLOROP), "D3DSetTextureStage\\(\\): Stage out of range");
}

TEST_F(D3DTest, RefusedCallsAreReportedUnderTheirNames) {
  Start3DMode(1, GFX_MODE_ZBUFFER);
  const D3DMATRIX identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  D3DSetTransformType(PLAT_TRANSFORM_WORLD, &identity);
  EXPECT_FATAL(D3DSetRenderState(PLAT_RS_FILLMODE, PLAT_FILL_WIREFRAME),
               "func D3DSetRenderState\\(\\)\\]:\nDirectX call D3DD7_SetRenderState\\(\\) failed");
  EXPECT_FATAL(D3DSetTextureStageState(0, PLAT_TSS_COLOROP, PLAT_TOP_MODULATE2X + 1),
               "func D3DSetTextureStage\\(\\)\\]:\nDirectX call D3DD7_SetTextureStageType\\(\\) failed");
  EXPECT_FATAL(D3DLightCreate({1, 1, 1, 1}, {0, 0, 0}),
               "func D3DLightCreateDirectional\\(\\)\\]:\nDirectX call D3DD7_SetLight\\(\\) failed");
  EXPECT_FATAL(D3DSetTransformType(7, &identity),
               "func D3DSetTransformType\\(\\)\\]:\nDirectX call D3DD7_SetTransformMatrix\\(\\) failed");
  EXPECT_FATAL(D3DSetViewport(0, 0, 641, 480, 0, 1),
               "func D3DSetViewport\\(\\)\\]:\nDirectX call D3DD7_SetViewport\\(\\) failed");
  EXPECT_FATAL(D3DEndScene(), "func D3DEndScene\\(\\)\\]:\nDirectX call D3DD2_EndScene\\(\\) failed");
  EXPECT_FATAL({
    D3DBeginScene();
    D3DBeginScene();
  }, "func D3DBeginScene\\(\\)\\]:\nDirectX call D3DD7_BeginScene\\(\\) failed");
  EXPECT_FATAL(D3DSetMaterial(nullptr), "func D3DSetMaterial\\(\\)\\]:\nDirectX call D3DD7_SetMaterial\\(\\) failed");
  D3DBeginScene();
  D3DEndScene();
  PlatMaterial3D m{};
  m.diffuse = {1, 0, 0, 1};
  D3DSetMaterial(&m);
  EXPECT_EQ(Device()->material.diffuse.r, 1.0f);
}

// A refusal of the device reaches the fatal report under its Direct3D name.
TEST(D3DResultNames, EveryDeviceResultHasAName) {
  for (PlatResult r : {PLAT3DERR_INVALIDPRIMITIVETYPE, PLAT3DERR_INVALIDVERTEXTYPE, PLAT3DERR_UNSUPPORTEDCOLOROPERATION,
                       PLAT3DERR_UNSUPPORTEDCOLORARG, PLAT3DERR_UNSUPPORTEDALPHAOPERATION, PLAT3DERR_UNSUPPORTEDALPHAARG,
                       PLAT3DERR_UNSUPPORTEDTEXTUREFILTER, PLAT3DERR_CONFLICTINGRENDERSTATE,
                       PLAT3DERR_INVALIDSTATEVALUE, PLAT3DERR_SCENE_IN_SCENE, PLAT3DERR_SCENE_NOT_IN_SCENE,
                       PLAT3DERR_LIGHTNOTSET, PLATERR_NOTFOUND})
    EXPECT_EQ(std::string(DXErrorName(r)).find("unknown"), std::string::npos) << std::hex << r;
  EXPECT_STREQ(DXErrorName(PLAT3DERR_INVALIDPRIMITIVETYPE), "D3DERR_INVALIDPRIMITIVETYPE");
  EXPECT_STREQ(DXErrorName(PLAT3DERR_SCENE_IN_SCENE), "D3DERR_SCENE_IN_SCENE");
}

}  // namespace
