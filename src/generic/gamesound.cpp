// The game's sound banks and sound options.
#include "generic/gamesound.h"

#include <initializer_list>

#include "engine/debug.h"
#include "engine/reset.h"

int16_t MenuVolume = MENU_VOLUME_DEFAULT;
int16_t EffectsVolume = EFFECTS_VOLUME_DEFAULT;
int16_t CrowdVolume = CROWD_VOLUME_DEFAULT;
int32_t NoSoundMode = 0;
int16_t CrowdEnabled = 1;

int16_t EffectsBank = -1;
int16_t CrowdAmbienceBank = -1;
int16_t CrowdBank = -1;
int16_t MusicBank = -1;

namespace {

const char* const kEffectsFiles[] = {"sound\\ingame\\%06d.wav"};

const char* const kAmbienceFiles[] = {
    "sound\\precrowd\\packedc1.wav", "sound\\precrowd\\packedc2.wav", "sound\\precrowd\\packedc3.wav",
    "sound\\precrowd\\packedc4.wav", "sound\\precrowd\\packedc5.wav", "sound\\precrowd\\packedc6.wav",
    "sound\\precrowd\\respecc1.wav", "sound\\precrowd\\respecc2.wav", "sound\\precrowd\\respecc3.wav",
    "sound\\precrowd\\respecc4.wav", "sound\\precrowd\\respecc5.wav", "sound\\precrowd\\sparsec1.wav",
    "sound\\precrowd\\sparsec2.wav", "sound\\precrowd\\sparsec3.wav", "sound\\precrowd\\sparsec4.wav",
};

const char* const kCrowdFiles[] = {
    "sound\\Crowd\\airhorn1.wav", "sound\\Crowd\\airhorn2.wav", "sound\\Crowd\\applaus1.wav",
    "sound\\Crowd\\applaus2.wav", "sound\\Crowd\\applaus3.wav", "sound\\Crowd\\applaus4.wav",
    "sound\\Crowd\\applaus5.wav", "sound\\Crowd\\applaus6.wav", "sound\\Crowd\\applaus7.wav",
    "sound\\Crowd\\applaus8.wav", "sound\\Crowd\\band1lp.wav",  "sound\\Crowd\\band2.wav",
    "sound\\Crowd\\bcrowd1.wav",  "sound\\Crowd\\bcrowd2.wav",  "sound\\Crowd\\boos2lp.wav",
    "sound\\Crowd\\boos7.wav",    "sound\\Crowd\\c_save1.wav",  "sound\\Crowd\\c_save2.wav",
    "sound\\Crowd\\c_save3.wav",  "sound\\Crowd\\catcall1.wav", "sound\\Crowd\\chant1.wav",
    "sound\\Crowd\\chant3.wav",   "sound\\Crowd\\chant4.wav",   "sound\\Crowd\\chant5.wav",
    "sound\\Crowd\\chant6h.wav",  "sound\\Crowd\\chant7b.wav",  "sound\\Crowd\\cheat1.wav",
    "sound\\Crowd\\cheerlp3.wav", "sound\\Crowd\\cheers1.wav",  "sound\\Crowd\\cheers2.wav",
    "sound\\Crowd\\cheers3.wav",  "sound\\Crowd\\cheers4.wav",  "sound\\Crowd\\cheers5.wav",
    "sound\\Crowd\\cheers6.wav",  "sound\\Crowd\\chering1.wav", "sound\\Crowd\\claps1.wav",
    "sound\\Crowd\\claps2.wav",   "sound\\Crowd\\claps3lp.wav", "sound\\Crowd\\claps4lp.wav",
    "sound\\Crowd\\cz_fra.wav",   "sound\\Crowd\\cz_fra3.wav",  "sound\\Crowd\\cz_fra4.wav",
    "sound\\Crowd\\cz_fra5.wav",  "sound\\Crowd\\drumcrd1.wav", "sound\\Crowd\\drums4.wav",
    "sound\\Crowd\\england1.wav", "sound\\Crowd\\england2.wav", "sound\\Crowd\\good_c1.wav",
    "sound\\Crowd\\good_c2.wav",  "sound\\Crowd\\good_c3.wav",  "sound\\Crowd\\hey1.wav",
    "sound\\Crowd\\horns1.wav",   "sound\\Crowd\\horns2.wav",   "sound\\Crowd\\horns3.wav",
    "sound\\Crowd\\metal2.wav",   "sound\\Crowd\\miss1.wav",    "sound\\Crowd\\miss3.wav",
    "sound\\Crowd\\miss4.wav",    "sound\\Crowd\\miss5.wav",    "sound\\Crowd\\miss6.wav",
    "sound\\Crowd\\ocheers1.wav", "sound\\Crowd\\opp_pen1.wav", "sound\\Crowd\\pass1.wav",
    "sound\\Crowd\\pass2.wav",    "sound\\Crowd\\pcheers1.wav", "sound\\Crowd\\pcheers2.wav",
    "sound\\Crowd\\pcheers3.wav", "sound\\Crowd\\pen1.wav",     "sound\\Crowd\\pen3.wav",
    "sound\\Crowd\\pen4.wav",     "sound\\Crowd\\penmiss1.wav", "sound\\Crowd\\penwin1a.wav",
    "sound\\Crowd\\polclap1.wav", "sound\\Crowd\\realtnoy.wav", "sound\\Crowd\\sameric1.wav",
    "sound\\Crowd\\sameric2.wav", "sound\\Crowd\\seamen1.wav",  "sound\\Crowd\\stomps1.wav",
    "sound\\Crowd\\stomps2.wav",  "sound\\Crowd\\stomps4.wav",  "sound\\Crowd\\swinglo.wav",
    "sound\\Crowd\\tannoy1.wav",  "sound\\Crowd\\tannoy2.wav",  "sound\\Crowd\\texair01.wav",
    "sound\\Crowd\\texair02.wav",
};
static_assert(sizeof kCrowdFiles / sizeof kCrowdFiles[0] == 85);

const char* const kMusicFiles[] = {"sound\\music\\1mintune.wav", "sound\\music\\3mintune.wav"};

// The ambience bank lists its fifteen files one by one, so its names are a
// list (form 1); RAM based like the effects, which the match loads whole.
const SndBankDesc kBanks[SOUNDBANK_COUNT] = {
    {kEffectsFiles, 1, 32, 0x221},
    {kAmbienceFiles, 15, 15, 0x211},
    {kCrowdFiles, 85, 85, 0x111},
    {kMusicFiles, 2, 2, 0x111},
};
const char* const kBankNames[SOUNDBANK_COUNT] = {"effects", "ambience", "crowd", "music"};

// Crowd samples the chants play with a loop word.
const int kLoopedChants[] = {10, 20, 22, 23, 24, 25, 40, 41, 42, 77, 78, 79};

}  // namespace

const SndBankDesc& GameSoundBankDesc(int bank) { return kBanks[bank < 0 || bank >= SOUNDBANK_COUNT ? 0 : bank]; }
const char* GameSoundBankName(int bank) { return bank < 0 || bank >= SOUNDBANK_COUNT ? "" : kBankNames[bank]; }

bool GameSoundCrowdLoops(int sample) {
  if (sample < 0 || sample >= 85) return false;
  for (int s : kLoopedChants)
    if (s == sample) return true;
  // The "lp" in a name marks a loop (band1lp, boos2lp, cheerlp3, claps3lp, claps4lp).
  const char* name = kCrowdFiles[sample];
  for (const char* p = name; p[0] && p[1]; ++p)
    if (p[0] == 'l' && p[1] == 'p') return true;
  return false;
}

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
  if (!NoSoundMode) SndInit();
  EffectsBank = static_cast<int16_t>(SndAddSoundBank(kBanks[SOUNDBANK_EFFECTS]));
  CrowdAmbienceBank = static_cast<int16_t>(SndAddSoundBank(kBanks[SOUNDBANK_CROWD_AMBIENCE]));
  CrowdBank = static_cast<int16_t>(SndAddSoundBank(kBanks[SOUNDBANK_CROWD]));
  MusicBank = static_cast<int16_t>(SndAddSoundBank(kBanks[SOUNDBANK_MUSIC]));
  DPRINT(DEBUG_SOUND, 1, "GameSound_Init(): banks %d, %d, %d, %d\n", EffectsBank, CrowdAmbienceBank, CrowdBank,
         MusicBank);
}

void GameSound_Uninit() {
  // Channels a caller left active are let go before the driver stops.
  if (SndActiveChannels()) {
    SndStop(-1);
    SndClearActiveChannels();
  }
  for (int16_t* key : {&EffectsBank, &CrowdAmbienceBank, &CrowdBank, &MusicBank}) {
    if (*key >= 0) {
      // A sample the match left loaded is let go here, not left behind.
      if (const SndBank* bank = SndGetBank(*key); bank && bank->inUse)
        for (uint32_t n = 0; n < bank->samples; ++n)
          if (bank->table[n].data) SndUnload(*key, static_cast<int>(n));
      SndRemoveSoundBank(*key);
    }
    *key = -1;
  }
  SndUninit();
  DPRINT(DEBUG_SOUND, 1, "GameSound_Uninit(): done\n");
}

void GameSound_Reset() {
  SoundOptionsDefaults();
  NoSoundMode = 0;
  CrowdEnabled = 1;
  EffectsBank = CrowdAmbienceBank = CrowdBank = MusicBank = -1;
}
REGISTER_RESET(RESET_PRESENTATION, GameSound_Reset);
