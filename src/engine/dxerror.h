// DirectX result codes: their symbolic names, and the two ways a failed
// DirectX call is reported (fatal error, or a warning on standard output).
#pragma once

#include <cstdint>
#include <cstdio>

#include "engine/debug.h"

typedef int32_t HRESULT;

// The name of a result code; for a code without one, "unknown HRESULT
// (0x%08X)" in a buffer that the next unknown code overwrites.
const char* DXErrorName(HRESULT code);

// Number of codes with a name (reports, tests).
int DXErrorNameCount();

// Reports a failed call (negative result) and ends the program. `file` is the
// module's source-file name (ABORT_FILE), `func` the calling function.
#define DX_FATAL_CHECK(result, call)                                                                   \
  do {                                                                                                 \
    HRESULT dx_result_ = (result);                                                                     \
    if (dx_result_ < 0)                                                                                \
      FatalError("Error: [file %s, line %d, func %s()]:\nDirectX call %s() failed: %s\n", ABORT_FILE, \
                 __LINE__, __func__, call, DXErrorName(dx_result_));                                   \
  } while (0)

// Reports a failed call (negative result) on standard output; the caller goes
// on with its fallback. Evaluates to true when the call failed.
#define DX_WARN_CHECK(result, call) DXWarnFailed((result), ABORT_FILE, __LINE__, __func__, call)

bool DXWarnFailed(HRESULT result, const char* file, int line, const char* func, const char* call);

// Releases an interface pointer and clears it, logging on `channel` above
// level 79: "DX_SAFE_RELEASE(): releasing <expr>" or "... <expr> already released".
#define DX_SAFE_RELEASE(channel, pointer, releaseFn)                                         \
  do {                                                                                       \
    if (pointer) {                                                                           \
      DPRINT(channel, 80, "DX_SAFE_RELEASE(): releasing %s\n", #pointer);                    \
      releaseFn(pointer);                                                                    \
      (pointer) = nullptr;                                                                   \
    } else {                                                                                 \
      DPRINT(channel, 80, "DX_SAFE_RELEASE(): %s already released\n", #pointer);             \
    }                                                                                        \
  } while (0)
