// The GN menu layer's in-game environment: menus drawn into the 8-bit game
// screen of the software match (a 640 x 480 menu area centred on the view;
// on a smaller view the area starts off-screen and everything is clipped to
// the view), a pointer of its own, and the area's picture kept in a 640 x 480
// save buffer that the in-match menu loop provides.
#pragma once

#include <cstdint>

constexpr int GN_AREA_WIDTH = 640;
constexpr int GN_AREA_HEIGHT = 480;
constexpr int GN_POINTER_MAX_X = 634;  // the pointer graphic stays whole on the area
constexpr int GN_POINTER_MAX_Y = 474;

// In-game font styles.
enum : int16_t { GN_STYLE_NORMAL = 1, GN_STYLE_TITLE = 2, GN_STYLE_HIGHLIGHT = 4 };

// The 640 x 480 byte save buffer of the menu area (the caller's; null: none).
// Keeping or restoring the static picture without one stops the program.
void GNInGame_SetSaveBuffer(uint8_t* buffer);

// Menu units to view pixels: x + (view width - 640) / 2, y + (view height -
// 480) / 2 (truncated toward zero).
int GNInGame_ScreenX(int x);
int GNInGame_ScreenY(int y);
// Moves an anchor to an object's top-left corner by the justification.
void GNInGame_ApplyJustification(int* x, int* y, int w, int h, uint8_t justification);

void GNInGame_Init();
void GNInGame_Uninit();
void GNInGame_StartSetOfMenus();
void GNInGame_EndSetOfMenus();
void GNInGame_StartMenu();
void GNInGame_EndMenu();
void GNInGame_StartStaticItems();
void GNInGame_SetStaticBackground(int16_t background);
void GNInGame_SetStaticTitle(const char* text);
void GNInGame_EndStaticItems();
void GNInGame_StartDrawing();
void GNInGame_EndDrawing();

// The steps of one in-game GN_Sync.
void GNInGame_ReadMouse(int16_t* x, int16_t* y, int32_t* buttons);
void GNInGame_DrawPointer();
void GNInGame_Poll();
void GNInGame_RestorePointerArea();

void GNInGame_SetFontColour(int colour);
int16_t GNInGame_GetFontStyle();
void GNInGame_DrawButton(int x, int y, int w, int h, int type);
void GNInGame_DrawColourBox(int x1, int y1, int x2, int y2, int colour);
void GNInGame_DrawGraphic(int x, int y, uint8_t justification, int graphic);
void GNInGame_DrawNumber(int x, int y, uint8_t justification, int32_t value);
void GNInGame_DrawTextNo(int x, int y, uint8_t justification, int textNumber);
void GNInGame_DrawTextAddr(int x, int y, uint8_t justification, const char* text);
void GNInGame_DrawTextBoxAddr(int x, int y, int w, int h, uint8_t justification, const char* text);

// The pointer position kept between frames (menu units).
void GNInGame_SetPointer(int16_t x, int16_t y);

// A game screen of its own for running in-game menus without a match: an
// 8-bit display mode of width x height, the game palette and its colour
// tables, the game screen of that size filled with a picture of the pitch.
// False (nothing opened) when the display has no such mode.
bool GNInGame_OpenStandaloneScreen(int width, int height);
// Closes what GNInGame_OpenStandaloneScreen opened (nothing when it is not open).
void GNInGame_CloseStandaloneScreen();

// The environment as at program start (a registered reset).
void GNInGame_Reset();
