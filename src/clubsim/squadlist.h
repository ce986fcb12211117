// The current squad list: one club's players, rebuilt for whichever club is
// being worked on. Every reader expects it to hold the club last built; the
// list remembers that club (SquadListClub), so a reader that needs one club
// can check it and build the list when it holds another.
#pragma once

#include <cstdint>

#include "world/records.h"

constexpr int SQUAD_LIST_SIZE = 32;

extern int16_t SquadList[SQUAD_LIST_SIZE];  // player numbers, -1 = empty
extern int16_t SquadListLength;
// The club the list was last built for; -1 when it holds no club's squad
// (program start, or a list filled another way, such as the reserve list).
extern int16_t SquadListClub;

// The last built club's listed goalkeepers, defenders, midfielders, forwards.
extern int16_t SquadPositionCounts[4];

// Lists the club's own players, those on loan to it and those it has lent
// out (non-playing managers left out) in player order and answers the number
// of available players. Past 32 players a newcomer takes the place of the
// first injured or suspended one. Stores the club's squad size (the list's
// length) and its available players.
int16_t BuildClubSquadList(int16_t club);

// The club's available players when its list was last built; clubs outside
// 0-249 print a message and answer 1.
int16_t getsquadsize(int16_t club);

// The list's length when the club's list was last built; 0 for a club
// outside 0-249.
int16_t GetClubListedCount(int16_t club);

// Adds a player to the current list (a player picked from outside the squad
// for a match): appended while the list holds fewer than 31 entries, else in
// the place of the first listed player who is injured or suspended, else not
// listed.
void AppendToSquadList(int16_t player);

// The players the club's list would take, with no limit: its own and
// borrowed players and those it has lent out, non-playing managers left out.
// Reads the player records only; the current list is left as it is.
int16_t CountClubSquadPlayers(int16_t club);
// The same for every club at once, in one pass over the players.
void CountAllClubSquads(int16_t counts[NUM_CLUBS]);

void SquadList_Reset();
