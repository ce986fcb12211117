// Debug channels, trace lines, aborts and fatal errors.
#include "engine/debug.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "engine/onexit.h"
#include "engine/reset.h"
#include "engine/strcase.h"
#include "engine/winlib.h"
#include "platform/platform.h"

#define ABORT_FILE "debug"

namespace {

struct DebugChannelEntry {
  const char* name;
  int32_t level;
};

struct DebugState {
  DebugChannelEntry channels[DEBUG_NUM_CHANNELS] = {
      {"general", 0}, {"win", 0},   {"directdraw", 0}, {"direct3d", 0}, {"network", 0}, {"file", 0},
      {"graphics", 0}, {"sound", 0}, {"input", 0},      {"memory", 0},   {"poll", 0},    {"sfx", 0},
  };
  int32_t inErrorHandler = 0;
} gDebug;

}  // namespace

int32_t DebugLevel(int channel) {
  if (channel < 0 || channel >= DEBUG_NUM_CHANNELS) return 0;
  return gDebug.channels[channel].level;
}

void SetDebugLevel(int channel, int32_t level) {
  if (channel == DEBUG_ALL) {
    for (auto& c : gDebug.channels) c.level = level;
  } else if (channel >= 0 && channel < DEBUG_NUM_CHANNELS) {
    gDebug.channels[channel].level = level;
  }
}

const char* DebugChannelName(int channel) {
  if (channel < 0 || channel >= DEBUG_NUM_CHANNELS) return "all";
  return gDebug.channels[channel].name;
}

void DebugReset() {
  for (auto& c : gDebug.channels) c.level = 0;
  gDebug.inErrorHandler = 0;
}
REGISTER_RESET(RESET_ENGINE, DebugReset);

int DebugLevelStr2Value(const char* name) {
  if (StrICmp(name, "all") == 0) return DEBUG_ALL;
  for (int i = 0; i < DEBUG_NUM_CHANNELS; ++i)
    if (StrICmp(name, gDebug.channels[i].name) == 0) return i;
  ABORT("DebugLevelStr2Value(): failed to find debug level");
}

void DebugProcessDebugString(const char* text) {
  if (std::strlen(text) > 255) ABORT("DebugProcessDebugString(): string too long");
  char copy[256];
  std::strcpy(copy, text);

  int whole = std::atoi(copy);
  if (whole != 0) {
    SetDebugLevel(DEBUG_ALL, whole);
    return;
  }

  char* p = copy;
  while (*p) {
    // The name is looked up before its level is read: "0" names no channel,
    // "sound" names one but gives no level.
    char* name = p;
    char* sep = name + std::strcspn(name, "=#");
    bool hasLevel = *sep != 0;
    *sep = 0;
    int channel = DebugLevelStr2Value(name);
    if (!hasLevel) ABORT("DebugProcessDebugString(): invalid string");
    char* value = sep + 1;
    char* comma = std::strchr(value, ',');
    if (comma) *comma = 0;
    int level = std::atoi(value);
    std::printf("DEBUG: Setting '%s' to %d\n", DebugChannelName(channel), level);
    SetDebugLevel(channel, level);
    if (!comma) break;
    p = comma + 1;
  }

  if (DebugLevel(DEBUG_GENERAL) >= 50)
    for (int i = 0; i < DEBUG_NUM_CHANNELS; ++i)
      std::printf("DEBUG: '%s' set to %d\n", gDebug.channels[i].name, gDebug.channels[i].level);
}

void AbortError(const char* file, int line, const char* message) {
  FatalError("Abort error: %s\n(File: %s  Line: %d)\n", message, file, line);
}

void FatalError(const char* format, ...) {
  char message[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);

  static const char kDashes[] = "---------------------------------------------------------------------------";
  std::printf("\n%s\n\n%s\n%s\n\n", kDashes, message, kDashes);
  std::fflush(stdout);

  // A failure while the error is being handled ends the program at once: the
  // exit list is what failed, so it must not run again.
  if (gDebug.inErrorHandler) {
    std::printf("Error: Error during error handler\n");
    PlatExitNow(1);
  }
  gDebug.inErrorHandler = 1;
  OnExitRun();
  WinMessageBox(message, PLAT_MB_OK | PLAT_MB_ICONERROR);
  gDebug.inErrorHandler = 0;
  // Reached from the runtime's own exit (a clean-up failing at process end),
  // the process is already ending: a second exit would be undefined.
  if (OnExitProcessExiting()) PlatExitNow(1);
  PlatExit(1);
}

void DebugHexDump(const void* data, int length) {
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  for (int i = 0; i < length; ++i) {
    if (i % 16 == 0) std::printf("%08X:", i);
    unsigned char c = bytes[i];
    if (c >= 32 && c <= 126)
      std::printf(" %c ", c);
    else
      std::printf(" %02X", c);
    if (i % 16 == 15) std::printf("\n");
  }
  std::printf("\n");
}


int DebugIsBadString(const char* text, int maxLength) {
  if (!text) return 1;
  for (int i = 0; i < maxLength; ++i) {
    if (!PlatMemoryAccessible(text + i, 1, PLAT_MEM_READ)) return 1;
    if (text[i] == 0) break;
  }
  return 0;
}

int DebugIsBadMemory(const void* address, int size) {
  if (!address || size < 0) return 1;
  return PlatMemoryAccessible(address, static_cast<size_t>(size), PLAT_MEM_READ | PLAT_MEM_WRITE) ? 0 : 1;
}

int DebugIsBadCode(const void* address) {
  if (!address) return 1;
  return PlatMemoryAccessible(address, 1, PLAT_MEM_READ | PLAT_MEM_EXECUTE) ? 0 : 1;
}
