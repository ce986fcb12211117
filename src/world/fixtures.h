// The fixture list, the league tables and the club numbering: for now only
// the division table, which the facade's division queries read. The fixture
// list and the club numbering join it here.
#pragma once

#include <cstdint>

#include "world/records.h"

constexpr int DIVISION_PLACES = 24;
constexpr int NUM_LEAGUE_DIVISIONS = 6;

// The game country's six divisions in table order, 255 = empty place (saved).
constexpr uint8_t NO_TABLE_CLUB = 255;
extern uint8_t DivisionTable[NUM_LEAGUE_DIVISIONS][DIVISION_PLACES];

// Empty tables.
void Fixtures_Reset();
