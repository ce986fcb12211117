// Textures of the 3D device: the device's texture formats, the best of them
// for an alpha kind and depth, and 1024 texture slots addressed by handle.
#pragma once

#include <cstdint>

#include "engine/colconv.h"
#include "platform/platform.h"

constexpr int MAX_TEXTURE_FORMATS = 32;
constexpr int MAX_TEXTURES = 1024;

struct D3DTexFormat {
  uint32_t flags;  // bit 0: 8-bit palettised
  ColFmt colFmt;
  PlatPixelFormat pixelFormat;
};

struct D3DTexture {
  PlatSurface* surface;  // null: free slot
  uint32_t mipLevels;
  uint32_t format;
};

// Wanted-format words.
enum : uint16_t {
  D3DTEX_FORMAT_SOLID = 1,
  D3DTEX_FORMAT_TRANSPARENT = 2,
  D3DTEX_FORMAT_SEMITRANSPARENT = 3,
  D3DTEX_FORMAT_PALETTE = 4,
  D3DTEX_FORMAT_8BIT = 0x10,
  D3DTEX_FORMAT_16BIT = 0x20,
  D3DTEX_FORMAT_32BIT = 0x30,
};
constexpr int D3DTEX_NULL_FORMAT = -1;

// Advanced creation flags.
enum : uint32_t {
  D3DTEX_SOURCE_RGBA32 = 0x1,
  D3DTEX_WANT_16BIT = 0x10,
  D3DTEX_WANT_32BIT = 0x20,
  D3DTEX_ALPHA_SHIFT = 8,  // bits 8-11: alpha kind, 0 = from the pixels
  D3DTEX_MIPMAPS = 0x1000,
  D3DTEX_NO_MIPMAPS = 0x2000,
  D3DTEX_HALF_SIZE = 0x10000,
  D3DTEX_SQUARE = 0x20000,
};

void D3DTexInit();
void D3DTexUninit();
bool EnumTextureFormatsCallback(const PlatPixelFormat& pixelFormat, void* user);
int D3DTexFindTextureFormat(uint16_t wanted);
const ColFmt* D3DTexGetTextureFormat(int index);
int D3DTexCreateTextureEx(uint32_t width, uint32_t height, uint32_t mipLevels, const void* pixels, int format);
int D3DTexCreateTexture(uint32_t width, uint32_t height, const void* pixels, int format);
// Consumes the managed block that *owner points to (freed on return).
int D3DTexAdvancedCreateTexture(uint32_t width, uint32_t height, void** owner, uint32_t offset, uint32_t flags);
uint32_t D3DTexSetGlobalFlags(uint32_t flags);
void D3DTexSetCurrentHandle(int handle);
int D3DTexGetCurrentHandle();
PlatSurface* D3DTexAccessDDrawSurface(int handle);
int D3DTexReadTextureFormat(int handle);
void D3DTexDestroyTexture(int handle);
// The tables (tests).
int D3DTexFormatCount();
const D3DTexFormat* D3DTexFormatEntry(int index);
