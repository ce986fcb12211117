// The game's sound banks and the sound options kept in OPTIONS.DAT.
#pragma once

#include <cstdint>

extern int16_t MenuVolume;     // 0-10; the menu channel plays at ten times this
extern int16_t EffectsVolume;  // 0-10
extern int16_t CrowdVolume;    // 0-10
extern int32_t NoSoundMode;    // set by -nosound

void SoundOptionsDefaults();
void SoundOptionsValidate();

void GameSound_Init();
void GameSound_Uninit();
