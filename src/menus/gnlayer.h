// The GN menu layer: one small drawing and menu-state interface through which
// the same menu can be drawn on the front end's menu screen (environment 0,
// the 16-bit menu machine) or over the running match (environment 1, the
// 8-bit game screen, in a 640 x 480 area centred on it).
//
// Every call checks the layer state, a strict nesting:
//   0 uninitialised -(GN_Init)-> 1 -(GN_StartSetOfMenus)-> 2 -(GN_StartMenu)->
//   3 in a menu -(GN_StartStaticItems)-> 4 -(GN_EndStaticItems)-> 3
//   -(GN_StartDrawing)-> 5 drawing -(GN_EndDrawing)-> 3 -(GN_EndMenu)-> 2
//   -(GN_EndSetOfMenus)-> 1 -(GN_Uninit)-> 0
// and stops the program (AbortError) with the routine's message when it is
// wrong; the state changes before the environment is looked at, and an
// environment other than 0 and 1 stops the program too. Coordinates are
// 640 x 480 menu units in both environments.
#pragma once

#include <cstdint>

enum : uint32_t { GN_ENV_FRONT_END = 0, GN_ENV_IN_GAME = 1 };

enum : int32_t {
  GN_STATE_NONE = 0,
  GN_STATE_INITIALISED = 1,
  GN_STATE_SET_OF_MENUS = 2,
  GN_STATE_MENU = 3,
  GN_STATE_STATIC_ITEMS = 4,
  GN_STATE_DRAWING = 5,
};

// Justification bytes: the low nibble across (4 left, 5 centre, 6 right), the
// high nibble down (0x40 top, 0x50 middle, 0x60 bottom); anything else: none.
enum : uint8_t {
  GN_JUSTIFY_LEFT = 0x04,
  GN_JUSTIFY_CENTRE = 0x05,
  GN_JUSTIFY_RIGHT = 0x06,
  GN_JUSTIFY_TOP = 0x40,
  GN_JUSTIFY_MIDDLE = 0x50,
  GN_JUSTIFY_BOTTOM = 0x60,
};

// Button types of GN_DrawButton: 1 raised button, 2 flat button, 3 and 4
// black shade at 50 and 25 per cent, 5 red shade at 50 per cent.
constexpr int GN_GRAPHIC_COUNT = 45;    // GN graphics 0-44
constexpr int GN_BACKGROUND_COUNT = 7;  // GN backgrounds 0-6
constexpr int GN_COLOUR_COUNT = 10;     // GN colours and font colours 0-9

// The layer's tables.
extern const int16_t GNGraphicIcon[GN_GRAPHIC_COUNT];           // front end: global icon numbers
extern const int16_t GNBackgroundNumber[GN_BACKGROUND_COUNT];   // front end: DoBackground numbers
extern const uint16_t GNColourRGB565[GN_COLOUR_COUNT];          // front end: fill colours
extern const uint8_t GNColourIndex[GN_COLOUR_COUNT];            // in game: palette indices
extern const int16_t GNFontColourText[GN_COLOUR_COUNT];         // front end: menu text colours

void GN_Init(uint32_t environment);
void GN_Uninit();
void GN_StartSetOfMenus();
void GN_EndSetOfMenus();
void GN_StartMenu();
void GN_EndMenu();
void GN_StartStaticItems();
void GN_SetStaticBackground(int16_t background);
void GN_SetStaticTitle(const char* text);
void GN_EndStaticItems();
void GN_StartDrawing();
void GN_EndDrawing();
// One frame of a menu: the pointer read, drawn, the frame waited for (the
// front end) or polled (in game), and the pointer taken off again.
void GN_Sync();

void GN_SetFontColour(int colour);
void GN_DrawButton(int x, int y, int w, int h, int type);
void GN_DrawColourBox(int x1, int y1, int x2, int y2, int colour);
void GN_DrawGraphic(int x, int y, uint8_t justification, int graphic);
void GN_DrawNumber(int x, int y, uint8_t justification, int32_t value);
void GN_DrawTextNo(int x, int y, uint8_t justification, int textNumber);
void GN_DrawTextAddr(int x, int y, uint8_t justification, const char* text);
void GN_DrawTextBoxAddr(int x, int y, int w, int h, uint8_t justification, const char* text);
void GN_DrawTextBoxNo(int x, int y, int w, int h, uint8_t justification, int textNumber);

// The pointer as the last GN_Sync read it (menu units) and its buttons (bit 0
// left, bit 1 right).
void GN_GetMousePos(int16_t* x, int16_t* y);
int32_t GN_GetMouseButtons();
// A layer value nothing sets: always 0.
int16_t GN_GetSpareValue();

// The menu machine's alignment flags of a justification byte.
uint16_t GN_JustifyToAlign(uint8_t justification);

// For tests and callers that check before acting.
int32_t GN_GetLayerState();
uint32_t GN_GetEnvironment();
// Sets the environment without any check (tests of the unknown-environment
// stops: GN_Init itself stops on one).
void GN_ForceEnvironment(uint32_t environment);

// The layer as at program start (a registered reset).
void GN_Reset();
