// The menu buffer: the front end draws into an off-screen buffer in the
// display's own pixel format and copies to the display only what changed.
//
// Beside the buffer there is a background buffer of the same size (the
// menu's static picture), the list of dirty rectangles, the primitive drawing
// operations on the buffer (pixels, fills, copies, transparent copies and
// translucent shading through cached colour tables), the full-screen reveal
// and clear sweeps, and the small state of the menu item loop.
//
// Everything here works in screen pixels. Every rectangle operation does
// nothing at all when the width or height is 0 or less, x or y is negative,
// or the rectangle reaches past the right or bottom edge: there is no
// clipping. Each one that touches the menu buffer (the read BufferGetRect
// included) adds its rectangle to the dirty list.
//
// In the 256-colour menu mode a pixel is one byte, an index of the colour
// cube; in 16-bit modes two bytes of the display's format. Colours are always
// given as RGB565 and converted here.
#pragma once

#include <cstdint>
#include <vector>

#include "menus/menugfx_files.h"

struct DirtyRect {
  int32_t x, y, width, height;
};

// A count of this many dirty rectangles or more means the whole screen.
constexpr int32_t MAX_DIRTY_RECTS = 128;

// A shade table: the opacity (byte 0), the colour asked for (32-bit, bytes
// 1-4), the tick it was made (32-bit, bytes 5-8), then for each of the 65,536
// 16-bit display pixels the pixel shaded toward the colour (16-bit each).
constexpr uint32_t SHADE_TABLE_HEADER = 9;
constexpr uint32_t SHADE_TABLE_SIZE = SHADE_TABLE_HEADER + 65536 * 2;  // 131,081
constexpr int SHADE_TABLE_SLOTS = 16;

// ---- the buffers ----

// Takes the menu and background buffers for the current screen mode (both
// cleared to 0); an earlier pair is given back first.
void BufferAllocate();
// Gives both buffers and every shade table back and empties the dirty list.
void BufferFree();
// The menu buffer's pixels, rows packed (null before BufferAllocate).
uint8_t* MenuBufferPixels();
uint8_t* MenuBackgroundPixels();
// The screen as the buffer sees it.
int32_t MenuScreenWidth();
int32_t MenuScreenHeight();
int32_t MenuBytesPerPixel();
bool MenuIs256Colour();
// An RGB565 colour in the buffer's pixel format (a cube index in 256 colours).
uint32_t MenuPixelFromRGB565(uint16_t colour);

// ---- dirty rectangles ----

void AddDirtyRect(int32_t x, int32_t y, int32_t width, int32_t height);
int32_t DirtyRectCount();
const DirtyRect* DirtyRects();
// Copies the dirty rectangles to the display (the whole buffer when the list
// overflowed or the application was inactive since the last check) and
// empties the list.
void FlushDirtyRects();

// ---- drawing on the buffer ----

void BufferPutPixel(int32_t x, int32_t y, uint16_t colour);
void BufferFillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint16_t colour);
// Both corners inclusive, in any order; each must lie on the screen.
void BufferFillBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t colour);
// A translucent rectangle in the colour at opacity 0-255.
void BufferShadeRect(int32_t x, int32_t y, int32_t width, int32_t height, uint16_t colour, uint8_t opacity);
// Background buffer -> menu buffer.
void BufferRestoreRect(int32_t x, int32_t y, int32_t width, int32_t height);
// The whole menu buffer -> background buffer (no dirty rectangle).
void BufferSaveBackground();
// Menu buffer -> destination, rows packed.
void BufferGetRect(int32_t x, int32_t y, int32_t width, int32_t height, void* destination);
// Packed source pixels in the buffer's format -> menu buffer.
void BufferPutRect(int32_t x, int32_t y, int32_t width, int32_t height, const void* source);
// Source pixels in the buffer's format, sourceSkip pixels between the end of
// one source row and the start of the next; the colour key (index 0 in 256
// colours) is left out.
void BufferPutRectTrans(int32_t x, int32_t y, int32_t width, int32_t height, const void* source, int32_t sourceSkip);
void BufferPutImageTrans(int32_t x, int32_t y, int32_t width, int32_t height, const void* source);

// ---- full-screen sweeps ----

// The whole menu buffer to the display two rows at a time, one sweep down
// the even rows and one up the odd rows, a frame waited every 16 rows; the
// dirty list is emptied.
void RevealMenuScreen();
// The display cleared to colour 0 in the same sweep.
void ClearMenuScreen();
// The rows of a sweep over a screen of that height, in the order they are
// drawn: every row exactly once.
std::vector<int32_t> MenuSweepRows(int32_t height);

// ---- shading tables ----

// The shade table for the colour and opacity, made on demand in one of 16
// slots (the oldest is replaced when all are in use). 16-bit modes only.
uint8_t* GetShadeTable(uint16_t colour, uint8_t opacity);
// Fills one table for the display's 16-bit format; any other format stops
// the program.
void CreateMenuShadeRectangleCache(uint8_t* table, uint8_t opacity, uint16_t colour);
// The slot holding the table of the colour and opacity, or -1.
int FindShadeTable(uint16_t colour, uint8_t opacity);

// ---- the menu item loop's state ----

// The buttons of the current frame: bit 0 left, bit 1 right.
int32_t GetMenuButtons();
void SetMenuButtons(int32_t buttons);
// The row count of repeating table items whose own count is 0.
void SetTableRowCount(int16_t rows);
int16_t GetTableRowCount();
// The current event: 1 the screen is being initialised, 0 an ordinary draw.
// Setting 1 also clears the hover state.
int16_t GetMenuEvent();
void SetMenuEvent(int16_t event);
// The hovered item of the loop (-1 none).
int16_t GetMenuHoverItem();
void SetMenuHoverItem(int16_t item);
// A result for the current frame (2 redraw, 6 leave the menu); taking it
// clears it to 0.
void SetMenuResult(int16_t result);
int16_t TakeMenuResult();
// A value of the item loop, set by the menu loop.
void SetMenuLoopValue(int16_t value);
int16_t GetMenuLoopValue();

// The item drawing routine of the menu interpreter: one value of the item and
// a style number.
typedef int (*MenuItemDrawer)(int32_t value, int style);
void SetMenuItemDrawer(MenuItemDrawer drawer);
// Draws an item through the interpreter's routine with the style of its type:
// types 5/6 style 0, 9/10 style 1, 74/75 style 2, 37/38 style 3, 1/2 style 4,
// 7/8 style 5; the first type of each pair hands over its first value, the
// second type its second value. Any other type (or no routine yet) answers -1.
int DrawItemByType(int16_t type, int32_t first, int32_t second);

// ---- icons ----
//
// Icons 1-1437 are the frames of the icon files of menugfx_files.h, numbered
// across the files in table order. A file is loaded on first use as an
// evictable block, converted to the buffer's pixel format; the next use after
// an eviction loads it again.

// Builds the icon map; a table that does not number exactly the icons 0-1437,
// or a background table that does not end right after its 35th name, stops
// the program.
void InitIconLists();
// Loads icon file entry 1-71 unless it is loaded, else marks it used now.
void LoadIconFile(int entry);
// The first pixel of an icon's frame (the file is loaded if need be).
uint8_t* GetIconAddress(int icon);
// The frame width and height of an icon's file, in pixels.
void GetIconSize(int icon, int16_t* width, int16_t* height);
// The icon frame's text; the icon files carry no texts, so always "".
const char* GetIconText(int icon);
// Whether icon file entry 1-71 is in memory now (it may be evicted any time).
bool IconFileLoaded(int entry);

// ---- fonts and text ----

// The text colour table: RGB565 by text colour 0-17.
constexpr int MENU_TEXT_COLOURS = 18;
extern const uint16_t MenuTextColours[MENU_TEXT_COLOURS];
// The icons "$00"-"$12" stand for inside a string.
constexpr int MENU_INLINE_ICONS = 13;
extern const int16_t MenuInlineIcons[MENU_INLINE_ICONS];

// Loads font 0-2's glyph sheet and widths unless loaded (else marks them used
// now) and takes its cell size from the sheet.
void LoadFont(int font);
// The font and text colour text is drawn in (the menu machine sets them).
void SetMenuFont(int font);
int GetMenuFont();
void SetMenuTextColour(int colour);
int GetMenuTextColour();
// The cell size of a loaded font (0 x 0 before it is first loaded).
int32_t MenuFontCellWidth(int font);
int32_t MenuFontCellHeight(int font);
// The width of a string in the current font (inline icons count their scaled
// width) and the font's cell height.
void MeasureFontString(const char* text, int32_t* width, int32_t* height);
// Draws a string at pixel x, y in the current font and text colour; "$nn"
// (00-12) draws an inline icon through MenuInlineIconDrawer.
void DrawFontString(const char* text, int32_t x, int32_t y);
// Blends one glyph cell region (3 bytes a pixel, the first the coverage) in
// the text colour into the menu buffer; sourceSkip bytes follow each row.
// Nothing is drawn unless the whole region lies on the screen.
void BufferDrawGlyph(int32_t x, int32_t y, int32_t w, int32_t h, const uint8_t* source, int32_t sourceSkip);

// Set by the menu machine: draws an inline icon at the pen (left, top).
extern void (*MenuInlineIconDrawer)(int icon, int32_t x, int32_t y);
// Set by the menu machine: an icon's width and height in menu units, for
// measuring inline icons. Unset, the icon's pixel size is used.
extern void (*MenuInlineIconSizer)(int icon, int32_t* width, int32_t* height);

// Back to the start: no buffers, no tables, an empty list, the loop state
// cleared.
void MenuPc_Reset();
