// The match's bitmap fonts.
#include "render256/fontgame.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/menugfx_files.h"
#include "render256/mgraphic.h"
#include "render256/swscreen.h"

const char* const FontNames[FONT_COUNT] = {"fnt12w", "fnt16w", "fnt24w", "fnt12y", "fnt16y", "fnt24y"};

namespace {

constexpr const char* kSource = "zv256\\fontgame";

struct FontState {
  FontSlot slots[FONT_COUNT];
  int current;
};
FontState gFont;

void FontState_Reset() {
  // The blocks belong to the memory layer, which its own reset empties.
  std::memset(&gFont, 0, sizeof gFont);
  for (int i = 0; i < FONT_COUNT; ++i) gFont.slots[i].name = FontNames[i];
}

void LoadFontFiles(FontSlot& slot) {
  if (slot.glyphs != nullptr) FreeMemory(&slot.glyphs);
  if (slot.advance != nullptr) FreeMemory(&slot.advance);
  const std::string gfx = DOSMakePath(FONT_DIR, slot.name, "gfx");
  const uint32_t size = PakLoadFile(gfx.c_str(), &slot.glyphs, ManualFree);
  if (size < static_cast<uint32_t>(GFX0_HEADER_SIZE) || std::memcmp(slot.glyphs, "GFX0", 4) != 0)
    AbortError(kSource, __LINE__, "FONT_Load():- Invalid header");
  if (const char* why = CheckGfx0Image(slot.glyphs, size))
    FatalError("Error: FONT_Load(): '%s': %s\n", gfx.c_str(), why);
  slot.glyphWidth = static_cast<int16_t>(Gfx0Width(slot.glyphs));
  slot.glyphHeight = static_cast<int16_t>(Gfx0Height(slot.glyphs));
  slot.glyphCount = Gfx0Frames(slot.glyphs);
  const std::string wid = DOSMakePath(FONT_DIR, slot.name, "wid");
  const uint32_t widths = PakLoadFile(wid.c_str(), &slot.advance, ManualFree);
  if (widths != static_cast<uint32_t>(slot.glyphCount))
    FatalError("Error: FONT_Load(): '%s' holds %u advances for %d glyphs\n", wid.c_str(), widths, slot.glyphCount);
  // Both are caches only once both are here: loading the second must not
  // evict the first.
  SetMemoryType(&slot.glyphs, AutoFree);
  SetMemoryType(&slot.advance, AutoFree);
}

void DrawText(GfxBuffer* buffer, const FontSlot* slot, const char* text, int x, int y) {
  if (text == nullptr) return;
  int64_t pen = x;
  for (const char* p = text; *p != 0; ++p) {
    const int g = FontGlyphOf(slot, static_cast<unsigned char>(*p));
    if (g < 0) continue;
    if (pen > INT32_MIN && pen < INT32_MAX)
      DrawCellClipped(buffer, static_cast<int>(pen), y, FontGlyph(slot, g), slot->glyphWidth, slot->glyphWidth,
                      slot->glyphHeight, nullptr);
    pen += slot->advance[g];
  }
}

// Where an aligned span of `size` ends up for the alignment field `code`.
int ScreenPoint(int code, int at, int extent) {
  return code == 1 ? at : code == 2 ? extent / 2 + at : extent - at;
}
int TextShift(int code, int size) { return code == 1 ? 0 : code == 2 ? size / 2 : size; }

}  // namespace

REGISTER_RESET(RESET_RENDER, FontState_Reset);

void FontGame_Reset() { FontState_Reset(); }

void FONT_Load(int font) {
  if (font < 0 || font >= FONT_COUNT) AbortError(kSource, __LINE__, "FONT_Load():- Invalid font number");
  FontSlot& slot = gFont.slots[font];
  if (slot.glyphs == nullptr || slot.advance == nullptr) LoadFontFiles(slot);
  SetMemoryLastUse(&slot.glyphs, TimerTicks.load());
  SetMemoryLastUse(&slot.advance, TimerTicks.load());
}

FontSlot* FONT_GetItem(int font) {
  if (font < 0 || font >= FONT_COUNT) AbortError(kSource, __LINE__, "FONT_GetItem(): Invalid font number");
  FONT_Load(font);
  return &gFont.slots[font];
}

const uint8_t* FontGlyph(const FontSlot* slot, int glyph) {
  return slot->glyphs + GFX0_HEADER_SIZE + static_cast<int64_t>(glyph) * slot->glyphWidth * slot->glyphHeight;
}

int FontGlyphOf(const FontSlot* slot, unsigned char character) {
  const int g = slot->charMap != nullptr ? slot->charMap[character] : character;
  return g < slot->glyphCount ? g : -1;
}

int FONT_GetTextWidth(const char* text, int font) {
  const FontSlot* slot = FONT_GetItem(font);
  int width = 0;
  if (text == nullptr) return 0;
  for (const char* p = text; *p != 0; ++p) {
    const int g = FontGlyphOf(slot, static_cast<unsigned char>(*p));
    if (g >= 0) width += slot->advance[g];
  }
  return width;
}

void FONT_DisplayText(int x, int y, const char* text, int screenAlign, int textAlign) {
  if ((screenAlign & 3) == 0 || ((screenAlign >> 2) & 3) == 0 || (textAlign & 3) == 0 || ((textAlign >> 2) & 3) == 0)
    AbortError(kSource, __LINE__, "FONT_DisplayText(): invalid align type");
  const int width = FONT_GetTextWidth(text, gFont.current);
  const FontSlot* slot = FONT_GetItem(gFont.current);
  const int left = ScreenPoint(screenAlign & 3, x, ScreenWidth) - TextShift(textAlign & 3, width);
  const int top = ScreenPoint((screenAlign >> 2) & 3, y, ScreenHeight) - TextShift((textAlign >> 2) & 3, slot->glyphHeight);
  DrawText(GetGameScreen(), slot, text, left + GAME_SCREEN_BORDER, top + GAME_SCREEN_BORDER);
}

void FONT_DrawString(int font, const char* text, int x, int y) { FONT_DrawStringTo(GetGameScreen(), font, text, x, y); }

void FONT_DrawStringTo(GfxBuffer* buffer, int font, const char* text, int x, int y) {
  DrawText(buffer, FONT_GetItem(font), text, x, y);
}

int FONT_GetFont() { return gFont.current; }
void FONT_SetFont(int font) { gFont.current = font; }

namespace {
constexpr const char* kSample = " The quick brown fox jumps over the lazy dog 0123456789 \xe9\xfc !?&%";
constexpr int kSampleGap = 2;
}  // namespace

void DrawFontSamples(GfxBuffer* buffer) {
  int y = 0;
  for (int f = 0; f < FONT_COUNT; ++f) {
    const int x = 2;
    FONT_DrawStringTo(buffer, f, FontNames[f], x, y);
    FONT_DrawStringTo(buffer, f, kSample, x + FONT_GetTextWidth(FontNames[f], f), y);
    y += FONT_GetItem(f)->glyphHeight + kSampleGap;
  }
}

int FontSamplesHeight() {
  int h = 0;
  for (int f = 0; f < FONT_COUNT; ++f) h += FONT_GetItem(f)->glyphHeight + kSampleGap;
  return h;
}
