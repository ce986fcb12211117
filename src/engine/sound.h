// The sound driver: sample banks of 8-bit mono WAV files, spooled from their
// files a block at a time or loaded whole, played on up to eight channels.
// Each channel is a looping ring of 8,192-byte blocks in its channel buffer,
// kept filled from the sample by a poll function every 10 ticks.
#pragma once

#include <cstdint>

constexpr int SND_MAX_BANKS = 32;
constexpr int SND_MAX_CHANNELS = 8;
constexpr uint32_t SND_BLOCK_BYTES = 8192;
constexpr uint32_t SND_RING_BYTES = 1048576;  // over all channels

// Type word of a bank: bits 0-3 kind, 4-7 file-name form, 8-11 storage.
enum : uint32_t {
  SND_KIND_SAMPLES = 0x1,
  SND_NAMES_LIST = 0x10,    // sample n uses name n
  SND_NAMES_FORMAT = 0x20,  // name 0 is a format that takes the sample number
  SND_STORE_SPOOLED = 0x100,
  SND_STORE_RAM = 0x200,
};

constexpr uint32_t SND_FLAG_LOOP = 0x1;  // bit 0 of the "vELk" word

// The bank descriptor handed to SndAddSoundBank (a record in memory).
struct SndBankDesc {
  const char* const* files;
  uint16_t count;  // kept with the bank, not read
  uint32_t samples;
  uint32_t type;
};

struct SndSample {
  uint32_t sampleRate;  // 0 = header not read yet
  uint32_t dataOffset;
  uint32_t dataSize;
  uint32_t flags;
  uint8_t* data;  // a RAM bank's loaded sample (a managed block), or null
};

struct SndBank {
  const char* const* files;
  uint16_t count;
  uint32_t samples;
  uint32_t type;
  SndSample* table;  // managed block of `samples` records
  uint32_t inUse;
};

struct SndChannel {
  SndBank* bank;  // null = idle
  uint32_t sample;
  uint16_t nextBlock;
  int32_t position;  // next byte of the sample data to copy; -1 = all copied
  uint32_t previousPlay;
  uint32_t endOffset;
};

// At level SND_LOG_LEVEL of the sfx debug channel each public call that
// changes what is heard (and the driver's start and stop, channel set-up,
// banks, loads and the ring refills while a channel plays) writes one line
// "sfx: tick T clock R CALL ARGS", T being TimerTicks and R the raw clock
// tick; calls made on the way by another logged call are not repeated. The
// lines replayed in order at the same raw ticks give the same mix:
//   init OK | uninit | channels N | clearchannels | addbank K | removebank K
//   load B S | unload B S | play B S C V P | stop C | volume C V | pan C P
//   frequency C HZ | refill | update
constexpr int SND_LOG_LEVEL = 20;

void SndInit();
void SndUninit();
int SndIsInitialised();
void SndSetActiveChannels(int count);
void SndClearActiveChannels();
int SndActiveChannels();
int SndBlocksPerChannel();
int SndAddSoundBank(const SndBankDesc& desc);
void SndRemoveSoundBank(int key);
void SndLoad(int bank, int sample);
void SndUnload(int bank, int sample);
int SndPlay(int bank, int sample, int channel, int volume, int pan);
void SndStop(int channel);
int SndIsChannelFree(int channel);
int SndGetChannelPlayPos(int channel);
int SndFindIdleChannel();
void SndSetChannelVolume(int channel, int volume);
void SndSetChannelPan(int channel, int pan);
void SndSetChannelFrequency(int channel, uint32_t hz);
int SndUpdateChanels();
void SndUpdateChanelsFully();

void SndInitChannels(int count, uint32_t bufferBytes);
void SndUninitChannels();
void SndPlayChannel(int channel, int looping);
void SndStopChannel(int channel);
void SndCopyData(int channel, uint32_t bytes, const void* source, uint32_t offset);
void SndZeroData(int channel, uint32_t offset, uint32_t bytes);

const char* GetSampFilename(int bank, int sample);
SndSample* GetSampInfo(int bank, int sample);
void _SndCopyFromSample2PlayBuf(int channel, SndBank* bank, uint32_t position, uint32_t ringOffset, uint32_t bytes);

// A bank's record and a channel's (tests, tools); null for a key or channel
// out of range.
const SndBank* SndGetBank(int key);
const SndChannel* SndGetChannel(int channel);

// The header of a WAV sample file of `size` bytes, read through `read` (which
// answers false when it cannot give the bytes asked for). Every offset is
// checked against the size before it is read. Null when the header is good
// (out filled in), else the message of the first fault.
typedef bool (*SndWavReader)(void* user, uint32_t offset, uint32_t bytes, void* out);
const char* SndDecodeWavHeader(SndWavReader read, void* user, uint32_t size, SndSample* out);

// The driver as at program start, without platform calls (a registered reset).
void SndReset();
