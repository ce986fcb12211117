// The in-match controls (keys, pointer, replay bar, the two match
// controllers) and the services the renderers share with the match engine:
// the game clock in seconds, the ground-effect queue (marks left on the turf
// by falls, dives and tackles) and the players' drawing order.
#pragma once

#include <cstdint>

// One mark on the turf, drawn by the renderers while it is active.
struct EffectQueueEntry {
  uint8_t active;
  uint8_t kind;
  int32_t x, y;  // pitch units
  float scale;
  float angle;  // radians
};

constexpr int EFFECT_QUEUE_SIZE = 16;

// The marks the players leave.
enum GroundEffectKind {
  GROUND_EFFECT_TACKLE = 2,           // a sliding tackle's scrape
  GROUND_EFFECT_BODY = 3,             // a body on the turf: a dive or a fall
  GROUND_EFFECT_STANDING_CHALLENGE = 5,
};

// Takes the next entry of the ring (the oldest is overwritten once all 16
// are in use); the angle comes in 256 steps.
void EffectQueue_Add(int32_t x, int32_t y, float scale, int angle256, int kind);
// Entry n (0-15; anything else gives nullptr).
const EffectQueueEntry* EffectQueue_Get(int n);
// All inactive, the next entry 0.
void EffectQueue_Clear();

// ---- keys ----

// Key indices (extended bit x 128 + scan code) the match answers.
enum MatchKey {
  MATCH_KEY_ESCAPE = 1,
  MATCH_KEY_1 = 2,  // "1"-"4": 2-5
  MATCH_KEY_ENTER = 28,
  MATCH_KEY_CAPS_LOCK = 58,
  MATCH_KEY_F1 = 59,
  MATCH_KEY_F2 = 60,
  MATCH_KEY_F3 = 61,
  MATCH_KEY_F4 = 62,
  MATCH_KEY_F5 = 63,
  MATCH_KEY_F6 = 64,
  MATCH_KEY_F7 = 65,
  MATCH_KEY_F8 = 66,
  MATCH_KEY_SCROLL_LOCK = 70,
  MATCH_KEY_F11 = 87,
  MATCH_KEY_F12 = 88,
  MATCH_KEY_UP = 128 + 72,
  MATCH_KEY_LEFT = 128 + 75,
  MATCH_KEY_RIGHT = 128 + 77,
  MATCH_KEY_DOWN = 128 + 80,
};

// Menu requests the keys raise (the match frame serves them).
constexpr int16_t MENU_REQUEST_LINE_UPS = 1;
constexpr int16_t MENU_REQUEST_PAUSE = 5;

// Caption types of the view-setting toggles.
constexpr int INFOBAR_SCREEN_MODE = -1;  // with the new width and height
constexpr int INFOBAR_DETAIL = -2;
constexpr int INFOBAR_QUICK_WATCH = -3;
constexpr int INFOBAR_NAMES = -4;
constexpr int INFOBAR_SCANNER = -5;

// The replay bar: hot spots 11-20 are replay types 0-9; the keyboard's focus
// moves over 12-19.
constexpr int REPLAY_BAR_FIRST_HOTSPOT = 11;
constexpr int REPLAY_BAR_TYPES = 10;
constexpr int REPLAY_FOCUS_MIN = 12;
constexpr int REPLAY_FOCUS_MAX = 19;
constexpr int32_t REPLAY_TYPE_PAUSE = 3;
constexpr int32_t REPLAY_TYPE_SLOTS = 8;  // the replay-slot screen
// replayMode: 1 the user's instant replay (F2), 3 a saved replay, 4 an
// automatic highlight (the bar's keys do not act on it).
constexpr int32_t REPLAY_MODE_INSTANT = 1;
constexpr int32_t REPLAY_MODE_SAVED = 3;
constexpr int32_t REPLAY_MODE_AUTOMATIC = 4;

// Per frame: both match controllers, then the keys. The argument is the
// renderer's and is not read.
void UpdateMatchControls(int mode);
void UpdateMatchKeys();

// The two match controllers: a joystick when one is connected, else a
// keyboard layout (first: the cursor keys with right Ctrl and right Shift;
// second: W A S D with left Ctrl and left Shift). No match code reads them.
constexpr int MATCH_CONTROLLERS = 2;
constexpr uint8_t CONTROLLER_NO_DIRECTION = 255;
struct MatchController {
  uint8_t direction;      // 0-7 clockwise from up, 255 none
  uint8_t buttons;        // bit per button
  uint8_t lastDirection;  // the previous frame's
  uint8_t lastButtons;
};
const MatchController& GetMatchController(int n);
// Direction 0-7 of a step (-1, 0, 1 on each axis; y grows downwards), 255
// for none.
uint8_t ControllerDirection(int dx, int dy);

// ---- the pointer and the replay bar ----

// Pointer += mouse movement, kept within 0 .. screen size - 12; buttons the
// mouse's. The screen is the software match screen in the software "Watch",
// else 640 x 480.
void UpdateMatchMouse();
void GetMatchPointer(int* x, int* y, int* buttons);
void SetMatchPointer(int x, int y, int buttons);
// The keyboard's replay-bar focus (12-19).
int GetReplayBarFocus();
// On a click: the first of hot spots 11-20 holding the point selects replay
// type 0-9 (type 8 opens the replay-slot screen, then the replay pauses).
// Then a running replay countdown falls by one; at its last step the replay
// pauses.
void CheckReplayButtons(int x, int y, int clicked);
// A Watch frame's input: the mouse, the controllers and keys, then the
// replay bar at the pointer.
void ReadMatchInput();
// Frames of single-stepping left before the replay pauses (0: none running).
void SetReplayCountdown(int16_t frames);
int16_t GetReplayCountdown();
// The screen y where the replay bar starts (display mode 2 only; any other
// mode is fatal).
int FindTopOfReplayBar();
// The replay-slot screen between the match display's tear-down and rebuild;
// not while a saved replay plays.
void OpenReplaySlots();

// ---- the substitution requests ----

// F11/F12 and the Subs/Tactics screen raise a side's request; the match flow
// clears it once the change is made.
void ClearPendingSubstitution(int side);

// ---- the renderers' services ----

// The 32 players by distance from the camera's reference player, farthest
// first (the drawing order).
const int16_t* SortPlayersByDistance();

// ---- the outside calls of the controls (tests replace them) ----

struct MatchCtrlSeamTable {
  // F4 / F3: the software renderer's next / previous screen mode; answers
  // the new width and height.
  void (*nextScreenMode)(int* width, int* height);
  void (*previousScreenMode)(int* width, int* height);
  // The replay-slot screen, run inside the menu machine.
  void (*replaySlotScreen)();
  // One screen grab.
  void (*screenGrab)();
  // The information strip's captions.
  void (*infoBar)(int type, int a, int b);
};
extern MatchCtrlSeamTable MatchCtrlSeams;

// The module as at program start (a registered reset).
void MatchCtrl_Reset();
