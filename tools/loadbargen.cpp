// loadbargen OUT_DIR: draws the loading bar's images and writes
// OUT_DIR/zvdata/loadicon.gfx (the empty bar), OUT_DIR/zvdata/loadico1.gfx
// (the full bar) and OUT_DIR/zvdata/loadico1.pal (their 256 colours).
//
// Both images are one 8-bit frame of the same size behind a 16-byte GFX0
// header. Columns 0-31 hold a ball and columns 450 onwards the bar's end cap,
// the same in both; the trough between them is empty in one and filled in
// the other, so the game shows the full image left of the split column and
// the empty one right of it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "toolfiles.h"

namespace {

constexpr int kWidth = 484;
constexpr int kHeight = 36;
constexpr int kBarStart = 32;  // the bar's first column
constexpr int kBarEnd = 450;   // one past its last
constexpr int kTroughTop = 6, kTroughBottom = 30;  // rows of the trough, end excluded

// Palette indices.
constexpr uint8_t kBlack = 0;
constexpr uint8_t kGrey = 1;     // 1-32: black to light grey
constexpr uint8_t kGreen = 33;   // 33-64: dark to bright green
constexpr uint8_t kWhite = 255;

std::vector<uint8_t> Palette() {
  std::vector<uint8_t> rgb(768, 0);
  auto set = [&](int i, int r, int g, int b) {
    rgb[3 * i] = static_cast<uint8_t>(r);
    rgb[3 * i + 1] = static_cast<uint8_t>(g);
    rgb[3 * i + 2] = static_cast<uint8_t>(b);
  };
  for (int i = 0; i < 32; ++i) set(kGrey + i, 8 + i * 7, 8 + i * 7, 8 + i * 7);
  for (int i = 0; i < 32; ++i) set(kGreen + i, i * 3, 64 + i * 6, i * 2);
  set(kWhite, 255, 255, 255);
  return rgb;
}

// The picture both images share: a frame, the ball, the end cap and an
// empty trough.
std::vector<uint8_t> EmptyBar() {
  std::vector<uint8_t> p(kWidth * kHeight, kBlack);
  auto at = [&](int x, int y) -> uint8_t& { return p[static_cast<size_t>(y) * kWidth + x]; };
  for (int x = 0; x < kWidth; ++x) at(x, 0) = at(x, kHeight - 1) = kGrey + 20;
  for (int y = 0; y < kHeight; ++y) at(0, y) = at(kWidth - 1, y) = kGrey + 20;
  // The trough: dark, with a lighter rim.
  for (int y = kTroughTop - 1; y <= kTroughBottom; ++y)
    for (int x = kBarStart - 1; x <= kBarEnd; ++x) {
      bool rim = y == kTroughTop - 1 || y == kTroughBottom || x == kBarStart - 1 || x == kBarEnd;
      at(x, y) = rim ? kGrey + 24 : kGrey + 3;
    }
  // The ball: a white disc with a dark centre patch and a ring of five
  // more, centred in columns 0-29 (integer sums only, so every build draws
  // the same bytes). Distances are in half pixels.
  const int cx = 30, cy = 35, r = 24;
  const int patches[5][2] = {{30, 17}, {47, 29}, {41, 49}, {19, 49}, {13, 29}};
  for (int y = 1; y < kHeight - 1; ++y)
    for (int x = 1; x < kBarStart - 1; ++x) {
      int px = 2 * x + 1, py = 2 * y + 1, dx = px - cx, dy = py - cy, d2 = dx * dx + dy * dy;
      if (d2 > r * r) continue;
      bool patch = d2 < 7 * 7;
      for (const auto& c : patches)
        patch |= (px - c[0]) * (px - c[0]) + (py - c[1]) * (py - c[1]) < 6 * 6;
      at(x, y) = patch ? kGrey + 2 : (d2 > (r - 2) * (r - 2) ? kGrey + 26 : kWhite);
    }
  // The end cap: three ridges.
  for (int y = kTroughTop; y < kTroughBottom; ++y)
    for (int ridge = 0; ridge < 3; ++ridge) at(kBarEnd + 8 + ridge * 8, y) = kGrey + 28;
  return p;
}

// The same with the trough filled: a green lit from the middle row, banded
// every 16 columns.
std::vector<uint8_t> FullBar() {
  std::vector<uint8_t> p = EmptyBar();
  const int middle = (kTroughTop + kTroughBottom) / 2;
  for (int y = kTroughTop; y < kTroughBottom; ++y)
    for (int x = kBarStart; x < kBarEnd; ++x) {
      int shade = 31 - 2 * (y > middle ? y - middle : middle - y);
      if ((x - kBarStart) % 16 >= 14) shade -= 6;
      p[static_cast<size_t>(y) * kWidth + x] = static_cast<uint8_t>(kGreen + (shade < 0 ? 0 : shade));
    }
  return p;
}

std::vector<uint8_t> Gfx0(const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> file = Gfx0Header(kWidth, kHeight, 1);
  file.resize(GFX0_HEADER_SIZE + pixels.size());
  std::copy(pixels.begin(), pixels.end(), file.begin() + GFX0_HEADER_SIZE);
  return file;
}

bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  return WriteToolFile("loadbargen", path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: loadbargen OUT_DIR\n");
    return 2;
  }
  const std::filesystem::path dir = std::filesystem::path(argv[1]) / "zvdata";
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (error) {
    std::fprintf(stderr, "loadbargen: cannot make %s: %s\n", dir.string().c_str(), error.message().c_str());
    return 1;
  }
  if (!Write(dir / "loadicon.gfx", Gfx0(EmptyBar())) || !Write(dir / "loadico1.gfx", Gfx0(FullBar())) ||
      !Write(dir / "loadico1.pal", Palette()))
    return 1;
  return 0;
}
