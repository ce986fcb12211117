// The DirectSound layer.
#include "engine/dsound.h"

#include <cmath>
#include <cstring>

#include "engine/debug.h"
#include "engine/dxerror.h"
#include "engine/onexit.h"
#include "engine/reset.h"

#define ABORT_FILE "dsound"

DSoundState DSoundInfo;

namespace {

// Requested primary format: 44,100 Hz, 16 bits, stereo.
constexpr PlatWaveFormat kPrimaryFormat = {1, 2, 44100, 176400, 4, 16};
// Channel format: 44,100 Hz, 8 bits, mono (unsigned; silence is 0x80).
constexpr PlatWaveFormat kChannelFormat = {1, 1, 44100, 44100, 1, 8};
constexpr uint32_t kChannelCaps =
    PLAT_SBCAPS_CTRLFREQUENCY | PLAT_SBCAPS_CTRLPAN | PLAT_SBCAPS_CTRLVOLUME | PLAT_SBCAPS_GETCURRENTPOSITION2;

void NeedObject(const char* message) {
  if (!DSoundInfo.lpDS) AbortError(ABORT_FILE, __LINE__, message);
}

PlatSoundBuffer* Channel(int channel, const char* function) {
  if (channel < 0 || channel >= DSoundInfo.channelCount || !DSoundInfo.channels[channel]) {
    static char message[96];
    std::snprintf(message, sizeof message, "%s(): invalid channel %d", function, channel);
    AbortError(ABORT_FILE, __LINE__, message);
  }
  return DSoundInfo.channels[channel];
}

}  // namespace

int32_t DSoundVolumeToAttenuation(int volume) {
  if (volume <= 0) return PLAT_VOLUME_SILENT;
  double db = std::log2(volume / 100.0) * 10.0 * 100.0;
  int32_t a = static_cast<int32_t>(db);  // towards zero
  if (a < PLAT_VOLUME_SILENT) a = PLAT_VOLUME_SILENT;
  if (a > PLAT_VOLUME_FULL) a = PLAT_VOLUME_FULL;
  return a;
}

int32_t DSoundPanToDevice(int pan) {
  int32_t p = pan * 10000 / 100;
  if (p < PLAT_PAN_LEFT) p = PLAT_PAN_LEFT;
  if (p > PLAT_PAN_RIGHT) p = PLAT_PAN_RIGHT;
  return p;
}

int DSoundInit() {
  DSoundState& d = DSoundInfo;
  if (d.lpDS) ABORT("DSoundInit(): already initialised");
  DX_FATAL_CHECK(PlatSoundCreate(&d.lpDS), "CoCreateInstance");
  if (PlatSoundInitialize(d.lpDS) < 0) {
    PlatSoundRelease(d.lpDS);
    d.lpDS = nullptr;
    return 0;
  }
  DX_FATAL_CHECK(PlatSoundSetCooperativeLevel(d.lpDS, PLAT_SOUND_EXCLUSIVE), "DS_SetCooperativeLevel");
  PlatSoundBufferDesc primary{};
  primary.flags = PLAT_SBCAPS_PRIMARY;
  DX_FATAL_CHECK(PlatSoundCreateBuffer(d.lpDS, primary, &d.primary), "DS_CreateSoundBuffer");

  PlatWaveFormat format = kPrimaryFormat;
  DPRINT(DEBUG_SOUND, 80, "DSoundInit(): requesting %dHz, %d bit, %d chans\n", static_cast<int>(format.samplesPerSec),
         format.bitsPerSample, format.channels);
  DX_FATAL_CHECK(PlatSoundBufferSetFormat(d.primary, format), "1st DSB_SetFormat");
  DX_FATAL_CHECK(PlatSoundBufferGetFormat(d.primary, &format), "DSB_GetFormat");
  DPRINT(DEBUG_SOUND, 80, "DSoundInit(): got %dHz, %d bit, %d chans\n", static_cast<int>(format.samplesPerSec),
         format.bitsPerSample, format.channels);
  DX_FATAL_CHECK(PlatSoundBufferSetFormat(d.primary, format), "2nd DSB_SetFormat");

  OnExitAddEx(DSoundUninit, "DSoundUninit()");
  return 1;
}

void DSoundUninit() {
  DSoundState& d = DSoundInfo;
  if (d.channelCount) ABORT("DSoundUninit(): channels not released");
  if (!d.lpDS) ABORT("DSoundUninit(): not initialised");
  OnExitRemove(DSoundUninit);
  if (d.primary) {
    uint32_t left = PlatSoundBufferRelease(d.primary);
    d.primary = nullptr;
    if (left) ABORT("DSoundUninit(): DSound primary buffer still in use");
  }
  DX_FATAL_CHECK(PlatSoundSetCooperativeLevel(d.lpDS, PLAT_SOUND_NORMAL), "DS_SetCooperativeLevel");
  uint32_t left = PlatSoundRelease(d.lpDS);
  d.lpDS = nullptr;
  if (left) ABORT("DSoundUninit(): DirectSound still in use");
}

void DSoundInitChans(int count, uint32_t bufferBytes) {
  DSoundState& d = DSoundInfo;
  if (d.channelCount) ABORT("DSoundInitChans(): already initialised");
  if (!d.lpDS) ABORT("DSoundInitChans(): not initialised");
  if (count < 1 || count > DSOUND_MAX_CHANNELS) ABORT("DSoundInitChans(): invalid no. of channels");
  PlatSoundBufferDesc desc{};
  desc.flags = kChannelCaps;
  desc.bytes = bufferBytes;
  desc.format = kChannelFormat;
  for (int i = 0; i < count; ++i) {
    DX_FATAL_CHECK(PlatSoundCreateBuffer(d.lpDS, desc, &d.channels[i]), "DS_CreateSoundBuffer");
    d.locks[i] = {};
  }
  d.channelCount = count;
  OnExitAddEx(DSoundUninitChans, "DSoundUninitChans()");
}

void DSoundUninitChans() {
  DSoundState& d = DSoundInfo;
  if (!d.channelCount || !d.lpDS) ABORT("DSoundUninitChans(): not initialised");
  OnExitRemove(DSoundUninitChans);
  bool inUse = false;
  for (int i = 0; i < d.channelCount; ++i) {
    if (d.channels[i] && PlatSoundBufferRelease(d.channels[i]) != 0) inUse = true;
    d.channels[i] = nullptr;
    d.locks[i] = {};
  }
  d.channelCount = 0;
  if (inUse) ABORT("DSoundUninitChans(): channel already in use");
}

void* DSoundLockChannel(int channel, uint32_t offset, uint32_t bytes) {
  NeedObject("DSoundLockChannel(): not initialised");
  PlatSoundBuffer* b = Channel(channel, "DSoundLockChannel");
  DSoundLockRecord& r = DSoundInfo.locks[channel];
  r = {};
  DX_FATAL_CHECK(PlatSoundBufferLock(b, offset, bytes, &r.first, &r.firstBytes, &r.second, &r.secondBytes),
                 "DSB_Lock");
  if (r.firstBytes != bytes || r.second) {
    PlatSoundBufferUnlock(b, r.first, 0, r.second, 0);
    r = {};
    ABORT("DSoundLockChannel(): failed to lock requested byte count");
  }
  return r.first;
}

void DSoundUnlockChannel(int channel) {
  NeedObject("DSoundUnlockChannel(): not initialised");
  PlatSoundBuffer* b = Channel(channel, "DSoundUnlockChannel");
  DSoundLockRecord& r = DSoundInfo.locks[channel];
  DX_FATAL_CHECK(PlatSoundBufferUnlock(b, r.first, r.firstBytes, r.second, r.secondBytes), "DSB_Unlock");
  r = {};
}

void DSoundPlayChannel(int channel, int looping) {
  NeedObject("DSoundPlayChannel(): not initialised");
  PlatSoundBuffer* b = Channel(channel, "DSoundPlayChannel");
  DX_FATAL_CHECK(PlatSoundBufferSetPosition(b, 0), "DSB_SetCurrentPosition");
  DX_FATAL_CHECK(PlatSoundBufferPlay(b, looping != 0), "DSB_Play");
}

void DSoundStopChannel(int channel) {
  NeedObject("DSoundStopChannel(): not initialised");
  PlatSoundBuffer* b = Channel(channel, "DSoundStopChannel");
  DX_FATAL_CHECK(PlatSoundBufferStop(b), "DSB_Stop");
  DX_FATAL_CHECK(PlatSoundBufferSetPosition(b, 0), "DSB_SetCurrentPosition");
}

void DSoundGetChanOffset(int channel, uint32_t* play, uint32_t* write) {
  PlatSoundBuffer* b = Channel(channel, "DSoundGetChanOffset");
  uint32_t p = 0, w = 0;
  DX_FATAL_CHECK(PlatSoundBufferGetPosition(b, &p, &w), "DSB_GetCurrentPosition");
  if (play) *play = p;
  if (write) *write = w;
}

void DSoundSetChannelVolume(int channel, int volume) {
  NeedObject("DSoundSetChannelVolume(): not initialised");
  PlatSoundBuffer* b = Channel(channel, "DSoundSetChannelVolume");
  DX_FATAL_CHECK(PlatSoundBufferSetVolume(b, DSoundVolumeToAttenuation(volume)), "DSB_SetVolume");
}

void DSoundSetChannelPan(int channel, int pan) {
  NeedObject("DSoundSetChannelPan(): not initialised");
  PlatSoundBuffer* b = Channel(channel, "DSoundSetChannelPan");
  DX_FATAL_CHECK(PlatSoundBufferSetPan(b, DSoundPanToDevice(pan)), "DSB_SetPan");
}

void DSoundSetChannelFrequency(int channel, uint32_t hz) {
  NeedObject("DSoundSetChannelFrequency(): not initialised");
  PlatSoundBuffer* b = Channel(channel, "DSoundSetChannelFrequency");
  DX_FATAL_CHECK(PlatSoundBufferSetFrequency(b, hz), "DSB_SetFrequency");
}

void DSoundReset() { DSoundInfo = DSoundState{}; }
REGISTER_RESET(RESET_ENGINE, DSoundReset);
