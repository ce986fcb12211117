// gendata --seed N --out DIR: builds the world's source database and writes
// DIR/stats/totstat.dat and DIR/stats/names.dat. The same seed gives the same bytes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "world/dbbuilder.h"
#include "world/static_clubs.h"

namespace {
int Usage() {
  std::fprintf(stderr, "usage: gendata --seed N --out DIR\n");
  return 2;
}
}  // namespace

int main(int argc, char** argv) {
  const char* seedText = nullptr;
  const char* outDir = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) seedText = argv[++i];
    else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) outDir = argv[++i];
    else return Usage();
  }
  if (seedText == nullptr || outDir == nullptr) return Usage();
  char* end = nullptr;
  const unsigned long long seed = std::strtoull(seedText, &end, 10);
  if (*seedText == '\0' || *end != '\0' || seed > 0xFFFFFFFFull) {
    std::fprintf(stderr, "gendata: the seed must be a number 0-4294967295\n");
    return 2;
  }
  const WorldDatabase db = BuildWorldDatabase(static_cast<uint32_t>(seed));
  std::string error;
  if (!WriteWorldDatabase(db, outDir, &error)) {
    std::fprintf(stderr, "gendata: %s\n", error.c_str());
    return 1;
  }
  std::printf("gendata: %d players, %d clubs written to %s/stats\n", db.playerCount, NUM_NAMED_CLUBS, outDir);
  return 0;
}
