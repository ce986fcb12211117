// gensoft --seed N --out DIR: writes every file the 256-colour match reads
// that the data set makes (see gensoft.h for the families). One seed always
// gives the same bytes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gensoft.h"
#include "../toolfiles.h"

bool WriteSoftFile(const std::filesystem::path& dir, const std::filesystem::path& relative, const SoftBytes& bytes) {
  return WriteToolFile("gensoft", dir / relative, bytes);
}

std::mt19937 SoftRandom(long seed, uint32_t family) {
  // Family 0 keeps the plain seeding the palettes have always used.
  if (family == 0) return std::mt19937(static_cast<uint32_t>(seed));
  std::seed_seq seq{static_cast<uint32_t>(seed), family};
  return std::mt19937(seq);
}

namespace {

int Usage() {
  std::fprintf(stderr, "usage: gensoft --seed N --out DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  long seed = -1;
  std::string out;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      char* end = nullptr;
      seed = std::strtol(argv[++i], &end, 10);
      if (end == nullptr || *end != 0 || seed < 0) return Usage();
    } else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      out = argv[++i];
    } else {
      return Usage();
    }
  }
  if (seed < 0 || out.empty()) return Usage();
  const std::filesystem::path dir(out);
  if (!WriteSoftPalettes(seed, dir)) return 1;
  if (!WriteSoftKits(seed, dir)) return 1;
  if (!WriteSoftModels(seed, dir)) return 1;
  if (!WriteSoftFonts(seed, dir)) return 1;
  if (!WriteSoftGround(seed, dir)) return 1;
  return 0;
}
