// Video options.
#include "render256/vidopt.h"

#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"

uint8_t VideoConfig[VIDEO_CONFIG_SIZE];
int16_t ScannerOn = 0;
int16_t CameraView = 0;
int32_t ModelDetail = 2;
int16_t PlayerNamesOn = 1;

namespace {

int32_t Get32(int offset) { return LoadI32(VideoConfig + offset); }
void Set32(int offset, int32_t value) { StoreI32(VideoConfig + offset, value); }

void ClearVideoConfig() {
  std::memset(VideoConfig, 0, sizeof VideoConfig);
  VideoConfig_SetCard(0);
  VideoConfig_SetDevice(-1);
}

}  // namespace

int32_t VideoConfig_GetCard() { return Get32(0); }
void VideoConfig_SetCard(int32_t card) { Set32(0, card); }
int32_t VideoConfig_GetDevice() { return Get32(4); }
void VideoConfig_SetDevice(int32_t device) { Set32(4, device); }
int32_t VideoConfig_GetMode() { return Get32(40); }
void VideoConfig_SetMode(int32_t mode) { Set32(40, mode); }

void VideoOptionsDefaults() {
  std::memset(VideoConfig, 0, sizeof VideoConfig);
  ScannerOn = 0;
  CameraView = 0;
  ModelDetail = 2;
  PlayerNamesOn = 1;
}

void VideoOptionsValidate() {
  if (ScannerOn < 0 || ScannerOn > 1) ScannerOn = 0;
  if (CameraView < 0 || CameraView > 3) CameraView = 0;
  if (ModelDetail < 0 || ModelDetail > 2) ModelDetail = 2;
  if (PlayerNamesOn < 0 || PlayerNamesOn > 1) PlayerNamesOn = 1;
}

namespace {

// How good a 3D device is for the match: hardware first, then hardware
// transform and lighting, then a 16-bit render depth.
int DeviceScore(const DXDevice& d) {
  int score = 1;
  if (d.flags & D3DDEVINFO_HARDWARE) score += 100;
  if (d.flags & D3DDEVINFO_HARDWARETL) score += 10;
  if (d.flags & D3DDEVINFO_RENDER16) score += 5;
  return score;
}

const uint8_t kZeroGuid[16] = {};

}  // namespace

void VideoInit(int no3d) {
  DXEnumDisplay();
  if (DXDevices.cardCount == 0) FatalError("VideoInit(): Failed to find a graphics card!");
  if (DXGetCard(0)->guidPointer) FatalError("VideoInit(): the first card must have the NULL GUID");

  // A stored choice stands while the card and device it names are still there.
  int card = VideoConfig_GetCard(), device = VideoConfig_GetDevice();
  bool reuse = false;
  if (!no3d) {
    if (const DXCard* c = DXGetCard(card)) {
      const uint8_t* cardGuid = c->guidPointer ? c->guid : kZeroGuid;
      const DXDevice* d = device >= 0 ? DXGetDevice(card, device) : nullptr;
      reuse = std::memcmp(VideoConfig + 8, cardGuid, 16) == 0 && (device == -1 || d) &&
              (!d || std::memcmp(VideoConfig + 24, d->guid, 16) == 0);
    }
  }
  if (!reuse) {
    ClearVideoConfig();
    card = 0;
    device = -1;
    if (!no3d) {
      // With no 3D device anywhere the match is drawn in software on card 0.
      int best = 0;
      for (int c = 0; c < DXDevices.cardCount; ++c)
        for (int d = 0; d < DXDevices.cards[c].deviceCount; ++d)
          if (int score = DeviceScore(DXDevices.cards[c].devices[d]); score > best) {
            best = score;
            card = c;
            device = d;
          }
      VideoConfig_SetCard(card);
      VideoConfig_SetDevice(device);
    }
  }
  DXSelectDevice(card, device);
  DPRINT(DEBUG_GRAPHICS, 1, "VideoInit(): card %d, device %d\n", card, device);
  GfxInit(device >= 0 ? 1 : 0);
}

void VideoUninit() {
  int card = VideoConfig_GetCard(), device = VideoConfig_GetDevice();
  const DXCard* c = DXGetCard(card);
  std::memcpy(VideoConfig + 8, c && c->guidPointer ? c->guid : kZeroGuid, 16);
  const DXDevice* d = DXGetDevice(card, device);
  std::memcpy(VideoConfig + 24, d ? d->guid : kZeroGuid, 16);
  if (GfxIsInitialised()) GfxUninit();
  DPRINT(DEBUG_GRAPHICS, 1, "VideoUninit(): done\n");
}
