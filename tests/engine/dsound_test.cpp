// The DirectSound layer: volume and pan figures, start-up with and without an
// output, channel buffers, and its aborts.
#include "engine/dsound.h"

#include <cstring>

#include "support/engine_fixture.h"

namespace {

class DSoundTest : public EngineTest {};

TEST_F(DSoundTest, VolumeAndPanFigures) {
  const struct {
    int volume;
    int32_t attenuation;
  } volumes[] = {{100, 0}, {50, -1000}, {25, -2000}, {1, -6643}, {0, -10000}, {-5, -10000}, {200, 0}, {99, -14}};
  for (const auto& v : volumes) EXPECT_EQ(DSoundVolumeToAttenuation(v.volume), v.attenuation) << v.volume;
  const struct {
    int pan;
    int32_t device;
  } pans[] = {{-100, -10000}, {0, 0}, {100, 10000}, {37, 3700}, {-1, -100}};
  for (const auto& p : pans) EXPECT_EQ(DSoundPanToDevice(p.pan), p.device) << p.pan;
}

TEST_F(DSoundTest, NoOutputMeansNoSound) {
  EXPECT_EQ(DSoundInit(), 0);
  EXPECT_EQ(DSoundInfo.lpDS, nullptr);
  EXPECT_EQ(OnExitCount(), 0);
}

TEST_F(DSoundTest, StartsChannelsAndStopsInOrder) {
  PlatSoundUseMemoryOutput(true);
  SetDebugLevel(DEBUG_SOUND, 80);
  testing::internal::CaptureStdout();
  ASSERT_EQ(DSoundInit(), 1);
  std::string log = testing::internal::GetCapturedStdout();
  EXPECT_NE(log.find("DSoundInit(): requesting 44100Hz, 16 bit, 2 chans\n"), std::string::npos);
  EXPECT_NE(log.find("DSoundInit(): got 44100Hz, 16 bit, 2 chans\n"), std::string::npos);
  DSoundInitChans(3, 8192);
  EXPECT_EQ(DSoundInfo.channelCount, 3);
  EXPECT_EQ(PlatSoundLiveBuffers(), 4);  // the primary and three channels
  EXPECT_STREQ(OnExitName(OnExitCount() - 1), "DSoundUninitChans()");

  uint8_t* p = static_cast<uint8_t*>(DSoundLockChannel(1, 8000, 192));
  std::memset(p, 7, 192);
  DSoundUnlockChannel(1);
  uint32_t play = 1, write = 1;
  DSoundGetChanOffset(1, &play, &write);
  EXPECT_EQ(play, 0u);
  EXPECT_EQ(write, 0u);
  DSoundSetChannelFrequency(1, 22050);
  DSoundSetChannelVolume(1, 50);
  DSoundSetChannelPan(1, -100);
  DSoundPlayChannel(1, 1);
  PlatVirtualAdvance(1);
  DSoundGetChanOffset(1, &play, &write);
  EXPECT_EQ(play, 220u);  // 441 frames at half the rate
  EXPECT_GT(write, play);
  DSoundStopChannel(1);
  DSoundGetChanOffset(1, &play, &write);
  EXPECT_EQ(play, 0u);
  EXPECT_EQ(write, 0u);

  DSoundUninitChans();
  DSoundUninit();
  EXPECT_EQ(PlatSoundLiveBuffers(), 0);
  EXPECT_EQ(OnExitCount(), 0);
}

TEST_F(DSoundTest, MisuseAborts) {
  PlatSoundUseMemoryOutput(true);
  EXPECT_FATAL(DSoundUninit(), "DSoundUninit\\(\\): not initialised");
  EXPECT_FATAL(DSoundInitChans(2, 8192), "DSoundInitChans\\(\\): not initialised");
  EXPECT_FATAL(DSoundUninitChans(), "DSoundUninitChans\\(\\): not initialised");
  const struct {
    void (*call)();
    const char* message;
  } notInitialised[] = {
      {[] { DSoundSetChannelPan(0, 0); }, "DSoundSetChannelPan\\(\\): not initialised"},
      {[] { DSoundSetChannelVolume(0, 0); }, "DSoundSetChannelVolume\\(\\): not initialised"},
      {[] { DSoundSetChannelFrequency(0, 22050); }, "DSoundSetChannelFrequency\\(\\): not initialised"},
      {[] { DSoundStopChannel(0); }, "DSoundStopChannel\\(\\): not initialised"},
      {[] { DSoundPlayChannel(0, 0); }, "DSoundPlayChannel\\(\\): not initialised"},
      {[] { DSoundUnlockChannel(0); }, "DSoundUnlockChannel\\(\\): not initialised"},
      {[] { DSoundLockChannel(0, 0, 1); }, "DSoundLockChannel\\(\\): not initialised"},
  };
  for (const auto& c : notInitialised) EXPECT_FATAL(c.call(), c.message);

  ASSERT_EQ(DSoundInit(), 1);
  EXPECT_FATAL(DSoundInit(), "DSoundInit\\(\\): already initialised");
  DSoundInitChans(1, 16384);
  EXPECT_FATAL(DSoundInitChans(1, 8192), "DSoundInitChans\\(\\): already initialised");
  EXPECT_FATAL(DSoundUninit(), "DSoundUninit\\(\\): channels not released");
  // Callers never lock across the end of the ring.
  EXPECT_FATAL(DSoundLockChannel(0, 16000, 8192), "DSoundLockChannel\\(\\): failed to lock requested byte count");
  EXPECT_FATAL(DSoundPlayChannel(1, 0), "DSoundPlayChannel\\(\\): invalid channel 1");
  DSoundUninitChans();
  DSoundUninit();
}

}  // namespace
