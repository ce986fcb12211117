// The sound driver: ring contents, refills, channels freed and kept, banks,
// WAV headers good and bad, and a driver without output.
#include "engine/sound.h"

#include <memory>
#include <random>
#include <string>
#include <cstring>
#include <vector>

#include "engine/bytes.h"
#include "engine/dsound.h"
#include "engine/pakwrite.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Chunk {
  std::string tag;
  Bytes body;
  int64_t size = -1;  // the size word, when not the body's size
};

Bytes Riff(const std::vector<Chunk>& chunks, int64_t riffDelta = 0, const char* form = "WAVE") {
  Bytes f;
  auto put = [&f](const void* p, size_t n) {
    for (size_t i = 0; i < n; ++i) f.push_back(static_cast<const uint8_t*>(p)[i]);
  };
  auto word = [&put](uint32_t v) {
    uint8_t b[4];
    StoreU32(b, v);
    put(b, 4);
  };
  put("RIFF", 4);
  word(0);
  put(form, 4);
  for (const Chunk& c : chunks) {
    put(c.tag.data(), 4);
    word(static_cast<uint32_t>(c.size >= 0 ? c.size : static_cast<int64_t>(c.body.size())));
    put(c.body.data(), c.body.size());
    if (c.body.size() & 1) f.push_back(0);
  }
  StoreU32(f.data() + 4, static_cast<uint32_t>(static_cast<int64_t>(f.size()) - 8 + riffDelta));
  return f;
}

Chunk Fmt(uint16_t tag = 1, uint16_t channels = 1, uint32_t rate = 22050, uint16_t bits = 8, size_t size = 16) {
  Bytes b(size, 0);
  if (size >= 16) {
    StoreU16(b.data(), tag);
    StoreU16(b.data() + 2, channels);
    StoreU32(b.data() + 4, rate);
    StoreU32(b.data() + 8, rate * channels * bits / 8);
    StoreU16(b.data() + 12, static_cast<uint16_t>(channels * bits / 8));
    StoreU16(b.data() + 14, bits);
  }
  return {"fmt ", b};
}

Chunk Velk(uint32_t flags, size_t size = 16) {
  Bytes b(size, 0);
  if (size >= 4) StoreU32(b.data(), flags);
  return {"vELk", b};
}

Bytes Samples(size_t n, uint32_t seed) {
  Bytes b(n);
  std::mt19937 rng(seed);
  for (auto& x : b) x = static_cast<uint8_t>(rng() % 250 + 3);  // never silence
  return b;
}

Bytes Wav(const Bytes& data, uint32_t rate, bool loops) {
  return Riff({Fmt(1, 1, rate), Velk(loops ? 1 : 0), {"data", data}});
}

// A reader over bytes in memory that notes any read outside them.
struct MemoryFile {
  const Bytes* bytes;
  bool outside = false;
};
bool ReadMemory(void* user, uint32_t offset, uint32_t n, void* out) {
  auto* f = static_cast<MemoryFile*>(user);
  if (static_cast<uint64_t>(offset) + n > f->bytes->size()) {
    f->outside = true;
    return false;
  }
  std::memcpy(out, f->bytes->data() + offset, n);
  return true;
}

const char* Decode(const Bytes& file, SndSample* out, bool* outside = nullptr) {
  MemoryFile f{&file};
  const char* error = SndDecodeWavHeader(ReadMemory, &f, static_cast<uint32_t>(file.size()), out);
  if (outside) *outside = f.outside;
  return error;
}

const char* const kFiles[] = {"s\\oneshot.wav", "s\\loop.wav", "s\\empty.wav", "s\\short.wav"};
const Bytes kOneShot = Samples(5000, 1);
const Bytes kLoop = Samples(3000, 2);
const Bytes kShort = Samples(700, 3);

class SoundTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    dir_ = std::make_unique<ScratchDir>("sound");
    InitMemory(8000);
  }
  void TearDown() override {
    dir_.reset();
    EngineTest::TearDown();
  }

  void OpenPak(std::vector<PakWriteItem> extra = {}) {
    std::vector<PakWriteItem> items = {
        {"S\\ONESHOT.WAV", Wav(kOneShot, 22050, false)},
        {"S\\LOOP.WAV", Wav(kLoop, 22050, true)},
        {"S\\EMPTY.WAV", Wav({}, 22050, true)},
        {"S\\SHORT.WAV", Wav(kShort, 44100, false)},
    };
    items.insert(items.end(), extra.begin(), extra.end());
    std::string error;
    ASSERT_TRUE(PakWriteFiles("test", items, PAK_STORE_AUTO, nullptr, &error)) << error;
    PakFileInit();
    PakFileAdd("test");
    PakFileAddDone();
  }

  void StartDriver(int channels, bool output = true) {
    StartWindowAndTimer();
    InitPoll();
    PlatSoundUseMemoryOutput(output);
    SndInit();
    if (channels) SndSetActiveChannels(channels);
  }

  int AddBank(uint32_t type = 0x111) { return SndAddSoundBank({kFiles, 4, 4, type}); }

  static void RunTicks(int n) {
    for (int i = 0; i < n; ++i) {
      PlatVirtualAdvance(1);
      Poll();
    }
  }

  static Bytes Ring(int channel) {
    uint32_t size = static_cast<uint32_t>(SndBlocksPerChannel()) * SND_BLOCK_BYTES;
    void *p1 = nullptr, *p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    EXPECT_EQ(PlatSoundBufferLock(DSoundInfo.channels[channel], 0, size, &p1, &n1, &p2, &n2), PLAT_OK);
    Bytes ring(static_cast<uint8_t*>(p1), static_cast<uint8_t*>(p1) + n1);
    PlatSoundBufferUnlock(DSoundInfo.channels[channel], p1, n1, p2, n2);
    return ring;
  }

  std::unique_ptr<ScratchDir> dir_;
};

TEST_F(SoundTest, RingSizesForOneToEightChannels) {
  OpenPak();
  StartDriver(0);
  const int blocks[] = {128, 64, 42, 32, 25, 21, 18, 16};
  for (int n = 1; n <= 8; ++n) {
    SndSetActiveChannels(n);
    EXPECT_EQ(SndBlocksPerChannel(), blocks[n - 1]) << n;
    EXPECT_EQ(DSoundInfo.channelCount, n);
    EXPECT_EQ(Ring(n - 1).size(), static_cast<size_t>(blocks[n - 1]) * 8192);
    SndClearActiveChannels();
  }
}

TEST_F(SoundTest, OneShotFillsItsBlockThenSilenceAndFreesItsChannel) {
  OpenPak();
  StartDriver(1);
  int bank = AddBank();
  ASSERT_EQ(SndPlay(bank, 0, -1, 100, 0), 0);
  Bytes ring = Ring(0);
  ASSERT_EQ(ring.size(), 128u * 8192);
  EXPECT_TRUE(std::equal(kOneShot.begin(), kOneShot.end(), ring.begin()));
  for (size_t i = 5000; i < ring.size(); ++i) ASSERT_EQ(ring[i], 0x80) << i;
  EXPECT_EQ(SndGetChannel(0)->endOffset, 5000u);
  EXPECT_EQ(SndGetChannel(0)->position, -1);

  RunTicks(20);  // 4,410 bytes played at 22,050 Hz
  EXPECT_NE(SndGetChannel(0)->bank, nullptr);
  EXPECT_EQ(SndIsChannelFree(0), 0);
  RunTicks(20);  // past offset 5,000
  EXPECT_EQ(SndGetChannel(0)->bank, nullptr);
  EXPECT_EQ(SndIsChannelFree(0), 1);
  EXPECT_EQ(SndFindIdleChannel(), 0);
}

TEST_F(SoundTest, LoopRepeatsFromItsStartAndNeverFrees) {
  OpenPak();
  StartDriver(8);
  int bank = AddBank();
  PlatSoundMemoryCapture(true);
  ASSERT_EQ(SndPlay(bank, 1, -1, 100, 0), 0);
  Bytes ring = Ring(0);
  ASSERT_EQ(ring.size(), 16u * 8192);
  for (size_t i = 0; i < ring.size(); ++i) ASSERT_EQ(ring[i], kLoop[i % 3000]) << i;
  // Block 0 holds 0-2999, 0-2999, 0-2191; block 1 starts at byte 2192.
  EXPECT_EQ(ring[8192], kLoop[2192]);

  RunTicks(2000);  // 20 s: the 6-second ring comes round three times
  EXPECT_NE(SndGetChannel(0)->bank, nullptr);
  EXPECT_NE(SndGetChannel(0)->position, -1);
  std::vector<int16_t> mix = PlatSoundMemoryTake();
  ASSERT_EQ(mix.size(), 2000u * 441 * 2);
  for (size_t k = 0; k < mix.size() / 2; ++k)
    ASSERT_EQ(mix[2 * k], (kLoop[(k / 2) % 3000] - 128) * 256) << "frame " << k;
}

TEST_F(SoundTest, AllChannelsBusyPlaysNothing) {
  OpenPak();
  StartDriver(2);
  int bank = AddBank();
  EXPECT_EQ(SndPlay(bank, 1, -1, 100, 0), 0);
  EXPECT_EQ(SndPlay(bank, 1, -1, 100, 0), 1);
  EXPECT_EQ(SndPlay(bank, 0, -1, 100, 0), -1);
  EXPECT_EQ(SndGetChannel(0)->sample, 1u);
  EXPECT_EQ(SndGetChannel(1)->sample, 1u);
  EXPECT_EQ(SndFindIdleChannel(), -1);
  // A channel named outright is taken over.
  EXPECT_EQ(SndPlay(bank, 3, 1, 100, 0), 1);
  EXPECT_EQ(SndGetChannel(1)->sample, 3u);
  SndStop(-1);
  EXPECT_EQ(SndIsChannelFree(0), 1);
  EXPECT_EQ(SndIsChannelFree(1), 1);
}

TEST_F(SoundTest, EmptyLoopIsSilenceThatEnds) {
  OpenPak();
  StartDriver(1);
  int bank = AddBank();
  ASSERT_EQ(SndPlay(bank, 2, -1, 100, 0), 0);
  Bytes ring = Ring(0);
  for (uint8_t b : ring) ASSERT_EQ(b, 0x80);
  RunTicks(30);
  EXPECT_EQ(SndGetChannel(0)->bank, nullptr);
}

TEST_F(SoundTest, RamBankPlaysFromMemoryOnceLoaded) {
  OpenPak();
  StartDriver(1);
  int bank = AddBank(0x211);
  EXPECT_FATAL(SndPlay(bank, 3, 0, 100, 0), "sound not loaded - use SndLoad\\(\\)");
  SndLoad(bank, 3);
  SndLoad(bank, 3);  // already loaded: left as it is
  ASSERT_NE(GetSampInfo(bank, 3)->data, nullptr);
  PlatSoundMemoryCapture(true);
  ASSERT_EQ(SndPlay(bank, 3, 0, 100, 0), 0);
  RunTicks(12);
  std::vector<int16_t> mix = PlatSoundMemoryTake();
  for (size_t k = 0; k < 700; ++k) ASSERT_EQ(mix[2 * k], (kShort[k] - 128) * 256) << k;
  for (size_t k = 700; k < mix.size() / 2; ++k) ASSERT_EQ(mix[2 * k], 0) << k;
  EXPECT_EQ(SndGetChannel(0)->bank, nullptr);
  EXPECT_FATAL(SndRemoveSoundBank(bank), "SndRemoveSoundBank\\(\\): sample 0:3 was not unloaded");
  SndUnload(bank, -1);
  EXPECT_EQ(GetSampInfo(bank, 3)->data, nullptr);
  SndRemoveSoundBank(bank);
  int spooled = AddBank(0x111);
  EXPECT_FATAL(SndLoad(spooled, 0), "SndLoad\\(\\): bank is wrong type for loading samples");
}

TEST_F(SoundTest, BanksFillThirtyTwoSlots) {
  OpenPak();
  StartDriver(0);
  for (int i = 0; i < SND_MAX_BANKS; ++i) ASSERT_EQ(AddBank(), i);
  EXPECT_FATAL(AddBank(), "SndAddSoundBank\\(\\): too many sound banks");
  SndRemoveSoundBank(7);
  EXPECT_FATAL(SndRemoveSoundBank(7), "SndRemoveSoundBank\\(\\): bank is already removed");
  EXPECT_FATAL(SndRemoveSoundBank(32), "SndRemoveSoundBank\\(\\): invalid bank key");
  EXPECT_EQ(AddBank(), 7);  // the first free slot
  const struct {
    uint32_t type;
    const char* message;
  } bad[] = {
      {0x112, "only sample sound banks supported in this version"},
      {0x131, "sample banks need a file list"},
      {0x311, "sample banks must be spooled or ram based"},
  };
  for (const auto& b : bad) EXPECT_FATAL(SndAddSoundBank({kFiles, 4, 4, b.type}), b.message);
}

TEST_F(SoundTest, FileNamesByListAndByFormat) {
  OpenPak();
  StartDriver(0);
  static const char* const kFormat[] = {"sound\\ingame\\%06d.wav"};
  int list = AddBank();
  int format = SndAddSoundBank({kFormat, 1, 32, 0x221});
  EXPECT_STREQ(GetSampFilename(list, 1), "s\\loop.wav");
  EXPECT_STREQ(GetSampFilename(format, 31), "sound\\ingame\\000031.wav");
  EXPECT_FATAL(GetSampFilename(format, 32), "GetSampFilename\\(\\): sample no 32 out of range");
  EXPECT_FATAL(GetSampInfo(list, 4), "GetSampInfo\\(\\): sample no 4 out of range");
}

TEST_F(SoundTest, RemovingABankStopsItsChannels) {
  OpenPak();
  StartDriver(2);
  int a = AddBank(), b = AddBank();
  SndPlay(a, 1, 0, 100, 0);
  SndPlay(b, 1, 1, 100, 0);
  SndRemoveSoundBank(a);
  EXPECT_EQ(SndGetChannel(0)->bank, nullptr);
  EXPECT_EQ(SndIsChannelFree(0), 1);
  EXPECT_NE(SndGetChannel(1)->bank, nullptr);
  RunTicks(50);  // the refill never reaches the removed table
  EXPECT_NE(SndGetChannel(1)->bank, nullptr);
}

TEST_F(SoundTest, BadChannelsAndKeysAbortClearly) {
  OpenPak();
  StartDriver(2);
  int bank = AddBank();
  const struct {
    void (*call)(int bank);
    const char* message;
  } cases[] = {
      {[](int k) { SndPlay(k, 0, 2, 100, 0); }, "SndPlay\\(\\): invalid channel 2"},
      {[](int k) { SndPlay(k, 0, -2, 100, 0); }, "SndPlay\\(\\): invalid channel -2"},
      {[](int) { SndPlay(9, 0, -1, 100, 0); }, "SndPlay\\(\\): bank 9 is not in use"},
      {[](int) { SndPlay(-1, 0, -1, 100, 0); }, "SndPlay\\(\\): invalid bank key -1"},
      {[](int) { SndStop(5); }, "SndStop\\(\\): invalid channel 5"},
      {[](int) { SndSetChannelVolume(2, 10); }, "SndSetChannelVolume\\(\\): invalid channel 2"},
      {[](int) { SndSetChannelPan(-1, 10); }, "SndSetChannelPan\\(\\): invalid channel -1"},
      {[](int) { SndSetChannelFrequency(8, 22050); }, "SndSetChannelFrequency\\(\\): invalid channel 8"},
      {[](int) { SndLoad(40, 0); }, "SndLoad\\(\\): invalid bank key 40"},
      {[](int k) { SndUnload(k + 1, 0); }, "SndUnload\\(\\): bank 1 is not in use"},
      {[](int) { SndSetActiveChannels(3); }, "SndSetActiveChannels\\(\\): already active"},
      {[](int) { SndInit(); }, "SndInit\\(\\): already initialised"},
  };
  for (const auto& c : cases) EXPECT_FATAL(c.call(bank), c.message);
  SndClearActiveChannels();
  EXPECT_FATAL(SndClearActiveChannels(), "SndClearActiveChannels\\(\\): not active");
  EXPECT_FATAL(SndSetActiveChannels(9), "SndSetActiveChannels\\(\\): invalid no. of channels");
}

TEST_F(SoundTest, WithoutOutputEveryCallDoesNothing) {
  OpenPak();
  StartDriver(0, false);
  EXPECT_EQ(SndIsInitialised(), 0);
  SndSetActiveChannels(4);
  EXPECT_EQ(SndActiveChannels(), 0);
  EXPECT_EQ(AddBank(), -1);
  EXPECT_EQ(SndPlay(0, 0, -1, 100, 0), -1);
  EXPECT_EQ(SndPlay(3, 0, 7, 100, 0), -1);
  SndStop(3);
  SndLoad(0, 0);
  SndUnload(0, 0);
  SndSetChannelVolume(9, 10);
  SndRemoveSoundBank(40);
  EXPECT_EQ(SndIsChannelFree(3), 1);
  EXPECT_EQ(SndGetChannelPlayPos(3), -1);
  EXPECT_EQ(SndFindIdleChannel(), -1);
  EXPECT_EQ(SndUpdateChanels(), 0);
  SndClearActiveChannels();
  SndUninit();
  EXPECT_EQ(PlatSoundLiveBuffers(), 0);
}

TEST(SoundWav, GoodHeadersAndTheirFields) {
  SndSample s{};
  Bytes data = Samples(101, 4);
  // An odd "fmt " chunk is followed by one pad byte; other chunks are skipped.
  Chunk oddFmt = Fmt(1, 1, 11025, 8, 17);
  Bytes wav = Riff({{"LIST", Bytes(5, 'x')}, oddFmt, Velk(1), {"data", data}});
  ASSERT_EQ(Decode(wav, &s), nullptr);
  EXPECT_EQ(s.sampleRate, 11025u);
  EXPECT_EQ(s.dataSize, 101u);
  EXPECT_EQ(s.dataOffset, 12u + 8 + 6 + 8 + 18 + 24 + 8);
  EXPECT_EQ(s.flags, 1u);
  ASSERT_EQ(Decode(Riff({Fmt(), {"data", data}}), &s), nullptr);
  EXPECT_EQ(s.flags, 0u);  // no "vELk": no loop
}

TEST(SoundWav, BadHeadersGiveTheirMessages) {
  Bytes good = Wav(Samples(64, 5), 22050, false);
  Bytes truncated(good.begin(), good.begin() + 40);
  Bytes stub(good.begin(), good.begin() + 3);
  const struct {
    const char* name;
    Bytes file;
    const char* message;
  } cases[] = {
      {"empty", {}, "GetSampInfo(): not a RIFF .wav file"},
      {"three bytes", stub, "GetSampInfo(): not a RIFF .wav file"},
      {"not RIFF", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, "GetSampInfo(): not a RIFF .wav file"},
      {"truncated", truncated, "GetSampInfo(): RIFF .wav file wrong size"},
      {"RIFF size off", Riff({Fmt(), {"data", Bytes(8, 1)}}, 2), "GetSampInfo(): RIFF .wav file wrong size"},
      {"not WAVE", Riff({Fmt(), {"data", Bytes(8, 1)}}, 0, "AVI "), "GetSampInfo(): RIFF file is not a .wav"},
      {"chunk past the end", Riff({Fmt(), {"LIST", Bytes(4, 0), 4000}, {"data", Bytes(8, 1)}}),
       "GetSampInfo(): failed to find both 'fmt' and 'data' chunks in .wav file"},
      {"data past the end", Riff({Fmt(), {"data", Bytes(8, 1), 9}}),
       "GetSampInfo(): 'data' chunk runs past the end of the file"},
      {"fmt under 16", Riff({Fmt(1, 1, 22050, 8, 14), {"data", Bytes(8, 1)}}),
       "GetSampInfo(): .wav file format header wrong size - not a PCM wav file"},
      {"not PCM", Riff({Fmt(3), {"data", Bytes(8, 1)}}), "GetSampInfo(): not a PCM encoded .wav file - wrong format"},
      {"stereo", Riff({Fmt(1, 2), {"data", Bytes(8, 1)}}), "GetSampInfo(): only mono samples supported"},
      {"16-bit", Riff({Fmt(1, 1, 22050, 16), {"data", Bytes(8, 1)}}), "GetSampInfo(): only 8 bit samples supported"},
      {"12-byte vELk", Riff({Fmt(), Velk(1, 12), {"data", Bytes(8, 1)}}), "GetSampInfo(): bad 'vELk' block in .wav file"},
      {"missing data", Riff({Fmt(), Velk(0)}), "GetSampInfo(): failed to find both 'fmt' and 'data' chunks in .wav file"},
      {"missing fmt", Riff({{"data", Bytes(8, 1)}}),
       "GetSampInfo(): failed to find both 'fmt' and 'data' chunks in .wav file"},
      {"rate 0", Riff({Fmt(1, 1, 0), {"data", Bytes(8, 1)}}), "GetSampInfo(): sample rate 0 in the 'fmt' chunk"},
  };
  for (const auto& c : cases) {
    SndSample s{};
    bool outside = true;
    const char* error = Decode(c.file, &s, &outside);
    EXPECT_STREQ(error, c.message) << c.name;
    EXPECT_FALSE(outside) << c.name;
    EXPECT_EQ(s.sampleRate, 0u) << c.name;
  }
}

TEST_F(SoundTest, BadFileAbortsNamingIt) {
  OpenPak({{"S\\BAD.WAV", Riff({Fmt(), {"data", Bytes(8, 1), 4000}})},
           {"S\\NOTWAV.WAV", Bytes{'R', 'I', 'F', 'F'}}});
  StartDriver(1);
  static const char* const kBad[] = {"s\\bad.wav", "s\\notwav.wav"};
  int bank = SndAddSoundBank({kBad, 2, 2, 0x111});
  EXPECT_FATAL(SndPlay(bank, 0, 0, 100, 0), "'data' chunk runs past the end of the file: s.bad\\.wav");
  EXPECT_FATAL(GetSampInfo(bank, 1), "GetSampInfo\\(\\): RIFF \\.wav file wrong size");
}

// Damaged WAVs of every kind: the decoder answers each without reading
// outside the file, and a header it takes has its data inside the file.
TEST(SoundWav, FuzzNeverReadsOutside) {
  std::mt19937 rng(2000);
  const Bytes seeds[] = {
      Wav(Samples(300, 6), 22050, true),
      Riff({{"LIST", Bytes(7, 'x')}, Fmt(1, 1, 11025, 8, 17), Velk(1), {"data", Samples(33, 7)}}),
  };
  int accepted = 0;
  for (int round = 0; round < 20000; ++round) {
    Bytes b = seeds[round % 2];
    int damages = 1 + static_cast<int>(rng() % 4);
    for (int d = 0; d < damages; ++d) {
      switch (rng() % 5) {
        case 0:
          if (!b.empty()) b[rng() % b.size()] ^= static_cast<uint8_t>(1u << (rng() % 8));
          break;
        case 1:
          if (!b.empty()) b[rng() % b.size()] = static_cast<uint8_t>(rng());
          break;
        case 2:
          if (!b.empty()) b.resize(rng() % b.size());
          break;
        case 3:  // a size word set to an extreme
          if (b.size() >= 8) {
            static const uint32_t kExtremes[] = {0, 1, 15, 16, 17, 0x7FFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFF0u};
            size_t at = 4 + (rng() % ((b.size() - 4) / 4)) * 4;
            if (at + 4 <= b.size()) StoreU32(b.data() + at, kExtremes[rng() % std::size(kExtremes)]);
          }
          break;
        default:  // the RIFF size made right again, so the walk is reached
          if (b.size() >= 8) StoreU32(b.data() + 4, static_cast<uint32_t>(b.size() - 8));
          break;
      }
    }
    SndSample s{};
    bool outside = false;
    const char* error = Decode(b, &s, &outside);
    ASSERT_FALSE(outside) << "round " << round;
    if (!error) {
      ++accepted;
      ASSERT_LE(static_cast<uint64_t>(s.dataOffset) + s.dataSize, b.size()) << "round " << round;
      ASSERT_NE(s.sampleRate, 0u);
    }
  }
  EXPECT_GT(accepted, 100);
}

}  // namespace
