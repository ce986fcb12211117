// The kit designs: the home and away design of every database club, four
// fixed alternatives, the kit patterns and the 40 kit colours, and the choice
// of the kit a side wears in a match.
//
// A KitDesign is 48 bytes, little-endian:
//   0   int16  design flags (0)
//   2   int16  pattern number 0-115 (an index into KitPatterns)
//   4   int16 x 6  style numbers of shirt, shirt top, left sleeve, right sleeve,
//                  shorts and socks
//   16  int16 x 3  the colours of colour slots 1, 2 and 3 (0-39, KitRGB)
//   22  int16 x 6  the colour slot (1-3) of shirt, shirt top, left sleeve,
//                  right sleeve, shorts and socks
//   34  int16      the colour of colour slot 5, the goalkeeper's (0-39)
//   36  12 bytes   zero
// A style number s names the kit folders numbered s + 1 (001-998). The kit
// renderer reads the styles, the part slots and the colours of slots 1, 2, 3
// and 5; the choice of a kit and the header badge read the pattern and the
// colours of slots 1-3.
#pragma once

#include <array>
#include <cstdint>

constexpr int KIT_DESIGN_SIZE = 48;
constexpr int KIT_HOME_DESIGNS = 2000;
constexpr int KIT_AWAY_DESIGNS = 1566;
constexpr int KIT_ALT_DESIGNS = 4;
constexpr int KIT_PATTERNS = 116;
constexpr int KIT_PATTERN_SLOTS = 3;
constexpr int KIT_COLOURS = 40;
constexpr int KIT_PARTS = 6;

constexpr int KIT_PATTERN_OFFSET = 2;
constexpr int KIT_STYLE_OFFSET = 4;
constexpr int KIT_COLOUR_OFFSET = 16;
constexpr int KIT_PART_SLOT_OFFSET = 22;
constexpr int KIT_KEEPER_COLOUR_OFFSET = 34;
constexpr int KIT_KEEPER_COLOUR_SLOT = 5;
constexpr int KIT_STYLE_COUNT = 8;  // the designs' style numbers are 0-7

// The six style numbers of a design, in order.
enum KitStyle {
  KIT_STYLE_SHIRT,
  KIT_STYLE_SHIRT_TOP,
  KIT_STYLE_LEFT_SLEEVE,
  KIT_STYLE_RIGHT_SLEEVE,
  KIT_STYLE_SHORTS,
  KIT_STYLE_SOCKS,
};

// Two colours clash when their squared RGB distance is at most this.
constexpr int32_t KIT_CLASH_DISTANCE = 10000;

struct KitDesign {
  uint8_t bytes[KIT_DESIGN_SIZE];
};

extern const std::array<KitDesign, KIT_HOME_DESIGNS> KitHomeDesigns;
extern const std::array<KitDesign, KIT_AWAY_DESIGNS> KitAwayDesigns;
extern const std::array<KitDesign, KIT_ALT_DESIGNS> KitAltDesigns;
// The colour slots (1-3) a pattern shows; 0 ends the list early.
extern const std::array<std::array<uint8_t, KIT_PATTERN_SLOTS>, KIT_PATTERNS> KitPatterns;
// Red, green and blue, 8 bits each.
extern const std::array<std::array<uint8_t, 3>, KIT_COLOURS> KitRGB;

// The fields of a design.
int16_t KitDesign_GetPattern(const uint8_t* design);
// Colour slot 1-3, or 5 (the goalkeeper's); any other slot is fatal.
int16_t KitDesign_GetColour(const uint8_t* design, int slot);
// Style number `style` (KitStyle) of a design.
int16_t KitDesign_GetStyle(const uint8_t* design, int style);

// The designs of a database club; a club outside the table stops the program.
const uint8_t* GetHomeDesign(int16_t dbClub);
const uint8_t* GetAwayDesign(int16_t dbClub);

// The design to wear: with contrast 0 the home club's home design; otherwise
// of the other club's home design, its away design and the four alternatives,
// the first that clashes least with the home club's home design.
const uint8_t* GetTeamDesign(int16_t homeDbClub, int16_t otherDbClub, int16_t contrast);
// The choice itself: the first of the candidates whose clash count against
// the design is below every earlier one's; null when none is below 9999.
const uint8_t* PickContrastingDesign(const uint8_t* design, const uint8_t* const* candidates, int count);

// The number of colour pairs of the two designs' patterns that clash (0-9).
int16_t DesignsClash(const uint8_t* a, const uint8_t* b);
// 1 when the two kit colours (0-39) clash.
int16_t KitColoursClash(int16_t a, int16_t b);
// 1 when two colours of three 8-bit values clash: squared distance 10000 or less.
int16_t RGBColoursClash(const uint8_t* a, const uint8_t* b);
