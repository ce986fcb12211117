// The in-game palette files of the software match screen under
// palettes/ingame/: master.pal, skinhair.pal and stad.pal, each 768 bytes of
// 8-bit (red, green, blue) in entry order.
//
// master.pal: grass greens (1-5), line whites (6-9), the two grey ramps the
// shading tables point into (11-59 light to dark, 55-103 likewise), the flat
// world colour 28, the radar ball 29 and the shadow 32; the kit entries
// 104-155 are placeholders (the kit palettes replace them). skinhair.pal:
// skin and hair tones at 10-15 and 156-221. stad.pal: the stadium's
// concrete, seats and roof at 222-254. One seed always gives the same bytes.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "gensoft.h"

namespace {

using Palette = std::vector<uint8_t>;

void Set(Palette& p, int i, int r, int g, int b) {
  p[i * 3] = static_cast<uint8_t>(std::clamp(r, 0, 255));
  p[i * 3 + 1] = static_cast<uint8_t>(std::clamp(g, 0, 255));
  p[i * 3 + 2] = static_cast<uint8_t>(std::clamp(b, 0, 255));
}

int Jitter(std::mt19937& rng, int spread) { return static_cast<int>(rng() % (2 * spread + 1)) - spread; }

// Where the shading ramp ending at `top` sends a grey of level v: the
// weighted brightness, each product truncated, scaled to 0-47.8.
int RampIndex(int v, int top) {
  const double l = (static_cast<int>(0.5 * v) + static_cast<int>(0.3 * v) + static_cast<int>(0.2 * v)) * 12 * 0.015625;
  return static_cast<int>(top - l);
}

// Greys for entries first..last of the ramp ending at `top`: each entry
// gets the darkest grey the ramp sends to it, so the ramp maps onto itself.
void GreyRamp(Palette& p, int first, int last, int top) {
  for (int i = first; i <= last; ++i) {
    int v = 255;
    for (int g = 0; g <= 255; ++g)
      if (RampIndex(g, top) == i) {
        v = g;
        break;
      }
    Set(p, i, v, v, v);
  }
}

Palette Master(std::mt19937& rng) {
  Palette p(768, 0);
  for (int i = 1; i <= 5; ++i) Set(p, i, 30 + 6 * i + Jitter(rng, 3), 90 + 18 * i + Jitter(rng, 4), 30 + 5 * i);
  for (int i = 6; i <= 9; ++i) Set(p, i, 220 + 8 * (i - 6), 225 + 8 * (i - 6), 215 + 8 * (i - 6));
  GreyRamp(p, 11, 54, 59);
  GreyRamp(p, 55, 103, 103);
  Set(p, 28, 70, 120, 60);   // flat world colour
  Set(p, 29, 255, 255, 96);  // radar ball
  Set(p, 32, 12, 40, 10);    // shadow
  for (int i = 104; i <= 155; ++i)
    Set(p, i, static_cast<int>(rng() & 0xFF), static_cast<int>(rng() & 0xFF), static_cast<int>(rng() & 0xFF));
  return p;
}

Palette SkinHair(std::mt19937& rng) {
  Palette p(768, 0);
  for (int i = 10; i <= 15; ++i) Set(p, i, 90 + 25 * (i - 10), 60 + 20 * (i - 10), 40 + 15 * (i - 10));
  for (int i = 156; i <= 221; ++i) {
    const int k = (i - 156) % 22;  // three families of 22 shades: light skin, dark skin, hair
    const int family = (i - 156) / 22;
    const int base[3][3] = {{250, 200, 170}, {150, 100, 70}, {110, 80, 40}};
    const int shade = 22 - k;
    Set(p, i, base[family][0] * shade / 22 + Jitter(rng, 3), base[family][1] * shade / 22 + Jitter(rng, 3),
        base[family][2] * shade / 22 + Jitter(rng, 3));
  }
  return p;
}

Palette Stadium(std::mt19937& rng) {
  Palette p(768, 0);
  for (int i = 222; i <= 254; ++i) {
    const int k = i - 222;
    if (k < 12) {  // concrete
      const int v = 90 + 12 * k + Jitter(rng, 4);
      Set(p, i, v, v, v - 6);
    } else if (k < 24) {  // seats
      Set(p, i, 40 + Jitter(rng, 20), 50 + Jitter(rng, 20), 120 + 8 * (k - 12));
    } else {  // roof
      const int v = 60 + 14 * (k - 24);
      Set(p, i, v + 10, v, v - 10);
    }
  }
  return p;
}

}  // namespace

bool WriteSoftPalettes(long seed, const std::filesystem::path& dir) {
  std::mt19937 rng = SoftRandom(seed, 0);
  const std::filesystem::path ingame = std::filesystem::path("palettes") / "ingame";
  const Palette master = Master(rng);
  const Palette skinHair = SkinHair(rng);
  const Palette stadium = Stadium(rng);
  return WriteSoftFile(dir, ingame / "master.pal", master) && WriteSoftFile(dir, ingame / "skinhair.pal", skinHair) &&
         WriteSoftFile(dir, ingame / "stad.pal", stadium);
}
