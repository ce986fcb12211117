// The menu item interpreter, the menu stack and the menu loop.
//
// Every front-end screen is a constant table of MenuItem records: a type-54
// header (the screen handler), the items, and a type-55 end item (the leave
// function and the back handler). ProcessMenu walks the table on every draw
// pass through ActOnType, which draws each item and registers a hot spot for
// every item with a click handler; between passes it runs frames: the
// pointer, the animated buttons, the hit test that turns a click into a call
// of the item's handler, the open pop-up list, the keyboard step and the
// timers, until a result asks for a redraw or for leaving the screen.
//
// Tables are constant C++ data: an item's values a and b are MenuArg values
// (a number, a pointer or a function), never addresses squeezed into 32 bits,
// so a table reads like
//
//   {15, 320, 36, ALIGN_CENTRED, 0, MenuArg(412), {}}
//
// A broken table stops the program through AbortError with the message of
// the routine that found it (source "menus\exmenu").
#pragma once

#include <cstdint>

#include "menus/menupc.h"
#include "menus/menuprims.h"

struct MenuItem;
struct MenuHotspot;
struct MenuTimer;
struct PopupRow;
struct PopupCall;

// ---- handlers ----

// The screen handler of a header item: reads GetMenuEvent() and answers a
// result code.
typedef int16_t (*MenuScreenHandler)(const MenuItem* header);
// The click handler of an item (b): called with the item's hot spot.
typedef int16_t (*MenuClickHandler)(MenuHotspot* hotspot);
// Owner-draw (type 36) and the menu-bar box (type 66): x, y, w, h in menu
// units (-1, -1, w, h for an owner-draw item run in the control pass).
typedef void (*MenuDrawFunc)(int x, int y, int w, int h);
// The leave function of the end item (a).
typedef void (*MenuLeaveFunc)();
// The back handler of the end item (b).
typedef int16_t (*MenuBackHandler)();
// A menu timer's callback: the timer and its slot.
typedef void (*MenuTimerCallback)(MenuTimer* timer, int slot);
// A pop-up row's callback; answers 1 or 9 (close), 2 or 7 (redraw), 6
// (leave the screen) or 8 (keep the list open).
typedef int16_t (*PopupRowCallback)(const PopupCall* call);
// A drop-down header's prepare function, run before its list opens.
typedef int16_t (*PopupPrepareFunc)(PopupRow* list);

// One value of an item: a number, a read-only or writable pointer, or a
// function. Built from whichever it holds; the item's type says which to use.
struct MenuArg {
  int32_t number = 0;
  const void* data = nullptr;
  void* var = nullptr;
  MenuScreenHandler screen = nullptr;
  MenuClickHandler click = nullptr;
  MenuDrawFunc draw = nullptr;
  MenuLeaveFunc leave = nullptr;
  MenuBackHandler back = nullptr;
  MenuTimerCallback timer = nullptr;

  constexpr MenuArg() = default;
  constexpr MenuArg(int32_t n) : number(n) {}
  constexpr MenuArg(const void* p) : data(p) {}
  constexpr MenuArg(void* p) : data(p), var(p) {}
  constexpr MenuArg(MenuScreenHandler f) : screen(f) {}
  constexpr MenuArg(MenuClickHandler f) : click(f) {}
  constexpr MenuArg(MenuDrawFunc f) : draw(f) {}
  constexpr MenuArg(MenuLeaveFunc f) : leave(f) {}
  constexpr MenuArg(MenuBackHandler f) : back(f) {}
  constexpr MenuArg(MenuTimerCallback f) : timer(f) {}
  constexpr bool IsEmpty() const {
    return number == 0 && !data && !screen && !click && !draw && !leave && !back && !timer;
  }
};

// ---- the item ----

// type, x, y (menu units of the 640 x 480 layout, relative to the enclosing
// sub-table), w (alignment of display items; width of boxes and regions;
// repeat count of sub-tables, 0 = the table row count), h (the byte stride of
// a variable inside a repeated sub-table; height of boxes and regions;
// spacing of sub-table repetitions), a (the value), b (the click handler; on
// the end item the back handler).
struct MenuItem {
  uint16_t type;
  int16_t x, y, w, h;
  MenuArg a, b;
};

// Item types.
enum : uint16_t {
  MI_ANIM_KIND4 = 1, MI_ANIM_KIND4_VAR = 2,
  MI_ICON = 3, MI_ICON_VAR = 4,
  MI_ANIM_KIND0 = 5, MI_ANIM_KIND0_VAR = 6,
  MI_ANIM_KIND5 = 7, MI_ANIM_KIND5_VAR = 8,
  MI_ANIM_KIND1 = 9, MI_ANIM_KIND1_VAR = 10,
  MI_BACKGROUND = 11, MI_BACKGROUND_VAR = 12,
  MI_FONT = 13, MI_FONT_VAR = 14,
  MI_TEXTNO = 15, MI_TEXTNO_VAR = 16,
  MI_STRING = 17, MI_STRING_VAR = 18,
  MI_NUMBER = 19, MI_NUMBER_U8 = 20, MI_NUMBER_S8 = 21, MI_NUMBER_U16 = 22, MI_NUMBER_S16 = 23, MI_NUMBER_S32 = 24,
  MI_FILLED_BAR = 25, MI_FILLED_BAR_VAR = 26,
  MI_OUTLINE = 27, MI_OUTLINE_VAR = 28,
  MI_FILLED_RECT = 29, MI_FILLED_RECT_VAR = 30,
  MI_CLICK_REGION = 31, MI_CLICK_REGION_VAR = 32,
  MI_SUBTABLE = 33, MI_SUBTABLE_VAR = 34,
  MI_OWNER_DRAW = 36,
  MI_ANIM_KIND3 = 37, MI_ANIM_KIND3_VAR = 38,
  MI_TEXT_COLOUR = 48, MI_TEXT_COLOUR_VAR = 49,
  MI_FILL_COLOUR = 50, MI_FILL_COLOUR_VAR = 51,
  MI_NUMBER_TYPE = 52, MI_NUMBER_TYPE_VAR = 53,
  MI_HEADER = 54,
  MI_END = 55,
  MI_BACKGROUND_MARK = 56,
  MI_ATTR0 = 57, MI_ATTR0_VAR = 58,
  MI_COLUMNS = 61, MI_COLUMNS_VAR = 62,
  MI_REGION = 63,
  MI_HSLIDER = 64,
  MI_VSLIDER = 65,
  MI_MENU_BAR = 66,
  MI_REGION_VAR = 67,
  MI_REGION_VALUE = 68,
  MI_ROW_COUNTER = 70,
  MI_TEXT_BOX = 71, MI_TEXT_BOX_VAR = 72,
  MI_ROW_COUNT = 73,
  MI_ANIM_KIND2 = 74, MI_ANIM_KIND2_VAR = 75,
  MI_BUTTON_TYPE = 76, MI_BUTTON_TYPE_VAR = 77,
  MI_ATTR5 = 78,  // 78-87: drawing attributes 5-9, pairs, no effect
  MI_ATTR9_VAR = 87,
  MI_POPUP_LIST = 0x2008,
  MI_POPUP_ANCHOR = 0x2009,
  MI_HOTSPOT_BOX = 0x200A,
  MI_COLUMN_TEXT_BOXES = 0x200B,
  MI_TEXT_BUTTON = 0x200C,
  MI_STRING_BUTTON_VAR = 0x200D,
  MI_STRING_BUTTON = 0x200E,
  MI_TEXT_BUTTON_VAR = 0x200F,
};

// The blank values of number variables: they draw nothing.
constexpr int8_t BLANK_S8 = -128;
constexpr uint8_t BLANK_U8 = 255;
constexpr int16_t BLANK_S16 = -32768;
constexpr uint16_t BLANK_U16 = 65535;
// What GetVarsFromMI answers for a blank number.
constexpr int32_t MENU_BLANK_VALUE = static_cast<int32_t>(0x80000000u);

// A rectangle of types 26, 28, 30 and 32.
struct MenuRect {
  int16_t x, y, w, h;
};
// The value of a slider (types 64 and 65).
struct MenuSlider {
  int16_t max, visible, pos;
};

// Results of handlers, callbacks and frames.
enum : int16_t {
  MENU_RESULT_NONE = 0,
  MENU_RESULT_DONE = 1,
  MENU_RESULT_REDRAW = 2,
  MENU_RESULT_REDRAW_MODE2 = 3,
  MENU_RESULT_REINIT = 4,
  MENU_RESULT_REDRAW_DYNAMIC = 5,
  MENU_RESULT_LEAVE = 6,
  POPUP_RESULT_REDRAW = 7,
  POPUP_RESULT_KEEP_OPEN = 8,
  POPUP_RESULT_CLOSE = 9,
};
// What every call on a stopped menu system answers.
constexpr int MENU_NOT_RUNNING = 0xF001;

// Menu events (GetMenuEvent).
constexpr int16_t MENU_EVENT_DRAW = 0;
constexpr int16_t MENU_EVENT_INIT = 1;

// ---- hot spots and button records ----

// Roles of a hot spot.
enum : uint8_t { HOTSPOT_PLAIN = 0, HOTSPOT_TIP = 1, HOTSPOT_VSLIDER = 2, HOTSPOT_HSLIDER = 3 };

// One clickable item of the open screen, rebuilt on every draw pass in table
// order.
struct MenuHotspot {
  int16_t neighbour[4];                  // keyboard focus moves: up, right, down, left (0 none)
  int16_t x, y, w, h;                    // the box, already moved by the alignment
  MenuClickHandler handler;              // the item's b
  int16_t parent, repetition, column;    // the item counter, the repetition indexes (-1 none)
  int16_t button;                        // button-record index, -1 none
  int16_t kind;                          // the item type
  int16_t work[2];
  int32_t value;                         // the item's number value
  const void* valuePtr;                  // or its pointer value
  uint8_t role;
  uint8_t tipState;
  PopupRow* popup;                       // set by type 0x2009 (or a menu-bar title)
  uint16_t popupFill;                    // the fill colour the list is drawn in
  int16_t popupIndex;                    // which drop-down of the list (0 for an anchored list)
  const MenuItem* item;
};

// Kinds of button records.
enum : int16_t {
  ANIM_LOOP = 0,      // types 5, 6: loops for ever
  ANIM_STILL = 1,     // types 9, 10: stays on its first frame
  ANIM_HOVER = 2,     // types 74, 75: plays while the pointer is over it
  ANIM_TOGGLE3 = 3,   // types 37, 38: toggled
  ANIM_TOGGLE4 = 4,   // types 1, 2: toggled
  ANIM_PATH = 5,      // types 7, 8: moves along its frames' positions
};
// States of a button record.
enum : int16_t { ANIM_STOPPED = 0, ANIM_FINISHED = 1, ANIM_FORWARD = 2, ANIM_BACKWARD = 3 };

// An animation record is {delay in ticks per frame, icon, icon, ..., 0}; for
// kind 5 the frames are {x, y, icon} and a 0 icon ends the list.
struct MenuButtonRecord {
  int16_t kind;
  int16_t x, y, w, h;
  const int16_t* anim;
  int16_t delay;
  int32_t countdown;
  int16_t frame;
  int16_t state;
  uint16_t alignment;
  // Where the current frame was drawn (menu units, top-left), to restore.
  int16_t drawnX, drawnY, drawnW, drawnH;
};

// ---- pop-up lists ----

// Row kinds of a pop-up list.
enum : uint16_t {
  POPUP_ROW_TEXTNO = 2,
  POPUP_ROW_STRING = 3,
  POPUP_ROW_STRING_PTR = 4,
  POPUP_ROW_TEXTNO_VAR = 5,
  POPUP_HEADER_TEXTNO = 7,
  POPUP_HEADER_STRING = 8,
  POPUP_HEADER_STRING_PTR = 9,
  POPUP_HEADER_TEXTNO_VAR = 10,
  POPUP_HEADER_EMPTY = 11,
  POPUP_END = 12,
};
constexpr uint16_t POPUP_ENABLED = 1;
constexpr uint16_t POPUP_TICKED = 2;

// One row of a pop-up list: x, y, w, h are -1 when laid out automatically;
// text is a text number, a string, the address of a string pointer or of a
// text-number variable, by the kind.
struct PopupRow {
  uint16_t kind;
  uint16_t flags;
  int16_t x, y, w, h;
  MenuArg text;
  PopupRowCallback callback;
  PopupPrepareFunc prepare;
};

// What a row callback is handed.
struct PopupCall {
  int16_t list;  // the drop-down's index + 1
  int16_t row;   // the row's index in the list
  PopupRow* rowRecord;
  PopupRow* listRecord;
};

// The layout of a menu bar's drop-downs (up to 20 headers).
constexpr int POPUP_MAX_HEADERS = 20;
struct PopupHeaderLayout {
  int16_t titleWidth;
  int16_t x, y, w, h;  // the title at x, y; the drop-down box below it is w x h
  int16_t first;       // index of the header row in the list
  int16_t rows;        // rows under it
};
struct PopupLayout {
  PopupRow* list;
  int16_t headers;
  int16_t rowHeight;
  PopupHeaderLayout header[POPUP_MAX_HEADERS];
};

// ---- timers ----

struct MenuTimer {
  int16_t key;
  int32_t startDelay;
  int32_t lastRun;
  int32_t interval;
  int32_t remaining;
  int32_t id;  // 0 = a free slot
  int32_t started;
  MenuTimerCallback callback;
};

// ---- the interpreter ----

// Interprets one item: counter is the walk's item counter, xoff/yoff the
// origin of the enclosing sub-table, column and row the repetition indexes
// inside one (-1 outside), mode 0 a full draw, 1 the dynamic items only.
// Answers 0, or MENU_NOT_RUNNING.
int ActOnType(const MenuItem* item, int16_t* counter, int xoff, int yoff, int column, int row, int mode);

// The item's value by its type: the immediate number of a, or the variable
// at a (plus row x h inside a repeated sub-table); MENU_BLANK_VALUE for a
// number variable holding its blank. An unknown type stops the program.
int32_t GetVarsFromMI(const MenuItem* item, int row);
// The pointer value (strings, sub-tables, animation records, rectangles,
// lists): a's pointer, or the pointer stored in the variable at a.
const void* GetPointerFromMI(const MenuItem* item, int row);

// The item's box in menu units before its alignment is applied: icons by
// their scaled size, texts by their size, boxes and regions from the item
// (or its rectangle), text buttons at least 4 larger than their text.
void CoordsCode(const MenuItem* item, int row, int* x, int* y, int* w, int* h);

// Steps a toggled button record (kinds 3 and 4): -1 turns a stopped one
// forward, a forward or finished one backward, a backward one forward; 2 and
// 3 set the direction. Any other direction, or a record of another kind,
// stops the program.
void ToggleAnimation(MenuButtonRecord* record, int direction);
// Advances the button records by the ticks elapsed and draws the frames that
// changed (the menu loop does this once per frame).
void AdvanceMenuButtons(int32_t elapsed);

// ---- the screen header ----

// Bit 1: the two date strings of the header (weekday and day of the month;
// month and year), else both empty. Bit 0: the header's badge club is the
// database club of MenuClub, else -1. Bit 2: MenuBarRestricted = 1, else 0.
void SetScreenHeader(int flags);
const char* ScreenHeaderDate(int which);  // 0 or 1
int16_t ScreenHeaderBadgeClub();
// The shared header sub-table (included by a type-33 item): the dates, the
// club badge box and the front end's menu bar.
extern const MenuItem ScreenHeaderTable[];
// The dates and the badge box alone (a screen with a menu bar of its own).
extern const MenuItem ScreenHeaderDatesTable[];
// The badge box's drawing function: nothing when the badge club is -1.
void DrawHeaderClubBadge(int x, int y, int w, int h);
// Answers 1.
int16_t DefaultBackHandler();

// ---- the menu stack and loop ----

struct MenuStackEntry {
  const MenuItem* first;  // the type-54 header
  int16_t hotspots;
  int16_t state;          // 3 = drawn and running
  MenuLeaveFunc leave;
  MenuBackHandler back;
};

// Whether the menu system is running (the front end starts and stops it).
bool IsMenuSystemRunning();
// Empties the stack, hot spots, button records and timers (the next timer id
// 1), closes any list, forgets a press and puts the pointer's y at 32: the
// lists as the menu system's start makes them.
void ExMenu_StartLists();
void SetMenuSystemRunning(bool running);

// Pushes a screen (its header item); while a draw pass runs it is only kept
// as the pending menu. Answers 1.
int PushMenu(const MenuItem* first);
// Runs the current screen until the stack is empty. Answers 0, or
// MENU_NOT_RUNNING.
int RunMenu();
int PushAndRunMenu(const MenuItem* first);
// One draw pass over a table in the mode (0 full, 1 dynamic items only), as
// the menu loop makes it for the current event: the hot spots are made anew.
// Answers the table's end item.
const MenuItem* DrawMenuPass(const MenuItem* first, int mode);
// The loop over the current stack entry; answers the last result.
int ProcessMenu();
// Runs a screen with fresh hot-spot, button and timer lists and gives the
// caller's lists back afterwards.
int RunModalMenu(const MenuItem* first);

// Timers: key in x, start delay in y, interval in w, count in h, callback in
// a. Answers the timer's id.
int32_t AddMenuTimer(const MenuItem* record);
void KillMenuTimer(int16_t key);

// Serves the open pop-up list (the menu loop calls it every frame): answers
// 0 when nothing happened, else the row callback's result mapped to 1, 2 or 6.
int16_t DoPopupList(int listIndex);
// Lays out a list: rows in font 1, each drop-down as wide as its widest row
// plus twice the width of "!", as high as its rows.
void LayoutPopupList(PopupRow* list, PopupLayout* layout);
// Draws the open drop-down (in screen section 3) and one of its rows: the
// text, in text colour 10 when disabled, with a tick after it when ticked.
void DrawPopupList();
void DrawPopupRow(const PopupRow* row, int x, int y);
// The text a row shows.
const char* PopupRowText(const PopupRow* row);
// Whether a list is open now.
bool IsPopupOpen();

// Called once after the next completed draw, then cleared.
void SetMenuPostDrawCallback(void (*callback)());

// ---- what tests and tools look at ----

int MenuStackTop();
const MenuStackEntry* MenuStackCurrent();
int MenuHotspotCount();
MenuHotspot* MenuHotspotAt(int index);
int MenuButtonCount();
MenuButtonRecord* MenuButtonAt(int index);
int MenuTimerCount();
const MenuTimer* MenuTimerAt(int index);
// The button record of a hot spot, or null.
MenuButtonRecord* MenuHotspotButton(const MenuHotspot* hotspot);
// The pointer in menu units as the loop last read it.
int MenuPointerX();
int MenuPointerY();
// The number of draw passes run since the reset.
int32_t MenuDrawPassCount();

// ---- seams for the parts still to come ----

struct ExMenuSeam {
  // Item type 0x200B: the column text boxes at x, y with the alignment.
  void (*doColumnTextBoxes)(const MenuItem* item, int x, int y, uint16_t alignment);
  // The keyboard step of a frame with no result; answers a result (0 none).
  int16_t (*keyboardStep)();
  // The header badge: the club's kit colours and the badge graphic.
  void (*drawClubBadge)(int16_t dbClub, int x, int y, int w, int h);
};
extern ExMenuSeam ExMenu;

// Back to the start: an empty stack and lists, not running, the seams
// doing nothing.
void ExMenu_Reset();
