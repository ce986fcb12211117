// The DirectDraw layer.
#include "engine/dxdraw.h"

#include <cstring>

#include "engine/debug.h"
#include "engine/dxd3d.h"
#include "engine/dxenum.h"
#include "engine/dxerror.h"
#include "engine/onexit.h"
#include "engine/reset.h"

#define ABORT_FILE "dxdraw"

DDrawInfoRecord DDrawInfo;

namespace {

constexpr uint32_t kCoopFullScreen = PLAT_COOP_FULLSCREEN | PLAT_COOP_EXCLUSIVE | PLAT_COOP_ALLOWMODEX;  // 0x51
constexpr uint32_t kWmEraseBackground = 0x0014;

struct EmulatedMode {
  uint16_t width, height;
  uint8_t type;
  uint16_t bytesPerPixel;
};

// Modes a windowed program offers although the display does not list them.
const EmulatedMode kEmulatedModes[] = {
    {320, 200, 0, 1}, {320, 240, 0, 1}, {400, 300, 0, 1}, {512, 384, 0, 1},
    {320, 200, 1, 2}, {320, 240, 1, 2}, {400, 300, 1, 2}, {640, 480, 1, 2}, {800, 600, 1, 2},
    {320, 200, 2, 3}, {320, 240, 2, 3}, {400, 300, 2, 3}, {640, 480, 2, 3}, {800, 600, 2, 3},
    {320, 200, 3, 4}, {320, 240, 3, 4}, {400, 300, 3, 4}, {640, 480, 3, 4}, {800, 600, 3, 4},
};
static_assert(sizeof kEmulatedModes / sizeof kEmulatedModes[0] == 19);

enum : uint16_t {
  CREATE_FLIP = 1,
  CREATE_3D = 2,
  CREATE_SYSTEM_MEMORY = 4,
  CREATE_ZBUFFER = 8,
  CREATE_STENCIL = 16,
};

void AddEmulatedModes() {
  for (const EmulatedMode& e : kEmulatedModes) {
    bool listed = false;
    for (int i = 0; i < GfxModeCount; ++i) {
      const GfxMode& m = GfxModeList[i];
      if (m.width == e.width && m.height == e.height && m.type == e.type) listed = true;
    }
    if (listed || GfxModeCount >= MAX_GFX_MODES) continue;
    std::printf("DDrawInit(): adding emulated mode %d x %d - %s\n", e.width, e.height, GfxModeTypeNames[e.type]);
    GfxModeList[GfxModeCount++] = {e.width, e.height, e.bytesPerPixel, e.type, 0, 0};
  }
}

struct ZSearch {
  uint32_t wantedDepth, wantedStencil;
  int best;
  PlatPixelFormat chosen;
};

bool ZBufferChoice(const PlatPixelFormat& format, void* user) {
  ZSearch& z = *static_cast<ZSearch*>(user);
  int score = DDrawScoreZBufferFormat(format, z.wantedDepth, z.wantedStencil);
  if (score < 0) return true;
  if (DebugLevel(DEBUG_DIRECTDRAW) >= 40) {
    std::printf("Zbuffer %d bits (0x%x) ", format.bitCount, format.rMask);
    if (format.flags & PLAT_PF_STENCILBUFFER) std::printf("Stencil %d bits (0x%x) ", format.stencilBits, format.gMask);
    std::printf("quality %d\n", score);
  }
  if (score > z.best) {
    z.best = score;
    z.chosen = format;
  }
  return true;
}

void CreateSurfaces(uint32_t width, uint32_t height, uint16_t create, uint8_t type) {
  DDrawInfoRecord& d = DDrawInfo;
  bool windowed = WinIsWindowed();
  uint32_t memory = (create & CREATE_SYSTEM_MEMORY) ? PLAT_SCAPS_SYSTEMMEMORY : PLAT_SCAPS_VIDEOMEMORY;

  DPRINT(DEBUG_DIRECTDRAW, 80, "CreateSurfaces(): creating primary surface...\n");
  PlatSurfaceDesc primary{};
  primary.caps = PLAT_SCAPS_PRIMARYSURFACE | PLAT_SCAPS_VIDEOMEMORY;
  if (!windowed) {
    if (create & CREATE_FLIP) {
      primary.caps |= PLAT_SCAPS_COMPLEX | PLAT_SCAPS_FLIP;
      primary.backBufferCount = 1;
    }
    if (create & CREATE_3D) primary.caps |= PLAT_SCAPS_3DDEVICE;
  }
  DX_FATAL_CHECK(PlatCreateSurface(d.lpDD, primary, &d.primarySurface), "primary DD7_CreateSurface");

  if (!windowed) {
    DPRINT(DEBUG_DIRECTDRAW, 80, "CreateSurfaces(): fullscreen - VisibleScreen = PrimarySurface\n");
    d.visibleSurface = d.primarySurface;
    PlatSurfaceAddRef(d.visibleSurface);
  } else {
    DPRINT(DEBUG_DIRECTDRAW, 80, "CreateSurfaces(): creating clipper for primary surface\n");
    DX_FATAL_CHECK(PlatCreateClipper(d.lpDD, &d.clipper), "DD7_CreateClipper");
    DX_FATAL_CHECK(PlatClipperSetWindow(d.clipper), "DDC_SetHWnd");
    DX_FATAL_CHECK(PlatSurfaceSetClipper(d.primarySurface, d.clipper), "DDS7_SetClipper");

    DPRINT(DEBUG_DIRECTDRAW, 80, "CreateSurfaces(): creating visible surface (virtual screen)\n");
    PlatPixelFormat pf{};
    DX_FATAL_CHECK(PlatSurfacePixelFormat(d.primarySurface, &pf), "DDS7_GetPixelFormat");
    PlatSurfaceDesc visible{};
    visible.caps = PLAT_SCAPS_OFFSCREENPLAIN | memory;
    visible.width = width;
    visible.height = height;
    visible.hasFormat = true;
    bool primaryRgb = (pf.flags & PLAT_PF_RGB) && !(pf.flags & PLAT_PF_PALETTEINDEXED8);
    auto sameOr = [&](uint32_t bits, const PlatPixelFormat& fallback) {
      if (primaryRgb && pf.bitCount == bits) {
        visible.format = pf;
        d.surfaceFlags |= 1;
      } else {
        visible.format = fallback;
      }
    };
    switch (type) {
      case 0: visible.format = {PLAT_PF_PALETTEINDEXED8 | PLAT_PF_RGB, 8, 0, 0, 0, 0, 0}; break;
      case 1: sameOr(16, {PLAT_PF_RGB, 16, 0x7C00, 0x03E0, 0x001F, 0, 0}); break;
      case 2: sameOr(24, {PLAT_PF_RGB, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0, 0}); break;
      case 3: sameOr(32, {PLAT_PF_RGB, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0, 0}); break;
      default: ABORT("CreateSurfaces(): unknown surface format");
    }
    if (create & CREATE_FLIP) {
      visible.caps |= PLAT_SCAPS_COMPLEX | PLAT_SCAPS_FLIP;
      visible.backBufferCount = 1;
    }
    if (create & CREATE_3D) visible.caps |= PLAT_SCAPS_3DDEVICE;
    DX_FATAL_CHECK(PlatCreateSurface(d.lpDD, visible, &d.visibleSurface), "visible DD7_CreateSurface");
  }

  if (create & CREATE_FLIP) {
    DPRINT(DEBUG_DIRECTDRAW, 80, "CreateSurfaces(): getting attached surface for DrawingSurface\n");
    DX_FATAL_CHECK(PlatSurfaceGetBackBuffer(d.visibleSurface, &d.drawingSurface), "DDS7_GetAttachedSurface");
  } else {
    DPRINT(DEBUG_DIRECTDRAW, 80, "CreateSurfaces(): not flippable - DrawingSurface = VisibleSurface\n");
    d.drawingSurface = d.visibleSurface;
    PlatSurfaceAddRef(d.drawingSurface);
  }

  if (create & CREATE_ZBUFFER) {
    PlatPixelFormat pf{};
    DX_FATAL_CHECK(PlatSurfacePixelFormat(d.drawingSurface, &pf), "DDS7_GetPixelFormat");
    ZSearch z{pf.bitCount, (create & CREATE_STENCIL) ? 1u : 0u, -1, {}};
    DXDevice* device = DXGetCurrentDevice();
    DX_FATAL_CHECK(PlatDisplayEnumZFormats(D3DGetD3D7(), device ? device->guid : nullptr, ZBufferChoice, &z),
                   "D3D7_EnumZBufferFormats");
    if (z.best < 0) ABORT("CreateSurfaces(): no zbuffer available in the correct format");
    PlatSurfaceDesc zd{};
    zd.caps = PLAT_SCAPS_ZBUFFER | memory;
    zd.width = width;
    zd.height = height;
    zd.hasFormat = true;
    zd.format = z.chosen;
    DX_FATAL_CHECK(PlatCreateSurface(d.lpDD, zd, &d.zBufferSurface), "zbuffer DD7_CreateSurface");
    DX_FATAL_CHECK(PlatSurfaceAddAttached(d.drawingSurface, d.zBufferSurface), "DDS7_AddAttachedSurface");
  }

  DX_FATAL_CHECK(PlatSurfaceFill(d.drawingSurface, nullptr, 0), "drawing clear DDS7_Blt");
  if (create & CREATE_FLIP) DX_FATAL_CHECK(PlatSurfaceFill(d.visibleSurface, nullptr, 0), "visible clear DDS7_Blt");
}

void ReleaseSurfaces() {
  DDrawInfoRecord& d = DDrawInfo;
  if (d.zBufferSurface) PlatSurfaceRelease(d.zBufferSurface);
  d.zBufferSurface = nullptr;
  PlatSurfaceRelease(d.drawingSurface);
  d.drawingSurface = nullptr;
  PlatSurfaceRelease(d.visibleSurface);
  d.visibleSurface = nullptr;
  if (d.clipper) PlatClipperRelease(d.clipper);
  d.clipper = nullptr;
  PlatSurfaceRelease(d.primarySurface);
  d.primarySurface = nullptr;
}

}  // namespace

int DDrawScoreZBufferFormat(const PlatPixelFormat& f, uint32_t wantedDepth, uint32_t wantedStencil) {
  if (!(f.flags & PLAT_PF_ZBUFFER)) return -1;
  int score = f.bitCount == wantedDepth ? 10 : f.bitCount > wantedDepth ? 2 : 0;
  uint32_t stencil = (f.flags & PLAT_PF_STENCILBUFFER) ? f.stencilBits : 0;
  if (stencil < wantedStencil) return -1;
  score += stencil == wantedStencil ? 6 : 1;
  return score;
}

bool DDrawEnumModesCallback(const PlatDisplayMode& mode, void*) {
  const PlatPixelFormat& f = mode.format;
  DPRINT(DEBUG_DIRECTDRAW, 100, "DDrawEnumModesCallback(): trying mode %dx%dx%d\n", mode.width, mode.height,
         f.bitCount);
  if (GfxModeCount < MAX_GFX_MODES) GfxModeList[GfxModeCount] = {};
  if (!(f.flags & PLAT_PF_RGB) || (mode.caps & PLAT_MODE_MODEX)) return true;
  if (GfxModeCount >= MAX_GFX_MODES) return true;
  GfxMode& m = GfxModeList[GfxModeCount];
  if (f.flags & PLAT_PF_PALETTEINDEXED8) {
    if (f.bitCount != 8) return true;
    DPRINT(DEBUG_DIRECTDRAW, 80, "DDrawEnumModesCallback(): storing %d x %d 8 bit mode\n", mode.width, mode.height);
    m = {static_cast<uint16_t>(mode.width), static_cast<uint16_t>(mode.height), 1, 0, 0,
         static_cast<uint16_t>((mode.caps & PLAT_MODE_STANDARDVGA) ? 1 : 0)};
  } else {
    if (f.flags & (PLAT_PF_PALETTEINDEXED1 | PLAT_PF_PALETTEINDEXED2 | PLAT_PF_PALETTEINDEXED4)) return true;
    if (f.bitCount != 16 && f.bitCount != 24 && f.bitCount != 32) return true;
    DPRINT(DEBUG_DIRECTDRAW, 80, "DDrawEnumModesCallback(): storing %d x %d %d bit mode\n", mode.width, mode.height,
           f.bitCount);
    m = {static_cast<uint16_t>(mode.width), static_cast<uint16_t>(mode.height),
         static_cast<uint16_t>(f.bitCount / 8), static_cast<uint8_t>(f.bitCount / 8 - 1), 0, 0};
  }
  ++GfxModeCount;
  return true;
}

void DDrawInit(uint16_t flags) {
  DDrawInfoRecord& d = DDrawInfo;
  if (d.lpDD) ABORT("DDrawInit(): already initialised");
  DPRINT(DEBUG_DIRECTDRAW, 10, "DDrawInit(): Initialising...\n");
  std::memset(&d, 0, sizeof d);

  DX_FATAL_CHECK(PlatCreateDisplay(&d.lpDD), "CoCreateInstance");
  if (!d.lpDD) FatalError("Error: DDrawInit(): failed to create IDirectDraw7\n");
  DX_FATAL_CHECK(PlatDisplayInitialize(d.lpDD, DXGetSelectedCardGUID()), "DD7_Initialize");

  // Direct3D needs a device chosen from the device list.
  if (flags & 1) {
    if (!DXGetSelectedDevice()) ABORT("DDrawInit(): no 3d device selected");
    d.initFlags |= 1;
    D3DInit(d.lpDD);
  }

  bool windowed = WinIsWindowed();
  if (!windowed) DX_FATAL_CHECK(PlatDisplaySetCooperativeLevel(d.lpDD, kCoopFullScreen), "DD7_SetCooperativeLevel");

  GfxModeCount = 0;
  DX_FATAL_CHECK(PlatDisplayEnumModes(d.lpDD, PLAT_ENUMMODES_STANDARDVGA, DDrawEnumModesCallback, nullptr),
                 "DD7_EnumDisplayModes");

  if (windowed)
    AddEmulatedModes();
  else
    DX_FATAL_CHECK(PlatDisplaySetCooperativeLevel(d.lpDD, PLAT_COOP_NORMAL), "DD7_SetCooperativeLevel");

  if (flags & 1) {
    const DXDevice* device = DXGetSelectedDevice();
    for (int i = 0; i < GfxModeCount; ++i)
      if (device->flags & (D3DDEVINFO_RENDER8 << GfxModeList[i].type)) GfxModeList[i].flags |= 1;
  }
  OnExitAddEx(DDrawUninit, "DDrawUninit()");
}

void DDrawUninit() {
  OnExitRemove(DDrawUninit);
  DDrawInfoRecord& d = DDrawInfo;
  if (d.initFlags & 1) D3DUninit();
  if (d.lpDD) PlatDisplayRelease(d.lpDD);
  d.lpDD = nullptr;
  d.initFlags = 0;
}

void DDrawSetMode(const GfxMode& mode, uint16_t flags) {
  DDrawInfoRecord& d = DDrawInfo;
  DPRINT(DEBUG_DIRECTDRAW, 40, "DDrawSetMode(): Setting mode %dx%d %d bit - type %d\n", mode.width, mode.height,
         mode.bytesPerPixel * 8, mode.type);
  d.surfaceFlags = 0;
  if (WinIsWindowed()) {
    DPRINT(DEBUG_DIRECTDRAW, 80, "DDrawSetMode(): windowed mode\n");
    DX_FATAL_CHECK(PlatDisplaySetCooperativeLevel(d.lpDD, PLAT_COOP_NORMAL), "DD7_SetCooperativeLevel");
    WinSetClientSize(mode.width, mode.height);
  } else {
    DPRINT(DEBUG_DIRECTDRAW, 80, "DDrawSetMode(): fullscreen mode\n");
    DX_FATAL_CHECK(PlatDisplaySetCooperativeLevel(d.lpDD, kCoopFullScreen), "DD7_SetCooperativeLevel");
    if (mode.standardVga && !(mode.width == 320 && mode.height == 200 && mode.type == 0))
      ABORT("DDrawSetMode(): UseStdVGAFlag set, but mode is not 320x200,8bit");
    DX_FATAL_CHECK(PlatDisplaySetMode(d.lpDD, mode.width, mode.height, mode.bytesPerPixel * 8u, 0,
                                      mode.standardVga ? uint32_t{PLAT_ENUMMODES_STANDARDVGA} : 0u),
                   "DD7_SetDisplayMode");
  }

  uint16_t create = 0;
  if (flags & GFX_MODE_FLIP) create |= CREATE_FLIP;
  if (flags & GFX_MODE_D3D) {
    const DXDevice* device = DXGetSelectedDevice();
    if (!device) ABORT("DDrawSetMode(): no 3d device selected");
    create |= CREATE_3D;
    if (!(device->flags & D3DDEVINFO_HARDWARE)) create |= CREATE_SYSTEM_MEMORY;
  }
  if (flags & GFX_MODE_ZBUFFER) create |= CREATE_ZBUFFER;
  if (flags & GFX_MODE_STENCIL) create |= CREATE_STENCIL;
  CreateSurfaces(mode.width, mode.height, create, mode.type);

  if (mode.type == 0) CreateSurfacePalette();

  d.width = mode.width;
  d.height = mode.height;
  d.modeType = mode.type;
  d.screenBuffer = {};
  d.screenBuffer.w = static_cast<int16_t>(mode.width);
  d.screenBuffer.h = static_cast<int16_t>(mode.height);
  d.screenBuffer.width = mode.width;
  d.screenBuffer.height = mode.height;
  d.lockCount = 0;

  WinAddTaskswitchFunc(DDrawTaskswitchFunc);
  if (flags & GFX_MODE_D3D) {
    D3DInitDevice(d.drawingSurface);
    d.surfaceFlags |= 2;
  }
  d.windowProcSlot = WinAddWindowProc(DDrawWindowProc);
  OnExitAddEx(DDrawRestoreMode, "DDrawRestoreMode()");
}

void DDrawRestoreMode() {
  DDrawInfoRecord& d = DDrawInfo;
  DPRINT(DEBUG_DIRECTDRAW, 40, "DDrawRestoreMode(): restoring mode\n");
  OnExitRemove(DDrawRestoreMode);
  WinRemoveTaskswitchFunc(DDrawTaskswitchFunc);
  WinRemoveWindowProc(d.windowProcSlot);
  if (d.lpDDPalette) DestroySurfacePalette();
  if (d.surfaceFlags & 2) D3DUninitDevice();
  ReleaseSurfaces();
  if (WinIsWindowed()) {
    DPRINT(DEBUG_DIRECTDRAW, 40, "DDrawRestoreMode(): windowed\n");
    DX_FATAL_CHECK(PlatDisplaySetCooperativeLevel(d.lpDD, PLAT_COOP_NORMAL), "DD7_SetCooperativeLevel");
    PlatInvalidateRect(nullptr);
  } else {
    DPRINT(DEBUG_DIRECTDRAW, 40, "DDrawRestoreMode(): full screen\n");
    DX_FATAL_CHECK(PlatDisplayRestoreMode(d.lpDD), "DD7_RestoreDisplayMode");
    DX_FATAL_CHECK(PlatDisplaySetCooperativeLevel(d.lpDD, PLAT_COOP_NORMAL), "DD7_SetCooperativeLevel");
  }
}

void DDrawBeginDraw(GfxBuffer** out) {
  DDrawInfoRecord& d = DDrawInfo;
  if (d.lockCount == 0) {
    void* pixels = nullptr;
    int32_t pitch = 0;
    DX_FATAL_CHECK(PlatSurfaceLock(d.drawingSurface, &pixels, &pitch), "DDS7_Lock");
    d.screenBuffer.pixels = static_cast<uint8_t*>(pixels);
    d.screenBuffer.stride = pitch;
  }
  ++d.lockCount;
  *out = &d.screenBuffer;
}

void DDrawEndDraw(GfxBuffer** buffer, int x, int y, int width, int height) {
  DDrawInfoRecord& d = DDrawInfo;
  *buffer = nullptr;
  if (--d.lockCount >= 1) return;
  DX_FATAL_CHECK(PlatSurfaceUnlock(d.drawingSurface), "DDS7_Unlock");
  if (WinIsWindowed() && width > 0 && height > 0) {
    PlatRect r{x, y, x + width, y + height};
    PlatInvalidateRect(&r);
  }
}

void DDrawEndDrawFull(GfxBuffer** buffer) {
  DDrawEndDraw(buffer, 0, 0, static_cast<int>(DDrawInfo.width), static_cast<int>(DDrawInfo.height));
}

void DDrawFlipBuffers() {
  DX_FATAL_CHECK(PlatSurfaceFlip(DDrawInfo.visibleSurface), "DDS7_Flip");
  if (WinIsWindowed()) PlatInvalidateRect(nullptr);
}

void ShowScreen(const PlatRect& rect) {
  DDrawInfoRecord& d = DDrawInfo;
  int ox, oy;
  WinClientOrigin(&ox, &oy);
  if (d.surfaceFlags & 1) {
    PlatRect to{rect.left + ox, rect.top + oy, rect.right + ox, rect.bottom + oy};
    DX_FATAL_CHECK(PlatSurfaceBlt(d.primarySurface, &to, d.visibleSurface, &rect), "DDS7_Blt");
  } else if (PlatDesktopBlt(d.primarySurface, rect.left + ox, rect.top + oy, d.visibleSurface, rect) < 0) {
    ABORT("ShowScreen(): BitBlt() failed");
  }
}

intptr_t DDrawWindowProc(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message == WM_PAINT && WinIsWindowed()) {
    PlatRect r;
    if (PlatBeginPaint(&r) && r.right > r.left && r.bottom > r.top) {
      // The marked rectangle may reach past a screen that has since shrunk.
      if (r.right > static_cast<int32_t>(DDrawInfo.width)) r.right = static_cast<int32_t>(DDrawInfo.width);
      if (r.bottom > static_cast<int32_t>(DDrawInfo.height)) r.bottom = static_cast<int32_t>(DDrawInfo.height);
      if (r.left < 0) r.left = 0;
      if (r.top < 0) r.top = 0;
      if (r.right > r.left && r.bottom > r.top) ShowScreen(r);
    }
    return 0;
  }
  if (message == kWmEraseBackground) return 0;
  return WinPassMessage(window, message, wParam, lParam);
}

void CreateSurfacePalette() {
  DDrawInfoRecord& d = DDrawInfo;
  DPRINT(DEBUG_DIRECTDRAW, 80, "CreateSurfacePalette(): creating...\n");
  PlatPaletteEntry entries[256];
  for (int i = 0; i < 256; ++i) entries[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i), 0};
  DX_FATAL_CHECK(PlatCreatePalette(d.lpDD, entries, &d.lpDDPalette), "DD7_CreatePalette");
  DX_FATAL_CHECK(PlatSurfaceSetPalette(d.visibleSurface, d.lpDDPalette), "DDS7_SetPalette");
  DX_FATAL_CHECK(PlatSurfaceSetPalette(d.drawingSurface, d.lpDDPalette), "DDS7_SetPalette");
}

void DestroySurfacePalette() {
  DPRINT(DEBUG_DIRECTDRAW, 80, "DestroySurfacePalette(): destroying...\n");
  DX_SAFE_RELEASE(DEBUG_DIRECTDRAW, DDrawInfo.lpDDPalette, PlatPaletteRelease);
}

void DDrawSetPalette(const uint8_t* rgb) {
  DDrawInfoRecord& d = DDrawInfo;
  if (!d.lpDDPalette) ABORT("DDrawSetPalette(): error - no palette to set!");
  PlatPaletteEntry entries[256];
  for (int i = 0; i < 256; ++i)
    entries[i] = {static_cast<uint8_t>(rgb[3 * i] << 2), static_cast<uint8_t>(rgb[3 * i + 1] << 2),
                  static_cast<uint8_t>(rgb[3 * i + 2] << 2), 0};
  DX_FATAL_CHECK(PlatPaletteSetEntries(d.lpDDPalette, 0, 256, entries), "DDP_SetEntries");
  DX_FATAL_CHECK(PlatSurfaceSetPalette(d.visibleSurface, d.lpDDPalette), "DDS7_SetPalette");
}

void DDrawGetScreenColourFormat(ColFmt* out) {
  PlatPixelFormat pf{};
  DX_FATAL_CHECK(PlatSurfacePixelFormat(DDrawInfo.visibleSurface, &pf), "DDS3_GetPixelFormat");
  DDrawPixelFormat2ColFmt(pf, out);
}

PlatSurface* DDrawGetDirectDrawSurface(int kind) {
  switch (kind) {
    case DDRAW_SURFACE_PRIMARY: return DDrawInfo.primarySurface;
    case DDRAW_SURFACE_VISIBLE: return DDrawInfo.visibleSurface;
    case DDRAW_SURFACE_DRAWING: return DDrawInfo.drawingSurface;
    case DDRAW_SURFACE_ZBUFFER: return DDrawInfo.zBufferSurface;
    default: ABORT("DDrawGetDirectDrawSurface(): unknown surface type");
  }
}

PlatDisplay* DDrawGetDirectDraw() { return DDrawInfo.lpDD; }
int DDrawIsWindowed() { return WinIsWindowed(); }

void DDrawSetCooperativeLevelStandard() {
  if (!DDrawInfo.lpDD) return;
  uint32_t level = WinIsWindowed() ? PLAT_COOP_NORMAL : kCoopFullScreen | PLAT_COOP_SETDEVICEWINDOW;
  DX_FATAL_CHECK(PlatDisplaySetCooperativeLevel(DDrawInfo.lpDD, level), "DD7_SetCooperativeLevel");
}

void DDrawSetCooperativeLevelNormal() {
  DX_FATAL_CHECK(PlatDisplaySetCooperativeLevel(DDrawInfo.lpDD, PLAT_COOP_NORMAL), "DD7_SetCooperativeLevel");
}

void DDrawDestroySurfaces() { ReleaseSurfaces(); }

void RestoreLostSurfaces() {
  DDrawInfoRecord& d = DDrawInfo;
  DPRINT(DEBUG_DIRECTDRAW, 80, "RestoreLostSurfaces(): checking for lost surfaces\n");
  PlatSurface* surfaces[] = {d.primarySurface, d.visibleSurface, d.drawingSurface, d.zBufferSurface};
  for (PlatSurface* s : surfaces) {
    if (!s) continue;
    HRESULT r = PlatSurfaceIsLost(s);
    if (r == PLATERR_SURFACELOST)
      DX_FATAL_CHECK(PlatSurfaceRestore(s), "DDS7_Restore");
    else
      DX_FATAL_CHECK(r, "DDS7_IsLost");
  }
}

void DDrawTaskswitchFunc(uint8_t state) {
  if (state != 1) return;
  DPRINT(DEBUG_DIRECTDRAW, 80, "DDrawTaskswitchFunc(): restoring lost surfaces\n");
  RestoreLostSurfaces();
  if (D3DInfo.lpD3DDevice7) {
    D3DBeginScene();
    D3DEndScene();
  }
}

void DDrawReset() { std::memset(&DDrawInfo, 0, sizeof DDrawInfo); }
REGISTER_RESET(RESET_ENGINE, DDrawReset);
