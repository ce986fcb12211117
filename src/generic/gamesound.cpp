// The game's sound banks and sound options.
#include "generic/gamesound.h"

#include "engine/debug.h"

int16_t MenuVolume = 6;
int16_t EffectsVolume = 6;
int16_t CrowdVolume = 8;
int32_t NoSoundMode = 0;

void SoundOptionsDefaults() {
  MenuVolume = 6;
  EffectsVolume = 6;
  CrowdVolume = 8;
}

void SoundOptionsValidate() {
  if (MenuVolume < 0 || MenuVolume > 10) MenuVolume = 6;
  if (EffectsVolume < 0 || EffectsVolume > 10) EffectsVolume = 6;
  if (CrowdVolume < 0 || CrowdVolume > 10) CrowdVolume = 8;
}

void GameSound_Init() {
  // The sound driver and the four sample banks arrive with the sound layer.
  DPRINT(DEBUG_SOUND, 1, "GameSound_Init(): %s\n", NoSoundMode ? "sound disabled" : "no sample banks yet");
}

void GameSound_Uninit() { DPRINT(DEBUG_SOUND, 1, "GameSound_Uninit(): done\n"); }
