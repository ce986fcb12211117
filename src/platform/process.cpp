// Process services: module path, memory size, console, sleeping, exiting.
#include "platform/platform.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
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
