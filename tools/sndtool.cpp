// sndtool: the game's sound banks read through the sound driver.
//
//   sndtool [-debug SETTING] list PAK_BASE
//   sndtool [-debug SETTING] play PAK_BASE BANK SAMPLE [--seconds N] [--out F.wav] [--volume V] [--pan P]
//
// Both register the game's four banks over the pak exactly as the game does.
// `list` prints every sample of every bank as registered: bank, sample, file,
// rate, bytes, loop. `play` plays one sample (BANK is a bank's name, effects,
// ambience, crowd or music, or its number) on the driver's eight channels
// under the virtual clock, mixing into the memory output, and writes the mix
// (44,100 Hz, 16-bit stereo) as a WAV file (default sndtool.wav).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/sound.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "generic/gamesound.h"
#include "platform/platform.h"

namespace {

constexpr uint32_t kBudgetKb = 16000;

int Usage() {
  std::fprintf(stderr,
               "usage: sndtool [-debug SETTING] list PAK_BASE\n"
               "       sndtool [-debug SETTING] play PAK_BASE BANK SAMPLE [--seconds N] [--out F.wav] [--volume V] "
               "[--pan P]\n");
  return 2;
}

bool ParseInt(const char* text, long lo, long hi, int* out) {
  char* end = nullptr;
  long v = std::strtol(text, &end, 10);
  if (!end || *end || end == text || v < lo || v > hi) return false;
  *out = static_cast<int>(v);
  return true;
}

int16_t BankKey(int bank) {
  const int16_t keys[SOUNDBANK_COUNT] = {EffectsBank, CrowdAmbienceBank, CrowdBank, MusicBank};
  return keys[bank];
}

void Start(const char* pak) {
  PlatUseVirtualClock(true);
  InitMemory(kBudgetKb);
  PakFileInit();
  PakFileAdd(pak);
  PakFileAddDone();
  WinInit(nullptr, "sndtool", 1);
  InitTimerInterrupt();
  InitPoll();
  PlatSoundUseMemoryOutput(true);
  GameSound_Init();
}

void Stop() {
  GameSound_Uninit();
  PlatSoundMemoryWav(nullptr);
  UninitPoll();
  ClearTimerInterrupt();
  WinUninit();
  PakFileUninit();
  UninitMemory();
}

void List() {
  for (int bank = 0; bank < SOUNDBANK_COUNT; ++bank) {
    const int key = BankKey(bank);
    const SndBank* b = SndGetBank(key);
    std::printf("bank %d %s: %u samples\n", key, GameSoundBankName(bank), b->samples);
    for (uint32_t n = 0; n < b->samples; ++n) {
      const SndSample* s = GetSampInfo(key, static_cast<int>(n));
      std::printf("%d %u %s %u %u %s\n", key, n, GetSampFilename(key, static_cast<int>(n)), s->sampleRate,
                  s->dataSize, (s->flags & SND_FLAG_LOOP) ? "loop" : "once");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  int arg = 1;
  if (arg + 1 < argc && std::strcmp(argv[arg], "-debug") == 0) {
    DebugProcessDebugString(argv[arg + 1]);
    arg += 2;
  }
  if (arg + 1 >= argc) return Usage();
  const std::string command = argv[arg];
  const char* pak = argv[arg + 1];
  if (command == "list") {
    if (argc != arg + 2) return Usage();
    Start(pak);
    if (!SndIsInitialised()) {
      std::fprintf(stderr, "sndtool: the sound driver did not start\n");
      return 1;
    }
    List();
    Stop();
    return 0;
  }
  if (command != "play" || argc < arg + 4) return Usage();

  int bank = -1, sample = 0, seconds = 3, volume = 100, pan = 0;
  for (int b = 0; b < SOUNDBANK_COUNT; ++b)
    if (std::strcmp(argv[arg + 2], GameSoundBankName(b)) == 0) bank = b;
  if (bank < 0 && !ParseInt(argv[arg + 2], 0, SOUNDBANK_COUNT - 1, &bank)) return Usage();
  if (!ParseInt(argv[arg + 3], 0, 65535, &sample)) return Usage();
  std::string out = "sndtool.wav";
  for (int i = arg + 4; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--seconds") == 0 && hasValue) {
      if (!ParseInt(argv[++i], 1, 3600, &seconds)) return Usage();
    } else if (std::strcmp(argv[i], "--out") == 0 && hasValue) {
      out = argv[++i];
    } else if (std::strcmp(argv[i], "--volume") == 0 && hasValue) {
      if (!ParseInt(argv[++i], 0, 100, &volume)) return Usage();
    } else if (std::strcmp(argv[i], "--pan") == 0 && hasValue) {
      if (!ParseInt(argv[++i], -100, 100, &pan)) return Usage();
    } else {
      return Usage();
    }
  }

  Start(pak);
  if (!SndIsInitialised()) {
    std::fprintf(stderr, "sndtool: the sound driver did not start\n");
    return 1;
  }
  const int key = BankKey(bank);
  if (static_cast<uint32_t>(sample) >= SndGetBank(key)->samples) {
    std::fprintf(stderr, "sndtool: bank %s has %u samples\n", GameSoundBankName(bank), SndGetBank(key)->samples);
    Stop();
    return 2;
  }
  if (!PlatSoundMemoryWav(out.c_str())) {
    std::fprintf(stderr, "sndtool: cannot write %s\n", out.c_str());
    Stop();
    return 1;
  }
  SndSetActiveChannels(SND_MAX_CHANNELS);
  if ((SndGetBank(key)->type & 0xF00) == SND_STORE_RAM) SndLoad(key, sample);  // plays from memory
  const int channel = SndPlay(key, sample, -1, volume, pan);
  const SndSample* s = GetSampInfo(key, sample);
  std::printf("sndtool: playing %s (%u bytes at %u Hz, %s) on channel %d for %d s into %s\n",
              GetSampFilename(key, sample), s->dataSize, s->sampleRate, (s->flags & SND_FLAG_LOOP) ? "looping" : "once",
              channel, seconds, out.c_str());
  int endedAt = -1;
  for (int tick = 0; tick < seconds * 100; ++tick) {
    PlatVirtualAdvance(1);
    Poll();
    if (endedAt < 0 && !SndGetChannel(channel)->bank) endedAt = tick + 1;
  }
  if (endedAt >= 0)
    std::printf("sndtool: the channel was free again after %d ticks\n", endedAt);
  else
    std::printf("sndtool: still playing\n");
  SndStop(-1);
  SndClearActiveChannels();
  Stop();
  return 0;
}
