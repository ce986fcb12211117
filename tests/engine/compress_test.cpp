#include "engine/compress.h"

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/pakwrite.h"
#include "support/engine_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes B(std::initializer_list<int> values) {
  Bytes out;
  for (int v : values) out.push_back(static_cast<uint8_t>(v));
  return out;
}

Bytes Str(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes Compress(int compressor, Bytes data) {
  Bytes out(CompressWorstCase(compressor, static_cast<uint32_t>(data.size())));
  uint32_t length = 0;
  CompressDataMem2Mem(compressor, data.data(), static_cast<uint32_t>(data.size()), out.data(), &length);
  EXPECT_LE(length, out.size());
  out.resize(length);
  return out;
}

// Decompresses into a buffer of exactly capacity bytes (so a write past it
// is caught by the sanitizer build); false when the decoder reports damage.
bool Uncompress(int compressor, const Bytes& packed, uint32_t capacity, Bytes* out) {
  Bytes buffer(capacity);
  uint32_t length = 0;
  bool ok = UncompressDataMem2Mem(compressor, packed.data(), static_cast<uint32_t>(packed.size()), buffer.data(),
                                  capacity, &length);
  EXPECT_LE(length, capacity);
  buffer.resize(length);
  *out = buffer;
  return ok;
}

class CompressTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(9500);
  }
};

// ---------------------------------------------------------------------------
// Known outputs
// ---------------------------------------------------------------------------

struct Vector {
  const char* what;
  int compressor;
  Bytes input;
  Bytes output;
};

std::vector<Vector> KnownVectors() {
  Bytes prefixedRun = Str("ABCDE");
  prefixedRun.resize(105, 'x');
  return {
      // The first three bytes meet contexts not seen before; the next five are guessed.
      {"predictor, eight equal bytes", 0, Bytes(8, 0x61), B({0xF8, 0x61, 0x61, 0x61})},
      {"predictor, short last group", 0, Str("ab"), B({0x00, 'a', 'b'})},
      {"predictor, empty", 0, {}, {}},
      // Two leaves under one node: 'a' is the left edge (bit 0), 'b' the right.
      {"huffman, two symbols", 1, Str("aab"), B({3, 0, 0, 0, 1, 0, 0, 0, 0x61, 1, 0x62, 1, 0x04, 0, 0, 0})},
      {"huffman, empty", 1, {}, B({0, 0, 0, 0, 0, 0, 0, 0})},
      {"huffman, one value", 1, Str("zzzz"), B({4, 0, 0, 0, 1, 0, 0, 0, 0x7A, 1, 0x7A, 1, 0, 0, 0, 0})},
      // Escape 0xFF; a match of the longest token (63) at distance 5, then the
      // remaining 32 from the farthest start (distance 68).
      {"lz, run after a prefix", 3, prefixedRun,
       B({0xFF, 'A', 'B', 'C', 'D', 'E', 'x', 'x', 'x', 'x', 'x', 0xFF, 63 << 2, 5, 0xFF, 32 << 2, 68})},
      {"lz, escape byte as literal", 3, B({1, 2, 3}), B({0xFF, 1, 2, 3})},
      {"lz, empty", 3, {}, {}},
      {"zero-run, 300 zeros", 4, Bytes(300, 0), B({0, 0, 1, 44})},
      {"zero-run, one zero", 4, B({0}), B({0, 1})},
      {"zero-run, longest token then the rest", 4, Bytes(65026, 0), B({0, 0, 0xFE, 0x01, 0, 1})},
      {"zero-run, literals", 4, B({5, 0, 0, 7}), B({5, 0, 2, 7})},
      {"run-length, three equal bytes are literals", 5, Str("aaa"), B({0xFF, 'a', 'a', 'a'})},
      {"run-length, four equal bytes are a run", 5, Str("aaaa"), B({0xFF, 0xFF, 'a', 4})},
      {"run-length, long run", 5, Bytes(300, 'a'), B({0xFF, 0xFF, 'a', 0, 1, 44})},
  };
}

TEST_F(CompressTest, KnownVectorsCompressAndComeBack) {
  for (const Vector& v : KnownVectors()) {
    SCOPED_TRACE(v.what);
    EXPECT_EQ(Compress(v.compressor, v.input), v.output);
    Bytes back;
    EXPECT_TRUE(Uncompress(v.compressor, v.output, static_cast<uint32_t>(v.input.size()), &back));
    EXPECT_EQ(back, v.input);
  }
}

TEST_F(CompressTest, RunLengthEscapeByteInTheInputIsWrittenAsARunOfOne) {
  // Every value occurs once except 0x00 (twice), so 0xFF is the least
  // frequent of the values that tie at one occurrence: the highest.
  Bytes input;
  for (int v = 0; v < 256; ++v) input.push_back(static_cast<uint8_t>(v));
  input.push_back(0);
  Bytes packed = Compress(5, input);
  ASSERT_EQ(packed[0], 0xFF);
  EXPECT_EQ(Bytes(packed.end() - 4, packed.end()), B({0xFF, 0xFF, 1, 0}));
}

TEST_F(CompressTest, HuffmanPaddingBitsAreNeverRead) {
  Bytes packed = Compress(1, Str("aab"));
  for (size_t i = 13; i < packed.size(); ++i) packed[i] = 0xFF;  // past the three code bits
  packed[12] |= 0xF8;
  Bytes back;
  ASSERT_TRUE(Uncompress(1, packed, 3, &back));
  EXPECT_EQ(back, Str("aab"));
}

TEST_F(CompressTest, LzMatchesNeverExceedTheLongestToken) {
  Bytes input = Str("12345");
  input.resize(1000, 'q');
  Bytes packed = Compress(3, input);
  uint32_t covered = 0;
  for (size_t i = 1; i < packed.size(); ++i) {
    if (packed[i] != packed[0]) {
      ++covered;
    } else {
      uint32_t len = packed[i + 1] >> 2;
      EXPECT_GE(len, 4u);
      EXPECT_LE(len, 63u);
      covered += len;
      i += 2;
    }
  }
  EXPECT_EQ(covered, input.size());
}

TEST_F(CompressTest, MoveToFrontCodesPositionsAndLeavesTheSourceAlone) {
  Bytes coded(3), decoded(3);
  MTFEncode(B({1, 1, 0}).data(), coded.data(), 3);
  EXPECT_EQ(coded, B({1, 0, 1}));
  MTFDecode(coded.data(), decoded.data(), 3);
  EXPECT_EQ(decoded, B({1, 1, 0}));

  Bytes text = Str("the move-to-front compressor changes its source only while it runs");
  Bytes copy = text;
  Bytes out(CompressWorstCase(2, static_cast<uint32_t>(text.size())));
  uint32_t length;
  CompressDataMem2Mem(2, text.data(), static_cast<uint32_t>(text.size()), out.data(), &length);
  EXPECT_EQ(text, copy);
}

// ---------------------------------------------------------------------------
// Round trips
// ---------------------------------------------------------------------------

struct Sample {
  const char* what;
  Bytes data;
};

std::vector<Sample> Samples() {
  std::mt19937 rng(2000);
  auto random = [&](size_t n) {
    Bytes b(n);
    for (auto& x : b) x = static_cast<uint8_t>(rng());
    return b;
  };
  std::string text;
  while (text.size() < 20000)
    text += "Gafferon 2000: the manager picks the squad, the tactics and the transfers; the board watches. ";
  Bytes runs;
  for (int i = 0; runs.size() < 70000; ++i) runs.insert(runs.end(), static_cast<size_t>(1 + i * 37 % 700), static_cast<uint8_t>(i % 5));
  Bytes mixed;  // 1 MiB of text, runs, zeros and noise
  while (mixed.size() < (1u << 20)) {
    Bytes part = random(3000);
    mixed.insert(mixed.end(), text.begin(), text.begin() + 5000);
    mixed.insert(mixed.end(), part.begin(), part.end());
    mixed.insert(mixed.end(), runs.begin(), runs.begin() + 9000);
    mixed.insert(mixed.end(), 4000, 0);
  }
  mixed.resize(1u << 20);
  Bytes alternating;  // the zero-run compressor's worst case
  for (int i = 0; i < 5000; ++i) alternating.push_back(i % 2 ? 9 : 0);
  return {
      {"empty", {}},
      {"one byte", B({0x42})},
      {"eight bytes", Str("Gafferon")},
      {"64 KB of zeros", Bytes(65536, 0)},
      {"runs", runs},
      {"text", Str(text)},
      {"random", random(50000)},
      {"alternating zeros", alternating},
      {"every byte value", [] {
         Bytes b;
         for (int r = 0; r < 4; ++r)
           for (int v = 0; v < 256; ++v) b.push_back(static_cast<uint8_t>(v));
         return b;
       }()},
      {"1 MiB mixed", mixed},
  };
}

TEST_F(CompressTest, EveryCompressorRoundTripsThroughMemoryAndFile) {
  const std::vector<Sample> samples = Samples();
  for (int c = 0; c < COMPRESSOR_COUNT; ++c) {
    for (const Sample& s : samples) {
      SCOPED_TRACE(std::string(GetCompressorName(c)) + ", " + s.what);
      const uint32_t size = static_cast<uint32_t>(s.data.size());
      uint8_t* source = nullptr;
      AllocateMemory(&source, size, ManualFree);
      if (size) std::memcpy(source, s.data.data(), size);
      uint8_t* block = nullptr;
      uint32_t blockSize = 0;
      CompressData(c, reinterpret_cast<void**>(&source), size, reinterpret_cast<void**>(&block), &blockSize);
      ASSERT_EQ(blockSize, 16 + (block[8] | block[9] << 8 | block[10] << 16 | static_cast<uint32_t>(block[11]) << 24));
      EXPECT_EQ(std::memcmp(block, "CMP0", 4), 0);
      EXPECT_EQ(block[4], c);
      EXPECT_LE(blockSize - 16, CompressWorstCase(c, size));
      EXPECT_TRUE(size == 0 || std::memcmp(source, s.data.data(), size) == 0) << "the source changed";

      Bytes out(size);
      EXPECT_EQ(DecompressDataMem(block, blockSize, out.data(), size), size);
      EXPECT_TRUE(out == s.data);

      FILE* f = std::tmpfile();
      std::fputs("junk", f);  // the stream is read from where it stands
      std::fwrite(block, 1, blockSize, f);
      std::fseek(f, 4, SEEK_SET);
      Bytes fromFile(size);
      EXPECT_EQ(DecompressDataFile(f, blockSize, fromFile.data(), size), size);
      EXPECT_TRUE(fromFile == s.data);
      std::fclose(f);
      FreeMemory(&block);
      FreeMemory(&source);
    }
  }
  UninitMemory();
}

// ---------------------------------------------------------------------------
// The container's checks
// ---------------------------------------------------------------------------

Bytes GoodBlock() {
  Bytes data = Str("a block for the container checks, a block for the container checks");
  return PakMakeCmp0Block(COMPRESSOR_LZ, data.data(), static_cast<uint32_t>(data.size()));
}

void SetLE32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

struct BadBlock {
  const char* what;
  std::function<void(Bytes&, uint32_t&)> damage;  // block and destination size
  const char* memMessage;
  const char* fileMessage;
};

std::vector<BadBlock> BadBlocks() {
  return {
      {"no ID", [](Bytes& b, uint32_t&) { b[3] = '1'; }, "DecompressDataMem\\(\\): no ID field on compressed data",
       "DecompressDataFile\\(\\): no ID field on compressed data"},
      {"shorter than a header", [](Bytes& b, uint32_t&) { b.resize(10); },
       "DecompressDataMem\\(\\): no ID field on compressed data", "DecompressDataFile\\(\\): no ID field"},
      {"compressor 6", [](Bytes& b, uint32_t&) { b[4] = 6; }, "DecompressDataMem\\(\\): unknown compression type",
       "DecompressDataFile\\(\\): unknown compression type"},
      {"compressed size one more",
       [](Bytes& b, uint32_t&) { SetLE32(b, 8, static_cast<uint32_t>(b.size() - 16 + 1)); },
       "DecompressDataMem\\(\\): header does not match compressed data size",
       "DecompressDataFile\\(\\): header does not match compressed data size"},
      {"compressed size near 4 GB", [](Bytes& b, uint32_t&) { SetLE32(b, 8, 0xFFFFFFF8u); },
       "header does not match compressed data size", "header does not match compressed data size"},
      {"destination one byte short", [](Bytes&, uint32_t& dest) { --dest; },
       "DecompressDataMem\\(\\): buffer too small for decompression",
       "DecompressDataFile\\(\\): buffer too small for decompression"},
      {"unpacked size one less", [](Bytes& b, uint32_t&) { SetLE32(b, 12, (b[12] | b[13] << 8) - 1); },
       "DecompressDataMem\\(\\): real decompress data size did not match header!",
       "Error: DecompressDataFile\\(\\): real decompress data size did not match header! \\(wanted 65, but got 66\\)"},
      {"unpacked size one more", [](Bytes& b, uint32_t& dest) { SetLE32(b, 12, ++dest); },
       "DecompressDataMem\\(\\): real decompress data size did not match header!",
       "real decompress data size did not match header! \\(wanted 67, but got 66\\)"},
      {"damaged token", [](Bytes& b, uint32_t&) { b.push_back(b[16]); SetLE32(b, 8, static_cast<uint32_t>(b.size() - 16)); },
       "DecompressDataMem\\(\\): real decompress data size did not match header!",
       "real decompress data size did not match header!"},
  };
}

TEST_F(CompressTest, DamagedBlocksStopWithTheirMessage) {
  for (const BadBlock& bad : BadBlocks()) {
    SCOPED_TRACE(bad.what);
    Bytes block = GoodBlock();
    uint32_t dest = 66;
    bad.damage(block, dest);
    Bytes out(dest + 8);
    EXPECT_FATAL(DecompressDataMem(block.data(), static_cast<uint32_t>(block.size()), out.data(), dest),
                 std::string(bad.memMessage) + ".*\\(File: compress");
    EXPECT_FATAL(
        {
          FILE* f = std::tmpfile();
          std::fwrite(block.data(), 1, block.size(), f);
          std::rewind(f);
          DecompressDataFile(f, static_cast<uint32_t>(block.size()), out.data(), dest);
        },
        bad.fileMessage);
  }
}

TEST_F(CompressTest, AStreamThatEndsEarlyIsTheFileLayersError) {
  Bytes block = GoodBlock();
  EXPECT_FATAL(
      {
        FILE* f = std::tmpfile();
        std::fwrite(block.data(), 1, block.size() - 5, f);
        std::rewind(f);
        Bytes out(66);
        DecompressDataFile(f, static_cast<uint32_t>(block.size()), out.data(), 66);
      },
      "Error: DOSReadFile\\(\\): Cannot read [0-9]+ bytes: unexpected end of file");
}

TEST_F(CompressTest, CompressorNumbersOutsideTheTableAbort) {
  uint8_t byte = 0, out[8];
  uint32_t length;
  EXPECT_FATAL(CompressWorstCase(6, 1), "CompressWorstCase\\(\\): compression number out of range");
  EXPECT_FATAL(CompressDataMem2Mem(-1, &byte, 1, out, &length), "CompressDataMem2Mem\\(\\): compression number out of range");
  EXPECT_FATAL(UncompressDataMem2Mem(6, &byte, 1, out, 8, &length),
               "UncompressDataMem2Mem\\(\\): compression number out of range");
  EXPECT_FATAL(DecompressDataFile2Mem(7, nullptr, 1, out, 8, &length),
               "DecompressDataFile2Mem\\(\\): compression number out of range");
  EXPECT_FATAL(GetCompressorInfo(6), "GetCompressorInfo\\(\\): compressor num out of range");
}

TEST(CompressTable, WorstCasesFlagsAndChoice) {
  const uint32_t n = 1000;
  const uint32_t worst[COMPRESSOR_COUNT] = {9 * (n + 8) / 8, n + 1032, n + 1032, 2 * n, n + n / 2 + 1, n + n / 2 + 1};
  const uint32_t flags[COMPRESSOR_COUNT] = {0x31, 0x111, 0x31, 0x32, 0, 0};
  for (int c = 0; c < COMPRESSOR_COUNT; ++c) {
    EXPECT_EQ(CompressWorstCase(c, n), worst[c]);
    EXPECT_EQ(GetCompressorInfo(c), flags[c]);
  }
  EXPECT_EQ(GetCompressorCount(), 6);
  const struct {
    uint32_t flags;
    int compressor;
  } choices[] = {{0xFFFF, 6}, {0x100, 1}, {0x101, 1}, {0x1, 0}, {0x31, 0}, {0x2, 3}, {0x0, 2}, {0x3, 2}, {0x1000, 2}};
  for (const auto& choice : choices) EXPECT_EQ(ChooseCompressor(choice.flags), choice.compressor) << choice.flags;
}

// ---------------------------------------------------------------------------
// Damaged streams: the decoders report, stay in bounds and end
// ---------------------------------------------------------------------------

TEST(CompressDamage, DecodersReportDamageWithoutLeavingTheirBuffers) {
  const struct {
    const char* what;
    int compressor;
    Bytes packed;
    uint32_t capacity;
    uint32_t written;  // bytes out before the fault was found (all the room on overflow)
  } cases[] = {
      {"predictor: more output than room", 0, B({0xFF}), 5, 5},
      {"huffman: truncated header", 1, B({1, 0, 0}), 10, 0},
      {"huffman: 257 nodes", 1, B({1, 0, 0, 0, 1, 1, 0, 0}), 10, 0},
      {"huffman: child is a node that does not exist", 1, B({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0x61, 1, 0}), 10, 0},
      {"huffman: child past the leaves", 1, B({1, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0x61, 1, 0}), 10, 0},
      {"huffman: size without a tree", 1, B({1, 0, 0, 0, 0, 0, 0, 0}), 10, 0},
      {"huffman: size past the room", 1, B({11, 0, 0, 0, 1, 0, 0, 0, 0x61, 1, 0x62, 1, 0, 0}), 10, 10},
      {"huffman: stream ends early", 1, B({9, 0, 0, 0, 1, 0, 0, 0, 0x61, 1, 0x62, 1, 0}), 10, 8},
      // Node 0 leads back to itself: only the stream's end stops it.
      {"huffman: looping tree", 1, B({3, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}), 10, 0},
      {"mtf-huffman: stream ends early", 2, B({9, 0, 0, 0, 1, 0, 0, 0, 0x61, 1, 0x62, 1, 0}), 10, 8},
      {"lz: distance 0", 3, B({0xFF, 1, 0xFF, 4 << 2, 0}), 10, 1},
      {"lz: distance before the start", 3, B({0xFF, 1, 2, 0xFF, 4 << 2, 3}), 10, 2},
      {"lz: length below 4", 3, B({0xFF, 1, 2, 0xFF, 1, 1}), 10, 2},
      {"lz: truncated token", 3, B({0xFF, 1, 0xFF, 4 << 2}), 10, 1},
      {"lz: copy past the room", 3, B({0xFF, 1, 0xFF, 63 << 2, 1}), 10, 10},
      {"zero-run: truncated long run", 4, B({0, 0, 1}), 500, 0},
      {"zero-run: run past the room", 4, B({7, 0, 200}), 100, 100},
      {"run-length: truncated run", 5, B({0xFF, 0xFF, 'a'}), 10, 0},
      {"run-length: long run past the room", 5, B({0xFF, 0xFF, 'a', 0, 1, 0}), 255, 255},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes out;
    EXPECT_FALSE(Uncompress(c.compressor, c.packed, c.capacity, &out));
    EXPECT_EQ(out.size(), c.written);
  }
}

}  // namespace

// The block header is laid out byte for byte: "CMP0", the compressor as a
// 16-bit word, two zero bytes, the compressed and the unpacked size.
TEST(Cmp0Header, EncodesAndDecodesItsBytes) {
  uint8_t bytes[CMP0_HEADER_SIZE];
  std::memset(bytes, 0xAA, sizeof bytes);
  Cmp0EncodeHeader({true, 3, 0x01020304u, 0xA0B0C0D0u}, bytes);
  const uint8_t expected[CMP0_HEADER_SIZE] = {'C', 'M', 'P', '0', 3, 0, 0, 0, 4, 3, 2, 1, 0xD0, 0xC0, 0xB0, 0xA0};
  EXPECT_EQ(std::memcmp(bytes, expected, sizeof bytes), 0);
  const Cmp0Header h = Cmp0DecodeHeader(bytes);
  EXPECT_TRUE(h.hasId);
  EXPECT_EQ(h.compressor, 3);
  EXPECT_EQ(h.compressedSize, 0x01020304u);
  EXPECT_EQ(h.unpackedSize, 0xA0B0C0D0u);
  bytes[3] = '1';
  EXPECT_FALSE(Cmp0DecodeHeader(bytes).hasId);
}
