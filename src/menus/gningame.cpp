// The GN menu layer's in-game environment: menus drawn into the 8-bit game
// screen of the software match. Everything is drawn through a buffer that
// covers exactly the view (the game screen without its guard border), so
// saves, copies, remaps and drawing are all clipped to what is on show, the
// menu area hanging off a small view included.
#include "menus/gningame.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/gnlayer.h"
#include "render256/fontgame.h"
#include "render256/mgraphic.h"
#include "render256/polyscan.h"
#include "render256/swframe.h"
#include "render256/swscreen.h"

#define ABORT_FILE "menus\\gningame"

namespace {

// The colour tables the menus use: darker, darkest, lighter.
constexpr int LUT_DARKER = 0;
constexpr int LUT_DARKEST = 1;
constexpr int LUT_LIGHTER = 2;

constexpr int SCROLL_LOCK_KEY = 70;

// The title bar of the static items, in menu units.
constexpr int TITLE_BAR_X = 32, TITLE_BAR_Y = 32, TITLE_BAR_WIDTH = 576, TITLE_BAR_HEIGHT = 32;
constexpr int TITLE_CENTRE_X = 320, TITLE_CENTRE_Y = 48;

// GN graphic -> the match graphic and frame drawn for it in game.
struct InGameGraphic {
  int8_t graphic, frame;
};
constexpr InGameGraphic kGraphics[GN_GRAPHIC_COUNT] = {
    {0, 0},  {17, 0}, {6, 0},  {16, 0}, {16, 1}, {16, 2}, {19, 0}, {19, 1}, {19, 2}, {19, 3}, {19, 4}, {19, 5},
    {19, 6}, {19, 7}, {19, 8}, {19, 9}, {20, 0}, {20, 1}, {20, 2}, {20, 3}, {20, 4}, {20, 5}, {20, 6}, {20, 7},
    {20, 8}, {20, 9}, {20, 10}, {33, 2}, {33, 0}, {33, 3}, {33, 1}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0},
    {0, 0},  {0, 0},  {0, 0},  {0, 0},  {0, 0},  {0, 0},  {0, 0},  {0, 0},  {0, 0},
};

// The bytes of the view kept under the pointer (view coordinates, clipped).
struct PointerSave {
  bool saved;
  int x, y, width, height;
  std::vector<uint8_t> bytes;
};

struct InGameState {
  int16_t pointerX, pointerY;
  int16_t fontStyle;
  uint8_t* saveBuffer;  // the caller's 640 x 480 bytes
  PointerSave pointer;
  bool standalone;      // GNInGame_OpenStandaloneScreen's screen is open
};
InGameState gInGame;

void InGame_Reset() {
  gInGame = InGameState{};
  gInGame.fontStyle = GN_STYLE_NORMAL;
}
REGISTER_RESET(RESET_MATCH, InGame_Reset);

// The view of the game screen as a buffer of its own: drawing into it is
// clipped to the view. Without a game screen it has no pixels.
GfxBuffer View() {
  GfxBuffer view{};
  GfxBuffer* screen = GetGameScreen();
  if (screen == nullptr || screen->pixels == nullptr) return view;
  view.pixels = screen->pixels + static_cast<std::ptrdiff_t>(GAME_SCREEN_BORDER) * screen->stride + GAME_SCREEN_BORDER;
  view.width = ScreenWidth;
  view.height = ScreenHeight;
  view.w = static_cast<int16_t>(ScreenWidth);
  view.h = static_cast<int16_t>(ScreenHeight);
  view.stride = screen->stride;
  return view;
}

// The part of the view a rectangle of the view covers; false when none.
bool ClipToView(const GfxBuffer& view, int* x, int* y, int* width, int* height) {
  const int64_t x0 = std::max<int64_t>(*x, 0), y0 = std::max<int64_t>(*y, 0);
  const int64_t x1 = std::min<int64_t>(static_cast<int64_t>(*x) + *width, view.width);
  const int64_t y1 = std::min<int64_t>(static_cast<int64_t>(*y) + *height, view.height);
  if (view.pixels == nullptr || x1 <= x0 || y1 <= y0) return false;
  *x = static_cast<int>(x0);
  *y = static_cast<int>(y0);
  *width = static_cast<int>(x1 - x0);
  *height = static_cast<int>(y1 - y0);
  return true;
}

uint8_t* ViewAt(const GfxBuffer& view, int x, int y) {
  return view.pixels + static_cast<std::ptrdiff_t>(y) * view.stride + x;
}

void ShowGameScreen() {
  const GfxBuffer* screen = GetGameScreen();
  if (screen == nullptr) return;
  ShowDBuffer((static_cast<int>(GfxScreen.width) - ScreenWidth) / 2,
              (static_cast<int>(GfxScreen.height) - ScreenHeight) / 2, screen, GAME_SCREEN_BORDER, GAME_SCREEN_BORDER,
              ScreenWidth, ScreenHeight);
}

// Remaps a rectangle given in menu units through colour table n.
void RemapMenuRect(int x, int y, int width, int height, int table) {
  GfxBuffer view = View();
  if (view.pixels == nullptr) return;
  RemapScreenRect(&view, GNInGame_ScreenX(x), GNInGame_ScreenY(y), width, height, GetColourLUT(table));
}

// Copies between the centred menu area of the view and the save buffer.
void CopyArea(bool toSaveBuffer) {
  GfxBuffer view = View();
  const int areaX = GNInGame_ScreenX(0), areaY = GNInGame_ScreenY(0);
  int x = areaX, y = areaY, width = GN_AREA_WIDTH, height = GN_AREA_HEIGHT;
  if (!ClipToView(view, &x, &y, &width, &height)) return;
  for (int row = y; row < y + height; ++row) {
    uint8_t* saved = gInGame.saveBuffer + static_cast<std::ptrdiff_t>(row - areaY) * GN_AREA_WIDTH + (x - areaX);
    uint8_t* shown = ViewAt(view, x, row);
    if (toSaveBuffer)
      std::memcpy(saved, shown, static_cast<size_t>(width));
    else
      std::memcpy(shown, saved, static_cast<size_t>(width));
  }
}

void DrawTextAt(int x, int y, uint8_t justification, const char* text) {
  if (text == nullptr) return;
  const int font = gInGame.fontStyle;
  const int width = FONT_GetTextWidth(text, font);
  const int height = FONT_GetItem(font)->glyphHeight;
  GNInGame_ApplyJustification(&x, &y, width, height, justification);
  GfxBuffer view = View();
  if (view.pixels == nullptr) return;
  FONT_DrawStringTo(&view, font, text, GNInGame_ScreenX(x), GNInGame_ScreenY(y));
}

// The lines of a text box of `width` pixels in a game font: a newline ends a
// line, a line too wide is cut at its last blank that fits; a word wider than
// the box keeps a line of its own (clipped where it reaches the view's edge).
std::vector<std::string> WrapLines(const char* text, int width, int font) {
  std::vector<std::string> lines;
  const std::string all = text;
  size_t start = 0;
  while (start <= all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    std::string rest = all.substr(start, end - start);
    while (FONT_GetTextWidth(rest.c_str(), font) > width) {
      size_t cut = std::string::npos;
      for (size_t p = rest.size(); p-- > 0;)
        if (rest[p] == ' ' && FONT_GetTextWidth(rest.substr(0, p).c_str(), font) <= width) {
          cut = p;
          break;
        }
      if (cut == std::string::npos) cut = rest.find(' ');  // an over-wide first word
      if (cut == std::string::npos) break;
      lines.push_back(rest.substr(0, cut));
      rest.erase(0, cut + 1);
    }
    lines.push_back(rest);
    if (end == all.size()) break;
    start = end + 1;
  }
  return lines;
}

uint8_t NearestColour(int r, int g, int b) { return static_cast<uint8_t>(FindNearestColour(r, g, b, GamePalette)); }

// The pitch the standalone screen shows under its menus: mown stripes, the
// touch lines, the halfway line and the centre circle.
void DrawPitchPicture() {
  GfxBuffer view = View();
  if (view.pixels == nullptr) return;
  const uint8_t light = NearestColour(64, 160, 64), dark = NearestColour(40, 120, 40);
  const uint8_t white = NearestColour(255, 255, 255);
  const int stripe = std::max(1, view.width / 16);
  for (int y = 0; y < view.height; ++y)
    for (int x = 0; x < view.width; ++x) *ViewAt(view, x, y) = ((x / stripe) & 1) ? dark : light;
  const int margin = view.height / 16;
  const int16_t x0 = static_cast<int16_t>(margin), y0 = static_cast<int16_t>(margin);
  const int16_t x1 = static_cast<int16_t>(view.width - 1 - margin), y1 = static_cast<int16_t>(view.height - 1 - margin);
  BufferDrawLine(&view, x0, y0, x1, y0, white);
  BufferDrawLine(&view, x1, y0, x1, y1, white);
  BufferDrawLine(&view, x1, y1, x0, y1, white);
  BufferDrawLine(&view, x0, y1, x0, y0, white);
  const int16_t mid = static_cast<int16_t>(view.width / 2);
  BufferDrawLine(&view, mid, y0, mid, y1, white);
  const double r = view.height / 6.0;
  const int cy = view.height / 2;
  for (int a = 0; a < 256; ++a) {
    const double t = a * 2 * M_PI / 256;
    const int px = mid + static_cast<int>(std::lround(r * std::cos(t)));
    const int py = cy + static_cast<int>(std::lround(r * std::sin(t)));
    if (px >= 0 && py >= 0 && px < view.width && py < view.height) *ViewAt(view, px, py) = white;
  }
}

}  // namespace

void GNInGame_Reset() { InGame_Reset(); }

void GNInGame_SetSaveBuffer(uint8_t* buffer) { gInGame.saveBuffer = buffer; }

int GNInGame_ScreenX(int x) { return x + (ScreenWidth - GN_AREA_WIDTH) / 2; }
int GNInGame_ScreenY(int y) { return y + (ScreenHeight - GN_AREA_HEIGHT) / 2; }

void GNInGame_ApplyJustification(int* x, int* y, int w, int h, uint8_t justification) {
  switch (justification & 0x0F) {
    case GN_JUSTIFY_CENTRE: *x -= w / 2; break;
    case GN_JUSTIFY_RIGHT: *x -= w; break;
    default: break;
  }
  switch (justification & 0xF0) {
    case GN_JUSTIFY_MIDDLE: *y -= h / 2; break;
    case GN_JUSTIFY_BOTTOM: *y -= h; break;
    default: break;
  }
}

void GNInGame_Init() {}
void GNInGame_Uninit() { gInGame.pointer = PointerSave{}; }
void GNInGame_StartSetOfMenus() {}
void GNInGame_EndSetOfMenus() {}
void GNInGame_StartMenu() {}
void GNInGame_EndMenu() {}

void GNInGame_StartStaticItems() {
  // The score line and the event box belong to a running match only.
  if (SwFrame.created) DrawMatchOverlays();
  RemapMenuRect(0, 0, GN_AREA_WIDTH, GN_AREA_HEIGHT, LUT_DARKEST);
}

void GNInGame_SetStaticBackground(int16_t) {}

void GNInGame_SetStaticTitle(const char* text) {
  RemapMenuRect(TITLE_BAR_X, TITLE_BAR_Y, TITLE_BAR_WIDTH, TITLE_BAR_HEIGHT, LUT_DARKER);
  if (text == nullptr) return;
  const int width = FONT_GetTextWidth(text, GN_STYLE_TITLE);
  const int height = FONT_GetItem(GN_STYLE_TITLE)->glyphHeight;
  GfxBuffer view = View();
  if (view.pixels == nullptr) return;
  FONT_DrawStringTo(&view, GN_STYLE_TITLE, text, GNInGame_ScreenX(TITLE_CENTRE_X - width / 2),
                    GNInGame_ScreenY(TITLE_CENTRE_Y - height / 2));
}

void GNInGame_EndStaticItems() {
  if (gInGame.saveBuffer == nullptr) ABORT("GNInGame_EndStaticItems(): no save buffer for the menu area");
  CopyArea(true);
}

void GNInGame_StartDrawing() {
  if (gInGame.saveBuffer == nullptr) ABORT("GNInGame_StartDrawing(): no save buffer for the menu area");
  CopyArea(false);
  gInGame.fontStyle = GN_STYLE_NORMAL;
}

void GNInGame_EndDrawing() { ShowGameScreen(); }

void GNInGame_ReadMouse(int16_t* x, int16_t* y, int32_t* buttons) {
  int dx = 0, dy = 0, pressed = 0;
  ReadMouseDriver(&dx, &dy, &pressed);
  gInGame.pointerX = static_cast<int16_t>(std::clamp(gInGame.pointerX + dx, 0, GN_POINTER_MAX_X));
  gInGame.pointerY = static_cast<int16_t>(std::clamp(gInGame.pointerY + dy, 0, GN_POINTER_MAX_Y));
  if (x != nullptr) *x = gInGame.pointerX;
  if (y != nullptr) *y = gInGame.pointerY;
  if (buttons != nullptr) *buttons = pressed;
}

void GNInGame_DrawPointer() {
  // A pointer still on show is taken off first, so its save is not lost.
  if (gInGame.pointer.saved) GNInGame_RestorePointerArea();
  const GraphicSlot* slot = MGraphGetItem(MGRAPHIC_MOUSE);
  GfxBuffer view = View();
  const int px = GNInGame_ScreenX(gInGame.pointerX), py = GNInGame_ScreenY(gInGame.pointerY);
  int x = px, y = py, width = slot->width, height = slot->height;
  if (ClipToView(view, &x, &y, &width, &height)) {
    PointerSave& save = gInGame.pointer;
    save.bytes.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int row = 0; row < height; ++row)
      std::memcpy(save.bytes.data() + static_cast<std::ptrdiff_t>(row) * width, ViewAt(view, x, y + row),
                  static_cast<size_t>(width));
    save.saved = true;
    save.x = x;
    save.y = y;
    save.width = width;
    save.height = height;
    DrawCellClipped(&view, px, py, MGraphFrame(slot, 0), slot->width, slot->width, slot->height, nullptr);
  }
  ShowGameScreen();
  if (KeyWasPressed(SCROLL_LOCK_KEY)) GfxScreenGrab();
}

void GNInGame_Poll() { Poll(); }

void GNInGame_RestorePointerArea() {
  PointerSave& save = gInGame.pointer;
  GfxBuffer view = View();
  if (save.saved && view.pixels != nullptr && save.x + save.width <= view.width && save.y + save.height <= view.height)
    for (int row = 0; row < save.height; ++row)
      std::memcpy(ViewAt(view, save.x, save.y + row), save.bytes.data() + static_cast<std::ptrdiff_t>(row) * save.width,
                  static_cast<size_t>(save.width));
  save = PointerSave{};
}

void GNInGame_SetFontColour(int colour) {
  gInGame.fontStyle = (colour == 1 || colour == 8) ? GN_STYLE_HIGHLIGHT : GN_STYLE_NORMAL;
}

int16_t GNInGame_GetFontStyle() { return gInGame.fontStyle; }

void GNInGame_DrawButton(int x, int y, int w, int h, int type) {
  if (type != 1) return;
  RemapMenuRect(x + 2, y, w - 2, 2, LUT_LIGHTER);
  RemapMenuRect(x, y, 2, h - 2, LUT_LIGHTER);
  RemapMenuRect(x, y + h - 2, w - 2, 2, LUT_DARKER);
  RemapMenuRect(x + w - 2, y + 2, 2, h - 2, LUT_DARKER);
  RemapMenuRect(x + 2, y + 2, w - 4, h - 4, LUT_DARKEST);
}

void GNInGame_DrawColourBox(int x1, int y1, int x2, int y2, int colour) {
  if (colour < 0 || colour >= GN_COLOUR_COUNT) return;
  GfxBuffer view = View();
  if (view.pixels == nullptr) return;
  auto clampShort = [](int v) { return static_cast<int16_t>(std::clamp(v, -30000, 30000)); };
  BufferDrawLine(&view, clampShort(GNInGame_ScreenX(x1)), clampShort(GNInGame_ScreenY(y1)),
                 clampShort(GNInGame_ScreenX(x2)), clampShort(GNInGame_ScreenY(y2)), GNColourIndex[colour]);
}

void GNInGame_DrawGraphic(int x, int y, uint8_t justification, int graphic) {
  if (graphic <= 0 || graphic >= GN_GRAPHIC_COUNT) return;
  const GraphicSlot* slot = MGraphGetItem(kGraphics[graphic].graphic);
  // A frame the graphic does not have shows its first, as the renderer's own
  // 2D drawing does.
  int frame = kGraphics[graphic].frame;
  if (frame >= slot->frames) frame = 0;
  GNInGame_ApplyJustification(&x, &y, slot->width, slot->height, justification);
  GfxBuffer view = View();
  DrawCellClipped(&view, GNInGame_ScreenX(x), GNInGame_ScreenY(y), MGraphFrame(slot, frame), slot->width, slot->width,
                  slot->height, nullptr);
}

void GNInGame_DrawNumber(int x, int y, uint8_t justification, int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  DrawTextAt(x, y, justification, text);
}

void GNInGame_DrawTextNo(int x, int y, uint8_t justification, int textNumber) {
  DrawTextAt(x, y, justification, GetTextNoAddr(textNumber));
}

void GNInGame_DrawTextAddr(int x, int y, uint8_t justification, const char* text) {
  DrawTextAt(x, y, justification, text);
}

void GNInGame_DrawTextBoxAddr(int x, int y, int w, int h, uint8_t justification, const char* text) {
  if (text == nullptr) return;
  const int font = gInGame.fontStyle;
  const std::vector<std::string> lines = WrapLines(text, w, font);
  const int lineHeight = FONT_GetItem(font)->glyphHeight;
  const int total = static_cast<int>(lines.size()) * lineHeight;
  int top = y;
  switch (justification & 0xF0) {
    case GN_JUSTIFY_MIDDLE: top = y + (h - total) / 2; break;
    case GN_JUSTIFY_BOTTOM: top = y + h - total; break;
    default: break;
  }
  int lineX = x;
  switch (justification & 0x0F) {
    case GN_JUSTIFY_CENTRE: lineX = x + w / 2; break;
    case GN_JUSTIFY_RIGHT: lineX = x + w; break;
    default: break;
  }
  // Each line placed across as the box is, from the top of its row.
  const uint8_t across = static_cast<uint8_t>(justification & 0x0F);
  for (size_t i = 0; i < lines.size(); ++i)
    DrawTextAt(lineX, top + static_cast<int>(i) * lineHeight, across, lines[i].c_str());
}

void GNInGame_SetPointer(int16_t x, int16_t y) {
  gInGame.pointerX = x;
  gInGame.pointerY = y;
}

bool GNInGame_OpenStandaloneScreen(int width, int height) {
  if (gInGame.standalone) GNInGame_CloseStandaloneScreen();
  const int16_t mode = GfxFindMode(width, height, 0);
  if (mode < 0) return false;
  ScreenModeIndex = mode;
  SetGraphicMode(mode, 0);
  GfxClearScreen();
  SetupGamePalette();
  BuildColourLUTs();
  ShowGamePalette();
  OpenGameScreen(width, height);
  GfxBuffer* screen = GetGameScreen();
  std::memset(screen->pixels, 0, static_cast<size_t>(screen->stride) * static_cast<size_t>(screen->height));
  DrawPitchPicture();
  gInGame.standalone = true;
  return true;
}

void GNInGame_CloseStandaloneScreen() {
  if (!gInGame.standalone) return;
  gInGame.standalone = false;
  gInGame.pointer = PointerSave{};
  CloseGameScreen();
  FreeColourLUTs();
}
