// The game's sound banks and the sound options kept in OPTIONS.DAT.
#pragma once

#include <cstdint>

#include "engine/sound.h"

extern int16_t MenuVolume;     // 0-10; the menu channel plays at ten times this
extern int16_t EffectsVolume;  // 0-10
extern int16_t CrowdVolume;    // 0-10
extern int32_t NoSoundMode;    // set by -nosound
extern int16_t CrowdEnabled;   // 1: the match plays the crowd (ambience, reactions, chants)

// The volumes' defaults and their largest value (the smallest is 0).
constexpr int16_t MENU_VOLUME_DEFAULT = 6;
constexpr int16_t EFFECTS_VOLUME_DEFAULT = 6;
constexpr int16_t CROWD_VOLUME_DEFAULT = 8;
constexpr int16_t VOLUME_MAX = 10;

void SoundOptionsDefaults();
void SoundOptionsValidate();

// The four sample banks, in the order they are added, and the keys the driver
// gave them (-1 while not added, or when the driver did not start).
enum GameSoundBank { SOUNDBANK_EFFECTS = 0, SOUNDBANK_CROWD_AMBIENCE, SOUNDBANK_CROWD, SOUNDBANK_MUSIC, SOUNDBANK_COUNT };
extern int16_t EffectsBank;
extern int16_t CrowdAmbienceBank;
extern int16_t CrowdBank;
extern int16_t MusicBank;

// A bank's descriptor and its short name ("effects", "ambience", "crowd",
// "music"), for the tools.
const SndBankDesc& GameSoundBankDesc(int bank);
const char* GameSoundBankName(int bank);
// The crowd samples that play looped (the "...lp" names and the chants).
bool GameSoundCrowdLoops(int sample);

// Starts the sound driver unless sound is off, then adds the four banks.
void GameSound_Init();
// Removes the four banks and stops the driver.
void GameSound_Uninit();
// The module as at program start: the default volumes, sound on, no banks (a
// registered reset).
void GameSound_Reset();
