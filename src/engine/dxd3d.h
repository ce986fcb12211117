// The Direct3D layer: the 3D device on the DirectDraw drawing surface, its
// scenes, transforms, viewport, material and eight directional lights, and
// the cache of render states and texture-stage states (dxd3drs).
#pragma once

#include <cstdint>

#include "engine/d3dmath.h"
#include "platform/platform.h"

struct D3DInfoRecord {
  PlatDisplay* lpD3D7;           // the Direct3D object (the display's, with its own reference); null when none
  const uint8_t* deviceGuid;     // the 3D device chosen in the device list
  PlatDevice3D* lpD3DDevice7;    // null when none
  uint32_t viewportWidth, viewportHeight;
  uint32_t lightSlots[8];        // 1 in use, 0 free
  uint32_t clearFlags;           // PLAT_CLEAR_* this device can clear
};
extern D3DInfoRecord D3DInfo;

void D3DInit(PlatDisplay* directDraw);
void D3DUninit();
void D3DInitDevice(PlatSurface* renderSurface);
void D3DUninitDevice();
PlatDisplay* D3DGetD3D7();
PlatDevice3D* D3DGetD3DDevice7();

void D3DBeginScene();
void D3DEndScene();
void D3DClearScene(uint32_t flags);
void D3DClearSceneAll();
void D3DSetViewport(uint32_t x, uint32_t y, uint32_t width, uint32_t height, float minZ, float maxZ);
void D3DSetTransformType(uint32_t type, const D3DMATRIX* matrix);
void D3DSetMaterial(const PlatMaterial3D* material);
void D3DDrawPrimitive(uint32_t primitiveType, uint32_t vertexFormat, const void* vertices, uint32_t vertexCount);
void D3DDrawIndexedPrimitive(uint32_t primitiveType, uint32_t vertexFormat, const void* vertices,
                             uint32_t vertexCount, const uint16_t* indices, uint32_t indexCount);
void D3DComputeSphereVisibility(const D3DVECTOR* centres, const float* radii, uint32_t count, uint32_t* results);

int D3DLightCreate(const PlatColourValue& colour, const D3DVECTOR& direction);
void D3DLightEnable(int slot, bool enable);
void D3DLightDestroy(int slot);
void D3DSetAmbientLight(uint32_t colour);

// The state cache (dxd3drs).
void D3DSetRenderState(uint32_t state, uint32_t value);
uint32_t D3DGetRenderState(uint32_t state);
void D3DSetTextureStageState(uint32_t stage, uint32_t type, uint32_t value);
uint32_t D3DGetTextureStageState(uint32_t stage, uint32_t type);
void D3DSetRenderStateFloat(uint32_t state, float value);
float D3DGetRenderStateFloat(uint32_t state);
void D3DSetTextureStageStateFloat(uint32_t stage, uint32_t type, float value);
float D3DGetTextureStageStateFloat(uint32_t stage, uint32_t type);
void D3DInitRenderStates();
void D3DUninitRenderStates();
void RenderstateTaskswitch(int active);
