// menudatagen --out DIR: writes the menu system's data files into DIR:
//   tactics/tactics.dat  the 40 stock tactics, 330 bytes each
//   gfxgen/ball.gfx      the badge ball: GFX0 header, one 8-bit frame
//   gfxgen/ball.pal      its 64 colours, three 6-bit values each
// Everything follows fixed rules, so the same program always writes the same
// bytes.
//
// A tactic: formation n / 5 (4-4-2, 5-3-2, 3-5-2, 4-3-3, 3-4-3, 4-5-1, 5-4-1,
// 4-2-4) played in style n % 5 (attacking: higher; defensive: deeper; wing
// backs: the full backs wide and pushing on; a sweeper behind the defence; an
// anchor man in front of it). Slot k (shirt k + 1) from byte 5 + 30k: column
// (0-14) and row (0-17), the keeper in column 7; a run (a second point, or -1
// -1); partner 31 (none); instruction bytes 0; the marking words -1. The byte
// at 30k is the slot's role: 0-5 from the back to the front, 6 the keeper.
//
// The ball's pixels use palette colour 0 (magenta) outside the ball, the
// ball's own colours 1-63 for its outline, and the two colour ramps: 64-127
// for the panels and 128-191 for the patches, each from dark to light.
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
#include "menus/menugfx_files.h"
#include "toolfiles.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int kRecord = 330, kHeader = 5, kSlot = 30, kTactics = 40, kShirts = 11;
constexpr int kColumns = 15, kRows = 18;
constexpr int kKeeperColumn = 7;
constexpr uint8_t kKeeperRole = 6;

bool WriteFile(const fs::path& path, const Bytes& bytes) { return WriteToolFile("menudatagen", path, bytes); }

// ---- tactics ----------------------------------------------------------------
struct Place {
  int column, row, role;
  int runColumn = -1, runRow = -1;
};

// Defenders, midfielders and forwards of each formation.
constexpr int kLines[8][3] = {{4, 4, 2}, {5, 3, 2}, {3, 5, 2}, {4, 3, 3}, {3, 4, 3}, {4, 5, 1}, {5, 4, 1}, {4, 2, 4}};
// The columns of a line of 1-5 players, symmetric about column 7.
constexpr int kLineColumns[6][5] = {{}, {7}, {5, 9}, {3, 7, 11}, {2, 5, 9, 12}, {1, 4, 7, 10, 13}};
constexpr int kLineRows[3] = {4, 9, 14};

int Clamp(int v, int lo, int hi) { return std::max(lo, std::min(hi, v)); }

// The role of a player by his line and how far he stands from the middle.
int RoleOf(int line, int column) {
  const bool wide = std::abs(column - kKeeperColumn) >= 5;
  if (line == 0) return wide ? 1 : 0;
  if (line == 1) return wide ? 3 : 2;
  return wide ? 4 : 5;
}

std::vector<Place> Formation(int formation, int style) {
  std::vector<Place> places;
  places.push_back({kKeeperColumn, style == 0 ? 1 : 0, kKeeperRole});
  for (int line = 0; line < 3; ++line) {
    const int n = kLines[formation][line];
    for (int i = 0; i < n; ++i) {
      Place p{kLineColumns[n][i], kLineRows[line], 0};
      p.role = RoleOf(line, p.column);
      places.push_back(p);
    }
  }
  const int defenders = kLines[formation][0], midfielders = kLines[formation][1];
  for (size_t k = 1; k < places.size(); ++k) {
    Place& p = places[k];
    const int line = k <= static_cast<size_t>(defenders) ? 0 : (k <= static_cast<size_t>(defenders + midfielders) ? 1 : 2);
    switch (style) {
      case 0:  // attacking: everyone higher, midfield and attack running on
        p.row += 1;
        if (line > 0) p.runColumn = p.column, p.runRow = p.row + 3;
        break;
      case 1:  // defensive: deeper, no runs
        p.row -= 1;
        break;
      case 2:  // wing backs: the outermost defenders wide and pushing on
        if (line == 0 && (k == 1 || k == static_cast<size_t>(defenders))) {
          p.column = k == 1 ? 0 : kColumns - 1;
          p.row += 2;
          p.role = 1;
          p.runColumn = p.column, p.runRow = p.row + 5;
        }
        break;
      case 3:  // a sweeper: the middle defender behind the others
        if (line == 0 && k == static_cast<size_t>((defenders + 1) / 2)) {
          p.column = kKeeperColumn;
          p.row = 2;
          p.role = 0;
        }
        break;
      default:  // an anchor man: the middle midfielder just in front of the defence
        if (line == 1 && k == static_cast<size_t>(defenders + (midfielders + 1) / 2)) {
          p.column = kKeeperColumn;
          p.row = 7;
          p.role = 2;
        }
        break;
    }
    p.row = Clamp(p.row, 0, kRows - 1);
    if (p.runRow >= 0) p.runRow = Clamp(p.runRow, 0, kRows - 1);
  }
  return places;
}

Bytes TacticsFile() {
  Bytes file(static_cast<size_t>(kTactics) * kRecord, 0);
  for (int n = 0; n < kTactics; ++n) {
    uint8_t* record = file.data() + static_cast<size_t>(n) * kRecord;
    const std::vector<Place> places = Formation(n / 5, n % 5);
    for (int k = 0; k < kShirts; ++k) {
      const Place& p = places[static_cast<size_t>(k)];
      uint8_t* slot = record + kSlot * k;  // the role byte; the slot's fields from byte 5
      slot[0] = static_cast<uint8_t>(p.role);
      StoreI16(slot + kHeader, p.column);
      StoreI16(slot + kHeader + 2, p.row);
      StoreI16(slot + kHeader + 4, p.runColumn);
      StoreI16(slot + kHeader + 6, p.runRow);
      slot[kHeader + 8] = 31;  // no partner
      // Instruction bytes 9-11 stay 0; the marking words to the slot's end are -1.
      const int end = std::min(kSlot, kRecord - kSlot * k);
      for (int b = kHeader + 12; b < end; ++b) slot[b] = 0xFF;
    }
  }
  return file;
}

// ---- the ball -----------------------------------------------------------------
constexpr int kBallSize = 48;
constexpr uint8_t kMagenta = 0, kOutline = 1;
constexpr uint8_t kRamp0 = 64, kRamp1 = 128;

Bytes BallPalette() {
  Bytes pal(64 * 3, 0);
  pal[0] = 63, pal[1] = 0, pal[2] = 63;  // magenta: transparent
  for (int i = 1; i < 64; ++i) pal[3 * i] = pal[3 * i + 1] = pal[3 * i + 2] = static_cast<uint8_t>((i - 1) * 63 / 62);
  pal[3] = pal[4] = pal[5] = 0;  // the outline: black
  return pal;
}

Bytes BallGraphic() {
  Bytes gfx = Gfx0Header(kBallSize, kBallSize, 1);
  // The patches sit about the twelve corners of an icosahedron.
  const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
  std::vector<std::array<double, 3>> corners;
  for (int a = -1; a <= 1; a += 2)
    for (int b = -1; b <= 1; b += 2) {
      corners.push_back({0.0, static_cast<double>(a), b * phi});
      corners.push_back({static_cast<double>(a), b * phi, 0.0});
      corners.push_back({b * phi, 0.0, static_cast<double>(a)});
    }
  for (auto& c : corners) {
    const double len = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]);
    for (double& v : c) v /= len;
  }
  const double radius = kBallSize / 2.0 - 1.0, centre = kBallSize / 2.0;
  const double light[3] = {-0.45, -0.55, 0.70};
  for (int y = 0; y < kBallSize; ++y) {
    for (int x = 0; x < kBallSize; ++x) {
      const double dx = (x + 0.5 - centre) / radius, dy = (y + 0.5 - centre) / radius;
      const double d2 = dx * dx + dy * dy;
      uint8_t index = kMagenta;
      if (d2 <= 1.0) {
        if (d2 > 0.88) {
          index = kOutline;
        } else {
          const double nz = std::sqrt(1.0 - d2);
          // A slight tilt so the patches do not sit square to the view.
          const double n[3] = {dx * 0.94 + nz * 0.34, dy, -dx * 0.34 + nz * 0.94};
          bool patch = false;
          for (const auto& c : corners) patch = patch || n[0] * c[0] + n[1] * c[1] + n[2] * c[2] > 0.93;
          const double lambert = std::max(0.0, dx * light[0] + dy * light[1] + nz * light[2]);
          const int level = std::clamp(static_cast<int>(std::lround(10 + lambert * 44)), 0, 63);
          index = static_cast<uint8_t>((patch ? kRamp1 : kRamp0) + level);
        }
      }
      gfx.push_back(index);
    }
  }
  return gfx;
}

int Usage() {
  std::fprintf(stderr, "usage: menudatagen --out DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::strcmp(argv[1], "--out") != 0) return Usage();
  const fs::path out = argv[2];
  if (!WriteFile(out / "tactics" / "tactics.dat", TacticsFile())) return 1;
  if (!WriteFile(out / "gfxgen" / "ball.gfx", BallGraphic())) return 1;
  if (!WriteFile(out / "gfxgen" / "ball.pal", BallPalette())) return 1;
  std::printf("menudatagen: tactics, ball and its palette written to %s\n", out.string().c_str());
  return 0;
}
