#include "engine/rand.h"

#include "engine/reset.h"

namespace {
uint32_t gRandState = GAME_RAND_START_SEED;
}

void GameSeedRandom(uint32_t seed) { gRandState = seed; }

int GameRandom() {
  gRandState = gRandState * 1103515245u + 12345u;
  return static_cast<int>((gRandState >> 16) & 32767u);
}

uint32_t GameRandomState() { return gRandState; }
void GameSetRandomState(uint32_t state) { gRandState = state; }

void RandReset() { gRandState = GAME_RAND_START_SEED; }
REGISTER_RESET(RESET_ENGINE, RandReset);
