// The GN menu layer: the state checks, the tables and the front end's
// drawing; the in-game drawing is gningame.cpp's.
#include "menus/gnlayer.h"

#include "engine/debug.h"
#include "engine/input.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/exm_text.h"
#include "menus/gningame.h"
#include "menus/machine.h"
#include "menus/menuprims.h"

#define ABORT_FILE "menus\\gnlayer"

const int16_t GNGraphicIcon[GN_GRAPHIC_COUNT] = {
    2,    1234, 1231, 1208, 1209, 1210, 89,   90,   91,   92,   93,   94,   95,   96,   97,
    98,   99,   1219, 1220, 1221, 1222, 1223, 1224, 1225, 1226, 1227, 1228, 1229, 1211, 1212,
    1213, 1214, 1426, 1427, 1428, 1429, 1430, 1431, 1432, 1433, 1434, 1435, 1436, 1205, 1437};
const int16_t GNBackgroundNumber[GN_BACKGROUND_COUNT] = {2, 12, 13, 13, 18, 2, 2};
const uint16_t GNColourRGB565[GN_COLOUR_COUNT] = {0xFFFF, 0xFFEF, 0x0000, 0x001F, 0xF800,
                                                  0xF81F, 0x07E0, 0x07FF, 0xFFE0, 0x4A69};
const uint8_t GNColourIndex[GN_COLOUR_COUNT] = {255, 5, 16, 234, 1, 232, 36, 15, 6, 0};
const int16_t GNFontColourText[GN_COLOUR_COUNT] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 11};

namespace {

constexpr uint16_t kButtonFill = 0x00D2;
constexpr int kTitleX = 320, kTitleY = 37;

struct GNLayerState {
  int32_t state = GN_STATE_NONE;
  uint32_t environment = GN_ENV_FRONT_END;
  int16_t pointerX = 0, pointerY = 0;
  int32_t pointerButtons = 0;
  int16_t staticBackground = 0;
  const char* staticTitle = nullptr;
  int16_t spare = 0;
};
GNLayerState gLayer;

// The state must be `need`; it becomes `next`.
void Step(int32_t need, int32_t next, const char* message) {
  if (gLayer.state != need) ABORT(message);
  gLayer.state = next;
}
void Need(int32_t need, const char* message) {
  if (gLayer.state != need) ABORT(message);
}

// Which environment draws: false for the front end, true in game; any other
// stops the program with the routine's message.
bool InGame(const char* unknownMessage) {
  if (gLayer.environment == GN_ENV_FRONT_END) return false;
  if (gLayer.environment == GN_ENV_IN_GAME) return true;
  ABORT(unknownMessage);
}

void CheckIndex(int value, int count, const char* message) {
  if (value < 0 || value >= count) ABORT(message);
}

}  // namespace

void GN_Reset() { gLayer = GNLayerState{}; }
REGISTER_RESET(RESET_MENUS, GN_Reset);

int32_t GN_GetLayerState() { return gLayer.state; }
uint32_t GN_GetEnvironment() { return gLayer.environment; }
void GN_ForceEnvironment(uint32_t environment) { gLayer.environment = environment; }

uint16_t GN_JustifyToAlign(uint8_t justification) {
  uint16_t align = 0;
  switch (justification & 0x0F) {
    case GN_JUSTIFY_LEFT: align = ALIGN_LEFT; break;
    case GN_JUSTIFY_CENTRE: align = ALIGN_HCENTRE; break;
    case GN_JUSTIFY_RIGHT: align = ALIGN_RIGHT; break;
    default: break;
  }
  switch (justification & 0xF0) {
    case GN_JUSTIFY_TOP: align |= ALIGN_TOP; break;
    case GN_JUSTIFY_MIDDLE: align |= ALIGN_VMIDDLE; break;
    case GN_JUSTIFY_BOTTOM: align |= ALIGN_BOTTOM; break;
    default: break;
  }
  return align;
}

// ---- the nesting ----

void GN_Init(uint32_t environment) {
  Step(GN_STATE_NONE, GN_STATE_INITIALISED, "GN_Init(): already initialised");
  gLayer.environment = environment;
  if (InGame("GN_Init(): unknown environment")) GNInGame_Init();
}

void GN_Uninit() {
  Step(GN_STATE_INITIALISED, GN_STATE_NONE, "GN_Uninit(): not initialised, or other error");
  if (InGame("GN_Uninit(): unknown environment")) GNInGame_Uninit();
}

void GN_StartSetOfMenus() {
  Step(GN_STATE_INITIALISED, GN_STATE_SET_OF_MENUS, "GN_StartSetOfMenus(): not initialised, or other error");
  if (InGame("GN_StartSetOfMenus(): unknown environment")) GNInGame_StartSetOfMenus();
}

void GN_EndSetOfMenus() {
  Step(GN_STATE_SET_OF_MENUS, GN_STATE_INITIALISED, "GN_EndSetOfMenus(): not started, or other error");
  if (InGame("GN_EndSetOfMenus(): unknown environment")) GNInGame_EndSetOfMenus();
}

void GN_StartMenu() {
  Step(GN_STATE_SET_OF_MENUS, GN_STATE_MENU, "GN_StartMenu(): not starting set of menus, or other error");
  if (InGame("GN_StartMenu(): unknown environment")) {
    GNInGame_StartMenu();
    return;
  }
  KeyFlush();
  ResetDrawState();
}

void GN_EndMenu() {
  Step(GN_STATE_MENU, GN_STATE_SET_OF_MENUS, "GN_EndMenu(): menu not started, or other error");
  if (InGame("GN_EndMenu(): unknown environment")) GNInGame_EndMenu();
}

void GN_StartStaticItems() {
  Step(GN_STATE_MENU, GN_STATE_STATIC_ITEMS, "GN_StartStaticItems(): menu not started, or other error");
  if (InGame("GN_StartStaticItems(): unknown environment")) {
    GNInGame_StartStaticItems();
    return;
  }
  gLayer.staticTitle = nullptr;
  gLayer.staticBackground = 0;
}

void GN_SetStaticBackground(int16_t background) {
  Need(GN_STATE_STATIC_ITEMS, "GN_SetStaticBackground(): not in static items");
  if (InGame("GN_SetStaticBackground(): unknown environment")) {
    GNInGame_SetStaticBackground(background);
    return;
  }
  CheckIndex(background, GN_BACKGROUND_COUNT, "GN_SetStaticBackground(): unknown background");
  gLayer.staticBackground = background;
}

void GN_SetStaticTitle(const char* text) {
  Need(GN_STATE_STATIC_ITEMS, "GN_SetStaticTitle(): not in static items");
  if (InGame("GN_SetStaticTitle(): unknown environment")) {
    GNInGame_SetStaticTitle(text);
    return;
  }
  gLayer.staticTitle = text;
}

void GN_EndStaticItems() {
  Step(GN_STATE_STATIC_ITEMS, GN_STATE_MENU, "GN_EndStaticItems(): static items not started, or other error");
  if (InGame("GN_EndStaticItems(): unknown environment")) {
    GNInGame_EndStaticItems();
    return;
  }
  DoBackground(GNBackgroundNumber[gLayer.staticBackground]);
  if (gLayer.staticTitle != nullptr) {
    SetFont(2);
    SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
    DoTextAddr(kTitleX, kTitleY, ALIGN_CENTRED, gLayer.staticTitle);
  }
  SaveScreenBackground();
}

void GN_StartDrawing() {
  Step(GN_STATE_MENU, GN_STATE_DRAWING, "GN_StartDrawing(): menu not started, or other error");
  if (InGame("GN_StartDrawing(): unknown environment")) {
    GNInGame_StartDrawing();
    return;
  }
  RestoreBackgroundRect(0, 0, 640, 480, ALIGN_LEFT | ALIGN_TOP);
  SetFont(1);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
}

void GN_EndDrawing() {
  Step(GN_STATE_DRAWING, GN_STATE_MENU, "GN_EndDrawing(): menu not drawing");
  if (InGame("GN_EndDrawing(): unknown environment")) {
    GNInGame_EndDrawing();
    return;
  }
  UpdateMenuScreen();
}

void GN_Sync() {
  Need(GN_STATE_MENU, "GN_Sync(): not in a menu, or other error");
  if (InGame("GN_Sync(): unknown environment")) {
    GNInGame_ReadMouse(&gLayer.pointerX, &gLayer.pointerY, &gLayer.pointerButtons);
    GNInGame_DrawPointer();
    // A frame lasts a timer tick, as on the front end: the loop neither spins
    // the processor nor, under a virtual clock, waits for time that never passes.
    const uint32_t start = TimerTicks.load();
    while (TimerTicks.load() == start) WaitTicks(1);
    GNInGame_Poll();
    GNInGame_RestorePointerArea();
    return;
  }
  int x = 0, y = 0, buttons = 0;
  ReadMousePointer(&x, &y, &buttons);
  gLayer.pointerX = static_cast<int16_t>(x);
  gLayer.pointerY = static_cast<int16_t>(y);
  gLayer.pointerButtons = buttons;
  DrawMousePointer();
  WaitNextFrame();
  RestorePointerBackground();
}

// ---- drawing ----

void GN_SetFontColour(int colour) {
  Need(GN_STATE_DRAWING, "GN_SetFontColour(): drawing not started");
  const bool inGame = InGame("GN_SetFontColour(): unknown environment");
  CheckIndex(colour, GN_COLOUR_COUNT, "GN_SetFontColour(): unknown colour");
  if (inGame) {
    GNInGame_SetFontColour(colour);
    return;
  }
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, GNFontColourText[colour]);
}

void GN_DrawButton(int x, int y, int w, int h, int type) {
  Need(GN_STATE_DRAWING, "GN_DrawButton(): drawing not started");
  if (InGame("GN_DrawButton(): unknown environment")) {
    GNInGame_DrawButton(x, y, w, h, type);
    return;
  }
  switch (type) {
    case 1:
    case 2:
      SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, type == 1 ? 1 : 0);
      SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kButtonFill);
      DoButton(x, y, w, h);
      break;
    case 3:
    case 4:
      SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x0000);
      DrawShadeRectangle(x, y, w, h, type == 3 ? 50 : 25);
      break;
    case 5:
      SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0xF800);
      DrawShadeRectangle(x, y, w, h, 50);
      break;
    default:
      ABORT("GN_DrawButton(): unknown button type");
  }
}

void GN_DrawColourBox(int x1, int y1, int x2, int y2, int colour) {
  Need(GN_STATE_DRAWING, "GN_DrawGraphic(): drawing not started");
  const bool inGame = InGame("GN_DrawGraphic(): unknown environment");
  CheckIndex(colour, GN_COLOUR_COUNT, "GN_DrawColourBox(): unknown colour");
  if (inGame) {
    GNInGame_DrawColourBox(x1, y1, x2, y2, colour);
    return;
  }
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, GNColourRGB565[colour]);
  DrawFilledBar(x1, y1, x2 - x1, y2 - y1);
}

void GN_DrawGraphic(int x, int y, uint8_t justification, int graphic) {
  Need(GN_STATE_DRAWING, "GN_DrawGraphic(): drawing not started");
  const bool inGame = InGame("GN_DrawGraphic(): unknown environment");
  CheckIndex(graphic, GN_GRAPHIC_COUNT, "GN_DrawGraphic(): unknown graphic");
  if (inGame) {
    GNInGame_DrawGraphic(x, y, justification, graphic);
    return;
  }
  DoIcon(x, y, GN_JustifyToAlign(justification), GNGraphicIcon[graphic]);
}

void GN_DrawNumber(int x, int y, uint8_t justification, int32_t value) {
  Need(GN_STATE_DRAWING, "GN_DrawTextNo(): drawing not started");
  if (InGame("GN_(): unknown environment")) {
    GNInGame_DrawNumber(x, y, justification, value);
    return;
  }
  DoNumber(x, y, GN_JustifyToAlign(justification), value);
}

void GN_DrawTextNo(int x, int y, uint8_t justification, int textNumber) {
  Need(GN_STATE_DRAWING, "GN_DrawTextNo(): drawing not started");
  if (InGame("GN_(): unknown environment")) {
    GNInGame_DrawTextNo(x, y, justification, textNumber);
    return;
  }
  DoTextNo(x, y, GN_JustifyToAlign(justification), textNumber);
}

void GN_DrawTextAddr(int x, int y, uint8_t justification, const char* text) {
  Need(GN_STATE_DRAWING, "GN_DrawTextNo(): drawing not started");
  if (InGame("GN_DrawTextAddr(): unknown environment")) {
    if (text != nullptr) GNInGame_DrawTextAddr(x, y, justification, text);
    return;
  }
  if (text != nullptr) DoTextAddr(x, y, GN_JustifyToAlign(justification), text);
}

void GN_DrawTextBoxAddr(int x, int y, int w, int h, uint8_t justification, const char* text) {
  Need(GN_STATE_DRAWING, "GN_DrawTextNo(): drawing not started");
  if (InGame("GN_(): unknown environment")) {
    if (text != nullptr) GNInGame_DrawTextBoxAddr(x, y, w, h, justification, text);
    return;
  }
  if (text != nullptr) DoTextBoxAddr(x, y, w, h, GN_JustifyToAlign(justification), text);
}

void GN_DrawTextBoxNo(int x, int y, int w, int h, uint8_t justification, int textNumber) {
  Need(GN_STATE_DRAWING, "GN_DrawTextNo(): drawing not started");
  GN_DrawTextBoxAddr(x, y, w, h, justification, GetTextNoAddr(textNumber));
}

// ---- the pointer ----

void GN_GetMousePos(int16_t* x, int16_t* y) {
  if (x != nullptr) *x = gLayer.pointerX;
  if (y != nullptr) *y = gLayer.pointerY;
}

int32_t GN_GetMouseButtons() { return gLayer.pointerButtons; }

int16_t GN_GetSpareValue() { return gLayer.spare; }
