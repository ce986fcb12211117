// Debug channels, trace lines, aborts and fatal errors.
#pragma once

#include <cstdint>
#include <cstdio>

enum DebugChannel {
  DEBUG_GENERAL = 0,
  DEBUG_WIN,
  DEBUG_DIRECTDRAW,
  DEBUG_DIRECT3D,
  DEBUG_NETWORK,
  DEBUG_FILE,
  DEBUG_GRAPHICS,
  DEBUG_SOUND,
  DEBUG_INPUT,
  DEBUG_MEMORY,
  DEBUG_POLL,
  DEBUG_SFX,  // the match's sound and every sound-driver call that changes what is heard
  DEBUG_NUM_CHANNELS,
  DEBUG_ALL = -1,
};

int32_t DebugLevel(int channel);
void SetDebugLevel(int channel, int32_t level);
const char* DebugChannelName(int channel);
int DebugLevelStr2Value(const char* name);
void DebugProcessDebugString(const char* text);

[[noreturn]] void AbortError(const char* file, int line, const char* message);
[[noreturn]] void FatalError(const char* format, ...) __attribute__((format(printf, 1, 2)));

int CPUSpeedTest();
void DebugHexDump(const void* data, int length);
int DebugIsBadString(const char* text, int maxLength);
int DebugIsBadMemory(const void* address, int size);
int DebugIsBadCode(const void* address);

// Puts every channel back to 0 and clears the error-handler flag (tests).
void DebugReset();

// A trace line on its channel, printed when the channel's level reaches lvl.
#define DPRINT(channel, lvl, ...)                            \
  do {                                                       \
    if (DebugLevel(channel) >= (lvl)) std::printf(__VA_ARGS__); \
  } while (0)

// An abort naming this module's source file; each module defines ABORT_FILE.
#define ABORT(message) AbortError(ABORT_FILE, __LINE__, message)
