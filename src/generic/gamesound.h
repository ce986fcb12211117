// The game's sound banks and the sound options kept in OPTIONS.DAT.
#pragma once

#include <cstdint>

extern int16_t MenuVolume;     // 0-10; the menu channel plays at ten times this
extern int16_t EffectsVolume;  // 0-10
extern int16_t CrowdVolume;    // 0-10
extern int32_t NoSoundMode;    // set by -nosound

// The volumes' defaults and their largest value (the smallest is 0).
constexpr int16_t MENU_VOLUME_DEFAULT = 6;
constexpr int16_t EFFECTS_VOLUME_DEFAULT = 6;
constexpr int16_t CROWD_VOLUME_DEFAULT = 8;
constexpr int16_t VOLUME_MAX = 10;

void SoundOptionsDefaults();
void SoundOptionsValidate();

void GameSound_Init();
void GameSound_Uninit();
// The module as at program start: the default volumes, sound on (a
// registered reset).
void GameSound_Reset();
