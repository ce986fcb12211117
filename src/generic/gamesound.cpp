// The game's sound banks and sound options.
#include "generic/gamesound.h"

#include "engine/debug.h"
#include "engine/reset.h"

int16_t MenuVolume = MENU_VOLUME_DEFAULT;
int16_t EffectsVolume = EFFECTS_VOLUME_DEFAULT;
int16_t CrowdVolume = CROWD_VOLUME_DEFAULT;
int32_t NoSoundMode = 0;

void SoundOptionsDefaults() {
  MenuVolume = MENU_VOLUME_DEFAULT;
  EffectsVolume = EFFECTS_VOLUME_DEFAULT;
  CrowdVolume = CROWD_VOLUME_DEFAULT;
}

void SoundOptionsValidate() {
  if (MenuVolume < 0 || MenuVolume > VOLUME_MAX) MenuVolume = MENU_VOLUME_DEFAULT;
  if (EffectsVolume < 0 || EffectsVolume > VOLUME_MAX) EffectsVolume = EFFECTS_VOLUME_DEFAULT;
  if (CrowdVolume < 0 || CrowdVolume > VOLUME_MAX) CrowdVolume = CROWD_VOLUME_DEFAULT;
}

void GameSound_Init() {
  // The sound driver and the four sample banks arrive with the sound layer.
  DPRINT(DEBUG_SOUND, 1, "GameSound_Init(): %s\n", NoSoundMode ? "sound disabled" : "no sample banks yet");
}

void GameSound_Uninit() { DPRINT(DEBUG_SOUND, 1, "GameSound_Uninit(): done\n"); }

void GameSound_Reset() {
  SoundOptionsDefaults();
  NoSoundMode = 0;
}
REGISTER_RESET(RESET_PRESENTATION, GameSound_Reset);
