// The 3D device's calls: device life, states, transforms, lights, textures.
// (Being written: every call refuses for now.)
#include "platform/d3dstate.h"

const uint8_t PLAT_3D_DEVICE_GUID[16] = {0x47, 0x61, 0x66, 0x66, 0x65, 0x72, 0x6F, 0x6E,
                                         0x52, 0x61, 0x73, 0x74, 0x65, 0x72, 0x20, 0x31};

PlatResult Plat3DCreateDevice(PlatDisplay*, const uint8_t*, PlatSurface*, PlatDevice3D** out) {
  if (out) *out = nullptr;
  return PLATERR_INVALIDPARAMS;
}
uint32_t Plat3DDeviceRelease(PlatDevice3D*) { return 0; }
PlatResult Plat3DEnumTextureFormats(PlatDevice3D*, PlatTextureFormatCallback, void*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DSetRenderState(PlatDevice3D*, uint32_t, uint32_t) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DGetRenderState(PlatDevice3D*, uint32_t, uint32_t*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DSetTextureStageState(PlatDevice3D*, uint32_t, uint32_t, uint32_t) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DGetTextureStageState(PlatDevice3D*, uint32_t, uint32_t, uint32_t*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DSetTexture(PlatDevice3D*, uint32_t, PlatSurface*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DSetTransform(PlatDevice3D*, uint32_t, const float*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DGetTransform(PlatDevice3D*, uint32_t, float*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DSetViewport(PlatDevice3D*, const PlatViewport3D&) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DGetViewport(PlatDevice3D*, PlatViewport3D*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DSetMaterial(PlatDevice3D*, const PlatMaterial3D&) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DSetLight(PlatDevice3D*, uint32_t, const PlatLight3D&) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DLightEnable(PlatDevice3D*, uint32_t, bool) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DBeginScene(PlatDevice3D*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DEndScene(PlatDevice3D*) { return PLATERR_INVALIDPARAMS; }
PlatResult Plat3DClear(PlatDevice3D*, uint32_t, const PlatRect*, uint32_t, uint32_t, float, uint32_t) {
  return PLATERR_INVALIDPARAMS;
}
PlatResult Plat3DDrawPrimitive(PlatDevice3D*, uint32_t, uint32_t, const void*, uint32_t, uint32_t) {
  return PLATERR_INVALIDPARAMS;
}
PlatResult Plat3DDrawIndexedPrimitive(PlatDevice3D*, uint32_t, uint32_t, const void*, uint32_t, const uint16_t*,
                                      uint32_t, uint32_t) {
  return PLATERR_INVALIDPARAMS;
}
PlatResult Plat3DComputeSphereVisibility(PlatDevice3D*, const float*, const float*, uint32_t, uint32_t, uint32_t*) {
  return PLATERR_INVALIDPARAMS;
}
Plat3DStats Plat3DGetStats(PlatDevice3D* device) { return device ? device->stats : Plat3DStats{}; }
int Plat3DLiveDevices() { return 0; }
