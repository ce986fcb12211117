// The software rasteriser behind the 3D device. (Being written.)
#include "platform/d3dstate.h"

PlatResult RasterClear(PlatDevice3D&, uint32_t, const PlatRect*, uint32_t, uint32_t, float, uint32_t) {
  return PLATERR_INVALIDPARAMS;
}
PlatResult RasterDraw(PlatDevice3D&, uint32_t, uint32_t, const void*, uint32_t, const uint16_t*, uint32_t) {
  return PLATERR_INVALIDPARAMS;
}
PlatResult RasterSphereVisibility(PlatDevice3D&, const float*, const float*, uint32_t, uint32_t*) {
  return PLATERR_INVALIDPARAMS;
}
void RasterFree(PlatDevice3D&) {}
