// GN menus: a menu is a constant display map of items (what to draw, where,
// in which pass, and which function serves the pointer over it). DisplayGNMap
// draws a map through the GN layer (gnlayer.h) and collects the items' hot
// regions; GN_MenuLoop then syncs frame by frame, follows the pointer over the
// regions and sends their callbacks enter, leave, press and release messages
// until one asks for a redraw or for the menu to end. The same maps serve the
// front end and the match.
//
// Every GN menu runs:
//   GN_StartSetOfMenus(); GN_MenuInit(map);
//   do { set the variables the map shows; GN_MenuRedraw(); } while (GN_MenuLoop() != 1);
//   GN_MenuUninit(); GN_EndSetOfMenus();
#pragma once

#include <cstdint>

// Item types.
enum : uint8_t {
  GN_ITEM_END = 0,
  GN_ITEM_TEXT = 1,
  GN_ITEM_TEXT_BOX = 2,
  GN_ITEM_NUMBER = 3,  // skipped when the value is -32768
  GN_ITEM_GRAPHIC = 4,
  GN_ITEM_STATIC_TITLE = 5,
  GN_ITEM_PLACEHOLDER = 6,  // draws nothing; hot with a callback
  GN_ITEM_REGION_ID = 7,    // the value: the region id of the following items
  GN_ITEM_JUSTIFY = 8,      // the value's low byte: the current justification
  GN_ITEM_NOTHING = 9,
  GN_ITEM_CUSTOM = 10,        // calls the item's drawing function (data kind 7) in a dynamic pass
  GN_ITEM_FONT_COLOUR = 11,
  GN_ITEM_AUTO_BUTTON = 12,   // the value's low byte: the auto-button type (0 none)
  GN_ITEM_BUTTON = 13,
  GN_ITEM_STATIC_BACKGROUND = 14,
  GN_ITEM_FLAGS = 15,         // the value: flags of the following items
};

// Data kinds: how an item's data is read.
enum : uint8_t {
  GN_DATA_NONE = 0,          // value -1, no text
  GN_DATA_VALUE = 1,         // the immediate value
  GN_DATA_VALUE_VAR = 2,     // the 16-bit variable's value
  GN_DATA_TEXTNO = 3,        // the immediate text number: value and its text
  GN_DATA_TEXTNO_VAR = 4,    // the 16-bit variable's text number
  GN_DATA_STRING = 5,        // the string (value -1)
  GN_DATA_STRING_VAR = 6,    // the string variable's string (value -1)
  GN_DATA_DRAW = 7,          // the drawing function of a custom item
};

// Pass mask of an item.
enum : uint8_t { GN_PASS_STATIC = 1, GN_PASS_DYNAMIC = 2, GN_PASS_BOTH = 3 };
// Pass flags of DisplayGNMap.
enum : uint8_t { GN_DRAW_DYNAMIC = 1, GN_DRAW_STATIC = 2, GN_COLLECT_REGIONS = 4 };
// Flags of GN_ITEM_FLAGS.
enum : int16_t { GN_FLAG_NOT_HOT = 1, GN_FLAG_DRAW_NOTHING = 2 };

// Messages to a region's callback.
enum : int16_t { GN_MSG_ENTER = 200, GN_MSG_LEAVE = 201, GN_MSG_PRESS = 202, GN_MSG_RELEASE = 203 };
// Callback results; anything else counts as GN_RESULT_NONE.
enum : int16_t { GN_RESULT_NONE = 300, GN_RESULT_HANDLED = 301, GN_RESULT_REDRAW = 302, GN_RESULT_LEAVE = 303 };

// What a region's callback is given, built afresh for each call.
struct GNMessage {
  int16_t code;
  int16_t regionId;
  int16_t x, y, w, h;                // the region's box
  int16_t pointerX, pointerY;        // the pointer, relative to the box's top-left corner
};

typedef int16_t (*GNCallback)(const GNMessage* message);
typedef void (*GNDrawFunc)(int x, int y, int w, int h);

// An item's data, typed by its data kind (never an address of anything but
// what the kind says).
struct GNData {
  int32_t value = 0;                       // kinds 1 and 3
  const int16_t* var = nullptr;            // kinds 2 and 4
  const char* text = nullptr;              // kind 5
  const char* const* textVar = nullptr;    // kind 6
  GNDrawFunc draw = nullptr;               // kind 7

  constexpr GNData() = default;
  constexpr GNData(int32_t n) : value(n) {}
  constexpr GNData(const int16_t* v) : var(v) {}
  constexpr GNData(const char* t) : text(t) {}
  constexpr GNData(const char* const* t) : textVar(t) {}
  constexpr GNData(GNDrawFunc f) : draw(f) {}
};

struct GNDisplayItem {
  uint8_t type;
  uint8_t dataKind;
  uint8_t passMask;
  int16_t x, y, w, h;
  GNData data;
  GNCallback callback;
};

// A hot region: the item's box as given (not justified), its callback and
// the region id in force at the item.
struct GNHotRegion {
  int16_t x, y, w, h;
  GNCallback callback;
  int16_t regionId;
};

// Builders of the items of a constant map, shared by the menus' maps (a
// module's own shapes build on these).
namespace gnitem {
constexpr int16_t Unit(int v) { return static_cast<int16_t>(v); }
// A state item (region id, justification, font colour, auto button, ...).
constexpr GNDisplayItem Set(uint8_t type, int32_t value, uint8_t pass = GN_PASS_DYNAMIC) {
  return {type, GN_DATA_VALUE, pass, 0, 0, 0, 0, GNData(value), nullptr};
}
// A state item whose value is read from a variable at each drawing.
constexpr GNDisplayItem SetVar(uint8_t type, const int16_t* var) {
  return {type, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, 0, 0, 0, 0, GNData(var), nullptr};
}
constexpr GNDisplayItem Background() { return Set(GN_ITEM_STATIC_BACKGROUND, 0, GN_PASS_STATIC); }
// A hot area that draws nothing.
constexpr GNDisplayItem Hot(int x, int y, int w, int h, GNCallback callback) {
  return {GN_ITEM_PLACEHOLDER, GN_DATA_NONE, GN_PASS_DYNAMIC, Unit(x), Unit(y), Unit(w), Unit(h), GNData(), callback};
}
// A fixed text and a text read from a string variable.
constexpr GNDisplayItem Text(int x, int y, int w, int h, const char* text, GNCallback callback = nullptr) {
  return {GN_ITEM_TEXT, GN_DATA_STRING, GN_PASS_DYNAMIC, Unit(x), Unit(y), Unit(w), Unit(h), GNData(text), callback};
}
constexpr GNDisplayItem TextVar(int x, int y, int w, int h, const char* const* text, GNCallback callback = nullptr) {
  return {GN_ITEM_TEXT, GN_DATA_STRING_VAR, GN_PASS_DYNAMIC, Unit(x), Unit(y), Unit(w), Unit(h), GNData(text), callback};
}
// A box drawn by the module's own function.
constexpr GNDisplayItem Custom(int x, int y, int w, int h, GNDrawFunc draw, GNCallback callback = nullptr) {
  return {GN_ITEM_CUSTOM, GN_DATA_DRAW, GN_PASS_DYNAMIC, Unit(x), Unit(y), Unit(w), Unit(h), GNData(draw), callback};
}
constexpr GNDisplayItem End() { return {GN_ITEM_END, 0, 0, 0, 0, 0, 0, GNData(), nullptr}; }
}  // namespace gnitem

// Draws the items of the passes asked for and, with GN_COLLECT_REGIONS,
// appends their hot regions. A data kind outside 0-7 stops the program
// ("DisplayGNMap(): unknown data type"), a type outside 0-15 likewise
// ("DisplayGNMap(): unknown type"), and so does a custom item whose data is
// not a drawing function.
void DisplayGNMap(const GNDisplayItem* map, uint8_t passFlags);

void GN_MenuInit(const GNDisplayItem* map);
void GN_MenuRedraw();
// Frames until a callback answers GN_RESULT_LEAVE (returns 1) or
// GN_RESULT_REDRAW (returns 0).
int GN_MenuLoop();
void GN_MenuUninit();

// The single steps of the walker and the loop.
void GN_JustifyPoint(int* x, int* y, int w, int h, uint8_t justification);
int16_t GN_SendRegionMessage(const GNHotRegion* region, GNMessage* message, int16_t code, int pointerX, int pointerY);
bool GN_RegionsEqual(const GNHotRegion* a, const GNHotRegion* b);
const GNHotRegion* GN_FindRegionAt(int x, int y);
void GN_AddRegion(const GNHotRegion& region);
void GN_ClearRegions();
void GN_FreeRegions();
void GN_AllocRegions();
// Loop bits of a callback result: 2 for a redraw, 1 for leave, else 0.
int GN_ResultFlags(int16_t result);

// The current regions (tests).
int GN_RegionCount();
const GNHotRegion* GN_RegionAt(int index);
const GNDisplayItem* GN_CurrentMap();

// No menu current (a registered reset).
void GN_MapReset();
