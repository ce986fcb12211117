// The FILM reader over films made here: every frame type of each version,
// the broken frames it refuses, and fuzzed films that must never make it
// read or write outside its buffers.
#include <cstring>
#include <vector>

#include "engine/bytes.h"
#include "engine/compress.h"
#include "engine/mem_win.h"
#include "menus/animplay.h"
#include "support/engine_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes FilmHeader(uint32_t version, uint16_t w, uint16_t h) {
  Bytes b(FILM_HEADER_SIZE, 0);
  std::memcpy(b.data(), "FILM", 4);
  StoreU32(b.data() + 4, version << 16);
  StoreU16(b.data() + 8, w);
  StoreU16(b.data() + 10, h);
  return b;
}

void AddFrame12(Bytes* film, uint32_t type, const Bytes& data, uint32_t size) {
  uint8_t header[8];
  StoreU32(header, size);
  StoreU32(header + 4, type);
  film->insert(film->end(), header, header + 8);
  film->insert(film->end(), data.begin(), data.end());
}
void AddFrame12(Bytes* film, uint32_t type, const Bytes& data) {
  AddFrame12(film, type, data, static_cast<uint32_t>(data.size()));
}

// A version-3 frame: stored as it is, or as a CMP0 block.
void AddFrame3(Bytes* film, uint32_t type, const Bytes& data, bool compress, uint32_t unpacked = 0xFFFFFFFF) {
  Bytes stored = data;
  uint32_t mark = FILM_UNPACKED;
  if (compress) {
    uint8_t* source = nullptr;
    AllocateMemory(&source, static_cast<uint32_t>(data.size()), ManualFree);
    std::memcpy(source, data.data(), data.size());
    uint8_t* block = nullptr;
    uint32_t blockSize = 0;
    CompressData(COMPRESSOR_LZ, reinterpret_cast<void**>(&source), static_cast<uint32_t>(data.size()),
                 reinterpret_cast<void**>(&block), &blockSize);
    stored.assign(block, block + blockSize);
    FreeMemory(&block);
    FreeMemory(&source);
    mark = 0;
  }
  uint8_t header[16];
  StoreU32(header, static_cast<uint32_t>(stored.size()));
  StoreU32(header + 4, type);
  StoreU32(header + 8, unpacked != 0xFFFFFFFF ? unpacked : static_cast<uint32_t>(data.size()));
  StoreU32(header + 12, mark);
  film->insert(film->end(), header, header + 16);
  film->insert(film->end(), stored.begin(), stored.end());
}

Bytes Palette(uint8_t seed) {
  Bytes p(FILM_PALETTE_SIZE);
  for (size_t i = 0; i < p.size(); ++i) p[i] = static_cast<uint8_t>(seed + i);
  return p;
}

class FilmTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(9500);
  }
};

// A 4 x 2 film of every version 1/2 frame type, one after the other, each
// decoded over the last.
TEST_F(FilmTest, VersionOneAndTwoFramesDecode) {
  for (uint32_t version : {1u, 2u}) {
    SCOPED_TRACE(version);
    Bytes film = FilmHeader(version, 4, 2);
    AddFrame12(&film, FILM_RAW, {1, 2, 3, 4, 5, 6, 7, 8});
    AddFrame12(&film, FILM_DELTA, {0, 9, 3, 7, 250, 1, 1});  // the skip past the frame ends it; the odd byte is left
    AddFrame12(&film, FILM_QUARTER, {10, 20});
    Bytes withPalette = {8, 7, 6, 5, 4, 3, 2, 1};
    const Bytes palette = Palette(3);
    withPalette.insert(withPalette.end(), palette.begin(), palette.end());
    AddFrame12(&film, FILM_RAW_PALETTE, withPalette);
    AddFrame12(&film, FILM_HALF_HEIGHT, {1, 2, 3, 4});
    AddFrame12(&film, FILM_HALF_WIDTH, {5, 6, 7, 8});
    const Bytes expected[] = {
        {1, 2, 3, 4, 5, 6, 7, 8},     {9, 2, 3, 7, 5, 6, 7, 8},     {10, 10, 20, 20, 10, 10, 20, 20},
        {8, 7, 6, 5, 4, 3, 2, 1},     {1, 2, 3, 4, 1, 2, 3, 4},     {5, 5, 6, 6, 7, 7, 8, 8},
    };
    Film* f = OpenFilmMemory(film.data(), static_cast<uint32_t>(film.size()));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->width, 4);
    EXPECT_EQ(f->height, 2);
    Bytes frame(8, 0x55);
    for (const Bytes& e : expected) {
      ASSERT_EQ(ReadFilmFrame(f, frame.data()), 0);
      EXPECT_EQ(frame, e);
    }
    EXPECT_TRUE(f->hasPalette);
    EXPECT_EQ(Bytes(f->palette, f->palette + FILM_PALETTE_SIZE), palette);
    EXPECT_EQ(ReadFilmFrame(f, frame.data()), -1);
    EXPECT_EQ(ReadFilmFrame(f, frame.data()), -1);
    CloseFilm(f);
  }
}

TEST_F(FilmTest, VersionThreeFramesStoredOrPacked) {
  Bytes film = FilmHeader(3, 8, 4);
  Bytes raw(32);
  for (size_t i = 0; i < raw.size(); ++i) raw[i] = static_cast<uint8_t>(i * 3);
  AddFrame3(&film, FILM_RAW, raw, false);
  Bytes half(16);
  for (size_t i = 0; i < half.size(); ++i) half[i] = static_cast<uint8_t>(100 + i / 4);
  AddFrame3(&film, FILM_HALF_WIDTH, half, true);
  Bytes withPalette(32, 42);
  const Bytes palette = Palette(11);
  withPalette.insert(withPalette.end(), palette.begin(), palette.end());
  AddFrame3(&film, FILM_RAW_PALETTE, withPalette, true);
  Film* f = OpenFilmMemory(film.data(), static_cast<uint32_t>(film.size()));
  ASSERT_NE(f, nullptr);
  Bytes frame(32, 0);
  ASSERT_EQ(ReadFilmFrame(f, frame.data()), 0);
  EXPECT_EQ(frame, raw);
  ASSERT_EQ(ReadFilmFrame(f, frame.data()), 0);
  for (size_t i = 0; i < 32; ++i) EXPECT_EQ(frame[i], half[i / 2]) << i;
  ASSERT_EQ(ReadFilmFrame(f, frame.data()), 0);
  EXPECT_EQ(frame, Bytes(32, 42));
  EXPECT_EQ(Bytes(f->palette, f->palette + FILM_PALETTE_SIZE), palette);
  EXPECT_EQ(ReadFilmFrame(f, frame.data()), -1);
  CloseFilm(f);
}

TEST_F(FilmTest, OnlyFilmsOpen) {
  Bytes film = FilmHeader(1, 4, 2);
  EXPECT_EQ(OpenFilmMemory(film.data(), 63), nullptr);  // shorter than its header
  Bytes other = film;
  other[0] = 'F';
  other[3] = 'X';
  EXPECT_EQ(OpenFilmMemory(other.data(), static_cast<uint32_t>(other.size())), nullptr);
  EXPECT_EQ(OpenFilmMemory(nullptr, 100), nullptr);
  Film* f = OpenFilmMemory(film.data(), static_cast<uint32_t>(film.size()));
  ASSERT_NE(f, nullptr);
  uint8_t frame[8];
  EXPECT_EQ(ReadFilmFrame(f, frame), -1);  // no frames
  CloseFilm(f);
}

// Each broken frame is refused before a byte is written, and the film stays
// at that frame.
TEST_F(FilmTest, BrokenFramesAreRefused) {
  struct Case {
    const char* name;
    Bytes film;
    FilmResult result;
  };
  std::vector<Case> cases;
  auto v12 = [](uint32_t type, const Bytes& data, uint32_t size) {
    Bytes f = FilmHeader(1, 4, 2);
    AddFrame12(&f, type, data, size);
    return f;
  };
  cases.push_back({"raw too short", v12(FILM_RAW, Bytes(7), 7), FILM_ERR_FRAME_SIZE});
  cases.push_back({"raw too long", v12(FILM_RAW, Bytes(9), 9), FILM_ERR_FRAME_SIZE});
  cases.push_back({"longer than the file", v12(FILM_RAW, Bytes(8), 9), FILM_ERR_FRAME_SIZE});
  cases.push_back({"delta longer than the file", v12(FILM_DELTA, Bytes(4), 0x7FFFFFFF), FILM_ERR_FRAME_SIZE});
  cases.push_back({"quarter", v12(FILM_QUARTER, Bytes(3), 3), FILM_ERR_FRAME_SIZE});
  cases.push_back({"palette missing", v12(FILM_RAW_PALETTE, Bytes(8), 8), FILM_ERR_FRAME_SIZE});
  cases.push_back({"half height", v12(FILM_HALF_HEIGHT, Bytes(3), 3), FILM_ERR_FRAME_SIZE});
  cases.push_back({"half width", v12(FILM_HALF_WIDTH, Bytes(8), 8), FILM_ERR_FRAME_SIZE});
  cases.push_back({"old palette", v12(FILM_OLD_PALETTE, Bytes(768), 768), FILM_ERR_OBSOLETE_PALETTE});
  cases.push_back({"unknown type", v12(8, Bytes(8), 8), FILM_ERR_UNKNOWN_TYPE});
  {
    Bytes f = FilmHeader(1, 4, 2);
    f.insert(f.end(), {1, 0, 0});  // a frame header cut short
    cases.push_back({"cut header", f, FILM_ERR_FRAME_SIZE});
  }
  {
    Bytes f = FilmHeader(4, 4, 2);
    AddFrame12(&f, FILM_RAW, Bytes(8));
    cases.push_back({"version 4", f, FILM_ERR_UNKNOWN_VERSION});
    Bytes g = FilmHeader(0, 4, 2);
    AddFrame12(&g, FILM_RAW, Bytes(8));
    cases.push_back({"version 0", g, FILM_ERR_UNKNOWN_VERSION});
  }
  auto v3 = [](uint32_t type, const Bytes& data, bool compress, uint32_t unpacked) {
    Bytes f = FilmHeader(3, 4, 2);
    AddFrame3(&f, type, data, compress, unpacked);
    return f;
  };
  cases.push_back({"v3 unpacked past the cap", v3(FILM_RAW, Bytes(8), false, 8 + 769), FILM_ERR_FRAME_SIZE});
  cases.push_back({"v3 packed past the cap", v3(FILM_RAW, Bytes(8), true, 0x7FFFFFFF), FILM_ERR_FRAME_SIZE});
  cases.push_back({"v3 stored size", v3(FILM_RAW, Bytes(8), false, 7), FILM_ERR_STORED_SIZE});
  cases.push_back({"v3 block of another size", v3(FILM_RAW, Bytes(8), true, 7), FILM_ERR_DECOMPRESS});
  cases.push_back({"v3 raw size", v3(FILM_RAW, Bytes(7), false, 7), FILM_ERR_FRAME_SIZE});
  cases.push_back({"v3 delta", v3(FILM_DELTA, Bytes(8), false, 8), FILM_ERR_UNKNOWN_TYPE});
  {
    Bytes f = v3(FILM_RAW, Bytes(8), true, 8);
    std::memcpy(f.data() + FILM_HEADER_SIZE + 16, "XXXX", 4);  // not a CMP0 block
    cases.push_back({"v3 not a block", f, FILM_ERR_DECOMPRESS});
    Bytes g = FilmHeader(3, 4, 2);
    g.insert(g.end(), 15, 0);
    cases.push_back({"v3 cut header", g, FILM_ERR_FRAME_SIZE});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Film* f = OpenFilmMemory(c.film.data(), static_cast<uint32_t>(c.film.size()));
    ASSERT_NE(f, nullptr);
    Bytes frame(8, 0x55);
    EXPECT_EQ(DecodeFilmFrame(f, frame.data()), c.result);
    EXPECT_EQ(frame, Bytes(8, 0x55));
    EXPECT_EQ(f->position, FILM_HEADER_SIZE);
    CloseFilm(f);
  }
}

TEST_F(FilmTest, ReadFilmFrameStopsOnABrokenFrame) {
  const struct {
    uint32_t version, type, size;
    const char* message;
  } cases[] = {
      {1, FILM_RAW, 7, "Abort error: ReadFilmFrame\\(\\): frame size wrong\n\\(File: animplay"},
      {2, FILM_OLD_PALETTE, 8, "Error: ReadFilmFrame\\(\\): obsolete 'Frame_Palette' found"},
      {1, 9, 8, "Error: ReadFilmFrame\\(\\): Unknown frame type 9 \\(version 1/2\\)"},
      {5, FILM_RAW, 8, "Abort error: ReadFilmFrame\\(\\): unknown film version"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Bytes film = FilmHeader(c.version, 4, 2);
    AddFrame12(&film, c.type, Bytes(c.size));
    Film* f = OpenFilmMemory(film.data(), static_cast<uint32_t>(film.size()));
    uint8_t frame[8];
    EXPECT_FATAL(ReadFilmFrame(f, frame), c.message);
    CloseFilm(f);
  }
  const struct {
    uint32_t type, unpacked;
    bool compress;
    const char* message;
  } v3cases[] = {
      {FILM_RAW, 7, false, "Abort error: ReadFilmFrame\\(\\): uncompressed frame wrong size"},
      {FILM_RAW, 7, true, "Abort error: ReadFilmFrame\\(\\): failed to decompress"},
      {FILM_QUARTER, 8, false, "Error: ReadFilmFrame\\(\\): Unknown frame type 4 \\(version 3\\)"},
  };
  for (const auto& c : v3cases) {
    SCOPED_TRACE(c.message);
    Bytes film = FilmHeader(3, 4, 2);
    AddFrame3(&film, c.type, Bytes(8, 1), c.compress, c.unpacked);
    Film* f = OpenFilmMemory(film.data(), static_cast<uint32_t>(film.size()));
    uint8_t frame[8];
    EXPECT_FATAL(ReadFilmFrame(f, frame), c.message);
    CloseFilm(f);
  }
}

// Fuzzed films: bytes of the headers and the frames changed at random (the
// packed frame's block only in its headers, as the block's own checks stop
// the program). Decoding runs to the end or the first refusal without ever
// touching memory outside its buffers (the sanitised build checks that), and
// a refused frame leaves the film where it was.
TEST_F(FilmTest, FuzzedFilmsNeverReachOutsideTheirBuffers) {
  Bytes base12 = FilmHeader(1, 6, 4);
  AddFrame12(&base12, FILM_RAW, Bytes(24, 1));
  AddFrame12(&base12, FILM_DELTA, {2, 3, 4, 5, 6, 7, 8, 9});
  AddFrame12(&base12, FILM_QUARTER, Bytes(6, 2));
  AddFrame12(&base12, FILM_HALF_HEIGHT, Bytes(12, 3));
  AddFrame12(&base12, FILM_HALF_WIDTH, Bytes(12, 4));
  Bytes pal(24, 5);
  pal.insert(pal.end(), FILM_PALETTE_SIZE, 6);
  AddFrame12(&base12, FILM_RAW_PALETTE, pal);
  Bytes base3 = FilmHeader(3, 6, 4);
  AddFrame3(&base3, FILM_RAW, Bytes(24, 1), false);
  AddFrame3(&base3, FILM_HALF_WIDTH, Bytes(12, 2), false);
  const size_t packedAt = base3.size();
  AddFrame3(&base3, FILM_RAW_PALETTE, pal, true);

  uint32_t seed = 12345;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return ((seed >> 16) & 0x7FFF) % n;
  };
  int decoded = 0, refused = 0;
  for (int round = 0; round < 3000; ++round) {
    const bool v3 = round % 2 == 1;
    Bytes film = v3 ? base3 : base12;
    const int changes = 1 + static_cast<int>(next(4));
    for (int k = 0; k < changes; ++k) {
      size_t at = FILM_HEADER_SIZE - 56 + next(static_cast<uint32_t>(film.size() - 8));
      if (v3 && at >= packedAt + 16) at = packedAt + next(16);  // the packed block's bytes stay whole
      const uint32_t kind = next(4);
      if (kind == 0)
        film[at] = static_cast<uint8_t>(next(256));
      else if (kind == 1)
        film[at] ^= static_cast<uint8_t>(1u << next(8));
      else if (kind == 2 && at + 4 <= film.size())
        StoreU32(film.data() + at, next(2) ? 0xFFFFFFFFu : next(70000));
      else
        film.resize(std::max<size_t>(FILM_HEADER_SIZE, film.size() - next(40)));
    }
    if (!v3) film[6] = static_cast<uint8_t>(next(3));  // versions 0-2 in the low version byte
    Film* f = OpenFilmMemory(film.data(), static_cast<uint32_t>(film.size()));
    if (!f) continue;
    const uint32_t area = static_cast<uint32_t>(f->width) * f->height;
    if (area > 1 << 20) {  // the caller sizes the frame; keep the test's small
      CloseFilm(f);
      continue;
    }
    Bytes frame(area + 1, 0);
    frame[area] = 0xA5;  // a guard byte past the frame
    for (int n = 0; n < 16; ++n) {
      const uint32_t before = f->position;
      const FilmResult r = DecodeFilmFrame(f, frame.data());
      if (r == FILM_OK) {
        ++decoded;
        ASSERT_GT(f->position, before);
        continue;
      }
      if (r != FILM_AT_END) ++refused;
      EXPECT_EQ(f->position, before);
      break;
    }
    EXPECT_EQ(frame[area], 0xA5);
    CloseFilm(f);
  }
  EXPECT_GT(decoded, 1000);
  EXPECT_GT(refused, 500);
}

}  // namespace
