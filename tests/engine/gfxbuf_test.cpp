#include <cstring>
#include <string>
#include <vector>

#include "engine/gfx.h"
#include "support/engine_fixture.h"

namespace {

// A buffer of width x height inside guard bytes, so that any write outside it shows.
struct GuardedBuffer {
  static constexpr int kGuard = 64;
  std::vector<uint8_t> memory;
  GfxBuffer buffer{};
  GuardedBuffer(int width, int height, uint8_t fill = 0) {
    int stride = (width + 15) & ~15;
    memory.assign(static_cast<size_t>(kGuard * 2 + stride * height), 0xEE);
    buffer = {static_cast<int16_t>(width), static_cast<int16_t>(height), memory.data() + kGuard, width, height, stride};
    for (int y = 0; y < height; ++y) std::memset(At(0, y), fill, static_cast<size_t>(stride));
  }
  uint8_t* At(int x, int y) { return buffer.pixels + y * buffer.stride + x; }
  bool GuardsIntact() const {
    for (int i = 0; i < kGuard; ++i)
      if (memory[i] != 0xEE || memory[memory.size() - 1 - i] != 0xEE) return false;
    return true;
  }
  // Rows as text, '.' for 0 and the hex digit of other values' low nibble.
  std::string Rows() {
    std::string s;
    for (int y = 0; y < buffer.height; ++y) {
      for (int x = 0; x < buffer.width; ++x) s += *At(x, y) ? "0123456789ABCDEF"[*At(x, y) & 15] : '.';
      s += '\n';
    }
    return s;
  }
};

TEST(Blitters, CopyFillAndTransparentCopyFollowTheByteRule) {
  uint8_t dest[4] = {0xFF, 0xFF, 0xFF, 0xFF};
  const uint8_t row[4] = {0x00, 0x05, 0x00, 0x07};
  BlitCopyTrans(1, 4, row, 0, dest, 0);
  EXPECT_EQ(std::vector<uint8_t>(dest, dest + 4), (std::vector<uint8_t>{0xFF, 0x05, 0xFF, 0x07}));

  // A fill of width 6 at an odd address writes exactly 6 bytes of each row.
  alignas(4) uint8_t area[2 * 10];
  std::memset(area, 0xAA, sizeof area);
  BlitFill(0x11111111, 2, 6, area + 1, 4);
  const std::string want = "A111111AAAA111111AA";  // 6 bytes, 4 skipped
  std::string got;
  for (int i = 0; i < 19; ++i) got += area[i] == 0xAA ? 'A' : '1';
  EXPECT_EQ(got, want);

  // Copies with different skips on each side.
  const uint8_t source[6] = {1, 2, 9, 3, 4, 9};
  uint8_t copy[8] = {};
  BlitCopy(2, 2, source, 1, copy, 2);
  EXPECT_EQ(std::vector<uint8_t>(copy, copy + 8), (std::vector<uint8_t>{1, 2, 0, 0, 3, 4, 0, 0}));
}

TEST(Blitters, ScaledCopiesTakeTheNearestPixel) {
  const uint8_t two[4] = {1, 2, 3, 4};
  GuardedBuffer up(4, 4);
  BlitScaled(0, 0, 2, 2, two, 4, 4, up.buffer.pixels, up.buffer.stride);
  EXPECT_EQ(up.Rows(), "1122\n1122\n3344\n3344\n");

  uint8_t four[16];
  for (int i = 0; i < 16; ++i) four[i] = static_cast<uint8_t>(i + 1);
  GuardedBuffer down(2, 2);
  BlitScaled(0, 0, 4, 4, four, 2, 2, down.buffer.pixels, down.buffer.stride);
  EXPECT_EQ(down.Rows(), "13\n9B\n");  // columns and rows 0 and 2

  const uint8_t holes[4] = {5, 0, 0, 6};
  GuardedBuffer trans(4, 2, 7);
  BlitScaledTrans(0, 0, 2, 2, holes, 4, 2, trans.buffer.pixels, trans.buffer.stride);
  EXPECT_EQ(trans.Rows(), "5577\n7766\n");

  GuardedBuffer none(2, 2);
  BlitScaled(0, 0, 2, 2, two, 0, 2, none.buffer.pixels, none.buffer.stride);
  EXPECT_EQ(none.Rows(), "..\n..\n");
}

TEST(Blitters, BufferDrawingIsClippedToTheBuffer) {
  const uint8_t two[4] = {1, 2, 3, 4};
  const struct {
    const char* what;
    void (*draw)(GfxBuffer*, const uint8_t*);
    const char* rows;
  } cases[] = {
      {"scaled off the top left", [](GfxBuffer* b, const uint8_t* s) { BufferBlitScaled(b, -2, -2, 2, 2, 4, 4, s); },
       "44..\n44..\n....\n"},
      {"scaled off the bottom right",
       [](GfxBuffer* b, const uint8_t* s) { BufferBlitScaledTrans(b, 3, 2, 2, 2, 4, 4, s); }, "....\n....\n...1\n"},
      {"scaled far away", [](GfxBuffer* b, const uint8_t* s) { BufferBlitScaled(b, 3000, -3000, 2, 2, 64, 64, s); },
       "....\n....\n....\n"},
      {"line across", [](GfxBuffer* b, const uint8_t*) { BufferDrawLine(b, -3, 1, 9, 1, 5); }, "....\n5555\n....\n"},
      {"line from far outside",
       [](GfxBuffer* b, const uint8_t*) { BufferDrawLine(b, -20000, -20000, 20000, 20000, 5); }, "....\n....\n....\n"},
      {"char at a negative corner", [](GfxBuffer* b, const uint8_t*) { BufferDrawChar(b, -5, -4, 127); },
       "FF..\nFF..\nFF..\n"},
      {"text past the right edge", [](GfxBuffer* b, const uint8_t*) { BufferPrintString(b, 2, -4, "\x7f\x7f\x7f"); },
       "...F\n...F\n...F\n"},
  };
  for (const auto& c : cases) {
    GuardedBuffer g(4, 3);
    c.draw(&g.buffer, two);
    EXPECT_EQ(g.Rows(), c.rows) << c.what;
    EXPECT_TRUE(g.GuardsIntact()) << c.what;
  }
}

TEST(Blitters, LinesDrawTheStartPointButNotTheEnd) {
  GuardedBuffer g(4, 3);
  BufferDrawLine(&g.buffer, 0, 0, 3, 1, 1);
  EXPECT_EQ(g.Rows(), "11..\n..1.\n....\n");
  GuardedBuffer steep(3, 4);
  BufferDrawLine(&steep.buffer, 2, 3, 1, 0, 2);
  EXPECT_EQ(steep.Rows(), "...\n.2.\n..2\n..2\n");
  GuardedBuffer dot(2, 2);
  BufferDrawLine(&dot.buffer, 1, 1, 1, 1, 3);
  EXPECT_EQ(dot.Rows(), "..\n..\n");
}

TEST(Blitters, TextIsOpaqueEightByEight) {
  GuardedBuffer g(16, 8, 9);
  BufferPrintf(&g.buffer, 0, 0, "%c%c", 127, ' ');
  // The block glyph: six pixels wide, seven high; clear bits write 0.
  EXPECT_EQ(g.Rows().substr(0, 17), ".FFFFFF.........\n");
  EXPECT_EQ(*g.At(15, 7), 0);
}

class BufferTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(9500);
  }
};

TEST_F(BufferTest, StrideIsRoundedUpToSixteen) {
  const struct {
    int width, stride;
  } cases[] = {{320, 320}, {321, 336}, {1, 16}, {16, 16}};
  for (const auto& c : cases) {
    GfxBuffer* b = nullptr;
    CreateBuffer(&b, c.width, 3);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->stride, c.stride) << c.width;
    EXPECT_EQ(b->width, c.width);
    EXPECT_EQ(b->w, c.width);
    EXPECT_EQ(b->h, 3);
    std::memset(b->pixels, 1, static_cast<size_t>(b->stride * 3));
    DestroyBuffer(&b);
    EXPECT_EQ(b, nullptr);
  }
  EXPECT_EQ(GetMemoryStats().count, 0u);
}

}  // namespace
