// The strip of player names.
#include "render256/playernames.h"

#include <algorithm>
#include <cstring>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "render256/fontgame.h"
#include "render256/swscreen.h"

namespace {

PlayerNameStrip gStrip;

void PlayerNamesState_Reset() {
  // The buffer belongs to the memory layer, which its own reset empties.
  std::memset(&gStrip, 0, sizeof gStrip);
}

// The players of a side that take part: the substitutes allowed + 11.
int NamedPlayers(const uint8_t* setup) {
  const int substitutes = LoadI16(setup + SETUP_SUBSTITUTES);
  return std::clamp(substitutes + 11, 0, PLAYER_NAME_SIDE_SLOTS);
}

}  // namespace

REGISTER_RESET(RESET_RENDER, PlayerNamesState_Reset);

void PlayerNames_Reset() { PlayerNamesState_Reset(); }

const PlayerNameStrip& GetPlayerNameStrip() { return gStrip; }

void FreePlayerNames() {
  if (gStrip.buffer != nullptr) DestroyBuffer(&gStrip.buffer);
}

void InitPlayerNames() {
  FreePlayerNames();
  std::memset(gStrip.name, 0, sizeof gStrip.name);
  const uint8_t* setup = GetMatchSetupRecord();
  const int players = NamedPlayers(setup);
  for (int side = 0; side < 2; ++side)
    for (int p = 0; p < players; ++p) {
      const char* field = reinterpret_cast<const char*>(setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_PLAYERS +
                                                        p * MATCH_SETUP_PLAYER_SIZE + SETUP_PLAYER_SURNAME);
      const size_t length = strnlen(field, SETUP_PLAYER_SURNAME_SIZE);
      std::memcpy(gStrip.name[side * PLAYER_NAME_SIDE_SLOTS + p], field,
                  std::min(length, static_cast<size_t>(PLAYER_NAME_SIZE - 1)));
    }
  int32_t total = 0;
  for (int s = 0; s < PLAYER_NAME_SLOTS; ++s) {
    gStrip.offset[s] = total;
    gStrip.width[s] = std::max(1, FONT_GetTextWidth(gStrip.name[s], PLAYER_NAME_FONT));
    total += gStrip.width[s];
  }
  const int height = FONT_GetItem(PLAYER_NAME_FONT)->glyphHeight;
  CreateBuffer(&gStrip.buffer, total, height);
  std::memset(gStrip.buffer->pixels, 0, static_cast<size_t>(gStrip.buffer->stride) * height);
  for (int s = 0; s < 2 * PLAYER_NAME_SIDE_SLOTS; ++s)
    FONT_DrawStringTo(gStrip.buffer, PLAYER_NAME_FONT, gStrip.name[s], gStrip.offset[s], 0);
}
