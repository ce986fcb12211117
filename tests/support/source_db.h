// The source database the build generates (build/dataset/hd/stats), and a
// pak that serves a copy of it, whole or changed, as stats\totstat.dat.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "world/source_records.h"

namespace srcdb {

using Bytes = std::vector<uint8_t>;

inline std::filesystem::path BinaryDir() {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  return bin != nullptr ? std::filesystem::path(bin)
                        : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

inline Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The generated stats\totstat.dat and stats\names.dat (read once).
inline const Bytes& BuiltTotStat() {
  static const Bytes bytes = ReadFile(BinaryDir() / "dataset" / "hd" / "stats" / "totstat.dat");
  return bytes;
}
inline const Bytes& BuiltNames() {
  static const Bytes bytes = ReadFile(BinaryDir() / "dataset" / "hd" / "stats" / "names.dat");
  return bytes;
}

// Writes pakfiles\hdcommon in the working folder with the given files (plain)
// and opens the pak layer on it (and the managed memory it needs), in place
// of any pak opened before.
inline void MountPak(const std::vector<PakWriteItem>& items) {
  if (!MemoryIsInitialised()) InitMemory(9500);
  PakFileReset();
  std::filesystem::create_directories("pakfiles");
  std::string error;
  ASSERT_TRUE(PakWriteFiles("pakfiles/hdcommon", items, PAK_STORE_PLAIN, nullptr, &error)) << error;
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
}

inline void MountTotStat(const Bytes& totstat) { MountPak({{"STATS\\TOTSTAT.DAT", totstat}}); }

// Field access to a file image.
inline uint8_t* PlayerRecordOf(Bytes& image, int n) {
  return image.data() + TOTSTAT_PLAYERS_OFFSET + n * SOURCE_PLAYER_RECORD_SIZE;
}
inline uint8_t* ClubRecordOf(Bytes& image, int n) {
  return image.data() + TOTSTAT_CLUBS_OFFSET + n * SOURCE_CLUB_RECORD_SIZE;
}
inline int32_t CountOf(const Bytes& image) { return LoadI32(image.data() + TOTSTAT_COUNT_OFFSET); }
inline void SetCount(Bytes& image, int32_t count) { StoreI32(image.data() + TOTSTAT_COUNT_OFFSET, count); }

}  // namespace srcdb
