// Writing pak files.
#include "engine/pakwrite.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "engine/bytes.h"
#include "engine/pakfile.h"

namespace {

namespace fs = std::filesystem;

bool WriteWhole(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    *error = "cannot write '" + path + "'";
    return false;
  }
  return true;
}

}  // namespace

std::vector<uint8_t> PakMakeCmp0Block(int compressor, const uint8_t* data, uint32_t size) {
  std::vector<uint8_t> source(data, data + size);  // the move-to-front compressor works in place
  std::vector<uint8_t> block(CMP0_HEADER_SIZE + CompressWorstCase(compressor, size));
  uint32_t length = 0;
  CompressDataMem2Mem(compressor, source.data(), size, block.data() + CMP0_HEADER_SIZE, &length);
  block.resize(CMP0_HEADER_SIZE + length);
  Cmp0EncodeHeader({true, static_cast<uint16_t>(compressor), length, size}, block.data());
  return block;
}

std::vector<uint8_t> PakEncodeEntry(const std::vector<uint8_t>& data, int store, int* compressor) {
  const uint32_t size = static_cast<uint32_t>(data.size());
  if (store >= 0 && store < COMPRESSOR_COUNT) {
    *compressor = store;
    return PakMakeCmp0Block(store, data.data(), size);
  }
  *compressor = -1;
  if (store == PAK_STORE_PLAIN) return data;
  // Auto: the smallest block wins (the lower number on a tie), and only when
  // it is smaller than the plain bytes.
  std::vector<uint8_t> best = data;
  for (int c = 0; c < COMPRESSOR_COUNT; ++c) {
    std::vector<uint8_t> block = PakMakeCmp0Block(c, data.data(), size);
    if (block.size() < best.size()) {
      best = std::move(block);
      *compressor = c;
    }
  }
  return best;
}

bool PakCollectFolder(const std::string& folder, std::vector<PakWriteItem>* items, std::string* error) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    *error = "'" + folder + "' is not a folder";
    return false;
  }
  std::vector<PakWriteItem> found;
  std::set<std::string> names;
  fs::recursive_directory_iterator it(folder, ec), end;
  if (ec) {
    *error = "cannot read '" + folder + "': " + ec.message();
    return false;
  }
  for (; it != end; it.increment(ec)) {
    if (ec) {
      *error = "cannot read '" + folder + "': " + ec.message();
      return false;
    }
    const std::string leaf = it->path().filename().string();
    if (!leaf.empty() && leaf[0] == '.') {
      if (it->is_directory(ec)) it.disable_recursion_pending();
      continue;
    }
    if (!it->is_regular_file(ec)) continue;
    std::string name = fs::relative(it->path(), folder, ec).generic_string();
    PakNormaliseName(name.data());
    if (!names.insert(name).second) {
      *error = "two files have the name '" + name + "'";
      return false;
    }
    std::ifstream in(it->path(), std::ios::binary);
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad() || data.size() > 0xFFFFFFF0u) {
      *error = "cannot read '" + it->path().string() + "'";
      return false;
    }
    found.push_back({name, std::move(data)});
  }
  std::sort(found.begin(), found.end(), [](const PakWriteItem& a, const PakWriteItem& b) { return a.name < b.name; });
  *items = std::move(found);
  return true;
}

std::vector<uint8_t> PakBuildIndex(const std::vector<PakIndexItem>& items) {
  PakIndexHeader header = {{'P', 'A', 'K', '0'}, PAK_INDEX_HEADER_SIZE, static_cast<int32_t>(items.size()),
                           PAK_INDEX_ENTRY_SIZE, 0};
  header.nameOffset = header.entryOffset + static_cast<uint32_t>(items.size()) * PAK_INDEX_ENTRY_SIZE;
  std::vector<uint8_t> index(header.nameOffset);
  PakEncodeIndexHeader(header, index.data());
  for (size_t i = 0; i < items.size(); ++i) {
    const PakIndexItem& item = items[i];
    const PakIndexEntry entry = {item.flags, item.dataOffset, item.storedSize,
                                 static_cast<uint32_t>(index.size() - header.nameOffset), item.unpackedSize};
    PakEncodeIndexEntry(entry, index.data() + header.entryOffset + i * PAK_INDEX_ENTRY_SIZE);
    index.insert(index.end(), item.name.begin(), item.name.end());
    index.push_back(0);
  }
  return index;
}

bool PakStoredPlain(const std::string& name) {
  // The sound driver reads samples a block at a time, and a compressed entry
  // can only be read whole.
  static const char kWav[] = ".WAV";
  if (name.size() < 4) return false;
  for (size_t i = 0; i < 4; ++i) {
    char c = name[name.size() - 4 + i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kWav[i]) return false;
  }
  return true;
}

bool PakWriteFiles(const std::string& outBase, const std::vector<PakWriteItem>& items, int store,
                   std::vector<PakWriteResult>* results, std::string* error) {
  std::vector<uint8_t> data;
  std::vector<PakIndexItem> index;
  if (results) results->clear();
  for (const PakWriteItem& item : items) {
    int compressor = -1;
    const int itemStore = PakStoredPlain(item.name) ? PAK_STORE_PLAIN : store;
    std::vector<uint8_t> stored = PakEncodeEntry(item.data, itemStore, &compressor);
    if (data.size() + stored.size() > 0xFFFFFFFFu) {
      *error = "the data file would pass 4 GB";
      return false;
    }
    index.push_back({item.name, compressor >= 0 ? uint32_t{PAK_FLAG_COMPRESSED} : 0u,
                     static_cast<uint32_t>(data.size()), static_cast<uint32_t>(stored.size()),
                     static_cast<uint32_t>(item.data.size())});
    if (results)
      results->push_back({item.name, static_cast<uint32_t>(item.data.size()), static_cast<uint32_t>(stored.size()),
                          compressor});
    data.insert(data.end(), stored.begin(), stored.end());
  }
  return WriteWhole(outBase + ".pkd", data, error) && WriteWhole(outBase + ".pki", PakBuildIndex(index), error);
}

bool PakWriteListFile(const std::string& outBase, std::string* error) {
  static const char kList[] =
      "# Every file below the working folder, read loose from the disk.\r\n"
      "*.* S\r\n";
  return WriteWhole(outBase + ".pkl", std::vector<uint8_t>(kList, kList + sizeof kList - 1), error);
}
