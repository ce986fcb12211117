// The strip of player names the name labels copy from: every squad player's
// name drawn once in font 0, the slots side by side in one buffer.
#pragma once

#include <cstdint>

#include "engine/gfx.h"

constexpr int PLAYER_NAME_SLOTS = 35;     // 0-15 the first side, 16-31 the second, 32-34 the officials
constexpr int PLAYER_NAME_SIZE = 20;      // a slot's name with its NUL
constexpr int PLAYER_NAME_FONT = 0;
constexpr int PLAYER_NAME_SIDE_SLOTS = 16;

struct PlayerNameStrip {
  GfxBuffer* buffer;  // as wide as all slots, as high as font 0; colour 0 between the letters
  int32_t offset[PLAYER_NAME_SLOTS];
  int32_t width[PLAYER_NAME_SLOTS];  // at least 1
  char name[PLAYER_NAME_SLOTS][PLAYER_NAME_SIZE];
};

// InitPlayerNames (swscreen.h) builds it from the match set-up: slot p the
// first side's player p, slot 16 + p the second side's, for p below the
// substitutes allowed + 11 (at most 16). A name filling its whole 20-byte
// field keeps its first 19 characters.
const PlayerNameStrip& GetPlayerNameStrip();
// Frees the strip's buffer (the screen's close).
void FreePlayerNames();

// The module as at program start (a registered reset).
void PlayerNames_Reset();
