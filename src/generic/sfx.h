// The match's sound: the crowd's ambience and the one-shot effects and crowd
// reactions the match asks for by kind, and (in the 3D view) the crowd that
// follows the ball and chants.
//
// Channels: 0 and 1 the ambience (left and right), 2 the chants, 4 and 5/6
// the effects, 7 the crowd reactions.
#pragma once

#include <cstdint>

constexpr int SFX_CHANNELS = 8;

// Envelope states.
enum { SFX_ENV_IDLE = 0, SFX_ENV_FADE_IN = 1, SFX_ENV_HOLD = 2, SFX_ENV_FADE_OUT = 3 };

// A channel's volume envelope (the chants fade in, hold and fade out).
struct ChannelEnvelope {
  int32_t state;    // SFX_ENV_*
  int32_t elapsed;  // ticks in the state
  int32_t fadeIn;   // ticks
  int32_t hold;
  int32_t fadeOut;
  int16_t volume;  // 0-100, the level the fade reaches
  int16_t pan;     // -100..100
};

struct SfxState {
  ChannelEnvelope envelopes[SFX_CHANNELS];
  int32_t lastUpdate;  // TimerTicks of the last envelope update
  int32_t crowdLevel;  // 0-100
  int32_t ambienceList;
  int32_t chantCountdown;  // frames
  int32_t frame;           // crowd updates since SFX_Init (the level steps on every other one)
  int32_t ambience[2];     // the ambience samples playing on channels 0 and 1 (-1 none)
  int32_t ambienceVolume[2];  // the volumes last set on channels 0 and 1 (-1 none yet)
};

// The sound driver calls the module makes; the engine's driver unless a test
// puts in its own.
struct SfxDriver {
  int (*play)(int bank, int sample, int channel, int volume, int pan);
  void (*stop)(int channel);
  void (*setVolume)(int channel, int volume);
  void (*setPan)(int channel, int pan);
  int (*isChannelFree)(int channel);
  void (*load)(int bank, int sample);
  void (*unload)(int bank, int sample);
};
// Null puts the engine's driver back.
void SFX_SetDriver(const SfxDriver* driver);

// At the creation of a match view that is not the silent analysis view: the
// ambience, the effects loaded, every envelope idle.
void SFX_Init();
// At its destruction: stops the enveloped channels, unloads the effects and
// the ambience and stops every channel.
void SFX_Uninit();
// An effect kind raised by the match (0-32): the effect sound and the crowd's
// reaction of the kind, if any.
void SFX_Play(int kind);
// Once per frame of the 3D view: the crowd's level and pan from the ball, the
// chants and the envelopes (display mode 2 with the crowd on; nothing else).
void SFX_UpdateCrowd();
// The envelopes: each channel's fade by the ticks since the last update.
void ChUpdate();

const SfxState& SFX_State();
SfxState& SFX_MutableState();  // tests
// The module as at program start (a registered reset).
void SFX_Reset();
