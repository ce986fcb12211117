// The Pause menu, the in-match Options menu and the shoot-out taker order
// screen.
#include "generic/pausemenu.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/highlight.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/teamops.h"
#include "generic/gamesound.h"
#include "generic/ingmenu.h"
#include "generic/ingnav.h"
#include "generic/pccamera.h"
#include "menus/gnlayer.h"
#include "menus/gnmap.h"
#include "menus/menucont.h"
#include "render256/vidopt.h"
#include "season/playfix.h"

PauseMenuWords PauseMenuShown;
OptionsMenuWords OptionsMenuShown;
ShootOutScreenState ShootOutScreen;

namespace {

constexpr int16_t kCommentary = 0, kWatch = 2;  // display modes (1 is Scanner)

// ---- map helpers ----

constexpr uint8_t kCentred = GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kCentreTop = GN_JUSTIFY_CENTRE | GN_JUSTIFY_TOP;
constexpr uint8_t kLeftMiddle = GN_JUSTIFY_LEFT | GN_JUSTIFY_MIDDLE;
constexpr int kRaisedButton = 1;
constexpr int kShade50 = 3;
constexpr int kShade25 = 4;
constexpr int kSliderFillColour = 3;  // blue: the white "%d%%" stays readable over it

using gnitem::Background;
using gnitem::Custom;
using gnitem::End;
using gnitem::Hot;
using gnitem::Set;
using gnitem::SetVar;
using gnitem::Text;
using gnitem::TextVar;
using gnitem::Unit;

constexpr GNDisplayItem Title(const char* text) {
  return {GN_ITEM_STATIC_TITLE, GN_DATA_STRING, GN_PASS_STATIC, 0, 0, 0, 0, GNData(text), nullptr};
}
constexpr GNDisplayItem Box(int x, int y, int w, int h, int type) {
  return {GN_ITEM_BUTTON, GN_DATA_VALUE, GN_PASS_DYNAMIC, Unit(x), Unit(y), Unit(w), Unit(h), GNData(type), nullptr};
}
constexpr GNDisplayItem NumberVar(int x, int y, int w, int h, const int16_t* value) {
  return {GN_ITEM_NUMBER, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, Unit(x), Unit(y), Unit(w), Unit(h), GNData(value), nullptr};
}
constexpr GNDisplayItem GraphicVar(int x, int y, int w, int h, const int16_t* graphic) {
  return {GN_ITEM_GRAPHIC, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, Unit(x), Unit(y), Unit(w), Unit(h), GNData(graphic), nullptr};
}

// A control: a raised button with its text over it; the flat button of the
// hover word shows while the pointer is over it, the mark word colours the
// text.
#define MENU_CONTROL(region, x, y, w, h, textItem, hoverWord, markWord)                 \
  Set(GN_ITEM_REGION_ID, region, GN_PASS_BOTH), Box(x, y, w, h, kRaisedButton),         \
      SetVar(GN_ITEM_AUTO_BUTTON, hoverWord), SetVar(GN_ITEM_FONT_COLOUR, markWord), textItem, \
      Set(GN_ITEM_AUTO_BUTTON, 0)

// The hover word's answer to the pointer entering or leaving a control.
int16_t Hover(int16_t* word, int16_t code) {
  if (code == GN_MSG_ENTER) *word = MENU_HOVER_ON;
  else if (code == GN_MSG_LEAVE) *word = MENU_HOVER_OFF;
  else return GN_RESULT_HANDLED;
  return GN_RESULT_REDRAW;
}

int16_t Toggle(int16_t v) { return v != 0 ? 0 : 1; }

// ---- the Pause menu ----

// The group a button belongs to.
PauseGroup GroupOf(int button) {
  if (button <= PAUSE_ATTEMPTS) return PAUSE_GROUP_HIGHLIGHTS;
  if (button <= PAUSE_WATCH) return PAUSE_GROUP_PLAY_MODE;
  if (button <= PAUSE_OPTIONS) return PAUSE_GROUP_OPTIONS;
  return PAUSE_GROUP_PLAY_MODE;  // "Resume game": always there
}

// A greyed-out group: a dark shade over its frame and buttons.
template <int Group>
void GreyGroup(int x, int y, int w, int h) {
  if (PauseMenuShown.disable[Group] == MENU_GROUP_DISABLED) GN_DrawButton(x, y, w, h, kShade50);
}

constexpr int kGroupX = 10, kGroupW = 620, kGroupH = 92;
constexpr int kHighlightsY = 72, kPlayModeY = 192, kOptionsY = 312;

#define PAUSE_GROUP(y, title) Box(kGroupX, y, kGroupW, kGroupH, kShade25), Text(kGroupX, (y) + 8, kGroupW, 24, title)

#define PAUSE_BUTTON(button, x, y, w, h, text)                                                          \
  MENU_CONTROL(PAUSE_FIRST_REGION + (button), x, y, w, h, Text(x, y, w, h, text, PauseMenu_Callback), \
               &PauseMenuShown.hover[button], &PauseMenuShown.mark[button])

const GNDisplayItem kPauseMap[] = {
    Background(),
    Title("Pause menu"),
    Set(GN_ITEM_FONT_COLOUR, 0),
    Set(GN_ITEM_JUSTIFY, kCentreTop, GN_PASS_BOTH),
    PAUSE_GROUP(kHighlightsY, "Show highlights"),
    PAUSE_GROUP(kPlayModeY, "Play Mode"),
    PAUSE_GROUP(kOptionsY, "Options"),
    Set(GN_ITEM_JUSTIFY, kCentred, GN_PASS_BOTH),
    PAUSE_BUTTON(PAUSE_GOALS, 196, 120, 120, 24, "Goals"),
    PAUSE_BUTTON(PAUSE_ATTEMPTS, 324, 120, 120, 24, "Goal attempts"),
    PAUSE_BUTTON(PAUSE_COMMENTARY, 136, 240, 120, 24, "Commentary"),
    PAUSE_BUTTON(PAUSE_SCANNER, 260, 240, 120, 24, "Scanner"),
    PAUSE_BUTTON(PAUSE_WATCH, 384, 240, 120, 24, "Watch"),
    PAUSE_BUTTON(PAUSE_VIDEO_OPTIONS, 76, 360, 240, 24, "3D Card"),
    PAUSE_BUTTON(PAUSE_OPTIONS, 324, 360, 240, 24, "Watch"),
    PAUSE_BUTTON(PAUSE_RESUME, 170, 440, 300, 30, "Resume game"),
    Custom(kGroupX, kHighlightsY, kGroupW, kGroupH, GreyGroup<PAUSE_GROUP_HIGHLIGHTS>),
    Custom(kGroupX, kOptionsY, kGroupW, kGroupH, GreyGroup<PAUSE_GROUP_OPTIONS>),
    End(),
};

#undef PAUSE_GROUP
#undef PAUSE_BUTTON

// ---- the Options menu ----

const char* const kCameraViewText[CAMERA_VIEW_TYPES] = {"East camera view", "North camera view",
                                                        "South camera view", "West camera view"};
const char* const kModelDetailText[MODEL_DETAIL_MAX + 1] = {"Low", "Medium", "High"};

constexpr int kLabelX = 120, kLabelW = 140, kControlX = 260;
constexpr int RowY(int row) { return 100 + 46 * row; }

// A slider: the dark track and the part filled to its volume.
template <int Slider>
void DrawSlider(int x, int y, int w, int h) {
  GN_DrawButton(x, y, w, h, kShade50);
  const int16_t* volume = OptionsSliderVolume(Slider);
  const int value = std::clamp<int>(volume != nullptr ? *volume : 0, 0, VOLUME_MAX);
  if (value > 0) GN_DrawColourBox(x + 2, y + 2, x + 2 + (w - 4) * value / VOLUME_MAX, y + h - 2, kSliderFillColour);
}

#define OPTIONS_CYCLER(control)                                                                      \
  MENU_CONTROL(OPTIONS_FIRST_REGION + (control), kControlX, RowY(control), OPTIONS_SLIDER_WIDTH,  \
               OPTIONS_SLIDER_HEIGHT,                                                             \
               TextVar(kControlX, RowY(control), OPTIONS_SLIDER_WIDTH, OPTIONS_SLIDER_HEIGHT,     \
                       &OptionsMenuShown.value[control], OptionsMenu_Callback),                   \
               &OptionsMenuShown.hover[control], &kUnmarked)

#define OPTIONS_SLIDER(control, slider)                                                                      \
  Set(GN_ITEM_REGION_ID, OPTIONS_FIRST_REGION + (control), GN_PASS_BOTH),                                     \
      Custom(kControlX, RowY(control), OPTIONS_SLIDER_WIDTH, OPTIONS_SLIDER_HEIGHT, DrawSlider<slider>),     \
      TextVar(kControlX, RowY(control), OPTIONS_SLIDER_WIDTH, OPTIONS_SLIDER_HEIGHT,                          \
              &OptionsMenuShown.volumeText[slider], OptionsMenu_Callback)

const int16_t kUnmarked = MENU_MARK_OFF;

const GNDisplayItem kOptionsMap[] = {
    Background(),
    Title("Options"),
    Box(45, 80, 550, 360, kShade25),
    Set(GN_ITEM_FONT_COLOUR, 0),
    Set(GN_ITEM_JUSTIFY, kLeftMiddle, GN_PASS_BOTH),
    Text(kLabelX, RowY(0), kLabelW, OPTIONS_SLIDER_HEIGHT, "Camera Views"),
    Text(kLabelX, RowY(1), kLabelW, OPTIONS_SLIDER_HEIGHT, "Model Detail"),
    Text(kLabelX, RowY(2), kLabelW, OPTIONS_SLIDER_HEIGHT, "Mini Scanner"),
    Text(kLabelX, RowY(3), kLabelW, OPTIONS_SLIDER_HEIGHT, "Player Names"),
    Text(kLabelX, RowY(4), kLabelW, OPTIONS_SLIDER_HEIGHT, "Crowd Volume"),
    Text(kLabelX, RowY(5), kLabelW, OPTIONS_SLIDER_HEIGHT, "SFX Volume"),
    Text(kLabelX, RowY(6), kLabelW, OPTIONS_SLIDER_HEIGHT, "Music Volume"),
    Set(GN_ITEM_JUSTIFY, kCentred, GN_PASS_BOTH),
    OPTIONS_CYCLER(OPTIONS_CAMERA),
    OPTIONS_CYCLER(OPTIONS_MODEL_DETAIL),
    OPTIONS_CYCLER(OPTIONS_SCANNER),
    OPTIONS_CYCLER(OPTIONS_PLAYER_NAMES),
    Set(GN_ITEM_FONT_COLOUR, 0),
    OPTIONS_SLIDER(OPTIONS_CROWD_VOLUME, 0),
    OPTIONS_SLIDER(OPTIONS_SFX_VOLUME, 1),
    OPTIONS_SLIDER(OPTIONS_MUSIC_VOLUME, 2),
    MENU_CONTROL(OPTIONS_FIRST_REGION + OPTIONS_DONE, 415, 444, 180, 32,
                 Text(415, 444, 180, 32, "Done", OptionsMenu_Callback), &OptionsMenuShown.hover[OPTIONS_DONE],
                 &kUnmarked),
    End(),
};

#undef OPTIONS_CYCLER
#undef OPTIONS_SLIDER

// ---- the shoot-out taker order screen ----

const char* const kColumnHead[SHOOTOUT_COLUMNS] = {"Sht", "Cmp", "Dbl", "Order"};
const char* const kColumnName[SHOOTOUT_COLUMNS] = {"Shooting", "Composure", "Deadball", ""};
constexpr int kColumnX[SHOOTOUT_COLUMNS] = {380, 440, 500, 560};
constexpr int kColumnW = 50;
constexpr int kHeadY = 96, kRowH = 22;
constexpr int ShootOutRowY(int row) { return 120 + kRowH * row; }

#define SHOOTOUT_HEAD(column)                                                        \
  Set(GN_ITEM_REGION_ID, SHOOTOUT_HEAD_REGION + (column), GN_PASS_BOTH),            \
      Text(kColumnX[column], kHeadY, kColumnW, kRowH, kColumnHead[column], ShootOutScreen_Callback)

#define SHOOTOUT_ROW(row)                                                                                      \
  Set(GN_ITEM_REGION_ID, row, GN_PASS_BOTH), SetVar(GN_ITEM_FLAGS, &ShootOutScreen.rowFlags[row]),             \
      SetVar(GN_ITEM_FONT_COLOUR, &ShootOutScreen.rowColour[row]),                                             \
      Hot(20, ShootOutRowY(row), 600, kRowH, ShootOutScreen_Callback),                                         \
      Set(GN_ITEM_JUSTIFY, kCentred, GN_PASS_BOTH),                                                            \
      GraphicVar(30, ShootOutRowY(row), 30, kRowH, &ShootOutScreen.icon[row]),                                 \
      Set(GN_ITEM_JUSTIFY, kLeftMiddle, GN_PASS_BOTH),                                                         \
      TextVar(70, ShootOutRowY(row), 290, kRowH, &ShootOutScreen.name[row]),                                   \
      Set(GN_ITEM_JUSTIFY, kCentred, GN_PASS_BOTH),                                                            \
      NumberVar(kColumnX[0], ShootOutRowY(row), kColumnW, kRowH, &ShootOutScreen.skill[row][SHOOTOUT_SHOOTING]), \
      NumberVar(kColumnX[1], ShootOutRowY(row), kColumnW, kRowH, &ShootOutScreen.skill[row][SHOOTOUT_COMPOSURE]), \
      NumberVar(kColumnX[2], ShootOutRowY(row), kColumnW, kRowH, &ShootOutScreen.skill[row][SHOOTOUT_DEADBALL]), \
      NumberVar(kColumnX[3], ShootOutRowY(row), kColumnW, kRowH, &ShootOutScreen.place[row]),                  \
      Set(GN_ITEM_FLAGS, 0, GN_PASS_BOTH)

const GNDisplayItem kShootOutMap[] = {
    Background(),
    Title("Penalty Shoot Out"),
    Set(GN_ITEM_FONT_COLOUR, 0),
    Set(GN_ITEM_JUSTIFY, kCentred, GN_PASS_BOTH),
    TextVar(220, 48, 200, 24, &ShootOutScreen.headBox),
    SHOOTOUT_HEAD(0),
    SHOOTOUT_HEAD(1),
    SHOOTOUT_HEAD(2),
    SHOOTOUT_HEAD(3),
    SHOOTOUT_ROW(0),
    SHOOTOUT_ROW(1),
    SHOOTOUT_ROW(2),
    SHOOTOUT_ROW(3),
    SHOOTOUT_ROW(4),
    SHOOTOUT_ROW(5),
    SHOOTOUT_ROW(6),
    SHOOTOUT_ROW(7),
    SHOOTOUT_ROW(8),
    SHOOTOUT_ROW(9),
    Set(GN_ITEM_FONT_COLOUR, 0),
    Set(GN_ITEM_JUSTIFY, kCentred, GN_PASS_BOTH),
    Set(GN_ITEM_REGION_ID, SHOOTOUT_DONE_REGION, GN_PASS_BOTH),
    Set(GN_ITEM_AUTO_BUTTON, kRaisedButton),
    Text(20, 440, 600, 20, "Done", ShootOutScreen_Callback),
    Set(GN_ITEM_AUTO_BUTTON, 0),
    End(),
};

#undef SHOOTOUT_HEAD
#undef SHOOTOUT_ROW

}  // namespace

#undef MENU_CONTROL

// ---- the Pause menu ----

int16_t PauseMenu_DisplayMode() { return LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE); }

void PauseMenu_SetDisplayMode(int16_t mode) {
  StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, mode);
  MatchViewMode = mode;
}

void PauseMenu_Refresh() {
  PauseMenuWords& w = PauseMenuShown;
  const int16_t mode = PauseMenu_DisplayMode();
  for (int16_t& m : w.mark) m = MENU_MARK_OFF;
  w.mark[PAUSE_GOALS] = ShowGoalHighlights != 0 ? MENU_MARK_ON : MENU_MARK_OFF;
  w.mark[PAUSE_ATTEMPTS] = ShowAttemptHighlights != 0 ? MENU_MARK_ON : MENU_MARK_OFF;
  if (mode >= kCommentary && mode <= kWatch) w.mark[PAUSE_COMMENTARY + mode] = MENU_MARK_ON;
  const int16_t watchOnly = mode == kWatch ? MENU_GROUP_ENABLED : MENU_GROUP_DISABLED;
  w.disable[PAUSE_GROUP_HIGHLIGHTS] = watchOnly;
  w.disable[PAUSE_GROUP_PLAY_MODE] = MENU_GROUP_ENABLED;
  w.disable[PAUSE_GROUP_OPTIONS] = watchOnly;
}

int16_t PauseMenu_Callback(const GNMessage* message) {
  const int button = message->regionId - PAUSE_FIRST_REGION;
  if (button < 0 || button >= PAUSE_BUTTONS) return GN_RESULT_HANDLED;
  // A greyed-out group's buttons do nothing at all.
  if (PauseMenuShown.disable[GroupOf(button)] == MENU_GROUP_DISABLED) return GN_RESULT_HANDLED;
  if (message->code != GN_MSG_RELEASE) return Hover(&PauseMenuShown.hover[button], message->code);
  switch (button) {
    case PAUSE_GOALS:
      ShowGoalHighlights = Toggle(ShowGoalHighlights);
      return GN_RESULT_REDRAW;
    case PAUSE_ATTEMPTS:
      ShowAttemptHighlights = Toggle(ShowAttemptHighlights);
      return GN_RESULT_REDRAW;
    case PAUSE_COMMENTARY:
    case PAUSE_SCANNER:
    case PAUSE_WATCH:
      // Even the mode already on leaves: the display is built afresh.
      PauseMenu_SetDisplayMode(static_cast<int16_t>(button - PAUSE_COMMENTARY));
      InGameMenuCode = INGAME_MENU_LEAVE;
      return GN_RESULT_LEAVE;
    case PAUSE_VIDEO_OPTIONS:
      InGameMenuCode = INGAME_MENU_VIDEO_OPTIONS;
      return GN_RESULT_LEAVE;
    case PAUSE_OPTIONS:
      InGameMenuCode = INGAME_MENU_OPTIONS;
      return GN_RESULT_LEAVE;
    case PAUSE_RESUME:
      InGameMenuCode = INGAME_MENU_LEAVE;
      return GN_RESULT_LEAVE;
    default:
      return GN_RESULT_HANDLED;
  }
}

const GNDisplayItem* PauseMenuMap() { return kPauseMap; }

void PauseMenu() {
  for (int16_t& h : PauseMenuShown.hover) h = MENU_HOVER_OFF;
  InGame_RunGNMenu(kPauseMap, PauseMenu_Refresh);
}

// ---- the Options menu ----

int OptionsSliderValue(int pointerX, int width) {
  if (width <= 0) return 0;
  return std::clamp(pointerX * (VOLUME_MAX + 1) / width, 0, static_cast<int>(VOLUME_MAX));
}

int16_t* OptionsSliderVolume(int slider) {
  switch (slider) {
    case 0: return &CrowdVolume;
    case 1: return &EffectsVolume;
    // The music plays on the menus' channel, which takes a new volume on
    // its next frame.
    case 2: return &MenuVolume;
    default: return nullptr;
  }
}

int InGame_GetCameraViewType() {
  if (CurrentCamera < 0 || CurrentCamera >= CAMERA_COUNT) return 0;
  const int type = Cameras[CurrentCamera].viewType;
  return type >= 0 && type < CAMERA_VIEW_TYPES ? type : 0;
}

void InGame_SetCameraViewType(int viewType) {
  if (CurrentCamera < 0 || CurrentCamera >= CAMERA_COUNT) return;
  if (viewType < 0 || viewType >= CAMERA_VIEW_TYPES) return;
  Camera_SetViewType(viewType);
  // The match display is built again when the menus close, and its cameras
  // start over from camera 0 with the stored view: store the choice too, so
  // that the view chosen here is the one the match comes back to.
  CameraView = static_cast<int16_t>(viewType);
}

void OptionsMenu_Refresh() {
  OptionsMenuWords& w = OptionsMenuShown;
  w.value[OPTIONS_CAMERA] = kCameraViewText[InGame_GetCameraViewType()];
  w.value[OPTIONS_MODEL_DETAIL] =
      kModelDetailText[ModelDetail >= 0 && ModelDetail <= MODEL_DETAIL_MAX ? ModelDetail : MODEL_DETAIL_DEFAULT];
  w.value[OPTIONS_SCANNER] = ScannerOn != 0 ? "On" : "Off";
  w.value[OPTIONS_PLAYER_NAMES] = PlayerNamesOn != 0 ? "On" : "Off";
  for (int s = 0; s < OPTIONS_SLIDERS; ++s) {
    const int value = std::clamp<int>(*OptionsSliderVolume(s), 0, VOLUME_MAX);
    std::snprintf(w.volume[s], sizeof w.volume[s], "%d%%", value * 10);
    w.volumeText[s] = w.volume[s];
  }
}

int16_t OptionsMenu_Callback(const GNMessage* message) {
  const int control = message->regionId - OPTIONS_FIRST_REGION;
  if (control < 0 || control >= OPTIONS_CONTROLS) return GN_RESULT_HANDLED;
  if (message->code != GN_MSG_RELEASE) return Hover(&OptionsMenuShown.hover[control], message->code);
  switch (control) {
    case OPTIONS_CAMERA:
      InGame_SetCameraViewType((InGame_GetCameraViewType() + 1) % CAMERA_VIEW_TYPES);
      return GN_RESULT_REDRAW;
    case OPTIONS_MODEL_DETAIL:
      ModelDetail = ModelDetail >= 0 && ModelDetail < MODEL_DETAIL_MAX ? ModelDetail + 1 : 0;
      return GN_RESULT_REDRAW;
    case OPTIONS_SCANNER:
      ScannerOn = Toggle(ScannerOn);
      return GN_RESULT_REDRAW;
    case OPTIONS_PLAYER_NAMES:
      PlayerNamesOn = Toggle(PlayerNamesOn);
      return GN_RESULT_REDRAW;
    case OPTIONS_CROWD_VOLUME:
    case OPTIONS_SFX_VOLUME:
    case OPTIONS_MUSIC_VOLUME:
      *OptionsSliderVolume(control - OPTIONS_CROWD_VOLUME) =
          static_cast<int16_t>(OptionsSliderValue(message->pointerX, message->w));
      return GN_RESULT_REDRAW;
    case OPTIONS_DONE:
      InGameMenuCode = INGAME_MENU_PAUSE;
      return GN_RESULT_LEAVE;
    default:
      return GN_RESULT_HANDLED;
  }
}

const GNDisplayItem* OptionsMenuMap() { return kOptionsMap; }

void InGameOptionsMenu() {
  for (int16_t& h : OptionsMenuShown.hover) h = MENU_HOVER_OFF;
  InGame_RunGNMenu(kOptionsMap, OptionsMenu_Refresh);
}

// ---- the shoot-out taker order screen ----

void ShootOut_CollectTakers(int side, ShootOutTakerList* list) {
  for (ShootOutTaker& t : list->row) t = ShootOutTaker{-1, 0, {}, {0, 0, 0}};
  if (side < 0 || side > 1) return;
  int n = 0;
  for (int slot = 1; slot <= 10 && n < SHOOTOUT_ROWS; ++slot) {
    const int player = SideSlots[side][slot] - side * SIDE_OBJECTS;
    if (player < 0 || player >= SIDE_OBJECTS) continue;  // nobody at the position
    if (Football_IsPlayerOnPitch(static_cast<int16_t>(side), static_cast<int16_t>(player)) == 0) continue;
    const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + player];
    ShootOutTaker& t = list->row[n++];
    t.player = static_cast<int16_t>(player + side * SIDE_OBJECTS);
    t.icon = InGame_PositionIcon(InGame_PlayerPositionClass(side, player));
    const char* end = static_cast<const char*>(std::memchr(o.name, 0, sizeof o.name));
    const size_t length = end != nullptr ? static_cast<size_t>(end - o.name) : sizeof o.name;
    std::memcpy(t.name, o.name, std::min(length, sizeof t.name - 1));
    t.skill[SHOOTOUT_SHOOTING] = o.attr[SKILL_SHOOTING];
    t.skill[SHOOTOUT_COMPOSURE] = o.attr[SKILL_COMPOSURE];
    t.skill[SHOOTOUT_DEADBALL] = o.attr[SKILL_DEADBALL];
  }
}

void ShootOut_DefaultOrder(const ShootOutTakerList& list, int16_t order[SHOOTOUT_ROWS]) {
  for (int i = 0; i < SHOOTOUT_ROWS; ++i) order[i] = list.row[i].player;
}

namespace {

// The row of an order entry, -1 when the list has none.
int RowOf(const ShootOutTakerList& list, int16_t player) {
  for (int i = 0; i < SHOOTOUT_ROWS; ++i)
    if (list.row[i].player == player) return i;
  return -1;
}

}  // namespace

void ShootOut_SortOrder(const ShootOutTakerList& list, int16_t order[SHOOTOUT_ROWS]) {
  // Each entry's rank is worked out once: listed players first (by their
  // skill sum), then the empty rows, then entries the list does not know.
  struct Entry {
    int16_t player;
    int tier;
    int sum;
  };
  Entry entries[SHOOTOUT_ROWS];
  for (int k = 0; k < SHOOTOUT_ROWS; ++k) {
    Entry& e = entries[k];
    e.player = order[k];
    e.sum = 0;
    const int row = RowOf(list, order[k]);
    if (row < 0) {
      std::printf("Uh oh!\n");
      e.tier = 2;
    } else if (list.row[row].player < 0) {
      e.tier = 1;
    } else {
      e.tier = 0;
      for (int16_t s : list.row[row].skill) e.sum += s;
    }
  }
  std::stable_sort(entries, entries + SHOOTOUT_ROWS, [](const Entry& a, const Entry& b) {
    if (a.tier != b.tier) return a.tier < b.tier;
    return a.sum > b.sum;
  });
  for (int k = 0; k < SHOOTOUT_ROWS; ++k) order[k] = entries[k].player;
}

int ShootOut_PlaceOf(const ShootOutTakerList& list, const int16_t order[SHOOTOUT_ROWS], int row) {
  if (row < 0 || row >= SHOOTOUT_ROWS || list.row[row].player < 0) return 0;
  for (int k = 0; k < SHOOTOUT_ROWS; ++k)
    if (order[k] == list.row[row].player) return k + 1;
  return 0;
}

bool ShootOut_SwapRows(const ShootOutTakerList& list, int16_t order[SHOOTOUT_ROWS], int rowA, int rowB) {
  const int a = ShootOut_PlaceOf(list, order, rowA) - 1, b = ShootOut_PlaceOf(list, order, rowB) - 1;
  if (a < 0 || b < 0) return false;
  std::swap(order[a], order[b]);
  return true;
}

void ShootOutScreen_Open(int side) {
  ShootOutScreenState& s = ShootOutScreen;
  s.side = static_cast<int16_t>(side);
  ShootOut_CollectTakers(side, &s.list);
  ShootOut_DefaultOrder(s.list, s.order);
  ShootOut_SortOrder(s.list, s.order);
  s.selected = -1;
  s.headBox = "";
}

void ShootOutScreen_Refresh() {
  ShootOutScreenState& s = ShootOutScreen;
  for (int r = 0; r < SHOOTOUT_ROWS; ++r) {
    const ShootOutTaker& t = s.list.row[r];
    const bool empty = t.player < 0;
    s.name[r] = t.name;
    s.icon[r] = t.icon;
    // An empty row shows no skills (a number item skips -32768).
    for (int k = 0; k < SHOOTOUT_SKILLS; ++k) s.skill[r][k] = empty ? INT16_MIN : t.skill[k];
    const int place = ShootOut_PlaceOf(s.list, s.order, r);
    s.place[r] = place > 0 ? static_cast<int16_t>(place) : INT16_MIN;
    s.rowFlags[r] = empty ? static_cast<int16_t>(GN_FLAG_NOT_HOT | GN_FLAG_DRAW_NOTHING) : 0;
    s.rowColour[r] = r == s.selected ? MENU_MARK_ON : MENU_MARK_OFF;
  }
  if (s.headBox == nullptr) s.headBox = "";
}

int16_t ShootOutScreen_Callback(const GNMessage* message) {
  ShootOutScreenState& s = ShootOutScreen;
  const int16_t id = message->regionId;
  if (id >= SHOOTOUT_HEAD_REGION && id < SHOOTOUT_HEAD_REGION + SHOOTOUT_COLUMNS) {
    if (message->code == GN_MSG_ENTER) s.headBox = kColumnName[id - SHOOTOUT_HEAD_REGION];
    else if (message->code == GN_MSG_LEAVE) s.headBox = "";
    else return GN_RESULT_HANDLED;
    return GN_RESULT_REDRAW;
  }
  if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  if (id == SHOOTOUT_DONE_REGION) return GN_RESULT_LEAVE;
  if (id < 0 || id >= SHOOTOUT_ROWS || s.list.row[id].player < 0) return GN_RESULT_HANDLED;
  if (s.selected < 0) {
    s.selected = id;
  } else if (s.selected == id) {
    s.selected = -1;
  } else {
    ShootOut_SwapRows(s.list, s.order, s.selected, id);
    s.selected = -1;
  }
  return GN_RESULT_REDRAW;
}

const GNDisplayItem* ShootOutScreenMap() { return kShootOutMap; }

void ShootOutOrderMenu() {
  const int side = InGameMenuSide;
  if (side < 0 || side > 1) return;
  ShootOutScreen_Open(side);
  std::memcpy(ShootOutOrder[side], ShootOutScreen.order, sizeof ShootOutOrder[side]);
  // The computer's sides, and every side of a soak run, keep the sorted order.
  if (SoakRunActive != 0) return;
  if (GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] == 0) return;
  InGame_RunGNMenu(kShootOutMap, ShootOutScreen_Refresh);
  std::memcpy(ShootOutOrder[side], ShootOutScreen.order, sizeof ShootOutOrder[side]);
}

void PauseMenus_Reset() {
  PauseMenuShown = {};
  OptionsMenuShown = {};
  ShootOutScreen = {};
  ShootOutScreen.selected = -1;
  ShootOutScreen.headBox = "";
}
REGISTER_RESET(RESET_PRESENTATION, PauseMenus_Reset);
