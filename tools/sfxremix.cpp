// sfxremix: makes a run's sound again from its log.
//
//   sfxremix [--check-table] [--pak PAK_BASE] LOG OUT.wav SECONDS
//
// LOG is the stdout.log of a game run with "-debug sfx=20" (and sfx=10 or
// more for --check-table). Run in the game's working folder: the sound
// driver starts on the memory output under the virtual clock over the same
// pak (default "pakfiles\hdcommon"), the game's banks are added as the game
// adds them, and every logged driver call is made again at its tick after
// the driver's start. The first SECONDS of the mix go to OUT.wav, as
// GAFFERON_SOUND_OUT=OUT.wav:SECONDS writes them in the game, byte for byte.
//
// --check-table also checks every "SFX_Play" line of the log against the
// match's table of effect kinds (bank, sample, channel, volume) and that the
// driver call which follows it plays just that.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/sndreplay.h"
#include "engine/sound.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "generic/gamesound.h"
#include "platform/platform.h"

namespace {

constexpr uint32_t kBudgetKb = 16000;

int Usage() {
  std::fprintf(stderr, "usage: sfxremix [--check-table] [--pak PAK_BASE] LOG OUT.wav SECONDS\n");
  return 2;
}

// --- the table of effect kinds ----------------------------------------------------

struct KindRule {
  std::set<int> effects;
  int effectVolume = 0;  // x the effects volume (kinds 0 and 2: from the ball's speed)
  bool fixedChannel = false;
  std::set<int> crowd;
  int crowdVolume = 0;  // x the crowd volume
};

KindRule RuleOf(int kind) {
  KindRule r;
  switch (kind) {
    case 0: r.effects = {6}; break;
    case 2: r.effects = {5}; break;
    case 4: r.effects = {24, 25, 26}, r.effectVolume = 10; break;
    case 5: r.effects = {4}, r.effectVolume = 10; break;
    case 6: r.effects = {7, 8, 9, 10, 11}, r.effectVolume = 10; break;
    case 8: r.effects = {27, 28}, r.effectVolume = 8, r.fixedChannel = true; break;
    case 10: r.effects = {30}, r.effectVolume = 8, r.fixedChannel = true; break;
    case 14: r.crowd = {32}, r.crowdVolume = 7; break;
    case 15: r.crowd = {29}, r.crowdVolume = 10; break;
    case 22: r.crowd = {16, 17, 18}, r.crowdVolume = 10; break;
    case 23: r.crowd = {35, 36}, r.crowdVolume = 6; break;
    case 24: r.crowd = {2, 3, 4, 8, 9}, r.crowdVolume = 8; break;
    case 25: r.crowd = {55, 56, 57, 58, 59}, r.crowdVolume = 10; break;
    case 28: r.crowd = {72}, r.crowdVolume = 10; break;
    default: break;
  }
  return r;
}

// "name value name value ..." after the kind.
bool Field(const std::vector<std::string>& w, const char* name, long* out) {
  for (size_t i = 0; i + 1 < w.size(); ++i)
    if (w[i] == name) {
      char* end = nullptr;
      const long v = std::strtol(w[i + 1].c_str(), &end, 10);
      if (end && !*end && end != w[i + 1].c_str()) {  // "crowd bank ..." is a word, "crowd 8" a field
        *out = v;
        return true;
      }
    }
  return false;
}

// Checks one SFX_Play line; on success *expectPlay says whether a driver play
// of (bank, sample, channel, volume, 0) must follow.
std::string CheckPlayLine(const std::string& line, bool* expectPlay, long expect[5]) {
  std::istringstream in(line.substr(std::strlen("sfx: SFX_Play ")));
  std::vector<std::string> w;
  for (std::string s; in >> s;) w.push_back(s);
  long kind = -1;
  if (!Field(w, "kind", &kind)) return "no kind";
  const KindRule r = RuleOf(static_cast<int>(kind));
  const bool crowdLine = w.size() > 2 && w[2] == "crowd";
  const bool none = std::find(w.begin(), w.end(), "none") != w.end();
  *expectPlay = false;
  if (!crowdLine) {
    long effects = 0, speed = 0;
    if (none) {
      if (r.effects.empty()) return "";  // a kind that plays nothing (or only a crowd line follows)
      if (!Field(w, "effects", &effects) || !Field(w, "speed", &speed)) return "no effects volume or speed";
      if (effects == 0 || (kind == 0 && speed >= 128)) return "";
      return "kind " + std::to_string(kind) + " played no effect";
    }
    long bank, sample, channel, volume;
    if (!Field(w, "bank", &bank) || !Field(w, "sample", &sample) || !Field(w, "channel", &channel) ||
        !Field(w, "volume", &volume) || !Field(w, "effects", &effects) || !Field(w, "speed", &speed))
      return "a field is missing";
    if (r.effects.empty()) return "kind " + std::to_string(kind) + " has no effect sound";
    if (bank != EffectsBank) return "not the effects bank";
    if (!r.effects.count(static_cast<int>(sample))) return "sample " + std::to_string(sample) + " not the kind's";
    if (r.fixedChannel ? channel != 4 : (channel != 5 && channel != 6)) return "wrong channel";
    long want = r.effectVolume * effects;
    if (kind == 0) want = speed >= 128 ? -1 : std::min(speed, 6L) * effects;
    if (kind == 2) want = speed >= 128 ? 0 : std::min(speed, 10L) * effects;
    if (effects <= 0 || volume != want) return "volume " + std::to_string(volume) + ", the table gives " + std::to_string(want);
    *expectPlay = true;
    expect[0] = bank, expect[1] = sample, expect[2] = channel, expect[3] = volume, expect[4] = 0;
    return "";
  }
  if (r.crowd.empty()) return "kind " + std::to_string(kind) + " has no crowd reaction";
  if (none) return "";  // the overlay view, the crowd off or at volume 0
  long bank, sample, channel, volume, crowd;
  if (!Field(w, "bank", &bank) || !Field(w, "sample", &sample) || !Field(w, "channel", &channel) ||
      !Field(w, "volume", &volume) || !Field(w, "crowd", &crowd))
    return "a field is missing";
  if (bank != CrowdBank) return "not the crowd bank";
  if (!r.crowd.count(static_cast<int>(sample))) return "sample " + std::to_string(sample) + " not the kind's";
  if (channel != 7) return "wrong channel";
  if (crowd <= 0 || volume != r.crowdVolume * crowd) return "wrong volume";
  *expectPlay = true;
  expect[0] = bank, expect[1] = sample, expect[2] = channel, expect[3] = volume, expect[4] = 0;
  return "";
}

int CheckTable(const std::string& text) {
  std::istringstream in(text);
  std::string line, error;
  int number = 0, checked = 0, faults = 0;
  bool waiting = false;
  long expect[5] = {};
  int waitingLine = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    SndLogCall call;
    if (SndParseLogLine(line.c_str(), &call, &error)) {
      if (waiting) {
        bool same = call.op == "play";
        for (int i = 0; same && i < 5; ++i) same = call.args[i] == expect[i];
        if (!same) {
          std::printf("sfxremix: line %d: the driver call after line %d is not its play: %s\n", number, waitingLine,
                      line.c_str());
          ++faults;
        }
        waiting = false;
      }
      continue;
    }
    if (const size_t at = line.find("sfx: SFX_Init "); at != std::string::npos) {
      // The ambience: two loops of the first list (samples 0-3) of the
      // crowd-ambience bank.
      std::istringstream words(line.substr(at + std::strlen("sfx: SFX_Init ")));
      std::vector<std::string> w;
      for (std::string word; words >> word;) w.push_back(word);
      long bank = -1, volume = -1;
      const bool shaped = w.size() == 8 && w[0] == "ambience" && Field(w, "bank", &bank) && Field(w, "volume", &volume);
      const long first = shaped ? std::strtol(w[4].c_str(), nullptr, 10) : -1;
      const long second = shaped ? std::strtol(w[5].c_str(), nullptr, 10) : -1;
      ++checked;
      if (!shaped || bank != CrowdAmbienceBank || first < 0 || first > 3 || second < 0 || second > 3) {
        std::printf("sfxremix: line %d: not two loops of the ambience's first list: %s\n", number, line.c_str());
        ++faults;
      }
      continue;
    }
    const size_t at = line.find("sfx: SFX_Play ");
    if (at == std::string::npos) continue;
    line = line.substr(at);
    if (waiting) {
      std::printf("sfxremix: line %d: no driver play followed\n", waitingLine);
      ++faults;
      waiting = false;
    }
    ++checked;
    const std::string fault = CheckPlayLine(line, &waiting, expect);
    if (!fault.empty()) {
      std::printf("sfxremix: line %d: %s: %s\n", number, fault.c_str(), line.c_str());
      ++faults;
      waiting = false;
    }
    waitingLine = number;
  }
  if (waiting) {
    std::printf("sfxremix: line %d: no driver play followed\n", waitingLine);
    ++faults;
  }
  std::printf("sfxremix: %d SFX_Init and SFX_Play lines checked against the table, %d faults\n", checked, faults);
  return faults;
}

void Stop() {
  if (SndIsInitialised()) {
    SndStop(-1);
    if (SndActiveChannels()) SndClearActiveChannels();
    for (int key = 0; key < SND_MAX_BANKS; ++key) {
      const SndBank* b = SndGetBank(key);
      if (!b || !b->inUse) continue;
      for (uint32_t n = 0; n < b->samples; ++n)
        if (b->table[n].data) SndUnload(key, static_cast<int>(n));
      SndRemoveSoundBank(key);
    }
    SndUninit();
  }
  UninitPoll();
  ClearTimerInterrupt();
  WinUninit();
  PakFileUninit();
  UninitMemory();
}

}  // namespace

int main(int argc, char** argv) {
  bool checkTable = false;
  std::string pak = "pakfiles\\hdcommon";
  std::vector<std::string> rest;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--check-table") == 0) {
      checkTable = true;
    } else if (std::strcmp(argv[i], "--pak") == 0 && i + 1 < argc) {
      pak = argv[++i];
    } else {
      rest.push_back(argv[i]);
    }
  }
  if (rest.size() != 3) return Usage();
  const std::string logPath = rest[0], outPath = rest[1];
  std::string path, error;
  uint64_t frames = 0;
  if (!PlatParseSoundOut((outPath + ":" + rest[2]).c_str(), &path, &frames, &error)) {
    std::fprintf(stderr, "sfxremix: %s\n", error.c_str());
    return 2;
  }
  std::ifstream file(logPath, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "sfxremix: cannot read %s\n", logPath.c_str());
    return 1;
  }
  std::stringstream text;
  text << file.rdbuf();
  std::vector<SndLogCall> calls;
  if (!SndParseLog(text.str(), &calls, &error)) {
    std::fprintf(stderr, "sfxremix: %s: %s\n", logPath.c_str(), error.c_str());
    return 1;
  }
  bool started = false;
  for (const SndLogCall& c : calls) started = started || (c.op == "init" && c.args[0] == 1);

  PlatUseVirtualClock(true);
  InitMemory(kBudgetKb);
  PakFileInit();
  PakFileAdd(pak.c_str());
  PakFileAddDone();
  WinInit(nullptr, "sfxremix", 1);
  InitTimerInterrupt();
  InitPoll();
  PlatSoundUseMemoryOutput(true);
  if (!PlatSoundMemoryWav(outPath.c_str(), frames)) {
    std::fprintf(stderr, "sfxremix: cannot write %s\n", outPath.c_str());
    Stop();
    return 1;
  }
  int faults = 0;
  if (started) {
    GameSound_Init();
    if (checkTable) faults = CheckTable(text.str());
    bool ended = false;
    if (!SndReplayLog(calls, PlatRawTicks(), &ended, &error)) {
      std::fprintf(stderr, "sfxremix: %s: %s\n", logPath.c_str(), error.c_str());
      PlatSoundMemoryWav(nullptr);
      Stop();
      return 1;
    }
    // The rest of the seconds asked for, unless the logged run stopped its
    // driver first (its mix ended there).
    if (!ended)
      for (uint64_t tick = 0; PlatSoundMemoryWavOpen() && tick <= frames / 441 + 1; ++tick) PlatVirtualAdvance(1);
  } else if (checkTable) {
    faults = CheckTable(text.str());
  }
  const uint64_t written = PlatSoundMemoryFrames();
  PlatSoundMemoryWav(nullptr);
  std::printf("sfxremix: %zu driver calls replayed into %s (%llu frames mixed)\n", calls.size(), outPath.c_str(),
              static_cast<unsigned long long>(written));
  Stop();
  return faults ? 3 : 0;
}
