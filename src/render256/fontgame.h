// The match's six bitmap fonts: each a GFX0 image of one glyph cell a frame
// under "MISCGFX\FONTS" with its advance table (one byte a glyph) in the
// ".wid" file of the same name, loaded on first use into AutoFree blocks and
// drawn with colour 0 transparent, clipped to the buffer.
#pragma once

#include <cstdint>

#include "engine/gfx.h"

constexpr int FONT_COUNT = 6;
constexpr const char* FONT_DIR = "MISCGFX\\FONTS";

struct FontSlot {
  const char* name;        // without extension
  const uint8_t* charMap;  // character code -> glyph number; null: the code is the glyph
  int16_t glyphWidth, glyphHeight;
  int32_t glyphCount;
  uint8_t* glyphs;   // the whole image file (AutoFree); glyph g at FontGlyph
  uint8_t* advance;  // one byte a glyph: the pen advance in pixels (AutoFree)
};

// The six fonts by number: white 12, 16 and 24 high, then yellow likewise.
extern const char* const FontNames[FONT_COUNT];

// Loads the font unless present, else refreshes its last use. A number
// outside 0-5, a file without the "GFX0" tag, an image whose size disagrees
// with its header or an advance table not one byte a glyph is fatal.
void FONT_Load(int font);
// Loads on demand and answers the slot.
FontSlot* FONT_GetItem(int font);
// The cell of glyph g of a loaded slot.
const uint8_t* FontGlyph(const FontSlot* slot, int glyph);
// The glyph of a character (through the map when there is one); a glyph at
// or past the font's count draws nothing and advances 0.
int FontGlyphOf(const FontSlot* slot, unsigned char character);

// Sum of the advances of the text's glyphs.
int FONT_GetTextWidth(const char* text, int font);
// The text in the current font at an aligned place of the view (alignment
// bytes as for the graphics, mgraphic.h): the screen alignment picks the
// point, the text alignment moves the text's box onto it.
void FONT_DisplayText(int x, int y, const char* text, int screenAlign, int textAlign);
// The text at (x, y) of the game screen's buffer, without alignment and
// without the guard offset.
void FONT_DrawString(int font, const char* text, int x, int y);
// The same into any buffer.
void FONT_DrawStringTo(GfxBuffer* buffer, int font, const char* text, int x, int y);

// The current font (the menu machine has GetFont and SetFont of its own).
int FONT_GetFont();
void FONT_SetFont(int font);

// A line of each font, the six one under another from the buffer's top-left
// corner: the fonts as they are drawn (for picture checks).
void DrawFontSamples(GfxBuffer* buffer);
// The height DrawFontSamples fills.
int FontSamplesHeight();

// The module as at program start (a registered reset).
void FontGame_Reset();
