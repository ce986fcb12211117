// menugfxgen --out DIR: writes the menu graphics of the data set into
// DIR/menugfx: every icon file of the icon-file table (menus/menugfx_files.h)
// with exactly its frame count, the three menu fonts with their width files,
// and the full-screen backgrounds. Everything is drawn procedurally from fixed
// rules, so the same program always writes the same bytes.
//
// Icon files: GFX0 header, then RGB565 frames (0xF81F transparent); a frame
// not drawn as a picture of its own shows its global icon number. Fonts: GFX0
// header with the cell size and 256 frames, then 256 cells of 3 bytes a
// pixel (coverage 0-255 in each), anti-aliased by supersampling the small
// bitmap font below; the .wid file holds the 256 advance widths.
// Backgrounds: raw 640 x 480 RGB565.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "menus/kittab.h"
#include "menus/menugfx_files.h"
#include "toolfiles.h"

namespace {

// ---- the bitmap font ----------------------------------------------------------
// A glyph sits on a grid of 12 rows: rows 0-1 hold the accents of capitals,
// rows 2-8 the body (capitals and ascenders from row 2, the x-height from row
// 4), rows 9-10 the descenders. Rows are 5 bits wide, bit 4 the leftmost column.
constexpr int kGridRows = 12;
constexpr int kBodyTop = 2;

struct BitmapGlyph {
  std::array<uint8_t, kGridRows> rows{};
  bool present = false;
};

// Body rows (7) and descender rows (2) of the printable ASCII characters from
// 0x20, and of the Latin-1 symbols that are not accented letters.
struct BaseGlyph {
  uint8_t code;
  uint8_t body[7];
  uint8_t descender[2];
};

constexpr BaseGlyph kBaseGlyphs[] = {
    {' ', {0, 0, 0, 0, 0, 0, 0}, {0, 0}},
    {'!', {0x04, 0x04, 0x04, 0x04, 0x04, 0x00, 0x04}, {0, 0}},
    {'"', {0x0A, 0x0A, 0x0A, 0x00, 0x00, 0x00, 0x00}, {0, 0}},
    {'#', {0x0A, 0x0A, 0x1F, 0x0A, 0x1F, 0x0A, 0x0A}, {0, 0}},
    {'$', {0x04, 0x0F, 0x14, 0x0E, 0x05, 0x1E, 0x04}, {0, 0}},
    {'%', {0x18, 0x19, 0x02, 0x04, 0x08, 0x13, 0x03}, {0, 0}},
    {'&', {0x0C, 0x12, 0x14, 0x08, 0x15, 0x12, 0x0D}, {0, 0}},
    {'\'', {0x04, 0x04, 0x08, 0x00, 0x00, 0x00, 0x00}, {0, 0}},
    {'(', {0x02, 0x04, 0x08, 0x08, 0x08, 0x04, 0x02}, {0, 0}},
    {')', {0x08, 0x04, 0x02, 0x02, 0x02, 0x04, 0x08}, {0, 0}},
    {'*', {0x00, 0x04, 0x15, 0x0E, 0x15, 0x04, 0x00}, {0, 0}},
    {'+', {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}, {0, 0}},
    {',', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x04}, {0x08, 0}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}, {0, 0}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}, {0, 0}},
    {'/', {0x01, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10}, {0, 0}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0, 0}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}, {0, 0}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0, 0}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}, {0, 0}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0, 0}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}, {0, 0}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0, 0}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}, {0, 0}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0, 0}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}, {0, 0}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}, {0, 0}},
    {';', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x04, 0x08}, {0, 0}},
    {'<', {0x02, 0x04, 0x08, 0x10, 0x08, 0x04, 0x02}, {0, 0}},
    {'=', {0x00, 0x00, 0x1F, 0x00, 0x1F, 0x00, 0x00}, {0, 0}},
    {'>', {0x08, 0x04, 0x02, 0x01, 0x02, 0x04, 0x08}, {0, 0}},
    {'?', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}, {0, 0}},
    {'@', {0x0E, 0x11, 0x01, 0x0D, 0x15, 0x15, 0x0E}, {0, 0}},
    {'A', {0x0E, 0x11, 0x11, 0x11, 0x1F, 0x11, 0x11}, {0, 0}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}, {0, 0}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, {0, 0}},
    {'D', {0x1C, 0x12, 0x11, 0x11, 0x11, 0x12, 0x1C}, {0, 0}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, {0, 0}},
    {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}, {0, 0}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, {0, 0}},
    {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, {0, 0}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}, {0, 0}},
    {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}, {0, 0}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}, {0, 0}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}, {0, 0}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}, {0, 0}},
    {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}, {0, 0}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0, 0}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}, {0, 0}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}, {0, 0}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}, {0, 0}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}, {0, 0}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}, {0, 0}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0, 0}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}, {0, 0}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}, {0, 0}},
    {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}, {0, 0}},
    {'Y', {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}, {0, 0}},
    {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}, {0, 0}},
    {'[', {0x0E, 0x08, 0x08, 0x08, 0x08, 0x08, 0x0E}, {0, 0}},
    {'\\', {0x10, 0x10, 0x08, 0x04, 0x02, 0x01, 0x01}, {0, 0}},
    {']', {0x0E, 0x02, 0x02, 0x02, 0x02, 0x02, 0x0E}, {0, 0}},
    {'^', {0x04, 0x0A, 0x11, 0x00, 0x00, 0x00, 0x00}, {0, 0}},
    {'_', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {0x1F, 0}},
    {'`', {0x08, 0x04, 0x02, 0x00, 0x00, 0x00, 0x00}, {0, 0}},
    {'a', {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F}, {0, 0}},
    {'b', {0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x1E}, {0, 0}},
    {'c', {0x00, 0x00, 0x0E, 0x10, 0x10, 0x11, 0x0E}, {0, 0}},
    {'d', {0x01, 0x01, 0x0D, 0x13, 0x11, 0x11, 0x0F}, {0, 0}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}, {0, 0}},
    {'f', {0x06, 0x09, 0x08, 0x1C, 0x08, 0x08, 0x08}, {0, 0}},
    {'g', {0x00, 0x00, 0x0F, 0x11, 0x11, 0x11, 0x0F}, {0x01, 0x0E}},
    {'h', {0x10, 0x10, 0x16, 0x19, 0x11, 0x11, 0x11}, {0, 0}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}, {0, 0}},
    {'j', {0x02, 0x00, 0x06, 0x02, 0x02, 0x02, 0x02}, {0x12, 0x0C}},
    {'k', {0x10, 0x10, 0x12, 0x14, 0x18, 0x14, 0x12}, {0, 0}},
    {'l', {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}, {0, 0}},
    {'m', {0x00, 0x00, 0x1A, 0x15, 0x15, 0x11, 0x11}, {0, 0}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}, {0, 0}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}, {0, 0}},
    {'p', {0x00, 0x00, 0x1E, 0x11, 0x11, 0x11, 0x1E}, {0x10, 0x10}},
    {'q', {0x00, 0x00, 0x0F, 0x11, 0x11, 0x11, 0x0F}, {0x01, 0x01}},
    {'r', {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10}, {0, 0}},
    {'s', {0x00, 0x00, 0x0E, 0x10, 0x0E, 0x01, 0x1E}, {0, 0}},
    {'t', {0x08, 0x08, 0x1C, 0x08, 0x08, 0x09, 0x06}, {0, 0}},
    {'u', {0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x0D}, {0, 0}},
    {'v', {0x00, 0x00, 0x11, 0x11, 0x11, 0x0A, 0x04}, {0, 0}},
    {'w', {0x00, 0x00, 0x11, 0x11, 0x15, 0x15, 0x0A}, {0, 0}},
    {'x', {0x00, 0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11}, {0, 0}},
    {'y', {0x00, 0x00, 0x11, 0x11, 0x11, 0x11, 0x0F}, {0x01, 0x0E}},
    {'z', {0x00, 0x00, 0x1F, 0x02, 0x04, 0x08, 0x1F}, {0, 0}},
    {'{', {0x02, 0x04, 0x04, 0x08, 0x04, 0x04, 0x02}, {0, 0}},
    {'|', {0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}, {0x04, 0}},
    {'}', {0x08, 0x04, 0x04, 0x02, 0x04, 0x04, 0x08}, {0, 0}},
    {'~', {0x00, 0x00, 0x08, 0x15, 0x02, 0x00, 0x00}, {0, 0}},
    // Latin-1 symbols
    {0xA0, {0, 0, 0, 0, 0, 0, 0}, {0, 0}},
    {0xA1, {0x04, 0x00, 0x04, 0x04, 0x04, 0x04, 0x04}, {0, 0}},
    {0xA2, {0x04, 0x0E, 0x15, 0x14, 0x15, 0x0E, 0x04}, {0, 0}},
    {0xA3, {0x06, 0x09, 0x08, 0x1E, 0x08, 0x08, 0x1F}, {0, 0}},
    {0xA4, {0x00, 0x11, 0x0E, 0x0A, 0x0E, 0x11, 0x00}, {0, 0}},
    {0xA5, {0x11, 0x0A, 0x1F, 0x04, 0x1F, 0x04, 0x04}, {0, 0}},
    {0xA6, {0x04, 0x04, 0x04, 0x00, 0x04, 0x04, 0x04}, {0, 0}},
    {0xA7, {0x0E, 0x10, 0x0E, 0x11, 0x0E, 0x01, 0x0E}, {0, 0}},
    {0xA8, {0x0A, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {0, 0}},
    {0xA9, {0x0E, 0x11, 0x17, 0x19, 0x17, 0x11, 0x0E}, {0, 0}},
    {0xAA, {0x0E, 0x01, 0x0F, 0x11, 0x0F, 0x00, 0x1F}, {0, 0}},
    {0xAB, {0x00, 0x05, 0x0A, 0x14, 0x0A, 0x05, 0x00}, {0, 0}},
    {0xAC, {0x00, 0x00, 0x1F, 0x01, 0x01, 0x00, 0x00}, {0, 0}},
    {0xAD, {0x00, 0x00, 0x00, 0x0E, 0x00, 0x00, 0x00}, {0, 0}},
    {0xAE, {0x0E, 0x11, 0x1D, 0x1B, 0x1D, 0x1B, 0x0E}, {0, 0}},
    {0xAF, {0x1F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {0, 0}},
    {0xB0, {0x0C, 0x12, 0x12, 0x0C, 0x00, 0x00, 0x00}, {0, 0}},
    {0xB1, {0x04, 0x04, 0x1F, 0x04, 0x04, 0x00, 0x1F}, {0, 0}},
    {0xB2, {0x1C, 0x02, 0x0C, 0x10, 0x1E, 0x00, 0x00}, {0, 0}},
    {0xB3, {0x1C, 0x02, 0x0C, 0x02, 0x1C, 0x00, 0x00}, {0, 0}},
    {0xB4, {0x02, 0x04, 0x08, 0x00, 0x00, 0x00, 0x00}, {0, 0}},
    {0xB5, {0x00, 0x00, 0x11, 0x11, 0x11, 0x13, 0x1D}, {0x10, 0x10}},
    {0xB6, {0x0F, 0x1D, 0x1D, 0x0D, 0x05, 0x05, 0x05}, {0, 0}},
    {0xB7, {0x00, 0x00, 0x00, 0x0C, 0x0C, 0x00, 0x00}, {0, 0}},
    {0xB8, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}, {0x04, 0x08}},
    {0xB9, {0x08, 0x18, 0x08, 0x08, 0x1C, 0x00, 0x00}, {0, 0}},
    {0xBA, {0x0E, 0x11, 0x11, 0x11, 0x0E, 0x00, 0x1F}, {0, 0}},
    {0xBB, {0x00, 0x14, 0x0A, 0x05, 0x0A, 0x14, 0x00}, {0, 0}},
    {0xBC, {0x10, 0x12, 0x14, 0x09, 0x13, 0x07, 0x01}, {0, 0}},
    {0xBD, {0x10, 0x12, 0x14, 0x0B, 0x11, 0x02, 0x07}, {0, 0}},
    {0xBE, {0x18, 0x0A, 0x1C, 0x09, 0x13, 0x07, 0x01}, {0, 0}},
    {0xBF, {0x04, 0x00, 0x04, 0x08, 0x10, 0x11, 0x0E}, {0, 0}},
    {0xC6, {0x0F, 0x14, 0x14, 0x1F, 0x14, 0x14, 0x17}, {0, 0}},
    {0xD0, {0x1C, 0x12, 0x11, 0x1D, 0x11, 0x12, 0x1C}, {0, 0}},
    {0xD7, {0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x00}, {0, 0}},
    {0xD8, {0x0F, 0x13, 0x15, 0x15, 0x15, 0x19, 0x1E}, {0, 0}},
    {0xDE, {0x10, 0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10}, {0, 0}},
    {0xDF, {0x0C, 0x12, 0x12, 0x14, 0x12, 0x11, 0x16}, {0, 0}},
    {0xE6, {0x00, 0x00, 0x1A, 0x05, 0x1F, 0x14, 0x0B}, {0, 0}},
    {0xF0, {0x06, 0x0C, 0x02, 0x0F, 0x11, 0x11, 0x0E}, {0, 0}},
    {0xF7, {0x00, 0x04, 0x00, 0x1F, 0x00, 0x04, 0x00}, {0, 0}},
    {0xF8, {0x00, 0x00, 0x0E, 0x13, 0x15, 0x19, 0x0E}, {0, 0}},
    {0xFE, {0x00, 0x10, 0x16, 0x19, 0x11, 0x19, 0x16}, {0x10, 0x10}},
};

// Accents as two rows, drawn above a capital (grid rows 0-1) or above a small
// letter (rows 2-3).
enum Accent { GRAVE, ACUTE, CIRCUMFLEX, TILDE, DIAERESIS, RING, CEDILLA };
constexpr uint8_t kAccentRows[][2] = {
    {0x08, 0x04}, {0x02, 0x04}, {0x04, 0x0A}, {0x0D, 0x16}, {0x0A, 0x00}, {0x04, 0x0A}, {0x04, 0x08},
};

// The accented letters of Latin-1: the base letter and its accent.
struct AccentedGlyph {
  uint8_t code;
  char base;
  Accent accent;
};

constexpr AccentedGlyph kAccentedGlyphs[] = {
    {0xC0, 'A', GRAVE},  {0xC1, 'A', ACUTE},     {0xC2, 'A', CIRCUMFLEX}, {0xC3, 'A', TILDE},
    {0xC4, 'A', DIAERESIS}, {0xC5, 'A', RING},   {0xC7, 'C', CEDILLA},    {0xC8, 'E', GRAVE},
    {0xC9, 'E', ACUTE},  {0xCA, 'E', CIRCUMFLEX}, {0xCB, 'E', DIAERESIS}, {0xCC, 'I', GRAVE},
    {0xCD, 'I', ACUTE},  {0xCE, 'I', CIRCUMFLEX}, {0xCF, 'I', DIAERESIS}, {0xD1, 'N', TILDE},
    {0xD2, 'O', GRAVE},  {0xD3, 'O', ACUTE},     {0xD4, 'O', CIRCUMFLEX}, {0xD5, 'O', TILDE},
    {0xD6, 'O', DIAERESIS}, {0xD9, 'U', GRAVE},  {0xDA, 'U', ACUTE},      {0xDB, 'U', CIRCUMFLEX},
    {0xDC, 'U', DIAERESIS}, {0xDD, 'Y', ACUTE},  {0xE0, 'a', GRAVE},      {0xE1, 'a', ACUTE},
    {0xE2, 'a', CIRCUMFLEX}, {0xE3, 'a', TILDE}, {0xE4, 'a', DIAERESIS},  {0xE5, 'a', RING},
    {0xE7, 'c', CEDILLA}, {0xE8, 'e', GRAVE},    {0xE9, 'e', ACUTE},      {0xEA, 'e', CIRCUMFLEX},
    {0xEB, 'e', DIAERESIS}, {0xEC, 'i', GRAVE},  {0xED, 'i', ACUTE},      {0xEE, 'i', CIRCUMFLEX},
    {0xEF, 'i', DIAERESIS}, {0xF1, 'n', TILDE},  {0xF2, 'o', GRAVE},      {0xF3, 'o', ACUTE},
    {0xF4, 'o', CIRCUMFLEX}, {0xF5, 'o', TILDE}, {0xF6, 'o', DIAERESIS},  {0xF9, 'u', GRAVE},
    {0xFA, 'u', ACUTE},  {0xFB, 'u', CIRCUMFLEX}, {0xFC, 'u', DIAERESIS}, {0xFD, 'y', ACUTE},
    {0xFF, 'y', DIAERESIS},
};

std::array<BitmapGlyph, 256> BuildBitmapFont() {
  std::array<BitmapGlyph, 256> font{};
  for (const BaseGlyph& g : kBaseGlyphs) {
    BitmapGlyph& out = font[g.code];
    for (int r = 0; r < 7; ++r) out.rows[kBodyTop + r] = g.body[r];
    out.rows[kBodyTop + 7] = g.descender[0];
    out.rows[kBodyTop + 8] = g.descender[1];
    out.present = true;
  }
  for (const AccentedGlyph& g : kAccentedGlyphs) {
    BitmapGlyph out = font[static_cast<uint8_t>(g.base)];
    if (g.base == 'i') {  // the accent takes the place of the dot
      out.rows[kBodyTop] = 0;
    }
    const uint8_t* accent = kAccentRows[g.accent];
    if (g.accent == CEDILLA) {
      out.rows[kBodyTop + 7] |= accent[0];
      out.rows[kBodyTop + 8] |= accent[1];
    } else {
      const bool capital = g.base >= 'A' && g.base <= 'Z';
      const int top = capital ? 0 : kBodyTop;
      out.rows[top] |= accent[0];
      out.rows[top + 1] |= accent[1];
    }
    out.present = true;
    font[g.code] = out;
  }
  return font;
}

// Columns a glyph uses: [first, last], or first > last when it is blank.
void GlyphColumns(const BitmapGlyph& glyph, int* first, int* last) {
  uint8_t used = 0;
  for (uint8_t row : glyph.rows) used |= row;
  *first = 5;
  *last = -1;
  for (int c = 0; c < 5; ++c) {
    if (used & (0x10 >> c)) {
      *first = std::min(*first, c);
      *last = std::max(*last, c);
    }
  }
}

bool GridSet(const BitmapGlyph& glyph, int column, int row) {
  if (column < 0 || column >= 5 || row < 0 || row >= kGridRows) return false;
  return (glyph.rows[row] & (0x10 >> column)) != 0;
}

// ---- files --------------------------------------------------------------------
bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  return WriteToolFile("menugfxgen", path, bytes);
}

// ---- fonts --------------------------------------------------------------------
struct FontShape {
  int cellWidth, cellHeight;
};
constexpr FontShape kFontShapes[MENU_FONT_COUNT] = {{10, 12}, {12, 16}, {16, 24}};

// Is the point (in grid units) inside the glyph drawn with a round pen? Each
// set grid square is shrunk by 0.1 and given a margin of 0.3, so neighbouring
// squares join and edges fall off smoothly when supersampled.
bool InsidePen(const BitmapGlyph& glyph, double gx, double gy) {
  const int cx = static_cast<int>(std::floor(gx)), cy = static_cast<int>(std::floor(gy));
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (!GridSet(glyph, cx + dx, cy + dy)) continue;
      const double left = cx + dx + 0.1, right = cx + dx + 0.9, top = cy + dy + 0.1, bottom = cy + dy + 0.9;
      const double ex = gx < left ? left - gx : (gx > right ? gx - right : 0.0);
      const double ey = gy < top ? top - gy : (gy > bottom ? gy - bottom : 0.0);
      if (ex * ex + ey * ey <= 0.09) return true;
    }
  }
  return false;
}

bool WriteFont(const std::filesystem::path& dir, int font, const std::array<BitmapGlyph, 256>& bitmap) {
  const FontShape shape = kFontShapes[font];
  const double scale = shape.cellHeight / static_cast<double>(kGridRows);
  const size_t cellBytes = static_cast<size_t>(MENU_FONT_BYTES_PER_PIXEL) * shape.cellWidth * shape.cellHeight;
  std::vector<uint8_t> sheet = Gfx0Header(shape.cellWidth, shape.cellHeight, MENU_FONT_GLYPHS);
  sheet.resize(GFX0_HEADER_SIZE + MENU_FONT_GLYPHS * cellBytes, 0);
  std::vector<uint8_t> widths(MENU_FONT_GLYPHS, 0);
  constexpr int kSub = 4;  // 4 x 4 samples a pixel
  for (int code = 0; code < MENU_FONT_GLYPHS; ++code) {
    const BitmapGlyph& glyph = bitmap[code];
    if (!glyph.present) continue;
    int first, last;
    GlyphColumns(glyph, &first, &last);
    const int columns = first > last ? 2 : last - first + 1;  // blanks are as wide as two columns
    const int advance = static_cast<int>(std::lround((columns + 1) * scale));
    if (advance > shape.cellWidth) {
      std::fprintf(stderr, "menugfxgen: glyph %d of %s is wider than its cell\n", code, MenuFontNames[font]);
      return false;
    }
    widths[code] = static_cast<uint8_t>(advance);
    if (first > last) continue;
    uint8_t* cell = sheet.data() + GFX0_HEADER_SIZE + code * cellBytes;
    for (int py = 0; py < shape.cellHeight; ++py) {
      for (int px = 0; px < advance; ++px) {
        int hits = 0;
        for (int sy = 0; sy < kSub; ++sy) {
          for (int sx = 0; sx < kSub; ++sx) {
            // The glyph starts half a grid column into the cell.
            const double gx = (px + (sx + 0.5) / kSub) / scale - 0.5 + first;
            const double gy = (py + (sy + 0.5) / kSub) / scale;
            if (InsidePen(glyph, gx, gy)) ++hits;
          }
        }
        const uint8_t coverage = static_cast<uint8_t>(hits * 255 / (kSub * kSub));
        uint8_t* pixel = cell + MENU_FONT_BYTES_PER_PIXEL * (py * shape.cellWidth + px);
        pixel[0] = pixel[1] = pixel[2] = coverage;
      }
    }
  }
  const std::string name = MenuFontNames[font];
  return WriteFile(dir / (name + ".gfx"), sheet) && WriteFile(dir / (name + ".wid"), widths);
}

// ---- icons --------------------------------------------------------------------
uint16_t Rgb565(int r, int g, int b) {
  r = std::clamp(r, 0, 255);
  g = std::clamp(g, 0, 255);
  b = std::clamp(b, 0, 255);
  const uint16_t c = static_cast<uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
  return c == MENU_COLOUR_KEY ? static_cast<uint16_t>(c ^ 0x0020) : c;  // never the colour key by chance
}

// A colour of its own for each file: hues spread round the wheel.
void EntryColour(int entry, int* r, int* g, int* b) {
  const int hue = (entry * 47) % 360, sector = hue / 60, f = (hue % 60) * 255 / 60;
  const int hi = 200, lo = 60, up = lo + (hi - lo) * f / 255, down = hi - (hi - lo) * f / 255;
  const int table[6][3] = {{hi, up, lo}, {down, hi, lo}, {lo, hi, up}, {lo, down, hi}, {up, lo, hi}, {hi, lo, down}};
  *r = table[sector][0];
  *g = table[sector][1];
  *b = table[sector][2];
}

struct Canvas {
  int width, height;
  std::vector<uint16_t> pixels;
  Canvas(int w, int h, uint16_t fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  void Put(int x, int y, uint16_t c) {
    if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<size_t>(y) * width + x] = c;
  }
  void Fill(int x, int y, int w, int h, uint16_t c) {
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) Put(i, j, c);
  }
  void Frame(int x, int y, int w, int h, uint16_t c) {
    Fill(x, y, w, 1, c);
    Fill(x, y + h - 1, w, 1, c);
    Fill(x, y, 1, h, c);
    Fill(x + w - 1, y, 1, h, c);
  }
};

// A line of text in the bitmap font (5 columns, one apart; rows counts the
// grid rows from the body's top: 7 for digits and capitals, 9 with the
// descenders), scaled by the largest whole factor that fits, centred on
// (cx, cy), in white with a black shadow.
void DrawLabel(Canvas* canvas, const std::array<BitmapGlyph, 256>& bitmap, const std::string& text, int cx, int cy,
               int maxW, int maxH, int rows) {
  const int n = static_cast<int>(text.size());
  const int textW = n * 6 - 1, textH = rows;
  int k = std::max(1, std::min((maxW - 2) / textW, (maxH - 2) / textH));
  k = std::min(k, 8);
  const int x0 = cx - textW * k / 2, y0 = cy - textH * k / 2;
  const uint16_t white = Rgb565(255, 255, 255), black = Rgb565(0, 0, 0);
  for (int pass = 0; pass < 2; ++pass) {
    const int shadow = pass == 0 ? 1 : 0;
    const uint16_t colour = pass == 0 ? black : white;
    for (int i = 0; i < n; ++i) {
      const BitmapGlyph& g = bitmap[static_cast<uint8_t>(text[i])];
      for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 5; ++c)
          if (GridSet(g, c, kBodyTop + r))
            canvas->Fill(x0 + (i * 6 + c) * k + shadow, y0 + r * k + shadow, k, k, colour);
    }
  }
}

// The number in the bitmap font's digits.
void DrawNumber(Canvas* canvas, const std::array<BitmapGlyph, 256>& bitmap, int number, int cx, int cy, int maxW,
                int maxH) {
  DrawLabel(canvas, bitmap, std::to_string(number), cx, cy, maxW, maxH, 7);
}

struct IconShape {
  const char* name;
  int width, height;
};

// Sizes of the files that are not the ordinary 32 x 24 icon.
constexpr IconShape kIconShapes[] = {
    {"bigblock", 440, 200}, {"radio", 16, 16},    {"menush", 80, 20},    {"i_sq2", 18, 18},    {"tube2", 24, 64},
    {"reddisc2", 24, 24},   {"kit1", 24, 28},     {"kit2", 24, 28},      {"kit3", 24, 28},     {"kit4", 24, 28},
    {"kit5", 24, 28},       {"kit6", 24, 28},     {"kit7", 24, 28},      {"kit8", 24, 28},     {"kit9", 24, 28},
    {"kit10", 24, 28},      {"kit11", 24, 28},    {"arrotick", 30, 36},  {"cards", 24, 32},    {"players", 24, 32},
    {"players2", 24, 32},   {"ball", 24, 24},     {"ball2", 24, 24},     {"ballshad", 24, 24}, {"pitch", 120, 80},
    {"squares", 24, 24},    {"square", 24, 24},   {"digifont", 24, 24},  {"squares2", 24, 24}, {"LRScroll", 48, 24},
    {"mouse", 24, 24},      {"hourglas", 24, 24}, {"smarrow", 24, 24},   {"updownar", 24, 24}, {"pitch3", 120, 80},
    {"pitch4", 120, 80},    {"pitch120", 120, 80}, {"digibck", 64, 24},  {"PerfDisc", 24, 24}, {"NegClock", 32, 32},
    {"Tr_Pitch", 120, 80},  {"PSquares", 24, 24}, {"larrow", 24, 24},    {"rarrow", 24, 24},   {"sbar2", 24, 100},
    {"wdisc", 24, 24},
};

IconShape ShapeOf(const char* name) {
  for (const IconShape& s : kIconShapes)
    if (std::strcmp(s.name, name) == 0) return s;
  return {name, 32, 24};
}

// An ordinary icon: a rounded tile in the file's colour (a little lighter
// frame by frame), a darker edge, transparent corners, the icon number.
void DrawTile(Canvas* c, int entry, int frame, int frames) {
  int r, g, b;
  EntryColour(entry, &r, &g, &b);
  const int lift = frames > 1 ? frame * 60 / (frames - 1) - 30 : 0;
  c->Fill(0, 0, c->width, c->height, Rgb565(r + lift, g + lift, b + lift));
  c->Frame(0, 0, c->width, c->height, Rgb565(r / 2, g / 2, b / 2));
  const int radius = std::min(c->width, c->height) / 6;
  for (int y = 0; y < radius; ++y) {
    for (int x = 0; x < radius; ++x) {
      const int dx = radius - x, dy = radius - y;
      if (dx * dx + dy * dy <= radius * radius) continue;
      c->Put(x, y, MENU_COLOUR_KEY);
      c->Put(c->width - 1 - x, y, MENU_COLOUR_KEY);
      c->Put(x, c->height - 1 - y, MENU_COLOUR_KEY);
      c->Put(c->width - 1 - x, c->height - 1 - y, MENU_COLOUR_KEY);
    }
  }
}

// The stepper (icon 1205): an up arrow over a down arrow, white on a dark
// tile, each half one click area of the lists and option rows that step.
constexpr int kIconStepArrows = 1205;
void DrawStepArrows(Canvas* c) {
  const uint16_t tile = Rgb565(30, 40, 90), edge = Rgb565(200, 210, 240), arrow = Rgb565(255, 255, 255);
  c->Fill(0, 0, c->width, c->height, tile);
  c->Frame(0, 0, c->width, c->height, edge);
  const int mid = c->width / 2, half = c->height / 2;
  for (int row = 0; row < half - 6; ++row) {
    const int reach = row * (mid - 4) / (half - 7);
    for (int x = mid - reach; x <= mid + reach; ++x) {
      c->Put(x, 3 + row, arrow);                  // pointing up
      c->Put(x, c->height - 4 - row, arrow);      // pointing down
    }
  }
  c->Fill(3, half - 1, c->width - 6, 1, edge);
}

// The message box: a panel with a title strip and a button well at the foot.
void DrawMessageBox(Canvas* c) {
  c->Fill(0, 0, c->width, c->height, Rgb565(40, 60, 110));
  c->Fill(0, 0, c->width, 28, Rgb565(20, 30, 70));
  c->Fill(170, c->height - 44, 100, 32, Rgb565(70, 100, 160));
  c->Frame(170, c->height - 44, 100, 32, Rgb565(200, 210, 240));
  c->Frame(0, 0, c->width, c->height, Rgb565(200, 210, 240));
  c->Frame(1, 1, c->width - 2, c->height - 2, Rgb565(10, 15, 40));
}

// The arrow pointer, its tip at the top left corner.
void DrawArrow(Canvas* c) {
  const uint16_t black = Rgb565(0, 0, 0), white = Rgb565(255, 255, 255);
  for (int y = 0; y < 16; ++y) {
    const int w = std::min(y + 1, 12 - std::max(0, y - 11) * 3);
    for (int x = 0; x < w; ++x) c->Put(x, y, x == 0 || x == w - 1 || y == 15 ? black : white);
  }
}

// The busy pointer: an hourglass about the hot spot (12, 12), its sand
// running down as the frames go by.
void DrawHourglass(Canvas* c, int frame) {
  const uint16_t glass = Rgb565(230, 230, 240), sand = Rgb565(230, 190, 60), edge = Rgb565(0, 0, 0);
  const int cx = HOURGLASS_HOT_SPOT, cy = HOURGLASS_HOT_SPOT;
  c->Fill(cx - 9, cy - 11, 19, 2, edge);
  c->Fill(cx - 9, cy + 10, 19, 2, edge);
  for (int dy = -9; dy <= 9; ++dy) {
    const int half = std::max(1, std::abs(dy) * 8 / 9);
    const bool top = dy < 0;
    const int level = frame * 9 / (HOURGLASS_FRAMES - 1);
    const bool full = top ? (-dy <= 9 - level) : (dy > 9 - level);
    c->Fill(cx - half, cy + dy, 2 * half + 1, 1, full ? sand : glass);
    c->Put(cx - half - 1, cy + dy, edge);
    c->Put(cx + half + 1, cy + dy, edge);
  }
}

// ---- the in-match menus' icons ----------------------------------------------
// The pictures the in-match menus draw through the GN layer (cards, position
// badges, the formation grid's discs, the instruction and duty cells of the
// Marking and Subs/Tactics screens), and the player status marks of the squad
// lists that share their file. Each is a small picture legible at its size;
// where a screen writes a shirt number over it, its middle stays plain.

// A disc about (cx, cy) of radius r, sampled at the pixel centres, with an
// edge of `edgeWidth` pixels (0 for none).
void DrawDisc(Canvas* c, double cx, double cy, double r, uint16_t fill, uint16_t edge, double edgeWidth) {
  for (int y = 0; y < c->height; ++y) {
    for (int x = 0; x < c->width; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::sqrt(dx * dx + dy * dy);
      if (d <= r) c->Put(x, y, d > r - edgeWidth ? edge : fill);
    }
  }
}

// A ring about (cx, cy): the pixels whose centres lie between the radii.
void DrawRing(Canvas* c, double cx, double cy, double inner, double outer, uint16_t colour) {
  for (int y = 0; y < c->height; ++y) {
    for (int x = 0; x < c->width; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::sqrt(dx * dx + dy * dy);
      if (d >= inner && d <= outer) c->Put(x, y, colour);
    }
  }
}

// Text in the bitmap font at scale k, its top left at (x0, y0), in one colour.
void DrawGlyphs(Canvas* c, const std::array<BitmapGlyph, 256>& bitmap, const std::string& text, int x0, int y0, int k,
                uint16_t colour) {
  for (size_t i = 0; i < text.size(); ++i) {
    const BitmapGlyph& g = bitmap[static_cast<uint8_t>(text[i])];
    for (int r = 0; r < 7; ++r)
      for (int col = 0; col < 5; ++col)
        if (GridSet(g, col, kBodyTop + r))
          c->Fill(x0 + (static_cast<int>(i) * 6 + col) * k, y0 + r * k, k, k, colour);
  }
}

// A rounded badge of w x h at (x0, y0) in one colour, edged a darker shade.
void DrawBadge(Canvas* c, int x0, int y0, int w, int h, int r, int g, int b) {
  c->Fill(x0, y0, w, h, Rgb565(r, g, b));
  c->Frame(x0, y0, w, h, Rgb565(r / 3, g / 3, b / 3));
  c->Fill(x0 + 1, y0 + 1, w - 2, 1, Rgb565(r + 50, g + 50, b + 50));  // a light top edge
  const int radius = std::min(w, h) / 6;
  for (int y = 0; y < radius; ++y) {
    for (int x = 0; x < radius; ++x) {
      const int dx = radius - x, dy = radius - y;
      if (dx * dx + dy * dy <= radius * radius) continue;
      c->Put(x0 + x, y0 + y, MENU_COLOUR_KEY);
      c->Put(x0 + w - 1 - x, y0 + y, MENU_COLOUR_KEY);
      c->Put(x0 + x, y0 + h - 1 - y, MENU_COLOUR_KEY);
      c->Put(x0 + w - 1 - x, y0 + h - 1 - y, MENU_COLOUR_KEY);
    }
  }
}

// A cross about (cx, cy): arms `arm` long and 2 x `half` thick.
void DrawCross(Canvas* c, int cx, int cy, int arm, int half, uint16_t colour) {
  c->Fill(cx - arm, cy - half, 2 * arm, 2 * half, colour);
  c->Fill(cx - half, cy - arm, 2 * half, 2 * arm, colour);
}

// A card, upright in the middle of the canvas.
void DrawCard(Canvas* c, int w, int h, uint16_t fill) {
  const int x = (c->width - w) / 2, y = (c->height - h) / 2;
  c->Fill(x, y, w, h, fill);
  c->Frame(x, y, w, h, Rgb565(0, 0, 0));
}

// The injury mark: a cross on a square ground (the canvas's smaller side less
// a margin each side), in the middle of the canvas.
void DrawInjuryMark(Canvas* c, int margin, uint16_t ground, uint16_t cross) {
  const int side = std::min(c->width, c->height) - 2 * margin;
  const int x = (c->width - side) / 2, y = (c->height - side) / 2;
  c->Fill(x, y, side, side, ground);
  c->Frame(x, y, side, side, Rgb565(90, 90, 90));
  DrawCross(c, c->width / 2, c->height / 2, side / 2 - 2, std::max(1, side / 8), cross);
}

// Icons 1208-1210 (file "cards"), the marks of the Line-ups and Subs/Tactics
// lists: a red card (also the lists' suspended mark), a yellow card, an injury.
constexpr int kIconRedCard = 1208, kIconYellowCard = 1209, kIconInjury = 1210;
// Icons 89-92 (file "i_sq2"): the position badges of keepers, defenders,
// midfielders and attackers; 93 the Marking screen's mark (a ring the marked
// opponent's shirt number is written in); 94-99 the squad lists' status marks.
constexpr int kIconFirstPosition = 89, kIconMarkingRing = 93;
constexpr int kIconInjuredShort = 94, kIconInjuredLong = 95, kIconNeutralMark = 96, kIconBanned = 97,
              kIconUnavailable = 98, kIconInjuredOther = 99;
// Icons 1211-1214 (file "players"): the formation grid's discs of keepers,
// defenders, midfielders and attackers, a shirt number written over each.
constexpr int kIconFirstGridDisc = 1211;
// Icons 1219-1229 (file "isoicons", the Marking screen's cells) and 1426-1436
// (file "ig_iso", the Subs/Tactics screen's): the same eleven cells in the same
// order. The three instruction bytes of a formation slot are the Tactics
// Designer's instructions: the first is shooting ("S1", "S2" for its values 1
// and 2), the second the long ball ("LB" when on), the third crossing ("X1",
// "X2"). Then the link to a player (a chain), the link point (a target), and the
// duties: captain "C", corner taker (a corner flag), free-kick taker "F",
// penalty taker "P".
enum CellIcon {
  CELL_CROSSING_2, CELL_SHOOTING_1, CELL_LONG_BALL, CELL_CROSSING_1, CELL_SHOOTING_2, CELL_LINK, CELL_LINK_POINT,
  CELL_CAPTAIN, CELL_CORNER, CELL_FREE_KICK, CELL_PENALTY, CELL_ICONS
};
constexpr int kIconFirstMarkingCell = 1219, kIconFirstSubsCell = 1426;
// Icon 1437 (file "wdisc"): the opponent on the Marking screen's pitch, a
// white disc his shirt number is written over in red.
constexpr int kIconOpponentDisc = 1437;
// Icon 1231 (file "ball") and 1234 (file "pitch").
constexpr int kIconBall = 1231, kIconPitch = 1234;
static_assert(MenuIconFirstNumber(20) == kIconRedCard && MenuIconFirstNumber(5) == kIconFirstPosition &&
                  MenuIconFirstNumber(21) == kIconFirstGridDisc && MenuIconFirstNumber(23) == kIconFirstMarkingCell &&
                  MenuIconFirstNumber(70) == kIconFirstSubsCell && MenuIconFirstNumber(71) == kIconOpponentDisc &&
                  MenuIconFirstNumber(24) == kIconBall && MenuIconFirstNumber(27) == kIconPitch,
              "the in-match menus' icons are the frames of their files");

void DrawCellIcon(Canvas* c, const std::array<BitmapGlyph, 256>& bitmap, int cell) {
  const uint16_t white = Rgb565(255, 255, 255);
  struct Label {
    const char* text;
    int r, g, b;
  };
  static const Label kLabels[CELL_ICONS] = {
      {"X2", 30, 130, 60},  {"S1", 180, 40, 40}, {"LB", 40, 80, 180},  {"X1", 30, 130, 60},
      {"S2", 180, 40, 40},  {nullptr, 110, 60, 150}, {nullptr, 110, 60, 150}, {"C", 170, 120, 20},
      {nullptr, 30, 120, 40}, {"F", 170, 120, 20}, {"P", 170, 120, 20},
  };
  const Label& label = kLabels[cell];
  // Inset, so the cells of neighbouring rows (20 apart) stay apart.
  DrawBadge(c, 2, 3, c->width - 4, c->height - 6, label.r, label.g, label.b);
  const int cx = c->width / 2, cy = c->height / 2;
  switch (cell) {
    case CELL_LINK:  // two links of a chain
      DrawRing(c, cx - 4.5, cy, 3.0, 5.2, white);
      DrawRing(c, cx + 4.5, cy, 3.0, 5.2, white);
      break;
    case CELL_LINK_POINT:  // a target
      DrawRing(c, cx, cy, 4.6, 6.6, white);
      DrawDisc(c, cx, cy, 2.5, white, white, 0);
      break;
    case CELL_CORNER: {  // a corner flag on its arc
      const uint16_t pole = Rgb565(250, 250, 250), flag = Rgb565(230, 40, 40);
      const int footX = cx - 5, footY = cy + 6;
      c->Fill(footX, cy - 7, 2, footY - (cy - 7), pole);
      for (int row = 0; row < 7; ++row) c->Fill(footX + 2, cy - 7 + row, 8 - std::abs(3 - row) * 2, 1, flag);
      c->Fill(footX, footY, 14, 1, pole);  // the touch line from the pole's foot
      // The quarter of the corner arc that lies on the pitch, about the pole's foot.
      for (int y = footY - 7; y < footY; ++y)
        for (int x = footX + 1; x < footX + 8; ++x) {
          const double dx = x + 0.5 - (footX + 1), dy = y + 0.5 - (footY + 1), d = std::sqrt(dx * dx + dy * dy);
          if (d >= 5.0 && d <= 6.2) c->Put(x, y, pole);
        }
      break;
    }
    default:
      DrawLabel(c, bitmap, label.text, cx, cy, c->width - 6, c->height - 6, 7);
      break;
  }
}

// Draws icon `icon` when it is one of the in-match menus' pictures; false
// leaves it to the numbered tile.
bool DrawInMatchIcon(Canvas* c, const std::array<BitmapGlyph, 256>& bitmap, int icon) {
  const uint16_t black = Rgb565(0, 0, 0), white = Rgb565(255, 255, 255), red = Rgb565(220, 30, 30);
  const double mx = c->width / 2.0, my = c->height / 2.0;
  if (icon == kIconRedCard || icon == kIconYellowCard) {
    DrawCard(c, 14, 20, icon == kIconRedCard ? red : Rgb565(250, 215, 0));
  } else if (icon == kIconInjury) {
    DrawInjuryMark(c, 3, white, red);
  } else if (icon >= kIconFirstPosition && icon < kIconFirstPosition + 4) {
    // Keeper, defender, midfielder, attacker: a coloured badge with the
    // letter in a dark shade, so a shirt number written over it still reads.
    static const int kColours[4][3] = {{235, 150, 20}, {60, 120, 230}, {40, 170, 70}, {220, 50, 50}};
    static const char kLetters[4] = {'G', 'D', 'M', 'A'};
    const int* rgb = kColours[icon - kIconFirstPosition];
    DrawDisc(c, mx, my, 8.8, Rgb565(rgb[0], rgb[1], rgb[2]), black, 1.0);
    DrawGlyphs(c, bitmap, std::string(1, kLetters[icon - kIconFirstPosition]), static_cast<int>(mx) - 2,
               static_cast<int>(my) - 3, 1, Rgb565(rgb[0] / 3, rgb[1] / 3, rgb[2] / 3));
  } else if (icon == kIconMarkingRing) {
    DrawDisc(c, mx, my, 8.8, Rgb565(20, 20, 50), Rgb565(250, 210, 0), 2.0);
  } else if (icon == kIconInjuredShort) {
    DrawInjuryMark(c, 2, white, red);
  } else if (icon == kIconInjuredLong) {
    DrawInjuryMark(c, 2, red, white);
  } else if (icon == kIconInjuredOther) {
    DrawInjuryMark(c, 2, white, Rgb565(240, 140, 20));
  } else if (icon == kIconBanned) {
    DrawCard(c, 10, 14, red);
  } else if (icon == kIconUnavailable) {  // a barred circle
    DrawRing(c, mx, my, 5.8, 8.2, Rgb565(120, 120, 120));
    for (int i = 3; i < c->width - 3; ++i) c->Fill(i, c->height - 1 - i - 1, 2, 2, Rgb565(120, 120, 120));
  } else if (icon == kIconNeutralMark) {
    DrawDisc(c, mx, my, 4.5, Rgb565(190, 190, 190), Rgb565(60, 60, 60), 1.0);
  } else if (icon >= kIconFirstGridDisc && icon < kIconFirstGridDisc + 4) {
    // Plain discs in the badges' colours, lighter so the dark shirt number
    // (yellow for the chosen player) reads on them.
    static const int kColours[4][3] = {{245, 175, 60}, {110, 160, 245}, {90, 200, 110}, {240, 100, 100}};
    const int* rgb = kColours[icon - kIconFirstGridDisc];
    DrawDisc(c, mx, my, 11.5, Rgb565(rgb[0], rgb[1], rgb[2]), black, 1.2);
  } else if (icon >= kIconFirstMarkingCell && icon < kIconFirstMarkingCell + CELL_ICONS) {
    DrawCellIcon(c, bitmap, icon - kIconFirstMarkingCell);
  } else if (icon >= kIconFirstSubsCell && icon < kIconFirstSubsCell + CELL_ICONS) {
    DrawCellIcon(c, bitmap, icon - kIconFirstSubsCell);
  } else if (icon == kIconOpponentDisc) {
    DrawDisc(c, mx, my, 11.5, Rgb565(245, 245, 245), Rgb565(40, 40, 40), 1.2);
  } else if (icon == kIconBall) {  // a football: white with black patches
    DrawDisc(c, mx, my, 10.5, white, black, 1.0);
    DrawDisc(c, mx, my, 3.2, black, black, 0);
    for (int k = 0; k < 5; ++k) {
      const double a = -3.14159265358979 / 2 + k * 2 * 3.14159265358979 / 5;
      DrawDisc(c, mx + 8.0 * std::cos(a), my + 8.0 * std::sin(a), 2.4, black, black, 0);
    }
    DrawRing(c, mx, my, 9.5, 10.5, black);
  } else if (icon == kIconPitch) {  // a pitch seen from above, goals left and right
    const int w = c->width, h = c->height;
    for (int x = 0; x < w; ++x) c->Fill(x, 0, 1, h, (x / 12) % 2 ? Rgb565(40, 140, 50) : Rgb565(50, 160, 60));
    c->Frame(4, 4, w - 8, h - 8, white);
    c->Fill(w / 2, 4, 1, h - 8, white);
    DrawRing(c, w / 2 + 0.5, h / 2.0, 9.0, 10.0, white);
    c->Frame(4, h / 2 - 18, 16, 36, white);
    c->Frame(w - 20, h / 2 - 18, 16, 36, white);
    c->Frame(1, h / 2 - 6, 4, 12, white);
    c->Frame(w - 5, h / 2 - 6, 4, 12, white);
  } else {
    return false;
  }
  return true;
}

// ---- crests and flags -----------------------------------------------------------
constexpr int kFirstKitEntry = 8, kLastKitEntry = 18;        // kit1..kit11: the crests
constexpr int kFirstCountryEntry = 33, kLastCountryEntry = 40;  // england..spain: the flags
static_assert(MenuIconFirstNumber(kFirstKitEntry) == 105 && MenuIconFirstNumber(kLastKitEntry + 1) == 1205,
              "the crests are icons 105-1204, one a database club");
static_assert(MenuIconFirstNumber(kFirstCountryEntry) == 1250 && MenuIconFirstNumber(kLastCountryEntry + 1) == 1290,
              "the flags are icons 1250-1289");

uint16_t KitColour565(const uint8_t* design, int slot) {
  const int c = KitDesign_GetColour(design, slot);
  return Rgb565(KitRGB[c][0], KitRGB[c][1], KitRGB[c][2]);
}

// A club's crest: a shield in the first colour of its home kit, a band in the
// second (upright, level or a chevron by the pattern), edged in the third
// colour when the pattern shows it, else black.
void DrawCrest(Canvas* c, int dbClub) {
  const uint8_t* design = GetHomeDesign(static_cast<int16_t>(dbClub));
  const int pattern = KitDesign_GetPattern(design);
  const uint16_t body = KitColour565(design, 1), band = KitColour565(design, 2);
  const uint16_t edge = KitPatterns[pattern][2] == 3 || KitPatterns[pattern][1] == 3 ? KitColour565(design, 3)
                                                                                      : Rgb565(0, 0, 0);
  const int w = c->width, h = c->height, mid = w / 2;
  const int kind = pattern % 3;
  for (int y = 1; y < h - 1; ++y) {
    // Straight sides down two thirds of the height, then a point.
    const int taper = y < h * 2 / 3 ? 0 : (y - h * 2 / 3) * mid / (h - h * 2 / 3);
    const int left = 2 + taper, right = w - 3 - taper;
    for (int x = left; x <= right; ++x) {
      bool inBand = false;
      if (kind == 0) inBand = x >= mid - 3 && x <= mid + 2;
      else if (kind == 1) inBand = y >= h / 3 && y < h / 3 + 6;
      else inBand = std::abs(y - (h / 2 - std::abs(x - mid) / 2)) <= 2;
      const bool border = x == left || x == right || y == 1 || y == h - 2;
      c->Put(x, y, border ? edge : (inBand ? band : body));
    }
  }
}

// A country's flag, waving: each column rises and falls on a sine wave whose
// phase moves on by a fifth of a turn each frame, shaded by its slope.
void DrawFlag(Canvas* c, int country, int frame, int frames) {
  const int w = c->width, h = c->height;
  const int flagW = w - 4, flagH = h - 8;
  const uint16_t pole = Rgb565(90, 70, 40);
  c->Fill(0, 0, 2, h, pole);
  struct Colour { int r, g, b; };
  const Colour white{240, 240, 240}, red{200, 16, 46}, blue{0, 36, 125}, gold{255, 206, 0}, black{0, 0, 0},
      green{0, 140, 69}, orange{174, 28, 40}, navy{0, 94, 184}, yellow{255, 196, 0}, pgreen{0, 102, 0};
  for (int fx = 0; fx < flagW; ++fx) {
    const double phase = 2.0 * 3.14159265358979 * (fx / 14.0 - frame / static_cast<double>(frames));
    const int lift = static_cast<int>(std::lround(2.0 * std::sin(phase) * fx / flagW));
    const double shade = 1.0 + 0.25 * std::cos(phase);
    for (int fy = 0; fy < flagH; ++fy) {
      const double u = (fx + 0.5) / flagW, v = (fy + 0.5) / flagH;
      Colour col = white;
      switch (country) {
        case 0: col = (std::abs(u - 0.5) < 0.1 || std::abs(v - 0.5) < 0.14) ? red : white; break;  // england
        case 1: col = u < 1.0 / 3 ? blue : (u < 2.0 / 3 ? white : red); break;                   // france
        case 2: col = v < 1.0 / 3 ? black : (v < 2.0 / 3 ? red : gold); break;                   // germany
        case 3: col = v < 1.0 / 3 ? orange : (v < 2.0 / 3 ? white : navy); break;                // holland
        case 4: col = u < 1.0 / 3 ? green : (u < 2.0 / 3 ? white : red); break;                  // italy
        case 5: col = u < 0.4 ? pgreen : red; break;                                             // portugal
        case 6: col = std::abs(u - v) < 0.12 || std::abs(u + v - 1.0) < 0.12 ? white : navy; break;  // scotland
        default: col = (v < 0.25 || v >= 0.75) ? red : yellow; break;                            // spain
      }
      c->Put(2 + fx, 4 + fy + lift, Rgb565(static_cast<int>(col.r * shade), static_cast<int>(col.g * shade),
                                          static_cast<int>(col.b * shade)));
    }
  }
}

bool WriteIconFile(const std::filesystem::path& dir, int entry, const std::array<BitmapGlyph, 256>& bitmap) {
  const MenuIconFile& file = MenuIconFiles[entry];
  const IconShape shape = ShapeOf(file.name);
  std::vector<uint8_t> bytes = Gfx0Header(shape.width, shape.height, file.frames);
  bytes.reserve(GFX0_HEADER_SIZE + 2u * shape.width * shape.height * file.frames);
  const int firstIcon = MenuIconFirstNumber(entry);
  for (int frame = 0; frame < file.frames; ++frame) {
    const int icon = firstIcon + frame;
    Canvas canvas(shape.width, shape.height, MENU_COLOUR_KEY);
    if (icon == ICON_MESSAGE_BOX) {
      DrawMessageBox(&canvas);
      DrawNumber(&canvas, bitmap, icon, shape.width / 2, shape.height / 2, 60, 60);
    } else if (icon == kIconStepArrows) {
      DrawStepArrows(&canvas);
    } else if (icon == ICON_ARROW_POINTER) {
      DrawArrow(&canvas);
      DrawNumber(&canvas, bitmap, icon, 12, 19, 24, 9);
    } else if (icon >= ICON_HOURGLASS && icon < ICON_HOURGLASS + HOURGLASS_FRAMES) {
      DrawHourglass(&canvas, icon - ICON_HOURGLASS);
      DrawNumber(&canvas, bitmap, icon, HOURGLASS_HOT_SPOT, HOURGLASS_HOT_SPOT, shape.width, 9);
    } else if (entry >= kFirstKitEntry && entry <= kLastKitEntry) {
      DrawCrest(&canvas, icon - MenuIconFirstNumber(kFirstKitEntry));
    } else if (entry >= kFirstCountryEntry && entry <= kLastCountryEntry) {
      DrawFlag(&canvas, entry - kFirstCountryEntry, frame, file.frames);
    } else if (std::strcmp(file.name, "blankico") == 0) {
      // The blank icon stands for "nothing to show": every pixel transparent.
    } else if (!DrawInMatchIcon(&canvas, bitmap, icon)) {
      DrawTile(&canvas, entry, frame, file.frames);
      DrawNumber(&canvas, bitmap, icon, shape.width / 2, shape.height / 2, shape.width, shape.height);
    }
    for (uint16_t p : canvas.pixels) {
      bytes.push_back(static_cast<uint8_t>(p));
      bytes.push_back(static_cast<uint8_t>(p >> 8));
    }
  }
  return WriteFile(dir / (std::string(file.name) + ".gfx"), bytes);
}

// ---- backgrounds --------------------------------------------------------------
// A vertical gradient between two colours of the background's own, with a
// faint grid every 32 pixels and the background's number in the lower right.
bool WriteBackground(const std::filesystem::path& dir, int n, const std::array<BitmapGlyph, 256>& bitmap) {
  const int w = MENU_BACKGROUND_WIDTH, h = MENU_BACKGROUND_HEIGHT;
  int r, g, b;
  EntryColour(n * 3 + 1, &r, &g, &b);
  int r2 = r / 4, g2 = g / 4, b2 = b / 4;
  if (n == BACKGROUND_CREDITS) r = g = b = 40, r2 = g2 = b2 = 0;
  Canvas canvas(w, h, 0);
  for (int y = 0; y < h; ++y) {
    const int t = y * 256 / h;
    const uint16_t row = Rgb565(r + (r2 - r) * t / 256, g + (g2 - g) * t / 256, b + (b2 - b) * t / 256);
    const uint16_t line = Rgb565(r / 2, g / 2, b / 2);
    for (int x = 0; x < w; ++x) canvas.Put(x, y, (x % 32 == 0 || y % 32 == 0) ? line : row);
  }
  if (n == BACKGROUND_START_PAGE) {
    // The four bands of the start page, each with its choice.
    static const char* const kChoices[START_PAGE_BAND_COUNT] = {"New Game", "Load Game", "Friendly", "Replays"};
    for (int i = 0; i < START_PAGE_BAND_COUNT; ++i) {
      const int top = StartPageBandTops[i];
      canvas.Fill(160, top, 320, START_PAGE_BAND_HEIGHT, Rgb565(200, 170, 40));
      canvas.Frame(160, top, 320, START_PAGE_BAND_HEIGHT, Rgb565(90, 60, 0));
      canvas.Fill(162, top + 2, 316, 2, Rgb565(250, 230, 130));
      DrawLabel(&canvas, bitmap, kChoices[i], 320, top + START_PAGE_BAND_HEIGHT / 2 + 2, 300, 30, 9);
    }
  } else if (n == BACKGROUND_STARTUP_FIRST || n == BACKGROUND_STARTUP_SECOND) {
    // The start-up screens: a title panel in the middle.
    canvas.Fill(120, 160, 400, 160, Rgb565(240, 240, 250));
    canvas.Frame(120, 160, 400, 160, Rgb565(0, 0, 0));
    if (n == BACKGROUND_STARTUP_SECOND) {
      DrawLabel(&canvas, bitmap, "A small studio", 320, 215, 360, 40, 9);
      DrawLabel(&canvas, bitmap, "presents", 320, 270, 360, 40, 9);
    } else {
      DrawLabel(&canvas, bitmap, "Gafferon 2000", 320, 240, 380, 100, 9);
    }
  }
  DrawNumber(&canvas, bitmap, n, w - 40, h - 30, 60, 40);
  std::vector<uint8_t> bytes;
  bytes.reserve(MENU_BACKGROUND_BYTES);
  for (uint16_t p : canvas.pixels) {
    bytes.push_back(static_cast<uint8_t>(p));
    bytes.push_back(static_cast<uint8_t>(p >> 8));
  }
  return WriteFile(dir / (std::string(MenuBackgroundNames[n]) + ".bck"), bytes);
}

int Usage() {
  std::fprintf(stderr, "usage: menugfxgen --out DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::strcmp(argv[1], "--out") != 0) return Usage();
  const std::filesystem::path dir = std::filesystem::path(argv[2]) / MENUGFX_DIR;
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "menugfxgen: cannot make '%s'\n", dir.string().c_str());
    return 1;
  }
  // Every size given by name names a file of the table.
  for (const IconShape& shape : kIconShapes) {
    bool known = false;
    for (int entry = 1; entry <= MENU_ICON_FILE_COUNT; ++entry)
      known = known || std::strcmp(MenuIconFiles[entry].name, shape.name) == 0;
    if (!known) {
      std::fprintf(stderr, "menugfxgen: no icon file '%s'\n", shape.name);
      return 1;
    }
  }
  const std::array<BitmapGlyph, 256> bitmap = BuildBitmapFont();
  for (int entry = 1; entry <= MENU_ICON_FILE_COUNT; ++entry)
    if (!WriteIconFile(dir, entry, bitmap)) return 1;
  for (int font = 0; font < MENU_FONT_COUNT; ++font)
    if (!WriteFont(dir, font, bitmap)) return 1;
  for (int n = 0; n < MENU_BACKGROUND_COUNT; ++n)
    if (!WriteBackground(dir, n, bitmap)) return 1;
  std::printf("menugfxgen: %d icon files, %d fonts, %d backgrounds written to %s\n", MENU_ICON_FILE_COUNT,
              MENU_FONT_COUNT, MENU_BACKGROUND_COUNT, dir.string().c_str());
  return 0;
}
