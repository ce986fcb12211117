// The match's heads-up display.
#include "generic/hud.h"

#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "generic/exhibit.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "render256/vidopt.h"
#include "season/simmatch.h"
#include "season/simsheet.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/records.h"

int16_t QuickWatch = 0;

namespace {

constexpr int FIRST_EVENT_KIND = 1, LAST_EVENT_KIND = 6;
constexpr int WORLD_CLUBS = 250;

// The panel of the menu-screen views (menu units).
constexpr int PANEL_X = 136, PANEL_Y = 430, PANEL_W = 368, PANEL_H = 48, PANEL_OPACITY = 50;
constexpr uint16_t PANEL_FILL = 0x0000;  // black
constexpr int PANEL_FONT = 1;            // fnt16
constexpr int PANEL_CLUB_COLOUR = 0;     // white
constexpr int PANEL_PLAYER_COLOUR = 8;   // yellow
constexpr int PANEL_FIRST_X = 300, PANEL_SECOND_X = 340, PANEL_CLUBS_Y = 434;
constexpr int PANEL_AGGREGATE_X = 320, PANEL_AGGREGATE_Y = 456;
constexpr int PANEL_PLAYER_X = 280, PANEL_PLAYER_X_SWAPPED = 360;
constexpr int PANEL_PLAYER_Y_AGGREGATE = 448, PANEL_PLAYER_Y = 452;
constexpr int SCANNER_DISPLAY_MODE = 1;

struct HudState {
  // The information strip.
  char text[INFOBAR_TEXT_SIZE] = {};
  int32_t type = 0;
  int32_t hold = 0;
  int32_t slide = 0;
  // The hot spots.
  HotSpotRect hotSpots[HOTSPOT_COUNT] = {};
  // The event ticker.
  int16_t next = 0;
  int16_t current = -1;
  int32_t showing = 0;
  uint32_t startTick = 0;
  uint32_t endTick = 0;
  char ticker[EVENT_TICKER_TEXT_SIZE] = {};
};
HudState gHud;

const char* OnOff(int value) { return GetTextNoAddr(value ? TEXT_INFOBAR_ON : TEXT_INFOBAR_OFF); }

// The name of a match object; nobody's for a number outside the match.
const char* ObjectName(int object, char* out, size_t size) {
  if (object < 0 || object >= MATCH_OBJECTS) {
    out[0] = 0;
  } else {
    const char* name = MatchObjects[object].name;
    std::snprintf(out, size, "%.*s", static_cast<int>(sizeof MatchObjects[object].name), name);
  }
  return out;
}

int EventCount() {
  const int count = MatchEvents.count;
  return count < 0 ? 0 : count > MAX_MATCH_EVENTS ? MAX_MATCH_EVENTS : count;
}

uint32_t Word0(int event) { return LoadU32(MatchEvents.events[event]); }
int StoredMinute(int event) { return static_cast<int>(Word0(event) >> 15 & 0xFF); }
int KindOf(int event) { return static_cast<int>(Word0(event) & 7); }
bool ShownKind(int kind) { return kind >= FIRST_EVENT_KIND && kind <= LAST_EVENT_KIND; }

// A club of the world by its name; none for a number outside the world.
void ClubName(int club, char* out, size_t size) {
  if (club < 0 || club >= WORLD_CLUBS) {
    out[0] = 0;
    return;
  }
  std::snprintf(out, size, "%s", GNW_GetClubName(GNW_GetClubDbId(static_cast<int16_t>(club))));
}

// The day's other matches are second legs: the bracket of aggregate goals.
bool AggregatesShown() { return (SimSheets.flags & SIMF_SECOND_LEG) != 0; }

}  // namespace

void Hud_Reset() {
  QuickWatch = 0;
  gHud = HudState{};
}
REGISTER_RESET(RESET_PRESENTATION, Hud_Reset);

// ---- the information strip ----

void InfoBar(int type, int a, int b) {
  if (type < INFOBAR_FIRST_TYPE || type > INFOBAR_LAST_TYPE) FatalError("Error: InfoBar(): unknown type (%d)\n", type);
  char first[32], second[32];
  char* text = gHud.text;
  const size_t size = sizeof gHud.text;
  switch (type) {
    case -6:
      std::snprintf(text, size, "%s", GetTextNoAddr(TEXT_INFOBAR_SUBSTITUTE));
      break;
    case -5:
      std::snprintf(text, size, "%s %s", GetTextNoAddr(TEXT_INFOBAR_SCANNER), OnOff(ScannerOn));
      break;
    case -4:
      std::snprintf(text, size, "%s %s", GetTextNoAddr(TEXT_INFOBAR_PLAYER_NAMES), OnOff(PlayerNamesOn));
      break;
    case -3:
      std::snprintf(text, size, "%s %s", GetTextNoAddr(TEXT_INFOBAR_QUICK_WATCH), OnOff(QuickWatch));
      break;
    case -2: {
      static constexpr int kDetail[3] = {TEXT_INFOBAR_LOW, TEXT_INFOBAR_MEDIUM, TEXT_INFOBAR_HIGH};
      // Another value leaves the caption as it was.
      if (ModelDetail >= 0 && ModelDetail <= 2)
        std::snprintf(text, size, "%s %s", GetTextNoAddr(TEXT_INFOBAR_MODEL_DETAIL),
                      GetTextNoAddr(kDetail[ModelDetail]));
      break;
    }
    case -1:
      std::snprintf(text, size, "%d x %d", a, b);
      break;
    case 6:
    case 7:
    case 8:
    case 9:
      std::snprintf(text, size, "%s %s", GetTextNoAddr(TEXT_INFOBAR_EVENT_BASE + type),
                    ObjectName(a, first, sizeof first));
      break;
    case 11:
    case 12:
      std::snprintf(text, size, "%s : %s %s : %s", GetTextNoAddr(TEXT_INFOBAR_EVENT_BASE + type),
                    ObjectName(b, second, sizeof second), GetTextNoAddr(TEXT_INFOBAR_EVENT_BASE + 1 + type),
                    ObjectName(a, first, sizeof first));
      break;
    default:  // 0-5, 10, 13-15: the caption alone
      std::snprintf(text, size, "%s", GetTextNoAddr(TEXT_INFOBAR_EVENT_BASE + type));
      break;
  }
  gHud.hold = type < 0 ? INFOBAR_HOLD_SETTING : INFOBAR_HOLD_EVENT;
  if (QuickWatch) gHud.hold = INFOBAR_HOLD_QUICK;
  gHud.type = type;
  DPRINT(DEBUG_GENERAL, 10, "InfoBar(): type %d \"%s\"\n", type, gHud.text);
}

void InfoBar_Update() {
  if (gHud.hold > 0) {
    gHud.slide += INFOBAR_SLIDE_STEP;
    if (gHud.slide > INFOBAR_SLIDE_MAX) gHud.slide = INFOBAR_SLIDE_MAX;
    --gHud.hold;
  } else if (gHud.slide > 1) {
    gHud.slide -= INFOBAR_SLIDE_STEP;
  }
}

void InfoBar_Reset() {
  gHud.slide = 0;
  gHud.hold = 0;
}

int InfoBar_GetSlidePos() { return gHud.slide; }
const char* InfoBar_GetText() { return gHud.text; }
int InfoBar_GetType() { return gHud.type; }
int InfoBar_GetHold() { return gHud.hold; }

// ---- the hot spots ----

void HotSpot_Set(int x, int y, int width, int height, int n) {
  if (n < 0 || n >= HOTSPOT_COUNT) return;
  gHud.hotSpots[n] = HotSpotRect{static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(width),
                                 static_cast<int16_t>(height)};
}

HotSpotRect HotSpot_Get(int n) {
  if (n < 0 || n >= HOTSPOT_COUNT) return HotSpotRect{};
  return gHud.hotSpots[n];
}

bool HotSpot_HitTest(int px, int py, int n) {
  if (n < 0 || n >= HOTSPOT_COUNT) return false;
  const HotSpotRect& r = gHud.hotSpots[n];
  return r.x <= px && px < r.x + r.width && r.y <= py && py < r.y + r.height;
}

void HotSpot_Check() {}

// ---- the event ticker ----

void EventTicker_Reset() {
  gHud.current = -1;
  if (EventCount() > 0) {
    gHud.next = 0;
    SortMatchEvents();
  }
  gHud.showing = 0;
}

int EventTicker_NextDue(int minute) {
  if (gHud.next < 0 || gHud.next >= EventCount()) return -1;
  if (StoredMinute(gHud.next) > minute) return -1;
  return gHud.next++;
}

void EventTicker_Update() {
  if (gHud.showing || EventCount() == 0) return;
  const int minute = MatchSeams.matchTimeSeconds() / 60;
  for (;;) {
    const int event = EventTicker_NextDue(minute);
    if (event < 0) return;
    // An empty record, or one of a kind no box shows, is passed over.
    if (!ShownKind(KindOf(event))) continue;
    gHud.current = static_cast<int16_t>(event);
    gHud.startTick = TimerTicks.load();
    gHud.ticker[0] = 0;
    DisplayEvent2_Text(event);
    gHud.showing = 1;
    gHud.endTick = TimerTicks.load() + EVENT_BOX_TICKS;
    DPRINT(DEBUG_GENERAL, 10, "EventTicker_Update(): minute %d, event %d \"%s\"\n", minute, event, gHud.ticker);
    return;
  }
}

void EventTicker_Append(const char* text) {
  const size_t used = strnlen(gHud.ticker, sizeof gHud.ticker - 1);
  const size_t room = sizeof gHud.ticker - 1 - used;
  const size_t length = strnlen(text, room);
  std::memcpy(gHud.ticker + used, text, length);
  gHud.ticker[used + length] = 0;
}

int EventTicker_Current() { return gHud.current; }
const char* EventTicker_Text() { return gHud.ticker; }
bool EventTicker_Showing() { return gHud.showing != 0; }
uint32_t EventTicker_EndTick() { return gHud.endTick; }
int EventTicker_NextIndex() { return gHud.next; }

bool EventLineOf(int event, EventLineParts* parts) {
  if (event < 0 || event >= EventCount()) return false;
  const uint8_t* record = MatchEvents.events[event];
  const uint32_t w0 = LoadU32(record), w1 = LoadU32(record + 4), w2 = LoadU32(record + 9);
  const int kind = static_cast<int>(w0 & 7);
  if (!ShownKind(kind)) return false;
  int clubs[2] = {static_cast<int>(w0 >> 3 & 0xFF), static_cast<int>(w1 >> 20 & 0xFF)};
  int goals[2] = {static_cast<int>(w0 >> 11 & 0xF), static_cast<int>(w1 >> 28 & 0xF)};
  int carry[2] = {static_cast<int>(w2 & 0x1F), static_cast<int>(w2 >> 5 & 0x1F)};
  const bool swapped = (w0 >> 31) != 0;
  const int a = swapped ? 1 : 0, b = 1 - a;
  *parts = EventLineParts{};
  ClubName(clubs[a], parts->firstName, sizeof parts->firstName);
  ClubName(clubs[b], parts->secondName, sizeof parts->secondName);
  parts->firstGoals = goals[a];
  parts->secondGoals = goals[b];
  parts->aggregate = AggregatesShown();
  parts->firstAggregate = goals[a] + carry[a];
  parts->secondAggregate = goals[b] + carry[b];
  parts->swapped = swapped;

  // The player field is a signed 19-bit number; a player outside the world
  // has no surname.
  int32_t player = static_cast<int32_t>(w1 & 0x7FFFF);
  if (player & 0x40000) player -= 0x80000;
  char surname[32] = {};
  if (player >= 0 && player < PlayerTotalCount && player < MAX_PLAYERS)
    std::snprintf(surname, sizeof surname, "%s", GNW_GetPlayerSurname(static_cast<int16_t>(player)));
  // The minute is shown as the record stores it.
  const int minute = static_cast<int>(w0 >> 15 & 0xFF);
  char* out = parts->player;
  const size_t size = sizeof parts->player;
  switch (kind) {
    case 1: std::snprintf(out, size, "%s %d", surname, minute); break;
    case 2: std::snprintf(out, size, "%s %d %s", surname, minute, "Pen."); break;
    case 3: std::snprintf(out, size, "%s %d %s", surname, minute, "o.g."); break;
    case 4: std::snprintf(out, size, "%s %s %d", surname, "s/o", minute); break;
    case 5: std::snprintf(out, size, "%s %s %d", surname, "Missed Pen", minute); break;
    default: std::snprintf(out, size, "%s %s %d", surname, "inj", minute); break;
  }
  return true;
}

void DisplayEvent2_Text(int event) {
  EventLineParts parts;
  if (!EventLineOf(event, &parts)) return;
  char piece[160];
  std::snprintf(piece, sizeof piece, "%s %d  ", parts.firstName, parts.firstGoals);
  EventTicker_Append(piece);
  std::snprintf(piece, sizeof piece, "%s %d", parts.secondName, parts.secondGoals);
  EventTicker_Append(piece);
  EventTicker_Append("   ");
  if (parts.aggregate) {
    std::snprintf(piece, sizeof piece, "(%d-%d)", parts.firstAggregate, parts.secondAggregate);
    EventTicker_Append(piece);
    EventTicker_Append("   ");
  }
  EventTicker_Append(parts.player);
}

bool EventBox_Begin(int event, EventLineParts* parts) {
  if (!gHud.showing || gHud.current == -1) return false;
  if (!EventLineOf(event, parts)) return false;
  // Past its end the box goes, after this frame.
  if (TimerTicks.load() > gHud.endTick) gHud.showing = 0;
  return true;
}

void DisplayEvent2_Panel() {
  EventLineParts parts;
  if (!EventBox_Begin(gHud.current, &parts)) return;
  const int mode = LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE);
  if (mode == SCANNER_DISPLAY_MODE) {
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, PANEL_FILL);
    DrawShadeRectangle(PANEL_X, PANEL_Y, PANEL_W, PANEL_H, PANEL_OPACITY);
  }
  SetFont(PANEL_FONT);
  char text[96];
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, PANEL_CLUB_COLOUR);
  std::snprintf(text, sizeof text, "%s   %d", parts.firstName, parts.firstGoals);
  DoTextAddr(PANEL_FIRST_X, PANEL_CLUBS_Y, ALIGN_RIGHT | ALIGN_TOP, text);
  std::snprintf(text, sizeof text, "%d   %s", parts.secondGoals, parts.secondName);
  DoTextAddr(PANEL_SECOND_X, PANEL_CLUBS_Y, ALIGN_LEFT | ALIGN_TOP, text);
  if (parts.aggregate) {
    std::snprintf(text, sizeof text, "(%d-%d)", parts.firstAggregate, parts.secondAggregate);
    DoTextAddr(PANEL_AGGREGATE_X, PANEL_AGGREGATE_Y, ALIGN_HCENTRE | ALIGN_TOP, text);
  }
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, PANEL_PLAYER_COLOUR);
  const int y = parts.aggregate ? PANEL_PLAYER_Y_AGGREGATE : PANEL_PLAYER_Y;
  if (parts.swapped)
    DoTextAddr(PANEL_PLAYER_X_SWAPPED, y, ALIGN_LEFT | ALIGN_TOP, parts.player);
  else
    DoTextAddr(PANEL_PLAYER_X, y, ALIGN_RIGHT | ALIGN_TOP, parts.player);
}
