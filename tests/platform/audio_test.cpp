// The channel buffers and the mixer: gain, pan, rate stepping, saturation,
// locks that wrap, positions, and the memory output on the virtual clock.
#include <cstring>
#include <vector>

#include "support/engine_fixture.h"

namespace {

class AudioTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    PlatSoundUseMemoryOutput(true);
    ASSERT_EQ(PlatSoundCreate(&sound_), PLAT_OK);
    ASSERT_EQ(PlatSoundInitialize(sound_), PLAT_OK);
  }

  PlatSoundBuffer* Buffer(const std::vector<uint8_t>& bytes, uint32_t rate = 44100) {
    PlatSoundBufferDesc desc{};
    desc.flags = PLAT_SBCAPS_CTRLVOLUME | PLAT_SBCAPS_CTRLPAN | PLAT_SBCAPS_CTRLFREQUENCY;
    desc.bytes = static_cast<uint32_t>(bytes.size());
    desc.format = {1, 1, rate, rate, 1, 8};
    PlatSoundBuffer* b = nullptr;
    EXPECT_EQ(PlatSoundCreateBuffer(sound_, desc, &b), PLAT_OK);
    Write(b, 0, bytes);
    return b;
  }

  static void Write(PlatSoundBuffer* b, uint32_t offset, const std::vector<uint8_t>& bytes) {
    void *p1 = nullptr, *p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    ASSERT_EQ(PlatSoundBufferLock(b, offset, static_cast<uint32_t>(bytes.size()), &p1, &n1, &p2, &n2), PLAT_OK);
    std::memcpy(p1, bytes.data(), n1);
    if (n2) std::memcpy(p2, bytes.data() + n1, n2);
    ASSERT_EQ(PlatSoundBufferUnlock(b, p1, n1, p2, n2), PLAT_OK);
  }

  static std::vector<uint8_t> Read(PlatSoundBuffer* b, uint32_t offset, uint32_t bytes) {
    void *p1 = nullptr, *p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    EXPECT_EQ(PlatSoundBufferLock(b, offset, bytes, &p1, &n1, &p2, &n2), PLAT_OK);
    std::vector<uint8_t> out(static_cast<uint8_t*>(p1), static_cast<uint8_t*>(p1) + n1);
    if (n2) out.insert(out.end(), static_cast<uint8_t*>(p2), static_cast<uint8_t*>(p2) + n2);
    EXPECT_EQ(PlatSoundBufferUnlock(b, p1, n1, p2, n2), PLAT_OK);
    return out;
  }

  static std::vector<int16_t> Mix(uint32_t frames) {
    std::vector<int16_t> out(frames * 2);
    PlatSoundMix(out.data(), frames);
    return out;
  }

  PlatSound* sound_ = nullptr;
};

std::vector<uint8_t> Ramp(size_t n) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 37 + 5);
  return v;
}

TEST_F(AudioTest, OneChannelAtFullVolumeCentreIsTheSampleScaled) {
  std::vector<uint8_t> bytes = Ramp(1000);
  PlatSoundBuffer* b = Buffer(bytes);
  ASSERT_EQ(PlatSoundBufferPlay(b, false), PLAT_OK);
  std::vector<int16_t> out = Mix(1200);
  for (size_t i = 0; i < 1000; ++i) {
    ASSERT_EQ(out[2 * i], (bytes[i] - 128) * 256) << i;
    ASSERT_EQ(out[2 * i + 1], (bytes[i] - 128) * 256) << i;
  }
  // A one-shot stops at its end, rewound; what follows is silence.
  for (size_t i = 2000; i < out.size(); ++i) ASSERT_EQ(out[i], 0);
  EXPECT_FALSE(PlatSoundBufferPlaying(b));
  uint32_t play = 1, write = 1;
  ASSERT_EQ(PlatSoundBufferGetPosition(b, &play, &write), PLAT_OK);
  EXPECT_EQ(play, 0u);
  EXPECT_EQ(write, 0u);
}

TEST_F(AudioTest, VolumeAndPanAttenuateEachSide) {
  const struct {
    int32_t volume, pan;
    uint32_t left, right;  // 16.16 gains
  } cases[] = {
      {0, 0, 65536, 65536},
      {-600, 0, PlatSoundGain(-600), PlatSoundGain(-600)},
      {0, 10000, 0, 65536},
      {0, -10000, 65536, 0},
      {0, 2000, PlatSoundGain(-2000), 65536},
      {-1000, -1000, PlatSoundGain(-1000), PlatSoundGain(-2000)},
      {-10000, 0, 0, 0},
  };
  EXPECT_EQ(PlatSoundGain(-2000), 6554u);  // 20 dB down is a tenth
  EXPECT_EQ(PlatSoundGain(-10000), 0u);
  for (const auto& c : cases) {
    PlatSoundReset();
    SetUp();
    PlatSoundBuffer* b = Buffer(std::vector<uint8_t>(100, 255));
    ASSERT_EQ(PlatSoundBufferSetVolume(b, c.volume), PLAT_OK);
    ASSERT_EQ(PlatSoundBufferSetPan(b, c.pan), PLAT_OK);
    ASSERT_EQ(PlatSoundBufferPlay(b, true), PLAT_OK);
    std::vector<int16_t> out = Mix(10);
    const int64_t s = 127 * 256;
    EXPECT_EQ(out[0], static_cast<int16_t>((s * c.left) >> 16)) << c.volume << " " << c.pan;
    EXPECT_EQ(out[1], static_cast<int16_t>((s * c.right) >> 16)) << c.volume << " " << c.pan;
  }
  PlatSoundBuffer* b = Buffer(std::vector<uint8_t>(100, 128));
  EXPECT_EQ(PlatSoundBufferSetVolume(b, 1), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(PlatSoundBufferSetPan(b, 10001), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(PlatSoundBufferSetFrequency(b, 99), PLATERR_INVALIDPARAMS);
}

TEST_F(AudioTest, RateStepsThroughTheRing) {
  std::vector<uint8_t> bytes = Ramp(64);
  const struct {
    uint32_t rate;
    double step;  // ring bytes per output frame
  } cases[] = {{22050, 0.5}, {11025, 0.25}, {88200, 2.0}, {44100, 1.0}};
  for (const auto& c : cases) {
    PlatSoundReset();
    SetUp();
    PlatSoundBuffer* b = Buffer(bytes, c.rate);
    ASSERT_EQ(PlatSoundBufferPlay(b, true), PLAT_OK);
    std::vector<int16_t> out = Mix(100);
    for (int i = 0; i < 100; ++i) {
      size_t at = static_cast<size_t>(i * c.step) % bytes.size();
      ASSERT_EQ(out[2 * i], (bytes[at] - 128) * 256) << c.rate << " frame " << i;
    }
  }
}

TEST_F(AudioTest, TheSumSaturates) {
  PlatSoundBuffer* a = Buffer(std::vector<uint8_t>(50, 255));
  PlatSoundBuffer* b = Buffer(std::vector<uint8_t>(50, 255));
  PlatSoundBuffer* c = Buffer(std::vector<uint8_t>(50, 0));
  PlatSoundBuffer* d = Buffer(std::vector<uint8_t>(50, 0));
  PlatSoundBufferSetPan(c, 10000);  // c and d on the right only
  PlatSoundBufferSetPan(d, 10000);
  PlatSoundBufferSetPan(a, -10000);  // a and b on the left only
  PlatSoundBufferSetPan(b, -10000);
  for (PlatSoundBuffer* x : {a, b, c, d}) PlatSoundBufferPlay(x, true);
  std::vector<int16_t> out = Mix(20);
  EXPECT_EQ(out[0], 32767);
  EXPECT_EQ(out[1], -32768);
}

TEST_F(AudioTest, LocksWrapInTwoPartsAndPositionsFollowPlay) {
  PlatSoundBuffer* b = Buffer(std::vector<uint8_t>(1000, 0x80));
  void *p1 = nullptr, *p2 = nullptr;
  uint32_t n1 = 0, n2 = 0;
  ASSERT_EQ(PlatSoundBufferLock(b, 900, 300, &p1, &n1, &p2, &n2), PLAT_OK);
  EXPECT_EQ(n1, 100u);
  EXPECT_EQ(n2, 200u);
  ASSERT_NE(p2, nullptr);
  std::memset(p1, 1, n1);
  std::memset(p2, 2, n2);
  ASSERT_EQ(PlatSoundBufferUnlock(b, p1, n1, p2, n2), PLAT_OK);
  std::vector<uint8_t> ring = Read(b, 0, 1000);
  EXPECT_EQ(ring[899], 0x80);
  EXPECT_EQ(ring[900], 1);
  EXPECT_EQ(ring[999], 1);
  EXPECT_EQ(ring[0], 2);
  EXPECT_EQ(ring[199], 2);
  EXPECT_EQ(ring[200], 0x80);
  // Bad ranges are refused.
  EXPECT_EQ(PlatSoundBufferLock(b, 1000, 1, &p1, &n1, &p2, &n2), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(PlatSoundBufferLock(b, 0, 1001, &p1, &n1, &p2, &n2), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(PlatSoundBufferLock(b, 0, 0, &p1, &n1, &p2, &n2), PLATERR_INVALIDPARAMS);
  EXPECT_EQ(PlatSoundBufferUnlock(b, p1, 1, nullptr, 0), PLATERR_NOTLOCKED);

  uint32_t play = 9, write = 9;
  PlatSoundBufferGetPosition(b, &play, &write);
  EXPECT_EQ(play, 0u);
  EXPECT_EQ(write, 0u);
  PlatSoundBufferPlay(b, true);
  Mix(300);
  PlatSoundBufferGetPosition(b, &play, &write);
  EXPECT_EQ(play, 300u);
  EXPECT_EQ(write, 741u);  // 10 ms ahead at 44,100 Hz
  PlatSoundBufferStop(b);
  PlatSoundBufferGetPosition(b, &play, &write);
  EXPECT_EQ(play, 300u);
  EXPECT_EQ(write, 300u);
}

TEST_F(AudioTest, PrimaryFormatReadsBackWhatTheMixerMakes) {
  PlatSoundBufferDesc desc{};
  desc.flags = PLAT_SBCAPS_PRIMARY;
  PlatSoundBuffer* primary = nullptr;
  ASSERT_EQ(PlatSoundCreateBuffer(sound_, desc, &primary), PLAT_OK);
  ASSERT_EQ(PlatSoundBufferSetFormat(primary, {1, 1, 22050, 22050, 1, 8}), PLAT_OK);
  PlatWaveFormat got{};
  ASSERT_EQ(PlatSoundBufferGetFormat(primary, &got), PLAT_OK);
  EXPECT_EQ(got.samplesPerSec, 44100u);
  EXPECT_EQ(got.bitsPerSample, 16);
  EXPECT_EQ(got.channels, 2);
  EXPECT_EQ(PlatSoundBufferAddRef(primary), 2u);
  EXPECT_EQ(PlatSoundBufferRelease(primary), 1u);
  EXPECT_EQ(PlatSoundBufferRelease(primary), 0u);
  // A stereo or 16-bit channel buffer is not made.
  desc = {};
  desc.bytes = 100;
  desc.format = {1, 2, 44100, 88200, 2, 8};
  PlatSoundBuffer* b = nullptr;
  EXPECT_EQ(PlatSoundCreateBuffer(sound_, desc, &b), PLATERR_BADFORMAT);
  desc.format = {1, 1, 44100, 88200, 2, 16};
  EXPECT_EQ(PlatSoundCreateBuffer(sound_, desc, &b), PLATERR_BADFORMAT);
}

TEST_F(AudioTest, MemoryOutputMixes441FramesAVirtualTick) {
  std::vector<uint8_t> bytes = Ramp(2000);
  PlatSoundBuffer* b = Buffer(bytes);
  PlatSoundMemoryCapture(true);
  PlatSoundBufferPlay(b, true);
  PlatVirtualAdvance(3);
  std::vector<int16_t> got = PlatSoundMemoryTake();
  ASSERT_EQ(got.size(), 3u * 441 * 2);
  EXPECT_EQ(PlatSoundMemoryFrames(), 3u * 441);
  for (size_t i = 0; i < 3 * 441; ++i) ASSERT_EQ(got[2 * i], (bytes[i % 2000] - 128) * 256);
}

TEST(AudioOutput, NoDeviceMeansNoDriver) {
  ResetEngine();
  PlatSound* sound = nullptr;
  ASSERT_EQ(PlatSoundCreate(&sound), PLAT_OK);
  EXPECT_EQ(PlatSoundInitialize(sound), PLATERR_NODRIVER);  // headless: no device
  PlatSoundBufferDesc desc{};
  desc.flags = PLAT_SBCAPS_PRIMARY;
  PlatSoundBuffer* b = nullptr;
  EXPECT_EQ(PlatSoundCreateBuffer(sound, desc, &b), PLATERR_NOTINITIALIZED);
  EXPECT_EQ(PlatSoundRelease(sound), 0u);
  ResetEngine();
}

}  // namespace
