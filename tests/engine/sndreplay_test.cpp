// The driver's call log: each call that changes the mix written once, with
// its ticks; read back and replayed, it makes the same mix byte for byte.
#include "engine/sndreplay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/pakwrite.h"
#include "engine/sound.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Wav(const Bytes& data, uint32_t rate, bool loops) {
  Bytes f;
  auto put = [&f](const void* p, size_t n) {
    for (size_t i = 0; i < n; ++i) f.push_back(static_cast<const uint8_t*>(p)[i]);
  };
  auto word = [&f](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) f.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put("RIFF", 4);
  word(0, 4);
  put("WAVEfmt ", 8);
  word(16, 4);
  word(1, 2), word(1, 2), word(rate, 4), word(rate, 4), word(1, 2), word(8, 2);
  put("vELk", 4);
  word(16, 4);
  word(loops ? 1 : 0, 4), word(0, 4), word(0, 4), word(0, 4);
  put("data", 4);
  word(static_cast<uint32_t>(data.size()), 4);
  put(data.data(), data.size());
  if (data.size() & 1) f.push_back(0);
  StoreU32(f.data() + 4, static_cast<uint32_t>(f.size() - 8));
  return f;
}

Bytes Noise(size_t n, uint32_t seed) {
  Bytes b(n);
  std::mt19937 rng(seed);
  for (auto& x : b) x = static_cast<uint8_t>(rng() % 200 + 28);
  return b;
}

const char* const kFiles[] = {"s\\a.wav", "s\\b.wav", "s\\c.wav"};

Bytes ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

class SndReplayTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    dir_ = std::make_unique<ScratchDir>("sndreplay");
    std::string error;
    ASSERT_TRUE(PakWriteFiles("test",
                              {{"S\\A.WAV", Wav(Noise(30000, 1), 22050, false)},
                               {"S\\B.WAV", Wav(Noise(7000, 2), 44100, true)},
                               {"S\\C.WAV", Wav(Noise(90000, 3), 44100, false)}},
                              PAK_STORE_AUTO, nullptr, &error))
        << error;
  }
  void TearDown() override {
    dir_.reset();
    EngineTest::TearDown();
  }

  // The driver on the memory output, its mix going to `wav`, and the two
  // banks every run adds (a spooled one and one held in memory).
  void Start(const char* wav, uint64_t frames) {
    InitMemory(8000);
    PakFileInit();
    PakFileAdd("test");
    PakFileAddDone();
    StartWindowAndTimer();
    InitPoll();
    PlatSoundUseMemoryOutput(true);
    ASSERT_TRUE(PlatSoundMemoryWav(wav, frames));
    PlatVirtualAdvance(7);  // the driver starts some ticks after the program
    SndInit();
    ASSERT_EQ(SndAddSoundBank({kFiles, 3, 3, 0x111}), 0);
    ASSERT_EQ(SndAddSoundBank({kFiles, 3, 3, 0x211}), 1);
  }

  static void Ticks(int n, std::mt19937& rng, bool polls) {
    for (int i = 0; i < n; ++i) {
      PlatVirtualAdvance(1);
      if (polls && rng() % 3 == 0) Poll();  // the game polls when its frames let it
    }
  }

  // A run of the game's kind of calls: channels, loads, plays on given and
  // free channels, volumes, pans, a frequency, stops, refills at uneven
  // times, and the end.
  static void Script(uint32_t seed) {
    std::mt19937 rng(seed);
    SndSetActiveChannels(8);
    Ticks(3, rng, true);
    SndLoad(1, 1);
    SndPlay(1, 1, 0, 60, -100);  // a loop
    SndPlay(0, 0, -1, 100, 0);   // a one-shot on a free channel
    Ticks(40, rng, true);
    SndPlay(0, 2, 5, 80, 30);
    SndSetChannelVolume(0, 35);
    Ticks(25, rng, false);  // no poll for a while
    SndSetChannelPan(5, -60);
    Ticks(90, rng, true);
    SndSetChannelFrequency(0, 16000);
    SndPlay(0, 0, 5, 70, 0);  // replaces what channel 5 played
    Ticks(130, rng, true);
    SndStop(0);
    SndLoad(1, -1);
    SndPlay(1, 1, 7, 90, 10);  // the loop again, longer than its ring
    Ticks(400, rng, true);
    SndStop(-1);
    SndClearActiveChannels();
    SndUnload(1, -1);
    SndRemoveSoundBank(0);
    SndRemoveSoundBank(1);
    Ticks(5, rng, false);
    SndUninit();
  }

  std::unique_ptr<ScratchDir> dir_;
};

TEST_F(SndReplayTest, TheLoggedCallsReplayedGiveTheSameMix) {
  const uint64_t frames = 44100 * 10;  // past the driver's end: the file stops there
  SetDebugLevel(DEBUG_SFX, 20);
  testing::internal::CaptureStdout();
  Start("game.wav", frames);
  Script(7);
  const std::string log = testing::internal::GetCapturedStdout();
  ASSERT_TRUE(PlatSoundMemoryWav(nullptr));
  const Bytes game = ReadFile("game.wav");

  std::vector<SndLogCall> calls;
  std::string error;
  ASSERT_TRUE(SndParseLog(log, &calls, &error)) << error;
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().op, "init");
  EXPECT_EQ(calls.back().op, "uninit");
  int plays = 0, refills = 0;
  for (const SndLogCall& c : calls) {
    plays += c.op == "play";
    refills += c.op == "refill";
    // The stop and volume a play makes on the way are not logged again.
    if (c.op == "stop") {
      EXPECT_TRUE(c.args[0] == 0 || c.args[0] == -1) << c.line;
    }
  }
  EXPECT_EQ(plays, 5);
  EXPECT_GT(refills, 20);

  // The run again from its log, in a fresh program.
  ResetEngine();
  SetDebugLevel(DEBUG_SFX, 0);
  Start("remix.wav", frames);
  bool ended = false;
  ASSERT_TRUE(SndReplayLog(calls, PlatRawTicks(), &ended, &error)) << error;
  EXPECT_TRUE(ended);
  ASSERT_TRUE(PlatSoundMemoryWav(nullptr));
  SndUninit();
  const Bytes remix = ReadFile("remix.wav");

  ASSERT_GT(game.size(), 44u + 4 * 44100);  // seconds of sound, not an empty file
  int loud = 0;
  for (size_t i = 44; i + 1 < game.size(); i += 2) loud += LoadI16(game.data() + i) != 0;
  EXPECT_GT(loud, 44100);
  EXPECT_EQ(LoadU32(game.data() + 40) + 44, game.size());
  ASSERT_EQ(remix.size(), game.size());
  EXPECT_TRUE(remix == game);
}

TEST_F(SndReplayTest, WithoutItsRefillsTheReplayDiffers) {
  // The refills are part of the log because the ring is only as long as a
  // few seconds: a channel the poll does not refill in time plays old data.
  SetDebugLevel(DEBUG_SFX, 20);
  testing::internal::CaptureStdout();
  Start("game.wav", 44100 * 10);
  Script(11);
  const std::string log = testing::internal::GetCapturedStdout();
  ASSERT_TRUE(PlatSoundMemoryWav(nullptr));
  std::vector<SndLogCall> calls, noRefills;
  std::string error;
  ASSERT_TRUE(SndParseLog(log, &calls, &error)) << error;
  for (const SndLogCall& c : calls)
    if (c.op != "refill") noRefills.push_back(c);

  ResetEngine();
  SetDebugLevel(DEBUG_SFX, 0);
  Start("remix.wav", 44100 * 10);
  bool ended = false;
  ASSERT_TRUE(SndReplayLog(noRefills, PlatRawTicks(), &ended, &error)) << error;
  ASSERT_TRUE(PlatSoundMemoryWav(nullptr));
  SndUninit();
  EXPECT_NE(ReadFile("remix.wav"), ReadFile("game.wav"));
}

TEST(SndLogLineTest, DriverLinesAreReadAndOthersLeft) {
  struct Case {
    const char* line;
    bool driver;
    bool error;
    const char* op;
    size_t args;
  };
  const Case cases[] = {
      {"sfx: tick 12 clock 40 play 0 7 5 60 -3", true, false, "play", 5},
      {"sfx: tick 0 clock 0 init 1", true, false, "init", 1},
      {"sfx: tick 9 clock 9 refill", true, false, "refill", 0},
      {"sfx: tick 9 clock 9 stop -1", true, false, "stop", 1},
      {"sfx: SFX_Play kind 6 bank 0 sample 7 channel 5 volume 60 effects 6 speed 3", false, false, "", 0},
      {"presentation: something else", false, false, "", 0},
      {"sfx: tick 1 clock 2 play 0 7 5 60", false, true, "", 0},     // an argument short
      {"sfx: tick 1 clock 2 stop 1 2", false, true, "", 0},          // one too many
      {"sfx: tick 1 clock 2 shout 3", false, true, "", 0},           // unknown
      {"sfx: tick 1 clock 2 volume 1 loud", false, true, "", 0},     // not a number
      {"sfx: tick x clock 2 stop 1", false, true, "", 0},
      {"sfx: tick 1 clock 2", false, true, "", 0},
  };
  for (const Case& c : cases) {
    SndLogCall call;
    std::string error;
    EXPECT_EQ(SndParseLogLine(c.line, &call, &error), c.driver) << c.line;
    EXPECT_EQ(!error.empty(), c.error) << c.line;
    if (c.driver) {
      EXPECT_EQ(call.op, c.op);
      EXPECT_EQ(call.args.size(), c.args);
    }
  }
  std::vector<SndLogCall> calls;
  std::string error;
  EXPECT_FALSE(SndParseLog("x\nsfx: tick 1 clock 1 init 1\nsfx: tick 1 clock 2 pan 1\n", &calls, &error));
  EXPECT_NE(error.find("line 3"), std::string::npos) << error;
}

}  // namespace
