// The display cards, their Direct3D devices and capabilities, and the choice
// of card and device that the display layers read.
#pragma once

#include <cstdint>

constexpr int MAX_DX_CARDS = 16;
constexpr int MAX_DX_DEVICES = 16;

// D3DDEVINFO_* flags of a device.
enum : uint32_t {
  D3DDEVINFO_HARDWARE = 0x1,
  D3DDEVINFO_HARDWARETL = 0x2,
  D3DDEVINFO_SUBPIXEL = 0x10,
  D3DDEVINFO_SUBPIXELX = 0x20,
  D3DDEVINFO_SORTNOZBUFF = 0x40,
  D3DDEVINFO_SQUARETEX = 0x80,
  D3DDEVINFO_MIPMAPTEX = 0x100,
  D3DDEVINFO_SMOOTHTEX = 0x200,
  D3DDEVINFO_TABLEFOG = 0x800,  // has no name in the listing
  D3DDEVINFO_RENDER8 = 0x10000,
  D3DDEVINFO_RENDER16 = 0x20000,
  D3DDEVINFO_RENDER24 = 0x40000,
  D3DDEVINFO_RENDER32 = 0x80000,
  D3DDEVINFO_ZBUFFER8 = 0x100000,
  D3DDEVINFO_ZBUFFER16 = 0x200000,
  D3DDEVINFO_ZBUFFER24 = 0x400000,
  D3DDEVINFO_ZBUFFER32 = 0x800000,
  D3DDEVINFO_STENCIL8 = 0x1000000,
  D3DDEVINFO_STENCIL16 = 0x2000000,
  D3DDEVINFO_STENCIL24 = 0x4000000,
  D3DDEVINFO_STENCIL32 = 0x8000000,
};

struct DXDevice {
  uint8_t guid[16];
  char name[32];
  char description[64];
  uint32_t flags;
  uint32_t maxTextureWidth, maxTextureHeight;
  uint32_t minTextureWidth, minTextureHeight;
  uint32_t maxTextureAspect;
};

struct DXCard {
  uint8_t* guidPointer;  // null for the primary display driver
  uint8_t guid[16];
  uint32_t kind;  // 1 attached, 2 detached, 3 non-display
  char driverName[32];
  char description[64];
  void* monitor;
  char identifier[64];
  char driverVersion[24];
  uint32_t flags;  // bit 0 3D, 1 desktop enabled, 2 desktop disabled, 3 non-display, 4 renders windowed
  uint32_t videoMemory3D;
  uint32_t textureMemory;
  int32_t deviceCount;
  DXDevice devices[MAX_DX_DEVICES];
};

struct DXDeviceList {
  int32_t cardCount;
  DXCard cards[MAX_DX_CARDS];
  int32_t selectedCard;
  int32_t selectedDevice;
};
extern DXDeviceList DXDevices;

void DXEnumDisplay();
int DDrawCheckDevice(int card);
// The enumeration callbacks; each answers whether to go on.
bool DDrawEnumCallbackEx(const uint8_t* guid, const char* description, const char* driverName, void* kind,
                         void* monitor);
struct Plat3DDeviceDesc;
bool DDrawCheckDev3DEnumCallback(const char* description, const char* name, const Plat3DDeviceDesc& desc, void* card);
struct PlatPixelFormat;
bool DDrawZBufferFormatsCallback(const PlatPixelFormat& format, void* device);

DXCard* DXGetCard(int card);
DXDevice* DXGetDevice(int card, int device);
void DXSelectDevice(int card, int device);
DXDevice* DXGetSelectedDevice();
DXDevice* DXGetCurrentDevice();
const uint8_t* DXGetSelectedCardGUID();
DXCard* DXGetSelectedCard();
void DXGetSelectedIndices(int* card, int* device);

// Forgets the enumerated cards, as at program start (a registered reset).
void DXEnumReset();
