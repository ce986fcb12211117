// pakbuild: packs a folder tree into a pak.
//
//   pakbuild SRC_DIR OUT_BASE [--compressor auto|none|0-5] [--list]
//
// Writes OUT_BASE.pki and OUT_BASE.pkd: every file below SRC_DIR under its
// relative name in upper case with "\" between folders, stored plain or as a
// CMP0 block with whichever compressor makes it smallest (or the one chosen).
// With --list it writes OUT_BASE.pkl instead, a list file that reads the same
// files loose from the disk when SRC_DIR is the game's working folder.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/pakwrite.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: pakbuild SRC_DIR OUT_BASE [--compressor auto|none|0-5] [--list]\n");
  return 2;
}

bool ParseStore(const char* text, int* store) {
  if (std::strcmp(text, "auto") == 0) {
    *store = PAK_STORE_AUTO;
    return true;
  }
  if (std::strcmp(text, "none") == 0) {
    *store = PAK_STORE_PLAIN;
    return true;
  }
  if (text[0] >= '0' && text[0] < '0' + COMPRESSOR_COUNT && text[1] == 0) {
    *store = text[0] - '0';
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<const char*> positional;
  int store = PAK_STORE_AUTO;
  bool list = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--compressor") == 0) {
      if (i + 1 >= argc || !ParseStore(argv[i + 1], &store)) return Usage();
      ++i;
    } else if (std::strcmp(argv[i], "--list") == 0) {
      list = true;
    } else if (argv[i][0] == '-' && argv[i][1] == '-') {
      return Usage();
    } else {
      positional.push_back(argv[i]);
    }
  }
  if (positional.size() != 2) return Usage();
  const std::string source = positional[0], outBase = positional[1];

  std::vector<PakWriteItem> items;
  std::string error;
  if (!PakCollectFolder(source, &items, &error)) {
    std::fprintf(stderr, "pakbuild: %s\n", error.c_str());
    return 1;
  }
  if (list) {
    if (!PakWriteListFile(outBase, &error)) {
      std::fprintf(stderr, "pakbuild: %s\n", error.c_str());
      return 1;
    }
    std::printf("pakbuild: %s.pkl lists %zu files of '%s'\n", outBase.c_str(), items.size(), source.c_str());
    return 0;
  }

  std::vector<PakWriteResult> results;
  if (!PakWriteFiles(outBase, items, store, &results, &error)) {
    std::fprintf(stderr, "pakbuild: %s\n", error.c_str());
    return 1;
  }
  uint64_t unpacked = 0, stored = 0;
  for (const PakWriteResult& r : results) {
    unpacked += r.unpackedSize;
    stored += r.storedSize;
  }
  std::printf("pakbuild: %s.pki/.pkd: %zu files, %llu bytes stored in %llu\n", outBase.c_str(), results.size(),
              static_cast<unsigned long long>(unpacked), static_cast<unsigned long long>(stored));
  return 0;
}
