// The sound driver and its sample banks.
#include "engine/sound.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/dsound.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "platform/platform.h"

#define ABORT_FILE "sound"

namespace {

constexpr int32_t kPollRate = 10;  // ticks between refill rounds

struct SoundState {
  int32_t initialised = 0;
  int32_t activeChannels = 0;
  int32_t blocks = 0;  // blocks per channel ring
  int16_t pollHandle = -1;
  SndBank banks[SND_MAX_BANKS] = {};
  SndChannel channels[SND_MAX_CHANNELS] = {};
  uint8_t staging[SND_BLOCK_BYTES] = {};
  char fileName[256] = {};
  int32_t callDepth = 0;  // public entry points running (the outermost one logs)
};
SoundState gSnd;

// A public entry point that changes what is heard. Only the outermost one
// writes its line on the sfx channel, so a play does not also log the stop
// and the volume it makes on the way, and a re-mix that replays the lines
// does each call exactly once.
class EntryPoint {
 public:
  EntryPoint() : outer_(gSnd.callDepth++ == 0) {}
  ~EntryPoint() { --gSnd.callDepth; }
  EntryPoint(const EntryPoint&) = delete;
  EntryPoint& operator=(const EntryPoint&) = delete;

  // "sfx: tick T clock R <call>": T the game's tick, R the raw clock tick
  // (the memory output mixes one tick's frames at each raw tick).
  void Log(const char* format, ...) const __attribute__((format(printf, 2, 3))) {
    if (!outer_ || DebugLevel(DEBUG_SFX) < SND_LOG_LEVEL) return;
    char call[96];
    va_list args;
    va_start(args, format);
    std::vsnprintf(call, sizeof call, format, args);
    va_end(args);
    std::printf("sfx: tick %u clock %u %s\n", static_cast<unsigned>(TimerTicks.load()),
                static_cast<unsigned>(PlatRawTicks()), call);
  }

 private:
  bool outer_;
};

bool AnyChannelBusy() {
  for (int i = 0; i < gSnd.activeChannels; ++i)
    if (gSnd.channels[i].bank) return true;
  return false;
}

uint32_t Kind(uint32_t type) { return type & 0xF; }
uint32_t Form(uint32_t type) { return (type >> 4) & 0xF; }
uint32_t Storage(uint32_t type) { return (type >> 8) & 0xF; }

[[noreturn]] void AbortF(int line, const char* format, const char* function, int value) {
  static char message[160];
  std::snprintf(message, sizeof message, format, function, value);
  AbortError(ABORT_FILE, line, message);
}

// The bank of a key, aborting with a clear message for a key out of range or
// a slot not in use.
SndBank& BankOf(int key, const char* function) {
  if (key < 0 || key >= SND_MAX_BANKS) AbortF(__LINE__, "%s(): invalid bank key %d", function, key);
  SndBank& b = gSnd.banks[key];
  if (!b.inUse) AbortF(__LINE__, "%s(): bank %d is not in use", function, key);
  return b;
}

void CheckChannel(int channel, const char* function) {
  if (channel < 0 || channel >= gSnd.activeChannels) AbortF(__LINE__, "%s(): invalid channel %d", function, channel);
}

int KeyOf(const SndBank* bank) { return static_cast<int>(bank - gSnd.banks); }

uint32_t RingBytes() { return static_cast<uint32_t>(gSnd.blocks) * SND_BLOCK_BYTES; }

// Fills the channel's next ring block from its sample: data while there is
// some (from the start again for a looping sample), then silence.
void FillBlock(int channel) {
  SndChannel& c = gSnd.channels[channel];
  const SndSample& s = c.bank->table[c.sample];
  uint32_t dest = static_cast<uint32_t>(c.nextBlock) * SND_BLOCK_BYTES;
  uint32_t left = SND_BLOCK_BYTES;
  while (left > 0) {
    if (c.position == -1) {
      SndZeroData(channel, dest, left);
      break;
    }
    if (s.dataSize == 0) {
      // An empty sample is silence that ends, looping or not.
      c.position = -1;
      c.endOffset = dest;
      continue;
    }
    uint32_t n = std::min(left, s.dataSize - static_cast<uint32_t>(c.position));
    _SndCopyFromSample2PlayBuf(channel, c.bank, static_cast<uint32_t>(c.position), dest, n);
    c.position += static_cast<int32_t>(n);
    dest += n;
    left -= n;
    if (static_cast<uint32_t>(c.position) == s.dataSize) {
      if (s.flags & SND_FLAG_LOOP) {
        c.position = 0;
      } else {
        c.position = -1;
        c.endOffset = dest;
      }
    }
  }
  c.nextBlock = static_cast<uint16_t>((c.nextBlock + 1) % gSnd.blocks);
}

void SndPoll() {
  if (gSnd.initialised) SndUpdateChanelsFully();
}

struct PakReader {
  PakFileEntry* file;
};

bool ReadFromPak(void* user, uint32_t offset, uint32_t bytes, void* out) {
  PakReadFile(out, offset, bytes, static_cast<PakReader*>(user)->file);
  return true;
}

}  // namespace

// --- the WAV header -------------------------------------------------------------

namespace {

const char* DecodeWav(SndWavReader read, void* user, uint32_t size, SndSample* out) {
  uint8_t head[12];
  const uint32_t headBytes = std::min<uint32_t>(size, 12);
  if (headBytes && !read(user, 0, headBytes, head)) return "GetSampInfo(): not a RIFF .wav file";
  if (size < 4 || std::memcmp(head, "RIFF", 4) != 0) return "GetSampInfo(): not a RIFF .wav file";
  if (size < 8 || static_cast<uint64_t>(LoadU32(head + 4)) + 8 != size) return "GetSampInfo(): RIFF .wav file wrong size";
  if (size < 12 || std::memcmp(head + 8, "WAVE", 4) != 0) return "GetSampInfo(): RIFF file is not a .wav";

  bool haveFormat = false, haveData = false;
  uint64_t pos = 12;
  const uint64_t end = size;
  while (pos < end) {
    if (pos + 8 > end) break;  // a chunk header past the end ends the walk
    uint8_t chunk[8];
    if (!read(user, static_cast<uint32_t>(pos), 8, chunk)) break;
    const uint32_t chunkSize = LoadU32(chunk + 4);
    const uint64_t body = pos + 8;
    const bool fits = body + chunkSize <= end;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (chunkSize < 16) return "GetSampInfo(): .wav file format header wrong size - not a PCM wav file";
      if (!fits) break;
      uint8_t f[16];
      if (!read(user, static_cast<uint32_t>(body), 16, f)) break;
      if (LoadU16(f) != 1) return "GetSampInfo(): not a PCM encoded .wav file - wrong format";
      if (LoadU16(f + 2) != 1) return "GetSampInfo(): only mono samples supported";
      if (LoadU16(f + 14) != 8) return "GetSampInfo(): only 8 bit samples supported";
      out->sampleRate = LoadU32(f + 4);
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!fits) return "GetSampInfo(): 'data' chunk runs past the end of the file";
      out->dataOffset = static_cast<uint32_t>(body);
      out->dataSize = chunkSize;
      haveData = true;
    } else if (std::memcmp(chunk, "vELk", 4) == 0) {
      if (chunkSize != 16) return "GetSampInfo(): bad 'vELk' block in .wav file";
      if (!fits) break;
      uint8_t v[4];
      if (!read(user, static_cast<uint32_t>(body), 4, v)) break;
      out->flags = LoadU32(v);
    } else if (!fits) {
      break;
    }
    pos = body + chunkSize + (chunkSize & 1);
  }
  if (!haveFormat || !haveData) return "GetSampInfo(): failed to find both 'fmt' and 'data' chunks in .wav file";
  if (out->sampleRate == 0) return "GetSampInfo(): sample rate 0 in the 'fmt' chunk";
  if (out->dataSize > 0x7FFFFFFFu) return "GetSampInfo(): 'data' chunk too large";
  return nullptr;
}

}  // namespace

const char* SndDecodeWavHeader(SndWavReader read, void* user, uint32_t size, SndSample* out) {
  *out = SndSample{};
  const char* error = DecodeWav(read, user, size, out);
  if (error) *out = SndSample{};  // a bad header leaves nothing behind
  return error;
}

// --- start and stop ---------------------------------------------------------------

void SndInit() {
  if (gSnd.initialised) ABORT("SndInit(): already initialised");
  EntryPoint entry;
  DPRINT(DEBUG_SOUND, 1, "SndInit(): initialising windows driver ...\n");
  gSnd.initialised = DSoundInit();
  entry.Log("init %d", gSnd.initialised);
}

void SndUninit() {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("uninit");
  DPRINT(DEBUG_SOUND, 1, "SndUninit(): uninitialising...\n");
  DSoundUninit();
  gSnd.initialised = 0;
}

int SndIsInitialised() { return gSnd.initialised; }
int SndActiveChannels() { return gSnd.activeChannels; }
int SndBlocksPerChannel() { return gSnd.blocks; }

void SndInitChannels(int count, uint32_t bufferBytes) {
  DPRINT(DEBUG_SOUND, 10, "SndInitChannels(): initialising channels...\n");
  DSoundInitChans(count, bufferBytes);
}

void SndUninitChannels() {
  DPRINT(DEBUG_SOUND, 10, "SndUninitChannels(): uninitialising channels...\n");
  DSoundUninitChans();
}

void SndSetActiveChannels(int count) {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("channels %d", count);
  if (count < 1 || count > SND_MAX_CHANNELS) ABORT("SndSetActiveChannels(): invalid no. of channels");
  if (gSnd.activeChannels) ABORT("SndSetActiveChannels(): already active");
  gSnd.activeChannels = count;
  gSnd.blocks = static_cast<int32_t>(SND_RING_BYTES / static_cast<uint32_t>(count) / SND_BLOCK_BYTES);
  SndInitChannels(count, RingBytes());
  for (int i = 0; i < count; ++i) {
    SndStopChannel(i);
    gSnd.channels[i] = SndChannel{};
  }
  gSnd.pollHandle = AddPollFunction(SndPoll, kPollRate, 0);
}

void SndClearActiveChannels() {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("clearchannels");
  if (!gSnd.activeChannels) ABORT("SndClearActiveChannels(): not active");
  RemovePollFunction(gSnd.pollHandle);
  gSnd.pollHandle = -1;
  for (int i = 0; i < gSnd.activeChannels; ++i) {
    SndStopChannel(i);
    gSnd.channels[i] = SndChannel{};
  }
  gSnd.activeChannels = 0;
  gSnd.blocks = 0;
  SndUninitChannels();
}

// --- banks ---------------------------------------------------------------------------

int SndAddSoundBank(const SndBankDesc& desc) {
  if (!gSnd.initialised) return -1;
  if (Kind(desc.type) != 1) ABORT("SndAddSoundBank(): only sample sound banks supported in this version");
  if (Form(desc.type) != 1 && Form(desc.type) != 2) ABORT("SndAddSoundBank(): sample banks need a file list");
  if (Storage(desc.type) != 1 && Storage(desc.type) != 2)
    ABORT("SndAddSoundBank(): sample banks must be spooled or ram based");
  if (!desc.files || desc.samples == 0 || desc.samples > 0xFFFF)
    ABORT("SndAddSoundBank(): sample banks need a file list and 1 to 65535 samples");
  EntryPoint entry;
  for (int key = 0; key < SND_MAX_BANKS; ++key) {
    SndBank& b = gSnd.banks[key];
    if (b.inUse) continue;
    entry.Log("addbank %d", key);
    b = SndBank{};
    b.files = desc.files;
    b.count = desc.count;
    b.samples = desc.samples;
    b.type = desc.type;
    const uint32_t bytes = desc.samples * static_cast<uint32_t>(sizeof(SndSample));
    AllocateMemory(&b.table, bytes, ManualNoMove);  // loaded samples' owners live in it
    std::memset(static_cast<void*>(b.table), 0, bytes);
    b.inUse = 1;
    return key;
  }
  ABORT("SndAddSoundBank(): too many sound banks");
}

void SndRemoveSoundBank(int key) {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("removebank %d", key);
  if (key < 0 || key >= SND_MAX_BANKS) ABORT("SndRemoveSoundBank(): invalid bank key");
  SndBank& b = gSnd.banks[key];
  if (!b.inUse) ABORT("SndRemoveSoundBank(): bank is already removed");
  // No channel may go on reading the table that is about to go.
  for (int i = 0; i < gSnd.activeChannels; ++i)
    if (gSnd.channels[i].bank == &b) SndStop(i);
  if (Storage(b.type) == 2)
    for (uint32_t i = 0; i < b.samples; ++i)
      if (b.table[i].data) FatalError("SndRemoveSoundBank(): sample %d:%d was not unloaded\n", key, static_cast<int>(i));
  FreeMemory(&b.table);
  b = SndBank{};
}

const SndBank* SndGetBank(int key) { return key >= 0 && key < SND_MAX_BANKS ? &gSnd.banks[key] : nullptr; }
const SndChannel* SndGetChannel(int channel) {
  return channel >= 0 && channel < SND_MAX_CHANNELS ? &gSnd.channels[channel] : nullptr;
}

const char* GetSampFilename(int bank, int sample) {
  SndBank& b = BankOf(bank, "GetSampFilename");
  if (sample < 0 || static_cast<uint32_t>(sample) >= b.samples)
    FatalError("Error: GetSampFilename(): sample no %d out of range\n", sample);
  switch (Form(b.type)) {
    case 1:
      std::snprintf(gSnd.fileName, sizeof gSnd.fileName, "%s", b.files[sample]);
      break;
    case 2:
      std::snprintf(gSnd.fileName, sizeof gSnd.fileName, b.files[0], sample);
      break;
    default:
      ABORT("GetSampFilename(): bad filename type");
  }
  return gSnd.fileName;
}

SndSample* GetSampInfo(int bank, int sample) {
  SndBank& b = BankOf(bank, "GetSampInfo");
  if (sample < 0 || static_cast<uint32_t>(sample) >= b.samples)
    FatalError("Error: GetSampInfo(): sample no %d out of range\n", sample);
  SndSample& s = b.table[sample];
  if (s.sampleRate != 0) return &s;
  uint8_t* loaded = s.data;
  const char* name = GetSampFilename(bank, sample);
  PakReader reader{PakOpenFile(name)};
  SndSample header;
  const char* error = SndDecodeWavHeader(ReadFromPak, &reader, PakFileSize(reader.file), &header);
  PakCloseFile(reader.file);
  if (error) {
    // The checks this driver adds name the file; the others keep their words.
    if (std::strstr(error, "'data' chunk") || std::strstr(error, "sample rate 0")) {
      static char message[400];
      std::snprintf(message, sizeof message, "%s: %s", error, name);
      AbortError(ABORT_FILE, __LINE__, message);
    }
    AbortError(ABORT_FILE, __LINE__, error);
  }
  s = header;
  s.data = loaded;
  return &s;
}

void SndLoad(int bank, int sample) {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("load %d %d", bank, sample);
  SndBank& b = BankOf(bank, "SndLoad");
  if (sample == -1) {
    for (uint32_t i = 0; i < b.samples; ++i) SndLoad(bank, static_cast<int>(i));
    return;
  }
  DPRINT(DEBUG_SOUND, 80, "SndLoad(): loading sound %d:%d\n", bank, sample);
  SndSample* s = GetSampInfo(bank, sample);
  if (s->data) return;
  if (Storage(b.type) != 2) ABORT("SndLoad(): bank is wrong type for loading samples");
  AllocateMemory(&s->data, std::max<uint32_t>(s->dataSize, 1), ManualFree);
  if (s->dataSize) {
    PakFileEntry* f = PakOpenFile(GetSampFilename(bank, sample));
    PakReadFile(s->data, s->dataOffset, s->dataSize, f);
    PakCloseFile(f);
  }
}

void SndUnload(int bank, int sample) {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("unload %d %d", bank, sample);
  SndBank& b = BankOf(bank, "SndUnload");
  if (sample == -1) {
    for (uint32_t i = 0; i < b.samples; ++i) SndUnload(bank, static_cast<int>(i));
    return;
  }
  if (sample < 0 || static_cast<uint32_t>(sample) >= b.samples)
    FatalError("Error: SndUnload(): sample no %d out of range\n", sample);
  DPRINT(DEBUG_SOUND, 80, "SndUnload(): unloading sound %d:%d\n", bank, sample);
  SndSample& s = b.table[sample];
  if (!s.data) return;
  if (Storage(b.type) != 2) ABORT("SndUnload(): bank is wrong type for unloading samples");
  // A channel still playing the sample from memory stops first.
  for (int i = 0; i < gSnd.activeChannels; ++i)
    if (gSnd.channels[i].bank == &b && gSnd.channels[i].sample == static_cast<uint32_t>(sample)) SndStop(i);
  FreeMemory(&s.data);
}

// --- playing ---------------------------------------------------------------------------

int SndPlay(int bank, int sample, int channel, int volume, int pan) {
  if (!gSnd.initialised) return -1;
  EntryPoint entry;
  entry.Log("play %d %d %d %d %d", bank, sample, channel, volume, pan);
  if (channel < -1 || channel >= gSnd.activeChannels) AbortF(__LINE__, "%s(): invalid channel %d", "SndPlay", channel);
  SndBank& b = BankOf(bank, "SndPlay");
  if (channel == -1) {
    for (int i = 0; i < gSnd.activeChannels && channel == -1; ++i)
      if (SndIsChannelFree(i)) channel = i;
    if (channel == -1) return -1;
  }
  DPRINT(DEBUG_SOUND, 80, "SndPlay(): playing sound %d:%d on channel %d, vol: %d, pan: %d\n", bank, sample, channel,
         volume, pan);
  SndStop(channel);
  SndSample* s = GetSampInfo(bank, sample);
  SndChannel& c = gSnd.channels[channel];
  c = SndChannel{};
  c.bank = &b;
  c.sample = static_cast<uint32_t>(sample);
  if (Storage(b.type) != 1 && Storage(b.type) != 2) ABORT("SndPlay(): sample banks must be spooled or ram based");
  for (int i = 0; i < gSnd.blocks; ++i) FillBlock(channel);
  SndSetChannelFrequency(channel, s->sampleRate);
  SndSetChannelVolume(channel, volume);
  SndSetChannelPan(channel, pan);
  SndPlayChannel(channel, 1);  // the ring always plays looping
  return channel;
}

void SndStop(int channel) {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("stop %d", channel);
  if (channel == -1) {
    for (int i = 0; i < gSnd.activeChannels; ++i) SndStop(i);
    return;
  }
  CheckChannel(channel, "SndStop");
  DPRINT(DEBUG_SOUND, 80, "SndStop(): stopping channel %d\n", channel);
  SndStopChannel(channel);
  gSnd.channels[channel].bank = nullptr;
}

int SndIsChannelFree(int channel) {
  if (!gSnd.initialised) return 1;
  CheckChannel(channel, "SndIsChannelFree");
  uint32_t play = 0, write = 0;
  DSoundGetChanOffset(channel, &play, &write);
  return play == 0 && write == 0 ? 1 : 0;
}

int SndGetChannelPlayPos(int channel) {
  if (!gSnd.initialised) return -1;
  CheckChannel(channel, "SndGetChannelPlayPos");
  uint32_t play = 0, write = 0;
  DSoundGetChanOffset(channel, &play, &write);
  if (play == 0 && write == 0) return -1;
  return static_cast<int>(play);
}

int SndFindIdleChannel() {
  if (!gSnd.initialised) return -1;
  for (int i = 0; i < gSnd.activeChannels; ++i)
    if (SndGetChannelPlayPos(i) == -1) return i;
  return -1;
}

void SndSetChannelVolume(int channel, int volume) {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("volume %d %d", channel, volume);
  CheckChannel(channel, "SndSetChannelVolume");
  DSoundSetChannelVolume(channel, volume);
}

void SndSetChannelPan(int channel, int pan) {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("pan %d %d", channel, pan);
  CheckChannel(channel, "SndSetChannelPan");
  DSoundSetChannelPan(channel, pan);
}

void SndSetChannelFrequency(int channel, uint32_t hz) {
  if (!gSnd.initialised) return;
  EntryPoint entry;
  entry.Log("frequency %d %u", channel, static_cast<unsigned>(hz));
  CheckChannel(channel, "SndSetChannelFrequency");
  DSoundSetChannelFrequency(channel, hz);
}

int SndUpdateChanels() {
  if (!gSnd.initialised) return 0;
  EntryPoint entry;
  if (AnyChannelBusy()) entry.Log("update");
  int count = 0;
  const uint32_t ring = RingBytes();
  for (int i = 0; i < gSnd.activeChannels; ++i) {
    SndChannel& c = gSnd.channels[i];
    if (!c.bank) continue;
    int play = SndGetChannelPlayPos(i);
    if (play == -1) {
      SndStop(i);
      continue;
    }
    uint32_t p = static_cast<uint32_t>(play);
    if (c.position == -1 && c.bank->table[c.sample].dataSize == 0) {
      SndStop(i);  // an empty sample's silence ends at the first refill
      continue;
    }
    if (c.position == -1) {
      uint32_t e = c.endOffset, q = c.previousPlay, pp = p;
      if (e < q) e += ring;
      if (pp < q) pp += ring;
      if (q < e && e < pp) {  // the player has passed the end of the data
        SndStop(i);
        continue;
      }
    }
    if (c.nextBlock != p / SND_BLOCK_BYTES) {
      FillBlock(i);
      ++count;
    }
    c.previousPlay = p;
  }
  DPRINT(DEBUG_SOUND, 120, "SndUpdateChanels(): upadted %d channels\n", count);
  return count;
}

void SndUpdateChanelsFully() {
  EntryPoint entry;
  if (gSnd.initialised && AnyChannelBusy()) entry.Log("refill");
  while (SndUpdateChanels() != 0) {
  }
}

// --- the lower level ------------------------------------------------------------------------

void SndPlayChannel(int channel, int looping) {
  DPRINT(DEBUG_SOUND, 120, "SndPlayChannel(): playing channel %d - %s\n", channel,
         looping ? "looping" : "non-looping");
  DSoundPlayChannel(channel, looping);
}

void SndStopChannel(int channel) {
  DPRINT(DEBUG_SOUND, 120, "SndStopChannel(): stopping channel %d\n", channel);
  DSoundStopChannel(channel);
}

void SndCopyData(int channel, uint32_t bytes, const void* source, uint32_t offset) {
  DPRINT(DEBUG_SOUND, 120, "SndCopyData(): copying %d bytes from 0x%08X to chan %d, offs %d\n",
         static_cast<int>(bytes), static_cast<unsigned>(reinterpret_cast<uintptr_t>(source)), channel,
         static_cast<int>(offset));
  void* dest = DSoundLockChannel(channel, offset, bytes);
  std::memcpy(dest, source, bytes);
  DSoundUnlockChannel(channel);
}

void SndZeroData(int channel, uint32_t offset, uint32_t bytes) {
  DPRINT(DEBUG_SOUND, 120, "SndZeroData(): clearing %d bytes of chan %d, offs %d\n", static_cast<int>(bytes), channel,
         static_cast<int>(offset));
  void* dest = DSoundLockChannel(channel, offset, bytes);
  std::memset(dest, 0x80, bytes);
  DSoundUnlockChannel(channel);
}

void _SndCopyFromSample2PlayBuf(int channel, SndBank* bank, uint32_t position, uint32_t ringOffset, uint32_t bytes) {
  const int key = KeyOf(bank);
  const uint32_t sample = gSnd.channels[channel].sample;
  const SndSample& s = bank->table[sample];
  switch (Storage(bank->type)) {
    case 1: {
      // Spooled: the file is opened for this read only, never kept open.
      if (bytes > SND_BLOCK_BYTES) ABORT("_SndCopyFromSample2PlayBuf(): read larger than a block");
      PakFileEntry* f = PakOpenFile(GetSampFilename(key, static_cast<int>(sample)));
      PakReadFile(gSnd.staging, s.dataOffset + position, bytes, f);
      SndCopyData(channel, bytes, gSnd.staging, ringOffset);
      PakCloseFile(f);
      break;
    }
    case 2:
      if (!s.data) ABORT("_SndCopyFromSample2PlayBuf(): sound not loaded - use SndLoad()");
      SndCopyData(channel, bytes, s.data + position, ringOffset);
      break;
    default:
      ABORT("_SndCopyFromSample2PlayBuf(): Unknown data source for sample data");
  }
}

void SndReset() { gSnd = SoundState{}; }
REGISTER_RESET(RESET_ENGINE, SndReset);
