// The pitch's surface textures under zvdata/software/misc/textures/:
// grass.gfx, the 64 x 64 grass tile (greens 1-5 of the in-game palette), and
// line.gfx, the 256 x 16 line pattern: row 0 for the nearest ground; rows 0
// and 1 solid line whites (6-9), each row further away letting more grass
// through, so a line thinner than a pixel fades instead of flickering. Both are 8-bit textures:
// int16 width, int16 height, then the pixels row by row.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>

#include "gensoft.h"

namespace {

constexpr int kTile = 64;
constexpr int kLineWidth = 256, kLineRows = 16;

SoftBytes Texture(int width, int height) {
  SoftBytes b(4 + static_cast<size_t>(width) * height, 0);
  b[0] = static_cast<uint8_t>(width & 0xFF);
  b[1] = static_cast<uint8_t>(width >> 8);
  b[2] = static_cast<uint8_t>(height & 0xFF);
  b[3] = static_cast<uint8_t>(height >> 8);
  return b;
}

// Blades: a noise field smoothed over its neighbours (wrapping, so the tile
// meets its mirror images without a seam), spread over the five greens.
SoftBytes Grass(std::mt19937& rng) {
  int noise[kTile][kTile];
  for (auto& row : noise)
    for (int& n : row) n = static_cast<int>(rng() % 1000);
  SoftBytes b = Texture(kTile, kTile);
  for (int r = 0; r < kTile; ++r)
    for (int c = 0; c < kTile; ++c) {
      int sum = 2 * noise[r][c];
      sum += noise[(r + 1) % kTile][c] + noise[(r + kTile - 1) % kTile][c];  // blades run along the pitch
      sum += noise[r][(c + 1) % kTile] / 2 + noise[r][(c + kTile - 1) % kTile] / 2;
      const int level = std::clamp(sum * 5 / 5000, 0, 4);
      b[4 + r * kTile + c] = static_cast<uint8_t>(1 + level);
    }
  return b;
}

SoftBytes Lines(std::mt19937& rng) {
  SoftBytes b = Texture(kLineWidth, kLineRows);
  for (int r = 0; r < kLineRows; ++r)
    for (int c = 0; c < kLineWidth; ++c) {
      // The nearest rows the markings use (1 and 0) are solid.
      const bool white = r <= 1 || static_cast<int>(rng() % 18) >= r - 1;
      b[4 + r * kLineWidth + c] = static_cast<uint8_t>(white ? 6 + rng() % 4 : 1 + rng() % 5);
    }
  return b;
}

}  // namespace

bool WriteSoftGround(long seed, const std::filesystem::path& dir) {
  std::mt19937 rng = SoftRandom(seed, 5);
  const std::filesystem::path folder = std::filesystem::path("zvdata") / "software" / "misc" / "textures";
  const SoftBytes grass = Grass(rng);
  const SoftBytes lines = Lines(rng);
  return WriteSoftFile(dir, folder / "grass.gfx", grass) && WriteSoftFile(dir, folder / "line.gfx", lines);
}
