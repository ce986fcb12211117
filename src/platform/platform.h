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
#include <vector>

// ---------------------------------------------------------------------------
// Process
// ---------------------------------------------------------------------------

// Full path of the running program (at most 256 characters are kept).
std::string PlatModulePath();

// Total physical memory in bytes. GAFFERON_PHYSMEM (bytes, or with a K/M/G
// suffix) overrides the machine's figure so both memory budgets can be run.
uint64_t PlatPhysicalMemory();
// The seed of the game's generator at start: GAFFERON_SEED when set (a
// scripted run repeats itself), else the time of day.
uint32_t PlatRandomSeed();

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

// Ends the process through the runtime's normal exit (its exit handlers run).
[[noreturn]] void PlatExit(int code);
// Ends the process at once: output is flushed, no exit handler runs.
[[noreturn]] void PlatExitNow(int code);

// Message box: modal, owned by the main window. Returns the button pressed
// (1 = OK). Headless, the text is logged on standard output instead.
enum { PLAT_MB_OK = 0, PLAT_MB_ICONERROR = 0x10 };
int PlatMessageBox(const char* caption, const char* text, unsigned type);

// Whether every byte of [address, address + size) is mapped into the process
// with all the access asked for (a size of 0 asks about the one byte at
// address). Linux answers from /proc/self/maps; no memory is touched.
enum { PLAT_MEM_READ = 1, PLAT_MEM_WRITE = 2, PLAT_MEM_EXECUTE = 4 };
bool PlatMemoryAccessible(const void* address, size_t size, unsigned access);

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
// Renames a file, replacing any file of the new name in one step (a reader
// sees the old file or the new one, never a mix); 0 on success.
int PlatRenameFile(const char* fromDosPath, const char* toDosPath);
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

// Open streams past 2 GB: the size of a stream in bytes (its position is
// kept), -1 when it cannot be told; a seek to a byte offset from the start,
// false when it fails or the offset is negative.
int64_t PlatFileSize(FILE* stream);
bool PlatFileSeek(FILE* stream, int64_t offset);

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
// long parameter, in the screen layout below.
//
// The game's screen layout: the window's client area, the mouse coordinates
// and the front end's screen all measure 640 x 480.
constexpr int PLAT_LAYOUT_WIDTH = 640;
constexpr int PLAT_LAYOUT_HEIGHT = 480;

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
// The client size asked for last (the window's own size at creation).
void PlatGetClientSize(int* width, int* height);
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
// posted into the message queue as the queue is read. A move moves the cursor
// by the distance from the script's previous position (at first the middle
// of the layout), as a mouse would, so a pointer that starts in the middle
// follows the script's coordinates; a click is a move, then the primary
// button pressed and let go at once (the next PlatMouseButtons still sees it).

// Loads a script from text; returns false (with a message) on a bad line.
bool PlatLoadEventScript(const std::string& text, std::string* error);
bool PlatLoadEventScriptFile(const char* path, std::string* error);
void PlatClearEventScript();
size_t PlatPendingScriptEvents();

// ---------------------------------------------------------------------------
// Display: the card, its modes and memory surfaces
// ---------------------------------------------------------------------------
//
// What the engine's DirectDraw layer expects of the display, shaped the way it
// calls it: one display object per card, display modes, surfaces of plain
// memory (lock, pitch, colour fill, rectangle copy, flip), the 256-entry
// palette, the clipper, and the primary surface, whose every change is
// presented in the main window by the back end. Failures come back as
// DirectX-style result codes, so the engine reports them by name.

typedef int32_t PlatResult;
constexpr PlatResult PLAT_OK = 0;
constexpr PlatResult PLATERR_OUTOFMEMORY = static_cast<PlatResult>(0x8007000Eu);
constexpr PlatResult PLATERR_INVALIDPARAMS = static_cast<PlatResult>(0x80070057u);
constexpr PlatResult PLATERR_NOINTERFACE = static_cast<PlatResult>(0x80004002u);
constexpr PlatResult PLATERR_NOTINITIALIZED = static_cast<PlatResult>(0x800401F0u);
constexpr PlatResult PLATERR_ALREADYINITIALIZED = static_cast<PlatResult>(0x88760005u);
constexpr PlatResult PLATERR_INVALIDPIXELFORMAT = static_cast<PlatResult>(0x88760091u);
constexpr PlatResult PLATERR_INVALIDRECT = static_cast<PlatResult>(0x88760096u);
constexpr PlatResult PLATERR_NOEXCLUSIVEMODE = static_cast<PlatResult>(0x887600E1u);
constexpr PlatResult PLATERR_SURFACEBUSY = static_cast<PlatResult>(0x887601AEu);
constexpr PlatResult PLATERR_SURFACELOST = static_cast<PlatResult>(0x887601C2u);
constexpr PlatResult PLATERR_SURFACENOTATTACHED = static_cast<PlatResult>(0x887601CCu);
constexpr PlatResult PLATERR_NOTFLIPPABLE = static_cast<PlatResult>(0x88760246u);
constexpr PlatResult PLATERR_NOTLOCKED = static_cast<PlatResult>(0x88760248u);
constexpr PlatResult PLATERR_NOTPALETTIZED = static_cast<PlatResult>(0x8876024Du);
constexpr PlatResult PLATERR_UNSUPPORTEDMODE = static_cast<PlatResult>(0x8876024Eu);

// Pixel formats. For a z-buffer format bitCount is the z depth, rMask the z
// mask, gMask the stencil mask and stencilBits the stencil depth.
enum : uint32_t {
  PLAT_PF_ALPHAPIXELS = 0x1,
  PLAT_PF_ALPHA = 0x2,
  PLAT_PF_PALETTEINDEXED4 = 0x8,
  PLAT_PF_PALETTEINDEXED8 = 0x20,
  PLAT_PF_RGB = 0x40,
  PLAT_PF_ZBUFFER = 0x400,
  PLAT_PF_PALETTEINDEXED1 = 0x800,
  PLAT_PF_PALETTEINDEXED2 = 0x1000,
  PLAT_PF_STENCILBUFFER = 0x4000,
};
struct PlatPixelFormat {
  uint32_t flags;
  uint32_t bitCount;
  uint32_t rMask, gMask, bMask, aMask;
  uint32_t stencilBits;
};
bool PlatPixelFormatEqual(const PlatPixelFormat& a, const PlatPixelFormat& b);

struct PlatRect {
  int32_t left, top, right, bottom;
};

// Display cards, enumerated as attached (1), detached (2) and non-display (4)
// devices. A null GUID is the primary display driver.
enum : uint32_t { PLAT_ENUM_ATTACHED = 1, PLAT_ENUM_DETACHED = 2, PLAT_ENUM_NONDISPLAY = 4 };
typedef bool (*PlatCardCallback)(const uint8_t* guid, const char* description, const char* driverName, void* user,
                                 void* monitor);
PlatResult PlatEnumDisplayCards(PlatCardCallback callback, void* user, uint32_t flags);

struct PlatDisplay;  // one card's display object
struct PlatSurface;
struct PlatPalette;
struct PlatClipper;

PlatResult PlatCreateDisplay(PlatDisplay** out);
PlatResult PlatDisplayInitialize(PlatDisplay* display, const uint8_t* guid);
uint32_t PlatDisplayAddRef(PlatDisplay* display);
uint32_t PlatDisplayRelease(PlatDisplay* display);

struct PlatDeviceIdentifier {
  char description[512];
  uint32_t driverVersionHigh, driverVersionLow;
};
PlatResult PlatDisplayIdentifier(PlatDisplay* display, PlatDeviceIdentifier* out);
// Capabilities of the card: 3D acceleration, and rendering into a window.
enum : uint32_t { PLAT_CAPS_3D = 0x1, PLAT_CAPS2_CANRENDERWINDOWED = 0x80000 };
PlatResult PlatDisplayCaps(PlatDisplay* display, uint32_t* caps, uint32_t* caps2);
// Video memory of the kinds named by surface capability bits.
PlatResult PlatDisplayVideoMemory(PlatDisplay* display, uint32_t surfaceCaps, uint32_t* total, uint32_t* free);

// Direct3D devices of the card; the callback answers false to stop.
struct Plat3DDeviceDesc {
  uint8_t guid[16];
  uint32_t devCaps, triRasterCaps, triTextureCaps, triFilterCaps;
  uint32_t renderDepths, zBufferDepths;  // bit 11 8-bit, 10 16-bit, 9 24-bit, 8 32-bit
  uint32_t minTexWidth, minTexHeight, maxTexWidth, maxTexHeight, maxTexAspect;
};
typedef bool (*Plat3DDeviceCallback)(const char* description, const char* name, const Plat3DDeviceDesc& desc,
                                     void* user);
typedef bool (*PlatZFormatCallback)(const PlatPixelFormat& format, void* user);
PlatResult PlatDisplayQuery3D(PlatDisplay* display);
PlatResult PlatDisplayEnum3DDevices(PlatDisplay* display, Plat3DDeviceCallback callback, void* user);
PlatResult PlatDisplayEnumZFormats(PlatDisplay* display, const uint8_t* deviceGuid, PlatZFormatCallback callback,
                                   void* user);

// Cooperative levels and display modes.
enum : uint32_t {
  PLAT_COOP_FULLSCREEN = 0x1,
  PLAT_COOP_ALLOWMODEX = 0x40,
  PLAT_COOP_EXCLUSIVE = 0x10,
  PLAT_COOP_NORMAL = 0x8,
  PLAT_COOP_SETDEVICEWINDOW = 0x100,
};
PlatResult PlatDisplaySetCooperativeLevel(PlatDisplay* display, uint32_t flags);
enum : uint32_t { PLAT_MODE_STANDARDVGA = 0x1, PLAT_MODE_MODEX = 0x2 };
struct PlatDisplayMode {
  uint32_t width, height;
  PlatPixelFormat format;
  uint32_t caps;  // PLAT_MODE_*
};
typedef bool (*PlatModeCallback)(const PlatDisplayMode& mode, void* user);
enum : uint32_t { PLAT_ENUMMODES_STANDARDVGA = 0x2 };
PlatResult PlatDisplayEnumModes(PlatDisplay* display, uint32_t flags, PlatModeCallback callback, void* user);
PlatResult PlatDisplaySetMode(PlatDisplay* display, uint32_t width, uint32_t height, uint32_t bitCount,
                              uint32_t refresh, uint32_t flags);
PlatResult PlatDisplayRestoreMode(PlatDisplay* display);

// Surfaces.
enum : uint32_t {
  PLAT_SCAPS_BACKBUFFER = 0x4,
  PLAT_SCAPS_COMPLEX = 0x8,
  PLAT_SCAPS_FLIP = 0x10,
  PLAT_SCAPS_OFFSCREENPLAIN = 0x40,
  PLAT_SCAPS_PRIMARYSURFACE = 0x200,
  PLAT_SCAPS_SYSTEMMEMORY = 0x800,
  PLAT_SCAPS_TEXTURE = 0x1000,
  PLAT_SCAPS_3DDEVICE = 0x2000,
  PLAT_SCAPS_VIDEOMEMORY = 0x4000,
  PLAT_SCAPS_ZBUFFER = 0x20000,
  PLAT_SCAPS_LOCALVIDMEM = 0x10000000,
};
struct PlatSurfaceDesc {
  uint32_t caps;
  uint32_t width, height;       // not for the primary
  bool hasFormat;               // else the display's format
  PlatPixelFormat format;
  uint32_t backBufferCount;     // 0 or 1
  uint32_t caps2;               // PLAT_SCAPS2_* (plat3d.h)
  uint32_t mipMapCount;         // levels of a mip-mapped texture (PLAT_SCAPS_MIPMAP)
};
PlatResult PlatCreateSurface(PlatDisplay* display, const PlatSurfaceDesc& desc, PlatSurface** out);
void PlatSurfaceAddRef(PlatSurface* surface);
uint32_t PlatSurfaceRelease(PlatSurface* surface);
PlatResult PlatSurfaceGetBackBuffer(PlatSurface* surface, PlatSurface** out);  // adds a reference
PlatResult PlatSurfaceAddAttached(PlatSurface* surface, PlatSurface* attached);
PlatResult PlatSurfacePixelFormat(PlatSurface* surface, PlatPixelFormat* out);
PlatResult PlatSurfaceSize(PlatSurface* surface, uint32_t* width, uint32_t* height);
PlatResult PlatSurfaceLock(PlatSurface* surface, void** pixels, int32_t* pitch);
PlatResult PlatSurfaceUnlock(PlatSurface* surface);
// Colour fill of a rectangle (null: all of it) with a raw pixel value.
PlatResult PlatSurfaceFill(PlatSurface* surface, const PlatRect* rect, uint32_t colour);
// Copies a rectangle between surfaces of one pixel format; a null source
// rectangle is all of the source. Copies to the primary are presented.
PlatResult PlatSurfaceBlt(PlatSurface* dest, const PlatRect* destRect, PlatSurface* source, const PlatRect* sourceRect);
// The desktop's copy, converting pixel formats (8-bit through the source's
// palette), as the window system's own blit does.
PlatResult PlatDesktopBlt(PlatSurface* dest, int32_t x, int32_t y, PlatSurface* source, const PlatRect& sourceRect);
PlatResult PlatSurfaceFlip(PlatSurface* surface);
PlatResult PlatSurfaceIsLost(PlatSurface* surface);
PlatResult PlatSurfaceRestore(PlatSurface* surface);
PlatResult PlatSurfaceSetClipper(PlatSurface* surface, PlatClipper* clipper);
PlatResult PlatSurfaceSetPalette(PlatSurface* surface, PlatPalette* palette);
// Shows the primary surface if it was drawn into directly since it was last
// shown; the message pump calls it.
void PlatPresentPending();
// Loses every surface, as a switch to another full-screen program does (tests).
void PlatDisplayLoseSurfaces();

struct PlatPaletteEntry {
  uint8_t red, green, blue, flags;
};
PlatResult PlatCreatePalette(PlatDisplay* display, const PlatPaletteEntry entries[256], PlatPalette** out);
PlatResult PlatPaletteSetEntries(PlatPalette* palette, uint32_t first, uint32_t count, const PlatPaletteEntry* entries);
uint32_t PlatPaletteRelease(PlatPalette* palette);

PlatResult PlatCreateClipper(PlatDisplay* display, PlatClipper** out);
PlatResult PlatClipperSetWindow(PlatClipper* clipper);
uint32_t PlatClipperRelease(PlatClipper* clipper);

// A finished frame as the back end receives it: the primary surface's
// pixels, its format, and for 8-bit pixels the palette.
struct PlatFrame {
  const uint8_t* pixels;
  uint32_t width, height;
  int32_t pitch;
  PlatPixelFormat format;
  const PlatPaletteEntry* palette;  // 256 entries, or null
};
// Converts a frame to 0x00RRGGBB pixels, width x height, rows packed.
void PlatFrameToXRGB(const PlatFrame& frame, uint32_t* out);
// Frames presented so far, and the last one's pixels as 0x00RRGGBB (tests).
uint32_t PlatPresentCount();
bool PlatLastPresented(uint32_t* width, uint32_t* height, const uint32_t** pixels);

// The window was invalidated: the rectangle to repaint (union of the marked
// ones) is taken by the paint message.
void PlatInvalidateRect(const PlatRect* rect);  // null: the whole window
bool PlatBeginPaint(PlatRect* rect);            // false when nothing to paint

// ---------------------------------------------------------------------------
// Mouse cursor and joysticks
// ---------------------------------------------------------------------------

// The cursor in desktop coordinates. Back ends move it by the motion they
// see; it is not tied to the window, so it can be put back to a fixed spot.
void PlatGetCursorPos(int* x, int* y);
void PlatSetCursorPos(int x, int y);
void PlatMoveCursor(int dx, int dy);
// Buttons held now or pressed since the last call: bit 0 primary, bit 1
// secondary, bit 2 middle. A press let go between two calls is still seen once.
uint32_t PlatMouseButtons();
void PlatSetMouseButton(int bit, bool down);
void PlatClearMouseButtons();

struct PlatJoyCaps {
  char name[32];
  uint32_t xMin, xMax, yMin, yMax;
  uint32_t buttons;
};
struct PlatJoyPos {
  uint32_t x, y;
  uint32_t buttons;
};
int PlatJoystickCount();
bool PlatJoystickCaps(int index, PlatJoyCaps* caps);
bool PlatJoystickRead(int index, PlatJoyPos* pos);

// ---------------------------------------------------------------------------
// Sound: channel buffers over the game's own mixer
// ---------------------------------------------------------------------------
//
// What the engine's DirectSound layer expects, shaped the way it calls it: a
// sound object that opens the output, a primary buffer whose format can be set
// and read back, and secondary buffers, each an 8-bit mono ring with lock and
// unlock of a byte range, looping play, stop, play and write positions,
// volume, pan and frequency. An integer mixer makes 44,100 Hz 16-bit stereo
// from the playing buffers. Outputs: the back end's audio device, or the
// memory output, which mixes 441 frames on each tick of the virtual clock (on
// the caller's thread) and can append them to a WAV file. State the output's
// thread shares is locked.

constexpr PlatResult PLATERR_NODRIVER = static_cast<PlatResult>(0x88780078u);
constexpr PlatResult PLATERR_BADFORMAT = static_cast<PlatResult>(0x88780064u);
constexpr PlatResult PLATERR_SOUNDINVALIDCALL = static_cast<PlatResult>(0x88780032u);

constexpr uint32_t PLAT_MIX_RATE = 44100;  // frames per second of the mix
constexpr int32_t PLAT_VOLUME_SILENT = -10000;  // 1/100 dB
constexpr int32_t PLAT_VOLUME_FULL = 0;
constexpr int32_t PLAT_PAN_LEFT = -10000;  // the right side attenuated by 100 dB
constexpr int32_t PLAT_PAN_RIGHT = 10000;
constexpr uint32_t PLAT_FREQUENCY_MIN = 100;
constexpr uint32_t PLAT_FREQUENCY_MAX = 100000;

struct PlatWaveFormat {
  uint16_t formatTag;  // 1 = PCM
  uint16_t channels;
  uint32_t samplesPerSec;
  uint32_t avgBytesPerSec;
  uint16_t blockAlign;
  uint16_t bitsPerSample;
};

// Buffer capabilities.
enum : uint32_t {
  PLAT_SBCAPS_PRIMARY = 0x1,
  PLAT_SBCAPS_CTRLFREQUENCY = 0x20,
  PLAT_SBCAPS_CTRLPAN = 0x40,
  PLAT_SBCAPS_CTRLVOLUME = 0x80,
  PLAT_SBCAPS_GETCURRENTPOSITION2 = 0x10000,
};
// Cooperative levels.
enum : uint32_t { PLAT_SOUND_NORMAL = 1, PLAT_SOUND_EXCLUSIVE = 3 };

struct PlatSoundBufferDesc {
  uint32_t flags;  // PLAT_SBCAPS_*
  uint32_t bytes;  // a secondary buffer's size; 0 for the primary
  PlatWaveFormat format;  // a secondary buffer's format: PCM, mono, 8 bits
};

struct PlatSound;
struct PlatSoundBuffer;

PlatResult PlatSoundCreate(PlatSound** out);
// Opens the output; PLATERR_NODRIVER when there is none.
PlatResult PlatSoundInitialize(PlatSound* sound);
PlatResult PlatSoundSetCooperativeLevel(PlatSound* sound, uint32_t level);
PlatResult PlatSoundCreateBuffer(PlatSound* sound, const PlatSoundBufferDesc& desc, PlatSoundBuffer** out);
// Reference counts: each returns the references left; the last release of the
// sound object closes the output.
uint32_t PlatSoundAddRef(PlatSound* sound);
uint32_t PlatSoundRelease(PlatSound* sound);
uint32_t PlatSoundBufferAddRef(PlatSoundBuffer* buffer);
uint32_t PlatSoundBufferRelease(PlatSoundBuffer* buffer);

// The primary buffer's format: what was asked for is kept, what is read back
// is what the mixer makes (44,100 Hz, 16 bits, 2 channels).
PlatResult PlatSoundBufferSetFormat(PlatSoundBuffer* buffer, const PlatWaveFormat& format);
PlatResult PlatSoundBufferGetFormat(PlatSoundBuffer* buffer, PlatWaveFormat* out);

// Lock of bytes from offset: the first part runs to the end of the ring at
// most, a second part (else null and 0) from its start. What is written into
// the parts reaches the ring at the unlock, which takes the lock's pointers.
PlatResult PlatSoundBufferLock(PlatSoundBuffer* buffer, uint32_t offset, uint32_t bytes, void** part1,
                               uint32_t* bytes1, void** part2, uint32_t* bytes2);
PlatResult PlatSoundBufferUnlock(PlatSoundBuffer* buffer, void* part1, uint32_t bytes1, void* part2,
                                 uint32_t bytes2);
PlatResult PlatSoundBufferPlay(PlatSoundBuffer* buffer, bool looping);
PlatResult PlatSoundBufferStop(PlatSoundBuffer* buffer);
PlatResult PlatSoundBufferSetPosition(PlatSoundBuffer* buffer, uint32_t offset);
// Stopped: both at the position where play stopped. Playing: the write
// position lies 10 ms of the buffer's rate ahead of the play position.
PlatResult PlatSoundBufferGetPosition(PlatSoundBuffer* buffer, uint32_t* play, uint32_t* write);
PlatResult PlatSoundBufferSetVolume(PlatSoundBuffer* buffer, int32_t volume);  // -10000..0
PlatResult PlatSoundBufferSetPan(PlatSoundBuffer* buffer, int32_t pan);  // -10000..10000
PlatResult PlatSoundBufferSetFrequency(PlatSoundBuffer* buffer, uint32_t hz);
bool PlatSoundBufferPlaying(PlatSoundBuffer* buffer);

// The mixer: frames of interleaved left and right 16-bit samples from every
// playing buffer, saturated. Outputs call it (under the mixer's lock).
void PlatSoundMix(int16_t* out, uint32_t frames);
// The gain of an attenuation in 1/100 dB as a 16.16 factor (65536 at 0 dB,
// 0 at -10000 and below).
uint32_t PlatSoundGain(int32_t attenuation);

// The memory output: while on, PlatSoundInitialize takes it instead of the
// back end's device. Each 10 ms tick of the clock (the virtual clock's, or
// the real clock's timer thread) mixes 441 frames; they are appended to the
// WAV file named (a plain path; null closes it, its header then tells its
// length) and, while capturing, kept in memory. With maxFrames the file is
// closed as soon as it holds that many frames (the last tick's mix cut).
void PlatSoundUseMemoryOutput(bool on);
bool PlatSoundMemoryWav(const char* path, uint64_t maxFrames = 0);
bool PlatSoundMemoryWavOpen();
// GAFFERON_SOUND_OUT's value "FILE:SECONDS" (the last colon splits it;
// SECONDS a positive decimal number up to 86400): the path and the frames
// (seconds x 44,100, rounded), or false and the reason.
bool PlatParseSoundOut(const char* text, std::string* path, uint64_t* frames, std::string* error);
void PlatSoundMemoryCapture(bool on);
std::vector<int16_t> PlatSoundMemoryTake();
// Frames the memory output has mixed since it was opened.
uint64_t PlatSoundMemoryFrames();
// One tick of the clock for the memory output (the clock calls it).
void PlatSoundClockTick();
// Live buffers and sound objects (tests).
int PlatSoundLiveBuffers();
// Closes the output and frees every object (a registered reset).
void PlatSoundReset();

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
  // Shows a finished frame in the window, scaled to it with the aspect kept.
  void (*present)(const PlatFrame& frame);
  // Joysticks: how many, their ranges and names, their positions now.
  int (*joystickCount)();
  bool (*joystickCaps)(int index, PlatJoyCaps* caps);
  bool (*joystickRead)(int index, PlatJoyPos* pos);
  // Sound: opens the audio device at rate, 16-bit stereo, whose thread then
  // asks fill for frames; false when there is none. Closes it again.
  bool (*openAudio)(uint32_t rate, void (*fill)(int16_t* out, uint32_t frames));
  void (*closeAudio)();
};

// The headless back end: no window, no native events. The default.
const PlatBackend* PlatHeadlessBackend();
void PlatSetBackend(const PlatBackend* backend);
const PlatBackend* PlatGetBackend();

// Return the window, message and display state to their start (both are
// registered resets of the platform layer).
void PlatReset();
// Frees every surface and forgets the display state.
void PlatDisplayReset();

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

#include "platform/plat3d.h"
