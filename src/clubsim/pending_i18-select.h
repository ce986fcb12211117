// TEMPORARY: the reserve pool's steps that team selection calls, until the
// reserve pool's own module is merged; the merge deletes this file and its
// .cpp in favour of that module's header.
#pragma once

#include <cstdint>

// Every reserve-pool slot whose player is at the club, is not picked and has
// no shirt is released: not in use, the player a free agent again.
void ReleaseReserves(int16_t club);

// A player of the reserve pool for the club (a keeper when keeperWanted is
// non-zero, else an outfield player), now at the club without a wage; -1
// when the pool has nobody to give.
int16_t PickReservePlayer(int16_t club, int16_t keeperWanted);

// The reserve-pool slot holding the player, else -1.
int16_t ReserveSlotOfPlayer(int16_t player);

// The morale of the club's listed players after a match-squad selection.
void SelectionMorale(int16_t club);
