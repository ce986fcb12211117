// Managed memory: every large buffer belongs to an owner pointer that the
// manager can clear (evicted caches) or move (resized blocks).
#pragma once

#include <cstdint>

enum MemType : uint32_t {
  MEM_MANUAL_FREE = 0x13246579u,     // freed only by its owner
  MEM_AUTO_FREE = 0x9ABCDEF0u,       // a cache: evicted least recently used first
  MEM_MANUAL_NO_MOVE = 0xBEAC093Fu,  // freed only by its owner; others point into it
  MEM_FREE_ITEM = 0x6F2E4CFBu,       // an unused entry of the block list
};

// The names the engine's callers use.
constexpr uint32_t ManualFree = MEM_MANUAL_FREE;
constexpr uint32_t AutoFree = MEM_AUTO_FREE;
constexpr uint32_t ManualNoMove = MEM_MANUAL_NO_MOVE;

void InitMemory(uint32_t budgetKb);
void UninitMemory();
void AllocateMemory(void** owner, uint32_t size, uint32_t type);
void ResizeMemory(void** owner, uint32_t size);
void FreeMemory(void** owner);
void FreeAutoFreeMemory();
void SetMemoryType(void** owner, uint32_t type);
void SetMemoryLastUse(void** owner, uint32_t tick);
const char** MemoryReport();
void PrintMemoryReport();
void CheckMemoryInit();
void CheckMemList();

void* SafeAllocate(uint32_t size);
void* SafeResize(void* address, uint32_t size);
void SafeFree(void* address);

// Typed owners: AllocateMemory(&buffer, ...) for any T* buffer.
template <typename T>
inline void AllocateMemory(T** owner, uint32_t size, uint32_t type) {
  AllocateMemory(reinterpret_cast<void**>(owner), size, type);
}
template <typename T>
inline void ResizeMemory(T** owner, uint32_t size) {
  ResizeMemory(reinterpret_cast<void**>(owner), size);
}
template <typename T>
inline void FreeMemory(T** owner) {
  FreeMemory(reinterpret_cast<void**>(owner));
}
template <typename T>
inline void SetMemoryType(T** owner, uint32_t type) {
  SetMemoryType(reinterpret_cast<void**>(owner), type);
}
template <typename T>
inline void SetMemoryLastUse(T** owner, uint32_t tick) {
  SetMemoryLastUse(reinterpret_cast<void**>(owner), tick);
}

// Figures for reports and tests.
struct MemoryStats {
  uint32_t capacity;  // entries in the block list
  uint32_t count;     // blocks allocated
  uint32_t total;     // bytes counted against the budget (each block's size + 4)
  uint32_t budget;
};
MemoryStats GetMemoryStats();
// The size a block was allocated or last resized with.
uint32_t MemorySize(void** owner);
int MemoryIsInitialised();
// Frees every block and the list without checks (tests).
void MemoryReset();
