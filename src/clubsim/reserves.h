// The reserve pool: 150 slots of free and unattached players from which
// clubs fill the shirts their own squads cannot. A new game and every new
// season fill it afresh; a club that takes a reserve for a match owns his
// slot until he is released after the selection.
#pragma once

#include <cstdint>

// The clubs with at most this many players take the free agents a full pool
// has no room for.
constexpr int16_t SURPLUS_FREE_AGENT_MAX_SQUAD = 16;

// The pool afresh from the players 2 upward: free agents (club 254) take the
// slots in player order, unowned and not in use, with no wage and none of the
// manager, playing-manager and caretaker flags; those beyond the 150th go
// through PlaceSurplusFreeAgent. Slots left over go to unattached players
// (club 255) other than managers, who become free agents with no sell-on
// clause. Any slot still left is empty.
void FillReservePool();

// A free agent the pool has no room for: the first computer-run club of the
// game country (club processing order) with at most 16 players takes him
// (his wage demand, morale 60, a year's contract); with none, he becomes
// unattached (club 255, wage 1, transfer-listed, sale status 0, no manager
// flags, no market price or sell-on clause, no cup ties, no career entries).
void PlaceSurplusFreeAgent(int16_t player);

// Every slot whose player is at the club, not picked and without a shirt is
// no longer in use, and its player becomes a free agent.
void ReleaseReserves(int16_t club);

// The picked mark of every slot cleared (daily).
void ClearReservePicks();

// The slot holding the player, else -1.
int16_t ReserveSlotOfPlayer(int16_t player);

// A reserve for a club's match shirt: a keeper when position is 0, else an
// outfield player. First every slot whose player has a wage is emptied. The
// order of choice: a slot of the club whose player is not there yet; the
// best (ability-stats code + ability curve) of the first candidates of the
// unowned slots (youth coach + youth development officer + 1 of them for a
// league club of the game country, else one); a slot of another club not in
// use; then, for any position, a slot of the club whose player is not there,
// any unowned slot, any owned slot not in use. A slot without a player, a
// picked, injured or suspended player and a player already at the club are
// never taken, nor, for a cup match (cup 0-6; -1 none), a player cup-tied to
// another club in that cup. The player taken has no wage and is at the club;
// his slot is the club's, in use and not picked. Answers the player, or -1
// when nobody can be taken (the shirt stays empty).
int16_t PickReservePlayer(int16_t club, int16_t position, int16_t cup = -1);
