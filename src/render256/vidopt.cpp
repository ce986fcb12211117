// Video options.
#include "render256/vidopt.h"

#include <cstring>

#include "engine/debug.h"

uint8_t VideoConfig[VIDEO_CONFIG_SIZE];
int16_t ScannerOn = 0;
int16_t CameraView = 0;
int32_t ModelDetail = 2;
int16_t PlayerNamesOn = 1;

namespace {

int32_t Get32(int offset) {
  const uint8_t* p = VideoConfig + offset;
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                              (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

void Set32(int offset, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  uint8_t* p = VideoConfig + offset;
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}

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

void VideoInit(int no3d) {
  // One display card and no 3D device so far: the software renderer on the
  // primary card. A stored choice is kept only when it still names that.
  if (no3d || VideoConfig_GetCard() != 0 || VideoConfig_GetDevice() != -1) ClearVideoConfig();
  DPRINT(DEBUG_GRAPHICS, 1, "VideoInit(): card %d, device %d\n", VideoConfig_GetCard(), VideoConfig_GetDevice());
}

void VideoUninit() { DPRINT(DEBUG_GRAPHICS, 1, "VideoUninit(): done\n"); }
