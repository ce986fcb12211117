// The game's random number generator. Every roll of the game comes from here,
// so a run started from a known seed repeats exactly.
#pragma once

#include <cstdint>

// state = state * 1103515245 + 12345; result = (state >> 16) & 32767.
void GameSeedRandom(uint32_t seed);
int GameRandom();
constexpr int GAME_RAND_MAX = 32767;

uint32_t GameRandomState();
void GameSetRandomState(uint32_t state);

// The state before anything seeds the generator.
constexpr uint32_t GAME_RAND_START_SEED = 1;
// Back to the start state (a registered reset).
void RandReset();
