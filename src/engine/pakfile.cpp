// Pak files and the checked file layer.
//
// The table is 64 buckets of entries, chosen by a 6-bit XOR hash of the name,
// and one string table of names; all of it lives in managed memory. While
// paks are being added a bucket is searched linearly; once adding is done the
// tables are trimmed, pinned (ManualNoMove, so entry pointers can serve as
// file handles) and each bucket sorted, and lookups bisect.
//
// Index files are untrusted input: the whole index is checked against its own
// size and its data file's size before a single entry is taken, and a bad
// index is an abort naming the file.
#include "engine/pakfile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/compress.h"
#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/reset.h"
#include "platform/platform.h"

#define ABORT_FILE "pakfile"

namespace {

constexpr uint32_t kBucketStart = 256;  // entries
constexpr uint32_t kBucketGrow = 256;
constexpr uint32_t kStringStart = 4096;  // bytes
constexpr uint32_t kStringGrow = 4096;
constexpr int kListLineMax = 255;  // characters of a list line, with its line end
constexpr int kMaxListDepth = 32;  // folders below a pattern's folder walked with option S
constexpr size_t kPathMax = 260;

enum PakStatus : int16_t { PAK_NOT_INITIALISED = 0, PAK_ADDING = 1, PAK_READY = 2 };

struct PakBucket {
  PakFileEntry* entries;
  uint32_t count;
  uint32_t capacity;
};

struct PakState {
  int16_t status;
  PakBucket buckets[PAK_HASH_BUCKETS];
  char* strings;
  uint32_t stringCapacity;
  uint32_t stringUsed;
  FILE* dataFiles[MAX_PAK_FILES];
  int pakCount;
} gPak;


const char* EntryName(const PakFileEntry* e) { return gPak.strings + e->nameOffset; }

// An abort whose message is formatted (it names a file).
[[noreturn]] void AbortFormatted(int line, const char* format, ...) __attribute__((format(printf, 2, 3)));
void AbortFormatted(int line, const char* format, ...) {
  static char message[400];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  AbortError(ABORT_FILE, line, message);
}

// Byte offsets of the fields of the index header and of an index entry.
namespace index_header {
constexpr int ID = 0;  // char[4]
constexpr int ENTRY_OFFSET = 4;
constexpr int ENTRY_COUNT = 8;  // signed
constexpr int ENTRY_SIZE = 12;
constexpr int NAME_OFFSET = 16;
}  // namespace index_header
namespace index_entry {
constexpr int FLAGS = 0;
constexpr int DATA_OFFSET = 4;
constexpr int STORED_SIZE = 8;
constexpr int NAME_OFFSET = 12;
constexpr int UNPACKED_SIZE = 16;
}  // namespace index_entry
constexpr char kIndexId[4] = {'P', 'A', 'K', '0'};

// Describes a fault of an index in *error; answers false.
bool IndexFault(std::string* error, const char* format, ...) __attribute__((format(printf, 2, 3)));
bool IndexFault(std::string* error, const char* format, ...) {
  char text[200];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  *error = text;
  return false;
}

// One entry of an index image, decoded and checked.
struct DecodedEntry {
  PakIndexEntry entry;
  const char* name;  // in the image
};

// Decodes and checks a whole index image: the header, then every entry.
bool DecodeIndex(const uint8_t* index, uint32_t indexSize, uint64_t dataFileSize, std::vector<DecodedEntry>* entries,
                 std::string* error) {
  PakIndexHeader header;
  if (!PakDecodeIndexHeader(index, indexSize, &header, error)) return false;
  entries->resize(static_cast<size_t>(header.entryCount));
  for (int32_t i = 0; i < header.entryCount; ++i) {
    DecodedEntry& d = (*entries)[static_cast<size_t>(i)];
    if (!PakDecodeIndexEntry(index, indexSize, dataFileSize, header, i, &d.entry, &d.name, error)) return false;
  }
  return true;
}

void AddEntry(const char* name, uint32_t unpackedSize, uint16_t pakNumber, uint16_t flags, uint32_t dataOffset,
              uint32_t storedSize) {
  uint32_t nameOffset = AddStringEntry(name);
  PakFileEntry* e = AddFileEntry(PakNameHash(name));
  *e = {unpackedSize, nameOffset, pakNumber, flags, dataOffset, storedSize, 0};
}

// Plain files and folders whose names start with "." are hidden on Linux
// (".git", editor and folder-view files) and are never game data.
bool Hidden(const std::string& name) { return !name.empty() && name[0] == '.'; }

int AddListPatternAt(const char* pattern, uint16_t flags, const char* options, int depth) {
  DPRINT(DEBUG_FILE, 60, "AddListPattern(): adding files matching '%s'\n", pattern);
  const char* cut = std::strrchr(pattern, '\\');
  if (!cut) cut = std::strrchr(pattern, '/');
  std::string folder = cut ? std::string(pattern, cut + 1) : std::string();
  const char* last = cut ? cut + 1 : pattern;

  std::vector<PlatDirEntry> entries;
  PlatForEachInDir(folder.empty() ? "." : folder.c_str(), [&](const PlatDirEntry& e) { entries.push_back(e); });

  int added = 0;
  for (const PlatDirEntry& e : entries) {
    if (e.isDir || Hidden(e.name) || !PakWildcardMatch(last, e.name.c_str())) continue;
    std::string name = folder + e.name;
    PakNormaliseName(name.data());
    if (e.size > 0xFFFFFFFFu) FatalError("Error: AddListPattern(): file '%s' is too large\n", name.c_str());
    if (SearchFile(name.c_str())) {
      DPRINT(DEBUG_FILE, 80, "ListFile2Index(): '%s' already exists\n", name.c_str());
      continue;
    }
    DPRINT(DEBUG_FILE, 80, "ListFile2Index(): adding '%s' - %d bytes\n", name.c_str(), static_cast<int>(e.size));
    AddEntry(name.c_str(), static_cast<uint32_t>(e.size), PAK_LOOSE_FILE, static_cast<uint16_t>(flags | PAK_FLAG_LOOSE),
             0, 0);
    ++added;
  }

  bool subfolders = options && (std::strchr(options, 'S') || std::strchr(options, 's'));
  if (subfolders) {
    for (const PlatDirEntry& e : entries) {
      if (!e.isDir || Hidden(e.name)) continue;
      std::string sub = folder + e.name;
      if (depth >= kMaxListDepth) {
        std::printf("Warning: AddListPattern(): folder '%s' nested too deeply, skipped\n", sub.c_str());
        continue;
      }
      DPRINT(DEBUG_FILE, 80, "AddListPattern(): adding subdir '%s'\n", sub.c_str());
      std::string subPattern = sub + "\\" + last;
      added += AddListPatternAt(subPattern.c_str(), flags, options, depth + 1);
    }
  }
  return added;
}

// Reads one list line of at most kListLineMax characters with its end.
// Returns its length (0 at the end of the file); *ended is set when the line
// stopped at a line feed.
int ReadListLine(FILE* f, char* line, bool* ended) {
  int len = 0;
  *ended = false;
  while (len < kListLineMax) {
    int c = std::getc(f);
    if (c == EOF) break;
    line[len++] = static_cast<char>(c);
    if (c == '\n') {
      *ended = true;
      break;
    }
  }
  line[len] = 0;
  return len;
}

bool IsComment(const char* line) {
  return line[0] == 0 || line[0] == '#' || line[0] == ';' || (line[0] == '/' && line[1] == '/');
}

// The option letters after a list pattern, as flag bits.
uint16_t ListOptionFlags(const char* options) {
  uint16_t flags = 0;
  for (const char* p = options; *p; ++p) {
    switch (*p) {
      case ' ': case '\t': case '/': case 'S': case 's': break;
      case 'C': case 'c': flags |= 0x0001; break;
      case 'H': case 'h': flags |= 0x0010; break;
      case 'Q': case 'q': flags |= 0x0020; break;
      case 'B': case 'b': flags |= 0x0030; break;
      case '1': flags |= 0x0100; break;
      case '2': flags |= 0x0200; break;
      case '4': flags |= 0x0300; break;
      case 'R': case 'r': flags |= 0x1000; break;
      default: ABORT("ListFile2Index(): unknown option");
    }
  }
  return flags;
}

bool GlobMatch(const char* p, const char* s) {
  const char* starP = nullptr;
  const char* starS = nullptr;
  while (*s) {
    if (*p == '*') {
      starP = p++;
      starS = s;
    } else if (*p == '?' || (*p && std::toupper(static_cast<unsigned char>(*p)) ==
                                       std::toupper(static_cast<unsigned char>(*s)))) {
      ++p;
      ++s;
    } else if (starP) {
      p = starP + 1;
      s = ++starS;
    } else {
      return false;
    }
  }
  while (*p == '*') ++p;
  return *p == 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// Names
// ---------------------------------------------------------------------------

void PakNormaliseName(char* name) {
  for (char* p = name; *p; ++p) {
    if (*p >= 'a' && *p <= 'z')
      *p = static_cast<char>(*p - 'a' + 'A');
    else if (*p == '/')
      *p = '\\';
  }
}

int PakNameHash(const char* name) {
  unsigned h = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p; ++p) h ^= *p;
  return static_cast<int>(h & (PAK_HASH_BUCKETS - 1));
}

// Matches a file name against the last part of a list pattern the way the
// folder search of the game's first platform did:
// - letters match without regard to case;
// - "*" matches any run of characters, dots included, "?" exactly one;
// - a pattern ending in ".*" also matches the name without any extension,
//   so "*.*" matches every file and "README.*" matches "README".
bool PakWildcardMatch(const char* pattern, const char* name) {
  if (GlobMatch(pattern, name)) return true;
  size_t len = std::strlen(pattern);
  if (len >= 2 && pattern[len - 2] == '.' && pattern[len - 1] == '*') {
    std::string stem(pattern, len - 2);
    if (std::strchr(name, '.') == nullptr) return GlobMatch(stem.c_str(), name);
  }
  return false;
}

// ---------------------------------------------------------------------------
// The table
// ---------------------------------------------------------------------------

void PakFileInit() {
  if (gPak.status != PAK_NOT_INITIALISED) ABORT("PakFileInit(): already initialised");
  for (PakBucket& b : gPak.buckets) {
    AllocateMemory(&b.entries, kBucketStart * sizeof(PakFileEntry), ManualFree);
    b.count = 0;
    b.capacity = kBucketStart;
  }
  AllocateMemory(&gPak.strings, kStringStart, ManualFree);
  gPak.stringCapacity = kStringStart;
  gPak.stringUsed = 0;
  gPak.pakCount = 0;
  gPak.status = PAK_ADDING;
}

void PakFileAdd(const char* basePath) {
  if (gPak.status != PAK_ADDING) ABORT("PakAddFile(): can only add before PakAddFileDone() is called");
  DPRINT(DEBUG_FILE, 1, "PakFileAdd(): adding pak file '%s'\n", basePath);
  std::string list = DOSMakePath(nullptr, basePath, "pkl");
  std::string index = DOSMakePath(nullptr, basePath, "pki");
  int hasList = DOSFileExists(list.c_str());
  int hasIndex = DOSFileExists(index.c_str());
  if (hasList && hasIndex)
    std::printf("PakAddFile(): Warning: both packed and unpacked files exist - using packed version\n");
  if (!hasList && !hasIndex) FatalError("Error: PakFileAdd(): no index or list file found\n");
  if (hasIndex)
    AddIndex(basePath);
  else
    ListFile2Index(list.c_str());
}

void PakEncodeIndexHeader(const PakIndexHeader& header, uint8_t* bytes) {
  std::memcpy(bytes + index_header::ID, header.id, sizeof header.id);
  StoreU32(bytes + index_header::ENTRY_OFFSET, header.entryOffset);
  StoreI32(bytes + index_header::ENTRY_COUNT, header.entryCount);
  StoreU32(bytes + index_header::ENTRY_SIZE, header.entrySize);
  StoreU32(bytes + index_header::NAME_OFFSET, header.nameOffset);
}

void PakEncodeIndexEntry(const PakIndexEntry& entry, uint8_t* bytes) {
  StoreU32(bytes + index_entry::FLAGS, entry.flags);
  StoreU32(bytes + index_entry::DATA_OFFSET, entry.dataOffset);
  StoreU32(bytes + index_entry::STORED_SIZE, entry.storedSize);
  StoreU32(bytes + index_entry::NAME_OFFSET, entry.nameOffset);
  StoreU32(bytes + index_entry::UNPACKED_SIZE, entry.unpackedSize);
}

bool PakDecodeIndexHeader(const uint8_t* index, uint32_t indexSize, PakIndexHeader* header, std::string* error) {
  if (indexSize < PAK_INDEX_HEADER_SIZE) return IndexFault(error, "invalid index file header");
  std::memcpy(header->id, index + index_header::ID, sizeof header->id);
  if (std::memcmp(header->id, kIndexId, sizeof kIndexId) != 0) return IndexFault(error, "invalid index file header");
  header->entryOffset = LoadU32(index + index_header::ENTRY_OFFSET);
  header->entryCount = LoadI32(index + index_header::ENTRY_COUNT);
  header->entrySize = LoadU32(index + index_header::ENTRY_SIZE);
  header->nameOffset = LoadU32(index + index_header::NAME_OFFSET);
  if (header->entrySize < PAK_INDEX_ENTRY_SIZE)
    return IndexFault(error, "entry size %u is below %u", header->entrySize, PAK_INDEX_ENTRY_SIZE);
  if (header->entryCount < 0) return IndexFault(error, "negative entry count %d", header->entryCount);
  if (header->entryCount > 0 && header->entryOffset < PAK_INDEX_HEADER_SIZE)
    return IndexFault(error, "entry table at %u overlaps the header", header->entryOffset);
  if (header->entryOffset + static_cast<uint64_t>(header->entryCount) * header->entrySize > indexSize)
    return IndexFault(error, "entry table (%d entries of %u bytes at %u) runs past the end of the file (%u bytes)",
                      header->entryCount, header->entrySize, header->entryOffset, indexSize);
  if (header->nameOffset > indexSize)
    return IndexFault(error, "name table offset %u is past the end of the file (%u bytes)", header->nameOffset,
                      indexSize);
  return true;
}

bool PakDecodeIndexEntry(const uint8_t* index, uint32_t indexSize, uint64_t dataFileSize,
                         const PakIndexHeader& header, int32_t n, PakIndexEntry* entry, const char** name,
                         std::string* error) {
  if (n < 0 || n >= header.entryCount) return IndexFault(error, "no entry %d in a table of %d", n, header.entryCount);
  const uint64_t at = header.entryOffset + static_cast<uint64_t>(n) * header.entrySize;
  if (header.entrySize < PAK_INDEX_ENTRY_SIZE || at + PAK_INDEX_ENTRY_SIZE > indexSize)
    return IndexFault(error, "entry %d runs past the end of the file", n);
  const uint8_t* e = index + at;
  entry->flags = LoadU32(e + index_entry::FLAGS);
  entry->dataOffset = LoadU32(e + index_entry::DATA_OFFSET);
  entry->storedSize = LoadU32(e + index_entry::STORED_SIZE);
  entry->nameOffset = LoadU32(e + index_entry::NAME_OFFSET);
  entry->unpackedSize = LoadU32(e + index_entry::UNPACKED_SIZE);

  const uint64_t nameStart = static_cast<uint64_t>(header.nameOffset) + entry->nameOffset;
  if (nameStart >= indexSize) return IndexFault(error, "name of entry %d is past the end of the file", n);
  if (!std::memchr(index + nameStart, 0, indexSize - nameStart))
    return IndexFault(error, "name of entry %d runs past the end of the file", n);
  if (static_cast<uint64_t>(entry->dataOffset) + entry->storedSize > dataFileSize)
    return IndexFault(error, "data of entry %d (%u bytes at %u) is past the end of the data file (%llu bytes)", n,
                      entry->storedSize, entry->dataOffset, static_cast<unsigned long long>(dataFileSize));
  const bool compressed = entry->flags & PAK_FLAG_COMPRESSED;
  if (compressed && entry->storedSize < CMP0_HEADER_SIZE)
    return IndexFault(error, "compressed entry %d is shorter than its header", n);
  if (!compressed && entry->storedSize < entry->unpackedSize)
    return IndexFault(error, "plain entry %d has %u bytes stored for a size of %u", n, entry->storedSize,
                      entry->unpackedSize);
  *name = reinterpret_cast<const char*>(index + nameStart);
  return true;
}

int PakCheckIndex(const uint8_t* index, uint32_t indexSize, uint64_t dataFileSize, char* error, int errorSize) {
  std::vector<DecodedEntry> entries;
  std::string fault;
  if (DecodeIndex(index, indexSize, dataFileSize, &entries, &fault)) return 0;
  if (errorSize > 0) std::snprintf(error, static_cast<size_t>(errorSize), "%s", fault.c_str());
  return -1;
}

// The whole index is checked before its first entry is taken, so a bad one
// adds nothing.
void AddIndex(const char* basePath) {
  if (gPak.pakCount >= MAX_PAK_FILES) ABORT("AddIndex(): too many open pak files");
  std::string indexName = DOSMakePath(nullptr, basePath, "pki");
  std::string dataName = DOSMakePath(nullptr, basePath, "pkd");

  uint8_t* index = nullptr;
  uint32_t indexSize = DOSLoadFile(indexName.c_str(), &index, ManualNoMove);
  FILE* data = DOSOpenFile(dataName.c_str());
  int64_t dataSize = PlatFileSize(data);
  if (dataSize < 0) FatalError("Error: AddIndex(): cannot tell the size of '%s': %s\n", dataName.c_str(),
                               std::strerror(errno));

  std::vector<DecodedEntry> entries;
  std::string fault;
  if (!DecodeIndex(index, indexSize, static_cast<uint64_t>(dataSize), &entries, &fault))
    AbortFormatted(__LINE__, "AddIndex(): %s in '%s'", fault.c_str(), indexName.c_str());

  const uint16_t pakNumber = static_cast<uint16_t>(gPak.pakCount);
  for (const DecodedEntry& d : entries) {
    const PakIndexEntry& e = d.entry;
    if (SearchFile(d.name)) {
      DPRINT(DEBUG_FILE, 80, "AddIndex(): '%s' already exists\n", d.name);
      continue;
    }
    DPRINT(DEBUG_FILE, 80, "AddIndex(): adding '%s' - %d bytes\n", d.name, static_cast<int>(e.unpackedSize));
    AddEntry(d.name, e.unpackedSize, pakNumber, static_cast<uint16_t>(e.flags & ~uint32_t{PAK_FLAG_LOOSE}),
             e.dataOffset, e.storedSize);
  }

  gPak.dataFiles[gPak.pakCount++] = data;
  FreeMemory(&index);
}

void ListFile2Index(const char* listFileName) {
  DPRINT(DEBUG_FILE, 10, "ListFile2Index(): virtual filelist from '%s'\n", listFileName);
  FILE* f = DOSOpenFile(listFileName);
  char line[kListLineMax + 1];
  bool ended;
  while (int len = ReadListLine(f, line, &ended)) {
    // Every line, the last one too, ends in a line feed: a line without one
    // did not fit.
    if (!ended) ABORT("ListFile2Index(): line too long in list file");
    if (len < 2 || line[len - 2] != '\r') ABORT("ListFile2Index(): bad line in list file");
    line[len - 2] = 0;
    if (IsComment(line)) continue;

    char* options = line + std::strcspn(line, " \t");
    if (*options) *options++ = 0;
    uint16_t flags = ListOptionFlags(options);
    DPRINT(DEBUG_FILE, 20, "ListFile2Index(): adding files matching '%s'\n", line);
    if (AddListPattern(line, flags, options) == 0)
      std::printf("Warning: ListFile2Index(): Pattern '%s' matched 0 files\a\n", line);
  }
  DOSCloseFile(f);
}

int AddListPattern(const char* pattern, uint16_t flags, const char* options) {
  return AddListPatternAt(pattern, flags, options, 0);
}

PakFileEntry* SearchFile(const char* name) {
  PakBucket& b = gPak.buckets[PakNameHash(name)];
  if (gPak.status == PAK_ADDING) {
    for (uint32_t i = 0; i < b.count; ++i)
      if (std::strcmp(EntryName(&b.entries[i]), name) == 0) return &b.entries[i];
    return nullptr;
  }
  if (gPak.status == PAK_READY) {
    uint32_t lo = 0, hi = b.count;
    while (lo < hi) {
      uint32_t mid = lo + (hi - lo) / 2;
      int c = std::strcmp(EntryName(&b.entries[mid]), name);
      if (c == 0) return &b.entries[mid];
      if (c < 0)
        lo = mid + 1;
      else
        hi = mid;
    }
    return nullptr;
  }
  ABORT("SearchFile(): unknown status");
}

PakFileEntry* AddFileEntry(int bucket) {
  PakBucket& b = gPak.buckets[bucket];
  if (b.count + 1 >= b.capacity) {
    DPRINT(DEBUG_FILE, 40, "AddFileEntry(): increasing filelist size\n");
    b.capacity += kBucketGrow;
    ResizeMemory(&b.entries, b.capacity * static_cast<uint32_t>(sizeof(PakFileEntry)));
  }
  return &b.entries[b.count++];
}

uint32_t AddStringEntry(const char* name) {
  uint32_t length = static_cast<uint32_t>(std::strlen(name));
  if (static_cast<uint64_t>(gPak.stringUsed) + length + 1 >= gPak.stringCapacity) {
    DPRINT(DEBUG_FILE, 40, "AddStringEntry(): increasing string table size\n");
    while (static_cast<uint64_t>(gPak.stringUsed) + length + 1 >= gPak.stringCapacity) {
      if (gPak.stringCapacity > 0xFFFFFFFFu - kStringGrow) ABORT("AddStringEntry(): string table full");
      gPak.stringCapacity += kStringGrow;
    }
    ResizeMemory(&gPak.strings, gPak.stringCapacity);
  }
  uint32_t offset = gPak.stringUsed;
  std::memcpy(gPak.strings + offset, name, length + 1);
  gPak.stringUsed += length + 1;
  return offset;
}

void PakFileAddDone() {
  if (gPak.status != PAK_ADDING) ABORT("PakFileAddDone(): not initialised, or already done");
  ResizeMemory(&gPak.strings, gPak.stringUsed);
  gPak.stringCapacity = gPak.stringUsed;
  uint32_t files = 0;
  uint64_t bytes = 0;
  for (int i = 0; i < PAK_HASH_BUCKETS; ++i) {
    PakBucket& b = gPak.buckets[i];
    uint32_t size = b.count * static_cast<uint32_t>(sizeof(PakFileEntry));
    ResizeMemory(&b.entries, size);
    b.capacity = b.count;
    DPRINT(DEBUG_FILE, 60, "PakFileAddDone(): file table hash %d size %d bytes\n", i, static_cast<int>(size));
    files += b.count;
    for (uint32_t k = 0; k < b.count; ++k) bytes += b.entries[k].unpackedSize;
  }
  DPRINT(DEBUG_FILE, 60, "PakFileAddDone(): string table size %d bytes\n", static_cast<int>(gPak.stringUsed));
  FreeAutoFreeMemory();
  SetMemoryType(&gPak.strings, ManualNoMove);
  for (PakBucket& b : gPak.buckets) {
    SetMemoryType(&b.entries, ManualNoMove);
    std::sort(b.entries, b.entries + b.count, [](const PakFileEntry& x, const PakFileEntry& y) {
      return std::strcmp(EntryName(&x), EntryName(&y)) < 0;
    });
  }
  gPak.status = PAK_READY;
  DPRINT(DEBUG_FILE, 10, "PakFileAddDone(): %d files, %dMb (%d bytes)\n", static_cast<int>(files),
         static_cast<int>(bytes / 1048576), static_cast<int>(bytes));
}

void PakFileUninit() {
  if (gPak.status == PAK_NOT_INITIALISED) ABORT("PakFileUninit(): not initialised");
  for (PakBucket& b : gPak.buckets)
    for (uint32_t i = 0; i < b.count; ++i)
      if (b.entries[i].openCount) std::printf("Warning: file '%s' not closed\n", EntryName(&b.entries[i]));
  for (PakBucket& b : gPak.buckets) {
    FreeMemory(&b.entries);
    b.count = b.capacity = 0;
  }
  FreeMemory(&gPak.strings);
  gPak.stringCapacity = gPak.stringUsed = 0;
  for (int i = 0; i < gPak.pakCount; ++i) {
    FILE* f = gPak.dataFiles[i];
    gPak.dataFiles[i] = nullptr;
    DOSCloseFile(f);
  }
  gPak.pakCount = 0;
  gPak.status = PAK_NOT_INITIALISED;
}

// ---------------------------------------------------------------------------
// Open, read, close
// ---------------------------------------------------------------------------

PakFileEntry* PakOpenFile(const char* name) {
  if (gPak.status != PAK_READY) ABORT("PakOpenFile(): not ready - call PakFileAddDone()");
  // A longer name cannot be held; cutting it short could open another file.
  if (std::strlen(name) > PAK_MAX_NAME) FatalError("Error: PakOpenFile(): file '%s' not found\n", name);
  char copy[PAK_MAX_NAME + 1];
  std::strcpy(copy, name);
  PakNormaliseName(copy);
  DPRINT(DEBUG_FILE, 80, "PakOpenFile(): opening '%s'\n", copy);
  PakFileEntry* e = SearchFile(copy);
  if (!e) FatalError("Error: PakOpenFile(): file '%s' not found\n", copy);
  if (e->openCount == 0xFFFF) ABORT("PakOpenFile(): file opened too many times");
  ++e->openCount;
  return e;
}

void PakReadFile(void* buffer, uint32_t offset, uint32_t length, PakFileEntry* handle) {
  if (!handle) ABORT("PakReadFile(): NULL file handle passed");
  const char* name = EntryName(handle);
  DPRINT(DEBUG_FILE, 80, "PakReadFile(): reading from '%s' (%d,+%d)\n", name, static_cast<int>(offset),
         static_cast<int>(length));
  if (handle->openCount == 0) ABORT("PakReadFile(): already fully closed");
  const bool loose = handle->pakNumber == PAK_LOOSE_FILE;
  // A file marked compressed is read whole, loose or packed, so that code
  // that works on loose files keeps working once they are packed.
  if ((handle->flags & PAK_FLAG_COMPRESSED) && (offset != 0 || length != handle->unpackedSize))
    FatalError("Error: PakReadFile(): partial read from '%s', but it's compressed\n", name);
  // The message prints each number followed by a "d" ("5d bytes").
  if (static_cast<uint64_t>(offset) + length > handle->unpackedSize || offset >= handle->unpackedSize)
    FatalError("Error: PakReadFile(): read in '%s' of %ud bytes from %ud, but file is only %ud bytes\n", name, length,
               offset, handle->unpackedSize);

  if (loose) {
    FILE* f = PlatOpenFile(name, "rb");
    if (!f) ABORT("PakReadFile(): immediate file not found");
    if (!PlatFileSeek(f, offset)) {
      std::fclose(f);
      ABORT("PakReadFile(): immediate file seek failed");
    }
    size_t got = std::fread(buffer, 1, length, f);
    std::fclose(f);
    if (got != length) ABORT("PakReadFile(): immediate file read failed");
    return;
  }

  FILE* data = gPak.dataFiles[handle->pakNumber];
  if (!PlatFileSeek(data, static_cast<int64_t>(handle->dataOffset) + offset))
    ABORT("PakReadFile(): seek in data file failed");
  if (handle->flags & PAK_FLAG_COMPRESSED) {
    if (DecompressDataFile(data, handle->storedSize, buffer, length) != handle->unpackedSize)
      ABORT("PakReadFile(): decompressed data wasn't the correct size");
    return;
  }
  if (std::fread(buffer, 1, length, data) != length) ABORT("PakReadFile(): read in data file failed");
}

void PakCloseFile(PakFileEntry* handle) {
  if (!handle) ABORT("PakCloseFile(): NULL file handle passed");
  DPRINT(DEBUG_FILE, 80, "PakCloseFile(): closing '%s'\n", EntryName(handle));
  if (handle->openCount == 0) ABORT("PakCloseFile(): already fully closed");
  --handle->openCount;
}

uint32_t PakFileSize(PakFileEntry* handle) {
  if (!handle) ABORT("PakFileSize(): NULL file handle passed");
  return handle->unpackedSize;
}

// An empty file has nothing to read (and a read of 0 bytes is refused), so
// reading one whole reads nothing and answers 0.
uint32_t PakReadWhole(void* buffer, PakFileEntry* handle) {
  uint32_t size = PakFileSize(handle);
  if (size) PakReadFile(buffer, 0, size, handle);
  return size;
}

uint32_t PakLoadFile(const char* name, void** owner, uint32_t memoryType) {
  PakFileEntry* handle = PakOpenFile(name);
  uint32_t size = handle->unpackedSize;
  AllocateMemory(owner, size, memoryType);
  PakReadWhole(*owner, handle);
  PakCloseFile(handle);
  return size;
}

// ---------------------------------------------------------------------------
// A look at the table
// ---------------------------------------------------------------------------

int16_t PakFileStatus() { return gPak.status; }

uint32_t PakFileCount() {
  uint32_t n = 0;
  if (gPak.status != PAK_NOT_INITIALISED)
    for (const PakBucket& b : gPak.buckets) n += b.count;
  return n;
}

void PakForEachFile(void (*fn)(const PakFileEntry* entry, const char* name, void* user), void* user) {
  if (gPak.status == PAK_NOT_INITIALISED) return;
  for (const PakBucket& b : gPak.buckets)
    for (uint32_t i = 0; i < b.count; ++i) fn(&b.entries[i], EntryName(&b.entries[i]), user);
}

const char* PakFileName(const PakFileEntry* handle) { return EntryName(handle); }

int PakFileCompressor(const PakFileEntry* handle) {
  if (handle->pakNumber == PAK_LOOSE_FILE || !(handle->flags & PAK_FLAG_COMPRESSED)) return -1;
  FILE* data = gPak.dataFiles[handle->pakNumber];
  if (!PlatFileSeek(data, handle->dataOffset)) ABORT("PakReadFile(): seek in data file failed");
  uint8_t header[CMP0_HEADER_SIZE];
  DOSReadFile(data, header, CMP0_HEADER_SIZE);
  const Cmp0Header h = Cmp0DecodeHeader(header);
  if (!h.hasId) return -2;
  return h.compressor;
}

void PakFileReset() {
  for (int i = 0; i < MAX_PAK_FILES; ++i)
    if (gPak.dataFiles[i]) std::fclose(gPak.dataFiles[i]);
  if (MemoryIsInitialised()) {
    for (PakBucket& b : gPak.buckets)
      if (b.entries) FreeMemory(&b.entries);
    if (gPak.strings) FreeMemory(&gPak.strings);
  }
  gPak = PakState{};
}
REGISTER_RESET(RESET_ENGINE, PakFileReset);

// ---------------------------------------------------------------------------
// The file layer
// ---------------------------------------------------------------------------

// The result is longer than the 80 characters the game's own names need, so
// that tools can hand in full paths; a path that does not fit is an error
// rather than a shortened name.
const char* DOSMakePath(const char* folder, const char* name, const char* extension) {
  static char path[kPathMax];
  const bool hasFolder = folder && *folder, hasExtension = extension && *extension;
  int n;
  if (!hasFolder && !hasExtension)
    n = std::snprintf(path, sizeof path, "%s", name);
  else if (!hasFolder)
    n = std::snprintf(path, sizeof path, "%s.%s", name, extension);
  else if (!hasExtension)
    n = std::snprintf(path, sizeof path, "%s\\%s", folder, name);
  else
    n = std::snprintf(path, sizeof path, "%s\\%s.%s", folder, name, extension);
  if (n < 0 || static_cast<size_t>(n) >= sizeof path) FatalError("Error: DOSMakePath(): path of '%s' too long\n", name);
  return path;
}

FILE* DOSOpenFile(const char* name) {
  DPRINT(DEBUG_FILE, 20, "DOSOpenFile(): opening '%s'\n", name);
  FILE* f = PlatFileExists(name) ? PlatOpenFile(name, "rb") : nullptr;
  if (!f) FatalError("Error: DOSOpenFile(): Cannot open file '%s': %s\n", name, std::strerror(errno ? errno : ENOENT));
  return f;
}

// Only a plain file counts: a folder of that name is not one.
int DOSFileExists(const char* name) {
  DPRINT(DEBUG_FILE, 20, "DOSFileExists(): opening '%s'\n", name);
  if (!PlatFileExists(name)) return 0;
  FILE* f = PlatOpenFile(name, "rb");
  if (!f) return 0;
  std::fclose(f);
  return 1;
}

void DOSReadFile(FILE* stream, void* buffer, uint32_t count) {
  errno = 0;
  if (std::fread(buffer, 1, count, stream) != count)
    FatalError("Error: DOSReadFile(): Cannot read %d bytes: %s\n", static_cast<int>(count),
               std::ferror(stream) && errno ? std::strerror(errno) : "unexpected end of file");
}

void DOSCloseFile(FILE* stream) {
  if (std::fclose(stream) != 0) FatalError("Error: DOSCloseFile(): Failed to close file: %s\n", std::strerror(errno));
}

uint32_t DOSLoadFile(const char* name, void** owner, uint32_t memoryType) {
  FILE* f = DOSOpenFile(name);
  int64_t size = PlatFileSize(f);
  if (size < 0 || size > 0xFFFFFFF0ll) FatalError("Error: DOSLoadFile(): cannot load '%s': bad size\n", name);
  AllocateMemory(owner, static_cast<uint32_t>(size), memoryType);
  DOSReadFile(f, *owner, static_cast<uint32_t>(size));
  DOSCloseFile(f);
  return static_cast<uint32_t>(size);
}
