// Damaged containers, many of them: the reader either takes the file whole or
// leaves every block as it was, and never reads or writes out of bounds.
#include <cstring>
#include <random>
#include <vector>

#include "support/engine_fixture.h"
#include "world/datablocks.h"

namespace {

class BlockContainerFuzz : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    WinInit(nullptr, "Gafferon test", 1);  // the container's Poll needs a ready window
  }
};

TEST_F(BlockContainerFuzz, DamagedFilesAreTakenWholeOrNotAtAll) {
  std::mt19937 rng(42);
  uint8_t a[3], b[40], c[1];
  BlockTable table[4] = {{a, 3}, {b, 40}, {c, 1}, {nullptr, 0}};
  for (auto& x : a) x = static_cast<uint8_t>(rng());
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  c[0] = 7;

  char* buf = nullptr;
  size_t len = 0;
  FILE* out = open_memstream(&buf, &len);
  ASSERT_EQ(WriteDataBlocks(table, out, "SAV0"), 0);
  std::fclose(out);
  const std::vector<uint8_t> good(buf, buf + len);
  std::free(buf);

  int taken = 0, refused = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> file = good;
    int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits; ++e) {
      switch (rng() % 3) {
        case 0: file[rng() % file.size()] = static_cast<uint8_t>(rng()); break;
        case 1: file.resize(rng() % (file.size() + 1)); break;
        case 2: file.insert(file.begin() + static_cast<long>(rng() % (file.size() + 1)), static_cast<uint8_t>(rng())); break;
      }
      if (file.empty()) break;
    }
    uint8_t before[44];
    std::memcpy(before, a, 3);
    std::memcpy(before + 3, b, 40);
    before[43] = c[0];

    FILE* in = file.empty() ? nullptr : fmemopen(file.data(), file.size(), "rb");
    int result = in ? ReadDataBlocks(table, in, "SAV0") : -1;
    if (in) std::fclose(in);

    uint8_t after[44];
    std::memcpy(after, a, 3);
    std::memcpy(after + 3, b, 40);
    after[43] = c[0];
    if (result < 0) {
      ++refused;
      ASSERT_EQ(std::memcmp(before, after, 44), 0) << "round " << round << " code " << result;
    } else {
      ++taken;
      ASSERT_LE(result, 3);
    }
  }
  EXPECT_GT(refused, 0);
  EXPECT_GT(taken, 0);  // damage to block data alone goes unnoticed, by design
}

}  // namespace
