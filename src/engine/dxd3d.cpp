// The Direct3D layer: the 3D device on the DirectDraw drawing surface, its
// scenes, transforms, viewport, material and eight directional lights.
#include "engine/dxd3d.h"

#include <cstring>
#include <vector>

#include "engine/debug.h"
#include "engine/dxdraw.h"
#include "engine/dxenum.h"
#include "engine/dxerror.h"
#include "engine/onexit.h"
#include "engine/reset.h"
#include "engine/winlib.h"

#define ABORT_FILE "dxd3d"

D3DInfoRecord D3DInfo;

namespace {

// Several calls report a failure under another function's name than their
// own (a light's destruction reports as its creation), so the reported name
// is given here rather than taken from the compiler.
void FatalCheck(HRESULT result, int line, const char* func, const char* call) {
  if (result < 0)
    FatalError("Error: [file %s, line %d, func %s()]:\nDirectX call %s() failed: %s\n", ABORT_FILE, line, func, call,
               DXErrorName(result));
}
#define D3D_CHECK(result, func, call) FatalCheck((result), __LINE__, func, call)

std::vector<float>& SphereCentres() {
  static std::vector<float> centres;
  return centres;
}

void D3DReset() {
  std::memset(&D3DInfo, 0, sizeof D3DInfo);
  std::vector<float>().swap(SphereCentres());
}

}  // namespace

REGISTER_RESET(RESET_ENGINE, D3DReset);

void D3DInit(PlatDisplay* directDraw) {
  if (D3DInfo.lpD3D7) ABORT("D3DInit(): already initialised");
  if (!directDraw) ABORT("D3DInit(): Direct Draw not initialised");
  DPRINT(DEBUG_DIRECT3D, 10, "D3DInit(): Initialising...\n");
  std::memset(&D3DInfo, 0, sizeof D3DInfo);
  D3D_CHECK(PlatDisplayQuery3D(directDraw), "D3DInit", "DD7_QueryInterface");
  PlatDisplayAddRef(directDraw);
  D3DInfo.lpD3D7 = directDraw;
  DXDevice* device = DXGetCurrentDevice();
  if (!device) ABORT("D3DInit(): no 3d device selected");
  D3DInfo.deviceGuid = device->guid;
  OnExitAddEx(D3DUninit, "D3DUninit()");
}

void D3DUninit() {
  if (!D3DInfo.lpD3D7) ABORT("D3DUninit(): not initialised");
  DPRINT(DEBUG_DIRECT3D, 100, "D3DUninit(): Release 3d7\n");
  OnExitRemove(D3DUninit);
  DX_SAFE_RELEASE(DEBUG_DIRECTDRAW, D3DInfo.lpD3D7, PlatDisplayRelease);
}

void D3DInitDevice(PlatSurface* renderSurface) {
  DPRINT(DEBUG_DIRECT3D, 80, "D3DCreateDirect3DDevice(): initializing\n");
  D3D_CHECK(Plat3DCreateDevice(D3DGetD3D7(), D3DInfo.deviceGuid, renderSurface, &D3DInfo.lpD3DDevice7),
            "D3DInitDevice", "D3D7_CreateDevice");
  uint32_t width = 0, height = 0;
  D3D_CHECK(PlatSurfaceSize(renderSurface, &width, &height), "D3DInitDevice", "DDS3_GetSurfaceDesc");
  D3DInfo.viewportWidth = width;
  D3DInfo.viewportHeight = height;
  // A new device has no lights: every slot is free again.
  std::memset(D3DInfo.lightSlots, 0, sizeof D3DInfo.lightSlots);
  D3DSetViewport(0, 0, width, height, 0.0f, 1.0f);

  D3DInfo.clearFlags = PLAT_CLEAR_TARGET;
  if (DDrawInfo.zBufferSurface) {
    D3DInfo.clearFlags |= PLAT_CLEAR_ZBUFFER;
    DPRINT(DEBUG_DIRECT3D, 50, "D3DInitDevice(): we have a z-buffer to clear");
    PlatPixelFormat zf{};
    D3D_CHECK(PlatSurfacePixelFormat(DDrawInfo.zBufferSurface, &zf), "D3DInitDevice", "DDS7_GetPixelFormat");
    if ((zf.flags & PLAT_PF_STENCILBUFFER) && zf.stencilBits) {
      D3DInfo.clearFlags |= PLAT_CLEAR_STENCIL;
      DPRINT(DEBUG_DIRECT3D, 50, "D3DInitDevice(): we have a stencil buffer to clear");
    }
  }
  D3DInitRenderStates();
  OnExitAddEx(D3DUninitDevice, "D3DUninitDevice()");
}

void D3DUninitDevice() {
  OnExitRemove(D3DUninitDevice);
  D3DUninitRenderStates();
  DX_SAFE_RELEASE(DEBUG_DIRECTDRAW, D3DInfo.lpD3DDevice7, Plat3DDeviceRelease);
}

PlatDisplay* D3DGetD3D7() {
  if (!D3DInfo.lpD3D7) ABORT("D3DGetD3D7(): no Direct3D created");
  return D3DInfo.lpD3D7;
}

PlatDevice3D* D3DGetD3DDevice7() {
  if (!D3DInfo.lpD3DDevice7) ABORT("D3DGetD3DDevice7(): no Direct3DDevice created");
  return D3DInfo.lpD3DDevice7;
}

// --- scenes and drawing ------------------------------------------------------

void D3DBeginScene() {
  DPRINT(DEBUG_DIRECT3D, 180, "D3DBeginScene(): starting scene\n");
  D3D_CHECK(Plat3DBeginScene(D3DGetD3DDevice7()), "D3DBeginScene", "D3DD7_BeginScene");
}

void D3DEndScene() {
  DPRINT(DEBUG_DIRECT3D, 180, "D3DEndScene(): ending scene\n");
  D3D_CHECK(Plat3DEndScene(D3DGetD3DDevice7()), "D3DEndScene", "D3DD2_EndScene");
  if (WinIsWindowed()) PlatInvalidateRect(nullptr);
}

void D3DClearScene(uint32_t flags) {
  PlatDevice3D* device = D3DGetD3DDevice7();
  const uint32_t what = flags & D3DInfo.clearFlags;
  if (!what) return;  // nothing this device can clear
  const PlatRect rect{0, 0, static_cast<int32_t>(D3DInfo.viewportWidth), static_cast<int32_t>(D3DInfo.viewportHeight)};
  D3D_CHECK(Plat3DClear(device, 1, &rect, what, 0xFF000000u, 1.0f, 0), "D3DClearScene", "D3DD7_Clear");
}

void D3DClearSceneAll() { D3DClearScene(D3DInfo.clearFlags); }

void D3DSetViewport(uint32_t x, uint32_t y, uint32_t width, uint32_t height, float minZ, float maxZ) {
  const PlatViewport3D viewport{x, y, width, height, minZ, maxZ};
  D3D_CHECK(Plat3DSetViewport(D3DGetD3DDevice7(), viewport), "D3DSetViewport", "D3DD7_SetViewport");
}

void D3DSetTransformType(uint32_t type, const D3DMATRIX* matrix) {
  PlatDevice3D* device = D3DGetD3DDevice7();
  float m[16];
  HRESULT r = PLATERR_INVALIDPARAMS;
  if (matrix) {
    const float rows[16] = {matrix->_11, matrix->_12, matrix->_13, matrix->_14, matrix->_21, matrix->_22,
                            matrix->_23, matrix->_24, matrix->_31, matrix->_32, matrix->_33, matrix->_34,
                            matrix->_41, matrix->_42, matrix->_43, matrix->_44};
    std::memcpy(m, rows, sizeof m);
    r = Plat3DSetTransform(device, type, m);
  }
  D3D_CHECK(r, "D3DSetTransformType", "D3DD7_SetTransformMatrix");
}

void D3DSetMaterial(const PlatMaterial3D* material) {
  PlatDevice3D* device = D3DGetD3DDevice7();
  D3D_CHECK(material ? Plat3DSetMaterial(device, *material) : PLATERR_INVALIDPARAMS, "D3DSetMaterial",
            "D3DD7_SetMaterial");
}

void D3DDrawPrimitive(uint32_t primitiveType, uint32_t vertexFormat, const void* vertices, uint32_t vertexCount) {
  D3D_CHECK(Plat3DDrawPrimitive(D3DGetD3DDevice7(), primitiveType, vertexFormat, vertices, vertexCount, 0),
            "D3DDrawPrimitive", "D3DD7_DrawPrimitive");
}

void D3DDrawIndexedPrimitive(uint32_t primitiveType, uint32_t vertexFormat, const void* vertices,
                             uint32_t vertexCount, const uint16_t* indices, uint32_t indexCount) {
  D3D_CHECK(Plat3DDrawIndexedPrimitive(D3DGetD3DDevice7(), primitiveType, vertexFormat, vertices, vertexCount,
                                       indices, indexCount, 0),
            "D3DDrawIndexedPrimitive", "D3DD7_DrawIndexedPrimitive");
}

void D3DComputeSphereVisibility(const D3DVECTOR* centres, const float* radii, uint32_t count, uint32_t* results) {
  PlatDevice3D* device = D3DGetD3DDevice7();
  HRESULT r = PLATERR_INVALIDPARAMS;
  if (centres || count == 0) {
    std::vector<float>& xyz = SphereCentres();  // kept between calls: no allocation per frame
    if (xyz.size() < size_t{count} * 3) xyz.resize(size_t{count} * 3);
    for (uint32_t i = 0; i < count; ++i) {
      xyz[i * 3] = centres[i].x;
      xyz[i * 3 + 1] = centres[i].y;
      xyz[i * 3 + 2] = centres[i].z;
    }
    r = Plat3DComputeSphereVisibility(device, count ? xyz.data() : nullptr, radii, count, 0, results);
  }
  D3D_CHECK(r, "D3DComputeSphereVisibility", "D3DD7_ComputeSphereVisibility");
}

// --- lights --------------------------------------------------------------------

int D3DLightCreate(const PlatColourValue& colour, const D3DVECTOR& direction) {
  int slot = -1;
  for (int i = 0; i < 8 && slot < 0; ++i)
    if (!D3DInfo.lightSlots[i]) slot = i;
  if (slot < 0) ABORT("D3DLightCreate(): no free light slots");
  PlatLight3D light{};
  light.type = PLAT_LIGHT_DIRECTIONAL;
  light.diffuse = light.specular = light.ambient = colour;
  light.position = {0.0f, 0.0f, 0.0f};
  light.direction = {direction.x, direction.y, direction.z};
  light.range = 0.0f;
  light.falloff = 0.0f;
  light.attenuation0 = 1.0f;
  light.attenuation1 = 0.0f;
  light.attenuation2 = 0.0f;
  light.theta = 0.0f;
  light.phi = 0.0f;
  PlatDevice3D* device = D3DGetD3DDevice7();
  D3D_CHECK(Plat3DSetLight(device, static_cast<uint32_t>(slot), light), "D3DLightCreateDirectional",
            "D3DD7_SetLight");
  D3D_CHECK(Plat3DLightEnable(device, static_cast<uint32_t>(slot), true), "D3DLightCreateDirectional",
            "D3DD7_LightEnable");
  D3DInfo.lightSlots[slot] = 1;
  return slot;
}

void D3DLightEnable(int slot, bool enable) {
  if (slot < 0 || slot >= 8 || !D3DInfo.lightSlots[slot]) ABORT("D3DLightEnable(): light doesn't exist");
  D3D_CHECK(Plat3DLightEnable(D3DGetD3DDevice7(), static_cast<uint32_t>(slot), enable), "D3DLightEnable",
            "D3DD7_LightEnable");
}

void D3DLightDestroy(int slot) {
  if (slot < 0 || slot >= 8 || !D3DInfo.lightSlots[slot]) ABORT("D3DLightDestroy(): light doesn't exist");
  D3D_CHECK(Plat3DLightEnable(D3DGetD3DDevice7(), static_cast<uint32_t>(slot), false), "D3DLightCreateDirectional",
            "D3DD7_LightEnable");
  D3DInfo.lightSlots[slot] = 0;
}

void D3DSetAmbientLight(uint32_t colour) { D3DSetRenderState(PLAT_RS_AMBIENT, colour); }
