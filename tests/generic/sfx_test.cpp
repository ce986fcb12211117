#include "generic/sfx.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/sound.h"
#include "engine/rand.h"
#include "engine/timerint.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "generic/gamesound.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"

namespace {

// The driver calls the module made, in order.
struct Call {
  std::string op;  // play, stop, volume, pan, load, unload
  int a = 0, b = 0, c = 0, d = 0, e = 0;
};
std::vector<Call> gCalls;
std::set<int> gBusy;  // channels the recording driver says are playing

const SfxDriver kRecorder = {
    [](int bank, int sample, int channel, int volume, int pan) {
      gCalls.push_back({"play", bank, sample, channel, volume, pan});
      return channel;
    },
    [](int channel) { gCalls.push_back({"stop", channel}); },
    [](int channel, int volume) { gCalls.push_back({"volume", channel, volume}); },
    [](int channel, int pan) { gCalls.push_back({"pan", channel, pan}); },
    [](int channel) { return gBusy.count(channel) ? 0 : 1; },
    [](int bank, int sample) { gCalls.push_back({"load", bank, sample}); },
    [](int bank, int sample) { gCalls.push_back({"unload", bank, sample}); },
};

constexpr int kEffects = 10, kAmbience = 11, kCrowd = 12;  // bank keys the test hands out

std::vector<Call> Plays() {
  std::vector<Call> out;
  for (const Call& c : gCalls)
    if (c.op == "play") out.push_back(c);
  return out;
}

class SfxTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gCalls.clear();
    gBusy.clear();
    SFX_SetDriver(&kRecorder);
    EffectsBank = kEffects;
    CrowdAmbienceBank = kAmbience;
    CrowdBank = kCrowd;
    EffectsVolume = 6;
    CrowdVolume = 8;
    SetMode(2);
    SetPitchGeometry();
  }
  static void SetMode(int mode) { StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, static_cast<int16_t>(mode)); }
};

// --- SFX_Play by kind ---------------------------------------------------------------

struct KindCase {
  int kind;
  std::set<int> effects;  // empty: no effect sound
  int effectVolume;       // for E = 6
  int effectChannel;      // 5 (or 6 when busy) or 4
  std::set<int> crowd;    // empty: no crowd reaction
  int crowdVolume;        // for V = 8
};

const KindCase kKindCases[] = {
    {4, {24, 25, 26}, 60, 5, {}, 0},
    {5, {4}, 60, 5, {}, 0},
    {6, {7, 8, 9, 10, 11}, 60, 5, {}, 0},
    {8, {27, 28}, 48, 4, {}, 0},
    {10, {30}, 48, 4, {}, 0},
    {11, {}, 0, 0, {}, 0},
    {12, {}, 0, 0, {}, 0},
    {14, {}, 0, 0, {32}, 56},
    {15, {}, 0, 0, {29}, 80},
    {22, {}, 0, 0, {16, 17, 18}, 80},
    {23, {}, 0, 0, {35, 36}, 48},
    {24, {}, 0, 0, {2, 3, 4, 8, 9}, 64},
    {25, {}, 0, 0, {55, 56, 57, 58, 59}, 80},
    {28, {}, 0, 0, {72}, 80},
    {1, {}, 0, 0, {}, 0},
    {32, {}, 0, 0, {}, 0},
    {33, {}, 0, 0, {}, 0},
    {-1, {}, 0, 0, {}, 0},
};

TEST_F(SfxTest, EachKindPlaysItsEffectAndCrowdReaction) {
  for (const KindCase& k : kKindCases) {
    std::set<int> effectsSeen, crowdSeen;
    for (int round = 0; round < 60; ++round) {
      gCalls.clear();
      SFX_Play(k.kind);
      for (const Call& c : Plays()) {
        EXPECT_EQ(c.e, 0) << k.kind;  // centre pan
        if (c.a == kEffects) {
          EXPECT_TRUE(k.effects.count(c.b)) << k.kind << " sample " << c.b;
          EXPECT_EQ(c.c, k.effectChannel) << k.kind;
          EXPECT_EQ(c.d, k.effectVolume) << k.kind;
          effectsSeen.insert(c.b);
        } else {
          EXPECT_EQ(c.a, kCrowd) << k.kind;
          EXPECT_TRUE(k.crowd.count(c.b)) << k.kind << " sample " << c.b;
          EXPECT_EQ(c.c, 7) << k.kind;
          EXPECT_EQ(c.d, k.crowdVolume) << k.kind;
          crowdSeen.insert(c.b);
        }
      }
      EXPECT_EQ(Plays().size(), (k.effects.empty() ? 0u : 1u) + (k.crowd.empty() ? 0u : 1u)) << k.kind;
    }
    // Every choice comes up.
    EXPECT_EQ(effectsSeen, k.effects) << k.kind;
    EXPECT_EQ(crowdSeen, k.crowd) << k.kind;
  }
}

TEST_F(SfxTest, ABusyChannelFiveSendsTheEffectToSixButNotAFixedOne) {
  gBusy = {5};
  SFX_Play(5);
  SFX_Play(10);
  ASSERT_EQ(Plays().size(), 2u);
  EXPECT_EQ(Plays()[0].c, 6);
  EXPECT_EQ(Plays()[1].c, 4);
  // A crowd reaction always takes channel 7, busy or not.
  gBusy = {5, 6, 7};
  gCalls.clear();
  SFX_Play(15);
  ASSERT_EQ(Plays().size(), 1u);
  EXPECT_EQ(Plays()[0].c, 7);
}

TEST_F(SfxTest, TheWoodworkAndTheBoardsSoundByTheBallsSpeed) {
  struct Case {
    int kind, speed;
    bool plays;
    int volume;
  };
  const Case cases[] = {
      {0, 3, true, 18},  {0, 6, true, 36},  {0, 40, true, 36},  {0, 127, true, 36}, {0, 128, false, 0},
      {0, 255, false, 0}, {2, 3, true, 18},  {2, 10, true, 60}, {2, 127, true, 60}, {2, 128, true, 0},
      {2, 200, true, 0},  {0, 0, true, 0},
  };
  for (const Case& c : cases) {
    gCalls.clear();
    ballSpeed = static_cast<uint8_t>(c.speed);
    SFX_Play(c.kind);
    ASSERT_EQ(Plays().size(), c.plays ? 1u : 0u) << c.kind << " at " << c.speed;
    if (c.plays) {
      EXPECT_EQ(Plays()[0].b, c.kind == 0 ? 6 : 5);
      EXPECT_EQ(Plays()[0].d, c.volume) << c.kind << " at " << c.speed;
    }
  }
}

TEST_F(SfxTest, VolumesAtZeroAndTheCrowdSwitchedOffSilenceTheirPart) {
  EffectsVolume = 0;
  SFX_Play(6);
  SFX_Play(15);
  ASSERT_EQ(Plays().size(), 1u);
  EXPECT_EQ(Plays()[0].a, kCrowd);
  gCalls.clear();
  EffectsVolume = 6;
  CrowdVolume = 0;
  SFX_Play(15);
  EXPECT_TRUE(Plays().empty());
  CrowdVolume = 8;
  CrowdEnabled = 0;
  SFX_Play(15);
  SFX_Play(6);
  ASSERT_EQ(Plays().size(), 1u);
  EXPECT_EQ(Plays()[0].a, kEffects);
}

TEST_F(SfxTest, EachChoiceIsLoggedOnTheSfxChannelBeforeItPlays) {
  SetDebugLevel(DEBUG_SFX, 10);
  ballSpeed = 200;
  testing::internal::CaptureStdout();
  SFX_Play(6);
  SFX_Play(22);
  SFX_Play(0);
  SFX_Play(11);
  SetMode(1);
  SFX_Play(15);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_THAT(out, testing::MatchesRegex("sfx: SFX_Play kind 6 bank 10 sample (7|8|9|10|11) channel 5 volume 60 effects 6 "
                                         "speed 200\n"
                                         "sfx: SFX_Play kind 22 crowd bank 12 sample 1[678] channel 7 volume 80 crowd 8\n"
                                         "sfx: SFX_Play kind 0 none effects 6 speed 200\n"
                                         "sfx: SFX_Play kind 11 none\n"
                                         "sfx: SFX_Play kind 15 crowd none mode 1 crowd 8 on 1\n"));
}

TEST_F(SfxTest, TheAnalysisViewIsSilent) {
  SetMode(0);
  SFX_Init();
  for (int kind = 0; kind <= 32; ++kind) SFX_Play(kind);
  SFX_UpdateCrowd();
  EXPECT_TRUE(gCalls.empty());
}

TEST_F(SfxTest, TheOverlayViewHasEffectsAndQuietAmbienceButNoCrowdReactions) {
  SetMode(1);
  SFX_Init();
  std::vector<Call> volumes;
  for (const Call& c : gCalls)
    if (c.op == "volume") volumes.push_back(c);
  ASSERT_EQ(volumes.size(), 2u);
  EXPECT_EQ(volumes[0].a, 0);
  EXPECT_EQ(volumes[0].b, 12);
  EXPECT_EQ(volumes[1].a, 1);
  EXPECT_EQ(volumes[1].b, 12);
  gCalls.clear();
  SFX_Play(6);
  SFX_Play(15);
  SFX_Play(22);
  ASSERT_EQ(Plays().size(), 1u);
  EXPECT_EQ(Plays()[0].a, kEffects);
  // No crowd update outside the 3D view.
  gCalls.clear();
  SFX_UpdateCrowd();
  EXPECT_TRUE(gCalls.empty());
}

// --- SFX_Init and SFX_Uninit ------------------------------------------------------

TEST_F(SfxTest, InitPlaysTwoDifferentAmbienceLoopsLeftAndRightAndLoadsTheEffects) {
  for (uint32_t seed = 1; seed < 40; ++seed) {
    gCalls.clear();
    GameSeedRandom(seed);
    SFX_Init();
    ASSERT_EQ(gCalls.size(), 5u) << seed;
    const Call& l1 = gCalls[0];
    const Call& l2 = gCalls[1];
    const Call& left = gCalls[2];
    const Call& right = gCalls[3];
    EXPECT_EQ(l1.op, "load");
    EXPECT_EQ(l1.a, kAmbience);
    EXPECT_EQ(l2.op, "load");
    EXPECT_EQ(left.op, "play");
    EXPECT_EQ(left.a, kAmbience);
    EXPECT_EQ(left.b, l1.b);
    EXPECT_EQ(left.c, 0);
    EXPECT_EQ(left.d, 16);  // twice the crowd volume
    EXPECT_EQ(left.e, -100);
    EXPECT_EQ(right.b, l2.b);
    EXPECT_EQ(right.c, 1);
    EXPECT_EQ(right.d, 16);
    EXPECT_EQ(right.e, 100);
    EXPECT_GE(left.b, 0);
    EXPECT_LE(left.b, 3);  // the first list: samples 0-3
    EXPECT_GE(right.b, 0);
    EXPECT_LE(right.b, 3);
    EXPECT_NE(left.b, right.b) << seed;
    EXPECT_EQ(gCalls[4].op, "load");
    EXPECT_EQ(gCalls[4].a, kEffects);
    EXPECT_EQ(gCalls[4].b, -1);
    EXPECT_GE(SFX_State().chantCountdown, 300);
    EXPECT_LT(SFX_State().chantCountdown, 1300);
    for (const ChannelEnvelope& e : SFX_State().envelopes) EXPECT_EQ(e.state, SFX_ENV_IDLE);
  }
}

// The state (below 2^18: the two low bits of a roll depend on no more) whose
// first pick of list 0 comes up again on the most rolls that follow.
uint32_t StateWithLongestRepeat(int* repeats) {
  uint32_t best = 0;
  *repeats = -1;
  for (uint32_t state = 0; state < (1u << 18); ++state) {
    GameSetRandomState(state);
    const int first = GameRandom() % 4;
    int same = 0;
    while (same < 12 && GameRandom() % 4 == first) ++same;
    if (same > *repeats) *repeats = same, best = state;
  }
  return best;
}

TEST_F(SfxTest, TheSecondLoopIsRolledAgainUntilItDiffers) {
  // The generator never repeats a pick more than eight times running, so the
  // ten retries always find another loop: after eight repeats the ninth
  // retry (the tenth roll) gives it, and the chant countdown takes the next.
  int repeats = 0;
  const uint32_t state = StateWithLongestRepeat(&repeats);
  ASSERT_EQ(repeats, 8);
  GameSetRandomState(state);
  std::vector<int> rolls;
  for (int i = 0; i < 12; ++i) rolls.push_back(GameRandom());
  GameSetRandomState(state);
  SFX_Init();
  const std::vector<Call> plays = Plays();
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0].b, rolls[0] % 4);
  EXPECT_EQ(plays[1].b, rolls[9] % 4);
  EXPECT_NE(plays[0].b, plays[1].b);
  EXPECT_EQ(SFX_State().chantCountdown, rolls[10] % 1000 + 300);
}

TEST_F(SfxTest, WithTheCrowdOffInitOnlyLoadsTheEffects) {
  CrowdEnabled = 0;
  SFX_Init();
  ASSERT_EQ(gCalls.size(), 1u);
  EXPECT_EQ(gCalls[0].op, "load");
  EXPECT_EQ(gCalls[0].a, kEffects);
}

TEST_F(SfxTest, UninitStopsTheEnvelopedChannelsUnloadsAndStopsAll) {
  SFX_Init();
  SFX_MutableState().envelopes[2].state = SFX_ENV_HOLD;
  SFX_MutableState().envelopes[3].state = SFX_ENV_FADE_OUT;
  gCalls.clear();
  SFX_Uninit();
  ASSERT_EQ(gCalls.size(), 5u);
  EXPECT_EQ(gCalls[0].op, "stop");
  EXPECT_EQ(gCalls[0].a, 2);
  EXPECT_EQ(gCalls[1].op, "stop");
  EXPECT_EQ(gCalls[1].a, 3);
  EXPECT_EQ(gCalls[2].op, "unload");
  EXPECT_EQ(gCalls[2].a, kEffects);
  EXPECT_EQ(gCalls[2].b, -1);
  EXPECT_EQ(gCalls[3].op, "unload");
  EXPECT_EQ(gCalls[3].a, kAmbience);
  EXPECT_EQ(gCalls[4].op, "stop");
  EXPECT_EQ(gCalls[4].a, -1);
  for (const ChannelEnvelope& e : SFX_State().envelopes) EXPECT_EQ(e.state, SFX_ENV_IDLE);
}

// --- the envelopes ------------------------------------------------------------------

TEST_F(SfxTest, AnEnvelopeFadesInHoldsAndFadesOut) {
  SFX_Init();
  gBusy = {2};
  SfxState& s = SFX_MutableState();
  s.envelopes[2] = ChannelEnvelope{SFX_ENV_FADE_IN, 0, 200, 900, 500, 80, 10};
  s.lastUpdate = static_cast<int32_t>(TimerTicks.load());
  struct Step {
    int ticks;
    int state;
    int volume;  // -1: no volume set
  };
  const Step steps[] = {
      {50, SFX_ENV_FADE_IN, 80 * 50 / 200 * 5 / 4},     // 25
      {100, SFX_ENV_FADE_IN, 80 * 150 / 200 * 5 / 4},   // 75
      {49, SFX_ENV_FADE_IN, std::min(80 * 199 / 200 * 5 / 4, 100)},
      {1, SFX_ENV_HOLD, -1},
      {899, SFX_ENV_HOLD, -1},
      {1, SFX_ENV_FADE_OUT, -1},
      {100, SFX_ENV_FADE_OUT, 80 * 400 / 500 * 5 / 4},  // 80
      {300, SFX_ENV_FADE_OUT, 80 * 100 / 500 * 5 / 4},  // 20
      {100, SFX_ENV_IDLE, -1},
  };
  for (const Step& step : steps) {
    gCalls.clear();
    TimerTicks += static_cast<uint32_t>(step.ticks);
    ChUpdate();
    EXPECT_EQ(s.envelopes[2].state, step.state) << step.ticks;
    std::vector<Call> volumes;
    for (const Call& c : gCalls)
      if (c.op == "volume") volumes.push_back(c);
    if (step.volume < 0) {
      EXPECT_TRUE(volumes.empty()) << step.ticks;
    } else {
      ASSERT_EQ(volumes.size(), 1u) << step.ticks;
      EXPECT_EQ(volumes[0].a, 2);
      EXPECT_EQ(volumes[0].b, step.volume);
    }
  }
  // The end of the fade-out stops the channel.
  ASSERT_FALSE(gCalls.empty());
  EXPECT_EQ(gCalls.back().op, "stop");
  EXPECT_EQ(gCalls.back().a, 2);
}

TEST_F(SfxTest, AChannelThatEndedByItselfGoesIdle) {
  SFX_Init();
  SfxState& s = SFX_MutableState();
  s.envelopes[2] = ChannelEnvelope{SFX_ENV_HOLD, 0, 200, 900, 500, 80, 0};
  gCalls.clear();
  TimerTicks += 5;
  ChUpdate();  // channel 2 is free
  EXPECT_EQ(s.envelopes[2].state, SFX_ENV_IDLE);
  EXPECT_TRUE(gCalls.empty());
}

TEST_F(SfxTest, AnUnknownEnvelopeStateIsFatal) {
  SFX_Init();
  SFX_MutableState().envelopes[6].state = 4;
  EXPECT_FATAL(ChUpdate(), "ChUpdate\\(\\): unknown status");
  SFX_MutableState().envelopes[6].state = -1;
  EXPECT_FATAL(ChUpdate(), "ChUpdate\\(\\): unknown status");
}

// --- the crowd in the 3D view -------------------------------------------------------

class SfxCrowdTest : public SfxTest {
 protected:
  void SetUp() override {
    SfxTest::SetUp();
    SFX_Init();
    gBusy = {2};  // no chant unless a test wants one
    MatchState = 0;
    PossessionSide = 255;
    LowGoalSide = 0;
  }
  // The volumes last set on the two ambience channels after `frames` updates.
  static std::pair<int, int> Run(int frames) {
    for (int i = 0; i < frames; ++i) SFX_UpdateCrowd();
    int left = -1, right = -1;
    for (const Call& c : gCalls)
      if (c.op == "volume") (c.a == 0 ? left : right) = c.b;
    return {left, right};
  }
};

TEST_F(SfxCrowdTest, TheLevelStepsEveryOtherFrameTowardsTheBallsTarget) {
  // The ball on the centre spot: d = length / 4 = 480, target |480 x 100 / 960 / 5| = 10.
  ballX = Pitch.centreX;
  ballY = Pitch.centreY;
  Run(1);
  EXPECT_EQ(SFX_State().crowdLevel, 8);  // raised to the floor at once
  Run(4);
  EXPECT_EQ(SFX_State().crowdLevel, 10);
  Run(10);
  EXPECT_EQ(SFX_State().crowdLevel, 10);
  // Near a goal with the attacking side on the ball: d = 1082 - 200 + 480 = 1362,
  // target |1362 x 100 / 960 / 2| = 70.
  ballY = 200;
  PossessionSide = 1;  // attacks the low goal (side 0 defends the low goal line)
  Run(200);
  EXPECT_EQ(SFX_State().crowdLevel, 70);
  // The defending side on the ball there: divisor 5, target 28; it falls by one every other frame.
  PossessionSide = 0;
  Run(2);
  EXPECT_EQ(SFX_State().crowdLevel, 69);
  Run(200);
  EXPECT_EQ(SFX_State().crowdLevel, 28);
  // A penalty hushes the crowd.
  MatchState = STATE_PENALTY_PLACED;
  Run(1);
  EXPECT_EQ(SFX_State().crowdLevel, 8);
}

TEST_F(SfxCrowdTest, TheAmbienceFollowsTheBallAcross) {
  struct Case {
    int x;
    int left, right;
  };
  // level 10 at the centre spot: v = 8 x 10 / 10 = 8; pan = dx x 70 / 640.
  const Case cases[] = {
      {796, 8, 8},                       // centre
      {796 + 640, 8 * 30 / 100, 8},      // the far touch line: pan 70
      {796 + 2000, 8 * 30 / 100, 8},     // beyond it: still 70
      {796 - 640, 8, 8 * 30 / 100},      // the near touch line: pan -70
      {796 + 320, 8 * 65 / 100, 8},      // pan 35
      {796 - 320, 8, 8 * 65 / 100},      // pan -35
  };
  ballY = Pitch.centreY;
  ballX = Pitch.centreX;
  Run(10);
  ASSERT_EQ(SFX_State().crowdLevel, 10);
  for (const Case& c : cases) {
    gCalls.clear();
    ballX = static_cast<int16_t>(c.x);
    SFX_MutableState().ambienceVolume[0] = SFX_MutableState().ambienceVolume[1] = -1;  // report both
    auto [left, right] = Run(1);
    EXPECT_EQ(left, c.left) << c.x;
    EXPECT_EQ(right, c.right) << c.x;
  }
}

TEST_F(SfxCrowdTest, TheCrowdChantsWhenTheCountdownRunsOut) {
  ballX = Pitch.centreX;
  ballY = Pitch.centreY;
  Run(20);
  ASSERT_EQ(SFX_State().crowdLevel, 10);
  gBusy.clear();
  SFX_MutableState().chantCountdown = 3;
  gCalls.clear();
  const uint32_t state = GameRandomState();
  GameSetRandomState(state);
  Run(2);
  EXPECT_TRUE(Plays().empty());
  EXPECT_EQ(SFX_State().chantCountdown, 1);
  const uint32_t before = GameRandomState();
  const int entry = GameRandom() % 22, panRoll = GameRandom(), countdownRoll = GameRandom();
  GameSetRandomState(before);
  Run(1);
  const std::vector<Call> plays = Plays();
  ASSERT_EQ(plays.size(), 1u);
  const int samples[22] = {20, 21, 40, 41, 42, 73, 81, 82, 77, 78, 79, 22, 23, 24, 25, 51, 52, 53, 83, 84, 10, 11};
  const bool oneShot[22] = {false, true, false, false, false, true, true, true, false, false, false,
                            false, false, false, false, true, true, true, true,  true,  false, true};
  EXPECT_EQ(plays[0].a, kCrowd);
  EXPECT_EQ(plays[0].b, samples[entry]);
  EXPECT_EQ(plays[0].c, 2);
  EXPECT_EQ(plays[0].e, panRoll % 80 - 40);
  EXPECT_EQ(SFX_State().chantCountdown, countdownRoll % 1000 + 300);
  const ChannelEnvelope& e = SFX_State().envelopes[2];
  if (oneShot[entry]) {
    EXPECT_EQ(plays[0].d, 12);  // min(10 x 1.25, 100)
    EXPECT_EQ(e.state, SFX_ENV_IDLE);
  } else {
    EXPECT_EQ(plays[0].d, 0);  // the envelope brings it up to 12
    EXPECT_EQ(e.state, SFX_ENV_FADE_IN);
    EXPECT_EQ(e.volume, 12);
    EXPECT_EQ(e.fadeIn, 200);
    EXPECT_EQ(e.hold, 900);
    EXPECT_EQ(e.fadeOut, 500);
  }
  // The countdown only runs while channel 2 is free.
  gBusy = {2};
  const int countdown = SFX_State().chantCountdown;
  Run(5);
  EXPECT_EQ(SFX_State().chantCountdown, countdown);
}

TEST_F(SfxCrowdTest, NothingWithTheCrowdOffOrOutsideTheThreeDView) {
  gCalls.clear();
  CrowdEnabled = 0;
  SFX_UpdateCrowd();
  CrowdEnabled = 1;
  SetMode(1);
  SFX_UpdateCrowd();
  EXPECT_TRUE(gCalls.empty());
}

}  // namespace

namespace {

// The engine's own driver over the built game's banks, on the memory output.
class SfxEngineTest : public EngineTest {
 protected:
  bool Start() {
    if (!std::filesystem::exists(BuiltGameDir() / "pakfiles" / "hdcommon.pki")) return false;
    InitMemory(9500);
    PakFileInit();
    PakFileAdd((BuiltGameDir() / "pakfiles" / "hdcommon").string().c_str());
    PakFileAddDone();
    StartWindowAndTimer();
    InitPoll();
    PlatSoundUseMemoryOutput(true);
    GameSound_Init();
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2);
    return SndIsInitialised() != 0;
  }
  void TearDown() override {
    if (SndIsInitialised()) {
      if (SndActiveChannels()) SndClearActiveChannels();
      GameSound_Uninit();
    }
    EngineTest::TearDown();
  }
  static const SndChannel& Ch(int channel) { return *SndGetChannel(channel); }
};

TEST_F(SfxEngineTest, TheMatchPlaysOnTheDriversChannels) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  // Before the view opens its channels nothing plays, and nothing fails.
  SFX_Play(5);
  SFX_Play(15);
  SndSetActiveChannels(8);
  SFX_Init();
  ASSERT_NE(Ch(0).bank, nullptr);
  ASSERT_NE(Ch(1).bank, nullptr);
  EXPECT_EQ(Ch(0).bank, SndGetBank(CrowdAmbienceBank));
  EXPECT_LE(Ch(0).sample, 3u);
  EXPECT_NE(Ch(0).sample, Ch(1).sample);
  for (uint32_t n = 0; n < 32; ++n) EXPECT_NE(SndGetBank(EffectsBank)->table[n].data, nullptr) << n;
  // A header: channel 5; another while it plays: channel 6.
  SFX_Play(5);
  EXPECT_EQ(Ch(5).bank, SndGetBank(EffectsBank));
  EXPECT_EQ(Ch(5).sample, 4u);
  EXPECT_EQ(Ch(6).bank, nullptr);
  PlatVirtualAdvance(1);
  SFX_Play(5);
  EXPECT_EQ(Ch(6).bank, SndGetBank(EffectsBank));
  SFX_Play(15);
  EXPECT_EQ(Ch(7).bank, SndGetBank(CrowdBank));
  EXPECT_EQ(Ch(7).sample, 29u);
  SFX_Uninit();
  for (int c = 0; c < 8; ++c) EXPECT_EQ(Ch(c).bank, nullptr) << c;
  for (uint32_t n = 0; n < 32; ++n) EXPECT_EQ(SndGetBank(EffectsBank)->table[n].data, nullptr) << n;
  for (uint32_t n = 0; n < 15; ++n) EXPECT_EQ(SndGetBank(CrowdAmbienceBank)->table[n].data, nullptr) << n;
}

}  // namespace
