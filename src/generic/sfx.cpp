// The match's sound.
#include "generic/sfx.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "engine/sound.h"
#include "engine/timerint.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "generic/gamesound.h"

namespace {

// Channels.
constexpr int kAmbienceLeft = 0;
constexpr int kAmbienceRight = 1;
constexpr int kChantChannel = 2;
constexpr int kEffectFixedChannel = 4;
constexpr int kEffectChannel = 5;
constexpr int kEffectSpareChannel = 6;
constexpr int kCrowdChannel = 7;

constexpr int kAmbiencePan = 100;
constexpr int kScannerAmbienceVolume = 12;  // the ambience under the overlay view

// The ambience lists of the crowd-ambience bank, each ended by -1; the match
// always plays list 0.
const int16_t kAmbienceLists[3][6] = {{0, 1, 2, 3, -1}, {6, 7, 8, 9, -1}, {11, 12, 13, -1}};
constexpr int kAmbienceRetries = 10;

// The crowd's level from the ball.
constexpr int kLevelMin = 8;
constexpr int kLevelMax = 100;
constexpr int kPanLimit = 70;
constexpr int kPenaltyState = STATE_PENALTY_PLACED;  // the crowd hushes for a penalty

// The chants: a crowd sample and its loop word (-1: a one-shot, else it plays
// under the envelope below).
struct Chant {
  int16_t sample;
  int16_t loop;
};
const Chant kChants[] = {
    {20, 340}, {21, -1}, {40, 283}, {41, 315}, {42, 355}, {73, -1},  {81, -1},  {82, -1},
    {77, 369}, {78, 405}, {79, 353}, {22, 357}, {23, 189}, {24, 277}, {25, 219}, {51, -1},
    {52, -1},  {53, -1},  {83, -1},  {84, -1},  {10, 173}, {11, -1},
};
constexpr int kChantCount = sizeof kChants / sizeof kChants[0];
constexpr int32_t kChantFadeIn = 200, kChantHold = 900, kChantFadeOut = 500;

int ChantCountdown() { return GameRandom() % 1000 + 300; }

// What a kind plays: the effect (one of `effects`, at `effectVolume` x E, on
// channel 4 when `fixedChannel`) and the crowd's reaction (one of `crowd`, at
// `crowdVolume` x V). Kinds 0 and 2 take their effect's volume from the ball.
struct KindSound {
  int8_t effectCount;
  int8_t effects[5];
  int8_t effectVolume;
  bool fixedChannel;
  int8_t crowdCount;
  int8_t crowd[5];
  int8_t crowdVolume;
};
constexpr int kKinds = 33;

const KindSound* KindOf(int kind) {
  static KindSound table[kKinds];
  static bool filled = false;
  if (!filled) {
    auto effect = [](int k, std::initializer_list<int> samples, int volume, bool fixed) {
      KindSound& t = table[k];
      for (int s : samples) t.effects[t.effectCount++] = static_cast<int8_t>(s);
      t.effectVolume = static_cast<int8_t>(volume);
      t.fixedChannel = fixed;
    };
    auto crowd = [](int k, std::initializer_list<int> samples, int volume) {
      KindSound& t = table[k];
      for (int s : samples) t.crowd[t.crowdCount++] = static_cast<int8_t>(s);
      t.crowdVolume = static_cast<int8_t>(volume);
    };
    effect(0, {6}, 0, false);  // the woodwork: volume from the ball
    effect(2, {5}, 0, false);  // flag and boards: volume from the ball
    effect(4, {24, 25, 26}, 10, false);
    effect(5, {4}, 10, false);
    effect(6, {7, 8, 9, 10, 11}, 10, false);
    effect(8, {27, 28}, 8, true);
    effect(10, {30}, 8, true);
    crowd(14, {32}, 7);
    crowd(15, {29}, 10);
    crowd(22, {16, 17, 18}, 10);
    crowd(23, {35, 36}, 6);
    crowd(24, {2, 3, 4, 8, 9}, 8);
    crowd(25, {55, 56, 57, 58, 59}, 10);
    crowd(28, {72}, 10);
    filled = true;
  }
  return kind >= 0 && kind < kKinds ? &table[kind] : nullptr;
}

// The engine's driver. The match's channels exist once the view has opened
// its eight; a call for a channel the driver has not opened (a view that
// opened fewer, or none) plays nothing rather than stopping the game.
bool Opened(int channel) { return !SndIsInitialised() || channel < SndActiveChannels(); }
int EnginePlay(int bank, int sample, int channel, int volume, int pan) {
  return Opened(channel) ? SndPlay(bank, sample, channel, volume, pan) : -1;
}
void EngineStop(int channel) {
  if (Opened(channel)) SndStop(channel);
}
void EngineVolume(int channel, int volume) {
  if (Opened(channel)) SndSetChannelVolume(channel, volume);
}
void EnginePan(int channel, int pan) {
  if (Opened(channel)) SndSetChannelPan(channel, pan);
}
int EngineFree(int channel) { return Opened(channel) ? SndIsChannelFree(channel) : 1; }
void EngineLoad(int bank, int sample) { SndLoad(bank, sample); }
void EngineUnload(int bank, int sample) { SndUnload(bank, sample); }
const SfxDriver kEngineDriver = {EnginePlay, EngineStop, EngineVolume, EnginePan, EngineFree, EngineLoad, EngineUnload};

struct SfxModule {
  SfxState state{};
  const SfxDriver* driver = &kEngineDriver;
};
SfxModule gSfx;

const SfxDriver& D() { return *gSfx.driver; }

void ResetState() {
  gSfx.state = SfxState{};
  gSfx.state.ambience[0] = gSfx.state.ambience[1] = -1;
  gSfx.state.ambienceVolume[0] = gSfx.state.ambienceVolume[1] = -1;
}

int ListLength(const int16_t* list) {
  int n = 0;
  while (list[n] != -1) ++n;
  return n;
}

void SetAmbienceVolume(int side, int volume) {
  if (gSfx.state.ambienceVolume[side] == volume) return;  // the channel already plays at it
  gSfx.state.ambienceVolume[side] = volume;
  D().setVolume(side == 0 ? kAmbienceLeft : kAmbienceRight, volume);
}

// The side in possession has the ball in the half it attacks.
bool PossessionInAttackingHalf() {
  if (PossessionSide > 1) return false;
  const bool attacksHighGoal = PossessionSide == LowGoalSide;
  return attacksHighGoal ? ballY > Pitch.centreY : ballY < Pitch.centreY;
}

void StartChant() {
  SfxState& s = gSfx.state;
  const Chant& c = kChants[GameRandom() % kChantCount];
  const int volume = std::min(s.crowdLevel * 5 / 4, 100);
  const int pan = GameRandom() % 80 - 40;
  if (c.loop == -1) {
    D().play(CrowdBank, c.sample, kChantChannel, volume, pan);
  } else {
    ChannelEnvelope& e = s.envelopes[kChantChannel];
    e = ChannelEnvelope{SFX_ENV_FADE_IN, 0, kChantFadeIn, kChantHold, kChantFadeOut, static_cast<int16_t>(volume),
                        static_cast<int16_t>(pan)};
    D().play(CrowdBank, c.sample, kChantChannel, 0, pan);  // the envelope brings it up
  }
  DPRINT(DEBUG_SFX, 10, "sfx: chant sample %d channel %d volume %d pan %d%s\n", c.sample, kChantChannel, volume, pan,
         c.loop == -1 ? "" : " enveloped");
  s.chantCountdown = ChantCountdown();
}

}  // namespace

void SFX_SetDriver(const SfxDriver* driver) { gSfx.driver = driver ? driver : &kEngineDriver; }
const SfxState& SFX_State() { return gSfx.state; }
SfxState& SFX_MutableState() { return gSfx.state; }

void SFX_Init() {
  if (MatchDisplayMode() == 0) return;
  SfxState& s = gSfx.state;
  s.crowdLevel = 0;
  s.ambienceList = 0;
  s.frame = 0;
  s.ambience[0] = s.ambience[1] = -1;
  s.ambienceVolume[0] = s.ambienceVolume[1] = -1;
  if (CrowdEnabled) {
    const int16_t* list = kAmbienceLists[s.ambienceList];
    const int n = ListLength(list);
    const int first = list[GameRandom() % n];
    int second = list[GameRandom() % n];
    for (int retry = 0; retry < kAmbienceRetries && second == first; ++retry) second = list[GameRandom() % n];
    D().load(CrowdAmbienceBank, first);
    D().load(CrowdAmbienceBank, second);
    D().play(CrowdAmbienceBank, first, kAmbienceLeft, 2 * CrowdVolume, -kAmbiencePan);
    D().play(CrowdAmbienceBank, second, kAmbienceRight, 2 * CrowdVolume, kAmbiencePan);
    s.ambience[0] = first;
    s.ambience[1] = second;
    s.ambienceVolume[0] = s.ambienceVolume[1] = 2 * CrowdVolume;
    s.chantCountdown = ChantCountdown();
    if (MatchDisplayMode() == 1) {
      SetAmbienceVolume(0, kScannerAmbienceVolume);
      SetAmbienceVolume(1, kScannerAmbienceVolume);
    }
    DPRINT(DEBUG_SFX, 10, "sfx: SFX_Init ambience bank %d samples %d %d volume %d\n", CrowdAmbienceBank, first, second,
           s.ambienceVolume[0]);
  }
  D().load(EffectsBank, -1);
  for (ChannelEnvelope& e : s.envelopes) e = ChannelEnvelope{};
  s.lastUpdate = static_cast<int32_t>(TimerTicks.load());
}

void SFX_Uninit() {
  SfxState& s = gSfx.state;
  for (int i = 0; i < SFX_CHANNELS; ++i)
    if (s.envelopes[i].state != SFX_ENV_IDLE) {
      D().stop(i);
      s.envelopes[i].state = SFX_ENV_IDLE;
    }
  D().unload(EffectsBank, -1);
  D().unload(CrowdAmbienceBank, -1);
  D().stop(-1);
  s.ambience[0] = s.ambience[1] = -1;
  s.ambienceVolume[0] = s.ambienceVolume[1] = -1;
}

void SFX_Play(int kind) {
  if (MatchDisplayMode() == 0) return;
  const KindSound* k = KindOf(kind);
  if (!k || (k->effectCount == 0 && k->crowdCount == 0)) {
    DPRINT(DEBUG_SFX, 10, "sfx: SFX_Play kind %d none\n", kind);
    return;
  }
  const int effects = EffectsVolume;
  if (k->effectCount > 0) {
    if (effects > 0) {
      int volume = k->effectVolume * effects;
      bool plays = true;
      if (kind == 0) {
        plays = ballSpeed < 128;
        volume = std::min<int>(ballSpeed, 6) * effects;
      } else if (kind == 2) {
        volume = ballSpeed < 128 ? std::min<int>(ballSpeed, 10) * effects : 0;
      }
      if (plays) {
        const int sample = k->effects[k->effectCount == 1 ? 0 : GameRandom() % k->effectCount];
        const int channel = k->fixedChannel ? kEffectFixedChannel
                            : D().isChannelFree(kEffectChannel) ? kEffectChannel
                                                                : kEffectSpareChannel;
        DPRINT(DEBUG_SFX, 10, "sfx: SFX_Play kind %d bank %d sample %d channel %d volume %d effects %d speed %d\n", kind,
               EffectsBank, sample, channel, volume, effects, ballSpeed);
        D().play(EffectsBank, sample, channel, volume, 0);
      } else {
        DPRINT(DEBUG_SFX, 10, "sfx: SFX_Play kind %d none effects %d speed %d\n", kind, effects, ballSpeed);
      }
    } else {
      DPRINT(DEBUG_SFX, 10, "sfx: SFX_Play kind %d none effects %d speed %d\n", kind, effects, ballSpeed);
    }
  }
  if (k->crowdCount > 0) {
    const int crowd = CrowdVolume;
    if (MatchDisplayMode() != 1 && CrowdEnabled && crowd > 0) {
      const int sample = k->crowd[k->crowdCount == 1 ? 0 : GameRandom() % k->crowdCount];
      const int volume = k->crowdVolume * crowd;
      DPRINT(DEBUG_SFX, 10, "sfx: SFX_Play kind %d crowd bank %d sample %d channel %d volume %d crowd %d\n", kind,
             CrowdBank, sample, kCrowdChannel, volume, crowd);
      D().play(CrowdBank, sample, kCrowdChannel, volume, 0);
    } else {
      DPRINT(DEBUG_SFX, 10, "sfx: SFX_Play kind %d crowd none mode %d crowd %d on %d\n", kind, MatchDisplayMode(), crowd,
             CrowdEnabled);
    }
  }
}

void ChUpdate() {
  SfxState& s = gSfx.state;
  const int32_t now = static_cast<int32_t>(TimerTicks.load());
  const int32_t passed = now - s.lastUpdate;
  s.lastUpdate = now;
  for (int i = 0; i < SFX_CHANNELS; ++i) {
    ChannelEnvelope& e = s.envelopes[i];
    if (e.state < SFX_ENV_IDLE || e.state > SFX_ENV_FADE_OUT) FatalError("Error: ChUpdate(): unknown status\n");
    e.elapsed += passed;
    if (e.state == SFX_ENV_IDLE) continue;
    if (D().isChannelFree(i)) {  // the sample ended by itself
      e.state = SFX_ENV_IDLE;
      continue;
    }
    switch (e.state) {
      case SFX_ENV_FADE_IN:
        if (e.elapsed < e.fadeIn) {
          D().setVolume(i, std::min(e.volume * e.elapsed / std::max(e.fadeIn, 1) * 5 / 4, 100));
        } else {
          e.state = SFX_ENV_HOLD;
          e.elapsed = 0;
        }
        break;
      case SFX_ENV_HOLD:
        if (e.elapsed >= e.hold) {
          e.state = SFX_ENV_FADE_OUT;
          e.elapsed = 0;
        }
        break;
      case SFX_ENV_FADE_OUT:
        if (e.elapsed < e.fadeOut) {
          D().setVolume(i, std::min(e.volume * (e.fadeOut - e.elapsed) / std::max(e.fadeOut, 1) * 5 / 4, 100));
        } else {
          D().stop(i);
          e.state = SFX_ENV_IDLE;
        }
        break;
      default:
        break;
    }
  }
}

void SFX_UpdateCrowd() {
  if (MatchDisplayMode() != MATCH_DISPLAY_WATCH || !CrowdEnabled) return;
  SfxState& s = gSfx.state;
  ChUpdate();

  const int halfWidth = Pitch.width / 2, halfLength = Pitch.length / 2;
  int pan = halfWidth > 0 ? (ballX - Pitch.centreX) * kPanLimit / halfWidth : 0;
  pan = std::clamp(pan, -kPanLimit, kPanLimit);
  int d = Pitch.centreY - ballY;
  d += d >= 0 ? Pitch.length / 4 : -(Pitch.length / 4);
  const int divisor = PossessionInAttackingHalf() ? 2 : 5;
  const int target = halfLength > 0 ? std::abs(d * 100 / halfLength / divisor) : kLevelMin;

  if (s.frame++ % 2 == 0) {
    if (s.crowdLevel < target) ++s.crowdLevel;
    else if (s.crowdLevel > target) --s.crowdLevel;
  }
  s.crowdLevel = std::clamp(s.crowdLevel, kLevelMin, kLevelMax);
  if (MatchState == kPenaltyState) s.crowdLevel = kLevelMin;

  const int v = CrowdVolume * s.crowdLevel / 10;
  SetAmbienceVolume(0, pan > 0 ? v * (100 - pan) / 100 : v);
  SetAmbienceVolume(1, pan < 0 ? v * (100 + pan) / 100 : v);

  if (D().isChannelFree(kChantChannel)) {
    if (--s.chantCountdown <= 0) StartChant();
  }
}

void SFX_Reset() {
  ResetState();
  gSfx.driver = &kEngineDriver;
}
REGISTER_RESET(RESET_PRESENTATION, SFX_Reset);
