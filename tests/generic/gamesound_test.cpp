// The game's four sound banks over the built data set: every file's header,
// the loop bits, the banks as the game registers them, a cheer played
// through the driver, and sound switched off.
#include "generic/gamesound.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/sound.h"
#include "support/engine_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string DataSetPak() {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  const fs::path dir = bin != nullptr ? fs::path(bin) : fs::read_symlink("/proc/self/exe").parent_path().parent_path();
  return (dir / "game" / "pakfiles" / "hdcommon").string();
}

class GameSoundTest : public EngineTest {
 protected:
  void Start(bool sound) {
    InitMemory(16000);
    PakFileInit();
    PakFileAdd(DataSetPak().c_str());
    PakFileAddDone();
    StartWindowAndTimer();
    InitPoll();
    PlatSoundUseMemoryOutput(true);
    NoSoundMode = sound ? 0 : 1;
    GameSound_Init();
  }
  void Stop() {
    GameSound_Uninit();
    UninitPoll();
    ClearTimerInterrupt();
    PakFileUninit();
    UninitMemory();
  }
};

TEST_F(GameSoundTest, EveryGeneratedFileIsAGoodSample) {
  Start(true);
  ASSERT_TRUE(SndIsInitialised());
  EXPECT_EQ(EffectsBank, 0);
  EXPECT_EQ(CrowdAmbienceBank, 1);
  EXPECT_EQ(CrowdBank, 2);
  EXPECT_EQ(MusicBank, 3);
  const struct {
    int16_t key;
    uint32_t samples, type, rate;
  } banks[] = {{EffectsBank, 32, 0x221, 22050},
               {CrowdAmbienceBank, 15, 0x211, 22050},
               {CrowdBank, 85, 0x111, 22050},
               {MusicBank, 2, 0x111, 11025}};
  int loops = 0;
  uint64_t bytes = 0;
  for (const auto& b : banks) {
    const SndBank* bank = SndGetBank(b.key);
    ASSERT_EQ(bank->samples, b.samples);
    EXPECT_EQ(bank->type, b.type);
    for (uint32_t n = 0; n < b.samples; ++n) {
      const SndSample* s = GetSampInfo(b.key, static_cast<int>(n));
      EXPECT_EQ(s->sampleRate, b.rate) << GetSampFilename(b.key, static_cast<int>(n));
      EXPECT_GT(s->dataSize, 1000u) << GetSampFilename(b.key, static_cast<int>(n));
      bool loop = (s->flags & SND_FLAG_LOOP) != 0;
      bool wanted = b.key == CrowdAmbienceBank || b.key == MusicBank ||
                    (b.key == CrowdBank && GameSoundCrowdLoops(static_cast<int>(n)));
      EXPECT_EQ(loop, wanted) << GetSampFilename(b.key, static_cast<int>(n));
      loops += loop;
      bytes += s->dataSize;
    }
  }
  EXPECT_EQ(loops, 15 + 2 + 16);
  EXPECT_LE(bytes, 12u * 1024 * 1024);
  // The names the match reads by number.
  EXPECT_STREQ(GetSampFilename(CrowdBank, 16), "sound\\Crowd\\c_save1.wav");
  EXPECT_STREQ(GetSampFilename(CrowdBank, 29), "sound\\Crowd\\cheers2.wav");
  EXPECT_STREQ(GetSampFilename(CrowdBank, 55), "sound\\Crowd\\miss1.wav");
  EXPECT_STREQ(GetSampFilename(CrowdBank, 59), "sound\\Crowd\\miss6.wav");
  EXPECT_STREQ(GetSampFilename(CrowdBank, 71), "sound\\Crowd\\penwin1a.wav");
  EXPECT_STREQ(GetSampFilename(CrowdBank, 72), "sound\\Crowd\\polclap1.wav");
  EXPECT_STREQ(GetSampFilename(CrowdAmbienceBank, 14), "sound\\precrowd\\sparsec4.wav");
  EXPECT_STREQ(GetSampFilename(EffectsBank, 27), "sound\\ingame\\000027.wav");
  Stop();
}

// One channel at volume 100, pan 0: the mix is the sample expanded to
// 44,100 Hz stereo ((s - 128) x 256, each byte twice), then silence.
TEST_F(GameSoundTest, ACheerPlaysAsTheSampleExpandedThenSilence) {
  Start(true);
  SndSetActiveChannels(8);
  PlatSoundMemoryCapture(true);
  ASSERT_EQ(SndPlay(CrowdBank, 29, -1, 100, 0), 0);
  const SndSample* s = GetSampInfo(CrowdBank, 29);
  std::vector<uint8_t> data(s->dataSize);
  PakFileEntry* f = PakOpenFile(GetSampFilename(CrowdBank, 29));
  PakReadFile(data.data(), s->dataOffset, s->dataSize, f);
  PakCloseFile(f);
  for (int tick = 0; tick < 300; ++tick) {
    PlatVirtualAdvance(1);
    Poll();
  }
  std::vector<int16_t> mix = PlatSoundMemoryTake();
  ASSERT_EQ(mix.size(), 300u * 441 * 2);
  ASSERT_LT(data.size() * 2, mix.size() / 2);
  for (size_t k = 0; k < mix.size() / 2; ++k) {
    const int16_t want = k < data.size() * 2 ? static_cast<int16_t>((data[k / 2] - 128) * 256) : 0;
    ASSERT_EQ(mix[2 * k], want) << "frame " << k;
    ASSERT_EQ(mix[2 * k + 1], want) << "frame " << k;
  }
  EXPECT_EQ(SndIsChannelFree(0), 1);
  SndClearActiveChannels();
  Stop();
}

TEST_F(GameSoundTest, WithSoundOffTheBanksAreNoOps) {
  Start(false);
  EXPECT_FALSE(SndIsInitialised());
  EXPECT_EQ(EffectsBank, -1);
  EXPECT_EQ(MusicBank, -1);
  EXPECT_EQ(SndPlay(CrowdBank, 29, -1, 100, 0), -1);
  Stop();
  EXPECT_EQ(PlatSoundLiveBuffers(), 0);
}

TEST_F(GameSoundTest, ShutdownLetsGoOfLoadedSamplesAndChannels) {
  Start(true);
  SndSetActiveChannels(4);
  SndLoad(EffectsBank, -1);
  SndPlay(EffectsBank, 30, 2, 80, 0);
  Stop();
  EXPECT_FALSE(SndIsInitialised());
  EXPECT_EQ(PlatSoundLiveBuffers(), 0);
  EXPECT_EQ(OnExitCount(), 0);
}

}  // namespace
