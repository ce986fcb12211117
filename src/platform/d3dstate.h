// Inside the 3D device: the state the device calls keep (d3ddevice.cpp) and
// the rasteriser draws with (d3draster.cpp), and the surface access both need
// from the display (display.cpp). Not for the engine: it sees plat3d.h only.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct RasterCache;  // the rasteriser's own per-device data (decoded textures, buffers)

struct PlatDevice3D {
  uint32_t refs = 1;
  PlatSurface* target = nullptr;   // holds a reference
  PlatSurface* zbuffer = nullptr;  // the target's attached z-buffer at creation, or null; holds a reference
  uint32_t renderState[PLAT_RS_COUNT] = {};
  uint32_t stageState[PLAT_TSS_COUNT] = {};
  float world[16] = {}, view[16] = {}, projection[16] = {};
  PlatViewport3D viewport{};
  PlatMaterial3D material{};
  PlatLight3D lights[8] = {};
  bool lightSet[8] = {};
  bool lightOn[8] = {};
  PlatSurface* texture = nullptr;  // stage 0, holds a reference, or null
  bool inScene = false;
  Plat3DStats stats{};
  RasterCache* raster = nullptr;  // made and freed by the rasteriser
};

// Pixels of a surface as the rasteriser reads and writes them. `generation`
// changes whenever the surface's pixels may have been changed from outside
// (every unlock, fill and blit), so decoded copies know when to refresh.
struct PlatSurfaceView {
  uint8_t* pixels;
  int32_t pitch;
  uint32_t width, height;
  PlatPixelFormat format;
  uint32_t caps;
  uint32_t generation;
};
// Direct3D 7's initial render and texture-stage states (ZENABLE on with a
// z-buffer) and identity transforms: what a new device starts with.
void Plat3DInitialStates(PlatDevice3D& device, bool hasZ);

bool PlatSurfaceGetView(PlatSurface* surface, PlatSurfaceView* out);
// The next level of a mip chain without adding a reference, or null.
PlatSurface* PlatSurfaceMipLevel(PlatSurface* surface);
// The surface attached to another (a target's z-buffer), or null.
PlatSurface* PlatSurfaceAttached(PlatSurface* surface);
// The device marks what it drew into, so a primary target is presented.
void PlatSurfaceTouched(PlatSurface* surface);

// The rasteriser (d3draster.cpp). Every call gets states already checked by
// the device; the rasteriser refuses only what depends on the draw itself
// (primitive type, vertex format, counts, a state combination it cannot draw).
PlatResult RasterClear(PlatDevice3D& device, uint32_t count, const PlatRect* rects, uint32_t flags, uint32_t colour,
                       float z, uint32_t stencil);
PlatResult RasterDraw(PlatDevice3D& device, uint32_t primitiveType, uint32_t vertexFormat, const void* vertices,
                      uint32_t vertexCount, const uint16_t* indices, uint32_t indexCount);
PlatResult RasterSphereVisibility(PlatDevice3D& device, const float* centres, const float* radii, uint32_t count,
                                  uint32_t* results);
void RasterFree(PlatDevice3D& device);
