// The DirectSound layer: the sound object, the primary buffer's format and up
// to eight channel buffers, each an 8-bit mono ring that the sound driver
// streams sample data into.
#pragma once

#include <cstdint>

#include "platform/platform.h"

constexpr int DSOUND_MAX_CHANNELS = 8;

struct DSoundLockRecord {
  void* first;
  uint32_t firstBytes;
  void* second;
  uint32_t secondBytes;
};

struct DSoundState {
  PlatSound* lpDS;  // null = not initialised
  PlatSoundBuffer* primary;
  PlatSoundBuffer* channels[DSOUND_MAX_CHANNELS];
  int32_t channelCount;  // 0 = no channel buffers
  DSoundLockRecord locks[DSOUND_MAX_CHANNELS];
};
extern DSoundState DSoundInfo;

// 1 when sound is available, 0 when not.
int DSoundInit();
void DSoundUninit();
void DSoundInitChans(int count, uint32_t bufferBytes);
void DSoundUninitChans();
void* DSoundLockChannel(int channel, uint32_t offset, uint32_t bytes);
void DSoundUnlockChannel(int channel);
void DSoundPlayChannel(int channel, int looping);
void DSoundStopChannel(int channel);
void DSoundGetChanOffset(int channel, uint32_t* play, uint32_t* write);
void DSoundSetChannelVolume(int channel, int volume);  // 0-100
void DSoundSetChannelPan(int channel, int pan);        // -100..100
void DSoundSetChannelFrequency(int channel, uint32_t hz);

// The conversions: volume 0-100 to 1/100 dB (each halving is 10 dB down; 0
// and below silent), pan -100..100 to the device's -10000..10000.
int32_t DSoundVolumeToAttenuation(int volume);
int32_t DSoundPanToDevice(int pan);

// Forgets the layer's state without platform calls (a registered reset).
void DSoundReset();
