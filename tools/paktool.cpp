// paktool: looks into a pak through the game's own pak layer.
//
//   paktool [-debug SETTING] list OUT_BASE        name, sizes and compressor of every file
//   paktool [-debug SETTING] cat OUT_BASE NAME    the file's content on standard output
//
// OUT_BASE names the pak without extension (its .pki and .pkd, or its .pkl).
// A bad pak stops with the pak layer's own error message and exit code 1.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/compress.h"
#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"

namespace {

constexpr uint32_t kBudgetKb = 9500;

int Usage() {
  std::fprintf(stderr,
               "usage: paktool [-debug SETTING] list OUT_BASE\n"
               "       paktool [-debug SETTING] cat OUT_BASE NAME\n");
  return 2;
}

struct Row {
  std::string name;
  const PakFileEntry* entry;
};

std::string StorageName(const PakFileEntry* e) {
  if (e->pakNumber == PAK_LOOSE_FILE) return "loose";
  int c = PakFileCompressor(e);
  if (c == -1) return "plain";
  if (c == -2) return "bad-header";
  if (c >= COMPRESSOR_COUNT) return "unknown-" + std::to_string(c);
  return GetCompressorName(c);
}

void List() {
  std::vector<Row> rows;
  PakForEachFile([](const PakFileEntry* e, const char* name, void* user) {
    static_cast<std::vector<Row>*>(user)->push_back({name, e});
  }, &rows);
  std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.name < b.name; });
  std::printf("%-40s %10s %10s  %s\n", "NAME", "SIZE", "STORED", "STORAGE");
  for (const Row& r : rows)
    std::printf("%-40s %10u %10u  %s\n", r.name.c_str(), r.entry->unpackedSize, r.entry->storedSize,
                StorageName(r.entry).c_str());
}

void Cat(const char* name) {
  uint8_t* data = nullptr;
  uint32_t size = PakLoadFile(name, &data, ManualFree);
  if (size && std::fwrite(data, 1, size, stdout) != size) {
    std::fprintf(stderr, "paktool: cannot write the content\n");
    FreeMemory(&data);
    PakFileUninit();
    UninitMemory();
    std::exit(1);
  }
  FreeMemory(&data);
}

}  // namespace

int main(int argc, char** argv) {
  int arg = 1;
  if (arg + 1 < argc && std::strcmp(argv[arg], "-debug") == 0) {
    DebugProcessDebugString(argv[arg + 1]);
    arg += 2;
  }
  if (arg >= argc) return Usage();
  const std::string command = argv[arg];
  const int rest = argc - arg - 1;
  if (!((command == "list" && rest == 1) || (command == "cat" && rest == 2))) return Usage();

  InitMemory(kBudgetKb);
  PakFileInit();
  PakFileAdd(argv[arg + 1]);
  PakFileAddDone();
  if (command == "list")
    List();
  else
    Cat(argv[arg + 2]);
  std::fflush(stdout);
  PakFileUninit();
  UninitMemory();
  return 0;
}
