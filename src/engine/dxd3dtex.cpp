// Textures of the 3D device: the formats it offers, the choice among them,
// turning 32-bit images into device textures, and the handle table.
#include "engine/dxd3dtex.h"

#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/dxd3d.h"
#include "engine/dxdraw.h"
#include "engine/dxenum.h"
#include "engine/dxerror.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"
#include "engine/reset.h"

#define ABORT_FILE "dxd3dtex"

// A failed DirectX call, reported under the name of the step it belongs to
// (some steps report under another function's name than their own).
#define TEX_FATAL_CHECK(result, func, call)                                                            \
  do {                                                                                                 \
    HRESULT tex_result_ = (result);                                                                    \
    if (tex_result_ < 0)                                                                               \
      FatalError("Error: [file %s, line %d, func %s()]:\nDirectX call %s() failed: %s\n", ABORT_FILE, \
                 __LINE__, func, call, DXErrorName(tex_result_));                                      \
  } while (0)

namespace {

struct TextureState {
  D3DTexFormat formats[MAX_TEXTURE_FORMATS];
  int formatCount;
  D3DTexture textures[MAX_TEXTURES];
  int currentHandle;
  uint32_t globalFlags;
  uint32_t defaultDepth;
};
TextureState gTex = {{}, 0, {}, -1, 0, 0};

void Tex_Reset() {
  // The platform's surfaces are gone by now; forget ours without calls.
  std::memset(&gTex, 0, sizeof gTex);
  gTex.currentHandle = -1;
}
REGISTER_RESET(RESET_ENGINE, Tex_Reset);

constexpr uint32_t kPixel = 4;  // bytes of a source pixel until conversion
const ColFmt& SourceFormat() { return ColFmtABGR8888; }  // R, G, B, A in memory order

bool IsPowerOfTwo(uint32_t v) { return v != 0 && (v & (v - 1)) == 0; }

uint32_t FloorLog2(uint32_t v) {
  uint32_t n = 0;
  while (v > 1) {
    v >>= 1;
    ++n;
  }
  return n;
}

// The selected device's figures; a program without a chosen device has none.
struct DeviceLimits {
  uint32_t flags = 0;
  uint32_t maxWidth = 0, maxHeight = 0, minWidth = 0, minHeight = 0, maxAspect = 0;
};
DeviceLimits SelectedLimits() {
  DeviceLimits limits;
  if (const DXDevice* d = DXGetSelectedDevice()) {
    limits.flags = d->flags;
    limits.maxWidth = d->maxTextureWidth;
    limits.maxHeight = d->maxTextureHeight;
    limits.minWidth = d->minTextureWidth;
    limits.minHeight = d->minTextureHeight;
    limits.maxAspect = d->maxTextureAspect;
  }
  return limits;
}

// A 32-bit image at `offset` of the managed block `*owner`; every growth
// resizes the block first, so the pixels are found afresh after each step.
struct WorkImage {
  void** owner;
  uint32_t offset;
  uint32_t w, h;

  uint8_t* Pixels() const { return static_cast<uint8_t*>(*owner) + offset; }

  void DoubleWidth() {
    DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Size is %dx%d - doubling width\n",
           static_cast<int>(w), static_cast<int>(h));
    ResizeMemory(owner, offset + w * h * kPixel * 2);
    uint8_t* p = Pixels();
    // Backwards: pixel i goes to 2i and 2i + 1, always at or past where it was.
    for (uint32_t i = w * h; i-- > 0;) {
      std::memmove(p + (2 * i) * kPixel, p + i * kPixel, kPixel);
      std::memmove(p + (2 * i + 1) * kPixel, p + i * kPixel, kPixel);
    }
    w *= 2;
  }

  void DoubleHeight() {
    DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Size is %dx%d - doubling height\n",
           static_cast<int>(w), static_cast<int>(h));
    ResizeMemory(owner, offset + w * h * kPixel * 2);
    uint8_t* p = Pixels();
    uint32_t row = w * kPixel;
    for (uint32_t y = h; y-- > 0;) {
      std::memmove(p + (2 * y + 1) * row, p + y * row, row);
      std::memmove(p + (2 * y) * row, p + y * row, row);
    }
    h *= 2;
  }

  void Halve() {
    DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Half size textures requested\n");
    ColConvHalveImageSize(Pixels(), Pixels(), w, h, SourceFormat());
    w /= 2;
    h /= 2;
  }
};

const char* DescribeFormat(int index, char* text) {
  if (gTex.formats[index].flags & 1) {
    std::snprintf(text, 64, "paletted texture");
  } else {
    ColFmtDescribe(text, gTex.formats[index].colFmt);
  }
  return text;
}

// A texture handle checked for the call `func`: in range and in use.
D3DTexture& CheckedTexture(int handle, const char* outOfRange, const char* missing) {
  if (handle < 0 || handle >= MAX_TEXTURES) ABORT(outOfRange);
  D3DTexture& t = gTex.textures[handle];
  if (!t.surface) ABORT(missing);
  return t;
}

// Copies `height` packed rows into a locked surface level.
void CopyLevel(PlatSurface* surface, uint32_t width, uint32_t height, const uint8_t* source, uint32_t bytesPerPixel) {
  void* pixels = nullptr;
  int32_t pitch = 0;
  TEX_FATAL_CHECK(PlatSurfaceLock(surface, &pixels, &pitch), "D3DTexCreateTexure", "DDS3_Lock");
  int row = static_cast<int>(width * bytesPerPixel);
  BlitCopy(static_cast<int>(height), row, source, 0, static_cast<uint8_t*>(pixels), pitch - row);
  TEX_FATAL_CHECK(PlatSurfaceUnlock(surface), "D3DTexCreateTexure", "DDS3_Unlock");
}

}  // namespace

bool EnumTextureFormatsCallback(const PlatPixelFormat& pixelFormat, void*) {
  if (!(pixelFormat.flags & PLAT_PF_RGB)) {
    DPRINT(DEBUG_DIRECT3D, 60, "EnumTextureFormatsCallback(): non-RGB based format - skipping\n");
    return true;
  }
  if (pixelFormat.flags & (PLAT_PF_PALETTEINDEXED1 | PLAT_PF_PALETTEINDEXED2 | PLAT_PF_PALETTEINDEXED4)) {
    DPRINT(DEBUG_DIRECT3D, 60, "EnumTextureFormatsCallback(): unsupported palette based format - skipping\n");
    return true;
  }
  const uint32_t masks[4] = {pixelFormat.rMask, pixelFormat.gMask, pixelFormat.bMask, pixelFormat.aMask};
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j)
      if (masks[i] & masks[j]) {
        DPRINT(DEBUG_DIRECT3D, 20,
               "EnumTextureFormatsCallback(): skipping bad format (overlapping masks) - probably a driver bug\n");
        return true;
      }
  D3DTexFormat entry{};
  entry.pixelFormat = pixelFormat;
  DDrawPixelFormat2ColFmt(pixelFormat, &entry.colFmt);
  if (pixelFormat.flags & PLAT_PF_PALETTEINDEXED8) {
    if (pixelFormat.bitCount != 8) {
      DPRINT(DEBUG_DIRECT3D, 60, "EnumTextureFormatsCallback(): can only support 8 bit palette formats\n");
      return true;
    }
    entry.flags |= 1;
  }
  if (DebugLevel(DEBUG_DIRECT3D) >= 60) {
    char text[64];
    if (entry.flags & 1) {
      std::snprintf(text, sizeof text, "paletted texture");
    } else {
      ColFmtDescribe(text, entry.colFmt);
    }
    std::printf("EnumTextureFormatsCallback(): Texture format %d: %s\n", gTex.formatCount, text);
  }
  if (gTex.formatCount >= MAX_TEXTURE_FORMATS) {
    DPRINT(DEBUG_DIRECT3D, 20,
           "EnumTextureFormatsCallback(): too many texture formats found (increase MAX_TEXTURE_FORMATS)\n");
    return false;
  }
  gTex.formats[gTex.formatCount++] = entry;
  return true;
}

void D3DTexInit() {
  DPRINT(DEBUG_DIRECT3D, 80, "D3DTexInit(): initialising\n");
  std::memset(&gTex, 0, sizeof gTex);
  gTex.currentHandle = -1;
  PlatDevice3D* device = D3DInfo.lpD3DDevice7;
  if (device) {
    TEX_FATAL_CHECK(Plat3DSetTexture(device, 0, nullptr), "D3DTexInit", "D3DD7_SetTexture");
    DXWarnFailed(Plat3DEnumTextureFormats(device, EnumTextureFormatsCallback, nullptr), ABORT_FILE, __LINE__,
                 "D3DTexInit", "D3DD2_EnumTextureFormats");
  }
  DPRINT(DEBUG_DIRECT3D, 40, "D3DTexInit(): found %d texture formats\n", gTex.formatCount);
  gTex.defaultDepth = 0x20;
  if (PlatSurface* drawing = DDrawGetDirectDrawSurface(DDRAW_SURFACE_DRAWING)) {
    PlatPixelFormat format{};
    TEX_FATAL_CHECK(PlatSurfacePixelFormat(drawing, &format), "D3DTexInit", "DDS7_GetPixelFormat");
    if (format.bitCount == 8) {
      gTex.defaultDepth = 0x10;
    } else if (format.bitCount == 24 || format.bitCount == 32) {
      gTex.defaultDepth = 0x30;
    }
  }
}

void D3DTexUninit() {
  DPRINT(DEBUG_DIRECT3D, 80, "D3DTexUninit(): uninitialising\n");
  gTex.currentHandle = -1;
  // The device lets go of its stage-0 texture too, so no surface outlives its slot.
  if (PlatDevice3D* device = D3DInfo.lpD3DDevice7)
    TEX_FATAL_CHECK(Plat3DSetTexture(device, 0, nullptr), "D3DTexUninit", "D3DD7_SetTexture");
  for (int i = 0; i < MAX_TEXTURES; ++i) {
    if (!gTex.textures[i].surface) continue;
    DPRINT(DEBUG_DIRECT3D, 20, "Warning: D3DTexUninit(): texture %d not released\n", i);
    D3DTexDestroyTexture(i);
  }
}

int D3DTexFindTextureFormat(uint16_t wanted) {
  uint32_t kind = wanted & 0xF;
  if (kind == 0) ABORT("D3DTexFindTextureFormat(): no D3DTEX_FORMAT_* value specified");
  if (kind & D3DTEX_FORMAT_PALETTE) {
    for (int i = 0; i < gTex.formatCount; ++i)
      if (gTex.formats[i].flags & 1) {
        DPRINT(DEBUG_DIRECT3D, 20, "D3DTexFindTextureFormat(): found palette based texture: %d\n", i);
        return i;
      }
    DPRINT(DEBUG_DIRECT3D, 20, "D3DTexFindTextureFormat(): no texture format found matching 0x%04X\n", wanted);
    return D3DTEX_NULL_FORMAT;
  }
  uint32_t depth = wanted & 0xF0;
  if (depth == 0) depth = gTex.defaultDepth;
  if (depth == 0) depth = 0x20;
  uint32_t bits = 0;
  switch (depth) {
    case 0x10: bits = 8; break;
    case 0x20: bits = 16; break;
    case 0x30: bits = 32; break;
    default: ABORT("D3DTexFindTextureFormat(): unknown bit depth requested");
  }
  if (kind > 3) ABORT("D3DTexFindTextureFormat(): unknown texture format");
  int best = D3DTEX_NULL_FORMAT;
  int bestScore = -999999;
  for (int i = 0; i < gTex.formatCount; ++i) {
    const D3DTexFormat& f = gTex.formats[i];
    if (f.flags & 1) continue;
    int a = static_cast<int>(f.colFmt.alpha.bits);
    int score = 0;
    if (kind == 1) {
      score = -a;
    } else if (kind == 2) {
      score = a == 1 ? 10 : a == 0 ? 0 : 2;
    } else {
      score = a >= 4 ? 10 : a >= 2 ? 5 : a == 1 ? 1 : -50;
    }
    if (f.colFmt.bitsPerPixel < bits) score -= 50;
    if (f.colFmt.bitsPerPixel > bits) score -= 25;
    if (score > bestScore) {
      bestScore = score;
      best = i;
    }
  }
  if (best == D3DTEX_NULL_FORMAT) {
    DPRINT(DEBUG_DIRECT3D, 20, "D3DTexFindTextureFormat(): no texture format found matching 0x%04X\n", wanted);
  } else if (DebugLevel(DEBUG_DIRECT3D) >= 60) {
    char text[64];
    std::printf("D3DTexFindTextureFormat(): found %s matching 0x%04X\n", DescribeFormat(best, text), wanted);
  }
  return best;
}

const ColFmt* D3DTexGetTextureFormat(int index) {
  if (index < 0 || index >= gTex.formatCount)
    ABORT("D3DTexGetTextureFormat(): Format value out of range (was D3DTEX_NULL_FORMAT passed?)");
  return &gTex.formats[index].colFmt;
}

int D3DTexCreateTextureEx(uint32_t width, uint32_t height, uint32_t mipLevels, const void* pixels, int format) {
  DPRINT(DEBUG_DIRECT3D, 20, "D3DTexCreateTextureEx(): Creating %d x %d texture (%d mip-maps)\n",
         static_cast<int>(width), static_cast<int>(height), static_cast<int>(mipLevels));
  const ColFmt* colFmt = D3DTexGetTextureFormat(format);
  int handle = -1;
  for (int i = 0; i < MAX_TEXTURES && handle < 0; ++i)
    if (!gTex.textures[i].surface) handle = i;
  if (handle < 0) ABORT("D3DTexCreateTextureEx(): cannot create any more textures");
  D3DTexture& t = gTex.textures[handle];
  t = D3DTexture{};
  t.format = static_cast<uint32_t>(format);

  PlatSurfaceDesc desc{};
  desc.caps = PLAT_SCAPS_TEXTURE;
  if (SelectedLimits().flags & D3DDEVINFO_HARDWARE) {
    desc.caps2 = PLAT_SCAPS2_TEXTUREMANAGE | PLAT_SCAPS2_HINTSTATIC;
  } else {
    desc.caps |= PLAT_SCAPS_SYSTEMMEMORY;
  }
  if (mipLevels > 0) {
    desc.caps |= static_cast<uint32_t>(PLAT_SCAPS_MIPMAP) | static_cast<uint32_t>(PLAT_SCAPS_COMPLEX);
    desc.mipMapCount = mipLevels;
  }
  desc.width = width;
  desc.height = height;
  desc.hasFormat = true;
  desc.format = gTex.formats[format].pixelFormat;
  PlatSurface* surface = nullptr;
  TEX_FATAL_CHECK(PlatCreateSurface(DDrawGetDirectDraw(), desc, &surface), "D3DTexCreateTextureEx",
                  "sysmem DD7_CreateSurface");
  t.surface = surface;

  uint32_t bytesPerPixel = colFmt->bitsPerPixel / 8;
  if (gTex.formats[format].flags & 1) bytesPerPixel = 1;
  const uint8_t* source = static_cast<const uint8_t*>(pixels);
  CopyLevel(surface, width, height, source, bytesPerPixel);

  PlatSurface* level = surface;
  uint32_t w = width, h = height;
  for (uint32_t i = 1; i < mipLevels; ++i) {
    PlatSurface* next = nullptr;
    TEX_FATAL_CHECK(PlatSurfaceGetNextMipLevel(level, &next), "D3DTexCreateTextureEx", "DDS3_GetAttachedSurface");
    if (level != surface) PlatSurfaceRelease(level);
    level = next;
    source += static_cast<size_t>(w) * h * bytesPerPixel;
    w /= 2;
    h /= 2;
    uint32_t sw = 0, sh = 0;
    PlatSurfaceSize(level, &sw, &sh);
    if (sw != w || sh != h) {
      PlatSurfaceRelease(level);
      ABORT("D3DTexCreateTextureEx(): size mismatch for surface");
    }
    CopyLevel(level, w, h, source, bytesPerPixel);
  }
  if (level != surface) PlatSurfaceRelease(level);
  t.mipLevels = mipLevels ? mipLevels : 1;
  return handle;
}

int D3DTexCreateTexture(uint32_t width, uint32_t height, const void* pixels, int format) {
  return D3DTexCreateTextureEx(width, height, 0, pixels, format);
}

int D3DTexAdvancedCreateTexture(uint32_t width, uint32_t height, void** owner, uint32_t offset, uint32_t flags) {
  flags |= gTex.globalFlags;
  DPRINT(DEBUG_DIRECT3D, 80, "D3DTexAdvancedCreateTexture(): Creating a %dx%d texture - flags 0x%X\n",
         static_cast<int>(width), static_cast<int>(height), flags);
  if (!(flags & D3DTEX_SOURCE_RGBA32)) ABORT("D3DTexAdvancedCreateTexture(): unknown format");
  if (!IsPowerOfTwo(width) || !IsPowerOfTwo(height))
    ABORT("D3DTexAdvancedCreateTexture(): texture size must be a power of two");
  // The block must hold the whole image behind the offset.
  if (static_cast<uint64_t>(MemorySize(owner)) < offset + static_cast<uint64_t>(width) * height * kPixel)
    ABORT("D3DTexAdvancedCreateTexture(): source image is shorter than its size");
  const DeviceLimits limits = SelectedLimits();
  if (limits.flags & D3DDEVINFO_SQUARETEX) flags |= D3DTEX_SQUARE;

  WorkImage image{owner, offset, width, height};
  if (flags & D3DTEX_SQUARE) {
    DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Texture needs to be square\n");
    while (image.w < image.h) image.DoubleWidth();
    while (image.h < image.w) image.DoubleHeight();
  }
  if ((flags & D3DTEX_HALF_SIZE) && image.w >= 2 && image.h >= 2) image.Halve();
  if (uint32_t r = limits.maxAspect) {
    if (image.h < image.w) {
      while (image.w / image.h > r) image.DoubleHeight();
    } else if (image.w < image.h) {
      while (image.h / image.w > r) image.DoubleWidth();
    }
  }
  if (limits.maxWidth && limits.maxHeight)
    while (image.w > limits.maxWidth || image.h > limits.maxHeight) image.Halve();
  if (limits.minWidth && limits.minHeight)
    while (image.w < limits.minWidth || image.h < limits.minHeight) {
      image.DoubleWidth();
      image.DoubleHeight();
    }

  uint32_t levels = 0;
  uint32_t totalPixels = image.w * image.h;
  if ((limits.flags & D3DDEVINFO_MIPMAPTEX) && (flags & D3DTEX_MIPMAPS) && !(flags & D3DTEX_NO_MIPMAPS) &&
      image.w > 1 && image.h > 1) {
    DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): generating mip-maps...\n");
    ResizeMemory(owner, offset + image.w * image.h * kPixel * 2);
    levels = FloorLog2(image.w < image.h ? image.w : image.h);
    uint32_t at = 0, w = image.w, h = image.h;
    for (uint32_t i = 1; i < levels; ++i) {
      uint8_t* level = image.Pixels() + at * kPixel;
      ColConvHalveImageSize(level, level + w * h * kPixel, w, h, SourceFormat());
      at += w * h;
      w /= 2;
      h /= 2;
      totalPixels += w * h;
    }
    DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Total pixels now: %d for %d mip-maps\n",
           static_cast<int>(totalPixels), static_cast<int>(levels));
  } else {
    DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): No mip-maps required\n");
  }

  uint32_t kind = (flags >> D3DTEX_ALPHA_SHIFT) & 0xF;
  if (kind == 0) {
    DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Calculating alpha optons...\n");
    uint32_t transparent = 0, partial = 0;
    const uint8_t* p = image.Pixels();
    for (uint32_t i = 0; i < totalPixels; ++i) {
      uint32_t alpha = ColConvertRead(p + i * kPixel, SourceFormat()) & 0xFF000000u;
      if (alpha == 0) {
        ++transparent;
      } else if (alpha != 0xFF000000u) {
        ++partial;
      }
    }
    kind = transparent && partial ? 3 : transparent ? 2 : 1;
  }
  switch (kind) {
    case 1: DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Texture format is solid\n"); break;
    case 2: DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Texture format is transparent\n"); break;
    case 3: DPRINT(DEBUG_DIRECT3D, 100, "D3DTexAdvancedCreateTexture(): Texture format is semi-transparent\n"); break;
    default: ABORT("D3DTexAdvancedCreateTexture(): unknown alpha format");
  }

  uint16_t wanted = static_cast<uint16_t>(kind);
  if (flags & D3DTEX_WANT_16BIT) wanted |= D3DTEX_FORMAT_16BIT;
  if (flags & D3DTEX_WANT_32BIT) wanted |= D3DTEX_FORMAT_32BIT;
  int index = D3DTexFindTextureFormat(wanted);
  ColConvMemory(owner, totalPixels, offset, SourceFormat(), *D3DTexGetTextureFormat(index));

  int handle = D3DTexCreateTextureEx(image.w, image.h, levels, image.Pixels(), index);
  FreeMemory(owner);
  return handle;
}

uint32_t D3DTexSetGlobalFlags(uint32_t flags) {
  uint32_t previous = gTex.globalFlags;
  gTex.globalFlags = flags;
  return previous;
}

void D3DTexSetCurrentHandle(int handle) {
  if (handle == gTex.currentHandle) return;
  PlatSurface* surface = nullptr;
  if (handle != -1)
    surface = CheckedTexture(handle, "D3DTexSetCurrentHandle(): texture handle out of range",
                             "D3DTexSetCurrentHandle(): texture doesn't exist")
                  .surface;
  gTex.currentHandle = handle;
  TEX_FATAL_CHECK(Plat3DSetTexture(D3DGetD3DDevice7(), 0, surface), "D3DTexSetCurrentHandle", "D3DD7_SetTexture");
}

int D3DTexGetCurrentHandle() { return gTex.currentHandle; }

PlatSurface* D3DTexAccessDDrawSurface(int handle) {
  return CheckedTexture(handle, "D3DTexAccessDDrawSurface(): texture handle out of range",
                        "D3DTexAccessDDrawSurface(): texture doesn't exist")
      .surface;
}

int D3DTexReadTextureFormat(int handle) {
  return static_cast<int>(CheckedTexture(handle, "D3DTexReadTextureFormat(): texture handle out of range",
                                         "D3DTexReadTextureFormat(): texture doesn't exist")
                              .format);
}

void D3DTexDestroyTexture(int handle) {
  D3DTexture& t = CheckedTexture(handle, "D3DTexDestroyTexture(): texture handle out of range",
                                 "D3DTexDestroyTexture(): texture doesn't exist");
  // A texture that is still current stops being so: a later texture in this
  // slot must be set on the device afresh.
  if (handle == gTex.currentHandle) {
    gTex.currentHandle = -1;
    if (PlatDevice3D* device = D3DInfo.lpD3DDevice7)
      TEX_FATAL_CHECK(Plat3DSetTexture(device, 0, nullptr), "D3DTexDestroyTexture", "D3DD7_SetTexture");
  }
  DPRINT(DEBUG_DIRECTDRAW, 80, "DX_SAFE_RELEASE(): releasing texture->lpSurface\n");
  PlatSurfaceRelease(t.surface);
  t = D3DTexture{};
}

int D3DTexFormatCount() { return gTex.formatCount; }

const D3DTexFormat* D3DTexFormatEntry(int index) {
  if (index < 0 || index >= gTex.formatCount) return nullptr;
  return &gTex.formats[index];
}
