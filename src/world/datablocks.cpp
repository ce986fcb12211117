// DAT0 block containers.
#include "engine/bytes.h"
#include "world/datablocks.h"

#include <cstring>
#include <vector>

#include "engine/poll.h"


int BlockTable_Count(const BlockTable* table) {
  int n = 0;
  while (table[n].address) ++n;
  return n;
}

int32_t BlockTable_TotalSize(const BlockTable* table, int n) {
  int64_t total = 0;
  for (int i = 0; i < n && table[i].address; ++i) total += table[i].size;
  return static_cast<int32_t>(total);
}

int WriteDataBlocks(const BlockTable* table, FILE* file, const char* tag) {
  int count = BlockTable_Count(table);
  int32_t total = BlockTable_TotalSize(table, count) + 4 * count;

  uint8_t header[16] = {'D', 'A', 'T', '0'};
  std::memcpy(header + 4, tag, 4);
  StoreU32(header + 8, static_cast<uint32_t>(total));
  header[12] = static_cast<uint8_t>(count);
  header[13] = static_cast<uint8_t>(count >> 8);
  if (std::fwrite(header, 1, 16, file) != 16) return -1;

  for (int i = 0; i < count; ++i) {
    uint8_t size[4];
    StoreU32(size, static_cast<uint32_t>(table[i].size));
    if (std::fwrite(size, 1, 4, file) != 4) return -2;
    if (table[i].size > 0 &&
        std::fwrite(table[i].address, 1, static_cast<size_t>(table[i].size), file) != static_cast<size_t>(table[i].size))
      return -3;
    Poll();
  }

  static const uint8_t trailer[8] = {'E', 'N', 'D', '0', 0, 0, 0, 0};
  if (std::fwrite(trailer, 1, 8, file) != 8) return -4;
  return 0;
}

int ReadDataBlocks(const BlockTable* table, FILE* file, const char* tag, int* badBlock) {
  if (badBlock) *badBlock = -1;
  uint8_t header[16];
  if (std::fread(header, 1, 16, file) != 16) return -1;
  // The magic and the two zero bytes after the count: a file whose padding
  // is not zero was not written by this writer.
  if (std::memcmp(header, "DAT0", 4) != 0 || header[14] != 0 || header[15] != 0) return -10;
  if (std::memcmp(header + 4, tag, 4) != 0) return -20;

  int tableCount = BlockTable_Count(table);
  int count = static_cast<int16_t>(header[12] | (header[13] << 8));
  if (count < 0 || count > tableCount) return -11;
  int64_t expected = static_cast<int64_t>(BlockTable_TotalSize(table, count)) + 4 * count;
  if (static_cast<int32_t>(LoadU32(header + 8)) != expected) return -12;

  // Everything is read into a staging buffer first; memory is touched only
  // once the trailer has been checked.
  std::vector<uint8_t> staged(static_cast<size_t>(BlockTable_TotalSize(table, count)));
  size_t at = 0;
  for (int i = 0; i < count; ++i) {
    if (badBlock) *badBlock = i;
    uint8_t sizeWord[4];
    if (std::fread(sizeWord, 1, 4, file) != 4) return -2;
    int32_t size = static_cast<int32_t>(LoadU32(sizeWord));
    if (size != table[i].size) return -13;
    if (size > 0 && std::fread(staged.data() + at, 1, static_cast<size_t>(size), file) != static_cast<size_t>(size))
      return -3;
    at += static_cast<size_t>(size);
    Poll();
  }

  uint8_t trailer[8];
  if (std::fread(trailer, 1, 8, file) != 8) return -4;
  static const uint8_t expectedTrailer[8] = {'E', 'N', 'D', '0', 0, 0, 0, 0};
  if (std::memcmp(trailer, expectedTrailer, 8) != 0) return -14;

  at = 0;
  for (int i = 0; i < count; ++i) {
    if (table[i].size > 0) std::memcpy(table[i].address, staged.data() + at, static_cast<size_t>(table[i].size));
    at += static_cast<size_t>(table[i].size);
  }
  return tableCount - count;
}

const char* DataBlocks_WriteErrorText(int code) {
  switch (code) {
    case 0: return "";
    case -1: return "the header could not be written";
    case -2: return "a block's size word could not be written";
    case -3: return "a block could not be written";
    case -4: return "the trailer could not be written";
    default: return "an unknown fault";
  }
}

const char* DataBlocks_ReadErrorText(int code) {
  switch (code) {
    case 0: return "";
    case -1: return "the file is shorter than its 16-byte header";
    case -10: return "the file is no DAT0 container (magic or header padding)";
    case -20: return "the container's tag differs";
    case -11: return "the file holds more blocks than the table";
    case -12: return "the total length in the header does not match the blocks";
    case -2: return "the file ends before a block's size word";
    case -13: return "a block's size differs from the table's";
    case -3: return "the file ends inside a block";
    case -4: return "the file ends before its trailer";
    case -14: return "the trailer is not END0 and four zero bytes";
    default: return "an unknown fault";
  }
}
