// Little-endian fields of the world's records. Every record is a plain byte
// array of its exact size; a field is a run of bits in the 32-bit word that
// starts at a given byte, or a whole byte, int16 or int32 at a given offset.
#pragma once

#include <cstdint>

#include "engine/bytes.h"

// A bit field: bits lo .. lo + width - 1 of the little-endian word at byte offset.
struct BitField {
  uint16_t offset;
  uint8_t lo;
  uint8_t width;
};

constexpr uint32_t BitMask(int width) { return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1u; }

inline uint32_t GetBits(const uint8_t* record, BitField f) {
  return (LoadU32(record + f.offset) >> f.lo) & BitMask(f.width);
}

// The field's bits as a two's-complement number of its width.
inline int32_t GetSignedBits(const uint8_t* record, BitField f) {
  uint32_t v = GetBits(record, f);
  uint32_t sign = 1u << (f.width - 1);
  return static_cast<int32_t>((v ^ sign) - sign);
}

// Stores the low bits of value; every other bit of the word stays as it was.
inline void SetBits(uint8_t* record, BitField f, uint32_t value) {
  uint32_t mask = BitMask(f.width) << f.lo;
  uint32_t word = LoadU32(record + f.offset);
  StoreU32(record + f.offset, (word & ~mask) | ((value << f.lo) & mask));
}
