#include "generic/matchctrl.h"
#include "generic/replayfile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/reset.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/replay.h"
#include "generic/hud.h"
#include "generic/ingmenu.h"
#include "generic/pccamera.h"
#include "render256/mgraphic.h"
#include "render256/swscreen.h"
#include "render256/vidopt.h"

namespace {

constexpr int kWatchMode = 2;
constexpr int kLayoutWidth = 640, kLayoutHeight = 480;
constexpr int kPointerMargin = 12;
constexpr int kCameraGroups = 4;
constexpr int kGroupCameras = 3;

struct EffectQueueState {
  EffectQueueEntry entries[EFFECT_QUEUE_SIZE];
  int next;
};
EffectQueueState gEffects{};

// A key that selects a camera: up to three cameras it cycles through.
struct CameraKey {
  int16_t cameras[kGroupCameras];  // -1 none
  int16_t key;
  int16_t text;  // no caption
  int16_t cycle;
};

struct ControlState {
  int16_t pointerX, pointerY, pointerButtons;
  int16_t focus;
  int16_t replayCountdown;
  int16_t grabbing;  // Caps Lock held after a grab: every frame is grabbed
  CameraKey cameraKeys[kCameraGroups];
  MatchController controllers[MATCH_CONTROLLERS];
  int16_t order[MATCH_PLAYERS];
};

ControlState StartState() {
  ControlState s{};
  s.focus = REPLAY_FOCUS_MIN;
  for (int g = 0; g < kCameraGroups; ++g)
    s.cameraKeys[g] = CameraKey{{static_cast<int16_t>(g), -1, -1}, static_cast<int16_t>(MATCH_KEY_1 + g), -1, 0};
  for (MatchController& c : s.controllers) {
    c.direction = c.lastDirection = CONTROLLER_NO_DIRECTION;
    c.buttons = c.lastButtons = 0;
  }
  for (int i = 0; i < MATCH_PLAYERS; ++i) s.order[i] = static_cast<int16_t>(i);
  return s;
}
ControlState gCtrl = StartState();

// The keyboard layouts of the controllers: up, down, left, right, then two buttons.
constexpr int kLayouts[MATCH_CONTROLLERS][6] = {
    {MATCH_KEY_UP, MATCH_KEY_DOWN, MATCH_KEY_LEFT, MATCH_KEY_RIGHT, 128 + 29, 54},
    {17, 31, 30, 32, 29, 42},
};

bool Pressed(int key) { return KeyWasPressed(key) != 0; }

bool SideHuman(int side) {
  return GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side & 1] + SETUP_TEAM_HUMAN] != 0;
}

// The side whose request F11 (first 0) or F12 (first 1) toggles: the first
// when it is human-managed, else the other when that is.
void ToggleSubstitution(int first) {
  for (int side : {first, 1 - first})
    if (SideHuman(side)) {
      SubstitutionRequest[side] = SubstitutionRequest[side] ? 0 : 1;
      return;
    }
}

void ScreenSize(int* width, int* height) {
  *width = kLayoutWidth;
  *height = kLayoutHeight;
  if (MatchDisplayMode() == kWatchMode && !MatchSeams.videoIsDirect3D() && ScreenWidth > 0 && ScreenHeight > 0) {
    *width = ScreenWidth;
    *height = ScreenHeight;
  }
}

void PointAtFocus() {
  const HotSpotRect r = HotSpot_Get(gCtrl.focus);
  SetMatchPointer(r.x + r.width / 2, r.y + r.height / 2, 0);
}

void SelectCamera(CameraKey& group) {
  int16_t camera = group.cameras[group.cycle];
  if (camera < 0) {
    group.cycle = 0;
    camera = group.cameras[0];
  }
  if (camera < 0 || camera >= CAMERA_COUNT) return;
  CurrentCamera = camera;
  ProcessViewPoint(camera);
  ++group.cycle;
  if (group.cycle >= kGroupCameras || group.cameras[group.cycle] < 0) group.cycle = 0;
}

void Caption(int type, int a = 0, int b = 0) { MatchCtrlSeams.infoBar(type, a, b); }

void ReadController(int n) {
  MatchController& c = gCtrl.controllers[n];
  c.lastDirection = c.direction;
  c.lastButtons = c.buttons;
  const JoystickState* joysticks = static_cast<uint32_t>(n) < JoystickCount() ? ReadJoysticks() : nullptr;
  if (joysticks != nullptr && joysticks[n].buttons >= 0) {
    const JoystickState& j = joysticks[n];
    c.direction = ControllerDirection((j.x > 0) - (j.x < 0), (j.y > 0) - (j.y < 0));
    c.buttons = static_cast<uint8_t>(j.buttons & 0xFF);
    return;
  }
  const int* keys = kLayouts[n];
  const int dx = (KeyIsDown(keys[3]) != 0) - (KeyIsDown(keys[2]) != 0);
  const int dy = (KeyIsDown(keys[1]) != 0) - (KeyIsDown(keys[0]) != 0);
  c.direction = ControllerDirection(dx, dy);
  c.buttons = static_cast<uint8_t>((KeyIsDown(keys[4]) ? 1 : 0) | (KeyIsDown(keys[5]) ? 2 : 0));
}

// The stand-ins of the outside calls.
void ScreenModeStandIn(const char* which, int* width, int* height) {
  std::printf("matchctrl: %s screen mode (stand-in)\n", which);
  *width = ScreenWidth;
  *height = ScreenHeight;
}

MatchCtrlSeamTable StandIns() {
  MatchCtrlSeamTable t{};
  t.nextScreenMode = [](int* w, int* h) { ScreenModeStandIn("next", w, h); };
  t.previousScreenMode = [](int* w, int* h) { ScreenModeStandIn("previous", w, h); };
  t.replaySlotScreen = ReplaySaveScreen;
  t.screenGrab = GfxScreenGrab;
  t.infoBar = InfoBar;
  return t;
}


}  // namespace

MatchCtrlSeamTable MatchCtrlSeams = StandIns();

// ---- the game clock ----

int32_t GetMatchTimeSeconds() {
  static constexpr int kMinutes[4] = {45, 45, 15, 15};
  static constexpr int kStartMinute[4] = {0, 45, 90, 105};
  if (period >= 4) return (kStartMinute[3] + kMinutes[3]) * 60;  // the shoot-out reads as the end of extra time
  const int p = period < 0 ? 0 : period;
  int64_t seconds = 0;
  if (PeriodLengthFrames > 0) seconds = int64_t{kMinutes[p]} * PeriodFrames * 60 / PeriodLengthFrames;
  return static_cast<int32_t>(seconds + kStartMinute[p] * 60);
}

// ---- the ground effects ----

void EffectQueue_Add(int32_t x, int32_t y, float scale, int angle256, int kind) {
  EffectQueueEntry& e = gEffects.entries[gEffects.next];
  e.active = 1;
  e.kind = static_cast<uint8_t>(kind);
  e.x = x;
  e.y = y;
  e.scale = scale;
  e.angle = static_cast<float>(angle256 * 3.141592653589793 / 128);
  gEffects.next = (gEffects.next + 1) % EFFECT_QUEUE_SIZE;
}

const EffectQueueEntry* EffectQueue_Get(int n) {
  if (n < 0 || n >= EFFECT_QUEUE_SIZE) return nullptr;
  return &gEffects.entries[n];
}

void EffectQueue_Clear() { gEffects = EffectQueueState{}; }

REGISTER_RESET(RESET_MATCH, EffectQueue_Clear);

// ---- the controls ----

void MatchCtrl_Reset() {
  gCtrl = StartState();
  MatchCtrlSeams = StandIns();
}
REGISTER_RESET(RESET_PRESENTATION, MatchCtrl_Reset);

uint8_t ControllerDirection(int dx, int dy) {
  // Rows dy -1, 0, 1; columns dx -1, 0, 1.
  static constexpr uint8_t kTable[3][3] = {{7, 0, 1}, {6, CONTROLLER_NO_DIRECTION, 2}, {5, 4, 3}};
  if (dx < -1 || dx > 1 || dy < -1 || dy > 1) return CONTROLLER_NO_DIRECTION;
  return kTable[dy + 1][dx + 1];
}

const MatchController& GetMatchController(int n) { return gCtrl.controllers[n & 1]; }

void UpdateMatchControls(int) {
  for (int n = 0; n < MATCH_CONTROLLERS; ++n) ReadController(n);
  UpdateMatchKeys();
}

void UpdateMatchKeys() {
  if (Pressed(MATCH_KEY_F1)) MenuRequest = MENU_REQUEST_PAUSE;
  if (Pressed(MATCH_KEY_ESCAPE)) {
    if (ReplayPlaying)
      ReplayEndRequest = 1;
    else
      MenuRequest = MENU_REQUEST_LINE_UPS;
  }
  // The rest belongs to the full 3D view.
  if (MatchDisplayMode() != kWatchMode) return;

  if (Pressed(MATCH_KEY_F11)) ToggleSubstitution(0);
  if (Pressed(MATCH_KEY_F12)) ToggleSubstitution(1);

  const bool barKeys = ReplayPlaying && replayMode != REPLAY_MODE_AUTOMATIC;
  if (Pressed(MATCH_KEY_LEFT) && barKeys) {
    gCtrl.focus = static_cast<int16_t>(std::max(REPLAY_FOCUS_MIN, gCtrl.focus - 1));
    PointAtFocus();
  }
  if (Pressed(MATCH_KEY_RIGHT) && barKeys) {
    gCtrl.focus = static_cast<int16_t>(std::min(REPLAY_FOCUS_MAX, gCtrl.focus + 1));
    PointAtFocus();
  }
  if (Pressed(MATCH_KEY_ENTER) && barKeys) gCtrl.pointerButtons = 1;

  for (CameraKey& group : gCtrl.cameraKeys)
    if (Pressed(group.key)) SelectCamera(group);

  const bool software = !MatchSeams.videoIsDirect3D();
  const bool nextMode = Pressed(MATCH_KEY_F4), previousMode = Pressed(MATCH_KEY_F3);
  if (software && (nextMode || previousMode)) {
    int width = 0, height = 0;
    if (nextMode)
      MatchCtrlSeams.nextScreenMode(&width, &height);
    else
      MatchCtrlSeams.previousScreenMode(&width, &height);
    Caption(INFOBAR_SCREEN_MODE, width, height);
  }
  if (Pressed(MATCH_KEY_F7)) {
    ScannerOn = ScannerOn ? 0 : 1;
    Caption(INFOBAR_SCANNER);
  }
  if (Pressed(MATCH_KEY_F8)) {
    ModelDetail = (ModelDetail + 1) % 3;
    Caption(INFOBAR_DETAIL);
  }
  if (Pressed(MATCH_KEY_F6)) {
    PlayerNamesOn = PlayerNamesOn ? 0 : 1;
    Caption(INFOBAR_NAMES);
  }
  if (Pressed(MATCH_KEY_F5) && !ReplayPlaying) {
    QuickWatch = QuickWatch ? 0 : 1;
    Caption(INFOBAR_QUICK_WATCH);
  }
  if (Pressed(MATCH_KEY_F2)) {
    if (ReplayPlaying) {
      ReplayEndRequest = 1;
    } else {
      ReplayStartRequest = 1;
      ReplayType = REPLAY_TYPE_PAUSE;
      replayMode = REPLAY_MODE_INSTANT;
      QuickWatch = 0;
    }
  }
  if (Pressed(MATCH_KEY_SCROLL_LOCK)) {
    MatchCtrlSeams.screenGrab();
    gCtrl.grabbing = KeyIsDown(MATCH_KEY_CAPS_LOCK) ? 1 : 0;
  } else if (gCtrl.grabbing) {
    if (KeyIsDown(MATCH_KEY_CAPS_LOCK))
      MatchCtrlSeams.screenGrab();
    else
      gCtrl.grabbing = 0;
  }
}

void UpdateMatchMouse() {
  int dx = 0, dy = 0, buttons = 0;
  if (MouseDriverState() == 2) ReadMouseDriver(&dx, &dy, &buttons);
  int width, height;
  ScreenSize(&width, &height);
  const int x = std::clamp(gCtrl.pointerX + dx, 0, std::max(0, width - kPointerMargin));
  const int y = std::clamp(gCtrl.pointerY + dy, 0, std::max(0, height - kPointerMargin));
  SetMatchPointer(x, y, buttons);
}

void GetMatchPointer(int* x, int* y, int* buttons) {
  if (x) *x = gCtrl.pointerX;
  if (y) *y = gCtrl.pointerY;
  if (buttons) *buttons = gCtrl.pointerButtons;
}

void SetMatchPointer(int x, int y, int buttons) {
  gCtrl.pointerX = static_cast<int16_t>(x);
  gCtrl.pointerY = static_cast<int16_t>(y);
  gCtrl.pointerButtons = static_cast<int16_t>(buttons);
}

int GetReplayBarFocus() { return gCtrl.focus; }

void CheckReplayButtons(int x, int y, int clicked) {
  if (clicked) {
    for (int type = 0; type < REPLAY_BAR_TYPES; ++type) {
      if (!HotSpot_HitTest(x, y, REPLAY_BAR_FIRST_HOTSPOT + type)) continue;
      ReplayType = type;
      if (type == REPLAY_TYPE_SLOTS) {
        OpenReplaySlots();
        ReplayType = REPLAY_TYPE_PAUSE;
      }
      break;
    }
  }
  if (gCtrl.replayCountdown > 0 && --gCtrl.replayCountdown == 0) ReplayType = REPLAY_TYPE_PAUSE;
}

void SetReplayCountdown(int16_t frames) { gCtrl.replayCountdown = std::max<int16_t>(0, frames); }
int16_t GetReplayCountdown() { return gCtrl.replayCountdown; }

int FindTopOfReplayBar() {
  if (MatchDisplayMode() != kWatchMode) FatalError("Error: default case hit in FindTopOfReplayBar()");
  // The bar graphic's size is fixed: its file must have it.
  int height = MGraphicTable[MGRAPHIC_REPBAR].height;
  if (height <= 0) height = MGraphGetItem(MGRAPHIC_REPBAR)->height;
  return ScreenHeight - height;
}

void OpenReplaySlots() {
  if (replayMode == REPLAY_MODE_SAVED) return;
  // The replay stands still behind the screen and stays paused after it.
  MenuRequest = 0;
  ReplayType = REPLAY_TYPE_PAUSE;
  InGameMenuSeams.destroyMatchEnvironment();
  InGameMenuSeams.initSetOfMenus();
  MatchCtrlSeams.replaySlotScreen();
  InGameMenuSeams.uninitSetOfMenus();
  InGameMenuSeams.createMatchEnvironment();
}

void ClearPendingSubstitution(int side) {
  if (side < 0 || side > 1) return;
  SubstitutionRequest[side] = 0;
}

const int16_t* SortPlayersByDistance() {
  const RenderObject& reference = RenderObjects[FollowedObject()];
  int64_t distance[MATCH_PLAYERS];
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    const int64_t dx = std::lround(RenderObjects[i].x - reference.x);
    const int64_t dy = std::lround(RenderObjects[i].y - reference.y);
    distance[i] = dx * dx + dy * dy;
    gCtrl.order[i] = static_cast<int16_t>(i);
  }
  std::stable_sort(gCtrl.order, gCtrl.order + MATCH_PLAYERS,
                   [&](int16_t a, int16_t b) { return distance[a] > distance[b]; });
  return gCtrl.order;
}

void ReadMatchInput() {
  UpdateMatchMouse();
  UpdateMatchControls(0);
  int x, y, buttons;
  GetMatchPointer(&x, &y, &buttons);
  CheckReplayButtons(x, y, buttons);
}
