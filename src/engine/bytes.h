// Little-endian numbers in byte buffers: every file the game reads or writes,
// and every packed record, goes through these.
#pragma once

#include <bit>
#include <cstdint>

inline uint16_t LoadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline int16_t LoadI16(const uint8_t* p) { return static_cast<int16_t>(LoadU16(p)); }

inline uint32_t LoadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
inline int32_t LoadI32(const uint8_t* p) { return static_cast<int32_t>(LoadU32(p)); }

inline void StoreU16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void StoreI16(uint8_t* p, int32_t v) { StoreU16(p, static_cast<uint32_t>(v)); }

inline void StoreU32(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
  p[2] = static_cast<uint8_t>(v >> 16);
  p[3] = static_cast<uint8_t>(v >> 24);
}
inline void StoreI32(uint8_t* p, int32_t v) { StoreU32(p, static_cast<uint32_t>(v)); }

// 32-bit IEEE floats (model points, motion frames).
inline float LoadF32(const uint8_t* p) { return std::bit_cast<float>(LoadU32(p)); }
inline void StoreF32(uint8_t* p, float v) { StoreU32(p, std::bit_cast<uint32_t>(v)); }
