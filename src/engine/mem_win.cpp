// Managed memory.
//
// Each block counts its size plus a 4-byte header against the budget, and the
// header (the word just in front of the caller's data) names the block's entry
// in the list, so the manager finds a block from any owner pointer at once.
// The header word holds the entry's index rather than its address, which
// would not fit in 4 bytes here; and the caller's data starts 16 bytes into
// the raw allocation so that it is aligned for any type.
#include "engine/mem_win.h"

#include <cstdlib>
#include <cstring>

#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"

#define ABORT_FILE "mem_win"

namespace {

constexpr uint32_t kHeader = 4;     // counted against the budget
constexpr uint32_t kDataOffset = 16;  // where the caller's data starts
constexpr uint32_t kGrowBy = 64;
// The largest size whose raw allocation (data offset included) still fits in
// 32 bits; anything larger is more than the allocator could ever give.
constexpr uint32_t kMaxSize = UINT32_MAX - kDataOffset;

struct MemItem {
  uint8_t* block;  // raw allocation; null when free
  void** owner;    // the owner's pointer variable; null when free
  uint32_t type;
  uint32_t rawSize;  // caller's size + 4
  uint32_t lastUse;
};

struct MemState {
  MemItem* table;
  uint32_t capacity;
  uint32_t count;
  uint32_t total;
  uint32_t budget;
} gMem;

uint32_t& HeaderOf(uint8_t* block) { return *reinterpret_cast<uint32_t*>(block + kDataOffset - kHeader); }

void* DataOf(uint8_t* block) { return block + kDataOffset; }

void MarkFree(MemItem& item) { item = {nullptr, nullptr, MEM_FREE_ITEM, 0, 0}; }

bool IsAllocatedType(uint32_t t) { return t == MEM_MANUAL_FREE || t == MEM_AUTO_FREE || t == MEM_MANUAL_NO_MOVE; }

void CheckMemItem(uint32_t index) {
  const MemItem& item = gMem.table[index];
  if (item.type == MEM_FREE_ITEM) {
    if (item.block) ABORT("CheckMemItem(): free type but mem still allocated!");
    if (item.owner) ABORT("CheckMemItem(): free type but mem still has Ptr2Ptr!");
    return;
  }
  if (!IsAllocatedType(item.type)) ABORT("CheckMemItem(): invalid type in memory list info");
  if (!item.block) ABORT("CheckMemItem(): allocated type but no mem block!");
  if (HeaderOf(item.block) != index) ABORT("CheckMemItem(): MemBlock item does not refer back!");
  if (!item.owner) ABORT("CheckMemItem(): no Ptr2Ptr for allocated memory");
  if (!*item.owner) ABORT("CheckMemItem(): memory pointer var is NULL");
  if (*item.owner != DataOf(item.block)) ABORT("CheckMemItem(): pointer var does not point to this memory!");
}

// The entry of the block an owner points at.
uint32_t FindItem(void** owner) {
  CheckMemoryInit();
  if (!owner || !*owner) ABORT("CheckMemItem(): memory pointer var is NULL");
  uint32_t index = *reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(*owner) - kHeader);
  if (index >= gMem.capacity) ABORT("CheckMemItem(): MemBlock item does not refer back!");
  MemItem& item = gMem.table[index];
  if (item.owner != owner) ABORT("CheckMemItem(): pointer var does not point to this memory!");
  CheckMemItem(index);
  return index;
}

void GrowTable() {
  for (uint32_t i = 0; i < gMem.capacity; ++i) CheckMemItem(i);
  uint32_t newCapacity = gMem.capacity + kGrowBy;
  gMem.table = static_cast<MemItem*>(SafeResize(gMem.table, newCapacity * sizeof(MemItem)));
  for (uint32_t i = gMem.capacity; i < newCapacity; ++i) MarkFree(gMem.table[i]);
  gMem.capacity = newCapacity;
  // Block headers hold entry indices, which stay valid when the list moves.
}

}  // namespace

void InitMemory(uint32_t budgetKb) {
  gMem = MemState{};
  gMem.table = static_cast<MemItem*>(SafeAllocate(kGrowBy * sizeof(MemItem)));
  gMem.capacity = kGrowBy;
  for (uint32_t i = 0; i < gMem.capacity; ++i) MarkFree(gMem.table[i]);
  gMem.budget = budgetKb * 1024;
  gMem.total = 0;
}

void UninitMemory() {
  CheckMemoryInit();
  int notFree = 0;
  for (uint32_t i = 0; i < gMem.capacity; ++i) {
    const MemItem& item = gMem.table[i];
    if (item.type == MEM_FREE_ITEM) continue;
    DPRINT(DEBUG_MEMORY, 20, "UninitMemory(): MemList %d (0x%06X) ->Ptr2Ptr: 0x%06X ->Size: %d ->Type %08X\n",
           static_cast<int>(i), static_cast<unsigned>(reinterpret_cast<uintptr_t>(&item)),
           static_cast<unsigned>(reinterpret_cast<uintptr_t>(item.owner)), static_cast<int>(item.rawSize),
           item.type);
    ++notFree;
  }
  if (notFree) FatalError("Error: UninitMemory(): %d memory blocks not free\n", notFree);
  DPRINT(DEBUG_MEMORY, 1, "UninitMemory(): All allocated memory released\n");
  SafeFree(gMem.table);
  gMem = MemState{};
}

void AllocateMemory(void** owner, uint32_t size, uint32_t type) {
  CheckMemoryInit();
  uint32_t rawSize = size + kHeader;
  if (size > kMaxSize) FatalError("Error: SafeAllocate(): failed to allocate %d bytes\n", static_cast<int>(rawSize));

  while (static_cast<uint64_t>(gMem.total) + rawSize > gMem.budget) {
    uint32_t oldest = 0xFFFFFFFFu;
    int victim = -1;
    for (uint32_t i = 0; i < gMem.capacity; ++i) {
      const MemItem& item = gMem.table[i];
      if (item.type == MEM_AUTO_FREE && item.lastUse < oldest) {
        oldest = item.lastUse;
        victim = static_cast<int>(i);
      }
    }
    if (victim < 0) break;  // nothing to evict: go over the budget
    FreeMemory(gMem.table[victim].owner);
  }

  if (gMem.count >= gMem.capacity) GrowTable();

  for (uint32_t i = 0; i < gMem.capacity; ++i) {
    MemItem& item = gMem.table[i];
    if (item.type != MEM_FREE_ITEM) continue;
    uint8_t* block = static_cast<uint8_t*>(SafeAllocate(size + kDataOffset));
    HeaderOf(block) = i;
    item = {block, owner, type, rawSize, TimerTicks};
    ++gMem.count;
    gMem.total += rawSize;
    *owner = DataOf(block);
    CheckMemItem(i);
    return;
  }
  ABORT("AllocateMemory(): error finding free block - counters wrong");
}

void ResizeMemory(void** owner, uint32_t size) {
  uint32_t index = FindItem(owner);
  if (size > kMaxSize)
    FatalError("Error: SafeResize(): failed to resize memory to %d bytes\n", static_cast<int>(size + kHeader));
  MemItem& item = gMem.table[index];
  gMem.total = gMem.total - item.rawSize + (size + kHeader);
  uint8_t* block = static_cast<uint8_t*>(SafeResize(item.block, size + kDataOffset));
  item.block = block;
  item.rawSize = size + kHeader;
  HeaderOf(block) = index;
  *owner = DataOf(block);
}

void FreeMemory(void** owner) {
  uint32_t index = FindItem(owner);
  MemItem& item = gMem.table[index];
  --gMem.count;
  gMem.total -= item.rawSize;
  SafeFree(item.block);
  MarkFree(item);
  *owner = nullptr;
}

void FreeAutoFreeMemory() {
  CheckMemoryInit();
  for (uint32_t i = 0; i < gMem.capacity; ++i)
    if (gMem.table[i].type == MEM_AUTO_FREE) FreeMemory(gMem.table[i].owner);
}

void SetMemoryType(void** owner, uint32_t type) {
  uint32_t index = FindItem(owner);
  if (!IsAllocatedType(type)) ABORT("CheckMemItem(): invalid type in memory list info");
  gMem.table[index].type = type;
}

void SetMemoryLastUse(void** owner, uint32_t tick) { gMem.table[FindItem(owner)].lastUse = tick; }

const char** MemoryReport() {
  static char lines[5][80];
  static const char* list[6];
  CheckMemList();
  static const uint32_t kTypes[3] = {MEM_MANUAL_FREE, MEM_AUTO_FREE, MEM_MANUAL_NO_MOVE};
  static const char* kNames[3] = {"ManualFree", "AutoFree", "ManualNoMove"};
  std::snprintf(lines[0], 80, "MEM TYPE      NUM  TOTAL               LARGEST");
  for (int t = 0; t < 3; ++t) {
    int num = 0;
    uint32_t total = 0, largest = 0;
    for (uint32_t i = 0; i < gMem.capacity; ++i) {
      const MemItem& item = gMem.table[i];
      if (item.type != kTypes[t]) continue;
      ++num;
      total += item.rawSize;
      if (item.rawSize > largest) largest = item.rawSize;
    }
    std::snprintf(lines[1 + t], 80, "%-12s  %3d  %9d (%5dk)  %9d (%5dk)", kNames[t], num, static_cast<int>(total),
                  static_cast<int>(total / 1024), static_cast<int>(largest), static_cast<int>(largest / 1024));
  }
  std::snprintf(lines[4], 80, "Memory list: %3d items - size %9d (%5dk) of %9d (%5dk)", static_cast<int>(gMem.capacity),
                static_cast<int>(gMem.total), static_cast<int>(gMem.total / 1024), static_cast<int>(gMem.budget),
                static_cast<int>(gMem.budget / 1024));
  for (int i = 0; i < 5; ++i) list[i] = lines[i];
  list[5] = nullptr;
  return list;
}

void PrintMemoryReport() {
  for (const char** line = MemoryReport(); *line; ++line) std::printf("%s\n", *line);
}

void CheckMemoryInit() {
  if (!gMem.table) ABORT("CheckMemoryInit(): not initialised");
}

void CheckMemList() {
  CheckMemoryInit();
  uint32_t count = 0, total = 0;
  for (uint32_t i = 0; i < gMem.capacity; ++i) {
    if (gMem.table[i].type == MEM_FREE_ITEM) continue;
    ++count;
    total += gMem.table[i].rawSize;
  }
  if (count != gMem.count) ABORT("CheckMemList(): count of allocated blocks is wrong");
  if (total != gMem.total) ABORT("CheckMemList(): total size does not match actual size");
}

namespace {
// The low 32 bits of an address, for trace lines.
[[gnu::noinline]] unsigned TraceAddress(const void* p) { return static_cast<unsigned>(reinterpret_cast<uintptr_t>(p)); }
}  // namespace

void* SafeAllocate(uint32_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) FatalError("Error: SafeAllocate(): failed to allocate %d bytes\n", static_cast<int>(size));
  DPRINT(DEBUG_MEMORY, 150, "SafeAllocate(): allocated %d bytes at 0x%08X\n", static_cast<int>(size),
         static_cast<unsigned>(reinterpret_cast<uintptr_t>(p)));
  return p;
}

// GCC 12 takes the trace of the old address for a use after realloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
void* SafeResize(void* address, uint32_t size) {
  const unsigned oldAddress = TraceAddress(address);  // taken before the block may move
  void* p = std::realloc(address, size ? size : 1);
  if (!p) FatalError("Error: SafeResize(): failed to resize memory to %d bytes\n", static_cast<int>(size));
  DPRINT(DEBUG_MEMORY, 150, "SafeResize(): resized ptr 0x%08X to %d bytes at 0x%08X\n",
         oldAddress, static_cast<int>(size), static_cast<unsigned>(reinterpret_cast<uintptr_t>(p)));
  return p;
}
#pragma GCC diagnostic pop

void SafeFree(void* address) {
  DPRINT(DEBUG_MEMORY, 150, "SafeFree(): freeing pointer 0x%08X\n",
         static_cast<unsigned>(reinterpret_cast<uintptr_t>(address)));
  std::free(address);
}

uint32_t MemorySize(void** owner) { return gMem.table[FindItem(owner)].rawSize - kHeader; }

MemoryStats GetMemoryStats() { return {gMem.capacity, gMem.count, gMem.total, gMem.budget}; }
int MemoryIsInitialised() { return gMem.table ? 1 : 0; }

void MemoryReset() {
  if (gMem.table) {
    // Every owner first, then every block: an owner may live inside another
    // managed block (a buffer's pixels owned by the buffer's record).
    for (uint32_t i = 0; i < gMem.capacity; ++i) {
      MemItem& item = gMem.table[i];
      if (item.type != MEM_FREE_ITEM && item.owner) *item.owner = nullptr;
    }
    for (uint32_t i = 0; i < gMem.capacity; ++i) {
      MemItem& item = gMem.table[i];
      if (item.type != MEM_FREE_ITEM) std::free(item.block);
    }
    std::free(gMem.table);
  }
  gMem = MemState{};
}
REGISTER_RESET(RESET_ENGINE, MemoryReset);
