// The kit and skin textures of the software match and the kit palettes.
//
// Under zvdata/software/sskin/textures/: the shared items (misc), the skins
// and faces of four skins (skins/<skin>/skin, skins/<skin>/faces/<length>/
// <colour>), every kit part for every kit number the kit designs use plus the
// officials' 999 (kits/...), the goalkeeper kit 001 and the shirt numbers
// B_NUM1-16 (overlays/numbers). Every texture of one part has one size; the
// number overlays are as large as the shirt backs they are laid on.
//
// Kit texels lie in the first side's range of the part's colour ramp (48-58,
// 60-71, 72-80, 81-91), the officials' in 136-143; the match moves the second
// side's and paints the ranges from palettes/kits/kitNN.pal, one palette per
// kit colour NN 0-39 with its shades at 48-58, 60-71, 72-80, 81-91 and
// 152-153. One seed always gives the same bytes.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "gensoft.h"
#include "generic/kitload.h"
#include "menus/kittab.h"

namespace {

struct Size {
  int w, h;
};

// One size per part, in the order of the part table.
constexpr Size kPartSizes[KIT_PART_COUNT] = {
    {32, 32}, {32, 32}, {32, 16}, {16, 16}, {16, 16},                       // shoe, shoeb, bbottom, cards
    {32, 32}, {16, 16}, {64, 64},                                           // forearm, hand, AllLeg
    {32, 32}, {32, 32}, {32, 32}, {16, 16}, {16, 16}, {16, 16},             // faces and necks
    {32, 64},                                                               // AllShin
    {64, 32},                                                               // shirttop
    {32, 32},                                                               // uparml
    {32, 32}, {32, 32}, {64, 32}, {64, 32},                                 // shorts
    {32, 64}, {32, 64}, {64, 64}, {64, 64},                                 // shirts
    {32, 32},                                                               // uparmr (uparml's file)
    {32, 32}, {16, 16}, {32, 64}, {32, 64}, {64, 64}, {64, 64}, {32, 32}, {64, 32},  // keeper kit
};
constexpr int kBackPart = 24;  // "shirtbac": the number overlays' size

// The first side's palette range of each colour ramp, and the officials'.
struct Range {
  int first, last;
};
constexpr Range kRampRanges[4] = {{48, 58}, {60, 71}, {72, 80}, {81, 91}};
constexpr Range kOfficialsRange = {136, 143};
constexpr Range kShoeRange = {36, 46};
constexpr Range kBallRange = {16, 24};
constexpr int kYellow = 29;
constexpr Range kRedCard = {178, 180};
constexpr int kNumberColour = 6;  // a line white
// Skin and hair shades of the skin-and-hair palette, brightest first.
constexpr Range kSkinRanges[KIT_SKINS] = {{160, 175}, {185, 199}, {178, 192}, {156, 171}};  // by KitSkin
constexpr Range kHairRanges[KIT_HAIR_COLOURS] = {{216, 221}, {200, 204}, {211, 215}, {205, 210}};
// How far down the head the hair reaches, in percent, by KitHairLength.
constexpr int kHairReach[KIT_HAIR_LENGTHS] = {20, 35, 50};

using Texels = std::vector<uint8_t>;

SoftBytes TextureBytes(Size s, const Texels& pixels) {
  SoftBytes b(4 + pixels.size());
  b[0] = static_cast<uint8_t>(s.w & 0xFF);
  b[1] = static_cast<uint8_t>(s.w >> 8);
  b[2] = static_cast<uint8_t>(s.h & 0xFF);
  b[3] = static_cast<uint8_t>(s.h >> 8);
  std::copy(pixels.begin(), pixels.end(), b.begin() + 4);
  return b;
}

// A game path ("a\\B.GFX") as the file under the output folder: "/" for "\\",
// lower case (the paks find names in any case).
std::filesystem::path DiskPath(const std::string& gamePath) {
  std::string s = "zvdata/software/" + gamePath;
  for (char& c : s) c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return std::filesystem::path(s);
}

uint8_t Shade(const Range& r, int step) { return static_cast<uint8_t>(r.first + std::clamp(step, 0, r.last - r.first)); }

// Cloth in one range: light at the top, darker down, with folds and a
// pattern of stripes or hoops by kit number (none for the officials).
Texels Cloth(Size s, const Range& r, int kit, std::mt19937& rng) {
  Texels t(static_cast<size_t>(s.w) * s.h);
  const int shades = r.last - r.first + 1;
  const bool plain = kit == KIT_OFFICIALS_KIT;
  const int band = 4 + 2 * (kit % 4);
  const bool upright = (kit % 2) == 1;
  for (int y = 0; y < s.h; ++y)
    for (int x = 0; x < s.w; ++x) {
      int step = y * (shades / 2) / s.h + static_cast<int>(rng() % 2);
      if (!plain && (((upright ? x : y) / band) % 2) == 1) step += shades / 3;
      t[static_cast<size_t>(y) * s.w + x] = Shade(r, step);
    }
  return t;
}

Texels Skin(Size s, const Range& r, std::mt19937& rng) {
  Texels t(static_cast<size_t>(s.w) * s.h);
  const int shades = r.last - r.first + 1;
  for (int y = 0; y < s.h; ++y)
    for (int x = 0; x < s.w; ++x) {
      const int edge = std::min(x, s.w - 1 - x) * 4 / s.w;  // darker at the sides
      t[static_cast<size_t>(y) * s.w + x] = Shade(r, shades / 3 - edge + static_cast<int>(rng() % 3));
    }
  return t;
}

// A head texture: skin with the hair over its top part; the front gets eyes
// and a mouth.
Texels Face(Size s, int skin, int colour, int length, bool front, bool neck, std::mt19937& rng) {
  Texels t = Skin(s, kSkinRanges[skin], rng);
  if (neck) return t;
  const int reach = front ? kHairReach[length] / 2 : kHairReach[length];
  const Range& hair = kHairRanges[colour];
  for (int y = 0; y < s.h * reach / 100; ++y)
    for (int x = 0; x < s.w; ++x) t[static_cast<size_t>(y) * s.w + x] = Shade(hair, static_cast<int>(rng() % 3));
  if (front) {
    const int eyeY = s.h * 45 / 100, mouthY = s.h * 75 / 100;
    for (int dx : {s.w * 3 / 10, s.w * 6 / 10})
      for (int x = dx; x < dx + s.w / 10; ++x) t[static_cast<size_t>(eyeY) * s.w + x] = kHairRanges[0].last;
    for (int x = s.w * 4 / 10; x < s.w * 6 / 10; ++x) t[static_cast<size_t>(mouthY) * s.w + x] = kRedCard.first;
  }
  return t;
}

Texels Fill(Size s, const Range& r, std::mt19937& rng) {
  Texels t(static_cast<size_t>(s.w) * s.h);
  for (uint8_t& p : t) p = Shade(r, static_cast<int>(rng() % static_cast<uint32_t>(r.last - r.first + 1)));
  return t;
}

// The digits 0-9, 3 x 5 cells, one row of three bits a line.
constexpr uint8_t kDigits[10][5] = {{7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7},
                                    {5, 5, 7, 1, 1}, {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1},
                                    {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};

// A shirt number, white on 0 (clear), centred in the upper back.
Texels Number(Size s, int number) {
  Texels t(static_cast<size_t>(s.w) * s.h, 0);
  const std::string text = std::to_string(number);
  const int cell = std::max(1, s.w / 16);
  const int width = static_cast<int>(text.size()) * 4 * cell - cell;
  const int left = (s.w - width) / 2, top = s.h / 6;
  for (size_t k = 0; k < text.size(); ++k) {
    const int d = text[k] - '0';
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < 3; ++col) {
        if (((kDigits[d][row] >> (2 - col)) & 1) == 0) continue;
        for (int yy = 0; yy < cell * 2; ++yy)
          for (int xx = 0; xx < cell; ++xx) {
            const int x = left + static_cast<int>(k) * 4 * cell + col * cell + xx, y = top + row * cell * 2 + yy;
            if (x >= 0 && x < s.w && y >= 0 && y < s.h) t[static_cast<size_t>(y) * s.w + x] = kNumberColour;
          }
      }
  }
  return t;
}

// The kit numbers the designs use for one style field.
std::set<int> KitNumbers(std::initializer_list<int> styles) {
  std::set<int> kits;
  auto add = [&](const KitDesign& d) {
    for (int style : styles) kits.insert(KitDesign_GetStyle(d.bytes, style) + 1);
  };
  for (const KitDesign& d : KitHomeDesigns) add(d);
  for (const KitDesign& d : KitAwayDesigns) add(d);
  for (const KitDesign& d : KitAltDesigns) add(d);
  return kits;
}

std::set<int> KitNumbersOfKind(int kind) {
  switch (kind) {
    case KIT_KIND_SOCKS: return KitNumbers({KIT_STYLE_SOCKS});
    case KIT_KIND_SHIRT_TOP: return KitNumbers({KIT_STYLE_SHIRT_TOP});
    case KIT_KIND_LEFT_ARM:
    case KIT_KIND_RIGHT_ARM: return KitNumbers({KIT_STYLE_LEFT_SLEEVE, KIT_STYLE_RIGHT_SLEEVE});
    case KIT_KIND_SHORTS: return KitNumbers({KIT_STYLE_SHORTS});
    case KIT_KIND_SHIRT: return KitNumbers({KIT_STYLE_SHIRT});
    default: return {};
  }
}

bool WriteTexture(const std::filesystem::path& dir, const std::string& gamePath, Size s, const Texels& t) {
  return WriteSoftFile(dir, DiskPath(gamePath), TextureBytes(s, t));
}

bool WriteParts(std::mt19937& rng, const std::filesystem::path& dir) {
  char name[KIT_NAME_SIZE];
  for (int p = 0; p < KIT_PART_COUNT; ++p) {
    const KitPart& part = KitPartTable[p];
    const Size s = kPartSizes[p];
    switch (part.kind) {
      case KIT_KIND_SHARED: {
        KIT_BuildFilename(name, sizeof name, 0, part, 0);
        const std::string n = part.name;
        Texels t = n == "CARDyel"   ? Texels(static_cast<size_t>(s.w) * s.h, kYellow)
                   : n == "CARDred" ? Fill(s, kRedCard, rng)
                   : n == "bbottom" ? Fill(s, kBallRange, rng)
                                    : Fill(s, kShoeRange, rng);
        if (!WriteTexture(dir, name, s, t)) return false;
        break;
      }
      case KIT_KIND_SKIN:
        for (int skin = 0; skin < KIT_SKINS; ++skin) {
          KIT_BuildFilename(name, sizeof name, skin, part, 0);
          if (!WriteTexture(dir, name, s, Skin(s, kSkinRanges[skin], rng))) return false;
        }
        break;
      case KIT_KIND_FACE:
        for (int skin = 0; skin < KIT_SKINS; ++skin)
          for (int length = 0; length < KIT_HAIR_LENGTHS; ++length)
            for (int colour = 0; colour < KIT_HAIR_COLOURS; ++colour) {
              KIT_BuildFilename(name, sizeof name, skin | (colour << 2) | (length << 4), part, 0);
              const std::string n = part.name;
              const bool neck = n.rfind("neck", 0) == 0;
              if (!WriteTexture(dir, name, s, Face(s, skin, colour, length, n == "faceF", neck, rng))) return false;
            }
        break;
      case KIT_KIND_KEEPER:
        std::snprintf(name, sizeof name, "%s%03d\\%s.GFX", part.folder, KIT_KEEPER_KIT, part.name);
        if (!WriteTexture(dir, name, s, Cloth(s, kRampRanges[part.ramp], KIT_KEEPER_KIT, rng))) return false;
        break;
      case KIT_KIND_RIGHT_ARM: break;  // cut from the left sleeve's file
      default: {
        std::set<int> kits = KitNumbersOfKind(part.kind);
        kits.insert(KIT_OFFICIALS_KIT);
        for (int kit : kits) {
          std::snprintf(name, sizeof name, "%s%03d\\%s.GFX", part.folder, kit, part.name);
          const Range& r = kit == KIT_OFFICIALS_KIT ? kOfficialsRange : kRampRanges[part.ramp];
          if (!WriteTexture(dir, name, s, Cloth(s, r, kit, rng))) return false;
        }
      }
    }
  }
  for (int number = 1; number <= KIT_SHIRT_NUMBERS; ++number) {
    KIT_BuildOverlayFilename(name, sizeof name, number, KitPartTable[kBackPart]);
    if (!WriteTexture(dir, name, kPartSizes[kBackPart], Number(kPartSizes[kBackPart], number))) return false;
  }
  return true;
}

// Kit colour NN's palette: its shades, brightest first, in each range.
SoftBytes KitPalette(int colour) {
  SoftBytes p(768, 0);
  const Range ranges[] = {{48, 58}, {60, 71}, {72, 80}, {81, 91}, {152, 153}};
  for (const Range& r : ranges) {
    const int n = r.last - r.first;
    for (int i = r.first; i <= r.last; ++i) {
      const int percent = 120 - 70 * (i - r.first) / std::max(1, n);  // 120 % down to 50 %
      for (int c = 0; c < 3; ++c)
        p[static_cast<size_t>(i) * 3 + c] = static_cast<uint8_t>(std::min(255, KitRGB[colour][c] * percent / 100));
    }
  }
  return p;
}

}  // namespace

bool WriteSoftKits(long seed, const std::filesystem::path& dir) {
  static_assert(kPartSizes[kBackPart].w == kPartSizes[31].w && kPartSizes[kBackPart].h == kPartSizes[31].h,
                "the shirt numbers fit both shirt backs");
  std::mt19937 rng = SoftRandom(seed, 3);
  for (int colour = 0; colour < KIT_COLOURS; ++colour) {
    char name[32];
    std::snprintf(name, sizeof name, "kit%02d.pal", colour);
    if (!WriteSoftFile(dir, std::filesystem::path("palettes") / "kits" / name, KitPalette(colour))) return false;
  }
  return WriteParts(rng, dir);
}
