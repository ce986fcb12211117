// The match's heads-up display: the information strip (captions that slide
// in when something happens or a view setting changes), the event box and
// goal ticker of the day's other fixtures, the screen hot spots the match
// controls hit-test, and the view settings of a watched match.
#pragma once

#include <cstdint>

// "Quick watch": frames twice as fast, captions held 50 frames. The other
// view settings (scanner, player names, model detail) are the video options'
// (render256/vidopt.h), the two highlight options the highlights'
// (gamecode/highlight.h).
extern int16_t QuickWatch;

// ---- the information strip ----

constexpr int INFOBAR_TEXT_SIZE = 128;   // the caption, terminator included
constexpr int INFOBAR_FIRST_TYPE = -6;
constexpr int INFOBAR_LAST_TYPE = 15;
constexpr int INFOBAR_HOLD_SETTING = 100;  // frames a settings caption stays in (types -6..-1)
constexpr int INFOBAR_HOLD_EVENT = 150;    // frames a match caption stays in (types 0..15)
constexpr int INFOBAR_HOLD_QUICK = 50;     // every caption with quick watch on
constexpr int INFOBAR_SLIDE_STEP = 2;
constexpr int INFOBAR_SLIDE_MAX = 98;

// Caption texts of the language table.
constexpr int TEXT_INFOBAR_EVENT_BASE = 1640;  // + type 0-15: "Corner Kick" ... "Foul"
constexpr int TEXT_INFOBAR_SUBSTITUTE = 1332;  // "Substitute"
constexpr int TEXT_INFOBAR_SCANNER = 1703;     // "Scanner"
constexpr int TEXT_INFOBAR_PLAYER_NAMES = 1234;  // "Player Names"
constexpr int TEXT_INFOBAR_QUICK_WATCH = 828;  // "Quick watch"
constexpr int TEXT_INFOBAR_MODEL_DETAIL = 1235;  // "Model Detail"
constexpr int TEXT_INFOBAR_ON = 1240, TEXT_INFOBAR_OFF = 1241;
constexpr int TEXT_INFOBAR_HIGH = 1242, TEXT_INFOBAR_MEDIUM = 1243, TEXT_INFOBAR_LOW = 1244;

// The caption of a type (-6..15; anything else is fatal) with match objects
// a and b named where the caption has a player; a number outside the match's
// objects names nobody. Sets the hold count and records the type.
void InfoBar(int type, int a, int b);
// Once a frame: the strip slides in (2 a frame up to 98) while the hold count
// runs down, then slides out again.
void InfoBar_Update();
// The strip out and not held (a 3D environment is being built).
void InfoBar_Reset();
int InfoBar_GetSlidePos();  // 0 when the strip is out of sight
const char* InfoBar_GetText();
int InfoBar_GetType();  // the last type shown
int InfoBar_GetHold();  // frames the strip stays in

// ---- the screen hot spots ----

constexpr int HOTSPOT_COUNT = 22;  // 11-20 are the replay bar's ten buttons

struct HotSpotRect {
  int16_t x, y, width, height;
};

// A number outside 0-21 is ignored.
void HotSpot_Set(int x, int y, int width, int height, int n);
// The hot spot's rectangle (all 0 for a number outside 0-21 or one never set).
HotSpotRect HotSpot_Get(int n);
// Whether (px, py) lies in hot spot n: x <= px < x + width, y <= py < y + height.
// False for a number outside 0-21.
bool HotSpot_HitTest(int px, int py, int n);
// Called by the Commentary view every frame; the hot spots are read by the
// match controls themselves, so there is nothing to do here.
void HotSpot_Check();

// ---- the event ticker and the event box ----

constexpr int EVENT_TICKER_TEXT_SIZE = 512;  // the ticker line, terminator included
constexpr uint32_t EVENT_BOX_TICKS = 400;    // a box stays this long (and one frame more)

// The ticker from the day's first event: the event list sorted by minute,
// nothing on show. Runs at the first kick-off of a match, so that an event is
// shown once in a match.
void EventTicker_Reset();
// Once a frame: when no box is showing, the next event due by the match clock
// goes on show for 400 ticks with its line built. Events of a kind outside
// 1-6 are passed over.
void EventTicker_Update();
// The next unread event whose minute (as stored) is not after the minute,
// the read index moved past it; -1 when none.
int EventTicker_NextDue(int minute);
// Appends to the ticker line; what does not fit the 512 bytes is dropped.
void EventTicker_Append(const char* text);
int EventTicker_Current();         // the event on show, -1 none
const char* EventTicker_Text();    // the ticker line
bool EventTicker_Showing();        // a box is showing
uint32_t EventTicker_EndTick();    // the tick at which the box ends
int EventTicker_NextIndex();       // the next event to read

// The parts of an event's line as every box shows them: the first club is
// the record's second club when the record's swap flag is set.
struct EventLineParts {
  char firstName[64];
  char secondName[64];
  int firstGoals, secondGoals;
  bool aggregate;  // the aggregate row is shown
  int firstAggregate, secondAggregate;
  bool swapped;
  char player[128];  // surname, minute and tag
};
// The parts of event n of the list; false (and nothing built) for an index
// outside the list or a kind outside 1-6.
bool EventLineOf(int event, EventLineParts* parts);
// The ticker line of the event: clubs and goals, the aggregate bracket when
// shown, the player line.
void DisplayEvent2_Text(int event);
// The common start of the box variants: the parts of the event on show, or
// false when nothing is to be drawn. Ends the box (showing flag cleared) once
// the tick is past its end; the box is still drawn in that frame.
bool EventBox_Begin(int event, EventLineParts* parts);

// The software renderer's event box (render256/swevent.cpp).
void DisplayEvent2(int event);
// The event box in a menu-screen view (Commentary, Scanner).
void DisplayEvent2_Panel();

// The module as at program start (tests).
void Hud_Reset();
