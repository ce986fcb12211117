// Video options: the chosen display card, 3D device and mode, and the match
// display options kept in OPTIONS.DAT.
#pragma once

#include <cstdint>

// 64-byte record, little-endian:
//   0 int32 card index    4 int32 3D device index (-1 = software renderer)
//   8 card identifier (16 bytes)   24 device identifier (16 bytes)
//   40 int32 screen mode index     44 render option words (20 bytes)
constexpr int VIDEO_CONFIG_SIZE = 64;
extern uint8_t VideoConfig[VIDEO_CONFIG_SIZE];

int32_t VideoConfig_GetCard();
void VideoConfig_SetCard(int32_t card);
int32_t VideoConfig_GetDevice();
void VideoConfig_SetDevice(int32_t device);
int32_t VideoConfig_GetMode();
void VideoConfig_SetMode(int32_t mode);

extern int16_t ScannerOn;      // 0 off, 1 on
extern int16_t CameraView;     // 0 east, 1 north, 2 south, 3 west
extern int32_t ModelDetail;    // 0 low, 1 medium, 2 high
extern int16_t PlayerNamesOn;  // 0 off, 1 on

// Puts the options back to their defaults.
void VideoOptionsDefaults();
// Resets any option outside its range to its default.
void VideoOptionsValidate();

void VideoInit(int no3d);
void VideoUninit();
