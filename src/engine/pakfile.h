// Pak files: one virtual file table over the game's data, and the checked
// file layer beneath it.
//
// A pak is packed (an index "<base>.pki" and a data file "<base>.pkd", entries
// stored plain or as CMP0 blocks) or unpacked (a list "<base>.pkl" of wildcard
// patterns whose matching loose files are read from the disk). Paks are added
// once at start-up, the table is then frozen, and files are opened by name;
// the first pak that provides a name wins.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

constexpr int PAK_HASH_BUCKETS = 64;
constexpr int MAX_PAK_FILES = 32;
constexpr uint16_t PAK_LOOSE_FILE = 0xFFFF;  // pak number of a loose file
constexpr uint16_t PAK_FLAG_COMPRESSED = 0x0001;
constexpr uint16_t PAK_FLAG_LOOSE = 0x0002;
// The flag bits of a list file's option letters (after a pattern; S, which
// also searches the subfolders, sets none). Only C is read: the files are
// compressed. The others are kept as given.
constexpr uint16_t PAK_LIST_FLAG_C = PAK_FLAG_COMPRESSED;
constexpr uint16_t PAK_LIST_FLAG_H = 0x0010;
constexpr uint16_t PAK_LIST_FLAG_Q = 0x0020;
constexpr uint16_t PAK_LIST_FLAG_B = PAK_LIST_FLAG_H | PAK_LIST_FLAG_Q;
constexpr uint16_t PAK_LIST_FLAG_1 = 0x0100;
constexpr uint16_t PAK_LIST_FLAG_2 = 0x0200;
constexpr uint16_t PAK_LIST_FLAG_4 = 0x0300;
constexpr uint16_t PAK_LIST_FLAG_R = 0x1000;
constexpr int PAK_MAX_NAME = 79;  // longest name PakOpenFile takes

// The index file ("<base>.pki", little-endian): a header, a table of entries
// (entryCount entries, entrySize bytes apart, from entryOffset) and a table of
// NUL-terminated names (from nameOffset). The two records below are its
// decoded header and entry; they are read and written only by the four
// functions after them, field by field.
struct PakIndexHeader {
  char id[4];  // "PAK0"
  uint32_t entryOffset;
  int32_t entryCount;
  uint32_t entrySize;  // the stride of the entry table, at least PAK_INDEX_ENTRY_SIZE
  uint32_t nameOffset;
};
constexpr uint32_t PAK_INDEX_HEADER_SIZE = 20;

struct PakIndexEntry {
  uint32_t flags;  // low 16 bits kept; bit 0 compressed; bit 1 cleared when read
  uint32_t dataOffset;
  uint32_t storedSize;  // a compressed entry's includes the CMP0 header
  uint32_t nameOffset;  // from the start of the name table
  uint32_t unpackedSize;
};
constexpr uint32_t PAK_INDEX_ENTRY_SIZE = 20;

// Writes a header into PAK_INDEX_HEADER_SIZE bytes, an entry into
// PAK_INDEX_ENTRY_SIZE bytes, whatever their values (tests write bad ones).
void PakEncodeIndexHeader(const PakIndexHeader& header, uint8_t* bytes);
void PakEncodeIndexEntry(const PakIndexEntry& entry, uint8_t* bytes);

// Read the header, or entry number n, of an index image of indexSize bytes
// whose data file holds dataFileSize bytes, checking every field as it is
// read: the header's tables lie inside the image; the entry lies inside the
// entry table, its name inside the image and NUL-terminated, its data inside
// the data file, a compressed entry holds at least a CMP0 header and a plain
// one all its bytes. False, with the first fault described in error, for a
// bad one; nothing outside the image is read. *name points at the entry's
// name in the image.
bool PakDecodeIndexHeader(const uint8_t* index, uint32_t indexSize, PakIndexHeader* header, std::string* error);
bool PakDecodeIndexEntry(const uint8_t* index, uint32_t indexSize, uint64_t dataFileSize,
                         const PakIndexHeader& header, int32_t n, PakIndexEntry* entry, const char** name,
                         std::string* error);

// One virtual file; a pointer to it is the open-file handle.
struct PakFileEntry {
  uint32_t unpackedSize;
  uint32_t nameOffset;  // in the string table
  uint16_t pakNumber;   // PAK_LOOSE_FILE for a loose file
  uint16_t flags;       // bit 0 compressed, bit 1 loose; the rest kept as given
  uint32_t dataOffset;  // in the pak's data file
  uint32_t storedSize;  // in the data file; a compressed entry's includes the CMP0 header
  uint16_t openCount;
};

void PakFileInit();
void PakFileAdd(const char* basePath);
void PakFileAddDone();
void PakFileUninit();

PakFileEntry* PakOpenFile(const char* name);
void PakCloseFile(PakFileEntry* handle);
void PakReadFile(void* buffer, uint32_t offset, uint32_t length, PakFileEntry* handle);
uint32_t PakFileSize(PakFileEntry* handle);
uint32_t PakReadWhole(void* buffer, PakFileEntry* handle);
uint32_t PakLoadFile(const char* name, void** owner, uint32_t memoryType);
template <typename T>
inline uint32_t PakLoadFile(const char* name, T** owner, uint32_t memoryType) {
  return PakLoadFile(name, reinterpret_cast<void**>(owner), memoryType);
}

// The building blocks of the table (used by the functions above and tests).
void AddIndex(const char* basePath);
void ListFile2Index(const char* listFileName);
int AddListPattern(const char* pattern, uint16_t flags, const char* options);
PakFileEntry* SearchFile(const char* name);
PakFileEntry* AddFileEntry(int bucket);
uint32_t AddStringEntry(const char* name);

// Upper-cases a to z and turns "/" into "\", in place.
void PakNormaliseName(char* name);
// The bucket of a name: the XOR of its bytes, masked to 6 bits.
int PakNameHash(const char* name);
// Wildcard match of one file name, as the list patterns use it (see the
// source for the rules).
bool PakWildcardMatch(const char* pattern, const char* name);

// Checks a whole index image (its header and every entry, as decoded above)
// against its own size and its data file's size. Returns 0 when every field,
// entry and name lies inside the files; else -1 and a description of the
// first fault in error.
int PakCheckIndex(const uint8_t* index, uint32_t indexSize, uint64_t dataFileSize, char* error, int errorSize);

// A look at the table (tools and tests).
int16_t PakFileStatus();
uint32_t PakFileCount();
// Calls fn for every entry, in bucket order (and, when ready, name order
// within a bucket).
void PakForEachFile(void (*fn)(const PakFileEntry* entry, const char* name, void* user), void* user);
const char* PakFileName(const PakFileEntry* handle);
// The compressor of a packed compressed entry, read from its CMP0 header;
// -1 for a plain or loose file.
int PakFileCompressor(const PakFileEntry* handle);

// Drops every table and closes the data files without checks (tests).
void PakFileReset();

// ---------------------------------------------------------------------------
// The file layer: the runtime's file functions, checked.
// ---------------------------------------------------------------------------

// Joins folder, name and extension (either may be null) into one static
// buffer that the next call overwrites.
const char* DOSMakePath(const char* folder, const char* name, const char* extension);
FILE* DOSOpenFile(const char* name);
int DOSFileExists(const char* name);
void DOSReadFile(FILE* stream, void* buffer, uint32_t count);
void DOSCloseFile(FILE* stream);
uint32_t DOSLoadFile(const char* name, void** owner, uint32_t memoryType);
template <typename T>
inline uint32_t DOSLoadFile(const char* name, T** owner, uint32_t memoryType) {
  return DOSLoadFile(name, reinterpret_cast<void**>(owner), memoryType);
}
