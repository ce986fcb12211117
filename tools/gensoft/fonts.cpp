// The software match's fonts and 2D graphics under miscgfx/: the six bitmap
// fonts (fonts/fnt12w.gfx .. fnt24y.gfx, a glyph cell a frame for all 256
// character codes, with one advance byte a glyph in the .wid file of the same
// name) and the 35 graphics the renderer numbers (names and fixed sizes from
// render256/mgraphic.h). All are 8-bit GFX0 images in game palette indices,
// colour 0 transparent. One seed always gives the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "../toolfiles.h"
#include "engine/gfx.h"
#include "gensoft.h"
#include "render256/fontgame.h"
#include "render256/mgraphic.h"

namespace {

// Palette entries of master.pal the pictures are drawn in.
constexpr uint8_t kWhite = 8;
constexpr uint8_t kYellow = 29;
constexpr uint8_t kBlack = 103;
constexpr uint8_t kGreyLight = 20;
constexpr uint8_t kGreyMid = 34;
constexpr uint8_t kGreyDark = 46;
constexpr uint8_t kGrass = 3;
constexpr uint8_t kGrassDark = 1;

// One frame being drawn.
struct Frame {
  int w, h;
  std::vector<uint8_t> px;
  Frame(int width, int height) : w(width), h(height), px(static_cast<size_t>(width * height), 0) {}
  void Set(int x, int y, uint8_t c) {
    if (x >= 0 && y >= 0 && x < w && y < h) px[static_cast<size_t>(y * w + x)] = c;
  }
  void Fill(int x, int y, int fw, int fh, uint8_t c) {
    for (int r = y; r < y + fh; ++r)
      for (int k = x; k < x + fw; ++k) Set(k, r, c);
  }
  void Box(int x, int y, int bw, int bh, uint8_t c) {
    Fill(x, y, bw, 1, c);
    Fill(x, y + bh - 1, bw, 1, c);
    Fill(x, y, 1, bh, c);
    Fill(x + bw - 1, y, 1, bh, c);
  }
  // A character of the 8 x 8 font scaled to cw x ch at (x, y).
  void Char(int x, int y, int cw, int ch, unsigned char code, uint8_t c) {
    for (int r = 0; r < ch; ++r)
      for (int k = 0; k < cw; ++k)
        if (GfxFont8x8[code][r * 8 / ch] & (0x80 >> (k * 8 / cw))) Set(x + k, y + r, c);
  }
};

// The GFX0 image of the frames.
SoftBytes Gfx0(const std::vector<Frame>& frames) {
  SoftBytes b = Gfx0Header(frames[0].w, frames[0].h, static_cast<int>(frames.size()));
  for (const Frame& f : frames) b.insert(b.end(), f.px.begin(), f.px.end());
  return b;
}

bool EmptyGlyph(unsigned char code) {
  for (int r = 0; r < 8; ++r)
    if (GfxFont8x8[code][r] != 0) return false;
  return true;
}

// A font of cells `cell` pixels square: the 8 x 8 letters scaled to one pixel
// less, with a black shadow one pixel down and right. Control codes are
// blank and advance 0; codes past the 8 x 8 font's letters are a small box.
bool WriteFont(const std::filesystem::path& dir, const char* name, int cell, uint8_t colour) {
  const int glyph = cell - 1;
  std::vector<Frame> frames;
  SoftBytes advance;
  for (int code = 0; code < 256; ++code) {
    Frame f(cell, cell);
    int right = -1;
    if (code >= 32) {
      const unsigned char c = static_cast<unsigned char>(code);
      if (!EmptyGlyph(c)) {
        f.Char(1, 1, glyph, glyph, c, kBlack);
        f.Char(0, 0, glyph, glyph, c, colour);
      } else if (code > 127) {
        f.Box(1, glyph / 4, glyph / 2, glyph / 2, colour);
      }
      for (int x = 0; x < cell; ++x)
        for (int y = 0; y < cell; ++y)
          if (f.px[static_cast<size_t>(y * cell + x)] != 0) right = std::max(right, x);
    }
    frames.push_back(f);
    const int gap = std::max(1, cell / 12);
    const int width = code < 32 ? 0 : right < 0 ? cell / 3 : right + 1 + gap;
    advance.push_back(static_cast<uint8_t>(std::min(width, cell)));
  }
  const std::filesystem::path fonts = std::filesystem::path("miscgfx") / "fonts";
  return WriteSoftFile(dir, fonts / (std::string(name) + ".gfx"), Gfx0(frames)) &&
         WriteSoftFile(dir, fonts / (std::string(name) + ".wid"), advance);
}

enum Kind { kMask, kButtons, kSmallFont, kDigits, kPitch, kPointer, kIcons };

// The graphics whose sizes the renderer leaves to the file.
struct GraphicPlan {
  int number;
  int width, height, frames;
  Kind kind;
};
constexpr GraphicPlan kPlans[MGRAPHIC_COUNT] = {
    {0, SHADOW_MASK_SIZE, SHADOW_MASK_SIZE, 1, kMask},
    {1, REPBAR_BUTTON_WIDTH, REPBAR_BUTTON_HEIGHT, REPBAR_FRAMES, kButtons},
    {2, 16, 16, 1, kPointer},       {3, 6, 6, 256, kSmallFont},    {4, 6, 6, 256, kSmallFont},
    {5, 64, 16, 1, kIcons},         {6, 8, 8, 1, kIcons},          {7, 10, 16, 11, kDigits},
    {8, 16, 16, 4, kIcons},         {9, 16, 16, 4, kIcons},        {10, 8, 8, 1, kIcons},
    {11, 24, 24, 8, kIcons},        {12, 24, 24, 8, kIcons},       {13, 24, 24, 8, kIcons},
    {14, 64, 8, 4, kIcons},         {15, 12, 12, 2, kIcons},       {16, 12, 16, 3, kIcons},
    {17, 120, 80, 1, kPitch},       {18, 8, 8, 4, kIcons},         {19, 16, 16, 2, kIcons},
    {20, 16, 16, 12, kIcons},       {21, 8, 8, 2, kIcons},         {22, 8, 8, 2, kIcons},
    {23, 16, 8, 1, kIcons},         {24, 32, 24, 8, kIcons},       {25, 200, 60, 1, kIcons},
    {26, 32, 16, 8, kIcons},        {27, 16, 16, 4, kIcons},       {28, 16, 16, 4, kIcons},
    {29, 160, 104, 1, kPitch},      {30, 16, 16, 1, kPointer},     {31, 160, 104, 1, kPitch},
    {32, 8, 12, 8, kIcons},         {33, 16, 16, 3, kIcons},       {34, 120, 78, 1, kPitch},
};

// A pitch seen from above with the goals left and right.
void DrawPitch(Frame& f) {
  for (int y = 0; y < f.h; ++y)
    for (int x = 0; x < f.w; ++x) f.Set(x, y, ((x / 8) & 1) ? kGrass : kGrassDark);
  const int x0 = 2, y0 = 2, x1 = f.w - 3, y1 = f.h - 3;
  f.Box(x0, y0, x1 - x0 + 1, y1 - y0 + 1, kWhite);
  f.Fill(f.w / 2, y0, 1, y1 - y0 + 1, kWhite);
  const int r = f.h / 8;
  for (int a = 0; a < 64; ++a) {
    const double t = a * 2 * M_PI / 64;
    f.Set(f.w / 2 + static_cast<int>(std::lround(r * std::cos(t))), f.h / 2 + static_cast<int>(std::lround(r * std::sin(t))),
          kWhite);
  }
  const int boxW = f.w / 7, boxH = f.h / 2;
  f.Box(x0, f.h / 2 - boxH / 2, boxW, boxH, kWhite);
  f.Box(x1 - boxW + 1, f.h / 2 - boxH / 2, boxW, boxH, kWhite);
}

std::vector<Frame> DrawGraphic(const GraphicPlan& plan, std::mt19937& rng) {
  std::vector<Frame> frames;
  for (int i = 0; i < plan.frames; ++i) {
    Frame f(plan.width, plan.height);
    switch (plan.kind) {
      case kMask: {  // a soft-edged disc: non-zero inside
        const double c = (f.w - 1) / 2.0;
        for (int y = 0; y < f.h; ++y)
          for (int x = 0; x < f.w; ++x)
            if (std::hypot(x - c, y - c) <= c) f.Set(x, y, 1);
        break;
      }
      case kButtons: {  // the ten replay buttons, then the same lit
        const bool lit = i >= 10;
        static const char kSymbols[10] = {'<', '[', '{', '(', '|', '#', ')', '}', ']', '>'};
        f.Fill(1, 1, f.w - 2, f.h - 2, lit ? kGreyLight : kGreyMid);
        f.Box(0, 0, f.w, f.h, lit ? kYellow : kGreyDark);
        f.Char(f.w / 2 - 8, f.h / 2 - 8, 16, 16, static_cast<unsigned char>(kSymbols[i % 10]), lit ? kBlack : kWhite);
        break;
      }
      case kSmallFont:
        if (i >= 32) f.Char(0, 0, f.w, f.h, static_cast<unsigned char>(i), plan.number == 4 ? kYellow : kWhite);
        break;
      case kDigits:
        f.Char(0, 0, f.w, f.h, static_cast<unsigned char>(i < 10 ? '0' + i : ':'), kYellow);
        break;
      case kPitch:
        DrawPitch(f);
        break;
      case kPointer:  // an arrow pointing up and left
        for (int y = 0; y < f.h; ++y)
          for (int x = 0; x <= y && x < f.w; ++x) f.Set(x, y, (x == 0 || x == y || y == f.h - 1) ? kBlack : kWhite);
        break;
      case kIcons: {  // a framed tile, its colour by frame, marked with its frame number
        const uint8_t colours[4] = {kGreyLight, kGreyMid, kYellow, kGrass};
        f.Fill(1, 1, f.w - 2, f.h - 2, colours[(i + static_cast<int>(rng() % 2)) % 4]);
        f.Box(0, 0, f.w, f.h, kBlack);
        if (f.w >= 10 && f.h >= 10)
          f.Char(f.w / 2 - 4, f.h / 2 - 4, 8, 8, static_cast<unsigned char>('0' + i % 10), kBlack);
        break;
      }
    }
    frames.push_back(std::move(f));
  }
  return frames;
}

std::filesystem::path GraphicPath(const char* name) {
  std::string relative = name;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return std::filesystem::path("miscgfx") / (relative + ".gfx");
}

}  // namespace

bool WriteSoftFonts(long seed, const std::filesystem::path& dir) {
  std::mt19937 rng = SoftRandom(seed, 4);
  static const int kCells[3] = {12, 16, 24};
  for (int font = 0; font < FONT_COUNT; ++font)
    if (!WriteFont(dir, FontNames[font], kCells[font % 3], font < 3 ? kWhite : kYellow)) return false;
  for (const GraphicPlan& plan : kPlans) {
    const GraphicSlot& fixed = MGraphicTable[plan.number];
    if ((fixed.width > 0 && fixed.width != plan.width) || (fixed.height > 0 && fixed.height != plan.height) ||
        (fixed.frames > 0 && fixed.frames != plan.frames)) {
      std::fprintf(stderr, "gensoft: graphic %d '%s' is not the size the renderer fixes\n", plan.number, fixed.name);
      return false;
    }
    if (!WriteSoftFile(dir, GraphicPath(fixed.name), Gfx0(DrawGraphic(plan, rng)))) return false;
  }
  return true;
}
