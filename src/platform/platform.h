// The game's view of the operating system.
//
// The engine was written against a desktop of windows, messages, drive letters
// and a multimedia timer. This layer offers exactly those services, shaped the
// way the engine expects them, and maps them onto Linux: POSIX for files and
// the process, std::thread and the monotonic clock for the 100 Hz timer, and a
// pluggable back end for the window and its input. The SDL2 back end lives in
// platform/sdl and is linked only into the game executable; the game library
// and the tests use the headless back end in this folder.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// ---------------------------------------------------------------------------
// Process
// ---------------------------------------------------------------------------

// Full path of the running program (at most 256 characters are kept).
std::string PlatModulePath();

// Total physical memory in bytes. GAFFERON_PHYSMEM (bytes, or with a K/M/G
// suffix) overrides the machine's figure so both memory budgets can be run.
uint64_t PlatPhysicalMemory();

// Opens a console for logging; on Linux the terminal already is one, so this
// succeeds when standard output is a terminal.
bool PlatOpenConsole();

// Sleeps; under the virtual clock it advances the clock instead.
void PlatSleep(uint32_t milliseconds);

// Gives the processor away briefly while waiting for the next tick. Under the
// virtual clock with auto-advance it moves the clock on by one tick instead.
void PlatYield();
// Called from busy loops that watch the tick count without yielding (so as
// not to disturb what they measure). Free under the real clock; under the
// virtual clock with auto-advance it moves the clock on now and then.
void PlatSpinHint();

// Ends the process at once (no exit handlers of the runtime beyond its own).
[[noreturn]] void PlatExit(int code);

// Message box: modal, owned by the main window. Returns the button pressed
// (1 = OK). Headless, the text is logged on standard output instead.
enum { PLAT_MB_OK = 0, PLAT_MB_ICONERROR = 0x10 };
int PlatMessageBox(const char* caption, const char* text, unsigned type);

// ---------------------------------------------------------------------------
// Files: DOS-style paths on the Linux file system
// ---------------------------------------------------------------------------
//
// A path may use "\" or "/", any letter case and a drive letter. Relative
// paths and drive C: resolve against the working folder; the CD drive letter
// resolves to the CD folder (GAFFERON_CD, default "cd" in the working folder);
// A: resolves to the export folder (GAFFERON_EXPORT, default "export").
// Each component is matched case-insensitively against what exists on disk;
// components that do not exist keep the case they were given.

constexpr char PLAT_CD_DRIVE = 'D';

std::string PlatResolvePath(const char* dosPath);
FILE* PlatOpenFile(const char* dosPath, const char* mode);
int PlatRemoveFile(const char* dosPath);  // 0 on success
bool PlatFileExists(const char* dosPath);

// Drive letters present (bit 0 = A) and their kinds.
enum PlatDriveType { PLAT_DRIVE_NONE = 1, PLAT_DRIVE_REMOVABLE = 2, PLAT_DRIVE_FIXED = 3, PLAT_DRIVE_CDROM = 5 };
uint32_t PlatLogicalDrives();
int PlatDriveType(const char* root);

// Folder search for wildcard patterns ("*" and "?" in the last part).
// Calls back for each match; returns the number of matches.
struct PlatDirEntry {
  std::string name;  // as on disk
  bool isDir;
  uint64_t size;
};
template <typename F>
int PlatForEachInDir(const char* dosFolder, F&& fn);
bool PlatListDir(const char* dosFolder, void (*fn)(const PlatDirEntry&, void*), void* user);

// ---------------------------------------------------------------------------
// Clock and the 100 Hz timer
// ---------------------------------------------------------------------------
//
// The real clock derives ticks from the monotonic clock, so ticks never drift.
// The virtual clock (tests, GAFFERON_CLOCK=virtual) only moves when told to:
// PlatSleep and PlatVirtualAdvance move it and fire the timer callback on the
// calling thread, once per 10 ms crossed.

void PlatUseVirtualClock(bool on);
bool PlatClockIsVirtual();
// Milliseconds since the clock started (monotonic).
uint64_t PlatMilliseconds();
// Ticks (10 ms) since the clock started; independent of application focus.
uint32_t PlatRawTicks();
void PlatVirtualAdvance(uint32_t ticks);
// When set, the idle wait for messages advances the virtual clock by a tick
// instead of blocking (whole-program runs under the virtual clock).
void PlatSetVirtualAutoAdvance(bool on);
bool PlatVirtualAutoAdvance();

// The periodic timer: one callback every period on its own thread (real clock).
typedef void (*PlatTimerCallback)();
uint32_t PlatTimerMinPeriod();  // milliseconds
bool PlatTimerStart(uint32_t periodMs, PlatTimerCallback cb);
bool PlatTimerStop();
bool PlatTimerRunning();

// ---------------------------------------------------------------------------
// Main window and messages
// ---------------------------------------------------------------------------
//
// Message numbers of the main window. Keyboard messages carry the key's
// scan code in bits 16-23 of the long parameter and the extended-key flag in
// bit 24; mouse messages carry x in the low and y in the high 16 bits of the
// long parameter, in the 640 x 480 layout.
enum PlatMessage : uint32_t {
  WM_NULL = 0x0000,
  WM_DESTROY = 0x0002,
  WM_ACTIVATE = 0x0006,
  WM_SETFOCUS = 0x0007,
  WM_KILLFOCUS = 0x0008,
  WM_PAINT = 0x000F,
  WM_CLOSE = 0x0010,
  WM_QUIT = 0x0012,
  WM_ACTIVATEAPP = 0x001C,
  WM_SETCURSOR = 0x0020,
  WM_KEYDOWN = 0x0100,
  WM_KEYUP = 0x0101,
  WM_CHAR = 0x0102,
  WM_SYSKEYDOWN = 0x0104,
  WM_SYSKEYUP = 0x0105,
  WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONDOWN = 0x0201,
  WM_LBUTTONUP = 0x0202,
  WM_RBUTTONDOWN = 0x0204,
  WM_RBUTTONUP = 0x0205,
  WM_MBUTTONDOWN = 0x0207,
  WM_MBUTTONUP = 0x0208,
};

struct PlatMsg {
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
};

typedef intptr_t (*PlatWindowProc)(uint32_t message, uintptr_t wParam, intptr_t lParam);

// Window styles the engine asks for.
struct PlatWindowDesc {
  const char* title;
  bool windowed;  // a fixed-size bordered window; else full screen
  int width;      // client size of a window
  int height;
};

bool PlatCreateWindow(const PlatWindowDesc& desc, PlatWindowProc proc);
// Destroys the window; the window procedure receives WM_DESTROY first.
bool PlatDestroyWindow();
bool PlatWindowExists();
void PlatShowWindow();  // shows it; a shown window is activated and focused
void PlatInvalidateWindow();
void PlatSetClientSize(int width, int height);
void PlatClientOrigin(int* x, int* y);
void PlatShowCursor(bool show);

// The message queue of the main thread.
void PlatPostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
void PlatPostQuitMessage(int code);
// Takes the next message when one waits; false when none.
bool PlatPeekMessage(PlatMsg* msg, bool remove);
// Waits for the next message; false when it is WM_QUIT.
bool PlatGetMessage(PlatMsg* msg);
// Key messages also queue a WM_CHAR where the key gives a character.
void PlatTranslateMessage(const PlatMsg& msg);
intptr_t PlatDispatchMessage(const PlatMsg& msg);
// Sends a message straight to the window procedure.
intptr_t PlatSendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

// Key scan codes (PC set 1) and their names, as in input scripts.
struct PlatKeyCode {
  uint8_t scan;  // 7-bit scan code
  bool extended;
};
bool PlatKeyFromName(const char* name, PlatKeyCode* out);
// Maps a USB HID usage (the back ends' physical key number) to a scan code.
bool PlatKeyFromUsage(int usage, PlatKeyCode* out);
intptr_t PlatKeyLParam(PlatKeyCode key, bool up);

// ---------------------------------------------------------------------------
// Scripted input (GAFFERON_EVENTS)
// ---------------------------------------------------------------------------
//
// One event per line: the time in ticks since start, then "key NAME",
// "move X Y", "click X Y" or "close"; "#" starts a comment. Due events are
// posted into the message queue as the queue is read.

// Loads a script from text; returns false (with a message) on a bad line.
bool PlatLoadEventScript(const std::string& text, std::string* error);
bool PlatLoadEventScriptFile(const char* path, std::string* error);
void PlatClearEventScript();
size_t PlatPendingScriptEvents();

// ---------------------------------------------------------------------------
// Back ends
// ---------------------------------------------------------------------------

// What a window back end supplies. Native events are turned into messages by
// the back end through PlatPostMessage.
struct PlatBackend {
  const char* name;
  bool (*createWindow)(const PlatWindowDesc& desc);
  void (*destroyWindow)();
  void (*showWindow)();
  // Reads native events into the message queue; waits up to timeoutMs when
  // asked to (0 = do not wait).
  void (*pumpEvents)(uint32_t timeoutMs);
  int (*messageBox)(const char* caption, const char* text, unsigned type);
  void (*setClientSize)(int width, int height);
  void (*clientOrigin)(int* x, int* y);
  void (*showCursor)(bool show);
  void (*shutdown)();
};

// The headless back end: no window, no native events. The default.
const PlatBackend* PlatHeadlessBackend();
void PlatSetBackend(const PlatBackend* backend);
const PlatBackend* PlatGetBackend();

// Returns the layer to its start state (tests).
void PlatReset();

// Sends SIGINT/SIGTERM on as a close of the main window.
void PlatInstallSignalHandlers();

template <typename F>
int PlatForEachInDir(const char* dosFolder, F&& fn) {
  int n = 0;
  struct Ctx {
    F* fn;
    int* n;
  } ctx{&fn, &n};
  PlatListDir(
      dosFolder,
      [](const PlatDirEntry& e, void* user) {
        auto* c = static_cast<Ctx*>(user);
        (*c->fn)(e);
        ++*c->n;
      },
      &ctx);
  return n;
}
