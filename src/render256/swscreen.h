// The 256-colour match screen: the display mode of the match, the in-game
// palette and its seven shading tables, the off-screen frame buffer with its
// 64-pixel guard border and the projection of the 3D view onto it.
#pragma once

#include <cstdint>

#include "engine/gfx.h"

constexpr int32_t LARGESTSCREENHEIGHT = 1024;
constexpr int GAME_SCREEN_BORDER = 64;  // guard pixels on every side of the view
constexpr int COLOUR_LUT_COUNT = 7;
constexpr int32_t SHADOW_COLOUR = 32;

// The screen-mode range the match screen accepts.
constexpr int SCREEN_MODE_MIN_WIDTH = 512;
constexpr int SCREEN_MODE_MAX_WIDTH = 2048;
constexpr int SCREEN_MODE_MIN_HEIGHT = 384;
constexpr int SCREEN_MODE_MAX_HEIGHT = 1024;

extern int16_t ScreenModeIndex;   // the match's mode in GfxModeList
extern int16_t MatchScreenMode;   // the remembered match mode (PrepareGamePalette takes it); -1 before the first match
extern int32_t ScreenWidth, ScreenHeight;
extern uint8_t GamePalette[256 * 3];
extern int32_t ShadowColour;
// The tick the software frame next draws at; the screen set-up starts it now.
extern uint32_t GameScreenFrameDeadline;

// One range of the in-game palette: the file (".pal" is appended) and the
// entries it supplies. The table ends with an empty name.
struct GamePaletteRange {
  const char* name;
  int first, last;
};
extern const GamePaletteRange GamePaletteRanges[];

// The kit colours of the two sides in the palette: a side's colour of kit
// colour slot `kitColour` ("PALETTES\kits\kitNN.pal" for colour NN) gives
// file entries from..from + count - 1 to entries first[side] on. The three
// officials wear kit colour 19: file entries 48-55 at 136-143 and 144-151.
struct KitPaletteRange {
  int kitColour;
  int first[2];
  int from, count;
};
constexpr int KIT_PALETTE_RANGES = 5;
extern const KitPaletteRange KitPaletteRanges[KIT_PALETTE_RANGES];
constexpr int KIT_OFFICIALS_COLOUR = 19;
constexpr int KIT_OFFICIALS_FIRST = 136;
constexpr int KIT_OFFICIALS_FROM = 48;
constexpr int KIT_OFFICIALS_SHADES = 8;

// Nearest palette entry to (r, g, b): distance 3 dr^2 + 5 dg^2 + 2 db^2,
// ties to the lower index; all 256 entries take part.
int FindNearestColour(int r, int g, int b, const uint8_t* palette);

// Loads one range's entries first..last from its file into GamePalette. A
// range that is not a whole 768-byte palette stops with its name.
void LoadPaletteRange(const GamePaletteRange& range);
// Every range, the kit palettes, and the block of the seven tables (fatal
// when it is already there).
void SetupGamePalette();
// The first match's mode: the video options' mode when the software renderer
// is chosen, else (or when that mode does not suit) the smallest 8-bit mode
// of at least 640 x 480.
int16_t FirstMatchScreenMode();
// ScreenModeIndex from the remembered match mode (the first match's mode
// before the first match), the palette, then an empty effect queue.
void PrepareGamePalette();
// The seven tables from the current GamePalette; ShadowColour = 32.
void BuildColourLUTs();
// Gives the block of the seven tables back; false when it was not taken.
bool FreeColourLUTs();
// Table n (0-6), 256 bytes on a 256-byte boundary; any other n is fatal.
const uint8_t* GetColourLUT(int n);

// Puts GamePalette on the display (its 8-bit components as the display's
// 6-bit ones).
void ShowGamePalette();
// Enters ScreenModeIndex and opens the game screen at the display's size.
void InitScreenResolution();
// The screen of a width x height display: the size check (fatal above
// LARGESTSCREENHEIGHT), the frame buffer, the player names, the ground's
// view and the projection.
void OpenGameScreen(int32_t width, int32_t height);
// The projection's scales and centre for the current size and display mode.
void UpdateScreenProjection();
GfxBuffer* GetGameScreen();
// 2 above 640 x 480, 1 from 500 x 350, else 0.
int GetScreenSizeClass();
// Next (+1) or previous (-1) usable mode, wrapping; when no mode qualifies
// after one pass the mode stays.
void StepScreenMode(int step);
// True for an 8-bit mode of 512-2048 x 384-1024.
bool IsMatchScreenMode(const GfxMode& mode);
void CloseGameScreen();

// The two sides' kit colours and the officials' from the kit palettes; a
// colour outside the 40 or a palette not 768 bytes stops naming it.
void LoadKitPalettes();

// The strip of player names the labels draw from (playernames.h): font 0,
// the names of both squads from the match set-up.
void InitPlayerNames();

// The module as at program start (a registered reset).
void SwScreen_Reset();
