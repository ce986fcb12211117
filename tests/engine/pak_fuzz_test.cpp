// Random and damaged input for every decompressor and for the index reader,
// for a fixed number of rounds from a fixed seed. Run under the sanitizer
// build, a read or write outside a buffer stops the test.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/compress.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr int kDecoderRounds = 6000;  // per compressor
constexpr int kIndexRounds = 8000;
constexpr int kIndexLoads = 300;  // accepted indexes also loaded through the pak layer

Bytes RandomBytes(std::mt19937& rng, size_t n) {
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

// One to four damages of the kinds a bad disk or a hostile file gives.
Bytes Mutate(std::mt19937& rng, Bytes b) {
  int damages = 1 + static_cast<int>(rng() % 4);
  for (int d = 0; d < damages; ++d) {
    switch (rng() % 7) {
      case 0:  // flip a bit
        if (!b.empty()) b[rng() % b.size()] ^= static_cast<uint8_t>(1u << (rng() % 8));
        break;
      case 1:  // a random byte
        if (!b.empty()) b[rng() % b.size()] = static_cast<uint8_t>(rng());
        break;
      case 2:  // cut short
        if (!b.empty()) b.resize(rng() % b.size());
        break;
      case 3: {  // junk inserted
        Bytes junk = RandomBytes(rng, 1 + rng() % 16);
        b.insert(b.begin() + static_cast<long>(b.empty() ? 0 : rng() % b.size()), junk.begin(), junk.end());
        break;
      }
      case 4:  // a 32-bit field set to an extreme
        if (b.size() >= 4) {
          static const uint32_t kExtremes[] = {0, 1, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0xFFFFu, 20, 256};
          uint32_t v = kExtremes[rng() % std::size(kExtremes)];
          size_t at = (rng() % (b.size() / 4)) * 4;
          for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
        break;
      case 5:  // a slice repeated
        if (b.size() > 8) {
          size_t from = rng() % (b.size() - 4), len = 1 + rng() % 4;
          b.insert(b.begin() + static_cast<long>(rng() % b.size()), b.begin() + static_cast<long>(from),
                   b.begin() + static_cast<long>(from + len));
        }
        break;
      default:  // a byte removed
        if (!b.empty()) b.erase(b.begin() + static_cast<long>(rng() % b.size()));
        break;
    }
  }
  return b;
}

// One field of a sound index, header or entry, set to an extreme through the
// encoders: the damage a writer with a wrong number makes.
Bytes DamageOneField(std::mt19937& rng, Bytes index, uint64_t dataFileSize) {
  static const uint32_t kExtremes[] = {0, 1, 15, 16, 19, 20, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFF0u, 0xFFFFFFFFu};
  const uint32_t v = rng() % 3 ? kExtremes[rng() % std::size(kExtremes)] : static_cast<uint32_t>(rng() % 500);
  PakIndexHeader h{};
  std::string fault;
  if (!PakDecodeIndexHeader(index.data(), static_cast<uint32_t>(index.size()), &h, &fault) || h.entryCount == 0)
    return index;
  const int field = static_cast<int>(rng() % 9);
  if (field < 4) {
    uint32_t* fields[] = {&h.entryOffset, reinterpret_cast<uint32_t*>(&h.entryCount), &h.entrySize, &h.nameOffset};
    *fields[field] = v;
    PakEncodeIndexHeader(h, index.data());
    return index;
  }
  const int32_t n = static_cast<int32_t>(rng() % static_cast<uint32_t>(h.entryCount));
  PakIndexEntry e{};
  const char* name = nullptr;
  if (!PakDecodeIndexEntry(index.data(), static_cast<uint32_t>(index.size()), dataFileSize, h, n, &e, &name, &fault))
    return index;
  uint32_t* fields[] = {&e.flags, &e.dataOffset, &e.storedSize, &e.nameOffset, &e.unpackedSize};
  *fields[field - 4] = v;
  PakEncodeIndexEntry(e, index.data() + h.entryOffset + static_cast<uint64_t>(n) * h.entrySize);
  return index;
}

Bytes Compressed(int compressor, Bytes data) {
  Bytes out(CompressWorstCase(compressor, static_cast<uint32_t>(data.size())));
  uint32_t length = 0;
  CompressDataMem2Mem(compressor, data.data(), static_cast<uint32_t>(data.size()), out.data(), &length);
  out.resize(length);
  return out;
}

TEST(DecompressorFuzz, RandomAndDamagedStreamsStayInsideTheirBuffers) {
  std::mt19937 rng(19990710);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "Match report: " + std::to_string(i * 37 % 11) + " goals, a crowd of thousands. ";
  Bytes runs;
  for (int i = 0; i < 60; ++i) runs.insert(runs.end(), static_cast<size_t>(1 + i % 9 * 7), static_cast<uint8_t>(i % 3));
  const std::vector<Bytes> samples = {Bytes(text.begin(), text.end()), runs, RandomBytes(rng, 700), Bytes(300, 0),
                                      Bytes{42}};

  for (int c = 0; c < COMPRESSOR_COUNT; ++c) {
    SCOPED_TRACE(GetCompressorName(c));
    std::vector<Bytes> corpus;
    for (const Bytes& s : samples) corpus.push_back(Compressed(c, s));
    int accepted = 0;
    for (int round = 0; round < kDecoderRounds; ++round) {
      const Bytes& seed = corpus[rng() % corpus.size()];
      Bytes input = round % 5 == 0 ? RandomBytes(rng, rng() % 600) : Mutate(rng, seed);
      uint32_t capacity;
      switch (rng() % 3) {
        case 0: capacity = static_cast<uint32_t>(samples[rng() % samples.size()].size()); break;
        case 1: capacity = static_cast<uint32_t>(rng() % 5000); break;
        default: capacity = static_cast<uint32_t>(rng() % 16); break;
      }
      // Exactly capacity bytes, so that one byte too many is caught.
      std::unique_ptr<uint8_t[]> out(new uint8_t[capacity]);
      uint32_t length = 0xFFFFFFFFu;
      bool ok = UncompressDataMem2Mem(c, input.data(), static_cast<uint32_t>(input.size()), out.get(), capacity,
                                      &length);
      ASSERT_LE(length, capacity);
      accepted += ok;

      if (round % 10 == 0) {  // the stream decoder reads the same format the same way
        FILE* f = std::tmpfile();
        if (!input.empty()) std::fwrite(input.data(), 1, input.size(), f);
        std::rewind(f);
        std::unique_ptr<uint8_t[]> fromFile(new uint8_t[capacity]);
        uint32_t fileLength = 0xFFFFFFFFu;
        bool fileOk =
            DecompressDataFile2Mem(c, f, static_cast<uint32_t>(input.size()), fromFile.get(), capacity, &fileLength);
        std::fclose(f);
        ASSERT_EQ(fileOk, ok);
        ASSERT_EQ(fileLength, length);
        ASSERT_EQ(std::memcmp(fromFile.get(), out.get(), length), 0);
      }
    }
    // Some damage goes unnoticed (a changed literal is still a literal) and
    // some is caught: both kinds must have been tried.
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, kDecoderRounds);
  }
}

class PakIndexFuzz : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_pakfuzz");
    fs::create_directories("pakfiles");
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
};

TEST_F(PakIndexFuzz, DamagedIndexesAreRefusedOrReadSafely) {
  std::mt19937 rng(2000);
  Bytes data = RandomBytes(rng, 400);
  std::vector<PakIndexItem> items;
  for (uint32_t i = 0; i < 6; ++i)
    items.push_back({"FOLDER\\FILE" + std::to_string(i) + ".DAT", i % 2 ? uint32_t{PAK_FLAG_COMPRESSED} : 0u, i * 60,
                     60, i % 2 ? 100u : 60u});
  const Bytes good = PakBuildIndex(items);
  std::ofstream("pakfiles/hdcommon.pkd", std::ios::binary).write(reinterpret_cast<const char*>(data.data()), 400);

  int accepted = 0, loaded = 0;
  for (int round = 0; round < kIndexRounds; ++round) {
    Bytes index = round % 8 == 0   ? RandomBytes(rng, rng() % 200)
                  : round % 8 == 2 ? DamageOneField(rng, good, data.size())
                                   : Mutate(rng, good);
    if (round % 8 == 1 && index.size() >= 4) std::memcpy(index.data(), "PAK0", 4);
    const uint32_t size = static_cast<uint32_t>(index.size());
    std::unique_ptr<uint8_t[]> exact(new uint8_t[size]);
    if (size) std::memcpy(exact.get(), index.data(), size);

    // The decoders on their own, asked for any entry, read only inside the
    // image and point only into it.
    PakIndexHeader header{};
    std::string fault;
    if (PakDecodeIndexHeader(exact.get(), size, &header, &fault)) {
      for (int32_t n : {-1, 0, header.entryCount - 1, header.entryCount, static_cast<int32_t>(rng())}) {
        PakIndexEntry entry{};
        const char* name = nullptr;
        if (PakDecodeIndexEntry(exact.get(), size, data.size(), header, n, &entry, &name, &fault)) {
          const char* image = reinterpret_cast<const char*>(exact.get());
          ASSERT_TRUE(name >= image && name + std::strlen(name) < image + size);
        } else {
          ASSERT_FALSE(fault.empty());
        }
      }
    }

    char error[200] = "";
    if (PakCheckIndex(exact.get(), size, data.size(), error, sizeof error) != 0) {
      ASSERT_NE(error[0], 0);
      continue;
    }
    ++accepted;
    if (loaded >= kIndexLoads) continue;
    ++loaded;

    // An index the checker lets through loads, and its plain entries read.
    std::ofstream("pakfiles/hdcommon.pki", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(index.data()), size);
    InitMemory(9500);
    PakFileInit();
    PakFileAdd("pakfiles\\hdcommon");
    PakFileAddDone();
    std::vector<std::string> plain;
    PakForEachFile([](const PakFileEntry* e, const char* name, void* user) {
      std::string copy = name;
      PakNormaliseName(copy.data());
      if (!(e->flags & PAK_FLAG_COMPRESSED) && e->unpackedSize > 0 && copy == name && copy.size() <= PAK_MAX_NAME)
        static_cast<std::vector<std::string>*>(user)->push_back(name);
    }, &plain);
    for (const std::string& name : plain) {
      uint8_t* bytes = nullptr;
      PakLoadFile(name.c_str(), &bytes, ManualFree);
      FreeMemory(&bytes);
    }
    PakFileUninit();
    UninitMemory();
  }
  EXPECT_GT(accepted, 0);
  EXPECT_LT(accepted, kIndexRounds);
}

}  // namespace
