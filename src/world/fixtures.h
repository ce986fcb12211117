// The fixture list, the league tables and the club numbering: for now only
// the division table, which the facade's division queries read. The fixture
// list and the club numbering join it here.
#pragma once

#include <cstdint>

#include "world/records.h"
#include "world/static_country.h"

constexpr int DIVISION_PLACES = 24;

// The game country's six divisions in table order, 255 = empty place (saved).
constexpr uint8_t NO_TABLE_CLUB = 255;
extern uint8_t DivisionTable[NUM_DIVISIONS][DIVISION_PLACES];

// An empty fixture list, empty tables, no movement.
void Fixtures_Reset();
