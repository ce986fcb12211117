#include "engine/mem_win.h"

#include <cstring>
#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace {

class MemTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(10);  // a 10 KB budget
  }
};

TEST_F(MemTest, BudgetCountsTheHeaderBytes) {
  uint8_t* blocks[10];
  for (auto& b : blocks) AllocateMemory(&b, 100, ManualFree);
  EXPECT_EQ(GetMemoryStats().total, 1040u);
  EXPECT_EQ(GetMemoryStats().count, 10u);
  for (auto& b : blocks) {
    FreeMemory(&b);
    EXPECT_EQ(b, nullptr);
  }
  EXPECT_EQ(GetMemoryStats().total, 0u);
  UninitMemory();
}

TEST_F(MemTest, GoesOverBudgetWhenNothingCanBeEvicted) {
  uint8_t* big;
  AllocateMemory(&big, 20000, ManualFree);
  EXPECT_NE(big, nullptr);
  EXPECT_GT(GetMemoryStats().total, GetMemoryStats().budget);
  std::memset(big, 0xAB, 20000);
  FreeMemory(&big);
}

TEST_F(MemTest, EvictsLeastRecentlyUsedAutoFreeFirst) {
  uint8_t *a, *b, *c, *keep;
  AllocateMemory(&a, 3000, AutoFree);
  AllocateMemory(&b, 3000, AutoFree);
  AllocateMemory(&keep, 1000, ManualFree);
  SetMemoryLastUse(&a, 50);
  SetMemoryLastUse(&b, 20);
  // 3004 + 3004 + 1004 + 4004 > 10240: one cache must go, the older one.
  AllocateMemory(&c, 4000, ManualFree);
  EXPECT_EQ(b, nullptr);
  EXPECT_NE(a, nullptr);
  EXPECT_NE(keep, nullptr);
  // Equal ticks: the earlier entry goes first.
  uint8_t* d;
  AllocateMemory(&b, 500, AutoFree);
  SetMemoryLastUse(&a, 7);
  SetMemoryLastUse(&b, 7);
  AllocateMemory(&d, 3000, ManualFree);
  EXPECT_EQ(a, nullptr);
  EXPECT_NE(b, nullptr);
  FreeAutoFreeMemory();
  EXPECT_EQ(b, nullptr);
  FreeMemory(&keep);
  FreeMemory(&c);
  FreeMemory(&d);
  UninitMemory();
}

TEST_F(MemTest, TableGrowsAndOwnersKeepWorking) {
  std::vector<uint32_t*> owners(130, nullptr);
  for (size_t i = 0; i < owners.size(); ++i) {
    AllocateMemory(&owners[i], 8, ManualFree);
    owners[i][0] = static_cast<uint32_t>(i);
  }
  EXPECT_EQ(GetMemoryStats().capacity, 192u);
  CheckMemList();
  for (size_t i = 0; i < owners.size(); ++i) {
    EXPECT_EQ(owners[i][0], i);
    FreeMemory(&owners[i]);
  }
  UninitMemory();
}

TEST_F(MemTest, ResizeMovesTheOwnerPointerAndKeepsTheData) {
  char* text;
  AllocateMemory(&text, 16, ManualFree);
  std::strcpy(text, "kept");
  ResizeMemory(&text, 1 << 20);
  EXPECT_STREQ(text, "kept");
  EXPECT_EQ(GetMemoryStats().total, (1u << 20) + 4);
  text[(1 << 20) - 1] = 'x';
  FreeMemory(&text);
  UninitMemory();
}

TEST_F(MemTest, ReportListsEachType) {
  uint8_t *a, *b;
  AllocateMemory(&a, 1020, ManualNoMove);
  AllocateMemory(&b, 100, AutoFree);
  const char** lines = MemoryReport();
  EXPECT_STREQ(lines[0], "MEM TYPE      NUM  TOTAL               LARGEST");
  EXPECT_STREQ(lines[1], "ManualFree      0          0 (    0k)          0 (    0k)");
  EXPECT_STREQ(lines[2], "AutoFree        1        104 (    0k)        104 (    0k)");
  EXPECT_STREQ(lines[3], "ManualNoMove    1       1024 (    1k)       1024 (    1k)");
  EXPECT_STREQ(lines[4], "Memory list:  64 items - size      1128 (    1k) of     10240 (   10k)");
  EXPECT_EQ(lines[5], nullptr);
  FreeMemory(&a);
  FreeMemory(&b);
}

// Sizes within a few bytes of 4 GB: the block with its header cannot be had,
// which ends the program as any failed allocation does; it must never turn
// into a tiny block that the header and the caller's data overrun.
class MemHugeSizeTest : public MemTest, public testing::WithParamInterface<uint32_t> {};

TEST_P(MemHugeSizeTest, AllocateIsFatal) {
  EXPECT_FATAL(
      {
        static uint8_t* p;
        AllocateMemory(&p, GetParam(), ManualFree);
      },
      "Error: SafeAllocate\\(\\): failed to allocate -?[0-9]+ bytes");
}

TEST_P(MemHugeSizeTest, ResizeIsFatal) {
  EXPECT_FATAL(
      {
        static uint8_t* p;
        AllocateMemory(&p, 16, ManualFree);
        ResizeMemory(&p, GetParam());
      },
      "Error: SafeResize\\(\\): failed to resize memory to -?[0-9]+ bytes");
}

INSTANTIATE_TEST_SUITE_P(NearFourGigabytes, MemHugeSizeTest,
                         testing::Values(0xFFFFFFF0u, 0xFFFFFFF8u, 0xFFFFFFFBu, 0xFFFFFFFCu, 0xFFFFFFFFu));

TEST_F(MemTest, LeakAtShutdownIsFatal) {
  EXPECT_FATAL(
      {
        SetDebugLevel(DEBUG_MEMORY, 20);
        static uint8_t* leaked;
        AllocateMemory(&leaked, 10, ManualFree);
        UninitMemory();
      },
      "UninitMemory\\(\\): MemList 0 (.|\n)*->Size: 14 ->Type 13246579(.|\n)*Error: UninitMemory\\(\\): 1 memory "
      "blocks not free");
}

TEST_F(MemTest, CorruptionIsCaught) {
  EXPECT_FATAL(
      {
        static uint8_t* block;
        static uint8_t* copy;
        AllocateMemory(&block, 10, ManualFree);
        copy = block;
        FreeMemory(&copy);  // an owner the manager does not know
      },
      "pointer var does not point to this memory");
  EXPECT_FATAL(
      {
        MemoryReset();
        static uint8_t* p;
        AllocateMemory(&p, 4, ManualFree);
      },
      "CheckMemoryInit\\(\\): not initialised");
}

}  // namespace
