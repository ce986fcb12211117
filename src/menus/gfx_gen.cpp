#include "menus/gfx_gen.h"

#include "engine/bytes.h"
#include "world/savegame.h"

void ClearCustomTactics() {
  for (int k = 0; k < NUM_CUSTOM_TACTICS; ++k) StoreI16(SavePlaceholders.customTactics + k * TACTICS_RECORD_SIZE + 5, -1);
}
