// The current squad list: one club's players, rebuilt for whichever club is
// being worked on. Every reader expects it to hold the club last built.
#pragma once

#include <cstdint>

constexpr int SQUAD_LIST_SIZE = 32;

extern int16_t SquadList[SQUAD_LIST_SIZE];  // player numbers, -1 = empty
extern int16_t SquadListLength;

// The last built club's listed goalkeepers, defenders, midfielders, forwards.
extern int16_t SquadPositionCounts[4];

// Lists the club's own players and those on loan to it (managers left out)
// in player order and answers the number of available players. Past 32
// players a newcomer takes the place of the first injured or suspended one.
int16_t BuildClubSquadList(int16_t club);

// The club's available players when its list was last built; clubs outside
// 0-249 print a message and answer 1.
int16_t getsquadsize(int16_t club);

void SquadList_Reset();
