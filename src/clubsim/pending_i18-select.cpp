// TEMPORARY stand-ins for the reserve pool's steps (see pending_i18-select.h).
#include "clubsim/pending_i18-select.h"

#include "world/lists.h"
#include "world/players.h"

namespace {

bool Matches(int16_t player, int16_t keeperWanted) {
  if (player < 0) return false;
  const bool keeper = Player_GetPosition(player) == 0;
  return keeperWanted != 0 ? keeper : !keeper;
}

int16_t Take(int16_t slot, int16_t club) {
  const int16_t player = Reserve_GetPlayer(slot);
  Player_SetWage(player, 0);
  Player_SetClub(player, club);
  Reserve_SetInUse(slot, 1);
  Reserve_SetClub(slot, club);
  Reserve_SetPicked(slot, 0);
  return player;
}

}  // namespace

void ReleaseReserves(int16_t club) {
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) {
    const int16_t p = Reserve_GetPlayer(slot);
    if (p < 0 || Player_GetClub(p) != club || Reserve_GetPicked(slot) != 0 || Player_GetShirt(p) != 0) continue;
    Reserve_SetInUse(slot, 0);
    Player_SetClub(p, PLAYER_CLUB_FREE_AGENT);
  }
}

int16_t PickReservePlayer(int16_t club, int16_t keeperWanted) {
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) {
    const int16_t p = Reserve_GetPlayer(slot);
    if (p >= 0 && Player_GetWage(p) != 0) Reserve_SetPlayer(slot, -1);
  }
  // Fit players only: a reserve does not go into a side hurt.
  const auto usable = [&](int16_t slot) {
    const int16_t p = Reserve_GetPlayer(slot);
    return Matches(p, keeperWanted) && Reserve_GetPicked(slot) == 0 && Player_GetInFlag(p) == 0;
  };
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (usable(slot) && Reserve_GetClub(slot) == club && Player_GetClub(Reserve_GetPlayer(slot)) != club)
      return Take(slot, club);
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (usable(slot) && Reserve_GetClub(slot) == PLAYER_CLUB_NONE) return Take(slot, club);
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (usable(slot) && Reserve_GetInUse(slot) == 0) return Take(slot, club);
  return -1;
}

int16_t ReserveSlotOfPlayer(int16_t player) {
  if (player < 0) return -1;
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (Reserve_GetPlayer(slot) == player) return slot;
  return -1;
}

void SelectionMorale(int16_t) {}
