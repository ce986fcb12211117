// A club's people beyond its squad list: its manager, its captain, the
// managers of the world, and the start and end of a player's loan.
#pragma once

#include <cstdint>

// The player number that stands for no manager in a club's manager lookup.
constexpr int16_t NO_MANAGER_PLAYER = 1;
// A loan runs this many weeks.
constexpr int16_t LOAN_WEEKS = 13;

// The club's manager: its first player (in player order, player 1 aside) in
// the manager's position 13; else its first playing manager (bossvane flag);
// else NO_MANAGER_PLAYER, as for every club outside 0-249.
int16_t GetClubManager(int16_t club);

// The first player with a full record at the club with the captain flag, else -1.
int16_t FindClubCaptain(int16_t club);

// Builds the club's squad list and takes the captain flag from every listed player.
void ClearClubCaptainFlags(int16_t club);

// Over the current squad list (players with a full record): every captain
// flag cleared; then, among the players of the list's club wearing shirts
// 1-11, the one with the highest experience x personality stat 20 (the first
// of equals) becomes captain. Nobody does when no such player wears one. The
// caller builds the list of the club it means first.
void PickTeamCaptain();

// Players with a full record who manage: in position 13, or with the
// bossvane flag and not caretakers (each counted once).
int16_t CountManagers();

// Personality stat 21 / 20.
int16_t GetPlayerPersonalityBand(int16_t player);
// The player's tactic code, which a manager's side plays.
int16_t GetPlayerTacticType(int16_t player);

// Starts a loan: the first free loan entry takes the player, the club he
// comes from and LOAN_WEEKS weeks; he is flagged on loan, taken off the loan
// list, moves to toClub and gives up his shirt. Answers 1, or 0 with nothing
// changed when it cannot start: no free loan entry, a player without a full
// record or already on loan, toClub not a club 0-249 (or fromClub itself), or
// a toClub whose squad list would pass its 32 places.
int16_t Loan_Start(int16_t player, int16_t fromClub, int16_t toClub);

// Ends the player's loan in the loan list: his first loan entry cleared and
// the on-loan flag taken off; answers the club the entry named (the club he
// came from). With no entry it prints a message, changes nothing and answers
// -1. Moving him back is the caller's business.
int16_t Loan_EndForPlayer(int16_t player);
