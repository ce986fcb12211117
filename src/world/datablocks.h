// DAT0 block containers: the one file format for images of the game's tables
// (saved games, permanent data, exported teams, the options file).
//
//   0  "DAT0"   4  tag   8  int32 total length (sizes + 4 per block)
//   12 int16 block count   14 two zero bytes
//   16 per block: int32 size, then the bytes
//   end: "END0" and four zero bytes
//
// All integers are little-endian.
#pragma once

#include <cstdint>
#include <cstdio>

struct BlockTableEntry {
  void* address;  // null ends the table
  int32_t size;
};
typedef BlockTableEntry BlockTable;

int BlockTable_Count(const BlockTable* table);
int32_t BlockTable_TotalSize(const BlockTable* table, int n);

// 0, or -1 header, -2 size word, -3 block, -4 trailer not written.
int WriteDataBlocks(const BlockTable* table, FILE* file, const char* tag);

// The number of table blocks the file did not hold (0 = complete), or a
// negative code: -1 short header, -10 not DAT0 (or the header's two padding
// bytes not zero), -20 other tag, -11 more blocks than the table, -12 total
// length wrong, -2 size word missing, -13 block size differs, -3 block data
// short, -4 short trailer, -14 trailer not "END0" and four zero bytes.
//
// The whole file is checked before any block is copied into memory, so a bad
// file leaves every block as it was. For -2, -13 and -3 the number of the
// block at fault goes to *badBlock when it is given.
int ReadDataBlocks(const BlockTable* table, FILE* file, const char* tag, int* badBlock = nullptr);

// What a negative code of WriteDataBlocks or ReadDataBlocks stands for, in
// words ("the tag differs"); "" for 0 and "an unknown fault" for a code
// neither answers.
const char* DataBlocks_WriteErrorText(int code);
const char* DataBlocks_ReadErrorText(int code);
