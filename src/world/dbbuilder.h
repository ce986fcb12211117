// The data-set builder's world: builds the source database (stats\totstat.dat
// and stats\names.dat) from the static club tables and a seed. The same seed
// always gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WorldDatabase {
  std::vector<uint8_t> totstat;  // TOTSTAT_SIZE bytes
  std::vector<uint8_t> names;    // NAMES_FILE_SIZE bytes
  int playerCount = 0;           // source player records in use
};

WorldDatabase BuildWorldDatabase(uint32_t seed);

// Writes DIR/stats/totstat.dat and DIR/stats/names.dat, creating the folders.
// Returns false with a message when a file cannot be written.
bool WriteWorldDatabase(const WorldDatabase& db, const std::string& dir, std::string* error);
