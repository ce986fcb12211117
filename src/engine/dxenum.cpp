// Display enumeration and the device list.
#include "engine/dxenum.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "engine/debug.h"
#include "engine/dxerror.h"
#include "engine/reset.h"
#include "platform/platform.h"

#define ABORT_FILE "dxenum"

DXDeviceList DXDevices;

namespace {

// Direct3D 7 capability bits as a device description carries them.
constexpr uint32_t kDevCapsHwRasterization = 0x80000;
constexpr uint32_t kDevCapsHwTransformAndLight = 0x10000;
constexpr uint32_t kRasterSubPixel = 0x20, kRasterSubPixelX = 0x40, kRasterFogTable = 0x100;
constexpr uint32_t kRasterZBufferlessHsr = 0x8000;
constexpr uint32_t kTextureSquareOnly = 0x20;
constexpr uint32_t kFilterLinear = 0x2;
constexpr uint32_t kFilterMipMaps = 0x4 | 0x8 | 0x10 | 0x20;
constexpr uint32_t kDepth8 = 0x800, kDepth16 = 0x400, kDepth24 = 0x200, kDepth32 = 0x100;

struct FlagName {
  uint32_t mask;
  const char* name;
};
const FlagName kFlagNames[] = {
    {D3DDEVINFO_HARDWARE, "HARDWARE"},   {D3DDEVINFO_HARDWARETL, "HARDWARETL"}, {D3DDEVINFO_SUBPIXEL, "SUBPIXEL"},
    {D3DDEVINFO_SUBPIXELX, "SUBPIXELX"}, {D3DDEVINFO_SORTNOZBUFF, "SORTNOZBUFF"}, {D3DDEVINFO_SQUARETEX, "SQUARETEX"},
    {D3DDEVINFO_MIPMAPTEX, "MIPMAPTEX"}, {D3DDEVINFO_SMOOTHTEX, "SMOOTHTEX"},   {D3DDEVINFO_RENDER8, "RENDER8"},
    {D3DDEVINFO_RENDER16, "RENDER16"},   {D3DDEVINFO_RENDER24, "RENDER24"},     {D3DDEVINFO_RENDER32, "RENDER32"},
    {D3DDEVINFO_ZBUFFER8, "ZBUFFER8"},   {D3DDEVINFO_ZBUFFER16, "ZBUFFER16"},   {D3DDEVINFO_ZBUFFER24, "ZBUFFER24"},
    {D3DDEVINFO_ZBUFFER32, "ZBUFFER32"}, {D3DDEVINFO_STENCIL8, "STENCIL8"},     {D3DDEVINFO_STENCIL16, "STENCIL16"},
    {D3DDEVINFO_STENCIL24, "STENCIL24"}, {D3DDEVINFO_STENCIL32, "STENCIL32"},
};
static_assert(std::size(kFlagNames) == 20);

// Copies at most size - 1 characters and ends the text.
void CopyText(char* to, size_t size, const char* from) {
  size_t n = 0;
  for (; from && from[n] && n + 1 < size; ++n) to[n] = from[n];
  to[n] = 0;
}

uint32_t DepthFlags(uint32_t depths, uint32_t base) {
  uint32_t f = 0;
  if (depths & kDepth8) f |= base;
  if (depths & kDepth16) f |= base << 1;
  if (depths & kDepth24) f |= base << 2;
  if (depths & kDepth32) f |= base << 3;
  return f;
}

}  // namespace

void DXEnumDisplay() {
  std::memset(&DXDevices, 0, sizeof DXDevices);
  DXDevices.selectedCard = 0;
  DXDevices.selectedDevice = -1;

  static const struct {
    uint32_t flag;
    uintptr_t kind;
    const char* message;
  } kPasses[] = {
      {PLAT_ENUM_ATTACHED, 1, "DXEnumDisplay(): doing attached devices...\n"},
      {PLAT_ENUM_DETACHED, 2, "DXEnumDisplay(): doing detached devices...\n"},
      {PLAT_ENUM_NONDISPLAY, 3, "DXEnumDisplay(): doing non-display devices...\n"},
  };
  for (const auto& pass : kPasses) {
    DPRINT(DEBUG_DIRECTDRAW, 50, "%s", pass.message);
    DX_FATAL_CHECK(PlatEnumDisplayCards(DDrawEnumCallbackEx, reinterpret_cast<void*>(pass.kind), pass.flag),
                   "DDEnumerateEx");
  }
  for (int i = 0; i < DXDevices.cardCount; ++i)
    if (DDrawCheckDevice(i) != 0) ABORT("Device failed to initialize");
  DPRINT(DEBUG_DIRECTDRAW, 20, "==============================\n");
}

bool DDrawEnumCallbackEx(const uint8_t* guid, const char* description, const char* driverName, void* kind,
                         void* monitor) {
  if (DXDevices.cardCount >= MAX_DX_CARDS) return false;
  DPRINT(DEBUG_DIRECTDRAW, 20, "DDrawEnumCallbackEx(): found %s (%s)\n", description, driverName);
  uint32_t k = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(kind));
  if (!guid && (k == 2 || k == 3)) {
    DPRINT(DEBUG_DIRECTDRAW, 20, "Ignoring NULL device\n");
    return true;
  }
  DXCard& card = DXDevices.cards[DXDevices.cardCount];
  std::memset(&card, 0, sizeof card);
  if (guid) {
    std::memcpy(card.guid, guid, sizeof card.guid);
    card.guidPointer = card.guid;
  }
  card.kind = k;
  CopyText(card.driverName, sizeof card.driverName, driverName);
  CopyText(card.description, sizeof card.description, description);
  card.monitor = monitor;
  ++DXDevices.cardCount;
  return true;
}

int DDrawCheckDevice(int index) {
  DXCard& card = DXDevices.cards[index];
  DPRINT(DEBUG_DIRECTDRAW, 20, "==============================\nDDrawCheckDevice(): checking %s (%s): ",
         card.description, card.driverName);
  PlatDisplay* dd = nullptr;
  if (PlatCreateDisplay(&dd) < 0 || !dd) {
    DPRINT(DEBUG_DIRECTDRAW, 20, "DDrawCheckDevice(): CoCreateInstance() failed");
    return -1;
  }
  if (HRESULT r = PlatDisplayInitialize(dd, card.guidPointer); r < 0) {
    DPRINT(DEBUG_DIRECTDRAW, 20, "DDrawCheckDevice(): DD7_Initialise() failed: %s\n", DXErrorName(r));
    PlatDisplayRelease(dd);
    return -1;
  }
  PlatDeviceIdentifier id;
  if (HRESULT r = PlatDisplayIdentifier(dd, &id); r < 0) {
    DPRINT(DEBUG_DIRECTDRAW, 20, "DD7_GetDeviceIdentifier() failed: %s\n", DXErrorName(r));
    PlatDisplayRelease(dd);
    return -1;
  }
  CopyText(card.identifier, sizeof card.identifier, id.description);
  std::snprintf(card.driverVersion, sizeof card.driverVersion, "%d.%d.%d.%d", id.driverVersionHigh >> 16,
                id.driverVersionHigh & 0xFFFF, id.driverVersionLow >> 16, id.driverVersionLow & 0xFFFF);

  uint32_t caps = 0, caps2 = 0;
  if (HRESULT r = PlatDisplayCaps(dd, &caps, &caps2); r < 0) {
    DPRINT(DEBUG_DIRECTDRAW, 20, "DD7_GetCaps() failed: %s\n", DXErrorName(r));
    PlatDisplayRelease(dd);
    return -1;
  }
  if (caps & PLAT_CAPS_3D) {
    card.flags |= 1;
    DPRINT(DEBUG_DIRECTDRAW, 20, "3d accelerated, ");
  }
  if (caps2 & PLAT_CAPS2_CANRENDERWINDOWED) {
    card.flags |= 16;
    DPRINT(DEBUG_DIRECTDRAW, 20, "windowed rendering, ");
  }
  switch (card.kind) {
    case 1: card.flags |= 2; DPRINT(DEBUG_DIRECTDRAW, 20, "desktop enabled, "); break;
    case 2: card.flags |= 4; DPRINT(DEBUG_DIRECTDRAW, 20, "desktop disabled, "); break;
    case 3: card.flags |= 8; DPRINT(DEBUG_DIRECTDRAW, 20, "non-display, "); break;
    default: ABORT("DDrawEnumCallbackEx(): unknown mode for callback");
  }
  DPRINT(DEBUG_DIRECTDRAW, 20, "\n");

  uint32_t total = 0, free = 0;
  if (!DX_WARN_CHECK(PlatDisplayVideoMemory(dd, 0x10002200, &total, &free), "DD7_GetAvailableVidRam"))
    card.videoMemory3D = total;
  total = 0;
  if (!DX_WARN_CHECK(PlatDisplayVideoMemory(dd, 0x10001000, &total, &free), "DD7_GetAvailableVidRam"))
    card.textureMemory = total;

  bool have3D = !DX_WARN_CHECK(PlatDisplayQuery3D(dd), "DD7_QueryInterface");
  if (have3D && !DX_WARN_CHECK(PlatDisplayEnum3DDevices(dd, DDrawCheckDev3DEnumCallback, &card), "D3D7_EnumDevices")) {
    DPRINT(DEBUG_DIRECTDRAW, 30, "--------------------\n");
    for (int d = 0; d < card.deviceCount; ++d) {
      DXDevice& dev = card.devices[d];
      DPRINT(DEBUG_DIRECTDRAW, 40, "- - - - - - - - - -\n");
      DPRINT(DEBUG_DIRECTDRAW, 40, "Z buffer formats for %s\n", dev.description);
      DX_WARN_CHECK(PlatDisplayEnumZFormats(dd, dev.guid, DDrawZBufferFormatsCallback, &dev), "D3D7_EnumZBufferformats");
    }
    DPRINT(DEBUG_DIRECTDRAW, 40, "- - - - - - - - - -\n");
  }
  if (have3D) DPRINT(DEBUG_DIRECTDRAW, 80, "DX_SAFE_RELEASE(): releasing lpD3D7\n");
  PlatDisplayRelease(dd);
  return 0;
}

bool DDrawCheckDev3DEnumCallback(const char* description, const char* name, const Plat3DDeviceDesc& desc,
                                 void* context) {
  DXCard& card = *static_cast<DXCard*>(context);
  if (card.deviceCount >= MAX_DX_DEVICES) return false;
  DXDevice& dev = card.devices[card.deviceCount];
  std::memset(&dev, 0, sizeof dev);
  std::memcpy(dev.guid, desc.guid, sizeof dev.guid);
  CopyText(dev.name, sizeof dev.name, name);
  CopyText(dev.description, sizeof dev.description, description);
  DPRINT(DEBUG_DIRECTDRAW, 30, "--------------------\nDDrawCheckDev3DEnumCallback(): found %s (%s):\n", description,
         name);
  uint32_t f = 0;
  if (desc.devCaps & kDevCapsHwRasterization) f |= D3DDEVINFO_HARDWARE;
  if (desc.devCaps & kDevCapsHwTransformAndLight) f |= D3DDEVINFO_HARDWARETL;
  if (desc.triRasterCaps & kRasterSubPixel) f |= D3DDEVINFO_SUBPIXEL;
  if (desc.triRasterCaps & kRasterSubPixelX) f |= D3DDEVINFO_SUBPIXELX;
  if (desc.triRasterCaps & kRasterZBufferlessHsr) f |= D3DDEVINFO_SORTNOZBUFF;
  if (desc.triTextureCaps & kTextureSquareOnly) f |= D3DDEVINFO_SQUARETEX;
  if (desc.triFilterCaps & kFilterMipMaps) f |= D3DDEVINFO_MIPMAPTEX;
  if (desc.triFilterCaps & kFilterLinear) f |= D3DDEVINFO_SMOOTHTEX;
  if (desc.triRasterCaps & kRasterFogTable) f |= D3DDEVINFO_TABLEFOG;
  f |= DepthFlags(desc.renderDepths, D3DDEVINFO_RENDER8);
  f |= DepthFlags(desc.zBufferDepths, D3DDEVINFO_ZBUFFER8);
  dev.flags = f;
  dev.maxTextureWidth = desc.maxTexWidth;
  dev.maxTextureHeight = desc.maxTexHeight;
  dev.minTextureWidth = desc.minTexWidth;
  dev.minTextureHeight = desc.minTexHeight;
  dev.maxTextureAspect = desc.maxTexAspect;
  if (DebugLevel(DEBUG_DIRECT3D) >= 90) {
    std::printf("D3DDEVINFO_* flags: ");
    int column = 20;
    for (const FlagName& n : kFlagNames) {
      if (!(f & n.mask)) continue;
      int len = static_cast<int>(std::strlen(n.name));
      if (column + len + 2 >= 78) {
        std::printf("\n");
        column = 0;
      }
      std::printf("%s, ", n.name);
      column += len + 2;
    }
    if (column != 0) std::printf("\n");
    std::printf("Max texture size: %dx%d   Min texture size: %dx%d\n", dev.maxTextureWidth, dev.maxTextureHeight,
                dev.minTextureWidth, dev.minTextureHeight);
    std::printf("Max texture aspect ratio: %d\n", dev.maxTextureAspect);
  }
  ++card.deviceCount;
  return true;
}

bool DDrawZBufferFormatsCallback(const PlatPixelFormat& format, void* context) {
  DXDevice& dev = *static_cast<DXDevice*>(context);
  if (format.flags & PLAT_PF_ZBUFFER) DPRINT(DEBUG_DIRECTDRAW, 40, "Zbuffer %d bits (0x%x) ", format.bitCount, format.rMask);
  bool stencil = format.flags & PLAT_PF_STENCILBUFFER;
  if (stencil) DPRINT(DEBUG_DIRECTDRAW, 40, "Stencil %d bits (0x%x) ", format.stencilBits, format.gMask);
  DPRINT(DEBUG_DIRECTDRAW, 40, "\n");
  if (stencil) {
    switch (format.bitCount) {
      case 8: dev.flags |= D3DDEVINFO_STENCIL8; break;
      case 15:
      case 16: dev.flags |= D3DDEVINFO_STENCIL16; break;
      case 24: dev.flags |= D3DDEVINFO_STENCIL24; break;
      case 32: dev.flags |= D3DDEVINFO_STENCIL32; break;
      default:
        std::printf("Warning: DDrawZBufferFormatsCallback(): unknown zbuffer depth: %d bits\n", format.bitCount);
    }
  }
  return true;
}

DXCard* DXGetCard(int card) {
  if (card < 0 || card >= DXDevices.cardCount) return nullptr;
  return &DXDevices.cards[card];
}

DXDevice* DXGetDevice(int card, int device) {
  DXCard* c = DXGetCard(card);
  if (!c || device < 0 || device >= c->deviceCount) return nullptr;
  return &c->devices[device];
}

void DXSelectDevice(int card, int device) {
  DXDevices.selectedCard = card;
  DXDevices.selectedDevice = device;
}

DXDevice* DXGetSelectedDevice() { return DXGetDevice(DXDevices.selectedCard, DXDevices.selectedDevice); }
DXDevice* DXGetCurrentDevice() { return DXGetDevice(DXDevices.selectedCard, DXDevices.selectedDevice); }

const uint8_t* DXGetSelectedCardGUID() {
  DXCard* c = DXGetCard(DXDevices.selectedCard);
  return c ? c->guidPointer : nullptr;
}

DXCard* DXGetSelectedCard() { return DXGetCard(DXDevices.selectedCard); }

void DXGetSelectedIndices(int* card, int* device) {
  if (card) *card = DXDevices.selectedCard;
  if (device) *device = DXDevices.selectedDevice;
}

void DXEnumReset() { std::memset(&DXDevices, 0, sizeof DXDevices); }
REGISTER_RESET(RESET_ENGINE, DXEnumReset);
