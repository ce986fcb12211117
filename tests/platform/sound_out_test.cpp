// GAFFERON_SOUND_OUT: its value read, and the memory output's WAV of the
// first seconds, closed with its header right when they are written, on the
// virtual clock and on the real one.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "engine/bytes.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

TEST(SoundOutTest, TheValueIsAFileAndPositiveSeconds) {
  struct Case {
    const char* text;
    bool ok;
    const char* path;
    uint64_t frames;
  };
  const Case cases[] = {
      {"match.wav:120", true, "match.wav", 120 * 44100},
      {"out/a.wav:0.5", true, "out/a.wav", 22050},
      {"c:/x.wav:2", true, "c:/x.wav", 88200},  // the last colon splits
      {"m.wav:1e1", true, "m.wav", 441000},
      {"m.wav:86400", true, "m.wav", 86400ull * 44100},
      {"match.wav", false, "", 0},
      {"match.wav:", false, "", 0},
      {":5", false, "", 0},
      {"match.wav:0", false, "", 0},
      {"match.wav:-3", false, "", 0},
      {"match.wav:ten", false, "", 0},
      {"match.wav:5s", false, "", 0},
      {"match.wav:nan", false, "", 0},
      {"match.wav:inf", false, "", 0},
      {"match.wav:86401", false, "", 0},
      {"match.wav:0.00001", false, "", 0},
      {"", false, "", 0},
  };
  for (const Case& c : cases) {
    std::string path = "untouched", error;
    uint64_t frames = 7;
    EXPECT_EQ(PlatParseSoundOut(c.text, &path, &frames, &error), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(path, c.path) << c.text;
      EXPECT_EQ(frames, c.frames) << c.text;
      EXPECT_TRUE(error.empty()) << c.text;
    } else {
      EXPECT_EQ(path, "untouched") << c.text;
      EXPECT_FALSE(error.empty()) << c.text;
    }
  }
  std::string path, error;
  uint64_t frames = 0;
  PlatParseSoundOut("match.wav", &path, &frames, &error);
  EXPECT_NE(error.find("no colon"), std::string::npos) << error;
  PlatParseSoundOut("match.wav:-1", &path, &frames, &error);
  EXPECT_NE(error.find("positive number"), std::string::npos) << error;
}

std::vector<uint8_t> ReadFile(const char* path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void ExpectWavOf(const std::vector<uint8_t>& wav, uint64_t frames) {
  ASSERT_EQ(wav.size(), 44 + frames * 4);
  EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
  EXPECT_EQ(LoadU32(wav.data() + 4), 36 + frames * 4);
  EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(LoadU16(wav.data() + 22), 2);       // stereo
  EXPECT_EQ(LoadU32(wav.data() + 24), 44100u);  // frames per second
  EXPECT_EQ(LoadU16(wav.data() + 34), 16);      // bits
  EXPECT_EQ(LoadU32(wav.data() + 40), frames * 4);
}

class SoundOutFileTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    dir_.emplace("sound_out");
  }
  void TearDown() override {
    dir_.reset();
    EngineTest::TearDown();
  }
  // A sound object on the memory output with one playing buffer of a tone.
  void Open() {
    PlatSoundUseMemoryOutput(true);
    ASSERT_EQ(PlatSoundCreate(&sound_), PLAT_OK);
    ASSERT_EQ(PlatSoundInitialize(sound_), PLAT_OK);
    PlatSoundBufferDesc desc{};
    desc.flags = PLAT_SBCAPS_CTRLVOLUME;
    desc.bytes = 4410;
    desc.format = {1, 1, 44100, 44100, 1, 8};
    ASSERT_EQ(PlatSoundCreateBuffer(sound_, desc, &buffer_), PLAT_OK);
    void *p1 = nullptr, *p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    ASSERT_EQ(PlatSoundBufferLock(buffer_, 0, 4410, &p1, &n1, &p2, &n2), PLAT_OK);
    for (uint32_t i = 0; i < n1; ++i) static_cast<uint8_t*>(p1)[i] = static_cast<uint8_t>(128 + (i % 20) * 4);
    ASSERT_EQ(PlatSoundBufferUnlock(buffer_, p1, n1, p2, n2), PLAT_OK);
    ASSERT_EQ(PlatSoundBufferPlay(buffer_, true), PLAT_OK);
  }
  std::optional<ScratchDir> dir_;
  PlatSound* sound_ = nullptr;
  PlatSoundBuffer* buffer_ = nullptr;
};

TEST_F(SoundOutFileTest, TheFileClosesWhenItsSecondsAreWritten) {
  ASSERT_TRUE(PlatSoundMemoryWav("out.wav", 1000));  // 2 ticks and 118 frames
  EXPECT_TRUE(PlatSoundMemoryWavOpen());
  Open();
  PlatVirtualAdvance(2);
  EXPECT_TRUE(PlatSoundMemoryWavOpen());
  PlatVirtualAdvance(1);
  EXPECT_FALSE(PlatSoundMemoryWavOpen());
  PlatVirtualAdvance(50);  // the mix goes on, the file does not grow
  EXPECT_EQ(PlatSoundMemoryFrames(), 53u * 441);
  const std::vector<uint8_t> wav = ReadFile("out.wav");
  ExpectWavOf(wav, 1000);
  int loud = 0;
  for (size_t i = 44; i < wav.size(); i += 2) loud += LoadI16(wav.data() + i) != 0;
  EXPECT_GT(loud, 1500);
}

TEST_F(SoundOutFileTest, AShorterRunGetsItsHeaderAtTheEnd) {
  ASSERT_TRUE(PlatSoundMemoryWav("out.wav", 44100));
  Open();
  PlatVirtualAdvance(10);
  PlatSoundMemoryWav(nullptr);  // the program ends first
  ExpectWavOf(ReadFile("out.wav"), 4410);
}

TEST_F(SoundOutFileTest, TheRealClocksTimerDrivesTheMemoryOutput) {
  PlatUseVirtualClock(false);
  ASSERT_TRUE(PlatSoundMemoryWav("out.wav", 441 * 5));
  Open();
  ASSERT_TRUE(PlatTimerStart(10, [] {}));
  for (int i = 0; i < 300 && PlatSoundMemoryWavOpen(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  PlatTimerStop();
  EXPECT_FALSE(PlatSoundMemoryWavOpen());
  ExpectWavOf(ReadFile("out.wav"), 441 * 5);
  PlatUseVirtualClock(true);
}

}  // namespace
