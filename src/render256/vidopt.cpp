// Video options.
#include "render256/vidopt.h"

#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/reset.h"

uint8_t VideoConfig[VIDEO_CONFIG_SIZE];
int16_t ScannerOn = SCANNER_ON_DEFAULT;
int16_t CameraView = CAMERA_VIEW_DEFAULT;
int32_t ModelDetail = MODEL_DETAIL_DEFAULT;
int16_t PlayerNamesOn = PLAYER_NAMES_ON_DEFAULT;

static_assert(VIDEO_CONFIG_DEVICE_GUID + VIDEO_CONFIG_GUID_SIZE == VIDEO_CONFIG_MODE &&
              VIDEO_CONFIG_TEXTURE_DETAIL + 4 == VIDEO_CONFIG_SIZE);
static_assert(sizeof DXCard::guid == VIDEO_CONFIG_GUID_SIZE && sizeof DXDevice::guid == VIDEO_CONFIG_GUID_SIZE);

namespace {

int32_t Get32(int offset) { return LoadI32(VideoConfig + offset); }
void Set32(int offset, int32_t value) { StoreI32(VideoConfig + offset, value); }

void ClearVideoConfig() {
  std::memset(VideoConfig, 0, sizeof VideoConfig);
  VideoConfig_SetCard(0);
  VideoConfig_SetDevice(-1);
}

}  // namespace

int32_t VideoConfig_GetCard() { return Get32(VIDEO_CONFIG_CARD); }
void VideoConfig_SetCard(int32_t card) { Set32(VIDEO_CONFIG_CARD, card); }
int32_t VideoConfig_GetDevice() { return Get32(VIDEO_CONFIG_DEVICE); }
void VideoConfig_SetDevice(int32_t device) { Set32(VIDEO_CONFIG_DEVICE, device); }
int32_t VideoConfig_GetMode() { return Get32(VIDEO_CONFIG_MODE); }
void VideoConfig_SetMode(int32_t mode) { Set32(VIDEO_CONFIG_MODE, mode); }

void VideoOptionsDefaults() {
  std::memset(VideoConfig, 0, sizeof VideoConfig);
  ScannerOn = SCANNER_ON_DEFAULT;
  CameraView = CAMERA_VIEW_DEFAULT;
  ModelDetail = MODEL_DETAIL_DEFAULT;
  PlayerNamesOn = PLAYER_NAMES_ON_DEFAULT;
}

void VideoOptionsValidate() {
  if (ScannerOn < 0 || ScannerOn > SCANNER_ON_MAX) ScannerOn = SCANNER_ON_DEFAULT;
  if (CameraView < 0 || CameraView > CAMERA_VIEW_MAX) CameraView = CAMERA_VIEW_DEFAULT;
  if (ModelDetail < 0 || ModelDetail > MODEL_DETAIL_MAX) ModelDetail = MODEL_DETAIL_DEFAULT;
  if (PlayerNamesOn < 0 || PlayerNamesOn > PLAYER_NAMES_ON_MAX) PlayerNamesOn = PLAYER_NAMES_ON_DEFAULT;
}

void VideoOptions_Reset() { VideoOptionsDefaults(); }
REGISTER_RESET(RESET_RENDER, VideoOptions_Reset);

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

const uint8_t kZeroGuid[VIDEO_CONFIG_GUID_SIZE] = {};

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
      reuse = std::memcmp(VideoConfig + VIDEO_CONFIG_CARD_GUID, cardGuid, VIDEO_CONFIG_GUID_SIZE) == 0 &&
              (device == -1 || d) &&
              (!d || std::memcmp(VideoConfig + VIDEO_CONFIG_DEVICE_GUID, d->guid, VIDEO_CONFIG_GUID_SIZE) == 0);
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
  std::memcpy(VideoConfig + VIDEO_CONFIG_CARD_GUID, c && c->guidPointer ? c->guid : kZeroGuid, VIDEO_CONFIG_GUID_SIZE);
  const DXDevice* d = DXGetDevice(card, device);
  std::memcpy(VideoConfig + VIDEO_CONFIG_DEVICE_GUID, d ? d->guid : kZeroGuid, VIDEO_CONFIG_GUID_SIZE);
  if (GfxIsInitialised()) GfxUninit();
  DPRINT(DEBUG_GRAPHICS, 1, "VideoUninit(): done\n");
}
