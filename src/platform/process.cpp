// Process services: module path, memory size, console, sleeping, exiting.
#include "platform/platform.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <ctime>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

std::string PlatModulePath() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "gafferon";
  buf[n] = 0;
  std::string path(buf);
  if (path.size() > 256) path.resize(256);
  return path;
}

uint32_t PlatRandomSeed() {
  if (const char* env = std::getenv("GAFFERON_SEED")) {
    char* end = nullptr;
    const unsigned long v = std::strtoul(env, &end, 10);
    if (end != env) return static_cast<uint32_t>(v);
  }
  return static_cast<uint32_t>(std::time(nullptr));
}

uint64_t PlatPhysicalMemory() {
  if (const char* env = std::getenv("GAFFERON_PHYSMEM")) {
    char* end = nullptr;
    unsigned long long v = std::strtoull(env, &end, 10);
    if (end != env) {
      switch (std::toupper(static_cast<unsigned char>(*end))) {
        case 'K': v <<= 10; break;
        case 'M': v <<= 20; break;
        case 'G': v <<= 30; break;
        default: break;
      }
      return v;
    }
  }
  long pages = sysconf(_SC_PHYS_PAGES);
  long size = sysconf(_SC_PAGESIZE);
  if (pages <= 0 || size <= 0) return 64ull << 20;
  return static_cast<uint64_t>(pages) * static_cast<uint64_t>(size);
}

bool PlatOpenConsole() { return isatty(STDOUT_FILENO) != 0; }

void PlatYield() {
  if (PlatClockIsVirtual()) {
    if (PlatVirtualAutoAdvance()) PlatVirtualAdvance(1);
    return;
  }
  std::this_thread::sleep_for(std::chrono::microseconds(500));
}

void PlatExitNow(int code) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(code);
}

void PlatExit(int code) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::exit(code);
}

void PlatSpinHint() {
  static uint32_t spins = 0;
  if (PlatVirtualAutoAdvance() && (++spins & 16383) == 0) PlatVirtualAdvance(1);
}

bool PlatMemoryAccessible(const void* address, size_t size, unsigned access) {
  const uintptr_t lo = reinterpret_cast<uintptr_t>(address);
  const uintptr_t hi = lo + (size ? size : 1);
  if (hi < lo) return false;
  // The kernel lists the mappings in address order, one a line:
  // "start-end perms offset device inode path", addresses in hex.
  std::ifstream maps("/proc/self/maps");
  std::string line;
  uintptr_t covered = lo;
  while (covered < hi && std::getline(maps, line)) {
    const char* text = line.c_str();
    char* end = nullptr;
    const unsigned long long start = std::strtoull(text, &end, 16);
    if (end == text || *end != '-') continue;
    const char* rest = end + 1;
    const unsigned long long stop = std::strtoull(rest, &end, 16);
    if (end == rest || *end != ' ' || std::strlen(end + 1) < 3) continue;
    const char* perms = end + 1;
    if (stop <= covered) continue;
    if (start > covered) return false;  // a hole before the range is covered
    if (((access & PLAT_MEM_READ) && perms[0] != 'r') || ((access & PLAT_MEM_WRITE) && perms[1] != 'w') ||
        ((access & PLAT_MEM_EXECUTE) && perms[2] != 'x'))
      return false;
    covered = static_cast<uintptr_t>(stop);
  }
  return covered >= hi;
}
