// The sound driver's call log read back and replayed.
#include "engine/sndreplay.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "engine/sound.h"
#include "platform/platform.h"

namespace {

struct OpShape {
  const char* name;
  int args;
};
const OpShape kOps[] = {
    {"init", 1},   {"uninit", 0}, {"channels", 1}, {"clearchannels", 0}, {"addbank", 1}, {"removebank", 1},
    {"load", 2},   {"unload", 2}, {"play", 5},     {"stop", 1},          {"volume", 2},  {"pan", 2},
    {"frequency", 2}, {"refill", 0}, {"update", 0},
};

bool ReadNumber(std::istringstream& in, long* out) {
  std::string word;
  if (!(in >> word)) return false;
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(word.c_str(), &end, 10);
  if (errno || !end || *end || end == word.c_str()) return false;
  *out = v;
  return true;
}

std::string Where(const SndLogCall& c) {
  return "line " + std::to_string(c.line) + " (" + c.op + ")";
}

bool ChannelOk(long channel, bool allowAll) {
  return (allowAll && channel == -1) || (channel >= 0 && channel < SndActiveChannels());
}

bool BankOk(long key) {
  const SndBank* b = SndGetBank(static_cast<int>(key));
  return b && b->inUse;
}

bool SampleOk(long key, long sample) {
  const SndBank* b = SndGetBank(static_cast<int>(key));
  return b && b->inUse && (sample == -1 || (sample >= 0 && static_cast<uint64_t>(sample) < b->samples));
}

}  // namespace

bool SndParseLogLine(const char* text, SndLogCall* out, std::string* error) {
  static const char kPrefix[] = "sfx: tick ";
  // A line another module left unfinished may run into it.
  const char* start = std::strstr(text, kPrefix);
  if (!start) return false;
  std::istringstream in(start + sizeof kPrefix - 1);
  long tick = 0, clock = 0;
  std::string word;
  if (!ReadNumber(in, &tick) || !(in >> word) || word != "clock" || !ReadNumber(in, &clock) || tick < 0 ||
      clock < 0) {
    *error = std::string("not a driver line: ") + text;
    return false;
  }
  SndLogCall c;
  c.tick = static_cast<uint32_t>(tick);
  c.clock = static_cast<uint32_t>(clock);
  if (!(in >> c.op)) {
    *error = std::string("a driver line without its call: ") + text;
    return false;
  }
  int expected = -1;
  for (const OpShape& op : kOps)
    if (c.op == op.name) expected = op.args;
  if (expected < 0) {
    *error = "unknown driver call \"" + c.op + "\"";
    return false;
  }
  long v = 0;
  while (ReadNumber(in, &v)) c.args.push_back(v);
  if (static_cast<int>(c.args.size()) != expected || !in.eof()) {
    *error = "driver call \"" + c.op + "\" with the wrong arguments: " + text;
    return false;
  }
  error->clear();
  *out = c;
  return true;
}

bool SndParseLog(const std::string& text, std::vector<SndLogCall>* calls, std::string* error) {
  calls->clear();
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    SndLogCall c;
    if (SndParseLogLine(line.c_str(), &c, error)) {
      c.line = number;
      calls->push_back(c);
    } else if (!error->empty()) {
      *error = "line " + std::to_string(number) + ": " + *error;
      return false;
    }
  }
  error->clear();
  return true;
}

bool SndReplayCall(const SndLogCall& c, std::string* error) {
  const std::vector<long>& a = c.args;
  auto fail = [&](const char* why) {
    *error = Where(c) + ": " + why;
    return false;
  };
  const std::string& op = c.op;
  if (op == "channels") {
    if (a[0] < 1 || a[0] > SND_MAX_CHANNELS || SndActiveChannels()) return fail("channel count out of range");
    SndSetActiveChannels(static_cast<int>(a[0]));
  } else if (op == "clearchannels") {
    if (!SndActiveChannels()) return fail("no channels are active");
    SndClearActiveChannels();
  } else if (op == "removebank") {
    if (!BankOk(a[0])) return fail("no such bank");
    for (uint32_t n = 0; n < SndGetBank(static_cast<int>(a[0]))->samples; ++n)
      if (SndGetBank(static_cast<int>(a[0]))->table[n].data) return fail("the bank still has samples loaded");
    SndRemoveSoundBank(static_cast<int>(a[0]));
  } else if (op == "load" || op == "unload") {
    if (!SampleOk(a[0], a[1])) return fail("no such bank or sample");
    if ((SndGetBank(static_cast<int>(a[0]))->type & 0xF00) != SND_STORE_RAM) return fail("not a bank held in memory");
    if (op == "load")
      SndLoad(static_cast<int>(a[0]), static_cast<int>(a[1]));
    else
      SndUnload(static_cast<int>(a[0]), static_cast<int>(a[1]));
  } else if (op == "play") {
    if (!SampleOk(a[0], a[1]) || a[1] < 0) return fail("no such bank or sample");
    if (!ChannelOk(a[2], true)) return fail("no such channel");
    if ((SndGetBank(static_cast<int>(a[0]))->type & 0xF00) == SND_STORE_RAM &&
        !SndGetBank(static_cast<int>(a[0]))->table[a[1]].data)
      return fail("the sample is not loaded");
    SndPlay(static_cast<int>(a[0]), static_cast<int>(a[1]), static_cast<int>(a[2]), static_cast<int>(a[3]),
            static_cast<int>(a[4]));
  } else if (op == "stop") {
    if (!ChannelOk(a[0], true)) return fail("no such channel");
    SndStop(static_cast<int>(a[0]));
  } else if (op == "volume" || op == "pan" || op == "frequency") {
    if (!ChannelOk(a[0], false)) return fail("no such channel");
    if (op == "volume") {
      SndSetChannelVolume(static_cast<int>(a[0]), static_cast<int>(a[1]));
    } else if (op == "pan") {
      SndSetChannelPan(static_cast<int>(a[0]), static_cast<int>(a[1]));
    } else {
      if (a[1] < static_cast<long>(PLAT_FREQUENCY_MIN) || a[1] > static_cast<long>(PLAT_FREQUENCY_MAX))
        return fail("frequency out of range");
      SndSetChannelFrequency(static_cast<int>(a[0]), static_cast<uint32_t>(a[1]));
    }
  } else if (op == "refill") {
    SndUpdateChanelsFully();
  } else if (op == "update") {
    SndUpdateChanels();
  } else {
    return fail("not a call to replay");
  }
  return true;
}

bool SndReplayLog(const std::vector<SndLogCall>& calls, uint32_t start, bool* ended, std::string* error) {
  *ended = false;
  size_t i = 0;
  while (i < calls.size() && calls[i].op != "init") ++i;
  if (i == calls.size()) {
    error->clear();
    return true;  // the logged run never started the driver
  }
  const uint32_t logStart = calls[i].clock;
  for (++i; i < calls.size(); ++i) {
    const SndLogCall& c = calls[i];
    if (c.clock < logStart) {
      *error = Where(c) + ": before the driver started";
      return false;
    }
    const uint64_t target = static_cast<uint64_t>(start) + (c.clock - logStart);
    const uint32_t now = PlatRawTicks();
    if (target < now) {
      *error = Where(c) + ": out of time order";
      return false;
    }
    if (target > now) PlatVirtualAdvance(static_cast<uint32_t>(target - now));
    if (c.op == "init") {
      *error = Where(c) + ": the driver started a second time";
      return false;
    }
    if (c.op == "uninit") {
      *ended = true;
      break;
    }
    if (c.op == "addbank") {
      // The banks were added as in the logged run: the same keys.
      if (!BankOk(c.args[0])) {
        *error = Where(c) + ": the replay has no bank " + std::to_string(c.args[0]);
        return false;
      }
      continue;
    }
    if (!SndReplayCall(c, error)) return false;
  }
  error->clear();
  return true;
}
