#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace {

int gData = 1;
const char kText[] = "read only";
void Code() {}

TEST(PlatMemoryAccessible, AnswersForEachKindOfMemory) {
  int local = 0;
  std::vector<uint8_t> heap(100000);
  struct {
    const char* what;
    const void* address;
    size_t size;
    unsigned access;
    bool accessible;
  } cases[] = {
      {"stack, read-write", &local, sizeof local, PLAT_MEM_READ | PLAT_MEM_WRITE, true},
      {"heap block, whole", heap.data(), heap.size(), PLAT_MEM_READ | PLAT_MEM_WRITE, true},
      {"global data", &gData, sizeof gData, PLAT_MEM_READ | PLAT_MEM_WRITE, true},
      {"constant text, read", kText, sizeof kText, PLAT_MEM_READ, true},
      {"code, read and execute", reinterpret_cast<const void*>(&Code), 1, PLAT_MEM_READ | PLAT_MEM_EXECUTE, true},
      {"stack, execute", &local, 1, PLAT_MEM_EXECUTE, false},
      {"null page", nullptr, 1, PLAT_MEM_READ, false},
      {"low address", reinterpret_cast<const void*>(16), 4, PLAT_MEM_READ, false},
      {"size 0 asks for one byte", &local, 0, PLAT_MEM_READ, true},
      {"range wraps around", reinterpret_cast<const void*>(UINTPTR_MAX - 2), 8, PLAT_MEM_READ, false},
  };
  for (const auto& c : cases) EXPECT_EQ(PlatMemoryAccessible(c.address, c.size, c.access), c.accessible) << c.what;
}

}  // namespace
