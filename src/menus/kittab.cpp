#include "menus/kittab.h"

#include <array>
#include <cstdio>

#include "engine/bytes.h"
#include "engine/debug.h"

#define ABORT_FILE "menus\\kittab"

namespace {
constexpr std::array<std::array<uint8_t, 3>, KIT_COLOURS> kRGB = {{
    {94, 86, 86},    {67, 67, 67},   {65, 60, 60},    {55, 48, 48},    {41, 134, 226}, {0, 101, 218},
    {0, 48, 180},    {26, 26, 86},   {142, 72, 34},   {101, 48, 0},    {86, 41, 0},    {72, 34, 0},
    {187, 55, 115},  {173, 0, 72},   {108, 0, 60},    {72, 0, 34},     {41, 211, 0},   {0, 151, 0},
    {12, 101, 0},    {19, 65, 0},    {218, 142, 79},  {226, 101, 0},   {187, 72, 0},   {173, 48, 0},
    {180, 79, 240},  {180, 26, 233}, {115, 12, 202},  {65, 0, 151},    {240, 0, 0},    {187, 12, 12},
    {158, 0, 0},     {65, 12, 19},   {240, 240, 240}, {187, 187, 187}, {134, 134, 134}, {101, 101, 101},
    {240, 240, 0},   {202, 202, 0},  {194, 166, 12},  {180, 127, 0},
}};

// The pattern table: slot 1 alone, slots 1 and 2, a few slots 1 and 3, and
// the hooped and quartered patterns that show all three.
constexpr int kPlainPatterns = 60;       // 0-59
constexpr int kTwoColourPatterns = 104;  // 60-103 slots 1 and 2
constexpr int kThirdColourPatterns = 112;  // 104-111 slots 1 and 3; 112-115 all three

constexpr std::array<std::array<uint8_t, KIT_PATTERN_SLOTS>, KIT_PATTERNS> MakePatterns() {
  std::array<std::array<uint8_t, KIT_PATTERN_SLOTS>, KIT_PATTERNS> t{};
  for (int p = 0; p < KIT_PATTERNS; ++p) {
    if (p < kPlainPatterns) t[p] = {1, 0, 0};
    else if (p < kTwoColourPatterns) t[p] = {1, 2, 0};
    else if (p < kThirdColourPatterns) t[p] = {1, 3, 0};
    else t[p] = {1, 2, 3};
  }
  return t;
}

constexpr auto kPatterns = MakePatterns();

constexpr int32_t SquaredDistance(int a, int b) {
  int32_t sum = 0;
  for (int c = 0; c < 3; ++c) {
    const int32_t d = static_cast<int32_t>(kRGB[a][c]) - static_cast<int32_t>(kRGB[b][c]);
    sum += d * d;
  }
  return sum;
}

// A well-mixed number from a club number and a salt.
constexpr uint32_t Mix(uint32_t n, uint32_t salt) {
  uint32_t h = n * 2654435761u + salt * 40503u + 0x9E3779B9u;
  h ^= h >> 15;
  h *= 2246822519u;
  h ^= h >> 13;
  h *= 3266489917u;
  h ^= h >> 16;
  return h;
}

// The first colour from start on (round the table) that stands apart from
// both given colours (-1 for none); start itself when none does.
constexpr int ContrastingColour(uint32_t start, int avoid1, int avoid2) {
  for (int k = 0; k < KIT_COLOURS; ++k) {
    const int c = static_cast<int>((start + static_cast<uint32_t>(k)) % KIT_COLOURS);
    if (avoid1 >= 0 && SquaredDistance(c, avoid1) <= KIT_CLASH_DISTANCE) continue;
    if (avoid2 >= 0 && SquaredDistance(c, avoid2) <= KIT_CLASH_DISTANCE) continue;
    return c;
  }
  return static_cast<int>(start % KIT_COLOURS);
}

constexpr void Put16(KitDesign& d, int offset, int value) {
  d.bytes[offset] = static_cast<uint8_t>(value & 0xFF);
  d.bytes[offset + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

// A design of pattern and three colours; the styles and part slots follow
// from the pattern and the seed.
constexpr KitDesign MakeDesign(int pattern, int c1, int c2, int c3, uint32_t seed) {
  KitDesign d{};
  Put16(d, KIT_PATTERN_OFFSET, pattern);
  for (int part = 0; part < KIT_PARTS; ++part)
    Put16(d, KIT_STYLE_OFFSET + 2 * part, static_cast<int>((seed >> (3 * part)) % KIT_STYLE_COUNT));
  Put16(d, KIT_COLOUR_OFFSET, c1);
  Put16(d, KIT_COLOUR_OFFSET + 2, c2);
  Put16(d, KIT_COLOUR_OFFSET + 4, c3);
  // The goalkeeper wears a colour apart from the shirt and the second colour.
  Put16(d, KIT_KEEPER_COLOUR_OFFSET, ContrastingColour(seed >> 18, c1, c2));
  // Shirt and sleeves wear slot 1; the top, shorts and socks the pattern's
  // second slot when it has one.
  const int second = kPatterns[pattern][1] != 0 ? kPatterns[pattern][1] : 1;
  const int third = kPatterns[pattern][2] != 0 ? kPatterns[pattern][2] : second;
  const int parts[KIT_PARTS] = {1, second, 1, 1, second, third};
  for (int part = 0; part < KIT_PARTS; ++part) Put16(d, KIT_PART_SLOT_OFFSET + 2 * part, parts[part]);
  return d;
}

// Mostly plain and two-colour patterns, now and then one with slot 3.
constexpr int PickPattern(uint32_t h) {
  const uint32_t kind = h % 16;
  if (kind < 6) return static_cast<int>((h >> 4) % kPlainPatterns);
  if (kind < 14) return kPlainPatterns + static_cast<int>((h >> 4) % (kTwoColourPatterns - kPlainPatterns));
  if (kind < 15) return kTwoColourPatterns + static_cast<int>((h >> 4) % (kThirdColourPatterns - kTwoColourPatterns));
  return kThirdColourPatterns + static_cast<int>((h >> 4) % (KIT_PATTERNS - kThirdColourPatterns));
}

constexpr KitDesign HomeDesign(int club) {
  const uint32_t h = Mix(static_cast<uint32_t>(club), 1);
  const int c1 = static_cast<int>(h % KIT_COLOURS);
  const int c2 = ContrastingColour(Mix(static_cast<uint32_t>(club), 2), c1, -1);
  const int c3 = ContrastingColour(Mix(static_cast<uint32_t>(club), 3), c1, c2);
  return MakeDesign(PickPattern(Mix(static_cast<uint32_t>(club), 4)), c1, c2, c3, Mix(static_cast<uint32_t>(club), 5));
}

// An away design in colours that stand apart from the home design's first two.
constexpr KitDesign AwayDesign(int club) {
  const KitDesign home = HomeDesign(club);
  const int h1 = home.bytes[KIT_COLOUR_OFFSET], h2 = home.bytes[KIT_COLOUR_OFFSET + 2];
  const int c1 = ContrastingColour(Mix(static_cast<uint32_t>(club), 11), h1, h2);
  const int c2 = ContrastingColour(Mix(static_cast<uint32_t>(club), 12), c1, -1);
  const int c3 = ContrastingColour(Mix(static_cast<uint32_t>(club), 13), c1, c2);
  return MakeDesign(PickPattern(Mix(static_cast<uint32_t>(club), 14)), c1, c2, c3, Mix(static_cast<uint32_t>(club), 15));
}

template <int N, bool Home>
constexpr std::array<KitDesign, N> MakeDesigns() {
  std::array<KitDesign, N> t{};
  for (int club = 0; club < N; ++club) t[club] = Home ? HomeDesign(club) : AwayDesign(club);
  return t;
}

// The pattern of a design, checked against the table.
int16_t CheckedPattern(const uint8_t* design) {
  const int16_t pattern = KitDesign_GetPattern(design);
  if (pattern < 0 || pattern >= KIT_PATTERNS)
    FatalError("ERROR: DesignsClash(): kit pattern %d is not in the table\n", static_cast<int>(pattern));
  return pattern;
}

// The colour a design shows in colour slot i of the pattern (its slots are
// checked as they are read).
int16_t SlotColour(const uint8_t* design, int16_t slot) {
  if (slot < 1 || slot > 3) FatalError("ERROR: DesignsClash  ClashColour=%d\n", static_cast<int>(slot));
  const int16_t colour = KitDesign_GetColour(design, slot);
  if (colour < 0 || colour >= KIT_COLOURS)
    FatalError("ERROR: DesignsClash(): kit colour %d is not in the table\n", static_cast<int>(colour));
  return colour;
}

}  // namespace

const std::array<std::array<uint8_t, 3>, KIT_COLOURS> KitRGB = kRGB;
const std::array<std::array<uint8_t, KIT_PATTERN_SLOTS>, KIT_PATTERNS> KitPatterns = kPatterns;

// The tables, made at compile time.
const std::array<KitDesign, KIT_HOME_DESIGNS> KitHomeDesigns = MakeDesigns<KIT_HOME_DESIGNS, true>();
const std::array<KitDesign, KIT_AWAY_DESIGNS> KitAwayDesigns = MakeDesigns<KIT_AWAY_DESIGNS, false>();
const std::array<KitDesign, KIT_ALT_DESIGNS> KitAltDesigns = {
    MakeDesign(0, 32, 32, 32, 0),   // all white
    MakeDesign(0, 36, 7, 7, 0),     // yellow
    MakeDesign(60, 28, 32, 32, 0),  // red and white
    MakeDesign(60, 6, 33, 33, 0),   // dark blue and grey
};

int16_t KitDesign_GetPattern(const uint8_t* design) { return LoadI16(design + KIT_PATTERN_OFFSET); }

int16_t KitDesign_GetColour(const uint8_t* design, int slot) {
  if (slot == KIT_KEEPER_COLOUR_SLOT) return LoadI16(design + KIT_KEEPER_COLOUR_OFFSET);
  if (slot < 1 || slot > 3) FatalError("Error: KitDesign_GetColour(): no colour slot %d\n", slot);
  return LoadI16(design + KIT_COLOUR_OFFSET + 2 * (slot - 1));
}

int16_t KitDesign_GetStyle(const uint8_t* design, int style) {
  if (style < KIT_STYLE_SHIRT || style > KIT_STYLE_SOCKS) FatalError("Error: KitDesign_GetStyle(): no style %d\n", style);
  return LoadI16(design + KIT_STYLE_OFFSET + 2 * style);
}

const uint8_t* GetHomeDesign(int16_t dbClub) {
  if (dbClub < 0 || dbClub >= KIT_HOME_DESIGNS)
    FatalError("GetHomeDesign(): database club %d has no home kit\n", static_cast<int>(dbClub));
  return KitHomeDesigns[dbClub].bytes;
}

const uint8_t* GetAwayDesign(int16_t dbClub) {
  if (dbClub < 0 || dbClub >= KIT_AWAY_DESIGNS)
    FatalError("GetAwayDesign(): database club %d has no away kit\n", static_cast<int>(dbClub));
  return KitAwayDesigns[dbClub].bytes;
}

const uint8_t* PickContrastingDesign(const uint8_t* design, const uint8_t* const* candidates, int count) {
  const uint8_t* kept = nullptr;
  int16_t best = 9999;
  for (int i = 0; i < count; ++i) {
    const int16_t clashes = DesignsClash(design, candidates[i]);
    if (clashes < best) {  // on equal counts the earlier candidate stays
      best = clashes;
      kept = candidates[i];
    }
  }
  return kept;
}

const uint8_t* GetTeamDesign(int16_t homeDbClub, int16_t otherDbClub, int16_t contrast) {
  const uint8_t* home = GetHomeDesign(homeDbClub);
  if (contrast == 0) return home;
  const uint8_t* candidates[2 + KIT_ALT_DESIGNS] = {GetHomeDesign(otherDbClub), GetAwayDesign(otherDbClub)};
  for (int i = 0; i < KIT_ALT_DESIGNS; ++i) candidates[2 + i] = KitAltDesigns[i].bytes;
  const uint8_t* kept = PickContrastingDesign(home, candidates, 2 + KIT_ALT_DESIGNS);
  if (kept == nullptr) ABORT("GetTeamDesign(): failed to find an away kit!");
  return kept;
}

int16_t KitColoursClash(int16_t a, int16_t b) {
  if (a < 0 || a >= KIT_COLOURS || b < 0 || b >= KIT_COLOURS)
    FatalError("KitColoursClash(): kit colours %d and %d are not both in the table\n", static_cast<int>(a),
               static_cast<int>(b));
  return RGBColoursClash(KitRGB[a].data(), KitRGB[b].data());
}

int16_t RGBColoursClash(const uint8_t* a, const uint8_t* b) {
  int32_t sum = 0;
  for (int c = 0; c < 3; ++c) {
    const int32_t d = static_cast<int32_t>(a[c]) - static_cast<int32_t>(b[c]);
    sum += d * d;
  }
  return sum <= KIT_CLASH_DISTANCE ? 1 : 0;
}

int16_t DesignsClash(const uint8_t* a, const uint8_t* b) {
  const int16_t pa = CheckedPattern(a), pb = CheckedPattern(b);
  int16_t count = 0;
  for (int i = 0; i < KIT_PATTERN_SLOTS && KitPatterns[pa][i] != 0; ++i) {
    const int16_t ca = SlotColour(a, KitPatterns[pa][i]);
    for (int j = 0; j < KIT_PATTERN_SLOTS && KitPatterns[pb][j] != 0; ++j) {
      const int16_t cb = SlotColour(b, KitPatterns[pb][j]);
      count = static_cast<int16_t>(count + KitColoursClash(ca, cb));
    }
  }
  return count;
}
