// Video options: the chosen display card, 3D device and mode, and the match
// display options kept in OPTIONS.DAT.
#pragma once

#include <cstdint>

// The 64-byte record, little-endian. It is stored whole in OPTIONS.DAT, so
// the offsets are part of the file format.
constexpr int VIDEO_CONFIG_SIZE = 64;
constexpr int VIDEO_CONFIG_CARD = 0;                // int32 card index
constexpr int VIDEO_CONFIG_DEVICE = 4;              // int32 3D device index, -1 = software renderer
constexpr int VIDEO_CONFIG_CARD_GUID = 8;           // the card's identifier (all zero for the primary)
constexpr int VIDEO_CONFIG_DEVICE_GUID = 24;        // the 3D device's identifier (all zero for none)
constexpr int VIDEO_CONFIG_GUID_SIZE = 16;
constexpr int VIDEO_CONFIG_MODE = 40;               // int32 screen mode index
constexpr int VIDEO_CONFIG_MIP_MAP = 44;            // int32 0 off, 1 on
constexpr int VIDEO_CONFIG_TEXTURE_SMOOTHING = 48;  // int32 0 none, 1 bi-linear, 2 tri-linear
constexpr int VIDEO_CONFIG_LIGHTING = 52;           // int32 0 off, 1 on
constexpr int VIDEO_CONFIG_FOGGING = 56;            // int32 0 off, 1 on
constexpr int VIDEO_CONFIG_TEXTURE_DETAIL = 60;     // int32 0 low, 1 high
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

// The match display options' defaults and largest values (the smallest is 0).
constexpr int16_t SCANNER_ON_DEFAULT = 0;
constexpr int16_t SCANNER_ON_MAX = 1;
constexpr int16_t CAMERA_VIEW_DEFAULT = 0;
constexpr int16_t CAMERA_VIEW_MAX = 3;
constexpr int32_t MODEL_DETAIL_DEFAULT = 2;
constexpr int32_t MODEL_DETAIL_MAX = 2;
constexpr int16_t PLAYER_NAMES_ON_DEFAULT = 1;
constexpr int16_t PLAYER_NAMES_ON_MAX = 1;

// Puts the options back to their defaults (VideoConfig all zero).
void VideoOptionsDefaults();
// Resets any option outside its range to its default.
void VideoOptionsValidate();
// The module as at program start (a registered reset).
void VideoOptions_Reset();

void VideoInit(int no3d);
void VideoUninit();
