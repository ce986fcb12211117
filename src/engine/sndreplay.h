// The sound driver's call log read back: the lines the sfx debug channel
// writes for each driver call ("sfx: tick T clock R CALL ARGS", sound.h) and
// their replay on the driver, so a run's mix can be made again from its log.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SndLogCall {
  uint32_t tick = 0;   // TimerTicks
  uint32_t clock = 0;  // the raw clock tick the memory output mixed up to
  std::string op;      // init, uninit, channels, play, ...
  std::vector<long> args;
  int line = 0;  // line number in the log (1 = first)
};

// One log line (the driver's line may follow an unfinished line of another
// module): true and the call for a driver line, false for any other
// line. A driver line whose call is unknown or has the wrong number of
// arguments is an error (error set, false returned).
bool SndParseLogLine(const char* text, SndLogCall* out, std::string* error);

// Every driver line of a log's text, in order; false and the first error.
bool SndParseLog(const std::string& text, std::vector<SndLogCall>* calls, std::string* error);

// Makes the call on the driver as the logged run made it. init, uninit and
// addbank are the caller's (they start and end the replay); false and a
// message for those or for a call whose arguments are out of range.
bool SndReplayCall(const SndLogCall& call, std::string* error);

// Replays the calls that follow the first init under the virtual clock: the
// driver must have just been started (SndInit, banks added as in the logged
// run) at raw tick `start`; each call is made after the clock has moved as
// far past `start` as the logged call was past the logged init. Stops after
// an uninit (true in *ended) or the last call. False and a message for a
// call out of time order or one that cannot be replayed.
bool SndReplayLog(const std::vector<SndLogCall>& calls, uint32_t start, bool* ended, std::string* error);
