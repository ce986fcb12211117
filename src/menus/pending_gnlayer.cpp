// Do-nothing stand-ins for the in-game environment until its module is in.
#include <cstdint>

#include "menus/gningame.h"

void GNInGame_SetSaveBuffer(uint8_t*) {}
int GNInGame_ScreenX(int x) { return x; }
int GNInGame_ScreenY(int y) { return y; }
void GNInGame_ApplyJustification(int*, int*, int, int, uint8_t) {}
void GNInGame_Init() {}
void GNInGame_Uninit() {}
void GNInGame_StartSetOfMenus() {}
void GNInGame_EndSetOfMenus() {}
void GNInGame_StartMenu() {}
void GNInGame_EndMenu() {}
void GNInGame_StartStaticItems() {}
void GNInGame_SetStaticBackground(int16_t) {}
void GNInGame_SetStaticTitle(const char*) {}
void GNInGame_EndStaticItems() {}
void GNInGame_StartDrawing() {}
void GNInGame_EndDrawing() {}
void GNInGame_ReadMouse(int16_t* x, int16_t* y, int32_t* buttons) {
  *x = 0;
  *y = 0;
  *buttons = 0;
}
void GNInGame_DrawPointer() {}
void GNInGame_Poll() {}
void GNInGame_RestorePointerArea() {}
void GNInGame_SetFontColour(int) {}
int16_t GNInGame_GetFontStyle() { return GN_STYLE_NORMAL; }
void GNInGame_DrawButton(int, int, int, int, int) {}
void GNInGame_DrawColourBox(int, int, int, int, int) {}
void GNInGame_DrawGraphic(int, int, uint8_t, int) {}
void GNInGame_DrawNumber(int, int, uint8_t, int32_t) {}
void GNInGame_DrawTextNo(int, int, uint8_t, int) {}
void GNInGame_DrawTextAddr(int, int, uint8_t, const char*) {}
void GNInGame_DrawTextBoxAddr(int, int, int, int, uint8_t, const char*) {}
void GNInGame_SetPointer(int16_t, int16_t) {}
void GNInGame_Reset() {}
bool GNInGame_OpenStandaloneScreen(int, int) { return false; }
void GNInGame_CloseStandaloneScreen() {}
