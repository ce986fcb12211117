// Writing pak files: the other side of the pak reader, for the tools that
// build the game's data set and for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/compress.h"

// How a file is stored: the compressor that makes it smallest (or plain when
// none does better), always plain, or always one compressor.
constexpr int PAK_STORE_AUTO = -1;
constexpr int PAK_STORE_PLAIN = COMPRESSOR_NONE;

struct PakWriteItem {
  std::string name;  // the name in the table: upper case, "\" between folders
  std::vector<uint8_t> data;
};

// What was written for one file.
struct PakWriteResult {
  std::string name;
  uint32_t unpackedSize;
  uint32_t storedSize;
  int compressor;  // -1 plain
};

// A whole CMP0 block (header and compressed bytes) of the data.
std::vector<uint8_t> PakMakeCmp0Block(int compressor, const uint8_t* data, uint32_t size);

// The bytes a file is stored as; *compressor gets the compressor used, or -1
// for plain bytes. store is PAK_STORE_AUTO, PAK_STORE_PLAIN or 0-5.
std::vector<uint8_t> PakEncodeEntry(const std::vector<uint8_t>& data, int store, int* compressor);

// Every plain file below folder, with its name relative to the folder and
// normalised, in name order. Files and folders whose names start with "."
// are left out, as list patterns leave them out. False (with a message) when
// two files map to one name or a file cannot be read.
bool PakCollectFolder(const std::string& folder, std::vector<PakWriteItem>* items, std::string* error);

// The index image for entries written one after the other into the data
// file: header, entry table (stride 20) and name table.
struct PakIndexItem {
  std::string name;
  uint32_t flags;
  uint32_t dataOffset;
  uint32_t storedSize;
  uint32_t unpackedSize;
};
std::vector<uint8_t> PakBuildIndex(const std::vector<PakIndexItem>& items);

// Whether a file of this name is always stored plain: WAV samples, which the
// sound driver reads in parts.
bool PakStoredPlain(const std::string& name);

// Writes outBase.pki and outBase.pkd (plain file-system paths). Files that
// PakStoredPlain names are stored plain whatever store says.
bool PakWriteFiles(const std::string& outBase, const std::vector<PakWriteItem>& items, int store,
                   std::vector<PakWriteResult>* results, std::string* error);

// Writes outBase.pkl: a list file whose one pattern names every file below
// the folder it is read from, with the same names a packed pak would give
// them. The game reads list patterns from its working folder, so the list
// serves a run whose working folder is the source folder.
bool PakWriteListFile(const std::string& outBase, std::string* error);
