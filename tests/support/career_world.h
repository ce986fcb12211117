// Worlds after played seasons: a new game made from the generated database,
// then whole seasons played by the game's own day loop, as the career tool
// plays them. Playing a season takes a while, so each world is played once per
// test process, saved in a folder kept until the process ends, and loaded
// from there by every test that asks for it again: every test starts from the
// same loaded world.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "support/engine_fixture.h"

struct CareerWorld {
  int country = 0;
  uint32_t seed = 1;
  int club = -1;    // the human manager's club; -1: the first club of the top division
  int seasons = 1;  // whole seasons played
};

// The engine fixture with the world of a career: call LoadCareerWorld in the
// test (or in SetUp). The working folder is the world's folder during the test.
class CareerWorldTest : public EngineTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Loads the world (playing and saving it first if this process has not
  // yet); the seams are connected to the game's parts, as in the game. Answers
  // the human club. The test fails (and answers -1) when the world cannot be
  // made or loaded.
  int16_t LoadCareerWorld(const CareerWorld& world);

 private:
  std::optional<std::filesystem::path> previous_;
};
