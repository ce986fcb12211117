// The general menu graphics (the badge ball drawn in a club's colours) and
// the tactic store: the 40 stock tactics of the data file and the 12 custom
// tactics of the game world.
//
// A TacticsRecord is 330 bytes: a 5-byte header and 11 player slots of 30
// bytes from byte 5 (the eleventh cut to 25 bytes by the record's end). Slot k
// (shirt k + 1) holds the grid column (int16, 0-14) at 5 + 30k and the grid
// row (int16, 0-17) at 7 + 30k; the byte at 30k is the slot's role (0-5 from
// the back to the front, 6 the keeper), as the match reads it.
#pragma once

#include <cstdint>

#include "gamecode/matchrec.h"  // TACTICS_RECORD_SIZE

constexpr int NUM_STOCK_TACTICS = 40;
constexpr int NUM_CUSTOM_TACTICS = 12;
constexpr int NUM_TACTICS = NUM_STOCK_TACTICS + NUM_CUSTOM_TACTICS;
constexpr int TACTICS_HEADER_SIZE = 5;
constexpr int TACTICS_FILE_SIZE = NUM_STOCK_TACTICS * TACTICS_RECORD_SIZE;  // 13,200
constexpr int NUM_TACTIC_FORMATIONS = 8;
constexpr int NUM_TACTIC_STYLES = 5;
extern const char TACTICS_FILE[];  // "tactics\tactics.dat"

// The grid column and row of shirt s (1-11) in a record.
int16_t Tactic_GetColumn(const uint8_t* record, int shirt);
int16_t Tactic_GetRow(const uint8_t* record, int shirt);

// Reads stock tactic n (0-39) from the data file into destination (330
// bytes); the file is read on every call. Any other n stops the program.
void GetComputerTactics(uint8_t* destination, int16_t n);
// The record of tactic n (0-51): the one shared stock buffer, refilled from
// the file, for n < 40 (each call overwrites it); custom slot n - 40 of the
// world's table otherwise.
uint8_t* GetTacticRecord(int16_t n);
// All 12 custom tactics free (shirt 1's column -1); both tactics-designer
// selections 0.
void ClearCustomTactics();
// 1 when custom slot k (0-11) is free.
int16_t IsCustomTacticFree(int k);
// The tactics designer's two selections.
int16_t GetTacticsDesignerSelection(int which);
void SetTacticsDesignerSelection(int which, int16_t tactic);
// The text of the formation (n / 5 for a stock tactic, "Custom 1" to
// "Custom 12" for 40-51) and of the style (n mod 5; -1 for a custom tactic).
int16_t GetTacticFormationTextNo(int16_t n);
int16_t GetTacticStyleTextNo(int16_t n);

// ---- the general graphics ----

constexpr int GFXGEN_GRAPHICS = 1;          // graphic 0, "ball"
constexpr int GFXGEN_PALETTE_COLOURS = 64;  // the graphic's own colours, 0-63
constexpr int GFXGEN_PALETTE_BYTES = GFXGEN_PALETTE_COLOURS * 3;
constexpr int GFXGEN_RAMP_FIRST = 64;       // ramp k fills 64k + 64 to 64k + 127
constexpr int GFXGEN_RAMP_SIZE = 64;
constexpr int GFXGEN_WORK_COLOURS = 256;
extern const char GFXGEN_DIR[];  // "gfxgen"

// One graphic: its frames of width x height palette indices, and its
// palette of 64 colours of three 6-bit values. Both blocks are managed memory
// that may be evicted between uses (then loaded again).
struct GfxGenEntry {
  const char* name;
  int32_t frames;
  int32_t width;
  int32_t height;
  uint8_t* pixels;
  uint8_t* palette;
};

// The entry of graphic n, its blocks loaded if they are not in memory. A file
// without the "GFX0" tag, of any other size than 16 + width x height x frames
// bytes, or a palette of any other size than 192 bytes stops the program.
GfxGenEntry* GfxGenLoadGraphic(int16_t n);
// Ramp k (0 or 1) of the work palette: black to the colour over its first 32
// entries, the colour to a light tint over the last 32 (8-bit components).
void GfxGenSetColourRamp(int16_t k, int r, int g, int b);
// Frame f of graphic n drawn through the work palette into the menu buffer
// at x, y (screen pixels); the graphic's magenta colour is transparent.
void GfxGenDrawGraphic(int16_t n, int16_t f, int x, int y);
// Entries first..last of a palette of 6-bit colours, blended from one packed
// colour to another (red in bits 0-5, green 8-13, blue 16-21).
void PaletteRamp(uint8_t* palette, int first, int last, uint32_t from, uint32_t to);
// The work palette: 256 colours of three 6-bit values.
const uint8_t* GfxGenWorkPalette();

// The header badge: both ramps from the club's two home colours, then the
// ball drawn in the box.
void GfxGenDrawClubBadge(int16_t dbClub, int x, int y, int w, int h);
